#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations
{
namespace
{
// Where the build embeds the catalogs (qt_add_translations' resource prefix).
const QString ownFolder = QStringLiteral(":/i18n");
const QString ownName = QStringLiteral("kestrune");

bool load(QTranslator &translator, const QString &language, const QString &name, const QString &folder)
{
    return translator.load(QLocale(language), name, QStringLiteral("_"), folder);
}
}

QString pick(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        const QLocale::Language spoken = QLocale(language).language();
        // A user who puts English before German wants English, even with a German catalog here.
        if (spoken == QLocale::English || spoken == QLocale::C)
            return {};
        if (QTranslator probe; load(probe, language, ownName, ownFolder))
            return language;
    }
    return {};
}

void install(QCoreApplication &application)
{
    const QString language = pick(QLocale::system().uiLanguages());
    if (language.isEmpty())
        return;
    // Qt's catalogs for the same language only, so its dialogs never speak another one than ours.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const std::pair<QString, QString> catalogs[] = {
        { ownName, ownFolder },
        { QStringLiteral("qtbase"), qtFolder },
        { QStringLiteral("qtdeclarative"), qtFolder },
    };
    for (const auto &[name, folder] : catalogs) {
        auto *translator = new QTranslator(&application);
        if (load(*translator, language, name, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
}
