#include "CurrencyViewController.h"

#include "AlertView.h"
#include "Autoresizing.h"
#include "BarButtonItem.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "DisplayFormatters.h"
#include "EditViewController.h"
#include "ForeignCurrencyListModel.h"
#include "Icons.h"
#include "ImageView.h"
#include "Images.h"
#include "Label.h"
#include "NavigationController.h"
#include "NavigationItem.h"
#include "RateUpdateText.h"
#include "Reachability.h"
#include "Theme.h"
#include "Views.h"

#include <QScopedValueRollback>

namespace {

// Loaded once; a picture that cannot be loaded stays null and the rows show no mark.
const QPixmap& checkmarkImage() {
    static const QPixmap image = Images::named(
        Bundle::mainBundle().pathForResource(QStringLiteral("checkmark"), QStringLiteral("png")));
    return image;
}

Label* makeRowLabel(QWidget* content, const QRectF& frame, const QFont& font, Qt::Alignment alignment,
                    const QColor& color, int tagValue) {
    auto* label = new Label(content);
    setFrame(label, frame);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextColor(color);
    label->setHighlightedTextColor(Theme::highlightedTextColor());
    setTag(label, tagValue);
    return label;
}

// Where the code and the name begin, right of the check mark.
constexpr qreal kCheckWidth = 26;
constexpr qreal kTextLeft = 34;
constexpr qreal kSmallLineHeight = 12;
// Room for the code line and two lines of name.
constexpr int kCurrencyRowHeight = 54;
constexpr qreal kPinSide = 10;

const QPixmap& pinImage(qreal devicePixelRatio) {
    static QPixmap image;
    if (image.isNull() || !qFuzzyCompare(image.devicePixelRatio(), devicePixelRatio))
        image = Icons::tinted(Icons::pin(), QSize(int(kPinSide), int(kPinSide)), Theme::grayColor(),
                              devicePixelRatio);
    return image;
}

} // namespace

CurrencyViewController::CurrencyViewController(CurrencyManager& manager,
                                               std::function<bool()> isNetworkAvailable,
                                               QString rateServerHost, QObject* parent)
    : ViewController(parent), m_manager(manager), m_isNetworkAvailable(std::move(isNetworkAvailable)),
      m_rateServerHost(std::move(rateServerHost)) {
    m_model = new ForeignCurrencyListModel(m_manager, this);
    connect(
        m_model, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex& first, const QModelIndex& last) { updateRows(first.row(), last.row()); });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &CurrencyViewController::rowsRearranged);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, &CurrencyViewController::rowsRearranged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CurrencyViewController::rowsRearranged);
    // A server whose host resolves but which answers no lookup is as unreachable as one that does
    // not resolve: the user asked for rates and should hear why none came.
    connect(&m_manager, &CurrencyManager::forcedUpdateFinished, this,
            [this](qsizetype succeeded, qsizetype failed) {
                if (succeeded == 0 && failed > 0)
                    showServerNotReachable();
            });
}

