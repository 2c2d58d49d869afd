// "SV3" without a window: the kinds, the columns and carries, the skips, the messages and the show stages.

#include "aids/h_svmZE_logik.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"

#include <algorithm>

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
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "0: E 1-9, E2 0, H 2-9, Z 1-9, Z2 2-9\n"
        "1: E 1-9, E2 1-9, H 2-9, Z 1-9, Z2 1\n"
        "2: E 1-9, E2 1-9, H 1-9, Z 1-9, Z2 2-9\n"
        "3: E 0-9, E2 1-9, H 1-9, Z 0-9, Z2 2-9");
}
