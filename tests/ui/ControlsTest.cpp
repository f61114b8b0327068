#include "BarButton.h"
#include "Button.h"
#include "CutTexts.h"
#include "ImageView.h"
#include "KitTestSupport.h"
#include "Label.h"
#include "Switch.h"
#include "Views.h"

#include <QSignalSpy>

using namespace kittest;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 200);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
};

TEST_F(ControlsTest, switchFlipsByClickAndSpaceButNotBySetOnAnnouncements) {
    auto* toggle = new Switch(&window);
    setFrame(toggle, QRectF(220, 7, 160, 32));
    toggle->show();
    EXPECT_EQ(toggle->geometry(), QRect(220, 7, 51, 31)) << "keeps its own size and its left edge";

    QSignalSpy values(toggle, &Switch::valueChanged);
    click(toggle);
    EXPECT_TRUE(toggle->isOn());
    click(toggle);
    EXPECT_FALSE(toggle->isOn());
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_TRUE(toggle->isOn());
    ASSERT_EQ(values.size(), 3);
    EXPECT_EQ(values[0][0].toBool(), true);
    EXPECT_EQ(values[1][0].toBool(), false);
    EXPECT_EQ(values[2][0].toBool(), true);

    toggle->setOn(false, true);
    toggle->setOn(true);
    toggle->setOn(false);
    EXPECT_FALSE(toggle->isOn());
    EXPECT_EQ(values.size(), 3) << "the program's own changes are not the user's";

    toggle->setEnabled(false);
    click(toggle);
    EXPECT_FALSE(toggle->isOn());
}

TEST_F(ControlsTest, switchDrawsOnAndOffDifferently) {
    auto* toggle = new Switch(&window);
    toggle->show();
    const QImage off = toggle->grab().toImage();
    toggle->setOn(true);
    const QImage on = toggle->grab().toImage();
    EXPECT_NE(off, on);
    // On: the track is green near the left end, where the knob was.
    const QColor left = on.pixelColor(on.width() / 5, on.height() / 2);
    EXPECT_GT(left.green(), left.red() + 40);
}

TEST_F(ControlsTest, buttonClicksAndLooksPressedWhileHeldDown) {
    auto* key = new Button("7", &window);
    key->setTag(7);
    key->setGeometry(10, 10, 80, 54);
    key->setBackgroundColor(Qt::white);
    key->show();
    QSignalSpy clicks(key, &QAbstractButton::clicked);
    EXPECT_EQ(viewWithTag(&window, 7), key);
    EXPECT_EQ(key->accessibleName().isEmpty() ? key->text() : key->accessibleName(), "7");

    const QImage up = key->grab().toImage();
    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(40, 27));
    EXPECT_TRUE(key->isDown());
    const QImage down = key->grab().toImage();
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(40, 27));
    EXPECT_NE(up, down);
    EXPECT_LT(down.pixelColor(5, 27).lightness(), up.pixelColor(5, 27).lightness());
    EXPECT_EQ(clicks.size(), 1);
    click(key);
    EXPECT_EQ(clicks.size(), 2);
}

