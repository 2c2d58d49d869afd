#include "blattfixture.h"
#include "support/fixtures.h"
#include "svseite.h"
#include "worksheets/a_zerl_logik.h"
#include "worksheets/familienblatt_logik.h"

#include <QDir>
#include <algorithm>
#include <map>

using namespace familienblatt;

TEST(FamilienblattTest, TheFormsOfOnePlusTaskAndTheirSolutions)
{
    const QStringList zehn { " 3 + 4 = __", " 7 - 4 = __", " 3 + _ =  7", " 7 - _ =  3", "__ + 4 =  7", "__ - 4 =  3",
        " 7 = 4 + __" };
    const std::vector<int> loesungen { 7, 3, 4, 4, 3, 7, 3 };
    for (int art = 1; art <= 7; ++art) {
        EXPECT_EQ(familienblatt::aufgabentext(bereich10(), art, 3, 4, 7), zehn.at(art - 1));
        EXPECT_EQ(loesung(art, 3, 4, 7), loesungen[size_t(art - 1)]);
    }
    EXPECT_EQ(familienblatt::aufgabentext(zehneruebergang(), 4, 8, 7, 15), "15 - _ =  8");
    EXPECT_EQ(loesung(4, 8, 7, 15), 7);
    EXPECT_EQ(familienblatt::aufgabentext(zwischen10und20(), 3, 14, 3, 17), "14 + __ = 17");
    EXPECT_EQ(familienblatt::aufgabentext(zwischen10und20(), 1, 10, 10, 20).size(), 12);
}

TEST(FamilienblattTest, RowsFollowTheKindsAndPairsPutTheTaskUpTo10AboveItsAnalogue)
{
    const std::vector<int> codes(10, 34);
    Blatt b = blatt(bereich10(), codes, { 8, 0, 5 }, 0, false);
    ASSERT_EQ(b.zeilen.size(), 10u);
    EXPECT_EQ(b.zeilen[7].text, " 3 + 4 = __");
    EXPECT_EQ(b.zeilen[8].text, " 3 + _ =  7");
    EXPECT_EQ(b.bildY[5], -1440);
    EXPECT_EQ(blatt(bereich10(), codes, { 10 }, 0, true).bildY[5], -1540);

    b = blatt(zwischen10und20(), std::vector<int>(10, 1403), { 0, 5 }, 0, true);
    ASSERT_EQ(b.zeilen.size(), 10u);
    EXPECT_EQ(b.zeilen[0].text, " 7 -  3 = __");
    EXPECT_EQ(b.zeilen[0].textY, 185 - 480);
    EXPECT_EQ(b.zeilen[5].text, "17 -  3 = __");
    EXPECT_EQ(b.zeilen[5].textY, -15 - 480);
    EXPECT_EQ(b.ergebnisliste, (std::vector<int> { 4, 4, 4, 4, 4, 14, 14, 14, 14, 14 }));
    // A 10 drawn gives an upper task of " 0 + ...".
    EXPECT_EQ(blatt(zwischen10und20(), std::vector<int>(10, 1003), { 5 }, 0, true).zeilen[0].text, " 0 +  3 = __");
}

using FamilienblattDruckTest = BlattTest;

TEST_F(FamilienblattDruckTest, HalfPagesHaveACutLineAndAStripEach)
{
    const std::vector<int> codes { 12, 13, 21, 22, 31, 12, 13, 21, 22, 31 };
    drucken(blatt(bereich10(), codes, { 10 }, 0, true), 2);
    QStringList t = texte();
    EXPECT_TRUE(t.contains("Ergebnisse:@150,-1430"));
    EXPECT_TRUE(t.contains("3@450,-1430"));
    EXPECT_TRUE(t.contains("Ergebnisse:@150,-2750"));
    EXPECT_TRUE(t.contains("4@850,-2750"));
    EXPECT_TRUE(t.contains("6)@230,-1695")); // row 6 at -1540
    EXPECT_EQ(printer().recorded().last().copies, 2);

    drucken(blatt(zehneruebergang(), { 19, 28, 37, 46, 55, 64, 73, 82, 91, 19 }, { 10 }, 1, true), 1);
    t = texte();
    EXPECT_TRUE(t.contains("Ergebnisse:@900,-1400"));
    EXPECT_TRUE(t.contains("10@1180,-1400"));
    EXPECT_TRUE(t.contains("10@1580,-1400"));
    EXPECT_TRUE(t.contains("10@1580,-2710"));
}

