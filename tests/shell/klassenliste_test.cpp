#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "support/fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

using namespace klassenliste;

class KlassenlisteTest : public TaviTest { };

TEST_F(KlassenlisteTest, PupilFolders)
{
    EXPECT_EQ(schuelerordner(dataFolder(), "KL3A", { "04 Vodoz Dovedi" }, 0), dataFolder() + "Klassen/KL3A/04 Vodoz");
    EXPECT_EQ(protokoll::ohnelistordner(dataFolder(), "Annabell"), dataFolder() + "OHNELIST/Annabell");
    EXPECT_TRUE(protokoll::ohnelistordner(dataFolder(), "..").isEmpty());
    // A list named "ohne" is a list like any other.
    EXPECT_EQ(schuelerordner(dataFolder(), "ohne", { "01 Anna" }, 0), dataFolder() + "Klassen/ohne/01 Anna");
    EXPECT_TRUE(schuelerordner(dataFolder(), "../x", { "01 Anna" }, 0).isEmpty());
}

TEST_F(KlassenlisteTest, AListMadeByHandGivesEveryPupil)
{
    QDir().mkpath(dataPath("k_liste"));
    QByteArray liste;
    for (int i = 1; i <= 45; ++i)
        liste += QString("%1 Kind %2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
    writeBytes(dataPath("k_liste/KL3A.txt"), liste);
    const QStringList z = lesen(dataFolder(), "kl3a");
    ASSERT_EQ(z.size(), 45);
    EXPECT_EQ(name(z[44]), "Kind 45");
    // Pupil 45 gets his folder as any other: when the list is read, and when he is chosen.
    ordnerAnlegen(dataFolder(), "KL3A", z);
    EXPECT_TRUE(QFileInfo(dataPath("Klassen/KL3A/45 Kind")).isDir());
    QDir(dataPath("Klassen")).removeRecursively();
    QString ordner, fehler;
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", z, 45, ordner, fehler), Ordnerwahl::angelegt);
    EXPECT_EQ(ordner, dataPath("Klassen/KL3A/45 Kind"));
    EXPECT_TRUE(lesen(dataFolder(), "fehlt").isEmpty());
}

TEST_F(KlassenlisteTest, AChoiceOffersTheListsPupilsAndSaysWhyWhereThereIsNone)
{
    QDir().mkpath(dataPath("k_liste"));
    QByteArray fuenfzig;
    for (int i = 1; i <= 55; ++i)
        fuenfzig += i % 5 ? QString("%1 Kind %2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1() : " \t\r\n";
    using Stand = Schuelerliste::Stand;
    const struct {
        const char* wie;
        QByteArray bytes; // empty: no file
        Stand stand;
        QStringList zeilen;
        const char* meldung;
    } faelle[] = {
        { "blank lines are no pupils", "01 Anna\r\n\r\n  \r\n02 Ben\r\n03 \r\n\t\r\n", Stand::gelesen,
            { "01 Anna", "02 Ben" }, "" },
        { "every pupil of a list made by hand, past the fortieth", fuenfzig, Stand::gelesen, {}, "" },
        { "only blank lines", "\r\n \r\n", Stand::gelesen, {}, "In der Klassenliste „KL“ steht kein Name." },
        { "NUL bytes", QByteArray("01 Anna\r\n\0\0\0\0\r\n", 15), Stand::beschaedigt, {},
            "Die Klassenliste „KL“ ist beschädigt und kann nicht gelesen werden." },
        { "UTF-16 without its mark", QByteArray("0\0001\000 \000A\000n\000n\000a\000", 14), Stand::beschaedigt, {},
            "Die Klassenliste „KL“ ist beschädigt und kann nicht gelesen werden." },
        { "gone", {}, Stand::fehlt, {}, "Die Klassenliste „KL“ gibt es nicht mehr." },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        QFile::remove(dataPath("k_liste/KL.TXT"));
        if (!f.bytes.isEmpty()) writeBytes(dataPath("k_liste/KL.TXT"), f.bytes);
        const Schuelerliste s = schuelerLesen(dataFolder(), "KL");
        EXPECT_EQ(s.stand, f.stand);
        if (f.bytes == fuenfzig) {
            ASSERT_EQ(s.zeilen.size(), 44);
            EXPECT_EQ(s.zeilen.last(), "54 Kind 54");
        } else {
            EXPECT_EQ(s.zeilen, f.zeilen);
        }
        EXPECT_EQ(s.meldung, QString::fromUtf8(f.meldung));
    }

    // A damaged list is said, naming its file, and is never written.
    const QByteArray kaputt("01 Anna\r\n\0\0\r\n", 13);
    writeBytes(dataPath("k_liste/KL.TXT"), kaputt);
    EXPECT_THROW(alleZeilen(dataFolder(), "KL"), Beschaedigt);
    const Speicherergebnis e = aendern(dataFolder(), "KL", [](QStringList& z, int& nummer) {
        z << zeile(nummer = 3, "Cem");
        return Speicherung::gespeichert;
    });
    EXPECT_EQ(e.art, Speicherung::beschaedigt);
    EXPECT_TRUE(e.fehler.startsWith("Die Klassenliste „" + dataPath("k_liste/KL.TXT") + "“ ist beschädigt"))
        << e.fehler.toStdString();
    EXPECT_EQ(readBytes(dataPath("k_liste/KL.TXT")), kaputt);
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
}

TEST_F(KlassenlisteTest, FolderNamesLoseTrailingBlanksAndDotsAsOnWindows)
{
    EXPECT_EQ(ordnername("01 Lena Meier"), "01 Lena");
    EXPECT_EQ(ordnername("02 A. B.C"), "02 A. B");
    EXPECT_EQ(ordnername("Tom..."), "Tom");
    // A character of two halves cut at the 8th, or half of one in a damaged line, has no spelling on disk.
    EXPECT_EQ(ordnername(QString::fromUtf8("01 Lia \xF0\x9F\x98\x80")), "01 Lia");
    EXPECT_EQ(ordnername(QString::fromUtf8("01 Li \xF0\x9F\x98\x80")), QString::fromUtf8("01 Li \xF0\x9F\x98\x80"));
    EXPECT_EQ(ordnername(QStringLiteral("Kim") + QChar(0xD800) + QStringLiteral("Lee")), "Kim Lee");
    EXPECT_EQ(schuelerordner(dataFolder(), "3A", { "01 Lena Meier" }, 0), dataFolder() + "Klassen/3A/01 Lena");
}

TEST_F(KlassenlisteTest, OnlyTheNamesListsAreWrittenUnderAreClassListFiles)
{
    for (const char* ja : { "KL3A.TXT", "1b_03.txt", "A.Txt", "Klasse10.txt", "_.TXT" })
        EXPECT_TRUE(istListendatei(QString::fromUtf8(ja))) << ja;
    for (const char* nein :
        { "KL3A.LCK", "KL3A.LCK~pc7-4711-1a2b", "KL3A.TXT.aB3dE1", ".uhr-pc7-4711.tmp", ".neu-0f3c.tmp", ".txt",
            ".KL3A.TXT", "Klasse100.txt", "KL 3A.TXT", "KLÄ.TXT", "KL3A.TXT~", "KL3A.doc", "KL3A", "KL3A.TXT.TXT", "" })
        EXPECT_FALSE(istListendatei(QString::fromUtf8(nein))) << nein;
}

TEST_F(KlassenlisteTest, TheListSearchOffersTheTwoListsAmongEveryHelperFile)
{
    EXPECT_FALSE(suchen(dataFolder()).unlesbar); // no "k_liste" yet: no lists, nothing wrong
    EXPECT_TRUE(suchen(dataFolder()).namen.isEmpty());
    const QString k = dataPath("k_liste/");
    QDir().mkpath(k);
    writeBytes(k + "KLA.TXT", "01 Anna\r\n");
    writeBytes(k + "kl3b.txt", "01 Ben\r\n");
    writeBytes(k + "KLA.LCK", "pc7 4711\r\n"); // the lock
    writeBytes(k + "KLA.LCK~pc8-815-9f", "pc8\r\n"); // a breaker
    writeBytes(k + ".uhr-pc7-4711-1", ""); // a probe of the share's clock
    writeBytes(k + ".neu-0f3c9a.tmp", "01 Cem\r\n"); // a new list's temporary file
    writeBytes(k + "KLA.TXT.aB3dE1", "01 Anna\r\n"); // a save's temporary file
    writeBytes(k + ".versteckt.txt", ""); // a dot file
    QDir().mkpath(k + "KLB.LCK"); // a lock made as a folder, with its files inside
    writeBytes(k + "KLB.LCK/inhaber", "pc9\r\n");
    QDir().mkpath(k + "ORDNER.TXT");
    writeBytes(k + "Klasse100.txt", ""); // would show blank, cut to eight characters
    writeBytes(k + "3c 2024.txt", "01 Ben\r\n");
    const Suche suche = suchen(dataFolder());
    EXPECT_FALSE(suche.unlesbar);
    EXPECT_EQ(suche.namen, (QStringList { "kl3b", "KLA" }));
    // What a teacher may have meant as a list is named, the program's own files and dot files are not.
    EXPECT_EQ(suche.ausgelassen, (QStringList { "3c 2024.txt", "Klasse100.txt" }));
    EXPECT_EQ(ausgelassenMeldung(suche.ausgelassen),
        "Die Dateien „3c 2024.txt“ und „Klasse100.txt“ im Ordner k_liste werden nicht angeboten: der Name einer Liste "
        "hat 1 bis 8 Zeichen, nur Buchstaben ohne Umlaute, Ziffern und „_“, ohne Leerzeichen, und danach „.txt“. Bitte "
        "benennen Sie eine solche Datei um, wenn sie eine Klassenliste ist.");
    EXPECT_TRUE(ausgelassenMeldung({ "a b.txt", "c d.txt", "e f.txt", "g h.txt", "i j.txt" })
                    .startsWith("Die Dateien „a b.txt“, „c d.txt“ und „e f.txt“ (und 2 weitere) im Ordner"));
    EXPECT_TRUE(ausgelassenMeldung({ "a b.txt", "c d.txt", "e f.txt", "g h.txt" })
                    .startsWith("Die Dateien „a b.txt“, „c d.txt“ und „e f.txt“ (und eine weitere) im Ordner"));

    // A link to a list counts as the list; a link to a folder does not.
    QFile::link(k + "KLA.TXT", k + "KLC.TXT");
    QFile::link(k + "ORDNER.TXT", k + "KLD.TXT");
    EXPECT_EQ(suchen(dataFolder()).namen, (QStringList { "kl3b", "KLA", "KLC" }));

    // More lists than the shared table holds: every one is offered, in the order of the names, and no new list
    // pushes another out of the choice.
    for (int i = 0; i < 40; ++i)
        writeBytes(k + QString("L%1.TXT").arg(i, 2, 10, QChar('0')), "");
    const QStringList viele = suchen(dataFolder()).namen;
    ASSERT_EQ(viele.size(), 43);
    EXPECT_EQ(viele.first(), "kl3b");
    EXPECT_EQ(viele.last(), "L39");
}

TEST_F(KlassenlisteTest, AListsFolderThatCannotBeReadIsNotAnEmptyOne)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KLA.TXT"), "01 Anna\r\n");
    {
        UnlesbarerOrdner zu(dataPath("k_liste"), testFolder());
        const Suche suche = suchen(dataFolder());
        EXPECT_TRUE(suche.unlesbar);
        EXPECT_TRUE(suche.namen.isEmpty());
        EXPECT_TRUE(suche.meldung.startsWith("Die Klassenlisten können an diesem Rechner nicht gelesen werden"));
        EXPECT_TRUE(suche.meldung.contains(dataPath("k_liste"))) << suche.meldung.toStdString();
        EXPECT_TRUE(suche.meldung.contains("Zugriff verweigert")) << suche.meldung.toStdString();
    }
    // The data folder itself missing (a share not connected) is not a folder without lists either.
    const Suche ohne = suchen(dataPath("fehlt/"));
    EXPECT_TRUE(ohne.unlesbar);
    EXPECT_TRUE(ohne.meldung.contains("Pfad nicht gefunden") || ohne.meldung.contains("Datei nicht gefunden"));
}

TEST_F(KlassenlisteTest, AClassListIsWrittenWholeOrNotAtAll)
{
    const QString k = dataPath("k_liste/");
    QDir().mkpath(k);
    QString fehler;
    EXPECT_EQ(schreiben(k + "KLA.TXT", { "01 Anna", "02 Jürgen" }, true, fehler), IoOk);
    EXPECT_EQ(readBytes(k + "KLA.TXT"), "01 Anna\r\n02 J\xfcrgen\r\n");
    // A new list gets the rights any new file gets, so that every PC's users can read it.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    struct stat neu { };
    ASSERT_EQ(::stat(QFile::encodeName(k + "KLA.TXT").constData(), &neu), 0);
    EXPECT_EQ(neu.st_mode & 07777, 0666 & ~maske);
    // A new list never replaces one that is there.
    EXPECT_EQ(schreiben(k + "KLA.TXT", { "01 Ben" }, true, fehler), IoFileExists);
    EXPECT_EQ(readBytes(k + "KLA.TXT"), "01 Anna\r\n02 J\xfcrgen\r\n");
    // The list replaced keeps the rights the school gave its file.
    ASSERT_EQ(::chmod(QFile::encodeName(k + "KLA.TXT").constData(), 0600), 0);
    EXPECT_EQ(schreiben(k + "KLA.TXT", { "01 Anna", "02 Jürgen", "03 Cem" }, false, fehler), IoOk);
    EXPECT_EQ(readBytes(k + "KLA.TXT"), "01 Anna\r\n02 J\xfcrgen\r\n03 Cem\r\n");
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(k + "KLA.TXT").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(QDir(k).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList { "KLA.TXT" });

    // A full share: said as such, the old list whole, a new one not left half.
    SmallFileSystem klein(16);
    if (!klein.mounted()) GTEST_SKIP() << "a small file system needs root";
    writeBytes(klein.path() + "ALT.TXT", "01 Anna\r\n");
    klein.fill();
    const QStringList viele(40, QString(35, u'x'));
    EXPECT_EQ(schreiben(klein.path() + "ALT.TXT", viele, false, fehler), IoDiskFull);
    EXPECT_TRUE(
        fehler.contains("Das Laufwerk oder die Freigabe des Datenordners ist voll; es wurde nichts gespeichert"))
        << fehler.toStdString();
    EXPECT_EQ(readBytes(klein.path() + "ALT.TXT"), "01 Anna\r\n");
    EXPECT_EQ(schreiben(klein.path() + "NEU.TXT", viele, true, fehler), IoDiskFull);
    EXPECT_EQ(QDir(klein.path()).entryList(QDir::Files | QDir::Hidden).filter(".TXT", Qt::CaseInsensitive),
        QStringList { "ALT.TXT" });
    EXPECT_TRUE(QDir(klein.path()).entryList(QDir::Files | QDir::Hidden).filter(".neu-").isEmpty());
}

TEST_F(KlassenlisteTest, AListTheShareReplacesInTwoStepsIsNeverLostNorLeftBeside)
{
    const QString k = dataPath("k_liste/");
    QDir().mkpath(k);
    const QByteArray alt = "01 Anna\r\n";
    const QByteArray neu = "01 Anna\r\n02 Ben\r\n";
    QString fehler;
    int versuche = 0;
    const auto daneben = [&] { return QDir(k).entryList(QDir::Files | QDir::Hidden).filter(".neu-"); };
    // A share replaces a file by removing the old one and renaming the new one; `zweiter` answers the rename.
    const auto ersetzt = [&](int zweiter, bool entfernt, bool umbenannt, int wieOft) {
        versuche = 0;
        files::setShareAnswerForTests([=, &versuche](const char* schritt, const QString& pfad) {
            if (qstrcmp(schritt, "rename") != 0 || !pfad.endsWith("KL.TXT") || ++versuche > wieOft) return 0;
            if (entfernt) QFile::remove(pfad);
            if (umbenannt) {
                const QStringList tmp = QDir(k).entryList(QDir::Files | QDir::Hidden).filter(".neu-");
                if (!tmp.isEmpty())
                    std::rename(QFile::encodeName(k + tmp.first()).constData(), QFile::encodeName(pfad).constData());
            }
            return zweiter;
        });
    };

    // The rename fails once after the old list was removed: it is tried again.
    writeBytes(k + "KL.TXT", alt);
    ersetzt(EIO, true, false, 1);
    EXPECT_EQ(schreiben(k + "KL.TXT", { "01 Anna", "02 Ben" }, false, fehler), IoOk) << fehler.toStdString();
    EXPECT_EQ(readBytes(k + "KL.TXT"), neu);
    EXPECT_EQ(versuche, 2);
    EXPECT_TRUE(daneben().isEmpty());

    // A rename refused with the old list in place: said at once, the old list whole, nothing beside it.
    writeBytes(k + "KL.TXT", alt);
    ersetzt(EACCES, false, false, 1000);
    QElapsedTimer seit;
    seit.start();
    EXPECT_EQ(schreiben(k + "KL.TXT", { "01 Anna", "02 Ben" }, false, fehler), IoAccessDenied);
    EXPECT_LT(seit.elapsed(), 1000);
    EXPECT_EQ(versuche, 1);
    EXPECT_TRUE(fehler.contains("KL.TXT")) << fehler.toStdString();
    EXPECT_EQ(readBytes(k + "KL.TXT"), alt);
    EXPECT_TRUE(daneben().isEmpty());
    files::setShareAnswerForTests({});
}

TEST_F(KlassenlisteTest, APupilsFolderIsNeverMadeUnlockedWhereTheLockFailedForAnotherReason)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.TXT"), "01 Anna\r\n");
    // The share takes the lock but not its line (full just now): not a folder that may only be read.
    FileLock::setLineWriteFailureForTests(true);
    QString ordner, fehler;
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", { "01 Anna" }, 1, ordner, fehler), Ordnerwahl::unlesbar);
    FileLock::setLineWriteFailureForTests(false);
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_TRUE(ordner.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", { "01 Anna" }, 1, ordner, fehler), Ordnerwahl::angelegt);
    EXPECT_TRUE(QFileInfo(dataPath("Klassen/KL3A/01 Anna")).isDir());
}

TEST_F(KlassenlisteTest, AListIsReadAsTheTeachersEditorSavedIt)
{
    const auto utf16 = [](const QString& text) {
        return QByteArray("\xff\xfe", 2)
            + QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * qsizetype(text.size()));
    };
    const QStringList erwartet { "01 Anna", "02 Jürgen", "03 Zoë" };
    const struct {
        const char* wie;
        QByteArray bytes;
    } faelle[] = {
        { "as the program writes it", "01 Anna\r\n02 J\xfcrgen\r\n03 Zo\xeb\r\n" },
        { "LF only, no end at the last line", "01 Anna\n02 J\xfcrgen\n03 Zo\xeb" },
        { "UTF-8", "01 Anna\r\n02 J\xc3\xbcrgen\r\n03 Zo\xc3\xab\r\n" },
        { "UTF-8 with a byte-order mark",
            "\xef\xbb\xbf"
            "01 Anna\r\n02 J\xc3\xbcrgen\r\n03 Zo\xc3\xab\r\n" },
        { "UTF-16 with its mark", utf16(QStringLiteral("01 Anna\r\n02 Jürgen\r\n03 Zoë\r\n")) },
        { "a UTF-8 line appended among Windows-1252 lines", "01 Anna\r\n02 J\xc3\xbcrgen\r\n03 Zo\xeb\r\n" },
        { "a Windows-1252 line appended to UTF-8 with its mark",
            "\xef\xbb\xbf"
            "01 Anna\r\n02 J\xc3\xbcrgen\r\n03 Zo\xeb\r\n" },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        EXPECT_EQ(zeilenAus(f.bytes), erwartet);
    }
    // UTF-8 cut inside a letter spoils that line alone.
    EXPECT_EQ(zeilenAus("01 Anna\r\n02 J\xc3\xbcrgen\r\n03 Zo\xc3"), QStringList({ "01 Anna", "02 Jürgen", "03 ZoÃ" }));
    // Windows-1252 that happens to hold no more than ASCII reads the same either way; an empty file has no line.
    EXPECT_EQ(zeilenAus("01 Anna\r\n\r\n"), QStringList({ "01 Anna", "" }));
    EXPECT_TRUE(zeilenAus("").isEmpty());
    EXPECT_TRUE(zeilenAus("\xef\xbb\xbf").isEmpty());
}

