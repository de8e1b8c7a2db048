// Making in the real window, offscreen: presses, moves and releases on the drawing field
// reach the form in field coordinates, the frame and the partner highlight are painted,
// and the palette and the edit buttons reach their handlers; a run takes its stop, and a
// clicked bar the arrow keys.

#include "qt/window_fixture.h"

#include "support/material_files.h"

#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <tuple>

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
    const TFigData& Figure(int index) const { return form.S.Doc.FigList().At(index)->Data; }
    // Drags the slider's handle by the given distance.
    void DragHandle(const std::string& name, QPoint by) {
        auto* slider = Find<QSlider>(name);
        const QPoint from = HandleOf(slider).center();
        QTest::mousePress(slider, Qt::LeftButton, {}, from);
        QTest::mouseMove(slider, from + by / 2);
        QTest::mouseMove(slider, from + by);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, from + by);
    }
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
    EXPECT_EQ(form.S.Doc.SelectedFig(), form.S.Doc.FigList().At(0));
    EXPECT_EQ(PixelAt(Field(), {250, 60}), QColor(255, 255, 0));
    QApplication::processEvents();
    EXPECT_NE(PixelAt(Find("CutImage1"), {39, 9}), QColor(255, 255, 0))
        << "the cut's thumbnail shows the figure's own colours";
    window->Dispatch([this] { form.PaintBoxPaint(); });
    QApplication::processEvents();
    EXPECT_NE(PixelAt(Field(), {250, 60}), QColor(255, 255, 0));
}

TEST_F(EditingWindowTest, ACopyDraggedOffTheFieldShowsATabInItsColourThatBringsItBack) {
    const QColor red(255, 0, 0);
    QTest::mousePress(Field(), Qt::LeftButton, {}, {210, 20});
    QTest::mouseMove(Field(), {500, 20});
    QTest::mouseMove(Field(), {700, 20});
    QTest::mouseRelease(Field(), Qt::LeftButton, {}, {700, 20});
    EXPECT_EQ(Figure(2).Start, (TPoint{690, 10}));
    // The tab lies against the right edge, level with the copy, its arrow in the middle.
    EXPECT_EQ(PixelAt(Field(), {630, 10}), red);
    EXPECT_NE(PixelAt(Field(), {630, 40}), red);
    EXPECT_NE(PixelAt(Field(), {632, 20}), red) << "the arrow";

    QTest::mousePress(Field(), Qt::LeftButton, {}, {630, 12});
    QTest::mouseMove(Field(), {530, 12});
    QTest::mouseRelease(Field(), Qt::LeftButton, {}, {530, 12});
    EXPECT_EQ(Figure(2).Start, (TPoint{590, 10}));
    EXPECT_EQ(PixelAt(Field(), {595, 15}), red) << "on the field again";
    EXPECT_NE(PixelAt(Field(), {630, 10}), red) << "without its tab";
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
    QTest::mouseClick(Find<QToolButton>("DupBtn"), Qt::LeftButton);
    EXPECT_EQ(form.S.Doc.PairCount(), 3);
    form.S.Doc.Select(form.S.Doc.FigList().At(5));
    QTest::mouseClick(Find<QToolButton>("DeleteBtn"), Qt::LeftButton);
    EXPECT_EQ(form.S.Doc.PairCount(), 2);
    QTest::mouseClick(Find<QToolButton>("RestoreBtn"), Qt::LeftButton);
    EXPECT_EQ(form.S.Doc.PairCount(), 3);
}

TEST_F(EditingWindowTest, TheSizeBarsResizeAsTheyAreDraggedAndTheModeButtonCycles) {
    QTest::mouseClick(Field(), Qt::LeftButton, {}, {210, 20});
    DragHandle("HTrackBar", {40, 0});
    const std::int32_t p = form.HTrackBar.Position();
    ASSERT_GT(p, 0);
    EXPECT_EQ(Figure(2).Start.x, 200 - p);
    EXPECT_EQ(Figure(2).End.y, 30 + p) << "linked bars";
    EXPECT_EQ(Find<QSlider>("VTrackBar")->value(), p);

    QTest::mouseClick(Find<QToolButton>("AllChangeBtn"), Qt::LeftButton);
    EXPECT_FALSE(Find("AllChangeBtn")->isVisible());
    EXPECT_TRUE(Find("DRChangeBtn")->isVisible());
    EXPECT_TRUE(Find("Panel91")->isVisible());
    EXPECT_FALSE(Find("Panel1")->isVisible());
    EXPECT_EQ(Find<QSlider>("HTrackBar")->value(), 0);

    // Only the bottom edge, as the vertical bar goes down.
    QTest::mouseClick(Field(), Qt::LeftButton, {}, {310, 20});
    DragHandle("VTrackBar", {0, 40});
    const std::int32_t q = form.VTrackBar.Position();
    ASSERT_LT(q, 0);
    EXPECT_EQ(Figure(3).Start.y, 10);
    EXPECT_EQ(Figure(3).End.y, 30 + q);
}

TEST_F(EditingWindowTest, TheSpeedButtonsSetTheSpeedBarAndThePlayBarsMaximum) {
    window->Dispatch([this] { form.SpeedPanel.Visible = form.WatchPanel.Visible = true; });
    QTest::mouseClick(Find<QPushButton>("FastBtn"), Qt::LeftButton);
    EXPECT_EQ(Find<QSlider>("SpeedBar")->value(), -99);
    EXPECT_EQ(Find<QSlider>("PlayBar")->maximum(), 257);
    QTest::mouseClick(Find<QPushButton>("SlowBtn"), Qt::LeftButton);
    EXPECT_EQ(Find<QSlider>("PlayBar")->maximum(), 1750);
}

