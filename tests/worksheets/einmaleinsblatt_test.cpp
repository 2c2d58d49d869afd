#include "blattfixture.h"
#include "platform/random.h"
#include "svseite.h"
#include "worksheets/a_1x1_f1.h"
#include "worksheets/a_1x1_f2.h"
#include "worksheets/a_knk2.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/einmaleins_logik.h"

#include <set>

class EinmaleinsblattTest : public BlattTest {
protected:
    // Ticks the factors given, as clicks would.
    static void faktoren(ListBox* box, const std::set<int>& faktoren)
    {
        std::set<int> items;
        for (int f : faktoren)
            items.insert(f - 2);
        ankreuzen(box, items);
    }
};

TEST_F(EinmaleinsblattTest, KnobelkaestenOfTheSmallTableNeedAsManyTasksAsABoxHoldsAndResetOnActivation)
{
    TForm25 form;
    zeigen(form, [&] {
        EXPECT_EQ(form.vorrat().groesse(), 81);
        faktoren(form.ListBox1, { 3 });
        faktoren(form.ListBox2, { 2, 3, 4, 5, 6, 7, 8, 9 });
        EXPECT_EQ(form.Label22->caption(), " bildbare Aufgaben:  8 ");
        EXPECT_TRUE(form.Button2->isEnabled());
        form.Edit8->clear();
        grabToPng(&form, "a_knk2");
        form.Button2->Click();
        EXPECT_EQ(form.Edit8->text(), "1");
        EXPECT_EQ(form.Button2->caption(), "drucken");
        faktoren(form.ListBox2, { 7 });
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(form.RadioGroup3->button(i), Qt::LeftButton);
            EXPECT_FALSE(form.Button2->isEnabled());
        }
        QTest::mouseClick(form.RadioGroup2->button(3), Qt::LeftButton);
        form.Button1->Click();
    });
    const knobel::Kastenblatt& b = form.letztesBlatt();
    EXPECT_EQ(b.loesung[0], std::vector<int>(15, 3));
    EXPECT_TRUE(
        readBytes(dataPath("aw.ina")).contains("1x1felder\r\n-1 3 -1 -1 -1 -1 -1 -1 -1 2 3 4 5 6 7 8 9 -1\r\n"));
    zeigen(form, [&] {
        EXPECT_EQ(form.RadioGroup2->ItemIndex(), 0);
        EXPECT_EQ(form.RadioGroup3->ItemIndex(), 1);
        EXPECT_EQ(form.Edit8->text(), "1");
        EXPECT_TRUE(form.ListBox2->Selected(0)); // the printed choice, not the one left unprinted
        form.Button1->Click();
    });

    // A choice saved by one sheet preselects the others, also after a restart.
    TForm21 felder;
    TForm22 hunderter;
    for (Einmaleinsblatt* blatt : std::initializer_list<Einmaleinsblatt*> { &felder, &hunderter })
        zeigen(*blatt, [&] {
            EXPECT_EQ(blatt->vorrat().groesse(), 8);
            blatt->zurueckknopf()->Click();
        });
}

TEST_F(EinmaleinsblattTest, FieldSheetsBuildTheirPoolFromTheListsAlsoWithoutTheSettingsFile)
{
    QFile::remove(dataPath("aw.ina"));
    TForm21 felder;
    zeigen(felder, [&] {
        EXPECT_EQ(felder.Label15->caption(), " bildbare Aufgaben: 0 ");
        EXPECT_FALSE(felder.Button2->isEnabled());
        faktoren(felder.ListBox1, { 4, 7 });
        EXPECT_EQ(felder.Label15->caption(), " bildbare Aufgaben:  2 ");
        EXPECT_TRUE(felder.Button2->isEnabled());
        grabToPng(&felder, "a_1x1_f1");
        felder.Button2->Click();
        felder.Button1->Click();
    });
    for (const auto& f : felder.letztesBlatt().links)
        EXPECT_EQ(f.a, f.b);
    zeigen(felder, [&] {
        EXPECT_EQ(felder.vorrat().groesse(), 2);
        felder.Button1->Click();
    });

    TForm22 hunderter;
    zeigen(hunderter, [&] {
        EXPECT_FALSE(hunderter.Button3->isEnabled());
        faktoren(hunderter.ListBox1, { 3 });
        faktoren(hunderter.ListBox2, { 4, 5 });
        grabToPng(&hunderter, "a_1x1_f2");
        hunderter.Button3->Click();
        hunderter.Button4->Click();
    });
    EXPECT_EQ(printer().recorded().size(), 2);
    QStringList streifen;
    for (const DrawOp& op : printer().recorded().last().pages[0])
        if (op.kind == DrawOp::Kind::Text && op.points[0].y() == -2690) streifen << op.text;
    EXPECT_EQ(streifen, QStringList { "Ergebnisse:" } + QStringList(10, "12") + QStringList(10, "15"));
    EXPECT_FALSE(QFile::exists(dataPath("aw.ina")));
}

