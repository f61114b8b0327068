#include "TableView.h"

#include "KeyboardFocus.h"
#include "LogCategories.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "Theme.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVariantAnimation>
#include <algorithm>

namespace {

constexpr int kMaxPooledCells = 64; // per identifier; beyond this the data source is not reusing
constexpr int kScrollStep = 20;

} // namespace

TableView::TableView(Style style, QWidget* parent)
    : QAbstractScrollArea(parent), m_style(style), m_rowHeight(Theme::rowHeight) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    KeyboardFocus::watch();
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

// ---- Loading ----------------------------------------------------------------------------------------

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
    if (m_showsFocus)
        showFocus(); // the selection went with the old rows; the keyboard's place stays
}

void TableView::loadData() {
    m_data.clear();
    m_sectionIndex.clear();
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
    m_sectionIndex.setTitles(m_dataSource->sectionIndexTitles(this));
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
    cell->setEditing(m_editing, editingStyleFor(indexPath) == TableViewCell::EditingStyle::Delete,
                     canMoveRow(indexPath), animated);
    cell->setShowingDeleteConfirmation(m_confirming == indexPath);
    const bool selected = m_selected == indexPath;
    if (cell->isSelected() != selected)
        cell->setSelected(selected);
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

// The row the keys act on: the selected one, or else where the keyboard last was.
std::optional<IndexPath> TableView::focusedRow() const {
    return m_selected ? m_selected : m_cursor;
}

void TableView::moveFocusTo(const IndexPath& indexPath) {
    m_showsFocus = true;
    selectRowAtIndexPath(indexPath);
    scrollToRowAtIndexPath(indexPath, ScrollPosition::None);
}

// Draws the keyboard's place: the cursor, kept inside the rows when they changed under it, or the
// first row.
void TableView::showFocus() {
    if (m_selected || !m_loaded)
        return;
    std::optional<IndexPath> row = m_cursor;
    if (row && !isValid(*row)) {
        const int rows = numberOfRowsInSection(row->section());
        row = rows > 0 ? std::optional(IndexPath(row->section(), std::min(row->row(), rows - 1)))
                       : std::nullopt;
    }
    if (!row)
        row = neighbourRow(std::nullopt, 1);
    if (row)
        moveFocusTo(*row);
}

void TableView::hideFocus() {
    if (!m_showsFocus)
        return;
    m_showsFocus = false;
    if (m_selected && m_selected == m_cursor)
        deselectRowAtIndexPath(*m_selected, false);
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

// ---- Section index ----------------------------------------------------------------------------------

QRect TableView::rectForSectionIndexTitle(int index) const {
    return m_sectionIndex.rectForTitle(index, viewport()->size());
}

void TableView::trackSectionIndex(const QPoint& pos) {
    const int index = m_sectionIndex.titleAt(pos.y(), viewport()->size());
    if (index < 0 || !m_dataSource)
        return;
    const QString title = m_sectionIndex.titles()[index];
    scrollToSection(m_dataSource->sectionForSectionIndexTitle(this, title, index));
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
    m_showsFocus = false; // the pointer's row is selected by the tap, if at all
    // Keep the focus in a text field of a row; otherwise the table takes it for the arrow keys.
    if (!isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    m_pressPos = pos;
    m_pressScroll = scrollOffset();
    m_scrolling = false;
    cancelPress();

    if (m_sectionIndex.width() > 0 && m_sectionIndex.area(viewport()->size()).contains(pos)) {
        m_sectionIndex.setTracking(true);
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
    if (m_sectionIndex.isTracking()) {
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
    if (m_sectionIndex.isTracking()) {
        m_sectionIndex.setTracking(false);
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
    if (m_editing && editingKeyPress(event))
        return;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        hideDeleteConfirmation();
        if (const auto next = neighbourRow(focusedRow(), event->key() == Qt::Key_Down ? 1 : -1))
            moveFocusTo(*next);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // The Delete button that is showing takes the key before the focused row does.
        if (m_confirming) {
            commitDeletion(*m_confirming);
        } else if (const auto row = focusedRow(); row && isValid(*row)) {
            userSelectRow(*row);
        }
        return;
    case Qt::Key_Escape:
        if (m_confirming) {
            hideDeleteConfirmation();
            return;
        }
        break;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// The focused row is drawn selected from the first Tab into the table, not only after an arrow key,
// and no longer once the focus has moved on (a window losing the focus keeps it, as lists do).
void TableView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (KeyboardFocus::cameByKeyboard(event)) {
        m_showsFocus = true;
        showFocus();
    }
}

void TableView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        hideFocus();
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
    m_sectionIndex.paint(painter, viewport()->size());
}
