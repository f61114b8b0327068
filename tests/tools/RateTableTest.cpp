#include "RateTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RateTableTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("rates%1").arg(m_count++));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray plist(const QByteArray& dictBody) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>" + dictBody +
               "</dict>\n</plist>\n";
    }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

TEST_F(RateTableTest, load_jsonSnapshot_upperCasesCodesAndSkipsTokens) {
    const std::optional<RateTable> table = RateTable::load(
        write(R"({"date": "2026-09-29", "usd": {"eur": 0.5, "jpy": 150, "1inch": 9.9, "doge": 4.1}})"));
    ASSERT_TRUE(table);
    // The base itself is added when the snapshot leaves it out.
    EXPECT_EQ(table->codes(), QStringList({"EUR", "JPY", "USD"}));
    EXPECT_EQ(table->value(QStringLiteral("USD")), 1.0);
    EXPECT_EQ(table->convert(QStringLiteral("EUR"), QStringLiteral("JPY")), 300.0);
    EXPECT_EQ(table->convert(QStringLiteral("JPY"), QStringLiteral("JPY")), 1.0);
    EXPECT_FALSE(table->convert(QStringLiteral("eur"), QStringLiteral("JPY"))); // exact codes only
    EXPECT_FALSE(table->convert(QStringLiteral("EUR"), QStringLiteral("XXX")));
}

TEST_F(RateTableTest, load_propertyList_integersAndReals) {
    const std::optional<RateTable> table =
        RateTable::load(write(plist("<key>USD</key><integer>1</integer><key>EUR</key><real>0.92</real>")));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->size(), 2);
    EXPECT_DOUBLE_EQ(*table->convert(QStringLiteral("EUR"), QStringLiteral("USD")), 1 / 0.92);
}

TEST_F(RateTableTest, load_shippedResource) {
    QString error;
    const std::optional<RateTable> table = RateTable::load(QStringLiteral(":/ExchangeRates.plist"), &error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_GT(table->size(), 100);
    EXPECT_EQ(table->value(QStringLiteral("USD")), 1.0);
    EXPECT_TRUE(table->contains(QStringLiteral("EUR")));
}

TEST_F(RateTableTest, load_refusesBrokenFiles) {
    const QByteArray broken[] = {
        "",
        "  \n",
        "{\"usd\": {\"eur\": 0.5}",                         // truncated
        "[1, 2]",                                           // not an object
        "{\"date\": \"2026-09-29\"}",                       // no base
        "{\"usd\": {\"eur\": 0.5}, \"eur\": {\"usd\": 2}}", // two bases
        "{\"usd\": [0.5]}",                                 // base is not an object
        "{\"usd\": {\"eur\": \"0.5\"}}",                    // rate as text
        "{\"usd\": {\"eur\": 0}}",                          // zero would divide by zero
        "{\"usd\": {\"eur\": -1}}",
        "{\"usd\": {\"eur\": 0.5, \"EUR\": 0.6}}", // same code twice
        "{\"usd\": {\"doge\": 4.1}}",              // no currency at all
        plist(""),                                 // empty
        plist("<key>usd</key><real>1</real>"),     // not a code
        plist("<key>EUR</key><string>0.9</string>"),
        plist("<key>EUR</key><true/>"),
        plist("<key>EUR</key><real>0</real>"),
        plist("<key>EUR</key><dict/>"),
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><real>1</real></array></plist>",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>EUR</key>", // truncated
        "bplist00\x01\x02garbage",
        "\x89PNG\r\n\x1a\n",
    };
    for (const QByteArray& bytes : broken) {
        QString error;
        EXPECT_FALSE(RateTable::load(write(bytes), &error)) << bytes.toStdString();
        EXPECT_FALSE(error.isEmpty()) << bytes.toStdString();
    }
    QString error;
    EXPECT_FALSE(RateTable::load(QStringLiteral("/nonexistent/rates.json"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
