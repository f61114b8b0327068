#include "RateRequestHandler.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(15, 30), Qt::UTC);
const QString kPath = RateRequestHandler::kPath.toString();

RateSnapshot snapshot(const QString& source, QDate date, QHash<QString, double> perBase) {
    return {source, date, std::move(perBase), QStringLiteral("EUR"), {}, {}};
}

// Two sources a day apart that agree within 2% on EUR/USD and disagree on EUR/JPY.
struct Book {
    RateBook book{{QStringLiteral("ECB"), QStringLiteral("CURRENCYAPI")}};
    Book() {
        book.setSnapshot(snapshot("ECB", kNow.date(), {{"EUR", 1}, {"USD", 1.10}, {"JPY", 160}}));
        book.setSnapshot(snapshot("CURRENCYAPI", kNow.date().addDays(-1),
                                  {{"EUR", 1}, {"USD", 1.12}, {"JPY", 170}, {"XAU", 0.0004}}));
    }
};

RateBook::Quote quote(const RateBook& book, QStringView provider, const char* src, const char* dst,
                      QDate today = kNow.date()) {
    return book.quote(provider, QString::fromLatin1(src), QString::fromLatin1(dst), today);
}

TEST(RateBookTest, average_isTheMeanOfFreshSources_withinOneSourceEach_unlessTheyDisagree) {
    const Book b;
    const RateBook::Quote usd = quote(b.book, u"AVERAGE", "EUR", "USD");
    EXPECT_EQ(usd.outcome, RateBook::Outcome::Rate);
    EXPECT_DOUBLE_EQ(usd.value, 1.11);
    EXPECT_EQ(usd.date, kNow.date()); // the newest data used
    EXPECT_EQ(usd.sources, QStringList({"ECB", "CURRENCYAPI"}));
    // JPY: 160 against 170 is over 2% apart, so the central bank is believed.
    const RateBook::Quote jpy = quote(b.book, u"AVERAGE", "EUR", "JPY");
    EXPECT_DOUBLE_EQ(jpy.value, 160);
    EXPECT_EQ(jpy.sources, QStringList({"ECB"}));
    // Only one source quotes gold: never crossed with another source's euro.
    EXPECT_DOUBLE_EQ(quote(b.book, u"AVERAGE", "USD", "XAU").value, 0.0004 / 1.12);
    EXPECT_DOUBLE_EQ(quote(b.book, u"CURRENCYAPI", "EUR", "USD").value, 1.12);
    EXPECT_EQ(quote(b.book, u"ECB", "EUR", "XAU").outcome, RateBook::Outcome::UnknownCode);
    EXPECT_EQ(quote(b.book, u"BEST", "EUR", "USD").outcome, RateBook::Outcome::UnknownProvider);
}

TEST(RateBookTest, staleOrFutureData_isNeverAnswered) {
    const Book b;
    // Five days on, the currency-api data is five days old, the central bank's four.
    const QDate later = kNow.date().addDays(4);
    EXPECT_EQ(quote(b.book, u"AVERAGE", "EUR", "USD", later).sources, QStringList({"ECB"}));
    EXPECT_EQ(quote(b.book, u"AVERAGE", "USD", "XAU", later).outcome, RateBook::Outcome::NoFreshSource);
    EXPECT_EQ(quote(b.book, u"AVERAGE", "EUR", "USD", later.addDays(1)).outcome,
              RateBook::Outcome::NoFreshSource);
    // Data dated after today is no more trustworthy.
    EXPECT_EQ(quote(b.book, u"ECB", "EUR", "USD", kNow.date().addDays(-1)).outcome,
              RateBook::Outcome::NoFreshSource);
    // A source not yet downloaded may know a code the others lack: come back, not "unknown".
    RateBook partial({QStringLiteral("ECB"), QStringLiteral("CURRENCYAPI")});
    partial.setSnapshot(snapshot("ECB", kNow.date(), {{"EUR", 1}, {"USD", 1.1}}));
    EXPECT_EQ(quote(partial, u"AVERAGE", "EUR", "XAU").outcome, RateBook::Outcome::NoFreshSource);
}

RateReply get(const RateBook& book, const QString& query, QByteArrayView method = "GET",
              QByteArrayView ifNoneMatch = {}) {
    return RateRequestHandler(book, QStringLiteral("ns.example"))
        .answer(method, QUrl(QStringLiteral("http://127.0.0.1:1") + kPath + query), kNow, ifNoneMatch);
}

