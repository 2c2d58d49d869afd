// The data folder on a school's file share: a Samba server of the tests' own, reached through gvfs (as a desktop's
// file manager mounts it) and through smbnetfs, each over two connections, so that two PCs meet at the server
// (tests/smb/freigabe.sh, a ctest fixture, writes where). Each PC is a process of its own (tests/sperrkind).
#include "platform/filelock.h"
#include "platform/files.h"
#include "shell/dverw_logik.h"
#include "shell/einstellungsdatei.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "shell/tav_i_logik.h"
#include "support/fixtures.h"
#include "support/processes.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <QUuid>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace dverw;

namespace {

struct Freigabe {
    QString grund; // why there is none
    QString server; // the share's folder on the server
    QMap<QString, QStringList> mounts; // "g" (gvfs) and "n" (smbnetfs): the two mounts of each
};

const Freigabe& freigabe()
{
    static const Freigabe f = [] {
        Freigabe f;
        const QString ordner = QStringLiteral(TAVI_SMB_ORDNER);
        QFile mounts(ordner + QStringLiteral("/mounts"));
        if (!mounts.open(QIODevice::ReadOnly)) {
            QFile grund(ordner + QStringLiteral("/grund"));
            f.grund = grund.open(QIODevice::ReadOnly) ? QString::fromUtf8(grund.readAll()).trimmed()
                                                      : QStringLiteral("die Freigabe wurde nicht gestartet (ctest "
                                                                       "startet sie mit dem Test smb_start)");
            return f;
        }
        for (const QString& zeile : QString::fromUtf8(mounts.readAll()).split(u'\n', Qt::SkipEmptyParts))
            f.mounts[zeile.section(u' ', 0, 0)] << zeile.section(u' ', 2);
        f.server = ordner + QStringLiteral("/share");
        return f;
    }();
    return f;
}

// One kind of mount: "g" gvfs, "n" smbnetfs.
class FreigabeTest : public TaviTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        if (!freigabe().grund.isEmpty()) GTEST_SKIP() << "keine SMB-Freigabe: " << freigabe().grund.toStdString();
        const QStringList m = freigabe().mounts.value(QLatin1String(GetParam()));
        ASSERT_EQ(m.size(), 2);
        // A data folder of this test's own, seen by the server and through both connections.
        const QString name = QStringLiteral("%1-%2").arg(
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()).section(u'/', 0, 0),
            QUuid::createUuid().toString(QUuid::Id128).left(8));
        server = freigabe().server + u'/' + name + u'/';
        eins = m[0] + u'/' + name + u'/';
        zwei = m[1] + u'/' + name + u'/';
        ASSERT_TRUE(QDir().mkpath(server + QStringLiteral("k_liste")));
        QDir().mkpath(server + QStringLiteral("Klassen"));
        for (int i = 0; i < 100 && !QFileInfo(zwei + QStringLiteral("k_liste")).isDir(); ++i)
            QThread::msleep(20);
    }
    void TearDown() override
    {
        FileLock::setWaitForTests(-1);
        TaviTest::TearDown();
    }

    QProcess* starten(const QStringList& argumente, const QStringList& umgebung = {})
    {
        return m_kinder.start(argumente, umgebung);
    }
    static int ende(QProcess* p, QString* ausgabe = nullptr) { return ChildProcesses::finish(p, ausgabe); }
    // A moment shortly ahead, at which processes started one after the other act together.
    static QString gleich() { return QString::number(QDateTime::currentMSecsSinceEpoch() + 700); }

    QString server, eins, zwei; // the data folder on the server and through the two connections
    ChildProcesses m_kinder { QStringLiteral(SPERRKIND) };
};

