#pragma once

#include "IndexPath.h"
#include "TableViewCell.h"

#include <QStringList>
#include <memory>

class TableView;

// What a TableView shows: sections, rows and their cells, and which rows may be edited and moved.
// Only the row count and the cells must be given; the rest has defaults that suit a table nobody edits.
class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;

    virtual int numberOfSections(TableView* tableView); // 1
    virtual int numberOfRowsInSection(TableView* tableView, int section) = 0;
    // The cell to show for the row: one from tableView->dequeueReusableCellWithIdentifier() when there
    // is one, otherwise a new cell. The table takes it over.
    virtual std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* tableView,
                                                                 const IndexPath& indexPath) = 0;

    // An empty title shows no header or footer.
    virtual QString titleForHeaderInSection(TableView* tableView, int section);
    virtual QString titleForFooterInSection(TableView* tableView, int section);

    // Titles of the index along the right edge; none shows no index.
    virtual QStringList sectionIndexTitles(TableView* tableView);
    // The section that the index title at `index` jumps to; the index itself by default.
    virtual int sectionForSectionIndexTitle(TableView* tableView, const QString& title, int index);

    // While editing, rows that can be edited show the control of their editing style (the delegate's
    // editingStyleForRowAtIndexPath), and those that can also be moved show the reorder grip.
    virtual bool canEditRowAtIndexPath(TableView* tableView, const IndexPath& indexPath); // yes
    virtual bool canMoveRowAtIndexPath(TableView* tableView, const IndexPath& indexPath); // no
    // The user confirmed the row's editing style (Delete): remove the row from the data, then tell the
    // table with deleteRowsAtIndexPaths() or reloadData().
    virtual void commitEditingStyle(TableView* tableView, TableViewCell::EditingStyle editingStyle,
                                    const IndexPath& indexPath);
    // The user dragged a row from `from` to `to`: move it in the data the same way. The table then
    // shows the rows afresh.
    virtual void moveRowAtIndexPath(TableView* tableView, const IndexPath& from, const IndexPath& to);

protected:
    TableViewDataSource() = default;
    TableViewDataSource(const TableViewDataSource&) = default;
    TableViewDataSource& operator=(const TableViewDataSource&) = default;
};
