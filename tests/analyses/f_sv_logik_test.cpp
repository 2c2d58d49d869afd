#include "analyses/f_sv_logik.h"
#include "analyses/f_sv_testhilfe.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"

#include <set>

using namespace sv;
using namespace svtest;

namespace {

// Runs right answers until the run stands at kind `art`, then sets its task.
void bisArt(Lauf& lauf, int art, const Aufgabe& a)
{
    ASSERT_TRUE(lauf.naechste());
    while (lauf.variante() < art) {
        tippe(lauf, lauf.aufgabe().loesungstext());
        ASSERT_TRUE(lauf.auswertung().richtig);
        ASSERT_TRUE(lauf.naechste());
    }
    lauf.setzeAufgabe(a);
}

// A digit for the place that no error type predicts and that is wrong, or -1.
int udfZiffer(const Lauf& lauf, Stelle s, int richtig, bool kurz)
{
    const Prognosen p = prognosen(lauf.variante(), lauf.aufgabe(), kurz);
    for (int d = 0; d <= 9; ++d) {
        bool frei = d != richtig;
        for (int t = 1; t <= kTypzahl; ++t)
            frei = frei && p(s, t) != d;
        if (frei) return d;
    }
    return -1;
}

struct Uebertraege {
    bool einer, zehner;
};

Uebertraege uebertraege(const Aufgabe& a)
{
    const bool einer = a.einer3 < a.einer2;
    const bool zehner = a.zehner3 - (einer ? 1 : 0) < a.zehner2;
    return { einer, zehner };
}

} // namespace

class SvGeneratorTest : public TaviTest { };

TEST_F(SvGeneratorTest, EveryKindGivesDigitsAndTheDifferenceOverManyDraws)
{
    for (int art = 1; art <= kArtzahl; ++art) {
        std::set<int> differenzen;
        for (int n = 0; n < 3000; ++n) {
            const Aufgabe a = stellenwurf(art);
            const int ziffern[] = { a.hunderter1, a.zehner1, a.einer1, a.hunderter2, a.zehner2, a.einer2, a.hunderter3,
                a.zehner3, a.einer3 };
            for (int d : ziffern)
                ASSERT_TRUE(d >= 0 && d <= 9) << "kind " << art;
            ASSERT_EQ(a.minuend() - a.subtrahend(), a.differenz()) << "kind " << art;
            ASSERT_GE(a.hunderter1, 1) << "the difference always has three digits";
            ASSERT_EQ(a.loesungstext().size(), 3);
            differenzen.insert(a.differenz());
        }
        EXPECT_GT(differenzen.size(), 5u) << "kind " << art << " varies";
    }
}

// Each kind's digits, per number and place (d difference, s subtrahend, m minuend; H, Z, E), over many draws: none
// outside the kind's range, and every digit the range allows comes.
TEST_F(SvGeneratorTest, EveryKindsDigitsKeepTheirRangesAndEachDigitTheyAllowComes)
{
    const char* soll[] = {
        "",
        "dE 1-8, dH 1-5, dZ 1-8, mE 2-9, mH 2-7, mZ 2-9, sE 1-8, sH 1-4, sZ 1-8", // A
        "dE 1-8, dH 1-5, dZ 1-8, mE 2-9, mH 1-5, mZ 2-9, sE 1-8, sH 0, sZ 1-8", // B
        "dE 1-7, dH 1-5, dZ 2-8, mE 2-8, mH 3-7, mZ 1-7, sE 1-7, sH 1-3, sZ 3-9", // C
        "dE 2-9, dH 1-5, dZ 1-7, mE 1-8, mH 2-7, mZ 3-9, sE 2-9, sH 1-4, sZ 1-7", // D
        "dE 2-9, dH 1-5, dZ 2-8, mE 1-8, mH 3-7, mZ 2-8, sE 2-9, sH 1-3, sZ 3-9", // E
        "dE 2-9, dH 1-5, dZ 9, mE 1-8, mH 3-7, mZ 1-9, sE 2-9, sH 1-3, sZ 1-9", // F
        "dE 2-9, dH 1-5, dZ 2-8, mE 1-8, mH 2-6, mZ 2-8, sE 2-9, sH 0, sZ 3-9", // G
        "dE 0, dH 1-5, dZ 1-9, mE 0, mH 3-7, mZ 0, sE 0, sH 1-3, sZ 1-9", // H
        "dE 1-9, dH 1-5, dZ 9, mE 0, mH 3-7, mZ 1-9, sE 1-9, sH 1-3, sZ 1-9", // I
        "dE 1-9, dH 1-8, dZ 0, mE 0, mH 1-8, mZ 2-9, sE 1-9, sH 0, sZ 1-8", // K
    };
    PinRandomSeed(3);
    for (int art = 1; art <= kArtzahl; ++art) {
        Wertebereiche w;
        for (int n = 0; n < 4000; ++n) {
            const Aufgabe a = stellenwurf(art);
            w.ziffern("d", a.differenz(), 3);
            w.ziffern("s", a.subtrahend(), 3);
            w.ziffern("m", a.minuend(), 3);
        }
        EXPECT_EQ(w.text().toStdString(), soll[art]) << "kind " << art;
    }
    UnpinRandomSeed();
}

