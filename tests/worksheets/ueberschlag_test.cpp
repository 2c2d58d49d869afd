#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"
#include "worksheets/a_ueber.h"
#include "svseite.h"
#include "worksheets/blattdruck.h"

#include <QRegularExpression>
#include <QTest>
#include <map>
#include <set>

using namespace ueberschlag;

namespace {

Formen nur(std::initializer_list<int> formen)
{
    Formen f {};
    for (int i : formen)
        f[size_t(i)] = true;
    return f;
}

// The texts of a recorded page with their positions.
QList<DrawOp> texte(const Printer::Document& doc)
{
    QList<DrawOp> t;
    for (const DrawOp& op : doc.pages.first())
        if (op.kind == DrawOp::Kind::Text) t << op;
    return t;
}

} // namespace

TEST(UeberschlagLogik, ResultsFallIntoTheirColoursRangeAndTheFootListsEveryTaskOnce)
{
    for (std::uint32_t samen = 1; samen <= 40; ++samen) {
        RandSeed(samen);
        const Blatt plus = erzeugen(Addition, 0, {});
        std::multiset<int> alle;
        for (size_t k = 0; k < 3; ++k)
            for (int t : plus.farblisten[k]) {
                alle.insert(t);
                const int summe = plus.aufgaben[size_t(t - 1)].resultat;
                EXPECT_GE(summe, 200 * int(k + 1) + 201);
                EXPECT_LE(summe, 200 * int(k + 1) + 398);
            }
        std::multiset<int> soll;
        for (int t = 1; t <= 60; ++t)
            soll.insert(t);
        EXPECT_EQ(alle, soll);

        const Blatt minus = erzeugen(Subtraktion, 3, {});
        for (const Aufgabe& a : minus.aufgaben) {
            EXPECT_LE(a.resultat, 9999);
            EXPECT_EQ(a.resultat - a.operand2, a.operand1);
            EXPECT_GE(a.operand1, 2000 * a.klasse);
            EXPECT_LE(a.operand1, 2000 * a.klasse + 1999);
        }
        for (const Aufgabe& a : erzeugen(Multiplikation, 0, nur({ 4 })).aufgaben)
            for (int faktor : { a.operand1, a.operand2 }) {
                EXPECT_GE(faktor, 21);
                EXPECT_LE(faktor, 99);
                EXPECT_NE(faktor % 10, 0);
            }
        for (const Aufgabe& a : erzeugen(Division, 0, nur({ 6 })).aufgaben) {
            EXPECT_GE(a.resultat, 10000);
            EXPECT_LE(a.resultat, 99999);
            EXPECT_GE(a.operand1, 100);
            EXPECT_LE(a.operand1, 999);
            EXPECT_EQ(a.resultat, a.operand1 * a.operand2);
        }
    }
}

TEST(UeberschlagLogik, PlusAndMinusPrintInEachOfTheirFourLayoutsTheOthersWithAChosenForm)
{
    const Formen keine {}, mal { false, false, true, false, false, false, false },
                       durch { false, false, false, false, false, false, true };
    for (int variante = 0; variante <= 3; ++variante) {
        EXPECT_TRUE(druckbar(Addition, variante, keine));
        EXPECT_TRUE(druckbar(Subtraktion, variante, keine));
    }
    EXPECT_FALSE(druckbar(Addition, 4, keine));
    EXPECT_FALSE(druckbar(Subtraktion, -1, keine));
    EXPECT_FALSE(druckbar(Multiplikation, 0, keine));
    EXPECT_FALSE(druckbar(Division, 0, keine));
    EXPECT_TRUE(druckbar(Multiplikation, 0, mal));
    EXPECT_FALSE(druckbar(Multiplikation, 0, durch));
    EXPECT_TRUE(druckbar(Division, 0, durch));
    EXPECT_FALSE(druckbar(Division, 0, mal));
}

TEST(UeberschlagLogik, TheFormsOrderTheFactorsAsTheirNamesSay)
{
    RandSeed(3);
    for (const Aufgabe& a : erzeugen(Multiplikation, 0, nur({ 0 })).aufgaben)
        EXPECT_TRUE(a.operand1 < 10 && a.operand2 >= 100);
    for (const Aufgabe& a : erzeugen(Multiplikation, 0, nur({ 3 })).aufgaben)
        EXPECT_TRUE(a.operand1 >= 100 && a.operand2 >= 10 && a.operand2 < 100);
}

