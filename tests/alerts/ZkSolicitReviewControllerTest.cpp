#include "ZkSolicitReviewController.h"

#include "AlertView.h"
#include "Bundle.h"
#include "PropertyList.h"
#include "TempConfig.h"
#include "UserDefaults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QUrl kStorePage("https://store.example/apps/testpad");

// The alert on screen, if any, found among the visible widgets as a user would see it.
AlertView* shownAlert() {
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* alert = qobject_cast<AlertView*>(widget); alert && alert->isVisible())
            return alert;
    return nullptr;
}

} // namespace

// A controller over a test bundle (an Info.plist and the shipped alert), a private preferences file,
// a clock the test sets, and a scheduler that keeps the delayed decision until the test runs it.
class ReviewSolicitation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(":/ZkSolicitReview.alert", bundleFolder.path() + "/ZkSolicitReview.alert"));
        defaults = std::make_unique<UserDefaults>(config.preferencesPath());
        window.resize(320, 480);
        window.show();
    }

    void TearDown() override {
        controller.reset();
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* alert = qobject_cast<AlertView*>(widget); alert && !alert->parent())
                delete alert;
    }

    const Bundle& makeBundle() {
        EXPECT_TRUE(PropertyList::writeFile(bundleFolder.path() + "/Info.plist", info));
        bundle = std::make_unique<Bundle>(bundleFolder.path());
        return *bundle;
    }

    // A new controller, as at a new start of the program: the stored state is read afresh.
    ZkSolicitReviewController& start() {
        controller.reset();
        ZkSolicitReviewController::Environment environment{*defaults, makeBundle()};
        environment.clock = [this] { return now; };
        environment.openURL = [this](const QUrl& url) {
            opened.append(url);
            return opens;
        };
        environment.window = &window;
        environment.schedule = [this](QObject*, double seconds, std::function<void()> call) {
            delays.append(seconds);
            pending.append(std::move(call));
        };
        controller = std::make_unique<ZkSolicitReviewController>(environment);
        QObject::connect(controller.get(), &ZkSolicitReviewController::didFinish, controller.get(),
                         [this, c = controller.get()] { finishObjects.append(c); });
        return *controller;
    }

    // One launch: the count at once, then the decision as the delayed call would run it.
    ZkSolicitReviewController& launch() {
        ZkSolicitReviewController& c = start();
        c.solicitLaunch();
        const auto calls = std::exchange(pending, {});
        for (const auto& call : calls)
            call();
        return c;
    }

    void storeState(const QVariant& count, const QVariant& firstLaunch) {
        defaults->setObject(kZkSolicitReviewNumberOfLaunchesKey, count);
        defaults->setObject(kZkSolicitReviewFirstLaunchDateKey, firstLaunch);
    }

    void click(AlertView* alert, int index) {
        ASSERT_TRUE(alert);
        ASSERT_TRUE(alert->buttonAtIndex(index));
        QTest::mouseClick(alert->buttonAtIndex(index), Qt::LeftButton);
    }

    TempConfig config;
    std::unique_ptr<UserDefaults> defaults;
    QTemporaryDir bundleFolder;
    QVariantMap info{{"CFBundleDisplayName", "Testpad"},
                     {"CFBundleName", "testpad-bin"},
                     {"ZkSolicitReviewAppStoreURL", kStorePage.toString()}};
    std::unique_ptr<Bundle> bundle;
    QWidget window;
    QDateTime now{QDate(2024, 3, 10), QTime(9, 30), Qt::UTC};
    QList<QObject*> finishObjects;
    QList<QUrl> opened;
    bool opens = true; // whether anything on the system takes the store page
    QList<double> delays;
    QList<std::function<void()>> pending;
    std::unique_ptr<ZkSolicitReviewController> controller;
};

