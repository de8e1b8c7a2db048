// Background pictures and the JPEG export, driven through the form's handlers.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "history/history_fixtures.h"
#include "support/picture_fixtures.h"
#include "ui/texts.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace murva {
namespace {

using test::Near;
using test::SolidImage;
using test::TempDir;

constexpr TColor Red = RGBColor(230, 20, 20);
constexpr TColor Green = RGBColor(20, 200, 40);
constexpr TColor Blue = RGBColor(20, 30, 220);

std::vector<TColor> PixelsOf(const Bitmap& bitmap) {
    std::vector<TColor> pixels;
    for (std::int32_t y = 0; y < bitmap.Height(); ++y)
        for (std::int32_t x = 0; x < bitmap.Width(); ++x)
            pixels.push_back(bitmap.GetPixel(x, y));
    return pixels;
}

struct ImagesTest : test::FormTest {
    TempDir dir;
    Bitmap& Background() { return *form.BGImage.Picture; }
    std::string Jpeg(const std::string& name, const TRgbImage& image) {
        test::WriteJpeg(dir.Path(name), image);
        return dir.Path(name);
    }
    void ChooseToOpen(const std::string& path) { host.OpenResults.push_back(path); }
    void ChooseToSave(const std::string& path) { host.SaveResults.push_back(path); }
};

// --- Loading ---

TEST_F(ImagesTest, AMissingPictureReturnsOneAndChangesNothing) {
    const auto before = PixelsOf(Background());
    EXPECT_EQ(form.Pictures.LoadBackground(dir.Path("nothing.jpg")), TPictureLoad::Missing);
    EXPECT_EQ(form.Pictures.LoadBackground(dir.Path("nothing.bmp")), TPictureLoad::Missing);
    EXPECT_EQ(PixelsOf(Background()), before);
    EXPECT_TRUE(graphics.LoadedBmps.empty());
    EXPECT_TRUE(host.Messages.empty());

    ChooseToOpen(dir.Path("nothing.jpg"));
    form.ReadBGMenuClick();
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Animation);
}

TEST_F(ImagesTest, AHalfSizeJpegAfterAResetFillsTheTopLeftQuarterAndLeavesTheRestWhite) {
    // Left half red, right half green, so a shifted or mirrored picture shows.
    const auto picture = test::MakeImage(
        320, 240, [](std::int32_t x, std::int32_t) { return x < 160 ? Red : Green; });
    EXPECT_EQ(form.Pictures.LoadBackground(Jpeg("quarter.jpg", picture)), TPictureLoad::Loaded);
    EXPECT_TRUE(host.Messages.empty());
    Bitmap& bg = Background();
    EXPECT_EQ(bg.Width(), 640);
    EXPECT_EQ(bg.Height(), 480);
    for (auto [x, y] : {std::pair{0, 0}, {150, 120}, {0, 239}})
        EXPECT_TRUE(Near(bg.GetPixel(x, y), Red, 16)) << x << "," << y;
    for (auto [x, y] : {std::pair{170, 0}, {319, 239}, {300, 10}})
        EXPECT_TRUE(Near(bg.GetPixel(x, y), Green, 16)) << x << "," << y;
    for (auto [x, y] : {std::pair{320, 0}, {0, 240}, {320, 240}, {639, 479}, {500, 100}})
        EXPECT_EQ(bg.GetPixel(x, y), clWhite) << x << "," << y;
}

TEST_F(ImagesTest, ALargerJpegIsCutAtTheRightAndBottom) {
    // Red then blue inside the field, black beyond it: scaled down, the red would end
    // at x = 256 and the black begin at x = 512.
    const auto picture = test::MakeImage(800, 600, [](std::int32_t x, std::int32_t y) {
        if (x >= 640 || y >= 480) return clBlack;
        return x < 320 ? Red : Blue;
    });
    EXPECT_EQ(form.Pictures.LoadBackground(Jpeg("large.jpg", picture)), TPictureLoad::Loaded);
    EXPECT_EQ(Background().Width(), 640);
    EXPECT_EQ(Background().Height(), 480);
    for (auto [x, y] : {std::pair{0, 0}, {300, 10}, {10, 470}})
        EXPECT_TRUE(Near(Background().GetPixel(x, y), Red, 16)) << x << "," << y;
    for (auto [x, y] : {std::pair{340, 10}, {600, 10}, {630, 470}})
        EXPECT_TRUE(Near(Background().GetPixel(x, y), Blue, 16)) << x << "," << y;
}

