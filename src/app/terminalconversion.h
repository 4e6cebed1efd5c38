#pragma once

#include "app/terminalrequest.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>
#include <cstdio>

class RemuxViewModel;
struct TrackPlan;

// A conversion asked for on the command line (`--to`), for scripts and servers: no window, no
// display, no session bus. The window's own model and engine do the work, one file at a time,
// with the same names, retries, checks and never-overwrite rules; the terminal gets one line
// per file and the window's summary sentence. Neither reads nor writes the window's remembered
// choices, so a script gets the same run every time.
class TerminalConversion : public QObject
{
    Q_OBJECT

public:
    static constexpr int failedStatus = TerminalRequest::failedStatus;
    static constexpr int usageStatus = TerminalRequest::usageStatus;
    using Request = TerminalRequest;

    // Whether the command line asks for a terminal run, or uses one of its options.
    [[nodiscard]] static bool requested(int argc, char **argv);
    // The whole process of a terminal run, from the command line to the exit status. Makes a
    // core application only.
    static int run(int &argc, char **argv);

    // Writes progress and outcomes to `out`, redrawing one line in place when `onTerminal`.
    TerminalConversion(Request request, std::FILE *out, bool onTerminal, QObject *parent = nullptr);
    ~TerminalConversion() override;

    // Converts the request's files, or lists their tracks, in the running event loop; finished()
    // follows.
    void start();
    // Ends the run as Stop does: ffmpeg ended, its temporary removed, the line cleared.
    void stop();
    [[nodiscard]] int exitStatus() const;

Q_SIGNALS:
    void finished();

private:
    void listed();
    void showNext();
    void printTracks(const QString &name, const TrackPlan *plan);
    void rowChanged(int row);
    void printLine(const QString &text);
    void printProgress(const QString &text);
    void finish();

    Request m_request;
    std::FILE *m_out;
    bool m_onTerminal;
    RemuxViewModel *m_model = nullptr;
    QSet<QUuid> m_reported;
    int m_refused = 0;
    // --show-tracks: whether the files are in the list, how many rows are shown (in the list's
    // order), and how many of them couldn't be read.
    bool m_listed = false;
    qsizetype m_shown = 0;
    int m_unreadable = 0;
    bool m_lineOpen = false;
    bool m_finished = false;
};
