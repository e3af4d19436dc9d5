#pragma once

#include <QString>
#include <QtGlobal>

// The value and info texts of one lane's result post.
struct ResultPost {
    QString value; // seconds with 3 decimals, or a status code: -3 DNS, -4 DQ, -5 RUP, -6 no reaction
    QString info;  // "false" for a false start, else empty
};

// What the result post of a lane carries, from the block's participation status, its reaction time as
// received (signed ms, or one of the two no-reaction markers) and the lane's false-start limit in ms.
ResultPost resultPostFor(int participationStatus, quint16 reactionTime, quint16 falseStartLimit);
