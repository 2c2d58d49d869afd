// "SV3" without a window: the kinds, the columns and carries, the skips, the messages and the show stages.

#include "aids/h_svmZE_logik.h"
#include "aids/schriften.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"

#include <algorithm>
#include <map>

using namespace svmZE;

namespace {

class SvmZELogik : public TaviTest { };

Aufgabe aufgabe(int a, int b, int art)
{
    return aufgabeBilden({ a / 100, a / 10 % 10, a % 10, b / 10, b % 10 }, art);
}

// What the pupil types, with the skips, and where "Gemerkte?" is enabled after each digit.
QString tippen(const Aufgabe& a, QList<bool>* merke = nullptr)
{
    QString t;
    int p = 13;
    while (p >= 1) {
        t += a.wahltext.at(p - 1);
        p = ueberspringen(a, p - 1);
        if (merke) *merke << merkeFrei(a.art, p);
    }
    return t;
}

} // namespace

TEST_F(SvmZELogik, EveryKindMultipliesRightAndKeepsItsForm)
{
    for (int art = 0; art <= 3; ++art) {
        SCOPED_TRACE(art);
        for (int seed = 1; seed <= 300; ++seed) {
            RandSeed(std::uint32_t(seed));
            const Faktoren f = stellenwurf(art);
            const Aufgabe a = aufgabeBilden(f, art);
            const int x = f.h * 100 + f.z * 10 + f.e, y = f.z2 * 10 + f.e2;
            ASSERT_EQ(a.ergebnis(), x * y) << x << " x " << y;
            ASSERT_EQ(a.wahltext.size(), 13);
            ASSERT_GE(f.h, 1);
            switch (art) {
            case 0:
                ASSERT_EQ(f.e2, 0);
                ASSERT_GE(a.ergebnis(), 10000);
                break;
            case 1:
                ASSERT_EQ(f.z2, 1);
                break;
            case 2:
                ASSERT_TRUE(f.z2 >= 2 && f.e2 >= 1);
                break;
            case 3:
                ASSERT_TRUE((f.z == 0) != (f.e == 0));
                break;
            }
            // Typed with the skips, the digits are the two rows and the result without leading zeros.
            const QString t = tippen(a);
            const QString ergebnis = QString::number(x * y);
            QString rueckwaerts = ergebnis;
            std::reverse(rueckwaerts.begin(), rueckwaerts.end());
            ASSERT_TRUE(t.endsWith(rueckwaerts)) << t.toStdString();
        }
    }
    EXPECT_EQ(artVonStufe(5), -1);
}

TEST_F(SvmZELogik, TheSkipsOfTheExamples)
{
    QList<bool> merke;
    EXPECT_EQ(tippen(aufgabe(543, 20, 0), &merke), "6801006801");
    // Only the first row has carries to show.
    EXPECT_EQ(merke, (QList<bool> { true, true, true, false, false, false, false, false, false, false }));
    merke.clear();
    EXPECT_EQ(tippen(aufgabe(213, 14, 1), &merke), "3122582892");
    EXPECT_EQ(merke.mid(0, 3), (QList<bool> { false, false, false }));
    merke.clear();
    const Aufgabe a = aufgabe(347, 26, 2);
    EXPECT_EQ(tippen(a, &merke), "49628022209");
    // After the skip at 10 the pointer is at the units of the second row, which has no carry.
    EXPECT_EQ(merke.at(2), false);
    EXPECT_EQ(merkeText(a, 12), "1");
    EXPECT_EQ(merkeText(a, 7), "2");
}

TEST_F(SvmZELogik, MessagesHelpAndShowOfTheSteps)
{
    // 358 x 3: 8 x 3 = 24, 5 x 3 = 15, a 5 in the tens forgets the 2.
    EXPECT_EQ(meldung(aufgabe(358, 31, 2), 12, u'5').text, "Die Gemerkten wurden vergessen.");
    // With no carry into the hundreds one less is just wrong.
    const Aufgabe b = aufgabe(213, 14, 1);
    EXPECT_EQ(meldung(b, 3, u'8').text, "Die 8 war falsch. Rechne neu oder hole Hilfe.");
    EXPECT_EQ(zeigen(b, 13, 2).texte(), (QStringList { "3", "tippe" }));

    const Aufgabe a = aufgabe(347, 26, 2);
    EXPECT_EQ(hilfe(a, 12).texte(), (QStringList { "rechne:    2    4", "und addiere die Gemerkten" }));
    EXPECT_EQ(hilfe(a, 10).texte(), QStringList { "es fehlen nur noch die Gemerkten" });
    EXPECT_EQ(hilfe(a, 5).texte(), (QStringList { "zähle zusammen", "(beginne von rechts)" }));
    EXPECT_EQ(zeigen(a, 12, 1).texte(), (QStringList { "=  8", "1" }));
    EXPECT_EQ(zeigen(a, 13, 2).texte(), (QStringList { "14", "tippe", "merke" }));
    EXPECT_EQ(zeigen(a, 10, 2).texte(), QStringList { ":   0" });
    EXPECT_EQ(zeigen(a, 4, 2).texte(), QStringList { "2" });
}

