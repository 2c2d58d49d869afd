#include "analyses/f_gra_fehler.h"
#include "analyses/f_gra_logik.h"
#include "analyses/f_gra_protokoll.h"
#include "analyses/f_prot.h"
#include "analyses/f_prot_logik.h"
#include "analyses/f_schueler.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/printer.h"
#include "platform/scrollview.h"
#include "platform/surface.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "support/pdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>

using namespace gra;

namespace {

Zahlenwahl wahlAb(int basis, std::initializer_list<int> werte)
{
    Zahlenwahl w;
    w.fill(-1);
    for (int v : werte)
        w[v - basis] = v;
    return w;
}

Zahlenwahl alle(int code, bool erste)
{
    const Analyse* an = analyse(code);
    Zahlenwahl w;
    w.fill(-1);
    for (int i = 0; i < (erste ? an->anzahl1 : an->anzahl2); ++i)
        w[i] = (erste ? an->basis1 : an->basis2) + i;
    return w;
}

QString goldenPfad(const QString& name)
{
    return QStringLiteral(TAVI_SOURCE_DIR "/tests/analyses/data/") + name;
}

} // namespace

class FGraProtokollTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "ohne";
        schuelername = "Anna";
    }
    void start(int code, int variante, const Zahlenwahl& a, const Zahlenwahl& b)
    {
        programmcode = code;
        wahl2 = byte(variante);
        zahlenwahl1 = a;
        zahlenwahl2 = b;
        aufgabenvorratBauen();
        laufBeginnen();
        ASSERT_EQ(
            schueler::protokollvorbereiten(QString::fromUtf8(analyse(code)->praefix)), schueler::Protokollziel::Bereit);
    }
    // Answers `aufgaben` tasks (all when 0), each after `sekunden`; `antwort` gives the typed text.
    void antworten(const std::function<QString()>& antwort, double sekunden, int aufgaben = 0)
    {
        startzeit = clockx::now();
        Aufgabenbild bild;
        while (zaehler < aufgabenanzahl && (aufgaben == 0 || zaehler < aufgaben) && aufgabeErzeugen(bild)) {
            clockx::TestClock::advance(clockx::days(sekunden * 1000.0));
            eingabe = antwort();
            eingabezeit = clockx::now();
            bewertung();
        }
    }
    // The protocol file against its golden copy, whose line 1 names the data folder as "<datpfad>".
    void vergleichen(const QString& pfad, const QString& name)
    {
        QByteArray ist = readBytes(pfad);
        ist.replace(cp1252::encode(dataFolder()), "<datpfad>/");
        const QByteArray soll = readBytes(goldenPfad(name));
        if (ist != soll) writeBytes(QStringLiteral(TAVI_TEST_OUTPUT "/") + name, ist);
        EXPECT_EQ(QString::fromLatin1(ist).toStdString(), QString::fromLatin1(soll).toStdString())
            << name.toStdString();
    }
    QString schreiben()
    {
        QString fehler;
        const QString pfad = protokollSchreiben(fehler);
        EXPECT_TRUE(fehler.isEmpty()) << fehler.toStdString();
        return pfad;
    }
};

TEST_F(FGraProtokollTest, WorkingTime)
{
    EXPECT_EQ(arbeitszeit(0, 1, 5), "Arbeitszeit: 1:05 min");
    EXPECT_EQ(arbeitszeit(0, 10, 0), "Arbeitszeit: 10:00 min");
    EXPECT_EQ(arbeitszeit(1, 5, 30), "Arbeitszeit: 65:30 min");
}

