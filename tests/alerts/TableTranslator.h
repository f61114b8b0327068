#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

// A translation table for one context, installed on the application for the object's life: the same
// lookup path a compiled .qm file takes, without needing lrelease at test time.
class TableTranslator final : public QTranslator {
public:
    TableTranslator(QString context, QHash<QString, QString> entries)
        : m_context(std::move(context)), m_entries(std::move(entries)) {
        QCoreApplication::installTranslator(this);
    }
    ~TableTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (QString::fromUtf8(context) != m_context)
            return {};
        return m_entries.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    QString m_context;
    QHash<QString, QString> m_entries;
};
