#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <optional>

// The per-user preferences store: the user's values over a registration domain of defaults,
// kept as an XML property list. Reads never copy a default into the user's values.
class UserDefaults final : public QObject {
    Q_OBJECT
public:
    // Loads the file at `path` if there is one. A file that cannot be read is renamed aside to
    // "<name>.corrupt-<UTC timestamp>" and the store starts empty.
    explicit UserDefaults(QString path, QObject* parent = nullptr);
    ~UserDefaults() override;
    Q_DISABLE_COPY_MOVE(UserDefaults)

    // $XDG_CONFIG_HOME/ratepad/preferences.plist, with ~/.config when the variable is unset.
    static QString defaultPath();

    QString path() const { return m_path; }
    // The file that a corrupt store was moved to at start-up, or empty.
    QString setAsideFile() const { return m_setAsideFile; }

    void registerDefaults(const QVariantMap& defaults);

    QVariant objectForKey(const QString& key) const;
    // The registration domain's value alone, for a caller that finds the user's value unusable.
    QVariant registeredObjectForKey(const QString& key) const { return m_registered.value(key); }
    // An invalid QVariant removes the key.
    void setObject(const QString& key, const QVariant& value);
    void removeObject(const QString& key);

    // Typed reads: numbers and the texts of booleans and numbers convert; anything else reads as
    // false, 0 or 0.0. Containers of the wrong type read as absent.
    bool boolForKey(const QString& key) const;
    qint64 integerForKey(const QString& key) const;
    double doubleForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    std::optional<QVariantMap> dictionaryForKey(const QString& key) const;
    std::optional<QVariantList> arrayForKey(const QString& key) const;

    void setBool(const QString& key, bool value) { setObject(key, value); }
    void setInteger(const QString& key, qint64 value) { setObject(key, value); }
    void setDouble(const QString& key, double value) { setObject(key, value); }

    // Writes the user's values to disk (atomically) if they changed since the last write.
    bool synchronize();

signals:
    void valueChanged(const QString& key);

private:
    void load();

    QString m_path;
    QString m_setAsideFile;
    QVariantMap m_registered;
    QVariantMap m_user;
    bool m_dirty = false;
};
