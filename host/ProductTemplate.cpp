#include "host/ProductTemplate.h"

#include "host/DeviceParameters.h"
#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"

#include <algorithm>

namespace host {

namespace {

// Host object types.
constexpr std::int32_t Bit1 = 0;
constexpr std::int32_t Byte1 = 7;
constexpr std::int32_t Byte2 = 8;
constexpr std::int32_t Byte3 = 9;
constexpr std::int32_t Byte14 = 14;

constexpr int Keys = 10;
constexpr int Rockers = 5;
constexpr int TimeSwitches = 2;

class TBuilder {
public:
    TTemplateParameter& Parameter(std::int32_t displayOrder, std::string name)
    {
        parameters_.push_back({displayOrder, std::move(name), 0, {}});
        return parameters_.back();
    }

    std::vector<TTemplateParameter> Take()
    {
        std::stable_sort(parameters_.begin(), parameters_.end(),
                         [](const TTemplateParameter& a, const TTemplateParameter& b) {
                             return a.DisplayOrder < b.DisplayOrder;
                         });
        return std::move(parameters_);
    }

private:
    std::vector<TTemplateParameter> parameters_;
};

void Add(TTemplateParameter& parameter, std::int32_t value, std::int32_t number, std::string name,
         std::string functionText, std::int32_t type)
{
    parameter.Objects.push_back({value, number, std::move(name), std::move(functionText), type});
}

// A control output by control type: 2-point and PWM switch (1 bit), continuous PI sends a
// byte. base is the value of 2-point control; PWM and PI follow it.
void AddControlOutput(TTemplateParameter& parameter, std::int32_t base, std::int32_t number, const std::string& name)
{
    Add(parameter, base, number, name, "2-Punkt", Bit1);
    Add(parameter, base + 1, number, name, "PWM", Bit1);
    Add(parameter, base + 2, number, name, "Stetig", Byte1);
}

void AddFixedObjects(TBuilder& b)
{
    TTemplateParameter& time = b.Parameter(3300, "Uhrzeit");
    Add(time, 1, 57, "Uhrzeit", "Empfangen", Byte3);
    Add(time, 2, 57, "Uhrzeit", "Senden", Byte3);
    TTemplateParameter& date = b.Parameter(3305, "Datum");
    Add(date, 1, 58, "Datum", "Empfangen", Byte3);
    Add(date, 2, 58, "Datum", "Senden", Byte3);
    TTemplateParameter& display = b.Parameter(4100, "Anzeige");
    Add(display, 1, 59, "Anzeige Text", "Empfangen", Byte14);
    Add(display, 1, 60, "Anzeige Beleuchtung", "Ein/Aus", Bit1);
}

// Keys 1 to 10 with objects 0 to 19; a rocker takes the objects of its two keys, which it
// replaces. Key states from 81, rocker states from 91.
void AddKeys(TBuilder& b)
{
    for (int key = 1; key <= Keys; ++key) {
        const std::string name = "Taste " + std::to_string(key);
        TTemplateParameter& parameter = b.Parameter(100 * key, name);
        Add(parameter, 1, 2 * (key - 1), name, "Objekt 1", Bit1);
        Add(parameter, 1, 2 * (key - 1) + 1, name, "Objekt 2", Bit1);
        TTemplateParameter& status = b.Parameter(4610 + 10 * (key - 1), "Status " + name);
        Add(status, 1, 81 + (key - 1), "Status " + name, "Empfangen", Bit1);
    }
    for (int rocker = 1; rocker <= Rockers; ++rocker) {
        const std::string name = "Wippe " + std::to_string(rocker);
        TTemplateParameter& parameter = b.Parameter(2100 + 100 * (rocker - 1), name);
        Add(parameter, 1, 4 * (rocker - 1), name, "Objekt 1", Bit1);
        Add(parameter, 1, 4 * (rocker - 1) + 1, name, "Objekt 2", Bit1);
        TTemplateParameter& status = b.Parameter(1700 + 10 * (rocker - 1), "Status " + name);
        Add(status, 1, 91 + (rocker - 1), "Status " + name, "Empfangen", Bit1);
    }
}

// The controller function, its pages and the extension unit, which takes further values of
// the same parameters. Objects 20 to 56, 79 and 80.
void AddController(TBuilder& b)
{
    TTemplateParameter& actual = b.Parameter(3000, "Isttemperatur");
    Add(actual, 1, 20, "Isttemperatur", "Senden", Byte2);
    TTemplateParameter& sensor = b.Parameter(3010, "Externer Temperaturfühler");
    Add(sensor, 1, 24, "Externer Temperaturfühler", "Empfangen", Byte2);
    TTemplateParameter& base = b.Parameter(3030, "Basis-Sollwert");
    Add(base, 1, 22, "Basis-Sollwert", "Empfangen", Byte2);
    TTemplateParameter& base2 = b.Parameter(3040, "Basis-Sollwert RK2");
    Add(base2, 1, 23, "Basis-Sollwert RK2", "Empfangen", Byte2);

    TTemplateParameter& mode = b.Parameter(3050, "Betriebsmodus-Umschaltung");
    Add(mode, 1, 28, "Betriebsmodus Komfort", "Ein/Aus", Bit1);
    Add(mode, 1, 29, "Betriebsmodus Nacht", "Ein/Aus", Bit1);
    Add(mode, 1, 30, "Betriebsmodus Frost-/Hitzeschutz", "Ein/Aus", Bit1);
    Add(mode, 2, 28, "Betriebsmodus", "Umschalten", Byte1);
    Add(mode, 3, 28, "Betriebsmodus", "Senden", Byte1);
    TTemplateParameter& forced = b.Parameter(3060, "Betriebsmodus-Zwangsobjekt");
    Add(forced, 1, 32, "Betriebsmodus Zwang", "Empfangen", Byte1);
    Add(forced, 2, 32, "Betriebsmodus Zwang", "Senden", Byte1);
    TTemplateParameter& presence = b.Parameter(3070, "Präsenz");
    Add(presence, 1, 33, "Präsenz", "Empfangen", Bit1);
    Add(presence, 2, 33, "Präsenz", "Senden", Bit1);
    TTemplateParameter& window = b.Parameter(3080, "Fensterstatus");
    Add(window, 1, 34, "Fensterstatus", "Empfangen", Bit1);
    TTemplateParameter& heatCool = b.Parameter(3090, "Umschaltung Heizen/Kühlen");
    Add(heatCool, 1, 35, "Umschaltung Heizen/Kühlen", "Empfangen", Bit1);
    Add(heatCool, 2, 35, "Umschaltung Heizen/Kühlen", "Senden", Bit1);
    TTemplateParameter& status = b.Parameter(3100, "Status Regler");
    Add(status, 1, 36, "Status Regler", "Allgemein", Byte1);
    Add(status, 2, 36, "Status Regler", "Einzelzustand", Bit1);
    Add(status, 3, 36, "Status Betriebsmodus", "Empfangen", Byte1);
    TTemplateParameter& heating = b.Parameter(3110, "Meldung Heizen");
    Add(heating, 1, 37, "Meldung Heizen", "Senden", Bit1);
    Add(heating, 2, 37, "Meldung Heizen", "Empfangen", Bit1);
    TTemplateParameter& cooling = b.Parameter(3120, "Meldung Kühlen");
    Add(cooling, 1, 38, "Meldung Kühlen", "Senden", Bit1);
    Add(cooling, 2, 38, "Meldung Kühlen", "Empfangen", Bit1);
    TTemplateParameter& operation = b.Parameter(3130, "Reglerbedienung sperren");
    Add(operation, 1, 39, "Reglerbedienung sperren", "Ein/Aus", Bit1);
    TTemplateParameter& off = b.Parameter(3140, "Regler sperren");
    Add(off, 1, 40, "Regler sperren", "Ein/Aus", Bit1);
    TTemplateParameter& stage = b.Parameter(3150, "Zusatzstufe sperren");
    Add(stage, 1, 41, "Zusatzstufe sperren", "Ein/Aus", Bit1);
    Add(stage, 2, 41, "Regelkreis 2 sperren", "Ein/Aus", Bit1);

    // Heating: basic stage by operating type (three control types each), the PWM companion,
    // the additional stage and its PWM companion.
    TTemplateParameter& heat = b.Parameter(3160, "Stellgröße Heizen");
    AddControlOutput(heat, 1, 42, "Stellgröße Heizen");
    AddControlOutput(heat, 4, 42, "Stellgröße Heizen/Kühlen");
    AddControlOutput(heat, 7, 42, "Stellgröße Grundstufe Heizen");
    AddControlOutput(heat, 10, 42, "Stellgröße Grundstufe Heizen/Kühlen");
    TTemplateParameter& heatPwm = b.Parameter(3200, "Stellgröße Heizen stetig");
    Add(heatPwm, 1, 43, "Stellgröße Heizen", "Stetig", Byte1);
    Add(heatPwm, 2, 43, "Stellgröße Grundstufe Heizen", "Stetig", Byte1);
    Add(heatPwm, 3, 43, "Stellgröße Heizen/Kühlen", "Stetig", Byte1);
    Add(heatPwm, 4, 43, "Stellgröße Grundstufe Heizen/Kühlen", "Stetig", Byte1);
    AddControlOutput(heatPwm, 5, 43, "Stellgröße Heizen RK2");
    TTemplateParameter& heatExtra = b.Parameter(3170, "Stellgröße Zusatzstufe Heizen");
    AddControlOutput(heatExtra, 1, 44, "Stellgröße Zusatzstufe Heizen");
    AddControlOutput(heatExtra, 4, 44, "Stellgröße Zusatzstufe Heizen/Kühlen");
    TTemplateParameter& heatExtraPwm = b.Parameter(3210, "Stellgröße Zusatzstufe Heizen stetig");
    Add(heatExtraPwm, 1, 45, "Stellgröße Zusatzstufe Heizen", "Stetig", Byte1);
    Add(heatExtraPwm, 2, 45, "Stellgröße Zusatzstufe Heizen/Kühlen", "Stetig", Byte1);

    TTemplateParameter& cool = b.Parameter(3180, "Stellgröße Kühlen");
    AddControlOutput(cool, 1, 46, "Stellgröße Kühlen");
    AddControlOutput(cool, 4, 46, "Stellgröße Grundstufe Kühlen");
    TTemplateParameter& coolPwm = b.Parameter(3220, "Stellgröße Kühlen stetig");
    Add(coolPwm, 1, 47, "Stellgröße Kühlen", "Stetig", Byte1);
    Add(coolPwm, 2, 47, "Stellgröße Grundstufe Kühlen", "Stetig", Byte1);
    AddControlOutput(coolPwm, 3, 47, "Stellgröße Kühlen RK2");
    TTemplateParameter& coolExtra = b.Parameter(3190, "Stellgröße Zusatzstufe Kühlen");
    AddControlOutput(coolExtra, 1, 48, "Stellgröße Zusatzstufe Kühlen");
    TTemplateParameter& coolExtraPwm = b.Parameter(3230, "Stellgröße Zusatzstufe Kühlen stetig");
    Add(coolExtraPwm, 1, 49, "Stellgröße Zusatzstufe Kühlen", "Stetig", Byte1);

    TTemplateParameter& setPoint = b.Parameter(3240, "Solltemperatur");
    Add(setPoint, 1, 50, "Solltemperatur", "Senden", Byte2);
    Add(setPoint, 2, 50, "Solltemperatur", "Empfangen", Byte2);
    TTemplateParameter& setPoint2 = b.Parameter(3250, "Solltemperatur RK2");
    Add(setPoint2, 1, 51, "Solltemperatur RK2", "Senden", Byte2);
    TTemplateParameter& shiftNow = b.Parameter(3260, "Aktuelle Sollwertverschiebung");
    Add(shiftNow, 1, 52, "Aktuelle Sollwertverschiebung", "Senden", Byte1);
    Add(shiftNow, 2, 52, "Aktuelle Sollwertverschiebung", "Empfangen", Byte1);
    TTemplateParameter& shift = b.Parameter(3270, "Sollwertverschiebung");
    Add(shift, 1, 53, "Sollwertverschiebung", "Empfangen", Byte1);
    Add(shift, 2, 53, "Sollwertverschiebung", "Senden", Byte1);
    TTemplateParameter& fan = b.Parameter(3280, "Lüfterstufen");
    Add(fan, 1, 54, "Lüfterstufe", "Anzeige", Byte1);
    Add(fan, 2, 54, "Lüfterstufe 1", "Anzeige", Bit1);
    Add(fan, 2, 55, "Lüfterstufe 2", "Anzeige", Bit1);
    Add(fan, 2, 56, "Lüfterstufe 3", "Anzeige", Bit1);

    TTemplateParameter& alarmA = b.Parameter(4500, "Temperaturalarm A");
    Add(alarmA, 1, 79, "Temperaturalarm A", "Senden", Bit1);
    TTemplateParameter& alarmB = b.Parameter(4550, "Temperaturalarm B");
    Add(alarmB, 1, 80, "Temperaturalarm B", "Senden", Bit1);
}

// Time switches from 61, the room-temperature time switch's lock 65, the scenes 66.
void AddTimeSwitchesAndScenes(TBuilder& b)
{
    for (int n = 1; n <= TimeSwitches; ++n) {
        const std::string name = "Schaltuhr " + std::to_string(n);
        TTemplateParameter& output = b.Parameter(3510 + 20 * (n - 1), name);
        Add(output, 1, 61 + 2 * (n - 1), name, "Schalten", Bit1);
        TTemplateParameter& lock = b.Parameter(3520 + 20 * (n - 1), name + " sperren");
        Add(lock, 1, 62 + 2 * (n - 1), name + " sperren", "Ein/Aus", Bit1);
    }
    TTemplateParameter& roomLock = b.Parameter(3600, "Raumtemperatur-Schaltuhr sperren");
    Add(roomLock, 1, 65, "Raumtemperatur-Schaltuhr sperren", "Ein/Aus", Bit1);
    TTemplateParameter& scenes = b.Parameter(4060, "Szenen");
    Add(scenes, 1, 66, "Szene", "Nebenstelle", Byte1);
}

std::int64_t Insert(TSqlStatement& statement, TSqlDatabase& db)
{
    statement.Run();
    return db.LastInsertId();
}

} // namespace

const std::vector<TTemplateParameter>& ProductTemplate()
{
    static const std::vector<TTemplateParameter> parameters = [] {
        TBuilder b;
        AddFixedObjects(b);
        AddKeys(b);
        AddController(b);
        AddTimeSwitchesAndScenes(b);
        return b.Take();
    }();
    return parameters;
}

void FillProductTemplate(TSqlDatabase& db, std::int64_t programId)
{
    std::vector<std::int64_t> devices;
    {
        TSqlStatement query(db, "SELECT id FROM device WHERE program_id = ?1 ORDER BY id");
        query.Bind(1, programId);
        while (query.Step())
            devices.push_back(query.Int64(0));
    }
    for (const TTemplateParameter& parameter : ProductTemplate()) {
        TSqlStatement addParameter(
            db, "INSERT INTO parameter (program_id, display_order, name, default_value) VALUES (?1, ?2, ?3, ?4)");
        addParameter.Bind(1, programId).Bind(2, parameter.DisplayOrder).Bind(3, parameter.Name);
        addParameter.Bind(4, parameter.DefaultValue);
        const std::int64_t parameterId = Insert(addParameter, db);
        for (const TTemplateObject& object : parameter.Objects) {
            TSqlStatement addObject(db, "INSERT INTO comm_object (program_id, parameter_id, parameter_value, number, "
                                        "type, name, function_text) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
            addObject.Bind(1, programId).Bind(2, parameterId).Bind(3, object.Value).Bind(4, object.Number);
            addObject.Bind(5, object.Type).Bind(6, object.Name).Bind(7, object.FunctionText);
            addObject.Run();
        }
        for (const std::int64_t device : devices) {
            TSqlStatement addValue(db, "INSERT INTO device_parameter (device_id, parameter_id, value) VALUES (?1, ?2, ?3)");
            addValue.Bind(1, device).Bind(2, parameterId).Bind(3, parameter.DefaultValue);
            const std::int64_t deviceParameter = Insert(addValue, db);
            SetDeviceParameterValue(db, static_cast<std::int32_t>(deviceParameter), parameter.DefaultValue);
        }
    }
}

} // namespace host
