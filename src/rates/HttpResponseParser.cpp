#include "HttpResponseParser.h"

#include <QList>

namespace {

// Digits only, and no more of them than a qint64 holds.
std::optional<qint64> decimalNumber(QByteArrayView text) {
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// A chunk's size line, without extensions: at most 8 hex digits, which is far beyond any body read.
std::optional<qint64> chunkSize(QByteArrayView line) {
    if (const qsizetype semicolon = line.indexOf(';'); semicolon >= 0)
        line = line.first(semicolon);
    line = line.trimmed();
    if (line.isEmpty() || line.size() > 8)
        return std::nullopt;
    qint64 n = 0;
    for (const char c : line) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return std::nullopt;
        n = n * 16 + digit;
    }
    return n;
}

// A listed token of a header such as "Connection: keep-alive, Upgrade", compared without case.
bool hasToken(QByteArrayView value, QByteArrayView token) {
    while (!value.isEmpty()) {
        const qsizetype comma = value.indexOf(',');
        const QByteArrayView part = comma < 0 ? value : value.first(comma);
        if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
        value = comma < 0 ? QByteArrayView() : value.sliced(comma + 1);
    }
    return false;
}

} // namespace

std::optional<QByteArray> HttpResponseParser::headerValue(const Headers& headers, QByteArrayView name) {
    std::optional<QByteArray> joined;
    for (const auto& [key, value] : headers) {
        if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        joined = joined ? *joined + ", " + value : value;
    }
    return joined;
}

char* HttpResponseParser::reserve(qsizetype size) {
    compact();
    m_reservedAt = m_in.size();
    m_in.resize(m_reservedAt + size);
    return m_in.data() + m_reservedAt;
}

void HttpResponseParser::appended(qsizetype size) {
    m_in.resize(m_reservedAt + std::max<qsizetype>(size, 0));
}

void HttpResponseParser::append(QByteArrayView bytes) {
    std::copy(bytes.begin(), bytes.end(), reserve(bytes.size()));
}

void HttpResponseParser::compact() {
    if (m_pos == 0)
        return;
    m_in.remove(0, m_pos);
    m_scanFrom = std::max<qsizetype>(m_scanFrom - m_pos, 0);
    m_pos = 0;
}

std::optional<QByteArrayView> HttpResponseParser::nextLine(QByteArrayView terminator, qsizetype limit,
                                                           bool& tooLong) {
    // The search goes on where the last one stopped, so that a trickle costs linear time.
    const qsizetype end = m_in.indexOf(terminator, std::max(m_scanFrom, m_pos));
    if (end < 0) {
        // The line is at least as long as what is buffered, less a terminator's beginning.
        m_scanFrom = std::max(m_pos, m_in.size() - (terminator.size() - 1));
        tooLong = m_scanFrom - m_pos > limit;
        return std::nullopt;
    }
    tooLong = end - m_pos > limit;
    const QByteArrayView line(m_in.constData() + m_pos, end - m_pos);
    m_pos = m_scanFrom = end + terminator.size();
    return line;
}

HttpResponseParser::Result HttpResponseParser::next(qsizetype maxBodySize) {
    for (;;) {
        const qsizetype available = m_in.size() - m_pos;
        bool tooLong = false;
        switch (m_phase) {
        case Phase::Done:
            return Result::Complete;
        case Phase::Head: {
            if (available == 0)
                return Result::NeedMore;
            m_started = true;
            const auto head = nextLine("\r\n\r\n", kMaxHeadSize, tooLong);
            if (!head || tooLong)
                return tooLong ? Result::Malformed : Result::NeedMore;
            if (!readHead(*head))
                return Result::Malformed;
            if (m_response.status < 200) {
                m_response = {}; // an interim answer; the real one follows
                m_phase = Phase::Head;
                continue;
            }
            if (m_remaining > maxBodySize)
                return Result::TooLarge;
            if (m_phase == Phase::Fixed && m_remaining == 0)
                m_phase = Phase::Done;
            continue;
        }
        case Phase::Fixed:
            if (!takeOwedBody(available, maxBodySize))
                return Result::TooLarge;
            if (m_remaining > 0)
                return Result::NeedMore;
            m_phase = Phase::Done;
            continue;
        case Phase::UntilClose:
            return takeBody(available, maxBodySize) ? Result::NeedMore : Result::TooLarge;
        case Phase::Chunked:
            if (m_chunkPhase == ChunkPhase::Data) {
                if (!takeOwedBody(available, maxBodySize))
                    return Result::TooLarge;
                if (m_remaining > 0)
                    return Result::NeedMore;
                m_chunkPhase = ChunkPhase::DataEnd;
                continue;
            }
            const auto line = nextLine("\r\n", kMaxLineSize, tooLong);
            if (!line || tooLong)
                return tooLong ? Result::Malformed : Result::NeedMore;
            if (m_chunkPhase == ChunkPhase::DataEnd) {
                if (!line->isEmpty())
                    return Result::Malformed;
                m_chunkPhase = ChunkPhase::Size;
            } else if (m_chunkPhase == ChunkPhase::Size) {
                const auto size = chunkSize(*line);
                if (!size)
                    return Result::Malformed;
                if (m_response.body.size() + *size > maxBodySize)
                    return Result::TooLarge;
                m_remaining = *size;
                m_chunkPhase = *size == 0 ? ChunkPhase::Trailer : ChunkPhase::Data;
            } else if (line->isEmpty()) { // the trailer's end
                m_phase = Phase::Done;
            }
            continue;
        }
    }
}

