#pragma once

#include "Decimal.h"

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <utility>

class NumberFormatter;

// The converter's typed amount and its arithmetic, without any widget: how the keypad's keys change
// the amount, and what the four amount fields show. Every set of the three observable values
// notifies, also when the value is unchanged, so observers redraw on each key.
class DecimalEntry final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DecimalEntry)

public:
    // Digits on display, the lone zero before the point not counted. Within this the typed amount
    // is always exact, so no typed digit is ever rounded away.
    static constexpr int kMaxDigits = Decimal::kMaxDigits;
    static constexpr int kResultScale = 2;
    // A result that two decimals would show as 0 keeps this many significant digits instead.
    static constexpr int kSmallResultDigits = 3;

    // Building the typed amount: no fixed number of decimals.
    static RoundingBehavior entryBehavior() { return RoundingBehavior::plain(); }
    // The typed amount as shown, with `fractionDigits` decimals.
    static RoundingBehavior shownBehavior(int fractionDigits) {
        return RoundingBehavior::plain(fractionDigits);
    }
    // Both converted amounts (but see smallResult).
    static RoundingBehavior resultBehavior() { return RoundingBehavior::plain(kResultScale); }

    explicit DecimalEntry(QObject* parent = nullptr);
    ~DecimalEntry() override;

    Decimal currentValue() const { return m_currentValue; }
    // 0 in integer entry; otherwise the power of ten (negated) that the next digit gets.
    int decimalPosition() const { return m_decimalPosition; }
    // The rate: one unit of the amount's local currency buys this much of the foreign one.
    std::optional<Decimal> multiplier() const { return m_multiplier; }

    bool isFractionEntry() const { return m_decimalPosition != 0; }
    // How many digits have been typed after the point; the shown amount has exactly these.
    int fractionDigits() const { return m_fractionDigits; }
    int digitCount() const { return m_digitCount; }

    // The keys. A key that cannot act (a digit beyond the limit, a second decimal point) changes
    // nothing and answers false.
    bool appendDigit(int digit);
    bool startFraction();
    // Takes back the last key: the last digit typed, or the decimal point when no digit follows it.
    // Answers false when there is nothing to take back.
    bool deleteLast();
    void clear();

    // A rate as the multiplier: only a number greater than 0 is usable. The amount is then set to
    // itself, so observers of the amount redraw with the new rate.
    void takeRate(const std::optional<Decimal>& rate);
    // Back to the state of a fresh screen: no multiplier, amount 0, integer entry.
    void reset();

    Decimal shownValue() const { return m_currentValue.round(shownBehavior(m_fractionDigits)); }
    // Amount x rate and amount / rate, rounded to two decimals; 0 without a usable rate. A result that
    // is not 0 but would round to 0 shows its first three significant digits instead, so that a real
    // amount never converts into nothing.
    Decimal resultOne() const;
    Decimal resultTwo() const;

    // "0", or "0." and `fractionDigits` zeros.
    static QString displayPattern(int fractionDigits);
    // The shown amount in the ICU `locale` (empty: the locale for figures).
    QString shownText(const QString& locale = {}) const;
    // A result as the decimal's own text: the separator of the locale for figures, no grouping, no
    // trailing zeros.
    static QString resultText(const Decimal& result);

signals:
    void currentValueChanged();
    void decimalPositionChanged();
    void multiplierChanged();

private:
    void setCurrentValue(const Decimal& value);
    void setDecimalPosition(int position);
    void setMultiplier(const std::optional<Decimal>& multiplier);

    Decimal m_currentValue;
    int m_decimalPosition = 0;
    std::optional<Decimal> m_multiplier;
    int m_fractionDigits = 0;
    int m_digitCount = 0;
    // One formatter per pattern and locale: building an ICU formatter costs more than a whole redraw.
    mutable std::map<std::pair<int, QString>, std::unique_ptr<NumberFormatter>> m_shownFormatters;
};
