#pragma once

#include "TableViewCell.h"

class ImageView;
class Label;

// A row of the more-applications list: an icon, the application's name, a description and who makes
// it, laid out from the content view's bounds at creation.
class MoreTableViewCell final : public TableViewCell {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoreTableViewCell)

public:
    explicit MoreTableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    // Room for the name, two lines of description and the maker.
    static constexpr int rowHeight = 80;

    ImageView* iconImageView() const { return m_iconImageView; }
    Label* nameLabel() const { return m_nameLabel; }
    Label* descriptionLabel() const { return m_descriptionLabel; }
    Label* makerLabel() const { return m_makerLabel; }

    // Puts the maker right under the description, on its first or second line, once both are filled.
    void layoutTexts();

private:
    ImageView* m_iconImageView; // children of the cell
    Label* m_nameLabel;
    Label* m_descriptionLabel;
    Label* m_makerLabel;
};
