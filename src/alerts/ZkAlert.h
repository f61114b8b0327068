#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class AlertView;
class Bundle;

// Keys of an alert description file (a property list whose root is a dictionary).
inline const QString kZkAlertMessage = QStringLiteral("ZkAlertMessage");                 // the title
inline const QString kZkAlertInformativeText = QStringLiteral("ZkAlertInformativeText"); // the message
inline const QString kZkAlertButtons = QStringLiteral("ZkAlertButtons");                 // array of titles
// Resource type of description files: "<alert name>.alert".
inline const QString kZkAlertFileExtension = QStringLiteral("alert");
inline const QString kZkAlertInconsistencyException = QStringLiteral("ZkAlertInconsistencyException");

// Alerts described by shipped files instead of code. The texts in a file are English keys looked up
// in the translation table named after the alert. The alerts are built, not shown: the caller sets
// the delegate, the cancel button and any placeholders, then presents them.
// Every builder throws ZkAlertInconsistencyException for a missing or malformed description.
class ZkAlert final {
public:
    ZkAlert() = delete;

    // From the application's own bundle.
    static std::unique_ptr<AlertView> alertNamed(const QString& name);
    // From the top resource folder of `bundle`.
    static std::unique_ptr<AlertView> alertNamed(const QString& name, const Bundle& bundle);
    // From `directory` inside the resources of `bundle`; an empty directory is the top folder.
    static std::unique_ptr<AlertView> alertNamed(const QString& name, const Bundle& bundle,
                                                 const QString& directory);
    // From a description already read. Without a bundle the texts are used as they stand.
    static std::unique_ptr<AlertView>
    alertWithContentsOfDictionary(const QVariantMap& dictionary, const QString& name, const Bundle* bundle);

    // Use the current title (or message) as a format: "%@" takes the next value, "%2$@" the second,
    // "%%" is a percent sign. A text without placeholders stays as it is.
    static void setTitleFormat(AlertView& alert, const QStringList& values);
    static void setMessageFormat(AlertView& alert, const QStringList& values);

    // The format rule above, on its own.
    static QString stringWithFormat(const QString& format, const QStringList& values);
    // The text that a property-list value shows as when it stands where a text belongs.
    static QString textForm(const QVariant& value);
};
