#pragma once

#include <string>

// Texts of the infrared remote control (ids 16500 to 16559), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprremotefunc {

void Init();
void Fin();

extern const std::string& Text16500; // Taste
extern const std::string& Text16501; // Taste %d
extern const std::string& Text16502; // Kanal
extern const std::string& Text16503; // Kanal %d
extern const std::string& Text16504; // Funktion
extern const std::string& Text16505; // Keine Funktion
extern const std::string& Text16506; // Schalten
extern const std::string& Text16507; // Dimmen
extern const std::string& Text16508; // Jalousie
extern const std::string& Text16509; // Szenenabruf
extern const std::string& Text16510; // Wertgeber
extern const std::string& Text16511; // Umschalten
extern const std::string& Text16512; // Ein
extern const std::string& Text16513; // Aus
extern const std::string& Text16514; // Auf
extern const std::string& Text16515; // Ab
extern const std::string& Text16516; // Heller
extern const std::string& Text16517; // Dunkler
extern const std::string& Text16518; // Stopp
extern const std::string& Text16519; // Telegramm bei Tastendruck
extern const std::string& Text16520; // Telegramm beim Loslassen
extern const std::string& Text16521; // Zeit zwischen kurzem und langem Tastendruck (1..255) * 0.1 s
extern const std::string& Text16522; // Dimmschritt
extern const std::string& Text16523; // 100 %
extern const std::string& Text16524; // 50 %
extern const std::string& Text16525; // 25 %
extern const std::string& Text16526; // 12,5 %
extern const std::string& Text16527; // 6 %
extern const std::string& Text16528; // 3 %
extern const std::string& Text16529; // 1,5 %
extern const std::string& Text16530; // Wert (0..255)
extern const std::string& Text16531; // Szenennummer (1..64)
extern const std::string& Text16532; // Szene speichern
extern const std::string& Text16533; // Lamellenverstellung
extern const std::string& Text16534; // Kurz = Lamelle, Lang = Fahren
extern const std::string& Text16535; // Kurz = Fahren, Lang = Lamelle
extern const std::string& Text16536; // Tastenpaar %d
extern const std::string& Text16537; // Tastenpaare
extern const std::string& Text16538; // Einzeltasten
extern const std::string& Text16539; // Tastenanordnung
extern const std::string& Text16540; // Empfang über IR-Empfänger
extern const std::string& Text16541; // IR-Empfänger aktiv
extern const std::string& Text16542; // Adresse der Fernbedienung
extern const std::string& Text16543; // Adresse %d
extern const std::string& Text16544; // Telegramm senden
extern const std::string& Text16545; // Zyklisch senden
extern const std::string& Text16546; // Zykluszeit (0..255) * 1 s; 0 = inaktiv
extern const std::string& Text16547; // Sperrobjekt
extern const std::string& Text16548; // Sperren über Objekt
extern const std::string& Text16549; // Polarität Sperrobjekt
extern const std::string& Text16550; // Invertiert
extern const std::string& Text16551; // Nicht invertiert
extern const std::string& Text16552; // Verhalten bei Sperren
extern const std::string& Text16553; // Verhalten bei Entsperren
extern const std::string& Text16554; // Keine Reaktion
extern const std::string& Text16555; // Wie Tastendruck
extern const std::string& Text16556; // Objekttyp
extern const std::string& Text16557; // 1 Bit
extern const std::string& Text16558; // 1 Byte
extern const std::string& Text16559; // IR-Fernbedienung

} // namespace Sprremotefunc
