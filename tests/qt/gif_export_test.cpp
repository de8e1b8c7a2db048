// Exporting the animation as a GIF: the pictures of a run as watching shows them, at 25 a
// second; every cut in order for "play all"; the window left as it was. Painted with Qt,
// so that the pictures have their pixels.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/document_access.h"
#include "support/fake_host.h"
#include "support/figure_builders.h"
#include "support/gif_frames.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

namespace murva::test {
namespace {

struct GifExportTest : ::testing::Test {
    FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    TempDir temp;
    void SetUp() override { form.FormCreate({}); }
    TFigItem* At(std::int32_t index) const { return form.S.Doc.FigList().At(index); }
    // A filled square of the colour moving 200 pixels right in the cut.
    void AddMover(TColor colour, std::int32_t cut) {
        TFigData start = MakeRect(100, 100, 140, 140, cut);
        start.BrushColor = colour;
        TFigData end = start;
        end.Offset(200, 0);
        AddPair(test::Figures(form.S.Doc), start, end);
    }
    TGifMovie Export(bool all) {
        const std::string path = temp.Path("a.gif");
        EXPECT_TRUE(form.Films.ExportGif(path, all ? TFilmKind::AllCuts : TFilmKind::Cut));
        return DecodeGif(path);
    }
};

constexpr std::uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, White = 0xFFFFFF;

TEST_F(GifExportTest, ThePicturesOfARunFromStartToEnd) {
    AddMover(clRed, 1);
    const TGifMovie movie = Export(false);
    ASSERT_TRUE(movie.Read);
    EXPECT_TRUE(movie.Loops);
    ASSERT_EQ(movie.Pictures.size(), 51u)
        << "800 steps of 2.5 ms, a picture every 40 ms, and the end";
    EXPECT_EQ(movie.At(0, 120, 120), Red);
    EXPECT_EQ(movie.At(25, 220, 120), Red) << "half-way";
    EXPECT_EQ(movie.At(25, 120, 120), White);
    EXPECT_EQ(movie.At(50, 318, 120), Red) << "at the end copy, up to a pixel short";
    EXPECT_EQ(movie.Delays.front(), 4);
    EXPECT_EQ(movie.Delays.back(), 100) << "the end is held a second";

    // The window as it was: making, the figure back, the play bar at its start.
    EXPECT_EQ(form.S.Shell.Mode, TMode::Draw);
    EXPECT_EQ(At(0)->Data.Start.x, 100);
    EXPECT_EQ(form.PlayBar.Position(), 0);
}

TEST_F(GifExportTest, PlayAllFilmsEveryCutInOrderAndKeepsTheCurrentCut) {
    AddMover(clRed, 1);
    AddMover(0x00FF00, 2);
    AddMover(0xFF0000, 3); // blue
    form.S.Cuts.CutCount = 3;
    form.S.Cuts.CurrentCut = 2;
    host.SaveResults = {temp.Path("all.gif")}; // the menu films every cut
    form.Save2GIFMenuClick();
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::GifWritten});
    const TGifMovie movie = DecodeGif(temp.Path("all.gif"));
    ASSERT_TRUE(movie.Read);
    std::vector<std::uint32_t> seen;
    for (std::size_t k = 0; k < movie.Pictures.size(); ++k) {
        const std::uint32_t c = movie.At(k, 120, 120);
        if (c != White && (seen.empty() || seen.back() != c)) seen.push_back(c);
    }
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{Red, Green, Blue}));
    EXPECT_EQ(movie.Pictures.size(), 3 * 51u);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 2);
}

TEST_F(GifExportTest, NothingToFilmOrNowhereToWriteSaysSo) {
    EXPECT_FALSE(form.Films.ExportGif(temp.Path("a.gif"), TFilmKind::Cut));
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::NothingToPlay});
    AddMover(clRed, 1);
    host.Messages.clear();
    EXPECT_FALSE(form.Films.ExportGif(temp.Path("no/such/a.gif"), TFilmKind::Cut));
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::PictureUnwritable});
}

} // namespace
} // namespace murva::test