TEST_F(SvGeneratorTest, TheKindsGiveTheirBorrows)
{
    struct Soll {
        bool einer, zehner, zweistellig;
    };
    const Soll soll[] = {
        {}, { false, false, false }, // A
        { false, false, true }, // B
        { false, true, false }, // C
        { true, false, false }, // D
        { true, true, false }, // E
        { true, true, false }, // F
        { true, true, true }, // G
        { false, true, false }, // H
        { true, true, false }, // I
        { true, false, true }, // K
    };
    for (int art = 1; art <= kArtzahl; ++art) {
        for (int n = 0; n < 2000; ++n) {
            const Aufgabe a = stellenwurf(art);
            const Uebertraege u = uebertraege(a);
            ASSERT_EQ(u.einer, soll[art].einer) << "kind " << art << ": " << a.minuend() << "-" << a.subtrahend();
            ASSERT_EQ(u.zehner, soll[art].zehner) << "kind " << art << ": " << a.minuend() << "-" << a.subtrahend();
            ASSERT_EQ(a.hunderter2 == 0, soll[art].zweistellig) << "kind " << art;
            // Adding instead of subtracting stays one digit in the hundreds.
            if (art != 10) {
                ASSERT_LT(a.hunderter2 + a.hunderter3, 10) << "kind " << art;
            }
        }
    }
    for (int n = 0; n < 500; ++n) {
        const Aufgabe f = stellenwurf(6);
        EXPECT_EQ(f.zehner3, f.zehner2);
        const Aufgabe h = stellenwurf(8);
        EXPECT_EQ(h.minuend() % 100, 0);
        EXPECT_EQ(h.subtrahend() % 10, 0);
        const Aufgabe i = stellenwurf(9);
        EXPECT_EQ(i.einer3, 0);
        EXPECT_EQ(i.zehner3, i.zehner2);
        const Aufgabe k = stellenwurf(10);
        EXPECT_EQ(k.zehner1, 0);
        EXPECT_EQ(k.zehner3, k.zehner2 + 1);
    }
}

