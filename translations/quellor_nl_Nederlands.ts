<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AddStartBlockSetDlg</name>
    <message>
        <source>Manage a startblock set</source>
        <translation>Startblokset beheren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>New Set</source>
        <translation>Nieuwe set</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Fill in the name of the new start block set:</source>
        <translation>Vul de naam van de nieuwe startblokset in:</translation>
    </message>
    <message>
        <source>Specify the name of the set you want to add</source>
        <translation>Geef de naam op van de set die u wilt toevoegen</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Baan:</translation>
    </message>
    <message>
        <source>Specify the lane number of the device (Only startblocks must have a lane, you can leave this blank for a central unit)</source>
        <translation>Geef het baannummer van het apparaat op (alleen startblokken hebben een baan; laat dit leeg voor een centrale eenheid)</translation>
    </message>
    <message>
        <source>Serialnr (PN):</source>
        <translation>Serienr. (PN):</translation>
    </message>
    <message>
        <source>Specify the serial number of the device</source>
        <translation>Geef het serienummer van het apparaat op</translation>
    </message>
    <message>
        <source>Mark this checkbox if the device is a central unit</source>
        <translation>Vink dit vakje aan als het apparaat een centrale eenheid is</translation>
    </message>
    <message>
        <source>Central Unit</source>
        <translation>Centrale eenheid</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error in the name of the new set of starting blocks</source>
        <translation>Fout in de naam van de nieuwe set startblokken</translation>
    </message>
    <message>
        <source>Set &apos;%1&apos;&apos; already exists. You have to fill in a unique name for the new set of starting blocks</source>
        <translation>Set &apos;%1&apos; bestaat al. U moet een unieke naam voor de nieuwe set startblokken invullen</translation>
    </message>
    <message>
        <source>Error in the serial number of the new starting block</source>
        <translation>Fout in het serienummer van het nieuwe startblok</translation>
    </message>
    <message>
        <source>You have to fill in a serial number for the device</source>
        <translation>U moet een serienummer voor het apparaat invullen</translation>
    </message>
    <message>
        <source>Serial number %1 already existss. You have to fill in a unique serial number for the device</source>
        <translation>Serienummer %1 bestaat al. U moet een uniek serienummer voor het apparaat invullen</translation>
    </message>
    <message>
        <source>Error in coordinator selection</source>
        <translation>Fout in de keuze van de centrale eenheid</translation>
    </message>
    <message>
        <source>There is already a starting block selected as coordinator</source>
        <translation>Er is al een startblok als centrale eenheid gekozen</translation>
    </message>
    <message>
        <source>Error in the lane of the new starting block</source>
        <translation>Fout in de baan van het nieuwe startblok</translation>
    </message>
    <message>
        <source>Lane %1 already exists. You have to fill in a unique lane for the starting block</source>
        <translation>Baan %1 bestaat al. U moet een unieke baan voor het startblok invullen</translation>
    </message>
    <message>
        <source>You have to fill in a lane for the starting block</source>
        <translation>U moet een baan voor het startblok invullen</translation>
    </message>
    <message>
        <source>Removing a set of starting blocks</source>
        <translation>Set startblokken verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove set &apos;%1&apos;</source>
        <translation>Weet u zeker dat u set &apos;%1&apos; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Removing a coordinator</source>
        <translation>Centrale eenheid verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove coordinator &apos;%1&apos;</source>
        <translation>Weet u zeker dat u centrale eenheid &apos;%1&apos; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Removing a starting blocks</source>
        <translation>Startblok verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove starting block &apos;%1&apos;</source>
        <translation>Weet u zeker dat u startblok &apos;%1&apos; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Import set</source>
        <translation>Set importeren</translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.xml)</source>
        <translation>eXtensible Markup Language (*.xml)</translation>
    </message>
    <message>
        <source>Opening file</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
</context>
<context>
    <name>BusyIndicatorDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
</context>
<context>
    <name>BusyNotice</name>
    <message>
        <source>: Busy</source>
        <translation>: Bezig</translation>
    </message>
