<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CSerialComThread</name>
    <message>
        <source>Loading samples</source>
        <translation>Samples laden</translation>
    </message>
    <message>
        <source>Loading samples to a startblock is not possible in wireless mode</source>
        <translation>Samples laden naar een startblok is in draadloze modus niet mogelijk</translation>
    </message>
    <message>
        <source>Loading samples to %1</source>
        <translation>Samples laden naar %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CalibrateDeviceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Press Start to start calibration procedure</source>
        <translation>Druk op Start om de kalibratie te beginnen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>ColorSetDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Letterkleur</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rood:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Groen:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blauw:</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Lettertype:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Grootte:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Dikte:</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>: Layout</source>
        <translation>: Opmaak</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>lichtgrijs</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>aqua</translation>
    </message>
    <message>
        <source>desert</source>
        <translation>woestijn</translation>
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
        <translation>naam</translation>
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
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>GraphDisplay</name>
    <message>
        <source>Lane %1</source>
        <translation>Baan %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>IAAF time</source>
        <translation>IAAF-tijd</translation>
    </message>
    <message>
        <source>Reaction time</source>
        <translation>Reactietijd</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Gevoeligheid</translation>
    </message>
</context>
<context>
    <name>GraphPanel</name>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Graph zooming</source>
        <translation>Grafiek zoomen</translation>
    </message>
    <message>
        <source>Maximum graph zooming reached!</source>
        <translation>Maximale zoom van de grafiek bereikt!</translation>
    </message>
</context>
<context>
    <name>Heat</name>
    <message>
        <source>%1 (heat %2)</source>
        <translation>%1 (serie %2)</translation>
    </message>
    <message>
        <source>%1 (%2 - heat %3)</source>
        <translation>%1 (%2 - serie %3)</translation>
    </message>
