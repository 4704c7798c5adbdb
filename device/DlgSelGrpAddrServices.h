#pragma once

// The modal selection of a communication object's group addresses, as the device model sees
// it. The main window makes it over the object's links (TMainWindowServices::CreateDlgSelGrpAddr).
class TDlgSelGrpAddrServices {
public:
    virtual ~TDlgSelGrpAddrServices() = default;

    // 1 when the user confirmed with OK: the links given at construction then hold exactly the
    // chosen sub groups (host id, address 0). Any other answer leaves them as they were.
    virtual int ShowModal() = 0;

protected:
    TDlgSelGrpAddrServices() = default;
    TDlgSelGrpAddrServices(const TDlgSelGrpAddrServices&) = default;
    TDlgSelGrpAddrServices& operator=(const TDlgSelGrpAddrServices&) = default;
};
