#include "CurrencyNames.h"

#include <gtest/gtest.h>

namespace {

const QMap<QString, QString> kCatalogue{{"GBP", "British Pound"},
                                        {"USD", "US Dollar"},
                                        {"CLF", "Chilean Unit of Account (UF)"},
                                        {"ZZZ", "Zorkmid"}};

TEST(CurrencyNames, catalogueNamesShowInTheFirstLanguageCldrHasAndStoredNamesStayAsTheyAre) {
    const struct {
        QStringList languages;
        const char* code;
        const char* stored;
        const char* shown;
    } cases[] = {
        {{"de_DE"}, "GBP", "British Pound", "Britisches Pfund"},
        {{"ja_JP"}, "GBP", "British Pound", "英国ポンド"},
        {{"ar_EG"}, "USD", "US Dollar", "دولار أمريكي"},
        // A language ICU does not know gives way to the next; English is the shipped name itself.
        {{"xx_YY", "de_DE"}, "USD", "US Dollar", "US-Dollar"},
        {{"en_GB", "de_DE"}, "GBP", "British Pound", "British Pound"},
        {{"en_US_POSIX"}, "GBP", "British Pound", "British Pound"},
        // No name in CLDR's Arabic, none at all for a code ISO never gave: the English name.
        {{"ar_EG"}, "CLF", "Chilean Unit of Account (UF)", "Chilean Unit of Account (UF)"},
        {{"de_DE"}, "ZZZ", "Zorkmid", "Zorkmid"},
        // A name the user typed, or none, shows as it is; so does a code the catalogue lacks.
        {{"de_DE"}, "GBP", "Quid", "Quid"},
        {{"de_DE"}, "GBP", "", ""},
        {{"de_DE"}, "DEM", "Deutsche Mark", "Deutsche Mark"},
    };
    for (const auto& c : cases) {
        const CurrencyNames names(kCatalogue, c.languages);
        const QString shown = QString::fromUtf8(c.shown);
        EXPECT_EQ(names.displayName(c.code, c.stored), shown) << c.languages.join(u',').toStdString();
        // What is shown is stored back as what was stored; only an edit is stored as typed.
        EXPECT_EQ(names.nameToStore(c.code, c.stored, shown), c.stored);
        EXPECT_EQ(names.nameToStore(c.code, c.stored, "Sterling"), "Sterling");
    }
    EXPECT_EQ(CurrencyNames(kCatalogue, {"de_DE"}).localName("DEM"), "") << "not in the catalogue";
}

} // namespace