TEST_F(FGraProtokollTest, RatesOfOneRightAndOneWrongAnswer)
{
    start(11, 2, wahlAb(0, { 2 }), wahlAb(0, { 3, 4 }));
    bool erste = true;
    antworten(
        [&] {
            const QString t = QString::number(erste ? zahl : zahl + 1);
            erste = false;
            return t;
        },
        32.5);
    const QString pfad = schreiben();
    EXPECT_TRUE(pfad.endsWith("/OHNELIST/Anna/1+1___01.txt"));
    EXPECT_EQ(protzeilen[1], "gespeichert unter: " + pfad);
    EXPECT_EQ(protzeilen[2], "Arbeitszeit: 1:05 min");
    EXPECT_EQ(protzeilen[3], "Aufgaben: maximal (nach Vorgabe durch die Zahlenauswahl): 2 (?\?\?)");
    EXPECT_EQ(protzeilen[4], "          davon bearbeitet: 2  ");
    EXPECT_EQ(protzeilen[5], "          richtig:  1  Tabelle: richtige Lösung, ++");
    EXPECT_EQ(protzeilen[7], "          falsch:   1  Tabelle: richtige Lösung, _ , falsche Lösung");
    EXPECT_EQ(protzeilen[9], "richtige Lösungen/Minute: ~0     Erfolgsquote: ~50%     Fehlerquote: ~50%");
    EXPECT_EQ(protzeilen[0], "Anna                                 07.12.2026  kleines  1 + 1");
}

TEST_F(FGraProtokollTest, ARunAnsweredWithinASecondHasARate)
{
    start(13, 0, wahlAb(0, { 5 }), wahlAb(0, { 1, 2 }));
    antworten([] { return QString::number(zahl); }, 0.2);
    schreiben();
    EXPECT_EQ(protzeilen[2], "Arbeitszeit: 0:00 min");
    EXPECT_EQ(protzeilen[9], "richtige Lösungen/Minute: ~120     Erfolgsquote: ~100%     Fehlerquote: ~0%");
    EXPECT_TRUE(protzeilen[0].str().endsWith("  kleines  1 - 1 (Form: a-b=?)"));
}

TEST_F(FGraProtokollTest, AbortedRunCountsTheAnsweredTasksOnly)
{
    start(16, 0, wahlAb(0, { 2 }), wahlAb(0, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }));
    antworten([] { return QString::number(zahl); }, 6, 3);
    // Abort on the fourth task: it was shown, but does not count.
    Aufgabenbild bild;
    ASSERT_TRUE(aufgabeErzeugen(bild));
    zaehler = zaehler - 1;
    schreiben();
    EXPECT_EQ(protzeilen[3], "Aufgaben: maximal (nach Vorgabe durch die Zahlenauswahl): 10 (?\?\?)");
    EXPECT_EQ(protzeilen[4], "          davon bearbeitet: 3  ");
    EXPECT_EQ(protzeilen[9], "richtige Lösungen/Minute: ~10     Erfolgsquote: ~100%     Fehlerquote: ~0%");
    int offen = 0;
    for (int j = 0; j <= 10; ++j)
        offen += tabelle[2][j] == " ???  ";
    EXPECT_EQ(offen, 7);
    EXPECT_TRUE(protzeilen[19].str().contains(" ???  "));
    // Without wrong answers the protocol ends with the bottom line of the grid.
    EXPECT_EQ(protzeilen[46], "F     0     0     0     0     0     0     0     0     0     0     0      0");
    EXPECT_EQ(protzeilen[47], "");
    EXPECT_EQ(readBytes(protdatei).count("\r\n"), 47);
}

TEST_F(FGraProtokollTest, LegendShowsTheLettersThatOccurred)
{
    // 13 - 9 answered 2 and 14 - 9 answered 3: subtracted 10 and 1 instead of 10 and adding 1.
    start(14, 0, wahlAb(11, { 13, 14 }), wahlAb(2, { 9 }));
    antworten([] { return QString::number(zahl - 2); }, 3);
    const QString pfad = schreiben();
    ASSERT_FALSE(pfad.isEmpty());
    EXPECT_EQ(protzeilen[37], " F     0       0       0       0       0       0       0       2        2");
    EXPECT_EQ(protzeilen[39], "F e h l e r a n a l y s e :");
    EXPECT_EQ(protzeilen[40], "Anzahl  Kennung  möglicher Fehlertyp");
    EXPECT_EQ(protzeilen[41], "  2        J     -10 -1 statt -10 +1");
    EXPECT_EQ(protzeilen[42], "");
}

