// The real main window, offscreen: every control where the window's layout puts it,
// showing its model; clicks, drags, drops and the close request reaching the form.

#include "qt/layout_checks.h"
#include "qt/window_fixture.h"
#include "support/material_files.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace murva {
namespace {

using qt::MainWindow;
using qt::PanelWidget;
using test::ExpectNoOverlapsAndTextsFit;
using test::HandleOf;
using test::ShownCaption;
using test::WindowTest;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

TEST_F(WindowTest, EveryControlHasOneWidgetShowingItsModel) {
    for (TControl* control : form.AllControls()) {
        SCOPED_TRACE(control->Name);
        QWidget* widget = Find(control->Name);
        ASSERT_NE(widget, nullptr) << "no single widget named " << control->Name;
        EXPECT_EQ(widget->isVisibleTo(widget->parentWidget()), control->Visible);
        EXPECT_EQ(widget->isEnabledTo(widget->parentWidget()), control->Enabled);
        EXPECT_EQ(widget->toolTip(), Q(control->Hint));
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QSlider*>(widget) &&
            !qobject_cast<qt::ImageWidget*>(widget)) {
            EXPECT_EQ(ShownCaption(widget), Q(control->Caption));
        }
        if (auto* panel = qobject_cast<PanelWidget*>(widget)) {
            EXPECT_EQ(panel->Color(), qt::ToQColor(control->Color));
        }
        if (!control->Hint.empty()) {
            EXPECT_EQ(widget->toolTipDuration(), 60000);
        }
    }
    EXPECT_EQ(Find<QLineEdit>("CutSelect")->text(), "1/1");
    EXPECT_EQ(window->windowTitle(), "Murva Ver0.9.2 110614");
    EXPECT_EQ(Find<QToolButton>("MoveFreeBtn")->isChecked(), true);
    EXPECT_EQ(Find<QToolButton>("MoveLineBtn")->isChecked(), false);
    EXPECT_TRUE(Find<QRadioButton>("SameSpeedBtn")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("CutSelect")->font().pixelSize(), 16);
    EXPECT_EQ(window->font().family(), "IPAPGothic");
    EXPECT_EQ(window->font().pixelSize(), 12);
}

TEST_F(WindowTest, TheClientAreaIsTheFixedLayoutUnderTheMenu) {
    EXPECT_EQ(Client()->size(), QSize(1016, 666));
    EXPECT_EQ(Client()->y(), window->menuBar()->height());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->pos(), QPoint(0, 0));

    struct Place {
        const char* Name;
        QRect Rect; // in the client area
    };
    std::vector<Place> places = {
        {"DrawField", {4, 4, 640, 480}},        {"BGImage", {4, 4, 640, 480}},
        {"PaintBox", {4, 4, 640, 480}},         {"InputEdit", {468, 452, 169, 24}},
        {"ColorBasePanel", {4, 490, 285, 43}},  {"HTrackBar", {304, 488, 321, 25}},
        {"VTrackBar", {648, 136, 25, 321}},     {"AllChangeBtn", {635, 485, 49, 49}},
        {"DRChangeBtn", {635, 485, 49, 49}},    {"HVChangeBtn", {635, 485, 49, 49}},
        {"ULChangeBtn", {635, 485, 49, 49}},    {"ObjectPanel", {688, 8, 169, 201}},
        {"MovePanel", {688, 216, 169, 225}},    {"CutPanel", {688, 447, 169, 210}},
        {"GroupBox3", {864, 8, 145, 465}},      {"Image1", {5, 540, 652, 120}},
        {"CutCountDownBtn", {16, 570, 33, 57}}, {"CutCountUpBtn", {616, 570, 33, 57}},
        {"SelectMakeBtn", {888, 534, 97, 41}},  {"SelectMoveBtn", {888, 598, 97, 41}},
        {"UndoBtn", {870, 480, 66, 42}},        {"RedoBtn", {940, 480, 66, 42}},
    };
    for (int k = 0; k < 5; ++k) {
        const std::string n = std::to_string(k + 1);
        const QRect panel(56 + 112 * k, 560, 106, 81);
        EXPECT_EQ(InClient(Find("ImagePanel" + n)), panel);
        EXPECT_EQ(Find("CutImage" + n)->parentWidget(), Find("ImagePanel" + n));
        EXPECT_EQ(Find("CutImage" + n)->geometry(), QRect(3, 3, 100, 75));
    }
    for (const Place& place : places) {
        SCOPED_TRACE(place.Name);
        EXPECT_EQ(InClient(Find(place.Name)), place.Rect);
    }
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(InClient(Find("Panel" + std::to_string(11 + i))), QRect(16 + 16 * i, 546, 9, 9));
        EXPECT_EQ(InClient(Find("Panel" + std::to_string(51 + i))), QRect(16 + 16 * i, 645, 9, 9));
    }
    EXPECT_EQ(InClient(Find("CutDisplayPanel")).topLeft(), QPoint(328, 512));
    EXPECT_EQ(InClient(Find("CutSelect")).topLeft(), QPoint(530, 512));
    EXPECT_EQ(Find("CutSelect")->width(), 49);
    EXPECT_EQ(InClient(Find("SpeedPanel")).topLeft(), QPoint(680, 8));
    EXPECT_EQ(InClient(Find("WatchPanel")).topLeft(), QPoint(8, 485));
    for (const char* name : {"PlayButton", "AllPlayButton"})
        EXPECT_EQ(Find(name)->size(), QSize(89, 33)) << name;
    EXPECT_EQ(Find("MakingBtn")->size(), QSize(49, 33));
    EXPECT_EQ(Find("PlayBar")->size(), QSize(198, 41));
    for (const char* name : {"MoveLineBtn", "MoveFreeBtn", "CutDelete", "CutMake", "CutCarryOver"})
        EXPECT_EQ(Find(name)->size(), QSize(100, 50)) << name;
    EXPECT_EQ(Find("ConfirmPanel")->size(), QSize(33, 33));
}

