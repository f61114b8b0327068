#pragma once

#include <QString>
#include <QTemporaryDir>

// A private configuration directory for one test: XDG_CONFIG_HOME points into it for the test's life.
class TempConfig final {
public:
    TempConfig();
    ~TempConfig();
    Q_DISABLE_COPY_MOVE(TempConfig)

    QString path() const { return m_dir.path(); }
    QString preferencesPath() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};
