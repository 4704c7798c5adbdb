#pragma once

#include "dialogs/project/GlobalParameterDevice.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QCloseEvent;
class QPrinter;
class QPushButton;
class QTextEdit;
class QWidget;
class TDataBasis;
class TGlobalParameterMainWindow;

// "Status", step 3 of the global-parameter wizard: the report of a copy, read-only, saved as
// RTF or plain text or printed. It returns 1 however it is closed.
class TDlgGlobalParameterStatus : public QDialog {
    Q_OBJECT

public:
    TDlgGlobalParameterStatus(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TDataBasis* object,
                              const std::vector<SDeviceData*>& devices, const std::vector<std::string>& table);
    ~TDlgGlobalParameterStatus() override;

    int ShowModal();

    void FillMemoWitchDeviceStatus();
    void BtnSaveAsClick();
    // Asks for the file (starting with the proposal); true when one was chosen. The name's
    // extension, without regard to case, tells the kind: "txt" plain text, else RTF.
    bool OpenSaveAsDialog(const std::string& proposal);
    // Writes the report to the file through a temporary one; false (after a box) when it failed.
    bool SaveReport(const std::string& fileName, bool plainText);
    void BtnPrintClick();
    // The printer of the last print, or none.
    const QPrinter* Printer() const { return printer_.get(); }

    QWidget* PanelButton;
    QPushButton* BtnOk;
    QPushButton* BtnPrint;
    QPushButton* BtnSaveAs;
    QTextEdit* RichEditDrucken;
    QTextEdit* RichEdit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void LadeTexte();

    TGlobalParameterMainWindow* mainWindow_;
    TDataBasis* object_;
    std::vector<SDeviceData*> devices_;
    std::vector<std::string> table_;
    std::unique_ptr<QPrinter> printer_;
};

// The status report of the program; answers 1.
int ShowDlgGlobalParameterStatus(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TDataBasis* object,
                                 const std::vector<SDeviceData*>& devices, const std::vector<std::string>& table);
