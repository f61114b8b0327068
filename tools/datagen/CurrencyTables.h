#pragma once

// The hand-kept facts behind the shipped currency data. Everything else comes from the rate snapshot,
// ICU's English names and the iso-codes list.

#include <array>

namespace datagen {

// ISO codes that are not money a traveller converts: funds, units of account other than the SDR,
// testing and "no currency" codes. The precious metals and the SDR are quoted, so they stay.
inline constexpr std::array kExcludedCodes{
    "BOV", "CHE", "CHW", "CLF", "COU", "MXV", "USN", "UYI", "UYW", // funds and indexed units
    "XBA", "XBB", "XBC", "XBD", "XSU", "XUA",                      // units of account
    "XTS", "XXX",                                                  // testing, no currency
};

// Current ISO codes assigned after the iso-codes release we build against.
inline constexpr std::array kAddedIsoCodes{"XCG", "ZWG"};

// Names for codes ICU 72 does not know (territory currencies outside ISO 4217, codes newer than its
// data). These win over ICU.
struct FixedName {
    const char* code;
    const char16_t* name;
};
inline constexpr std::array kFixedNames{
    FixedName{"FOK", u"Faroese Króna"},     FixedName{"GGP", u"Guernsey Pound"},
    FixedName{"IMP", u"Manx Pound"},        FixedName{"JEP", u"Jersey Pound"},
    FixedName{"KID", u"Kiribati Dollar"},   FixedName{"TVD", u"Tuvaluan Dollar"},
    FixedName{"XCG", u"Caribbean Guilder"}, FixedName{"ZWG", u"Zimbabwe Gold"},
};

// A currency whose value follows another's by a fixed factor: `rate` units of `code` make one unit of
// `lookup`. Its starting value is derived, never taken from the snapshot, and the catalogue keeps it
// even when the snapshot stops quoting it.
struct Replacement {
    const char* code;
    const char* lookup;
    double rate;
};
inline constexpr std::array kReplacements{
    // Territory currencies issued at par with the currency they are pegged to.
    Replacement{"FKP", "GBP", 1.0}, Replacement{"GGP", "GBP", 1.0}, Replacement{"GIP", "GBP", 1.0},
    Replacement{"IMP", "GBP", 1.0}, Replacement{"JEP", "GBP", 1.0}, Replacement{"SHP", "GBP", 1.0},
    Replacement{"KID", "AUD", 1.0}, Replacement{"TVD", "AUD", 1.0}, Replacement{"FOK", "DKK", 1.0},
    // Former euro-area currencies at the irrevocably fixed conversion rate per euro (Council
    // Regulation (EC) No 2866/98 as amended at each accession), in order of adoption.
    Replacement{"ATS", "EUR", 13.7603}, Replacement{"BEF", "EUR", 40.3399},
    Replacement{"DEM", "EUR", 1.95583}, Replacement{"ESP", "EUR", 166.386},
    Replacement{"FIM", "EUR", 5.94573}, Replacement{"FRF", "EUR", 6.55957},
    Replacement{"IEP", "EUR", 0.787564}, Replacement{"ITL", "EUR", 1936.27},
    Replacement{"LUF", "EUR", 40.3399}, Replacement{"NLG", "EUR", 2.20371},
    Replacement{"PTE", "EUR", 200.482}, Replacement{"GRD", "EUR", 340.750}, // 2001
    Replacement{"SIT", "EUR", 239.640},                                     // 2007
    Replacement{"CYP", "EUR", 0.585274},                                    // 2008
    Replacement{"MTL", "EUR", 0.429300},                                    // 2008
    Replacement{"SKK", "EUR", 30.1260},                                     // 2009
    Replacement{"EEK", "EUR", 15.6466},                                     // 2011
    Replacement{"LVL", "EUR", 0.702804},                                    // 2014
    Replacement{"LTL", "EUR", 3.45280},                                     // 2015
    Replacement{"HRK", "EUR", 7.53450},                                     // 2023
    Replacement{"BGN", "EUR", 1.95583},                                     // 2026
    // Currencies replaced by a new code at a legally fixed rate; people still hold and price in them.
    Replacement{"ANG", "XCG", 1.0},       // Caribbean guilder, 2025, at par
    Replacement{"SLL", "SLE", 1000.0},    // new leone, redenominated 1000:1, 2022
    Replacement{"ZWL", "ZWG", 2498.7242}, // Zimbabwe Gold, 2024
};

// The starting list of foreign currencies. The home currency is skipped when the list is built, so it
// must stay useful without USD or without EUR.
inline constexpr std::array kMainCurrencies{"USD", "EUR", "GBP", "JPY", "CHF", "CAD",
                                            "AUD", "CNY", "HKD", "SGD", "SEK", "NZD"};

inline constexpr const char* kDefaultLocalCurrency = "USD";

} // namespace datagen