using UeberschlagDruck = DruckTest;

TEST_F(UeberschlagDruck, UnderEachOtherTheSubtrahendIsUnderlinedAndLongListsAreSpread)
{
    RandSeed(5);
    Blatt blatt = erzeugen(Subtraktion, 1, {});
    blatt.farblisten = { std::vector<int>(31, 1), std::vector<int>(20, 2), std::vector<int>(9, 3) };
    blattdruck::drucken(QStringLiteral("Test"), 1, [&](Canvas& c) { draw(c, blatt); });
    const QList<DrawOp> t = texte(printer().recorded().first());
    const auto bei = [&](int x, int y) {
        for (const DrawOp& op : t)
            if (op.points.first() == QPoint(x, y)) return op;
        return DrawOp {};
    };
    EXPECT_EQ(bei(190, -765).text, "7)");
    const DrawOp unten = bei(290, -810);
    EXPECT_TRUE(unten.text.startsWith("- ")) << unten.text.toStdString();
    EXPECT_TRUE(unten.font.underline);
    EXPECT_FALSE(bei(290, -760).font.underline);
    // 31 gelb numbers end at the right margin, not beyond it.
    EXPECT_EQ(bei(250 + 1700, -2510).text, "1");
    EXPECT_EQ(bei(250 + 57 * 20, -2610).text, "2");
}

