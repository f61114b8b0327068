#include "NavigationController.h"

#include "AppWindow.h"
#include "BarButton.h"
#include "BarButtonItem.h"
#include "KitTestSupport.h"
#include "NavigationBar.h"
#include "NavigationItem.h"

#include <QPointer>

using namespace kittest;

namespace {

class NavigationControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto root = journalled("root", &journal);
        rootController = root.get();
        navigation = std::make_unique<NavigationController>(std::move(root));
        window.setRootViewController(navigation.get());
        window.makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QStringList journal;
    AppWindow window;
    std::unique_ptr<NavigationController> navigation;
    ViewController* rootController = nullptr;
};

TEST_F(NavigationControllerTest, rootAppearsWhenTheWindowIsShownAndFillsTheAreaUnderTheBar) {
    EXPECT_EQ(joined(journal), "root:didLoad, root:willAppear, root:didAppear");
    const QRect rootFrame(rootController->view()->mapTo(&window, QPoint(0, 0)),
                          rootController->view()->size());
    EXPECT_EQ(rootFrame, QRect(0, 20 + 44, 320, 480 - 20 - 44));
    EXPECT_EQ(navigation->navigationBar()->title(), "root");
    EXPECT_EQ(navigation->navigationBar()->backButton(), nullptr);
}

TEST_F(NavigationControllerTest, pushAndPopSendTheHooksInOrderAndDeleteThePoppedScreen) {
    journal.clear();
    navigation->pushViewController(journalled("second", &journal), true);
    QPointer<ViewController> second = navigation->topViewController();
    EXPECT_EQ(second->parentViewController(), navigation.get());
    EXPECT_EQ(second->navigationController(), navigation.get());
    EXPECT_EQ(joined(journal), "second:didLoad, root:willDisappear, second:willAppear");
    ASSERT_TRUE(waitUntil([&] { return journal.size() == 5; }));
    EXPECT_EQ(joined(journal.mid(3)), "root:didDisappear, second:didAppear");
    EXPECT_FALSE(rootController->view()->isVisible());
    EXPECT_EQ(second->view()->geometry(), second->view()->parentWidget()->rect());
    EXPECT_EQ(navigation->viewControllers(), (QList<ViewController*>{rootController, second.data()}));

    journal.clear();
    EXPECT_TRUE(navigation->popViewControllerAnimated(true));
    EXPECT_EQ(navigation->topViewController(), rootController);
    EXPECT_EQ(joined(journal), "second:willDisappear, root:willAppear");
    ASSERT_TRUE(waitUntil([&] { return second.isNull(); }));
    EXPECT_EQ(joined(journal),
              "second:willDisappear, root:willAppear, second:didDisappear, root:didAppear, second:destroyed");
    EXPECT_TRUE(rootController->view()->isVisible());
    EXPECT_EQ(rootController->view()->pos(), QPoint(0, 0));

    EXPECT_FALSE(navigation->popViewControllerAnimated(false)) << "the root is never popped";
    EXPECT_EQ(navigation->viewControllers().size(), 1);
}

TEST_F(NavigationControllerTest, aPushOrPopDuringASlideFinishesTheSlideFirst) {
    navigation->pushViewController(journalled("second", &journal), true);
    QPointer<ViewController> second = navigation->topViewController();
    navigation->pushViewController(journalled("third", &journal), true);
    QPointer<ViewController> third = navigation->topViewController();
    navigation->popViewControllerAnimated(true);
    ASSERT_TRUE(waitUntil([&] { return third.isNull(); }));
    journal.removeAll("root:didLoad");
    journal.removeAll("root:willAppear");
    journal.removeAll("root:didAppear");
    EXPECT_EQ(joined(journal), "second:didLoad, root:willDisappear, second:willAppear, "
                               "root:didDisappear, second:didAppear, "
                               "third:didLoad, second:willDisappear, third:willAppear, "
                               "second:didDisappear, third:didAppear, "
                               "third:willDisappear, second:willAppear, "
                               "third:didDisappear, second:didAppear, third:destroyed");
    EXPECT_EQ(navigation->topViewController(), second.data());
    EXPECT_TRUE(second->view()->isVisible());
    EXPECT_EQ(second->view()->pos(), QPoint(0, 0));
}

