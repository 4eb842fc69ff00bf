<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>Вход не выполнен</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>Вход выполнен</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>Вход выполнен: %1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>Вход выполнен: %1 (%2)</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>Вход выполнен (%1)</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>нет системной шины, поэтому обратиться к systemd-logind невозможно</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>Кофеин</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>Не даёт компьютеру уснуть, пока крышка открыта. Закрытая крышка всё равно усыпляет его.</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>Приостанавливает работу перед лимитом и продолжает сессию после сброса.</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>Приостанавливает работу перед лимитом; после сброса продолжите сессию сами.</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Фоновые скрипты Pacewise отличаются от этой версии.</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>Так бывает после обновления или если файлы правили вручную. Обновить их до текущей версии?</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>Обновить скрипты</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>Обновить сейчас</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>Настройки…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>В этом темпе лимит наступит в %1</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1 ч</translation>
    </message>
    <message id="freshness.ageMinutes">
      <source>%1m</source>
      <translation>%1 мин</translation>
    </message>
    <message id="freshness.ageSeconds">
      <source>%1s</source>
      <translation>%1 с</translation>
    </message>
    <message id="freshness.stale">
      <source>stale</source>
      <translation>данные устарели</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>обновлено %1 назад</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>ожидание первого обновления…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>Не удалось установить %1 в %2 (%3)</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 — некорректный JSON (%2); исправьте файл и повторите попытку</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 постоянно менялся во время правки; повторите попытку</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>Другой экземпляр Pacewise правит %1; повторите попытку чуть позже</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>В %1 нет JSON-объекта; исправьте файл и повторите попытку</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 — не обычный файл; он оставлен как есть</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 доступен только для чтения; Pacewise оставляет его как есть (разрешите запись, чтобы Pacewise мог его изменить)</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>В этой сборке Pacewise нет вспомогательного скрипта %1</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 больше 16 МиБ; файл оставлен без изменений</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>Не удаётся прочитать %1 (%2); проверьте владельца и права доступа</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>Не удалось записать %1 (%2)</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>«%1» в %2 имеет не тот тип, который ожидает Claude Code; файл оставлен без изменений</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>Сервер не передал данные об использовании</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>Нет сети, повторяем…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>Войти…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>Нужно войти в аккаунт</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>Неожиданный ответ, повторяем…</translation>
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
      <translation>Открыть Pacewise</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>«%1»: %2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>«%1» продолжится сама после сброса в %2.</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>«%1» продолжится сама после сброса: %2, %3.</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code ожидает у лимита</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>«%1» открыта в Claude Code, но простаивает; продолжите её там.</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>Сессия не продолжилась после сброса</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>Утренний запуск не удался</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>Пятичасовой период начался.</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>Утреннее приветствие отправлено</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>Сброс в %1.</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>Сброс: %1, %2.</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>Использовано %1 пятичасового лимита</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>Использовано %1 недельного лимита</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>«%1» продолжится после сброса в %2.</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>«%1» продолжится после сброса: %2, %3.</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>«%1» ждёт сброса в %2.</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>«%1» ждёт сброса: %2, %3.</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code приостановлен у лимита</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>«%1» требует вашего внимания: %2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>«%1»: %2. Pacewise попробует ещё раз позже.</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>Не удалось продолжить сессию</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>Сессия продолжена</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>Автопродолжение</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>Продолжает сессии, приостановленные Endrun, после сброса лимита — даже ночью.</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>Назад</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>Кофеин не даёт этому компьютеру уснуть, пока крышка открыта.</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>Проверить снова</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>Claude Code на этом компьютере</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>Войдите из терминала, затем проверьте снова:</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>Команда claude не найдена. Установите Claude Code (npm install -g @anthropic-ai/claude-code) и проверьте снова.</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>Код из браузера</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>Далее</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>Команда claude из Claude Code найдена. Теперь войдите в аккаунт.</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>Найден CLI из приложения Claude Desktop — предлагаем Desktop.</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>Ищем команду claude…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>Включить</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>Включить: %1</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>Выключено</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>Включено</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>Пусть сессии не прерываются</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>Готово</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI (терминал)</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>Приложение Claude Desktop</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun приостанавливает новую работу до того, как лимит будет исчерпан.</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>Как вы работаете с Claude Code?</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>Утренний запуск</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>Каждое утро пораньше запускает пятичасовой период, чтобы он и сбросился пораньше.</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>Это можно изменить позже в Настройках → Основные.</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>Выберите язык</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>Вход завершился с кодом %1. Попробуйте ещё раз.</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>Не удалось запустить команду claude. Проверьте шаг 2 и попробуйте снова.</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>Время на вход истекло через 3 минуты. Закройте оставшуюся вкладку браузера и попробуйте снова.</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>Войти через браузер</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>Если браузер не открылся, откройте эту ссылку на любом устройстве:</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>Ждём завершения входа в браузере (до 3 минут)…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>Вход завершён, но аккаунт по-прежнему не авторизован. Попробуйте ещё раз.</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>Отправить</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Вход в Claude</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Добро пожаловать в Pacewise</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>Выйти</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>Всё равно продолжить</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>Всё равно продолжить «%1»</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>Её папки больше нет</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>Убрать</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>Убрать «%1»</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>Продолжить сейчас</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>Продолжить «%1» сейчас</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>Ожидает до %1, затем продолжится сама</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>Не продолжилась в Claude Code после сброса; продолжите её там</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>Нужно ваше участие: %1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>«%1» уже продолжена.</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>«Всё равно продолжить» продолжит сессию сейчас, но Claude Code, скорее всего, снова остановится на лимите.</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>«%1» продолжена.</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>«%1» убрана.</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>Пятичасовой лимит использован на %1 до %2.</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>Недельный лимит использован на %1 до %2.</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>«%1» больше не удерживается.</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>«%1» продолжается сейчас и не будет снова удерживаться до сброса лимита.</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>Остановлено; сессию можно продолжить позже.</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>Продолжить сейчас</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>Продолжить «%1» сейчас</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>Открыта в Claude Code, который её продолжит</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>Ожидают продолжения</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>Квота всё ещё занята</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>Не удалось подтвердить свободную квоту</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>Готово к продолжению</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>вызов инструмента не был разрешён</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude завершился с кодом %1</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude завершился с кодом %1: %2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>claude не найден</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>не удалось запустить claude: %1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code сообщил об ошибке</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code сообщил об ошибке: %1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>продолжена одной из прежних попыток</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>продолжена другим экземпляром Pacewise</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>продолжена в Claude Code</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>её папки %1 больше нет</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>прежний запуск завершился, не сообщив как</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>не продолжилась после сброса; продолжите её там</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude завершился, не сообщив как (код выхода %1)</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>остановлена до завершения</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>в папку остановленных сессий, %1, нельзя записать: %2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>её тикет не удалось удалить: %1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude не завершился за %n минуту</numerusform>
        <numerusform>claude не завершился за %n минуты</numerusform>
        <numerusform>claude не завершился за %n минут</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1 не был разрешён</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1 не были разрешены</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>Сброс %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>Продолжаем…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>Попытка в %1 не удалась: %2; следующая в %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>Проверить обновления…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>Проверить настройку</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Не связано с Anthropic.</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>Обновить до %1</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>Проверить снова</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>Проверяем обновления…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>Не удалось проверить обновления</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>Обновления приходят через ваш менеджер пакетов.</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>У вас последняя версия</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>Версия %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>Продолжать приостановленные сессии после сброса</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>Как только лимит, на котором сессия была приостановлена, сбросится — пятичасовой или недельный, — Pacewise продолжит её в фоне.</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>Для этого включите Endrun — именно он запоминает сессии, которые нужно продолжить.</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>Проверка раз в день. Больше никаких данных не отправляется.</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>Автоматически проверять обновления</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>jq не установлен, поэтому Endrun ничего не может сделать. Установите пакет jq.</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun вмешивается при</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>Endrun задерживает или приостанавливает Claude Code, как только лимит использования достигает этой доли.</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>Запускать период лимита каждое утро</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>Начинать новый период после каждого сброса</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>Повторяет приветствие при каждом сбросе пятичасового периода, так что до следующего сброса всегда меньше пяти часов. Останавливается в конечное время; поставьте его равным времени начала, чтобы работать круглосуточно.</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>Claude Code не найден; попробуем ещё раз</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>Попытка в %1 не удалась; попробуем ещё раз</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>Попытка в %1 не удалась: %2; попробуем ещё раз</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>Следующий: %1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>Запустить сейчас</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>Запускаем период…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>В %1 период уже шёл — ничего не отправлено</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>Период запущен в %1</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>Время</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>до</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>В выбранное время Pacewise отправляет Claude Code короткое приветствие, чтобы пятичасовой период начался — и сбросился — пораньше. Пропускается, если период уже идёт.</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>Язык</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>Системный (по умолчанию)</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>Запускать при входе в систему</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>Pacewise должен работать, чтобы следить за ночными сбросами.</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>Не удалось изменить запуск при входе в систему.</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>Считывать использование перед моей строкой состояния</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Ваша строка состояния Claude Code остаётся как есть; Pacewise сначала считывает использование из тех же входных данных, чтобы Endrun решал по свежим цифрам.</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>Показывать процент в трее</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>Если выключено, виден только значок в цвете самого заполненного периода.</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>Пятичасовой лимит на</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>Когда утреннее приветствие отправлено или не удалось</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>Когда лимит почти исчерпан</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Когда Endrun приостанавливает сессию</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>Когда приостановленная сессия продолжена или её не удалось продолжить</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>Уведомления</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>Недельный лимит на</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>О программе</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>Основные</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>Настройки</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>Всё в порядке.</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>%1 не запускается</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>установите Claude Code: npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>не найден ни в PATH, ни там, куда его ставят установщики</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>переустановите Claude Code, затем проверьте: claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>Данные об использовании</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>в %1 пока ничего не записано</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>в %1 данные другого аккаунта</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1, в %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>запустите сессию Claude Code, строка состояния которой их записывает, или приложение в трее либо демон (pacewisectl service install), которые запрашивают их у claude</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>удалите файл; при следующем запуске строки состояния или следующем опросе он будет записан заново</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1, в %2: слишком старые для Endrun</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>в %1 нет пригодных данных</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Endrun</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>включён, но его скрипты в %1 изменены</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>читает %1, а Pacewise записывает данные в %2</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>исправьте или удалите %1</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>выключен, поэтому ничто не приостанавливает Claude Code перед лимитом</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>включён, приостанавливает при %1</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>включён, но его скрипты в %1 не от этой версии Pacewise</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>верните скрипты Pacewise: pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>его скрипты изменены</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>установите его: sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>установлен</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>не установлен, поэтому Endrun и строка состояния ничего не делают</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>Запрет сна</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>запустите Pacewise в сеансе, зарегистрированном в systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>через systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>не отвечают ни портал рабочего стола, ни systemd-logind, поэтому Кофеин не может помешать компьютеру уснуть</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>через портал рабочего стола</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>Уведомления</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>войдите в графический сеанс или установите сервер уведомлений (например, dunst)</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>нет сеансовой шины, поэтому предупреждения о лимитах не показываются</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>нет сервера уведомлений, поэтому предупреждения о лимитах не показываются</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>сервер уведомлений отвечает</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>Приостановленные сессии</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n ждёт, но автопродолжение выключено</numerusform>
        <numerusform>%n ждут, но автопродолжение выключено</numerusform>
        <numerusform>%n ждут, но автопродолжение выключено</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>включите автопродолжение (pacewisectl auto-continue on) или продолжите каждую вручную: pacewisectl resume now СЕССИЯ</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>ни одна не ждёт</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>ни одна не будет продолжена: другие пользователи могут изменить папку %1</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n ждёт продолжения после сброса (pacewisectl resume list)</numerusform>
        <numerusform>%n ждут продолжения после сброса (pacewisectl resume list)</numerusform>
        <numerusform>%n ждут продолжения после сброса (pacewisectl resume list)</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>Нужно исправить %n пункт.</numerusform>
        <numerusform>Нужно исправить %n пункта.</numerusform>
        <numerusform>Нужно исправить %n пунктов.</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>Работает</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>ни приложение в трее, ни демон, поэтому некому опрашивать лимиты и продолжать сессии</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>запустите приложение в трее (pacewise) или демон: pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>Вход в аккаунт</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>сначала установите claude</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>выполните: claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>нет</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude не ответил</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>без claude не проверить</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>причину покажет «pacewisectl auth»</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>да</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>Запуск при входе</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>в графическом сеансе: pacewisectl autostart on; в остальных случаях: pacewisectl service install</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>ничего</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>демон (pacewise.service)</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>приложение в трее</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>Строка состояния</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>нет, поэтому данные никто не записывает</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>строка Pacewise записывает данные</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>ваша, с регистратором Pacewise перед ней</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>поставьте регистратор перед ней: pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>ваша ничего не записывает для Pacewise, поэтому Endrun видит только данные своих опросов</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Другой экземпляр Pacewise проверяет использование, но недоступен через сеансовую шину, поэтому этот не может его показать. Этот продолжит работу, как только тот завершится.</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>Другой экземпляр Pacewise (процесс %1) проверяет использование, но недоступен через сеансовую шину, поэтому этот не может его показать. Этот продолжит работу, как только тот завершится.</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise ожидает</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1, часы</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1, минуты</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>Ожидают продолжения: %1</translation>
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
      <translation>5 часов</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · не начат</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>До сброса лимита используется дополнительный объём</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · до %2</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>Неделя</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>почти исчерпан</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>заканчивается</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1, использовано %2, не начат</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1, использовано %2, сброс в %3</translation>
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
