// Start-up, reset and the checks of opening a file by name.

#include "form_fixture.h"

#include "ui/texts.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <set>
#include <unistd.h>

namespace murva {
namespace {

using test::FormTest;

TEST_F(FormTest, StartsWithAnEmptyWorkInDrawModeWithFreeMotion) {
    EXPECT_EQ(form.Caption, "Murva Ver0.9.2 110614");
    EXPECT_TRUE(form.S.History.ActionLog.IsEmpty());
    EXPECT_TRUE(form.S.Figures.FigList.IsEmpty());
    EXPECT_EQ(form.S.Shell.Mode, mdDraw);
    EXPECT_EQ(form.S.Shell.CurrentTool, toolMoveFree);
    EXPECT_EQ(form.S.Shell.ResizeMode, 2);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(form.S.Cuts.CutCount, 1);
    EXPECT_EQ(form.S.Cuts.StripOffset, 0);
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
    EXPECT_EQ(form.S.Motion.PlaySteps, 800);
    EXPECT_EQ(form.S.Figures.LastFigureID, 1);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 0);
    EXPECT_EQ(form.S.Paint.CurrentCutImage, &form.CutImages[0]);
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
    EXPECT_TRUE(form.AllChangeBtn.Visible);
    EXPECT_FALSE(form.DRChangeBtn.Visible || form.HVChangeBtn.Visible || form.ULChangeBtn.Visible);
    EXPECT_FALSE(form.Panel5.Visible || form.Panel91.Visible);
    EXPECT_TRUE(form.Panel1.Visible);
    EXPECT_FALSE(form.SpeedPanel.Visible);
    EXPECT_FALSE(form.WatchPanel.Visible);
    EXPECT_FALSE(form.InputEdit.Visible);
    EXPECT_FALSE(form.SellectMakeBtn.Enabled);
    EXPECT_TRUE(form.SellectMoveBtn.Enabled);
    EXPECT_FALSE(form.CutCountDownBtn.Enabled);
    EXPECT_EQ(form.CutSelect.Text, "1/1");
    EXPECT_TRUE(form.MoveFreeBtn.Down);
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
    d.DrawingTool = dtLine;
    form.S.Figures.SelectedFig = form.S.Figures.FigList.Add(d);
    form.S.Figures.DeletedFigList.Add(d);
    form.S.History.ActionLog.AppendEmpty();
    form.S.Figures.LastFigureID = 9;
    form.S.Shell.Mode = mdWatch;
    form.S.Shell.ShownBGName = "bg.jpg";
    form.S.Cuts.CurrentCut = 3;
    form.S.Cuts.StripOffset = 2;
    form.S.History.ActionPending = true;
    form.ResetDocument();
    EXPECT_TRUE(form.S.Figures.FigList.IsEmpty());
    EXPECT_TRUE(form.S.Figures.DeletedFigList.IsEmpty());
    EXPECT_TRUE(form.S.History.ActionLog.IsEmpty());
    EXPECT_EQ(form.S.Figures.LastFigureID, 1);
    EXPECT_EQ(form.S.Figures.SelectedFig, nullptr);
    EXPECT_FALSE(form.S.History.ActionPending);
    EXPECT_EQ(form.S.Shell.Mode, mdDraw);
    EXPECT_EQ(form.S.Shell.CurrentTool, toolMoveFree);
    EXPECT_TRUE(form.S.Shell.ShownBGName.empty());
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(form.S.Cuts.StripOffset, 0);
    EXPECT_EQ(form.BGImage.Picture->GetPixel(320, 240), clWhite);
    // The paint box is back to its default pen.
    Canvas& canvas = form.PaintBox.Picture->GetCanvas();
    EXPECT_EQ(canvas.Pen, (TPen{4, clBlack, TPenStyle::Solid, TPenMode::Copy}));
    EXPECT_EQ(canvas.Brush, (TBrush{clWhite, TBrushStyle::Solid}));
}

struct OpenFileTest : FormTest {
    test::TempDir temp;
    const std::string folder = temp.Folder();
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
        return folder + "/" + name;
    }
};

