#include "EcbParser.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

std::optional<RateSnapshot> failure(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return std::nullopt;
}

bool isCode(QStringView code) {
    return code.size() == 3 &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

} // namespace

std::optional<RateSnapshot> EcbParser::parse(const QByteArray& xml, QString* error) {
    QXmlStreamReader reader(xml);
    const auto where = [&reader] { return QStringLiteral(" (line %1)").arg(reader.lineNumber()); };
    if (!reader.readNextStartElement() || reader.name() != u"Envelope")
        return failure(error, QStringLiteral("not an ECB reference-rate envelope") + where());

    RateSnapshot snapshot;
    snapshot.source = QStringLiteral("ECB");
    snapshot.base = QStringLiteral("EUR");
    bool sawOuterCube = false;
    while (reader.readNextStartElement()) {
        if (reader.name() != u"Cube") {
            reader.skipCurrentElement(); // subject and sender
            continue;
        }
        if (sawOuterCube)
            return failure(error, QStringLiteral("more than one rate cube") + where());
        sawOuterCube = true;
        while (reader.readNextStartElement()) {
            const QStringView time = reader.attributes().value(QLatin1String("time"));
            if (reader.name() != u"Cube" || time.isEmpty())
                return failure(error, QStringLiteral("expected a dated cube") + where());
            // The daily file holds one day; the history files hold many and are not this source.
            if (snapshot.date.isValid())
                return failure(error, QStringLiteral("more than one day") + where());
            snapshot.date = QDate::fromString(time.toString(), Qt::ISODate);
            if (!snapshot.date.isValid())
                return failure(error, QStringLiteral("bad date '%1'").arg(time) + where());
            while (reader.readNextStartElement()) {
                const QStringView code = reader.attributes().value(QLatin1String("currency"));
                const QStringView rateText = reader.attributes().value(QLatin1String("rate"));
                if (reader.name() != u"Cube" || !isCode(code))
                    return failure(error, QStringLiteral("expected a currency cube") + where());
                bool ok = false;
                const double rate = rateText.toDouble(&ok);
                if (!ok || !std::isfinite(rate))
                    return failure(error,
                                   QStringLiteral("bad rate '%1' for %2").arg(rateText, code) + where());
                if (snapshot.perBase.contains(code.toString()))
                    return failure(error, QStringLiteral("%1 given twice").arg(code) + where());
                snapshot.perBase.insert(code.toString(), rate);
                reader.skipCurrentElement();
            }
        }
    }
    // Read past the root so that a cut-off or trailing-garbage document is an error, not a short day.
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    if (reader.hasError())
        return failure(error, reader.errorString() + where());
    if (!snapshot.date.isValid())
        return failure(error, QStringLiteral("no dated cube"));
    if (snapshot.perBase.contains(snapshot.base))
        return failure(error, QStringLiteral("the base EUR is quoted against itself"));
    snapshot.perBase.insert(snapshot.base, 1.0);
    return snapshot;
}
