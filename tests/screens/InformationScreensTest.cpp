#include "AlertView.h"
#include "HelpViewController.h"
#include "ImageView.h"
#include "Label.h"
#include "MoreTableViewCell.h"
#include "MoreViewController.h"
#include "TableView.h"
#include "Theme.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

TEST(HelpScreen, showsTheHelpTextOnTheGroupedBackgroundAsSoonAsLoaded) {
    HelpViewController help;
    QWidget* view = help.view();
    EXPECT_EQ(view->palette().color(QPalette::Window), Theme::groupTableViewBackgroundColor());
    ASSERT_NE(help.textView(), nullptr);
    const QString text = help.textView()->toPlainText();
    EXPECT_TRUE(text.contains("keypad"));
    EXPECT_TRUE(text.contains("six hours"));
    EXPECT_TRUE(help.textView()->isReadOnly());
    // Edit cannot change a listed currency's code, so the help does not say it can.
    EXPECT_FALSE(help.textView()->toPlainText().contains("its code, its name"));
}

TEST(HelpScreen, aThinScrollIndicatorStaysClearOfThePanelsRoundedCorners) {
    HelpViewController help;
    help.view()->resize(Theme::windowSize);
    help.view()->show();
    QScrollBar* bar = help.textView()->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.view()));
    ASSERT_TRUE(bar->isVisible()) << "the text is taller than the panel";
    const QRect inPanel(bar->mapTo(help.textView(), QPoint()), bar->size());
    const QImage shown = bar->grab().toImage();
    int topOfHandle = shown.height();
    for (int y = 0; y < shown.height() && topOfHandle == shown.height(); ++y) {
        if (shown.pixelColor(shown.width() / 2, y) != shown.pixelColor(shown.width() / 2, shown.height() - 1))
            topOfHandle = y;
    }
    EXPECT_LE(bar->width(), 8) << "a thin indicator, not a desktop bar with arrows";
    EXPECT_GE(inPanel.top() + topOfHandle, 10) << "the handle begins below the rounded corner";
}

namespace {

struct MoreScreen {
    QList<QUrl> opened;
    MoreViewController screen{[this](const QUrl& url) {
        opened << url;
        return true;
    }};
    TableView* table() {
        QWidget* view = screen.view();
        view->resize(Theme::windowSize);
        view->show();
        return screen.tableView();
    }
};

} // namespace

TEST(MoreScreen, listsFourPhoneAndTwoDesktopApplicationsUnderTheirHeaders) {
    MoreScreen more;
    TableView* table = more.table();
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->numberOfRowsInSection(0), 4);
    EXPECT_EQ(table->numberOfRowsInSection(1), 2);
    EXPECT_EQ(more.screen.titleForHeaderInSection(table, 0), "Phone Applications");
    EXPECT_EQ(more.screen.titleForHeaderInSection(table, 1), "Desktop Applications");
    EXPECT_EQ(more.screen.titleForHeaderInSection(table, 7), "-");
    EXPECT_EQ(more.screen.numberOfRowsInSection(table, 7), 0);
    EXPECT_EQ(table->rowHeight(), 80);
    for (int s = 0; s < 2; ++s) {
        for (int r = 0; r < table->numberOfRowsInSection(s); ++r) {
            const auto* app = MoreViewController::applicationAt(IndexPath::forRow(r, s));
            ASSERT_NE(app, nullptr);
            const QUrl link(QString::fromLatin1(app->link));
            EXPECT_EQ(link.scheme(), "https") << app->link;
            // Phone rows are Android apps from their store, desktop rows are not.
            EXPECT_EQ(link.host() == "f-droid.org", s == 0) << app->link;
            EXPECT_FALSE(QPixmap(QStringLiteral(":/") + app->iconImageName).isNull()) << app->iconImageName;
            // Nobody takes them for Ratepad's own: the subtitle names who makes each.
            const auto cell = more.screen.cellForRowAtIndexPath(table, IndexPath::forRow(r, s));
            EXPECT_EQ(static_cast<MoreTableViewCell*>(cell.get())->makerLabel()->text(),
                      QStringLiteral("Made by ") + app->maker);
        }
    }
    EXPECT_EQ(MoreViewController::applicationAt(IndexPath::forRow(4, 0)), nullptr);
}

TEST(MoreScreen, rowsCannotBeSelectedAndOnlyTheDetailButtonOpensTheLink) {
    MoreScreen more;
    TableView* table = more.table();
    const IndexPath second = IndexPath::forRow(1, 0);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRowAtIndexPath(second).center());
    EXPECT_FALSE(table->indexPathForSelectedRow());
    EXPECT_TRUE(more.opened.isEmpty());

    TableViewCell* cell = table->cellForRowAtIndexPath(second);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->displayedAccessoryType(), TableViewCell::AccessoryType::DetailDisclosureButton);
    QTest::mouseClick(cell, Qt::LeftButton, {}, cell->accessoryRect().center());
    ASSERT_EQ(more.opened.size(), 1);
    EXPECT_EQ(more.opened[0], QUrl(QString::fromLatin1(MoreViewController::applicationAt(second)->link)));
}

// The offscreen platform, like a session without a desktop, opens no links.
TEST(MoreScreen, aLinkThatNothingOpensIsCopiedAndTheAlertSaysSo) {
    MoreViewController screen;
    screen.view()->resize(Theme::windowSize);
    screen.view()->show();
    QGuiApplication::clipboard()->clear();
    const IndexPath first = IndexPath::forRow(0, 1);
    TableViewCell* cell = screen.tableView()->cellForRowAtIndexPath(first);
    ASSERT_NE(cell, nullptr);
    QTest::mouseClick(cell, Qt::LeftButton, {}, cell->accessoryRect().center());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), MoreViewController::applicationAt(first)->link);
    auto* alert = screen.view()->window()->findChild<AlertView*>();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->title(), "Cannot Open Link");
}

TEST(MoreScreen, cellsLayOutFromTheirContentAndKeepTheLabelsWhenWidened) {
    MoreTableViewCell cell("MoreTableViewCell");
    EXPECT_EQ(cell.iconImageView()->geometry(), QRect(5, 5, 57, 57));
    EXPECT_EQ(cell.nameLabel()->geometry().left(), 72);
    EXPECT_EQ(cell.nameLabel()->geometry().top(), 10);
    EXPECT_EQ(cell.descriptionLabel()->geometry().top(), 35); // room for a second line below
    EXPECT_EQ(cell.nameLabel()->highlightedTextColor(), QColor(Qt::white));
    const QRect before = cell.nameLabel()->geometry();
    cell.resize(480, 67);
    EXPECT_EQ(cell.nameLabel()->geometry(), before);
}