TEST(SvTasteneingabe, DigitsMarksAndBackspace)
{
    Tasteneingabe e;
    EXPECT_FALSE(e.marke()) << "no mark before the first digit";
    EXPECT_TRUE(e.ziffer('3'));
    EXPECT_TRUE(e.marke());
    EXPECT_FALSE(e.marke()) << "no mark twice in a row";
    EXPECT_TRUE(e.ziffer('5'));
    EXPECT_TRUE(e.marke());
    EXPECT_TRUE(e.ziffer('2'));
    EXPECT_FALSE(e.marke()) << "no mark after the third digit";
    EXPECT_FALSE(e.ziffer('7')) << "a fourth digit is ignored";
    EXPECT_EQ(txt(e.tastenfolge()), txt(QString::fromUtf8("3ü5ü2")));
    EXPECT_EQ(txt(e.eingabeziffern()), txt("253"));
    EXPECT_TRUE(e.loeschen());
    EXPECT_TRUE(e.loeschen());
    EXPECT_EQ(txt(e.eingabeziffern()), txt("53")) << "rebuilt from the keys, nothing left over";
    EXPECT_EQ(e.ziffernzahl(), 2);
    EXPECT_FALSE(e.ziffer('x'));
    e.leeren();
    EXPECT_FALSE(e.ziffer('/'));
    EXPECT_FALSE(e.ziffer(':'));
    EXPECT_TRUE(e.ziffer('0'));
    EXPECT_TRUE(e.ziffer('9'));
    EXPECT_EQ(txt(e.eingabeziffern()), txt("90"));
    e.leeren();
    EXPECT_FALSE(e.loeschen());
    EXPECT_EQ(txt(e.eingabeziffern()), txt(""));
}

class SvAnalyseTest : public TaviTest { };

TEST_F(SvAnalyseTest, UebertragPlusInTheHundreds)
{
    // Tens that really borrow: the hundreds pay it rightly, so Ü+ predicts the right digit (c = 0).
    EXPECT_EQ(prognosen(5, aufgabe(432, 185), false)(Hunderter, 8), 2);
    // Equal tens with a units borrow: c = 0 as well.
    EXPECT_EQ(prognosen(6, aufgabe(532, 238), false)(Hunderter, 8), 2 - 0);
    // Tens above the subtrahend's: one too many paid.
    EXPECT_EQ(prognosen(1, aufgabe(475, 132), false)(Hunderter, 8), 3 - 1);
    // Ri without hundreds in the subtrahend cannot occur.
    EXPECT_EQ(prognosen(2, aufgabe(475, 32), false)(Hunderter, 5), kNie);
    // Ri carries its own borrows leftwards: 5-2 | 3-7-0 → 6, b2 | 1-4-1 → 6.
    const Prognosen ri = prognosen(3, aufgabe(472, 135), false);
    EXPECT_EQ(ri(Einer, 5), 3);
    EXPECT_EQ(ri(Zehner, 5), 6);
    EXPECT_EQ(ri(Hunderter, 5), 6);
}

// What each of the ten strategies gives at each place of three tasks, worked out by hand from the model.
TEST_F(SvAnalyseTest, EveryStrategysDigitAtEveryPlace)
{
    const int N = kNie;
    const struct {
        int art, minuend, subtrahend;
        bool kurz;
        int h[10], z[10], e[10]; // types N+ .. vE
    } faelle[] = {
        // A: 475 - 132 = 343
        { 1, 475, 132, false, { 4, 2, 5, 6, 6, N, 3, 2, 4, 0 }, { 5, 3, 0, N, 5, N, 4, 3, 7, N },
            { 4, 2, 7, N, 7, 3, N, N, 5, N } },
        // K: 340 - 37 = 303, answered with fewer than three digits
        { 10, 340, 37, true, { 4, 2, 3, N, N, N, 3, 2, 3, 0 }, { N, N, 7, N, 9, N, 1, 0, 4, 0 },
            { 4, 2, 7, N, 7, 7, N, N, 0, N } },
        // H: 500 - 170 = 330
        { 8, 500, 170, false, { N, 2, 6, N, 6, N, 4, 3, 5, 0 }, { 4, 2, 7, N, 7, 7, 3, 2, 0, N },
            { 1, N, 0, N, 0, 0, N, N, 0, N } },
    };
    for (const auto& f : faelle) {
        const Prognosen p = prognosen(f.art, aufgabe(f.minuend, f.subtrahend), f.kurz);
        for (int typ = 1; typ <= kTypzahl; ++typ) {
            EXPECT_EQ(p(Hunderter, typ), f.h[typ - 1]) << f.minuend << " - " << f.subtrahend << ", type " << typ;
            EXPECT_EQ(p(Zehner, typ), f.z[typ - 1]) << f.minuend << " - " << f.subtrahend << ", type " << typ;
            EXPECT_EQ(p(Einer, typ), f.e[typ - 1]) << f.minuend << " - " << f.subtrahend << ", type " << typ;
        }
    }
    // Counting one too many cannot show in the hundreds of the kinds C, E .. I (their hundreds pay a borrow)
    // nor in the tens of D .. G, I and K.
    const QString hunderterNie = "CEFGHI", zehnerNie = "DEFGIK";
    for (int art = 1; art <= kArtzahl; ++art) {
        const Aufgabe a = stellenwurf(art);
        const Prognosen p = prognosen(art, a, false);
        const QChar b = artbuchstabe(art);
        EXPECT_EQ(p(Hunderter, 1), hunderterNie.contains(b) ? kNie : a.hunderter1 + 1) << "kind " << art;
        EXPECT_EQ(p(Zehner, 1), zehnerNie.contains(b) ? kNie : a.zehner1 + 1) << "kind " << art;
    }
}

