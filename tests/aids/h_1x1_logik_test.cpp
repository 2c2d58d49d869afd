#include "aids/h_1x1_logik.h"
#include "platform/colors.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"

#include <gtest/gtest.h>

#include <set>

using namespace kl1x1;

namespace {

void pool(const QStringList& paare)
{
    for (int i = 0; i < paare.size(); ++i)
        aufgabenliste[i + 1] = paare[i];
    vorratsgroesse = int(paare.size());
    nummer = int(paare.size());
}

QStringList texte(const Tipp& t)
{
    QStringList s;
    for (const Tipptext& x : t.texte)
        s << x.text;
    return s;
}

} // namespace

TEST(Kl1x1Ziehung, EveryPairComesOnceInAPassThenANewPassBegins)
{
    RandSeed(5);
    const QStringList paare = { "2x3", "2x10", "7x8", "10x10", "0x5" };
    pool(paare);
    for (int pass = 0; pass < 3; ++pass) {
        std::set<std::pair<int, int>> gesehen;
        for (int i = 0; i < paare.size(); ++i) {
            const Aufgabe t = ziehen();
            gesehen.insert({ t.a, t.b });
        }
        EXPECT_EQ(gesehen, (std::set<std::pair<int, int>> { { 2, 3 }, { 2, 10 }, { 7, 8 }, { 10, 10 }, { 0, 5 } }));
        EXPECT_EQ(nummer, 0);
    }
}

TEST(Kl1x1Urteil, ReversedDigitsAreToldApartFromOtherWrongAnswers)
{
    struct Fall {
        int ziel;
        const char* getippt;
        Urteil u;
    } faelle[] = { { 56, "65", Urteil::zahlendreher }, { 56, "57", Urteil::holeHilfe },
        { 6, "60", Urteil::zahlendreher }, { 56, "56", Urteil::richtig }, { 0, "0", Urteil::richtig },
        { 44, "44", Urteil::richtig }, { 30, "3", Urteil::zahlendreher }, { 12, "120", Urteil::holeHilfe } };
    for (const Fall& f : faelle)
        EXPECT_EQ(urteil(QString::fromLatin1(f.getippt), f.ziel), f.u) << f.ziel << " " << f.getippt;
    EXPECT_EQ(meldung(Urteil::zahlendreher), "Zahlendreher!");
    EXPECT_EQ(meldung(Urteil::holeHilfe), "hole Hilfe,");
    EXPECT_TRUE(nullAblehnen("", 6));
    EXPECT_FALSE(nullAblehnen("", 0));
    EXPECT_FALSE(nullAblehnen("1", 10));
}

TEST(Kl1x1Bilder, TenTimesTenJumpsEndUnderTheLabel100InAlternatingColours)
{
    const QVector<Flaeche> s = spruenge({ 10, 10 });
    ASSERT_EQ(s.size(), 10);
    EXPECT_EQ(s.first().box.left(), 15);
    EXPECT_EQ(s.last().box.right(), 715);
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(s[j].farbe, j % 2 == 0 ? clRed : clBlue);
        EXPECT_EQ(s[j].box.top(), j % 2 == 0 ? 135 : 150);
        if (j > 0) EXPECT_EQ(s[j].box.left(), s[j - 1].box.right());
    }
}

TEST(Kl1x1Bilder, SevenTimesEightDotsShowTheQuartersAndTheRunningProducts)
{
    const QVector<Punktreihe> r = punktfeld({ 7, 8 });
    ASSERT_EQ(r.size(), 7);
    QStringList beschriftungen;
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(r[i].punkte.size(), 8);
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(r[i].punkte[j].farbe, ((i < 5) == (j < 5)) ? clRed : clBlue) << i << "," << j;
        beschriftungen << r[i].beschriftung;
    }
    EXPECT_EQ(beschriftungen, QStringList({ "8", "16", "24", "32", "40", "48", "?" }));
    EXPECT_EQ(r[0].punkte[0].box, QRect(QPoint(14, 29), QPoint(24, 43)));
    EXPECT_EQ(r[6].beschriftungOrt, QPoint(212, 177));
}

