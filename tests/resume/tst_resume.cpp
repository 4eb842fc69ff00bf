#include "resume/ResumeQueue.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace pacewise;
using namespace pacewise::test;

namespace {

const QString sessionA = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;
const QString sessionB = u"727bf826-03ae-4fc2-9f71-add1c61a409c"_qs;

QByteArray ticketJson(const QString &session, double resetsAt, double createdAt, const QByteArray &extra = {})
{
    return QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"/home/ada/work\",\"resets_at\":%2,\"created_at\":%3")
               .arg(session)
               .arg(resetsAt, 0, 'f', 3)
               .arg(createdAt, 0, 'f', 3)
               .toUtf8() +
           extra + '}';
}

} // namespace

class ResumeTest : public QObject {
    Q_OBJECT

private slots:
    void ticketsAreDecodedStrictly_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("valid");
        const QByteArray times = ",\"cwd\":\"/w\",\"resets_at\":100,\"created_at\":50}";
        const auto withId = [&](const char *id) { return QByteArray("{\"session_id\":\"") + id + '"' + times; };
        QTest::newRow("real ticket") << ticketJson(sessionA, 1796567200, 1796560000, ",\"used_percentage\":99") << true;
        QTest::newRow("upper-case UUID") << withId("0F76730A-752B-4AA3-865C-AEC0624EAEDB") << true;
        QTest::newRow("empty id") << withId("") << false;
        QTest::newRow("leading hyphen") << withId("-rf") << false;
        QTest::newRow("dot") << withId(".") << false;
        QTest::newRow("dot dot") << withId("..") << false;
        QTest::newRow("slash") << withId("0f76730a/752b-4aa3-865c-aec0624eaedb") << false;
        QTest::newRow("space") << withId("0f76730a 752b-4aa3-865c-aec0624eaedb") << false;
        QTest::newRow("safe but not a UUID") << withId("my-session") << false;
        QTest::newRow("Cyrillic look-alike") << withId("0f76730a-752b-4aa3-865c-aec0624eaed\xd0\xac") << false;
        QTest::newRow("relative cwd") << QByteArray("{\"session_id\":\"0f76730a-752b-4aa3-865c-aec0624eaedb\",\"cwd\":\"work\",\"resets_at\":1,\"created_at\":1}") << false;
        QTest::newRow("numeric id") << QByteArray("{\"session_id\":7,\"cwd\":\"/w\",\"resets_at\":1,\"created_at\":1}") << false;
        QTest::newRow("reset as text") << ticketJson(sessionA, 1, 1).replace("\"resets_at\":1.000", "\"resets_at\":\"1\"") << false;
        QTest::newRow("absurd reset") << ticketJson(sessionA, 1e300, 1) << false;
        QTest::newRow("missing created_at") << QByteArray("{\"session_id\":\"0f76730a-752b-4aa3-865c-aec0624eaedb\",\"cwd\":\"/w\",\"resets_at\":1}") << false;
        QTest::newRow("transcript of wrong type") << ticketJson(sessionA, 1, 1, ",\"transcript_path\":3") << false;
        QTest::newRow("not JSON") << QByteArray("{\"session_id\":") << false;
        QTest::newRow("array") << QByteArray("[]") << false;
    }

    void ticketsAreDecodedStrictly()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, valid);
        QCOMPARE(ResumeTicket::decode(json).has_value(), valid);
    }

    void optionalFieldsAreCleanedUp()
    {
        const auto ticket = ResumeTicket::decode(
            ticketJson(sessionA, 100.5, 50, ",\"transcript_path\":\"  /home/ada/t.jsonl\\n\",\"permission_mode\":\"acceptEdits\""));
        QVERIFY(ticket);
        QCOMPARE(ticket->transcriptPath, std::optional(u"/home/ada/t.jsonl"_qs));
        QCOMPARE(ticket->permissionMode, std::optional(u"acceptEdits"_qs));
        QCOMPARE(ticket->resetsAt.toMSecsSinceEpoch(), 100'500);
        QCOMPARE(ResumeTicket::decode(ticket->encode()), ticket);

        const auto loose = ResumeTicket::decode(
            ticketJson(sessionA, 1, 1, ",\"transcript_path\":\"relative.jsonl\",\"permission_mode\":\"yolo\""));
        QVERIFY(loose);
        QVERIFY(!loose->transcriptPath);
        QVERIFY(!loose->permissionMode);
    }

    void listingKeepsTheNewestTicketPerSessionInResetOrder()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(sessionA + u".json"_qs), ticketJson(sessionA, 300, 100)));
        QVERIFY(writeFile(dir.filePath(u"older-copy.JSON"_qs), ticketJson(sessionA, 900, 200)));
        QVERIFY(writeFile(dir.filePath(sessionB + u".json"_qs), ticketJson(sessionB, 300, 100)));
        QVERIFY(writeFile(dir.filePath(u"11111111-2222-4333-8444-555555555555.json"_qs),
                          ticketJson(u"11111111-2222-4333-8444-555555555555"_qs, 200, 100)));
        const auto tickets = ResumeQueue(dir.path()).tickets();
        QCOMPARE(tickets.size(), 3);
        QCOMPARE(tickets.at(0).sessionID, u"11111111-2222-4333-8444-555555555555"_qs);
        QCOMPARE(tickets.at(1).sessionID, sessionB); // same reset as A's old one: A's newest resets later
        QCOMPARE(tickets.at(2).sessionID, sessionA);
        QCOMPARE(tickets.at(2).createdAt.toSecsSinceEpoch(), 200);
    }

    void hostileFilesAreNeitherReadNorDeleted()
    {
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QByteArray valid = ticketJson(sessionA, 1, 1);
        QVERIFY(writeFile(outside.filePath(u"target.json"_qs), valid));
        QVERIFY(QFile::link(outside.filePath(u"target.json"_qs), dir.filePath(u"link.json"_qs)));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"fifo.json"_qs)).constData(), 0600), 0);
        QVERIFY(QDir().mkpath(dir.filePath(u"folder.json"_qs)));
        QVERIFY(writeFile(dir.filePath(u"huge.json"_qs), valid.chopped(1) + ",\"pad\":\"" + QByteArray(1 << 20, 'x') + "\"}"));
        QVERIFY(writeFile(dir.filePath(u".hidden.json"_qs), valid));
        QVERIFY(writeFile(dir.filePath(u"partial.json.tmp"_qs), valid));
        QVERIFY(writeFile(dir.filePath(u"-rf.json"_qs), ticketJson(u"-rf"_qs, 1, 1)));

        const ResumeQueue queue(dir.path());
        QVERIFY(queue.tickets().isEmpty());
        QVERIFY(queue.remove(sessionA));
        QVERIFY(queue.remove(u"-rf"_qs));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).size(), 7);
        QCOMPARE(readFile(outside.filePath(u"target.json"_qs)), valid);
        QVERIFY(ResumeQueue(dir.filePath(u"missing"_qs)).tickets().isEmpty());
    }

    void removalKeepsTicketsNewerThanTheAttempt()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"a-1.json"_qs), ticketJson(sessionA, 10, 100)));
        QVERIFY(writeFile(dir.filePath(u"a-2.json"_qs), ticketJson(sessionA, 20, 200)));
        QVERIFY(writeFile(dir.filePath(sessionB + u".json"_qs), ticketJson(sessionB, 10, 100)));
        const ResumeQueue queue(dir.path());
        QVERIFY(queue.remove(sessionA, QDateTime::fromSecsSinceEpoch(100, Qt::UTC)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{sessionB + u".json"_qs, u"a-2.json"_qs}));
        QVERIFY(queue.remove(sessionA));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{sessionB + u".json"_qs});
        QVERIFY(queue.remove(u"99999999-2222-4333-8444-555555555555"_qs));
    }
};

QTEST_GUILESS_MAIN(ResumeTest)
#include "tst_resume.moc"
