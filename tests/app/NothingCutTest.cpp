// Every screen, alert and action sheet of the phone-sized window, in English and in every shipped
// language: a text may shrink within the kit's floors, but none may be elided or clipped. With
// RATEPAD_CUT_SCREENSHOTS set, the main screens, an alert and a sheet of every language are saved there.
#include "ActionSheet.h"
#include "AlertView.h"
#include "AppDelegate.h"
#include "AppWindow.h"
#include "BarButton.h"
#include "CurrencyManager.h"
#include "CurrencyViewController.h"
#include "CutTexts.h"
#include "EditViewController.h"
#include "NavigationBar.h"
#include "NavigationController.h"
#include "NavigationItem.h"
#include "OpenURLOrCopy.h"
#include "SelectionViewController.h"
#include "SetupViewController.h"
#include "TabBar.h"
#include "TabBarButton.h"
#include "TabBarController.h"
#include "TableView.h"
#include "TempConfig.h"
#include "Theme.h"
#include "Views.h"
#include "ZkAlert.h"

#include <QDir>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

constexpr int kTimeoutMs = 10000;
// Longer than any slide or fade of the kit.
constexpr int kSettleMs = Theme::transitionDurationMs + 100;

constexpr const char* kLanguages[] = {"en", "ar", "de", "es",    "fr", "it",
                                      "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};

enum Tab { ConverterTab, RatesTab, SetupTab, HelpTab, MoreTab };

class NothingCut : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QLatin1String(GetParam()) != QLatin1String("en")) {
            ASSERT_TRUE(
                translator.load(QStringLiteral(":/i18n/ratepad_%1.qm").arg(QLatin1String(GetParam()))));
            ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        }
        // No rate server can be found: updates fail at once and Refresh explains why. Currency names
        // are in the language of the texts too.
        app = std::make_unique<AppDelegate>(AppDelegate::Options{config.preferencesPath(),
                                                                 QStringLiteral("nonexistent.invalid"),
                                                                 QStringLiteral("127.0.0.1"),
                                                                 {QLatin1String(GetParam())}});
        app->applicationDidFinishLaunching();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->window()));
    }

    void TearDown() override {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::removeTranslator(&translator);
    }

    TabBarController* tabs() { return app->tabBarController(); }
    NavigationController* navigation(Tab tab) {
        return qobject_cast<NavigationController*>(tabs()->viewControllers().at(tab));
    }
    template <typename Screen> Screen* top(Tab tab) {
        NavigationController* stack = navigation(tab);
        return qobject_cast<Screen*>(stack ? stack->topViewController() : tabs()->viewControllers().at(tab));
    }
    template <typename Screen> Screen* openTab(Tab tab) {
        tabs()->setSelectedIndex(tab);
        return settled(top<Screen>(tab));
    }
    // `screen` once it has come up and every slide and fade has ended.
    template <typename Screen> static Screen* settled(Screen* screen) {
        EXPECT_TRUE(
            screen &&
            QTest::qWaitFor([&] { return screen->appearance() == ViewController::Appearance::Appeared; },
                            kTimeoutMs));
        QTest::qWait(kSettleMs);
        return screen;
    }
    SelectionViewController* picker() {
        return settled(qobject_cast<SelectionViewController*>(tabs()->modalViewController()));
    }

    // Checks the window as it stands, every table scrolled through from top to bottom.
    void expectWhole(const char* screen) {
        QWidget* window = app->window();
        QStringList cut = cutTexts(window);
        for (TableView* table : window->findChildren<TableView*>()) {
            if (!table->isVisible())
                continue;
            QScrollBar* bar = table->verticalScrollBar();
            const int start = bar->value();
            for (int y = 0; y < bar->maximum() + table->viewport()->height();
                 y += table->viewport()->height()) {
                bar->setValue(y);
                QCoreApplication::processEvents();
                cut += cutTexts(table);
            }
            bar->setValue(start);
        }
        cut.removeDuplicates();
        EXPECT_TRUE(cut.isEmpty()) << screen << ": " << cut.join(QStringLiteral(" | ")).toStdString();
    }

    void saveShot(const char* name) {
        const QString folder = qEnvironmentVariable("RATEPAD_CUT_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1-%2.png").arg(QLatin1String(name), QLatin1String(GetParam())));
        EXPECT_TRUE(app->window()->grab().save(path)) << path.toStdString();
    }

    template <typename Overlay> Overlay* shown() {
        Overlay* overlay = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return (overlay = app->window()->findChild<Overlay*>()) && overlay->isVisible(); },
            kTimeoutMs));
        QTest::qWait(kSettleMs);
        return overlay;
    }

    QTranslator translator;
    TempConfig config;
    std::unique_ptr<AppDelegate> app;
};

