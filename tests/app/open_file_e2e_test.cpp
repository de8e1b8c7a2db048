// Opening files end to end: read, replay, end copies and the bookkeeping after a load.

#include "form_fixture.h"

#include "app/texts.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace murva {
namespace {

using test::FormTest;

const std::string Data = MURVA_TEST_DATA;

std::vector<TDrawingTool> Tools(const TFigList& list) {
    std::vector<TDrawingTool> tools;
    for (auto* f = list.GetFirst(); f; f = f->Next) tools.push_back(f->Data.DrawingTool);
    return tools;
}

TEST_F(FormTest, AnAnimationFileBringsBackItsPairs) {
    form.OpenFileByName(Data + "/two_pairs.mrv");
    EXPECT_TRUE(host.Messages.empty());
    const TFigList& list = form.S.Figures.FigList;
    EXPECT_EQ(Tools(list), (std::vector<TDrawingTool>{dtRectangle, dtEllipse, dtRectangle, dtEllipse}));
    EXPECT_EQ(list.At(0)->Data.Start, (TPoint{100, 80}));
    EXPECT_EQ(list.At(2)->Data.Start, (TPoint{400, 300})); // the end copy was moved
    EXPECT_EQ(form.S.Figures.LastFigureID, 4);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 2);
    EXPECT_EQ(form.S.Cuts.CutCount, 1);
    EXPECT_EQ(form.S.Shell.CurrentTool, toolMoveFree);
    EXPECT_EQ(form.S.Shell.LoadKind, lkAnimation);
    EXPECT_EQ(form.S.History.ReplayCursor, form.S.History.ActionLog.GetTail());
    EXPECT_EQ(form.Caption, std::string(texts::VersionTitle) + " - " + Data + "/two_pairs.mrv");
    EXPECT_EQ(form.S.Figures.SelectedFig, nullptr);
}

TEST_F(FormTest, ADrawingProcessFileFillsTheFirstPartsSlotWithPairs) {
    form.OpenFileByName(Data + "/three_figures.znd");
    EXPECT_TRUE(host.Messages.empty());
    const TFigList& list = form.S.Figures.FigList;
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(Tools(list), (std::vector<TDrawingTool>{dtLine, dtPolygon, dtStamp, dtLine,
                                                      dtPolygon, dtStamp}));
    for (auto* f = list.GetFirst(); f; f = f->Next) EXPECT_EQ(f->Data.CutNumber, 100);
    EXPECT_EQ(list.At(0)->Data.Rotation, 0);
    EXPECT_EQ(list.At(3)->Data.Rotation, 1); // end copies made on loading
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 3);
    EXPECT_EQ(form.S.Figures.LastFigureID, 6);
    EXPECT_EQ(form.S.Parts.PartsCount, 1);
    EXPECT_EQ(form.S.Shell.LoadKind, lkDrawing);
    EXPECT_EQ(form.Caption, texts::VersionTitle); // a material does not name the window
    // Three Duplicate actions were recorded for the end copies.
    int duplicates = 0;
    for (auto* a = form.S.History.ActionLog.GetFirst(); a; a = a->Next)
        duplicates += a->Data.TargetType == akDuplicate;
    EXPECT_EQ(duplicates, 3);
}

TEST_F(FormTest, ASecondMaterialGoesToTheNextSlotAndKeepsThePairsApart) {
    form.OpenFileByName(Data + "/three_figures.znd");
    form.OpenFileByName(Data + "/three_figures.znd");
    const TFigList& list = form.S.Figures.FigList;
    ASSERT_EQ(list.Count(), 12);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 6);
    EXPECT_EQ(form.S.Parts.PartsCount, 2);
    // Start copies of both materials first, then their end copies in the same order.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list.At(i)->Data.DrawingTool, list.At(i + 6)->Data.DrawingTool) << i;
        EXPECT_EQ(list.At(i)->Data.CutNumber, list.At(i + 6)->Data.CutNumber) << i;
    }
    EXPECT_EQ(list.At(3)->Data.CutNumber, 101);
}

TEST_F(FormTest, ADroppedAnimationIsOpenedLikeOneNamedAtStart) {
    form.WMDropFiles({Data + "/two_pairs.mrv", Data + "/three_figures.znd"});
    EXPECT_EQ(form.S.Figures.FigList.Count(), 4);
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
}

TEST(FormStart, AFileNamedAtStartIsOpenedBeforeTheWindowShows) {
    test::FakeHost host;
    test::RecordingGraphics graphics;
    TZindaForm form(host, graphics);
    form.FormCreate({Data + "/two_pairs.mrv", "ignored.txt"});
    EXPECT_EQ(form.S.Figures.FigList.Count(), 4);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
}

TEST_F(FormTest, AnUnreadableAnimationKeepsWhatWasReadAndStillBooksTheLoad) {
    char pattern[] = "/tmp/murva-bad-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string path = folder + "/bad.mrv";
    std::ofstream(path, std::ios::binary) << "ZINDA FILE FORMAT 9.9\r\n";
    form.OpenFileByName(path);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::WrongDataFormat});
    EXPECT_TRUE(form.S.Figures.FigList.IsEmpty());
    EXPECT_EQ(form.S.Figures.LastFigureID, 0);
    EXPECT_EQ(form.S.Figures.FigureIDHalf, 0);
    std::system(("rm -rf " + folder).c_str());
}

} // namespace
} // namespace murva
