#include "ZkAlertInconsistencyException.h"

#include "ZkAlert.h"

ZkAlertInconsistencyException::ZkAlertInconsistencyException(QString reason)
    : m_reason(std::move(reason)),
      m_what((kZkAlertInconsistencyException + QStringLiteral(": ") + m_reason).toUtf8()) {}

QString ZkAlertInconsistencyException::name() const {
    return kZkAlertInconsistencyException;
}