TEST_F(WindowTest, ThePaletteLiesInTwoRowsAndThePartsBinSlotsWhereTheyBelong) {
    QWidget* palette = Find("ColorBasePanel");
    for (int i = 1; i <= 16; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "ColorPanel%02d", i);
        QWidget* panel = Find(name);
        ASSERT_EQ(panel->parentWidget(), palette) << name;
        EXPECT_EQ(panel->size(), QSize(25, 17));
        QWidget* top = Find(i <= 8 ? "ColorPanel01" : "ColorPanel09");
        EXPECT_EQ(panel->y(), top->y()) << name;
        if (i % 8 != 1) {
            std::snprintf(name, sizeof name, "ColorPanel%02d", i - 1);
            EXPECT_GT(panel->x(), Find(name)->geometry().right()) << "left to right";
        }
    }
    EXPECT_GT(Find("ColorPanel09")->y(), Find("ColorPanel01")->geometry().bottom());

    const char* panels[5] = {"Panel10", "Panel9", "Panel8", "Panel7", "Panel6"};
    const char* removes[5] = {"SpeedButton18", "SpeedButton10", "SpeedButton22", "SpeedButton23",
                              "SpeedButton24"};
    QWidget* bin = Find("GroupBox3");
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k + 1);
        const std::string n = std::to_string(k + 1);
        EXPECT_EQ(Find(panels[k])->parentWidget(), bin);
        EXPECT_EQ(Find(panels[k])->geometry(), QRect(39, 32 + 88 * k, 106, 81));
        EXPECT_EQ(Find("PartsImage" + n)->parentWidget(), Find(panels[k]));
        EXPECT_EQ(Find("PartsImage" + n)->size(), QSize(100, 75));
        EXPECT_EQ(Find("PartsMoveBtr" + n)->geometry(), QRect(8, 24 + 88 * k, 25, 33));
        EXPECT_EQ(Find(removes[k])->geometry(), QRect(8, 64 + 88 * k, 25, 33));
    }
}

