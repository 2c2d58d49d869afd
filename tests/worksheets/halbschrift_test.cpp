#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"
#include "svseite.h"
#include "worksheets/a_hsv_pm.h"
#include "worksheets/a_hsverg.h"

#include <QTest>
#include <map>
#include <set>

using namespace halbschrift;

using Zeilen = std::array<QString, 3>;

TEST(HalbschriftLogik, LineTextsOfEveryPattern)
{
    const Aufgabe plus { 56, 27, 83 };
    EXPECT_EQ(zeilen(Addition, 1, plus), (Zeilen { "56 + 27 = __", "56 + 20 = __", "__ +  7 = __" }));
    EXPECT_EQ(zeilen(Addition, 2, plus), (Zeilen { "56 + 27 = __", "56 + 20 = __", "__ +  _ = __" }));
    EXPECT_EQ(zeilen(Addition, 3, plus), (Zeilen { "56 + 27 = __", "56 + __ = __", "__ +  _ = __" }));
    EXPECT_EQ(zeilen(Addition, 4, plus), (Zeilen { "56 + 27 = __", "__ + __ = __", "__ +  _ = __" }));
    EXPECT_EQ(zeilen(Subtraktion, 1, { 56, 27, 29 })[2], "__ -  7 = __");
    const Aufgabe geteilt { 112, 7, 16 };
    EXPECT_EQ(zeilen(Division, 1, geteilt), (Zeilen { "112 : 7 = __", " 70 : 7 = __", " 42 : 7 =  _" }));
    EXPECT_EQ(zeilen(Division, 4, geteilt), (Zeilen { "112 : 7 = __", "___ : _ = __", " __ : _ =  _" }));
    EXPECT_EQ(zeilen(Division, 1, { 252, 7, 36 })[2], " 42 : 7 =  _");
    EXPECT_EQ(zeilen(Division, 1, { 14, 7, 2 })[2], " 14 : 7 =  _");
    const Aufgabe mal { 3, 12, 36 };
    EXPECT_EQ(zeilen(Multiplikation, 1, mal), (Zeilen { "3   12 = ___", "3   10 = ___", "3    2 = ___" }));
    EXPECT_EQ(zeilen(Multiplikation, 4, mal), (Zeilen { "3   12 = ___", "_   __ = ___", "_    _ = ___" }));
    EXPECT_EQ(zeilen(Multiplikation, 2, mal), (Zeilen { "3   12 = ___", "3   10 = ___", "3    _ = ___" }));
    EXPECT_EQ(zeilen(Multiplikation, 3, mal), (Zeilen { "3   12 = ___", "3   __ = ___", "3    _ = ___" }));
    EXPECT_EQ(zeilen(Division, 2, geteilt), (Zeilen { "112 : 7 = __", " 70 : 7 = __", " __ : 7 =  _" }));
    EXPECT_EQ(zeilen(Division, 3, geteilt), (Zeilen { "112 : 7 = __", "___ : 7 = __", " __ : 7 =  _" }));
    EXPECT_EQ(zeilen(Subtraktion, 3, { 56, 27, 29 }), (Zeilen { "56 - 27 = __", "56 - __ = __", "__ -  _ = __" }));
    EXPECT_EQ(zeilen(Subtraktion, 4, { 56, 27, 29 })[1], "__ - __ = __");

    EXPECT_EQ(ergaenzungszeile({ 56, 34, 90 }), "56 + __ = 90");
    EXPECT_EQ(ergaenzungsschritte(1, { 56, 34, 90 }), (std::array<QString, 2> { "56 +  _ = 60", "60 + __ = 90" }));
    EXPECT_EQ(ergaenzungsschritte(2, { 68, 22, 90 })[0], "68 +  2 = __");
    EXPECT_EQ(ergaenzungsschritte(3, { 68, 22, 90 }), (std::array<QString, 2> { "68 +  _ = _0", "_0 + __ = 90" }));
    EXPECT_EQ(ergaenzungsschritte(5, { 68, 22, 90 }), (std::array<QString, 2> { "__ +  _ = __", "__ + __ = __" }));
    EXPECT_EQ(ergaenzungsschritte(4, { 68, 22, 90 }), (std::array<QString, 2> { "68 +  _ = __", "__ + __ = 90" }));
    EXPECT_EQ(ergaenzungsschritte(2, { 68, 22, 90 })[1], "__ + __ = 90");
}

