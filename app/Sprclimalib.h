#pragma once

#include <string>

// Texts of the room-temperature controller and its extension unit (ids 14000 to 14225), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Sprclimalib {

void Init();
void Fin();

extern const std::string& Text14000; // Heizen
extern const std::string& Text14001; // Kühlen
extern const std::string& Text14002; // Heizen und Kühlen
extern const std::string& Text14003; // Grund- und Zusatzheizen
extern const std::string& Text14004; // Grund- und Zusatzkühlen
extern const std::string& Text14005; // Grund- /Zusatz- Heizen/Kühlen
extern const std::string& Text14006; // Über Wert (Byte)
extern const std::string& Text14007; // Über Schalten (4 x 1 Bit)
extern const std::string& Text14008; // 1 Regelkreis
extern const std::string& Text14009; // 2 Regelkreise
extern const std::string& Text14010; // Nein
extern const std::string& Text14011; // Immer gesperrt
extern const std::string& Text14012; // Automatisch
extern const std::string& Text14013; // Betriebsart vor Reset
extern const std::string& Text14014; // Beim Ändern der Betriebsart
extern const std::string& Text14015; // Beim Ändern der Ausgangsgröße
extern const std::string& Text14016; // Frostschutz-Automatikbetrieb
extern const std::string& Text14017; // Über Fensterstatus
extern const std::string& Text14018; // Aus
extern const std::string& Text14019; // 0,2 K/min
extern const std::string& Text14020; // 0,3 K/min
extern const std::string& Text14021; // 0,4 K/min
extern const std::string& Text14022; // 0,5 K/min
extern const std::string& Text14023; // 0,6 K/min
extern const std::string& Text14024; // Stetige PI-Regelung
extern const std::string& Text14025; // Schaltende PI-Regelung (PWM)
extern const std::string& Text14026; // Schaltende 2-Punkt-Regelung (EIN/AUS)
extern const std::string& Text14027; // Warmwasserheizung (5 K / 150 min)
extern const std::string& Text14028; // Fußbodenheizung (5 K / 240 min)
extern const std::string& Text14029; // Elektroheizung (4 K / 100 min)
extern const std::string& Text14030; // Gebläsekonvektor (4 K / 90 min)
extern const std::string& Text14031; // Split-Unit (4 K / 90 min)
extern const std::string& Text14032; // Über Regelparameter
extern const std::string& Text14033; // Kühldecke (5 K / 240 min)
extern const std::string& Text14034; // Über Objekt
extern const std::string& Text14035; // Regelkreis 1
extern const std::string& Text14036; // Regelkreis 2
extern const std::string& Text14037; // Weitere Einstellungen
extern const std::string& Text14038; // Betriebsmodus-Umschaltung
extern const std::string& Text14039; // Regelkreise
extern const std::string& Text14040; // Betriebsart
extern const std::string& Text14041; // Art der Heizregelung
extern const std::string& Text14042; // Art der Heizung
extern const std::string& Text14043; // Betriebsmodus vor Reset wiederherstellen
extern const std::string& Text14044; // Komfortbetrieb
extern const std::string& Text14045; // Standby-Betrieb
extern const std::string& Text14046; // Nachtbetrieb
extern const std::string& Text14047; // Frost-/Hitzeschutzbetrieb
extern const std::string& Text14048; // Betriebsmodus nach Reset
extern const std::string& Text14049; // Keine
extern const std::string& Text14050; // Präsenztaste
extern const std::string& Text14051; // Präsenzmelder
extern const std::string& Text14052; // Anwesenheitserfassung
extern const std::string& Text14053; // Dauer der Komfortverlängerung (0..255) * 1 min; 0 = aus
extern const std::string& Text14054; // Interner Fühler
extern const std::string& Text14055; // Interner und externer Fühler
extern const std::string& Text14056; // Externer Fühler
extern const std::string& Text14057; // Temperaturerfassung
extern const std::string& Text14058; // 10% zu 90%
extern const std::string& Text14059; // 20% zu 80%
extern const std::string& Text14060; // 30% zu 70%
extern const std::string& Text14061; // 40% zu 60%
extern const std::string& Text14062; // 50% zu 50%
extern const std::string& Text14063; // 60% zu 40%
extern const std::string& Text14064; // 70% zu 30%
extern const std::string& Text14065; // 80% zu 20%
extern const std::string& Text14066; // 90% zu 10%
extern const std::string& Text14067; // Messwertbildung intern zu extern
extern const std::string& Text14068; // Abgleich interner Fühler (-128..127) * 0.1 K
extern const std::string& Text14069; // Abgleich externer Fühler (-128..127) * 0.1 K
extern const std::string& Text14070; // Abfragezeit für externen Fühler (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14071; // Senden bei Raumtemperatur-Änderung um (0..255) * 0.1 K; 0 = kein au...
extern const std::string& Text14072; // Zyklisches Senden der Raumtemperatur (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14073; // Basistemperatur nach Reset (7,0..40,0) * 1 °C
extern const std::string& Text14074; // Änderung der Basis-Sollwertverschiebung dauerhaft übernehmen
extern const std::string& Text14075; // Deaktiviert
extern const std::string& Text14076; // Über Anzeigetasten zulassen
extern const std::string& Text14077; // Über Objekt zulassen
extern const std::string& Text14078; // Über Anzeigetasten und über Objekt zulassen
extern const std::string& Text14079; // Änderung des Sollwertes der Basistemperatur
extern const std::string& Text14080; // Änderung des Sollwertes der Basistemperatur dauerhaft übernehmen
extern const std::string& Text14081; // Änderung der Standby-Temperatur des 1. Regelkreises
extern const std::string& Text14082; // Änderung der Nacht-Temperatur des 1. Regelkreises
extern const std::string& Text14083; // Solltemperatur Frostschutz (7..40) * 1 °C
extern const std::string& Text14084; // Solltemperatur Hitzeschutz (7..45) * 1 °C
extern const std::string& Text14085; // Symmetrisch
extern const std::string& Text14086; // Asymmetrisch
extern const std::string& Text14087; // Totzonenposition
extern const std::string& Text14088; // Totzone zwischen Heizen und Kühlen (0..%d) * 0.1 K
extern const std::string& Text14089; // Senden bei Solltemperatur-Änderung um (0..255) * 0.1 K; 0 = kein au...
extern const std::string& Text14090; // Zyklisches Senden der Solltemperatur (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14091; // Einstellmöglichkeiten der Basis-Solltemperatur nach oben (0..10) * 1 K
extern const std::string& Text14092; // Einstellmöglichkeiten der Basis-Solltemperatur nach unten (-10..0) ...
extern const std::string& Text14093; // Totzonenverschiebung
extern const std::string& Text14094; // Absenken der Solltemperatur im Nacht-Betrieb (Heizen) (%d..0) * 0.1 K
extern const std::string& Text14095; // Absenken der Solltemperatur im Nacht-Betrieb (Heizen - 2. Rk) (%d.....
extern const std::string& Text14096; // Absenken der Solltemperatur im Standby-Betrieb (Heizen) (%d..0) * 0...
extern const std::string& Text14097; // Absenken der Solltemperatur im Standby-Betrieb (Heizen - 2. Rk) (%d...
extern const std::string& Text14098; // Automatisches Senden bei Änderung um  (0..100) * 1%; 0 = inaktiv
extern const std::string& Text14099; // Zeit für ein Stellzyklus (PWM-Periode) (1..255) * 1 min
extern const std::string& Text14100; // Zykluszeit für automatisches Senden (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14101; // Art der Kühlregelung
extern const std::string& Text14102; // Invertiert
extern const std::string& Text14103; // Normal
extern const std::string& Text14104; // Ausgabe der Stellgröße Heizen
extern const std::string& Text14105; // Ausgabe der Stellgröße Kühlen
extern const std::string& Text14106; // Ausgabe der Stellgröße
extern const std::string& Text14107; // Meldung Heizen
extern const std::string& Text14108; // Meldung Kühlen
extern const std::string& Text14109; // Kein Status
extern const std::string& Text14110; // Regler allgemein
extern const std::string& Text14111; // Einzelnen Zustand übertragen
extern const std::string& Text14112; // Status Regler
extern const std::string& Text14113; // Komfortbetrieb aktiv
extern const std::string& Text14114; // Standby-Betrieb aktiv
extern const std::string& Text14115; // Nachtbetrieb aktiv
extern const std::string& Text14116; // Frost-/Hitzeschutz aktiv
extern const std::string& Text14117; // Regler gesperrt
extern const std::string& Text14118; // Heizen / Kühlen
extern const std::string& Text14119; // Regler inaktiv
extern const std::string& Text14120; // Frostalarm
extern const std::string& Text14121; // Einzel Status
extern const std::string& Text14122; // Art der Kühlung
extern const std::string& Text14123; // Proportionalbereich Heizen (10..127) * 0.1 K
extern const std::string& Text14124; // Nachstellzeit Heizen (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14125; // Obere Hysteresegrenze des 2-Punkt-Reglers Heizen (5..127) * 0.1 K
extern const std::string& Text14126; // Untere Hysteresegrenze des 2-Punkt-Reglers Heizen (-128..-5) * 0.1 K
extern const std::string& Text14127; // Proportionalbereich Kühlen (10..127) * 0.1 K
extern const std::string& Text14128; // Nachstellzeit Kühlen (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14129; // Obere Hysteresegrenze des 2-Punkt-Reglers Kühlen (5..127) * 0.1 K
extern const std::string& Text14130; // Untere Hysteresegrenze des 2-Punkt-Reglers Kühlen (-128..-5) * 0.1 K
extern const std::string& Text14131; // Stellgröße Heizen und Kühlen auf ein gemeinsames Objekt senden
extern const std::string& Text14132; // Art der Regelung
extern const std::string& Text14133; // Sperrobjekt Zusatzstufe
extern const std::string& Text14134; // Art der Regelung Grundstufe Heizen
extern const std::string& Text14135; // Art der Grundheizung
extern const std::string& Text14136; // Proportionalbereich Grundheizen (10..127) * 0.1 K
extern const std::string& Text14137; // Nachstellzeit Grundheizen (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14138; // Obere Hysteresegrenze des 2-Punkt-Reglers Grundheizen (5..127) * 0.1 K
extern const std::string& Text14139; // Untere Hysteresegrenze des 2-Punkt-Reglers Grundheizen (-128..-5) *...
extern const std::string& Text14140; // Art der Regelung Zusatzstufe Heizen
extern const std::string& Text14141; // Art der Zusatzheizung
extern const std::string& Text14142; // Proportionalbereich Zusatzheizen (10..127) * 0.1 K
extern const std::string& Text14143; // Nachstellzeit Zusatzheizen (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14144; // Obere Hysteresegrenze des 2-Punkt-Reglers Zusatzheizen (5..127) * 0...
extern const std::string& Text14145; // Untere Hysteresegrenze des 2-Punkt-Reglers Zusatzheizen (-128..-5) ...
extern const std::string& Text14146; // Art der Regelung Grundstufe Kühlen
extern const std::string& Text14147; // Art der Grundkühlung
extern const std::string& Text14148; // Proportionalbereich Grundkühlen (10..127) * 0.1 K
extern const std::string& Text14149; // Nachstellzeit Grundkühlen (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14150; // Obere Hysteresegrenze des 2-Punkt-Reglers Grundkühlen (5..127) * 0.1 K
extern const std::string& Text14151; // Untere Hysteresegrenze des 2-Punkt-Reglers Grundkühlen (-128..-5) *...
extern const std::string& Text14152; // Art der Regelung Zusatzstufe Kühlen
extern const std::string& Text14153; // Art der Zusatzkühlung
extern const std::string& Text14154; // Proportionalbereich Zusatzkühlen (10..127) * 0.1 K
extern const std::string& Text14155; // Nachstellzeit Zusatzkühlen (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14156; // Obere Hysteresegrenze des 2-Punkt-Reglers Zusatzkühlen (5..127) * 0...
extern const std::string& Text14157; // Untere Hysteresegrenze des 2-Punkt-Reglers Zusatzkühlen (-128..-5) ...
extern const std::string& Text14158; // Art der Regelung Grundstufe
extern const std::string& Text14159; // Art der Regelung Zusatzstufe
extern const std::string& Text14160; // Betriebsart der Regelkreise
extern const std::string& Text14161; // Allgemein
extern const std::string& Text14162; // Bedienung Regler sperrbar
extern const std::string& Text14163; // Regler abschalten (Taupunktbetrieb)
extern const std::string& Text14164; // Frost-/Hitzeschutz
extern const std::string& Text14165; // Frostschutz-Automatik
extern const std::string& Text14166; // Frostschutzdauer Automatik Betrieb (1..255) * 1 min
extern const std::string& Text14167; // Verzögerung Fensterstatus (0..255) * 1 min; 0 = inaktiv
extern const std::string& Text14168; // Umschalten zwischen Heizen und Kühlen 
extern const std::string& Text14169; // Automatisches Senden Heizen/Kühlen-Umschaltung
extern const std::string& Text14170; // Zyklisches Senden Heizen/Kühlen-Umschaltung (0..255) * 1 min; 0 = i...
extern const std::string& Text14171; // Betriebsart Heizen/Kühlen nach Reset
extern const std::string& Text14172; // Eigene Sollwerte für den 2. Regelkreis
extern const std::string& Text14173; // Änderung des Sollwertes der Basistemperatur 2. Regelkreis
extern const std::string& Text14174; // Basistemperatur 2. Regelkreis nach Reset (7,0..40,0) * 1 °C
extern const std::string& Text14175; // Stufenabstand von der Grund- zur Zusatzstufe (0..127) * 0.1 K
extern const std::string& Text14176; // Anheben der Solltemperatur im Nacht-Betrieb (Kühlen) (0..%d) * 0.1 K
extern const std::string& Text14177; // Anheben der Solltemperatur im Nacht-Betrieb (Kühlen - 2. Rk) (0..%d...
extern const std::string& Text14178; // Anheben der Solltemperatur im Standby-Betrieb (Kühlen) (0..%d) * 0.1 K
extern const std::string& Text14179; // Anheben der Solltemperatur im Standby-Betrieb (Kühlen - 2. Rk) (0.....
extern const std::string& Text14180; // Ausgabe der Stellgröße Heizen 2. Regelkreis
extern const std::string& Text14181; // Ausgabe der Stellgröße Kühlen 2. Regelkreis
extern const std::string& Text14182; // Ausgabe der Stellgröße Grundstufe Heizen
extern const std::string& Text14183; // Ausgabe der Stellgröße Grundstufe Kühlen
extern const std::string& Text14184; // Ausgabe der Stellgröße Zusatzstufe Heizen
extern const std::string& Text14185; // Ausgabe der Stellgröße Zusatzstufe Kühlen
extern const std::string& Text14186; // Ausgabe der Stellgröße Zusatzstufe
extern const std::string& Text14187; // Ausgabe der Stellgröße Grundstufe
extern const std::string& Text14188; // Raumtemperatur-Schaltuhr
extern const std::string& Text14189; // Ventilschutz
extern const std::string& Text14190; // Invertiert (Sperren = 0)
extern const std::string& Text14191; // Nicht invertiert (Sperren = 1)
extern const std::string& Text14192; // Polarität Sperrobjekt
extern const std::string& Text14193; // Schaltzeiten
extern const std::string& Text14194; // Schaltzeit %d
extern const std::string& Text14195; // Komfortbetrieb ab
extern const std::string& Text14196; // Standby-Betrieb ab
extern const std::string& Text14197; // Nachtbetrieb ab
extern const std::string& Text14198; // Frost-/Hitzeschutz ab
extern const std::string& Text14199; // Änderung der Sollwerte "Kühlen"
extern const std::string& Text14200; // Änderung der Sollwerte "Heizen"
extern const std::string& Text14201; // Art der Präsenzerfassung
extern const std::string& Text14202; // Temperaturalarm über Objekt senden
extern const std::string& Text14203; // Unterer Temperaturwert (0..40) * 1 °C
extern const std::string& Text14204; // Oberer Temperaturwert (0..40) * 1 °C
extern const std::string& Text14205; // Raumtemperatur-Schaltuhr
extern const std::string& Text14206; // Raumtemperaturregler-Funktion
extern const std::string& Text14207; // Funktionalität
extern const std::string& Text14208; // Raumtemperaturmessung
extern const std::string& Text14209; // Sollwerte
extern const std::string& Text14210; // Stellgrößen- und Status-Ausgabe
extern const std::string& Text14211; // Wert anpassen
extern const std::string& Text14212; // Der obere ist kleiner als der untere Temperaturwert !\n\nKorrigiere...
extern const std::string& Text14213; // Der untere ist größer als der obere Temperaturwert!\n\nKorrigieren ...
extern const std::string& Text14214; // Raumtemperatur-Schaltuhr über Objekt sperren
extern const std::string& Text14215; // Art der Präsenzerfassung nicht 'Präsenztaste'!
extern const std::string& Text14216; // Raumtemperatur-Schaltuhr nicht aktiv!
extern const std::string& Text14217; // Reglernebenstellen-Funktion
extern const std::string& Text14218; // Raumtemperaturmessung
extern const std::string& Text14219; // 0,1 K
extern const std::string& Text14220; // 0,5 K
extern const std::string& Text14221; // Wertigkeit der Stufe zur Sollwertverschiebung
extern const std::string& Text14222; // Anzeige der Lüfterstufen verwenden
extern const std::string& Text14223; // Objekttyp zur Lüfterstufenanzeige
extern const std::string& Text14224; // 3 x 1 Bit
extern const std::string& Text14225; // 1 Byte

} // namespace Sprclimalib
