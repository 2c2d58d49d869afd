#include "games/s_zeichziff_logik.h"
#include "games/zifferneingabe.h"
#include "platform/random.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace s_zeichziff;

namespace {

const std::array<QString, 4> kAlle { "+", "-", "*", ":" };

// The operands and result of a task text, and its operation.
struct Zerlegt {
    int links, b, rechts;
    QChar op;
};
Zerlegt zerlegen(const QString& t)
{
    return { t.left(2).trimmed().toInt(), t.mid(3, 1).toInt(), t.mid(5, 2).trimmed().toInt(), t.at(2) };
}

// Every task of the game with all four operations, taken apart, with its number and its first operand, until the
// generator gives up.
void alleAufgaben(Zeichenspiel& s, const std::function<void(int, const Zerlegt&, int)>& jede)
{
    for (int n = 1; n <= Zeichenspiel::kAufgaben; ++n) {
        const auto a = s.naechsteAufgabe(kAlle);
        ASSERT_TRUE(a);
        if (a->text.isEmpty()) break;
        const Zerlegt z = zerlegen(a->text);
        jede(n, z, z.op == '+' || z.op == '*' ? z.links : z.rechts);
    }
}

// A new game with the random generator seeded.
Zeichenspiel neuesSpiel(std::uint32_t seed)
{
    RandSeed(seed);
    Zeichenspiel s;
    s.neuesSpiel();
    return s;
}

} // namespace

TEST(Zeichenspiel, TaskTextsAndRatings)
{
    EXPECT_EQ(aufgabentext(0, 3, 5), " 3+5= 8");
    EXPECT_EQ(aufgabentext(1, 5, 8), "13-8= 5");
    EXPECT_EQ(aufgabentext(2, 7, 8), " 7*8=56");
    EXPECT_EQ(aufgabentext(3, 6, 4), "24:4= 6");
    const int kosten[] = { 0, 0, 1, 2, 2, 3 };
    for (int f = 0; f <= 5; ++f)
        EXPECT_EQ(strafe(f), kosten[f]) << f;
    // Every score, so that each rating starts and ends where it should.
    const char* bewertung[] = { " ih! ", " ih! ", " ih! ", " ih! ", " ih! ", " na ja! ", " na ja! ", " o.k. ", " o.k. ",
        " gut! ", " BRAVO!!! " };
    for (int p = 0; p <= 10; ++p)
        EXPECT_EQ(bewertungstext(p), bewertung[p]) << p;
}

TEST(Zeichenspiel, OverManySeedsNoSymbolStandsForItsOwnPlace)
{
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed(seed);
        const auto z = zuordnungZiehen();
        for (int i = 0; i <= 9; ++i)
            ASSERT_NE(z[size_t(i)], i) << seed;
        // One cycle through all ten.
        int i = 0, laenge = 0;
        do {
            i = z[size_t(i)];
            ++laenge;
        } while (i != 0);
        EXPECT_EQ(laenge, 10);
    }
}

TEST(Zeichenspiel, TasksKeepTheirRulesOverManyGames)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        const bool nurGeteilt = seed % 4 == 0;
        const std::array<QString, 4> arten = nurGeteilt ? std::array<QString, 4> { "n", "n", "n", ":" } : kAlle;
        Zeichenspiel s;
        s.neuesSpiel();
        QList<int> ergebnisse;
        for (int n = 1; n <= Zeichenspiel::kAufgaben; ++n) {
            const auto a = s.naechsteAufgabe(arten);
            ASSERT_TRUE(a);
            ASSERT_EQ(a->nummer, n);
            if (a->text.isEmpty()) continue;
            const Zerlegt z = zerlegen(a->text);
            const bool plus = z.op == '+' || z.op == '-';
            const int c = z.op == '+' || z.op == '*' ? z.rechts : z.links;
            const int erster = z.op == '+' || z.op == '*' ? z.links : z.rechts;
            if (n <= 2) {
                EXPECT_GE(erster, 2);
                EXPECT_GE(z.b, 2);
                if (plus)
                    EXPECT_TRUE(c >= 4 && c <= 16) << a->text.toStdString();
                else
                    EXPECT_TRUE(c >= 4 && c <= 64) << a->text.toStdString();
            }
            if (z.op == ':') {
                EXPECT_NE(z.links, 0);
            }
            if (nurGeteilt) {
                EXPECT_EQ(z.op, QChar(':'));
            }
            // No two tasks rest on the same sum or product: "13-8= 5" blocks a later sum 13.
            EXPECT_FALSE(ergebnisse.contains(c)) << a->text.toStdString();
            ergebnisse << c;
        }
        EXPECT_FALSE(s.naechsteAufgabe(arten)) << "at most 16 tasks";
    }
}

