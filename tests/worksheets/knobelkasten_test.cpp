#include "blattfixture.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"
#include "svseite.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/einmaleins_logik.h"
#include "worksheets/knobelkasten_logik.h"

#include <QDir>
#include <map>
#include <set>
#include <tuple>

using knobel::Kastenblatt;

namespace {

// The first operand of each task (the number the pool value went into).
std::vector<int> ersteSummanden(const Kastenblatt& b, int art)
{
    const bool plus = art == 1 || art == 3 || art == 6;
    return plus ? b.loesung[0] : b.loesung[2];
}

std::set<int> box(const std::vector<int>& werte, int k, int n)
{
    return std::set<int>(werte.begin() + k * n, werte.begin() + (k + 1) * n);
}

} // namespace

TEST(KnobelkastenTest, TheRulesOfEachRangeHoldOverManySeeds)
{
    bool hundert = false, faktorWiederholt = false;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        for (int art = 5; art <= 7; ++art) {
            const Kastenblatt b = knobel::additionsblatt(1, art, 6);
            for (int k = 0; k < 3; ++k) {
                const std::set<int> erste = box(ersteSummanden(b, art), k, 6);
                EXPECT_EQ(erste.size(), 6u);
                EXPECT_GE(*erste.begin(), 2);
            }
            for (size_t e = 0; e < 18; ++e) {
                const int a = ersteSummanden(b, art)[e];
                const int summe = art == 6 ? b.loesung[2][e] : b.loesung[0][e];
                EXPECT_GE(summe, 11);
                EXPECT_LE(summe, 18);
                EXPECT_LE(a, 9);
            }
        }
        const Kastenblatt zehner = knobel::additionsblatt(2, 2, 5);
        for (size_t e = 0; e < 15; ++e) {
            EXPECT_EQ(zehner.loesung[2][e] % 10, 0);
            EXPECT_LE(zehner.loesung[2][e], 100);
            hundert = hundert || zehner.loesung[2][e] == 100;
        }
        for (int art = 6; art <= 7; ++art) {
            const Kastenblatt b = knobel::additionsblatt(3, art, 5);
            for (size_t e = 0; e < 15; ++e) {
                const int a = art == 6 ? b.loesung[0][e] : b.loesung[2][e];
                const int z = b.loesung[1][e];
                EXPECT_LT(a + z, 1000);
                EXPECT_GE(a % 10 + z % 10, 10) << a << " + " << z;
                EXPECT_LE((a / 10) % 10 + (z / 10) % 10 + 1, 9) << a << " + " << z;
            }
        }
        for (int art = 0; art <= 7; ++art) {
            const Kastenblatt b = knobel::additionsblatt(5, art, 6);
            // The one-digit factor: left of "*" in kinds 0, 4, 6, right of ":" in 1, in the middle in 2, 3, 5, 7.
            const std::vector<int>& f = art == 0 || art == 4 || art == 6 ? b.loesung[0]
                : art == 1                                               ? b.loesung[2]
                                                                         : b.loesung[1];
            for (int k = 0; k < 3; ++k) {
                const size_t verschieden = box(f, k, 6).size();
                if (art <= 5)
                    EXPECT_EQ(verschieden, 6u) << "Art " << art;
                else
                    faktorWiederholt = faktorWiederholt || verschieden < 6;
            }
        }
    }
    EXPECT_TRUE(hundert);
    EXPECT_TRUE(faktorWiederholt);
}

