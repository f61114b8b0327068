#include "CurrencyConvertor.h"

#include "HttpFixture.h"
#include "LogCapture.h"
#include "ReplacementCurrencies.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class CurrencyConvertorTest : public ::testing::Test {
protected:
    RateService serviceAt(const QString& host) {
        RateService s;
        s.serverHost = host;
        s.namespaceHost = "rates.test";
        s.replyDeadline = 2000ms;
        s.replacements = &replacements;
        return s;
    }

    // Runs one lookup to its end and returns the published rate as text; counts publications.
    std::string lookUp(const QString& from, const QString& to, const RateService& service) {
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
        return lookup->rate()->toString().toStdString();
    }

    HttpClient network;
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
              Decimal::fromString("6.55957").divide(Decimal::fromString("1.95583")).toString().toStdString());
    EXPECT_EQ(lookUp("EUR", "DEM", service), "1.95583");
    EXPECT_TRUE(server.targets().isEmpty());
}

// The server names the pair it answers as the query carried it, and the reply is taken.
TEST_F(CurrencyConvertorTest, replacedCodesAreAskedForThroughTheirLookupAndCorrected) {
    HttpFixture server([](const QByteArray& target) {
        const auto code = [&](const QByteArray& key) {
            const qsizetype at = target.indexOf(key + '=') + key.size() + 1;
            return target.mid(at, target.indexOf('&', at) - at);
        };
        return HttpFixture::doubleReply("0.5").replace(
            "\r\n\r\n", "\r\nX-Rate-Pair: " + code("srcCurrency") + ' ' + code("dstCurrency") + "\r\n\r\n");
    });
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

TEST_F(CurrencyConvertorTest, readsPlainNumbersExactlyWithinTheRange) {
    for (const QByteArray& number : {QByteArray("1.2345"), QByteArray("0.000000000001"),
                                     QByteArray("1000000000000"), "1." + QByteArray(62, '0')}) {
        HttpFixture server([number](const QByteArray&) { return HttpFixture::doubleReply(number); });
        EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())),
                  Decimal::fromString(QString::fromLatin1(number)).toString().toStdString());
    }
}

TEST_F(CurrencyConvertorTest, everyBadAnswerIsAFailedLookup) {
    const QByteArray open = HttpFixture::openTag();
    const QByteArray headers = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n";
    // Numbers that are no plain decimal within the range, each in an otherwise good reply: grouping,
    // zero, sign, blanks, comma, exponents, Arabic-Indic digits, out of range, 65 characters.
    const QList<QByteArray> badNumbers = {"1,234.5",
                                          "0",
                                          "-1.5",
                                          "",
                                          "abc",
                                          " 0.9 ",
                                          "0,9",
                                          "1e100",
                                          "1E-100",
                                          "\xd9\xa1\xd9\xa2\xd9\xa3",
                                          "0.0000000000009",
                                          "1000000000000.1",
                                          "+1.5",
                                          ".5",
                                          "1.",
                                          "1." + QByteArray(62, '0') + "1"};
    QList<std::pair<QByteArray, HttpFixture::Answer>> answers = {
        {"error page", {.head = HttpFixture::response(500, "Server Error: unknown currency")}},
        {"error page with a number", {.head = HttpFixture::response(200, "<html>0.9</html>")}},
        {"missing closing tag", {.head = HttpFixture::response(200, open + "0.9")}},
        {"closing tag only before", {.head = HttpFixture::response(200, "</double>" + open + "0.9")}},
        {"other namespace", {.head = HttpFixture::doubleReply("0.9", "elsewhere.test")}},
        {"naming another pair",
         {.head = HttpFixture::doubleReply("0.9").replace("\r\n\r\n", "\r\nX-Rate-Pair: USD GBP\r\n\r\n")}},
        {"naming two pairs",
         {.head = HttpFixture::doubleReply("0.9").replace(
              "\r\n\r\n", "\r\nX-Rate-Pair: USD EUR\r\nX-Rate-Pair: USD GBP\r\n\r\n")}},
        {"not UTF-8", {.head = HttpFixture::response(200, open + "0.9</double>\xff\xfe")}},
        {"body cut short",
         {.head = headers + "Content-Length: 500\r\n\r\n" + open + "0.5</double>", .close = true}},
        {"chunked body cut short",
         {.head = headers + "Transfer-Encoding: chunked\r\n\r\n80\r\n" + open + "0.5</double>",
          .close = true}},
        {"closed without a word, every time", {.close = true}},
        {"declared too large",
         {.head = headers + "Content-Length: 100000000\r\n\r\n" + open + "0.5</double>"}},
        {"too large to the end",
         {.head = headers + "Connection: close\r\n\r\n",
          .fillerSize = 1'000'000,
          .tail = open + "0.5</double>",
          .close = true}},
    };
    for (const QByteArray& number : badNumbers)
        answers.append({"number '" + number + "'", {.head = HttpFixture::doubleReply(number)}});
    for (const auto& [what, answer] : answers) {
        HttpFixture server([answer = answer](const QByteArray&) { return answer; });
        EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "0") << what.toStdString();
    }
}

