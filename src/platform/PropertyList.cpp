#include "PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <memory>
#include <plist/plist.h>
#include <vector>

namespace {

constexpr QByteArrayView kBinaryMagic("bplist00");
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// Property-list dates count seconds from 2001-01-01T00:00:00Z.
constexpr qint64 kEpoch2001MSecs = Q_INT64_C(978307200000);
// Dates outside years 1..9999 cannot be written as XML dates (four-digit year).
const QDateTime& earliestDate() {
    static const QDateTime date(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
    return date;
}
const QDateTime& latestDate() {
    static const QDateTime date(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC);
    return date;
}

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// QCoreApplication adopts the user's locale, and libplist parses reals with atof: under a locale
// whose decimal separator is a comma, "0.5" would read as 0. Switch this thread to "C" meanwhile.
class CLocaleScope final {
public:
    CLocaleScope() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        if (c)
            m_previous = uselocale(c);
    }
    ~CLocaleScope() {
        if (m_previous)
            uselocale(m_previous);
    }
    Q_DISABLE_COPY_MOVE(CLocaleScope)

private:
    locale_t m_previous = locale_t(nullptr);
};

// ---------------------------------------------------------------------------------------------
// Checks made before libplist sees the bytes: libplist recurses once per nesting level, and in
// binary lists copies a shared object once per reference, so both must be bounded up front.
// Depth is the length of the longest chain of containers: a root dict or array is 1, an empty
// container still counts as a level, and a scalar root is 0.

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':';
}

// The length of the container tag name ("dict" or "array") starting at `at`, or 0.
qsizetype containerNameAt(QByteArrayView xml, qsizetype at) {
    for (QByteArrayView name : {QByteArrayView("dict"), QByteArrayView("array")}) {
        if (xml.sliced(at).startsWith(name)) {
            const qsizetype end = at + name.size();
            return end >= xml.size() || !isNameChar(xml[end]) ? name.size() : 0;
        }
    }
    return 0;
}

qsizetype findOutsideQuotes(QByteArrayView xml, QByteArrayView terminator, qsizetype from) {
    for (qsizetype i = from; i < xml.size(); ++i) {
        if (xml.sliced(i).startsWith(terminator))
            return i;
        if (xml[i] == '"') {
            i = xml.indexOf('"', i + 1);
            if (i < 0)
                return -1;
        }
    }
    return -1;
}

// Just past the end of a tag, processing instruction or declaration. libplist steps over quoted
// text there (and its versions differ), so take the later of a plain and a quote-aware search: a
// region read as too long can only hide closing tags, which makes the count deeper, never shallower.
qsizetype laterEnd(QByteArrayView xml, QByteArrayView terminator, qsizetype from) {
    const qsizetype plain = xml.indexOf(terminator, from);
    const qsizetype quoted = findOutsideQuotes(xml, terminator, from);
    if (plain < 0 || quoted < 0)
        return xml.size();
    return std::max(plain, quoted) + terminator.size();
}

// Counts nesting from the XML text before libplist builds anything. It errs on the deep side:
// comments and CDATA sections are skipped as libplist skips them, but inside tags, processing
// instructions and declarations any "<dict" or "<array" counts as an opening that never closes,
// and closing tags there are ignored; only "<array/>" or "<array />" counts as self-closing.
class XmlDepthScan final {
public:
    explicit XmlDepthScan(QByteArrayView xml) : m_xml(xml) {}