TEST_F(FGraProtokollTest, PupilFromAClassListIsNamedWithoutItsNumber)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.txt"), "01 Anna\r\n02 Vodoz Dovedi\r\n03 \xc5\x81ukasz W\xc3\xb3jcik\r\n");
    aktivliste = "KL3A";
    schueler::namenliste();
    schuelername = "02 Vodoz Dovedi";
    start(11, 0, wahlAb(0, { 1 }), wahlAb(0, { 1 }));
    antworten([] { return QStringLiteral("2"); }, 1);
    const QString pfad = schreiben();
    EXPECT_TRUE(pfad.endsWith("/Klassen/KL3A/02 Vodoz/1+1___01.txt")) << pfad.toStdString();
    EXPECT_EQ(protzeilen[0], "Vodoz Dovedi                         07.12.2026  kleines  1 + 1 (ohne ZÜ)");

    // A name Windows-1252 has no letter for: the protocol names him, and the folder he has, as the list spells them,
    // and the viewer reads them so.
    schuelername = "03 Łukasz Wójcik";
    start(11, 0, wahlAb(0, { 1 }), wahlAb(0, { 1 }));
    antworten([] { return QStringLiteral("2"); }, 1);
    const QString lukasz = schreiben();
    EXPECT_EQ(QFileInfo(lukasz).dir().path(), dataPath("Klassen/KL3A/03 Łukas"));
    const QList<QByteArray> bytes = readBytes(lukasz).split('\n');
    EXPECT_TRUE(bytes[0].startsWith("\xc5\x81ukasz W\xc3\xb3jcik     ")) << bytes[0].toStdString();
    EXPECT_EQ(bytes[1], ("gespeichert unter: " + lukasz + "\r").toUtf8());
    ASSERT_GT(prot::lesen(lukasz), 2);
    EXPECT_TRUE(protzeilen[1].str().startsWith("Łukasz Wójcik     ")) << protzeilen[1].str().toStdString();
    EXPECT_EQ(protzeilen[2], "gespeichert unter: " + lukasz);
}

TEST_F(FGraProtokollTest, GoldenSmallAddition)
{
    start(11, 2, alle(11, true), alle(11, false));
    int n = 0;
    // Every fifth answer one too small, every seventh the digits exchanged.
    antworten(
        [&n] {
            ++n;
            if (n % 5 == 0 && zahl > 0) return QString::number(zahl - 1);
            if (n % 7 == 0) return zahlendreher(zahl).isEmpty() ? QStringLiteral("99") : zahlendreher(zahl);
            return QString::number(zahl);
        },
        2.4, 40);
    vergleichen(schreiben(), "f_gra_1p1.txt");
}

TEST_F(FGraProtokollTest, GoldenMixedTensMinusUnits)
{
    start(15, 2, wahlAb(0, { 1, 3, 5, 8 }), wahlAb(0, { 2, 4, 9 }));
    int n = 0;
    antworten(
        [&n] {
            ++n;
            if (n % 3 == 0) return QString::number(zahl + 10); // the tens not crossed
            if (n % 4 == 0) return QString::number(zehneranteil - zahl2);
            return QString::number(zahl);
        },
        7.7);
    vergleichen(schreiben(), "f_gra_gemzm.txt");
}

TEST_F(FGraProtokollTest, GoldenSubtractionWithTenCrossing)
{
    start(14, 1, alle(14, true), alle(14, false));
    int n = 0;
    antworten(
        [&n] {
            ++n;
            if (n % 4 == 0) return QString::number(zahl + 1);
            if (n % 9 == 0) return QString::number(10 - zahl2);
            return QString::number(zahl);
        },
        4, 20);
    vergleichen(schreiben(), "f_gra_1m1_20.txt");
}