TEST_F(KlassenlisteTest, ANameIsWhatFollowsAnOptionalNumberAndItsFolderIsNamedByOneRule)
{
    // `code` names the pupil in a protocol, where his line is the fifth pupil of the choice.
    const struct {
        const char* zeile;
        const char* name;
        const char* ordner;
        const char* code;
    } faelle[] = {
        { "01 Anna", "Anna", "01 Anna", "01 Anna" },
        { "04 Vodoz Dovedi", "Vodoz Dovedi", "04 Vodoz", "04 Vodoz Dovedi" },
        { "Anna", "Anna", "Anna", "05 Anna" },
        { "Ben", "Ben", "Ben", "05 Ben" },
        { "Clara-Marie Schmitt", "Clara-Marie Schmitt", "Clara-Ma", "05 Clara-Marie Schmitt" },
        { "01\tAnna", "Anna", "01 Anna", "01 Anna" },
        { "7  Paul", "Paul", "7 Paul", "07 Paul" },
        { "  Emil", "Emil", "Emil", "05 Emil" },
        // Blanks and tabs before a number belong to no name; the folder keeps the name it always had.
        { " 03 Clara Meier", "Clara Meier", "03 Clara", "03 Clara Meier" },
        { "\t02 Annabell", "Annabell", "02 Annab", "02 Annabell" },
        // A tab stands as a blank in a folder's name, which a PC running Windows could not use otherwise.
        { "\t\t06\tAnnabelle", "Annabelle", "06 Annab", "06 Annabelle" },
        { "Anna\tMeier", "Anna\tMeier", "Anna Mei", "05 Anna\tMeier" },
        { " 7  Paul", "Paul", "7  Paul", "07 Paul" },
        { "\t 100 Lena", "Lena", "100 Lena", "05 Lena" },
        { "01Anna", "01Anna", "01Anna", "05 01Anna" },
        { "12", "12", "12", "05 12" },
        { "02 A. B.C", "A. B.C", "02 A. B", "02 A. B.C" },
        { "100 Lena", "Lena", "100 Lena", "05 Lena" },
        // What a Windows PC of the school cannot use in a folder's name stands as a blank there.
        { "Kim: Lee", "Kim: Lee", "Kim  Lee", "05 Kim: Lee" },
        { "Lea \"Lu\" Kaya", "Lea \"Lu\" Kaya", "Lea  Lu", "05 Lea \"Lu\" Kaya" },
        { "03 A<b>|c?*", "A<b>|c?*", "03 A b", "03 A<b>|c?*" },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        EXPECT_EQ(name(QString::fromUtf8(f.zeile)), QString::fromUtf8(f.name));
        EXPECT_EQ(ordnername(QString::fromUtf8(f.zeile)), QString::fromUtf8(f.ordner));
        EXPECT_EQ(schuelercode(QString::fromUtf8(f.zeile), 5), QString::fromUtf8(f.code));
    }
    // Every line the program writes keeps the folder it always had: its first eight characters.
    for (const QString& n : { QStringLiteral("Anna"), QStringLiteral("Lena Meier"), QStringLiteral("Jo Li") })
        EXPECT_EQ(ordnername(zeile(3, n)), zeile(3, n).left(8).trimmed());
}

