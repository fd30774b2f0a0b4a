// Window bases: stay-on-top stepping back for message boxes, placement kept
// in the option set and the configuration file, the tray icon's hiding.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include "config/WindowKeys.h"

#include "config/IniFile.h"
#include "config/Options.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/PlacementWindow.h"
#include "widgets/ui/TrayIcon.h"

namespace sj {
namespace {
// A placement key as the configuration file stores it.
std::string key(std::string_view prefix, const char* suffix) {
    return std::string(prefix) + suffix;
}

class TestForm : public QWidget, public PlacementWindow {
public:
    explicit TestForm(Options* o, const char* key = "TestWindow") : PlacementWindow(this, o) {
        KeyPrefix = key;
    }
    int firstShows = 0;
    int firstActivations = 0;

protected:
    void firstShow() override { ++firstShows; }
    void firstActivation() override { ++firstActivations; }
};

void closeModalSoon(bool* sawTopDropped, StayOnTopWindow* form) {
    QTimer::singleShot(50, [=] {
        QWidget* box = QApplication::activeModalWidget();
        *sawTopDropped = box && !form->topMostNow();
        if (box) box->close();
    });
}

TEST(WindowBases, StayOnTopStepsBackWhileABoxIsOpen) {
    Options o;
    TestForm form(&o);
    form.show();
    form.setStayOnTop(true);
    ASSERT_TRUE(form.topMostNow());
    msg::setTestResponder(nullptr);
    bool dropped = false;
    closeModalSoon(&dropped, &form);
    msg::info(QStringLiteral("Note"));
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(form.topMostNow());
    EXPECT_TRUE(form.stayOnTop());
    EXPECT_FALSE(StayOnTopWindow::dialogSuspended());
}

TEST(WindowBases, NestedDialogsRestoreOnlyAfterTheLastAndKeepChangesMadeMeanwhile) {
    Options o;
    TestForm a(&o, "A"), b(&o, "B");
    a.show();
    b.show();
    a.setStayOnTop(true);
    {
        StayOnTopWindow::DialogGuard outer;
        {
            StayOnTopWindow::DialogGuard inner;
            EXPECT_FALSE(a.topMostNow());
            b.setStayOnTop(true);  // switched on while a dialog is open
            EXPECT_FALSE(b.topMostNow());
        }
        EXPECT_FALSE(a.topMostNow());
    }
    EXPECT_TRUE(a.topMostNow());
    EXPECT_TRUE(b.topMostNow());
    a.setStayOnTop(false);
    EXPECT_FALSE(a.topMostNow());
    EXPECT_FALSE(a.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(WindowBases, PlacementRoundTripThroughTheOptionSet) {
    Options o;
    {
        TestForm form(&o);
        form.resize(420, 310);
        form.show();
        form.move(60, 70);
        QApplication::processEvents();
        form.setStayOnTop(true);
        form.hide();  // a form without "Save Window State" saves when it goes
    }
    ASSERT_EQ(o.placements.count("TestWindow"), 1u);
    const WindowPlacement& p = o.placements["TestWindow"];
    EXPECT_EQ(*p.width, 420);
    EXPECT_EQ(*p.height, 310);
    EXPECT_EQ(*p.left, 60);
    EXPECT_EQ(*p.top, 70);
    EXPECT_TRUE(*p.stayOnTop);

    TestForm again(&o);
    again.resize(200, 150);
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.size(), QSize(420, 310));
    EXPECT_EQ(again.pos(), QPoint(60, 70));
    EXPECT_TRUE(again.stayOnTop());
    EXPECT_EQ(again.firstShows, 1);
    again.hide();
    again.show();
    EXPECT_EQ(again.firstShows, 1);

    o.autoSavePos = false;  // placements neither restored
    TestForm off(&o);
    off.resize(200, 150);
    off.show();
    QApplication::processEvents();
    EXPECT_EQ(off.size(), QSize(200, 150));
}

TEST(WindowBases, MaximisedWindowSavesItsNormalPlacement) {
    Options o;
    TestForm form(&o);
    form.resize(300, 200);
    form.show();
    form.move(40, 50);
    QApplication::processEvents();
    form.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(form.isMaximized());
    const WindowPlacement p = form.currentPlacement(WindowPlacement::All);
    EXPECT_EQ(*p.width, 300);
    EXPECT_EQ(*p.height, 200);
    EXPECT_EQ(*p.left, 40);
    EXPECT_EQ(*p.windowState, WindowPlacement::Maximized);
}

TEST(WindowBases, SaveWindowStateWritesTheKeysAtOnceAndOnlyWhenAsked) {
    QTemporaryDir dir;
    const std::string ini = QDir(dir.path()).filePath(QStringLiteral("sj.INI")).toStdString();
    PlacementWindow::setConfigFile(ini);
    Options o;
    TestForm form(&o, std::string(windowkeys::kDocumentSelector).c_str());
    form.SystemMenuExtras = PlacementWindow::SaveWindowStateItem;
    form.PlacementGroups = WindowPlacement::Size;
    form.resize(333, 222);
    form.show();
    form.hide();
    EXPECT_EQ(o.placements.count(std::string(windowkeys::kDocumentSelector)), 0u);
    ASSERT_TRUE(form.savePlacementNow());
    IniFile file(ini);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.readInteger("RestoreWindows", key(windowkeys::kDocumentSelector, "_Width"), 0), 333);
    EXPECT_FALSE(file.keyExists("RestoreWindows", key(windowkeys::kDocumentSelector, "_Left")));
    PlacementWindow::setConfigFile({});
}

TEST(WindowBases, SizeLocksPinTheDesignSize) {
    Options o;
    TestForm form(&o, "Locked");
    form.resize(250, 180);
    form.setSizeLocks(true, false);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.minimumWidth(), 250);
    EXPECT_EQ(form.maximumWidth(), 250);
    EXPECT_NE(form.maximumHeight(), 180);
}

class TrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<TestForm>(&o, "Main");
        main->resize(400, 300);
        tool = new QWidget(main.get(), Qt::Tool);
        tool->resize(100, 100);
        main->show();
        tool->show();
        tray = new TrayIcon(*main, QStringLiteral("Super Jotleaf"), QIcon());
        QApplication::processEvents();
    }
    void TearDown() override { TrayIcon::setTrayAvailableForTests(std::nullopt); }
    Options o;
    std::unique_ptr<TestForm> main;
    QWidget* tool;
    TrayIcon* tray;
};

