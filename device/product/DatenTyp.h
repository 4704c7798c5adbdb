#pragma once

// The data-object type numbers (Datentyp): the Typ of a record and the answer of an object's
// GetTyp. The group-address and communication-object numbers are addrlink's.
#include "outside/addrlink/AddrlinkTypes.h"

// Records without a data object of their own; additional records of a chain carry type 0.
inline constexpr int DT_ADDITIONAL_RECORD = 0;
inline constexpr int DT_RECORD_ONLY_1 = 1;
inline constexpr int DT_RECORD_ONLY_2 = 2;
inline constexpr int DT_RECORD_ONLY_6 = 6;

// The range of device-root types; only DT_TALVO_SYSTEM exists in this product.
inline constexpr int DT_SYSTEM_FIRST = 101;
inline constexpr int DT_SYSTEM_LAST = 115;
inline constexpr int DT_TALVO_SYSTEM = 111;

inline constexpr int DT_GRP_ADR_ORDNER_2 = 204;

inline constexpr int DT_TALVO_DISPLAY = 6551;
inline constexpr int DT_TASTSENSOR_FUNKTION = 6552;
inline constexpr int DT_TS_SPERRVERHALTEN = 6553;
inline constexpr int DT_TS_BETAETIGUNG = 6554;
inline constexpr int DT_TS_TASTE = 6555;
inline constexpr int DT_TASTEN_FUNKTION_KEINE_FKT = 6557;
inline constexpr int DT_TASTEN_FUNKTION_SCHALTEN = 6558;
inline constexpr int DT_TASTEN_FUNKTION_DIMMEN = 6559;
inline constexpr int DT_TASTEN_FUNKTION_JALOUSIE = 6560;
inline constexpr int DT_TASTEN_FUNKTION_AUDIOSTEUERUNG = 6561;
inline constexpr int DT_TASTEN_FUNKTION_SZENENNEBENSTELLE = 6562;
inline constexpr int DT_TASTEN_FUNKTION_WERTGEBER = 6563;
inline constexpr int DT_TASTEN_FUNKTION_ANALOG_WERTGEBER = 6564;
inline constexpr int DT_TASTEN_FUNKTION_REGLER_BEDIENUNG = 6565;
inline constexpr int DT_TASTEN_FUNKTION_RAUMTEMP_SCHALTUHR = 6566;
inline constexpr int DT_TASTEN_FUNKTION_SCHALTUHR_BEDIENUNG = 6567;
inline constexpr int DT_TS_WIPPE = 6568;
inline constexpr int DT_WIPPEN_FUNKTION_KEINE_FKT = 6569;
inline constexpr int DT_WIPPEN_FUNKTION_SCHALTEN = 6570;
inline constexpr int DT_WIPPEN_FUNKTION_DIMMEN = 6571;
inline constexpr int DT_WIPPEN_FUNKTION_JALOUSIE = 6572;
inline constexpr int DT_WIPPEN_FUNKTION_REGLER_BEDIENUNG = 6573;
inline constexpr int DT_WIPPEN_FUNKTION_UNIVERSALWERTGEBER = 6574;
inline constexpr int DT_TS_WIPPE_STATUS = 6575;
inline constexpr int DT_REGLER_FUNKTION = 6576;
inline constexpr int DT_REGLER_SOLLWERTE = 6577;
inline constexpr int DT_REGLER_FUNKTIONALITAET = 6578;
inline constexpr int DT_REGLER_RAUMTEMPERATUR_MESSUNG = 6579;
inline constexpr int DT_REGLER_STELLGROESSEN_STATUS_AUSGABE = 6580;
inline constexpr int DT_RAUMTEMPERATUR_SCHALTUHR = 6581;
inline constexpr int DT_SZENEN_FUNKTION = 6582;
inline constexpr int DT_SZENE = 6583;
inline constexpr int DT_SCHALTUHR = 6584;
inline constexpr int DT_TALVO_DATUM_UHRZEIT_SENDEN = 6585;
inline constexpr int DT_IR_FERNBEDIENUNG = 6586;
inline constexpr int DT_TASTEN_FUNKTION_ZWEI_TELEGRAMME = 6587;
inline constexpr int DT_TASTEN_FUNKTION_REGLERNEBENSTELLE = 6588;
inline constexpr int DT_TASTEN_FUNKTION_SOLLWERTVERSCHIEBUNG = 6589;
inline constexpr int DT_TS_TASTE_STATUS = 6590;
inline constexpr int DT_WIPPEN_FUNKTION_ZWEI_TELEGRAMME = 6591;
inline constexpr int DT_WIPPEN_FUNKTION_REGLERNEBENSTELLE = 6592;
inline constexpr int DT_REGLERNEBENSTELLEN_FUNKTION = 6593;
inline constexpr int DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG = 6594;