TEST_F(KlassenlisteTest, NoTwoPupilsShareAFolderAndTheFirstKeepsTheOneHisLineNames)
{
    QStringList sechzehn { "Anna" };
    for (int i = 2; i <= 15; ++i)
        sechzehn << QString("Kind %1").arg(i);
    sechzehn << "Anna";
    using Traeger = QHash<QString, QString>;
    QStringList sechzehnOrdner = sechzehn;
    sechzehnOrdner[15] = "16 Anna";
    const struct {
        const char* wie;
        QStringList zeilen;
        QStringList ordner;
        QStringList eigen; // as eigeneOrdner() writes the lines
        Ordnerlage vorhanden = {};
        QStringList codes = {};
    } faelle[] = {
        { "names that begin alike", { "Lena Schmidt", "Lena Schneider", "Maximilian Berg", "Maximilian Koch" },
            { "Lena Sch", "02 Lena", "Maximili", "04 Maxim" },
            { "Lena Schmidt", "02 Lena Schneider", "Maximilian Berg", "04 Maximilian Koch" } },
        { "the same name on lines 1 and 16", sechzehn, sechzehnOrdner, sechzehnOrdner.mid(0, 15) << "16 Anna" },
        { "in another letter case", { "Anna", "ANNA" }, { "Anna", "02 ANNA" }, { "Anna", "02 ANNA" } },
        // The second "09" takes neither that number nor the folder "02 Anna" a later pupil's line names.
        { "a number written twice", { "09 Anna", "09 Anna Zander", "02 Anna Berg" },
            { "09 Anna", "10 Anna", "02 Anna" }, { "09 Anna", "10 Anna Zander", "02 Anna Berg" } },
        // A number written is no other line's, before or after it.
        { "a number written twice, and a later line's", { "09 Anna", "09 Anna Zander", "02 Annabell" },
            { "09 Anna", "10 Anna", "02 Annab" }, { "09 Anna", "10 Anna Zander", "02 Annabell" } },
        { "a later line's number", { "Anna", "Anna", "02 Ben" }, { "Anna", "04 Anna", "02 Ben" },
            { "Anna", "04 Anna", "02 Ben" }, {}, { "01 Anna", "04 Anna", "02 Ben" } },
        // A pupil given a folder of his own is known by its number: no two pupils share a code.
        { "the same name written later", { "Anna", "Anna", "02 Anna" }, { "Anna", "04 Anna", "02 Anna" },
            { "Anna", "04 Anna", "02 Anna" }, {}, { "01 Anna", "04 Anna", "02 Anna" } },
        { "a written number a later place has", { "02 Anna", "Anna" }, { "02 Anna", "Anna" }, { "02 Anna", "Anna" }, {},
            { "02 Anna", "03 Anna" } },
        // A folder belongs to the name its first protocol bears, wherever its line stands.
        { "a line typed above him", { "Maximilian Berg", "Maximilian Koch" }, { "01 Maxim", "Maximili" },
            { "01 Maximilian Berg", "Maximilian Koch" }, Ordnerlage(Traeger { { "Maximili", "Maximilian Koch" } }),
            { "01 Maximilian Berg", "02 Maximilian Koch" } },
        { "lines removed above them", { "Lena Schmidt", "Lena Schneider", "Lena Schulz" },
            { "Lena Sch", "03 Lena", "04 Lena" }, { "Lena Schmidt", "03 Lena Schneider", "04 Lena Schulz" },
            Ordnerlage(Traeger { { "Lena Sch", "Lena Schmidt" }, { "03 Lena", "Lena Schneider" },
                { "04 Lena", "Lena Schulz" }, { "02 Lena", "" } }),
            { "01 Lena Schmidt", "03 Lena Schneider", "04 Lena Schulz" } },
        // The line above her deleted, or moved below her: she does not become the first line's folder's.
        { "the line above her deleted", { "Lena Schneider" }, { "02 Lena" }, { "02 Lena Schneider" },
            Ordnerlage(Traeger { { "Lena Sch", "Lena Schmidt" }, { "02 Lena", "Lena Schneider" } }),
            { "02 Lena Schneider" } },
        { "the line above her moved below her", { "Lena Schneider", "Lena Schmidt" }, { "02 Lena", "Lena Sch" },
            { "02 Lena Schneider", "Lena Schmidt" },
            Ordnerlage(Traeger { { "Lena Sch", "Lena Schmidt" }, { "02 Lena", "Lena Schneider" } }) },
        { "the same name, a line removed above", { "Ben", "Anna", "Anna" }, { "Ben", "Anna", "04 Anna" },
            { "Ben", "Anna", "04 Anna" }, Ordnerlage(Traeger { { "Anna", "Anna" }, { "04 Anna", "Anna" } }) },
        // Children of one name keep their folders in their order among themselves, whatever is typed above them;
        // a line written with a number keeps his number's.
        { "the same name, a line typed above", { "Max Neu", "Tom Klein", "Anna", "Anna" },
            { "Max Neu", "Tom Klei", "Anna", "03 Anna" }, { "Max Neu", "Tom Klein", "Anna", "03 Anna" },
            Ordnerlage(Traeger { { "Anna", "Anna" }, { "03 Anna", "Anna" } }) },
        { "the same name, a title line typed above", { "2024 Klasse 3b", "Anna", "Anna", "Anna" },
            { "2024 Kla", "Anna", "02 Anna", "05 Anna" }, { "2024 Klasse 3b", "Anna", "02 Anna", "05 Anna" },
            Ordnerlage(Traeger { { "Anna", "Anna" }, { "02 Anna", "Anna" }, { "05 Anna", "Anna" } }) },
        { "the same name, one written with a number", { "Lea", "Anna", "02 Anna", "Ben" },
            { "Lea", "Anna", "02 Anna", "Ben" }, { "Lea", "Anna", "02 Anna", "Ben" },
            Ordnerlage(Traeger { { "Anna", "Anna" }, { "02 Anna", "Anna" } }) },
        // A protocol saved by the third of one name moves neither of the others.
        { "the third of one name saved first", { "Anna", "Anna", "Anna" }, { "Anna", "02 Anna", "03 Anna" },
            { "Anna", "02 Anna", "03 Anna" }, Ordnerlage(Traeger { { "03 Anna", "Anna" } }) },
        // An empty folder of a number another line is written with: his line could not be written with it.
        { "an empty folder of another line's number", { "Lena Schmidt", "05 Maximilian Koch", "Lena Schmidt" },
            { "Lena Sch", "05 Maxim", "03 Lena" }, { "Lena Schmidt", "05 Maximilian Koch", "03 Lena Schmidt" },
            Ordnerlage(Traeger { { "Lena Sch", "Lena Schmidt" }, { "05 Lena", "" } }) },
        { "one name after numbers too long to be numbers", { "2147483648 Anna", "4294967296 Anna" },
            { "21474836", "42949672" }, { "2147483648 Anna", "4294967296 Anna" },
            Ordnerlage(Traeger { { "21474836", "Anna" }, { "42949672", "Anna" }, { "02 Anna", "" } }) },
        // One of three left where the third had saved first: an empty folder goes, never the one with her protocols.
        { "one of three left, the third saved first", { "Anna", "Anna" }, { "02 Anna", "03 Anna" },
            { "02 Anna", "03 Anna" },
            Ordnerlage(Traeger { { "Anna", "" }, { "02 Anna", "" }, { "03 Anna", "Anna" } }) },
        { "a folder without a number and one of 00", { "Anna" }, { "Anna" }, { "Anna" },
            Ordnerlage(Traeger { { "00 Anna", "Anna" }, { "Anna", "Anna" } }) },
        // A line written with a number that finds his folder by name, where another folder bears his name too: the
        // folder's number is written, so that he keeps it when the other's line goes.
        { "two folders of one name, one of them another line's", { "02 Ben", "09 Ben" }, { "02 Ben", "04 Ben" },
            { "02 Ben", "04 Ben" }, Ordnerlage(Traeger { { "02 Ben", "Ben" }, { "04 Ben", "Ben" } }) },
        // Empty, or another child's: a fresh folder is none on disk, but an empty one.
        { "fresh folders on disk", { "Anna", "Anna", "Anna" }, { "Anna", "02 Anna", "04 Anna" },
            { "Anna", "02 Anna", "04 Anna" }, Ordnerlage(Traeger { { "02 Anna", "" }, { "03 Anna", "Anna Berg" } }) },
        // A folder two pupils shared under an older release is its first protocol's pupil's; a newcomer typed above
        // them never gets it.
        { "a folder two pupils shared", { "Lena Schäfer", "Lena Schmidt", "Lena Schneider" },
            { "01 Lena", "Lena Sch", "03 Lena" }, { "01 Lena Schäfer", "Lena Schmidt", "03 Lena Schneider" },
            Ordnerlage(Traeger { { "Lena Sch", "Lena Schmidt" } }) },
        { "protocols of neither", { "Lena Schmidt", "Lena Schneider" }, { "01 Lena", "02 Lena" },
            { "01 Lena Schmidt", "02 Lena Schneider" }, Ordnerlage(Traeger { { "Lena Sch", "Lena Meier" } }) },
        // A line written with a number keeps the folder of his number, where its protocols bear his name before it
        // was corrected; never where they bear another pupil's of the list.
        { "a name corrected behind its number", { "01 Lena Schmidt" }, { "01 Lena" }, { "01 Lena Schmidt" },
            Ordnerlage(Traeger { { "01 Lena", "Lena Schmit" } }) },
        { "a number another pupil's folder has", { "02 Lena Schulz", "Lena Schneider" }, { "01 Lena", "02 Lena" },
            { "01 Lena Schulz", "Lena Schneider" }, Ordnerlage(Traeger { { "02 Lena", "Lena Schneider" } }),
            { "01 Lena Schulz", "02 Lena Schneider" } },
        // Each number is written once: a fresh folder's number is none a folder of other first letters has.
        { "numbers two saves would write", { "Maximilian Koch", "Maximilian Berg", "Lena Schmidt", "Lena Schneider" },
            { "Maximili", "05 Maxim", "Lena Sch", "02 Lena" },
            { "Maximilian Koch", "05 Maximilian Berg", "Lena Schmidt", "02 Lena Schneider" },
            Ordnerlage(Traeger {
                { "Maximili", "Maximilian Koch" }, { "Lena Sch", "Lena Schmidt" }, { "02 Lena", "Lena Schneider" } }) },
        // A name an analysis cut to 32 characters, or a protocol that held "?" for a letter Windows-1252 has not.
        { "names as protocols hold them", { "Elif Yılmaz", "Elif Yılmaz-Schwarzenberg-Hohenzollern" },
            { "01 Elif", "Elif Yıl" }, { "01 Elif Yılmaz", "Elif Yılmaz-Schwarzenberg-Hohenzollern" },
            Ordnerlage(Traeger { { "Elif Yıl", "Elif Y?lmaz-Schwarzenberg-Hohenz" } }) },
        { "a folder made with a character Windows refuses", { "Kim: Lee", "Kim Lee" }, { "Kim: Lee", "Kim Lee" },
            { "Kim: Lee", "Kim Lee" }, QSet<QString> { "kim: lee" } },
        // A later line that names a folder keeps it: it may hold his protocols from before.
        { "a later line's folder", { "Lena Schmidt", "Lena Schneider", "02 Lena Meier" },
            { "Lena Sch", "04 Lena", "02 Lena" }, { "Lena Schmidt", "04 Lena Schneider", "02 Lena Meier" } },
        { "a later line's folder of a fresh folder's shape", { "Lena Schmidt", "Lena Schneider", "02*Lena Meier" },
            { "Lena Sch", "04 Lena", "02 Lena" }, { "Lena Schmidt", "04 Lena Schneider", "02*Lena Meier" } },
        { "a folder made with a tab, and one with a blank", { "\t\t06\tAnnabelle", "06 Annabell" },
            { "06\tAnnab", "06 Annab" }, { "\t\t06\tAnnabelle", "06 Annabell" }, QSet<QString> { "06\tannab" } },
        { "the same without the tab's folder", { "\t\t06\tAnnabelle", "06 Annabell" }, { "06 Annab", "02 Annab" },
            { "\t\t06\tAnnabelle", "02 Annabell" } },
        // Lines sorted and numbered anew by hand, then a namesake typed below: the one who found her folder by name
        // keeps it, as its number is another line's and ties no line without one to it.
        { "a namesake typed below one sorted anew", { "01 Anna", "02 Ben", "Anna" }, { "02 Anna", "01 Ben", "Anna" },
            { "01 Anna", "02 Ben", "Anna" }, Ordnerlage(Traeger { { "02 Anna", "Anna" }, { "01 Ben", "Ben" } }) },
        // Numbers typed in front of every line: each finds the folder he had without one, and keeps his number.
        { "numbers typed in front of every line", { "01 Max Neu", "02 Lena Schmidt", "03 Lena Schneider", "04 Anna" },
            { "Max Neu", "Lena Sch", "02 Lena", "Anna" },
            { "01 Max Neu", "02 Lena Schmidt", "03 Lena Schneider", "04 Anna" },
            Ordnerlage(Traeger { { "Max Neu", "Max Neu" }, { "Lena Sch", "Lena Schmidt" },
                { "02 Lena", "Lena Schneider" }, { "Anna", "Anna" } }) },
        // A line typed by hand with the name of one who left: nothing tells him from her; her folder's number then
        // ties him to it, since the folder of his name alone bears it too.
        { "a numbered namesake beside one who left", { "Anna", "03 Anna" }, { "Anna", "02 Anna" },
            { "Anna", "02 Anna" }, Ordnerlage(Traeger { { "Anna", "Anna" }, { "02 Anna", "Anna" } }) },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        EXPECT_EQ(ordnernamen(f.zeilen, f.vorhanden), f.ordner);
        EXPECT_EQ(eigeneOrdner(f.zeilen, f.vorhanden), f.eigen);
        EXPECT_EQ(ordnernamen(f.eigen, f.vorhanden), f.ordner);
        if (!f.codes.isEmpty()) {
            EXPECT_EQ(schuelercodes(f.zeilen, f.vorhanden), f.codes);
        }
    }
    // More pupils of one name than there are numbers: each still has a folder of his own.
    const QStringList viele(150, QStringLiteral("Anna"));
    const QStringList ordner = ordnernamen(viele);
    EXPECT_EQ(QSet<QString>(ordner.begin(), ordner.end()).size(), 150);
}

