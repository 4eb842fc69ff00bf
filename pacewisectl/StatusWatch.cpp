#include "StatusWatch.h"

#include "ResumeText.h"
#include "app/BackgroundServices.h"
#include "resume/ClaudeSessions.h"
#include "resume/LastMessageResolver.h"
#include "resume/ResumeQueue.h"
#include "system/DisplayText.h"
#include "usage/UsagePollPolicy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentRun>

#include <unistd.h>

namespace pacewise::cli {

namespace {

// The alternate screen (left as it was on exit), the cursor home, the
// screen cleared, the cursor hidden while drawing.
constexpr char enterScreen[] = "\x1b[?1049h\x1b[?25l";
constexpr char leaveScreen[] = "\x1b[?25h\x1b[?1049l";
constexpr char clearScreen[] = "\x1b[H\x1b[2J";

QString holdsDirectory(const CommandContext &context)
{
    return QFileInfo(context.engineStatePath).dir().filePath(QStringLiteral("pacewise-holds"));
}

} // namespace

StatusWatch::StatusWatch(const CommandContext &context, bool askClaude, std::optional<double> timeoutSeconds,
                         QTextStream &out)
    : m_context(context)
    , m_askClaude(askClaude)
    , m_timeoutSeconds(timeoutSeconds)
    , m_out(out)
    , m_terminal(::isatty(STDOUT_FILENO) == 1)
    , m_files(QStringList{context.engineStatePath, context.claudePaths.resumeTicketDirectory(), holdsDirectory(context)},
              std::chrono::milliseconds(100))
{
    connect(&m_files, &FileChangeWatcher::changed, this, [this] {
        read(false);
        readSessions();
    });
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &StatusWatch::tick);
    connect(&m_signals, &ProcessSignals::terminationRequested, qApp, &QCoreApplication::quit);

    // Keys one at a time, without echo; Ctrl-C stays a signal.
    termios keyboard{};
    if (::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &keyboard) == 0) {
        m_savedKeyboard = keyboard;
        keyboard.c_lflag &= ~tcflag_t(ICANON | ECHO);
        keyboard.c_cc[VMIN] = 1;
        keyboard.c_cc[VTIME] = 0;
        ::tcsetattr(STDIN_FILENO, TCSANOW, &keyboard);
    }
    m_keys = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(m_keys.get(), &QSocketNotifier::activated, this, &StatusWatch::keysArrived);
}

StatusWatch::~StatusWatch()
{
    if (m_savedKeyboard)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &*m_savedKeyboard);
    if (m_terminal) {
        m_out << leaveScreen;
        m_out.flush();
    }
}

int StatusWatch::exec()
{
    if (m_terminal)
        m_out << enterScreen;
    readSessions();
    read(m_askClaude);
    m_clock.start();
    QCoreApplication::exec();
    return success;
}

// Figures on the pool: claude, when it is asked, takes seconds.
void StatusWatch::read(bool mayAskClaude)
{
    if (m_reading)
        return;
    m_reading = true;
    if (mayAskClaude)
        m_claudeAskedAt = m_context.clock();
    auto *reading = new QFutureWatcher<UsageFigures>(this);
    connect(reading, &QFutureWatcher<UsageFigures>::finished, this, [this, reading] {
        reading->deleteLater();
        m_reading = false;
        const UsageFigures figures = reading->result();
        if (figures.snapshot || !m_report) {
            m_recorded = figures.snapshot;
            m_report = StatusReport::from(figures, m_context);
        }
        draw();
    });
    reading->setFuture(QtConcurrent::run([context = m_context, timeout = m_timeoutSeconds, mayAskClaude] {
        return fetchUsageFigures(context, mayAskClaude ? UsageFigures::Ask::automatic : UsageFigures::Ask::stateFileOnly,
                                   timeout);
    }));
}

void StatusWatch::readSessions()
{
    const ResumeQueue queue(m_context.claudePaths.resumeTicketDirectory());
    const QList<ResumeTicket> tickets = queue.tickets();
    LastMessageResolver titles(m_context.claudePaths.sessionsDirectory());
    titles.reload(tickets);
    const QDateTime now = m_context.clock();
    m_sessions.clear();
    for (const ResumeTicket &ticket : tickets) {
        const ResumeStatus status = ResumeStatus::of(
            ticket, queue.record(ticket.sessionID),
            ClaudeSessions::openSession(m_context.claudePaths.sessionsDirectory(), ticket.sessionID), now);
        m_sessions << ticket.sessionID.left(8) + u"  "_qs + terminalText(titles.title(ticket)) + u": "_qs +
                          resumeStatusText(status, m_context);
    }
    draw();
}

// Each second: the countdowns move, and figures too old to trust are asked
// for again, at most once per interval they call for, unless another
// Pacewise polls already (its figures arrive through the file).
void StatusWatch::tick()
{
    const QDateTime now = m_context.clock();
    const int interval = UsagePollPolicy::intervalSeconds(m_recorded ? std::optional(m_recorded->asOf(now)) : std::nullopt, false);
    const auto confirmedAt = m_recorded ? m_recorded->latestConfirmation() : std::nullopt;
    const bool old = !confirmedAt || confirmedAt->secsTo(now) >= interval;
    if (m_askClaude && old && !m_reading && (!m_claudeAskedAt.isValid() || m_claudeAskedAt.secsTo(now) >= interval) &&
        !anotherPacewisePolls())
        read(true);
    draw();
}

void StatusWatch::draw()
{
    if (!m_report)
        return;
    StatusReport shown = *m_report;
    shown.now = m_context.clock();
    shown.snapshot = m_recorded ? std::optional(m_recorded->asOf(shown.now)) : std::nullopt;
    QString text;
    QTextStream screen(&text);
    shown.printText(m_context, screen);
    screen << '\n' << (m_sessions.isEmpty() ? QStringLiteral("No paused sessions.") : m_sessions.join(u'\n')) << '\n';
    screen.flush();
    if (m_terminal) {
        m_out << clearScreen << text << "\nq quits; redrawn as the figures change\n";
    } else {
        // Into a pipe each state goes once, without the ticking times.
        static const QRegularExpression ticking(QStringLiteral("in [0-9][^\\n]*|Updated: [^\\n]*"));
        const QString state = QString(text).remove(ticking);
        if (state == m_lastPrinted)
            return;
        m_lastPrinted = state;
        m_out << text << "--\n";
    }
    m_out.flush();
    if (m_out.status() != QTextStream::Ok)
        QCoreApplication::quit(); // nobody reads any more
}

void StatusWatch::keysArrived()
{
    char keys[64];
    const ssize_t count = ::read(STDIN_FILENO, keys, sizeof keys);
    if (count <= 0) {
        m_keys->setEnabled(false); // no keyboard, or it went away: Ctrl-C still leaves
        return;
    }
    for (ssize_t index = 0; index < count; ++index) {
        if (keys[index] == 'q' || keys[index] == 'Q')
            QCoreApplication::quit();
    }
}

bool StatusWatch::anotherPacewisePolls() const
{
    return BackgroundServices::runningProcess().has_value();
}

} // namespace pacewise::cli
