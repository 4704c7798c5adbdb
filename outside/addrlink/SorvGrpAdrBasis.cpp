#include "outside/addrlink/SorvGrpAdrBasis.h"

TSorvGrpAdrBasis::TSorvGrpAdrBasis(platform::HWND window, std::int32_t system, std::int32_t parent,
                                   const std::string& name, std::int32_t handle)
    : TDataBasis(window, system, parent, name, handle)
{
}
