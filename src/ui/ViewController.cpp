#include "ViewController.h"

#include "Autoresizing.h"
#include "BarButtonItem.h"
#include "Bundle.h"
#include "NavigationController.h"
#include "NavigationItem.h"
#include "TabBarController.h"
#include "TabBarItem.h"
#include "Theme.h"
#include "Views.h"

#include <QPropertyAnimation>

ViewController::ViewController(QObject* parent)
    : QObject(parent), m_navigationItem(new NavigationItem(this)), m_tabBarItem(new TabBarItem(this)) {}

ViewController::~ViewController() {
    if (m_modalTransition)
        m_modalTransition->disconnect(this);
    // Presented controllers go first: their views may sit inside this controller's view.
    m_dismissing.reset();
    m_modal.reset();
    delete m_view.data(); // null when a container's widgets have already taken it down
}

QWidget* ViewController::view() {
    if (!m_view) {
        loadView();
        if (!m_view)
            setView(std::make_unique<QWidget>());
        viewDidLoad();
    }
    return m_view;
}

void ViewController::setView(std::unique_ptr<QWidget> view) {
    delete m_view.data();
    m_view = view.release(); // owned by this controller from now on (see the class comment)
}

void ViewController::loadView() {
    auto view = std::make_unique<QWidget>();
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, Theme::plainBackgroundColor());
    view->setPalette(palette);
    view->setAutoFillBackground(true);
    setView(std::move(view));
}

void ViewController::viewDidLoad() {}

void ViewController::setTitle(const QString& title) {
    m_title = title;
    m_navigationItem->setTitle(title);
    m_tabBarItem->setTitle(title);
}

NavigationController* ViewController::navigationController() const {
    for (ViewController* ancestor = m_parent; ancestor; ancestor = ancestor->m_parent) {
        if (auto* navigation = qobject_cast<NavigationController*>(ancestor))
            return navigation;
    }
    return nullptr;
}

TabBarController* ViewController::tabBarController() const {
    for (ViewController* ancestor = m_parent; ancestor; ancestor = ancestor->m_parent) {
        if (auto* tabs = qobject_cast<TabBarController*>(ancestor))
            return tabs;
    }
    return nullptr;
}

void ViewController::setParentViewController(ViewController* child, ViewController* parent) {
    child->m_parent = parent;
}

QList<ViewController*> ViewController::childViewControllersForAppearance() const {
    return {};
}

void ViewController::viewWillAppear(bool) {}
void ViewController::viewDidAppear(bool) {}
void ViewController::viewWillDisappear(bool) {}
void ViewController::viewDidDisappear(bool) {}

void ViewController::beginAppearanceTransition(bool appearing, bool animated) {
    if (appearing == isOnScreen())
        return;
    m_appearance = appearing ? Appearance::Appearing : Appearance::Disappearing;
    m_transitionAnimated = animated;
    if (appearing)
        viewWillAppear(animated);
    else
        viewWillDisappear(animated);
    for (ViewController* child : childViewControllersForAppearance())
        child->beginAppearanceTransition(appearing, animated);
}

void ViewController::endAppearanceTransition() {
    if (m_appearance == Appearance::Appearing) {
        m_appearance = Appearance::Appeared;
        viewDidAppear(m_transitionAnimated);
    } else if (m_appearance == Appearance::Disappearing) {
        m_appearance = Appearance::Disappeared;
        viewDidDisappear(m_transitionAnimated);
    } else {
        return;
    }
    for (ViewController* child : childViewControllersForAppearance())
        child->endAppearanceTransition();
}

void ViewController::setEditing(bool editing, bool) {
    m_editing = editing;
    if (m_editButtonItem) {
        const Bundle& bundle = Bundle::mainBundle();
        m_editButtonItem->setTitle(editing
                                       ? bundle.localizedString(QT_TRANSLATE_NOOP("Localizable", "Done"))
                                       : bundle.localizedString(QT_TRANSLATE_NOOP("Localizable", "Edit")));
        m_editButtonItem->setStyle(editing ? BarButtonItem::Style::Done : BarButtonItem::Style::Bordered);
    }
    emit editingChanged(editing);
}

