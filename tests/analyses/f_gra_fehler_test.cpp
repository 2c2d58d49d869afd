#include "analyses/f_gra_fehler.h"
#include "analyses/f_gra_logik.h"
#include "platform/clock.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

using namespace gra;

namespace {

QString werte(const Fehlerwerte& w, char k)
{
    return w.wert[k];
}

} // namespace

class FGraFehlerTest : public TaviTest {
protected:
    // One task of the run as the generator leaves it: operands, answer, the strategy values and a grid with the
    // task's pair in the run.
    void aufgabe(int code, int a, int b, int T = 0, int variante = 2)
    {
        programmcode = code;
        wahl2 = byte(variante);
        Zahlenwahl alle1, alle2;
        const Analyse* an = analyse(code);
        for (int i = 0; i <= 10; ++i) {
            alle1[i] = i < an->anzahl1 ? an->basis1 + i : -1;
            alle2[i] = i < an->anzahl2 ? an->basis2 + i : -1;
        }
        zahlenwahl1 = alle1;
        zahlenwahl2 = alle2;
        aufgabenvorratBauen();
        laufBeginnen();
        zahl1 = a + T;
        zahl2 = b;
        zehneranteil = T;
        zahl = code == 11 || code == 12 ? zahl1 + b : code == 16 ? a * b : code == 17 ? b : zahl1 - b;
        const Fehlerwerte w = fehlerwerteBerechnen(code, zahl1, zahl2, zahl, T);
        fehlerwerte = w.wert;
        fehlerwerteM = w.m;
        aufgabenstart = clockx::now();
    }
    void antworten(const QString& text, double sekunden)
    {
        eingabe = text;
        eingabezeit = aufgabenstart + clockx::days(sekunden * 1000.0);
        bewertung();
    }
};

TEST_F(FGraFehlerTest, ReversedDigits)
{
    EXPECT_EQ(zahlendreher(13), "31");
    EXPECT_EQ(zahlendreher(12), "21");
    EXPECT_EQ(zahlendreher(0), "00");
    EXPECT_EQ(zahlendreher(10), "01");
    EXPECT_EQ(zahlendreher(40), "04");
    EXPECT_EQ(zahlendreher(100), "01");
    EXPECT_EQ(zahlendreher(11), "");
    EXPECT_EQ(zahlendreher(7), "");
}

TEST_F(FGraFehlerTest, StrategiesOfEightPlusFive)
{
    const Fehlerwerte w = fehlerwerteBerechnen(11, 8, 5, 13, 0);
    const std::pair<char, const char*> erwartet[] = { { 'A', "14" }, { 'B', "12" }, { 'E', "3" }, { 'F', "31" },
        { 'G', "15" }, { 'H', "18" }, { 'I', "" }, { 'J', "12" }, { 'K', "" }, { 'L', "85" }, { 'T', "3" },
        { 'U', "1" }, { 'C', "" }, { 'D', "" }, { 'N', "" }, { 'V', "" } };
    for (const auto& [k, v] : erwartet)
        EXPECT_EQ(werte(w, k), v) << k;
    EXPECT_EQ(w.m[1], "11");
    EXPECT_EQ(w.m[2], "111");
    EXPECT_EQ(w.m[3], "133");
    EXPECT_EQ(w.m[4], "113");
    EXPECT_EQ(kennungen("12", w), QStringList({ "B", "J" }));
    EXPECT_EQ(kennungen("111", w), QStringList({ "M" })); // M counts once whichever of its texts fits
    EXPECT_TRUE(kennungen("", w).isEmpty());
}

TEST_F(FGraFehlerTest, OneDigitResultsHaveNoThirdRepetition)
{
    const Fehlerwerte w = fehlerwerteBerechnen(11, 2, 3, 5, 0);
    EXPECT_EQ(w.m[1], "55");
    EXPECT_EQ(w.m[2], "555");
    EXPECT_EQ(w.m[3], "");
    EXPECT_EQ(w.m[4], "55");
}

TEST_F(FGraFehlerTest, AWrongAnswerIsRecordedWithItsLetters)
{
    aufgabe(11, 8, 5);
    antworten("12", 4.6);
    EXPECT_EQ(tabelle[8][5], "13_12 ");
    EXPECT_EQ(fehlerkennungen[8][5], " 5 BJ ");
    EXPECT_EQ(fehlerzahl, 1);
    EXPECT_EQ(fehlerzeilen[8], 1);
    EXPECT_EQ(fehlerspalten[5], 1);
    EXPECT_EQ(kennungszaehler("B"), 1);
    EXPECT_EQ(kennungszaehler("J"), 1);
    EXPECT_EQ(kennungszaehler("A"), 0);
    EXPECT_EQ(wahl1, 0);
}

