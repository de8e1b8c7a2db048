// Repainting the drawing field: the order of its layers, the ghosts of start copies,
// watching, the selection frame and the thumbnails, as recorded canvas calls.

#include "support/document_access.h"
#include "support/figure_builders.h"
#include "support/form_fixture.h"
#include "ui/renderer.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace murva::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

std::string LabelOf(const std::unique_ptr<Bitmap>& bitmap) {
    return static_cast<RecordingBitmap&>(*bitmap).canvas.Label;
}
std::vector<std::string>& CallsOf(const std::unique_ptr<Bitmap>& bitmap) {
    return static_cast<RecordingBitmap&>(*bitmap).canvas.Calls;
}

struct PaintTest : FormTest {
    TFigItem* AddRect(std::int32_t cut, TPoint start, TPoint end, std::int32_t width = 4) {
        TFigData data;
        data.DrawingTool = TDrawingTool::Rectangle;
        data.PenWidth = width;
        data.BrushColor = NoFillColor;
        data.Start = start;
        data.End = end;
        data.CutNumber = cut;
        return test::Figures(form.S.Doc).FigList.Add(data);
    }
    // Four figures in two start/end pairs, as loading a file leaves them.
    void AddPairs(std::int32_t cut) {
        for (int i = 0; i < 4; ++i)
            AddRect(cut, {10 * i, 10}, {10 * i + 5, 20});
        test::Figures(form.S.Doc).FigureCount = 4;
        test::Figures(form.S.Doc).PairCount = 2;
    }
    std::vector<std::string> Entries(const std::string& label) {
        std::vector<std::string> entries;
        for (const auto& e : graphics.Journal)
            if (e.rfind(label + ": ", 0) == 0) entries.push_back(e.substr(label.size() + 2));
        return entries;
    }
    std::string Canvas() { return LabelOf(form.CanvasBitmap); }
};

TEST_F(PaintTest, DrawModeLayersBackgroundThumbnailsFiguresFrameThenThePaintBox) {
    AddRect(1, {10, 10}, {50, 50});
    AddRect(2, {20, 20}, {60, 60});
    form.S.Doc.Select(AddRect(1, {100, 100}, {150, 150}));
    form.S.Cuts.CurrentCut = 1;
    graphics.Journal.clear();
    const int presents = host.Invalidations;

    form.PaintBoxPaint();

    const std::string canvas = Canvas(), paintBox = LabelOf(form.PaintBox.Picture);
    std::vector<std::string> order;
    for (const auto& e : graphics.Journal) {
        const std::string label = e.substr(0, e.find(':'));
        const bool thumbnail = std::any_of(form.CutImages.begin(), form.CutImages.end(),
                                           [&](auto& i) { return LabelOf(i.Picture) == label; }) ||
                               std::any_of(form.PartsImages.begin(), form.PartsImages.end(),
                                           [&](auto& i) { return LabelOf(i.Picture) == label; });
        const std::string layer = label == canvas     ? "field"
                                  : label == paintBox ? "paintbox"
                                  : thumbnail         ? "thumb"
                                                      : "scratch";
        if (order.empty() || order.back() != layer) order.push_back(layer);
    }
    EXPECT_THAT(order, ElementsAre("scratch", "thumb", "scratch", "thumb", "field", "paintbox"));
    EXPECT_THAT(
        Entries(canvas),
        ElementsAre("CopyRect 0,0,640,480 from " + LabelOf(form.BGImage.Picture) + " 0,0,640,480",
                    HasSubstr("Rectangle 10,10,50,50 pen=4/"),
                    HasSubstr("Rectangle 100,100,150,150 pen=4/"),
                    "Rectangle 97,97,153,153 pen=1/000000/dot/notxor brush=FFFFFF/solid"));
    EXPECT_THAT(Entries(paintBox),
                ElementsAre("CopyRect 0,0,640,480 from " + canvas + " 0,0,640,480"));
    EXPECT_EQ(host.Invalidations, presents + 1);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
}

