#include "guard/SettingsFileManager.h"
#include "system/FileLock.h"
#include "support/TestFiles.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <thread>


using namespace pacewise;
using namespace pacewise::test;

Q_DECLARE_METATYPE(pacewise::SettingsError::Kind)

namespace {

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

QJsonObject fileObject(const QString &path)
{
    return json(readFile(path));
}

SettingsFileManager::Options quickOptions()
{
    SettingsFileManager::Options options;
    options.parseRetryDelay = std::chrono::milliseconds(5);
    options.lockTimeout = std::chrono::milliseconds(200);
    return options;
}

const QString claudeHooks = u"/home/ada/.claude/hooks"_qs;

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString settings() const { return m_dir.filePath(u"claude/settings.json"_qs); }
    QString hooks() const { return m_dir.filePath(u"claude/hooks"_qs); }
    QString guardCommand() const { return hooks() + u"/rate-limit-guard.sh"_qs; }
    SettingsFileManager manager() const { return SettingsFileManager(quickOptions()); }

private slots:
    void init()
    {
        QDir(m_dir.filePath(u"claude"_qs)).removeRecursively();
        QDir().mkpath(m_dir.filePath(u"claude"_qs));
    }

    // Hooks in a folder whose name a shell would split get a quoted
    // command, and that command is still recognised as ours.
    void enableCreatesAPrivateFileAndDisableKeepsTheUsersEdits()
    {
        const SettingsFileManager::GuardSetup spaced{.hooksDirectory = m_dir.filePath(u"claude/it's hooks"_qs)};
        QVERIFY(manager().enableGuard(settings(), spaced));
        QCOMPARE(modeOf(settings()), mode_t(0600));
        const QJsonObject root = fileObject(settings());
        QCOMPARE(root.keys(), (QStringList{u"hooks"_qs, u"statusLine"_qs}));
        QCOMPARE(root[u"hooks"_qs][u"PreToolUse"_qs][0][u"hooks"_qs][0][u"command"_qs].toString(),
                 u"'"_qs + m_dir.path() + u"/claude/it'\\''s hooks/rate-limit-guard.sh'"_qs);
        const auto backup = StatusLineBackup::parse(readFile(SettingsFileManager::backupPath(settings())));
        QVERIFY(backup);
        QVERIFY(!backup->hadOriginal);
        QCOMPARE(backup->installed, std::optional(root[u"statusLine"_qs].toObject()));
        QVERIFY(manager().isGuardEnabled(settings()).value());
        // Enabled again, the file is left as it is.
        const auto before = regularFileIdentity(settings());
        QVERIFY(manager().enableGuard(settings(), spaced));
        QCOMPARE(regularFileIdentity(settings()), before);
        // Our status line edited since is the user's now, and stays.
        QJsonObject edited = root[u"statusLine"_qs].toObject();
        edited.insert(u"padding"_qs, 4);
        QVERIFY(writeFile(settings(), QJsonDocument(QJsonObject{{u"hooks"_qs, root[u"hooks"_qs]}, {u"statusLine"_qs, edited}}).toJson()));
        QVERIFY(manager().disableGuard(settings()));
        QVERIFY(!manager().isGuardEnabled(settings()).value());
        QCOMPARE(fileObject(settings()), (QJsonObject{{u"statusLine"_qs, edited}}));
    }

