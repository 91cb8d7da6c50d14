#include "ui/eurospinbox.h"

#include "betting/money.h"
#include "ui/qtbridge.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace ornal {

namespace {

bool canStandInAmount(QChar c)
{
    return c.isDigit() || c == u' ' || c == u'\u00A0' || c == u'\u202F' || c == u',' || c == u'.' || c == u'-'
        || c == u'€';
}

} // namespace

EuroSpinBox::EuroSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setLocale(QLocale(QLocale::French, QLocale::France));
    setDecimals(2);
    setSuffix(QStringLiteral(" €"));
    setGroupSeparatorShown(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { emit amountTextChanged(); });
}

QString EuroSpinBox::amountText(const QString& input) const
{
    QString text = input;
    if (!suffix().isEmpty() && text.endsWith(suffix())) {
        text.chop(suffix().size());
    }
    return text;
}

QValidator::State EuroSpinBox::validate(QString& input, int& /*pos*/) const
{
    const QString text = amountText(input);
    for (const QChar c : text) {
        if (!canStandInAmount(c)) {
            return QValidator::Invalid;
        }
    }
    const Result<std::int64_t> amount = ParseEuros(ToStd(text), std::llround(maximum() * 100));
    if (!amount || *amount < std::llround(minimum() * 100)) {
        return QValidator::Intermediate;
    }
    return QValidator::Acceptable;
}

double EuroSpinBox::valueFromText(const QString& text) const
{
    const Result<std::int64_t> amount = ParseEuros(ToStd(amountText(text)), std::llround(maximum() * 100));
    return amount ? static_cast<double>(*amount) / 100 : value();
}

} // namespace ornal
