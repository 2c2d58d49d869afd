// Long division by a one-digit divisor without a window: generators, the long way's characters and skips,
// the messages and the help texts.

#include "aids/h_svd_lw_logik.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"

#include <set>

using namespace svd_lw;

namespace {

class SvdLwLogik : public TaviTest { };

Aufgabe aufgabe(int d, int H, int Z, int E, int r = 0)
{
    Aufgabe a;
    a.d = d;
    a.H = H;
    a.Z = Z;
    a.E = E;
    a.r = r;
    return a;
}

// The intermediate remainders of the long way: after the hundreds and after the tens.
std::pair<int, int> zwischenreste(const Aufgabe& a)
{
    const int n = a.dividend();
    const int erster = (n / 100) % a.d;
    const int zweiter = (erster * 10 + n / 10 % 10) % a.d;
    return { erster, zweiter };
}

} // namespace

TEST_F(SvdLwLogik, EveryLevelDividesAFourDigitNumberWithItsIntermediateRemainders)
{
    for (int mitRest = 0; mitRest <= 1; ++mitRest)
        for (int g : { 0, 1, 2, 4, 5, 6 }) {
            SCOPED_TRACE(g * 10 + mitRest);
            for (int seed = 1; seed <= 300; ++seed) {
                RandSeed(std::uint32_t(seed));
                const Aufgabe a = generator(g, mitRest == 1);
                ASSERT_GE(a.dividend(), 1000);
                ASSERT_LE(a.dividend(), 9999);
                ASSERT_EQ(a.dividend(), a.quotient() * a.d + a.r);
                ASSERT_TRUE(mitRest ? a.r >= 1 && a.r < a.d : a.r == 0) << a.r;
                const auto [erster, zweiter] = zwischenreste(a);
                if (g == 0) {
                    ASSERT_EQ(erster, 0);
                    ASSERT_EQ(zweiter, 0);
                }
                ASSERT_TRUE(g != 1 || (erster > 0 && zweiter == 0));
                ASSERT_TRUE(g != 2 || (erster == 0 && zweiter > 0));
                ASSERT_TRUE(g > 1 || !mitRest || a.d != 9);
                ASSERT_TRUE(g != 6 || (a.Z == 0) != (a.E == 0));
                // The 14 characters are the long way itself.
                const QString w = a.wahltext();
                ASSERT_EQ(w.size(), 14);
                ASSERT_EQ(w.mid(3, 1).toInt(), erster);
                ASSERT_EQ(w.mid(8, 1).toInt(), zweiter);
                ASSERT_EQ(w.mid(13, 1).toInt(), a.r);
            }
        }
    std::set<int> mischung;
    for (int i = 0; i < 200; ++i)
        mischung.insert(generatorVonStufe(7));
    EXPECT_EQ(mischung, (std::set<int> { 0, 1, 2, 4, 5, 6 }));
}

TEST_F(SvdLwLogik, TheLongWayOf1263By3IsTypedInTwelveKeys)
{
    const Aufgabe a = aufgabe(3, 4, 2, 1);
    EXPECT_EQ(a.dividend(), 1263);
    EXPECT_EQ(a.wahltext(), "42106260031300");
    const langdivision::Schrittplan p = schrittplan(a);
    int s = p.start, tasten = 0;
    while (s < p.ende()) {
        s = p.naechster(s);
        ++tasten;
    }
    EXPECT_EQ(tasten, 12);
    // A product of two digits is typed in full.
    const langdivision::Schrittplan q = schrittplan(aufgabe(7, 3, 5, 8, 4));
    EXPECT_EQ(q.naechster(7), 8);
    EXPECT_EQ(q.naechster(12), 13);
}

TEST_F(SvdLwLogik, MessagesTakeBackWhatIsNoRealMistake)
{
    const Aufgabe a = aufgabe(3, 4, 2, 1);
    struct Fall {
        int schritt;
        QChar eingabe;
        const char* text;
        bool gezaehlt;
    };
    const Fall faelle[] = {
        { 1, u'0', "Lass' die Null am Anfang weg!", false },
        { 1, u'2', "Bitte zuerst teilen und das Ergebnis eintippen!", false },
        { 6, u'6', "Bitte zuerst teilen und das Ergebnis eintippen!", false },
        { 2, u'1', "Tippe erst die Einer und danach die Zehner!", false },
        { 7, u'0', "Tippe erst die Einer und danach die Zehner!", false },
        { 1, u'7', "", true },
    };
    for (const Fall& f : faelle) {
        const langdivision::Meldung m = meldung(a, f.schritt, f.eingabe);
        EXPECT_EQ(m.text, QString::fromUtf8(f.text)) << f.schritt;
        EXPECT_EQ(m.gezaehlt, f.gezaehlt) << f.schritt;
    }
    EXPECT_EQ(meldung(a, 5, u'0').text, "Die Null am Anfang darf wegbleiben.");
    EXPECT_EQ(langdivision::meldungsbild(meldung(a, 1, u'7'), u'7').texte(),
        (QStringList { "Die 7 war falsch.", "Überlege neu oder hole Hilfe." }));
}

