#pragma once
// Drawing-process files written for a test: one rectangle per left edge given.

#include "support/temp_dir.h"

#include <fstream>
#include <string>
#include <vector>

namespace murva::test {

inline std::string WriteMaterial(const TempDir& temp, const std::string& name,
                                 const std::vector<int>& xs) {
    std::string text = "ZINDA FILE FORMAT 1.4\r\n";
    int id = 1; // the drawing program numbers its figures from 2
    for (int x : xs)
        text += "begin ActionData\r\n2026 12 08 10 00 00 00\r\n0\r\nCreate\r\n" +
                std::to_string(++id) +
                "\r\nbegin FigData\r\ndtRectangle\r\n0\r\n1\r\nclBlack\r\nclRed\r\n12\r\n"
                "clBlack\r\n\r\n" +
                std::to_string(x) + " 10\r\n" + std::to_string(x + 20) +
                " 30\r\nend FigData\r\nend ActionData\r\n";
    std::ofstream(temp.Path(name), std::ios::binary) << text;
    return temp.Path(name);
}

} // namespace murva::test