TEST_P(FreigabeTest, ThreePcsOnTwoConnectionsKeepEveryNameAndLeaveNothingBehind)
{
    for (int runde = 0; runde < 2; ++runde) {
        const QString liste = QStringLiteral("KL%1").arg(runde);
        writeBytes(server + "k_liste/" + liste + ".TXT", "01 Anna\r\n");
        // Each teacher types the next name while the others save theirs.
        const QStringList tippen = { QStringLiteral("TAVI_KIND_PAUSE_MS=150") };
        QList<QProcess*> pcs;
        pcs << starten({ "hinzufuegen", eins, liste, "Bert", "12" }, tippen);
        pcs << starten({ "hinzufuegen", eins, liste, "Carl", "12" }, tippen);
        pcs << starten({ "hinzufuegen", zwei, liste, "Dora", "12" }, tippen);
        for (QProcess* p : pcs) {
            QString ausgabe;
            // Exit 5: a save not done, with its outcome.
            EXPECT_EQ(ende(p, &ausgabe), 0) << "Runde " << runde << ": " << ausgabe.toStdString();
        }
        const QStringList zeilen = klassenliste::alleZeilen(server, liste).mid(0, 40);
        ASSERT_EQ(zeilen.size(), 37) << "Runde " << runde;
        for (int i = 0; i < zeilen.size(); ++i)
            EXPECT_EQ(zeilen[i].left(3), protokoll::zweistellig(i + 1) + u' ');
        for (const char* name : { "Bert", "Carl", "Dora" })
            for (int i = 0; i < 12; ++i)
                EXPECT_TRUE(zeilen.join(u'|').contains(QLatin1String(name) + QChar(u'a' + i))) << name;
    }
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "KL0.TXT", "KL1.TXT" }));
}

TEST_P(FreigabeTest, ANameIsSavedWhileAnotherPcHasTheListOpen)
{
    writeBytes(server + "k_liste/KL.TXT", "01 Anna\r\n");
    // Another PC reads the list just then: until it closes the file, the share cannot replace it.
    QFile offen(zwei + "k_liste/KL.TXT");
    ASSERT_TRUE(offen.open(QIODevice::ReadOnly));
    QProcess* pc = starten({ "hinzufuegen", eins, "KL", "Bert", "1" });
    QThread::msleep(1500);
    offen.close();
    QString ausgabe;
    EXPECT_EQ(ende(pc, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_EQ(klassenliste::alleZeilen(server, "KL").join(u'|'), "01 Anna|02 Berta");
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "KL.TXT" }));
}

