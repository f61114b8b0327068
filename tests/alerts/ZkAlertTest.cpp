#include "ZkAlert.h"

#include "AlertView.h"
#include "Bundle.h"
#include "PropertyList.h"
#include "TableTranslator.h"
#include "ZkAlertInconsistencyException.h"
#include "ZkSolicitReviewTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList buttonTitles(const AlertView& alert) {
    QStringList titles;
    for (int i = 0; i < alert.numberOfButtons(); ++i)
        titles.append(alert.buttonTitleAtIndex(i));
    return titles;
}

// The reason of the exception that `build` throws, or a note that it threw none.
template <typename Build> QString reasonOf(Build build) {
    try {
        build();
    } catch (const ZkAlertInconsistencyException& e) {
        EXPECT_EQ(e.name(), "ZkAlertInconsistencyException");
        EXPECT_TRUE(QString::fromUtf8(e.what()).endsWith(e.reason()));
        return e.reason();
    }
    return QStringLiteral("<no exception>");
}

} // namespace

class ZkAlertFiles : public ::testing::Test {
protected:
    void writeAlert(const QString& name, const QVariant& description, const QString& directory = {}) {
        ASSERT_TRUE(PropertyList::writeFile(alertPath(name, directory), description));
    }
    void writeBytes(const QString& name, const QByteArray& bytes) {
        QFile file(alertPath(name, {}));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString alertPath(const QString& name, const QString& directory) const {
        const QString folder = directory.isEmpty() ? folderPath.path() : folderPath.path() + "/" + directory;
        QDir().mkpath(folder);
        return folder + "/" + name + ".alert";
    }

    QTemporaryDir folderPath;
    Bundle bundle{folderPath.path()};
    const QVariantMap greeting{{"ZkAlertMessage", "Hello"},
                               {"ZkAlertInformativeText", "Shall we start?"},
                               {"ZkAlertButtons", QVariantList{"Later", "OK"}},
                               {"SomethingElse", 12}};
};

TEST_F(ZkAlertFiles, aDescriptionGivesItsTextsAndButtonsInOrderUntranslatedWithoutTableEntries) {
    writeAlert("Greeting", greeting);
    const auto alert = ZkAlert::alertNamed("Greeting", bundle);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Hello");
    EXPECT_EQ(alert->message(), "Shall we start?");
    EXPECT_EQ(buttonTitles(*alert), QStringList({"Later", "OK"}));
    // Cancel button, delegate and showing are the caller's.
    EXPECT_EQ(alert->cancelButtonIndex(), -1);
    EXPECT_EQ(alert->delegate(), nullptr);
    EXPECT_FALSE(alert->isVisible());
}

TEST_F(ZkAlertFiles, textsAreTranslatedThroughTheTableNamedAfterTheAlertOnly) {
    writeAlert("Greeting", greeting);
    writeAlert("Other", greeting);
    const TableTranslator table("Greeting", {{"Hello", "Bonjour"}, {"OK", "D'accord"}});

    const auto alert = ZkAlert::alertNamed("Greeting", bundle);
    EXPECT_EQ(alert->title(), "Bonjour");
    EXPECT_EQ(alert->message(), "Shall we start?"); // no entry: the English text
    EXPECT_EQ(buttonTitles(*alert), QStringList({"Later", "D'accord"}));

    EXPECT_EQ(ZkAlert::alertNamed("Other", bundle)->title(), "Hello");
    // Without a bundle there is no table to look in.
    EXPECT_EQ(ZkAlert::alertWithContentsOfDictionary(greeting, "Greeting", nullptr)->title(), "Hello");
    EXPECT_EQ(ZkAlert::alertWithContentsOfDictionary(greeting, "Greeting", &bundle)->title(), "Bonjour");
}

TEST_F(ZkAlertFiles, aDirectoryIsSearchedInsteadOfTheTopFolder) {
    writeAlert("Greeting", QVariantMap{{"ZkAlertMessage", "Top"}});
    writeAlert("Greeting", QVariantMap{{"ZkAlertMessage", "Nested"}}, "Sub");
    writeAlert("OnlyNested", greeting, "Sub");

    EXPECT_EQ(ZkAlert::alertNamed("Greeting", bundle)->title(), "Top");
    EXPECT_EQ(ZkAlert::alertNamed("Greeting", bundle, "Sub")->title(), "Nested");
    EXPECT_TRUE(reasonOf([&] { ZkAlert::alertNamed("OnlyNested", bundle); }).startsWith("Can't find alert"));
}

TEST_F(ZkAlertFiles, missingEntriesLeaveTextsEmptyAndNonTextValuesShowInTextForm) {
    writeAlert("Bare", QVariantMap{});
    const auto bare = ZkAlert::alertNamed("Bare", bundle);
    EXPECT_EQ(bare->title(), "");
    EXPECT_EQ(bare->message(), "");
    EXPECT_EQ(bare->numberOfButtons(), 0);

    writeAlert("Odd", QVariantMap{{"ZkAlertMessage", 42},
                                  {"ZkAlertInformativeText", 2.5},
                                  {"ZkAlertButtons", QVariantList{true, 7}}});
    const auto odd = ZkAlert::alertNamed("Odd", bundle);
    EXPECT_EQ(odd->title(), "42");
    EXPECT_EQ(odd->message(), "2.5");
    EXPECT_EQ(buttonTitles(*odd), QStringList({"1", "7"}));

    writeAlert("NoButtons", QVariantMap{{"ZkAlertMessage", "Hi"}, {"ZkAlertButtons", QVariantList{}}});
    EXPECT_EQ(ZkAlert::alertNamed("NoButtons", bundle)->numberOfButtons(), 0);
}

TEST_F(ZkAlertFiles, buttonsThatAreNotAnArrayAreRefusedWithTheDictionaryInTheReason) {
    writeAlert("Single", QVariantMap{{"ZkAlertMessage", "Hi"}, {"ZkAlertButtons", "OK"}});
    const QString reason = reasonOf([&] { ZkAlert::alertNamed("Single", bundle); });
    EXPECT_TRUE(reason.startsWith("Alert dictionary unreadable: ")) << reason.toStdString();
    EXPECT_TRUE(reason.contains("OK")) << reason.toStdString();

    const QVariantMap nested{{"ZkAlertButtons", QVariantMap{{"0", "OK"}}}};
    EXPECT_TRUE(reasonOf([&] {
                    ZkAlert::alertWithContentsOfDictionary(nested, "Nested", nullptr);
                }).startsWith("Alert dictionary unreadable: "));
}

TEST_F(ZkAlertFiles, aMissingFileIsReportedWithNameBundleAndDirectory) {
    const QString bundleText = "Bundle <" + folderPath.path() + ">";
    EXPECT_EQ(reasonOf([&] { ZkAlert::alertNamed("Absent", bundle); }),
              "Can't find alert named 'Absent' in bundle '" + bundleText + "', directory '(null)'");
    EXPECT_EQ(reasonOf([&] { ZkAlert::alertNamed("Absent", bundle, "Sub"); }),
              "Can't find alert named 'Absent' in bundle '" + bundleText + "', directory 'Sub'");
    // Only files of type "alert" count.
    ASSERT_TRUE(PropertyList::writeFile(folderPath.path() + "/Plain.plist", greeting));
    EXPECT_TRUE(reasonOf([&] { ZkAlert::alertNamed("Plain", bundle); }).startsWith("Can't find alert named"));
    // The application's own resources hold no such alert either.
    EXPECT_TRUE(
        reasonOf([] { ZkAlert::alertNamed("Absent"); }).startsWith("Can't find alert named 'Absent'"));
}

TEST_F(ZkAlertFiles, aFileThatIsNotADictionaryIsReportedAsUnreadable) {
    const QString expected = "Alert file unreadable for alert named named '%1' in bundle 'Bundle <" +
                             folderPath.path() + ">', directory '(null)'";
    writeBytes("Empty", QByteArray());
    writeBytes("Garbage", QByteArrayLiteral("\x00\x01not a property list<<<"));
    writeBytes(
        "Truncated",
        QByteArrayLiteral("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>ZkAlertMessage</key>"));
    writeAlert("List", QVariantList{"Hello", "OK"});
    for (const QString name : {"Empty", "Garbage", "Truncated", "List"})
        EXPECT_EQ(reasonOf([&] { ZkAlert::alertNamed(name, bundle); }), expected.arg(name));
}

TEST(ZkAlertFormat, placeholdersAreFilledInOrderOrByPositionAndOtherTextStaysAsItIs) {
    AlertView alert("Enjoying %@?", "Thank you");
    ZkAlert::setTitleFormat(alert, {"Ratepad"});
    ZkAlert::setMessageFormat(alert, {"unused"});
    EXPECT_EQ(alert.title(), "Enjoying Ratepad?");
    EXPECT_EQ(alert.message(), "Thank you");

    EXPECT_EQ(ZkAlert::stringWithFormat("Rate %@ by %@.", {"Ratepad", "Zk"}), "Rate Ratepad by Zk.");
    // A translation may need the values in another order.
    EXPECT_EQ(ZkAlert::stringWithFormat("%2$@ de %1$@, %1$@", {"Ratepad", "Avis"}),
              "Avis de Ratepad, Ratepad");
    EXPECT_EQ(ZkAlert::stringWithFormat("100%% sure, 50% off, %d and %12x stay, ends in %", {}),
              "100% sure, 50% off, %d and %12x stay, ends in %");
    // Too few values: the placeholder is dropped rather than shown raw.
    EXPECT_EQ(ZkAlert::stringWithFormat("[%@][%@][%3$@]", {"a"}), "[a][][]");
}

TEST(ZkAlertShipped, theReviewAlertCarriesTheListedTextsAndItsTranslatedTitleTakesTheName) {
    const auto alert = ZkAlert::alertNamed("ZkSolicitReview");
    QStringList shipped{alert->title(), alert->message()};
    shipped += buttonTitles(*alert);
    EXPECT_EQ(shipped, zkSolicitReviewTexts());
    EXPECT_EQ(alert->title().count("%@"), 1);
    EXPECT_EQ(alert->message().count("%@"), 0); // only the title receives a value
    EXPECT_GE(alert->numberOfButtons(), 2);

    const TableTranslator table("ZkSolicitReview",
                                {{"Enjoying %@?", "Vous aimez %@ ?"}, {"No, Thanks", "Non"}});
    const auto translated = ZkAlert::alertNamed("ZkSolicitReview");
    ZkAlert::setTitleFormat(*translated, {"Ratepad"});
    EXPECT_EQ(translated->title(), "Vous aimez Ratepad ?");
    EXPECT_EQ(translated->buttonTitleAtIndex(0), "Non");
}
