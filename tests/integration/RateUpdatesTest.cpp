// The currency manager and the real rate server, and the real program, talking over 127.0.0.1.
#include "Bundle.h"
#include "CurrencyManager.h"
#include "CurrencyPreferences.h"
#include "HttpFixture.h"
#include "ProgramProcess.h"
#include "PropertyList.h"
#include "ReplacementCurrencies.h"
#include "TempConfig.h"
#include "UserDefaults.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString kServer = QStringLiteral(RATEPAD_RATE_SERVER);
const QString kApp = QStringLiteral(RATEPAD_APP);

// The shipped catalogue, every code of it in the list.
QVariantList everyCatalogueCurrency() {
    QVariantList list;
    const QVariantMap catalogue = Bundle::mainBundle().dictionaryForResource("Currencies");
    for (auto it = catalogue.begin(); it != catalogue.end(); ++it)
        if (it.key() != "USD")
            list.append(QVariantMap{{"currencyCode", it.key()}});
    return list;
}

// The program with its own configuration folder, pointed at a rate server.
class App final {
public:
    App(const TempConfig& config, const QString& rateServer, const QStringList& extra = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // Lines of a category of their own, which QT_LOGGING_RULES can turn off.
        env.insert("QT_MESSAGE_PATTERN", "%{category}: %{message}");
        m_process.setProcessEnvironment(env);
        m_process.start(kApp, QStringList{"--rate-server", rateServer} + extra);
        m_process.waitForStarted();
    }
    ~App() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    Q_DISABLE_COPY_MOVE(App)

    // Log lines of finished lookups seen so far.
    QStringList lookups() {
        m_log += QString::fromUtf8(m_process.readAllStandardError());
        QStringList lines;
        const QLatin1String category("ratepad.manager: ");
        for (const QString& line : m_log.split('\n'))
            if (line.startsWith(category + "1 "))
                lines << line.mid(category.size());
        return lines;
    }
    QString output() {
        m_process.waitForFinished(10000);
        return QString::fromUtf8(m_process.readAllStandardOutput());
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QString m_log;
};

QVariantList storedCurrencies(const TempConfig& config) {
    return PropertyList::readFile(config.preferencesPath())
        .value.toMap()
        .value("foreignCurrenciesStandard")
        .toList();
}

} // namespace

TEST(RateUpdates, aForcedUpdateOfTheWholeCatalogueSetsEveryRate) {
    RateServerProcess server(kServer);
    ASSERT_NE(server.port(), 0);
    TempConfig config;
    UserDefaults defaults(config.preferencesPath());
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    defaults.setObject("localCurrency", QVariantMap{{"currencyCode", "USD"}});
    defaults.setObject("foreignCurrenciesStandard", everyCatalogueCurrency());
    defaults.setObject("automaticUpdatesEnabled", false);
    CurrencyManager::Environment environment{defaults, Bundle::mainBundle()};
    environment.rateService.serverHost = server.hostAndPort();
    CurrencyManager manager(environment);
    const qsizetype count = manager.foreignCurrencies().size();
    ASSERT_GT(count, 170);

    int notifications = 0;
    QObject::connect(&manager, &CurrencyManager::exchangeRateWasUpdated, [&] { ++notifications; });
    QList<bool> indicator;
    QObject::connect(&manager, &CurrencyManager::networkActivityIndicatorVisibleChanged,
                     [&](bool on) { indicator << on; });
    manager.forceUpdate();
    EXPECT_EQ(manager.activeConnections().size(), CurrencyManager::kMaxLookupsInFlight);
    EXPECT_EQ(manager.activeConnections().size() + manager.queuedLookupCount(), count);
    ASSERT_TRUE(waitUntil([&] { return manager.activeConnections().isEmpty(); }, 60000));
    EXPECT_EQ(notifications, count);
    ASSERT_FALSE(indicator.isEmpty());
    EXPECT_FALSE(indicator.last());
    EXPECT_EQ(indicator.count(false), 1) << "the indicator goes off only after the last reply";

    QMap<QString, std::shared_ptr<ForeignCurrency>> byCode;
    for (const auto& c : manager.foreignCurrencies()) {
        EXPECT_TRUE(c->lastUpdate().isValid()) << c->currencyCode().toStdString();
        byCode[c->currencyCode()] = c;
    }
    // A replaced code's rate is its fixed rate times what the service quoted for its replacement.
    const QVariantList entries = Bundle::mainBundle()
                                     .dictionaryForResource("ReplacementCurrencies")
                                     .value("replacementCurrencies")
                                     .toList();
    ASSERT_FALSE(entries.isEmpty());
    for (const QVariant& e : entries) {
        const QVariantMap entry = e.toMap();
        const auto replaced = byCode.value(entry["code"].toString());
        const auto quoted = byCode.value(entry["lookup"].toString());
        ASSERT_TRUE(replaced && quoted) << entry["code"].toString().toStdString();
        const Decimal fixed = *ForeignCurrency::rateFromValue(entry["rate"]);
        EXPECT_EQ(*replaced->rate(), fixed.multiply(*quoted->rate()))
            << entry["code"].toString().toStdString();
    }
}

