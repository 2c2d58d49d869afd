// A lock between the two ages at which one counts as left behind: a lock folder without its holder's mark is
// left behind after a few seconds, one with a mark only after the time a real change could take. And how often a
// wait for a lock in use touches the share.

#include "platform/filelock.h"
#include "platform/files.h"
#include "support/fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <sys/stat.h>

namespace {

// A lock folder stamped `sekunden` from now, with the mark `marke` in it (none where empty).
void sperre(const QString& pfad, qint64 sekunden, const QString& marke)
{
    QDir().mkpath(pfad);
    const QString m = marke.isEmpty() ? pfad : pfad + u'/' + marke;
    QDir().mkpath(m);
    ASSERT_TRUE(stampFromNow(m, sekunden));
}

// The name under which the earlier version broke a lock file whose line ends in no id: its stamp, size and
// file number.
QString bruchname(const QString& pfad)
{
    struct stat st { };
    EXPECT_EQ(::stat(QFile::encodeName(pfad).constData(), &st), 0);
    const qint64 ns = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return pfad + u'~' + QString::number(ns, 16) + u's' + QString::number(qint64(st.st_size), 16) + u'i'
        + QString::number(quint64(st.st_ino), 16);
}

// The name of the breaker of the folder `pfad` that holds no mark: "~e" and its stamp in hex.
QString leerbrecher(const QString& pfad)
{
    struct stat st { };
    EXPECT_EQ(::stat(QFile::encodeName(pfad).constData(), &st), 0);
    return pfad + QStringLiteral("~e")
        + QString::number(qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, 16);
}

// Restores the wait and the observer of locks whatever a test left.
struct WarteZurueck {
    ~WarteZurueck()
    {
        FileLock::setWaitForTests(-1);
        FileLock::setWaitObserver({});
    }
};

} // namespace

TEST_F(TaviTest, ALockBetweenTheTwoAgesIsJudgedByTheLimitOfItsOwnForm)
{
    static_assert(FileLock::kStaleMs > 10000, "a marked lock of ten seconds is still in use");
    const QString ordner = testFolder() + "/k_liste";
    const QString mitMarke = ordner + "/KL3A.LCK", ohneMarke = ordner + "/KL3B.LCK";
    sperre(mitMarke, -10, QStringLiteral("pc7_4711_0a1b"));
    sperre(ohneMarke, -10, {});
    {
        QElapsedTimer uhr;
        uhr.start();
        const FileLock leer(ohneMarke, 2000);
        EXPECT_TRUE(leer.held()) << leer.error().toStdString();
        EXPECT_LT(uhr.elapsed(), 1000);
    }
    const FileLock lebt(mitMarke, 300);
    EXPECT_EQ(lebt.status(), FileLock::Status::busy);
    EXPECT_TRUE(lebt.error().isEmpty());
    EXPECT_EQ(allEntries(ordner), QStringList({ "KL3A.LCK" }));
}

TEST_F(TaviTest, EachFormOfLockIsLeftBehindOnlyPastItsOwnAge)
{
    // Each age a second or more from its limit: a few seconds for a folder without a mark, kStaleMs with one.
    static_assert(FileLock::kStaleMs == 30000, "the ages below are chosen around this limit");
    const QString ordner = testFolder() + "/k_liste";
    struct Fall {
        const char* liste;
        qint64 sekunden;
        bool marke;
        bool genommen;
    };
    for (const Fall& f : { Fall { "KL3A", -2, false, false }, Fall { "KL3B", -4, false, true },
             Fall { "KL3C", -28, true, false }, Fall { "KL3D", -32, true, true } }) {
        const QString pfad = ordner + u'/' + f.liste + ".LCK";
        sperre(pfad, f.sekunden, f.marke ? QStringLiteral("pc7_4711_0a1b") : QString());
        // Short waits: no lock crosses its limit while this PC waits.
        const FileLock neu(pfad, f.genommen ? 600 : 300);
        EXPECT_EQ(neu.status(), f.genommen ? FileLock::Status::held : FileLock::Status::busy)
            << f.liste << " " << neu.error().toStdString();
        EXPECT_TRUE(neu.error().isEmpty()) << f.liste;
    }
    // A PC breaking a lock left behind holds its breaker, a folder without a mark: that one is judged by the
    // stale age too, so this PC waits and leaves both alone.
    const QString pfad = ordner + "/KL3E.LCK";
    sperre(pfad, -60, QStringLiteral("pc7_4711_0a1b"));
    sperre(pfad + "~pc7_4711_0a1b", -10, {});
    const FileLock wartet(pfad, 300);
    EXPECT_EQ(wartet.status(), FileLock::Status::busy) << wartet.error().toStdString();
    EXPECT_TRUE(QFileInfo::exists(pfad + "/pc7_4711_0a1b"));
    EXPECT_TRUE(QFileInfo::exists(pfad + "~pc7_4711_0a1b"));
}

