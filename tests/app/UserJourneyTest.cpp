// A new user's first session and the next launch, through the real window: clicks and keys where
// the widgets are shown, rates from the real rate server on 127.0.0.1, preferences in a private
// folder. Every step leaves a screenshot, in RATEPAD_JOURNEY_SCREENSHOTS when that is set.
#include "ActionSheet.h"
#include "AlertView.h"
#include "AppDelegate.h"
#include "AppWindow.h"
#include "ApplicationEvents.h"
#include "BarButton.h"
#include "ConverterViewController.h"
#include "CurrencyViewController.h"
#include "DisplayFormatters.h"
#include "EditViewController.h"
#include "HttpFixture.h"
#include "KeypadButton.h"
#include "Label.h"
#include "LocalFigures.h"
#include "LocaleRun.h"
#include "NavigationBar.h"
#include "NavigationController.h"
#include "NavigationItem.h"
#include "ProgramProcess.h"
#include "SelectionViewController.h"
#include "SetupViewController.h"
#include "Switch.h"
#include "TabBar.h"
#include "TabBarButton.h"
#include "TabBarController.h"
#include "TableView.h"
#include "TempConfig.h"
#include "Views.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>

namespace {

constexpr int kStepTimeoutMs = 10000;
// Longer than a frame of any animation: what has not moved for this long has stopped.
constexpr int kStillMs = 100;

using ListTag = CurrencyViewController::Tag;
using SetupTag = SetupViewController::Tag;

enum TabIndex { ConverterTab = 0, CurrenciesTab = 1, SetupTab = 2 };

bool eventually(const std::function<bool()>& done) {
    return waitUntil(done, kStepTimeoutMs);
}

class UserJourney : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(server.port(), 0) << "the rate server did not start";
        shotFolder = qEnvironmentVariable("RATEPAD_JOURNEY_SCREENSHOTS");
        if (shotFolder.isEmpty())
            shotFolder = shotDir.path();
        ASSERT_TRUE(QDir().mkpath(shotFolder));
    }

    void TearDown() override {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A start of the program over the test's preferences file, shown and launched.
    void launch() {
        downloaded.clear();
        app = std::make_unique<AppDelegate>(AppDelegate::Options{
            config.preferencesPath(), server.hostAndPort(), QStringLiteral("127.0.0.1")});
        // A rate is dated when its source published it, so the moment of each download is kept here.
        QObject::connect(&manager(), &CurrencyManager::exchangeRateWasUpdated,
                         [this](const std::shared_ptr<ForeignCurrency>& currency) {
                             downloaded[currency] = QDateTime::currentDateTimeUtc();
                         });
        app->applicationDidFinishLaunching();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->window()));
    }

    // The end of the program: the save the program makes on its way out, then everything goes.
    void quit() {
        emit app->applicationEvents().willTerminate();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CurrencyManager& manager() { return app->currencyManager(); }
    TabBarController* tabs() { return app->tabBarController(); }

    // Saves what the window shows once it has stopped changing (slides, fades and knobs at rest);
    // `settle` false takes it at once, for a moment that does not last.
    void snap(const QString& name, bool settle = true) {
        AppWindow* window = app->window();
        QImage image = window->grab().toImage();
        if (settle) {
            QElapsedTimer since;
            since.start();
            const bool still = eventually([&] {
                if (since.elapsed() < kStillMs)
                    return false;
                const QImage now = window->grab().toImage();
                const bool same = now == image;
                image = now;
                since.restart();
                return same;
            });
            EXPECT_TRUE(still) << name.toStdString() << ": the window kept changing";
        }
        const QString file = QStringLiteral("%1-%2.png").arg(++shots, 2, 10, QChar(u'0')).arg(name);
        const QString path = QDir(shotFolder).filePath(file);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
    }

    // Whether `widget` has kept its place in the window for kStillMs.
    static bool cameToRest(QWidget* widget) {
        QPoint last = widget->mapTo(widget->window(), QPoint());
        QElapsedTimer since;
        since.start();
        return eventually([&] {
            const QPoint now = widget->mapTo(widget->window(), QPoint());
            if (now != last) {
                last = now;
                since.restart();
            }
            return since.elapsed() >= kStillMs;
        });
    }

    // Whether the window shows `widget` (or something inside it) at `pos`, nothing over it.
    static bool isShownAt(QWidget* widget, const QPoint& pos) {
        QWidget* window = widget->window();
        QWidget* shown = window->childAt(widget->mapTo(window, pos));
        return shown == widget || widget->isAncestorOf(shown);
    }

    // Clicks `widget` at `pos` (its centre by default) like a finger: it must be what the window
    // shows at that place. Answers whether the click could be made.
    [[nodiscard]] static bool tap(QWidget* widget, std::optional<QPoint> pos = std::nullopt) {
        if (!widget || !widget->isVisible()) {
            ADD_FAILURE() << "nothing shown to tap";
            return false;
        }
        const QPoint at = pos.value_or(widget->rect().center());
        // A sheet or screen still sliding in on a starved machine may cover it for a moment.
        if (!eventually([&] { return isShownAt(widget, at); })) {
            ADD_FAILURE() << widget->metaObject()->className() << " is covered where it is tapped";
            return false;
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        return true;
    }

    // Taps the middle of a row, which must be on screen.
    [[nodiscard]] static bool tapRow(TableView* table, const IndexPath& indexPath) {
        const QRect rect = table->rectForRowAtIndexPath(indexPath);
        if (!table->viewport()->rect().contains(rect.center())) {
            ADD_FAILURE() << "row " << indexPath.row() << " is not on screen";
            return false;
        }
        return tap(table->viewport(), rect.center());
    }

    static bool appeared(ViewController* controller) {
        return controller && controller->appearance() == ViewController::Appearance::Appeared;
    }

    // The screen on top of a tab, inside its navigation stack if it has one.
    ViewController* topOfTab(int index) {
        ViewController* tab = tabs()->viewControllers().value(index);
        if (auto* navigation = qobject_cast<NavigationController*>(tab))
            return navigation->topViewController();
        return tab;
    }
    NavigationController* navigationOfTab(int index) {
        return qobject_cast<NavigationController*>(tabs()->viewControllers().value(index));
    }

    // Taps a tab in the tab bar and waits until its screen is shown.
    template <typename Screen> Screen* openTab(int index) {
        if (!tap(tabs()->tabBar()->buttonAt(index)))
            return nullptr;
        Screen* screen = nullptr;
        EXPECT_TRUE(eventually([&] {
            screen = qobject_cast<Screen*>(topOfTab(index));
            return tabs()->selectedIndex() == index && appeared(screen) && !tabs()->modalViewController();
        })) << "tab "
            << index << " did not come up";
        return screen;
    }

    // The picker once it has slid up over the tabs.
    SelectionViewController* shownPicker() {
        SelectionViewController* picker = nullptr;
        EXPECT_TRUE(eventually([&] {
            picker = qobject_cast<SelectionViewController*>(tabs()->modalViewController());
            return appeared(picker);
        })) << "no picker";
        return picker;
    }
    bool pickerGone() {
        return eventually([this] { return !tabs()->modalViewController(); });
    }

    // Types into the picker's search field and taps the one row left, which must show `code`.
    void pickBySearch(SelectionViewController* picker, const QString& search, const QString& code) {
        QLineEdit* field = picker->searchField();
        ASSERT_TRUE(tap(field));
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClicks(field, search);
        TableView* table = picker->tableView();
        ASSERT_EQ(table->numberOfSections(), 1) << "matches under more than one letter";
        ASSERT_EQ(table->numberOfRowsInSection(0), 1) << "more than one match";
        ASSERT_EQ(picker->codeAtIndexPath(IndexPath(0, 0)), code);
        snap(QStringLiteral("picker-%1").arg(code.toLower()));
        ASSERT_TRUE(tapRow(table, IndexPath(0, 0)));
    }

    // The sheet once it has come to rest.
    ActionSheet* shownSheet() {
        ActionSheet* sheet = nullptr;
        EXPECT_TRUE(eventually([&] {
            sheet = app->window()->findChild<ActionSheet*>();
            return sheet && sheet->isVisible();
        })) << "no action sheet";
        if (sheet && !cameToRest(sheet->buttonAtIndex(0)))
            return nullptr;
        return sheet;
    }

    QStringList codes() {
        QStringList list;
        for (const auto& currency : manager().foreignCurrencies())
            list << currency->currencyCode();
        return list;
    }
    std::shared_ptr<ForeignCurrency> listed(const QString& code) {
        for (const auto& currency : manager().foreignCurrencies())
            if (currency->currencyCode() == code)
                return currency;
        return nullptr;
    }
    bool inCatalogue(const QString& code) { return manager().knownCurrencies().contains(code); }

    // Whether a rate was downloaded for the record at `since` or later.
    bool downloadedSince(const std::shared_ptr<ForeignCurrency>& currency, const QDateTime& since) const {
        const auto it = downloaded.find(currency);
        return it != downloaded.end() && it->second >= since && currency->lastUpdate().isValid();
    }
    // No lookup in flight, and every currency the service knows has a rate downloaded at `since` or later.
    bool allRatesDownloadedSince(const QDateTime& since) {
        if (!manager().activeConnections().isEmpty())
            return false;
        for (const auto& currency : manager().foreignCurrencies())
            if (inCatalogue(currency->currencyCode()) &&
                (!downloadedSince(currency, since) || !currency->rate()))
                return false;
        return true;
    }

    static QString labelText(TableViewCell* cell, int tagValue) {
        auto* label = cell ? viewWithTag<QLabel>(cell->contentView(), tagValue) : nullptr;
        return label ? label->text() : QStringLiteral("<no label>");
    }
    // The cell of a row once it stands where the table puts it (no slide in progress).
    TableViewCell* restingCell(TableView* table, const IndexPath& indexPath) {
        TableViewCell* cell = nullptr;
        EXPECT_TRUE(eventually([&] {
            cell = table->cellForRowAtIndexPath(indexPath);
            return cell && cell->geometry() == table->rectForRowAtIndexPath(indexPath);
        }));
        return cell;
    }
    QString rowCode(TableView* table, int row) {
        return labelText(restingCell(table, IndexPath(CurrencyViewController::CurrencySection, row)),
                         ListTag::CodeLabelTag);
    }

    // The launch and the first automatic update.
    void launchAndDownloadTheStartingRates() {
        const QDateTime started = QDateTime::currentDateTimeUtc();
        ASSERT_NO_FATAL_FAILURE(launch());
        EXPECT_EQ(manager().localCurrency()->currencyCode(), "USD");
        EXPECT_TRUE(manager().automaticUpdatesEnabled());
        startingCodes = codes();
        ASSERT_GE(startingCodes.size(), 2);
        ASSERT_TRUE(eventually([&] {
            return allRatesDownloadedSince(started) && manager().lastUpdate().isValid();
        })) << "the first automatic update did not bring every rate";
        EXPECT_FALSE(app->window()->isNetworkActivityIndicatorVisible());
        snap(QStringLiteral("launched-converter"));
    }

    // Adds a currency that the starting list lacks from the picker, through its search field.
    void addACurrencyFromThePicker() {
        const bool hasYen = startingCodes.contains("JPY");
        added = hasYen ? QStringLiteral("THB") : QStringLiteral("JPY");
        const QString search = hasYen ? QStringLiteral("thai") : QStringLiteral("yen");
        ASSERT_FALSE(startingCodes.contains(added));

        list = openTab<CurrencyViewController>(CurrenciesTab);
        ASSERT_TRUE(list);
        table = list->tableView();
        EXPECT_EQ(table->numberOfRowsInSection(CurrencyViewController::CurrencySection),
                  startingCodes.size());
        snap(QStringLiteral("currencies-at-start"));

        const QDateTime picked = QDateTime::currentDateTimeUtc();
        ASSERT_TRUE(tapRow(table, IndexPath(CurrencyViewController::AddSection, 0)));
        SelectionViewController* picker = shownPicker();
        ASSERT_TRUE(picker);
        ASSERT_NO_FATAL_FAILURE(pickBySearch(picker, search, added));
        ASSERT_TRUE(pickerGone());
        ASSERT_TRUE(eventually([&] { return appeared(list); }));

        EXPECT_EQ(codes(), QStringList{added} + startingCodes);
        EXPECT_EQ(manager().foreignCurrency()->currencyCode(), added);
        EXPECT_EQ(rowCode(table, 0), added);
        // Automatic updates are on, so the new currency's rate is downloaded at once.
        ASSERT_TRUE(eventually([&] {
            return manager().activeConnections().isEmpty() && downloadedSince(listed(added), picked);
        })) << "no rate downloaded for the new currency";
        EXPECT_NE(labelText(restingCell(table, IndexPath(1, 0)), ListTag::UpdateLabelTag), "Never");
        snap(QStringLiteral("currency-added"));
    }

    // A currency the catalogue lacks, typed into the editor that the picker's More opens.
    void typeACustomCurrency() {
        ASSERT_TRUE(tapRow(table, IndexPath(CurrencyViewController::AddSection, 0)));
        SelectionViewController* picker = shownPicker();
        ASSERT_TRUE(picker);
        auto* pickerBar = picker->view()->findChild<NavigationBar*>();
        ASSERT_TRUE(pickerBar);
        ASSERT_TRUE(tap(pickerBar->rightButton())); // More
        ASSERT_TRUE(pickerGone());

        EditViewController* editor = nullptr;
        ASSERT_TRUE(eventually([&] {
            editor = qobject_cast<EditViewController*>(topOfTab(CurrenciesTab));
            return appeared(editor) && editor->codeField() && editor->codeField()->hasFocus();
        }));
        EXPECT_EQ(editor->mode(), EditViewController::Mode::NewCurrency);
        QTest::keyClicks(editor->codeField(), "XYZ");
        ASSERT_TRUE(tap(editor->nameField()));
        ASSERT_TRUE(editor->nameField()->hasFocus());
        QTest::keyClicks(editor->nameField(), "Example Units");
        ASSERT_TRUE(tap(editor->rateField()));
        ASSERT_TRUE(editor->rateField()->hasFocus());
        QTest::keyClicks(editor->rateField(), "2.5");
        EXPECT_EQ(editor->codeField()->text(), "XYZ");
        EXPECT_EQ(editor->rateField()->text(), local("2.5"));
        snap(QStringLiteral("editor-filled-in"));

        QList<bool> indicator;
        const auto watch =
            QObject::connect(&manager(), &CurrencyManager::networkActivityIndicatorVisibleChanged,
                             [&](bool on) { indicator << on; });
        NavigationBar* bar = navigationOfTab(CurrenciesTab)->navigationBar();
        ASSERT_EQ(bar->rightButton()->text(), "Save");
        ASSERT_TRUE(tap(bar->rightButton()));
        ASSERT_TRUE(eventually([&] { return appeared(list) && topOfTab(CurrenciesTab) == list; }));
        QObject::disconnect(watch);

        EXPECT_EQ(codes(), QStringList({"XYZ", added}) + startingCodes);
        const auto xyz = listed("XYZ");
        ASSERT_TRUE(xyz);
        EXPECT_EQ(manager().foreignCurrency(), xyz);
        EXPECT_EQ(xyz->label(), "Example Units");
        ASSERT_TRUE(xyz->rate());
        EXPECT_EQ(*xyz->rate(), Decimal::fromString("2.5"));
        // Not a currency the service knows: nothing is looked up for it.
        EXPECT_TRUE(manager().activeConnections().isEmpty());
        EXPECT_FALSE(indicator.contains(true));
        EXPECT_FALSE(xyz->lastUpdate().isValid());
        TableViewCell* row = restingCell(table, IndexPath(1, 0));
        EXPECT_EQ(labelText(row, ListTag::CodeLabelTag), "XYZ");
        EXPECT_EQ(labelText(row, ListTag::NameLabelTag), "Example Units");
        EXPECT_EQ(labelText(row, ListTag::RateLabelTag),
                  shortExchangeRateFormatter().stringFromDecimal(Decimal::fromString("2.5")));
        EXPECT_EQ(labelText(row, ListTag::UpdateLabelTag), "Your rate"); // typed, never downloaded
        snap(QStringLiteral("custom-currency-listed"));
    }

    // Edit: one row dragged by its grip, one deleted; Done; then Refresh.
    void reorderDeleteAndRefresh() {
        NavigationBar* bar = navigationOfTab(CurrenciesTab)->navigationBar();
        ASSERT_EQ(bar->rightButton()->text(), "Edit");
        ASSERT_TRUE(tap(bar->rightButton()));
        ASSERT_TRUE(list->isEditing());
        TableViewCell* first = table->cellForRowAtIndexPath(IndexPath(1, 0));
        ASSERT_TRUE(first);
        ASSERT_TRUE(
            eventually([first] { return first->reorderControlRect().right() == first->width() - 1; }));

        // The catalogue currency added earlier (row 1) goes two rows down.
        QStringList expected = codes();
        const int from = 1;
        const int to = 3;
        expected.move(from, to);
        TableViewCell* dragged = restingCell(table, IndexPath(1, from));
        ASSERT_TRUE(dragged);
        ASSERT_EQ(labelText(dragged, ListTag::CodeLabelTag), added);
        QWidget* viewport = table->viewport();
        const QPoint grip = dragged->mapTo(viewport, dragged->reorderControlRect().center());
        ASSERT_TRUE(isShownAt(dragged, dragged->mapFrom(viewport, grip))) << "the grip is covered";
        const int dy = table->rectForRowAtIndexPath(IndexPath(1, to)).center().y() -
                       table->rectForRowAtIndexPath(IndexPath(1, from)).center().y();
        QTest::mousePress(viewport, Qt::LeftButton, {}, grip);
        const int steps = 10;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(viewport, grip + QPoint(0, dy * i / steps));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, grip + QPoint(0, dy));
        EXPECT_EQ(codes(), expected);
        EXPECT_EQ(manager().foreignCurrency()->currencyCode(), "XYZ") << "the current currency stays";
        EXPECT_EQ(rowCode(table, to), added);
        // Moving goes through the manager's insertion, which looks the moved rate up again.
        ASSERT_TRUE(eventually([&] { return manager().activeConnections().isEmpty(); }));
        EXPECT_TRUE(list->isEditing());
        snap(QStringLiteral("editing-after-drag"));

        // The row below the current one is deleted: red control, then the confirmation.
        const int doomed = 2;
        const QString doomedCode = expected.at(doomed);
        expected.removeAt(doomed);
        TableViewCell* cell = restingCell(table, IndexPath(1, doomed));
        ASSERT_TRUE(cell);
        ASSERT_EQ(labelText(cell, ListTag::CodeLabelTag), doomedCode);
        ASSERT_TRUE(cell->isShowingDeleteControl());
        ASSERT_TRUE(tap(viewport, cell->mapTo(viewport, cell->deleteControlRect().center())));
        ASSERT_TRUE(eventually([cell] {
            return cell->isShowingDeleteConfirmation() && !cell->deleteConfirmationRect().isEmpty();
        }));
        snap(QStringLiteral("delete-confirmation"));
        ASSERT_TRUE(tap(viewport, cell->mapTo(viewport, cell->deleteConfirmationRect().center())));
        EXPECT_EQ(codes(), expected);
        EXPECT_FALSE(listed(doomedCode));
        ASSERT_TRUE(eventually([&] { return table->numberOfRowsInSection(1) == expected.size(); }));

        ASSERT_EQ(bar->rightButton()->text(), "Done");
        ASSERT_TRUE(tap(bar->rightButton()));
        EXPECT_FALSE(list->isEditing());
        EXPECT_EQ(codes(), expected);
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(rowCode(table, row), expected.at(row)) << "row " << row;
        snap(QStringLiteral("after-delete-and-done"));

        // The rate server is reachable: Refresh downloads every rate again, and only that.
        const QDateTime refreshed = QDateTime::currentDateTimeUtc();
        ASSERT_TRUE(tap(bar->leftButton()));
        EXPECT_FALSE(app->window()->findChild<AlertView*>()) << "the server is reachable: no alert";
        EXPECT_EQ(manager().activeConnections().size() + manager().queuedLookupCount(), expected.size() - 1)
            << "every currency but XYZ";
        EXPECT_TRUE(app->window()->isNetworkActivityIndicatorVisible());
        snap(QStringLiteral("refreshing"), false);
        ASSERT_TRUE(eventually([&] { return allRatesDownloadedSince(refreshed); }));
        EXPECT_FALSE(app->window()->isNetworkActivityIndicatorVisible());
        EXPECT_EQ(codes(), expected);
        EXPECT_EQ(*listed("XYZ")->rate(), Decimal::fromString("2.5"));
        EXPECT_FALSE(listed("XYZ")->lastUpdate().isValid());
        snap(QStringLiteral("refreshed"));
    }

    // Setup: automatic updates off, GBP as the local currency; then 100 on the converter.
    void changeTheSettingsAndConvert() {
        auto* setup = openTab<SetupViewController>(SetupTab);
        ASSERT_TRUE(setup);
        TableView* setupTable = setup->tableView();
        TableViewCell* switchRow = restingCell(setupTable, IndexPath(SetupViewController::UpdateSection, 0));
        auto* updates =
            switchRow ? viewWithTag<Switch>(switchRow->contentView(), SetupTag::UpdateSwitchTag) : nullptr;
        ASSERT_TRUE(updates);
        EXPECT_TRUE(updates->isOn());
        ASSERT_TRUE(tap(updates));
        EXPECT_FALSE(manager().automaticUpdatesEnabled());
        ASSERT_TRUE(eventually([updates] { return !updates->isOn(); }));
        snap(QStringLiteral("setup-updates-off"));

        ASSERT_TRUE(tapRow(setupTable, IndexPath(SetupViewController::LocalCurrencySection, 0)));
        ActionSheet* sheet = shownSheet();
        ASSERT_TRUE(sheet);
        snap(QStringLiteral("overwrite-sheet"));
        ASSERT_EQ(sheet->buttonTitleAtIndex(SetupViewController::OverwriteButtonIndex), "Overwrite");
        ASSERT_TRUE(tap(sheet->buttonAtIndex(SetupViewController::OverwriteButtonIndex)));
        SelectionViewController* picker = shownPicker();
        ASSERT_TRUE(picker);
        EXPECT_EQ(picker->context().toString(), "master");
        ASSERT_NO_FATAL_FAILURE(pickBySearch(picker, QStringLiteral("GBP"), QStringLiteral("GBP")));
        ASSERT_TRUE(pickerGone());
        ASSERT_TRUE(eventually([&] { return appeared(setup) && !app->window()->findChild<ActionSheet*>(); }));

        EXPECT_EQ(manager().localCurrency()->currencyCode(), "GBP");
        EXPECT_FALSE(manager().automaticUpdatesEnabled());
        EXPECT_FALSE(codes().contains("GBP"));
        EXPECT_FALSE(codes().contains("XYZ")) << "a new local currency rebuilds the list";
        EXPECT_TRUE(manager().activeConnections().isEmpty()) << "automatic updates are off";
        TableViewCell* localRow =
            restingCell(setupTable, IndexPath(SetupViewController::LocalCurrencySection, 0));
        EXPECT_EQ(labelText(localRow, SetupTag::LocalCodeLabelTag), "GBP");
        // The catalogue's name, in the language of the machine's texts.
        EXPECT_EQ(labelText(localRow, SetupTag::LocalNameLabelTag),
                  manager().currencyNames().localName("GBP"));
        snap(QStringLiteral("setup-local-gbp"));

        // The euro is made current on the list, if the rebuilt list has it.
        list = openTab<CurrencyViewController>(CurrenciesTab);
        ASSERT_TRUE(list);
        const int euroRow = int(codes().indexOf("EUR"));
        if (euroRow >= 0) {
            ASSERT_TRUE(restingCell(table, IndexPath(1, euroRow)));
            ASSERT_TRUE(tapRow(table, IndexPath(1, euroRow)));
        }
        const auto current = manager().foreignCurrency();
        EXPECT_EQ(current->currencyCode(), euroRow >= 0 ? "EUR" : codes().first());
        snap(QStringLiteral("currencies-after-gbp"));

        auto* converter = openTab<ConverterViewController>(ConverterTab);
        ASSERT_TRUE(converter);
        QWidget* view = converter->view();
        for (const char* key : {"key1", "key0", "key0"})
            ASSERT_TRUE(tap(view->findChild<KeypadButton*>(QLatin1String(key)))) << key;
        ASSERT_TRUE(current->rate());
        const Decimal rate = *current->rate();
        const Decimal amount(100);
        auto shown = [view](const char* name) {
            auto* label = view->findChild<Label*>(QLatin1String(name));
            return label ? label->text() : QStringLiteral("<none>");
        };
        EXPECT_EQ(shown("amountOriginalOne"), "100");
        EXPECT_EQ(shown("amountOriginalTwo"), "100");
        EXPECT_EQ(shown("amountConvertedOne"),
                  local(amount.multiply(rate, RoundingBehavior::plain(2)).toString()));
        EXPECT_EQ(shown("amountConvertedTwo"),
                  local(amount.divide(rate, RoundingBehavior::plain(2)).toString()));
        EXPECT_EQ(shown("labelOriginalOne"), "GBP");
        EXPECT_EQ(shown("labelOriginalTwo"), current->currencyCode());
        snap(QStringLiteral("converter-100-gbp"));
    }

    // A key pressed on the real keyboard: it goes to the widget with the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : app->window(), key, modifiers);
    }
    static bool hasFocus(QWidget* widget) {
        QWidget* focused = QApplication::focusWidget();
        return widget && focused && (focused == widget || widget->isAncestorOf(focused));
    }
    // Presses Tab until `widget` itself has the focus, as a user looking for it would.
    [[nodiscard]] bool tabTo(QWidget* widget) {
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != widget; ++presses)
            press(Qt::Key_Tab);
        if (QApplication::focusWidget() != widget)
            ADD_FAILURE() << (widget ? widget->metaObject()->className() : "nothing")
                          << " is not reached by Tab";
        return hasFocus(widget);
    }
    [[nodiscard]] bool tabShown(int index) {
        return eventually([&] {
            return tabs()->selectedIndex() == index && appeared(topOfTab(index)) &&
                   !tabs()->modalViewController();
        });
    }

    QTemporaryDir shotDir;
    QString shotFolder;
    int shots = 0;
    RateServerProcess server{QStringLiteral(RATEPAD_RATE_SERVER)};
    TempConfig config;
    std::unique_ptr<AppDelegate> app;
    // When each record last took a downloaded rate, by the manager's signal (held, so that a record
    // gone and a new one at its address are never confused).
    std::map<std::shared_ptr<ForeignCurrency>, QDateTime> downloaded;

    QStringList startingCodes;
    QString added;
    CurrencyViewController* list = nullptr;
    TableView* table = nullptr;
};

