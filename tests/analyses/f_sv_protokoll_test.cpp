#include "analyses/f_sv_protokoll.h"
#include "analyses/f_sv_testhilfe.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFileInfo>

using namespace sv;
using namespace svtest;

namespace {

// The next task, set to minuend - subtrahend, answered.
void aufgabeLoesen(Lauf& lauf, int minuend, int subtrahend, const QString& antwort)
{
    ASSERT_TRUE(lauf.naechste());
    lauf.setzeAufgabe(aufgabe(minuend, subtrahend));
    tippe(lauf, antwort);
    lauf.auswertung();
}

Lauf ohneFehler()
{
    Lauf lauf;
    while (lauf.naechste()) {
        tippe(lauf, lauf.aufgabe().loesungstext());
        lauf.auswertung();
    }
    return lauf;
}

Protokollkopf kopf()
{
    Protokollkopf k;
    k.name = "Vodoz Dovedi";
    k.pfad = "/daten/Klassen/KL3A/04 Vodoz/ssub__01.txt";
    k.datum = "07.12.2026";
    k.minuten = 3;
    k.sekunden = 7;
    return k;
}

} // namespace

TEST(SvProtokollzeilen, HeaderAndTheTableOfARunWithoutErrors)
{
    const QStringList z = protokollzeilen(ohneFehler(), kopf());
    ASSERT_EQ(z.size(), 25);
    EXPECT_EQ(txt(z[0]), txt("Vodoz Dovedi                         07.12.2026  schr. Subtraktion"));
    EXPECT_EQ(z[0].indexOf("07.12"), 37);
    EXPECT_EQ(txt(z[1]), txt("gespeichert unter: /daten/Klassen/KL3A/04 Vodoz/ssub__01.txt"));
    EXPECT_EQ(txt(z[2]), txt(""));
    EXPECT_EQ(txt(z[3]), txt("Arbeitszeit: 3:07 min"));
    EXPECT_EQ(
        txt(z[8]), txt(QString::fromUtf8("Art  Zahl    N+   N-  +/-  +mÜ   Ri  abs   Ü-   Ü+  Bet  vE   udf   ges")));
    EXPECT_EQ(txt(z[9]), txt(QString(71, '-')));
    EXPECT_EQ(txt(z[10]), txt(" A    1  " + QString("    0").repeated(11) + "      0"));
    EXPECT_EQ(txt(z[19]), txt(" K    1  " + QString("    0").repeated(11) + "      0"));
    EXPECT_EQ(txt(z[20]), txt(QString(71, '-')));
    EXPECT_EQ(txt(z[21]), txt("ges  10   " + QString("   0 ").repeated(11) + "     0"));
    EXPECT_EQ(txt(z[22]), txt(""));
    EXPECT_EQ(txt(z[23]), txt(""));
    EXPECT_EQ(txt(z[24]), txt(""));
    for (int i = 10; i <= 21; ++i) {
        if (i != 20) {
            EXPECT_EQ(z[i].size(), 71) << i;
        }
    }
}

TEST(SvProtokollzeilen, CountsOfTenOrMoreKeepTheColumns)
{
    Lauf lauf;
    while (lauf.naechste()) {
        const Aufgabe& a = lauf.aufgabe();
        tippe(lauf, QString::number(a.hunderter1) + QString::number(a.zehner1) + QString::number(a.einer1 - 1));
        lauf.auswertung();
    }
    const QStringList z = protokollzeilen(lauf, kopf());
    EXPECT_EQ(lauf.fehlertabelle().wert(kSummenzeile, 2), 10);
    EXPECT_EQ(z[21].size(), 71);
    EXPECT_EQ(txt(z[21].mid(15, 5)), txt("  10 ")) << z[21].toStdString();
    EXPECT_EQ(txt(z[10].mid(14, 5)), txt("    3"));
    EXPECT_EQ(txt(z[21].left(10)), txt("ges  10   "));
}

TEST(SvProtokollzeilen, TheNameOfTheFirstLine)
{
    EXPECT_EQ(txt(protokollname("04 Vodoz Dovedi", false)), txt("Vodoz Dovedi"));
    EXPECT_EQ(txt(protokollname("Annabell", true)), txt("Annabell"));
    Protokollkopf k = kopf();
    k.name = protokollname("12 " + QString(32, 'x'), false);
    k.pfad = "/" + QString(120, 'p');
    const QStringList z = protokollzeilen(ohneFehler(), k);
    EXPECT_EQ(z[0].indexOf("07.12"), 37);
    // The path is whole, every other line keeps the record's length.
    EXPECT_EQ(z[1], "gespeichert unter: " + k.pfad);
    k.name = QString(120, 'n');
    EXPECT_EQ(protokollzeilen(ohneFehler(), k)[0].size(), kProtokollzeilenlaenge);
}

