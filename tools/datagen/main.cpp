// ratepad-datagen: writes the shipped currency catalogue, starting rates and starting preferences
// from a dated daily rate snapshot (base USD), ICU's English currency names and the iso-codes list of
// ISO 4217 codes. Run at development time only; scripts/generate-data drives it.

#include "CurrencyTables.h"
#include "PropertyList.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <unicode/ucurr.h>

namespace {

constexpr auto kDefaultIsoCodes = "/usr/share/iso-codes/json/iso_4217.json";
// The snapshot's own figure for a replaced currency is only compared, never used; beyond this it is
// worth a look (a peg may have been dropped).
constexpr double kCrossCheckTolerance = 1e-4;

struct Snapshot {
    QString date;
    QMap<QString, double> rates; // upper-case code -> units per 1 USD
};

struct Catalogue {
    QMap<QString, QString> names;
    QMap<QString, double> rates;
};

void print(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
}

bool readJsonObject(const QString& path, QJsonObject* object, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const auto document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1: not a JSON object (%2)").arg(path, parseError.errorString());
        return false;
    }
    *object = document.object();
    return true;
}

bool readSnapshot(const QString& path, Snapshot* snapshot, QString* error) {
    QJsonObject root;
    if (!readJsonObject(path, &root, error)) {
        return false;
    }
    snapshot->date = root.value(u"date").toString();
    static const QRegularExpression datePattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!datePattern.match(snapshot->date).hasMatch()) {
        *error = QStringLiteral("%1: no \"date\" of the form YYYY-MM-DD").arg(path);
        return false;
    }
    const auto rates = root.value(u"usd").toObject();
    if (rates.isEmpty()) {
        *error = QStringLiteral("%1: no \"usd\" rates; is this the base USD file?").arg(path);
        return false;
    }
    // Crypto tokens share the file; whatever is not a catalogue code is simply never looked up.
    for (auto it = rates.begin(); it != rates.end(); ++it) {
        if (it.value().isDouble()) {
            snapshot->rates.insert(it.key().toUpper(), it.value().toDouble());
        }
    }
    return true;
}

bool readIsoCodes(const QString& path, QSet<QString>* codes, QString* error) {
    QJsonObject root;
    if (!readJsonObject(path, &root, error)) {
        return false;
    }
    for (const auto& entry : root.value(u"4217").toArray()) {
        codes->insert(entry.toObject().value(u"alpha_3").toString());
    }
    codes->remove(QString());
    if (codes->isEmpty()) {
        *error = QStringLiteral("%1: no ISO 4217 entries").arg(path);
        return false;
    }
    return true;
}

// Empty when ICU has no English name of its own: it then hands back the code itself.
QString icuName(const QString& code) {
    UChar iso[4] = {};
    for (int i = 0; i < 3 && i < code.size(); ++i) {
        iso[i] = code.at(i).unicode();
    }
    UBool isChoiceFormat = false;
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    const UChar* name = ucurr_getName(iso, "en", UCURR_LONG_NAME, &isChoiceFormat, &length, &status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || name == nullptr) {
        return {};
    }
    const auto result = QString::fromUtf16(reinterpret_cast<const char16_t*>(name), length);
    return result == code ? QString() : result;
}

QSet<QString> codeSet(const auto& table) {
    QSet<QString> codes;
    for (const auto& code : table) {
        codes.insert(QString::fromLatin1(code));
    }
    return codes;
}