TEST_F(FamilienblattDruckTest, EveryPictureOnEverySheetAsPdf)
{
    const std::vector<int> zehn { 12, 23, 34, 45, 11, 54, 43, 32, 21, 13 };
    const std::vector<int> zue { 19, 28, 37, 46, 55, 64, 73, 82, 91, 87 };
    const std::vector<int> zw { 1403, 1205, 1902, 1001, 1110, 1503, 1604, 1306, 1702, 1801 };
    for (int grafik = 0; grafik <= 2; ++grafik)
        for (const bool geteilt : { false, true }) {
            const QString art = QStringLiteral("_%1_%2").arg(grafik).arg(geteilt ? "halb" : "ganz");
            drucken(blatt(bereich10(), zehn, { 2, 2, 1, 1, 2, 1, 1 }, grafik, geteilt), 1);
            ablegen("bereich10" + art);
            drucken(blatt(zehneruebergang(), zue, { 2, 2, 2, 2, 1, 1 }, grafik, geteilt), 1);
            ablegen("zehneruebergang" + art);
            drucken(blatt(zwischen10und20(), zw, { 2, 2, 2, 2, 1, 1 }, grafik, geteilt), 1);
            ablegen("zwischen10und20" + art);
        }
    for (int form = 1; form <= 4; ++form) {
        zerlegen::drucken(zerlegen::blatt(form, { 2, 1, 1, 2, 1, 1, 2 }, false), 1);
        ablegen(QStringLiteral("zerlegen_%1").arg(form));
    }
    EXPECT_EQ(printer().recorded().size(), 22);
}

TEST(FamilienblattTest, EveryPictureHasATickForEachNumberAndTenCirclesInFivesPerRow)
{
    for (int wahl = 0; wahl <= 2; ++wahl)
        for (bool zwanzig : { false, true }) {
            SCOPED_TRACE(testing::Message() << "picture " << wahl << ", to twenty " << zwanzig);
            const Svseite seite([&](Canvas& c) { bild(c, wahl, zwanzig, -500); });
            // The circles, row by row: ten in a row, the gap after the fifth the only wider one.
            std::map<int, std::vector<int>> reihen;
            // The upright strokes by their height: the shortest are the ticks of the single numbers.
            std::map<int, std::vector<int>> striche;
            for (const DrawOp& op : seite.ops) {
                if (op.kind == DrawOp::Kind::Ellipse) reihen[op.points[0].y()].push_back(op.points[0].x());
                if (op.kind == DrawOp::Kind::Line && op.points[0].x() == op.points[1].x())
                    striche[std::abs(op.points[1].y() - op.points[0].y())].push_back(op.points[0].x());
            }
            // The number line alone has no circles; up to twenty takes two rows of ten.
            EXPECT_EQ(reihen.size(), wahl == 1 ? 0u : zwanzig ? 2u : 1u);
            for (auto& [y, x] : reihen) {
                ASSERT_EQ(x.size(), 10u) << y;
                std::sort(x.begin(), x.end());
                for (size_t i = 1; i < 10; ++i) {
                    const int abstand = x[i] - x[i - 1];
                    if (i == 5)
                        EXPECT_GT(abstand, x[1] - x[0]);
                    else
                        EXPECT_EQ(abstand, x[1] - x[0]) << i;
                }
            }
            if (striche.empty()) continue;
            std::vector<int> zahlen = striche.begin()->second;
            std::sort(zahlen.begin(), zahlen.end());
            ASSERT_EQ(zahlen.size(), zwanzig ? 21u : 11u);
            for (size_t i = 1; i < zahlen.size(); ++i)
                EXPECT_NEAR(zahlen[i] - zahlen[i - 1], zahlen[1] - zahlen[0], 1) << i;
            // The longer ticks stand on ticks of numbers too.
            for (const auto& [hoehe, xs] : striche)
                for (int x : xs)
                    EXPECT_TRUE(std::find(zahlen.begin(), zahlen.end(), x) != zahlen.end()) << hoehe << " at " << x;
            // A longer tick at every fifth number, the longest at every tenth, both from the first number on.
            ASSERT_EQ(striche.size(), 3u);
            const auto fuenfer = std::next(striche.begin()), zehner = std::next(fuenfer);
            EXPECT_EQ(fuenfer->second.size(), (zahlen.size() - 1) / 5 + 1);
            EXPECT_EQ(zehner->second.size(), (zahlen.size() - 1) / 10 + 1);
            for (const auto& [schritt, xs] : { std::pair { 5, fuenfer->second }, { 10, zehner->second } })
                for (int x : xs)
                    EXPECT_EQ((std::find(zahlen.begin(), zahlen.end(), x) - zahlen.begin()) % schritt, 0) << x;
        }
}

