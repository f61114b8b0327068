#include "CurrencyManager.h"

#include "ApplicationEvents.h"
#include "Bundle.h"
#include "CurrencyPreferences.h"
#include "LogCategories.h"
#include "UserDefaults.h"

#include <QSet>

namespace {
const QString kCurrenciesResource = QStringLiteral("Currencies");
const QString kMainCurrenciesResource = QStringLiteral("MainCurrencies");
const QString kMainCurrenciesKey = QStringLiteral("mainCurrencies");
const QString kExchangeRatesResource = QStringLiteral("ExchangeRates");
} // namespace

CurrencyManager::CurrencyManager(Environment environment, QObject* parent)
    : QObject(parent), m_environment(std::move(environment)),
      m_preferences(std::make_unique<CurrencyPreferences>(m_environment.defaults)) {
    // Any change of the list's order or contents makes the index of records by code stale.
    connect(this, &CurrencyManager::foreignCurrenciesChanged, this,
            &CurrencyManager::invalidateRecordsByCode);
    connect(this, &CurrencyManager::foreignCurrencyInserted, this, &CurrencyManager::invalidateRecordsByCode);
    connect(this, &CurrencyManager::foreignCurrencyRemoved, this, &CurrencyManager::invalidateRecordsByCode);
    connect(this, &CurrencyManager::foreignCurrencyMoved, this, &CurrencyManager::invalidateRecordsByCode);

    const QVariantMap catalogue = m_environment.bundle.dictionaryForResource(kCurrenciesResource);
    for (auto it = catalogue.begin(); it != catalogue.end(); ++it)
        if (it.value().typeId() == QMetaType::QString)
            m_knownCurrencies.insert(it.key(), it.value().toString());
    m_currencyNames = std::make_unique<CurrencyNames>(m_knownCurrencies, m_environment.textLanguages);

    setLocalCurrency(LocalCurrency::fromDictionary(m_preferences->localCurrency().value_or(QVariantMap())));
    addLabelToCurrency(*m_localCurrency);

    // Stored records keep their stored names and rates. Entries without a code are dropped, and the
    // stored index still points at the entry it was saved for.
    const QVariantList stored = m_preferences->foreignCurrencies().value_or(QVariantList());
    int index = m_preferences->foreignCurrencyIndex();
    if (index >= 0 && index < stored.size())
        index -= int(std::count_if(stored.begin(), stored.begin() + index,
                                   [](const QVariant& entry) { return !isUsableCurrencyDictionary(entry); }));
    setForeignCurrencies(ForeignCurrency::foreignCurrencyWithDictionaries(stored));
    if (m_foreignCurrencies.isEmpty())
        rebuildForeignCurrencies(); // automatic updates are still off here, so this starts no lookup
    // The manager only ever saves the position of an entry, so an index outside the list means the
    // list was edited by hand: fall back to the first entry.
    setForeignCurrency(
        m_foreignCurrencies.value(index >= 0 && index < m_foreignCurrencies.size() ? index : 0));

    setAutomaticUpdatesEnabled(m_preferences->automaticUpdatesEnabled());
    // A last update in the future (a damaged file, or a clock set back) would hold back every
    // update until then: it reads as absent.
    const QDateTime lastUpdate = m_preferences->lastUpdate();
    setLastUpdate(lastUpdate > m_environment.clock() ? CurrencyPreferences::referenceDate() : lastUpdate);

    if (ApplicationEvents* events = m_environment.applicationEvents) {
        connect(events, &ApplicationEvents::didFinishLaunching, this,
                [this] { m_environment.schedule(this, 0, [this] { update(); }); });
        connect(events, &ApplicationEvents::significantTimeChange, this, &CurrencyManager::update);
        connect(events, &ApplicationEvents::willTerminate, this, &CurrencyManager::save);
        connect(events, &ApplicationEvents::didReceiveMemoryWarning, this, &CurrencyManager::save);
    }

    // Observing its own properties comes last, so that nothing set above rebuilds or updates.
    connect(this, &CurrencyManager::localCurrencyChanged, this, &CurrencyManager::localCurrencyDidChange);
    connect(this, &CurrencyManager::automaticUpdatesEnabledChanged, this, &CurrencyManager::update);

    m_saveTimer.setSingleShot(true);
    m_saveTimer.setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% late
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &CurrencyManager::save);
    connect(this, &CurrencyManager::localCurrencyChanged, this, &CurrencyManager::scheduleSave);
    for (auto signal :
         {&CurrencyManager::foreignCurrencyChanged, &CurrencyManager::foreignCurrenciesChanged,
          &CurrencyManager::automaticUpdatesEnabledChanged, &CurrencyManager::lastUpdateChanged})
        connect(this, signal, this, &CurrencyManager::scheduleSave);
    m_savesChanges = true;
}