TEST(KnobelkastenTest, ColumnsAreSortedPerBoxAndTheRowsShrinkWithTheBoxSize)
{
    RandSeed(3);
    const Kastenblatt b = knobel::additionsblatt(2, 6, 4);
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 3; ++k) {
            EXPECT_TRUE(std::is_sorted(b.spalten[size_t(s)].begin() + 4 * k, b.spalten[size_t(s)].begin() + 4 * k + 4));
            EXPECT_EQ(box(b.spalten[size_t(s)], k, 4), box(b.loesung[size_t(s)], k, 4));
        }
    // The remainders of their own boxes are sorted too, each box keeping its own.
    const Kastenblatt rest = knobel::einmaleinsblatt({ 3, 4, 5, 6, 7, 8, 9 }, { 3, 4, 5, 6, 7, 8, 9 }, 3, 5);
    ASSERT_EQ(rest.rest, knobel::Rest::segment);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(std::is_sorted(rest.reste.begin() + 5 * k, rest.reste.begin() + 5 * k + 5));
        EXPECT_EQ(std::multiset<int>(rest.reste.begin() + 5 * k, rest.reste.begin() + 5 * k + 5),
            std::multiset<int>(rest.loesungsreste.begin() + 5 * k, rest.loesungsreste.begin() + 5 * k + 5));
    }
    EXPECT_EQ(knobel::zeileY(0, 1, 4) - knobel::zeileY(0, 2, 4), 134);
    EXPECT_EQ(knobel::zeileY(0, 1, 5) - knobel::zeileY(0, 2, 5), 109);
    EXPECT_EQ(knobel::zeileY(1, 1, 6) - knobel::zeileY(1, 2, 6), 84);
}

TEST(KnobelkastenTest, SmallTableBoxesTakeTheChosenFactors)
{
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed(seed);
        const Kastenblatt b = knobel::einmaleinsblatt({ 3 }, { 2, 3, 4, 5, 6, 7, 8, 9 }, 0, 5);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(box(b.spalten[0], k, 5), (std::set<int> { 3 }));
            EXPECT_EQ(box(b.spalten[1], k, 5).size(), 5u);
        }
        const Kastenblatt rest = knobel::einmaleinsblatt({ 6 }, { 2 }, 2, 4);
        for (size_t e = 0; e < 12; ++e) {
            EXPECT_EQ(rest.loesungsreste[e], 1);
            EXPECT_EQ(rest.loesung[0][e], 13);
        }
    }
}

using KnobelDruckTest = BlattTest;

TEST_F(KnobelDruckTest, TheStripKeepsEachGeneratedTask)
{
    Kastenblatt b;
    b.n = 4;
    b.zeichen1 = "=";
    b.zeichen2 = "+";
    b.loesung = { std::vector<int>(12, 7), std::vector<int>(12, 4), std::vector<int>(12, 3) };
    b.spalten = b.loesung;
    knobel::drucken(b, 1);
    QStringList texte;
    for (const DrawOp& op : printer().recorded().last().pages[0])
        if (op.kind == DrawOp::Kind::Text && op.points[0].y() == -2450)
            texte << QStringLiteral("%1@%2").arg(op.text).arg(op.points[0].x());
    EXPECT_EQ(texte,
        (QStringList { "Lösung:@340", "7  =@520", "4  +@640", "3@730", "7  =@1070", "4  +@1190", "3@1280", "7  =@1620",
            "4  +@1740", "3@1830" }));
}

TEST_F(KnobelDruckTest, EveryRangeAndKindAsPdf)
{
    for (int bereich : { 1, 2, 3, 5 })
        for (int n : { 4, 6 }) {
            knobel::drucken(knobel::additionsblatt(bereich, n == 4 ? 1 : 6, n), 1);
            ablegen(QStringLiteral("knobel_%1_%2").arg(bereich).arg(n));
        }
    for (int art = 0; art <= 3; ++art) {
        knobel::drucken(knobel::einmaleinsblatt({ 3, 4, 7 }, { 2, 5, 6, 8, 9 }, art, 5), 1);
        ablegen(QStringLiteral("knobel_1x1_%1").arg(art));
    }
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare({ 2, 3, 7 }, { 4, 6, 10 }, true));
    einmaleins::drucken(einmaleins::felderblatt(vorrat), 1);
    ablegen("felder_gemischt");
    vorrat.setzen(einmaleins::paare({ 4, 7 }, {}, true));
    einmaleins::drucken(einmaleins::felderblatt(vorrat), 1);
    ablegen("felder_quadrate");
    vorrat.setzen(einmaleins::paare({ 3, 6 }, { 4, 5, 9 }, false));
    einmaleins::drucken(einmaleins::hunderterblatt(vorrat), 1);
    ablegen("hunderterfelder");
    ASSERT_EQ(printer().recorded().size(), 15);
    // Each printout is named by the menu's button its sheet was chosen by.
    const QString soll[] = { "Knobelkästen + und - im Zahlbereich bis 20",
        "Knobelkästen + und - im Zahlbereich bis 100", "Knobelkästen + und - im Zahlbereich bis 1000",
        "Knobelkästen mittleres und großes 1 x 1", "Knobelkästen kleines 1 x 1" };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(printer().recorded().at(2 * i).title, soll[i]);
}

