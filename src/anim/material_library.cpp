#include "anim/material_library.h"

#include "files/action_reader.h"
#include "files/file_names.h"
#include "files/picture_pixels.h"
#include "history/document.h"
#include "ui/renderer.h"
#include "ui/texts.h"
#include "ui/window_controls.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace murva {

namespace {

constexpr std::int32_t FieldWidth = TWindowControls::FieldWidth;
constexpr std::int32_t FieldHeight = TWindowControls::FieldHeight;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

// The figures the file holds, read as the program opens it.
bool ReadFigures(const std::string& path, TDocument& doc) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const bool animation = HasExtension(path, AnimationExtensions);
    TReaderState reader;
    return doc.Load(
        [&](THistoryList& log) {
            TReadContext context{log, reader, 0,
                                 animation ? TLoadKind::Animation : TLoadKind::Drawing, 0};
            return ReadActionFile(file, context).Result == 0;
        },
        TEndCopies::None);
}

} // namespace

std::vector<TLibraryKind> ReadMaterialLibrary(const std::string& folder) {
    std::vector<TLibraryKind> kinds = {
        {"animals", texts::KindAnimals, {}}, {"vehicles", texts::KindVehicles, {}},
        {"people", texts::KindPeople, {}},   {"food", texts::KindFood, {}},
        {"nature", texts::KindNature, {}},   {"things", texts::KindThings, {}}};
    std::ifstream index(std::filesystem::path(folder) / "index.tsv");
    if (folder.empty() || !index) return {};
    for (std::string line; std::getline(index, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> f = Fields(line);
        if (f.size() < 5) continue;
        const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                       [&](const TLibraryKind& k) { return f[0] == k.Folder; });
        const std::filesystem::path path = std::filesystem::path(folder) / f[0] / (f[1] + ".znd");
        std::error_code error;
        if (kind == kinds.end() || !std::filesystem::is_regular_file(path, error)) continue;
        kind->Materials.push_back({path.string(), {f[2], f[3], f[4]}});
    }
    std::erase_if(kinds, [](const TLibraryKind& k) { return k.Materials.empty(); });
    return kinds;
}

bool PaintFilePreview(const std::string& path, Bitmap& target, Graphics& graphics) {
    FillWhite(target);
    if (HasExtension(path, BmpExtensions) || HasExtension(path, JpegExtensions)) {
        // The part of the picture a background shows, scaled.
        const std::unique_ptr<Bitmap> picture = graphics.CreateBitmap(FieldWidth, FieldHeight);
        FillWhite(*picture);
        if (!DrawPictureFile(path, graphics, *picture)) return false;
        target.GetCanvas().CopyRect({0, 0, target.Width(), target.Height()}, picture->GetCanvas(),
                                    {0, 0, FieldWidth, FieldHeight}, true);
        return true;
    }
    TDocument doc;
    if (!ReadFigures(path, doc)) return false;
    if (!HasExtension(path, AnimationExtensions)) {
        RenderFitted(doc.FigList(), target);
        return true;
    }
    // The first cut as its end copies leave it: the field, scaled.
    TFigList ends;
    std::int32_t i = 0;
    for (const TFigItem* item = doc.FigList().GetFirst(); item; item = item->Next, ++i)
        if (i >= doc.PairCount() && item->Data.CutNumber == 1) ends.Add(item->Data);
    RenderFigures(ends, target, double(target.Width()) / FieldWidth, {0, 0});
    return true;
}

} // namespace murva
