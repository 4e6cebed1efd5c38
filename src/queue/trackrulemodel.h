#pragma once

#include "engine/outputformat.h"
#include "engine/trackrule.h"
#include "queue/filelistmodel.h"

#include <QObject>
#include <QSettings>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>
#include <functional>

// The window's `vm.tracks`: which tracks the batch keeps, as one sentence and as the rule the
// editor reads and writes, and a file's own exceptions to it. Confined to the main thread.
class TrackRuleModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The view model owns the track rule")

    // The rule in one plain sentence ("Keeping every track").
    Q_PROPERTY(QString sentence READ sentence NOTIFY ruleChanged)
    // The rule as the editor reads and writes it (the keys of TrackRule::toMap()).
    Q_PROPERTY(QVariantMap rule READ ruleMap WRITE setRuleMap NOTIFY ruleChanged)

public:
    // `choosable`: the row of a file whose tracks may still be chosen, or -1.
    TrackRuleModel(FileListModel *files, std::function<OutputFormat()> format, std::function<int(const QString &fileId)> choosable, QObject *parent);

    // Read from `settings`, where it is remembered from now on; none: nothing is remembered.
    void restore(QSettings *settings);
    [[nodiscard]] const TrackRule &rule() const { return m_rule; }
    // Takes effect at the next batch, and in every row's plan at once.
    void setRule(const TrackRule &rule);
    [[nodiscard]] QString sentence() const;
    [[nodiscard]] QVariantMap ruleMap() const;
    void setRuleMap(const QVariantMap &map);

    // The languages the editor offers, as { code, name } maps: the desktop's language first,
    // then by name; only those whose name or code contains `search` (any case), when given.
    Q_INVOKABLE QVariantList languageChoices(const QString &search = {}) const;
    // An exception for one file: the track with this key (TrackPlan::Decision::key) is kept or
    // left out whatever the rule says.
    Q_INVOKABLE void setTrackKept(const QString &fileId, const QString &key, bool kept);
    // Drops every exception of the file: the rule decides its tracks again.
    Q_INVOKABLE void followTrackRule(const QString &fileId);

Q_SIGNALS:
    void ruleChanged();
    // Files listed while the rule left side files out were read without them.
    void sideFilesAdded();

private:
    FileListModel *m_files;
    std::function<OutputFormat()> m_format;
    std::function<int(const QString &)> m_choosable;
    QSettings *m_settings = nullptr;
    TrackRule m_rule;
};
