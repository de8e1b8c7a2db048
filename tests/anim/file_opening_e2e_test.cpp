// Opening files end to end: read, replay, end copies and the bookkeeping after a load.

#include "support/document_access.h"
#include "support/form_fixture.h"
#include "support/material_files.h"

#include "support/temp_dir.h"
#include "ui/texts.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace murva {
namespace {

using test::FormTest;

const std::string Data = MURVA_TEST_DATA;

std::vector<TDrawingTool> Tools(const TFigList& list) {
    std::vector<TDrawingTool> tools;
    for (auto* f = list.GetFirst(); f; f = f->Next)
        tools.push_back(f->Data.DrawingTool);
    return tools;
}

TEST_F(FormTest, AnAnimationFileBringsBackItsPairs) {
    form.OpenFileByName(Data + "/two_pairs.mrv");
    EXPECT_TRUE(host.Messages.empty());
    const TFigList& list = test::Figures(form.S.Doc).FigList;
    EXPECT_EQ(Tools(list),
              (std::vector<TDrawingTool>{TDrawingTool::Rectangle, TDrawingTool::Ellipse,
                                         TDrawingTool::Rectangle, TDrawingTool::Ellipse}));
    EXPECT_EQ(list.At(0)->Data.Start, (TPoint{100, 80}));
    EXPECT_EQ(list.At(2)->Data.Start, (TPoint{400, 300})); // the end copy was moved
    EXPECT_EQ(form.S.Doc.FigureCount(), 4);
    EXPECT_EQ(form.S.Doc.PairCount(), 2);
    EXPECT_EQ(form.S.Cuts.CutCount, 1);
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::MoveFree);
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Animation);
    EXPECT_EQ(form.Caption, std::string(texts::VersionTitle) + " - " + Data + "/two_pairs.mrv");
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
}

TEST_F(FormTest, ADrawingProcessFileFillsTheFirstPartsSlotWithPairs) {
    form.OpenFileByName(Data + "/three_figures.znd");
    EXPECT_TRUE(host.Messages.empty());
    const TFigList& list = test::Figures(form.S.Doc).FigList;
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(Tools(list), (std::vector<TDrawingTool>{TDrawingTool::Line, TDrawingTool::Polygon,
                                                      TDrawingTool::Stamp, TDrawingTool::Line,
                                                      TDrawingTool::Polygon, TDrawingTool::Stamp}));
    for (auto* f = list.GetFirst(); f; f = f->Next)
        EXPECT_EQ(f->Data.CutNumber, 100);
    EXPECT_EQ(list.At(0)->Data.EndCopyMark, 0);
    EXPECT_EQ(list.At(3)->Data.EndCopyMark, 1); // end copies made on loading
    EXPECT_EQ(form.S.Doc.PairCount(), 3);
    EXPECT_EQ(form.S.Doc.FigureCount(), 6);
    EXPECT_EQ(form.S.Parts.PartsCount, 1);
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Drawing);
    EXPECT_EQ(form.Caption, texts::VersionTitle); // a material does not name the window
    // Three Duplicate actions were recorded for the end copies.
    int duplicates = 0;
    for (auto* a = form.S.Doc.Log().GetFirst(); a; a = a->Next)
        duplicates += a->Data.TargetType == TActionKind::Duplicate;
    EXPECT_EQ(duplicates, 3);
}

TEST_F(FormTest, ASecondMaterialGoesToTheNextSlotAndKeepsThePairsApart) {
    form.OpenFileByName(Data + "/three_figures.znd");
    form.OpenFileByName(Data + "/three_figures.znd");
    const TFigList& list = test::Figures(form.S.Doc).FigList;
    ASSERT_EQ(list.Count(), 12);
    EXPECT_EQ(form.S.Doc.PairCount(), 6);
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
    EXPECT_EQ(form.S.Doc.FigList().Count(), 4);
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
}

TEST(FormStart, AFileNamedAtStartIsOpenedBeforeTheWindowShows) {
    test::FakeHost host;
    test::RecordingGraphics graphics;
    TZindaForm form(host, graphics);
    form.FormCreate({Data + "/two_pairs.mrv", "ignored.txt"});
    EXPECT_EQ(form.S.Doc.FigList().Count(), 4);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
}

TEST_F(FormTest, AnUnreadableAnimationStillBooksTheLoadButDoesNotNameTheWindow) {
    test::TempDir temp;
    const std::string path = temp.Path("bad.mrv");
    std::ofstream(path, std::ios::binary) << "ZINDA FILE FORMAT 9.9\r\n";
    form.OpenFileByName(path);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::WrongDataFormat});
    EXPECT_TRUE(form.S.Doc.FigList().IsEmpty());
    EXPECT_EQ(form.S.Doc.FigureCount(), 0);
    EXPECT_EQ(form.S.Doc.PairCount(), 0);
    // Saving over must not replace the unread file with an empty log.
    EXPECT_TRUE(form.S.Shell.DataFileName.empty());
    EXPECT_EQ(form.Caption, texts::VersionTitle);
}