TEST_F(UserJourney, aNewUserSetsUpTheListAndSettingsAndFindsThemAgainAtTheNextLaunch) {
    ASSERT_NO_FATAL_FAILURE(launchAndDownloadTheStartingRates());
    ASSERT_NO_FATAL_FAILURE(addACurrencyFromThePicker());
    ASSERT_NO_FATAL_FAILURE(typeACustomCurrency());
    ASSERT_NO_FATAL_FAILURE(reorderDeleteAndRefresh());
    ASSERT_NO_FATAL_FAILURE(changeTheSettingsAndConvert());

    const QStringList leftCodes = codes();
    const QString leftCurrent = manager().foreignCurrency()->currencyCode();
    const qsizetype leftIndex = manager().foreignCurrencies().indexOf(manager().foreignCurrency());
    quit();
    ASSERT_TRUE(QFileInfo::exists(config.preferencesPath()));

    ASSERT_NO_FATAL_FAILURE(launch());
    EXPECT_EQ(manager().localCurrency()->currencyCode(), "GBP");
    EXPECT_EQ(manager().localCurrency()->label(), "British Pound");
    EXPECT_EQ(codes(), leftCodes);
    EXPECT_FALSE(manager().automaticUpdatesEnabled());
    EXPECT_EQ(manager().foreignCurrency()->currencyCode(), leftCurrent);
    EXPECT_EQ(manager().foreignCurrencies().indexOf(manager().foreignCurrency()), leftIndex);
    auto* converter = qobject_cast<ConverterViewController*>(topOfTab(ConverterTab));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(eventually([&] { return appeared(converter); }));
    EXPECT_EQ(converter->view()->findChild<Label*>("labelOriginalOne")->text(), "GBP");
    EXPECT_EQ(converter->view()->findChild<Label*>("labelOriginalTwo")->text(), leftCurrent);
    snap(QStringLiteral("relaunched-converter"));

    auto* setup = openTab<SetupViewController>(SetupTab);
    ASSERT_TRUE(setup);
    TableViewCell* switchRow = restingCell(setup->tableView(), IndexPath(0, 0));
    auto* updates =
        switchRow ? viewWithTag<Switch>(switchRow->contentView(), SetupTag::UpdateSwitchTag) : nullptr;
    ASSERT_TRUE(updates);
    EXPECT_FALSE(updates->isOn());
    EXPECT_EQ(labelText(restingCell(setup->tableView(), IndexPath(1, 0)), SetupTag::LocalCodeLabelTag),
              "GBP");
    snap(QStringLiteral("relaunched-setup"));

    list = openTab<CurrencyViewController>(CurrenciesTab);
    ASSERT_TRUE(list);
    table = list->tableView();
    EXPECT_EQ(table->numberOfRowsInSection(1), leftCodes.size());
    EXPECT_EQ(rowCode(table, 0), leftCodes.first());
    EXPECT_TRUE(manager().activeConnections().isEmpty()) << "automatic updates are off";
    snap(QStringLiteral("relaunched-currencies"));
}

