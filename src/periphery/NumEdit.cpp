#include "NumEdit.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <cmath>

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent)
{
    UpdateValidator();
    SetValue(0);
    connect(this, &QLineEdit::editingFinished, this, &TNumEdit::Commit);
}

void TNumEdit::SetRange(double minimum, double maximum)
{
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
    UpdateValidator();
    SetValue(value_);
}

void TNumEdit::SetDecimals(int decimals)
{
    decimals_ = std::clamp(decimals, 0, 9);
    UpdateValidator();
    SetValue(value_);
}

void TNumEdit::UpdateValidator()
{
    const QString sign = minimum_ < 0 ? QStringLiteral("-?") : QString();
    // "." is taken too: a user whose mark is "," may still type a point, as
    // on the command line, and it must not vanish from "100.03".
    const QString point = QLocale().decimalPoint();
    const QString marks = point == QLatin1String(".")
                              ? QStringLiteral("\\.")
                              : QStringLiteral("(?:\\.|%1)").arg(QRegularExpression::escape(point));
    const QString fraction =
        decimals_ > 0 ? QStringLiteral("(%1\\d{0,%2})?").arg(marks).arg(decimals_) : QString();
    setValidator(new QRegularExpressionValidator(QRegularExpression(sign + QStringLiteral("\\d*") + fraction), this));
}

double TNumEdit::Clamped(double value) const
{
    const double scale = std::pow(10.0, decimals_);
    return std::clamp(std::round(value * scale) / scale, minimum_, maximum_);
}

void TNumEdit::SetValue(double value)
{
    value_ = Clamped(std::isfinite(value) ? value : minimum_);
    setText(QLocale().toString(value_, 'f', decimals_));
}

bool TNumEdit::TypedValue(double& value) const
{
    QString typed = text();
    typed.replace(QLatin1Char('.'), QLocale().decimalPoint());
    bool ok = false;
    value = QLocale().toDouble(typed, &ok);
    return ok;
}

void TNumEdit::Commit()
{
    double typed = 0;
    const bool ok = TypedValue(typed);
    const double before = value_;
    // Nothing readable (an empty field, a lone sign) keeps the last number.
    SetValue(ok ? typed : before);
    if (value_ != before) emit ValueChanged(value_);
}