// The rule's header states it as rows, each with an example; these run exactly those examples, so that what a
// reader predicts from the header is what the rule does.
TEST_F(KlassenlisteTest, EveryExampleOfTheRulesHeaderComesOutAsItSays)
{
    QFile kopf(QStringLiteral(TAVI_SOURCE_DIR "/src/shell/ordnerregel.h"));
    ASSERT_TRUE(kopf.open(QIODevice::ReadOnly));
    const QHash<QString, Grund> gruende { { "nachName", Grund::nachName }, { "seineNummer", Grund::seineNummer },
        { "eigenerOrdner", Grund::eigenerOrdner }, { "frisch", Grund::frisch } };
    QString grund;
    int beispiele = 0;
    for (const QString& zeile : QString::fromUtf8(kopf.readAll()).split(u'\n')) {
        static const QRegularExpression reihe(QStringLiteral("^// (\\w+):"));
        static const QRegularExpression beispiel(QStringLiteral("^//\\s+e\\.g\\. (.*) \\| (.*) → (.*)$"));
        if (const QRegularExpressionMatch m = reihe.match(zeile); m.hasMatch()) grund = m.captured(1);
        const QRegularExpressionMatch m = beispiel.match(zeile);
        if (!m.hasMatch()) continue;
        SCOPED_TRACE(zeile.toStdString());
        ++beispiele;
        QStringList zeilen = m.captured(1).split(QStringLiteral(", "));
        const int um = int(zeilen.indexOf(QRegularExpression(QStringLiteral("\\*.*"))));
        ASSERT_GE(um, 0);
        zeilen[um].remove(0, 1);
        QHash<QString, QString> traeger;
        for (const QString& o : m.captured(2).split(QStringLiteral(", ")))
            traeger.insert(o.section(u'=', 0, 0), o.section(u'=', 1));
        const QVector<Schuelerordner> ordner = ordnerWahl(zeilen, Ordnerlage(traeger));
        const QStringList erwartet = m.captured(3).split(QStringLiteral(", "));
        ASSERT_EQ(erwartet.size(), zeilen.size());
        for (int i = 0; i < zeilen.size(); ++i) {
            static const QRegularExpression mitNummer(QStringLiteral("^(.*) \\((\\d+)\\)$"));
            const QRegularExpressionMatch n = mitNummer.match(erwartet.at(i));
            EXPECT_EQ(ordner.at(i).name, n.hasMatch() ? n.captured(1) : erwartet.at(i)) << i;
            EXPECT_EQ(ordner.at(i).nummer, n.hasMatch() ? n.captured(2).toInt() : 0) << i;
        }
        ASSERT_TRUE(gruende.contains(grund));
        EXPECT_EQ(ordner.at(um).grund, gruende.value(grund));
    }
    EXPECT_GE(beispiele, 10);
}

