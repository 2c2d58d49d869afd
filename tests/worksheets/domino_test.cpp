#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"
#include "svseite.h"
#include "worksheets/a_bldomi.h"
#include "worksheets/a_domino.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

using namespace domino;

namespace {

std::vector<int> links(const Steine& s)
{
    std::vector<int> l;
    for (const Stein& st : s)
        l.push_back(st.links);
    std::sort(l.begin(), l.end());
    return l;
}

std::vector<int> rechts(const Steine& s)
{
    std::vector<int> r;
    for (const Stein& st : s)
        r.push_back(st.rechts);
    std::sort(r.begin(), r.end());
    return r;
}

// Every right half leads by the rule to the next left half, the twelfth back to the first.
template <typename Regel> void ringSchliesst(const Blatt& b, Regel folgt)
{
    for (size_t i = 0; i < 12; ++i)
        ASSERT_TRUE(folgt(b.ring[i].rechts, b.ring[(i + 1) % 12].links)) << b.art << " " << b.wert << " at " << i;
    EXPECT_EQ(b.steine[0], b.ring[0]);
    std::vector<std::pair<int, int>> s, r;
    for (size_t i = 0; i < 12; ++i) {
        s.emplace_back(b.steine[i].links, b.steine[i].rechts);
        r.emplace_back(b.ring[i].links, b.ring[i].rechts);
    }
    std::sort(s.begin(), s.end());
    std::sort(r.begin(), r.end());
    EXPECT_EQ(s, r);
}

} // namespace

TEST(DominoLogik, EverySumClosesItsRingWithoutDoublesOwnSumsOrEqualDominoes)
{
    for (int summe = 6; summe <= 100; ++summe)
        for (std::uint32_t samen = 1; samen <= 4; ++samen) {
            RandSeed(samen * 100 + std::uint32_t(summe));
            const Blatt b = erzeugen(Summe, summe, 0);
            ringSchliesst(b, [summe](int r, int l) { return r + l == summe; });
            for (size_t i = 0; i < 12; ++i) {
                EXPECT_NE(b.ring[i].links, b.ring[i].rechts);
                EXPECT_NE(b.ring[i].links + b.ring[i].rechts, summe);
                for (size_t j = i + 1; j < 12; ++j) {
                    EXPECT_FALSE(b.ring[i] == b.ring[j]);
                    EXPECT_FALSE(b.ring[i].links == b.ring[j].rechts && b.ring[i].rechts == b.ring[j].links);
                }
            }
            if (summe == 6) {
                EXPECT_EQ(links(b.ring), (std::vector<int> { 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6 }));
                EXPECT_EQ(rechts(b.ring), links(b.ring));
            }
            if (summe == 12) EXPECT_EQ(links(b.ring), (std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }));
        }
}

TEST(DominoLogik, ASetWithoutARingIsGivenUpAfterItsShuffles)
{
    Steine satz;
    for (size_t i = 0; i < 12; ++i)
        satz[i] = i < 7 ? Stein { 3, 8 } : Stein { int(i), 11 - int(i) };
    Steine steine, ring;
    RandSeed(1);
    EXPECT_FALSE(summenring(satz, 11, 2000, steine, ring));
}

TEST(DominoLogik, PlusMinusTimesAndDivideFollowTheirRule)
{
    for (std::uint32_t samen = 1; samen <= 20; ++samen) {
        RandSeed(samen);
        const Blatt plus = erzeugen(Plus, 9, 20);
        ringSchliesst(plus, [](int r, int l) { return l == r + 9; });
        EXPECT_EQ(links(plus.ring), (std::vector<int> { 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20 }));
        EXPECT_EQ(rechts(plus.ring), (std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }));
        const Blatt minus = erzeugen(Minus, 50, 100);
        ringSchliesst(minus, [](int r, int l) { return l == r - 50; });
        for (const Stein& s : minus.ring)
            EXPECT_TRUE(s.links < 100 && s.rechts < 100);
        const Blatt mal = erzeugen(Mal, 9, 0);
        ringSchliesst(mal, [](int r, int l) { return l == r * 9; });
        EXPECT_EQ(links(mal.ring).back(), 99);
        const std::vector<int> nullBisElf { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 };
        EXPECT_EQ(rechts(mal.ring), nullBisElf);
        const Blatt geteilt = erzeugen(Geteilt, 7, 0);
        ringSchliesst(geteilt, [](int r, int l) { return r % 7 == 0 && l == r / 7; });
        EXPECT_EQ(links(geteilt.ring), nullBisElf);
    }
    EXPECT_EQ(regeltext(Summe, 12), "2 Nachbarn ergeben: 12");
    EXPECT_EQ(regeltext(Plus, 9), "ringsherum immer + 9");
    EXPECT_EQ(regeltext(Geteilt, 3), "ringsherum immer : 3");
}

