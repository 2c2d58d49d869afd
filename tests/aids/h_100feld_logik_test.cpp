#include "aids/h_100feld_logik.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <map>

#include <QSet>
#include <cstdlib>

using namespace h100feld;

namespace {

class H100feldLogikTest : public TaviTest { };

// Rows and columns apart, counted on the field itself.
int abstand(int a, int b)
{
    return std::abs(zeileVon(a) - zeileVon(b)) + std::abs(spalteVon(a) - spalteVon(b));
}

bool beruehren(int a, int b)
{
    return std::abs(zeileVon(a) - zeileVon(b)) <= 1 && std::abs(spalteVon(a) - spalteVon(b)) <= 1;
}

void laengenErlauben(std::initializer_list<int> laengen)
{
    for (int i = 0; i <= 4; ++i)
        wahlbytes[i] = 255;
    for (int l : laengen)
        wahlbytes[l - 3] = byte(l);
}

} // namespace

TEST_F(H100feldLogikTest, LeastStepsAreTheRowsAndColumnsBetweenStartAndTarget)
{
    EXPECT_EQ(kuerzesterWeg(40, 0), 12); // 3 down, 9 right
    EXPECT_EQ(kuerzesterWeg(7, 99), 12); // 9 up, 3 left
    EXPECT_EQ(kuerzesterWeg(100, 0), 18);
    EXPECT_EQ(kuerzesterWeg(91, 9), 18);
    EXPECT_EQ(kuerzesterWeg(10, 19), 1); // a multiple of 10 belongs to the row above
    EXPECT_EQ(kuerzesterWeg(20, 9), 1);
    for (int ziel = 1; ziel <= 100; ++ziel)
        for (int start = 0; start <= 99; ++start)
            ASSERT_EQ(kuerzesterWeg(ziel, start), abstand(ziel, start + 1)) << ziel << " from " << start + 1;
}

// The pupil walks the cursor with the arrow keys: every cell can be reached from every side, and only the field's
// border stops a move, leaving the cursor where it was.
TEST_F(H100feldLogikTest, ArrowMovesReachEveryCellAndOnlyTheBorderStopsThem)
{
    const struct {
        Zug zug;
        int dz, ds;
    } zuege[] = { { Zug::hoch, -1, 0 }, { Zug::links, 0, -1 }, { Zug::runter, 1, 0 }, { Zug::rechts, 0, 1 } };
    for (const auto& z : zuege)
        for (int zeile = 0; zeile <= 9; ++zeile)
            for (int spalte = 0; spalte <= 9; ++spalte) {
                const int zielZeile = zeile + z.dz, zielSpalte = spalte + z.ds;
                const bool drinnen = zielZeile >= 0 && zielZeile <= 9 && zielSpalte >= 0 && zielSpalte <= 9;
                int r = zeile, s = spalte;
                ASSERT_EQ(ziehen(z.zug, r, s), drinnen) << int(z.zug) << " from " << zeile << "/" << spalte;
                EXPECT_EQ(r, drinnen ? zielZeile : zeile);
                EXPECT_EQ(s, drinnen ? zielSpalte : spalte);
            }
}

TEST_F(H100feldLogikTest, APlacingTaskNeverStartsOnItsTarget)
{
    QSet<int> ziele, starts;
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        RandSeed(seed);
        const Platzaufgabe a = platzaufgabe();
        ASSERT_GE(a.zielzahl, 1);
        ASSERT_LE(a.zielzahl, 100);
        ASSERT_GE(a.vorindex, 0);
        ASSERT_LE(a.vorindex, 99);
        ASSERT_NE(a.vorindex + 1, a.zielzahl);
        ASSERT_GE(a.mindestschritte, 1);
        ASSERT_EQ(a.mindestschritte, kuerzesterWeg(a.zielzahl, a.vorindex));
        ziele << a.zielzahl;
        starts << a.vorindex;
    }
    // Every cell comes as target and as start.
    EXPECT_EQ(ziele.size(), 100);
    EXPECT_EQ(starts.size(), 100);
}

TEST_F(H100feldLogikTest, TheBagGivesEachNumberOnceThenStartsAgain)
{
    beutelFuellen();
    QSet<int> gezogen;
    for (int i = 0; i < 99; ++i)
        gezogen << zielzahlZiehen(18);
    EXPECT_EQ(gezogen.size(), 99);
    EXPECT_FALSE(gezogen.contains(0));
    EXPECT_FALSE(gezogen.contains(100));
    EXPECT_EQ(vorratsgroesse, 0);
    const int weiter = zielzahlZiehen(18);
    EXPECT_TRUE(weiter >= 1 && weiter <= 99);
    EXPECT_EQ(vorratsgroesse, 98);

    // Assigning: never below 11, never a whole row of blue; every other number comes.
    beutelFuellen();
    QSet<int> zugewiesen;
    for (int i = 0; i < 300; ++i) {
        const int z = zielzahlZiehen(19);
        ASSERT_GE(z, 11);
        ASSERT_NE(z % 10, 0) << z;
        zugewiesen << z;
    }
    EXPECT_EQ(zugewiesen.size(), 81);

    // Snakes: the end number the pupil names lies off the border ring, like a snake's start.
    beutelFuellen();
    QSet<int> schlangenzahlen, innen;
    for (int z = 12; z <= 89; ++z)
        if (z % 10 >= 2) innen << z;
    for (int i = 0; i < 500; ++i)
        schlangenzahlen << zielzahlZiehen(110);
    EXPECT_EQ(schlangenzahlen, innen);
}