// Collects every problem instead of stopping at the first, so one run shows all that needs fixing.
Catalogue buildCatalogue(const Snapshot& snapshot, const QSet<QString>& isoCodes, QStringList* errors,
                         QStringList* notes) {
    const auto excluded = codeSet(datagen::kExcludedCodes);
    QMap<QString, const datagen::Replacement*> replacements;
    for (const auto& replacement : datagen::kReplacements) {
        replacements.insert(QString::fromLatin1(replacement.code), &replacement);
    }

    QSet<QString> codes;
    auto addQuoted = [&](const QString& code) {
        if (snapshot.rates.contains(code)) {
            codes.insert(code);
        } else if (!replacements.contains(code)) {
            notes->append(QStringLiteral("not quoted by the snapshot, left out: %1").arg(code));
        }
    };
    for (const auto& code : isoCodes) {
        if (!excluded.contains(code)) {
            addQuoted(code);
        }
    }
    for (const auto& code : datagen::kAddedIsoCodes) {
        const auto added = QString::fromLatin1(code);
        if (isoCodes.contains(added)) {
            notes->append(QStringLiteral("iso-codes now lists %1; it need not be added by hand").arg(added));
        }
        addQuoted(added);
    }
    for (const auto& code : replacements.keys()) {
        codes.insert(code);
    }

    Catalogue catalogue;
    for (const auto& entry : datagen::kFixedNames) {
        const auto code = QString::fromLatin1(entry.code);
        if (codes.contains(code)) {
            catalogue.names.insert(code, QString::fromUtf16(entry.name));
        }
    }
    for (const auto& code : codes) {
        if (catalogue.names.contains(code)) {
            continue;
        }
        const auto name = icuName(code);
        if (name.isEmpty()) {
            errors->append(QStringLiteral("no English name for %1; add one to kFixedNames").arg(code));
        }
        catalogue.names.insert(code, name);
    }

    auto isUsable = [](double value) { return std::isfinite(value) && value > 0; };
    for (const auto& code : codes) {
        const auto replacement = replacements.value(code);
        if (replacement == nullptr) {
            const double rate = snapshot.rates.value(code);
            if (!isUsable(rate)) {
                errors->append(QStringLiteral("the snapshot's rate for %1 is not positive").arg(code));
            }
            catalogue.rates.insert(code, rate);
            continue;
        }
        // One level only: the app looks a replaced rate up once, it does not follow chains.
        const auto lookup = QString::fromLatin1(replacement->lookup);
        const double lookupRate = snapshot.rates.value(lookup);
        if (replacements.contains(lookup) || !isUsable(lookupRate) || !(replacement->rate > 0)) {
            errors->append(QStringLiteral("%1 cannot be derived from %2").arg(code, lookup));
            continue;
        }
        const double rate = lookupRate * replacement->rate;
        catalogue.rates.insert(code, rate);
        if (snapshot.rates.contains(code)) {
            const double quoted = snapshot.rates.value(code);
            if (!(std::abs(quoted / rate - 1.0) <= kCrossCheckTolerance)) {
                notes->append(QStringLiteral("%1: the snapshot quotes %2, the fixed rate to %3 gives %4")
                                  .arg(code)
                                  .arg(quoted, 0, 'g', 17)
                                  .arg(lookup)
                                  .arg(rate, 0, 'g', 17));
            }
        }
    }
    if (catalogue.rates.value(QStringLiteral("USD")) != 1.0) {
        errors->append(QStringLiteral("the snapshot's USD rate is not 1; is its base USD?"));
    }

    for (const auto& code : datagen::kMainCurrencies) {
        if (!catalogue.rates.contains(QString::fromLatin1(code))) {
            errors->append(QStringLiteral("main currency %1 is not in the catalogue").arg(code));
        }
    }
    if (!catalogue.rates.contains(QString::fromLatin1(datagen::kDefaultLocalCurrency))) {
        errors->append(QStringLiteral("the default local currency is not in the catalogue"));
    }
    return catalogue;
}

QVariantMap toVariantMap(const auto& map) {
    QVariantMap result;
    for (auto it = map.begin(); it != map.end(); ++it) {
        result.insert(it.key(), it.value());
    }
    return result;
}

