// Saving under a new name and over the current file, reading a file through the window,
// and the background question of a read file.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "support/material_files.h"
#include "support/picture_fixtures.h"

#include "files/action_writer.h"
#include "history/history_fixtures.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace murva {
namespace {

namespace fs = std::filesystem;

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct SaveTest : test::FormTest {
    test::TempDir Temp;
    const std::string Folder = Temp.Folder();

    void SetUp() override {
        test::FormTest::SetUp();
        TFigData rect = test::MakeRect(10, 20, 30, 40);
        test::Append(test::History(form.S.Doc).ActionLog, TActionKind::Create, 1, &rect);
        TFigItem* shown = test::Figures(form.S.Doc).FigList.Add(rect);
        form.S.Doc.Select(shown);
        form.S.Doc.SetLastSelected(shown);
    }
    std::string In(const std::string& name) const { return Folder + "/" + name; }
    std::string Written() const { return WriteActionFile(form.S.Doc.Log()); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

using Names = std::vector<std::string>;

TEST_F(SaveTest, ADrawingIsNamedFromTheAnimationsFolderOrByItsBareName) {
    fs::create_directories(In("sub"));
    fs::create_directories(In("elsewhere"));
    const struct {
        const char* Material;
        const char* Saved;
        const char* Named;
    } cases[] = {{"m.znd", "a.mrv", "m.znd"},
                 {"sub/m.znd", "a.mrv", "sub/m.znd"},
                 {"elsewhere/m.znd", "sub/a.mrv", "m.znd"}};
    for (const auto& c : cases) {
        form.OpenFileByName(test::WriteMaterial(Temp, c.Material, {10}));
        host.SaveResults = {In(c.Saved)};
        host.Answers = {TAnswer::Yes};
        ASSERT_TRUE(form.Files.WriteDataMenuClick());
        const std::string line = "ReadData\r\n" + std::string(c.Named) + "\r\n";
        EXPECT_NE(Contents(In(c.Saved)).rfind(line), std::string::npos) << c.Material;
        EXPECT_EQ(Contents(In(c.Saved)).find(Folder), std::string::npos) << c.Material;
    }
}

TEST_F(SaveTest, AFileWhoseLongTextsWereCutIsSaidSoAndNotSavedOverWithoutAsking) {
    const std::string path = test::WriteLog(
        Temp, "long.mrv",
        test::ActionBlock("Create", 1,
                          "begin FigData\r\ndtText\r\n0\r\n1\r\nclBlack\r\nclWhite\r\n12\r\n"
                          "clBlack\r\n" +
                              std::string(300, 'a') +
                              "\r\n10 10\r\n50 30\r\n1\r\n0\r\nend FigData\r\n"));
    host.Answers = {TAnswer::Yes}; // the work held is replaced
    form.OpenFileByName(path);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::TextsShortened});
    const std::string before = Contents(path);
    for (const TAnswer answer : {TAnswer::No, TAnswer::Yes}) {
        host.Answers = {answer};
        EXPECT_EQ(form.Files.OverWriteDataMenuClick(), answer == TAnswer::Yes);
        EXPECT_EQ(host.Questions.back().Text, texts::SaveOverShortened);
        EXPECT_EQ(Contents(path) == before, answer == TAnswer::No);
    }
}

TEST_F(SaveTest, SaveAsWritesTheLogAndMakesTheFileCurrent) {
    host.SaveResults = {In("work.mrv")};
    const int presents = host.Invalidations;
    form.WriteDataMenuClick();
    ASSERT_EQ(host.SaveDialogs.size(), 1u);
    EXPECT_EQ(host.SaveDialogs[0].Filter, "Murvaファイル(*.mrv)|*.mrv");
    EXPECT_EQ(host.SaveDialogs[0].DefaultExt, "mrv");
    EXPECT_EQ(Contents(In("work.mrv")), Written());
    EXPECT_EQ(form.S.Shell.DataFileName, In("work.mrv"));
    EXPECT_EQ(Shown().Caption, "Murva Ver0.9.2 110614 - " + In("work.mrv"));
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(host.Questions.empty());
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
    EXPECT_EQ(form.S.Doc.LastSelectedFig(), nullptr);
    EXPECT_GT(host.Invalidations, presents);
    EXPECT_EQ(Entries(), Names{"work.mrv"});
    // Dialogs now open beside the current file, suggesting its name; before it, in the
    // host's folder for saved work, suggesting "アニメ1".
    EXPECT_EQ(host.SaveDialogs[0].Folder, "");
    EXPECT_EQ(host.SaveDialogs[0].InitialName, "アニメ1.mrv");
    const std::pair<std::function<void()>, const char*> saves[] = {
        {[&] { form.WriteDataMenuClick(); }, "work.mrv"},
        {[&] { form.Save2JPEGMenuClick(); }, "work.jpg"},
        {[&] { form.Save2GIFMenuClick(); }, "work.gif"},
        {[&] { form.Save2VideoMenuClick(); }, "work.mp4"},
        {[&] { form.StoryboardMenuClick(); }, "work.pdf"},
    };
    for (const auto& [save, suggested] : saves) {
        save();
        EXPECT_EQ(host.SaveDialogs.back().Folder, Folder);
        EXPECT_EQ(host.SaveDialogs.back().InitialName, suggested);
    }
}

TEST_F(SaveTest, ACancelledDialogChangesNothing) {
    host.SaveResults = {std::nullopt};
    form.WriteDataMenuClick();
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.Caption, "Murva Ver0.9.2 110614");
    EXPECT_NE(form.S.Doc.SelectedFig(), nullptr);
}

