#include "TableViewTestSupport.h"

#include <QImage>

using namespace tabletest;

namespace {

bool anyPixelDiffers(const QImage& image, const QRect& area, const QColor& background) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != background)
                return true;
        }
    }
    return false;
}

TEST_F(TableViewTest, groupedSectionsStackTitlesAndRowsInOrder) {
    source.sections = {
        {"Exchange Rates", "Download exchange rates\nfor 190+ world currencies", {"Automatic Updates"}},
        {"", "", {"USD", "EUR"}},
        {"Master Currency", "", {}}};
    show(TableView::Style::Grouped);

    ASSERT_EQ(table->numberOfSections(), 3);
    EXPECT_EQ(table->numberOfRowsInSection(0), 1);
    EXPECT_EQ(table->numberOfRowsInSection(1), 2);
    EXPECT_EQ(table->numberOfRowsInSection(2), 0);
    EXPECT_EQ(table->numberOfRowsInSection(7), 0);
    EXPECT_EQ(shownTexts(1), QStringList({"USD", "EUR"}));

    // Rows sit in a group inset from both edges, right under their header, one after the other.
    const QRect first = table->rectForRowAtIndexPath({0, 0});
    EXPECT_EQ(first, QRect(10, table->rectForHeaderInSection(0).bottom() + 1, 300, 44));
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 0}).top(),
              table->rectForFooterInSection(0).bottom() + 1 + table->rectForHeaderInSection(1).height());
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 1}).top(), table->rectForRowAtIndexPath({1, 0}).bottom() + 1);
    EXPECT_TRUE(table->rectForRowAtIndexPath({2, 0}).isNull());

    // A title takes room (two lines more than one); a section without titles keeps only a small gap.
    const int gap = table->rectForHeaderInSection(1).height();
    EXPECT_GT(table->rectForHeaderInSection(0).height(), gap);
    EXPECT_GT(table->rectForFooterInSection(0).height(), table->rectForHeaderInSection(0).height());
    EXPECT_EQ(table->rectForFooterInSection(1).height(), gap);

    // Titles are drawn where they are, and nothing is drawn in an untitled gap.
    const QImage image = viewport()->grab().toImage();
    const QColor background = image.pixelColor(2, 2);
    EXPECT_TRUE(anyPixelDiffers(image, table->rectForHeaderInSection(0), background));
    EXPECT_TRUE(anyPixelDiffers(image, table->rectForFooterInSection(0), background));
    EXPECT_TRUE(anyPixelDiffers(image, table->rectForHeaderInSection(2), background));
    EXPECT_FALSE(anyPixelDiffers(image, table->rectForHeaderInSection(1).adjusted(0, 0, 0, -2), background));
}

TEST_F(TableViewTest, plainRowsSpanTheWidthAndOnlyTitledSectionsGetABar) {
    source.sections = {{"", "", {"a", "b"}}, {"Letters", "", {"c"}}};
    show(TableView::Style::Plain);

    EXPECT_EQ(table->rectForHeaderInSection(0).height(), 0);
    EXPECT_EQ(table->rectForRowAtIndexPath({0, 0}), QRect(0, 0, 320, 44));
    EXPECT_EQ(table->rectForHeaderInSection(1).top(), 88);
    EXPECT_EQ(table->rectForRowAtIndexPath({1, 0}).top(), 88 + table->rectForHeaderInSection(1).height());
    EXPECT_GT(table->rectForHeaderInSection(1).height(), 0);
}

