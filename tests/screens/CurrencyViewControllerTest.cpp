#include "CurrencyViewController.h"

#include "AlertView.h"
#include "BarButton.h"
#include "Bundle.h"
#include "CurrencyScreensFixture.h"
#include "DisplayFormatters.h"
#include "EditViewController.h"
#include "FocusRingButton.h"
#include "ImageView.h"
#include "Label.h"
#include "LocalFigures.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "SelectionViewController.h"
#include "Theme.h"

#include <QAbstractButton>
#include <QScrollBar>

namespace {

using Tag = CurrencyViewController::Tag;

class CurrencyViewControllerTest : public CurrencyScreensFixture {
protected:
    void SetUp() override {
        CurrencyScreensFixture::SetUp();
        start(); // local USD; list EUR (current), GBP, JPY with starting rates
    }

    CurrencyViewController* showList(const QString& rateServerHost = QStringLiteral("127.0.0.1")) {
        auto screen = std::make_unique<CurrencyViewController>(
            *manager, [this] { return internetReachable; }, rateServerHost);
        CurrencyViewController* raw = show(std::move(screen));
        table = raw->tableView();
        return raw;
    }

    // Replaces the list by records of these codes, the first one current.
    void setList(const QStringList& codes) {
        ForeignCurrency::List list;
        for (const QString& code : codes)
            list << ForeignCurrency::create(code);
        manager->setForeignCurrencies(list);
        manager->setForeignCurrency(list.first());
        table->reloadData();
    }

    QString header(int section) { return table->dataSource()->titleForHeaderInSection(table, section); }

    // The row that carries the check mark, or -1.
    int checkedRow() {
        int checked = -1;
        for (int row = 0; row < table->numberOfRowsInSection(1); ++row) {
            TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, row));
            auto* check = cell ? viewWithTag<ImageView>(cell->contentView(), Tag::CheckImageTag) : nullptr;
            if (check && !check->image().isNull()) {
                EXPECT_EQ(checked, -1) << "two check marks";
                checked = row;
            }
        }
        return checked;
    }

    void clickBarButton(bool right) {
        BarButton* button =
            right ? navigation->navigationBar()->rightButton() : navigation->navigationBar()->leftButton();
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Turns the editing state on with the Edit button and waits until the rows have slid over.
    void startEditing(CurrencyViewController* screen) {
        clickBarButton(true);
        ASSERT_TRUE(screen->isEditing());
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, 0));
        ASSERT_TRUE(cell);
        ASSERT_TRUE(waitUntil([cell] { return cell->reorderControlRect().right() == cell->width() - 1; }));
    }

    void clickInCell(const IndexPath& indexPath, const QRect& cellRect) {
        TableViewCell* cell = table->cellForRowAtIndexPath(indexPath);
        ASSERT_TRUE(cell);
        ASSERT_FALSE(cellRect.isEmpty());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          cell->mapTo(table->viewport(), cellRect.center()));
    }

    // Drags the row by its reorder grip so that the pointer ends `dy` points lower (or higher).
    void dragRow(int row, int dy) {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, row));
        ASSERT_TRUE(cell);
        const QPoint start = cell->mapTo(table->viewport(), cell->reorderControlRect().center());
        QWidget* viewport = table->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        const int steps = 8;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(viewport, start + QPoint(0, dy * i / steps));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(0, dy));
    }

    AlertView* shownAlert() { return window->findChild<AlertView*>(); }

    SelectionViewController* presentedPicker(CurrencyViewController* screen) {
        SelectionViewController* picker = nullptr;
        EXPECT_TRUE(waitUntil([&] {
            picker = qobject_cast<SelectionViewController*>(navigation->modalViewController());
            return picker && picker->appearance() == ViewController::Appearance::Appeared;
        }));
        (void)screen;
        return picker;
    }

    bool pickerClosed() {
        return waitUntil([this] {
            return !navigation->modalViewController() &&
                   navigation->appearance() == ViewController::Appearance::Appeared;
        });
    }

    bool internetReachable = true;
    TableView* table = nullptr;
};

