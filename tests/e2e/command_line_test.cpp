// The program run from the command line without a window: exit codes, standard error
// and the files it writes.

#include "files/jpeg_codec.h"
#include "support/gif_frames.h"
#include "support/material_files.h"
#include "support/picture_fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

#include <QImage>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string Exe = MURVA_EXE;
const std::string Data = MURVA_TEST_DATA;

struct Outcome {
    int Code = -1;
    std::string Err;
};

// Runs murva with the arguments (each quoted) and no display, in the folder `cwd` if given,
// after the shell commands `before` (limits, say).
Outcome Murva(const std::string& args, const std::string& cwd = {},
              const std::string& before = {}) {
    const std::string errFile = "/tmp/murva-cli-stderr-" + std::to_string(getpid());
    const std::string command = before + (cwd.empty() ? "" : "cd '" + cwd + "' && ") +
                                "env -u DISPLAY '" + Exe + "' " + args + " >/dev/null 2>" + errFile;
    Outcome run;
    const int status = std::system(command.c_str());
    run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    std::stringstream text;
    text << in.rdbuf();
    run.Err = text.str();
    std::remove(errFile.c_str());
    return run;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct CommandLineTest : ::testing::Test {
    murva::test::TempDir temp;
    const std::string folder = temp.Folder();
};

TEST_F(CommandLineTest, HelpPrintsTheUsageAndSucceeds) {
    EXPECT_EQ(Murva("--help").Code, 0);
    const std::string out = folder + "/help.txt";
    std::system(("'" + Exe + "' --help > " + out).c_str());
    EXPECT_NE(ReadFile(out).find("--export-jpeg"), std::string::npos);
}

TEST_F(CommandLineTest, SaveAsWritesTheSameFileTheSaveCommandWould) {
    const std::string out = folder + "/copy.mrv";
    Outcome run = Murva("--save-as '" + out + "' '" + Data + "/format_example.mrv'");
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(ReadFile(out), ReadFile(Data + "/format_example.mrv"));
}

TEST_F(CommandLineTest, ExportWritesThePictureOfTheCut) {
    const std::string out = folder + "/cut.jpg";
    Outcome run = Murva("--export-jpeg '" + out + "' --cut 1 '" + Data + "/two_pairs.mrv'");
    ASSERT_EQ(run.Code, 0) << run.Err;
    QImage picture(QString::fromStdString(out));
    ASSERT_EQ(picture.size(), QSize(640, 480));
    // Inside the red end copy of the rectangle, moved to (400, 300)-(520, 380).
    const QColor inside = picture.pixelColor(460, 340);
    EXPECT_GT(inside.red(), 200);
    EXPECT_LT(inside.green(), 60);
}

TEST_F(CommandLineTest, AMaterialSavedAndSavedAgainStaysTheSameFile) {
    std::string from = Data + "/../../examples/cat.znd";
    for (const char* name : {"a.mrv", "b.mrv", "c.mrv"}) {
        const std::string to = folder + "/" + name;
        ASSERT_EQ(Murva("--save-as '" + to + "' '" + from + "'").Code, 0) << name;
        from = to;
    }
    EXPECT_EQ(ReadFile(folder + "/a.mrv"), ReadFile(folder + "/b.mrv"));
    EXPECT_EQ(ReadFile(folder + "/b.mrv"), ReadFile(folder + "/c.mrv"));
}

TEST_F(CommandLineTest, EveryRequestThatCannotBeDoneSaysSoWithItsCode) {
    const std::string in = "'" + Data + "/two_pairs.mrv'", out = "'" + folder + "/o.jpg'";
    const std::string mrv = "'" + folder + "/o.mrv'", gif = "'" + folder + "/o.gif'";
    const std::string mp4 = "'" + folder + "/o.mp4'";
    std::filesystem::create_directory(folder + "/d.mrv");
    std::ofstream(folder + "/bad.jpg") << "not a picture";
    auto withBackground = [this](const std::string& name, const std::string& picture) {
        return "'" +
               murva::test::WriteLog(
                   temp, name,
                   murva::test::ActionBlock("ReadBG", -1, picture + "\r\n") +
                       murva::test::ActionBlock("Create", 1,
                                                murva::test::FigureBlock("dtRectangle", {10, 10},
                                                                         {50, 50}, "clRed", {},
                                                                         true))) +
               "'";
    };
    const std::string missingBG = withBackground("m.mrv", folder + "/nowhere.jpg");
    const std::string badBG = withBackground("b.mrv", folder + "/bad.jpg");
    const std::tuple<std::string, int, const char*> cases[] = {
        {"--save-as " + mrv + " '" + folder + "/d.mrv'", 1, "データ読み込みに失敗しました"},
        {"--lang en --save-as " + mrv + " '" + folder + "/d.mrv'", 1,
         "Murva could not read the data"},
        {"--save-as " + mrv + " '" + folder + "/d.mrv' --lang hira", 1,
         "データの よみこみに しっぱい"},
        {"--lang xx " + in, 2, "--lang takes ja, hira or en"},
        {"--save-as " + mrv + " --lang", 2, "--lang takes ja, hira or en"},
        {in + " --save-as " + mrv, 0, ""}, // options after the file
        {"--export-jpeg " + out + " --cut 99999 " + in, 1, "cut 99999 does not exist"},
        {"--export-gif " + gif + " --cut 2 " + in, 1, "cut 2 does not exist"},
        {"--export-jpeg " + out + " --step 99999 " + in, 1, "step 99999 does not exist"},
        {"--export-gif " + gif + " --all --cut 1 " + in, 2, "contradict"},
        {"--export-gif " + gif + " --save-as " + mrv + " " + in, 2, "give one of"},
        {"--save-as " + out + " " + in, 2, "must end in .mrv"},
        {"--save-as '" + folder + "/o.znd' " + in, 2, "must end in .mrv"},
        {"--export-gif " + gif + " '" + Data + "/three_figures.znd'", 1, "nothing to film"},
        {"--save-as " + mrv + " " + missingBG, 0, "warning: the background"},
        {"--export-jpeg " + out + " " + missingBG, 1, "nowhere.jpg' is missing or cannot be read"},
        {"--save-as " + mrv + " " + badBG, 0, "warning: the background"},
        {"--export-gif " + gif + " " + badBG, 1, "bad.jpg' is missing or cannot be read"},
        {"--export-video " + out + " " + in, 2, "must end in .mp4 or .webm"},
        {"--export-storyboard " + out + " " + in, 2, "must end in .pdf"},
        {"--export-video " + mp4 + " --size 640x400 " + in, 2, "--size takes"},
        {"--export-video " + mp4 + " --size 641x481 " + in, 2, "--size takes"},
        {"--export-gif " + gif + " --size 1280x960 " + in, 2, "--size is for --export-video"},
        {"--export-storyboard '" + folder + "/o.pdf' --all " + in, 2, "--all is for"},
        {"--export-video " + mp4 + " --cut 2 " + in, 1, "cut 2 does not exist"},
        {"--export-video '" + folder + "/no/o.mp4' " + in, 1, "どうがを つくれませんでした（"},
        {"--export-storyboard '" + folder + "/no/o.pdf' " + in, 1, "画像を書き出せませんでした"},
    };
    for (const auto& [args, code, message] : cases) {
        const Outcome run = Murva(args);
        EXPECT_EQ(run.Code, code) << args << "\n" << run.Err;
        EXPECT_NE(run.Err.find(message), std::string::npos) << args << "\n" << run.Err;
        if (*message == '\0') {
            EXPECT_EQ(run.Err, "") << "only the program's own messages";
        }
    }
}

TEST_F(CommandLineTest, AStepExportsThePictureThePlayBarShowsThere) {
    // The rectangle's start copy, at (100, 80)-(220, 160), moves to (400, 300)-(520, 380).
    const std::string out = folder + "/half.jpg";
    for (const auto& [step, inside, left] :
         {std::tuple{"0", QPoint(160, 120), QPoint(460, 340)},
          std::tuple{"400", QPoint(260, 200), QPoint(160, 120)}}) {
        Outcome run =
            Murva("--export-jpeg '" + out + "' --step " + step + " '" + Data + "/two_pairs.mrv'");
        ASSERT_EQ(run.Code, 0) << run.Err;
        const QImage picture(QString::fromStdString(out));
        EXPECT_GT(picture.pixelColor(inside).red(), 200) << "step " << step;
        EXPECT_LT(picture.pixelColor(inside).green(), 60) << "step " << step;
        EXPECT_GT(picture.pixelColor(left).green(), 240) << "only start copies are shown";
    }
    EXPECT_EQ(Murva("--export-jpeg '" + out + "' --step -3 '" + Data + "/two_pairs.mrv'").Code, 1);
}

TEST_F(CommandLineTest, TheGifExportFilmsTheCutOrEveryCut) {
    const std::string out = folder + "/film.gif";
    Outcome one = Murva("--export-gif '" + out + "' '" + Data + "/two_pairs.mrv'");
    ASSERT_EQ(one.Code, 0) << one.Err;
    const QImage first(QString::fromStdString(out));
    ASSERT_EQ(first.size(), QSize(640, 480));
    EXPECT_GT(first.pixelColor(160, 120).red(), 200) << "the first picture is the start";

    Outcome all = Murva("--export-gif '" + out + "' --all '" + Data + "/two_pairs.mrv'");
    EXPECT_EQ(all.Code, 0) << all.Err;
    // Written beside a folder that is not there: a message, and 1.
    Outcome nowhere =
        Murva("--export-gif '" + folder + "/no/such/film.gif' '" + Data + "/two_pairs.mrv'");
    EXPECT_EQ(nowhere.Code, 1);
    EXPECT_NE(nowhere.Err.find("画像を書き出せませんでした"), std::string::npos);
    EXPECT_EQ(Murva("--export-gif '" + out + "' --step 3 '" + Data + "/two_pairs.mrv'").Code, 2);
}

TEST_F(CommandLineTest, AVideoOrStoryboardThatDoesNotFitOnTheDiskLeavesNoFile) {
    const std::string in = "'" + Data + "/../../examples/welcome.mrv'";
    for (const char* name : {"film.mp4", "film.webm", "board.pdf"}) {
        const std::string option = name[0] == 'b' ? "--export-storyboard" : "--export-video";
        const std::string out = "'" + folder + "/" + name + "' ";
        EXPECT_EQ(Murva(option + " " + out + in).Code, 0) << name;
        std::filesystem::remove(folder + "/" + name);
        // A disk that holds 16 blocks: writes beyond fail, as on a full disk.
        const Outcome full = Murva(option + " " + out + in, {}, "trap '' XFSZ; ulimit -f 16; ");
        EXPECT_EQ(full.Code, 1) << name << "\n" << full.Err;
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << name;
    }
    // How the animation was made, as a video.
    EXPECT_EQ(Murva("--export-video '" + folder + "/making.mp4' --making " + in).Code, 0);
}

TEST_F(CommandLineTest, TheMakingIsFilmedFromAnEmptyFieldToThePresentPicture) {
    const std::string out = folder + "/making.gif";
    Outcome run = Murva("--export-gif '" + out + "' '" + Data + "/two_pairs.mrv' --making");
    ASSERT_EQ(run.Code, 0) << run.Err;
    const murva::test::TGifMovie movie = murva::test::DecodeGif(out);
    ASSERT_TRUE(movie.Read);
    ASSERT_GE(movie.Pictures.size(), 2u);
    for (std::uint32_t pixel : movie.Pictures.front())
        ASSERT_EQ(pixel, 0xFFFFFFu) << "the first picture is the empty field";
    // As making shows cut 1: the rectangle's start copy and its end copy.
    for (const auto& [x, y] : {std::pair{160, 120}, std::pair{460, 340}}) {
        const std::uint32_t pixel = movie.At(movie.Pictures.size() - 1, x, y);
        EXPECT_GT(pixel >> 16, 200u) << x;
        EXPECT_LT(pixel >> 8 & 0xFF, 60u) << x;
    }
    for (const char* other : {"--all", "--cut 1"})
        EXPECT_EQ(
            Murva("--export-gif '" + out + "' --making " + other + " '" + Data + "/two_pairs.mrv'")
                .Code,
            2)
            << other;
}

TEST_F(CommandLineTest, BadInputFailsWithAMessageOnStandardError) {
    Outcome missing = Murva("--save-as '" + folder + "/x.mrv' '" + folder + "/missing.mrv'");
    EXPECT_EQ(missing.Code, 1);
    EXPECT_NE(missing.Err.find("データ読み込みに失敗しました"), std::string::npos);

    Outcome wrongKind = Murva("--export-jpeg '" + folder + "/x.jpg' notes.txt");
    EXPECT_EQ(wrongKind.Code, 1);
    EXPECT_NE(wrongKind.Err.find("ファイルけいしきがちがいます"), std::string::npos);

    std::ofstream(folder + "/bad.mrv") << "not an animation\n";
    Outcome bad = Murva("--save-as '" + folder + "/y.mrv' '" + folder + "/bad.mrv'");
    EXPECT_EQ(bad.Code, 1);
    EXPECT_NE(bad.Err.find("データフォーマットが違います"), std::string::npos);
    EXPECT_NE(access((folder + "/y.mrv").c_str(), F_OK), 0);

    Outcome noCut =
        Murva("--export-jpeg '" + folder + "/x.jpg' --cut zero '" + Data + "/two_pairs.mrv'");
    EXPECT_EQ(noCut.Code, 1);
    EXPECT_FALSE(noCut.Err.empty());
    EXPECT_EQ(Murva("--save-as").Code, 1);
}

TEST_F(CommandLineTest, AMissingOrUnreadablePictureFailsAndAnUnknownOptionShowsTheUsage) {
    mkdir((folder + "/x.jpg").c_str(), 0755);
    for (const std::string& input :
         {folder + "/missing.jpg", folder + "/missing.bmp", folder + "/x.jpg"}) {
        Outcome exported = Murva("--export-jpeg '" + folder + "/o.jpg' '" + input + "'");
        EXPECT_EQ(exported.Code, 1) << input;
        EXPECT_NE(exported.Err.find("画像を読み込めませんでした"), std::string::npos) << input;
        EXPECT_EQ(Murva("--save-as '" + folder + "/o.mrv' '" + input + "'").Code, 1) << input;
    }
    EXPECT_NE(access((folder + "/o.jpg").c_str(), F_OK), 0);
    EXPECT_NE(access((folder + "/o.mrv").c_str(), F_OK), 0);

    for (const char* args : {"--bogus x", "--save-as o.mrv --bogus x", "x.mrv --frobnicate"}) {
        Outcome unknown = Murva(args);
        EXPECT_EQ(unknown.Code, 2) << args;
        EXPECT_NE(unknown.Err.find("usage"), std::string::npos) << args;
    }
    for (const char* args : {"x.mrv --help", "--save-as o.mrv x.mrv -h"}) {
        Outcome help = Murva(args);
        // Without a display the window could not open: the usage was written instead.
        EXPECT_EQ(help.Code, 0) << args;
        EXPECT_EQ(help.Err, "") << args;
    }
}

TEST_F(CommandLineTest, ABackgroundBesideTheAnimationWinsOverOneOfItsNameInTheWorkingFolder) {
    std::filesystem::create_directory(folder + "/proj");
    murva::test::WriteJpeg(folder + "/proj/bg.jpg", murva::test::SolidImage(640, 480, 0x0000FF));
    murva::test::WriteJpeg(folder + "/bg.jpg", murva::test::SolidImage(640, 480, 0xFF0000));
    std::ofstream(folder + "/proj/a.mrv", std::ios::binary)
        << "ZINDA FILE FORMAT 1.4\r\n" + murva::test::ActionBlock("ReadBG", -1, "bg.jpg\r\n");
    ASSERT_EQ(Murva("--export-jpeg out.jpg proj/a.mrv", folder).Code, 0);
    const auto picture = murva::DecodeJpegFile(folder + "/out.jpg", 640, 480);
    ASSERT_TRUE(picture);
    EXPECT_GT(picture->Pixels[0], 200) << "red, from beside the animation";
    EXPECT_LT(picture->Pixels[2], 60);
}

TEST_F(CommandLineTest, AnExportThatCannotBeWrittenFails) {
    Outcome run =
        Murva("--export-jpeg '" + folder + "/no/such/x.jpg' '" + Data + "/two_pairs.mrv'");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("画像を書き出せませんでした"), std::string::npos);
}

} // namespace