TEST(EinmaleinsTest, FieldsFillTwoColumnsAndThePoolGoesOnFromSheetToSheet)
{
    RandSeed(5);
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare({ 4, 7 }, {}, true));
    einmaleins::Felderblatt b = einmaleins::felderblatt(vorrat);
    for (const auto& f : b.links)
        EXPECT_EQ(f.a, f.b);
    vorrat.setzen(einmaleins::paare({ 10 }, { 10 }, true));
    b = einmaleins::felderblatt(vorrat);
    EXPECT_EQ(b.links.size(), 4u);
    EXPECT_EQ(b.rechts.size(), 4u);
    vorrat.setzen(einmaleins::paare({ 2 }, { 2 }, true));
    EXPECT_EQ(einmaleins::felderblatt(vorrat).ergebnisliste.size(), 24u);

    // Consecutive sheets: every task once before any repeats.
    vorrat.setzen(einmaleins::paare({ 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2, 3, 4, 5, 6, 7, 8, 9, 10 }, true));
    std::vector<int> folge;
    while (folge.size() < 81) {
        const einmaleins::Felderblatt s = einmaleins::felderblatt(vorrat);
        for (const auto* spalte : { &s.links, &s.rechts })
            for (const auto& f : *spalte)
                folge.push_back(f.a * 100 + f.b);
    }
    EXPECT_EQ(std::set<int>(folge.begin(), folge.begin() + 81).size(), 81u);

    vorrat.setzen(einmaleins::paare({ 3 }, { 4, 5 }, false));
    const einmaleins::Hunderterblatt h = einmaleins::hunderterblatt(vorrat);
    for (size_t t = 0; t + 1 < 20; t += 2)
        EXPECT_EQ(std::set<int>({ h.ergebnisliste[t], h.ergebnisliste[t + 1] }), (std::set<int> { 12, 15 }));
}

