#pragma once

#include "ViewController.h"

#include <QPointer>
#include <memory>
#include <vector>

class QShortcut;
class TabBar;

// Screens side by side behind a tab bar at the bottom; one is shown at a time. Switching tabs sends
// the appearance hooks to both screens (will... then did..., no animation) while the tab bar
// controller is on screen.
//
// Keys, as in Qt's own tab widgets and GNOME and KDE applications: Ctrl+Tab and Ctrl+PageDown go to
// the next tab, Ctrl+Shift+Tab and Ctrl+PageUp to the previous one (both wrap around), and Alt+1 to
// Alt+9 open the first nine tabs; the tab buttons' tooltips name them. They do nothing while a screen
// is presented over the tabs or an alert or action sheet waits for an answer.
//
// Ownership: owns the controllers it is given; setting new ones deletes the old ones.
class TabBarController final : public ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabBarController)

public:
    explicit TabBarController(QObject* parent = nullptr);
    ~TabBarController() override;

    // Takes the controllers; the first is selected.
    void setViewControllers(std::vector<std::unique_ptr<ViewController>> controllers);
    QList<ViewController*> viewControllers() const;

    int selectedIndex() const { return m_selectedIndex; } // -1 without controllers
    // Ignores an index outside the tabs.
    void setSelectedIndex(int index);
    ViewController* selectedViewController() const;
    void setSelectedViewController(ViewController* controller);

    TabBar* tabBar(); // loads the view

protected:
    void loadView() override;
    QList<ViewController*> childViewControllersForAppearance() const override;

private:
    void showSelected();
    void rebuildTabBar();
    void addShortcuts(QWidget* view);
    void selectByKeyboard(int index);

    std::vector<std::unique_ptr<ViewController>> m_controllers;
    int m_selectedIndex = -1;
    QPointer<TabBar> m_tabBar;
    QPointer<QWidget> m_content;
    QList<QShortcut*> m_directShortcuts; // Alt+1 ..., one per tab; children of the view
};
