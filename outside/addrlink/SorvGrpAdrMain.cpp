#include "outside/addrlink/SorvGrpAdrMain.h"

#include "outside/addrlink/AddrlinkTypes.h"

int TSorvGrpAdrMain::GetTyp() const
{
    return DT_SORV_GRP_ADR_MAIN;
}

int TSorvGrpAdrMain::GetIcon() const
{
    return ICON_GRP_ADR_MAIN;
}
