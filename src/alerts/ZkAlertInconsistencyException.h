#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Raised for a missing or malformed alert description: a packaging error, not a user error, so
// nothing in the program catches it.
class ZkAlertInconsistencyException final : public std::exception {
public:
    explicit ZkAlertInconsistencyException(QString reason);

    // Always "ZkAlertInconsistencyException".
    QString name() const;
    QString reason() const { return m_reason; }
    // "<name>: <reason>", for whatever reports an uncaught exception.
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_reason;
    QByteArray m_what;
};
