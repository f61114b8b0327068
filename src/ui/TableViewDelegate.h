#pragma once

#include "IndexPath.h"
#include "TableViewCell.h"

#include <optional>

class TableView;

// How a TableView behaves: row heights, selection, accessories, editing styles and where a dragged
// row may go. Every operation has a default, so a delegate overrides only what it needs.
class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;

    // The table's rowHeight() (44 points unless set).
    virtual int heightForRowAtIndexPath(TableView* tableView, const IndexPath& indexPath);

    // Asked when the user selects a row: the row to select instead, or nullopt to select nothing.
    virtual std::optional<IndexPath> willSelectRowAtIndexPath(TableView* tableView,
                                                              const IndexPath& indexPath);
    // Told once the row selected by the user is selected.
    virtual void didSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath);

    // The accessory to show on the row; nullopt keeps the cell's own accessoryType().
    virtual std::optional<TableViewCell::AccessoryType>
    accessoryTypeForRowWithIndexPath(TableView* tableView, const IndexPath& indexPath);
    // The row's detail disclosure button was tapped.
    virtual void accessoryButtonTappedForRowWithIndexPath(TableView* tableView, const IndexPath& indexPath);

    // Delete, unless overridden.
    virtual TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* tableView,
                                                                      const IndexPath& indexPath);
    // Where a row dragged from `from` goes when the user proposes `proposed`; the proposal by default.
    virtual IndexPath targetIndexPathForMoveFromRowAtIndexPath(TableView* tableView, const IndexPath& from,
                                                               const IndexPath& proposed);

protected:
    TableViewDelegate() = default;
    TableViewDelegate(const TableViewDelegate&) = default;
    TableViewDelegate& operator=(const TableViewDelegate&) = default;
};
