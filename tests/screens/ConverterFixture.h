#pragma once

#include "Bundle.h"
#include "ConverterViewController.h"
#include "CurrencyManager.h"
#include "KeyClick.h"
#include "KeypadButton.h"
#include "Label.h"
#include "LocalFigures.h"
#include "TempConfig.h"
#include "UserDefaults.h"

#include <QTest>
#include <QTimeZone>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

using Amounts = std::array<QString, 4>; // row One's two fields, then row Two's

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline Amounts local(Amounts figures) {
    for (QString& figure : figures)
        figure = local(figure);
    return figures;
}

// A converter on screen over a real manager built from the shipped resources and a private
// preferences file: local currency USD, current foreign currency EUR, automatic updates off.
class ConverterFixture : public ::testing::Test {
protected:
    void SetUp() override {
        defaults = std::make_unique<UserDefaults>(config.preferencesPath());
        QVariantMap registered = Bundle::mainBundle().dictionaryForResource(QStringLiteral("UserDefaults"));
        registered.insert(QStringLiteral("automaticUpdatesEnabled"), false);
        defaults->registerDefaults(registered);
        manager = std::make_unique<CurrencyManager>(
            CurrencyManager::Environment{*defaults, Bundle::mainBundle(), nullptr, [this] { return now; }});
        ASSERT_EQ(eur()->currencyCode(), "EUR");
        ASSERT_EQ(gbp()->currencyCode(), "GBP");
    }

    // Made after SetUp, so that a test can set the locale first.
    template <typename Controller = ConverterViewController> Controller& show() {
        auto made = std::make_unique<Controller>(*manager);
        Controller& result = *made;
        controller = std::move(made);
        showView();
        return result;
    }
    void showView() {
        controller->view()->resize(320, 480);
        controller->view()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(controller->view()));
    }

    QWidget* view() const { return controller->view(); }
    KeypadButton* key(const QString& name) const { return view()->findChild<KeypadButton*>(name); }
    KeypadButton* digitKey(int digit) const { return key(QStringLiteral("key%1").arg(digit)); }
    KeypadButton* decimalKey() const { return key(QStringLiteral("decimalKey")); }
    KeypadButton* clearKey() const { return key(QStringLiteral("clearKey")); }
    Label* field(const char* name) const { return view()->findChild<Label*>(QString::fromLatin1(name)); }
    QString text(const char* name) const { return field(name)->text(); }
    Amounts amounts() const {
        return {text("amountOriginalOne"), text("amountConvertedOne"), text("amountOriginalTwo"),
                text("amountConvertedTwo")};
    }

    // A click in the middle of the key, given to whatever the screen shows there: a covered or
    // hidden key cannot be pressed.
    void press(QWidget* key) const {
        const QPoint centre = key->mapTo(view(), key->rect().center());
        QWidget* target = view()->childAt(centre);
        ASSERT_EQ(target, key) << key->objectName().toStdString() << " is not what is shown at its place";
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(view(), centre));
    }
    // Digits, "." for the decimal key (whatever separator it shows), "C" for clear.
    void type(const QString& keys) const {
        for (const QChar c : keys)
            press(c.isDigit() ? digitKey(c.digitValue()) : c == u'.' ? decimalKey() : clearKey());
    }

    static std::optional<Decimal> rate(const char* text) {
        return Decimal::fromString(QString::fromLatin1(text));
    }
    std::shared_ptr<ForeignCurrency> eur() const { return manager->foreignCurrencies().value(0); }
    std::shared_ptr<ForeignCurrency> gbp() const { return manager->foreignCurrencies().value(1); }

    TempConfig config;
    QDateTime now{QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc()};
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<CurrencyManager> manager;
    std::unique_ptr<ConverterViewController> controller;
};
