#include "ZkAlert.h"

#include "AlertView.h"
#include "Bundle.h"
#include "PropertyList.h"
#include "ZkAlertInconsistencyException.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

namespace {

QString bundleText(const Bundle& bundle) {
    return QStringLiteral("Bundle <%1>").arg(bundle.root());
}

// An absent directory reads as the usual text for nothing, so a reason never shows ''.
QString directoryText(const QString& directory) {
    return directory.isEmpty() ? QStringLiteral("(null)") : directory;
}

QString translated(const QString& text, const QString& name, const Bundle* bundle) {
    if (!bundle || text.isEmpty())
        return text;
    return bundle->localizedString(text, text, name);
}

} // namespace

std::unique_ptr<AlertView> ZkAlert::alertNamed(const QString& name) {
    return alertNamed(name, Bundle::mainBundle());
}

std::unique_ptr<AlertView> ZkAlert::alertNamed(const QString& name, const Bundle& bundle) {
    return alertNamed(name, bundle, QString());
}

std::unique_ptr<AlertView> ZkAlert::alertNamed(const QString& name, const Bundle& bundle,
                                               const QString& directory) {
    const QStringList where{name, bundleText(bundle), directoryText(directory)};
    const QString path = bundle.pathForResource(name, kZkAlertFileExtension, directory);
    if (path.isEmpty())
        throw ZkAlertInconsistencyException(stringWithFormat(
            QStringLiteral("Can't find alert named '%@' in bundle '%@', directory '%@'"), where));
    const PropertyList::ReadResult read = PropertyList::readFile(path);
    if (!read.ok() || read.value.typeId() != QMetaType::QVariantMap)
        throw ZkAlertInconsistencyException(stringWithFormat(
            QStringLiteral("Alert file unreadable for alert named named '%@' in bundle '%@', directory '%@'"),
            where));
    return alertWithContentsOfDictionary(read.value.toMap(), name, &bundle);
}

std::unique_ptr<AlertView> ZkAlert::alertWithContentsOfDictionary(const QVariantMap& dictionary,
                                                                  const QString& name, const Bundle* bundle) {
    const auto buttons = dictionary.constFind(kZkAlertButtons);
    if (buttons != dictionary.constEnd() && buttons->typeId() != QMetaType::QVariantList)
        throw ZkAlertInconsistencyException(
            stringWithFormat(QStringLiteral("Alert dictionary unreadable: %@"), {textForm(dictionary)}));

    auto alert = std::make_unique<AlertView>();
    alert->setTitle(translated(textForm(dictionary.value(kZkAlertMessage)), name, bundle));
    alert->setMessage(translated(textForm(dictionary.value(kZkAlertInformativeText)), name, bundle));
    if (buttons != dictionary.constEnd()) {
        for (const QVariant& title : buttons->toList())
            alert->addButtonWithTitle(translated(textForm(title), name, bundle));
    }
    return alert;
}

void ZkAlert::setTitleFormat(AlertView& alert, const QStringList& values) {
    alert.setTitle(stringWithFormat(alert.title(), values));
}

void ZkAlert::setMessageFormat(AlertView& alert, const QStringList& values) {
    alert.setMessage(stringWithFormat(alert.message(), values));
}

QString ZkAlert::stringWithFormat(const QString& format, const QStringList& values) {
    QString result;
    result.reserve(format.size());
    qsizetype next = 0; // the value that the next "%@" takes
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%' || i + 1 == format.size()) {
            result += format[i];
            continue;
        }
        const QChar c = format[i + 1];
        if (c == u'%') {
            result += u'%';
            ++i;
        } else if (c == u'@') {
            result += values.value(next++);
            ++i;
        } else if (c.isDigit()) {
            // "%2$@": translations may need the values in another order.
            qsizetype j = i + 1;
            while (j < format.size() && format[j].isDigit())
                ++j;
            if (j + 1 < format.size() && format[j] == u'$' && format[j + 1] == u'@') {
                const int position = format.sliced(i + 1, j - i - 1).toInt();
                result += values.value(position - 1);
                i = j + 1;
            } else {
                result += format[i];
            }
        } else {
            // Only object placeholders are meaningful for text values; anything else stays visible.
            result += format[i];
        }
    }
    return result;
}

QString ZkAlert::textForm(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDateTime:
        return value.toDateTime().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss '+0000'"));
    case QMetaType::QByteArray:
        return u'<' + QString::fromLatin1(value.toByteArray().toHex(' ')) + u'>';
    case QMetaType::QVariantList: {
        QStringList items;
        for (const QVariant& item : value.toList())
            items.append(textForm(item));
        return u'(' + items.join(QStringLiteral(", ")) + u')';
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        QString text = QStringLiteral("{");
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            text += it.key() + QStringLiteral(" = ") + textForm(it.value()) + QStringLiteral("; ");
        return text + u'}';
    }
    default:
        return value.toString();
    }
}