// Over many games the operands run from 0 to 9; 0 and 1 come from the third task on, never before.
TEST(Zeichenspiel, OperandsRunFromZeroToNineAndSmallOnesFromTheThirdTaskOn)
{
    std::set<int> operanden, kleineAb;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        Zeichenspiel s = neuesSpiel(seed);
        alleAufgaben(s, [&](int n, const Zerlegt& z, int erster) {
            for (const int x : { erster, z.b }) {
                operanden.insert(x);
                if (x <= 1) kleineAb.insert(n);
            }
        });
    }
    EXPECT_EQ(operanden, (std::set<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }));
    ASSERT_FALSE(kleineAb.empty());
    EXPECT_EQ(*kleineAb.begin(), 3);
}

// Each task after the first shows a digit whose symbol is still to be found, and the symbol of a digit is the one
// standing for it.
TEST(Zeichenspiel, EachLaterTaskShowsADigitStillToBeFound)
{
    int geprueft = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Zeichenspiel s = neuesSpiel(seed);
        for (int d = 0; d <= 9; ++d)
            EXPECT_EQ(s.zifferVon(s.symbolVon(d)), d);
        for (int n = 1; n <= Zeichenspiel::kAufgaben && !s.fertig(); ++n) {
            const auto a = s.naechsteAufgabe(kAlle);
            ASSERT_TRUE(a);
            if (a->text.isEmpty() || s.lockerungen() > 0) break;
            if (n >= 2) {
                bool neu = false;
                for (const QChar c : a->text)
                    neu = neu || (c.isDigit() && !s.vergeben(c.digitValue()));
                EXPECT_TRUE(neu) << "seed " << seed << ", task " << n << ": " << a->text.toStdString();
                ++geprueft;
            }
            // The pupil finds the digits of the task's first operand.
            for (const QChar c : a->text.left(2))
                if (c.isDigit() && !s.vergeben(c.digitValue())) {
                    s.markieren(s.symbolVon(c.digitValue()));
                    EXPECT_EQ(s.ziffer(c.digitValue()), Eingabe::gefunden);
                }
        }
    }
    EXPECT_GT(geprueft, 500);
}

// Once a task has shown the digit 1 (a factor 1, or a sum past 9), no later task of the game rests on a factor 1,
// until the generator has to relax its rules.
TEST(Zeichenspiel, AFactorOneComesOnlyWhileTheDigitOneIsUnspent)
{
    int geprueft = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        RandSeed(seed);
        const std::array<QString, 4> arten = seed % 2 ? kAlle : std::array<QString, 4> { "n", "n", "*", ":" };
        Zeichenspiel s;
        s.neuesSpiel();
        bool einsGezeigt = false;
        for (int n = 1; n <= Zeichenspiel::kAufgaben; ++n) {
            const auto a = s.naechsteAufgabe(arten);
            ASSERT_TRUE(a);
            if (s.lockerungen() > 0 || a->text.isEmpty()) break;
            const Zerlegt z = zerlegen(a->text);
            const bool plus = z.op == '+' || z.op == '-';
            const int erster = z.op == '*' ? z.links : z.rechts;
            const bool faktorEins = !plus && (erster == 1 || z.b == 1);
            if (faktorEins) {
                EXPECT_FALSE(einsGezeigt) << "seed " << seed << ", task " << n << ": " << a->text.toStdString();
                ++geprueft;
            }
            const int summe = z.op == '+' ? z.rechts : z.links;
            einsGezeigt = einsGezeigt || faktorEins || (plus && summe > 9);
        }
    }
    EXPECT_GT(geprueft, 50);
}

TEST(Zeichenspiel, WrongEntriesCountOncePerMarkingAndSettledSymbolsIgnoreDigits)
{
    Zeichenspiel s;
    s.neuesSpiel();
    s.setZuordnung({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 0 });
    EXPECT_EQ(s.ziffer(1), Eingabe::ignoriert); // nothing marked yet
    s.markieren(0);
    EXPECT_EQ(s.ziffer(5), Eingabe::fehler);
    EXPECT_EQ(s.ziffer(6), Eingabe::ohneWirkung);
    EXPECT_EQ(s.fehlerzahl(), 1);
    EXPECT_EQ(s.punkteUnter(0), 1);
    EXPECT_EQ(s.ziffer(1), Eingabe::gefunden);
    EXPECT_EQ(s.ziffer(2), Eingabe::ignoriert); // symbol 0 is settled
    s.markieren(3);
    EXPECT_EQ(s.ziffer(1), Eingabe::ignoriert); // the digit 1 is given
    EXPECT_TRUE(s.verraten());
    EXPECT_TRUE(s.bekannt(3));
    EXPECT_FALSE(s.verraten()); // already revealed
    for (int i = 0; i < 12; ++i) {
        s.markieren(5);
        s.ziffer(0);
    }
    EXPECT_EQ(s.punkteUnter(5), 9);
}

