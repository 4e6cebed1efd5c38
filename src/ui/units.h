#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The window's fixed measures beside WindowStyle's colours: spacings, paddings, corner radii,
// icon sizes and animation times, in device-independent pixels and milliseconds. The window has
// one fixed layout, so these never change at run time.
class Units : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // Spacing, from a separator's hairline to the page's side margin.
    Q_PROPERTY(int hairline MEMBER hairline CONSTANT)
    Q_PROPERTY(int tinySpacing MEMBER tinySpacing CONSTANT)
    Q_PROPERTY(int smallSpacing MEMBER smallSpacing CONSTANT)
    Q_PROPERTY(int iconSpacing MEMBER iconSpacing CONSTANT)
    Q_PROPERTY(int mediumSpacing MEMBER mediumSpacing CONSTANT)
    Q_PROPERTY(int largeSpacing MEMBER largeSpacing CONSTANT)
    Q_PROPERTY(int rowSpacing MEMBER rowSpacing CONSTANT)
    Q_PROPERTY(int gridSpacing MEMBER gridSpacing CONSTANT)
    Q_PROPERTY(int sectionSpacing MEMBER sectionSpacing CONSTANT)
    Q_PROPERTY(int wideSpacing MEMBER wideSpacing CONSTANT)
    Q_PROPERTY(int pageMargin MEMBER pageMargin CONSTANT)
    // Paddings of the push buttons.
    Q_PROPERTY(int buttonPadding MEMBER buttonPadding CONSTANT)
    Q_PROPERTY(int defaultButtonVerticalPadding MEMBER defaultButtonVerticalPadding CONSTANT)
    Q_PROPERTY(int buttonVerticalPadding MEMBER buttonVerticalPadding CONSTANT)
    // Corner radii.
    Q_PROPERTY(int smallRadius MEMBER smallRadius CONSTANT)
    Q_PROPERTY(int radius MEMBER radius CONSTANT)
    Q_PROPERTY(int controlRadius MEMBER controlRadius CONSTANT)
    Q_PROPERTY(int boxRadius MEMBER boxRadius CONSTANT)
    // The focus ring stands this far outside its control, this thick.
    Q_PROPERTY(int focusRingOffset MEMBER focusRingOffset CONSTANT)
    Q_PROPERTY(int focusRingWidth MEMBER focusRingWidth CONSTANT)
    // Icon sizes.
    Q_PROPERTY(int tinyIcon MEMBER tinyIcon CONSTANT)
    Q_PROPERTY(int smallIcon MEMBER smallIcon CONSTANT)
    Q_PROPERTY(int mediumIcon MEMBER mediumIcon CONSTANT)
    Q_PROPERTY(int icon MEMBER icon CONSTANT)
    Q_PROPERTY(int indicatorSlot MEMBER indicatorSlot CONSTANT)
    Q_PROPERTY(int largeIcon MEMBER largeIcon CONSTANT)
    // Animation times and delays, in milliseconds.
    Q_PROPERTY(int pressDuration MEMBER pressDuration CONSTANT)
    Q_PROPERTY(int shortDuration MEMBER shortDuration CONSTANT)
    Q_PROPERTY(int progressDuration MEMBER progressDuration CONSTANT)
    Q_PROPERTY(int longDuration MEMBER longDuration CONSTANT)
    Q_PROPERTY(int helpDelay MEMBER helpDelay CONSTANT)
    Q_PROPERTY(int spinDuration MEMBER spinDuration CONSTANT)
    // The window's size at start, and the width its content keeps between.
    Q_PROPERTY(int windowWidth MEMBER windowWidth CONSTANT)
    Q_PROPERTY(int windowHeight MEMBER windowHeight CONSTANT)
    Q_PROPERTY(int minimumContentWidth MEMBER minimumContentWidth CONSTANT)
    Q_PROPERTY(int maximumContentWidth MEMBER maximumContentWidth CONSTANT)
    // The least height that still shows every control below the file box during a batch.
    Q_PROPERTY(int minimumContentHeight MEMBER minimumContentHeight CONSTANT)
    Q_PROPERTY(int menuWidth MEMBER menuWidth CONSTANT)

public:
    using QObject::QObject;

    static constexpr int hairline = 1;
    static constexpr int tinySpacing = 2;
    static constexpr int smallSpacing = 4;
    static constexpr int iconSpacing = 5;
    static constexpr int mediumSpacing = 6;
    static constexpr int largeSpacing = 8;
    static constexpr int rowSpacing = 10;
    static constexpr int gridSpacing = 12;
    static constexpr int sectionSpacing = 14;
    static constexpr int wideSpacing = 16;
    static constexpr int pageMargin = 24;

    static constexpr int buttonPadding = 12;
    static constexpr int defaultButtonVerticalPadding = 7;
    static constexpr int buttonVerticalPadding = 3;

    static constexpr int smallRadius = 3;
    static constexpr int radius = 4;
    static constexpr int controlRadius = 5;
    static constexpr int boxRadius = 6;

    static constexpr int focusRingOffset = 3;
    static constexpr int focusRingWidth = 2;

    static constexpr int tinyIcon = 10;
    static constexpr int smallIcon = 12;
    static constexpr int mediumIcon = 14;
    static constexpr int icon = 16;
    static constexpr int indicatorSlot = 18;
    static constexpr int largeIcon = 64;

    static constexpr int pressDuration = 100;
    static constexpr int shortDuration = 150;
    static constexpr int progressDuration = 300;
    static constexpr int longDuration = 350;
    static constexpr int helpDelay = 600;
    static constexpr int spinDuration = 900;

    static constexpr int windowWidth = 620;
    static constexpr int windowHeight = 540;
    static constexpr int minimumContentWidth = 540;
    static constexpr int maximumContentWidth = 640;
    static constexpr int minimumContentHeight = 420;
    static constexpr int menuWidth = 200;
};
