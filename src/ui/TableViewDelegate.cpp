#include "TableViewDelegate.h"

#include "TableView.h"

int TableViewDelegate::heightForRowAtIndexPath(TableView* tableView, const IndexPath&) {
    return tableView->rowHeight();
}

std::optional<IndexPath> TableViewDelegate::willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath) {
    return indexPath;
}

void TableViewDelegate::didSelectRowAtIndexPath(TableView*, const IndexPath&) {}

std::optional<TableViewCell::AccessoryType>
TableViewDelegate::accessoryTypeForRowWithIndexPath(TableView*, const IndexPath&) {
    return std::nullopt;
}

void TableViewDelegate::accessoryButtonTappedForRowWithIndexPath(TableView*, const IndexPath&) {}

TableViewCell::EditingStyle TableViewDelegate::editingStyleForRowAtIndexPath(TableView*, const IndexPath&) {
    return TableViewCell::EditingStyle::Delete;
}

IndexPath TableViewDelegate::targetIndexPathForMoveFromRowAtIndexPath(TableView*, const IndexPath&,
                                                                      const IndexPath& proposed) {
    return proposed;
}
