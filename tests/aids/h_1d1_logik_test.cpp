#include "aids/h_1d1_logik.h"
#include "aids/h_haupt_logik.h"
#include "platform/colors.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QSet>

#include <algorithm>

using namespace kl1d1;

namespace {

class Kl1d1Logik : public TaviTest { };

// The strokes, dots and texts of a picture drawn in one box.
QVector<Zug> zuege(const Bild& bild, Box box, Zug::Art art)
{
    QVector<Zug> z;
    for (const Schritt& s : bild)
        if (s.box == box)
            for (const Zug& zug : s.zuege)
                if (zug.art == art) z << zug;
    return z;
}

const Aufgabe k14durch4 { 4, 3, 2, 14 };

} // namespace

TEST_F(Kl1d1Logik, ARemainderIsOneToDivisorMinusOneWhereOneIsLeftBelow100)
{
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int n = 0; n < 20; ++n) {
                const Aufgabe mit = aufgabe(a, b, true);
                if (a == 1 || a * b == 100)
                    EXPECT_EQ(mit.rest, 0) << a << " " << b;
                else {
                    EXPECT_GE(mit.rest, 1);
                    EXPECT_LE(mit.rest, a - 1);
                }
                EXPECT_EQ(mit.dividend, a * b + mit.rest);
                EXPECT_EQ(aufgabe(a, b, false).rest, 0);
            }
}

TEST_F(Kl1d1Logik, EveryPoolEntryComesOnceBeforeAnyComesAgain)
{
    zahlenwahl1.fill(-1);
    zahlenwahl2.fill(-1);
    for (int i : { 2, 3, 6 })
        zahlenwahl1[i] = i + 1;
    for (int i : { 0, 4, 9 })
        zahlenwahl2[i] = i + 1;
    ASSERT_EQ(h_haupt::axbvorrat(h_haupt::Axb::durch), 9);
    for (int durchgang = 0; durchgang < 3; ++durchgang) {
        QSet<QPair<int, int>> gesehen;
        for (int n = 0; n < 9; ++n) {
            const auto a = ziehung(false);
            ASSERT_TRUE(a);
            gesehen.insert({ a->divisor, a->quotient });
        }
        EXPECT_EQ(gesehen.size(), 9);
    }
    vorratsgroesse = 0;
    EXPECT_FALSE(ziehung(true));
}

TEST_F(Kl1d1Logik, ProtocolLinesNameTheRestOptionDivisorsAndQuotients)
{
    hilfenrahmen::Stand s;
    s.eingabengesamt = 12;
    s.eingabenrichtig = 6;
    s.hilfetasten = 3;
    s.zeigetasten = 1;
    const QStringList z = hilfenrahmen::protokollzeilen(protokollangaben(1, "3 4 // 5 6 ", 3, 1), s);
    EXPECT_EQ(z[0], "Programm:              Hilfen beim kleinen 1:1 (mit Rest)");
    EXPECT_EQ(z[2], "Divisoren:             3 4");
    EXPECT_EQ(z[3], "Quotienten:            5 6 ");
    EXPECT_EQ(z[8], "       falsch/unnötig: 2");
    EXPECT_EQ(z[9], "       Hilfetaste:     3");
    EXPECT_EQ(z[10], "       Zeigetaste:     1");
    EXPECT_EQ(protokollangaben(0, "10 // 1 ", 0, 0).titel, "Hilfen beim kleinen 1:1 (ohne Rest)");
}

TEST_F(Kl1d1Logik, TheDotFieldOf14By4AsksThenShowsTheRemainder)
{
    EXPECT_EQ(texte(feldbild(k14durch4, kQuotientPhase)), (QStringList { "4 : 4 = 1", "8 : 4 = 2", "12 : 4 = ?" }));
    const Bild rest = feldbild(k14durch4, kRestPhase);
    EXPECT_EQ(texte(rest), (QStringList { "4 : 4 = 1", "8 : 4 = 2", "12 : 4 = ?", "12 : 4 = 3", "Rest ?" }));
    const QVector<Zug> punkte = zuege(rest, Box::feld, Zug::Art::punkt);
    ASSERT_EQ(punkte.size(), 14);
    EXPECT_EQ(punkte[12].punkte[0], QPoint(14, 104));
    EXPECT_EQ(punkte[13].punkte[0], QPoint(32, 104));
    // Row 1, columns 1..4 all in the upper left quarter.
    EXPECT_EQ(punkte[0].pinsel, clRed);
    // Ten rows and a remainder: the remainder row still lies inside the box.
    const QVector<Zug> voll = zuege(feldbild({ 7, 10, 6, 76 }, kRestPhase), Box::feld, Zug::Art::punkt);
    EXPECT_EQ(voll.last().punkte[1].y(), 293);
    EXPECT_EQ(voll.last().pinsel, clRed); // row 10, column 6: the lower right quarter
}