TEST_F(TrayTest, WithoutANotificationAreaMinimisingStaysOrdinary) {
    TrayIcon::setTrayAvailableForTests(false);
    tray->setEnabled(true);
    EXPECT_FALSE(tray->hideToTray());
    main->showMinimized();
    QTest::qWait(20);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(tool->isVisible());
    EXPECT_FALSE(main->hiddenByUser());
}

TEST_F(TrayTest, MinimisingHidesTheWindowsAndAClickBringsThemBack) {
    TrayIcon::setTrayAvailableForTests(true);
    tray->setEnabled(true);
    EXPECT_TRUE(main->LivesInTray);
    EXPECT_EQ(tray->menu()->actions().at(0)->text(), QStringLiteral("&Show"));
    EXPECT_EQ(tray->menu()->actions().at(1)->text(), QStringLiteral("&Close Editor"));
    EXPECT_EQ(tray->icon()->toolTip(), QStringLiteral("Super Jotleaf"));
    main->showMinimized();
    QTest::qWait(20);
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(tool->isVisible());
    EXPECT_TRUE(tray->hidden());
    EXPECT_EQ(*main->currentPlacement(WindowPlacement::All).windowState, WindowPlacement::Minimized);
    emit tray->icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());
    EXPECT_TRUE(tool->isVisible());
    EXPECT_FALSE(tray->hidden());

    // The option switched off elsewhere is followed on the next state change.
    bool option = false;
    tray->followFlag(&option);
    main->showMinimized();
    QTest::qWait(20);
    EXPECT_FALSE(tray->enabled());
    EXPECT_TRUE(main->isVisible());
}

}  // namespace
}  // namespace sj
