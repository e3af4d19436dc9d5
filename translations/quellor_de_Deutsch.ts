<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddStartBlockSetDlg</name>
    <message>
        <source>Manage a startblock set</source>
        <translation>Startblocksatz verwalten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>New Set</source>
        <translation>Neuer Satz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Fill in the name of the new start block set:</source>
        <translation>Namen des neuen Startblocksatzes eingeben:</translation>
    </message>
    <message>
        <source>Specify the name of the set you want to add</source>
        <translation>Namen des hinzuzufügenden Satzes angeben</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Bahn:</translation>
    </message>
    <message>
        <source>Specify the lane number of the device (Only startblocks must have a lane, you can leave this blank for a central unit)</source>
        <translation>Bahnnummer des Geräts angeben (nur Startblöcke brauchen eine Bahn; für eine Zentraleinheit leer lassen)</translation>
    </message>
    <message>
        <source>Serialnr (PN):</source>
        <translation>Seriennr. (PN):</translation>
    </message>
    <message>
        <source>Specify the serial number of the device</source>
        <translation>Seriennummer des Geräts angeben</translation>
    </message>
    <message>
        <source>Mark this checkbox if the device is a central unit</source>
        <translation>Aktivieren, wenn das Gerät eine Zentraleinheit ist</translation>
    </message>
    <message>
        <source>Central Unit</source>
        <translation>Zentraleinheit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error in the name of the new set of starting blocks</source>
        <translation>Fehler im Namen des neuen Startblocksatzes</translation>
    </message>
    <message>
        <source>Set &apos;%1&apos;&apos; already exists. You have to fill in a unique name for the new set of starting blocks</source>
        <translation>Satz „%1“ existiert bereits. Sie müssen einen eindeutigen Namen für den neuen Startblocksatz angeben</translation>
    </message>
    <message>
        <source>Error in the serial number of the new starting block</source>
        <translation>Fehler in der Seriennummer des neuen Startblocks</translation>
    </message>
    <message>
        <source>You have to fill in a serial number for the device</source>
        <translation>Sie müssen eine Seriennummer für das Gerät angeben</translation>
    </message>
    <message>
        <source>Serial number %1 already existss. You have to fill in a unique serial number for the device</source>
        <translation>Seriennummer %1 ist bereits vergeben. Sie müssen eine eindeutige Seriennummer für das Gerät angeben</translation>
    </message>
    <message>
        <source>Error in coordinator selection</source>
        <translation>Fehler bei der Auswahl der Zentraleinheit</translation>
    </message>
    <message>
        <source>There is already a starting block selected as coordinator</source>
        <translation>Es ist bereits ein Startblock als Zentraleinheit gewählt</translation>
    </message>
    <message>
        <source>Error in the lane of the new starting block</source>
        <translation>Fehler in der Bahn des neuen Startblocks</translation>
    </message>
    <message>
        <source>Lane %1 already exists. You have to fill in a unique lane for the starting block</source>
        <translation>Bahn %1 ist bereits vergeben. Sie müssen eine eindeutige Bahn für den Startblock angeben</translation>
    </message>
    <message>
        <source>You have to fill in a lane for the starting block</source>
        <translation>Sie müssen eine Bahn für den Startblock angeben</translation>
    </message>
    <message>
        <source>Removing a set of starting blocks</source>
        <translation>Startblocksatz entfernen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove set &apos;%1&apos;</source>
        <translation>Möchten Sie den Satz „%1“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>Removing a coordinator</source>
        <translation>Zentraleinheit entfernen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove coordinator &apos;%1&apos;</source>
        <translation>Möchten Sie die Zentraleinheit „%1“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>Removing a starting blocks</source>
        <translation>Startblock entfernen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove starting block &apos;%1&apos;</source>
        <translation>Möchten Sie den Startblock „%1“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>Import set</source>
        <translation>Satz importieren</translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.xml)</source>
        <translation>eXtensible Markup Language (*.xml)</translation>
    </message>
    <message>
        <source>Opening file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>BusyIndicatorDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>BusyNotice</name>
    <message>
        <source>: Busy</source>
        <translation>: Beschäftigt</translation>
    </message>
</context>
<context>
    <name>CSerialComThread</name>
    <message>
        <source>Loading samples</source>
        <translation>Startton laden</translation>
    </message>
    <message>
        <source>Loading samples to a startblock is not possible in wireless mode</source>
        <translation>Das Laden des Starttons in einen Startblock ist im Funkbetrieb nicht möglich</translation>
    </message>
    <message>
        <source>Loading samples to %1</source>
        <translation>Startton wird in %1 geladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CalibrateDeviceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Press Start to start calibration procedure</source>
        <translation>Starten drücken, um die Kalibrierung zu beginnen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Calibration in progress: wait %1 seconds</source>
        <translation>Kalibrierung läuft: bitte %1 s warten</translation>
    </message>
    <message>
        <source>Calibration finished: %1</source>
        <translation>Kalibrierung abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Cancel closes the window.</source>
        <translation>Abbrechen schließt das Fenster.</translation>
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
    <name>CommonSettingsDistribution</name>
    <message>
        <source>Change setting of startblocks</source>
        <translation>Einstellung der Startblöcke ändern</translation>
    </message>
    <message>
        <source>Are you sure you want to change the settings for all starting blocks</source>
        <translation>Möchten Sie die Einstellungen aller Startblöcke wirklich ändern?</translation>
    </message>
