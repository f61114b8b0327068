#include "TableView.h"

#include "LogCategories.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "Theme.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr int kGroupInset = 10;     // grouped sections keep this distance from the edges
constexpr int kGroupGap = 10;       // above and below a grouped section without titles
constexpr int kGroupTitleInset = 9; // titles start this far inside the group
constexpr int kPlainTitleInset = 12;
constexpr int kPlainTitleHeight = 22;
constexpr int kIndexWidth = 30;
constexpr int kIndexMargin = 6;
constexpr qreal kIndexMaxSlot = 16.0;
constexpr int kMaxPooledCells = 64; // per identifier; beyond this the data source is not reusing
constexpr int kDeleteSlideMs = 250;
constexpr int kReorderSlideMs = 150;
constexpr int kScrollStep = 20;

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

TableView::TableView(Style style, QWidget* parent)
    : QAbstractScrollArea(parent), m_style(style), m_rowHeight(Theme::rowHeight) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    // Phone-style: no scroll bars; the wheel, dragging the rows, the keys and the index scroll.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(kScrollStep);

    m_layoutAnimation = new QVariantAnimation(this);
    m_layoutAnimation->setStartValue(0.0);
    m_layoutAnimation->setEndValue(1.0);
    m_layoutAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_layoutAnimation, &QVariantAnimation::valueChanged, this, [this] { layoutCells(); });
    connect(m_layoutAnimation, &QVariantAnimation::finished, this, [this] {
        m_animationStart.clear();
        layoutCells();
    });
}

TableView::~TableView() {
    if (m_confirming && qApp)
        qApp->removeEventFilter(this);
}

void TableView::setDataSource(TableViewDataSource* dataSource) {
    m_dataSource = dataSource;
    m_loaded = false;
    if (isVisible())
        reloadData();
}

void TableView::setDelegate(TableViewDelegate* delegate) {
    m_delegate = delegate;
    m_loaded = false;
    if (isVisible())
        reloadData();
}

void TableView::setRowHeight(int height) {
    m_rowHeight = std::max(0, height);
    if (m_loaded)
        reloadData();
}

// ---- Loading and geometry --------------------------------------------------------------------------

void TableView::ensureLoaded() {
    if (!m_loaded)
        reloadData();
}

void TableView::reloadData() {
    m_loaded = true;
    hideDeleteConfirmation();
    cancelPress();
    m_drag.reset();
    m_layoutAnimation->stop();
    m_animationStart.clear();
    m_selected.reset();
    // Last row first, so that rows that did not change get their own cells back.
    for (auto it = m_cells.rbegin(); it != m_cells.rend(); ++it) {
        if (it->second)
            enqueueCell(it->second, false);
    }
    m_cells.clear();
    loadData();
    updateGeometry();
    layoutCells();
}

void TableView::loadData() {
    m_data.clear();
    m_indexTitles.clear();
    if (!m_dataSource)
        return;
    const int sections = std::max(0, m_dataSource->numberOfSections(this));
    m_data.resize(std::size_t(sections));
    for (int s = 0; s < sections; ++s) {
        SectionData& data = m_data[std::size_t(s)];
        data.header = m_dataSource->titleForHeaderInSection(this, s);
        data.footer = m_dataSource->titleForFooterInSection(this, s);
        const int rows = std::max(0, m_dataSource->numberOfRowsInSection(this, s));
        data.rowHeights.reserve(std::size_t(rows));
        for (int r = 0; r < rows; ++r) {
            const int height =
                m_delegate ? m_delegate->heightForRowAtIndexPath(this, IndexPath(s, r)) : m_rowHeight;
            data.rowHeights.push_back(std::max(0, height));
        }
    }
    m_indexTitles = m_dataSource->sectionIndexTitles(this);
}

