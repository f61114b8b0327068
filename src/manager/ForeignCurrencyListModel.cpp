#include "ForeignCurrencyListModel.h"

#include "CurrencyManager.h"

ForeignCurrencyListModel::ForeignCurrencyListModel(CurrencyManager& manager, QObject* parent)
    : QAbstractListModel(parent), m_manager(manager), m_rows(manager.foreignCurrencies()),
      m_current(manager.foreignCurrency()) {
    connect(&manager, &CurrencyManager::foreignCurrencyInserted, this, [this](qsizetype index) {
        beginInsertRows(QModelIndex(), int(index), int(index));
        m_rows.insert(index, m_manager.foreignCurrencies().at(index));
        endInsertRows();
    });
    connect(&manager, &CurrencyManager::foreignCurrencyRemoved, this, [this](qsizetype index) {
        beginRemoveRows(QModelIndex(), int(index), int(index));
        m_rows.removeAt(index);
        endRemoveRows();
    });
    connect(&manager, &CurrencyManager::foreignCurrencyMoved, this, [this](qsizetype from, qsizetype to) {
        // Qt counts the destination before the move: one further down when moving down.
        beginMoveRows(QModelIndex(), int(from), int(from), QModelIndex(), int(to > from ? to + 1 : to));
        m_rows.move(from, to);
        endMoveRows();
    });
    connect(&manager, &CurrencyManager::foreignCurrenciesChanged, this, [this] {
        beginResetModel();
        m_rows = m_manager.foreignCurrencies();
        m_current = m_manager.foreignCurrency();
        endResetModel();
    });
    connect(&manager, &CurrencyManager::foreignCurrencyDataChanged, this,
            [this](const std::shared_ptr<ForeignCurrency>& record) {
                recordChanged(record, {Qt::DisplayRole, LabelRole, RateRole, LastUpdateRole, UserRateRole,
                                       KeepsRateRole});
            });
    connect(&manager, &CurrencyManager::foreignCurrencyChanged, this,
            &ForeignCurrencyListModel::currentChanged);
}

int ForeignCurrencyListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

std::shared_ptr<ForeignCurrency> ForeignCurrencyListModel::record(int row) const {
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : nullptr;
}

bool ForeignCurrencyListModel::isCurrent(int row) const {
    const auto found = record(row);
    return found && found == m_current;
}

QVariant ForeignCurrencyListModel::data(const QModelIndex& index, int role) const {
    const auto found = index.isValid() && !index.parent().isValid() ? record(index.row()) : nullptr;
    if (!found)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case CurrencyCodeRole:
        return found->currencyCode();
    case LabelRole:
        return found->label();
    case RateRole:
        return found->rate() ? QVariant(found->rate()->toString()) : QVariant();
    case LastUpdateRole:
        return found->lastUpdate();
    case IsCurrentRole:
        return found == m_current;
    case UserRateRole:
        return found->showsUserRate();
    case KeepsRateRole:
        return found->keepsRate();
    default:
        return {};
    }
}

QHash<int, QByteArray> ForeignCurrencyListModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(CurrencyCodeRole, "currencyCode");
    names.insert(LabelRole, "label");
    names.insert(RateRole, "exchangeRate");
    names.insert(LastUpdateRole, "lastUpdate");
    names.insert(IsCurrentRole, "isCurrent");
    names.insert(UserRateRole, "userRate");
    names.insert(KeepsRateRole, "keepsRate");
    return names;
}

// Every row of the record: a list may hold one record more than once.
void ForeignCurrencyListModel::recordChanged(const std::shared_ptr<ForeignCurrency>& record,
                                             const QList<int>& roles) {
    if (!record)
        return;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row) == record)
            emit dataChanged(index(row), index(row), roles);
    }
}

void ForeignCurrencyListModel::currentChanged() {
    const auto previous = std::exchange(m_current, m_manager.foreignCurrency());
    if (previous == m_current)
        return;
    recordChanged(previous, {IsCurrentRole});
    recordChanged(m_current, {IsCurrentRole});
}
