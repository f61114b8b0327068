#include "AppDelegate.h"
#include "AppWindow.h"
#include "Bundle.h"
#include "FirstFrameProbe.h"
#include "FontWarmUp.h"
#include "LocaleCategories.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

// Qt lays every widget out right to left while the installed translation answers this text with
// "RTL": each table says "LTR" or "RTL" for the language it is written in, as Qt's own tables do.
[[maybe_unused]] constexpr struct {
    const char* source;
    const char* comment;
} kLayoutDirection = QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                                        "Translate this string to the string 'LTR' in left-to-right "
                                        "languages or to 'RTL' in right-to-left languages (such as Hebrew "
                                        "and Arabic) to get proper widget layout.");

// Texts follow LANGUAGE and LC_MESSAGES: the first of the user's languages that is English, the
// language the texts are written in, or has a translation.
void installTranslations(QApplication& app) {
    QStringList languages = LocaleCategories::textLanguages();
    const auto english = std::find_if(languages.begin(), languages.end(), [](const QString& language) {
        return QLocale(language).language() == QLocale::English;
    });
    languages.erase(english, languages.end());
    if (languages.isEmpty())
        return;
    for (const auto& [file, folder] :
         {std::pair{QStringLiteral("ratepad"), QStringLiteral(":/i18n")},
          std::pair{QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto translator = std::make_unique<QTranslator>(&app);
        const bool found = std::any_of(languages.begin(), languages.end(), [&](const QString& language) {
            return translator->load(QLocale(language), file, QStringLiteral("_"), folder);
        });
        if (found)
            app.installTranslator(translator.release());
    }
}

// Qt's own options, which the GUI application takes out of the command line itself (also written
// with two dashes or as -option=value); true where the value is the next argument.
constexpr std::pair<const char*, bool> kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowicon", true},
    {"icon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"display", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"name", true},
    {"reverse", false},
    {"widgetcount", false},
    {"testability", false},
    {"nograb", false},
    {"dograb", false},
    {"qmljsdebugger", false},
};

// The command line as this program's own parser sees it: Qt's options left out, so that they need
// no display to be told apart from unknown ones.
QStringList withoutQtOptions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        QString name = argument;
        if (i == 0 || !name.startsWith(u'-') || name == QStringLiteral("--")) {
            arguments << argument;
            continue;
        }
        name.remove(0, name.startsWith(QStringLiteral("--")) ? 2 : 1);
        const bool inlineValue = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        const auto qt = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                     [&](const auto& option) { return name == QLatin1String(option.first); });
        if (qt == std::end(kQtOptions)) {
            arguments << argument;
            continue;
        }
        if (qt->second && !inlineValue)
            ++i; // its value
    }
    return arguments;
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption rateServer{QStringLiteral("rate-server"),
                                  QStringLiteral("The rate server to ask, as HOST[:PORT]."),
                                  QStringLiteral("HOST[:PORT]")};
    QCommandLineOption reachabilityHost{
        QStringLiteral("reachability-host"),
        QStringLiteral("The Internet host that tells whether the network is up."), QStringLiteral("HOST")};
    QCommandLineOption screenshots{
        QStringLiteral("screenshots"),
        QStringLiteral(
            "Write a PNG of every tab and of the currency picker into FOLDER, print the paths, quit."),
        QStringLiteral("FOLDER")};
    QCommandLineOption list{QStringLiteral("list"), QStringLiteral("Print the currency list and quit.")};

    CommandLine() {
        parser.setApplicationDescription(QStringLiteral("Ratepad, a pocket currency converter."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({rateServer, reachabilityHost, screenshots, list});
    }

    // The exit status when the program ends here (an error, help, version), nothing to go on.
    std::optional<int> parse(const QStringList& arguments) {
        if (!parser.parse(arguments)) {
            QTextStream(stderr) << "ratepad: " << parser.errorText() << "\nTry 'ratepad --help'.\n";
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            // The usage line names the program after the application's arguments, and without an
            // application object Qt writes a placeholder there: give it one named as the program.
            QByteArray name = QFileInfo(arguments.constFirst()).fileName().toLocal8Bit();
            int count = 1;
            char* argv[] = {name.data(), nullptr};
            QCoreApplication core(count, argv);
            parser.showHelp(0);
        }
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        if (!parser.positionalArguments().isEmpty()) {
            QTextStream(stderr) << "ratepad: unexpected argument '" << parser.positionalArguments().first()
                                << "'\nTry 'ratepad --help'.\n";
            return 2;
        }
        return std::nullopt;
    }

    AppDelegate::Options options() const {
        AppDelegate::Options options;
        options.rateServer = parser.value(rateServer);
        options.reachabilityHost = parser.value(reachabilityHost);
        return options;
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Ratepad"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RATEPAD_VERSION));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(RATEPAD_APP_ID));

    // Read before any GUI exists, so that help, version, the list and mistakes need no display.
    CommandLine commandLine;
    if (const std::optional<int> status = commandLine.parse(withoutQtOptions(argc, argv)))
        return *status;
    if (commandLine.parser.isSet(commandLine.list)) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        AppDelegate::printCurrencyList(commandLine.options(), out);
        return 0;
    }

    // Fontconfig and Qt read the installed fonts on a thread of their own while the window is built.
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationCreated();
    installTranslations(app);
    AppDelegate delegate(commandLine.options());
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    fonts.waitBeforeFirstPaint(delegate.window());
    // The start-up benchmark asks for a report of the first frame.
    if (qEnvironmentVariableIsSet("RATEPAD_FIRST_FRAME_PROBE"))
        new FirstFrameProbe(delegate.window(), qgetenv("RATEPAD_FIRST_FRAME_PROBE") == "quit");

    const QString screenshots = commandLine.parser.value(commandLine.screenshots);
    if (!screenshots.isEmpty()) {
        // Give the first rate update a moment, so the pictures show downloaded rates.
        QTimer::singleShot(3000, &delegate, [&] {
            QTextStream out(stdout);
            for (const QString& path : delegate.saveScreenshots(screenshots))
                out << path << "\n";
            QApplication::quit();
        });
    }
    const int status = QApplication::exec();
    fonts.wait();
    return status;
}
