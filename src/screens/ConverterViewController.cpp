#include "ConverterViewController.h"

#include "Animations.h"
#include "Bundle.h"
#include "ConverterView.h"
#include "CurrencyManager.h"
#include "DelayedCall.h"
#include "DisplayFormatters.h"
#include "ForeignCurrency.h"
#include "Images.h"
#include "KeyClick.h"
#include "KeypadButton.h"
#include "Label.h"
#include "LocalCurrency.h"
#include "LocaleCategories.h"
#include "RateUpdateText.h"
#include "Theme.h"
#include "Views.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <array>

namespace {

constexpr double kKeyClickPrepareDelaySeconds = 0.5;

// True where any character of `text` runs right to left or embeds such a run.
bool writtenRightToLeft(const QString& text) {
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), [](uint c) {
        switch (QChar::direction(char32_t(c))) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            return false;
        }
    });
}

// Until the first currency arrives the rows show a typical pair.
const QString kPlaceholderLocalCode = QStringLiteral("USD");
const QString kPlaceholderForeignCode = QStringLiteral("EUR");

// Layout, in points.
constexpr qreal kMargin = 8;
constexpr qreal kPanelPadding = 10;
constexpr qreal kLineHeight = 30;
constexpr qreal kCodeWidth = 76;
constexpr qreal kCodeGap = 6;
constexpr qreal kPanelGap = 6;
constexpr qreal kUpdateLabelHeight = 22;
constexpr qreal kKeyGap = 6;
constexpr int kKeyColumns = 3;
constexpr int kKeyRows = 4;
constexpr int kMinimumAmountFontSize = 12;
constexpr int kMinimumLabelFontSize = 10;

// The typed amount a little softer than the conversions, which are what the user came for.
const QColor kAmountColor(0x4a, 0x50, 0x58);
const QColor kResultColor(0x10, 0x12, 0x14);
const QColor kCodeColor(0x55, 0x5b, 0x63);
const QColor kUpdateLabelColor(0xd8, 0xdc, 0xe0);

// Fills each "%@" of a localized format in turn, the way the format's translations are written.
QString fillFormat(QString format, const QStringList& values) {
    qsizetype from = 0;
    for (const QString& value : values) {
        const qsizetype at = format.indexOf(QStringLiteral("%@"), from);
        if (at < 0)
            break;
        format.replace(at, 2, value);
        from = at + value.size();
    }
    return format;
}

Label* makeLabel(QWidget* parent, const char* objectName, Qt::Alignment alignment, const QColor& color) {
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextColor(color);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumFontSize(kMinimumLabelFontSize);
    return label;
}

// An amount never loses digits silently: it shrinks, then shows an ellipsis where its highest digits
// would be, keeping the decimals in view.
Label* makeAmountField(QWidget* parent, const char* objectName, const QColor& color) {
    Label* field = makeLabel(parent, objectName, Qt::AlignRight, color);
    field->setMinimumFontSize(kMinimumAmountFontSize);
    field->setElideMode(Qt::ElideLeft);
    return field;
}

} // namespace

ConverterViewController::ConverterViewController(CurrencyManager& manager, QObject* parent)
    : ViewController(parent), m_manager(manager), m_entry(new DecimalEntry(this)),
      m_keyClick(new KeyClick(this)) {
    connect(m_entry, &DecimalEntry::currentValueChanged, this, &ConverterViewController::redrawAmounts);
    connect(m_entry, &DecimalEntry::multiplierChanged, this, &ConverterViewController::redrawAmounts);
    connect(m_entry, &DecimalEntry::decimalPositionChanged, this, &ConverterViewController::updateDecimalKey);
    connect(&m_manager, &CurrencyManager::foreignCurrencyChanged, this,
            &ConverterViewController::followForeignCurrency);
}

// Every observation is a connection to this object, so destruction ends them all.
ConverterViewController::~ConverterViewController() = default;

