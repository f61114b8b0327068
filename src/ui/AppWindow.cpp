#include "AppWindow.h"

#include "ActivityIndicator.h"
#include "Autoresizing.h"
#include "Bundle.h"
#include "StatusStrip.h"
#include "Theme.h"
#include "ViewController.h"

#include <QGuiApplication>

namespace {

QPointer<AppWindow>& keyWindowSlot() {
    static QPointer<AppWindow> window;
    return window;
}

QString applicationName() {
    const Bundle& bundle = Bundle::mainBundle();
    for (const char* key : {"CFBundleDisplayName", "CFBundleName"}) {
        const QString name = bundle.objectForInfoDictionaryKey(QString::fromLatin1(key)).toString();
        if (!name.isEmpty())
            return name;
    }
    return QGuiApplication::applicationDisplayName();
}

} // namespace

AppWindow::AppWindow(QWidget* parent)
    : QWidget(parent), m_strip(new StatusStrip(this)), m_content(new QWidget(this)) {
    const QString name = applicationName();
    setWindowTitle(name);
    m_strip->setTitle(name);
    m_content->setObjectName(QStringLiteral("windowContent"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::plainBackgroundColor());
    setPalette(palette);
    setAutoFillBackground(true);
    resize(Theme::windowSize);
}

AppWindow::~AppWindow() {
    // The root controller's view is one of this window's widgets; let the controller keep it.
    if (m_root && m_root->isViewLoaded())
        m_root->view()->setParent(nullptr);
}

AppWindow* AppWindow::keyWindow() {
    return keyWindowSlot();
}

void AppWindow::setRootViewController(ViewController* controller) {
    if (m_root == controller)
        return;
    if (m_root) {
        m_root->beginAppearanceTransition(false, false);
        if (m_root->isViewLoaded()) {
            m_root->view()->hide();
            m_root->view()->setParent(nullptr);
        }
        m_root->endAppearanceTransition();
    }
    m_root = controller;
    if (!controller)
        return;
    addSubview(controller->view());
    if (isVisible()) {
        controller->beginAppearanceTransition(true, false);
        controller->endAppearanceTransition();
    }
}

void AppWindow::addSubview(QWidget* view) {
    view->setParent(m_content);
    Autoresizing::fillParent(view);
    view->show();
}

void AppWindow::makeKeyAndVisible() {
    keyWindowSlot() = this;
    const bool wasVisible = isVisible();
    show();
    activateWindow();
    if (m_root && !wasVisible) {
        m_root->beginAppearanceTransition(true, false);
        m_root->endAppearanceTransition();
    }
}

bool AppWindow::isNetworkActivityIndicatorVisible() const {
    return m_strip->activityIndicator()->isAnimating();
}

void AppWindow::setNetworkActivityIndicatorVisible(bool visible) {
    if (visible)
        m_strip->activityIndicator()->startAnimating();
    else
        m_strip->activityIndicator()->stopAnimating();
}

ActivityIndicator* AppWindow::networkActivityIndicator() const {
    return m_strip->activityIndicator();
}

void AppWindow::resizeEvent(QResizeEvent*) {
    m_strip->setGeometry(0, 0, width(), Theme::statusStripHeight);
    m_content->setGeometry(0, Theme::statusStripHeight, width(),
                           std::max(0, height() - Theme::statusStripHeight));
}
