#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <memory>
#include <vector>

// The reset of the current device to its defaults.

namespace {

// Stops the auto-save while the device is rebuilt; on every way out the suspended trees resume
// with sorting by data and the auto-save runs again.
class TResetBracket {
public:
    TResetBracket()
    {
        if (DM != nullptr)
            DM->StartTimerAutoSave(false);
    }
    ~TResetBracket()
    {
        for (TFormVerwBase* window : Suspended) {
            window->TreeEndUpdate();
            window->SetTreeSorted(true);
        }
        if (DM != nullptr)
            DM->StartTimerAutoSave(true);
    }
    TResetBracket(const TResetBracket&) = delete;
    TResetBracket& operator=(const TResetBracket&) = delete;

    void Suspend(TFormVerwBase* window)
    {
        window->TreeBeginUpdate();
        window->SetTreeSorted(false);
        Suspended.push_back(window);
    }

private:
    std::vector<TFormVerwBase*> Suspended;
};

} // namespace

void TFormMain::ResetAktDevInst()
{
    LOG_FKT_START("TFormMain::ResetAktDevInst");
    if (ShowMessageBox(Spredit::Text9046, Spredit::Text9043, platform::MB_YESNO | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    ProcessMessages();
    if (AktDevInst == nullptr)
        return;
    const platform::TCursorHourGlass hourGlass;
    TResetBracket bracket;
    if (FormVerw != nullptr && !ListFormVerw.empty()) {
        // The first window ever made is never freed; the others are set aside to be closed.
        const auto kept = std::find_if(ListFormVerw.begin(), ListFormVerw.end(),
                                       [](const TFormVerwBase* window) { return window->GetWindowNumber() <= 0; });
        TFormVerwBase* first = kept != ListFormVerw.end() ? *kept : ListFormVerw.front();
        std::vector<QWidget*> closing;
        for (TFormVerwBase* window : ListFormVerw) {
            window->DeleteZellenKomponente();
            if (window != first)
                closing.push_back(window->parentWidget() != nullptr ? window->parentWidget() : window);
        }
        FormVerwActivated(first);
        if (auto* sub = qobject_cast<QMdiSubWindow*>(first->parentWidget()))
            MdiArea->setActiveSubWindow(sub);
        bracket.Suspend(first);
        // Each freed window leaves the list as it is destroyed.
        for (QWidget* window : closing)
            const std::unique_ptr<QWidget> freed(window);
        first->DeleteZellenKomponente();
        first->DeleteTreeViewNodes();
    }
    SetInitDataToDevice(AktDevInst);
    if (!AktDevInst->Reset(true))
        return;
    if (FormVerw != nullptr) {
        AbgleichFormVerw(FormVerw);
        FormVerw->AktualisiereAnsicht(nullptr, 1, 0);
    }
}
