#pragma once
// The road a file takes into the program and back out: opened by name in a fresh window,
// or brought back from a journal a crash left, saved as an animation, and the saved file
// read and opened again. Shared by the fuzzer
// and by the test that replays every input the fuzzer ever found.

#include <string>
#include <string_view>

namespace murva::test {

// The first byte chooses the kind of file (modulo 3: animation, drawing process, recovery
// journal); the rest is the file. Work files go into `folder`. Returns an empty string when all
// went as it must, otherwise what went wrong.
std::string TravelOpeningRoad(std::string_view input, const std::string& folder);

} // namespace murva::test