TEST_F(Kl1d1Logik, GroupingPausesWhileTheQuotientIsAskedAndMarksTheRemainder)
{
    const Bild frage = aufteilbild(k14durch4, kQuotientPhase);
    EXPECT_EQ(pausen(frage, kQuotientPhase), 10);
    EXPECT_EQ(texte(frage),
        (QStringList { "14  aufgeteilt in  4 er", "  4  aufgeteilt in  4 er  ", "  das reicht für 1  ",
            "  8  aufgeteilt in  4 er  ", "  das reicht für 2  ", "  12  aufgeteilt in  4 er  ",
            "  das reicht für ???" }));
    const Bild rest = aufteilbild(k14durch4, kRestPhase);
    EXPECT_EQ(pausen(rest, kRestPhase), 2);
    EXPECT_EQ(texte(rest).last(), "   das reicht für 3   ");
    // The marks sit on the centres of dots 13 and 14, which no stroke crossed out.
    const QVector<Zug> marken = zuege(rest, Box::avhund, Zug::Art::punkt).mid(14);
    ASSERT_EQ(marken.size(), 2);
    EXPECT_EQ(marken[0].punkte, (QVector<QPoint> { { 59, 52 }, { 63, 57 } }));
    EXPECT_EQ(marken[1].punkte, (QVector<QPoint> { { 79, 52 }, { 83, 57 } }));
    EXPECT_EQ(zuege(rest, Box::avhund, Zug::Art::linie).size(), 24 + 12);

    // In every task, also where the remainder runs on into the next row of ten, each mark sits on its own dot.
    int umgebrochen = 0;
    for (int divisor = 2; divisor <= 10; ++divisor)
        for (int quotient = 1; divisor * quotient < 100; ++quotient)
            for (int r = 1; r < divisor && divisor * quotient + r <= 100; ++r) {
                const int p = divisor * quotient;
                const QVector<Zug> alle = zuege(aufteilbild({ divisor, quotient, r, p + r }, kRestPhase), Box::avhund,
                    Zug::Art::punkt);
                ASSERT_EQ(alle.size(), p + 2 * r) << p + r << ":" << divisor;
                umgebrochen += p % 10 + r > 10;
                for (int k = 0; k < r; ++k) {
                    const QRect punkt(alle[p + k].punkte[0], alle[p + k].punkte[1]);
                    const QRect marke(alle[p + r + k].punkte[0], alle[p + r + k].punkte[1]);
                    const QPoint abstand = marke.center() - punkt.center();
                    EXPECT_LE(std::abs(abstand.x()) + std::abs(abstand.y()), 1)
                        << p + r << ":" << divisor << " Rest " << k + 1;
                    EXPECT_EQ(marke.size(), QSize(5, 6)) << p + r << ":" << divisor << " Rest " << k + 1;
                }
            }
    EXPECT_GT(umgebrochen, 0);
}

TEST_F(Kl1d1Logik, TheHundredBoardFramesTheDividendsCell)
{
    // The last of the picture's lines is the frame, the thick middle lines one unit off.
    struct Fall {
        Aufgabe aufgabe;
        QPoint ecke;
    };
    for (const Fall& f : { Fall { k14durch4, { 70, 42 } }, Fall { { 10, 3, 0, 30 }, { 190, 69 } } }) {
        const QVector<Zug> linien = zuege(hunderterbild(f.aufgabe, kQuotientPhase), Box::hund, Zug::Art::linie);
        EXPECT_EQ(linien.last().punkte.first(), f.ecke);
        EXPECT_EQ(linien.last().punkte[2], f.ecke + QPoint(20, 27));
        EXPECT_EQ(linien[22].punkte, (QVector<QPoint> { { 7, 149 }, { 213, 149 } }));
        EXPECT_EQ(linien[23].punkte, (QVector<QPoint> { { 109, 11 }, { 109, 288 } }));
    }
    const QStringList rest = texte(hunderterbild(k14durch4, kRestPhase));
    EXPECT_EQ(rest.mid(100), (QStringList { "13", "14" }));
}

