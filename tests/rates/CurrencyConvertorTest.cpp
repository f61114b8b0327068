#include "CurrencyConvertor.h"

#include "HttpFixture.h"
#include "ReplacementCurrencies.h"

#include <QNetworkAccessManager>
#include <algorithm>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class CurrencyConvertorTest : public ::testing::Test {
protected:
    RateService serviceAt(const QString& host) {
        RateService s;
        s.serverHost = host;
        s.namespaceHost = "rates.test";
        s.transferTimeout = 2000ms;
        s.replacements = &replacements;
        return s;
    }

    // Runs one lookup to its end and returns the published rate as text; counts publications.
    QString lookUp(const QString& from, const QString& to, const RateService& service) {
        auto lookup = CurrencyConvertor::create(from, to, service, network);
        if (!lookup)
            return "null";
        int publications = 0;
        QObject::connect(lookup.get(), &CurrencyConvertor::rateChanged, [&] { ++publications; });
        EXPECT_FALSE(lookup->rate()) << "nothing is published during creation";
        if (!waitUntil([&] { return publications > 0; }, 10000))
            return "never";
        waitUntil([] { return false; }, 30); // a second publication would show up here
        EXPECT_EQ(publications, 1);
        return lookup->rate()->toString();
    }

    QNetworkAccessManager network;
    ReplacementCurrencies replacements = ReplacementCurrencies::fromDictionary(
        {{"replacementCurrencies",
          QVariantList{QVariantMap{{"code", "DEM"}, {"lookup", "EUR"}, {"rate", 1.95583}},
                       QVariantMap{{"code", "FRF"}, {"lookup", "EUR"}, {"rate", 6.55957}},
                       QVariantMap{{"code", "XXA"}, {"lookup", "USD"}, {"rate", 2.5}},
                       QVariantMap{{"code", "BAD"}, {"lookup", "USD"}, {"rate", 0}}}}});
};

} // namespace

TEST_F(CurrencyConvertorTest, pairsThatNeedNoRequestArePublishedAfterCreation) {
    HttpFixture server([](const QByteArray&) { return HttpFixture::doubleReply("9"); });
    const RateService service = serviceAt(server.hostAndPort());
    EXPECT_EQ(lookUp("EUR", "EUR", service), "1");
    // Both sides go through the euro: the ratio of the fixed rates.
    EXPECT_EQ(lookUp("DEM", "FRF", service),
              Decimal::fromString("6.55957").divide(Decimal::fromString("1.95583")).toString());
    EXPECT_EQ(lookUp("EUR", "DEM", service), "1.95583");
    EXPECT_TRUE(server.targets().isEmpty());
}

TEST_F(CurrencyConvertorTest, replacedCodesAreAskedForThroughTheirLookupAndCorrected) {
    HttpFixture server([](const QByteArray&) { return HttpFixture::doubleReply("0.5"); });
    EXPECT_EQ(lookUp("XXA", "GBP", serviceAt(server.hostAndPort())), "0.2");
    ASSERT_EQ(server.targets().size(), 1);
    EXPECT_EQ(server.targets()[0], "/webservice/CurrencyServerWebService.asmx/"
                                   "getCurrencyValue?provider=AVERAGE&srcCurrency=USD&dstCurrency=GBP");
    // An entry with a zero rate is unusable and left out, so the code is asked for as it is.
    EXPECT_EQ(lookUp("BAD", "GBP", serviceAt(server.hostAndPort())), "0.5");
    EXPECT_TRUE(server.targets()[1].contains("srcCurrency=BAD"));
}

TEST_F(CurrencyConvertorTest, codesCannotChangeTheShapeOfTheQuery) {
    HttpFixture server([](const QByteArray&) { return HttpFixture::doubleReply("1.5"); });
    lookUp("USD", "A&dstCurrency=EUR#x", serviceAt(server.hostAndPort()));
    ASSERT_EQ(server.targets().size(), 1);
    EXPECT_EQ(server.targets()[0],
              "/webservice/CurrencyServerWebService.asmx/getCurrencyValue?provider=AVERAGE&"
              "srcCurrency=USD&dstCurrency=A%26dstCurrency%3DEUR%23x");
}