BarButtonItem* ViewController::editButtonItem() {
    if (!m_editButtonItem) {
        m_editButtonItem = new BarButtonItem(BarButtonItem::SystemItem::Edit, this);
        if (m_editing) {
            m_editButtonItem->setTitle(
                Bundle::mainBundle().localizedString(QT_TRANSLATE_NOOP("Localizable", "Done")));
            m_editButtonItem->setStyle(BarButtonItem::Style::Done);
        }
        connect(m_editButtonItem, &BarButtonItem::triggered, this, [this] { setEditing(!m_editing, true); });
    }
    return m_editButtonItem;
}

ViewController* ViewController::rootAncestor() {
    ViewController* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root;
}

void ViewController::presentModalViewController(std::unique_ptr<ViewController> controller, bool animated) {
    if (!controller)
        return;
    ViewController* host = rootAncestor();
    while (host->m_modal)
        host = host->m_modal.get();
    host->presentOver(std::move(controller), animated);
}

QWidget* ViewController::modalContainer() {
    QWidget* own = view();
    return own->parentWidget() ? own->parentWidget() : own;
}

void ViewController::presentOver(std::unique_ptr<ViewController> controller, bool animated) {
    finishModalTransition();
    ViewController* presented = controller.get();
    presented->m_presenting = this;
    m_modal = std::move(controller);

    QWidget* container = modalContainer();
    QWidget* modalView = presented->view();
    modalView->setParent(container);
    Autoresizing::fillParent(modalView);
    const QPoint home = modalView->pos();
    modalView->raise();
    modalView->show();

    const bool onScreen = isOnScreen();
    beginAppearanceTransition(false, animated);
    if (onScreen)
        presented->beginAppearanceTransition(true, animated);
    auto finish = [this, presented, container] {
        endAppearanceTransition();
        presented->endAppearanceTransition();
        if (m_view && container != m_view)
            m_view->hide(); // covered entirely; nothing to paint
    };
    if (!animated) {
        finish();
        return;
    }
    auto* slide = new QPropertyAnimation(modalView, "pos", modalView);
    slide->setDuration(Theme::transitionDurationMs);
    slide->setStartValue(home + QPoint(0, container->height()));
    slide->setEndValue(home);
    slide->setEasingCurve(QEasingCurve::OutCubic);
    modalView->move(slide->startValue().toPoint());
    connect(slide, &QAbstractAnimation::finished, this, finish);
    m_modalTransition = slide;
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void ViewController::dismissModalViewControllerAnimated(bool animated) {
    ViewController* root = rootAncestor();
    ViewController* host = root->m_modal ? root : root->m_presenting;
    if (host)
        host->dismissPresented(animated);
}

void ViewController::dismissPresented(bool animated) {
    finishModalTransition();
    if (!m_modal)
        return;
    if (m_modal->m_modal)
        m_modal->dismissPresented(false);
    m_dismissing = std::move(m_modal);
    ViewController* leaving = m_dismissing.get();
    QWidget* modalView = leaving->view();
    QWidget* container = modalView->parentWidget();
    if (m_view && container != m_view)
        m_view->show();
    modalView->raise();

    const bool onScreen = leaving->isOnScreen();
    leaving->beginAppearanceTransition(false, animated);
    if (onScreen)
        beginAppearanceTransition(true, animated);
    auto finish = [this, leaving] {
        if (leaving->isViewLoaded())
            hideView(leaving->view());
        leaving->endAppearanceTransition();
        endAppearanceTransition();
        if (m_dismissing.get() == leaving) {
            leaving->m_presenting = nullptr;
            // Deferred: the dismissal is often asked for from inside the leaving controller's code.
            m_dismissing.release()->deleteLater();
        }
    };
    if (!animated || !container) {
        finish();
        return;
    }
    auto* slide = new QPropertyAnimation(modalView, "pos", modalView);
    slide->setDuration(Theme::transitionDurationMs);
    slide->setStartValue(modalView->pos());
    slide->setEndValue(modalView->pos() + QPoint(0, container->height()));
    slide->setEasingCurve(QEasingCurve::InCubic);
    connect(slide, &QAbstractAnimation::finished, this, finish);
    m_modalTransition = slide;
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void ViewController::finishModalTransition() {
    if (m_modalTransition)
        m_modalTransition->setCurrentTime(m_modalTransition->totalDuration());
}
