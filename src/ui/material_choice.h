#pragma once
// The library of ready materials as the picker shows it: kinds, each with its pictures,
// each with a name in every set of words; and what the child chose in the picker.

#include <array>
#include <string>
#include <vector>

namespace murva {

struct TLibraryMaterial {
    std::string Path;
    // The name in the かんじ, ひらがな and English sets.
    std::array<std::string, 3> Names;
};

struct TLibraryKind {
    // Its folder in the library, and one of the program's texts.
    const char* Folder;
    const char* Name;
    std::vector<TLibraryMaterial> Materials;
};

// A material of the library, another file (the file dialog), or nothing.
struct TMaterialChoice {
    enum class TKind { Closed, OtherFile, Material } Kind = TKind::Closed;
    std::string Path;
};

} // namespace murva
