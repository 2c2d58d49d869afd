#include "games/buchstabentaste.h"
#include "games/s_botsch_logik.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

TEST(Buchstabentaste, TheKeyTableMapsEveryLetterToItsResultInEachKind)
{
    const QString reihenfolge = QStringLiteral("QWERTZUIOPÜASDFGHJKLÖÄYXCVBNM");
    for (int i = 0; i < 29; ++i) {
        const QChar z = reihenfolge[i];
        EXPECT_EQ(buchstabentaste::tasten()[std::size_t(i)].buchstabe, z);
        for (int art : { 0, 1, 2, 3, 4, 6 })
            EXPECT_EQ(s_botsch::ergebnis(art, z), 35 + i);
    }
    ASSERT_EQ(s_botsch::produkte().size(), 29u);
    EXPECT_EQ(s_botsch::produkte().front(), 10);
    EXPECT_EQ(s_botsch::produkte().back(), 81);
    EXPECT_EQ(s_botsch::ergebnis(5, 'H'), 40);
    EXPECT_EQ(s_botsch::ergebnis(7, 'Q'), 0);
    EXPECT_EQ(s_botsch::ergebnis(7, QChar(0xC4)), 10); // Ä
    for (QChar z : { QChar('E'), QChar('D'), QChar('Y') })
        EXPECT_EQ(s_botsch::ergebnis(7, z), 2);
    EXPECT_EQ(s_botsch::ergebnis(7, 'M'), 8);
    EXPECT_EQ(s_botsch::ergebnis(0, QChar(0xDF)), -1); // ß
}

TEST(Buchstabentaste, TypedKeysCountInCapitalsAndNothingElseCounts)
{
    EXPECT_EQ(buchstabentaste::grossbuchstabe('a'), QChar('A'));
    EXPECT_EQ(buchstabentaste::grossbuchstabe(QChar(0xF6)), QChar(0xD6)); // ö
    EXPECT_EQ(buchstabentaste::grossbuchstabe(QChar(0xDC)), QChar(0xDC));
    for (QChar z : { QChar(0xDF), QChar('5'), QChar('-'), QChar(' '), QChar(13) })
        EXPECT_TRUE(buchstabentaste::grossbuchstabe(z).isNull()) << z.unicode();
}