    // Settings files as users keep them (Claude Code's own layout; CRLF;
    // tabs; a byte order mark, inline objects and numbers as written; odd
    // strings, 64-bit integers and elements that are not even hook groups;
    // the user's own status line and hooks, some calling our scripts in
    // their own commands): guard on changes only our entries, laid out like
    // their neighbours, and guard off gives back the very bytes.
    void editsKeepTheUsersFile_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"sample", "foreign", "crlf", "tabs", "bom", "escapes"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void editsKeepTheUsersFile()
    {
        QFETCH(QString, name);
        const QString data = QStringLiteral(PACEWISE_TEST_DATA "/settings/edits/") + name;
        const QByteArray original = readFile(data + u".json"_qs);
        QVERIFY(writeFile(settings(), original));
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = claudeHooks}));
        const QByteArray enabled = readFile(settings());
        QVERIFY2(enabled == readFile(data + u".on.json"_qs), enabled.constData());
        QVERIFY(manager().disableGuard(settings()));
        QCOMPARE(readFile(settings()), original);
        QVERIFY(!QFileInfo::exists(SettingsFileManager::backupPath(settings())));
    }

    // Only entries exactly as Pacewise writes them go: a hook of the
    // user's that runs our script with a time-out of its own stays.
    void disableTidiesOnlyWhatIsOurs()
    {
        const QString ours = QStringLiteral(R"({"type":"command","command":"%1","timeout":25200,)"
                                            R"("statusMessage":"Pacewise: waiting for the usage limit to reset"})").arg(guardCommand());
        QVERIFY(writeFile(settings(), QStringLiteral(R"({"hooks":{"PreToolUse":[
            {"matcher":"*","hooks":[%1,{"type":"command","command":"audit.sh"}]},
            {"matcher":"*","hooks":[%1]},
            {"matcher":"Bash","hooks":[{"type":"command","command":"%2","timeout":60}]}]}})").arg(ours, guardCommand()).toUtf8()));
        QVERIFY(manager().disableGuard(settings()));
        QCOMPARE(fileObject(settings()), json(QStringLiteral(R"({"hooks":{"PreToolUse":[
            {"matcher":"*","hooks":[{"type":"command","command":"audit.sh"}]},
            {"matcher":"Bash","hooks":[{"type":"command","command":"%1","timeout":60}]}]}})").arg(guardCommand()).toUtf8()));

        QVERIFY(writeFile(settings(), QStringLiteral(R"({"hooks":{"PreToolUse":[{"hooks":[%1]}]},
                                                        "statusLine":{"type":"command","command":"%2/rate-limit-statusline.sh","refreshInterval":60}})")
                                          .arg(ours, hooks()).toUtf8()));
        QVERIFY(manager().disableGuard(settings()));
        QCOMPARE(fileObject(settings()), QJsonObject());
        QVERIFY(manager().disableGuard(m_dir.filePath(u"claude/missing.json"_qs)));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(u"claude/missing.json"_qs)));
    }

    void badFilesAreRefusedAndLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content"); // "<dir>": a folder in its place
        QTest::addColumn<QString>("operation");
        QTest::addColumn<SettingsError::Kind>("kind");
        using K = SettingsError::Kind;
        QTest::newRow("top-level array") << QByteArray("[1]") << u"enable"_qs << K::rootIsNotObject;
        QTest::newRow("truncated") << QByteArray("{\"model\": \"op") << u"enable"_qs << K::invalidJSON;
        // Broken where the edit would not even look.
        QTest::newRow("bare word") << QByteArray("{\"model\": opus, \"x\": 1}") << u"enable"_qs << K::invalidJSON;
        QTest::newRow("folder in its place") << QByteArray("<dir>") << u"enable"_qs << K::notRegularFile;
        QTest::newRow("17 MiB") << QByteArray("{\"x\":\"") + QByteArray(17 << 20, 'x') + "\"}" << u"enable"_qs << K::tooLarge;
        QTest::newRow("hooks not an object") << QByteArray(R"({"hooks":"mine"})") << u"enable"_qs << K::wrongType;
        QTest::newRow("env not an object") << QByteArray(R"({"env":["A=1"]})") << u"resume"_qs << K::wrongType;
        QTest::newRow("read-only") << QByteArray(R"({"model":"opus"})") << u"enable"_qs << K::readOnly;
        QTest::newRow("another Pacewise editing") << QByteArray(R"({"model":"opus"})") << u"enable"_qs << K::lockUnavailable;
    }

    void badFilesAreRefusedAndLeftAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, operation);
        QFETCH(SettingsError::Kind, kind);
        if (content == "<dir>")
            QVERIFY(QDir().mkpath(settings() + u"/inside"_qs));
        else
            QVERIFY(writeFile(settings(), content));
        if (kind == SettingsError::Kind::readOnly) // a configuration locked on purpose
            QVERIFY(QFile::setPermissions(settings(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        // Another Pacewise editing all the while: waited for, then said so.
        const auto otherEditor = kind == SettingsError::Kind::lockUnavailable ? FileLock::tryLock(SettingsFileManager::lockPath(settings()))
                                                                               : std::unexpected(0);
        const auto result = operation == u"resume" ? manager().setResumeDirectory(settings(), u"/t"_qs)
                                                   : manager().enableGuard(settings(), {.hooksDirectory = hooks()});
        QVERIFY(!result);
        QCOMPARE(result.error().kind, kind);
        if (content != "<dir>")
            QCOMPARE(readFile(settings()), content);
        // Nothing is left beside it but the (empty) lock every edit takes.
        QStringList left = QDir(m_dir.filePath(u"claude"_qs)).entryList(QDir::Files | QDir::Hidden);
        left.removeOne(u".settings.json.pacewise.lock"_qs);
        QCOMPARE(left, content == "<dir>" ? QStringList() : QStringList{u"settings.json"_qs});
    }

    // Claude Code rewrites the file in place: a reader may catch it empty or
    // half-written and must wait for the whole file instead of taking it.
    // Linked from elsewhere (dotfiles), the file stays linked.
    void aFileBeingRewrittenIsWaitedFor()
    {
        const QString real = m_dir.filePath(u"dotfiles/claude-settings.json"_qs);
        QVERIFY(writeFile(real, "{\"model\": \"op"));
        QVERIFY(QFile::link(real, settings()));
        SettingsFileManager::Options options = quickOptions();
        options.parseRetryDelay = std::chrono::milliseconds(40);
        std::thread writer([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            writeFile(settings(), R"({"model": "opus"})");
        });
        const auto result = SettingsFileManager(options).enableGuard(settings(), {.hooksDirectory = hooks()});
        writer.join();
        QVERIFY(result);
        QVERIFY(QFileInfo(settings()).isSymLink());
        QVERIFY(fileObject(real).contains(u"hooks"_qs));
        QCOMPARE(fileObject(real)[u"model"_qs].toString(), u"opus"_qs);
    }

    void resumeDirectoryIsRecordedInEnv()
    {
        const auto manager = this->manager();
        QCOMPARE(manager.resumeDirectory(settings(), u"/home/ada"_qs).value(), std::optional<QString>());
        QVERIFY(manager.setResumeDirectory(settings(), u"/home/ada/.claude/pacewise-resume-tickets/"_qs));
        QCOMPARE(fileObject(settings())[u"env"_qs][u"CC_LIMIT_GUARD_RESUME_DIR"_qs].toString(),
                 u"/home/ada/.claude/pacewise-resume-tickets"_qs);
        QVERIFY(writeFile(settings(), R"({"env":{"CC_LIMIT_GUARD_RESUME_DIR":"~/tickets","OTHER":"1"}})"));
        QCOMPARE(manager.resumeDirectory(settings(), u"/home/ada"_qs).value(), std::optional(u"/home/ada/tickets"_qs));
        QVERIFY(manager.setResumeDirectory(settings(), std::nullopt));
        QCOMPARE(fileObject(settings()), json(R"({"env":{"OTHER":"1"}})"));
        QVERIFY(writeFile(settings(), R"({"env":{"CC_LIMIT_GUARD_RESUME_DIR":""}})"));
        QCOMPARE(manager.resumeDirectory(settings(), u"/home/ada"_qs).value(), std::optional<QString>());
    }

    void lostRacesAreRetriedThenReported_data()
    {
        QTest::addColumn<bool>("afterWrite");
        QTest::addColumn<int>("racingAttempts");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("one lost race") << false << 1 << true;
        QTest::newRow("every attempt lost") << false << 4 << false;
        QTest::newRow("a write undone right afterwards") << true << 1 << true;
    }

    void lostRacesAreRetriedThenReported()
    {
        QFETCH(bool, afterWrite);
        QFETCH(int, racingAttempts);
        QFETCH(bool, succeeds);
        QVERIFY(writeFile(settings(), R"({"edits":0})"));
        SettingsFileManager::Options options = quickOptions();
        int foreignEdits = 0;
        // Another program writes the file between our read and our write,
        // or replaces what we just wrote.
        (afterWrite ? options.postWriteInterceptor : options.preWriteInterceptor) = [&](int attempt) {
            if (attempt <= racingAttempts)
                writeFile(settings(), QStringLiteral(R"({"edits":%1, "padding":"%2"})").arg(++foreignEdits).arg(QString(attempt, u'x')).toUtf8());
        };
        const auto result = SettingsFileManager(options).enableGuard(settings(), {.hooksDirectory = hooks()});
        QCOMPARE(result.has_value(), succeeds);
        if (!succeeds)
            QCOMPARE(result.error(), (SettingsError{.kind = SettingsError::Kind::concurrentModification, .attempts = 4}));
        QCOMPARE(fileObject(settings())[u"edits"_qs].toInt(), foreignEdits); // the foreign edit is never lost
        QCOMPARE(manager().isGuardEnabled(settings()).value(), succeeds);
        // A backup claiming our status line was installed only once it was.
        QCOMPARE(QFileInfo::exists(SettingsFileManager::backupPath(settings())), succeeds);
    }

    // Eight processes edit at random while a ninth rewrites a foreign key in
    // place without any lock, as Claude Code does. Nobody may see a broken
    // file, and the end state must hold the foreign writer's last value and
    // the effect of the last edit written.
    void concurrentEditorsNeverLoseOrCorrupt()
    {
        QVERIFY(writeFile(settings(), R"({"model":"opus"})"));
        const QString log = m_dir.filePath(u"claude/edits.log"_qs);
        const QString progress = log + u".progress"_qs;
        const QString final = m_dir.filePath(u"claude/final"_qs);
        constexpr int editors = 8;
        constexpr int editsEach = 100;

        // The foreign writer pauses for the last tenth of the edits, so that
        // the last one written can be told from the log.
        QProcess foreignWriter;
        foreignWriter.start(QStringLiteral(STRESS_WORKER),
                            {u"foreign"_qs, settings(), progress, QString::number(editors * editsEach * 9 / 10), final});
        QVERIFY(foreignWriter.waitForStarted());
        std::array<QProcess, editors> workers;
        for (int index = 0; index < editors; ++index)
            workers[index].start(QStringLiteral(STRESS_WORKER),
                                 {u"edit"_qs, settings(), hooks(), QString::number(index + 1), QString::number(editsEach), log});
        // However slow the machine, the wait lasts as long as the edits keep
        // coming: only a minute without one fails it.
        QElapsedTimer sinceLastEdit;
        sinceLastEdit.start();
        qsizetype editsDone = 0;
        for (QProcess &worker : workers) {
            while (worker.state() != QProcess::NotRunning && !worker.waitForFinished(50)) {
                if (const qsizetype now = readFile(progress).size(); now > editsDone) {
                    editsDone = now;
                    sinceLastEdit.restart();
                }
                QVERIFY2(sinceLastEdit.elapsed() < 60'000, "the editors made no progress for a minute");
            }
            QVERIFY2(worker.exitCode() == 0, worker.readAllStandardError().constData());
        }
        QVERIFY(writeFile(final, ""));
        QVERIFY(foreignWriter.state() == QProcess::NotRunning || foreignWriter.waitForFinished(10'000));
        const QList<QByteArray> foreignResult = foreignWriter.readAllStandardOutput().trimmed().split(' ');
        QCOMPARE(foreignResult.value(1), QByteArray("0")); // none of its writes was lost

        const QJsonObject root = fileObject(settings());
        QCOMPARE(root[u"model"_qs].toString(), u"opus"_qs);
        QCOMPARE(root[u"foreign"_qs].toInt(), foreignResult.value(0).toInt());
        const QStringList written = QString::fromUtf8(readFile(log)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(manager().isGuardEnabled(settings()).value(), written.lastIndexOf(u"enable"_qs) > written.lastIndexOf(u"disable"_qs));
        QCOMPARE(root[u"env"_qs][u"CC_LIMIT_GUARD_RESUME_DIR"_qs].toString(),
                 written.lastIndexOf(u"resume-on"_qs) > written.lastIndexOf(u"resume-off"_qs) ? u"/tickets"_qs : QString());
        QCOMPARE(root[u"hooks"_qs][u"PreToolUse"_qs].toArray().size() <= 1, true);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
