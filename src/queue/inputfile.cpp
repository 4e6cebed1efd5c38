#include "queue/inputfile.h"

#include <QHash>
#include <QHashFunctions>

namespace
{
// URLs compare by their full text: no path normalisation, no link resolution.
bool sameUrlText(const QUrl &a, const QUrl &b)
{
    return a.toString(QUrl::FullyEncoded) == b.toString(QUrl::FullyEncoded);
}

// An optional contributes 0 when absent, else 1 followed by its value.
template<typename T> size_t hashOptional(size_t seed, const std::optional<T> &value)
{
    seed = QtPrivate::QHashCombine()(seed, value.has_value() ? 1 : 0);
    if (value) {
        seed = QtPrivate::QHashCombine()(seed, *value);
    }
    return seed;
}
}

bool InputFile::FileStatus::Done::operator==(const Done &other) const
{
    return sameUrlText(outputURL, other.outputURL) && note == other.note && warning == other.warning;
}

QString InputFile::FileStatus::Done::shownNote() const
{
    QStringList parts;
    for (const std::optional<QString> &part : { note, warning }) {
        if (part) {
            parts.append(*part);
        }
    }
    return joinSentences(parts);
}

QString InputFile::joinSentences(const QStringList &sentences)
{
    QString text;
    // Japanese ends a sentence with an ideographic full stop and starts the next without a space.
    const QChar ideographicStop(0x3002);
    for (const QString &sentence : sentences) {
        if (!text.isEmpty() && text.back() != ideographicStop) {
            const QChar last = text.back();
            if (last != QLatin1Char('.') && last != QLatin1Char('!') && last != QLatin1Char('?')) {
                text += QLatin1Char('.');
            }
            text += QLatin1Char(' ');
        }
        text += sentence;
    }
    return text;
}

InputFile::FileStatus::FileStatus(Value value)
    : m_value(std::move(value))
{ }

InputFile::FileStatus InputFile::FileStatus::queued()
{
    return FileStatus(Queued {});
}

InputFile::FileStatus InputFile::FileStatus::converting(std::optional<double> fraction, std::optional<double> speed, bool saving)
{
    return FileStatus(Converting { fraction, speed, saving });
}

InputFile::FileStatus InputFile::FileStatus::done(const QUrl &outputURL, std::optional<QString> note, std::optional<QString> warning)
{
    return FileStatus(Done { outputURL, std::move(note), std::move(warning) });
}

InputFile::FileStatus InputFile::FileStatus::failed(const QString &reason)
{
    return FileStatus(Failed { reason });
}

InputFile::FileStatus::Case InputFile::FileStatus::statusCase() const
{
    return static_cast<Case>(m_value.index());
}

bool InputFile::FileStatus::isQueued() const
{
    return std::holds_alternative<Queued>(m_value);
}

bool InputFile::FileStatus::isConverting() const
{
    return std::holds_alternative<Converting>(m_value);
}

bool InputFile::FileStatus::isDone() const
{
    return std::holds_alternative<Done>(m_value);
}

bool InputFile::FileStatus::isFailed() const
{
    return std::holds_alternative<Failed>(m_value);
}

bool InputFile::FileStatus::isFinished() const
{
    return isDone() || isFailed();
}

const InputFile::FileStatus::Converting *InputFile::FileStatus::asConverting() const
{
    return std::get_if<Converting>(&m_value);
}

const InputFile::FileStatus::Done *InputFile::FileStatus::asDone() const
{
    return std::get_if<Done>(&m_value);
}

const InputFile::FileStatus::Failed *InputFile::FileStatus::asFailed() const
{
    return std::get_if<Failed>(&m_value);
}

InputFile::InputFile(const QUrl &url)
    : m_id(QUuid::createUuid())
    , m_url(url)
{ }

QUuid InputFile::id() const
{
    return m_id;
}

QUrl InputFile::url() const
{
    return m_url;
}

const InputFile::FileStatus &InputFile::status() const
{
    return m_status;
}

void InputFile::setStatus(const FileStatus &status)
{
    m_status = status;
}

bool InputFile::operator==(const InputFile &other) const
{
    return m_id == other.m_id && sameUrlText(m_url, other.m_url) && m_status == other.m_status;
}

size_t qHash(const InputFile::FileStatus &status, size_t seed) noexcept
{
    seed = QtPrivate::QHashCombine()(seed, static_cast<int>(status.statusCase()));
    if (const auto *c = status.asConverting()) {
        seed = hashOptional(seed, c->fraction);
        seed = hashOptional(seed, c->speed);
        seed = QtPrivate::QHashCombine()(seed, c->saving);
    } else if (const auto *d = status.asDone()) {
        seed = QtPrivate::QHashCombine()(seed, d->outputURL.toString(QUrl::FullyEncoded));
        seed = hashOptional(seed, d->note);
        seed = hashOptional(seed, d->warning);
    } else if (const auto *f = status.asFailed()) {
        seed = QtPrivate::QHashCombine()(seed, f->reason);
    }
    return seed;
}

size_t qHash(const InputFile &file, size_t seed) noexcept
{
    seed = QtPrivate::QHashCombine()(seed, file.id());
    seed = QtPrivate::QHashCombine()(seed, file.url().toString(QUrl::FullyEncoded));
    return QtPrivate::QHashCombine()(seed, qHash(file.status()));
}