TEST(HalbschriftLogik, LevelsDecideCarriesAndTheRangeOfTheFactors)
{
    for (std::uint32_t samen = 1; samen <= 30; ++samen) {
        RandSeed(samen);
        for (const Aufgabe& t : erzeugen(Subtraktion, 1)) {
            EXPECT_LE(t.b % 10, t.a % 10);
            EXPECT_EQ(t.a - t.b, t.c);
        }
        for (const Aufgabe& t : erzeugen(Subtraktion, 2))
            EXPECT_GT(t.b % 10, t.a % 10);
        for (const Aufgabe& t : erzeugen(Addition, 2)) {
            EXPECT_GE(t.a % 10 + t.b % 10, 10);
            EXPECT_LT(t.c, 100);
        }
        for (const Aufgabe& t : erzeugen(Multiplikation, 1)) {
            EXPECT_TRUE(t.b >= 11 && t.b <= 19 && t.a >= 2 && t.a <= 9);
            EXPECT_EQ(t.a * t.b, t.c);
        }
        for (const Aufgabe& t : erzeugen(Division, 2)) {
            EXPECT_TRUE(t.c >= 21 && t.c <= 99);
            EXPECT_EQ(t.c * t.b, t.a);
            for (const QString& z : zeilen(Division, 1, t))
                EXPECT_LE(z.size(), 12);
        }
        for (const Aufgabe& t : ergaenzungen()) {
            EXPECT_EQ(t.c % 10, 0);
            EXPECT_TRUE(t.c >= 50 && t.c <= 90 && t.a >= 21 && t.b >= 11) << t.a << "+" << t.b;
        }
    }
}

TEST(HalbschriftLogik, EveryOperationAndLevelKeepsItsDigitsRangesAndUsesEveryDigitTheyAllow)
{
    RandSeed(41);
    QStringList alle;
    for (int rechenart = Addition; rechenart <= Division; ++rechenart)
        for (int stufe = 1; stufe <= 2; ++stufe) {
            Wertebereiche w;
            for (int n = 0; n < 300; ++n)
                for (const Aufgabe& t : erzeugen(rechenart, stufe)) {
                    w.ziffern(QStringLiteral("a"), t.a, 3);
                    w.ziffern(QStringLiteral("b"), t.b, 2);
                    w.ziffern(QStringLiteral("c"), t.c, 3);
                }
            alle << QStringLiteral("%1/%2: ").arg(rechenart).arg(stufe) + w.text();
        }
    Wertebereiche w;
    for (int n = 0; n < 300; ++n)
        for (const Aufgabe& t : ergaenzungen()) {
            w.ziffern(QStringLiteral("a"), t.a, 2);
            w.ziffern(QStringLiteral("b"), t.b, 2);
            w.ziffern(QStringLiteral("c"), t.c, 2);
        }
    alle << QStringLiteral("Ergaenzen: ") + w.text();
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "1/1: aE 1-8, aH 0, aZ 2-7, bE 1-8, bZ 2-7, cE 2-9, cH 0, cZ 4-9\n"
        "1/2: aE 2-9, aH 0, aZ 2-6, bE 2-9, bZ 2-6, cE 1-8, cH 0, cZ 5-9\n"
        "2/1: aE 2-9, aH 0, aZ 4-9, bE 1-8, bZ 2-7, cE 1-8, cH 0, cZ 2-7\n"
        "2/2: aE 1-8, aH 0, aZ 5-9, bE 2-9, bZ 2-6, cE 2-9, cH 0, cZ 2-6\n"
        "3/1: aE 2-9, aH 0, aZ 0, bE 1-9, bZ 1, cE 0-9, cH 0-1, cZ 0-9\n"
        "3/2: aE 2-9, aH 0, aZ 0, bE 1-9, bZ 2-9, cE 0-9, cH 0-8, cZ 0-9\n"
        "4/1: aE 0-9, aH 0-1, aZ 0-9, bE 2-9, bZ 0, cE 1-9, cH 0, cZ 1\n"
        "4/2: aE 0-9, aH 0-8, aZ 0-9, bE 2-9, bZ 0, cE 1-9, cH 0, cZ 2-9\n"
        "Ergaenzen: aE 1-9, aZ 2-6, bE 1-9, bZ 2-6, cE 0, cZ 5-9");
}

using HalbschriftFenster = DruckTest;

