#include "aids/aufnahme.h"
#include "games/gruppenspiel.h"
#include "games/s_hm_logik.h"
#include "games/s_zrat_logik.h"
#include "platform/canvas.h"
#include "platform/designgrid.h"
#include "shell/HalmorGlobalDefs.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct Aufgezeichnet {
    QVector<DrawOp> ops;
    Canvas canvas { std::make_unique<Aufnahme>(ops) };
};

void namen(const QStringList& n)
{
    for (int p = 1; p <= 5; ++p)
        listenzeilen[p] = n.value(p - 1);
}

// The players in turn until the game is over.
QList<int> zugfolge()
{
    QList<int> folge;
    spielernummer = 0;
    while (gruppenspiel::spielerwechsel() == gruppenspiel::Wechsel::naechster)
        folge << spielernummer;
    EXPECT_EQ(spielernummer, 1);
    return folge;
}

} // namespace

TEST(Gruppenspiel, PlayersTakeTurnsInPlaceOrderSkippingFreePlaces)
{
    namen({ "Ali", "", "Bea" });
    EXPECT_EQ(zugfolge(), (QList<int> { 1, 3 }));
    namen({ "", " ", "Cem", "   ", "Dora" });
    EXPECT_EQ(zugfolge(), (QList<int> { 3, 5 }));
    namen({ " ", "  ", "", "", "" });
    EXPECT_TRUE(zugfolge().isEmpty());
}

TEST(Gruppenspiel, TheEndOfTheGameLeavesEveryResultAsItWas)
{
    namen({ "", "Ali", "Bea" });
    spielerstatus.fill(7);
    spielernummer = 0;
    ASSERT_EQ(gruppenspiel::spielerwechsel(), gruppenspiel::Wechsel::naechster);
    EXPECT_EQ(spielernummer, 2);
    EXPECT_EQ(spielerstatus[1], 0);
    EXPECT_EQ(spielerstatus[2], 0);
    spielerstatus[2] = 140;
    ASSERT_EQ(gruppenspiel::spielerwechsel(false), gruppenspiel::Wechsel::naechster);
    EXPECT_EQ(spielerstatus[3], 7); // no reset asked for
    spielerstatus[3] = 500;
    EXPECT_EQ(gruppenspiel::spielerwechsel(), gruppenspiel::Wechsel::spielende);
    EXPECT_EQ(spielerstatus[2], 140);
    EXPECT_EQ(spielerstatus[3], 500);
}

TEST(Gruppenspiel, StrokesOneToElevenDrawTheFigureAndNothingElseDrawsAnything)
{
    Aufgezeichnet a;
    const DesignGrid g(1.0f, 1.0f);
    for (int n : { 0, 12, -1 })
        gruppenspiel::fehlerbild(a.canvas, g, n, 1);
    EXPECT_TRUE(a.ops.isEmpty());
    for (int n = 1; n <= 11; ++n)
        gruppenspiel::fehlerbild(a.canvas, g, n, 4);
    ASSERT_EQ(a.ops.size(), 11);
    EXPECT_EQ(a.ops[0].kind, DrawOp::Kind::Arc);
    EXPECT_EQ(a.ops[0].points, (QVector<QPoint> { { 20, 270 }, { 110, 350 }, { 115, 310 }, { 15, 310 } }));
    EXPECT_EQ(a.ops[5].kind, DrawOp::Kind::Ellipse);
    EXPECT_EQ(a.ops[10].points, (QVector<QPoint> { { 155, 170 }, { 177, 220 } }));
    for (const DrawOp& op : a.ops) {
        EXPECT_EQ(op.pen.width, 4);
        EXPECT_EQ(op.brush.color, QColor(Qt::white));
    }
}

TEST(Gruppenspiel, TheTimeBarGrowsToTheLimit)
{
    EXPECT_EQ(gruppenspiel::zeitgrenze(0), 60);
    EXPECT_EQ(gruppenspiel::zeitgrenze(2), 300);
    EXPECT_EQ(gruppenspiel::zeitgrenze(3), 0);
    EXPECT_EQ(gruppenspiel::zeitgrenze(3, 60000), 60000);
    EXPECT_EQ(gruppenspiel::balkenende(30, 60, 1.0f), 100);
    EXPECT_EQ(gruppenspiel::balkenende(60, 120, 1.5f), 150);
    Aufgezeichnet a;
    gruppenspiel::balkenRot(a.canvas, DesignGrid(1.0f, 1.0f), 30, 60);
    ASSERT_EQ(a.ops.size(), 1);
    EXPECT_EQ(a.ops[0].points, (QVector<QPoint> { { 0, 50 }, { 100, 72 } }));
    EXPECT_EQ(a.ops[0].brush.color, QColor(255, 0, 0));
}

