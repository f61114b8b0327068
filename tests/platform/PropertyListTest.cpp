#include "PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QUrl>
#include <clocale>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

using Format = PropertyList::Format;
constexpr Format kFormats[] = {Format::Xml, Format::Binary};

const char* name(Format format) {
    return format == Format::Xml ? "xml" : "binary";
}

QVariant roundTrip(const QVariant& value, Format format) {
    QString error;
    const QByteArray bytes = PropertyList::write(value, format, &error);
    EXPECT_FALSE(bytes.isEmpty()) << name(format) << ": " << error.toStdString();
    const PropertyList::ReadResult result = PropertyList::read(bytes);
    EXPECT_TRUE(result.ok()) << name(format) << ": " << result.error.toStdString();
    return result.value;
}

QString writeError(const QVariant& value) {
    QString error;
    EXPECT_TRUE(PropertyList::write(value, Format::Xml, &error).isEmpty());
    EXPECT_TRUE(PropertyList::write(value, Format::Binary).isEmpty());
    return error;
}

QString readError(const QByteArray& bytes) {
    const PropertyList::ReadResult result = PropertyList::read(bytes);
    EXPECT_FALSE(result.ok()) << "accepted: " << bytes.left(80).toStdString();
    EXPECT_FALSE(result.value.isValid());
    return result.error;
}

// Too deep nesting must be refused before libplist parses (and recurses), not only afterwards.
bool refusedBeforeParsing(const QByteArray& bytes) {
    const QString error = PropertyList::read(bytes).error;
    return error.contains("nesting deeper") && !error.contains("after parsing");
}

// Binary lists assembled object by object, for shapes no writer produces: two-byte offsets,
// one-byte references.
QByteArray binaryList(const std::vector<QByteArray>& objects, quint64 top = 0) {
    QByteArray out("bplist00");
    std::vector<int> offsets;
    for (const QByteArray& object : objects) {
        offsets.push_back(int(out.size()));
        out += object;
    }
    const quint64 table = quint64(out.size());
    for (int offset : offsets)
        out.append(char(offset >> 8)).append(char(offset));
    QByteArray trailer(32, '\0');
    trailer[6] = 2;
    trailer[7] = 1;
    for (int i = 0; i < 8; ++i) {
        trailer[8 + i] = char(quint64(objects.size()) >> (56 - 8 * i));
        trailer[16 + i] = char(top >> (56 - 8 * i));
        trailer[24 + i] = char(table >> (56 - 8 * i));
    }
    return out + trailer;
}

QByteArray arrayObject(std::vector<int> refs) {
    QByteArray object(1, char(0xA0 | refs.size()));
    for (int ref : refs)
        object += char(ref);
    return object;
}

// `levels` arrays inside each other, the innermost empty.
QByteArray nestedXml(int levels, bool selfClosingInnermost = false) {
    if (selfClosingInnermost)
        return "<plist>" + QByteArray("<array>").repeated(levels - 1) + "<array/>" +
               QByteArray("</array>").repeated(levels - 1) + "</plist>";
    return "<plist>" + QByteArray("<array>").repeated(levels) + QByteArray("</array>").repeated(levels) +
           "</plist>";
}

QByteArray nestedBinary(int levels) {
    std::vector<QByteArray> objects;
    for (int i = 0; i + 1 < levels; ++i)
        objects.push_back(arrayObject({i + 1}));
    objects.push_back(arrayObject({}));
    return binaryList(objects);
}

QVariant nestedValue(int levels) {
    QVariant value = QVariantList();
    for (int i = 1; i < levels; ++i)
        value = QVariantList{value};
    return value;
}

QDateTime utc(int y, int m, int d, int h, int min, int s, int ms) {
    return QDateTime(QDate(y, m, d), QTime(h, min, s, ms), Qt::UTC);
}

} // namespace