QMap<QString, QVariant> outputFiles(const Catalogue& catalogue) {
    QVariantList replacements;
    for (const auto& replacement : datagen::kReplacements) {
        replacements.append(QVariantMap{
            {QStringLiteral("code"), QString::fromLatin1(replacement.code)},
            {QStringLiteral("lookup"), QString::fromLatin1(replacement.lookup)},
            {QStringLiteral("rate"), replacement.rate},
        });
    }
    QVariantList mainCurrencies;
    for (const auto& code : datagen::kMainCurrencies) {
        mainCurrencies.append(QString::fromLatin1(code));
    }
    const auto localCode = QString::fromLatin1(datagen::kDefaultLocalCurrency);
    // No "lastUpdate" and no "foreignCurrenciesStandard": their absence is what makes the first launch
    // build the starting list and fetch every rate.
    const QVariantMap userDefaults{
        {QStringLiteral("localCurrency"),
         QVariantMap{{QStringLiteral("currencyCode"), localCode},
                     {QStringLiteral("label"), catalogue.names.value(localCode)}}},
        {QStringLiteral("automaticUpdatesEnabled"), true},
        {QStringLiteral("foreignCurrencyIndex"), qint64(0)},
    };
    return {
        {QStringLiteral("Currencies.plist"), toVariantMap(catalogue.names)},
        {QStringLiteral("ExchangeRates.plist"), toVariantMap(catalogue.rates)},
        {QStringLiteral("ReplacementCurrencies.plist"),
         QVariantMap{{QStringLiteral("replacementCurrencies"), replacements}}},
        {QStringLiteral("MainCurrencies.plist"),
         QVariantMap{{QStringLiteral("mainCurrencies"), mainCurrencies}}},
        {QStringLiteral("UserDefaults.plist"), userDefaults},
    };
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ratepad-datagen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes Ratepad's shipped currency property lists from a base-USD rate snapshot."));
    parser.addHelpOption();
    const QCommandLineOption isoOption(QStringLiteral("iso-codes"),
                                       QStringLiteral("The iso-codes ISO 4217 JSON list (default %1).")
                                           .arg(QString::fromLatin1(kDefaultIsoCodes)),
                                       QStringLiteral("file"), QString::fromLatin1(kDefaultIsoCodes));
    parser.addOption(isoOption);
    parser.addPositionalArgument(QStringLiteral("snapshot"), QStringLiteral("The usd.json rate snapshot."));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("The folder to write the lists to."));
    parser.process(app);
    const auto arguments = parser.positionalArguments();
    if (arguments.size() != 2) {
        parser.showHelp(2);
    }

    QString error;
    Snapshot snapshot;
    QSet<QString> isoCodes;
    if (!readSnapshot(arguments.at(0), &snapshot, &error) ||
        !readIsoCodes(parser.value(isoOption), &isoCodes, &error)) {
        print(stderr, QStringLiteral("error: ") + error);
        return 1;
    }

    QStringList errors;
    QStringList notes;
    const auto catalogue = buildCatalogue(snapshot, isoCodes, &errors, &notes);
    // Sorted because the codes are collected in a hash set.
    notes.sort();
    errors.sort();
    for (const auto& note : notes) {
        print(stdout, QStringLiteral("note: ") + note);
    }
    if (!errors.isEmpty()) {
        for (const auto& message : errors) {
            print(stderr, QStringLiteral("error: ") + message);
        }
        return 1;
    }

    const QDir output(arguments.at(1));
    const auto files = outputFiles(catalogue);
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (!PropertyList::writeFile(output.filePath(it.key()), it.value(), &error)) {
            print(stderr, QStringLiteral("error: %1: %2").arg(output.filePath(it.key()), error));
            return 1;
        }
    }
    print(stdout, QStringLiteral("snapshot of %1: %2 currencies, %3 of them replaced; wrote %4 files to %5")
                      .arg(snapshot.date)
                      .arg(catalogue.names.size())
                      .arg(datagen::kReplacements.size())
                      .arg(files.size())
                      .arg(QDir::toNativeSeparators(output.absolutePath())));
    return 0;
}
