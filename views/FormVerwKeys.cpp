// The configuration window's keys, popup menu, MDI frame and drag scrolling.

#include "views/FormVerw.h"

#include "app/DataModule.h"
#include "platform/TraceLog.h"
#include "views/DrawGridSEView.h"
#include "views/FormVerwRules.h"
#include "views/TreeWidthFit.h"
#include "views/ListView.h"
#include "views/ViewMessages.h"

#include <QAction>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QCursor>
#include <QFontInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>

namespace {

// A key the window sends on to one of its controls; the key preview lets it pass.
class TPostedKey final : public QKeyEvent {
public:
    explicit TPostedKey(int key) : QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier) {}
};

QKeySequence KeySequenceOf(const QKeyEvent& key)
{
    const auto modifiers =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key.key())));
}

// True when an enabled command of the data module has the key as its shortcut.
bool IsCommandKey(const QKeyEvent& key)
{
    if (!DM)
        return false;
    const QKeySequence sequence = KeySequenceOf(key);
    const auto& actions = DM->ActionList1.Actions();
    return std::any_of(actions.begin(), actions.end(), [&sequence](const QAction* action) {
        return action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == sequence;
    });
}

// A control the user types text or numbers into.
bool IsTextEditor(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo && combo->isEditable();
}

bool IsTypedIntoEditor(const QWidget* focus, const QKeyEvent& key)
{
    return IsTextEditor(focus) && views::IsTypingKey(key.key(), key.modifiers(), key.text());
}

} // namespace

