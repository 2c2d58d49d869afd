// Long division by a two-digit divisor without a window: generators, steps and skips, the shifted rows,
// messages counted or not, and the help texts.

#include "aids/h_svdZE_logik.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"

#include <functional>
#include <set>

using namespace svdZE;

namespace {

class SvdZELogik : public TaviTest { };

Aufgabe aufgabe(int zahl, int teiler)
{
    Aufgabe a;
    a.zehner2 = teiler / 10;
    a.einer2 = teiler % 10;
    const int q = zahl / teiler;
    a.H = q / 100;
    a.Z = q / 10 % 10;
    a.E = q % 10;
    a.r = zahl % teiler;
    return a;
}

// The keys of a whole task.
QString tastenfolge(const Aufgabe& a)
{
    const langdivision::Schrittplan p = schrittplan(a);
    QString t;
    for (int s = p.start; s < p.ende(); s = p.naechster(s))
        t += p.soll(s);
    return t;
}

} // namespace

TEST_F(SvdZELogik, EveryLevelDrawsItsDivisorsAndAFourDigitDividend)
{
    const std::function<bool(const Aufgabe&)> teiler[7] = {
        [](const Aufgabe& a) { return a.einer2 == 0 && a.zehner2 >= 2; },
        [](const Aufgabe& a) { return a.teiler() == 11 || a.teiler() == 19; },
        [](const Aufgabe& a) { return a.zehner2 == 1 && a.einer2 >= 1; },
        [](const Aufgabe& a) { return a.zehner2 >= 2 && a.einer2 >= 1; },
        [](const Aufgabe& a) {
            return a.zehner2 >= 2 && std::set<int> { 1, 2, 8, 9 }.count(a.einer2);
        },
        [](const Aufgabe& a) { return a.zehner2 >= 2 && a.einer2 >= 3 && a.einer2 <= 7; },
        [](const Aufgabe& a) { return (a.Z == 0 || a.E == 0) && a.einer2 >= 1; },
    };
    for (int mitRest = 0; mitRest <= 1; ++mitRest)
        for (int stufe = 0; stufe <= 7; ++stufe) {
            SCOPED_TRACE(stufe * 10 + mitRest);
            for (int seed = 1; seed <= 200; ++seed) {
                RandSeed(std::uint32_t(seed));
                const Aufgabe a = generator(stufe, mitRest == 1);
                ASSERT_GE(a.zahl(), 1000);
                ASSERT_LE(a.zahl(), 9999);
                ASSERT_TRUE(mitRest ? a.r >= 1 && a.r < a.teiler() : a.r == 0);
                ASSERT_TRUE(a.H != 0 || a.Z != 0);
                ASSERT_TRUE(stufe == 7 || teiler[stufe](a)) << a.teiler() << " " << a.quotient();
                // The long way ends with the remainder, units first.
                const QString rest
                    = a.r < 10 ? QString::number(a.r) : QString::number(a.r % 10) + QString::number(a.r / 10);
                ASSERT_TRUE(tastenfolge(a).endsWith(rest)) << tastenfolge(a).toStdString();
            }
        }
}

TEST_F(SvdZELogik, StepsSkipLeadingZerosAndWriteAZeroProductAsOneZero)
{
    EXPECT_EQ(tastenfolge(aufgabe(4927, 23)), "26432132974295");
    const Aufgabe null = aufgabe(4623, 23);
    EXPECT_EQ(tastenfolge(null), "2640200231320");
    const langdivision::Schrittplan p = schrittplan(null);
    EXPECT_EQ(p.platz(9), QPoint(128 + 61, 284));
    // A quotient below 100 starts at its tens, its rows two higher.
    const Aufgabe kurz = aufgabe(1058, 23);
    EXPECT_EQ(schrittplan(kurz).start, 7);
    EXPECT_EQ(platz(kurz, 8), QPoint(189, 110));
    EXPECT_EQ(platz(kurz, 7), QPoint(616, 23));
    EXPECT_EQ(tastenfolge(kurz), "42931868310");
    EXPECT_TRUE(aufgabenzeile(kurz).texte().endsWith("0"));
}