TEST_P(FreigabeTest, TwoPcsHoldingTheLockManyTimesNeverHoldItAtOnce)
{
    const QString drinnen = QStringLiteral("k_liste/drinnen");
    QProcess* a = starten({ "halten", eins + "k_liste/KL3A.LCK", "25", "2", eins + drinnen });
    QProcess* b = starten({ "halten", zwei + "k_liste/KL3A.LCK", "25", "2", zwei + drinnen });
    QString ausgabe;
    EXPECT_EQ(ende(a, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_EQ(ende(b, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_TRUE(allEntries(server + "k_liste").isEmpty()) << allEntries(server + "k_liste").join(u' ').toStdString();
}

TEST_P(FreigabeTest, ALockLeftBehindAMinuteAgoIsTakenOver)
{
    // As this version leaves it: a folder with its holder's mark; as the earlier one left it: a file.
    QDir().mkpath(eins + "k_liste/KL3A.LCK/pc7_4711_" + QUuid::createUuid().toString(QUuid::Id128));
    ASSERT_TRUE(stampFromNow(eins + "k_liste/KL3A.LCK/" + allEntries(eins + "k_liste/KL3A.LCK").value(0), -60));
    // The file is made and stamped on the server itself: through smbnetfs a file's write may reach the server
    // after its stamp was set back, and stamp it anew.
    ASSERT_TRUE(earlierVersionsLock(server + "k_liste/KL3B.LCK"));
    for (const char* liste : { "KL3A", "KL3B" }) {
        QElapsedTimer uhr;
        uhr.start();
        {
            const FileLock sperre(zwei + "k_liste/" + liste + ".LCK");
            EXPECT_TRUE(sperre.held()) << liste << ": " << sperre.error().toStdString();
        }
        EXPECT_LT(uhr.elapsed(), 3000) << liste;
    }
    EXPECT_TRUE(allEntries(server + "k_liste").isEmpty()) << allEntries(server + "k_liste").join(u' ').toStdString();
}

TEST_P(FreigabeTest, AHeldLockIsWaitedForAndTakenWhenGivenBack)
{
    QProcess* halter = starten({ "halten", eins + "k_liste/KL3A.LCK", "1", "1500", eins + "k_liste/drinnen" });
    // The other PC has it.
    for (int i = 0; i < 200 && !QFileInfo::exists(server + "k_liste/drinnen"); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(QFileInfo::exists(server + "k_liste/drinnen"));
    QElapsedTimer uhr;
    uhr.start();
    {
        const FileLock sperre(zwei + "k_liste/KL3A.LCK");
        EXPECT_TRUE(sperre.held()) << sperre.error().toStdString();
        EXPECT_GE(uhr.elapsed(), 700);
        EXPECT_FALSE(QFileInfo::exists(server + "k_liste/drinnen"));
    }
    QString ausgabe;
    EXPECT_EQ(ende(halter, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_TRUE(allEntries(server + "k_liste").isEmpty()) << allEntries(server + "k_liste").join(u' ').toStdString();
}

TEST_P(FreigabeTest, ALockStampedInTheSharesFutureIsWaitedForNeverBroken)
{
    QDir().mkpath(server + "k_liste/KL3A.LCK/pc8_4712_" + QUuid::createUuid().toString(QUuid::Id128));
    const QString marke = server + "k_liste/KL3A.LCK/" + allEntries(server + "k_liste/KL3A.LCK").value(0);
    ASSERT_TRUE(stampFromNow(marke, 120));
    writeBytes(server + "k_liste/KL3B.LCK", "pc8 4712 2026-12-07T09:00:00\r\n");
    ASSERT_TRUE(stampFromNow(server + "k_liste/KL3B.LCK", 120));
    for (const char* liste : { "KL3A", "KL3B" }) {
        const FileLock sperre(zwei + "k_liste/" + liste + ".LCK", 600);
        EXPECT_EQ(sperre.status(), FileLock::Status::busy) << liste << ": " << sperre.error().toStdString();
    }
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "KL3A.LCK", "KL3B.LCK" }));
    EXPECT_TRUE(QFileInfo::exists(marke));
}

TEST_P(FreigabeTest, AFiveSecondWaitMakesAFewFilesOnly)
{
    QDir().mkpath(server + "k_liste/KL3A.LCK/pc9_4713_" + QUuid::createUuid().toString(QUuid::Id128));
    CreationCounter zaehler(server + "k_liste");
    QElapsedTimer uhr;
    uhr.start();
    QString ausgabe;
    EXPECT_EQ(ende(starten({ "sperren", eins + "k_liste/KL3A.LCK" }), &ausgabe), 0);
    EXPECT_GE(uhr.elapsed(), FileLock::kWaitMs);
    EXPECT_TRUE(ausgabe.startsWith(QString::number(int(FileLock::Status::busy)) + " ")) << ausgabe.toStdString();
    EXPECT_LE(zaehler.made().size(), 3) << zaehler.made().join(u' ').toStdString();
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "KL3A.LCK" }));
}

TEST_P(FreigabeTest, TwoProtocolsOfOnePupilAtOnceAreTwoFiles)
{
    const QString ordner = QStringLiteral("OHNELIST/Anna/");
    QDir().mkpath(server + ordner);
    for (int runde = 0; runde < 4; ++runde) {
        const QString start = gleich();
        QProcess* a = starten({ "protokoll", eins + ordner + "H1_7_", "von eins", start });
        QProcess* b = starten({ "protokoll", zwei + ordner + "H1_7_", "von zwei", start });
        QString pa, pb;
        ASSERT_EQ(ende(a, &pa), 0) << pa.toStdString();
        ASSERT_EQ(ende(b, &pb), 0) << pb.toStdString();
        EXPECT_TRUE(pa.endsWith(".txt") && pb.endsWith(".txt")) << pa.toStdString() << " | " << pb.toStdString();
        EXPECT_NE(QFileInfo(pa).fileName(), QFileInfo(pb).fileName());
    }
    const QStringList dateien = allEntries(server + ordner);
    ASSERT_EQ(dateien.size(), 8) << dateien.join(u' ').toStdString();
    int eigene = 0;
    for (const QString& d : dateien) {
        const QByteArray inhalt = readBytes(server + ordner + d);
        EXPECT_TRUE(inhalt == "von eins\r\n" || inhalt == "von zwei\r\n") << d.toStdString();
        eigene += inhalt == "von eins\r\n";
    }
    EXPECT_EQ(eigene, 4);
}

TEST_P(FreigabeTest, TwoPrintoutsOfOneTitleAtOnceAreTwoFiles)
{
    QDir().mkpath(server + "Ausdrucke");
    for (int runde = 0; runde < 3; ++runde) {
        const QString start = gleich();
        QProcess* a = starten({ "drucken", eins + "Ausdrucke", "Klassenliste KL3A", start });
        QProcess* b = starten({ "drucken", zwei + "Ausdrucke", "Klassenliste KL3A", start });
        QString pa, pb;
        ASSERT_EQ(ende(a, &pa), 0) << pa.toStdString();
        ASSERT_EQ(ende(b, &pb), 0) << pb.toStdString();
        EXPECT_TRUE(pa.endsWith(".pdf") && pb.endsWith(".pdf")) << pa.toStdString() << " | " << pb.toStdString();
        EXPECT_NE(QFileInfo(pa).fileName(), QFileInfo(pb).fileName());
    }
    const QStringList dateien = allEntries(server + "Ausdrucke");
    EXPECT_EQ(dateien.size(), 6) << dateien.join(u' ').toStdString();
    for (const QString& d : dateien)
        EXPECT_TRUE(readBytes(server + "Ausdrucke/" + d).startsWith("%PDF")) << d.toStdString();
}

TEST_P(FreigabeTest, SixPcsSavingNamesAtOnceAreNeverRefused)
{
    for (int runde = 0; runde < 3; ++runde) {
        const QString liste = QStringLiteral("KL%1").arg(runde);
        writeBytes(server + "k_liste/" + liste + ".TXT", "01 Anna\r\n");
        const QStringList tippen = { QStringLiteral("TAVI_KIND_PAUSE_MS=100") };
        QList<QProcess*> pcs;
        for (int pc = 0; pc < 6; ++pc)
            pcs << starten({ "hinzufuegen", pc % 2 ? zwei : eins, liste, QStringLiteral("Pc%1").arg(pc), "6" }, tippen);
        for (QProcess* p : pcs) {
            QString ausgabe;
            EXPECT_EQ(ende(p, &ausgabe), 0) << "Runde " << runde << ": " << ausgabe.toStdString();
        }
        EXPECT_EQ(klassenliste::lesen(server, liste).size(), 37) << "Runde " << runde;
    }
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "KL0.TXT", "KL1.TXT", "KL2.TXT" }));
}