void ConverterViewController::loadView() {
    auto view = std::make_unique<ConverterView>();
    ConverterView* root = view.get();
    root->setObjectName(QStringLiteral("converterView"));
    // The keypad and the amounts keep a calculator's order in every language.
    root->setLayoutDirection(Qt::LeftToRight);
    // Typing works once the screen has focus; a click on a key gives it focus too.
    root->setFocusPolicy(Qt::StrongFocus);
    root->installEventFilter(this);

    m_amountOriginalOne = makeAmountField(root, "amountOriginalOne", kAmountColor);
    m_labelOriginalOne = makeLabel(root, "labelOriginalOne", Qt::AlignLeft, kCodeColor);
    m_amountConvertedOne = makeAmountField(root, "amountConvertedOne", kResultColor);
    m_labelConvertedOne = makeLabel(root, "labelConvertedOne", Qt::AlignLeft, kCodeColor);
    m_amountOriginalTwo = makeAmountField(root, "amountOriginalTwo", kAmountColor);
    m_labelOriginalTwo = makeLabel(root, "labelOriginalTwo", Qt::AlignLeft, kCodeColor);
    m_amountConvertedTwo = makeAmountField(root, "amountConvertedTwo", kResultColor);
    m_labelConvertedTwo = makeLabel(root, "labelConvertedTwo", Qt::AlignLeft, kCodeColor);
    m_labelUpdateDate = makeLabel(root, "labelUpdateDate", Qt::AlignHCenter, kUpdateLabelColor);
    m_labelUpdateDate->setAccessibleName(localized(QT_TRANSLATE_NOOP("Localizable", "Last Update")));

    m_digitKeys.clear();
    for (int digit = 0; digit <= 9; ++digit) {
        auto* key = new KeypadButton(QString::number(digit), KeypadButton::Kind::Digit, root);
        key->setObjectName(QStringLiteral("key%1").arg(digit));
        key->setAccessibleName(QString::number(digit));
        setTag(key, digit);
        connect(key, &QAbstractButton::clicked, this, [this, key] { keypadAction(key); });
        m_digitKeys.append(key);
    }
    m_decimalKey = new KeypadButton(LocaleCategories::decimalSeparator(), KeypadButton::Kind::Digit, root);
    m_decimalKey->setObjectName(QStringLiteral("decimalKey"));
    m_decimalKey->setAccessibleName(localized(QT_TRANSLATE_NOOP("Localizable", "Decimal point")));
    setTag(m_decimalKey, kDecimalKeyTag);
    connect(m_decimalKey, &QAbstractButton::clicked, this,
            [this, key = m_decimalKey.data()] { decimalAction(key); });
    m_clearKey = new KeypadButton(localized(QT_TRANSLATE_NOOP("Localizable", "C")),
                                  KeypadButton::Kind::Function, root);
    m_clearKey->setObjectName(QStringLiteral("clearKey"));
    m_clearKey->setAccessibleName(localized(QT_TRANSLATE_NOOP("Localizable", "Clear")));
    connect(m_clearKey, &QAbstractButton::clicked, this,
            [this, key = m_clearKey.data()] { clearAction(key); });

    m_rootView = root;
    m_decimalKeyLeaving = false;
    m_keyboardDown.clear();
    root->resize(Theme::windowSize);
    setView(std::move(view));
    layoutSubviews();
}

void ConverterViewController::viewDidLoad() {
    QWidget* root = view();

    // 1. The house fonts: keys, then the amount fields, then every other label.
    const std::array<Label*, 4> amountFields{m_amountOriginalOne, m_amountConvertedOne, m_amountOriginalTwo,
                                             m_amountConvertedTwo};
    for (QObject* child : root->children()) {
        if (auto* key = qobject_cast<KeypadButton*>(child)) {
            key->setFont(Theme::boldSystemFont(32));
            key->setTitleShadowOffset({1.0, 1.0});
        } else if (std::find(amountFields.begin(), amountFields.end(), child) != amountFields.end()) {
            static_cast<Label*>(child)->setFont(Theme::boldSystemFont(24));
        } else if (auto* label = qobject_cast<Label*>(child)) {
            label->setFont(Theme::boldSystemFont(18));
        }
    }

    // 2. Placeholders until the first currency arrives.
    setLabelText(m_labelOriginalOne, kPlaceholderLocalCode);
    setLabelText(m_labelConvertedOne,
                 fillFormat(localized(QT_TRANSLATE_NOOP("Localizable", "in %@")), {kPlaceholderForeignCode}));
    setLabelText(m_labelOriginalTwo, kPlaceholderForeignCode);
    setLabelText(m_labelConvertedTwo,
                 fillFormat(localized(QT_TRANSLATE_NOOP("Localizable", "in %@")), {kPlaceholderLocalCode}));

    // 3. The background pattern.
    rootView()->setBackgroundPattern(Images::named(
        Bundle::mainBundle().pathForResource(QStringLiteral("background"), QStringLiteral("png"))));

    // 4. A fresh start: every amount field shows 0.
    m_entry->reset();

    // 5. The current foreign currency as it is now; later changes come through the connections.
    followForeignCurrency();

    // The sound is made ready a moment after the screen is up: not on the first key, which would lag,
    // and not before the first frame, which finding the audio device would delay.
    performAfterDelay(m_keyClick, kKeyClickPrepareDelaySeconds, [click = m_keyClick] { click->prepare(); });

    ViewController::viewDidLoad();
}