TEST_F(SvdZELogik, MessagesSayWhatWentWrongAndCountOnlyRealMistakes)
{
    struct Fall {
        int zahl, teiler, schritt;
        QChar eingabe;
        const char* text;
        bool gezaehlt;
    };
    const Fall faelle[] = {
        { 8478, 27, 3, u'6', "Es gab 2 zu merken!", true },
        // 8 x 47: 4 x 8 = 32 written as 2, the 5 carried from 7 x 8 forgotten.
        { 3901, 47, 9, u'2', "Es gab 5 zu merken!", true },
        { 1058, 23, 7, u'0', "Die Null steht schon da.", false },
        { 4927, 23, 1, u'0', "Lass' die Null am Anfang weg!", false },
        { 4927, 23, 11, u'0', "unnötige Null", false },
        { 4927, 23, 2, u'4', "Tippe erst die Einer und danach die Zehner!", false },
        { 4927, 23, 4, u'8', "", true },
        { 6205, 19, 6, u'1', "Es gab einen Übertrag!", true },
        { 9999, 91, 16, u'8', "Tippe erst die Zehner und danach die Hunderter!", false },
        // The digit one more than the difference: the borrowed ten was not given back.
        { 3303, 23, 13, u'1', "Es gab einen Übertrag!", true },
        { 3002, 23, 5, u'1', "Es gab einen Übertrag!", true },
        { 2603, 23, 12, u'1', "Es gab einen Übertrag!", true },
        { 2330, 23, 19, u'1', "Es gab einen Übertrag!", true },
        // 4 x 23: 4 x 2 = 8 written, the 1 carried from 4 x 3 forgotten.
        { 2393, 23, 16, u'8', "Es gab 1 zu merken!", true },
        { 2533, 23, 8, u'2', "Tippe erst die Einer und danach die Zehner!", false },
        { 2323, 23, 15, u'2', "Tippe erst die Einer und danach die Zehner!", false },
        { 3681, 23, 9, u'1', "Tippe erst die Zehner und danach die Hunderter!", false },
    };
    for (const Fall& f : faelle) {
        const Fehler m = meldung(aufgabe(f.zahl, f.teiler), f.schritt, f.eingabe);
        EXPECT_EQ(m.meldung.text, QString::fromUtf8(f.text)) << f.zahl << " " << f.schritt;
        EXPECT_EQ(m.meldung.gezaehlt, f.gezaehlt) << f.zahl << " " << f.schritt;
    }
    // The unnecessary zero is shown where it would stand.
    EXPECT_EQ(meldung(aufgabe(4927, 23), 11, u'0').nullPlatz, QPoint(67, 284));
}

TEST_F(SvdZELogik, HelpDividesMultipliesAndCompletes)
{
    EXPECT_EQ(hilfe(aufgabe(1058, 23), 7).zeilen.first(), "Teilen!  105 : 23 = ?");
    EXPECT_TRUE(hilfe(aufgabe(1058, 23), 7).markierlinie);
    EXPECT_EQ(hilfe(aufgabe(8478, 27), 4).zeilen, QStringList { "Ergänze:   81  +  ?  =  84" });
    const Aufgabe a = aufgabe(4927, 23);
    EXPECT_EQ(hilfe(a, 1).zeilen, (QStringList { "Teilen!  49 : 23 = ?", "46  lässt sich teilen." }));
    EXPECT_EQ(hilfe(a, 3).zeilen.value(2), "Wenn es Gemerkte gab, dann zähle sie hinzu!");
    EXPECT_EQ(hilfe(a, 7).zeilen, (QStringList { "Teilen!   32 : 23 = ?", " 23  lässt sich teilen." }));
    EXPECT_EQ(hilfe(a, 11).zeilen, QStringList { "Ergänze:   3  +  ?  =  12" });
    // 97 - 92: the units need a ten, the tens get the borrowed one.
    EXPECT_EQ(hilfe(a, 18).zeilen, QStringList { "Ergänze:   2  +  ?  =  7" });
    // 50 - 38: the tens complete with the borrowed one, which the sheet shows.
    const Hilfe borgen = hilfe(aufgabe(6205, 19), 12);
    EXPECT_EQ(borgen.zeilen, QStringList { "Ergänze:    3  +  1   +  ?  =  5" });
    EXPECT_EQ(borgen.feldbild.texte(), QStringList { "1" });
}

