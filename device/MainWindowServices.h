#pragma once

#include "device/DlgSelGrpAddrServices.h"
#include "device/GaCheckServices.h"
#include "device/GrpAdrNodes.h"
#include "device/RecGroupAddrInfo.h"
#include "outside/addrlink/ObjektBasis.h"
#include "platform/WindowMessages.h"

#include <memory>
#include <string>
#include <vector>

class TConfigWindowServices;
class TDataBasis;
class TEts2Cdi_Extended1;
class TEtsGruppenAdressen;
class TSorvGrpAdrBasis;

// The main window as the device model sees it. The model keeps it but never owns it; the
// operations it calls are added here with the code that calls them. Each answers, unless the
// main window says otherwise, as a main window that has nothing of that kind yet.
class TMainWindowServices {
public:
    // The host link object that the main window owns; every project-database call of the device
    // model goes through it. None while it does not exist.
    virtual TEts2Cdi_Extended1* GetEts2Cdi() const { return nullptr; }

    // The open configuration windows, in list order; an entry may be null (absent).
    virtual std::vector<TConfigWindowServices*> GetListFormVerw() const { return {}; }

    // Shows count "/" maximum in the status bar when maximum > 0.
    virtual void UpdateObjektAnzahl(int /*count*/, int /*maximum*/) {}

    // The main window's handle: the window of the data objects the model makes and the receiver
    // of its posted messages.
    virtual platform::HWND GetHandle() const { return 0; }
    // Shows the text in the status bar's panel (0-based).
    virtual void SetStatusText(int /*panel*/, const std::string& /*text*/) {}
    // Handles the messages waiting, so that a text just set shows.
    virtual void ProcessMessages() {}
    // Has every configuration window add the nodes of one new group address to its tree; the
    // middle node is none with two levels.
    virtual void CreateGroupAddressNodes(TSorvGrpAdrBasis* /*main*/, TSorvGrpAdrBasis* /*middle*/,
                                         TSorvGrpAdrBasis* /*sub*/)
    {
    }
    // Makes the modal selection of the object's group addresses over its links (changed only on
    // OK), the middle- and sub-group nodes and the host's group addresses; none when it cannot.
    virtual std::unique_ptr<TDlgSelGrpAddrServices> CreateDlgSelGrpAddr(int /*grpAdrLevel*/, TDataBasis* /*object*/,
                                                                        TObjektBasis::TGrpAdrIdList& /*links*/,
                                                                        const TGrpAdrNodes& /*nodes*/,
                                                                        TEtsGruppenAdressen* /*groups*/)
    {
        return nullptr;
    }
    // Makes the check of imported group addresses against the main-group nodes and the middle and
    // sub nodes, at three levels or two; it fills used (current address -> entry with its
    // target) and appends to toCreate. None when it cannot.
    virtual std::unique_ptr<TGaCheckServices> CreateGaCheck(const TGrpAdrNodes& /*mainNodes*/,
                                                            const TGrpAdrNodes& /*midSubNodes*/,
                                                            bool /*threeLevels*/, TUsedGroupAddrMap& /*used*/,
                                                            TNewGroupAddrList& /*toCreate*/)
    {
        return nullptr;
    }

    // Adds the object's tree node below the parent's node in the active configuration window,
    // made visible when asked; true whether or not a node was added (none without a window).
    virtual bool MakeNode(TDataBasis* /*object*/, TDataBasis* /*parent*/, bool /*makeVisible*/) { return true; }

    // Import the user's initialisation file, resp. the named file, into the device being made;
    // true only when data were imported (a cancel is false).
    virtual bool ImportUserDaten() { return false; }
    virtual bool DatenImport(const std::string& /*file*/) { return false; }

protected:
    TMainWindowServices() = default;
    TMainWindowServices(const TMainWindowServices&) = default;
    TMainWindowServices& operator=(const TMainWindowServices&) = default;
    ~TMainWindowServices() = default;
};
