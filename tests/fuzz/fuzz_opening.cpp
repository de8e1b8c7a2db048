// libFuzzer: every input travels the opening road; a crash, a hang, undefined behaviour
// or a saved file that does not open again is a finding.

#include "fuzz/opening_road.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/murva-fuzz-XXXXXX";
        if (!mkdtemp(pattern)) std::abort();
        return std::string(pattern);
    }();
    const std::string fault = murva::test::TravelOpeningRoad(
        std::string_view(reinterpret_cast<const char*>(data), size), folder);
    if (!fault.empty()) {
        std::fprintf(stderr, "opening road: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