TEST_F(ImagesTest, ASmallerJpegLeavesTheEarlierBackgroundAroundIt) {
    ASSERT_EQ(form.Pictures.LoadBackground(Jpeg("red.jpg", SolidImage(640, 480, Red))),
              TPictureLoad::Loaded);
    ASSERT_EQ(form.Pictures.LoadBackground(Jpeg("blue.jpg", SolidImage(96, 64, Blue))),
              TPictureLoad::Loaded);
    EXPECT_TRUE(Near(Background().GetPixel(10, 10), Blue, 16));
    EXPECT_TRUE(Near(Background().GetPixel(95, 63), Blue, 16));
    EXPECT_TRUE(Near(Background().GetPixel(96, 10), Red, 16));
    EXPECT_TRUE(Near(Background().GetPixel(10, 64), Red, 16));
    EXPECT_TRUE(Near(Background().GetPixel(600, 400), Red, 16));
}

TEST_F(ImagesTest, ABmpIsLoadedIntoAScratchPictureAndCopiedOverTheWholeField) {
    for (const char* name : {"a.bmp", "b.BMP"}) {
        test::WriteBytes(dir.Path(name), test::BmpBytes(8, 8, [](auto, auto) { return Red; }));
        auto& calls = static_cast<test::RecordingBitmap&>(Background()).canvas.Calls;
        calls.clear();
        EXPECT_EQ(form.Pictures.LoadBackground(dir.Path(name)), TPictureLoad::Loaded) << name;
        ASSERT_FALSE(graphics.LoadedBmps.empty());
        EXPECT_EQ(graphics.LoadedBmps.back(), dir.Path(name));
        ASSERT_EQ(calls.size(), 1u) << name;
        EXPECT_EQ(calls[0].rfind("CopyRect 0,0,640,480 from bitmap", 0), 0u) << calls[0];
        EXPECT_NE(calls[0].find(" 0,0,640,480"), std::string::npos) << calls[0];
    }
}

TEST_F(ImagesTest, OtherExtensionsLoadNothingButTheMenuStillRecordsThePicture) {
    // Readable JPEG data, but the names are not ".jpg" or ".JPG".
    for (const char* name : {"photo.jpeg", "photo.Jpg", "photo.png", "photo"}) {
        const std::string path = Jpeg(name, SolidImage(64, 64, Blue));
        const auto before = PixelsOf(Background());
        const std::int32_t actions = form.S.Doc.Log().GetCount();
        ChooseToOpen(path);
        form.ReadBGMenuClick();
        EXPECT_EQ(PixelsOf(Background()), before) << name;
        ASSERT_EQ(form.S.Doc.Log().GetCount(), actions + 1) << name;
        EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.TargetType, TActionKind::ReadBG);
        EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.FileName, path);
    }
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ImagesTest, TheMenuOffersJpegFirstAndRecordsTheChosenPicture) {
    const std::string path = Jpeg("bg.jpg", SolidImage(64, 64, Blue));
    const int presents = host.Invalidations;
    ChooseToOpen(path);
    form.ReadBGMenuClick();
    ASSERT_EQ(host.OpenDialogs.size(), 1u);
    EXPECT_EQ(host.OpenDialogs[0].Filter, texts::BGFilter);
    EXPECT_EQ(host.OpenDialogs[0].FilterIndex, 1);
    EXPECT_EQ(host.OpenDialogs[0].DefaultExt, "");
    ASSERT_EQ(form.S.Doc.Log().GetCount(), 1);
    const TActionData& action = form.S.Doc.Log().GetTail()->Data;
    EXPECT_EQ(action.TargetType, TActionKind::ReadBG);
    EXPECT_EQ(action.FileName, path);
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Image);
    EXPECT_GT(host.Invalidations, presents);
    EXPECT_TRUE(Near(Background().GetPixel(5, 5), Blue, 16));
    EXPECT_EQ(form.S.Shell.ShownBGName, path);
    EXPECT_EQ(form.S.Doc.Background(), path);
}