TEST_F(H100feldLogikTest, TensFirstWhenTheUnitsDigitComesFirst)
{
    EXPECT_FALSE(zehnerzuerst(7, "7", Zehnerpruefung::ersteZiffer));
    // A whole answer: the snake's end 47 answered 74.
    EXPECT_TRUE(zehnerzuerst(47, "74", Zehnerpruefung::ganzeZahl));
    EXPECT_FALSE(zehnerzuerst(47, "47", Zehnerpruefung::ganzeZahl));
    EXPECT_FALSE(zehnerzuerst(47, "074", Zehnerpruefung::ganzeZahl));
    EXPECT_TRUE(zehnerzuerst(40, "4", Zehnerpruefung::ganzeZahl));

    EXPECT_EQ(ziffernurteil(14, "4"), Urteil::zehnerZuerst);
    EXPECT_EQ(ziffernurteil(14, "14"), Urteil::richtig);
    EXPECT_EQ(ziffernurteil(14, "13"), Urteil::einerFalsch);
    EXPECT_EQ(ziffernurteil(11, "1"), Urteil::zehnerRichtig);
    EXPECT_EQ(ziffernurteil(11, "11"), Urteil::richtig);
    EXPECT_EQ(ziffernurteil(10, "0"), Urteil::zehnerZuerst);
    EXPECT_EQ(ziffernurteil(13, "3"), Urteil::zehnerZuerst);
    EXPECT_EQ(ziffernurteil(13, "8"), Urteil::falsch);
    EXPECT_EQ(ziffernurteil(5, "5"), Urteil::richtig);
    EXPECT_EQ(ziffernurteil(5, "3"), Urteil::falsch);
    EXPECT_EQ(ziffernurteil(9, "9"), Urteil::richtig);
    EXPECT_EQ(ziffernurteil(9, "0"), Urteil::falsch);
    EXPECT_EQ(ziffernurteil(10, "1"), Urteil::zehnerRichtig);
    EXPECT_EQ(ziffernurteil(10, "10"), Urteil::richtig);
}

TEST_F(H100feldLogikTest, NeighboursOutsideTheFieldStandInBrackets)
{
    const auto text = [](int ziel, int stufe) {
        const auto h = hilfetext18(ziel, stufe);
        return h ? h->text : QStringLiteral("-");
    };
    EXPECT_EQ(text(91, 1), "81");
    EXPECT_EQ(text(91, 2), "(101)");
    EXPECT_EQ(text(90, 2), "100");
    EXPECT_EQ(text(100, 2), "(110)");
    EXPECT_EQ(text(99, 4), "100");
    EXPECT_EQ(text(30, 4), " (31)");
    EXPECT_EQ(text(41, 3), "(40) ");
    EXPECT_EQ(text(1, 3), "(0) ");
    // The first row has nothing above it.
    EXPECT_EQ(text(1, 1), "-");
    EXPECT_EQ(text(10, 1), "-");
    EXPECT_EQ(text(11, 1), "1");

    // Beside the cell of 47 (row 4, column 6): above, below, left, right.
    EXPECT_EQ(hilfetext18(47, 1)->ort, QPoint(109 + 54 * 6, 37 + 80 * 4));
    EXPECT_EQ(hilfetext18(47, 3)->ort, QPoint(54 + 54 * 6, 117 + 80 * 4));
    EXPECT_EQ(hilfetext18(47, 4)->ort, QPoint(163 + 54 * 6, 117 + 80 * 4));
}

