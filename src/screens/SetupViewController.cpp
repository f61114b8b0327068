#include "SetupViewController.h"

#include "ActionSheet.h"
#include "Autoresizing.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "EditViewController.h"
#include "Label.h"
#include "NavigationController.h"
#include "Switch.h"
#include "Theme.h"
#include "Views.h"

namespace {

const QString kLocalCurrencyCellIdentifier = QStringLiteral("LocalCurrencyCell");
const QString kUpdateCellIdentifier = QStringLiteral("UpdateCell");
const QString kMasterContext = QStringLiteral("master");

Label* makeRowLabel(QWidget* content, const QRectF& frame, Qt::Alignment alignment, const QColor& color,
                    int tagValue) {
    auto* label = new Label(content);
    setFrame(label, frame);
    label->setFont(Theme::boldSystemFont(18));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextColor(color);
    label->setHighlightedTextColor(Theme::highlightedTextColor());
    setTag(label, tagValue);
    return label;
}

} // namespace

SetupViewController::SetupViewController(CurrencyManager& manager, QObject* parent)
    : ViewController(parent), m_manager(manager) {}

SetupViewController::~SetupViewController() {
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

void SetupViewController::loadView() {
    auto table = std::make_unique<TableView>(TableView::Style::Grouped);
    table->setObjectName(QStringLiteral("setupTable"));
    table->setDataSource(this);
    table->setDelegate(this);
    m_tableView = table.get();
    setView(std::move(table));
}

void SetupViewController::viewDidLoad() {
    setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Setup")));
    ViewController::viewDidLoad();
}

TableView* SetupViewController::tableView() {
    view();
    return m_tableView;
}

void SetupViewController::viewWillAppear(bool animated) {
    tableView()->reloadData();
    ViewController::viewWillAppear(animated);
}

void SetupViewController::viewWillDisappear(bool animated) {
    if (m_tableView && m_tableView->isEditing())
        m_tableView->setEditing(false);
    ViewController::viewWillDisappear(animated);
}

void SetupViewController::updateSwitchFlipped(const Switch* sender) {
    if (sender)
        m_manager.setAutomaticUpdatesEnabled(sender->isOn());
}

int SetupViewController::numberOfSections(TableView*) {
    return 2;
}

int SetupViewController::numberOfRowsInSection(TableView*, int section) {
    return (section == UpdateSection || section == LocalCurrencySection) ? 1 : 0;
}

QString SetupViewController::titleForHeaderInSection(TableView*, int section) {
    switch (section) {
    case UpdateSection:
        return localized(QT_TRANSLATE_NOOP("Localizable", "Exchange Rates"));
    case LocalCurrencySection:
        return localized(QT_TRANSLATE_NOOP("Localizable", "Master Currency"));
    default:
        return {};
    }
}

QString SetupViewController::titleForFooterInSection(TableView*, int section) {
    switch (section) {
    case UpdateSection:
        return localized(
            QT_TRANSLATE_NOOP("Localizable", "Download exchange rates\nfor 190+ world currencies"));
    case LocalCurrencySection:
        return localized(QT_TRANSLATE_NOOP("Localizable", "Tap to set your home currency"));
    default:
        return {};
    }
}

bool SetupViewController::canEditRowAtIndexPath(TableView*, const IndexPath&) {
    return false;
}

bool SetupViewController::canMoveRowAtIndexPath(TableView*, const IndexPath&) {
    return false;
}

std::optional<TableViewCell::AccessoryType>
SetupViewController::accessoryTypeForRowWithIndexPath(TableView*, const IndexPath&) {
    return TableViewCell::AccessoryType::None;
}

TableViewCell::EditingStyle SetupViewController::editingStyleForRowAtIndexPath(TableView*, const IndexPath&) {
    return TableViewCell::EditingStyle::None;
}

std::unique_ptr<TableViewCell> SetupViewController::makeLocalCurrencyCell() const {
    auto cell = std::make_unique<TableViewCell>(kLocalCurrencyCellIdentifier);
    QWidget* content = cell->contentView();
    const qreal maxX = content->rect().right() + 1;
    makeRowLabel(content, QRectF(10, 10, maxX - 250, 22), Qt::AlignLeft, Theme::labelColor(),
                 LocalCodeLabelTag);
    Label* name = makeRowLabel(content, QRectF(maxX - 240, 10, 230, 22), Qt::AlignRight,
                               Theme::darkGrayColor(), LocalNameLabelTag);
    // The right edge keeps its distance and the left edge stays put: in a narrower row the name gives
    // up width (shrinking, then eliding) instead of sliding over the code.
    Autoresizing::setMask(name, Autoresizing::FlexibleWidth);
    name->setAdjustsFontSizeToFitWidth(true);
    name->setMinimumFontSize(11);
    return cell;
}

std::unique_ptr<TableViewCell> SetupViewController::makeUpdateCell() {
    auto cell = std::make_unique<TableViewCell>(kUpdateCellIdentifier);
    cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
    QWidget* content = cell->contentView();
    const qreal maxX = content->rect().right() + 1;
    // The label reaches to just before the switch, and a long translation shrinks within a floor.
    Label* label = makeRowLabel(content, QRectF(10, 10, maxX - 28 - Switch::kSize.width(), 22), Qt::AlignLeft,
                                Theme::labelColor(), UpdateLabelTag);
    Autoresizing::setMask(label, Autoresizing::FlexibleWidth);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumFontSize(13);
    // The switch keeps its own size, narrower than the phone's of old, so it is placed by its right edge
    // (10 points in, like the name of the row below) rather than by a left edge 100 points in, which
    // would leave it over the end of the label and a gap behind it.
    auto* updateSwitch = new Switch(content);
    setFrame(updateSwitch, QRectF(maxX - 10 - Switch::kSize.width(), 7, Switch::kSize.width(), 32));
    Autoresizing::setMask(updateSwitch, Autoresizing::FlexibleLeftMargin);
    setTag(updateSwitch, UpdateSwitchTag);
    connect(updateSwitch, &Switch::valueChanged, this,
            [this, updateSwitch] { updateSwitchFlipped(updateSwitch); });
    return cell;
}

std::unique_ptr<TableViewCell> SetupViewController::cellForRowAtIndexPath(TableView* tableView,
                                                                          const IndexPath& indexPath) {
    if (indexPath.section() == LocalCurrencySection) {
        std::unique_ptr<TableViewCell> cell =
            tableView->dequeueReusableCellWithIdentifier(kLocalCurrencyCellIdentifier);
        if (!cell)
            cell = makeLocalCurrencyCell();
        const auto local = m_manager.localCurrency();
        if (auto* code = viewWithTag<Label>(cell->contentView(), LocalCodeLabelTag))
            code->setText(local ? local->currencyCode() : QString());
        if (auto* name = viewWithTag<Label>(cell->contentView(), LocalNameLabelTag))
            name->setText(local ? m_manager.currencyNames().displayName(*local) : QString());
        return cell;
    }
    if (indexPath.section() == UpdateSection) {
        std::unique_ptr<TableViewCell> cell =
            tableView->dequeueReusableCellWithIdentifier(kUpdateCellIdentifier);
        if (!cell)
            cell = makeUpdateCell();
        if (auto* label = viewWithTag<Label>(cell->contentView(), UpdateLabelTag))
            label->setText(localized(QT_TRANSLATE_NOOP("Localizable", "Automatic Updates")));
        if (auto* updateSwitch = viewWithTag<Switch>(cell->contentView(), UpdateSwitchTag))
            updateSwitch->setOn(m_manager.automaticUpdatesEnabled());
        return cell;
    }
    return nullptr;
}

std::optional<IndexPath> SetupViewController::willSelectRowAtIndexPath(TableView* tableView,
                                                                       const IndexPath& indexPath) {
    // Only the switch of the update row reacts; the row itself is never selected.
    if (indexPath.section() == UpdateSection) {
        tableView->deselectRowAtIndexPath(indexPath, true);
        return std::nullopt;
    }
    return indexPath;
}

void SetupViewController::didSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) {
    if (indexPath.section() == LocalCurrencySection) {
        // The manager rebuilds the whole foreign list for a new local currency: ask first.
        auto sheet = std::make_unique<ActionSheet>(
            localized(QT_TRANSLATE_NOOP("Localizable",
                                        "Changing the local currency will revert all foreign currencies")),
            localized(QT_TRANSLATE_NOOP("Localizable", "Cancel")),
            localized(QT_TRANSLATE_NOOP("Localizable", "Overwrite")));
        sheet->setDelegate(this);
        ActionSheet::present(std::move(sheet), view());
    }
    tableView->deselectRowAtIndexPath(indexPath, true);
}

