#pragma once

#include <array>

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The program-wide constants. Texts of lists are the untranslated source texts; lists shown to the
// operator are translated in the context "globals" (see translatedGlobals()).
namespace SharedConstants {

inline constexpr char kBroadcastMac[] = "FF:FF:FF:FF:FF:FF";
inline constexpr char kMacInputMask[] = "HH:HH:HH:HH:HH:HH;";
inline constexpr char kDefaultChannel[] = "863.125";
inline constexpr char kAutomaticDetection[] = "Automatic detection";
inline constexpr char kNoParFiles[] = "No PAR-files";
inline constexpr char kWindowTitle[] = "Wireless Quellor - Halvexa";
inline constexpr char kProgramName[] = "Wireless Quellor"; // also the settings store's application name
inline constexpr char kMaker[] = "Halvexa";                // also the settings store's organisation
inline constexpr char kRace[] = "Race";
inline constexpr char kCustom[] = "Custom";
inline constexpr char kMeasurementFileMagic[] = "VQDO05";
inline constexpr char kVersion[] = "1.2.12";
inline constexpr char kProductProfessional[] = "Professional";
inline constexpr char kProductClub[] = "Club";
inline constexpr char kReadingResults[] = QT_TRANSLATE_NOOP("globals", "Reading Results:");
inline constexpr char kResultsSaved[] = QT_TRANSLATE_NOOP("globals", "Results Saved");
inline constexpr char kExtensionGraphImage[] = "png";
inline constexpr char kExtensionReactionFile[] = "vq1"; // written once the reaction graphs are in
inline constexpr char kExtensionSoundFile[] = "vq2";    // written once the sound graphs are in
inline constexpr char kBusySettings[] =
    QT_TRANSLATE_NOOP("globals", "BUSY, wait until all settings are distributed.");
inline constexpr char kBusySynchronisation[] =
    QT_TRANSLATE_NOOP("globals", "BUSY, wait until all systems are synchronized.");
inline constexpr char kTranslationContext[] = "globals";

// Measurement status messages, in this order.
inline constexpr char kSyncTimeTooLong[] =
    QT_TRANSLATE_NOOP("globals", "Central unit sync time loo long before start module sync time");
inline constexpr char kNotStartedAfterStarted[] =
    QT_TRANSLATE_NOOP("globals", "Not started packet received after being started");
inline constexpr char kNoSoundEdge[] =
    QT_TRANSLATE_NOOP("globals", "No rising edge found of sound, synchronization mismatch?");

inline constexpr std::array<int, 6> kVolumePercentages = {37, 50, 62, 75, 87, 100};
inline constexpr std::array<int, 6> kVolumeCodes = {6, 8, 10, 12, 14, 16}; // same steps as the devices take

// 3423 and 3501 are the coordinator hardware versions for which an edited hardware version is sent;
// 3793 is kept with them as a further known hardware version.
inline constexpr std::array<int, 3> kNumberList = {3423, 3501, 3793};

// Graph number n is drawn in lane colour (n - 1) mod 10.
inline constexpr std::array<QRgb, 10> kLaneColours = {
    qRgb(255, 0, 0),   qRgb(255, 128, 0), qRgb(255, 255, 0), qRgb(128, 255, 0), qRgb(0, 128, 0),
    qRgb(0, 128, 128), qRgb(0, 128, 255), qRgb(75, 0, 130),  qRgb(128, 0, 255), qRgb(255, 0, 255),
};

QByteArray administratorCodeMode1();
QByteArray administratorCodeMode2();

QStringList participationStatuses();    // values 1..5: ACTIVE, DNS, DQ, INACTIVE, RUP
QStringList participationStatusCombo(); // combo order of the lane row: index 0..4 = values 1, 2, 3, 5, 4
int participationStatusFromComboIndex(int index);
int comboIndexFromParticipationStatus(int status);

QStringList moduleNames();       // module types 0..2 and an empty fourth entry
QStringList radioChannels();     // audio channel = index + 1
QStringList operationModes();    // values 1, 2
QStringList startSoundModes();   // values 1..3
QStringList recallSoundModes();  // values 1, 2
QStringList recallBeepsModes();  // values 1..4
QStringList onOff();
QStringList photoFinishChoices(); // values 1, 2
QStringList printOptions();      // values 1..3
QStringList printOptionsShort(); // values 1, 2
QStringList productVersions();
QStringList measurementProblems();

QString redProgressStyle();
QString greenProgressStyle();

// The lane colour of graph number n (1-based).
QColor laneColour(int graphNumber);

// Translates source texts of the lists above in the context "globals".
QString translatedGlobal(const QString &source);
QStringList translatedGlobals(const QStringList &sources);

} // namespace SharedConstants
