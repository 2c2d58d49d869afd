#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "support/fixtures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <atomic>
#include <cerrno>
#include <random>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

using namespace dverw;

class DverwLogikTest : public TaviTest {
protected:
    QByteArray listeBytes(const QStringList& zeilen)
    {
        QByteArray b;
        for (const QString& z : zeilen)
            b += z.toLatin1() + "\r\n";
        return b;
    }
    void liste(const QString& datei, const QStringList& zeilen)
    {
        QDir().mkpath(dataPath("k_liste"));
        writeBytes(dataPath("k_liste/" + datei), listeBytes(zeilen));
    }
};

TEST_F(DverwLogikTest, NamesAreCheckedCharacterByCharacter)
{
    EXPECT_TRUE(schuelernameGueltig("Anna-Lena Müßig"));
    EXPECT_TRUE(schuelernameGueltig(QString(35, u'a')));
    EXPECT_FALSE(schuelernameGueltig(QString(36, u'a')));
    EXPECT_FALSE(schuelernameGueltig(""));
    EXPECT_FALSE(schuelernameGueltig(" Anna"));
    EXPECT_FALSE(schuelernameGueltig("An/na"));
    EXPECT_FALSE(schuelernameGueltig("Anna1"));
    // Every letter of a name as a class spells it, an accent written after its letter too.
    for (const char* name : { "Zeynep Yıldız", "Łukasz Wójcik", "Ayşe Şahin", "José", "Jose\u0301", "Ана" })
        EXPECT_TRUE(schuelernameGueltig(QString::fromUtf8(name))) << name;

    // What a name may not hold is said, each character once, the first three by name.
    const struct {
        const char* text;
        bool imNamen;
        const char* hinweis;
    } hinweise[] = {
        { "Anna Lena-Maria", false, "" },
        { "Kind4", false, "„4“ gehört nicht in einen Namen." },
        { "Kind45 Name", true, "„4“ und „5“ gehören nicht in einen Namen. Ohne sie lässt sich der Name speichern." },
        { "Anna\tMüller.", false, "Ein Tabulator und „.“ gehören nicht in einen Namen." },
        { "1a2b3c4d1", false, "„1“, „2“, „3“ und weitere Zeichen gehören nicht in einen Namen." },
        { "Lea 😀", true, "„😀“ gehört nicht in einen Namen. Ohne dieses Zeichen lässt sich der Name speichern." },
    };
    for (const auto& h : hinweise)
        EXPECT_EQ(zeichenhinweis(fremdeZeichen(QString::fromUtf8(h.text)), h.imNamen), QString::fromUtf8(h.hinweis))
            << h.text;

    EXPECT_TRUE(listennameGueltig("1b_03"));
    EXPECT_TRUE(listennameGueltig("ABCDEFG"));
    EXPECT_FALSE(listennameGueltig("ABCDEFGH"));
    EXPECT_FALSE(listennameGueltig(""));
    EXPECT_FALSE(listennameGueltig("1b/03"));
    EXPECT_FALSE(listennameGueltig("1b 03"));
    EXPECT_FALSE(listennameGueltig(QString::fromUtf8("1bä")));

    EXPECT_TRUE(passwortzeichen(u'0'));
    EXPECT_TRUE(passwortzeichen(u'z'));
    EXPECT_FALSE(passwortzeichen(u' '));
    EXPECT_FALSE(passwortzeichen(u'*'));
    EXPECT_FALSE(passwortzeichen(u'{'));
}

TEST_F(DverwLogikTest, AnExistingListIsFoundWhateverItsLetterCase)
{
    EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "1b"), klassenliste::Namenspruefung::frei); // no k_liste yet
    liste("1B.TXT", { "01 Anna" });
    EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "1b"), klassenliste::Namenspruefung::vorhanden);
    // Nor is it made anew, nor a folder for its names.
    EXPECT_EQ(listeAnlegen(dataFolder(), "1b", { "01 Ben" }).art, klassenliste::Speicherung::vorhanden);
    EXPECT_EQ(readBytes(dataPath("k_liste/1B.TXT")), "01 Anna\r\n");
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "1B"), klassenliste::Namenspruefung::vorhanden);
    EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "1b_03"), klassenliste::Namenspruefung::frei);
    liste("2c.txt", {});
    EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "2C"), klassenliste::Namenspruefung::vorhanden);
}

TEST_F(DverwLogikTest, ANameIsNeverFreeWhereTheListsCannotBeRead)
{
    liste("KLA.TXT", { "01 Anna" });
    {
        UnlesbarerOrdner zu(dataPath("k_liste"), testFolder());
        EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "KLA"), klassenliste::Namenspruefung::unlesbar);
        EXPECT_EQ(klassenliste::namepruefen(dataFolder(), "neu"), klassenliste::Namenspruefung::unlesbar);
        // Nor is a new list made there: nothing was overwritten.
        EXPECT_NE(listeAnlegen(dataFolder(), "KLA", { "01 Ben" }).art, klassenliste::Speicherung::gespeichert);
    }
    EXPECT_EQ(readBytes(dataPath("k_liste/KLA.TXT")), "01 Anna\r\n");
    // Without the data folder itself (a share not connected) nothing is known either.
    EXPECT_EQ(klassenliste::namepruefen(dataPath("fehlt/"), "KLA"), klassenliste::Namenspruefung::unlesbar);
}

TEST_F(DverwLogikTest, TheChoiceShowsNamesBeforeTheDot)
{
    liste("1B.TXT", {});
    liste("AB_1.txt", {});
    liste("ABCDEFGH.TXT", {});
    liste("notiz.doc", {});
    QStringList namen = klassenliste::suchen(dataFolder()).namen;
    namen.sort();
    EXPECT_EQ(namen, QStringList({ "1B", "ABCDEFGH", "AB_1" }));
}

TEST_F(DverwLogikTest, ARewriteKeepsEveryLineAndAMissingListThrows)
{
    QStringList zeilen;
    for (int i = 1; i <= 45; ++i)
        zeilen << listenzeile(i, "Kind");
    liste("VOLL.TXT", zeilen);
    EXPECT_EQ(klassenliste::alleZeilen(dataFolder(), "VOLL").mid(0, 40).size(), 40);
    EXPECT_THROW(klassenliste::alleZeilen(dataFolder(), "fehlt").mid(0, 40), IoError);
    EXPECT_THROW(klassenliste::alleZeilen(dataFolder(), "").mid(0, 40), IoError);

    // A rewrite keeps the lines the window does not show.
    ASSERT_EQ(namenAendern(dataFolder(), "VOLL", 40, zeilen[39], "Neu").art, klassenliste::Speicherung::gespeichert);
    zeilen[39] = listenzeile(40, "Neu");
    TextFile f;
    f.assign(dataPath("k_liste/VOLL.TXT"));
    f.reset();
    QStringList gelesen;
    while (!f.eof())
        gelesen << f.readLine();
    EXPECT_EQ(gelesen, zeilen);
}

