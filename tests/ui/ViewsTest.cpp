#include "Views.h"

#include "Autoresizing.h"
#include "Images.h"
#include "KitTestSupport.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

using namespace kittest;

namespace {

TEST(Views, viewWithTagSearchesTheViewAndAllItsDescendantsDepthFirst) {
    QWidget root;
    auto* row = new QWidget(&root);
    auto* deep = new QLabel(row);
    auto* later = new QLabel(&root);
    setTag(deep, 96);
    setTag(later, 96);
    setTag(row, 5);
    EXPECT_EQ(viewWithTag(&root, 96), deep);
    EXPECT_EQ(viewWithTag<QLabel>(&root, 96), deep);
    EXPECT_EQ(viewWithTag(&root, 5), row);
    EXPECT_EQ(viewWithTag(row, 5), row) << "a view finds itself";
    EXPECT_EQ(viewWithTag(&root, 97), nullptr);
    EXPECT_EQ(viewWithTag(&root, 0), &root) << "untagged views have the tag 0";
    EXPECT_EQ(viewWithTag(nullptr, 1), nullptr);
}

// A row 320 points wide with the views of a currency row.
class AutoresizingTest : public ::testing::Test {
protected:
    void SetUp() override {
        row.resize(320, 44);
        const qreal w = row.width();
        code = new QWidget(&row);
        setFrame(code, QRectF(30, 5, (w - 30) / 2, 22));
        rate = new QWidget(&row);
        setFrame(rate, QRectF(w - 130, 5, 120, 22));
        Autoresizing::setMask(rate, Autoresizing::FlexibleLeftMargin);
        stretch = new QWidget(&row);
        setFrame(stretch, QRectF(10, 0, w - 20, 44));
        Autoresizing::setMask(stretch, Autoresizing::FlexibleWidth | Autoresizing::FlexibleHeight);
    }

    QWidget row;
    QWidget* code = nullptr;
    QWidget* rate = nullptr;
    QWidget* stretch = nullptr;
};

TEST_F(AutoresizingTest, flexibleLeftMarginKeepsTheDistanceToTheRightEdge) {
    row.show();
    row.resize(400, 44);
    ASSERT_TRUE(waitUntil([&] { return rate->x() != 190; }));
    EXPECT_EQ(rate->geometry(), QRect(270, 5, 120, 22));
    EXPECT_EQ(code->geometry(), QRect(30, 5, 145, 22)) << "no mask: the frame stays";
    EXPECT_EQ(stretch->geometry(), QRect(10, 0, 380, 44));

    row.resize(250, 60);
    ASSERT_TRUE(waitUntil([&] { return rate->x() == 120; }));
    EXPECT_EQ(rate->geometry(), QRect(120, 5, 120, 22));
    EXPECT_EQ(stretch->geometry(), QRect(10, 0, 230, 60));
}

TEST_F(AutoresizingTest, resizesMadeWhileHiddenCountWhenShownOrLaidOut) {
    row.resize(500, 44); // hidden: Qt holds the resize event back until it is shown
    row.resize(600, 44);
    Autoresizing::layoutChildren(&row);
    EXPECT_EQ(rate->geometry(), QRect(470, 5, 120, 22));
    row.show();
    EXPECT_EQ(rate->geometry(), QRect(470, 5, 120, 22)) << "applied once, not twice";
}

TEST(Autoresizing, fillParentKeepsAChildOverItsWholeParent) {
    QWidget parent;
    parent.resize(200, 100);
    auto* child = new QWidget(&parent);
    Autoresizing::fillParent(child);
    parent.show();
    EXPECT_EQ(child->geometry(), QRect(0, 0, 200, 100));
    parent.resize(300, 420);
    ASSERT_TRUE(waitUntil([&] { return child->size() == QSize(300, 420); }));
}

// Pictures are decoded by the program itself: each shipped one as Qt's reader sees it, with the density
// of its variant; a damaged or missing one is a null pixmap.
TEST(Images, readEveryShippedPictureAsQtDoesAndRefuseDamagedOnes) {
    const QDir resources(QStringLiteral(RATEPAD_SOURCE_DIR "/resources"));
    const QStringList pictures = resources.entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_FALSE(pictures.isEmpty());
    for (const QString& name : pictures) {
        const QString path = resources.filePath(name);
        const QPixmap read = Images::named(path, 1);
        EXPECT_EQ(read.toImage(), QPixmap::fromImage(QImage(path)).toImage()) << name.toStdString();
    }
    const QPixmap dense = Images::named(resources.filePath(QStringLiteral("background.png")), 2);
    EXPECT_EQ(dense.devicePixelRatio(), 2);
    EXPECT_EQ(dense.toImage(),
              QPixmap::fromImage(QImage(resources.filePath(QStringLiteral("background@2x.png")))).toImage());

    QTemporaryDir dir;
    QFile whole(resources.filePath(QStringLiteral("checkmark.png")));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath(QStringLiteral("cut.png")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.readAll().chopped(40));
    cut.close();
    EXPECT_TRUE(Images::named(cut.fileName(), 1).isNull());
    EXPECT_TRUE(Images::named(dir.filePath(QStringLiteral("absent.png")), 1).isNull());
}

} // namespace
