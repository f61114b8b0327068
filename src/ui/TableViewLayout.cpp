#include "TableView.h"
#include "Theme.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <set>

// Where sections, titles and rows go, placing the cells there, and drawing the section titles.

namespace {

constexpr int kGroupInset = 10;     // grouped sections keep this distance from the edges
constexpr int kGroupGap = 10;       // above and below a grouped section without titles
constexpr int kGroupTitleInset = 9; // titles start this far inside the group
constexpr int kPlainTitleInset = 12;
constexpr int kPlainTitleHeight = 22;

QColor groupTitleColor() {
    return QColor(0x4c, 0x56, 0x6c);
}

QFont groupHeaderFont() {
    return Theme::boldSystemFont(17);
}

QFont groupFooterFont() {
    return Theme::systemFont(15);
}

QFont plainTitleFont() {
    return Theme::boldSystemFont(15);
}

int textHeight(const QFont& font, int width, const QString& text) {
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(1, width), 100000), Qt::TextWordWrap, text)
        .height();
}

QRect interpolate(const QRect& from, const QRect& to, qreal t) {
    auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QRect(mix(from.x(), to.x()), mix(from.y(), to.y()), mix(from.width(), to.width()),
                 mix(from.height(), to.height()));
}

} // namespace

int TableView::indexWidth() const {
    return m_sectionIndex.width();
}

int TableView::rowsLeft() const {
    return m_style == Style::Grouped ? kGroupInset : 0;
}

int TableView::rowsWidth() const {
    const int available = viewport()->width() - indexWidth();
    return std::max(0, m_style == Style::Grouped ? available - 2 * kGroupInset : available);
}

int TableView::headerHeight(int section) const {
    const QString& title = m_data[std::size_t(section)].header;
    if (m_style == Style::Plain)
        return title.isEmpty() ? 0 : kPlainTitleHeight;
    if (title.isEmpty())
        return kGroupGap;
    return kGroupGap + textHeight(groupHeaderFont(), rowsWidth() - 2 * kGroupTitleInset, title) + 8;
}

int TableView::footerHeight(int section) const {
    const QString& title = m_data[std::size_t(section)].footer;
    if (m_style == Style::Plain)
        return title.isEmpty() ? 0 : kPlainTitleHeight;
    if (title.isEmpty())
        return kGroupGap;
    return 6 + textHeight(groupFooterFont(), rowsWidth() - 2 * kGroupTitleInset, title) + kGroupGap;
}

// Lays the sections out, optionally with the row `removed` taken out and put back at `insertedAt`.
std::vector<TableView::SectionGeometry>
TableView::buildGeometry(const std::optional<IndexPath>& removed,
                         const std::optional<IndexPath>& insertedAt) const {
    std::vector<SectionGeometry> sections(m_data.size());
    for (std::size_t s = 0; s < m_data.size(); ++s) {
        const int count = int(m_data[s].rowHeights.size());
        sections[s].rows.reserve(std::size_t(count) + 1);
        for (int r = 0; r < count; ++r) {
            const IndexPath path(int(s), r);
            if (path != removed)
                sections[s].rows.push_back(path);
        }
    }
    if (removed && insertedAt && std::size_t(insertedAt->section()) < sections.size()) {
        auto& rows = sections[std::size_t(insertedAt->section())].rows;
        const auto at = std::clamp(insertedAt->row(), 0, int(rows.size()));
        rows.insert(rows.begin() + at, *removed);
    }
    int y = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        SectionGeometry& g = sections[s];
        g.top = y;
        g.headerHeight = headerHeight(int(s));
        y += g.headerHeight;
        g.rowTops.reserve(g.rows.size() + 1);
        g.rowTops.push_back(y);
        for (const IndexPath& row : g.rows) {
            y += m_data[std::size_t(row.section())].rowHeights[std::size_t(row.row())];
            g.rowTops.push_back(y);
        }
        g.footerHeight = footerHeight(int(s));
        y += g.footerHeight;
    }
    return sections;
}

void TableView::updateGeometry() {
    m_geometry =
        m_drag ? buildGeometry(m_drag->from, m_drag->target) : buildGeometry(std::nullopt, std::nullopt);
    m_contentHeight = m_geometry.empty() ? 0 : m_geometry.back().bottom();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, m_contentHeight - viewport()->height()));
    viewport()->update();
}

int TableView::scrollOffset() const {
    return verticalScrollBar()->value();
}

bool TableView::isValid(const IndexPath& indexPath) const {
    return indexPath.section() >= 0 && std::size_t(indexPath.section()) < m_data.size() &&
           indexPath.row() >= 0 &&
           std::size_t(indexPath.row()) < m_data[std::size_t(indexPath.section())].rowHeights.size();
}

