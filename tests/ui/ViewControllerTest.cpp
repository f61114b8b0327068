#include "AppWindow.h"
#include "BarButton.h"
#include "BarButtonItem.h"
#include "KitTestSupport.h"
#include "NavigationBar.h"
#include "NavigationController.h"
#include "NavigationItem.h"
#include "TabBar.h"
#include "TabBarButton.h"
#include "TabBarController.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace kittest;

namespace {

// Tabs: a navigation stack with the screen "list", and the screen "other".
class ModalPresentationTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto listScreen = journalled("list", &journal);
        list = listScreen.get();
        std::vector<std::unique_ptr<ViewController>> tabs;
        tabs.push_back(std::make_unique<NavigationController>(std::move(listScreen)));
        tabs.push_back(journalled("other", &journal));
        tabBarController.setViewControllers(std::move(tabs));
        window.setRootViewController(&tabBarController);
        window.makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        journal.clear();
    }
    void TearDown() override { window.setRootViewController(nullptr); }

    QRect frameInWindow(QWidget* widget) const {
        return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
    }

    QStringList journal;
    TabBarController tabBarController;
    AppWindow window;
    ViewController* list = nullptr;
};

TEST_F(ModalPresentationTest, presentedScreenCoversTheTabBarAndThePresenterAppearsAgainAfterwards) {
    list->presentModalViewController(journalled("picker", &journal), true);
    QPointer<ViewController> picker = tabBarController.modalViewController();
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->presentingViewController(), &tabBarController);
    EXPECT_EQ(joined(journal), "picker:didLoad, list:willDisappear, picker:willAppear");
    ASSERT_TRUE(waitUntil([&] { return journal.size() == 5; }));
    EXPECT_EQ(joined(journal.mid(3)), "list:didDisappear, picker:didAppear");
    EXPECT_EQ(frameInWindow(picker->view()), QRect(0, 20, 320, 460));

    // A click where the tab bar was reaches the presented screen, not the tabs.
    const QPoint secondTab = tabBarController.tabBar()->buttonAt(1)->geometry().center() +
                             tabBarController.tabBar()->mapTo(&window, QPoint(0, 0));
    QWidget* hit = clickAt(&window, secondTab);
    EXPECT_TRUE(hit == picker->view() || picker->view()->isAncestorOf(hit));
    EXPECT_EQ(tabBarController.selectedIndex(), 0);

    journal.clear();
    picker->dismissModalViewControllerAnimated(true);
    EXPECT_EQ(tabBarController.modalViewController(), nullptr);
    EXPECT_EQ(joined(journal), "picker:willDisappear, list:willAppear");
    ASSERT_TRUE(waitUntil([&] { return picker.isNull(); }));
    EXPECT_EQ(joined(journal),
              "picker:willDisappear, list:willAppear, picker:didDisappear, list:didAppear, picker:destroyed");
    EXPECT_TRUE(list->view()->isVisible());
    EXPECT_TRUE(tabBarController.tabBar()->isVisible());
}

TEST_F(ModalPresentationTest, presentedScreenMayDismissItselfFromItsOwnButton) {
    auto picker = journalled("picker", &journal);
    auto* cancel = new QPushButton("Cancel", picker->view());
    cancel->setGeometry(10, 10, 100, 40);
    QObject::connect(cancel, &QPushButton::clicked, picker.get(),
                     [p = picker.get()] { p->dismissModalViewControllerAnimated(false); });
    QPointer<ViewController> presented = picker.get();
    list->presentModalViewController(std::move(picker), false);
    EXPECT_EQ(joined(journal), "picker:didLoad, list:willDisappear, picker:willAppear, list:didDisappear, "
                               "picker:didAppear");
    journal.clear();
    click(cancel);
    EXPECT_EQ(joined(journal), "picker:willDisappear, list:willAppear, picker:didDisappear, list:didAppear");
    ASSERT_TRUE(waitUntil([&] { return presented.isNull(); }));
}

TEST_F(ModalPresentationTest, aSecondPresentationGoesOverTheFirst) {
    list->presentModalViewController(journalled("picker", &journal), false);
    ViewController* picker = tabBarController.modalViewController();
    list->presentModalViewController(journalled("editor", &journal), false);
    ViewController* editor = picker->modalViewController();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->presentingViewController(), picker);
    QPointer<ViewController> gone = editor;
    editor->dismissModalViewControllerAnimated(false);
    EXPECT_EQ(tabBarController.modalViewController(), picker) << "only the top one is dismissed";
    ASSERT_TRUE(waitUntil([&] { return gone.isNull(); }));
    EXPECT_TRUE(picker->view()->isVisible());
}

TEST(ViewControllerEditing, editButtonInTheBarTogglesEditingAndItsTitle) {
    auto screen = std::make_unique<ViewController>();
    ViewController* list = screen.get();
    list->navigationItem()->setRightBarButtonItem(list->editButtonItem());
    NavigationController navigation(std::move(screen));
    AppWindow window;
    window.setRootViewController(&navigation);
    window.makeKeyAndVisible();
    QSignalSpy editing(list, &ViewController::editingChanged);

    click(navigation.navigationBar()->rightButton());
    EXPECT_TRUE(list->isEditing());
    EXPECT_EQ(navigation.navigationBar()->rightButton()->text(), "Done");
    EXPECT_EQ(list->editButtonItem()->style(), BarButtonItem::Style::Done);
    click(navigation.navigationBar()->rightButton());
    EXPECT_FALSE(list->isEditing());
    EXPECT_EQ(navigation.navigationBar()->rightButton()->text(), "Edit");

    list->setEditing(false); // every set is announced, also an unchanged one
    ASSERT_EQ(editing.size(), 3);
    EXPECT_EQ(editing[0][0].toBool(), true);
    EXPECT_EQ(editing[2][0].toBool(), false);
    window.setRootViewController(nullptr);
}

} // namespace
