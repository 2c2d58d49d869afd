// "SV2" without a window: the generators, the columns, the messages, the help and the show stages.

#include "aids/h_svmdE_logik.h"
#include "aids/schriften.h"
#include "platform/random.h"
#include "support/fixtures.h"

#include "support/wertebereiche.h"
#include <algorithm>

using namespace svmdE;

namespace {

class SvmdELogik : public TaviTest { };

Aufgabe aufgabe(int code, int f, int d)
{
    return aufgabeBilden(code, { f / 100, f / 10 % 10, f % 10, d });
}

} // namespace

TEST_F(SvmdELogik, EveryGeneratorGivesAFourDigitProductWithTheCarriesOfItsLevel)
{
    struct Soll {
        int generator;
        int code;
        std::function<bool(const Reihe&)> regel;
    };
    const Soll tabelle[] = {
        { 0, 85, [](const Reihe& r) { return r.merkE == 0 && r.merkZ == 0; } },
        { 1, 85, [](const Reihe& r) { return r.merkE == 0 && r.merkZ > 0; } },
        { 2, 87, [](const Reihe& r) { return r.merkE > 0 && r.merkZ == 0; } },
        { 4, 85, [](const Reihe& r) { return r.produktE >= 10 && r.produktZ >= 10; } },
        { 4, 87, [](const Reihe& r) { return r.d <= 5 && r.produktE >= 10 && r.produktZ >= 10; } },
        // The units carry makes the tens carry.
        { 5, 85, [](const Reihe& r) { return r.produktZ < 10 && r.merkZ > 0; } },
        { 5, 87, [](const Reihe& r) { return r.d >= 6 && r.h >= 6 && r.z >= 6 && r.e >= 6; } },
        { 6, 85, [](const Reihe& r) { return (r.z == 0) != (r.e == 0) && r.h > 0; } },
    };
    for (const Soll& s : tabelle) {
        SCOPED_TRACE(s.generator * 100 + s.code);
        int zehnerNull = 0;
        for (int seed = 1; seed <= 400; ++seed) {
            RandSeed(std::uint32_t(seed));
            const Aufgabe a = aufgabeBilden(s.code, stellenwurf(s.generator, s.code));
            const Reihe& r = a.r;
            ASSERT_EQ(r.wert(), (r.h * 100 + r.z * 10 + r.e) * r.d);
            ASSERT_GE(r.stellen[3], 1) << r.wert();
            ASSERT_GE(r.d, 2);
            ASSERT_TRUE(s.regel(r)) << r.h << r.z << r.e << " x " << r.d;
            zehnerNull += r.z == 0;
        }
        if (s.generator == 6) EXPECT_NEAR(zehnerNull, 200, 40);
    }
    for (int seed = 1; seed <= 50; ++seed) {
        RandSeed(std::uint32_t(seed));
        const int g3 = generatorVonStufe(3), g7 = generatorVonStufe(7);
        EXPECT_TRUE(g3 == 1 || g3 == 2);
        EXPECT_TRUE(g7 >= 0 && g7 != 3 && g7 <= 6);
    }
    EXPECT_EQ(generatorVonStufe(8), -1);
}