CurrencyManager::~CurrencyManager() = default;

void CurrencyManager::setLocalCurrency(const std::shared_ptr<LocalCurrency>& currency) {
    if (!currency)
        return;
    const std::shared_ptr<LocalCurrency> previous = m_localCurrency;
    m_localCurrency = currency;
    watchForChanges(*currency);
    emit localCurrencyChanged(previous);
}

void CurrencyManager::setForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency) {
    m_foreignCurrency = currency;
    emit foreignCurrencyChanged();
}

void CurrencyManager::setForeignCurrencies(const ForeignCurrency::List& currencies) {
    m_foreignCurrencies = currencies;
    for (const auto& currency : currencies)
        watchForChanges(*currency);
    emit foreignCurrenciesChanged();
}

void CurrencyManager::setAutomaticUpdatesEnabled(bool enabled) {
    m_automaticUpdatesEnabled = enabled;
    emit automaticUpdatesEnabledChanged();
}

void CurrencyManager::setLastUpdate(const QDateTime& date) {
    m_lastUpdate = date;
    emit lastUpdateChanged();
}

void CurrencyManager::save() {
    m_saveTimer.stop();
    m_preferences->setLocalCurrency(m_localCurrency->dictionary());
    QVariantList dictionaries;
    dictionaries.reserve(m_foreignCurrencies.size());
    for (const auto& currency : std::as_const(m_foreignCurrencies))
        dictionaries.append(currency->dictionary());
    m_preferences->setForeignCurrencies(dictionaries);
    const qsizetype index = m_foreignCurrencies.indexOf(m_foreignCurrency);
    m_preferences->setForeignCurrencyIndex(static_cast<int>(std::max<qsizetype>(index, 0)));
    m_preferences->setAutomaticUpdatesEnabled(m_automaticUpdatesEnabled);
    m_preferences->setLastUpdate(m_lastUpdate);
    m_environment.defaults.synchronize();
}

void CurrencyManager::addForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency) {
    insertForeignCurrency(currency, m_foreignCurrencies.size());
}

void CurrencyManager::insertForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency,
                                            qsizetype index) {
    if (!currency)
        return;
    index = std::clamp<qsizetype>(index, 0, m_foreignCurrencies.size());
    m_foreignCurrencies.insert(index, currency);
    watchForChanges(*currency);
    scheduleSave();
    completeInsertion(currency, index);
}

// What follows an insertion, and a move, which stands for one: the name and rate that are missing,
// the signal, then the lookup (which reports on a later pass of the loop).
void CurrencyManager::completeInsertion(const std::shared_ptr<ForeignCurrency>& currency, qsizetype index) {
    addLabelToCurrency(*currency);
    addRateToCurrency(*currency);
    if (index >= 0)
        emit foreignCurrencyInserted(index);
    if (m_automaticUpdatesEnabled)
        updateCurrency(currency);
}

void CurrencyManager::removeForeignCurrencyAtIndex(qsizetype index) {
    // The list must never become empty: the converter always shows one current currency.
    if (index < 0 || index >= m_foreignCurrencies.size() || m_foreignCurrencies.size() <= 1)
        return;
    m_foreignCurrencies.removeAt(index);
    scheduleSave();
    emit foreignCurrencyRemoved(index);
    if (!m_foreignCurrencies.contains(m_foreignCurrency))
        setForeignCurrency(m_foreignCurrencies.first());
}

void CurrencyManager::moveForeignCurrency(qsizetype from, qsizetype to) {
    const qsizetype count = m_foreignCurrencies.size();
    if (from < 0 || from >= count || to < 0 || to >= count)
        return;
    const std::shared_ptr<ForeignCurrency> currency = m_foreignCurrencies.at(from);
    if (from != to) {
        m_foreignCurrencies.move(from, to);
        scheduleSave();
        emit foreignCurrencyMoved(from, to);
    }
    completeInsertion(currency, -1);
}

