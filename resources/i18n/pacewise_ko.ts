<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>로그인하지 않음</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>로그인됨</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>로그인됨: %1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>로그인됨: %1 (%2)</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>로그인됨 (%1)</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>시스템 버스가 없어 systemd-logind에 요청할 수 없습니다</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>카페인</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>덮개가 열려 있는 동안 컴퓨터가 잠들지 않게 합니다. 덮개를 닫으면 잠자기 상태가 됩니다.</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>한도에 닿기 전에 일시 중지하고, 초기화 후 자동으로 재개합니다.</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>한도에 닿기 전에 일시 중지합니다. 초기화 후 세션은 직접 재개하세요.</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Pacewise의 백그라운드 스크립트가 이 버전과 다릅니다.</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>업데이트 후나 파일을 수정한 경우에 생길 수 있습니다. 현재 버전으로 업데이트할까요?</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>스크립트 업데이트</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>지금 새로 고침</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>설정…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>이 속도라면 %1에 한도 도달</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1시간</translation>
    </message>
    <message id="freshness.ageMinutes">
      <source>%1m</source>
      <translation>%1분</translation>
    </message>
    <message id="freshness.ageSeconds">
      <source>%1s</source>
      <translation>%1초</translation>
    </message>
    <message id="freshness.stale">
      <source>stale</source>
      <translation>오래된 데이터</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>%1 전에 업데이트됨</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>첫 업데이트를 기다리는 중…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>%1을(를) %2에 설치할 수 없습니다(%3)</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1은(는) 올바른 JSON이 아닙니다(%2). 고친 뒤 다시 시도하세요</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1이(가) 편집하는 동안 계속 바뀌었습니다. 다시 시도하세요</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>다른 Pacewise가 %1을(를) 편집하고 있습니다. 잠시 후 다시 시도하세요</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1에 JSON 객체가 없습니다. 고친 뒤 다시 시도하세요</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1은(는) 일반 파일이 아닙니다. 그대로 두었습니다</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1은(는) 읽기 전용이라 Pacewise가 그대로 둡니다(Pacewise가 바꿀 수 있게 하려면 쓰기 가능하게 하세요)</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>이 Pacewise 빌드에 보조 스크립트 %1이(가) 없습니다</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1이(가) 16MiB보다 커서 그대로 두었습니다</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>%1을(를) 읽을 수 없습니다(%2). 소유자와 권한을 확인하세요</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>%1을(를) 쓸 수 없습니다(%2)</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>%2의 “%1”이(가) Claude Code가 기대하는 형식이 아니어서 그대로 두었습니다</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>서버가 사용량 데이터를 보내지 않았습니다</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>오프라인 상태, 다시 시도하는 중…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>로그인…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>로그인이 필요합니다</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>예상치 못한 응답, 다시 시도하는 중…</translation>
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
      <translation>Pacewise 열기</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>“%1”: %2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>“%1”은(는) %2 초기화 후 저절로 재개됩니다.</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>“%1”은(는) %2 %3 초기화 후 저절로 재개됩니다.</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code가 사용 한도에서 보류 중입니다</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>“%1”이(가) Claude Code에 열려 있지만 대기 중입니다. 거기서 재개하세요.</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>초기화 후 세션이 재개되지 않았습니다</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>아침 시작에 실패했습니다</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>5시간 구간이 시작되었습니다.</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>아침 인사를 보냈습니다</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>%1에 초기화됩니다.</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>%1 %2에 초기화됩니다.</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>5시간 한도의 %1 사용</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>주간 한도의 %1 사용</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>“%1”은(는) %2 초기화 후에 재개됩니다.</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>“%1”은(는) %2 %3 초기화 후에 재개됩니다.</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>“%1”은(는) %2 초기화를 기다립니다.</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>“%1”은(는) %2 %3 초기화를 기다립니다.</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code가 사용 한도에서 일시 중지되었습니다</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>“%1”에 확인이 필요합니다: %2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>“%1”: %2. Pacewise가 나중에 다시 시도합니다.</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>세션을 재개할 수 없습니다</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>세션을 재개했습니다</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>자동 재개</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>한도가 초기화되면 Endrun이 일시 중지한 세션을 밤에도 재개합니다.</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>뒤로</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>카페인은 덮개가 열려 있는 동안 이 컴퓨터가 잠들지 않게 합니다.</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>다시 확인</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>이 컴퓨터의 Claude Code</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>터미널에서 로그인한 다음 다시 확인하세요:</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>claude 명령을 찾을 수 없습니다. Claude Code를 설치(npm install -g @anthropic-ai/claude-code)한 다음 다시 확인하세요.</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>브라우저에 표시된 코드</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>계속</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>Claude Code의 claude 명령을 찾았습니다. 이제 로그인하세요.</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>Claude Desktop에 포함된 CLI를 찾았습니다 — Desktop을 권장합니다.</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>claude 명령을 찾는 중…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>켜기</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>%1 켜기</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>꺼짐</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>켜짐</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>세션을 멈추지 않고 계속 실행하기</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>완료</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI(터미널)</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>Claude Desktop 앱</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun은 사용 한도가 소진되기 전에 새 작업을 일시 중지합니다.</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>Claude Code를 어떻게 사용하나요?</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>아침 시작</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>매일 아침 5시간 구간을 일찍 시작해 초기화도 일찍 되게 합니다.</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>나중에 설정 → 일반에서 바꿀 수 있습니다.</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>언어 선택</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>로그인이 코드 %1(으)로 종료되었습니다. 다시 시도하세요.</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>claude 명령을 실행할 수 없습니다. 2단계를 확인하고 다시 시도하세요.</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>3분이 지나 로그인 시간이 초과되었습니다. 남아 있는 브라우저 탭을 닫고 다시 시도하세요.</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>브라우저로 로그인</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>브라우저가 열리지 않았다면 아무 기기에서나 이 링크를 여세요:</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>브라우저 로그인이 끝나기를 기다리는 중(최대 3분)…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>로그인은 끝났지만 계정이 여전히 로그아웃 상태로 보입니다. 다시 시도하세요.</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>보내기</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Claude에 로그인</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Pacewise에 오신 것을 환영합니다</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>종료</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>그래도 재개</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>“%1” 그래도 재개</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>폴더가 더 이상 없습니다</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>무시</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>“%1” 무시</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>지금 계속</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>“%1” 지금 계속</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>%1까지 보류 중, 이후 저절로 재개됩니다</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>초기화 전부터 Claude Code에서 대기 중입니다. 거기서 재개하세요</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>확인 필요: %1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>“%1”은(는) 이미 재개되었습니다.</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>“그래도 재개”를 누르면 지금 재개하지만, Claude Code는 한도에서 곧 다시 멈출 가능성이 큽니다.</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>“%1”을(를) 재개했습니다.</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>“%1”을(를) 무시했습니다.</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>5시간 한도는 %2까지 %1입니다.</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>주간 한도는 %2까지 %1입니다.</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>“%1”은(는) 더 이상 보류되지 않습니다.</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>“%1”은(는) 지금 진행되며, 한도가 초기화될 때까지 다시 보류되지 않습니다.</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>중단했습니다. 세션은 나중에 재개할 수 있습니다.</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>지금 재개</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>“%1” 지금 재개</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>Claude Code에서 열려 있어 거기서 재개됩니다</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>재개 대기 중</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>할당량이 아직 사용 중입니다</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>사용 가능한 할당량을 확인할 수 없습니다</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>준비됨</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>도구 호출이 허용되지 않았습니다</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude가 상태 %1(으)로 종료되었습니다</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude가 상태 %1(으)로 종료되었습니다: %2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>claude를 찾을 수 없습니다</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>claude를 시작할 수 없습니다: %1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code가 오류를 보고했습니다</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code가 오류를 보고했습니다: %1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>이전 시도에서 재개되었습니다</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>다른 Pacewise가 재개했습니다</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>Claude Code에서 재개되었습니다</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>폴더 %1이(가) 더 이상 없습니다</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>이전 실행이 결과를 남기지 않고 끝났습니다</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>초기화 전부터 대기 중입니다. 거기서 재개하세요</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude가 결과를 남기지 않고 끝났습니다(종료 상태 %1)</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>끝나기 전에 중지되었습니다</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>중지된 세션 폴더 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>티켓을 삭제할 수 없습니다: %1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude가 %n분 안에 끝나지 않았습니다</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1이(가) 허용되지 않았습니다</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1이(가) 허용되지 않았습니다</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>초기화 %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>재개하는 중…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>%1 시도 실패: %2. 다음 시도 %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>업데이트 확인…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>환경 점검</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Anthropic과 관련이 없습니다.</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>%1(으)로 업데이트</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>다시 확인</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>업데이트를 확인하는 중…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>업데이트를 확인할 수 없습니다</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>업데이트는 패키지 관리자를 통해 제공됩니다.</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>최신 버전입니다</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>버전 %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>일시 중지된 세션을 초기화 후 재개</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>세션을 일시 중지시킨 한도(5시간 또는 주간)가 초기화되면 Pacewise가 백그라운드에서 세션을 재개합니다.</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>이 기능을 쓰려면 Endrun을 켜세요. 재개할 세션을 기록하는 것이 Endrun입니다.</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>하루에 한 번 확인합니다. 다른 데이터는 보내지 않습니다.</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>업데이트 자동 확인</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>jq가 설치되어 있지 않아 Endrun이 아무것도 할 수 없습니다. jq 패키지를 설치하세요.</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun 작동 기준</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>사용 한도가 이 비율에 도달하면 Endrun이 Claude Code를 대기시키거나 일시 중지합니다.</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>매일 아침 한도 구간 시작</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>초기화될 때마다 구간을 이어 가기</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>5시간 구간이 초기화될 때마다 인사를 다시 보내므로 다음 초기화까지 항상 5시간이 채 남지 않습니다. 종료 시각에 멈추며, 시작 시각과 같게 설정하면 하루 종일 실행됩니다.</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>Claude Code를 찾을 수 없습니다. 다시 시도합니다</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>%1 시도가 실패했습니다. 다시 시도합니다</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>%1 시도가 실패했습니다(%2). 다시 시도합니다</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>다음: %1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>지금 시작</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>구간을 시작하는 중…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>%1에 구간이 이미 진행 중이어서 보내지 않았습니다</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>%1에 구간 시작됨</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>시각</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>종료</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>선택한 시각에 Pacewise가 Claude Code에 짧은 인사를 보내 5시간 구간이 일찍 시작되고 일찍 초기화되게 합니다. 구간이 이미 진행 중이면 건너뜁니다.</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>언어</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>시스템(기본값)</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>로그인 시 실행</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>밤사이 초기화를 지켜보려면 Pacewise가 실행 중이어야 합니다.</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>로그인 시 실행 설정을 바꿀 수 없습니다.</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>내 상태 줄보다 먼저 사용량 읽기</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Claude Code 상태 줄은 그대로 둡니다. Pacewise가 같은 입력에서 사용량을 먼저 읽으므로 Endrun이 최신 수치로 판단합니다.</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>트레이에 퍼센트 표시</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>끄면 가장 많이 사용한 구간의 색으로 아이콘만 표시합니다.</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>5시간 한도 기준</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>아침 인사를 보냈거나 보내지 못했을 때</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>한도를 거의 다 썼을 때</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Endrun이 세션을 일시 중지했을 때</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>일시 중지된 세션을 재개했거나 재개하지 못했을 때</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>알림</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>주간 한도 기준</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>정보</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>일반</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>설정</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>모두 정상입니다.</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>%1이(가) 실행되지 않습니다</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>Claude Code를 설치하세요: npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>PATH에도, 설치 프로그램이 두는 위치에도 없습니다</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>Claude Code를 다시 설치한 다음 실행해 보세요: claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>사용량 수치</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>%1에 아직 기록된 것이 없습니다</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1에 다른 계정의 수치가 있습니다</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1, %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>상태 줄이 수치를 기록하는 Claude Code 세션을 시작하거나, claude에 수치를 묻는 트레이 앱 또는 데몬(pacewisectl service install)을 시작하세요</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>파일을 삭제하세요. 다음 상태 줄 실행이나 조회 때 다시 기록됩니다</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1, %2: Endrun에 쓰기에는 너무 오래되었습니다</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1에 쓸 수 있는 수치가 없습니다</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Endrun 가드</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>켜져 있지만 %1의 스크립트가 수정되었습니다</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>%1을(를) 읽지만 Pacewise는 %2에 수치를 기록합니다</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>%1을(를) 고치거나 삭제하세요</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>꺼져 있어 한도에 닿기 전에 Claude Code를 일시 중지하지 않습니다</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>켜짐, %1에서 일시 중지</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>켜져 있지만 %1의 스크립트가 이 Pacewise의 것이 아닙니다</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>Pacewise의 스크립트로 되돌리세요: pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>스크립트가 수정되었습니다</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>설치하세요: sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>설치됨</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>설치되지 않아 Endrun과 상태 줄이 아무것도 하지 않습니다</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>절전 방지</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>systemd 로그인 세션에서 Pacewise를 실행하세요</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>systemd-logind를 통해</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>데스크톱 포털도 systemd-logind도 응답하지 않아 카페인이 컴퓨터를 깨어 있게 할 수 없습니다</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>데스크톱 포털을 통해</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>알림</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>데스크톱에 로그인하거나 알림 서버(예: dunst)를 설치하세요</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>세션 버스가 없어 한도 경고가 표시되지 않습니다</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>알림 서버가 없어 한도 경고가 표시되지 않습니다</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>알림 서버가 응답합니다</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>일시 중지된 세션</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n개가 대기 중이지만 자동 재개가 꺼져 있습니다</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>자동 재개를 켜거나(pacewisectl auto-continue on) 세션을 하나씩 재개하세요: pacewisectl resume now 세션</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>대기 중인 세션이 없습니다</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>어떤 세션도 재개되지 않습니다: 다른 사용자가 폴더 %1을(를) 바꿀 수 있습니다</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n개가 초기화 후 재개를 기다립니다(pacewisectl resume list)</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>%n개 항목을 고쳐야 합니다.</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>실행 상태</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>트레이 앱도 데몬도 실행 중이 아니어서 조회도 세션 재개도 하지 않습니다</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>트레이 앱(pacewise) 또는 데몬을 시작하세요: pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>로그인 상태</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>먼저 claude를 설치하세요</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>실행하세요: claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>로그인하지 않음</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude가 응답하지 않았습니다</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>claude 없이는 확인할 수 없습니다</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>“pacewisectl auth”로 이유를 확인할 수 있습니다</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>로그인됨</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>로그인 시 시작</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>데스크톱 환경에서는 pacewisectl autostart on, 그 밖의 환경에서는 pacewisectl service install을 실행하세요</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>없음</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>데몬(pacewise.service)</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>트레이 앱</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>상태 줄</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>설정되지 않아 수치를 기록하는 것이 없습니다</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>Pacewise의 상태 줄이 수치를 기록합니다</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>사용자 지정 상태 줄(앞에 Pacewise 기록기 연결됨)</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>상태 줄 앞에 기록기를 연결하세요: pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>사용자 지정 상태 줄은 Pacewise를 위해 아무것도 기록하지 않아 Endrun은 자체 조회로 얻은 수치만 봅니다</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>다른 Pacewise가 사용량을 확인하고 있지만 세션 버스로 연결할 수 없어 여기에서는 표시할 수 없습니다. 그쪽이 종료되면 이쪽이 이어받습니다.</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>다른 Pacewise(프로세스 %1)가 사용량을 확인하고 있지만 세션 버스로 연결할 수 없어 여기에서는 표시할 수 없습니다. 그쪽이 종료되면 이쪽이 이어받습니다.</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise 대기 중</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1, 시</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1, 분</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>재개 대기 중: %1</translation>
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
      <translation>5시간</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · 시작 전</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>한도가 초기화될 때까지 추가 사용량으로 실행 중</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · %2까지</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>주간</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>거의 소진됨</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>얼마 남지 않음</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1, %2 사용, 시작 전</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1, %2 사용, %3에 초기화</translation>
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