</context>
<context>
    <name>CSerialComThread</name>
    <message>
        <source>Loading samples</source>
        <translation>Startgeluid laden</translation>
    </message>
    <message>
        <source>Loading samples to a startblock is not possible in wireless mode</source>
        <translation>Startgeluid laden naar een startblok is in draadloze modus niet mogelijk</translation>
    </message>
    <message>
        <source>Loading samples to %1</source>
        <translation>Startgeluid laden naar %1</translation>
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
    <message>
        <source>Calibration in progress: wait %1 seconds</source>
        <translation>Kalibratie bezig: wacht %1 s</translation>
    </message>
    <message>
        <source>Calibration finished: %1</source>
        <translation>Kalibratie voltooid: %1</translation>
    </message>
    <message>
        <source>Cancel closes the window.</source>
        <translation>Annuleren sluit het venster.</translation>
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
    <name>CommonSettingsDistribution</name>
    <message>
        <source>Change setting of startblocks</source>
        <translation>Instelling van de startblokken wijzigen</translation>
    </message>
    <message>
        <source>Are you sure you want to change the settings for all starting blocks</source>
        <translation>Weet u zeker dat u de instellingen van alle startblokken wilt wijzigen?</translation>
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
    <name>CoordinatorInfoDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Mac address:</source>
        <translation>MAC-adres:</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Bedrijfsmodus:</translation>
    </message>
    <message>
        <source>Headset Volume (%):</source>
        <translation>Volume koptelefoon (%):</translation>
    </message>
    <message>
        <source>Audio channel (MHz):</source>
        <translation>Audiokanaal (MHz):</translation>
    </message>
    <message>
        <source>Start sound mode:</source>
        <translation>Startgeluidsmodus:</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>Recall sound mode:</source>
        <translation>Terugroepmodus:</translation>
    </message>
    <message>
        <source>Recall beeps mode:</source>
        <translation>Terugroeppieptonen:</translation>
    </message>
    <message>
        <source>Audio Volume (%):</source>
        <translation>Volume (%):</translation>
    </message>
    <message>
        <source>SW version:</source>
        <translation>SW-versie:</translation>
    </message>
    <message>
        <source>HW version:</source>
        <translation>HW-versie:</translation>
    </message>
    <message>
        <source>Product version:</source>
        <translation>Productversie:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibratie:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>TX Power (dBm):</source>
        <translation>Zendvermogen (dBm):</translation>
    </message>
    <message>
        <source>Specify the transmission power of the RF transmitter (-20 min, 10 max)</source>
        <translation>Geef het zendvermogen van de RF-zender op (min. -20, max. 10)</translation>
    </message>
    <message>
        <source>PanID:</source>
        <translation>PanID:</translation>
    </message>
    <message>
        <source>Specify the Pan ID (Group ID). Devices with the same Pan ID can connect in a network.</source>
        <translation>Geef de Pan-ID (groeps-ID) op. Apparaten met dezelfde Pan-ID kunnen in een netwerk met elkaar verbinding maken.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Change setting of coordinator</source>
        <translation>Instelling van de centrale eenheid wijzigen</translation>
    </message>
    <message>
        <source>Are you sure you want to change the settings of the coordinator</source>
        <translation>Weet u zeker dat u de instellingen van de centrale eenheid wilt wijzigen?</translation>
    </message>
</context>
<context>
    <name>CoordinatorMeasurementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
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
        <translation>De metingen van de centrale eenheid tonen</translation>
    </message>
    <message>
        <source>Alt+Shift+M</source>
        <translation>Alt+Shift+M</translation>
    </message>
    <message>
        <source>Central Unit:</source>
        <translation>Centrale eenheid:</translation>
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
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Batterij:</translation>
    </message>
    <message>
        <source>Start signal:</source>
        <translation>Startsignaal:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbinding:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Central Unit measurements</source>
        <translation>Metingen van de centrale eenheid</translation>
    </message>
    <message>
        <source>Connected: %1V</source>
        <translation>Verbonden: %1 V</translation>
    </message>
    <message>
        <source>Not connected: %1V</source>
        <translation>Niet verbonden: %1 V</translation>
    </message>
    <message>
        <source>Unknown: %1V</source>
        <translation>Onbekend: %1 V</translation>
    </message>
</context>
<context>
    <name>DeviceIdentificationDlg</name>
    <message>
        <source>Serial number:</source>
        <translation>Serienummer:</translation>
    </message>
    <message>
        <source>PanID:</source>
        <translation>PanID:</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Baan:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>: Device Identification</source>
        <translation>: Apparaatidentificatie</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>CE</translation>
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
        <translation>Valsestartgrens</translation>
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
        <translation>Zoom herstellen</translation>
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
    <name>KeyAssistantDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