TEST_F(CurrencyViewControllerTest, showsAnAddRowAndOneRowPerCurrencyWithItsRateDateAndCheckMark) {
    manager->insertForeignCurrency(ForeignCurrency::create("XAU"), 3); // in the catalogue, without a rate
    const auto gbp = manager->foreignCurrencies().at(1);
    gbp->setLastUpdate(QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    CurrencyViewController* screen = showList();

    EXPECT_EQ(screen->title(), "Currencies");
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(header(0), "Add Currency ");
    EXPECT_EQ(header(1), "Select a Foreign Currency");
    EXPECT_EQ(table->numberOfRowsInSection(0), 1);
    EXPECT_EQ(table->numberOfRowsInSection(1), 4);
    EXPECT_EQ(table->cellForRowAtIndexPath(IndexPath(0, 0))->textLabel()->text(), "Add Foreign Currency");

    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::CodeLabelTag), "EUR");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::NameLabelTag), "Euro");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::RateLabelTag), local("0.90000"));
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::UpdateLabelTag), "Never");
    EXPECT_EQ(textAt(table, IndexPath(1, 1), Tag::UpdateLabelTag),
              shortUpdateDateFormatter().stringFromDate(gbp->lastUpdate()));
    EXPECT_EQ(textAt(table, IndexPath(1, 2), Tag::RateLabelTag), local("150.50000"));
    EXPECT_EQ(textAt(table, IndexPath(1, 3), Tag::CodeLabelTag), "XAU");
    EXPECT_EQ(textAt(table, IndexPath(1, 3), Tag::RateLabelTag), "Unknown");
    EXPECT_EQ(checkedRow(), 0);
    // A rate too small for five decimals (a dollar in rials) shows four significant figures.
    manager->foreignCurrencies().first()->setRate(Decimal::fromString("0.00000072727"));
    table->reloadData();
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::RateLabelTag), local("0.0000007273"));

    // The rate and date keep their distance to the right edge of the row; a large rate shrinks to
    // show every digit.
    manager->foreignCurrencies().first()->setRate(Decimal::fromString("25345.678"));
    table->reloadData();
    TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, 0));
    auto* rate = viewWithTag<Label>(cell->contentView(), Tag::RateLabelTag);
    EXPECT_EQ(cell->contentView()->width() - rate->geometry().right() - 1, 10);
    EXPECT_EQ(rate->displayedText(), local("25345.67800"));
}

TEST_F(CurrencyViewControllerTest, rowsShowWholeNamesAndAnUncoveredCodeInBothModesAt320Points) {
    CurrencyViewController* screen = showList();
    ASSERT_EQ(window->size(), QSize(320, 480));
    QString longest;
    for (const QVariant& name : Bundle::mainBundle().dictionaryForResource("Currencies"))
        longest = std::max(longest, name.toString(),
                           [](const QString& a, const QString& b) { return a.size() < b.size(); });
    setList({"XXL", "GBP", "JPY"});
    manager->foreignCurrencies().first()->setLabel(longest);
    for (const auto& record : manager->foreignCurrencies()) {
        manager->addLabelToCurrency(*record);
        record->setLastUpdate(QDateTime(QDate(2026, 12, 28), QTime(23, 59)));
    }
    table->reloadData();
    // Where a label's text is drawn, its longest line wide.
    const auto drawnText = [](QWidget* content, int tag) {
        auto* label = viewWithTag<Label>(content, tag);
        int width = 0;
        for (const QString& line : label->displayedText().split(u'\n'))
            width = std::max(width, QFontMetrics(label->displayedFont()).horizontalAdvance(line));
        if (!label->isVisibleTo(content))
            width = 0;
        const QRect frame = label->geometry();
        return label->alignment() & Qt::AlignRight
                   ? QRect(frame.right() - width, frame.top(), width, frame.height())
                   : QRect(frame.left(), frame.top(), width, frame.height());
    };
    for (const bool editing : {false, true}) {
        SCOPED_TRACE(editing ? "editing" : "not editing");
        if (editing)
            startEditing(screen);
        for (int row = 0; row < 3; ++row) {
            TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, row));
            ASSERT_TRUE(cell);
            QWidget* content = cell->contentView();
            auto* name = viewWithTag<Label>(content, Tag::NameLabelTag);
            EXPECT_FALSE(name->displayedText().contains(u'…'))
                << "cut: " << name->displayedText().toStdString();
            EXPECT_FALSE(
                drawnText(content, Tag::NameLabelTag).intersects(drawnText(content, Tag::UpdateLabelTag)));
            EXPECT_LE(name->geometry().bottom(), content->height());
            EXPECT_LT(viewWithTag(content, Tag::CheckImageTag)->geometry().right(),
                      viewWithTag(content, Tag::CodeLabelTag)->geometry().left())
                << "the check mark covers the code";
        }
    }
}