TEST_F(KlassenlisteTest, AByteOrderMarkedListGivesItsFirstPupilHisFolderAndIsSavedBackAsTheProgramWritesLists)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL.TXT"),
        "\xef\xbb\xbf"
        "01 Anna\r\n02 J\xc3\xbcrgen\r\n");
    const QStringList zeilen = lesen(dataFolder(), "KL");
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_EQ(schuelerordner(dataFolder(), "KL", zeilen, 0), dataFolder() + "Klassen/KL/01 Anna");
    QString ordner, fehler;
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL", zeilen, 1, ordner, fehler), Ordnerwahl::angelegt);
    EXPECT_EQ(ordner, dataFolder() + "Klassen/KL/01 Anna");

    const Speicherergebnis e = aendern(dataFolder(), "KL", [](QStringList& z, int& nummer) {
        z << zeile(nummer = 3, "Cem");
        return Speicherung::gespeichert;
    });
    EXPECT_EQ(e.art, Speicherung::gespeichert);
    EXPECT_EQ(readBytes(dataPath("k_liste/KL.TXT")), "01 Anna\r\n02 J\xfcrgen\r\n03 Cem\r\n");
    EXPECT_TRUE(QFileInfo(dataPath("Klassen/KL/03 Cem")).isDir());
}

TEST_F(KlassenlisteTest, ALineWindows1252CannotHoldIsKeptInUtf8AndAFileThatWouldReadOtherwiseWritesNothing)
{
    QDir().mkpath(dataPath("k_liste"));
    const struct {
        QByteArray vorher;
        const char* name;
        QByteArray nachher; // empty: nothing is written
    } faelle[] = {
        // "Ł" and "ş" have no Windows-1252 byte; the line stays in UTF-8, the others are written as always.
        { "01 \xc5\x81ukasz\r\n02 J\xc3\xbcrgen\n03 Ay\xc5\x9f"
          "e \xc5\x9e"
          "ahin\r\n",
            "Łukasz",
            "01 \xc5\x81ukasz\r\n02 J\xfcrgen\r\n03 Ay\xc5\x9f"
            "e \xc5\x9e"
            "ahin\r\n04 Cem\r\n" },
        // Its Windows-1252 bytes would read back as "Jürgen": it stays as the editor wrote it.
        { "01 J\xc3\x83\xc2\xbcrgen\r\n", "JÃ¼rgen", "01 J\xc3\x83\xc2\xbcrgen\r\n02 Cem\r\n" },
        // A UTF-8 mark, then a UTF-16 one: written back, the file would begin with the latter, and read as UTF-16.
        { "\xef\xbb\xbf\xfe\xff"
          "01 Ann\r\n",
            "þÿ01 Ann", {} },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QDir(dataPath("Klassen")).removeRecursively();
        writeBytes(dataPath("k_liste/KL.TXT"), f.vorher);
        const Speicherergebnis e = aendern(dataFolder(), "KL", [](QStringList& z, int& nummer) {
            z << zeile(nummer = int(z.size()) + 1, "Cem");
            return Speicherung::gespeichert;
        });
        EXPECT_EQ(readBytes(dataPath("k_liste/KL.TXT")), f.nachher.isEmpty() ? f.vorher : f.nachher);
        EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files | QDir::Hidden), QStringList { "KL.TXT" });
        if (!f.nachher.isEmpty()) {
            EXPECT_EQ(e.art, Speicherung::gespeichert) << e.fehler.toStdString();
            EXPECT_EQ(lesen(dataFolder(), "KL").first(), "01 " + QString::fromUtf8(f.name));
            continue;
        }
        EXPECT_EQ(e.art, Speicherung::fehler);
        EXPECT_TRUE(e.fehler.contains(QString::fromUtf8(f.name))) << e.fehler.toStdString();
        EXPECT_TRUE(e.fehler.contains(dataPath("k_liste/KL.TXT"))) << e.fehler.toStdString();
        EXPECT_TRUE(e.fehler.endsWith(".")) << e.fehler.toStdString();
        EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    }
}