using DominoFenster = DruckTest;

TEST_F(DominoFenster, ChoiceInputAndPrintStates)
{
    TForm26 form;
    form.Edit8->setText("4");
    zeigen(form, [&] {
        grabToPng(&form, "a_domino_wahl");
        form.Button1->Click();
        EXPECT_EQ(form.Edit8->text(), "1");
        EXPECT_FALSE(form.Button2->isVisible());
        EXPECT_FALSE(form.Button5->isVisible());
        EXPECT_TRUE(form.Panel2->isVisible());
        for (const char* text : { "5", "101", "6", "100" }) {
            tippen(form.Edit1, text);
            const bool gut = QString(text) == "6" || QString(text) == "100";
            EXPECT_EQ(form.Button8->isVisible(), gut) << text;
            EXPECT_EQ(form.Panel1->isVisible(), gut) << text;
        }
        tippen(form.Edit1, "12");
        tippen(form.Edit8, "3");
        grabToPng(&form, "a_domino_summe");
        form.Button8->Click();
        form.Button4->Click();
        EXPECT_TRUE(form.Button5->isVisible());
        EXPECT_FALSE(form.Panel2->isVisible());
        EXPECT_EQ(form.Edit1->text(), "");

        form.Button2->Click();
        tippen(form.Edit3, "50");
        EXPECT_FALSE(form.Edit2->isVisible());
        EXPECT_TRUE(form.Button8->isVisible());
        tippen(form.Edit2, "9");
        EXPECT_FALSE(form.Edit3->isVisible());
        grabToPng(&form, "a_domino_summand");
        form.Button4->Click();

        form.Button6->Click();
        EXPECT_EQ(form.Label6->caption(), "Domino-Faktor");
        tippen(form.Edit4, "1");
        EXPECT_EQ(form.Edit4->text(), "");
        tippen(form.Edit4, "9");
        grabToPng(&form, "a_domino_faktor");
        form.Button8->Click();
        form.Button4->Click();
        form.Button5->Click();
        form.Button4->Click();
    });
    EXPECT_FALSE(form.isVisible());
    const QList<Printer::Document>& jobs = printer().recorded();
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_EQ(jobs[0].copies, 3);
    EXPECT_TRUE(jobs[0].pageTexts().first().join("\n").contains("2 Nachbarn ergeben: 12"));
    EXPECT_EQ(jobs[1].copies, 1);
    EXPECT_EQ(jobs[2].copies, 1);
    EXPECT_TRUE(jobs[2].pageTexts().first().join("\n").contains("ringsherum immer: ............."));
    // Each printout named by the button its kind was chosen by.
    EXPECT_EQ(jobs[0].title, "Domino 2 Nachbarn haben die gleiche Summe");
    EXPECT_EQ(jobs[1].title, "Domino immer der gleiche Faktor");
    EXPECT_EQ(jobs[2].title, "leere Domino-Vorlage");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(DominoFenster, EveryKindAndTheTemplatePrint)
{
    const std::pair<int, int> faelle[] = { { Summe, 8 }, { Plus, 9 }, { Minus, 25 }, { Mal, 4 }, { Geteilt, 6 } };
    for (const auto& [art, wert] : faelle) {
        RandSeed(art);
        const Blatt b = erzeugen(art, wert, 100);
        printer().beginDoc(QStringLiteral("Domino"));
        draw(printer().canvas(), b);
        printer().endDoc();
        Printer::writePdf(printer().lastDocument(), QStringLiteral(TAVI_TEST_OUTPUT "/domino_%1.pdf").arg(art));
    }
    printer().beginDoc(QStringLiteral("Domino-Vorlage"));
    bldomi::leereVorlage(printer().canvas());
    printer().endDoc();
    Printer::writePdf(printer().lastDocument(), QStringLiteral(TAVI_TEST_OUTPUT "/domino_vorlage.pdf"));
}

TEST(DominoLogik, TheSheetPrintsEveryStoneOnceAndTheWholeRingAtItsFoot)
{
    for (int art : { Summe, Plus, Minus, Mal, Geteilt }) {
        RandSeed(std::uint32_t(art));
        const Blatt b = erzeugen(art, art == Summe ? 12 : art == Minus ? 5 : 4, 20);
        const Svseite seite([&](Canvas& c) { draw(c, b); });
        // The numbers of each printed line, left to right, taken two by two as stones.
        std::map<int, std::map<int, int>> zeilen;
        for (const DrawOp& op : seite.ops) {
            bool zahl = false;
            const int n = op.text.toInt(&zahl);
            if (op.kind == DrawOp::Kind::Text && zahl) zeilen[op.points[0].y()][op.points[0].x()] = n;
        }
        std::vector<std::pair<int, int>> gitter, fuss, soll, ring;
        for (const auto& [y, zeile] : zeilen) {
            std::vector<int> z;
            for (const auto& [x, n] : zeile)
                z.push_back(n);
            ASSERT_EQ(z.size() % 2, 0u) << "line " << y;
            auto& ziel = z.size() == 24 ? fuss : gitter;
            if (z.size() != 24 && z.size() != 8) continue;
            for (size_t i = 0; i < z.size(); i += 2)
                ziel.emplace_back(z[i], z[i + 1]);
        }
        for (size_t i = 0; i < 12; ++i) {
            soll.emplace_back(b.steine[i].links, b.steine[i].rechts);
            ring.emplace_back(b.ring[i].links, b.ring[i].rechts);
        }
        EXPECT_EQ(fuss, ring) << "kind " << art;
        // The stones to cut out are shuffled: in ring order the sheet would give its solution away.
        EXPECT_NE(soll, ring) << "kind " << art;
        std::sort(gitter.begin(), gitter.end());
        std::sort(soll.begin(), soll.end());
        EXPECT_EQ(gitter, soll) << "kind " << art;
    }
}

TEST(DominoLogik, EachKindTakesTheNumbersItsWindowOffers)
{
    struct Fall {
        int art, bereich, zu_klein, kleinster, groesster, zu_gross;
    };
    const Fall faelle[] = {
        { Summe, 0, 5, 6, 100, 101 },
        { Plus, 20, 0, 1, 9, 10 },
        { Minus, 20, 0, 1, 9, 10 },
        { Plus, 100, 0, 1, 50, 51 },
        { Minus, 100, 0, 1, 50, 51 },
        { Mal, 0, 1, 2, 9, 10 },
        { Geteilt, 0, 1, 2, 9, 10 },
    };
    for (const Fall& f : faelle) {
        EXPECT_FALSE(gueltig(f.art, f.zu_klein, f.bereich)) << f.art << "/" << f.bereich;
        EXPECT_TRUE(gueltig(f.art, f.kleinster, f.bereich)) << f.art << "/" << f.bereich;
        EXPECT_TRUE(gueltig(f.art, f.groesster, f.bereich)) << f.art << "/" << f.bereich;
        EXPECT_FALSE(gueltig(f.art, f.zu_gross, f.bereich)) << f.art << "/" << f.bereich;
    }
    EXPECT_EQ(regeltext(Minus, 25), "ringsherum immer - 25");
    EXPECT_EQ(regeltext(Mal, 4), "ringsherum immer    4");
}

TEST(DominoLogik, TheSmallSumsHaveTheirFixedSetsAndTheLargerOnesDrawTheirHalvesInRange)
{
    // The sets of the sums 6 to 10 as left halves | right halves, sorted.
    const auto satz = [](const Steine& s) {
        QStringList l, r;
        for (int v : links(s))
            l << QString::number(v);
        for (int v : rechts(s))
            r << QString::number(v);
        return l.join(u' ') + " | " + r.join(u' ');
    };
    std::set<QString> zehn;
    for (std::uint32_t samen = 1; samen <= 20; ++samen) {
        RandSeed(samen);
        zehn.insert(satz(summensatz(10)));
    }
    EXPECT_EQ(satz(summensatz(6)), "0 1 1 2 2 3 3 4 4 5 5 6 | 0 1 1 2 2 3 3 4 4 5 5 6");
    EXPECT_EQ(satz(summensatz(7)), "0 1 2 2 3 3 4 4 5 5 6 7 | 0 1 2 2 3 3 4 4 5 5 6 7");
    EXPECT_EQ(satz(summensatz(8)), "0 1 1 2 2 3 3 4 5 6 7 8 | 0 1 2 3 4 5 5 6 6 7 7 8");
    EXPECT_EQ(satz(summensatz(9)), "0 1 2 2 3 3 4 5 6 7 8 9 | 0 1 2 3 4 5 6 6 7 7 8 9");
    EXPECT_EQ(zehn,
        (std::set<QString> { "0 1 2 3 4 5 6 6 7 8 9 10 | 0 1 2 3 4 4 5 6 7 8 9 10",
            "0 1 2 3 4 5 6 7 7 8 9 10 | 0 1 2 3 3 4 5 6 7 8 9 10" }));

    // Drawn sets: each domino's halves make the sum; the left halves from 0 up to 14, from 2 above; all
    // different from 12 on, never half the sum from 13 on.
    PinRandomSeed(51);
    QStringList alle;
    bool elfDoppelt = false;
    // Twelve different halves among 12 or 13 values take many draws of a set: few sets of those sums.
    for (const auto& [summe, saetze] : { std::pair { 11, 300 }, std::pair { 13, 10 }, std::pair { 14, 10 },
             std::pair { 16, 1 }, std::pair { 40, 300 } }) {
        std::set<int> werte;
        for (int n = 0; n < saetze; ++n) {
            const Steine s = summensatz(summe);
            std::set<int> verschieden;
            for (const Stein& st : s) {
                ASSERT_EQ(st.links + st.rechts, summe);
                werte.insert(st.links);
                verschieden.insert(st.links);
            }
            if (summe >= 12) ASSERT_EQ(verschieden.size(), 12u) << summe;
            if (summe == 11) elfDoppelt = elfDoppelt || verschieden.size() < 12;
        }
        Wertebereiche w;
        for (int v : werte)
            w(QString::number(summe), v);
        alle << w.text();
    }
    EXPECT_TRUE(elfDoppelt);
    EXPECT_EQ(alle.join(u'\n').toStdString(), "11 0-10\n13 0-12\n14 0-6,8-13\n16 2-7,9-14\n40 2-19,21-38");
}

TEST(DominoLogik, PlusAndMinusDrawTheirHalvesFromTheWholeRangeAndTimesAndDivideNeverStartAtZero)
{
    PinRandomSeed(53);
    QStringList alle;
    for (const auto& [art, wert, bereich] : { std::tuple { Plus, 1, 20 }, std::tuple { Minus, 1, 20 },
             std::tuple { Plus, 3, 100 }, std::tuple { Minus, 50, 100 } }) {
        std::set<int> l, r;
        for (int n = 0; n < 150; ++n) {
            const Blatt b = erzeugen(art, wert, bereich);
            for (const Stein& s : b.ring) {
                l.insert(s.links);
                r.insert(s.rechts);
            }
        }
        alle << QStringLiteral("%1 %2 bis %3: links %4-%5, rechts %6-%7")
                    .arg(art == Plus ? "+" : "-")
                    .arg(wert)
                    .arg(bereich)
                    .arg(*l.begin())
                    .arg(*l.rbegin())
                    .arg(*r.begin())
                    .arg(*r.rbegin());
    }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "+ 1 bis 20: links 1-20, rechts 0-19\n"
        "- 1 bis 20: links 0-19, rechts 1-20\n"
        "+ 3 bis 100: links 3-99, rechts 0-96\n"
        "- 50 bis 100: links 0-49, rechts 50-99");
    // The first domino is printed in the ring as the start: its left half is never 0.
    for (std::uint32_t samen = 1; samen <= 200; ++samen) {
        RandSeed(samen);
        EXPECT_NE(erzeugen(Mal, 3, 0).ring[0].links, 0) << samen;
        EXPECT_NE(erzeugen(Geteilt, 3, 0).ring[0].links, 0) << samen;
    }
}

