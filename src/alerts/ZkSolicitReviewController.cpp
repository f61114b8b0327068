#include "ZkSolicitReviewController.h"

#include "Bundle.h"
#include "DelayedCall.h"
#include "LogCategories.h"
#include "OpenURL.h"
#include "OpenURLOrCopy.h"
#include "UserDefaults.h"
#include "ZkAlert.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>
#include <optional>

namespace {

std::optional<ZkSolicitReviewController::Environment>& defaultEnvironment() {
    static std::optional<ZkSolicitReviewController::Environment> environment;
    return environment;
}

std::unique_ptr<ZkSolicitReviewController>& sharedController() {
    static std::unique_ptr<ZkSolicitReviewController> controller;
    return controller;
}

QString infoText(const Bundle& bundle, const QString& key) {
    const QVariant value = bundle.objectForInfoDictionaryKey(key);
    return value.isValid() ? ZkAlert::textForm(value) : QString();
}

} // namespace

ZkSolicitReviewController::ZkSolicitReviewController(const Environment& environment, QObject* parent)
    : QObject(parent), m_defaults(environment.defaults), m_bundle(environment.bundle),
      m_clock(environment.clock), m_openURL(environment.openURL), m_window(environment.window),
      m_schedule(environment.schedule) {
    m_applicationName = infoText(m_bundle, QStringLiteral("CFBundleDisplayName"));
    if (m_applicationName.isEmpty())
        m_applicationName = infoText(m_bundle, QStringLiteral("CFBundleName"));
    if (m_applicationName.isEmpty())
        m_applicationName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();

    const QString store = infoText(m_bundle, kZkSolicitReviewAppStoreURLKey);
    if (!store.isEmpty()) {
        const QUrl url(store, QUrl::StrictMode);
        if (url.isValid())
            m_applicationAppStoreURL = url;
    }

    // Values of the wrong type are left over from elsewhere or edited by hand: ignore them.
    const QVariant date = m_defaults.objectForKey(kZkSolicitReviewFirstLaunchDateKey);
    if (date.typeId() == QMetaType::QDateTime && date.toDateTime().isValid())
        m_firstLaunchDate = date.toDateTime();
    const qint64 count = m_defaults.integerForKey(kZkSolicitReviewNumberOfLaunchesKey);
    if (count >= 0)
        m_numberOfLaunches = static_cast<quint64>(count);
    m_didSolicitAlready = m_defaults.boolForKey(kZkSolicitReviewDoneAlreadyKey);
}

ZkSolicitReviewController::~ZkSolicitReviewController() {
    // The alert outlives us when its window keeps it; it must not call back into a dead delegate.
    if (m_alert && m_alert->delegate() == this)
        m_alert->setDelegate(nullptr);
}

void ZkSolicitReviewController::setDefaultEnvironment(const Environment& environment) {
    if (sharedController()) {
        qCWarning(lcReview,
                  "ZkSolicitReviewController: the shared controller exists already; environment ignored");
        return;
    }
    defaultEnvironment().emplace(environment);
}

ZkSolicitReviewController& ZkSolicitReviewController::defaultController() {
    auto& controller = sharedController();
    if (!controller) {
        // Another store on the same preferences file would overwrite the application's own values.
        if (!defaultEnvironment())
            qFatal("ZkSolicitReviewController: setDefaultEnvironment() must come before the first solicit()");
        controller = std::make_unique<ZkSolicitReviewController>(*defaultEnvironment());
        // The controller writes to the owner's store and presents over the owner's window, so it
        // must not outlive that owner: when the store goes, the controller and the environment go.
        QObject::connect(&defaultEnvironment()->defaults, &QObject::destroyed, controller.get(), [] {
            sharedController().reset();
            defaultEnvironment().reset();
        });
    }
    return *controller;
}

void ZkSolicitReviewController::solicit() {
    defaultController().solicitLaunch();
}

void ZkSolicitReviewController::solicitLaunch() {
    update();
    m_schedule(this, kDelaySeconds, [this] { showAlertIfNeeded(); });
}

void ZkSolicitReviewController::update() {
    if (!m_firstLaunchDate.isValid())
        m_firstLaunchDate = m_clock();
    if (m_numberOfLaunches < kLaunchThreshold)
        ++m_numberOfLaunches;
    if (m_savesDefaults) {
        m_defaults.setObject(kZkSolicitReviewFirstLaunchDateKey, m_firstLaunchDate);
        m_defaults.setInteger(kZkSolicitReviewNumberOfLaunchesKey, static_cast<qint64>(m_numberOfLaunches));
    }
}

void ZkSolicitReviewController::showAlertIfNeeded() {
    // The launch's count reaches the disk now, not while the window waits for its first frame:
    // writing the file safely (synced, renamed) takes milliseconds, more on a busy disk.
    if (m_savesDefaults)
        m_defaults.synchronize();
    if (m_didSolicitAlready)
        return;
    if (m_numberOfLaunches < kLaunchThreshold || !m_firstLaunchDate.isValid()) {
        emit didFinish();
        return;
    }
    if (m_clock() > m_firstLaunchDate.addSecs(kTimeThresholdSeconds))
        showAlert();
    else
        emit didFinish();
}

void ZkSolicitReviewController::showAlert() {
    if (m_applicationName.isEmpty() || m_applicationAppStoreURL.isEmpty()) {
        emit didFinish();
        return;
    }
    // Recorded before the alert is up, so the user is asked at most once even if the program ends
    // while it is showing.
    m_didSolicitAlready = true;
    if (m_savesDefaults) {
        m_defaults.setBool(kZkSolicitReviewDoneAlreadyKey, true);
        m_defaults.synchronize();
    }
    std::unique_ptr<AlertView> alert = ZkAlert::alertNamed(kAlertName, m_bundle);
    alert->setCancelButtonIndex(kCancelButtonIndex);
    alert->setDelegate(this);
    ZkAlert::setTitleFormat(*alert, {m_applicationName});
    m_alert = AlertView::present(std::move(alert), m_window);
}

void ZkSolicitReviewController::clickedButtonAtIndex(AlertView* alert, int index) {
    if (index != alert->cancelButtonIndex() && !m_applicationAppStoreURL.isEmpty()) {
        // Once the alert is gone: should nothing open the page, the alert that says so comes after
        // it and keeps the focus, which the closing alert would otherwise hand back to the window.
        connect(
            alert, &AlertView::dismissed, this,
            [this] { openURLOrCopy(m_applicationAppStoreURL, m_window, m_openURL); },
            Qt::SingleShotConnection);
    }
    alert->setDelegate(nullptr);
    emit didFinish();
}

bool ZkSolicitReviewController::defaultOpenUrl(const QUrl& url) {
    return openURL(url);
}

void ZkSolicitReviewController::defaultSchedule(QObject* context, double seconds,
                                                std::function<void()> call) {
    performAfterDelay(context, seconds, std::move(call));
}
