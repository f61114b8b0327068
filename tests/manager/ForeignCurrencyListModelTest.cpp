#include "ForeignCurrencyListModel.h"

#include "LogCapture.h"
#include "ManagerFixture.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>

namespace {

using ForeignCurrencyListModelTest = ManagerFixture;

TEST_F(ForeignCurrencyListModelTest, followsALongRandomRunOfManagerOperationsRowForRow) {
    CurrencyManager& m = start();
    ForeignCurrencyListModel model(m);
    // The model checker reports through warnings of its own category; any of them fails the test.
    const LogCapture log;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QList<int> changedRows;
    QObject::connect(&model, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& from, const QModelIndex& to) {
                         for (int row = from.row(); row <= to.row(); ++row)
                             changedRows << row;
                     });

    ForeignCurrency::List arrived;
    QObject::connect(&m, &CurrencyManager::exchangeRateWasUpdated, [&](const auto& c) { arrived << c; });
    QRandomGenerator random(20261208);
    const QStringList codes{"USD", "EUR", "GBP", "JPY", "CHF", "XAU", "ZZZ"};
    auto anyCode = [&] { return codes[random.bounded(int(codes.size()))]; };
    auto anyRow = [&] { return qsizetype(random.bounded(int(m.foreignCurrencies().size()))); };
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(step);
        switch (random.bounded(8)) {
        case 0:
            m.insertForeignCurrency(ForeignCurrency::create(anyCode()),
                                    random.bounded(int(m.foreignCurrencies().size()) + 1));
            break;
        case 1:
            m.removeForeignCurrencyAtIndex(anyRow());
            break;
        case 2:
            m.moveForeignCurrency(anyRow(), anyRow());
            break;
        case 3:
            if (random.bounded(6) == 0)
                m.setLocalCurrency(LocalCurrency::create(anyCode())); // a new code rebuilds the list
            else
                m.setForeignCurrency(m.foreignCurrencies().at(anyRow()));
            break;
        case 4:
            m.placeForeignCurrencyAtTop(anyCode());
            break;
        case 5:
            m.editForeignCurrency(m.foreignCurrencies().at(anyRow()), QStringLiteral("Name %1").arg(step),
                                  Decimal(step), step % 2 == 0);
            break;
        default: { // a rate arrival changes the rows of its record, however many, and no other
            changedRows.clear();
            arrived.clear();
            m.updateCurrency(m.foreignCurrencies().at(anyRow()));
            ASSERT_TRUE(waitUntil([&] { return m.activeConnections().isEmpty(); }, 8000));
            QList<int> expected;
            for (int row = 0; row < model.rowCount(); ++row) {
                if (arrived.contains(model.record(row)))
                    expected << row;
            }
            EXPECT_EQ(changedRows, expected);
            break;
        }
        }
        ASSERT_EQ(model.rowCount(), m.foreignCurrencies().size());
        for (int row = 0; row < model.rowCount(); ++row) {
            ASSERT_EQ(model.record(row), m.foreignCurrencies().at(row)) << row;
            ASSERT_EQ(model.isCurrent(row), m.foreignCurrencies().at(row) == m.foreignCurrency());
            ASSERT_EQ(model.data(model.index(row), ForeignCurrencyListModel::RateRole).toString(),
                      m.foreignCurrencies().at(row)->rate()
                          ? m.foreignCurrencies().at(row)->rate()->toString()
                          : QString());
        }
    }
    const QStringList modelWarnings = log.warningsIn("qt.modeltest");
    EXPECT_TRUE(modelWarnings.isEmpty()) << modelWarnings.join('\n').toStdString();
}

} // namespace