int TableView::indexWidth() const {
    return m_indexTitles.isEmpty() ? 0 : kIndexWidth;
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

// ---- Queries ----------------------------------------------------------------------------------------

QString TableView::footerTitleInSection(int section) const {
    return section >= 0 && std::size_t(section) < m_data.size() ? m_data[std::size_t(section)].footer
                                                                : QString();
}

int TableView::numberOfSections() const {
    return int(m_data.size());
}

int TableView::numberOfRowsInSection(int section) const {
    if (section < 0 || std::size_t(section) >= m_data.size())
        return 0;
    return int(m_data[std::size_t(section)].rowHeights.size());
}

TableViewCell* TableView::cellForRowAtIndexPath(const IndexPath& indexPath) const {
    const auto it = m_cells.find(indexPath);
    return it == m_cells.end() ? nullptr : it->second.data();
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell* cell) const {
    for (const auto& [path, shown] : m_cells) {
        if (shown && shown == cell)
            return path;
    }
    return std::nullopt;
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

// ---- Cells ------------------------------------------------------------------------------------------

std::unique_ptr<TableViewCell> TableView::dequeueReusableCellWithIdentifier(const QString& identifier) {
    auto found = m_reusePool.find(identifier);
    if (found == m_reusePool.end())
        return nullptr;
    while (!found->isEmpty()) {
        if (QPointer<TableViewCell> cell = found->takeLast())
            return std::unique_ptr<TableViewCell>(cell.data());
    }
    return nullptr;
}

TableViewCell* TableView::obtainCell(const IndexPath& indexPath) {
    std::unique_ptr<TableViewCell> made = m_dataSource->cellForRowAtIndexPath(this, indexPath);
    if (!made) {
        qCWarning(lcUi, "TableView: the data source gave no cell for row %d of section %d", indexPath.row(),
                  indexPath.section());
        made = std::make_unique<TableViewCell>(QString());
    }
    made->setParent(viewport());
    TableViewCell* cell = made.release(); // the viewport owns it from here
    m_cells[indexPath] = cell;
    configureCell(cell, indexPath, false);
    return cell;
}

void TableView::enqueueCell(TableViewCell* cell, bool resetSelection) {
    cell->hide();
    if (resetSelection)
        cell->setSelected(false);
    cell->setShowingDeleteConfirmation(false);
    auto& pool = m_reusePool[cell->reuseIdentifier()];
    if (pool.size() >= kMaxPooledCells) {
        cell->deleteLater(); // not now: the cell may be delivering the event that got us here
        return;
    }
    pool.append(cell);
}

void TableView::configureCell(TableViewCell* cell, const IndexPath& indexPath, bool animated) {
    cell->setAccessoryOverride(m_delegate ? m_delegate->accessoryTypeForRowWithIndexPath(this, indexPath)
                                          : std::nullopt);
    const bool editable = m_editing && m_dataSource && m_dataSource->canEditRowAtIndexPath(this, indexPath);
    const auto editingStyle = !editable    ? TableViewCell::EditingStyle::None
                              : m_delegate ? m_delegate->editingStyleForRowAtIndexPath(this, indexPath)
                                           : TableViewCell::EditingStyle::Delete;
    const bool movable = editable && m_dataSource->canMoveRowAtIndexPath(this, indexPath);
    cell->setEditing(m_editing, editingStyle == TableViewCell::EditingStyle::Delete, movable, animated);
    cell->setShowingDeleteConfirmation(m_confirming == indexPath);
    const bool selected = m_selected == indexPath;
    if (cell->isSelected() != selected)
        cell->setSelected(selected);
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

// ---- Selection --------------------------------------------------------------------------------------

void TableView::selectRowAtIndexPath(const IndexPath& indexPath, ScrollPosition scrollPosition) {
    ensureLoaded();
    if (!isValid(indexPath))
        return;
    if (m_selected && *m_selected != indexPath) {
        if (TableViewCell* previous = cellForRowAtIndexPath(*m_selected))
            previous->setSelected(false);
    }
    m_selected = indexPath;
    m_cursor = indexPath;
    if (scrollPosition != ScrollPosition::None)
        scrollToRowAtIndexPath(indexPath, scrollPosition);
    if (TableViewCell* cell = cellForRowAtIndexPath(indexPath))
        cell->setSelected(true);
}

void TableView::deselectRowAtIndexPath(const IndexPath& indexPath, bool animated) {
    if (m_selected == indexPath)
        m_selected.reset();
    if (TableViewCell* cell = cellForRowAtIndexPath(indexPath))
        cell->setSelected(false, animated);
}

// A row chosen by the user (a tap or the keyboard): the delegate may refuse it or pick another.
void TableView::userSelectRow(const IndexPath& indexPath) {
    std::optional<IndexPath> target = indexPath;
    if (m_delegate)
        target = m_delegate->willSelectRowAtIndexPath(this, indexPath);
    if (target && !isValid(*target))
        target.reset();
    if (target != indexPath)
        unhighlightUnlessSelected(indexPath);
    if (!target)
        return;
    selectRowAtIndexPath(*target);
    if (m_delegate)
        m_delegate->didSelectRowAtIndexPath(this, *target);
}

void TableView::unhighlightUnlessSelected(const IndexPath& indexPath) {
    TableViewCell* cell = cellForRowAtIndexPath(indexPath);
    // A fading cell was deselected on purpose; let it finish.
    if (cell && m_selected != indexPath && !cell->isFading())
        cell->setHighlighted(false);
}

void TableView::cancelPress() {
    if (m_pressed)
        unhighlightUnlessSelected(*m_pressed);
    m_pressed.reset();
}

std::optional<IndexPath> TableView::neighbourRow(const std::optional<IndexPath>& from, int step) const {
    int section = 0;
    int row = 0;
    if (from && isValid(*from)) {
        section = from->section();
        row = from->row() + step;
    } else if (step < 0) {
        section = int(m_data.size()) - 1;
        row = numberOfRowsInSection(section) - 1;
    }
    while (section >= 0 && std::size_t(section) < m_data.size()) {
        if (row >= 0 && row < numberOfRowsInSection(section))
            return IndexPath(section, row);
        section += step;
        row = step > 0 ? 0 : numberOfRowsInSection(section) - 1;
    }
    return std::nullopt;
}

// ---- Editing ----------------------------------------------------------------------------------------

void TableView::setEditing(bool editing, bool animated) {
    ensureLoaded();
    if (editing != m_editing) {
        hideDeleteConfirmation();
        cancelDrag();
        m_editing = editing;
        for (const auto& [path, cell] : m_cells) {
            if (cell)
                configureCell(cell, path, animated);
        }
    }
    emit editingChanged(editing);
}

void TableView::showDeleteConfirmation(const IndexPath& indexPath) {
    hideDeleteConfirmation();
    m_confirming = indexPath;
    if (TableViewCell* cell = cellForRowAtIndexPath(indexPath))
        cell->setShowingDeleteConfirmation(true);
    // A press anywhere but on the Delete button takes the confirmation away again.
    qApp->installEventFilter(this);
}

void TableView::hideDeleteConfirmation() {
    if (!m_confirming)
        return;
    if (TableViewCell* cell = cellForRowAtIndexPath(*m_confirming))
        cell->setShowingDeleteConfirmation(false);
    m_confirming.reset();
    qApp->removeEventFilter(this);
}

void TableView::commitDeletion(const IndexPath& indexPath) {
    hideDeleteConfirmation();
    if (m_dataSource)
        m_dataSource->commitEditingStyle(this, TableViewCell::EditingStyle::Delete, indexPath);
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && m_confirming && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const auto* press = static_cast<QMouseEvent*>(event);
        const bool inViewport = widget == viewport() || viewport()->isAncestorOf(widget);
        if (TableViewCell* cell = cellForRowAtIndexPath(*m_confirming); cell && inViewport) {
            const QPoint pos = viewport()->mapFromGlobal(press->globalPosition().toPoint());
            if (cell->deleteConfirmationRect().translated(cell->pos()).contains(pos))
                return false; // the Delete button: mousePressEvent commits
        }
        const bool inTable = widget == this || isAncestorOf(widget);
        hideDeleteConfirmation();
        return inTable; // a press inside the table only cancels; outside it goes on as usual
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TableView::deleteRowsAtIndexPaths(const QList<IndexPath>& indexPaths, bool animated) {
    ensureLoaded();
    hideDeleteConfirmation();
    cancelPress();
    cancelDrag();
    const std::set<IndexPath> deleted(indexPaths.begin(), indexPaths.end());
    auto renumbered = [&deleted](const IndexPath& path) -> std::optional<IndexPath> {
        if (deleted.count(path))
            return std::nullopt;
        const auto before = std::count_if(deleted.begin(), deleted.end(), [&path](const IndexPath& gone) {
            return gone.section() == path.section() && gone.row() < path.row();
        });
        return IndexPath(path.section(), path.row() - int(before));
    };

    if (animated)
        animateLayoutChange(kDeleteSlideMs);
    std::map<IndexPath, QPointer<TableViewCell>> remaining;
    for (const auto& [path, cell] : m_cells) {
        if (!cell)
            continue;
        if (const auto moved = renumbered(path))
            remaining[*moved] = cell;
        else
            enqueueCell(cell, true);
    }
    m_cells = std::move(remaining);
    if (m_selected)
        m_selected = renumbered(*m_selected);
    if (m_cursor)
        m_cursor = renumbered(*m_cursor);

    loadData();
    updateGeometry();
    for (const auto& [path, cell] : m_cells) {
        if (cell && isValid(path))
            configureCell(cell, path, false);
    }
    layoutCells();
}

// ---- Reordering -------------------------------------------------------------------------------------

void TableView::beginDrag(const IndexPath& indexPath, TableViewCell* cell, const QPoint& pos) {
    hideDeleteConfirmation();
    cancelPress();
    const QRect rect = cell->geometry();
    m_drag = RowDrag{indexPath, indexPath, cell, pos.y() - rect.top(), rect.top() + scrollOffset()};
    cell->raise();
}

void TableView::continueDrag(const QPoint& pos) {
    if (!m_drag->cell) {
        cancelDrag();
        return;
    }
    const int height = m_drag->cell->height();
    m_drag->cellTop =
        std::clamp(pos.y() + scrollOffset() - m_drag->grabOffset, 0, std::max(0, m_contentHeight - height));
    const IndexPath proposed = proposedIndexPath(m_drag->cellTop);
    IndexPath target =
        m_delegate ? m_delegate->targetIndexPathForMoveFromRowAtIndexPath(this, m_drag->from, proposed)
                   : proposed;
    if (!isValidMoveTarget(target))
        target = m_drag->target;
    if (target != m_drag->target) {
        animateLayoutChange(kReorderSlideMs);
        m_drag->target = target;
        updateGeometry();
    }
    layoutCells();
}

void TableView::endDrag() {
    const RowDrag drag = *m_drag;
    m_drag.reset();
    if (drag.target != drag.from && m_dataSource) {
        m_dataSource->moveRowAtIndexPath(this, drag.from, drag.target);
        reloadData(); // show the rows in the data source's new order
        return;
    }
    updateGeometry();
    layoutCells();
}

void TableView::cancelDrag() {
    if (!m_drag)
        return;
    m_drag.reset();
    updateGeometry();
    layoutCells();
}

// The free place nearest to where the dragged row's top now is. Without the dragged row, a place's top
// is exactly where the row would be shown if it went there.
IndexPath TableView::proposedIndexPath(int cellTop) const {
    const auto geometry = buildGeometry(m_drag->from, std::nullopt);
    IndexPath best = m_drag->from;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t s = 0; s < geometry.size(); ++s) {
        const auto& tops = geometry[s].rowTops;
        for (std::size_t r = 0; r < tops.size(); ++r) {
            const int distance = std::abs(tops[r] - cellTop);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = IndexPath(int(s), int(r));
            }
        }
    }
    return best;
}

bool TableView::isValidMoveTarget(const IndexPath& target) const {
    if (!m_drag || target.section() < 0 || std::size_t(target.section()) >= m_data.size())
        return false;
    const int places =
        numberOfRowsInSection(target.section()) - (target.section() == m_drag->from.section() ? 1 : 0);
    return target.row() >= 0 && target.row() <= places;
}

// ---- Section index ----------------------------------------------------------------------------------

QRectF TableView::sectionIndexArea() const {
    return QRectF(viewport()->width() - kIndexWidth, 0, kIndexWidth, viewport()->height());
}

qreal TableView::sectionIndexSlot() const {
    if (m_indexTitles.isEmpty())
        return 0;
    const qreal available = viewport()->height() - 2 * kIndexMargin;
    return std::min(kIndexMaxSlot, available / m_indexTitles.size());
}

QRect TableView::rectForSectionIndexTitle(int index) const {
    if (index < 0 || index >= m_indexTitles.size())
        return {};
    const qreal slot = sectionIndexSlot();
    const QRectF area = sectionIndexArea();
    const qreal top = (area.height() - slot * m_indexTitles.size()) / 2;
    return QRectF(area.left(), top + slot * index, area.width(), slot).toRect();
}

void TableView::trackSectionIndex(const QPoint& pos) {
    const qreal slot = sectionIndexSlot();
    if (slot <= 0 || !m_dataSource)
        return;
    const qreal top = (viewport()->height() - slot * m_indexTitles.size()) / 2;
    const int index = std::clamp(int(std::floor((pos.y() - top) / slot)), 0, int(m_indexTitles.size()) - 1);
    scrollToSection(m_dataSource->sectionForSectionIndexTitle(this, m_indexTitles[index], index));
}

void TableView::scrollToSection(int section) {
    if (section < 0 || std::size_t(section) >= m_geometry.size())
        return;
    verticalScrollBar()->setValue(m_geometry[std::size_t(section)].top);
}

// ---- Events -----------------------------------------------------------------------------------------

void TableView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    ensureLoaded();
}

void TableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!m_loaded)
        return;
    updateGeometry(); // titles wrap differently at another width
    layoutCells();
}

