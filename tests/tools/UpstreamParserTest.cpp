#include "CurrencyApiParser.h"
#include "EcbParser.h"
#include "SourceUrls.h"
#include "UpstreamFixtures.h"

#include <gtest/gtest.h>

namespace {

const QDate kDay(2026, 12, 7);

TEST(UpstreamParserTest, parse_readsTheRealShapes) {
    const std::optional<RateSnapshot> ecb = EcbParser::parse(fixtures::ecbDay(kDay));
    ASSERT_TRUE(ecb);
    EXPECT_EQ(ecb->source, "ECB");
    EXPECT_EQ(ecb->date, kDay);
    EXPECT_EQ(ecb->base, "EUR");
    EXPECT_EQ(ecb->perBase.size(), 30); // 29 currencies and the base
    EXPECT_EQ(ecb->perBase.value("EUR"), 1.0);
    EXPECT_EQ(ecb->perBase.value("IDR"), 19402.11);

    QByteArray json = fixtures::currencyApiDay(kDay, 200);
    // Entries that cannot be rates are skipped, not fatal.
    json.replace("\"eur\": {", R"("eur": {"us-d": 3, "abc": "n/a", "xyz": null, "": 1, "USD": 2,)");
    const std::optional<RateSnapshot> api = CurrencyApiParser::parse(json);
    ASSERT_TRUE(api);
    EXPECT_EQ(api->source, "CURRENCYAPI");
    EXPECT_EQ(api->date, kDay);
    EXPECT_EQ(api->perBase.size(), 200);
    EXPECT_EQ(api->perBase.value("USD"), 1.1642); // the upper-case duplicate is not a code of the file
    EXPECT_EQ(api->perBase.value("1INCH"), 11.32244633);
    EXPECT_FALSE(api->perBase.contains("ABC"));
}

TEST(UpstreamParserTest, parse_refusesIncompleteOrForeignFiles) {
    const QByteArray ecb = fixtures::ecbDay(kDay);
    const QByteArray api = fixtures::currencyApiDay(kDay, 160);
    QByteArray twoDays = ecb;
    twoDays.replace("\t\t</Cube>\n", "\t\t</Cube>\n\t\t<Cube time='2026-12-04'/>\n");
    const struct {
        bool isEcb;
        QByteArray body;
        const char* reason;
    } cases[] = {
        {true, "<!DOCTYPE html><html><body>Maintenance</body></html>", "envelope"},
        {true, ecb.left(ecb.indexOf("GBP")), "Premature end"},
        {true, ecb.left(ecb.size() - 19), "Premature end"}, // every rate there, the envelope unclosed
        {true, ecb + "<x/>", "Extra content"},
        {true, twoDays, "more than one day"},
        {true, QByteArray(ecb).replace("rate='0.8738'", "rate='0,8738'"), "bad rate '0,8738' for GBP"},
        {true, QByteArray(ecb).replace("time='2026-12-07'", "time='07.12.2026'"), "bad date"},
        {true, QByteArray(ecb).replace("currency='USD'", "currency='usd'"), "currency cube"},
        {true, QByteArray(ecb).replace("'JPY'", "'USD'"), "USD given twice"},
        {true, QByteArray(ecb).replace("'JPY'", "'EUR'"), "against itself"},
        {true, QByteArray(ecb).replace("<Cube time='2026-12-07'>", "<Cube>"), "dated cube"},
        {false, "<html></html>", "illegal value"},
        {false, api.left(api.size() / 2), "at byte"},
        {false, "[]", "not a JSON object"},
        {false, QByteArray(api).replace("\"date\"", "\"day\""), "bad date"},
        {false, QByteArray(api).replace("\"eur\": {", "\"usd\": {"), "no 'eur' object"},
        {false, QByteArray(api).replace("\"eur\": 1,", "\"eur\": 1.2,"), "against itself"},
    };
    for (const auto& c : cases) {
        QString error;
        const auto parsed =
            c.isEcb ? EcbParser::parse(c.body, &error) : CurrencyApiParser::parse(c.body, &error);
        EXPECT_FALSE(parsed) << c.reason;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.reason << ": " << error.toStdString();
    }
}

TEST(UpstreamParserTest, sourceUrls_laterUrlsAreFallbacks_andMistakesAreNamed) {
    const QStringList known = {QStringLiteral("ECB"), QStringLiteral("CURRENCYAPI")};
    const auto urls = SourceUrls::parse({QStringLiteral("CURRENCYAPI=https://a.test/eur.json"),
                                         QStringLiteral("ecb=https://127.0.0.1:4443/x.xml"),
                                         QStringLiteral("CURRENCYAPI=https://b.test/eur.json")},
                                        known);
    ASSERT_TRUE(urls);
    EXPECT_EQ(urls->value("ECB"), QList<QUrl>{QUrl("https://127.0.0.1:4443/x.xml")});
    EXPECT_EQ(urls->value("CURRENCYAPI"),
              (QList<QUrl>{QUrl("https://a.test/eur.json"), QUrl("https://b.test/eur.json")}));

    const std::pair<const char*, const char*> refused[] = {
        {"https://a.test/", "is not NAME=URL"},
        {"BOC=https://a.test/", "unknown source 'BOC'"},
        {"ECB=ftp://a.test/", "not an http or https URL"},
        {"ECB=not a url", "not an http or https URL"},
        {"ECB=", "not an http or https URL"},
    };
    for (const auto& [value, reason] : refused) {
        QString error;
        EXPECT_FALSE(SourceUrls::parse({QString::fromLatin1(value)}, known, &error)) << value;
        EXPECT_TRUE(error.contains(QLatin1String(reason))) << error.toStdString();
    }
    QString error;
    EXPECT_FALSE(SourceUrls::parse({"ECB=https://a.test/", "ECB=https://a.test/"}, known, &error));
    EXPECT_TRUE(error.contains("twice"));
}

} // namespace
