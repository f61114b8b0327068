#include "PropertyList.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "PropertyListFuzz: %s\n", qPrintable(what));
    std::abort();
}

// Equal types and values, reals bit for bit (so a NaN equals itself and -0 differs from 0).
bool same(const QVariant& a, const QVariant& b) {
    if (a.typeId() != b.typeId())
        return false;
    switch (a.typeId()) {
    case QMetaType::QVariantList: {
        const QVariantList x = a.toList();
        const QVariantList y = b.toList();
        if (x.size() != y.size())
            return false;
        for (qsizetype i = 0; i < x.size(); ++i) {
            if (!same(x[i], y[i]))
                return false;
        }
        return true;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap x = a.toMap();
        const QVariantMap y = b.toMap();
        if (x.keys() != y.keys())
            return false;
        for (auto it = x.cbegin(); it != x.cend(); ++it) {
            if (!same(it.value(), y.value(it.key())))
                return false;
        }
        return true;
    }
    case QMetaType::Double: {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    default:
        return a == b;
    }
}

QVariant writeAndRead(const QVariant& value, PropertyList::Format format) {
    QString error;
    const QByteArray written = PropertyList::write(value, format, &error);
    if (written.isEmpty()) {
        // Binary lists may hold text with NUL characters, which we refuse to write.
        if (!error.contains(QLatin1String("NUL")))
            fail(QStringLiteral("a value that was read cannot be written: ") + error);
        return {};
    }
    const PropertyList::ReadResult result = PropertyList::read(written);
    if (!result.ok())
        fail(QStringLiteral("a written list does not read back: ") + result.error);
    return result.value;
}

} // namespace

// Any byte string must come back from read() with a value or an error. Whatever is accepted must
// survive the writer: exactly through a binary list; through XML, which keeps whole seconds and
// no negative zero, after that first loss nothing more may change.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PropertyList::ReadResult result =
        PropertyList::read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (result.ok() != result.value.isValid())
        fail(QStringLiteral("a value and an error disagree"));
    if (!result.ok())
        return 0;
    const QVariant binary = writeAndRead(result.value, PropertyList::Format::Binary);
    if (binary.isValid() && !same(binary, result.value))
        fail(QStringLiteral("a binary list reads back different"));
    const QVariant xml = writeAndRead(result.value, PropertyList::Format::Xml);
    if (xml.isValid() && !same(writeAndRead(xml, PropertyList::Format::Xml), xml))
        fail(QStringLiteral("an XML list reads back different"));
    return 0;
}