TEST(RateUpdates, aKillAfterTheLastRateLosesNothing) {
    RateServerProcess server(kServer);
    ASSERT_NE(server.port(), 0);
    TempConfig config;
    QStringList lines;
    {
        App app(config, server.hostAndPort());
        // A first launch downloads every rate of the starting list.
        ASSERT_TRUE(waitUntil([&] { return app.lookups().size() >= 11; }, 30000))
            << app.lookups().join('\n').toStdString();
        lines = app.lookups();
        // Three seconds after the last rate, then no chance to clean up.
        const QDeadlineTimer threeSeconds(3000);
        waitUntil([&] { return threeSeconds.hasExpired(); }, 4000);
        ::kill(static_cast<pid_t>(app.process().processId()), SIGKILL);
        app.process().waitForFinished();
    }
    const QVariantList stored = storedCurrencies(config);
    ASSERT_EQ(stored.size(), lines.size());
    for (const QVariant& v : stored)
        EXPECT_EQ(v.toMap().value("lastUpdate").typeId(), QMetaType::QDateTime)
            << v.toMap().value("currencyCode").toString().toStdString();

    // The next start shows the downloaded rates, not the starting ones.
    HttpFixture silent([](const QByteArray&) { return QByteArray(); });
    App again(config, silent.hostAndPort(), {"--list"});
    const QString output = again.output();
    const QString euroLine = lines.filter(QRegularExpression("^1 USD = EUR ")).value(0);
    ASSERT_FALSE(euroLine.isEmpty());
    EXPECT_TRUE(output.contains(
        QRegularExpression("EUR .* " + QRegularExpression::escape(euroLine.section(' ', 4)) + "\n")))
        << output.toStdString() << euroLine.toStdString();
}

TEST(RateUpdates, aTerminatedProgramHasSavedEveryRateAndItsLastUpdate) {
    RateServerProcess server(kServer);
    ASSERT_NE(server.port(), 0);
    TempConfig config;
    App app(config, server.hostAndPort());
    ASSERT_TRUE(waitUntil([&] { return app.lookups().size() >= 11; }, 30000));
    const QDateTime beforeTerm = QDateTime::currentDateTimeUtc();
    ::kill(static_cast<pid_t>(app.process().processId()), SIGTERM);
    ASSERT_TRUE(app.process().waitForFinished(10000));
    EXPECT_EQ(app.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.process().exitCode(), 0);

    const QVariantMap stored = PropertyList::readFile(config.preferencesPath()).value.toMap();
    const QVariantList currencies = stored.value("foreignCurrenciesStandard").toList();
    ASSERT_EQ(currencies.size(), 11);
    for (const QVariant& v : currencies) {
        EXPECT_GT(v.toMap().value("exchangeRate").toDouble(), 0);
        EXPECT_EQ(v.toMap().value("lastUpdate").typeId(), QMetaType::QDateTime);
    }
    const QVariant lastUpdate = stored.value("lastUpdate");
    EXPECT_EQ(lastUpdate.typeId(), QMetaType::Double);
    const QDateTime when =
        CurrencyPreferences::referenceDate().addMSecs(qint64(lastUpdate.toDouble() * 1000));
    EXPECT_LE(qAbs(when.secsTo(beforeTerm)), 60);

    const QStringList lines = app.lookups();
    EXPECT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.filter(QRegularExpression("^1 USD = EUR 0\\.\\d+$")).size(), 1)
        << lines.join('\n').toStdString();
}