// A pupil's choice writes his folder's number into his line and leaves every other byte of the teacher's file as her
// editor saved it: a teacher who saved it again would else change a name, and a folder with it.
TEST_F(KlassenlisteTest, AChoiceWritesTheNumberBeforeTheLinesOwnBytesAndChangesNothingElse)
{
    QDir().mkpath(dataPath("k_liste"));
    // "#" stands where the second Anna's number is written.
    const struct {
        const char* wie;
        QByteArray muster;
        int utf16 = 0; // 1: little-endian, 2: big-endian, with its mark
    } faelle[] = {
        { "UTF-8, LF", "J\xc3\xbcrgen M\xc3\xbcller\nTom Klein\nAnna\n#Anna\nElif Y\xc4\xb1lmaz\n" },
        { "UTF-8 with its mark, CR LF", "\xef\xbb\xbfJ\xc3\xbcrgen M\xc3\xbcller\r\nTom Klein\r\nAnna\r\n#Anna\r\n" },
        { "Windows-1252, CR LF, a blank line", "J\xfcrgen M\xfcller\r\n\r\nTom Klein\r\nAnna\r\n#Anna\r\nJos\xe9\r\n" },
        { "lines of both encodings and ends, the last without one",
            "J\xfcrgen M\xfcller\r\nElif Y\xc4\xb1lmaz\nAnna\r\n#Anna" },
        { "UTF-16 little-endian", "J\xc3\xbcrgen M\xc3\xbcller\r\nTom Klein\r\nAnna\r\n#Anna\r\nElif Y\xc4\xb1lmaz\r\n",
            1 },
        { "UTF-16 big-endian, LF", "J\xc3\xbcrgen M\xc3\xbcller\nTom Klein\nAnna\n#Anna", 2 },
    };
    const auto datei = [](const QByteArray& muster, int utf16, const char* nummer) {
        QByteArray text = QByteArray(muster).replace("#", nummer);
        if (!utf16) return text;
        QByteArray bytes = utf16 == 1 ? "\xff\xfe" : "\xfe\xff";
        for (const QChar c : QString::fromUtf8(text)) {
            const char hoch = char(c.unicode() >> 8);
            const char tief = char(c.unicode() & 0xff);
            bytes.append(utf16 == 1 ? tief : hoch).append(utf16 == 1 ? hoch : tief);
        }
        return bytes;
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        QDir(dataPath("Klassen")).removeRecursively();
        writeBytes(dataPath("k_liste/KL.TXT"), datei(f.muster, f.utf16, ""));
        QString ordner, fehler;
        ASSERT_EQ(ordnerWaehlen(dataFolder(), "KL", lesen(dataFolder(), "KL"), 4, ordner, fehler), Ordnerwahl::angelegt)
            << fehler.toStdString();
        EXPECT_EQ(ordner, dataPath("Klassen/KL/04 Anna"));
        EXPECT_EQ(readBytes(dataPath("k_liste/KL.TXT")), datei(f.muster, f.utf16, "04 "));
        EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files | QDir::Hidden), QStringList { "KL.TXT" });
    }
    // A number typed with blanks and tabs before it is replaced in the line's own encoding, the name's bytes kept.
    EXPECT_EQ(mitZeilen("Anna\n\t 4\tJ\xfcrgen\r\n", { "Anna", "07 Jürgen" }), QByteArray("Anna\n07 J\xfcrgen\r\n"));
    EXPECT_EQ(mitZeilen("Anna\n4 J\xc3\xbcrgen", { "Anna", "07 Jürgen" }), QByteArray("Anna\n07 J\xc3\xbcrgen"));
    // Not as many lines: nothing.
    EXPECT_FALSE(mitZeilen("Anna\r\n", { "Anna", "02 Anna" }));
}

TEST_F(KlassenlisteTest, ThePupilsFoldersAreMadeBesideThoseThereInAnyLetterCase)
{
    QDir().mkpath(dataPath("Klassen/kl/01 ANNA"));
    writeBytes(dataPath("Klassen/kl/01 ANNA/H1_7_01.txt"), "x");
    ordnerAnlegen(dataFolder(), "KL", { "01 Anna", "Ben", "01 Dup", "01 Dup", "..", "", "../Fremd" });
    EXPECT_EQ(QDir(dataPath("Klassen/kl")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
        QStringList({ "01 ANNA", "01 Dup", "04 Dup", "Ben" }));
    EXPECT_EQ(allEntries(dataPath("Klassen")), QStringList({ "kl" }));
    // A new list's folder is made with it.
    ordnerAnlegen(dataFolder(), "NEU", { "01 Anna", "02 Ben" });
    EXPECT_EQ(QDir(dataPath("Klassen/NEU")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
        QStringList({ "01 Anna", "02 Ben" }));
}

TEST_F(KlassenlisteTest, ALookThatMeetsTheShareSettlingOtherPcsLocksWaitsItOutAndAFaultIsSaid)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/kl3a.txt"), "01 Anna\r\n");
    // The name as given is not on disk in that letter case, so the folder is listed; the share answers that
    // listing with an I/O error or a stale handle for a moment, as while other PCs make and give back their locks
    // beside it.
    QElapsedTimer seit;
    QString pfad, fehler;
    for (const int antwort : { EIO, ESTALE }) {
        seit.start();
        files::setShareAnswerForTests([&](const char* schritt, const QString& pfad) {
            return qstrcmp(schritt, "opendir") == 0 && pfad.endsWith(QLatin1String("k_liste")) && seit.elapsed() < 300
                ? antwort
                : 0;
        });
        EXPECT_EQ(ansehen(dataFolder(), "KL3A", pfad, fehler), Blick::da) << antwort << " " << fehler.toStdString();
        EXPECT_TRUE(pfad.endsWith("k_liste/kl3a.txt"));
    }

    // No right to list the folder is a fault, said at once.
    files::setShareAnswerForTests(
        [](const char* schritt, const QString&) { return qstrcmp(schritt, "opendir") == 0 ? EACCES : 0; });
    seit.restart();
    EXPECT_EQ(ansehen(dataFolder(), "KL3A", pfad, fehler), Blick::fehler);
    EXPECT_LT(seit.elapsed(), 1000);
    EXPECT_TRUE(fehler.contains("k_liste")) << fehler.toStdString();
    files::setShareAnswerForTests({});
}

TEST_F(KlassenlisteTest, APupilsFolderIsChosenOnlyForTheLineShownAtItsPlace)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.TXT"), "01 Anna\r\n02 Ben\r\n03 Cem\r\n");
    QString ordner, fehler;
    // The last line shown, and lines the list no longer holds there (shortened or changed on another PC).
    const QStringList gezeigt { "01 Anna", "02 Ben", "03 Cem" };
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", gezeigt, 3, ordner, fehler), Ordnerwahl::angelegt);
    EXPECT_EQ(ordner, dataFolder() + "Klassen/KL3A/03 Cem");
    for (const auto& [nummer, zeile] :
        { std::pair<int, const char*> { 4, "04 Dora" }, { 0, "01 Anna" }, { 2, "02 Bea" }, { 1, "02 Ben" } }) {
        QStringList anders = gezeigt;
        if (nummer == 4) anders << zeile;
        if (nummer >= 1 && nummer <= 3) anders[nummer - 1] = zeile;
        EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", anders, nummer, ordner, fehler), Ordnerwahl::geaendert)
            << nummer << " " << zeile;
        EXPECT_TRUE(ordner.isEmpty());
    }
    // A line deleted above two namesakes in an editor: the row the first Anna sees is her namesake's by now.
    writeBytes(dataPath("k_liste/KL3C.TXT"), "Anna\r\nAnna\r\n");
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3C", { "Tom", "Anna", "Anna" }, 2, ordner, fehler), Ordnerwahl::geaendert);
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/KL3C")));
    EXPECT_EQ(allEntries(dataPath("Klassen/KL3A")), QStringList({ "03 Cem" }));
    // A list deleted meanwhile, and one whose lock another PC holds.
    EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3B", { "01 Anna" }, 1, ordner, fehler), Ordnerwahl::geloescht);
    FileLock::setWaitForTests(0);
    {
        const FileLock anderer(sperrdatei(dataFolder(), "KL3A"));
        ASSERT_TRUE(anderer.held());
        EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", gezeigt, 1, ordner, fehler), Ordnerwahl::gesperrt);
    }
    FileLock::setWaitForTests(-1);
    EXPECT_EQ(allEntries(dataPath("Klassen/KL3A")), QStringList({ "03 Cem" }));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/KL3B")));
}

