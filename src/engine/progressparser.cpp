#include "engine/progressparser.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

QList<QByteArray> LineSplitter::push(QByteArrayView bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') {
            continue;
        }
        // The LF of a CR LF pair whose CR ended the previous line (possibly in an earlier read).
        const bool pairedLF = c == '\n' && i == start && m_lastWasCR;
        m_lastWasCR = c == '\r';
        if (!pairedLF) {
            m_tail.append(bytes.sliced(start, i - start));
            lines.append(std::exchange(m_tail, {}));
        }
        start = i + 1;
    }
    if (start < bytes.size()) {
        m_tail.append(bytes.sliced(start));
        m_lastWasCR = false;
    }
    return lines;
}

std::optional<QByteArray> LineSplitter::finish()
{
    m_lastWasCR = false;
    if (m_tail.isEmpty()) {
        return std::nullopt;
    }
    return std::exchange(m_tail, {});
}

ProgressParser::ProgressParser(std::optional<double> duration)
    : m_duration(duration)
{ }

std::optional<ProgressParser::Progress> ProgressParser::feedLine(QByteArrayView utf8Line)
{
    return feedLine(QString::fromUtf8(utf8Line));
}

std::optional<ProgressParser::Progress> ProgressParser::feedLine(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) {
        return std::nullopt;
    }
    const QStringView key = line.first(equals);
    const QStringView value = trimBlanks(line.sliced(equals + 1));

    if (key == u"out_time_us" || key == u"out_time_ms") {
        if (const auto micros = readNumber(value)) {
            m_outTime = *micros / 1'000'000.0;
        }
    } else if (key == u"speed") {
        m_speed = readNumber(value.endsWith(u'x') ? value.chopped(1) : value);
    } else if (key == u"progress") {
        return Progress { fraction(), m_speed };
    }
    return std::nullopt;
}

std::optional<double> ProgressParser::fraction() const
{
    if (!m_duration || !m_outTime || !(*m_duration > 0)) {
        return std::nullopt;
    }
    const double quotient = *m_outTime / *m_duration;
    if (std::isnan(quotient) || quotient < 0) {
        return 0.0;
    }
    return quotient > 1 ? 1.0 : quotient;
}

QStringView ProgressParser::trimBlanks(QStringView value)
{
    const auto isBlank = [](QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; };
    while (!value.isEmpty() && isBlank(value.front())) {
        value = value.sliced(1);
    }
    while (!value.isEmpty() && isBlank(value.back())) {
        value.chop(1);
    }
    return value;
}

namespace
{
// strtod follows LC_NUMERIC, which a German desktop sets to the decimal comma; the progress
// numbers are always written with a full stop, so they are read in a C locale of our own.
locale_t cNumericLocale()
{
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}
}

std::optional<double> ProgressParser::readNumber(QStringView value)
{
    if (value.isEmpty()) {
        return std::nullopt;
    }
    switch (value.front().unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u' ':
        return std::nullopt;
    default:
        break;
    }
    const QByteArray bytes = value.toUtf8();
    char *end = nullptr;
    const double number = strtod_l(bytes.constData(), &end, cNumericLocale());
    if (end != bytes.constData() + bytes.size()) {
        return std::nullopt;
    }
    return number;
}

ProgressStream::ProgressStream(std::optional<double> duration)
    : m_parser(duration)
{ }

QList<ProgressParser::Progress> ProgressStream::push(QByteArrayView bytes)
{
    QList<ProgressParser::Progress> records;
    for (const QByteArray &line : m_splitter.push(bytes)) {
        if (const auto progress = m_parser.feedLine(QByteArrayView(line))) {
            records.append(*progress);
        }
    }
    return records;
}

QList<ProgressParser::Progress> ProgressStream::finish()
{
    const auto tail = m_splitter.finish();
    const auto progress = tail ? m_parser.feedLine(QByteArrayView(*tail)) : std::nullopt;
    return progress ? QList<ProgressParser::Progress> { *progress } : QList<ProgressParser::Progress> {};
}
