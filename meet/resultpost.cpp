#include "meet/resultpost.h"

#include "core/sharedtypes.h"
#include "devices/cstartblockmeasurement.h"

namespace
{
const QString kValueDns = QStringLiteral("-3");
const QString kValueDq = QStringLiteral("-4");
const QString kValueRup = QStringLiteral("-5");
const QString kValueNoReaction = QStringLiteral("-6");
const QString kInfoFalseStart = QStringLiteral("false");
constexpr double kMsPerSecond = 1000.0;
constexpr int kDecimals = 3;
} // namespace

ResultPost resultPostFor(int participationStatus, quint16 reactionTime, quint16 falseStartLimit)
{
    switch (participationStatus) {
    case ParticipationActive:
        break;
    case ParticipationDns:
        return {kValueDns, QString()};
    case ParticipationDq:
        return {kValueDq, QString()};
    case ParticipationRup:
        return {kValueRup, QString()};
    default:
        return {};
    }
    // both markers mean that the block measured no reaction
    if (reactionTime == CStartBlockMeasurement::kReactionNone ||
        reactionTime == CStartBlockMeasurement::kReactionNoValue)
        return {kValueNoReaction, QString()};
    const qint16 ms = qint16(reactionTime);
    return {QStringLiteral("%1").arg(ms / kMsPerSecond, 0, 'f', kDecimals),
            ms < falseStartLimit ? kInfoFalseStart : QString()};
}