    QString run(int* depthOut) {
        qsizetype i = 0;
        while ((i = m_xml.indexOf('<', i)) >= 0) {
            const QByteArrayView rest = m_xml.sliced(i);
            qsizetype end = 0;
            qsizetype inside = i + 1; // where the region's own text starts
            if (rest.startsWith("<!--") || rest.startsWith("<![CDATA[")) {
                const bool comment = rest.startsWith("<!--");
                end = m_xml.indexOf(comment ? "-->" : "]]>", i + (comment ? 4 : 9));
                if (end < 0)
                    return comment ? QStringLiteral("unterminated comment")
                                   : QStringLiteral("unterminated CDATA section");
                i = end + 3;
                continue;
            }
            if (rest.startsWith("<?")) {
                end = laterEnd(m_xml, "?>", i + 2);
            } else if (rest.startsWith("<!")) {
                // A DOCTYPE may carry an internal subset in brackets, with '>' inside it.
                end = laterEnd(m_xml, ">", i + 2);
                // (Searched only up to that '>': a search through the rest of the text for every
                // declaration would take quadratic time on a text made of declarations.)
                const qsizetype bracket = m_xml.sliced(i + 2, end - (i + 2)).indexOf('[');
                if (bracket >= 0)
                    end = std::max(end, laterEnd(m_xml, "]>", i + 2 + bracket));
            } else if (rest.startsWith("</")) {
                end = laterEnd(m_xml, ">", i + 2);
                if (containerNameAt(m_xml, i + 2) > 0)
                    m_depth = std::max(0, m_depth - 1);
            } else {
                end = laterEnd(m_xml, ">", i + 1);
                const bool firstValue = !m_sawValue;
                if (!rest.startsWith("<plist") || (rest.size() > 6 && isNameChar(rest[6])))
                    m_sawValue = true;
                if (const qsizetype name = containerNameAt(m_xml, i + 1); name > 0) {
                    const qsizetype nameEnd = i + 1 + name;
                    const qsizetype gt = end - 1;
                    const bool selfClosing = gt > nameEnd && m_xml[gt] == '>' && m_xml[gt - 1] == '/' &&
                                             m_xml.sliced(nameEnd, gt - 1 - nameEnd).trimmed().isEmpty();
                    // libplist keeps an empty root container open: what follows goes inside it.
                    if (!open(!selfClosing || firstValue))
                        return tooDeep();
                    inside = nameEnd;
                }
            }
            if (!countOpeningsUntil(inside, end))
                return tooDeep();
            i = end;
        }
        *depthOut = m_deepest;
        return {};
    }

private:
    bool open(bool staysOpen) {
        const int level = m_depth + 1;
        m_deepest = std::max(m_deepest, level);
        if (staysOpen)
            m_depth = level;
        return m_deepest <= PropertyList::kMaxDepth;
    }
    bool countOpeningsUntil(qsizetype from, qsizetype end) {
        for (qsizetype i = from; (i = m_xml.indexOf('<', i)) >= 0 && i < end; ++i) {
            if (containerNameAt(m_xml, i + 1) > 0 && !open(true))
                return false;
        }
        return true;
    }
    static QString tooDeep() {
        return QStringLiteral("nesting deeper than %1 levels").arg(PropertyList::kMaxDepth);
    }

    QByteArrayView m_xml;
    int m_depth = 0;
    int m_deepest = 0;
    bool m_sawValue = false; // an element other than <plist> has opened
};

quint64 readBigEndian(const uchar* p, int size) {
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | p[i];
    return value;
}

// Walks the binary layout without recursion: trailer, offset table, every object's extent and
// every reference, with cycle detection and totals of what libplist would build.
class BinaryCheck final {
public:
    explicit BinaryCheck(QByteArrayView bytes)
        : m_data(reinterpret_cast<const uchar*>(bytes.data())), m_size(quint64(bytes.size())),
          // A list without shared containers expands to at most one value per reference byte.
          m_maxValues(std::max<quint64>(65536, 2 * m_size)), m_maxBytes((quint64(16) << 20) + 2 * m_size) {}

    QString run(int* depthOut);

private:
    struct Object {
        bool container = false;
        bool dict = false;
        bool text = false;
        bool nul = false;     // text holding a NUL character
        quint64 refs = 0;     // position of the first reference
        quint64 refCount = 0; // dicts: keys then values
        quint64 payload = 0;  // bytes of text or data
    };
    struct Totals {
        quint64 height = 0;
        quint64 values = 1;
        quint64 bytes = 0;
    };
    struct Frame {
        quint64 index;
        Object object;
        quint64 next = 0;
        Totals totals;
    };
    enum class State : uchar { Unseen, Open, Done };

    QString parseObject(quint64 index, Object* object) const;
    bool validKey(quint64 index);
    quint64 ref(const Frame& frame, quint64 n) const {
        return readBigEndian(m_data + frame.object.refs + n * m_refSize, m_refSize);
    }
    quint64 saturatingAdd(quint64 a, quint64 b, quint64 limit) const { return std::min(limit + 1, a + b); }

    const uchar* m_data;
    quint64 m_size;
    quint64 m_maxValues;
    quint64 m_maxBytes;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_objectCount = 0;
    quint64 m_tableOffset = 0;
    std::vector<uchar> m_keyStates; // 0 unknown, 1 valid, 2 invalid
};

