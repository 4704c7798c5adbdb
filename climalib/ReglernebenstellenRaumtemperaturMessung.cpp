#include "climalib/ReglernebenstellenRaumtemperaturMessung.h"

#include "app/Sprclimalib.h"

namespace {

const TClimaDataObject::TClassInfo Info{"TReglernebenstellenRaumtemperaturMessung",
                                        TReglernebenstellenRaumtemperaturMessung::Typ,
                                        TReglernebenstellenRaumtemperaturMessung::Icon,
                                        TReglernebenstellenRaumtemperaturMessung::QuickHelpOffset};

} // namespace

TReglernebenstellenRaumtemperaturMessung::TReglernebenstellenRaumtemperaturMessung(platform::HWND windowHandle,
                                                                                   std::int32_t system,
                                                                                   std::int32_t parent,
                                                                                   const std::string& name,
                                                                                   std::int32_t handle)
    : TRaumtemperaturMessungBasis(windowHandle, system, parent, name, handle, Info)
{
}

TReglernebenstellenRaumtemperaturMessung::~TReglernebenstellenRaumtemperaturMessung() = default;

bool TReglernebenstellenRaumtemperaturMessung::CreateObjects()
{
    return TRaumtemperaturMessungBasis::CreateObjects();
}

bool TReglernebenstellenRaumtemperaturMessung::DeleteObjects()
{
    return TRaumtemperaturMessungBasis::DeleteObjects();
}

bool TReglernebenstellenRaumtemperaturMessung::ModifyValueExternerTempFuehler(bool ask)
{
    return TRaumtemperaturMessungBasis::ModifyValueExternerTempFuehler(ask);
}

bool TReglernebenstellenRaumtemperaturMessung::ModifyValueTemperaturErfassung(bool unused)
{
    return TRaumtemperaturMessungBasis::ModifyValueTemperaturErfassung(unused);
}

// The extension unit has one measuring circuit.
bool TReglernebenstellenRaumtemperaturMessung::GetRegelkreise(std::uint8_t& circuits) const
{
    circuits = 0;
    return true;
}

std::vector<TComboWert> TReglernebenstellenRaumtemperaturMessung::TemperaturErfassungItems() const
{
    using namespace T_DB_EnumReglernebenstellenRaumtemperaturMessung;
    return {{Sprclimalib::Text14054, InternerFuehler}, {Sprclimalib::Text14055, InternerUndExternerFuehler}};
}

// Any record of the type fits: the extension unit has no controller structure to compare.
int TReglernebenstellenRaumtemperaturMessung::CheckGlobalParameterTarget(const TRecordTable& /*table*/,
                                                                         const TDatenStruktur& /*target*/,
                                                                         std::string& /*message*/) const
{
    return 1;
}