// Adding with carries (+mÜ) shows in the hundreds only when the tens, with the units' carry, pass 9, and in the
// tens only when the units do.
TEST_F(SvAnalyseTest, AddingWithCarriesIsPredictedWhereTheCarriesReach)
{
    const struct {
        int minuend, subtrahend, zehner, hunderter;
    } faelle[] = {
        { 356, 148, 0, 5 }, // 6+8 carries, 5+4+1 carries: 504
        { 351, 142, kNie, kNie }, // 1+2, 5+4 = 9: nothing carried
        { 346, 138, 8, kNie }, // 6+8 carries, 4+3+1 = 8
        { 371, 142, kNie, 5 }, // 1+2, 7+4 carries
    };
    for (const auto& f : faelle) {
        const Prognosen p = prognosen(5, aufgabe(f.minuend, f.subtrahend), false);
        EXPECT_EQ(p(Zehner, 4), f.zehner) << f.minuend << " - " << f.subtrahend;
        EXPECT_EQ(p(Hunderter, 4), f.hunderter) << f.minuend << " - " << f.subtrahend;
        EXPECT_EQ(p(Einer, 4), kNie);
    }
    // At equal digits the tens already count as "no borrow" for Ü+ and as the smaller from the larger for abs.
    const struct {
        int minuend, subtrahend, uebertragPlus, abs;
    } zehner[] = {
        { 375, 142, 3 - 1, kNie }, // units 5 over 2: no borrow, one paid too many
        { 352, 142, 1 - 1, kNie }, // units equal: still none
        { 351, 142, 0, kNie }, // units borrow: the tens pay it rightly
        { 342, 142, 0 - 1, 0 }, // tens equal
        { 332, 142, 9 - 1, 1 }, // tens 3 under 4
    };
    for (const auto& f : zehner) {
        const Prognosen p = prognosen(5, aufgabe(f.minuend, f.subtrahend), false);
        EXPECT_EQ(p(Zehner, 8), f.uebertragPlus) << f.minuend << " - " << f.subtrahend;
        EXPECT_EQ(p(Zehner, 6), f.abs) << f.minuend << " - " << f.subtrahend;
    }
}

TEST_F(SvAnalyseTest, TheExampleOfTheModel432Minus185Answered353)
{
    Lauf lauf;
    bisArt(lauf, 5, aufgabe(432, 185));
    tippe(lauf, "353");
    const Auswertung a = lauf.auswertung();
    EXPECT_FALSE(a.richtig);
    ASSERT_EQ(lauf.zeilennr(), 1);
    const Fehlerzeilen& z = lauf.fehlerzeilen(1);
    EXPECT_EQ(txt(z.einer), txt("E    1              432       3   Ri   abs "));
    EXPECT_EQ(txt(z.zehner), txt(QString::fromUtf8("                   -185      5    Ri   abs  Ü-  ")));
    EXPECT_EQ(txt(z.ergebnis), txt(QString::fromUtf8("                    ===     3     Ü-  ")));
    EXPECT_EQ(txt(z.falsch), txt("          falsch:   353"));
    EXPECT_EQ(txt(z.richtig), txt("          richtig: (247)"));
    const Fehlertabelle& t = lauf.fehlertabelle();
    EXPECT_EQ(t.wert(5, 5), 2); // Ri
    EXPECT_EQ(t.wert(5, 6), 2); // abs
    EXPECT_EQ(t.wert(5, 7), 2); // Ü-
    EXPECT_EQ(t.wert(5, kZeilensumme), 6);
    EXPECT_EQ(t.wert(kSummenzeile, kZeilensumme), 6);
    EXPECT_EQ(t.wert(kSummenzeile, 5), 2);
    EXPECT_EQ(lauf.udfzaehler(), 0);
    EXPECT_EQ(lauf.naehezaehler(), 0);
}

