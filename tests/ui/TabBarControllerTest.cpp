#include "TabBarController.h"

#include "AlertView.h"
#include "AppWindow.h"
#include "Icons.h"
#include "KitTestSupport.h"
#include "TabBar.h"
#include "TabBarButton.h"
#include "TabBarItem.h"

#include <QApplication>

using namespace kittest;

namespace {

class TabBarControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::unique_ptr<ViewController>> tabs;
        for (const char* name : {"one", "two", "three"}) {
            auto tab = journalled(QString::fromLatin1(name), &journal);
            tab->tabBarItem()->setIcon(Icons::more());
            controllers.append(tab.get());
            tabs.push_back(std::move(tab));
        }
        tabBarController.setViewControllers(std::move(tabs));
        window.setRootViewController(&tabBarController);
        window.makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { window.setRootViewController(nullptr); }

    QStringList journal;
    TabBarController tabBarController;
    AppWindow window;
    QList<ViewController*> controllers;
};

TEST_F(TabBarControllerTest, onlyTheFirstTabIsLoadedAndShownAboveTheTabBar) {
    EXPECT_EQ(joined(journal), "one:didLoad, one:willAppear, one:didAppear");
    EXPECT_FALSE(controllers[1]->isViewLoaded());
    EXPECT_EQ(tabBarController.selectedViewController(), controllers[0]);
    EXPECT_EQ(controllers[0]->tabBarController(), &tabBarController);

    TabBar* bar = tabBarController.tabBar();
    EXPECT_EQ(QRect(bar->mapTo(&window, QPoint(0, 0)), bar->size()), QRect(0, 480 - 49, 320, 49));
    QWidget* shown = controllers[0]->view();
    EXPECT_EQ(QRect(shown->mapTo(&window, QPoint(0, 0)), shown->size()), QRect(0, 20, 320, 480 - 20 - 49));
    ASSERT_EQ(bar->count(), 3);
    EXPECT_TRUE(bar->buttonAt(0)->isChecked());
    EXPECT_EQ(bar->buttonAt(2)->accessibleName(), "three");
}

TEST_F(TabBarControllerTest, clickingATabSelectsItAndMovesTheHooks) {
    journal.clear();
    click(tabBarController.tabBar()->buttonAt(1));
    EXPECT_EQ(tabBarController.selectedIndex(), 1);
    EXPECT_EQ(joined(journal),
              "two:didLoad, one:willDisappear, two:willAppear, one:didDisappear, two:didAppear");
    EXPECT_TRUE(controllers[1]->view()->isVisible());
    EXPECT_FALSE(controllers[0]->view()->isVisible());
    EXPECT_TRUE(tabBarController.tabBar()->buttonAt(1)->isChecked());
    EXPECT_FALSE(tabBarController.tabBar()->buttonAt(0)->isChecked());

    journal.clear();
    click(tabBarController.tabBar()->buttonAt(1));
    EXPECT_TRUE(journal.isEmpty()) << "the tab already shown does not appear again";

    tabBarController.setSelectedIndex(0);
    EXPECT_EQ(joined(journal), "two:willDisappear, one:willAppear, two:didDisappear, one:didAppear");
    EXPECT_TRUE(tabBarController.tabBar()->buttonAt(0)->isChecked());

    journal.clear();
    tabBarController.setSelectedIndex(3);
    tabBarController.setSelectedIndex(-1);
    EXPECT_EQ(tabBarController.selectedIndex(), 0);
    EXPECT_TRUE(journal.isEmpty());
}

TEST_F(TabBarControllerTest, keysStepThroughTheTabsOrOpenOneAndTheTooltipsNameThem) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &window, key, modifiers);
        return tabBarController.selectedIndex();
    };
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 1);
    EXPECT_EQ(press(Qt::Key_PageDown, Qt::ControlModifier), 2);
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 0) << "round to the first";
    EXPECT_EQ(press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), 2);
    EXPECT_EQ(press(Qt::Key_PageUp, Qt::ControlModifier), 1);
    EXPECT_EQ(press(Qt::Key_1, Qt::AltModifier), 0);
    EXPECT_EQ(press(Qt::Key_3, Qt::AltModifier), 2);
    EXPECT_EQ(press(Qt::Key_4, Qt::AltModifier), 2) << "there is no fourth tab";
    EXPECT_TRUE(controllers[2]->view()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == controllers[2]->view());

    const QString tip = tabBarController.tabBar()->buttonAt(1)->toolTip();
    for (const char* part : {"two", "Alt+2", "Ctrl+Tab", "Ctrl+Shift+Tab"})
        EXPECT_TRUE(tip.contains(QLatin1String(part))) << tip.toStdString();

    // Not while an alert waits for an answer, nor while a screen is presented over the tabs.
    auto made = std::make_unique<AlertView>("Title", "Message");
    made->addButtonWithTitle("OK");
    QPointer<AlertView> alert = AlertView::present(std::move(made), &window);
    ASSERT_TRUE(waitUntil([&] {
        QWidget* focused = QApplication::focusWidget();
        return alert && focused && (focused == alert || alert->isAncestorOf(focused));
    }));
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 2);
    alert->dismissWithClickedButtonIndex(0, false);
    tabBarController.presentModalViewController(journalled("modal", &journal), false);
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 2);
    EXPECT_EQ(press(Qt::Key_1, Qt::AltModifier), 2);
}

TEST_F(TabBarControllerTest, aTabFollowsTheWindowWhenItIsResized) {
    window.resize(400, 600);
    ASSERT_TRUE(waitUntil([&] { return controllers[0]->view()->width() == 400; }));
    QWidget* shown = controllers[0]->view();
    EXPECT_EQ(QRect(shown->mapTo(&window, QPoint(0, 0)), shown->size()), QRect(0, 20, 400, 600 - 20 - 49));
    click(tabBarController.tabBar()->buttonAt(2));
    shown = controllers[2]->view();
    EXPECT_EQ(QRect(shown->mapTo(&window, QPoint(0, 0)), shown->size()), QRect(0, 20, 400, 600 - 20 - 49));
}

TEST_F(TabBarControllerTest, replacingTheTabsDeletesTheOldOnes) {
    QPointer<ViewController> old = controllers[0];
    std::vector<std::unique_ptr<ViewController>> tabs;
    tabs.push_back(journalled("new", &journal));
    journal.clear();
    tabBarController.setViewControllers(std::move(tabs));
    EXPECT_EQ(joined(journal),
              "one:willDisappear, one:didDisappear, new:didLoad, new:willAppear, new:didAppear");
    ASSERT_TRUE(waitUntil([&] { return old.isNull(); }));
    EXPECT_EQ(tabBarController.tabBar()->count(), 1);
}

} // namespace