std::shared_ptr<ForeignCurrency> CurrencyManager::placeForeignCurrencyAtTop(const QString& code) {
    if (code.isEmpty())
        return nullptr;
    qsizetype existing = -1;
    for (qsizetype i = 0; i < m_foreignCurrencies.size(); ++i) {
        if (m_foreignCurrencies.at(i)->currencyCode() == code)
            existing = i;
    }
    std::shared_ptr<ForeignCurrency> currency;
    if (existing >= 0) {
        // Moved rather than inserted again, so that the code does not stand in the list twice.
        currency = m_foreignCurrencies.at(existing);
        moveForeignCurrency(existing, 0);
    } else {
        currency = ForeignCurrency::create(code);
        insertForeignCurrency(currency, 0);
    }
    setForeignCurrency(currency);
    return currency;
}

bool CurrencyManager::editForeignCurrency(const std::shared_ptr<ForeignCurrency>& currency,
                                          const QString& label, std::optional<Decimal> typedRate,
                                          bool keepsRate) {
    if (!currency || !m_foreignCurrencies.contains(currency))
        return false;
    currency->setLabel(label);
    currency->setKeepsRate(keepsRate);
    if (typedRate)
        currency->setTypedRate(*typedRate);
    addLabelToCurrency(*currency);
    emit foreignCurrencyDataChanged(currency);
    return true;
}

void CurrencyManager::rebuildForeignCurrencies() {
    const QVariantMap exchangeRates = m_environment.bundle.dictionaryForResource(kExchangeRatesResource);
    const QVariantList mainCurrencies = m_environment.bundle.dictionaryForResource(kMainCurrenciesResource)
                                            .value(kMainCurrenciesKey)
                                            .toList();
    const QString localCode = m_localCurrency->currencyCode();

    ForeignCurrency::List list;
    if (ForeignCurrency::rateFromValue(exchangeRates.value(localCode))) {
        for (const QVariant& entry : mainCurrencies) {
            const QString code = entry.toString();
            if (entry.typeId() != QMetaType::QString || code == localCode)
                continue;
            auto currency = ForeignCurrency::create(code);
            addLabelToCurrency(*currency);
            if (m_automaticUpdatesEnabled)
                updateCurrency(currency); // completes later, when the record is in the list
            if (const auto rate = startingRate(exchangeRates, code))
                currency->setRate(rate);
            list.append(currency);
        }
    }
    if (list.isEmpty()) {
        // No starting rate for the local currency (or no main list): one record of the local
        // currency itself, without a rate.
        auto itself = ForeignCurrency::fromDictionary(m_localCurrency->dictionary());
        addLabelToCurrency(*itself); // the local record may not have its name yet
        list.append(itself);
    }
    setForeignCurrency(list.first());
    setForeignCurrencies(list);
}

void CurrencyManager::addLabelToCurrency(Currency& currency) const {
    if (!currency.label().isEmpty())
        return;
    const QString name = m_knownCurrencies.value(currency.currencyCode());
    if (!name.isEmpty())
        currency.setLabel(name);
}

void CurrencyManager::addRateToCurrency(ForeignCurrency& currency) const {
    if (currency.rate())
        return;
    const QVariantMap exchangeRates = m_environment.bundle.dictionaryForResource(kExchangeRatesResource);
    if (const auto rate = startingRate(exchangeRates, currency.currencyCode()))
        currency.setRate(rate);
}

std::optional<Decimal> CurrencyManager::startingRate(const QVariantMap& exchangeRates,
                                                     const QString& code) const {
    const auto local = ForeignCurrency::rateFromValue(exchangeRates.value(m_localCurrency->currencyCode()));
    const auto value = ForeignCurrency::rateFromValue(exchangeRates.value(code));
    if (!local || !value)
        return std::nullopt;
    const Decimal rate = value->divide(*local, rateRounding());
    if (rate.isNaN())
        return std::nullopt; // a zero entry in the table must not become a rate
    return rate;
}

void CurrencyManager::localCurrencyDidChange(const std::shared_ptr<LocalCurrency>& previous) {
    if (!previous || previous->currencyCode() != m_localCurrency->currencyCode())
        rebuildForeignCurrencies();
    addLabelToCurrency(*m_localCurrency);
}

void CurrencyManager::update() {
    if (!m_automaticUpdatesEnabled)
        return;
    const double elapsed = static_cast<double>(m_lastUpdate.msecsTo(m_environment.clock())) / 1000.0;
    // A last update in the future (the clock was set back) counts as none.
    const double remaining = elapsed < 0 ? 0 : kStalenessSeconds - elapsed;
    const ForeignCurrency::List currencies = m_foreignCurrencies;
    if (remaining <= 0) {
        for (const auto& currency : currencies)
            updateCurrency(currency);
        return;
    }
    for (const auto& currency : currencies)
        if (!currency->rate())
            updateCurrency(currency);
    m_environment.schedule(this, remaining, [this] { update(); });
}