TEST(Buchstabentaste, OnlyWritableWordsAreDrawnAndEachComesOnceBeforeAnyAgain)
{
    Wortvorrat v;
    RandSeed(3);
    v.setzen({ "", QString::fromUtf8("Straße"), "HUND", "Haus" });
    ASSERT_EQ(v.groesse(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(v.ziehen(), QString("HUND"));
    QStringList woerter;
    for (int i = 0; i < 64; ++i)
        woerter << QStringLiteral("W") + QString(QChar('A' + i % 26)) + QString(QChar('A' + i / 26));
    v.setzen(woerter);
    for (int runde = 0; runde < 2; ++runde) {
        std::set<QString> gezogen;
        for (int i = 0; i < 64; ++i)
            gezogen.insert(v.ziehen());
        EXPECT_EQ(gezogen.size(), 64u);
    }
    v.setzen({});
    EXPECT_TRUE(v.leer());
    EXPECT_TRUE(v.ziehen().isEmpty());
}

TEST(Botschaften, MessagesAreTheFirstFiveLettersAndEachKindHasItsTasks)
{
    EXPECT_EQ(s_botsch::botschaft("HAUS"), QString("HAUS"));
    EXPECT_EQ(s_botsch::botschaft("SCHMETTER"), QString("SCHME"));
    RandSeed(7);
    const auto haus = s_botsch::aufgaben(0, "HAUS");
    ASSERT_EQ(haus.size(), 4u);
    const int r[4] = { 51, 46, 41, 47 };
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(haus[std::size_t(k)].r, r[k]);
        EXPECT_EQ(haus[std::size_t(k)].a + haus[std::size_t(k)].b, r[k]);
    }
    std::set<std::pair<int, int>> faktorenH;
    for (int seed = 0; seed < 300; ++seed) {
        RandSeed(std::uint32_t(seed));
        for (const auto& t : s_botsch::aufgaben(2, "QMYÄÜ"))
            EXPECT_TRUE(t.a >= 11 && t.b >= 11 && t.a + t.b == t.r);
        for (const auto& t : s_botsch::aufgaben(4, "QMYÄÜ")) {
            EXPECT_TRUE(t.c >= 11 && t.c <= 99) << t.c;
            EXPECT_EQ(std::abs(t.c - t.a), t.r);
        }
        const auto h = s_botsch::aufgaben(5, "H");
        faktorenH.insert({ h[0].a, h[0].b });
        std::set<std::pair<int, int>> paare;
        for (const auto& t : s_botsch::aufgaben(6, "QQQQQ")) {
            EXPECT_TRUE(paare.insert({ t.a, t.b }).second);
            EXPECT_EQ(t.a * t.b + t.c, t.r);
            EXPECT_TRUE(t.c != 0 && std::abs(t.c) < 10);
        }
        std::set<int> teiler;
        for (const auto& t : s_botsch::aufgaben(7, "EDYEM")) {
            EXPECT_TRUE(teiler.insert(t.b).second);
            EXPECT_EQ(t.a, t.b * t.r);
        }
    }
    EXPECT_EQ(faktorenH, (std::set<std::pair<int, int>> { { 4, 10 }, { 5, 8 }, { 8, 5 }, { 10, 4 } }));
    const auto teile = s_botsch::aufgabentext(5, { 40, 5, 8, 0 });
    ASSERT_EQ(teile.size(), 4u);
    EXPECT_EQ(teile[0].x, 130);
    EXPECT_EQ(teile[1].x, 160);
    EXPECT_EQ(teile[1].dy, 6);
    EXPECT_EQ(teile[2].x, 190);
}

TEST(Botschaften, TheAnswerGoesIntoTheGapOfEachKindsTask)
{
    for (int art = 0; art <= 7; ++art) {
        const std::vector<s_botsch::Aufgabe> liste = s_botsch::aufgaben(art, QStringLiteral("HALLO"));
        ASSERT_FALSE(liste.empty());
        const std::vector<s_botsch::Teil> teile = s_botsch::aufgabentext(art, liste.front());
        const auto gleich = std::find_if(
            teile.begin(), teile.end(), [](const s_botsch::Teil& t) { return t.text == QStringLiteral("="); });
        ASSERT_NE(gleich, teile.end());
        const int x = s_botsch::antwortX(art);
        // Nothing of the task is written where the answer goes.
        for (const s_botsch::Teil& t : teile)
            EXPECT_NE(t.x, x) << "kind " << art << ": " << t.text.toStdString();
        if (art == 4) {
            // "a + __ = c": the missing number stands between the sign and the "=".
            EXPECT_GT(x, teile[1].x) << "kind " << art;
            EXPECT_LT(x, gleich->x) << "kind " << art;
        } else {
            EXPECT_GT(x, gleich->x) << "kind " << art;
        }
    }
}

// Each task read from left to right, with the letter's result in the answer's place, is a true equation.
TEST(Botschaften, EachTaskReadFromLeftToRightIsTrueWithTheLettersResult)
{
    for (int seed = 0; seed < 100; ++seed) {
        RandSeed(std::uint32_t(seed));
        for (int art = 0; art <= 7; ++art) {
            const QString text = art == 7 ? QStringLiteral("EDYEM") : QString::fromUtf8("QMYÄÜ");
            for (const auto& t : s_botsch::aufgaben(art, text)) {
                std::vector<s_botsch::Teil> teile = s_botsch::aufgabentext(art, t);
                teile.push_back({ s_botsch::antwortX(art), 0, QString::number(t.r) });
                std::sort(teile.begin(), teile.end(),
                    [](const s_botsch::Teil& a, const s_botsch::Teil& b) { return a.x < b.x; });
                QStringList gelesen;
                for (const auto& teil : teile)
                    gelesen << teil.text;
                const QStringList seiten = gelesen.join(' ').split(" = ");
                ASSERT_EQ(seiten.size(), 2) << gelesen.join(' ').toStdString();
                const auto rechnen = [](const QString& ausdruck) {
                    const QStringList w = ausdruck.split(' ');
                    int wert = w[0].toInt();
                    for (int i = 1; i + 1 < w.size(); i += 2) {
                        const int b = w[i + 1].toInt();
                        if (w[i] == "*") {
                            wert *= b; // only as the first operation
                        } else if (w[i] == ":") {
                            wert /= b;
                        } else {
                            wert += w[i] == "+" ? b : -b;
                        }
                    }
                    return wert;
                };
                EXPECT_EQ(rechnen(seiten[0]), rechnen(seiten[1]))
                    << "kind " << art << ": " << gelesen.join(' ').toStdString();
            }
        }
    }
}

TEST(Botschaften, EveryNumberOfATaskStaysInItsRangeAndEveryValueOfItOccurs)
{
    // Kind 0 and 1 add or take a one-digit number, kind 3 takes 10..39 from a two-digit number, kind 6 multiplies
    // two of 3..9, kind 7 divides by 2..9.
    std::set<int> plus, minus, zehner, faktoren, teiler;
    int hoechster = 0;
    for (int seed = 0; seed < 300; ++seed) {
        RandSeed(std::uint32_t(seed));
        for (const auto& t : s_botsch::aufgaben(0, "QMYÄÜ")) {
            EXPECT_EQ(t.a + t.b, t.r);
            plus.insert(t.b);
        }
        for (const auto& t : s_botsch::aufgaben(1, "QMYÄÜ")) {
            EXPECT_EQ(t.a - t.b, t.r);
            minus.insert(t.b);
        }
        for (const auto& t : s_botsch::aufgaben(3, "QMYÄÜ")) {
            EXPECT_EQ(t.a - t.b, t.r);
            hoechster = std::max(hoechster, t.a);
            zehner.insert(t.b);
        }
        for (const auto& t : s_botsch::aufgaben(6, "QQQQQ")) {
            faktoren.insert(t.a);
            faktoren.insert(t.b);
        }
        for (const auto& t : s_botsch::aufgaben(7, "EDYEM"))
            teiler.insert(t.b);
    }
    const std::set<int> einstellig = { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    EXPECT_EQ(plus, einstellig);
    EXPECT_EQ(minus, einstellig);
    EXPECT_EQ(zehner.size(), 30u);
    EXPECT_EQ(*zehner.begin(), 10);
    EXPECT_EQ(hoechster, 99); // never a three-digit minuend
    EXPECT_EQ(faktoren, (std::set<int> { 3, 4, 5, 6, 7, 8, 9 }));
    EXPECT_EQ(teiler, (std::set<int> { 2, 3, 4, 5, 6, 7, 8, 9 }));
}

// The other kinds' numbers over many messages: two two-digit addends (45 = 11 + 34 .. 34 + 11), any two-digit
// first number of "a + __ = c", factors of the times table 2..10, and a correction of -9..9 that is never 0.
TEST(Botschaften, TheOtherKindsNumbersReachBothEndsOfTheirRanges)
{
    std::set<int> summand, erste, faktoren, rest, erster, zweiter;
    for (int seed = 0; seed < 300; ++seed) {
        RandSeed(std::uint32_t(seed));
        for (const auto& t : s_botsch::aufgaben(2, QString::fromUtf8("ÜÜÜÜÜ")))
            summand.insert(t.b);
        for (const auto& t : s_botsch::aufgaben(4, "QQQQQ")) {
            erste.insert(t.a);
            // Adding while the sum stays two-digit (up to 99), else taking away.
            EXPECT_EQ(t.c, t.a + t.r <= 99 ? t.a + t.r : t.a - t.r) << t.a;
        }
        for (const auto& t : s_botsch::aufgaben(5, "QWERTZUIOP")) {
            EXPECT_EQ(t.a * t.b, t.r);
            faktoren.insert(t.a);
        }
        for (const char* botschaft : { "QWERT", "ZUIOP", "ÜASDF", "GHJKL", "ÖÄYXC", "VBNM" })
            for (const auto& t : s_botsch::aufgaben(6, QString::fromUtf8(botschaft))) {
                rest.insert(t.c);
                erster.insert(t.a);
                zweiter.insert(t.b);
            }
    }
    EXPECT_EQ(*summand.begin(), 11);
    EXPECT_EQ(*summand.rbegin(), 34);
    EXPECT_EQ(erste.size(), 89u);
    EXPECT_EQ(*erste.begin(), 11);
    EXPECT_EQ(*erste.rbegin(), 99);
    EXPECT_EQ(faktoren, (std::set<int> { 2, 3, 4, 5, 6, 7, 8, 9, 10 }));
    EXPECT_EQ(rest, (std::set<int> { -9, -8, -7, -6, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 6, 7, 8, 9 }));
    EXPECT_EQ(erster, (std::set<int> { 3, 4, 5, 6, 7, 8, 9 }));
    EXPECT_EQ(zweiter, (std::set<int> { 3, 4, 5, 6, 7, 8, 9 }));
}
