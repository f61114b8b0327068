#include "NavigationController.h"

#include "Autoresizing.h"
#include "Bundle.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "Theme.h"
#include "Views.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QVBoxLayout>

NavigationController::NavigationController(std::unique_ptr<ViewController> rootViewController,
                                           QObject* parent)
    : ViewController(parent) {
    if (rootViewController) {
        setParentViewController(rootViewController.get(), this);
        m_stack.push_back(std::move(rootViewController));
    }
}

NavigationController::~NavigationController() {
    // A slide still running must not finish into controllers that are going away.
    if (m_transition)
        m_transition->disconnect(this);
    // Children first, while this controller's view (which holds theirs) still exists.
    m_popping.clear();
    while (!m_stack.empty())
        m_stack.pop_back();
}

ViewController* NavigationController::topViewController() const {
    return m_stack.empty() ? nullptr : m_stack.back().get();
}

QList<ViewController*> NavigationController::viewControllers() const {
    QList<ViewController*> controllers;
    for (const auto& controller : m_stack)
        controllers.append(controller.get());
    return controllers;
}

NavigationBar* NavigationController::navigationBar() {
    view();
    return m_bar;
}

QList<ViewController*> NavigationController::childViewControllersForAppearance() const {
    if (ViewController* top = topViewController())
        return {top};
    return {};
}

void NavigationController::loadView() {
    auto view = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(view.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar = new NavigationBar(view.get());
    m_content = new QWidget(view.get());
    m_content->setObjectName(QStringLiteral("navigationContent"));
    layout->addWidget(m_bar);
    layout->addWidget(m_content, 1);
    connect(m_bar, &NavigationBar::backTriggered, this, [this] { popViewControllerAnimated(true); });
    setView(std::move(view));
    if (ViewController* top = topViewController())
        showInContent(top);
    updateNavigationBar();
}

void NavigationController::showInContent(ViewController* controller) {
    QWidget* childView = controller->view();
    if (childView->parentWidget() != m_content) {
        childView->setParent(m_content);
        Autoresizing::fillParent(childView);
    } else {
        childView->setGeometry(m_content->rect());
    }
    childView->show();
    childView->raise();
}

void NavigationController::updateNavigationBar() {
    if (!m_bar)
        return;
    ViewController* top = topViewController();
    QString backTitle;
    if (m_stack.size() > 1) {
        ViewController* previous = m_stack[m_stack.size() - 2].get();
        backTitle = previous->navigationItem()->title();
        if (backTitle.isEmpty())
            backTitle = Bundle::mainBundle().localizedString(QT_TRANSLATE_NOOP("Localizable", "Back"));
    }
    m_bar->setNavigationItem(top ? top->navigationItem() : nullptr, backTitle);
}

void NavigationController::finishTransition() {
    if (m_transition)
        m_transition->setCurrentTime(m_transition->totalDuration());
}

QAbstractAnimation* NavigationController::slide(QWidget* incoming, QWidget* outgoing, bool forward) {
    // A pushed screen comes in from the trailing edge: from the left where the interface reads right
    // to left.
    const int width = m_content->isRightToLeft() ? -m_content->width() : m_content->width();
    auto* group = new QParallelAnimationGroup(m_content);
    auto addMove = [&](QWidget* widget, int fromX, int toX) {
        auto* move = new QPropertyAnimation(widget, "pos", group);
        move->setDuration(Theme::transitionDurationMs);
        move->setStartValue(QPoint(fromX, 0));
        move->setEndValue(QPoint(toX, 0));
        move->setEasingCurve(QEasingCurve::OutCubic);
        widget->move(fromX, 0);
        group->addAnimation(move);
    };
    // The screen underneath moves a third of the way, as on the phone.
    if (forward) {
        addMove(incoming, width, 0);
        addMove(outgoing, 0, -width / 3);
    } else {
        addMove(incoming, -width / 3, 0);
        addMove(outgoing, 0, width);
        outgoing->raise();
    }
    return group;
}

void NavigationController::pushViewController(std::unique_ptr<ViewController> controller, bool animated) {
    if (!controller)
        return;
    finishTransition();
    ViewController* incoming = controller.get();
    ViewController* outgoing = topViewController();
    setParentViewController(incoming, this);
    m_stack.push_back(std::move(controller));
    if (!isViewLoaded())
        return;

    const bool onScreen = isOnScreen();
    showInContent(incoming);
    updateNavigationBar();
    if (onScreen) {
        if (outgoing)
            outgoing->beginAppearanceTransition(false, animated);
        incoming->beginAppearanceTransition(true, animated);
    }
    QPointer<ViewController> leaving = outgoing;
    auto finish = [incoming, leaving] {
        if (leaving) {
            if (leaving->isViewLoaded()) {
                hideView(leaving->view());
                leaving->view()->move(0, 0);
            }
            leaving->endAppearanceTransition();
        }
        incoming->endAppearanceTransition();
    };
    if (!animated || !outgoing || !m_content->isVisible()) {
        finish();
        return;
    }
    QAbstractAnimation* transition = slide(incoming->view(), outgoing->view(), true);
    connect(transition, &QAbstractAnimation::finished, this, finish);
    m_transition = transition;
    transition->start(QAbstractAnimation::DeleteWhenStopped);
}

bool NavigationController::popViewControllerAnimated(bool animated) {
    finishTransition();
    if (m_stack.size() < 2)
        return false;
    m_popping.push_back(std::move(m_stack.back()));
    m_stack.pop_back();
    ViewController* outgoing = m_popping.back().get();
    ViewController* incoming = topViewController();

    auto release = [this, outgoing] {
        for (auto it = m_popping.begin(); it != m_popping.end(); ++it) {
            if (it->get() == outgoing) {
                setParentViewController(outgoing, nullptr);
                // Deferred: a screen often pops itself from inside its own code.
                it->release()->deleteLater();
                m_popping.erase(it);
                return;
            }
        }
    };
    if (!isViewLoaded()) {
        release();
        return true;
    }

    const bool onScreen = isOnScreen();
    showInContent(incoming);
    outgoing->view()->raise();
    updateNavigationBar();
    if (onScreen) {
        outgoing->beginAppearanceTransition(false, animated);
        incoming->beginAppearanceTransition(true, animated);
    }
    auto finish = [incoming, outgoing, release] {
        if (outgoing->isViewLoaded())
            outgoing->view()->hide();
        outgoing->endAppearanceTransition();
        incoming->endAppearanceTransition();
        release();
    };
    if (!animated || !m_content->isVisible()) {
        finish();
        return true;
    }
    QAbstractAnimation* transition = slide(incoming->view(), outgoing->view(), false);
    connect(transition, &QAbstractAnimation::finished, this, finish);
    m_transition = transition;
    transition->start(QAbstractAnimation::DeleteWhenStopped);
    return true;
}