TEST_F(ReviewSolicitation, theFirstLaunchRecordsItsDateAndCountAndFinishesOnlyAfterTheDelay) {
    ZkSolicitReviewController& c = start();
    c.solicitLaunch();
    EXPECT_EQ(defaults->objectForKey(kZkSolicitReviewFirstLaunchDateKey).toDateTime(), now);
    EXPECT_EQ(defaults->integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 1);
    EXPECT_EQ(delays, QList<double>({2.0}));
    EXPECT_TRUE(finishObjects.isEmpty());

    ASSERT_EQ(pending.size(), 1);
    std::exchange(pending, {}).first()();
    EXPECT_EQ(finishObjects, QList<QObject*>({&c}));
    EXPECT_EQ(shownAlert(), nullptr);

    // Written through to disk, not only kept in memory.
    const auto file = PropertyList::readFile(config.preferencesPath());
    ASSERT_TRUE(file.ok()) << file.error.toStdString();
    EXPECT_EQ(file.value.toMap().value(kZkSolicitReviewNumberOfLaunchesKey).toLongLong(), 1);
    EXPECT_EQ(file.value.toMap().value(kZkSolicitReviewFirstLaunchDateKey).toDateTime(), now);

    // The next launch keeps the first date.
    const QDateTime first = now;
    now = now.addDays(1);
    launch();
    EXPECT_EQ(defaults->objectForKey(kZkSolicitReviewFirstLaunchDateKey).toDateTime(), first);
    EXPECT_EQ(defaults->integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 2);
}

TEST_F(ReviewSolicitation, theRealDelayedCallDecidesAboutTwoSecondsLater) {
    ZkSolicitReviewController::Environment environment{*defaults, makeBundle()};
    ZkSolicitReviewController c(environment);
    QObject::connect(&c, &ZkSolicitReviewController::didFinish, [&] { finishObjects.append(&c); });
    QElapsedTimer elapsed;
    elapsed.start();
    c.solicitLaunch();
    EXPECT_TRUE(finishObjects.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !finishObjects.isEmpty(); }, 10000));
    EXPECT_GE(elapsed.elapsed(), 1900);
    EXPECT_EQ(finishObjects, QList<QObject*>({&c}));
}

TEST_F(ReviewSolicitation, fiveLaunchesAndMoreThanAWeekShowTheAlertWithTheApplicationName) {
    storeState(5, now.addDays(-8));
    ZkSolicitReviewController& c = launch();
    AlertView* alert = shownAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Enjoying Testpad?");
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    EXPECT_EQ(alert->delegate(), &c);
    EXPECT_TRUE(finishObjects.isEmpty()); // that waits for the answer
    EXPECT_TRUE(c.didSolicitAlready());
    EXPECT_TRUE(defaults->boolForKey(kZkSolicitReviewDoneAlreadyKey));
    EXPECT_EQ(defaults->integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 5); // the count stops at 5
}

TEST_F(ReviewSolicitation, tooFewLaunchesOrTooLittleTimeFinishWithoutAsking) {
    struct Case {
        qint64 storedCount;
        qint64 secondsSinceFirst;
        bool asks;
    };
    const Case cases[] = {
        {5, 6 * 86400, false},                         // count reached, too early
        {5, 604800, false},                            // exactly a week is not more than a week
        {5, 604801, true},     {3, 30 * 86400, false}, // counts 4 this time
        {4, 30 * 86400, true},                         // the fifth launch asks
        {40, 604801, true},                            // a count above the threshold still asks
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "count " << t.storedCount << ", " << t.secondsSinceFirst << " s");
        defaults->removeObject(kZkSolicitReviewDoneAlreadyKey);
        storeState(t.storedCount, now.addSecs(-t.secondsSinceFirst));
        finishObjects.clear();
        ZkSolicitReviewController& c = launch();
        AlertView* alert = shownAlert();
        EXPECT_EQ(alert != nullptr, t.asks);
        EXPECT_EQ(finishObjects.size(), t.asks ? 0 : 1);
        EXPECT_EQ(defaults->boolForKey(kZkSolicitReviewDoneAlreadyKey), t.asks);
        EXPECT_EQ(c.numberOfLaunches(),
                  static_cast<quint64>(t.storedCount < 5 ? t.storedCount + 1 : t.storedCount));
        controller.reset();
        delete alert;
    }
    EXPECT_EQ(defaults->integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 40);
}

