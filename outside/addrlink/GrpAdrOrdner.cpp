#include "outside/addrlink/GrpAdrOrdner.h"

#include "outside/addrlink/AddrlinkTypes.h"

TGrpAdrOrdner::TGrpAdrOrdner(platform::HWND window, std::int32_t system, std::int32_t parent,
                             const std::string& name, std::int32_t handle)
    : TDataBasis(window, system, parent, name, handle)
{
}

int TGrpAdrOrdner::GetTyp() const
{
    return DT_GRP_ADR_ORDNER;
}

int TGrpAdrOrdner::GetIcon() const
{
    return ICON_GRP_ADR_ORDNER;
}
