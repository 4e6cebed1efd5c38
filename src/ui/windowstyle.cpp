#include "ui/windowstyle.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>

qreal WindowStyle::defaultPointSize()
{
    const qreal size = QGuiApplication::font().pointSizeF();
    // A pixel-sized default font reports -1; fall back to the common desktop size.
    return size > 0 ? size : 10.0;
}

bool WindowStyle::hasEqualWidthDigits(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (!qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char(digit)), zero)) {
            return false;
        }
    }
    return true;
}

QString WindowStyle::digitsFamily()
{
    const QFont font = QGuiApplication::font();
    if (hasEqualWidthDigits(font)) {
        return font.family();
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}