void ConverterViewController::viewDidAppear(bool animated) {
    ViewController::viewDidAppear(animated);
    view()->setFocus();
}

void ConverterViewController::takeRate() {
    m_entry->takeRate(m_foreignCurrency ? m_foreignCurrency->rate() : std::nullopt);
}

void ConverterViewController::keypadAction(QAbstractButton* key) {
    if (m_entry->appendDigit(tag(key)))
        m_keyClick->play();
}

void ConverterViewController::decimalAction(QAbstractButton*) {
    if (m_entry->startFraction())
        m_keyClick->play();
}

void ConverterViewController::clearAction(QAbstractButton*) {
    m_entry->clear();
    m_keyClick->play();
}

void ConverterViewController::deleteBackwardAction() {
    if (m_entry->deleteLast())
        m_keyClick->play();
}

void ConverterViewController::copy() {
    QGuiApplication::clipboard()->setText(DecimalEntry::resultText(m_entry->resultOne()));
}

void ConverterViewController::redrawAmounts() {
    if (!m_amountOriginalOne)
        return;
    const QString shown = m_entry->shownText();
    m_amountOriginalOne->setText(shown);
    m_amountOriginalTwo->setText(shown);
    m_amountConvertedOne->setText(DecimalEntry::resultText(m_entry->resultOne()));
    m_amountConvertedTwo->setText(DecimalEntry::resultText(m_entry->resultTwo()));
}

void ConverterViewController::updateDecimalKey() {
    auto* key = m_rootView ? viewWithTag<KeypadButton>(m_rootView, kDecimalKeyTag) : nullptr;
    if (!key)
        return;
    const bool fractional = m_entry->isFractionEntry();
    // Compared with where the key is heading rather than with its hidden state: a clear during the
    // fade-out finds the key not yet hidden, and must still bring it back.
    if (fractional == m_decimalKeyLeaving)
        return;
    m_decimalKeyLeaving = fractional;
    const int generation = ++m_decimalKeyGeneration;

    if (fractional) {
        performAfterDelay(
            this, kDecimalKeyAnimationMs / 1000.0,
            [this, target = QPointer<QWidget>(key), generation] { hideButton(target, generation); });
        Animations::fadeAndShrink(key, kDecimalKeyAnimationMs, kDecimalKeyHiddenScale);
    } else {
        key->show();
        Animations::restore(key, kDecimalKeyAnimationMs);
    }
}

void ConverterViewController::hideButton(QWidget* view, int generation) {
    // A hide scheduled before the latest change of direction is stale: the key must stay visible
    // exactly while integer entry is active.
    if (!view || generation != m_decimalKeyGeneration || !m_entry->isFractionEntry())
        return;
    view->hide();
}

void ConverterViewController::followForeignCurrency() {
    disconnect(m_rateObservation);
    for (const QMetaObject::Connection& observation : std::as_const(m_lastUpdateObservations))
        disconnect(observation);
    m_lastUpdateObservations.clear();
    m_foreignCurrency = m_manager.foreignCurrency();
    if (!m_foreignCurrency)
        return;
    relabel();
    ForeignCurrency* record = m_foreignCurrency.get();
    m_rateObservation =
        connect(record, &ForeignCurrency::rateChanged, this, &ConverterViewController::takeRate);
    takeRate();
    // Whose rate it is shows in the same line as the date.
    for (auto signal : {&ForeignCurrency::lastUpdateChanged, &ForeignCurrency::userRateChanged,
                        &ForeignCurrency::keepsRateChanged})
        m_lastUpdateObservations.append(
            connect(record, signal, this, &ConverterViewController::updateDateLabel));
    updateDateLabel();
}

