<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>サインインしていません</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>サインイン済み</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>サインイン済み：%1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>サインイン済み：%1（%2）</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>サインイン済み（%1）</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>システムバスがないため、systemd-logind に問い合わせできません</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>カフェイン</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>ふたが開いている間、コンピューターをスリープさせません。ふたを閉じるとスリープします。</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>上限に達する前に一時停止し、リセット後に自動で再開します。</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>上限に達する前に一時停止します。リセット後はご自身でセッションを再開してください。</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Pacewise のバックグラウンドスクリプトがこのバージョンと異なります。</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>アップデート後やファイルが編集された場合に起こります。現在のバージョンに更新しますか？</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>スクリプトを更新</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>今すぐ更新</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>設定…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>このペースだと %1 に上限到達</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1時間</translation>
    </message>
    <message id="freshness.ageMinutes">
      <source>%1m</source>
      <translation>%1分</translation>
    </message>
    <message id="freshness.ageSeconds">
      <source>%1s</source>
      <translation>%1秒</translation>
    </message>
    <message id="freshness.stale">
      <source>stale</source>
      <translation>古いデータ</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>%1前に更新</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>最初の更新を待っています…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>%1 を %2 にインストールできませんでした（%3）</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 は有効な JSON ではありません（%2）。修正してからもう一度お試しください</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 が編集中に何度も変更されました。もう一度お試しください</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>別の Pacewise が %1 を編集中です。少し待ってからもう一度お試しください</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1 に JSON オブジェクトがありません。修正してからもう一度お試しください</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 は通常のファイルではありません。変更していません</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 は読み取り専用のため、Pacewise は変更しません（Pacewise に変更させるには書き込み可能にしてください）</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>この Pacewise のビルドに補助スクリプト %1 がありません</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 は 16 MiB を超えているため、変更していません</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>%1 を読み取れません（%2）。所有者と権限を確認してください</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>%1 を書き込めませんでした（%2）</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>%2 の「%1」は Claude Code が想定する型ではないため、変更していません</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>サーバーが使用量データを返しませんでした</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>オフラインです。再試行中…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>サインイン…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>サインインが必要です</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>予期しない応答です。再試行中…</translation>
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
      <translation>Pacewise を開く</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>「%1」：%2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>「%1」は %2 のリセット後に自動で再開します。</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>「%1」は %2の %3 のリセット後に自動で再開します。</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code が使用量の上限で保留中です</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>「%1」は Claude Code で開いていますが待機中です。そちらで再開してください。</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>リセット後にセッションが再開されませんでした</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>朝のキックスタートに失敗しました</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>5時間枠が始まりました。</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>朝のあいさつを送信しました</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>%1 にリセットされます。</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>%1の %2 にリセットされます。</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>5時間の上限の %1 を使用しました</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>週間上限の %1 を使用しました</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>「%1」は %2 のリセット後に再開します。</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>「%1」は %2の %3 のリセット後に再開します。</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>「%1」は %2 のリセットを待っています。</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>「%1」は %2の %3 のリセットを待っています。</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code が使用量の上限で一時停止しました</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>「%1」の確認が必要です：%2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>「%1」：%2。Pacewise が後でもう一度試します。</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>セッションを再開できませんでした</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>セッションを再開しました</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>自動再開</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>Endrun が一時停止したセッションを、上限のリセット後に夜間でも再開します。</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>戻る</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>カフェインは、ふたが開いている間このコンピューターをスリープさせません。</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>もう一度確認</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>このコンピューターの Claude Code</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>ターミナルでサインインしてから、もう一度確認してください：</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>claude コマンドが見つかりません。Claude Code をインストール（npm install -g @anthropic-ai/claude-code）してから、もう一度確認してください。</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>ブラウザーに表示されたコード</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>続ける</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>Claude Code の claude コマンドが見つかりました。次にサインインしてください。</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>Claude Desktop 同梱の CLI が見つかりました。Desktop をおすすめします。</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>claude コマンドを探しています…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>有効にする</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>%1 を有効にする</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>オフ</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>オン</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>セッションを止めずに続ける</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>完了</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI（ターミナル）</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>Claude Desktop アプリ</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun は、使用量の上限を使い切る前に新しい作業を一時停止します。</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>Claude Code をどのように使っていますか？</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>朝のキックスタート</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>毎朝早めに5時間枠を開始し、リセットも早めにします。</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>あとで「設定」→「一般」で変更できます。</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>言語を選択</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>サインインがコード %1 で終了しました。もう一度お試しください。</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>claude コマンドを起動できませんでした。手順2を確認して、もう一度お試しください。</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>3分が経過したためサインインがタイムアウトしました。残っているブラウザーのタブを閉じて、もう一度お試しください。</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>ブラウザーでサインイン</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>ブラウザーが開かない場合は、任意のデバイスでこのリンクを開いてください：</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>ブラウザーでのサインインが終わるのを待っています（最大3分）…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>サインインは終わりましたが、アカウントはまだサインインしていないようです。もう一度お試しください。</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>送信</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>Claude にサインイン</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>Pacewise へようこそ</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>終了</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>それでも再開</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>「%1」をそれでも再開</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>フォルダーがもうありません</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>破棄</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>「%1」を破棄</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>今すぐ続ける</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>「%1」を今すぐ続ける</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>%1 まで保留中。その後は自動で再開します</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>リセット前から Claude Code で待機中。そちらで再開してください</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>対応が必要です：%1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>「%1」はすでに再開されています。</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>「それでも再開」を押すと今すぐ再開しますが、Claude Code はおそらくすぐにまた上限で止まります。</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>「%1」を再開しました。</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>「%1」を破棄しました。</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>5時間の上限は %2 まで %1 です。</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>週間の上限は %2 まで %1 です。</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>「%1」はもう保留されていません。</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>「%1」は今すぐ続行します。上限がリセットされるまで再び保留されることはありません。</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>中止しました。セッションは後で再開できます。</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>今すぐ再開</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>「%1」を今すぐ再開</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>Claude Code で開いていて、そちらで再開されます</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>再開待ち</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>クォータはまだ使用中です</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>空きクォータを確認できませんでした</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>準備完了</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>ツールの呼び出しが許可されませんでした</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude がステータス %1 で終了しました</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude がステータス %1 で終了しました：%2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>claude が見つかりません</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>claude を起動できませんでした：%1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code がエラーを報告しました</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code がエラーを報告しました：%1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>以前の試行で再開されました</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>別の Pacewise が再開しました</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>Claude Code で再開されました</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>フォルダー %1 がもうありません</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>以前の実行は結果を残さずに終了しました</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>リセット前から待機中。そちらで再開してください</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude が結果を残さずに終了しました（終了ステータス %1）</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>完了前に停止しました</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>停止したセッションのフォルダー %1 に書き込めません：%2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>チケットを削除できませんでした：%1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude が %n 分以内に完了しませんでした</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1 が許可されませんでした</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1 が許可されませんでした</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>リセット %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>再開中…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>%1 の試行は失敗しました：%2。次の試行は %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>アップデートを確認…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>セットアップを確認</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>Anthropic とは関係ありません。</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1：%2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>%1 にアップデート</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>もう一度確認</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>アップデートを確認しています…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>アップデートを確認できませんでした</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>アップデートはパッケージマネージャーから届きます。</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>最新バージョンです</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>バージョン %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>一時停止したセッションをリセット後に再開</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>セッションを一時停止させた上限（5時間または週間）がリセットされると、Pacewise がバックグラウンドでセッションを再開します。</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>これには Endrun をオンにしてください。再開するセッションを記録するのは Endrun です。</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>1日に1回確認します。それ以外のデータは送信しません。</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>アップデートを自動で確認</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>jq がインストールされていないため、Endrun は何もできません。jq パッケージをインストールしてください。</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun が動作する使用率</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>使用量の上限がこの割合に達すると、Endrun は Claude Code を待機させるか一時停止します。</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>毎朝、上限の枠を開始する</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>リセットのたびに次の枠を開始する</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>5時間枠がリセットされるたびにあいさつを送り直すので、次のリセットまで常に5時間未満です。終了時刻で止まります。開始時刻と同じにすると一日中続けます。</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>Claude Code が見つかりません。再試行します</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>%1 の試行に失敗しました。再試行します</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>%1 の試行に失敗しました（%2）。再試行します</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>次回：%1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>今すぐ開始</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>枠を開始しています…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>%1 には枠がすでに動いていたため、何も送信しませんでした</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>%1 に枠を開始しました</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>時刻</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>終了</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>選んだ時刻に Pacewise が Claude Code へ短いあいさつを送り、5時間枠を早めに開始（そしてリセット）させます。枠がすでに動いているときは送りません。</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>言語</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>システム（デフォルト）</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>ログイン時に起動</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>夜間のリセットを見守るには Pacewise が動いている必要があります。</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>ログイン時の起動設定を変更できませんでした。</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>自分のステータスラインより先に使用量を読み取る</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>Claude Code のステータスラインはそのままです。Pacewise が同じ入力から先に使用量を読み取るので、Endrun は最新の数値で判断できます。</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>トレイにパーセントを表示</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>オフにすると、最も使われている枠の色のアイコンだけを表示します。</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>5時間の上限が次に達したとき</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>朝のあいさつを送ったとき、または失敗したとき</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>上限がもうすぐ使い切られるとき</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Endrun がセッションを一時停止したとき</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>一時停止したセッションを再開したとき、または再開できなかったとき</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>通知</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>週間の上限が次に達したとき</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>情報</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>一般</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>設定</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>問題はありません。</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>%1 を実行できません</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>Claude Code をインストールしてください：npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>PATH にも、インストーラーの配置先にも見つかりません</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>Claude Code を再インストールしてから、次を実行してください：claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>使用量データ</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>%1 にまだ記録がありません</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1 は別のアカウントのものです</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1、%2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>ステータスラインが使用量を記録する Claude Code のセッションか、claude に問い合わせるトレイアプリまたはデーモン（pacewisectl service install）を起動してください</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>ファイルを削除してください。次回のステータスラインの実行か問い合わせのときに作り直されます</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1、%2：Endrun には古すぎます</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1 に使える数値がありません</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Endrun ガード</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>オンですが、%1 のスクリプトが編集されています</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>%1 を読んでいますが、Pacewise は %2 に記録しています</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>%1 を修正するか削除してください</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>オフのため、上限の前に Claude Code を一時停止するものがありません</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>オン、%1 で一時停止</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>オンですが、%1 のスクリプトはこの Pacewise のものではありません</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>Pacewise のスクリプトに戻してください：pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>スクリプトが編集されています</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>インストールしてください：sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>インストール済み</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>未インストールのため、Endrun もステータスラインも動作しません</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>スリープ防止</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>systemd のログインセッションで Pacewise を実行してください</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>systemd-logind 経由</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>デスクトップポータルも systemd-logind も応答しないため、カフェインでスリープを防げません</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>デスクトップポータル経由</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>通知</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>デスクトップにログインするか、通知サーバー（dunst など）をインストールしてください</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>セッションバスがないため、上限の警告は表示されません</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>通知サーバーがないため、上限の警告は表示されません</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>通知サーバーが応答しています</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>一時停止中のセッション</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n 件が待機中ですが、自動再開はオフです</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>自動再開をオンにする（pacewisectl auto-continue on）か、個別に再開してください：pacewisectl resume now セッション</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>待機中のものはありません</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>どれも再開されません：フォルダー %1 は他のユーザーも変更できます</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n 件がリセット後の再開を待っています（pacewisectl resume list）</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>%n 件の修正が必要です。</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>実行中</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>トレイアプリもデーモンも動いていないため、問い合わせもセッションの再開も行われません</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>トレイアプリ（pacewise）かデーモンを起動してください：pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>サインイン状態</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>先に claude をインストールしてください</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>次を実行してください：claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>サインインしていません</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude が応答しませんでした</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>claude がないと確認できません</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>「pacewisectl auth」で理由がわかります</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>サインイン済み</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>ログイン時の起動</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>デスクトップ環境では pacewisectl autostart on、それ以外では pacewisectl service install を実行してください</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>なし</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>デーモン（pacewise.service）</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>トレイアプリ</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>ステータスライン</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>設定されていないため、使用量を記録するものがありません</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>Pacewise のものが使用量を記録しています</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>ご自身のもの（Pacewise の記録機能が先に読み取ります）</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>記録機能を前段に追加してください：pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>ご自身のものは Pacewise 用に何も記録しないため、Endrun は自身の問い合わせで得た数値しか使えません</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>別の Pacewise が使用量を確認していますが、セッションバス経由で接続できないため、こちらでは表示できません。あちらが終了すると、こちらが引き継ぎます。</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>別の Pacewise（プロセス %1）が使用量を確認していますが、セッションバス経由で接続できないため、こちらでは表示できません。あちらが終了すると、こちらが引き継ぎます。</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise は待機中です</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1、時</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1、分</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1：%2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>再開待ち：%1</translation>
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
      <translation>5時間</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · 未開始</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>上限がリセットされるまで追加使用量で動作中</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · %2 まで</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>1週間</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>ほぼ上限</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>残りわずか</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1、%2 使用、未開始</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1、%2 使用、%3 にリセット</translation>
    </message>
    <message id="window.spokenWithSeverity">
      <source>%1, %2</source>
      <translation>%1、%2</translation>
    </message>
    <message id="window.weeklyModelLabel">
      <source>%1 · %2</source>
      <translation>%1 · %2</translation>
    </message>
  </context>
</TS>
