#pragma once

#include <string>

// Texts of the communication objects and group addresses (ids 1000 to 1047), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Spraddrlink {

void Init();
void Fin();

extern const std::string& Text1000; // unsichtbar
extern const std::string& Text1001; // 1 Bit
extern const std::string& Text1002; // 2 Bit
extern const std::string& Text1003; // 3 Bit
extern const std::string& Text1004; // 4 Bit
extern const std::string& Text1005; // 5 Bit
extern const std::string& Text1006; // 6 Bit
extern const std::string& Text1007; // 7 Bit
extern const std::string& Text1008; // 1 Byte
extern const std::string& Text1009; // 2 Byte
extern const std::string& Text1010; // 3 Byte
extern const std::string& Text1011; // 4 Byte
extern const std::string& Text1012; // 5 Byte
extern const std::string& Text1013; // 6 Byte
extern const std::string& Text1014; // 7 Byte
extern const std::string& Text1015; // 8 Byte
extern const std::string& Text1016; // 10 Byte
extern const std::string& Text1017; // VARDATA
extern const std::string& Text1018; // unbekannter Objekttyp
extern const std::string& Text1019; // Nummer
extern const std::string& Text1020; // Objektname
extern const std::string& Text1021; // Funktion
extern const std::string& Text1022; // Länge
extern const std::string& Text1023; // Gruppenadressen
extern const std::string& Text1024; // Flags
extern const std::string& Text1025; // K
extern const std::string& Text1026; // L
extern const std::string& Text1027; // S
extern const std::string& Text1028; // Ü
extern const std::string& Text1029; // A
extern const std::string& Text1030; // I
extern const std::string& Text1031; // Kommunikation
extern const std::string& Text1032; // Lesen
extern const std::string& Text1033; // 14 Byte
extern const std::string& Text1034; // Schreiben
extern const std::string& Text1035; // Frei
extern const std::string& Text1036; // Phys.Adr.
extern const std::string& Text1037; // Übertragen
extern const std::string& Text1038; // Aktualisieren
extern const std::string& Text1039; // Lesen bei Init
extern const std::string& Text1040; // Priorität
extern const std::string& Text1041; // Hauptgruppe
extern const std::string& Text1042; // Mittelgruppe
extern const std::string& Text1043; // Untergruppe
extern const std::string& Text1044; // Niedrig
extern const std::string& Text1045; // Hoch
extern const std::string& Text1046; // Alarm
extern const std::string& Text1047; // %s [%s]

} // namespace Spraddrlink