QString BinaryCheck::parseObject(quint64 index, Object* object) const {
    const quint64 offset = readBigEndian(m_data + m_tableOffset + index * m_offsetSize, m_offsetSize);
    if (offset < quint64(kBinaryMagic.size()) || offset >= m_tableOffset)
        return QStringLiteral("object offset out of range");
    const quint64 end = m_tableOffset;
    quint64 pos = offset + 1;
    const uchar marker = m_data[offset];
    const int type = marker >> 4;
    const int info = marker & 0x0F;
    auto fits = [&](quint64 count, quint64 unit) { return count <= (end - pos) / unit; };

    quint64 length = quint64(info);
    if (info == 0x0F && (type == 0x4 || type == 0x5 || type == 0x6 || type == 0xA || type == 0xD)) {
        if (pos >= end)
            return QStringLiteral("truncated object");
        const uchar lengthMarker = m_data[pos++];
        if ((lengthMarker >> 4) != 0x1 || (lengthMarker & 0x0F) > 3)
            return QStringLiteral("bad object length");
        const int lengthSize = 1 << (lengthMarker & 0x0F);
        if (!fits(quint64(lengthSize), 1))
            return QStringLiteral("truncated object");
        length = readBigEndian(m_data + pos, lengthSize);
        pos += quint64(lengthSize);
    }

    switch (type) {
    case 0x0: // only true and false: null and fill are not values here
        if (info != 0x8 && info != 0x9)
            return QStringLiteral("unsupported object type 0x%1").arg(marker, 2, 16, QLatin1Char('0'));
        return {};
    case 0x1: // integer of 2^info bytes
    case 0x2: // real of 2^info bytes
        if ((type == 0x1 && info > 4) || (type == 0x2 && info != 2 && info != 3))
            return QStringLiteral("bad number size");
        return fits(quint64(1) << info, 1) ? QString() : QStringLiteral("truncated number");
    case 0x3:
        if (info != 3)
            return QStringLiteral("bad date size");
        return fits(8, 1) ? QString() : QStringLiteral("truncated date");
    case 0x4: // data
    case 0x5: // ASCII text
    case 0x6: // UTF-16 text, length in code units
        if (!fits(length, type == 0x6 ? 2 : 1))
            return QStringLiteral("object length beyond the end of the data");
        object->payload = type == 0x6 ? 2 * length : length;
        object->text = type != 0x4;
        if (type == 0x5)
            object->nul = std::memchr(m_data + pos, 0, length) != nullptr;
        for (quint64 i = 0; type == 0x6 && i < length && !object->nul; ++i)
            object->nul = m_data[pos + 2 * i] == 0 && m_data[pos + 2 * i + 1] == 0;
        return {};
    case 0x8: // uid: refused later as a value, but its extent must still be sound
        return fits(quint64(info) + 1, 1) ? QString() : QStringLiteral("truncated uid");
    case 0xA:
    case 0xD: {
        const quint64 refCount = type == 0xD ? 2 * length : length;
        if (type == 0xD && length > std::numeric_limits<quint64>::max() / 2)
            return QStringLiteral("object length beyond the end of the data");
        if (!fits(refCount, quint64(m_refSize)))
            return QStringLiteral("object length beyond the end of the data");
        object->container = true;
        object->dict = type == 0xD;
        object->refs = pos;
        object->refCount = refCount;
        return {};
    }
    default:
        return QStringLiteral("unsupported object type 0x%1").arg(marker, 2, 16, QLatin1Char('0'));
    }
}

// libplist hands keys out as C strings and asserts (aborts) when one holds a NUL, and expects
// nothing but text as a key.
bool BinaryCheck::validKey(quint64 index) {
    uchar& state = m_keyStates[index];
    if (state == 0) {
        Object object;
        state = parseObject(index, &object).isEmpty() && object.text && !object.nul ? 1 : 2;
    }
    return state == 1;
}