</context>
<context>
    <name>CompetitionsModel</name>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>CoordinatorInfoDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Mac address:</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Headset Volume (%):</source>
        <translation>Kopfhörer-Lautstärke (%):</translation>
    </message>
    <message>
        <source>Audio channel (MHz):</source>
        <translation>Audiokanal (MHz):</translation>
    </message>
    <message>
        <source>Start sound mode:</source>
        <translation>Startton-Modus:</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Modul:</translation>
    </message>
    <message>
        <source>Recall sound mode:</source>
        <translation>Rückruf-Modus:</translation>
    </message>
    <message>
        <source>Recall beeps mode:</source>
        <translation>Rückruf-Pieptöne:</translation>
    </message>
    <message>
        <source>Audio Volume (%):</source>
        <translation>Lautstärke (%):</translation>
    </message>
    <message>
        <source>SW version:</source>
        <translation>SW-Version:</translation>
    </message>
    <message>
        <source>HW version:</source>
        <translation>HW-Version:</translation>
    </message>
    <message>
        <source>Product version:</source>
        <translation>Produktversion:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibrierung:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>TX Power (dBm):</source>
        <translation>Sendeleistung (dBm):</translation>
    </message>
    <message>
        <source>Specify the transmission power of the RF transmitter (-20 min, 10 max)</source>
        <translation>Sendeleistung des Funksenders angeben (min. -20, max. 10)</translation>
    </message>
    <message>
        <source>PanID:</source>
        <translation>PanID:</translation>
    </message>
    <message>
        <source>Specify the Pan ID (Group ID). Devices with the same Pan ID can connect in a network.</source>
        <translation>Pan-ID (Gruppen-ID) angeben. Geräte mit derselben Pan-ID können sich in einem Netz verbinden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Change setting of coordinator</source>
        <translation>Einstellung der Zentraleinheit ändern</translation>
    </message>
    <message>
        <source>Are you sure you want to change the settings of the coordinator</source>
        <translation>Möchten Sie die Einstellungen der Zentraleinheit wirklich ändern?</translation>
    </message>
</context>
<context>
    <name>CoordinatorMeasurementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Alt+Shift+D</source>
        <translation>Alt+Shift+D</translation>
    </message>
    <message>
        <source>Alt+Shift+B</source>
        <translation>Alt+Shift+B</translation>
    </message>
    <message>
        <source>Alt+Shift+I</source>
        <translation>Alt+Shift+I</translation>
    </message>
    <message>
        <source>Display the  measurements of the central unit</source>
        <translation>Die Messwerte der Zentraleinheit anzeigen</translation>
    </message>
    <message>
        <source>Alt+Shift+M</source>
        <translation>Alt+Shift+M</translation>
    </message>
    <message>
        <source>Central Unit:</source>
        <translation>Zentraleinheit:</translation>
    </message>
    <message>
        <source>OV:</source>
        <translation>OV:</translation>
    </message>
    <message>
        <source>VQ:</source>
        <translation>VQ:</translation>
    </message>
</context>
<context>
    <name>CoordinatorMeasurementsStatusDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Batterie:</translation>
    </message>
    <message>
        <source>Start signal:</source>
        <translation>Startsignal:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Central Unit measurements</source>
        <translation>Messwerte der Zentraleinheit</translation>
    </message>
    <message>
        <source>Connected: %1V</source>
        <translation>Verbunden: %1 V</translation>
    </message>
    <message>
        <source>Not connected: %1V</source>
        <translation>Nicht verbunden: %1 V</translation>
    </message>
    <message>
        <source>Unknown: %1V</source>
        <translation>Unbekannt: %1 V</translation>
    </message>
</context>
<context>
    <name>DeviceIdentificationDlg</name>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>PanID:</source>
        <translation>PanID:</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Bahn:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>: Device Identification</source>
        <translation>: Geräteidentifikation</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>ZE</translation>
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
    <name>GraphDisplay</name>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>IAAF time</source>
        <translation>Fehlstartgrenze</translation>
    </message>
    <message>
        <source>Reaction time</source>
        <translation>Reaktionszeit</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