// Every action of the first session with the keyboard alone: not one click.
TEST_F(UserJourney, everyActionCanBeTakenWithTheKeyboardAlone) {
    ASSERT_NO_FATAL_FAILURE(launchAndDownloadTheStartingRates());
    app->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->window()));
    const bool hasYen = startingCodes.contains("JPY");
    added = hasYen ? QStringLiteral("THB") : QStringLiteral("JPY");

    // Add: the list's first row is drawn from the first Tab; Return, the search, Return.
    press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(tabShown(CurrenciesTab));
    list = qobject_cast<CurrencyViewController*>(topOfTab(CurrenciesTab));
    table = list->tableView();
    ASSERT_TRUE(tabTo(table));
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(CurrencyViewController::AddSection, 0));
    press(Qt::Key_Return);
    SelectionViewController* picker = shownPicker();
    ASSERT_TRUE(picker);
    ASSERT_TRUE(hasFocus(picker->searchField()));
    QTest::keyClicks(picker->searchField(), hasYen ? "thai" : "yen");
    press(Qt::Key_Return);
    ASSERT_TRUE(pickerGone());
    EXPECT_EQ(codes(), QStringList{added} + startingCodes);

    // Edit: the Edit button, the row, Return opens the editor; a new name and Return saves it.
    NavigationBar* bar = navigationOfTab(CurrenciesTab)->navigationBar();
    auto toggleEditing = [&] {
        ASSERT_TRUE(tabTo(bar->rightButton()));
        press(Qt::Key_Space);
        ASSERT_TRUE(tabTo(table));
    };
    ASSERT_NO_FATAL_FAILURE(toggleEditing());
    ASSERT_TRUE(list->isEditing());
    press(Qt::Key_Down);
    ASSERT_EQ(table->indexPathForSelectedRow(), IndexPath(1, 0));
    press(Qt::Key_Return);
    EditViewController* editor = nullptr;
    ASSERT_TRUE(eventually([&] {
        editor = qobject_cast<EditViewController*>(topOfTab(CurrenciesTab));
        return appeared(editor);
    }));
    ASSERT_TRUE(tabTo(editor->nameField()));
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "Typed Name");
    press(Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return appeared(list) && topOfTab(CurrenciesTab) == list; }));
    EXPECT_EQ(listed(added)->label(), "Typed Name");

    // Reorder and delete: Ctrl+Down and Alt+Shift+Down take the new row two places down; Delete asks
    // for the row below it and Return confirms; Done.
    ASSERT_NO_FATAL_FAILURE(toggleEditing());
    ASSERT_TRUE(list->isEditing());
    while (table->indexPathForSelectedRow() != IndexPath(1, 0) && table->indexPathForSelectedRow())
        press(table->indexPathForSelectedRow()->section() < 1 ? Qt::Key_Down : Qt::Key_Up);
    QStringList expected = codes();
    expected.move(0, 2);
    press(Qt::Key_Down, Qt::ControlModifier);
    press(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(codes(), expected);
    EXPECT_EQ(rowCode(table, 2), added);
    ASSERT_TRUE(eventually([&] { return manager().activeConnections().isEmpty(); }));
    const QString doomed = expected.takeAt(3);
    press(Qt::Key_Down);
    press(Qt::Key_Delete);
    ASSERT_TRUE(restingCell(table, IndexPath(1, 3))->isShowingDeleteConfirmation());
    snap(QStringLiteral("keyboard-delete-confirmation"));
    press(Qt::Key_Return);
    EXPECT_EQ(codes(), expected);
    EXPECT_FALSE(listed(doomed));
    ASSERT_NO_FATAL_FAILURE(toggleEditing());
    EXPECT_FALSE(list->isEditing());

    // Refresh.
    const QDateTime refreshed = QDateTime::currentDateTimeUtc();
    ASSERT_TRUE(tabTo(bar->leftButton()));
    press(Qt::Key_Space);
    ASSERT_TRUE(eventually([&] { return allRatesDownloadedSince(refreshed); }));

    // Setup with Alt+3: the switch, then the local currency through the sheet and the master picker.
    press(Qt::Key_3, Qt::AltModifier);
    ASSERT_TRUE(tabShown(SetupTab));
    auto* setup = qobject_cast<SetupViewController*>(topOfTab(SetupTab));
    TableView* setupTable = setup->tableView();
    auto* updates = viewWithTag<Switch>(restingCell(setupTable, IndexPath(0, 0))->contentView(),
                                        SetupTag::UpdateSwitchTag);
    ASSERT_TRUE(tabTo(updates));
    press(Qt::Key_Space);
    EXPECT_FALSE(manager().automaticUpdatesEnabled());
    ASSERT_TRUE(tabTo(setupTable));
    while (setupTable->indexPathForSelectedRow() != IndexPath(SetupViewController::LocalCurrencySection, 0)) {
        const auto before = setupTable->indexPathForSelectedRow();
        press(Qt::Key_Down);
        ASSERT_NE(setupTable->indexPathForSelectedRow(), before) << "the local currency is not reached";
    }
    press(Qt::Key_Return);
    ActionSheet* sheet = shownSheet();
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(tabTo(sheet->buttonAtIndex(SetupViewController::OverwriteButtonIndex)));
    press(Qt::Key_Space);
    picker = shownPicker();
    ASSERT_TRUE(picker);
    ASSERT_TRUE(eventually([&] { return !app->window()->findChild<ActionSheet*>(); }));
    ASSERT_TRUE(hasFocus(picker->searchField())) << "typing goes to the search field";
    QTest::keyClicks(QApplication::focusWidget(), "GBP");
    press(Qt::Key_Return);
    ASSERT_TRUE(pickerGone());
    EXPECT_EQ(manager().localCurrency()->currencyCode(), "GBP");

    // The converter with Ctrl+PageUp twice: 100 typed on the keyboard.
    press(Qt::Key_PageUp, Qt::ControlModifier);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    ASSERT_TRUE(tabShown(ConverterTab));
    QWidget* view = topOfTab(ConverterTab)->view();
    for (Qt::Key key : {Qt::Key_1, Qt::Key_0, Qt::Key_0})
        press(key);
    EXPECT_EQ(view->findChild<Label*>("amountOriginalOne")->text(), "100");
    EXPECT_EQ(view->findChild<Label*>("labelOriginalOne")->text(), "GBP");
    snap(QStringLiteral("keyboard-converter-100-gbp"));
}

