#pragma once

#include "IndexPath.h"
#include "SectionIndex.h"
#include "TableViewCell.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QVariantAnimation;
class TableViewDataSource;
class TableViewDelegate;

// A phone-style list of rows in sections. The data source says what is shown and the delegate how it
// behaves; neither is owned. Cells exist only for the rows on screen: a row scrolled away gives its
// cell back to a pool per reuse identifier, from which dequeueReusableCellWithIdentifier() hands it
// out again. Rectangles and points are in the coordinates of viewport(), where the rows are shown.
//
// The rows are loaded by reloadData() or, the first time, when the table is shown; the counts and
// rectangles it answers are those of the last load.
//
// The implementation is split by concern: TableView.cpp loads the rows, keeps the cells, the selection
// and the events; TableViewLayout.cpp lays sections and rows out and places the cells; and
// TableViewEditing.cpp holds the editing state with its delete confirmation, reordering and their keys.
class TableView final : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class Style {
        Plain,  // full-width rows, section titles on grey bars
        Grouped // each section a rounded group inset from the edges, titles in grey above and below
    };
    enum class ScrollPosition { None, Top, Middle, Bottom };

    explicit TableView(Style style = Style::Plain, QWidget* parent = nullptr);
    ~TableView() override;

    Style style() const { return m_style; }

    TableViewDataSource* dataSource() const { return m_dataSource; }
    void setDataSource(TableViewDataSource* dataSource);
    TableViewDelegate* delegate() const { return m_delegate; }
    void setDelegate(TableViewDelegate* delegate);

    // The height of rows whose delegate does not say otherwise; 44 points unless set.
    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int height);

    // Asks the data source for everything again. The selection and a pending delete confirmation go.
    void reloadData();
    // A cell of that identifier that is not on screen, or null when there is none.
    std::unique_ptr<TableViewCell> dequeueReusableCellWithIdentifier(const QString& identifier);

    int numberOfSections() const;
    // Section titles shown cut at the present width (grouped titles wrap, so only plain ones can be).
    QStringList elidedSectionTitles() const;
    int numberOfRowsInSection(int section) const;
    // The footer as last loaded; empty for a section that does not exist.
    QString footerTitleInSection(int section) const;

    // The cell shown for the row, or null when the row is not on screen.
    TableViewCell* cellForRowAtIndexPath(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForCell(const TableViewCell* cell) const;
    std::optional<IndexPath> indexPathForRowAtPoint(const QPoint& point) const;
    QList<TableViewCell*> visibleCells() const;
    QRect rectForRowAtIndexPath(const IndexPath& indexPath) const;
    QRect rectForHeaderInSection(int section) const;
    QRect rectForFooterInSection(int section) const;
    // Where the index along the right edge shows its title at `index`.
    QRect rectForSectionIndexTitle(int index) const;
    void scrollToRowAtIndexPath(const IndexPath& indexPath, ScrollPosition scrollPosition);

    // Selecting and deselecting from code does not consult the delegate.
    std::optional<IndexPath> indexPathForSelectedRow() const { return m_selected; }
    void selectRowAtIndexPath(const IndexPath& indexPath,
                              ScrollPosition scrollPosition = ScrollPosition::None);
    // With animation the highlight fades out; the row is no longer selected at once.
    void deselectRowAtIndexPath(const IndexPath& indexPath, bool animated);

    bool isEditing() const { return m_editing; }
    void setEditing(bool editing, bool animated = false);

    // Call after the data source has removed the rows; the paths are those from before the removal.
    void deleteRowsAtIndexPaths(const QList<IndexPath>& indexPaths, bool animated);

signals:
    // Emitted on every setEditing(), also when the state stays the same.
    void editingChanged(bool editing);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SectionData {
        QString header;
        QString footer;
        std::vector<int> rowHeights;
    };
    // One section as laid out, in content coordinates (0 is the top of the first section).
    struct SectionGeometry {
        int top = 0;
        int headerHeight = 0;
        int footerHeight = 0;
        std::vector<IndexPath> rows; // the data source's rows shown here, in screen order
        std::vector<int> rowTops;    // rows.size() + 1 entries: each row's top, then the rows' bottom
        int rowsTop() const { return top + headerHeight; }
        int rowsBottom() const { return rowTops.back(); }
        int bottom() const { return rowsBottom() + footerHeight; }
    };
    struct RowDrag {
        IndexPath from;
        IndexPath target;
        QPointer<TableViewCell> cell;
        int grabOffset = 0; // from the cell's top to the pointer
        int cellTop = 0;    // content coordinates
    };
    struct VisibleRow {
        IndexPath source;
        IndexPath slot; // where it is shown, which differs from the source while a row is dragged
        QRect rect;     // content coordinates
    };

    void ensureLoaded();
    void loadData();
    std::vector<SectionGeometry> buildGeometry(const std::optional<IndexPath>& removed,
                                               const std::optional<IndexPath>& insertedAt) const;
    void updateGeometry();
    int headerHeight(int section) const;
    int footerHeight(int section) const;
    int indexWidth() const;
    int rowsLeft() const;
    int rowsWidth() const;
    int scrollOffset() const;
    bool isValid(const IndexPath& indexPath) const;
    std::optional<IndexPath> slotForRow(const IndexPath& source) const;
    QRect contentRectForRow(const IndexPath& source) const;

    void layoutCells();
    void placeCell(TableViewCell* cell, const IndexPath& slot, const QRect& contentRect);
    TableViewCell* obtainCell(const IndexPath& indexPath);
    void enqueueCell(TableViewCell* cell, bool resetSelection);
    void configureCell(TableViewCell* cell, const IndexPath& indexPath, bool animated);
    void animateLayoutChange(int durationMs);

    void userSelectRow(const IndexPath& indexPath);
    void unhighlightUnlessSelected(const IndexPath& indexPath);
    void cancelPress();
    std::optional<IndexPath> neighbourRow(const std::optional<IndexPath>& from, int step) const;
    std::optional<IndexPath> focusedRow() const;
    void moveFocusTo(const IndexPath& indexPath);
    void showFocus();
    void hideFocus();

    void showDeleteConfirmation(const IndexPath& indexPath);
    void hideDeleteConfirmation();
    void commitDeletion(const IndexPath& indexPath);
    TableViewCell::EditingStyle editingStyleFor(const IndexPath& indexPath);
    bool canMoveRow(const IndexPath& indexPath);
    bool editingKeyPress(const QKeyEvent* event);
    void moveFocusedRow(int step);

    void beginDrag(const IndexPath& indexPath, TableViewCell* cell, const QPoint& pos);
    void continueDrag(const QPoint& pos);
    void endDrag();
    void cancelDrag();
    IndexPath proposedIndexPath(int cellTop) const;
    bool isValidMoveTarget(const IndexPath& from, const IndexPath& target) const;

    void trackSectionIndex(const QPoint& pos);
    void scrollToSection(int section);

    void paintSectionTitles(QPainter& painter, const SectionGeometry& geometry, int section) const;

    Style m_style;
    TableViewDataSource* m_dataSource = nullptr; // not owned
    TableViewDelegate* m_delegate = nullptr;     // not owned
    int m_rowHeight;
    bool m_loaded = false;
    bool m_editing = false;

    std::vector<SectionData> m_data;
    SectionIndex m_sectionIndex;
    std::vector<SectionGeometry> m_geometry;
    int m_contentHeight = 0;

    // Cells on screen by the data source's index path; they and the pooled ones belong to the viewport.
    std::map<IndexPath, QPointer<TableViewCell>> m_cells;
    QHash<QString, QList<QPointer<TableViewCell>>> m_reusePool;

    std::optional<IndexPath> m_selected;
    std::optional<IndexPath> m_cursor; // where the arrow keys go on from
    bool m_showsFocus = false;         // the cursor's row is drawn selected while the table has the focus
    std::optional<IndexPath> m_pressed;
    std::optional<IndexPath> m_confirming;
    std::optional<RowDrag> m_drag;
    QPoint m_pressPos;
    int m_pressScroll = 0;
    bool m_scrolling = false;

    QVariantAnimation* m_layoutAnimation = nullptr;         // owned by the table
    std::map<const TableViewCell*, QRect> m_animationStart; // content coordinates
};