TEST_F(TaviTest, ALockLeftBehindIsTakenAtTheFirstLookAtIt)
{
    // The first look reads the share's clock too; that reading alone must not cost a try.
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    sperre(pfad, -60, QStringLiteral("pc7_4711_0a1b"));
    const FileLock neu(pfad, FileLock::kLookAfterMs);
    EXPECT_TRUE(neu.held()) << neu.error().toStdString();
}

TEST_F(TaviTest, AnEarlierVersionsLockLeftBehindIsBrokenUnderTheNameThatVersionBreaksItUnder)
{
    // A PC of the earlier version breaking it just now holds its breaker: this PC waits and leaves both alone,
    // so the two never break it both. Its line names the breaker where it ends in a 32-digit id, else the
    // file's stamp, size and number do; a breaker of another name is not this lock's.
    const QString ordner = testFolder() + "/k_liste";
    const QByteArray id = QUuid::createUuid().toString(QUuid::Id128).toLatin1();
    struct Fall {
        const char* liste;
        QByteArray wort;
        bool mitId;
    };
    for (const Fall& f : { Fall { "KL3A", id, true }, Fall { "KL3B", "0a1b", false }, Fall { "KL3C", "pc7", false } }) {
        const QString pfad = ordner + u'/' + f.liste + ".LCK";
        ASSERT_TRUE(earlierVersionsLock(pfad, f.wort));
        const QString bricht = f.mitId ? pfad + u'~' + QString::fromLatin1(f.wort) : bruchname(pfad);
        writeBytes(bricht, "pc8 4712\r\n");
        const FileLock wartet(pfad, 300);
        EXPECT_EQ(wartet.status(), FileLock::Status::busy) << f.liste << " " << wartet.error().toStdString();
        EXPECT_TRUE(QFileInfo(pfad).isFile()) << f.liste;
        QFile::remove(bricht);
        // Under any other name, nobody is breaking it: it is taken.
        writeBytes(pfad + u'~' + (f.mitId ? QStringLiteral("0a1b") : QString::fromLatin1(f.wort)), "pc8 4712\r\n");
        const FileLock nimmt(pfad, 300);
        EXPECT_TRUE(nimmt.held()) << f.liste << " " << nimmt.error().toStdString();
    }
}

TEST_F(TaviTest, WithNoWaitABusyLockIsReportedBusyAtOnceWithoutAPause)
{
    const WarteZurueck zurueck;
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    sperre(pfad, 0, QStringLiteral("pc7_4711_0a1b"));
    QList<FileLock::WaitPhase> phasen;
    FileLock::setWaitObserver([&](FileLock::WaitPhase p) { phasen << p; });
    FileLock::setWaitForTests(0);
    const FileLock sofort(pfad);
    EXPECT_EQ(sofort.status(), FileLock::Status::busy);
    EXPECT_TRUE(phasen.isEmpty()) << phasen.size();
}

TEST_F(TaviTest, AWaitForALockInUseTriesAFewTimesASecond)
{
    // Each try is a round trip to the server where the data folder lies on a share.
    const WarteZurueck zurueck;
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    sperre(pfad, 0, QStringLiteral("pc7_4711_0a1b"));
    int versuche = 0;
    QList<FileLock::WaitPhase> phasen;
    FileLock::setWaitObserver([&](FileLock::WaitPhase p) { phasen << p; });
    files::setShareAnswerForTests([&](const char* schritt, const QString& p) {
        versuche += qstrcmp(schritt, "mkdir") == 0 && p == pfad;
        return 0;
    });
    QElapsedTimer uhr;
    uhr.start();
    const FileLock wartet(pfad, 2000);
    files::setShareAnswerForTests({});
    EXPECT_EQ(wartet.status(), FileLock::Status::busy);
    EXPECT_GE(uhr.elapsed(), 2000);
    EXPECT_LE(versuche, 16);
    // The window is still told of the wait as often as before.
    EXPECT_GE(phasen.count(FileLock::WaitPhase::pauses), 2000 / FileLock::kPauseMs / 2);
}

