#pragma once

#include <QDebug>
#include <compare>

// The place of one row in a table: its section and its row within that section. Ordered by section,
// then row, which is the order rows appear on screen.
class IndexPath final {
public:
    constexpr IndexPath() = default;
    constexpr IndexPath(int section, int row) : m_section(section), m_row(row) {}

    // Row first, as the phone toolkit spells it, so that screen code reads like its model.
    static constexpr IndexPath forRow(int row, int section) { return IndexPath(section, row); }

    constexpr int section() const { return m_section; }
    constexpr int row() const { return m_row; }

    constexpr auto operator<=>(const IndexPath&) const = default;

private:
    int m_section = 0; // declared first: the defaulted ordering compares members in this order
    int m_row = 0;
};

QDebug operator<<(QDebug debug, const IndexPath& indexPath);
