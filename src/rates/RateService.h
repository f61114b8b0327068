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

    // "RateServerHost" and "RateServiceNamespaceHost" of the main bundle's Info.plist.
    static RateService fromInfoDictionary();
};