</context>
<context>
    <name>GraphPanel</name>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Graph zooming</source>
        <translation>Grafik zoomen</translation>
    </message>
    <message>
        <source>Maximum graph zooming reached!</source>
        <translation>Maximale Vergrößerung der Grafik erreicht!</translation>
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
    <name>KeyAssistantDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>KeyAssistantTableModel</name>
    <message>
        <source>Select next athlete</source>
        <translation>Nächsten Athleten wählen</translation>
    </message>
    <message>
        <source>Select previous athlete</source>
        <translation>Vorigen Athleten wählen</translation>
    </message>
    <message>
        <source>Set focus on the main window</source>
        <translation>Fokus auf das Hauptfenster setzen</translation>
    </message>
    <message>
        <source>Deselect athlete</source>
        <translation>Athletenauswahl aufheben</translation>
    </message>
    <message>
        <source>Sort results based on lane number</source>
        <translation>Ergebnisse nach Bahnnummer sortieren</translation>
    </message>
    <message>
        <source>Sort results based on reaction time</source>
        <translation>Ergebnisse nach Reaktionszeit sortieren</translation>
    </message>
    <message>
        <source>Set all startblocks to READY</source>
        <translation>Alle Startblöcke bereit machen</translation>
    </message>
    <message>
        <source>Change participation status of selected athlete</source>
        <translation>Teilnahmestatus des gewählten Athleten ändern</translation>
    </message>
    <message>
        <source>Show selected athlete graph</source>
        <translation>Grafik des gewählten Athleten zeigen</translation>
    </message>
    <message>
        <source>Show all athlete graphs</source>
        <translation>Grafiken aller Athleten zeigen</translation>
    </message>
    <message>
        <source>Set previous race</source>
        <translation>Vorheriges Rennen wählen</translation>
    </message>
    <message>
        <source>Set next race</source>
        <translation>Nächstes Rennen wählen</translation>
    </message>
    <message>
        <source>Set previous start</source>
        <translation>Vorherigen Start wählen</translation>
    </message>
    <message>
        <source>Set next start</source>
        <translation>Nächsten Start wählen</translation>
    </message>
    <message>
        <source>Go to administrative mode</source>
        <translation>In den Administratormodus wechseln</translation>
    </message>
    <message>
        <source>Open window for built in test</source>
        <translation>Fenster für den Selbsttest öffnen</translation>
    </message>
    <message>
        <source>Select window layout</source>
        <translation>Darstellung wählen</translation>
    </message>
    <message>
        <source>Open results</source>
        <translation>Ergebnisse öffnen</translation>
    </message>
    <message>
        <source>Show setup properties</source>
        <translation>Eigenschaften zeigen</translation>
    </message>
    <message>
        <source>Reset race counter</source>
        <translation>Rennzähler zurücksetzen</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Display all open tabs</source>
        <translation>Alle offenen Tabs anzeigen</translation>
    </message>
    <message>
        <source>Open key assistant window</source>
        <translation>Tastenhilfe öffnen</translation>
    </message>
    <message>
        <source>Select race</source>
        <translation>Rennen wählen</translation>
    </message>
    <message>
        <source>Hide race info panel</source>
        <translation>Renninformation ausblenden</translation>
    </message>
    <message>
        <source>Go to live tab</source>
        <translation>Zum Live-Tab wechseln</translation>
    </message>
    <message>
        <source>Display current measurements</source>
        <translation>Aktuelle Messwerte anzeigen</translation>
    </message>
    <message>
        <source>Close current tab</source>
        <translation>Aktuellen Tab schließen</translation>
    </message>
    <message>
        <source>Display central unit measurements</source>
        <translation>Messwerte der Zentraleinheit anzeigen</translation>
    </message>
    <message>
        <source>Show common startblock settings</source>
        <translation>Gemeinsame Startblock-Einstellungen zeigen</translation>
    </message>
    <message>
        <source>Show selected startblock logs</source>
        <translation>Log des gewählten Startblocks zeigen</translation>
    </message>
    <message>
        <source>Show selected startblock information</source>
        <translation>Informationen des gewählten Startblocks zeigen</translation>
    </message>
    <message>
        <source>Show selected startblock sound graph</source>
        <translation>Tongrafik des gewählten Startblocks zeigen</translation>
    </message>
    <message>
        <source>Show spectrum of central unit</source>
        <translation>Spektrum der Zentraleinheit zeigen</translation>
    </message>
    <message>
        <source>Show central unit logs</source>
        <translation>Log der Zentraleinheit zeigen</translation>
    </message>
    <message>
        <source>Show central unit information</source>
        <translation>Informationen der Zentraleinheit zeigen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>LoadSampleActions</name>
    <message>
        <source>: Loading sound</source>
        <translation>: Startton laden</translation>
    </message>
    <message>
        <source>Sample size</source>
        <translation>Starttondatei zu groß</translation>
    </message>
    <message>
        <source>The sample you try to load is too large. Please select a smaller sample file</source>
        <translation>Die Starttondatei ist zu groß. Bitte wählen Sie eine kleinere Datei</translation>
    </message>
    <message>
        <source>Sample information</source>
        <translation>Angaben zum Startton</translation>
    </message>
    <message>
        <source>You did not select a sample or the duration was not filled in properly. Please fill in these properties to load a sample file</source>
        <translation>Sie haben keine Starttondatei gewählt oder die Dauer nicht richtig angegeben. Bitte füllen Sie diese Angaben aus, um den Startton zu laden</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dies ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>You have no permission to read the file.</source>
        <translation>Sie haben keine Berechtigung, die Datei zu lesen.</translation>
    </message>
    <message>
        <source>Shutdown devices</source>
        <translation>Geräte ausschalten</translation>
    </message>
</context>
<context>
    <name>LoadSampleDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>File duration (ms):</source>
        <translation>Dauer der Datei (ms):</translation>
    </message>
    <message>
        <source>Select devices</source>
        <translation>Geräte auswählen</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>ZE</translation>
    </message>
    <message>
        <source>Load sample</source>
        <translation>Starttondatei laden</translation>
    </message>
    <message>
        <source>RAW audio file (*.RAW)</source>
        <translation>RAW-Audiodatei (*.RAW)</translation>
    </message>
