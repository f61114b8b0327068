#include "AppDelegate.h"

#include "AppWindow.h"
#include "BarButtonItem.h"
#include "Bundle.h"
#include "ConverterViewController.h"
#include "CurrencyViewController.h"
#include "FirstPaint.h"
#include "HelpViewController.h"
#include "Icons.h"
#include "MoreViewController.h"
#include "NavigationController.h"
#include "Reachability.h"
#include "SetupViewController.h"
#include "TabBarController.h"
#include "TabBarItem.h"
#include "ZkSolicitReviewController.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

namespace {

// Following the system's network information waits for the first frame, but no longer than this.
constexpr int kLatestNetworkInformationMs = 2000;

std::unique_ptr<ViewController> inNavigation(std::unique_ptr<ViewController> screen, const QIcon& icon) {
    const QString title = screen->title();
    auto navigation = std::make_unique<NavigationController>(std::move(screen));
    navigation->setTitle(title);
    navigation->tabBarItem()->setIcon(icon);
    return navigation;
}

} // namespace

AppDelegate::AppDelegate(Options options, QObject* parent) : QObject(parent), m_options(std::move(options)) {
    const Bundle& bundle = Bundle::mainBundle();
    // The defaults must be registered before the manager reads its first preference.
    m_defaults = std::make_unique<UserDefaults>(m_options.preferencesPath);
    setupDefaults(*m_defaults, bundle);

    m_events = std::make_unique<ApplicationEvents>();
    CurrencyManager::Environment environment{*m_defaults, bundle, m_events.get()};
    if (m_options.rateServer.isEmpty())
        m_options.rateServer = environment.rateService.serverHost;
    environment.rateService.serverHost = m_options.rateServer;
    if (!m_options.textLanguages.isEmpty())
        environment.textLanguages = m_options.textLanguages;
    m_currencyManager = std::make_unique<CurrencyManager>(environment);

    m_window = std::make_unique<AppWindow>();
    m_window->setWindowTitle(
        bundle.objectForInfoDictionaryKey(QStringLiteral("CFBundleDisplayName")).toString());
    connect(m_currencyManager.get(), &CurrencyManager::networkActivityIndicatorVisibleChanged, m_window.get(),
            &AppWindow::setNetworkActivityIndicatorVisible);
    // Fresh rates once the network is back. Finding the system's network backend loads a plugin and
    // talks to D-Bus, which the first frame does not need: it waits until the window has painted
    // or a while after launch should the window not paint (hidden at start).
    CurrencyManager* manager = m_currencyManager.get();
    afterFirstPaint(m_window.get(), manager, [manager] { manager->followNetworkInformation(); });
    connect(m_events.get(), &ApplicationEvents::didFinishLaunching, manager, [manager] {
        QTimer::singleShot(kLatestNetworkInformationMs, manager, &CurrencyManager::followNetworkInformation);
    });
    // A desktop has no memory warnings; leaving the window is the moment to make sure all is saved.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            emit m_events->didReceiveMemoryWarning();
    });
    buildTabs();

    ZkSolicitReviewController::Environment review{*m_defaults, bundle};
    review.window = m_window.get();
    ZkSolicitReviewController::setDefaultEnvironment(review);
}

AppDelegate::~AppDelegate() {
    // The window shows the tab bar controller's view: take it down before the controllers go.
    m_window.reset();
    m_tabBarController.reset();
}

void AppDelegate::setupDefaults(UserDefaults& defaults, const Bundle& bundle) {
    defaults.registerDefaults(bundle.dictionaryForResource(QStringLiteral("UserDefaults")));
    defaults.synchronize();
}

void AppDelegate::printCurrencyList(const Options& options, QTextStream& out) {
    const Bundle& bundle = Bundle::mainBundle();
    UserDefaults defaults(options.preferencesPath);
    setupDefaults(defaults, bundle);
    CurrencyManager manager({defaults, bundle});
    const auto local = manager.localCurrency();
    out << "Local currency: " << local->currencyCode() << " (" << local->label() << ")\n";
    for (const auto& currency : manager.foreignCurrencies()) {
        out << (currency == manager.foreignCurrency() ? "* " : "  ") << currency->currencyCode() << "  "
            << currency->label().leftJustified(28) << "  "
            << (currency->rate() ? currency->rate()->toString() : QStringLiteral("no rate")) << "\n";
    }
}

void AppDelegate::buildTabs() {
    std::vector<std::unique_ptr<ViewController>> tabs;
    auto converter = std::make_unique<ConverterViewController>(*m_currencyManager);
    converter->setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Converter")));
    converter->tabBarItem()->setIcon(Icons::converter());
    tabs.push_back(std::move(converter));
    auto currencies = std::make_unique<CurrencyViewController>(
        *m_currencyManager, [this] { return isNetworkAvailable(); }, rateServerHost());
    currencies->setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Rates")));
    tabs.push_back(inNavigation(std::move(currencies), Icons::currencies()));
    auto setup = std::make_unique<SetupViewController>(*m_currencyManager);
    setup->setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Setup")));
    tabs.push_back(inNavigation(std::move(setup), Icons::setup()));
    tabs.push_back(inNavigation(std::make_unique<HelpViewController>(), Icons::help()));
    tabs.push_back(inNavigation(std::make_unique<MoreViewController>(), Icons::more()));
    m_tabBarController = std::make_unique<TabBarController>();
    m_tabBarController->setViewControllers(std::move(tabs));
}

void AppDelegate::applicationDidFinishLaunching() {
    m_window->setRootViewController(m_tabBarController.get());
    m_window->makeKeyAndVisible();
    ZkSolicitReviewController::solicit();
    emit m_events->didFinishLaunching();
}

bool AppDelegate::isNetworkAvailable() const {
    QString host = m_options.reachabilityHost;
    if (host.isEmpty())
        host = Bundle::mainBundle().objectForInfoDictionaryKey(QStringLiteral("ReachabilityHost")).toString();
    return Reachability::isReachable(Reachability::flagsForHost(host));
}

QStringList AppDelegate::saveScreenshots(const QString& folder) {
    QDir().mkpath(folder);
    QStringList paths;
    const int selected = m_tabBarController->selectedIndex();
    const auto save = [&](const ViewController* shown) {
        QCoreApplication::processEvents();
        const QString name = shown->title().toLower().replace(u' ', u'-');
        const QString path =
            QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(paths.size() + 1).arg(name));
        if (m_window->grab().save(path))
            paths << path;
    };
    const auto tabs = m_tabBarController->viewControllers();
    for (int i = 0; i < tabs.size(); ++i) {
        m_tabBarController->setSelectedIndex(i);
        save(tabs[i]);
    }
    // The catalogue picker, as the list's add row shows it.
    for (int i = 0; i < tabs.size(); ++i) {
        const auto* navigation = qobject_cast<NavigationController*>(tabs[i]);
        auto* list =
            navigation ? qobject_cast<CurrencyViewController*>(navigation->topViewController()) : nullptr;
        if (!list)
            continue;
        m_tabBarController->setSelectedIndex(i);
        list->presentPicker(false);
        if (ViewController* picker = m_tabBarController->modalViewController()) {
            save(picker);
            picker->dismissModalViewControllerAnimated(false);
        }
    }
    m_tabBarController->setSelectedIndex(selected);
    return paths;
}
