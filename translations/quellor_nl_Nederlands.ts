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
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>No GPS signal received for more then 1 hour. No wireless start will be send to Orvane!</source>
        <translation>Al meer dan 1 uur geen GPS-signaal ontvangen. Er wordt geen draadloze start naar Orvane verzonden!</translation>
    </message>
    <message>
        <source>: Reset race counter</source>
        <translation>: Raceteller herstellen</translation>
    </message>
    <message>
        <source>Do you want to reset the race counter?</source>
        <translation>Wilt u de raceteller herstellen?</translation>
    </message>
    <message>
        <source>File %1 already exists, save as %2</source>
        <translation>Bestand %1 bestaat al, opgeslagen als %2</translation>
    </message>
    <message>
        <source>The set has more start blocks than a measurement file holds</source>
        <translation>De set heeft meer startblokken dan een meetbestand kan bevatten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Unable to open file %1.</source>
        <translation>Kan bestand %1 niet openen.</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Save measurement</source>
        <translation>Meting opslaan</translation>
    </message>
    <message>
        <source>QLR measurements (*.%1)</source>
        <translation>QLR-metingen (*.%1)</translation>
    </message>
    <message>
        <source>%1 exists. Are you sure you want to overwrite it?</source>
        <translation>%1 bestaat al. Weet u zeker dat u het wilt overschrijven?</translation>
    </message>
    <message>
        <source>QLR measurements (*.%1 *.%2)</source>
        <translation>QLR-metingen (*.%1 *.%2)</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Meting openen</translation>
    </message>
    <message>
        <source>%1 is not a valid measurement file</source>
        <translation>%1 is geen geldig meetbestand</translation>
    </message>
    <message>
        <source>Add comment</source>
        <translation>Opmerking toevoegen</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Opmerking:</translation>
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
        <translation>team</translation>
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
    <name>RaceFiles</name>
    <message>
        <source>Another file took this name meanwhile</source>
        <translation>Een ander bestand heeft inmiddels deze naam</translation>
    </message>
</context>
<context>
    <name>SettingsDistribution</name>
    <message>
        <source>
Waiting on</source>
        <translation>
Wachten op</translation>
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