TEST_F(UeberschlagDruck, TheWindowPrintsWhatItShowsAndForgetsItsFormsOnReopening)
{
    TForm28 form;
    zeigen(form, [&] {
        EXPECT_FALSE(form.Button8->isEnabled());
        form.Button6->Click();
        form.ListBox2->setSelected(4, true);
        form.ListBox2->OnClick();
        EXPECT_TRUE(form.Button8->isEnabled());
        form.Edit8->clear();
        programmcode = 2; // another sheet in between
        form.Button8->Click();
        EXPECT_EQ(form.Edit8->text(), "1");
        grabToPng(&form, "a_ueber");
        form.Button4->Click();
    });
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_EQ(printer().recorded().first().copies, 1);
    EXPECT_EQ(printer().recorded().first().title, "Überschläge Multiplikation"); // the hub's and its own button
    EXPECT_EQ(form.gedruckt().rechenart, Multiplikation);

    form.Edit8->setText("4");
    zeigen(form, [&] {
        EXPECT_EQ(form.Edit8->text(), "1");
        EXPECT_FALSE(form.ListBox2->Selected(4));
        EXPECT_FALSE(form.Button8->isEnabled());
        form.Button2->Click();
        EXPECT_EQ(form.zeile1->caption(), "60 Aufgaben    HZE   +   HZE       (nebeneinander)");
        EXPECT_FALSE(form.Button8->isEnabled());
        QTest::mouseClick(form.RadioGroup1->button(3), Qt::LeftButton);
        EXPECT_TRUE(form.Button8->isEnabled());
        form.Button3->Click();
        EXPECT_EQ(form.zeile4unten->caption(), "-  THZE");
        form.Button8->Click();
        form.Button4->Click();
    });
    EXPECT_EQ(form.gedruckt().rechenart, Subtraktion);
    EXPECT_EQ(form.gedruckt().variante, 3);
    EXPECT_EQ(printer().recorded().last().title, "Überschläge Subtraktion");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(UeberschlagDruck, EveryOperationAndLayoutPrintsItsTitleAndRanges)
{
    struct Fall {
        int rechenart, variante;
        Formen formen;
        const char* titel;
        const char* blau;
    };
    const Fall faelle[] = {
        { Addition, 0, {}, "Überschläge  +", "600 ..... 800" },
        { Addition, 1, {}, "Überschläge  +", "600 ..... 800" },
        { Addition, 2, {}, "Überschläge  +", "6000 ..... 8000" },
        { Addition, 3, {}, "Überschläge  +", "6000 ..... 8000" },
        { Subtraktion, 0, {}, "Überschläge  -", "400 ..... 600" },
        { Subtraktion, 1, {}, "Überschläge  -", "400 ..... 600" },
        { Subtraktion, 2, {}, "Überschläge  -", "4000 ..... 6000" },
        { Subtraktion, 3, {}, "Überschläge  -", "4000 ..... 6000" },
        { Multiplikation, 0, nur({ 0, 1, 2, 3, 4 }), "Überschläge  *", "4000 ..... 7000" },
        { Division, 0, nur({ 5, 6 }), "Überschläge  :", "400 ..... 700" },
    };
    for (const Fall& f : faelle) {
        RandSeed(11);
        const Blatt blatt = erzeugen(f.rechenart, f.variante, f.formen);
        blattdruck::drucken(QStringLiteral("Test"), 1, [&](Canvas& c) { draw(c, blatt); });
        QStringList t;
        for (const DrawOp& op : texte(printer().lastDocument()))
            t << op.text;
        EXPECT_TRUE(t.contains(f.titel)) << f.titel;
        EXPECT_TRUE(t.contains(f.blau)) << f.blau;
        Printer::writePdf(printer().lastDocument(),
            QStringLiteral(TAVI_TEST_OUTPUT "/ueberschlag_%1_%2.pdf").arg(f.rechenart).arg(f.variante));
    }
}

// The head is a table of three columns, yellow, blue and green, parted by two upright lines; each colour's
// range stands inside its own column, clear of the lines, in every operation and number range.
TEST(UeberschlagLogik, EachColoursRangeStandsInsideItsColumnOfTheHead)
{
    const Formen alleFormen { true, true, true, true, true, true, true };
    for (const auto& [rechenart, variante] :
        { std::pair { Addition, 0 }, std::pair { Addition, 2 }, std::pair { Subtraktion, 1 },
            std::pair { Subtraktion, 3 }, std::pair { Multiplikation, 0 }, std::pair { Division, 0 } }) {
        RandSeed(9);
        const Blatt blatt = erzeugen(rechenart, variante, alleFormen);
        const Svseite seite([&](Canvas& c) { draw(c, blatt); });
        std::vector<DrawOp> bereiche;
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Text && op.text.contains(QStringLiteral("....."))) bereiche.push_back(op);
        ASSERT_EQ(bereiche.size(), 3u) << rechenart;
        const int y = bereiche[0].points[0].y();
        // The rule under the colours' names gives the table's ends; the upright lines crossing the ranges' row
        // part it.
        std::vector<int> grenzen;
        for (const DrawOp& op : seite.ops) {
            if (op.kind != DrawOp::Kind::Line) continue;
            const QPoint a = op.points[0], b = op.points[1];
            if (a.y() == b.y() && a.y() > y && a.y() < y + 100) grenzen.insert(grenzen.end(), { a.x(), b.x() });
            if (a.x() == b.x() && std::max(a.y(), b.y()) > y && std::min(a.y(), b.y()) < y - 30)
                grenzen.push_back(a.x());
        }
        std::sort(grenzen.begin(), grenzen.end());
        ASSERT_EQ(grenzen.size(), 4u) << rechenart;
        std::sort(bereiche.begin(), bereiche.end(),
            [](const DrawOp& a, const DrawOp& b) { return a.points[0].x() < b.points[0].x(); });
        for (size_t k = 0; k < 3; ++k) {
            const auto [links, rechts] = textspanne(bereiche[k]);
            EXPECT_GT(links, grenzen[k]) << bereiche[k].text.toStdString();
            EXPECT_LT(rechts, grenzen[k + 1]) << bereiche[k].text.toStdString();
        }
    }
}