TEST_F(SvmdELogik, TheCarriesAreTheRemaindersAndEachStepHasItsHelpAndShow)
{
    const Aufgabe mal = aufgabe(85, 456, 4);
    EXPECT_EQ(mal.wahltext, "1824");
    EXPECT_EQ((QStringList { mal.merkziffern[1], mal.merkziffern[2], mal.merkziffern[3], mal.merkziffern[4] }),
        (QStringList { "1", "2", "2", "0" }));
    EXPECT_EQ(hilfe(mal, 4).texte(), QStringList { "rechne:    4    6" });
    EXPECT_EQ(hilfe(mal, 1).texte(), QStringList { "es fehlt nur noch der Tausender" });
    EXPECT_TRUE(markierung(mal, 1).leer());
    // The thousands are shown at once; 401 x 2 has no carry out of the units to remember.
    EXPECT_EQ(zeigen(mal, 1, 1).texte(), (QStringList { " :   1", "tippe" }));
    EXPECT_TRUE(letzteZeigestufe(mal, 1, 1));
    EXPECT_EQ(zeigen(aufgabe(85, 401, 2), 4, 2).texte(), (QStringList { "2", "tippe" }));
    EXPECT_EQ(
        (QStringList { merkeText(mal, 4), merkeText(mal, 3), merkeText(mal, 1) }), (QStringList { "", "2", "1" }));

    const Aufgabe durch = aufgabe(87, 456, 4);
    EXPECT_EQ(durch.wahltext, "654");
    EXPECT_EQ(aufgabenbild(durch).texte(), (QStringList { "1", "8", "2", "4", ":", "4" }));
    const QStringList h = hilfe(durch, 3).texte();
    EXPECT_EQ(h.mid(0, 10).join(' '), "4 8 12 16 20 24 28 32 36 40");
    EXPECT_EQ(h.last(), "rechne:       18  :  4");
    EXPECT_EQ(hilfe(durch, 1).texte().last(), "rechne:       24  :  4");
    EXPECT_EQ(zeigen(durch, 3, 1).texte(), QStringList { "=   4   Rest  2" });
    EXPECT_EQ(zeigen(durch, 1, 1).texte(), QStringList { "=   6" });
    // At the hundreds and the tens the pupil also keeps the remainder for the next column; the units pass none on.
    EXPECT_EQ(zeigen(durch, 3, 2).texte(), (QStringList { "tippe", "merke" }));
    EXPECT_EQ(zeigen(durch, 2, 2).texte(), (QStringList { "tippe", "merke" }));
    EXPECT_EQ(zeigen(durch, 1, 2).texte(), QStringList { "tippe" });
    // The remainder carried into the tens stands above the sheet, unless there is none.
    EXPECT_EQ(markierung(durch, 2).texte(), QStringList { "2" });
    // The highlight goes away when drawn again.
    for (const Aufgabe& a : { mal, durch })
        for (int schritt = 1; schritt <= 4; ++schritt)
            for (const schrift::Element& e : markierung(a, schritt).teile)
                if (const auto* l = std::get_if<schrift::Linienzug>(&e))
                    EXPECT_TRUE(l->xorStift) << a.code << " " << schritt;
    EXPECT_TRUE(markierung(aufgabe(87, 212, 3), 2).texte().isEmpty());
    EXPECT_EQ((QStringList { merkeText(durch, 3), merkeText(durch, 2), merkeText(durch, 1) }),
        (QStringList { "", "2", "2" }));
}

// Dividing from the hundreds, the mark of the tens and of the units shows the remainder carried into that
// column: what is left of the dividend's part divided so far, none when it divides without one.
TEST_F(SvmdELogik, TheMarkOfEachStepShowsTheRemainderCarriedIntoItsColumn)
{
    PinRandomSeed(31);
    int verschieden = 0;
    for (int generator : { 0, 1, 2, 4, 5, 6 })
        for (int n = 0; n < 40; ++n) {
            const Aufgabe a = aufgabeBilden(87, stellenwurf(generator, 87));
            const int dividend = a.r.wert(), d = a.r.d;
            const int nachHundertern = dividend / 100 % d, nachZehnern = dividend / 10 % d;
            const auto rest = [](int r) { return r == 0 ? QStringList() : QStringList { QString::number(r) }; };
            EXPECT_EQ(markierung(a, 2).texte(), rest(nachHundertern)) << dividend << " : " << d;
            EXPECT_EQ(markierung(a, 1).texte(), rest(nachZehnern)) << dividend << " : " << d;
            verschieden += nachHundertern != nachZehnern;
        }
    EXPECT_GT(verschieden, 20);
}

