#include "UserDefaults.h"

#include "LogCategories.h"
#include "PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace {

bool isNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// The leading number of a text, as a C library would read it: "12abc" is 12, "abc" is 0.
double leadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && QStringLiteral("+-.0123456789eE").contains(trimmed[end]))
        ++end;
    for (; end > 0; --end) {
        bool ok = false;
        const double value = trimmed.left(end).toDouble(&ok);
        if (ok)
            return value;
    }
    return 0;
}

} // namespace

UserDefaults::UserDefaults(QString path, QObject* parent) : QObject(parent), m_path(std::move(path)) {
    load();
}

UserDefaults::~UserDefaults() {
    synchronize();
}

QString UserDefaults::defaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/ratepad/preferences.plist");
}

void UserDefaults::load() {
    if (!QFileInfo::exists(m_path))
        return;
    const PropertyList::ReadResult result = PropertyList::readFile(m_path);
    if (result.ok() && result.value.typeId() == QMetaType::QVariantMap) {
        m_user = result.value.toMap();
        return;
    }
    // Never delete what the user had: keep the unreadable file beside, start from the defaults.
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString aside = m_path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".corrupt-") + stamp + u'-' + QString::number(n);
    const QString why = result.ok() ? QStringLiteral("the root is not a dictionary") : result.error;
    if (QFile::rename(m_path, aside)) {
        m_setAsideFile = aside;
        qCWarning(lcPreferences).noquote()
            << "Preferences" << m_path << "could not be read (" + why + "); kept as" << aside;
    } else {
        qCWarning(lcPreferences).noquote()
            << "Preferences" << m_path
            << "could not be read (" + why + ") nor moved aside; starting from the defaults";
    }
}

void UserDefaults::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.begin(); it != defaults.end(); ++it)
        m_registered.insert(it.key(), it.value());
}

QVariant UserDefaults::objectForKey(const QString& key) const {
    const auto user = m_user.constFind(key);
    if (user != m_user.constEnd())
        return *user;
    return m_registered.value(key);
}

void UserDefaults::setObject(const QString& key, const QVariant& value) {
    if (!value.isValid()) {
        removeObject(key);
        return;
    }
    m_user.insert(key, value);
    m_dirty = true;
    emit valueChanged(key);
}

void UserDefaults::removeObject(const QString& key) {
    if (m_user.remove(key) > 0)
        m_dirty = true;
    emit valueChanged(key);
}

bool UserDefaults::boolForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isNumber(v))
        return v.toDouble() != 0;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        if (s == u"yes" || s == u"true")
            return true;
        return static_cast<qint64>(leadingNumber(s)) != 0;
    }
    return false;
}

qint64 UserDefaults::integerForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::UInt)
        return v.toLongLong(); // exact, also beyond 2^53
    const double value = doubleForKey(key);
    if (!std::isfinite(value))
        return 0;
    if (value >= 9.2e18 || value <= -9.2e18)
        return value > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return static_cast<qint64>(value);
}

double UserDefaults::doubleForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (isNumber(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        if (s == u"yes" || s == u"true")
            return 1;
        return leadingNumber(s);
    }
    return 0;
}

QString UserDefaults::stringForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    if (isNumber(v))
        return v.toString();
    return {};
}

std::optional<QVariantMap> UserDefaults::dictionaryForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QVariantMap)
        return v.toMap();
    return std::nullopt;
}

std::optional<QVariantList> UserDefaults::arrayForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QVariantList)
        return v.toList();
    return std::nullopt;
}

bool UserDefaults::synchronize() {
    if (!m_dirty)
        return true;
    QString error;
    if (!PropertyList::writeFile(m_path, m_user, &error)) {
        qCWarning(lcPreferences).noquote() << "Preferences could not be written to" << m_path << ":" << error;
        return false;
    }
    m_dirty = false;
    return true;
}