TEST_F(TableViewTest, cellsScrolledAwayAreReusedByIdentifierAndKeepTheirTaggedViews) {
    QStringList rows;
    for (int i = 0; i < 200; ++i)
        rows.append(i % 5 == 0 ? QStringLiteral("Other %1").arg(i) : QStringLiteral("Row %1").arg(i));
    source.sections = {{"", "", rows}};
    source.otherKindPrefix = "Other";
    show(TableView::Style::Plain);

    // Only the rows on screen have cells, and none is spare yet.
    EXPECT_EQ(table->visibleCells().size(), 11); // 480 / 44, the last one cut
    EXPECT_EQ(source.cellsMade, 11);
    EXPECT_EQ(table->dequeueReusableCellWithIdentifier("Cell"), nullptr);

    // Dragging the rows up by 100 points pushes rows 0 and 1 out and brings rows from 11 on in: row 1's
    // cell comes back for one of them, while row 0's cell, of the other kind, waits in the pool.
    TableViewCell* rowOneCell = table->cellForRowAtIndexPath({0, 1});
    TableViewCell* rowZeroCell = table->cellForRowAtIndexPath({0, 0});
    drag(QPoint(160, 300), QPoint(160, 200));
    EXPECT_EQ(table->verticalScrollBar()->value(), 100);
    EXPECT_TRUE(source.selected.empty()) << "a drag that scrolls selects nothing";
    EXPECT_EQ(table->cellForRowAtIndexPath({0, 0}), nullptr);
    const auto reusedFor = table->indexPathForCell(rowOneCell);
    ASSERT_TRUE(reusedFor);
    EXPECT_GE(reusedFor->row(), 11);
    EXPECT_EQ(table->cellForRowAtIndexPath(*reusedFor), rowOneCell);
    EXPECT_EQ(shownText(*reusedFor), source.text(*reusedFor));
    auto spare = table->dequeueReusableCellWithIdentifier("OtherCell");
    EXPECT_EQ(spare.get(), rowZeroCell);
    EXPECT_FALSE(spare->isVisible());
    spare.reset();

    // All the way down and back: a handful of cells serve all 200 rows, each of its row's kind.
    for (int row = 0; row < 200; row += 7)
        table->scrollToRowAtIndexPath({0, row}, TableView::ScrollPosition::Top);
    table->scrollToRowAtIndexPath({0, 199}, TableView::ScrollPosition::Bottom);
    EXPECT_EQ(table->rectForRowAtIndexPath({0, 199}).bottom(), viewport()->height() - 1);
    EXPECT_LE(source.cellsMade, 16);
    for (TableViewCell* cell : table->visibleCells()) {
        const IndexPath path = *table->indexPathForCell(cell);
        EXPECT_EQ(shownText(path), source.text(path));
        EXPECT_EQ(cell->reuseIdentifier(), path.row() % 5 == 0 ? "OtherCell" : "Cell");
        EXPECT_EQ(cell->geometry(), table->rectForRowAtIndexPath(path));
    }
}

TEST_F(TableViewTest, tappingARowSelectsItAndTellsTheDelegateOnce) {
    source.sections = {{"", "", {"a", "b", "c"}}};
    show();

    clickRow({0, 1});
    EXPECT_EQ(source.selected, std::vector<IndexPath>{IndexPath(0, 1)});
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(0, 1));
    TableViewCell* b = table->cellForRowAtIndexPath({0, 1});
    EXPECT_TRUE(b->isSelected());
    EXPECT_TRUE(b->isHighlighted());
    EXPECT_TRUE(viewWithTag<Label>(b->contentView(), kTextTag)->isHighlighted());
    EXPECT_TRUE(viewWithTag<Label>(b, kBadgeTag)->isHighlighted());

    clickRow({0, 2});
    EXPECT_EQ(source.selected, (std::vector<IndexPath>{IndexPath(0, 1), IndexPath(0, 2)}));
    EXPECT_FALSE(b->isHighlighted());
    EXPECT_FALSE(viewWithTag<Label>(b->contentView(), kTextTag)->isHighlighted());

    // A press that slides off its row before the release selects nothing.
    const QRect a = table->rectForRowAtIndexPath({0, 0});
    QTest::mousePress(viewport(), Qt::LeftButton, {}, a.center());
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 0})->isHighlighted());
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, QPoint(a.center().x(), 300));
    EXPECT_EQ(source.selected.size(), 2u);
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 0})->isHighlighted());
}