TEST_P(NothingCut, everyScreenAlertAndSheetShowsItsTextsWhole) {
    // The current currency's rate is the user's and kept: its words stand where a date would.
    CurrencyManager& manager = app->currencyManager();
    manager.editForeignCurrency(manager.foreignCurrency(), QString(), Decimal::fromString("0.95"), true);
    openTab<ViewController>(ConverterTab);
    expectWhole("converter");

    auto* list = openTab<CurrencyViewController>(RatesTab);
    ASSERT_TRUE(list);
    expectWhole("list");
    saveShot("list");
    list->setEditing(true, false);
    expectWhole("list while editing");
    saveShot("list-editing");

    list->didSelectRowAtIndexPath(list->tableView(), IndexPath(CurrencyViewController::CurrencySection, 0));
    ASSERT_TRUE(settled(top<EditViewController>(RatesTab)));
    expectWhole("editor of a listed currency");
    saveShot("editor");
    navigation(RatesTab)->popViewControllerAnimated(false);
    list->setEditing(false, false);

    list->didSelectRowAtIndexPath(list->tableView(), IndexPath(CurrencyViewController::AddSection, 0));
    ASSERT_TRUE(picker());
    expectWhole("picker");
    saveShot("picker");
    // No match: one row offers to type the currency in, with the code when the search can be one.
    for (const char* search : {"Qqq", "no such money"}) {
        picker()->setSearchText(QLatin1String(search));
        expectWhole("picker without a match");
    }
    picker()->more();
    ASSERT_TRUE(settled(top<EditViewController>(RatesTab)));
    expectWhole("editor of a new currency");
    navigation(RatesTab)->popViewControllerAnimated(false);

    list->refresh();
    AlertView* alert = shown<AlertView>();
    ASSERT_TRUE(alert);
    expectWhole("server alert");
    saveShot("alert");
    alert->dismissWithClickedButtonIndex(0, false);

    auto* setup = openTab<SetupViewController>(SetupTab);
    ASSERT_TRUE(setup);
    expectWhole("setup");
    setup->didSelectRowAtIndexPath(setup->tableView(),
                                   IndexPath(SetupViewController::LocalCurrencySection, 0));
    ActionSheet* sheet = shown<ActionSheet>();
    ASSERT_TRUE(sheet);
    expectWhole("local currency sheet");
    saveShot("sheet");
    sheet->dismissWithClickedButtonIndex(SetupViewController::OverwriteButtonIndex, false);
    ASSERT_TRUE(picker());
    picker()->more();
    ASSERT_TRUE(settled(top<EditViewController>(SetupTab)));
    expectWhole("editor of the local currency");
    navigation(SetupTab)->popViewControllerAnimated(false);

    openTab<ViewController>(MoreTab);
    expectWhole("more");
    saveShot("more");
    openTab<ViewController>(HelpTab);
    expectWhole("help");
    std::unique_ptr<AlertView> review = ZkAlert::alertNamed(QStringLiteral("ZkSolicitReview"));
    ZkAlert::setTitleFormat(*review, {QStringLiteral("Ratepad")});
    AlertView::present(std::move(review), app->window());
    AlertView* reviewAlert = shown<AlertView>();
    ASSERT_TRUE(reviewAlert);
    expectWhole("review request");
    reviewAlert->dismissWithClickedButtonIndex(0, false);
    openURLOrCopy(QUrl(QStringLiteral("appstream://example.ratepad.ratepad")), app->window(),
                  [](const QUrl&) { return false; });
    ASSERT_TRUE(shown<AlertView>());
    expectWhole("link that nothing opens");
}