TEST(PropertyListTest, roundTripsEveryTypeAndUnicodeKeysInBothFormats) {
    QVariantHash hash{{"b", 2}, {"a", QStringList{"x", "y"}}};
    const QVariantMap value{
        {"text", QString::fromUtf8("Zürich ₿ 𝄞 & <tag>")},
        {QString::fromUtf8("ключ €"), true},
        {"  spaced & <odd> key ", false},
        {"", QString()},
        {"int", 42},
        {"uint", 7u},
        {"float", 2.5f},
        {"data", QByteArray("\0\x01\xff plist", 10)},
        {"nested",
         QVariantList{QVariantMap{{"deep", QVariantList{1, "two", QVariantList{}}}}, QVariantMap{}}},
        {"hash", hash},
    };
    const QVariantMap expected{
        {"text", QString::fromUtf8("Zürich ₿ 𝄞 & <tag>")},
        {QString::fromUtf8("ключ €"), true},
        {"  spaced & <odd> key ", false},
        {"", QString("")},
        {"int", qint64(42)},
        {"uint", qint64(7)},
        {"float", 2.5},
        {"data", QByteArray("\0\x01\xff plist", 10)},
        {"nested",
         QVariantList{QVariantMap{{"deep", QVariantList{qint64(1), "two", QVariantList{}}}}, QVariantMap{}}},
        {"hash", QVariantMap{{"a", QVariantList{"x", "y"}}, {"b", qint64(2)}}},
    };
    for (Format format : kFormats) {
        const QVariant back = roundTrip(value, format);
        EXPECT_EQ(back, QVariant(expected)) << name(format);
        EXPECT_EQ(back.toMap().value("int").typeId(), QMetaType::LongLong) << name(format);
        EXPECT_EQ(back.toMap().value("float").typeId(), QMetaType::Double) << name(format);
        // Scalars stand alone as well.
        EXPECT_EQ(roundTrip(QByteArray(), format), QVariant(QByteArray())) << name(format);
        EXPECT_EQ(roundTrip(QString::fromUtf8("€"), format), QVariant(QString::fromUtf8("€")));
    }
}

