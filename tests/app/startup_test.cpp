// Start-up, reset and leaving a fresh window.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "support/temp_dir.h"
#include "ui/texts.h"

#include <cstdlib>
#include <fstream>
#include <set>
#include <unistd.h>

namespace murva {
namespace {

using test::FormTest;

TEST_F(FormTest, StartsWithAnEmptyWorkInDrawModeWithFreeMotion) {
    EXPECT_EQ(form.Caption, "Murva Ver0.9.2 110614");
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
    EXPECT_TRUE(form.S.Doc.FigList().IsEmpty());
    EXPECT_EQ(form.S.Shell.Mode, TMode::Draw);
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::MoveFree);
    EXPECT_EQ(form.S.Shell.ResizeMode, TResizeMode::KeepShape);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(form.S.Cuts.CutCount, 1);
    EXPECT_EQ(form.S.Cuts.StripOffset, 0);
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
    EXPECT_EQ(form.S.Motion.PlaySteps, 800);
    EXPECT_EQ(form.S.Doc.FigureCount(), 1);
    EXPECT_EQ(form.S.Doc.PairCount(), 0);
    ASSERT_NE(form.CanvasBitmap, nullptr);
    EXPECT_EQ(form.CanvasBitmap->Width(), 640);
    EXPECT_EQ(form.CanvasBitmap->Height(), 480);
    EXPECT_EQ(host.BroughtToFront, 1);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(FormTest, TheControlsStartAsTheWindowShowsThem) {
    EXPECT_EQ(form.ColorPanels[0].Color, RGBColor(255, 255, 255));
    EXPECT_EQ(form.ColorPanels[1].Color, RGBColor(255, 105, 180));
    EXPECT_EQ(form.ColorPanels[12].Color, RGBColor(0, 102, 102));
    EXPECT_EQ(form.ColorPanels[15].Name, "ColorPanel16");
    EXPECT_EQ(form.ConfirmPanel.Color, clBlack);
    EXPECT_EQ(form.ConfirmPanel.Hint, "色がえらばれています");
    EXPECT_TRUE(form.KeepShapeBtn.Visible);
    EXPECT_FALSE(form.DRChangeBtn.Visible || form.HVChangeBtn.Visible || form.ULChangeBtn.Visible);
    EXPECT_FALSE(form.HBarRightLabel.Visible || form.HBarLeftLabel.Visible);
    EXPECT_TRUE(form.VBarLargeLabel.Visible);
    EXPECT_FALSE(form.SpeedPanel.Visible);
    EXPECT_FALSE(form.WatchPanel.Visible);
    EXPECT_FALSE(form.InputEdit.Visible);
    EXPECT_FALSE(form.SelectMakeBtn.Enabled);
    EXPECT_TRUE(form.SelectMoveBtn.Enabled);
    EXPECT_FALSE(form.CutCountDownBtn.Enabled);
    EXPECT_EQ(form.CutSelect.Text, "1/1");
    EXPECT_TRUE(Shown().MoveFreeBtn.Down);
    EXPECT_EQ(form.PartsRemoveBtns[1].Name, "SpeedButton10");
    EXPECT_EQ(form.PartsPanels[0].Name, "Panel10");
    EXPECT_EQ(form.HTrackBar.Min, -99);
    EXPECT_EQ(form.VTrackBar.Max, 100);
    EXPECT_EQ(form.PlayBar.Max, 800);
    EXPECT_EQ(form.SpeedBar.Position(), 0);
    // The twelve holes of thumbnail 1 are red, every other hole white.
    int red = 0;
    for (auto& hole : form.FilmHoles)
        red += hole.Color == RGBColor(255, 0, 0);
    EXPECT_EQ(red, 12);
    EXPECT_EQ(form.FilmHoles[14 - 11].Color, RGBColor(255, 0, 0)); // Panel14
    EXPECT_EQ(form.FilmHoles[59 - 11].Color, RGBColor(255, 0, 0)); // Panel59
    EXPECT_EQ(form.FilmHoles[20 - 11].Color, clWhite);             // Panel20
    // Every control has a name, and no two share one.
    std::set<std::string> names;
    for (TControl* c : form.AllControls()) {
        EXPECT_FALSE(c->Name.empty());
        EXPECT_TRUE(names.insert(c->Name).second) << c->Name;
    }
}

TEST_F(FormTest, ResetEmptiesTheWorkAndTheModes) {
    TFigData d;
    d.DrawingTool = TDrawingTool::Line;
    form.S.Doc.Select(test::Figures(form.S.Doc).FigList.Add(d));
    test::Figures(form.S.Doc).DeletedFigList.Add(d);
    test::History(form.S.Doc).ActionLog.AppendEmpty();
    test::Figures(form.S.Doc).FigureCount = 9;
    form.S.Shell.Mode = TMode::Watch;
    form.S.Shell.ShownBGName = "bg.jpg";
    form.S.Cuts.CurrentCut = 3;
    form.S.Cuts.StripOffset = 2;
    test::History(form.S.Doc).ActionPending = true;
    form.ResetDocument();
    EXPECT_TRUE(form.S.Doc.FigList().IsEmpty());
    EXPECT_TRUE(form.S.Doc.DeletedFigList().IsEmpty());
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
    EXPECT_EQ(form.S.Doc.FigureCount(), 1);
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
    EXPECT_FALSE(form.S.Doc.HoldsChange());
    EXPECT_EQ(form.S.Shell.Mode, TMode::Draw);
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::MoveFree);
    EXPECT_TRUE(form.S.Shell.ShownBGName.empty());
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(form.S.Cuts.StripOffset, 0);
    EXPECT_EQ(form.BGImage.Picture->GetPixel(320, 240), clWhite);
    // The paint box is back to its default pen.
    Canvas& canvas = form.PaintBox.Picture->GetCanvas();
    EXPECT_EQ(canvas.Pen, (TPen{4, clBlack, TPenStyle::Solid, TPenMode::Copy}));
    EXPECT_EQ(canvas.Brush, (TBrush{clWhite, TBrushStyle::Solid}));
}

TEST_F(FormTest, ClosingAFreshWindowEndsWithCodeZero) {
    try {
        form.FormCloseQuery();
        FAIL() << "the process should have ended";
    } catch (const TProcessExit& exit) {
        EXPECT_EQ(exit.Code, 0);
    }
}

} // namespace
} // namespace murva
