#pragma once

#include <string>

// Texts of the push-button functions (ids 12000 to 12304), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprlkextmodults {

void Init();
void Fin();

extern const std::string& Text12000; // Lang-Kurz
extern const std::string& Text12001; // Kurz-Lang
extern const std::string& Text12002; // Funktion der Taste
extern const std::string& Text12003; // Funktion der Wippe
extern const std::string& Text12004; // Keine Funktion
extern const std::string& Text12005; // Schalten
extern const std::string& Text12006; // Dimmen
extern const std::string& Text12007; // Jalousie
extern const std::string& Text12008; // Audiosteuerung
extern const std::string& Text12009; // Szenennebenstelle
extern const std::string& Text12010; // Wertgeber
extern const std::string& Text12011; // Analog-Wertgeber
extern const std::string& Text12012; // Reglerbedienung
extern const std::string& Text12013; // Raumtemperatur-Schaltuhr
extern const std::string& Text12014; // Schaltuhr-Bedienung
extern const std::string& Text12015; // Zwei Telegramme
extern const std::string& Text12016; // Reglernebenstelle
extern const std::string& Text12017; // Sollwertverschiebung
extern const std::string& Text12018; // Universalwertgeber
extern const std::string& Text12019; // Befehl beim Drücken
extern const std::string& Text12020; // Befehl beim Loslassen
extern const std::string& Text12021; // Keine Reaktion
extern const std::string& Text12022; // Ein
extern const std::string& Text12023; // Aus
extern const std::string& Text12024; // Um
extern const std::string& Text12025; // Heller
extern const std::string& Text12026; // Dunkler
extern const std::string& Text12027; // Heller/Dunkler
extern const std::string& Text12028; // Auf
extern const std::string& Text12029; // Ab
extern const std::string& Text12030; // Auf/Ab
extern const std::string& Text12031; // Stopp
extern const std::string& Text12032; // Bedienkonzept
extern const std::string& Text12033; // Kurz-Lang-Kurz
extern const std::string& Text12034; // Zeit zwischen kurzem und langem Tastendruck (1..255) * 0.1 s
extern const std::string& Text12035; // Lamellenverstellzeit (0..255) * 0.1 s
extern const std::string& Text12036; // Dimmschrittweite
extern const std::string& Text12037; // 100 %
extern const std::string& Text12038; // 50 %
extern const std::string& Text12039; // 25 %
extern const std::string& Text12040; // 12,5 %
extern const std::string& Text12041; // 6 %
extern const std::string& Text12042; // 3 %
extern const std::string& Text12043; // 1,5 %
extern const std::string& Text12044; // Stopp-Telegramm senden
extern const std::string& Text12045; // Telegrammwiederholung
extern const std::string& Text12046; // Zeit zwischen zwei Telegrammen (1..255) * 0.1 s
extern const std::string& Text12047; // Obere Taste
extern const std::string& Text12048; // Untere Taste
extern const std::string& Text12049; // Linke Taste
extern const std::string& Text12050; // Rechte Taste
extern const std::string& Text12051; // Wippe oben
extern const std::string& Text12052; // Wippe unten
extern const std::string& Text12053; // Wippe links
extern const std::string& Text12054; // Wippe rechts
extern const std::string& Text12055; // Taste oben: Ein, Taste unten: Aus
extern const std::string& Text12056; // Taste oben: Aus, Taste unten: Ein
extern const std::string& Text12057; // Taste oben: Heller, Taste unten: Dunkler
extern const std::string& Text12058; // Taste oben: Dunkler, Taste unten: Heller
extern const std::string& Text12059; // Taste oben: Auf, Taste unten: Ab
extern const std::string& Text12060; // Taste oben: Ab, Taste unten: Auf
extern const std::string& Text12061; // Objekttyp
extern const std::string& Text12062; // 1 Bit
extern const std::string& Text12063; // 2 Bit
extern const std::string& Text12064; // 4 Bit
extern const std::string& Text12065; // 1 Byte
extern const std::string& Text12066; // 2 Byte
extern const std::string& Text12067; // Wert beim Drücken
extern const std::string& Text12068; // Wert beim Loslassen
extern const std::string& Text12069; // Wert (0..255)
extern const std::string& Text12070; // Wert (0..100 %)
extern const std::string& Text12071; // Wert (-128..127)
extern const std::string& Text12072; // Wert (0..65535)
extern const std::string& Text12073; // Wert (-32768..32767)
extern const std::string& Text12074; // Gleitkommawert
extern const std::string& Text12075; // Temperaturwert (°C)
extern const std::string& Text12076; // Helligkeitswert (Lux)
extern const std::string& Text12077; // Wert 1
extern const std::string& Text12078; // Wert 2
extern const std::string& Text12079; // Telegramm 1
extern const std::string& Text12080; // Telegramm 2
extern const std::string& Text12081; // Objekttyp Telegramm 1
extern const std::string& Text12082; // Objekttyp Telegramm 2
extern const std::string& Text12083; // Verzögerung zwischen den Telegrammen (0..255) * 0.1 s
extern const std::string& Text12084; // Szenennummer (1..64)
extern const std::string& Text12085; // Szene speichern
extern const std::string& Text12086; // Szene speichern bei langem Tastendruck
extern const std::string& Text12087; // Nur Szene abrufen
extern const std::string& Text12088; // Zeit für Szene speichern (1..255) * 0.1 s
extern const std::string& Text12089; // Wertgeber-Typ
extern const std::string& Text12090; // Dimmwertgeber
extern const std::string& Text12091; // Temperaturwertgeber
extern const std::string& Text12092; // Helligkeitswertgeber
extern const std::string& Text12093; // Schrittweite
extern const std::string& Text12094; // Schrittweite (1..255)
extern const std::string& Text12095; // Startwert
extern const std::string& Text12096; // Minimalwert
extern const std::string& Text12097; // Maximalwert
extern const std::string& Text12098; // Verstellung über langen Tastendruck
extern const std::string& Text12099; // Zeit zwischen zwei Wertänderungen (1..255) * 0.1 s
extern const std::string& Text12100; // Wert beim Überschreiten der Grenze beibehalten
extern const std::string& Text12101; // Audiofunktion
extern const std::string& Text12102; // Lauter
extern const std::string& Text12103; // Leiser
extern const std::string& Text12104; // Nächster Titel
extern const std::string& Text12105; // Vorheriger Titel
extern const std::string& Text12106; // Wiedergabe/Pause
extern const std::string& Text12107; // Stummschalten
extern const std::string& Text12108; // Quelle wählen
extern const std::string& Text12109; // Lautstärke
extern const std::string& Text12110; // Titel
extern const std::string& Text12111; // Sender
extern const std::string& Text12112; // Sollwertverschiebung Schrittweite
extern const std::string& Text12113; // 0,5 K
extern const std::string& Text12114; // 1 K
extern const std::string& Text12115; // Anheben
extern const std::string& Text12116; // Absenken
extern const std::string& Text12117; // Anheben/Absenken
extern const std::string& Text12118; // Betriebsmodus
extern const std::string& Text12119; // Komfortbetrieb
extern const std::string& Text12120; // Standby-Betrieb
extern const std::string& Text12121; // Nachtbetrieb
extern const std::string& Text12122; // Frost-/Hitzeschutzbetrieb
extern const std::string& Text12123; // Umschalten Komfort/Standby
extern const std::string& Text12124; // Umschalten Komfort/Nacht
extern const std::string& Text12125; // Präsenztaste
extern const std::string& Text12126; // Betriebsmodus über Wert (Byte)
extern const std::string& Text12127; // Betriebsmodus über Schalten (1 Bit)
extern const std::string& Text12128; // Reglerbedienung Funktion
extern const std::string& Text12129; // Reglernebenstelle Funktion
extern const std::string& Text12130; // Schaltuhr aktivieren
extern const std::string& Text12131; // Schaltuhr deaktivieren
extern const std::string& Text12132; // Schaltuhr umschalten
extern const std::string& Text12133; // Schaltuhr 1
extern const std::string& Text12134; // Schaltuhr 2
extern const std::string& Text12135; // Beide Schaltuhren
extern const std::string& Text12136; // Raumtemperatur-Schaltuhr aktivieren
extern const std::string& Text12137; // Raumtemperatur-Schaltuhr deaktivieren
extern const std::string& Text12138; // Raumtemperatur-Schaltuhr umschalten
extern const std::string& Text12139; // Jalousie-Typ
extern const std::string& Text12140; // Jalousie mit Lamellen
extern const std::string& Text12141; // Rollladen
extern const std::string& Text12142; // Markise
extern const std::string& Text12143; // Lamelle auf
extern const std::string& Text12144; // Lamelle zu
extern const std::string& Text12145; // Fahren auf
extern const std::string& Text12146; // Fahren ab
extern const std::string& Text12147; // Kurz = Lamelle, Lang = Fahren
extern const std::string& Text12148; // Kurz = Fahren, Lang = Lamelle
extern const std::string& Text12149; // Nur Fahren
extern const std::string& Text12150; // Nur Lamelle
extern const std::string& Text12151; // Fahrzeit (1..255) * 1 s
extern const std::string& Text12152; // Dimmfunktion
extern const std::string& Text12153; // Ein/Aus und Dimmen
extern const std::string& Text12154; // Nur Dimmen
extern const std::string& Text12155; // Dimmen mit Stopp-Telegramm
extern const std::string& Text12156; // Dimmen ohne Stopp-Telegramm
extern const std::string& Text12157; // Einschalten bei kurzem Tastendruck
extern const std::string& Text12158; // Ausschalten bei kurzem Tastendruck
extern const std::string& Text12159; // Umschalten bei kurzem Tastendruck
extern const std::string& Text12160; // Heller dimmen bei langem Tastendruck
extern const std::string& Text12161; // Dunkler dimmen bei langem Tastendruck
extern const std::string& Text12162; // Umschalten der Dimmrichtung
extern const std::string& Text12163; // Helligkeitswert beim Einschalten
extern const std::string& Text12164; // Letzter Wert
extern const std::string& Text12165; // Schaltfunktion
extern const std::string& Text12166; // Einschalten
extern const std::string& Text12167; // Ausschalten
extern const std::string& Text12168; // Umschalten
extern const std::string& Text12169; // Ein beim Drücken, Aus beim Loslassen
extern const std::string& Text12170; // Aus beim Drücken, Ein beim Loslassen
extern const std::string& Text12171; // Zwangsführung
extern const std::string& Text12172; // Zwangsführung Ein
extern const std::string& Text12173; // Zwangsführung Aus
extern const std::string& Text12174; // Zwangsführung beenden
extern const std::string& Text12175; // Priorität
extern const std::string& Text12176; // Sperrfunktion
extern const std::string& Text12177; // Sperrobjekt
extern const std::string& Text12178; // Sperren über Objekt
extern const std::string& Text12179; // Polarität Sperrobjekt
extern const std::string& Text12180; // Sperren = 1
extern const std::string& Text12181; // Sperren = 0
extern const std::string& Text12182; // Verhalten bei Sperren
extern const std::string& Text12183; // Verhalten bei Entsperren
extern const std::string& Text12184; // Keine Änderung
extern const std::string& Text12185; // Wie Drücken
extern const std::string& Text12186; // Wie Loslassen
extern const std::string& Text12187; // Wert senden
extern const std::string& Text12188; // Tastensperre
extern const std::string& Text12189; // Alle Tasten sperren
extern const std::string& Text12190; // Einzelne Tasten sperren
extern const std::string& Text12191; // Taste %d sperren
extern const std::string& Text12192; // Wippe %d sperren
extern const std::string& Text12193; // Sperrverhalten
extern const std::string& Text12194; // Gesperrte Tasten
extern const std::string& Text12195; // Tastenpaar %d
extern const std::string& Text12196; // Tastenpaar 1
extern const std::string& Text12197; // Tastenpaar 2
extern const std::string& Text12198; // Tastenpaar 3
extern const std::string& Text12199; // Tastenpaar 4
extern const std::string& Text12200; // Tastenpaar 5
extern const std::string& Text12201; // Zwei Einzeltasten
extern const std::string& Text12202; // Wippe
extern const std::string& Text12203; // Betätigungsart
extern const std::string& Text12204; // Einzeltaste
extern const std::string& Text12205; // Tastenfunktion
extern const std::string& Text12206; // Wippenfunktion
extern const std::string& Text12207; // Funktion ändern
extern const std::string& Text12208; // Die Funktion der Taste wird geändert.\nAlle Einstellungen der bishe...
extern const std::string& Text12209; // Die Funktion der Wippe wird geändert.\nAlle Einstellungen der bishe...
extern const std::string& Text12210; // Fortfahren?
extern const std::string& Text12211; // Tastenbeschriftung
extern const std::string& Text12212; // Beschriftung
extern const std::string& Text12213; // Tastenhilfe
extern const std::string& Text12214; // Tastenhilfe anzeigen
extern const std::string& Text12215; // Hilfetext Zeile 1
extern const std::string& Text12216; // Hilfetext Zeile 2
extern const std::string& Text12217; // Hilfetext oben
extern const std::string& Text12218; // Hilfetext unten
extern const std::string& Text12219; // Tastenhilfe über Display
extern const std::string& Text12220; // Anzeigedauer der Tastenhilfe (1..255) * 1 s
extern const std::string& Text12221; // Symbol
extern const std::string& Text12222; // Kein Symbol
extern const std::string& Text12223; // Glühbirne
extern const std::string& Text12224; // Fenster
extern const std::string& Text12225; // Heizung
extern const std::string& Text12226; // Szene
extern const std::string& Text12227; // Musik
extern const std::string& Text12228; // Uhr
extern const std::string& Text12229; // Pfeil auf
extern const std::string& Text12230; // Pfeil ab
extern const std::string& Text12231; // Pfeil links
extern const std::string& Text12232; // Pfeil rechts
extern const std::string& Text12233; // Plus
extern const std::string& Text12234; // Minus
extern const std::string& Text12235; // Ein/Aus
extern const std::string& Text12236; // Benutzerdefiniert
extern const std::string& Text12237; // Tastenanordnung
extern const std::string& Text12238; // Senkrecht
extern const std::string& Text12239; // Waagerecht
extern const std::string& Text12240; // Anzahl Tastenpaare
extern const std::string& Text12241; // Tastsensor
extern const std::string& Text12242; // Tasten
extern const std::string& Text12243; // Wippen
extern const std::string& Text12244; // Tastenpaar-Modus
extern const std::string& Text12245; // Bedienmodus
extern const std::string& Text12246; // Tastsensor-Funktion
extern const std::string& Text12247; // Bedienung
extern const std::string& Text12248; // Sperren
extern const std::string& Text12249; // Status Wippe
extern const std::string& Text12250; // Status-LED
extern const std::string& Text12251; // Funktion der Status-LED
extern const std::string& Text12252; // Immer aus
extern const std::string& Text12253; // Immer ein
extern const std::string& Text12254; // Statusanzeige über Objekt
extern const std::string& Text12255; // Statusanzeige invertiert über Objekt
extern const std::string& Text12256; // Betätigungsanzeige
extern const std::string& Text12257; // Orientierungslicht
extern const std::string& Text12258; // Blinken
extern const std::string& Text12259; // Blinken über Objekt
extern const std::string& Text12260; // Helligkeit der Status-LED
extern const std::string& Text12261; // Hell
extern const std::string& Text12262; // Mittel
extern const std::string& Text12263; // Dunkel
extern const std::string& Text12264; // Farbe der Status-LED
extern const std::string& Text12265; // Rot
extern const std::string& Text12266; // Grün
extern const std::string& Text12267; // Gelb
extern const std::string& Text12268; // Blau
extern const std::string& Text12269; // Weiß
extern const std::string& Text12270; // Blinkfrequenz
extern const std::string& Text12271; // Langsam
extern const std::string& Text12272; // Schnell
extern const std::string& Text12273; // Status-LED Taste %d
extern const std::string& Text12274; // Status-LED Wippe %d
extern const std::string& Text12275; // LED-Anzeige bei Betätigung (0..255) * 0.1 s
extern const std::string& Text12276; // Statusobjekt
extern const std::string& Text12277; // Statusobjekt verwenden
extern const std::string& Text12278; // Status lesen nach Reset
extern const std::string& Text12279; // Statuswert
extern const std::string& Text12280; // Status Ein
extern const std::string& Text12281; // Status Aus
extern const std::string& Text12282; // Objekt für Status
extern const std::string& Text12283; // Statusrückmeldung
extern const std::string& Text12284; // Rückmeldeobjekt
extern const std::string& Text12285; // Schaltobjekt
extern const std::string& Text12286; // Dimmobjekt
extern const std::string& Text12287; // Wertobjekt
extern const std::string& Text12288; // Kurzzeitobjekt
extern const std::string& Text12289; // Langzeitobjekt
extern const std::string& Text12290; // Fahrobjekt
extern const std::string& Text12291; // Lamellenobjekt
extern const std::string& Text12292; // Szenenobjekt
extern const std::string& Text12293; // Sperrobjekt Taste
extern const std::string& Text12294; // Sperrobjekt Wippe
extern const std::string& Text12295; // Telegramm Ein/Aus
extern const std::string& Text12296; // Telegramm Heller/Dunkler
extern const std::string& Text12297; // Telegramm Auf/Ab
extern const std::string& Text12298; // Telegramm Stopp/Lamelle
extern const std::string& Text12299; // Telegramm Wert
extern const std::string& Text12300; // Status Taste
extern const std::string& Text12301; // Status Wippe %d
extern const std::string& Text12302; // Status Taste %d
extern const std::string& Text12303; // Funktion der Taste %d
extern const std::string& Text12304; // Funktion der Wippe %d

} // namespace Sprlkextmodults
