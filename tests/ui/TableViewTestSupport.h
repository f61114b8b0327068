#pragma once

#include "KitTestSupport.h"
#include "Label.h"
#include "TableView.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "Views.h"

#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

inline void PrintTo(const IndexPath& path, std::ostream* os) {
    *os << "(" << path.section() << ", " << path.row() << ")";
}

namespace tabletest {

constexpr int kTextTag = 7;
constexpr int kBadgeTag = 8;

// A table's data in plain lists, answering as both data source and delegate, and noting every call
// that tests check.
class ListSource : public TableViewDataSource, public TableViewDelegate {
public:
    struct Section {
        QString header;
        QString footer;
        QStringList rows;
    };

    std::vector<Section> sections;
    QStringList indexTitles;
    // Rows whose text starts with this prefix use a second reuse identifier.
    QString otherKindPrefix;

    std::function<std::optional<IndexPath>(const IndexPath&)> willSelect;
    std::function<IndexPath(const IndexPath&, const IndexPath&)> target;
    std::function<bool(const IndexPath&)> canEdit = [](const IndexPath&) { return true; };
    std::function<bool(const IndexPath&)> canMove = [](const IndexPath&) { return false; };
    std::function<TableViewCell::EditingStyle(const IndexPath&)> editingStyle = [](const IndexPath&) {
        return TableViewCell::EditingStyle::Delete;
    };
    std::function<std::optional<TableViewCell::AccessoryType>(const IndexPath&)> accessory =
        [](const IndexPath&) { return std::nullopt; };

    int cellsMade = 0;
    std::vector<IndexPath> selected;
    std::vector<IndexPath> committed;
    std::vector<std::pair<IndexPath, IndexPath>> moves;
    std::vector<std::pair<IndexPath, IndexPath>> targetQuestions;
    std::vector<IndexPath> accessoryTaps;
    std::vector<std::pair<QString, int>> indexQuestions;

    QString text(const IndexPath& path) const {
        return sections[std::size_t(path.section())].rows[path.row()];
    }

    int numberOfSections(TableView*) override { return int(sections.size()); }
    int numberOfRowsInSection(TableView*, int section) override {
        return int(sections[std::size_t(section)].rows.size());
    }
    std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* table, const IndexPath& path) override {
        const QString& rowText = text(path);
        const QString identifier = !otherKindPrefix.isEmpty() && rowText.startsWith(otherKindPrefix)
                                       ? QStringLiteral("OtherCell")
                                       : QStringLiteral("Cell");
        auto cell = table->dequeueReusableCellWithIdentifier(identifier);
        if (!cell) {
            cell = std::make_unique<TableViewCell>(identifier);
            auto* label = new Label(cell->contentView());
            label->setGeometry(10, 0, 200, 44);
            label->setHighlightedTextColor(Qt::white);
            setTag(label, kTextTag);
            // A view of the cell's own, beside the content view, as a cell subclass may add.
            auto* badge = new Label(cell.get());
            badge->setGeometry(220, 0, 40, 20);
            badge->setHighlightedTextColor(Qt::white);
            setTag(badge, kBadgeTag);
            ++cellsMade;
        }
        viewWithTag<Label>(cell->contentView(), kTextTag)->setText(rowText);
        return cell;
    }
    QString titleForHeaderInSection(TableView*, int section) override {
        return sections[std::size_t(section)].header;
    }
    QString titleForFooterInSection(TableView*, int section) override {
        return sections[std::size_t(section)].footer;
    }
    QStringList sectionIndexTitles(TableView*) override { return indexTitles; }
    int sectionForSectionIndexTitle(TableView*, const QString& title, int index) override {
        indexQuestions.emplace_back(title, index);
        return index;
    }
    bool canEditRowAtIndexPath(TableView*, const IndexPath& path) override { return canEdit(path); }
    bool canMoveRowAtIndexPath(TableView*, const IndexPath& path) override { return canMove(path); }
    void commitEditingStyle(TableView* table, TableViewCell::EditingStyle, const IndexPath& path) override {
        committed.push_back(path);
        sections[std::size_t(path.section())].rows.removeAt(path.row());
        table->deleteRowsAtIndexPaths({path}, true);
    }
    void moveRowAtIndexPath(TableView*, const IndexPath& from, const IndexPath& to) override {
        moves.emplace_back(from, to);
        const QString moved = sections[std::size_t(from.section())].rows.takeAt(from.row());
        sections[std::size_t(to.section())].rows.insert(to.row(), moved);
    }

