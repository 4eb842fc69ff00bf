<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>Non connecté</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>Connecté</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>Connecté : %1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>Connecté : %1 (%2)</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>Connecté (%1)</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>pas de bus système, donc pas de systemd-logind à interroger</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>Caféine</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>Garde l’ordinateur éveillé tant que l’écran est ouvert. Un écran rabattu force quand même la mise en veille.</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>Fait une pause avant la limite et reprend la session après la réinitialisation.</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>Fait une pause avant la limite ; après la réinitialisation, c’est vous qui reprenez la session.</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Les scripts d’arrière-plan de Pacewise ne correspondent pas à cette version.</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>Cela peut arriver après une mise à jour ou si les fichiers ont été modifiés. Les mettre à jour vers la version actuelle ?</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>Mettre à jour les scripts</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>Actualiser maintenant</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>Paramètres…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>À ce rythme : limite à %1</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1 h</translation>
    </message>
    <message id="freshness.ageMinutes">
      <source>%1m</source>
      <translation>%1 min</translation>
    </message>
    <message id="freshness.ageSeconds">
      <source>%1s</source>
      <translation>%1 s</translation>
    </message>
    <message id="freshness.stale">
      <source>stale</source>
      <translation>obsolète</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>mis à jour il y a %1</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>en attente de la première mise à jour…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>Impossible d’installer %1 dans %2 (%3)</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 n’est pas du JSON valide (%2) ; corrigez-le puis réessayez</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 n’a cessé de changer pendant sa modification ; réessayez</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>Un autre Pacewise modifie %1 ; réessayez dans un instant</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1 ne contient pas d’objet JSON ; corrigez-le puis réessayez</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 n’est pas un fichier ordinaire ; il n’a pas été modifié</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 est en lecture seule ; Pacewise le laisse tel quel (rendez-le modifiable pour que Pacewise puisse le changer)</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>Le script auxiliaire %1 manque dans cette version de Pacewise</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 dépasse 16 Mio ; il a été laissé tel quel</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>Impossible de lire %1 (%2) ; vérifiez son propriétaire et ses droits</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>Impossible d’écrire %1 (%2)</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>« %1 » dans %2 n’est pas du type attendu par Claude Code ; il a été laissé tel quel</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>Données d’utilisation retenues par le serveur</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>Hors ligne, nouvel essai…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>Se connecter…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>Connexion requise</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>Réponse inattendue, nouvel essai…</translation>
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
      <translation>Ouvrir Pacewise</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>« %1 » : %2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>« %1 » reprend d’elle-même après la réinitialisation de %2.</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>« %1 » reprendra d’elle-même après la réinitialisation de %2 à %3.</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code attend à la limite d’utilisation</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>« %1 » est ouverte dans Claude Code mais inactive ; reprenez-la là-bas.</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>Une session n’a pas repris après la réinitialisation</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>Le lancement du matin a échoué</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>La plage de 5 heures a commencé.</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>Bonjour envoyé</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>Réinitialisation à %1.</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>Réinitialisation %1 à %2.</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>Limite de 5 heures utilisée à %1</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>Limite hebdomadaire utilisée à %1</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>« %1 » reprendra après la réinitialisation de %2.</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>« %1 » reprendra après la réinitialisation de %2 à %3.</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>« %1 » attend la réinitialisation de %2.</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>« %1 » attend la réinitialisation de %2 à %3.</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code mis en pause à la limite d’utilisation</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>« %1 » a besoin de vous : %2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>« %1 » : %2. Pacewise réessaiera plus tard.</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>La session n’a pas pu reprendre</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>Session reprise</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>Reprise automatique</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>Reprend les sessions mises en pause par Endrun dès que la limite est réinitialisée, même la nuit.</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>Retour</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>Caféine garde cet ordinateur éveillé tant que l’écran est ouvert.</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>Vérifier à nouveau</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>Claude Code sur cet ordinateur</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>Connectez-vous depuis le terminal, puis vérifiez à nouveau :</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>La commande claude est introuvable. Installez Claude Code (npm install -g @anthropic-ai/claude-code), puis vérifiez à nouveau.</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>Code affiché par le navigateur</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>Continuer</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>La commande claude de Claude Code a été trouvée. Connectez-vous maintenant.</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>CLI fournie avec Claude Desktop trouvée — Desktop suggéré.</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>Recherche de la commande claude…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>Activer</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>Activer %1</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>Désactivé</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>Activé</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>Gardez vos sessions en marche</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>Terminer</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI (terminal)</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>Application Claude Desktop</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun met en pause le nouveau travail avant qu’une limite d’utilisation soit épuisée.</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>Comment utilisez-vous Claude Code ?</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>Lancement du matin</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>Démarre la plage de 5 heures tôt chaque matin, pour qu’elle se réinitialise tôt aussi.</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>Vous pourrez changer cela plus tard dans Paramètres → Général.</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>Choisissez votre langue</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>La connexion s’est terminée avec le code %1. Veuillez réessayer.</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>Impossible de lancer la commande claude. Vérifiez l’étape 2 et réessayez.</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>La connexion a expiré au bout de 3 minutes. Fermez les onglets de navigateur restants et réessayez.</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>Se connecter avec le navigateur</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>Si aucun navigateur ne s’est ouvert, ouvrez ce lien sur n’importe quel appareil :</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>En attente de la fin de la connexion dans le navigateur (jusqu’à 3 minutes)…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>La connexion est terminée, mais le compte semble toujours déconnecté. Veuillez réessayer.</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>Envoyer</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Se connecter à Claude</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Bienvenue dans Pacewise</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1 %</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>Quitter</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>Reprendre quand même</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>Reprendre « %1 » quand même</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>Son dossier n’existe plus</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>Ignorer</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>Ignorer « %1 »</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>Continuer maintenant</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>Laisser « %1 » continuer maintenant</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>En attente jusqu’à %1 ; reprend ensuite d’elle-même</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>Inactive dans Claude Code depuis avant la réinitialisation ; reprenez-la là-bas</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>A besoin de vous : %1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>« %1 » avait déjà repris.</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>« Reprendre quand même » la reprend tout de suite ; Claude Code s’arrêtera sans doute de nouveau à la limite.</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>« %1 » a repris.</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>« %1 » ignorée.</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>La limite de 5 heures est à %1 jusqu’à %2.</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>La limite hebdomadaire est à %1 jusqu’à %2.</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>« %1 » n’est plus en attente.</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>« %1 » continue maintenant ; elle ne sera plus mise en attente avant la réinitialisation de la limite.</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>Arrêtée ; la session reste à reprendre.</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>Reprendre maintenant</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>Reprendre « %1 » maintenant</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>Ouverte dans Claude Code, qui la reprend</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>Reprises en attente</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>Le quota est encore occupé</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>Impossible de confirmer le quota disponible</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>Prête</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>un appel d’outil n’a pas été autorisé</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude s’est terminé avec le statut %1</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude s’est terminé avec le statut %1 : %2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>claude est introuvable</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>impossible de lancer claude : %1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code a signalé une erreur</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code a signalé une erreur : %1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>reprise lors d’un essai précédent</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>reprise par un autre Pacewise</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>reprise dans Claude Code</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>son dossier %1 n’existe plus</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>son exécution précédente s’est terminée sans dire comment</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>inactive depuis avant la réinitialisation ; reprenez-la là-bas</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude s’est terminé sans dire comment (code de sortie %1)</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>arrêtée avant la fin</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>le dossier des sessions arrêtées, %1, n’est pas accessible en écriture : %2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>son ticket n’a pas pu être supprimé : %1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude n’a pas terminé en %n minute</numerusform>
        <numerusform>claude n’a pas terminé en %n minutes</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1 n’a pas été autorisé</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1 n’ont pas été autorisés</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>Réinitialisation %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>Reprise en cours…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>Échec du dernier essai à %1 : %2 ; prochain essai à %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>Rechercher des mises à jour…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>Vérifier la configuration</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Sans lien avec Anthropic.</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>Mettre à jour vers %1</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>Vérifier à nouveau</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>Recherche de mises à jour…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>Impossible de rechercher des mises à jour</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>Les mises à jour passent par votre gestionnaire de paquets.</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>Vous avez la dernière version</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>Reprendre les sessions en pause après la réinitialisation</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>Dès que la limite qui a mis une session en pause est réinitialisée, celle de 5 heures ou l’hebdomadaire, Pacewise reprend la session en arrière-plan.</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>Activez Endrun pour cela — c’est lui qui enregistre les sessions à reprendre.</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>Une recherche par jour. Aucune autre donnée n’est envoyée.</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>jq n’est pas installé, Endrun ne peut donc rien faire. Installez le paquet jq.</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun intervient à</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>Endrun retient ou met en pause Claude Code dès qu’une limite d’utilisation atteint cette part.</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>Démarrer la plage d’utilisation chaque matin</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>Relancer la plage après chaque réinitialisation</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>Répète le message à chaque réinitialisation de la plage de 5 heures : la prochaine réinitialisation est toujours à moins de cinq heures. S’arrête à l’heure de fin ; mettez-la égale à l’heure de début pour tourner en continu.</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>Claude Code introuvable ; nouvel essai prévu</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>L’essai de %1 a échoué ; nouvel essai prévu</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>L’essai de %1 a échoué : %2 ; nouvel essai prévu</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>Prochain : %1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>Démarrer maintenant</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>Démarrage de la plage…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>À %1, la plage tournait déjà — rien n’a été envoyé</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>Plage démarrée à %1</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>jusqu’à</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>Pacewise envoie à Claude Code un message d’un mot à l’heure choisie, pour que votre plage de 5 heures commence — et se réinitialise — tôt dans la journée. Ignoré si la plage tourne déjà.</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>Langue</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>Système (par défaut)</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>Pacewise doit tourner pour surveiller les réinitialisations nocturnes.</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>Impossible de modifier le lancement à l’ouverture de session.</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>Lire l’utilisation avant ma propre ligne d’état</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Votre ligne d’état de Claude Code reste telle quelle ; Pacewise lit d’abord l’utilisation dans la même entrée, pour qu’Endrun décide d’après des chiffres à jour.</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>Afficher le pourcentage dans la zone de notification</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>Désactivé, seule l’icône s’affiche, dans la couleur de la plage la plus utilisée.</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>Limite de 5 heures à</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>Quand le bonjour du matin est envoyé, ou échoue</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>Quand une limite est presque atteinte</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Quand Endrun met une session en pause</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>Quand une session en pause reprend, ou ne peut pas reprendre</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>Notifications</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>Limite hebdomadaire à</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>À propos</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>Général</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>Paramètres</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>Tout est en ordre.</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>%1 ne se lance pas</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>installez Claude Code : npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>introuvable, ni dans le PATH ni là où ses programmes d’installation le placent</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>réinstallez Claude Code, puis essayez : claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>Chiffres d’utilisation</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>aucun enregistré pour l’instant dans %1</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1 contient les chiffres d’un autre compte</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1, dans %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>lancez une session Claude Code, dont la ligne d’état les enregistre, ou bien l’application de la zone de notification ou le démon (pacewisectl service install), qui les demandent à claude</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>supprimez le fichier ; la prochaine exécution de la ligne d’état ou la prochaine interrogation le recréera</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1, dans %2 : trop anciens pour Endrun</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1 ne contient aucun chiffre utilisable</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Gardien Endrun</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>activé, mais ses scripts dans %1 ont été modifiés</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>lit %1, mais Pacewise enregistre les chiffres dans %2</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>corrigez ou supprimez %1</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>désactivé : rien ne met Claude Code en pause avant une limite</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>activé, met en pause à %1</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>activé, mais ses scripts dans %1 ne sont pas ceux de ce Pacewise</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>rétablissez les scripts de Pacewise : pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>ses scripts ont été modifiés</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>installez-le : sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>installé</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>non installé : Endrun et la ligne d’état ne font rien</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>Maintien en éveil</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>lancez Pacewise dans une session de connexion gérée par systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>via systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>ni le portail du bureau ni systemd-logind ne répondent : Caféine ne peut pas maintenir l’ordinateur éveillé</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>via le portail du bureau</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>Notifications</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>ouvrez une session de bureau, ou installez un serveur de notifications (dunst, par exemple)</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>aucun bus de session : les alertes de limite ne s’affichent pas</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>aucun serveur de notifications : les alertes de limite ne s’affichent pas</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>un serveur de notifications répond</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>Sessions en pause</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n attend, mais la reprise automatique est désactivée</numerusform>
        <numerusform>%n attendent, mais la reprise automatique est désactivée</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>activez la reprise automatique (pacewisectl auto-continue on) ou reprenez-les une par une : pacewisectl resume now SESSION</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>aucune n’attend</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>aucune n’est reprise : d’autres pourraient modifier le dossier %1</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n attend d’être reprise après la réinitialisation (pacewisectl resume list)</numerusform>
        <numerusform>%n attendent d’être reprises après la réinitialisation (pacewisectl resume list)</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>%n point à corriger.</numerusform>
        <numerusform>%n points à corriger.</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>En cours d’exécution</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>ni l’application de la zone de notification ni le démon : rien n’interroge l’utilisation ni ne reprend les sessions</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>lancez l’application (pacewise) ou le démon : pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>Connecté</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>installez d’abord claude</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>exécutez : claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>non</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude n’a pas répondu</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>impossible à vérifier sans claude</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>« pacewisectl auth » en donne la raison</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>oui</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>Démarrage à la connexion</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>avec un environnement de bureau : pacewisectl autostart on ; sinon : pacewisectl service install</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>rien</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>le démon, en tant que pacewise.service</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>l’application de la zone de notification</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>Ligne d’état</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>aucune : rien n’enregistre les chiffres</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>celle de Pacewise enregistre les chiffres</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>la vôtre, avec l’enregistreur de Pacewise devant</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>placez l’enregistreur devant : pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>la vôtre n’enregistre rien pour Pacewise : Endrun ne voit que les chiffres de ses interrogations</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Un autre Pacewise consulte l’utilisation mais reste injoignable par le bus de session, celui-ci ne peut donc pas l’afficher. Celui-ci prendra le relais dès que l’autre s’arrêtera.</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Un autre Pacewise (processus %1) consulte l’utilisation mais reste injoignable par le bus de session, celui-ci ne peut donc pas l’afficher. Celui-ci prendra le relais dès que l’autre s’arrêtera.</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise attend</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1, heure</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1, minute</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>Reprises en attente : %1</translation>
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
      <translation>5 heures</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · non commencée</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>Utilisation supplémentaire en cours jusqu’à la réinitialisation de la limite</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · jusqu’à %2</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>Semaine</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>presque épuisée</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>bientôt épuisée</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1, %2 utilisés, non commencée</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1, %2 utilisés, réinitialisation %3</translation>
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