void ConverterViewController::relabel() {
    if (!m_labelOriginalOne || !m_foreignCurrency)
        return;
    const auto local = m_manager.localCurrency();
    const QString localCode = local ? local->currencyCode() : QString();
    const QString foreignCode = m_foreignCurrency->currencyCode();
    const QString inFormat = localized(QT_TRANSLATE_NOOP("Localizable", "in %@"));
    setLabelText(m_labelOriginalOne, localCode);
    setLabelText(m_labelConvertedOne, fillFormat(inFormat, {foreignCode}));
    setLabelText(m_labelOriginalTwo, foreignCode);
    setLabelText(m_labelConvertedTwo, fillFormat(inFormat, {localCode}));

    const QString amountIn = localized(QT_TRANSLATE_NOOP("Localizable", "Amount in %@"));
    const QString convertedTo = localized(QT_TRANSLATE_NOOP("Localizable", "Amount converted to %@"));
    m_amountOriginalOne->setAccessibleName(fillFormat(amountIn, {localCode}));
    m_amountConvertedOne->setAccessibleName(fillFormat(convertedTo, {foreignCode}));
    m_amountOriginalTwo->setAccessibleName(fillFormat(amountIn, {foreignCode}));
    m_amountConvertedTwo->setAccessibleName(fillFormat(convertedTo, {localCode}));
}

void ConverterViewController::updateDateLabel() {
    if (!m_labelUpdateDate || !m_foreignCurrency)
        return;
    const QString when = rateUpdateText(*m_foreignCurrency);
    const QString words = localized(QT_TRANSLATE_NOOP("Localizable", "Last Update"));
    // The date is isolated from the words before it, so that one written right to left (Arabic)
    // keeps its own order inside a left-to-right sentence, and the other way round. Where nothing is
    // written right to left the marks change nothing, but no font has glyphs for them: drawing them
    // would load a fallback font: a millisecond and a third of a megabyte of the first frame.
    const bool mixed = writtenRightToLeft(words) || writtenRightToLeft(when);
    m_labelUpdateDate->setText(
        (mixed ? QStringLiteral("%1: \u2068%2\u2069") : QStringLiteral("%1: %2")).arg(words, when));
}

void ConverterViewController::setLabelText(Label* label, const QString& text) {
    if (!label)
        return;
    label->setText(text);
    label->setAccessibleName(text);
}