TEST_F(SvmZELogik, EveryKindsDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    PinRandomSeed(21);
    QStringList alle;
    for (int art = 0; art <= 3; ++art) {
        Wertebereiche w;
        for (int n = 0; n < 3000; ++n) {
            const Faktoren f = stellenwurf(art);
            w(QStringLiteral("H"), f.h);
            w(QStringLiteral("Z"), f.z);
            w(QStringLiteral("E"), f.e);
            w(QStringLiteral("Z2"), f.z2);
            w(QStringLiteral("E2"), f.e2);
        }
        alle << QString::number(art) + QStringLiteral(": ") + w.text();
    }
    // Kind 0 gives a five-digit product: its hundreds times the tens are at least 10, and 10 itself comes.
    int kleinstes = 100;
    for (int n = 0; n < 1000; ++n) {
        const Faktoren f = stellenwurf(0);
        kleinstes = std::min(kleinstes, f.h * f.z2);
    }
    EXPECT_EQ(kleinstes, 10);
    // Kind 3 puts its zero into the tens or into the units alike.
    int zehnerNull = 0;
    for (int n = 0; n < 1000; ++n)
        zehnerNull += stellenwurf(3).z == 0;
    EXPECT_NEAR(zehnerNull, 500, 60);
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "0: E 1-9, E2 0, H 2-9, Z 1-9, Z2 2-9\n"
        "1: E 1-9, E2 1-9, H 2-9, Z 1-9, Z2 1\n"
        "2: E 1-9, E2 1-9, H 1-9, Z 1-9, Z2 2-9\n"
        "3: E 0-9, E2 1-9, H 1-9, Z 0-9, Z2 2-9");
}

namespace {

// The place value of the digit typed at a position: 0 units, 1 tens, ...; the row times the tens stands one
// column to the left.
int stellenwert(int p)
{
    return p >= 10 ? 14 - p : p >= 6 ? 9 - p : 5 - p;
}

} // namespace

// Every typed digit stands in the column of its place value, under the units of the second factor and to the
// left of them: the row times the tens, below it the row times the units, the sum below the second line.
TEST_F(SvmZELogik, EveryTypedDigitStandsInItsColumnAndRow)
{
    const Aufgabe a = aufgabe(347, 26, 2);
    const std::vector<schrift::Schrift> oben = schriften(aufgabenbild(a));
    // The two factors with a blank between them, where the dot stands.
    EXPECT_EQ(aufgabenbild(a).texte(), (QStringList { "3", "4", "7", " ", "2", "6" }));
    ASSERT_EQ(oben.back().text, "6");
    const int einerX = oben.back().x, spalte = oben.back().x - oben[oben.size() - 2].x;
    ASSERT_EQ(spalte, 72);
    std::map<int, int> zeilen; // position -> y
    for (int p = 1; p <= 13; ++p) {
        const std::vector<schrift::Schrift> e = schriften(eintrag(p, u'5'));
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].x, einerX - spalte * stellenwert(p)) << "position " << p;
        zeilen[p] = e[0].y;
    }
    for (int p : { 10, 11, 12 })
        EXPECT_EQ(zeilen[p], zeilen[13]);
    for (int p : { 6, 7, 8 })
        EXPECT_EQ(zeilen[p], zeilen[9]);
    for (int p : { 1, 2, 3, 4 })
        EXPECT_EQ(zeilen[p], zeilen[5]);
    EXPECT_GT(zeilen[13], oben.back().y + 95);
    EXPECT_GT(zeilen[9], zeilen[13] + 95);
    EXPECT_GT(zeilen[5], zeilen[9] + 95);
    // The sum's arrow points up at its column.
    for (int p = 1; p <= 5; ++p) {
        const schrift::Bild pfeil = spaltenpfeil(p);
        const auto* schaft = std::get_if<schrift::Linienzug>(&pfeil.teile.front());
        ASSERT_TRUE(schaft);
        EXPECT_LE(std::abs(schaft->punkte.front().x() - (einerX - spalte * stellenwert(p))), 5) << "position " << p;
    }
}

