#include "aids/h_mengen_logik.h"
#include "platform/colors.h"
#include "platform/random.h"
#include "support/fixtures.h"

#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace mengen;

namespace {

class MengenLogikTest : public TaviTest { };

bool innerhalb(const TRect& aussen, int l, int t, int r, int b)
{
    return l >= aussen.left && t >= aussen.top && r <= aussen.right && b <= aussen.bottom;
}

} // namespace

TEST_F(MengenLogikTest, OnlyAllowedQuantitiesComeAndNoneAllowedDoesNotHang)
{
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(mengeZiehen(QStringLiteral("9 ")), 9);
    QSet<int> gesehen;
    for (int i = 0; i < 500; ++i)
        gesehen << mengeZiehen(QStringLiteral("3 5 "));
    EXPECT_EQ(gesehen, QSet<int>({ 3, 5 }));
    // A text without any of 3..9 would draw for ever; it allows all instead.
    gesehen.clear();
    for (int i = 0; i < 500; ++i)
        gesehen << mengeZiehen(QString());
    EXPECT_EQ(gesehen.size(), 7);
    EXPECT_EQ(erlaubteMengen(QStringLiteral("3 4 9 ")), QVector<int>({ 3, 4, 9 }));
}

TEST_F(MengenLogikTest, EveryShapeLiesWhollyInOneQuadrantUnderItsCover)
{
    const QVector<TRect> deckel = abdeckungen();
    for (int lauf = 0; lauf < 300; ++lauf) {
        const int n = 3 + lauf % 7;
        const QVector<Objekt> o = objekteLegen(n);
        ASSERT_EQ(o.size(), n);
        for (int i = 0; i < n; ++i) {
            const int q = int(quadrant(o[i]));
            EXPECT_TRUE(innerhalb(deckel[q], o[i].x, o[i].y, o[i].x + kObjektbreite, o[i].y + kObjekthoehe))
                << o[i].x << "," << o[i].y;
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(std::abs(o[i].x - o[j].x) < 60 && std::abs(o[i].y - o[j].y) < 81);
        }
        // Colour order: red, yellow, blue, green; within a colour in placing order.
        const QVector<int> folge = farbfolge(o);
        ASSERT_EQ(folge.size(), n);
        for (int k = 1; k < n; ++k) {
            const int a = folge[k - 1], b = folge[k];
            EXPECT_TRUE(int(quadrant(o[a])) < int(quadrant(o[b])) || (quadrant(o[a]) == quadrant(o[b]) && a < b));
        }
    }
    EXPECT_EQ(quadrantfarbe(quadrant({ 20, 25 })), clRed);
    EXPECT_EQ(quadrantfarbe(quadrant({ 371, 25 })), clYellow);
    EXPECT_EQ(quadrantfarbe(quadrant({ 279, 456 })), clBlue);
    EXPECT_EQ(quadrantfarbe(quadrant({ 619, 744 })), clGreen);
    EXPECT_EQ(quadrant({ 279, 309 }), Quadrant::obenLinks);
    EXPECT_EQ(quadrant({ 371, 309 }), Quadrant::obenRechts);
    EXPECT_EQ(quadrant({ 371, 456 }), Quadrant::untenRechts);
}

TEST_F(MengenLogikTest, DisplayTimesForEachVariant)
{
    constexpr double s = 86400.0;
    EXPECT_NEAR(darbietungszeit(0, 5, 7) * s, 0.864, 1e-9);
    EXPECT_NEAR(darbietungszeit(1, 5, 7) * s, 1.728, 1e-9);
    // Decreasing with the right answers, by a real division.
    EXPECT_NEAR(darbietungszeit(2, 0, 7) * s, 3.456 / 1.1, 1e-9);
    EXPECT_NEAR(darbietungszeit(2, 9, 7) * s, 3.456 / 2.0, 1e-9);
    EXPECT_NEAR(darbietungszeit(3, 0, 7) * s, 6.912 / 1.1, 1e-9);
    EXPECT_NEAR(darbietungszeit(3, 4, 7) * s, 6.912 / 1.5, 1e-9);
    // Per shape.
    EXPECT_NEAR(darbietungszeit(4, 0, 5) * s, 5 * 0.1728, 1e-9);
    EXPECT_NEAR(darbietungszeit(5, 0, 9) * s, 9 * 0.3456, 1e-9);
    EXPECT_NEAR(darbietungszeit(6, 0, 3) * s, 3 * 0.5184, 1e-9);
    EXPECT_EQ(darbietungszeit(7, 0, 3), 0.0);
    const QStringList labels = { "1,0 sec  (immer gleich)", "2,0 sec  (immer gleich)", "4,0 sec  (abnehmend)",
        "8,0 sec  (abnehmend)", "0,2 sec/Element", "0,4 sec/Element", "0,6 sec/Element" };
    for (int v = 0; v < labels.size(); ++v)
        EXPECT_EQ(zeitenlabel(v), labels[v]) << v;
    EXPECT_EQ(zeitenlabel(7), "");
    EXPECT_EQ(zeitenlabel(-1), "");

    // The timer: wait while nothing is typed and the time runs, cover after it or after a wrong digit,
    // and never once the answer stands or help has reached step 3.
    EXPECT_EQ(wievtakt(QString(), 5, 0, 1.0, 1.0 - 1e-5, 1e-5), Takt::warten);
    EXPECT_EQ(wievtakt(QString(), 5, 0, 1.0, 1.0 - 2e-5, 1e-5), Takt::abdecken);
    EXPECT_EQ(wievtakt(QStringLiteral("4"), 5, 0, 1.0, 1.0, 1e-5), Takt::abdecken);
    EXPECT_EQ(wievtakt(QStringLiteral("5"), 5, 0, 1.0, 0.0, 1e-5), Takt::ruhen);
    EXPECT_EQ(wievtakt(QString(), 5, 3, 1.0, 0.0, 1e-5), Takt::ruhen);
    EXPECT_EQ(wievtakt(QString(), 5, 2, 1.0, 0.0, 1e-5), Takt::abdecken);
    EXPECT_EQ(wievtakt(QString(), 5, 2, 1.0, 1.0, 1e-5), Takt::warten);
}