TEST_F(SvdZELogik, EveryLevelsDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    PinRandomSeed(24);
    QStringList alle;
    for (bool mitRest : { false, true })
        for (int stufe = 0; stufe <= 7; ++stufe) {
            Wertebereiche w;
            for (int n = 0; n < 3000; ++n) {
                const Aufgabe a = generator(stufe, mitRest);
                w(QStringLiteral("Z2"), a.zehner2);
                w(QStringLiteral("E2"), a.einer2);
                w(QStringLiteral("H"), a.H);
                w(QStringLiteral("Z"), a.Z);
                w(QStringLiteral("E"), a.E);
                // The remainder: none, or 1 .. d - 1 with its largest among them.
                w(QStringLiteral("r"), a.r == 0 ? 0 : a.r < a.teiler() - 1 ? 1 : a.r == a.teiler() - 1 ? 2 : 3);
            }
            alle << QStringLiteral("%1 %2: ").arg(mitRest ? "Rest" : "ohne").arg(stufe) + w.text();
        }
    // Level 6 puts its zero into the tens or into the units alike.
    int zehnerNull = 0;
    for (int n = 0; n < 1000; ++n)
        zehnerNull += generator(6, false).Z == 0;
    EXPECT_NEAR(zehnerNull, 540, 60);
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "ohne 0: E 0-9, E2 0, H 0-4, Z 0-9, Z2 2-9, r 0\n"
        "ohne 1: E 0-9, E2 1,9, H 0-9, Z 0-9, Z2 1, r 0\n"
        "ohne 2: E 0-9, E2 1-9, H 0-9, Z 0-9, Z2 1, r 0\n"
        "ohne 3: E 0-9, E2 1-9, H 0-4, Z 0-9, Z2 2-9, r 0\n"
        "ohne 4: E 0-9, E2 1-2,8-9, H 0-4, Z 0-9, Z2 2-9, r 0\n"
        "ohne 5: E 0-9, E2 3-7, H 0-4, Z 0-9, Z2 2-9, r 0\n"
        "ohne 6: E 0-9, E2 1-9, H 0-9, Z 0-9, Z2 1-9, r 0\n"
        "ohne 7: E 0-9, E2 0-9, H 0-9, Z 0-9, Z2 1-9, r 0\n"
        "Rest 0: E 0-9, E2 0, H 0-4, Z 0-9, Z2 2-9, r 1-2\n"
        "Rest 1: E 0-9, E2 1,9, H 0-9, Z 0-9, Z2 1, r 1-2\n"
        "Rest 2: E 0-9, E2 1-9, H 0-9, Z 0-9, Z2 1, r 1-2\n"
        "Rest 3: E 0-9, E2 1-9, H 0-4, Z 0-9, Z2 2-9, r 1-2\n"
        "Rest 4: E 0-9, E2 1-2,8-9, H 0-4, Z 0-9, Z2 2-9, r 1-2\n"
        "Rest 5: E 0-9, E2 3-7, H 0-4, Z 0-9, Z2 2-9, r 1-2\n"
        "Rest 6: E 0-9, E2 1-9, H 0-9, Z 0-9, Z2 1-9, r 1-2\n"
        "Rest 7: E 0-9, E2 0-9, H 0-9, Z 0-9, Z2 1-9, r 1-2");
}