TEST(Gruppenspiel, WinnerTablePlacesNamesByStatus)
{
    namen({ "Ali", "Bea", "Cem", "", "Eda" });
    spielerstatus[1] = 0;
    spielerstatus[2] = 140;
    spielerstatus[3] = 150;
    spielerstatus[4] = 0;
    spielerstatus[5] = 500;
    const auto liste = s_hm::siegerliste();
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[0].x, 10);
    EXPECT_EQ(liste[0].y, 55);
    EXPECT_EQ(liste[1].x, 150);
    EXPECT_EQ(liste[2].x, 160);
    EXPECT_EQ(liste[2].y, 115);
}

// A name is listed while its place lies inside the table, from its left edge to its last pixel column.
TEST(Gruppenspiel, WinnerTableListsNamesUpToItsEdgesAndNoFurther)
{
    namen({ "Ali", "Bea", "Cem", "Dan", "Eda" });
    const int status[] = { -11, -10, 245, 246, 0 };
    for (int p = 1; p <= 5; ++p)
        spielerstatus[p] = status[p - 1];
    const auto liste = s_hm::siegerliste();
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[0].name, "Bea");
    EXPECT_EQ(liste[0].x, 0);
    EXPECT_EQ(liste[0].y, 85);
    EXPECT_EQ(liste[1].name, "Cem");
    EXPECT_EQ(liste[1].x, 255);
    EXPECT_EQ(liste[2].name, "Eda");
    EXPECT_EQ(liste[2].y, 175);
    // A name of blanks only has no place either.
    namen({ "Ali", "   ", "Cem", "Dan", "Eda" });
    spielerstatus[2] = 0;
    for (const auto& t : s_hm::siegerliste())
        EXPECT_NE(t.name, "   ");
}

// The path game's directions: only a flag that is its own index counts, every other becomes "not chosen"; its
// step count as typed goes into the section's fifth value.
TEST(Gruppenspiel, ThePathGameCountsItsDirectionsAndStoresItsStepsTyped)
{
    const int flaggen[] = { 0, 5, 2, -1 };
    for (int i = 0; i <= 3; ++i)
        rechenarten[i] = shortint(flaggen[i]);
    EXPECT_EQ(s_hm::richtungenZaehlen(), 2);
    EXPECT_EQ(std::vector<int>({ rechenarten[0], rechenarten[1], rechenarten[2], rechenarten[3] }),
        std::vector<int>({ 0, -1, 2, -1 }));
    for (int i = 0; i <= 3; ++i)
        rechenarten[i] = shortint(i);
    EXPECT_EQ(s_hm::richtungenZaehlen(), 4);
    schrittzahl = 5;
    zeitwahl = 2;
    for (const int spiel : { 18, 19 }) {
        const std::vector<int> w = s_hm::abschnittwerte(spiel, 7);
        EXPECT_EQ(w, std::vector<int>({ 0, 1, 2, 3, 7, 2 })) << spiel;
    }
    variante = 3;
    zeitwahl = 1;
    EXPECT_EQ(s_hm::abschnittwerte(6, 7), std::vector<int>({ 3, 1 }));
    EXPECT_EQ(s_hm::spielerZaehlen({ "Ali", "", "Cem", "", "" }), 2);
}

TEST(Gruppenspiel, StartNeedsAPlayerAndForThePathGameADirectionAndAStepCount)
{
    const struct {
        int spiel, spieler;
        const char* schritte;
        int richtungen;
        bool start;
    } faelle[] = { { 5, 0, "9", 0, false }, { 5, 1, "", 0, true }, { 8, 3, "x", 0, true }, { 18, 1, "5", 1, true },
        { 18, 0, "5", 1, false }, { 19, 1, "5", 0, false }, { 19, 1, "", 2, false }, { 18, 1, "1", 2, false },
        { 18, 1, "x", 2, false }, { 19, 2, "29", 2, false }, { 19, 2, "2", 4, true }, { 3, 2, "2", 4, false } };
    for (const auto& f : faelle)
        EXPECT_EQ(s_hm::startErlaubt(f.spiel, f.spieler, QString::fromLatin1(f.schritte), f.richtungen), f.start)
            << f.spiel << " " << f.schritte;
    // The set-up's games: 5 to 8 and the two path games, no neighbour of them.
    for (int spiel = 0; spiel <= 27; ++spiel) {
        const bool gruppe = (spiel >= 5 && spiel <= 8) || spiel == 18 || spiel == 19;
        EXPECT_EQ(s_hm::gruppenspiel(spiel), gruppe) << spiel;
        EXPECT_EQ(s_hm::pfadspiel(spiel), spiel == 18 || spiel == 19) << spiel;
        EXPECT_EQ(s_hm::startErlaubt(spiel, 2, "5", 2), gruppe) << spiel;
    }
}