TEST(KnobelkastenTest, EverySheetPrintsEachBoxsNumbersOnceAndEachTaskInTheSolution)
{
    // The whole numbers a text holds: "12 R 3" holds 12 and 3.
    const auto zahlen = [](const QString& text) {
        std::vector<int> z;
        static const QRegularExpression zahl(QStringLiteral("\\d+"));
        for (auto it = zahl.globalMatch(text); it.hasNext();)
            z.push_back(it.next().captured().toInt());
        return z;
    };
    RandSeed(31);
    std::vector<Kastenblatt> blaetter;
    for (int art = 0; art <= 7; ++art)
        blaetter.push_back(knobel::additionsblatt(art % 3 + 1, art, 4 + art % 3));
    for (int art = 0; art <= 3; ++art)
        blaetter.push_back(
            knobel::einmaleinsblatt({ 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2, 3, 4, 5, 6, 7, 8, 9, 10 }, art, 5));
    for (const Kastenblatt& b : blaetter) {
        const Svseite seite([&](Canvas& c) { knobel::zeichnen(c, b); });
        int loesungY = 0;
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Lösung:")) loesungY = op.points[0].y();
        ASSERT_LT(loesungY, 0);
        std::multiset<int> kaesten, soll;
        std::map<int, std::map<int, std::vector<int>>> streifen; // y, x: the numbers of the solution rows
        for (const DrawOp& op : seite.ops) {
            if (op.kind != DrawOp::Kind::Text) continue;
            for (int z : zahlen(op.text)) {
                if (op.points[0].y() > loesungY)
                    kaesten.insert(z);
                else
                    streifen[op.points[0].y()][op.points[0].x()].push_back(z);
            }
        }
        for (int s = 0; s < 2; ++s)
            soll.insert(b.spalten[size_t(s)].begin(), b.spalten[size_t(s)].end());
        if (b.rest == knobel::Rest::zugeordnet) {
            soll.insert(b.loesung[2].begin(), b.loesung[2].end());
            soll.insert(b.loesungsreste.begin(), b.loesungsreste.end());
        } else {
            soll.insert(b.spalten[2].begin(), b.spalten[2].end());
        }
        if (b.rest == knobel::Rest::segment) soll.insert(b.reste.begin(), b.reste.end());
        EXPECT_EQ(kaesten, soll) << b.zeichen1.toStdString() << b.zeichen2.toStdString();
        // The solution: one row per task, each task of generation order once.
        std::multiset<std::vector<int>> zeilen, aufgaben;
        for (const auto& [y, zeile] : streifen) {
            std::vector<int> teile;
            for (const auto& [x, z] : zeile)
                teile.insert(teile.end(), z.begin(), z.end());
            const size_t breite = b.rest == knobel::Rest::keiner ? 3 : 4;
            // Three boxes side by side on a row: split it into its tasks.
            ASSERT_EQ(teile.size() % breite, 0u);
            for (size_t i = 0; i < teile.size(); i += breite)
                zeilen.insert(std::vector<int>(teile.begin() + long(i), teile.begin() + long(i + breite)));
        }
        for (size_t e = 0; e < b.loesung[0].size(); ++e) {
            std::vector<int> a { b.loesung[0][e], b.loesung[1][e], b.loesung[2][e] };
            if (b.rest != knobel::Rest::keiner) a.push_back(b.loesungsreste[e]);
            aufgaben.insert(a);
        }
        EXPECT_EQ(zeilen, aufgaben);
    }
}

