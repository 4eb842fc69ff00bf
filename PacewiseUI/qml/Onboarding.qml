import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pacewise

// The first launch, in four steps: language, how Claude Code is used,
// signing in, the features. Context: strings, onboarding, signIn, appState, resumes,
// guardController, caffeine, kickstart, launchAtLogin, dialog.
Pane {
    id: root
    // Wide enough for the texts at the desktop's text size.
    width: Math.max(520, Math.round(fontMetrics.height * 30))
    padding: 20
    LayoutMirroring.enabled: strings.rightToLeft
    font: strings.font
    LayoutMirroring.childrenInherit: true

    readonly property int signInSucceeded: 1 // SignInCoordinator.Outcome
    readonly property int signInFailed: 2

    function tr(key, english) { return strings.text(key, english, strings.revision) }
    function trf(key, english, args) { return strings.format(key, english, args, strings.revision) }

    component Caption: Label {
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        color: Colors.secondaryText
    }

    component FeatureRow: RowLayout {
        property string title
        property string detail
        property bool on
        signal enable()
        Layout.fillWidth: true
        spacing: 10
        Label {
            text: on ? "✔" : "○"
            color: on ? Colors.success : Colors.secondaryText
            font.pointSize: Qt.application.font.pointSize * 1.5
            Accessible.name: on ? root.tr("onboarding.featureOn", "On") : root.tr("onboarding.featureOff", "Off")
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0
            Label { text: title; font.weight: Font.Medium }
            Caption { text: detail }
        }
        Button {
            Accessible.onPressAction: clicked()
            visible: !on
            text: root.tr("onboarding.enable", "Enable")
            // Four of them: each says what it enables.
            Accessible.name: root.trf("onboarding.enableFeature", "Enable %1", [title])
            onClicked: parent.enable()
        }
    }

    // Enter presses the button that has the focus, else Continue or
    // Finish, as in any dialog; in a text field it is the field's own.
    function pressDefault() {
        const focused = Window.activeFocusItem
        if (focused instanceof TextField)
            return
        if (focused instanceof AbstractButton && focused.enabled)
            focused.clicked()
        else if (continueButton.visible)
            continueButton.clicked()
        else
            finishButton.clicked()
    }
    // The footer's button has the focus at each step, so that the one
    // that goes away with the last step never keeps it.
    function focusFooter() {
        (continueButton.visible ? continueButton : finishButton).forceActiveFocus(Qt.OtherFocusReason)
    }
    Keys.onReturnPressed: pressDefault()
    Keys.onEnterPressed: pressDefault()

    Component.onCompleted: {
        onboarding.open()
        focusFooter()
    }
    property int shownStep: onboarding.step
    onShownStepChanged: focusFooter()

    ColumnLayout {
        width: root.availableWidth
        spacing: 14

        // Header
        RowLayout {
            Layout.fillWidth: true
            Label {
                objectName: "stepTitle"
                Layout.fillWidth: true
                font.pointSize: Qt.application.font.pointSize * 1.5
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                text: [root.tr("onboarding.language.title", "Choose your language"),
                       signIn.suggestedFlow === 1 ? root.tr("onboarding.howUse", "How do you use Claude Code?")
                                                  : root.tr("onboarding.claudeOnThisComputer", "Claude Code on this computer"),
                       root.tr("onboarding.title", "Sign In to Claude"),
                       root.tr("onboarding.features", "Keep your sessions running")][onboarding.step - 1]
            }
            Label {
                text: root.trf("onboarding.progress", "%1/%2", [onboarding.step, onboarding.totalSteps])
                color: Colors.secondaryText
            }
        }

        StackLayout {
            Layout.fillWidth: true
            currentIndex: onboarding.step - 1

            // 1: language
            ColumnLayout {
                RowLayout {
                    Label { text: root.tr("settings.general.language", "Language") }
                    LanguagePicker { objectName: "languagePicker" }
                }
                Caption { text: root.tr("onboarding.language.caption", "You can change this later in Settings → General.") }
            }

            // 2: how Claude Code is used
            ColumnLayout {
                spacing: 10
                Label {
                    objectName: "detection"
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    text: signIn.isDetecting ? root.tr("onboarding.detecting", "Looking for the claude command…")
                        : signIn.suggestedFlow === 1 ? root.tr("onboarding.detected.desktop", "Claude Desktop's bundled CLI found — Desktop suggested.")
                        : signIn.suggestedFlow === 2 ? root.tr("onboarding.detected.cliOnly", "Claude Code's claude command was found. Next, sign in.")
                        : root.tr("onboarding.cliMissing", "The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.")
                }
                Button {
                    objectName: "detectAgainButton"
                    Accessible.onPressAction: clicked()
                    visible: !signIn.isDetecting && signIn.suggestedFlow === 0
                    text: root.tr("onboarding.checkAgain", "Check again")
                    onClicked: onboarding.checkAgain()
                }
                // Only where the desktop app's copy of claude was found is
                // there a choice: two cards, radio buttons to a screen reader.
                RowLayout {
                    objectName: "flowChoice"
                    visible: signIn.suggestedFlow === 1
                    spacing: 10
                    Button {
                        id: cliCard
                        objectName: "cliCard"
                        Accessible.onPressAction: clicked()
                        // Arrow keys move between the two, as between radio buttons.
                        Keys.onRightPressed: { desktopCard.forceActiveFocus(Qt.TabFocusReason); desktopCard.clicked() }
                        Keys.onDownPressed: { desktopCard.forceActiveFocus(Qt.TabFocusReason); desktopCard.clicked() }
                        Layout.fillWidth: true
                        implicitHeight: 64
                        checkable: true
                        checked: onboarding.flow === "cli"
                        text: "›_  " + root.tr("onboarding.flow.cli", "CLI (terminal)")
                        Accessible.role: Accessible.RadioButton
                        Accessible.name: root.tr("onboarding.flow.cli", "CLI (terminal)")
                        onClicked: onboarding.flow = "cli"
                    }
                    Button {
                        id: desktopCard
                        objectName: "desktopCard"
                        Accessible.onPressAction: clicked()
                        Keys.onLeftPressed: { cliCard.forceActiveFocus(Qt.TabFocusReason); cliCard.clicked() }
                        Keys.onUpPressed: { cliCard.forceActiveFocus(Qt.TabFocusReason); cliCard.clicked() }
                        Layout.fillWidth: true
                        implicitHeight: 64
                        checkable: true
                        checked: onboarding.flow === "desktop"
                        text: "▭  " + root.tr("onboarding.flow.desktop", "Claude Desktop app")
                        Accessible.role: Accessible.RadioButton
                        Accessible.name: root.tr("onboarding.flow.desktop", "Claude Desktop app")
                        onClicked: onboarding.flow = "desktop"
                    }
                }
            }

            // 3: sign in
            ColumnLayout {
                spacing: 8
                Label {
                    objectName: "signInStatus"
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    readonly property string plainText: signIn.isSigningIn ? root.tr("onboarding.signingIn", "Waiting for the browser sign-in to finish (up to 3 minutes)…")
                        : onboarding.signedIn ? onboarding.signedInText
                        : root.tr("auth.notSignedIn", "Not signed in")
                    text: signIn.isSigningIn ? plainText : (onboarding.signedIn ? "✔ " : "? ") + plainText
                    Accessible.name: plainText
                    color: onboarding.signedIn && !signIn.isSigningIn ? Colors.success : root.palette.windowText
                }

                // The browser flow; its link and a pasted code for machines
                // whose browser is elsewhere.
                ColumnLayout {
                    Layout.fillWidth: true
                    visible: onboarding.flow === "desktop"
                    RowLayout {
                        Button {
                            objectName: "signInButton"
                            Accessible.onPressAction: clicked()
                            text: root.tr("onboarding.signInButton", "Sign in with browser")
                            enabled: !signIn.isSigningIn
                            onClicked: signIn.signInWithBrowser()
                        }
                        Button {
                            Accessible.onPressAction: clicked()
                            visible: signIn.isSigningIn
                            text: root.tr("onboarding.cancel", "Cancel")
                            onClicked: signIn.cancel()
                        }
                    }
                    Caption {
                        visible: signIn.signInUrl.length > 0
                        text: root.tr("onboarding.signInLink", "If no browser opened, open this link on any device:")
                    }
                    TextField {
                        objectName: "signInLink"
                        Layout.fillWidth: true
                        visible: signIn.signInUrl.length > 0
                        readOnly: true
                        selectByMouse: true
                        text: signIn.signInUrl
                        Accessible.name: root.tr("onboarding.signInLink", "If no browser opened, open this link on any device:")
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        visible: signIn.awaitingCode && signIn.isSigningIn
                        TextField {
                            id: code
                            objectName: "codeField"
                            Layout.fillWidth: true
                            placeholderText: root.tr("onboarding.codePlaceholder", "Code from the browser")
                            Accessible.name: placeholderText
                            onAccepted: submit.clicked()
                        }
                        Button {
                            id: submit
                            Accessible.onPressAction: clicked()
                            text: root.tr("onboarding.submitCode", "Submit")
                            enabled: code.text.trim().length > 0
                            onClicked: { signIn.submitCode(code.text); code.text = "" }
                        }
                    }
                }

                // The terminal flow
                ColumnLayout {
                    Layout.fillWidth: true
                    visible: onboarding.flow !== "desktop"
                    Label { text: root.tr("onboarding.cliLogin", "Sign in from Terminal, then check again:") }
                    TextField {
                        Layout.fillWidth: true
                        readOnly: true
                        selectByMouse: true
                        font.family: "monospace"
                        text: root.tr("onboarding.cliLoginCommand", "claude auth login")
                        Accessible.name: root.tr("onboarding.cliLogin", "Sign in from Terminal, then check again:")
                    }
                }

                // The one way to look again, whichever way the user signed in.
                Button {
                    objectName: "checkSignInButton"
                    Accessible.onPressAction: clicked()
                    visible: !signIn.isSigningIn && !onboarding.signedIn
                    text: root.tr("onboarding.checkAgain", "Check again")
                    onClicked: onboarding.checkAgain()
                }
                Announcement {
                    objectName: "signInOutcome"
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    visible: signIn.outcome !== 0 && !signIn.isSigningIn
                    readonly property string plainText: signIn.outcome === root.signInSucceeded ? onboarding.signedInText : signIn.outcomeMessage
                    text: (signIn.outcome === root.signInSucceeded ? "✔ " : "ⓘ ") + plainText
                    Accessible.name: plainText
                    color: signIn.outcome === root.signInSucceeded ? Colors.success : Colors.critical
                }
            }

            // 4: features
            ColumnLayout {
                spacing: 10
                FeatureRow {
                    objectName: "guardFeature"
                    title: root.tr("controls.guard", "Endrun")
                    detail: root.tr("onboarding.guardDetail", "Endrun pauses new work before a usage limit is exhausted.")
                    on: guardController.enabled
                    onEnable: guardController.setEnabled(true)
                }
                FeatureRow {
                    objectName: "autoContinueFeature"
                    title: root.tr("onboarding.autoContinue", "Auto-continue")
                    detail: root.tr("onboarding.autoContinueDetail", "Continues the sessions Endrun paused once the limit has reset, even at night.")
                    on: resumes.autoContinueEnabled
                    onEnable: onboarding.enableAutoContinue()
                }
                FeatureRow {
                    objectName: "kickstartFeature"
                    title: root.tr("onboarding.kickstart", "Morning kickstart")
                    detail: root.tr("onboarding.kickstartDetail", "Starts the 5-hour window early each morning, so that it also resets early.")
                    on: kickstart.enabled
                    onEnable: kickstart.enabled = true
                }
                FeatureRow {
                    title: root.tr("controls.caffeine", "Caffeine")
                    detail: root.tr("onboarding.caffeineDetail", "Caffeine keeps this computer awake while the lid is open.")
                    on: caffeine.isActive
                    onEnable: caffeine.isActive = true
                }
                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        Layout.fillWidth: true
                        text: root.tr("settings.general.launchAtLogin", "Launch at login")
                    }
                    OnOffSwitch {
                        objectName: "launchAtLoginSwitch"
                        Accessible.name: root.tr("settings.general.launchAtLogin", "Launch at login")
                        checked: onboarding.launchAtLoginSelected
                        onToggled: onboarding.launchAtLoginSelected = checked
                    }
                }
                Caption { text: root.tr("settings.general.launchAtLoginCaption", "Pacewise needs to be running to watch over overnight resets.") }
                Caption {
                    visible: launchAtLogin.hasError
                    color: Colors.critical
                    text: root.tr("settings.general.launchAtLoginError", "Couldn't update the launch-at-login setting.")
                }
            }
        }

        // Footer
        RowLayout {
            Layout.fillWidth: true
            Button {
                objectName: "backButton"
                Accessible.onPressAction: clicked()
                visible: onboarding.canGoBack
                text: root.tr("onboarding.back", "Back")
                onClicked: onboarding.back()
            }
            Item { Layout.fillWidth: true }
            Button {
                id: continueButton
                objectName: "continueButton"
                Accessible.onPressAction: clicked()
                visible: onboarding.step < onboarding.totalSteps
                text: root.tr("onboarding.continue", "Continue")
                highlighted: true
                onClicked: onboarding.next()
            }
            Button {
                id: finishButton
                objectName: "finishButton"
                Accessible.onPressAction: clicked()
                visible: onboarding.step === onboarding.totalSteps
                text: "✔ " + root.tr("onboarding.finish", "Finish")
                Accessible.name: root.tr("onboarding.finish", "Finish")
                highlighted: true
                enabled: !launchAtLogin.isUpdating
                onClicked: onboarding.finish()
            }
        }
    }

    Connections {
        target: onboarding
        function onFinished() { dialog.close() }
    }
    Shortcut {
        sequence: "Escape"
        onActivated: dialog.close()
    }

    FontMetrics { id: fontMetrics }
}