TEST_F(FGraFehlerTest, ARightAnswerGetsTwoPlusSigns)
{
    aufgabe(11, 8, 5);
    antworten("13", 12.2);
    EXPECT_EQ(tabelle[8][5], "13 ++ ");
    EXPECT_EQ(fehlerkennungen[8][5], "12    ");
    EXPECT_EQ(wahl1, 1);
    EXPECT_EQ(fehlerzahl, 0);
    EXPECT_EQ(kennungszaehler("B"), 0);
}

TEST_F(FGraFehlerTest, TenAnsweredWithOneDigit)
{
    aufgabe(11, 6, 4);
    antworten("1", 1);
    EXPECT_EQ(fehlerkennungen[6][4], " 1 U  ");
    aufgabe(11, 6, 4);
    antworten("01", 1);
    EXPECT_EQ(fehlerkennungen[6][4], " 1 F  ");
    EXPECT_EQ(tabelle[6][4], "10_01 ");
}

TEST_F(FGraFehlerTest, SubtractionWithATenCrossing)
{
    aufgabe(14, 13, 9);
    const Fehlerwerte w = fehlerwerteBerechnen(14, 13, 9, 4, 0);
    EXPECT_EQ(werte(w, 'F'), "16");
    EXPECT_EQ(werte(w, 'G'), "6");
    EXPECT_EQ(werte(w, 'H'), "7");
    EXPECT_EQ(werte(w, 'I'), "6");
    antworten("2", 3);
    EXPECT_EQ(fehlerkennungen[2][7], " 3 J  "); // row 13 - 11, column 9 - 2
    antworten("1", 3);
    EXPECT_EQ(fehlerkennungen[2][7], " 3 K  ");
    antworten("11", 3);
    EXPECT_EQ(fehlerkennungen[2][7], " 3 ud ");
    EXPECT_EQ(kennungszaehler("ud"), 1);
    EXPECT_EQ(fehlerzahl, 3);
    EXPECT_EQ(fehlerzeilen[2], 3);
}

TEST_F(FGraFehlerTest, MixedTensRecordTheTaskAsked)
{
    aufgabe(12, 4, 5, 30);
    antworten("93", 2);
    EXPECT_EQ(aufgabentabelle[4][5], "34+5  ");
    EXPECT_EQ(tabelle[4][5], "39_93 ");
    EXPECT_EQ(fehlerkennungen[4][5], " 2 F  ");

    // Subtraction of mixed tens: the combined errors of nearness and reversed digits count.
    aufgabe(15, 3, 4, 40);
    const Fehlerwerte w = fehlerwerteBerechnen(15, 43, 4, 39, 40);
    EXPECT_EQ(werte(w, 'C'), ""); // 40 has no units digit to exchange
    EXPECT_EQ(werte(w, 'D'), "83");
    EXPECT_EQ(werte(w, 'F'), "93");
    EXPECT_EQ(werte(w, 'H'), "41");
    EXPECT_EQ(werte(w, 'V'), "33");
    antworten("83", 2);
    EXPECT_EQ(fehlerkennungen[3][4], " 2 D  ");
    EXPECT_EQ(aufgabentabelle[3][4], "43-4  ");
}

TEST_F(FGraFehlerTest, RightAnswersTakeExchangeTasksOutOfVariantTwo)
{
    aufgabe(16, 3, 4);
    wahl2 = 2;
    const int vorher = aufgabenanzahl;
    antworten("12", 1);
    EXPECT_EQ(tabelle[4][3], " T-Ag ");
    EXPECT_EQ(aufgabenanzahl, vorher - 1);

    // A quotient of 0 has no exchange task.
    aufgabe(17, 4, 0);
    const int n = aufgabenanzahl;
    antworten("0", 1);
    EXPECT_EQ(tabelle[0][3], "0 ++  ");
    EXPECT_EQ(aufgabenanzahl, n);

    aufgabe(17, 4, 3);
    antworten("3", 1);
    EXPECT_EQ(tabelle[4][2], " T-Ag "); // 12 : 3 = 4 is the exchange task of 12 : 4 = 3
}

TEST_F(FGraFehlerTest, AFifthLetterHasNoRoomButCounts)
{
    Fehlerwerte w;
    for (char k : { 'A', 'B', 'E', 'L', 'F' })
        w.wert[k] = "7";
    EXPECT_EQ(kennungen("7", w).size(), 5);
    aufgabe(11, 3, 3);
    fehlerwerte = w.wert;
    fehlerwerteM = w.m;
    antworten("7", 0.2);
    EXPECT_EQ(fehlerkennungen[3][3], " 0 ABE"); // the record has room for six characters only
    EXPECT_EQ(kennungszaehler("F"), 1);
}

TEST_F(FGraFehlerTest, AnswerTimesAreRoundedSeconds)
{
    aufgabe(13, 5, 2);
    antworten("3", 125.6);
    EXPECT_EQ(fehlerkennungen[5][2], "126   ");
    aufgabe(13, 5, 2);
    antworten("3", 3.499);
    EXPECT_EQ(fehlerkennungen[5][2], " 3    ");
}