QString BinaryCheck::run(int* depthOut) {
    constexpr quint64 kTrailerSize = 32;
    const quint64 headerSize = quint64(kBinaryMagic.size());
    if (m_size < headerSize + 1 + 1 + kTrailerSize)
        return QStringLiteral("truncated binary property list");
    const uchar* trailer = m_data + m_size - kTrailerSize;
    m_offsetSize = trailer[6];
    m_refSize = trailer[7];
    m_objectCount = readBigEndian(trailer + 8, 8);
    const quint64 top = readBigEndian(trailer + 16, 8);
    m_tableOffset = readBigEndian(trailer + 24, 8);
    auto validSize = [](int size) { return size == 1 || size == 2 || size == 4 || size == 8; };
    if (!validSize(m_offsetSize) || !validSize(m_refSize) || m_objectCount == 0 || top >= m_objectCount)
        return QStringLiteral("bad binary property list trailer");
    if (m_tableOffset <= headerSize || m_tableOffset > m_size - kTrailerSize ||
        (m_size - kTrailerSize - m_tableOffset) / quint64(m_offsetSize) < m_objectCount)
        return QStringLiteral("truncated binary property list offset table");

    std::vector<State> states(m_objectCount, State::Unseen);
    std::vector<Totals> done(m_objectCount);
    std::vector<Frame> stack;
    m_keyStates.assign(m_objectCount, 0);

    Object root;
    if (QString error = parseObject(top, &root); !error.isEmpty())
        return error;
    if (!root.container) {
        *depthOut = 0;
        return {};
    }
    states[top] = State::Open;
    stack.push_back({top, root, 0, {}});

    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.object.refCount) {
            Totals totals = frame.totals;
            totals.height += 1;
            states[frame.index] = State::Done;
            done[frame.index] = totals;
            stack.pop_back();
            if (stack.empty()) {
                *depthOut = int(totals.height);
                return {};
            }
            Totals& parent = stack.back().totals;
            parent.height = std::max(parent.height, totals.height);
            parent.values = saturatingAdd(parent.values, totals.values, m_maxValues);
            parent.bytes = saturatingAdd(parent.bytes, totals.bytes, m_maxBytes);
            continue;
        }
        const quint64 child = ref(frame, frame.next++);
        if (child >= m_objectCount)
            return QStringLiteral("object reference out of range");
        if (frame.object.dict && frame.next <= frame.object.refCount / 2 && !validKey(child))
            return QStringLiteral("dictionary key that is not text, or holds a NUL character");
        Totals childTotals;
        switch (states[child]) {
        case State::Open:
            return QStringLiteral("object reference cycle");
        case State::Done:
            childTotals = done[child];
            break;
        case State::Unseen: {
            Object object;
            if (QString error = parseObject(child, &object); !error.isEmpty())
                return error;
            if (object.container) {
                if (stack.size() >= size_t(PropertyList::kMaxDepth))
                    return QStringLiteral("nesting deeper than %1 levels").arg(PropertyList::kMaxDepth);
                states[child] = State::Open;
                stack.push_back({child, object, 0, {}});
                continue;
            }
            states[child] = State::Done;
            childTotals.bytes = object.payload;
            done[child] = childTotals;
            break;
        }
        }
        // A finished object reached again from deeper down may push the chain past the limit.
        if (stack.size() + childTotals.height > size_t(PropertyList::kMaxDepth))
            return QStringLiteral("nesting deeper than %1 levels").arg(PropertyList::kMaxDepth);
        frame.totals.height = std::max(frame.totals.height, childTotals.height);
        frame.totals.values = saturatingAdd(frame.totals.values, childTotals.values, m_maxValues);
        frame.totals.bytes = saturatingAdd(frame.totals.bytes, childTotals.bytes, m_maxBytes);
        if (frame.totals.values > m_maxValues || frame.totals.bytes > m_maxBytes)
            return QStringLiteral("shared objects expand beyond a sane size");
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Dates: plist_new_date and plist_get_date_val carry 32-bit seconds (1933..2069) and lose the sign
// of a fraction just before 2001. A one-object binary list carries the exact double either way.

double dateSeconds(plist_t node) {
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(node, &bytes, &length);
    double seconds = std::numeric_limits<double>::quiet_NaN();
    const int at = int(kBinaryMagic.size());
    if (bytes && length >= uint32_t(at + 9) && uchar(bytes[at]) == 0x33) {
        const quint64 bits = readBigEndian(reinterpret_cast<const uchar*>(bytes) + at + 1, 8);
        std::memcpy(&seconds, &bits, sizeof seconds);
    }
    if (bytes)
        plist_to_bin_free(bytes);
    return seconds;
}

