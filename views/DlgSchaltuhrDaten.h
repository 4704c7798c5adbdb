#pragma once

#include "views/DlgSchaltzeitenBasis.h"
#include "views/SchaltuhrKern.h"

#include <map>

class QComboBox;
class QGroupBox;
class QLineEdit;
class TDeviceInstanz;
class TEts2Cdi;

// The editor of the switching times of the device's two time switches (client 518 × 455): the
// time-switch box, the value box with its range, and the shared controls. It edits copies of
// the maps; "&Ok" copies them into the time switches, whose records the caller then writes.
class TDlgSchaltuhrDaten final : public TDlgSchaltzeitenBasis {
public:
    TDlgSchaltuhrDaten(QWidget* owner, TEts2Cdi* ets2Cdi, TDeviceInstanz* device,
                       std::map<int, TSchaltuhr*> schaltuhren,
                       std::map<int, std::map<int, tagSchaltuhrDaten>*> mapsSchaltDaten, bool zwoelfStunden);

protected:
    void AktualisiereEigene() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    schaltzeit::TSchaltuhrKern& Schaltuhr();

    TEts2Cdi* Ets2Cdi; // kept; the editor does not use it
    QComboBox* CbxSchaltuhr = nullptr;
    QGroupBox* GrpBoxWert = nullptr;
    QLineEdit* EdtWert = nullptr;
};