TEST_F(CurrencyViewControllerTest, tappingARowMakesItCurrentMovesTheCheckMarkAndUnhighlights) {
    CurrencyViewController* screen = showList();
    const auto jpy = manager->foreignCurrencies().at(2);

    clickRow(table, IndexPath(1, 2));

    EXPECT_EQ(manager->foreignCurrency(), jpy);
    EXPECT_EQ(checkedRow(), 2);
    EXPECT_FALSE(table->indexPathForSelectedRow());
    EXPECT_FALSE(screen->isEditing());
}

TEST_F(CurrencyViewControllerTest, editingStateChangesTheHeaderAccessoriesAndControls) {
    CurrencyViewController* screen = showList();
    startEditing(screen);

    EXPECT_EQ(header(0), "Add Currency ");
    EXPECT_EQ(header(1), "Edit a Foreign Currency");
    BarButton* done = navigation->navigationBar()->rightButton();
    EXPECT_EQ(done->text(), "Done");
    EXPECT_GE(done->width(), done->sizeHint().width()) << "the wider Done button is not cut";
    for (int row = 0; row < 3; ++row) {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, row));
        EXPECT_EQ(cell->displayedAccessoryType(), TableViewCell::AccessoryType::DisclosureIndicator);
        EXPECT_TRUE(cell->isShowingDeleteControl());
        EXPECT_TRUE(cell->isShowingReorderControl());
    }
    // The controls narrow the row: the date makes room for the name.
    TableViewCell* first = table->cellForRowAtIndexPath(IndexPath(1, 0));
    EXPECT_FALSE(viewWithTag(first->contentView(), Tag::UpdateLabelTag)->isVisibleTo(first->contentView()));
    TableViewCell* add = table->cellForRowAtIndexPath(IndexPath(0, 0));
    EXPECT_FALSE(add->isShowingDeleteControl());
    EXPECT_FALSE(add->isShowingReorderControl());

    clickBarButton(true); // Done
    EXPECT_FALSE(screen->isEditing());
    EXPECT_EQ(header(1), "Select a Foreign Currency");
    EXPECT_EQ(table->cellForRowAtIndexPath(IndexPath(1, 0))->displayedAccessoryType(),
              TableViewCell::AccessoryType::None);
}

TEST_F(CurrencyViewControllerTest, deletingTheCurrentCurrencyMovesTheCheckMarkToTheFirstRow) {
    CurrencyViewController* screen = showList();
    clickRow(table, IndexPath(1, 1)); // GBP current
    startEditing(screen);

    clickInCell(IndexPath(1, 1), table->cellForRowAtIndexPath(IndexPath(1, 1))->deleteControlRect());
    ASSERT_TRUE(table->cellForRowAtIndexPath(IndexPath(1, 1))->isShowingDeleteConfirmation());
    clickInCell(IndexPath(1, 1), table->cellForRowAtIndexPath(IndexPath(1, 1))->deleteConfirmationRect());

    EXPECT_EQ(codes(*manager), QStringList({"EUR", "JPY"}));
    EXPECT_EQ(manager->foreignCurrency(), manager->foreignCurrencies().first());
    ASSERT_TRUE(waitUntil([this] { return table->numberOfRowsInSection(1) == 2; }));
    EXPECT_EQ(checkedRow(), 0);
    EXPECT_TRUE(screen->isEditing());
}