TEST_F(DverwLogikTest, AListThatCannotBeWrittenIsReportedAndNothingChanges)
{
    writeBytes(dataPath("k_liste"), "kein Ordner");
    klassenliste::Speicherergebnis e = listeAnlegen(dataFolder(), "1A", { "01 Anna" });
    EXPECT_EQ(e.art, klassenliste::Speicherung::fehler);
    EXPECT_FALSE(e.fehler.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    EXPECT_EQ(listeAnlegen(dataFolder(), "..", { "01 Anna" }).art, klassenliste::Speicherung::fehler);
    EXPECT_FALSE(QFileInfo::exists(dataPath("x.txt")));
}

TEST_F(DverwLogikTest, ASaveTakesInWhatAnotherPcSavedSinceTheListWasRead)
{
    // This PC read "01 Anna", "02 Ben", "03 Carl"; `jetzt` is the file as another PC left it before the save.
    const QStringList gelesen = { "01 Anna", "02 Ben", "03 Carl" };
    QStringList vierzig;
    for (int i = 1; i <= kMaxNamen; ++i)
        vierzig << listenzeile(i, "Kind");
    QStringList mitLeerzeile = vierzig;
    mitLeerzeile[5] = "";
    QStringList handgemacht = vierzig;
    for (int i = kMaxNamen + 1; i <= 45; ++i)
        handgemacht << listenzeile(i, "Kind");
    QStringList handgemachtGeaendert = handgemacht;
    handgemachtGeaendert[44] = "45 Dora";
    struct Fall {
        const char* was;
        QStringList jetzt;
        int aendern; // 0 adds "Dora", else the pupil (blank lines not counted) who becomes "NN Dora"
        klassenliste::Speicherung art;
        QStringList danach; // empty: the file stays byte for byte
        QString neuerOrdner;
        QString gelesenHier = {}; // the line this PC read of that pupil, where it is not one of `gelesen`
        QString sperrzeile = {}; // keineNummer: the line the refusal names
    };
    const Fall faelle[] = {
        { "added there, added here", { "01 Anna", "02 Ben", "03 Carl", "04 Emil" }, 0,
            klassenliste::Speicherung::gespeichert, { "01 Anna", "02 Ben", "03 Carl", "04 Emil", "05 Dora" },
            "05 Dora" },
        { "filled there", vierzig, 0, klassenliste::Speicherung::voll, {}, {} },
        { "changed there and here", { "01 Anna", "02 Benno", "03 Carl" }, 2,
            klassenliste::Speicherung::anderswoGeaendert, {}, {} },
        { "shortened there", { "01 Anna", "02 Ben" }, 3, klassenliste::Speicherung::anderswoGeaendert, {}, {} },
        { "grown and changed there, another line here", { "01 Anna", "02 Ben", "03 Carla", "04 Emil" }, 2,
            klassenliste::Speicherung::gespeichert, { "01 Anna", "02 Dora", "03 Carla", "04 Emil" }, "02 Dora" },
        // A list a teacher edited by hand.
        { "a number skipped", { "01 Anna", "03 Carl" }, 0, klassenliste::Speicherung::gespeichert,
            { "01 Anna", "03 Carl", "04 Dora" }, "04 Dora" },
        { "blank lines", { "01 Anna", "", "02 Ben", "03 Carl", " \t" }, 0, klassenliste::Speicherung::gespeichert,
            { "01 Anna", "", "02 Ben", "03 Carl", "04 Dora", " \t" }, "04 Dora" },
        { "a blank line among forty", mitLeerzeile, 0, klassenliste::Speicherung::gespeichert,
            mitLeerzeile + QStringList { "41 Dora" }, "41 Dora" },
        { "numbers up to 99", { "01 Anna", "99 Carl" }, 0, klassenliste::Speicherung::keineNummer, {}, {}, {},
            "99 Carl" },
        { "a title with a year", { "2024 Klasse 3a", "01 Anna" }, 0, klassenliste::Speicherung::keineNummer, {}, {}, {},
            "2024 Klasse 3a" },
        // Blanks before a number belong to no name: " 05 Clara" is pupil 5, in the folder "05 Clara".
        { "a blank or a tab before a number", { "01 Anna", " 05 Clara Meier", "\t02 Annabell" }, 0,
            klassenliste::Speicherung::gespeichert, { "01 Anna", " 05 Clara Meier", "\t02 Annabell", "06 Dora" },
            "06 Dora" },
        // Each line typed without a number is known by its place: "Anna" as "01 Anna".
        { "typed without numbers", { "Anna", "Ben", "", "Clara" }, 0, klassenliste::Speicherung::gespeichert,
            { "Anna", "Ben", "", "Clara", "04 Dora" }, "04 Dora" },
        { "past a place and a number", { "Anna", "01 Ben", "Clara" }, 0, klassenliste::Speicherung::gespeichert,
            { "Anna", "01 Ben", "Clara", "04 Dora" }, "04 Dora" },
        { "pupil 45 of a list made by hand", handgemacht, 45, klassenliste::Speicherung::gespeichert,
            handgemachtGeaendert, "45 Dora", handgemacht.at(44) },
        { "a list made by hand is full for adding", handgemacht, 0, klassenliste::Speicherung::voll, {}, {} },
        { "damaged", { QString(4, QChar(0)) }, 0, klassenliste::Speicherung::beschaedigt, {}, {} },
        { "changed after a blank line", { "01 Anna", "", "02 Ben", "03 Carl" }, 3,
            klassenliste::Speicherung::gespeichert, { "01 Anna", "", "02 Ben", "03 Dora" }, "03 Dora" },
        { "changed, keeping its own number", { "01 Anna", "07 Carl" }, 2, klassenliste::Speicherung::gespeichert,
            { "01 Anna", "07 Dora" }, "07 Dora", "07 Carl" },
        // A name changed goes after the number as it was typed, or none: the pupil keeps his folder where its letters
        // stay.
        { "changed, written without a number", { "01 Anna", "Carl", "02 Ben" }, 2,
            klassenliste::Speicherung::gespeichert, { "01 Anna", "Dora", "02 Ben" }, "Dora", "Carl" },
        { "changed after a tab, keeping its number", { "01 Anna", "\t14 Carl" }, 2,
            klassenliste::Speicherung::gespeichert, { "01 Anna", "\t14 Dora" }, "14 Dora", "\t14 Carl" },
        { "changed, its number of one digit", { "01 Anna", "6 Carl" }, 2, klassenliste::Speicherung::gespeichert,
            { "01 Anna", "6 Dora" }, "6 Dora", "6 Carl" },
        { "changed, its number after a blank and before two", { " 03  Carl" }, 1,
            klassenliste::Speicherung::gespeichert, { " 03  Dora" }, "03  Dora", " 03  Carl" },
        // A pupil whose line names an earlier pupil's folder gets his own folder into his line.
        { "added to names that begin alike", { "Lena Schmidt", "Lena Schneider" }, 0,
            klassenliste::Speicherung::gespeichert, { "Lena Schmidt", "02 Lena Schneider", "03 Dora" }, "03 Dora" },
        { "the first of names that begin alike changed", { "Lena Schmidt", "Lena Schneider" }, 1,
            klassenliste::Speicherung::gespeichert, { "Dora", "02 Lena Schneider" }, "Dora", "Lena Schmidt" },
        { "changed into a later pupil's folder", { "Paul", "Dora" }, 1, klassenliste::Speicherung::gespeichert,
            { "03 Dora", "Dora" }, "03 Dora", "Paul" },
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        QDir(dataPath("Klassen")).removeRecursively();
        liste("3A.TXT", f.jetzt);
        const klassenliste::Speicherergebnis e = f.aendern == 0
            ? namenHinzufuegen(dataFolder(), "3A", "Dora")
            : namenAendern(dataFolder(), "3A", f.aendern,
                f.gelesenHier.isEmpty() ? gelesen.at(f.aendern - 1) : f.gelesenHier, "Dora");
        EXPECT_EQ(e.art, f.art);
        EXPECT_EQ(e.zeile, f.sperrzeile);
        EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes(f.danach.isEmpty() ? f.jetzt : f.danach));
        if (f.neuerOrdner.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
        } else {
            EXPECT_TRUE(QFileInfo::exists(dataPath("Klassen/3A/" + f.neuerOrdner)));
            EXPECT_EQ(e.nummer, f.neuerOrdner.left(2).toInt());
        }
    }

    // A pupil removed by hand leaves his folder, and its number is not given again.
    liste("3A.TXT", { "01 Anna", "02 Ben" });
    QDir().mkpath(dataPath("Klassen/3A/03 Carl"));
    EXPECT_EQ(namenHinzufuegen(dataFolder(), "3A", "Carla").nummer, 4);
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes({ "01 Anna", "02 Ben", "04 Carla" }));

    // A name changed into the folder of a child removed by hand, which holds her protocols, gets a number and a
    // folder of its own; her own name back finds her folder.
    liste("3A.TXT", { "Lena Meier" });
    QDir(dataPath("Klassen")).removeRecursively();
    QDir().mkpath(dataPath("Klassen/3A/Lena Sch"));
    writeBytes(dataPath("Klassen/3A/Lena Sch/H1_7_01.txt"), "Hilfen\r\nLeistungsprotokoll f\xfcr Lena Schmidt\r\n");
    EXPECT_EQ(namenAendern(dataFolder(), "3A", 1, "Lena Meier", "Lena Schulz").nummer, 2);
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes({ "02 Lena Schulz" }));
    liste("3A.TXT", { "Lena Meier" });
    EXPECT_EQ(
        namenAendern(dataFolder(), "3A", 1, "Lena Meier", "Lena Schmidt").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes({ "Lena Schmidt" }));

    // A list deleted there is not made anew here, nor its folder.
    EXPECT_EQ(namenHinzufuegen(dataFolder(), "weg", "Dora").art, klassenliste::Speicherung::geloescht);
    EXPECT_EQ(namenAendern(dataFolder(), "weg", 1, "01 Anna", "Dora").art, klassenliste::Speicherung::geloescht);
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/weg.txt")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/weg")));
}