TEST_F(SvAnalyseTest, ColumnsOfTheTaskLinesAndATwoDigitAnswer)
{
    Lauf lauf;
    bisArt(lauf, 2, aufgabe(487, 53)); // 434
    tippe(lauf, "34");
    EXPECT_FALSE(lauf.auswertung().richtig);
    const Fehlerzeilen& z = lauf.fehlerzeilen(1);
    // letter 1, number 6, minuend 21-23, typed units 31, analysis from 34
    EXPECT_EQ(txt(z.einer.mid(0, 1)), txt("B"));
    EXPECT_EQ(txt(z.einer.mid(5, 1)), txt("1"));
    EXPECT_EQ(txt(z.einer.mid(20, 3)), txt("487"));
    EXPECT_EQ(txt(z.einer.mid(30, 1)), txt("4"));
    EXPECT_EQ(txt(z.einer.mid(33)), txt(" .  (korrekt)"));
    EXPECT_EQ(txt(z.zehner.mid(19, 4)), txt("- 53"));
    EXPECT_EQ(txt(z.zehner.mid(29, 1)), txt("3"));
    EXPECT_EQ(txt(z.zehner.mid(33)), txt(" .  (korrekt)"));
    // The missing hundreds digit is read as 0, which only stopping early (vE) predicts here.
    EXPECT_EQ(txt(z.ergebnis.mid(20, 3)), txt("==="));
    EXPECT_EQ(txt(z.ergebnis.mid(28, 1)), txt("0"));
    EXPECT_EQ(txt(z.ergebnis.mid(33)), txt(" vE  "));
    EXPECT_EQ(txt(z.falsch), txt("          falsch:    34"));
    EXPECT_EQ(lauf.fehlertabelle().wert(2, 10), 1);
}

TEST_F(SvAnalyseTest, ADigitMatchingNoTypeIsUndefinedAndLinesStopAt55)
{
    Lauf lauf;
    bisArt(lauf, 1, aufgabe(586, 123)); // 463
    const int u = udfZiffer(lauf, Einer, 3, false);
    ASSERT_GE(u, 0);
    tippe(lauf, QString("46") + QString::number(u));
    lauf.auswertung();
    EXPECT_TRUE(lauf.fehlerzeilen(1).einer.endsWith(" udf "));
    EXPECT_EQ(lauf.udfzaehler(), 1);
    EXPECT_EQ(lauf.fehlertabelle().wert(1, kUdf), 1);
    EXPECT_EQ(lauf.fehlertabelle().wert(kSummenzeile, kUdf), 1);

    // 150 - 1 = 149 with tens 5: N+, +/-, Ri, Ü- and Bet all fit; the line ends at 55 characters, the
    // table counts all five.
    Lauf viele;
    bisArt(viele, 1, aufgabe(150, 1));
    tippe(viele, "159");
    viele.auswertung();
    EXPECT_EQ(txt(viele.fehlerzeilen(1).zehner),
        txt(QString::fromUtf8("                   - 01      5    N+   +/-  Ri   Ü-   B")));
    EXPECT_EQ(viele.fehlertabelle().wert(1, kZeilensumme), 5);
    EXPECT_EQ(viele.naehezaehler(), 1);
}

class SvLaufTest : public TaviTest { };

