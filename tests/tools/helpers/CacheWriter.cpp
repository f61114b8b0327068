// Rewrites one cache file as fast as it can, alternating two snapshots, until it is killed; says
// "ready" once the first is on disk. The store's atomic replacement is tested by killing it.
#include "SnapshotStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const SnapshotStore store(QString::fromLocal8Bit(argv[1]));
    RateSnapshot snapshot{QStringLiteral("CURRENCYAPI"), QDate(2026, 12, 8), {},
                          QStringLiteral("EUR"),         "\"e1\"",           {}};
    for (int i = 0; i < 400; ++i)
        snapshot.perBase.insert(QStringLiteral("C%1").arg(i), 1 + i / 7.0);
    for (long n = 0;; ++n) {
        snapshot.date = QDate(2026, 12, 8).addDays(n % 2);
        if (!store.save(snapshot))
            return 1;
        if (n == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
