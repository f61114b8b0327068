#include "AppWindow.h"

#include "ActivityIndicator.h"
#include "KitTestSupport.h"
#include "StatusStrip.h"

using namespace kittest;

namespace {

TEST(AppWindow, networkActivityIndicatorSpinsInTheStatusStripOnlyWhileVisible) {
    AppWindow window;
    window.makeKeyAndVisible();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ActivityIndicator* indicator = window.networkActivityIndicator();
    EXPECT_FALSE(indicator->isVisible());

    window.setNetworkActivityIndicatorVisible(true);
    EXPECT_TRUE(window.isNetworkActivityIndicatorVisible());
    EXPECT_TRUE(indicator->isVisible());
    EXPECT_TRUE(window.statusStrip()->geometry().contains(
        QRect(indicator->mapTo(&window, QPoint(0, 0)), indicator->size())));
    const QImage before = indicator->grab().toImage();
    ASSERT_TRUE(waitUntil([&] { return indicator->grab().toImage() != before; })) << "it turns";

    window.setNetworkActivityIndicatorVisible(true); // twice on, once off: the indicator is a switch
    window.setNetworkActivityIndicatorVisible(false);
    EXPECT_FALSE(window.isNetworkActivityIndicatorVisible());
    EXPECT_FALSE(indicator->isVisible());
    EXPECT_FALSE(indicator->isAnimating());
}

TEST(AppWindow, isPhoneSizedAndTheContentFollowsAResize) {
    AppWindow window;
    auto* page = new QWidget;
    window.addSubview(page);
    window.makeKeyAndVisible();
    EXPECT_EQ(window.size(), QSize(320, 480));
    EXPECT_EQ(window.statusStrip()->geometry(), QRect(0, 0, 320, 20));
    EXPECT_EQ(page->geometry(), QRect(0, 0, 320, 460));
    EXPECT_EQ(AppWindow::keyWindow(), &window);

    window.resize(360, 640);
    ASSERT_TRUE(waitUntil([&] { return page->size() == QSize(360, 620); }));
    EXPECT_EQ(page->mapTo(&window, QPoint(0, 0)), QPoint(0, 20));
}

} // namespace