TEST(DominoLogik, EverySheetShufflesTheLeftAndTheRightHalvesAnew)
{
    // In the order of the set a sheet would give its dominoes away: each sheet has its own order of the left
    // halves and of the right halves on the dominoes to cut out.
    for (int summe : { 6, 8, 10, 30 }) {
        std::set<std::vector<int>> linke, rechte;
        for (std::uint32_t samen = 1; samen <= 10; ++samen) {
            RandSeed(samen);
            const Blatt b = erzeugen(Summe, summe, 0);
            std::vector<int> l, r;
            for (const Stein& s : b.steine) {
                l.push_back(s.links);
                r.push_back(s.rechts);
            }
            linke.insert(l);
            rechte.insert(r);
        }
        EXPECT_GE(linke.size(), 8u) << summe;
        EXPECT_GE(rechte.size(), 8u) << summe;
    }
}

TEST(DominoLogik, EveryNumberStandsCentredInItsOwnHalfOfADominoOnThePage)
{
    for (int art : { Summe, Plus, Mal }) {
        RandSeed(std::uint32_t(art + 10));
        const Blatt b = erzeugen(art, art == Summe ? 60 : art == Plus ? 40 : 9, 100);
        const Svseite seite([&](Canvas& c) { draw(c, b); });
        std::vector<QRect> felder; // left, top, right, bottom (y up)
        std::vector<std::pair<int, std::pair<int, int>>> teiler; // x, y from .. to
        bool name = false;
        for (const DrawOp& op : seite.ops) {
            if (op.kind == DrawOp::Kind::Rectangle) felder.push_back(QRect(op.points[0], op.points[1]));
            if (op.kind == DrawOp::Kind::Line && op.points[0].x() == op.points[1].x())
                teiler.push_back({ op.points[0].x(),
                    { std::min(op.points[0].y(), op.points[1].y()), std::max(op.points[0].y(), op.points[1].y()) } });
            name = name || (op.kind == DrawOp::Kind::Text && op.text.startsWith(QStringLiteral("Name: _")));
        }
        EXPECT_TRUE(name) << "kind " << art;
        int zahlen = 0;
        for (const DrawOp& op : seite.ops) {
            bool zahl = false;
            op.text.toInt(&zahl);
            if (op.kind != DrawOp::Kind::Text || !zahl) continue;
            ++zahlen;
            EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Center) << op.toString().toStdString();
            const auto [links, rechts] = textspanne(op);
            const int y = op.points[0].y() - 20;
            bool drin = false;
            for (const QRect& f : felder)
                drin = drin || (f.left() <= links && rechts <= f.right() && y < f.top() && y > f.bottom());
            EXPECT_TRUE(drin) << op.toString().toStdString();
            for (const auto& [x, hoehe] : teiler)
                EXPECT_FALSE(x > links && x < rechts && y > hoehe.first && y < hoehe.second)
                    << op.toString().toStdString() << " crosses the line at " << x;
        }
        EXPECT_EQ(zahlen, 2 * (12 + 1 + 12)) << "kind " << art;
    }
}