CurrencyViewController::~CurrencyViewController() {
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

void CurrencyViewController::loadView() {
    auto table = std::make_unique<TableView>(TableView::Style::Plain);
    table->setObjectName(QStringLiteral("currencyTable"));
    table->setDataSource(this);
    table->setDelegate(this);
    table->setEditing(isEditing());
    m_tableView = table.get();
    setView(std::move(table));
}

void CurrencyViewController::viewDidLoad() {
    ViewController::viewDidLoad();
    setTitle(localized(QT_TRANSLATE_NOOP3("Localizable", "Currencies", "title of the currency list")));
    navigationItem()->setRightBarButtonItem(editButtonItem());
    if (!m_refreshItem) {
        m_refreshItem = new BarButtonItem(BarButtonItem::SystemItem::Refresh);
        connect(m_refreshItem, &BarButtonItem::triggered, this, &CurrencyViewController::refresh);
        navigationItem()->setLeftBarButtonItem(m_refreshItem);
    }
}

TableView* CurrencyViewController::tableView() {
    view();
    return m_tableView;
}

void CurrencyViewController::reloadData() {
    if (m_tableView)
        m_tableView->reloadData();
}

// Every change of the editing state, whatever its cause, reloads: the section header and the rows'
// accessories follow it.
void CurrencyViewController::setEditing(bool editing, bool animated) {
    if (m_tableView)
        m_tableView->setEditing(editing, animated);
    ViewController::setEditing(editing, animated);
    reloadData();
}

void CurrencyViewController::viewWillAppear(bool animated) {
    tableView()->reloadData();
    ViewController::viewWillAppear(animated);
}

void CurrencyViewController::viewWillDisappear(bool animated) {
    // The list comes back outside the editing state, also when the editor was pushed over it.
    if (isEditing())
        setEditing(false);
    ViewController::viewWillDisappear(animated);
}

int CurrencyViewController::numberOfSections(TableView*) {
    return 2;
}

int CurrencyViewController::numberOfRowsInSection(TableView*, int section) {
    switch (section) {
    case AddSection:
        return 1;
    case CurrencySection:
        return m_model->rowCount();
    default:
        return 0;
    }
}

QString CurrencyViewController::titleForHeaderInSection(TableView*, int section) {
    switch (section) {
    case AddSection:
        return localized(QT_TRANSLATE_NOOP("Localizable", "Add Currency "));
    case CurrencySection:
        return isEditing() ? localized(QT_TRANSLATE_NOOP("Localizable", "Edit a Foreign Currency"))
                           : localized(QT_TRANSLATE_NOOP("Localizable", "Select a Foreign Currency"));
    default:
        return {};
    }
}

std::unique_ptr<TableViewCell> CurrencyViewController::makeCurrencyCell() const {
    auto cell = std::make_unique<TableViewCell>(currencyCellIdentifier);
    QWidget* content = cell->contentView();
    const qreal maxX = content->rect().right() + 1;
    const qreal halfWidth = float((maxX - kTextLeft) / 2);

    // The mark stands left of the code and the name, never over them.
    auto* check = new ImageView(content);
    setFrame(check, QRectF(4, 3, kCheckWidth, kCheckWidth));
    check->setContentMode(ImageView::ContentMode::ScaleAspectFit);
    setTag(check, CheckImageTag);

    makeRowLabel(content, QRectF(kTextLeft, 5, halfWidth, 22), Theme::boldSystemFont(18), Qt::AlignLeft,
                 Theme::labelColor(), CodeLabelTag);
    // The name takes the line up to the date (its width is set as the row is filled) and breaks onto a
    // second line rather than being cut.
    Label* name = makeRowLabel(content, QRectF(kTextLeft, 25, halfWidth, 2 * kSmallLineHeight),
                               Theme::systemFont(10), Qt::AlignLeft, Theme::grayColor(), NameLabelTag);
    name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    name->setNumberOfLines(2);
    // While editing, the row's controls take about 100 points; the name keeps its distance to the
    // right edge.
    Autoresizing::setMask(name, Autoresizing::FlexibleWidth);
    name->setMayElide(true); // a name the user typed may be longer than two lines
    Label* rate = makeRowLabel(content, QRectF(maxX - 130, 5, 120, 22), Theme::boldSystemFont(18),
                               Qt::AlignRight, Theme::valueTextColor(), RateLabelTag);
    Autoresizing::setMask(rate, Autoresizing::FlexibleLeftMargin);
    // Rates of 10000 and more (the dong, the rupiah against most currencies) shrink rather than lose digits.
    rate->setAdjustsFontSizeToFitWidth(true);
    rate->setMinimumFontSize(12);
    Label* update = makeRowLabel(content, QRectF(maxX - 130, 25, 120, kSmallLineHeight),
                                 Theme::systemFont(10), Qt::AlignRight, Theme::grayColor(), UpdateLabelTag);
    Autoresizing::setMask(update, Autoresizing::FlexibleLeftMargin);
    // Left of the update line's words, on a rate the user keeps; placed as the row is filled.
    auto* pin = new ImageView(content);
    pin->setContentMode(ImageView::ContentMode::ScaleAspectFit);
    setTag(pin, PinImageTag);
    return cell;
}

std::unique_ptr<TableViewCell> CurrencyViewController::cellForRowAtIndexPath(TableView* tableView,
                                                                             const IndexPath& indexPath) {
    if (indexPath.section() == AddSection) {
        std::unique_ptr<TableViewCell> cell =
            tableView->dequeueReusableCellWithIdentifier(addCurrencyCellIdentifier);
        if (!cell) {
            cell = std::make_unique<TableViewCell>(addCurrencyCellIdentifier);
            cell->textLabel()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            cell->textLabel()->setAdjustsFontSizeToFitWidth(true); // long translations shrink first
            cell->textLabel()->setMinimumFontSize(14);
        }
        cell->textLabel()->setText(localized(QT_TRANSLATE_NOOP("Localizable", "Add Foreign Currency")));
        return cell;
    }

    if (indexPath.section() != CurrencySection || !m_model->record(indexPath.row()))
        return nullptr;
    std::unique_ptr<TableViewCell> cell =
        tableView->dequeueReusableCellWithIdentifier(currencyCellIdentifier);
    if (!cell)
        cell = makeCurrencyCell();
    fillCurrencyCell(cell.get(), indexPath.row());
    return cell;
}

void CurrencyViewController::fillCurrencyCell(TableViewCell* cell, int row) const {
    const std::shared_ptr<ForeignCurrency> record = m_model->record(row);
    if (!record)
        return;
    QWidget* content = cell->contentView();
    if (auto* check = viewWithTag<ImageView>(content, CheckImageTag))
        check->setImage(m_model->isCurrent(row) ? checkmarkImage() : QPixmap());
    if (auto* code = viewWithTag<Label>(content, CodeLabelTag))
        code->setText(record->currencyCode());
    if (auto* rate = viewWithTag<Label>(content, RateLabelTag)) {
        rate->setText(record->rate() ? shortExchangeRateString(*record->rate())
                                     : localized(QT_TRANSLATE_NOOP("Localizable", "Unknown")));
    }
    auto* update = viewWithTag<Label>(content, UpdateLabelTag);
    if (update) {
        update->setText(rateUpdateText(*record));
        // Editing needs the room for the name; the date is back when editing ends.
        update->setVisible(!isEditing());
    }
    // In logical coordinates (frameOf), so that a mirrored row stays right.
    const bool updateShown = update && update->isVisibleTo(content);
    qreal updateLeft = update ? frameOf(update).right() + 1 : content->width() - 10;
    if (updateShown)
        updateLeft -= QFontMetricsF(update->font()).horizontalAdvance(update->text());
    if (auto* pin = viewWithTag<ImageView>(content, PinImageTag)) {
        const bool pinned = record->keepsRate() && updateShown;
        pin->setVisible(pinned);
        if (pinned) {
            pin->setImage(pinImage(pin->devicePixelRatioF()));
            setFrame(pin,
                     QRectF(updateLeft - kPinSide - 2, frameOf(update).top(), kPinSide, kSmallLineHeight));
            updateLeft -= kPinSide + 2;
        }
    }
    if (auto* name = viewWithTag<Label>(content, NameLabelTag)) {
        name->setText(m_manager.currencyNames().displayName(*record));
        QRectF frame = frameOf(name);
        frame.setRight(updateShown ? updateLeft - 6 : updateLeft);
        setFrame(name, frame);
    }
}

// A record's new rate, name or date, or a moved check mark, changes only the cells on screen, in
// place: a drag, an open Delete confirmation, the editing state and the scroll position stay.
void CurrencyViewController::updateRows(int first, int last) {
    if (!m_tableView || m_applyingOwnEdit)
        return;
    for (int row = first; row <= last; ++row) {
        if (TableViewCell* cell = m_tableView->cellForRowAtIndexPath(IndexPath(CurrencySection, row)))
            fillCurrencyCell(cell, row);
    }
}

// Rows that came, went or moved by another screen's doing (the picker, the editor, a new local
// currency); the screen's own deletions and moves are already on the table.
void CurrencyViewController::rowsRearranged() {
    if (!m_applyingOwnEdit)
        reloadData();
}

std::optional<TableViewCell::AccessoryType>
CurrencyViewController::accessoryTypeForRowWithIndexPath(TableView*, const IndexPath& indexPath) {
    if (indexPath.section() == CurrencySection && isEditing())
        return TableViewCell::AccessoryType::DisclosureIndicator;
    return TableViewCell::AccessoryType::None;
}

TableViewCell::EditingStyle
CurrencyViewController::editingStyleForRowAtIndexPath(TableView*, const IndexPath& indexPath) {
    // The list must keep one currency: the last one has no delete control.
    if (indexPath.section() == CurrencySection && m_model->rowCount() > 1)
        return TableViewCell::EditingStyle::Delete;
    return TableViewCell::EditingStyle::None;
}

bool CurrencyViewController::canMoveRowAtIndexPath(TableView*, const IndexPath& indexPath) {
    return indexPath.section() == CurrencySection;
}

void CurrencyViewController::commitEditingStyle(TableView* tableView,
                                                TableViewCell::EditingStyle editingStyle,
                                                const IndexPath& indexPath) {
    if (indexPath.section() != CurrencySection || editingStyle != TableViewCell::EditingStyle::Delete)
        return;
    if (!m_model->record(indexPath.row()))
        return;
    {
        const QScopedValueRollback ownEdit(m_applyingOwnEdit, true);
        m_manager.removeForeignCurrencyAtIndex(indexPath.row());
    }
    tableView->deleteRowsAtIndexPaths({indexPath}, true);
    // The check mark and the delete controls follow the shorter list.
    tableView->reloadData();
}

IndexPath CurrencyViewController::targetIndexPathForMoveFromRowAtIndexPath(TableView*, const IndexPath&,
                                                                           const IndexPath& proposed) {
    const int count = m_model->rowCount();
    if (proposed.section() < CurrencySection)
        return IndexPath(CurrencySection, 0);
    if (proposed.row() > count - 1)
        return IndexPath(CurrencySection, count - 1);
    return proposed;
}

void CurrencyViewController::moveRowAtIndexPath(TableView*, const IndexPath& from, const IndexPath& to) {
    const int s = from.row();
    const int d = to.row();
    const int count = m_model->rowCount();
    if (from.section() != CurrencySection || to.section() != CurrencySection || s < 0 || s >= count ||
        d < 0 || d >= count || s == d)
        return;
    // The table has moved the row on screen already and reloads once this returns.
    const QScopedValueRollback ownEdit(m_applyingOwnEdit, true);
    m_manager.moveForeignCurrency(s, d);
}

int CurrencyViewController::heightForRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) {
    return indexPath.section() == CurrencySection
               ? kCurrencyRowHeight
               : TableViewDelegate::heightForRowAtIndexPath(tableView, indexPath);
}