// A board's grid is one colour: its thin lines are the thick middle lines' colour, not the box's frame colour,
// so the pupil reads the frame and the grid apart.
TEST_F(Kl1d1Logik, TheBoardsGridTakesTheColourOfItsMiddleLinesNotOfTheFrame)
{
    const std::pair<Bild, Box> bilder[] = { { feldbild(k14durch4, kQuotientPhase), Box::feld },
        { hunderterbild(k14durch4, kQuotientPhase), Box::hund } };
    for (const auto& [bild, box] : bilder) {
        SCOPED_TRACE(int(box));
        const QVector<Zug> rahmen = zuege(bild, box, Zug::Art::rechteck);
        const QVector<Zug> linien = zuege(bild, box, Zug::Art::linie);
        ASSERT_FALSE(rahmen.isEmpty());
        ASSERT_GE(linien.size(), 24);
        const QColor mitte = linien[22].stiftfarbe;
        EXPECT_EQ(linien[23].stiftfarbe, mitte);
        EXPECT_NE(rahmen.first().stiftfarbe, mitte);
        for (int k = 0; k < 22; ++k)
            EXPECT_EQ(linien[k].stiftfarbe, mitte) << "line " << k;
    }
}

// Whatever the task, the red frame goes round the cell where the hundred board writes the dividend.
TEST_F(Kl1d1Logik, TheHundredBoardsFrameHoldsTheDividendOfEveryTask)
{
    int geprueft = 0;
    for (int divisor = 1; divisor <= 10; ++divisor)
        for (int quotient = 1; divisor * quotient <= 100; ++quotient)
            for (int rest = 0; rest < divisor && divisor * quotient + rest <= 100; ++rest) {
                if (rest > 0 && !restMoeglich(divisor, quotient)) continue;
                const Aufgabe a { divisor, quotient, rest, divisor * quotient + rest };
                SCOPED_TRACE(a.dividend);
                const Bild bild = hunderterbild(a, kQuotientPhase);
                QVector<QPoint> stellen;
                for (const Zug& z : zuege(bild, Box::hund, Zug::Art::text))
                    if (z.text == QString::number(a.dividend)) stellen << z.punkte.first();
                ASSERT_EQ(stellen.size(), 1);
                const QVector<QPoint> rahmen = zuege(bild, Box::hund, Zug::Art::linie).last().punkte;
                ASSERT_EQ(rahmen.size(), 5);
                ASSERT_TRUE(QRect(rahmen[0], rahmen[2]).normalized().contains(stellen.first()))
                    << stellen.first().x() << "," << stellen.first().y();
                ++geprueft;
            }
    EXPECT_GT(geprueft, 300);
}

TEST_F(Kl1d1Logik, HundredBy10AndTheSingleCupOfDivisor1)
{
    const Aufgabe hundert { 10, 10, 0, 100 };
    EXPECT_EQ(pruefen(hundert, kQuotientPhase, 10), Urteil::geloest);
    EXPECT_EQ(noetigeEingaben(hundert), 3);
    EXPECT_EQ(ergebnistext(hundert), "10");
    const QVector<Zug> balken = zuege(strahlbild(hundert, kQuotientPhase), Box::strahl, Zug::Art::rechteck);
    EXPECT_EQ(balken.last().punkte[1].x(), 715); // the tenth jump
    EXPECT_EQ(zuege(strahlbild(hundert, kQuotientPhase), Box::strahl, Zug::Art::linie).last().punkte[0].x(), 715);
    const QVector<Zug> becher = zuege(verteilbild({ 1, 7, 0, 7 }, kQuotientPhase), Box::verteil, Zug::Art::linie);
    ASSERT_EQ(becher.size(), 1);
    EXPECT_EQ(becher[0].punkte[0], QPoint(163, 100));
    EXPECT_EQ(texte(verteilbild({ 1, 7, 0, 7 }, kQuotientPhase)).last(), "jeder bekommt  ???");
}

