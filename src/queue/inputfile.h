#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>
#include <optional>
#include <variant>

// One source file in the queue. A plain value: copying it copies everything, and nothing in it
// refers to the model. Identity for lists and lookups is `id`; equality compares every field,
// so a copy taken before a status change no longer equals the current record.
class InputFile
{
public:
    // Where a file stands in the queue: queued -> converting -> done or failed.
    class FileStatus
    {
    public:
        struct Queued {
            bool operator==(const Queued &) const = default;
        };
        struct Converting {
            std::optional<double> fraction;
            std::optional<double> speed;
            bool saving = false; // ffmpeg is done; the new file is being flushed and named
            bool operator==(const Converting &) const = default;
        };
        struct Done {
            QUrl outputURL;
            std::optional<QString> note; // what was left out of the new file
            std::optional<QString> warning; // what arrived, but not as the source had it
            bool operator==(const Done &other) const;
            // What the row shows: the note, then the warning, as whole sentences.
            [[nodiscard]] QString shownNote() const;
        };
        struct Failed {
            QString reason;
            bool operator==(const Failed &) const = default;
        };

        // The declared order of the cases is the case index used in hashing.
        enum class Case { queued = 0, converting = 1, done = 2, failed = 3 };

        FileStatus() = default; // queued
        static FileStatus queued();
        static FileStatus converting(std::optional<double> fraction = std::nullopt, std::optional<double> speed = std::nullopt, bool saving = false);
        static FileStatus done(const QUrl &outputURL, std::optional<QString> note = std::nullopt, std::optional<QString> warning = std::nullopt);
        static FileStatus failed(const QString &reason);

        [[nodiscard]] Case statusCase() const;
        [[nodiscard]] bool isQueued() const;
        [[nodiscard]] bool isConverting() const;
        [[nodiscard]] bool isDone() const;
        [[nodiscard]] bool isFailed() const;
        // Done or failed: final states a later batch skips.
        [[nodiscard]] bool isFinished() const;

        // Payload access; each returns null when the status is another case.
        [[nodiscard]] const Converting *asConverting() const;
        [[nodiscard]] const Done *asDone() const;
        [[nodiscard]] const Failed *asFailed() const;

        bool operator==(const FileStatus &other) const = default;

    private:
        using Value = std::variant<Queued, Converting, Done, Failed>;
        explicit FileStatus(Value value);
        Value m_value;
    };

    // Sentences joined with a space; each but the last gets its full stop if it lacks one.
    [[nodiscard]] static QString joinSentences(const QStringList &sentences);

    // A new record: a fresh random id and the status queued.
    explicit InputFile(const QUrl &url);

    [[nodiscard]] QUuid id() const;
    [[nodiscard]] QUrl url() const;
    [[nodiscard]] const FileStatus &status() const;
    void setStatus(const FileStatus &status);

    bool operator==(const InputFile &other) const;

private:
    QUuid m_id;
    QUrl m_url;
    FileStatus m_status;
};

[[nodiscard]] size_t qHash(const InputFile::FileStatus &status, size_t seed = 0) noexcept;
[[nodiscard]] size_t qHash(const InputFile &file, size_t seed = 0) noexcept;