// Typing a leading zero the long way leaves out shows it in light blue in front of the digits already written
// in the row the pupil has just filled, one column to the left of the leftmost of them. A zero typed for the
// hundreds of a product whose tens are 0 is shown over that 0.
TEST_F(SvdZELogik, TheUnnecessaryZeroStandsInFrontOfItsRowsWrittenDigits)
{
    std::set<int> gesehen;
    for (int stufe = 0; stufe <= 7; ++stufe)
        for (int seed = 1; seed <= 300; ++seed) {
            RandSeed(std::uint32_t(seed));
            const Aufgabe a = generator(stufe, seed % 2 == 0);
            const langdivision::Schrittplan p = schrittplan(a);
            const int spalte = p.platz(2).x() - p.platz(3).x();
            std::vector<QPoint> geschrieben;
            for (int s = p.start; s < p.ende(); s = p.naechster(s)) {
                const Fehler f = meldung(a, s, u'0');
                if (p.soll(s) != u'0' && f.meldung.text == QStringLiteral("unnötige Null")) {
                    SCOPED_TRACE(QString("%1 : %2 step %3").arg(a.zahl()).arg(a.teiler()).arg(s).toStdString());
                    gesehen.insert(s);
                    const int zeile = p.platz(s - 1).y();
                    int links = 10000;
                    for (const QPoint& q : geschrieben)
                        if (q.y() == zeile) links = std::min(links, q.x());
                    ASSERT_TRUE(f.nullPlatz);
                    EXPECT_EQ(*f.nullPlatz, s == 10 ? p.platz(9) : QPoint(links - spalte, zeile));
                }
                geschrieben.push_back(p.platz(s));
            }
        }
    EXPECT_EQ(gesehen, (std::set<int> { 6, 10, 11, 13, 18 }));
}

// Each kind of step has its help: multiplying by the quotient digit just typed, bringing the next digit down,
// adding what was carried, dividing the next partial number.
TEST_F(SvdZELogik, EveryKindOfStepHasItsOwnHelp)
{
    const Aufgabe a = aufgabe(4927, 23); // 214, remainder 5
    const auto erste = [&a](int s) { return hilfe(a, s).zeilen.value(0); };
    EXPECT_EQ(QStringList({ erste(2), erste(8), erste(15) }),
        QStringList(
            { "Malnehmen!    2  x  23  =  ? ", "Malnehmen!    1  x  23  =  ? ", "Malnehmen!    4  x  23  =  ? " }));
    EXPECT_EQ(QStringList({ erste(3), erste(9), erste(16) }), QStringList({ erste(2), erste(8), erste(15) }));
    EXPECT_EQ(hilfe(a, 16).zeilen.value(2), "Wenn es Gemerkte gab, dann zähle sie hinzu!");
    EXPECT_EQ(QStringList({ erste(6), erste(13) }), QStringList(2, "die nächste Zahl 'herunterholen'!"));
    EXPECT_EQ(QStringList({ erste(10), erste(17) }), QStringList(2, "Die Gemerkten fehlen noch."));
    EXPECT_EQ(hilfe(a, 14).zeilen, (QStringList { "Teilen!   97 : 23 = ?", " 92  lässt sich teilen." }));
}

// Each subtraction's tens add the borrowed one exactly when its units needed a ten: the product's units digit
// decides, whatever its tens digit. 32 - 23 and 55 - 46 borrow; 97 - 92 does not.
TEST_F(SvdZELogik, TheTensBorrowExactlyWhenTheUnitsNeededATen)
{
    struct Fall {
        int zahl, schritt;
        const char* zeile;
        bool borgt;
    };
    const Fall faelle[] = {
        { 3275, 5, "Ergänze:    1  +  2  +  ?  =  3", true },
        { 9775, 5, "Ergänze:   9  +  ?  =  9", false },
        { 4927, 12, "Ergänze:    2  +  1   +  ?  =  3", true },
        { 3275, 12, "Ergänze:   9  +  ?  =  9", false },
        { 3275, 19, "Ergänze:    4  +  1   +  ?  =  5", true },
        { 4927, 19, "Ergänze:   9  +  ?  =  9", false },
    };
    for (const Fall& f : faelle) {
        const Hilfe h = hilfe(aufgabe(f.zahl, 23), f.schritt);
        EXPECT_EQ(h.zeilen, QStringList { QString::fromUtf8(f.zeile) }) << f.zahl << ", step " << f.schritt;
        // The borrowed one is also marked on the sheet.
        EXPECT_EQ(h.feldbild.texte(), f.borgt ? QStringList { "1" } : QStringList())
            << f.zahl << ", step " << f.schritt;
    }
}

