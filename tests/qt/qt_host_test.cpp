// The Qt host: its message boxes and file dialogs, driven as a user would answer them.

#include "app/zinda_form.h"
#include "qt/main_window.h"
#include "qt/qt_graphics.h"
#include "qt/qt_host.h"
#include "ui/texts.h"

#include "support/material_files.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace murva {
namespace {

// Runs `answer` on the next modal widget once it is open.
void WhenModalOpens(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start();
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList ButtonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons())
        if (button->text() == text) return button;
    return nullptr;
}

TEST(QtHostTest, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(qt::ToNameFilters(texts::BGFilter),
              QStringList({"JPEGファイル（*.jpg） (*.jpg)", "ビットマップ（*.bmp） (*.bmp)"}));
    EXPECT_EQ(qt::ToNameFilters("Pictures|*.jpg;*.bmp|Dangling"),
              QStringList({"Pictures (*.jpg *.bmp)"}));
    EXPECT_TRUE(qt::ToNameFilters("").isEmpty());
}

TEST(QtHostTest, AQuestionHasTheCaptionTheQuestionIconAndJapaneseButtons) {
    qt::QtHost host;
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE() << "no message box";
            modal->close();
            return;
        }
        title = box->windowTitle();
        buttons = ButtonTexts(box);
        icon = box->icon();
        ButtonWithText(box, "いいえ")->click();
    });
    EXPECT_EQ(host.Ask("おわりますか", "確認", TQuestionButtons::YesNoCancel), TAnswer::No);
    EXPECT_EQ(title, "確認");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, Sorted({"はい", "いいえ", "キャンセル"}));

    WhenModalOpens(
        [](QWidget* modal) { ButtonWithText(qobject_cast<QMessageBox*>(modal), "はい")->click(); });
    EXPECT_EQ(host.Ask("よみこみますか", "確認", TQuestionButtons::YesNo), TAnswer::Yes);
}

