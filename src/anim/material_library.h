#pragma once
// The library of ready materials a child picks from: pictures by kind, listed in the
// library folder's index.tsv (kind, file name without .znd, and a name in each set of words), and the
// previews of files that the picker and the file dialogs show.

#include "model/canvas.h"
#include "ui/material_choice.h"

namespace murva {

// The kinds in their order, each with the materials of the index whose file is there;
// none when the folder holds no index.
std::vector<TLibraryKind> ReadMaterialLibrary(const std::string& folder);

// Paints into the picture what the file holds, on white: a material fitted to it, the end
// picture of an animation's first cut, the part of a picture a background shows. Whether
// the file could be read.
bool PaintFilePreview(const std::string& path, Bitmap& target, Graphics& graphics);

} // namespace murva
