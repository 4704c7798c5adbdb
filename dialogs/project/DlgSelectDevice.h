#pragma once

#include "dialogs/project/GlobalParameterRun.h"
#include "platform/WindowMessages.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TDataBasis;
class TDlgSelectDevice;
class TEts2Cdi;
class TGlobalParameterMainWindow;

// Opens the status report of a run; answers its modal result (always 1). None: the program's
// report.
using TStatusReportOpener = std::function<int(TDlgSelectDevice& owner, const std::vector<SDeviceData*>& devices,
                                              const std::vector<std::string>& table)>;

// "Geräte auswählen", step 2 of the global-parameter wizard: the project's other devices of the
// same program by address, name and description; the chosen ones get the marked parameters
// after one confirmation, and the report follows. Result 1 after the report, 3 back to step 1,
// 2 cancelled.
class TDlgSelectDevice : public QDialog {
    Q_OBJECT

public:
    TDlgSelectDevice(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TEts2Cdi* link, TDataBasis* object,
                     std::int32_t ownDeviceId, const std::vector<std::string>& table,
                     TStatusReportOpener openReport);
    ~TDlgSelectDevice() override;
    TDlgSelectDevice(const TDlgSelectDevice&) = delete;
    TDlgSelectDevice& operator=(const TDlgSelectDevice&) = delete;

    int ShowModal();
    platform::HWND Handle() const { return registration_.Handle(); }
    platform::LRESULT Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    bool InitData();
    bool FillListView();
    void SetButtons();
    void BtnAllClick();
    void BtnNextClick();
    void lvProjectDevicesColumnClick(int column);
    // The chosen devices: the selected items in their shown order.
    std::vector<SDeviceData*> AddSelectedDevicesToList() const;
    int CreateDlgGlobalParameterStatus(const std::vector<SDeviceData*>& devices);

    TGlobalParameterRun& Run() { return run_; }
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return ascending_; }

    QWidget* Panel1;
    QPushButton* BtnAll;
    QPushButton* BtnBack;
    QPushButton* BtnNext;
    QPushButton* BtnCancel;
    QTreeWidget* lvProjectDevices;

private:
    void LadeTexte();
    void SetColumnCaptions(bool withMark);
    SDeviceData* DeviceOf(const QTreeWidgetItem* item) const;
    void EnableButtons(bool enabled);
    void FitColumns();

    // First: the run tells its progress dialog this window's handle.
    platform::TWindowRegistration registration_;
    TGlobalParameterMainWindow* mainWindow_;
    TDataBasis* object_;
    std::vector<std::string> table_;
    TStatusReportOpener openReport_;
    TGlobalParameterRun run_;
    int sortColumn_ = 1;
    bool ascending_ = true;
    bool running_ = false;
};

// The device selection of the program, with the program's status report.
int ShowDlgSelectDevice(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TEts2Cdi* link, TDataBasis* object,
                        std::int32_t ownDeviceId, const std::vector<std::string>& table);
