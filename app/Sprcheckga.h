#pragma once

#include <string>

// Texts of the group-address check and change dialogs (ids 8000 to 8021), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprcheckga {

void Init();
void Fin();

extern const std::string& Text8000; // Ist-Adresse
extern const std::string& Text8001; // Soll-Adresse
extern const std::string& Text8002; // Typ
extern const std::string& Text8003; // Status
extern const std::string& Text8004; // Ok
extern const std::string& Text8005; // falscher Typ
extern const std::string& Text8006; // fehlt
extern const std::string& Text8007; // Im Gerät verknüpfte Objekte:
extern const std::string& Text8008; // &Adresse ändern
extern const std::string& Text8009; // Gruppenadressen prüfen
extern const std::string& Text8010; // Gruppenadresse wechseln
extern const std::string& Text8011; // Ist-Gruppenadresse
extern const std::string& Text8012; // Adresse: %s
extern const std::string& Text8013; // Status: %s
extern const std::string& Text8014; // Soll-Gruppenadresse
extern const std::string& Text8015; // Adresse (Typ: %s):
extern const std::string& Text8016; // Suchen/Hinzufügen
extern const std::string& Text8017; // Kei&ne Adresse
extern const std::string& Text8018; // Neue Untergruppe
extern const std::string& Text8019; // [%d] Neue Hauptgruppe
extern const std::string& Text8020; // [%d] Neue Mittelgruppe
extern const std::string& Text8021; // Fehlende GA erzeugen

} // namespace Sprcheckga
