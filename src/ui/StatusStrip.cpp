#include "StatusStrip.h"

#include "ActivityIndicator.h"
#include "Label.h"
#include "Theme.h"
#include "Views.h"

StatusStrip::StatusStrip(QWidget* parent)
    : QWidget(parent), m_title(new Label(this)), m_indicator(new ActivityIndicator(this)) {
    setFixedHeight(Theme::statusStripHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::statusStripColor());
    setPalette(palette);
    setAutoFillBackground(true);
    m_title->setFont(Theme::boldSystemFont(12));
    m_title->setTextColor(Theme::statusStripTextColor());
    m_title->setAlignment(Qt::AlignCenter);
    m_indicator->setObjectName(QStringLiteral("networkActivityIndicator"));
    m_indicator->setColor(Theme::statusStripTextColor());
}

void StatusStrip::setTitle(const QString& title) {
    m_title->setText(title);
}

QString StatusStrip::title() const {
    return m_title->text();
}

void StatusStrip::resizeEvent(QResizeEvent*) {
    m_title->setGeometry(40, 0, std::max(0, width() - 80), height());
    m_indicator->setGeometry(visualRect(this, rect(), QRect(6, (height() - 14) / 2, 14, 14)));
}