TEST_F(SvmdELogik, EveryGeneratorsDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    PinRandomSeed(22);
    QStringList alle;
    for (int code : { 85, 87 })
        for (int generator : { 0, 1, 2, 4, 5, 6 }) {
            Wertebereiche w;
            for (int n = 0; n < 3000; ++n) {
                const Faktoren f = stellenwurf(generator, code);
                w(QStringLiteral("H"), f.h);
                w(QStringLiteral("Z"), f.z);
                w(QStringLiteral("E"), f.e);
                w(QStringLiteral("d"), f.d);
                // A small divisor allows larger digits: the digits by divisor.
                for (int ziffer : { f.h, f.z, f.e })
                    w(QStringLiteral("x%1").arg(f.d), ziffer);
            }
            alle << QStringLiteral("%1 M%2: ").arg(code).arg(generator) + w.text();
        }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "85 M0: E 1-4, H 3-9, Z 1-4, d 2-9, x2 1-9, x3 1-9, x4 1-9, x5 1,3-9, x6 1,3-9, x7 1,3-9, x8 1,3-9, x9 1,3-9\n"
        "85 M1: E 1-4, H 2-9, Z 2-9, d 2-9, x2 1-9, x3 1-9, x4 1-9, x5 1-9, x6 1-9, x7 1-9, x8 1-9, x9 1-9\n"
        "85 M2: E 2-9, H 4-9, Z 1-4, d 2-8, x2 1-9, x3 1-2,4-9, x4 1-9, x5 1,3-9, x6 1-9, x7 1-9, x8 1-2,4-9\n"
        "85 M4: E 2-9, H 2-9, Z 2-9, d 2-9, x2 5-9, x3 4-9, x4 3-9, x5 2-9, x6 2-9, x7 2-9, x8 2-9, x9 2-9\n"
        "85 M5: E 2-9, H 2-9, Z 1-3, d 3-4,6-9, x3 3-9, x4 2-9, x6 1-9, x7 1-9, x8 1-9, x9 1-9\n"
        "85 M6: E 0-9, H 2-9, Z 0-9, d 2-9, x2 0-9, x3 0-9, x4 0-9, x5 0-9, x6 0-9, x7 0-9, x8 0-9, x9 0-9\n"
        "87 M0: E 1-4, H 3-9, Z 1-4, d 2-9, x2 1-9, x3 1-9, x4 1-9, x5 1,3-9, x6 1,3-9, x7 1,3-9, x8 1,3-9, x9 1,3-9\n"
        "87 M1: E 1-4, H 2-9, Z 2-9, d 2-9, x2 1-9, x3 1-9, x4 1-9, x5 1-9, x6 1-9, x7 1-9, x8 1-9, x9 1-9\n"
        "87 M2: E 2-9, H 4-9, Z 1-4, d 2-8, x2 1-9, x3 1-2,4-9, x4 1-9, x5 1,3-9, x6 1-9, x7 1-9, x8 1-2,4-9\n"
        "87 M4: E 2-9, H 2-9, Z 2-9, d 2-5, x2 5-9, x3 4-8, x4 3-6, x5 2-6\n"
        "87 M5: E 6-9, H 6-9, Z 6-9, d 6-9, x6 6-9, x7 6-9, x8 6-9, x9 6-9\n"
        "87 M6: E 0-9, H 2-9, Z 0-9, d 2-9, x2 0-9, x3 0-9, x4 0-9, x5 0-9, x6 0-9, x7 0-9, x8 0-9, x9 0-9");
}

TEST_F(SvmdELogik, TheHelpArrowRunsFromTheFactorToTheDigitOfItsStep)
{
    PinRandomSeed(27);
    for (int n = 0; n < 50; ++n) {
        const Aufgabe a = aufgabeBilden(85, stellenwurf(6, 85));
        std::vector<schrift::Schrift> ziffern;
        for (const schrift::Element& e : aufgabenbild(a).teile)
            if (const auto* t = std::get_if<schrift::Schrift>(&e)) ziffern.push_back(*t);
        // The text nearest to x on the task's line.
        const auto bei = [&](int x) {
            return *std::min_element(ziffern.begin(), ziffern.end(),
                [x](const auto& s, const auto& t) { return std::abs(s.x - x) < std::abs(t.x - x); });
        };
        for (int schritt = 2; schritt <= 4; ++schritt) {
            std::vector<QPoint> punkte;
            for (const schrift::Element& e : markierung(a, schritt).teile)
                if (const auto* l = std::get_if<schrift::Linienzug>(&e))
                    punkte.insert(punkte.end(), l->punkte.begin(), l->punkte.end());
            ASSERT_GE(punkte.size(), 2u);
            const int ziffer = schritt == 4 ? a.r.e : schritt == 3 ? a.r.z : a.r.h;
            EXPECT_EQ(bei(punkte.front().x()).text, QString::number(a.r.d)) << "step " << schritt;
            // The arrow's head: the point its shaft and its two strokes share.
            const QPoint spitze
                = *std::max_element(punkte.begin(), punkte.end(), [&](const QPoint& p, const QPoint& q) {
                      return std::count(punkte.begin(), punkte.end(), p) < std::count(punkte.begin(), punkte.end(), q);
                  });
            const schrift::Schrift ziel = bei(spitze.x());
            EXPECT_LE(std::abs(ziel.x - spitze.x()), 36) << "step " << schritt;
            EXPECT_EQ(ziel.text, QString::number(ziffer)) << "step " << schritt << ", " << a.r.h << a.r.z << a.r.e;
        }
    }
}