TEST(KnobelkastenTest, EveryRangeAndKindKeepsItsDigitsRangesAndUsesEveryDigitTheyAllow)
{
    RandSeed(32);
    QStringList alle;
    for (int bereich : { 1, 2, 3, 5 })
        for (int art = 0; art <= 7; ++art) {
            Wertebereiche w;
            for (int n = 0; n < 300; ++n) {
                const Kastenblatt b = knobel::additionsblatt(bereich, art, 5);
                for (size_t e = 0; e < b.loesung[0].size(); ++e) {
                    w.ziffern(QStringLiteral("a"), b.loesung[0][e], 3);
                    w.ziffern(QStringLiteral("b"), b.loesung[1][e], 3);
                    w.ziffern(QStringLiteral("c"), b.loesung[2][e], 3);
                }
            }
            alle << QStringLiteral("%1/%2: ").arg(bereich).arg(art) + w.text();
        }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "1/0: aE 0,2-9, aH 0, aZ 0-1, bE 1-9, bH 0, bZ 0, cE 1-9, cH 0, cZ 0\n"
        "1/1: aE 1-9, aH 0, aZ 0, bE 1-9, bH 0, bZ 0, cE 0,2-9, cH 0, cZ 0-1\n"
        "1/2: aE 0,2-9, aH 0, aZ 0-1, bE 1-9, bH 0, bZ 0, cE 1-9, cH 0, cZ 0\n"
        "1/3: aE 1-9, aH 0, aZ 1, bE 1-9, bH 0, bZ 0, cE 0,2-9, cH 0, cZ 1-2\n"
        "1/4: aE 0,2-9, aH 0, aZ 1-2, bE 1-9, bH 0, bZ 0, cE 1-9, cH 0, cZ 1\n"
        "1/5: aE 1-8, aH 0, aZ 1, bE 2-9, bH 0, bZ 0, cE 2-9, cH 0, cZ 0\n"
        "1/6: aE 2-9, aH 0, aZ 0, bE 2-9, bH 0, bZ 0, cE 1-8, cH 0, cZ 1\n"
        "1/7: aE 1-8, aH 0, aZ 1, bE 2-9, bH 0, bZ 0, cE 2-9, cH 0, cZ 0\n"
        "2/0: aE 0, aH 0, aZ 1-9, bE 0, bH 0, bZ 1-9, cE 0, cH 0-1, cZ 0,2-9\n"
        "2/1: aE 0, aH 0-1, aZ 0,2-9, bE 0, bH 0, bZ 1-9, cE 0, cH 0, cZ 1-9\n"
        "2/2: aE 1-9, aH 0, aZ 1-8, bE 1-9, bH 0, bZ 1-7, cE 0, cH 0-1, cZ 0,3-9\n"
        "2/3: aE 0, aH 0-1, aZ 0,3-9, bE 1-9, bH 0, bZ 1-7, cE 1-9, cH 0, cZ 1-8\n"
        "2/4: aE 1-8, aH 0, aZ 2-8, bE 1-8, bH 0, bZ 1-7, cE 2-9, cH 0, cZ 3-9\n"
        "2/5: aE 2-9, aH 0, aZ 3-9, bE 1-8, bH 0, bZ 1-7, cE 1-8, cH 0, cZ 2-8\n"
        "2/6: aE 3-9, aH 0, aZ 1-7, bE 2-9, bH 0, bZ 1-7, cE 1-8, cH 0, cZ 3-9\n"
        "2/7: aE 1-8, aH 0, aZ 3-9, bE 2-9, bH 0, bZ 1-7, cE 3-9, cH 0, cZ 1-7\n"
        "3/0: aE 0, aH 2-8, aZ 1-8, bE 0, bH 1-7, bZ 1-8, cE 0, cH 3-9, cZ 2-9\n"
        "3/1: aE 0, aH 3-9, aZ 2-9, bE 0, bH 1-7, bZ 1-8, cE 0, cH 2-8, cZ 1-8\n"
        "3/2: aE 0, aH 1-7, aZ 3-9, bE 0, bH 1-7, bZ 2-9, cE 0, cH 3-9, cZ 1-8\n"
        "3/3: aE 0, aH 3-9, aZ 1-8, bE 0, bH 1-7, bZ 2-9, cE 0, cH 1-7, cZ 3-9\n"
        "3/4: aE 1-8, aH 2-8, aZ 1-8, bE 1-8, bH 1-7, bZ 1-8, cE 2-9, cH 3-9, cZ 2-9\n"
        "3/5: aE 2-9, aH 3-9, aZ 2-9, bE 1-8, bH 1-7, bZ 1-8, cE 1-8, cH 2-8, cZ 1-8\n"
        "3/6: aE 3-8, aH 1-6, aZ 1-8, bE 3-8, bH 1-8, bZ 0-7, cE 1-6, cH 2-9, cZ 3-9\n"
        "3/7: aE 1-6, aH 2-9, aZ 3-9, bE 3-8, bH 1-8, bZ 0-7, cE 3-8, cH 1-6, cZ 1-8\n"
        "5/0: aE 3-9, aH 0, aZ 0, bE 0, bH 0, bZ 2-9, cE 0, cH 0-8, cZ 0-9\n"
        "5/1: aE 0, aH 0-8, aZ 0-9, bE 0, bH 0, bZ 2-9, cE 3-9, cH 0, cZ 0\n"
        "5/2: aE 0, aH 0, aZ 2-9, bE 3-9, bH 0, bZ 0, cE 0, cH 0-8, cZ 0-9\n"
        "5/3: aE 0, aH 0-8, aZ 0-9, bE 3-9, bH 0, bZ 0, cE 0, cH 0, cZ 2-9\n"
        "5/4: aE 3-9, aH 0, aZ 0, bE 2-9, bH 0, bZ 1, cE 0-9, cH 0-1, cZ 0-9\n"
        "5/5: aE 0-9, aH 0-1, aZ 0-9, bE 3-9, bH 0, bZ 0, cE 2-9, cH 0, cZ 1\n"
        "5/6: aE 3-9, aH 0, aZ 0, bE 2-9, bH 0, bZ 2-9, cE 0-9, cH 0-8, cZ 0-9\n"
        "5/7: aE 0-9, aH 0-8, aZ 0-9, bE 3-9, bH 0, bZ 0, cE 2-9, cH 0, cZ 2-9");
}

