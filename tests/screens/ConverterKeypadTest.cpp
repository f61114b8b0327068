// The converter screen driven through its real keys, on the offscreen platform.
#include "Animations.h"
#include "ConverterFixture.h"
#include "DisplayFormatters.h"
#include "Views.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

namespace {

using Amounts = std::array<QString, 4>;

// Polls until the decimal key's fade (either way) has had time to finish and any hide scheduled
// with it has run.
void waitOutDecimalKeyAnimation() {
    bool over = false;
    QTimer::singleShot(ConverterViewController::kDecimalKeyAnimationMs + 100, [&] { over = true; });
    QTRY_VERIFY_WITH_TIMEOUT(over, 5000);
}

TEST_F(ConverterFixture, showsExactlyTheDecimalsTypedWhileTheDecimalKeyFadesOut) {
    show();
    eur()->setRate(rate("2"));
    EXPECT_EQ(amounts(), (Amounts{"0", "0", "0", "0"}));

    const QStringList keys{"1", "2", ".", "0", "5"};
    const QStringList shown{"1", "12", "12", "12.0", "12.05"};
    for (qsizetype i = 0; i < keys.size(); ++i) {
        type(keys[i]);
        EXPECT_EQ(text("amountOriginalOne"), shown[i]) << "after key " << i;
        EXPECT_EQ(text("amountOriginalTwo"), shown[i]) << "after key " << i;
    }
    EXPECT_EQ(controller->entry().decimalPosition(), 3);
    EXPECT_EQ(text("amountConvertedOne"), "24.1");
    EXPECT_EQ(text("amountConvertedTwo"), "6.03"); // 6.025 rounds away from zero

    // The key shrinks and fades, then goes; a second point cannot be typed.
    QTRY_VERIFY_WITH_TIMEOUT(decimalKey()->isHidden(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Animations::opacity(decimalKey()), 0.0, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Animations::scale(decimalKey()),
                              ConverterViewController::kDecimalKeyHiddenScale, 5000);
    QTest::keyClick(view(), Qt::Key_Period);
    type("7");
    EXPECT_EQ(text("amountOriginalOne"), "12.057");
}

TEST_F(ConverterFixture, convertsBothWaysRoundedToCentsWithoutTrailingZeros) {
    show();
    struct Case {
        const char* rate;
        const char* typed;
        Amounts shown;
    };
    const Case cases[] = {
        {"1.5", "10", {"10", "15", "10", "6.67"}},
        {"3", "1", {"1", "3", "1", "0.33"}},
        {"8", "1", {"1", "8", "1", "0.13"}}, // 0.125 rounds away from zero
        {"1.35", "10", {"10", "13.5", "10", "7.41"}},
        {"0.9234", "125.5", {"125.5", "115.89", "125.5", "135.91"}},
    };
    for (const Case& c : cases) {
        eur()->setRate(rate(c.rate));
        type(QStringLiteral("C") + QString::fromLatin1(c.typed));
        EXPECT_EQ(amounts(), c.shown) << "rate " << c.rate << ", typed " << c.typed;
    }
}

TEST_F(ConverterFixture, zerosAtTheStartStayOneZero) {
    show();
    eur()->setRate(rate("1.5"));
    type("000");
    EXPECT_EQ(amounts(), (Amounts{"0", "0", "0", "0"}));
    type("7");
    EXPECT_EQ(amounts(), (Amounts{"7", "10.5", "7", "4.67"}));
}

TEST_F(ConverterFixture, clearShowsZeroEverywhereKeepsTheRateAndBringsBackTheDecimalKey) {
    show();
    eur()->setRate(rate("1.5"));
    type("12.5");
    QTRY_VERIFY_WITH_TIMEOUT(decimalKey()->isHidden(), 5000);

    type("C");
    EXPECT_EQ(amounts(), (Amounts{"0", "0", "0", "0"}));
    EXPECT_FALSE(decimalKey()->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(Animations::opacity(decimalKey()), 1.0, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Animations::scale(decimalKey()), 1.0, 5000);

    type("2");
    EXPECT_EQ(amounts(), (Amounts{"2", "3", "2", "1.33"}));
}

TEST_F(ConverterFixture, clearDuringTheFadeKeepsTheDecimalKeyForIntegerEntry) {
    show();
    type("3.");
    type("C"); // well within the 0.4 s fade
    waitOutDecimalKeyAnimation();
    EXPECT_TRUE(decimalKey()->isVisible());
    EXPECT_DOUBLE_EQ(Animations::opacity(decimalKey()), 1.0);
    EXPECT_DOUBLE_EQ(Animations::scale(decimalKey()), 1.0);

    // Twice more, back and forth inside one fade: only the latest direction counts.
    type("4.");
    type("C");
    type(".");
    waitOutDecimalKeyAnimation();
    EXPECT_TRUE(decimalKey()->isHidden());
    type("5");
    EXPECT_EQ(text("amountOriginalOne"), "0.5");
}

TEST_F(ConverterFixture, aRateArrivingRedrawsBothResultsAndKeepsTheTypedAmount) {
    show();
    eur()->setRate(std::nullopt);
    type("2.50");
    EXPECT_EQ(amounts(), (Amounts{"2.50", "0", "2.50", "0"}));

    // Both results change in the same moment: one rate set, one look at the fields.
    eur()->setRate(rate("4"));
    EXPECT_EQ(amounts(), (Amounts{"2.50", "10", "2.50", "0.63"}));

    // Rates that cannot convert give 0 in both results, silently.
    for (const std::optional<Decimal>& unusable :
         {std::optional<Decimal>(Decimal()), rate("-2"), std::optional<Decimal>(Decimal::notANumber())}) {
        eur()->setRate(unusable);
        EXPECT_EQ(amounts(), (Amounts{"2.50", "0", "2.50", "0"}));
        EXPECT_FALSE(controller->entry().multiplier().has_value());
    }
}

TEST_F(ConverterFixture, aNewCurrentCurrencyRelabelsBothRowsAndKeepsTheAmount) {
    show();
    EXPECT_EQ(text("labelOriginalOne"), "USD");
    EXPECT_EQ(text("labelConvertedOne"), "in EUR");
    EXPECT_EQ(text("labelOriginalTwo"), "EUR");
    EXPECT_EQ(text("labelConvertedTwo"), "in USD");
    type("10");

    const auto oldRecord = eur();
    const auto gbp = currency("GBP");
    ASSERT_TRUE(gbp);
    gbp->setRate(rate("0.5"));
    manager->setForeignCurrency(gbp);
    EXPECT_EQ(text("labelOriginalOne"), "USD");
    EXPECT_EQ(text("labelConvertedOne"), "in GBP");
    EXPECT_EQ(text("labelOriginalTwo"), "GBP");
    EXPECT_EQ(text("labelConvertedTwo"), "in USD");
    EXPECT_EQ(amounts(), (Amounts{"10", "5", "10", "20"}));
    EXPECT_EQ(field("amountConvertedOne")->accessibleName(), "Amount converted to GBP");

    // The record left behind no longer moves the results.
    oldRecord->setRate(rate("100"));
    EXPECT_EQ(amounts(), (Amounts{"10", "5", "10", "20"}));

    // No current currency at all: labels and results stay as they were, and the last record
    // shown is no longer followed either.
    manager->setForeignCurrency(nullptr);
    gbp->setRate(rate("3"));
    EXPECT_EQ(text("labelConvertedOne"), "in GBP");
    EXPECT_EQ(amounts(), (Amounts{"10", "5", "10", "20"}));
}

TEST_F(ConverterFixture, theUpdateLabelShowsTheDateOfTheRateOrNever) {
    eur()->setLastUpdate({});
    show();
    EXPECT_EQ(text("labelUpdateDate"), "Last Update: Never");

    const QDateTime downloaded(QDate(2026, 12, 6), QTime(9, 30), QTimeZone::utc());
    eur()->setLastUpdate(downloaded);
    const QString expected = "Last Update: " + shortUpdateDateFormatter().stringFromDate(downloaded);
    EXPECT_EQ(text("labelUpdateDate"), expected);
    EXPECT_GT(expected.size(), QString("Last Update: ").size());

    // Another current currency brings its own date.
    const auto gbp = currency("GBP");
    gbp->setLastUpdate({});
    manager->setForeignCurrency(gbp);
    EXPECT_EQ(text("labelUpdateDate"), "Last Update: Never");
}

TEST_F(ConverterFixture, aCommaLocaleShowsCommasAndTakesTheCommaKey) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    show();
    EXPECT_EQ(decimalKey()->text(), ",");
    eur()->setRate(rate("1.5"));
    QTest::keyClicks(view(), "1234,05");
    EXPECT_EQ(amounts(), (Amounts{"1234,05", "1851,08", "1234,05", "822,7"}));
    type("C1.");
    type("0");
    EXPECT_EQ(text("amountOriginalOne"), "1,0");
}

TEST_F(ConverterFixture, typingStopsAtThirtyEightDigits) {
    show();
    eur()->setRate(rate("1.5"));
    QSignalSpy clicks(&controller->keyClick(), &KeyClick::played);

    const QString digits38 = QStringLiteral("12345678901234567890123456789012345678");
    type(digits38);
    EXPECT_EQ(clicks.size(), 38);
    type("9");
    EXPECT_EQ(text("amountOriginalOne"), digits38);
    EXPECT_EQ(clicks.size(), 38) << "a refused digit makes no click";
    EXPECT_EQ(text("amountConvertedOne"),
              Decimal::fromString(digits38)
                  .multiply(Decimal::fromString("1.5"), RoundingBehavior::plain(2))
                  .toString());

    // Zeros after the point count as typed digits too: all of them stay on display.
    type("C0.");
    const QString fraction = QString(37, u'0') + u'1';
    type(fraction);
    type("5");
    EXPECT_EQ(text("amountOriginalOne"), "0." + fraction);
    EXPECT_EQ(controller->entry().currentValue(), Decimal::fromString("0." + fraction));
}

TEST_F(ConverterFixture, longAmountsShrinkThenElideAtTheLeft) {
    show();
    Label* amount = field("amountOriginalOne");
    type("123");
    EXPECT_EQ(amount->displayedFont().pixelSize(), 24);
    type("45678901234567890123456789012345.678");
    const QFont shrunk = amount->displayedFont();
    EXPECT_LT(shrunk.pixelSize(), 24);
    EXPECT_GE(shrunk.pixelSize(), 12);
    const QString shown = amount->displayedText();
    EXPECT_TRUE(shown.startsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("5.678")) << shown.toStdString();
}

TEST_F(ConverterFixture, aPhysicalKeyboardTypesLikeTheKeypad) {
    show();
    eur()->setRate(rate("2"));
    QTest::keyClicks(view(), "12.5");
    EXPECT_EQ(amounts(), (Amounts{"12.5", "25", "12.5", "6.25"}));
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(amounts(), (Amounts{"0", "0", "0", "0"}));
    QTest::keyClicks(view(), "3");
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(text("amountOriginalOne"), "0");

    // Number-pad digits type; digits with Ctrl or Alt are someone else's shortcuts.
    QTest::keyClick(view(), Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(view(), Qt::Key_5, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_6, Qt::AltModifier);
    QTest::keyClick(view(), Qt::Key_A);
    EXPECT_EQ(text("amountOriginalOne"), "4");

    // A key held on the keyboard shows pressed until it is let go, like a clicked one.
    QTest::keyPress(view(), Qt::Key_7);
    EXPECT_TRUE(digitKey(7)->isDown());
    EXPECT_EQ(text("amountOriginalOne"), "47");
    QTest::keyRelease(view(), Qt::Key_7);
    EXPECT_FALSE(digitKey(7)->isDown());
    QTest::keyPress(view(), Qt::Key_Escape);
    EXPECT_TRUE(clearKey()->isDown());
    QTest::keyRelease(view(), Qt::Key_Escape);
    EXPECT_FALSE(clearKey()->isDown());
    QTest::keyPress(view(), Qt::Key_Period);
    EXPECT_TRUE(decimalKey()->isDown());
    QTest::keyRelease(view(), Qt::Key_Period);
    EXPECT_FALSE(decimalKey()->isDown());
}

TEST_F(ConverterFixture, aKeyShowsPressedWhileTheMouseHoldsItAndSlidingOffCancels) {
    show();
    KeypadButton* eight = digitKey(8);
    const QPoint centre = eight->rect().center();
    QTest::mousePress(eight, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(eight->isDown());
    EXPECT_EQ(text("amountOriginalOne"), "0") << "a key acts when it is let go";
    QTest::mouseRelease(eight, Qt::LeftButton, {}, centre);
    EXPECT_FALSE(eight->isDown());
    EXPECT_EQ(text("amountOriginalOne"), "8");

    QTest::mousePress(eight, Qt::LeftButton, {}, centre);
    QMouseEvent away(QEvent::MouseMove, QPointF(-20, -20), eight->mapToGlobal(QPointF(-20, -20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(eight, &away);
    EXPECT_FALSE(eight->isDown());
    QTest::mouseRelease(eight, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(text("amountOriginalOne"), "8");
}

TEST_F(ConverterFixture, ctrlCCopiesRowOnesConvertedAmount) {
    show();
    eur()->setRate(rate("1.5"));
    type("10.1");
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "15.15");
    EXPECT_EQ(text("amountOriginalOne"), "10.1") << "copying types nothing";
}

TEST_F(ConverterFixture, everyKeyClicksOnceAfterItsChange) {
    show();
    QSignalSpy clicks(&controller->keyClick(), &KeyClick::played);
    QString amountAtClick;
    QObject::connect(&controller->keyClick(), &KeyClick::played, view(),
                     [&] { amountAtClick = text("amountOriginalOne"); });
    type("8");
    EXPECT_EQ(amountAtClick, "8") << "the click follows the new amount";
    type(".");
    type("0C");
    EXPECT_EQ(clicks.size(), 4);
    QTest::keyClicks(view(), "1..");
    EXPECT_EQ(clicks.size(), 6) << "the decimal key in fraction entry neither acts nor clicks";
}

TEST_F(ConverterFixture, keysFieldsAndLabelsCarryTagsAndAccessibleNames) {
    show();
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(tag(digitKey(digit)), digit);
        EXPECT_EQ(digitKey(digit)->accessibleName(), QString::number(digit));
    }
    EXPECT_EQ(viewWithTag(view(), ConverterViewController::kDecimalKeyTag), decimalKey());
    EXPECT_EQ(decimalKey()->accessibleName(), "Decimal point");
    EXPECT_EQ(clearKey()->accessibleName(), "Clear");
    EXPECT_EQ(field("amountOriginalOne")->accessibleName(), "Amount in USD");
    EXPECT_EQ(field("amountConvertedOne")->accessibleName(), "Amount converted to EUR");
    EXPECT_EQ(field("amountOriginalTwo")->accessibleName(), "Amount in EUR");
    EXPECT_EQ(field("amountConvertedTwo")->accessibleName(), "Amount converted to USD");
    for (const char* label : {"labelOriginalOne", "labelConvertedOne", "labelOriginalTwo",
                              "labelConvertedTwo", "labelUpdateDate"})
        EXPECT_FALSE(field(label)->accessibleName().isEmpty()) << label;

    // The fonts of the house: keys 32, amounts 24, labels 18.
    EXPECT_EQ(digitKey(1)->font().pixelSize(), 32);
    EXPECT_TRUE(digitKey(1)->font().bold());
    EXPECT_EQ(field("amountConvertedTwo")->font().pixelSize(), 24);
    EXPECT_EQ(field("labelConvertedTwo")->font().pixelSize(), 18);
}

} // namespace
