#include "RateReply.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(RateReplyTest, formatValue_plainDecimalWithTenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1, "1"},
        {1.086, "1.086"},
        {0.9234567891, "0.9234567891"},
        {157.4772933, "157.4772933"},
        {100, "100"},
        {0.1 + 0.2, "0.3"}, // binary noise below the tenth digit disappears
        // Small and large magnitudes never switch to exponent notation.
        {0.0000123456789, "0.0000123456789"},
        {1.5e-7, "0.00000015"},
        {1234567.891, "1234567.891"},
        {1e9, "1000000000"},
        {85679508184.0193, "85679508180"},
        // Rounding at the tenth digit, including carries into a new leading digit.
        {2.0 / 3.0, "0.6666666667"},
        {1.23456789049, "1.23456789"},
        {0.99999999996, "1"},
        {9999999999.6, "10000000000"},
        {0.000099999999996, "0.0001"},
        {-2.5, "-2.5"},
        {0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RateReply::formatValue(c.value), QByteArray(c.text)) << "value " << c.value;
    EXPECT_TRUE(RateReply::formatValue(std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(RateReply::formatValue(std::numeric_limits<double>::quiet_NaN()).isEmpty());
}

TEST(RateReplyTest, value_isTheXmlDocumentInTheServiceNamespace) {
    const RateReply reply = RateReply::value(0.5, QStringLiteral("rates.example"));
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.contentType, "text/xml; charset=utf-8");
    EXPECT_EQ(reply.body, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<double xmlns=\"http://rates.example/webservices/CurrencyServer\">0.5</double>");
    // A host given on the command line cannot break the attribute.
    EXPECT_TRUE(RateReply::value(1, QStringLiteral("a\"b<c")).body.contains("http://a&quot;b&lt;c/"));
}

TEST(RateReplyTest, failure_isPlainText500) {
    const RateReply reply = RateReply::failure(QStringLiteral("Missing parameter: srcCurrency."));
    EXPECT_EQ(reply.status, 500);
    EXPECT_EQ(reply.contentType, "text/plain; charset=utf-8");
    EXPECT_EQ(reply.body, "Missing parameter: srcCurrency.");
}

} // namespace