TEST_F(EinmaleinsblattTest, EachSheetPrintsEveryTaskItDrewOnceAndListsItsResults)
{
    const std::vector<int> alle = { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    const auto seite = [] { return printer().recorded().last().pages[0]; };
    // The numbers listed after "Ergebnisse:", on its line.
    const auto ergebnisse = [](const QVector<DrawOp>& ops) {
        std::multiset<int> r;
        int y = 1;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Ergebnisse:")) y = op.points[0].y();
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.points[0].y() == y && op.text != QStringLiteral("Ergebnisse:"))
                r.insert(op.text.toInt());
        return r;
    };
    for (int runde = 0; runde < 5; ++runde) {
        blattrahmen::Aufgabenvorrat vorrat;
        vorrat.setzen(einmaleins::paare(alle, alle, false));
        const einmaleins::Hunderterblatt h = einmaleins::hunderterblatt(vorrat);
        ASSERT_EQ(h.aufgaben.size(), 20u);
        einmaleins::drucken(h, 1);
        // A task is its first factor and, on the same line just right of it, "b = __", which starts after the
        // first factor ends, so that the two read apart.
        std::multiset<std::pair<int, int>> gedruckt, gezogen;
        std::multiset<int> produkte;
        const QVector<DrawOp> ops = seite();
        for (const DrawOp& rechts : ops) {
            if (rechts.kind != DrawOp::Kind::Text || !rechts.text.endsWith(QStringLiteral(" = __"))) continue;
            for (const DrawOp& links : ops)
                if (links.kind == DrawOp::Kind::Text && links.points[0].y() == rechts.points[0].y()
                    && links.points[0].x() < rechts.points[0].x() && links.points[0].x() > rechts.points[0].x() - 100) {
                    gedruckt.insert({ links.text.toInt(), rechts.text.chopped(5).toInt() });
                    EXPECT_LT(textspanne(links).second, textspanne(rechts).first) << rechts.text.toStdString();
                }
        }
        for (const einmaleins::Feld& f : h.aufgaben) {
            gezogen.insert({ f.a, f.b });
            produkte.insert(f.a * f.b);
        }
        EXPECT_EQ(gedruckt, gezogen);
        EXPECT_EQ(ergebnisse(ops), produkte);

        // The dot fields: one number and a row-by-column field of dots for each task drawn.
        blattrahmen::Aufgabenvorrat felder;
        felder.setzen(einmaleins::paare(alle, alle, false));
        const einmaleins::Felderblatt b = einmaleins::felderblatt(felder);
        einmaleins::drucken(b, 1);
        int nummern = 0, punkte = 0, soll = 0;
        std::multiset<int> feldprodukte;
        for (const auto* spalte : { &b.links, &b.rechts })
            for (const einmaleins::Feld& f : *spalte) {
                soll += f.a * f.b;
                feldprodukte.insert(f.a * f.b);
            }
        for (const DrawOp& op : seite()) {
            if (op.kind == DrawOp::Kind::Ellipse) ++punkte;
            if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("%1) ").arg(nummern + 1)) ++nummern;
        }
        EXPECT_EQ(nummern, int(b.links.size() + b.rechts.size()));
        EXPECT_GT(nummern, 4);
        EXPECT_EQ(punkte, soll);
        EXPECT_EQ(ergebnisse(seite()), feldprodukte);
    }
}

