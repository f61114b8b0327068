#include "SelectionViewController.h"

#include "BarButton.h"
#include "CurrencyScreensFixture.h"
#include "Label.h"
#include "NavigationBar.h"
#include "NavigationItem.h"

#include <QFontInfo>
#include <QLineEdit>

namespace {

struct RecordingPickerDelegate final : SelectionViewControllerDelegate {
    void didSelectCurrency(SelectionViewController* picker, const QString& code) override {
        calls << "select " + code;
        pickers << picker;
    }
    void selectionViewControllerMore(SelectionViewController* picker) override {
        calls << "more";
        pickers << picker;
    }
    void selectionViewControllerDidCancel(SelectionViewController* picker) override {
        calls << "cancel";
        pickers << picker;
    }
    QStringList calls;
    QList<SelectionViewController*> pickers;
};

class SelectionViewControllerTest : public CurrencyScreensFixture {
protected:
    void SetUp() override {
        CurrencyScreensFixture::SetUp();
        // Codes in no particular order, a lower-case one and one starting with a digit, and names with
        // accents.
        writeResource("Currencies", QVariantMap{{"USD", "US Dollar"},
                                                {"EUR", "Euro"},
                                                {"GBP", "British Pound"},
                                                {"CHF", "Swiss Franc"},
                                                {"AUD", "Australian Dollar"},
                                                {"CAD", "Canadian Dollar"},
                                                {"ISK", "Icelandic Króna"},
                                                {"SEK", "Swedish Krona"},
                                                {"CRC", "Costa Rican Colón"},
                                                {"xau", "Gold (lower case)"},
                                                {"1AB", "Digit Currency"},
                                                {"NONAME", ""}});
        start();
    }

    SelectionViewController* showPicker() {
        auto picker = std::make_unique<SelectionViewController>(*manager);
        picker->setDelegate(&delegate);
        picker->setContext(QStringLiteral("foreign"));
        return showAlone(std::move(picker));
    }

    static QStringList sectionTitles(TableView* table) {
        QStringList titles;
        for (int s = 0; s < table->numberOfSections(); ++s)
            titles << table->dataSource()->titleForHeaderInSection(table, s);
        return titles;
    }

    static QStringList shownCodes(SelectionViewController* picker) {
        TableView* table = picker->tableView();
        QStringList codes;
        for (int s = 0; s < table->numberOfSections(); ++s) {
            for (int r = 0; r < table->numberOfRowsInSection(s); ++r)
                codes << picker->codeAtIndexPath(IndexPath(s, r));
        }
        return codes;
    }

    RecordingPickerDelegate delegate;
};

TEST_F(SelectionViewControllerTest, groupsTheCatalogueUnderItsFirstCharacterInStringOrder) {
    SelectionViewController picker(*manager);
    const auto indexed = picker.indexedCurrencies();
    EXPECT_EQ(indexed.value("A"), QStringList({"AUD"}));
    EXPECT_EQ(indexed.value("C"), QStringList({"CAD", "CHF", "CRC"}));
    EXPECT_EQ(indexed.value("x"), QStringList({"xau"}));
    EXPECT_EQ(indexed.value("1"), QStringList({"1AB"}));
    EXPECT_FALSE(indexed.contains("B"));
}

TEST_F(SelectionViewControllerTest, showsTwentySixLetteredSectionsAndHidesOtherFirstCharacters) {
    SelectionViewController* picker = showPicker();
    TableView* table = picker->tableView();

    ASSERT_EQ(table->numberOfSections(), 26);
    EXPECT_EQ(sectionTitles(table), SelectionViewController::sectionIndex());
    EXPECT_EQ(table->dataSource()->sectionIndexTitles(table), SelectionViewController::sectionIndex());
    EXPECT_EQ(SelectionViewController::sectionIndex().first(), "A");
    EXPECT_EQ(SelectionViewController::sectionIndex().last(), "Z");
    EXPECT_EQ(table->numberOfRowsInSection(1), 0); // B: no codes, still a section titled "B"
    EXPECT_EQ(table->numberOfRowsInSection(2), 3);
    EXPECT_EQ(shownCodes(picker),
              QStringList({"AUD", "CAD", "CHF", "CRC", "EUR", "GBP", "ISK", "NONAME", "SEK", "USD"}));

    // The rows show the code at the left and the catalogue's name at the right.
    EXPECT_EQ(textAt(table, IndexPath(2, 1), SelectionViewController::CodeLabelTag), "CHF");
    EXPECT_EQ(textAt(table, IndexPath(2, 1), SelectionViewController::NameLabelTag), "Swiss Franc");
    TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(2, 1));
    ASSERT_TRUE(cell);
    QWidget* code = viewWithTag(cell->contentView(), SelectionViewController::CodeLabelTag);
    QWidget* name = viewWithTag(cell->contentView(), SelectionViewController::NameLabelTag);
    EXPECT_LT(code->geometry().right(), name->geometry().left());
    EXPECT_LE(name->geometry().right(), cell->contentView()->width());
    // A code that the catalogue names with an empty string shows an empty name.
    EXPECT_EQ(textAt(table, IndexPath(13, 0), SelectionViewController::NameLabelTag), "");
}