TEST_F(CurrencyViewControllerTest, theLastCurrencyHasNoDeleteControlButCanStillBeDraggedOntoItself) {
    CurrencyViewController* screen = showList();
    setList({"EUR"});
    startEditing(screen);

    TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, 0));
    EXPECT_FALSE(cell->isShowingDeleteControl());
    EXPECT_TRUE(cell->isShowingReorderControl());
    EXPECT_EQ(screen->editingStyleForRowAtIndexPath(table, IndexPath(1, 0)),
              TableViewCell::EditingStyle::None);

    dragRow(0, -200);
    dragRow(0, 200);
    EXPECT_EQ(codes(*manager), QStringList({"EUR"}));
}

TEST_F(CurrencyViewControllerTest, movesKeepTheOtherRecordsInOrderAndTheCurrentRecord) {
    CurrencyViewController* screen = showList();
    struct Move {
        int from, to;
        QStringList result;
    };
    const Move moves[] = {{3, 1, {"EUR", "JPY", "GBP", "CHF"}},
                          {1, 3, {"EUR", "CHF", "JPY", "GBP"}},
                          {1, 2, {"EUR", "CHF", "GBP", "JPY"}},
                          {2, 1, {"EUR", "CHF", "GBP", "JPY"}}};
    for (const Move& move : moves) {
        SCOPED_TRACE(QString("%1 -> %2").arg(move.from).arg(move.to).toStdString());
        setList({"EUR", "GBP", "CHF", "JPY"}); // A, B, C, D
        const auto current = manager->foreignCurrencies().at(move.from);
        manager->setForeignCurrency(current);
        screen->moveRowAtIndexPath(table, IndexPath(1, move.from), IndexPath(1, move.to));
        EXPECT_EQ(codes(*manager), move.result);
        EXPECT_EQ(manager->foreignCurrency(), current);
        EXPECT_EQ(manager->foreignCurrencies().at(move.to), current);
    }
}

TEST_F(CurrencyViewControllerTest, moveTargetsStayInsideTheCurrencySection) {
    CurrencyViewController* screen = showList();
    setList({"EUR", "GBP", "CHF", "JPY"});
    const IndexPath from(1, 2);
    EXPECT_EQ(screen->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(0, 0)),
              IndexPath(1, 0));
    EXPECT_EQ(screen->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(0, 1)),
              IndexPath(1, 0));
    EXPECT_EQ(screen->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(1, 3)),
              IndexPath(1, 3));
    EXPECT_EQ(screen->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(1, 4)),
              IndexPath(1, 3));
    EXPECT_EQ(screen->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(1, 0)),
              IndexPath(1, 0));
}

TEST_F(CurrencyViewControllerTest, draggingAboveTheSectionOrPastTheLastRowLandsAtItsEnds) {
    CurrencyViewController* screen = showList();
    setList({"EUR", "GBP", "CHF", "JPY"});
    const auto chf = manager->foreignCurrencies().at(2);
    manager->setForeignCurrency(chf);
    startEditing(screen);

    dragRow(2, -400); // over the add row and the headers
    EXPECT_EQ(codes(*manager), QStringList({"CHF", "EUR", "GBP", "JPY"}));
    EXPECT_EQ(manager->foreignCurrency(), chf);

    dragRow(0, 400); // far below the last row
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY", "CHF"}));
    EXPECT_EQ(manager->foreignCurrency(), chf);
    EXPECT_EQ(checkedRow(), 3);
}

TEST_F(CurrencyViewControllerTest, addRowEndsEditingAndPicksANewCodeOntoTheTop) {
    CurrencyViewController* screen = showList();
    startEditing(screen);

    clickRow(table, IndexPath(0, 0));
    EXPECT_FALSE(screen->isEditing());
    SelectionViewController* picker = presentedPicker(screen);
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->context().toString(), "foreign");
    EXPECT_EQ(picker->delegate(), screen);

    QTest::keyClicks(picker->searchField(), "swiss");
    clickRow(picker->tableView(), IndexPath(0, 0));

    ASSERT_TRUE(pickerClosed());
    EXPECT_EQ(codes(*manager), QStringList({"CHF", "EUR", "GBP", "JPY"}));
    EXPECT_EQ(manager->foreignCurrency()->currencyCode(), "CHF");
    EXPECT_EQ(manager->foreignCurrency()->label(), "Swiss Franc");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::RateLabelTag), local("0.88000")); // the starting rate
    EXPECT_EQ(checkedRow(), 0);
}