// The written layout is the long division itself: each partial dividend is the last difference with the next
// digit brought down, divided by the divisor; over many tasks of every level.
TEST_F(SvdZELogik, TheLayoutIsTheLongDivisionOfEveryTask)
{
    PinRandomSeed(44);
    for (bool mitRest : { false, true })
        for (int stufe = 0; stufe <= 7; ++stufe)
            for (int n = 0; n < 60; ++n) {
                const Aufgabe a = generator(stufe, mitRest);
                const int zahl = a.zahl(), d = a.teiler();
                const int t1 = zahl / 100, q1 = t1 / d, r1 = t1 % d;
                const int t2 = r1 * 10 + zahl / 10 % 10, q2 = t2 / d, r2 = t2 % d;
                const int t3 = r2 * 10 + zahl % 10, q3 = t3 / d, r3 = t3 % d;
                ASSERT_EQ(QList<int>({ q1, q2, q3, r3 }), QList<int>({ a.H, a.Z, a.E, a.r })) << zahl << " : " << d;
                const int zellen[22] = { zahl / 1000, zahl / 100 % 10, zahl / 10 % 10, q1, q1 * d % 10, q1 * d / 10,
                    r1 % 10, r1 / 10, zahl / 10 % 10, q2, q2 * d % 10, q2 * d / 10 % 10, q2 * d / 100, r2 % 10, r2 / 10,
                    zahl % 10, q3, q3 * d % 10, q3 * d / 10 % 10, q3 * d / 100, r3 % 10, r3 / 10 };
                QString soll;
                for (int z : zellen)
                    soll += QChar(u'0' + z);
                const auto w = a.wegzeichen();
                ASSERT_EQ(QString(w.data(), 22), soll) << zahl << " : " << d;
            }
}

// The task row shows the dividend, ":" and the divisor; the quotient's digits stay in it while the rows below move
// up for a quotient below 100. A quotient with units 0 writes its zero product as one 0 in the units column.
TEST_F(SvdZELogik, TheTaskRowAndTheZeroProductOfTheUnits)
{
    EXPECT_EQ(aufgabenzeile(aufgabe(4927, 23)).texte(), (QStringList { "4", "9", "2", "7", ":", "2", "3", "=" }));
    const Aufgabe kurz = aufgabe(1058, 23);
    for (int s : { 1, 7, 14 })
        EXPECT_EQ(platz(kurz, s).y(), 23) << s;
    // Its hundreds are a light-blue 0 in the quotient's place, in front of its tens.
    const schrift::Bild zeile = aufgabenzeile(kurz);
    ASSERT_EQ(zeile.texte().size(), 9);
    const auto* hunderter = std::get_if<schrift::Schrift>(&zeile.teile.back());
    ASSERT_TRUE(hunderter);
    EXPECT_EQ(hunderter->text, "0");
    EXPECT_EQ(QPoint(hunderter->x, hunderter->y), platz(kurz, 7) - QPoint(61, 0));
    EXPECT_EQ(aufgabenzeile(aufgabe(4927, 23)).texte().size(), 8);
    EXPECT_EQ(platz(kurz, 15).y(), platz(aufgabe(4927, 23), 15).y() - 174);
    EXPECT_EQ(platz(kurz, 0), QPoint());
    EXPECT_EQ(platz(kurz, 20), QPoint());

    const Aufgabe null = aufgabe(4830, 23); // 210
    EXPECT_EQ(tastenfolge(null), "2642313200000");
    const langdivision::Schrittplan p = schrittplan(null);
    EXPECT_EQ(p.platz(16), platz(null, 16) + QPoint(61, 0));
    EXPECT_EQ(p.platz(9), platz(null, 9));
    EXPECT_EQ(p.naechster(14), 16);
    EXPECT_EQ(schrittplan(aufgabe(4927, 23)).naechster(14), 15);
}