TEST_F(SaveTest, ARefusedOverwriteLeavesTheFileAndSaysSo) {
    Put(In("old.mrv"), "old work");
    host.SaveResults = {In("old.mrv")};
    host.Answers = {TAnswer::No};
    form.WriteDataMenuClick();
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "すでにあるファイルにうわがきしますか");
    EXPECT_EQ(host.Questions[0].Caption, "確認");
    EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNo);
    EXPECT_EQ(host.Messages, Names{"ファイルほぞんをキャンセルしました"});
    EXPECT_EQ(Contents(In("old.mrv")), "old work");
    EXPECT_EQ(Entries(), Names{"old.mrv"});
    EXPECT_TRUE(form.S.Shell.DataFileName.empty());
}

TEST_F(SaveTest, AnOverwriteKeepsTheOldFileAsItsBackupBesideIt) {
    Put(In("old.mrv"), "old work");
    host.SaveResults = {In("old.mrv")};
    host.Answers = {TAnswer::Yes};
    form.WriteDataMenuClick();
    EXPECT_EQ(Entries(), (Names{"old.bak", "old.mrv"}));
    EXPECT_EQ(Contents(In("old.bak")), "old work");
    EXPECT_EQ(Contents(In("old.mrv")), Written());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.S.Shell.DataFileName, In("old.mrv"));
}

TEST_F(SaveTest, AnExistingBackupIsKeptAndTheFileReplacedWithoutANewOne) {
    Put(In("old.mrv"), "old work");
    Put(In("old.bak"), "older work");
    host.SaveResults = {In("old.mrv")};
    host.Answers = {TAnswer::Yes};
    form.WriteDataMenuClick();
    EXPECT_EQ(Contents(In("old.bak")), "older work");
    EXPECT_EQ(Contents(In("old.mrv")), Written());

    test::History(form.S.Doc).ActionLog.AppendEmpty()->Data.TargetType = TActionKind::ClearBG;
    form.OverWriteDataMenuClick();
    EXPECT_EQ(Contents(In("old.bak")), "older work");
    EXPECT_EQ(Contents(In("old.mrv")), Written());
    EXPECT_EQ(Entries(), (Names{"old.bak", "old.mrv"}));
}

