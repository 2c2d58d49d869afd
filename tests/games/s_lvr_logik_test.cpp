#include "games/s_lvr_logik.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Walks the commands from the first cell: a turn turns (code 19: and moves), "V" moves one cell on.
std::vector<s_lvr::Feld> nachgehen(const s_lvr::Pfad& p, int code)
{
    std::vector<s_lvr::Feld> plaetze { p.plaetze[0], p.plaetze[1] };
    QChar richtung = s_lvr::hauptrichtungBuchstabe(p.hauptrichtung);
    s_lvr::Feld hier = p.plaetze[1];
    for (QChar b : p.befehle) {
        richtung = s_lvr::drehen(richtung, b);
        if (b == QLatin1Char('V') || code == 19) hier = s_lvr::weiter(hier, richtung);
        plaetze.push_back(hier);
    }
    return plaetze;
}

} // namespace

TEST(Pfadspiel, PathsRunFromTheirEdgeTowardsTheOtherWithoutTurningBack)
{
    const bool nurOst[4] = { false, false, true, false };
    const bool alle[4] = { true, true, true, true };
    for (int code : { 18, 19 })
        for (int seed = 0; seed < 400; ++seed) {
            RandSeed(std::uint32_t(seed));
            const int schritte = 2 + seed % 8;
            const s_lvr::Pfad p = s_lvr::erzeugen(code, schritte, seed % 2 ? nurOst : alle);
            if (seed % 2) {
                EXPECT_EQ(p.hauptrichtung, 2);
                EXPECT_EQ(p.plaetze[0].spalte, 0);
                EXPECT_EQ(p.plaetze[1].spalte, 1);
                EXPECT_TRUE(p.plaetze[1].zeile >= 2 && p.plaetze[1].zeile <= 9);
                EXPECT_EQ(p.zellen.back().spalte, 1 + schritte);
            }
            EXPECT_EQ(p.befehle[0], QLatin1Char('V'));
            EXPECT_EQ(p.richtungen.size(), p.befehle.size());
            std::set<std::pair<int, int>> besucht;
            for (const s_lvr::Feld& f : p.zellen) {
                EXPECT_TRUE(f.zeile >= 1 && f.zeile <= 10 && f.spalte >= 1 && f.spalte <= 10);
                EXPECT_TRUE(besucht.insert({ f.zeile, f.spalte }).second) << seed;
            }
            // The figure's places follow the commands and end on the goal.
            EXPECT_EQ(p.plaetze, nachgehen(p, code)) << code << " " << seed;
            EXPECT_EQ(p.plaetze.back(), p.zellen.back());
            QChar r = s_lvr::hauptrichtungBuchstabe(p.hauptrichtung);
            for (int i = 0; i < p.befehle.size(); ++i) {
                r = s_lvr::drehen(r, p.befehle[i]);
                EXPECT_EQ(p.richtungen[i], r);
            }
        }
}

// A straight-on move never follows a straight-on move: code 19 never has "VV", code 18 (where a turn ends with
// its own "V") never "VVV"; and the heading shown after each command is the path's.
TEST(Pfadspiel, NoTwoStraightMovesInARowAndTheHeadingAfterEachCommand)
{
    const bool alle[4] = { true, true, true, true };
    int gerade = 0;
    for (int seed = 0; seed < 300; ++seed) {
        RandSeed(std::uint32_t(seed));
        const s_lvr::Pfad p19 = s_lvr::erzeugen(19, 2 + seed % 8, alle);
        EXPECT_FALSE(p19.befehle.contains("VV")) << p19.befehle.toStdString();
        const s_lvr::Pfad p18 = s_lvr::erzeugen(18, 2 + seed % 8, alle);
        EXPECT_FALSE(p18.befehle.contains("VVV")) << p18.befehle.toStdString();
        gerade += p18.befehle.contains("VV");
        const QChar haupt = s_lvr::hauptrichtungBuchstabe(p18.hauptrichtung);
        EXPECT_EQ(s_lvr::richtungNach(p18, -1), p18.richtungen[0]);
        EXPECT_EQ(s_lvr::richtungNach(p18, 0), p18.richtungen[0]);
        for (int k = 1; k <= p18.richtungen.size(); ++k)
            EXPECT_EQ(s_lvr::richtungNach(p18, k), p18.richtungen[k - 1]) << k;
        EXPECT_EQ(s_lvr::richtungNach(p18, int(p18.richtungen.size()) + 1), haupt);
    }
    EXPECT_GT(gerade, 0);
    EXPECT_EQ(s_lvr::befehlswort('R'), QString("rechts"));
    EXPECT_EQ(s_lvr::drehen('O', 'R'), QChar('S'));
    EXPECT_EQ(s_lvr::drehen('S', 'L'), QChar('O'));
    EXPECT_EQ(s_lvr::drehen('S', 'V'), QChar('S'));
}