TEST_F(TableViewTest, willSelectCanRefuseOrRedirectTheSelection) {
    source.sections = {{"", "", {"switch row"}}, {"", "", {"a", "b", "c"}}};
    source.willSelect = [](const IndexPath& path) -> std::optional<IndexPath> {
        if (path.section() == 0)
            return std::nullopt;
        if (path == IndexPath(1, 2))
            return IndexPath(1, 0);
        return path;
    };
    show();

    clickRow({0, 0});
    EXPECT_TRUE(source.selected.empty());
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 0})->isHighlighted());

    clickRow({1, 2});
    EXPECT_EQ(source.selected, std::vector<IndexPath>{IndexPath(1, 0)});
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(1, 0));
    EXPECT_TRUE(table->cellForRowAtIndexPath({1, 0})->isHighlighted());
    EXPECT_FALSE(table->cellForRowAtIndexPath({1, 2})->isHighlighted());

    // A refused tap leaves the existing selection alone.
    clickRow({0, 0});
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(1, 0));
}

TEST_F(TableViewTest, animatedDeselectionEndsTheSelectionAtOnceAndFadesTheHighlight) {
    source.sections = {{"", "", {"a", "b"}}};
    source.willSelect = [this](const IndexPath& path) -> std::optional<IndexPath> {
        // Like a row that only flashes: take it off again at once, with animation.
        if (path.row() == 1) {
            table->deselectRowAtIndexPath(path, true);
            return std::nullopt;
        }
        return path;
    };
    show();

    clickRow({0, 0});
    TableViewCell* cell = table->cellForRowAtIndexPath({0, 0});
    table->deselectRowAtIndexPath({0, 0}, true);
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    EXPECT_FALSE(cell->isSelected());
    EXPECT_TRUE(cell->isHighlighted()) << "still fading";
    EXPECT_TRUE(kittest::waitUntil([&] { return !cell->isHighlighted(); }));
    EXPECT_FALSE(viewWithTag<Label>(cell->contentView(), kTextTag)->isHighlighted());

    clickRow({0, 1});
    TableViewCell* flashed = table->cellForRowAtIndexPath({0, 1});
    EXPECT_TRUE(flashed->isHighlighted()) << "the fade started by the delegate runs on";
    EXPECT_TRUE(kittest::waitUntil([&] { return !flashed->isHighlighted(); }));
    EXPECT_TRUE(source.selected.size() == 1u);
}

TEST_F(TableViewTest, reloadDataShowsTheChangedDataAndDropsTheSelection) {
    source.sections = {{"Old", "", {"a", "b"}}};
    show();
    clickRow({0, 1});
    const int oldHeaderHeight = table->rectForHeaderInSection(0).height();

    source.sections = {{"", "", {"x"}}, {"New", "", {"y", "z"}}};
    EXPECT_EQ(table->numberOfSections(), 1) << "the table answers from its last load";
    table->reloadData();
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(shownTexts(0), QStringList({"x"}));
    EXPECT_EQ(shownTexts(1), QStringList({"y", "z"}));
    EXPECT_LT(table->rectForHeaderInSection(0).height(), oldHeaderHeight);
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    for (TableViewCell* cell : table->visibleCells())
        EXPECT_FALSE(cell->isHighlighted());
    EXPECT_EQ(table->visibleCells().size(), 3);
}

TEST_F(TableViewTest, arrowKeysMoveTheSelectionAcrossSectionsAndReturnChoosesIt) {
    source.sections = {{"", "", {"a", "b"}}, {"", "", {}}, {"", "", {"c"}}};
    show();
    table->setFocus();

    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(0, 0));
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down); // over the empty section
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(2, 0));
    QTest::keyClick(table, Qt::Key_Down); // nothing further down
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(2, 0));
    EXPECT_TRUE(source.selected.empty()) << "moving is not choosing";

    QTest::keyClick(table, Qt::Key_Up);
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(0, 1));
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 1})->isHighlighted());
    EXPECT_FALSE(table->cellForRowAtIndexPath({2, 0})->isHighlighted());
    QTest::keyClick(table, Qt::Key_Return);
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(source.selected, (std::vector<IndexPath>{IndexPath(0, 1), IndexPath(0, 1)}));
}