TEST(QtHostTest, EscapeAnswersCancelWhenOfferedAndOtherwiseNo) {
    qt::QtHost host;
    QStringList buttons;
    WhenModalOpens([&](QWidget* modal) {
        buttons = ButtonTexts(qobject_cast<QMessageBox*>(modal));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(host.Ask("q", "確認", TQuestionButtons::YesNo), TAnswer::No);
    EXPECT_EQ(buttons, Sorted({"はい", "いいえ"}));

    WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(host.Ask("q", "確認", TQuestionButtons::YesNoCancel), TAnswer::Cancel);

    // はい and いいえ only, and closing says neither.
    QStringList shown;
    WhenModalOpens([&](QWidget* modal) {
        for (QAbstractButton* button : qobject_cast<QMessageBox*>(modal)->buttons())
            if (button->isVisible()) shown << button->text();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(host.Ask("q", "確認", TQuestionButtons::YesNoOrClose), TAnswer::Cancel);
    EXPECT_EQ(Sorted(shown), Sorted({"はい", "いいえ"}));
}

TEST(QtHostTest, ANoticeShowsItsTextPlainUnderTheProgramsName) {
    qt::QtHost host;
    QString title, text;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        buttons = ButtonTexts(box);
        box->buttons().front()->click();
    });
    host.ShowMessage("<b>ファイルけいしきがちがいます</b>");
    EXPECT_EQ(title, "Murva");
    EXPECT_EQ(text, "<b>ファイルけいしきがちがいます</b>");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(buttons, QStringList({"OK"}));
}

TEST(QtHostTest, TheSaveDialogOffersTheChosenFilterAndAddsTheDefaultExtension) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qt::QtHost host;
    QString filter, initial;
    bool native = true;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "no file dialog";
            modal->close();
            return;
        }
        filter = dialog->selectedNameFilter();
        initial = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
        dialog->selectFile(dir.filePath("drawing"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    TFileDialog dialog;
    dialog.Filter = "Zindaファイル(*.znd)|*.znd|Murvaファイル(*.mrv)|*.mrv";
    dialog.FilterIndex = 2;
    dialog.DefaultExt = "mrv";
    dialog.InitialName = "welcome.mrv";
    const auto chosen = host.SaveDialog(dialog);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(QString::fromStdString(*chosen), dir.filePath("drawing.mrv"));
    // The dialog shows the descriptions only.
    EXPECT_EQ(filter, "Murvaファイル(*.mrv)");
    EXPECT_EQ(initial, "welcome.mrv");
    EXPECT_FALSE(native);
}

TEST(QtHostTest, AnotherFileTypeChosenGivesTheNameItsExtension) {
    QTemporaryDir dir;
    qt::QtHost host;
    QString shown;
    WhenModalOpens([&](QWidget* modal) {
        auto* types = modal->findChild<QComboBox*>("fileTypeCombo");
        auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
        if (!types || !name) {
            ADD_FAILURE() << "no file type or name";
            modal->close();
            return;
        }
        types->setCurrentIndex(1);
        emit types->activated(1); // as a click chooses WebM
        emit types->textActivated(types->itemText(1));
        shown = name->text();
        static_cast<QFileDialog*>(modal)->selectFile(dir.filePath("film"));
        QMetaObject::invokeMethod(modal, "accept");
    });
    TFileDialog dialog;
    dialog.Filter = texts::VideoSaveFilter;
    dialog.DefaultExt = "mp4";
    dialog.InitialName = "welcome.mp4";
    const auto chosen = host.SaveDialog(dialog);
    EXPECT_EQ(shown, "welcome.webm");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(QString::fromStdString(*chosen), dir.filePath("film.webm"));
}

TEST(QtHostTest, ADialogOpensInTheFolderAskedForElseWhereTheLastFileWasChosen) {
    QTemporaryDir asked, chosen;
    qt::QtHost host;
    // Where a dialog for `folder` opens; it chooses `pick`, or is cancelled without one.
    auto openedIn = [&host](const QString& folder, const QString& pick, bool save) {
        QString opened;
        WhenModalOpens([&opened, pick](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            opened = dialog->directory().absolutePath();
            dialog->selectFile(pick);
            QMetaObject::invokeMethod(dialog, pick.isEmpty() ? "reject" : "accept");
        });
        TFileDialog request;
        request.Folder = folder.toStdString();
        save ? host.SaveDialog(request) : host.OpenDialog(request);
        return opened;
    };
    EXPECT_EQ(openedIn(asked.path(), chosen.filePath("walk.mrv"), true), asked.path());
    EXPECT_EQ(openedIn({}, {}, false), chosen.path()) << "the folder of the file last chosen";
    // Saved work goes to "Murva" in the pictures folder, else in the home folder, made
    // when first needed. (The tests' home is a folder of their own.)
    const QString pictures = QDir::homePath() + "/Pictures";
    QDir(pictures).removeRecursively();
    EXPECT_EQ(openedIn({}, {}, true), QDir::homePath() + "/Murva");
    QDir().mkpath(pictures);
    EXPECT_EQ(openedIn({}, {}, true), pictures + "/Murva");
    EXPECT_TRUE(QDir(pictures + "/Murva").exists());
}

TEST(QtHostTest, QtsOwnTextsInADialogFollowTheWords) {
    const std::pair<qt::TWordSet, QString> sets[] = {{qt::TWordSet::Kanji, "サイズ"},
                                                     {qt::TWordSet::Hiragana, "サイズ"},
                                                     {qt::TWordSet::English, "Size"}};
    for (const auto& [set, size] : sets) {
        SCOPED_TRACE(size.toStdString());
        qt::Words words;
        words.Use(set);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        const auto* files = dialog.findChild<QTreeView*>("treeView")->model();
        EXPECT_EQ(files->headerData(1, Qt::Horizontal).toString(), size);
    }
}

TEST(QtHostTest, ACancelledOpenDialogGivesNothing) {
    qt::QtHost host;
    QString filter;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        filter = dialog->selectedNameFilter();
        dialog->reject();
    });
    TFileDialog dialog;
    dialog.Filter = texts::DataOpenFilter;
    dialog.FilterIndex = 7; // beyond the list: the last filter
    EXPECT_FALSE(host.OpenDialog(dialog));
    EXPECT_EQ(filter, "Zindaファイル(*.znd)");
}

TEST(QtHostTest, ChangesAndFramesReachTheAttachedWindowOnly) {
    qt::QtHost host;
    // Nothing attached: nothing happens.
    host.Invalidate();
    host.PresentFrame();
    int changes = 0, frames = 0;
    QWidget window;
    host.AttachWindow(
        &window, [&changes] { ++changes; }, [&frames] { ++frames; }, [] {});
    host.Invalidate();
    host.Invalidate();
    host.PresentFrame();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(frames, 1);
}

TEST(QtHostTest, AFilmsProgressCountsThePicturesOverTheWindowAndItsButtonStopsIt) {
    qt::QtHost host;
    QWidget window;
    window.show();
    host.AttachWindow(
        &window, [] {}, [] {}, [] {});
    EXPECT_TRUE(host.Progress(texts::FilmProgress, 30, 90));
    auto* progress = window.findChild<QProgressDialog*>("FilmProgress");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->windowModality(), Qt::WindowModal) << "the window takes no input";
    EXPECT_EQ(progress->labelText(), "えを つくっています　30 / 90");
    auto* stop = progress->findChild<QPushButton*>();
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), "とめる");
    stop->click();
    EXPECT_FALSE(host.Progress(texts::FilmProgress, 31, 90));
    host.EndProgress();
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr);
}