TEST_F(WindowTest, NoControlsOverlapAndNoTextIsCutOffInAnyStateOrSetOfWords) {
    const auto expectFit = [this](const char* state) {
        for (const qt::TWordSet set :
             {qt::TWordSet::Kanji, qt::TWordSet::Hiragana, qt::TWordSet::English}) {
            SCOPED_TRACE(std::string(state) + " in set " + std::to_string(int(set)));
            window->UseWords(set, false);
            ExpectNoOverlapsAndTextsFit(Client());
        }
        window->UseWords(qt::TWordSet::Kanji, false);
    };
    expectFit("making");
    // The watching state shows the speed and playback panels in place of the editing ones.
    window->Dispatch([this] {
        for (TControl* c :
             {&form.ObjectPanel, &form.MovePanel, &form.CutPanel, &form.ColorBasePanel,
              static_cast<TControl*>(&form.HTrackBar), static_cast<TControl*>(&form.VTrackBar),
              &form.CutDisplayPanel, static_cast<TControl*>(&form.CutSelect), &form.PartsBox,
              &form.VBarLargeLabel, &form.HBarLargeLabel, &form.HBarSmallLabel,
              &form.VBarSmallLabel})
            c->Visible = false;
        form.SpeedPanel.Visible = form.WatchPanel.Visible = true;
        form.S.Playback.Running = true; // the play buttons read "とめる"
    });
    expectFit("watching");
    window->Dispatch([this] { form.S.Playback.Running = false; });
    // The side labels take the places of the size labels.
    window->Dispatch([this] {
        for (TControl* c : {&form.ObjectPanel, &form.MovePanel, &form.CutPanel,
                            &form.ColorBasePanel, static_cast<TControl*>(&form.HTrackBar),
                            static_cast<TControl*>(&form.VTrackBar), &form.PartsBox})
            c->Visible = true;
        form.SpeedPanel.Visible = form.WatchPanel.Visible = false;
        for (TControl* c :
             {&form.HBarRightLabel, &form.HBarLeftLabel, &form.VBarDownLabel, &form.VBarUpLabel})
            c->Visible = true;
        form.AllChangeBtn.Visible = false;
        form.DRChangeBtn.Visible = true;
    });
    expectFit("side labels");
}

TEST_F(WindowTest, TheStripLiesAboveTheBandAndShowsTheFirstThumbnailsHoles) {
    for (const char* name : {"Panel14", "Panel59", "CutImage3", "CutCountUpBtn", "Panel11"}) {
        QWidget* widget = Find(name);
        const QPoint centre = widget->mapTo(Client(), widget->rect().center());
        EXPECT_EQ(Client()->childAt(centre), widget) << name << " is hidden by the band";
    }
    std::set<int> red;
    for (TControl* hole : form.HolesOfThumb(1))
        red.insert(std::stoi(hole->Name.substr(5)));
    for (int n = 11; n <= 90; ++n) {
        QWidget* hole = Find("Panel" + std::to_string(n));
        const QColor expected = red.count(n) ? QColor(255, 0, 0) : QColor(255, 255, 255);
        EXPECT_EQ(PixelAt(hole, {4, 4}), expected) << "Panel" << n;
    }
    EXPECT_EQ(PixelAt(Find("Image1"), {2, 2}), QColor(0, 0, 0));
    EXPECT_EQ(PixelAt(Find("Image1"), {650, 118}), QColor(0, 0, 0));
    EXPECT_EQ(PixelAt(Find("ColorPanel02"), {12, 8}), QColor(255, 105, 180));
    EXPECT_EQ(PixelAt(Find("ColorPanel13"), {12, 8}), QColor(0, 102, 102));
    EXPECT_EQ(PixelAt(Find("ConfirmPanel"), {16, 16}), QColor(0, 0, 0));
}

TEST_F(WindowTest, EveryGlyphButtonHasItsPicture) {
    int glyphButtons = 0;
    for (auto* button : Client()->findChildren<QToolButton*>()) {
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        EXPECT_FALSE(button->icon().pixmap(button->iconSize()).toImage().isNull());
        ++glyphButtons;
    }
    // Seven edit buttons, two motion tools, three cut commands, ten parts-bin buttons,
    // five resize modes, the two play buttons, できるまで, もどす, やりなおす and えをかく.
    EXPECT_EQ(glyphButtons, 33);
}

