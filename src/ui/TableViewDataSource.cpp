#include "TableViewDataSource.h"

int TableViewDataSource::numberOfSections(TableView*) {
    return 1;
}

QString TableViewDataSource::titleForHeaderInSection(TableView*, int) {
    return {};
}

QString TableViewDataSource::titleForFooterInSection(TableView*, int) {
    return {};
}

QStringList TableViewDataSource::sectionIndexTitles(TableView*) {
    return {};
}

int TableViewDataSource::sectionForSectionIndexTitle(TableView*, const QString&, int index) {
    return index;
}

bool TableViewDataSource::canEditRowAtIndexPath(TableView*, const IndexPath&) {
    return true;
}

bool TableViewDataSource::canMoveRowAtIndexPath(TableView*, const IndexPath&) {
    return false;
}

void TableViewDataSource::commitEditingStyle(TableView*, TableViewCell::EditingStyle, const IndexPath&) {}

void TableViewDataSource::moveRowAtIndexPath(TableView*, const IndexPath&, const IndexPath&) {}