namespace {

// The dots in each cup of a grouping or sharing picture, in drawing order.
QVector<QVector<Zug>> becherinhalt(const Bild& bild, Box box)
{
    QVector<QVector<QPoint>> becher; // the cup's open path: top left, bottom left, bottom right, top right
    for (const Zug& z : zuege(bild, box, Zug::Art::linie))
        if (z.punkte.size() == 4) becher << z.punkte;
    QVector<QVector<Zug>> inhalt(becher.size());
    for (const Zug& punkt : zuege(bild, box, Zug::Art::punkt)) {
        const QRect r(punkt.punkte[0], punkt.punkte[1]);
        int drin = -1;
        for (int i = 0; i < becher.size(); ++i)
            if (r.left() > becher[i][0].x() && r.right() < becher[i][2].x() && r.bottom() < becher[i][1].y()) drin = i;
        EXPECT_GE(drin, 0) << "a dot between the cups at " << r.left() << "," << r.top();
        if (drin >= 0) inhalt[drin] << punkt;
    }
    return inhalt;
}

// Side by side in pairs, from the bottom up, none on another.
void paarweise(const QVector<Zug>& punkte)
{
    QSet<int> spalten;
    QMap<int, int> jeZeile;
    int unten = 10000;
    for (int i = 0; i < punkte.size(); ++i) {
        const QRect r(punkte[i].punkte[0], punkte[i].punkte[1]);
        spalten << r.left();
        jeZeile[r.top()] += 1;
        if (i % 2 == 0) {
            EXPECT_LT(r.top(), unten) << "dot " << i;
            unten = r.top();
        }
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(r.intersects(QRect(punkte[j].punkte[0], punkte[j].punkte[1]))) << i << " on " << j;
    }
    EXPECT_LE(spalten.size(), 2);
    EXPECT_EQ(jeZeile.size(), (punkte.size() + 1) / 2);
    for (int n : jeZeile)
        EXPECT_LE(n, 2);
}

} // namespace

// Grouping fills one cup per group with the divisor's dots; sharing puts one dot of every group into each of
// the divisor's cups. Either way the dots of a cup stand in pairs, in the colour of their group.
TEST_F(Kl1d1Logik, GroupsFillACupEachAndSharingGivesEveryCupOneDotOfEachGroup)
{
    for (int divisor = 1; divisor <= 10; ++divisor)
        for (int quotient = 1; quotient <= 10; ++quotient) {
            const Aufgabe a { divisor, quotient, 0, divisor * quotient };
            SCOPED_TRACE(std::to_string(a.dividend) + " : " + std::to_string(divisor));
            const QVector<QVector<Zug>> gruppen = becherinhalt(aufteilbild(a, kRestPhase), Box::aufteil);
            ASSERT_EQ(gruppen.size(), 10);
            for (int k = 0; k < 10; ++k) {
                ASSERT_EQ(gruppen[k].size(), k < quotient ? divisor : 0) << "cup " << k;
                for (const Zug& p : gruppen[k])
                    EXPECT_EQ(p.stiftfarbe, k % 2 == 0 ? clRed : clBlue) << "cup " << k;
                paarweise(gruppen[k]);
            }
            const QVector<QVector<Zug>> anteile = becherinhalt(verteilbild(a, kRestPhase), Box::verteil);
            ASSERT_EQ(anteile.size(), divisor);
            for (const QVector<Zug>& becher : anteile) {
                ASSERT_EQ(becher.size(), quotient);
                for (int k = 0; k < quotient; ++k)
                    EXPECT_EQ(becher[k].stiftfarbe, k % 2 == 0 ? clRed : clBlue) << "group " << k;
                paarweise(becher);
            }
        }
    // Sharing counts what each receiver has, group by group, as grouping counts the groups.
    EXPECT_EQ(texte(verteilbild(k14durch4, kQuotientPhase)),
        (QStringList { "14  verteilt an  4", "  4  verteilt an  4  ", "jeder bekommt 1 ", "  8  verteilt an  4  ",
            "jeder bekommt 2 ", "  12  verteilt an  4  ", "jeder bekommt  ???" }));
    EXPECT_EQ(texte(verteilbild(k14durch4, kRestPhase)).last(), "   jeder bekommt 3   ");
    // All texts in the large writing of the picture; the task in green, each count in its group's colour.
    for (const auto& [bild, box] : { std::pair { aufteilbild(k14durch4, kRestPhase), Box::aufteil },
             std::pair { verteilbild(k14durch4, kRestPhase), Box::verteil } }) {
        const QVector<Zug> t = zuege(bild, box, Zug::Art::text);
        ASSERT_EQ(t.size(), 8);
        for (const Zug& z : t)
            EXPECT_EQ(z.schrifthoehe, 45) << z.text.toStdString();
        EXPECT_EQ(t[0].schriftfarbe, QColor(clGreen));
        EXPECT_EQ(t[1].schriftfarbe, QColor(clRed));
        EXPECT_EQ(t[3].schriftfarbe, QColor(clBlue));
    }
}