void TableView::scrollContentsBy(int, int) {
    layoutCells();
    viewport()->update();
}

void TableView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    ensureLoaded();
    // Keep the focus in a text field of a row; otherwise the table takes it for the arrow keys.
    if (!isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    m_pressPos = pos;
    m_pressScroll = scrollOffset();
    m_scrolling = false;
    cancelPress();

    if (indexWidth() > 0 && sectionIndexArea().contains(pos)) {
        m_indexTracking = true;
        trackSectionIndex(pos);
        viewport()->update();
        return;
    }
    const auto path = indexPathForRowAtPoint(pos);
    if (!path)
        return;
    TableViewCell* cell = cellForRowAtIndexPath(*path);
    if (!cell)
        return;
    const QPoint local = pos - cell->pos();
    if (m_confirming == path && cell->deleteConfirmationRect().contains(local)) {
        commitDeletion(*path);
        return;
    }
    if (m_editing && cell->isShowingDeleteControl() && cell->deleteControlRect().contains(local)) {
        showDeleteConfirmation(*path);
        return;
    }
    if (m_editing && cell->isShowingReorderControl() && cell->reorderControlRect().contains(local)) {
        beginDrag(*path, cell, pos);
        return;
    }
    if (cell->displayedAccessoryType() == TableViewCell::AccessoryType::DetailDisclosureButton &&
        cell->accessoryRect().contains(local)) {
        if (m_delegate)
            m_delegate->accessoryButtonTappedForRowWithIndexPath(this, *path);
        return;
    }
    m_pressed = path;
    cell->setHighlighted(true);
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_drag) {
        continueDrag(pos);
        return;
    }
    if (m_indexTracking) {
        trackSectionIndex(pos);
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (!m_scrolling && std::abs(pos.y() - m_pressPos.y()) >= QApplication::startDragDistance()) {
        m_scrolling = true;
        cancelPress();
    }
    if (m_scrolling)
        verticalScrollBar()->setValue(m_pressScroll - (pos.y() - m_pressPos.y()));
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (m_drag) {
        endDrag();
        return;
    }
    if (m_indexTracking) {
        m_indexTracking = false;
        viewport()->update();
        return;
    }
    m_scrolling = false;
    if (!m_pressed)
        return;
    const IndexPath pressed = *m_pressed;
    m_pressed.reset();
    if (indexPathForRowAtPoint(event->position().toPoint()) != pressed) {
        unhighlightUnlessSelected(pressed);
        return;
    }
    userSelectRow(pressed);
}