TEST(RateRequestHandlerTest, rate_saysItsAgeItsPairAndHowLongToKeepIt) {
    Book b;
    b.book.setNextPublication(QStringLiteral("ECB"), kNow.addSecs(600));
    b.book.setNextPublication(QStringLiteral("CURRENCYAPI"), kNow.addSecs(9000));
    const QString query = QStringLiteral("?provider=ECB&srcCurrency=EUR&dstCurrency=JPY");
    const RateReply reply = get(b.book, query);
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(
        reply.body.endsWith("<double xmlns=\"http://ns.example/webservices/CurrencyServer\">160</double>"));
    EXPECT_EQ(reply.header("Last-Modified"), "Tue, 08 Dec 2026 00:00:00 GMT"); // no publication time known
    EXPECT_EQ(get(b.book, QStringLiteral("?provider=CURRENCYAPI&srcCurrency=EUR&dstCurrency=JPY"))
                  .header("Last-Modified"),
              "Mon, 07 Dec 2026 00:00:00 GMT");
    // The moment of publication, where known, but never later than now.
    b.book.setPublishedAt(QStringLiteral("CURRENCYAPI"),
                          [](QDate d) { return QDateTime(d, QTime(23, 0), Qt::UTC); });
    EXPECT_EQ(get(b.book, QStringLiteral("?provider=CURRENCYAPI&srcCurrency=EUR&dstCurrency=JPY"))
                  .header("Last-Modified"),
              "Mon, 07 Dec 2026 23:00:00 GMT");
    b.book.setPublishedAt(QStringLiteral("ECB"), [](QDate d) { return QDateTime(d, QTime(16, 0), Qt::UTC); });
    EXPECT_EQ(get(b.book, query).header("Last-Modified"), "Tue, 08 Dec 2026 15:30:00 GMT");
    EXPECT_EQ(reply.header("Cache-Control"), "public, max-age=600");
    EXPECT_EQ(reply.header("X-Rate-Pair"), "EUR JPY");
    const QByteArray etag = reply.header("ETag");
    ASSERT_TRUE(etag.startsWith('"') && etag.endsWith('"') && etag.size() > 2) << etag.toStdString();
    EXPECT_NE(get(b.book, QStringLiteral("?provider=ECB&srcCurrency=EUR&dstCurrency=USD")).header("ETag"),
              etag);

    for (const QByteArray& match : {etag, "\"x\", " + etag, "W/" + etag, QByteArray("*")}) {
        const RateReply notModified = get(b.book, query, "GET", match);
        EXPECT_EQ(notModified.status, 304) << match.toStdString();
        EXPECT_TRUE(notModified.body.isEmpty());
        EXPECT_EQ(notModified.header("ETag"), etag);
    }
    EXPECT_EQ(get(b.book, query, "GET", "\"other\"").status, 200);
    EXPECT_EQ(get(b.book, query, "HEAD").body, reply.body); // the front leaves the body out
    // The same code is exactly 1, and parameter order is free.
    EXPECT_TRUE(get(b.book, QStringLiteral("?dstCurrency=EUR&srcCurrency=EUR&provider=AVERAGE"))
                    .body.endsWith(">1</double>"));
}

TEST(RateRequestHandlerTest, refusals_carryNoRateAndAreNeverCached) {
    Book b;
    struct Case {
        QString query;
        QByteArrayView method;
        int status;
    };
    const Case cases[] = {
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=XXX"), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=eur&dstCurrency=JPY"), "GET", 500}, // case-sensitive
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR"), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&dstCurrency=EUR"), "GET", 500},
        {QStringLiteral("?srcCurrency=EUR&dstCurrency=JPY"), "GET", 500},
        {QStringLiteral(""), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&x=1"), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&dstCurrency=USD"), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&"), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=%3Cdouble%3E"), "GET", 500},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY&%3Cdouble=1"), "GET", 500},
        {QStringLiteral("/?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"), "GET", 500},
        {QStringLiteral("?provider=BEST&srcCurrency=EUR&dstCurrency=JPY"), "GET", 400},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"), "POST", 405},
        {QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"), "DELETE", 405},
    };
    for (const Case& c : cases) {
        const RateReply reply = get(b.book, c.query, c.method);
        EXPECT_EQ(reply.status, c.status) << c.query.toStdString();
        EXPECT_EQ(reply.contentType, "text/plain; charset=utf-8");
        EXPECT_EQ(reply.header("Cache-Control"), "no-store");
        EXPECT_FALSE(reply.body.contains("<double")) << reply.body.toStdString();
        EXPECT_EQ(reply.header("Allow"), c.status == 405 ? "GET, HEAD" : "");
    }
    EXPECT_TRUE(
        get(b.book, QStringLiteral("?provider=AVERAGE&srcCurrency=EUR")).body.contains("dstCurrency"));
    EXPECT_EQ(get(b.book, QStringLiteral("/%3Cdouble")).status, 500);

    // Nothing fresh: 503, to be asked again when the next publication is due.
    b.book.setNextPublication(QStringLiteral("ECB"), kNow.addSecs(7200));
    RateBook stale({QStringLiteral("ECB")});
    stale.setSnapshot(snapshot("ECB", kNow.date().addDays(-5), {{"EUR", 1}, {"USD", 1.1}}));
    stale.setNextPublication(QStringLiteral("ECB"), kNow.addSecs(7200));
    const RateReply unavailable =
        get(stale, QStringLiteral("?provider=AVERAGE&srcCurrency=EUR&dstCurrency=USD"));
    EXPECT_EQ(unavailable.status, 503);
    EXPECT_EQ(unavailable.header("Retry-After"), "7200");
    EXPECT_EQ(unavailable.header("Cache-Control"), "no-store");
    EXPECT_FALSE(unavailable.body.contains("<double"));
}

} // namespace
