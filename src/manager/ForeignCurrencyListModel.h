#pragma once

#include "ForeignCurrency.h"

#include <QAbstractListModel>
#include <memory>

class CurrencyManager;

// The manager's foreign list as rows, one per entry, kept up to date by the manager's signals alone:
// an insertion, removal or move becomes that row change, a rebuilt list a reset, and a record's new
// name, rate or date (or a new current currency) a change of its rows only. The model keeps its own
// copy of the order, so that views asking between the "about to" and the "done" signals of a change
// are answered from the old one.
class ForeignCurrencyListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForeignCurrencyListModel)

public:
    enum Role {
        CurrencyCodeRole = Qt::UserRole + 1,
        LabelRole,
        RateRole,       // the rate as exact decimal text; absent without a rate
        LastUpdateRole, // absent (invalid) when never downloaded
        IsCurrentRole,  // whether the row's record is the current foreign currency
        UserRateRole,   // whether the rate is the user's own (typed, or kept)
        KeepsRateRole   // whether downloads leave the rate alone
    };

    // The manager must outlive the model.
    explicit ForeignCurrencyListModel(CurrencyManager& manager, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Null outside the rows.
    std::shared_ptr<ForeignCurrency> record(int row) const;
    bool isCurrent(int row) const;

private:
    void recordChanged(const std::shared_ptr<ForeignCurrency>& record, const QList<int>& roles);
    void currentChanged();

    CurrencyManager& m_manager;
    ForeignCurrency::List m_rows;
    std::shared_ptr<ForeignCurrency> m_current;
};