TEST_F(DverwLogikTest, OverRandomHandTypedListsNoSaveSharesAFolderOrTakesOneAway)
{
    using namespace klassenliste;
    std::mt19937 zufall(20261210);
    const auto wuerfel = [&](int n) { return int(zufall() % unsigned(n)); };
    // Names that begin alike, the same name twice, and one Windows-1252 cannot hold, as a teacher's editor keeps it.
    const QStringList namen { "Lena Schmidt", "Lena Schneider", "Lena Schubert", "Anna", "Anna Zander", "Annabell",
        "Maximilian Berg", "Maximilian Koch", "Mohammed Ali", "Mohammed Yilmaz", "Änne Özdemir", "Clara", "Paul",
        "Elif Yılmaz" };
    const auto getippt = [&](int nummer, const QString& name) -> QString {
        switch (wuerfel(8)) {
        case 0:
            return QString::number(nummer) + " " + name;
        case 1:
            return QString("%1 ").arg(nummer, 3, 10, QChar('0')) + name;
        case 2:
            return QString(" %1  ").arg(nummer, 2, 10, QChar('0')) + name;
        case 3:
            return QString("\t\t%1\t").arg(nummer, 2, 10, QChar('0')) + name;
        case 4:
        case 5:
            return name;
        default:
            return zeile(nummer, name);
        }
    };
    const auto schreiben = [&](const QStringList& zeilen) {
        QByteArray b;
        for (const QString& z : zeilen)
            b += (cp1252::canEncode(z) ? cp1252::encode(z) : z.toUtf8()) + "\r\n";
        writeBytes(dataPath("k_liste/3A.TXT"), b);
    };
    const auto ordner = [&] {
        const QSet<QString> vorhanden = vorhandeneOrdner(dataFolder(), "3A");
        return ordnernamen(schuelerzeilen(alleZeilen(dataFolder(), "3A")), vorhanden);
    };
    const auto keineZweiGleich = [](const QStringList& o) {
        QSet<QString> klein;
        for (const QString& n : o)
            klein.insert(n.toLower());
        return klein.size() == o.size();
    };
    QDir().mkpath(dataPath("k_liste"));
    for (int versuch = 0; versuch < 150; ++versuch) {
        SCOPED_TRACE(versuch);
        QDir(dataPath("Klassen")).removeRecursively();
        QStringList zeilen;
        for (int nummer = 1, n = 2 + wuerfel(12); nummer <= n; ++nummer) {
            // A number written twice, and blank lines.
            zeilen << getippt(wuerfel(6) == 0 && nummer > 1 ? nummer - 1 : nummer, namen.at(wuerfel(namen.size())));
            if (wuerfel(10) == 0) zeilen << "";
        }
        schreiben(zeilen);
        ordnerAnlegen(dataFolder(), "3A", zeilen);
        // Lines removed by hand leave their folders behind.
        for (int weg = wuerfel(3); weg > 0 && zeilen.size() > 1; --weg)
            zeilen.removeAt(wuerfel(zeilen.size()));
        schreiben(zeilen);
        bool gespeichert = false; // by the administration, since the last line typed by hand
        for (int schritt = 0; schritt < 6; ++schritt) {
            SCOPED_TRACE(schritt);
            const QStringList vorher = ordner();
            const QStringList schueler = schuelerzeilen(alleZeilen(dataFolder(), "3A"));
            const QSet<QString> vorhanden = vorhandeneOrdner(dataFolder(), "3A");
            if (wuerfel(4) == 0) {
                // A line a teacher types at the end takes no one's folder; only where it names the very folder a
                // pupil got for a line beginning like an earlier one, and that was never saved with its number,
                // does it keep what may be its protocols from before.
                const QString hinten = getippt(wuerfel(99) + 1, namen.at(wuerfel(namen.size())));
                schreiben(alleZeilen(dataFolder(), "3A") << hinten);
                const QStringList nachher = ordner();
                for (int i = 0; i < vorher.size(); ++i)
                    if (gespeichert || vorher.at(i).compare(ordnername(hinten), Qt::CaseInsensitive) != 0) {
                        EXPECT_EQ(nachher.at(i), vorher.at(i)) << hinten.toStdString();
                    }
                EXPECT_TRUE(keineZweiGleich(nachher)) << nachher.join(" | ").toStdString();
                gespeichert = false;
                continue;
            }
            const int geaendert = wuerfel(schueler.size() + 1); // 0 adds
            const QString alt = geaendert ? name(schueler.at(geaendert - 1)) : QString();
            QString neu = namen.at(wuerfel(namen.size() - 1)); // as the administration lets one type it
            if (geaendert && wuerfel(3) == 0) neu = alt;
            if (geaendert && wuerfel(3) == 0 && dverw::schuelernameGueltig(alt.left(5) + "ke"))
                neu = alt.left(5) + "ke";
            const Speicherergebnis e = geaendert
                ? namenAendern(dataFolder(), "3A", geaendert, schueler.at(geaendert - 1), neu)
                : namenHinzufuegen(dataFolder(), "3A", neu);
            if (e.art != Speicherung::gespeichert) continue;
            gespeichert = true;
            const QStringList nachher = ordner();
            EXPECT_TRUE(keineZweiGleich(nachher)) << nachher.join(" | ").toStdString();
            ASSERT_EQ(nachher.size(), vorher.size() + (geaendert ? 0 : 1));
            for (int i = 0; i < vorher.size(); ++i) {
                // The pupil changed keeps his folder where his name is the same, or where the folder is "NN " and
                // the first five letters of his name and these stay.
                const bool nn = QRegularExpression("^\\d\\d ").match(vorher.at(i)).hasMatch()
                    && vorher.at(i) == ordnername(zeile(vorher.at(i).left(2).toInt(), alt));
                if (i == geaendert - 1 && neu != alt && !(nn && neu.left(5) == alt.left(5))) continue;
                EXPECT_EQ(nachher.at(i), vorher.at(i)) << i << " " << alt.toStdString() << " > " << neu.toStdString();
            }
            // A new pupil never gets a folder left by a pupil removed by hand.
            if (!geaendert) {
                EXPECT_FALSE(vorhanden.contains(nachher.last().toLower())) << nachher.last().toStdString();
            }
            for (const QString& o : nachher)
                EXPECT_TRUE(QFileInfo(dataPath("Klassen/3A/" + o)).isDir()) << o.toStdString();
        }
    }
}