TEST_F(SvLaufTest, APupilWhoIsAlwaysRightGetsTenTasks)
{
    Lauf lauf;
    int aufgaben = 0;
    std::vector<int> fortschritt;
    while (lauf.naechste()) {
        ++aufgaben;
        EXPECT_EQ(lauf.artzaehler(lauf.variante()), 1);
        tippe(lauf, lauf.aufgabe().loesungstext());
        const Auswertung a = lauf.auswertung();
        EXPECT_TRUE(a.richtig);
        fortschritt.push_back(a.fortschritt);
    }
    EXPECT_EQ(aufgaben, 10);
    EXPECT_EQ(lauf.artzaehler(kSummenzeile), 10);
    EXPECT_EQ(lauf.zeilennr(), 0);
    EXPECT_EQ(fortschritt.front(), 36);
    EXPECT_EQ(fortschritt.back(), 360);
    EXPECT_EQ(lauf.zustand(), Lauf::Zustand::Beendet);
    EXPECT_FALSE(lauf.naechste());
}

TEST_F(SvLaufTest, ThreeWrongAnswersMoveOnAndTheBarAdvancesTwelvePerTask)
{
    Lauf lauf;
    std::vector<int> balken;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(lauf.naechste());
        EXPECT_EQ(lauf.variante(), 1);
        // The right digits in the units and tens, hundreds the right one plus 1 (N+), so nothing stops the run.
        const Aufgabe a = lauf.aufgabe();
        tippe(lauf, QString::number(a.hunderter1 + 1) + QString::number(a.zehner1) + QString::number(a.einer1));
        balken.push_back(lauf.auswertung().fortschritt);
    }
    EXPECT_EQ(balken, (std::vector<int> { 12, 24, 36 }));
    ASSERT_TRUE(lauf.naechste());
    EXPECT_EQ(lauf.variante(), 2);
    tippe(lauf, "1");
    EXPECT_EQ(lauf.auswertung().fortschritt, 48);
    EXPECT_EQ(fortschrittsbreite(2, 3), 72);
    EXPECT_EQ(lauf.zeilennr(), 4);
    EXPECT_EQ(txt(lauf.fehlerzeilen(3).einer.mid(5, 1)), txt("3"));
}

TEST_F(SvLaufTest, TenUndefinedErrorsStopTheRunAtTheNextTask)
{
    Lauf lauf;
    std::vector<int> udf;
    while (lauf.naechste()) {
        const Aufgabe& a = lauf.aufgabe();
        const int h = udfZiffer(lauf, Hunderter, a.hunderter1, false);
        const int z = udfZiffer(lauf, Zehner, a.zehner1, false);
        const int e = udfZiffer(lauf, Einer, a.einer1, false);
        tippe(lauf,
            QString::number(h < 0 ? a.hunderter1 : h) + QString::number(z < 0 ? a.zehner1 : z)
                + QString::number(e < 0 ? a.einer1 : e));
        lauf.auswertung();
        udf.push_back(lauf.udfzaehler());
    }
    ASSERT_GE(udf.size(), 2u);
    EXPECT_LT(udf.size(), 30u);
    EXPECT_GE(udf.back(), kStoppgrenze);
    EXPECT_LT(udf[udf.size() - 2], kStoppgrenze) << "it stopped at the first task after the limit";
    EXPECT_EQ(lauf.naehezaehler(), 0);
}

TEST_F(SvLaufTest, TenErrorsOfCountingStopTheRun)
{
    Lauf lauf;
    int aufgaben = 0;
    while (lauf.naechste()) {
        ++aufgaben;
        const Aufgabe& a = lauf.aufgabe();
        // N- in the units: one too few.
        const int e = a.einer1 > 0 ? a.einer1 - 1 : a.einer1 + 1;
        tippe(lauf, QString::number(a.hunderter1) + QString::number(a.zehner1) + QString::number(e));
        lauf.auswertung();
    }
    EXPECT_EQ(lauf.naehezaehler(), 10);
    EXPECT_EQ(aufgaben, 10);
    EXPECT_EQ(lauf.variante(), 4) << "three tasks each of A, B and C, the tenth of D";
}