TEST(Kl1x1Bilder, ThreeGroupsOfSevenFillTheHundredFieldRowByRow)
{
    const QVector<QVector<Flaeche>> g = hunderterfeld({ 3, 7 });
    ASSERT_EQ(g.size(), 3);
    // Per row: the colours from left to right.
    std::map<int, QList<QColor>> reihen;
    for (const auto& gruppe : g)
        for (const Flaeche& q : gruppe)
            reihen[(q.box.top() + 6) / 27] << q.farbe;
    EXPECT_EQ(reihen[1], QList<QColor>(7, clRed) + QList<QColor>(3, clBlue));
    EXPECT_EQ(reihen[2], QList<QColor>(4, clBlue) + QList<QColor>(6, clRed));
    EXPECT_EQ(reihen[3], QList<QColor>({ clRed }));
    EXPECT_EQ(g[2].last().box, QRect(QPoint(15, 75), QPoint(25, 90)));
}

// In the shirts and trousers picture each of up to ten pieces is told apart by its colour, and none vanishes into
// the white box or into the black of the outlines and numbers.
TEST(Kl1x1Bilder, EachOfTenShirtsAndTrousersWearsAColourOfItsOwn)
{
    std::set<QRgb> farben;
    for (int k = 1; k <= 10; ++k) {
        const QColor f = kleiderfarbe(k);
        EXPECT_NE(f, clBlack) << k;
        EXPECT_NE(f, clWhite) << k;
        farben.insert(f.rgb());
    }
    EXPECT_EQ(farben.size(), 10u);
}

// The line from a shirt to a pair of trousers leaves the shirt at its hem and reaches the trousers at their
// waistband; the ten shirts and the ten trousers stand side by side in their order, none over another.
TEST(Kl1x1Bilder, LinesLeaveEachShirtAtItsHemAndReachEachTrousersAtTheWaistband)
{
    for (int k = 1; k <= 10; ++k) {
        const QRect h = hemd(k).boundingRect(), b = hose(k).boundingRect();
        EXPECT_TRUE(h.contains(hemdKragen(k))) << k;
        EXPECT_EQ(hemdKragen(k).y(), h.bottom()) << k;
        EXPECT_TRUE(b.contains(hosenBund(k))) << k;
        EXPECT_EQ(hosenBund(k).y(), b.top()) << k;
        if (k > 1) {
            EXPECT_LT(hemd(k - 1).boundingRect().right(), h.left()) << k;
            EXPECT_LT(hose(k - 1).boundingRect().right(), b.left()) << k;
        }
    }
}

TEST(Kl1x1Tipp, TheFactorsChooseTheTip)
{
    struct Fall {
        int a, b;
        Tipp::Art art;
        QStringList texte;
    } faelle[] = {
        { 2, 9, Tipp::Art::nachA, { "2  x  9   ist das", "D o p p e l t e", "   von  9 ." } },
        { 4, 9, Tipp::Art::tausch, { "Die Tauschaufgabe ist leichter!", "Rechne:   9  x  4  =  ..." } },
        { 7, 2, Tipp::Art::tausch, { "Die Tauschaufgabe ist leichter!", "Rechne:   2  x  7  =  ..." } },
        { 9, 9, Tipp::Art::nachA, { "Rechne:   10  x  9  =  90", "ziehe davon  1  x  9  ab." } },
        { 3, 6, Tipp::Art::nachA, { "Rechne:", "2  x  6  =  12", "zähle noch   1  x  6   dazu." } },
        { 5, 4, Tipp::Art::nachA, { "Rechne:   10  x  4  =  40", "nimm davon die  H ä l f t e." } },
        { 6, 3, Tipp::Art::nachA, { "Rechne:", "5  x  3  =  15", "zähle noch  1  x  3  dazu." } },
        { 7, 3, Tipp::Art::nachA, { "Rechne:", "5  x  3  =  15", "zähle noch  2  x  3  dazu." } },
        { 1, 7, Tipp::Art::keiner, { "kein Tipp", "für diese Aufgabe" } },
        { 10, 3, Tipp::Art::keiner, { "kein Tipp", "für diese Aufgabe" } },
        { 6, 1, Tipp::Art::keiner, { "kein Tipp", "für diese Aufgabe" } },
        { 0, 5, Tipp::Art::keiner, { "kein Tipp", "für diese Aufgabe", "! 0 !", "! 0 !" } },
        { 4, 0, Tipp::Art::keiner, { "kein Tipp", "für diese Aufgabe", "! 0 !", "! 0 !" } },
        { 3, 10, Tipp::Art::keiner, { "kein Tipp", "für diese Aufgabe" } },
        // Where the swap begins and ends: x 2 from 3 x 2 on, x 9 from 3 x 9 up to 8 x 9.
        { 2, 2, Tipp::Art::nachA, { "2  x  2   ist das", "D o p p e l t e", "   von  2 ." } },
        { 3, 2, Tipp::Art::tausch, { "Die Tauschaufgabe ist leichter!", "Rechne:   2  x  3  =  ..." } },
        { 3, 9, Tipp::Art::tausch, { "Die Tauschaufgabe ist leichter!", "Rechne:   9  x  3  =  ..." } },
        { 8, 9, Tipp::Art::tausch, { "Die Tauschaufgabe ist leichter!", "Rechne:   9  x  8  =  ..." } },
        { 9, 2, Tipp::Art::tausch, { "Die Tauschaufgabe ist leichter!", "Rechne:   2  x  9  =  ..." } },
    };
    for (const Fall& f : faelle) {
        const Tipp t = tipp({ f.a, f.b });
        EXPECT_EQ(t.art, f.art) << f.a << " x " << f.b;
        EXPECT_EQ(texte(t), f.texte) << f.a << " x " << f.b;
        EXPECT_EQ(t.trennlinie, 0);
    }
}