TEST(KnobelkastenTest, EachNumberStandsInTheMiddleOfItsBoxInEveryGroup)
{
    RandSeed(33);
    std::vector<Kastenblatt> blaetter;
    for (int art = 0; art <= 7; ++art)
        blaetter.push_back(knobel::additionsblatt(art % 3 + 1, art, 4 + art % 3));
    blaetter.push_back(knobel::einmaleinsblatt({ 3, 4, 7 }, { 2, 5, 6, 8, 9 }, 3, 5));
    blaetter.push_back(knobel::einmaleinsblatt({ 3, 4, 7 }, { 2, 5, 6, 8, 9 }, 2, 5));
    for (const Kastenblatt& b : blaetter) {
        const Svseite seite([&](Canvas& c) { knobel::zeichnen(c, b); });
        std::vector<QRect> kaesten; // left, top, right, bottom as drawn (y up)
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Rectangle) kaesten.push_back(QRect(op.points[0], op.points[1]));
        ASSERT_GE(kaesten.size(), 9u);
        int gesehen = 0, mitRest = 0;
        for (const DrawOp& op : seite.ops) {
            if (op.kind != DrawOp::Kind::Text) continue;
            // A quotient with its remainder, "12 R 3", is one text set to the right of its wider box, inside it.
            if (QRegularExpression(QStringLiteral("^\\d+ R \\d+$")).match(op.text).hasMatch()) {
                const auto [links, rechts] = textspanne(op);
                bool drin = false;
                for (const QRect& k : kaesten)
                    drin = drin
                        || (k.left() < links && rechts < k.right() && op.points[0].y() < k.top()
                            && op.points[0].y() > k.bottom());
                EXPECT_TRUE(drin) << op.toString().toStdString();
                ++mitRest;
                continue;
            }
            const QPoint p = op.points[0];
            for (const QRect& k : kaesten) {
                if (p.x() <= k.left() || p.x() >= k.right() || p.y() >= k.top() || p.y() <= k.bottom()) continue;
                ++gesehen;
                EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Center) << op.toString().toStdString();
                EXPECT_EQ(p.x(), (k.left() + k.right()) / 2) << op.toString().toStdString();
            }
        }
        EXPECT_GE(gesehen, 2 * 3 * b.n) << b.zeichen1.toStdString() << b.zeichen2.toStdString();
        EXPECT_EQ(mitRest, b.rest == knobel::Rest::zugeordnet ? 3 * b.n : 0);
    }
}

TEST(KnobelkastenTest, EverySolutionRowIsATrueTaskWithTheSheetsSigns)
{
    // links zeichen1 mitte zeichen2 rechts, with the remainder of a division where the sheet has one.
    const auto stimmt = [](const Kastenblatt& b, size_t e) {
        const int l = b.loesung[0][e], m = b.loesung[1][e], r = b.loesung[2][e];
        const int rest = b.rest == knobel::Rest::keiner ? 0 : b.loesungsreste[e];
        const QString zeichen = b.zeichen1 + b.zeichen2;
        if (zeichen == "=+") return l == m + r;
        if (zeichen == "+=") return l + m == r;
        if (zeichen == "-=") return l - m == r;
        if (zeichen == "*=") return l * m == r;
        if (zeichen == ":=") return l == m * r + rest && rest < m;
        return false;
    };
    RandSeed(34);
    std::vector<Kastenblatt> blaetter;
    for (int bereich : { 1, 2, 3, 5 })
        for (int art = 0; art <= 7; ++art)
            blaetter.push_back(knobel::additionsblatt(bereich, art, 5));
    for (int art = 0; art <= 3; ++art)
        blaetter.push_back(
            knobel::einmaleinsblatt({ 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2, 3, 4, 5, 6, 7, 8, 9, 10 }, art, 5));
    for (size_t i = 0; i < blaetter.size(); ++i) {
        const Kastenblatt& b = blaetter[i];
        for (size_t e = 0; e < b.loesung[0].size(); ++e)
            ASSERT_TRUE(stimmt(b, e)) << "sheet " << i << ": " << b.loesung[0][e] << " " << b.zeichen1.toStdString()
                                      << " " << b.loesung[1][e] << " " << b.zeichen2.toStdString() << " "
                                      << b.loesung[2][e];
    }
}