plist_t newDate(double seconds) {
    uchar bytes[50] = {'b', 'p', 'l', 'i', 's', 't', '0', '0', 0x33};
    quint64 bits = 0;
    std::memcpy(&bits, &seconds, sizeof bits);
    for (int i = 0; i < 8; ++i)
        bytes[9 + i] = uchar(bits >> (56 - 8 * i));
    bytes[17] = 8;  // offset table: the one object sits after the header
    bytes[24] = 1;  // offset size
    bytes[25] = 1;  // reference size
    bytes[33] = 1;  // one object; top object 0
    bytes[49] = 17; // offset table position
    plist_t node = nullptr;
    plist_from_bin(reinterpret_cast<const char*>(bytes), sizeof bytes, &node);
    return node;
}

bool writesAsNegative(plist_t node) {
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    const bool negative = xml && QByteArrayView(xml, qsizetype(length)).contains("<integer>-");
    if (xml)
        plist_to_xml_free(xml);
    return negative;
}

// ---------------------------------------------------------------------------------------------

QString fromNode(plist_t node, int depth, int scannedDepth, QVariant* out);

QString fromContainer(plist_t node, plist_type type, int depth, int scannedDepth, QVariant* out) {
    // The scans above never count shallower than libplist builds; if they ever do, they are wrong
    // and debug builds (the fuzzer's among them) should say so loudly.
    Q_ASSERT_X(depth <= scannedDepth, "PropertyList", "nesting scan undercounted");
    if (depth > PropertyList::kMaxDepth)
        return QStringLiteral("nesting deeper than %1 levels, found after parsing")
            .arg(PropertyList::kMaxDepth);
    if (type == PLIST_ARRAY) {
        QVariantList list;
        list.reserve(plist_array_get_size(node));
        plist_array_iter iter = nullptr;
        plist_array_new_iter(node, &iter);
        std::unique_ptr<void, decltype(&std::free)> iterGuard(iter, &std::free);
        for (;;) {
            plist_t item = nullptr;
            plist_array_next_item(node, iter, &item);
            if (!item)
                break;
            QVariant value;
            if (QString error = fromNode(item, depth, scannedDepth, &value); !error.isEmpty())
                return error;
            list.append(std::move(value));
        }
        *out = std::move(list);
        return {};
    }
    QVariantMap map;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    std::unique_ptr<void, decltype(&std::free)> iterGuard(iter, &std::free);
    for (;;) {
        char* key = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iter, &key, &item);
        std::unique_ptr<char, decltype(&std::free)> keyGuard(key, &std::free);
        if (!item)
            break;
        QVariant value;
        if (QString error = fromNode(item, depth, scannedDepth, &value); !error.isEmpty())
            return error;
        map.insert(QString::fromUtf8(key ? key : ""), std::move(value));
    }
    *out = std::move(map);
    return {};
}

// `depth` counts the containers around `node`.
QString fromNode(plist_t node, int depth, int scannedDepth, QVariant* out) {
    const plist_type type = plist_get_node_type(node);
    switch (type) {
    case PLIST_ARRAY:
    case PLIST_DICT:
        return fromContainer(node, type, depth + 1, scannedDepth, out);
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        *out = QString::fromUtf8(text, text ? qsizetype(length) : 0);
        return {};
    }
    case PLIST_KEY: {
        char* text = nullptr;
        plist_get_key_val(node, &text);
        *out = QString::fromUtf8(text ? text : "");
        std::free(text);
        return {};
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        // libplist 2.2 hands out negative numbers as two's complement through the same getter as
        // unsigned ones above 2^63 - 1; only its own writer still knows which of the two it read.
        *out = value > uint64_t(std::numeric_limits<qint64>::max()) && !writesAsNegative(node)
                   ? QVariant(quint64(value))
                   : QVariant(qint64(value));
        return {};
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        *out = value;
        return {};
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        *out = value != 0;
        return {};
    }
    case PLIST_DATE: {
        const double seconds = dateSeconds(node);
        const double msecs = seconds * 1000.0 + double(kEpoch2001MSecs);
        if (!std::isfinite(msecs) || msecs < double(earliestDate().toMSecsSinceEpoch()) ||
            msecs > double(latestDate().toMSecsSinceEpoch()))
            return QStringLiteral("date out of range");
        // Binary dates keep microseconds; QDateTime keeps milliseconds, rounded to the nearest.
        *out = QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0) + kEpoch2001MSecs, Qt::UTC);
        return {};
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        *out = QByteArray(bytes, bytes ? qsizetype(length) : 0);
        return {};
    }
    case PLIST_UID:
        return QStringLiteral("unsupported value type (uid)");
    default:
        return QStringLiteral("unsupported value type");
    }
}

