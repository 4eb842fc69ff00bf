<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>Sin iniciar sesión</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>Sesión iniciada</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>Sesión iniciada: %1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>Sesión iniciada: %1 (%2)</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>Sesión iniciada (%1)</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>no hay bus del sistema, así que no hay systemd-logind al que preguntar</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>Cafeína</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>Mantiene el equipo despierto mientras la tapa esté abierta. Con la tapa cerrada se suspende igualmente.</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>Pausa antes de llegar al límite y reanuda la sesión tras el restablecimiento.</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>Pausa antes de llegar al límite; tras el restablecimiento, tú reanudas la sesión.</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Los scripts en segundo plano de Pacewise no coinciden con esta versión.</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>Puede ocurrir tras una actualización o si se editaron los archivos. ¿Actualizarlos a la versión actual?</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>Actualizar scripts</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>Actualizar ahora</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>Ajustes…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>A este ritmo, se llega al límite: %1</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1 h</translation>
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
      <translation>desactualizado</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>actualizado hace %1</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>esperando la primera actualización…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>No se pudo instalar %1 en %2 (%3)</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 no es JSON válido (%2); corrígelo e inténtalo de nuevo</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 cambió una y otra vez mientras se editaba; inténtalo de nuevo</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>Otro Pacewise está editando %1; inténtalo de nuevo en un momento</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1 no contiene un objeto JSON; corrígelo e inténtalo de nuevo</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 no es un archivo normal; no se ha tocado</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 es de solo lectura; Pacewise lo deja como está (permite escribir en él para que Pacewise pueda cambiarlo)</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>Falta el script auxiliar %1 en esta compilación de Pacewise</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 ocupa más de 16 MiB; se ha dejado como estaba</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>No se puede leer %1 (%2); revisa su propietario y sus permisos</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>No se pudo escribir %1 (%2)</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>«%1» en %2 no es del tipo que espera Claude Code; se ha dejado como estaba</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>El servidor no envió los datos de uso</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>Sin conexión, reintentando…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>Iniciar sesión…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>Hay que iniciar sesión</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>Respuesta inesperada, reintentando…</translation>
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
      <translation>Abrir Pacewise</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>«%1»: %2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>«%1» se reanudará sola tras el restablecimiento (%2).</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>«%1» se reanudará sola tras el restablecimiento del %2 (%3).</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code espera en el límite de uso</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>«%1» está abierta en Claude Code pero inactiva; reanúdala allí.</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>Una sesión no se reanudó tras el restablecimiento</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>Falló el arranque matutino</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>La franja de 5 horas ha comenzado.</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>Saludo matutino enviado</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>Restablecimiento: %1.</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>Restablecimiento: %1, %2.</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>Has usado el %1 del límite de 5 horas</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>Has usado el %1 del límite semanal</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>«%1» se reanudará tras el restablecimiento (%2).</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>«%1» se reanudará tras el restablecimiento del %2 (%3).</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>«%1» espera al restablecimiento (%2).</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>«%1» espera al restablecimiento del %2 (%3).</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code, en pausa en el límite de uso</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>«%1» te necesita: %2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>«%1»: %2. Pacewise lo volverá a intentar más tarde.</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>No se pudo reanudar la sesión</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>Sesión reanudada</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>Reanudación automática</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>Reanuda las sesiones que Endrun pausó en cuanto se restablece el límite, incluso de noche.</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>Atrás</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>Cafeína mantiene este equipo despierto mientras la tapa esté abierta.</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>Comprobar de nuevo</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>Claude Code en este equipo</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>Inicia sesión desde la terminal y vuelve a comprobar:</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>No se encontró el comando claude. Instala Claude Code (npm install -g @anthropic-ai/claude-code) y vuelve a comprobar.</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>Código del navegador</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>Continuar</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>Se encontró el comando claude de Claude Code. Ahora, inicia sesión.</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>Se encontró la CLI incluida en Claude Desktop: se sugiere Desktop.</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>Buscando el comando claude…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>Activar</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>Activar %1</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>Desactivado</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>Activado</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>Mantén tus sesiones en marcha</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>Terminar</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI (terminal)</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>App Claude Desktop</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun pausa el trabajo nuevo antes de que se agote un límite de uso.</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>¿Cómo usas Claude Code?</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>Arranque matutino</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>Inicia la franja de 5 horas temprano cada mañana, para que también se restablezca temprano.</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>Puedes cambiarlo más tarde en Ajustes → General.</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>Elige tu idioma</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>El inicio de sesión terminó con el código %1. Inténtalo de nuevo.</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>No se pudo ejecutar el comando claude. Revisa el paso 2 e inténtalo de nuevo.</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>El inicio de sesión caducó tras 3 minutos. Cierra las pestañas del navegador que queden abiertas e inténtalo de nuevo.</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>Iniciar sesión con el navegador</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>Si no se abrió ningún navegador, abre este enlace en cualquier dispositivo:</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>Esperando a que termine el inicio de sesión en el navegador (hasta 3 minutos)…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>El inicio de sesión terminó, pero la cuenta sigue sin sesión. Inténtalo de nuevo.</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>Enviar</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Inicia sesión en Claude</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Te damos la bienvenida a Pacewise</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1 %</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>Salir</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>Reanudar de todos modos</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>Reanudar «%1» de todos modos</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>Su carpeta ya no existe</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>Descartar</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>Descartar «%1»</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>Seguir ahora</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>Dejar seguir «%1» ahora</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>En espera hasta el restablecimiento (%1); luego se reanuda sola</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>Inactiva en Claude Code desde antes del restablecimiento; reanúdala allí</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>Te necesita: %1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>«%1» ya se había reanudado.</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>«Reanudar de todos modos» la reanuda ahora; lo más probable es que Claude Code vuelva a detenerse en el límite.</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>«%1» se ha reanudado.</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>«%1» descartada.</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>El límite de 5 horas está al %1 hasta %2.</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>El límite semanal está al %1 hasta %2.</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>«%1» ya no está retenida.</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>«%1» sigue ahora y no se volverá a retener hasta que se restablezca el límite.</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>Detenido; la sesión queda pendiente para reanudarla más tarde.</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>Reanudar ahora</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>Reanudar «%1» ahora</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>Abierta en Claude Code, que la reanuda</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>Reanudaciones pendientes</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>La cuota sigue ocupada</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>No se pudo confirmar la cuota disponible</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>Lista</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>no se permitió una llamada a una herramienta</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude terminó con el estado %1</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude terminó con el estado %1: %2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>no se encontró claude</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>no se pudo iniciar claude: %1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code informó de un error</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code informó de un error: %1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>reanudada por un intento anterior</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>reanudada por otro Pacewise</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>reanudada en Claude Code</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>su carpeta %1 ya no existe</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>su ejecución anterior terminó sin decir cómo</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>inactiva desde antes del restablecimiento; reanúdala allí</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude terminó sin decir cómo (estado de salida %1)</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>detenida antes de terminar</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>no se puede escribir en la carpeta de sesiones detenidas, %1: %2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>no se pudo borrar su ticket: %1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude no terminó en %n minuto</numerusform>
        <numerusform>claude no terminó en %n minutos</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>no se permitió %1</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>no se permitieron %1</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>Restablecimiento: %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>Reanudando…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>El último intento (%1) falló: %2; próximo intento: %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>Buscar actualizaciones…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>Comprobar la configuración</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Sin relación con Anthropic.</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>Actualizar a %1</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>Comprobar de nuevo</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>Buscando actualizaciones…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>No se pudieron buscar actualizaciones</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>Las actualizaciones llegan por tu gestor de paquetes.</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>Tienes la última versión</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>Versión %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>Reanudar las sesiones pausadas tras el restablecimiento</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>En cuanto se restablece el límite que pausó una sesión, el de 5 horas o el semanal, Pacewise reanuda la sesión en segundo plano.</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>Activa Endrun para esto: es lo que registra las sesiones que hay que reanudar.</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>Busca una vez al día. No se envía ningún otro dato.</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>jq no está instalado, así que Endrun no puede hacer nada. Instala el paquete jq.</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun interviene al</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>Endrun retiene o pausa Claude Code en cuanto un límite de uso alcanza este porcentaje.</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>Iniciar la franja del límite cada mañana</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>Mantener la franja en marcha tras cada restablecimiento</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>Repite el saludo cada vez que se restablece la franja de 5 horas, así el siguiente restablecimiento siempre está a menos de cinco horas. Se detiene a la hora de fin; ponla igual a la de inicio para que funcione las 24 horas.</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>No se encontró Claude Code; se volverá a intentar</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>Falló el intento (%1); se volverá a intentar</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>Falló el intento (%1): %2; se volverá a intentar</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>Próximo: %1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>Iniciar ahora</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>Iniciando la franja…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>A la hora prevista (%1) la franja ya estaba en marcha: no se envió nada</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>Franja iniciada: %1</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>Hora</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>hasta</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>Pacewise envía a Claude Code un saludo de una palabra a la hora elegida, para que tu franja de 5 horas empiece —y se restablezca— temprano. Se omite si la franja ya está en marcha.</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>Idioma</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>Sistema (predeterminado)</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>Abrir al iniciar sesión</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>Pacewise tiene que estar en marcha para vigilar los restablecimientos nocturnos.</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>No se pudo cambiar el inicio automático.</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>Leer el uso antes de mi propia línea de estado</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Tu línea de estado de Claude Code se queda como está; Pacewise lee antes el uso de la misma entrada, para que Endrun decida con cifras al día.</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>Mostrar el porcentaje en la bandeja</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>Si está desactivado, solo se ve el icono, con el color de la franja más usada.</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>Límite de 5 horas al</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>Cuando se envía el saludo matutino, o falla</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>Cuando un límite está casi agotado</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Cuando Endrun pausa una sesión</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>Cuando se reanuda una sesión pausada, o no se puede</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>Notificaciones</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>Límite semanal al</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>Acerca de</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>General</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>Ajustes</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>Todo en orden.</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>no se puede ejecutar %1</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>instala Claude Code: npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>no está en el PATH ni donde lo colocan sus instaladores</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>reinstala Claude Code y prueba: claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>Cifras de uso</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>aún no hay ninguna registrada en %1</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1 contiene las cifras de otra cuenta</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1, en %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>inicia una sesión de Claude Code, cuya línea de estado las registra, o la app de la bandeja o el daemon (pacewisectl service install), que se las piden a claude</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>elimina el archivo; la próxima ejecución de la línea de estado o la próxima consulta lo volverá a crear</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1, en %2: demasiado antiguas para Endrun</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1 no contiene cifras utilizables</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Guardián Endrun</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>activado, pero sus scripts en %1 se han modificado</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>lee %1, pero Pacewise registra las cifras en %2</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>corrige o elimina %1</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>desactivado, así que nada pone en pausa Claude Code antes de un límite</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>activado, pone en pausa al %1</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>activado, pero sus scripts en %1 no son de este Pacewise</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>restaura los scripts de Pacewise: pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>sus scripts se han modificado</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>instálalo: sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>instalado</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>no instalado, así que Endrun y la línea de estado no hacen nada</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>Mantener despierto</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>ejecuta Pacewise en una sesión registrada en systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>mediante systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>no responden ni el portal del escritorio ni systemd-logind, así que Cafeína no puede mantener el equipo despierto</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>mediante el portal del escritorio</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>Notificaciones</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>inicia sesión en un entorno de escritorio o instala un servidor de notificaciones (por ejemplo, dunst)</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>no hay bus de sesión, así que los avisos de límite no se muestran</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>no hay servidor de notificaciones, así que los avisos de límite no se muestran</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>un servidor de notificaciones responde</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>Sesiones en pausa</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n espera, pero la reanudación automática está desactivada</numerusform>
        <numerusform>%n esperan, pero la reanudación automática está desactivada</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>activa la reanudación automática (pacewisectl auto-continue on) o reanuda cada una: pacewisectl resume now SESIÓN</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>ninguna espera</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>no se reanuda ninguna: otros podrían modificar la carpeta %1</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n espera a reanudarse tras el restablecimiento (pacewisectl resume list)</numerusform>
        <numerusform>%n esperan a reanudarse tras el restablecimiento (pacewisectl resume list)</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>Hay %n cosa que corregir.</numerusform>
        <numerusform>Hay %n cosas que corregir.</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>En ejecución</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>ni la app de la bandeja ni el daemon, así que nada consulta el uso ni reanuda sesiones</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>inicia la app de la bandeja (pacewise) o el daemon: pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>Sesión iniciada</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>instala claude primero</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>ejecuta: claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>no</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude no respondió</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>no se puede comprobar sin claude</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>«pacewisectl auth» indica el motivo</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>sí</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>Arranque al iniciar sesión</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>en un entorno de escritorio: pacewisectl autostart on; si no: pacewisectl service install</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>nada</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>el daemon, como pacewise.service</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>la app de la bandeja</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>Línea de estado</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>ninguna, así que nada registra las cifras</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>la de Pacewise registra las cifras</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>la tuya, con el registrador de Pacewise delante</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>pon el registrador delante: pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>la tuya no registra nada para Pacewise, así que Endrun solo ve las cifras de sus consultas</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Otro Pacewise consulta el uso, pero no se puede contactar con él por el bus de sesión, así que este no puede mostrarlo. Este tomará el relevo cuando aquel termine.</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Otro Pacewise (proceso %1) consulta el uso, pero no se puede contactar con él por el bus de sesión, así que este no puede mostrarlo. Este tomará el relevo cuando aquel termine.</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise está esperando</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1, hora</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1, minuto</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>Reanudaciones pendientes: %1</translation>
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
      <translation>5 horas</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · sin empezar</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>Consumiendo uso adicional hasta que se restablezca el límite</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · hasta %2</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>Semana</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>casi agotado</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>queda poco</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1, %2 usado, sin empezar</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1, %2 usado, restablecimiento: %3</translation>
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
