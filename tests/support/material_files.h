#pragma once
// Drawing-process and animation files written for a test, in the marked format.

#include "model/geometry.h"
#include "support/temp_dir.h"

#include <fstream>
#include <string>
#include <vector>

namespace murva::test {

// One action; an id of -1 writes no id line. `body` holds the lines after the id.
inline std::string ActionBlock(const std::string& kind, int id, const std::string& body = {}) {
    return "begin ActionData\r\n2026 12 08 10 00 00 00\r\n0\r\n" + kind + "\r\n" +
           (id < 0 ? "" : std::to_string(id) + "\r\n") + body + "end ActionData\r\n";
}

inline std::string PointLines(const std::vector<TPoint>& points) {
    std::string text = "begin PointData\r\n";
    for (const TPoint& p : points)
        text += std::to_string(p.x) + " " + std::to_string(p.y) + "\r\n";
    return text + "end PointData\r\n";
}

// A figure block; an animation's figures carry cut 1 and no path.
inline std::string FigureBlock(const std::string& tool, TPoint start, TPoint end,
                               const std::string& brush, const std::vector<TPoint>& points = {},
                               bool animation = false) {
    auto point = [](TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y) + "\r\n"; };
    return "begin FigData\r\n" + tool + "\r\n0\r\n1\r\nclBlack\r\n" + brush +
           "\r\n12\r\nclBlack\r\n\r\n" + point(start) + point(end) +
           (animation ? "1\r\n0\r\n" : "") + (points.empty() ? "" : PointLines(points)) +
           "end FigData\r\n";
}

inline std::string WriteLog(const TempDir& temp, const std::string& name,
                            const std::string& actions) {
    std::ofstream(temp.Path(name), std::ios::binary) << "ZINDA FILE FORMAT 1.4\r\n" + actions;
    return temp.Path(name);
}

// One rectangle per left edge given.
inline std::string WriteMaterial(const TempDir& temp, const std::string& name,
                                 const std::vector<int>& xs) {
    std::string actions;
    int id = 1; // the drawing program numbers its figures from 2
    for (int x : xs)
        actions +=
            ActionBlock("Create", ++id, FigureBlock("dtRectangle", {x, 10}, {x + 20, 30}, "clRed"));
    return WriteLog(temp, name, actions);
}

} // namespace murva::test
