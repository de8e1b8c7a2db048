// A first animation in the five steps the teachers' guide shows, in the real window with
// the ready materials: a cat chosen in the picker, used, dragged, watched and played. With
// MURVA_GUIDE_SHOTS set to a folder, each step's picture is kept there for the guide.

#include "qt/window_fixture.h"

#include "anim/material_library.h"
#include "qt/material_picker.h"

#include <QApplication>
#include <QPushButton>
#include <QToolButton>

namespace murva::test {
namespace {

void Keep(QWidget* widget, const char* name) {
    const QString folder = qEnvironmentVariable("MURVA_GUIDE_SHOTS");
    if (!folder.isEmpty()) widget->grab().save(folder + "/" + name);
}

TEST_F(WindowTest, AFirstAnimationTakesFiveSteps) {
    host.MaterialDir = MURVA_SOURCE_DIR "/data/materials";
    const std::vector<TLibraryKind> library = ReadMaterialLibrary(host.MaterialDir);
    ASSERT_FALSE(library.empty());
    const auto cat = std::find_if(library[0].Materials.begin(), library[0].Materials.end(),
                                  [](const TLibraryMaterial& m) { return m.Names[2] == "Cat"; });
    ASSERT_NE(cat, library[0].Materials.end());

    // 1. The picker, opened by a click on an empty slot of the bin, and the cat chosen.
    {
        qt::MaterialPicker picker(window.get(), library);
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
        Keep(&picker, "step1-picker.png");
    }
    host.Choices = {{TMaterialChoice::TKind::Material, cat->Path}};
    QTest::mouseClick(Find("PartsImage1"), Qt::LeftButton); // an empty slot
    ASSERT_EQ(form.S.Parts.PartsCount, 1);

    // 2. Used: into cut 1, as a start copy and an end copy.
    QTest::mouseClick(Find<QToolButton>("PartsMoveBtr1"), Qt::LeftButton);
    ASSERT_EQ(form.S.Doc.FigList().Count(), 2);
    QApplication::processEvents();
    Keep(window.get(), "step2-used.png");

    // 3. The end copy dragged to the right.
    const TFigData end = form.S.Doc.FigList().At(1)->Data;
    const QPoint from((end.Start.x + end.End.x) / 2, (end.Start.y + end.End.y) / 2);
    QWidget* field = Find("PaintBox");
    QTest::mousePress(field, Qt::LeftButton, {}, from);
    QTest::mouseMove(field, from + QPoint(150, 20));
    QTest::mouseMove(field, from + QPoint(300, 40));
    QTest::mouseRelease(field, Qt::LeftButton, {}, from + QPoint(300, 40));
    EXPECT_EQ(form.S.Doc.FigList().At(1)->Data.Start.x, end.Start.x + 300);
    QApplication::processEvents();
    Keep(window.get(), "step3-dragged.png");

    // 4. Watching, and 5. half way through the run.
    QTest::mouseClick(Find<QPushButton>("SelectMoveBtn"), Qt::LeftButton);
    ASSERT_TRUE(form.S.Playback.InMoveState);
    QApplication::processEvents();
    const QImage still = field->grab().toImage();
    Keep(window.get(), "step4-watch.png");
    window->Dispatch([this] { form.PlayBar.SetPosition(form.PlayBar.Max / 2); });
    QApplication::processEvents();
    EXPECT_NE(field->grab().toImage(), still) << "the cat has moved";
    Keep(window.get(), "step5-play.png");
}

} // namespace
} // namespace murva::test
