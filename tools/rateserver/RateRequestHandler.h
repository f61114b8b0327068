#pragma once

#include "RateReply.h"
#include "RateTable.h"

#include <QByteArrayView>
#include <QUrl>

// The one operation of the currency web service:
//   GET /webservice/CurrencyServerWebService.asmx/getCurrencyValue
//       ?provider=AVERAGE&srcCurrency=X&dstCurrency=Y
// answered with value(Y) / value(X). Anything else, down to an extra or repeated query parameter,
// is a 500 whose text never contains the XML element the app looks for.
class RateRequestHandler final {
public:
    static constexpr QStringView kPath = u"/webservice/CurrencyServerWebService.asmx/getCurrencyValue";
    static constexpr QStringView kProvider = u"AVERAGE";

    RateRequestHandler(RateTable table, QString namespaceHost)
        : m_table(std::move(table)), m_namespaceHost(std::move(namespaceHost)) {}

    const RateTable& table() const { return m_table; }
    const QString& namespaceHost() const { return m_namespaceHost; }

    // `method` is the upper-case HTTP method name.
    RateReply answer(QByteArrayView method, const QUrl& url) const;

private:
    RateTable m_table;
    QString m_namespaceHost;
};