// A German user's keyboard: codes typed in lower case, rates with the "." key. The local currency
// through Setup's Overwrite and More, a currency the catalogue lacks through a search that finds
// nothing, and that code typed again.
TEST_F(UserJourney, inGermanCodesInLowerCaseAndRatesWithAPointAreTakenAsMeant) {
    if (runsElsewhereUnder("de_DE.UTF-8"))
        return;
    ASSERT_NO_FATAL_FAILURE(launch());

    auto* setup = openTab<SetupViewController>(SetupTab);
    ASSERT_TRUE(setup);
    ASSERT_TRUE(tapRow(setup->tableView(), IndexPath(SetupViewController::LocalCurrencySection, 0)));
    ActionSheet* sheet = shownSheet();
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(tap(sheet->buttonAtIndex(SetupViewController::OverwriteButtonIndex)));
    SelectionViewController* picker = shownPicker();
    ASSERT_TRUE(picker);
    ASSERT_TRUE(tap(picker->view()->findChild<NavigationBar*>()->rightButton())); // More
    ASSERT_TRUE(pickerGone());
    EditViewController* editor = nullptr;
    ASSERT_TRUE(eventually([&] {
        editor = qobject_cast<EditViewController*>(topOfTab(SetupTab));
        return appeared(editor) && editor->codeField()->hasFocus();
    }));
    QTest::keyClicks(editor->codeField(), "gbp");
    QTest::keyClick(editor->codeField(), Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return appeared(setup); }));
    EXPECT_EQ(manager().localCurrency()->currencyCode(), "GBP");
    EXPECT_EQ(manager().localCurrency()->label(), "British Pound");
    EXPECT_GE(codes().size(), 2) << "the list is rebuilt for GBP, not wiped";

    list = openTab<CurrencyViewController>(CurrenciesTab);
    ASSERT_TRUE(list);
    table = list->tableView();
    for (const char* rate : {"1.5", ""}) {
        ASSERT_TRUE(tapRow(table, IndexPath(CurrencyViewController::AddSection, 0)));
        picker = shownPicker();
        ASSERT_TRUE(picker);
        QTest::keyClicks(picker->searchField(), "zzz"); // the search has the focus
        snap(QStringLiteral("picker-no-match"));
        QTest::keyClick(picker->searchField(), Qt::Key_Return);
        ASSERT_TRUE(pickerGone());
        ASSERT_TRUE(eventually([&] {
            editor = qobject_cast<EditViewController*>(topOfTab(CurrenciesTab));
            return appeared(editor) && editor->codeField()->hasFocus();
        }));
        EXPECT_EQ(editor->codeField()->text(), "ZZZ");
        if (*rate) {
            ASSERT_TRUE(tap(editor->nameField()));
            QTest::keyClicks(editor->nameField(), "Zed");
            ASSERT_TRUE(tap(editor->rateField()));
            QTest::keyClicks(editor->rateField(), rate);
            EXPECT_EQ(editor->rateField()->text(), "1,5");
            snap(QStringLiteral("editor-de-DE"));
        }
        ASSERT_TRUE(tap(navigationOfTab(CurrenciesTab)->navigationBar()->rightButton())); // Save
        ASSERT_TRUE(eventually([&] { return appeared(list); }));
        EXPECT_EQ(codes().count("ZZZ"), 1);
        EXPECT_EQ(codes().first(), "ZZZ");
        EXPECT_EQ(manager().foreignCurrency()->label(), "Zed");
        ASSERT_TRUE(manager().foreignCurrency()->rate());
        EXPECT_EQ(*manager().foreignCurrency()->rate(), Decimal::fromString("1.5"));
        EXPECT_EQ(rowCode(table, 0), "ZZZ");
    }
    snap(QStringLiteral("currencies-de-DE"));
}

} // namespace