TEST_F(HalbschriftFenster, CountsFillTheTwelvePlacesByPatternAndCopiesAreOneJob)
{
    TForm18 form;
    for (int rechenart = Addition; rechenart <= Division; ++rechenart) {
        programmcode = rechenart;
        zeigen(form, [&] {
            tippen(form.Edits[0], "10");
            tippen(form.Edits[3], "1");
            EXPECT_FALSE(form.Button2->isEnabled());
            tippen(form.Edits[3], "5");
            EXPECT_TRUE(form.Button2->isEnabled());
            tippen(form.Edit8, "3");
            form.Button2->Click();
            EXPECT_FALSE(form.Button2->isEnabled());
            form.Button4->Click();
        });
        const Seite& s = form.gedruckt();
        // Pattern 4 on places 10 and 11: the tens step leaves the number open.
        EXPECT_TRUE(s.zeilen[10][1].startsWith("_")) << s.zeilen[10][1].toStdString();
        EXPECT_FALSE(s.zeilen[9][1].startsWith("_")) << s.zeilen[9][1].toStdString();
        EXPECT_EQ(s.malpunkte, rechenart == Multiplikation);
        ASSERT_EQ(printer().recorded().size(), rechenart);
        EXPECT_EQ(printer().recorded().last().copies, 3);
        Printer::writePdf(printer().lastDocument(), QStringLiteral(TAVI_TEST_OUTPUT "/hs_4_%1.pdf").arg(rechenart));
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(HalbschriftFenster, TheCompletingSheetShowsEveryTaskAndStepsByPattern)
{
    TForm19 form;
    zeigen(form, [&] {
        EXPECT_FALSE(form.Button2->isEnabled());
        tippen(form.Edits[0], "8");
        tippen(form.Edits[1], "8");
        form.Button2->Click();
        form.Button4->Click();
    });
    const Seite& s = form.gedruckt();
    for (size_t p = 0; p < 12; ++p) {
        EXPECT_TRUE(s.zeilen[p][0].contains(" + __ = "));
        EXPECT_EQ(s.zeilen[p][2].startsWith("__ + __ = "), p >= 8) << p;
    }
    EXPECT_EQ(printer().recorded().last().copies, 1);
    EXPECT_EQ(printer().recorded().last().title, "halbschriftliches Ergänzen"); // the menu's button
    Printer::writePdf(printer().lastDocument(), QStringLiteral(TAVI_TEST_OUTPUT "/hs_5.pdf"));

    zeigen(form, [&] {
        tippen(form.Edits[4], "12");
        grabToPng(&form, "a_hsverg");
        form.Button2->Click();
        form.Close();
    });
    for (size_t p = 0; p < 12; ++p)
        EXPECT_EQ(form.gedruckt().zeilen[p][1], "__ +  _ = __");
}

TEST_F(HalbschriftFenster, TheMultiplicationDotStandsInTheThirdCell)
{
    Aufgaben a;
    a.fill({ 3, 12, 36 });
    const Seite s = musterseite(Multiplikation, std::vector<int>(12, 1), a);
    printer().beginDoc(QStringLiteral("hs_4"));
    draw(printer().canvas(), s);
    printer().endDoc();
    QList<QPoint> punkte;
    QStringList zeile3;
    for (const DrawOp& op : printer().lastDocument().pages.first()) {
        if (op.kind == DrawOp::Kind::Ellipse) punkte << op.points.first();
        if (op.kind == DrawOp::Kind::Text && op.points.first().y() == -540 && op.points.first().x() < 700)
            zeile3 << op.text;
    }
    EXPECT_EQ(zeile3.join(""), "3    2 = ___");
    EXPECT_TRUE(punkte.contains(QPoint(620, -158)));
    EXPECT_TRUE(punkte.contains(QPoint(335, -570)));
    EXPECT_EQ(punkte.size(), 1 + 36);
    // Every line of every task has its dot beside its own characters: one dot per line.
    std::map<std::pair<int, int>, int> zeilen; // (y, left end of the line's characters) -> dots
    QList<QPoint> zeichen;
    for (const DrawOp& op : printer().lastDocument().pages.first())
        if (op.kind == DrawOp::Kind::Text && op.text.size() == 1 && op.points.first().y() < -300)
            zeichen << op.points.first();
    for (const QPoint& p : punkte.mid(1)) {
        const QPoint* naechstes = nullptr;
        for (const QPoint& z : zeichen)
            if (!naechstes || (z - p).manhattanLength() < (*naechstes - p).manhattanLength()) naechstes = &z;
        ASSERT_NE(naechstes, nullptr);
        EXPECT_LE(std::abs(naechstes->x() - p.x()), 20) << p.x() << "," << p.y();
        EXPECT_LE(std::abs(naechstes->y() - p.y()), 60) << p.x() << "," << p.y();
        int links = naechstes->x();
        for (const QPoint& z : zeichen)
            if (z.y() == naechstes->y() && z.x() < links && naechstes->x() - z.x() < 300) links = z.x();
        ++zeilen[{ naechstes->y(), links }];
    }
    EXPECT_EQ(zeilen.size(), 36u);

    // Every operation with all four patterns, to look at.
    const std::vector<int> alle { 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4 };
    for (int rechenart = Addition; rechenart <= Division; ++rechenart) {
        RandSeed(std::uint32_t(rechenart));
        printer().beginDoc(QStringLiteral("hs_4"));
        draw(printer().canvas(), musterseite(rechenart, alle, erzeugen(rechenart, 2)));
        printer().endDoc();
        Printer::writePdf(
            printer().lastDocument(), QStringLiteral(TAVI_TEST_OUTPUT "/hs_4_muster_%1.pdf").arg(rechenart));
    }
}

// Every place of the twelve: its lines in its own column and row, top to bottom, a separator under its task
// line; the strip lists each task's answer once, sorted.
TEST(HalbschriftLogik, EveryPlaceStandsInItsCellWithItsSeparatorAndTheStripListsEveryAnswer)
{
    RandSeed(11);
    const Aufgaben plus = erzeugen(Addition, 2), ergaenzen = ergaenzungen();
    const std::vector<int> muster { 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4 };
    for (const bool ergaenzung : { false, true }) {
        SCOPED_TRACE(ergaenzung ? "completing" : "patterns");
        const Seite s = ergaenzung ? ergaenzungsseite(muster, ergaenzen) : musterseite(Addition, muster, plus);
        std::multiset<int> antworten;
        for (const Aufgabe& t : ergaenzung ? ergaenzen : plus)
            antworten.insert(ergaenzung ? t.b : t.c);
        EXPECT_EQ(std::multiset<int>(s.ergebnisse.begin(), s.ergebnisse.end()), antworten);
        const Svseite seite([&](Canvas& c) { draw(c, s); });
        // The characters of the body by their row and column of places, each row read left to right.
        std::map<std::pair<int, int>, std::map<int, std::map<int, QString>>> orte; // (row, column) -> y -> x
        std::vector<std::pair<int, int>> trenner; // the separators' y and left end
        for (const DrawOp& op : seite.ops) {
            const QPoint p = op.points[0];
            if (op.kind == DrawOp::Kind::Line && p.y() < -300 && p.y() > -2600) trenner.push_back({ p.y(), p.x() });
            if (op.kind != DrawOp::Kind::Text || op.text.size() != 1 || p.y() > -300 || p.y() < -2600) continue;
            orte[{ (-300 - p.y()) / 390, p.x() / 900 }][-p.y()][p.x()] += op.text;
        }
        for (int place = 0; place < 12; ++place) {
            const auto& zellen = orte[{ place / 2, place % 2 }];
            QStringList zeilen;
            for (const auto& [y, zeichen] : zellen) {
                QString z;
                for (const auto& [x, t] : zeichen)
                    z += t;
                zeilen << z;
            }
            const auto& soll = s.zeilen[size_t(place)];
            ASSERT_EQ(zeilen, (QStringList { soll[0], soll[1], soll[2] })) << "place " << place + 1;
            // Its separator: between the task line and the first step, under the task's characters.
            const int oben = -zellen.begin()->first, unten = -std::next(zellen.begin())->first;
            const int links = zellen.begin()->second.begin()->first;
            const auto n = std::count_if(trenner.begin(), trenner.end(), [&](const std::pair<int, int>& t) {
                return t.first < oben && t.first > unten && std::abs(t.second - links) < 100;
            });
            EXPECT_EQ(n, 1) << "place " << place + 1;
        }
        EXPECT_EQ(trenner.size(), 12u);
        EXPECT_EQ(seite.ergebnisse(), antworten);
    }
    // The title lines, with the operation's sign and the blanks that set the name blank apart.
    const char* titel[] = { "halbschriftlich  +                Name: _____________",
        "halbschriftlich  -                Name: _____________",
        "halbschriftlich                   Name: _____________",
        "halbschriftlich  :                Name: _____________" };
    for (int rechenart = Addition; rechenart <= Division; ++rechenart) {
        const Svseite seite([&](Canvas& c) { draw(c, musterseite(rechenart, {}, plus)); });
        EXPECT_EQ(seite.texte().first().toStdString(), titel[rechenart - 1] + std::string("@200,-130"));
    }
    const Svseite seite([&](Canvas& c) { draw(c, ergaenzungsseite({}, ergaenzen)); });
    EXPECT_EQ(seite.texte().first(), "halbschriftlich ergänzen            Name: _____________@200,-130");
}
