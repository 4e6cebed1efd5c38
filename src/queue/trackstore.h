#pragma once

#include "engine/outputformat.h"
#include "engine/trackchoice.h"
#include "engine/trackplan.h"
#include "engine/trackrule.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>
#include <memory>

// What is known of each listed file's tracks, row for row with the list: the reading its row
// shows and the generation of the last one asked for, the user's exceptions, and the plan the
// rule and format make of them, made when first asked for and kept until either changes.
class TrackStore
{
public:
    void appendRows(int count);
    void removeRows(int first, int count);
    void moveRow(int from, int to) { m_rows.move(from, to); }

    [[nodiscard]] bool read(int row) const { return m_rows.at(row).read; }
    // A new reading of the row: its generation, which only it will be taken with.
    int askReading(int row);
    [[nodiscard]] bool readingPending(int row) const { return m_rows.at(row).asked != m_rows.at(row).arrived; }
    // Takes a reading unless a newer one was asked for since; whether it was taken.
    bool take(int row, int generation, std::shared_ptr<const FileTracks> tracks);

    [[nodiscard]] std::shared_ptr<const FileTracks> tracks(int row) const { return m_rows.at(row).tracks; }
    [[nodiscard]] const QHash<QString, bool> &exceptions(int row) const { return m_rows.at(row).exceptions; }
    // Whether they differ from the row's.
    bool setExceptions(int row, const QHash<QString, bool> &exceptions);
    // Whether they differ from the rule and format of now; the plans are made again as asked.
    bool setContext(const TrackRule &rule, OutputFormat format);

    [[nodiscard]] TrackChoice choice(int row, const QHash<QString, bool> *exceptions = nullptr) const;
    // Null until the tracks are read.
    [[nodiscard]] std::shared_ptr<const TrackPlan> plan(int row) const;
    // The plan's decisions as the row's track list reads them (TrackMaps).
    [[nodiscard]] QVariantList maps(int row) const;

private:
    struct Row {
        std::shared_ptr<const FileTracks> tracks; // null: not read, or unreadable
        bool read = false;
        int asked = 0; // the generation of the last reading asked for
        int arrived = 0; // and of the one shown
        QHash<QString, bool> exceptions; // by TrackPlan::Decision::key
        // Made for the rule and format of `planGeneration`; made again when they have changed.
        mutable std::shared_ptr<const TrackPlan> plan;
        mutable int planGeneration = -1;
        // The plan's decisions as the track list reads them, for the plan `mapsOf`.
        mutable std::shared_ptr<const TrackPlan> mapsOf;
        mutable QVariantList maps;
    };

    QList<Row> m_rows;
    TrackRule m_rule;
    OutputFormat m_format = OutputFormat::mkv;
    int m_planGeneration = 0; // bumped when the rule or the format changes
    int m_readings = 0; // readings asked for, of every row
};
