// Making in the real window, offscreen: presses, moves and releases on the drawing field
// reach the form in field coordinates, the frame and the partner highlight are painted,
// and the palette and the edit buttons reach their handlers.

#include "qt/window_fixture.h"

#include "support/material_files.h"

#include <QToolButton>

namespace murva::test {
namespace {

struct EditingWindowTest : WindowTest {
    TempDir temp;
    // Two rectangles of the material, 20 × 20 at x 200 and 300, in cut 1.
    void SetUp() override {
        WindowTest::SetUp();
        const std::string material = WriteMaterial(temp, "m.znd", {200, 300});
        window->Dispatch([this, &material] { form.OpenFileByName(material); });
        QTest::mouseClick(Find<QToolButton>("PartsMoveBtr1"), Qt::LeftButton);
    }
    QWidget* Field() const { return Find("PaintBox"); }
    // Dark pixels of the field's row y between x0 and x1.
    int DarkPixels(int y, int x0, int x1) const {
        const QImage image = Field()->grab().toImage();
        int count = 0;
        for (int x = x0; x <= x1; ++x)
            count += image.pixelColor(x, y).lightness() < 100;
        return count;
    }
    const TFigData& Figure(int index) const { return form.S.Figures.FigList.At(index)->Data; }
};

TEST_F(EditingWindowTest, AFreeDragShowsItsFrameAtOnceAndMovesTheEndCopyAlongItsPath) {
    QTest::mouseClick(Find<QToolButton>("MoveFreeBtn"), Qt::LeftButton);
    EXPECT_EQ(DarkPixels(7, 190, 230), 0);
    QTest::mousePress(Field(), Qt::LeftButton, {}, {210, 20});
    EXPECT_GT(DarkPixels(7, 190, 230), 0) << "the frame three pixels above the figure";
    QTest::mouseMove(Field(), {230, 40});
    QTest::mouseMove(Field(), {250, 60});
    QTest::mouseRelease(Field(), Qt::LeftButton, {}, {250, 60});
    EXPECT_EQ(Figure(2).Start, (TPoint{240, 50}));
    EXPECT_EQ(Figure(2).Free, 1);
    EXPECT_EQ(Figure(2).FreeMoveCount, 4);
    EXPECT_EQ(Figure(0).Start, (TPoint{200, 10})) << "the start copy stays";

    // The start copy, clicked, shows its end copy in yellow until the next repaint.
    QTest::mouseClick(Field(), Qt::LeftButton, {}, {205, 12});
    EXPECT_EQ(form.S.Figures.SelectedFig, form.S.Figures.FigList.At(0));
    EXPECT_EQ(PixelAt(Field(), {250, 60}), QColor(255, 255, 0));
    window->Dispatch([this] { form.PaintBoxPaint(); });
    QApplication::processEvents();
    EXPECT_NE(PixelAt(Field(), {250, 60}), QColor(255, 255, 0));
}

TEST_F(EditingWindowTest, TheEditButtonsAndThePaletteWorkOnTheSelectedFigure) {
    QTest::mouseClick(Find<QToolButton>("MoveLineBtn"), Qt::LeftButton);
    QTest::mousePress(Field(), Qt::LeftButton, {}, {310, 20});
    QTest::mouseMove(Field(), {330, 20});
    QTest::mouseRelease(Field(), Qt::LeftButton, {}, {330, 20});
    EXPECT_EQ(Figure(3).Start, (TPoint{320, 10}));
    EXPECT_EQ(Figure(3).Free, 0);

    QTest::mouseClick(Find("ColorPanel05"), Qt::LeftButton);
    EXPECT_EQ(form.ConfirmPanel.Color, form.ColorPanels[4].Color);
    QTest::mouseClick(Find<QToolButton>("BodyColorBtn"), Qt::LeftButton);
    EXPECT_EQ(Figure(3).BrushColor, form.ColorPanels[4].Color);
    QTest::mouseClick(Find<QToolButton>("FrontBtn"), Qt::LeftButton);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"これより前にいくことができません。"});
    QTest::mouseClick(Find<QToolButton>("BackBtn"), Qt::LeftButton);
    EXPECT_EQ(Figure(2).Start, (TPoint{320, 10}));
    QTest::mouseClick(Find<QToolButton>("SpeedButton12"), Qt::LeftButton);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 3);
    form.S.Figures.SelectedFig = form.S.Figures.FigList.At(5);
    QTest::mouseClick(Find<QToolButton>("SpeedButton9"), Qt::LeftButton);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 2);
    QTest::mouseClick(Find<QToolButton>("SpeedButton4"), Qt::LeftButton);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 3);
}

} // namespace
} // namespace murva::test
