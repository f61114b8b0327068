// The converter driven through its real keys and a keyboard, on the offscreen platform.
#include "Animations.h"
#include "ConverterFixture.h"
#include "DisplayFormatters.h"
#include "LocaleRun.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Polls until the decimal key's fade, either way, is over and any hide scheduled with it has run.
void waitOutDecimalKeyFade() {
    bool over = false;
    QTimer::singleShot(ConverterViewController::kDecimalKeyAnimationMs + 100, [&] { over = true; });
    QTRY_VERIFY_WITH_TIMEOUT(over, 5000);
}

TEST_F(ConverterFixture, showsExactlyTheDecimalsTypedAndOneLeadingZero) {
    show();
    eur()->setRate(rate("2"));
    EXPECT_EQ(amounts(), local(Amounts{"0", "0", "0", "0"}));
    const QStringList shown{"0", "0", "1", "12", "12", "12.0", "12.05"};
    for (qsizetype i = 0; i < shown.size(); ++i) {
        type(QString(QStringLiteral("0012.05")[i]));
        EXPECT_EQ(text("amountOriginalOne"), local(shown[i])) << "key " << i;
        EXPECT_EQ(text("amountOriginalTwo"), local(shown[i])) << "key " << i;
    }
    EXPECT_EQ(amounts(), local(Amounts{"12.05", "24.1", "12.05", "6.03"})); // 6.025 rounds away from zero

    // The decimal key shrinks and fades, then goes; a second point cannot be typed.
    QTRY_VERIFY_WITH_TIMEOUT(decimalKey()->isHidden(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Animations::opacity(decimalKey()), 0.0, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Animations::scale(decimalKey()),
                              ConverterViewController::kDecimalKeyHiddenScale, 5000);
    QTest::keyClick(view(), Qt::Key_Period);
    type("7");
    EXPECT_EQ(text("amountOriginalOne"), local("12.057"));
}

TEST_F(ConverterFixture, convertsBothWaysRoundedHalfUpToCentsOrToThreeDigitsOfATinyResult) {
    show();
    const struct {
        const char* rate;
        const char* typed;
        Amounts shown;
    } cases[] = {
        {"1.5", "10", {"10", "15", "10", "6.67"}},
        {"3", "1", {"1", "3", "1", "0.33"}},
        {"8", "1", {"1", "8", "1", "0.13"}},
        {"1.35", "10", {"10", "13.5", "10", "7.41"}},
        {"0.9234", "125.5", {"125.5", "115.89", "125.5", "135.91"}},
        // Cents would show nothing of a real amount: its first three significant digits instead.
        {"0.00001", "100", {"100", "0.001", "100", "10000000"}},
        {"0.00001234", "10", {"10", "0.000123", "10", "810372.77"}},
        {"123456", "1", {"1", "123456", "1", "0.0000081"}},
        {"0.001", "4.95", {"4.95", "0.00495", "4.95", "4950"}},
        {"0.001", "5", {"5", "0.01", "5", "5000"}}, // 0.005 rounds up to a cent
    };
    for (const auto& c : cases) {
        eur()->setRate(rate(c.rate));
        type(QStringLiteral("C") + QString::fromLatin1(c.typed));
        EXPECT_EQ(amounts(), local(c.shown)) << "rate " << c.rate << ", typed " << c.typed;
    }
}

TEST_F(ConverterFixture, clearShowsZeroKeepsTheRateAndTheDecimalKeyIsVisibleExactlyInIntegerEntry) {
    show();
    eur()->setRate(rate("1.5"));
    type("12.5");
    QTRY_VERIFY_WITH_TIMEOUT(decimalKey()->isHidden(), 5000);
    type("C");
    EXPECT_EQ(amounts(), local(Amounts{"0", "0", "0", "0"}));
    EXPECT_TRUE(decimalKey()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(Animations::opacity(decimalKey()), 1.0, 5000);
    type("2");
    EXPECT_EQ(amounts(), local(Amounts{"2", "3", "2", "1.33"}));

    // Clear within the fade: the hide still pending must not take the key from integer entry.
    type("3.C");
    waitOutDecimalKeyFade();
    EXPECT_TRUE(decimalKey()->isVisible());
    EXPECT_DOUBLE_EQ(Animations::opacity(decimalKey()), 1.0);
    EXPECT_DOUBLE_EQ(Animations::scale(decimalKey()), 1.0);
    // Back and forth inside one fade: only the latest direction counts.
    type("4.C.");
    waitOutDecimalKeyFade();
    EXPECT_TRUE(decimalKey()->isHidden());
    type("5");
    EXPECT_EQ(text("amountOriginalOne"), local("0.5"));
}

TEST_F(ConverterFixture, aRateArrivingRedrawsBothResultsAndKeepsTheTypedAmount) {
    show();
    eur()->setRate(std::nullopt);
    type("2.50");
    EXPECT_EQ(amounts(), local(Amounts{"2.50", "0", "2.50", "0"}));
    eur()->setRate(rate("4"));
    EXPECT_EQ(amounts(), local(Amounts{"2.50", "10", "2.50", "0.63"}));
    // Rates that cannot convert give 0 in both results, silently.
    for (const auto& unusable : {rate("0"), rate("-2"), std::optional<Decimal>(Decimal::notANumber())}) {
        eur()->setRate(unusable);
        EXPECT_EQ(amounts(), local(Amounts{"2.50", "0", "2.50", "0"}));
    }
}

TEST_F(ConverterFixture, followsTheCurrentCurrencyItsLabelsAndItsUpdateDate) {
    eur()->setLastUpdate({});
    show();
    EXPECT_EQ(text("labelUpdateDate"), "Last Update: Never");
    const QDateTime downloaded(QDate(2026, 12, 6), QTime(9, 30), QTimeZone::utc());
    eur()->setLastUpdate(downloaded);
    // Nothing here runs right to left, so no bidirectional isolate (no font draws one).
    EXPECT_EQ(text("labelUpdateDate"),
              "Last Update: " + shortUpdateDateFormatter().stringFromDate(downloaded));
    // A typed rate is the user's, not the download's; the next download dates it again.
    eur()->setTypedRate(*rate("0.95"));
    EXPECT_EQ(text("labelUpdateDate"), "Last Update: Your rate");
    eur()->takeDownloadedRate(*rate("0.91"), downloaded);
    EXPECT_EQ(text("labelUpdateDate"),
              "Last Update: " + shortUpdateDateFormatter().stringFromDate(downloaded));

    type("10");
    gbp()->setRate(rate("0.5"));
    gbp()->setLastUpdate({});
    manager->setForeignCurrency(gbp());
    EXPECT_EQ(text("labelOriginalOne"), "USD");
    EXPECT_EQ(text("labelConvertedOne"), "in GBP");
    EXPECT_EQ(text("labelOriginalTwo"), "GBP");
    EXPECT_EQ(text("labelConvertedTwo"), "in USD");
    EXPECT_EQ(field("amountConvertedOne")->accessibleName(), "Amount converted to GBP");
    EXPECT_EQ(amounts(), local(Amounts{"10", "5", "10", "20"}));
    EXPECT_EQ(text("labelUpdateDate"), "Last Update: Never");

    // The record left behind no longer moves anything; with no current currency at all, nothing
    // changes and the last one shown is let go too.
    eur()->setRate(rate("100"));
    manager->setForeignCurrency(nullptr);
    gbp()->setRate(rate("3"));
    EXPECT_EQ(text("labelConvertedOne"), "in GBP");
    EXPECT_EQ(amounts(), local(Amounts{"10", "5", "10", "20"}));
}

// Figures follow LC_NUMERIC alone, on the keypad and in every formatter; dates follow LC_TIME.
TEST_F(ConverterFixture, figuresFollowTheNumbersLocaleAndDatesTheTimeLocale) {
    if (runsElsewhereWith(
            {{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}, {"LC_TIME", "ja_JP.UTF-8"}}))
        return;
    show();
    EXPECT_EQ(decimalKey()->text(), ",");
    eur()->setRate(rate("1.5"));
    QTest::keyClicks(view(), "1234,05");
    EXPECT_EQ(amounts(), (Amounts{"1234,05", "1851,08", "1234,05", "822,7"}));
    EXPECT_EQ(shortExchangeRateFormatter().stringFromDecimal(*rate("1.5")), "1,50000");
    EXPECT_EQ(longExchangeRateFormatter().decimalFromString("1,5"), rate("1.5"));
    EXPECT_EQ(makeShortUpdateDateFormatter({}, "UTC")->stringFromDate(now), "2026/12/07 12:00");
}

// Under a locale with digits of its own, every figure keeps to Latin digits: the typed amount, the
// results, the keys, the list's rates and dates.
TEST_F(ConverterFixture, figuresAndDatesUseLatinDigitsUnderArabic) {
    if (runsElsewhereUnder("ar_EG.UTF-8"))
        return;
    show();
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(digitKey(digit)->text(), QString::number(digit));
    EXPECT_EQ(decimalKey()->text(), ".");
    eur()->setRate(rate("1.5"));
    QTest::keyClicks(view(), "1234.05");
    EXPECT_EQ(amounts(), (Amounts{"1234.05", "1851.08", "1234.05", "822.7"}));
    EXPECT_EQ(shortExchangeRateFormatter().stringFromDecimal(*rate("1.5")), "1.50000");
    const QString date = makeShortUpdateDateFormatter({}, "UTC")->stringFromDate(now);
    EXPECT_TRUE(date.contains("2026") && date.contains("12:00")) << date.toStdString();
    // An Arabic date keeps its own order after the English words, in a bidirectional isolate.
    eur()->setLastUpdate(now);
    EXPECT_EQ(text("labelUpdateDate"),
              "Last Update: \u2068" + shortUpdateDateFormatter().stringFromDate(now) + "\u2069");
}

TEST_F(ConverterFixture, typingStopsAtThirtyEightDigitsAndLongAmountsShrinkThenElideAtTheLeft) {
    show();
    eur()->setRate(rate("1.5"));
    QSignalSpy clicks(&controller->keyClick(), &KeyClick::played);
    const QString digits = QStringLiteral("12345678901234567890123456789012345.678");
    type(digits + "9");
    EXPECT_EQ(text("amountOriginalOne"), local(digits));
    EXPECT_EQ(clicks.size(), 39) << "38 digits and the point; the refused digit makes no click";
    EXPECT_EQ(text("amountConvertedOne"), local("18518518351851851835185185183518518.52"));

    Label* amount = field("amountOriginalOne");
    EXPECT_LT(amount->displayedFont().pixelSize(), 24);
    EXPECT_GE(amount->displayedFont().pixelSize(), 12);
    EXPECT_TRUE(amount->displayedText().startsWith(QChar(0x2026))) << amount->displayedText().toStdString();
    EXPECT_TRUE(amount->displayedText().endsWith(local("5.678")));

    // Zeros after the point count as typed digits: every one of them stays on display.
    const QString fraction = QString(37, u'0') + u'1';
    type("C0." + fraction + "5");
    EXPECT_EQ(text("amountOriginalOne"), local("0." + fraction));
}

TEST_F(ConverterFixture, aPhysicalKeyboardTypesLikeTheKeypadAndCtrlCCopiesRowOne) {
    show();
    eur()->setRate(rate("2"));
    QSignalSpy clicks(&controller->keyClick(), &KeyClick::played);
    QString shownAtClick;
    QObject::connect(&controller->keyClick(), &KeyClick::played, view(),
                     [&] { shownAtClick = text("amountOriginalOne"); });
    QTest::keyClicks(view(), "12.5.");
    EXPECT_EQ(amounts(), local(Amounts{"12.5", "25", "12.5", "6.25"}));
    EXPECT_EQ(clicks.size(), 4) << "a second point neither acts nor clicks";
    EXPECT_EQ(shownAtClick, local("12.5")) << "the click comes after the change";
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "25");

    // Backspace takes back one key, the point included, and clicks only when it does; "," is the
    // decimal key whatever the locale writes.
    QTest::keyClick(view(), Qt::Key_Escape);
    QTest::keyClicks(view(), "5,25");
    EXPECT_EQ(amounts(), local(Amounts{"5.25", "10.5", "5.25", "2.63"}));
    clicks.clear();
    for (const char* shown : {"5.2", "5", "5", "0", "0"}) {
        QTest::keyClick(view(), Qt::Key_Backspace);
        EXPECT_EQ(text("amountOriginalOne"), local(shown));
    }
    EXPECT_EQ(clicks.size(), 4);
    EXPECT_TRUE(decimalKey()->isVisible()) << "the point taken back, the decimal key returns";
    QTest::keyClicks(view(), "1.5");
    EXPECT_EQ(text("amountOriginalOne"), local("1.5"));

    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(amounts(), local(Amounts{"0", "0", "0", "0"}));
    QTest::keyClicks(view(), "3");
    QTest::keyClick(view(), Qt::Key_Delete);
    // Number-pad digits type; digits with Ctrl or Alt are someone else's shortcuts.
    QTest::keyClick(view(), Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(view(), Qt::Key_5, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_6, Qt::AltModifier);
    EXPECT_EQ(text("amountOriginalOne"), local("4"));

    // A key held on the keyboard shows pressed until it is let go.
    for (const auto& [qtKey, button] :
         {std::pair{Qt::Key_7, digitKey(7)}, std::pair{Qt::Key_Escape, clearKey()},
          std::pair{Qt::Key_Period, decimalKey()}}) {
        QTest::keyPress(view(), qtKey);
        EXPECT_TRUE(button->isDown()) << button->objectName().toStdString();
        QTest::keyRelease(view(), qtKey);
        EXPECT_FALSE(button->isDown()) << button->objectName().toStdString();
    }
}

TEST_F(ConverterFixture, aMouseKeyActsWhenLetGoAndSlidingOffCancels) {
    show();
    KeypadButton* eight = digitKey(8);
    QTest::mousePress(eight, Qt::LeftButton);
    EXPECT_TRUE(eight->isDown());
    EXPECT_EQ(text("amountOriginalOne"), local("0"));
    QTest::mouseRelease(eight, Qt::LeftButton);
    EXPECT_FALSE(eight->isDown());
    EXPECT_EQ(text("amountOriginalOne"), local("8"));

    QTest::mousePress(eight, Qt::LeftButton);
    QMouseEvent away(QEvent::MouseMove, QPointF(-20, -20), eight->mapToGlobal(QPointF(-20, -20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(eight, &away);
    EXPECT_FALSE(eight->isDown());
    QTest::mouseRelease(eight, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(text("amountOriginalOne"), local("8"));
}

} // namespace
