#pragma once
// A field for one decimal number written the user's way: only digits, the
// user's decimal separator or "." (and a minus sign when the range goes below
// zero) can be typed. Return or leaving the field clamps the number into its range,
// rounds it to its decimals and shows it again; ValueChanged follows when the
// value changed. SetValue, the program's own, sends nothing.

#include <QLineEdit>

class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr);

    void SetRange(double minimum, double maximum);
    void SetDecimals(int decimals);
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    double Value() const { return value_; }
    void SetValue(double value);
    // The number in the field as typed so far; false when it holds none.
    bool TypedValue(double& value) const;

signals:
    void ValueChanged(double value);

private:
    void UpdateValidator();
    void Commit();
    double Clamped(double value) const;

    double minimum_ = 0;
    double maximum_ = 100;
    int decimals_ = 0;
    double value_ = 0;
};
