#pragma once

#include <string>

// Texts of the time switches (ids 16202 to 16224), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprclockfunc {

void Init();
void Fin();

extern const std::string& Text16202; // Datenformat
extern const std::string& Text16203; // Werte-Typ
extern const std::string& Text16204; // Schaltzeiten
extern const std::string& Text16205; // Anzahl Schaltzeiten
extern const std::string& Text16206; // 0..100 %
extern const std::string& Text16207; // Schaltuhr %d
extern const std::string& Text16208; // Schaltuhr aktiv
extern const std::string& Text16209; // 0..255
extern const std::string& Text16210; // Ein
extern const std::string& Text16211; // Aus
extern const std::string& Text16212; // Szenenabruf
extern const std::string& Text16213; // Sperren über Objekt
extern const std::string& Text16214; // Polarität Sperrobjekt
extern const std::string& Text16215; // Invertiert
extern const std::string& Text16216; // Schalten
extern const std::string& Text16217; // Wert
extern const std::string& Text16218; // Nicht invertiert
extern const std::string& Text16219; // Szene
extern const std::string& Text16220; // Sommer-/Winterzeit
extern const std::string& Text16221; // Schaltzeit
extern const std::string& Text16222; // Schaltuhr
extern const std::string& Text16224; // Schaltuhr-Funktion

} // namespace Sprclockfunc