// Beside every dot field its answer line: from just right of the field's last column, level with its lowest row,
// across to the end of its column of the page.
TEST_F(EinmaleinsblattTest, EveryDotFieldHasItsAnswerLineBesideItsLowestRow)
{
    const std::vector<int> alle = { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    for (std::uint32_t runde = 1; runde <= 5; ++runde) {
        RandSeed(runde);
        blattrahmen::Aufgabenvorrat vorrat;
        vorrat.setzen(einmaleins::paare(alle, alle, false));
        const einmaleins::Felderblatt b = einmaleins::felderblatt(vorrat);
        einmaleins::drucken(b, 1);
        // Per field in drawing order (each starts with its number): its dots and its lines.
        struct Feld {
            QVector<DrawOp> punkte, linien;
        };
        std::vector<Feld> felder;
        for (const DrawOp& op : printer().recorded().last().pages[0]) {
            if (op.kind == DrawOp::Kind::Text && op.text.endsWith(QStringLiteral(") "))) felder.emplace_back();
            if (felder.empty()) continue;
            if (op.kind == DrawOp::Kind::Ellipse) felder.back().punkte << op;
            if (op.kind == DrawOp::Kind::Line) felder.back().linien << op;
        }
        ASSERT_EQ(felder.size(), b.links.size() + b.rechts.size());
        // The columns' dots: the left and right ends of each.
        int linksEnde = -1, rechtsAnfang = 1 << 20;
        for (size_t k = 0; k < felder.size(); ++k)
            for (const DrawOp& p : felder[k].punkte) {
                if (k < b.links.size()) linksEnde = std::max(linksEnde, p.points[1].x());
                if (k >= b.links.size()) rechtsAnfang = std::min(rechtsAnfang, p.points[0].x());
            }
        for (size_t k = 0; k < felder.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "round " << runde << ", field " << k + 1);
            const Feld& f = felder[k];
            ASSERT_EQ(f.linien.size(), 1);
            int rechts = -1, unten = 0;
            for (const DrawOp& p : f.punkte) {
                rechts = std::max(rechts, p.points[1].x());
                unten = std::min(unten, std::min(p.points[0].y(), p.points[1].y()));
            }
            const QPoint von = f.linien[0].points[0], bis = f.linien[0].points[1];
            EXPECT_GT(von.x(), rechts);
            EXPECT_LT(von.x(), rechts + 60);
            for (const QPoint& e : { von, bis }) {
                EXPECT_GE(e.y(), unten);
                EXPECT_LE(e.y(), unten + 25);
            }
            if (k < b.links.size()) {
                EXPECT_GT(bis.x(), linksEnde + 100);
                EXPECT_LT(bis.x(), rechtsAnfang);
            } else
                EXPECT_GT(bis.x(), rechtsAnfang + 700);
        }
    }
}

// On the hundred sheet each task reads "a · b = __": the multiplication dot between its two factors, on their line.
TEST_F(EinmaleinsblattTest, EachTaskOfTheHundredSheetHasItsDotBetweenTheFactors)
{
    const std::vector<int> alle = { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare(alle, alle, false));
    einmaleins::drucken(einmaleins::hunderterblatt(vorrat), 1);
    const QVector<DrawOp> ops = printer().recorded().last().pages[0];
    std::vector<QPoint> punkte; // the middles of the small dots
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Ellipse && std::abs(op.points[1].x() - op.points[0].x()) < 8)
            punkte.push_back((op.points[0] + op.points[1]) / 2);
    int aufgaben = 0;
    for (const DrawOp& rechts : ops) {
        if (rechts.kind != DrawOp::Kind::Text || !rechts.text.endsWith(QStringLiteral(" = __"))) continue;
        ++aufgaben;
        for (const DrawOp& links : ops) {
            if (links.kind != DrawOp::Kind::Text || links.points[0].y() != rechts.points[0].y()
                || links.points[0].x() >= rechts.points[0].x() || links.points[0].x() < rechts.points[0].x() - 100)
                continue;
            const int von = textspanne(links).second, bis = textspanne(rechts).first;
            const int oben = rechts.points[0].y(), unten = oben - rechts.font.height;
            const auto n = std::count_if(punkte.begin(), punkte.end(),
                [&](const QPoint& p) { return p.x() > von && p.x() < bis && p.y() < oben && p.y() > unten; });
            EXPECT_EQ(n, 1) << links.text.toStdString() << " x " << rechts.text.toStdString();
        }
    }
    EXPECT_EQ(aufgaben, 20);
    EXPECT_EQ(punkte.size(), 20u);
}