// ---------------------------------------------------------------------------------------------

plist_t toNode(const QVariant& value, int depth, PropertyList::Format format, QString* error);

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// XML 1.0 has no way to write most control characters, not even as character references, and
// libplist writes them raw, which other readers refuse. They are invisible anyway, so an XML list
// drops them rather than becoming unreadable. Binary lists keep all but NUL.
QString textForFormat(const QString& text, PropertyList::Format format) {
    if (format != PropertyList::Format::Xml)
        return text;
    const QList<uint> characters = text.toUcs4();
    if (std::all_of(characters.begin(), characters.end(), isXmlChar))
        return text;
    QList<uint> kept;
    kept.reserve(characters.size());
    std::copy_if(characters.begin(), characters.end(), std::back_inserter(kept), isXmlChar);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size());
}

plist_t toDict(const QMap<QString, QVariant>& map, int depth, PropertyList::Format format, QString* error) {
    PlistPtr dict(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString key = textForFormat(it.key(), format);
        if (key.contains(QChar(0))) {
            *error = QStringLiteral("dictionary key contains a NUL character");
            return nullptr;
        }
        plist_t item = toNode(it.value(), depth, format, error);
        if (!item)
            return nullptr;
        plist_dict_set_item(dict.get(), key.toUtf8().constData(), item);
    }
    return dict.release();
}

template <typename List>
plist_t toArray(const List& list, int depth, PropertyList::Format format, QString* error) {
    PlistPtr array(plist_new_array());
    for (const auto& element : list) {
        plist_t item = toNode(QVariant(element), depth, format, error);
        if (!item)
            return nullptr;
        plist_array_append_item(array.get(), item);
    }
    return array.release();
}

plist_t toDate(const QDateTime& date, PropertyList::Format format, QString* error) {
    if (!date.isValid() || date < earliestDate() || date > latestDate()) {
        *error = QStringLiteral("date invalid or outside years 1 to 9999");
        return nullptr;
    }
    qint64 msecs = date.toMSecsSinceEpoch() - kEpoch2001MSecs;
    // XML dates have whole seconds, and libplist would cut a fraction towards 2001 rather than down.
    if (format == PropertyList::Format::Xml)
        msecs = msecs - ((msecs % 1000) + 1000) % 1000;
    plist_t node = newDate(double(msecs) / 1000.0);
    if (!node)
        *error = QStringLiteral("cannot create a date");
    return node;
}

// `depth` counts the containers around `value`.
plist_t toNode(const QVariant& value, int depth, PropertyList::Format format, QString* error) {
    const int type = value.typeId();
    const bool container = type == QMetaType::QVariantMap || type == QMetaType::QVariantHash ||
                           type == QMetaType::QVariantList || type == QMetaType::QStringList;
    if (container && depth + 1 > PropertyList::kMaxDepth) {
        *error = QStringLiteral("nesting deeper than %1 levels").arg(PropertyList::kMaxDepth);
        return nullptr;
    }
    switch (type) {
    case QMetaType::QVariantMap:
        return toDict(value.toMap(), depth + 1, format, error);
    case QMetaType::QVariantHash: {
        // Sorted, so that the same values always give the same file.
        const QVariantHash hash = value.toHash();
        QMap<QString, QVariant> map;
        for (auto it = hash.cbegin(); it != hash.cend(); ++it)
            map.insert(it.key(), it.value());
        return toDict(map, depth + 1, format, error);
    }
    case QMetaType::QVariantList:
        return toArray(value.toList(), depth + 1, format, error);
    case QMetaType::QStringList:
        return toArray(value.toStringList(), depth + 1, format, error);
    case QMetaType::QString: {
        const QString text = textForFormat(value.toString(), format);
        if (text.contains(QChar(0))) {
            *error = QStringLiteral("text contains a NUL character");
            return nullptr;
        }
        return plist_new_string(text.toUtf8().constData());
    }
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
        return plist_new_uint(uint64_t(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const qulonglong number = value.toULongLong();
        if (number <= qulonglong(std::numeric_limits<qint64>::max()))
            return plist_new_uint(uint64_t(number));
        // plist_new_uint would make it a negative number; only libplist's parser marks it unsigned.
        const QByteArray xml = "<plist><integer>" + QByteArray::number(number) + "</integer></plist>";
        plist_t node = nullptr;
        plist_from_xml(xml.constData(), uint32_t(xml.size()), &node);
        if (!node)
            *error = QStringLiteral("cannot create the integer %1").arg(number);
        return node;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QDateTime:
        return toDate(value.toDateTime(), format, error);
    case QMetaType::QDate:
        return toDate(value.toDate().startOfDay(Qt::UTC), format, error);
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), uint64_t(bytes.size()));
    }
    default:
        *error = value.isValid()
                     ? QStringLiteral("a property list cannot hold a value of type %1").arg(value.typeName())
                     : QStringLiteral("a property list cannot hold an invalid value");
        return nullptr;
    }
}

} // namespace