// The arc of a row step runs from the digit of the second factor the row multiplies by to the digit of the first
// factor the step multiplies, and the help names the same two.
TEST_F(SvmZELogik, TheArcRunsFromTheMultiplierToTheDigitOfItsStep)
{
    const Aufgabe a = aufgabe(347, 26, 2);
    const std::vector<schrift::Schrift> oben = schriften(aufgabenbild(a));
    const auto bei = [&](int x) {
        return std::min_element(oben.begin(), oben.end(), [x](const auto& s, const auto& t) {
            return std::abs(s.x - x) < std::abs(t.x - x);
        })->text;
    };
    for (int p : { 7, 8, 9, 11, 12, 13 }) {
        SCOPED_TRACE(p);
        std::vector<QPoint> punkte;
        for (const schrift::Element& e : bogen(p).teile)
            if (const auto* l = std::get_if<schrift::Linienzug>(&e))
                punkte.insert(punkte.end(), l->punkte.begin(), l->punkte.end());
        const QString faktor = p <= 9 ? "6" : "2";
        const QString stelle = p == 7 || p == 11 ? "3" : p == 8 || p == 12 ? "4" : "7";
        EXPECT_EQ(bei(punkte.front().x()), faktor);
        // The arc and the column arrow go away when drawn again.
        for (const schrift::Bild& b : { bogen(p), spaltenpfeil(p <= 9 ? p - 6 : p - 10) })
            for (const schrift::Element& e : b.teile) {
                const auto* l = std::get_if<schrift::Linienzug>(&e);
                const auto* r = std::get_if<schrift::Rechteck>(&e);
                EXPECT_TRUE((l && l->xorStift) || (r && r->xorStift));
            }
        const QPoint spitze = *std::max_element(punkte.begin(), punkte.end(), [&](const QPoint& x, const QPoint& y) {
            return std::count(punkte.begin(), punkte.end(), x) < std::count(punkte.begin(), punkte.end(), y);
        });
        EXPECT_EQ(bei(spitze.x()), stelle);
        EXPECT_EQ(hilfe(a, p).texte().value(0), "rechne:    " + faktor + "    " + stelle);
        EXPECT_EQ(hilfe(a, p).texte().contains("und addiere die Gemerkten"), p != 9 && p != 13);
    }
    // The carries alone, the sum.
    for (int p : { 6, 10 })
        EXPECT_EQ(hilfe(a, p).texte(), QStringList { "es fehlen nur noch die Gemerkten" });
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(hilfe(a, p).texte(), (QStringList { "zähle zusammen", "(gab es Gemerkte?)" })) << p;
    EXPECT_EQ(hilfe(a, 4).texte(), QStringList { "zähle zusammen" });
    EXPECT_EQ(hilfe(aufgabe(543, 20, 0), 3).texte(), QStringList { "zähle zusammen" });
    EXPECT_TRUE(hilfe(a, 0).leer());
    EXPECT_TRUE(hilfe(a, 14).leer());
}

// "Gemerkte?" is offered where the kind's rows or sum carry: kind 0 only in the row times the tens, kind 1 only in
// the row times the units and the sum, the others everywhere a column takes a carry.
TEST_F(SvmZELogik, GemerkteIsOfferedAtTheStepsThatTakeACarry)
{
    for (int art = 0; art <= 3; ++art) {
        QList<int> frei;
        for (int p = 0; p <= 14; ++p)
            if (merkeFrei(art, p)) frei << p;
        const QList<int> soll = art == 0 ? QList<int> { 10, 11, 12 }
            : art == 1                   ? QList<int> { 1, 2, 3, 6, 7, 8 }
                                         : QList<int> { 1, 2, 3, 6, 7, 8, 10, 11, 12 };
        EXPECT_EQ(frei, soll) << "kind " << art;
    }
    const Aufgabe a = aufgabe(347, 26, 2);
    EXPECT_TRUE(merkeText(a, 13).isEmpty());
    EXPECT_TRUE(merkeText(a, 0).isEmpty());
    EXPECT_EQ(merkeText(a, 1), a.merkziffern[12]);
}

