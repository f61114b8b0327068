#include "ManagerFixture.h"

using CurrencyManagerState = ManagerFixture;

TEST_F(CurrencyManagerState, aFreshInstallationStartsWithTheMainCurrenciesPricedAgainstTheLocalOne) {
    defaultsPlist["localCurrency"] = QVariantMap{{"currencyCode", "EUR"}};
    CurrencyManager& m = start();
    EXPECT_EQ(m.localCurrency()->currencyCode(), "EUR");
    EXPECT_EQ(m.localCurrency()->label(), "Euro");
    EXPECT_EQ(codes(m), QStringList({"USD", "GBP", "JPY"}));
    EXPECT_EQ(m.foreignCurrencies()[0]->label(), "US Dollar");
    EXPECT_EQ(rateText(m.foreignCurrencies()[0]), "1.1111111111");
    EXPECT_EQ(rateText(m.foreignCurrencies()[1]), "0.8333333333");
    EXPECT_EQ(rateText(m.foreignCurrencies()[2]), "167.2222222222");
    EXPECT_EQ(m.foreignCurrency(), m.foreignCurrencies()[0]);
    EXPECT_FALSE(m.foreignCurrencies()[0]->lastUpdate().isValid());
    EXPECT_EQ(m.lastUpdate(), CurrencyPreferences::referenceDate());
    EXPECT_EQ(m.knownCurrencies().size(), 6);
}

TEST_F(CurrencyManagerState,
       theStartingIndexComesFromTheDefaultsAndAnIndexOutsideTheListFallsBackToTheFirst) {
    defaultsPlist["foreignCurrencyIndex"] = 2;
    EXPECT_EQ(start().foreignCurrency()->currencyCode(), "JPY");
    defaultsPlist["foreignCurrencyIndex"] = 17;
    EXPECT_EQ(start().foreignCurrency()->currencyCode(), "EUR");
    defaultsPlist["foreignCurrencyIndex"] = -1;
    EXPECT_EQ(start().foreignCurrency()->currencyCode(), "EUR");
}

TEST_F(CurrencyManagerState, aNewLocalCodeRebuildsTheListAndMovesTheCurrentCurrency) {
    CurrencyManager& m = start();
    auto added = ForeignCurrency::create("CHF");
    m.insertForeignCurrency(added, 0);
    m.setForeignCurrency(added);
    int currentChanges = 0;
    QObject::connect(&m, &CurrencyManager::foreignCurrencyChanged, [&] { ++currentChanges; });

    m.setLocalCurrency(LocalCurrency::create("EUR"));
    EXPECT_EQ(codes(m), QStringList({"USD", "GBP", "JPY"}));
    EXPECT_EQ(m.foreignCurrency()->currencyCode(), "USD");
    EXPECT_GE(currentChanges, 1);
    EXPECT_EQ(m.localCurrency()->label(), "Euro");
}

TEST_F(CurrencyManagerState, theSameLocalCodeKeepsTheListAndOnlyFillsAnEmptyName) {
    CurrencyManager& m = start();
    auto added = ForeignCurrency::create("CHF");
    m.addForeignCurrency(added);
    const auto before = m.foreignCurrencies();

    m.setLocalCurrency(LocalCurrency::create("USD"));
    EXPECT_EQ(m.foreignCurrencies(), before);
    EXPECT_EQ(m.localCurrency()->label(), "US Dollar");

    auto named = LocalCurrency::create("USD");
    named->setLabel("Greenback");
    m.setLocalCurrency(named);
    EXPECT_EQ(m.localCurrency()->label(), "Greenback");
    EXPECT_EQ(m.foreignCurrencies(), before);

    m.setLocalCurrency(nullptr); // refused: there is always a local currency
    EXPECT_EQ(m.localCurrency(), named);
}

TEST_F(CurrencyManagerState, aLocalCurrencyWithoutStartingRateLeavesOneRecordOfItself) {
    CurrencyManager& m = start();
    m.setLocalCurrency(LocalCurrency::create("XAU"));
    ASSERT_EQ(m.foreignCurrencies().size(), 1);
    const auto only = m.foreignCurrencies()[0];
    EXPECT_EQ(only->currencyCode(), "XAU");
    EXPECT_EQ(only->label(), "Gold");
    EXPECT_FALSE(only->rate());
    EXPECT_EQ(m.foreignCurrency(), only);
}

