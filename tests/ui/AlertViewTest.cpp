#include "AlertView.h"

#include "AppWindow.h"
#include "KitTestSupport.h"
#include "TextField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>

using namespace kittest;

namespace {

class CountingDelegate final : public AlertViewDelegate {
public:
    void clickedButtonAtIndex(AlertView*, int index) override { indexes.append(index); }
    QList<int> indexes;
};

class AlertViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        field = new TextField;
        window.addSubview(field);
        window.makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }

    // "Server not reachable" style: title, message, buttons.
    AlertView* presentAlert(const QStringList& buttons, int cancelIndex = -1) {
        auto alert = std::make_unique<AlertView>("Server not reachable",
                                                 "Exchange rate update relies on an Internet server.");
        for (const QString& title : buttons)
            alert->addButtonWithTitle(title);
        alert->setCancelButtonIndex(cancelIndex);
        alert->setDelegate(&delegate);
        return AlertView::present(std::move(alert));
    }

    // Keys go where the keyboard focus really is.
    void press(Qt::Key key) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        QTest::keyClick(focused, key);
    }

    CountingDelegate delegate; // outlives the window and its alerts
    AppWindow window;
    TextField* field = nullptr;
};

TEST_F(AlertViewTest, buttonsGetIndexesInOrderAndHaveNoCancelButtonUnlessOneIsSet) {
    AlertView alert("Title", "Message");
    EXPECT_EQ(alert.addButtonWithTitle("No, Thanks"), 0);
    EXPECT_EQ(alert.addButtonWithTitle("Rate"), 1);
    EXPECT_EQ(alert.addButtonWithTitle("Later"), 2);
    EXPECT_EQ(alert.numberOfButtons(), 3);
    EXPECT_EQ(alert.buttonTitleAtIndex(1), "Rate");
    EXPECT_EQ(alert.buttonAtIndex(2)->accessibleName().isEmpty() ? alert.buttonAtIndex(2)->text()
                                                                 : alert.buttonAtIndex(2)->accessibleName(),
              "Later");
    EXPECT_EQ(alert.buttonTitleAtIndex(3), "");
    EXPECT_EQ(alert.buttonAtIndex(-1), nullptr);
    EXPECT_EQ(alert.cancelButtonIndex(), -1);
    alert.setTitle("Rate Ratepad");
    EXPECT_EQ(alert.title(), "Rate Ratepad");
}

TEST_F(AlertViewTest, coversTheWindowWithTwoButtonsSideBySideAndMoreStacked) {
    AlertView* pair = presentAlert({"Cancel", "OK"}, 0);
    EXPECT_EQ(pair->parentWidget(), &window);
    EXPECT_EQ(pair->geometry(), window.rect());
    QAbstractButton* left = pair->buttonAtIndex(0);
    QAbstractButton* right = pair->buttonAtIndex(1);
    EXPECT_EQ(left->y(), right->y());
    EXPECT_LT(left->x(), right->x());
    EXPECT_NEAR(left->geometry().united(right->geometry()).center().x(), window.width() / 2, 1);
    pair->dismissWithClickedButtonIndex(0, false);

    AlertView* three = presentAlert({"One", "Two", "Three"});
    EXPECT_EQ(three->buttonAtIndex(0)->x(), three->buttonAtIndex(2)->x());
    EXPECT_LT(three->buttonAtIndex(0)->y(), three->buttonAtIndex(1)->y());
    EXPECT_LT(three->buttonAtIndex(1)->y(), three->buttonAtIndex(2)->y());

    window.resize(400, 700);
    ASSERT_TRUE(waitUntil([&] { return three->size() == QSize(400, 700); }));
    EXPECT_NEAR(three->buttonAtIndex(0)->geometry().center().x(), 200, 1);
}

TEST_F(AlertViewTest, aClickTellsTheDelegateTheButtonOnceThenTheAlertGoesAway) {
    QPointer<AlertView> alert = presentAlert({"Cancel", "OK"}, 0);
    QSignalSpy clicked(alert.data(), &AlertView::clicked);
    QSignalSpy dismissed(alert.data(), &AlertView::dismissed);
    QAbstractButton* ok = alert->buttonAtIndex(1);
    click(ok);
    if (ok->isVisible())
        QTest::mouseClick(ok, Qt::LeftButton); // a second, hasty click
    EXPECT_EQ(delegate.indexes, QList<int>{1});
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), 1);
    ASSERT_TRUE(waitUntil([&] { return alert.isNull(); })) << "a presented alert is deleted once dismissed";
    ASSERT_EQ(dismissed.size(), 1);
    EXPECT_EQ(dismissed[0][0].toInt(), 1);
    EXPECT_EQ(delegate.indexes, QList<int>{1});
    EXPECT_TRUE(field->hasFocus()) << "the keyboard goes back where it was";
}

TEST_F(AlertViewTest, escapePressesTheCancelButtonAndReturnTheLastOne) {
    QPointer<AlertView> alert = presentAlert({"OK", "Cancel", "Retry"}, 1);
    EXPECT_TRUE(alert->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == alert);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_TRUE(alert->isAncestorOf(QApplication::focusWidget())) << "Tab stays inside the alert";
    press(Qt::Key_Escape);
    EXPECT_EQ(delegate.indexes, QList<int>{1});
    ASSERT_TRUE(waitUntil([&] { return alert.isNull(); }));

    alert = presentAlert({"No", "Yes"});
    press(Qt::Key_Return);
    EXPECT_EQ(delegate.indexes, (QList<int>{1, 1}));
    ASSERT_TRUE(waitUntil([&] { return alert.isNull(); }));

    alert = presentAlert({"OK"});
    press(Qt::Key_Escape);
    EXPECT_EQ(delegate.indexes.size(), 2) << "no cancel button: Escape does nothing";
    EXPECT_TRUE(alert->isVisible());
}

TEST_F(AlertViewTest, anAlertThatIsShownStaysItsOwnersAndCanBeShownAgain) {
    AlertView alert("Server not reachable", "Please try again later.", &window);
    alert.addButtonWithTitle("OK");
    alert.setCancelButtonIndex(0);
    QSignalSpy dismissed(&alert, &AlertView::dismissed);
    alert.show();
    EXPECT_TRUE(alert.isVisible());
    click(alert.buttonAtIndex(0));
    ASSERT_TRUE(waitUntil([&] { return dismissed.size() == 1; }));
    EXPECT_FALSE(alert.isVisible());
    alert.show();
    click(alert.buttonAtIndex(0));
    ASSERT_TRUE(waitUntil([&] { return dismissed.size() == 2; }));
}

} // namespace