TEST(UeberschlagLogik, PlusAndMinusDigitsKeepTheRangesOfTheirCarriesAndUseEveryDigitTheyAllow)
{
    // The kinds by their carries: none, from the tens only, from the units only, from both.
    std::map<QString, Wertebereiche> arten;
    PinRandomSeed(17);
    for (bool minus : { false, true })
        for (int n = 0; n < 6000; ++n) {
            const ueberschlag::Aufgabe a = ueberschlag::additionSubtraktion(n % 3 + 1, minus, false);
            const int h1 = a.operand1 / 100, z1 = a.operand1 / 10 % 10, e1 = a.operand1 % 10;
            const int h2 = a.operand2 / 100, z2 = a.operand2 / 10 % 10, e2 = a.operand2 % 10;
            const bool einer = e1 + e2 >= 10, zehner = z1 + z2 + int(einer) >= 10;
            Wertebereiche& w = arten[QString(minus ? u'-' : u'+') + (einer ? u'E' : u'_') + (zehner ? u'Z' : u'_')];
            w(QStringLiteral("h1"), h1);
            w(QStringLiteral("h2"), h2);
            w(QStringLiteral("z1"), z1);
            w(QStringLiteral("z2"), z2);
            w(QStringLiteral("e1"), e1);
            w(QStringLiteral("e2"), e2);
            w(QStringLiteral("h"), h1 + h2);
            w(QStringLiteral("z"), z1 + z2);
            w(QStringLiteral("e"), e1 + e2);
            EXPECT_EQ(a.resultat, a.operand1 + a.operand2);
        }
    QStringList alle;
    for (const auto& [art, w] : arten)
        alle << art + QStringLiteral(": ") + w.text();
    // A minus task is drawn as its difference plus the subtrahend, 200..799 for the three classes; a plus
    // task's sum is 401..998.
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "+EZ: e 10-18, e1 1-9, e2 1-9, h 3-8, h1 1-7, h2 1-7, z 10-17, z1 1-8, z2 2-9\n"
        "+E_: e 10-18, e1 1-9, e2 1-9, h 4-9, h1 1-8, h2 1-8, z 2-8, z1 1-7, z2 1-7\n"
        "+_Z: e 0-8, e1 0-8, e2 0-8, h 3-8, h1 1-7, h2 1-7, z 10-18, z1 1-9, z2 1-9\n"
        "+__: e 0-9, e1 0-9, e2 0-9, h 4-9, h1 1-8, h2 1-8, z 0-9, z1 0-9, z2 0-9\n"
        "-EZ: e 10-18, e1 1-9, e2 1-9, h 3-8, h1 2-7, h2 1-6, z 10-17, z1 1-8, z2 2-9\n"
        "-E_: e 10-18, e1 1-9, e2 1-9, h 3-9, h1 2-7, h2 1-7, z 2-8, z1 1-7, z2 1-7\n"
        "-_Z: e 0-8, e1 0-8, e2 0-8, h 3-8, h1 2-7, h2 1-6, z 10-18, z1 1-9, z2 1-9\n"
        "-__: e 0-9, e1 0-9, e2 0-9, h 3-9, h1 2-7, h2 1-7, z 0-9, z1 0-9, z2 0-9");
}

