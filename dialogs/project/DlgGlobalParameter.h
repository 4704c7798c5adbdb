#pragma once

#include "app/GlobalParameterDialogServices.h"
#include "dialogs/project/GlobalParameterModeGuard.h"
#include "platform/WindowMessages.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPushButton;
class QWidget;
class TCell;
class TCtrlGrid;
class TCtrlListView;
class TDataBasis;
class TDlgGlobalParameter;
class TDrawGridSEView;
class TEts2Cdi;
class TGlobalParameterMainWindow;
class TListView;
class TObject;
class TTreeNode;

// The grid settings of the data module the dialog shows its grid with: the five colours
// (TColor values) and the column widths.
struct TGlobalParameterGridLook {
    static constexpr std::int32_t White = 0x00FFFFFF;
    static constexpr std::int32_t ButtonFace = static_cast<std::int32_t>(0x8000000Fu); // system colour 15

    std::int32_t Common = ButtonFace;
    std::int32_t Cell = White;
    std::int32_t Title = White;
    std::int32_t ReadOnly = ButtonFace;
    std::int32_t LineWidth = 1;
    bool AutoSize = true;
    std::int32_t ColDefWidth = 0;
};

// Opens the device selection with the table of marked parameters; answers its modal result
// (1 copied, 2 cancelled, 3 back). None: the program's device selection.
using TSelectDeviceOpener = std::function<int(TDlgGlobalParameter& owner, const std::vector<std::string>& table)>;

// "Globale Parameter", step 1 of the global-parameter wizard: the selected node's data object in
// a three-column grid whose last column marks each parameter "Ändern" or "Nicht ändern", or the
// node's children when the object lists children. "&Weiter" is enabled while a parameter is
// marked and opens the device selection with the marked parameters as a text table. The data
// object is in its global-parameter mode for the dialog's whole life.
class TDlgGlobalParameter : public QDialog, public TGlobalParameterDialogServices {
    Q_OBJECT

public:
    TDlgGlobalParameter(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TTreeNode* node,
                        std::int32_t deviceId, TEts2Cdi* link, const TGlobalParameterGridLook& look,
                        TSelectDeviceOpener openSelectDevice);
    ~TDlgGlobalParameter() override;
    TDlgGlobalParameter(const TDlgGlobalParameter&) = delete;
    TDlgGlobalParameter& operator=(const TDlgGlobalParameter&) = delete;

    int ShowModal();

    // Rebuilds the view for the node; the cell goes on to the data object.
    void InitData(platform::WPARAM column, platform::LPARAM row) override;
    void InitData(int column, int row);
    void LoadColor(std::int32_t common, std::int32_t cell, std::int32_t title, std::int32_t readOnly, int lineWidth);
    platform::LRESULT Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void BtnAllClick();
    void BtnNextClick();
    int CreateDlgSelectDevice(const std::vector<std::string>& table);

    TDataBasis* DataObject() const { return object_; }
    std::int32_t DeviceId() const { return deviceId_; }
    TEts2Cdi* Link() const { return link_; }
    TGlobalParameterMainWindow* MainWindow() const { return mainWindow_; }
    platform::HWND Handle() const { return registration_.Handle(); }

    QWidget* PanelButton;
    QPushButton* BtnAll;
    QPushButton* BtnNext;
    QPushButton* BtnCancel;
    TListView* ListView;
    TDrawGridSEView* Grid;

protected:
    // Once laid out, the form widens by what the grid would still scroll sideways.
    void showEvent(QShowEvent* event) override;

private:
    // At least that wide, within its screen.
    void FitWidth(int extra);

    void LadeTexte();
    void Init();
    void AktualisiereAnsicht(TTreeNode* node, int column, int row);
    void ShowChildList(TTreeNode* node);
    void ShowGrid(int column, int row);
    void ReplaceCellHandlers();
    void PostInitData(int column, int row);

    TGlobalParameterMainWindow* mainWindow_;
    TTreeNode* node_;
    TDataBasis* object_;
    std::int32_t deviceId_;
    TEts2Cdi* link_;
    TGlobalParameterGridLook look_;
    TSelectDeviceOpener openSelectDevice_;
    TGlobalParameterModeGuard mode_;
    bool reopen_ = false;
    std::unique_ptr<TCtrlListView> ctrlListView_;
    std::unique_ptr<TCtrlGrid> ctrlGrid_;
    std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
    platform::TWindowRegistration registration_;
};