TEST_F(FGraProtokollTest, GoldenSmallDivision)
{
    start(17, 2, wahlAb(1, { 1, 2, 5, 10 }), wahlAb(0, { 0, 2, 5, 7 }));
    int n = 0;
    antworten(
        [&n] {
            ++n;
            if (n % 3 == 0) return QString::number(zahl + 1);
            if (n % 5 == 0) return QString::number(zahl1 * zahl2) + QString::number(zahl1);
            return QString::number(zahl);
        },
        11.3);
    vergleichen(schreiben(), "f_gra_1d1.txt");
}

// A data folder on a share has a long path: the protocol names the whole of it and the file's name, in the
// file, on the viewer's screen and on paper, where the line goes on below rather than off the page; the lines
// after it keep their length.
TEST_F(FGraProtokollTest, ALongDataFolderIsNamedWholeInTheFileOnScreenAndOnPaper)
{
    datpfad = dataPath("run/user/1000/gvfs/smb-share:server=schulserver.example,share=lehrer/Tirmosak_Daten/");
    ASSERT_GT(datpfad.size(), 90);
    QDir().mkpath(datpfad);
    start(11, 2, wahlAb(0, { 3 }), wahlAb(0, { 4 }));
    antworten([] { return QStringLiteral("6"); }, 2.0);
    const QString pfad = schreiben();
    ASSERT_TRUE(pfad.endsWith("/OHNELIST/Anna/1+1___01.txt")) << pfad.toStdString();
    const QString zeile = "gespeichert unter: " + pfad;
    const QStringList datei = QString::fromLatin1(readBytes(pfad)).split("\r\n");
    EXPECT_EQ(datei.value(1), zeile);
    for (int i = 0; i < datei.size(); ++i)
        if (i != 1) EXPECT_LE(datei[i].size(), 100) << i;

    Surface::setRecordingTexts(true);
    TForm36 fenster;
    QVector<Surface::PlacedText> gezeigt;
    int schirmbreite = 0;
    Form::setModalDriver([&](Form&) {
        gezeigt = fenster.blatt->surface().placedTexts();
        schirmbreite = fenster.screen()->availableGeometry().width();
        fenster.Button1->Click();
        fenster.Button2->Click();
    });
    fenster.showModal();
    Form::setModalDriver({});
    Surface::setRecordingTexts(false);
    // On the screen too the path goes on below rather than past the screen's edge.
    QString geschirmt;
    for (const Surface::PlacedText& t : gezeigt) {
        if (!t.text.startsWith("gespeichert unter: ") && geschirmt.isEmpty()) continue;
        if (geschirmt.endsWith(".txt")) {
            EXPECT_TRUE(t.text.startsWith("Arbeitszeit:")) << t.text.toStdString();
            break;
        }
        EXPECT_LE(t.box.right(), schirmbreite) << t.text.toStdString();
        geschirmt += t.text.trimmed();
    }
    EXPECT_EQ(geschirmt, zeile);

    const QString pdf = printer().lastDocument().file;
    ASSERT_FALSE(pdf.isEmpty());
    const QString text = pdfText(pdf);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    // The path's pieces under each other, the first after the caption, the others under the path's start.
    const QStringList zeilen = text.split('\n');
    const int erste = int(zeilen.indexOf(QRegularExpression("^\\s*gespeichert unter: .*")));
    ASSERT_GE(erste, 0) << text.toStdString();
    QString gelesen = zeilen[erste].trimmed();
    int i = erste + 1;
    while (i < zeilen.size() && !gelesen.endsWith(".txt"))
        gelesen += zeilen[i++].trimmed();
    EXPECT_EQ(gelesen, zeile);
    EXPECT_GT(i - erste, 1) << "the path fits one line of paper";
    EXPECT_TRUE(zeilen[i].trimmed().startsWith("Arbeitszeit:")) << zeilen[i].toStdString();
    QFile::remove(QStringLiteral(TAVI_TEST_OUTPUT "/f_prot_langer_pfad.pdf"));
    QFile::copy(pdf, QStringLiteral(TAVI_TEST_OUTPUT "/f_prot_langer_pfad.pdf"));
}