TEST(UeberschlagLogik, EveryLayoutPrintsEachTaskOnceBesideItsNumber)
{
    struct Wahl {
        int rechenart, variante;
    };
    const Formen alleFormen { true, true, true, true, true, true, true };
    for (const Wahl w : { Wahl { Addition, 0 }, Wahl { Addition, 1 }, Wahl { Addition, 2 }, Wahl { Addition, 3 },
             Wahl { Subtraktion, 0 }, Wahl { Subtraktion, 1 }, Wahl { Subtraktion, 3 }, Wahl { Multiplikation, 0 },
             Wahl { Division, 0 } }) {
        PinRandomSeed(std::uint32_t(w.rechenart * 10 + w.variante));
        const Blatt blatt = erzeugen(w.rechenart, w.variante, alleFormen);
        const Svseite seite([&](Canvas& c) { draw(c, blatt); });
        // A task's number "t)" and, up to the next number on its row, what is written beside and under it.
        std::map<int, const DrawOp*> nummern;
        for (const DrawOp& op : seite.ops) {
            static const QRegularExpression nummer(QStringLiteral("^(\\d+)\\)$"));
            const auto m = nummer.match(op.text);
            if (op.kind != DrawOp::Kind::Text || !m.hasMatch()) continue;
            EXPECT_EQ(nummern.count(m.captured(1).toInt()), 0u) << "twice: " << op.text.toStdString();
            nummern[m.captured(1).toInt()] = &op;
        }
        ASSERT_EQ(nummern.size(), 60u);
        EXPECT_EQ(nummern.begin()->first, 1);
        EXPECT_EQ(nummern.rbegin()->first, 60);
        for (const auto& [t, nr] : nummern) {
            const QPoint p = nr->points[0];
            int rechts = p.x() + 600;
            for (const auto& [u, anderer] : nummern)
                if (anderer->points[0].y() == p.y() && anderer->points[0].x() > p.x())
                    rechts = std::min(rechts, anderer->points[0].x());
            QString neben;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && op.points[0].x() > p.x() && op.points[0].x() < rechts
                    && op.points[0].y() <= p.y() + 10 && op.points[0].y() >= p.y() - 60)
                    neben += op.text;
            neben.remove(u' ');
            const Aufgabe& a = blatt.aufgaben[size_t(t - 1)];
            const QString soll = w.rechenart == Addition ? QStringLiteral("%1+%2").arg(a.operand1).arg(a.operand2)
                : w.rechenart == Subtraktion         ? QStringLiteral("%1-%2").arg(a.resultat).arg(a.operand2)
                : w.rechenart == Multiplikation      ? QStringLiteral("%1*%2").arg(a.operand1).arg(a.operand2)
                                                     : QStringLiteral("%1:%2").arg(a.resultat).arg(a.operand2);
            EXPECT_EQ(neben.toStdString(), soll.toStdString())
                << "task " << t << ", operation " << w.rechenart << ", layout " << w.variante;
        }
        // The foot: on each colour's line exactly its task numbers, from its first to its last, left to right.
        const QStringList farben { "gelb:", "blau:", "grün:" };
        for (int k = 0; k < 3; ++k) {
            int y = 0;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && op.text == farben[k]) y = op.points[0].y();
            ASSERT_NE(y, 0) << farben[k].toStdString();
            std::vector<std::pair<int, int>> zeile;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && op.text != farben[k] && std::abs(op.points[0].y() - y) < 20)
                    zeile.push_back({ op.points[0].x(), op.text.toInt() });
            std::sort(zeile.begin(), zeile.end());
            std::vector<int> gelistet;
            for (const auto& eintrag : zeile)
                gelistet.push_back(eintrag.second);
            EXPECT_EQ(gelistet, blatt.farblisten[size_t(k)]) << farben[k].toStdString() << ", layout " << w.variante;
        }
    }
}

TEST(UeberschlagLogik, ThreeDigitFactorsAndDividendsUseEveryDigitTheirPlacesAllow)
{
    // The long factor of the forms with a three-digit number, and the three-digit quotient behind a division.
    Wertebereiche w;
    PinRandomSeed(23);
    for (int n = 0; n < 3000; ++n) {
        const int klasse = n % 3 + 1;
        const Aufgabe mal = multiplikation(klasse, nur({ 0, 1, 2, 3 }));
        w.ziffern(QStringLiteral("m"), std::max(mal.operand1, mal.operand2), 3);
        const Aufgabe durch = division(klasse, nur({ 5, 6 }));
        w.ziffern(QStringLiteral("d"), durch.operand1, 3);
    }
    EXPECT_EQ(w.text().toStdString(), "dE 1-9, dH 1-9, dZ 0-9, mE 1-9, mH 1-9, mZ 0-9");
}

TEST(UeberschlagLogik, EveryLayoutsResultsLieInTheRangesItsFootPrints)
{
    // The four-digit layouts print ten times the three-digit ranges, so their tasks must be four-digit too.
    const auto zahlen = [](const QString& text) {
        QList<int> z;
        static const QRegularExpression zahl(QStringLiteral("\\d+"));
        for (auto it = zahl.globalMatch(text); it.hasNext();)
            z << it.next().captured().toInt();
        return z;
    };
    PinRandomSeed(29);
    for (int rechenart : { Addition, Subtraktion })
        for (int variante = 0; variante <= 3; ++variante) {
            const auto b = bereiche(rechenart, variante);
            const int unten = zahlen(b[1]).at(0), oben = zahlen(b[1]).at(1);
            for (int wiederholung = 0; wiederholung < 10; ++wiederholung) {
                const Blatt blatt = erzeugen(rechenart, variante, {});
                for (size_t k = 0; k < 3; ++k)
                    for (int t : blatt.farblisten[k]) {
                        const Aufgabe& a = blatt.aufgaben[size_t(t - 1)];
                        // Plus: the sum is estimated; minus: the difference.
                        const int wert = rechenart == Addition ? a.resultat : a.operand1;
                        SCOPED_TRACE(testing::Message()
                            << "operation " << rechenart << ", layout " << variante << ", task " << t << ": " << wert);
                        if (k > 0) EXPECT_GE(wert, unten);
                        if (k < 2) EXPECT_LT(wert, oben);
                        EXPECT_EQ(QString::number(wert).size(), QString::number(unten).size());
                    }
            }
        }
}