TEST_F(FormTest, AMaterialThatBreaksLeavesNothingBehindThatASaveCouldNotTakeBack) {
    const std::string examples = std::string(MURVA_TEST_DATA) + "/../../examples";
    form.OpenFileByName(examples + "/welcome.mrv");
    ASSERT_TRUE(host.Messages.empty());
    const std::vector<TDrawingTool> figures = Tools(form.S.Doc.FigList());
    const std::int32_t actions = form.S.Doc.Log().GetCount();

    test::TempDir temp;
    std::ifstream in(examples + "/sun.znd", std::ios::binary);
    std::string material(std::istreambuf_iterator<char>(in), {});
    material.replace(material.find("\r\nCreate\r\n"), 10, "\r\nCraete\r\n");
    std::ofstream(temp.Path("broken.znd"), std::ios::binary) << material;
    form.OpenFileByName(temp.Path("broken.znd"));
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::ActionItemReadError});
    EXPECT_EQ(form.S.Doc.Log().GetCount(), actions);

    form.ClearMenuClick();
    host.SaveResults = {temp.Path("saved.mrv")};
    form.WriteDataMenuClick();
    host.Messages.clear();
    form.OpenFileByName(temp.Path("saved.mrv"));
    EXPECT_TRUE(host.Messages.empty()) << host.Messages.front();
    EXPECT_EQ(Tools(form.S.Doc.FigList()), figures);
}

} // namespace
} // namespace murva

namespace murva {
namespace {

struct BackgroundReplayTest : test::FormTest {
    test::TempDir temp;
    const std::string folder = temp.Folder();
    std::string WriteLog(const std::string& name, const std::string& body) {
        const std::string path = folder + "/" + name;
        std::ofstream(path, std::ios::binary) << "ZINDA FILE FORMAT 1.4\r\n" << body;
        return path;
    }
    static std::string BackgroundAction(const std::string& kind, const std::string& file) {
        return "begin ActionData\r\n2026 12 08 10 00 00 00\r\n0\r\n" + kind + "\r\n" +
               (file.empty() ? "" : file + "\r\n") + "end ActionData\r\n";
    }
};

TEST_F(BackgroundReplayTest, AWindowsPathIsFoundByItsBareNameBesideTheFile) {
    std::ofstream(folder + "/bg.bmp") << "BM";
    const std::string path =
        WriteLog("a.mrv", BackgroundAction("ReadBG", "C:\\Users\\hana\\pictures\\bg.bmp"));
    form.OpenFileByName(path);
    EXPECT_TRUE(host.Questions.empty()) << "found: nothing to ask";
    ASSERT_FALSE(graphics.LoadedBmps.empty());
    EXPECT_EQ(graphics.LoadedBmps.back(), folder + "/bg.bmp");
    EXPECT_EQ(form.S.Shell.ShownBGName, "C:\\Users\\hana\\pictures\\bg.bmp");
    EXPECT_EQ(form.S.Doc.Background(), form.S.Shell.ShownBGName);
    // The name read stays in the log, so a save keeps the background.
    EXPECT_EQ(form.S.Doc.Log().GetFirst()->Data.FileName, "C:\\Users\\hana\\pictures\\bg.bmp");
}

TEST_F(BackgroundReplayTest, ABackgroundIsOfferedAnewOverTheBuiltPictureAndShownAtOnce) {
    std::ofstream(folder + "/bg.bmp") << "BM";
    std::int32_t figuresWhenAsked = -1;
    host.OnAsk = [&] { figuresWhenAsked = form.S.Doc.FigList().Count(); };
    host.Answers = {TAnswer::Yes};
    host.OpenResults = {folder + "/bg.bmp"};
    form.OpenFileByName(WriteLog(
        "a.mrv",
        BackgroundAction("ReadBG", "/nowhere/gone.bmp") +
            test::ActionBlock("Create", 2,
                              test::FigureBlock("dtEllipse", {1, 1}, {9, 9}, "clRed", {}, true))));
    EXPECT_EQ(figuresWhenAsked, 1) << "asked over the built picture";
    EXPECT_EQ(form.S.Shell.ShownBGName, folder + "/bg.bmp");
}

TEST_F(BackgroundReplayTest, AClearedBackgroundIsNotLoadedAndNothingIsAsked) {
    std::ofstream(folder + "/bg.bmp") << "BM";
    const std::string path = WriteLog("a.mrv", BackgroundAction("ReadBG", folder + "/bg.bmp") +
                                                   BackgroundAction("CleareBG", ""));
    form.OpenFileByName(path);
    EXPECT_TRUE(host.Questions.empty());
    EXPECT_TRUE(graphics.LoadedBmps.empty());
    EXPECT_TRUE(form.S.Shell.ShownBGName.empty());
}

TEST_F(BackgroundReplayTest, AMissingBackgroundIsSkippedSilentlyAndTheFiguresStillCome) {
    const std::string figures =
        std::string(std::istreambuf_iterator<char>(
                        std::ifstream(Data + "/two_pairs.mrv", std::ios::binary).rdbuf()),
                    {});
    const std::string path =
        WriteLog("a.mrv", BackgroundAction("ReadBG", "/nowhere/gone.bmp") +
                              figures.substr(figures.find("begin ActionData")));
    form.OpenFileByName(path);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.S.Doc.FigList().Count(), 4);
    EXPECT_EQ(form.BGImage.Picture->GetPixel(10, 10), clWhite);
}

} // namespace
} // namespace murva
