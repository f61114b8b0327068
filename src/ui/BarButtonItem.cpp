#include "BarButtonItem.h"

#include "Bundle.h"
#include "Icons.h"

namespace {} // namespace

BarButtonItem::BarButtonItem(const QString& title, Style style, QObject* parent)
    : QObject(parent), m_title(title), m_style(style) {}

BarButtonItem::BarButtonItem(SystemItem item, QObject* parent) : QObject(parent), m_systemItem(item) {
    switch (item) {
    case SystemItem::Done:
        m_title = localized(QT_TRANSLATE_NOOP("Localizable", "Done"));
        m_style = Style::Done;
        break;
    case SystemItem::Cancel:
        m_title = localized(QT_TRANSLATE_NOOP("Localizable", "Cancel"));
        break;
    case SystemItem::Edit:
        m_title = localized(QT_TRANSLATE_NOOP("Localizable", "Edit"));
        break;
    case SystemItem::Save:
        m_title = localized(QT_TRANSLATE_NOOP("Localizable", "Save"));
        m_style = Style::Done;
        break;
    case SystemItem::Add:
        m_image = Icons::add();
        m_symbolName = localized(QT_TRANSLATE_NOOP("Localizable", "Add"));
        m_style = Style::Plain;
        break;
    case SystemItem::Refresh:
        m_image = Icons::refresh();
        m_symbolName = localized(QT_TRANSLATE_NOOP("Localizable", "Refresh"));
        m_style = Style::Plain;
        break;
    }
}

void BarButtonItem::setTitle(const QString& title) {
    m_title = title;
    emit changed();
}

void BarButtonItem::setStyle(Style style) {
    m_style = style;
    emit changed();
}

void BarButtonItem::setEnabled(bool enabled) {
    m_enabled = enabled;
    emit changed();
}

QString BarButtonItem::accessibleName() const {
    return m_title.isEmpty() ? m_symbolName : m_title;
}

void BarButtonItem::trigger() {
    if (m_enabled)
        emit triggered();
}