void SetupViewController::clickedButtonAtIndex(ActionSheet*, int index) {
    if (index != OverwriteButtonIndex)
        return;
    auto picker = std::make_unique<SelectionViewController>(m_manager);
    picker->setDelegate(this);
    picker->setContext(kMasterContext);
    presentModalViewController(std::move(picker), true);
}

void SetupViewController::didSelectCurrency(SelectionViewController* picker, const QString& code) {
    // An empty code would rebuild the whole list around a currency that can never be looked up.
    if (picker->context().toString() == kMasterContext && !code.isEmpty())
        m_manager.setLocalCurrency(LocalCurrency::create(code));
    picker->dismissModalViewControllerAnimated(true);
    if (m_tableView)
        m_tableView->reloadData();
}

void SetupViewController::selectionViewControllerMore(SelectionViewController* picker) {
    auto editor = std::make_unique<EditViewController>(m_manager);
    editor->setCurrency(m_manager.localCurrency());
    editor->setSuggestedCode(picker->possibleCode());
    if (NavigationController* navigation = navigationController())
        navigation->pushViewController(std::move(editor), true);
    picker->dismissModalViewControllerAnimated(true);
}

void SetupViewController::selectionViewControllerDidCancel(SelectionViewController* picker) {
    picker->dismissModalViewControllerAnimated(true);
}
