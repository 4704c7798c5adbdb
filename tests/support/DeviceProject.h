#pragma once

#include "device/DataModuleServices.h"
#include "device/MainWindowServices.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/UiService.h"
#include "tests/support/TempDir.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// A data module whose files lie below one folder.
class ProjectDataModule final : public TDataModuleServices {
public:
    explicit ProjectDataModule(std::string folder) : Folder(std::move(folder)) {}

    void GetLongExeName(std::string& out) const override { out = Folder + "panelconf"; }
    std::string GetIniFileName() const override { return Folder + "panelconf.ini"; }
    std::string GetBlobFileDir() const override { return Folder + "Vantu/BlobFile/"; }
    std::string GetCharSetFileName() const override { return Folder + "Cs01252.ezs"; }
    std::string GetDeviceTextFileName() const override { return Folder + "Dl0407.dlg"; }
    void StartTimerAutoSave(bool) override {}
    void GetSwVersion(std::string& out) const override { out = "1.2.0.7"; }

    std::string Folder;
};

// The main window of one device model: owns the host link on the project and answers the data
// objects' record, handle-table and object requests from the device, as the message hub does.
class ProjectMainWindow final : public TMainWindowServices {
public:
    explicit ProjectMainWindow(const std::string& projectPath);
    ProjectMainWindow(const ProjectMainWindow&) = delete;
    ProjectMainWindow& operator=(const ProjectMainWindow&) = delete;

    platform::HWND GetHandle() const override { return registration_.Handle(); }
    TEts2Cdi_Extended1* GetEts2Cdi() const override { return &link_; }

    void SetDevice(TDeviceInstanz* device) { device_ = device; }

    // The configuration windows the device model fills; it loads the group addresses when one
    // asks (WM_USER_LOADGRPADR).
    std::vector<TConfigWindowServices*> GetListFormVerw() const override { return Windows; }
    std::vector<TConfigWindowServices*> Windows;

    // The imports of a new device: each call is noted in Imports ("user" for the user's file, else
    // the file's name) and answered by its script; without one it answers false, as a main
    // window without import does.
    bool ImportUserDaten() override;
    bool DatenImport(const std::string& file) override;
    std::function<bool()> OnImportUserDaten;
    std::function<bool(const std::string&)> OnDatenImport;
    std::vector<std::string> Imports;

    // The check of imported group addresses, when a test scripts one: it gets the map of used
    // addresses and the list to create, which the importer reads afterwards. None when unset.
    using TGaCheckMaker = std::function<std::unique_ptr<TGaCheckServices>(TUsedGroupAddrMap&, TNewGroupAddrList&)>;
    std::unique_ptr<TGaCheckServices> CreateGaCheck(const TGrpAdrNodes&, const TGrpAdrNodes&, bool,
                                                    TUsedGroupAddrMap& used, TNewGroupAddrList& toCreate) override
    {
        return GaCheck ? GaCheck(used, toCreate) : nullptr;
    }
    TGaCheckMaker GaCheck;

private:
    platform::LRESULT Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    mutable TEts2Cdi_Extended1 link_;
    TDeviceInstanz* device_ = nullptr;
    platform::TWindowRegistration registration_; // last: unregistered before the rest goes
};

// The product's device model; its alignment with the project answers true, so that a block read
// goes the whole road of GetDataFromServer.
class ProjectDevice final : public TDeviceInstanzTalvo {
public:
    using TDeviceInstanzTalvo::TDeviceInstanzTalvo;
    bool DatenAbgleich(bool, bool) override { return true; }

    std::size_t RecordCount() const;
    // Every record as its record line, sorted: what two devices compare to have the same records.
    std::vector<std::string> RecordLines() const;
};

// A UI service that only counts the boxes shown and keeps the last one; it answers each with its
// first button. Installed for its own lifetime.
class CountingUi final : public platform::TUiService {
public:
    CountingUi() : scope_(*this) {}

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned style) override;
    platform::TCursor ScreenCursor() const override { return cursor_; }
    void SetScreenCursor(platform::TCursor cursor) override { cursor_ = cursor; }
    void StartProgress(const platform::TProgressInfo&, std::function<void()>) override {}
    void SetProgress(std::int32_t, const platform::TProgressInfo&) override {}
    void StopProgress() override {}

    std::size_t Boxes() const { return boxes_; }
    const std::string& LastBox() const { return last_; }

private:
    std::size_t boxes_ = 0;
    std::string last_;
    platform::TCursor cursor_ = platform::crDefault;
    platform::TScopedUiService scope_;
};

// The demo project of the stand-in host in a temporary folder, the data module with valid files
// of character set and device text, a main window on the project and a UI service that counts
// the message boxes (for benchmarks and fuzzing, where a road that shows one has failed).
class DeviceProject {
public:
    // The device whose data block the benchmarks read and write.
    static constexpr std::int32_t DeviceId = 1;

    DeviceProject();
    DeviceProject(const DeviceProject&) = delete;
    DeviceProject& operator=(const DeviceProject&) = delete;

    // A device model for the project's device (or another of its devices), known to the main
    // window.
    std::unique_ptr<ProjectDevice> MakeDevice(std::int32_t id = DeviceId);
    // The same, making its data objects through the factories given.
    std::unique_ptr<ProjectDevice> MakeDevice(std::int32_t id, const TObjectFactories& factories);
    // Builds a device of `records` records (the system object, display, date/time sending and
    // communication objects with one or two group-address links each, every further link an
    // additional record) and stores its data block in the project. False when it could not.
    bool StoreDevice(int records);
    // The block stored for the device.
    std::string StoredBlock() const;

    // The number of message boxes shown so far.
    std::size_t Boxes() const { return ui_.Boxes(); }
    const std::string& LastBox() const { return ui_.LastBox(); }

    const std::string& ProjectPath() const { return projectPath_; }
    const std::string& Folder() const { return folder_; }
    platform::HWND Window() const { return window_.GetHandle(); }
    ProjectMainWindow& MainWindow() { return window_; }

    // A character set of 256 characters and a device text of this product.
    static std::string CharSet();
    static std::string DeviceText();

private:
    TempDir dir_;
    std::string folder_;
    std::string projectPath_;
    ProjectDataModule dataModule_;
    ProjectMainWindow window_;
    CountingUi ui_;
};

// Gives the programs of the project the parameters and objects of this product, as etshost init
// does.
void AddProductTemplate(const std::string& projectPath);

// Adds main groups 0-15 with middle groups 0-7 and sub groups 0-255 (the whole address space) to
// the project of the path; answers the number of sub groups it then has.
std::int64_t FillAddressSpace(const std::string& projectPath);

} // namespace testsupport
