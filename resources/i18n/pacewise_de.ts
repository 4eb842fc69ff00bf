<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>Nicht angemeldet</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>Angemeldet</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>Angemeldet: %1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>Angemeldet: %1 (%2)</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>Angemeldet (%1)</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>kein Systembus, daher ist systemd-logind nicht erreichbar</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>Koffein</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>Hält den Computer wach, solange der Deckel offen ist. Ein geschlossener Deckel erzwingt trotzdem den Ruhezustand.</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>Pausiert kurz vor dem Limit und setzt die Sitzung nach dem Zurücksetzen automatisch fort.</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>Pausiert kurz vor dem Limit; nach dem Zurücksetzen setzt du die Sitzung selbst fort.</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Die Hintergrundskripte von Pacewise weichen von dieser Version ab.</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>Das kann nach einem Update passieren oder wenn die Dateien bearbeitet wurden. Auf die aktuelle Version aktualisieren?</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>Skripte aktualisieren</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>Jetzt aktualisieren</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>Einstellungen …</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>Bei diesem Tempo: Limit um %1 erreicht</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1 Std.</translation>
    </message>
    <message id="freshness.ageMinutes">
      <source>%1m</source>
      <translation>%1 Min.</translation>
    </message>
    <message id="freshness.ageSeconds">
      <source>%1s</source>
      <translation>%1 s</translation>
    </message>
    <message id="freshness.stale">
      <source>stale</source>
      <translation>veraltet</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>vor %1 aktualisiert</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>Warten auf die erste Aktualisierung …</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>%1 konnte nicht in %2 installiert werden (%3)</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 ist kein gültiges JSON (%2); korrigiere die Datei und versuche es erneut</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 hat sich während der Bearbeitung ständig geändert; versuche es erneut</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>Ein anderes Pacewise bearbeitet gerade %1; versuche es gleich noch einmal</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1 enthält kein JSON-Objekt; korrigiere die Datei und versuche es erneut</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 ist keine gewöhnliche Datei; sie wurde nicht angetastet</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 ist schreibgeschützt; Pacewise lässt die Datei unverändert (mach sie beschreibbar, damit Pacewise sie ändern kann)</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>Das Hilfsskript %1 fehlt in diesem Pacewise-Build</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 ist größer als 16 MiB; die Datei bleibt unverändert</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>%1 kann nicht gelesen werden (%2); prüfe Eigentümer und Berechtigungen</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>%1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>„%1“ in %2 hat nicht den Typ, den Claude Code erwartet; die Datei bleibt unverändert</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>Nutzungsdaten vom Server zurückgehalten</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>Offline, neuer Versuch …</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>Anmelden …</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>Anmeldung erforderlich</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>Unerwartete Antwort, neuer Versuch …</translation>
    </message>
    <message id="language.name.de">
      <source>Deutsch</source>
      <translation>Deutsch</translation>
    </message>
    <message id="language.name.en">
      <source>English</source>
      <translation>English</translation>
    </message>
    <message id="language.name.es">
      <source>Español</source>
      <translation>Español</translation>
    </message>
    <message id="language.name.fr">
      <source>Français</source>
      <translation>Français</translation>
    </message>
    <message id="language.name.ja">
      <source>日本語</source>
      <translation>日本語</translation>
    </message>
    <message id="language.name.ko">
      <source>한국어</source>
      <translation>한국어</translation>
    </message>
    <message id="language.name.pt-BR">
      <source>Português (Brasil)</source>
      <translation>Português (Brasil)</translation>
    </message>
    <message id="language.name.ru">
      <source>Русский</source>
      <translation>Русский</translation>
    </message>
    <message id="language.name.zh-Hans">
      <source>中文(简体)</source>
      <translation>中文(简体)</translation>
    </message>
    <message id="menu.open">
      <source>Open Pacewise</source>
      <translation>Pacewise öffnen</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>„%1“: %2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>„%1“ wird nach dem Zurücksetzen um %2 von selbst fortgesetzt.</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>„%1“ wird nach dem Zurücksetzen am %2 um %3 von selbst fortgesetzt.</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code wartet am Nutzungslimit</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>„%1“ ist in Claude Code geöffnet, aber inaktiv; setze die Sitzung dort fort.</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>Eine Sitzung wurde nach dem Zurücksetzen nicht fortgesetzt</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>Morgendlicher Start fehlgeschlagen</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>Das 5-Stunden-Zeitfenster hat begonnen.</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>Guten-Morgen-Gruß gesendet</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>Es wird um %1 zurückgesetzt.</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>Es wird am %1 um %2 zurückgesetzt.</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>%1 des 5-Stunden-Limits verbraucht</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>%1 des Wochenlimits verbraucht</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>„%1“ wird nach dem Zurücksetzen um %2 fortgesetzt.</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>„%1“ wird nach dem Zurücksetzen am %2 um %3 fortgesetzt.</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>„%1“ wartet auf das Zurücksetzen um %2.</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>„%1“ wartet auf das Zurücksetzen am %2 um %3.</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code am Nutzungslimit pausiert</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>„%1“ braucht dich: %2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>„%1“: %2. Pacewise versucht es später erneut.</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>Sitzung konnte nicht fortgesetzt werden</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>Sitzung fortgesetzt</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>Automatisch fortsetzen</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>Setzt die von Endrun pausierten Sitzungen fort, sobald das Limit zurückgesetzt ist – auch nachts.</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>Zurück</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>Koffein hält diesen Computer wach, solange der Deckel offen ist.</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>Erneut prüfen</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>Claude Code auf diesem Computer</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>Im Terminal anmelden und dann erneut prüfen:</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>Der Befehl claude wurde nicht gefunden. Installiere Claude Code (npm install -g @anthropic-ai/claude-code) und prüfe dann erneut.</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>Code aus dem Browser</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>Weiter</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>Der Befehl claude von Claude Code wurde gefunden. Melde dich als Nächstes an.</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>Mitgelieferte CLI von Claude Desktop gefunden – Desktop empfohlen.</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>Der Befehl claude wird gesucht …</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>Aktivieren</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>%1 aktivieren</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>Aus</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>Ein</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>Sitzungen am Laufen halten</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>Fertig</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI (Terminal)</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>Claude-Desktop-App</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun pausiert neue Arbeit, bevor ein Nutzungslimit aufgebraucht ist.</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>Wie nutzt du Claude Code?</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>Morgendlicher Start</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>Startet das 5-Stunden-Zeitfenster jeden Morgen früh, damit es auch früh zurückgesetzt wird.</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>Du kannst das später unter Einstellungen → Allgemein ändern.</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>Sprache wählen</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>Die Anmeldung wurde mit Code %1 beendet. Bitte versuche es erneut.</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>Der Befehl claude konnte nicht gestartet werden. Prüfe Schritt 2 und versuche es erneut.</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>Die Anmeldung ist nach 3 Minuten abgelaufen. Schließe verbliebene Browser-Tabs und versuche es erneut.</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>Mit dem Browser anmelden</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>Wenn sich kein Browser geöffnet hat, öffne diesen Link auf einem beliebigen Gerät:</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>Warten auf den Abschluss der Anmeldung im Browser (bis zu 3 Minuten) …</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>Die Anmeldung ist abgeschlossen, aber das Konto wirkt weiterhin abgemeldet. Bitte versuche es erneut.</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>Senden</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Bei Claude anmelden</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Willkommen bei Pacewise</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1 %</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>Beenden</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>Trotzdem fortsetzen</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>„%1“ trotzdem fortsetzen</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>Der Ordner der Sitzung existiert nicht mehr</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>Verwerfen</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>„%1“ verwerfen</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>Jetzt weitermachen</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>„%1“ jetzt weitermachen lassen</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>Bis %1 angehalten; wird danach von selbst fortgesetzt</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>Schon vor dem Zurücksetzen in Claude Code inaktiv; dort fortsetzen</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>Braucht dich: %1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>„%1“ wurde schon fortgesetzt.</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>„Trotzdem fortsetzen“ setzt die Sitzung jetzt fort; Claude Code stoppt dann wahrscheinlich gleich wieder am Limit.</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>„%1“ wurde fortgesetzt.</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>„%1“ verworfen.</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>Das 5-Stunden-Limit steht bis %2 bei %1.</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>Das Wochenlimit steht bis %2 bei %1.</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>„%1“ wird nicht mehr angehalten.</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>„%1“ macht jetzt weiter und wird bis zum Zurücksetzen des Limits nicht mehr angehalten.</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>Abgebrochen; die Sitzung wird später fortgesetzt.</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>Jetzt fortsetzen</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>„%1“ jetzt fortsetzen</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>In Claude Code geöffnet, das sie fortsetzt</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>Ausstehende Fortsetzungen</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>Kontingent ist noch belegt</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>Freies Kontingent konnte nicht bestätigt werden</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>Bereit</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>ein Tool-Aufruf wurde nicht erlaubt</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude wurde mit Status %1 beendet</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude wurde mit Status %1 beendet: %2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>claude wurde nicht gefunden</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>claude konnte nicht gestartet werden: %1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code hat einen Fehler gemeldet</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code hat einen Fehler gemeldet: %1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>durch einen früheren Versuch fortgesetzt</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>von einem anderen Pacewise fortgesetzt</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>in Claude Code fortgesetzt</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>der Ordner %1 existiert nicht mehr</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>der vorige Lauf endete, ohne zu sagen, wie</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>schon vor dem Zurücksetzen inaktiv; dort fortsetzen</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude endete, ohne zu sagen, wie (Exit-Status %1)</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>vor dem Ende gestoppt</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>der Ordner der gestoppten Sitzungen, %1, ist nicht beschreibbar: %2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>das Ticket konnte nicht gelöscht werden: %1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude wurde nicht innerhalb von %n Minute fertig</numerusform>
        <numerusform>claude wurde nicht innerhalb von %n Minuten fertig</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1 wurde nicht erlaubt</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1 wurden nicht erlaubt</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>Zurücksetzen: %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>Wird fortgesetzt …</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>Letzter Versuch um %1 fehlgeschlagen: %2; nächster Versuch um %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>Nach Updates suchen …</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>Einrichtung prüfen</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Nicht mit Anthropic verbunden.</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>Auf %1 aktualisieren</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>Erneut prüfen</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>Suche nach Updates …</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>Updates kommen über deine Paketverwaltung.</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>Du hast die neueste Version</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>Pausierte Sitzungen nach dem Zurücksetzen fortsetzen</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>Sobald das Limit, an dem eine Sitzung pausiert hat, zurückgesetzt ist – das 5-Stunden- oder das Wochenlimit –, setzt Pacewise die Sitzung im Hintergrund fort.</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>Schalte dafür Endrun ein – es merkt sich die Sitzungen, die fortgesetzt werden sollen.</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>Sucht einmal am Tag. Andere Daten werden nicht gesendet.</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>jq ist nicht installiert, daher kann Endrun nichts tun. Installiere das Paket jq.</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun greift ein bei</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>Endrun hält Claude Code an oder pausiert es, sobald ein Nutzungslimit diesen Anteil erreicht.</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>Das Zeitfenster des Limits jeden Morgen starten</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>Das Zeitfenster nach jedem Zurücksetzen weiterlaufen lassen</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>Wiederholt den Gruß bei jedem Zurücksetzen des 5-Stunden-Zeitfensters, sodass das nächste Zurücksetzen immer weniger als fünf Stunden entfernt ist. Endet zur Endzeit; setze sie auf die Startzeit, um rund um die Uhr zu laufen.</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>Claude Code wurde nicht gefunden; neuer Versuch folgt</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>Versuch um %1 fehlgeschlagen; neuer Versuch folgt</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>Versuch um %1 fehlgeschlagen: %2; neuer Versuch folgt</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>Nächster: %1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>Jetzt starten</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>Zeitfenster wird gestartet …</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>Um %1 lief das Zeitfenster bereits – nichts gesendet</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>Zeitfenster um %1 gestartet</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>Uhrzeit</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>bis</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>Pacewise schickt Claude Code zur gewählten Zeit einen kurzen Gruß, damit dein 5-Stunden-Zeitfenster früh am Tag beginnt – und zurückgesetzt wird. Entfällt, wenn das Zeitfenster bereits läuft.</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>Sprache</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>System (Standard)</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>Beim Anmelden starten</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>Pacewise muss laufen, um das Zurücksetzen über Nacht im Blick zu behalten.</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>Die Einstellung „Beim Anmelden starten“ konnte nicht geändert werden.</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>Nutzung vor meiner eigenen Statuszeile mitlesen</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Deine Statuszeile in Claude Code bleibt, wie sie ist; Pacewise liest die Nutzung vorher aus derselben Eingabe, damit Endrun nach aktuellen Zahlen entscheidet.</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>Prozentwert im Tray anzeigen</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>Wenn ausgeschaltet, wird nur das Symbol angezeigt – in der Farbe des am stärksten genutzten Zeitfensters.</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>5-Stunden-Limit bei</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>Wenn der Morgengruß gesendet wird – oder fehlschlägt</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>Wenn ein Limit fast aufgebraucht ist</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Wenn Endrun eine Sitzung pausiert</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>Wenn eine pausierte Sitzung fortgesetzt wird – oder nicht fortgesetzt werden kann</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>Benachrichtigungen</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>Wochenlimit bei</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>Über</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>Allgemein</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>Alles in Ordnung.</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>%1 lässt sich nicht ausführen</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>installiere Claude Code: npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>weder im PATH noch dort gefunden, wo die Installationsprogramme ihn ablegen</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>installiere Claude Code neu und teste dann mit: claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>Nutzungszahlen</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>noch keine in %1 aufgezeichnet</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1 enthält die Zahlen eines anderen Kontos</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1, in %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>starte eine Claude-Code-Sitzung, deren Statuszeile sie aufzeichnet, oder die Tray-App bzw. den Daemon (pacewisectl service install), die claude danach fragen</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>lösche die Datei; der nächste Lauf der Statuszeile oder die nächste Abfrage legt sie neu an</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1, in %2: zu alt für Endrun</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1 enthält keine brauchbaren Zahlen</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Endrun-Wächter</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>an, aber seine Hilfsskripte in %1 wurden bearbeitet</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>liest %1, aber Pacewise zeichnet die Zahlen in %2 auf</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>korrigiere oder lösche %1</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>aus, daher wird Claude Code vor einem Limit nicht pausiert</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>an, pausiert bei %1</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>an, aber seine Hilfsskripte in %1 gehören nicht zu dieser Pacewise-Version</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>stelle die Skripte von Pacewise wieder her: pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>seine Hilfsskripte wurden bearbeitet</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>installiere es: sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>installiert</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>nicht installiert, daher tun Endrun und die Statuszeile nichts</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>Wachhalten</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>starte Pacewise in einer systemd-Anmeldesitzung</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>über systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>weder das Desktop-Portal noch systemd-logind antwortet, daher kann Koffein den Computer nicht wach halten</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>über das Desktop-Portal</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>Benachrichtigungen</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>melde dich in einer Desktop-Sitzung an oder installiere einen Benachrichtigungsdienst (etwa dunst)</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>kein Sitzungsbus, daher werden Limit-Warnungen nicht angezeigt</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>kein Benachrichtigungsdienst, daher werden Limit-Warnungen nicht angezeigt</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>ein Benachrichtigungsdienst antwortet</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>Pausierte Sitzungen</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n wartet, aber automatisches Fortsetzen ist aus</numerusform>
        <numerusform>%n warten, aber automatisches Fortsetzen ist aus</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>schalte automatisches Fortsetzen ein (pacewisectl auto-continue on) oder setze jede Sitzung einzeln fort: pacewisectl resume now SITZUNG</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>keine wartet</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>keine wird fortgesetzt: andere Benutzer könnten den Ordner %1 ändern</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n wartet darauf, nach dem Zurücksetzen fortgesetzt zu werden (pacewisectl resume list)</numerusform>
        <numerusform>%n warten darauf, nach dem Zurücksetzen fortgesetzt zu werden (pacewisectl resume list)</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>%n Punkt muss behoben werden.</numerusform>
        <numerusform>%n Punkte müssen behoben werden.</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>Läuft</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>weder die Tray-App noch der Daemon, daher fragt nichts die Nutzung ab oder setzt Sitzungen fort</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>starte die Tray-App (pacewise) oder den Daemon: pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>Angemeldet</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>installiere zuerst claude</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>führe aus: claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>nein</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude hat nicht geantwortet</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>ohne claude nicht abfragbar</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>„pacewisectl auth“ nennt den Grund</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>ja</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>Start beim Anmelden</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>in einer Desktop-Sitzung: pacewisectl autostart on; sonst: pacewisectl service install</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>nichts</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>der Daemon, als pacewise.service</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>die Tray-App</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>Statuszeile</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>keine, daher zeichnet nichts die Zahlen auf</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>die von Pacewise zeichnet die Zahlen auf</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>deine eigene, mit vorgeschalteter Aufzeichnung von Pacewise</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>schalte die Aufzeichnung von Pacewise davor: pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>deine eigene zeichnet nichts für Pacewise auf, daher sieht Endrun nur die Zahlen seiner Abfragen</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Ein anderes Pacewise prüft die Nutzung, ist aber über den Sitzungsbus nicht erreichbar, daher kann dieses sie nicht anzeigen. Dieses übernimmt, sobald das andere endet.</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Ein anderes Pacewise (Prozess %1) prüft die Nutzung, ist aber über den Sitzungsbus nicht erreichbar, daher kann dieses sie nicht anzeigen. Dieses übernimmt, sobald das andere endet.</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise wartet</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1, Stunde</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1, Minute</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>Ausstehende Fortsetzungen: %1</translation>
    </message>
    <message id="tray.placeholder">
      <source>—%</source>
      <translation>— %</translation>
    </message>
    <message id="window.detailWithSeverity">
      <source>%1 · %2</source>
      <translation>%1 · %2</translation>
    </message>
    <message id="window.fiveHourLabel">
      <source>5 hours</source>
      <translation>5 Stunden</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · nicht begonnen</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>Bis zum Zurücksetzen des Limits wird zusätzliche Nutzung verbraucht</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · bis %2</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>Woche</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>fast aufgebraucht</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>wird knapp</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1, %2 verbraucht, nicht begonnen</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1, %2 verbraucht, Zurücksetzen: %3</translation>
    </message>
    <message id="window.spokenWithSeverity">
      <source>%1, %2</source>
      <translation>%1, %2</translation>
    </message>
    <message id="window.weeklyModelLabel">
      <source>%1 · %2</source>
      <translation>%1 · %2</translation>
    </message>
  </context>
</TS>
