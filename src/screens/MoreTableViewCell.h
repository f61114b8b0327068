#pragma once

#include "TableViewCell.h"

class ImageView;
class Label;

// A row of the more-applications list: an icon, the application's name and a one-line description,
// laid out once from the content view's bounds at creation.
class MoreTableViewCell final : public TableViewCell {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoreTableViewCell)

public:
    explicit MoreTableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    ImageView* iconImageView() const { return m_iconImageView; }
    Label* nameLabel() const { return m_nameLabel; }
    Label* descriptionLabel() const { return m_descriptionLabel; }

private:
    ImageView* m_iconImageView; // children of the cell
    Label* m_nameLabel;
    Label* m_descriptionLabel;
};
