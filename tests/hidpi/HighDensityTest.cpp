// The real window on a screen of twice the density (QT_SCALE_FACTOR=2, set before the application
// starts): every tab is grabbed at 640 x 960 pixels, and every picture on it brings at least two
// pixels per point, so nothing is a small bitmap scaled up.
#include "AppDelegate.h"
#include "AppWindow.h"
#include "ConverterView.h"
#include "ImageView.h"
#include "TabBarController.h"
#include "TabBarItem.h"
#include "TempConfig.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr qreal kDensity = 2.0;

TEST(HighDensity, everyTabIsGrabbedAtTwiceTheSizeWithEveryPictureDrawnFromItsOwnPixels) {
    ASSERT_EQ(qApp->devicePixelRatio(), kDensity);
    TempConfig config;
    AppDelegate delegate({config.preferencesPath(), "127.0.0.1:1", ""});
    delegate.applicationDidFinishLaunching();
    TabBarController* tabs = delegate.tabBarController();
    const QString folder = QDir::current().filePath(QStringLiteral("screenshots-2x"));
    const QStringList shots = delegate.saveScreenshots(folder);
    ASSERT_EQ(shots.size(), tabs->viewControllers().size() + 1) << "every tab and the picker";
    for (const QString& shot : shots)
        EXPECT_EQ(QImage(shot).size(), QSize(640, 960)) << shot.toStdString();

    for (int i = 0; i < tabs->viewControllers().size(); ++i) {
        tabs->setSelectedIndex(i);
        QCoreApplication::processEvents();
        const QSize iconSize(30, 30);
        const QPixmap icon = tabs->viewControllers()[i]->tabBarItem()->icon().pixmap(iconSize, kDensity);
        EXPECT_EQ(icon.size(), iconSize * kDensity) << "tab " << i;
        for (const ImageView* view : delegate.window()->findChildren<ImageView*>()) {
            if (!view->isVisible() || view->image().isNull())
                continue;
            const QSizeF drawn = view->imageRect().size() * kDensity;
            EXPECT_GE(view->image().width(), drawn.width() - 0.5)
                << "tab " << i << ": " << view->objectName().toStdString();
            EXPECT_GE(view->image().height(), drawn.height() - 0.5);
        }
        for (const ConverterView* view : delegate.window()->findChildren<ConverterView*>())
            EXPECT_GE(view->backgroundPattern().devicePixelRatio(), kDensity);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kDensity));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
