#include "ActionSheet.h"

#include "AppWindow.h"
#include "KitTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>

using namespace kittest;

namespace {

class CountingDelegate final : public ActionSheetDelegate {
public:
    void clickedButtonAtIndex(ActionSheet*, int index) override { indexes.append(index); }
    QList<int> indexes;
};

TEST(ActionSheet, destructiveComesFirstThenTheOthersAndCancelLast) {
    ActionSheet overwrite("Changing the local currency will revert all foreign currencies", "Cancel",
                          "Overwrite");
    EXPECT_EQ(overwrite.numberOfButtons(), 2);
    EXPECT_EQ(overwrite.destructiveButtonIndex(), 0);
    EXPECT_EQ(overwrite.cancelButtonIndex(), 1);
    EXPECT_EQ(overwrite.buttonTitleAtIndex(0), "Overwrite");
    EXPECT_EQ(overwrite.buttonTitleAtIndex(1), "Cancel");

    ActionSheet many("Share", "Cancel", "Delete", {"Mail", "Message"});
    EXPECT_EQ(many.destructiveButtonIndex(), 0);
    EXPECT_EQ(many.buttonTitleAtIndex(1), "Mail");
    EXPECT_EQ(many.buttonTitleAtIndex(2), "Message");
    EXPECT_EQ(many.cancelButtonIndex(), 3);

    ActionSheet plain("Pick", {}, {}, {"A", "B"});
    EXPECT_EQ(plain.destructiveButtonIndex(), -1);
    EXPECT_EQ(plain.cancelButtonIndex(), -1);
    EXPECT_EQ(plain.buttonTitleAtIndex(0), "A");
}

class ActionSheetShownTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto overwrite = std::make_unique<ActionSheet>(
            "Changing the local currency will revert all foreign currencies", "Cancel", "Overwrite");
        overwrite->setDelegate(&delegate);
        sheet = ActionSheet::present(std::move(overwrite), window.contentView());
    }

    bool atRest() const {
        QAbstractButton* cancel = sheet->buttonAtIndex(sheet->cancelButtonIndex());
        return cancel->geometry().bottom() == window.height() - 1 - 8;
    }

    CountingDelegate delegate;
    AppWindow window;
    QPointer<ActionSheet> sheet;
};

TEST_F(ActionSheetShownTest, slidesUpToTheBottomWithCancelSetApartAndDestructiveInRed) {
    EXPECT_EQ(sheet->geometry(), window.rect());
    ASSERT_TRUE(waitUntil([&] { return atRest(); }))
        << "slides up until the cancel button sits at the bottom";
    QAbstractButton* overwrite = sheet->buttonAtIndex(0);
    QAbstractButton* cancel = sheet->buttonAtIndex(1);
    EXPECT_GE(cancel->y() - overwrite->geometry().bottom(), 8) << "cancel stands apart";

    const QImage face = overwrite->grab().toImage();
    bool red = false;
    for (int y = 0; y < face.height() && !red; ++y)
        for (int x = 0; x < face.width() && !red; ++x) {
            const QColor c = face.pixelColor(x, y);
            red = c.red() > 200 && c.green() < 120 && c.blue() < 120;
        }
    EXPECT_TRUE(red);
}

TEST_F(ActionSheetShownTest, aClickTellsTheDelegateOnceAndThePresentedSheetGoesAway) {
    ASSERT_TRUE(waitUntil([&] { return atRest(); }));
    QSignalSpy clicked(sheet.data(), &ActionSheet::clicked);
    click(sheet->buttonAtIndex(0));
    EXPECT_EQ(delegate.indexes, QList<int>{0});
    EXPECT_EQ(clicked.size(), 1);
    ASSERT_TRUE(waitUntil([&] { return sheet.isNull(); }));
    EXPECT_EQ(delegate.indexes, QList<int>{0});
}

TEST_F(ActionSheetShownTest, escapeIsTheCancelButton) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused == sheet || sheet->isAncestorOf(focused));
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_EQ(delegate.indexes, QList<int>{1});
    ASSERT_TRUE(waitUntil([&] { return sheet.isNull(); }));
}

} // namespace
