#include "ApplicationEvents.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "NotificationCenter.h"
#include "UserDefaults.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

// Until the screens exist the program runs the model alone: it prints the currency list, keeps the
// rates up to date in the background and saves its state when it is told to stop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ratepad"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RATEPAD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ratepad, a pocket currency converter."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption rateServer(QStringLiteral("rate-server"),
                                        QStringLiteral("The rate server to ask, as HOST[:PORT]."),
                                        QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption once(QStringLiteral("once"),
                                  QStringLiteral("Print the currency list and exit."));
    parser.addOption(rateServer);
    parser.addOption(once);
    if (!parser.parse(QCoreApplication::arguments())) {
        QTextStream(stderr) << "ratepad: " << parser.errorText() << "\nTry 'ratepad --help'.\n";
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    UserDefaults defaults(UserDefaults::defaultPath());
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource(QStringLiteral("UserDefaults")));
    NotificationCenter& center = NotificationCenter::defaultCenter();
    CurrencyManager::Environment environment{defaults, Bundle::mainBundle(), center};
    if (parser.isSet(rateServer))
        environment.rateService.serverHost = parser.value(rateServer);
    CurrencyManager manager(environment);
    ApplicationEvents events(center);

    QTextStream out(stdout);
    const auto local = manager.localCurrency();
    out << "Local currency: " << local->currencyCode() << " (" << local->label() << ")\n";
    for (const auto& currency : manager.foreignCurrencies()) {
        out << (currency == manager.foreignCurrency() ? "* " : "  ") << currency->currencyCode() << "  "
            << currency->label().leftJustified(28) << "  "
            << (currency->rate() ? currency->rate()->toString() : QStringLiteral("no rate")) << "\n";
    }
    out.flush();
    if (parser.isSet(once))
        return 0;

    QTimer::singleShot(0, &events, &ApplicationEvents::postDidFinishLaunching);
    return QCoreApplication::exec();
}
