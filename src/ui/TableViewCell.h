#pragma once

#include <QWidget>
#include <optional>

class Label;
class QPainter;
class QPainterPath;
class QVariantAnimation;

// One row of a TableView. Screens put their own views into contentView() (and find them again with
// viewWithTag from Views.h); the cell draws its background, its highlight, its accessory and, while the
// table is editing, its delete control, the "Delete" confirmation and the reorder grip. Mouse presses
// on the cell itself are left to the table, which decides between selecting, deleting and dragging.
class TableViewCell : public QWidget {
    Q_OBJECT

public:
    enum class AccessoryType { None, DisclosureIndicator, DetailDisclosureButton, Checkmark };
    enum class SelectionStyle { None, Blue, Gray };
    enum class EditingStyle { None, Delete };

    // A new cell is a full-width row (320 x 44 points), so that screens can lay out their views
    // against the content view's width at creation; the table resizes it when it shows it.
    explicit TableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);
    ~TableViewCell() override;

    QString reuseIdentifier() const { return m_reuseIdentifier; }
    QWidget* contentView() const { return m_contentView; }
    // The cell's own title, in the content view; empty unless a screen sets it.
    Label* textLabel() const { return m_textLabel; }

    // The accessory the cell draws unless the table's delegate chooses one for the row.
    AccessoryType accessoryType() const { return m_accessoryType; }
    void setAccessoryType(AccessoryType type);
    AccessoryType displayedAccessoryType() const { return m_accessoryOverride.value_or(m_accessoryType); }

    SelectionStyle selectionStyle() const { return m_selectionStyle; }
    void setSelectionStyle(SelectionStyle style);

    bool isSelected() const { return m_selected; }
    // Deselecting with animation fades the highlight out instead of dropping it at once.
    void setSelected(bool selected, bool animated = false);
    // Whether the highlight is drawn, also while it fades out after an animated deselection.
    bool isHighlighted() const { return m_highlight > 0.0; }
    void setHighlighted(bool highlighted);

    bool isEditing() const { return m_editing; }
    bool isShowingDeleteControl() const { return m_editing && m_showsDeleteControl; }
    bool isShowingReorderControl() const { return m_editing && m_showsReorderControl; }
    bool isShowingDeleteConfirmation() const { return m_confirmingDelete; }

    // Where the controls are, in the cell's own coordinates; empty while a control is not shown. A
    // row laid out right to left has them on the other sides.
    QRect deleteControlRect() const;
    QRect deleteConfirmationRect() const;
    QRect reorderControlRect() const;
    QRect accessoryRect() const;

    static constexpr int defaultWidth = 320;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TableView;

    // Where the row sits in a grouped section, for its rounded corners and separators.
    enum class GroupPosition { Plain, Top, Middle, Bottom, Single };

    void setGroupPosition(GroupPosition position);
    void setAccessoryOverride(std::optional<AccessoryType> type);
    void setEditing(bool editing, bool showsDeleteControl, bool showsReorderControl, bool animated);
    void setShowingDeleteConfirmation(bool showing);
    void layoutSubviews();
    void setHighlightAmount(qreal amount);
    void applyHighlightedTextColors(bool highlighted);
    void setEditProgress(qreal progress);
    bool isFading() const;

    int accessoryWidth() const;
    // The rectangles as a row written left to right has them; the public ones mirror them.
    QRect leftToRightDeleteConfirmationRect() const;
    QRect leftToRightReorderControlRect() const;
    QRect leftToRightAccessoryRect() const;
    QRect mirrored(const QRect& leftToRight) const;
    QRect contentRect() const;
    QString deleteTitle() const;
    QPainterPath backgroundPath() const;
    void paintBackground(QPainter& painter) const;
    void paintAccessory(QPainter& painter) const;
    void paintEditingControls(QPainter& painter) const;

    QString m_reuseIdentifier;
    QWidget* m_contentView = nullptr; // owned by the cell as its Qt child
    Label* m_textLabel = nullptr;     // owned by the content view
    AccessoryType m_accessoryType = AccessoryType::None;
    std::optional<AccessoryType> m_accessoryOverride;
    SelectionStyle m_selectionStyle = SelectionStyle::Blue;
    GroupPosition m_groupPosition = GroupPosition::Plain;

    bool m_selected = false;
    qreal m_highlight = 0.0; // 0 plain, 1 fully highlighted
    bool m_textsHighlighted = false;
    QVariantAnimation* m_fade = nullptr; // owned by the cell

    bool m_editing = false;
    bool m_showsDeleteControl = false;
    bool m_showsReorderControl = false;
    bool m_confirmingDelete = false;
    qreal m_editProgress = 0.0;               // 0 normal layout, 1 editing layout
    QVariantAnimation* m_editSlide = nullptr; // owned by the cell
};
