<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CSerialComThread</name>
    <message>
        <source>Loading samples</source>
        <translation>Samples laden</translation>
    </message>
    <message>
        <source>Loading samples to a startblock is not possible in wireless mode</source>
        <translation>Das Laden von Samples in einen Startblock ist im Funkbetrieb nicht möglich</translation>
    </message>
    <message>
        <source>Loading samples to %1</source>
        <translation>Samples werden in %1 geladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ColorSetDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Farbschema:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>: Layout</source>
        <translation>: Darstellung</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>aqua</translation>
    </message>
    <message>
        <source>desert</source>
        <translation>Wüste</translation>
    </message>
    <message>
        <source>modern</source>
        <translation>modern</translation>
    </message>
</context>
<context>
    <name>CompetitionsModel</name>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>EventsModel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>Heat</name>
    <message>
        <source>%1 (heat %2)</source>
        <translation>%1 (Lauf %2)</translation>
    </message>
    <message>
        <source>%1 (%2 - heat %3)</source>
        <translation>%1 (%2 - Lauf %3)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Live...</source>
        <translation>Live...</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Competition:</source>
        <translation>Wettkampf:</translation>
    </message>
    <message>
        <source>Race:</source>
        <translation>Rennen:</translation>
    </message>
    <message>
        <source>Show or hide the race info</source>
        <translation>Renninformationen ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>Set all startblocks to idle</source>
        <translation>Alle Startblöcke in Ruhe versetzen</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ruhe</translation>
    </message>
    <message>
        <source>Set all startblocks to ready</source>
        <translation>Alle Startblöcke bereit machen</translation>
    </message>
    <message>
        <source>Ready (F5)</source>
        <translation>Bereit (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Heat:</source>
        <translation>Lauf:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Reading Results:</source>
        <translation>Ergebnisse lesen:</translation>
    </message>
    <message>
        <source>Select common startblock settings</source>
        <translation>Gemeinsame Startblock-Einstellungen wählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Load Sound</source>
        <translation>Startton laden</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Admin</source>
        <translation>&amp;Administrator</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Key assistant</source>
        <translation>Tastenhilfe</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Identify Device</source>
        <translation>Gerät &amp;identifizieren</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Shut&amp;down Devices</source>
        <translation>Geräte a&amp;usschalten</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Reset Race Counter</source>
        <translation>Rennzähler zurücksetzen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Test S&amp;ynchronization</source>
        <translation>S&amp;ynchronisation testen</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Show Live View</source>
        <translation>Live-Ansicht zeigen</translation>
    </message>
    <message>
        <source>Alt+L</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Calibrate Device</source>
        <translation>Gerät kalibrieren</translation>
    </message>
    <message>
        <source>Built In Test</source>
        <translation>Selbsttest</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Please enter administrator password:</source>
        <translation>Bitte das Administratorkennwort eingeben:</translation>
    </message>
    <message>
        <source>: Administrator</source>
        <translation>: Administrator</translation>
    </message>
    <message>
        <source>Administrator password</source>
        <translation>Administratorkennwort</translation>
    </message>
    <message>
        <source>The administrator password is incorrect</source>
        <translation>Das Administratorkennwort ist falsch</translation>
    </message>
    <message>
        <source>: Shutdown all devices</source>
        <translation>: Alle Geräte ausschalten</translation>
    </message>
    <message>
        <source>Do you want to shutdown all devices?</source>
        <translation>Wollen Sie alle Geräte ausschalten?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No GPS signal received for more then 1 hour. No wireless start will be send to Orvane!</source>
        <translation>Seit mehr als 1 Stunde kein GPS-Signal empfangen. Es wird kein drahtloser Start an Orvane gesendet!</translation>
    </message>
    <message>
        <source>: Reset race counter</source>
        <translation>: Rennzähler zurücksetzen</translation>
    </message>
    <message>
        <source>Do you want to reset the race counter?</source>
        <translation>Möchten Sie den Rennzähler zurücksetzen?</translation>
    </message>
    <message>
        <source>File %1 already exists, save as %2</source>
        <translation>Die Datei %1 existiert bereits, gespeichert als %2</translation>
    </message>
    <message>
        <source>The set has more start blocks than a measurement file holds</source>
        <translation>Der Satz hat mehr Startblöcke, als eine Messdatei aufnehmen kann</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Unable to open file %1.</source>
        <translation>Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Save measurement</source>
        <translation>Messung speichern</translation>
    </message>
    <message>
        <source>QLR measurements (*.%1)</source>
        <translation>QLR-Messungen (*.%1)</translation>
    </message>
    <message>
        <source>%1 exists. Are you sure you want to overwrite it?</source>
        <translation>%1 existiert. Möchten Sie die Datei wirklich überschreiben?</translation>
    </message>
    <message>
        <source>QLR measurements (*.%1 *.%2)</source>
        <translation>QLR-Messungen (*.%1 *.%2)</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Messung öffnen</translation>
    </message>
    <message>
        <source>%1 is not a valid measurement file</source>
        <translation>%1 ist keine gültige Messdatei</translation>
    </message>
    <message>
        <source>Add comment</source>
        <translation>Kommentar hinzufügen</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
</context>
<context>
    <name>ParticipationsModel</name>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>club</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>nationality</source>
        <translation>Nationalität</translation>
    </message>
    <message>
        <source>birthdate</source>
        <translation>Geburtsdatum</translation>
    </message>
</context>
<context>
    <name>RaceFiles</name>
    <message>
        <source>Another file took this name meanwhile</source>
        <translation>Inzwischen trägt eine andere Datei diesen Namen</translation>
    </message>
</context>
<context>
    <name>SettingsDistribution</name>
    <message>
        <source>
Waiting on</source>
        <translation>
Warten auf</translation>
    </message>
    <message>
        <source> SB</source>
        <translation> SB</translation>
    </message>
</context>
<context>
    <name>StartBlocksLayoutWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>Alle Graphen</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>All sounds</source>
        <translation>Alle Töne</translation>
    </message>
</context>
<context>
    <name>globals</name>
    <message>
        <source>ACTIVE</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>DQ</source>
        <translation>DQ</translation>
    </message>
    <message>
        <source>INACTIVE</source>
        <translation>INAKTIV</translation>
    </message>
    <message>
        <source>RUP</source>
        <translation>RUP</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>High Power</source>
        <translation>Hohe Leistung</translation>
    </message>
    <message>
        <source>ETSI High Power</source>
        <translation>ETSI Hohe Leistung</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piepton</translation>
    </message>
    <message>
        <source>Bang</source>
        <translation>Knall</translation>
    </message>
    <message>
        <source>Automatic Recall</source>
        <translation>Automatischer Rückruf</translation>
    </message>
    <message>
        <source>Remote (Manual) Recall</source>
        <translation>Fern-(Hand-)Rückruf</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Startblock ON Central unit OFF</source>
        <translation>Startblock EIN Zentrale AUS</translation>
    </message>
    <message>
        <source>Startblock OFF Central unit ON</source>
        <translation>Startblock AUS Zentrale EIN</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Results and graphs</source>
        <translation>Ergebnisse und Graphen</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Professional</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Reading Results:</source>
        <translation>Ergebnisse lesen:</translation>
    </message>
    <message>
        <source>Results Saved</source>
        <translation>Ergebnisse gespeichert</translation>
    </message>
    <message>
        <source>BUSY, wait until all settings are distributed.</source>
        <translation>BESCHÄFTIGT, warten bis alle Einstellungen verteilt sind.</translation>
    </message>
    <message>
        <source>BUSY, wait until all systems are synchronized.</source>
        <translation>BESCHÄFTIGT, warten bis alle Systeme synchronisiert sind.</translation>
    </message>
    <message>
        <source>Central unit sync time loo long before start module sync time</source>
        <translation>Synchronisationszeit der Zentrale zu lange vor der des Startmoduls</translation>
    </message>
    <message>
        <source>Not started packet received after being started</source>
        <translation>Nicht-gestartet-Paket nach dem Start empfangen</translation>
    </message>
    <message>
        <source>No rising edge found of sound, synchronization mismatch?</source>
        <translation>Keine steigende Flanke im Ton gefunden, Synchronisation falsch?</translation>
    </message>
</context>
</TS>
