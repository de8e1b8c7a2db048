// Videos and storyboards of the animation, read back as a player or a printer would: the
// pictures of the runs, paced as the window plays them, at the size asked for; nothing left
// behind by a film that was stopped or failed.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/document_access.h"
#include "support/fake_host.h"
#include "support/figure_builders.h"
#include "support/temp_dir.h"
#include "support/video_frames.h"
#include "ui/texts.h"

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace murva::test {
namespace {

const QColor Colours[] = {Qt::red, Qt::green, Qt::blue};

// Alike within what the codec may change of a flat colour.
bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

struct VideoExportTest : ::testing::Test {
    FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    TempDir temp;

    // A filled square moving 200 pixels right in each of three cuts: red, green, blue.
    void SetUp() override {
        form.FormCreate({});
        const TColor colours[] = {clRed, 0x00FF00, 0xFF0000};
        for (std::int32_t cut = 1; cut <= 3; ++cut) {
            TFigData start = MakeRect(100, 100, 140, 140, cut);
            start.BrushColor = colours[cut - 1];
            TFigData end = start;
            end.Offset(200, 0);
            AddPair(Figures(form.S.Doc), start, end);
        }
        form.S.Cuts.CutCount = 3;
    }

    // The field of the cut as the play button shows it at its start or its end, painted
    // by the program at the size.
    QImage Expected(std::int32_t cut, bool end, TVideoSize size) {
        const TDocument& doc = form.S.Doc;
        TView view = TPainter::MakingView(doc, cut);
        view.Watching = true;
        const TFigData* endCopy = &doc.FigList().At(doc.PairCount() + cut - 1)->Data;
        if (end) view.StartCopies = {&endCopy, 1};
        const std::unique_ptr<Bitmap> picture = graphics.CreateBitmap(size.Width, size.Height);
        form.Painter.PaintInto(*picture, doc, view);
        return static_cast<qt::QtBitmap&>(*picture).Image().copy();
    }

    std::vector<std::string> FilesLeft() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp.Folder()))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(VideoExportTest, AVideoIsTheRunPacedAtThirtyPicturesASecondAtTheSizeAskedFor) {
    const struct {
        const char* Name;
        TFilmKind Kind;
        TVideoSize Size;
        const char* Codec;
        int Pictures;
        std::int32_t LastCut;
    } cases[] = {
        // A run of 2 s is 60 pictures; the end is held a second more.
        {"cut.mp4", TFilmKind::Cut, {640, 480}, "h264", 90, 1},
        {"cut.webm", TFilmKind::Cut, {640, 480}, "vp9", 90, 1},
        {"big.mp4", TFilmKind::Cut, {1280, 960}, "h264", 90, 1},
        {"big.webm", TFilmKind::Cut, {1280, 960}, "vp9", 90, 1},
        // Play-all keeps one clock from cut to cut.
        {"all.mp4", TFilmKind::AllCuts, {640, 480}, "h264", 3 * 60 + 30, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = temp.Path(c.Name);
        ASSERT_TRUE(form.Films.ExportVideo(path, c.Kind, c.Size));
        const TVideoFrames video = DecodeVideo(path);
        ASSERT_TRUE(video.Read);
        EXPECT_EQ(video.Codec, c.Codec);
        EXPECT_EQ(video.Width, c.Size.Width);
        EXPECT_EQ(video.Height, c.Size.Height);
        EXPECT_EQ(video.Count, c.Pictures);
        EXPECT_NEAR(video.Seconds, c.Pictures / 30.0, 1 / 30.0);
        if (video.Codec == "h264") {
            // The index comes first, so that a player starts before the whole file is there.
            std::ifstream in(path, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), {});
            EXPECT_LT(bytes.find("moov"), bytes.find("mdat"));
        }
        // The pictures as the renderer paints them at that size, within the codec's loss.
        EXPECT_LT(MeanDifference(video.First, Expected(1, false, c.Size)), 1.5);
        EXPECT_LT(MeanDifference(video.Last, Expected(c.LastCut, true, c.Size)), 1.5);
        // The squares where they start and end.
        const int scale = c.Size.Width / 640;
        EXPECT_TRUE(Near(video.First.pixelColor(120 * scale, 120 * scale), Colours[0]));
        EXPECT_TRUE(Near(video.Last.pixelColor(320 * scale, 120 * scale), Colours[c.LastCut - 1]));
        EXPECT_TRUE(Near(video.Last.pixelColor(120 * scale, 120 * scale), Qt::white));
    }
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(form.S.Shell.Mode, TMode::Draw);
}

TEST_F(VideoExportTest, AStoppedOrFailedVideoLeavesNoFileBehind) {
    // Stopped half-way: no message, no file.
    host.StopAtPicture = 30;
    EXPECT_FALSE(form.Films.ExportVideo(temp.Path("stopped.mp4"), TFilmKind::Cut));
    EXPECT_EQ(host.ProgressDone, 30);
    EXPECT_EQ(host.ProgressTotal, 90);
    EXPECT_FALSE(host.ProgressShown);
    EXPECT_TRUE(host.Messages.empty());
    // Nowhere to write, or no video format named.
    for (const char* name : {"no/such/folder/a.mp4", "a.avi"}) {
        host.Messages.clear();
        EXPECT_FALSE(form.Films.ExportVideo(temp.Path(name), TFilmKind::Cut)) << name;
        ASSERT_EQ(host.Messages.size(), 1u) << name;
        EXPECT_EQ(host.Messages[0].rfind("どうがを つくれませんでした（", 0), 0u)
            << host.Messages[0];
    }
    EXPECT_EQ(FilesLeft(), std::vector<std::string>{});
}

TEST_F(VideoExportTest, AStoryboardPrintsSixCutsToAPageWithTheirStartAndEnd) {
    for (std::int32_t cut = 4; cut <= 7; ++cut)
        AddPair(Figures(form.S.Doc), MakeRect(10, 10, 50, 50, cut), MakeRect(20, 10, 60, 50, cut));
    form.S.Cuts.CutCount = 7;
    const std::string path = temp.Path("board.pdf");
    host.SaveResults = {path};
    form.StoryboardMenuClick();
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::StoryboardWritten});

    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(path)});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           2"));
    QProcess text;
    text.start("pdftotext", {QString::fromStdString(path), "-"});
    ASSERT_TRUE(text.waitForFinished());
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* word : {"カット 1", "カット 6", "カット 7", "2011-06-14", "はじめ", "おわり"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(word))) << word;

    // The first page as an image, 50 pixels to the inch: the red square of cut 1 where
    // it starts in the left picture and where it ends in the right one.
    QProcess image;
    image.start("pdftoppm", {"-r", "50", "-f", "1", "-l", "1", "-png", QString::fromStdString(path),
                             QString::fromStdString(temp.Path("page"))});
    ASSERT_TRUE(image.waitForFinished());
    const QImage page(QString::fromStdString(temp.Path("page-1.png")));
    ASSERT_FALSE(page.isNull());
    const auto at = [&](double mmX, double mmY) {
        return page.pixelColor(int(mmX * 50 / 25.4), int(mmY * 50 / 25.4));
    };
    // A picture is 48 mm wide from 38 mm (start) and 90 mm (end), 36 mm high from 28.5 mm.
    const double y = 28.5 + 36 * 120 / 480.0;
    EXPECT_TRUE(Near(at(38 + 48 * 120 / 640.0, y), Qt::red));
    EXPECT_TRUE(Near(at(90 + 48 * 120 / 640.0, y), Qt::white));
    EXPECT_TRUE(Near(at(90 + 48 * 318 / 640.0, y), Qt::red));
}

} // namespace
} // namespace murva::test
