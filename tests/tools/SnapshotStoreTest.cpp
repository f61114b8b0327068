#include "SnapshotStore.h"

#include "LogCapture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST(SnapshotStoreTest, saveAndLoad_keepEveryDigitAndValidator) {
    QTemporaryDir dir;
    const SnapshotStore store(dir.path() + "/new/sub"); // created on first save
    const RateSnapshot snapshot{"ECB", QDate(2026, 12, 7), {{"EUR", 1}, {"USD", 0.1 + 0.2}, {"XAU", 1e-12}},
                                "EUR", "W/\"6a1-x\"",      "Mon, 07 Dec 2026 15:00:00 GMT"};
    ASSERT_TRUE(store.save(snapshot));
    EXPECT_EQ(store.load("ECB"), snapshot);
    EXPECT_EQ(store.load("CURRENCYAPI"), std::nullopt); // no file: nothing, no warning
}

TEST(SnapshotStoreTest, load_setsACorruptFileAside) {
    QTemporaryDir dir;
    const SnapshotStore store(dir.path());
    const RateSnapshot good{"ECB", QDate(2026, 12, 7), {{"EUR", 1}, {"USD", 1.16}}, "EUR", {}, {}};
    const QByteArray saved = SnapshotStore::serialize(good);
    const QByteArray corrupt[] = {
        "",
        QByteArray("\0\0\0\0", 4),
        saved.left(saved.size() / 2),
        QByteArray(saved).replace("1.16", "\"1.16\""),
        QByteArray(saved).replace("\"ECB\"", "\"CURRENCYAPI\""),
        QByteArray(saved).replace("2026-12-07", "soon"),
    };
    for (const QByteArray& bytes : corrupt) {
        QFile file(store.path("ECB"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const LogCapture log;
        EXPECT_EQ(store.load("ECB"), std::nullopt) << bytes.toStdString();
        EXPECT_FALSE(QFile::exists(store.path("ECB")));
        QFile aside(store.path("ECB") + ".corrupt");
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), bytes);
        EXPECT_EQ(log.warningsIn("ratepad.rateserver.upstream").size(), 1);
    }
}

TEST(SnapshotStoreTest, killedWhileWriting_leavesAWholeFile) {
    QTemporaryDir dir;
    const SnapshotStore store(dir.path());
    for (int round = 0; round < 10; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(RATEPAD_CACHE_WRITER), {dir.path()});
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
        writer.kill(); // SIGKILL
        ASSERT_TRUE(writer.waitForFinished(10000));
        const std::optional<RateSnapshot> loaded = store.load("CURRENCYAPI");
        ASSERT_TRUE(loaded) << "round " << round;
        EXPECT_EQ(loaded->perBase.size(), 400);
        EXPECT_EQ(loaded->etag, "\"e1\"");
    }
    // What a killed write leaves is QSaveFile's temporary, never the file itself.
    EXPECT_FALSE(QFile::exists(store.path("CURRENCYAPI") + ".corrupt"));
}

} // namespace
