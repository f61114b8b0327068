// The converter's layout.
#include "Animations.h"
#include "ConverterFixture.h"
#include "ConverterView.h"
#include "Views.h"

namespace {

// Every element is named, lies inside the view and clear of every other one, and the keypad fills
// the screen below the result rows. Set RATEPAD_CONVERTER_SCREENSHOT to a file name to keep a picture.
TEST_F(ConverterFixture, layoutKeepsEveryElementNamedWholeAndApart) {
    show();
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(tag(digitKey(digit)), digit);
    EXPECT_EQ(viewWithTag(view(), ConverterViewController::kDecimalKeyTag), decimalKey());
    EXPECT_EQ(decimalKey()->accessibleName(), "Decimal point");
    EXPECT_EQ(clearKey()->accessibleName(), "Clear");
    EXPECT_EQ(field("amountOriginalOne")->accessibleName(), "Amount in USD");
    EXPECT_EQ(field("amountConvertedTwo")->accessibleName(), "Amount converted to USD");
    eur()->setRate(rate("0.9234"));
    eur()->setLastUpdate(now);
    type("125.5");
    QTRY_VERIFY_WITH_TIMEOUT(decimalKey()->isHidden(), 5000);

    for (const QSize size : {QSize(320, 480), QSize(320, 411), QSize(480, 640)}) {
        view()->resize(size);
        QTRY_COMPARE(view()->size(), size);
        const QList<QWidget*> elements = view()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(elements.size(), 9 + 12);
        int lowestKeyBottom = 0;
        for (qsizetype i = 0; i < elements.size(); ++i) {
            const QRect frame = elements[i]->geometry();
            const std::string name = elements[i]->objectName().toStdString();
            EXPECT_FALSE(elements[i]->accessibleName().isEmpty()) << name;
            EXPECT_TRUE(view()->rect().contains(frame)) << name;
            for (qsizetype j = i + 1; j < elements.size(); ++j)
                EXPECT_FALSE(frame.intersects(elements[j]->geometry()))
                    << name << " and " << elements[j]->objectName().toStdString();
            if (qobject_cast<KeypadButton*>(elements[i]))
                lowestKeyBottom = std::max(lowestKeyBottom, frame.bottom() + 1);
        }
        EXPECT_GE(lowestKeyBottom, size.height() - 10);
        const auto panels = static_cast<ConverterView*>(view())->panels();
        ASSERT_EQ(panels.size(), 2);
        EXPECT_TRUE(panels[0].contains(QRectF(field("amountOriginalOne")->geometry())));
        EXPECT_TRUE(panels[1].contains(QRectF(field("labelConvertedTwo")->geometry())));
        for (const char* name : {"amountConvertedOne", "labelConvertedOne", "labelUpdateDate"})
            EXPECT_EQ(field(name)->displayedText(), text(name)) << name << " is cut";
    }

    // The decimal key, shrunk while the view was resized, comes back whole in its new place.
    type("C250");
    QTRY_COMPARE_WITH_TIMEOUT(Animations::opacity(decimalKey()), 1.0, 5000);
    EXPECT_EQ(decimalKey()->geometry().size(), digitKey(0)->geometry().size());
    EXPECT_EQ(decimalKey()->geometry().top(), digitKey(0)->geometry().top());
    const QString path = qEnvironmentVariable("RATEPAD_CONVERTER_SCREENSHOT");
    if (!path.isEmpty()) {
        view()->resize(320, 480);
        QTRY_COMPARE(view()->size(), QSize(320, 480));
        EXPECT_TRUE(view()->grab().save(path));
    }
}

} // namespace