// A column takes fields as long as they fit its height, the last one too when it fills the column exactly: a
// field that fits is never pushed to the other column or the next sheet.
TEST_F(EinmaleinsblattTest, AColumnTakesEveryFieldThatFitsUpToItsFullHeight)
{
    // One round of eleven fields: eight of three rows and three of two fill a column to the last unit, in any
    // order; with a ninth field of three rows for one of two, the eleventh no longer fits.
    const std::vector<int> genau = { 302, 303, 304, 305, 306, 307, 308, 309, 202, 203, 204 };
    std::vector<int> zuHoch = genau;
    zuHoch.back() = 310;
    for (int runde = 0; runde < 20; ++runde) {
        RandSeed(std::uint32_t(runde + 1));
        blattrahmen::Aufgabenvorrat vorrat;
        vorrat.setzen(genau);
        const einmaleins::Felderblatt voll = einmaleins::felderblatt(vorrat);
        EXPECT_EQ(voll.links.size(), genau.size()) << "round " << runde;

        vorrat.setzen(zuHoch);
        const einmaleins::Felderblatt knapp = einmaleins::felderblatt(vorrat);
        EXPECT_EQ(knapp.links.size(), zuHoch.size() - 1) << "round " << runde;
        // The one left over opens the other column.
        ASSERT_FALSE(knapp.rechts.empty());
        std::multiset<int> alle { knapp.rechts.front().a * 100 + knapp.rechts.front().b };
        for (const einmaleins::Feld& f : knapp.links)
            alle.insert(f.a * 100 + f.b);
        EXPECT_EQ(alle, std::multiset<int>(zuHoch.begin(), zuHoch.end()));
    }
}

