#pragma once

#include <QFrame>
#include <QLabel>

// A framed panel that shows a colour and reports a double click.
class TColorPanel final : public QFrame {
    Q_OBJECT

public:
    explicit TColorPanel(QWidget* parent);
    void SetColor(const QColor& color);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A label that reports a click.
class TClickLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
