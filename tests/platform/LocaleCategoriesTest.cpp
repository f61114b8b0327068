#include "LocaleCategories.h"

#include "DateFormatter.h"
#include "NumberFormatter.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <map>

namespace {

// Sets exactly these locale variables for one scope; the others are unset meanwhile.
class LocaleEnvironment final {
public:
    explicit LocaleEnvironment(const std::map<const char*, const char*>& variables) {
        for (const char* name : kNames) {
            if (qEnvironmentVariableIsSet(name))
                m_saved.emplace(name, qgetenv(name));
            qunsetenv(name);
        }
        for (const auto& [name, value] : variables)
            qputenv(name, value);
    }
    ~LocaleEnvironment() {
        for (const char* name : kNames)
            qunsetenv(name);
        for (const auto& [name, value] : m_saved)
            qputenv(name, value);
    }
    Q_DISABLE_COPY_MOVE(LocaleEnvironment)

private:
    static constexpr const char* kNames[] = {"LC_ALL",      "LC_NUMERIC", "LC_TIME",
                                             "LC_MESSAGES", "LANGUAGE",   "LANG"};
    std::map<const char*, QByteArray> m_saved;
};

TEST(LocaleCategories, eachCategoryHasOneSourceAndLcAllOverridesThemAll) {
    const struct {
        std::map<const char*, const char*> environment;
        const char* numbers;
        const char* dates;
        QStringList texts;
    } cases[] = {
        {{}, "en_US_POSIX", "en_US_POSIX", {"en_US_POSIX"}},
        {{{"LANG", "C.UTF-8"}}, "en_US_POSIX", "en_US_POSIX", {"en_US_POSIX"}},
        {{{"LANG", "de_DE.UTF-8"}}, "de_DE", "de_DE", {"de_DE"}},
        {{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}, {"LC_TIME", "fr_FR.UTF-8@euro"}},
         "de_DE",
         "fr_FR",
         {"en_US"}},
        {{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", ""}, {"LC_MESSAGES", "ja_JP.UTF-8"}},
         "en_US",
         "en_US",
         {"ja_JP"}},
        {{{"LC_ALL", "ar_EG.UTF-8"},
          {"LC_NUMERIC", "de_DE.UTF-8"},
          {"LC_TIME", "fr_FR"},
          {"LC_MESSAGES", "ja_JP"}},
         "ar_EG",
         "ar_EG",
         {"ar_EG"}},
        // LANGUAGE comes first for texts, unless the messages locale is C (gettext's rule).
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:fr::de_DE"}},
         "de_DE",
         "de_DE",
         {"pt_BR", "fr", "de_DE"}},
        {{{"LANG", "C"}, {"LANGUAGE", "fr"}}, "en_US_POSIX", "en_US_POSIX", {"en_US_POSIX"}},
    };
    for (const auto& c : cases) {
        const LocaleEnvironment environment(c.environment);
        const QString latin = QStringLiteral("@numbers=latn");
        EXPECT_EQ(LocaleCategories::numbers(), QLatin1String(c.numbers) + latin) << c.numbers;
        EXPECT_EQ(LocaleCategories::dates(), QLatin1String(c.dates) + latin) << c.dates;
        EXPECT_EQ(LocaleCategories::textLanguages(), c.texts) << c.texts.join(u' ').toStdString();
    }
}

TEST(LocaleCategories, formattersWithoutALocaleTakeTheirCategoryAndLatinDigits) {
    {
        const LocaleEnvironment environment({{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}});
        EXPECT_EQ(NumberFormatter("0.00").stringFromDecimal(Decimal::fromString("1234.5")), "1234,50");
        EXPECT_EQ(LocaleCategories::decimalSeparator(), ",");
        EXPECT_EQ(DateFormatter(DateFormatter::Style::Short, DateFormatter::Style::None, {}, "UTC")
                      .stringFromDate(QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC)),
                  "12/7/26");
    }
    for (const char* locale : {"ar_EG.UTF-8", "fa_IR.UTF-8", "bn_BD.UTF-8", "mr_IN.UTF-8", "my_MM.UTF-8"}) {
        const LocaleEnvironment environment(std::map<const char*, const char*>{{"LC_ALL", locale}});
        const QString figure = NumberFormatter("0.00").stringFromDecimal(Decimal::fromString("-1234.5"));
        const QString date =
            DateFormatter(DateFormatter::Style::Short, DateFormatter::Style::Short, {}, "UTC")
                .stringFromDate(QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC));
        EXPECT_TRUE(figure.endsWith("1234" + LocaleCategories::decimalSeparator() + "50")) << locale;
        EXPECT_TRUE(figure.contains(LocaleCategories::minusSign())) << locale;
        for (const QString& text : {figure, date}) {
            for (const QChar c : text)
                EXPECT_FALSE(c.isDigit() && c.unicode() > 0x7f) << locale << ": " << text.toStdString();
        }
    }
}

} // namespace
