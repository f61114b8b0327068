#include "SetupViewController.h"

#include "ActionSheet.h"
#include "BarButton.h"
#include "CurrencyScreensFixture.h"
#include "EditViewController.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "SelectionViewController.h"
#include "Switch.h"

#include <QAbstractButton>

namespace {

using Tag = SetupViewController::Tag;

class SetupViewControllerTest : public CurrencyScreensFixture {
protected:
    void SetUp() override {
        CurrencyScreensFixture::SetUp();
        start(); // local USD, automatic updates off; list EUR, GBP, JPY
        screen = show(std::make_unique<SetupViewController>(*manager));
        table = screen->tableView();
    }

    Switch* updateSwitch() {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(0, 0));
        return cell ? viewWithTag<Switch>(cell->contentView(), Tag::UpdateSwitchTag) : nullptr;
    }

    // The confirmation sheet once it has slid into place.
    ActionSheet* shownSheet() {
        ActionSheet* sheet = nullptr;
        QPoint last(-1, -1);
        const bool settled = waitUntil([&] {
            sheet = window->findChild<ActionSheet*>();
            if (!sheet || !sheet->isVisible())
                return false;
            const QPoint now = sheet->buttonAtIndex(0)->mapTo(window.get(), QPoint());
            const bool still = now == last;
            last = now;
            return still;
        });
        return settled ? sheet : nullptr;
    }

    bool sheetGone() {
        return waitUntil([this] {
            ActionSheet* sheet = window->findChild<ActionSheet*>();
            return !sheet || !sheet->isVisible();
        });
    }

    // Taps the local-currency row and answers the sheet with Overwrite; returns the picker.
    SelectionViewController* openPicker() {
        clickRow(table, IndexPath(1, 0));
        ActionSheet* sheet = shownSheet();
        EXPECT_TRUE(sheet);
        if (!sheet)
            return nullptr;
        QTest::mouseClick(sheet->buttonAtIndex(SetupViewController::OverwriteButtonIndex), Qt::LeftButton);
        SelectionViewController* picker = nullptr;
        EXPECT_TRUE(waitUntil([&] {
            picker = qobject_cast<SelectionViewController*>(navigation->modalViewController());
            return picker && picker->appearance() == ViewController::Appearance::Appeared;
        }));
        return picker;
    }

    bool backOnSetup() {
        return waitUntil([this] {
            return !navigation->modalViewController() && navigation->topViewController() == screen &&
                   screen->appearance() == ViewController::Appearance::Appeared;
        });
    }

    SetupViewController* screen = nullptr;
    TableView* table = nullptr;
};

TEST_F(SetupViewControllerTest, showsTheUpdateSwitchAndTheLocalCurrencyUnderTheirTitles) {
    EXPECT_EQ(screen->title(), "Setup");
    ASSERT_EQ(table->numberOfSections(), 2);
    auto* source = table->dataSource();
    EXPECT_EQ(source->titleForHeaderInSection(table, 0), "Exchange Rates");
    EXPECT_EQ(source->titleForFooterInSection(table, 0),
              "Download exchange rates\nfor 190+ world currencies");
    EXPECT_EQ(source->titleForHeaderInSection(table, 1), "Master Currency");
    EXPECT_EQ(source->titleForFooterInSection(table, 1), "Tap to set your home currency");
    EXPECT_EQ(table->numberOfRowsInSection(0), 1);
    EXPECT_EQ(table->numberOfRowsInSection(1), 1);

    EXPECT_EQ(textAt(table, IndexPath(0, 0), Tag::UpdateLabelTag), "Automatic Updates");
    ASSERT_TRUE(updateSwitch());
    EXPECT_FALSE(updateSwitch()->isOn());
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::LocalCodeLabelTag), "USD");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::LocalNameLabelTag), "US Dollar");

    // Code at the left, name at the right, neither over the other nor over the row's edge.
    TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(1, 0));
    QWidget* code = viewWithTag(cell->contentView(), Tag::LocalCodeLabelTag);
    QWidget* name = viewWithTag(cell->contentView(), Tag::LocalNameLabelTag);
    EXPECT_LT(code->geometry().right(), name->geometry().left());
    EXPECT_EQ(cell->contentView()->width() - name->geometry().right() - 1, 10);
    QWidget* label =
        viewWithTag(table->cellForRowAtIndexPath(IndexPath(0, 0))->contentView(), Tag::UpdateLabelTag);
    EXPECT_LT(label->geometry().right(), updateSwitch()->geometry().left());
    EXPECT_EQ(updateSwitch()->parentWidget()->width() - updateSwitch()->geometry().right() - 1, 10);
}