// A language written right to left mirrors the bars and the rows, through the window's resizes too;
// the converter keeps a calculator's order in every language.
TEST_P(NothingCut, barsAndRowsFollowTheLanguagesDirectionButTheKeypadDoesNot) {
    const bool mirrored = QLocale(QLatin1String(GetParam())).textDirection() == Qt::RightToLeft;
    const auto x = [](const QWidget* view) { return view ? view->mapTo(view->window(), QPoint()).x() : -1; };
    QWidget* converter = openTab<ViewController>(ConverterTab)->view();
    EXPECT_LT(x(converter->findChild<QWidget*>("key7")), x(converter->findChild<QWidget*>("key9")));
    EXPECT_LT(x(converter->findChild<QWidget*>("amountOriginalOne")),
              x(converter->findChild<QWidget*>("labelOriginalOne")));
    TabBar* tabBar = tabs()->tabBar();
    EXPECT_EQ(x(tabBar->buttonAt(ConverterTab)) > x(tabBar->buttonAt(MoreTab)), mirrored);

    auto* list = openTab<CurrencyViewController>(RatesTab);
    ASSERT_TRUE(list);
    int edit = -1;
    int refresh = -1;
    for (const BarButton* button : navigation(RatesTab)->navigationBar()->findChildren<BarButton*>()) {
        if (button->item() == list->navigationItem()->rightBarButtonItem())
            edit = x(button);
        else if (button->item() == list->navigationItem()->leftBarButtonItem())
            refresh = x(button);
    }
    EXPECT_EQ(edit < refresh, mirrored);
    const auto row = [&] {
        return list->tableView()->cellForRowAtIndexPath(
            IndexPath(CurrencyViewController::CurrencySection, 0));
    };
    ASSERT_TRUE(row());
    const auto fromLeadingEdge = [&](int tagValue) {
        const QWidget* view = viewWithTag(row()->contentView(), tagValue);
        const int left = x(view) - x(row());
        return mirrored ? row()->width() - left - view->width() : left;
    };
    EXPECT_EQ(x(viewWithTag(row()->contentView(), CurrencyViewController::RateLabelTag)) <
                  x(viewWithTag(row()->contentView(), CurrencyViewController::CodeLabelTag)),
              mirrored);
    const int code = fromLeadingEdge(CurrencyViewController::CodeLabelTag);
    const int rate = fromLeadingEdge(CurrencyViewController::RateLabelTag);
    app->window()->resize(app->window()->width() + 120, app->window()->height());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return row() && row()->width() > Theme::windowSize.width(); }, kTimeoutMs));
    EXPECT_EQ(fromLeadingEdge(CurrencyViewController::CodeLabelTag), code);
    EXPECT_EQ(fromLeadingEdge(CurrencyViewController::RateLabelTag), rate + 120);
}

// A language added to the program is added here too.
TEST(NothingCutLanguages, coverEveryShippedTranslation) {
    QStringList shipped{"en"};
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("ratepad_*.qm")}))
        shipped << file.mid(8).chopped(3);
    shipped.sort();
    QStringList tested;
    for (const char* language : kLanguages)
        tested << QLatin1String(language);
    tested.sort();
    EXPECT_EQ(tested, shipped);
}

INSTANTIATE_TEST_SUITE_P(Languages, NothingCut, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