TEST_F(TableViewTest, theFocusedRowIsDrawnFromTheFirstTabAndDroppedWhenTheFocusMovesOn) {
    source.sections = {{"", "", {"a", "b"}}};
    show();
    QWidget next(&window); // what the focus moves on to
    next.setFocusPolicy(Qt::StrongFocus);
    next.setGeometry(0, 470, 320, 10);
    next.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    next.setFocus();

    QTest::keyClick(&next, Qt::Key_Tab);
    ASSERT_TRUE(table->hasFocus());
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 0})->isHighlighted());
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Tab);
    ASSERT_TRUE(next.hasFocus());
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 1})->isHighlighted());

    // Back by Backtab, to the row the keyboard was on; a click brings no highlight of its own.
    QTest::keyClick(&next, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 1})->isHighlighted());
    next.setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, QPoint(5, 470 - 5));
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    EXPECT_TRUE(source.selected.empty());
}

TEST_F(TableViewTest, theDetailButtonIsTappedApartFromTheRowAndTheDelegateChoosesAccessories) {
    source.sections = {{"", "", {"a", "b"}}};
    source.accessory = [](const IndexPath& path) -> std::optional<TableViewCell::AccessoryType> {
        if (path.row() == 0)
            return TableViewCell::AccessoryType::DetailDisclosureButton;
        return std::nullopt;
    };
    show();
    TableViewCell* b = table->cellForRowAtIndexPath({0, 1});
    b->setAccessoryType(TableViewCell::AccessoryType::Checkmark);
    EXPECT_EQ(b->displayedAccessoryType(), TableViewCell::AccessoryType::Checkmark);
    EXPECT_EQ(table->cellForRowAtIndexPath({0, 0})->displayedAccessoryType(),
              TableViewCell::AccessoryType::DetailDisclosureButton);

    // The content ends where the accessory begins.
    TableViewCell* a = table->cellForRowAtIndexPath({0, 0});
    EXPECT_EQ(a->contentView()->geometry().right() + 1, a->accessoryRect().left());

    clickAt(controlCentre({0, 0}, &TableViewCell::accessoryRect));
    EXPECT_EQ(source.accessoryTaps, std::vector<IndexPath>{IndexPath(0, 0)});
    EXPECT_TRUE(source.selected.empty());
    EXPECT_FALSE(a->isHighlighted());

    clickAt(controlCentre({0, 1}, &TableViewCell::accessoryRect)); // a check mark is no button
    EXPECT_EQ(source.accessoryTaps.size(), 1u);
    EXPECT_EQ(source.selected, std::vector<IndexPath>{IndexPath(0, 1)});
}

TEST_F(TableViewTest, theSectionIndexJumpsToTheSectionItsDataSourceNames) {
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const QChar letter : letters) {
        source.sections.push_back({QString(letter), "", {}});
        source.indexTitles.append(QString(letter));
    }
    source.sections[2].rows = numbered("C", 6);
    source.sections[6].rows = numbered("G", 4);
    source.sections[20].rows = numbered("U", 2);
    show(TableView::Style::Plain);

    // Rows make room for the index along the right edge.
    EXPECT_EQ(table->rectForRowAtIndexPath({2, 0}).width(), 320 - 30);
    const QRect g = table->rectForSectionIndexTitle(6);
    EXPECT_GE(g.left(), 290);

    clickAt(g.center());
    EXPECT_EQ(source.indexQuestions.back(), std::make_pair(QString("G"), 6));
    EXPECT_EQ(table->rectForHeaderInSection(6).top(), 0);
    EXPECT_EQ(shownText({6, 0}), "G0");

    // Dragging along the index follows the finger; near the end the table cannot scroll any further.
    drag(table->rectForSectionIndexTitle(0).center(), table->rectForSectionIndexTitle(20).center());
    EXPECT_EQ(source.indexQuestions.back(), std::make_pair(QString("U"), 20));
    EXPECT_EQ(table->verticalScrollBar()->value(), table->verticalScrollBar()->maximum());
    EXPECT_EQ(shownText({20, 1}), "U1");
    EXPECT_TRUE(source.selected.empty());
}

} // namespace
