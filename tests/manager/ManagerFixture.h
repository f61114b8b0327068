#pragma once

#include "ApplicationEvents.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "CurrencyPreferences.h"
#include "HttpFixture.h"
#include "PropertyList.h"
#include "ReplacementCurrencies.h"
#include "TempConfig.h"
#include "UserDefaults.h"

#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <memory>

// A manager over a small resource folder of the test's own and a private preferences file.
class ManagerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        writeResource("Currencies", QVariantMap{{"USD", "US Dollar"},
                                                {"EUR", "Euro"},
                                                {"GBP", "British Pound"},
                                                {"JPY", "Japanese Yen"},
                                                {"CHF", "Swiss Franc"},
                                                {"XAU", "Gold"}});
        writeResource("MainCurrencies",
                      QVariantMap{{"mainCurrencies", QVariantList{"EUR", "USD", "GBP", "JPY"}}});
        writeResource("ExchangeRates",
                      QVariantMap{{"USD", 1}, {"EUR", 0.9}, {"GBP", 0.75}, {"JPY", 150.5}, {"CHF", 0.88}});
        defaultsPlist =
            QVariantMap{{"localCurrency", QVariantMap{{"currencyCode", "USD"}, {"label", "US Dollar"}}},
                        {"automaticUpdatesEnabled", false}};
    }

    void writeResource(const QString& name, const QVariant& value) {
        ASSERT_TRUE(PropertyList::writeFile(resources.path() + "/" + name + ".plist", value));
    }
    void removeResource(const QString& name) { QFile::remove(resources.path() + "/" + name + ".plist"); }

    // A new store and manager, as at a new start of the program.
    CurrencyManager& start() {
        manager.reset();
        defaults.reset();
        defaults = std::make_unique<UserDefaults>(config.preferencesPath());
        defaults->registerDefaults(defaultsPlist);
        bundle = std::make_unique<Bundle>(resources.path());
        CurrencyManager::Environment environment{*defaults, *bundle, &events, [this] { return now; }};
        environment.textLanguages = textLanguages;
        environment.rateService = {server.hostAndPort(), "rates.test", replyDeadline, &noReplacements};
        environment.schedule = [this](QObject* context, double seconds, std::function<void()> call) {
            scheduled.append(seconds);
            performAfterDelay(context, std::min(seconds, 0.01), std::move(call));
        };
        manager = std::make_unique<CurrencyManager>(environment);
        return *manager;
    }

    static QStringList codes(const CurrencyManager& m) {
        QStringList list;
        for (const auto& c : m.foreignCurrencies())
            list << c->currencyCode();
        return list;
    }
    static QString rateText(const std::shared_ptr<ForeignCurrency>& c) {
        return c->rate() ? c->rate()->toString() : QStringLiteral("none");
    }

    // Answers every lookup after `replyDelay` with the rate in `rates` for the destination code, or
    // an error page.
    QMap<QByteArray, QByteArray> rates{
        {"EUR", "0.92"}, {"GBP", "0.79"}, {"JPY", "155.25"}, {"CHF", "0.8812"}};
    std::chrono::milliseconds replyDelay{0};
    std::chrono::milliseconds replyDeadline{3000};
    QByteArray lastModified; // sent as the answers' Last-Modified when set
    HttpFixture server{[this](const QByteArray& target) {
        const QByteArray code = target.mid(target.indexOf("dstCurrency=") + 12);
        const QByteArray headers =
            lastModified.isEmpty() ? QByteArray() : "Last-Modified: " + lastModified + "\r\n";
        return HttpFixture::Answer{.head = rates.contains(code)
                                               ? HttpFixture::doubleReply(rates[code], "rates.test", headers)
                                               : HttpFixture::response(500, "unknown currency"),
                                   .delay = replyDelay};
    }};
    ReplacementCurrencies noReplacements;
    QList<double> scheduled; // delays asked of the scheduler, in seconds

    TempConfig config;
    QTemporaryDir resources;
    QVariantMap defaultsPlist;
    ApplicationEvents events;
    QDateTime now{QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc()};
    // Names in English, whatever the machine's locale; a test of other languages sets its own.
    QStringList textLanguages{QStringLiteral("en_US")};
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<Bundle> bundle;
    std::unique_ptr<CurrencyManager> manager;
};