PropertyList::ReadResult PropertyList::read(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {{}, QStringLiteral("empty input")};
    if (quint64(bytes.size()) > std::numeric_limits<uint32_t>::max())
        return {{}, QStringLiteral("input too large")};

    QByteArrayView input(bytes);
    const bool binary = input.startsWith("bplist");
    int depth = 0;
    PlistPtr root;
    if (binary) {
        if (!input.startsWith(kBinaryMagic))
            return {{}, QStringLiteral("unsupported binary property list version")};
        if (QString error = BinaryCheck(input).run(&depth); !error.isEmpty())
            return {{}, QStringLiteral("malformed binary property list: ") + error};
        plist_t node = nullptr;
        plist_from_bin(input.data(), uint32_t(input.size()), &node);
        root.reset(node);
    } else {
        // libplist does not expect a byte-order mark.
        if (input.startsWith(kUtf8Bom))
            input = input.sliced(kUtf8Bom.size());
        if (!input.trimmed().startsWith('<'))
            return {{}, QStringLiteral("not a property list")};
        // XML has no NUL characters; libplist would cut text at one and then trip its own asserts.
        if (input.contains('\0'))
            return {{}, QStringLiteral("malformed XML property list: NUL byte")};
        if (QString error = XmlDepthScan(input).run(&depth); !error.isEmpty())
            return {{}, QStringLiteral("malformed XML property list: ") + error};
        plist_t node = nullptr;
        {
            CLocaleScope locale;
            plist_from_xml(input.data(), uint32_t(input.size()), &node);
        }
        root.reset(node);
    }
    if (!root)
        return {{},
                binary ? QStringLiteral("malformed binary property list")
                       : QStringLiteral("malformed XML property list")};
    ReadResult result;
    result.error = fromNode(root.get(), 0, depth, &result.value);
    if (!result.error.isEmpty())
        result.value.clear();
    return result;
}

PropertyList::ReadResult PropertyList::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};
    ReadResult result = read(bytes);
    if (!result.ok())
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

QByteArray PropertyList::write(const QVariant& value, Format format, QString* error) {
    QString problem;
    PlistPtr root(toNode(value, 0, format, &problem));
    if (!root) {
        if (error)
            *error = problem.isEmpty() ? QStringLiteral("cannot build the property list") : problem;
        return {};
    }
    char* bytes = nullptr;
    uint32_t length = 0;
    QByteArray result;
    if (format == Format::Binary) {
        plist_to_bin(root.get(), &bytes, &length);
        if (bytes) {
            result = QByteArray(bytes, qsizetype(length));
            plist_to_bin_free(bytes);
        }
    } else {
        CLocaleScope locale;
        plist_to_xml(root.get(), &bytes, &length);
        if (bytes) {
            result = QByteArray(bytes, qsizetype(length));
            plist_to_xml_free(bytes);
        }
    }
    if (result.isEmpty() && error)
        *error = QStringLiteral("libplist could not serialise the value");
    else if (error)
        error->clear();
    return result;
}

bool PropertyList::writeFile(const QString& path, const QVariant& value, QString* error, Format format) {
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    QString problem;
    const QByteArray bytes = write(value, format, &problem);
    if (bytes.isEmpty())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, problem));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot write %1: cannot create folder %2").arg(path, folder));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (error)
        error->clear();
    return true;
}
