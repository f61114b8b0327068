#pragma once

#include "Bundle.h"
#include "ConverterViewController.h"
#include "CurrencyManager.h"
#include "KeyClick.h"
#include "KeypadButton.h"
#include "Label.h"
#include "NotificationCenter.h"
#include "TempConfig.h"
#include "UserDefaults.h"

#include <QLocale>
#include <QTest>
#include <QTimeZone>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Sets the process's default locale for one scope.
class DefaultLocale final {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_saved); }
    Q_DISABLE_COPY_MOVE(DefaultLocale)

private:
    QLocale m_saved;
};

// A converter screen on screen over a real manager built from the shipped resources and a private
// preferences file. Local currency USD; the current foreign currency is the first of the shipped
// list (EUR). Automatic updates are off and nothing forces one, so no rate is ever downloaded.
class ConverterFixture : public ::testing::Test {
protected:
    void SetUp() override {
        defaults = std::make_unique<UserDefaults>(config.preferencesPath());
        QVariantMap registered = Bundle::mainBundle().dictionaryForResource(QStringLiteral("UserDefaults"));
        registered.insert(QStringLiteral("automaticUpdatesEnabled"), false);
        defaults->registerDefaults(registered);
        CurrencyManager::Environment environment{*defaults, Bundle::mainBundle(), center,
                                                 [this] { return now; }};
        environment.rateService.serverHost = QStringLiteral("127.0.0.1:9");
        manager = std::make_unique<CurrencyManager>(environment);
        ASSERT_EQ(manager->localCurrency()->currencyCode(), "USD");
        ASSERT_EQ(manager->foreignCurrency()->currencyCode(), "EUR");
    }

    // Makes the screen (after SetUp, so a test can set the locale first) and shows it.
    template <typename Controller = ConverterViewController> Controller& show() {
        auto made = std::make_unique<Controller>(*manager);
        Controller& result = *made;
        controller = std::move(made);
        showView();
        return result;
    }
    void showView() {
        QWidget* view = controller->view();
        view->resize(320, 480);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
    }

    QWidget* view() const { return controller->view(); }
    KeypadButton* key(const QString& objectName) const {
        auto* found = view()->findChild<KeypadButton*>(objectName);
        EXPECT_TRUE(found) << objectName.toStdString();
        return found;
    }
    KeypadButton* digitKey(int digit) const { return key(QStringLiteral("key%1").arg(digit)); }
    KeypadButton* decimalKey() const { return key(QStringLiteral("decimalKey")); }
    KeypadButton* clearKey() const { return key(QStringLiteral("clearKey")); }
    Label* field(const char* objectName) const {
        auto* found = view()->findChild<Label*>(QString::fromLatin1(objectName));
        EXPECT_TRUE(found) << objectName;
        return found;
    }
    QString text(const char* objectName) const { return field(objectName)->text(); }

    // A click in the middle of the key, given to whatever the screen shows there: a covered or
    // hidden key cannot be pressed.
    void press(QWidget* key) const {
        const QPoint centre = key->mapTo(view(), key->rect().center());
        QWidget* target = view()->childAt(centre);
        ASSERT_EQ(target, key) << key->objectName().toStdString() << " is not what is shown at its place";
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(view(), centre));
    }
    // Clicks the keys of `keys`: digits, "." for the decimal key and "C" for clear.
    void type(const QString& keys) const {
        for (const QChar c : keys) {
            if (c.isDigit())
                press(digitKey(c.digitValue()));
            else if (c == u'.')
                press(decimalKey());
            else if (c == u'C')
                press(clearKey());
        }
    }

    // Row One's two fields and row Two's two fields.
    std::array<QString, 4> amounts() const {
        return {text("amountOriginalOne"), text("amountConvertedOne"), text("amountOriginalTwo"),
                text("amountConvertedTwo")};
    }

    static std::optional<Decimal> rate(const char* text) {
        return Decimal::fromString(QString::fromLatin1(text));
    }
    std::shared_ptr<ForeignCurrency> eur() const { return manager->foreignCurrency(); }
    std::shared_ptr<ForeignCurrency> currency(const QString& code) const {
        for (const auto& record : manager->foreignCurrencies())
            if (record->currencyCode() == code)
                return record;
        return nullptr;
    }

    // Texts are compared with "." as the decimal separator unless a test sets another locale.
    DefaultLocale locale{QLocale::c()};
    TempConfig config;
    NotificationCenter center;
    QDateTime now{QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc()};
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<CurrencyManager> manager;
    std::unique_ptr<ConverterViewController> controller;
};