TEST(UeberschlagLogik, TwoOfSevenTasksAreYellowThreeBlueAndTwoGreen)
{
    PinRandomSeed(31);
    std::map<int, int> anzahl;
    for (int n = 0; n < 7000; ++n)
        ++anzahl[klasseZiehen()];
    ASSERT_EQ(anzahl.size(), 3u);
    EXPECT_NEAR(anzahl[1], 2000, 150);
    EXPECT_NEAR(anzahl[2], 3000, 150);
    EXPECT_NEAR(anzahl[3], 2000, 150);
}

TEST(UeberschlagLogik, EachColourReachesBothEndsOfItsRangeAndEachFormUsesItsDigits)
{
    // Per operation and colour the smallest and largest value to be estimated: the sum or the difference (of a
    // four-digit task without its units, which are free), the product, the quotient; per form the digits of both
    // numbers printed.
    PinRandomSeed(37);
    QStringList alle;
    const auto spanne = [](const std::vector<int>& werte) {
        return QStringLiteral("%1-%2")
            .arg(*std::min_element(werte.begin(), werte.end()))
            .arg(*std::max_element(werte.begin(), werte.end()));
    };
    for (const bool minus : { false, true })
        for (const bool vierstellig : { false, true }) {
            QStringList zeile;
            for (int klasse = 1; klasse <= 3; ++klasse) {
                std::vector<int> werte;
                for (int n = 0; n < 6000; ++n) {
                    const Aufgabe a = additionSubtraktion(klasse, minus, vierstellig);
                    werte.push_back((minus ? a.operand1 : a.resultat) / (vierstellig ? 10 : 1));
                }
                zeile << spanne(werte);
            }
            alle << QStringLiteral("%1%2: ").arg(minus ? "-" : "+").arg(vierstellig ? 4 : 3) + zeile.join(u' ');
        }
    // The colours' ranges of the head: below 4000, 4000 to 7000, above 7000 for a product; 400 and 700 for a
    // quotient. Every product has four digits, every quotient three. How near a colour's values come to its
    // ends, to the hundred or ten.
    for (int form = 0; form <= 6; ++form) {
        const bool mal = form <= 4;
        const int grenze1 = mal ? 4000 : 400, grenze2 = mal ? 7000 : 700, stufe = mal ? 100 : 10;
        Wertebereiche ziffern;
        QStringList zeile;
        for (int klasse = 1; klasse <= 3; ++klasse) {
            int kleinster = 1 << 30, groesster = 0;
            for (int n = 0; n < 1500; ++n) {
                const Aufgabe a = mal ? multiplikation(klasse, nur({ form })) : division(klasse, nur({ form }));
                const int wert = mal ? a.resultat : a.operand1;
                ASSERT_EQ(QString::number(wert).size(), mal ? 4 : 3) << form << ": " << wert;
                ASSERT_TRUE(klasse == 1 ? wert < grenze1
                        : klasse == 2   ? grenze1 < wert && wert < grenze2
                                        : grenze2 < wert)
                    << "form " << form << ", colour " << klasse << ": " << wert;
                kleinster = std::min(kleinster, wert);
                groesster = std::max(groesster, wert);
                ziffern.ziffern(QStringLiteral("a"), a.operand1, int(QString::number(a.operand1).size()));
                ziffern.ziffern(QStringLiteral("b"), a.operand2, int(QString::number(a.operand2).size()));
                if (!mal) ziffern(QStringLiteral("stellen"), int(QString::number(a.resultat).size()));
            }
            zeile
                << QStringLiteral("%1-%2").arg(kleinster / stufe * stufe).arg((groesster + stufe - 1) / stufe * stufe);
        }
        alle << QStringLiteral("%1 %2: ").arg(mal ? "*" : ":").arg(form) + zeile.join(u' ') + "; " + ziffern.text();
    }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "+3: 401-598 601-798 801-998\n"
        "+4: 401-599 601-799 801-999\n"
        "-3: 200-399 400-599 600-799\n"
        "-4: 200-399 400-599 600-799\n"
        "* 0: 1000-4000 4000-7000 7000-9000; aE 2-9, bE 1-9, bH 1-9, bZ 0-9\n"
        "* 1: 1000-4000 4000-7000 7000-9000; aE 1-9, aH 1-9, aZ 0-9, bE 2-9\n"
        "* 2: 1100-4000 4000-7000 7000-10000; aE 1-9, aZ 1-9, bE 1-9, bH 1-9, bZ 0-9\n"
        "* 3: 1100-4000 4000-7000 7000-10000; aE 1-9, aH 1-9, aZ 0-9, bE 1-9, bZ 1-9\n"
        "* 4: 1000-4000 4000-7000 7000-9900; aE 1-9, aZ 2-9, bE 1-9, bZ 2-9\n"
        ": 5: 110-400 400-700 700-1000; aE 1-9, aH 1-9, aZ 0-9, bE 2-9, stellen 4\n"
        ": 6: 100-400 400-700 700-1000; aE 1-9, aH 1-9, aZ 0-9, bE 1-9, bZ 1-9, stellen 5");
}

