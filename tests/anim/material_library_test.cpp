// The library of ready materials: its index read by kind, the picker's choices taken by
// そざいをよみこむ, and previews fitted to their picture; and every material the library
// ships opens, lies inside its box and saves back unchanged.

#include "support/form_fixture.h"

#include "anim/material_library.h"
#include "files/action_reader.h"
#include "files/action_writer.h"
#include "support/material_files.h"
#include "support/recording_graphics.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <sstream>

namespace murva {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

struct MaterialLibraryTest : test::FormTest {
    test::TempDir temp;
    // Two kinds: a cat and a dog among the animals, a car; a line whose file is missing
    // and one of no kind the program knows are left out.
    void SetUp() override {
        test::FormTest::SetUp();
        for (const char* kind : {"animals", "vehicles", "things"})
            std::filesystem::create_directory(temp.Path(kind));
        for (const char* file : {"animals/cat.znd", "animals/dog.znd", "vehicles/car.znd"})
            std::filesystem::rename(test::WriteMaterial(temp, "m.znd", {10}), temp.Path(file));
        std::ofstream(temp.Path("index.tsv"))
            << "animals\tcat\t猫\tねこ\tcat\r\nvehicles\tcar\t車\tくるま\tcar\n"
               "animals\tdog\t犬\tいぬ\tdog\nthings\tball\tボール\tぼーる\tball\n"
               "toys\tcat\tx\tx\tx\nshort line\n";
        host.MaterialDir = temp.Path("");
    }
};

TEST_F(MaterialLibraryTest, ThePickersChoiceGoesIntoTheNextSlotOrToTheFileDialog) {
    using TKind = TMaterialChoice::TKind;
    const struct {
        TMaterialChoice Choice;
        std::int32_t Parts;
        std::size_t FileDialogs;
    } cases[] = {{{TKind::Material, temp.Path("animals/cat.znd")}, 1, 0},
                 {{TKind::Closed, {}}, 1, 0},
                 {{TKind::OtherFile, {}}, 1, 1},
                 {{TKind::Material, temp.Path("vehicles/car.znd")}, 2, 1}};
    for (const auto& c : cases) {
        host.Choices = {c.Choice};
        form.ZindaLoadClick();
        EXPECT_EQ(form.S.Parts.PartsCount, c.Parts) << c.Choice.Path;
        EXPECT_EQ(host.OpenDialogs.size(), c.FileDialogs) << c.Choice.Path;
    }
    // Two kinds offered: the missing ball and the kind the program does not know are left out.
    EXPECT_EQ(host.PickerKinds, std::vector<std::size_t>(4, 2));
    // A click on an empty slot's picture opens the picker; on a full one, nothing.
    for (const int slot : {2, 3, 4, 1}) {
        host.Choices = {{TKind::Material, temp.Path("animals/dog.znd")}};
        form.PartsImageClick(slot);
    }
    EXPECT_EQ(form.S.Parts.PartsCount, 4);
    EXPECT_EQ(host.PickerKinds.size(), 6u);
    // Without a library, the file dialog as before.
    host.MaterialDir.clear();
    form.ZindaLoadClick();
    EXPECT_EQ(host.OpenDialogs.size(), 2u);
    EXPECT_EQ(host.PickerKinds.size(), 6u);
}

TEST_F(MaterialLibraryTest, APreviewFitsTheMaterialIntoThePictureAndAFileNotReadLeavesItWhite) {
    test::RecordingGraphics graphics;
    const auto picture = graphics.CreateBitmap(96, 96);
    auto& calls = static_cast<test::RecordingBitmap&>(*picture).canvas.Calls;
    // The 20 x 20 rectangle, 6 pixels from each edge.
    EXPECT_TRUE(PaintFilePreview(temp.Path("animals/cat.znd"), *picture, graphics));
    EXPECT_THAT(calls, Contains(HasSubstr("Rectangle 6,6,90,90")));
    calls.clear();
    EXPECT_FALSE(PaintFilePreview(temp.Path("animals/none.znd"), *picture, graphics));
    EXPECT_THAT(calls, ::testing::ElementsAre(HasSubstr("FillRect 0,0,96,96")));
}

// Every material the program ships.
TEST(ReadyMaterials, EachOpensLiesInsideItsBoxAndSavesBackUnchanged) {
    const auto library = ReadMaterialLibrary(MURVA_SOURCE_DATA "/materials");
    std::size_t count = 0;
    for (const TLibraryKind& kind : library)
        for (const TLibraryMaterial& material : kind.Materials) {
            ++count;
            test::FakeHost host;
            test::RecordingGraphics graphics;
            TZindaForm form(host, graphics);
            form.FormCreate({});
            form.OpenFileByName(material.Path);
            ASSERT_TRUE(host.Messages.empty()) << material.Path;
            const TFigItem* stamp = form.S.Doc.FigList().GetFirst();
            ASSERT_TRUE(stamp && stamp->Data.DrawingTool == TDrawingTool::Stamp) << material.Path;
            // Children lie within the stamp's box, which is about 120 pixels across.
            const TFigData& f = stamp->Data;
            EXPECT_NEAR(f.End.x - f.Start.x, 120, 10) << material.Path;
            for (const TFigItem* child = f.StampData->GetFirst(); child; child = child->Next)
                for (const TPoint p : {child->Data.Start, child->Data.End})
                    EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= f.End.x - f.Start.x &&
                                p.y <= f.End.y - f.Start.y)
                        << material.Path << " " << p.x << "," << p.y;
            // Read as the program reads a drawing, and written as it writes one.
            std::ifstream file(material.Path, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            std::istringstream in(bytes);
            THistoryList log;
            TReaderState reader;
            TReadContext context{log, reader, 0, TLoadKind::Drawing, 0};
            ASSERT_EQ(ReadActionFile(in, context).Result, 0) << material.Path;
            std::vector<TFigData> figures;
            for (const TActionItem* a = log.GetFirst(); a; a = a->Next)
                figures.push_back(a->Data.FigData);
            ASSERT_FALSE(figures.empty());
            EXPECT_EQ(WriteDrawingFile(figures, log.GetFirst()->Data.ActionTime), bytes)
                << material.Path;
        }
    EXPECT_GE(count, 60u);
}

} // namespace
} // namespace murva
