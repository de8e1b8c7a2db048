#pragma once
// A temporary folder per test.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace murva::test {

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/murva-test-XXXXXX";
        if (!::mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const { return path + "/" + name; }
    std::string Folder() const { return path; }

private:
    std::string path;
};

} // namespace murva::test