// Counting the shapes in the strip: count k of n stands in the k-th cell, each in a cell of its own.
TEST_F(MengenLogikTest, EachCountStandsInItsOwnCellOfTheStrip)
{
    for (int n = 3; n <= 9; ++n)
        for (int k = 1; k <= n; ++k) {
            const TRect zelle = streifenzelle(k - 1);
            const int x = zaehlzahlX(k, n);
            EXPECT_GT(x, zelle.left) << k << " of " << n;
            EXPECT_LT(x, zelle.right) << k << " of " << n;
            EXPECT_GE(kZaehlzahlY, zelle.top);
            EXPECT_LT(kZaehlzahlY, zelle.bottom);
        }
}

TEST_F(MengenLogikTest, PlatesRodsAndCubes)
{
    const Stellen s { 7, 3, 7 };
    EXPECT_EQ(zahlVon(s), 737);
    EXPECT_EQ(tauschzahl(s), 773);
    EXPECT_EQ(tauschzahl({ 4, 6, 6 }), 466); // tens equal to units: the swap is the number itself

    const QVector<Kasten> bild = plattenbild(s);
    ASSERT_EQ(bild.size(), 700 + 30 + 7);
    // Plates alternate blue and yellow; plates 6 and on are shifted by a further 15, 21.
    EXPECT_EQ(bild[0].farbe, clBlue);
    EXPECT_EQ(bild[100].farbe, clYellow);
    EXPECT_EQ(bild[500].r.left, 15 + 20 * 6 + 15);
    EXPECT_EQ(bild[500].r.top, 20 + 25 * 6 + 21);
    // Seven cubes: a column of five, bottom first, and two in the column 30 to the right.
    const int x0 = 20 * 7 + 265 + 20 * 3;
    const int unten = 25 * 7 + 227 - 27 + 21;
    EXPECT_EQ(bild[730].r.left, x0);
    EXPECT_EQ(bild[730].r.top, unten);
    EXPECT_EQ(bild[734].r.top, unten - 4 * 27);
    EXPECT_EQ(bild[735].r.left, x0 + 30);
    EXPECT_EQ(bild[735].r.top, unten);
    EXPECT_EQ(bild[736].r.top, unten - 27);
    EXPECT_EQ(plattenbild({ 1, 0, 3 })[100].r.left, 20 + 265);

    // Markers: under the plates (clearing the row first), under the rods, under the cubes.
    const auto rot = stellenmarke(s, 0);
    ASSERT_TRUE(rot && rot->loeschen);
    EXPECT_EQ(rot->farbe, clRed);
    EXPECT_EQ(rot->y, 25 * 7 + 270 + 21);
    EXPECT_EQ(rot->x2, 20 * 7 + 165 + 15);
    EXPECT_EQ(stellenmarke(s, 1)->x2, 20 * 7 + 242 + 20 * 2);
    EXPECT_EQ(stellenmarke({ 2, 1, 0 }, 1)->x2, 40 + 242);
    EXPECT_EQ(stellenmarke(s, 2)->farbe, clGreen);
    EXPECT_EQ(stellenmarke(s, 2)->x2, 20 * 7 + 284 + 60 + 25);
    EXPECT_FALSE(stellenmarke(s, 2)->loeschen);
    EXPECT_FALSE(stellenmarke(s, 3));
}

TEST_F(MengenLogikTest, ThePlatesMarkerKeepsItsPlaceUnderThePictureForEveryNumberOfPlates)
{
    // From the sixth plate on the picture moves down; the red marker and the strip cleared for it go with it, so
    // that they stand as far below the lowest plate, rod or cube for 6 to 9 plates as for 1 to 5.
    std::optional<int> abstand;
    for (int h = 1; h <= 9; ++h)
        for (int z = 0; z <= 9; ++z)
            for (int e = 0; e <= 9; ++e) {
                const Stellen s { h, z, e };
                int unten = 0;
                for (const Kasten& k : plattenbild(s))
                    unten = std::max(unten, k.r.bottom);
                const auto rot = stellenmarke(s, 0);
                ASSERT_TRUE(rot && rot->loeschen);
                ASSERT_GE(rot->loeschen->top, unten) << zahlVon(s);
                if (!abstand) abstand = rot->y - unten;
                ASSERT_EQ(rot->y - unten, *abstand) << zahlVon(s);
            }
}

