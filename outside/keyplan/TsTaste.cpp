#include "outside/keyplan/TsTaste.h"

#include "app/Sprlkextmodults.h"
#include "outside/keyplan/FunktionBasis.h"

namespace {

const TParameterObjekt::TClassInfo TasteInfo{TTsTaste::Typ, 4, 12100};

} // namespace

TTsTaste::TTsTaste(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t number, std::int32_t handle)
    : TFunktionsContainer(windowHandle, system, parent, name, number, handle, TasteInfo)
{
}

TTsTaste::~TTsTaste() = default;

void TTsTaste::Write(TDatenStruktur& record)
{
    TFunktionsContainer::Write(record);
    record.Param5 = FktStatusLed;
}

void TTsTaste::InitFromDB(const TDatenStruktur& record)
{
    TFunktionsContainer::InitFromDB(record);
    FktStatusLed = static_cast<std::uint8_t>(record.Param5);
}

bool TTsTaste::Paste(TRecordTable* table, std::string& message)
{
    bool result = TFunktionsContainer::Paste(table, message);
    TDatenStruktur source;
    if (table && table->Find("Typ", Typ, source) && source.Param5 != FktStatusLed)
        result = ChangeValue(tagStatusLed, source.Param5) && result;
    return result;
}

bool TTsTaste::ConvertDBDataAfterTemplateImport()
{
    if (FktStatusLed != StatusLedUeberObjekt)
        return true;
    tagWmUserDevice request = Requests.MakeRequest(UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT);
    return Requests.Send(request);
}

bool TTsTaste::IsOwnFunktion(int typ) const
{
    return KeyplanFunktionen::IsTastenFunktion(typ);
}

int TTsTaste::StandardFunktion() const
{
    return TTastenFunktionSchalten::Typ;
}

int TTsTaste::KeineFunktion() const
{
    return TTastenFunktionKeineFkt::Typ;
}

const std::string& TTsTaste::FunktionCaption() const
{
    return Sprlkextmodults::Text12002;
}

void TTsTaste::AddRows(TDrawGridSE& grid)
{
    TFunktionsContainer::AddRows(grid);
    using namespace Sprlkextmodults;
    AddRowComboBox(&grid, Text12251, tagStatusLed,
                   {{Text12252, 0}, {Text12253, 1}, {Text12256, 2}, {Text12257, 3}, {Text12254, StatusLedUeberObjekt}},
                   FktStatusLed, 0, false);
}

bool TTsTaste::ChangeValue(int tag, int value)
{
    if (tag != tagStatusLed)
        return TFunktionsContainer::ChangeValue(tag, value);
    const bool neededObject = FktStatusLed == StatusLedUeberObjekt;
    const bool needsObject = value == StatusLedUeberObjekt;
    if (neededObject == needsObject)
        return Change(FktStatusLed, static_cast<std::uint8_t>(value));
    return ChangeAsking(FktStatusLed, static_cast<std::uint8_t>(value), [this] {
        tagWmUserDevice request = Requests.MakeRequest(UDM_MODIFY_TASTEN_STATUS);
        request.Integer = Handle;
        request.Byte = 1;
        return Requests.Send(request);
    });
}