// Half pages are cut apart: every row, picture and strip stays wholly on its half, rows 1 to 5 above the cut line,
// 6 to 10 below, so that each half is a sheet of its own.
TEST(FamilienblattTest, OnHalfPagesEveryRowAndItsPictureStayOnTheirHalf)
{
    const std::vector<int> zehn { 12, 23, 34, 45, 11, 54, 43, 32, 21, 13 };
    const std::vector<int> zue { 19, 28, 37, 46, 55, 64, 73, 82, 91, 87 };
    for (int grafik = 0; grafik <= 2; ++grafik)
        for (const Familie* f : { &bereich10(), &zehneruebergang() }) {
            SCOPED_TRACE(testing::Message() << f->titel.toStdString() << ", picture " << grafik);
            const Blatt b = blatt(*f, f == &bereich10() ? zehn : zue, { 2, 2, 2, 2, 2 }, grafik, true);
            const Svseite seite([&](Canvas& c) { zeichnen(c, b); });
            // The cut line: the one across the whole page.
            int schnitt = 0, quer = 0;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Line && std::abs(op.points[1].x() - op.points[0].x()) > quer) {
                    quer = std::abs(op.points[1].x() - op.points[0].x());
                    schnitt = op.points[0].y();
                }
            ASSERT_GE(quer, 1800);
            std::map<std::pair<int, bool>, int> anzahl; // (kind, above) -> ops
            for (const DrawOp& op : seite.ops) {
                if (op.kind == DrawOp::Kind::Line && std::abs(op.points[1].x() - op.points[0].x()) == quer) continue;
                int oben = -(1 << 20), unten = 1 << 20;
                for (const QPoint& p : op.points) {
                    oben = std::max(oben, p.y());
                    unten = std::min(unten, p.y());
                }
                if (op.kind == DrawOp::Kind::Text) unten -= op.font.height;
                EXPECT_TRUE(unten > schnitt || oben < schnitt)
                    << op.text.toStdString() << " from " << oben << " to " << unten << ", cut at " << schnitt;
                ++anzahl[{ int(op.kind), oben > schnitt }];
                static const QRegularExpression nummer(QStringLiteral("^(\\d+)\\)$"));
                const auto m = nummer.match(op.text);
                if (op.kind == DrawOp::Kind::Text && m.hasMatch())
                    EXPECT_EQ(m.captured(1).toInt() <= 5, oben > schnitt) << op.text.toStdString();
            }
            // Both halves alike, but for the title above.
            for (const auto& [art, n] : anzahl) {
                const int titel = art.first == int(DrawOp::Kind::Text) ? 1 : 0;
                const int darunter = anzahl[std::pair(art.first, false)];
                if (art.second) {
                    EXPECT_EQ(n, darunter + titel) << "kind " << art.first;
                }
            }
        }
}

// The sheet of the step over the ten draws two legs under the second number of every row, where the pupil splits
// it; the other sheets draw none.
TEST(FamilienblattTest, TheStepOverTheTenHasTwoLegsUnderTheSecondNumberOfEveryRow)
{
    const std::vector<int> zue { 19, 28, 37, 46, 55, 64, 73, 82, 91, 87 };
    for (const bool geteilt : { false, true }) {
        const Blatt b = blatt(zehneruebergang(), zue, { 2, 2, 2, 2, 1, 1 }, 0, geteilt);
        const Svseite seite([&](Canvas& c) { zeichnen(c, b); });
        std::vector<const DrawOp*> beine;
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Polyline) beine.push_back(&op);
        ASSERT_EQ(beine.size(), 2 * b.zeilen.size());
        for (const Zeile& z : b.zeilen) {
            SCOPED_TRACE(z.text.toStdString());
            // The characters of the row, left to right: the second number ends at the sixth.
            std::vector<const DrawOp*> zeichen;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && op.points[0].y() == z.textY) zeichen.push_back(&op);
            ASSERT_EQ(zeichen.size(), size_t(z.text.size()));
            const int von = zeichen[4]->points[0].x(), bis = zeichen[5]->points[0].x();
            const int fuss = z.textY - zeichen[5]->font.height;
            int links = 0, rechts = 0;
            for (const DrawOp* bein : beine) {
                const QPoint oben = bein->points.first(), unten = bein->points.last();
                if (oben.y() > fuss || oben.y() < fuss - 30) continue;
                EXPECT_GT(oben.x(), von);
                EXPECT_LE(oben.x(), bis);
                EXPECT_LT(unten.y(), oben.y());
                (unten.x() < oben.x() ? links : rechts)++;
            }
            EXPECT_EQ(links, 1);
            EXPECT_EQ(rechts, 1);
        }
    }
    for (const Familie* f : { &bereich10(), &zwischen10und20() }) {
        const Svseite seite([&](Canvas& c) { zeichnen(c, blatt(*f, { 12, 23, 34 }, { 3 }, 0, false)); });
        for (const DrawOp& op : seite.ops)
            EXPECT_NE(op.kind, DrawOp::Kind::Polyline);
    }
}

