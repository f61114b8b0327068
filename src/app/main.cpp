#include "Bundle.h"
#include "CurrencyManager.h"
#include "NotificationCenter.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QTextStream>

// For now the program loads the model as it would at start-up and prints the currency list.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ratepad"));

    UserDefaults defaults(UserDefaults::defaultPath());
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource(QStringLiteral("UserDefaults")));
    CurrencyManager manager({defaults, Bundle::mainBundle(), NotificationCenter::defaultCenter()});

    QTextStream out(stdout);
    const auto local = manager.localCurrency();
    out << "Local currency: " << local->currencyCode() << " (" << local->label() << ")\n";
    for (const auto& currency : manager.foreignCurrencies()) {
        out << (currency == manager.foreignCurrency() ? "* " : "  ") << currency->currencyCode() << "  "
            << currency->label().leftJustified(28) << "  "
            << (currency->rate() ? currency->rate()->toString() : QStringLiteral("no rate")) << "\n";
    }
    manager.save();
    return 0;
}
