#pragma once

#include "climalib/SchaltDaten.h"
#include "views/DlgSchaltzeitenBasis.h"
#include "views/RaumtempSchaltuhrKern.h"

class QComboBox;
class TDeviceInstanz;
class TEts2Cdi;

// The editor of the 28 switching times of the room-temperature time switch (client 572 × 389):
// the operating-mode box and the shared controls. It edits a copy of the map; "&Ok" copies it
// into the time switch, whose record the caller then writes.
class TDlgRaumtempSchaltuhrDaten final : public TDlgSchaltzeitenBasis {
public:
    TDlgRaumtempSchaltuhrDaten(QWidget* owner, TEts2Cdi* ets2Cdi, TDeviceInstanz* device,
                               std::map<int, tagSchaltDaten>* mapSchaltDaten, bool zwoelfStunden);

protected:
    void AktualisiereEigene() override;

private:
    schaltzeit::TRaumtempSchaltuhrKern& Raumtemp();

    TEts2Cdi* Ets2Cdi; // kept; the editor does not use it
    QComboBox* CbxBetriebsmodus = nullptr;
};
