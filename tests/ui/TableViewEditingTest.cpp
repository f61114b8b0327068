#include "TableViewTestSupport.h"

#include <QSignalSpy>

using namespace tabletest;

namespace {

class TableViewEditingTest : public TableViewTest {
protected:
    // The list screen's table: an add row that cannot be edited, currencies that can be deleted and
    // moved unless only one is left.
    void showCurrencyList(QStringList codes) {
        source.sections = {{"Add Currency ", "", {"Add Foreign Currency"}}, {"Edit", "", std::move(codes)}};
        source.canEdit = [](const IndexPath& path) { return path.section() == 1; };
        source.canMove = [](const IndexPath& path) { return path.section() == 1; };
        source.editingStyle = [this](const IndexPath&) {
            return source.sections[1].rows.size() > 1 ? TableViewCell::EditingStyle::Delete
                                                      : TableViewCell::EditingStyle::None;
        };
        show();
    }
};

TEST_F(TableViewEditingTest, editingShowsDeleteControlsAndGripsOnlyWhereTheDataSourceAllows) {
    showCurrencyList({"USD", "EUR", "GBP"});
    QSignalSpy editingChanged(table, &TableView::editingChanged);
    const int contentWidth = table->cellForRowAtIndexPath({1, 0})->contentView()->width();

    table->setEditing(true);
    EXPECT_TRUE(table->isEditing());
    TableViewCell* add = table->cellForRowAtIndexPath({0, 0});
    EXPECT_FALSE(add->isShowingDeleteControl());
    EXPECT_FALSE(add->isShowingReorderControl());
    EXPECT_TRUE(add->deleteControlRect().isEmpty());
    for (int row = 0; row < 3; ++row) {
        TableViewCell* cell = table->cellForRowAtIndexPath({1, row});
        EXPECT_TRUE(cell->isShowingDeleteControl());
        EXPECT_TRUE(cell->isShowingReorderControl());
        // The content moves right of the delete control and stops short of the grip.
        EXPECT_EQ(cell->contentView()->x(), cell->deleteControlRect().right() + 1);
        EXPECT_EQ(cell->contentView()->geometry().right() + 1, cell->reorderControlRect().left());
        EXPECT_LT(cell->contentView()->width(), contentWidth);
    }

    table->setEditing(false);
    table->setEditing(false);
    EXPECT_EQ(editingChanged.size(), 3) << "every set is announced";
    EXPECT_EQ(editingChanged.at(0).at(0).toBool(), true);
    TableViewCell* usd = table->cellForRowAtIndexPath({1, 0});
    EXPECT_FALSE(usd->isShowingDeleteControl());
    EXPECT_TRUE(usd->deleteControlRect().isEmpty());
    EXPECT_EQ(usd->contentView()->width(), contentWidth);

    // With one currency left the row keeps its grip but has no delete control.
    source.sections[1].rows = {"USD"};
    table->reloadData();
    table->setEditing(true, true);
    TableViewCell* only = table->cellForRowAtIndexPath({1, 0});
    EXPECT_FALSE(only->isShowingDeleteControl());
    EXPECT_TRUE(only->isShowingReorderControl());
    EXPECT_TRUE(kittest::waitUntil([&] {
        return only->reorderControlRect().width() > 0 &&
               only->reorderControlRect().right() == only->width() - 1;
    }));
}

TEST_F(TableViewEditingTest, theDeleteConfirmationCommitsExactlyOneDeletion) {
    showCurrencyList({"USD", "EUR", "GBP"});
    table->setEditing(true);

    clickAt(controlCentre({1, 1}, &TableViewCell::deleteControlRect));
    TableViewCell* eur = table->cellForRowAtIndexPath({1, 1});
    ASSERT_TRUE(eur->isShowingDeleteConfirmation());
    EXPECT_FALSE(eur->deleteConfirmationRect().isEmpty());
    EXPECT_TRUE(eur->reorderControlRect().isEmpty()) << "the button takes the grip's place";
    EXPECT_TRUE(source.committed.empty()) << "the control only asks";
    EXPECT_TRUE(source.selected.empty());

    clickAt(controlCentre({1, 1}, &TableViewCell::deleteConfirmationRect));
    EXPECT_EQ(source.committed, std::vector<IndexPath>{IndexPath(1, 1)});
    EXPECT_FALSE(eur->isShowingDeleteConfirmation());
    EXPECT_TRUE(source.selected.empty());

    // The table follows the data source: GBP slides up into the free place.
    EXPECT_EQ(table->numberOfRowsInSection(1), 2);
    EXPECT_EQ(shownTexts(1), QStringList({"USD", "GBP"}));
    TableViewCell* gbp = table->cellForRowAtIndexPath({1, 1});
    EXPECT_TRUE(kittest::waitUntil([&] { return gbp->geometry() == table->rectForRowAtIndexPath({1, 1}); }));
    EXPECT_EQ(table->visibleCells().size(), 3);

    // Another press where the button was does nothing more.
    clickAt(table->rectForRowAtIndexPath({1, 1}).topRight() + QPoint(-20, 22));
    EXPECT_EQ(source.committed.size(), 1u);
}

TEST_F(TableViewEditingTest, aTapAnywhereElseTakesTheConfirmationAwayWithoutDeletingOrSelecting) {
    showCurrencyList({"USD", "EUR", "GBP"});
    table->setEditing(true);

    clickAt(controlCentre({1, 0}, &TableViewCell::deleteControlRect));
    clickRow({1, 2});
    EXPECT_FALSE(table->cellForRowAtIndexPath({1, 0})->isShowingDeleteConfirmation());
    EXPECT_TRUE(source.selected.empty()) << "the tap only cancels";

    // Tapping the control again cancels as well; a tap outside the table cancels and goes on.
    clickAt(controlCentre({1, 0}, &TableViewCell::deleteControlRect));
    clickAt(controlCentre({1, 0}, &TableViewCell::deleteControlRect));
    EXPECT_FALSE(table->cellForRowAtIndexPath({1, 0})->isShowingDeleteConfirmation());
    clickAt(controlCentre({1, 0}, &TableViewCell::deleteControlRect));
    QWidget outside(&window);
    outside.setGeometry(0, 470, 320, 10);
    outside.show();
    QTest::mouseClick(&outside, Qt::LeftButton);
    EXPECT_FALSE(table->cellForRowAtIndexPath({1, 0})->isShowingDeleteConfirmation());

    // Leaving editing cancels too, and a pending confirmation never commits later.
    clickAt(controlCentre({1, 2}, &TableViewCell::deleteControlRect));
    table->setEditing(false);
    EXPECT_FALSE(table->cellForRowAtIndexPath({1, 2})->isShowingDeleteConfirmation());
    EXPECT_TRUE(source.committed.empty());
    EXPECT_EQ(table->numberOfRowsInSection(1), 3);
}

TEST_F(TableViewEditingTest, deleteKeysAskForTheFocusedRowAndReturnConfirmsTheDeleteThatIsShowing) {
    showCurrencyList({"USD", "EUR", "GBP"});
    table->setEditing(true);
    table->setFocus();
    auto confirming = [this](int row) {
        return table->cellForRowAtIndexPath({1, row})->isShowingDeleteConfirmation();
    };

    QTest::keyClick(table, Qt::Key_Down); // the add row cannot be deleted
    QTest::keyClick(table, Qt::Key_Delete);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_FALSE(confirming(0));
    QTest::keyClick(table, Qt::Key_Backspace);
    EXPECT_TRUE(confirming(0));
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_FALSE(confirming(0));

    // A red control clicked while the keyboard is on USD: Return deletes GBP, whose button shows.
    clickAt(controlCentre({1, 2}, &TableViewCell::deleteControlRect));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(source.committed, std::vector<IndexPath>{IndexPath(1, 2)});
    EXPECT_TRUE(source.selected.empty());

    // Deleting the focused row leaves the focus on the row that takes its place.
    QTest::keyClick(table, Qt::Key_Delete);
    ASSERT_TRUE(confirming(0));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(source.committed, (std::vector<IndexPath>{IndexPath(1, 2), IndexPath(1, 0)}));
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(1, 0));
    EXPECT_EQ(shownTexts(1), QStringList({"EUR"}));
    EXPECT_TRUE(source.selected.empty());
}

TEST_F(TableViewEditingTest, aReloadRightAfterSwitchingToEditingLetsTheControlsSlideIn) {
    showCurrencyList({"USD", "EUR"});
    table->setEditing(true, true);
    table->reloadData(); // what a screen does when its editing state changes
    TableViewCell* usd = table->cellForRowAtIndexPath({1, 0});
    EXPECT_TRUE(usd->isShowingDeleteControl());
    EXPECT_LT(usd->contentView()->x(), 20) << "still sliding";
    EXPECT_TRUE(kittest::waitUntil([&] { return usd->deleteControlRect().left() == 0; }));
    EXPECT_EQ(usd->contentView()->x(), usd->deleteControlRect().width());
}

TEST_F(TableViewEditingTest, rowsCanStillBeSelectedWhileEditing) {
    showCurrencyList({"USD", "EUR"});
    table->setEditing(true);
    clickRow({1, 1});
    clickRow({0, 0});
    EXPECT_EQ(source.selected, (std::vector<IndexPath>{IndexPath(1, 1), IndexPath(0, 0)}));
}

} // namespace