TEST_F(SetupViewControllerTest, theSwitchSetsAutomaticUpdatesEachTimeAndTheRowCannotBeSelected) {
    QList<bool> seen;
    QObject::connect(manager.get(), &CurrencyManager::automaticUpdatesEnabledChanged,
                     [&] { seen << manager->automaticUpdatesEnabled(); });

    QTest::mouseClick(updateSwitch(), Qt::LeftButton);
    QTest::mouseClick(updateSwitch(), Qt::LeftButton);
    EXPECT_EQ(seen, QList<bool>({true, false}));

    // A tap on the row beside the switch selects nothing and asks nothing.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->rectForRowAtIndexPath(IndexPath(0, 0)).center());
    EXPECT_FALSE(table->indexPathForSelectedRow());
    EXPECT_FALSE(window->findChild<ActionSheet*>());
    EXPECT_EQ(seen.size(), 2);
}

TEST_F(SetupViewControllerTest, comingBackShowsTheSwitchAsTheManagerHoldsIt) {
    navigation->pushViewController(std::make_unique<ViewController>(), false);
    manager->setAutomaticUpdatesEnabled(true);
    navigation->popViewControllerAnimated(false);
    ASSERT_TRUE(backOnSetup());
    EXPECT_TRUE(updateSwitch()->isOn());
}

TEST_F(SetupViewControllerTest, cancellingTheConfirmationLeavesEverythingAsItWas) {
    const auto local = manager->localCurrency();
    clickRow(table, IndexPath(1, 0));
    EXPECT_FALSE(table->indexPathForSelectedRow());

    ActionSheet* sheet = shownSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->title(), "Changing the local currency will revert all foreign currencies");
    ASSERT_EQ(sheet->numberOfButtons(), 2);
    EXPECT_EQ(sheet->buttonTitleAtIndex(0), "Overwrite");
    EXPECT_EQ(sheet->destructiveButtonIndex(), 0);
    EXPECT_EQ(sheet->buttonTitleAtIndex(1), "Cancel");
    EXPECT_EQ(sheet->cancelButtonIndex(), 1);

    QTest::mouseClick(sheet->buttonAtIndex(SetupViewController::CancelButtonIndex), Qt::LeftButton);
    ASSERT_TRUE(sheetGone());
    EXPECT_FALSE(navigation->modalViewController());
    EXPECT_EQ(manager->localCurrency(), local);
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
}

TEST_F(SetupViewControllerTest, pickingANewLocalCurrencyRebuildsTheListAndShowsItsCodeAndName) {
    SelectionViewController* picker = openPicker();
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->context().toString(), "master");
    // Typing goes to the search field at once, also once the sheet has gone.
    ASSERT_TRUE(sheetGone());
    EXPECT_TRUE(picker->searchField()->hasFocus());

    QTest::keyClicks(picker->searchField(), "euro");
    clickRow(picker->tableView(), IndexPath(0, 0));

    ASSERT_TRUE(backOnSetup());
    EXPECT_EQ(manager->localCurrency()->currencyCode(), "EUR");
    EXPECT_EQ(codes(*manager), QStringList({"USD", "GBP", "JPY"}));
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::LocalCodeLabelTag), "EUR");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::LocalNameLabelTag), "Euro");
}

TEST_F(SetupViewControllerTest, aPickerOfAnotherContextChangesNothing) {
    SelectionViewController* picker = openPicker();
    ASSERT_TRUE(picker);
    const auto local = manager->localCurrency();
    picker->setContext(QStringLiteral("foreign"));

    screen->didSelectCurrency(picker, "GBP");

    ASSERT_TRUE(backOnSetup());
    EXPECT_EQ(manager->localCurrency(), local);
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
}

TEST_F(SetupViewControllerTest, moreOpensTheEditorInLocalModeAndItsCodeBecomesTheLocalCurrency) {
    SelectionViewController* picker = openPicker();
    ASSERT_TRUE(picker);
    QTest::mouseClick(picker->view()->findChild<NavigationBar*>()->rightButton(), Qt::LeftButton);

    EditViewController* editor = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        editor = qobject_cast<EditViewController*>(navigation->topViewController());
        return editor && !navigation->modalViewController() &&
               editor->appearance() == ViewController::Appearance::Appeared;
    }));
    EXPECT_EQ(editor->mode(), EditViewController::Mode::Local);
    ASSERT_TRUE(waitUntil([editor] { return editor->codeField() && editor->codeField()->hasFocus(); }));

    QTest::keyClicks(editor->codeField(), "GBP");
    QTest::mouseClick(navigation->navigationBar()->rightButton(), Qt::LeftButton);

    ASSERT_TRUE(backOnSetup());
    EXPECT_EQ(manager->localCurrency()->currencyCode(), "GBP");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::LocalCodeLabelTag), "GBP");
    EXPECT_EQ(textAt(table, IndexPath(1, 0), Tag::LocalNameLabelTag), "British Pound");
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "USD", "JPY"}));
}

} // namespace
