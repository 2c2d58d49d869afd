// The class-list lock between PCs, each played by a process of its own (tests/sperrkind): a PC whose clock is
// wrong, many PCs that meet one lock left behind, PCs that may not write into "k_liste", a share that runs full.
#include "platform/filelock.h"
#include "platform/files.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "support/fixtures.h"
#include "support/processes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace dverw;

namespace {

// A lock as this version makes it, stamped `sekunden` from now: a folder with its holder's mark in it (none where
// `marke` is empty: its holder went down between the two steps). Returns the mark's path.
QString sperrordner(const QString& pfad, qint64 sekunden, const QString& marke = QStringLiteral("pc7_4711_0a1b"))
{
    QDir().mkpath(pfad);
    const QString m = marke.isEmpty() ? pfad : pfad + u'/' + marke;
    QDir().mkpath(m);
    EXPECT_TRUE(stampFromNow(m, sekunden));
    return m;
}

class SperreTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        // A data folder that a user without rights in the test's own folder can reach.
        ASSERT_TRUE(m_frei.isValid());
        ::chmod(QFile::encodeName(m_frei.path()).constData(), 0755);
        datpfad = m_frei.path() + QStringLiteral("/daten/");
        QDir().mkpath(datpfad + QStringLiteral("k_liste"));
        QDir().mkpath(datpfad + QStringLiteral("Klassen"));
        ::chmod(QFile::encodeName(datpfad + QStringLiteral("Klassen")).constData(), 0777);
    }
    void TearDown() override
    {
        FileLock::setWaitForTests(-1);
        FileLock::setLineWriteFailureForTests(false);
        TaviTest::TearDown();
    }

    QString klisten(const QString& datei = {}) const { return datpfad + QStringLiteral("k_liste/") + datei; }

    // Starts a PC; `umgebung` adds to the environment, `fremd` runs it as a user without rights.
    QProcess* starten(const QStringList& argumente, const QStringList& umgebung = {}, bool fremd = false)
    {
        return m_kinder.start(argumente, umgebung, fremd);
    }
    // Waits for a PC to end; its exit code, or -1 when it did not end or crashed. Its output goes to `ausgabe`.
    static int ende(QProcess* p, QString* ausgabe = nullptr) { return ChildProcesses::finish(p, ausgabe, 20000); }

    // Whether a PC of a user without rights can run here: the helper reached through every folder above it.
    bool fremdMoeglich()
    {
        if (::geteuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) return false;
        return ende(starten({ "uhr" }, {}, true)) == 0;
    }

    QTemporaryDir m_frei;
    QString datpfad;
    ChildProcesses m_kinder { QStringLiteral(SPERRKIND) };
};