</context>
<context>
    <name>KeyAssistantTableModel</name>
    <message>
        <source>Select next athlete</source>
        <translation>Volgende atleet kiezen</translation>
    </message>
    <message>
        <source>Select previous athlete</source>
        <translation>Vorige atleet kiezen</translation>
    </message>
    <message>
        <source>Set focus on the main window</source>
        <translation>Focus op het hoofdvenster zetten</translation>
    </message>
    <message>
        <source>Deselect athlete</source>
        <translation>Atleet deselecteren</translation>
    </message>
    <message>
        <source>Sort results based on lane number</source>
        <translation>Resultaten op baannummer sorteren</translation>
    </message>
    <message>
        <source>Sort results based on reaction time</source>
        <translation>Resultaten op reactietijd sorteren</translation>
    </message>
    <message>
        <source>Set all startblocks to READY</source>
        <translation>Alle startblokken gereed zetten</translation>
    </message>
    <message>
        <source>Change participation status of selected athlete</source>
        <translation>Deelnamestatus van de gekozen atleet wijzigen</translation>
    </message>
    <message>
        <source>Show selected athlete graph</source>
        <translation>Grafiek van de gekozen atleet tonen</translation>
    </message>
    <message>
        <source>Show all athlete graphs</source>
        <translation>Grafieken van alle atleten tonen</translation>
    </message>
    <message>
        <source>Set previous race</source>
        <translation>Vorige race instellen</translation>
    </message>
    <message>
        <source>Set next race</source>
        <translation>Volgende race instellen</translation>
    </message>
    <message>
        <source>Set previous start</source>
        <translation>Vorige start instellen</translation>
    </message>
    <message>
        <source>Set next start</source>
        <translation>Volgende start instellen</translation>
    </message>
    <message>
        <source>Go to administrative mode</source>
        <translation>Naar de beheerdersmodus gaan</translation>
    </message>
    <message>
        <source>Open window for built in test</source>
        <translation>Venster voor de zelftest openen</translation>
    </message>
    <message>
        <source>Select window layout</source>
        <translation>Opmaak kiezen</translation>
    </message>
    <message>
        <source>Open results</source>
        <translation>Resultaten openen</translation>
    </message>
    <message>
        <source>Show setup properties</source>
        <translation>Eigenschappen tonen</translation>
    </message>
    <message>
        <source>Reset race counter</source>
        <translation>Raceteller resetten</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Resultaten opslaan</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>Display all open tabs</source>
        <translation>Alle open tabbladen tonen</translation>
    </message>
    <message>
        <source>Open key assistant window</source>
        <translation>Toetsenhulp openen</translation>
    </message>
    <message>
        <source>Select race</source>
        <translation>Race kiezen</translation>
    </message>
    <message>
        <source>Hide race info panel</source>
        <translation>Race-informatie verbergen</translation>
    </message>
    <message>
        <source>Go to live tab</source>
        <translation>Naar het livetabblad gaan</translation>
    </message>
    <message>
        <source>Display current measurements</source>
        <translation>Huidige metingen tonen</translation>
    </message>
    <message>
        <source>Close current tab</source>
        <translation>Huidig tabblad sluiten</translation>
    </message>
    <message>
        <source>Display central unit measurements</source>
        <translation>Metingen van de centrale eenheid tonen</translation>
    </message>
    <message>
        <source>Show common startblock settings</source>
        <translation>Algemene startblokinstellingen tonen</translation>
    </message>
    <message>
        <source>Show selected startblock logs</source>
        <translation>Log van het gekozen startblok tonen</translation>
    </message>
    <message>
        <source>Show selected startblock information</source>
        <translation>Informatie van het gekozen startblok tonen</translation>
    </message>
    <message>
        <source>Show selected startblock sound graph</source>
        <translation>Geluidsgrafiek van het gekozen startblok tonen</translation>
    </message>
    <message>
        <source>Show spectrum of central unit</source>
        <translation>Spectrum van de centrale eenheid tonen</translation>
    </message>
    <message>
        <source>Show central unit logs</source>
        <translation>Log van de centrale eenheid tonen</translation>
    </message>
    <message>
        <source>Show central unit information</source>
        <translation>Informatie van de centrale eenheid tonen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Sneltoets</translation>
    </message>
</context>
<context>
    <name>LoadSampleActions</name>
    <message>
        <source>: Loading sound</source>
        <translation>: Startgeluid laden</translation>
    </message>
    <message>
        <source>Sample size</source>
        <translation>Startgeluidsbestand te groot</translation>
    </message>
    <message>
        <source>The sample you try to load is too large. Please select a smaller sample file</source>
        <translation>Het startgeluidsbestand is te groot. Kies een kleiner bestand</translation>
    </message>
    <message>
        <source>Sample information</source>
        <translation>Gegevens startgeluid</translation>
    </message>
    <message>
        <source>You did not select a sample or the duration was not filled in properly. Please fill in these properties to load a sample file</source>
        <translation>U hebt geen startgeluidsbestand gekozen of de duur niet juist ingevuld. Vul deze gegevens in om het startgeluid te laden</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dit is een map, geen bestand.</translation>
    </message>
    <message>
        <source>You have no permission to read the file.</source>
        <translation>U hebt geen toestemming om het bestand te lezen.</translation>
    </message>
    <message>
        <source>Shutdown devices</source>
        <translation>Apparaten uitschakelen</translation>
    </message>