TEST_F(KlassenlisteTest, AListThatCannotBeReadGetsNoPupilsFoldersAndItsReasonIsToldAlone)
{
    // Its name is taken by a folder: the save fails and makes nothing for it.
    QDir().mkpath(dataPath("k_liste/KL3A.txt"));
    const Speicherergebnis e = aendern(dataFolder(), "KL3A", [](QStringList& z, int& nummer) {
        z << zeile(nummer = 1, "Anna");
        return Speicherung::gespeichert;
    });
    EXPECT_EQ(e.art, Speicherung::fehler);
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    // What a message says after its colon is the reason, without the file the I/O message names.
    EXPECT_EQ(grund(IoError(IoAccessDenied, dataPath("k_liste/KL3A.txt")).message()), IoError::reason(IoAccessDenied));
    EXPECT_EQ(grund(e.fehler), IoError::reason(IoAccessDenied)) << e.fehler.toStdString();
}

TEST_F(KlassenlisteTest, AChildKeepsTheFolderHisProtocolsNameWhateverIsTypedAroundHim)
{
    QDir().mkpath(dataPath("k_liste"));
    QStringList zeilen;
    const auto tippen = [&](const QStringList& neu) {
        zeilen = neu;
        writeBytes(dataPath("k_liste/KL3A.TXT"), zeilen.join("\r\n").toUtf8() + "\r\n");
    };
    // A protocol saved as a pupil saves one, of an aid or an analysis: the folder chosen for the line shown, the
    // pupil named in the protocol's first lines. Returns the folder and the code.
    const auto speichern = [&](const QString& wer, bool analyse = false) {
        zeilen = lesen(dataFolder(), "KL3A");
        int nummer = 0;
        while (nummer < zeilen.size() && name(zeilen.at(nummer)) != wer)
            ++nummer;
        ++nummer;
        QString ordner, fehler, code;
        EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", zeilen, nummer, ordner, fehler, &code), Ordnerwahl::angelegt);
        const QStringList kopf = analyse
            ? QStringList { code.mid(3, 35).leftJustified(37) + "10.12.2026  1x1", "gespeichert unter: ..." }
            : QStringList { "Hilfe: Einmaleins", "Leistungsprotokoll für " + name(wer) };
        EXPECT_FALSE(protokoll::anlegen(
            ordner + (analyse ? "/1x1___" : "/H1_7_"), [&](const QString&) { return kopf; }, fehler)
                         .isEmpty());
        return QFileInfo(ordner).fileName() + " | " + code;
    };
    tippen({ "Lena Schmidt", "Ben", "Lena Schneider", "Lena Schulz", "Maximilian Koch" });
    EXPECT_EQ(speichern("Lena Schmidt"), "Lena Sch | 01 Lena Schmidt");
    EXPECT_EQ(speichern("Lena Schneider", true), "03 Lena | 03 Lena Schneider");
    EXPECT_EQ(speichern("Lena Schulz"), "04 Lena | 04 Lena Schulz");
    EXPECT_EQ(speichern("Maximilian Koch", true), "Maximili | 05 Maximilian Koch");
    // A pupil given a folder his line does not name has its number written into his line at once.
    EXPECT_EQ(lesen(dataFolder(), "KL3A"),
        QStringList({ "Lena Schmidt", "Ben", "03 Lena Schneider", "04 Lena Schulz", "Maximilian Koch" }));
    // Ben leaves; a Lena and a Maximilian come, typed above the others in alphabetical order.
    tippen({ "Lena Schäfer", "Lena Schmidt", "03 Lena Schneider", "04 Lena Schulz", "Maximilian Berg",
        "Maximilian Koch" });
    EXPECT_EQ(speichern("Lena Schneider"), "03 Lena | 03 Lena Schneider");
    EXPECT_EQ(speichern("Lena Schulz", true), "04 Lena | 04 Lena Schulz");
    EXPECT_EQ(speichern("Maximilian Koch"), "Maximili | 06 Maximilian Koch");
    EXPECT_EQ(speichern("Lena Schmidt"), "Lena Sch | 02 Lena Schmidt");
    EXPECT_EQ(speichern("Lena Schäfer"), "01 Lena | 01 Lena Schäfer");
    EXPECT_EQ(speichern("Maximilian Berg"), "05 Maxim | 05 Maximilian Berg");
    // Lena Schmidt leaves, her line deleted; Lena Schulz's moved above Lena Schneider's.
    tippen({ "01 Lena Schäfer", "04 Lena Schulz", "03 Lena Schneider", "05 Maximilian Berg", "Maximilian Koch" });
    EXPECT_EQ(speichern("Lena Schneider"), "03 Lena | 03 Lena Schneider");
    EXPECT_EQ(speichern("Lena Schulz", true), "04 Lena | 04 Lena Schulz");
    EXPECT_EQ(speichern("Lena Schäfer"), "01 Lena | 01 Lena Schäfer");
    // A choice reads the folders of the lines his could meet, each once, and a second one in the same window none.
    Ordnerblick blick;
    QString ordner, fehler;
    for (int mal = 0; mal < 2; ++mal) {
        EXPECT_EQ(
            ordnerWaehlen(dataFolder(), "KL3A", zeilen, 4, ordner, fehler, nullptr, &blick), Ordnerwahl::angelegt);
        EXPECT_EQ(ordner, dataPath("Klassen/KL3A/05 Maxim"));
        EXPECT_EQ(blick.lage(dataFolder(), "KL3A", zeilen).gelesen(), 2); // "Maximili" and "05 Maxim"
    }
    // A window's view is looked at again under the lock: a folder another PC made since is seen, nothing else read.
    EXPECT_FALSE(blick.auffrischen(dataFolder(), "KL3A"));
    QDir().mkpath(dataPath("Klassen/KL3A/07 Maxim"));
    EXPECT_TRUE(blick.auffrischen(dataFolder(), "KL3A"));
    EXPECT_TRUE(blick.lage(dataFolder(), "KL3A", zeilen).da("07 Maxim"));
    EXPECT_EQ(blick.lage(dataFolder(), "KL3A", zeilen).gelesen(), 0);
    QDir().rmdir(dataPath("Klassen/KL3A/07 Maxim"));
    // Each folder holds the protocols of one child.
    for (const QString& o : allEntries(dataPath("Klassen/KL3A"))) {
        QSet<QString> namen;
        for (const QString& p : allEntries(dataPath("Klassen/KL3A/" + o))) {
            QFile f(dataPath("Klassen/KL3A/" + o + "/" + p));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            namen.insert(protokollname(QString::fromLatin1(f.readAll()).split("\r\n")));
        }
        EXPECT_EQ(namen.size(), 1) << o.toStdString();
    }

    // A folder two pupils shared under an older release is the child's whose protocol comes first by its file's name,
    // whatever the letter case of the names.
    QDir().mkpath(dataPath("Klassen/KL3B/Lena Sch"));
    writeBytes(dataPath("Klassen/KL3B/Lena Sch/h1_7_01.txt"), "Hilfe\r\nLeistungsprotokoll f\xfcr Lena Schmidt\r\n");
    writeBytes(dataPath("Klassen/KL3B/Lena Sch/H1_7_02.txt"), "Hilfe\r\nLeistungsprotokoll f\xfcr Lena Schneider\r\n");
    EXPECT_EQ(ordnernamen({ "Lena Schneider", "Lena Schmidt" }, ordnerlage(dataFolder(), "KL3B")),
        QStringList({ "01 Lena", "Lena Sch" }));
}

