// The converter's observations across loads and unloads of its view, and its layout.
#include "Animations.h"
#include "ConverterFixture.h"
#include "ConverterView.h"

#include <QMap>
#include <QPixmap>
#include <QTimer>

namespace {

using Amounts = std::array<QString, 4>;
using Calls = QMap<QString, int>;

// Counts every observation callback by key path.
class CountingConverter final : public ConverterViewController {
public:
    using ConverterViewController::ConverterViewController;
    Calls calls;

protected:
    void observeValueForKeyPath(const QString& keyPath, QObject* object) override {
        ++calls[keyPath];
        ConverterViewController::observeValueForKeyPath(keyPath, object);
    }
};

TEST_F(ConverterFixture, firstLoadRunsEachReactionOnceForTheInitialState) {
    auto& screen = show<CountingConverter>();
    // The reset sets multiplier, amount and decimal position; following the current currency
    // takes its rate (multiplier and amount again) and its date.
    EXPECT_EQ(screen.calls, (Calls{{"multiplier", 2},
                                   {"currentValue", 2},
                                   {"decimalPosition", 1},
                                   {"foreignCurrency", 1},
                                   {"rate", 1},
                                   {"lastUpdate", 1}}));
}

TEST_F(ConverterFixture, aReloadedViewStartsAfreshWithEveryObservationRegisteredOnce) {
    auto& screen = show<CountingConverter>();
    const auto gbp = currency("GBP");
    gbp->setRate(rate("0.5"));
    manager->setForeignCurrency(gbp);

    for (int round = 0; round < 2; ++round) {
        type("C12.5");
        // Unloaded in the middle of the decimal key's fade: the pending hide finds no key.
        view()->hide();
        ASSERT_TRUE(controller->unloadView());
        ASSERT_FALSE(controller->isViewLoaded());

        // Without a view the screen still follows its currency.
        gbp->setRate(rate("2"));
        EXPECT_EQ(controller->entry().multiplier(), Decimal(2));
        bool over = false;
        QTimer::singleShot(ConverterViewController::kDecimalKeyAnimationMs + 100, [&] { over = true; });
        QTRY_VERIFY_WITH_TIMEOUT(over, 5000);

        showView();
        EXPECT_EQ(amounts(), (Amounts{"0", "0", "0", "0"})) << "round " << round;
        EXPECT_EQ(text("labelOriginalTwo"), "GBP") << "the current currency, not the placeholder";
        EXPECT_EQ(text("labelConvertedOne"), "in GBP");
        EXPECT_TRUE(decimalKey()->isVisible());
        EXPECT_EQ(controller->entry().decimalPosition(), 0);

        screen.calls.clear();
        gbp->setRate(rate("4"));
        EXPECT_EQ(screen.calls, (Calls{{"rate", 1}, {"multiplier", 1}, {"currentValue", 1}}));

        screen.calls.clear();
        type("3.");
        EXPECT_EQ(screen.calls, (Calls{{"currentValue", 1}, {"decimalPosition", 1}}));
        EXPECT_EQ(amounts(), (Amounts{"3", "12", "3", "0.75"}));

        screen.calls.clear();
        manager->setForeignCurrency(gbp);
        EXPECT_EQ(screen.calls, (Calls{{"foreignCurrency", 1},
                                       {"rate", 1},
                                       {"multiplier", 1},
                                       {"currentValue", 1},
                                       {"lastUpdate", 1}}));
    }
}

TEST_F(ConverterFixture, aDestroyedScreenNoLongerListens) {
    show();
    const auto record = eur();
    controller.reset();
    record->setRate(rate("3"));
    record->setLastUpdate(now);
    manager->setForeignCurrency(currency("GBP"));
    SUCCEED();
}

// Every element lies inside the view and clear of every other one; the keypad fills the screen
// below the result rows. Set RATEPAD_CONVERTER_SCREENSHOT to a file name to keep a picture.
TEST_F(ConverterFixture, layoutKeepsEveryElementWholeAndApart) {
    show();
    const auto record = eur();
    record->setRate(rate("0.9234"));
    record->setLastUpdate(now);
    type("125.5");
    QTRY_VERIFY_WITH_TIMEOUT(decimalKey()->isHidden(), 5000);
    type("C125.5");

    for (const QSize size : {QSize(320, 480), QSize(320, 411), QSize(480, 640)}) {
        view()->resize(size);
        QTRY_COMPARE(view()->size(), size);
        const QRect bounds = view()->rect();
        QList<QWidget*> elements;
        for (QObject* child : view()->children())
            if (auto* widget = qobject_cast<QWidget*>(child))
                elements << widget;
        ASSERT_EQ(elements.size(), 9 + 12);
        qreal lowestKeyBottom = 0;
        for (qsizetype i = 0; i < elements.size(); ++i) {
            const QRect frame = elements[i]->geometry();
            EXPECT_TRUE(bounds.contains(frame)) << elements[i]->objectName().toStdString();
            EXPECT_GE(frame.height(), 22) << elements[i]->objectName().toStdString();
            for (qsizetype j = i + 1; j < elements.size(); ++j)
                EXPECT_FALSE(frame.intersects(elements[j]->geometry()))
                    << elements[i]->objectName().toStdString() << " and "
                    << elements[j]->objectName().toStdString();
            if (qobject_cast<KeypadButton*>(elements[i]))
                lowestKeyBottom = std::max<qreal>(lowestKeyBottom, frame.bottom() + 1);
        }
        EXPECT_GE(lowestKeyBottom, size.height() - 10);
        // The rows sit on their panels.
        const auto panels = static_cast<ConverterView*>(view())->panels();
        ASSERT_EQ(panels.size(), 2);
        EXPECT_TRUE(panels[0].contains(QRectF(field("amountOriginalOne")->geometry())));
        EXPECT_TRUE(panels[0].contains(QRectF(field("labelConvertedOne")->geometry())));
        EXPECT_TRUE(panels[1].contains(QRectF(field("amountConvertedTwo")->geometry())));
        // The texts fit at their own sizes, unshrunk, at the usual width.
        for (const char* name :
             {"amountOriginalOne", "amountConvertedOne", "labelConvertedOne", "labelUpdateDate"})
            EXPECT_EQ(field(name)->displayedText(), text(name)) << name;
    }

    view()->resize(320, 480);
    QTRY_COMPARE(view()->size(), QSize(320, 480));
    type("C250");
    QTRY_COMPARE_WITH_TIMEOUT(Animations::opacity(decimalKey()), 1.0, 5000);
    EXPECT_EQ(decimalKey()->geometry().bottom(), digitKey(0)->geometry().bottom())
        << "back in its full place";
    const QString path = qEnvironmentVariable("RATEPAD_CONVERTER_SCREENSHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(view()->grab().save(path));
    }
}

} // namespace
