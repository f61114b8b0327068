#include "Animations.h"

#include "KitTestSupport.h"
#include "OpenURL.h"

#include <QDesktopServices>
#include <QGraphicsEffect>

using namespace kittest;

namespace {

class AnimationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 200);
        key = new QWidget(&window);
        key->setGeometry(10, 10, 80, 60);
        window.show();
    }

    QWidget window;
    QWidget* key = nullptr;
};

TEST_F(AnimationsTest, fadeAndShrinkAboutTheCentreThenRestoreExactly) {
    QList<bool> ends;
    Animations::fadeAndShrink(key, 100, 0.7, [&](bool finished) { ends.append(finished); });
    EXPECT_TRUE(Animations::isAnimating(key));
    ASSERT_TRUE(waitUntil([&] { return !ends.isEmpty(); }));
    EXPECT_EQ(ends, QList<bool>{true});
    EXPECT_DOUBLE_EQ(Animations::opacity(key), 0.0);
    EXPECT_EQ(key->geometry(), QRect(22, 19, 56, 42)) << "0.7 of 80 x 60, same centre";

    Animations::restore(key, 100, [&](bool finished) { ends.append(finished); });
    ASSERT_TRUE(waitUntil([&] { return ends.size() == 2; }));
    EXPECT_EQ(ends.last(), true);
    EXPECT_EQ(key->geometry(), QRect(10, 10, 80, 60));
    EXPECT_DOUBLE_EQ(Animations::opacity(key), 1.0);
    EXPECT_EQ(key->graphicsEffect(), nullptr) << "an opaque widget paints directly again";
}

TEST_F(AnimationsTest, aNewAnimationStopsTheRunningOneAndStartsFromWhereItWas) {
    QStringList ends;
    Animations::fadeAndShrink(key, 2000, 0.5,
                              [&](bool finished) { ends.append(finished ? "fade done" : "fade cut"); });
    ASSERT_TRUE(waitUntil([&] { return key->width() < 78; }));
    const qreal partway = Animations::opacity(key);
    EXPECT_GT(partway, 0.0);
    EXPECT_LT(partway, 1.0);
    Animations::restore(key, 50,
                        [&](bool finished) { ends.append(finished ? "restore done" : "restore cut"); });
    EXPECT_EQ(joined(ends), "fade cut");
    ASSERT_TRUE(waitUntil([&] { return ends.size() == 2; }));
    EXPECT_EQ(joined(ends), "fade cut, restore done");
    EXPECT_EQ(key->geometry(), QRect(10, 10, 80, 60));
    EXPECT_DOUBLE_EQ(Animations::opacity(key), 1.0);
}

class UrlCatcher final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

TEST(OpenURL, handsTheUrlToTheDesktopAndRefusesEmptyOnes) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("ratepad-test", &catcher, "open");
    EXPECT_TRUE(openURL(QUrl("ratepad-test://store/app/ratepad")));
    EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl("ratepad-test://store/app/ratepad")});
    EXPECT_FALSE(openURL(QUrl()));
    EXPECT_EQ(catcher.urls.size(), 1);
    QDesktopServices::unsetUrlHandler("ratepad-test");
}

} // namespace

#include "AnimationsTest.moc"