TEST(Zahlenraten, NumbersLieInRowsAndColumnsOfTheHundredField)
{
    EXPECT_EQ(s_zrat::feldlage(100), (s_zrat::Feldlage { 9, 10 }));
    EXPECT_EQ(s_zrat::feldlage(10), (s_zrat::Feldlage { 0, 10 }));
    EXPECT_EQ(s_zrat::feldlage(1), (s_zrat::Feldlage { 0, 1 }));
    EXPECT_EQ(s_zrat::feldlage(37), (s_zrat::Feldlage { 3, 7 }));
    EXPECT_EQ(s_zrat::kreuzpunkt({ 9, 10 }), QPoint(506, 529));
    EXPECT_DOUBLE_EQ(s_zrat::strahlX(50), 333.0);
}

TEST(Zahlenraten, AMissCrossesOutExactlyTheNumbersItRulesOut)
{
    EXPECT_EQ(s_zrat::kreuze(100, 37), (std::vector<s_zrat::Feldlage> { { 9, 10 } }));
    const auto unten = s_zrat::kreuze(10, 37);
    ASSERT_EQ(unten.size(), 10u);
    for (const auto& f : unten)
        EXPECT_EQ(f.zeile, 0);
    for (int v = 1; v <= 100; ++v) {
        const int nummer = 37;
        EXPECT_EQ(int(s_zrat::kreuze(v, nummer).size()), v > nummer ? 101 - v : v < nummer ? v : 0) << v;
        // Exactly the cells of the numbers the miss rules out: from the attempt up, or up to it.
        std::set<std::pair<int, int>> soll, ist;
        for (int k = 1; k <= 100; ++k)
            if ((v > nummer && k >= v) || (v < nummer && k <= v))
                soll.insert({ s_zrat::feldlage(k).zeile, s_zrat::feldlage(k).spalte });
        for (const auto& f : s_zrat::kreuze(v, nummer))
            ist.insert({ f.zeile, f.spalte });
        EXPECT_EQ(ist, soll) << v;
    }
    EXPECT_TRUE(s_zrat::bewerten(100, 37) == s_zrat::Urteil::kleiner);
    EXPECT_TRUE(s_zrat::bewerten(10, 37) == s_zrat::Urteil::groesser);
    EXPECT_EQ(s_zrat::eingabewert("?"), 0);
    EXPECT_EQ(s_zrat::eingabewert("0"), 0);
    EXPECT_EQ(s_zrat::eingabewert("250"), 0);
    EXPECT_EQ(s_zrat::eingabewert("007"), 7);
    EXPECT_EQ(s_zrat::eingabewert("1"), 1);
    EXPECT_EQ(s_zrat::eingabewert("100"), 100);
    EXPECT_EQ(s_zrat::eingabewert("101"), 0);
}

TEST(Zahlenraten, TheTruthTableNotesEveryQuestionInItsColumn)
{
    const auto k = s_zrat::frage(1, "50", 50, 37);
    EXPECT_EQ(k.text, QString("kleiner als 50"));
    EXPECT_TRUE(k.wahr);
    const auto g = s_zrat::frage(3, "50", 50, 37);
    EXPECT_EQ(g.text, QString::fromUtf8("größer als 50"));
    EXPECT_FALSE(g.wahr);
    EXPECT_FALSE(s_zrat::frage(1, "37", 37, 37).wahr);
    EXPECT_FALSE(s_zrat::frage(3, "37", 37, 37).wahr);
    EXPECT_FALSE(s_zrat::frage(2, "36", 36, 37).getroffen);
    const auto d = s_zrat::frage(2, "37", 37, 37);
    EXPECT_TRUE(d.getroffen);
    EXPECT_EQ(d.text, QString("es ist die 37"));
    // A true "kleiner als" or "größer als" is no hit: only "es ist die" wins the turn.
    for (const int wahl : { 1, 3 }) {
        const auto wahr = s_zrat::frage(wahl, "20", wahl == 1 ? 50 : 20, 37);
        EXPECT_TRUE(wahr.wahr) << wahl;
        EXPECT_FALSE(wahr.getroffen) << wahl;
    }
}

TEST(Gruppenspiel, TheWinnerTableWritesEveryNameFromItsColumnsLeftEdge)
{
    namen({ "Ali", "Bea", "Cem", "", "Eda" });
    for (int p = 1; p <= 5; ++p)
        spielerstatus[p] = p == 4 ? 0 : 140 + 10 * p;
    // A window's canvas centres its texts: centred on the column's edge, a name would run over the line left of
    // it or out of the table.
    Aufgezeichnet a;
    a.canvas.setTextAlign(TextAlign::Center | TextAlign::Top);
    s_hm::endetabelle(a.canvas, 1.0f);
    int texte = 0;
    for (const DrawOp& op : a.ops) {
        if (op.kind != DrawOp::Kind::Text) continue;
        ++texte;
        EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Left) << op.text.toStdString();
    }
    EXPECT_EQ(texte, 2 + 4);
}
