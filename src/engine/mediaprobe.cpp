#include "engine/mediaprobe.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QFile>
#include <QScopeGuard>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <dlfcn.h>
#include <mutex>
#include <thread>

MediaProbe::Control::Control()
{
    touch();
}

std::chrono::nanoseconds MediaProbe::Control::idleFor() const
{
    return std::chrono::steady_clock::now().time_since_epoch() - std::chrono::nanoseconds(lastActivity.load());
}

namespace
{
using ReadMedia = void (*)(const QString &, int, MediaProbe::Control *, const QString &, std::optional<MediaProbe::Info> *);
using NameCodec = void (*)(int, QString *);
void *readerModule = nullptr;

// The installed module (<prefix>/lib/kestrune/modules beside <prefix>/bin), then the build tree's.
ReadMedia loadReader()
{
    const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QStringList places { program.isEmpty() ? QString() : program + QStringLiteral("/../lib/kestrune/modules"), QStringLiteral(KESTRUNE_PROBE_BUILD_DIR) };
    for (const QString &place : places) {
        if (place.isEmpty()) {
            continue;
        }
        const QByteArray file = QFile::encodeName(place + QStringLiteral("/libkestrune-probe.so"));
        if (void *module = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL)) {
            if (auto read = reinterpret_cast<ReadMedia>(dlsym(module, "kestrune_read_media"))) {
                readerModule = module;
                return read;
            }
            dlclose(module);
        }
    }
    qWarning("kestrune: the media probe module libkestrune-probe.so was not found; new files are not checked");
    return nullptr;
}

ReadMedia reader()
{
    static const ReadMedia read = loadReader();
    return read;
}
}

std::optional<MediaProbe::Info> MediaProbe::probeFile(const QString &path, Depth depth, Control *control)
{
    return probeFileAs(path, {}, depth, control);
}

std::optional<MediaProbe::Info> MediaProbe::probeFileAs(const QString &path, const QString &demuxer, Depth depth, Control *control)
{
    const ReadMedia read = reader();
    std::optional<Info> info;
    if (read) {
        read(path, int(depth), control, demuxer, &info);
    }
    return info;
}

QCoro::Task<std::optional<MediaProbe::Info>> MediaProbe::probe(
    QUrl file, Depth depth, std::shared_ptr<Control> control, std::chrono::milliseconds stallLimit, std::function<void(Control &)> hook)
{
    struct Result {
        std::atomic<bool> ready = false;
        std::optional<Info> info;
    };
    auto result = std::make_shared<Result>();
    const QString path = file.isLocalFile() ? file.toLocalFile() : QString();
    control->touch();
    // A thread of its own rather than a pool's: a read stuck in the kernel must not hold back
    // other probes, nor make the process wait for it when it quits.
    std::thread([result, control, path, depth, hook = std::move(hook)] {
        if (hook) {
            hook(*control);
        }
        result->info = control->stop ? std::nullopt : probeFile(path, depth, control.get());
        result->ready = true;
    }).detach();
    // Short sleeps keep the wait cheap and let Stop and the stall limit act within a moment.
    auto pause = std::chrono::milliseconds(1);
    while (!result->ready) {
        if (control->stop || control->idleFor() > stallLimit) {
            control->stop = true;
            co_return std::nullopt;
        }
        auto sleeping = QCoro::sleepFor(pause); // named: GCC 12 may destroy a co_await temporary twice
        co_await sleeping;
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    co_return std::move(result->info);
}

QCoro::Task<std::optional<double>> MediaProbe::probeDuration(QUrl input, std::chrono::milliseconds stallLimit)
{
    auto probing = probe(std::move(input), Depth::full, std::make_shared<Control>(), stallLimit);
    const auto info = co_await probing;
    co_return info ? info->duration : std::nullopt;
}

QString MediaProbe::codecName(int codecId)
{
    const auto name = reader() ? reinterpret_cast<NameCodec>(dlsym(readerModule, "kestrune_codec_name")) : nullptr;
    QString found;
    if (name) {
        name(codecId, &found);
    }
    return found;
}

QString MediaProbe::kindName(StreamKind kind)
{
    switch (kind) {
    case StreamKind::video:
        return QCoreApplication::translate("MediaProbe", "video");
    case StreamKind::audio:
        return QCoreApplication::translate("MediaProbe", "audio");
    case StreamKind::subtitle:
        return QCoreApplication::translate("MediaProbe", "subtitle");
    case StreamKind::data:
        return QCoreApplication::translate("MediaProbe", "data");
    case StreamKind::attachment:
        return QCoreApplication::translate("MediaProbe", "attachment");
    case StreamKind::other:
        break;
    }
    return QCoreApplication::translate("MediaProbe", "other");
}