TEST_F(CurrencyManagerState, missingOrUselessResourcesStillLeaveAUsableList) {
    removeResource("ExchangeRates");
    CurrencyManager& m = start();
    EXPECT_EQ(codes(m), QStringList({"USD"}));

    SetUp();
    writeResource("MainCurrencies", QVariantMap{{"mainCurrencies", QVariantList{"USD"}}});
    EXPECT_EQ(codes(start()), QStringList({"USD"}));

    SetUp();
    removeResource("Currencies");
    writeResource("ExchangeRates", QVariantMap{{"USD", 0}, {"EUR", 0.9}});
    CurrencyManager& noCatalogue = start();
    EXPECT_TRUE(noCatalogue.localCurrency()->label().isEmpty());
    // A zero in the rate table gives no rate rather than a division by zero.
    ASSERT_FALSE(noCatalogue.foreignCurrencies().isEmpty());
    for (const auto& c : noCatalogue.foreignCurrencies())
        EXPECT_FALSE(c->rate()) << c->currencyCode().toStdString();
}

TEST_F(CurrencyManagerState, removingTheCurrentCurrencyMakesTheFirstOneCurrent) {
    CurrencyManager& m = start();
    m.setForeignCurrency(m.foreignCurrencies()[1]); // GBP
    const auto gbp = m.foreignCurrency();
    m.removeForeignCurrencyAtIndex(2);
    EXPECT_EQ(m.foreignCurrency(), gbp);
    EXPECT_EQ(codes(m), QStringList({"EUR", "GBP"}));
    m.removeForeignCurrencyAtIndex(1);
    EXPECT_EQ(m.foreignCurrency()->currencyCode(), "EUR");
    m.removeForeignCurrencyAtIndex(0); // the last entry stays
    m.removeForeignCurrencyAtIndex(5);
    EXPECT_EQ(codes(m), QStringList({"EUR"}));
}

TEST_F(CurrencyManagerState, insertedCurrenciesGetAMissingNameAndStartingRate) {
    CurrencyManager& m = start();
    auto named = ForeignCurrency::create("CHF");
    named->setLabel("Franken");
    m.insertForeignCurrency(named, 0);
    EXPECT_EQ(m.foreignCurrencies()[0], named);
    EXPECT_EQ(named->label(), "Franken");
    EXPECT_EQ(rateText(named), "0.88");

    auto typed = ForeignCurrency::create("CHF");
    typed->setRate(Decimal::fromString("0.5"));
    m.insertForeignCurrency(typed, 99);
    EXPECT_EQ(m.foreignCurrencies().last(), typed);
    EXPECT_EQ(typed->label(), "Swiss Franc");
    EXPECT_EQ(rateText(typed), "0.5");

    auto unknown = ForeignCurrency::create("ZZZ");
    m.addForeignCurrency(unknown);
    EXPECT_TRUE(unknown->label().isEmpty());
    EXPECT_FALSE(unknown->rate());
}

TEST_F(CurrencyManagerState, saveAndANewStartRestoreEverything) {
    CurrencyManager& m = start();
    const QDateTime downloaded(QDate(2026, 12, 6), QTime(8, 30, 5), QTimeZone::utc());
    m.foreignCurrencies()[1]->setLastUpdate(downloaded);
    m.foreignCurrencies()[1]->setRate(Decimal::fromString("0.7712345678"));
    auto typed = ForeignCurrency::create("ZZZ");
    typed->setLabel("Zed");
    typed->setRate(Decimal::fromDouble(1.23));
    m.addForeignCurrency(typed);
    m.addForeignCurrency(ForeignCurrency::create("ABC")); // no rate, no name
    m.foreignCurrencies()[2]->setRate(Decimal(150));
    m.setForeignCurrency(typed);
    m.setAutomaticUpdatesEnabled(true);
    m.setLastUpdate(downloaded.addSecs(10));
    m.save();

    CurrencyManager& r = start();
    EXPECT_EQ(codes(r), QStringList({"EUR", "GBP", "JPY", "ZZZ", "ABC"}));
    EXPECT_EQ(r.foreignCurrencies()[1]->lastUpdate(), downloaded);
    EXPECT_EQ(rateText(r.foreignCurrencies()[1]), "0.7712345678");
    EXPECT_EQ(rateText(r.foreignCurrencies()[2]), "150");
    EXPECT_EQ(r.foreignCurrencies()[3]->label(), "Zed");
    EXPECT_EQ(rateText(r.foreignCurrencies()[3]), "1.23");
    EXPECT_EQ(rateText(r.foreignCurrencies()[4]), "none");
    EXPECT_TRUE(r.foreignCurrencies()[4]->label().isEmpty());
    EXPECT_EQ(r.foreignCurrency(), r.foreignCurrencies()[3]);
    EXPECT_TRUE(r.automaticUpdatesEnabled());
    EXPECT_EQ(r.lastUpdate(), downloaded.addSecs(10));
    EXPECT_EQ(r.localCurrency()->label(), "US Dollar");
}