TEST_F(SelectionViewControllerTest, tappingARowReportsItsCodeOnceAndLeavesThePickerOpen) {
    SelectionViewController* picker = showPicker();
    TableView* table = picker->tableView();

    clickRow(table, IndexPath(2, 1));

    EXPECT_EQ(delegate.calls, QStringList({"select CHF"}));
    EXPECT_EQ(delegate.pickers.value(0), picker);
    ASSERT_TRUE(table->indexPathForSelectedRow());
    EXPECT_EQ(*table->indexPathForSelectedRow(), IndexPath(2, 1));

    // A row far down the list, scrolled to first.
    clickRow(table, IndexPath(20, 0));
    EXPECT_EQ(delegate.calls, QStringList({"select CHF", "select USD"}));
}

TEST_F(SelectionViewControllerTest, cancelMoreAndEscapeEachSendOneOperationAndTypingGoesToTheSearch) {
    SelectionViewController* picker = showPicker();
    EXPECT_TRUE(waitUntil([picker] { return picker->searchField()->hasFocus(); }));
    QTest::keyClick(picker->searchField(), Qt::Key_Escape);
    EXPECT_EQ(delegate.calls, QStringList({"cancel"}));
    delegate.calls.clear();
    delegate.pickers.clear();
    auto* bar = picker->view()->findChild<NavigationBar*>();
    ASSERT_TRUE(bar);
    ASSERT_TRUE(bar->leftButton() && bar->rightButton());

    QTest::mouseClick(bar->leftButton(), Qt::LeftButton);
    EXPECT_EQ(delegate.calls, QStringList({"cancel"}));
    QTest::mouseClick(bar->rightButton(), Qt::LeftButton);
    EXPECT_EQ(delegate.calls, QStringList({"cancel", "more"}));
    EXPECT_EQ(delegate.pickers, QList<SelectionViewController*>({picker, picker}));
}

TEST_F(SelectionViewControllerTest, withoutADelegateNothingIsSentAndNothingBreaks) {
    SelectionViewController* picker = showPicker();
    picker->setDelegate(nullptr);
    clickRow(picker->tableView(), IndexPath(0, 0));
    picker->cancel();
    picker->more();
    EXPECT_TRUE(delegate.calls.isEmpty());
}

