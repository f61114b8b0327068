#pragma once

#include <QString>
#include <chrono>

class ReplacementCurrencies;

// Where and how rate lookups reach the rate web service.
struct RateService {
    QString serverHost;    // host[:port] of the rate server
    QString namespaceHost; // the host inside the reply's XML namespace URI
    // A lookup ends this long after its request went out, whatever arrives meanwhile, so that neither
    // a silent nor a trickling server keeps it (and the activity indicator) alive. A request still
    // waiting for a connection fails only once the lookups ahead of it have not moved for as long.
    std::chrono::milliseconds replyDeadline{60000};
    const ReplacementCurrencies* replacements = nullptr; // null: the shipped table

    // A reply may name the pair it answers ("USD EUR", the codes as the request's query carried
    // them); a reply naming another pair is refused, so that a stray answer cannot land under the
    // wrong code. Replies without it are read as before.
    static constexpr const char* kRatePairHeader = "X-Rate-Pair";

    // "RateServerHost" and "RateServiceNamespaceHost" of the main bundle's Info.plist.
    static RateService fromInfoDictionary();
};
