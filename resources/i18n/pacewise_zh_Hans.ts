<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
  <context>
    <name>Pacewise</name>
    <message id="auth.notSignedIn">
      <source>Not signed in</source>
      <translation>未登录</translation>
    </message>
    <message id="auth.signedIn">
      <source>Signed in</source>
      <translation>已登录</translation>
    </message>
    <message id="auth.signedIn.email">
      <source>Signed in: %1</source>
      <translation>已登录：%1</translation>
    </message>
    <message id="auth.signedIn.emailPlan">
      <source>Signed in: %1 (%2)</source>
      <translation>已登录：%1（%2）</translation>
    </message>
    <message id="auth.signedIn.plan">
      <source>Signed in (%1)</source>
      <translation>已登录（%1）</translation>
    </message>
    <message id="caffeine.error.noSystemBus">
      <source>no system bus, so no systemd-logind to ask</source>
      <translation>没有系统总线，因此无法询问 systemd-logind</translation>
    </message>
    <message id="controls.caffeine">
      <source>Caffeine</source>
      <translation>咖啡因</translation>
    </message>
    <message id="controls.caffeineCaption">
      <source>Keeps the computer awake while the lid is open. A closed lid still forces sleep.</source>
      <translation>在盖子打开时让电脑保持唤醒。合上盖子仍会进入睡眠。</translation>
    </message>
    <message id="controls.guard">
      <source>Endrun</source>
      <translation>Endrun</translation>
    </message>
    <message id="controls.guardCaption">
      <source>Pauses before you hit the limit, and resumes the session after the reset.</source>
      <translation>在达到额度前暂停，重置后自动恢复。</translation>
    </message>
    <message id="controls.guardCaptionManual">
      <source>Pauses before you hit the limit; you continue the session after the reset.</source>
      <translation>在达到额度前暂停；重置后请你自己恢复会话。</translation>
    </message>
    <message id="controls.guardScriptsDiffer">
      <source>Pacewise's background scripts differ from this version.</source>
      <translation>Pacewise 的后台脚本与此版本不一致。</translation>
    </message>
    <message id="controls.guardScriptsUpdateExplanation">
      <source>This can happen after an update or if the files were edited. Update them to the current version?</source>
      <translation>这可能发生在更新之后，或文件被编辑过。要将它们更新到当前版本吗？</translation>
    </message>
    <message id="controls.guardUpdateScripts">
      <source>Update scripts</source>
      <translation>更新脚本</translation>
    </message>
    <message id="controls.refreshNow">
      <source>Refresh now</source>
      <translation>立即刷新</translation>
    </message>
    <message id="controls.settings">
      <source>Settings…</source>
      <translation>设置…</translation>
    </message>
    <message id="forecast.limitAt">
      <source>At this pace: limit at %1</source>
      <translation>按此速度，将于 %1 用尽额度</translation>
    </message>
    <message id="freshness.ageHours">
      <source>%1h</source>
      <translation>%1 小时</translation>
    </message>
    <message id="freshness.ageMinutes">
      <source>%1m</source>
      <translation>%1 分钟</translation>
    </message>
    <message id="freshness.ageSeconds">
      <source>%1s</source>
      <translation>%1 秒</translation>
    </message>
    <message id="freshness.stale">
      <source>stale</source>
      <translation>数据已过时</translation>
    </message>
    <message id="freshness.updatedAgo">
      <source>updated %1 ago</source>
      <translation>%1前更新</translation>
    </message>
    <message id="freshness.waiting">
      <source>waiting for first update…</source>
      <translation>正在等待首次更新…</translation>
    </message>
    <message id="guard.error.installFailed">
      <source>%1 could not be installed in %2 (%3)</source>
      <translation>无法将 %1 安装到 %2（%3）</translation>
    </message>
    <message id="guard.error.invalidJSON">
      <source>%1 is not valid JSON (%2); fix it and try again</source>
      <translation>%1 不是有效的 JSON（%2）；请修正后重试</translation>
    </message>
    <message id="guard.error.keptChanging">
      <source>%1 kept changing while it was being edited; try again</source>
      <translation>%1 在编辑期间不断变化；请重试</translation>
    </message>
    <message id="guard.error.locked">
      <source>another Pacewise is editing %1; try again in a moment</source>
      <translation>另一个 Pacewise 正在编辑 %1；请稍后重试</translation>
    </message>
    <message id="guard.error.notAnObject">
      <source>%1 does not hold a JSON object; fix it and try again</source>
      <translation>%1 中没有 JSON 对象；请修正后重试</translation>
    </message>
    <message id="guard.error.notRegularFile">
      <source>%1 is not a regular file; it was left alone</source>
      <translation>%1 不是普通文件；未做任何改动</translation>
    </message>
    <message id="guard.error.readOnly">
      <source>%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)</source>
      <translation>%1 为只读，Pacewise 不会修改它（如需 Pacewise 修改，请将其设为可写）</translation>
    </message>
    <message id="guard.error.scriptMissing">
      <source>the engine script %1 is missing from this Pacewise build</source>
      <translation>此 Pacewise 版本缺少辅助脚本 %1</translation>
    </message>
    <message id="guard.error.tooLarge">
      <source>%1 is larger than 16 MiB; it was left alone</source>
      <translation>%1 大于 16 MiB，已保持原样</translation>
    </message>
    <message id="guard.error.unreadable">
      <source>%1 cannot be read (%2); check its owner and permissions</source>
      <translation>无法读取 %1（%2）；请检查其所有者和权限</translation>
    </message>
    <message id="guard.error.writeFailed">
      <source>%1 could not be written (%2)</source>
      <translation>无法写入 %1（%2）</translation>
    </message>
    <message id="guard.error.wrongType">
      <source>"%1" in %2 is not of the type Claude Code expects; it was left alone</source>
      <translation>%2 中的“%1”不是 Claude Code 期望的类型，已保持原样</translation>
    </message>
    <message id="issue.dataWithheld">
      <source>Usage data withheld by server</source>
      <translation>服务器未返回用量数据</translation>
    </message>
    <message id="issue.offline">
      <source>Offline, retrying…</source>
      <translation>离线，正在重试…</translation>
    </message>
    <message id="issue.signIn">
      <source>Sign in…</source>
      <translation>登录…</translation>
    </message>
    <message id="issue.signInRequired">
      <source>Sign in required</source>
      <translation>需要登录</translation>
    </message>
    <message id="issue.unexpected">
      <source>Unexpected response, retrying…</source>
      <translation>响应异常，正在重试…</translation>
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
      <translation>打开 Pacewise</translation>
    </message>
    <message id="menu.session">
      <source>“%1”: %2</source>
      <translation>“%1”：%2</translation>
    </message>
    <message id="notification.held.body">
      <source>“%1” goes on by itself after the reset at %2.</source>
      <translation>“%1”将在 %2 重置后自动恢复。</translation>
    </message>
    <message id="notification.held.bodyDay">
      <source>“%1” goes on by itself after the reset on %2 at %3.</source>
      <translation>“%1”将在%2 %3 重置后自动恢复。</translation>
    </message>
    <message id="notification.held.title">
      <source>Claude Code is holding at the usage limit</source>
      <translation>Claude Code 正在用量额度处等待</translation>
    </message>
    <message id="notification.idle.body">
      <source>“%1” is open in Claude Code but idle; continue it there.</source>
      <translation>“%1”已在 Claude Code 中打开但处于空闲；请在那里恢复。</translation>
    </message>
    <message id="notification.idle.title">
      <source>A session did not go on after the reset</source>
      <translation>会话在重置后没有恢复</translation>
    </message>
    <message id="notification.kickstart.failed.title">
      <source>Morning kickstart failed</source>
      <translation>早间启动失败</translation>
    </message>
    <message id="notification.kickstart.started.body">
      <source>The 5-hour window has started.</source>
      <translation>5 小时时段已开始。</translation>
    </message>
    <message id="notification.kickstart.started.title">
      <source>Good morning sent</source>
      <translation>已发送早安问候</translation>
    </message>
    <message id="notification.limitNear.body">
      <source>It resets at %1.</source>
      <translation>将于 %1 重置。</translation>
    </message>
    <message id="notification.limitNear.bodyDay">
      <source>It resets on %1 at %2.</source>
      <translation>将于%1 %2 重置。</translation>
    </message>
    <message id="notification.limitNear.fiveHour">
      <source>%1 of the 5-hour limit used</source>
      <translation>已用 5 小时额度的 %1</translation>
    </message>
    <message id="notification.limitNear.weekly">
      <source>%1 of the weekly limit used</source>
      <translation>已用每周额度的 %1</translation>
    </message>
    <message id="notification.paused.autoContinue">
      <source>“%1” continues after the reset at %2.</source>
      <translation>“%1”将在 %2 重置后恢复。</translation>
    </message>
    <message id="notification.paused.autoContinueDay">
      <source>“%1” continues after the reset on %2 at %3.</source>
      <translation>“%1”将在%2 %3 重置后恢复。</translation>
    </message>
    <message id="notification.paused.manual">
      <source>“%1” waits for the reset at %2.</source>
      <translation>“%1”正在等待 %2 的重置。</translation>
    </message>
    <message id="notification.paused.manualDay">
      <source>“%1” waits for the reset on %2 at %3.</source>
      <translation>“%1”正在等待%2 %3 的重置。</translation>
    </message>
    <message id="notification.paused.title">
      <source>Claude Code paused at the usage limit</source>
      <translation>Claude Code 已在用量额度处暂停</translation>
    </message>
    <message id="notification.resumeFailed.attention">
      <source>“%1” needs you: %2</source>
      <translation>“%1”需要你处理：%2</translation>
    </message>
    <message id="notification.resumeFailed.retry">
      <source>“%1”: %2. Pacewise tries again later.</source>
      <translation>“%1”：%2。Pacewise 稍后会再试。</translation>
    </message>
    <message id="notification.resumeFailed.title">
      <source>Session could not be continued</source>
      <translation>无法恢复会话</translation>
    </message>
    <message id="notification.resumed.title">
      <source>Session continued</source>
      <translation>会话已恢复</translation>
    </message>
    <message id="onboarding.autoContinue">
      <source>Auto-continue</source>
      <translation>自动恢复</translation>
    </message>
    <message id="onboarding.autoContinueDetail">
      <source>Continues the sessions Endrun paused once the limit has reset, even at night.</source>
      <translation>额度重置后恢复 Endrun 暂停的会话，夜间也会进行。</translation>
    </message>
    <message id="onboarding.back">
      <source>Back</source>
      <translation>上一步</translation>
    </message>
    <message id="onboarding.caffeineDetail">
      <source>Caffeine keeps this computer awake while the lid is open.</source>
      <translation>咖啡因会在盖子打开时让这台电脑保持唤醒。</translation>
    </message>
    <message id="onboarding.cancel">
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message id="onboarding.checkAgain">
      <source>Check again</source>
      <translation>重新检查</translation>
    </message>
    <message id="onboarding.claudeOnThisComputer">
      <source>Claude Code on this computer</source>
      <translation>此电脑上的 Claude Code</translation>
    </message>
    <message id="onboarding.cliLogin">
      <source>Sign in from Terminal, then check again:</source>
      <translation>在终端中登录，然后重新检查：</translation>
    </message>
    <message id="onboarding.cliLoginCommand">
      <source>claude auth login</source>
      <translation>claude auth login</translation>
    </message>
    <message id="onboarding.cliMissing">
      <source>The claude command wasn't found. Install Claude Code (npm install -g @anthropic-ai/claude-code), then check again.</source>
      <translation>未找到 claude 命令。请安装 Claude Code（npm install -g @anthropic-ai/claude-code），然后再次检查。</translation>
    </message>
    <message id="onboarding.codePlaceholder">
      <source>Code from the browser</source>
      <translation>浏览器中显示的代码</translation>
    </message>
    <message id="onboarding.continue">
      <source>Continue</source>
      <translation>继续</translation>
    </message>
    <message id="onboarding.detected.cliOnly">
      <source>Claude Code's claude command was found. Next, sign in.</source>
      <translation>已找到 Claude Code 的 claude 命令。接下来请登录。</translation>
    </message>
    <message id="onboarding.detected.desktop">
      <source>Claude Desktop's bundled CLI found — Desktop suggested.</source>
      <translation>找到 Claude Desktop 自带的 CLI，建议使用 Desktop。</translation>
    </message>
    <message id="onboarding.detecting">
      <source>Looking for the claude command…</source>
      <translation>正在查找 claude 命令…</translation>
    </message>
    <message id="onboarding.enable">
      <source>Enable</source>
      <translation>启用</translation>
    </message>
    <message id="onboarding.enableFeature">
      <source>Enable %1</source>
      <translation>启用 %1</translation>
    </message>
    <message id="onboarding.featureOff">
      <source>Off</source>
      <translation>已关闭</translation>
    </message>
    <message id="onboarding.featureOn">
      <source>On</source>
      <translation>已开启</translation>
    </message>
    <message id="onboarding.features">
      <source>Keep your sessions running</source>
      <translation>让你的会话持续运行</translation>
    </message>
    <message id="onboarding.finish">
      <source>Finish</source>
      <translation>完成</translation>
    </message>
    <message id="onboarding.flow.cli">
      <source>CLI (terminal)</source>
      <translation>CLI（终端）</translation>
    </message>
    <message id="onboarding.flow.desktop">
      <source>Claude Desktop app</source>
      <translation>Claude Desktop 应用</translation>
    </message>
    <message id="onboarding.guardDetail">
      <source>Endrun pauses new work before a usage limit is exhausted.</source>
      <translation>Endrun 会在用量额度耗尽前暂停新的工作。</translation>
    </message>
    <message id="onboarding.howUse">
      <source>How do you use Claude Code?</source>
      <translation>你如何使用 Claude Code？</translation>
    </message>
    <message id="onboarding.kickstart">
      <source>Morning kickstart</source>
      <translation>早间启动</translation>
    </message>
    <message id="onboarding.kickstartDetail">
      <source>Starts the 5-hour window early each morning, so that it also resets early.</source>
      <translation>每天早上提前开始 5 小时时段，让它也提前重置。</translation>
    </message>
    <message id="onboarding.language.caption">
      <source>You can change this later in Settings → General.</source>
      <translation>之后可以在“设置 → 通用”中更改。</translation>
    </message>
    <message id="onboarding.language.title">
      <source>Choose your language</source>
      <translation>选择语言</translation>
    </message>
    <message id="onboarding.loginExit">
      <source>Sign-in exited with code %1. Please try again.</source>
      <translation>登录以代码 %1 结束。请重试。</translation>
    </message>
    <message id="onboarding.loginLaunchFailed">
      <source>Couldn't launch the claude command. Check step 2 and try again.</source>
      <translation>无法启动 claude 命令。请检查第 2 步后重试。</translation>
    </message>
    <message id="onboarding.loginTimeout">
      <source>Sign-in timed out after 3 minutes. Close any leftover browser tab and try again.</source>
      <translation>登录在 3 分钟后超时。请关闭残留的浏览器标签页后重试。</translation>
    </message>
    <message id="onboarding.progress">
      <source>%1/%2</source>
      <translation>%1/%2</translation>
    </message>
    <message id="onboarding.signInButton">
      <source>Sign in with browser</source>
      <translation>使用浏览器登录</translation>
    </message>
    <message id="onboarding.signInLink">
      <source>If no browser opened, open this link on any device:</source>
      <translation>如果浏览器没有打开，请在任意设备上打开此链接：</translation>
    </message>
    <message id="onboarding.signingIn">
      <source>Waiting for the browser sign-in to finish (up to 3 minutes)…</source>
      <translation>正在等待浏览器登录完成（最多 3 分钟）…</translation>
    </message>
    <message id="onboarding.stillSignedOut">
      <source>Sign-in finished, but the account still looks signed out. Please try again.</source>
      <translation>登录已完成，但账户似乎仍未登录。请重试。</translation>
    </message>
    <message id="onboarding.submitCode">
      <source>Submit</source>
      <translation>提交</translation>
    </message>
    <message id="onboarding.title">
      <source>Sign In to Claude</source>
      <translation>登录 Claude</translation>
    </message>
    <message id="onboarding.windowTitle">
      <source>Welcome to Pacewise</source>
      <translation>欢迎使用 Pacewise</translation>
    </message>
    <message id="percent">
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message id="quit">
      <source>Quit</source>
      <translation>退出</translation>
    </message>
    <message id="resume.anyway">
      <source>Resume anyway</source>
      <translation>仍然恢复</translation>
    </message>
    <message id="resume.anywayNamed">
      <source>Resume “%1” anyway</source>
      <translation>仍然恢复“%1”</translation>
    </message>
    <message id="resume.directoryMissing">
      <source>Its folder no longer exists</source>
      <translation>其文件夹已不存在</translation>
    </message>
    <message id="resume.dismiss">
      <source>Dismiss</source>
      <translation>忽略</translation>
    </message>
    <message id="resume.dismissNamed">
      <source>Dismiss “%1”</source>
      <translation>忽略“%1”</translation>
    </message>
    <message id="resume.goOnNow">
      <source>Go on now</source>
      <translation>现在继续</translation>
    </message>
    <message id="resume.goOnNowNamed">
      <source>Let “%1” go on now</source>
      <translation>现在继续“%1”</translation>
    </message>
    <message id="resume.held">
      <source>Held until %1; goes on by itself</source>
      <translation>暂留至 %1，之后自动恢复</translation>
    </message>
    <message id="resume.idleInClaude">
      <source>Idle in Claude Code since before the reset; continue it there</source>
      <translation>自重置前起在 Claude Code 中空闲；请在那里恢复</translation>
    </message>
    <message id="resume.needsYou">
      <source>Needs you: %1</source>
      <translation>需要你处理：%1</translation>
    </message>
    <message id="resume.notice.alreadyContinued">
      <source>“%1” was already continued.</source>
      <translation>“%1”已经恢复过了。</translation>
    </message>
    <message id="resume.notice.anyway">
      <source>“Resume anyway” continues it now; Claude Code will likely stop again at the limit.</source>
      <translation>“仍然恢复”会立即恢复会话，但 Claude Code 很可能会再次在额度处停下。</translation>
    </message>
    <message id="resume.notice.continued">
      <source>“%1” continued.</source>
      <translation>“%1”已恢复。</translation>
    </message>
    <message id="resume.notice.dismissed">
      <source>“%1” dismissed.</source>
      <translation>已忽略“%1”。</translation>
    </message>
    <message id="resume.notice.limitFiveHour">
      <source>The 5-hour limit is at %1 until %2.</source>
      <translation>5 小时额度已用 %1，直到 %2。</translation>
    </message>
    <message id="resume.notice.limitWeekly">
      <source>The weekly limit is at %1 until %2.</source>
      <translation>每周额度已用 %1，直到 %2。</translation>
    </message>
    <message id="resume.notice.notHeld">
      <source>“%1” is no longer held.</source>
      <translation>“%1”已不再被暂留。</translation>
    </message>
    <message id="resume.notice.released">
      <source>“%1” goes on now; it is not held again before the limit resets.</source>
      <translation>“%1”现在接着运行，在额度重置前不会再被暂留。</translation>
    </message>
    <message id="resume.notice.stopped">
      <source>Stopped; the session stays to be continued.</source>
      <translation>已停止；会话留待稍后恢复。</translation>
    </message>
    <message id="resume.now">
      <source>Resume now</source>
      <translation>立即恢复</translation>
    </message>
    <message id="resume.nowNamed">
      <source>Resume “%1” now</source>
      <translation>立即恢复“%1”</translation>
    </message>
    <message id="resume.openInClaude">
      <source>Open in Claude Code, which continues it</source>
      <translation>已在 Claude Code 中打开，由它恢复</translation>
    </message>
    <message id="resume.pending.title">
      <source>Pending resumes</source>
      <translation>待恢复的会话</translation>
    </message>
    <message id="resume.quotaUnavailable">
      <source>Quota is still occupied</source>
      <translation>额度仍被占用</translation>
    </message>
    <message id="resume.quotaUnconfirmed">
      <source>Available quota could not be confirmed</source>
      <translation>无法确认可用额度</translation>
    </message>
    <message id="resume.ready">
      <source>Ready</source>
      <translation>已就绪</translation>
    </message>
    <message id="resume.reason.aToolRefused">
      <source>a tool call was not allowed</source>
      <translation>有一个工具调用未被允许</translation>
    </message>
    <message id="resume.reason.claudeExited">
      <source>claude exited with status %1</source>
      <translation>claude 以状态 %1 退出</translation>
    </message>
    <message id="resume.reason.claudeExitedSaying">
      <source>claude exited with status %1: %2</source>
      <translation>claude 以状态 %1 退出：%2</translation>
    </message>
    <message id="resume.reason.claudeNotFound">
      <source>claude was not found</source>
      <translation>未找到 claude</translation>
    </message>
    <message id="resume.reason.claudeNotStarted">
      <source>claude could not be started: %1</source>
      <translation>无法启动 claude：%1</translation>
    </message>
    <message id="resume.reason.claudeReportedError">
      <source>Claude Code reported an error</source>
      <translation>Claude Code 报告了错误</translation>
    </message>
    <message id="resume.reason.claudeReportedErrorSaying">
      <source>Claude Code reported an error: %1</source>
      <translation>Claude Code 报告了错误：%1</translation>
    </message>
    <message id="resume.reason.continuedByAnEarlierResume">
      <source>continued by an earlier resume</source>
      <translation>已由之前的一次尝试恢复</translation>
    </message>
    <message id="resume.reason.continuedByAnotherPacewise">
      <source>continued by another Pacewise</source>
      <translation>已由另一个 Pacewise 恢复</translation>
    </message>
    <message id="resume.reason.continuedInClaudeCode">
      <source>continued in Claude Code</source>
      <translation>已在 Claude Code 中恢复</translation>
    </message>
    <message id="resume.reason.directoryMissing">
      <source>its folder %1 no longer exists</source>
      <translation>其文件夹 %1 已不存在</translation>
    </message>
    <message id="resume.reason.earlierRunUnexplained">
      <source>its earlier run ended without saying how</source>
      <translation>之前的运行结束时未说明结果</translation>
    </message>
    <message id="resume.reason.idleSinceTheReset">
      <source>idle since before the reset; continue it there</source>
      <translation>自重置前起空闲；请在那里恢复</translation>
    </message>
    <message id="resume.reason.runUnexplained">
      <source>claude ended without saying how (exit status %1)</source>
      <translation>claude 结束时未说明结果（退出状态 %1）</translation>
    </message>
    <message id="resume.reason.stoppedBeforeItFinished">
      <source>stopped before it finished</source>
      <translation>在完成前被停止</translation>
    </message>
    <message id="resume.reason.ticketFolderUnwritable">
      <source>the folder of stopped sessions, %1, cannot be written: %2</source>
      <translation>无法写入已停止会话的文件夹 %1：%2</translation>
    </message>
    <message id="resume.reason.ticketNotDeleted">
      <source>its ticket could not be deleted: %1</source>
      <translation>无法删除其票据：%1</translation>
    </message>
    <message id="resume.reason.timedOut" numerus="yes">
      <source>claude did not finish within %n minutes</source>
      <translation>
        <numerusform>claude 未在 %n 分钟内完成</numerusform>
      </translation>
    </message>
    <message id="resume.reason.toolRefused">
      <source>%1 was not allowed</source>
      <translation>%1 未被允许</translation>
    </message>
    <message id="resume.reason.toolsRefused">
      <source>%1 were not allowed</source>
      <translation>%1 未被允许</translation>
    </message>
    <message id="resume.resetsAt">
      <source>Resets %1</source>
      <translation>重置于 %1</translation>
    </message>
    <message id="resume.resuming">
      <source>Resuming…</source>
      <translation>正在恢复…</translation>
    </message>
    <message id="resume.retrying">
      <source>Last try %1 failed: %2; next try %3</source>
      <translation>%1 的尝试失败：%2；下次尝试 %3</translation>
    </message>
    <message id="settings.about.checkForUpdates">
      <source>Check for Updates…</source>
      <translation>检查更新…</translation>
    </message>
    <message id="settings.about.checkSetUp">
      <source>Check set-up</source>
      <translation>检查运行环境</translation>
    </message>
    <message id="settings.about.disclaimer">
      <source>Not affiliated with Anthropic.</source>
      <translation>与 Anthropic 无关。</translation>
    </message>
    <message id="settings.about.setUpLine">
      <source>%1: %2</source>
      <translation>%1：%2</translation>
    </message>
    <message id="settings.about.updateStatus.available">
      <source>Update to %1</source>
      <translation>更新到 %1</translation>
    </message>
    <message id="settings.about.updateStatus.checkAgain">
      <source>Check again</source>
      <translation>重新检查</translation>
    </message>
    <message id="settings.about.updateStatus.checking">
      <source>Checking for updates…</source>
      <translation>正在检查更新…</translation>
    </message>
    <message id="settings.about.updateStatus.failed">
      <source>Couldn't check for updates</source>
      <translation>无法检查更新</translation>
    </message>
    <message id="settings.about.updateStatus.packageManager">
      <source>Updates come from your package manager.</source>
      <translation>更新通过你的软件包管理器提供。</translation>
    </message>
    <message id="settings.about.updateStatus.upToDate">
      <source>You're on the latest version</source>
      <translation>已是最新版本</translation>
    </message>
    <message id="settings.about.version">
      <source>Version %1</source>
      <translation>版本 %1</translation>
    </message>
    <message id="settings.general.autoContinueLongResets">
      <source>Continue paused sessions after the reset</source>
      <translation>重置后恢复已暂停的会话</translation>
    </message>
    <message id="settings.general.autoContinueLongResetsCaption">
      <source>Once the limit that paused a session resets, the 5-hour one or the weekly one, Pacewise continues the session in the background.</source>
      <translation>使会话暂停的额度（5 小时或每周）一旦重置，Pacewise 就会在后台恢复该会话。</translation>
    </message>
    <message id="settings.general.autoContinueRequiresEndrun">
      <source>Turn on Endrun for this — it's what records the sessions to continue.</source>
      <translation>请为此打开 Endrun——它负责记录需要恢复的会话。</translation>
    </message>
    <message id="settings.general.automaticUpdateChecksCaption">
      <source>Checks once a day. No other data is sent.</source>
      <translation>每天检查一次。不会发送其他任何数据。</translation>
    </message>
    <message id="settings.general.automaticallyCheckForUpdates">
      <source>Automatically check for updates</source>
      <translation>自动检查更新</translation>
    </message>
    <message id="settings.general.guardNeedsJq">
      <source>jq is not installed, so Endrun can't do anything. Install the jq package.</source>
      <translation>未安装 jq，Endrun 无法工作。请安装 jq 软件包。</translation>
    </message>
    <message id="settings.general.guardThreshold">
      <source>Endrun steps in at</source>
      <translation>Endrun 介入的用量</translation>
    </message>
    <message id="settings.general.guardThresholdCaption">
      <source>Endrun holds or pauses Claude Code once a usage limit reaches this share.</source>
      <translation>用量额度达到此比例时，Endrun 会让 Claude Code 等待或暂停。</translation>
    </message>
    <message id="settings.general.kickstart">
      <source>Start the limit window every morning</source>
      <translation>每天早上开始额度时段</translation>
    </message>
    <message id="settings.general.kickstart.chain">
      <source>Keep the window rolling after every reset</source>
      <translation>每次重置后立即开始新的时段</translation>
    </message>
    <message id="settings.general.kickstart.chainCaption">
      <source>Repeats the greeting each time the 5-hour window resets, so whenever you sit down the next reset is less than five hours away. Stops at the end time; set it to the start time to run around the clock.</source>
      <translation>每当 5 小时时段重置时再次发送问候，这样无论何时坐下来，下一次重置都不到五小时。到结束时间停止；把它设为与开始时间相同即可全天运行。</translation>
    </message>
    <message id="settings.general.kickstart.cliMissing">
      <source>Claude Code wasn't found; will retry</source>
      <translation>未找到 Claude Code；稍后重试</translation>
    </message>
    <message id="settings.general.kickstart.failed">
      <source>Attempt at %1 failed; will retry</source>
      <translation>%1 的尝试失败；稍后重试</translation>
    </message>
    <message id="settings.general.kickstart.failedBecause">
      <source>Attempt at %1 failed: %2; will retry</source>
      <translation>%1 的尝试失败：%2；稍后重试</translation>
    </message>
    <message id="settings.general.kickstart.next">
      <source>Next: %1</source>
      <translation>下次：%1</translation>
    </message>
    <message id="settings.general.kickstart.runNow">
      <source>Start now</source>
      <translation>立即开始</translation>
    </message>
    <message id="settings.general.kickstart.running">
      <source>Starting the window…</source>
      <translation>正在开始时段…</translation>
    </message>
    <message id="settings.general.kickstart.skipped">
      <source>At %1 the window was already running — nothing sent</source>
      <translation>%1 时，时段已在进行中——未发送任何内容</translation>
    </message>
    <message id="settings.general.kickstart.started">
      <source>Window started at %1</source>
      <translation>时段已于 %1 开始</translation>
    </message>
    <message id="settings.general.kickstart.time">
      <source>Time</source>
      <translation>时间</translation>
    </message>
    <message id="settings.general.kickstart.until">
      <source>until</source>
      <translation>至</translation>
    </message>
    <message id="settings.general.kickstartCaption">
      <source>Pacewise sends Claude Code a one-word greeting at the chosen time, so your 5-hour window starts — and resets — early in the day. Skipped when the window is already running.</source>
      <translation>Pacewise 会在选定时间向 Claude Code 发送一句简短问候，让你的 5 小时时段尽早开始，也尽早重置。时段已在进行时跳过。</translation>
    </message>
    <message id="settings.general.language">
      <source>Language</source>
      <translation>语言</translation>
    </message>
    <message id="settings.general.language.system">
      <source>System (default)</source>
      <translation>跟随系统（默认）</translation>
    </message>
    <message id="settings.general.launchAtLogin">
      <source>Launch at login</source>
      <translation>登录时启动</translation>
    </message>
    <message id="settings.general.launchAtLoginCaption">
      <source>Pacewise needs to be running to watch over overnight resets.</source>
      <translation>Pacewise 需要保持运行，才能处理夜间的重置。</translation>
    </message>
    <message id="settings.general.launchAtLoginError">
      <source>Couldn't update the launch-at-login setting.</source>
      <translation>无法更改登录时启动的设置。</translation>
    </message>
    <message id="settings.general.recorder">
      <source>Read the usage in front of my own status line</source>
      <translation>在我自己的状态栏之前读取用量</translation>
    </message>
    <message id="settings.general.recorderCaption">
      <source>Your Claude Code status line stays as it is; Pacewise reads the usage from the same input first, so Endrun decides on live figures.</source>
      <translation>你的 Claude Code 状态栏保持不变；Pacewise 先从同一输入中读取用量，让 Endrun 依据最新数字做决定。</translation>
    </message>
    <message id="settings.general.showTrayPercentage">
      <source>Show the percentage in the tray</source>
      <translation>在托盘中显示百分比</translation>
    </message>
    <message id="settings.general.showTrayPercentageCaption">
      <source>Off shows just the icon, in the colour of the most used window.</source>
      <translation>关闭后只显示图标，颜色取决于用量最高的时段。</translation>
    </message>
    <message id="settings.notifications.fiveHourAt">
      <source>5-hour limit at</source>
      <translation>5 小时额度达到</translation>
    </message>
    <message id="settings.notifications.kickstart">
      <source>When the morning greeting is sent, or fails</source>
      <translation>早安问候发送成功或失败时</translation>
    </message>
    <message id="settings.notifications.limitNear">
      <source>When a limit is nearly used up</source>
      <translation>额度快用完时</translation>
    </message>
    <message id="settings.notifications.sessionPaused">
      <source>When Endrun pauses a session</source>
      <translation>Endrun 暂停会话时</translation>
    </message>
    <message id="settings.notifications.sessionResumed">
      <source>When a paused session is continued, or cannot be</source>
      <translation>暂停的会话恢复或无法恢复时</translation>
    </message>
    <message id="settings.notifications.title">
      <source>Notifications</source>
      <translation>通知</translation>
    </message>
    <message id="settings.notifications.weeklyAt">
      <source>Weekly limit at</source>
      <translation>每周额度达到</translation>
    </message>
    <message id="settings.tab.about">
      <source>About</source>
      <translation>关于</translation>
    </message>
    <message id="settings.tab.general">
      <source>General</source>
      <translation>通用</translation>
    </message>
    <message id="settings.title">
      <source>Settings</source>
      <translation>设置</translation>
    </message>
    <message id="setup.allWell">
      <source>All is well.</source>
      <translation>一切正常。</translation>
    </message>
    <message id="setup.claude.doesNotRun">
      <source>%1 does not run</source>
      <translation>%1 无法运行</translation>
    </message>
    <message id="setup.claude.install">
      <source>install Claude Code: npm install -g @anthropic-ai/claude-code</source>
      <translation>请安装 Claude Code：npm install -g @anthropic-ai/claude-code</translation>
    </message>
    <message id="setup.claude.notFound">
      <source>not found, neither on PATH nor where its installers put it</source>
      <translation>在 PATH 和安装程序的默认位置中都找不到</translation>
    </message>
    <message id="setup.claude.reinstall">
      <source>reinstall Claude Code, then try: claude --version</source>
      <translation>请重新安装 Claude Code，然后运行：claude --version</translation>
    </message>
    <message id="setup.figures">
      <source>Figures</source>
      <translation>用量数据</translation>
    </message>
    <message id="setup.figures.missing">
      <source>none recorded yet in %1</source>
      <translation>%1 中尚无记录</translation>
    </message>
    <message id="setup.figures.otherAccount">
      <source>%1 holds another account's figures</source>
      <translation>%1 中是另一个账户的数据</translation>
    </message>
    <message id="setup.figures.recorded">
      <source>%1, in %2</source>
      <translation>%1，位于 %2</translation>
    </message>
    <message id="setup.figures.refresh">
      <source>start a Claude Code session, whose status line records them, or the tray app or the daemon (pacewisectl service install), which ask claude for them</source>
      <translation>启动 Claude Code 会话（由其状态栏记录数据），或启动托盘应用或守护进程（pacewisectl service install），由它们向 claude 查询</translation>
    </message>
    <message id="setup.figures.remove">
      <source>remove the file; the next status line run or poll writes it anew</source>
      <translation>删除该文件；下次状态栏运行或查询时会重新写入</translation>
    </message>
    <message id="setup.figures.stale">
      <source>%1, in %2: too old for Endrun</source>
      <translation>%1，位于 %2：过旧，Endrun 无法使用</translation>
    </message>
    <message id="setup.figures.unusable">
      <source>%1 holds no usable figures</source>
      <translation>%1 中没有可用的数据</translation>
    </message>
    <message id="setup.guard">
      <source>Endrun guard</source>
      <translation>Endrun 守护</translation>
    </message>
    <message id="setup.guard.edited">
      <source>on, but its engine scripts in %1 were edited</source>
      <translation>已开启，但 %1 中的脚本已被修改</translation>
    </message>
    <message id="setup.guard.elsewhere">
      <source>reads %1, but Pacewise records the figures in %2</source>
      <translation>读取 %1，但 Pacewise 将数据记录在 %2</translation>
    </message>
    <message id="setup.guard.mendSettings">
      <source>mend or remove %1</source>
      <translation>请修复或删除 %1</translation>
    </message>
    <message id="setup.guard.off">
      <source>off, so nothing pauses Claude Code before a limit</source>
      <translation>已关闭，因此不会在额度用尽前暂停 Claude Code</translation>
    </message>
    <message id="setup.guard.on">
      <source>on, pauses at %1</source>
      <translation>已开启，用量达到 %1 时暂停</translation>
    </message>
    <message id="setup.guard.outdated">
      <source>on, but its engine scripts in %1 are not this Pacewise's</source>
      <translation>已开启，但 %1 中的脚本不属于此版本的 Pacewise</translation>
    </message>
    <message id="setup.guard.reinstall">
      <source>put Pacewise's scripts back: pacewisectl guard reinstall</source>
      <translation>恢复 Pacewise 的脚本：pacewisectl guard reinstall</translation>
    </message>
    <message id="setup.guard.scriptsEdited">
      <source>its engine scripts were edited</source>
      <translation>其脚本已被修改</translation>
    </message>
    <message id="setup.jq.install">
      <source>install it: sudo apt install jq</source>
      <translation>请安装：sudo apt install jq</translation>
    </message>
    <message id="setup.jq.installed">
      <source>installed</source>
      <translation>已安装</translation>
    </message>
    <message id="setup.jq.missing">
      <source>not installed, so Endrun and the status line do nothing</source>
      <translation>未安装，因此 Endrun 和状态栏都不起作用</translation>
    </message>
    <message id="setup.keepAwake">
      <source>Keep-awake</source>
      <translation>防止休眠</translation>
    </message>
    <message id="setup.keepAwake.fix">
      <source>run Pacewise in a systemd login session</source>
      <translation>请在 systemd 登录会话中运行 Pacewise</translation>
    </message>
    <message id="setup.keepAwake.logind">
      <source>through systemd-logind</source>
      <translation>通过 systemd-logind</translation>
    </message>
    <message id="setup.keepAwake.none">
      <source>neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake</source>
      <translation>桌面门户和 systemd-logind 都没有响应，因此咖啡因无法让电脑保持唤醒</translation>
    </message>
    <message id="setup.keepAwake.portal">
      <source>through the desktop portal</source>
      <translation>通过桌面门户</translation>
    </message>
    <message id="setup.notifications">
      <source>Notifications</source>
      <translation>通知</translation>
    </message>
    <message id="setup.notifications.fix">
      <source>log in to a desktop, or install a notification server (dunst, say)</source>
      <translation>请登录桌面，或安装通知服务（例如 dunst）</translation>
    </message>
    <message id="setup.notifications.noBus">
      <source>no session bus, so limit warnings are not shown</source>
      <translation>没有会话总线，因此不会显示额度警告</translation>
    </message>
    <message id="setup.notifications.noServer">
      <source>no notification server, so limit warnings are not shown</source>
      <translation>没有通知服务，因此不会显示额度警告</translation>
    </message>
    <message id="setup.notifications.ok">
      <source>a notification server answers</source>
      <translation>通知服务有响应</translation>
    </message>
    <message id="setup.paused">
      <source>Paused sessions</source>
      <translation>已暂停的会话</translation>
    </message>
    <message id="setup.paused.autoContinueOff" numerus="yes">
      <source>%n wait, but auto-continue is off</source>
      <translation>
        <numerusform>%n 个会话在等待，但自动恢复已关闭</numerusform>
      </translation>
    </message>
    <message id="setup.paused.autoContinueOn">
      <source>turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION</source>
      <translation>运行 pacewisectl auto-continue on，或逐个恢复：pacewisectl resume now 会话</translation>
    </message>
    <message id="setup.paused.none">
      <source>none waits</source>
      <translation>没有会话在等待</translation>
    </message>
    <message id="setup.paused.untrusted">
      <source>none is continued: others could change the folder %1</source>
      <translation>不会恢复任何会话：其他用户可以修改文件夹 %1</translation>
    </message>
    <message id="setup.paused.waiting" numerus="yes">
      <source>%n wait to be resumed after their reset (pacewisectl resume list)</source>
      <translation>
        <numerusform>%n 个会话在等待重置后恢复（pacewisectl resume list）</numerusform>
      </translation>
    </message>
    <message id="setup.problems" numerus="yes">
      <source>%n things need fixing.</source>
      <translation>
        <numerusform>有 %n 项需要修复。</numerusform>
      </translation>
    </message>
    <message id="setup.running">
      <source>Running</source>
      <translation>运行中</translation>
    </message>
    <message id="setup.running.none">
      <source>neither the tray app nor the daemon, so nothing polls or continues sessions</source>
      <translation>托盘应用和守护进程都没有运行，因此不会查询，也不会恢复会话</translation>
    </message>
    <message id="setup.running.pid">
      <source>pid %1</source>
      <translation>PID %1</translation>
    </message>
    <message id="setup.running.start">
      <source>start the tray app (pacewise) or the daemon: pacewisectl service install</source>
      <translation>启动托盘应用（pacewise）或守护进程：pacewisectl service install</translation>
    </message>
    <message id="setup.signedIn">
      <source>Signed in</source>
      <translation>登录状态</translation>
    </message>
    <message id="setup.signedIn.installFirst">
      <source>install claude first</source>
      <translation>请先安装 claude</translation>
    </message>
    <message id="setup.signedIn.login">
      <source>run: claude auth login</source>
      <translation>请运行：claude auth login</translation>
    </message>
    <message id="setup.signedIn.no">
      <source>no</source>
      <translation>未登录</translation>
    </message>
    <message id="setup.signedIn.noAnswer">
      <source>claude gave no answer</source>
      <translation>claude 没有回应</translation>
    </message>
    <message id="setup.signedIn.noClaude">
      <source>cannot be asked without claude</source>
      <translation>没有 claude 无法检查</translation>
    </message>
    <message id="setup.signedIn.why">
      <source>“pacewisectl auth” says why</source>
      <translation>“pacewisectl auth”会说明原因</translation>
    </message>
    <message id="setup.signedIn.yes">
      <source>yes</source>
      <translation>已登录</translation>
    </message>
    <message id="setup.startsAtLogin">
      <source>Starts at login</source>
      <translation>登录时启动</translation>
    </message>
    <message id="setup.startsAtLogin.fix">
      <source>at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install</source>
      <translation>桌面环境下：pacewisectl autostart on；其他情况：pacewisectl service install</translation>
    </message>
    <message id="setup.startsAtLogin.no">
      <source>nothing</source>
      <translation>无</translation>
    </message>
    <message id="setup.startsAtLogin.service">
      <source>the daemon, as pacewise.service</source>
      <translation>守护进程（pacewise.service）</translation>
    </message>
    <message id="setup.startsAtLogin.trayApp">
      <source>the tray app</source>
      <translation>托盘应用</translation>
    </message>
    <message id="setup.statusLine">
      <source>Status line</source>
      <translation>状态栏</translation>
    </message>
    <message id="setup.statusLine.none">
      <source>none, so nothing records the figures</source>
      <translation>未设置，因此没有程序记录数据</translation>
    </message>
    <message id="setup.statusLine.pacewise">
      <source>Pacewise's own, which records the figures</source>
      <translation>Pacewise 的状态栏在记录数据</translation>
    </message>
    <message id="setup.statusLine.recorder">
      <source>yours, with Pacewise's recorder in front of it</source>
      <translation>你自己的状态栏，前面已接入 Pacewise 的记录器</translation>
    </message>
    <message id="setup.statusLine.recorderOn">
      <source>put the recorder in front of it: pacewisectl guard recorder on</source>
      <translation>在其前面接入记录器：pacewisectl guard recorder on</translation>
    </message>
    <message id="setup.statusLine.user">
      <source>yours records nothing for Pacewise, so Endrun sees only the figures of its polls</source>
      <translation>你自己的状态栏不为 Pacewise 记录任何内容，因此 Endrun 只能看到它自己查询的数据</translation>
    </message>
    <message id="standby.other">
      <source>Another Pacewise checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>另一个 Pacewise 正在查询用量，但无法通过会话总线与其通信，因此这里无法显示。它退出后，这里会接管。</translation>
    </message>
    <message id="standby.otherProcess">
      <source>Another Pacewise (process %1) checks the usage but cannot be reached over the session bus, so this one cannot show it. This one takes over when that one stops.</source>
      <translation>另一个 Pacewise（进程 %1）正在查询用量，但无法通过会话总线与其通信，因此这里无法显示。它退出后，这里会接管。</translation>
    </message>
    <message id="standby.title">
      <source>Pacewise is waiting</source>
      <translation>Pacewise 正在等待</translation>
    </message>
    <message id="time.hourOf">
      <source>%1, hour</source>
      <translation>%1，小时</translation>
    </message>
    <message id="time.minuteOf">
      <source>%1, minute</source>
      <translation>%1，分钟</translation>
    </message>
    <message id="tooltip.limitRow">
      <source>%1: %2</source>
      <translation>%1：%2</translation>
    </message>
    <message id="tooltip.pendingResumes">
      <source>Pending resumes: %1</source>
      <translation>待恢复的会话：%1</translation>
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
      <translation>5 小时</translation>
    </message>
    <message id="window.notStartedSummary">
      <source>%1 · not started</source>
      <translation>%1 · 未开始</translation>
    </message>
    <message id="window.overage">
      <source>Running on extra usage until the limit resets</source>
      <translation>额度重置前正在使用额外用量</translation>
    </message>
    <message id="window.resetSummary">
      <source>%1 · until %2</source>
      <translation>%1 · 至 %2</translation>
    </message>
    <message id="window.sevenDayLabel">
      <source>Week</source>
      <translation>每周</translation>
    </message>
    <message id="window.severityCritical">
      <source>nearly used up</source>
      <translation>几乎用尽</translation>
    </message>
    <message id="window.severityWarning">
      <source>running low</source>
      <translation>即将用完</translation>
    </message>
    <message id="window.spokenNotStarted">
      <source>%1, %2 used, not started</source>
      <translation>%1，已用 %2，未开始</translation>
    </message>
    <message id="window.spokenSummary">
      <source>%1, %2 used, resets %3</source>
      <translation>%1，已用 %2，%3 重置</translation>
    </message>
    <message id="window.spokenWithSeverity">
      <source>%1, %2</source>
      <translation>%1，%2</translation>
    </message>
    <message id="window.weeklyModelLabel">
      <source>%1 · %2</source>
      <translation>%1 · %2</translation>
    </message>
  </context>
</TS>
