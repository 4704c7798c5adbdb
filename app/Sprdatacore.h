#pragma once

#include <string>

// Texts of the data-object base; climalib's own block (ids 200 to 214), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprdatacore {

void Init();
void Fin();

extern const std::string& Text200; // Nein
extern const std::string& Text201; // Ja
extern const std::string& Text202; // Aus
extern const std::string& Text203; // Ein
extern const std::string& Text204; // Gesperrt
extern const std::string& Text205; // Freigegeben
extern const std::string& Text206; // 1-Telegramm
extern const std::string& Text207; // 0-Telegramm
extern const std::string& Text208; // Datenquelle für den Import wurde nicht gefunden.
extern const std::string& Text209; // Es wurden keine gültigen Daten gefunden.
extern const std::string& Text210; // Gesuchter Datensatz nicht gefunden.\nHandle:
extern const std::string& Text211; // Nicht ändern
extern const std::string& Text212; // Ändern
extern const std::string& Text213; // (empty)
extern const std::string& Text214; // * 

} // namespace Sprdatacore