TEST_F(ReviewSolicitation, decliningOpensNothingAcceptingOpensTheStorePageAndEachFinishesOnce) {
    for (int index : {0, 1}) {
        SCOPED_TRACE(index);
        defaults->removeObject(kZkSolicitReviewDoneAlreadyKey);
        storeState(5, now.addDays(-8));
        finishObjects.clear();
        opened.clear();
        ZkSolicitReviewController& c = launch();
        QPointer<AlertView> alert = shownAlert();
        click(alert, index);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !finishObjects.isEmpty(); }));
        EXPECT_EQ(finishObjects, QList<QObject*>({&c}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !alert || !alert->isVisible(); }));
        EXPECT_EQ(opened, index == 0 ? QList<QUrl>() : QList<QUrl>({kStorePage}));
        if (alert) {
            EXPECT_EQ(alert->delegate(), nullptr);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(finishObjects.size(), 1);
    }
}

TEST_F(ReviewSolicitation, whereNothingOpensTheStorePageTheUserIsToldAndGetsTheLink) {
    QGuiApplication::clipboard()->clear();
    storeState(5, now.addDays(-8));
    opens = false;
    QPushButton behind(&window); // where the focus was before the alerts
    behind.show();
    window.activateWindow();
    behind.setFocus();
    ZkSolicitReviewController& c = launch();
    QPointer<AlertView> review = shownAlert();
    click(review, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !review || !review->isVisible(); }));
    EXPECT_EQ(opened, QList<QUrl>({kStorePage}));
    QPointer<AlertView> told = shownAlert();
    ASSERT_TRUE(told);
    EXPECT_EQ(told->title(), "Cannot Open Link");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kStorePage.toString());
    EXPECT_EQ(finishObjects, QList<QObject*>({&c}));
    // The keyboard reaches the new alert, not the window behind it.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus && (focus == told || told->isAncestorOf(focus)));
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !told || !told->isVisible(); }));
}

TEST_F(ReviewSolicitation, onceAskedNoLaterLaunchAsksOrPostsAnything) {
    storeState(5, now.addDays(-8));
    ZkSolicitReviewController& first = launch();
    click(shownAlert(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownAlert() == nullptr; }));
    finishObjects.clear();
    first.showAlertIfNeeded();
    EXPECT_EQ(shownAlert(), nullptr);

    now = now.addDays(30);
    launch();
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_TRUE(finishObjects.isEmpty());
}

TEST_F(ReviewSolicitation, theAnswerIsRecordedBeforeTheUserGivesIt) {
    storeState(5, now.addDays(-8));
    launch();
    QPointer<AlertView> alert = shownAlert();
    ASSERT_TRUE(alert);
    // The program ends with the alert up: the flag is on disk already and the orphaned alert must not
    // call back into the destroyed controller.
    controller.reset();
    EXPECT_EQ(alert->delegate(), nullptr);
    defaults.reset();
    const auto file = PropertyList::readFile(config.preferencesPath());
    EXPECT_TRUE(file.value.toMap().value(kZkSolicitReviewDoneAlreadyKey).toBool());
    click(alert, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !alert || !alert->isVisible(); }));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(finishObjects.isEmpty());

    defaults = std::make_unique<UserDefaults>(config.preferencesPath());
    now = now.addDays(1);
    launch();
    EXPECT_EQ(shownAlert(), nullptr);
}

TEST_F(ReviewSolicitation, withoutAUsableStorePageTheUserIsNeverAsked) {
    for (const QVariant& url : {QVariant(), QVariant(""), QVariant("http://exa mple.com/%zz")}) {
        SCOPED_TRACE(url.toString().toStdString());
        if (url.isValid())
            info["ZkSolicitReviewAppStoreURL"] = url;
        else
            info.remove("ZkSolicitReviewAppStoreURL");
        storeState(5, now.addDays(-30));
        finishObjects.clear();
        ZkSolicitReviewController& c = launch();
        EXPECT_TRUE(c.applicationAppStoreURL().isEmpty());
        EXPECT_EQ(shownAlert(), nullptr);
        EXPECT_EQ(finishObjects, QList<QObject*>({&c}));
        EXPECT_FALSE(defaults->objectForKey(kZkSolicitReviewDoneAlreadyKey).isValid());
    }
}

