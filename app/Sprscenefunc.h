#pragma once

#include <string>

// Texts of the scene function (ids 16000 to 16028), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprscenefunc {

void Init();
void Fin();

extern const std::string& Text16000; // Ausgang %d
extern const std::string& Text16001; // Datentyp Ausgang %d
extern const std::string& Text16002; // Werte-Typ Ausgang %d
extern const std::string& Text16003; // Schalten
extern const std::string& Text16004; // Wert (0..255)
extern const std::string& Text16005; // Wert (0..100 %)
extern const std::string& Text16006; // Jalousie
extern const std::string& Text16007; // Deaktiviert
extern const std::string& Text16008; // Ein
extern const std::string& Text16009; // Aus
extern const std::string& Text16010; // Auf
extern const std::string& Text16011; // Ab
extern const std::string& Text16012; // Bezeichnung
extern const std::string& Text16013; // Szene speichern erlauben
extern const std::string& Text16014; // Szenennummer (1..64)
extern const std::string& Text16015; // Maximale Anzahl an Szenen ist erreicht.
extern const std::string& Text16016; // Die Datentypänderung des Ausgangs %d hat in den folgenden\n\rSzenen...
extern const std::string& Text16017; // Soll der Datentyp geändert werden?
extern const std::string& Text16018; // Die Änderung des Werte-Typs des Ausgangs %d hat in den folgenden\n\...
extern const std::string& Text16019; // Soll der Werte-Typ geändert werden?
extern const std::string& Text16020; // Szenen
extern const std::string& Text16021; // Ausgänge
extern const std::string& Text16022; // Anzahl der Ausgänge
extern const std::string& Text16023; // Wert Ausgang %d
extern const std::string& Text16024; // Ausgang aktiv
extern const std::string& Text16025; // Ja
extern const std::string& Text16026; // Nein
extern const std::string& Text16027; // Szene
extern const std::string& Text16028; // Szenen-Funktion

} // namespace Sprscenefunc