TEST_F(SaveTest, ASaveAsThatCannotWriteTellsAndKeepsTheCurrentFile) {
    form.S.Shell.DataFileName = In("current.mrv");
    host.SaveResults = {In("missing/new.mrv")};
    form.WriteDataMenuClick();
    EXPECT_EQ(host.Messages, Names{"データ保存に失敗しました"});
    EXPECT_EQ(form.S.Shell.DataFileName, In("current.mrv"));
    EXPECT_EQ(form.Caption, "Murva Ver0.9.2 110614 - " + In("current.mrv"));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(SaveTest, OverSaveWithoutACurrentFileIsSaveAs) {
    host.SaveResults = {In("first.mrv")};
    form.OverWriteDataMenuClick();
    EXPECT_EQ(host.SaveDialogs.size(), 1u);
    EXPECT_EQ(Contents(In("first.mrv")), Written());
    EXPECT_EQ(form.S.Shell.DataFileName, In("first.mrv"));
    EXPECT_EQ(Shown().Caption, "Murva Ver0.9.2 110614 - " + In("first.mrv"));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(SaveTest, OverSaveReplacesTheCurrentFileAndKeepsItsBackup) {
    Put(In("a.mrv"), "old work");
    form.S.Shell.DataFileName = In("a.mrv");
    form.OverWriteDataMenuClick();
    EXPECT_TRUE(host.SaveDialogs.empty());
    EXPECT_TRUE(host.Questions.empty());
    EXPECT_EQ(host.Messages, Names{"うわがきほぞんしました"});
    EXPECT_EQ(Contents(In("a.bak")), "old work");
    EXPECT_EQ(Contents(In("a.mrv")), Written());
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
}

TEST_F(SaveTest, AnOverSaveThatCannotWriteTellsAndMakesNoBackup) {
    Put(In("plain"), "a file, not a folder");
    form.S.Shell.DataFileName = In("plain/a.mrv");
    form.OverWriteDataMenuClick();
    EXPECT_EQ(host.Messages, Names{"データ書き出しに失敗しました"});
    EXPECT_EQ(Entries(), Names{"plain"});
}

// Files may grow to a few bytes only while the save runs, as on a full disk.
struct FullDisk {
    rlimit Saved{};
    void (*SavedHandler)(int) = nullptr;
    explicit FullDisk(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        SavedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = Saved;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, SavedHandler);
    }
};

TEST_F(SaveTest, ASaveThatRunsOutOfSpaceLeavesTheOldFileExactlyAsItWas) {
    Put(In("a.mrv"), "old work");
    form.S.Shell.DataFileName = In("a.mrv");
    {
        FullDisk disk(64);
        form.OverWriteDataMenuClick();
    }
    EXPECT_EQ(host.Messages, Names{"データ書き出しに失敗しました"});
    EXPECT_EQ(Contents(In("a.mrv")), "old work");
    EXPECT_EQ(Entries(), Names{"a.mrv"});

    host.Messages.clear();
    host.SaveResults = {In("a.mrv")};
    host.Answers = {TAnswer::Yes};
    {
        FullDisk disk(64);
        form.WriteDataMenuClick();
    }
    EXPECT_EQ(host.Messages, Names{"データ保存に失敗しました"});
    EXPECT_EQ(Contents(In("a.mrv")), "old work");
    EXPECT_EQ(Entries(), Names{"a.mrv"});
}

TEST_F(SaveTest, AHeldSizeChangeIsRecordedBeforeTheFileIsWritten) {
    TFigItem* live = form.S.Doc.SelectedFig();
    THistoryList& log = test::History(form.S.Doc).ActionLog;
    log.Link(log.GetTail(), &live->Data);
    live->Data.End = {60, 70};
    test::History(form.S.Doc).ActionPending = true;
    test::History(form.S.Doc).PendingFigData = &live->Data;
    host.SaveResults = {In("sized.mrv")};
    form.WriteDataMenuClick();
    EXPECT_FALSE(form.S.Doc.HoldsChange());
    const std::string file = Contents(In("sized.mrv"));
    const std::string tail = "Change\r\n1\r\nSize\r\nbegin FigData\r\n0\r\n10 20\r\n60 70\r\n"
                             "end FigData\r\nend ActionData\r\n";
    ASSERT_GE(file.size(), tail.size());
    EXPECT_EQ(file.substr(file.size() - tail.size()), tail);
}

struct ReadTest : test::FormTest {
    int Read(const std::string& text) {
        std::istringstream file(text);
        return form.Files.Read(file, TEndCopies::None) ? 0 : 1;
    }
};

TEST_F(ReadTest, TheReadersMessagesAreShownInOrder) {
    EXPECT_EQ(Read("ZINDA FILE FORMAT 1.4\r\nbegin ActionData\r\n2011 06 14 10 05 33 27\r\n0\r\n"
                   "CleareBG\r\nend ActionData\r\n\r\n"),
              1);
    EXPECT_EQ(host.Messages, (Names{"", "ActionItem：読み込みエラー"}));
    EXPECT_EQ(form.S.Doc.Log().GetCount(), 0) << "a broken file left actions behind";

    host.Messages.clear();
    EXPECT_EQ(Read("\x82\xa0\r\n"), 1);
    EXPECT_EQ(host.Messages, Names{"データフォーマットが違います"});

    host.Messages.clear();
    EXPECT_EQ(Read("ZINDA FILE FORMAT 1.3\r\n\x82\xa0\r\n"), 1);
    EXPECT_EQ(host.Messages, (Names{"あ", "ActionItem：読み込みエラー"}));
}

TEST_F(ReadTest, AReadUsesTheWindowsLoadKindPartsAndPairs) {
    form.S.Shell.LoadKind = TLoadKind::Drawing;
    form.S.Parts.PartsCount = 3;
    test::Figures(form.S.Doc).PairCount = 2;
    ASSERT_EQ(Read("ZINDA FILE FORMAT 1.0\nbegin ActionData\n10 05 33 27\nCreate\n1\n"
                   "begin FigData\ndtLine\n1\nclBlack\nclWhite\n12\nclBlack\n\n0 0\n5 5\n"
                   "end FigData\nend ActionData\n"),
              0);
    const TActionData& read = form.S.Doc.Log().GetTail()->Data;
    EXPECT_EQ(read.TargetID, 5);
    EXPECT_EQ(read.FigData.CutNumber, 103);
    EXPECT_EQ(form.S.Doc.Log().HighestTargetID(), 5);
    EXPECT_EQ(form.S.Reader.FormatVersionLine, "ZINDA FILE FORMAT 1.0");
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Drawing);
    EXPECT_TRUE(host.Messages.empty());
}