std::optional<IndexPath> TableView::slotForRow(const IndexPath& source) const {
    if (!isValid(source) || m_geometry.size() != m_data.size())
        return std::nullopt;
    if (!m_drag)
        return source;
    for (std::size_t s = 0; s < m_geometry.size(); ++s) {
        const auto& rows = m_geometry[s].rows;
        const auto it = std::find(rows.begin(), rows.end(), source);
        if (it != rows.end())
            return IndexPath(int(s), int(it - rows.begin()));
    }
    return std::nullopt;
}

QRect TableView::contentRectForRow(const IndexPath& source) const {
    const auto slot = slotForRow(source);
    if (!slot)
        return {};
    const SectionGeometry& g = m_geometry[std::size_t(slot->section())];
    const int top = g.rowTops[std::size_t(slot->row())];
    return QRect(rowsLeft(), top, rowsWidth(), g.rowTops[std::size_t(slot->row()) + 1] - top);
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(const QPoint& point) const {
    if (point.x() < rowsLeft() || point.x() >= rowsLeft() + rowsWidth())
        return std::nullopt;
    const int y = point.y() + scrollOffset();
    for (const SectionGeometry& g : m_geometry) {
        if (y < g.rowsTop() || y >= g.rowsBottom())
            continue;
        const auto next = std::upper_bound(g.rowTops.begin(), g.rowTops.end(), y);
        return g.rows[std::size_t(next - g.rowTops.begin()) - 1];
    }
    return std::nullopt;
}

QList<TableViewCell*> TableView::visibleCells() const {
    QList<TableViewCell*> cells;
    for (const auto& [path, cell] : m_cells) {
        if (cell && cell->isVisibleTo(viewport()))
            cells.append(cell);
    }
    return cells;
}

QRect TableView::rectForRowAtIndexPath(const IndexPath& indexPath) const {
    const QRect rect = contentRectForRow(indexPath);
    return rect.isNull() ? rect : rect.translated(0, -scrollOffset());
}

QRect TableView::rectForHeaderInSection(int section) const {
    if (section < 0 || std::size_t(section) >= m_geometry.size())
        return {};
    const SectionGeometry& g = m_geometry[std::size_t(section)];
    return QRect(0, g.top - scrollOffset(), viewport()->width() - indexWidth(), g.headerHeight);
}

QRect TableView::rectForFooterInSection(int section) const {
    if (section < 0 || std::size_t(section) >= m_geometry.size())
        return {};
    const SectionGeometry& g = m_geometry[std::size_t(section)];
    return QRect(0, g.rowsBottom() - scrollOffset(), viewport()->width() - indexWidth(), g.footerHeight);
}

void TableView::scrollToRowAtIndexPath(const IndexPath& indexPath, ScrollPosition scrollPosition) {
    ensureLoaded();
    const QRect rect = contentRectForRow(indexPath);
    if (rect.isNull())
        return;
    const int height = viewport()->height();
    int value = scrollOffset();
    switch (scrollPosition) {
    case ScrollPosition::Top:
        value = rect.top();
        break;
    case ScrollPosition::Middle:
        value = rect.center().y() - height / 2;
        break;
    case ScrollPosition::Bottom:
        value = rect.bottom() + 1 - height;
        break;
    case ScrollPosition::None:
        if (rect.top() < value)
            value = rect.top();
        else if (rect.bottom() + 1 > value + height)
            value = rect.bottom() + 1 - height;
        break;
    }
    verticalScrollBar()->setValue(value);
}

void TableView::layoutCells() {
    if (!m_loaded)
        return;
    const int top = scrollOffset();
    const int bottom = top + viewport()->height();
    std::vector<VisibleRow> wanted;
    for (std::size_t s = 0; s < m_geometry.size(); ++s) {
        const SectionGeometry& g = m_geometry[s];
        if (g.rows.empty() || g.rowsBottom() <= top || g.rowsTop() >= bottom)
            continue;
        auto first = std::upper_bound(g.rowTops.begin(), g.rowTops.end(), top) - g.rowTops.begin() - 1;
        for (auto r = std::max<std::ptrdiff_t>(first, 0);
             std::size_t(r) < g.rows.size() && g.rowTops[std::size_t(r)] < bottom; ++r) {
            const int rowTop = g.rowTops[std::size_t(r)];
            wanted.push_back(
                {g.rows[std::size_t(r)], IndexPath(int(s), int(r)),
                 QRect(rowsLeft(), rowTop, rowsWidth(), g.rowTops[std::size_t(r) + 1] - rowTop)});
        }
    }

    const TableViewCell* dragged = m_drag ? m_drag->cell.data() : nullptr;
    std::set<IndexPath> wantedPaths;
    for (const VisibleRow& row : wanted)
        wantedPaths.insert(row.source);
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if (!it->second) {
            it = m_cells.erase(it);
        } else if (!wantedPaths.count(it->first) && it->second != dragged) {
            enqueueCell(it->second, true);
            it = m_cells.erase(it);
        } else {
            ++it;
        }
    }

    for (const VisibleRow& row : wanted) {
        if (m_drag && row.source == m_drag->from)
            continue;
        TableViewCell* cell = cellForRowAtIndexPath(row.source);
        if (!cell && m_dataSource)
            cell = obtainCell(row.source);
        if (cell)
            placeCell(cell, row.slot, row.rect);
    }
    if (m_drag && m_drag->cell) {
        if (const auto slot = slotForRow(m_drag->from)) {
            QRect rect = contentRectForRow(m_drag->from);
            rect.moveTop(m_drag->cellTop);
            placeCell(m_drag->cell, *slot, rect);
            m_drag->cell->raise();
        }
    }
}