TEST(PropertyListTest, realsAndIntegersComeBackExactly) {
    const double reals[] = {0.1,     1.0 / 3.0, 1e-300, 1.7976931348623157e308, 0.9234567890123,
                            -2.5e-7, 5e-324,    1e22,   123456789.123456789,    -1.0};
    const qint64 integers[] = {0,
                               -1,
                               -42,
                               std::numeric_limits<qint64>::min(),
                               std::numeric_limits<qint64>::max(),
                               (qint64(1) << 53) + 1};
    for (Format format : kFormats) {
        for (double real : reals) {
            const QVariant back = roundTrip(real, format);
            ASSERT_EQ(back.typeId(), QMetaType::Double);
            const double read = back.toDouble();
            EXPECT_EQ(std::memcmp(&read, &real, sizeof real), 0) << name(format) << " " << real;
        }
        for (qint64 integer : integers)
            EXPECT_EQ(roundTrip(integer, format).toLongLong(), integer) << name(format);
    }
    EXPECT_EQ(PropertyList::read("<plist><integer>-42</integer></plist>").value, QVariant(qint64(-42)));
    // Other writers may store unsigned numbers above 2^63 - 1: they are not negative numbers.
    const QVariant huge = PropertyList::read("<plist><integer>18446744073709551615</integer></plist>").value;
    EXPECT_EQ(huge.typeId(), QMetaType::ULongLong);
    EXPECT_EQ(huge.toULongLong(), std::numeric_limits<quint64>::max());
    for (Format format : kFormats) {
        const QVariant back = roundTrip(huge, format);
        EXPECT_EQ(back.typeId(), QMetaType::ULongLong) << name(format);
        EXPECT_EQ(back.toULongLong(), std::numeric_limits<quint64>::max()) << name(format);
    }
    const QVariant lowest =
        PropertyList::read("<plist><integer>-9223372036854775808</integer></plist>").value;
    EXPECT_EQ(lowest.typeId(), QMetaType::LongLong);
    EXPECT_EQ(lowest.toLongLong(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(PropertyList::read("<plist><real>0.5</real></plist>").value, QVariant(0.5));
}

TEST(PropertyListTest, realsIgnoreTheUsersDecimalComma) {
    const std::string previous = setlocale(LC_NUMERIC, nullptr);
    if (!setlocale(LC_NUMERIC, "de_DE.UTF-8") && !setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const QByteArray xml = PropertyList::write(0.5, Format::Xml);
    const QVariant back = PropertyList::read("<plist><real>0.25</real></plist>").value;
    setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_TRUE(xml.contains("<real>0.5</real>")) << xml.toStdString();
    EXPECT_EQ(back, QVariant(0.25));
}

TEST(PropertyListTest, datesKeepMillisecondsInBinaryAndWholeSecondsInXml) {
    const QDateTime dates[] = {utc(1999, 12, 31, 23, 59, 59, 250), utc(2001, 1, 1, 0, 0, 0, 1),
                               utc(2000, 12, 31, 23, 59, 59, 999), utc(1900, 6, 1, 12, 0, 0, 500),
                               utc(2150, 7, 4, 8, 30, 15, 125),    utc(1, 1, 1, 0, 0, 0, 0),
                               utc(9999, 12, 31, 23, 59, 59, 0)};
    for (const QDateTime& date : dates) {
        const QDateTime binary = roundTrip(date, Format::Binary).toDateTime();
        EXPECT_EQ(binary, date) << date.toString(Qt::ISODateWithMs).toStdString();
        EXPECT_EQ(binary.timeSpec(), Qt::UTC);
        // XML dates hold whole seconds: the fraction is dropped downwards, also before 2001.
        const QDateTime floored = date.addMSecs(-date.time().msec());
        EXPECT_EQ(roundTrip(date, Format::Xml).toDateTime(), floored)
            << date.toString(Qt::ISODateWithMs).toStdString();
    }
    const QDateTime zoned(QDate(2024, 3, 1), QTime(10, 0), QTimeZone(3600));
    EXPECT_EQ(roundTrip(zoned, Format::Binary).toDateTime(), utc(2024, 3, 1, 9, 0, 0, 0));
    EXPECT_EQ(roundTrip(QDate(2024, 2, 29), Format::Xml).toDateTime(), utc(2024, 2, 29, 0, 0, 0, 0));
    EXPECT_FALSE(writeError(utc(9999, 12, 31, 23, 59, 59, 0).addDays(1)).isEmpty());
    EXPECT_FALSE(writeError(QDateTime()).isEmpty());
}

TEST(PropertyListTest, refusesToWriteWhatAPropertyListCannotHold) {
    EXPECT_FALSE(writeError(QVariant()).isEmpty());
    EXPECT_TRUE(writeError(QPoint(1, 2)).contains("QPoint"));
    // One bad value deep inside spoils the whole list, not just its entry.
    EXPECT_TRUE(
        writeError(QVariantMap{{"ok", 1}, {"bad", QVariantList{QUrl("https://x")}}}).contains("QUrl"));
    // libplist cuts binary text at a NUL; XML drops it with the other control characters.
    EXPECT_TRUE(PropertyList::write(QString::fromLatin1("a\0b", 3), Format::Binary).isEmpty());
    EXPECT_TRUE(
        PropertyList::write(QVariantMap{{QString::fromLatin1("k\0y", 3), 1}}, Format::Binary).isEmpty());
    EXPECT_FALSE(writeError(nestedValue(PropertyList::kMaxDepth + 1)).isEmpty());
    EXPECT_TRUE(roundTrip(nestedValue(PropertyList::kMaxDepth), Format::Binary).isValid());
}

TEST(PropertyListTest, readsHandWrittenXmlWithCommentsCdataAndByteOrderMark) {
    const QByteArray xml = "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
                           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"x.dtd\">\n"
                           "<plist version=\"1.0\"><!-- <array><array> --><dict>\n"
                           "  <key>a&amp;b</key><string><![CDATA[<array>]]> &#x20AC;</string>\n"
                           "  <key>list</key><array><true/><integer>7</integer><array/></array>\n"
                           "</dict></plist>";
    const PropertyList::ReadResult result = PropertyList::read(xml);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.value, QVariant(QVariantMap{{"a&b", QString::fromUtf8("<array> €")},
                                                 {"list", QVariantList{true, qint64(7), QVariantList{}}}}));
}

TEST(PropertyListTest, nestingOf64IsReadAnd65IsRefusedInBothFormats) {
    // Depth counts containers: the root array is 1, and an empty innermost one still counts.
    constexpr int kMax = PropertyList::kMaxDepth;
    EXPECT_TRUE(PropertyList::read(nestedXml(kMax)).ok());
    EXPECT_TRUE(PropertyList::read(nestedXml(kMax, true)).ok());
    EXPECT_TRUE(PropertyList::read(nestedBinary(kMax)).ok());
    EXPECT_TRUE(PropertyList::read(PropertyList::write(nestedValue(kMax), Format::Binary)).ok());
    EXPECT_TRUE(refusedBeforeParsing(nestedXml(kMax + 1)));
    EXPECT_TRUE(refusedBeforeParsing(nestedXml(kMax + 1, true)));
    EXPECT_TRUE(refusedBeforeParsing(nestedBinary(kMax + 1)));
    EXPECT_TRUE(refusedBeforeParsing(nestedXml(200000)));

    // Dicts count like arrays, and a commented-out container does not count at all.
    const QByteArray dicts = QByteArray("<dict><key>k</key>").repeated(kMax) + "<!-- <array> -->" +
                             QByteArray("</dict>").repeated(kMax);
    EXPECT_TRUE(PropertyList::read("<plist>" + dicts + "</plist>").ok());
    EXPECT_TRUE(refusedBeforeParsing("<plist><array>" + dicts + "</array></plist>"));
}

TEST(PropertyListTest, nestingHiddenByMarkupQuirksIsStillCounted) {
    // libplist steps over quoted text in processing instructions, declarations and tags; closing
    // tags there must not count, or 100 real levels could pass as a few.
    const QByteArray open = QByteArray("<array>").repeated(50);
    const QByteArray hidden = QByteArray("</array>").repeated(50);
    const QByteArray close = QByteArray("</array>").repeated(100);
    // An empty root container takes in whatever follows it.
    EXPECT_TRUE(refusedBeforeParsing("<plist><array/>" + nestedXml(PropertyList::kMaxDepth).mid(7)));
    const QByteArray disguises[] = {
        "<?pi \"?>" + hidden + "\"?>",
        "<!DOCTYPE x [ <!ENTITY e \"]>" + hidden + "\"> ]>",
        "<array a=\"" + hidden + "\">" + "</array>",
    };
    for (const QByteArray& disguise : disguises)
        EXPECT_TRUE(refusedBeforeParsing("<plist>" + open + disguise + open + close + "</plist>"))
            << disguise.left(30).toStdString();
}

TEST(PropertyListTest, refusesMalformedInputWithAnErrorText) {
    EXPECT_FALSE(readError("").isEmpty());
    EXPECT_FALSE(readError("currency,rate\nUSD,1\n").isEmpty());
    EXPECT_FALSE(readError("bplist01" + QByteArray(40, '\0')).isEmpty());
    EXPECT_FALSE(readError("<plist><dict><key>a</key><string>b</string>").isEmpty());
    EXPECT_FALSE(readError("<plist><array><!-- unterminated </array></plist>").isEmpty());

    const QByteArray binary = PropertyList::write(
        QVariantMap{{"rates", QVariantList{1.5, "EUR", QDateTime::currentDateTimeUtc()}}}, Format::Binary);
    for (qsizetype length = 0; length < binary.size(); ++length)
        readError(binary.left(length));
}

TEST(PropertyListTest, refusesHostileBinaryStructure) {
    const QByteArray text = "\x51x";
    // A container among its own descendants.
    EXPECT_TRUE(readError(binaryList({arrayObject({0})})).contains("cycle"));
    EXPECT_TRUE(readError(binaryList({arrayObject({1}), arrayObject({2, 0}), text})).contains("cycle"));
    // Lengths and references beyond the data.
    EXPECT_FALSE(readError(binaryList({QByteArray("\x4F\x13\x40\0\0\0\0\0\0\0", 10)})).isEmpty());
    EXPECT_FALSE(readError(binaryList({QByteArray("\x5F\x10\xff", 3) + "abc"})).isEmpty());
    EXPECT_FALSE(readError(binaryList({arrayObject({1, 7}), text})).isEmpty());
    EXPECT_FALSE(readError(binaryList({text}, 1)).isEmpty());
    // libplist aborts on a key holding a NUL, in either format, and expects only text as a key.
    const QByteArray dict = "\xD1\x01\x02";
    EXPECT_FALSE(readError(binaryList({dict, QByteArray("\x53k\0y", 4), text})).isEmpty());
    EXPECT_FALSE(readError(binaryList({dict, QByteArray("\x62\0k\0\0", 5), text})).isEmpty());
    EXPECT_FALSE(readError(binaryList({dict, "\x10\x05", text})).isEmpty());
    EXPECT_FALSE(readError(QByteArray("<plist><dict><key>k\0y</key><true/></dict></plist>", 49)).isEmpty());
    // A uid is an archiver's reference, not a value.
    EXPECT_TRUE(readError(binaryList({arrayObject({1}), "\x80\x05"})).contains("uid"));

    // Shared objects are fine, but not when sharing would expand a few bytes into billions of values.
    EXPECT_EQ(PropertyList::read(binaryList({arrayObject({1, 1, 1}), text})).value,
              QVariant(QVariantList{"x", "x", "x"}));
    std::vector<QByteArray> doubling;
    for (int i = 0; i < 40; ++i)
        doubling.push_back(arrayObject({i + 1, i + 1}));
    doubling.push_back(text);
    EXPECT_FALSE(readError(binaryList(doubling)).isEmpty());
}

TEST(PropertyListTest, survivesRandomAndMutatedInput) {
    std::mt19937 random(20240229);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    const QVariant sample = QVariantMap{{"list", QVariantList{1, 2.5, "three", QByteArray("4"), true}},
                                        {"when", utc(2020, 5, 6, 7, 8, 9, 10)},
                                        {"nested", QVariantMap{{"a", QVariantList{QVariantMap{}}}}}};
    const QByteArray seeds[] = {PropertyList::write(sample, Format::Xml),
                                PropertyList::write(sample, Format::Binary), QByteArray("bplist00"),
                                QByteArray("<plist>")};
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray input = seeds[below(4)];
        if (round % 4 == 0) {
            input += QByteArray(below(120), '\0');
            for (qsizetype i = input.size() - 1; i >= 0 && i >= input.size() - 120; --i)
                input[i] = char(random());
        } else {
            for (int edits = 1 + below(8); edits > 0; --edits) {
                const int at = below(int(input.size()));
                switch (below(4)) {
                case 0:
                    input[at] = char(random());
                    break;
                case 1:
                    input.truncate(at + 1);
                    break;
                case 2:
                    input.insert(at, input.mid(below(int(input.size())), below(16)));
                    break;
                default:
                    input[at] = char(input[at] ^ (1 << below(8)));
                    break;
                }
            }
        }
        const PropertyList::ReadResult result = PropertyList::read(input);
        EXPECT_EQ(result.ok(), result.value.isValid());
        accepted += result.ok() ? 1 : 0;
    }
    EXPECT_GT(accepted, 0); // the mutations also reach the converter, not only the checks
}

TEST(PropertyListTest, filesAreWrittenAtomicallyIntoNewFoldersAndFailuresNameThePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a/b/c/rates.plist");
    const QVariant value = QVariantMap{{"USD", 1.0}, {"EUR", 0.9234567890123}};
    QString error;
    for (Format format : kFormats) {
        ASSERT_TRUE(PropertyList::writeFile(path, value, &error, format)) << error.toStdString();
        EXPECT_EQ(PropertyList::readFile(path).value, value);
    }

    // A value that cannot be written leaves the previous file whole.
    EXPECT_FALSE(PropertyList::writeFile(path, QVariantMap{{"bad", QPoint()}}, &error));
    EXPECT_EQ(PropertyList::readFile(path).value, value);

    QFile blocker(dir.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString blocked = dir.filePath("plain-file/sub/rates.plist");
    EXPECT_FALSE(PropertyList::writeFile(blocked, value, &error));
    EXPECT_TRUE(error.contains(blocked)) << error.toStdString();

    const QString missing = dir.filePath("missing.plist");
    EXPECT_TRUE(PropertyList::readFile(missing).error.contains(missing));
    QFile garbage(dir.filePath("garbage.plist"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a list");
    garbage.close();
    EXPECT_TRUE(PropertyList::readFile(garbage.fileName()).error.contains(garbage.fileName()));
}

// Other programs must be able to read what we write: Python's plistlib (expat underneath) refuses
// anything that is not well-formed XML 1.0.
TEST(PropertyListTest, otherReadersReadEveryXmlFileWeWriteAndTheShippedOnes) {
    if (QStandardPaths::findExecutable("python3").isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    QString hostile;
    for (char16_t c = 0; c < 0x20; ++c)
        hostile += QChar(c);
    hostile += QStringLiteral("U\uFFFESD\uFFFF<&>]]>\u00A0\u20AC\U0001F4B6");
    QTemporaryDir dir;
    const QString written = dir.filePath("written.plist");
    const QVariantMap value{{"code", hostile},
                            {"key" + hostile, QVariantList{-1, 1.5, true, QByteArray("\0\1", 2),
                                                           QDateTime::fromSecsSinceEpoch(0, Qt::UTC)}},
                            {"list", QStringList{QStringLiteral("E\x01UR")}}};
    ASSERT_TRUE(PropertyList::writeFile(written, value));

    QStringList files{written};
    for (const QFileInfo& shipped : QDir(RATEPAD_SOURCE_DIR "/resources").entryInfoList({"*.plist"}))
        files << shipped.filePath();
    QProcess python;
    python.start("python3",
                 QStringList{"-c", "import plistlib, sys\n"
                                   "values = [plistlib.load(open(f, 'rb')) for f in sys.argv[1:]]\n"
                                   "print(ascii(values[0]['code']), ascii(values[0]['list']))\n"} +
                     files);
    ASSERT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    // Tab, line feed and carriage return are XML; the other controls and U+FFFE/U+FFFF are dropped.
    EXPECT_EQ(python.readAllStandardOutput().trimmed(),
              "'\\t\\n\\nUSD<&>]]>\\xa0\\u20ac\\U0001f4b6' ['EUR']");
}