void ConverterViewController::layoutSubviews() {
    if (!m_rootView)
        return;
    const qreal width = m_rootView->width();
    const qreal height = m_rootView->height();

    // Two display panels, each an amount over its conversion, the codes at the right.
    const qreal panelHeight = 2 * kLineHeight + 8;
    const QRectF panelOne(kMargin, kMargin, width - 2 * kMargin, panelHeight);
    const QRectF panelTwo = panelOne.translated(0, panelHeight + kPanelGap);
    rootView()->setPanels({panelOne, panelTwo});
    const auto placeRow = [&](const QRectF& panel, Label* amount, Label* code, Label* converted, Label* in) {
        const qreal amountWidth = panel.width() - 2 * kPanelPadding - kCodeWidth - kCodeGap;
        const qreal codeX = panel.right() - kPanelPadding - kCodeWidth;
        const qreal top = panel.top() + 4;
        setFrame(amount, {panel.left() + kPanelPadding, top, amountWidth, kLineHeight});
        setFrame(code, {codeX, top, kCodeWidth, kLineHeight});
        setFrame(converted, {panel.left() + kPanelPadding, top + kLineHeight, amountWidth, kLineHeight});
        setFrame(in, {codeX, top + kLineHeight, kCodeWidth, kLineHeight});
    };
    placeRow(panelOne, m_amountOriginalOne, m_labelOriginalOne, m_amountConvertedOne, m_labelConvertedOne);
    placeRow(panelTwo, m_amountOriginalTwo, m_labelOriginalTwo, m_amountConvertedTwo, m_labelConvertedTwo);
    setFrame(m_labelUpdateDate, {kMargin, panelTwo.bottom() + 4, width - 2 * kMargin, kUpdateLabelHeight});

    // The keypad fills the rest: 7 8 9 / 4 5 6 / 1 2 3 / C 0 point.
    const qreal keypadTop = panelTwo.bottom() + 4 + kUpdateLabelHeight + kKeyGap;
    const qreal keyWidth = (width - 2 * kMargin - (kKeyColumns - 1) * kKeyGap) / kKeyColumns;
    const qreal keyHeight = (height - kMargin - keypadTop - (kKeyRows - 1) * kKeyGap) / kKeyRows;
    const auto place = [&](QWidget* key, int row, int column) {
        setFrame(key, {kMargin + column * (keyWidth + kKeyGap), keypadTop + row * (keyHeight + kKeyGap),
                       keyWidth, keyHeight});
    };
    for (int digit = 1; digit <= 9; ++digit)
        place(m_digitKeys[digit], 2 - (digit - 1) / 3, (digit - 1) % 3);
    place(m_clearKey, 3, 0);
    place(m_digitKeys[0], 3, 1);
    // A shrunken decimal key is placed at full size, then shrunk again about its new centre.
    const qreal decimalKeyScale = Animations::scale(m_decimalKey);
    Animations::setScale(m_decimalKey, 1.0);
    place(m_decimalKey, 3, 2);
    Animations::setScale(m_decimalKey, decimalKeyScale);
}

ConverterView* ConverterViewController::rootView() const {
    return static_cast<ConverterView*>(m_rootView.data());
}

bool ConverterViewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_rootView)
        return ViewController::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        layoutSubviews();
        break;
    case QEvent::ShortcutOverride: {
        // Keys the keypad uses are typed here, even where a window shortcut would claim them.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || keyForEvent(key) || isBackspace(key)) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress:
        return handleKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return handleKeyRelease(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
    case QEvent::Hide:
        releaseKeyboardKeys();
        break;
    default:
        break;
    }
    return false;
}

KeypadButton* ConverterViewController::keyForEvent(const QKeyEvent* event) const {
    // Shift is allowed: some keyboard layouts need it for digits.
    if ((event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != Qt::NoModifier)
        return nullptr;
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && m_digitKeys.size() == 10)
        return m_digitKeys[key - Qt::Key_0];
    if (key == Qt::Key_Escape || key == Qt::Key_Delete)
        return m_clearKey;
    // Whatever the locale writes, both keys a keyboard offers for decimals are the decimal key: a
    // "," typed where the locale writes "." is never silently dropped.
    const QString text = event->text();
    if (key == Qt::Key_Period || key == Qt::Key_Comma || text == QStringLiteral(".") ||
        text == QStringLiteral(",") || (!text.isEmpty() && text == LocaleCategories::decimalSeparator()))
        return m_decimalKey;
    return nullptr;
}

bool ConverterViewController::isBackspace(const QKeyEvent* event) {
    return event->key() == Qt::Key_Backspace && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool ConverterViewController::handleKeyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    if (isBackspace(event)) {
        deleteBackwardAction(); // held down, it repeats
        return true;
    }
    KeypadButton* key = keyForEvent(event);
    if (!key)
        return false;
    if (!event->isAutoRepeat() && key->isVisible()) {
        key->setDown(true);
        m_keyboardDown.append(key);
    }
    if (key == m_decimalKey)
        decimalAction(key);
    else if (key == m_clearKey)
        clearAction(key);
    else
        keypadAction(key);
    return true;
}

bool ConverterViewController::handleKeyRelease(QKeyEvent* event) {
    if (isBackspace(event))
        return true;
    KeypadButton* key = keyForEvent(event);
    if (!key)
        return false;
    if (!event->isAutoRepeat() && m_keyboardDown.removeAll(key) > 0)
        key->setDown(false);
    return true;
}

void ConverterViewController::releaseKeyboardKeys() {
    for (const QPointer<KeypadButton>& key : std::as_const(m_keyboardDown))
        if (key)
            key->setDown(false);
    m_keyboardDown.clear();
}