TEST_P(FreigabeTest, FourPcsPrintingOneTitleAtOnceAllGetTheirPrintout)
{
    QDir().mkpath(server + "Ausdrucke");
    QSet<QString> namen;
    constexpr int kRunden = 6;
    for (int runde = 0; runde < kRunden; ++runde) {
        const QString start = gleich();
        QList<QProcess*> pcs;
        for (int pc = 0; pc < 4; ++pc)
            pcs << starten({ "drucken", (pc % 2 ? zwei : eins) + "Ausdrucke", "Rechnen bis 20", start });
        for (QProcess* p : pcs) {
            QString pfad;
            ASSERT_EQ(ende(p, &pfad), 0) << pfad.toStdString();
            EXPECT_TRUE(pfad.endsWith(".pdf")) << "Runde " << runde << ": " << pfad.toStdString();
            namen << QFileInfo(pfad).fileName();
        }
    }
    const QStringList dateien = allEntries(server + "Ausdrucke");
    EXPECT_EQ(namen.size(), 4 * kRunden);
    EXPECT_EQ(dateien.size(), 4 * kRunden) << dateien.join(u' ').toStdString();
    for (const QString& d : dateien)
        EXPECT_TRUE(readBytes(server + "Ausdrucke/" + d).startsWith("%PDF")) << d.toStdString();
}