TEST_F(CurrencyViewControllerTest, catalogueNamesShowInTheUsersLanguageAndThePickerFindsThemInBoth) {
    textLanguages = {QStringLiteral("de_DE")};
    start();
    CurrencyViewController* screen = showList();
    EXPECT_EQ(textAt(table, IndexPath(1, 1), Tag::NameLabelTag), "Britisches Pfund");
    EXPECT_EQ(manager->foreignCurrencies().at(1)->label(), "British Pound") << "shown, not stored";

    clickRow(table, IndexPath(0, 0));
    SelectionViewController* picker = presentedPicker(screen);
    ASSERT_TRUE(picker);
    const int g = int(SelectionViewController::sectionIndex().indexOf("G"));
    EXPECT_EQ(textAt(picker->tableView(), IndexPath(g, 0), SelectionViewController::NameLabelTag),
              "Britisches Pfund");
    for (const char* search : {"pfund", "POUND", "britisch"}) {
        picker->searchField()->clear();
        QTest::keyClicks(picker->searchField(), search);
        EXPECT_EQ(picker->tableView()->numberOfSections(), 1) << search;
        EXPECT_EQ(picker->tableView()->numberOfRowsInSection(0), 1) << search;
        EXPECT_EQ(picker->codeAtIndexPath(IndexPath(0, 0)), "GBP") << search;
    }
}

// The usual default face, DejaVu Sans, draws Arabic letters at two thirds of the height of its Latin
// ones: a row's Arabic name at the names' 10 points could hardly be read.
TEST(CurrencyRowNames, anArabicNameLooksNearlyAsLargeAsALatinOne) {
    const auto inkHeight = [](const QString& text) {
        Label label(text);
        label.setFont(Theme::systemFont(10));
        label.resize(200, 30);
        const QImage image = label.grab().toImage();
        int top = image.height();
        int bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    top = std::min(top, y);
                    bottom = y;
                }
        return bottom - top + 1;
    };
    // Letters without dots, ascenders or descenders: the body of each script.
    EXPECT_GE(inkHeight(QStringLiteral("\u066E\u066E\u066E")), 0.75 * inkHeight(QStringLiteral("xxx")));
}

TEST_F(CurrencyViewControllerTest, pickingACodeAlreadyListedMovesThatRecordToTheTop) {
    CurrencyViewController* screen = showList();
    const auto jpy = manager->foreignCurrencies().at(2);
    clickRow(table, IndexPath(0, 0));
    SelectionViewController* picker = presentedPicker(screen);
    ASSERT_TRUE(picker);

    screen->didSelectCurrency(picker, "JPY");

    ASSERT_TRUE(pickerClosed());
    EXPECT_EQ(codes(*manager), QStringList({"JPY", "EUR", "GBP"}));
    EXPECT_EQ(manager->foreignCurrencies().first(), jpy);
    EXPECT_EQ(manager->foreignCurrency(), jpy);
    EXPECT_EQ(checkedRow(), 0);
}

TEST_F(CurrencyViewControllerTest, cancelInThePickerChangesNothing) {
    CurrencyViewController* screen = showList();
    const auto current = manager->foreignCurrency();
    clickRow(table, IndexPath(0, 0));
    SelectionViewController* picker = presentedPicker(screen);
    ASSERT_TRUE(picker);

    QTest::mouseClick(picker->view()->findChild<NavigationBar*>()->leftButton(), Qt::LeftButton);

    ASSERT_TRUE(pickerClosed());
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
    EXPECT_EQ(manager->foreignCurrency(), current);
}

