#include "app/FormMain.h"

#include "app/ClipboardBlock.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

// Copy and paste of the selected function over the clipboard.

void TFormMain::Kopieren()
{
    LOG_FKT_START("TFormMain::Kopieren");
    TDataBasis* selected = FormVerw != nullptr ? FormVerw->GetSelData() : nullptr;
    if (selected == nullptr || AktDevInst == nullptr)
        return;
    std::vector<std::string> lines;
    if (!AktDevInst->GetCopyData(selected, lines))
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        DisplayLastError("OpenClipboard");
        return;
    }
    // Setting data replaces every format: the others are carried over, so that they stay.
    auto data = std::make_unique<QMimeData>();
    if (const QMimeData* present = clipboard->mimeData())
        for (const QString& format : present->formats())
            data->setData(format, present->data(format));
    data->setData(ClipboardFormatOf(AktDevInst->GetVersion()), ClipboardBlockOf(lines));
    clipboard->setMimeData(data.release());
}

void TFormMain::Einfuegen()
{
    LOG_FKT_START("TFormMain::Einfuegen");
    TDataBasis* selected = FormVerw != nullptr ? FormVerw->GetSelData() : nullptr;
    if (AktDevInst == nullptr || selected == nullptr)
        return;
    std::vector<std::string> lines;
    if (const QClipboard* clipboard = QGuiApplication::clipboard()) {
        const QString format = ClipboardFormatOf(AktDevInst->GetVersion());
        const QMimeData* present = clipboard->mimeData();
        if (present != nullptr && present->hasFormat(format))
            lines = ClipboardLinesOf(present->data(format));
    }
    const std::vector<TFormVerwBase*> windows = ListFormVerw;
    for (TFormVerwBase* window : windows) {
        window->DeleteZellenKomponente();
        window->TreeBeginUpdate();
        window->SetTreeSorted(false);
    }
    if (!AktDevInst->Einfuegen(selected, lines))
        ShowMessageBox(Spredit::Text9124, Spredit::Text9048, platform::MB_ICONERROR);
    for (TFormVerwBase* window : windows) {
        window->TreeEndUpdate();
        window->SortTreeByText();
        window->UpdateTreeNamesAndIcon();
        window->AktualisiereAnsicht(nullptr, 0, 0);
    }
}
