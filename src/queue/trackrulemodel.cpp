#include "queue/trackrulemodel.h"

TrackRuleModel::TrackRuleModel(FileListModel *files, std::function<OutputFormat()> format, std::function<int(const QString &fileId)> choosable, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_format(std::move(format))
    , m_choosable(std::move(choosable))
{ }

void TrackRuleModel::restore(QSettings *settings)
{
    m_settings = settings;
    if (m_settings) {
        m_rule = TrackRule::load(*m_settings);
    }
}

void TrackRuleModel::setRule(const TrackRule &rule)
{
    if (m_rule == rule) {
        return;
    }
    const bool sideFilesAdded = rule.addSideFiles && !m_rule.addSideFiles;
    m_rule = rule;
    if (m_settings) {
        rule.save(*m_settings);
        m_settings->sync();
    }
    m_files->setPlanContext(rule, m_format());
    if (sideFilesAdded) {
        Q_EMIT this->sideFilesAdded();
    }
    Q_EMIT ruleChanged();
}

QString TrackRuleModel::sentence() const
{
    return m_rule.sentence();
}

QVariantMap TrackRuleModel::ruleMap() const
{
    return m_rule.toMap();
}

void TrackRuleModel::setRuleMap(const QVariantMap &map)
{
    setRule(TrackRule::fromMap(map));
}

QVariantList TrackRuleModel::languageChoices(const QString &search) const
{
    QVariantList choices;
    for (const auto &[code, name] : TrackRule::languages(search)) {
        choices.append(QVariantMap { { QStringLiteral("code"), code }, { QStringLiteral("name"), name } });
    }
    return choices;
}

void TrackRuleModel::setTrackKept(const QString &fileId, const QString &key, bool kept)
{
    const int row = m_choosable(fileId);
    const auto tracks = row >= 0 ? m_files->tracks(row) : nullptr;
    if (!tracks || !tracks->info) {
        return;
    }
    // What the rule decides with the file's other exceptions: a tick that agrees is no exception.
    QHash<QString, bool> exceptions = m_files->trackExceptions(row);
    exceptions.remove(key);
    const TrackPlan byRule = TrackPlan::make(*tracks->info, m_format(), m_files->trackChoice(row, &exceptions));
    const auto decision
        = std::find_if(byRule.decisions.cbegin(), byRule.decisions.cend(), [&key](const TrackPlan::Decision &decision) { return decision.key == key; });
    if (decision == byRule.decisions.cend()) {
        return;
    }
    if (decision->kept != kept) {
        exceptions.insert(key, kept);
    }
    m_files->setTrackExceptions(row, exceptions);
}

void TrackRuleModel::followTrackRule(const QString &fileId)
{
    if (const int row = m_choosable(fileId); row >= 0) {
        m_files->setTrackExceptions(row, {});
    }
}