TEST_F(DverwLogikTest, DeletingAListRemovesItsFoldersAndProtocols)
{
    ASSERT_EQ(listeAnlegen(dataFolder(), "1B", { "01 Anna", "02 Ben", "03 Carla" }).art,
        klassenliste::Speicherung::gespeichert);
    writeBytes(dataPath("Klassen/1B/01 Anna/H1_7_01.txt"), "x\r\n");
    writeBytes(dataPath("Klassen/1B/01 Anna/.versteckt"), "x");
    writeBytes(dataPath("Klassen/1B/02 Ben/F2_01.txt"), "x\r\n");
    ASSERT_EQ(listeAnlegen(dataFolder(), "2A", { "01 Dora" }).art, klassenliste::Speicherung::gespeichert);
    writeBytes(dataPath("kl.ina"), "/anderer/pfad/\r\n2A\r\n");

    // A pupil renamed earlier left its old folder behind; it is the list's all the same.
    writeBytes(dataPath("Klassen/1B/03 Karla/H1_7_01.txt"), "x\r\n");
    // A PC that went down while making a protocol left its claim and an empty file under the claimed name.
    QDir().mkpath(dataPath("Klassen/1B/02 Ben/.F2_02.txt.neu"));
    writeBytes(dataPath("Klassen/1B/02 Ben/F2_02.txt"), "");
    for (const char* alt : { "Klassen/1B/02 Ben/.F2_02.txt.neu", "Klassen/1B/02 Ben/F2_02.txt" })
        ASSERT_TRUE(stampFromNow(dataPath(alt), -60));

    // How far it has got is told as it goes: the folders looked at first, then removed, one after the other.
    QStringList fortschritt;
    const Loeschergebnis e = listeLoeschen(dataFolder(), "1b", [&](const QString& text) { fortschritt << text; });
    EXPECT_EQ(fortschritt,
        QStringList({ "Die Liste 1b wird gelöscht …", "Die Liste 1b wird gelöscht: Ordner 1 von 3 angesehen …",
            "Die Liste 1b wird gelöscht: Ordner 2 von 3 angesehen …",
            "Die Liste 1b wird gelöscht: Ordner 3 von 3 angesehen …", "Die Liste 1b wird gelöscht: Ordner 1 von 3 …",
            "Die Liste 1b wird gelöscht: Ordner 2 von 3 …", "Die Liste 1b wird gelöscht: Ordner 3 von 3 …" }));
    EXPECT_TRUE(e.geloescht);
    EXPECT_FALSE(e.aktivlisteAufgehoben);
    EXPECT_TRUE(e.meldung.isEmpty()) << e.meldung.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/1B")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/1B.TXT")));
    EXPECT_TRUE(QFileInfo::exists(dataPath("Klassen/2A/01 Dora")));
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/2A.TXT")));
    EXPECT_EQ(readBytes(dataPath("kl.ina")), QByteArray("/anderer/pfad/\r\n2A\r\n"));
}

TEST_F(DverwLogikTest, ADeletionThatMeetsSomethingForeignRemovesNothing)
{
    ASSERT_EQ(listeAnlegen(dataFolder(), "3C", { "01 Anna", "02 Ben" }).art, klassenliste::Speicherung::gespeichert);
    writeBytes(dataPath("Klassen/3C/01 Anna/H1_7_01.txt"), "x\r\n");
    writeBytes(dataPath("kl.ina"), "p\r\n3C\r\n");

    // A folder holding a further folder.
    QDir().mkpath(dataPath("Klassen/3C/02 Benj/Bilder"));
    Loeschergebnis e = listeLoeschen(dataFolder(), "3C");
    EXPECT_FALSE(e.geloescht);
    EXPECT_TRUE(e.meldung.contains("Klassen/3C/02 Benj")) << e.meldung.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dataPath("Klassen/3C/01 Anna/H1_7_01.txt")));
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/3C.TXT")));
    QDir(dataPath("Klassen/3C/02 Benj")).removeRecursively();

    // A file beside the pupils' folders, and a link in a pupil's folder.
    writeBytes(dataPath("Klassen/3C/notiz.txt"), "x");
    e = listeLoeschen(dataFolder(), "3C");
    EXPECT_FALSE(e.geloescht);
    QFile::remove(dataPath("Klassen/3C/notiz.txt"));
    QFile::link(dataPath("k_liste/3C.TXT"), dataPath("Klassen/3C/01 Anna/verweis"));
    e = listeLoeschen(dataFolder(), "3C");
    EXPECT_FALSE(e.geloescht);
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/3C.TXT")));
    QFile::remove(dataPath("Klassen/3C/01 Anna/verweis"));

    EXPECT_EQ(readBytes(dataPath("kl.ina")), QByteArray("p\r\n3C\r\n"));
    e = listeLoeschen(dataFolder(), "3C");
    EXPECT_TRUE(e.geloescht) << e.meldung.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/3C")));
}