TEST_F(CurrencyConvertorTest, tagLogLinesKeepTheirPrefixAndAShortEscapedExcerpt) {
    const QByteArray open = HttpFixture::openTag();
    const QByteArray noise = "line one\r\nline two\x1b[31m\t" + QByteArray(60'000, 'x');
    for (const auto& [answer, prefix] :
         {std::pair{HttpFixture::response(200, noise), "Open tag not found: "},
          std::pair{HttpFixture::response(200, open + noise), "Close tag not found: "}}) {
        HttpFixture server([answer = answer](const QByteArray&) { return answer; });
        LogCapture log;
        EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "0");
        ASSERT_EQ(log.lines().size(), 1);
        const QString line = log.lines()[0];
        EXPECT_TRUE(line.startsWith(prefix)) << line.left(100).toStdString();
        EXPECT_TRUE(line.contains("line one\\r\\nline two\\u{001b}[31m\\txxx"))
            << line.left(100).toStdString();
        EXPECT_LE(line.size(), 400);
        EXPECT_FALSE(line.contains(QChar(0x1b)) || line.contains(u'\n'));
    }
}

// A lookup ends a fixed time after its request was sent, however slowly bytes trickle in, and
// without Qt's own warnings; one that still waits for a free connection does not start its clock.
TEST_F(CurrencyConvertorTest, theDeadlineRunsFromTheRequestSent) {
    HttpFixture trickle([](const QByteArray&) {
        const QByteArray body = HttpFixture::openTag() + "0.5</double>";
        return HttpFixture::Answer{
            .head = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n",
            .byteInterval = 20ms,
            .tail = body};
    });
    RateService service = serviceAt(trickle.hostAndPort());
    service.replyDeadline = 500ms;
    LogCapture log;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(lookUp("USD", "EUR", service), "0");
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(log.lines().join(u'\n').toStdString(), "");

    HttpFixture slow([](const QByteArray&) {
        return HttpFixture::Answer{.head = HttpFixture::doubleReply("0.5"), .delay = 400ms};
    });
    service = serviceAt(slow.hostAndPort());
    service.replyDeadline = 1000ms;
    std::vector<std::shared_ptr<CurrencyConvertor>> lookups;
    for (int i = 0; i < 24; ++i)
        lookups.push_back(CurrencyConvertor::create("USD", "EUR", service, network));
    const auto ended = [&] {
        return std::all_of(lookups.begin(), lookups.end(),
                           [](const auto& l) { return l->rate().has_value(); });
    };
    ASSERT_TRUE(waitUntil(ended, 15000));
    for (const auto& lookup : lookups)
        EXPECT_EQ(lookup->rate()->toString().toStdString(), "0.5");
}

// Redirects are followed, on the same server or to another one; a redirect's own body is no answer.
TEST_F(CurrencyConvertorTest, onlyTheBodyAfterTheLastResponseCounts) {
    HttpFixture other([](const QByteArray&) { return HttpFixture::doubleReply("2.5"); });
    HttpFixture server([&](const QByteArray& target) {
        const QByteArray location =
            target.startsWith("/second") ? "http://" + other.hostAndPort().toLatin1() + "/third" : "/second";
        return HttpFixture::response(
            302, "<double xmlns=\"http://rates.test/webservices/CurrencyServer\">5</double>",
            "Location: " + location + "\r\n");
    });
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "2.5");
    EXPECT_EQ(server.targets().size(), 2);
    EXPECT_EQ(other.targets(), QList<QByteArray>{"/third"});
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
    service.replyDeadline = 300ms;
    LogCapture log;
    EXPECT_EQ(lookUp("USD", "EUR", service), "0");
    EXPECT_EQ(log.lines().join(u'\n').toStdString(), "") << "no line of Qt's own";
    EXPECT_EQ(silent.targets().size(), 1);

    EXPECT_EQ(lookUp("USD", "EUR", serviceAt("")), "null");
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt("bad host/with/path")), "null");
}

