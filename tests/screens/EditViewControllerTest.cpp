#include "EditViewController.h"

#include "BarButton.h"
#include "CurrencyScreensFixture.h"
#include "DisplayFormatters.h"
#include "LocalFigures.h"
#include "LocaleRun.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "TabBarController.h"

namespace {

class EditViewControllerTest : public CurrencyScreensFixture {
protected:
    void SetUp() override {
        CurrencyScreensFixture::SetUp();
        start(); // local USD; list EUR, GBP, JPY with starting rates
    }

    // Pushes an editor for `currency` over a plain screen and waits until it is shown.
    EditViewController* openEditor(const std::shared_ptr<Currency>& currency) {
        show(std::make_unique<ViewController>());
        auto editor = std::make_unique<EditViewController>(*manager);
        editor->setCurrency(currency);
        EditViewController* raw = editor.get();
        navigation->pushViewController(std::move(editor), true);
        EXPECT_TRUE(waitUntil([raw] { return raw->appearance() == ViewController::Appearance::Appeared; }));
        return raw;
    }

    bool editorClosed() {
        return waitUntil([this] { return navigation->viewControllers().size() == 1; });
    }

    void clickBarButton(bool right) {
        NavigationBar* bar = navigation->navigationBar();
        BarButton* button = right ? bar->rightButton() : bar->leftButton();
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Clears a field through the keyboard, then types `text` key by key.
    static void retype(TextField* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        while (!field->text().isEmpty()) {
            const QString before = field->text();
            QTest::keyClick(field, Qt::Key_Backspace);
            if (field->text() == before)
                break;
        }
        QTest::keyClicks(field, text);
    }

    QString footer(EditViewController* editor) {
        return editor->tableView()->footerTitleInSection(0); // as shown
    }
};

TEST_F(EditViewControllerTest, localModeAsksForACodeOnlyAndSavesANewLocalCurrency) {
    EditViewController* editor = openEditor(manager->localCurrency());

    EXPECT_EQ(editor->mode(), EditViewController::Mode::Local);
    EXPECT_EQ(editor->title(), "Master Currency");
    EXPECT_EQ(editor->tableView()->numberOfRowsInSection(0), 1);
    EXPECT_EQ(footer(editor), "Automatic updates are supported \nfor 190+ world currencies");
    TextField* code = editor->codeField();
    ASSERT_TRUE(code);
    EXPECT_TRUE(code->text().isEmpty());
    EXPECT_EQ(code->placeholderText(), "USD");
    EXPECT_TRUE(code->isEnabled());
    EXPECT_TRUE(waitUntil([code] { return code->hasFocus(); }));
    EXPECT_FALSE(editor->nameField());

    // Typed in lower case, saved in capitals: "chf" would be no currency at all.
    QTest::keyClicks(code, "chf");
    EXPECT_EQ(code->text(), "CHF");
    clickBarButton(true);

    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(manager->localCurrency()->currencyCode(), "CHF");
    EXPECT_EQ(manager->localCurrency()->label(), "Swiss Franc");
    // A new local code rebuilds the list from the shipped main currencies.
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "USD", "GBP", "JPY"}));
}

