#include "outside/keyplan/TsWippe.h"

#include "app/Sprlkextmodults.h"
#include "outside/keyplan/FunktionBasis.h"

namespace {

const TParameterObjekt::TClassInfo WippeInfo{TTsWippe::Typ, 5, 12100};

} // namespace

TTsWippe::TTsWippe(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t number, std::int32_t handle)
    : TFunktionsContainer(windowHandle, system, parent, name, number, handle, WippeInfo)
{
}

TTsWippe::~TTsWippe() = default;

bool TTsWippe::IsOwnFunktion(int typ) const
{
    return KeyplanFunktionen::IsWippenFunktion(typ);
}

int TTsWippe::StandardFunktion() const
{
    return TWippenFunktionSchalten::Typ;
}

int TTsWippe::KeineFunktion() const
{
    return TWippenFunktionKeineFkt::Typ;
}

const std::string& TTsWippe::FunktionCaption() const
{
    return Sprlkextmodults::Text12003;
}
