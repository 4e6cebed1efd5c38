import QtQuick
import QtQuick.Templates as T
import Kestrune

// A list of languages, built by ticking them in a searchable list of every language the desktop
// can name (its own first). Tab stops: the search field, then the list; Down goes from the field
// into the list, Return in the field takes the first match, Space ticks the current one.
Column {
    id: picker

    property RemuxViewModel vm
    // What the list is for, in the search field's and the list's accessible names.
    property string title
    // The chosen codes, in the order they were chosen.
    property var codes: []
    // The user ticked or unticked a language; `previous` is the list before.
    signal edited(var previous)

    readonly property alias searchField: search
    readonly property alias choices: choices
    readonly property var matches: picker.vm ? picker.vm.tracks.languageChoices(search.text.trim()) : []

    spacing: Units.smallSpacing

    function toggle(code) {
        const previous = codes;
        codes = codes.includes(code) ? codes.filter(chosen => chosen !== code) : codes.concat([code]);
        edited(previous);
    }
    function nameOf(code) {
        for (const choice of picker.vm.tracks.languageChoices(code)) {
            if (choice.code === code)
                return choice.name;
        }
        return code;
    }

    WindowText {
        objectName: "chosenLanguages"
        width: picker.width
        text: picker.codes.length > 0 ? picker.codes.map(code => picker.nameOf(code)).join(", ") : qsTr("No language chosen yet")
        color: picker.codes.length > 0 ? WindowStyle.text : WindowStyle.placeholderText
        font.pointSize: WindowStyle.calloutPointSize
        wrapMode: Text.Wrap
    }
    T.TextField {
        id: search
        objectName: "languageSearch"
        width: picker.width
        implicitHeight: contentHeight + topPadding + bottomPadding
        leftPadding: Units.mediumSpacing
        rightPadding: Units.mediumSpacing
        topPadding: Units.smallSpacing
        bottomPadding: Units.smallSpacing
        color: WindowStyle.text
        selectionColor: ThemeManager.accentColor
        selectedTextColor: WindowStyle.text
        placeholderText: qsTr("Search languages")
        placeholderTextColor: WindowStyle.placeholderText
        font.pointSize: WindowStyle.calloutPointSize
        verticalAlignment: TextInput.AlignVCenter
        background: Rectangle {
            radius: Units.controlRadius
            color: WindowStyle.controlFace
            border.width: Units.hairline
            border.color: WindowStyle.controlBorder

            FocusRing {
                visible: search.activeFocus
                radius: Units.controlRadius + 2
            }
        }
        // The template draws no placeholder of its own.
        Text {
            x: search.leftPadding
            y: search.topPadding
            width: search.width - search.leftPadding - search.rightPadding
            height: search.height - search.topPadding - search.bottomPadding
            visible: search.text === "" && !search.preeditText
            text: search.placeholderText
            color: search.placeholderTextColor
            font: search.font
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
        onTextChanged: choices.currentIndex = 0
        Keys.onDownPressed: choices.forceActiveFocus(Qt.TabFocusReason)
        Keys.onReturnPressed: event => picker.takeFirst(event)
        Keys.onEnterPressed: event => picker.takeFirst(event)

        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Search %1").arg(picker.title)
    }
    function takeFirst(event) {
        // An empty field lets Return through: the editor applies.
        event.accepted = search.text.trim() !== "" && picker.matches.length > 0;
        if (event.accepted) {
            toggle(picker.matches[0].code);
            search.clear();
        }
    }

    ListView {
        id: choices
        objectName: "languageChoices"
        width: picker.width
        height: 4 * (Units.icon + Units.smallSpacing)
        clip: true
        activeFocusOnTab: true
        keyNavigationEnabled: true
        boundsBehavior: Flickable.StopAtBounds
        model: picker.matches

        Accessible.role: Accessible.List
        Accessible.name: picker.title

        Rectangle {
            anchors.fill: parent
            z: -1
            radius: Units.controlRadius
            color: WindowStyle.boxFill
        }
        FocusRing {
            visible: choices.activeFocus
            radius: Units.controlRadius + 2
        }

        // This Qt's linter cannot follow ids of the file into a delegate; they are bound here.
        // qmllint disable unqualified
        delegate: WindowCheckBox {
            id: choice
            required property int index
            required property var modelData
            objectName: "language_" + modelData.code
            x: Units.mediumSpacing
            width: choices.width - 2 * Units.mediumSpacing
            height: Units.icon + Units.smallSpacing
            // The list is the Tab stop; the arrows move among its entries.
            focusPolicy: Qt.NoFocus
            text: modelData.name
            pointSize: WindowStyle.calloutPointSize
            // The tick follows the list; a click only asks.
            checkable: false
            checked: picker.codes.includes(modelData.code)
            onClicked: picker.toggle(modelData.code)
            Accessible.description: modelData.code

            Rectangle {
                anchors.fill: parent
                anchors.leftMargin: -Units.smallSpacing
                anchors.rightMargin: -Units.smallSpacing
                z: -1
                radius: Units.radius
                color: Qt.rgba(ThemeManager.accentColor.r, ThemeManager.accentColor.g, ThemeManager.accentColor.b, 0.35)
                visible: choice.ListView.isCurrentItem && choices.activeFocus
            }
            WindowText {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: choice.modelData.code
                font.pointSize: WindowStyle.captionPointSize
                Accessible.ignored: true
            }
        }
        // qmllint enable unqualified
        Keys.onSpacePressed: if (currentIndex >= 0)
            picker.toggle(picker.matches[currentIndex].code)
        Keys.onUpPressed: event => {
            event.accepted = currentIndex > 0;
            if (event.accepted)
                decrementCurrentIndex();
            else
                search.forceActiveFocus(Qt.BacktabFocusReason);
        }
    }
}
