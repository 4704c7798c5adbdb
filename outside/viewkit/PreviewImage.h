#pragma once

#include "outside/viewkit/ButtonData.h"
#include "outside/viewkit/Canvas.h"
#include "outside/viewkit/ImageButton.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

// A picture of the preview: paints its bitmap (the transparent colour 0xFF00FF left out) with
// its image buttons over it, and reports the mouse as eight events whose first argument is the
// sender: the picture itself for a picture event, the button for a button event. A press on a
// button that takes the mouse is the button's; anywhere else it is the picture's.
class TPreviewImage : public QWidget {
    Q_OBJECT

public:
    // The owner is the parent.
    explicit TPreviewImage(QWidget* owner);
    ~TPreviewImage() override;

    // The picture's id, set by its window; 0 until then.
    void SetId(int id) { Id = id; }
    int GetId() const { return Id; }
    // A further number the events carry; 0 unless the control is told another.
    int GetValue() const { return Value; }

    void SetMultiSelect(bool multi) { MultiSelect = multi; }
    bool GetMultiSelect() const { return MultiSelect; }
    void SetShowHint(bool show) { ShowHints = show; }
    bool GetShowHint() const { return ShowHints; }
    void SetHint(const std::string& hint) { Hint = hint; }
    const std::string& GetHint() const { return Hint; }

    // Position and size in the parent; a size set here is kept by SetImage.
    void SetBounds(int left, int top, int width, int height);
    // A copy of the bitmap becomes the picture (none: the picture is emptied). With autoSize
    // the control takes the bitmap's size unless SetBounds gave it one; with redraw it is
    // repainted.
    void SetImage(const QImage* bitmap, bool autoSize, bool redraw);
    // The picture's name (its object name); the flags as above.
    void SetImage(const std::string& name, bool autoSize, bool redraw);
    const QImage& Picture() const { return Bitmap; }

    // Adds a button as described; its id, or -1 while the picture has no id.
    int AddButtonToList(const TButtonData& data);
    // False when the picture has no button with that id.
    bool DeleteButton(int buttonId);
    TImageButton* FindButton(int buttonId) const;
    // The canvas of the button's area; none for an unknown id.
    TCanvas* GetButtonCanvas(int buttonId) const;
    void SetButtonHint(int buttonId, const std::string& hint);
    void RefreshButton(int buttonId);
    // Repaints the whole picture; with now the paint is not left to the event loop.
    void RefreshImage(bool now);
    void DeselectAllButton();
    // Without multi-select, selecting a button deselects the picture's others.
    void SetButtonSelected(int buttonId, bool select);
    // The buttons in the order they were added.
    std::vector<const TImageButton*> Buttons() const;
    // How often the whole picture was asked to repaint.
    int RefreshCount() const { return Refreshes; }

    // The button under a point of the control that takes the mouse (the last added wins); none.
    TImageButton* ButtonAt(const QPoint& point) const;

signals:
    void ImageClick(QObject* sender);
    void ImageDblClick(QObject* sender);
    void ImageMouseDown(QObject* sender, Qt::MouseButtons buttons);
    void ImageMouseUp(QObject* sender);
    void ButtonClick(QObject* sender);
    void ButtonDblClick(QObject* sender);
    void ButtonMouseDown(QObject* sender);
    void ButtonMouseUp(QObject* sender);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int Id = 0;
    int Value = 0;
    bool MultiSelect = false;
    bool ShowHints = false;
    bool FixedSize = false;
    std::string Hint;
    QImage Bitmap;
    QImage Shown; // the bitmap with its transparent pixels cleared
    std::vector<std::unique_ptr<TImageButton>> ButtonList;
    int NextButtonNumber = 1;
    int Refreshes = 0;
    // What the last press hit: a button, the picture (Pressed null, PressedOnImage) or nothing.
    TImageButton* Pressed = nullptr;
    bool PressedOnImage = false;
};