TEST_F(EditViewControllerTest, editModeFixesTheCodeAndChangesNameRateAndWhetherTheRateIsKept) {
    const auto gbp = manager->foreignCurrencies().at(1);
    ASSERT_EQ(gbp->currencyCode(), "GBP");
    const QDateTime downloaded(QDate(2026, 12, 1), QTime(9, 30), QTimeZone::utc());
    gbp->setLastUpdate(downloaded);
    EditViewController* editor = openEditor(gbp);

    EXPECT_EQ(editor->title(), "Foreign Currency");
    EXPECT_EQ(editor->tableView()->numberOfRowsInSection(0), 4);
    ASSERT_TRUE(editor->keepRateSwitch());
    EXPECT_FALSE(editor->keepRateSwitch()->isOn());
    EXPECT_EQ(footer(editor), "Value of 1 USD in above currency");
    EXPECT_EQ(editor->codeField()->text(), "GBP");
    EXPECT_FALSE(editor->codeField()->isEnabled());
    // It looks disabled too: dimmed, not in the colour of the values that can be typed over.
    EXPECT_NE(editor->codeField()->palette().color(QPalette::Disabled, QPalette::Text),
              editor->rateField()->palette().color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(editor->nameField()->text(), "British Pound");
    EXPECT_EQ(editor->rateField()->text(), local("0.75000"));
    EXPECT_EQ(editor->rateField()->placeholderText(), local("1.58520"));
    EXPECT_TRUE(waitUntil([editor] { return editor->rateField()->hasFocus(); }));

    // A click on the disabled code field does not take the focus from the rate field.
    QTest::mouseClick(editor->codeField(), Qt::LeftButton);
    EXPECT_TRUE(editor->rateField()->hasFocus());

    retype(editor->rateField(), "0.8");
    QTest::mouseClick(editor->nameField(), Qt::LeftButton);
    retype(editor->nameField(), "Sterling");
    // Done on the keyboard of the rate field saves.
    QTest::keyClick(editor->rateField(), Qt::Key_Return);

    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(gbp), "0.8");
    EXPECT_EQ(gbp->label(), "Sterling");
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
    // A typed rate is the user's: it has no download date.
    EXPECT_FALSE(gbp->lastUpdate().isValid());
    EXPECT_TRUE(gbp->isUserRate());
    EXPECT_FALSE(gbp->keepsRate());

    // Saved untouched, a downloaded rate stays the download's, to the last digit; the switch keeps it.
    gbp->takeDownloadedRate(Decimal::fromString("0.123456789012345"), downloaded);
    editor = openEditor(gbp);
    QTest::mouseClick(editor->keepRateSwitch(), Qt::LeftButton);
    clickBarButton(true);
    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(gbp), "0.123456789012345");
    EXPECT_EQ(gbp->lastUpdate(), downloaded);
    EXPECT_TRUE(gbp->keepsRate());
    EXPECT_TRUE(openEditor(gbp)->keepRateSwitch()->isOn());
}

TEST_F(EditViewControllerTest, aCatalogueNameShownInTheUsersLanguageIsNotStoredBackUnlessEdited) {
    textLanguages = {QStringLiteral("de_DE")};
    start();
    const auto gbp = manager->foreignCurrencies().at(1);
    EditViewController* editor = openEditor(gbp);
    EXPECT_EQ(editor->nameField()->text(), "Britisches Pfund");
    retype(editor->rateField(), "0.8");
    QTest::keyClick(editor->rateField(), Qt::Key_Return);
    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(gbp), "0.8");
    EXPECT_EQ(gbp->label(), "British Pound");
}

