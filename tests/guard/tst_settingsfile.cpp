#include "guard/SettingsFileManager.h"
#include "system/FileLock.h"
#include "support/TestFiles.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
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

    void enableOnAMissingFileCreatesAPrivateOne()
    {
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = hooks()}));
        QCOMPARE(modeOf(settings()), mode_t(0600));
        const QJsonObject root = fileObject(settings());
        QCOMPARE(root.keys(), (QStringList{u"hooks"_qs, u"statusLine"_qs}));
        const auto backup = StatusLineBackup::parse(readFile(SettingsFileManager::backupPath(settings())));
        QVERIFY(backup);
        QVERIFY(!backup->hadOriginal);
        QCOMPARE(backup->installed, std::optional(root[u"statusLine"_qs].toObject()));
        QVERIFY(manager().isGuardEnabled(settings()).value());
        // Enabled again, the file is left as it is.
        const auto before = regularFileIdentity(settings());
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = hooks()}));
        QCOMPARE(regularFileIdentity(settings()), before);
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

    void aStatusLineEditedAfterEnableIsKept()
    {
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = hooks()}));
        QJsonObject root = fileObject(settings());
        QJsonObject edited = root[u"statusLine"_qs].toObject();
        edited.insert(u"padding"_qs, 4);
        root.insert(u"statusLine"_qs, edited);
        QVERIFY(writeFile(settings(), QJsonDocument(root).toJson()));
        QVERIFY(manager().disableGuard(settings()));
        QCOMPARE(fileObject(settings())[u"statusLine"_qs].toObject(), edited);
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
        const auto result = operation == u"enable" ? manager().enableGuard(settings(), {.hooksDirectory = hooks()})
                            : operation == u"disable" ? manager().disableGuard(settings())
                                                        : manager().setResumeDirectory(settings(), u"/t"_qs);
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
    void aFileBeingRewrittenIsWaitedFor()
    {
        QVERIFY(writeFile(settings(), "{\"model\": \"op"));
        SettingsFileManager::Options options = quickOptions();
        options.parseRetryDelay = std::chrono::milliseconds(40);
        std::thread writer([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            writeFile(settings(), R"({"model": "opus"})");
        });
        const auto result = SettingsFileManager(options).enableGuard(settings(), {.hooksDirectory = hooks()});
        writer.join();
        QVERIFY(result);
        QCOMPARE(fileObject(settings())[u"model"_qs].toString(), u"opus"_qs);
    }

    void commandsWithSpacesAreQuotedAndStillRecognised()
    {
        const QString spaced = m_dir.filePath(u"claude/it's hooks"_qs);
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = spaced}));
        const QString command = fileObject(settings())[u"hooks"_qs][u"PreToolUse"_qs][0][u"hooks"_qs][0][u"command"_qs].toString();
        QCOMPARE(command, u"'"_qs + m_dir.path() + u"/claude/it'\\''s hooks/rate-limit-guard.sh'"_qs);
        QVERIFY(manager().isGuardEnabled(settings()).value());
        QVERIFY(manager().disableGuard(settings()));
        QVERIFY(!manager().isGuardEnabled(settings()).value());
    }

    void aSymlinkedSettingsFileStaysLinked()
    {
        const QString real = m_dir.filePath(u"dotfiles/claude-settings.json"_qs);
        QVERIFY(writeFile(real, R"({"model":"opus"})"));
        QVERIFY(QFile::link(real, settings()));
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = hooks()}));
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
        QTest::addColumn<int>("racingAttempts");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("one lost race") << 1 << true;
        QTest::newRow("every attempt lost") << 4 << false;
    }

    void lostRacesAreRetriedThenReported()
    {
        QFETCH(int, racingAttempts);
        QFETCH(bool, succeeds);
        QVERIFY(writeFile(settings(), R"({"edits":0})"));
        SettingsFileManager::Options options = quickOptions();
        int foreignEdits = 0;
        // Another program writes the file between our read and our write.
        options.preWriteInterceptor = [&](int attempt) {
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

    void aWriteUndoneRightAfterwardsIsWrittenAgain()
    {
        SettingsFileManager::Options options = quickOptions();
        options.postWriteInterceptor = [&](int attempt) {
            if (attempt == 1)
                writeFile(settings(), R"({"model":"opus"})");
        };
        QVERIFY(SettingsFileManager(options).enableGuard(settings(), {.hooksDirectory = hooks()}));
        QVERIFY(manager().isGuardEnabled(settings()).value());
        QCOMPARE(fileObject(settings())[u"model"_qs].toString(), u"opus"_qs);
    }

    // Another Pacewise editing is waited for, and said so when it takes too
    // long; its lock ends with it, however it ends.
    void anotherEditorsLockIsWaitedFor()
    {
        auto other = FileLock::tryLock(SettingsFileManager::lockPath(settings()));
        QVERIFY(other);
        const auto refused = manager().enableGuard(settings(), {.hooksDirectory = hooks()});
        QVERIFY(!refused);
        QCOMPARE(refused.error().kind, SettingsError::Kind::lockUnavailable);
        other = std::unexpected(0);
        QVERIFY(manager().enableGuard(settings(), {.hooksDirectory = hooks()}));
    }

    // Eight processes edit at random while a ninth rewrites a foreign key in
    // place without any lock, as Claude Code does. Nobody may see a broken
    // file, and the end state must hold the foreign writer's last value and
    // the effect of the last edit written.
    void concurrentEditorsNeverLoseOrCorrupt()
    {
        QVERIFY(writeFile(settings(), R"({"model":"opus"})"));
        const QString log = m_dir.filePath(u"edits.log"_qs);
        const QString pause = m_dir.filePath(u"pause"_qs);
        const QString final = m_dir.filePath(u"final"_qs);
        QFile::remove(log);
        QFile::remove(log + u".progress"_qs);
        QFile::remove(pause);
        QFile::remove(final);
        constexpr int editors = 8;
        constexpr int editsEach = 100;

        QProcess foreignWriter;
        foreignWriter.start(QStringLiteral(STRESS_WORKER), {u"foreign"_qs, settings(), pause, final});
        QVERIFY(foreignWriter.waitForStarted());
        std::vector<std::unique_ptr<QProcess>> workers;
        for (int index = 0; index < editors; ++index) {
            workers.push_back(std::make_unique<QProcess>());
            workers.back()->start(QStringLiteral(STRESS_WORKER), {u"edit"_qs, settings(), hooks(), QString::number(index + 1),
                                                                  QString::number(editsEach), log});
        }
        // The foreign writer pauses for the last edits, so that the last one
        // written can be told from the log. However slow the machine, the
        // wait lasts as long as the edits keep coming: only a minute
        // without one fails it.
        QElapsedTimer sinceLastEdit;
        sinceLastEdit.start();
        qsizetype editsDone = 0;
        const auto editing = [&] {
            return std::ranges::any_of(workers, [](const auto &worker) { return worker->state() != QProcess::NotRunning; });
        };
        while (editsDone < editors * editsEach * 9 / 10 && editing()) {
            QTest::qWait(50);
            if (const qsizetype now = readFile(log + u".progress"_qs).size(); now > editsDone) {
                editsDone = now;
                sinceLastEdit.restart();
            }
            QVERIFY2(sinceLastEdit.elapsed() < 60'000, "the editors made no progress for a minute");
        }
        QVERIFY(writeFile(pause, ""));
        for (auto &worker : workers) {
            QVERIFY(worker->state() == QProcess::NotRunning || worker->waitForFinished(60'000));
            QVERIFY2(worker->exitCode() == 0, worker->readAllStandardError().constData());
        }
        QVERIFY(writeFile(final, ""));
        QVERIFY(foreignWriter.state() == QProcess::NotRunning || foreignWriter.waitForFinished(10'000));
        const QList<QByteArray> foreignResult = foreignWriter.readAllStandardOutput().trimmed().split(' ');
        const int lastForeignValue = foreignResult.value(0).toInt();
        QCOMPARE(foreignResult.value(1), QByteArray("0")); // none of its writes was lost

        const QJsonObject root = fileObject(settings());
        QCOMPARE(root[u"model"_qs].toString(), u"opus"_qs);
        QCOMPARE(root[u"foreign"_qs].toInt(), lastForeignValue);
        QStringList written = QString::fromUtf8(readFile(log)).split(u'\n', Qt::SkipEmptyParts);
        const auto last = [&](const QStringList &operations) {
            for (auto it = written.crbegin(); it != written.crend(); ++it) {
                if (operations.contains(*it))
                    return *it;
            }
            return QString();
        };
        QCOMPARE(manager().isGuardEnabled(settings()).value(), last({u"enable"_qs, u"disable"_qs}) == u"enable");
        QCOMPARE(root[u"env"_qs][u"CC_LIMIT_GUARD_RESUME_DIR"_qs].toString(),
                 last({u"resume-on"_qs, u"resume-off"_qs}) == u"resume-on" ? u"/tickets"_qs : QString());
        QCOMPARE(root[u"hooks"_qs][u"PreToolUse"_qs].toArray().size() <= 1, true);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