HttpResponseParser::Result HttpResponseParser::close(qsizetype maxBodySize) {
    const Result result = next(maxBodySize);
    if (result != Result::NeedMore)
        return result;
    if (m_phase == Phase::UntilClose) {
        m_phase = Phase::Done;
        return Result::Complete;
    }
    return m_started ? Result::Cut : Result::NeedMore;
}

HttpResponseParser::Response HttpResponseParser::takeResponse() {
    Response response = std::move(m_response);
    m_response = {};
    m_phase = Phase::Head;
    m_chunkPhase = ChunkPhase::Size;
    m_started = false;
    m_remaining = 0;
    return response;
}

bool HttpResponseParser::readHead(QByteArrayView head) {
    const qsizetype lineEnd = head.indexOf("\r\n");
    const QByteArrayView statusLine = lineEnd < 0 ? head : head.first(lineEnd);
    // "HTTP/1.x NNN reason"
    if (statusLine.size() < 12 || !statusLine.startsWith("HTTP/1.") ||
        (statusLine[7] != '0' && statusLine[7] != '1') || statusLine[8] != ' ' ||
        (statusLine.size() > 12 && statusLine[12] != ' '))
        return false;
    const auto status = decimalNumber(statusLine.sliced(9, 3));
    if (!status || *status < 100)
        return false;
    m_response.status = int(*status);
    m_response.keepAlive = statusLine[7] == '1'; // HTTP/1.1 keeps the connection unless told otherwise
    bool chunked = false;
    std::optional<qint64> length;
    for (QByteArrayView rest = lineEnd < 0 ? QByteArrayView() : head.sliced(lineEnd + 2); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf("\r\n");
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 2);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return false;
        const QByteArrayView name = line.first(colon);
        const QByteArrayView value = line.sliced(colon + 1).trimmed();
        m_response.headers.append({name.toByteArray(), value.toByteArray()});
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            const auto n = decimalNumber(value);
            if (!n || (length && *length != *n))
                return false; // differing lengths could smuggle an answer into the next one
            length = n;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            chunked = hasToken(value, "chunked");
        } else if (name.compare("Connection", Qt::CaseInsensitive) == 0) {
            if (hasToken(value, "close"))
                m_response.keepAlive = false;
            else if (hasToken(value, "keep-alive"))
                m_response.keepAlive = true;
        } else if (name.compare("Location", Qt::CaseInsensitive) == 0) {
            m_response.location = value.toByteArray();
        }
    }
    m_remaining = 0;
    if (m_response.status < 200 || m_response.status == 204 || m_response.status == 304) {
        m_phase = Phase::Fixed;
    } else if (chunked) {
        m_phase = Phase::Chunked;
        m_chunkPhase = ChunkPhase::Size;
    } else if (length) {
        m_phase = Phase::Fixed;
        m_remaining = *length;
    } else {
        m_phase = Phase::UntilClose; // the body runs to the close, so the connection ends with it
        m_response.keepAlive = false;
    }
    return true;
}

bool HttpResponseParser::takeOwedBody(qsizetype available, qsizetype maxBodySize) {
    const qsizetype take = std::min<qint64>(m_remaining, available);
    m_remaining -= take;
    return takeBody(take, maxBodySize);
}

bool HttpResponseParser::takeBody(qsizetype size, qsizetype maxBodySize) {
    m_response.body.append(m_in.constData() + m_pos, size);
    m_pos += size;
    return m_response.body.size() <= maxBodySize;
}
