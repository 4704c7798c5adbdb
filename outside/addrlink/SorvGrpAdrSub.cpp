#include "outside/addrlink/SorvGrpAdrSub.h"

#include "outside/addrlink/AddrlinkTypes.h"

int TSorvGrpAdrSub::GetTyp() const
{
    return DT_SORV_GRP_ADR_SUB;
}

int TSorvGrpAdrSub::GetIcon() const
{
    return ICON_GRP_ADR_SUB;
}
