#include "outside/addrlink/SorvGrpAdrMiddle.h"

#include "outside/addrlink/AddrlinkTypes.h"

int TSorvGrpAdrMiddle::GetTyp() const
{
    return DT_SORV_GRP_ADR_MIDDLE;
}

int TSorvGrpAdrMiddle::GetIcon() const
{
    return ICON_GRP_ADR_MIDDLE;
}
