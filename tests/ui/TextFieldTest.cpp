#include "TextField.h"

#include "KitTestSupport.h"
#include "TextFieldDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QSignalSpy>
#include <functional>

using namespace kittest;

namespace {

// Accepts an edit when the whole text it would produce passes `rule`, and notes every question.
class RuleDelegate final : public TextFieldDelegate {
public:
    std::function<bool(const QString&)> rule = [](const QString&) { return true; };

    bool shouldChangeCharactersInRange(TextField* field, int location, int length,
                                       const QString& replacement) override {
        asked.append(
            QStringLiteral("%1+%2:%3 on %4").arg(location).arg(length).arg(replacement, field->text()));
        return rule(QString(field->text()).replace(location, length, replacement));
    }
    bool textFieldShouldReturn(TextField* field) override {
        ++returns;
        field->resignFirstResponder();
        return answerToReturn;
    }
    void textFieldDidBeginEditing(TextField*) override { editing.append("begin"); }
    void textFieldDidEndEditing(TextField*) override { editing.append("end"); }

    QStringList asked;
    QStringList editing;
    int returns = 0;
    bool answerToReturn = true;
};

class TextFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 100);
        field = new TextField(&window);
        field->setDelegate(&delegate);
        field->setGeometry(10, 10, 200, 32);
        other = new TextField(&window);
        other->setGeometry(10, 50, 200, 32);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        click(field);
        ASSERT_TRUE(waitUntil([&] { return field->hasFocus(); }));
    }

    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    RuleDelegate delegate; // outlives the window, whose closing still tells it that editing ended
    QWidget window;
    TextField* field = nullptr;
    TextField* other = nullptr;
};

TEST_F(TextFieldTest, delegateRefusesTypedCharactersThatWouldMakeTheTextTooLong) {
    delegate.rule = [](const QString& candidate) { return candidate.size() <= 3; };
    QTest::keyClicks(field, "usdx");
    EXPECT_EQ(field->text(), "usd");
    EXPECT_EQ(joined(delegate.asked), "0+0:u on , 1+0:s on u, 2+0:d on us, 3+0:x on usd");

    // Replacing a selection so that three characters remain is fine.
    field->setSelection(1, 2);
    QTest::keyClicks(field, "EK");
    EXPECT_EQ(field->text(), "uEK");
    EXPECT_EQ(joined(delegate.asked.mid(4)), "1+2:E on usd, 2+0:K on uE");

    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "uE");
    EXPECT_EQ(delegate.asked.last(), "2+1: on uEK");
}

TEST_F(TextFieldTest, aPasteIsJudgedAndRefusedAsAWhole) {
    delegate.rule = [](const QString& candidate) { return candidate.size() <= 3; };
    paste("ABCD");
    EXPECT_EQ(field->text(), "") << "not cut down to what would fit";
    paste("AB");
    EXPECT_EQ(field->text(), "AB");
    EXPECT_EQ(delegate.asked.last(), "0+0:AB on ");
    QTest::keyClick(field, Qt::Key_Home);
    paste("CD");
    EXPECT_EQ(field->text(), "AB");
    EXPECT_EQ(delegate.asked.last(), "0+0:CD on AB");
}

TEST_F(TextFieldTest, wholeCandidateRuleAcceptsEditsInTheMiddleAndRefusesBadResults) {
    static const QRegularExpression number(QStringLiteral("^\\d*(\\.\\d{0,2})?$"));
    delegate.rule = [](const QString& candidate) { return number.match(candidate).hasMatch(); };
    QTest::keyClicks(field, "1.5x5");
    EXPECT_EQ(field->text(), "1.55");
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, "9");
    EXPECT_EQ(field->text(), "91.55");
    EXPECT_EQ(delegate.asked.last(), "0+0:9 on 1.55");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, "0");
    EXPECT_EQ(field->text(), "91.55") << "a third decimal is refused";
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    paste("2.345");
    EXPECT_EQ(field->text(), "91.55");
    paste("2.34");
    EXPECT_EQ(field->text(), "2.34");
    EXPECT_EQ(delegate.asked.last(), "0+5:2.34 on 91.55");

    // The program's own text is not judged, and later edits are judged against it.
    field->setText("abc");
    EXPECT_EQ(field->text(), "abc");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, "1");
    EXPECT_EQ(field->text(), "abc");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "7");
    EXPECT_EQ(field->text(), "7");
}

TEST_F(TextFieldTest, returnGoesToTheDelegateOnceAndEditingIsAnnounced) {
    QSignalSpy returnPressed(field, &QLineEdit::returnPressed);
    click(other);
    click(field);
    EXPECT_EQ(joined(delegate.editing), "begin, end, begin");

    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(delegate.returns, 1);
    EXPECT_EQ(returnPressed.size(), 1);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(delegate.editing.last(), "end");

    delegate.answerToReturn = false;
    ASSERT_TRUE(field->becomeFirstResponder());
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(delegate.returns, 2);
    EXPECT_EQ(returnPressed.size(), 1) << "the delegate said the field should not go on";

    field->setEnabled(false);
    EXPECT_FALSE(field->becomeFirstResponder());
}

} // namespace
