#pragma once

#include <QList>
#include <QWidget>

class TabBarButton;
class TabBarItem;

// The bar at the bottom of a tab bar controller (49 points high): one equally wide tab per item.
class TabBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabBar)

public:
    explicit TabBar(QWidget* parent = nullptr);

    void setItems(const QList<TabBarItem*>& items);
    int count() const { return int(m_buttons.size()); }
    TabBarButton* buttonAt(int index) const;
    void setSelectedIndex(int index);
    // The keys that open each tab and go to the next and the previous one, shown in the tooltips.
    void setShortcutTexts(const QStringList& direct, const QString& next, const QString& previous);

    QSize sizeHint() const override;

signals:
    void tabClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutButtons();

    QList<TabBarButton*> m_buttons; // child widgets
};