TEST_F(SelectionViewControllerTest, searchMatchesCodeOrNameIgnoringCaseAndAccents) {
    SelectionViewController* picker = showPicker();
    QLineEdit* field = picker->searchField();
    TableView* table = picker->tableView();

    QTest::keyClicks(field, "krona");
    EXPECT_EQ(shownCodes(picker), QStringList({"ISK", "SEK"}));
    EXPECT_EQ(sectionTitles(table), QStringList({"I", "S"}));
    EXPECT_EQ(table->dataSource()->sectionIndexTitles(table), QStringList({"I", "S"}));
    EXPECT_EQ(textAt(table, IndexPath(0, 0), SelectionViewController::NameLabelTag), "Icelandic Króna");

    field->clear();
    QTest::keyClicks(field, "COLÓN");
    EXPECT_EQ(shownCodes(picker), QStringList({"CRC"}));

    field->clear();
    QTest::keyClicks(field, "usd");
    EXPECT_EQ(shownCodes(picker), QStringList({"USD"}));

    field->clear();
    QTest::keyClicks(field, "dollar");
    EXPECT_EQ(shownCodes(picker), QStringList({"AUD", "CAD", "USD"}));

    // Nothing found: one row offers to type the currency in, with the search as its code when it
    // can be one; it (or Enter) does what More does.
    for (const auto& [search, code] : {std::pair{"zzz", "ZZZ"}, std::pair{"zz top", ""}}) {
        field->clear();
        QTest::keyClicks(field, search);
        ASSERT_EQ(table->numberOfSections(), 1);
        EXPECT_EQ(table->numberOfRowsInSection(0), 1);
        EXPECT_EQ(picker->possibleCode(), code);
        EXPECT_EQ(table->cellForRowAtIndexPath(IndexPath(0, 0))->textLabel()->text(),
                  *code ? QStringLiteral("Type In %1").arg(code) : QStringLiteral("Type In a Currency"));
    }
    clickRow(table, IndexPath(0, 0));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(delegate.calls, QStringList({"more", "more"}));

    // Clearing the search brings back every letter, empty ones included.
    field->clear();
    EXPECT_EQ(table->numberOfSections(), 26);
    EXPECT_EQ(sectionTitles(table), SelectionViewController::sectionIndex());
}

TEST_F(SelectionViewControllerTest, namesShareOneSizeAndALongOneTakesTwoLinesUncut) {
    writeResource("Currencies", QVariantMap{{"BAM", "Bosnia-Herzegovina Convertible Mark"},
                                            {"CHF", "Swiss Franc"},
                                            {"CVE", "Cape Verdean Escudo"},
                                            {"USD", "US Dollar"}});
    start();
    SelectionViewController* picker = showPicker();
    TableView* table = picker->tableView();
    QSet<int> sizes;
    for (const char* letter : {"B", "C", "U"}) {
        const int section = int(SelectionViewController::sectionIndex().indexOf(QString::fromLatin1(letter)));
        for (int row = 0; row < table->numberOfRowsInSection(section); ++row) {
            table->scrollToRowAtIndexPath(IndexPath(section, row), TableView::ScrollPosition::None);
            auto* name =
                viewWithTag<Label>(table->cellForRowAtIndexPath(IndexPath(section, row))->contentView(),
                                   SelectionViewController::NameLabelTag);
            sizes << QFontInfo(name->displayedFont()).pixelSize();
            EXPECT_FALSE(name->displayedText().contains(u'…')) << name->displayedText().toStdString();
        }
    }
    EXPECT_EQ(sizes.size(), 1);
}

TEST_F(SelectionViewControllerTest, tappingAFilteredRowReportsTheCodeShownThere) {
    SelectionViewController* picker = showPicker();
    QTest::keyClicks(picker->searchField(), "dollar");
    clickRow(picker->tableView(), IndexPath(2, 0)); // the third matching section: U
    EXPECT_EQ(delegate.calls, QStringList({"select USD"}));
}

TEST_F(SelectionViewControllerTest, enterPicksTheOnlyMatchAndNothingElse) {
    SelectionViewController* picker = showPicker();
    QLineEdit* field = picker->searchField();
    field->setFocus();

    QTest::keyClicks(field, "dollar");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(delegate.calls.isEmpty()) << "three matches";

    field->clear();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(delegate.calls.isEmpty()) << "no search";

    QTest::keyClicks(field, "swiss");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(delegate.calls, QStringList({"select CHF"}));
}

} // namespace
