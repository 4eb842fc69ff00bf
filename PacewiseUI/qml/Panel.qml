import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacewise

// The panel that opens from the tray icon: limits, freshness, the fetch
// issue, sessions waiting to be continued, the Endrun and Caffeine switches,
// and Quit. Context: panelModel, guardController, caffeine, strings, panel.
Pane {
    id: root
    // Wide enough for the texts at the desktop's text size.
    width: Math.max(340, Math.round(fontMetrics.height * 20))
    height: Math.min(implicitHeight, Screen.desktopAvailableHeight - 32)
    padding: 14
    LayoutMirroring.enabled: strings.rightToLeft
    font: strings.font
    LayoutMirroring.childrenInherit: true


    // The first row has the focus whenever the panel opens; its frame shows
    // once the keyboard is used, as the controls' own focus frames do.
    property bool keyboardInUse: false
    Keys.onPressed: event => { root.keyboardInUse = true; event.accepted = false }

    function tr(key, english) { return strings.text(key, english, strings.revision) }
    function trf(key, english, args) { return strings.format(key, english, args, strings.revision) }

    component Divider: Rectangle {
        Layout.fillWidth: true
        Layout.topMargin: 4
        Layout.bottomMargin: 4
        implicitHeight: 1
        color: palette.mid
        opacity: 0.6
    }

    component Caption: Label {
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        font.pointSize: Qt.application.font.pointSize * 0.92
        color: Colors.secondaryText
    }

    ScrollingColumn {
        anchors.fill: parent
        spacing: 6

        // Limits
        Repeater {
            model: panelModel.limits
            // One stop for the keyboard and one sentence for a screen
            // reader: the name, the figure, the reset and the severity.
            delegate: Item {
                objectName: "limitRow"
                Layout.fillWidth: true
                implicitHeight: limit.implicitHeight
                activeFocusOnTab: true
                Accessible.role: Accessible.StaticText
                Accessible.name: modelData.spoken
                Accessible.focusable: true

                Rectangle {
                    anchors.fill: parent
                    anchors.margins: -3
                    visible: parent.activeFocus && root.keyboardInUse
                    color: "transparent"
                    border.color: root.palette.highlight
                    border.width: 2
                    radius: 3
                }
                ColumnLayout {
                    id: limit
                    width: parent.width
                    spacing: 2
                    Label {
                        Layout.fillWidth: true
                        text: modelData.label
                        font.weight: Font.Medium
                        elide: Text.ElideRight
                        Accessible.ignored: true
                    }
                    // A slim bar, as small as the figures beside it; its
                    // outline shows the whole of the limit.
                    ProgressBar {
                        id: bar
                        Layout.fillWidth: true
                        from: 0
                        to: 100
                        value: modelData.value
                        Accessible.ignored: true
                        background: Rectangle {
                            implicitHeight: 6
                            radius: 3
                            color: "transparent"
                            border.color: Colors.track
                            border.width: 1
                        }
                        contentItem: Item {
                            implicitHeight: 6
                            Rectangle {
                                width: bar.visualPosition * parent.width
                                height: parent.height
                                radius: 3
                                color: modelData.tint === "critical" ? Colors.critical
                                     : modelData.tint === "warning" ? Colors.warning : Colors.accent
                            }
                        }
                    }
                    Label {
                        Layout.fillWidth: true
                        text: modelData.detail
                        color: Colors.secondaryText
                        elide: Text.ElideRight
                        Accessible.ignored: true
                    }
                }
            }
        }

        Label {
            objectName: "overage"
            Layout.fillWidth: true
            visible: text.length > 0
            text: panelModel.overage
            color: Colors.critical
            wrapMode: Text.Wrap
        }

        Label {
            objectName: "forecast"
            Layout.fillWidth: true
            visible: text.length > 0
            text: panelModel.forecast
            color: Colors.warning
            wrapMode: Text.Wrap
        }

        // Freshness
        RowLayout {
            Layout.fillWidth: true
            Label {
                objectName: "freshness"
                Layout.fillWidth: true
                text: panelModel.freshness
                font.pointSize: Qt.application.font.pointSize * 0.92
                color: Colors.secondaryText
            }
            IconButton {
                objectName: "refreshButton"
                iconName: "view-refresh"
                help: root.tr("controls.refreshNow", "Refresh now")
                working: panelModel.isFetching
                onClicked: panelModel.refreshNow()
            }
        }

        // The fetch issue
        RowLayout {
            Layout.fillWidth: true
            visible: panelModel.issueText.length > 0
            Announcement {
                objectName: "issue"
                Layout.fillWidth: true
                text: panelModel.issueText
                font.pointSize: Qt.application.font.pointSize * 0.92
                color: Colors.warning
                wrapMode: Text.Wrap
            }
            Button {
                objectName: "signInButton"
                Accessible.onPressAction: clicked()
                visible: panelModel.signInRequired && panel.canSignIn
                text: root.tr("issue.signIn", "Sign in…")
                onClicked: panel.openOnboarding()
            }
        }

        // Sessions waiting to be continued
        Divider { visible: panelModel.pendingResumes.length > 0 }
        RowLayout {
            visible: panelModel.pendingResumes.length + panelModel.heldCalls.length > 0
            spacing: 6
            IconButton {
                iconName: "view-history"
                decorative: true
                padding: 0
            }
            Label {
                text: root.tr("resume.pending.title", "Pending resumes")
                font.weight: Font.Medium
            }
        }
        Repeater {
            model: panelModel.pendingResumes
            delegate: ColumnLayout {
                objectName: "resumeRow"
                Layout.fillWidth: true
                spacing: 1
                Label {
                    Layout.fillWidth: true
                    text: modelData.title
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
                Label {
                    Layout.fillWidth: true
                    text: modelData.projectTitle + " · " + modelData.status
                    font.pointSize: Qt.application.font.pointSize * 0.92
                    // What waits for the user stands out; the rest goes on by itself.
                    color: modelData.needsYou ? Colors.warning : Colors.secondaryText
                    wrapMode: modelData.needsYou ? Text.Wrap : Text.NoWrap
                    elide: Text.ElideMiddle
                }
                RowLayout {
                    // A held call goes on by itself at the reset, or now
                    // when the user lets it.
                    Button {
                        Accessible.onPressAction: clicked()
                        text: modelData.held ? root.tr("resume.goOnNow", "Go on now") : root.tr("resume.now", "Resume now")
                        // Each session's buttons say whose they are.
                        Accessible.name: modelData.held ? root.trf("resume.goOnNowNamed", "Let “%1” go on now", [modelData.title])
                                                        : root.trf("resume.nowNamed", "Resume “%1” now", [modelData.title])
                        enabled: !modelData.isResuming
                        onClicked: modelData.held ? panelModel.releaseHold(modelData.sessionID)
                                                  : panelModel.resumeNow(modelData.sessionID)
                    }
                    Button {
                        Accessible.onPressAction: clicked()
                        visible: modelData.quotaTaken && !modelData.held
                        text: root.tr("resume.anyway", "Resume anyway")
                        Accessible.name: root.trf("resume.anywayNamed", "Resume “%1” anyway", [modelData.title])
                        flat: true
                        enabled: !modelData.isResuming
                        onClicked: panelModel.resumeNow(modelData.sessionID, true)
                    }
                    Button {
                        Accessible.onPressAction: clicked()
                        text: root.tr("resume.dismiss", "Dismiss")
                        Accessible.name: root.trf("resume.dismissNamed", "Dismiss “%1”", [modelData.title])
                        flat: true
                        enabled: !modelData.isResuming
                        onClicked: panelModel.dismissResume(modelData.sessionID)
                    }
                }
            }
        }
        Repeater {
            model: panelModel.heldCalls
            delegate: ColumnLayout {
                objectName: "heldCallRow"
                Layout.fillWidth: true
                spacing: 1
                Label {
                    Layout.fillWidth: true
                    text: modelData.title
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
                Label {
                    Layout.fillWidth: true
                    text: modelData.status
                    font.pointSize: Qt.application.font.pointSize * 0.92
                    color: Colors.secondaryText
                    elide: Text.ElideRight
                }
                Button {
                    Accessible.onPressAction: clicked()
                    text: root.tr("resume.goOnNow", "Go on now")
                    Accessible.name: root.trf("resume.goOnNowNamed", "Let “%1” go on now", [modelData.title])
                    onClicked: panelModel.releaseHold(modelData.sessionID)
                }
            }
        }
        // What the last press came to.
        Announcement {
            objectName: "notice"
            Layout.fillWidth: true
            visible: panelModel.notice.length > 0
            text: panelModel.notice
            wrapMode: Text.Wrap
            color: Colors.secondaryText
        }

        // Endrun
        Divider {}
        RowLayout {
            Layout.fillWidth: true
            Label {
                Layout.fillWidth: true
                text: root.tr("controls.guard", "Endrun")
                font.weight: Font.Medium
            }
            Loader {
                active: guardController.busy
                sourceComponent: BusyIndicator {
                    implicitWidth: 20
                    implicitHeight: 20
                }
            }
            OnOffSwitch {
                objectName: "guardSwitch"
                checked: guardController.enabled
                enabled: !guardController.busy
                onToggled: guardController.setEnabled(checked)
                Accessible.name: root.tr("controls.guard", "Endrun")
            }
        }
        // What it does depends on auto-continue: say only what is true.
        Caption {
            text: panelModel.autoContinueEnabled ? root.tr("controls.guardCaption", "Pauses before you hit the limit, and resumes the session after the reset.")
                                              : root.tr("controls.guardCaptionManual", "Pauses before you hit the limit; you continue the session after the reset.")
        }
        Announcement {
            objectName: "guardError"
            Layout.fillWidth: true
            visible: guardController.lastError.length > 0
            text: guardController.lastError
            color: Colors.critical
        }
        ColumnLayout {
            objectName: "scriptsNotice"
            Layout.fillWidth: true
            visible: guardController.needsForce
            RowLayout {
                Layout.fillWidth: true
                IconButton {
                    iconName: "dialog-warning"
                    decorative: true
                    padding: 0
                }
                Label {
                    Layout.fillWidth: true
                    text: root.tr("controls.guardScriptsDiffer", "Pacewise's background scripts differ from this version.")
                    wrapMode: Text.Wrap
                }
            }
            Caption {
                text: root.tr("controls.guardScriptsUpdateExplanation",
                              "This can happen after an update or if the files were edited. Update them to the current version?")
            }
            Button {
                Accessible.onPressAction: clicked()
                text: root.tr("controls.guardUpdateScripts", "Update scripts")
                enabled: !guardController.busy
                onClicked: guardController.overwriteChanges()
            }
        }

        // Caffeine
        Divider {}
        RowLayout {
            Layout.fillWidth: true
            Label {
                Layout.fillWidth: true
                text: root.tr("controls.caffeine", "Caffeine")
                font.weight: Font.Medium
            }
            OnOffSwitch {
                objectName: "caffeineSwitch"
                checked: caffeine.isActive
                onToggled: caffeine.isActive = checked
                Accessible.name: root.tr("controls.caffeine", "Caffeine")
            }
        }
        Caption { text: root.tr("controls.caffeineCaption", "Keeps the computer awake while the lid is open. A closed lid still forces sleep.") }
        Announcement {
            objectName: "caffeineUnavailable"
            Layout.fillWidth: true
            visible: caffeine.unavailableReason.length > 0 && !caffeine.isActive
            text: caffeine.unavailableReason
            color: Colors.critical
        }

        // Bottom bar
        Divider {}
        RowLayout {
            Layout.fillWidth: true
            IconButton {
                objectName: "settingsButton"
                visible: panel.canOpenSettings
                iconName: "preferences-system"
                help: root.tr("controls.settings", "Settings…")
                onClicked: panel.openSettings()
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "quitButton"
                Accessible.onPressAction: clicked()
                text: root.tr("quit", "Quit")
                onClicked: panel.quit()
            }
        }
    }

    // Each time it opens, the keyboard starts at the first limit.
    Connections {
        target: root.Window.window
        function onVisibleChanged() {
            root.keyboardInUse = false
            if (root.Window.window.visible)
                root.nextItemInFocusChain(true).forceActiveFocus(Qt.PopupFocusReason)
        }
    }

    Shortcut {
        sequence: StandardKey.Quit
        onActivated: panel.quit()
    }
    Shortcut {
        sequence: "Escape"
        onActivated: panel.hide()
    }

    FontMetrics { id: fontMetrics }
}