TEST_F(ReviewSolicitation, withSavesDefaultsOffNothingReachesTheStoreOrTheDisk) {
    ZkSolicitReviewController& c = start();
    c.setSavesDefaults(false);
    c.setNumberOfLaunches(4);
    c.setFirstLaunchDate(now.addDays(-8));
    c.solicitLaunch();
    std::exchange(pending, {}).first()();
    ASSERT_TRUE(shownAlert()); // the path through showAlert was taken
    EXPECT_TRUE(c.didSolicitAlready());
    EXPECT_EQ(c.numberOfLaunches(), 5u);
    for (const QString& key : {kZkSolicitReviewFirstLaunchDateKey, kZkSolicitReviewNumberOfLaunchesKey,
                               kZkSolicitReviewDoneAlreadyKey})
        EXPECT_FALSE(defaults->objectForKey(key).isValid()) << key.toStdString();
    defaults.reset(); // a store writes whatever it holds when it goes
    EXPECT_FALSE(QFileInfo::exists(config.preferencesPath()));
}

TEST_F(ReviewSolicitation, storedValuesOfTheWrongKindAreIgnored) {
    storeState(-3, "2020-01-01T00:00:00Z");
    ZkSolicitReviewController& negative = start();
    EXPECT_FALSE(negative.firstLaunchDate().isValid());
    EXPECT_EQ(negative.numberOfLaunches(), 0u);
    negative.update();
    EXPECT_EQ(defaults->objectForKey(kZkSolicitReviewFirstLaunchDateKey).toDateTime(), now);
    EXPECT_EQ(defaults->integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 1);

    // A count in text form is still a count; a count of another kind counts as none.
    storeState("4", QVariantList{now});
    EXPECT_EQ(start().numberOfLaunches(), 4u);
    EXPECT_FALSE(start().firstLaunchDate().isValid());
    storeState(now, 12.0);
    EXPECT_EQ(start().numberOfLaunches(), 0u);
    EXPECT_FALSE(start().firstLaunchDate().isValid());
    storeState("many", now.addDays(-1));
    EXPECT_EQ(start().numberOfLaunches(), 0u);
    EXPECT_EQ(start().firstLaunchDate(), now.addDays(-1));
}

TEST_F(ReviewSolicitation, theNameComesFromTheDisplayNameThenTheBundleNameThenTheProgramFile) {
    EXPECT_EQ(start().applicationName(), "Testpad");
    info.remove("CFBundleDisplayName");
    EXPECT_EQ(start().applicationName(), "testpad-bin");
    info.remove("CFBundleName");
    EXPECT_EQ(start().applicationName(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_EQ(start().applicationAppStoreURL(), kStorePage);
}

TEST(ReviewSolicitationShared, theSharedControllerIsMadeOnceFromTheEnvironmentGivenBeforehand) {
    // The shared controller lives to the end of the program, so must everything it refers to.
    static TempConfig config;
    static UserDefaults defaults(config.preferencesPath());
    static QList<double> delays;
    ZkSolicitReviewController::Environment environment{defaults, Bundle::mainBundle()};
    environment.schedule = [](QObject*, double seconds, std::function<void()>) { delays.append(seconds); };
    ZkSolicitReviewController::setDefaultEnvironment(environment);

    ZkSolicitReviewController& shared = ZkSolicitReviewController::defaultController();
    EXPECT_EQ(&ZkSolicitReviewController::defaultController(), &shared);
    EXPECT_EQ(shared.applicationName(), "Ratepad");
    // The software centre's page of the installed application, which GNOME Software and KDE Discover open.
    EXPECT_EQ(shared.applicationAppStoreURL(), QUrl(QStringLiteral("appstream://" RATEPAD_APP_ID)));

    ZkSolicitReviewController::solicit();
    ZkSolicitReviewController::solicit();
    EXPECT_EQ(defaults.integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 2);
    EXPECT_EQ(delays, QList<double>({2.0, 2.0}));
}