TEST_P(FreigabeTest, WhatAPcThatWentDownLeftIsRemovedOnceStaleAndThenTheListIsDeletedWhereNothingForeignIsLeft)
{
    writeBytes(server + "k_liste/3A.TXT", "01 Anna\r\n");
    const QString anna = QStringLiteral("Klassen/3A/01 Anna/");
    QDir().mkpath(server + anna + ".H1_7_01.txt.neu");
    writeBytes(server + anna + "H1_7_01.txt", "");
    QDir().mkpath(server + anna + ".H1_7_02.txt.neu");
    writeBytes(server + "k_liste/.neu-0f3c9a.tmp", "01 Cem\r\n");
    QDir().mkpath(server + "k_liste/.uhr-pc7_4711_0a1b");
    for (const char* alt : { "k_liste/.neu-0f3c9a.tmp", "k_liste/.uhr-pc7_4711_0a1b", "Klassen/3A/01 Anna/H1_7_01.txt",
             "Klassen/3A/01 Anna/.H1_7_01.txt.neu" })
        ASSERT_TRUE(stampFromNow(server + alt, -60)) << alt;
    // The next save, on another PC.
    EXPECT_EQ(namenHinzufuegen(zwei, "3A", "Ben").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "3A.TXT" }));
    // The next protocol's look at the pupil's folder: the empty file of the stale claim is no protocol; a claim made
    // a moment ago stays.
    int err = -1;
    EXPECT_TRUE(files::listFiles(eins + anna, err).isEmpty());
    EXPECT_EQ(err, 0);
    EXPECT_EQ(allEntries(server + anna), QStringList({ ".H1_7_02.txt.neu" }));
    ASSERT_TRUE(stampFromNow(server + anna + ".H1_7_02.txt.neu", -60));
    // A folder someone put among the protocols is no protocol, also where the share lists no kinds of names (gvfs):
    // the deletion says it and removes nothing, neither of a pupil's folder sorted before it nor of its own.
    const QString ben = QStringLiteral("Klassen/3A/02 Ben/");
    writeBytes(server + anna + "H1_7_03.txt", "x\r\n");
    writeBytes(server + ben + "H1_7_01.txt", "x\r\n");
    QDir().mkpath(server + ben + "Zeichnungen");
    Loeschergebnis e = listeLoeschen(zwei, "3A");
    EXPECT_FALSE(e.geloescht);
    EXPECT_EQ(e.meldung,
        "Die Liste 3A wurde nicht gelöscht: im Ordner Klassen/3A/02 Ben liegt „Zeichnungen“, das keine "
        "Protokolldatei ist.");
    EXPECT_EQ(allEntries(server + anna), QStringList({ "H1_7_03.txt" }));
    EXPECT_EQ(allEntries(server + ben), QStringList({ "H1_7_01.txt", "Zeichnungen" }));
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "3A.TXT" }));
    QDir().rmdir(server + ben + "Zeichnungen");
    e = listeLoeschen(zwei, "3A");
    EXPECT_TRUE(e.geloescht) << e.meldung.toStdString();
    EXPECT_TRUE(allEntries(server + "Klassen").isEmpty());
    EXPECT_TRUE(allEntries(server + "k_liste").isEmpty());
}

TEST_P(FreigabeTest, ANewListIsMade)
{
    QString ausgabe;
    EXPECT_EQ(ende(starten({ "anlegen", eins, "3a", "01 Anna" }), &ausgabe), 0);
    EXPECT_EQ(ausgabe.trimmed(), QString::number(int(klassenliste::Speicherung::gespeichert)));
    EXPECT_EQ(readBytes(server + "k_liste/3A.TXT"), "01 Anna\r\n");
    EXPECT_EQ(ende(starten({ "anlegen", zwei, "3A", "01 Ben" }), &ausgabe), 0);
    EXPECT_EQ(ausgabe.trimmed(), QString::number(int(klassenliste::Speicherung::vorhanden)));
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "3A.TXT" }));
}