</context>
<context>
    <name>LoggingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Number of packets received and missed</source>
        <translation>Aantal ontvangen en gemiste pakketten</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Vertraging</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Packet nr</source>
        <translation>Pakketnr.</translation>
    </message>
    <message>
        <source>Sent (ms)</source>
        <translation>Verzonden (ms)</translation>
    </message>
    <message>
        <source>Received (ms)</source>
        <translation>Ontvangen (ms)</translation>
    </message>
    <message>
        <source>Delay (ms)</source>
        <translation>Vertraging (ms)</translation>
    </message>
    <message>
        <source>Packets sent: %1 ; received: %2 ; no reply: %3</source>
        <translation>Pakketten verzonden: %1 ; ontvangen: %2 ; geen antwoord: %3</translation>
    </message>
    <message>
        <source>Average delay: %1ms</source>
        <translation>Gemiddelde vertraging: %1ms</translation>
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
        <translation>Wedstrijd:</translation>
    </message>
    <message>
        <source>Race:</source>
        <translation>Race:</translation>
    </message>
    <message>
        <source>Show or hide the race info</source>
        <translation>Race-informatie tonen of verbergen</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>Set all startblocks to idle</source>
        <translation>Alle startblokken in rust zetten</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Rust</translation>
    </message>
    <message>
        <source>Set all startblocks to ready</source>
        <translation>Alle startblokken gereed zetten</translation>
    </message>
    <message>
        <source>Ready (F5)</source>
        <translation>Gereed (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Heat:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Reading Results:</source>
        <translation>Resultaten lezen:</translation>
    </message>
    <message>
        <source>Select common startblock settings</source>
        <translation>Gemeenschappelijke startblokinstellingen kiezen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuratie</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Over Qt</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Load Sound</source>
        <translation>Startgeluid laden</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Opmaak</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Admin</source>
        <translation>&amp;Beheerder</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Key assistant</source>
        <translation>Toetsenhulp</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschappen</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Identify Device</source>
        <translation>Apparaat &amp;identificeren</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Shut&amp;down Devices</source>
        <translation>Apparaten &amp;uitschakelen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Reset Race Counter</source>
        <translation>Raceteller herstellen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Test S&amp;ynchronization</source>
        <translation>S&amp;ynchronisatie testen</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Show Live View</source>
        <translation>Liveweergave tonen</translation>
    </message>
    <message>
        <source>Alt+L</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Calibrate Device</source>
        <translation>Apparaat kalibreren</translation>
    </message>
    <message>
        <source>Built In Test</source>
        <translation>Zelftest</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Please enter administrator password:</source>
        <translation>Voer het beheerderswachtwoord in:</translation>
    </message>
    <message>
        <source>: Administrator</source>
        <translation>: Beheerder</translation>
    </message>
    <message>
        <source>Administrator password</source>
        <translation>Beheerderswachtwoord</translation>
    </message>
    <message>
        <source>The administrator password is incorrect</source>
        <translation>Het beheerderswachtwoord is onjuist</translation>
    </message>
    <message>
        <source>: Shutdown all devices</source>
        <translation>: Alle apparaten uitschakelen</translation>
    </message>
    <message>
        <source>Do you want to shutdown all devices?</source>
        <translation>Wilt u alle apparaten uitschakelen?</translation>
    </message>
    <message>
        <source>Testing hardware</source>
        <translation>Hardware wordt getest</translation>
    </message>
    <message>
        <source>There is already an open window for testing the hardware</source>
        <translation>Er is al een venster geopend voor het testen van de hardware</translation>
    </message>
    <message>
        <source>Testing synchronization</source>
        <translation>Synchronisatie wordt getest</translation>
    </message>
    <message>
        <source>There is already an open window for testing synchronization</source>
        <translation>Er is al een venster geopend voor het testen van de synchronisatie</translation>
    </message>
</context>
<context>
    <name>MeasurementGraphDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Schermafbeelding</translation>
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
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Reaction time:</source>
        <translation>Reactietijd:</translation>
    </message>
    <message>
        <source>...ms</source>
        <translation>...ms</translation>
    </message>
    <message>
        <source>Start source:</source>
        <translation>Startbron:</translation>
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
        <translation>Gevoeligheid (AD):</translation>
    </message>
    <message>
        <source>E code:</source>
        <translation>Foutcode:</translation>
    </message>
    <message>
        <source>Reaction time (RAW):</source>
        <translation>Reactietijd (ruw):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Wireless data</source>
        <translation>Draadloze gegevens</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>MeasurementSoundGraphDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
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
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Gevoeligheid (AD):</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>Starttijd:</translation>
    </message>
    <message>
        <source>Wireless data received at time:</source>
        <translation>Draadloze gegevens ontvangen om:</translation>
    </message>
    <message>
        <source>Start pulse detected at time:</source>
        <translation>Startpuls gedetecteerd om:</translation>
    </message>
    <message>
        <source>Start sound detected at time:</source>
        <translation>Startgeluid gedetecteerd om:</translation>
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
        <translation>naam</translation>
    </message>
    <message>
        <source>team</source>
        <translation>ploeg</translation>
    </message>
    <message>
        <source>club</source>
        <translation>club</translation>
    </message>
    <message>
        <source>nationality</source>
        <translation>nationaliteit</translation>
    </message>
    <message>
        <source>birthdate</source>
        <translation>geboortedatum</translation>
    </message>
</context>
<context>
    <name>SoundGraphDisplay</name>
    <message>
        <source>Lane %1</source>
        <translation>Baan %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Gevoeligheid</translation>
    </message>
</context>
<context>
    <name>StartBlocksLayoutWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>Alle grafieken</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>All sounds</source>
        <translation>Alle geluiden</translation>
    </message>
</context>
<context>
    <name>StartSoundListWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Baan:</translation>
    </message>
    <message>
        <source>Start Time (ms):</source>
        <translation>Starttijd (ms):</translation>
    </message>
    <message>
        <source>Sound Detected Time (ms):</source>
        <translation>Tijd startsignaal gedetecteerd (ms):</translation>
    </message>
    <message>
        <source>Difference (ms):</source>
        <translation>Verschil (ms):</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>Resync</source>
        <translation>Opnieuw synchroniseren</translation>
    </message>
</context>
<context>
    <name>TestHardwareDlg</name>
    <message>
        <source>Lane:</source>
        <translation>Baan:</translation>
    </message>
    <message>
        <source>Start delay (%1 s)</source>
        <translation>Startvertraging (%1 s)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Wait until all startblocks are ready</source>
        <translation>Wachten tot alle startblokken gereed zijn</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestart</translation>
    </message>
    <message>
        <source>Wait for all startblock results</source>
        <translation>Wachten op de resultaten van alle startblokken</translation>
    </message>
    <message>
        <source>Test finished</source>
        <translation>Test voltooid</translation>
    </message>
    <message>
        <source>Press test button to start built in test</source>
        <translation>Druk op Test om de ingebouwde test te starten</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>: Built in test</source>
        <translation>: Ingebouwde test</translation>
    </message>
</context>
<context>
    <name>TestSynchronisationDlg</name>
    <message>
        <source>Devices:</source>
        <translation>Apparaten:</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Actie:</translation>
    </message>
    <message>
        <source>Press test button to start synchronization test</source>
        <translation>Druk op Test om de synchronisatietest te starten</translation>
    </message>
    <message>
        <source>Single Test</source>
        <translation>Enkele test</translation>
    </message>
    <message>
        <source>Repeat Test</source>
        <translation>Test herhalen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Testing synchronization</source>
        <translation>Synchronisatie wordt getest</translation>
    </message>
    <message>
        <source>Broadcast ready to all starting blocks</source>
        <translation>Gereed naar alle startblokken verzonden</translation>
    </message>
    <message>
        <source>Wait until all startblocks are ready</source>
        <translation>Wachten tot alle startblokken gereed zijn</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestart</translation>
    </message>
    <message>
        <source>Wait for all startblock results</source>
        <translation>Wachten op de resultaten van alle startblokken</translation>
    </message>
    <message>
        <source>Wait for central unit result</source>
        <translation>Wachten op het resultaat van de centrale eenheid</translation>
    </message>
    <message>
        <source>Display results</source>
        <translation>Resultaten tonen</translation>
    </message>
    <message>
        <source>Running automatic synchronization test</source>
        <translation>Automatische synchronisatietest loopt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>globals</name>
    <message>
        <source>ACTIVE</source>
        <translation>ACTIEF</translation>
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
        <translation>INACTIEF</translation>
    </message>
    <message>
        <source>RUP</source>
        <translation>RUP</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>High Power</source>
        <translation>Hoog vermogen</translation>
    </message>
    <message>
        <source>ETSI High Power</source>
        <translation>ETSI hoog vermogen</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Draadloos</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Bedraad</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piep</translation>
    </message>
    <message>
        <source>Bang</source>
        <translation>Knal</translation>
    </message>
    <message>
        <source>Automatic Recall</source>
        <translation>Automatische terugroep</translation>
    </message>
    <message>
        <source>Remote (Manual) Recall</source>
        <translation>Terugroep op afstand (handmatig)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Startblock ON Central unit OFF</source>
        <translation>Startblok AAN centrale unit UIT</translation>
    </message>
    <message>
        <source>Startblock OFF Central unit ON</source>
        <translation>Startblok UIT centrale unit AAN</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Results and graphs</source>
        <translation>Resultaten en grafieken</translation>
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
        <translation>Resultaten lezen:</translation>
    </message>
    <message>
        <source>Results Saved</source>
        <translation>Resultaten opgeslagen</translation>
    </message>
    <message>
        <source>BUSY, wait until all settings are distributed.</source>
        <translation>BEZIG, wacht tot alle instellingen verdeeld zijn.</translation>
    </message>
    <message>
        <source>BUSY, wait until all systems are synchronized.</source>
        <translation>BEZIG, wacht tot alle systemen gesynchroniseerd zijn.</translation>
    </message>
    <message>
        <source>Central unit sync time loo long before start module sync time</source>
        <translation>Synchronisatietijd van de centrale unit te lang voor die van de startmodule</translation>
    </message>
    <message>
        <source>Not started packet received after being started</source>
        <translation>Niet-gestart-pakket ontvangen na de start</translation>
    </message>
    <message>
        <source>No rising edge found of sound, synchronization mismatch?</source>
        <translation>Geen stijgende flank in het geluid gevonden, synchronisatie onjuist?</translation>
    </message>
</context>
</TS>