// Over many tasks every remainder the divisor allows comes, and the checks take the quotient, then the
// remainder.
TEST_F(Kl1d1Logik, EveryRemainderTheDivisorAllowsComesAndIsCheckedAfterTheQuotient)
{
    PinRandomSeed(21);
    for (int divisor = 2; divisor <= 10; ++divisor) {
        QSet<int> reste;
        for (int n = 0; n < 300; ++n)
            reste << aufgabe(divisor, 3, true).rest;
        EXPECT_EQ(reste.size(), divisor - 1) << divisor;
    }
    UnpinRandomSeed();
    EXPECT_EQ(pruefen(k14durch4, kQuotientPhase, 3), Urteil::quotientRichtig);
    EXPECT_EQ(pruefen(k14durch4, kQuotientPhase, 2), Urteil::falsch);
    EXPECT_EQ(pruefen(k14durch4, kRestPhase, 2), Urteil::geloest);
    EXPECT_EQ(pruefen(k14durch4, kRestPhase, 3), Urteil::falsch);
    const Aufgabe ohne { 4, 3, 0, 12 };
    EXPECT_EQ(pruefen(ohne, kQuotientPhase, 3), Urteil::geloest);
    EXPECT_EQ(pruefen(ohne, kQuotientPhase, 4), Urteil::falsch);
    EXPECT_EQ(noetigeEingaben(k14durch4), 4);
    EXPECT_EQ(noetigeEingaben(ohne), 2);
    EXPECT_EQ(noetigeEingaben({ 7, 10, 6, 76 }), 5);
    EXPECT_EQ(ergebnistext(k14durch4), "3  Rest 2");
    EXPECT_EQ(ergebnistext(ohne), "3");
    EXPECT_EQ(texte(aufgabenbild(k14durch4)), (QStringList { "kleines  1 : 1", "14 : 4 =  ?" }));
    // The title and the task stand in frames of one green pen.
    for (const Box box : { Box::titel, Box::aufgabe }) {
        const QVector<Zug> rahmen = zuege(aufgabenbild(k14durch4), box, Zug::Art::rechteck);
        ASSERT_EQ(rahmen.size(), 1);
        EXPECT_EQ(rahmen[0].stiftfarbe, clGreen);
        EXPECT_EQ(rahmen[0].stiftbreite, 2);
    }
    EXPECT_EQ(texte(restfrage(k14durch4)), (QStringList { "14 : 4 = 3", "Rest  ?" }));
}

// The hundred board shows the multiples of the divisor up to ten times it in yellow, and no other number.
TEST_F(Kl1d1Logik, TheHundredBoardShowsExactlyTheTenMultiplesOfTheDivisorInYellow)
{
    for (int divisor = 1; divisor <= 10; ++divisor) {
        QSet<int> gelb, soll;
        for (int k = 1; k <= 10; ++k)
            soll << k * divisor;
        int zahlen = 0;
        for (const Zug& z :
            zuege(hunderterbild({ divisor, 2, 0, 2 * divisor }, kQuotientPhase), Box::hund, Zug::Art::text)) {
            ++zahlen;
            if (z.pinsel == QColor(clYellow)) gelb << z.text.toInt();
        }
        EXPECT_EQ(zahlen, 100);
        EXPECT_EQ(gelb, soll) << divisor;
    }
}

