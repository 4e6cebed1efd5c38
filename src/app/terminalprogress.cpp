#include "app/terminalprogress.h"

#include "app/terminaltext.h"
#include "ui/viewtext.h"

#include <QCoreApplication>
#include <algorithm>
#include <sys/ioctl.h>

namespace
{
int terminalWidth(std::FILE *out)
{
    winsize size {};
    return ::ioctl(::fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}
}

QString TerminalProgress::line(const QString &name, std::optional<double> fraction, std::optional<double> speed)
{
    // Under the conversion's context, where the word was first translated.
    QString text = name + QStringLiteral("  ") + (fraction ? ViewText::percent(*fraction) : QCoreApplication::translate("TerminalConversion", "Converting"));
    if (speed) {
        text += QStringLiteral("  ") + ViewText::speed(*speed);
    }
    return text;
}

void TerminalProgress::draw(std::FILE *out, const QString &text)
{
    const QByteArray line = TerminalText::printable(text.left(std::max(terminalWidth(out) - 1, 1))).toLocal8Bit();
    std::fprintf(out, "\r\033[K%s", line.constData());
    std::fflush(out);
}