class SvProtokolldatei : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "KL3A";
        schuelername = "04 Vodoz Dovedi";
        ordner = dataPath("Klassen/KL3A/04 Vodoz/");
        QDir().mkpath(ordner);
        protdatei = ordner;
        praefix = "ssub__";
        nrtext = "01";
        startzeit = clockx::now();
    }
    QString ordner;
};

TEST_F(SvProtokolldatei, AScriptedRunByteForByte)
{
    Lauf lauf;
    aufgabeLoesen(lauf, 586, 123, "463"); // A right
    aufgabeLoesen(lauf, 487, 53, "34"); // B wrong: hundreds missing
    aufgabeLoesen(lauf, 487, 53, "434"); // B right
    aufgabeLoesen(lauf, 428, 153, "285"); // C wrong: N+ and +mÜ in the tens
    aufgabeLoesen(lauf, 428, 153, "275"); // C right
    aufgabeLoesen(lauf, 453, 128, "325"); // D right
    aufgabeLoesen(lauf, 432, 185, "353"); // E wrong: Ri, abs, Ü-
    ASSERT_TRUE(lauf.naechste());
    EXPECT_TRUE(lauf.abbrechen());
    clockx::TestClock::advance(clockx::days((2 * 60 + 5) * 1000.0));

    QString fehler;
    const QString pfad = protokollschreiben(lauf, fehler);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    EXPECT_EQ(txt(pfad), txt(ordner + "ssub__01.txt"));

    QFile golden(QStringLiteral(TAVI_SOURCE_DIR "/tests/analyses/data/f_sv_protokoll.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray soll = golden.readAll().replace("@PFAD@", cp1252::encode(pfad));
    const QByteArray ist = readBytes(pfad);
    EXPECT_EQ(ist.count("\r\n"), 43) << "three wrong tasks: lines 0 to 42";
    EXPECT_EQ(ist, soll) << ist.toStdString();

    // The record holds what the file holds, the rest is cleared.
    EXPECT_EQ(txt(protzeilen[3].str()), txt("Arbeitszeit: 2:05 min"));
    EXPECT_EQ(txt(protzeilen[1].str()), txt("gespeichert unter: " + pfad));
    EXPECT_EQ(txt(protzeilen[43].str()), txt(""));
    EXPECT_EQ(txt(protzeilen[210].str()), txt(""));
    EXPECT_EQ(txt(nrtext.str()), txt("01"));
}

TEST_F(SvProtokolldatei, ANumberTakenMeanwhileIsSkipped)
{
    writeBytes(ordner + "SSUB__01.TXT", "fremd\r\n");
    QString fehler;
    const QString pfad = protokollschreiben(ohneFehler(), fehler);
    EXPECT_EQ(txt(pfad), txt(ordner + "ssub__02.txt"));
    EXPECT_EQ(txt(nrtext.str()), txt("02"));
    EXPECT_EQ(readBytes(ordner + "SSUB__01.TXT"), QByteArray("fremd\r\n"));
    EXPECT_EQ(txt(protzeilen[1].str()), txt("gespeichert unter: " + pfad));
}

TEST_F(SvProtokolldatei, AProtocolThatCannotBeSavedSaysWhy)
{
    protdatei = dataPath("fehlt/nirgends/");
    QString fehler;
    EXPECT_TRUE(protokollschreiben(ohneFehler(), fehler).isEmpty());
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_EQ(txt(protzeilen[10].str().left(9)), txt(" A    1  ")) << "the record still holds the run";

    protdatei = ordner;
    for (int i = 1; i <= 99; ++i)
        writeBytes(ordner + "ssub__" + QString::number(i).rightJustified(2, '0') + ".txt", "");
    EXPECT_TRUE(protokollschreiben(ohneFehler(), fehler).isEmpty());
    EXPECT_EQ(txt(fehler), txt(QString::fromUtf8("Der benötigte Protokoll-Ordner ist voll.")));
}

TEST_F(SvProtokolldatei, WorkingTimeOfMoreThanAnHour)
{
    clockx::TestClock::advance(clockx::days((65 * 60 + 9) * 1000.0));
    QString fehler;
    protokollschreiben(ohneFehler(), fehler);
    EXPECT_EQ(txt(protzeilen[3].str()), txt("Arbeitszeit: 65:09 min"));
    aktivliste = "ohne";
    schuelername = "Annabell";
    protdatei = ordner;
    protokollschreiben(ohneFehler(), fehler);
    EXPECT_TRUE(protzeilen[0].str().startsWith("Annabell" + QString(29, ' ') + "07.12.2026"));
}