void CurrencyViewController::presentPicker(bool animated) {
    auto picker = std::make_unique<SelectionViewController>(m_manager);
    picker->setDelegate(this);
    picker->setContext(QStringLiteral("foreign"));
    presentModalViewController(std::move(picker), animated);
}

void CurrencyViewController::didSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) {
    if (indexPath.section() == AddSection) {
        setEditing(false, true);
        presentPicker(true);
        return;
    }
    const std::shared_ptr<ForeignCurrency> record =
        indexPath.section() == CurrencySection ? m_model->record(indexPath.row()) : nullptr;
    if (!record)
        return;
    if (isEditing()) {
        auto editor = std::make_unique<EditViewController>(m_manager);
        editor->setCurrency(record);
        if (NavigationController* navigation = navigationController())
            navigation->pushViewController(std::move(editor), true);
        return;
    }
    m_manager.setForeignCurrency(record); // the check mark moves through the model
    tableView->deselectRowAtIndexPath(indexPath, true);
}

void CurrencyViewController::refresh() {
    if (Reachability::isReachable(Reachability::flagsForHost(m_rateServerHost))) {
        m_manager.forceUpdate();
        return;
    }
    showServerNotReachable();
}

void CurrencyViewController::showServerNotReachable() {
    if (m_serverAlert)
        return;
    // Piece by piece, so that a translation replaces each piece on its own.
    QString message;
    if (m_isNetworkAvailable && m_isNetworkAvailable()) {
        message.append(localized(QT_TRANSLATE_NOOP("Localizable", "Exchange rate update relies on ")));
        message.append(localized(QT_TRANSLATE_NOOP("Localizable", "an Internet server.\n")));
        message.append(
            localized(QT_TRANSLATE_NOOP("Localizable", "That server cannot currently be reached. ")));
        message.append(localized(QT_TRANSLATE_NOOP("Localizable", "Please try again later.")));
    } else {
        message.append(localized(QT_TRANSLATE_NOOP("Localizable", "Exchange rate update requires ")));
        message.append(localized(QT_TRANSLATE_NOOP("Localizable", "an Internet connection.\n")));
        message.append(
            localized(QT_TRANSLATE_NOOP("Localizable", "Please check the connection and try again.")));
    }
    auto alert = std::make_unique<AlertView>(
        localized(QT_TRANSLATE_NOOP("Localizable", "Server not reachable")), message);
    alert->setCancelButtonIndex(alert->addButtonWithTitle(localized(QT_TRANSLATE_NOOP("Localizable", "OK"))));
    m_serverAlert = AlertView::present(std::move(alert), view()->window());
}

void CurrencyViewController::didSelectCurrency(SelectionViewController* picker, const QString& code) {
    if (!code.isEmpty()) {
        m_manager.placeForeignCurrencyAtTop(code);
    }
    picker->dismissModalViewControllerAnimated(true);
}

void CurrencyViewController::selectionViewControllerMore(SelectionViewController* picker) {
    auto editor = std::make_unique<EditViewController>(m_manager);
    editor->setSuggestedCode(picker->possibleCode());
    picker->dismissModalViewControllerAnimated(true);
    if (NavigationController* navigation = navigationController())
        navigation->pushViewController(std::move(editor), true);
}

void CurrencyViewController::selectionViewControllerDidCancel(SelectionViewController* picker) {
    picker->dismissModalViewControllerAnimated(true);
}
