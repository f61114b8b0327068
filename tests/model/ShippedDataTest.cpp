// Checks the generated property lists the program ships, as the program reads them: from the resource
// system through PropertyList.

#include "PropertyList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QStringList kShippedFiles{":/Currencies.plist", ":/ExchangeRates.plist",
                                ":/ReplacementCurrencies.plist", ":/MainCurrencies.plist",
                                ":/UserDefaults.plist"};

QVariantMap readMap(const QString& path) {
    const auto result = PropertyList::readFile(path);
    EXPECT_TRUE(result.ok()) << qPrintable(path) << ": " << qPrintable(result.error);
    EXPECT_EQ(result.value.typeId(), QMetaType::QVariantMap) << qPrintable(path);
    return result.value.toMap();
}

class ShippedData : public ::testing::Test {
protected:
    QVariantMap currencies = readMap(":/Currencies.plist");
    QVariantMap rates = readMap(":/ExchangeRates.plist");
    QVariantList replacements =
        readMap(":/ReplacementCurrencies.plist").value("replacementCurrencies").toList();
    QVariantList mainCurrencies = readMap(":/MainCurrencies.plist").value("mainCurrencies").toList();
    QVariantMap userDefaults = readMap(":/UserDefaults.plist");
};

TEST_F(ShippedData, filesAreXmlPropertyLists) {
    for (const auto& path : kShippedFiles) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        EXPECT_TRUE(file.readAll().startsWith("<?xml")) << qPrintable(path);
    }
}

TEST_F(ShippedData, catalogueHoldsNamedIsoStyleCodes) {
    EXPECT_GE(currencies.size(), 170);
    EXPECT_LE(currencies.size(), 200);
    static const QRegularExpression codePattern("^[A-Z]{3}$");
    for (auto it = currencies.cbegin(); it != currencies.cend(); ++it) {
        EXPECT_TRUE(codePattern.match(it.key()).hasMatch()) << qPrintable(it.key());
        EXPECT_EQ(it.value().typeId(), QMetaType::QString) << qPrintable(it.key());
        // ICU answers an unknown code with the code itself; that is no name.
        EXPECT_FALSE(it.value().toString().trimmed().isEmpty()) << qPrintable(it.key());
        EXPECT_NE(it.value().toString(), it.key()) << qPrintable(it.key());
    }
    EXPECT_EQ(currencies.value("USD").toString().toStdString(), "US Dollar");
    EXPECT_EQ(currencies.value("EUR").toString().toStdString(), "Euro");
    EXPECT_EQ(currencies.value("GBP").toString().toStdString(), "British Pound");
    EXPECT_EQ(currencies.value("JPY").toString().toStdString(), "Japanese Yen");
    EXPECT_EQ(currencies.value("FOK").toString().toStdString(), "Faroese Króna");
}

TEST_F(ShippedData, catalogueLeavesOutFundsAndTestCodesButKeepsMetalsTheSdrAndReplacedCodes) {
    for (const auto* code : {"BOV", "CHE", "CHW", "CLF", "COU", "MXV", "USN", "UYI", "UYW", "XBA", "XBB",
                             "XBC", "XBD", "XSU", "XTS", "XUA", "XXX"}) {
        EXPECT_FALSE(currencies.contains(code)) << code;
    }
    for (const auto* code : {"XAU", "XAG", "XPT", "XPD", "XDR", "ANG", "SLL", "ZWL"})
        EXPECT_TRUE(currencies.contains(code)) << code;
    // The Setup footer promises "190+ world currencies".
    EXPECT_GE(currencies.size(), 191);
}

TEST_F(ShippedData, exchangeRatesCoverTheCatalogueWithPositiveReals) {
    for (auto it = currencies.cbegin(); it != currencies.cend(); ++it) {
        EXPECT_TRUE(rates.contains(it.key())) << "no rate for " << qPrintable(it.key());
    }
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        EXPECT_TRUE(currencies.contains(it.key())) << "rate for an unknown " << qPrintable(it.key());
        // Stored as <real>: an <integer> would come back as qint64 and lose the decimal type.
        EXPECT_EQ(it.value().typeId(), QMetaType::Double) << qPrintable(it.key());
        const double value = it.value().toDouble();
        EXPECT_TRUE(std::isfinite(value) && value > 0) << qPrintable(it.key()) << " " << value;
    }
    EXPECT_EQ(rates.value("USD").toDouble(), 1.0);
}

