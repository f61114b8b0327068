#include "AppDelegate.h"
#include "AppWindow.h"
#include "Bundle.h"
#include "FirstFrameProbe.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <memory>

namespace {

void installTranslations(QApplication& app) {
    for (const auto& [file, folder] :
         {std::pair{QStringLiteral("ratepad"), QStringLiteral(":/i18n")},
          std::pair{QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto translator = std::make_unique<QTranslator>(&app);
        if (translator->load(QLocale(), file, QStringLiteral("_"), folder))
            app.installTranslator(translator.release());
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ratepad"));
    QApplication::setApplicationVersion(QStringLiteral(RATEPAD_VERSION));
    installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ratepad, a pocket currency converter."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption rateServer(QStringLiteral("rate-server"),
                                        QStringLiteral("The rate server to ask, as HOST[:PORT]."),
                                        QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption reachabilityHost(
        QStringLiteral("reachability-host"),
        QStringLiteral("The Internet host that tells whether the network is up."), QStringLiteral("HOST"));
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Write a PNG of every tab into FOLDER, print the paths, quit."),
        QStringLiteral("FOLDER"));
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("Print the currency list and quit."));
    parser.addOptions({rateServer, reachabilityHost, screenshots, list});
    if (!parser.parse(QApplication::arguments())) {
        QTextStream(stderr) << "ratepad: " << parser.errorText() << "\nTry 'ratepad --help'.\n";
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "ratepad: unexpected argument '" << parser.positionalArguments().first()
                            << "'\nTry 'ratepad --help'.\n";
        return 2;
    }

    AppDelegate::Options options;
    options.rateServer = parser.value(rateServer);
    options.reachabilityHost = parser.value(reachabilityHost);
    AppDelegate delegate(options);
    if (parser.isSet(list)) {
        QTextStream out(stdout);
        CurrencyManager& manager = delegate.currencyManager();
        const auto local = manager.localCurrency();
        out << "Local currency: " << local->currencyCode() << " (" << local->label() << ")\n";
        for (const auto& currency : manager.foreignCurrencies()) {
            out << (currency == manager.foreignCurrency() ? "* " : "  ") << currency->currencyCode() << "  "
                << currency->label().leftJustified(28) << "  "
                << (currency->rate() ? currency->rate()->toString() : QStringLiteral("no rate")) << "\n";
        }
        return 0;
    }
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    // The start-up benchmark asks for a report of the first frame.
    if (qEnvironmentVariableIsSet("RATEPAD_FIRST_FRAME_PROBE"))
        new FirstFrameProbe(delegate.window(), qgetenv("RATEPAD_FIRST_FRAME_PROBE") == "quit");

    if (parser.isSet(screenshots)) {
        // Give the first rate update a moment, so the pictures show downloaded rates.
        QTimer::singleShot(3000, &delegate, [&] {
            QTextStream out(stdout);
            for (const QString& path : delegate.saveScreenshots(parser.value(screenshots)))
                out << path << "\n";
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
