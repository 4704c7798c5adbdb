#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"

#include "app/Sprsysfunc.h"
#include "outside/funcbase/ValueRows.h"
#include "platform/UiService.h"

namespace {

const TParameterObjekt::TClassInfo DatumUhrzeitInfo{TTalvoDatumUhrzeitSenden::Typ, 2, 11150};

} // namespace

TTalvoDatumUhrzeitSenden::TTalvoDatumUhrzeitSenden(platform::HWND windowHandle, std::int32_t system,
                                                   std::int32_t parent, const std::string& name, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, DatumUhrzeitInfo)
{
}

TTalvoDatumUhrzeitSenden::~TTalvoDatumUhrzeitSenden() = default;

void TTalvoDatumUhrzeitSenden::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = Senden;
    record.Param3 = Zyklisch;
    record.Param4 = Zeitmaster;
}

void TTalvoDatumUhrzeitSenden::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    Senden = record.Param2;
    Zyklisch = record.Param3;
    Zeitmaster = record.Param4;
}

int TTalvoDatumUhrzeitSenden::ShowDlgEditTime(platform::HWND /*mainWindow*/)
{
    return platform::MessageBox(Sprsysfunc::Text11158, Sprsysfunc::Text11157,
                                platform::MB_OKCANCEL | platform::MB_ICONQUESTION);
}

int TTalvoDatumUhrzeitSenden::CallShowDlgEditTime()
{
    tagWmUserDevice request = Requests.MakeRequest(UDM_SHOW_DLG_EDIT_TIME);
    if (!Requests.Send(request))
        return 0;
    return request.Integer;
}

void TTalvoDatumUhrzeitSenden::AddRows(TDrawGridSE& grid)
{
    AddRowComboBox(&grid, Sprsysfunc::Text11052, tagSenden,
                   {{Sprsysfunc::Text11062, sdKeine},
                    {Sprsysfunc::Text11151, sdUhrzeit},
                    {Sprsysfunc::Text11152, sdDatum},
                    {Sprsysfunc::Text11153, sdUhrzeitUndDatum}},
                   Senden, 0, false);
    AddRowSpinEdit(&grid, Sprsysfunc::Text11053, tagZyklisch, 255, 0, 1, Zyklisch, 0, false);
    AddRowComboBox(&grid, Sprsysfunc::Text11155, tagZeitmaster,
                   {{Sprsysfunc::Text11156, 0}, {Sprsysfunc::Text11155, 1}}, Zeitmaster, 0, false);
    ValueRows::AddEllipse(grid, *this, Sprsysfunc::Text11158, tagUhrzeitStellen, Sprsysfunc::Text11157);
}

bool TTalvoDatumUhrzeitSenden::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagSenden:
        return value >= sdKeine && value <= sdUhrzeitUndDatum && Change(Senden, value);
    case tagZyklisch:
        return Change(Zyklisch, value);
    case tagZeitmaster:
        return Change(Zeitmaster, value);
    default:
        return false;
    }
}

void TTalvoDatumUhrzeitSenden::EllipseClick(int tag)
{
    if (tag == tagUhrzeitStellen)
        CallShowDlgEditTime();
}
