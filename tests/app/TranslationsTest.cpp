#include "Bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment; // what tells apart two texts with the same English, if anything
    bool numerus = false;
    QString translation; // as written in the .ts file (the first form of a plural)
};

struct TsFile {
    QString language; // "de", "pt_BR", ... from the file name ratepad_<language>.ts
    std::vector<Message> messages;
};

QString translationsDir() {
    return QStringLiteral(RATEPAD_SOURCE_DIR "/resources/translations");
}

// Reads the contexts and messages of a Qt Linguist file; obsolete and vanished entries are skipped.
TsFile readTs(const QString& path) {
    TsFile file;
    file.language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1, -1);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return file;
    }
    QXmlStreamReader xml(&in);
    QString context;
    Message message;
    bool skip = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message =
                    Message{context, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes"), {}};
                skip = false;
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value("type");
                skip = type == QLatin1String("obsolete") || type == QLatin1String("vanished");
                if (!message.numerus)
                    message.translation = xml.readElementText();
            } else if (name == QLatin1String("numerusform") && message.translation.isEmpty()) {
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message") && !skip) {
            file.messages.push_back(message);
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << path.toStdString() << ": " << xml.errorString().toStdString();
    return file;
}

std::vector<TsFile> readAllTs() {
    std::vector<TsFile> files;
    const QDir dir(translationsDir());
    for (const QString& name : dir.entryList({QStringLiteral("ratepad_*.ts")}, QDir::Files, QDir::Name))
        files.push_back(readTs(dir.filePath(name)));
    return files;
}

std::unique_ptr<QTranslator> loadCompiled(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/ratepad_%1.qm").arg(language)))
        return nullptr;
    return translator;
}

// The placeholders a text carries, in order of appearance sorted: %@, %1$@, %1, %L1, %n, %Ln.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(?:\\d+\\$)?@|%L?\\d+|%L?n"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// What a translation must keep of its source: placeholders, line breaks, and a space at either end
// (texts built from pieces rely on it), in words that a failure can print.
std::string shapeOf(const QString& text) {
    // One multi-argument arg(): chained calls would replace a "%1" that the first one put in.
    return QStringLiteral("placeholders [%1], %2 line break(s)%3%4")
        .arg(placeholders(text).join(QLatin1Char(' ')), QString::number(text.count(QLatin1Char('\n'))),
             text.startsWith(QLatin1Char(' ')) ? QStringLiteral(", leading space") : QString(),
             text.endsWith(QLatin1Char(' ')) ? QStringLiteral(", trailing space") : QString())
        .toStdString();
}

// Installs a translator on the application for its own life, so that a failing check cannot leave
// the other tests with translated texts.
class InstalledTranslator {
public:
    explicit InstalledTranslator(QTranslator* translator) : m_translator(translator) {
        m_installed = QCoreApplication::installTranslator(m_translator);
    }
    ~InstalledTranslator() {
        if (m_installed)
            QCoreApplication::removeTranslator(m_translator);
    }
    InstalledTranslator(const InstalledTranslator&) = delete;
    InstalledTranslator& operator=(const InstalledTranslator&) = delete;
    bool installed() const { return m_installed; }

private:
    QTranslator* m_translator;
    bool m_installed = false;
};

QString tsTranslation(const TsFile& file, const QString& context, const QString& source) {
    for (const Message& message : file.messages)
        if (message.context == context && message.source == source)
            return message.translation;
    return {};
}

} // namespace

TEST(Translations, everyLanguageIsShippedCompiledAndListsTheSameTexts) {
    const std::vector<TsFile> files = readAllTs();
    std::map<QString, std::set<std::pair<QString, QString>>> textsByLanguage;
    for (const TsFile& file : files)
        for (const Message& message : file.messages)
            textsByLanguage[file.language].insert({message.context, message.source + u'|' + message.comment});

    const QStringList shipped{"ar", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};
    EXPECT_EQ(textsByLanguage.size(), std::size_t(shipped.size()));
    for (const QString& language : shipped) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(textsByLanguage.count(language)) << "no ratepad_" << language.toStdString() << ".ts";
        const auto translator = loadCompiled(language);
        ASSERT_NE(translator, nullptr) << "the compiled table is not in the program's resources";
        EXPECT_FALSE(translator->isEmpty());
        EXPECT_TRUE(translator->language().startsWith(language)) << translator->language().toStdString();
    }
    // All tables come from the same sources: a text missing from one was left out of a refresh.
    for (const auto& [language, texts] : textsByLanguage)
        EXPECT_EQ(texts, textsByLanguage["de"]) << language.toStdString();
    // Both contexts of the program are there: the default table and the review request.
    std::set<QString> contexts;
    for (const auto& [context, text] : textsByLanguage["de"])
        contexts.insert(context);
    EXPECT_TRUE(contexts.count(QStringLiteral("Localizable")));
    EXPECT_TRUE(contexts.count(QStringLiteral("ZkSolicitReview")));
}

TEST(Translations, everyTextIsTranslatedKeepingPlaceholdersLineBreaksAndEndSpaces) {
    const std::vector<TsFile> files = readAllTs();
    ASSERT_GE(files.size(), 2u);
    for (const TsFile& file : files) {
        SCOPED_TRACE(file.language.toStdString());
        const auto translator = loadCompiled(file.language);
        ASSERT_NE(translator, nullptr);
        ASSERT_FALSE(file.messages.empty());
        for (const Message& message : file.messages) {
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            const QByteArray comment = message.comment.toUtf8();
            const QString compiled = translator->translate(context.constData(), source.constData(),
                                                           comment.isEmpty() ? nullptr : comment.constData(),
                                                           message.numerus ? 1 : -1);
            const std::string where =
                message.context.toStdString() + " \"" + message.source.toStdString() + "\"";
            if (compiled.trimmed().isEmpty()) {
                ADD_FAILURE() << "no translation for " << where;
                continue;
            }
            EXPECT_EQ(shapeOf(compiled), shapeOf(message.source))
                << where << " translated as \"" << compiled.toStdString() << "\"";
        }
    }
}

TEST(Translations, theBundleSpeaksGermanWhileTheTranslatorIsInstalledAndEnglishAfterwards) {
    const TsFile german = readTs(translationsDir() + QStringLiteral("/ratepad_de.ts"));
    const QString lastUpdate =
        tsTranslation(german, QStringLiteral("Localizable"), QStringLiteral("Last Update"));
    const QString noThanks =
        tsTranslation(german, QStringLiteral("ZkSolicitReview"), QStringLiteral("No, Thanks"));
    ASSERT_FALSE(lastUpdate.isEmpty());
    ASSERT_NE(lastUpdate, QStringLiteral("Last Update"));
    ASSERT_FALSE(noThanks.isEmpty());

    const Bundle& bundle = Bundle::mainBundle();
    {
        const auto translator = loadCompiled(QStringLiteral("de"));
        ASSERT_NE(translator, nullptr);
        const InstalledTranslator installed(translator.get());
        ASSERT_TRUE(installed.installed());
        EXPECT_EQ(bundle.localizedString(QStringLiteral("Last Update")), lastUpdate);
        // A named table is a context of its own.
        EXPECT_EQ(bundle.localizedString(QStringLiteral("No, Thanks"), {}, QStringLiteral("ZkSolicitReview")),
                  noThanks);
    }
    EXPECT_EQ(bundle.localizedString(QStringLiteral("Last Update")), QStringLiteral("Last Update"));
}
