#pragma once

#include "DecimalEntry.h"
#include "ViewController.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <memory>

class ConverterView;
class CurrencyManager;
class ForeignCurrency;
class KeyClick;
class KeypadButton;
class Label;
class QAbstractButton;
class QKeyEvent;

// The calculator screen: one amount typed on a keypad, shown at once converted from the local
// currency into the manager's current foreign currency (row One) and back (row Two). It follows the
// current foreign currency and that record's rate and update date, so a new rate or another current
// currency changes the results without a key being pressed. A physical keyboard types like the
// keypad (either "." or "," is the decimal key) and Backspace takes back the last key; Ctrl+C copies
// row One's converted amount.
//
// The manager must outlive the screen.
class ConverterViewController : public ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConverterViewController)

public:
    static constexpr int kDecimalKeyTag = 99;
    // The decimal key fades and shrinks over this long, then hides.
    static constexpr int kDecimalKeyAnimationMs = 400;
    static constexpr qreal kDecimalKeyHiddenScale = 0.7;

    explicit ConverterViewController(CurrencyManager& manager, QObject* parent = nullptr);
    ~ConverterViewController() override;

    // The typed amount, the decimal position and the multiplier.
    const DecimalEntry& entry() const { return *m_entry; }
    // The record shown: the manager's current foreign currency at its last change.
    std::shared_ptr<ForeignCurrency> foreignCurrency() const { return m_foreignCurrency; }

    // The keys' actions; each ends with the key click once the state has changed. A key that cannot
    // act (a digit over the limit, the decimal key during fraction entry) does nothing, silently.
    void keypadAction(QAbstractButton* key);
    void decimalAction(QAbstractButton* key);
    void clearAction(QAbstractButton* key);
    // Backspace on the keyboard: takes back the last digit, or the decimal point.
    void deleteBackwardAction();
    // Puts row One's converted amount, as shown, on the clipboard.
    void copy();

    KeyClick& keyClick() const { return *m_keyClick; }

    void viewDidAppear(bool animated) override;

protected:
    void loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redrawAmounts();
    void updateDecimalKey();
    void followForeignCurrency();
    void takeRate();
    void relabel();
    void updateDateLabel();
    void hideButton(QWidget* view, int generation);
    void layoutSubviews();
    void setLabelText(Label* label, const QString& text);
    // The key a keyboard event stands for, or nullptr.
    KeypadButton* keyForEvent(const QKeyEvent* event) const;
    static bool isBackspace(const QKeyEvent* event);
    bool handleKeyPress(QKeyEvent* event);
    bool handleKeyRelease(QKeyEvent* event);
    void releaseKeyboardKeys();

    CurrencyManager& m_manager;
    DecimalEntry* m_entry; // child
    KeyClick* m_keyClick;  // child
    std::shared_ptr<ForeignCurrency> m_foreignCurrency;

    QMetaObject::Connection m_rateObservation;
    QList<QMetaObject::Connection> m_lastUpdateObservations; // the date and whose rate it is

    // Outlets; null while the view is not loaded. The root is held as a plain widget: the event filter
    // still sees it while ~QWidget runs, when it is no longer a ConverterView to cast to.
    QPointer<QWidget> m_rootView;
    ConverterView* rootView() const;
    QPointer<Label> m_amountOriginalOne;
    QPointer<Label> m_labelOriginalOne;
    QPointer<Label> m_amountConvertedOne;
    QPointer<Label> m_labelConvertedOne;
    QPointer<Label> m_amountOriginalTwo;
    QPointer<Label> m_labelOriginalTwo;
    QPointer<Label> m_amountConvertedTwo;
    QPointer<Label> m_labelConvertedTwo;
    QPointer<Label> m_labelUpdateDate;
    QList<QPointer<KeypadButton>> m_digitKeys; // index = digit
    QPointer<KeypadButton> m_decimalKey;
    QPointer<KeypadButton> m_clearKey;

    // Where the decimal key is heading: true from the moment fraction entry starts its fade-out.
    bool m_decimalKeyLeaving = false;
    // Counts the key's changes of direction, so a hide scheduled before the latest one is ignored.
    int m_decimalKeyGeneration = 0;
    QList<QPointer<KeypadButton>> m_keyboardDown; // keys held down on the keyboard
};
