#pragma once

#include "ViewController.h"

#include <QPointer>
#include <memory>
#include <vector>

class NavigationBar;
class QAbstractAnimation;

// A stack of screens under a navigation bar. The bar shows the top screen's navigation item, with a
// back button titled after the screen below. Pushing slides the new screen in from the right, popping
// slides the top one out; the appearance hooks go to both screens (will... before the slide, did...
// after it) while the stack is on screen.
//
// Ownership: the stack owns every controller on it (the root included) and deletes a popped one on
// the pass of the event loop after its slide has ended.
class NavigationController final : public ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NavigationController)

public:
    explicit NavigationController(std::unique_ptr<ViewController> rootViewController = {},
                                  QObject* parent = nullptr);
    ~NavigationController() override;

    void pushViewController(std::unique_ptr<ViewController> controller, bool animated);
    // Pops the top controller unless it is the root. Answers whether one was popped.
    bool popViewControllerAnimated(bool animated);

    ViewController* topViewController() const;
    QList<ViewController*> viewControllers() const;
    NavigationBar* navigationBar(); // loads the view

protected:
    void loadView() override;
    QList<ViewController*> childViewControllersForAppearance() const override;

private:
    void showInContent(ViewController* controller);
    void updateNavigationBar();
    void finishTransition();
    QAbstractAnimation* slide(QWidget* incoming, QWidget* outgoing, bool forward);

    std::vector<std::unique_ptr<ViewController>> m_stack;
    std::vector<std::unique_ptr<ViewController>> m_popping; // sliding out
    QPointer<NavigationBar> m_bar;
    QPointer<QWidget> m_content;
    QPointer<QAbstractAnimation> m_transition;
};