TEST_F(ImagesTest, CancellingTheOpenDialogDoesNothing) {
    form.ReadBGMenuClick();
    EXPECT_EQ(host.OpenDialogs.size(), 1u);
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
    EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Animation);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ImagesTest, AnUndecodableJpegShowsTheMessageAndChangesNothing) {
    ASSERT_EQ(form.Pictures.LoadBackground(Jpeg("first.jpg", SolidImage(640, 480, Red))),
              TPictureLoad::Loaded);
    const std::string good = test::JpegBytes(SolidImage(640, 480, Blue));
    const std::map<std::string, std::string> files = {
        {"corrupt.jpg", std::string(2000, '\x55')},
        {"truncated.jpg", good.substr(0, good.size() / 2)},
        {"EMPTY.JPG", ""},
    };
    for (const auto& [name, bytes] : files) {
        test::WriteBytes(dir.Path(name), bytes);
        const auto before = PixelsOf(Background());
        host.Messages.clear();
        EXPECT_EQ(form.Pictures.LoadBackground(dir.Path(name)), TPictureLoad::Unreadable) << name;
        EXPECT_EQ(host.Messages, std::vector<std::string>{texts::PictureUnreadable}) << name;

        host.Messages.clear();
        ChooseToOpen(dir.Path(name));
        form.ReadBGMenuClick();
        EXPECT_EQ(host.Messages, std::vector<std::string>{texts::PictureUnreadable}) << name;
        EXPECT_TRUE(form.S.Doc.Log().IsEmpty()) << name;
        EXPECT_EQ(form.S.Shell.LoadKind, TLoadKind::Animation) << name;
        EXPECT_EQ(PixelsOf(Background()), before) << name;
    }
}

// --- Export ---

struct ExportTest : ImagesTest {
    // A picture in the field: red at the left, blue at the right.
    void PaintField() {
        for (std::int32_t y = 0; y < 480; ++y)
            for (std::int32_t x = 0; x < 640; ++x)
                form.CanvasBitmap->SetPixel(x, y, x < 320 ? Red : Blue);
    }
    std::optional<TRgbImage> Written(const std::string& path) { return DecodeJpegFile(path); }
    static TColor At(const TRgbImage& image, std::int32_t x, std::int32_t y) {
        const std::uint8_t* p = image.At(x, y);
        return RGBColor(p[0], p[1], p[2]);
    }
};

TEST_F(ExportTest, TheFieldIsWrittenAsAJpegThatDecodesBackCloseToIt) {
    PaintField();
    ChooseToSave(dir.Path("pic.jpg"));
    form.Save2JPEGMenuClick();
    ASSERT_EQ(host.SaveDialogs.size(), 1u);
    EXPECT_EQ(host.SaveDialogs[0].Filter, texts::JPEGSaveFilter);
    EXPECT_EQ(host.SaveDialogs[0].DefaultExt, "jpg");
    EXPECT_TRUE(host.Messages.empty());
    const auto image = Written(dir.Path("pic.jpg"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width, 640);
    EXPECT_EQ(image->Height, 480);
    for (auto [x, y] : {std::pair{0, 0}, {300, 470}, {10, 240}})
        EXPECT_TRUE(Near(At(*image, x, y), Red, 16)) << x << "," << y;
    for (auto [x, y] : {std::pair{340, 0}, {639, 479}, {500, 240}})
        EXPECT_TRUE(Near(At(*image, x, y), Blue, 16)) << x << "," << y;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("pic.bak")));
    // The export is no action of the drawing.
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
}

TEST_F(ExportTest, AnExistingFileBecomesItsBackupBesideItOnlyOnce) {
    const std::string pic = dir.Path("pic.jpg");
    test::WriteBytes(pic, "the first picture");
    PaintField();
    ChooseToSave(pic);
    form.Save2JPEGMenuClick();
    // "pic.bak" is the animation's.
    EXPECT_EQ(test::ReadBytes(dir.Path("pic.jpg.bak")), "the first picture");
    const auto first = Written(pic);
    ASSERT_TRUE(first);
    EXPECT_TRUE(Near(At(*first, 10, 10), Red, 16));

    // Again with the backup present: the picture is replaced, the backup kept.
    for (std::int32_t y = 0; y < 480; ++y)
        for (std::int32_t x = 0; x < 640; ++x)
            form.CanvasBitmap->SetPixel(x, y, Green);
    ChooseToSave(pic);
    form.Save2JPEGMenuClick();
    EXPECT_EQ(test::ReadBytes(dir.Path("pic.jpg.bak")), "the first picture");
    const auto second = Written(pic);
    ASSERT_TRUE(second);
    EXPECT_TRUE(Near(At(*second, 10, 10), Green, 16));
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()),
                            std::filesystem::directory_iterator{}),
              2); // pic.jpg and pic.bak, no leftovers
}