// Under the fields the results line starts at the margin the title starts at, not out at the paper's edge, and
// each result, the next larger, stands clear to the right of the one before.
TEST_F(EinmaleinsblattTest, TheResultsLineStartsAtTheTitlesMarginAndEachResultFollowsTheLast)
{
    const std::vector<int> alle = { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    blattrahmen::Aufgabenvorrat hundert, felder;
    hundert.setzen(einmaleins::paare(alle, alle, false));
    felder.setzen(einmaleins::paare(alle, alle, false));
    einmaleins::drucken(einmaleins::hunderterblatt(hundert), 1);
    einmaleins::drucken(einmaleins::felderblatt(felder), 1);
    ASSERT_EQ(printer().recorded().size(), 2);
    for (const Printer::Document& doc : printer().recorded()) {
        const QVector<DrawOp>& ops = doc.pages[0];
        const auto text = [&](const QString& teil) {
            for (const DrawOp& op : ops)
                if (op.kind == DrawOp::Kind::Text && op.text.contains(teil)) return op;
            ADD_FAILURE() << "no " << teil.toStdString();
            return DrawOp {};
        };
        const DrawOp titel = text("Name:"), etikett = text("Ergebnisse:");
        if (etikett.points.isEmpty() || titel.points.isEmpty()) continue;
        EXPECT_EQ(textspanne(etikett).first, textspanne(titel).first) << doc.title.toStdString();
        int rechts = textspanne(etikett).second;
        int zahlen = 0, wert = 0;
        for (const DrawOp& op : ops) {
            if (op.kind != DrawOp::Kind::Text || op.points[0].y() != etikett.points[0].y() || op.text == etikett.text)
                continue;
            const auto [von, bis] = textspanne(op);
            EXPECT_GT(von, rechts) << op.text.toStdString() << " in " << doc.title.toStdString();
            EXPECT_GE(op.text.toInt(), wert) << doc.title.toStdString(); // ascending
            wert = op.text.toInt();
            rechts = bis;
            ++zahlen;
        }
        EXPECT_GE(zahlen, 5) << doc.title.toStdString();
    }
}

namespace {

// The sizes of the groups a row of positions falls into: a step wider than the narrowest starts a new group.
std::vector<int> gruppen(std::set<int> orte)
{
    const std::vector<int> o(orte.begin(), orte.end());
    int schritt = 1 << 30;
    for (size_t i = 1; i < o.size(); ++i)
        schritt = std::min(schritt, o[i] - o[i - 1]);
    std::vector<int> g { 1 };
    for (size_t i = 1; i < o.size(); ++i) {
        if (o[i] - o[i - 1] > schritt)
            g.push_back(1);
        else
            ++g.back();
    }
    return g;
}

std::vector<int> inFuenfern(int n)
{
    return n <= 5 ? std::vector<int> { n } : std::vector<int> { 5, n - 5 };
}

} // namespace

// The dots of every field stand in groups of five across and down, so that a pupil can count them at a glance.
TEST_F(EinmaleinsblattTest, TheDotsOfEveryFieldStandInGroupsOfFive)
{
    const std::vector<int> alle = { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    // The dots of one page, in drawing order (the larger marks between two hundred fields left out).
    const auto punkte = [] {
        std::vector<QPoint> p;
        for (const DrawOp& op : printer().recorded().last().pages[0])
            if (op.kind == DrawOp::Kind::Ellipse && op.points[1].x() - op.points[0].x() > 8) p.push_back(op.points[0]);
        return p;
    };
    const auto pruefen = [](const std::vector<QPoint>& feld, int zeilen, int spalten) {
        std::set<int> xs, ys;
        for (const QPoint& q : feld) {
            xs.insert(q.x());
            ys.insert(-q.y()); // from the top down
        }
        EXPECT_EQ(gruppen(xs), inFuenfern(spalten)) << zeilen << " x " << spalten;
        EXPECT_EQ(gruppen(ys), inFuenfern(zeilen)) << zeilen << " x " << spalten;
    };

    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare(alle, alle, false));
    einmaleins::drucken(einmaleins::hunderterblatt(vorrat), 1);
    const std::vector<QPoint> hundert = punkte();
    ASSERT_EQ(hundert.size(), 20u * 100u);
    for (size_t f = 0; f < 20; ++f)
        pruefen({ hundert.begin() + long(100 * f), hundert.begin() + long(100 * (f + 1)) }, 10, 10);

    for (int runde = 0; runde < 5; ++runde) {
        blattrahmen::Aufgabenvorrat felder;
        felder.setzen(einmaleins::paare(alle, alle, false));
        const einmaleins::Felderblatt b = einmaleins::felderblatt(felder);
        einmaleins::drucken(b, 1);
        const std::vector<QPoint> p = punkte();
        size_t i = 0;
        for (const auto* spalte : { &b.links, &b.rechts })
            for (const einmaleins::Feld& f : *spalte) {
                const size_t n = size_t(f.a * f.b);
                ASSERT_LE(i + n, p.size());
                pruefen({ p.begin() + long(i), p.begin() + long(i + n) }, f.a, f.b);
                i += n;
            }
        EXPECT_EQ(i, p.size());
    }
}

// Each sheet's title line, with the blanks that set its name blank apart.
TEST_F(EinmaleinsblattTest, EachSheetHasItsTitleLine)
{
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare({ 3 }, { 4 }, false));
    einmaleins::drucken(einmaleins::felderblatt(vorrat), 1);
    EXPECT_EQ(texte().first(), "1 x 1 - Felder           Name: ________________@200,-130");
    EXPECT_EQ(printer().recorded().last().title, "1 x 1 - Felder");
    einmaleins::drucken(einmaleins::hunderterblatt(vorrat), 1);
    EXPECT_EQ(texte().first(), "1x1 - Felder im 100er      Name: ________________@200,-100");
    EXPECT_EQ(printer().recorded().last().title, "1 x 1 in 100er-Feldern"); // the menu's button
}
