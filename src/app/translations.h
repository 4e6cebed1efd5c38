#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The user's language, in one place for every way Kestrune starts: the window and the terminal
// install it before they make their first text.
namespace Translations
{
// The first of the user's languages (best first, as QLocale::uiLanguages() gives them) that
// Kestrune has a catalog for, or an empty name when English comes first or none fits: English
// is the language of the texts themselves.
[[nodiscard]] QString pick(const QStringList &uiLanguages);

// Installs Kestrune's catalog for the system's language, and Qt's own for its dialogs and
// command-line help. Without a catalog the texts stay English.
void install(QCoreApplication &application);
}