TEST_F(H100feldLogikTest, SnakesStayInsideNeverTouchThemselvesAndHaveAllowedLengths)
{
    laengenErlauben({ 3, 7 });
    const QVector<int> laengen = erlaubteLaengen();
    EXPECT_EQ(laengen, QVector<int>({ 3, 7 }));

    const QSet<int> gerade { -10, 1, 10, -1 };
    const QSet<int> schraeg { -9, 11, 9, -11 };
    // A snake may start on any cell off the border ring, and on no other.
    QSet<int> innen, starts;
    for (int z = 12; z <= 89; ++z)
        if (z % 10 >= 2) innen << z;
    for (int variante = 0; variante <= 2; ++variante) {
        QSet<int> gesehen;
        for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
            RandSeed(seed * 7919u + std::uint32_t(variante));
            const auto s = schlange(variante, laengen);
            ASSERT_TRUE(s.has_value());
            const QVector<int>& z = *s;
            ASSERT_TRUE(z.size() == 3 || z.size() == 7) << z.size();
            gesehen << int(z.size());
            ASSERT_TRUE(innen.contains(z[0])) << z[0];
            starts << z[0];
            for (int i = 0; i < z.size(); ++i) {
                ASSERT_GE(z[i], 1);
                ASSERT_LE(z[i], 99);
                if (i > 0) {
                    const int schritt = z[i] - z[i - 1];
                    // One cell on, without wrapping round a side.
                    ASSERT_TRUE(beruehren(z[i], z[i - 1])) << z[i - 1] << " -> " << z[i];
                    if (variante == 0) {
                        ASSERT_TRUE(gerade.contains(schritt)) << schritt;
                    } else if (variante == 1) {
                        ASSERT_TRUE(schraeg.contains(schritt)) << schritt;
                    }
                }
                for (int j = 0; j + 1 < i; ++j) {
                    ASSERT_NE(z[i], z[j]);
                    // A straight snake's corner lies diagonally beside the cell two back; nothing else touches.
                    if (variante == 0 && j == i - 2) {
                        ASSERT_NE(abstand(z[i], z[j]), 1);
                        continue;
                    }
                    ASSERT_FALSE(beruehren(z[i], z[j]))
                        << "cells " << j << " and " << i << ": " << z[j] << ", " << z[i];
                }
            }
        }
        EXPECT_EQ(gesehen, QSet<int>({ 3, 7 }));
    }
    EXPECT_EQ(starts, innen);
}

TEST_F(H100feldLogikTest, NoAllowedLengthGivesNoSnakeInsteadOfLoopingForEver)
{
    laengenErlauben({});
    EXPECT_TRUE(erlaubteLaengen().isEmpty());
    EXPECT_FALSE(schlange(2, erlaubteLaengen()).has_value());
    EXPECT_FALSE(schlange(0, { 2, 8, 255 }).has_value());
    // A length outside 3 .. 7 beside a good one does no harm.
    const auto s = schlange(1, { 9, 5 });
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->size(), 5);
    // The shortest and the longest length alone.
    for (int l : { 3, 7 }) {
        laengenErlauben({ l });
        const auto einzig = schlange(2, erlaubteLaengen());
        ASSERT_TRUE(einzig.has_value()) << l;
        EXPECT_EQ(einzig->size(), l);
    }
}

TEST_F(H100feldLogikTest, EveryHelpNumberStandsOnTheCellOfTheNumberItNames)
{
    // Where each stage of each target writes a neighbour (those in the field, without brackets).
    std::map<int, QVector<QPoint>> orte;
    for (int ziel = 1; ziel <= 100; ++ziel)
        for (int stufe = 1; stufe <= 4; ++stufe) {
            const auto h = hilfetext18(ziel, stufe);
            if (!h || h->text.contains(u'(')) continue;
            orte[h->text.toInt()] << h->ort;
        }
    ASSERT_EQ(orte.size(), 100u);
    // One place per number, whichever target and stage names it (a pixel apart at most)...
    for (const auto& [zahl, punkte] : orte)
        for (const QPoint& p : punkte) {
            EXPECT_LE(std::abs(p.x() - punkte.first().x()), 1) << zahl;
            EXPECT_EQ(p.y(), punkte.first().y()) << zahl;
        }
    // ... on a grid: one column pitch to the right for the next number, one row pitch down for ten more.
    const QPoint eins = orte[1].first(), spalte = (orte[10].first() - eins) / 9, zeile = (orte[91].first() - eins) / 9;
    EXPECT_GT(spalte.x(), 0);
    EXPECT_GT(zeile.y(), 0);
    for (const auto& [zahl, punkte] : orte) {
        const QPoint soll = eins + spalte * spalteVon(zahl) + zeile * zeileVon(zahl);
        EXPECT_LE((punkte.first() - soll).manhattanLength(), 2) << zahl;
    }
}

// The snake handed to the window: its cells, their columns 1 .. 10 and tens, its last member as the answer's
// index, no cell revealed yet; the places of a longer snake before it are cleared.
TEST_F(H100feldLogikTest, ASnakeIsHandedOnCellByCellWithItsColumnsAndTens)
{
    schlangeMerken({ 12, 23, 34, 45, 56, 67, 78 });
    hilfszahl = 5;
    schlangeMerken({ 29, 30, 40 });
    QVector<int> zellen, spalten, zehner;
    for (int i = 0; i <= 7; ++i) {
        zellen << auswahl1[i];
        spalten << auswahl2[i];
        zehner << auswahl3[i];
    }
    EXPECT_EQ(zellen, (QVector<int> { 29, 30, 40, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(spalten, (QVector<int> { 9, 10, 10, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(zehner, (QVector<int> { 2, 3, 4, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(sollwert, 2);
    EXPECT_EQ(hilfszahl, 0);
}
