#include "views/GridSpinBox.h"

#include <QLocale>
#include <QRegularExpression>

TGridSpinBox::TGridSpinBox(QWidget* parent) : QDoubleSpinBox(parent)
{
}

bool TGridSpinBox::TextToNumber(const QString& text, double& number) const
{
    QString plain = text.trimmed();
    plain.replace(QLatin1Char('.'), locale().decimalPoint());
    bool ok = false;
    number = locale().toDouble(plain, &ok);
    return ok;
}

QValidator::State TGridSpinBox::validate(QString& text, int&) const
{
    static const QRegularExpression numberLike(QStringLiteral("^\\s*[+-]?\\d*([.,]\\d*)?\\s*$"));
    if (!numberLike.match(text).hasMatch())
        return QValidator::Invalid;
    double number = 0;
    if (!TextToNumber(text, number) || number < minimum() || number > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

double TGridSpinBox::valueFromText(const QString& text) const
{
    double number = 0;
    return TextToNumber(text, number) ? number : value();
}

void TGridSpinBox::focusOutEvent(QFocusEvent* event)
{
    if (OnLeave)
        OnLeave();
    QDoubleSpinBox::focusOutEvent(event);
}
