#include "fuzz/opening_road.h"

#include "app/zinda_form.h"
#include "files/action_reader.h"
#include "support/fake_host.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace murva::test {

namespace {

// Pictures that draw nothing: the road is about files, and drawing would only slow it.
class NullCanvas final : public Canvas {
public:
    void MoveTo(std::int32_t, std::int32_t) override {}
    void LineTo(std::int32_t, std::int32_t) override {}
    void Rectangle(const TRect&) override {}
    void Ellipse(const TRect&) override {}
    void Polyline(const std::vector<TPoint>&) override {}
    void Polygon(const std::vector<TPoint>&) override {}
    std::int32_t TextOut(std::int32_t x, std::int32_t, const std::string&) override { return x; }
    void FillRect(const TRect&) override {}
    void CopyRect(const TRect&, Canvas&, const TRect&, bool) override {}
};

class NullBitmap final : public Bitmap {
public:
    NullBitmap(std::int32_t w, std::int32_t h) : width(w), height(h) {}
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    void SetSize(std::int32_t w, std::int32_t h) override { width = w, height = h; }
    Canvas& GetCanvas() override { return canvas; }
    TColor GetPixel(std::int32_t, std::int32_t) const override { return clWhite; }
    void SetPixel(std::int32_t, std::int32_t, TColor) override {}

private:
    std::int32_t width, height;
    NullCanvas canvas;
};

class NullGraphics final : public Graphics {
public:
    std::unique_ptr<Bitmap> CreateBitmap(std::int32_t w, std::int32_t h) override {
        return std::make_unique<NullBitmap>(w, h);
    }
    bool LoadBmp(const std::string&, Bitmap&) override { return false; }
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::string TravelOpeningRoad(std::string_view input, const std::string& folder) {
    enum { Animation, Drawing, Journal };
    const int kind = input.empty() ? Animation : static_cast<unsigned char>(input[0]) % 3;
    if (!input.empty()) input.remove_prefix(1);
    const std::string state = folder + "/state";
    const std::string opened = kind == Journal
                                   ? state + "/1-1.journal"
                                   : folder + (kind == Animation ? "/opened.mrv" : "/opened.znd");
    const std::string saved = folder + "/saved.mrv";
    std::filesystem::remove_all(state);
    std::filesystem::create_directories(state);
    std::ofstream(opened, std::ios::binary | std::ios::trunc) << input;
    std::remove(saved.c_str());

    FakeHost host;
    NullGraphics graphics;
    TZindaForm form(host, graphics);
    host.StateDir = state;
    host.Answers = {TAnswer::Yes};
    form.FormCreate(kind == Journal ? std::vector<std::string>{} : std::vector{opened});
    host.StateDir.clear();
    const std::int32_t figures = form.S.Doc.FigList().Count();
    host.SaveResults = {saved};
    form.WriteDataMenuClick();

    // What the program saves, it opens again.
    THistoryList log;
    TReaderState reader;
    TReadContext context{log, reader};
    const TReadResult read = ReadActionText(ReadAll(saved), context);
    if (read.Result != 0) return "the saved file could not be read again";

    TZindaForm again(host, graphics);
    again.FormCreate({saved});
    if (again.S.Doc.FigList().Count() != figures)
        return "the saved file opened into " + std::to_string(again.S.Doc.FigList().Count()) +
               " figures, not " + std::to_string(figures);
    return {};
}

} // namespace murva::test