TEST_F(DverwLogikTest, AProtocolThatCannotBeRemovedIsNamedAndTheListStays)
{
    ASSERT_EQ(listeAnlegen(dataFolder(), "2B", { "01 Anna" }).art, klassenliste::Speicherung::gespeichert);
    writeBytes(dataPath("Klassen/2B/01 Anna/H1_7_01.txt"), "x\r\n");
    // The share refuses to remove it (open on another PC, no right).
    files::setShareAnswerForTests([](const char* schritt, const QString& pfad) {
        return qstrcmp(schritt, "unlink") == 0 && pfad.endsWith(QLatin1String("H1_7_01.txt")) ? EACCES : 0;
    });
    const Loeschergebnis e = listeLoeschen(dataFolder(), "2B");
    files::setShareAnswerForTests({});
    EXPECT_FALSE(e.geloescht);
    EXPECT_EQ(e.meldung,
        "Die Liste 2B wurde nicht ganz gelöscht: die Datei Klassen/2B/01 Anna/H1_7_01.txt ließ sich nicht löschen. "
        "Die Liste selbst ist noch da.");
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/2B.TXT")));
    EXPECT_TRUE(QFileInfo::exists(dataPath("Klassen/2B/01 Anna/H1_7_01.txt")));

    // So is a pupil's folder.
    files::setShareAnswerForTests([](const char* schritt, const QString& pfad) {
        return qstrcmp(schritt, "rmdir") == 0 && pfad.endsWith(QLatin1String("/01 Anna")) ? EACCES : 0;
    });
    const Loeschergebnis ordner = listeLoeschen(dataFolder(), "2B");
    files::setShareAnswerForTests({});
    EXPECT_FALSE(ordner.geloescht);
    EXPECT_EQ(ordner.meldung,
        "Die Liste 2B wurde nicht ganz gelöscht: der Ordner Klassen/2B/01 Anna ließ sich nicht löschen. Die Liste "
        "selbst ist noch da.");
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/2B.TXT")));
}

TEST_F(DverwLogikTest, OfSeveralForeignThingsTheRefusalNamesTheFirstByName)
{
    // The same message on every PC, whatever order the folder's file system keeps: the teacher clears them away
    // one by one and is led through them in the order a listing of the folder shows.
    ASSERT_EQ(listeAnlegen(dataFolder(), "4D", { "01 Anna", "02 Ben" }).art, klassenliste::Speicherung::gespeichert);
    for (const char* b : { "K", "C", "P", "F", "A", "M", "H", "D", "O", "B", "J", "N", "E", "L", "G", "I" })
        writeBytes(dataPath(QStringLiteral("Klassen/4D/Notiz %1.txt").arg(b)), "x");
    const Loeschergebnis e = listeLoeschen(dataFolder(), "4D");
    EXPECT_FALSE(e.geloescht);
    EXPECT_EQ(e.meldung, "Die Liste 4D wurde nicht gelöscht: Klassen/4D/Notiz A.txt ist kein Ordner eines Schülers.")
        << e.meldung.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/4D.TXT")));
}

TEST_F(DverwLogikTest, ADeletionNeverReachesOutsideTheListFolder)
{
    QDir().mkpath(dataPath("Klassen/1A/01 Anna"));
    writeBytes(dataPath("Klassen/1A/01 Anna/H1_7_01.txt"), "x");
    liste(".txt", {});
    // The empty entry of a too long list name must not mean the folder "Klassen" itself.
    Loeschergebnis e = listeLoeschen(dataFolder(), "");
    EXPECT_FALSE(e.geloescht);
    // Only what is inside the list folder goes.
    liste("1B.TXT", { "..", "../1A/x" });
    QDir().mkpath(dataPath("Klassen/1B"));
    e = listeLoeschen(dataFolder(), "1B");
    EXPECT_TRUE(e.geloescht) << e.meldung.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dataPath("Klassen/1A/01 Anna/H1_7_01.txt")));
}