TEST_F(CurrencyConvertorTest, readsTheNumberExactly) {
    HttpFixture server([](const QByteArray&) { return HttpFixture::doubleReply("1.2345"); });
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "1.2345");
}

TEST_F(CurrencyConvertorTest, everyBadAnswerIsAFailedLookup) {
    const QByteArray open = "<double xmlns=\"http://rates.test/webservices/CurrencyServer\">";
    const QList<std::pair<const char*, QByteArray>> answers = {
        {"error page", HttpFixture::response(500, "Server Error: unknown currency")},
        {"error page with a number", HttpFixture::response(200, "<html>0.9</html>")},
        {"missing closing tag", HttpFixture::response(200, open + "0.9")},
        {"closing tag only before", HttpFixture::response(200, "</double>" + open + "0.9")},
        {"grouping separator", HttpFixture::doubleReply("1,234.5")},
        {"zero", HttpFixture::doubleReply("0")},
        {"negative", HttpFixture::doubleReply("-1.5")},
        {"empty number", HttpFixture::doubleReply("")},
        {"letters", HttpFixture::doubleReply("abc")},
        {"blank around", HttpFixture::doubleReply(" 0.9 ")},
        {"comma decimal", HttpFixture::doubleReply("0,9")},
        {"other namespace", HttpFixture::doubleReply("0.9", "elsewhere.test")},
        {"not UTF-8", HttpFixture::response(200, open + "0.9</double>\xff\xfe")},
    };
    for (const auto& [what, answer] : answers) {
        HttpFixture server([answer](const QByteArray&) { return answer; });
        EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "0") << what;
    }
}

TEST_F(CurrencyConvertorTest, onlyTheBodyAfterTheLastResponseCounts) {
    HttpFixture server([](const QByteArray& target) {
        if (target.startsWith("/second"))
            return HttpFixture::doubleReply("2.5");
        return HttpFixture::response(
            302, "<double xmlns=\"http://rates.test/webservices/CurrencyServer\">5</double>",
            "Location: /second\r\n");
    });
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "2.5");
    EXPECT_EQ(server.targets().size(), 2);
}

TEST_F(CurrencyConvertorTest, refusedAndSilentServersFailAndBadAddressesMakeNoLookup) {
    quint16 closedPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt(QStringLiteral("127.0.0.1:%1").arg(closedPort))), "0");

    HttpFixture silent([](const QByteArray&) { return QByteArray(); });
    RateService service = serviceAt(silent.hostAndPort());
    service.transferTimeout = 300ms;
    EXPECT_EQ(lookUp("USD", "EUR", service), "0");
    EXPECT_EQ(silent.targets().size(), 1);

    EXPECT_EQ(lookUp("USD", "EUR", serviceAt("")), "null");
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt("bad host/with/path")), "null");
}

TEST_F(CurrencyConvertorTest, manyLookupsAtOnceEachGetTheirOwnAnswerWhetherOrNotTheServerKeepsConnections) {
    // The answer's number is the requested code's place in the list, so a mixed-up reply shows.
    QStringList codes;
    for (char c = 'A'; c <= 'Z'; ++c)
        codes << QStringLiteral("Q%1A").arg(c) << QStringLiteral("Q%1B").arg(c);
    const auto answerFor = [codes](const QByteArray& target) {
        const QString code = QString::fromLatin1(target.mid(target.lastIndexOf('=') + 1));
        return QByteArray::number(codes.indexOf(code) + 1);
    };
    for (const bool closes : {false, true}) {
        HttpFixture server([&](const QByteArray& target) {
            QByteArray reply = HttpFixture::doubleReply(answerFor(target));
            return closes ? reply.replace("\r\n\r\n", "\r\nConnection: close\r\n\r\n") : reply;
        });
        std::vector<std::shared_ptr<CurrencyConvertor>> lookups;
        for (const QString& code : codes)
            lookups.push_back(
                CurrencyConvertor::create("USD", code, serviceAt(server.hostAndPort()), network));
        ASSERT_TRUE(waitUntil([&] {
            return std::ranges::all_of(lookups, [](const auto& l) { return l->rate().has_value(); });
        })) << (closes ? "closing server" : "kept-alive server");
        for (int i = 0; i < codes.size(); ++i)
            EXPECT_EQ(lookups[i]->rate()->toString(), QString::number(i + 1)) << codes[i].toStdString();
    }
}