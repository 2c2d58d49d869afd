#include "aids/aufnahme.h"
#include "games/s_1x1flip_logik.h"
#include "platform/canvas.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// No player's name and nothing counted yet.
void keineSpieler()
{
    for (int p = 1; p <= 5; ++p) {
        listenzeilen[p] = QString();
        flipzaehler[p].fill(0);
    }
}

// Ali alone, the winner.
void nurAliGewinnt()
{
    keineSpieler();
    listenzeilen[1] = "Ali";
    spielerstatus[1] = 0;
}

} // namespace

TEST(Flipper, TheWrongNumbersLieBetweenTheRowsNumbers)
{
    for (int seed = 0; seed < 50; ++seed) {
        RandSeed(std::uint32_t(seed));
        const auto zwei = s_1x1flip::zahlen(2);
        const auto vier = s_1x1flip::zahlen(4);
        const auto sechs = s_1x1flip::zahlen(6);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(zwei[std::size_t(i)], 2 * i);
            EXPECT_EQ(zwei[std::size_t(i + 10)], 2 * i - 1);
            EXPECT_EQ(vier[std::size_t(i + 10)], 4 * i - 2);
            const int s = sechs[std::size_t(i + 10)];
            EXPECT_TRUE(s % 2 == 0 && s % 6 != 0 && s > 6 * (i - 1) && s < 6 * i) << s;
        }
        for (int n = 2; n <= 9; ++n) {
            const auto z = s_1x1flip::zahlen(n);
            EXPECT_EQ(std::set<int>(z.begin() + 1, z.end()).size(), 20u) << n;
        }
    }
}

// Each wrong number lies strictly between its row number and the one before, every such number comes over many
// games, and for the rows of 4, 6 and 8 only even ones, which cannot be told apart by being odd.
TEST(Flipper, EveryWrongNumberBetweenTwoRowNumbersComes)
{
    std::map<std::pair<int, int>, std::set<int>> gezogen; // (row, i) -> wrong numbers
    for (int seed = 0; seed < 400; ++seed) {
        RandSeed(std::uint32_t(seed));
        for (int n = 2; n <= 9; ++n) {
            const auto z = s_1x1flip::zahlen(n);
            for (int i = 1; i <= 10; ++i) {
                ASSERT_EQ(z[std::size_t(i)], n * i);
                gezogen[{ n, i }].insert(z[std::size_t(i + 10)]);
            }
        }
    }
    for (int n = 2; n <= 9; ++n)
        for (int i = 1; i <= 10; ++i) {
            std::set<int> soll;
            for (int v = n * (i - 1) + 1; v < n * i; ++v)
                if (v % 2 == 0 || (n != 4 && n != 6 && n != 8)) soll.insert(v);
            EXPECT_EQ(gezogen[std::make_pair(n, i)], soll) << n << " x " << i;
        }
}

TEST(Flipper, EightErrorsCompleteTheFigure)
{
    std::vector<int> alle;
    int fehler = 0;
    for (int e = 1; e <= 8; ++e) {
        const auto s = s_1x1flip::striche(fehler);
        alle.insert(alle.end(), s.begin(), s.end());
        fehler = s.back();
        EXPECT_EQ(fehler == 11, e == 8) << e;
    }
    EXPECT_EQ(alle, (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }));
    EXPECT_EQ(s_1x1flip::zaehler(true, true), 0);
    EXPECT_EQ(s_1x1flip::zaehler(false, false), 1);
    EXPECT_EQ(s_1x1flip::zaehler(false, true), 2);
    EXPECT_EQ(s_1x1flip::zaehler(true, false), 3);
    // 1, 2 and 5 seconds in tenths, or none.
    EXPECT_EQ(s_1x1flip::grenze(0), 10);
    EXPECT_EQ(s_1x1flip::grenze(1), 20);
    EXPECT_EQ(s_1x1flip::grenze(2), 50);
    EXPECT_EQ(s_1x1flip::grenze(3), 0);
}