TEST_F(CurrencyViewControllerTest, aSearchWithoutMatchOpensTheEditorWithTheSearchAsItsCode) {
    CurrencyViewController* screen = showList();
    clickRow(table, IndexPath(0, 0));
    SelectionViewController* picker = presentedPicker(screen);
    ASSERT_TRUE(picker);

    // Typed straight into the search; Enter on the one row there is does what More does.
    QTest::keyClicks(window->focusWidget(), "zzz");
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);

    ASSERT_TRUE(pickerClosed());
    auto* editor = qobject_cast<EditViewController*>(navigation->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->mode(), EditViewController::Mode::NewCurrency);
    ASSERT_TRUE(settle(editor));
    EXPECT_EQ(editor->codeField()->text(), "ZZZ");

    // Saving comes back to the list, which shows the new currency on top and current, and no button
    // shows a focus ring the keyboard did not bring.
    clickBarButton(true);
    ASSERT_TRUE(waitUntil([&] { return screen->appearance() == ViewController::Appearance::Appeared; }));
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::CodeLabelTag), "ZZZ");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::RateLabelTag), local("1.00000"));
    EXPECT_EQ(checkedRow(), 0);
    for (FocusRingButton* button : window->findChildren<FocusRingButton*>())
        EXPECT_FALSE(button->showsFocusRing()) << button->text().toStdString();
}

TEST_F(CurrencyViewControllerTest, tappingARowWhileEditingOpensItsEditorAndTheListComesBackNotEditing) {
    CurrencyViewController* screen = showList();
    const auto gbp = manager->foreignCurrencies().at(1);
    startEditing(screen);

    clickRow(table, IndexPath(1, 1));
    auto* editor = qobject_cast<EditViewController*>(navigation->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->currency(), gbp);
    EXPECT_FALSE(screen->isEditing());
    EXPECT_EQ(manager->foreignCurrency()->currencyCode(), "EUR") << "editing a row does not make it current";

    ASSERT_TRUE(settle(editor));
    clickBarButton(false); // Cancel
    ASSERT_TRUE(waitUntil([&] { return screen->appearance() == ViewController::Appearance::Appeared; }));
    EXPECT_EQ(header(1), "Select a Foreign Currency");
}

TEST_F(CurrencyViewControllerTest, refreshWithTheServerUnreachableExplainsWhyInOneOfTwoMessages) {
    // A host that does not resolve, and one that does but whose server answers no lookup.
    for (const bool resolves : {false, true}) {
        for (const bool internet : {true, false}) {
            SCOPED_TRACE(std::string(resolves ? "every lookup fails, " : "no such host, ") +
                         (internet ? "Internet reachable" : "no Internet"));
            internetReachable = internet;
            rates.clear();
            showList(resolves ? server.hostAndPort() : QStringLiteral("nonexistent.invalid"));

            // Presses before the answer join the refresh under way: one alert, each lookup made once.
            for (int press = 0; press < 3; ++press)
                clickBarButton(false); // Refresh

            ASSERT_TRUE(waitUntil([&] { return shownAlert() != nullptr; }));
            waitUntil([] { return false; }, 200); // a second alert would show up here
            EXPECT_EQ(window->findChildren<AlertView*>().size(), 1);
            AlertView* alert = shownAlert();
            EXPECT_EQ(alert->title(), "Server not reachable");
            EXPECT_EQ(alert->message(),
                      internet ? "Exchange rate update relies on an Internet server.\n"
                                 "That server cannot currently be reached. Please try again later."
                               : "Exchange rate update requires an Internet connection.\n"
                                 "Please check the connection and try again.");
            ASSERT_EQ(alert->numberOfButtons(), 1);
            EXPECT_EQ(alert->buttonTitleAtIndex(0), "OK");
            EXPECT_EQ(alert->cancelButtonIndex(), 0);
            EXPECT_TRUE(manager->activeConnections().isEmpty());
            EXPECT_EQ(server.targets().size(), resolves ? 3 : 0);

            QPointer<AlertView> gone(alert);
            QTest::mouseClick(alert->buttonAtIndex(0), Qt::LeftButton);
            EXPECT_TRUE(waitUntil([&] { return gone.isNull(); }));
            TearDown();
            server.clearTargets();
        }
    }
}