// A picture of the number space beside every row, or between the two tasks of every pair, and nowhere else.
TEST(FamilienblattTest, EveryRowOrPairHasOnePictureAndNoPictureStandsElsewhere)
{
    const std::vector<int> codes10 { 12, 23, 34, 45, 11, 54, 43, 32, 21, 13 };
    const std::vector<int> codes20 { 1403, 1205, 1902, 1001, 1110, 1503, 1604, 1306, 1702, 1801 };
    for (const Familie* f : { &bereich10(), &zwischen10und20(), &zehneruebergang() })
        for (int grafik = 0; grafik <= 2; ++grafik)
            for (const bool geteilt : { false, true }) {
                SCOPED_TRACE(
                    testing::Message() << f->titel.toStdString() << ", picture " << grafik << ", halves " << geteilt);
                const Blatt b = blatt(*f, f->faktor == 100 ? codes20 : codes10, { 10 }, grafik, geteilt);
                const bool paare = geteilt && f->paare;
                ASSERT_EQ(b.zeilen.size(), 10u);
                // Each row's (or pair's) band: around its text, or between the pair's two texts (down to the top of the
                // lower one's letters).
                std::vector<std::pair<int, int>> baender; // (lower, upper)
                for (size_t r = 0; r < (paare ? 5u : 10u); ++r) {
                    const Zeile& z = b.zeilen[r];
                    if (paare)
                        baender.push_back({ b.zeilen[r + 5].textY - 30, z.textY - 75 });
                    else
                        baender.push_back({ z.textY - 37 - 100, z.textY - 37 + 100 });
                }
                const Svseite seite([&](Canvas& c) { zeichnen(c, b); });
                std::vector<int> teile(baender.size());
                for (const DrawOp& op : seite.ops) {
                    if (op.kind == DrawOp::Kind::Text) continue;
                    int oben = -(1 << 20), unten = 1 << 20, links = 1 << 20, rechts = -(1 << 20);
                    for (const QPoint& p : op.points) {
                        oben = std::max(oben, p.y());
                        unten = std::min(unten, p.y());
                        links = std::min(links, p.x());
                        rechts = std::max(rechts, p.x());
                    }
                    if (rechts - links >= 1800) continue; // the cut line
                    const int mitte = (oben + unten) / 2;
                    int treffer = 0;
                    for (size_t r = 0; r < baender.size(); ++r)
                        if (mitte >= baender[r].first && mitte <= baender[r].second) {
                            ++teile[r];
                            ++treffer;
                        }
                    EXPECT_EQ(treffer, 1) << "at " << mitte;
                }
                EXPECT_GT(teile[0], 0);
                EXPECT_EQ(teile, std::vector<int>(baender.size(), teile[0]));
            }
}

// Each sheet's title line, with the blanks that set its name blank apart, and the job named by the menu's button the
// sheet was chosen by.
TEST_F(FamilienblattDruckTest, EachSheetHasItsTitleLineAndNamesItsJobByIt)
{
    const struct {
        const Familie& f;
        const char *zeile, *job;
        int x;
    } soll[] = {
        { bereich10(), "Raum 10            Name: _______________", "+ und - im Bereich bis 10", 200 },
        { zwischen10und20(), "zwischen 10 und 20        Name: _______________", "zwischen 10 und 20", 160 },
        { zehneruebergang(), "Zehnerübergang     Name: _______________", "Zehnerübergang", 160 },
    };
    for (const auto& s : soll) {
        drucken(blatt(s.f, { 12 }, { 1 }, 0, false), 1);
        EXPECT_EQ(texte().first(), QStringLiteral("%1@%2,-130").arg(QString::fromUtf8(s.zeile)).arg(s.x));
        for (const DrawOp& op : printer().recorded().last().pages[0])
            if (op.kind == DrawOp::Kind::Text) {
                EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Left);
                break;
            }
        EXPECT_EQ(printer().recorded().last().title, QString::fromUtf8(s.job));
    }
}

