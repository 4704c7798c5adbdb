#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class TDrawGridSE;
class TObject;

// The Qt widget of the grid's open in-place editor: a line edit for TDrawGridSEEdit, a combo box
// for TDrawGridSEComboBox and a spin box for TLkSpinEdit. The user's input goes to the grid's
// input operations, which update the cell and raise its event; the widget never writes a cell
// itself.
class TGridCellEditor {
public:
    // The widget for the grid's open editor, or none when no editor is open. wheelFilter sees
    // the widget's events first (the grid scrolls on the wheel; the editor never takes it);
    // focusHome takes the focus when the widget goes while it has it.
    static std::unique_ptr<TGridCellEditor> Open(TDrawGridSE& grid, QWidget* parent, QObject* wheelFilter,
                                                 QWidget* focusHome);
    // Hides the widget and lets it go once control is back in the event loop, so that a grid
    // rebuilt from inside one of the widget's own signals does not pull it from under itself.
    ~TGridCellEditor();
    TGridCellEditor(const TGridCellEditor&) = delete;
    TGridCellEditor& operator=(const TGridCellEditor&) = delete;

    // True while the grid's open editor is the one this widget was made for. A closed editor
    // never matches, even when a new one takes its address.
    bool Shows(const TObject* open) const;
    QWidget* Widget() const { return widget_; }
    // Hands a value that is typed but not taken yet to the grid. A number beyond the row's
    // limits, or a text that is no number, is not taken: the editor shows the value it had
    // again, and the answer says why (empty: taken, or nothing was pending).
    QString Commit();

private:
    TGridCellEditor(std::weak_ptr<const TObject> editor, QWidget* widget, QWidget* focusHome);

    void OpenCombo(TDrawGridSE& grid);
    void OpenSpin(TDrawGridSE& grid);
    void OpenEdit(TDrawGridSE& grid);

    std::weak_ptr<const TObject> editorRef_;
    const TObject* editor_; // read only while the widget is made
    QPointer<QWidget> widget_;
    QPointer<QWidget> focusHome_;
    std::vector<QMetaObject::Connection> connections_;
};
