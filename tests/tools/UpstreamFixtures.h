#pragma once

// Upstream files in the shapes the real sources publish, generated so that size and values can vary.
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <cmath>
#include <utility>

namespace fixtures {

// The ECB's 29 currencies of a winter day in 2026, units per euro.
inline const QList<std::pair<const char*, double>>& ecbRates() {
    static const QList<std::pair<const char*, double>> rates = {
        {"USD", 1.1642},  {"JPY", 181.52}, {"CZK", 24.21},  {"DKK", 7.4687},   {"GBP", 0.8738},
        {"HUF", 383.6},   {"PLN", 4.2243}, {"RON", 5.0911}, {"SEK", 10.884},   {"CHF", 0.9372},
        {"ISK", 148.2},   {"NOK", 11.797}, {"TRY", 49.52},  {"AUD", 1.7563},   {"BRL", 6.3268},
        {"CAD", 1.6107},  {"CNY", 8.2318}, {"HKD", 9.0588}, {"IDR", 19402.11}, {"ILS", 3.7698},
        {"INR", 104.764}, {"KRW", 1715.7}, {"MXN", 21.165}, {"MYR", 4.7834},   {"NZD", 2.0165},
        {"PHP", 68.621},  {"SGD", 1.5092}, {"THB", 37.118}, {"ZAR", 19.768},
    };
    return rates;
}

// `power` -1 inverts every rate, as a source that swapped its base would.
inline QByteArray ecbDay(QDate date, double power = 1) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                     "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                     "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
                     "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n"
                     "\t</gesmes:Sender>\n\t<Cube>\n\t\t<Cube time='" +
                     date.toString(Qt::ISODate).toLatin1() + "'>\n";
    for (const auto& [code, rate] : ecbRates())
        xml += "\t\t\t<Cube currency='" + QByteArray(code) + "' rate='" +
               QByteArray::number(std::pow(rate, power), 'g', 8) + "'/>\n";
    return xml + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

// The ECB's currencies at the same rates, metals, a token whose code starts with a digit, and made-up
// codes up to `codes` entries, as currency-api's eur.json lays them out.
inline QByteArray currencyApiDay(QDate date, int codes = 340, double power = 1) {
    QList<std::pair<QByteArray, double>> rates = {
        {"eur", 1}, {"xau", 0.0002751379}, {"xag", 0.0201}, {"btc", 1.3652638e-05}, {"1inch", 11.32244633}};
    for (const auto& [code, rate] : ecbRates())
        rates.append({QByteArray(code).toLower(), rate});
    for (int i = 0; rates.size() < codes; ++i)
        rates.append({QByteArray("q") + char('a' + i / 26 % 26) + char('a' + i % 26), 1 + i * 0.37});
    QByteArray json = "{\n\t\"date\": \"" + date.toString(Qt::ISODate).toLatin1() + "\",\n\t\"eur\": {";
    for (const auto& [code, rate] : rates)
        json += "\n\t\t\"" + code + "\": " + QByteArray::number(std::pow(rate, power), 'g', 12) + ',';
    json.chop(1);
    return json + "\n\t}\n}";
}

} // namespace fixtures