TEST_P(FreigabeTest, EveryPupilOfAHandTypedListGetsAFolderOfHisOwnAndKeepsItWhenSaved)
{
    // Typed in an editor: two names that begin alike, a number after tabs, a name Windows-1252 cannot hold; the first
    // two pupils' protocols in the folder they shared, and the folder of a pupil whose line was deleted.
    writeBytes(
        server + "k_liste/KL.TXT", "Lena Schmidt\r\nLena Schneider\r\n\t\t06\tAnnabelle\r\nElif Y\xc4\xb1lmaz\r\n");
    for (const auto& [datei, wer] : { std::pair<const char*, const char*> { "Lena Sch/H1_7_01.txt", "Lena Schmidt" },
             { "Lena Sch/H1_7_02.txt", "Lena Schneider" }, { "09 Carl/H1_7_01.txt", "Carl" } }) {
        QDir().mkpath(QFileInfo(server + "Klassen/KL/" + datei).path());
        writeBytes(server + "Klassen/KL/" + datei, QByteArray("Hilfe\r\nLeistungsprotokoll f\xfcr ") + wer + "\r\n");
    }
    const auto ordner = [&] { return QDir(server + "Klassen/KL").entryList(QDir::Dirs | QDir::NoDotAndDotDot); };

    // A new pupil steps past the deleted pupil's folder; the later Lena gets her own folder written into her line.
    EXPECT_EQ(namenHinzufuegen(eins, "KL", "Carla").nummer, 10);
    EXPECT_EQ(readBytes(server + "k_liste/KL.TXT"),
        "Lena Schmidt\r\n02 Lena Schneider\r\n\t\t06\tAnnabelle\r\nElif Y\xc4\xb1lmaz\r\n10 Carla\r\n");
    // The other PC saves a name after its tabs, and files a protocol for the later Lena.
    EXPECT_EQ(
        namenAendern(zwei, "KL", 3, "\t\t06\tAnnabelle", "Annabella").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(klassenliste::alleZeilen(server, "KL").at(2), "\t\t06\tAnnabella");
    QString pfad, fehler;
    EXPECT_EQ(klassenliste::ordnerWaehlen(zwei, "KL", klassenliste::lesen(zwei, "KL"), 2, pfad, fehler),
        klassenliste::Ordnerwahl::angelegt)
        << fehler.toStdString();
    EXPECT_EQ(pfad, zwei + "Klassen/KL/02 Lena");
    const QStringList jetzt = ordner();
    EXPECT_EQ(QSet<QString>(jetzt.begin(), jetzt.end()),
        QSet<QString>({ "02 Lena", "06 Annab", "09 Carl", "10 Carla", "Elif Yıl", "Lena Sch" }));
    EXPECT_EQ(allEntries(server + "Klassen/KL/Lena Sch"), QStringList({ "H1_7_01.txt", "H1_7_02.txt" }));
    EXPECT_EQ(allEntries(server + "k_liste"), QStringList({ "KL.TXT" }));
}

TEST_P(FreigabeTest, ANameTheShareRefusesIsSaidAtOnceAndTheNextNameIsMadeAsEver)
{
    // Typed in an editor, or as the first run's data folder: the share refuses ":" in a name, at every try.
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_FALSE(files::forceDirectories(eins + "Klassen/KL/Kim: Lee"));
    EXPECT_LT(uhr.elapsed(), 3000);
    uhr.start();
    QString neu;
    EXPECT_EQ(tavi::datenordnerEinrichten(zwei + "Kim: Lee", programFolder(), programFolder(), neu),
        "Der Ordner „" + zwei
            + "Kim: Lee/“ lässt sich dort nicht anlegen (das Zeichen „:“ ist in Ordnernamen auf diesem Laufwerk nicht "
              "erlaubt). Bitte einen anderen Ordner angeben.");
    EXPECT_LT(uhr.elapsed(), 3000);
    EXPECT_TRUE(neu.isEmpty());
    // Any other name is made as ever: what smbnetfs answers for a few seconds after a refusal is waited out.
    EXPECT_TRUE(files::forceDirectories(eins + "Klassen/KL/Kim Lee"));
    EXPECT_TRUE(files::forceDirectories(zwei + "Klassen/KL/Kim Lee"));
    EXPECT_EQ(allEntries(server), QStringList({ "Klassen", "k_liste" }));
    EXPECT_EQ(allEntries(server + "Klassen/KL"), QStringList({ "Kim Lee" }));
}

TEST_P(FreigabeTest, AFileAnotherPcReplacesAgainAndAgainIsReadWholeEveryTime)
{
    // Pupils on one PC start one aid after another, each start changing the settings file; a pupil on the other PC
    // presses Start, which reads it.
    writeBytes(server + "hw.ina", "Hilfe\r\nhw\r\nlimit\r\n1 1\r\nzr10\r\n1 1\r\n");
    QProcess* pc = starten({ "einstellen", eins + "hw.ina", "3000", "limit" });
    int lesungen = 0;
    QStringList fehler;
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 3000 || lesungen < 100) {
        ++lesungen;
        try {
            std::vector<int> werte;
            if (einstellungsdatei::abschnittlesen(zwei + "hw.ina", "limit", 2, werte)
                    != einstellungsdatei::Abschnittstand::gelesen
                || werte[0] != werte[1])
                fehler << QStringLiteral("nicht gelesen");
        } catch (const RuntimeError& e) {
            fehler << e.message();
        }
    }
    QString ausgabe;
    EXPECT_EQ(ende(pc, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_TRUE(fehler.isEmpty()) << fehler.size() << " von " << lesungen << ": " << fehler.join(" | ").toStdString();

    // Two PCs pressing Start at the same moment, each reading and writing the file.
    QProcess* a = starten({ "einstellen", eins + "hw.ina", "1500", "limit" });
    QProcess* b = starten({ "einstellen", zwei + "hw.ina", "1500", "zr10" });
    EXPECT_EQ(ende(a, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_EQ(ende(b, &ausgabe), 0) << ausgabe.toStdString();

    // A class list read for the protocol dialog while another PC saves names into it.
    writeBytes(server + "k_liste/KL.TXT", "01 Anna\r\n");
    pc = starten({ "hinzufuegen", eins, "KL", "Bert", "12" }, { QStringLiteral("TAVI_KIND_PAUSE_MS=50") });
    fehler.clear();
    // The child saves for about two seconds.
    for (lesungen = 0, uhr.start(); uhr.elapsed() < 2000 || lesungen < 50; ++lesungen) {
        const klassenliste::Schuelerliste liste = klassenliste::schuelerLesen(zwei, "KL");
        if (liste.stand != klassenliste::Schuelerliste::Stand::gelesen || liste.zeilen.isEmpty())
            fehler << QString::number(int(liste.stand)) + u' ' + liste.meldung;
    }
    EXPECT_EQ(ende(pc, &ausgabe), 0) << ausgabe.toStdString();
    EXPECT_TRUE(fehler.isEmpty()) << fehler.size() << " von " << lesungen << ": " << fehler.join(" | ").toStdString();
    EXPECT_EQ(klassenliste::lesen(server, "KL").size(), 13);
    EXPECT_EQ(allEntries(server).filter(".neu-"), QStringList());
}

TEST_P(FreigabeTest, FilesAnEditorSavesAgainAndAgainAreNeverReadMissingAndTheAdministrationNeverOpensWithoutItsPassword)
{
    // A teacher's editor on the other PC saves each file five times a second as editors do: the new copy written
    // into a temporary file of the editor's own, renamed over the old one, not tried again where that fails.
    QDir().mkpath(server + "WORTList");
    const auto liste = [](int n) {
        QByteArray b;
        for (int i = 1; i <= n; ++i)
            b += "Kind " + QByteArray::number(i) + "\r\n";
        return b;
    };
    const auto woerter = liste(20).replace("Kind", "Wort");
    const auto einstellungen = [](int k) {
        const QByteArray w = QByteArray::number(k) + ' ' + QByteArray::number(k);
        return "Hilfe\r\nhw\r\nlimit\r\n" + w + "\r\nzr10\r\n" + w + "\r\n";
    };
    const QByteArray dwina = "Dateiverwaltung\r\ngeh31m\r\nEnde\r\n";
    const QByteArray klina = zwei.toUtf8() + "\r\nKL\r\n";
    writeBytes(server + "hw.ina", einstellungen(1));
    writeBytes(server + "dw.ina", dwina);
    writeBytes(server + "kl.ina", klina);
    writeBytes(server + "WORTList/tiere.txt", woerter);
    writeBytes(server + "k_liste/KL.TXT", liste(1));
    std::atomic<bool> fertig { false };
    std::thread editor([&] {
        const auto sichern = [](const QString& datei, const QByteArray& bytes) {
            const QString temp
                = QFileInfo(datei).path() + "/.goutputstream-" + QUuid::createUuid().toString(QUuid::Id128).left(6);
            QFile t(temp);
            if (!t.open(QIODevice::WriteOnly) || t.write(bytes) != bytes.size()) return;
            t.close();
            if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(datei).constData()) != 0)
                QFile::remove(temp);
        };
        // Every fifth of a second each file anew; the class list a line longer each time.
        for (int n = 2; !fertig; ++n) {
            sichern(eins + "hw.ina", einstellungen(n % 9 + 1));
            sichern(eins + "dw.ina", dwina);
            sichern(eins + "kl.ina", klina);
            sichern(eins + "WORTList/tiere.txt", woerter);
            sichern(eins + "k_liste/KL.TXT", liste(n));
            QThread::msleep(200);
        }
    });
    QMap<QString, int> lesungen;
    QStringList fehler;
    const auto falsch = [&](const QString& was, const QString& warum) {
        if (fehler.size() < 10) fehler << was + ": " + warum;
        lesungen[was + " falsch"]++;
    };
    qsizetype zeilen = 0;
    QElapsedTimer uhr;
    for (uhr.start(); uhr.elapsed() < 10000;) {
        try {
            std::vector<int> werte;
            ++lesungen["hw.ina"];
            if (einstellungsdatei::abschnittlesen(zwei + "hw.ina", "limit", 2, werte)
                    != einstellungsdatei::Abschnittstand::gelesen
                || werte[0] != werte[1])
                falsch("hw.ina", "nicht gelesen");
            ++lesungen["tiere.txt"];
            if (const int n = tavi::wortlisteLesen(zwei + "WORTList/tiere.txt", true); n != 20)
                falsch("tiere.txt", QString::number(n) + " Wörter");
        } catch (const RuntimeError& e) {
            falsch("geworfen", e.message());
        }
        QString meldung;
        ++lesungen["dw.ina"];
        if (const std::optional<QString> passwort = dwinaPasswort(zwei, &meldung); passwort != QString("geh31m"))
            falsch("dw.ina", passwort ? "ohne Passwort offen" : meldung);
        ++lesungen["kl.ina"];
        if (tavi::klinaLesen(zwei + "kl.ina").aktivliste != "KL") falsch("kl.ina", "keine aktive Liste");
        ++lesungen["KL.TXT"];
        const klassenliste::Schuelerliste schueler = klassenliste::schuelerLesen(zwei, "KL");
        if (schueler.stand != klassenliste::Schuelerliste::Stand::gelesen || schueler.zeilen.size() < zeilen
            || schueler.zeilen.value(schueler.zeilen.size() - 1) != "Kind " + QString::number(schueler.zeilen.size()))
            falsch("KL.TXT",
                QString::number(int(schueler.stand)) + ' ' + QString::number(schueler.zeilen.size()) + ' '
                    + schueler.meldung);
        zeilen = qMax(zeilen, schueler.zeilen.size());
    }
    fertig = true;
    editor.join();
    QStringList gezaehlt;
    for (auto it = lesungen.cbegin(); it != lesungen.cend(); ++it)
        gezaehlt << it.key() + ' ' + QString::number(it.value());
    EXPECT_TRUE(fehler.isEmpty()) << gezaehlt.join(", ").toStdString() << ": " << fehler.join(" | ").toStdString();
    EXPECT_GT(zeilen, 1);
}

INSTANTIATE_TEST_SUITE_P(Smb, FreigabeTest, ::testing::Values("g", "n"),
    [](const ::testing::TestParamInfo<const char*>& i) { return std::string(*i.param == 'g' ? "gvfs" : "smbnetfs"); });

} // namespace
