#include "Bundle.h"

#include "PropertyList.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Bundle, findsResourcesAndGivesNothingForMissingOrUnreadableOnes) {
    QTemporaryDir dir;
    ASSERT_TRUE(PropertyList::writeFile(dir.path() + "/Good.plist", QVariantMap{{"k", "v"}}));
    ASSERT_TRUE(
        PropertyList::writeFile(dir.path() + "/Info.plist", QVariantMap{{"CFBundleName", "Ratepad"}}));
    QFile bad(dir.path() + "/Bad.plist");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<plist><dict>");
    bad.close();

    const Bundle bundle(dir.path());
    EXPECT_EQ(bundle.pathForResource("Good", "plist"), dir.path() + "/Good.plist");
    EXPECT_TRUE(bundle.pathForResource("Missing", "plist").isEmpty());
    EXPECT_EQ(bundle.dictionaryForResource("Good").value("k").toString(), "v");
    EXPECT_TRUE(bundle.dictionaryForResource("Bad").isEmpty());
    EXPECT_TRUE(bundle.dictionaryForResource("Missing").isEmpty());
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("CFBundleName").toString(), "Ratepad");
}

TEST(Bundle, untranslatedTextsFallBackToTheValueOrTheKey) {
    const Bundle bundle;
    EXPECT_EQ(bundle.localizedString("Last Update"), "Last Update");
    EXPECT_EQ(bundle.localizedString("some.key", "Fallback", "ZkSolicitReview"), "Fallback");
}