struct BackgroundTest : test::FormTest {
    test::TempDir temp;
    // Opens an animation whose background is the picture `name` (made in the temporary
    // folder when `exists`), taken back by a Branch when `takenBack`.
    void Open(const std::string& name, bool exists = true, bool takenBack = false) {
        if (exists) test::WriteJpeg(temp.Path(name), test::SolidImage(8, 8, 0xFF0000));
        test::WriteLog(temp, "a.mrv",
                       test::ActionBlock("ReadBG", -1, temp.Path(name) + "\r\n") +
                           (takenBack ? test::ActionBlock("Branch", 0) : ""));
        form.OpenFileByName(temp.Path("a.mrv"));
    }
    const TActionData& Last() const { return form.S.Doc.Log().GetTail()->Data; }
};

TEST_F(BackgroundTest, NoKeepsTheNameRead) {
    Open("there.jpg");
    EXPECT_TRUE(host.Questions.empty()) << "a picture that is there leaves nothing to decide";
    EXPECT_EQ(form.S.Shell.ShownBGName, temp.Path("there.jpg"));
    form.ResetDocument();
    host.Answers = {TAnswer::No};
    Open("sky.jpg", false);
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "背景データを新しく指定しますか？");
    EXPECT_EQ(host.Questions[0].Caption, "確認");
    EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNo);
    EXPECT_EQ(host.Questions[0].Default, TAnswer::No) << "Enter opens no file box";
    EXPECT_TRUE(host.OpenDialogs.empty());
    EXPECT_EQ(form.S.Doc.Log().GetCount(), 1);
    EXPECT_EQ(Last().FileName, temp.Path("sky.jpg"));
}

TEST_F(BackgroundTest, YesOffersTheDialogAtTheBareNameAndRecordsThePictureChosen) {
    test::WriteJpeg(temp.Path("new.jpg"), test::SolidImage(8, 8, 0x0000FF));
    host.Answers = {TAnswer::Yes};
    host.OpenResults = {temp.Path("new.jpg")};
    Open("sky.JPG", false);
    ASSERT_EQ(host.OpenDialogs.size(), 1u);
    EXPECT_EQ(host.OpenDialogs[0].Filter,
              "JPEGファイル（*.jpg）|*.jpg|ビットマップ（*.bmp）|*.bmp");
    EXPECT_EQ(host.OpenDialogs[0].FilterIndex, 1);
    EXPECT_EQ(host.OpenDialogs[0].InitialName, "sky.JPG");
    // The file's own action stays as it was read; the choice is a ReadBG of its own.
    ASSERT_EQ(form.S.Doc.Log().GetCount(), 2);
    EXPECT_EQ(form.S.Doc.Log().GetFirst()->Data.FileName, temp.Path("sky.JPG"));
    EXPECT_EQ(Last().TargetType, TActionKind::ReadBG);
    EXPECT_EQ(Last().FileName, temp.Path("new.jpg"));
    EXPECT_EQ(form.S.Shell.ShownBGName, temp.Path("new.jpg"));
}

TEST_F(BackgroundTest, NothingIsAskedForABackgroundThePictureDoesNotShow) {
    const auto asked = [this] {
        return std::ranges::count_if(
            host.Questions, [](const auto& q) { return q.Text == texts::RespecifyBackground; });
    };
    Open("sky.jpg", true, true); // a Branch took it back
    EXPECT_EQ(asked(), 0);
    host.Answers = {TAnswer::Yes, TAnswer::No}; // replace the work; keep the name
    Open("gone.bmp", false);                    // missing, but the picture names it
    EXPECT_EQ(asked(), 1);
    host.Answers = {TAnswer::Yes, TAnswer::Yes};
    host.OpenResults = {std::nullopt};
    Open("room.bmp", false);
    ASSERT_EQ(host.OpenDialogs.size(), 1u);
    EXPECT_EQ(host.OpenDialogs[0].FilterIndex, 2);
    EXPECT_EQ(Last().FileName, temp.Path("room.bmp")); // nothing chosen, nothing recorded
}

} // namespace
} // namespace murva