TEST(UeberschlagLogik, TheHeadSaysWhatToDoAndTheFootWhatTheNumbersAre)
{
    RandSeed(39);
    const Blatt blatt = erzeugen(Addition, 0, {});
    const Svseite seite([&](Canvas& c) { draw(c, blatt); });
    // Everything above the first task, row by row from the top, and between the last task and the colours'
    // lists at the foot.
    int erste = 0, letzte = 0, gelb = 0;
    for (const DrawOp& op : seite.ops) {
        if (op.kind != DrawOp::Kind::Text) continue;
        if (op.text == QStringLiteral("1)")) erste = op.points[0].y();
        if (op.text == QStringLiteral("60)")) letzte = op.points[0].y();
        if (op.text == QStringLiteral("gelb:")) gelb = op.points[0].y();
    }
    std::vector<std::tuple<int, int, QString>> kopf, unten;
    for (const DrawOp& op : seite.ops) {
        if (op.kind != DrawOp::Kind::Text) continue;
        const QPoint p = op.points[0];
        if (p.y() > erste) kopf.emplace_back(-p.y(), p.x(), op.text);
        if (p.y() > gelb && p.y() < letzte - 60) unten.emplace_back(-p.y(), p.x(), op.text);
    }
    std::sort(kopf.begin(), kopf.end());
    QStringList gelesen;
    for (const auto& t : kopf)
        gelesen << std::get<2>(t);
    EXPECT_EQ(gelesen.join(u'|').toStdString(),
        "Überschläge  +|Name: _____________________|Rechne die Aufgaben nicht genau aus, sondern markiere|"
        "gelb                     blau                     grün|für Ergebnisse:|..... 600|600 ..... 800|800 .....");
    ASSERT_EQ(unten.size(), 1u);
    EXPECT_EQ(std::get<2>(unten.front()), "So gehören die Farben zu den Aufgaben-Nummern:");
}

TEST(UeberschlagLogik, OneTaskInSixCarriesNothingOneFromTheUnitsOnlyTwoFromTheTensOnlyTwoFromBoth)
{
    PinRandomSeed(41);
    const int n = 6000;
    std::map<QString, int> anzahl;
    for (int i = 0; i < n; ++i) {
        const Aufgabe a = additionSubtraktion(i % 3 + 1, i % 2 == 0, false);
        const bool einer = a.operand1 % 10 + a.operand2 % 10 >= 10;
        const bool zehner = a.operand1 / 10 % 10 + a.operand2 / 10 % 10 + int(einer) >= 10;
        ++anzahl[QString(einer ? u'E' : u'_') + (zehner ? u'Z' : u'_')];
    }
    const std::map<QString, double> soll { { "__", 1.0 / 6 }, { "E_", 1.0 / 6 }, { "_Z", 2.0 / 6 }, { "EZ", 2.0 / 6 } };
    ASSERT_EQ(anzahl.size(), soll.size());
    for (const auto& [art, anteil] : soll)
        EXPECT_NEAR(double(anzahl[art]) / n, anteil, 0.03) << art.toStdString();
}
