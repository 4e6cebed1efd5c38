#include "queue/trackstore.h"

#include "queue/trackmaps.h"

void TrackStore::appendRows(int count)
{
    m_rows.resize(m_rows.size() + count);
}

void TrackStore::removeRows(int first, int count)
{
    m_rows.remove(first, count);
}

int TrackStore::askReading(int row)
{
    return m_rows[row].asked = ++m_readings;
}

bool TrackStore::take(int row, int generation, std::shared_ptr<const FileTracks> tracks)
{
    Row &known = m_rows[row];
    if (generation != known.asked) {
        return false;
    }
    known.tracks = std::move(tracks);
    known.read = true;
    known.arrived = generation;
    known.plan.reset();
    return true;
}

bool TrackStore::setExceptions(int row, const QHash<QString, bool> &exceptions)
{
    Row &known = m_rows[row];
    if (known.exceptions == exceptions) {
        return false;
    }
    known.exceptions = exceptions;
    known.plan.reset();
    return true;
}

bool TrackStore::setContext(const TrackRule &rule, OutputFormat format)
{
    if (rule == m_rule && format == m_format) {
        return false;
    }
    m_rule = rule;
    m_format = format;
    // The plans are made again as rows are shown: nothing is done here for the rows never seen.
    ++m_planGeneration;
    return true;
}

TrackChoice TrackStore::choice(int row, const QHash<QString, bool> *exceptions) const
{
    const Row &known = m_rows.at(row);
    TrackChoice choice { m_rule, {}, exceptions ? *exceptions : known.exceptions };
    if (known.tracks && m_rule.addSideFiles) {
        choice.sideFiles = known.tracks->sideFiles;
    }
    return choice;
}

std::shared_ptr<const TrackPlan> TrackStore::plan(int row) const
{
    const Row &known = m_rows.at(row);
    if (!known.tracks || !known.tracks->info) {
        return nullptr;
    }
    if (!known.plan || known.planGeneration != m_planGeneration) {
        known.plan = std::make_shared<const TrackPlan>(TrackPlan::make(*known.tracks->info, m_format, choice(row)));
        known.planGeneration = m_planGeneration;
    }
    return known.plan;
}

QVariantList TrackStore::maps(int row) const
{
    const auto made = plan(row);
    if (!made) {
        return {};
    }
    // Each tick weighs a plan of its own: made once per plan, not per ask.
    const Row &known = m_rows.at(row);
    if (known.mapsOf != made) {
        known.maps = TrackMaps::of(
            *made,
            [this, row, &known](const QHash<QString, bool> &exceptions) { return TrackPlan::make(*known.tracks->info, m_format, choice(row, &exceptions)); },
            known.exceptions);
        known.mapsOf = made;
    }
    return known.maps;
}