// A protocol dialog or an analysis set-up left open keeps what it saw of the pupils' folders between choices: what
// other PCs did since is seen under the list's lock, and a choice reads no folder of another name's children.
TEST_F(KlassenlisteTest, AWindowLeftOpenSeesWhatOtherPcsDidSince)
{
    QDir().mkpath(dataPath("k_liste"));
    // The folder a choice from the window gives the pupil `wer`, with the list read again as the window shows it.
    const auto waehlen = [&](Ordnerblick& blick, const QString& wer) {
        const QStringList zeilen = lesen(dataFolder(), "KL");
        int nummer = 1;
        while (nummer <= zeilen.size() && name(zeilen.at(nummer - 1)) != wer)
            ++nummer;
        QString ordner, fehler;
        EXPECT_EQ(
            ordnerWaehlen(dataFolder(), "KL", zeilen, nummer, ordner, fehler, nullptr, &blick), Ordnerwahl::angelegt);
        return QFileInfo(ordner).fileName();
    };
    const auto speichern = [&](const QString& ordner, const QString& wer) {
        QDir().mkpath(dataPath("Klassen/KL/" + ordner));
        QString fehler;
        EXPECT_FALSE(protokoll::anlegen(
            dataPath("Klassen/KL/" + ordner + "/H1_7_"),
            [&](const QString&) {
                return QStringList { "Hilfe: Einmaleins", "Leistungsprotokoll für " + wer };
            },
            fehler)
                         .isEmpty());
    };

    // Another PC gives a child of other letters the folder the window would have given.
    writeBytes(dataPath("k_liste/KL.TXT"), "Lena Schmidt\r\nBen\r\nLena Schneider\r\n");
    Ordnerblick blick;
    EXPECT_EQ(schuelercodes(lesen(dataFolder(), "KL"), blick.lage(dataFolder(), "KL", lesen(dataFolder(), "KL"))),
        QStringList({ "01 Lena Schmidt", "02 Ben", "03 Lena Schneider" }));
    speichern("03 Lena", "Lena Meier");
    EXPECT_EQ(waehlen(blick, "Lena Schneider"), "04 Lena");

    // Another PC corrects a name in the administration after the window gave him his folder.
    QDir(dataPath("Klassen")).removeRecursively();
    writeBytes(dataPath("k_liste/KL.TXT"), "Maximilian Koch\r\nBen\r\n");
    speichern("Maximili", "Maximilian Koch");
    blick.vergessen();
    EXPECT_EQ(waehlen(blick, "Maximilian Koch"), "Maximili");
    ASSERT_EQ(dverw::namenAendern(dataFolder(), "KL", 1, "Maximilian Koch", "Maximilian Kochs").art,
        Speicherung::gespeichert);
    EXPECT_EQ(waehlen(blick, "Maximilian Kochs"), "Maximili");
    // Ben renamed Tom there, and a new Ben typed in an editor: Tom's protocols are no one's of that name.
    writeBytes(dataPath("k_liste/KL.TXT"), "Maximilian Kochs\r\nBen\r\n");
    speichern("Ben", "Ben");
    EXPECT_EQ(waehlen(blick, "Ben"), "Ben");
    ASSERT_EQ(dverw::namenAendern(dataFolder(), "KL", 2, "Ben", "Tom").art, Speicherung::gespeichert);
    writeBytes(dataPath("k_liste/KL.TXT"), "Maximilian Kochs\r\nTom\r\nBen\r\n");
    EXPECT_NE(waehlen(blick, "Ben"), "Ben");

    // Two Bens, each with his folder: Anna's choice touches neither their lines nor their protocols.
    QDir(dataPath("Klassen")).removeRecursively();
    const QByteArray liste = "Anna\r\nBen\r\nBen\r\n";
    writeBytes(dataPath("k_liste/KL.TXT"), liste);
    speichern("Ben", "Ben");
    speichern("03 Ben", "Ben");
    blick.vergessen();
    EXPECT_EQ(waehlen(blick, "Anna"), "Anna");
    EXPECT_EQ(readBytes(dataPath("k_liste/KL.TXT")), liste);
    const Ordnerlage gesehen = blick.lage(dataFolder(), "KL", lesen(dataFolder(), "KL"));
    EXPECT_FALSE(gesehen.bekannt("ben"));
    EXPECT_FALSE(gesehen.bekannt("03 ben"));
}

TEST_F(KlassenlisteTest, AFolderThatCannotBeReadJustNowIsSomeonesAndAnEmptyProtocolNamesNoOne)
{
    QDir().mkpath(dataPath("k_liste"));
    const auto protokoll = [&](const QString& datei, const QByteArray& wer) {
        QDir().mkpath(QFileInfo(dataPath("Klassen/KL3A/" + datei)).path());
        writeBytes(dataPath("Klassen/KL3A/" + datei),
            wer.isEmpty() ? QByteArray() : "Hilfe: Einmaleins\r\nLeistungsprotokoll f\xfcr " + wer + "\r\n");
    };
    // The folder the choice of the first pupil named `wer` gives, while the share answers as `teilen` says, and the
    // list after it.
    const auto waehlen = [&](const QByteArray& liste, const QString& wer,
                             std::function<int(const char*, const QString&)> teilen) {
        writeBytes(dataPath("k_liste/KL3A.TXT"), liste);
        const QStringList zeilen = lesen(dataFolder(), "KL3A");
        const int nummer = int(zeilen.indexOf(wer)) + 1;
        QString ordner, fehler;
        files::setShareAnswerForTests(std::move(teilen));
        EXPECT_EQ(ordnerWaehlen(dataFolder(), "KL3A", zeilen, nummer, ordner, fehler), Ordnerwahl::angelegt)
            << fehler.toStdString();
        files::setShareAnswerForTests({});
        const QByteArray danach = readBytes(dataPath("k_liste/KL3A.TXT"));
        QDir(dataPath("Klassen")).removeRecursively();
        return QFileInfo(ordner).fileName() + " | " + (danach == liste ? "unchanged" : QString::fromLatin1(danach));
    };
    const auto unlesbar = [](const char* schritt, const QString& endung) {
        return [=](const char* s, const QString& pfad) {
            return qstrcmp(s, schritt) == 0 && pfad.endsWith(endung) ? EACCES : 0;
        };
    };
    const QByteArray schaefer = QStringLiteral("Lena Schäfer\r\n").toLatin1();
    // Schmidt's folder, its list of names, her protocol or the name noted there unreadable just now: never free.
    protokoll("Lena Sch/H1_7_01.txt", "Lena Schmidt");
    EXPECT_EQ(waehlen(schaefer, "Lena Schäfer", unlesbar("opendir", "/Lena Sch")), "01 Lena | 01 Lena Schäfer\r\n");
    protokoll("Lena Sch/H1_7_01.txt", "Lena Schmidt");
    EXPECT_EQ(waehlen(schaefer, "Lena Schäfer", unlesbar("open", "/H1_7_01.txt")), "01 Lena | 01 Lena Schäfer\r\n");
    QDir().mkpath(dataPath("Klassen/KL3A/Lena Sch"));
    writeBytes(dataPath("Klassen/KL3A/Lena Sch/Name.txt"), "Lena Schmidt\r\n");
    EXPECT_EQ(waehlen(schaefer, "Lena Schäfer", unlesbar("open", "/Name.txt")), "01 Lena | 01 Lena Schäfer\r\n");
    // The share busy for a moment as another PC writes beside her protocol: waited out.
    protokoll("Lena Sch/H1_7_01.txt", "Lena Schmidt");
    QElapsedTimer seit;
    seit.start();
    EXPECT_EQ(waehlen("Lena Schmidt\r\n02 Lena Schneider\r\n", "Lena Schmidt",
                  [&](const char* s, const QString& pfad) {
                      return qstrcmp(s, "open") == 0 && pfad.endsWith("/H1_7_01.txt") && seit.elapsed() < 200 ? EBUSY
                                                                                                              : 0;
                  }),
        "Lena Sch | unchanged");
    // A PC that lost power while saving her first protocol left it empty: her next one says whose the folder is.
    protokoll("Anna/H1_7_01.txt", "");
    protokoll("Anna/H1_7_02.txt", "Anna");
    EXPECT_EQ(waehlen("Anna\r\n", "Anna", {}), "Anna | unchanged");
}