TEST_F(ExportTest, ASelectedFigureIsUnselectedAndItsFrameLeftOut) {
    TFigItem* figure = test::Figures(form.S.Doc).FigList.Add(test::MakeRect(100, 100, 200, 200));
    form.S.Doc.Select(figure);
    form.S.Doc.SetLastSelected(figure);
    auto& calls = static_cast<test::RecordingBitmap&>(*form.CanvasBitmap).canvas.Calls;
    auto framed = [&calls] {
        return std::any_of(calls.begin(), calls.end(), [](const std::string& call) {
            return call.rfind("Rectangle 97,97,203,203", 0) == 0 &&
                   call.find("/dot/notxor") != std::string::npos;
        });
    };
    form.PaintBoxPaint();
    ASSERT_TRUE(framed()); // a repaint with the selection draws the frame

    calls.clear();
    ChooseToSave(dir.Path("pic.jpg"));
    form.Save2JPEGMenuClick();
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
    EXPECT_EQ(form.S.Doc.LastSelectedFig(), nullptr);
    EXPECT_FALSE(calls.empty()); // the field was repainted for the export
    EXPECT_FALSE(framed());
    EXPECT_TRUE(std::filesystem::exists(dir.Path("pic.jpg")));
}

TEST_F(ExportTest, AHeldSizeChangeIsCommittedEvenWhenTheDialogIsCancelled) {
    TFigItem* figure = form.S.Doc.RecordDuplicate(test::MakeRect(100, 100, 200, 200));
    form.S.Doc.Select(figure);
    figure->Data.End = {260, 230};
    test::History(form.S.Doc).ActionPending = true;
    test::History(form.S.Doc).PendingFigData = &figure->Data;

    form.Save2JPEGMenuClick(); // no file chosen
    EXPECT_FALSE(form.S.Doc.HoldsChange());
    ASSERT_EQ(form.S.Doc.Log().GetCount(), 2);
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.TargetType, TActionKind::Change);
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.Parameter, TChangeParameter::Size);
    // Cancelled: nothing written, the selection stays.
    EXPECT_EQ(form.S.Doc.SelectedFig(), figure);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.Folder()),
              std::filesystem::directory_iterator{});
}

TEST_F(ExportTest, AnExportThatCannotBeWrittenShowsTheMessageAndLeavesFilesAlone) {
    test::WriteBytes(dir.Path("keep.jpg"), "kept");
    PaintField();
    ChooseToSave(dir.Path("missing/pic.jpg"));
    form.Save2JPEGMenuClick();
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::PictureUnwritable});
    EXPECT_EQ(test::ReadBytes(dir.Path("keep.jpg")), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()),
                            std::filesystem::directory_iterator{}),
              1);
}

} // namespace
} // namespace murva

namespace murva {
namespace {

TEST_F(ImagesTest, ClearingTheBackgroundWhitensItAndIsRecordedEvenWithNoBackground) {
    form.ClearMenuClick();
    ASSERT_EQ(form.S.Doc.Log().GetCount(), 1);
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.TargetType, TActionKind::ClearBG);

    ChooseToOpen(Jpeg("red.jpg", SolidImage(640, 480, Red)));
    form.ReadBGMenuClick();
    form.S.Shell.ShownBGName = "red.jpg";
    auto& calls = static_cast<test::RecordingBitmap&>(Background()).canvas.Calls;
    calls.clear();
    form.ClearMenuClick();
    EXPECT_EQ(calls, std::vector<std::string>{"FillRect 0,0,640,480 brush=FFFFFF/solid"});
    EXPECT_TRUE(form.S.Shell.ShownBGName.empty());
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.TargetType, TActionKind::ClearBG);
    EXPECT_EQ(form.S.Doc.Log().GetCount(), 3);
}

} // namespace
} // namespace murva
