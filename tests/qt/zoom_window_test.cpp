// The window at a zoom: the layout scaled whole, a click on the field landing on the
// figure under it, and what is saved or exported the same at every zoom.

#include "qt/window_fixture.h"

#include "support/material_files.h"
#include "support/temp_dir.h"

#include <fstream>
#include <sstream>

namespace murva::test {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST_F(WindowTest, AtZoomTwoAClickLandsOnTheFigureUnderItAndTheExportIsTheSame) {
    TempDir temp;
    // Rectangles at (10..30, 10..30), (60..80, ...) and (110..130, ...) in the first cut.
    window->Dispatch([&] {
        form.OpenFileByName(WriteMaterial(temp, "m.znd", {10, 60, 110}));
        form.PartsUseBtnClick(1);
    });
    const QRect strip = Find("CutImage3")->geometry();

    window->Zoom(2);
    EXPECT_EQ(Find("PaintBox")->size(), QSize(1280, 960));
    EXPECT_EQ(Find("CutImage3")->geometry(), QRect(strip.topLeft() * 2, strip.size() * 2));
    EXPECT_EQ(form.PaintBox.Picture->Width(), 1280 * window->devicePixelRatio());
    for (const int x : {10, 60, 110}) {
        SCOPED_TRACE(x);
        QTest::mouseClick(Find("PaintBox"), Qt::LeftButton, {}, QPoint(2 * (x + 5), 2 * 25));
        const TFigItem* picked = form.S.Doc.SelectedFig();
        ASSERT_NE(picked, nullptr);
        EXPECT_EQ(std::min(picked->Data.Start.x, picked->Data.End.x), x);
    }
    window->Dispatch([&] {
        form.S.Doc.ClearSelection();
        form.PaintBoxPaint();
        form.Pictures.WriteFieldAsJpeg(temp.Path("2.jpg"));
    });
    window->Zoom(1);
    window->Dispatch([&] {
        form.PaintBoxPaint();
        form.Pictures.WriteFieldAsJpeg(temp.Path("1.jpg"));
    });
    EXPECT_EQ(Bytes(temp.Path("2.jpg")), Bytes(temp.Path("1.jpg")));
}

} // namespace
} // namespace murva::test