TEST_F(EditViewControllerTest, codeFieldTypesCapitalsAndRefusesAFourthCharacter) {
    EditViewController* editor = openEditor(nullptr);
    TextField* code = editor->codeField();
    ASSERT_TRUE(waitUntil([code] { return code->hasFocus(); }));

    QTest::keyClicks(code, "abcd");
    EXPECT_EQ(code->text(), "ABC") << "letters become capitals, the fourth character is refused";

    // Selecting two characters and typing over them leaves three.
    QTest::keyClick(code, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(code, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(code, "9");
    EXPECT_EQ(code->text(), "A9");
    QTest::keyClicks(code, "!x");
    EXPECT_EQ(code->text(), "A9!");

    // A paste is judged as a whole.
    EXPECT_FALSE(editor->shouldChangeCharactersInRange(code, 3, 0, "Z"));
    EXPECT_FALSE(editor->shouldChangeCharactersInRange(code, 0, 3, "EURO"));
    EXPECT_TRUE(editor->shouldChangeCharactersInRange(code, 0, 3, "EUR"));
}

TEST_F(EditViewControllerTest, rateFieldAcceptsTheRenderedFormItsPrefixesAndTrailingZerosOnly) {
    // The whole candidate is judged, as for a paste.
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"1", true},
        {"1.", true},
        {"1.5", true},
        {"1.50000", true},
        {"1.500000", true}, // a sixth fraction digit that is 0
        {"1.5000000000000", true},
        {"1.1234567891", true}, // ten fraction digits render as typed
        {"1.12345678910", true},
        {"1.12345678912", false}, // an eleventh digit that the rendering drops
        {"1.5x", false},
        {"01", false},
        {"00", false},
        {".5", false},
        {"1,5", false},
        {"abc", false},
        {"", true}, // emptying the field; saving reads it as 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditViewController::isAcceptableRateText(local(QString::fromUtf8(c.text))), c.accepted)
            << c.text;
}

TEST_F(EditViewControllerTest, typingInTheRateFieldStopsAtTheFirstRefusedKey) {
    EditViewController* editor = openEditor(nullptr);
    TextField* rate = editor->rateField();
    QTest::mouseClick(rate, Qt::LeftButton);

    QTest::keyClicks(rate, "1.500000");
    EXPECT_EQ(rate->text(), local("1.500000"));
    retype(rate, "1.5x");
    EXPECT_EQ(rate->text(), local("1.5"));
    retype(rate, "01");
    EXPECT_EQ(rate->text(), "0");
    retype(rate, "");
    EXPECT_EQ(rate->text(), "") << "the last digit can be deleted";
}

TEST_F(EditViewControllerTest, newCurrencyGoesOnTopAsCurrentWithRateOneAndTheCatalogueName) {
    EditViewController* editor = openEditor(nullptr);
    EXPECT_EQ(editor->mode(), EditViewController::Mode::NewCurrency);
    EXPECT_TRUE(editor->codeField()->isEnabled());
    EXPECT_EQ(editor->codeField()->placeholderText(), "GBP");
    EXPECT_EQ(editor->nameField()->placeholderText(), "British Pound");
    ASSERT_TRUE(waitUntil([editor] { return editor->codeField()->hasFocus(); }));

    QTest::keyClicks(editor->codeField(), "chf");
    QTest::keyClick(editor->codeField(), Qt::Key_Return);

    ASSERT_TRUE(editorClosed());
    ASSERT_EQ(codes(*manager), QStringList({"CHF", "EUR", "GBP", "JPY"}));
    const auto chf = manager->foreignCurrencies().first();
    EXPECT_EQ(manager->foreignCurrency(), chf);
    EXPECT_EQ(rateText(chf), "1") << "an empty rate field saves the rate 1, not the starting rate";
    EXPECT_EQ(chf->label(), "Swiss Franc");
}

TEST_F(EditViewControllerTest, newCurrencyOutsideTheCatalogueKeepsWhatWasTyped) {
    EditViewController* editor = openEditor(nullptr);
    QTest::keyClicks(editor->codeField(), "ZZZ");
    QTest::mouseClick(editor->nameField(), Qt::LeftButton);
    QTest::keyClicks(editor->nameField(), "Zed");
    QTest::mouseClick(editor->rateField(), Qt::LeftButton);
    QTest::keyClicks(editor->rateField(), "2.5");
    clickBarButton(true);

    ASSERT_TRUE(editorClosed());
    const auto zzz = manager->foreignCurrencies().first();
    EXPECT_EQ(zzz->currencyCode(), "ZZZ");
    EXPECT_EQ(zzz->label(), "Zed");
    EXPECT_EQ(rateText(zzz), "2.5");
    EXPECT_EQ(manager->foreignCurrency(), zzz);
}

TEST_F(EditViewControllerTest, aListedCodeMovesThatRecordToTheTopWithWhatWasTyped) {
    const auto custom = ForeignCurrency::create("ZZZ");
    custom->setLabel("Zed");
    custom->setRate(Decimal::fromString("2.5"));
    manager->insertForeignCurrency(custom, 3);
    const auto gbp = manager->foreignCurrencies().at(1);
    struct Case {
        const char *code, *name, *rate;
        std::shared_ptr<ForeignCurrency> record;
        const char *expectedName, *expectedRate;
    };
    const Case cases[] = {
        {"zzz", "", "", custom, "Zed", "2.5"}, // nothing typed but the code: the record as it was
        {"gbp", "Sterling", "0.7", gbp, "Sterling", "0.7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EditViewController* editor = openEditor(nullptr);
        QTest::keyClicks(editor->codeField(), c.code);
        QTest::mouseClick(editor->nameField(), Qt::LeftButton);
        QTest::keyClicks(editor->nameField(), c.name);
        QTest::mouseClick(editor->rateField(), Qt::LeftButton);
        QTest::keyClicks(editor->rateField(), c.rate);
        clickBarButton(true);
        ASSERT_TRUE(editorClosed());
        EXPECT_EQ(manager->foreignCurrencies().size(), 4) << "no second row with the code";
        EXPECT_EQ(manager->foreignCurrencies().first(), c.record);
        EXPECT_EQ(manager->foreignCurrency(), c.record);
        EXPECT_EQ(c.record->label(), c.expectedName);
        EXPECT_EQ(rateText(c.record), c.expectedRate);
        TearDown();
    }
}

TEST_F(EditViewControllerTest, cancelOrEscapeLeavesTheModelUntouchedAfterEdits) {
    const auto eur = manager->foreignCurrencies().first();
    const auto current = manager->foreignCurrency();
    const QString rateBefore = rateText(eur);
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel");
        EditViewController* editor = openEditor(eur);
        retype(editor->rateField(), "9.9");
        QTest::mouseClick(editor->nameField(), Qt::LeftButton);
        retype(editor->nameField(), "Changed");
        if (escape)
            QTest::keyClick(editor->nameField(), Qt::Key_Escape);
        else
            clickBarButton(false);

        ASSERT_TRUE(editorClosed());
        EXPECT_EQ(rateText(eur), rateBefore);
        EXPECT_EQ(eur->label(), "Euro");
        EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
        EXPECT_EQ(manager->foreignCurrency(), current);
        EXPECT_EQ(manager->localCurrency()->currencyCode(), "USD");
        TearDown();
    }
}

TEST_F(EditViewControllerTest, anEmptyCodeCannotBeSavedInEitherMode) {
    for (const bool local : {false, true}) {
        SCOPED_TRACE(local ? "local mode" : "new-currency mode");
        const auto localBefore = manager->localCurrency();
        EditViewController* editor =
            openEditor(local ? std::shared_ptr<Currency>(manager->localCurrency()) : nullptr);
        TextField* code = editor->codeField();
        ASSERT_TRUE(waitUntil([code] { return code->hasFocus(); }));
        BarButton* save = navigation->navigationBar()->rightButton();
        EXPECT_FALSE(save->isEnabled());

        QTest::keyClicks(code, "X");
        EXPECT_TRUE(save->isEnabled());
        QTest::keyClick(code, Qt::Key_Backspace);
        EXPECT_FALSE(save->isEnabled());

        // Neither the button nor Done does anything now.
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::keyClick(code, Qt::Key_Return);
        // A pop would have taken the editor off the stack at once.
        EXPECT_EQ(navigation->topViewController(), editor);
        EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
        EXPECT_EQ(manager->localCurrency(), localBefore);
        TearDown();
    }
}

TEST_F(EditViewControllerTest, onlyARateOfZeroCannotBeSavedHoweverSmallTheRateIs) {
    EditViewController* editor = openEditor(nullptr);
    QTest::keyClicks(editor->codeField(), "ZZZ");
    BarButton* save = navigation->navigationBar()->rightButton();
    const std::pair<const char*, bool> cases[] = {
        {"0", false},      {"0.00000", false}, {"0.000001", true}, // shown in the list with its digits
        {"0.00001", true}, {"2", true},        {"", true},         // empty saves the rate 1
    };
    for (const auto& [text, savable] : cases) {
        retype(editor->rateField(), text);
        ASSERT_EQ(editor->rateField()->text(), local(text));
        EXPECT_EQ(save->isEnabled(), savable) << text;
    }
    retype(editor->rateField(), "0");
    QTest::keyClick(editor->rateField(), Qt::Key_Return);
    EXPECT_EQ(navigation->topViewController(), editor) << "Done does not save a rate of 0 either";
    EXPECT_EQ(codes(*manager), QStringList({"EUR", "GBP", "JPY"}));
    retype(editor->rateField(), "0.0000001");
    QTest::keyClick(editor->rateField(), Qt::Key_Return);
    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(manager->foreignCurrencies().first()), "0.0000001");
}