TEST_F(PaintTest, ThumbnailsGoToTheirCutsAndOnlyCutsWithFiguresAreScaled) {
    AddRect(2, {20, 20}, {60, 60});   // second strip thumbnail
    AddRect(103, {20, 20}, {60, 60}); // fourth parts-bin slot
    form.S.Cuts.StripOffset = 0;
    graphics.Journal.clear();

    form.PaintBoxPaint();

    const std::string blank = "Rectangle -1,-1,108,85 pen=1/000000/solid/copy brush=FFFFFF/solid";
    for (int i = 0; i < 5; ++i) {
        const bool cutDrawn = i == 1, slotDrawn = i == 3;
        EXPECT_THAT(
            Entries(LabelOf(form.CutImages[i].Picture)),
            ElementsAre(cutDrawn ? HasSubstr("CopyRect 0,0,100,75 from ") : HasSubstr(blank)));
        EXPECT_THAT(Entries(LabelOf(form.PartsImages[i].Picture)),
                    ElementsAre(slotDrawn ? HasSubstr("-3,-3,643,483 smooth") : HasSubstr(blank)));
    }
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1) << "thumbnails leave the current cut alone";
}

TEST_F(PaintTest, StartCopiesAreGhostsOnTheFieldAndEveryThumbnailFigureIsOne) {
    AddPairs(1);
    graphics.Journal.clear();
    form.S.Shell.Mode = TMode::Edit;
    form.PaintBoxPaint();

    std::vector<std::string> field;
    for (const auto& e : Entries(Canvas()))
        if (e.rfind("Rectangle", 0) == 0) field.push_back(e.substr(e.find("pen=")));
    EXPECT_THAT(field,
                ElementsAre(HasSubstr("pen=1/000000/dot"), HasSubstr("pen=1/000000/dot"),
                            HasSubstr("pen=4/000000/solid"), HasSubstr("pen=4/000000/solid")));

    // Painted from within the repaint, the thumbnail still saw PaintIndex 0.
    const std::string scratch = graphics.Journal[1].substr(0, graphics.Journal[1].find(':'));
    std::vector<std::string> thumb;
    for (const auto& e : Entries(scratch))
        if (e.rfind("Rectangle", 0) == 0) thumb.push_back(e);
    ASSERT_EQ(thumb.size(), 4u);
    for (const auto& e : thumb)
        EXPECT_THAT(e, HasSubstr("pen=1/000000/dot"));

    // Repainted after the repaint, the thumbnail sees the full count: solid outlines.
    graphics.Journal.clear();
    form.Painter.PaintCutThumbnail(form.CutImages[0], 1);
    thumb.clear();
    for (const auto& e : Entries(scratch))
        if (e.rfind("Rectangle", 0) == 0) thumb.push_back(e);
    ASSERT_EQ(thumb.size(), 4u);
    for (const auto& e : thumb)
        EXPECT_THAT(e, HasSubstr("pen=4/000000/solid"));
}

TEST_F(PaintTest, WatchingShowsOnlyTheStartHalfSolidWithoutThumbnailsOrFrame) {
    AddPairs(1);
    form.S.Doc.Select(form.S.Doc.FigList().GetFirst());
    form.S.Shell.Mode = TMode::Watch;
    graphics.Journal.clear();
    form.PaintBoxPaint();

    const std::string canvas = Canvas(), paintBox = LabelOf(form.PaintBox.Picture);
    EXPECT_THAT(Entries(canvas),
                ElementsAre(HasSubstr("CopyRect"),
                            HasSubstr("Rectangle 0,10,5,20 pen=4/000000/solid"),
                            HasSubstr("Rectangle 10,10,15,20 pen=4/000000/solid")));
    for (const auto& e : graphics.Journal)
        EXPECT_TRUE(e.rfind(canvas + ":", 0) == 0 || e.rfind(paintBox + ":", 0) == 0) << e;

    // Without a known half the first figure is still shown.
    test::Figures(form.S.Doc).PairCount = 0;
    graphics.Journal.clear();
    form.PaintBoxPaint();
    EXPECT_EQ(Entries(canvas).size(), 2u);
}

