#include "UserDefaults.h"

#include "PropertyList.h"
#include "TempConfig.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

void writeText(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(UserDefaults, pathFollowsXdgConfigHome) {
    TempConfig config;
    EXPECT_EQ(UserDefaults::defaultPath(), config.preferencesPath());
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserDefaults::defaultPath(), QDir::homePath() + "/.config/ratepad/preferences.plist");
}

TEST(UserDefaults, userValuesOverRegisteredDefaultsAndRemovalUncoversThem) {
    TempConfig config;
    UserDefaults store(config.preferencesPath());
    store.registerDefaults({{"flag", true}, {"count", 3}});
    EXPECT_TRUE(store.boolForKey("flag"));
    store.setBool("flag", false);
    EXPECT_FALSE(store.boolForKey("flag"));
    store.removeObject("flag");
    EXPECT_TRUE(store.boolForKey("flag"));
    // Reading a default never makes it a user value.
    ASSERT_TRUE(store.synchronize());
    UserDefaults reopened(config.preferencesPath());
    EXPECT_FALSE(reopened.objectForKey("count").isValid());
}

TEST(UserDefaults, typedReadsConvertNumbersAndTextsAndRefuseTheRest) {
    TempConfig config;
    UserDefaults store(config.preferencesPath());
    store.setObject("yes", "YES");
    store.setObject("true", "true");
    store.setObject("twelve", "12abc");
    store.setObject("real", 2.75);
    store.setObject("date", QDateTime::currentDateTimeUtc());
    store.setObject("list", QVariantList{1, 2});
    store.setObject("map", QVariantMap{{"a", 1}});
    store.setObject("big", QVariant::fromValue<qint64>(9007199254740993LL));

    EXPECT_TRUE(store.boolForKey("yes"));
    EXPECT_TRUE(store.boolForKey("true"));
    EXPECT_TRUE(store.boolForKey("twelve"));
    EXPECT_TRUE(store.boolForKey("real"));
    EXPECT_FALSE(store.boolForKey("date"));
    EXPECT_FALSE(store.boolForKey("missing"));
    EXPECT_EQ(store.integerForKey("twelve"), 12);
    EXPECT_EQ(store.integerForKey("real"), 2);
    EXPECT_EQ(store.integerForKey("yes"), 1);
    EXPECT_EQ(store.integerForKey("big"), 9007199254740993LL);
    EXPECT_EQ(store.integerForKey("list"), 0);
    EXPECT_DOUBLE_EQ(store.doubleForKey("real"), 2.75);
    EXPECT_DOUBLE_EQ(store.doubleForKey("date"), 0.0);
    EXPECT_DOUBLE_EQ(store.doubleForKey("map"), 0.0);

    EXPECT_FALSE(store.dictionaryForKey("list"));
    EXPECT_FALSE(store.arrayForKey("map"));
    EXPECT_FALSE(store.arrayForKey("yes"));
    ASSERT_TRUE(store.dictionaryForKey("map"));
    EXPECT_EQ(store.arrayForKey("list")->size(), 2);
}

TEST(UserDefaults, persistsTheUserValuesAtomicallyAndReadsThemBack) {
    TempConfig config;
    // XML property lists keep dates to the second.
    const QDateTime when(QDate(2026, 12, 7), QTime(10, 30, 15), QTimeZone::utc());
    {
        UserDefaults store(config.preferencesPath());
        store.registerDefaults({{"registered", 1}});
        store.setObject("list", QVariantList{QVariantMap{{"code", "EUR"}, {"when", when}}, 0.1});
        store.setDouble("real", 1.0 / 3.0);
    } // written on destruction
    UserDefaults reopened(config.preferencesPath());
    const QVariantList list = *reopened.arrayForKey("list");
    EXPECT_EQ(list[0].toMap()["code"].toString(), "EUR");
    EXPECT_EQ(list[0].toMap()["when"].toDateTime(), when);
    EXPECT_EQ(list[1].toDouble(), 0.1);
    EXPECT_EQ(reopened.doubleForKey("real"), 1.0 / 3.0);
    EXPECT_FALSE(reopened.objectForKey("registered").isValid());
    // No temporary file is left beside the store.
    EXPECT_EQ(QDir(QFileInfo(config.preferencesPath()).path()).entryList(QDir::Files).size(), 1);
}

TEST(UserDefaults, unreadableFileIsKeptAsideAndTheStoreStartsEmpty) {
    for (const QByteArray& bad :
         {QByteArray("<?xml version=\"1.0\"?><plist><dict><key>a</key>"),
          QByteArray("\x00\x01garbage\xff", 10),
          QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><string>x</string></plist>")}) {
        TempConfig config;
        writeText(config.preferencesPath(), bad);
        UserDefaults store(config.preferencesPath());
        store.registerDefaults({{"flag", true}});
        EXPECT_TRUE(store.boolForKey("flag"));
        ASSERT_FALSE(store.setAsideFile().isEmpty());
        EXPECT_FALSE(QFile::exists(config.preferencesPath()));
        EXPECT_TRUE(store.setAsideFile().startsWith(config.preferencesPath() + ".corrupt-"));
        QFile aside(store.setAsideFile());
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), bad) << "the unreadable file must be kept as it was";
        store.setBool("flag", false);
        EXPECT_TRUE(store.synchronize());
        EXPECT_FALSE(UserDefaults(config.preferencesPath()).boolForKey("flag"));
    }
}

TEST(UserDefaults, aFailedWriteIsReportedAndKeepsTheValues) {
    TempConfig config;
    writeText(config.path() + "/blocker", "a file where a folder should be");
    UserDefaults store(config.path() + "/blocker/preferences.plist");
    store.setBool("flag", true);
    EXPECT_FALSE(store.synchronize());
    EXPECT_TRUE(store.boolForKey("flag"));
}