TEST_F(EditingWindowTest, PlayingShowsTheFigureMovingFrameByFrame) {
    QTest::mouseClick(Find<QToolButton>("MoveLineBtn"), Qt::LeftButton);
    QTest::mousePress(Field(), Qt::LeftButton, {}, {210, 20});
    QTest::mouseMove(Field(), {210, 200});
    QTest::mouseRelease(Field(), Qt::LeftButton, {}, {210, 200});
    QTest::mouseClick(Find<QPushButton>("SelectMoveBtn"), Qt::LeftButton);
    EXPECT_TRUE(Find("PlayButton")->isVisible());

    // Where the moving rectangle's top edge is in each frame on the screen.
    std::vector<int> edges;
    host.OnFrame = [this, &edges] {
        window->PresentFrame();
        const QImage shown = Field()->grab().toImage();
        for (int y = 0; y < 480; ++y)
            if (shown.pixelColor(210, y) == QColor(255, 0, 0)) {
                edges.push_back(y);
                break;
            }
    };
    QTest::mouseClick(Find<QToolButton>("PlayButton"), Qt::LeftButton);
    ASSERT_GT(edges.size(), 20u);
    EXPECT_TRUE(std::is_sorted(edges.begin(), edges.end()));
    EXPECT_LT(edges.front(), 30);
    EXPECT_GT(edges.back(), 180) << "the last frame is near the end copy";
    EXPECT_EQ(Find<QSlider>("PlayBar")->value(), 800);
    EXPECT_EQ(Figure(0).Start, (TPoint{200, 10})) << "the start copy went back";
}

TEST_F(EditingWindowTest, ARunTakesItsStopAtOnceAndDropsEveryOtherInput) {
    QTest::mouseClick(Find<QPushButton>("SelectMoveBtn"), Qt::LeftButton);
    host.OnFrame = [this] { window->PresentFrame(); };
    auto* play = Find<QToolButton>("PlayButton");
    // Given at the second step: either play button, "できるまで", or Escape wherever the
    // focus is.
    for (QWidget* stop :
         {Find("PlayButton"), Find("AllPlayButton"), Find("MakingBtn"), Find("PlayBar")}) {
        int waits = 0;
        QString face;
        host.OnWait = [&] {
            if (++waits != 2) return;
            face = play->toolButtonStyle() == Qt::ToolButtonTextOnly ? play->text() : "";
            QTest::mouseClick(Find("SelectMakeBtn"), Qt::LeftButton); // dropped, as is the key
            QTest::keyClick(Find("SpeedBar"), Qt::Key_Up);
            stop == Find("PlayBar") ? QTest::keyClick(stop, Qt::Key_Escape)
                                    : QTest::mouseClick(stop, Qt::LeftButton);
        };
        QTest::mouseClick(play, Qt::LeftButton);
        EXPECT_EQ(waits, 2) << stop->objectName().toStdString() << " did not stop the run";
        EXPECT_EQ(face, "とめる");
        EXPECT_EQ(play->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_TRUE(form.S.Playback.InMoveState) << "a click of the run was done";
        EXPECT_EQ(form.SpeedBar.Position(), 0) << "a key of the run was done";
        EXPECT_EQ(Find<QSlider>("SpeedBar")->value(), 0) << "the bar shows what its model has not";
    }
}

TEST_F(EditingWindowTest, TheKeysAndButtonsGoBackAndForwardACommand) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto cutOfFirst = [this] { return Figure(0).CutNumber; };
    const auto enabled = [this](const char* name) { return Find(name)->isEnabled(); };
    ASSERT_EQ(cutOfFirst(), 1);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cutOfFirst(), 100) << "back in the bin";
    EXPECT_TRUE(enabled("RedoBtn"));
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cutOfFirst(), 1);
    QTest::mouseClick(Find("UndoBtn"), Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cutOfFirst(), 1);
    EXPECT_FALSE(enabled("RedoBtn"));
    QTest::mouseClick(Find<QPushButton>("SelectMoveBtn"), Qt::LeftButton);
    EXPECT_FALSE(enabled("UndoBtn")) << "not while watching";
}

TEST_F(EditingWindowTest, AClickedBarTakesTheArrowKeysAStepAtATime) {
    window->Dispatch([this] { form.SpeedPanel.Visible = form.WatchPanel.Visible = true; });
    // The speed bar's fast end, its low positions, is at the top.
    const std::vector<std::tuple<TTrackBar*, Qt::Key, int>> bars = {
        {&form.HTrackBar, Qt::Key_Right, 1},
        {&form.VTrackBar, Qt::Key_Up, 1},
        {&form.SpeedBar, Qt::Key_Up, -1},
        {&form.PlayBar, Qt::Key_Right, 3}};
    for (auto [model, key, step] : bars) {
        auto* slider = Find<QSlider>(model->Name);
        QTest::mouseClick(slider, Qt::LeftButton, {}, HandleOf(slider).center());
        const int before = model->Position();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(model->Position(), before + step) << model->Name;
    }
}

} // namespace
} // namespace murva::test
