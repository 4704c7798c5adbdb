#include "app/FormMain.h"

#include "platform/TraceLog.h"

// The device-rebuild requests: present, but nothing is rebuilt; those with an answer say no.

bool TFormMain::ReadDeviceCommunicationImage(const std::string& /*file*/, std::int32_t /*number*/)
{
    LOG_FKT_START("TFormMain::ReadDeviceCommunicationImage");
    return false;
}

void TFormMain::ReconstructDevice()
{
    LOG_FKT_START("TFormMain::ReconstructDevice");
}

bool TFormMain::ReadDeviceImage(bool /*ask*/, const std::string& /*file*/)
{
    LOG_FKT_START("TFormMain::ReadDeviceImage");
    return false;
}

bool TFormMain::ReconstructDeviceImage(bool /*ask*/, const std::string& /*file*/, std::int32_t /*mode*/)
{
    LOG_FKT_START("TFormMain::ReconstructDeviceImage");
    return false;
}

bool TFormMain::RecoDataPrintToFile()
{
    LOG_FKT_START("TFormMain::RecoDataPrintToFile");
    return false;
}