void TableView::keyPressEvent(QKeyEvent* event) {
    ensureLoaded();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const auto from = m_selected ? m_selected : m_cursor;
        if (const auto next = neighbourRow(from, event->key() == Qt::Key_Down ? 1 : -1)) {
            selectRowAtIndexPath(*next);
            scrollToRowAtIndexPath(*next, ScrollPosition::None);
        }
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        const auto row = m_selected ? m_selected : m_cursor;
        if (row && isValid(*row))
            userSelectRow(*row);
        return;
    }
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

// ---- Painting ---------------------------------------------------------------------------------------

void TableView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), m_style == Style::Grouped ? Theme::groupTableViewBackgroundColor()
                                                                   : Theme::plainBackgroundColor());
    const int top = scrollOffset();
    const int bottom = top + viewport()->height();
    for (std::size_t s = 0; s < m_geometry.size(); ++s) {
        const SectionGeometry& g = m_geometry[s];
        if (g.bottom() > top && g.top < bottom)
            paintSectionTitles(painter, g, int(s));
    }
    paintSectionIndex(painter);
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

void TableView::paintSectionIndex(QPainter& painter) const {
    if (m_indexTitles.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_indexTracking) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(sectionIndexArea().adjusted(5, 2, -5, -2), 10, 10);
    }
    const qreal slot = sectionIndexSlot();
    QFont font = Theme::boldSystemFont(std::clamp(int(slot) - 2, 6, 12));
    painter.setFont(font);
    painter.setPen(Theme::tintColor());
    for (int i = 0; i < m_indexTitles.size(); ++i)
        painter.drawText(rectForSectionIndexTitle(i), Qt::AlignCenter, m_indexTitles[i]);
}