</context>
<context>
    <name>LoggingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Number of packets received and missed</source>
        <translation>Anzahl empfangener und verpasster Pakete</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Packet nr</source>
        <translation>Paket-Nr.</translation>
    </message>
    <message>
        <source>Sent (ms)</source>
        <translation>Gesendet (ms)</translation>
    </message>
    <message>
        <source>Received (ms)</source>
        <translation>Empfangen (ms)</translation>
    </message>
    <message>
        <source>Delay (ms)</source>
        <translation>Verzögerung (ms)</translation>
    </message>
    <message>
        <source>Packets sent: %1 ; received: %2 ; no reply: %3</source>
        <translation>Pakete gesendet: %1; empfangen: %2; keine Antwort: %3</translation>
    </message>
    <message>
        <source>Average delay: %1ms</source>
        <translation>Mittlere Verzögerung: %1 ms</translation>
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
        <translation>Veranstaltung:</translation>
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
        <translation>Alle Startblöcke in den Grundzustand versetzen</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Grundzustand</translation>
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
        <translation>Ergebnisabruf:</translation>
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
        <translation>Da&amp;tei</translation>
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
        <translation>Möchten Sie alle Geräte ausschalten?</translation>
    </message>
    <message>
        <source>Testing hardware</source>
        <translation>Hardware wird getestet</translation>
    </message>
    <message>
        <source>There is already an open window for testing the hardware</source>
        <translation>Es ist bereits ein Fenster zum Testen der Hardware geöffnet</translation>
    </message>
    <message>
        <source>Testing synchronization</source>
        <translation>Synchronisation wird getestet</translation>
    </message>
    <message>
        <source>There is already an open window for testing synchronization</source>
        <translation>Es ist bereits ein Fenster zum Testen der Synchronisation geöffnet</translation>
    </message>
    <message>
        <source>Close live view</source>
        <translation>Live-Ansicht schließen</translation>
    </message>
    <message>
        <source>You can&apos;t close the live view.</source>
        <translation>Die Live-Ansicht kann nicht geschlossen werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No GPS signal received for more then 1 hour. No wireless start will be send to Orvane!</source>
        <translation>Seit mehr als 1 Stunde kein GPS-Signal empfangen. Es wird kein Funk-Startsignal an Orvane gesendet!</translation>
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
        <translation>Die Datei %1 existiert bereits; sie wird als %2 gespeichert</translation>
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
    <message>
        <source>QLR measurements (*.%1</source>
        <translation>QLR-Messungen (*.%1</translation>
    </message>
    <message>
        <source>%1 was not opened: %2.</source>
        <translation>%1 wurde nicht geöffnet: %2.</translation>
    </message>
    <message>
        <source>Device Identification</source>
        <translation>Geräteidentifikation</translation>
    </message>
    <message>
        <source>The system was unable to identify the device. Please check the power and cabling of the device</source>
        <translation>Das System konnte das Gerät nicht identifizieren. Bitte prüfen Sie die Stromversorgung und die Verkabelung des Geräts</translation>
    </message>
    <message>
        <source>: Connection lost</source>
        <translation>: Verbindung unterbrochen</translation>
    </message>
    <message>
        <source>Once the coordinator is connected again, open Properties and press OK to reconnect it.</source>
        <translation>Sobald die Zentraleinheit wieder angeschlossen ist, öffnen Sie „Eigenschaften“ und klicken Sie auf OK, um die Verbindung wiederherzustellen.</translation>
    </message>
    <message>
        <source>: Testing synchronization</source>
        <translation>: Synchronisationstest</translation>
    </message>
    <message>
        <source>: About</source>
        <translation>: Über</translation>
    </message>
    <message>
        <source>%1

Version %2

Made by %3</source>
        <translation>%1

Version %2

Hersteller: %3</translation>
    </message>
    <message>
        <source>The connection to the coordinator on port %1 was lost: the port was removed or stopped answering.</source>
        <translation>Die Verbindung zur Zentraleinheit am Anschluss %1 ist unterbrochen: Der Anschluss wurde entfernt oder antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>Saving the race before the program ends...</source>
        <translation>Das Rennen wird gespeichert, bevor das Programm endet...</translation>
    </message>
    <message>
        <source>Save and end now</source>
        <translation>Jetzt speichern und beenden</translation>
    </message>
    <message>
        <source>Waiting for the meet server to confirm the results...</source>
        <translation>Warten, bis der Wettkampfserver die Ergebnisse bestätigt...</translation>
    </message>
    <message>
        <source>End now</source>
        <translation>Jetzt beenden</translation>
    </message>
    <message>
        <source>: Results not confirmed</source>
        <translation>: Ergebnisse nicht bestätigt</translation>
    </message>
    <message>
        <source>The athletes of %1 did not come from the meet server</source>
        <translation>Die Athleten von %1 kamen nicht vom Wettkampfserver</translation>
    </message>
    <message>
        <source>The heat chosen, %1, is no longer on the meet server</source>
        <translation>Der gewählte Lauf, %1, ist nicht mehr auf dem Wettkampfserver</translation>
    </message>
</context>
<context>
    <name>MeasurementGraphDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MeasurementGraphWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Reaction time:</source>
        <translation>Reaktionszeit:</translation>
    </message>
    <message>
        <source>...ms</source>
        <translation>...ms</translation>
    </message>
    <message>
        <source>Start source:</source>
        <translation>Startquelle:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Offset (AD):</source>
        <translation>Offset (AD):</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Empfindlichkeit (AD):</translation>
    </message>
    <message>
        <source>E code:</source>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <source>Reaction time (RAW):</source>
        <translation>Reaktionszeit (roh):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>Wireless data</source>
        <translation>Funkdaten</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>MeasurementSoundGraphDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MeasurementSoundGraphWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Empfindlichkeit (AD):</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <source>Wireless data received at time:</source>
        <translation>Funkdaten empfangen um:</translation>
    </message>
    <message>
        <source>Start pulse detected at time:</source>
        <translation>Startimpuls erkannt um:</translation>
    </message>
    <message>
        <source>Start sound detected at time:</source>
        <translation>Startton erkannt um:</translation>
    </message>
</context>
<context>
    <name>MeasurementStatusDisplay</name>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>OpenTabWidget</name>
    <message>
        <source>it is larger than any measurement file</source>
        <translation>sie ist zu groß für eine Messdatei</translation>
    </message>
    <message>
        <source>it is not a measurement file</source>
        <translation>sie ist keine Messdatei</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>ihre Version ist unbekannt</translation>
    </message>
    <message>
        <source>the race header is cut short or damaged</source>
        <translation>der Kopfteil der Renndaten ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>the coordinator&apos;s record is cut short or damaged</source>
        <translation>der Datensatz der Zentraleinheit ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>the number of start blocks is damaged</source>
        <translation>die Anzahl der Startblöcke ist beschädigt</translation>
    </message>
    <message>
        <source>the record of start block %1 is cut short or damaged</source>
        <translation>der Datensatz von Startblock %1 ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>the file ends before start block %1</source>
        <translation>die Datei endet vor Startblock %1</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Kommentar: %1</translation>
    </message>
</context>
<context>
    <name>ParticipationsModel</name>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Mannschaft</translation>
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
    <name>PrintObject</name>
    <message>
        <source>Printer not found</source>
        <translation>Drucker nicht gefunden</translation>
    </message>
    <message>
        <source>The system could not find the %1 printer</source>
        <translation>Das System konnte den Drucker %1 nicht finden</translation>
    </message>
    <message>
        <source>Please install the printer and set it as the default printer</source>
        <translation>Bitte installieren Sie den Drucker und legen Sie ihn als Standarddrucker fest</translation>
    </message>
    <message>
        <source>Race name:</source>
        <translation>Rennname:</translation>
    </message>
    <message>
        <source>Heat number:</source>
        <translation>Laufnummer:</translation>
    </message>
    <message>
        <source>Start number:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Starter name:</source>
        <translation>Name des Starters:</translation>
    </message>
    <message>
        <source>IAAF setting:</source>
        <translation>Fehlstartgrenze:</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FALSE</source>
        <translation>FEHL</translation>
    </message>
    <message>
        <source>Graph:</source>
        <translation>Grafik:</translation>
    </message>
    <message>
        <source>Race name</source>
        <translation>Rennname</translation>
    </message>
    <message>
        <source>Heat number</source>
        <translation>Laufnummer</translation>
    </message>
    <message>
        <source>IAAF setting</source>
        <translation>Fehlstartgr.</translation>
    </message>
    <message>
        <source>%1sec%2</source>
        <translation>%1 s%2</translation>
    </message>
    <message>
        <source>Starter name</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Ready-&gt;Start</source>
        <translation>Bereit&gt;Start</translation>
    </message>
    <message>
        <source>Lane  OK? Signal Time   </source>
        <translation>Bahn  OK? Signal Zeit   </translation>
    </message>
    <message>
        <source>Race number</source>
        <translation>Rennen</translation>
    </message>
</context>
<context>
    <name>ProjectSettingsDlg</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Com port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>Start block set:</source>
        <translation>Startblocksatz:</translation>
    </message>
    <message>
        <source>Manage set</source>
        <translation>Satz verwalten</translation>
    </message>
    <message>
        <source>Results directory:</source>
        <translation>Ergebnisordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Starter name:</source>
        <translation>Name des Starters:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Ticketprinter</source>
        <translation>Bondrucker</translation>
    </message>
    <message>
        <source>Serialprinter</source>
        <translation>Serieller Drucker</translation>
    </message>
    <message>
        <source>Automatic printing:</source>
        <translation>Automatisch drucken:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Central Unit</source>
        <translation>Zentraleinheit</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Select the operation mode</source>
        <translation>Betriebsart wählen</translation>
    </message>
    <message>
        <source>Recall mode:</source>
        <translation>Rückruf-Modus:</translation>
    </message>
    <message>
        <source>Select the mode that the system will use to give a recall</source>
        <translation>Modus wählen, mit dem das System einen Rückruf gibt</translation>
    </message>
    <message>
        <source>Photofinish:</source>
        <translation>Zielfotoanlage:</translation>
    </message>
    <message>
        <source>Select the use of a photofinish device</source>
        <translation>Verwendung einer Zielfotoanlage wählen</translation>
    </message>
    <message>
        <source>Headset volume:</source>
        <translation>Kopfhörer-Lautstärke:</translation>
    </message>
    <message>
        <source>Select the level of the headset sound (37 % to 100 %)</source>
        <translation>Lautstärke des Kopfhörers wählen (37 % bis 100 %)</translation>
    </message>
    <message>
        <source>Startblock</source>
        <translation>Startblock</translation>
    </message>
    <message>
        <source>Start sound:</source>
        <translation>Startton:</translation>
    </message>
    <message>
        <source>Select the sound that will be heared when starting</source>
        <translation>Ton wählen, der beim Start zu hören ist</translation>
    </message>
    <message>
        <source>Recall sound:</source>
        <translation>Rückruf-Pieptöne:</translation>
    </message>
    <message>
        <source>Select the mode to specify if the recall beeps need to be played</source>
        <translation>Modus wählen, der festlegt, ob die Rückruf-Pieptöne abgespielt werden</translation>
    </message>
    <message>
        <source>Sound volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Select the level of the overal sound (37 % to 100 %)</source>
        <translation>Lautstärke wählen (37 % bis 100 %)</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Empfindlichkeit (AD):</translation>
    </message>
    <message>
        <source>Specify the sensitivity of the Wireless Quellor system. E.G. top athletes: 100, juvenile athletes: 32</source>
        <translation>Empfindlichkeit des Wireless-Quellor-Systems angeben. Z. B. Spitzenathleten: 100, Jugendliche: 32</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Results directory</source>
        <translation>Ergebnisordner</translation>
    </message>
    <message>
        <source>Unexisting results directory &apos;%1&apos;
 Please select a new results directory.</source>
        <translation>Ergebnisordner „%1“ existiert nicht
 Bitte wählen Sie einen neuen Ergebnisordner.</translation>
    </message>
    <message>
        <source>Sound volume: %1 %</source>
        <translation>Lautstärke: %1 %</translation>
    </message>
    <message>
        <source>Headset volume: %1 %</source>
        <translation>Kopfhörer-Lautstärke: %1 %</translation>
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
    <name>RaceGapsNote</name>
    <message>
        <source>reaction time</source>
        <translation>Reaktionszeit</translation>
    </message>
    <message>
        <source>reaction graph</source>
        <translation>Reaktionsgrafik</translation>
    </message>
    <message>
        <source>sound graph</source>
        <translation>Tongrafik</translation>
    </message>
    <message>
        <source>lane %1 (%2)</source>
        <translation>Bahn %1 (%2)</translation>
    </message>
    <message>
        <source>%1, heat %2, start %3</source>
        <translation>%1, Lauf %2, Start %3</translation>
    </message>
    <message>
        <source>%1 is saved without: %2</source>
        <translation>%1 wurde gespeichert ohne: %2</translation>
    </message>
</context>
<context>
    <name>ResultPostWatch</name>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the heat&apos;s notice</source>
        <translation>Rennen %1, Lauf %2, Start %3: Der Wettkampfserver hat die Laufmeldung nicht bestätigt</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the result of lane %4 or the heat&apos;s notice</source>
        <translation>Rennen %1, Lauf %2, Start %3: Der Wettkampfserver hat das Ergebnis von Bahn %4 und die Laufmeldung nicht bestätigt</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the result of lane %4</source>
        <translation>Rennen %1, Lauf %2, Start %3: Der Wettkampfserver hat das Ergebnis von Bahn %4 nicht bestätigt</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the results of lanes %4 or the heat&apos;s notice</source>
        <translation>Rennen %1, Lauf %2, Start %3: Der Wettkampfserver hat die Ergebnisse der Bahnen %4 und die Laufmeldung nicht bestätigt</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the results of lanes %4</source>
        <translation>Rennen %1, Lauf %2, Start %3: Der Wettkampfserver hat die Ergebnisse der Bahnen %4 nicht bestätigt</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: not posted to the meet server, its athletes had not come</source>
        <translation>Rennen %1, Lauf %2, Start %3: nicht an den Wettkampfserver gemeldet, die Athleten waren nicht gekommen</translation>
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
    <message>
        <source>CU</source>
        <translation>ZE</translation>
    </message>
</context>
<context>
    <name>SoundGraphDisplay</name>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
</context>
<context>
    <name>Spectrumdlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Selected channel:</source>
        <translation>Gewählter Kanal:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Channel %1: %2
</source>
        <translation>Kanal %1: %2
</translation>
    </message>
</context>
<context>
    <name>StartBlockInfoDlg</name>
    <message>
        <source>Starting Block Info</source>
        <translation>Startblock-Info</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Mac address:</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Empfindlichkeit (AD):</translation>
    </message>
    <message>
        <source>Audio channel (MHz):</source>
        <translation>Audiokanal (MHz):</translation>
    </message>
    <message>
        <source>Stability sensitivity (AD):</source>
        <translation>Stabilitätsempfindlichkeit (AD):</translation>
    </message>
    <message>
        <source>Start sound mode:</source>
        <translation>Startton-Modus:</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Modul:</translation>
    </message>
    <message>
        <source>Recall sound mode:</source>
        <translation>Rückruf-Modus:</translation>
    </message>
    <message>
        <source>Recall beeps mode:</source>
        <translation>Rückruf-Pieptöne:</translation>
    </message>
    <message>
        <source>Audio volume (%):</source>
        <translation>Lautstärke (%):</translation>
    </message>
    <message>
        <source>SW version:</source>
        <translation>SW-Version:</translation>
    </message>
    <message>
        <source>HW version:</source>
        <translation>HW-Version:</translation>
    </message>
    <message>
        <source>Product version:</source>
        <translation>Produktversion:</translation>
    </message>
    <message>
        <source>IAAF time:</source>
        <translation>Fehlstartgrenze:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Bahn:</translation>
    </message>
    <message>
        <source>Specify the lane number of the startblock (1 to 10)</source>
        <translation>Bahnnummer des Startblocks angeben (1 bis 10)</translation>
    </message>
    <message>
        <source>TX Power (dBm):</source>
        <translation>Sendeleistung (dBm):</translation>
    </message>
    <message>
        <source>Specify the transmission power of the RF transmitter (-20 min, 10 max)</source>
        <translation>Sendeleistung des Funksenders angeben (min. -20, max. 10)</translation>
    </message>
    <message>
        <source>PanID:</source>
        <translation>PanID:</translation>
    </message>
    <message>
        <source>Specify the Pan ID (Group ID). Devices with the same Pan ID can connect in a network.</source>
        <translation>Pan-ID (Gruppen-ID) angeben. Geräte mit derselben Pan-ID können sich in einem Netz verbinden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Change settings of %1</source>
        <translation>Einstellungen von %1 ändern</translation>
    </message>
    <message>
        <source>Are you sure you want to change the settings of starting block %1</source>
        <translation>Möchten Sie die Einstellungen des Startblocks %1 wirklich ändern?</translation>
    </message>
</context>
<context>
    <name>StartBlockMeasurementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Change the participation status of an athlete</source>
        <translation>Teilnahmestatus eines Athleten ändern</translation>
    </message>
    <message>
        <source>Display the  measurements of the startblock</source>
        <translation>Die Messwerte des Startblocks anzeigen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Unmatching lane numbers found in set and starting block.</source>
        <translation>Unterschiedliche Bahnnummern in Satz und Startblock gefunden.</translation>
    </message>
    <message>
        <source>Found lane %1 in startblock unit and lane %2 in set. Please select the correct number</source>
        <translation>Bahn %1 im Startblock und Bahn %2 im Satz gefunden. Bitte die richtige Nummer wählen</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Resync startblock</source>
        <translation>Startblock neu synchronisieren</translation>
    </message>
    <message>
        <source>Are you sure you want to resynchronize starting block %1</source>
        <translation>Möchten Sie Startblock %1 wirklich neu synchronisieren?</translation>
    </message>
</context>
<context>
    <name>StartBlockMeasurementsStatusDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Batterie:</translation>
    </message>
    <message>
        <source>Start signal:</source>
        <translation>Startsignal:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Funkstrecke:</translation>
    </message>
    <message>
        <source>Synchronization:</source>
        <translation>Synchronisation:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Startblock measurements</source>
        <translation>Messwerte des Startblocks</translation>
    </message>
    <message>
        <source>Not synchronized</source>
        <translation>Nicht synchronisiert</translation>
    </message>
</context>
<context>
    <name>StartBlockSetTableModel</name>
    <message>
        <source>Lane</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>ZE</translation>
    </message>
</context>
<context>
    <name>StartBlocksCommonSettingsDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tx Power (dBm):</source>
        <translation>Sendeleistung (dBm):</translation>
    </message>
    <message>
        <source>Specify the transmission power of the RF transmitter (-20 min, 10 max).
This value will be distributed to all startblocks.</source>
        <translation>Sendeleistung des Funksenders angeben (min. -20, max. 10).
Dieser Wert wird an alle Startblöcke verteilt.</translation>
    </message>
    <message>
        <source>Audio Channel (MHz):</source>
        <translation>Audiokanal (MHz):</translation>
    </message>
    <message>
        <source>Specify the audio channel that will be used for sending the start signal.</source>
        <translation>Audiokanal angeben, über den das Startsignal gesendet wird.</translation>
    </message>
    <message>
        <source>Accelerometer stability sensitivity (AD):</source>
        <translation>Stabilitätsempfindlichkeit des Beschleunigungssensors (AD):</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Specify the accelero stability sensitivity of the Wireless Quellor system.&lt;/p&gt;&lt;p&gt;This setting is used to evaluate the stability of the accelerometer before going to ready state. (20 to 50)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stabilitätsempfindlichkeit des Beschleunigungssensors des Wireless-Quellor-Systems angeben.&lt;/p&gt;&lt;p&gt;Mit dieser Einstellung wird die Stabilität des Beschleunigungssensors vor dem Bereit-Zustand beurteilt. (20 bis 50)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>IAAF time (ms):</source>
        <translation>Fehlstartgrenze (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>: Common startblock settings</source>
        <translation>: Gemeinsame Startblock-Einstellungen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Lane %1:
	Tx Power (dBm)  : %2
</source>
        <translation>Bahn %1:
	Sendeleistung (dBm)  : %2
</translation>
    </message>
    <message>
        <source>Sensitivity (AD): %1
</source>
        <translation>Empfindlichkeit (AD): %1
</translation>
    </message>
    <message>
        <source>Stability Sens (AD): %1
</source>
        <translation>Stabilitätsempf. (AD): %1
</translation>
    </message>
    <message>
        <source>Channel         : %1
</source>
        <translation>Kanal           : %1
</translation>
    </message>
    <message>
        <source>Operation Mode : %1
</source>
        <translation>Betriebsart : %1
</translation>
    </message>
    <message>
        <source>Start Sound Mode : %1
</source>
        <translation>Startton-Modus : %1
</translation>
    </message>
    <message>
        <source>Recall Sound Mode : %1
</source>
        <translation>Rückruf-Modus : %1
</translation>
    </message>
    <message>
        <source>Recall Beeps Mode : %1
</source>
        <translation>Rückruf-Pieptöne : %1
</translation>
    </message>
    <message>
        <source>Audio Volume (%) : %1
</source>
        <translation>Lautstärke (%) : %1
</translation>
    </message>
    <message>
        <source>IAAF time(ms) : %1
</source>
        <translation>Fehlstartgrenze (ms) : %1
</translation>
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
        <translation>Alle Grafiken</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>All sounds</source>
        <translation>Alle Tongrafiken</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Sort athletes based on the lane number</source>
        <translation>Athleten nach Bahnnummer sortieren</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Sort athletes based on the reaction time</source>
        <translation>Athleten nach Reaktionszeit sortieren</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
</context>
<context>
    <name>StartBlocksSetDelegate</name>
    <message>
        <source>Error in the lane of the new starting block</source>
        <translation>Fehler in der Bahn des neuen Startblocks</translation>
    </message>
    <message>
        <source>You have to fill in a unique lane for the starting block</source>
        <translation>Sie müssen eine eindeutige Bahn für den Startblock angeben</translation>
    </message>
    <message>
        <source>Error in the serial number of the coordinator</source>
        <translation>Fehler in der Seriennummer der Zentraleinheit</translation>
    </message>
    <message>
        <source>You have to fill in a unique serial number for the coordinator</source>
        <translation>Sie müssen eine eindeutige Seriennummer für die Zentraleinheit angeben</translation>
    </message>
    <message>
        <source>Error in the serial number of the starting block</source>
        <translation>Fehler in der Seriennummer des Startblocks</translation>
    </message>
    <message>
        <source>You have to fill in a unique serial number for the starting block</source>
        <translation>Sie müssen eine eindeutige Seriennummer für den Startblock angeben</translation>
    </message>
</context>
<context>
    <name>StartSoundListWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Bahn:</translation>
    </message>
    <message>
        <source>Start Time (ms):</source>
        <translation>Startzeit (ms):</translation>
    </message>
    <message>
        <source>Sound Detected Time (ms):</source>
        <translation>Startton erkannt (ms):</translation>
    </message>
    <message>
        <source>Difference (ms):</source>
        <translation>Differenz (ms):</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>ZE</translation>
    </message>
    <message>
        <source>Resync</source>
        <translation>Neu synchronisieren</translation>
    </message>
</context>
<context>
    <name>StartTimeDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Start number:</source>
        <translation>Nr. des Starts:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Central Unit GPS start time</source>
        <translation>GPS-Startzeiten der Zentraleinheit</translation>
    </message>
</context>
<context>
    <name>StartTimeModel</name>
    <message>
        <source>Start number</source>
        <translation>Nr. des Starts</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
</context>
<context>
    <name>TabSelectorDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>TestHardwareDlg</name>
    <message>
        <source>Lane:</source>
        <translation>Bahn:</translation>
    </message>
    <message>
        <source>Start delay (%1 s)</source>
        <translation>Startverzögerung (%1 s)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Wait until all startblocks are ready</source>
        <translation>Warten, bis alle Startblöcke bereit sind</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Wait for all startblock results</source>
        <translation>Warten auf die Ergebnisse aller Startblöcke</translation>
    </message>
    <message>
        <source>Test finished</source>
        <translation>Test beendet</translation>
    </message>
    <message>
        <source>Press test button to start built in test</source>
        <translation>Test drücken, um den Selbsttest zu starten</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>: Built in test</source>
        <translation>: Selbsttest</translation>
    </message>
    <message>
        <source>Broadcast ready to starting module %1</source>
        <translation>Bereit an Startblock %1 gesendet</translation>
    </message>
</context>
<context>
    <name>TestSynchronisationDlg</name>
    <message>
        <source>Devices:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Aktion:</translation>
    </message>
    <message>
        <source>Press test button to start synchronization test</source>
        <translation>Einzeltest oder Dauertest drücken, um den Synchronisationstest zu starten</translation>
    </message>
    <message>
        <source>Single Test</source>
        <translation>Einzeltest</translation>
    </message>
    <message>
        <source>Repeat Test</source>
        <translation>Dauertest</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Testing synchronization</source>
        <translation>Synchronisation wird getestet</translation>
    </message>
    <message>
        <source>Broadcast ready to all starting blocks</source>
        <translation>Bereit an alle Startblöcke gesendet</translation>
    </message>
    <message>
        <source>Wait until all startblocks are ready</source>
        <translation>Warten, bis alle Startblöcke bereit sind</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Wait for all startblock results</source>
        <translation>Warten auf die Ergebnisse aller Startblöcke</translation>
    </message>
    <message>
        <source>Wait for central unit result</source>
        <translation>Warten auf das Ergebnis der Zentraleinheit</translation>
    </message>
    <message>
        <source>Display results</source>
        <translation>Ergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Running automatic synchronization test</source>
        <translation>Automatischer Synchronisationstest läuft</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>PROTEST</translation>
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
        <translation>ETSI hohe Leistung</translation>
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
        <translation>Schuss</translation>
    </message>
    <message>
        <source>Automatic Recall</source>
        <translation>Automatischer Rückruf</translation>
    </message>
    <message>
        <source>Remote (Manual) Recall</source>
        <translation>Manueller Rückruf (Fernbedienung)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Startblock ON Central unit OFF</source>
        <translation>Startblock ein, Zentraleinheit aus</translation>
    </message>
    <message>
        <source>Startblock OFF Central unit ON</source>
        <translation>Startblock aus, Zentraleinheit ein</translation>
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
        <translation>Ergebnisse und Grafiken</translation>
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
        <translation>Ergebnisabruf:</translation>
    </message>
    <message>
        <source>Results Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>BUSY, wait until all settings are distributed.</source>
        <translation>BESCHÄFTIGT, bitte warten, bis alle Einstellungen verteilt sind.</translation>
    </message>
    <message>
        <source>BUSY, wait until all systems are synchronized.</source>
        <translation>BESCHÄFTIGT, bitte warten, bis alle Systeme synchronisiert sind.</translation>
    </message>
    <message>
        <source>Central unit sync time loo long before start module sync time</source>
        <translation>Synchronisationszeit der Zentraleinheit zu lange vor der des Startblocks</translation>
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
