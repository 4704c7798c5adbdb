#pragma once

#include <QDoubleSpinBox>

#include <functional>

// The spin box of a grid cell. Any number may be typed, also one beyond the limits, so that the
// grid can say why it does not take it; before focus leaves, the typed text is handed to
// OnLeave, before the box itself would take or drop it.
class TGridSpinBox final : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit TGridSpinBox(QWidget* parent = nullptr);

    // The number of the text in the box's locale (a point stands for the comma too); false when
    // the text is no number.
    bool TextToNumber(const QString& text, double& number) const;

    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;

    std::function<void()> OnLeave;

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
