// Nothing is lost: unsaved work follows the log into the recovery journal, a clean end
// leaves none, and a start after a crash offers the work back.

#include "files/action_reader.h"
#include "support/drawing_strokes.h"
#include "support/figure_text.h"
#include "support/form_fixture.h"
#include "support/material_files.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

#include <chrono>
#include <csignal>
#include <deque>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace murva {
namespace {

namespace fs = std::filesystem;

// A window whose journal lives in `state`; `recover` answers the question at start-up,
// and No is followed by yes, let it go.
struct TWindow {
    test::FakeHost host;
    test::RecordingGraphics graphics;
    TZindaForm form{host, graphics};
    TWindow(const std::string& state, TAnswer recover = TAnswer::No,
            const std::vector<std::string>& args = {}) {
        host.StateDir = state;
        host.Answers = {recover};
        if (recover == TAnswer::No) host.Answers.push_back(TAnswer::Yes);
        form.FormCreate(args);
        host.Answers.clear();
    }
    bool Asked() const {
        return !host.Questions.empty() && host.Questions[0].Text == texts::RecoverWork;
    }
};

std::vector<std::string> Journals(const std::string& folder) {
    std::vector<std::string> names;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The program ends without a clean exit: its journal stays in `to`, and nobody holds it.
void Crash(TWindow& window, const std::string& to) {
    window.form.JournalTimerTimer();
    fs::create_directories(to);
    fs::copy(window.host.StateDir, to);
}

// A material in the first cut, dragged, and a third figure's size held open.
void Edit(TZindaForm& form, const std::string& material, unsigned commands) {
    form.BeginCommand();
    form.OpenFileByName(material);
    form.BeginCommand();
    form.PartsUseBtnClick(1);
    for (unsigned i = 0; i < commands; ++i) {
        form.BeginCommand();
        const std::int32_t x = 20 + 50 * std::int32_t(i % 3);
        form.PaintBoxMouseDown(x, 20);
        form.PaintBoxMouseMove(x + 3, 24);
        form.PaintBoxMouseUp(x + 3, 24);
    }
}

struct RecoveryTest : ::testing::Test {
    test::TempDir temp;
    const std::string state = temp.Path("state"), left = temp.Path("left");
    const std::string material = test::WriteMaterial(temp, "m.znd", {10, 60, 110});
};

TEST_F(RecoveryTest, UnsavedWorkComesBackWithItsFileAndAHeldSizeChange) {
    TWindow made(state);
    Edit(made.form, material, 4);
    made.form.S.Shell.DataFileName = temp.Path("named.mrv");
    // A polygon's size held open: its change carries the points.
    made.form.BeginCommand();
    made.form.OpenFileByName(test::WriteLog(
        temp, "p.znd",
        test::ActionBlock("Create", 2,
                          test::FigureBlock("dtPolygon", {200, 200}, {260, 260}, "clRed",
                                            {{200, 200}, {260, 200}, {230, 260}}))));
    made.form.BeginCommand();
    made.form.PartsUseBtnClick(1);
    made.form.BeginCommand();
    made.form.PaintBoxMouseDown(230, 210);
    made.form.PaintBoxMouseUp(230, 210);
    made.form.BeginCommand();
    made.form.HTrackBar.SetPosition(40);
    ASSERT_TRUE(made.form.S.Doc.HeldChange());
    Crash(made, left);

    TWindow back(left, TAnswer::Yes);
    EXPECT_TRUE(back.Asked());
    EXPECT_EQ(test::Figures(back.form), test::Figures(made.form));
    EXPECT_EQ(back.form.S.Shell.DataFileName, temp.Path("named.mrv"));
    // The work is in the new program's journal, and the old one is gone.
    EXPECT_EQ(Journals(left).size(), 1u);
}

TEST_F(RecoveryTest, ClosingTheQuestionKeepsTheWorkAndLettingItGoSetsItAside) {
    const struct {
        std::deque<TAnswer> Answers;
        bool SetAside;
    } cases[] = {
        {{TAnswer::Cancel}, false},          // Escape or the close box: ask me next time
        {{TAnswer::No, TAnswer::No}, false}, // not thrown away after all
        {{TAnswer::No, TAnswer::Yes}, true}, // let go: kept aside
    };
    for (const auto& c : cases) {
        fs::remove_all(left);
        TWindow made(state);
        Edit(made.form, material, 1);
        Crash(made, left);
        test::FakeHost host;
        host.StateDir = left;
        host.Answers = c.Answers;
        test::RecordingGraphics graphics;
        TZindaForm refused(host, graphics);
        refused.FormCreate({});
        ASSERT_EQ(host.Questions.size(), c.Answers.size());
        EXPECT_EQ(host.Questions[0].Text, "まえの つづきが あります。つづきから はじめる？");
        EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNoOrClose);
        if (c.Answers.size() > 1) {
            EXPECT_EQ(host.Questions[1].Default, TAnswer::No);
        }
        EXPECT_TRUE(refused.S.Doc.FigList().IsEmpty());
        EXPECT_EQ(refused.SetAsideWorkThere(), c.SetAside);
        EXPECT_EQ(TWindow(left, TAnswer::Cancel).Asked(), !c.SetAside) << "asked again";
    }
}

TEST_F(RecoveryTest, TheFiveNewestWorksSetAsideAreKeptAndTheNewestOpensAgain) {
    std::vector<std::string> made;
    for (unsigned drags = 1; drags <= 7; ++drags) {
        TWindow window(state + std::to_string(drags));
        Edit(window.form, material, drags);
        made.push_back(test::Figures(window.form));
        Crash(window, left);
        EXPECT_TRUE(TWindow(left).Asked());
    }
    EXPECT_EQ(Journals(left), std::vector<std::string>{"set-aside"});
    EXPECT_EQ(Journals(left + "/set-aside").size(), std::size_t(SetAsideKept));
    TWindow reopened(left, TAnswer::Cancel);
    EXPECT_FALSE(reopened.Asked());
    ASSERT_TRUE(reopened.form.SetAsideWorkThere());
    reopened.form.OpenSetAsideWorkClick();
    EXPECT_EQ(test::Figures(reopened.form), made.back());
    EXPECT_EQ(Journals(left + "/set-aside").size(), std::size_t(SetAsideKept - 1));
}

TEST_F(RecoveryTest, ARunningProgramsJournalIsNotOffered) {
    TWindow running(state);
    Edit(running.form, material, 2);
    running.form.JournalTimerTimer();
    // A journal a crash left half written anew goes.
    std::ofstream(state + "/1-2.journal.new") << "MURVA JOURNAL 1";
    EXPECT_FALSE(TWindow(state).Asked());
    EXPECT_EQ(Journals(state).size(), 1u);
}

TEST_F(RecoveryTest, HostileFilesUnderAJournalsNameNeitherHangNorBreakAStart) {
    TWindow made(state);
    Edit(made.form, material, 2);
    Crash(made, left);
    const fs::path journal = fs::directory_iterator(left)->path();
    std::ifstream in(journal, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::size_t nameEnd = bytes.find("\r\n", bytes.find("\r\n") + 2);
    // A pipe named as a journal being written anew, and as a journal.
    ASSERT_EQ(::mkfifo((left + "/9-9.journal.new").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((left + "/8-8.journal").c_str(), 0600), 0);
    // A file name of 20 MB: it is read as far as a log reads a name.
    std::ofstream(journal, std::ios::binary)
        << bytes.substr(0, nameEnd) + std::string(20 << 20, 'a') + bytes.substr(nameEnd);
    {
        TWindow back(left, TAnswer::Yes);
        EXPECT_TRUE(back.Asked());
        EXPECT_EQ(back.form.S.Shell.DataFileName.size(), MaxFileNameBytes);
        EXPECT_EQ(test::Figures(back.form), test::Figures(made.form));
    }
    // A journal larger than the memory should hold is set aside unread.
    const std::string huge = temp.Path("huge");
    fs::create_directories(huge);
    std::ofstream(huge + "/1-1.journal", std::ios::binary) << bytes;
    fs::resize_file(huge + "/1-1.journal", std::uintmax_t(300) << 20);
    EXPECT_FALSE(TWindow(huge).Asked());
    EXPECT_EQ(Journals(huge), std::vector<std::string>{"journal.old"});
}

// Killed in the middle of えをかく, a stroke not yet ended: the drawing comes back on the
// drawing window's canvas, beside the unsaved animation or alone, and then the file named
// still opens; or it is set aside.
TEST_F(RecoveryTest, ADrawingInProgressComesBackOntoTheCanvas) {
    const std::string file = std::string(MURVA_TEST_DATA) + "/two_pairs.mrv";
    for (const bool edited : {false, true})
        for (const TAnswer answer : {TAnswer::Yes, TAnswer::No}) {
            SCOPED_TRACE(edited * 2 + (answer == TAnswer::Yes));
            fs::remove_all(state);
            fs::remove_all(left);
            TWindow made(state);
            if (edited) Edit(made.form, material, 1);
            ASSERT_TRUE(made.form.DrawBtnClick());
            TDrawingBoard& board = made.form.Drawing.Board;
            test::DrawEveryKind(board, 3);
            board.Tool = TBoardTool::FreeLine;
            board.Press({300, 300});
            board.Move({340, 330});
            ASSERT_EQ(board.WorkInProgress().size(), 8u);
            Crash(made, left);

            TWindow back(left, answer, {file});
            EXPECT_TRUE(back.Asked());
            EXPECT_EQ(back.form.DrawingInProgress(), answer == TAnswer::Yes);
            if (answer == TAnswer::No) {
                EXPECT_EQ(Journals(left), std::vector<std::string>{"set-aside"});
                EXPECT_EQ(Journals(left + "/set-aside").size(), edited ? 2u : 1u);
                continue;
            }
            EXPECT_EQ(test::Figures(back.form.Drawing.Board.Figures()),
                      test::Figures(board.WorkInProgress()));
            EXPECT_EQ(test::Figures(back.form) == test::Figures(made.form), edited);
            EXPECT_EQ(back.form.S.Shell.DataFileName.ends_with("two_pairs.mrv"), !edited);
            // Kept by the new program, which ends it with the window.
            EXPECT_EQ(Journals(left).size(), edited ? 2u : 1u);
            back.host.Answers = {TAnswer::Yes};
            back.form.DrawCancelClick();
            back.form.JournalTimerTimer();
            EXPECT_EQ(Journals(left).size(), edited ? 1u : 0u);
        }
}

TEST_F(RecoveryTest, AFileOpenedByARelativeNameComesBackNamedFromTheRoot) {
    const std::string file = std::string(MURVA_TEST_DATA) + "/two_pairs.mrv";
    TWindow made(state);
    made.form.OpenFileByName(fs::relative(file).string());
    Edit(made.form, material, 1);
    const std::string absolute = fs::absolute(file).lexically_normal().string();
    EXPECT_EQ(made.form.S.Shell.DataFileName, absolute);
    Crash(made, left);
    // Started on another file: the work comes back, and the file is said not to be open.
    TWindow back(left, TAnswer::Yes, {temp.Path("house.mrv")});
    EXPECT_EQ(back.form.S.Shell.DataFileName, absolute);
    EXPECT_EQ(back.host.Messages, std::vector<std::string>{"house.mrv は まだ ひらいて いません"});
}

TEST_F(RecoveryTest, AJournalThatCannotBeKeptIsSaidOnceAndTriedAgainQuietly) {
    std::ofstream(state) << "a file where the folder should be";
    TWindow made(state);
    Edit(made.form, material, 1);
    made.form.JournalTimerTimer();
    Edit(made.form, material, 1);
    made.form.JournalTimerTimer();
    EXPECT_EQ(made.host.Messages, std::vector<std::string>{texts::JournalUnkept});
}

TEST_F(RecoveryTest, ATornLastBatchIsLeftOut) {
    TWindow made(state);
    Edit(made.form, material, 3);
    made.form.JournalTimerTimer();
    const std::string flushed = test::Figures(made.form);
    Edit(made.form, material, 2);
    Crash(made, left);
    const fs::path journal = fs::directory_iterator(left)->path();
    // Torn in its middle, or whole but no longer readable.
    for (const bool torn : {true, false}) {
        const std::string folder = temp.Path(torn ? "torn" : "broken");
        fs::create_directories(folder);
        const fs::path copy = folder + "/left.journal";
        fs::copy(journal, copy);
        if (torn) {
            fs::resize_file(copy, fs::file_size(copy) - 40);
        } else {
            std::fstream bytes(copy, std::ios::in | std::ios::out | std::ios::binary);
            bytes.seekp(-60, std::ios::end);
            bytes << "begin ActionData";
        }
        TWindow back(folder, TAnswer::Yes);
        EXPECT_TRUE(back.Asked());
        EXPECT_TRUE(test::Figures(back.form) == flushed);
    }
}

// How each way of going on leaves the journal: work saved or given up leaves none.
TEST_F(RecoveryTest, ACleanEndOrASaveLeavesNoJournal) {
    const struct {
        const char* Name;
        std::function<void(TWindow&)> Then;
        bool JournalLeft;
    } cases[] = {
        {"nothing more", [](TWindow&) {}, true},
        {"saved",
         [this](TWindow& w) {
             w.host.SaveResults = {temp.Path("s.mrv")};
             w.form.WriteDataMenuClick();
         },
         false},
        {"exit, not saved",
         [](TWindow& w) {
             w.host.Answers = {TAnswer::No};
             w.form.ExitMenuClick();
         },
         false},
        {"exit cancelled",
         [](TWindow& w) {
             w.host.Answers = {TAnswer::Cancel};
             w.form.ExitMenuClick();
         },
         true},
        {"ぜんぶけす",
         [](TWindow& w) {
             w.host.Answers = {TAnswer::Yes};
             w.form.ClearAllClick();
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(state);
        TWindow w(state);
        Edit(w.form, material, 1);
        w.form.JournalTimerTimer();
        try {
            c.Then(w);
            w.form.JournalTimerTimer();
        } catch (const TProcessExit&) {
        }
        EXPECT_EQ(Journals(state).size(), c.JournalLeft ? 1u : 0u);
    }
}

// A child process edits and is killed at a random moment: what its last batch held comes
// back, figure for figure.
TEST_F(RecoveryTest, KilledAtRandomMomentsTheLastBatchComesBack) {
    std::mt19937 rng(20261208);
    for (int trial = 0; trial < 20; ++trial) {
        SCOPED_TRACE(trial);
        const std::string folder = state + std::to_string(trial);
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(report[0]);
            TWindow w(folder);
            for (unsigned batch = 0;; ++batch) {
                Edit(w.form, material, 1 + batch % 5);
                w.form.JournalTimerTimer();
                const std::int32_t count = w.form.S.Doc.Log().GetCount();
                if (::write(report[1], &count, sizeof count) != sizeof count) ::_exit(1);
            }
        }
        ::close(report[1]);
        // Killed after its first batch, however busy the machine.
        std::int32_t flushed = 0, count = 0;
        ASSERT_EQ(::read(report[0], &flushed, sizeof flushed), sizeof flushed);
        std::this_thread::sleep_for(std::chrono::milliseconds(rng() % 150));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        while (::read(report[0], &count, sizeof count) == sizeof count)
            flushed = count;
        ::close(report[0]);

        TWindow back(folder, TAnswer::Yes);
        const std::int32_t recovered = back.form.S.Doc.Log().GetCount();
        EXPECT_GE(recovered, flushed);
        // The same edits, up to where the journal ends.
        TWindow again(temp.Path("unused"));
        for (unsigned batch = 0; again.form.S.Doc.Log().GetCount() < recovered; ++batch)
            Edit(again.form, material, 1 + batch % 5);
        EXPECT_EQ(again.form.S.Doc.Log().GetCount(), recovered);
        EXPECT_TRUE(test::Figures(back.form) == test::Figures(again.form));
    }
}

} // namespace
} // namespace murva
