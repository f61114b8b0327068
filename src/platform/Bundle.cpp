#include "Bundle.h"

#include "LogCategories.h"
#include "PropertyList.h"

#include <QCoreApplication>
#include <QFileInfo>

Bundle::Bundle(QString root) : m_root(std::move(root)) {}

const Bundle& Bundle::mainBundle() {
    static const Bundle bundle;
    return bundle;
}

QString Bundle::pathForResource(const QString& name, const QString& type, const QString& directory) const {
    QString path = m_root + u'/';
    if (!directory.isEmpty())
        path += directory + u'/';
    path += name;
    if (!type.isEmpty())
        path += u'.' + type;
    return QFileInfo(path).isFile() ? path : QString();
}

QVariantMap Bundle::dictionaryForResource(const QString& name, const QString& type) const {
    const QString path = pathForResource(name, type);
    if (path.isEmpty())
        return {};
    const PropertyList::ReadResult result = PropertyList::readFile(path);
    if (!result.ok()) {
        qCWarning(lcPlatform).noquote() << "Resource" << path << "could not be read:" << result.error;
        return {};
    }
    return result.value.toMap();
}

QVariantMap Bundle::infoDictionary() const {
    if (!m_info)
        m_info = dictionaryForResource(QStringLiteral("Info"));
    return *m_info;
}

QVariant Bundle::objectForInfoDictionaryKey(const QString& key) const {
    return infoDictionary().value(key);
}

QString Bundle::localizedString(const QString& key, const QString& value, const QString& table) const {
    const QByteArray context = table.isEmpty() ? QByteArrayLiteral("Localizable") : table.toUtf8();
    const QByteArray source = key.toUtf8();
    const QString translated = QCoreApplication::translate(context.constData(), source.constData());
    if (translated == key && !value.isEmpty())
        return value;
    return translated;
}

QString localized(const char* englishText) {
    return Bundle::mainBundle().localizedString(QString::fromUtf8(englishText));
}

QString localized(DisambiguatedText text) {
    return QCoreApplication::translate("Localizable", text.source, text.comment);
}
