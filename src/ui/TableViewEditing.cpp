#include "TableView.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

// The editing state: the delete confirmation and its commit, and moving rows by their grip.

namespace {
constexpr int kDeleteSlideMs = 250;
constexpr int kReorderSlideMs = 150;
} // namespace

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
    if (m_cursor) // on a deleted row the cursor stays in its place, on the row that slides up into it
        m_cursor = renumbered(*m_cursor).value_or(*m_cursor);

    loadData();
    updateGeometry();
    for (const auto& [path, cell] : m_cells) {
        if (cell && isValid(path))
            configureCell(cell, path, false);
    }
    layoutCells();
    if (m_showsFocus)
        showFocus();
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
    if (!isValidMoveTarget(m_drag->from, target))
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

bool TableView::isValidMoveTarget(const IndexPath& from, const IndexPath& target) const {
    if (target.section() < 0 || std::size_t(target.section()) >= m_data.size())
        return false;
    const int places = numberOfRowsInSection(target.section()) - (target.section() == from.section() ? 1 : 0);
    return target.row() >= 0 && target.row() <= places;
}

// ---- Keys -------------------------------------------------------------------------------------------

TableViewCell::EditingStyle TableView::editingStyleFor(const IndexPath& indexPath) {
    if (!m_editing || !m_dataSource || !m_dataSource->canEditRowAtIndexPath(this, indexPath))
        return TableViewCell::EditingStyle::None;
    return m_delegate ? m_delegate->editingStyleForRowAtIndexPath(this, indexPath)
                      : TableViewCell::EditingStyle::Delete;
}

bool TableView::canMoveRow(const IndexPath& indexPath) {
    return m_editing && m_dataSource && m_dataSource->canEditRowAtIndexPath(this, indexPath) &&
           m_dataSource->canMoveRowAtIndexPath(this, indexPath);
}

// The keys of the editing state: Delete or Backspace asks to delete the focused row, as its red control
// does; Ctrl+Up and Ctrl+Down (Alt+Shift+Up and Alt+Shift+Down in KDE's lists) move it, as its grip
// does. Returns whether the key was one of them.
bool TableView::editingKeyPress(const QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool moveModifiers =
        modifiers == Qt::ControlModifier || modifiers == (Qt::AltModifier | Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (modifiers != Qt::NoModifier)
            return false;
        if (const auto row = focusedRow();
            row && editingStyleFor(*row) == TableViewCell::EditingStyle::Delete) {
            moveFocusTo(*row);
            showDeleteConfirmation(*row);
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!moveModifiers)
            return false;
        moveFocusedRow(event->key() == Qt::Key_Down ? 1 : -1);
        return true;
    default:
        return false;
    }
}

// One place up or down, over into the next section when the row is at the end of its own; the delegate
// has the last word, as for a drag.
void TableView::moveFocusedRow(int step) {
    const auto from = focusedRow();
    if (!from || !canMoveRow(*from))
        return;
    hideDeleteConfirmation();
    IndexPath proposed(from->section(), from->row() + step);
    if (proposed.row() < 0)
        proposed = IndexPath(from->section() - 1, numberOfRowsInSection(from->section() - 1));
    else if (proposed.row() >= numberOfRowsInSection(from->section()))
        proposed = IndexPath(from->section() + 1, 0);
    if (proposed.section() < 0 || std::size_t(proposed.section()) >= m_data.size())
        return;
    const IndexPath target =
        m_delegate ? m_delegate->targetIndexPathForMoveFromRowAtIndexPath(this, *from, proposed) : proposed;
    if (target == *from || !isValidMoveTarget(*from, target))
        return;
    m_dataSource->moveRowAtIndexPath(this, *from, target);
    m_cursor = target;
    m_showsFocus = true;
    reloadData(); // shows the rows in the data source's new order, the focus on the moved row
    scrollToRowAtIndexPath(target, ScrollPosition::None);
}
