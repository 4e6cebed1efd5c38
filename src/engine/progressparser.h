#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// Cuts a byte stream into lines at LF, CR or CR LF. The terminators never reach a line; a CR LF
// split across two reads still counts once, and bytes after the last terminator wait for the next
// read or for finish().
class LineSplitter
{
public:
    // The lines completed by `bytes`, in order.
    [[nodiscard]] QList<QByteArray> push(QByteArrayView bytes);
    // The unterminated tail at the end of the stream, if any bytes are left.
    [[nodiscard]] std::optional<QByteArray> finish();

private:
    QByteArray m_tail;
    bool m_lastWasCR = false;
};

// Turns ffmpeg's "-progress" output into one Progress per report block. Pure: lines in, records
// out. A block looks like this (ffmpeg 5.1 prints both out_time keys, both in microseconds):
//
//     frame=240
//     out_time_us=4000000        <- may be negative, or N/A
//     out_time_ms=4000000
//     speed= 1.5x                <- "%4.3g" then 'x': leading blanks, exponents, or N/A
//     progress=continue          <- closes the block; "end" for the last one
//
// The latest output time and speed survive from block to block until a readable line replaces
// them; an unreadable time keeps the old one, an unreadable speed clears it.
class ProgressParser
{
public:
    // One report block of ffmpeg's progress output.
    struct Progress {
        std::optional<double> fraction; // 0.0...1.0; absent when the duration or output time is unknown
        std::optional<double> speed; // multiple of real time; absent when unreported or unreadable
        // Not from ffmpeg: the engine's word that the new file is being flushed and named, a
        // step Stop no longer undoes.
        bool saving = false;
        bool operator==(const Progress &) const = default;
    };

    explicit ProgressParser(std::optional<double> duration);

    // Feeds one line without its terminator; returns a record when the line closes a block.
    [[nodiscard]] std::optional<Progress> feedLine(QStringView line);
    [[nodiscard]] std::optional<Progress> feedLine(QByteArrayView utf8Line);

    // The whole value as one number in the C locale's notation, whatever the process locale is.
    // Empty values, leading white space and trailing characters all fail.
    [[nodiscard]] static std::optional<double> readNumber(QStringView value);
    // Strips tabs and Unicode space separators (category Zs) from both ends, nothing else.
    [[nodiscard]] static QStringView trimBlanks(QStringView value);

private:
    [[nodiscard]] std::optional<double> fraction() const;

    std::optional<double> m_duration;
    std::optional<double> m_outTime;
    std::optional<double> m_speed;
};

// ffmpeg's standard output as it arrives, in reads cut anywhere: the records the bytes complete.
class ProgressStream
{
public:
    explicit ProgressStream(std::optional<double> duration);
    [[nodiscard]] QList<ProgressParser::Progress> push(QByteArrayView bytes);
    // The record of an unterminated last line, if it closes a block.
    [[nodiscard]] QList<ProgressParser::Progress> finish();

private:
    LineSplitter m_splitter;
    ProgressParser m_parser;
};