// 190 codes, each answered with its place in the list (from 1), so that a mixed-up reply shows.
QStringList numberedCodes() {
    QStringList codes;
    for (int i = 0; i < 190; ++i)
        codes << QStringLiteral("Q%1%2").arg(QChar(u'A' + i / 26)).arg(QChar(u'A' + i % 26));
    return codes;
}

QByteArray numberFor(const QByteArray& target, const QStringList& codes) {
    return QByteArray::number(codes.indexOf(QString::fromLatin1(target.mid(target.lastIndexOf('=') + 1))) +
                              1);
}

// Every lookup of `codes` at once against `server`; the published rates in list order ("never" for
// one that did not end).
QStringList lookUpAll(HttpClient& network, const RateService& service, const QStringList& codes) {
    std::vector<std::shared_ptr<CurrencyConvertor>> lookups;
    for (const QString& code : codes)
        lookups.push_back(CurrencyConvertor::create("USD", code, service, network));
    waitUntil(
        [&] { return std::ranges::all_of(lookups, [](const auto& l) { return l->rate().has_value(); }); },
        20000);
    QStringList rates;
    for (const auto& lookup : lookups)
        rates << (lookup->rate() ? lookup->rate()->toString() : QStringLiteral("never"));
    return rates;
}

// One request at a time per connection; servers that close after any answer (saying so or not, or
// only their sending half), speak HTTP/1.0 with the body ending at the close, or send chunks must
// still get every answer right, and none may be lost to retries charged for requests never read.
TEST_F(CurrencyConvertorTest, manyLookupsAtOnceEachGetTheirOwnAnswerWhateverTheServerDoesWithConnections) {
    const QStringList codes = numberedCodes();
    const QByteArray open = HttpFixture::openTag();
    const auto reply = [](const QByteArray& n) {
        return HttpFixture::Answer{.head = HttpFixture::doubleReply(n)};
    };
    const struct {
        const char* what;
        std::function<HttpFixture::Answer(const QByteArray&)> answer;
        QList<int> closeAfter = {};
    } servers[] = {
        {"kept-alive", reply},
        {"closing",
         [&](const QByteArray& n) {
             return HttpFixture::Answer{
                 .head = HttpFixture::doubleReply(n).replace("\r\n\r\n", "\r\nConnection: close\r\n\r\n")};
         }},
        {"closing without a word a moment after each answer",
         [&](const QByteArray& n) {
             return HttpFixture::Answer{
                 .head = HttpFixture::doubleReply(n), .close = true, .laterDelay = 10ms};
         }},
        {"closing after two or three answers", reply, {2, 3}},
        {"half-closing",
         [&](const QByteArray& n) {
             return HttpFixture::Answer{.head = HttpFixture::doubleReply(n), .halfClose = true};
         }},
        {"HTTP/1.0 to the close",
         [&](const QByteArray& n) {
             return HttpFixture::Answer{.head = "HTTP/1.0 200 OK\r\n\r\n" + open + n + "</double>",
                                        .close = true};
         }},
        {"chunked",
         [&](const QByteArray& n) {
             const QByteArray body = open + n + "</double>";
             return HttpFixture::Answer{.head =
                                            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5;x=y\r\n" +
                                            body.left(5) + "\r\n" + QByteArray::number(body.size() - 5, 16) +
                                            "\r\n" + body.mid(5) + "\r\n0\r\nX-Trailer: 1\r\n\r\n"};
         }},
    };
    for (const auto& [what, answer, closeAfter] : servers) {
        HttpFixture server(
            [&, answer = answer](const QByteArray& target) { return answer(numberFor(target, codes)); });
        server.closeAfter = closeAfter;
        const QStringList rates = lookUpAll(network, serviceAt(server.hostAndPort()), codes);
        for (int i = 0; i < codes.size(); ++i)
            EXPECT_EQ(rates[i], QString::number(i + 1)) << what << " " << codes[i].toStdString();
    }
}

