#pragma once

#include "engine/mediaprobe.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Whether parts can be joined into one file without re-encoding, decided from their probes
// alone (read at the `coding` depth) before anything is written. Every part is held against the
// first: the same kinds of track in the same order, and per track what a player can't switch
// in the middle of a stream (codec, profile, picture size and shape, frame rate, sample rate,
// channels, the codec's set-up bytes). Languages and titles come from the first part and are
// not compared.
namespace JoinCheck
{
struct Part {
    QString name; // the file's name, for messages
    MediaProbe::Info info;
};

struct Refusal {
    qsizetype part = 0; // the part that differs, from 0
    QString reason; // "Doesn't match part 1: 1920×1080 here, 3840×2160 there"
    bool operator==(const Refusal &) const = default;
};

// The first part that can't follow the first one, and how it differs; none when all can.
[[nodiscard]] std::optional<Refusal> refusal(const QList<Part> &parts);

// The reason a joined file must not be kept: it doesn't last as long as its parts together
// (`expected`, within `frame` per part), or a copied track holds other than the parts' packets
// together. `copied` pairs a track of `output` with the stream of `expected` it came from.
[[nodiscard]] std::optional<QString> arrivalFailure(
    const MediaProbe::Info &expected, const MediaProbe::Info &output, const QList<std::pair<int, int>> &copied, double frame, qsizetype parts);

// Notes on parts whose audio and video end more than a frame apart (read at the `packets`
// depth): players fill that gap at each join, which is where drift comes from.
[[nodiscard]] QStringList lengthNotes(const QList<Part> &parts);
}