// The product is written under the line with its units under the digit it is multiplied by; the quotient with
// its units under the dividend's units. Each further place one column to the left.
TEST_F(SvmdELogik, EveryTypedDigitStandsInTheColumnOfItsPlace)
{
    const Aufgabe mal = aufgabe(85, 456, 4);
    // The two factors with a blank between them, where the dot stands.
    EXPECT_EQ(aufgabenbild(mal).texte(), (QStringList { "4", "5", "6", " ", "4" }));
    const std::vector<schrift::Schrift> oben = schriften(aufgabenbild(mal));
    ASSERT_EQ(oben.back().text, "4");
    for (int schritt = 1; schritt <= 4; ++schritt) {
        const std::vector<schrift::Schrift> e = schriften(eintrag(mal, schritt, u'7'));
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].x, oben.back().x - 72 * (4 - schritt)) << "step " << schritt;
        EXPECT_GT(e[0].y, 220);
    }
    const Aufgabe durch = aufgabe(87, 456, 4);
    const std::vector<schrift::Schrift> dividend = schriften(aufgabenbild(durch));
    ASSERT_EQ(dividend[3].text, "4"); // 1824
    for (int schritt = 1; schritt <= 3; ++schritt) {
        const std::vector<schrift::Schrift> e = schriften(eintrag(durch, schritt, u'7'));
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].x, dividend[3].x - 72 * (schritt - 1)) << "step " << schritt;
        EXPECT_GT(e[0].y, 220);
    }
    // A zero typed for the quotient's hundreds is shown where it would stand, in front of them.
    const Meldung null = meldung(durch, 3, u'0');
    const std::vector<schrift::Schrift> n = schriften(null.feld);
    ASSERT_EQ(n.size(), 1u);
    EXPECT_EQ(n[0].text, "0");
    EXPECT_EQ(n[0].x, schriften(eintrag(durch, 3, u'4'))[0].x - 72);
    EXPECT_GT(n[0].y, 220);
}

TEST_F(SvmdELogik, EachWrongDigitGetsTheMessageOfItsKind)
{
    // 456 x 4 = 1824: 6 x 4 = 24, 5 x 4 = 20 (+ 2), 4 x 4 = 16 (+ 2).
    const Aufgabe mal = aufgabe(85, 456, 4);
    const QString vergessen = QStringLiteral("Die Gemerkten wurden vergessen.");
    const QString hunderter = QStringLiteral("Tippe zuerst die Hunderter ein.");
    struct Fall {
        int code, schritt;
        QChar getippt;
        QString text;
    };
    const Fall faelle[] = {
        { 85, 3, u'0', vergessen },
        { 85, 2, u'6', vergessen },
        { 85, 2, u'1', hunderter },
        { 85, 4, u'5', QString() },
        { 85, 3, u'1', QString() },
        { 85, 2, u'0', QString() },
        { 85, 1, u'6', QString() },
        { 85, 3, u'6', QString() },
        // Dividing, a digit of a plain product is just wrong, and only the hundreds have a leading zero.
        { 87, 2, u'0', QString() },
        { 87, 1, u'0', QString() },
        { 87, 3, u'6', QString() },
    };
    for (const Fall& f : faelle) {
        const Meldung m = meldung(f.code == 85 ? mal : aufgabe(87, 456, 4), f.schritt, f.getippt);
        const QString text = f.text.isEmpty()
            ? QStringLiteral("Die ") + f.getippt + QStringLiteral(" war falsch. Rechne neu oder hole Hilfe.")
            : f.text;
        SCOPED_TRACE(QStringLiteral("code %1, step %2, %3").arg(f.code).arg(f.schritt).arg(f.getippt).toStdString());
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.zaehlt, f.text != hunderter);
        EXPECT_EQ(m.hilfeFrei, f.text.isEmpty());
        EXPECT_TRUE(m.feld.leer());
    }
    const Meldung null = meldung(aufgabe(87, 456, 4), 3, u'0');
    EXPECT_EQ(null.text, "Die Null am Anfang ist unnötig.");
    EXPECT_FALSE(null.zaehlt);
    EXPECT_FALSE(null.hilfeFrei);
}