TEST_F(DverwLogikTest, TheAdministrationFileHasThreeLines)
{
    QString fehler;
    ASSERT_TRUE(dwinaSchreiben(dataFolder(), "geh31m", fehler));
    EXPECT_EQ(readBytes(dataPath("dw.ina")), QByteArray("Dateiverwaltung\r\ngeh31m\r\nEnde\r\n"));
    EXPECT_EQ(dwinaPasswort(dataFolder()), "geh31m");
    ASSERT_TRUE(dwinaSchreiben(dataFolder(), "", fehler));
    EXPECT_EQ(readBytes(dataPath("dw.ina")), QByteArray("Dateiverwaltung\r\n\r\nEnde\r\n"));
    EXPECT_EQ(dwinaPasswort(dataFolder()), "");

    EXPECT_FALSE(dwinaSchreiben(dataPath("fehlt/"), "x", fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_EQ(dwinaPasswort(dataPath("fehlt/")), "");

    // On a share, while another PC renames a new copy over it, the file is missing for a moment: the password is
    // read once it is back. Missing for longer than the wait while its folder is written again and again, it cannot
    // be told from a file not readable just now: the administration stays closed. Only one really gone, in a folder
    // no one writes, opens it without a password.
    ASSERT_TRUE(dwinaSchreiben(dataFolder(), "geh31m", fehler));
    int oeffnungen = 0;
    bool wiederDa = true;
    files::setShareAnswerForTests([&](const char* schritt, const QString& pfad) {
        if (qstrcmp(schritt, "share") == 0) return 1;
        if (qstrcmp(schritt, "open") != 0 || !pfad.endsWith("dw.ina")) return 0;
        if (++oeffnungen <= 2 || !wiederDa) {
            QFile::remove(pfad);
            stampFromNow(dataFolder(), 0);
        } else if (!QFile::exists(pfad)) {
            writeBytes(pfad, "Dateiverwaltung\r\ngeh31m\r\nEnde\r\n");
        }
        return 0;
    });
    QString meldung;
    EXPECT_EQ(dwinaPasswort(dataFolder(), &meldung), "geh31m");
    EXPECT_EQ(oeffnungen, 3);
    wiederDa = false;
    EXPECT_FALSE(dwinaPasswort(dataFolder(), &meldung).has_value());
    EXPECT_TRUE(meldung.contains("kann nicht gelesen werden") && meldung.contains("bleibt geschlossen"))
        << meldung.toStdString();
    files::setShareAnswerForTests([](const char* schritt, const QString&) { return qstrcmp(schritt, "share") == 0; });
    ASSERT_TRUE(stampFromNow(dataFolder(), -60));
    EXPECT_EQ(dwinaPasswort(dataFolder(), &meldung), "");
    EXPECT_TRUE(meldung.isEmpty()) << meldung.toStdString();
    files::setShareAnswerForTests({});
}

TEST_F(DverwLogikTest, TheAdministrationFileIsReadAsAnEditorSavedItAndADamagedOneOpensToNoOne)
{
    const auto utf16 = [](const QString& text, bool mitMarke) {
        QByteArray b = mitMarke ? QByteArray("\xff\xfe", 2) : QByteArray();
        return b + QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * qsizetype(text.size()));
    };
    const struct {
        const char* wie;
        QByteArray bytes;
        const char* passwort; // nullptr: damaged
    } faelle[] = {
        { "LF only, no end at the last line", "Dateiverwaltung\ngeh31m\nEnde", "geh31m" },
        { "UTF-8 with a byte-order mark",
            "\xef\xbb\xbf"
            "Dateiverwaltung\r\ngeh31m\r\nEnde\r\n",
            "geh31m" },
        { "UTF-16 with its mark", utf16("Dateiverwaltung\r\ngeh31m\r\nEnde\r\n", true), "geh31m" },
        { "asterisks left of the edit's first text", "Dateiverwaltung\r\n******x9\r\nEnde\r\n", "******x9" },
        { "UTF-16 without its mark", utf16("Dateiverwaltung\r\ngeh31m\r\nEnde\r\n", false), nullptr },
        { "NUL bytes", QByteArray(32, '\0'), nullptr },
        { "empty", "", nullptr },
        { "cut short after the first line", "Dateiverwaltung\r\n", nullptr },
        { "nine characters", "Dateiverwaltung\r\n123456789\r\nEnde\r\n", nullptr },
        { "an umlaut", "Dateiverwaltung\r\ngeh\xe4im\r\nEnde\r\n", nullptr },
        { "a blank", "Dateiverwaltung\r\ngeh eim\r\nEnde\r\n", nullptr },
        { "the password alone", "geheim\r\n", nullptr },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        writeBytes(dataPath("dw.ina"), f.bytes);
        QString meldung = "vorher";
        const std::optional<QString> passwort = dwinaPasswort(dataFolder(), &meldung);
        if (f.passwort) {
            EXPECT_EQ(passwort, QString::fromLatin1(f.passwort));
            EXPECT_TRUE(meldung.isEmpty());
        } else {
            EXPECT_FALSE(passwort.has_value());
            EXPECT_TRUE(meldung.startsWith("Die Datei „" + dataPath("dw.ina") + "“ ist beschädigt"))
                << meldung.toStdString();
        }
    }
    // A folder in its place is no missing file either, and no try again mends it.
    QFile::remove(dataPath("dw.ina"));
    QDir().mkpath(dataPath("dw.ina"));
    QString meldung;
    EXPECT_FALSE(dwinaPasswort(dataFolder(), &meldung).has_value());
    EXPECT_TRUE(meldung.contains("ist beschädigt") && meldung.contains("Ordner")) << meldung.toStdString();
    EXPECT_FALSE(meldung.contains("noch einmal")) << meldung.toStdString();
}

// Children of one name, and a name corrected in the administration, as a teacher and the pupils meet them on disk.
TEST_F(DverwLogikTest, ChildrenOfOneNameAndACorrectedNameKeepTheirFolders)
{
    QStringList zeilen;
    // A protocol saved by the pupil of that name (the n-th of it) on the list as it is: his folder's name.
    const auto speichern = [&](const QString& wer, int nter = 1) {
        zeilen = klassenliste::lesen(dataFolder(), "3A");
        int i = -1;
        while (nter > 0 && ++i < zeilen.size())
            if (klassenliste::name(zeilen.at(i)) == wer) --nter;
        QString ordner, fehler;
        EXPECT_EQ(klassenliste::ordnerWaehlen(dataFolder(), "3A", zeilen, i + 1, ordner, fehler),
            klassenliste::Ordnerwahl::angelegt);
        EXPECT_FALSE(protokoll::anlegen(
            ordner + "/H1_7_",
            [&](const QString&) {
                return QStringList { "Hilfen", "Leistungsprotokoll für " + wer };
            },
            fehler)
                         .isEmpty());
        return QFileInfo(ordner).fileName();
    };
    // The third of three saves first: the folders of the two before her are made, and the lines of all whose
    // folders their lines do not name are written with their numbers.
    liste("3A.TXT", { "Anna", "Anna", "Anna" });
    EXPECT_EQ(speichern("Anna", 3), "03 Anna");
    EXPECT_EQ(allEntries(dataPath("Klassen/3A")), QStringList({ "02 Anna", "03 Anna", "Anna" }));
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes({ "Anna", "02 Anna", "03 Anna" }));
    QDir(dataPath("Klassen")).removeRecursively();
    // Two Annas save; the second is written with her folder's number at once. The first leaves: the one who stays
    // keeps hers, and a line typed above her changes nothing.
    liste("3A.TXT", { "Anna", "Anna", "Ben" });
    EXPECT_EQ(speichern("Anna", 1), "Anna");
    EXPECT_EQ(speichern("Anna", 2), "02 Anna");
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes({ "Anna", "02 Anna", "Ben" }));
    liste("3A.TXT", { "Lea", "02 Anna", "Ben" });
    EXPECT_EQ(speichern("Anna"), "02 Anna");
    // One of two renamed by hand: the other stays in her own.
    liste("3A.TXT", { "Anna Berg", "02 Anna" });
    EXPECT_EQ(speichern("Anna"), "02 Anna");
    EXPECT_EQ(speichern("Anna Berg"), "Anna Ber");

    // A name corrected in the administration keeps its folder and protocols, with a title line in the list too, and
    // the choice gives it him afterwards; the other Anna keeps hers.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "2024 Klasse 3b", "Maximilian Koch", "Anna", "Anna" });
    EXPECT_EQ(speichern("Maximilian Koch"), "Maximili");
    EXPECT_EQ(speichern("Anna", 1), "Anna");
    EXPECT_EQ(speichern("Anna", 2), "04 Anna");
    const QStringList gelesen = klassenliste::lesen(dataFolder(), "3A");
    klassenliste::Speicherergebnis e = namenAendern(dataFolder(), "3A", 2, gelesen.at(1), "Maximilian Kochs");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    e = namenAendern(dataFolder(), "3A", 4, gelesen.at(3), "Anna Berg");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")),
        listeBytes({ "2024 Klasse 3b", "Maximilian Kochs", "Anna", "04 Anna Berg" }));
    EXPECT_EQ(speichern("Maximilian Kochs"), "Maximili");
    EXPECT_EQ(speichern("Anna Berg"), "04 Anna");
    EXPECT_EQ(speichern("Anna"), "Anna");
    // A name typed over his in an editor is another child's: it never gets his folder.
    liste("3A.TXT", { "2024 Klasse 3b", "Maximilian Kraus", "Anna", "04 Anna Berg" });
    EXPECT_NE(speichern("Maximilian Kraus"), "Maximili");

    // A correction notes the new name only in a folder bearing the name before it: "Lena Schulz", typed where
    // "Lena Schneider" left, names her folder but is not her.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "Tom Klein", "Lena Schneider" });
    EXPECT_EQ(speichern("Lena Schneider"), "Lena Sch");
    liste("3A.TXT", { "Tom Klein", "Lena Schulz" });
    e = namenAendern(dataFolder(), "3A", 2, "Lena Schulz", "Lena Schultz");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(dataPath("Klassen/3A/Lena Sch/Name.txt")));
    EXPECT_NE(speichern("Lena Schultz"), "Lena Sch");
    // The administration's window left open saw his folder empty; his first protocol came from another PC since.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "Maximilian Koch", "Ben" });
    klassenliste::Ordnerblick fenster;
    e = namenAendern(dataFolder(), "3A", 2, "Ben", "Ben", &fenster);
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(fenster.lage(dataFolder(), "3A", klassenliste::lesen(dataFolder(), "3A")).traegt("Maximili"), "");
    EXPECT_EQ(speichern("Maximilian Koch"), "Maximili");
    e = namenAendern(dataFolder(), "3A", 1, "Maximilian Koch", "Maximilian Kochs", &fenster);
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), listeBytes({ "Maximilian Kochs", "Ben" }));
    EXPECT_EQ(speichern("Maximilian Kochs"), "Maximili");
    // One of two namesakes renamed: her folder goes to no other child of the name before.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "Anna", "Anna" });
    EXPECT_EQ(speichern("Anna", 2), "02 Anna");
    e = namenAendern(dataFolder(), "3A", 2, "02 Anna", "Anne");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(speichern("Anna"), "Anna");
    EXPECT_EQ(klassenliste::lesen(dataFolder(), "3A").at(0), "Anna");

    // A list sorted and numbered anew by hand: a name added makes the new pupil's folder and no other.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "01 Ben", "02 Anna" });
    EXPECT_EQ(speichern("Ben"), "01 Ben");
    EXPECT_EQ(speichern("Anna"), "02 Anna");
    liste("3A.TXT", { "01 Anna", "02 Ben" });
    EXPECT_EQ(speichern("Anna"), "02 Anna");
    EXPECT_EQ(speichern("Ben"), "01 Ben");
    e = namenHinzufuegen(dataFolder(), "3A", "Tom");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(allEntries(dataPath("Klassen/3A")), QStringList({ "01 Ben", "02 Anna", "03 Tom" }));
    // A pupil added where a child of his name left his folder behind gets one of his own.
    liste("3A.TXT", { "01 Anna", "02 Ben" });
    ASSERT_TRUE(QDir().mkpath(dataPath("Klassen/3A/04 Carl")));
    writeBytes(dataPath("Klassen/3A/04 Carl/H1_7_01.txt"), "Hilfen\r\nLeistungsprotokoll f\xFCr Carl\r\n");
    e = namenHinzufuegen(dataFolder(), "3A", "Carl");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(speichern("Carl"), "05 Carl");
    // A folder made with a tab in its name, before a tab became a blank: a correction notes the name there.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "06\tAnnabell", "Ben" });
    ASSERT_TRUE(QDir().mkpath(dataPath("Klassen/3A/06\tAnnab")));
    writeBytes(dataPath("Klassen/3A/06\tAnnab/H1_7_01.txt"), "Hilfen\r\nLeistungsprotokoll f\xFCr Annabell\r\n");
    e = namenAendern(dataFolder(), "3A", 1, "06\tAnnabell", "Annabelle");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(klassenliste::lesen(dataFolder(), "3A").at(0), "06\tAnnabelle");
    EXPECT_TRUE(readBytes(dataPath("Klassen/3A/06\tAnnab/Name.txt")).startsWith("Annabelle"));
    EXPECT_EQ(speichern("Annabelle"), "06\tAnnab");
    // A folder whose Name.txt names a child who left is his alone: a line typed later with its number is another's.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "Tom Klein", "06 Lena Schäfer" });
    EXPECT_EQ(speichern("Lena Schäfer"), "06 Lena");
    e = namenAendern(dataFolder(), "3A", 2, "06 Lena Schäfer", "Anna");
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_TRUE(readBytes(dataPath("Klassen/3A/06 Lena/Name.txt")).startsWith("Anna"));
    liste("3A.TXT", { "Tom Klein", "06 Lena Schmidt" });
    EXPECT_NE(speichern("Lena Schmidt"), "06 Lena");
    // The administration's window left open while another PC, which may not write the list, gave a pupil `03 Anna`:
    // a name added there gets a number past it.
    QDir(dataPath("Klassen")).removeRecursively();
    liste("3A.TXT", { "Anna", "Ben" });
    klassenliste::Ordnerblick verwaltung;
    EXPECT_TRUE(verwaltung.lage(dataFolder(), "3A", klassenliste::lesen(dataFolder(), "3A")).vorhanden().isEmpty());
    ASSERT_TRUE(QDir().mkpath(dataPath("Klassen/3A/03 Anna")));
    writeBytes(dataPath("Klassen/3A/03 Anna/H1_7_01.txt"), "Hilfen\r\nLeistungsprotokoll f\xFCr Anna\r\n");
    e = namenHinzufuegen(dataFolder(), "3A", "Tom", &verwaltung);
    EXPECT_EQ(e.art, klassenliste::Speicherung::gespeichert) << e.fehler.toStdString();
    EXPECT_EQ(klassenliste::lesen(dataFolder(), "3A").last(), "04 Tom");
}