// Over many layouts the shapes reach every edge of their room and no further: x from 20 to 619 with the gap
// 280 .. 370 kept free, y from 25 to 744 with 310 .. 455 free; two shapes stand 60 across or 81 down apart,
// and just that close they may stand.
TEST_F(MengenLogikTest, ShapesUseTheirWholeRoomAndStandJustFarEnoughApart)
{
    PinRandomSeed(11);
    int xMin = 1000, xMax = 0, yMin = 1000, yMax = 0;
    QSet<int> xRand, yRand;
    bool eng60 = false, eng81 = false;
    for (int lauf = 0; lauf < 4000; ++lauf) {
        const QVector<Objekt> o = objekteLegen(9);
        for (int i = 0; i < o.size(); ++i) {
            ASSERT_FALSE(o[i].x >= 280 && o[i].x <= 370) << o[i].x;
            ASSERT_FALSE(o[i].y >= 310 && o[i].y <= 455) << o[i].y;
            xMin = std::min(xMin, o[i].x);
            xMax = std::max(xMax, o[i].x);
            yMin = std::min(yMin, o[i].y);
            yMax = std::max(yMax, o[i].y);
            if (o[i].x == 279 || o[i].x == 371) xRand << o[i].x;
            if (o[i].y == 309 || o[i].y == 456) yRand << o[i].y;
            for (int j = 0; j < i; ++j) {
                const int dx = std::abs(o[i].x - o[j].x), dy = std::abs(o[i].y - o[j].y);
                eng60 = eng60 || (dx == 60 && dy < 81);
                eng81 = eng81 || (dy == 81 && dx < 60);
            }
        }
    }
    UnpinRandomSeed();
    EXPECT_EQ(xMin, 20);
    EXPECT_EQ(xMax, 619);
    EXPECT_EQ(yMin, 25);
    EXPECT_EQ(yMax, 744);
    EXPECT_EQ(xRand, QSet<int>({ 279, 371 }));
    EXPECT_EQ(yRand, QSet<int>({ 309, 456 }));
    EXPECT_TRUE(eng60);
    EXPECT_TRUE(eng81);
}

// Every number of plates, rods and cubes is drawn cell for cell: 100 per plate, 10 per rod, one per cube, the
// cubes in columns of five; each marker spans the cells of its place and reaches none of the next place's.
TEST_F(MengenLogikTest, EveryPlaceShowsItsCountAndItsMarkerSpansJustItsCells)
{
    for (int h = 1; h <= 9; ++h)
        for (int z = 0; z <= 9; ++z)
            for (int e = 0; e <= 9; ++e) {
                const Stellen s { h, z, e };
                const QVector<Kasten> bild = plattenbild(s);
                ASSERT_EQ(bild.size(), 100 * h + 10 * z + e) << zahlVon(s);
                // The picture is drawn plates, rods, cubes: its cells by place.
                const QVector<Kasten> platten = bild.mid(0, 100 * h), stangen = bild.mid(100 * h, 10 * z),
                                      wuerfel = bild.mid(100 * h + 10 * z);
                QSet<int> spalten;
                for (const Kasten& k : wuerfel)
                    spalten << k.r.left;
                ASSERT_EQ(spalten.size(), (e + 4) / 5) << zahlVon(s);
                const auto links = [](const QVector<Kasten>& v) {
                    int l = 10000;
                    for (const Kasten& k : v)
                        l = std::min(l, k.r.left);
                    return l;
                };
                const auto rechts = [](const QVector<Kasten>& v) {
                    int r = 0;
                    for (const Kasten& k : v)
                        r = std::max(r, k.r.right);
                    return r;
                };
                const std::pair<int, QVector<Kasten>> stellen[] = { { 0, platten }, { 1, stangen }, { 2, wuerfel } };
                for (const auto& [getippt, zellen] : stellen) {
                    if (zellen.isEmpty()) continue;
                    const auto m = stellenmarke(s, getippt);
                    ASSERT_TRUE(m) << zahlVon(s);
                    ASSERT_LE(m->x1, links(zellen)) << zahlVon(s) << " place " << getippt;
                    ASSERT_GE(m->x2, rechts(zellen) - 1) << zahlVon(s) << " place " << getippt;
                    ASSERT_LE(m->x2, rechts(zellen) + 5) << zahlVon(s) << " place " << getippt;
                    if (getippt < 2) {
                        const QVector<Kasten> naechste = getippt == 0 ? stangen + wuerfel : wuerfel;
                        if (!naechste.isEmpty()) ASSERT_LT(m->x2, links(naechste)) << zahlVon(s);
                    }
                }
            }
}
