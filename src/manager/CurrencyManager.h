#pragma once

#include "CurrencyConvertor.h"
#include "CurrencyNames.h"
#include "DelayedCall.h"
#include "ForeignCurrency.h"
#include "LocalCurrency.h"
#include "LocaleCategories.h"
#include "NetworkInformation.h"
#include "RateService.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

class ApplicationEvents;
class Bundle;
class CurrencyPreferences;
class UserDefaults;

// The one model object: the local currency, the ordered list of foreign currencies with the current
// one, the catalogue of currencies the rate service knows, and when rates were last looked up.
// Screens change the model only through its operations; every property set notifies.
class CurrencyManager final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    // Runs a call once after a delay in seconds; never merged, never cancelled.
    using Scheduler = std::function<void(QObject* context, double seconds, std::function<void()> call)>;

    // Rates whose last lookup ended this long ago are all downloaded again.
    static constexpr double kStalenessSeconds = 21600;
    // Edits reach the disk at most this long after the first unsaved change, so a crash or a kill
    // loses little.
    static constexpr int kSaveDelayMs = 2000;
    // Lookups beyond this many wait in a queue, so that a long list does not flood the event loop or
    // the server. Twice the client's connections: a connection freed by an answer finds the next
    // request already waiting in the client, instead of idling while the answer is handled.
    static constexpr int kMaxLookupsInFlight = 2 * HttpClient::kConnectionsPerHost;

    // What the manager works with; tests give it their own store, resources and clock.
    struct Environment {
        UserDefaults& defaults;
        const Bundle& bundle;
        // Launch finished and significant time change update, will terminate and memory warning save;
        // null: none of them (a manager that only reads the store).
        ApplicationEvents* applicationEvents = nullptr;
        Clock clock = [] { return QDateTime::currentDateTimeUtc(); };
        RateService rateService = RateService::fromInfoDictionary();
        Scheduler schedule = performAfterDelay;
        // The languages that currency names are shown in, most wanted first.
        QStringList textLanguages = LocaleCategories::textLanguages();
    };

    explicit CurrencyManager(Environment environment, QObject* parent = nullptr);
    ~CurrencyManager() override;
    Q_DISABLE_COPY_MOVE(CurrencyManager)

    std::shared_ptr<LocalCurrency> localCurrency() const { return m_localCurrency; }
    // A null record is refused: the manager always has a local currency.
    void setLocalCurrency(const std::shared_ptr<LocalCurrency>& currency);
    std::shared_ptr<ForeignCurrency> foreignCurrency() const { return m_foreignCurrency; }
    void setForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency);
    const ForeignCurrency::List& foreignCurrencies() const { return m_foreignCurrencies; }
    void setForeignCurrencies(const ForeignCurrency::List& currencies);
    bool automaticUpdatesEnabled() const { return m_automaticUpdatesEnabled; }
    void setAutomaticUpdatesEnabled(bool enabled);
    // Code -> display name, sorted by code.
    const QMap<QString, QString>& knownCurrencies() const { return m_knownCurrencies; }
    // The catalogue's names in the user's language, for screens to show.
    const CurrencyNames& currencyNames() const { return *m_currencyNames; }
    QDateTime lastUpdate() const { return m_lastUpdate; }
    void setLastUpdate(const QDateTime& date);

    void save();

    void addForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency);
    void insertForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency, qsizetype index);
    void removeForeignCurrencyAtIndex(qsizetype index);
    // The record at `from` is taken out and put back at `to`; the records between shift by one place
    // and the current currency stays the same record. Like an insertion, a move gives the record a
    // missing name or rate and starts its lookup when automatic updates are on.
    void moveForeignCurrency(qsizetype from, qsizetype to);
    // The picked `code` at the top of the list, made current: the record already holding it (the last
    // one in list order) moves there, otherwise a new record is inserted. Returns that record, or null
    // for an empty code.
    std::shared_ptr<ForeignCurrency> placeForeignCurrencyAtTop(const QString& code);
    // The editor's name, typed rate (none: the rate stays as it is) and whether downloads leave the
    // rate alone, for a record of the list; an empty name then takes the catalogue's. A typed rate is
    // the user's and has no download date. A record no longer in the list is left alone: returns false.
    bool editForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency, const QString& label,
                             std::optional<Decimal> typedRate, bool keepsRate);
    void rebuildForeignCurrencies();
    void addLabelToCurrency(Currency& currency) const;
    void addRateToCurrency(ForeignCurrency& currency) const;

    // The automatic update: with automatic updates on, every rate once they are 6 hours old, otherwise
    // only the missing ones and again when the 6 hours are over.
    void update();
    // Every rate of the list, whatever the switch and the time; forcedUpdateFinished tells how it went.
    // While one runs, another joins it: pairs already queued or in flight are not asked again.
    void forceUpdate();
    // Starts one rate lookup from the local currency to `currency`, when both are in the catalogue:
    // at once, or when one of those in flight has finished.
    void updateCurrency(const std::shared_ptr<ForeignCurrency>& currency);

    // The lookups in flight, in the order they started; at most kMaxLookupsInFlight.
    const QList<std::shared_ptr<CurrencyConvertor>>& activeConnections() const { return m_activeConnections; }
    // Lookups waiting for one in flight to finish.
    qsizetype queuedLookupCount() const { return qsizetype(m_queuedLookups.size()); }
    // On exactly while lookups are in flight or waiting.
    bool networkActivityIndicatorVisible() const { return m_networkActivityIndicatorVisible; }

    // What the system says of the network: when it comes back online, rates are brought up to date
    // (through update, so only with automatic updates on).
    void networkReachabilityChanged(NetworkReachability reachability);
    // Follows the system's network information where a backend exists; without one nothing changes.
    // Returns whether one was found. Only the first call looks; later ones give the same answer.
    bool followNetworkInformation();

    // Starting rates: value(code) / value(local code) from the shipped table, 10 decimals, halves up.
    static RoundingBehavior rateRounding() { return RoundingBehavior::plain(10); }