TEST_F(ControlsTest, labelShrinksItsFontDownToTheMinimumThenElides) {
    auto* label = new Label(&window);
    label->setGeometry(10, 10, 120, 22);
    label->setFont(QFont(label->font().family(), -1, QFont::Bold));
    QFont font = label->font();
    font.setPixelSize(18);
    label->setFont(font);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumFontSize(10);
    label->show();
    const QFontMetricsF at18(font);

    label->setText("1.58520");
    EXPECT_EQ(label->displayedFont().pixelSize(), 18);
    EXPECT_EQ(label->displayedText(), "1.58520");

    QString medium = "1234567";
    while (at18.horizontalAdvance(medium) <= 140)
        medium += '0';
    label->setText(medium);
    EXPECT_LT(label->displayedFont().pixelSize(), 18);
    EXPECT_GE(label->displayedFont().pixelSize(), 10);
    EXPECT_EQ(label->displayedText(), medium) << "shrunk, not cut";
    EXPECT_FALSE(label->isElided());
    EXPECT_LE(QFontMetricsF(label->displayedFont()).horizontalAdvance(medium), 120);

    const QString huge = QString(60, u'8');
    label->setText(huge);
    EXPECT_EQ(label->displayedFont().pixelSize(), 10);
    EXPECT_TRUE(label->displayedText().endsWith(u'…'));
    EXPECT_TRUE(label->isElided());
    EXPECT_LE(QFontMetricsF(label->displayedFont()).horizontalAdvance(label->displayedText()), 120);

    label->setAdjustsFontSizeToFitWidth(false);
    EXPECT_EQ(label->displayedFont().pixelSize(), 18);
    EXPECT_TRUE(label->displayedText().endsWith(u'…'));

    label->resize(1000, 22); // room enough again
    EXPECT_EQ(label->displayedText(), huge);
    EXPECT_FALSE(label->isElided());
}

TEST_F(ControlsTest, cutTextsNamesEveryControlTooSmallForItsTextButNotDataThatMayEndInAnEllipsis) {
    const QString text = QStringLiteral("Too long for this");
    auto* button = new Button(text, &window);
    auto* barButton = new BarButton(text, &window);
    auto* wrapped = new Label(text, &window);
    wrapped->setWordWrap(true);
    auto* data = new Label(text, &window);
    data->setMayElide(true);
    const QList<QWidget*> controls{button, barButton, wrapped, data};
    for (QWidget* control : controls) {
        control->setGeometry(0, 0, 60, 20);
        control->show();
    }
    EXPECT_EQ(cutTexts(&window), QStringList({"button: " + text, "bar button: " + text, "label: " + text}));
    for (QWidget* control : controls)
        control->setGeometry(0, 0, 310, 120);
    EXPECT_EQ(cutTexts(&window), QStringList());
}

TEST_F(ControlsTest, labelDrawsWithTheHighlightedColourWhenHighlighted) {
    auto* label = new Label("MMMM", &window);
    label->setGeometry(0, 0, 100, 30);
    label->setTextColor(Qt::black);
    label->setHighlightedTextColor(Qt::red);
    label->show();
    auto hasReddish = [&] {
        const QImage image = label->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100)
                    return true;
            }
        return false;
    };
    EXPECT_FALSE(hasReddish());
    label->setHighlighted(true);
    EXPECT_TRUE(hasReddish());
}

TEST_F(ControlsTest, aLabelWhoseTextStartsRightToLeftReadsRightToLeftWhereItsAlignmentPutsIt) {
    // An Arabic date ("8<RLM>/12<RLM>/2026، 9:29 ص") reads right to left from its first strong
    // character on: its day stands at the right, so "8<RLM>/12" must look like "12/8", at either edge.
    const auto drawn = [&](const QString& text, Qt::Alignment alignment) {
        Label label(text, &window);
        label.setGeometry(0, 0, 100, 30);
        label.setAlignment(alignment | Qt::AlignVCenter);
        return label.grab().toImage();
    };
    for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignRight}) {
        EXPECT_EQ(drawn(QStringLiteral("8\u200F/12"), alignment), drawn("12/8", alignment));
    }
}

TEST_F(ControlsTest, imageViewFitsThePictureKeepingItsShape) {
    QPixmap wide(100, 50);
    wide.fill(Qt::blue);
    auto* icon = new ImageView(wide, &window);
    icon->setGeometry(5, 5, 57, 57);
    EXPECT_EQ(icon->imageRect(), QRectF(0, 0, 57, 57));
    icon->setContentMode(ImageView::ContentMode::ScaleAspectFit);
    EXPECT_EQ(icon->imageRect(), QRectF(0, 14.25, 57, 28.5));
    icon->setImage({});
    EXPECT_TRUE(icon->imageRect().isNull());
}

} // namespace
