#include "views/GridCellEditor.h"

#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/DrawGridSEEdit.h"
#include "outside/tablebox/LkSpinEdit.h"
#include "platform/Cp1252.h"
#include "views/EllipsisEdit.h"
#include "views/GridSpinBox.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

std::unique_ptr<TGridCellEditor> TGridCellEditor::Open(TDrawGridSE& grid, QWidget* parent, QObject* wheelFilter,
                                                       QWidget* focusHome)
{
    TObject* editor = grid.GetEditor();
    if (!editor)
        return nullptr;
    QWidget* widget = nullptr;
    if (dynamic_cast<TDrawGridSEComboBox*>(editor))
        widget = new QComboBox(parent);
    else if (dynamic_cast<TLkSpinEdit*>(editor))
        widget = new TGridSpinBox(parent);
    else if (const auto* edit = dynamic_cast<TDrawGridSEEdit*>(editor))
        widget = edit->Ellipsis ? new TEllipsisEdit(parent) : new QLineEdit(parent);
    if (!widget)
        return nullptr;
    std::unique_ptr<TGridCellEditor> cellEditor(new TGridCellEditor(grid.GetEditorRef(), widget, focusHome));
    if (qobject_cast<QComboBox*>(widget))
        cellEditor->OpenCombo(grid);
    else if (qobject_cast<TGridSpinBox*>(widget))
        cellEditor->OpenSpin(grid);
    else
        cellEditor->OpenEdit(grid);
    if (wheelFilter)
        widget->installEventFilter(wheelFilter);
    widget->setFocusPolicy(Qt::StrongFocus);
    return cellEditor;
}

TGridCellEditor::TGridCellEditor(std::weak_ptr<const TObject> editor, QWidget* widget, QWidget* focusHome)
    : editorRef_(std::move(editor)), editor_(editorRef_.lock().get()), widget_(widget), focusHome_(focusHome)
{
}

bool TGridCellEditor::Shows(const TObject* open) const
{
    const std::shared_ptr<const TObject> editor = editorRef_.lock();
    return editor && editor.get() == open;
}

TGridCellEditor::~TGridCellEditor()
{
    for (const QMetaObject::Connection& connection : connections_)
        QObject::disconnect(connection);
    if (!widget_)
        return;
    const QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused && (focused == widget_ || widget_->isAncestorOf(focused));
    // The focus goes home before the widget hides, so that it never passes through another
    // control on the way.
    if (hadFocus && focusHome_)
        focusHome_->setFocus(Qt::OtherFocusReason);
    widget_->hide();
    widget_->deleteLater();
}

QString TGridCellEditor::Commit()
{
    auto* box = qobject_cast<TGridSpinBox*>(widget_.data());
    const std::shared_ptr<const TObject> editor = editorRef_.lock();
    const auto* spin = dynamic_cast<const TLkSpinEdit*>(editor.get());
    if (!box || !spin)
        return {};
    const QString text = box->cleanText();
    if (text == box->textFromValue(box->value()))
        return {}; // nothing typed since the value was taken
    double number = 0;
    const bool isNumber = box->TextToNumber(text, number);
    // The limits hold to the last shown decimal place.
    const double slack = 0.5 / std::pow(10.0, spin->Decimals);
    if (isNumber && number >= spin->MinValue - slack && number <= spin->MaxValue + slack) {
        box->setValue(number);
        return {};
    }
    {
        const QSignalBlocker quiet(box);
        box->setValue(spin->Value);
    }
    const QLocale& locale = box->locale();
    const QString range = QStringLiteral("%1 bis %2")
                              .arg(locale.toString(spin->MinValue, 'f', spin->Decimals),
                                   locale.toString(spin->MaxValue, 'f', spin->Decimals));
    return isNumber ? QStringLiteral("Der Wert %1 liegt nicht im Bereich %2.").arg(text.trimmed(), range)
                    : QStringLiteral("\u201E%1\u201C ist keine Zahl. Erlaubt: %2.").arg(text.trimmed(), range);
}

void TGridCellEditor::OpenCombo(TDrawGridSE& grid)
{
    auto* box = static_cast<QComboBox*>(widget_.data());
    const auto* combo = static_cast<const TDrawGridSEComboBox*>(editor_);
    for (const std::string& item : combo->Items)
        box->addItem(platform::ToQString(item));
    box->setCurrentIndex(combo->ItemIndex);
    box->setMaxVisibleItems(std::max(1, static_cast<int>(combo->Items.size())));
    TDrawGridSE* model = &grid;
    const TObject* editor = editor_;
    connections_.push_back(QObject::connect(box, &QComboBox::activated, box, [model, editor](int index) {
        if (model->GetEditor() == editor)
            model->ChooseItem(index);
    }));
}

void TGridCellEditor::OpenSpin(TDrawGridSE& grid)
{
    auto* box = static_cast<TGridSpinBox*>(widget_.data());
    const auto* spin = static_cast<const TLkSpinEdit*>(editor_);
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    box->setGroupSeparatorShown(false);
    box->setKeyboardTracking(false); // a value counts once it is entered, not per key
    box->setDecimals(spin->Decimals);
    box->setSingleStep(spin->Increment);
    // One step beyond each limit, so that the grid sees the attempt and raises its overflow or
    // underflow event before it holds the value at the limit.
    box->setRange(spin->MinValue - spin->Increment, spin->MaxValue + spin->Increment);
    box->setValue(spin->Value);
    TDrawGridSE* model = &grid;
    const TObject* editor = editor_;
    QPointer<QDoubleSpinBox> guarded(box);
    connections_.push_back(
        QObject::connect(box, &QDoubleSpinBox::valueChanged, box, [model, editor, guarded](double value) {
            if (model->GetEditor() != editor)
                return;
            model->SpinTo(value);
            // The grid may hold the value at a limit, or a handler may have closed the editor.
            if (model->GetEditor() != editor || !guarded)
                return;
            const QSignalBlocker quiet(guarded.data());
            guarded->setValue(static_cast<const TLkSpinEdit*>(editor)->Value);
        }));
}

void TGridCellEditor::OpenEdit(TDrawGridSE& grid)
{
    auto* line = static_cast<QLineEdit*>(widget_.data());
    const auto* edit = static_cast<const TDrawGridSEEdit*>(editor_);
    line->setText(platform::ToQString(edit->Text));
    TDrawGridSE* model = &grid;
    const TObject* editor = editor_;
    connections_.push_back(QObject::connect(line, &QLineEdit::textEdited, line, [model, editor](const QString& text) {
        if (model->GetEditor() == editor)
            model->EditText(platform::FromQString(text));
    }));
    if (auto* ellipsis = qobject_cast<TEllipsisEdit*>(line)) {
        connections_.push_back(QObject::connect(ellipsis, &TEllipsisEdit::EllipsisClicked, ellipsis, [model, editor] {
            if (model->GetEditor() == editor)
                model->ClickEllipsis();
        }));
    }
}
