#pragma once

#include "ViewController.h"

#include <QPointer>
#include <memory>
#include <vector>

class TabBar;

// Screens side by side behind a tab bar at the bottom; one is shown at a time. Switching tabs sends
// the appearance hooks to both screens (will... then did..., no animation) while the tab bar
// controller is on screen.
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

    std::vector<std::unique_ptr<ViewController>> m_controllers;
    int m_selectedIndex = -1;
    QPointer<TabBar> m_tabBar;
    QPointer<QWidget> m_content;
};