// Show: the first press gives the column's plain product and the carry to add, the second the number to write,
// the digit to type and, where something carries on, what to keep.
TEST_F(SvmZELogik, ShowGivesTheProductThenTheDigitToTypeAndWhatToKeep)
{
    PinRandomSeed(41);
    for (int art = 0; art <= 3; ++art)
        for (int n = 0; n < 30; ++n) {
            const Aufgabe a = aufgabeBilden(stellenwurf(art), art);
            const Faktoren& f = a.f;
            for (int p = 1; p <= 13; ++p) {
                SCOPED_TRACE(QStringLiteral("%1%2%3 x %4%5, position %6")
                                 .arg(f.h)
                                 .arg(f.z)
                                 .arg(f.e)
                                 .arg(f.z2)
                                 .arg(f.e2)
                                 .arg(p)
                                 .toStdString());
                const QChar soll = a.wahltext.at(p - 1);
                const QStringList eins = zeigen(a, p, 1).texte(), zwei = zeigen(a, p, 2).texte();
                EXPECT_TRUE(zeigen(a, p, 3).leer());
                EXPECT_EQ(zeigeschritt(p), eins.isEmpty() ? 2 : 1);
                if (p <= 5) {
                    EXPECT_TRUE(eins.isEmpty());
                    EXPECT_EQ(zwei, QStringList { QString(soll) });
                    continue;
                }
                if (p == 6 || p == 10) {
                    EXPECT_TRUE(eins.isEmpty());
                    EXPECT_EQ(zwei, QStringList { QStringLiteral(":   ") + soll });
                    continue;
                }
                const int faktor = p <= 9 ? f.e2 : f.z2;
                const int stelle = (p == 7 || p == 11) ? f.h : (p == 8 || p == 12) ? f.z : f.e;
                const svmdE::Reihe& r = p <= 9 ? a.einerreihe : a.zehnerreihe;
                const int hinein = (p == 7 || p == 11) ? r.merkZ : (p == 8 || p == 12) ? r.merkE : 0;
                const int heraus = (p == 7 || p == 11) ? r.merkH : (p == 8 || p == 12) ? r.merkZ : r.merkE;
                QStringList erst { QStringLiteral("=  ") + QString::number(faktor * stelle) };
                if (p != 9 && p != 13) erst << QString::number(hinein);
                EXPECT_EQ(eins, erst);
                const int zahl = faktor * stelle + hinein;
                ASSERT_GE(zwei.size(), 2);
                EXPECT_EQ(zwei[0].toInt(), zahl);
                EXPECT_EQ(zwei[0].right(1), QString(soll));
                EXPECT_EQ(zwei[1], "tippe");
                EXPECT_EQ(zwei.contains("merke"), heraus > 0 || (p != 9 && p != 13));
            }
        }
}

// A slip of order is taken back, a forgotten carry named, a sum digit one too small with a carry into it named;
// anything else is wrong and frees the help.
TEST_F(SvmZELogik, EachWrongDigitGetsTheMessageOfItsKind)
{
    // 347 x 26: the row times 2 is 694, the row times 6 is 2082, the sum 9022.
    const Aufgabe a = aufgabe(347, 26, 2);
    ASSERT_EQ(a.wahltext, "0902220820694");
    const QString reihenfolge = QStringLiteral("Tippe weiterhin von rechts nch links ein.");
    const QString vergessen = QStringLiteral("Die Gemerkten wurden vergessen.");
    const QString einer = QStringLiteral("Es gab einen Gemerkten.");
    struct Fall {
        int p;
        QChar getippt;
        QString text;
    };
    const Fall faelle[] = {
        // The digit after the next typed first, at the three steps before a row's or the sum's leading digit.
        { 11, u'0', reihenfolge },
        { 7, u'2', reihenfolge },
        { 2, u'0', reihenfolge },
        { 12, u'6', QString() },
        { 8, u'0', QString() },
        // The plain product's units digit: 4 x 2 = 8 at 12, 4 x 6 = 24 at 8, 3 x 6 = 18 at 7.
        { 12, u'8', vergessen },
        { 8, u'4', vergessen },
        { 7, u'8', vergessen },
        // One less in the sum where a carry came in: into the hundreds and the thousands, not the ten-thousands.
        { 3, u'9', einer },
        { 2, u'8', einer },
        { 1, u'9', QString() },
        { 4, u'1', QString() },
        { 13, u'5', QString() },
    };
    for (const Fall& f : faelle) {
        const Meldung m = meldung(a, f.p, f.getippt);
        const QString text = f.text.isEmpty()
            ? QStringLiteral("Die ") + f.getippt + QStringLiteral(" war falsch. Rechne neu oder hole Hilfe.")
            : f.text;
        EXPECT_EQ(m.text, text) << "position " << f.p << ", " << QString(f.getippt).toStdString();
        EXPECT_EQ(m.zaehlt, f.text != reihenfolge) << "position " << f.p;
        EXPECT_EQ(m.hilfeFrei, f.text.isEmpty()) << "position " << f.p;
    }
}