TEST(KnobelkastenTest, ARuleAcrossThePagePartsTheHeadingAndEachGroupOfBoxes)
{
    RandSeed(35);
    const Kastenblatt b = knobel::additionsblatt(2, 1, 5);
    const Svseite seite([&](Canvas& c) { knobel::zeichnen(c, b); });
    int links = 1 << 30, rechts = -(1 << 30), titel = 0, loesung = 0;
    std::map<int, int> gruppen; // top of a group's boxes (y up), their bottom
    for (const DrawOp& op : seite.ops) {
        if (op.kind == DrawOp::Kind::Rectangle) {
            links = std::min(links, op.points[0].x());
            rechts = std::max(rechts, op.points[1].x());
            gruppen[op.points[0].y()] = op.points[1].y();
        } else if (op.kind == DrawOp::Kind::Text && op.text.startsWith(QStringLiteral("Verbinde"))) {
            titel = op.points[0].y();
        } else if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Lösung:")) {
            loesung = op.points[0].y();
        }
    }
    ASSERT_EQ(gruppen.size(), 3u);
    // A rule between two heights, reaching over all the boxes.
    const auto regelZwischen = [&](int oben, int unten) {
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Line && op.points[0].y() == op.points[1].y() && op.points[0].y() < oben
                && op.points[0].y() > unten && std::min(op.points[0].x(), op.points[1].x()) <= links
                && std::max(op.points[0].x(), op.points[1].x()) >= rechts)
                return true;
        return false;
    };
    std::vector<std::pair<int, int>> g(gruppen.rbegin(), gruppen.rend()); // from the top of the page down
    EXPECT_TRUE(regelZwischen(titel, g[0].first)) << "under the heading";
    for (size_t k = 0; k < g.size(); ++k)
        EXPECT_TRUE(regelZwischen(g[k].second, k + 1 < g.size() ? g[k + 1].first : loesung)) << "under group " << k;
}

TEST(KnobelkastenTest, EachBoxTakesItsFirstOperandsDigitFromTheWholePoolOnceAndTheSmallTableEachFactorOnceInTurn)
{
    // The pool digit 1..9 goes into the units (up to 20; up to 100 with the same tens) or the tens (tens
    // numbers up to 100) of the first operand: within a box of n tasks no digit twice.
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        for (const auto& [bereich, art, stelle] : { std::tuple { 1, 0, 1 }, std::tuple { 1, 1, 1 },
                 std::tuple { 1, 2, 1 }, std::tuple { 1, 3, 1 }, std::tuple { 1, 4, 1 }, std::tuple { 2, 0, 10 },
                 std::tuple { 2, 1, 10 }, std::tuple { 2, 2, 1 }, std::tuple { 2, 3, 1 } })
            for (int n : { 4, 5, 6 }) {
                const Kastenblatt b = knobel::additionsblatt(bereich, art, n);
                const bool plus = bereich == 1 ? (art == 1 || art == 3) : art % 2 == 0;
                const std::vector<int>& erste = plus ? b.loesung[0] : b.loesung[2];
                for (int k = 0; k < 3; ++k) {
                    std::set<int> ziffern;
                    for (int i = 0; i < n; ++i)
                        ziffern.insert(erste[size_t(k * n + i)] / stelle % 10);
                    EXPECT_EQ(ziffern.size(), size_t(n)) << bereich << "/" << art << " n " << n << " box " << k;
                }
            }
    }
    // Where nine would leave no room without a carry (units up to 100 with other tens, tens of hundreds
    // numbers), the pool's 9 goes in as a 4: a box then holds 4 twice, never 9, and every other digit at most once.
    bool vierZweimal = false;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        for (const auto& [bereich, art, stelle] :
            { std::tuple { 2, 4, 1 }, std::tuple { 2, 5, 1 }, std::tuple { 3, 0, 10 }, std::tuple { 3, 1, 10 },
                std::tuple { 3, 4, 10 }, std::tuple { 3, 5, 10 }, std::tuple { 3, 6, 10 }, std::tuple { 3, 7, 10 } }) {
            const Kastenblatt b = knobel::additionsblatt(bereich, art, 6);
            const std::vector<int>& erste = art % 2 == 0 ? b.loesung[0] : b.loesung[2];
            for (int k = 0; k < 3; ++k) {
                std::map<int, int> wieOft;
                for (int i = 0; i < 6; ++i)
                    ++wieOft[erste[size_t(k * 6 + i)] / stelle % 10];
                EXPECT_EQ(wieOft.count(9), 0u) << bereich << "/" << art;
                for (const auto& [ziffer, mal] : wieOft)
                    EXPECT_LE(mal, ziffer == 4 ? 2 : 1) << bereich << "/" << art << " Ziffer " << ziffer;
                vierZweimal = vierZweimal || wieOft[4] == 2;
            }
        }
    }
    EXPECT_TRUE(vierZweimal);
    // The small table: in the order drawn, each box uses every chosen factor once before any comes again.
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed(seed);
        const Kastenblatt b = knobel::einmaleinsblatt({ 2, 5, 9 }, { 3, 4, 6, 7 }, 0, 6);
        for (int k = 0; k < 3; ++k)
            for (const auto& [spalte, anzahl] : { std::pair { 0, 3 }, std::pair { 1, 4 } }) {
                const std::vector<int>& werte = b.loesung[size_t(spalte)];
                std::set<int> erste(werte.begin() + 6 * k, werte.begin() + 6 * k + anzahl);
                EXPECT_EQ(int(erste.size()), anzahl) << "box " << k;
                std::set<int> rest(werte.begin() + 6 * k + anzahl, werte.begin() + 6 * k + 6);
                EXPECT_EQ(int(rest.size()), 6 - anzahl) << "box " << k;
            }
    }
}