// Every step's help names the numbers of its column, show gives the column's product and carry and then the
// digit to type, and "Gemerkte?" the carry into the column: over many tasks of every generator.
TEST_F(SvmdELogik, HelpShowAndGemerkteOfEveryStepFitTheTask)
{
    PinRandomSeed(43);
    for (int code : { 85, 87 })
        for (int generator : { 0, 1, 2, 4, 5, 6 })
            for (int n = 0; n < 25; ++n) {
                const Aufgabe a = aufgabeBilden(code, stellenwurf(generator, code));
                const Reihe& r = a.r;
                const QString d = QString::number(r.d);
                if (code == 85) {
                    const int ziffer[5] = { 0, 0, r.h, r.z, r.e };
                    const int hinein[5] = { 0, r.merkH, r.merkZ, r.merkE, 0 };
                    const int produkt[5] = { 0, 0, r.produktH, r.produktZ, r.produktE };
                    for (int schritt = 1; schritt <= 4; ++schritt) {
                        SCOPED_TRACE(QStringLiteral("%1 x %2, step %3")
                                         .arg(r.h * 100 + r.z * 10 + r.e)
                                         .arg(r.d)
                                         .arg(schritt)
                                         .toStdString());
                        const QChar soll = a.wahltext.at(schritt - 1);
                        EXPECT_EQ(merkeText(a, schritt), schritt <= 3 ? QString::number(hinein[schritt]) : QString());
                        if (schritt == 1) {
                            EXPECT_EQ(hilfe(a, 1).texte(), QStringList { "es fehlt nur noch der Tausender" });
                            EXPECT_EQ(
                                zeigen(a, 1, 1).texte(), (QStringList { QStringLiteral(" :   ") + soll, "tippe" }));
                            EXPECT_TRUE(zeigen(a, 1, 2).leer());
                            EXPECT_TRUE(letzteZeigestufe(a, 1, 1));
                            continue;
                        }
                        QStringList h { QStringLiteral("rechne:    ") + d + QStringLiteral("    ")
                            + QString::number(ziffer[schritt]) };
                        if (schritt != 4) h << QStringLiteral("und addiere die Gemerkten");
                        EXPECT_EQ(hilfe(a, schritt).texte(), h);
                        EXPECT_EQ(zeigen(a, schritt, 1).texte(),
                            (QStringList { QStringLiteral("=  ") + QString::number(produkt[schritt]),
                                QString::number(schritt == 4 ? 0 : hinein[schritt]) }));
                        const QStringList zwei = zeigen(a, schritt, 2).texte();
                        ASSERT_GE(zwei.size(), 2);
                        EXPECT_EQ(zwei[0].toInt(), produkt[schritt] + (schritt == 4 ? 0 : hinein[schritt]));
                        EXPECT_EQ(zwei[0].right(1), QString(soll));
                        EXPECT_EQ(zwei[1], "tippe");
                        EXPECT_EQ(zwei.contains("merke"), hinein[schritt - 1] > 0);
                        EXPECT_FALSE(letzteZeigestufe(a, schritt, 1));
                        EXPECT_TRUE(letzteZeigestufe(a, schritt, 2));
                    }
                } else {
                    // The short way: each part of the dividend is the remainder so far and the next digit.
                    const int dividend = r.wert();
                    int teil = dividend / 100;
                    for (int schritt = 3; schritt >= 1; --schritt) {
                        SCOPED_TRACE(
                            QStringLiteral("%1 : %2, step %3").arg(dividend).arg(r.d).arg(schritt).toStdString());
                        const int rest = teil % r.d;
                        EXPECT_EQ(a.wahltext.at(schritt - 1), QChar(u'0' + teil / r.d));
                        EXPECT_EQ(hilfe(a, schritt).texte().last(),
                            QStringLiteral("rechne:       ") + QString::number(teil) + QStringLiteral("  :  ") + d);
                        QString t = QStringLiteral("=   ") + QString::number(teil / r.d);
                        if (schritt > 1) t += QStringLiteral("   Rest  ") + QString::number(rest);
                        EXPECT_EQ(zeigen(a, schritt, 1).texte(), QStringList { t });
                        EXPECT_EQ(zeigen(a, schritt, 2).texte(),
                            (schritt > 1 ? QStringList { "tippe", "merke" } : QStringList { "tippe" }));
                        EXPECT_FALSE(letzteZeigestufe(a, schritt, 1));
                        EXPECT_TRUE(letzteZeigestufe(a, schritt, 2));
                        // "Gemerkte?" shows the remainder carried into the column being divided.
                        const int hineinRest = schritt == 3 ? -1 : (dividend / (schritt == 2 ? 100 : 10)) % r.d;
                        EXPECT_EQ(merkeText(a, schritt), hineinRest < 0 ? QString() : QString::number(hineinRest));
                        teil = rest * 10 + dividend / (schritt == 3 ? 10 : 1) % 10;
                    }
                    QStringList vielfache;
                    for (int i = 1; i <= 10; ++i)
                        vielfache << QString::number(i * r.d);
                    EXPECT_EQ(hilfe(a, 2).texte().mid(0, 10), vielfache);
                }
            }
}