// Each subtraction's line is drawn once, on top of its difference's row, when the pointer reaches that row; the
// marker line runs under the digits of the first partial dividend, two or three of them.
TEST_F(SvdZELogik, TheLinesStandOnTheirRows)
{
    PinRandomSeed(48);
    std::set<bool> kurz;
    for (int stufe = 0; stufe <= 7; ++stufe)
        for (int n = 0; n < 20; ++n) {
            const Aufgabe a = generator(stufe, n % 2 == 1);
            SCOPED_TRACE(QStringLiteral("%1 : %2").arg(a.zahl()).arg(a.teiler()).toStdString());
            for (int s = 0; s <= 20; ++s) {
                const schrift::Bild l = linien(a, s);
                ASSERT_EQ(l.leer(), s != 4 && s != 11 && s != 18) << s;
                // A quotient below 100 starts at step 7: its first subtraction is never reached.
                if (l.leer() || s < schrittplan(a).start) continue;
                const auto* strich = std::get_if<schrift::Linienzug>(&l.teile.front());
                ASSERT_TRUE(strich);
                EXPECT_LE(std::abs(strich->punkte.front().y() - platz(a, s).y()), 5) << s;
            }
            std::vector<int> ziffern;
            for (const schrift::Element& e : aufgabenzeile(a).teile)
                if (const auto* t = std::get_if<schrift::Schrift>(&e); t && t->y == 23) ziffern.push_back(t->x);
            const schrift::Bild marke = markierlinie(a);
            const auto* m = std::get_if<schrift::Linienzug>(&marke.teile.front());
            ASSERT_TRUE(m);
            EXPECT_TRUE(m->xorStift); // drawn again, it is gone
            const int links = std::min(m->punkte.front().x(), m->punkte.back().x());
            const int rechts = std::max(m->punkte.front().x(), m->punkte.back().x());
            EXPECT_LT(links, ziffern[0]);
            EXPECT_GT(rechts, ziffern[1]);
            EXPECT_EQ(rechts > ziffern[2], a.H == 0);
            EXPECT_LT(rechts, ziffern[2] + 61 / 2 + (a.H == 0 ? 61 : 0));
            kurz.insert(a.H == 0);
        }
    EXPECT_EQ(kurz.size(), 2u);
}