TEST_F(WindowTest, TabReachesEveryButtonAndThumbnailInTheOrderOfThePanelsAndKeysPressThem) {
    // A figure in cut 1: ▶ and うごかす can be pressed.
    test::TempDir temp;
    const std::string material = test::WriteMaterial(temp, "m.znd", {200});
    window->Dispatch([&] {
        form.OpenFileByName(material);
        form.PartsUseBtnClick(1);
    });
    window->activateWindow();
    // The names Tab reaches, once round, from where the focus is.
    const auto tabRound = [] {
        std::vector<std::string> reached;
        for (int k = 0; k < 120; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const std::string name = QApplication::focusWidget()->objectName().toStdString();
            if (!reached.empty() && name == reached.front()) break;
            reached.push_back(name);
        }
        return reached;
    };
    Find("DeleteBtn")->setFocus();
    std::vector<std::string> reached = tabRound();
    const auto at = [&reached](const std::string& name) {
        return std::find(reached.begin(), reached.end(), name) - reached.begin();
    };
    for (auto* button : Client()->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled() || button->objectName().isEmpty())
            continue;
        EXPECT_LT(at(button->objectName().toStdString()), std::ssize(reached))
            << button->objectName().toStdString();
    }
    for (const char* name : {"SelectMoveBtn", "CutImage5", "PartsMoveBtr1", "PartsMoveBtr5"})
        EXPECT_LT(at(name), std::ssize(reached)) << name;
    EXPECT_LT(at("CutImage1"), at("CutImage2"));
    EXPECT_LT(at("PartsMoveBtr1"), at("PartsMoveBtr2"));
    // While watching: つくる and ▶.
    Find("SelectMoveBtn")->setFocus();
    QTest::keyClick(Find("SelectMoveBtn"), Qt::Key_Return);
    EXPECT_EQ(form.S.Shell.Mode, TMode::Watch);
    reached = tabRound();
    for (const char* name : {"SelectMakeBtn", "PlayButton", "AllPlayButton"})
        EXPECT_LT(at(name), std::ssize(reached)) << name;
    Find("SelectMakeBtn")->setFocus();
    QTest::keyClick(Find("SelectMakeBtn"), Qt::Key_Space);
    EXPECT_NE(form.S.Shell.Mode, TMode::Watch);

    // Space or Enter press what has the focus: a cut's thumbnail, a motion tool.
    QWidget* thumbnail = Find("CutImage3");
    thumbnail->setFocus();
    QTest::keyClick(thumbnail, Qt::Key_Space);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 3);
    QWidget* straight = Find("MoveLineBtn");
    straight->setFocus();
    QTest::keyClick(straight, Qt::Key_Return);
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::MoveLine);
}

TEST_F(WindowTest, TheMenuHoldsEveryCommandInOrderWithoutShortcuts) {
    QMenuBar* bar = window->menuBar();
    EXPECT_EQ(bar->objectName(), "ZindaMenu");
    const std::vector<std::pair<QString, QString>> menus = {
        {"FileMenu", "ファイル"}, {"N2", "ひょうじ"}, {"N4", "ツール"}, {"HelpMenu", "？"}};
    const std::map<QString, std::vector<std::pair<QString, QString>>> items = {
        {"FileMenu",
         {{"MurvaSave", "ムルヴァをほぞんする"},
          {"MurvaOverSave", "ムルヴァをうわがきほぞん"},
          {"MurvaLoad", "ムルヴァからよみこむ"},
          {"ZindaLoad", "そざいをよみこむ"},
          {"OpenSetAside", "まえの つづきを ひらく"},
          {"ExitMenu", "ムルヴァをおわる"}}},
        {"N2",
         {{"ReadBGMenu", "はいけいをよみこむ"},
          {"ClearBGMenu", "はいけいをけす"},
          {"ClearAllMenu", "ぜんぶけす"}}},
        {"N4",
         {{"JPG1", "画像をJPGに変換"},
          {"GIF1", "アニメをGIFにする"},
          {"Video1", "アニメを どうがにする"},
          {"Storyboard1", "えコンテを つくる"}}},
        {"HelpMenu", {{"AboutMenu", "ムルヴァに ついて"}}}};
    const QList<QAction*> top = bar->actions();
    // The ことば menu follows, tested with the words.
    ASSERT_EQ(top.size(), 5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(top[i]->text(), menus[i].second);
        QMenu* menu = top[i]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), menus[i].first);
        const auto& expected = items.at(menus[i].first);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
        for (std::size_t j = 0; j < expected.size(); ++j) {
            EXPECT_EQ(actions[j]->objectName(), expected[j].first);
            EXPECT_EQ(actions[j]->text(), expected[j].second);
            EXPECT_TRUE(actions[j]->shortcut().isEmpty());
            EXPECT_FALSE(actions[j]->text().contains('&'));
        }
    }
}

