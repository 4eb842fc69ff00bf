<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>Login não efetuado</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>Login efetuado</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>Login efetuado: %1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>Login efetuado: %1 (%2)</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>Login efetuado (%1)</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>não há barramento do sistema, portanto não há systemd-logind a consultar</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>Cafeína</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>Mantém o computador acordado enquanto a tampa estiver aberta. Com a tampa fechada, ele dorme mesmo assim.</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>Pausa antes de você atingir o limite e retoma a sessão depois da renovação.</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>Pausa antes de você atingir o limite; depois da renovação, você mesmo retoma a sessão.</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Os scripts em segundo plano do Pacewise são diferentes desta versão.</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>Isso pode acontecer após uma atualização ou se os arquivos foram editados. Atualizá-los para a versão atual?</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>Atualizar scripts</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>Atualizar agora</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>Configurações…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>Neste ritmo: limite às %1</translation>
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
      <translation>desatualizado</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>atualizado há %1</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>aguardando a primeira atualização…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>Não foi possível instalar %1 em %2 (%3)</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 não é um JSON válido (%2); corrija e tente de novo</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 mudou várias vezes durante a edição; tente de novo</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>Outro Pacewise está editando %1; tente de novo em instantes</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1 não contém um objeto JSON; corrija e tente de novo</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 não é um arquivo comum; ele foi deixado como está</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 é somente leitura; o Pacewise o deixa como está (torne-o gravável para que o Pacewise possa alterá-lo)</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>O script auxiliar %1 está faltando nesta compilação do Pacewise</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 tem mais de 16 MiB; ficou como estava</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>Não é possível ler %1 (%2); verifique o dono e as permissões</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>Não foi possível gravar %1 (%2)</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>“%1” em %2 não é do tipo que o Claude Code espera; ficou como estava</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>O servidor reteve os dados de uso</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>Sem conexão, tentando de novo…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>Fazer login…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>É preciso fazer login</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>Resposta inesperada, tentando de novo…</translation>
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
      <translation>Abrir o Pacewise</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>“%1”: %2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>“%1” será retomada sozinha após a renovação das %2.</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>“%1” será retomada sozinha após a renovação de %2 às %3.</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>O Claude Code está em espera no limite de uso</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>“%1” está aberta no Claude Code, mas parada; retome-a lá.</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>Uma sessão não foi retomada após a renovação</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>O início matinal falhou</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>O período de 5 horas começou.</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>Bom dia enviado</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>A renovação é às %1.</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>A renovação é %1 às %2.</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>Você usou %1 do limite de 5 horas</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>Você usou %1 do limite semanal</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>“%1” será retomada após a renovação das %2.</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>“%1” será retomada após a renovação de %2 às %3.</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>“%1” aguarda a renovação das %2.</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>“%1” aguarda a renovação de %2 às %3.</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code pausado no limite de uso</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>“%1” precisa de você: %2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>“%1”: %2. O Pacewise tentará de novo mais tarde.</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>Não foi possível retomar a sessão</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>Sessão retomada</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>Retomada automática</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>Retoma as sessões que o Endrun pausou assim que o limite renova, mesmo de madrugada.</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>Voltar</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>A Cafeína mantém este computador acordado enquanto a tampa estiver aberta.</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>Verificar de novo</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>Claude Code neste computador</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>Faça login pelo terminal e depois verifique de novo:</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>O comando claude não foi encontrado. Instale o Claude Code (npm install -g @anthropic-ai/claude-code) e verifique de novo.</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>Código do navegador</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>Continuar</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>O comando claude do Claude Code foi encontrado. Agora, faça login.</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>CLI incluída no Claude Desktop encontrada — Desktop sugerido.</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>Procurando o comando claude…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>Ativar</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>Ativar %1</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>Desativado</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>Ativado</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>Mantenha suas sessões rodando</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>Concluir</translation>
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
      <translation>O Endrun pausa trabalhos novos antes que um limite de uso se esgote.</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>Como você usa o Claude Code?</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>Início matinal</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>Inicia o período de 5 horas cedo toda manhã, para que ele também renove cedo.</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>Você pode mudar isso depois em Configurações → Geral.</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>Escolha seu idioma</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>O login terminou com o código %1. Tente de novo.</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>Não foi possível iniciar o comando claude. Confira a etapa 2 e tente de novo.</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>O login expirou após 3 minutos. Feche as abas do navegador que sobraram e tente de novo.</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>Fazer login pelo navegador</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>Se nenhum navegador abriu, abra este link em qualquer dispositivo:</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>Aguardando o login no navegador terminar (até 3 minutos)…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>O login terminou, mas a conta ainda aparece sem login. Tente de novo.</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>Enviar</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Faça login no Claude</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Boas-vindas ao Pacewise</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>Sair</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>Retomar mesmo assim</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>Retomar “%1” mesmo assim</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>A pasta dela não existe mais</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>Descartar</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>Descartar “%1”</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>Seguir agora</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>Deixar “%1” seguir agora</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>Em espera até %1; depois é retomada sozinha</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>Parada no Claude Code desde antes da renovação; retome-a lá</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>Precisa de você: %1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>“%1” já tinha sido retomada.</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>“Retomar mesmo assim” retoma a sessão agora; o Claude Code provavelmente vai parar de novo no limite.</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>“%1” foi retomada.</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>“%1” descartada.</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>O limite de 5 horas está em %1 até %2.</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>O limite semanal está em %1 até %2.</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>“%1” não está mais retida.</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>“%1” segue agora e não será retida de novo antes da renovação do limite.</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>Interrompida; a sessão fica pendente para ser retomada depois.</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>Retomar agora</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>Retomar “%1” agora</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>Aberta no Claude Code, que a retoma</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>Retomadas pendentes</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>A cota ainda está ocupada</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>Não foi possível confirmar a cota disponível</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>Pronta</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>uma chamada de ferramenta não foi permitida</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>o claude terminou com o status %1</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>o claude terminou com o status %1: %2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>o claude não foi encontrado</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>não foi possível iniciar o claude: %1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>O Claude Code informou um erro</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>O Claude Code informou um erro: %1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>retomada por uma tentativa anterior</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>retomada por outro Pacewise</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>retomada no Claude Code</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>a pasta dela, %1, não existe mais</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>a execução anterior terminou sem dizer como</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>parada desde antes da renovação; retome-a lá</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>o claude terminou sem dizer como (status de saída %1)</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>interrompida antes de terminar</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>não é possível gravar na pasta das sessões interrompidas, %1: %2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>o ticket dela não pôde ser excluído: %1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>o claude não terminou em %n minuto</numerusform>
        <numerusform>o claude não terminou em %n minutos</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1 não foi permitido</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1 não foram permitidos</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>Renova %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>Retomando…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>Última tentativa às %1 falhou: %2; próxima tentativa às %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>Procurar atualizações…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>Verificar a configuração</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Sem vínculo com a Anthropic.</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>Atualizar para %1</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>Verificar de novo</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>Procurando atualizações…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>Não foi possível procurar atualizações</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>As atualizações vêm pelo seu gerenciador de pacotes.</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>Você está na versão mais recente</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>Versão %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>Retomar sessões pausadas após a renovação</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>Assim que o limite que pausou uma sessão for renovado, o de 5 horas ou o semanal, o Pacewise retoma a sessão em segundo plano.</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>Ative o Endrun para isso — é ele que registra as sessões a retomar.</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>Procura uma vez por dia. Nenhum outro dado é enviado.</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>Procurar atualizações automaticamente</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>O jq não está instalado, então o Endrun não consegue fazer nada. Instale o pacote jq.</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>O Endrun entra em ação em</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>O Endrun segura ou pausa o Claude Code assim que um limite de uso chega a esta porcentagem.</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>Iniciar o período do limite toda manhã</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>Manter o período rodando após cada renovação</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>Repete a saudação a cada renovação do período de 5 horas, para que a próxima renovação esteja sempre a menos de cinco horas. Para no horário final; use o mesmo horário do início para rodar 24 horas por dia.</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>O Claude Code não foi encontrado; nova tentativa em breve</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>A tentativa das %1 falhou; nova tentativa em breve</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>A tentativa das %1 falhou: %2; nova tentativa em breve</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>Próximo: %1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>Iniciar agora</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>Iniciando o período…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>Às %1 o período já estava rodando — nada foi enviado</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>Período iniciado às %1</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>Horário</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>até</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>O Pacewise envia ao Claude Code uma saudação de uma palavra no horário escolhido, para que seu período de 5 horas comece — e renove — cedo. Ignorado quando o período já está rodando.</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>Idioma</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>Sistema (padrão)</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>O Pacewise precisa estar rodando para acompanhar as renovações da madrugada.</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>Não foi possível alterar a abertura ao iniciar a sessão.</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>Ler o uso antes da minha própria linha de status</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Sua linha de status do Claude Code continua como está; o Pacewise lê antes o uso da mesma entrada, para que o Endrun decida com números atuais.</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>Mostrar a porcentagem na bandeja</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>Desativado, mostra só o ícone, na cor do período mais usado.</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>Limite de 5 horas em</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>Quando o bom-dia for enviado, ou falhar</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>Quando um limite estiver quase esgotado</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Quando o Endrun pausar uma sessão</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>Quando uma sessão pausada for retomada, ou não puder ser</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>Notificações</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>Limite semanal em</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>Sobre</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>Geral</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>Configurações</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>Está tudo certo.</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>não foi possível executar %1</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>instale o Claude Code: npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>não encontrado no PATH nem nos locais onde os instaladores o colocam</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>reinstale o Claude Code e tente: claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>Números de uso</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>nenhum registrado ainda em %1</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1 contém os números de outra conta</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1, em %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>inicie uma sessão do Claude Code, cuja linha de status os registra, ou o app da bandeja ou o daemon (pacewisectl service install), que os pedem ao claude</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>exclua o arquivo; a próxima execução da linha de status ou a próxima consulta vai gravá-lo de novo</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1, em %2: antigos demais para o Endrun</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1 não contém números utilizáveis</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Guarda Endrun</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>ativado, mas seus scripts em %1 foram editados</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>lê %1, mas o Pacewise registra os números em %2</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>corrija ou exclua %1</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>desativado, então nada pausa o Claude Code antes de um limite</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>ativado, pausa em %1</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>ativado, mas seus scripts em %1 não são deste Pacewise</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>restaure os scripts do Pacewise: pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>seus scripts foram editados</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>instale-o: sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>instalado</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>não instalado, então o Endrun e a linha de status não fazem nada</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>Manter acordado</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>execute o Pacewise em uma sessão de login do systemd</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>pelo systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>nem o portal da área de trabalho nem o systemd-logind respondem, então a Cafeína não consegue manter o computador acordado</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>pelo portal da área de trabalho</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>Notificações</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>faça login em uma área de trabalho ou instale um servidor de notificações (como o dunst)</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>sem barramento de sessão, então os avisos de limite não aparecem</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>sem servidor de notificações, então os avisos de limite não aparecem</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>um servidor de notificações responde</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>Sessões pausadas</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n aguarda, mas a retomada automática está desativada</numerusform>
        <numerusform>%n aguardam, mas a retomada automática está desativada</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>ative a retomada automática (pacewisectl auto-continue on) ou retome cada uma: pacewisectl resume now SESSÃO</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>nenhuma aguarda</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>nenhuma é retomada: outros poderiam alterar a pasta %1</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n aguarda ser retomada após a renovação (pacewisectl resume list)</numerusform>
        <numerusform>%n aguardam ser retomadas após a renovação (pacewisectl resume list)</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>%n item precisa de correção.</numerusform>
        <numerusform>%n itens precisam de correção.</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>Em execução</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>nem o app da bandeja nem o daemon, então nada consulta o uso nem retoma sessões</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>inicie o app da bandeja (pacewise) ou o daemon: pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>Login efetuado</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>instale o claude primeiro</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>execute: claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>não</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>o claude não respondeu</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>não é possível verificar sem o claude</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>“pacewisectl auth” diz o motivo</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>sim</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>Abre ao iniciar a sessão</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>em uma área de trabalho: pacewisectl autostart on; caso contrário: pacewisectl service install</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>nada</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>o daemon, como pacewise.service</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>o app da bandeja</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>Linha de status</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>nenhuma, então nada registra os números</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>a do Pacewise registra os números</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>a sua, com o gravador do Pacewise na frente</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>coloque o gravador na frente: pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>a sua não registra nada para o Pacewise, então o Endrun só vê os números das próprias consultas</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Outro Pacewise verifica o uso, mas não pode ser contatado pelo barramento de sessão, então este não consegue mostrá-lo. Este assume assim que aquele terminar.</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Outro Pacewise (processo %1) verifica o uso, mas não pode ser contatado pelo barramento de sessão, então este não consegue mostrá-lo. Este assume assim que aquele terminar.</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>O Pacewise está aguardando</translation>
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
      <translation>Retomadas pendentes: %1</translation>
    </message>
    <message id="tray.placeholder">
      <source>—%</source>
      <translation>—%</translation>
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
      <translation>%1 · não iniciado</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>Consumindo uso extra até a renovação do limite</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · até %2</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>Semana</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>quase esgotado</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>acabando</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1, %2 usado, não iniciado</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1, %2 usado, renova %3</translation>
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