    std::optional<IndexPath> willSelectRowAtIndexPath(TableView* table, const IndexPath& path) override {
        return willSelect ? willSelect(path) : TableViewDelegate::willSelectRowAtIndexPath(table, path);
    }
    void didSelectRowAtIndexPath(TableView*, const IndexPath& path) override { selected.push_back(path); }
    std::optional<TableViewCell::AccessoryType>
    accessoryTypeForRowWithIndexPath(TableView*, const IndexPath& path) override {
        return accessory(path);
    }
    void accessoryButtonTappedForRowWithIndexPath(TableView*, const IndexPath& path) override {
        accessoryTaps.push_back(path);
    }
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView*, const IndexPath& path) override {
        return editingStyle(path);
    }
    IndexPath targetIndexPathForMoveFromRowAtIndexPath(TableView* table, const IndexPath& from,
                                                       const IndexPath& proposed) override {
        targetQuestions.emplace_back(from, proposed);
        return target ? target(from, proposed)
                      : TableViewDelegate::targetIndexPathForMoveFromRowAtIndexPath(table, from, proposed);
    }
};

inline QStringList numbered(const QString& prefix, int count) {
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows.append(prefix + QString::number(i));
    return rows;
}

// A phone-sized window with one table filling it.
class TableViewTest : public ::testing::Test {
protected:
    void show(TableView::Style style = TableView::Style::Grouped) {
        window.resize(320, 480);
        table = new TableView(style, &window);
        table->setGeometry(window.rect());
        table->setDataSource(&source);
        table->setDelegate(&source);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* viewport() const { return table->viewport(); }

    // The text a row's cell shows, found by its tag as a screen finds it.
    QString shownText(const IndexPath& path) const {
        TableViewCell* cell = table->cellForRowAtIndexPath(path);
        if (!cell)
            return QStringLiteral("<no cell>");
        auto* label = viewWithTag<Label>(cell->contentView(), kTextTag);
        return label ? label->text() : QStringLiteral("<no label>");
    }

    QStringList shownTexts(int section) const {
        QStringList texts;
        for (int row = 0; row < table->numberOfRowsInSection(section); ++row)
            texts.append(shownText(IndexPath(section, row)));
        return texts;
    }

    // Clicks whatever is on top at `pos` (viewport coordinates), as a finger would.
    void clickAt(QPoint pos) const {
        QWidget* target = viewport()->childAt(pos);
        if (!target)
            target = viewport();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(viewport(), pos));
    }

    void clickRow(const IndexPath& path) const { clickAt(table->rectForRowAtIndexPath(path).center()); }

    // A control of a row's cell, in viewport coordinates.
    QPoint controlCentre(const IndexPath& path, QRect (TableViewCell::*control)() const) const {
        TableViewCell* cell = table->cellForRowAtIndexPath(path);
        EXPECT_TRUE(cell);
        const QRect rect = (cell->*control)();
        EXPECT_FALSE(rect.isEmpty());
        return cell->mapTo(viewport(), rect.center());
    }

    // Presses on what is on top at `from`, moves in steps to `to` and releases there; every event goes
    // to the pressed widget, as the window system sends them while the button is held.
    void drag(QPoint from, QPoint to, const std::function<void()>& whileHeld = {}) const {
        QWidget* target = viewport()->childAt(from);
        if (!target)
            target = viewport();
        QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(viewport(), from));
        constexpr int steps = 10;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(target, target->mapFrom(viewport(), from + (to - from) * i / steps));
        if (whileHeld)
            whileHeld();
        QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(viewport(), to));
    }

    ListSource source; // outlives the window and its table
    QWidget window;
    TableView* table = nullptr; // owned by the window
};

} // namespace tabletest
