import QtQuick

// Stands in for the main view in the shell's tests while the real one is not part of the build.
Item {
    objectName: "contentView"
}
