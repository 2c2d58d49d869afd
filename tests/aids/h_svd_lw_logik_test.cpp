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
                // A small divisor allows larger digits: the digits by divisor.
                if (g == 4)
                    for (int ziffer : { a.H, a.Z, a.E })
                        w(QStringLiteral("x%1").arg(a.d), ziffer);
            }
            alle << QStringLiteral("%1 G%2: ").arg(mitRest ? "Rest" : "ohne").arg(g) + w.text();
            // The first partial dividend has two digits: the hundreds times the divisor are at least 10, and 10
            // itself comes.
            if (g != 5) {
                int kleinstes = 100;
                for (int n = 0; n < 1000; ++n) {
                    const Aufgabe a = generator(g, mitRest);
                    kleinstes = std::min(kleinstes, a.H * a.d);
                }
                EXPECT_EQ(kleinstes, 10) << "G" << g;
            }
        }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "ohne G0: E 1-4, H 3-9, Z 1-4, d 2-9, r 0\n"
        "ohne G1: E 1-4, H 2-9, Z 2-9, d 2-9, r 0\n"
        "ohne G2: E 2-9, H 4-9, Z 1-4, d 2-8, r 0\n"
        "ohne G4: E 2-9, H 2-9, Z 2-9, d 2-5, r 0, x2 5-9, x3 4-8, x4 3-6, x5 2-6\n"
        "ohne G5: E 6-9, H 6-9, Z 6-9, d 6-9, r 0\n"
        "ohne G6: E 0-9, H 2-9, Z 0-9, d 2-9, r 0\n"
        "Rest G0: E 1-4, H 3-9, Z 1-4, d 2-8, r 1-2\n"
        "Rest G1: E 1-4, H 2-9, Z 2-9, d 2-8, r 1-2\n"
        "Rest G2: E 1-9, H 4-9, Z 1-4, d 2-8, r 1-2\n"
        "Rest G4: E 2-9, H 2-9, Z 2-9, d 2-5, r 1-2, x2 5-9, x3 4-8, x4 3-6, x5 2-6\n"
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

// Every help names the numbers of its own step of the long division: the partial dividend to divide, the product
// to write units first, the difference to find; a two-digit number is never shown with a leading 0.
TEST_F(SvdLwLogik, EveryHelpNamesTheNumbersOfItsStep)
{
    PinRandomSeed(46);
    const auto zwei = [](int n) { return (n < 10 ? QStringLiteral(" ") : QString()) + QString::number(n); };
    for (bool mitRest : { false, true })
        for (int g : { 0, 1, 2, 4, 5, 6 })
            for (int n = 0; n < 30; ++n) {
                const Aufgabe a = generator(g, mitRest);
                const int zahl = a.dividend(), d = a.d;
                const QString dd = QString::number(d);
                int teil = zahl / 100;
                const int naechste[3] = { zahl / 10 % 10, zahl % 10, 0 };
                for (int k = 0; k < 3; ++k) {
                    const int q = teil / d, p = q * d, s = 5 * k + 1;
                    SCOPED_TRACE(QStringLiteral("%1 : %2, step %3").arg(zahl).arg(d).arg(s).toStdString());
                    EXPECT_EQ(hilfetexte(a, s),
                        (QStringList { QStringLiteral("Teilen!  ") + zwei(teil) + QStringLiteral(" : ") + dd
                                + QStringLiteral(" = ?"),
                            zwei(p) + QStringLiteral("  lässt sich teilen.") }));
                    EXPECT_EQ(hilfetexte(a, s + 1),
                        (QStringList { QStringLiteral("Malnehmen!   %1  x  %2  =  _ ?").arg(q).arg(d),
                            p >= 10 ? QStringLiteral("Beginne bei den Einern!") : QString() }));
                    EXPECT_EQ(hilfetexte(a, s + 2),
                        QStringList { QStringLiteral("Malnehmen!    %1  x  %2  =  ? %3").arg(q).arg(d).arg(p % 10) });
                    EXPECT_EQ(hilfetexte(a, s + 3),
                        QStringList {
                            QStringLiteral("Rest ???    ") + zwei(p) + QStringLiteral(" + ? = ") + zwei(teil) });
                    if (k < 2) EXPECT_EQ(hilfetexte(a, s + 4), QStringList { "die nächste Zahl 'herunterholen'!" });
                    teil = (teil - p) * 10 + naechste[k];
                }
                EXPECT_TRUE(hilfetexte(a, 0).isEmpty());
                EXPECT_TRUE(hilfetexte(a, 15).isEmpty());
            }
}