TEST(Zeichenspiel, RatingsOfWholeGames)
{
    const struct {
        int fehler, verraten;
        int punkte;
    } faelle[] = { { 1, 0, 10 }, { 2, 0, 9 }, { 0, 10, 0 }, { 5, 2, 5 } };
    for (const auto& f : faelle) {
        Zeichenspiel s;
        s.neuesSpiel();
        s.setZuordnung({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 0 });
        for (int i = 0; i < f.fehler; ++i) {
            s.markieren(9);
            s.ziffer(i % 9 + 1);
        }
        for (int i = 0; i <= 9; ++i) {
            s.markieren(i);
            if (i < f.verraten)
                s.verraten();
            else
                s.ziffer(s.zifferVon(i));
        }
        EXPECT_TRUE(s.fertig());
        EXPECT_EQ(s.punkte(), f.punkte);
    }
}

TEST(Zeichenspiel, ANewGameLetsThePupilFindEveryDigitAgain)
{
    Zeichenspiel s;
    s.neuesSpiel();
    for (int i = 0; i <= 9; ++i) {
        s.markieren(i);
        s.verraten();
    }
    ASSERT_TRUE(s.fertig());
    s.neuesSpiel();
    for (int i = 0; i <= 9; ++i) {
        s.markieren(i);
        EXPECT_EQ(s.ziffer(s.zifferVon(i)), Eingabe::gefunden) << "symbol " << i;
    }
    EXPECT_TRUE(s.fertig());
    EXPECT_EQ(s.punkte(), 10);
}

TEST(Zeichenspiel, EachNewGameGetsTasksAfterTheGeneratorGaveUp)
{
    Zeichenspiel s;
    s.neuesSpiel();
    // Only division, and one symbol left whose digit no task can hold for long: the generator gives up.
    const std::array<QString, 4> geteilt { "n", "n", "n", ":" };
    for (int i = 0; i <= 9; ++i)
        if (s.zifferVon(i) != 7) {
            s.markieren(i);
            s.verraten();
        }
    while (s.naechsteAufgabe(geteilt)) { }
    EXPECT_GT(s.lockerungen(), 9);
    s.neuesSpiel();
    EXPECT_EQ(s.lockerungen(), 0);
    const auto a = s.naechsteAufgabe(geteilt);
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->text.isEmpty());
}

// A zero operand comes once, until the generator has to relax its rules; each relaxation lets it come again.
// When the zero's symbol is the last to find, that keeps the game in tasks that show it.
TEST(Zeichenspiel, AZeroComesOnceAndAgainAfterEachRelaxation)
{
    int spieleMitNullNachLockerung = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Zeichenspiel s = neuesSpiel(seed);
        for (int i = 0; i <= 9; ++i)
            if (s.zifferVon(i) != 0) {
                s.markieren(i);
                s.verraten();
            }
        std::map<int, int> nullenJeLockerung;
        alleAufgaben(s, [&](int, const Zerlegt& z, int erster) {
            if (erster == 0 || z.b == 0) ++nullenJeLockerung[s.lockerungen()];
        });
        for (const auto& [lockerung, nullen] : nullenJeLockerung)
            EXPECT_EQ(nullen, 1) << "seed " << seed << ", relaxation " << lockerung;
        spieleMitNullNachLockerung += nullenJeLockerung.upper_bound(0) != nullenJeLockerung.end();
    }
    EXPECT_GT(spieleMitNullNachLockerung, 150);
}

TEST(Zifferneingabe, QuestionMarkLengthLeadingZeroAndBackspace)
{
    Zifferneingabe e(3, false);
    EXPECT_EQ(e.anzeige(), "?");
    EXPECT_FALSE(e.ziffer(0));
    EXPECT_EQ(e.anzeige(), "?");
    for (int d : { 1, 0, 2, 4 })
        e.ziffer(d);
    EXPECT_EQ(e.text(), "102");
    e.zurueck();
    EXPECT_EQ(e.text(), "10");
    Zifferneingabe null(3, true);
    for (int d : { 0, 0, 7 })
        null.ziffer(d);
    EXPECT_EQ(null.text(), "007");
    EXPECT_EQ(null.zahl(), 7);
}
