#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>
#include <memory>

class QQmlEngine;
class QJSEngine;
class QSettings;

// Holds the application's accent colour: the selected format tile, the Convert button, progress,
// the drag highlight and the reveal button. One instance per process, loaded from the settings
// store on first use; every assignment writes the colour back.
class ThemeManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QColor accentColor READ accentColor WRITE setAccentColor NOTIFY accentColorChanged)

public:
    // The settings key the colour is stored under.
    static constexpr auto settingsKey = "accentColor";

    // Reads the colour from `settings`, which it takes over; nothing is written until the first
    // assignment.
    explicit ThemeManager(std::unique_ptr<QSettings> settings, QObject *parent = nullptr);
    ~ThemeManager() override;

    // The process-wide instance, created on first use with the user's settings store.
    static ThemeManager *shared();
    // Hands the shared instance to QML; C++ keeps ownership.
    static ThemeManager *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    [[nodiscard]] static QColor defaultAccentColor();

    [[nodiscard]] QColor accentColor() const;
    // Always rewrites the store; readers are notified only when the colour really changed.
    void setAccentColor(const QColor &color);

Q_SIGNALS:
    void accentColorChanged();

private:
    [[nodiscard]] std::optional<QColor> loadColor(const QString &key) const;
    void saveColor(const QColor &color, const QString &key);

    std::unique_ptr<QSettings> m_settings;
    QColor m_accentColor;
};