TEST(Flipper, TheEvaluationListsEachNamedPlayersCountsAndSortedNumbers)
{
    keineSpieler();
    listenzeilen[1] = "Ali";
    listenzeilen[3] = "Cem";
    listenzeilen[4] = "Dora";
    spielerstatus[1] = 0;
    spielerstatus[3] = 140;
    spielerstatus[4] = 500;
    for (int n : { 12, 4, 8 })
        s_1x1flip::zaehlen(1, 0, n);
    s_1x1flip::zaehlen(3, 4, 7);
    const auto mit = s_1x1flip::auswertung(2, 1, " 2 Sekunden");
    ASSERT_FALSE(mit.zeilen.empty());
    EXPECT_EQ(mit.zeilen[0].text, QString("1 x 4          Zeitbegrenzung:   2 Sekunden"));
    EXPECT_EQ(mit.zeilen[0].y, -130);
    EXPECT_EQ(mit.zeilen[0].hoehe, 75);
    const auto zeile = [&](const s_1x1flip::Auswertung& a, const QString& text) {
        for (const auto& z : a.zeilen)
            if (z.text == text) return z;
        return s_1x1flip::Druckzeile {};
    };
    EXPECT_EQ(zeile(mit, "Ali hat gewonnen:").y, -330);
    EXPECT_EQ(zeile(mit, "Cem hat verloren:").y, -1270);
    EXPECT_EQ(zeile(mit, "Dora hat nicht begonnen oder vorzeitig abgebrochen.").y, -1740);
    // Ali's first line: the count right-aligned at 22 mm, the numbers sorted.
    std::vector<s_1x1flip::Druckzeile> ali;
    for (const auto& z : mit.zeilen)
        if (z.y == -400 && z.rechts) ali.push_back(z);
    ASSERT_EQ(ali.size(), 4u);
    EXPECT_EQ(ali[0].x, 220);
    EXPECT_EQ(ali[0].text, QString("3"));
    EXPECT_EQ(ali[1].x, 1260);
    EXPECT_EQ(ali[1].text, QString("4"));
    EXPECT_EQ(ali[3].text, QString("12"));
    EXPECT_EQ(zeile(mit, "mal die Zeitbegrenzung nicht eingehalten:").y, -680);
    const auto ohne = s_1x1flip::auswertung(2, 3, "   ohne");
    EXPECT_EQ(zeile(ohne, "mal die Zeitbegrenzung nicht eingehalten:").text, QString());
    // Without a limit: no time line and no count for Ali and Cem, and not Cem's 7.
    EXPECT_EQ(mit.zeilen.size() - ohne.zeilen.size(), 5u);
}

// The printed evaluation writes every line at its place in 0.1 mm, counts and numbers right-aligned, texts from
// the left, in black.
TEST(Flipper, ThePrintWritesEveryLineAtItsPlace)
{
    nurAliGewinnt();
    s_1x1flip::zaehlen(1, 0, 8);
    const auto a = s_1x1flip::auswertung(2, 1, " 2 Sekunden");
    QVector<DrawOp> ops;
    Canvas c { std::make_unique<Aufnahme>(ops) };
    c.font.color = Qt::red;
    s_1x1flip::draw(c, a);
    QVector<DrawOp> texte;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Text) texte << op;
    ASSERT_EQ(texte.size(), int(a.zeilen.size()));
    for (int i = 0; i < texte.size(); ++i) {
        const auto& z = a.zeilen[size_t(i)];
        EXPECT_EQ(texte[i].text, z.text);
        EXPECT_EQ(texte[i].points.value(0), QPoint(z.x, z.y)) << z.text.toStdString();
        EXPECT_EQ(texte[i].align & TextAlign::HorizontalMask, z.rechts ? TextAlign::Right : TextAlign::Left)
            << z.text.toStdString();
        EXPECT_EQ(texte[i].mapMode, MapMode::LoMetric);
        EXPECT_EQ(texte[i].font.color, QColor(Qt::black));
        EXPECT_EQ(texte[i].font.height, z.hoehe);
    }
}

TEST(Flipper, ALineListsItsFirstTenNumbersAndCountsEveryOne)
{
    nurAliGewinnt();
    // Twelve numbers of the row recognised, the largest first: the sheet has room for the first ten.
    for (int n = 12; n >= 1; --n)
        s_1x1flip::zaehlen(1, 0, 2 * n);
    const auto a = s_1x1flip::auswertung(0, 3, "   ohne");
    QStringList zeile;
    for (const auto& z : a.zeilen)
        if (z.y == -400 && z.rechts) zeile << z.text;
    EXPECT_EQ(zeile, QStringList({ "12", "6", "8", "10", "12", "14", "16", "18", "20", "22", "24" }));
}