TEST_F(CurrencyViewControllerTest, refreshWithTheServerReachableDownloadsEveryRateAndTheRowsFollow) {
    internetReachable = false; // must not matter
    showList(server.hostAndPort());
    // Typed rates are the user's until a download replaces them; a kept one is not even asked for.
    const auto& list = manager->foreignCurrencies();
    manager->editForeignCurrency(list.at(0), QString(), Decimal::fromString("0.95"), false);
    manager->editForeignCurrency(list.at(1), QString(), Decimal::fromString("0.8"), true);
    const auto pinShown = [this](int row) {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, row));
        return viewWithTag<ImageView>(cell->contentView(), Tag::PinImageTag)
            ->isVisibleTo(cell->contentView());
    };
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::UpdateLabelTag), "Your rate");
    EXPECT_FALSE(pinShown(0));
    EXPECT_TRUE(pinShown(1));

    clickBarButton(false); // Refresh

    EXPECT_FALSE(shownAlert());
    EXPECT_EQ(manager->activeConnections().size(), 2);
    EXPECT_TRUE(manager->networkActivityIndicatorVisible());
    ASSERT_TRUE(waitUntil([this] { return manager->activeConnections().isEmpty(); }));
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::RateLabelTag), local("0.92000"));
    EXPECT_EQ(textAt(table, IndexPath(1, 2), Tag::RateLabelTag), local("155.25000"));
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::UpdateLabelTag),
              shortUpdateDateFormatter().stringFromDate(now));
    EXPECT_EQ(textAt(table, IndexPath(1, 1), Tag::RateLabelTag), local("0.80000"));
    EXPECT_EQ(textAt(table, IndexPath(1, 1), Tag::UpdateLabelTag), "Your rate");
    EXPECT_TRUE(pinShown(1));
    EXPECT_FALSE(shownAlert());
}

TEST_F(CurrencyViewControllerTest, aRateArrivalRepaintsItsRowAndLeavesWhatTheUserHoldsAlone) {
    for (int i = 0; i < 10; ++i)
        manager->addForeignCurrency(ForeignCurrency::create("XAU"));
    CurrencyViewController* screen = showList();
    startEditing(screen);
    table->verticalScrollBar()->setValue(30);
    auto cellAt = [this](int row) { return table->cellForRowAtIndexPath(IndexPath(1, row)); };
    auto arrive = [this](int row) {
        manager->updateCurrency(manager->foreignCurrencies().at(row));
        ASSERT_TRUE(waitUntil([this] { return manager->activeConnections().isEmpty(); }));
    };

    // An open Delete confirmation, the editing state and the scroll position stay.
    clickInCell(IndexPath(1, 2), cellAt(2)->deleteControlRect());
    ASSERT_TRUE(cellAt(2)->isShowingDeleteConfirmation());
    arrive(0);
    EXPECT_EQ(viewWithTag<QLabel>(cellAt(0)->contentView(), Tag::RateLabelTag)->text(), local("0.92000"));
    EXPECT_TRUE(cellAt(2)->isShowingDeleteConfirmation());
    EXPECT_TRUE(screen->isEditing());
    EXPECT_EQ(table->verticalScrollBar()->value(), 30);
    clickInCell(IndexPath(1, 2), cellAt(2)->deleteConfirmationRect());
    EXPECT_EQ(codes(*manager).mid(0, 3), QStringList({"EUR", "GBP", "XAU"}));

    // A row held in a drag goes on moving when its own rate arrives meanwhile.
    TableViewCell* held = cellAt(1);
    QWidget* viewport = table->viewport();
    const QPoint start = held->mapTo(viewport, held->reorderControlRect().center());
    const int rowHeight = table->rectForRowAtIndexPath(IndexPath(1, 1)).height();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(viewport, start + QPoint(0, rowHeight * i / 4));
    arrive(1);
    EXPECT_EQ(viewWithTag<QLabel>(held->contentView(), Tag::RateLabelTag)->text(), local("0.79000"));
    for (int i = 5; i <= 8; ++i)
        QTest::mouseMove(viewport, start + QPoint(0, rowHeight * i / 4));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(0, 2 * rowHeight));
    EXPECT_EQ(codes(*manager).mid(0, 4), QStringList({"EUR", "XAU", "XAU", "GBP"}));
}

} // namespace