TEST(RateUpdates, aTypedRateSurvivesAForcedRefreshOnlyWhenKeptAndTheSwitchIsSavedWithTheRecord) {
    RateServerProcess server(kServer);
    ASSERT_NE(server.port(), 0);
    TempConfig config;
    UserDefaults defaults(config.preferencesPath());
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    defaults.setObject("localCurrency", QVariantMap{{"currencyCode", "USD"}});
    defaults.setObject("foreignCurrenciesStandard", QVariantList{QVariantMap{{"currencyCode", "EUR"}},
                                                                 QVariantMap{{"currencyCode", "GBP"}}});
    defaults.setObject("automaticUpdatesEnabled", false);
    CurrencyManager::Environment environment{defaults, Bundle::mainBundle()};
    environment.rateService.serverHost = server.hostAndPort();
    {
        CurrencyManager manager(environment);
        const auto eur = manager.foreignCurrencies().at(0);
        const auto gbp = manager.foreignCurrencies().at(1);
        manager.editForeignCurrency(eur, QString(), Decimal::fromString("0.95"), true);
        manager.editForeignCurrency(gbp, QString(), Decimal::fromString("0.5"), false);
        manager.forceUpdate();
        ASSERT_TRUE(waitUntil(
            [&] { return manager.activeConnections().isEmpty() && manager.queuedLookupCount() == 0; },
            30000));

        EXPECT_EQ(eur->rate(), Decimal::fromString("0.95"));
        EXPECT_FALSE(eur->lastUpdate().isValid());
        EXPECT_TRUE(eur->showsUserRate());
        // Unkept, the typed rate gave way to the download, which dates it.
        EXPECT_NE(gbp->rate(), Decimal::fromString("0.5"));
        EXPECT_TRUE(gbp->lastUpdate().isValid());
        EXPECT_FALSE(gbp->showsUserRate());
        manager.save();
    }

    // The switch is a key of the record's own, written only when on; the next start reads it back.
    const QVariantList stored = storedCurrencies(config);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored.at(0).toMap().value("keepsRate"), QVariant(true));
    EXPECT_FALSE(stored.at(1).toMap().contains("keepsRate"));
    UserDefaults again(config.preferencesPath());
    again.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    CurrencyManager restarted({again, Bundle::mainBundle()});
    EXPECT_TRUE(restarted.foreignCurrencies().at(0)->keepsRate());
    EXPECT_TRUE(restarted.foreignCurrencies().at(0)->showsUserRate());
    EXPECT_FALSE(restarted.foreignCurrencies().at(1)->keepsRate());
    EXPECT_EQ(restarted.foreignCurrencies().at(0)->rate(), Decimal::fromString("0.95"));
}

// Rates past the server's age limit are not answered (503): the list keeps its rate and its date
// rather than take old numbers as new.
TEST(RateUpdates, ratesTooOldForTheServer_leaveTheRateAndItsDate) {
    QTemporaryDir dir;
    QFile old(dir.filePath(QStringLiteral("old.json")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(R"({"date": ")" +
              QDateTime::currentDateTimeUtc().date().addDays(-5).toString(Qt::ISODate).toLatin1() +
              R"(", "usd": {"usd": 1, "eur": 0.5}})");
    old.close();
    RateServerProcess server(kServer, {"--rates", old.fileName()});
    ASSERT_NE(server.port(), 0);
    TempConfig config;
    UserDefaults defaults(config.preferencesPath());
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    const QDateTime yesterday = QDateTime::currentDateTimeUtc().addDays(-1);
    defaults.setObject("localCurrency", QVariantMap{{"currencyCode", "USD"}});
    defaults.setObject(
        "foreignCurrenciesStandard",
        QVariantList{QVariantMap{{"currencyCode", "EUR"}, {"exchangeRate", 0.9}, {"lastUpdate", yesterday}}});
    defaults.setObject("automaticUpdatesEnabled", false);
    CurrencyManager::Environment environment{defaults, Bundle::mainBundle()};
    environment.rateService.serverHost = server.hostAndPort();
    CurrencyManager manager(environment);
    const auto eur = manager.foreignCurrencies().at(0);
    manager.forceUpdate();
    ASSERT_TRUE(waitUntil(
        [&] { return manager.activeConnections().isEmpty() && manager.queuedLookupCount() == 0; }, 30000));
    EXPECT_EQ(eur->rate(), Decimal::fromString("0.9"));
    EXPECT_EQ(eur->lastUpdate().toSecsSinceEpoch(), yesterday.toSecsSinceEpoch());
}