TEST_F(EditViewControllerTest, inACommaLocaleTheDecimalKeysTypeACommaInTheRateField) {
    if (runsElsewhereUnder("de_DE.UTF-8"))
        return;
    EditViewController* editor = openEditor(nullptr);
    QTest::keyClicks(editor->codeField(), "zzz");
    TextField* rate = editor->rateField();
    QTest::mouseClick(rate, Qt::LeftButton);
    QTest::keyClicks(rate, "1.5");
    EXPECT_EQ(rate->text(), "1,5");
    retype(rate, "2");
    QTest::keyClick(rate, Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClicks(rate, "25");
    EXPECT_EQ(rate->text(), "2,25");
    QTest::keyClick(rate, Qt::Key_Return);

    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(manager->foreignCurrencies().first()), "2.25");
}

TEST_F(EditViewControllerTest, anOpenEditorFollowsItsRecordAndTheLocalCurrency) {
    // A record deleted, or dropped by the rebuild for a new local currency, closes its editor unsaved.
    const auto gbp = manager->foreignCurrencies().at(1);
    EditViewController* editor = openEditor(gbp);
    retype(editor->rateField(), "1.1");
    manager->removeForeignCurrencyAtIndex(1);
    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(gbp), "0.75");

    const auto eur = manager->foreignCurrencies().at(0);
    editor = openEditor(eur);
    retype(editor->rateField(), "1.1");
    manager->setLocalCurrency(LocalCurrency::create("GBP"));
    ASSERT_TRUE(editorClosed());
    EXPECT_EQ(rateText(eur), "0.9");
    EXPECT_EQ(rateText(manager->foreignCurrencies().at(0)), "1.2");

    // A new-currency editor stays open, keeps what was typed and names the new local currency.
    editor = openEditor(nullptr);
    QTest::keyClicks(editor->codeField(), "xyz");
    manager->setLocalCurrency(LocalCurrency::create("EUR"));
    EXPECT_EQ(footer(editor), "Value of 1 EUR in above currency");
    EXPECT_EQ(navigation->viewControllers().size(), 2);
    EXPECT_EQ(editor->codeField()->text(), "XYZ");
}