TEST(QtHostTest, ABoxStandsOverTheWindowAsTheCallHasLeftItSoFar) {
    qt::QtHost host;
    qt::QtGraphics graphics;
    TZindaForm form(host, graphics);
    qt::MainWindow window(form);
    window.AttachTo(host);
    bool shown = false;
    QString asked;
    WhenModalOpens([&](QWidget* modal) {
        shown = window.isVisible();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) asked = box->text();
        if (QAbstractButton* no = box ? ButtonWithText(box, "いいえ") : nullptr)
            no->click();
        else
            modal->close();
    });
    // An animation whose background picture is not there: its question comes at start.
    test::TempDir temp;
    const std::string missing = test::WriteLog(
        temp, "a.mrv", test::ActionBlock("ReadBG", -1, temp.Path("gone.jpg") + "\r\n"));
    window.Dispatch([&] { form.FormCreate({missing}); });
    EXPECT_EQ(asked, QString::fromUtf8(texts::RespecifyBackground));
    EXPECT_TRUE(shown) << "the question appears over the window";

    // The figure a call has just put on the field is on the screen under the call's box,
    // not only in the widget's picture.
    QCoreApplication::processEvents(); // the window as the start-up left it is painted
    const std::string material = test::WriteMaterial(temp, "m.znd", {200});
    const QPoint inside = window.findChild<QWidget*>("PaintBox")->mapTo(&window, QPoint(210, 20));
    QColor onScreen;
    WhenModalOpens([&](QWidget* modal) {
        onScreen = window.screen()->grabWindow(window.winId()).toImage().pixelColor(inside);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    window.Dispatch([&] {
        form.OpenFileByName(material);
        form.PartsUseBtnClick(1);
        host.ShowMessage("?");
    });
    EXPECT_EQ(onScreen, QColor(255, 0, 0));
}

} // namespace
} // namespace murva

namespace murva {
namespace {

// The picker: a tab per kind, each picture painted with its name; a click on one, "ほかの
// ファイル" and closing give the three answers.
TEST(QtHostTest, ThePickerShowsTheKindsAndAClickChoosesAPicture) {
    test::TempDir temp;
    const std::string cat = test::WriteMaterial(temp, "cat.znd", {10});
    const std::vector<TLibraryKind> library = {
        {"animals",
         texts::KindAnimals,
         {{cat, {"猫", "ねこ", "cat"}}, {cat, {"犬", "いぬ", "dog"}}}},
        {"vehicles", texts::KindVehicles, {{cat, {"車", "くるま", "car"}}}}};
    qt::QtHost host;
    using TKind = TMaterialChoice::TKind;
    const std::pair<const char*, TKind> presses[] = {{"Material_animals_1", TKind::Material},
                                                     {"OtherFile", TKind::OtherFile},
                                                     {"", TKind::Closed}};
    for (const auto& [press, kind] : presses) {
        WhenModalOpens([press = std::string(press)](QWidget* picker) {
            auto* tabs = picker->findChild<QTabWidget*>("MaterialKinds");
            EXPECT_EQ(tabs->count(), 2);
            EXPECT_EQ(tabs->tabText(1), QString::fromUtf8("のりもの"));
            auto* dog = picker->findChild<QToolButton*>("Material_animals_1");
            EXPECT_EQ(dog->text(), QString::fromUtf8("犬"));
            const QImage picture = dog->icon().pixmap(96, 96).toImage();
            EXPECT_EQ(picture.pixelColor(48, 48), QColor(Qt::red)) << "the material, fitted";
            EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::white));
            if (press.empty())
                picker->close();
            else
                picker->findChild<QAbstractButton*>(QString::fromStdString(press))->click();
        });
        const TMaterialChoice choice = host.ChooseMaterial(library);
        EXPECT_EQ(choice.Kind, kind) << press;
        EXPECT_EQ(choice.Path, kind == TKind::Material ? cat : "") << press;
    }
}

TEST(QtHostTest, AnOpenDialogShowsAPictureOfTheFileChosen) {
    test::TempDir temp;
    const std::string cat = test::WriteMaterial(temp, "cat.znd", {10});
    qt::QtHost host;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* preview = dialog->findChild<QLabel*>("FilePreview");
        ASSERT_TRUE(preview);
        emit dialog->currentChanged(QString::fromStdString(cat));
        const QImage shown = preview->pixmap().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
        emit dialog->currentChanged(QString::fromStdString(temp.Path("")));
        EXPECT_TRUE(preview->pixmap().isNull()) << "a folder has no picture";
        dialog->reject();
    });
    EXPECT_FALSE(host.OpenDialog({"そざい（*.znd）|*.znd", 1, "", "", temp.Path("")}));
}

} // namespace
} // namespace murva
