#pragma once

#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/sysfunc/EnumTalvoSystem.h"
#include "outside/funcbase/DeviceRequests.h"

#include <cstdint>
#include <string>

// The system object: the root of the device's tree. It keeps the device's key count and key
// arrangement, the switches of the device's functions, the access to the operating levels and
// the six download flags. Switching a function on or off in its grid asks the device to follow
// (codes 5, 4, 30, 3 and 17), and a new access to the operating levels lets the device adapt
// the controller's set points (code 27, while the controller is on); a refusal puts the value
// back.
//
// Record: Param2 key count, Param3 key arrangement, Param4 host device id, Param5 to Param10 the
// switches of key sensor, controller, controller extension unit, scenes, time switch 1 and 2,
// Param11 access to the operating levels, Bool1 to Bool6 the download flags, String1 the
// physical address.
class TTalvoSystem : public TSorvEtsDevice {
public:
    static constexpr int Typ = 111; // DT_TALVO_SYSTEM
    enum TTag : int {
        tagAnzahlTasten = 1,
        tagTastsensorFunktion,
        tagReglerFunktion,
        tagReglernebenstellenFunktion,
        tagSzenenFunktion,
        tagSchaltuhr1,
        tagSchaltuhr2,
        tagZugriffAufBedienebenen,
    };

    // value: a further device value, kept as given; the last argument is not used.
    TTalvoSystem(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                 std::int32_t etsDeviceId, std::int32_t value, std::int32_t handle, bool reserved);
    ~TTalvoSystem() override;

    int GetQuickHelpIndexOffset() const override { return 11000; }
    int GetTyp() const override { return Typ; }
    int ListStyle() const override { return 1; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int /*typ*/) const override { return false; }
    bool AllowDrop(TDataBasis* /*source*/) const override { return false; }
    void Drop(TDataBasis* /*source*/) override {}
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    void SetAnzahlTasten(std::int32_t keys) { AnzahlTasten = keys; }
    std::int32_t GetAnzahlTasten() const { return AnzahlTasten; }
    void SetTastenAnordnung(std::int32_t arrangement) { TastenAnordnung = arrangement; }
    std::int32_t GetTastenAnordnung() const { return TastenAnordnung; }
    std::int32_t GetValue() const { return Value; }

    // The function switches, 1 = on.
    std::uint8_t GetValueOfTastsensorFunktion() const { return TastsensorFunktion; }
    std::uint8_t GetValueOfReglerFunktion() const { return ReglerFunktion; }
    std::uint8_t GetValueOfReglernebenstellenFunktion() const { return ReglernebenstellenFunktion; }
    std::uint8_t GetValueOfSzenenFunktion() const { return SzenenFunktion; }
    // Time switch 1 or 2; 0 for any other number.
    std::uint8_t GetValueOfSchaltuhr(int number) const;

    // The six download flags: all data, user device parameters, scenes, room-temperature time
    // switch, time switch 1, time switch 2.
    void GetSystemFlags(bool& all, bool& userParameters, bool& scenes, bool& roomTimeSwitch, bool& timeSwitch1,
                        bool& timeSwitch2) const;
    void SetSystemFlags(bool all, bool userParameters, bool scenes, bool roomTimeSwitch, bool timeSwitch1,
                        bool timeSwitch2);

    std::uint8_t GetValueOfZugriffAufBedienebenen() const { return ZugriffAufBedienebenen; }
    // Whether the display shows a key's help text when the key is chosen, 1 = on. Not part of
    // the record.
    std::uint8_t GetValueOfTastenHilfeFunktion() const { return TastenHilfeFunktion; }
    void SetValueOfTastenHilfeFunktion(std::uint8_t value) { TastenHilfeFunktion = value; }
    // The controller's lock option changed: the access keeps a value the device knows. True.
    virtual bool ModifySystemZugriffBedienebenen();
    // Nothing of the system's own data changes after a template import. True.
    virtual bool ConvertDBDataAfterTemplateImport();

protected:
    // A switch changed in the grid: the device follows with the request code (for a time switch
    // with its number); on refusal the switch goes back.
    bool ChangeFunktion(std::uint8_t& member, int value, std::uint8_t code, std::int32_t number = 0);
    bool ChangeValue(int tag, int value);

    const TDeviceRequests Requests{*this};

    std::int32_t AnzahlTasten = 0;
    std::int32_t TastenAnordnung = 0;
    std::int32_t Value;
    std::uint8_t TastsensorFunktion = 1;
    std::uint8_t ReglerFunktion = 1;
    std::uint8_t ReglernebenstellenFunktion = 0;
    std::uint8_t SzenenFunktion = 0;
    std::uint8_t Schaltuhr1 = 0;
    std::uint8_t Schaltuhr2 = 0;
    std::uint8_t ZugriffAufBedienebenen = T_DB_EnumTalvoSystem::zbFreigegeben;
    std::uint8_t TastenHilfeFunktion = 1;
    // A new device has nothing of ours yet: the next download writes everything.
    bool DownloadFlags[6] = {true, true, true, true, true, true};
};
