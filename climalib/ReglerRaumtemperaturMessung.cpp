#include "climalib/ReglerRaumtemperaturMessung.h"

#include "app/Sprclimalib.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionZugriff.h"

namespace {

const TClimaDataObject::TClassInfo Info{"TReglerRaumtemperaturMessung", TReglerRaumtemperaturMessung::Typ,
                                        TReglerRaumtemperaturMessung::Icon,
                                        TReglerRaumtemperaturMessung::QuickHelpOffset};

} // namespace

TReglerRaumtemperaturMessung::TReglerRaumtemperaturMessung(platform::HWND windowHandle, std::int32_t system,
                                                           std::int32_t parent, const std::string& name,
                                                           std::int32_t handle)
    : TRaumtemperaturMessungBasis(windowHandle, system, parent, name, handle, Info)
{
}

TReglerRaumtemperaturMessung::~TReglerRaumtemperaturMessung() = default;

bool TReglerRaumtemperaturMessung::CreateObjects()
{
    return TRaumtemperaturMessungBasis::CreateObjects();
}

bool TReglerRaumtemperaturMessung::DeleteObjects()
{
    return TRaumtemperaturMessungBasis::DeleteObjects();
}

bool TReglerRaumtemperaturMessung::ModifyValueExternerTempFuehler(bool ask)
{
    return TRaumtemperaturMessungBasis::ModifyValueExternerTempFuehler(ask);
}

bool TReglerRaumtemperaturMessung::ModifyValueTemperaturErfassung(bool unused)
{
    return TRaumtemperaturMessungBasis::ModifyValueTemperaturErfassung(unused);
}

TReglerFunktion* TReglerRaumtemperaturMessung::GetReglerFunktion() const
{
    return ReglerFunktionZugriff::AsReglerFunktion(GetParentObject());
}

bool TReglerRaumtemperaturMessung::GetRegelkreise(std::uint8_t& circuits) const
{
    const TReglerFunktion* controller = GetReglerFunktion();
    if (!controller)
        return false;
    circuits = controller->GetValueOfRegelkreise();
    return true;
}

std::vector<TComboWert> TReglerRaumtemperaturMessung::TemperaturErfassungItems() const
{
    using namespace T_DB_EnumReglerRaumtemperaturMessung;
    return {{Sprclimalib::Text14054, InternerFuehler},
            {Sprclimalib::Text14056, ExternerFuehler},
            {Sprclimalib::Text14055, InternerUndExternerFuehler}};
}

int TReglerRaumtemperaturMessung::CheckGlobalParameterTarget(const TRecordTable& table,
                                                             const TDatenStruktur& target, std::string& message) const
{
    return ReglerFunktionZugriff::CompareTargetController(GetReglerFunktion(), table, target, message);
}
