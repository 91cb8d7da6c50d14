#pragma once

#include <QDoubleSpinBox>

namespace ornal {

// A box for an amount in euros that reads what the player types the way every amount of the program is read
// (ParseEuros: "1 250,40 €", "1250.40", ...), so that the box and the program agree on the cents. Its own value
// only serves the arrows; the owner reads cleanText() and gives the refusals.
class EuroSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit EuroSpinBox(QWidget* parent = nullptr);

    // Invalid for a character no amount holds; Acceptable for an amount within the range; Intermediate otherwise,
    // so that the player can go on typing and be told what is wrong.
    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;

signals:
    // The text changed, whether the box can read it or not (textChanged only comes with a new value).
    void amountTextChanged();

private:
    // input without the suffix the box shows.
    QString amountText(const QString& input) const;
};

} // namespace ornal
