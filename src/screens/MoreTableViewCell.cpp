#include "MoreTableViewCell.h"

#include "ImageView.h"
#include "Label.h"
#include "Theme.h"
#include "Views.h"

#include <QPixmap>

namespace {
constexpr qreal kIconSize = 57.0;
constexpr qreal kMargin = 5.0;
constexpr qreal kGap = 10.0;
constexpr qreal kNameHeight = 25.0;
constexpr qreal kDescriptionLineHeight = 15.0;
constexpr qreal kMakerHeight = 14.0;
} // namespace

MoreTableViewCell::MoreTableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent), m_iconImageView(new ImageView(QPixmap(), this)),
      m_nameLabel(new Label(this)), m_descriptionLabel(new Label(this)), m_makerLabel(new Label(this)) {
    setAccessoryType(AccessoryType::DisclosureIndicator);
    const QRectF bounds = contentView()->rect();

    setFrame(m_iconImageView, QRectF(bounds.left() + kMargin, bounds.top() + kMargin, kIconSize, kIconSize));
    m_iconImageView->setContentMode(ImageView::ContentMode::ScaleAspectFit);

    // Only the right margin is flexible: the labels keep their left edge and width when the cell widens.
    const qreal textLeft = bounds.left() + kMargin + kIconSize + kGap;
    // The screen shows a detail button, wider than the indicator the content view leaves room for:
    // the texts stop a gap short of it.
    const qreal textWidth = bounds.width() - kIconSize - kMargin - 2 * kGap;
    setFrame(m_nameLabel, QRectF(textLeft, 10.0, textWidth, kNameHeight));
    m_nameLabel->setFont(Theme::boldSystemFont(18));
    m_nameLabel->setTextColor(Qt::black);
    m_nameLabel->setHighlightedTextColor(Qt::white);
    m_nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_nameLabel->setAdjustsFontSizeToFitWidth(true); // a long name shrinks before it is cut
    m_nameLabel->setMinimumFontSize(14);

    // Two lines under the name, so that a description as long as most languages make it is not cut.
    setFrame(m_descriptionLabel, QRectF(textLeft, kNameHeight + kGap, textWidth, 2 * kDescriptionLineHeight));
    m_descriptionLabel->setFont(Theme::systemFont(12));
    m_descriptionLabel->setTextColor(Theme::grayColor());
    m_descriptionLabel->setHighlightedTextColor(Qt::white);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_descriptionLabel->setWordWrap(true);

    m_makerLabel->setFont(Theme::systemFont(11));
    m_makerLabel->setTextColor(Theme::darkGrayColor());
    m_makerLabel->setHighlightedTextColor(Qt::white);
    m_makerLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_makerLabel->setAdjustsFontSizeToFitWidth(true);
    m_makerLabel->setMinimumFontSize(9);
    layoutTexts();
}

void MoreTableViewCell::layoutTexts() {
    const QRect description = frameOf(m_descriptionLabel);
    const int lines =
        m_descriptionLabel->heightForWidth(description.width()) > int(kDescriptionLineHeight) + 2 ? 2 : 1;
    setFrame(m_makerLabel, QRectF(description.left(), description.top() + lines * kDescriptionLineHeight,
                                  description.width(), kMakerHeight));
}
