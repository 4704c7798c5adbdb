#pragma once

#include <string>

// The editor's own texts (ids 9000 to 9327), in code page 1252. They are loaded at static
// initialisation and freed at static finalisation; Init and Fin count their calls, so only the
// first Init loads and only the Fin that balances it frees.
namespace Spredit {

void Init();
void Fin();

extern const std::string& Text9000; // &Schließen
extern const std::string& Text9001; // &Ja
extern const std::string& Text9002; // &Nein
extern const std::string& Text9003; // Automatische Feldaktivierung
extern const std::string& Text9004; // &Automatische Aktivierung
extern const std::string& Text9005; // Zu aktivierendes Feld aus Zeile
extern const std::string& Text9006; // Ü&bernehmen
extern const std::string& Text9007; // &Hinzufügen
extern const std::string& Text9008; // Abbre&chen
extern const std::string& Text9009; // &Löschen
extern const std::string& Text9010; // B&earbeiten
extern const std::string& Text9011; // &Ok
extern const std::string& Text9012; // &Hilfe
extern const std::string& Text9013; // Raumtemperatur-Schaltuhr-Schaltzeiten
extern const std::string& Text9014; // Bearbeiten-Modus
extern const std::string& Text9015; // Schaltuhr-Schaltzeiten
extern const std::string& Text9016; // Bearbeiten-Modus
extern const std::string& Text9017; // Hinweis
extern const std::string& Text9018; // Import
extern const std::string& Text9019; // Speichere Daten...
extern const std::string& Text9020; // Überprüfe Daten...
extern const std::string& Text9021; // Schaltzeiten beim nächsten Download überschreiben
extern const std::string& Text9022; // Anwendung schliessen
extern const std::string& Text9023; // Betriebsmodus
extern const std::string& Text9024; // Datenformat
extern const std::string& Text9025; // Nr.
extern const std::string& Text9026; // Wert
extern const std::string& Text9027; // Tag
extern const std::string& Text9028; // Zeit
extern const std::string& Text9029; // Konvertiere Daten
extern const std::string& Text9030; // Konvertiere Ets-Datenbank Einträge ...
extern const std::string& Text9031; // Erzeuge ETS-Objekte
extern const std::string& Text9032; // Data wurde nicht gespeichert.
extern const std::string& Text9033; // Datenbank Überprüfung erfogreich beendet.
extern const std::string& Text9034; // Datenbank Überprüfung erfolgreich beendet.\nFehler wurden korrigiert.
extern const std::string& Text9035; // Datenbank wurde korrigiert.
extern const std::string& Text9036; // &Zurücksetzen
extern const std::string& Text9037; // Gerät
extern const std::string& Text9038; // DisplayOrder
extern const std::string& Text9039; // Info
extern const std::string& Text9040; // Achtung
extern const std::string& Text9041; // Beim Wiederherstellen der Daten werden alle aktuellen Einstellungen...
extern const std::string& Text9042; // Das Programm wurde nicht ordentlich geschlossen.\nSollen die Daten ...
extern const std::string& Text9043; // Bestätigen
extern const std::string& Text9044; // Dieser Vorgang wird Assoziationen löschen.\nFortfahren?
extern const std::string& Text9045; // Die Parameter der ausgewaehlten Geraete werden global angepasst.\n\...
extern const std::string& Text9046; // Durch diesen Vorgang gehen ALLE parametrierten Daten verloren.\nFor...
extern const std::string& Text9047; // Gerät erzeugen
extern const std::string& Text9048; // Fehler
extern const std::string& Text9049; // Es wurde eine ungültige Gruppenadresse eingegeben!
extern const std::string& Text9050; // Herstellen der Verbindung fehlgeschlagen.
extern const std::string& Text9051; // Ets-Datenbank überprüfen.
extern const std::string& Text9052; // Export
extern const std::string& Text9053; // Mit Gruppenadresse verbinden
extern const std::string& Text9054; // Bitte neue oder existierende\nGruppenadresse eingeben:
extern const std::string& Text9055; // Adresse
extern const std::string& Text9056; // Suchen/Hinzufügen
extern const std::string& Text9057; // Auswählbare Gruppenadressen
extern const std::string& Text9058; // Zugewiesene Gruppenadressen
extern const std::string& Text9059; // Gruppenadresse:
extern const std::string& Text9060; // Diese Gruppenadressen können zur Verbindung mit dem Komm.-Objekt au...
extern const std::string& Text9061; // Diese Gruppenadressen wurden bereits zur Verbindung mit dem Komm.-O...
extern const std::string& Text9062; // Die maximale Anzahl an zuweisbaren\nGruppenadressen ist erreicht!
extern const std::string& Text9063; // Die Gruppenadresse [%s] ist fuer diesen Objekt-Typ nicht geeignet!
extern const std::string& Text9064; // Die Gruppenadresse [%s] wurde nicht gefunden!\n\nSoll diese angeleg...
extern const std::string& Text9065; // Gruppenadresse [%s] konnte nicht angelegt werden!
extern const std::string& Text9066; // konnte nicht angelegt werden
extern const std::string& Text9067; // nicht geeignet
extern const std::string& Text9068; // Fehler beim GAs anlegen
extern const std::string& Text9069; // Objekt ist schon mit einer Gruppenadresse verbunden.
extern const std::string& Text9070; // Verbindung Objekt <-> Gruppenadresse
extern const std::string& Text9071; // Herstellen der Verbindung nicht möglich.\n Objekt hat den falschen ...
extern const std::string& Text9072; // Gruppenadresse nicht erstellt, neu starten
extern const std::string& Text9073; // Minuten
extern const std::string& Text9074; // Optionen
extern const std::string& Text9075; // Datenbank überprüfen
extern const std::string& Text9076; // Automatisch Speichern alle:
extern const std::string& Text9077; // Automatisches Speichern
extern const std::string& Text9078; // Farbeinstellungen
extern const std::string& Text9079; // Tabelle: Allgemeine Felder
extern const std::string& Text9080; // Tabelle: 'Read Only' Felder
extern const std::string& Text9081; // Tabelle: Hintergrund
extern const std::string& Text9082; // Tabelle: Titelfelder
extern const std::string& Text9083; // Vorschau
extern const std::string& Text9084; // Standard Spaltenbreite
extern const std::string& Text9085; // Automatische Spaltenbreite
extern const std::string& Text9086; // Spalten
extern const std::string& Text9087; // Gitternetzlinien anzeigen
extern const std::string& Text9088; // Tabelle
extern const std::string& Text9089; // Optionen
extern const std::string& Text9090; // Wiederherstellen
extern const std::string& Text9091; // Sprache
extern const std::string& Text9092; // Spracheinstellung ändern
extern const std::string& Text9093; // Die Änderungen werden erst nach einem Neustart des Programms wirksam.
extern const std::string& Text9094; // Sprache geändert.
extern const std::string& Text9095; // Die Daten konnten nicht vollständig abgeglichen werden.\nBitte über...
extern const std::string& Text9096; // Beim Speichern der Daten ist ein Fehler aufgetreten.
extern const std::string& Text9097; // Die ETS-Daten konnten nicht erreicht werden.\nEs wird versucht eine...
extern const std::string& Text9098; // Fehler: Datenabgleich
extern const std::string& Text9099; // Fehler
extern const std::string& Text9100; // Beim kopieren des Gerätes sind Fehler aufgetreten.\nDas Gerät konnt...
extern const std::string& Text9101; // Beim Import des Gerätes sind Fehler aufgetreten.\nFolgendes Gerät k...
extern const std::string& Text9102; // Fehler: Beim Daten Import ist ein Fehler aufgetreten. Die vorhanden...
extern const std::string& Text9103; // Beim Abgleich der Daten sind Fehler aufgetreten.
extern const std::string& Text9104; // Die Datenbank konnte nicht repariert werden.\nBitte löschen Sie das...
extern const std::string& Text9105; // Verbindung konnte nicht gelöscht werden.
extern const std::string& Text9106; // Fehler: Paramater wurde nicht in der ETS-Datenbank gefunden.
extern const std::string& Text9107; // Fehler: Parameter konnte nicht aus der ETS-Datenbank gelesen werden.
extern const std::string& Text9108; // Fehler: Parameter konnte nicht in die ETS-Datenbank geschrieben wer...
extern const std::string& Text9109; // Achtung: ETS-Datenbank enthält überzählige Daten.\nObjekt Nr.:
extern const std::string& Text9110; // Achtung: Objekt nicht in der ETS-Datenbank gefunden.\nObjekt Nr.:
extern const std::string& Text9111; // Export Fehler
extern const std::string& Text9112; // Import-Datei nicht gefunden.
extern const std::string& Text9113; // Fehler: Die Importierten Daten konnten nicht vollständig abgegliche...
extern const std::string& Text9114; // Versionskonflikt!\nDie installierte Software kann die Daten nicht l...
extern const std::string& Text9115; // Beim Laden der Gruppendressen ist ein Fehler aufgetreten.
extern const std::string& Text9116; // Fehler beim konvertieren der Gruppenadresse aufgetreten.
extern const std::string& Text9117; // Abgleich der importierten Daten.
extern const std::string& Text9118; // Zeichensatz konnte nicht geladen werden!
extern const std::string& Text9119; // Beim Erzeugen des Objektes ist ein Fehler aufgetreten.
extern const std::string& Text9120; // Objekt nicht gefunden.
extern const std::string& Text9121; // Objekt konnte nicht erzeugt werden.\n Unbekannter Fehler.
extern const std::string& Text9122; // Objekt nicht gefunden.
extern const std::string& Text9123; // Die Registry konnte nicht geöffnet werden.\nBitte überprüfen Sie Ih...
extern const std::string& Text9124; // Einfügen abgebrochen
extern const std::string& Text9125; // Fehler beim Lesen der Datei:
extern const std::string& Text9126; // Die Sprachumschaltung ist fehlgeschlagen.
extern const std::string& Text9127; // Importieren Sie im Zeichensatz-Editor einen gültigen Zeichensatz!
extern const std::string& Text9128; // Unbekannte Version
extern const std::string& Text9129; // Versionsinformation nicht gefunden.
extern const std::string& Text9130; // Fehler beim Schreiben der Datei.
extern const std::string& Text9131; // Wert konnte nicht in die Registry eingetragen werden.\nBitte überpr...
extern const std::string& Text9132; // Falsche Versionsnummer
extern const std::string& Text9133; // %s ist keine gültige Zeitangabe!
extern const std::string& Text9134; // Fehler beim Zugriff auf die ETS Datenbank.
extern const std::string& Text9135; // Erwartet
extern const std::string& Text9136; // Export
extern const std::string& Text9137; // Datei nicht gefunden.
extern const std::string& Text9138; // Gruppenadresse konnte nicht konvertiert werden.
extern const std::string& Text9139; // Unbekannter Versionstyp.
extern const std::string& Text9140; // Gruppenadresse nicht gefunden.
extern const std::string& Text9141; // Die Gruppenadresse wird benutzt von
extern const std::string& Text9142; // Unbekannter Gerätetyp.
extern const std::string& Text9143; // Erwartete Version
extern const std::string& Text9144; // Geben Sie den Namen der Gruppenadresse ein.
extern const std::string& Text9145; // Gruppenadresse anlegen
extern const std::string& Text9146; // Gerätespezifische Texte konnten nicht geladen werden!
extern const std::string& Text9147; // Gruppenadressen
extern const std::string& Text9148; // Lade Daten...
extern const std::string& Text9149; // Import beendet
extern const std::string& Text9150; // Beim Import des Gerätes sind Fehler aufgetreten.\nDas Gerät konnte ...
extern const std::string& Text9151; // Beim Import werden alle aktuellen Daten verworfen.\nFortfahren?
extern const std::string& Text9152; // Die Initialisierung erfolgt ohne weitere Daten.
extern const std::string& Text9153; // Bitte wählen Sie eine Sprache:
extern const std::string& Text9154; // &Benutzerdefiniert
extern const std::string& Text9155; // Betriebsmodus
extern const std::string& Text9156; // Uhrzeit (hh:mm)
extern const std::string& Text9157; // Di
extern const std::string& Text9158; // Do
extern const std::string& Text9159; // Freie Speicherplätze:
extern const std::string& Text9160; // Fr
extern const std::string& Text9161; // Mi
extern const std::string& Text9162; // Mo
extern const std::string& Text9163; // Sa
extern const std::string& Text9164; // So
extern const std::string& Text9165; // Schaltuhr
extern const std::string& Text9166; // &Täglich
extern const std::string& Text9167; // Wochentage
extern const std::string& Text9168; // Uhrzeit
extern const std::string& Text9169; // &Werktage (Mo-Fr)
extern const std::string& Text9170; // Wert
extern const std::string& Text9171; // Wochen&ende
extern const std::string& Text9172; // Letzte Datensicherung
extern const std::string& Text9173; // Lade Daten
extern const std::string& Text9174; // Lade Ets Daten...
extern const std::string& Text9175; // Lade Gruppenadressen...
extern const std::string& Text9176; // &Info
extern const std::string& Text9177; // &Symbole anordnen
extern const std::string& Text9178; // &Beenden
extern const std::string& Text9179; // &Zurück zur Ets
extern const std::string& Text9180; // Alles &Einklappen
extern const std::string& Text9181; // &Kopieren
extern const std::string& Text9182; // &Gerät
extern const std::string& Text9183; // &Bearbeiten
extern const std::string& Text9184; // &Einstellung
extern const std::string& Text9185; // Funktion der Tasten/Wippen anpassen?
extern const std::string& Text9186; // Werte der Parameter der Tasten/Wippenfunktionen anpassen?
extern const std::string& Text9187; // Alles &Ausklappen
extern const std::string& Text9188; // Vorlage-Exp&ortieren...
extern const std::string& Text9189; // &Ansicht
extern const std::string& Text9190; // &Fenster
extern const std::string& Text9191; // &Raumtemperatur-Schaltuhr...
extern const std::string& Text9192; // &Hilfe
extern const std::string& Text9193; // Vorlage-&Importieren...
extern const std::string& Text9194; // Mit &Gruppenadresse verbinden...
extern const std::string& Text9195; // &Vertikal anordnen
extern const std::string& Text9196; // &Optionen...
extern const std::string& Text9197; // &Einfügen
extern const std::string& Text9198; // E&inklappen
extern const std::string& Text9199; // &Ausklappen
extern const std::string& Text9200; // &Drucken...
extern const std::string& Text9201; // &Projektierung
extern const std::string& Text9202; // Neues &Projektierungsfenster
extern const std::string& Text9203; // &Direkthilfe
extern const std::string& Text9204; // Einstellungen zu&rücksetzen...
extern const std::string& Text9205; // Siche&rung wiederherstellen...
extern const std::string& Text9206; // &Schaltuhren...
extern const std::string& Text9207; // Seitenansic&ht
extern const std::string& Text9208; // Drucker&einrichtung...
extern const std::string& Text9209; // &Sprache...
extern const std::string& Text9210; // &Sicherungsdaten jetzt abspeichern
extern const std::string& Text9211; // &Schaltuhr-Editoren
extern const std::string& Text9212; // &Tools
extern const std::string& Text9213; // &Horizontal anordnen
extern const std::string& Text9214; // Ü&berlappend
extern const std::string& Text9215; // &Alle minimieren
extern const std::string& Text9216; // &Verwerfen
extern const std::string& Text9217; // &Vollzugriff
extern const std::string& Text9218; // Bitte installieren Sie eine neue Software.
extern const std::string& Text9219; // Objekt
extern const std::string& Text9220; // Ets-Gerät kopieren
extern const std::string& Text9221; // Ets-Gerät erzeugen
extern const std::string& Text9222; // Ets-Projekt-Import
extern const std::string& Text9223; // Parameter Hilfe
extern const std::string& Text9224; // ParameterValue
extern const std::string& Text9225; // Bitte warten.
extern const std::string& Text9226; // Projekt
extern const std::string& Text9227; // Reset
extern const std::string& Text9228; // Zeichensatz laden
extern const std::string& Text9229; // Gerätespezifische Texte laden
extern const std::string& Text9230; // Frost-/Hitzeschutz
extern const std::string& Text9231; // Komfort-Betrieb
extern const std::string& Text9232; // Nacht-Betrieb
extern const std::string& Text9233; // Automatik-Betrieb
extern const std::string& Text9234; // Standby-Betrieb
extern const std::string& Text9235; // Schaltuhr 1
extern const std::string& Text9236; // Schaltuhr 2
extern const std::string& Text9237; // Raumtemperatur-Schaltuhr
extern const std::string& Text9238; // Datenabgleich mit der Ets...\nBitte warten.
extern const std::string& Text9239; // Start
extern const std::string& Text9240; // Plug-In starten
extern const std::string& Text9241; // Erzeuge Ansicht
extern const std::string& Text9242; // Aktualisiere Ansicht
extern const std::string& Text9243; // Version
extern const std::string& Text9244; // Versions-Überprüfung
extern const std::string& Text9245; // Geräte-Texte konnten nicht geladen werden!
extern const std::string& Text9246; // Projektierung
extern const std::string& Text9247; // Vorhanden
extern const std::string& Text9248; // Der Typ der Gruppenadresse kann nicht dem Objekt zugewiesen werden.
extern const std::string& Text9249; // Wenden Sie sich an den Hersteller!
extern const std::string& Text9250; // Unbekannte Speicherfläche
extern const std::string& Text9251; // &Zeichensatz...
extern const std::string& Text9252; // &Gehe zu Objekt...
extern const std::string& Text9253; // Szene
extern const std::string& Text9254; // Unbekannte Datenquelle
extern const std::string& Text9255; // Initialisierungsfehler
extern const std::string& Text9256; // Die gewünschte Gerätesprache (%s) kann aufgrund \neines internen Fe...
extern const std::string& Text9257; // Geräte auswählen
extern const std::string& Text9258; // Produkt
extern const std::string& Text9259; // Beschreibung
extern const std::string& Text9260; // &Alle
extern const std::string& Text9261; // &Zurück
extern const std::string& Text9262; // &Weiter
extern const std::string& Text9263; // Versions-Überprüfung
extern const std::string& Text9264; // Speichern
extern const std::string& Text9265; // Unbekannter Fehler
extern const std::string& Text9266; // Ausnahme-Fehler
extern const std::string& Text9267; // Erfolgreich geänderte Produkte:
extern const std::string& Text9268; // Nicht geänderte Produkte:
extern const std::string& Text9269; // Gehe zu Objekt
extern const std::string& Text9270; // Objektnummer:
extern const std::string& Text9271; // Download erfolgreich abgeschlossen!
extern const std::string& Text9272; // Download fehlerhaft oder durch Benutzer abgebrochen!
extern const std::string& Text9273; // &Info
extern const std::string& Text9274; // Installierte Module
extern const std::string& Text9275; // Datum
extern const std::string& Text9276; // Name
extern const std::string& Text9277; // Größe
extern const std::string& Text9278; // Zeit
extern const std::string& Text9279; // Version
extern const std::string& Text9280; // Alle Dateien
extern const std::string& Text9281; // Text-Dateien
extern const std::string& Text9282; // &Speichern unter...
extern const std::string& Text9283; // Zeichensatz
extern const std::string& Text9284; // PDF-Dateien
extern const std::string& Text9285; // VPE-Dateien
extern const std::string& Text9286; // In Datei drucken
extern const std::string& Text9287; // &In Datei drucken...
extern const std::string& Text9288; // Produkt nicht bearbeitet
extern const std::string& Text9289; // Produkt nicht kompatibel
extern const std::string& Text9290; // Globale Parameter
extern const std::string& Text9291; // Kennung anzeigen
extern const std::string& Text9292; // Nicht ändern
extern const std::string& Text9293; // Ändern
extern const std::string& Text9294; // &Parameter global anpassen...
extern const std::string& Text9295; // Parameter global anpassen
extern const std::string& Text9296; // Keine gleichartige Parametrierung gefunden!
extern const std::string& Text9297; // Status
extern const std::string& Text9298; // Globale Parameter: Statusbericht
extern const std::string& Text9299; // RTF-Dateien
extern const std::string& Text9300; // Ok
extern const std::string& Text9301; // Parameter auswählen
extern const std::string& Text9302; // Geräte werden angepasst...
extern const std::string& Text9303; // Sicherung der globalen Parameter
extern const std::string& Text9304; // Die globalen Parameter wurden angepasst.
extern const std::string& Text9305; // Beim Anpassen der globalen Parameter ist ein Fehler aufgetreten.
extern const std::string& Text9306; // Es wurde kein Gerät ausgewählt.
extern const std::string& Text9307; // &Fertig stellen
extern const std::string& Text9308; // Statusbericht &speichern...
extern const std::string& Text9309; // Statusbericht &drucken
extern const std::string& Text9310; // Schritt %d von %d
extern const std::string& Text9311; // Gerät %s wird bearbeitet...
extern const std::string& Text9312; // Vorlage exportieren
extern const std::string& Text9313; // Import &mit ETS-Gruppenadressen
extern const std::string& Text9314; // &Import ohne ETS-Gruppenadressen
extern const std::string& Text9315; // Bei dem Import werden aus der Vorlage alle Daten inklusive der verb...
extern const std::string& Text9316; // Die projektieren Daten werden importiert, ETS-Gruppenadressen werde...
extern const std::string& Text9317; // Vorlage importieren
extern const std::string& Text9318; // Import-Optionen
extern const std::string& Text9319; // Talvo %sTastsensor %dfach%s%s%s
extern const std::string& Text9320; // IR-
extern const std::string& Text9321; //  + Display
extern const std::string& Text9322; //  + Uhr
extern const std::string& Text9323; //  + Reglernebenstelle
extern const std::string& Text9324; //  + Szenen
extern const std::string& Text9325; // Gruppenadresse nicht gefunden
extern const std::string& Text9326; // Gruppenadresse
extern const std::string& Text9327; //  mit RTR

} // namespace Spredit