// Each of the three subtractions gets its line once, as soon as its product is written: after its tens, or after
// its units where a product below 10 has no tens to type.
TEST_F(SvdLwLogik, EachSubtractionIsUnderlinedOnceWhenItsProductIsComplete)
{
    PinRandomSeed(47);
    int kurz = 0;
    for (int g : { 0, 1, 2, 4, 5, 6 })
        for (int n = 0; n < 40; ++n) {
            const Aufgabe a = generator(g, n % 2 == 1);
            const langdivision::Schrittplan p = schrittplan(a);
            const QString w = a.wahltext();
            QList<int> linienNach;
            for (int s = p.start; s < p.ende(); s = p.naechster(s))
                if (!linien(a, s).leer()) linienNach << s;
            const QList<int> soll { 3, w.at(7) == u'0' ? 7 : 8, w.at(12) == u'0' ? 12 : 13 };
            EXPECT_EQ(linienNach, soll) << a.dividend() << " : " << a.d;
            kurz += soll[1] == 7 || soll[2] == 12;
        }
    EXPECT_GT(kurz, 20);
}

TEST_F(SvdLwLogik, EveryMessageAtItsStepsAndNoOther)
{
    // 2510 : 7 = 358 remainder 4; the characters "31241553608654".
    const Aufgabe a = aufgabe(7, 3, 5, 8, 4);
    ASSERT_EQ(a.wahltext(), "31241553608654");
    const QString teilen = QStringLiteral("Bitte zuerst teilen und das Ergebnis eintippen!");
    const QString einer = QStringLiteral("Tippe erst die Einer und danach die Zehner!");
    const QString null = QStringLiteral("Die Null am Anfang darf wegbleiben.");
    struct Fall {
        int schritt;
        QChar eingabe;
        QString text;
    };
    const Fall faelle[] = {
        { 1, u'1', teilen },
        { 1, u'2', teilen },
        { 1, u'4', QString() },
        { 6, u'3', teilen },
        { 6, u'6', QString() },
        { 11, u'6', teilen },
        { 11, u'5', teilen },
        { 11, u'4', QString() },
        { 2, u'2', einer },
        { 7, u'3', einer },
        { 12, u'5', einer },
        { 3, u'4', QString() },
        { 8, u'6', QString() },
        { 5, u'0', null },
        { 10, u'0', null },
        { 4, u'0', QString() },
        { 9, u'0', QString() },
        { 14, u'0', QString() },
    };
    for (const Fall& f : faelle) {
        const langdivision::Meldung m = meldung(a, f.schritt, f.eingabe);
        EXPECT_EQ(m.text, f.text) << f.schritt << " " << QString(f.eingabe).toStdString();
        EXPECT_EQ(m.gezaehlt, f.text.isEmpty()) << f.schritt;
    }
}

// The task row shows the dividend, ":", the divisor and "="; each character of the long way is written in the
// column of its place value (the quotient's digits after "="), each product and difference a row further down.
TEST_F(SvdLwLogik, EveryCharacterStandsInTheColumnOfItsPlace)
{
    const Aufgabe a = aufgabe(3, 4, 2, 1);
    const schrift::Bild zeile = aufgabenzeile(a);
    EXPECT_EQ(zeile.texte(), (QStringList { "1", "2", "6", "3", ":", "3", "=" }));
    std::vector<int> x;
    for (const schrift::Element& e : zeile.teile)
        x.push_back(std::get<schrift::Schrift>(e).x);
    const int spalte = x[1] - x[0], T = x[0], H = x[1], Z = x[2], E = x[3], gleich = x[6];
    const int y0 = std::get<schrift::Schrift>(zeile.teile.front()).y;
    // Column and row of each step: the quotient in the task row, then products and differences row by row.
    const int spalten[14]
        = { gleich + spalte, H, T, H, Z, gleich + 2 * spalte, Z, H, Z, E, gleich + 3 * spalte, E, Z, E };
    const int zeilen[14] = { 0, 1, 1, 2, 2, 0, 3, 3, 4, 4, 0, 5, 5, 6 };
    // The marker line under the first two digits goes away when drawn again.
    const schrift::Bild marke = markierlinie();
    const auto* m = std::get_if<schrift::Linienzug>(&marke.teile.front());
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->xorStift);
    EXPECT_TRUE(m->punkte.front().x() < T && H < m->punkte.back().x() && m->punkte.back().x() < Z);
    const langdivision::Schrittplan p = schrittplan(a);
    const int hoehe = p.platz(4).y() - p.platz(2).y();
    EXPECT_GT(hoehe, 90);
    for (int s = 1; s <= 14; ++s) {
        EXPECT_EQ(p.platz(s).x(), spalten[s - 1]) << "step " << s;
        EXPECT_EQ(p.platz(s).y(), y0 + zeilen[s - 1] * hoehe) << "step " << s;
    }
}