TEST_F(SvdLwLogik, HelpShowsNoZeroInFrontOfANumber)
{
    const Aufgabe a = aufgabe(3, 4, 2, 1);
    EXPECT_EQ(hilfetexte(a, 1), (QStringList { "Teilen!  12 : 3 = ?", "12  lässt sich teilen." }));
    EXPECT_EQ(hilfetexte(a, 2), (QStringList { "Malnehmen!   4  x  3  =  _ ?", "Beginne bei den Einern!" }));
    EXPECT_EQ(hilfetexte(a, 3), QStringList { "Malnehmen!    4  x  3  =  ? 2" });
    EXPECT_EQ(hilfetexte(a, 4), QStringList { "Rest ???    12 + ? = 12" });
    EXPECT_EQ(hilfetexte(a, 5), QStringList { "die nächste Zahl 'herunterholen'!" });
    EXPECT_EQ(hilfetexte(a, 6), (QStringList { "Teilen!   6 : 3 = ?", " 6  lässt sich teilen." }));
    EXPECT_EQ(hilfetexte(a, 7).value(1), "");
    EXPECT_EQ(hilfetexte(a, 9), QStringList { "Rest ???     6 + ? =  6" });
}

TEST_F(SvdLwLogik, EveryLevelsDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    PinRandomSeed(23);
    QStringList alle;
    for (bool mitRest : { false, true })
        for (int g : { 0, 1, 2, 4, 5, 6 }) {
            Wertebereiche w;
            for (int n = 0; n < 3000; ++n) {
                const Aufgabe a = generator(g, mitRest);
                w(QStringLiteral("d"), a.d);
                w(QStringLiteral("H"), a.H);
                w(QStringLiteral("Z"), a.Z);
                w(QStringLiteral("E"), a.E);
                // The remainder: none, or 1 .. d - 1 with its largest among them.
                w(QStringLiteral("r"), a.r == 0 ? 0 : a.r < a.d - 1 ? 1 : a.r == a.d - 1 ? 2 : 3);
            }
            alle << QStringLiteral("%1 G%2: ").arg(mitRest ? "Rest" : "ohne").arg(g) + w.text();
        }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "ohne G0: E 1-4, H 3-9, Z 1-4, d 2-9, r 0\n"
        "ohne G1: E 1-4, H 2-9, Z 2-9, d 2-9, r 0\n"
        "ohne G2: E 2-9, H 4-9, Z 1-4, d 2-8, r 0\n"
        "ohne G4: E 2-9, H 2-9, Z 2-9, d 2-5, r 0\n"
        "ohne G5: E 6-9, H 6-9, Z 6-9, d 6-9, r 0\n"
        "ohne G6: E 0-9, H 2-9, Z 0-9, d 2-9, r 0\n"
        "Rest G0: E 1-4, H 3-9, Z 1-4, d 2-8, r 1-2\n"
        "Rest G1: E 1-4, H 2-9, Z 2-9, d 2-8, r 1-2\n"
        "Rest G2: E 1-9, H 4-9, Z 1-4, d 2-8, r 1-2\n"
        "Rest G4: E 2-9, H 2-9, Z 2-9, d 2-5, r 1-2\n"
        "Rest G5: E 6-9, H 6-9, Z 6-9, d 6-9, r 1-2\n"
        "Rest G6: E 0-9, H 2-9, Z 0-9, d 2-9, r 1-2");
}

// The 14 characters are the long division itself: each partial dividend is the last difference with the next
// digit brought down, divided by the divisor; over many tasks of every level.
TEST_F(SvdLwLogik, TheCharactersAreTheLongDivisionOfEveryTask)
{
    PinRandomSeed(45);
    for (bool mitRest : { false, true })
        for (int g : { 0, 1, 2, 4, 5, 6 })
            for (int n = 0; n < 60; ++n) {
                const Aufgabe a = generator(g, mitRest);
                const int zahl = a.dividend(), d = a.d;
                const int t1 = zahl / 100, q1 = t1 / d, r1 = t1 % d;
                const int t2 = r1 * 10 + zahl / 10 % 10, q2 = t2 / d, r2 = t2 % d;
                const int t3 = r2 * 10 + zahl % 10, q3 = t3 / d, r3 = t3 % d;
                const int zeichen[14] = { q1, q1 * d % 10, q1 * d / 10, r1, zahl / 10 % 10, q2, q2 * d % 10,
                    q2 * d / 10, r2, zahl % 10, q3, q3 * d % 10, q3 * d / 10, r3 };
                QString soll;
                for (int z : zeichen)
                    soll += QChar(u'0' + z);
                ASSERT_EQ(a.wahltext(), soll) << zahl << " : " << d;
                // The task row shows the dividend's first two digits in the layout's first cells.
                ASSERT_EQ(QString(a.wegzeichen(1)) + a.wegzeichen(2), QString::number(zahl).left(2));
                ASSERT_EQ(a.wegzeichen(16), QChar(u'0' + r3));
                ASSERT_EQ(a.wegzeichen(17), QChar(u' '));
            }
}