TEST_F(ShippedData, replacementsDeriveTheirRateThroughTheirLookup) {
    ASSERT_FALSE(replacements.isEmpty());
    QSet<QString> replaced;
    for (const auto& entry : replacements) {
        const auto map = entry.toMap();
        const auto code = map.value("code").toString();
        const auto lookup = map.value("lookup").toString();
        replaced.insert(code);
        ASSERT_EQ(map.value("rate").typeId(), QMetaType::Double) << qPrintable(code);
        const double rate = map.value("rate").toDouble();
        EXPECT_GT(rate, 0) << qPrintable(code);
        EXPECT_TRUE(currencies.contains(code)) << qPrintable(code);
        EXPECT_TRUE(currencies.contains(lookup)) << qPrintable(code) << " -> " << qPrintable(lookup);
        const double expected = rates.value(lookup).toDouble() * rate;
        EXPECT_NEAR(rates.value(code).toDouble(), expected, 1e-12 * expected) << qPrintable(code);
    }
    EXPECT_EQ(replaced.size(), replacements.size()) << "a code is replaced twice";
    // A lookup is followed once; one that is itself replaced would point at a stale rate.
    for (const auto& entry : replacements) {
        EXPECT_FALSE(replaced.contains(entry.toMap().value("lookup").toString()));
    }
}

TEST_F(ShippedData, fixedConversionRatesAreStoredExactly) {
    QMap<QString, QVariantMap> byCode;
    for (const auto& entry : replacements) {
        byCode.insert(entry.toMap().value("code").toString(), entry.toMap());
    }
    EXPECT_EQ(byCode.value("DEM").value("lookup").toString().toStdString(), "EUR");
    EXPECT_EQ(byCode.value("DEM").value("rate").toDouble(), 1.95583);
    EXPECT_EQ(byCode.value("ITL").value("rate").toDouble(), 1936.27);
    EXPECT_EQ(byCode.value("IEP").value("rate").toDouble(), 0.787564);
    EXPECT_EQ(byCode.value("JEP").value("lookup").toString().toStdString(), "GBP");
    EXPECT_EQ(byCode.value("JEP").value("rate").toDouble(), 1.0);
}

TEST_F(ShippedData, mainCurrenciesAreKnownAndOutlastAnyHomeCurrency) {
    QSet<QString> seen;
    for (const auto& entry : mainCurrencies) {
        const auto code = entry.toString();
        EXPECT_TRUE(currencies.contains(code)) << qPrintable(code);
        EXPECT_TRUE(rates.contains(code)) << qPrintable(code);
        EXPECT_FALSE(seen.contains(code)) << "twice: " << qPrintable(code);
        seen.insert(code);
    }
    EXPECT_TRUE(seen.contains("USD"));
    EXPECT_TRUE(seen.contains("EUR"));
    // The home currency is skipped when the starting list is built; seven others must remain.
    EXPECT_GE(seen.size(), 8);
}

TEST_F(ShippedData, userDefaultsMakeTheFirstLaunchStartFresh) {
    const auto local = userDefaults.value("localCurrency").toMap();
    const auto code = local.value("currencyCode").toString();
    EXPECT_TRUE(currencies.contains(code)) << qPrintable(code);
    EXPECT_TRUE(rates.contains(code)) << qPrintable(code);
    EXPECT_EQ(local.value("label").toString().toStdString(), currencies.value(code).toString().toStdString());

    ASSERT_EQ(userDefaults.value("automaticUpdatesEnabled").typeId(), QMetaType::Bool);
    EXPECT_TRUE(userDefaults.value("automaticUpdatesEnabled").toBool());
    ASSERT_TRUE(userDefaults.contains("foreignCurrencyIndex"));
    EXPECT_EQ(userDefaults.value("foreignCurrencyIndex").toLongLong(), 0);
    // Their absence is what makes a first launch build the starting list and fetch every rate.
    EXPECT_FALSE(userDefaults.contains("lastUpdate"));
    EXPECT_FALSE(userDefaults.contains("foreignCurrenciesStandard"));
}

} // namespace
