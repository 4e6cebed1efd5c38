#include "ui/thememanager.h"

#include <QJSEngine>
#include <QSettings>

ThemeManager::ThemeManager(std::unique_ptr<QSettings> settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_accentColor(loadColor(QString::fromLatin1(settingsKey)).value_or(defaultAccentColor()))
{ }

ThemeManager::~ThemeManager() = default;

ThemeManager *ThemeManager::shared()
{
    // A function-local static is initialised exactly once, even under concurrent first use. It is
    // never destroyed: the colour holder lives until the process ends.
    static ThemeManager *const instance
        = new ThemeManager(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kestrune"), QStringLiteral("Kestrune")));
    return instance;
}

ThemeManager *ThemeManager::create(QQmlEngine *, QJSEngine *)
{
    ThemeManager *instance = shared();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

QColor ThemeManager::defaultAccentColor()
{
    return QColor::fromRgbF(0.2f, 0.6f, 0.9f, 1.0f);
}

QColor ThemeManager::accentColor() const
{
    return m_accentColor;
}

void ThemeManager::setAccentColor(const QColor &color)
{
    const bool changed = color != m_accentColor;
    m_accentColor = color;
    saveColor(color, QString::fromLatin1(settingsKey));
    if (changed) {
        Q_EMIT accentColorChanged();
    }
}

std::optional<QColor> ThemeManager::loadColor(const QString &key) const
{
    const QVariant stored = m_settings->value(key);
    // Only a stored colour counts: a string that happens to name a colour is garbage like any
    // other value and falls back to the default.
    if (stored.metaType() != QMetaType::fromType<QColor>()) {
        return std::nullopt;
    }
    const auto color = stored.value<QColor>();
    if (!color.isValid()) {
        return std::nullopt;
    }
    return color;
}

void ThemeManager::saveColor(const QColor &color, const QString &key)
{
    // An invalid colour has no stored form; the store keeps what it had.
    if (!color.isValid()) {
        return;
    }
    m_settings->setValue(key, color);
    m_settings->sync();
}
