#include "app/terminaltext.h"

namespace TerminalText
{
QString printable(const QString &text)
{
    QString safe = text;
    for (QChar &c : safe) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            c = u' ';
        } else if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) {
            c = QChar(0xFFFD);
        }
    }
    return safe;
}
}