TEST_F(EditViewControllerTest, typingSurvivesATabSwitchInEveryMode) {
    struct Case {
        std::shared_ptr<Currency> currency;
        QStringList typed; // code, name, rate; empty: left alone
    };
    const Case cases[] = {{manager->localCurrency(), {"CHF"}},
                          {nullptr, {"XYZ", "My units", "2.5"}},
                          {manager->foreignCurrencies().at(1), {"", "Sterling", "0.8"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.join('/').toStdString());
        auto stack = std::make_unique<NavigationController>(std::make_unique<ViewController>());
        NavigationController* list = stack.get();
        std::vector<std::unique_ptr<ViewController>> tabs;
        tabs.push_back(std::move(stack));
        tabs.push_back(std::make_unique<ViewController>());
        auto bar = std::make_unique<TabBarController>();
        bar->setViewControllers(std::move(tabs));
        TabBarController* tabBar = showAlone(std::move(bar));
        auto made = std::make_unique<EditViewController>(*manager);
        made->setCurrency(c.currency);
        EditViewController* editor = made.get();
        list->pushViewController(std::move(made), false);
        ASSERT_TRUE(
            waitUntil([editor] { return editor->appearance() == ViewController::Appearance::Appeared; }));

        TextField* fields[] = {editor->codeField(), editor->nameField(), editor->rateField()};
        QStringList expected;
        for (int i = 0; i < c.typed.size(); ++i) {
            if (!c.typed[i].isEmpty())
                retype(fields[i], c.typed[i]);
            expected << fields[i]->text();
        }
        tabBar->setSelectedIndex(1);
        tabBar->setSelectedIndex(0);
        ASSERT_TRUE(
            waitUntil([editor] { return editor->appearance() == ViewController::Appearance::Appeared; }));
        QStringList shown;
        for (int i = 0; i < c.typed.size(); ++i)
            shown << fields[i]->text();
        EXPECT_EQ(shown, expected);
        EXPECT_TRUE(editor->canSave());
    }
}

} // namespace
