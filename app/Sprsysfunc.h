#pragma once

#include <string>

// Texts of the system, display and date/time data, help files, preview and hardware options (ids 11001 to 11197), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprsysfunc {

void Init();
void Fin();

extern const std::string& Text11001; // Außentemperatur
extern const std::string& Text11002; // Innentemperatur
extern const std::string& Text11003; // Uhrzeit
extern const std::string& Text11004; // Datum
extern const std::string& Text11005; // Solltemperatur
extern const std::string& Text11006; // Betriebsmodus
extern const std::string& Text11007; // Grundanzeige
extern const std::string& Text11008; // Grundanzeige Zeile 1
extern const std::string& Text11009; // Grundanzeige Zeile 2
extern const std::string& Text11010; // Beleuchtung
extern const std::string& Text11011; // Helligkeit der Beleuchtung
extern const std::string& Text11012; // Kontrast
extern const std::string& Text11013; // Ausschaltverzögerung der Beleuchtung (0..255) * 1 s; 0 = immer ein
extern const std::string& Text11014; // Anzeige der Temperatur
extern const std::string& Text11015; // Temperatureinheit
extern const std::string& Text11016; // °C
extern const std::string& Text11017; // °F
extern const std::string& Text11018; // Uhrzeitformat
extern const std::string& Text11019; // 24 Stunden
extern const std::string& Text11020; // 12 Stunden (AM/PM)
extern const std::string& Text11021; // Datumsformat
extern const std::string& Text11022; // TT.MM.JJJJ
extern const std::string& Text11023; // MM/TT/JJJJ
extern const std::string& Text11024; // Zugriff auf Bedienebenen
extern const std::string& Text11025; // Gesperrt
extern const std::string& Text11026; // Freigegeben
extern const std::string& Text11027; // Über Objekt
extern const std::string& Text11028; // Tastsensor-Funktion
extern const std::string& Text11029; // Raumtemperaturregler-Funktion
extern const std::string& Text11030; // Reglernebenstellen-Funktion
extern const std::string& Text11031; // Szenen-Funktion
extern const std::string& Text11032; // Schaltuhr
extern const std::string& Text11033; // Keine
extern const std::string& Text11034; // Eine Schaltuhr
extern const std::string& Text11035; // Zwei Schaltuhren
extern const std::string& Text11036; // Anzahl Tasten
extern const std::string& Text11037; // Tastenanordnung
extern const std::string& Text11038; // Sendeverzögerung nach Busspannungswiederkehr (0..255) * 1 s
extern const std::string& Text11039; // Gerätefunktionen
extern const std::string& Text11040; // Vantu_Deu.hlp
extern const std::string& Text11041; // &Vorschau
extern const std::string& Text11042; // Anzeige
extern const std::string& Text11043; // Firmware
extern const std::string& Text11044; // Firmware-Upgrade
extern const std::string& Text11045; // Zeichensatz-Datei
extern const std::string& Text11046; // Gerätetext-Datei
extern const std::string& Text11047; // Gerätesprache
extern const std::string& Text11048; // Immer im Vordergrund
extern const std::string& Text11049; // Kleine Ansicht
extern const std::string& Text11050; // Vorschau (k&lein)
extern const std::string& Text11051; // Datum/Uhrzeit
extern const std::string& Text11052; // Datum und Uhrzeit senden
extern const std::string& Text11053; // Zyklisches Senden (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text11054; // Lösche ETS-Objekte
extern const std::string& Text11055; // Beim Löschen des Objektes in der ETS ist ein Fehler aufgetreten.
extern const std::string& Text11056; // Physikalische Adresse
extern const std::string& Text11057; // Taste
extern const std::string& Text11058; // Wippe
extern const std::string& Text11059; // Fehler: Initialisierungsdatei
extern const std::string& Text11060; // Initialisierungsdatei wurde nicht gefunden.
extern const std::string& Text11061; // Initialisierungsvorlage
extern const std::string& Text11062; // keine
extern const std::string& Text11063; // Benutzer fragen
extern const std::string& Text11064; // Folgende Datei benutzen:
extern const std::string& Text11065; // Hardware
extern const std::string& Text11066; // Firmware-Datei
extern const std::string& Text11067; // Firmware-Version
extern const std::string& Text11068; // Download
extern const std::string& Text11069; // Beim nächsten Download: &alles übertragen
extern const std::string& Text11070; // Wiederholungen
extern const std::string& Text11071; // Alle Dateien (*.*)|*.*
extern const std::string& Text11072; // Initialisierungsdatei auswählen
extern const std::string& Text11073; // Vorschau
extern const std::string& Text11074; // Vantu_Deu.rtf
extern const std::string& Text11075; // Export beendet
extern const std::string& Text11076; // Export fehlgeschlagen
extern const std::string& Text11077; // Datei existiert bereits.\nÜberschreiben?
extern const std::string& Text11078; // Lade Vorschau...
extern const std::string& Text11079; // Vorschau (&groß)
extern const std::string& Text11080; // Hinweis vor jedem &Firmware-Upgrade anzeigen
extern const std::string& Text11081; // Am &Gerät änderbare Parameter beibehalten
extern const std::string& Text11082; // Am Gerät änderbare Parameter
extern const std::string& Text11083; // Am Gerät änderbare Szenen
extern const std::string& Text11084; // Alle Daten
extern const std::string& Text11085; // Benutzer-Geräteparameter
extern const std::string& Text11086; // Szenen
extern const std::string& Text11087; // Raumtemperatur-Schaltuhr
extern const std::string& Text11088; // Schaltuhr 1
extern const std::string& Text11089; // Schaltuhr 2
extern const std::string& Text11090; // Download-Einstellungen
extern const std::string& Text11091; // Firmware-Upgrade erforderlich.\nFortfahren?
extern const std::string& Text11092; // Die Firmware des Gerätes wird aktualisiert.
extern const std::string& Text11093; // COM-Schnittstelle
extern const std::string& Text11094; // Tonsignal nach Download
extern const std::string& Text11095; // Download fortsetzen
extern const std::string& Text11096; // Verbindung zum Gerät herstellen
extern const std::string& Text11097; // Bitte verbinden Sie das Gerät mit der seriellen Schnittstelle.
extern const std::string& Text11098; // Talvo-Display
extern const std::string& Text11099; // Talvo-Display Konfiguration
extern const std::string& Text11100; // Gerät
extern const std::string& Text11101; // Gerätetyp
extern const std::string& Text11102; // Tastenpaare
extern const std::string& Text11103; // Display
extern const std::string& Text11104; // IR-Empfänger
extern const std::string& Text11105; // Uhr
extern const std::string& Text11106; // vorhanden
extern const std::string& Text11107; // nicht vorhanden
extern const std::string& Text11108; // Anzahl Tastenpaare
extern const std::string& Text11109; // Gerätesprache konnte nicht eingestellt werden.
extern const std::string& Text11110; // Zeichensatz konnte nicht eingestellt werden.
extern const std::string& Text11111; // Firmware-Datei nicht gefunden.
extern const std::string& Text11112; // Firmware-Version unbekannt.
extern const std::string& Text11113; // Geräteparameter beibehalten
extern const std::string& Text11114; // Am &Gerät änderbare Szenen beibehalten
extern const std::string& Text11115; // Rekonstruktion
extern const std::string& Text11116; // Geräteabbild lesen und rekonstruieren
extern const std::string& Text11117; // Das Geräteabbild wird aus dem Gerät gelesen.\nBitte warten.
extern const std::string& Text11118; // Das Geräteabbild konnte nicht gelesen werden.
extern const std::string& Text11119; // Die Daten wurden aus dem Geräteabbild rekonstruiert.
extern const std::string& Text11120; // Die Daten konnten nicht rekonstruiert werden.
extern const std::string& Text11121; // Rekonstruierte Daten in Datei speichern
extern const std::string& Text11122; // Rekonstruktion wird nicht unterstützt.
extern const std::string& Text11123; // Lese Geräteabbild...
extern const std::string& Text11124; // Rekonstruiere Daten...
extern const std::string& Text11125; // Rekonstruktion abgeschlossen.
extern const std::string& Text11126; // Rekonstruktion fehlgeschlagen.
extern const std::string& Text11127; // Beim Rekonstruieren sind Fehler aufgetreten.\nBitte überprüfen Sie ...
extern const std::string& Text11128; // Sollen die aktuellen Daten durch die Daten aus dem Gerät ersetzt we...
extern const std::string& Text11129; // Geräteabbild
extern const std::string& Text11130; // Geräteabbild erstellen
extern const std::string& Text11131; // Erstelle Geräteabbild...
extern const std::string& Text11132; // Geräteabbild wurde erstellt.
extern const std::string& Text11133; // Beim Erstellen des Geräteabbilds ist ein Fehler aufgetreten.
extern const std::string& Text11134; // Lade Geräteabbild...
extern const std::string& Text11135; // Download
extern const std::string& Text11136; // Download erfolgreich.
extern const std::string& Text11137; // Download fehlgeschlagen.
extern const std::string& Text11138; // Physikalische Adresse programmieren
extern const std::string& Text11139; // Bitte drücken Sie die Programmiertaste am Gerät.
extern const std::string& Text11140; // Physikalische Adresse wurde programmiert.
extern const std::string& Text11141; // Physikalische Adresse konnte nicht programmiert werden.
extern const std::string& Text11142; // Gerät auslesen
extern const std::string& Text11143; // Gerät wurde ausgelesen.
extern const std::string& Text11144; // Gerät konnte nicht ausgelesen werden.
extern const std::string& Text11145; // Compiler
extern const std::string& Text11146; // Compiler-Fehler
extern const std::string& Text11147; // Compiler-Datei konnte nicht geschrieben werden.
extern const std::string& Text11148; // Sommerzeit
extern const std::string& Text11149; // Winterzeit
extern const std::string& Text11150; // Automatische Sommer-/Winterzeitumstellung
extern const std::string& Text11151; // Uhrzeit senden
extern const std::string& Text11152; // Datum senden
extern const std::string& Text11153; // Uhrzeit und Datum senden
extern const std::string& Text11154; // Senden bei Änderung
extern const std::string& Text11155; // Zeitmaster
extern const std::string& Text11156; // Zeitslave
extern const std::string& Text11157; // Uhrzeit stellen...
extern const std::string& Text11158; // Uhrzeit des Gerätes
extern const std::string& Text11159; // Stunden
extern const std::string& Text11160; // Minuten
extern const std::string& Text11161; // Sekunden
extern const std::string& Text11162; // Tag
extern const std::string& Text11163; // Monat
extern const std::string& Text11164; // Jahr
extern const std::string& Text11165; // Wochentag
extern const std::string& Text11166; // Montag
extern const std::string& Text11167; // Dienstag
extern const std::string& Text11168; // Mittwoch
extern const std::string& Text11169; // Donnerstag
extern const std::string& Text11170; // Freitag
extern const std::string& Text11171; // Samstag
extern const std::string& Text11172; // Sonntag
extern const std::string& Text11173; // Außentemperatur anzeigen
extern const std::string& Text11174; // Innentemperatur anzeigen
extern const std::string& Text11175; // Solltemperatur anzeigen
extern const std::string& Text11176; // Abfragezeit Außentemperatur (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text11177; // Anzeigetexte
extern const std::string& Text11178; // Anzeigetext %d
extern const std::string& Text11179; // Displaytext
extern const std::string& Text11180; // Zeile 1
extern const std::string& Text11181; // Zeile 2
extern const std::string& Text11182; // Zeichensatz-Editor
extern const std::string& Text11183; // Zeichentabelle
extern const std::string& Text11184; // Zeichen
extern const std::string& Text11185; // Code
extern const std::string& Text11186; // Statusanzeige
extern const std::string& Text11187; // Meldungen
extern const std::string& Text11188; // Meldung %d
extern const std::string& Text11189; // Meldungstext
extern const std::string& Text11190; // Priorität der Meldung
extern const std::string& Text11191; // Alarmmeldung
extern const std::string& Text11192; // Quittierung
extern const std::string& Text11193; // Quittierung über Taste
extern const std::string& Text11194; // Quittierung über Objekt
extern const std::string& Text11195; // Anzeigedauer (0..255) * 1 s; 0 = dauerhaft
extern const std::string& Text11196; // Systemeinstellungen
extern const std::string& Text11197; // Geräteeinstellungen

} // namespace Sprsysfunc