namespace {

// The number (1-based, ten to a row) of the dividend dot that holds a point, 0 if none.
int punktnummer(const QVector<Zug>& punkte, QPoint p)
{
    for (int i = 0; i < punkte.size(); ++i)
        if (QRect(punkte[i].punkte[0], punkte[i].punkte[1]).contains(p)) return i + 1;
    return 0;
}

QPoint mitte(const Zug& z)
{
    return (z.punkte.first() + z.punkte.last()) / 2;
}

} // namespace

// Whatever the task, grouping and sharing cross out the dividend's dots in order, one per dot the groups take,
// and mark each dot that is left over as the remainder.
TEST_F(Kl1d1Logik, StrokesCrossOutTheDotsInOrderAndTheMarksSitOnTheDotsLeftOver)
{
    for (int divisor = 2; divisor <= 10; ++divisor)
        for (int quotient = 1; divisor * quotient < 100; ++quotient)
            for (int rest = 0; rest < divisor && divisor * quotient + rest <= 100; ++rest) {
                const Aufgabe a { divisor, quotient, rest, divisor * quotient + rest };
                SCOPED_TRACE(std::to_string(a.dividend) + " : " + std::to_string(divisor));
                for (const Bild& bild : { aufteilbild(a, kRestPhase), verteilbild(a, kRestPhase) }) {
                    const QVector<Zug> alle = zuege(bild, Box::avhund, Zug::Art::punkt);
                    ASSERT_EQ(alle.size(), a.dividend + rest);
                    const QVector<Zug> punkte = alle.mid(0, a.dividend);
                    const QVector<Zug> striche = zuege(bild, Box::avhund, Zug::Art::linie).mid(24);
                    ASSERT_EQ(striche.size(), divisor * quotient);
                    for (int i = 0; i < striche.size(); ++i)
                        ASSERT_EQ(punktnummer(punkte, mitte(striche[i])), i + 1) << "stroke " << i;
                    for (int k = 0; k < rest; ++k)
                        ASSERT_EQ(punktnummer(punkte, mitte(alle[a.dividend + k])), divisor * quotient + k + 1)
                            << "mark " << k;
                }
            }
}

// On the number line the bar reaches the dividend, ten jumps of the divisor follow each other from 0 and the
// remainder's dots lie between the last full jump and the dividend.
TEST_F(Kl1d1Logik, TheNumberLineShowsTheDividendTheJumpsAndTheRemainderBetween)
{
    const auto x = [](int n) { return 15 + 7 * n; };
    for (int divisor = 2; divisor <= 10; ++divisor)
        for (int quotient = 1; divisor * quotient < 100; ++quotient) {
            const Aufgabe a { divisor, quotient, divisor - 1, divisor * quotient + divisor - 1 };
            if (a.dividend > 100) continue;
            SCOPED_TRACE(std::to_string(a.dividend) + " : " + std::to_string(divisor));
            const Bild bild = strahlbild(a, kRestPhase);
            const QVector<Zug> balken = zuege(bild, Box::strahl, Zug::Art::rechteck);
            ASSERT_EQ(balken.size(), 12); // the box, the bar and ten jumps
            EXPECT_EQ(balken[1].punkte[0].x(), x(0));
            EXPECT_EQ(balken[1].punkte[1].x(), x(a.dividend));
            for (int k = 1; k <= 10; ++k) {
                EXPECT_EQ(balken[k + 1].punkte[0].x(), x(divisor * (k - 1))) << "jump " << k;
                EXPECT_EQ(balken[k + 1].punkte[1].x(), x(divisor * k)) << "jump " << k;
                // The jumps alternate red and blue, so the pupil can count them.
                const QColor farbe = k % 2 == 1 ? clRed : clBlue;
                EXPECT_EQ(balken[k + 1].pinsel, farbe) << "jump " << k;
                EXPECT_EQ(balken[k + 1].stiftfarbe, farbe) << "jump " << k;
            }
            EXPECT_EQ(balken[1].pinsel, QColor(clGreen));
            EXPECT_EQ(zuege(bild, Box::strahl, Zug::Art::linie).last().punkte[0].x(), x(a.dividend));
            const QVector<Zug> rest = zuege(bild, Box::strahl, Zug::Art::punkt);
            ASSERT_EQ(rest.size(), a.rest);
            for (int j = 0; j < rest.size(); ++j) {
                EXPECT_GT(rest[j].punkte[0].x(), x(divisor * quotient + j));
                EXPECT_LT(rest[j].punkte[1].x(), x(divisor * quotient + j + 1));
            }
            EXPECT_TRUE(zuege(strahlbild(a, kQuotientPhase), Box::strahl, Zug::Art::punkt).isEmpty());
        }
}

