// The parts bin: using and removing slots, the slots above closing the gap, and what is
// recorded.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "model/cut_ranges.h"
#include "support/material_files.h"

namespace murva {
namespace {

struct PartsBinTest : test::FormTest {
    test::TempDir temp;
    // Materials of two rectangles each: material m has left edges 10m and 10m + 1.
    void LoadMaterials(int count) {
        for (int m = 1; m <= count; ++m)
            form.OpenFileByName(
                test::WriteMaterial(temp, "m" + std::to_string(m) + ".znd", {10 * m, 10 * m + 1}));
    }
    // The cut numbers of the start copies, in list order (end copies are the same).
    std::vector<std::int32_t> Cuts() const {
        std::vector<std::int32_t> cuts;
        const TFigList& list = form.S.Doc.FigList();
        auto* f = list.GetFirst();
        for (int i = 0; f && i < form.S.Doc.PairCount(); ++i, f = f->Next)
            cuts.push_back(f->Data.CutNumber);
        return cuts;
    }
    std::int32_t Actions() const { return form.S.Doc.Log().GetCount(); }
};

TEST_F(PartsBinTest, UsingSlotOneMovesItIntoTheCutAndTheOthersDown) {
    LoadMaterials(3);
    ASSERT_EQ(Cuts(), (std::vector<std::int32_t>{100, 100, 101, 101, 102, 102}));
    const std::int32_t before = Actions();
    form.PartsUseBtnClick(1);
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{1, 1, 100, 100, 101, 101}));
    EXPECT_EQ(form.S.Parts.PartsCount, 2);
    EXPECT_EQ(Actions() - before, 12) << "every figure is recorded";
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.TargetType, TActionKind::Move);
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
    // The end copies went too.
    EXPECT_EQ(form.S.Doc.FigList().At(6)->Data.CutNumber, 1);
}

TEST_F(PartsBinTest, RemovingSlotTwoPutsItAsideAndTheNextMaterialFillsSlotThree) {
    LoadMaterials(3);
    const std::int32_t before = Actions();
    form.PartsRemoveBtnClick(2);
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{100, 100, RemovedPart, RemovedPart, 101, 101}));
    EXPECT_EQ(form.S.Parts.PartsCount, 2);
    EXPECT_EQ(Actions() - before, 8) << "only the changed figures are recorded";
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr) << "recording selects nothing";

    form.OpenFileByName(test::WriteMaterial(temp, "next.znd", {90}));
    EXPECT_EQ(form.S.Doc.FigList().At(6)->Data.CutNumber, 102);
    // A second removal leaves the figures removed before where they were.
    form.PartsRemoveBtnClick(1);
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{RemovedPart, RemovedPart, RemovedPart, RemovedPart,
                                                 100, 100, 101}));
}

TEST_F(PartsBinTest, AUseRaisesTheCutCountToTheCurrentCut) {
    LoadMaterials(1);
    form.S.Cuts.CutCount = 2;
    form.S.Cuts.CurrentCut = 4;
    form.PartsUseBtnClick(1);
    EXPECT_EQ(form.S.Cuts.CutCount, 4);
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{4, 4}));
}

TEST_F(PartsBinTest, ASixthMaterialComesIntoViewWhenALowerSlotEmpties) {
    LoadMaterials(6);
    EXPECT_EQ(Cuts().back(), 105);
    form.PartsUseBtnClick(1);
    EXPECT_EQ(Cuts().back(), 104);
    // An empty slot moves nothing but still closes the gap above it.
    form.PartsRemoveBtnClick(5);
    form.PartsUseBtnClick(5);
    EXPECT_EQ(form.S.Parts.PartsCount, 4);
}

} // namespace
} // namespace murva
