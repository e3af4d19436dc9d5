#pragma once

#include <QString>
#include <QStringList>

// The sample meet of the meet server simulator (sim/meetdata) as the window tests see it in lanes 1 to 3:
// the heats' names, ids as posted, participations and bibs, and the files a race of them leaves.
namespace SampleMeet
{

const QString kHeat1 = QStringLiteral("100 m Men (Heats - heat 1)");
const QString kHeat2 = QStringLiteral("100 m Men (Heats - heat 2)");
const QString kFinal = QStringLiteral("100 m Men (Final - heat 1)");
const QString kRelay = QStringLiteral("4x100 m Relay Women (heat 1)");
const QString kHeat1Ids = QStringLiteral("101;1011;10111");
const QString kHeat2Ids = QStringLiteral("101;1011;10112");
const QString kFinalIds = QStringLiteral("101;1012;10121");
const QString kRelayIds = QStringLiteral("102;1021;10211");

const QStringList kHeat1Posts{"", "5001", "5002"};
const QStringList kHeat2Posts{"", "5007", "5008"};
const QStringList kFinalPosts{"5013", "5014", "5015"};
const QStringList kRelayPosts{"", "", "5021"};
const QStringList kHeat1Bibs{"", "101", "102"};
const QStringList kHeat2Bibs{"", "107", "108"};
const QStringList kFinalBibs{"101", "108", "103"};

inline QString fileOf(const QString &heat, int heatNumber, int start)
{
    return QStringLiteral("race_%1_h%2_s%3").arg(heat).arg(heatNumber).arg(start);
}

inline QStringList filePair(const QString &base)
{
    return {base + ".vq1", base + ".vq2"};
}

} // namespace SampleMeet