TEST_F(TaviTest, ALockWhoseBreakersBreakerWasLeftBehindTooIsTakenOver)
{
    // Two PCs went down one after the other, each while breaking what the one before left.
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    sperre(pfad, -120, QStringLiteral("pc7_4711_0a1b"));
    const QString brecher = pfad + QStringLiteral("~pc7_4711_0a1b");
    sperre(brecher, -90, {});
    sperre(leerbrecher(brecher), -60, {});
    // And a third PC while breaking the second's breaker: the last breaker has none of its own.
    sperre(leerbrecher(leerbrecher(brecher)), -45, {});
    {
        const FileLock neu(pfad, 2000);
        EXPECT_TRUE(neu.held()) << neu.error().toStdString();
    }
    EXPECT_TRUE(allEntries(testFolder() + "/k_liste").isEmpty())
        << allEntries(testFolder() + "/k_liste").join(u' ').toStdString();
}

TEST_F(TaviTest, AShareThatAnswersEveryTryWithAnIoErrorIsAFailureNotABusyLock)
{
    // No lock is there: the teacher is told the share does not work, not that another PC is saving.
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    QDir().mkpath(testFolder() + "/k_liste");
    files::setShareAnswerForTests([](const char* schritt, const QString& p) {
        return qstrcmp(schritt, "mkdir") == 0 && p.endsWith(QLatin1String("KL3A.LCK")) ? EIO : 0;
    });
    const FileLock keine(pfad, 300);
    files::setShareAnswerForTests({});
    EXPECT_EQ(keine.status(), FileLock::Status::failed);
    EXPECT_FALSE(keine.error().isEmpty());
    EXPECT_TRUE(allEntries(testFolder() + "/k_liste").isEmpty());

    // A lock found held is busy, also where the share answers every later try and look with an I/O error.
    sperre(pfad, 0, QStringLiteral("pc7_4711_0a1b"));
    QElapsedTimer seit;
    seit.start();
    files::setShareAnswerForTests([&](const char* schritt, const QString& p) {
        const bool lock = p.endsWith(QLatin1String("KL3A.LCK"));
        return lock && (qstrcmp(schritt, "mkdir") == 0 || qstrcmp(schritt, "lstat") == 0) && seit.elapsed() > 60 ? EIO
                                                                                                                 : 0;
    });
    const FileLock gehalten(pfad, 300);
    files::setShareAnswerForTests({});
    EXPECT_EQ(gehalten.status(), FileLock::Status::busy) << gehalten.error().toStdString();
    EXPECT_TRUE(gehalten.error().isEmpty());

    // A share that has gone away: said as a failure, with its reason.
    files::setShareAnswerForTests([](const char* schritt, const QString& p) {
        return qstrcmp(schritt, "lstat") == 0 && p.endsWith(QLatin1String("KL3A.LCK")) ? ENOTCONN : 0;
    });
    const FileLock weg(pfad, 300);
    files::setShareAnswerForTests({});
    EXPECT_EQ(weg.status(), FileLock::Status::failed);
    EXPECT_FALSE(weg.error().isEmpty());
}

TEST_F(TaviTest, ALockWhoseMarkTheShareRefusedForAMomentIsGivenBackAndMadeAgain)
{
    // The share still removes the lock before this one: it answers the mark with an I/O error for a moment. The
    // folder made without its mark must not stay, or every PC would wait for it for seconds.
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    QDir().mkpath(testFolder() + "/k_liste");
    QElapsedTimer seit;
    seit.start();
    files::setShareAnswerForTests([&](const char* schritt, const QString& p) {
        return qstrcmp(schritt, "mkdir") == 0 && p.startsWith(pfad + u'/') && seit.elapsed() < 150 ? EIO : 0;
    });
    {
        const FileLock sperre(pfad, 2000);
        files::setShareAnswerForTests({});
        EXPECT_TRUE(sperre.held()) << sperre.error().toStdString();
        EXPECT_LT(seit.elapsed(), 1500);
    }
    EXPECT_TRUE(allEntries(testFolder() + "/k_liste").isEmpty());
}

TEST_F(TaviTest, ALockLeftBehindIsTakenOnceTheShareAnswersTheLookAtItAgain)
{
    // While other PCs make and give back names beside it, the share answers the look with an I/O error for a
    // moment; the next look judges it.
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    sperre(pfad, -60, QStringLiteral("pc7_4711_0a1b"));
    QElapsedTimer seit;
    seit.start();
    files::setShareAnswerForTests([&](const char* schritt, const QString& p) {
        return qstrcmp(schritt, "lstat") == 0 && p.endsWith(QLatin1String("KL3A.LCK")) && seit.elapsed() < 250 ? EIO
                                                                                                               : 0;
    });
    {
        const FileLock neu(pfad, 2000);
        files::setShareAnswerForTests({});
        EXPECT_TRUE(neu.held()) << neu.error().toStdString();
    }
    EXPECT_TRUE(allEntries(testFolder() + "/k_liste").isEmpty());
}