void TableView::placeCell(TableViewCell* cell, const IndexPath& slot, const QRect& contentRect) {
    QRect rect = contentRect;
    if (m_layoutAnimation->state() == QAbstractAnimation::Running) {
        const auto start = m_animationStart.find(cell);
        if (start != m_animationStart.end())
            rect = interpolate(start->second, contentRect, m_layoutAnimation->currentValue().toReal());
    }
    rect.translate(0, -scrollOffset());

    auto position = TableViewCell::GroupPosition::Plain;
    if (m_style == Style::Grouped) {
        const std::size_t count = m_geometry[std::size_t(slot.section())].rows.size();
        const std::size_t row = std::size_t(slot.row());
        position = count == 1         ? TableViewCell::GroupPosition::Single
                   : row == 0         ? TableViewCell::GroupPosition::Top
                   : row + 1 == count ? TableViewCell::GroupPosition::Bottom
                                      : TableViewCell::GroupPosition::Middle;
    }
    cell->setGroupPosition(position);
    if (cell->geometry() != rect) {
        cell->setGeometry(rect);
        cell->layoutSubviews();
    }
    if (cell->isHidden())
        cell->show();
}

// Takes the cells' present places, also half-way through an earlier animation, as the start.
void TableView::animateLayoutChange(int durationMs) {
    const int scroll = scrollOffset();
    m_animationStart.clear();
    for (const auto& [path, cell] : m_cells) {
        if (cell && !cell->isHidden() && (!m_drag || cell != m_drag->cell))
            m_animationStart[cell.data()] = cell->geometry().translated(0, scroll);
    }
    m_layoutAnimation->stop();
    m_layoutAnimation->setDuration(durationMs);
    m_layoutAnimation->start();
}

QStringList TableView::elidedSectionTitles() const {
    QStringList cut;
    if (m_style != Style::Plain)
        return cut;
    const QFontMetrics metrics(plainTitleFont());
    const int available = viewport()->width() - 2 * kPlainTitleInset - indexWidth();
    for (const SectionData& data : m_data)
        for (const QString& title : {data.header, data.footer})
            if (metrics.elidedText(title, Qt::ElideRight, available) != title)
                cut << title;
    return cut;
}

void TableView::paintSectionTitles(QPainter& painter, const SectionGeometry& g, int section) const {
    const SectionData& data = m_data[std::size_t(section)];
    const int scroll = scrollOffset();
    if (m_style == Style::Plain) {
        auto bar = [&](int top, const QString& title) {
            const QRect rect(0, top - scroll, viewport()->width(), kPlainTitleHeight);
            QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
            gradient.setColorAt(0, QColor(0xe4, 0xe7, 0xeb));
            gradient.setColorAt(1, QColor(0xd6, 0xda, 0xe0));
            painter.fillRect(rect, gradient);
            painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), Theme::separatorColor());
            painter.setPen(groupTitleColor());
            painter.setFont(plainTitleFont());
            const QRect text = rect.adjusted(kPlainTitleInset, 0, -kPlainTitleInset - indexWidth(), 0);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(title, Qt::ElideRight, text.width()));
        };
        if (!data.header.isEmpty())
            bar(g.top, data.header);
        if (!data.footer.isEmpty())
            bar(g.rowsBottom(), data.footer);
        return;
    }
    auto title = [&](const QRect& rect, const QString& text, const QFont& font, int alignment) {
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255, 200)); // engraved look: a light copy one point lower
        painter.drawText(rect.translated(0, 1), alignment | Qt::TextWordWrap, text);
        painter.setPen(groupTitleColor());
        painter.drawText(rect, alignment | Qt::TextWordWrap, text);
    };
    const int left = rowsLeft() + kGroupTitleInset;
    const int width = rowsWidth() - 2 * kGroupTitleInset;
    if (!data.header.isEmpty())
        title(QRect(left, g.top + kGroupGap - scroll, width, g.headerHeight - kGroupGap - 8), data.header,
              groupHeaderFont(), Qt::AlignLeft | Qt::AlignBottom);
    if (!data.footer.isEmpty())
        title(QRect(left, g.rowsBottom() + 6 - scroll, width, g.footerHeight - 6 - kGroupGap), data.footer,
              groupFooterFont(), Qt::AlignHCenter | Qt::AlignTop);
}
