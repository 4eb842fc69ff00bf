#pragma once

// Pacewise's own settings (~/.config/Pacewise/Pacewise.conf), read and
// written by the tray app, the daemon and pacewisectl alike: every key, its
// type and what it means when unset. The strings are what is stored, kept
// as they were first written, whatever the code calls the feature now.
namespace pacewise::AppSettingsKeys {

// key                                                        type     unset means
inline constexpr char appLanguage[] = "appLanguage";                     // string   the system's language
inline constexpr char showTrayPercentage[] = "showMenuBarPercentage";    // bool     true
inline constexpr char onboardingCompleted[] = "onboardingCompleted";     // bool     false: onboarding opens
inline constexpr char signInFlow[] = "userFlow";                         // string   "cli" or "desktop"; detected
inline constexpr char automaticUpdateChecks[] = "automaticallyChecksForUpdates"; // bool  true, with a feed
inline constexpr char updateFeedUrl[] = "updateFeedURL";                 // string   the build's feed, if any
inline constexpr char statePath[] = "statePath";                         // string   Claude Code's directory
inline constexpr char recordBeforeUserStatusLine[] = "recordBeforeUserStatusLine"; // bool true

// Notifications, each on unless false; limit-near's shares in percent.
inline constexpr char notifyLimitNear[] = "notifyLimitNear";             // bool     true
inline constexpr char notifySessionPaused[] = "notifySessionPaused";     // bool     true
inline constexpr char notifySessionResumed[] = "notifySessionResumed";   // bool     true
inline constexpr char notifyKickstart[] = "notifyMorningKickstart";      // bool     true
inline constexpr char notifyLimitNearFiveHourPercent[] = "notifyLimitNearFiveHourPercent"; // int 90
inline constexpr char notifyLimitNearWeeklyPercent[] = "notifyLimitNearWeeklyPercent";     // int 90

// The morning kickstart: what the user set, then what it last did (times as
// ISO 8601 text).
inline constexpr char kickstartEnabled[] = "morningStartEnabled";               // bool    false
inline constexpr char kickstartHour[] = "morningStartHour";                     // int     7
inline constexpr char kickstartMinute[] = "morningStartMinute";                 // int     0
inline constexpr char kickstartChainEnabled[] = "morningStartChainEnabled";     // bool    false
inline constexpr char kickstartChainEndHour[] = "morningStartChainEndHour";     // int     23
inline constexpr char kickstartChainEndMinute[] = "morningStartChainEndMinute"; // int     0
inline constexpr char kickstartLastRunAt[] = "morningStartLastRunAt";           // time    never
inline constexpr char kickstartLastResult[] = "morningStartLastResult";         // string  none
inline constexpr char kickstartLastReason[] = "morningStartLastReason";         // string  none
inline constexpr char kickstartHandledSlot[] = "morningStartHandledSlot";       // time    none
inline constexpr char kickstartChainNextAt[] = "morningStartChainNextAt";       // time    none

} // namespace pacewise::AppSettingsKeys
