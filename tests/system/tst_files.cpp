#include "support/TestFiles.h"
#include "system/AtomicFileWriter.h"
#include "system/FileChangeWatcher.h"
#include "system/FileLock.h"
#include "system/RegularFile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace pacewise;
using namespace pacewise::test;

namespace {

QStringList leftovers(const QString &directory)
{
    return QDir(directory).entryList({u".*.tmp-*"_qs}, QDir::Files | QDir::Hidden);
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void replacesWithExactPermissionsWhateverTheUmask()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"settings.json"_qs);
        QVERIFY(writeFile(path, "old"));
        const ino_t oldInode = regularFileIdentity(path)->inode;

        const mode_t previousMask = ::umask(077);
        const auto written = writeFileAtomically(path, "new contents", 0640);
        ::umask(previousMask);

        QVERIFY(written);
        QCOMPARE(readFile(path), QByteArray("new contents"));
        QCOMPARE(modeOf(path), mode_t(0640));
        QVERIFY(regularFileIdentity(path)->inode != oldInode); // renamed into place, not rewritten
        QVERIFY(leftovers(dir.path()).isEmpty());
    }

    void failuresLeaveTargetAndNoTemporaryFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<AtomicWriteError::Kind>("kind");
        QTest::newRow("target is a non-empty folder") << u"state.json"_qs << AtomicWriteError::Kind::renameFailed;
        QTest::newRow("parent is a file") << u"parent/state.json"_qs << AtomicWriteError::Kind::createDirectoryFailed;
    }

    void failuresLeaveTargetAndNoTemporaryFile()
    {
        QFETCH(QString, path);
        QFETCH(AtomicWriteError::Kind, kind);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"state.json/keep"_qs), "kept"));
        QVERIFY(writeFile(dir.filePath(u"parent"_qs), "a file"));
        const auto written = writeFileAtomically(dir.filePath(path), "new", 0644);
        QVERIFY(!written);
        QCOMPARE(written.error().kind, kind);
        QVERIFY(written.error().errorNumber != 0);
        QVERIFY(leftovers(dir.path()).isEmpty());
        QCOMPARE(readFile(dir.filePath(u"state.json/keep"_qs)), QByteArray("kept"));
    }

    void readsOnlyBoundedRegularFiles_data()
    {
        QTest::addColumn<QString>("path"); // "%1" is a scratch folder
        QTest::addColumn<SymlinkPolicy>("symlinks");
        QTest::addColumn<int>("error"); // -1: read
        using K = FileReadError::Kind;
        const auto follow = SymlinkPolicy::follow;
        QTest::newRow("exactly the limit") << u"%1/limit"_qs << follow << -1;
        QTest::newRow("one byte over") << u"%1/over"_qs << follow << int(K::tooLarge);
        QTest::newRow("folder") << u"%1"_qs << follow << int(K::notRegularFile);
        QTest::newRow("FIFO") << u"%1/fifo"_qs << follow << int(K::notRegularFile);
        QTest::newRow("link refused") << u"%1/link"_qs << SymlinkPolicy::refuse << int(K::notRegularFile);
        // Files that claim size 0 but have contents must be read whole.
        QTest::newRow("size unknown in advance") << u"/proc/self/cmdline"_qs << follow << -1;
    }

    void readsOnlyBoundedRegularFiles()
    {
        QFETCH(QString, path);
        QFETCH(SymlinkPolicy, symlinks);
        QFETCH(int, error);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"file"_qs), "hello"));
        QVERIFY(writeFile(dir.filePath(u"limit"_qs), QByteArray(64, 'x')));
        QVERIFY(writeFile(dir.filePath(u"over"_qs), QByteArray(65, 'x')));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"fifo"_qs)).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(u"file"_qs), dir.filePath(u"link"_qs)));

        const QString resolved = path.contains(u"%1"_qs) ? path.arg(dir.path()) : path;
        const qint64 limit = resolved.startsWith(u"/proc"_qs) ? 1 << 20 : 64;
        const auto contents = readRegularFile(resolved, limit, symlinks);
        if (error >= 0) {
            QVERIFY(!contents);
            QCOMPARE(int(contents.error().kind), error);
            return;
        }
        QVERIFY(contents);
        QCOMPARE(contents->bytes, readFile(resolved));
        QVERIFY(!contents->bytes.isEmpty());
    }

    void aLockIsHeldByOneHolderAtATime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"run/pacewise.lock"_qs); // the folder is made
        {
            auto first = FileLock::tryLock(path);
            QVERIFY(first.has_value());
            first->recordOwner();
            const auto second = FileLock::tryLock(path);
            QVERIFY(!second);
            QCOMPARE(second.error(), EWOULDBLOCK);
            QCOMPARE(FileLock::recordedOwner(path), std::optional<qint64>(::getpid()));
        }
        QVERIFY(FileLock::tryLock(path).has_value()); // released with its holder

        QVERIFY(writeFile(path, "not a pid"));
        QCOMPARE(FileLock::recordedOwner(path), std::nullopt);
        QVERIFY(QFile::link(path, dir.filePath(u"link.lock"_qs)));
        QCOMPARE(FileLock::tryLock(dir.filePath(u"link.lock"_qs)).error(), ELOOP); // never through a planted link
    }

    void watcherReportsRealChangesOnly()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(u"config/Pacewise/Pacewise.conf"_qs); // not there yet
        FileChangeWatcher watcher({settings}, std::chrono::milliseconds(20));
        QSignalSpy changed(&watcher, &FileChangeWatcher::changed);

        QVERIFY(writeFile(settings, "[General]\na=1\n")); // created, folders and all
        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(writeFileAtomically(settings, "[General]\na=2\n", 0600).has_value()); // replaced by rename
        QTRY_COMPARE(changed.count(), 2);
        QVERIFY(writeFileAtomically(settings, "[General]\na=3\n", 0600).has_value()); // and again, once the watch moved on
        QTRY_COMPARE(changed.count(), 3);

        QVERIFY(writeFile(settings + u".lock"_qs, "")); // a lock file beside it is not a change
        QVERIFY(QFile::remove(settings + u".lock"_qs));
        QTest::qWait(200);
        QCOMPARE(changed.count(), 3);
        QVERIFY(QFile::remove(settings));
        QTRY_COMPARE(changed.count(), 4);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
