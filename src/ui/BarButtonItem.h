#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <optional>

// A button that a navigation bar shows: a title, or one of the system items (Edit, Done, Cancel,
// Save drawn as titles, Add and Refresh as symbols). The item is not a widget: the bar that shows it
// makes a button for it and follows its changes. Connect to `triggered` for the action.
class BarButtonItem final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarButtonItem)

public:
    // The numbers are the phone platform's, so that descriptions of screens can name them.
    enum class SystemItem { Done = 0, Cancel = 1, Edit = 2, Save = 3, Add = 4, Refresh = 13 };
    enum class Style { Plain = 0, Bordered = 1, Done = 2 }; // Done: the bold, confirming button

    explicit BarButtonItem(const QString& title, Style style = Style::Bordered, QObject* parent = nullptr);
    explicit BarButtonItem(SystemItem item, QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    // A symbol shown instead of the title (system items Add and Refresh).
    QIcon image() const { return m_image; }
    Style style() const { return m_style; }
    void setStyle(Style style);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    std::optional<SystemItem> systemItem() const { return m_systemItem; }
    // What a screen reader says: the title, or the name of the symbol.
    QString accessibleName() const;

    // Emits `triggered` when the item is enabled; the bar's button calls it when clicked.
    void trigger();

signals:
    void triggered();
    void changed(); // title, style or enabled state: bars redraw the button

private:
    QString m_title;
    QIcon m_image;
    QString m_symbolName;
    Style m_style = Style::Bordered;
    bool m_enabled = true;
    std::optional<SystemItem> m_systemItem;
};