// PCs sharing the data folder, played by threads that each open the files on their own.
TEST_F(DverwLogikTest, SavesAtTheSameMomentChangeTheListOneAtATime)
{
    liste("3A.TXT", { "01 Anna" });
    std::vector<std::thread> pcs;
    for (int pc = 0; pc < 3; ++pc)
        pcs.emplace_back([this, pc] {
            for (int i = 0; i < 12; ++i)
                EXPECT_EQ(
                    namenHinzufuegen(dataFolder(), "3A", QStringLiteral("Kind") + QChar(u'A' + pc) + QChar(u'a' + i))
                        .art,
                    klassenliste::Speicherung::gespeichert);
        });
    for (std::thread& t : pcs)
        t.join();
    const QStringList zeilen = klassenliste::alleZeilen(dataFolder(), "3A").mid(0, 40);
    ASSERT_EQ(zeilen.size(), 37);
    QStringList ordner = QDir(dataPath("Klassen/3A")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    ASSERT_EQ(ordner.size(), 37);
    for (int i = 0; i < 37; ++i) {
        EXPECT_EQ(zeilen[i].left(3), listenzeile(i + 1, ""));
        EXPECT_EQ(ordner[i], zeilen[i].left(8));
    }
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/3A.LCK")));

    // Two new lists of one name: one is made, the other finds the name taken.
    std::atomic<int> gemacht { 0 }, vorhanden { 0 };
    std::vector<std::thread> neu;
    for (const char* name : { "neu", "NEU" })
        neu.emplace_back([&, name] {
            const klassenliste::Speicherung art
                = listeAnlegen(dataFolder(), name, { QStringLiteral("01 ") + name }).art;
            ++(art == klassenliste::Speicherung::gespeichert ? gemacht : vorhanden);
        });
    for (std::thread& t : neu)
        t.join();
    EXPECT_EQ(gemacht, 1);
    EXPECT_EQ(vorhanden, 1);
    EXPECT_EQ(klassenliste::suchen(dataFolder()).namen.count("NEU"), 1);
    // And nothing else of the two saves is left in the folder.
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).count(), 2);
}

