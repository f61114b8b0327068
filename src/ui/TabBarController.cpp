#include "TabBarController.h"

#include "Autoresizing.h"
#include "TabBar.h"
#include "TabBarItem.h"
#include "Views.h"

#include <QVBoxLayout>

TabBarController::TabBarController(QObject* parent) : ViewController(parent) {}

TabBarController::~TabBarController() {
    // Children first, while this controller's view (which holds theirs) still exists.
    m_controllers.clear();
}

QList<ViewController*> TabBarController::viewControllers() const {
    QList<ViewController*> controllers;
    for (const auto& controller : m_controllers)
        controllers.append(controller.get());
    return controllers;
}

ViewController* TabBarController::selectedViewController() const {
    return m_selectedIndex >= 0 ? m_controllers[size_t(m_selectedIndex)].get() : nullptr;
}

TabBar* TabBarController::tabBar() {
    view();
    return m_tabBar;
}

QList<ViewController*> TabBarController::childViewControllersForAppearance() const {
    if (ViewController* selected = selectedViewController())
        return {selected};
    return {};
}

void TabBarController::setViewControllers(std::vector<std::unique_ptr<ViewController>> controllers) {
    ViewController* previous = selectedViewController();
    if (previous && isOnScreen()) {
        previous->beginAppearanceTransition(false, false);
        previous->endAppearanceTransition();
    }
    for (auto& old : m_controllers) {
        setParentViewController(old.get(), nullptr);
        if (old->isViewLoaded())
            old->view()->hide();
        old.release()->deleteLater(); // the call may come from inside one of them
    }
    m_controllers = std::move(controllers);
    std::erase(m_controllers, nullptr);
    for (auto& controller : m_controllers)
        setParentViewController(controller.get(), this);
    m_selectedIndex = m_controllers.empty() ? -1 : 0;
    rebuildTabBar();
    showSelected();
    if (ViewController* selected = selectedViewController(); selected && isOnScreen()) {
        selected->beginAppearanceTransition(true, false);
        selected->endAppearanceTransition();
    }
}

void TabBarController::setSelectedIndex(int index) {
    if (index < 0 || index >= int(m_controllers.size()))
        return;
    ViewController* previous = selectedViewController();
    ViewController* next = m_controllers[size_t(index)].get();
    m_selectedIndex = index;
    if (previous != next) {
        if (m_content)
            next->view(); // loaded before it is told that it will appear
        const bool onScreen = isOnScreen();
        if (onScreen) {
            previous->beginAppearanceTransition(false, false);
            next->beginAppearanceTransition(true, false);
        }
        showSelected();
        if (previous->isViewLoaded())
            hideView(previous->view());
        if (onScreen) {
            previous->endAppearanceTransition();
            next->endAppearanceTransition();
        }
    }
    if (m_tabBar)
        m_tabBar->setSelectedIndex(m_selectedIndex);
}

void TabBarController::setSelectedViewController(ViewController* controller) {
    for (size_t i = 0; i < m_controllers.size(); ++i) {
        if (m_controllers[i].get() == controller)
            setSelectedIndex(int(i));
    }
}

void TabBarController::loadView() {
    auto view = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(view.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_content = new QWidget(view.get());
    m_content->setObjectName(QStringLiteral("tabContent"));
    m_tabBar = new TabBar(view.get());
    layout->addWidget(m_content, 1);
    layout->addWidget(m_tabBar);
    connect(m_tabBar, &TabBar::tabClicked, this, &TabBarController::setSelectedIndex);
    setView(std::move(view));
    rebuildTabBar();
    showSelected();
}

void TabBarController::rebuildTabBar() {
    if (!m_tabBar)
        return;
    QList<TabBarItem*> items;
    for (const auto& controller : m_controllers)
        items.append(controller->tabBarItem());
    m_tabBar->setItems(items);
    m_tabBar->setSelectedIndex(m_selectedIndex);
}

void TabBarController::showSelected() {
    ViewController* selected = selectedViewController();
    if (!m_content || !selected)
        return;
    QWidget* childView = selected->view();
    if (childView->parentWidget() != m_content) {
        childView->setParent(m_content);
        Autoresizing::fillParent(childView);
    } else {
        childView->setGeometry(m_content->rect());
    }
    childView->show();
    childView->raise();
}