TEST_F(CurrencyManagerState, theCurrentCurrencyIsSavedByIdentityAtItsFirstPosition) {
    CurrencyManager& m = start();
    const auto jpy = m.foreignCurrencies()[2];
    m.insertForeignCurrency(jpy, 0); // the same record twice
    m.setForeignCurrency(jpy);
    m.save();
    EXPECT_EQ(defaults->integerForKey("foreignCurrencyIndex"), 0);
}

TEST_F(CurrencyManagerState, aCorruptPreferencesFileIsKeptAsideAndStartUpGoesOn) {
    QDir().mkpath(config.path() + "/ratepad");
    QFile file(config.preferencesPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("bplist00\xff\xff garbage");
    file.close();

    CurrencyManager& m = start();
    EXPECT_FALSE(defaults->setAsideFile().isEmpty());
    EXPECT_TRUE(QFile::exists(defaults->setAsideFile()));
    EXPECT_EQ(codes(m), QStringList({"EUR", "GBP", "JPY"}));
    m.save();
    EXPECT_EQ(codes(start()), QStringList({"EUR", "GBP", "JPY"}));
}

TEST_F(CurrencyManagerState, listOperationsKeepTheCurrentRecordAndSayWhatChanged) {
    struct Move {
        int from, to;
        QStringList after;
    };
    for (const Move& move :
         {Move{3, 1, {"EUR", "CHF", "GBP", "JPY"}}, Move{1, 3, {"EUR", "JPY", "CHF", "GBP"}},
          Move{1, 2, {"EUR", "JPY", "GBP", "CHF"}}, Move{2, 1, {"EUR", "JPY", "GBP", "CHF"}}}) {
        CurrencyManager& m = start();
        m.addForeignCurrency(ForeignCurrency::create("CHF"));
        const auto current = m.foreignCurrencies()[1];
        m.setForeignCurrency(current);
        QStringList events;
        QObject::connect(&m, &CurrencyManager::foreignCurrencyMoved, [&](qsizetype f, qsizetype t) {
            events << QStringLiteral("moved %1 %2").arg(f).arg(t);
        });
        m.moveForeignCurrency(move.from, move.to);
        EXPECT_EQ(codes(m), move.after) << move.from << "->" << move.to;
        EXPECT_EQ(m.foreignCurrency(), current);
        EXPECT_EQ(events, QStringList(QStringLiteral("moved %1 %2").arg(move.from).arg(move.to)));
    }

    CurrencyManager& m = start();
    QStringList events;
    QObject::connect(&m, &CurrencyManager::foreignCurrencyInserted,
                     [&](qsizetype i) { events << QStringLiteral("inserted %1").arg(i); });
    QObject::connect(&m, &CurrencyManager::foreignCurrencyMoved, [&](qsizetype f, qsizetype t) {
        events << QStringLiteral("moved %1 %2").arg(f).arg(t);
    });
    QObject::connect(&m, &CurrencyManager::foreignCurrencyRemoved,
                     [&](qsizetype i) { events << QStringLiteral("removed %1").arg(i); });
    QObject::connect(&m, &CurrencyManager::foreignCurrencyChanged,
                     [&] { events << "current " + m.foreignCurrency()->currencyCode(); });
    QObject::connect(&m, &CurrencyManager::foreignCurrencyDataChanged,
                     [&](const auto& c) { events << "data " + c->currencyCode(); });

    // A listed code moves to the top instead of standing twice; a new one is inserted there.
    const auto gbp = m.foreignCurrencies()[1];
    EXPECT_EQ(m.placeForeignCurrencyAtTop("GBP"), gbp);
    const auto chf = m.placeForeignCurrencyAtTop("CHF");
    EXPECT_EQ(m.placeForeignCurrencyAtTop(QString()), nullptr);
    EXPECT_EQ(codes(m), QStringList({"CHF", "GBP", "EUR", "JPY"}));
    EXPECT_EQ(chf->label(), "Swiss Franc");
    EXPECT_EQ(rateText(chf), "0.88");

    EXPECT_TRUE(m.editForeignCurrency(chf, QString(), Decimal::fromString("0.5"), false));
    EXPECT_EQ(chf->label(), "Swiss Franc"); // an emptied name takes the catalogue's again
    EXPECT_EQ(rateText(chf), "0.5");
    m.removeForeignCurrencyAtIndex(0);
    EXPECT_FALSE(m.editForeignCurrency(chf, "Gone", Decimal(2), false));
    EXPECT_EQ(chf->label(), "Swiss Franc");
    EXPECT_EQ(events, QStringList({"moved 1 0", "current GBP", "inserted 0", "current CHF", "data CHF",
                                   "removed 0", "current GBP"}));

    // Like the insertion it stands for, a move starts the record's lookup when updates are on.
    m.setAutomaticUpdatesEnabled(true);
    const auto lookups = m.activeConnections().size();
    m.moveForeignCurrency(2, 0);
    EXPECT_EQ(m.activeConnections().size(), lookups + 1);
    EXPECT_EQ(m.activeConnections().last()->toCurrency(), "JPY");
}

TEST_F(CurrencyManagerState, damagedStoredValuesReadAsAbsent) {
    QDir().mkpath(config.path() + "/ratepad");
    QFile file(config.preferencesPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    auto entry = [](const QByteArray& code, const QByteArray& rate) {
        return "<dict>" + (code.isEmpty() ? QByteArray() : "<key>currencyCode</key>" + code) +
               (rate.isEmpty() ? QByteArray() : "<key>exchangeRate</key>" + rate) + "</dict>";
    };
    // Index 6 is GBP, the second usable entry once the three without a text code are dropped.
    file.write("<plist><dict><key>localCurrency</key><string>EUR</string>"
               "<key>lastUpdate</key><real>1e9</real><key>foreignCurrencyIndex</key><integer>6</integer>"
               "<key>foreignCurrenciesStandard</key><array>" +
               entry("<string>EUR</string>", "<integer>-1</integer>") + entry("", "<real>2</real>") +
               entry("<integer>7</integer>", "<real>2</real>") +
               entry("<string>JPY</string>", "<integer>18446744073709551615</integer>") +
               entry("<string></string>", "<real>2</real>") +
               entry("<string>CHF</string>", "<real>0</real>") +
               entry("<string>GBP</string>", "<real>-0.0</real>") +
               entry("<string>XAU</string>", "<real>1e-320</real>") +
               entry("<string>USD</string>", "<real>nan</real>") +
               entry("<string>EUR</string>", "<string>5</string>") +
               entry("<string>GBP</string>", "<real>0.8</real>") + "</array></dict></plist>");
    file.close();

    CurrencyManager& m = start();
    EXPECT_EQ(m.localCurrency()->currencyCode(), "USD") << "a local currency of the wrong type is absent";
    EXPECT_EQ(m.lastUpdate(), CurrencyPreferences::referenceDate()) << "a last update in the future";
    EXPECT_EQ(codes(m), QStringList({"EUR", "JPY", "CHF", "GBP", "XAU", "USD", "EUR", "GBP"}));
    QStringList rateTexts;
    for (const auto& c : m.foreignCurrencies())
        rateTexts << rateText(c);
    EXPECT_EQ(rateTexts,
              QStringList({"none", "18446744073709551615", "none", "none", "none", "none", "none", "0.8"}));
    EXPECT_EQ(m.foreignCurrency(), m.foreignCurrencies()[3]);
}