TEST_F(PaintTest, SelectionFrameUsesTheStoredCornersAndTogglingDrawsOnThePaintBox) {
    TFigData line;
    line.DrawingTool = TDrawingTool::Line;
    line.Start = {100, 50};
    line.End = {20, 80};
    TFigItem* item = test::Figures(form.S.Doc).FigList.Add(line);
    graphics.Journal.clear();
    const int presents = host.Invalidations;

    DrawSelectionFrame(form.CanvasBitmap->GetCanvas(), item->Data);
    form.Painter.ToggleSelectionFrame(item);
    form.Painter.ToggleSelectionFrame(nullptr);

    const std::string frame = "Rectangle 97,47,23,83 pen=1/000000/dot/notxor brush=FFFFFF/solid";
    EXPECT_THAT(graphics.Journal, ElementsAre(Canvas() + ": " + frame,
                                              LabelOf(form.PaintBox.Picture) + ": " + frame));
    EXPECT_EQ(host.Invalidations, presents + 1);
}

TEST_F(PaintTest, ThumbnailTakesTheFiguresOnTheFieldWhollyOrInPart) {
    auto& image = CallsOf(form.CutImages[2].Picture);

    AddRect(1, {-60, 10}, {-1, 50});
    AddRect(1, {700, 10}, {644, 50});
    AddRect(2, {10, 10}, {50, 50});
    image.clear();
    form.Painter.PaintCutThumbnail(form.CutImages[2], 1);
    EXPECT_THAT(image, ElementsAre(HasSubstr("Rectangle -1,-1,108,85")));

    AddRect(1, {-60, 10}, {5, 50});
    AddRect(1, {10, 470}, {100, 900});
    image.clear();
    graphics.Journal.clear();
    form.Painter.PaintCutThumbnail(form.CutImages[2], 1);
    ASSERT_THAT(image, ElementsAre(HasSubstr("CopyRect 0,0,100,75")));
    const std::string scratch = image[0].substr(image[0].find("from ") + 5,
                                                image[0].find(" -3") - image[0].find("from ") - 5);
    EXPECT_THAT(Entries(scratch), ElementsAre("FillRect 0,0,640,480 brush=FFFFFF/solid",
                                              HasSubstr("Rectangle -60,10,5,50"),
                                              HasSubstr("Rectangle 10,470,100,900")));
    // The background is never part of a thumbnail.
    EXPECT_THAT(Entries(scratch), Not(Contains(HasSubstr(LabelOf(form.BGImage.Picture)))));
}

TEST_F(PaintTest, AnEmptyDocumentLeavesThumbnailsAndTheToolAlone) {
    form.S.Shell.CurrentTool = TMotionTool::MoveFree;
    graphics.Journal.clear();
    form.Painter.PaintCutThumbnail(form.CutImages[0], 1);
    EXPECT_THAT(graphics.Journal, IsEmpty());
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::MoveFree);
}

TEST_F(PaintTest, AStampWithoutChildrenIsPaintedAsNothing) {
    TFigData stamp;
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.CutNumber = 1;
    test::Figures(form.S.Doc).FigList.Add(stamp);
    graphics.Journal.clear();
    form.PaintBoxPaint();
    EXPECT_THAT(Entries(Canvas()), ElementsAre(HasSubstr("CopyRect")));
}

TEST(RendererTest, AtScaleTwoEachFigureIsDrawnWithItsGeometryTwiceAsLarge) {
    RecordingGraphics graphics;
    TFigList figures;
    TFigData rect = MakeRect(10, 10, 50, 40);
    rect.PenWidth = 1;
    figures.Add(rect);
    figures.Add(MakePolyline({{5, 7}, {30, 9}, {11, 25}}));
    TFigData stamp = MakeRect(100, 100, 140, 130);
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    stamp.StampData->Add(MakeRect(3, 4, 13, 14));
    figures.Add(stamp);
    const auto background = graphics.CreateBitmap(640, 480);
    const auto target = graphics.CreateBitmap(1280, 960);
    TView view;
    view.Scale = 2;
    RenderField(figures, view, *background, *target);
    EXPECT_THAT(static_cast<RecordingBitmap&>(*target).canvas.Calls,
                ElementsAre(HasSubstr("CopyRect 0,0,1280,960 from "),
                            HasSubstr("Rectangle 20,20,100,80 pen=2/"),
                            HasSubstr("Polyline 10,14 60,18 22,50 pen=2/"),
                            HasSubstr("Rectangle 206,208,226,228 pen=2/")));
}

} // namespace
} // namespace murva::test