TEST_F(SperreTest, APcWhoseClockRunsAheadWaitsForALiveLockAndKeepsEveryName)
{
    // A sanitizer build wants its runtime first among the libraries; the preloaded clock comes before it here.
    const QStringList voraus = { QStringLiteral("LD_PRELOAD=") + QStringLiteral(UHRVERSATZ),
        QStringLiteral("TAVI_UHR_VERSATZ_S=40"), QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0") };
    // The moved clock is what the process reads.
    QString uhr;
    ASSERT_EQ(ende(starten({ "uhr" }, voraus), &uhr), 0);
    EXPECT_NEAR(uhr.toLongLong() - QDateTime::currentSecsSinceEpoch(), 40, 5);

    // Three administrations add 12 names each, one of them on the PC 40 s ahead; a slow share.
    writeBytes(klisten("KL3A.TXT"), "01 Anna\r\n");
    const QStringList langsam = { QStringLiteral("TAVI_SPERRE_SCHRITTPAUSE_MS=1") };
    QList<QProcess*> pcs;
    pcs << starten({ "hinzufuegen", datpfad, "KL3A", "Voraus", "12" }, voraus + langsam);
    pcs << starten({ "hinzufuegen", datpfad, "KL3A", "Bert", "12" }, langsam);
    pcs << starten({ "hinzufuegen", datpfad, "KL3A", "Carl", "12" }, langsam);
    for (QProcess* p : pcs) {
        QString ausgabe;
        EXPECT_EQ(ende(p, &ausgabe), 0) << ausgabe.toStdString();
    }
    const QStringList zeilen = klassenliste::alleZeilen(datpfad, "KL3A").mid(0, 40);
    ASSERT_EQ(zeilen.size(), 37);
    for (int i = 0; i < zeilen.size(); ++i)
        EXPECT_EQ(zeilen[i].left(3), protokoll::zweistellig(i + 1) + u' ');
    for (const char* name : { "Voraus", "Bert", "Carl" })
        for (int i = 0; i < 12; ++i)
            EXPECT_TRUE(zeilen.join(u'|').contains(QLatin1String(name) + QChar(u'a' + i))) << name;

    // And it never holds the lock while another PC does.
    pcs.clear();
    // It starts last, so that it meets the lock held.
    pcs << starten({ "halten", klisten("KL3B.LCK"), "30", "8", klisten("drinnen") });
    pcs << starten({ "halten", klisten("KL3B.LCK"), "30", "8", klisten("drinnen") });
    QThread::msleep(50);
    pcs << starten({ "halten", klisten("KL3B.LCK"), "30", "8", klisten("drinnen") }, voraus);
    for (QProcess* p : pcs) {
        QString ausgabe;
        EXPECT_EQ(ende(p, &ausgabe), 0) << ausgabe.toStdString();
    }
    EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.TXT" }));
}

TEST_F(SperreTest, EightPcsMeetingOneLockLeftBehindTakeItOneAtATime)
{
    // A slow share: a pause before each step on a lock file widens every gap between two steps.
    const QStringList langsam = { QStringLiteral("TAVI_SPERRE_SCHRITTPAUSE_MS=3") };
    for (int runde = 0; runde < 4; ++runde) {
        ASSERT_TRUE(earlierVersionsLock(klisten("KL3A.LCK")));
        QList<QProcess*> pcs;
        for (int i = 0; i < 8; ++i)
            pcs << starten({ "halten", klisten("KL3A.LCK"), "1", "5", klisten("drinnen") }, langsam);
        // Exit 0: each held it once, and never two at once (3).
        for (QProcess* p : pcs) {
            QString ausgabe;
            EXPECT_EQ(ende(p, &ausgabe), 0) << "Runde " << runde << ": " << ausgabe.toStdString();
        }
        EXPECT_TRUE(allEntries(klisten()).isEmpty()) << allEntries(klisten()).join(u' ').toStdString();
    }
}

TEST_F(SperreTest, ManyPcsSavingManyRoundsEachHoldItAlone)
{
    QList<QProcess*> pcs;
    for (int i = 0; i < 6; ++i)
        pcs << starten({ "halten", klisten("KL3A.LCK"), "15", "2", klisten("drinnen") },
            { QStringLiteral("TAVI_SPERRE_SCHRITTPAUSE_MS=1") });
    for (QProcess* p : pcs) {
        QString ausgabe;
        EXPECT_EQ(ende(p, &ausgabe), 0) << ausgabe.toStdString();
    }
    EXPECT_TRUE(allEntries(klisten()).isEmpty());
}

TEST_F(SperreTest, WhereALockCannotBeBrokenForWantOfRightsItIsWaitedForAndThePupilStillGetsAFolder)
{
    if (!fremdMoeglich()) GTEST_SKIP() << "kein zweiter Benutzer";
    writeBytes(klisten("KL3A.TXT"), "01 Anna\r\n02 Ben\r\n");
    const QStringList kurz = { QStringLiteral("TAVI_SPERRE_WARTE_MS=300") };
    for (const mode_t recht : { mode_t(0755), mode_t(01777) }) {
        // Pupils may read "k_liste" but not write there; or write, but not remove a teacher's file (sticky).
        ASSERT_TRUE(earlierVersionsLock(klisten("KL3A.LCK")));
        ::chmod(QFile::encodeName(klisten()).constData(), recht);
        QElapsedTimer uhr;
        uhr.start();
        QString ausgabe;
        EXPECT_EQ(ende(starten({ "sperren", klisten("KL3A.LCK") }, kurz, true), &ausgabe), 0);
        EXPECT_LT(uhr.elapsed(), 3000);
        // failed, read-only
        EXPECT_TRUE(ausgabe.startsWith("2 1 ")) << ausgabe.toStdString();

        EXPECT_EQ(ende(starten({ "ordner", datpfad, "KL3A", "2", "02 Ben" }, kurz, true), &ausgabe), 0);
        EXPECT_TRUE(ausgabe.startsWith("0 ")) << ausgabe.toStdString();
        EXPECT_TRUE(QDir(datpfad + "Klassen/KL3A/02 Ben").exists());

        // A teacher there is told which folder may not be written, not which lock file.
        EXPECT_EQ(ende(starten({ "hinzufuegen", datpfad, "KL3A", "Cem", "1" }, kurz, true), &ausgabe), 5);
        EXPECT_TRUE(ausgabe.contains("Ordner „k_liste“ des Datenordners")) << ausgabe.toStdString();
        EXPECT_TRUE(ausgabe.contains("Es wurde nichts gespeichert.")) << ausgabe.toStdString();
        EXPECT_FALSE(ausgabe.contains(".LCK")) << ausgabe.toStdString();
        EXPECT_EQ(readBytes(klisten("KL3A.TXT")), "01 Anna\r\n02 Ben\r\n");
        // The lock left behind is still there, and nothing of the tries beside it.
        EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.LCK", "KL3A.TXT" }));
        ::chmod(QFile::encodeName(klisten()).constData(), 0755);
        QFile::remove(klisten("KL3A.LCK"));
    }
}

TEST_F(SperreTest, AFolderThatCannotBeListedIsNeverANewOrADeletedList)
{
    if (!fremdMoeglich()) GTEST_SKIP() << "kein zweiter Benutzer";
    writeBytes(klisten("KL3A.TXT"), "01 Anna\r\n");
    // Files may be made there, but the folder may not be listed.
    ::chmod(QFile::encodeName(klisten()).constData(), 0333);
    QString ausgabe;
    EXPECT_EQ(ende(starten({ "anlegen", datpfad, "kl3a", "01 Neu" }, {}, true), &ausgabe), 0);
    EXPECT_TRUE(ausgabe.startsWith(QString::number(int(klassenliste::Speicherung::fehler)) + " "))
        << ausgabe.toStdString();
    EXPECT_TRUE(ausgabe.contains("Zugriff verweigert")) << ausgabe.toStdString();
    EXPECT_EQ(ende(starten({ "hinzufuegen", datpfad, "kl3a", "Ben", "1" }, {}, true), &ausgabe), 5);
    EXPECT_TRUE(ausgabe.startsWith(QString::number(int(klassenliste::Speicherung::fehler)) + " "))
        << ausgabe.toStdString();
    EXPECT_EQ(ende(starten({ "ordner", datpfad, "kl3a", "1", "01 Anna" }, {}, true), &ausgabe), 0);
    EXPECT_TRUE(ausgabe.startsWith(QString::number(int(klassenliste::Ordnerwahl::unlesbar)) + " "))
        << ausgabe.toStdString();
    ::chmod(QFile::encodeName(klisten()).constData(), 0755);
    EXPECT_EQ(readBytes(klisten("KL3A.TXT")), "01 Anna\r\n");
    EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.TXT" }));
    EXPECT_FALSE(QDir(datpfad + "Klassen/kl3a").exists());
}

TEST_F(SperreTest, ALockWhoseLineCannotBeWrittenIsGoneAtOnceAndTheSaveSaysWhy)
{
    writeBytes(klisten("KL3A.TXT"), "01 Anna\r\n");
    FileLock::setLineWriteFailureForTests(true);
    const klassenliste::Speicherergebnis e = namenHinzufuegen(datpfad, "KL3A", "Ben");
    EXPECT_EQ(e.art, klassenliste::Speicherung::fehler);
    EXPECT_TRUE(e.fehler.contains("ist voll; es wurde nichts gespeichert")) << e.fehler.toStdString();
    EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.TXT" }));
    FileLock::setLineWriteFailureForTests(false);
    // The next save is not told that another PC holds the list.
    EXPECT_EQ(namenHinzufuegen(datpfad, "KL3A", "Ben").art, klassenliste::Speicherung::gespeichert);
}

TEST_F(SperreTest, OnAFullShareNoLockIsLeftAndOnAReadOnlyOneTheFolderIsNamed)
{
    SmallFileSystem klein(64);
    if (!klein.mounted()) GTEST_SKIP() << "braucht root";
    QDir(klisten()).removeRecursively();
    ASSERT_TRUE(QFile::link(klein.path(), datpfad + "k_liste"));
    writeBytes(klisten("KL3A.TXT"), "01 Anna\r\n");
    klein.fill();
    klassenliste::Speicherergebnis e = namenHinzufuegen(datpfad, "KL3A", "Ben");
    EXPECT_EQ(e.art, klassenliste::Speicherung::fehler);
    EXPECT_TRUE(e.fehler.contains("ist voll; es wurde nichts gespeichert")) << e.fehler.toStdString();
    EXPECT_EQ(allEntries(klisten()), QStringList({ ".fuellung", "KL3A.TXT" }));
    EXPECT_EQ(readBytes(klisten("KL3A.TXT")), "01 Anna\r\n");

    QFile::remove(klisten(".fuellung"));
    ASSERT_TRUE(earlierVersionsLock(klisten("KL3A.LCK")));
    klein.makeReadOnly();
    FileLock::setWaitForTests(200);
    e = namenHinzufuegen(datpfad, "KL3A", "Ben");
    EXPECT_EQ(e.art, klassenliste::Speicherung::nurLesbar);
    EXPECT_EQ(klassenliste::nurLesbarMeldung(datpfad),
        "Die Klassenlisten können an diesem Rechner nicht geändert werden: in den Ordner „k_liste“ des Datenordners ("
            + datpfad + "k_liste) darf von diesem Rechner aus nicht geschrieben werden. Es wurde nichts gespeichert.");
    EXPECT_EQ(listeAnlegen(datpfad, "KL3B", { "01 Ben" }).art, klassenliste::Speicherung::nurLesbar);
    const Loeschergebnis l = listeLoeschen(datpfad, "KL3A");
    EXPECT_FALSE(l.geloescht);
    EXPECT_TRUE(l.meldung.contains("in den Ordner „k_liste“ des Datenordners")) << l.meldung.toStdString();
    // A pupil's folder is still made, by the check without the lock.
    QString ordner;
    QString fehler;
    EXPECT_EQ(klassenliste::ordnerWaehlen(datpfad, "KL3A", klassenliste::lesen(datpfad, "KL3A"), 1, ordner, fehler),
        klassenliste::Ordnerwahl::angelegt);
    EXPECT_TRUE(QDir(datpfad + "Klassen/KL3A/01 Anna").exists());
}

TEST_F(SperreTest, TheWaitIsToldAndPausesBetweenTries)
{
    QList<FileLock::WaitPhase> phasen;
    FileLock::setWaitObserver([&](FileLock::WaitPhase p) { phasen << p; });
    {
        const FileLock anderer(klisten("KL3A.LCK"));
        const FileLock schnell(klisten("KL3B.LCK"));
        EXPECT_TRUE(schnell.held());
        EXPECT_TRUE(phasen.isEmpty()); // no wait, nothing to show
        QElapsedTimer uhr;
        uhr.start();
        const FileLock zweiter(klisten("KL3A.LCK"), 200);
        EXPECT_EQ(zweiter.status(), FileLock::Status::busy);
        EXPECT_GE(uhr.elapsed(), 200);
        ASSERT_GE(phasen.size(), 3);
        EXPECT_EQ(phasen.first(), FileLock::WaitPhase::begins);
        EXPECT_EQ(phasen.last(), FileLock::WaitPhase::ends);
        // One try per pause, never a loop without one.
        EXPECT_LE(phasen.count(FileLock::WaitPhase::pauses), 200 / FileLock::kPauseMs + 2);
    }
    FileLock::setWaitObserver({});
    EXPECT_TRUE(allEntries(klisten()).isEmpty());
}

TEST_F(SperreTest, WhatAPcThatWentDownLeftIsRemovedByTheNextSaveAndTheListIsThenDeleted)
{
    writeBytes(klisten("3A.TXT"), "01 Anna\r\n");
    const QString anna = datpfad + "Klassen/3A/01 Anna/";
    QDir().mkpath(anna);
    // A protocol cut short by a PC that went down: its claim and an empty file under its name; a class list's
    // rewrite and a probe of the share's clock cut short; all a minute old. And a probe made a second ago.
    QDir().mkpath(anna + ".H1_7_01.txt.neu");
    writeBytes(anna + "H1_7_01.txt", "");
    writeBytes(klisten(".neu-0f3c9a.tmp"), "01 Cem\r\n");
    QDir().mkpath(klisten(".uhr-pc7_4711_0a1b"));
    QDir().mkpath(klisten(".uhr-pc8_4712_0c0d"));
    for (const QString& alt :
        { anna + ".H1_7_01.txt.neu", anna + "H1_7_01.txt", klisten(".neu-0f3c9a.tmp"), klisten(".uhr-pc7_4711_0a1b") })
        ASSERT_TRUE(stampFromNow(alt, -60));
    ASSERT_TRUE(stampFromNow(klisten(".uhr-pc8_4712_0c0d"), -1));

    EXPECT_EQ(namenHinzufuegen(datpfad, "3A", "Ben").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(allEntries(klisten()), QStringList({ ".uhr-pc8_4712_0c0d", "3A.TXT" }));

    // A claim a second old is a PC at work: the list is not deleted under it.
    QDir().mkpath(anna + ".H1_7_02.txt.neu");
    ASSERT_TRUE(stampFromNow(anna + ".H1_7_02.txt.neu", -1));
    Loeschergebnis e = listeLoeschen(datpfad, "3A");
    EXPECT_FALSE(e.geloescht);
    EXPECT_TRUE(QFileInfo(anna + ".H1_7_02.txt.neu").isDir());
    // Once the claims are stale they are the program's own leftovers, never a stranger's file.
    ASSERT_TRUE(stampFromNow(anna + ".H1_7_02.txt.neu", -60));
    e = listeLoeschen(datpfad, "3A");
    EXPECT_TRUE(e.geloescht) << e.meldung.toStdString();
    EXPECT_FALSE(QFileInfo::exists(datpfad + "Klassen/3A"));
}

TEST_F(SperreTest, ALockBeingGivenBackElsewhereIsWaitedForWhateverTheShareAnswers)
{
    // Held by another PC, which gives it back in a moment; meanwhile the share says of the lock, as it is
    // removed, that it is no folder (a listing) or an I/O error (a make).
    for (const int antwort : { ENOTDIR, EIO }) {
        const QString marke = sperrordner(klisten("KL3A.LCK"), 0);
        QElapsedTimer seit;
        seit.start();
        files::setShareAnswerForTests([&](const char* schritt, const QString& pfad) {
            const bool bisher = seit.elapsed() < 600 && pfad.endsWith(QLatin1String("KL3A.LCK"));
            if (bisher && antwort == ENOTDIR && qstrcmp(schritt, "opendir") == 0) return ENOTDIR;
            if (bisher && antwort == EIO && qstrcmp(schritt, "mkdir") == 0 && seit.elapsed() > 150) return EIO;
            return 0;
        });
        std::thread anderer([&] {
            QThread::msleep(300);
            QDir().rmdir(marke);
            QDir().rmdir(klisten("KL3A.LCK"));
        });
        {
            const FileLock sperre(klisten("KL3A.LCK"), 2000);
            EXPECT_TRUE(sperre.held()) << antwort << " " << sperre.error().toStdString();
        }
        anderer.join();
        files::setShareAnswerForTests({});
        EXPECT_TRUE(allEntries(klisten()).isEmpty()) << allEntries(klisten()).join(u' ').toStdString();
    }

    // A lock held through all of the wait is busy, also where the share's last answer was an I/O error, or where it
    // answered so to the probe of its clock.
    sperrordner(klisten("KL3B.LCK"), 0);
    for (const char* probe : { "", "/.uhr-" }) {
        QElapsedTimer seit;
        seit.start();
        files::setShareAnswerForTests([&](const char* schritt, const QString& pfad) {
            if (qstrcmp(schritt, "mkdir") != 0) return 0;
            if (*probe) return pfad.contains(QLatin1String(probe)) ? EIO : 0;
            return pfad.endsWith(QLatin1String("KL3B.LCK")) && seit.elapsed() > 150 ? EIO : 0;
        });
        const FileLock sperre(klisten("KL3B.LCK"), 400);
        files::setShareAnswerForTests({});
        EXPECT_EQ(sperre.status(), FileLock::Status::busy) << probe << " " << sperre.error().toStdString();
    }
}

} // namespace

namespace {

class SperrformTest : public SperreTest { };

TEST_F(SperrformTest, AHeldLockIsAFolderWithTheHoldersMarkAndNothingElse)
{
    {
        const FileLock sperre(klisten("KL3A.LCK"));
        ASSERT_TRUE(sperre.held());
        EXPECT_TRUE(QFileInfo(klisten("KL3A.LCK")).isDir());
        const QStringList marken = allEntries(klisten("KL3A.LCK"));
        ASSERT_EQ(marken.size(), 1);
        // Who holds it, for a teacher who finds it: the PC and the process.
        EXPECT_TRUE(marken[0].contains(QStringLiteral("_%1_").arg(QCoreApplication::applicationPid())))
            << marken[0].toStdString();
        EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.LCK" }));
    }
    EXPECT_TRUE(allEntries(klisten()).isEmpty());
}

TEST_F(SperrformTest, LocksLeftBehindInEveryFormAreTakenOverAndNothingOfThemStays)
{
    sperrordner(klisten("KL3A.LCK"), -60);
    sperrordner(klisten("KL3B.LCK"), -60, {});
    ASSERT_TRUE(earlierVersionsLock(klisten("KL3C.LCK")));
    // One whose breaker went down while breaking it: the breaker is broken too.
    sperrordner(klisten("KL3D.LCK"), -90);
    sperrordner(klisten("KL3D.LCK~pc7_4711_0a1b"), -60, {});
    for (const char* liste : { "KL3A", "KL3B", "KL3C", "KL3D" }) {
        QElapsedTimer uhr;
        uhr.start();
        {
            const FileLock sperre(klisten(liste + QStringLiteral(".LCK")), 2000);
            EXPECT_TRUE(sperre.held()) << liste;
        }
        EXPECT_LT(uhr.elapsed(), 1000) << liste;
    }
    EXPECT_TRUE(allEntries(klisten()).isEmpty()) << allEntries(klisten()).join(u' ').toStdString();
}

TEST_F(SperrformTest, AFreshOrFutureLockIsWaitedForAndNeverBrokenOrAnError)
{
    // Made just now; its mark not yet in; stamped two minutes into the share's future (a server clock set back).
    const QString frisch = sperrordner(klisten("KL3A.LCK"), 0);
    sperrordner(klisten("KL3B.LCK"), 0, {});
    const QString zukunft = sperrordner(klisten("KL3C.LCK"), 120);
    ASSERT_TRUE(earlierVersionsLock(klisten("KL3D.LCK")));
    ASSERT_TRUE(stampFromNow(klisten("KL3D.LCK"), 120));
    for (const char* liste : { "KL3A", "KL3B", "KL3C", "KL3D" }) {
        const FileLock sperre(klisten(liste + QStringLiteral(".LCK")), 300);
        EXPECT_EQ(sperre.status(), FileLock::Status::busy) << liste << " " << sperre.error().toStdString();
        EXPECT_TRUE(sperre.error().isEmpty()) << liste;
    }
    EXPECT_TRUE(QFileInfo::exists(frisch));
    EXPECT_TRUE(QFileInfo::exists(zukunft));
    EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.LCK", "KL3B.LCK", "KL3C.LCK", "KL3D.LCK" }));
}

TEST_F(SperrformTest, AWaitLooksAtTheSharesClockOnceAndMakesNothingElse)
{
    sperrordner(klisten("KL3A.LCK"), 0);
    CreationCounter gemacht(klisten());
    const FileLock sperre(klisten("KL3A.LCK"), 1000);
    EXPECT_EQ(sperre.status(), FileLock::Status::busy);
    const QStringList namen = gemacht.made();
    ASSERT_EQ(namen.size(), 1) << namen.join(u' ').toStdString();
    EXPECT_TRUE(namen[0].startsWith(".uhr-"));
    EXPECT_EQ(allEntries(klisten()), QStringList({ "KL3A.LCK" }));
}

TEST_F(SperrformTest, AHolderWhoseLockWasBrokenAndMadeAnewLeavesTheNewOneAlone)
{
    {
        const FileLock sperre(klisten("KL3A.LCK"));
        ASSERT_TRUE(sperre.held());
        // Another PC took it as left behind and holds it now.
        const QString alt = klisten("KL3A.LCK/") + allEntries(klisten("KL3A.LCK")).value(0);
        ASSERT_TRUE(QDir().rmdir(alt));
        QDir().mkpath(klisten("KL3A.LCK/pc8_4712_0c0d"));
    }
    EXPECT_EQ(allEntries(klisten("KL3A.LCK")), QStringList({ "pc8_4712_0c0d" }));
}

TEST_F(SperrformTest, AHolderGivingBackALockWithAnotherPcsMarkBesideItsOwnLeavesThatOneAtOnce)
{
    // Only a folder that still shows the mark just taken out is tried again: one with another PC's mark in it
    // is that PC's lock, and a second try would only hold up the save that gives it back.
    int versuche = 0;
    {
        const FileLock sperre(klisten("KL3A.LCK"));
        ASSERT_TRUE(sperre.held());
        QDir().mkpath(klisten("KL3A.LCK/pc8_4712_0c0d"));
        files::setShareAnswerForTests([&](const char* schritt, const QString& pfad) {
            if (qstrcmp(schritt, "rmdir") == 0 && pfad.endsWith(QLatin1String("KL3A.LCK"))) ++versuche;
            return 0;
        });
    }
    files::setShareAnswerForTests({});
    EXPECT_EQ(versuche, 1);
    EXPECT_EQ(allEntries(klisten("KL3A.LCK")), QStringList({ "pc8_4712_0c0d" }));
}

} // namespace
