#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QtQml/qqmlregistration.h>
#include <algorithm>

// The window's fixed palette and type sizes, shared by every view. The window is always dark,
// whatever the desktop's colour scheme.
class WindowStyle : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QColor windowBackground READ windowBackground CONSTANT)
    Q_PROPERTY(QColor boxFill READ boxFill CONSTANT)
    Q_PROPERTY(QColor text READ text CONSTANT)
    Q_PROPERTY(QColor labelText READ labelText CONSTANT)
    Q_PROPERTY(QColor secondaryText READ secondaryText CONSTANT)
    Q_PROPERTY(QColor disabledText READ disabledText CONSTANT)
    Q_PROPERTY(QColor disabledFill READ disabledFill CONSTANT)
    Q_PROPERTY(QColor link READ link CONSTANT)
    Q_PROPERTY(QColor separator READ separator CONSTANT)
    Q_PROPERTY(QColor rowSeparator READ rowSeparator CONSTANT)
    Q_PROPERTY(QColor idleOutline READ idleOutline CONSTANT)
    Q_PROPERTY(QColor removeButton READ removeButton CONSTANT)
    Q_PROPERTY(QColor green READ green CONSTANT)
    Q_PROPERTY(QColor orange READ orange CONSTANT)
    Q_PROPERTY(QColor red READ red CONSTANT)
    Q_PROPERTY(QColor menuBackground READ menuBackground CONSTANT)
    Q_PROPERTY(QColor menuBar READ menuBar CONSTANT)
    Q_PROPERTY(QColor controlFill READ controlFill CONSTANT)
    Q_PROPERTY(QColor controlFace READ controlFace CONSTANT)
    Q_PROPERTY(QColor controlFacePressed READ controlFacePressed CONSTANT)
    Q_PROPERTY(QColor controlBorder READ controlBorder CONSTANT)
    Q_PROPERTY(QColor controlBackground READ controlBackground CONSTANT)
    Q_PROPERTY(QColor controlLight READ controlLight CONSTANT)
    Q_PROPERTY(QColor controlMidlight READ controlMidlight CONSTANT)
    Q_PROPERTY(QColor controlMid READ controlMid CONSTANT)
    Q_PROPERTY(QColor controlDark READ controlDark CONSTANT)
    Q_PROPERTY(QColor track READ track CONSTANT)
    Q_PROPERTY(QColor pressedOverlay READ pressedOverlay CONSTANT)
    Q_PROPERTY(QColor tileOutline READ tileOutline CONSTANT)
    Q_PROPERTY(QColor placeholderText READ placeholderText CONSTANT)
    Q_PROPERTY(qreal defaultPointSize READ defaultPointSize CONSTANT)
    Q_PROPERTY(qreal captionPointSize READ captionPointSize CONSTANT)
    Q_PROPERTY(qreal calloutPointSize READ calloutPointSize CONSTANT)
    Q_PROPERTY(QString digitsFamily READ digitsFamily CONSTANT)

public:
    using QObject::QObject;

    [[nodiscard]] static QColor windowBackground() { return grey(0.1); }
    [[nodiscard]] static QColor boxFill() { return grey(0.15); }
    [[nodiscard]] static QColor text() { return white(1.0); }
    // The primary label colour of a dark palette: white, slightly softened.
    [[nodiscard]] static QColor labelText() { return white(0.85); }
    [[nodiscard]] static QColor secondaryText() { return white(0.65); }
    [[nodiscard]] static QColor disabledText() { return white(0.3); }
    [[nodiscard]] static QColor disabledFill() { return white(0.1); }
    // The one link colour: text-only buttons and links in dialogs.
    [[nodiscard]] static QColor link() { return QColor(65, 156, 255); }
    [[nodiscard]] static QColor separator() { return white(0.65 * 0.2); }
    [[nodiscard]] static QColor rowSeparator() { return white(0.65 * 0.12); }
    [[nodiscard]] static QColor idleOutline() { return white(0.65 * 0.25); }
    [[nodiscard]] static QColor removeButton() { return white(0.65 * 0.6); }
    // The standard named colours of a dark desktop palette.
    [[nodiscard]] static QColor green() { return QColor(48, 209, 88); }
    [[nodiscard]] static QColor orange() { return QColor(255, 159, 10); }
    [[nodiscard]] static QColor red() { return QColor(255, 69, 58); }
    [[nodiscard]] static QColor menuBackground() { return grey(0.17); }
    [[nodiscard]] static QColor menuBar() { return grey(0.14); }
    // The standard grey at alpha 0.2: the unselected format tile.
    [[nodiscard]] static QColor controlFill() { return QColor::fromRgbF(0.5f, 0.5f, 0.5f, 0.2f); }
    // Bordered controls: the destination menu's face, Stop, the dialogs' buttons.
    [[nodiscard]] static QColor controlFace() { return white(0.08); }
    [[nodiscard]] static QColor controlFacePressed() { return white(0.14); }
    [[nodiscard]] static QColor controlBorder() { return white(0.12); }
    // The bevel shades the stock controls of the dialogs draw with.
    [[nodiscard]] static QColor controlBackground() { return grey(0.2); }
    [[nodiscard]] static QColor controlLight() { return grey(0.32); }
    [[nodiscard]] static QColor controlMidlight() { return grey(0.26); }
    [[nodiscard]] static QColor controlMid() { return grey(0.22); }
    [[nodiscard]] static QColor controlDark() { return grey(0.06); }
    // The unfilled part of a progress indicator.
    [[nodiscard]] static QColor track() { return white(0.12); }
    // Over a pressed tile or button, and the tiles' thin outline.
    [[nodiscard]] static QColor pressedOverlay() { return black(0.2); }
    [[nodiscard]] static QColor tileOutline() { return black(0.2); }
    [[nodiscard]] static QColor placeholderText() { return white(0.4); }

    // The desktop's default size; caption and callout sit below it, but never below what stays
    // legible on a small default (Linux desktops often default to 9 or 10 points).
    [[nodiscard]] static qreal defaultPointSize();
    [[nodiscard]] static qreal captionPointSize() { return std::max(defaultPointSize() - 3, 8.0); }
    [[nodiscard]] static qreal calloutPointSize() { return std::max(defaultPointSize() - 1, 9.0); }
    // A family whose ten digits share one width, so live numbers do not jiggle: the default
    // family when its digits are already tabular, otherwise the system's fixed-pitch font.
    [[nodiscard]] static QString digitsFamily();
    [[nodiscard]] static bool hasEqualWidthDigits(const QFont &font);

private:
    static QColor grey(double level) { return QColor::fromRgbF(float(level), float(level), float(level), 1.0f); }
    static QColor white(double opacity) { return QColor::fromRgbF(1.0f, 1.0f, 1.0f, float(opacity)); }
    static QColor black(double opacity) { return QColor::fromRgbF(0.0f, 0.0f, 0.0f, float(opacity)); }
};