TEST_F(NavigationControllerTest, barShowsTheTopScreensItemsAndTheBackButtonPops) {
    auto second = journalled("second", &journal);
    int saves = 0;
    auto* save = new BarButtonItem(BarButtonItem::SystemItem::Save);
    QObject::connect(save, &BarButtonItem::triggered, [&] { ++saves; });
    second->navigationItem()->setRightBarButtonItem(save);
    second->navigationItem()->setTitle("Foreign Currency");
    QPointer<ViewController> pushed = second.get();
    navigation->pushViewController(std::move(second), false);

    NavigationBar* bar = navigation->navigationBar();
    EXPECT_EQ(bar->title(), "Foreign Currency");
    ASSERT_TRUE(bar->rightButton());
    EXPECT_EQ(bar->rightButton()->text(), "Save");
    click(bar->rightButton());
    EXPECT_EQ(saves, 1);
    save->setEnabled(false);
    click(bar->rightButton());
    EXPECT_EQ(saves, 1) << "a disabled item does not trigger";

    ASSERT_TRUE(bar->backButton());
    EXPECT_EQ(bar->backButton()->text(), "root");
    click(bar->backButton());
    EXPECT_EQ(navigation->topViewController(), rootController);
    ASSERT_TRUE(waitUntil([&] { return pushed.isNull(); }));
    EXPECT_EQ(bar->backButton(), nullptr);
    EXPECT_EQ(bar->rightButton(), nullptr);
    EXPECT_EQ(bar->title(), "root");
}

TEST_F(NavigationControllerTest, backButtonSaysBackWhenThePreviousTitleIsMissingOrTooLong) {
    rootController->setTitle({});
    navigation->pushViewController(journalled("second", &journal), false);
    ASSERT_TRUE(navigation->navigationBar()->backButton());
    EXPECT_EQ(navigation->navigationBar()->backButton()->text(), "Back");

    navigation->topViewController()->setTitle("Select a Foreign Currency");
    navigation->pushViewController(journalled("third", &journal), false);
    BarButton* back = navigation->navigationBar()->backButton();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text(), "Back");
    EXPECT_EQ(back->accessibleName(), "Select a Foreign Currency");
    EXPECT_LE(back->width(), navigation->navigationBar()->width() / 3);

    window.resize(900, 480);
    ASSERT_TRUE(waitUntil([&] { return navigation->navigationBar()->width() == 900; }));
    EXPECT_EQ(navigation->navigationBar()->backButton()->text(), "Select a Foreign Currency");
}

TEST(NavigationControllerOffScreen, sendsNoHooksUntilItIsShownThenOnlyToItsTopScreen) {
    QStringList journal;
    NavigationController navigation(journalled("root", &journal));
    navigation.pushViewController(journalled("second", &journal), true);
    navigation.view();
    EXPECT_EQ(joined(journal), "second:didLoad") << "only the top screen's view is needed";

    AppWindow window;
    window.makeKeyAndVisible();
    journal.clear();
    window.setRootViewController(&navigation);
    EXPECT_EQ(joined(journal), "second:willAppear, second:didAppear");
    window.setRootViewController(nullptr);
}

} // namespace

TEST_F(NavigationControllerTest, anEditButtonBecomingDoneIsMeasuredAgain) {
    rootController->navigationItem()->setRightBarButtonItem(rootController->editButtonItem());
    NavigationBar* bar = navigation->navigationBar();
    ASSERT_TRUE(bar->rightButton());
    rootController->setEditing(true);
    // The bold, wider "Done" must fit whole in the place "Edit" had.
    BarButton* done = bar->rightButton();
    ASSERT_TRUE(done);
    EXPECT_EQ(done->text(), "Done");
    EXPECT_GE(done->width(), done->sizeHint().width());
}
