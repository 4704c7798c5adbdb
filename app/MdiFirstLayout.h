#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QMdiArea;
class QMdiSubWindow;

// Keeps windows of an MDI area in the first-start layout until the user moves or resizes them:
// the preview at the area's top right, the configuration window filling the area beside it.
// The layout follows the area when it changes size (the main window maximised or resized).
class TMdiFirstLayout : public QObject {
public:
    explicit TMdiFirstLayout(QMdiArea& area);

    // The window takes the first-start layout from now on.
    void TrackConfigWindow(QMdiSubWindow* window);
    // The preview, which the configuration window keeps clear of; tracked: it takes the
    // first-start place too.
    void SetPreview(QMdiSubWindow* window, bool tracked);
    QMdiSubWindow* Preview() const { return preview_; }
    // Places the tracked windows; one that the user moved since it was placed is let go.
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiArea& area_;
    // Compared only: its events also come while the area is being destroyed.
    const QObject* const viewport_;
    QPointer<QMdiSubWindow> config_;
    QPointer<QMdiSubWindow> preview_;
    bool previewTracked_ = false;
    QRect configPlaced_;
    QRect previewPlaced_;
};
