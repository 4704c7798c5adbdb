#include "dialogs/project/LinkToGrpAddr.h"

#include "device/DeviceInstanz.h"
#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"

namespace {

constexpr int TypKommunikationsObjekt = 806;
constexpr int TypKommunikationsObjekt2 = 807;

} // namespace

void CreateDlgLinkToGrpAddr(QWidget* owner, TDeviceInstanz* device, TDataBasis* object,
                            const TShowDlgLinkToGrpAddr& show)
{
    LOG_FKT_START("CreateDlgLinkToGrpAddr");
    if (!device || !object)
        return;
    if (object->GetTyp() != TypKommunikationsObjekt && object->GetTyp() != TypKommunikationsObjekt2)
        return;
    int level = 0;
    const std::string proposal = device->GetNextHighestAndFreeGrpAddr(level);
    if (level != 3 && level != 2)
        return;
    std::int16_t main = 0;
    std::int16_t middle = 0;
    std::int16_t sub = 0;
    std::string name;
    TDlgLinkToGrpAddr dialog(owner, level, &main, &middle, &sub, &name, proposal);
    if (show(dialog) == 1)
        device->LinkObjectToGrpAddr(object, main, middle, sub, name);
}
