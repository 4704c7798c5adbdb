#pragma once

#include <string>

// Texts of the detailed error box (ids 1 to 12), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprfaultbox {

void Init();
void Fin();

extern const std::string& Text1; // &Ok
extern const std::string& Text2; // &Details >>
extern const std::string& Text3; // << &Details
extern const std::string& Text4; // &Kopieren
extern const std::string& Text5; // &Speichern...
extern const std::string& Text6; // Fehlerdetails
extern const std::string& Text7; // Datei:
extern const std::string& Text8; // Zeile:
extern const std::string& Text9; // Funktion:
extern const std::string& Text10; // Fehlermeldung
extern const std::string& Text11; // Speichern unter
extern const std::string& Text12; // Textdatei (*.txt)

} // namespace Sprfaultbox