</context>
<context>
    <name>LoadSampleDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>File duration (ms):</source>
        <translation>Duur van het bestand (ms):</translation>
    </message>
    <message>
        <source>Select devices</source>
        <translation>Apparaten kiezen</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Baan</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>Load sample</source>
        <translation>Startgeluidsbestand laden</translation>
    </message>
    <message>
        <source>RAW audio file (*.RAW)</source>
        <translation>RAW-audiobestand (*.RAW)</translation>
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
        <translation>Pakketten verzonden: %1; ontvangen: %2; geen antwoord: %3</translation>
    </message>
    <message>
        <source>Average delay: %1ms</source>
        <translation>Gemiddelde vertraging: %1 ms</translation>
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
        <translation>Alle startblokken in ruststand zetten</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ruststand</translation>
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
        <translation>Resultaten ophalen:</translation>
    </message>
    <message>
        <source>Select common startblock settings</source>
        <translation>Algemene startblokinstellingen kiezen</translation>
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
        <translation>Raceteller resetten</translation>
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
    <message>
        <source>Close live view</source>
        <translation>Liveweergave sluiten</translation>
    </message>
    <message>
        <source>You can&apos;t close the live view.</source>
        <translation>De liveweergave kan niet worden gesloten.</translation>
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
        <translation>: Raceteller resetten</translation>
    </message>
    <message>
        <source>Do you want to reset the race counter?</source>
        <translation>Wilt u de raceteller resetten?</translation>
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
    <message>
        <source>QLR measurements (*.%1</source>
        <translation>QLR-metingen (*.%1</translation>
    </message>
    <message>
        <source>%1 was not opened: %2.</source>
        <translation>%1 is niet geopend: %2.</translation>
    </message>
    <message>
        <source>Device Identification</source>
        <translation>Apparaatidentificatie</translation>
    </message>
    <message>
        <source>The system was unable to identify the device. Please check the power and cabling of the device</source>
        <translation>Het systeem kon het apparaat niet identificeren. Controleer de voeding en de bekabeling van het apparaat</translation>
    </message>
    <message>
        <source>: Connection lost</source>
        <translation>: Verbinding verbroken</translation>
    </message>
    <message>
        <source>Once the coordinator is connected again, open Properties and press OK to reconnect it.</source>
        <translation>Zodra de centrale eenheid weer is aangesloten, opent u &apos;Eigenschappen&apos; en klikt u op OK om de verbinding te herstellen.</translation>
    </message>
    <message>
        <source>: Testing synchronization</source>
        <translation>: Synchronisatietest</translation>
    </message>
    <message>
        <source>: About</source>
        <translation>: Over</translation>
    </message>
    <message>
        <source>%1

Version %2

Made by %3</source>
        <translation>%1

Versie %2

Fabrikant: %3</translation>
    </message>
    <message>
        <source>The connection to the coordinator on port %1 was lost: the port was removed or stopped answering.</source>
        <translation>De verbinding met de centrale eenheid op poort %1 is verbroken: de poort is verwijderd of reageert niet meer.</translation>
    </message>
    <message>
        <source>Saving the race before the program ends...</source>
        <translation>De race wordt opgeslagen voordat het programma stopt...</translation>
    </message>
    <message>
        <source>Save and end now</source>
        <translation>Nu opslaan en afsluiten</translation>
    </message>
    <message>
        <source>Waiting for the meet server to confirm the results...</source>
        <translation>Wachten tot de wedstrijdserver de resultaten bevestigt...</translation>
    </message>
    <message>
        <source>End now</source>
        <translation>Nu afsluiten</translation>
    </message>
    <message>
        <source>: Results not confirmed</source>
        <translation>: Resultaten niet bevestigd</translation>
    </message>
    <message>
        <source>The athletes of %1 did not come from the meet server</source>
        <translation>De atleten van %1 zijn niet van de wedstrijdserver gekomen</translation>
    </message>
    <message>
        <source>The heat chosen, %1, is no longer on the meet server</source>
        <translation>De gekozen serie, %1, staat niet meer op de wedstrijdserver</translation>
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
    <name>MeasurementStatusDisplay</name>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>OpenTabWidget</name>
    <message>
        <source>it is larger than any measurement file</source>
        <translation>het is te groot voor een meetbestand</translation>
    </message>
    <message>
        <source>it is not a measurement file</source>
        <translation>het is geen meetbestand</translation>
    </message>
    <message>
        <source>its version is unknown</source>
        <translation>de versie is onbekend</translation>
    </message>
    <message>
        <source>the race header is cut short or damaged</source>
        <translation>de kop van de race is afgekapt of beschadigd</translation>
    </message>
    <message>
        <source>the coordinator&apos;s record is cut short or damaged</source>
        <translation>de gegevens van de centrale eenheid zijn afgekapt of beschadigd</translation>
    </message>
    <message>
        <source>the number of start blocks is damaged</source>
        <translation>het aantal startblokken is beschadigd</translation>
    </message>
    <message>
        <source>the record of start block %1 is cut short or damaged</source>
        <translation>de gegevens van startblok %1 zijn afgekapt of beschadigd</translation>
    </message>
    <message>
        <source>the file ends before start block %1</source>
        <translation>het bestand eindigt vóór startblok %1</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Opmerking: %1</translation>
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
    <name>PrintObject</name>
    <message>
        <source>Printer not found</source>
        <translation>Printer niet gevonden</translation>
    </message>
    <message>
        <source>The system could not find the %1 printer</source>
        <translation>Het systeem kon de printer %1 niet vinden</translation>
    </message>
    <message>
        <source>Please install the printer and set it as the default printer</source>
        <translation>Installeer de printer en stel hem in als standaardprinter</translation>
    </message>
    <message>
        <source>Race name:</source>
        <translation>Racenaam:</translation>
    </message>
    <message>
        <source>Heat number:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Start number:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Starter name:</source>
        <translation>Naam starter:</translation>
    </message>
    <message>
        <source>IAAF setting:</source>
        <translation>Valsestartgrens:</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Baan</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FALSE</source>
        <translation>VALS</translation>
    </message>
    <message>
        <source>Graph:</source>
        <translation>Grafiek:</translation>
    </message>
    <message>
        <source>Race name</source>
        <translation>Racenaam</translation>
    </message>
    <message>
        <source>Heat number</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>IAAF setting</source>
        <translation>Reactiegrens</translation>
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
        <translation>Gereed&gt;Start</translation>
    </message>
    <message>
        <source>Lane  OK? Signal Time   </source>
        <translation>Baan  OK? Sign.  Tijd   </translation>
    </message>
    <message>
        <source>Race number</source>
        <translation>Race</translation>
    </message>
</context>
<context>
    <name>ProjectSettingsDlg</name>
    <message>
        <source>Application</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Com port:</source>
        <translation>COM-poort:</translation>
    </message>
    <message>
        <source>Start block set:</source>
        <translation>Startblokset:</translation>
    </message>
    <message>
        <source>Manage set</source>
        <translation>Set beheren</translation>
    </message>
    <message>
        <source>Results directory:</source>
        <translation>Resultatenmap:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Starter name:</source>
        <translation>Naam starter:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Ticketprinter</source>
        <translation>Bonprinter</translation>
    </message>
    <message>
        <source>Serialprinter</source>
        <translation>Seriële printer</translation>
    </message>
    <message>
        <source>Automatic printing:</source>
        <translation>Automatisch afdrukken:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Central Unit</source>
        <translation>Centrale eenheid</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Bedrijfsmodus:</translation>
    </message>
    <message>
        <source>Select the operation mode</source>
        <translation>Kies de bedrijfsmodus</translation>
    </message>
    <message>
        <source>Recall mode:</source>
        <translation>Terugroepmodus:</translation>
    </message>
    <message>
        <source>Select the mode that the system will use to give a recall</source>
        <translation>Kies de modus waarmee het systeem terugroept</translation>
    </message>
    <message>
        <source>Photofinish:</source>
        <translation>Finishfoto:</translation>
    </message>
    <message>
        <source>Select the use of a photofinish device</source>
        <translation>Kies of er een finishfotosysteem wordt gebruikt</translation>
    </message>
    <message>
        <source>Headset volume:</source>
        <translation>Volume koptelefoon:</translation>
    </message>
    <message>
        <source>Select the level of the headset sound (37 % to 100 %)</source>
        <translation>Kies het volume van de koptelefoon (37 % tot 100 %)</translation>
    </message>
    <message>
        <source>Startblock</source>
        <translation>Startblok</translation>
    </message>
    <message>
        <source>Start sound:</source>
        <translation>Startgeluid:</translation>
    </message>
    <message>
        <source>Select the sound that will be heared when starting</source>
        <translation>Kies het geluid dat bij de start klinkt</translation>
    </message>
    <message>
        <source>Recall sound:</source>
        <translation>Terugroeppieptonen:</translation>
    </message>
    <message>
        <source>Select the mode to specify if the recall beeps need to be played</source>
        <translation>Kies of de terugroeppieptonen moeten klinken</translation>
    </message>
    <message>
        <source>Sound volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Select the level of the overal sound (37 % to 100 %)</source>
        <translation>Kies het volume (37 % tot 100 %)</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Gevoeligheid (AD):</translation>
    </message>
    <message>
        <source>Specify the sensitivity of the Wireless Quellor system. E.G. top athletes: 100, juvenile athletes: 32</source>
        <translation>Geef de gevoeligheid van het Wireless Quellor-systeem op. Bijv. topatleten: 100, jeugdatleten: 32</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Results directory</source>
        <translation>Resultatenmap</translation>
    </message>
    <message>
        <source>Unexisting results directory &apos;%1&apos;
 Please select a new results directory.</source>
        <translation>Resultatenmap &apos;%1&apos; bestaat niet
 Kies een nieuwe resultatenmap.</translation>
    </message>
    <message>
        <source>Sound volume: %1 %</source>
        <translation>Volume: %1 %</translation>
    </message>
    <message>
        <source>Headset volume: %1 %</source>
        <translation>Volume koptelefoon: %1 %</translation>
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
    <name>RaceGapsNote</name>
    <message>
        <source>reaction time</source>
        <translation>reactietijd</translation>
    </message>
    <message>
        <source>reaction graph</source>
        <translation>reactiegrafiek</translation>
    </message>
    <message>
        <source>sound graph</source>
        <translation>geluidsgrafiek</translation>
    </message>
    <message>
        <source>lane %1 (%2)</source>
        <translation>baan %1 (%2)</translation>
    </message>
    <message>
        <source>%1, heat %2, start %3</source>
        <translation>%1, serie %2, start %3</translation>
    </message>
    <message>
        <source>%1 is saved without: %2</source>
        <translation>%1 is opgeslagen zonder: %2</translation>
    </message>
</context>
<context>
    <name>ResultPostWatch</name>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the heat&apos;s notice</source>
        <translation>Race %1, serie %2, start %3: de wedstrijdserver heeft de seriemelding niet bevestigd</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the result of lane %4 or the heat&apos;s notice</source>
        <translation>Race %1, serie %2, start %3: de wedstrijdserver heeft het resultaat van baan %4 en de seriemelding niet bevestigd</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the result of lane %4</source>
        <translation>Race %1, serie %2, start %3: de wedstrijdserver heeft het resultaat van baan %4 niet bevestigd</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the results of lanes %4 or the heat&apos;s notice</source>
        <translation>Race %1, serie %2, start %3: de wedstrijdserver heeft de resultaten van de banen %4 en de seriemelding niet bevestigd</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: the meet server has not confirmed the results of lanes %4</source>
        <translation>Race %1, serie %2, start %3: de wedstrijdserver heeft de resultaten van de banen %4 niet bevestigd</translation>
    </message>
    <message>
        <source>Race %1, heat %2, start %3: not posted to the meet server, its athletes had not come</source>
        <translation>Race %1, serie %2, start %3: niet naar de wedstrijdserver gestuurd, de atleten waren niet gekomen</translation>
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
    <message>
        <source>CU</source>
        <translation>CE</translation>
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
    <name>Spectrumdlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Selected channel:</source>
        <translation>Gekozen kanaal:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Channel %1: %2
</source>
        <translation>Kanaal %1: %2
</translation>
    </message>
</context>
<context>
    <name>StartBlockInfoDlg</name>
    <message>
        <source>Starting Block Info</source>
        <translation>Startblokinfo</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Mac address:</source>
        <translation>MAC-adres:</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Bedrijfsmodus:</translation>
    </message>
    <message>
        <source>Sensitivity (AD):</source>
        <translation>Gevoeligheid (AD):</translation>
    </message>
    <message>
        <source>Audio channel (MHz):</source>
        <translation>Audiokanaal (MHz):</translation>
    </message>
    <message>
        <source>Stability sensitivity (AD):</source>
        <translation>Stabiliteitsgevoeligheid (AD):</translation>
    </message>
    <message>
        <source>Start sound mode:</source>
        <translation>Startgeluidsmodus:</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>Recall sound mode:</source>
        <translation>Terugroepmodus:</translation>
    </message>
    <message>
        <source>Recall beeps mode:</source>
        <translation>Terugroeppieptonen:</translation>
    </message>
    <message>
        <source>Audio volume (%):</source>
        <translation>Volume (%):</translation>
    </message>
    <message>
        <source>SW version:</source>
        <translation>SW-versie:</translation>
    </message>
    <message>
        <source>HW version:</source>
        <translation>HW-versie:</translation>
    </message>
    <message>
        <source>Product version:</source>
        <translation>Productversie:</translation>
    </message>
    <message>
        <source>IAAF time:</source>
        <translation>Valsestartgrens:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Lane:</source>
        <translation>Baan:</translation>
    </message>
    <message>
        <source>Specify the lane number of the startblock (1 to 10)</source>
        <translation>Geef het baannummer van het startblok op (1 tot 10)</translation>
    </message>
    <message>
        <source>TX Power (dBm):</source>
        <translation>Zendvermogen (dBm):</translation>
    </message>
    <message>
        <source>Specify the transmission power of the RF transmitter (-20 min, 10 max)</source>
        <translation>Geef het zendvermogen van de RF-zender op (min. -20, max. 10)</translation>
    </message>
    <message>
        <source>PanID:</source>
        <translation>PanID:</translation>
    </message>
    <message>
        <source>Specify the Pan ID (Group ID). Devices with the same Pan ID can connect in a network.</source>
        <translation>Geef de Pan-ID (groeps-ID) op. Apparaten met dezelfde Pan-ID kunnen in een netwerk met elkaar verbinding maken.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Change settings of %1</source>
        <translation>Instellingen van %1 wijzigen</translation>
    </message>
    <message>
        <source>Are you sure you want to change the settings of starting block %1</source>
        <translation>Weet u zeker dat u de instellingen van startblok %1 wilt wijzigen?</translation>
    </message>
</context>
<context>
    <name>StartBlockMeasurementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Change the participation status of an athlete</source>
        <translation>De deelnamestatus van een atleet wijzigen</translation>
    </message>
    <message>
        <source>Display the  measurements of the startblock</source>
        <translation>De metingen van het startblok tonen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Unmatching lane numbers found in set and starting block.</source>
        <translation>Verschillende baannummers gevonden in set en startblok.</translation>
    </message>
    <message>
        <source>Found lane %1 in startblock unit and lane %2 in set. Please select the correct number</source>
        <translation>Baan %1 in het startblok en baan %2 in de set gevonden. Kies het juiste nummer</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Baan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Resync startblock</source>
        <translation>Startblok opnieuw synchroniseren</translation>
    </message>
    <message>
        <source>Are you sure you want to resynchronize starting block %1</source>
        <translation>Weet u zeker dat u startblok %1 opnieuw wilt synchroniseren?</translation>
    </message>
</context>
<context>
    <name>StartBlockMeasurementsStatusDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Batterij:</translation>
    </message>
    <message>
        <source>Start signal:</source>
        <translation>Startsignaal:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbinding:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Radioverbinding:</translation>
    </message>
    <message>
        <source>Synchronization:</source>
        <translation>Synchronisatie:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Startblock measurements</source>
        <translation>Metingen van het startblok</translation>
    </message>
    <message>
        <source>Not synchronized</source>
        <translation>Niet gesynchroniseerd</translation>
    </message>
</context>
<context>
    <name>StartBlockSetTableModel</name>
    <message>
        <source>Lane</source>
        <translation>Baan</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>CE</translation>
    </message>
</context>
<context>
    <name>StartBlocksCommonSettingsDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Tx Power (dBm):</source>
        <translation>Zendvermogen (dBm):</translation>
    </message>
    <message>
        <source>Specify the transmission power of the RF transmitter (-20 min, 10 max).
This value will be distributed to all startblocks.</source>
        <translation>Geef het zendvermogen van de RF-zender op (min. -20, max. 10).
Deze waarde wordt naar alle startblokken verstuurd.</translation>
    </message>
    <message>
        <source>Audio Channel (MHz):</source>
        <translation>Audiokanaal (MHz):</translation>
    </message>
    <message>
        <source>Specify the audio channel that will be used for sending the start signal.</source>
        <translation>Geef het audiokanaal op waarover het startsignaal wordt verzonden.</translation>
    </message>
    <message>
        <source>Accelerometer stability sensitivity (AD):</source>
        <translation>Stabiliteitsgevoeligheid van de versnellingsmeter (AD):</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Specify the accelero stability sensitivity of the Wireless Quellor system.&lt;/p&gt;&lt;p&gt;This setting is used to evaluate the stability of the accelerometer before going to ready state. (20 to 50)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Geef de stabiliteitsgevoeligheid van de versnellingsmeter van het Wireless Quellor-systeem op.&lt;/p&gt;&lt;p&gt;Met deze instelling wordt de stabiliteit van de versnellingsmeter beoordeeld voordat het startblok naar de gereedtoestand gaat. (20 tot 50)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>IAAF time (ms):</source>
        <translation>Valsestartgrens (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>: Common startblock settings</source>
        <translation>: Algemene startblokinstellingen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Lane %1:
	Tx Power (dBm)  : %2
</source>
        <translation>Baan %1:
	Zendvermogen (dBm)  : %2
</translation>
    </message>
    <message>
        <source>Sensitivity (AD): %1
</source>
        <translation>Gevoeligheid (AD): %1
</translation>
    </message>
    <message>
        <source>Stability Sens (AD): %1
</source>
        <translation>Stabiliteitsgev. (AD): %1
</translation>
    </message>
    <message>
        <source>Channel         : %1
</source>
        <translation>Kanaal          : %1
</translation>
    </message>
    <message>
        <source>Operation Mode : %1
</source>
        <translation>Bedrijfsmodus : %1
</translation>
    </message>
    <message>
        <source>Start Sound Mode : %1
</source>
        <translation>Startgeluidsmodus : %1
</translation>
    </message>
    <message>
        <source>Recall Sound Mode : %1
</source>
        <translation>Terugroepmodus : %1
</translation>
    </message>
    <message>
        <source>Recall Beeps Mode : %1
</source>
        <translation>Terugroeppieptonen : %1
</translation>
    </message>
    <message>
        <source>Audio Volume (%) : %1
</source>
        <translation>Volume (%) : %1
</translation>
    </message>
    <message>
        <source>IAAF time(ms) : %1
</source>
        <translation>Valsestartgrens (ms) : %1
</translation>
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
        <translation>Alle geluidsgrafieken</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Sort athletes based on the lane number</source>
        <translation>Atleten sorteren op baannummer</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Baan</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Sort athletes based on the reaction time</source>
        <translation>Atleten sorteren op reactietijd</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
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
        <translation>Meting</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaal</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
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
        <translation>Fout in de baan van het nieuwe startblok</translation>
    </message>
    <message>
        <source>You have to fill in a unique lane for the starting block</source>
        <translation>U moet een unieke baan voor het startblok invullen</translation>
    </message>
    <message>
        <source>Error in the serial number of the coordinator</source>
        <translation>Fout in het serienummer van de centrale eenheid</translation>
    </message>
    <message>
        <source>You have to fill in a unique serial number for the coordinator</source>
        <translation>U moet een uniek serienummer voor de centrale eenheid invullen</translation>
    </message>
    <message>
        <source>Error in the serial number of the starting block</source>
        <translation>Fout in het serienummer van het startblok</translation>
    </message>
    <message>
        <source>You have to fill in a unique serial number for the starting block</source>
        <translation>U moet een uniek serienummer voor het startblok invullen</translation>
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
        <translation>Startgeluid gedetecteerd (ms):</translation>
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
    <name>StartTimeDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Start number:</source>
        <translation>Startvolgnummer:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ophalen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Central Unit GPS start time</source>
        <translation>GPS-starttijden van de centrale eenheid</translation>
    </message>
</context>
<context>
    <name>StartTimeModel</name>
    <message>
        <source>Start number</source>
        <translation>Startvolgnummer</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/tijd</translation>
    </message>
</context>
<context>
    <name>TabSelectorDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
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
        <translation>Druk op Test om de zelftest te starten</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>: Built in test</source>
        <translation>: Zelftest</translation>
    </message>
    <message>
        <source>Broadcast ready to starting module %1</source>
        <translation>Gereed naar startblok %1 verzonden</translation>
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
        <translation>Druk op Eenmalige test of Doorlopende test om de synchronisatietest te starten</translation>
    </message>
    <message>
        <source>Single Test</source>
        <translation>Eenmalige test</translation>
    </message>
    <message>
        <source>Repeat Test</source>
        <translation>Doorlopende test</translation>
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
        <translation>PROTEST</translation>
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
        <translation>Pieptoon</translation>
    </message>
    <message>
        <source>Bang</source>
        <translation>Knal</translation>
    </message>
    <message>
        <source>Automatic Recall</source>
        <translation>Automatisch terugroepen</translation>
    </message>
    <message>
        <source>Remote (Manual) Recall</source>
        <translation>Handmatig terugroepen (op afstand)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Startblock ON Central unit OFF</source>
        <translation>Startblok aan, centrale eenheid uit</translation>
    </message>
    <message>
        <source>Startblock OFF Central unit ON</source>
        <translation>Startblok uit, centrale eenheid aan</translation>
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
        <translation>Resultaten ophalen:</translation>
    </message>
    <message>
        <source>Results Saved</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>BUSY, wait until all settings are distributed.</source>
        <translation>BEZIG, wacht tot alle instellingen verstuurd zijn.</translation>
    </message>
    <message>
        <source>BUSY, wait until all systems are synchronized.</source>
        <translation>BEZIG, wacht tot alle systemen gesynchroniseerd zijn.</translation>
    </message>
    <message>
        <source>Central unit sync time loo long before start module sync time</source>
        <translation>Synchronisatietijd van de centrale eenheid te lang vóór die van het startblok</translation>
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