void CurrencyManager::forceUpdate() {
    // A forced update while one runs joins it, and so does every lookup already queued or in flight:
    // each pair is asked once, and the one forcedUpdateFinished comes when the last of them ends.
    if (!m_forcedUpdate)
        m_forcedUpdate = std::make_shared<ForcedUpdate>();
    const std::shared_ptr<ForcedUpdate> forced = m_forcedUpdate;
    ++forced->pending; // this call, so that nothing reports before every lookup is counted
    const QString localCode = m_localCurrency->currencyCode();
    QSet<QString> asked;
    for (QueuedLookup& queued : m_queuedLookups) {
        if (queued.from != localCode)
            continue;
        asked.insert(queued.to);
        if (!queued.forced) {
            queued.forced = forced;
            ++forced->pending;
        }
    }
    for (const auto& lookup : std::as_const(m_activeConnections)) {
        if (lookup->fromCurrency() != localCode)
            continue;
        asked.insert(lookup->toCurrency());
        if (!m_forcedLookups.contains(lookup.get())) {
            m_forcedLookups.insert(lookup.get(), forced);
            ++forced->pending;
        }
    }
    const ForeignCurrency::List currencies = m_foreignCurrencies;
    for (const auto& currency : currencies) {
        if (!asked.contains(currency->currencyCode())) {
            asked.insert(currency->currencyCode());
            enqueueLookup(currency, forced);
        }
    }
    lookupDidEnd(forced, LookupEnd::Dropped);
}

void CurrencyManager::updateCurrency(const std::shared_ptr<ForeignCurrency>& currency) {
    enqueueLookup(currency, nullptr);
}

void CurrencyManager::enqueueLookup(const std::shared_ptr<ForeignCurrency>& currency,
                                    const std::shared_ptr<ForcedUpdate>& forced) {
    // A rate the user keeps is not asked for: its answer would be thrown away.
    if (!currency || currency->keepsRate())
        return;
    const QString localCode = m_localCurrency->currencyCode();
    const QString code = currency->currencyCode();
    if (!m_knownCurrencies.contains(localCode) || !m_knownCurrencies.contains(code))
        return;
    // The same pair still waiting brings this rate too (its result goes to every record of the
    // code); a forced update has already left out the pairs it joined.
    const QString pair = localCode + u' ' + code;
    if (!forced && m_queuedPairs.value(pair) > 0)
        return;
    if (forced)
        ++forced->pending;
    ++m_queuedPairs[pair];
    m_queuedLookups.push_back({localCode, code, forced});
    startQueuedLookups();
}

void CurrencyManager::startQueuedLookups() {
    while (m_activeConnections.size() < kMaxLookupsInFlight && !m_queuedLookups.empty()) {
        const QueuedLookup next = std::move(m_queuedLookups.front());
        m_queuedLookups.pop_front();
        const QString pair = next.from + u' ' + next.to;
        if (--m_queuedPairs[pair] <= 0)
            m_queuedPairs.remove(pair);
        // The result for a former local currency would be discarded: no need to ask.
        if (next.from != m_localCurrency->currencyCode()) {
            lookupDidEnd(next.forced, LookupEnd::Dropped);
            continue;
        }
        auto lookup = CurrencyConvertor::create(next.from, next.to, m_environment.rateService, m_network);
        if (!lookup) {
            lookupDidEnd(next.forced, LookupEnd::Failure);
            continue;
        }
        CurrencyConvertor* raw = lookup.get();
        connect(raw, &CurrencyConvertor::rateChanged, this, [this, raw] { currencyConvertorDidFinish(raw); });
        m_activeConnections.append(std::move(lookup));
        if (next.forced)
            m_forcedLookups.insert(raw, next.forced);
    }
    setNetworkActivityIndicatorVisible(!m_activeConnections.isEmpty() || !m_queuedLookups.empty());
}

void CurrencyManager::lookupDidEnd(const std::shared_ptr<ForcedUpdate>& forced, LookupEnd end) {
    if (!forced)
        return;
    if (end == LookupEnd::Rate)
        ++forced->succeeded;
    else if (end == LookupEnd::Failure)
        ++forced->failed;
    if (--forced->pending > 0)
        return;
    if (m_forcedUpdate == forced)
        m_forcedUpdate.reset();
    if (forced->succeeded + forced->failed > 0)
        emit forcedUpdateFinished(forced->succeeded, forced->failed);
}