TEST_F(OpenFileTest, OnlyTheExactExtensionsAreOpened) {
    for (const char* name : {"a.txt", "a.Mrv", "a.Bmp", "a.jpeg", "noextension", "a.mrv.txt"}) {
        host.Messages.clear();
        form.OpenFileByName(Write(name, "x"));
        ASSERT_EQ(host.Messages, std::vector<std::string>{texts::WrongFileFormat}) << name;
    }
    EXPECT_EQ(form.Caption, texts::VersionTitle);
    EXPECT_TRUE(form.S.Shell.DataFileName.empty());
    EXPECT_TRUE(host.Questions.empty());
}

TEST_F(OpenFileTest, NothingIsOpenedWhileWatching) {
    form.S.Shell.Mode = mdWatch;
    form.OpenFileByName(Write("a.znd", "x"));
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::NoLoadWhilePlaying});
    EXPECT_EQ(form.S.Shell.Mode, mdWatch);
    EXPECT_EQ(form.S.Shell.LoadKind, lkAnimation);
}

TEST_F(OpenFileTest, AnAnimationOverExistingWorkIsAskedForAndNoKeepsEverything) {
    form.S.History.ActionLog.AppendEmpty();
    form.S.Figures.FigList.Add(TFigData{});
    host.Answers = {TAnswer::No};
    form.OpenFileByName(Write("a.mrv", "ZINDA FILE FORMAT 1.4\r\n"));
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "本当にデータをよみこみますか？");
    EXPECT_EQ(host.Questions[0].Caption, "確認");
    EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNo);
    EXPECT_EQ(form.S.History.ActionLog.GetCount(), 1);
    EXPECT_EQ(form.S.Figures.FigList.Count(), 1);
    EXPECT_EQ(form.Caption, texts::VersionTitle);
}

TEST_F(OpenFileTest, AnAnimationThatCannotBeOpenedStillNamesTheWindow) {
    const std::string path = folder + "/missing.MRV";
    form.OpenFileByName(path);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::DataLoadFailed});
    EXPECT_EQ(form.Caption, std::string(texts::VersionTitle) + " - " + path);
    EXPECT_EQ(form.S.Shell.DataFileName, path);
    EXPECT_EQ(form.S.Shell.LoadKind, lkAnimation);
    EXPECT_TRUE(host.Questions.empty()); // an empty log needs no question
}

TEST_F(OpenFileTest, OnlyTheFirstDroppedFileIsOpened) {
    form.WMDropFiles({Write("a.txt", "x"), Write("b.znd", "x"), Write("c.mrv", "x")});
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::WrongFileFormat});
    form.WMDropFiles({});
    EXPECT_EQ(host.Messages.size(), 1u);
}

TEST_F(FormTest, ClosingAFreshWindowEndsWithCodeZero) {
    try {
        form.FormCloseQuery();
        FAIL() << "the process should have ended";
    } catch (const TProcessExit& exit) {
        EXPECT_EQ(exit.Code, 0);
    }
}

TEST(TrackBar, APositionSetFromCodeFiresOnceAndOnlyWhenItChanges) {
    TTrackBar bar;
    bar.SetRange(-99, 100);
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    bar.SetPosition(5);
    bar.SetPosition(5);
    EXPECT_EQ(changes, 1);
    bar.SetPosition(500); // clamped to the maximum
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(changes, 2);
    bar.SetRange(0, 50); // the position moves into the new range
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(changes, 3);
}

TEST(TrackBar, AHandlerSeesTheNewPosition) {
    TTrackBar bar;
    bar.SetRange(0, 800);
    std::vector<int> seen;
    bar.OnChange = [&] { seen.push_back(bar.Position()); };
    bar.SetPosition(12);
    bar.SetPosition(0);
    EXPECT_EQ(seen, (std::vector<int>{12, 0}));
}

} // namespace
} // namespace murva