// Every help divides, multiplies and completes the numbers of its own step of the long division: the partial
// dividend, its product, and the difference found units first, with the ten borrowed where the product's units
// are larger; over many tasks of every level.
TEST_F(SvdZELogik, EveryHelpNamesTheNumbersOfItsStep)
{
    PinRandomSeed(49);
    const QString gleich = QStringLiteral("  +  ?  =  ");
    const QString ergaenze = QStringLiteral("Ergänze:   ");
    const auto zahl = [](int n) { return QString::number(n); };
    // Three places, a leading zero left blank.
    const auto drei = [](int n) {
        return (n >= 100 ? QString::number(n / 100) : QStringLiteral(" ")) + QString::number(n % 100 / 10)
            + QString::number(n % 10);
    };
    for (bool mitRest : { false, true })
        for (int stufe = 0; stufe <= 7; ++stufe)
            for (int k = 0; k < 25; ++k) {
                const Aufgabe a = generator(stufe, mitRest);
                const int n = a.zahl(), d = a.teiler();
                const QString dd = zahl(d);
                SCOPED_TRACE(QStringLiteral("%1 : %2").arg(n).arg(d).toStdString());
                const int t1 = n / 100, q1 = t1 / d, p1 = q1 * d, r1 = t1 - p1;
                const int t2 = r1 * 10 + n / 10 % 10, q2 = t2 / d, p2 = q2 * d, r2 = t2 - p2;
                const int t3 = r2 * 10 + n % 10, q3 = t3 / d, p3 = q3 * d;
                const auto zeile = [&](int s) { return hilfe(a, s).zeilen.value(0); };
                if (q1 > 0) {
                    EXPECT_EQ(hilfe(a, 1).zeilen,
                        (QStringList { QStringLiteral("Teilen!  ") + zahl(t1) + " : " + dd + " = ?",
                            (p1 < 10 ? "0" : "") + zahl(p1) + QStringLiteral("  lässt sich teilen.") }));
                    EXPECT_EQ(zeile(2), QStringLiteral("Malnehmen!    %1  x  %2  =  ? ").arg(q1).arg(d));
                    EXPECT_EQ(zeile(3), zeile(2));
                    EXPECT_EQ(zeile(4),
                        r1 >= 10 ? ergaenze + zahl(p1 % 10) + gleich + (p1 % 10 > t1 % 10 ? "1" : "") + zahl(t1 % 10)
                                 : ergaenze + (p1 < 10 ? "0" : "") + zahl(p1) + gleich + zahl(t1));
                    if (r1 >= 10) {
                        EXPECT_EQ(zeile(5),
                            p1 % 10 <= t1 % 10
                                ? ergaenze + zahl(p1 / 10) + gleich + zahl(t1 / 10)
                                : QStringLiteral("Ergänze:    1  +  ") + zahl(p1 / 10) + gleich + zahl(t1 / 10));
                        EXPECT_EQ(hilfe(a, 5).feldbild.leer(), p1 % 10 <= t1 % 10);
                    }
                    EXPECT_EQ(zeile(7), QStringLiteral("Teilen!  ") + drei(t2) + " : " + dd + " = ?");
                } else {
                    EXPECT_EQ(zeile(7), QStringLiteral("Teilen!  ") + zahl(t2) + " : " + dd + " = ?");
                }
                EXPECT_EQ(hilfe(a, 7).markierlinie, q1 == 0);
                EXPECT_EQ(hilfe(a, 1).markierlinie, true);
                EXPECT_EQ(hilfe(a, 7).zeilen.value(1), drei(p2) + QStringLiteral("  lässt sich teilen."));
                EXPECT_EQ(zeile(8), QStringLiteral("Malnehmen!    %1  x  %2  =  ? ").arg(q2).arg(d));
                EXPECT_EQ(zeile(15), QStringLiteral("Malnehmen!    %1  x  %2  =  ? ").arg(q3).arg(d));
                EXPECT_EQ(
                    zeile(11), ergaenze + zahl(p2 % 10) + gleich + (p2 % 10 > t2 % 10 ? "1" : "") + zahl(t2 % 10));
                EXPECT_EQ(
                    zeile(18), ergaenze + zahl(p3 % 10) + gleich + (p3 % 10 > t3 % 10 ? "1" : "") + zahl(t3 % 10));
                EXPECT_EQ(zeile(12),
                    p2 % 10 <= t2 % 10 ? ergaenze + zahl(p2 / 10) + gleich + zahl(t2 / 10)
                                       : QStringLiteral("Ergänze:    ") + zahl(p2 / 10)
                            + QStringLiteral("  +  1   +  ?  =  ") + zahl(t2 / 10));
                EXPECT_EQ(zeile(19),
                    p3 % 10 <= t3 % 10 ? ergaenze + zahl(p3 / 10) + gleich + zahl(t3 / 10)
                                       : QStringLiteral("Ergänze:    ") + zahl(p3 / 10)
                            + QStringLiteral("  +  1   +  ?  =  ") + zahl(t3 / 10));
                EXPECT_EQ(hilfe(a, 12).feldbild.leer(), p2 % 10 <= t2 % 10);
                EXPECT_EQ(hilfe(a, 19).feldbild.leer(), p3 % 10 <= t3 % 10);
                EXPECT_EQ(hilfe(a, 14).zeilen,
                    (QStringList { QStringLiteral("Teilen!  ") + drei(t3) + " : " + dd + " = ?",
                        drei(p3) + QStringLiteral("  lässt sich teilen.") }));
                // The reminder to add what was carried, except where the product is a single 0.
                EXPECT_EQ(hilfe(a, 9).zeilen.value(2).isEmpty(), q2 == 0);
                EXPECT_EQ(hilfe(a, 16).zeilen.value(2).isEmpty(), q3 == 0);
                EXPECT_FALSE(hilfe(a, 3).zeilen.value(2).isEmpty());
            }
}
