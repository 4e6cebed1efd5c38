#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputformat.h"

#include <QString>
#include <optional>
#include <utility>

// What each container holds, refuses or makes over, as ffmpeg 5.1 writes and reads it back:
// found by trying (docs/containers.md has the measured table), one table for the source's tracks
// and the side files' alike.
namespace ContainerTable
{
// Whether a container takes a copied codec: as is, only when ffmpeg is told to allow it, or not at all.
enum class Takes { yes, experimental, unofficial, no };

[[nodiscard]] Takes audio(const QString &codec, OutputFormat format);

// The `-strict` level a file needs to hold everything of `takes`: "experimental" over
// "unofficial"; empty: none.
[[nodiscard]] QString strictness(Takes takes, const QString &sofar);

// What a container records of a track.
struct Records {
    bool language = false;
    bool title = false;
    MediaProbe::Flags flags;
    bool firstIsDefault = false; // a kind without a default track gets its first one marked
    bool rotation = false; // a video's display rotation
    bool dolbyVision = false; // the Dolby Vision configuration, when asked with `dolbyVisionStrict`
    // A video's colour tags in the container's own header; TS has none, the stream carries them.
    bool colour = false;
    bool operator==(const Records &) const = default;
};
[[nodiscard]] Records records(OutputFormat format);
// The `-strict` level under which the container writes a Dolby Vision configuration; empty: none.
[[nodiscard]] QString dolbyVisionStrict(OutputFormat format);

// The sample entry a video codec is written under where the container's default one keeps
// players away (HEVC as `hvc1`, which Apple's players open, not `hev1`); empty: the default.
[[nodiscard]] QString videoTag(const QString &codec, OutputFormat format);

struct Conversion {
    QString codec; // as read back
    QString encoder;
};
[[nodiscard]] bool isTextSubtitle(const QString &codec);
// Where a text subtitle must change form to be held at all.
[[nodiscard]] std::optional<Conversion> conversionOf(const QString &codec, OutputFormat format);
[[nodiscard]] QString conversionWarning(OutputFormat format, bool styled);
[[nodiscard]] QString conversionWhy(OutputFormat format);

// A track of the source that stays out whatever the rule says, and why; empty: none.
[[nodiscard]] bool leftOut(const MediaProbe::Stream &stream, OutputFormat format);
[[nodiscard]] QString technicalWhy(const MediaProbe::Stream &stream, OutputFormat format);

// What a container refuses outright: why, as the row shows it, and the note for the user.
// Empty: no refusal known. `sideName` names a side file in the note.
[[nodiscard]] std::pair<QString, QString> refusalOf(MediaProbe::StreamKind kind, const QString &codec, OutputFormat format, const QString &sideName);

// The codec as the row names it: "PGS", "SRT", or ffmpeg's name in capitals.
[[nodiscard]] QString codecLabel(const QString &codec);
}
