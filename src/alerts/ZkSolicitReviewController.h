#pragma once

#include "AlertView.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

class Bundle;
class UserDefaults;
class QWidget;

// Preference keys of the controller's own state.
inline const QString kZkSolicitReviewFirstLaunchDateKey = QStringLiteral("ZkSolicitReviewFirstLaunchDate");
inline const QString kZkSolicitReviewNumberOfLaunchesKey = QStringLiteral("ZkSolicitReviewNumberOfLaunches");
inline const QString kZkSolicitReviewDoneAlreadyKey = QStringLiteral("ZkSolicitReviewDoneAlready");
// Information-dictionary key of the store page; without it the user is never asked.
inline const QString kZkSolicitReviewAppStoreURLKey = QStringLiteral("ZkSolicitReviewAppStoreURL");

// Asks the user once in the life of the installation to review the application, after at least
// kLaunchThreshold launches and more than kTimeThresholdSeconds since the first one. Every launch
// ends with didFinish(), except once the user has been asked.
class ZkSolicitReviewController final : public QObject, public AlertViewDelegate {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using OpenUrl = std::function<bool(const QUrl&)>;
    // Runs a call once after a delay in seconds, unless the context is gone by then.
    using Scheduler = std::function<void(QObject* context, double seconds, std::function<void()> call)>;

    static constexpr double kDelaySeconds = 2.0;
    static constexpr quint64 kLaunchThreshold = 5;
    static constexpr qint64 kTimeThresholdSeconds = 604800;
    static constexpr int kCancelButtonIndex = 0;
    static inline const QString kAlertName = QStringLiteral("ZkSolicitReview");

    // What the controller works with; tests give it their own store, bundle, clock and window.
    struct Environment {
        UserDefaults& defaults;
        const Bundle& bundle; // the information dictionary and the alert description
        Clock clock = [] { return QDateTime::currentDateTimeUtc(); };
        OpenUrl openURL = defaultOpenUrl; // answers false where nothing opened the page
        QWidget* window = nullptr;        // the alert is presented over it; may be null
        Scheduler schedule = defaultSchedule;
    };

    // Reads the configuration from the bundle and the state from the store.
    explicit ZkSolicitReviewController(const Environment& environment, QObject* parent = nullptr);
    ~ZkSolicitReviewController() override;
    Q_DISABLE_COPY_MOVE(ZkSolicitReviewController)

    // The application's services for the shared controller; call once before the first solicit().
    // Later calls, once the shared controller exists, are ignored. When the environment's store is
    // destroyed (its owner has shut down), the shared controller and the environment go with it, so
    // that an owner made afterwards can set its own.
    static void setDefaultEnvironment(const Environment& environment);
    // The shared controller, made on the first call from the default environment.
    static ZkSolicitReviewController& defaultController();
    // The one entry point: once per launch, when launching has finished.
    static void solicit();

    // The instance side of solicit() (a static and a member cannot share a name and signature):
    // counts this launch, then decides kDelaySeconds later whether to ask, and returns at once.
    void solicitLaunch();
    void update();
    void showAlertIfNeeded();
    void showAlert();
    void clickedButtonAtIndex(AlertView* alert, int index) override;

    QString applicationName() const { return m_applicationName; }
    void setApplicationName(const QString& name) { m_applicationName = name; }
    // Empty when no store page is configured.
    QUrl applicationAppStoreURL() const { return m_applicationAppStoreURL; }
    void setApplicationAppStoreURL(const QUrl& url) { m_applicationAppStoreURL = url; }
    bool savesDefaults() const { return m_savesDefaults; }
    void setSavesDefaults(bool saves) { m_savesDefaults = saves; }
    // Invalid until the first counted launch.
    QDateTime firstLaunchDate() const { return m_firstLaunchDate; }
    void setFirstLaunchDate(const QDateTime& date) { m_firstLaunchDate = date; }
    quint64 numberOfLaunches() const { return m_numberOfLaunches; }
    void setNumberOfLaunches(quint64 count) { m_numberOfLaunches = count; }
    bool didSolicitAlready() const { return m_didSolicitAlready; }
    void setDidSolicitAlready(bool done) { m_didSolicitAlready = done; }

    static bool defaultOpenUrl(const QUrl& url);
    static void defaultSchedule(QObject* context, double seconds, std::function<void()> call);

signals:
    // The solicitation is over for this launch (ZkSolicitReviewControllerDidFinish).
    void didFinish();

private:
    UserDefaults& m_defaults;
    const Bundle& m_bundle;
    Clock m_clock;
    OpenUrl m_openURL;
    QPointer<QWidget> m_window;
    Scheduler m_schedule;
    QPointer<AlertView> m_alert;

    QString m_applicationName;
    QUrl m_applicationAppStoreURL;
    bool m_savesDefaults = true;
    QDateTime m_firstLaunchDate;
    quint64 m_numberOfLaunches = 0;
    bool m_didSolicitAlready = false;
};