// Slow servers or proxies that answer out of turn: an answer for another code must never be taken
// for the one asked. Failed lookups are allowed; a wrong rate is not. The server whose stray answers
// come late names the pair of each answer, as ours does: only that tells a stray answer arriving
// while the next request waits from the real one.
TEST_F(CurrencyConvertorTest, answersOutOfTurnNeverGiveARateToTheWrongCode) {
    const QStringList codes = numberedCodes().first(24);
    const auto right = [&](const QByteArray& t) { return HttpFixture::doubleReply(numberFor(t, codes)); };
    // The answer for a code half the list away (never one asked next on the same connection), naming
    // its pair or not.
    const auto other = [&](const QByteArray& t, bool named) {
        const int next = (numberFor(t, codes).toInt() - 1 + codes.size() / 2) % codes.size();
        const QByteArray reply = HttpFixture::doubleReply(QByteArray::number(next + 1));
        return named ? QByteArray(reply).replace("\r\n\r\n", "\r\nX-Rate-Pair: USD " +
                                                                 codes[next].toLatin1() + "\r\n\r\n")
                     : reply;
    };
    // Each connection's first answer is a good one: the misbehaviour starts once the client trusts it.
    const HttpFixture* server = nullptr;
    const auto later = [&] { return server->answeredOnConnection() > 0; };
    const struct {
        const char* what;
        std::function<HttpFixture::Answer(const QByteArray&)> answer;
        int newestFirstBatch = 0;
    } servers[] = {
        {"newest first",
         [&](const QByteArray& t) { return HttpFixture::Answer{.head = right(t), .delay = 30ms}; }, 3},
        {"two answers to one request",
         [&](const QByteArray& t) {
             return HttpFixture::Answer{.head = right(t) + (later() ? other(t, false) : ""), .delay = 30ms};
         }},
        {"an extra answer 0.15 s later",
         [&](const QByteArray& t) {
             const QByteArray pair = "USD " + t.mid(t.lastIndexOf('=') + 1);
             return HttpFixture::Answer{
                 .head = right(t).replace("\r\n\r\n", "\r\nX-Rate-Pair: " + pair + "\r\n\r\n"),
                 .delay = 100ms,
                 .later = other(t, true),
                 .laterDelay = 150ms};
         }},
        {"a length too short, the rest a second answer",
         [&](const QByteArray& t) {
             const QByteArray cut = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n<?xml" + other(t, false);
             return HttpFixture::Answer{.head = later() ? cut : right(t), .delay = 30ms};
         }},
    };
    for (const auto& [what, answer, batch] : servers) {
        HttpFixture fixture(answer);
        server = &fixture;
        fixture.newestFirstBatch = batch;
        const QStringList rates = lookUpAll(network, serviceAt(fixture.hostAndPort()), codes);
        for (int i = 0; i < codes.size(); ++i)
            EXPECT_THAT(rates[i].toStdString(), testing::AnyOf("0", std::to_string(i + 1)))
                << what << " " << codes[i].toStdString();
    }
}

// Idle kept-alive connections do not stay open for ever.
TEST_F(CurrencyConvertorTest, idleConnectionsCloseAfterTheIdleTime) {
    HttpFixture server([](const QByteArray&) { return HttpFixture::doubleReply("1.5"); });
    network.setIdleTimeout(200ms);
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt(server.hostAndPort())), "1.5");
    EXPECT_EQ(server.connectionsOpen(), 1);
    EXPECT_TRUE(waitUntil([&] { return server.connectionsOpen() == 0; }, 3000));
}

// A name is looked up off the event loop, and each of its addresses is tried in turn ("localhost" may
// come as ::1 first, where the fixture does not listen).
TEST_F(CurrencyConvertorTest, serverNamesAreLookedUpAndEachAddressIsTried) {
    HttpFixture server([](const QByteArray&) { return HttpFixture::doubleReply("1.25"); });
    const QString port = server.hostAndPort().section(u':', 1);
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt("localhost:" + port)), "1.25");
    EXPECT_EQ(lookUp("USD", "EUR", serviceAt("no-such-host.invalid:" + port)), "0");
}