// The dot field colours its quarters: red where row and column lie in the same half, blue otherwise.
TEST_F(Kl1d1Logik, TheDotFieldsQuartersSplitAfterTheFifthRowAndColumn)
{
    const QVector<Zug> punkte = zuege(feldbild({ 10, 10, 0, 100 }, kQuotientPhase), Box::feld, Zug::Art::punkt);
    ASSERT_EQ(punkte.size(), 100);
    QString farben;
    for (int i = 0; i < 100; ++i) {
        farben += punkte[i].pinsel == QColor(clRed) ? u'r' : punkte[i].pinsel == QColor(clBlue) ? u'b' : u'?';
        EXPECT_EQ(punkte[i].stiftfarbe, punkte[i].pinsel) << i;
    }
    for (int zeile = 1; zeile <= 10; ++zeile)
        EXPECT_EQ(farben.mid(10 * (zeile - 1), 10), zeile <= 5 ? "rrrrrbbbbb" : "bbbbbrrrrr") << zeile;
}

// With the remainder asked, the hundred board lights up the numbers after the last multiple up to the
// dividend, each in its own cell.
TEST_F(Kl1d1Logik, TheHundredBoardLightsUpTheRemainderNumbersInTheirCells)
{
    for (int divisor = 2; divisor <= 10; ++divisor)
        for (int quotient = 1; divisor * quotient < 100; ++quotient) {
            const int rest = std::min(divisor - 1, 100 - divisor * quotient);
            const Aufgabe a { divisor, quotient, rest, divisor * quotient + rest };
            SCOPED_TRACE(std::to_string(a.dividend) + " : " + std::to_string(divisor));
            const QVector<Zug> texte = zuege(hunderterbild(a, kRestPhase), Box::hund, Zug::Art::text);
            ASSERT_EQ(texte.size(), 100 + rest);
            for (int k = 0; k < rest; ++k) {
                const Zug& z = texte[100 + k];
                const int n = divisor * quotient + k + 1;
                EXPECT_EQ(z.text, QString::number(n));
                EXPECT_EQ(z.pinsel, kRestfarbe);
                EXPECT_EQ(z.punkte, texte[n - 1].punkte) << n;
            }
        }
}

// The hint stands inside the area that is blanked before the next input.
TEST_F(Kl1d1Logik, TheHintLiesInsideTheAreaBlankedAfterIt)
{
    const QVector<Zug> rahmen = zuege(hinweisLoeschen(), Box::titel, Zug::Art::rechteck);
    ASSERT_EQ(rahmen.size(), 1);
    const QRect r(rahmen[0].punkte[0], rahmen[0].punkte[1]);
    const QVector<Zug> t = zuege(hinweis(), Box::titel, Zug::Art::text);
    ASSERT_EQ(texte(hinweis()), (QStringList { "hole Hilfe,", "lösche & rechne neu" }));
    for (const Zug& z : t)
        EXPECT_TRUE(r.contains(z.punkte[0])) << z.text.toStdString();
}

// Before each new group's count the answer line is blanked, so the counts never stand on each other.
TEST_F(Kl1d1Logik, TheAnswerLineIsBlankedBeforeEachNextCount)
{
    for (const Aufgabe& a : { k14durch4, Aufgabe { 3, 7, 0, 21 }, Aufgabe { 5, 1, 0, 5 } })
        for (const auto& [bild, box] : { std::pair { aufteilbild(a, kQuotientPhase), Box::aufteil },
                 std::pair { verteilbild(a, kQuotientPhase), Box::verteil } }) {
            const QVector<Zug> rechtecke = zuege(bild, box, Zug::Art::rechteck);
            ASSERT_EQ(rechtecke.size(), a.quotient) << a.dividend; // the frame and one blank per further group
            for (int k = 1; k < rechtecke.size(); ++k) {
                const QRect r(rechtecke[k].punkte[0], rechtecke[k].punkte[1]);
                EXPECT_TRUE(r.top() < 215 && r.bottom() > 215 && r.left() < 20) << a.dividend;
            }
        }
}
