#pragma once

#include "device/DatenStruktur.h"

#include <cstdint>
#include <string>

class TDataBasis;

// Device requests of a data object (tagWmUserDevice, WM_USER_USERDEVICEMESSAGE).
enum TEnumUserDeviceMessage : std::uint8_t {
    UDM_CHECK_CREATE_KEY_FUNCTION = 0,
    UDM_DELETE_OBJEKT = 1,
    UDM_GET_SYSTEM = 2,
    UDM_MODIFY_SZENEN_FUNKTION = 3,
    UDM_MODIFY_REGLER_FUNKTION = 4,
    UDM_MODIFY_TASTSENSOR_FUNKTION = 5,
    UDM_MODIFY_TS_BETAETIGUNG = 6,
    UDM_REGISTER_OBJEKT = 7,
    UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE = 8,
    UDM_GET_REGLER_FUNKTION = 9,
    UDM_MODIFY_TASTEN_WIPPEN_FUNKTION = 10,
    UDM_GET_REGLER_FUNKTIONALITAET = 11,
    UDM_MODIFY_TASTEN_WIPPEN_FUNKTION_VALUES = 12,
    UDM_GET_DISPLAY = 13,
    UDM_UPDATE_TABLE_SOLLWERTE = 14,
    UDM_UPDATE_TABLE_RAUMTEMPERATUR_MESSUNG = 15,
    UDM_MODIFY_RAUMTEMP_SCHALTUHR_AKTIV_VALUE = 16,
    UDM_MODIFY_SCHALTUHR = 17,
    UDM_GET_SZENEN_FUNKTION = 18,
    UDM_GET_RAUMTEMP_SCHALTUHR = 20,
    UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE = 21,
    UDM_DELETE_SZENEN_INSTANZEN = 22,
    UDM_CREATE_SZENEN_INSTANZ = 23,
    UDM_ASK_USER_BEFOR_MODIFY_DATENTYP = 24,
    UDM_ASK_USER_BEFOR_MODIFY_WERTE_TYP = 25,
    UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN = 26,
    UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG = 27,
    UDM_MODIFY_SYSTEM_ZUGRIFF_BEDIENEBENEN = 28,
    UDM_SHOW_DLG_EDIT_TIME = 29,
    UDM_MODIFY_REGLERNEBENSTELLEN_FUNKTION = 30,
    UDM_GET_REGLERNEBENSTELLEN_FUNKTION = 31,
    UDM_MODIFY_TASTEN_STATUS = 32,
    UDM_MODIFY_ENABLE_CELL_FLAG_STATUS = 33,
    UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT = 34,
    UDM_CONVERT_WIPPEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT = 35,
    UDM_GET_TS_TASTE_STATUS = 36,
    UDM_MODIFY_WERTIGKEIT_STUFE_SOLLWERTVERSCHIEBUNG_VALUE = 37,
};

// Data-transport requests of a data object (tagRecDatenTransport, WM_USER_DATENTRANSPORT).
enum TEnumUserDatenTransport : std::uint8_t {
    UDT_GET_OBJEKT_DATA_FROM_SUB_GROUP = 6,
    UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER = 8,
    UDT_GET_ETS_OBJECT_BY_DISPLAY_ORDER = 9,
    UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED = 10,
    UDT_GET_DEFAULT_NAME = 15,
};

// A data object's request to the device; lives on the sender's stack while the message is
// handled. The fields keep their order; Value1 to Value6 are further integers that only senders
// outside this library use.
struct tagWmUserDevice {
    std::int32_t Handle = 0;         // sender's Handle
    std::uint8_t Code = 0;           // UDM_…
    TDataBasis* Sender = nullptr;    // sender object
    TDatenStruktur* Record = nullptr; // read only when there is no sender object
    std::int32_t Value1 = 0;
    std::string Text;
    std::int32_t Value2 = 0;
    std::int32_t Value3 = 0;
    void* Result = nullptr;          // object, list or text answered
    std::int32_t Integer = 0;        // parameter or answer
    std::int32_t Value4 = 0;
    std::int32_t Value5 = 0;
    std::uint8_t Byte = 0;           // ask flag or value of the request
    std::int32_t Value6 = 0;
};

// A data object's data-transport request; lives on the sender's stack while it is handled.
struct tagRecDatenTransport {
    std::int32_t Handle = 0;          // sender's Handle
    std::uint8_t Code = 0;            // UDT_…
    TDataBasis* Sender = nullptr;     // sender object
    TDatenStruktur* Record = nullptr;
    std::string Text;
    void* Payload = nullptr;          // 10: std::list<int>*; 15: std::string* to fill; 6, 9: list to fill
    void* ValuePointer = nullptr;     // 9: where the value goes
    std::uint16_t DisplayOrder = 0;
    std::int32_t Value = 0;
    std::int32_t PositionBase = 0;
    std::uint8_t Ask = 0;
};