TEST_F(WindowTest, TheFileMenuOffersWorkSetAsideOnlyWhileSomeIsThere) {
    test::TempDir state;
    host.StateDir = state.Folder();
    auto* file = window->findChild<QMenu*>("FileMenu");
    QAction* item = window->findChild<QAction*>("OpenSetAside");
    emit file->aboutToShow();
    EXPECT_FALSE(item->isVisible());
    std::filesystem::create_directory(state.Path("set-aside"));
    std::ofstream(state.Path("set-aside/1-2.journal")) << "x";
    emit file->aboutToShow();
    EXPECT_TRUE(item->isVisible());
}

TEST_F(WindowTest, MenuCommandsReachTheirHandlers) {
    window->findChild<QAction*>("MurvaSave")->trigger();
    window->findChild<QAction*>("MurvaOverSave")->trigger(); // no file yet: save as
    ASSERT_EQ(host.SaveDialogs.size(), 2u);
    EXPECT_EQ(host.SaveDialogs[0].Filter, texts::DataSaveFilter);
    window->findChild<QAction*>("JPG1")->trigger();
    ASSERT_EQ(host.SaveDialogs.size(), 3u);
    EXPECT_EQ(host.SaveDialogs[2].Filter, texts::JPEGSaveFilter);
    window->findChild<QAction*>("GIF1")->trigger();
    ASSERT_EQ(host.SaveDialogs.size(), 4u);
    EXPECT_EQ(host.SaveDialogs[3].Filter, "GIFファイル（*.gif）|*.gif");
    EXPECT_EQ(host.SaveDialogs[3].DefaultExt, "gif");
    window->findChild<QAction*>("ReadBGMenu")->trigger();
    window->findChild<QAction*>("MurvaLoad")->trigger();
    window->findChild<QAction*>("ZindaLoad")->trigger();
    ASSERT_EQ(host.OpenDialogs.size(), 3u);
    EXPECT_EQ(host.OpenDialogs[0].Filter, texts::BGFilter);
    EXPECT_EQ(host.OpenDialogs[1].Filter, texts::DataOpenFilter);
    EXPECT_EQ(host.OpenDialogs[2].Filter, texts::ZindaOpenFilter);
    EXPECT_FALSE(window->ExitCode());
    window->findChild<QAction*>("AboutMenu")->trigger();
    EXPECT_EQ(host.Messages.back(), Filled(texts::About, texts::VersionTitle));

    // Leaving a fresh window ends at once; with no event loop yet the code is kept.
    window->findChild<QAction*>("ExitMenu")->trigger();
    EXPECT_EQ(window->ExitCode(), 0);
    EXPECT_TRUE(host.Questions.empty());
}

