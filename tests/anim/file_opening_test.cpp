// The checks before a file is opened: its extension, the state of the window, the
// question before replacing work, and dropped files.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "support/temp_dir.h"
#include "ui/texts.h"

#include <fstream>

namespace murva {
namespace {

using test::FormTest;

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
    form.S.Shell.Mode = TMode::Watch;
    form.OpenFileByName(Write("a.znd", "x"));
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::NoLoadWhilePlaying});
    EXPECT_EQ(form.S.Shell.Mode, TMode::Watch);
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Animation);
}

TEST_F(OpenFileTest, AnAnimationOverExistingWorkIsAskedForAndNoKeepsEverything) {
    test::History(form.S.Doc).ActionLog.AppendEmpty();
    test::Figures(form.S.Doc).FigList.Add(TFigData{});
    host.Answers = {TAnswer::No};
    form.OpenFileByName(Write("a.mrv", "ZINDA FILE FORMAT 1.4\r\n"));
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "本当にデータをよみこみますか？");
    EXPECT_EQ(host.Questions[0].Caption, "確認");
    EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNo);
    EXPECT_EQ(form.S.Doc.Log().GetCount(), 1);
    EXPECT_EQ(form.S.Doc.FigList().Count(), 1);
    EXPECT_EQ(form.Caption, texts::VersionTitle);
}

TEST_F(OpenFileTest, AnAnimationThatCannotBeOpenedStillNamesTheWindow) {
    const std::string path = folder + "/missing.MRV";
    form.OpenFileByName(path);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::DataLoadFailed});
    EXPECT_EQ(form.Caption, std::string(texts::VersionTitle) + " - " + path);
    EXPECT_EQ(form.S.Shell.DataFileName, path);
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Animation);
    EXPECT_TRUE(host.Questions.empty()); // an empty log needs no question
}

TEST_F(OpenFileTest, OnlyTheFirstDroppedFileIsOpened) {
    form.WMDropFiles({Write("a.txt", "x"), Write("b.znd", "x"), Write("c.mrv", "x")});
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::WrongFileFormat});
    form.WMDropFiles({});
    EXPECT_EQ(host.Messages.size(), 1u);
}

} // namespace
} // namespace murva