void CurrencyManager::currencyConvertorDidFinish(CurrencyConvertor* lookup) {
    const QString from = lookup->fromCurrency();
    const QString to = lookup->toCurrency();
    const Decimal rate = lookup->rate().value_or(Decimal(0));
    qCInfo(lcManager).noquote() << QStringLiteral("1 %1 = %2 %3").arg(from, to, rate.toString());

    const bool succeeded = rate.toDouble() > 0;
    if (succeeded && from == m_localCurrency->currencyCode()) {
        // A rate is dated when its source published it, where the service says so: a rate from
        // Friday read on Monday is not Monday's. Never later than now, whatever a clock says.
        const QDateTime now = m_environment.clock();
        const QDateTime published = lookup->publishedAt();
        const QDateTime dated = published.isValid() && published < now ? published : now;
        const ForeignCurrency::List currencies = recordsWithCode(to);
        for (const auto& currency : currencies) {
            if (!currency->takeDownloadedRate(rate, dated))
                continue;
            emit foreignCurrencyDataChanged(currency);
            emit exchangeRateWasUpdated(currency);
        }
    }

    disconnect(lookup, nullptr, this, nullptr);
    // The lookup is deleted later on the event loop, after its own callback has returned. At most
    // kMaxLookupsInFlight are in the list, so finding it costs nothing however long the queue is.
    m_activeConnections.removeIf([lookup](const auto& active) { return active.get() == lookup; });
    const std::shared_ptr<ForcedUpdate> forced = m_forcedLookups.take(lookup);
    startQueuedLookups();
    // Only an answer counts: failures while offline must not postpone the next full update.
    if (succeeded)
        setLastUpdate(m_environment.clock());
    lookupDidEnd(forced, succeeded ? LookupEnd::Rate : LookupEnd::Failure);
}

ForeignCurrency::List CurrencyManager::recordsWithCode(const QString& code) {
    if (!m_recordsByCodeValid) {
        m_recordsByCode.clear();
        for (const auto& currency : std::as_const(m_foreignCurrencies))
            m_recordsByCode[currency->currencyCode()].append(currency);
        m_recordsByCodeValid = true;
    }
    return m_recordsByCode.value(code);
}

void CurrencyManager::invalidateRecordsByCode() {
    m_recordsByCodeValid = false;
}

void CurrencyManager::networkReachabilityChanged(NetworkReachability reachability) {
    const bool cameBack = reachability == NetworkReachability::Online &&
                          m_reachability != NetworkReachability::Online &&
                          m_reachability != NetworkReachability::Unknown;
    m_reachability = reachability;
    if (cameBack)
        update();
}

bool CurrencyManager::followNetworkInformation() {
    if (m_followsNetworkInformation)
        return *m_followsNetworkInformation;
    const std::optional<NetworkReachability> now = NetworkInformation::follow(
        this, [this](NetworkReachability reachability) { networkReachabilityChanged(reachability); });
    m_followsNetworkInformation = now.has_value();
    if (now)
        m_reachability = *now;
    return *m_followsNetworkInformation;
}

void CurrencyManager::setNetworkActivityIndicatorVisible(bool visible) {
    m_networkActivityIndicatorVisible = visible;
    emit networkActivityIndicatorVisibleChanged(visible);
}

void CurrencyManager::watchForChanges(Currency& record) {
    connect(&record, &Currency::currencyCodeChanged, this, &CurrencyManager::scheduleSave,
            Qt::UniqueConnection);
    connect(&record, &Currency::currencyCodeChanged, this, &CurrencyManager::invalidateRecordsByCode,
            Qt::UniqueConnection);
    connect(&record, &Currency::labelChanged, this, &CurrencyManager::scheduleSave, Qt::UniqueConnection);
    if (auto* foreign = qobject_cast<ForeignCurrency*>(&record)) {
        connect(foreign, &ForeignCurrency::rateChanged, this, &CurrencyManager::scheduleSave,
                Qt::UniqueConnection);
        connect(foreign, &ForeignCurrency::lastUpdateChanged, this, &CurrencyManager::scheduleSave,
                Qt::UniqueConnection);
        connect(foreign, &ForeignCurrency::userRateChanged, this, &CurrencyManager::scheduleSave,
                Qt::UniqueConnection);
        connect(foreign, &ForeignCurrency::keepsRateChanged, this, &CurrencyManager::scheduleSave,
                Qt::UniqueConnection);
    }
}

void CurrencyManager::scheduleSave() {
    // What creation itself sets up is not a change of the user's. A running timer is left alone,
    // so that a stream of changes cannot postpone the save.
    if (m_savesChanges && !m_saveTimer.isActive())
        m_saveTimer.start();
}