bool TFormVerw::eventFilter(QObject* watched, QEvent* event)
{
    const bool frame = watched != nullptr && watched == subWindow_.data();
    if (frame && event->type() == QEvent::Show && !placed_) {
        // A visible MDI area places a new window itself when it takes it; the stored place wins.
        placed_ = true;
        ApplyStoredGeometry();
        return false;
    }
    if (frame && event->type() == QEvent::Close) {
        // The open cell editor's value is taken before the window goes.
        DeleteZellenKomponente();
        if (WindowNumber == 0) {
            // The first window is minimised, never closed.
            event->ignore();
            if (QMdiSubWindow* sub = LiveSubWindow())
                sub->showMinimized();
            return true;
        }
        return false;
    }
    if (watched == Tree->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        TreeMouseDown(mouse->button(), mouse->position().toPoint());
        // The right button belongs to the popup alone: beside the nodes it changes nothing.
        return mouse->button() == Qt::RightButton;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = QApplication::focusWidget();
    if (watched == this && event->type() == QEvent::KeyPress && focus && isAncestorOf(focus)
        && IsTypedIntoEditor(focus, *key)) {
        // An editor's key it did not use ends here; above, the main window would run it as a
        // command.
        event->accept();
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget != focus || (widget != this && !isAncestorOf(widget)))
        return false;
    // With a text or number editor focused, its keys are its own; the tree's keys act elsewhere.
    const bool typed = IsTypedIntoEditor(widget, *key);
    if (event->type() == QEvent::ShortcutOverride) {
        if (typed) {
            event->accept();
            return true;
        }
        // The commands' shortcuts come first; no control keeps their keys for itself.
        if (IsCommandKey(*key)) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (!dynamic_cast<TPostedKey*>(event) && !typed) {
        RunKey(*key);
        // The tree's own Ctrl+C would put its node's text over the copied function.
        if (widget == Tree && (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)))
            return true;
    }
    return false; // the focused control still gets the key
}

void TFormVerw::RunKey(const QKeyEvent& key)
{
    if (const int functionKey = views::SwitchVtFunctionKey(key.nativeVirtualKey()); functionKey != 0) {
        // Ctrl+Alt+F1 to F12 under X: only the serial download takes it.
        if (DM && functionKey == DM->Rs232Key)
            DM->ADownloadRs232OptionsStartExecute();
        return;
    }
    const int virtualKey = views::VirtualKeyOf(key.key());
    if (virtualKey != 0)
        FormKeyDown(virtualKey, key.modifiers());
}

void TFormVerw::FormKeyDown(int virtualKey, Qt::KeyboardModifiers shift)
{
    LOG_FKT_START("TFormVerw::FormKeyDown");
    if (!Tree || !GridView || !DM)
        return;
    const views::TKeyCommands commands = views::KeyCommandsFor(virtualKey, shift, DM->Rs232Key);
    switch (commands.Command) {
    case views::TKeyCommand::TabToGrid:
        if (GridView->isVisible())
            QCoreApplication::postEvent(GridView, new TPostedKey(Qt::Key_Tab));
        break;
    case views::TKeyCommand::CollapseAll:
        DM->ACollapseAllExecute();
        break;
    case views::TKeyCommand::Copy:
        if (Tree->hasFocus())
            DM->ACopyExecute();
        break;
    case views::TKeyCommand::ExpandAll:
        DM->AExpandAllExecute();
        break;
    case views::TKeyCommand::NewWindow:
        platform::PostMessage(MainWindow(), WM_USER_NEWFORMVERW, 0, 0);
        break;
    case views::TKeyCommand::Print:
        DM->APrintExecute();
        break;
    case views::TKeyCommand::Paste:
        if (Tree->hasFocus()) {
            DeleteZellenKomponente();
            AktualisiereAnsicht(nullptr, 0, 0);
            DM->APasteExecute();
        }
        break;
    case views::TKeyCommand::QuickHelp:
        if (!HasMeldeFenster())
            CreateMeldeFenster();
        break;
    case views::TKeyCommand::DeviceHelp:
        DM->A_DeviceHelpExecute();
        break;
    case views::TKeyCommand::SwitchFocus:
        SwitchFocus();
        break;
    case views::TKeyCommand::None:
        break;
    }
    if (commands.DownloadRs232)
        DM->ADownloadRs232OptionsStartExecute();
}

void TFormVerw::SwitchFocus()
{
    const QScopedValueRollback building(building_, true);
    if (Tree->hasFocus()) {
        if (GridView->isVisible())
            GridView->setFocus();
        else if (ListView->isVisible())
            ListView->setFocus();
    } else if (GridView->Grid().GetActiveCell()) {
        // The editor goes first; then the key comes again.
        platform::PostMessage(GetHandle(), WM_USER_DELETEZELLENKOMPONENTE, 0, 0);
        platform::PostMessage(GetHandle(), views::WM_KEYDOWN, views::VK_F6, 0);
    } else {
        if (GridView->isVisible())
            GridView->setFocus();
        Tree->setFocus();
    }
}

void TFormVerw::TreeMouseDown(Qt::MouseButton button, const QPoint& at)
{
    if (button != Qt::RightButton)
        return;
    TTreeNode* node = Tree->GetNodeAt(at.x(), at.y());
    if (!node)
        return;
    Tree->SetSelected(node);
    CheckActionList(node);
    PopupMenu1->popup(QCursor::pos());
}

void TFormVerw::TimerTreeScrollTimer()
{
    const int fontHeight = -QFontInfo(Tree->font()).pixelSize();
    const QRect rect(Tree->mapToGlobal(QPoint(0, 0)), Tree->size());
    dragScrollDirection_ = static_cast<std::uint8_t>(
        views::AutoScrollDirection(rect.top(), rect.bottom(), QCursor::pos().y(), fontHeight));
    switch (dragScrollDirection_) {
    case 1:
        Tree->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case 2:
        Tree->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    default:
        TimerTreeScroll->stop();
        break;
    }
}

bool TFormVerw::event(QEvent* event)
{
    const bool result = TFormVerwBase::event(event);
    if (event->type() == QEvent::ParentChange && subWindow_.isNull())
        AdoptSubWindow();
    return result;
}

void TFormVerw::AdoptSubWindow()
{
    QMdiSubWindow* sub = SubWindow();
    if (!sub)
        return;
    subWindow_ = sub;
    sub->installEventFilter(this);
    ApplyStoredGeometry();
    if (QMdiArea* area = sub->mdiArea()) {
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
            if (active != LiveSubWindow())
                DeleteZellenKomponente(); // FormDeactivate
        });
    }
}

QMdiSubWindow* TFormVerw::LiveSubWindow() const
{
    return qobject_cast<QMdiSubWindow*>(subWindow_.data());
}

void TFormVerw::ApplyStoredGeometry()
{
    QMdiSubWindow* sub = LiveSubWindow();
    if (!sub)
        return;
    sub->setGeometry(storedGeometry_);
    treeWidthFit_->Fit();
    if (storedState_ == 2)
        sub->showMaximized();
    else if (storedState_ == 1)
        sub->showMinimized();
}

void TFormVerw::resizeEvent(QResizeEvent* event)
{
    TFormVerwBase::resizeEvent(event);
    if (resizeBound_)
        FormResize();
}

void TFormVerw::FormResize()
{
    Tree->setFocus();
}