TEST_F(DverwLogikTest, ALockHeldPastTheWaitStopsTheSaveAndOneLeftBehindIsTakenOver)
{
    liste("3A.TXT", { "01 Anna" });
    const QByteArray vorher = readBytes(dataPath("k_liste/3A.TXT"));
    FileLock::setWaitForTests(150);
    {
        const FileLock anderer(dataPath("k_liste/3A.LCK"));
        ASSERT_TRUE(anderer.held());
        EXPECT_EQ(namenHinzufuegen(dataFolder(), "3a", "Ben").art, klassenliste::Speicherung::gesperrt);
        EXPECT_EQ(namenAendern(dataFolder(), "3A", 1, "01 Anna", "Ben").art, klassenliste::Speicherung::gesperrt);
        EXPECT_EQ(listeAnlegen(dataFolder(), "3A", { "01 Ben" }).art, klassenliste::Speicherung::gesperrt);
        const Loeschergebnis e = listeLoeschen(dataFolder(), "3A");
        EXPECT_FALSE(e.geloescht);
        EXPECT_TRUE(e.meldung.contains("wird gerade bearbeitet")) << e.meldung.toStdString();
        EXPECT_EQ(readBytes(dataPath("k_liste/3A.TXT")), vorher);
        EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    }
    FileLock::setWaitForTests(-1);
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/3A.LCK")));

    // A PC that went down in the middle of a save left its lock; past the time no save takes, it is taken over.
    writeBytes(dataPath("k_liste/3A.LCK"), "pc7 4711\r\n");
    QFile alt(dataPath("k_liste/3A.LCK"));
    ASSERT_TRUE(alt.open(QIODevice::ReadWrite));
    ASSERT_TRUE(alt.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    alt.close();
    EXPECT_EQ(namenHinzufuegen(dataFolder(), "3A", "Ben").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(klassenliste::alleZeilen(dataFolder(), "3A").mid(0, 40), QStringList({ "01 Anna", "02 Ben" }));
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files), QStringList({ "3A.TXT" }));
}

TEST_F(DverwLogikTest, ASaveRemovesWhatAPcThatWentDownLeftBesideTheList)
{
    // The list found by its name at once, without a listing of the folder: the lock's holder clears what is
    // left there all the same.
    liste("3A.txt", { "01 Anna" });
    writeBytes(dataPath("k_liste/.neu-0f3c9a.tmp"), "01 Cem\r\n");
    ASSERT_TRUE(stampFromNow(dataPath("k_liste/.neu-0f3c9a.tmp"), -60));
    EXPECT_EQ(namenHinzufuegen(dataFolder(), "3A", "Ben").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(allEntries(dataPath("k_liste")), QStringList({ "3A.txt" }));
}

// The lock is given back before the pupils' folders are made: on a share making them takes most of a save, and
// other PCs need not wait for it. Seen in the order the file system reports the steps.
TEST_F(DverwLogikTest, TheListsLockIsGivenBackBeforeThePupilsFoldersAreMade)
{
    liste("3A.TXT", { "01 Anna" });
    QDir().mkpath(dataPath("Klassen/3A"));
    QDir().mkpath(dataPath("Klassen/3B"));
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(fd, 0);
    const int liste = inotify_add_watch(fd, QFile::encodeName(dataPath("k_liste")).constData(), IN_DELETE);
    const int klasse3A = inotify_add_watch(fd, QFile::encodeName(dataPath("Klassen/3A")).constData(), IN_CREATE);
    const int klasse3B = inotify_add_watch(fd, QFile::encodeName(dataPath("Klassen/3B")).constData(), IN_CREATE);
    ASSERT_TRUE(liste >= 0 && klasse3A >= 0 && klasse3B >= 0);

    EXPECT_EQ(namenHinzufuegen(dataFolder(), "3A", "Ben").art, klassenliste::Speicherung::gespeichert);
    EXPECT_EQ(listeAnlegen(dataFolder(), "3B", { "01 Cem" }).art, klassenliste::Speicherung::gespeichert);

    QStringList schritte;
    alignas(inotify_event) char puffer[8192];
    for (ssize_t n; (n = ::read(fd, puffer, sizeof puffer)) > 0;) {
        for (char* p = puffer; p < puffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            const QString name = QFile::decodeName(e->len ? e->name : "");
            if (e->wd == liste && name.startsWith("3A.LCK", Qt::CaseInsensitive)) schritte << "3A frei";
            if (e->wd == liste && name.startsWith("3B.LCK", Qt::CaseInsensitive)) schritte << "3B frei";
            if (e->wd == klasse3A) schritte << "3A " + name;
            if (e->wd == klasse3B) schritte << "3B " + name;
            p += sizeof(inotify_event) + e->len;
        }
    }
    ::close(fd);
    ASSERT_TRUE(schritte.contains("3A 02 Ben") && schritte.contains("3B 01 Cem")) << schritte.join(", ").toStdString();
    EXPECT_LT(schritte.lastIndexOf("3A frei"), schritte.indexOf("3A 02 Ben")) << schritte.join(", ").toStdString();
    EXPECT_LT(schritte.lastIndexOf("3B frei"), schritte.indexOf("3B 01 Cem")) << schritte.join(", ").toStdString();
    EXPECT_GE(schritte.lastIndexOf("3A frei"), 0);
    EXPECT_GE(schritte.lastIndexOf("3B frei"), 0);
}
