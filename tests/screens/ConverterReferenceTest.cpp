// Random amounts typed on the real keys, with random rates, against Python's decimal module.
#include "ConverterFixture.h"

#include <QProcess>
#include <QTextStream>

namespace {

TEST_F(ConverterFixture, randomAmountsAndRatesMatchPythonsDecimalRoundedHalfUp) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(RATEPAD_SOURCE_DIR "/tests/screens/data/converter_reference.py"),
                  QStringLiteral("20261207"), QStringLiteral("300")});
    ASSERT_TRUE(python.waitForFinished(60000)) << "python3 is needed for this test";
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

    show();
    const auto record = eur();
    QTextStream lines(python.readAllStandardOutput());
    int checked = 0;
    while (!lines.atEnd()) {
        const QStringList f = lines.readLine().split(u' ');
        ASSERT_EQ(f.size(), 4);
        const QString& typed = f[0];
        const Decimal rate = Decimal::fromString(f[1]);
        // Half the cases get their rate before the amount is typed, half after.
        const bool rateFirst = checked % 2 == 0;
        if (rateFirst)
            record->setRate(rate);
        type(QStringLiteral("C") + typed);
        if (!rateFirst)
            record->setRate(rate);
        EXPECT_EQ(amounts(), local(Amounts{typed, f[2], typed, f[3]}))
            << "typed " << typed.toStdString() << " at rate " << f[1].toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 300);
}

} // namespace