// Every row is numbered once, the number just left of its task and on its height; pairs number their upper task.
TEST(FamilienblattTest, EveryRowOrPairIsNumberedOnceBesideItsTask)
{
    const std::vector<int> codes10 { 12, 23, 34, 45, 11, 54, 43, 32, 21, 13 };
    const std::vector<int> codes20 { 1403, 1205, 1902, 1001, 1110, 1503, 1604, 1306, 1702, 1801 };
    for (const Familie* f : { &bereich10(), &zwischen10und20(), &zehneruebergang() })
        for (const bool geteilt : { false, true }) {
            SCOPED_TRACE(testing::Message() << f->titel.toStdString() << ", halves " << geteilt);
            const Blatt b = blatt(*f, f->faktor == 100 ? codes20 : codes10, { 4, 3, 3 }, 0, geteilt);
            const Svseite seite([&](Canvas& c) { zeichnen(c, b); });
            static const QRegularExpression muster(QStringLiteral("^(\\d+)\\)$"));
            std::map<int, const DrawOp*> nummern;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && muster.match(op.text).hasMatch()) {
                    const int n = muster.match(op.text).captured(1).toInt();
                    EXPECT_EQ(nummern.count(n), 0u) << n;
                    nummern[n] = &op;
                }
            const size_t zeilen = geteilt && f->paare ? 5 : 10;
            ASSERT_EQ(nummern.size(), zeilen);
            for (size_t r = 0; r < zeilen; ++r) {
                ASSERT_EQ(nummern.count(int(r) + 1), 1u) << r + 1;
                const DrawOp& n = *nummern[int(r) + 1];
                // The row's first character: where its task starts.
                const DrawOp* erstes = nullptr;
                for (const DrawOp& op : seite.ops)
                    if (op.kind == DrawOp::Kind::Text && op.points[0].y() == b.zeilen[r].textY
                        && (!erstes || op.points[0].x() < erstes->points[0].x()))
                        erstes = &op;
                ASSERT_TRUE(erstes);
                const int luecke = textspanne(*erstes).first - 36 - textspanne(n).second;
                EXPECT_GE(luecke, 0) << r + 1;
                EXPECT_LT(luecke, 100) << r + 1;
                EXPECT_LE(n.points[0].y(), erstes->points[0].y()) << r + 1;
                EXPECT_GE(n.points[0].y() - n.font.height, erstes->points[0].y() - erstes->font.height) << r + 1;
            }
        }
}

// Only half pages are cut; a whole page and a page of pairs list every solution under "Ergebnisse:", ascending, and
// the pictures reach to 20 on the sheets of the space up to 20.
TEST(FamilienblattTest, WholePagesAndPairsHaveNoCutLineAndOneStripOfEverySolution)
{
    const std::vector<int> codes10 { 12, 23, 34, 45, 11, 54, 43, 32, 21, 13 };
    const std::vector<int> codes20 { 1403, 1205, 1902, 1001, 1110, 1503, 1604, 1306, 1702, 1801 };
    for (const Familie* f : { &bereich10(), &zwischen10und20(), &zehneruebergang() })
        for (const bool geteilt : { false, true }) {
            SCOPED_TRACE(testing::Message() << f->titel.toStdString() << ", halves " << geteilt);
            const Blatt b = blatt(*f, f->faktor == 100 ? codes20 : codes10, { 4, 3, 3 }, 0, geteilt);
            const Svseite seite([&](Canvas& c) { zeichnen(c, b); });
            int schnitte = 0, kreise = 0;
            for (const DrawOp& op : seite.ops) {
                if (op.kind == DrawOp::Kind::Line && std::abs(op.points[1].x() - op.points[0].x()) >= 1800) ++schnitte;
                if (op.kind == DrawOp::Kind::Ellipse) ++kreise;
            }
            EXPECT_EQ(schnitte, geteilt && !f->paare ? 1 : 0);
            EXPECT_EQ(kreise, int(b.bildY.size()) * (f == &bereich10() ? 10 : 20));
            if (geteilt && !f->paare) continue;
            // One strip: the label, then every solution, read left to right ascending.
            const QStringList etiketten = seite.texte().filter(QRegularExpression("^Ergebnisse:@"));
            ASSERT_EQ(etiketten.size(), 1);
            std::map<int, int> reihe;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && op.points[0].y() == seite.ergebniszeile()
                    && op.text != QStringLiteral("Ergebnisse:"))
                    reihe[op.points[0].x()] = op.text.toInt();
            std::vector<int> gelesen, soll = b.ergebnisliste;
            for (const auto& [x, wert] : reihe)
                gelesen.push_back(wert);
            std::sort(soll.begin(), soll.end());
            EXPECT_EQ(gelesen, soll);
        }
}
