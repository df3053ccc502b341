#include "lsp/MessageStream.h"

#include <QJsonDocument>

namespace {

constexpr qsizetype kMaxHeader = 8192;

}  // namespace

std::optional<MessageReader::Message> MessageReader::Next()
{
    // Line ends between messages are no header.
    qsizetype start = 0;
    while (start < m_buffer.size() && (m_buffer[start] == '\r' || m_buffer[start] == '\n'))
        ++start;
    m_buffer.remove(0, start);
    const qsizetype end = m_buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        if (m_buffer.size() <= kMaxHeader)
            return std::nullopt;
        m_buffer.clear();
        return Message{Message::BadHeader, {}, "header too long"};
    }
    const QByteArray header = m_buffer.left(end);
    qsizetype nLength = -1;
    QByteArray reason;
    for (const QByteArray &line : header.split('\n')) {
        const QByteArray field = line.endsWith('\r') ? line.chopped(1) : line;
        const qsizetype colon = field.indexOf(':');
        if (colon <= 0) {
            reason = "header line without a name";
            break;
        }
        if (field.left(colon).trimmed().compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;  // Content-Type and the like change nothing
        bool ok = false;
        const QByteArray value = field.mid(colon + 1).trimmed();
        nLength = value.toLongLong(&ok);
        if (!ok || nLength < 0 || value.startsWith('+')) {
            reason = "Content-Length is not a number";
            nLength = -1;
            break;
        }
    }
    if (reason.isEmpty() && nLength < 0)
        reason = "no Content-Length";
    if (reason.isEmpty() && nLength > kMaxBody)
        reason = "Content-Length over 64 MiB";
    if (!reason.isEmpty()) {
        // The body cannot be taken: start again at the next header, rather than
        // swallow whatever comes after.
        m_buffer.remove(0, end + 4);
        const qsizetype next = m_buffer.indexOf("Content-Length");
        m_buffer.remove(0, next < 0 ? m_buffer.size() : next);
        return Message{Message::BadHeader, {}, reason};
    }
    if (m_buffer.size() - end - 4 < nLength)
        return std::nullopt;
    Message message{Message::Body, m_buffer.mid(end + 4, nLength), {}};
    m_buffer.remove(0, end + 4 + nLength);
    return message;
}

QByteArray FrameMessage(const QJsonObject &message)
{
    const QByteArray body = QJsonDocument(message).toJson(QJsonDocument::Compact);
    return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
