#include "TableViewTestSupport.h"

using namespace tabletest;

namespace {

// An add row above the movable currencies and a section of other rows below them; the delegate keeps a
// dragged currency inside its own section, as the currency list does.
class TableViewReorderTest : public TableViewTest {
protected:
    void SetUp() override {
        source.sections = {{"", "", {"Add"}}, {"", "", {"A", "B", "C", "D"}}, {"", "", {"X", "Y"}}};
        source.canMove = [](const IndexPath& path) { return path.section() == 1; };
        source.target = [this](const IndexPath&, const IndexPath& proposed) {
            const int last = int(source.sections[1].rows.size()) - 1;
            if (proposed.section() < 1)
                return IndexPath(1, 0);
            if (proposed.section() > 1 || proposed.row() > last)
                return IndexPath(1, last);
            return proposed;
        };
        show();
        table->setEditing(true);
    }

    QPoint grip(int row) const { return controlCentre({1, row}, &TableViewCell::reorderControlRect); }
};

TEST_F(TableViewReorderTest, aRowDraggedAboveTheSectionLandsOnItsFirstRow) {
    const QRect oldSecondRow = table->rectForRowAtIndexPath({1, 1});
    const QPoint start = grip(3);
    drag(start, QPoint(start.x(), table->rectForRowAtIndexPath({0, 0}).center().y()), [&] {
        // While held, D is shown at the delegate's target and the rows below it make room.
        ASSERT_FALSE(source.targetQuestions.empty());
        EXPECT_EQ(source.targetQuestions.back().first, IndexPath(1, 3));
        EXPECT_EQ(source.targetQuestions.back().second.section(), 0);
        EXPECT_EQ(table->rectForRowAtIndexPath({1, 0}), oldSecondRow);
        EXPECT_TRUE(source.moves.empty());
    });
    EXPECT_EQ(source.moves,
              (std::vector<std::pair<IndexPath, IndexPath>>{{IndexPath(1, 3), IndexPath(1, 0)}}));
    EXPECT_EQ(shownTexts(1), QStringList({"D", "A", "B", "C"}));
    EXPECT_EQ(shownTexts(0), QStringList({"Add"}));
    for (TableViewCell* cell : table->visibleCells())
        EXPECT_EQ(cell->geometry(), table->rectForRowAtIndexPath(*table->indexPathForCell(cell)));
}

TEST_F(TableViewReorderTest, aRowDraggedPastTheLastRowLandsOnTheLastRow) {
    const QPoint start = grip(1);
    drag(start, QPoint(start.x(), 470));
    EXPECT_EQ(source.targetQuestions.back().second.section(), 2);
    EXPECT_EQ(source.moves,
              (std::vector<std::pair<IndexPath, IndexPath>>{{IndexPath(1, 1), IndexPath(1, 3)}}));
    EXPECT_EQ(shownTexts(1), QStringList({"A", "C", "D", "B"}));
    EXPECT_EQ(shownTexts(2), QStringList({"X", "Y"}));
}

TEST_F(TableViewReorderTest, rowsPassOneAnotherHalfWayAndDropsInPlaceMoveNothing) {
    const int rowHeight = table->rectForRowAtIndexPath({1, 0}).height();
    // Less than half a row: B stays where it is, and no move is reported.
    drag(grip(1), grip(1) + QPoint(0, rowHeight / 2 - 4));
    EXPECT_TRUE(source.moves.empty());

    // Two rows down: row 1 to row 3 gives A, C, D, B; then row 3 back up one gives A, C, B, D.
    drag(grip(1), grip(1) + QPoint(0, 2 * rowHeight));
    EXPECT_EQ(shownTexts(1), QStringList({"A", "C", "D", "B"}));
    drag(grip(3), grip(3) - QPoint(0, rowHeight));
    EXPECT_EQ(source.moves, (std::vector<std::pair<IndexPath, IndexPath>>{
                                {IndexPath(1, 1), IndexPath(1, 3)}, {IndexPath(1, 3), IndexPath(1, 2)}}));
    EXPECT_EQ(shownTexts(1), QStringList({"A", "C", "B", "D"}));

    // There and back again before letting go.
    source.moves.clear();
    const QPoint start = grip(0);
    const QRect firstRow = table->rectForRowAtIndexPath({1, 0});
    QWidget* held = viewport()->childAt(start);
    QTest::mousePress(held, Qt::LeftButton, {}, held->mapFrom(viewport(), start));
    QTest::mouseMove(held, held->mapFrom(viewport(), start + QPoint(0, rowHeight * 2)));
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 1}), firstRow) << "C moved up while A was held two rows lower";
    QTest::mouseMove(held, held->mapFrom(viewport(), start));
    QTest::mouseRelease(held, Qt::LeftButton, {}, held->mapFrom(viewport(), start));
    EXPECT_TRUE(source.moves.empty());
    EXPECT_EQ(shownTexts(1), QStringList({"A", "C", "B", "D"}));
}

TEST_F(TableViewReorderTest, keysMoveTheFocusedRowThroughTheDataSourceAsADragDoes) {
    table->setFocus();
    table->selectRowAtIndexPath({1, 1});
    QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier); // the delegate keeps B in its section
    EXPECT_EQ(shownTexts(1), QStringList({"A", "C", "D", "B"}));
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(1, 3)) << "the focus goes with the row";
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(shownTexts(1), QStringList({"B", "A", "C", "D"}));
    EXPECT_EQ(source.moves,
              (std::vector<std::pair<IndexPath, IndexPath>>{{IndexPath(1, 1), IndexPath(1, 2)},
                                                            {IndexPath(1, 2), IndexPath(1, 3)},
                                                            {IndexPath(1, 3), IndexPath(1, 2)},
                                                            {IndexPath(1, 2), IndexPath(1, 1)},
                                                            {IndexPath(1, 1), IndexPath(1, 0)}}));

    // The add row has no grip, and outside editing the keys move nothing.
    QTest::keyClick(table, Qt::Key_Up);
    QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier);
    table->setEditing(false);
    table->selectRowAtIndexPath({1, 2});
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(source.moves.size(), 5u);
}

TEST_F(TableViewReorderTest, onlyMovableRowsHaveAGripAndOutsideEditingThereIsNone) {
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 0})->reorderControlRect().isEmpty());
    EXPECT_TRUE(table->cellForRowAtIndexPath({2, 0})->reorderControlRect().isEmpty());
    table->setEditing(false);
    const QRect a = table->rectForRowAtIndexPath({1, 0});
    drag(QPoint(a.right() - 10, a.center().y()), QPoint(a.right() - 10, a.center().y() + 3 * a.height()));
    EXPECT_TRUE(source.moves.empty());
    EXPECT_TRUE(source.targetQuestions.empty());
}

} // namespace