TEST_F(WindowTest, DraggingATrackBarSetsItsModelAndFiresTheChangeEventOncePerValue) {
    std::vector<int> seen;
    form.HTrackBar.OnChange = [this, &seen] { seen.push_back(form.HTrackBar.Position()); };
    auto* slider = Find<QSlider>("HTrackBar");
    const QPoint from = HandleOf(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(slider, from + QPoint(60, 0));
    QTest::mouseMove(slider, from + QPoint(120, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, from + QPoint(120, 0));

    ASSERT_FALSE(seen.empty()) << "the drag did not reach the model";
    EXPECT_GT(form.HTrackBar.Position(), 50);
    EXPECT_EQ(slider->value(), form.HTrackBar.Position());
    EXPECT_EQ(seen.back(), form.HTrackBar.Position());
    for (std::size_t i = 1; i < seen.size(); ++i)
        EXPECT_NE(seen[i], seen[i - 1]);

    // The keyboard moves it too, one step at a time.
    const int before = form.HTrackBar.Position();
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(form.HTrackBar.Position(), before - 1);
}

TEST_F(WindowTest, AModelChangedByCodeReachesItsSliderWithoutFiringAgain) {
    int changes = 0;
    form.VTrackBar.OnChange = [&changes] { ++changes; };
    window->Dispatch([this] { form.VTrackBar.SetPosition(30); });
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Find<QSlider>("VTrackBar")->value(), 30);

    // A handler that moves the bar back from its own change event is shown as it ends.
    form.HTrackBar.OnChange = [this, &changes] {
        ++changes;
        if (form.HTrackBar.Position() > 50) form.HTrackBar.SetPosition(50);
    };
    QTest::keyClick(Find<QSlider>("HTrackBar"), Qt::Key_End);
    EXPECT_EQ(form.HTrackBar.Position(), 50);
    EXPECT_EQ(Find<QSlider>("HTrackBar")->value(), 50);
    EXPECT_EQ(changes, 3);

    // A narrower range shown while the slider stands beyond it must not feed the
    // slider's own clamping back into the model.
    window->Dispatch([this] { form.PlayBar.SetPosition(500); });
    int playChanges = 0;
    form.PlayBar.OnChange = [&playChanges] { ++playChanges; };
    window->Dispatch([this] {
        form.PlayBar.SetRange(0, 257);
        form.PlayBar.SetPosition(0);
    });
    EXPECT_EQ(playChanges, 2);
    EXPECT_EQ(form.PlayBar.Position(), 0);
    EXPECT_EQ(Find<QSlider>("PlayBar")->value(), 0);
    EXPECT_EQ(Find<QSlider>("PlayBar")->maximum(), 257);
    EXPECT_EQ(Find<QSlider>("SpeedBar")->minimum(), -99);
    EXPECT_TRUE(Find<QSlider>("SpeedBar")->invertedAppearance()) << "the fast end is on top";
}

TEST_F(WindowTest, ModelChangesFromHandlersReachTheWidgets) {
    window->Dispatch([this] {
        form.S.Shell.PickedColor = RGBColor(0, 160, 0);
        form.S.Cuts.CurrentCut = 3;
        form.S.Cuts.CutCount = 7;
        form.SpeedPanel.Visible = true;
        form.S.Playback.InMoveState = true;
        form.S.Shell.DataFileName = "/tmp/a.mrv";
    });
    EXPECT_EQ(PixelAt(Find("ConfirmPanel"), {16, 16}), QColor(0, 160, 0));
    EXPECT_EQ(Find("ConfirmPanel")->toolTip(), "色がえらばれています");
    EXPECT_EQ(Find<QLineEdit>("CutSelect")->text(), "3/7");
    EXPECT_TRUE(Find("SpeedPanel")->isVisible());
    EXPECT_TRUE(Find("SelectMakeBtn")->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Murva Ver0.9.2 110614 - /tmp/a.mrv");
}

TEST_F(WindowTest, ButtonGroupsPutTheClickedButtonDownAndDisabledButtonsDoNothing) {
    QTest::mouseClick(Find<QToolButton>("MoveLineBtn"), Qt::LeftButton);
    EXPECT_TRUE(form.MoveLineBtn.Down);
    EXPECT_FALSE(form.MoveFreeBtn.Down);
    EXPECT_TRUE(Find<QToolButton>("MoveLineBtn")->isChecked());
    EXPECT_FALSE(Find<QToolButton>("MoveFreeBtn")->isChecked());
    // Clicking the button that is down leaves it down.
    QTest::mouseClick(Find<QToolButton>("MoveLineBtn"), Qt::LeftButton);
    EXPECT_TRUE(Find<QToolButton>("MoveLineBtn")->isChecked());

    QTest::mouseClick(Find<QRadioButton>("SlowSpeedBtn"), Qt::LeftButton);
    EXPECT_TRUE(form.SlowSpeedBtn.Down);
    EXPECT_FALSE(form.SameSpeedBtn.Down || form.FastSpeedBtn.Down);
    EXPECT_FALSE(Find<QRadioButton>("SameSpeedBtn")->isChecked());

    int dispatched = 0;
    auto* down = Find<QAbstractButton>("CutCountDownBtn");
    QObject::connect(down, &QAbstractButton::clicked, [&dispatched] { ++dispatched; });
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(dispatched, 0);
}

TEST_F(WindowTest, AFramePaintsTheChangedPicturesAtOnceAndOnlyThem) {
    struct PaintCounter : QObject {
        int Paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++Paints;
            return false;
        }
    } counter;
    QWidget* paintBox = Find("PaintBox");
    paintBox->installEventFilter(&counter);
    Canvas& canvas = form.PaintBox.Modify().GetCanvas();
    canvas.Brush = TBrush{RGBColor(255, 165, 0), TBrushStyle::Solid};
    canvas.FillRect({0, 0, 640, 480});
    window->PresentFrame();
    EXPECT_EQ(counter.Paints, 1) << "not painted before the frame was presented";
    EXPECT_EQ(PixelAt(paintBox, {320, 240}), QColor(255, 165, 0));

    Canvas& thumb = form.CutImages[1].Modify().GetCanvas();
    thumb.Brush = TBrush{RGBColor(0, 0, 255), TBrushStyle::Solid};
    thumb.FillRect({0, 0, 100, 75});
    counter.Paints = 0; // reading a pixel painted the widget too
    window->PresentFrame();
    EXPECT_EQ(counter.Paints, 0) << "the unchanged field was painted again";
    EXPECT_EQ(PixelAt(Find("CutImage2"), {50, 37}), QColor(0, 0, 255));
    paintBox->removeEventFilter(&counter);
}

TEST_F(WindowTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    window->Dispatch([] { throw std::runtime_error("no memory for the picture"); });
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0], "no memory for the picture");
    EXPECT_FALSE(window->ExitCode());
    bool ran = false;
    window->Dispatch([&ran] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST_F(WindowTest, TheCloseRequestEndsTheProgramWithCodeZeroAndClosesNothing) {
    QWidget other;
    other.show();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    const int code = QApplication::exec();
    guard.stop();

    EXPECT_EQ(code, 0);
    EXPECT_EQ(window->ExitCode(), 0);
    EXPECT_TRUE(window->isVisible()) << "the toolkit closed the window";
    EXPECT_TRUE(other.isVisible());
    bool ran = false;
    window->Dispatch([&ran] { ran = true; });
    EXPECT_FALSE(ran) << "a call reached the form after the end";
}

int NonWhitePixels(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != QColor(255, 255, 255);
    return count;
}

TEST_F(WindowTest, UsingASlotMovesItsPictureFromTheBinIntoTheStrip) {
    test::TempDir temp;
    const std::string material = test::WriteMaterial(temp, "m.znd", {200, 300});
    window->Dispatch([this, &material] { form.OpenFileByName(material); });
    EXPECT_GT(NonWhitePixels(Find("PartsImage1")), 0);
    EXPECT_EQ(NonWhitePixels(Find("CutImage1")), 0);

    QTest::mouseClick(Find<QToolButton>("PartsMoveBtr1"), Qt::LeftButton);
    EXPECT_EQ(form.S.Doc.FigList().GetFirst()->Data.CutNumber, 1);
    EXPECT_EQ(NonWhitePixels(Find("PartsImage1")), 0);
    EXPECT_GT(NonWhitePixels(Find("CutImage1")), 0);
    EXPECT_GT(NonWhitePixels(Find("PaintBox")), 0);

    QTest::mouseClick(Find<QToolButton>("SpeedButton18"), Qt::LeftButton); // slot 1, now empty
    EXPECT_EQ(form.S.Doc.FigList().GetFirst()->Data.CutNumber, 1);
}

TEST_F(WindowTest, TheStripShowsCarriedOverAndChosenCuts) {
    test::TempDir temp;
    const std::string material = test::WriteMaterial(temp, "m.znd", {200, 300});
    window->Dispatch([this, &material] { form.OpenFileByName(material); });
    QTest::mouseClick(Find<QToolButton>("PartsMoveBtr1"), Qt::LeftButton);
    EXPECT_EQ(NonWhitePixels(Find("CutImage2")), 0);

    QTest::mouseClick(Find<QToolButton>("CutCarryOver"), Qt::LeftButton);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 2);
    EXPECT_GT(NonWhitePixels(Find("CutImage2")), 0);
    EXPECT_EQ(Find<QLineEdit>("CutSelect")->text(), "2/2");
    EXPECT_EQ(PixelAt(Find("Panel21"), {4, 4}), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(Find("Panel14"), {4, 4}), QColor(255, 255, 255));
    EXPECT_EQ(Find<PanelWidget>("ImagePanel2")->Bevel(), TBevel::Lowered);
    EXPECT_EQ(Find<PanelWidget>("ImagePanel2")->BevelWidth(), 3);
    EXPECT_EQ(Find<PanelWidget>("ImagePanel1")->Bevel(), TBevel::Raised);

    QTest::mouseClick(Find("CutImage1"), Qt::LeftButton, {}, {50, 37});
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(PixelAt(Find("Panel14"), {4, 4}), QColor(255, 0, 0));
    QTest::mouseClick(Find<QPushButton>("CutCountUpBtn"), Qt::LeftButton);
    EXPECT_EQ(form.S.Cuts.StripOffset, 1);
    EXPECT_TRUE(Find("CutCountDownBtn")->isEnabled());
    QTest::mouseClick(Find<QToolButton>("CutMake"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>("CutDelete"), Qt::LeftButton);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(WindowTest, HandlersNeverOverlapAndACloseRequestWaitsForTheRunningOne) {
    std::vector<std::string> order;
    window->Dispatch([this, &order] {
        order.push_back("handler begins");
        window->Dispatch([&order] { order.push_back("nested call"); });
        window->close();
        EXPECT_FALSE(window->ExitCode()) << "the close request ran inside the handler";
        order.push_back("handler ends");
    });
    EXPECT_EQ(order, (std::vector<std::string>{"handler begins", "handler ends"}));
    EXPECT_EQ(window->ExitCode(), 0) << "the close request was lost";
}

TEST_F(WindowTest, AChangeOutsideAHandlerIsShownOnceTheEventLoopTurns) {
    form.CutSelect.Text = "4/9";
    window->Invalidate();
    window->Invalidate();
    EXPECT_EQ(Find<QLineEdit>("CutSelect")->text(), "1/1") << "caught up before the loop turned";
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QLineEdit>("CutSelect")->text(), "4/9");
}

TEST_F(WindowTest, TheEndOfTheProgramAtStartUpIsKeptForTheEntryPoint) {
    // No event loop runs yet: the entry point reads the code and returns it.
    MainWindow starting(form);
    starting.Dispatch([this] { form.GetHost().ExitProcess(1); });
    EXPECT_EQ(starting.ExitCode(), 1);
}

void Drop(QWidget* target, const QList<QUrl>& urls, bool* accepted = nullptr) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    if (accepted) *accepted = enter.isAccepted();
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
}

TEST_F(WindowTest, DroppedLocalFilesGoToTheFormInTheirOrder) {
    bool accepted = false;
    Drop(window.get(),
         {QUrl::fromLocalFile("/tmp/notes.txt"),
          QUrl::fromLocalFile(QStringLiteral(MURVA_TEST_DATA) + "/two_pairs.mrv")},
         &accepted);
    EXPECT_TRUE(accepted);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0], "ファイルけいしきがちがいます");
    EXPECT_EQ(window->windowTitle(), "Murva Ver0.9.2 110614") << "a later file was opened";

    // Links that are not local files are not taken.
    Drop(window.get(), {QUrl("https://example.org/a.mrv")}, &accepted);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(host.Messages.size(), 1u);
}

} // namespace
} // namespace murva
