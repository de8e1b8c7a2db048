// Every input that ever made the fuzzer find something travels the opening road again.

#include "fuzz/opening_road.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace murva {
namespace {

TEST(FuzzRegressions, EveryKeptInputOpensSavesAndOpensAgain) {
    const std::filesystem::path folder = std::string(MURVA_FUZZ_REGRESSIONS);
    test::TempDir work;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(test::TravelOpeningRoad(bytes.str(), work.Folder()), "")
            << entry.path().filename();
        ++inputs;
    }
    EXPECT_GT(inputs, 0) << "no inputs in " << folder;
}

} // namespace
} // namespace murva
