#include "app/FormMain.h"

#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/TraceLog.h"

void TFormMain::OnCdiDoDownload2(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t /*id*/,
                                 std::uint16_t /*newAddress*/, std::uint16_t /*oldAddress*/,
                                 const tagEIB_BASE_PROGRAMMING& /*programming*/, std::int16_t /*mode*/)
{
    LOG_FKT_START("TFormMain::OnCdiDoDownload2");
    // The device cannot be programmed from here yet.
    CdiReturnNow = true;
    CdiResult = 0;
    DeleteDeviceId = -1;
    TimerTimeoutCloseStart(-1);
}
