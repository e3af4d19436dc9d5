#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QPair>

// One HTTP request as the meet simulator received it.
struct MeetSimRequest {
    QByteArray head; // request line and header lines exactly as received, up to the blank line
    QByteArray method;
    QByteArray target;
    QByteArray version;
    QList<QPair<QByteArray, QByteArray>> headers; // names and values as sent, values trimmed
    QByteArray body;

    // the first header of that name (case-insensitive); nothing when absent
    std::optional<QByteArray> header(const QByteArray &name) const;
};

// Cuts whole requests out of a connection's received bytes. A request is its head up to the blank line
// and a body of its Content-Length; everything else (chunked bodies, continuation lines) is refused.
class MeetSimRequestParser
{
public:
    static constexpr qsizetype kMaxHeadBytes = 16 * 1024;
    static constexpr qsizetype kMaxBodyBytes = 64 * 1024;

    enum class Result { Incomplete, Complete, Malformed };

    // appends the bytes; on Complete the request is taken out of the buffer
    Result feed(const QByteArray &bytes, MeetSimRequest *request);

private:
    Result parseHead(const QByteArray &head, MeetSimRequest *request, qsizetype *bodyLength) const;

    QByteArray m_buffer;
};
