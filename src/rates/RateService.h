#pragma once

#include <QString>
#include <chrono>

class ReplacementCurrencies;

// Where and how rate lookups reach the rate web service.
struct RateService {
    QString serverHost;    // host[:port] of the rate server
    QString namespaceHost; // the host inside the reply's XML namespace URI
    // A silent server must not keep a lookup (and the activity indicator) alive for ever.
    std::chrono::milliseconds transferTimeout{60000};
    const ReplacementCurrencies* replacements = nullptr; // null: the shipped table

    // "RateServerHost" and "RateServiceNamespaceHost" of the main bundle's Info.plist.
    static RateService fromInfoDictionary();
};