signals:
    void localCurrencyChanged(const std::shared_ptr<LocalCurrency>& previous);
    // The current foreign currency was set (also to the same record).
    void foreignCurrencyChanged();
    // The whole list was replaced, as a new local currency rebuilds it.
    void foreignCurrenciesChanged();
    // One record now stands at `index`; the records from there on moved down by one.
    void foreignCurrencyInserted(qsizetype index);
    // The record at `index` left the list; the ones after it moved up by one.
    void foreignCurrencyRemoved(qsizetype index);
    // The record at `from` now stands at `to`.
    void foreignCurrencyMoved(qsizetype from, qsizetype to);
    // A record of the list changed its name, rate or update date.
    void foreignCurrencyDataChanged(const std::shared_ptr<ForeignCurrency>& currency);
    // A download has just given this record of the list its rate; once per record, after
    // foreignCurrencyDataChanged. A record that keeps its rate takes none.
    void exchangeRateWasUpdated(const std::shared_ptr<ForeignCurrency>& currency);
    void automaticUpdatesEnabledChanged();
    void lastUpdateChanged();
    void networkActivityIndicatorVisibleChanged(bool visible);
    // Every lookup that a forceUpdate started has finished; `succeeded` of them brought a rate.
    void forcedUpdateFinished(qsizetype succeeded, qsizetype failed);

private:
    struct ForcedUpdate {
        qsizetype pending = 0;
        qsizetype succeeded = 0;
        qsizetype failed = 0;
    };
    enum class LookupEnd { Rate, Failure, Dropped };
    struct QueuedLookup {
        QString from;
        QString to;
        std::shared_ptr<ForcedUpdate> forced;
    };

    void completeInsertion(const std::shared_ptr<ForeignCurrency>& currency, qsizetype index);
    void localCurrencyDidChange(const std::shared_ptr<LocalCurrency>& previous);
    void enqueueLookup(const std::shared_ptr<ForeignCurrency>& currency,
                       const std::shared_ptr<ForcedUpdate>& forced);
    void startQueuedLookups();
    void lookupDidEnd(const std::shared_ptr<ForcedUpdate>& forced, LookupEnd end);
    void currencyConvertorDidFinish(CurrencyConvertor* lookup);
    ForeignCurrency::List recordsWithCode(const QString& code);
    void invalidateRecordsByCode();
    void setNetworkActivityIndicatorVisible(bool visible);
    void watchForChanges(Currency& record);
    void scheduleSave();
    std::optional<Decimal> startingRate(const QVariantMap& exchangeRates, const QString& code) const;

    Environment m_environment;
    std::unique_ptr<CurrencyPreferences> m_preferences;
    std::shared_ptr<LocalCurrency> m_localCurrency;
    std::shared_ptr<ForeignCurrency> m_foreignCurrency;
    ForeignCurrency::List m_foreignCurrencies;
    bool m_automaticUpdatesEnabled = false;
    QMap<QString, QString> m_knownCurrencies;
    std::unique_ptr<CurrencyNames> m_currencyNames;
    QDateTime m_lastUpdate;
    HttpClient m_network;
    QList<std::shared_ptr<CurrencyConvertor>> m_activeConnections;
    QHash<const CurrencyConvertor*, std::shared_ptr<ForcedUpdate>> m_forcedLookups;
    std::shared_ptr<ForcedUpdate> m_forcedUpdate; // the one under way, which another press joins
    std::deque<QueuedLookup> m_queuedLookups;
    QHash<QString, int> m_queuedPairs; // "FROM TO" -> how many of the queue ask for it
    // The records of each code in list order, so that a finished lookup finds its records without
    // walking a long list; rebuilt after any change of the list or of a code.
    QHash<QString, ForeignCurrency::List> m_recordsByCode;
    bool m_recordsByCodeValid = false;
    NetworkReachability m_reachability = NetworkReachability::Unknown;
    std::optional<bool> m_followsNetworkInformation; // unset until first asked
    bool m_networkActivityIndicatorVisible = false;
    QTimer m_saveTimer;
    bool m_savesChanges = false;
};
