#pragma once

#include "ApplicationEvents.h"
#include "CurrencyManager.h"
#include "UserDefaults.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class AppWindow;
class Bundle;
class QTextStream;
class TabBarController;

// Start-up and the things every screen reaches: the preferences store with the shipped defaults
// registered before anything reads it, the one currency manager, the window with its five tabs, and
// the general test of whether the Internet can be reached.
class AppDelegate final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppDelegate)

public:
    struct Options {
        QString preferencesPath = UserDefaults::defaultPath();
        QString rateServer;             // host[:port]; empty: the information dictionary's
        QString reachabilityHost;       // empty: the information dictionary's
        QStringList textLanguages = {}; // of currency names; empty: LANGUAGE and LC_MESSAGES
    };

    explicit AppDelegate(Options options, QObject* parent = nullptr);
    ~AppDelegate() override;

    // Prints the local currency and the foreign list as stored, one line each, the current one
    // marked; builds no window, so it needs only a core application.
    static void printCurrencyList(const Options& options, QTextStream& out);

    // Registers the shipped "UserDefaults" as the store's defaults; harmless when repeated.
    static void setupDefaults(UserDefaults& defaults, const Bundle& bundle);

    // Shows the window, starts the review solicitation and lets the manager start its updates.
    void applicationDidFinishLaunching();

    // Whether the Internet at large can be reached (not the rate server): waits at most two seconds.
    bool isNetworkAvailable() const;

    // host[:port] of the rate server that lookups go to.
    QString rateServerHost() const { return m_options.rateServer; }

    UserDefaults& userDefaults() { return *m_defaults; }
    ApplicationEvents& applicationEvents() { return *m_events; }
    CurrencyManager& currencyManager() { return *m_currencyManager; }
    AppWindow* window() const { return m_window.get(); }
    TabBarController* tabBarController() const { return m_tabBarController.get(); }

    // Writes a PNG of every tab and of the currency picker into `folder` and answers their paths.
    QStringList saveScreenshots(const QString& folder);

private:
    void buildTabs();

    Options m_options;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<ApplicationEvents> m_events;
    std::unique_ptr<CurrencyManager> m_currencyManager;
    std::unique_ptr<TabBarController> m_tabBarController;
    std::unique_ptr<AppWindow> m_window;
};