TEST_F(SvLaufTest, AWrongPupilWithoutStopGetsThirtyTasks)
{
    Lauf lauf;
    int aufgaben = 0;
    while (lauf.naechste()) {
        ++aufgaben;
        // One place wrong with a digit of a known strategy that is neither N+ nor N-.
        const Aufgabe& a = lauf.aufgabe();
        const Prognosen p = prognosen(lauf.variante(), a, false);
        const int richtig[] = { a.hunderter1, a.zehner1, a.einer1 };
        QString antwort;
        for (int s = Hunderter; s <= Einer && antwort.isEmpty(); ++s) {
            for (int t = 3; t <= kTypzahl && antwort.isEmpty(); ++t) {
                const int d = p(Stelle(s), t);
                if (d < 0 || d > 9 || d == richtig[s] || d == p(Stelle(s), 1) || d == p(Stelle(s), 2)) continue;
                int ziffern[] = { a.hunderter1, a.zehner1, a.einer1 };
                ziffern[s] = d;
                antwort = QString::number(ziffern[0]) + QString::number(ziffern[1]) + QString::number(ziffern[2]);
            }
        }
        ASSERT_FALSE(antwort.isEmpty()) << a.minuend() << "-" << a.subtrahend();
        tippe(lauf, antwort);
        EXPECT_FALSE(lauf.auswertung().richtig);
    }
    EXPECT_EQ(aufgaben, 30);
    EXPECT_EQ(lauf.zeilennr(), 30);
    EXPECT_EQ(lauf.udfzaehler(), 0);
    EXPECT_EQ(lauf.naehezaehler(), 0);
}

TEST_F(SvLaufTest, EndingByThePupil)
{
    Lauf vorher;
    EXPECT_FALSE(vorher.abbrechen()) << "before the first task: no protocol";

    Lauf erste;
    ASSERT_TRUE(erste.naechste());
    EXPECT_FALSE(erste.abbrechen()) << "the first task shown and not answered is taken back";
    EXPECT_EQ(erste.artzaehler(1), 0);
    EXPECT_EQ(erste.artzaehler(kSummenzeile), 0);

    Lauf zweite;
    ASSERT_TRUE(zweite.naechste());
    tippe(zweite, "1");
    zweite.auswertung();
    ASSERT_TRUE(zweite.naechste());
    EXPECT_TRUE(zweite.abbrechen());
    EXPECT_EQ(zweite.artzaehler(kSummenzeile), 1);

    Lauf beantwortet;
    ASSERT_TRUE(beantwortet.naechste());
    tippe(beantwortet, "1");
    beantwortet.auswertung();
    EXPECT_TRUE(beantwortet.abbrechen()) << "an answered task stays counted";
    EXPECT_EQ(beantwortet.artzaehler(1), 1);
    EXPECT_FALSE(beantwortet.naechste());
}

TEST_F(SvLaufTest, AnswersNeedAnOpenTaskAndADigit)
{
    Lauf lauf;
    EXPECT_FALSE(lauf.auswertung().richtig);
    EXPECT_EQ(lauf.zustand(), Lauf::Zustand::Bereit);
    ASSERT_TRUE(lauf.naechste());
    lauf.eingabe().marke();
    lauf.auswertung();
    EXPECT_EQ(lauf.zustand(), Lauf::Zustand::AufgabeOffen) << "Enter without a digit does nothing";
    tippe(lauf, "9");
    lauf.auswertung();
    EXPECT_EQ(lauf.zustand(), Lauf::Zustand::Beantwortet);
    const int zeilen = lauf.zeilennr();
    lauf.auswertung();
    EXPECT_EQ(lauf.zeilennr(), zeilen) << "a second Enter counts nothing";
    lauf.zuruecksetzen();
    EXPECT_EQ(lauf.artzaehler(kSummenzeile), 0);
    EXPECT_EQ(lauf.fehlertabelle().wert(kSummenzeile, kZeilensumme), 0);
    EXPECT_EQ(lauf.zeilennr(), 0);
}