TEST(Pfadspiel, CornersTakeTwoCommandsInCode18AndOneInCode19)
{
    // A seed whose path to the north goes forward, east, forward, forward.
    const bool nord[4] = { true, false, false, false };
    for (int seed = 0; seed < 5000; ++seed) {
        RandSeed(std::uint32_t(seed));
        const s_lvr::Pfad p18 = s_lvr::erzeugen(18, 3, nord);
        if (p18.zellen.size() != 5u || p18.zellen[2].spalte != p18.zellen[1].spalte + 1) continue;
        EXPECT_EQ(p18.befehle, QString("VRVLVV"));
        EXPECT_EQ(p18.richtungen, QString("NOONNN"));
        RandSeed(std::uint32_t(seed));
        const s_lvr::Pfad p19 = s_lvr::erzeugen(19, 3, nord);
        EXPECT_EQ(p19.befehle, QString("VRLV"));
        EXPECT_EQ(p19.richtungen, QString("NONN"));
        return;
    }
    FAIL() << "no such path";
}

TEST(Pfadspiel, WordsAndTimes)
{
    EXPECT_EQ(s_lvr::befehlswort('V'), QString::fromUtf8("vorwärts"));
    EXPECT_EQ(s_lvr::befehlswort('L'), QString("links"));
    EXPECT_EQ(s_lvr::drehen('N', 'L'), QChar('W'));
    EXPECT_EQ(s_lvr::drehen('W', 'R'), QChar('N'));
    EXPECT_EQ(s_lvr::laufzeitText(1, 7), QString("1:7"));
    EXPECT_EQ(s_lvr::zellmitte({ 10, 2 }), QPoint(163, 868));
}

TEST(Pfadspiel, EveryMainDirectionStartsBesideItsEdgeAtEveryInnerRowOrColumn)
{
    for (int h = 0; h < 4; ++h) {
        bool nur[4] = { false, false, false, false };
        nur[h] = true;
        std::set<int> quer;
        for (int seed = 0; seed < 200; ++seed) {
            RandSeed(std::uint32_t(seed));
            const s_lvr::Pfad p = s_lvr::erzeugen(18, 3, nur);
            ASSERT_EQ(p.hauptrichtung, h);
            const s_lvr::Feld start = p.plaetze[0], erstes = p.plaetze[1];
            // The figure waits outside the field, one step before the edge cell where the path begins.
            EXPECT_TRUE(start.zeile == 0 || start.zeile == 11 || start.spalte == 0 || start.spalte == 11);
            EXPECT_EQ(std::abs(start.zeile - erstes.zeile) + std::abs(start.spalte - erstes.spalte), 1);
            EXPECT_EQ(p.zellen.front(), erstes);
            const bool senkrecht = h < 2;
            EXPECT_TRUE(
                senkrecht ? erstes.zeile == 1 || erstes.zeile == 10 : erstes.spalte == 1 || erstes.spalte == 10);
            quer.insert(senkrecht ? erstes.spalte : erstes.zeile);
        }
        EXPECT_EQ(quer, (std::set<int> { 2, 3, 4, 5, 6, 7, 8, 9 })) << "direction " << h;
    }
}

TEST(Pfadspiel, TheFigureAndTheWrongWayArrowMoveWithTheirCell)
{
    const s_lvr::Feld ecke { 0, 0 };
    for (QChar richtung : { u'N', u'O', u'S', u'W' })
        for (int zeile = 0; zeile <= 11; ++zeile)
            for (int spalte = 0; spalte <= 11; ++spalte) {
                const s_lvr::Feld f { zeile, spalte };
                const QPoint weg = s_lvr::zellmitte(f) - s_lvr::zellmitte(ecke);
                for (const auto& zeichnung : { &s_lvr::figur, &s_lvr::irrpfeil }) {
                    const std::vector<QPoint> hier = zeichnung(f, richtung), dort = zeichnung(ecke, richtung);
                    ASSERT_EQ(hier.size(), dort.size());
                    for (size_t i = 0; i < hier.size(); ++i)
                        EXPECT_EQ(hier[i] - dort[i], weg)
                            << zeile << "," << spalte << " " << QString(richtung).toStdString();
                }
            }
}
