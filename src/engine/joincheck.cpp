#include "engine/joincheck.h"

#include <QCoreApplication>
#include <cmath>

namespace JoinCheck
{
namespace
{
using Kind = MediaProbe::StreamKind;
using Coding = MediaProbe::Stream::Coding;

QString tr(const char *text)
{
    return QCoreApplication::translate("JoinCheck", text);
}

// Cover art and attachments come from the first part only: they are not compared.
QList<MediaProbe::Stream> tracksOf(const MediaProbe::Info &info)
{
    QList<MediaProbe::Stream> tracks;
    for (const MediaProbe::Stream &stream : info.streams) {
        if ((stream.kind == Kind::video || stream.kind == Kind::audio || stream.kind == Kind::subtitle) && !stream.attachedPicture) {
            tracks << stream;
        }
    }
    return tracks;
}

QString kindWord(Kind kind)
{
    switch (kind) {
    case Kind::video:
        return tr("video");
    case Kind::audio:
        return tr("audio");
    default:
        return tr("subtitles");
    }
}

QString kindsOf(const QList<MediaProbe::Stream> &tracks)
{
    QStringList words;
    for (const MediaProbe::Stream &track : tracks) {
        words << kindWord(track.kind);
    }
    return words.isEmpty() ? tr("no tracks") : words.join(QStringLiteral(", "));
}

// Frame rates are compared to a thousandth: containers round the same rate differently.
bool sameRate(const Coding &a, const Coding &b)
{
    if (a.rateNum == 0 || b.rateNum == 0) {
        return true;
    }
    const double x = double(a.rateNum) / a.rateDen, y = double(b.rateNum) / b.rateDen;
    return std::abs(x - y) <= 0.001 * std::max(x, y);
}

QString rateText(const Coding &c)
{
    return QString::number(double(c.rateNum) / c.rateDen, 'g', 5);
}

// Unknown values (zero) are not held against a part: one container may not state what another does.
bool differ(int here, int there)
{
    return here != 0 && there != 0 && here != there;
}

// How `here` (a track of a later part) differs from `there` (the first part's), in a few words.
std::optional<QString> difference(const MediaProbe::Stream &here, const MediaProbe::Stream &there)
{
    const Coding &h = here.coding, &t = there.coding;
    if (here.codecName != there.codecName) {
        const QString text = here.kind == Kind::video ? tr("%1 video here, %2 there")
            : here.kind == Kind::audio                ? tr("%1 audio here, %2 there")
                                                      : tr("%1 subtitles here, %2 there");
        return text.arg(here.codecName, there.codecName);
    }
    if (here.kind == Kind::subtitle) {
        return std::nullopt;
    }
    const bool video = here.kind == Kind::video;
    if (here.kind == Kind::video) {
        if (differ(h.width, t.width) || differ(h.height, t.height)) {
            return tr("%1×%2 here, %3×%4 there").arg(h.width).arg(h.height).arg(t.width).arg(t.height);
        }
        if (differ(h.aspectNum * t.aspectDen, t.aspectNum * h.aspectDen)) {
            return tr("pixels shaped %1:%2 here, %3:%4 there").arg(h.aspectNum).arg(h.aspectDen).arg(t.aspectNum).arg(t.aspectDen);
        }
        if (!sameRate(h, t)) {
            return tr("%1 frames a second here, %2 there").arg(rateText(h), rateText(t));
        }
    }
    if (here.kind == Kind::audio) {
        if (differ(h.sampleRate, t.sampleRate)) {
            return tr("audio at %1 Hz here, %2 Hz there").arg(h.sampleRate).arg(t.sampleRate);
        }
        if (!h.channelLayout.isEmpty() && !t.channelLayout.isEmpty() && h.channelLayout != t.channelLayout) {
            return tr("%1 audio here, %2 there").arg(h.channelLayout, t.channelLayout);
        }
    }
    if (differ(h.profile, t.profile)) {
        return video ? tr("the video was encoded with another profile") : tr("the audio was encoded with another profile");
    }
    // Both need their set-up bytes to decode: the same codec set up otherwise decodes to garbage.
    if (h.parameterSets != 0 && t.parameterSets != 0 && h.parameterSets != t.parameterSets) {
        return video ? tr("the video was encoded with other settings") : tr("the audio was encoded with other settings");
    }
    return std::nullopt;
}
}

std::optional<Refusal> refusal(const QList<Part> &parts)
{
    if (parts.isEmpty()) {
        return std::nullopt;
    }
    const QList<MediaProbe::Stream> first = tracksOf(parts.first().info);
    const auto refused = [](qsizetype part, const QString &how) { return Refusal { part, tr("Doesn't match part 1: %1.").arg(how) }; };
    for (qsizetype p = 1; p < parts.size(); ++p) {
        const QList<MediaProbe::Stream> tracks = tracksOf(parts[p].info);
        const bool sameKinds = tracks.size() == first.size()
            && std::equal(tracks.cbegin(), tracks.cend(), first.cbegin(), [](const auto &a, const auto &b) { return a.kind == b.kind; });
        if (!sameKinds) {
            return refused(p, tr("%1 here, %2 there").arg(kindsOf(tracks), kindsOf(first)));
        }
        for (qsizetype i = 0; i < tracks.size(); ++i) {
            if (const auto how = difference(tracks[i], first[i])) {
                return refused(p, *how);
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> arrivalFailure(
    const MediaProbe::Info &expected, const MediaProbe::Info &output, const QList<std::pair<int, int>> &copied, double frame, qsizetype parts)
{
    if (expected.duration && output.duration && std::abs(*expected.duration - *output.duration) > frame * double(std::max<qsizetype>(parts, 1))) {
        return tr("The joined file lasts %1 s, but its parts together last %2 s, so it was not kept.")
            .arg(QString::number(*output.duration, 'f', 2), QString::number(*expected.duration, 'f', 2));
    }
    for (const auto &[made, source] : copied) {
        if (made >= output.streams.size() || source >= expected.streams.size()) {
            continue;
        }
        const qint64 arrived = output.streams[made].coding.packets, sent = expected.streams[source].coding.packets;
        if (arrived >= 0 && sent >= 0 && arrived != sent) {
            return tr("Track %1 of the joined file holds %2 packets, but the parts hold %3 together, so it was not kept.").arg(made + 1).arg(arrived).arg(sent);
        }
    }
    return std::nullopt;
}

QStringList lengthNotes(const QList<Part> &parts)
{
    QStringList notes;
    for (const Part &part : parts) {
        const MediaProbe::Stream *video = nullptr;
        const MediaProbe::Stream *audio = nullptr;
        for (const MediaProbe::Stream &stream : part.info.streams) {
            if (stream.kind == Kind::video && !stream.attachedPicture && !video) {
                video = &stream;
            } else if (stream.kind == Kind::audio && !audio) {
                audio = &stream;
            }
        }
        if (!video || !audio || video->coding.seconds <= 0 || audio->coding.seconds <= 0 || video->coding.rateNum <= 0) {
            continue;
        }
        const double frame = double(video->coding.rateDen) / video->coding.rateNum;
        const double gap = video->coding.seconds - audio->coding.seconds;
        if (std::abs(gap) > frame + 1e-6) {
            const QString seconds = QString::number(std::abs(gap), 'f', 2);
            notes << (gap > 0 ? tr("In %1 the sound ends %2 s before the picture, so players may pause or drift where the next part begins.")
                              : tr("In %1 the sound ends %2 s after the picture, so players may pause or drift where the next part begins."))
                         .arg(part.name, seconds);
        }
    }
    return notes;
}
}
