#include "sim/meetsimrequest.h"

namespace
{
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QByteArray kHeadEnd = QByteArrayLiteral("\r\n\r\n");
constexpr int kRequestLineParts = 3;
} // namespace

std::optional<QByteArray> MeetSimRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

MeetSimRequestParser::Result MeetSimRequestParser::feed(const QByteArray &bytes, MeetSimRequest *request)
{
    m_buffer.append(bytes);
    const qsizetype headEnd = m_buffer.indexOf(kHeadEnd);
    if (headEnd < 0)
        return m_buffer.size() > kMaxHeadBytes ? Result::Malformed : Result::Incomplete;
    if (headEnd > kMaxHeadBytes)
        return Result::Malformed;

    MeetSimRequest parsed;
    qsizetype bodyLength = 0;
    if (parseHead(m_buffer.left(headEnd), &parsed, &bodyLength) != Result::Complete)
        return Result::Malformed;
    const qsizetype bodyStart = headEnd + kHeadEnd.size();
    if (m_buffer.size() - bodyStart < bodyLength)
        return Result::Incomplete;

    parsed.body = m_buffer.mid(bodyStart, bodyLength);
    m_buffer.remove(0, bodyStart + bodyLength);
    *request = parsed;
    return Result::Complete;
}

MeetSimRequestParser::Result MeetSimRequestParser::parseHead(const QByteArray &head, MeetSimRequest *request,
                                                             qsizetype *bodyLength) const
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.constFirst().trimmed().split(' ');
    if (requestLine.size() != kRequestLineParts || !requestLine.at(2).startsWith("HTTP/1."))
        return Result::Malformed;
    request->head = head + kLineEnd;
    request->method = requestLine.at(0);
    request->target = requestLine.at(1);
    request->version = requestLine.at(2);

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).chopped(lines.at(i).endsWith('\r') ? 1 : 0);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.startsWith(' ') || line.startsWith('\t'))
            return Result::Malformed;
        request->headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
    }
    if (request->header("Transfer-Encoding"))
        return Result::Malformed;

    *bodyLength = 0;
    if (const std::optional<QByteArray> length = request->header("Content-Length")) {
        bool ok = false;
        *bodyLength = length->toLongLong(&ok);
        if (!ok || *bodyLength < 0 || *bodyLength > kMaxBodyBytes)
            return Result::Malformed;
    }
    return Result::Complete;
}
