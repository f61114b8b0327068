#include "RateRequestHandler.h"

#include <gtest/gtest.h>

namespace {

RateRequestHandler service() {
    return RateRequestHandler(*RateTable::fromJson(R"({"usd": {"usd": 1, "eur": 0.8, "jpy": 160}})"),
                              QStringLiteral("ns.example"));
}

RateReply get(const QString& pathAndQuery, QByteArrayView method = "GET") {
    return service().answer(method, QUrl(QStringLiteral("http://127.0.0.1:1") + pathAndQuery));
}

const QString kPath = RateRequestHandler::kPath.toString();

TEST(RateRequestHandlerTest, answer_knownPair) {
    const RateReply reply = get(kPath + QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"));
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(
        reply.body.endsWith("<double xmlns=\"http://ns.example/webservices/CurrencyServer\">200</double>"));
    // Parameter order is free; the same code is exactly 1.
    EXPECT_TRUE(get(kPath + QStringLiteral("?dstCurrency=EUR&srcCurrency=EUR&provider=AVERAGE"))
                    .body.endsWith(">1</double>"));
}

TEST(RateRequestHandlerTest, answer_refusesAnythingElse_withPlainText500) {
    const QString refused[] = {
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=XXX"),
        QStringLiteral("?provider=AVERAGE&srcCurrency=eur&dstCurrency=JPY"), // codes are case-sensitive
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR"),
        QStringLiteral("?provider=AVERAGE&dstCurrency=EUR"),
        QStringLiteral("?srcCurrency=EUR&dstCurrency=JPY"),
        QStringLiteral(""),
        QStringLiteral("?provider=BEST&srcCurrency=EUR&dstCurrency=JPY"),
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&x=1"),
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&dstCurrency=USD"),
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&"),
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=%3Cdouble%3E"),
        QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&%3Cdouble=1"),
        QStringLiteral("/?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"),
    };
    for (const QString& query : refused) {
        const RateReply reply = get(kPath + query);
        EXPECT_EQ(reply.status, 500) << query.toStdString();
        EXPECT_EQ(reply.contentType, "text/plain; charset=utf-8");
        EXPECT_FALSE(reply.body.contains("<double")) << reply.body.toStdString();
    }
    EXPECT_EQ(get(QStringLiteral("/<double>/x?provider=AVERAGE")).status, 500);
    EXPECT_FALSE(get(QStringLiteral("/%3Cdouble")).body.contains("<double"));
    EXPECT_EQ(get(kPath + QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"), "POST").status,
              500);
    EXPECT_TRUE(
        get(kPath + QStringLiteral("?provider=AVERAGE&srcCurrency=EUR")).body.contains("dstCurrency"));
}

} // namespace
