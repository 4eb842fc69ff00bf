import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacewise

// The settings window: General and About. Context: strings, appState, resumes,
// guardController, kickstart, launchAtLogin, updater, settingsModel.
Pane {
    id: root
    // Wide enough for the texts at the desktop's text size.
    width: Math.max(480, Math.round(fontMetrics.height * 28))
    height: Math.min(implicitHeight, Screen.desktopAvailableHeight - 32)
    padding: 16
    LayoutMirroring.enabled: strings.rightToLeft
    font: strings.font
    LayoutMirroring.childrenInherit: true

    // UpdaterController.CheckResult
    readonly property int checkIdle: 0
    readonly property int checkRunning: 1
    readonly property int upToDate: 2
    readonly property int checkFailed: 3
    readonly property int updateAvailable: 4

    function tr(key, english) { return strings.text(key, english, strings.revision) }
    function trf(key, english, args) { return strings.format(key, english, args, strings.revision) }

    component Caption: Label {
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        font.pointSize: Qt.application.font.pointSize * 0.92
        color: Colors.secondaryText
    }

    // A switch with its title and, under them, what it does: a screen
    // reader says that as the switch's description.
    component SettingSwitch: ColumnLayout {
        id: setting
        property alias text: title.text
        property alias caption: description.text
        property alias checked: onOff.checked
        property alias toggleEnabled: onOff.enabled
        property alias toggleName: onOff.objectName
        signal toggled(bool checked)
        Layout.fillWidth: true
        spacing: 8
        RowLayout {
            Layout.fillWidth: true
            Label {
                id: title
                Layout.fillWidth: true
                wrapMode: Text.Wrap
            }
            OnOffSwitch {
                id: onOff
                Accessible.name: title.text
                Accessible.description: description.text
                onToggled: setting.toggled(checked)
            }
        }
        Caption {
            id: description
            visible: text.length > 0
        }
    }

    ScrollingColumn {
        anchors.fill: parent
        spacing: 8

        TabBar {
            id: tabs
            Layout.fillWidth: true
            TabButton {
                text: root.tr("settings.tab.general", "General")
                Accessible.onPressAction: { checked = true; clicked() }
            }
            TabButton {
                objectName: "aboutTab"
                text: root.tr("settings.tab.about", "About")
                Accessible.onPressAction: { checked = true; clicked() }
            }
        }

        StackLayout {
            Layout.fillWidth: true
            currentIndex: tabs.currentIndex

            // General
            ColumnLayout {
                spacing: 6

                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        Layout.fillWidth: true
                        text: root.tr("settings.general.language", "Language")
                    }
                    LanguagePicker { id: languagePicker; objectName: "languagePicker" }
                }

                SettingSwitch {
                    toggleName: "percentageSwitch"
                    text: root.tr("settings.general.showTrayPercentage", "Show the percentage in the tray")
                    checked: appState.showTrayPercentage
                    onToggled: checked => appState.showTrayPercentage = checked
                    caption: root.tr("settings.general.showTrayPercentageCaption", "Off shows just the icon, in the colour of the most used window.")
                }

                SettingSwitch {
                    toggleName: "launchAtLoginSwitch"
                    text: root.tr("settings.general.launchAtLogin", "Launch at login")
                    checked: launchAtLogin.isEnabled
                    enabled: !launchAtLogin.isUpdating
                    onToggled: checked => launchAtLogin.setEnabled(checked)
                    caption: root.tr("settings.general.launchAtLoginCaption", "Pacewise needs to be running to watch over overnight resets.")
                }
                Caption {
                    visible: launchAtLogin.hasError
                    color: Colors.critical
                    text: root.tr("settings.general.launchAtLoginError", "Couldn't update the launch-at-login setting.")
                }

                // Only where a feed is configured: elsewhere the package
                // manager brings updates.
                SettingSwitch {
                    toggleName: "automaticUpdatesSwitch"
                    visible: settingsModel.hasUpdateFeed
                    text: root.tr("settings.general.automaticallyCheckForUpdates", "Automatically check for updates")
                    checked: settingsModel.automaticallyChecksForUpdates
                    onToggled: checked => settingsModel.automaticallyChecksForUpdates = checked
                }
                Caption {
                    visible: settingsModel.hasUpdateFeed
                    text: root.tr("settings.general.automaticUpdateChecksCaption", "Checks once a day. No other data is sent.")
                }

                SettingSwitch {
                    toggleName: "autoContinueSwitch"
                    text: root.tr("settings.general.autoContinueLongResets", "Continue paused sessions after the reset")
                    checked: resumes.autoContinueEnabled
                    toggleEnabled: !resumes.isUpdatingAutoContinue
                    onToggled: checked => settingsModel.setAutoContinue(checked)
                    caption: root.tr("settings.general.autoContinueLongResetsCaption", "Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.")
                }
                Caption {
                    objectName: "autoContinueNeedsEndrun"
                    visible: !guardController.enabled
                    color: Colors.warning
                    text: root.tr("settings.general.autoContinueRequiresEndrun", "Turn on Endrun for this — it's what records the sessions to continue.")
                }
                Caption {
                    visible: resumes.autoContinueSettingsError.length > 0
                    color: Colors.critical
                    text: resumes.autoContinueSettingsError
                }

                MenuSeparator { Layout.fillWidth: true }

                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        id: thresholdTitle
                        Layout.fillWidth: true
                        wrapMode: Text.Wrap
                        text: root.tr("settings.general.guardThreshold", "Endrun steps in at")
                    }
                    SpinBox {
                        objectName: "guardThreshold"
                        from: 50
                        to: 100
                        value: Math.round(guardController.threshold)
                        enabled: !guardController.busy
                        onValueModified: guardController.setThreshold(value)
                        Accessible.name: thresholdTitle.text
                        Accessible.description: root.trf("percent", "%1%", [value])
                    }
                    Label { text: "%"; Accessible.ignored: true }
                }
                Caption { text: root.tr("settings.general.guardThresholdCaption", "Endrun holds or pauses Claude Code once a usage limit reaches this share.") }
                SettingSwitch {
                    toggleName: "recorderSwitch"
                    text: root.tr("settings.general.recorder", "Read the usage in front of my own status line")
                    checked: guardController.recordsBeforeUserStatusLine
                    onToggled: checked => settingsModel.setRecordsBeforeUserStatusLine(checked)
                    caption: root.tr("settings.general.recorderCaption", "Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.")
                }
                Caption {
                    objectName: "guardNeedsJq"
                    visible: guardController.enabled && !guardController.jqInstalled
                    color: Colors.warning
                    text: root.tr("settings.general.guardNeedsJq", "jq is not installed, so Endrun can't do anything. Install the jq package.")
                }

                MenuSeparator { Layout.fillWidth: true }

                SettingSwitch {
                    toggleName: "kickstartSwitch"
                    text: root.tr("settings.general.kickstart", "Start the limit window every morning")
                    checked: kickstart.enabled
                    onToggled: checked => kickstart.enabled = checked
                    caption: root.tr("settings.general.kickstartCaption", "Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.")
                }
                RowLayout {
                    Label { id: kickstartTimeTitle; text: root.tr("settings.general.kickstart.time", "Time") }
                    TimeField {
                        objectName: "kickstartTime"
                        label: kickstartTimeTitle.text
                        hour: settingsModel.kickstartHour
                        minute: settingsModel.kickstartMinute
                        onEdited: (hour, minute) => settingsModel.setKickstartTime(hour, minute)
                    }
                    Item { Layout.fillWidth: true }
                    Button {
                        Accessible.onPressAction: clicked()
                        text: root.tr("settings.general.kickstart.runNow", "Start now")
                        enabled: !kickstart.isRunning
                        onClicked: settingsModel.runKickstartNow()
                    }
                }
                SettingSwitch {
                    toggleName: "chainSwitch"
                    text: root.tr("settings.general.kickstart.chain", "Keep the window rolling after every reset")
                    checked: kickstart.chainEnabled
                    onToggled: checked => kickstart.chainEnabled = checked
                }
                RowLayout {
                    Label { id: chainEndTitle; text: root.tr("settings.general.kickstart.until", "until") }
                    TimeField {
                        label: chainEndTitle.text
                        hour: settingsModel.chainEndHour
                        minute: settingsModel.chainEndMinute
                        onEdited: (hour, minute) => settingsModel.setChainEndTime(hour, minute)
                    }
                }
                Caption { text: root.tr("settings.general.kickstart.chainCaption", "Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.") }
                Repeater {
                    model: settingsModel.kickstartStatus
                    delegate: Label {
                        Layout.fillWidth: true
                        text: modelData
                        wrapMode: Text.Wrap
                    }
                }

                MenuSeparator { Layout.fillWidth: true }

                // NotificationController.Kind
                Label {
                    text: root.tr("settings.notifications.title", "Notifications")
                    font.weight: Font.Medium
                }
                SettingSwitch {
                    toggleName: "notifyLimitNearSwitch"
                    text: root.tr("settings.notifications.limitNear", "When a limit is nearly used up")
                    checked: settingsModel.notificationsRevision >= 0 && settingsModel.notifies(0)
                    onToggled: checked => settingsModel.setNotifies(0, checked)
                }
                Repeater {
                    model: [{ weekly: false, title: root.tr("settings.notifications.fiveHourAt", "5-hour limit at"), value: settingsModel.limitNearFiveHourPercent },
                            { weekly: true, title: root.tr("settings.notifications.weeklyAt", "Weekly limit at"), value: settingsModel.limitNearWeeklyPercent }]
                    delegate: RowLayout {
                        Layout.fillWidth: true
                        Label {
                            id: shareTitle
                            Layout.fillWidth: true
                            leftPadding: 12
                            text: modelData.title
                        }
                        SpinBox {
                            objectName: modelData.weekly ? "weeklyShare" : "fiveHourShare"
                            from: 50
                            to: 100
                            value: modelData.value
                            onValueModified: settingsModel.setLimitNearPercent(modelData.weekly, value)
                            Accessible.name: shareTitle.text
                            Accessible.description: root.trf("percent", "%1%", [value])
                        }
                        Label { text: "%"; Accessible.ignored: true }
                    }
                }
                SettingSwitch {
                    toggleName: "notifySessionPausedSwitch"
                    text: root.tr("settings.notifications.sessionPaused", "When Endrun pauses a session")
                    checked: settingsModel.notificationsRevision >= 0 && settingsModel.notifies(1)
                    onToggled: checked => settingsModel.setNotifies(1, checked)
                }
                SettingSwitch {
                    toggleName: "notifySessionResumedSwitch"
                    text: root.tr("settings.notifications.sessionResumed", "When a paused session is continued, or cannot be")
                    checked: settingsModel.notificationsRevision >= 0 && settingsModel.notifies(2)
                    onToggled: checked => settingsModel.setNotifies(2, checked)
                }
                SettingSwitch {
                    toggleName: "notifyKickstartSwitch"
                    text: root.tr("settings.notifications.kickstart", "When the morning greeting is sent, or fails")
                    checked: settingsModel.notificationsRevision >= 0 && settingsModel.notifies(3)
                    onToggled: checked => settingsModel.setNotifies(3, checked)
                }
            }

            // About
            ColumnLayout {
                id: about
                spacing: 8
                Label {
                    text: "Pacewise"
                    font.pointSize: Qt.application.font.pointSize * 1.67
                    font.weight: Font.DemiBold
                }
                Label {
                    objectName: "version"
                    text: root.trf("settings.about.version", "Version %1", [settingsModel.version])
                }
                Label { text: root.tr("settings.about.disclaimer", "Not affiliated with Anthropic.") }

                // The update control
                RowLayout {
                    BusyIndicator {
                        visible: updater.checkResult === root.checkRunning
                        running: visible
                        implicitWidth: 20
                        implicitHeight: 20
                    }
                    Announcement {
                        objectName: "updateStatus"
                        text: updater.checkResult === root.checkRunning ? root.tr("settings.about.updateStatus.checking", "Checking for updates…")
                            : updater.checkResult === root.upToDate ? "✔ " + root.tr("settings.about.updateStatus.upToDate", "You're on the latest version")
                            : updater.checkResult === root.checkFailed ? "⚠ " + root.tr("settings.about.updateStatus.failed", "Couldn't check for updates")
                            : updater.checkResult === root.updateAvailable || updater.checkResult === root.checkIdle ? ""
                            : root.tr("settings.about.updateStatus.packageManager", "Updates come from your package manager.")
                        visible: text.length > 0
                    }
                    Button {
                        Accessible.onPressAction: clicked()
                        visible: updater.checkResult === root.checkIdle
                        text: root.tr("settings.about.checkForUpdates", "Check for Updates…")
                        onClicked: settingsModel.checkForUpdates()
                    }
                    Button {
                        Accessible.onPressAction: clicked()
                        visible: updater.checkResult === root.upToDate || updater.checkResult === root.checkFailed
                        text: root.tr("settings.about.updateStatus.checkAgain", "Check again")
                        onClicked: settingsModel.checkForUpdates()
                    }
                    Button {
                        Accessible.onPressAction: clicked()
                        visible: updater.checkResult === root.updateAvailable
                        text: root.trf("settings.about.updateStatus.available", "Update to %1", [updater.offeredVersion])
                        onClicked: settingsModel.showFoundUpdate()
                    }
                }

                // Everything Pacewise needs, checked as `pacewisectl doctor`
                // does, with the fix for what is wrong.
                MenuSeparator { Layout.fillWidth: true }
                RowLayout {
                    Button {
                        objectName: "checkSetUpButton"
                        Accessible.onPressAction: clicked()
                        text: root.tr("settings.about.checkSetUp", "Check set-up")
                        enabled: !settingsModel.checkingSetUp
                        onClicked: settingsModel.checkSetUp()
                    }
                    BusyIndicator {
                        visible: settingsModel.checkingSetUp
                        running: visible
                        implicitWidth: 20
                        implicitHeight: 20
                    }
                }
                Repeater {
                    model: settingsModel.setUpFindings
                    // The texts take the page's width as they are made: a
                    // nested layout would keep the one-line height they had
                    // before they wrapped, and draw the next row over them.
                    delegate: ColumnLayout {
                        objectName: "setUpFinding"
                        Layout.fillWidth: true
                        spacing: 0
                        Label {
                            Layout.fillWidth: true
                            Layout.preferredWidth: about.width
                            wrapMode: Text.Wrap
                            readonly property string plainText: root.trf("settings.about.setUpLine", "%1: %2", [modelData.label, modelData.finding])
                            text: (modelData.ok ? "✔ " : "✘ ") + plainText
                            color: modelData.ok ? root.palette.windowText : Colors.critical
                            Accessible.name: plainText
                        }
                        // Selectable: the fixes are often commands to copy.
                        TextArea {
                            Layout.fillWidth: true
                            Layout.preferredWidth: about.width
                            visible: !modelData.ok
                            readOnly: true
                            selectByMouse: true
                            wrapMode: Text.Wrap
                            leftPadding: 0
                            topPadding: 0
                            bottomPadding: 0
                            background: null
                            color: Colors.secondaryText
                            // Shown as written: many fixes are commands, which a
                            // capital letter would break.
                            text: "→ " + modelData.fix
                            Accessible.name: modelData.fix
                        }
                    }
                }
                Announcement {
                    objectName: "setUpSummary"
                    Layout.fillWidth: true
                    visible: !settingsModel.checkingSetUp && text.length > 0
                    wrapMode: Text.Wrap
                    font.weight: Font.Medium
                    text: settingsModel.setUpSummary
                }
            }
        }
    }

    // Where the keyboard starts.
    Component.onCompleted: languagePicker.forceActiveFocus(Qt.OtherFocusReason)
    Shortcut {
        sequence: "Escape"
        onActivated: dialog.close()
    }

    FontMetrics { id: fontMetrics }
}
