#include "TabBarController.h"

#include "ActionSheet.h"
#include "AlertView.h"
#include "Autoresizing.h"
#include "TabBar.h"
#include "TabBarItem.h"
#include "Views.h"

#include <QApplication>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kDirectShortcuts = 9; // Alt+1 to Alt+9
}

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
    addShortcuts(view.get());
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

    qDeleteAll(m_directShortcuts);
    m_directShortcuts.clear();
    QStringList directKeys;
    for (int i = 0; i < std::min(int(m_controllers.size()), kDirectShortcuts); ++i) {
        const QKeySequence key(Qt::ALT | Qt::Key(Qt::Key_1 + i));
        auto* shortcut = new QShortcut(key, m_tabBar->parentWidget());
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, i] { selectByKeyboard(i); });
        m_directShortcuts.append(shortcut);
        directKeys.append(key.toString(QKeySequence::NativeText));
    }
    m_tabBar->setShortcutTexts(
        directKeys, QKeySequence(Qt::CTRL | Qt::Key_Tab).toString(QKeySequence::NativeText),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab).toString(QKeySequence::NativeText));
}

void TabBarController::addShortcuts(QWidget* view) {
    auto add = [this, view](const QList<QKeySequence>& keys, int step) {
        auto* shortcut = new QShortcut(view);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            const int count = int(m_controllers.size());
            if (count > 0)
                selectByKeyboard((m_selectedIndex + step + count) % count);
        });
    };
    add({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    // Shift+Tab arrives as Backtab, with or without Shift among the modifiers.
    add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_Backtab),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        -1);
}

void TabBarController::selectByKeyboard(int index) {
    // Not under a presented screen, an alert or an action sheet, which wait for an answer.
    if (modalViewController() || !view()->isVisible())
        return;
    for (QWidget* focused = QApplication::focusWidget(); focused; focused = focused->parentWidget()) {
        if (qobject_cast<AlertView*>(focused) || qobject_cast<ActionSheet*>(focused))
            return;
    }
    setSelectedIndex(index);
    // The keys go on in the tab now shown, unless its screen took the focus itself.
    QWidget* shown = selectedViewController() ? selectedViewController()->view() : nullptr;
    const QWidget* focused = QApplication::focusWidget();
    if (shown && (!focused || !focused->isVisible() || !hasFocusWithin(shown)))
        shown->setFocus(Qt::ShortcutFocusReason);
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