TEST(KnobelkastenTest, TheSmallTableSortsEachBoxAndKeepsTheDivisorsBesideTheirRemaindersWhereNeeded)
{
    const std::vector<int> alle { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    std::map<int, Wertebereiche> reste;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        for (int art = 0; art <= 3; ++art) {
            const Kastenblatt b = knobel::einmaleinsblatt(alle, alle, art, 5);
            EXPECT_EQ(b.zeichen1, art == 0 ? "*" : ":");
            EXPECT_EQ(b.zeichen2, "=");
            EXPECT_EQ(b.rest,
                art == 2       ? knobel::Rest::zugeordnet
                    : art == 3 ? knobel::Rest::segment
                               : knobel::Rest::keiner);
            for (int k = 0; k < 3; ++k) {
                for (int s : { 0, 2 })
                    EXPECT_TRUE(
                        std::is_sorted(b.spalten[size_t(s)].begin() + 5 * k, b.spalten[size_t(s)].begin() + 5 * k + 5))
                        << "kind " << art << " column " << s;
                // The middle column is sorted only where each quotient brings its own remainder along.
                if (b.rest == knobel::Rest::zugeordnet)
                    EXPECT_TRUE(std::is_sorted(b.spalten[1].begin() + 5 * k, b.spalten[1].begin() + 5 * k + 5));
                else
                    EXPECT_EQ(b.spalten[1], b.loesung[1]) << "kind " << art;
            }
            for (size_t e = 0; e < b.loesung[1].size(); ++e)
                if (b.rest != knobel::Rest::keiner)
                    reste[b.loesung[1][e]](QStringLiteral("R"), b.loesungsreste[e]);
                else
                    EXPECT_EQ(b.loesungsreste[e], 0);
        }
    }
    QStringList t;
    for (const auto& [divisor, w] : reste)
        t << QStringLiteral(": %1 ").arg(divisor) + w.text();
    EXPECT_EQ(t.join(u'\n').toStdString(),
        ": 2 R 1\n: 3 R 1-2\n: 4 R 1-3\n: 5 R 1-4\n: 6 R 1-5\n: 7 R 1-6\n: 8 R 1-7\n: 9 R 1-8\n: 10 R 1-9");
}
