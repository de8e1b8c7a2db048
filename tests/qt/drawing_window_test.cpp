// The drawing window in the real main window, offscreen: "えをかく" opens it, the mouse
// draws on its canvas with the chosen tool and colours, "できた" puts the drawing into
// the bin as one step for "もどす", and "やめる" asks before dropping a drawing.

#include "qt/layout_checks.h"
#include "qt/window_fixture.h"

#include "model/cut_ranges.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace murva::test {
namespace {

struct DrawingWindowTest : WindowTest {
    // Gone once the window has closed.
    QPointer<QDialog> dialog;

    // Opens the drawing window with "えをかく" and runs the steps in it while it is open;
    // afterwards the window is closed, whatever the steps did.
    void InDrawingWindow(const std::function<void()>& steps) {
        bool ran = false;
        int tries = 0;
        std::function<void()> drive = [&] {
            dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (++tries < 200) QTimer::singleShot(10, drive);
                return;
            }
            ran = true;
            steps();
            if (dialog && dialog->isVisible()) dialog->done(QDialog::Rejected);
        };
        QTimer::singleShot(0, drive);
        QTest::mouseClick(Find<QToolButton>("DrawBtn"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return tries >= 200 || (ran && (!dialog || !dialog->isVisible())); }, 5000));
        ASSERT_TRUE(ran) << "the drawing window did not open";
    }
    template <class W = QWidget> W* InDialog(const char* name) const {
        return dialog->findChild<W*>(QString::fromUtf8(name));
    }
    void Drag(QPoint from, QPoint to) {
        QWidget* canvas = InDialog("DrawCanvas");
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    }
    // The figures of bin slot 1 in the picture.
    int FiguresInSlot1() const {
        int count = 0;
        for (int i = 0; i < form.S.Doc.FigList().Count(); ++i)
            count += form.S.Doc.FigList().At(i)->Data.CutNumber == FirstPartsSlot;
        return count;
    }
    // Red pixels of a widget, pure or smoothed into a thumbnail.
    static int RedPixels(QWidget* widget) {
        const QImage image = widget->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).red() > 150 &&
                         image.pixelColor(x, y).green() < 110 &&
                         image.pixelColor(x, y).blue() < 110;
        return count;
    }
};

TEST_F(DrawingWindowTest, ARectangleDrawnGoesIntoTheBinAndOneUndoTakesItBack) {
    InDrawingWindow([this] {
        QTest::mouseClick(InDialog<QToolButton>("DrawToolRectangle"), Qt::LeftButton);
        // A blue line around a red fill.
        QTest::mouseClick(InDialog("DrawColor07"), Qt::LeftButton);
        QTest::mouseClick(InDialog<QPushButton>("DrawFillColour"), Qt::LeftButton);
        QTest::mouseClick(InDialog("DrawColor03"), Qt::LeftButton);
        EXPECT_TRUE(InDialog<QPushButton>("DrawFillColour")->isChecked());
        EXPECT_FALSE(InDialog<QPushButton>("DrawLineColour")->isChecked());
        EXPECT_TRUE(InDialog<QToolButton>("DrawToolRectangle")->isChecked());
        EXPECT_FALSE(InDialog<QToolButton>("DrawToolFreeLine")->isChecked());
        Drag({100, 100}, {300, 250});
        ASSERT_EQ(form.Drawing.Board.Figures().size(), 1u);
        EXPECT_EQ(form.Drawing.Board.Figures()[0].DrawingTool, TDrawingTool::Rectangle);
        EXPECT_EQ(PixelAt(InDialog("DrawCanvas"), {101, 170}), QColor(0, 0, 255))
            << "the rectangle's left edge, shown on the canvas";
        EXPECT_EQ(PixelAt(InDialog("DrawCanvas"), {200, 170}), QColor(255, 0, 0));
        EXPECT_EQ(PixelAt(InDialog("DrawCanvas"), {350, 170}), QColor(255, 255, 255));
        QTest::mouseClick(InDialog<QPushButton>("DrawDoneBtn"), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible()) << "できた closes the window";
    });
    QApplication::processEvents();
    EXPECT_EQ(form.S.Parts.PartsCount, 1);
    EXPECT_GT(RedPixels(Find("PartsImage1")), 0) << "the thumbnail of slot 1 shows it";
    EXPECT_GT(FiguresInSlot1(), 0);
    EXPECT_TRUE(host.Questions.empty());

    QTest::mouseClick(Find<QToolButton>("UndoBtn"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
    EXPECT_EQ(FiguresInSlot1(), 0);
    EXPECT_EQ(RedPixels(Find("PartsImage1")), 0) << "the thumbnail of slot 1 is empty again";
}

TEST_F(DrawingWindowTest, EveryCaptionFitsInEachSetOfWords) {
    for (const qt::TWordSet set :
         {qt::TWordSet::Kanji, qt::TWordSet::Hiragana, qt::TWordSet::English}) {
        SCOPED_TRACE(int(set));
        window->UseWords(set, false);
        InDrawingWindow([this] { ExpectNoOverlapsAndTextsFit(dialog); });
    }
    window->UseWords(qt::TWordSet::Kanji, false);
}

TEST_F(DrawingWindowTest, ATextIsTypedWhereTheCanvasWasClickedAndEscapeTakesItBack) {
    InDrawingWindow([this] {
        QTest::mouseClick(InDialog<QToolButton>("DrawToolText"), Qt::LeftButton);
        for (const auto& [key, figures] : {std::pair{Qt::Key_Escape, 0u}, {Qt::Key_Return, 1u}}) {
            QTest::mouseClick(InDialog("DrawCanvas"), Qt::LeftButton, {}, {50, 60});
            auto* edit = InDialog<QLineEdit>("DrawTextEdit");
            ASSERT_TRUE(edit->isVisible());
            EXPECT_EQ(edit->pos(), QPoint(50, 60));
            QTest::keyClicks(edit, QStringLiteral("cat"));
            QTest::keyClick(edit, key);
            EXPECT_FALSE(edit->isVisible());
            EXPECT_EQ(form.Drawing.Board.Figures().size(), figures);
            EXPECT_TRUE(dialog->isVisible()) << "the keys of the text never close the window";
        }
        // Something is drawn: やめる asks, and No keeps the window open.
        QTest::mouseClick(InDialog<QPushButton>("DrawCancelBtn"), Qt::LeftButton);
        EXPECT_EQ(host.Questions.size(), 1u);
        EXPECT_TRUE(dialog->isVisible());
        host.Answers.push_back(TAnswer::Yes);
        QTest::mouseClick(InDialog<QPushButton>("DrawCancelBtn"), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
}

} // namespace
} // namespace murva::test
