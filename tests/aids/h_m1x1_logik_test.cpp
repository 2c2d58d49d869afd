#include "aids/h_m1x1_logik.h"
#include "platform/colors.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"

#include <gtest/gtest.h>

#include <set>

using namespace m1x1;

namespace {

// What a step writes: the equation's two parts, or "" for a step without one.
QString gleichung(const Aufgabe& t, int stufe)
{
    const Hilfeschritt s = hilfeschritt(t, stufe);
    return s.gleichung ? s.gleichung->links + "|" + QString::number(s.gleichung->wert) : QString();
}

} // namespace

TEST(M1x1Ziffer, EachDigitIsJudgedAtItsPlace)
{
    EXPECT_TRUE(zifferRichtig("9", 1, 91));
    EXPECT_FALSE(zifferRichtig("1", 1, 91));
    EXPECT_TRUE(zifferRichtig("91", 2, 91));
    EXPECT_FALSE(zifferRichtig("92", 2, 91));
    EXPECT_FALSE(zifferRichtig("911", 3, 91));
    EXPECT_EQ(ziffernRechts(2, 1), 846);
    EXPECT_EQ(ziffernRechts(3, 3), 879);
}

TEST(M1x1Hilfe, TheStepsTakeTheProductApartByTensAndOnes)
{
    struct Fall {
        int form, a, b;
        QStringList schritte; // equations of steps 2, 3, 4
    } faelle[] = {
        { 0, 7, 3, { "7 x 10 = |70", "", "7 x   3 = |21" } },
        { 1, 4, 6, { "10 x 6 = |60", "", "4 x 6 = |24" } },
        { 2, 3, 5, { "10 x 15 = |150", "3 x 10 = |30", "3 x   5 = |15" } },
    };
    for (const Fall& f : faelle) {
        const Aufgabe t = aufgabe(f.form, f.a, f.b);
        EXPECT_EQ(t.zielzahl, (f.form == 0 ? f.a : 10 + f.a) * (f.form == 1 ? f.b : 10 + f.b));
        EXPECT_EQ(QStringList({ gleichung(t, 2), gleichung(t, 3), gleichung(t, 4) }), f.schritte) << f.form;
        EXPECT_EQ(hilfeschritt(t, 2).dreiUeberspringen, f.form != 2);
        EXPECT_TRUE(hilfeschritt(t, 1).trennlinie);
        EXPECT_TRUE(hilfeschritt(t, 5).ergebnis);
        EXPECT_FALSE(hilfeschritt(t, 6).punkte || hilfeschritt(t, 6).ergebnis);
    }
    // The first step's field has one dot per unit of the product, and the parts' dots cover it once.
    const auto anzahl = [](const Punkte& p) { return (p.spalteBis - p.spalteVon + 1) * (p.zeileBis - p.zeileVon + 1); };
    for (const Fall& f : faelle) {
        const Aufgabe t = aufgabe(f.form, f.a, f.b);
        const Punkte alle = *hilfeschritt(t, 1).punkte;
        EXPECT_EQ(anzahl(alle), t.zielzahl) << f.form;
        int summe = 0;
        for (int stufe = 2; stufe <= 4; ++stufe) {
            const Hilfeschritt s = hilfeschritt(t, stufe);
            if (!s.punkte) continue;
            const Punkte p = *s.punkte;
            EXPECT_TRUE(p.spalteVon >= alle.spalteVon && p.spalteBis <= alle.spalteBis && p.zeileVon >= alle.zeileVon
                && p.zeileBis <= alle.zeileBis)
                << f.form << " step " << stufe;
            summe += anzahl(p);
        }
        EXPECT_EQ(summe, t.zielzahl) << f.form;
    }
    const Aufgabe t = aufgabe(2, 3, 5);
    EXPECT_EQ(hilfeschritt(t, 4).gleichung->y, 526);
    EXPECT_EQ(hilfeschritt(aufgabe(0, 7, 3), 4).punkte->spalteVon, 11);
    EXPECT_EQ(punkt(1, 1), QRect(QPoint(36, 55), QPoint(46, 69)));
}

TEST(M1x1Protokoll, TheFormNamesTheAidAndTheDigitListsFollow)
{
    const QString wahltext = "2 3 // 5 9 ";
    const hilfenrahmen::Protokollangaben p = protokollangaben(2, wahltext, 4);
    EXPECT_EQ(p.titel, "Hilfen beim großen 1x1   (1E x 1E)");
    EXPECT_EQ(protokollangaben(0, wahltext, 0).titel, "Hilfen beim mittleren 1x1   (E x 1E)");
    EXPECT_EQ(protokollangaben(1, wahltext, 0).titel, "Hilfen beim mittleren 1x1   (1E x E)");
    EXPECT_EQ(p.zeile4, "erlaubte Einer links:  2 3 ");
    EXPECT_EQ(p.zeile5, "erlaubte Einer rechts: 5 9 ");
    EXPECT_EQ(p.zeile11, "       Hilfetaste:     4");
    EXPECT_EQ(p.zeile12, "");
    // Without the hub's separator all the digits are the left ones.
    const hilfenrahmen::Protokollangaben ohne = protokollangaben(0, "4 5 ", 0);
    EXPECT_EQ(ohne.zeile4, "erlaubte Einer links:  4 5 ");
    EXPECT_EQ(ohne.zeile5, "erlaubte Einer rechts: ");
    hilfenrahmen::Stand s;
    s.eingabengesamt = 7;
    s.eingabenrichtig = 2;
    s.hilfetasten = 4;
    EXPECT_EQ(hilfenrahmen::protokollzeilen(p, s)[0], "Programm:              Hilfen beim großen 1x1   (1E x 1E)");
    EXPECT_EQ(hilfenrahmen::protokollzeilen(p, s)[8], "       falsch/unnötig: 1");
}

// A draw asks the pool's pairs of ones digits, each once in a pass; a pool that holds no readable pair asks
// 0 x 0 in the chosen form rather than a pair nobody chose.
TEST(M1x1Ziehung, EveryChosenPairComesOnceAndAnEmptyPoolAsksNoOtherPair)
{
    const QStringList paare = { "2x3", "9x9", "4x7" };
    for (int i = 0; i < paare.size(); ++i)
        aufgabenliste[i + 1] = paare[i];
    vorratsgroesse = int(paare.size());
    nummer = vorratsgroesse;
    PinRandomSeed(3);
    for (int form = 0; form <= 2; ++form) {
        std::set<QString> gesehen;
        for (int i = 0; i < paare.size(); ++i) {
            const Aufgabe t = ziehen(form);
            gesehen.insert(QString("%1x%2").arg(t.a).arg(t.b));
            EXPECT_EQ(t.zielzahl, aufgabe(form, t.a, t.b).zielzahl);
        }
        EXPECT_EQ(gesehen, std::set<QString>(paare.begin(), paare.end())) << form;
    }
    UnpinRandomSeed();

    aufgabenliste[1] = "x5";
    vorratsgroesse = 1;
    nummer = 1;
    for (int leer = 0; leer <= 1; ++leer) {
        if (leer == 1) vorratsgroesse = nummer = 0;
        for (int form = 0; form <= 2; ++form) {
            const Aufgabe t = ziehen(form);
            EXPECT_EQ(std::make_pair(t.a, t.b), std::make_pair(0, 0)) << form;
            EXPECT_EQ(std::make_pair(t.einer1, t.einer2),
                std::make_pair(aufgabe(form, 0, 0).einer1, aufgabe(form, 0, 0).einer2));
        }
    }
    aufgabenliste[1] = "";
}