TEST(Kl1x1Tipp, FourAndEightOfferTwoWaysSideBySide)
{
    const Tipp vier = tipp({ 4, 6 });
    EXPECT_EQ(vier.trennlinie, 356);
    EXPECT_EQ(texte(vier),
        QStringList({ "Rechne:   2  x  6  =  12", "nimm davon das Doppelte.", "Rechne:   5  x  6  =  30",
            "ziehe davon  1  x  6  ab.", "oder:" }));
    EXPECT_EQ(vier.texte[2], (Tipptext { 556, 60, 40, clGreen, "Rechne:   5  x  6  =  30" }));
    EXPECT_EQ(vier.texte.last(), (Tipptext { 356, 90, 60, clRed, "oder:" }));

    const Tipp acht = tipp({ 8, 7 });
    EXPECT_EQ(acht.trennlinie, 386);
    EXPECT_EQ(texte(acht),
        QStringList({ "Rechne:   2  x  7  =  14", "Verdoppele!  ... ( =  28)", "... und verdoppele noch einmal!",
            "Rechne:   10  x  7  =  70", "Ziehe davon  2  x  7  ab.", "oder:" }));
    EXPECT_EQ(acht.texte[2].x, 196);
    EXPECT_EQ(acht.texte.last(), (Tipptext { 386, 90, 60, clRed, "oder:" }));
}

TEST(Kl1x1Tipp, TheDividerRunsFromFrameToFrameAroundOder)
{
    // The word's cell is 90 .. 150; the line keeps six units clear of it.
    EXPECT_EQ(trennstriche(tipp({ 4, 6 })), (QVector<QLine> { { 356, 5, 356, 84 }, { 356, 156, 356, 275 } }));
    EXPECT_EQ(trennstriche(tipp({ 8, 7 })), (QVector<QLine> { { 386, 5, 386, 84 }, { 386, 156, 386, 275 } }));
    EXPECT_TRUE(trennstriche(tipp({ 7, 8 })).isEmpty());
    // A divider with no word on it runs whole.
    Tipp ohneWort;
    ohneWort.trennlinie = 300;
    EXPECT_EQ(trennstriche(ohneWort), (QVector<QLine> { { 300, 5, 300, 275 } }));
}

TEST(Kl1x1Protokoll, TheFactorListsAndTheHelpAndShowPressesStandInTheirLines)
{
    const hilfenrahmen::Protokollangaben p = protokollangaben("2 3 7 // 0 5 10 ", 2, 1);
    hilfenrahmen::Stand s;
    s.eingabengesamt = 9;
    s.eingabenrichtig = 3;
    s.hilfetasten = 2;
    s.zeigetasten = 1;
    const QStringList z = hilfenrahmen::protokollzeilen(p, s);
    EXPECT_EQ(z[0], "Programm:              Hilfen beim kleinen 1x1");
    EXPECT_EQ(z[2], "linke Faktoren:        2 3 7");
    EXPECT_EQ(z[3], "rechte Faktoren:       0 5 10 ");
    EXPECT_EQ(z[8], "       falsch/unnötig: 3");
    EXPECT_EQ(z[9], "       Hilfetaste:     2");
    EXPECT_EQ(z[10], "       Zeigetaste:     1");

    // Without the hub's separator all the factors are the left ones.
    const hilfenrahmen::Protokollangaben ohne = protokollangaben("4 5 ", 0, 0);
    EXPECT_EQ(ohne.zeile4, "linke Faktoren:        4 5");
    EXPECT_EQ(ohne.zeile5, "rechte Faktoren:       ");
}
