#include "analyses/f_gra_fehler.h"
#include "analyses/f_gra_logik.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "support/fixtures.h"

#include <QDir>
#include <set>

using namespace gra;

namespace {

Zahlenwahl keine()
{
    Zahlenwahl w;
    w.fill(-1);
    return w;
}

// Ticks exactly the given values of a list whose item i stands for basis + i.
Zahlenwahl wahlAb(int basis, std::initializer_list<int> werte)
{
    Zahlenwahl w = keine();
    for (int v : werte)
        w[v - basis] = v;
    return w;
}

Zahlenwahl alle(int basis, int anzahl)
{
    Zahlenwahl w = keine();
    for (int i = 0; i < anzahl; ++i)
        w[i] = basis + i;
    return w;
}

} // namespace

class FGraLogikTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
    }
    // Sets up a run as the set-up window's Start leaves it.
    void start(int code, int variante, const Zahlenwahl& a, const Zahlenwahl& b)
    {
        programmcode = code;
        wahl2 = byte(variante);
        zahlenwahl1 = a;
        zahlenwahl2 = b;
        aufgabenvorratBauen();
        laufBeginnen();
    }
    // Draws tasks and answers each with `antwort` until the run is complete; the tasks as shown, in order.
    QStringList durchlaufen(const std::function<int()>& antwort)
    {
        QStringList gezeigt;
        Aufgabenbild bild;
        while (zaehler < aufgabenanzahl && aufgabeErzeugen(bild)) {
            gezeigt << bild.links + bild.rechts;
            eingabe = QString::number(antwort());
            eingabezeit = aufgabenstart;
            bewertung();
        }
        return gezeigt;
    }
};

TEST_F(FGraLogikTest, PoolsCountTheTasksTheTicksAllow)
{
    // kleines 1 + 1 with every number: 121 tasks, 66 of them within ten.
    Vorrat v = aufgabenvorrat(11, 2, alle(0, 11), alle(0, 11));
    EXPECT_EQ(v.anzahl, 121);
    EXPECT_EQ(v.anzahlohne, 66);
    EXPECT_EQ(v.anzahlmit, 55);
    EXPECT_EQ(v.aufgabenanzahl, 121);
    EXPECT_EQ(v.eintraege.first(), "0 + 0 = 0");
    EXPECT_EQ(v.eintraege.last(), "10 + 10 = 20");
    EXPECT_EQ(aufgabenvorrat(11, 0, alle(0, 11), alle(0, 11)).aufgabenanzahl, 66);
    EXPECT_EQ(aufgabenvorrat(11, 1, alle(0, 11), alle(0, 11)).aufgabenanzahl, 55);

    // Subtraction within ten never goes below 0; with a ten crossing the difference stays below 10.
    EXPECT_EQ(aufgabenvorrat(13, 0, alle(0, 11), alle(0, 11)).anzahl, 66);
    v = aufgabenvorrat(14, 0, alle(11, 8), alle(2, 8));
    EXPECT_EQ(v.anzahl, 36);
    EXPECT_FALSE(v.eintraege.contains("18 - 2 = 16"));
    EXPECT_FALSE(v.eintraege.contains("17 - 7 = 10"));
    EXPECT_TRUE(v.eintraege.contains("17 - 8 = 9"));
    EXPECT_TRUE(v.eintraege.contains("11 - 2 = 9"));

    // Mixed tens minus units: a crossing is a units digit smaller than the subtrahend.
    v = aufgabenvorrat(15, 1, wahlAb(0, { 3, 7 }), wahlAb(0, { 4, 5 }));
    EXPECT_EQ(v.anzahlmit, 2);
    EXPECT_EQ(v.anzahlohne, 2);
    EXPECT_EQ(v.aufgabenanzahl, 2);
    EXPECT_EQ(v.eintraege.first(), "3 - 4 = 7");

    // No tick in one list: nothing to ask.
    EXPECT_EQ(aufgabenvorrat(16, 0, alle(0, 11), keine()).aufgabenanzahl, 0);
}

TEST_F(FGraLogikTest, ExchangeTasksAreCountedOnce)
{
    const Vorrat v = aufgabenvorrat(16, 1, wahlAb(0, { 2, 3, 4 }), wahlAb(0, { 2, 3, 4 }));
    EXPECT_EQ(v.minimum, 6);
    EXPECT_EQ(v.anzahl, 9);
    EXPECT_EQ(v.aufgabenanzahl, 6);
    EXPECT_EQ(aufgabenvorrat(16, 0, wahlAb(0, { 2, 3, 4 }), wahlAb(0, { 2, 3, 4 })).aufgabenanzahl, 9);
    EXPECT_EQ(aufgabenvorrat(16, 2, wahlAb(0, { 2, 3, 4 }), wahlAb(0, { 2, 3, 4 })).aufgabenanzahl, 9);

    // Division: divisors 1..10, quotients 0..10; only numbers ticked in both lists pair up.
    const Vorrat d = aufgabenvorrat(17, 1, wahlAb(1, { 2, 5 }), wahlAb(0, { 0, 2, 5, 7 }));
    EXPECT_EQ(d.anzahl, 8);
    EXPECT_EQ(d.minimum, 7);
    EXPECT_EQ(d.eintraege.first(), "2 x 0");
}

TEST_F(FGraLogikTest, GridsMarkThePairsOfTheRun)
{
    programmcode = 11;
    wahl2 = 1;
    zahlenwahl1 = wahlAb(0, { 3, 8 });
    zahlenwahl2 = wahlAb(0, { 5 });
    aufgabenvorratBauen();
    EXPECT_EQ(tabelle[3][5], "      "); // 3 + 5 has no ten crossing
    EXPECT_EQ(tabelle[8][5], " ???  ");
    EXPECT_EQ(fehlerkennungen[8][5], "      ");
    EXPECT_EQ(aufgabenanzahl, 1);
    EXPECT_EQ(anzahl, 2);
    EXPECT_EQ(aufgabenliste[2], "8 + 5 = 13");
    EXPECT_EQ(aufgabenliste[3], "");

    // Division: the row is the quotient, the column the divisor's position.
    programmcode = 17;
    zahlenwahl1 = wahlAb(1, { 3 });
    zahlenwahl2 = wahlAb(0, { 7 });
    aufgabenvorratBauen();
    EXPECT_EQ(tabelle[7][2], " ???  ");
    EXPECT_EQ(tabelle[2][7], "      ");

    // Code 14: rows 11..18 and columns 2..9 from 0.
    programmcode = 14;
    zahlenwahl1 = wahlAb(11, { 13 });
    zahlenwahl2 = wahlAb(2, { 2, 9 });
    aufgabenvorratBauen();
    EXPECT_EQ(tabelle[2][7], " ???  ");
    EXPECT_EQ(tabelle[2][0], "      "); // 13 - 2 = 11 is not asked
}

TEST_F(FGraLogikTest, SectionsOfTheSettingsFile)
{
    const QString datei = dataPath("fw.ina");
    Abschnitt s = standardabschnitt(14);
    s.wahl1[0] = -1;
    EXPECT_EQ(abschnittLaden(datei, 14, s), Ladeergebnis::DateiFehlt);
    EXPECT_EQ(s.wahl1[0], -1); // nothing changed

    writeBytes(datei,
        "TAVI Einstellungen Fehleranalysen\r\nnicht von Hand \xe4ndern\r\n"
        "1p1\r\n0 -1 2 3 4 5 6 7 8 9 10 0 1 2 3 4 5 6 7 8 9 10\r\n1\r\n"
        "1d1\r\n1 2 3 4 5 6 7 8 9 10 0 1 2 3 4 5 6 7 8 9 10\r\n9\r\n"
        "1m1_20\r\n11 12 13 14 15 16 17 18 2 3 4 5 6 7 8 9\r\n3\r\n"
        "x\r\n");
    ASSERT_EQ(abschnittLaden(datei, 11, s), Ladeergebnis::Gelesen);
    EXPECT_EQ(s.wahl1[1], -1);
    EXPECT_EQ(s.wahl1[2], 2);
    EXPECT_EQ(s.wahl2, 1);
    ASSERT_EQ(abschnittLaden(datei, 14, s), Ladeergebnis::Gelesen);
    EXPECT_EQ(s.wahl1[7], 18);
    EXPECT_EQ(s.wahl2liste[0], 2);
    EXPECT_EQ(s.wahl2, 3);
    // A variant the radio group does not have reads as the installation's.
    ASSERT_EQ(abschnittLaden(datei, 17, s), Ladeergebnis::Gelesen);
    EXPECT_EQ(s.wahl2, 1);

    // A missing section: every number, and the rewrite appends it.
    ASSERT_EQ(abschnittLaden(datei, 12, s), Ladeergebnis::Standard);
    EXPECT_EQ(s.wahl1[9], 9);
    EXPECT_EQ(s.wahl2, 2);
    s.wahl1[4] = -1;
    s.wahl2 = 0;
    const auto zeilen = abschnittZeilen(12, s);
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0].size(), 20u);
    EXPECT_EQ(zeilen[0][4], -1);
    EXPECT_EQ(zeilen[1], std::vector<int> { 0 });
    einstellungsdatei::abschnittschreibenZeilen(datei, "gemzp", zeilen);
    Abschnitt gelesen;
    ASSERT_EQ(abschnittLaden(datei, 12, gelesen), Ladeergebnis::Gelesen);
    EXPECT_EQ(gelesen.wahl1[4], -1);
    EXPECT_EQ(gelesen.wahl1[5], 5);
    EXPECT_EQ(gelesen.wahl2, 0);
    EXPECT_TRUE(readBytes(datei).endsWith("x\r\ngemzp\r\n0 1 2 3 -1 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9\r\n0\r\n"));
}

// What tells the seven analyses apart: the section and protocol name, the sign, both lists' numbers as the
// installation ticks them, and the variants the radio group offers (one past its last reads as the default).
TEST_F(FGraLogikTest, EachAnalysisHasItsNamesSignListsAndVariants)
{
    const auto folge = [](int von, int bis) {
        std::vector<int> v;
        for (int i = von; i <= bis; ++i)
            v.push_back(i);
        return v;
    };
    const struct {
        int code;
        const char *stichwort, *praefix, *zeichen;
        std::vector<int> liste1, liste2;
        int varianten, standard;
    } soll[] = {
        { 11, "1p1", "1+1___", "+", folge(0, 10), folge(0, 10), 3, 2 },
        { 12, "gemzp", "ZE+E__", "+", folge(0, 9), folge(0, 9), 3, 2 },
        { 13, "1m1_10", "1-1___", "-", folge(0, 10), folge(0, 10), 4, 0 },
        { 14, "1m1_20", "ZÜ-___", "-", folge(11, 18), folge(2, 9), 4, 0 },
        { 15, "gemzm", "ZE-E__", "-", folge(0, 9), folge(0, 9), 3, 2 },
        { 16, "1x1", "1x1___", "x", folge(0, 10), folge(0, 10), 3, 1 },
        { 17, "1d1", "1d1___", ":", folge(1, 10), folge(0, 10), 3, 1 },
    };
    EXPECT_EQ(analyse(10), nullptr);
    EXPECT_EQ(analyse(18), nullptr);
    const QString datei = dataPath("fw.ina");
    for (const auto& f : soll) {
        const Analyse* an = analyse(f.code);
        ASSERT_NE(an, nullptr) << f.code;
        EXPECT_EQ(an->code, f.code);
        EXPECT_STREQ(an->stichwort, f.stichwort);
        EXPECT_STREQ(an->praefix, f.praefix);
        EXPECT_STREQ(an->zeichen, f.zeichen);
        std::vector<int> werte = f.liste1;
        werte.insert(werte.end(), f.liste2.begin(), f.liste2.end());
        const auto zeilen = abschnittZeilen(f.code, standardabschnitt(f.code));
        ASSERT_EQ(zeilen.size(), 2u);
        EXPECT_EQ(zeilen[0], werte) << f.code;
        EXPECT_EQ(zeilen[1], std::vector<int> { f.standard }) << f.code;
        for (const int variante : { f.varianten - 1, f.varianten }) {
            writeBytes(datei, "a\r\nb\r\n");
            einstellungsdatei::abschnittschreibenZeilen(datei, f.stichwort, { werte, { variante } });
            Abschnitt s;
            ASSERT_EQ(abschnittLaden(datei, f.code, s), Ladeergebnis::Gelesen) << f.code;
            EXPECT_EQ(s.wahl2, variante < f.varianten ? variante : f.standard) << f.code << " variant " << variante;
            EXPECT_EQ(abschnittZeilen(f.code, s)[0], werte) << f.code;
        }
    }
}

TEST_F(FGraLogikTest, AValueThatIsNoNumberEndsTheLoading)
{
    writeBytes(dataPath("fw.ina"), "a\r\nb\r\n1x1\r\n0 1 zwei\r\n1\r\n");
    Abschnitt s;
    EXPECT_THROW(abschnittLaden(dataPath("fw.ina"), 16, s), IoError);
}

TEST_F(FGraLogikTest, DrawsFollowTheVariant)
{
    // Only sums above ten: the smaller sums leave the pool unasked.
    start(11, 1, alle(0, 11), alle(0, 11));
    const QStringList gezeigt = durchlaufen([] { return zahl; });
    EXPECT_EQ(gezeigt.size(), 55);
    for (const QString& t : gezeigt) {
        const QStringList teile = t.split(' ');
        EXPECT_GT(teile[0].toInt() + teile[2].toInt(), 10) << t.toStdString();
    }
    EXPECT_EQ(std::set<QString>(gezeigt.begin(), gezeigt.end()).size(), 55u);
    EXPECT_EQ(wahl1, 55);

    Aufgabenbild bild;
    EXPECT_FALSE(aufgabeErzeugen(bild)); // what is left has small sums only
    EXPECT_EQ(anzahl, 0);
}

// Every task of a run, answered right, is noted in the very cell the set-up marked for it: no marked cell stays
// open and no answer lands in a cell that was not marked.
TEST_F(FGraLogikTest, EachAnswerFillsTheCellMarkedForItsTask)
{
    const struct {
        int code, variante, basis1, anzahl1, basis2, anzahl2;
    } faelle[] = { { 11, 0, 0, 11, 0, 11 }, { 11, 1, 0, 11, 0, 11 }, { 11, 2, 0, 11, 0, 11 }, { 12, 0, 0, 10, 0, 10 },
        { 12, 1, 0, 10, 0, 10 }, { 12, 2, 0, 10, 0, 10 }, { 13, 0, 0, 11, 0, 11 }, { 13, 3, 0, 11, 0, 11 },
        { 14, 0, 11, 8, 2, 8 }, { 14, 2, 11, 8, 2, 8 }, { 15, 0, 0, 10, 0, 10 }, { 15, 1, 0, 10, 0, 10 },
        { 15, 2, 0, 10, 0, 10 }, { 16, 0, 0, 11, 0, 11 }, { 17, 0, 1, 10, 0, 11 } };
    for (const auto& f : faelle) {
        start(f.code, f.variante, alle(f.basis1, f.anzahl1), alle(f.basis2, f.anzahl2));
        std::set<std::pair<int, int>> markiert;
        for (int z = 0; z <= 10; ++z)
            for (int sp = 0; sp <= 10; ++sp)
                if (tabelle[z][sp] == " ???  ") markiert.insert({ z, sp });
        EXPECT_EQ(int(markiert.size()), aufgabenanzahl) << f.code;
        std::set<std::pair<int, int>> beantwortet;
        Aufgabenbild bild;
        while (zaehler < aufgabenanzahl && aufgabeErzeugen(bild)) {
            int z = 0, sp = 0;
            aufgabenzelle(f.code, z, sp);
            EXPECT_TRUE(markiert.count({ z, sp })) << f.code << ": " << (bild.links + bild.rechts).toStdString();
            beantwortet.insert({ z, sp });
            eingabe = QString::number(zahl);
            eingabezeit = aufgabenstart;
            bewertung();
            EXPECT_EQ(tabelle[z][sp], QString::number(zahl).append(" ++").leftJustified(6, u' ')) << f.code;
        }
        EXPECT_EQ(beantwortet, markiert) << f.code << " variant " << f.variante;
    }
}

// A run starts with no task, no time and no error counted, and the sign of its analysis.
TEST_F(FGraLogikTest, ARunStartsFromNothing)
{
    for (const int code : { 11, 14, 16, 17 }) {
        start(code, 0, alle(code == 14 ? 11 : code == 17 ? 1 : 0, 8), alle(code == 14 ? 2 : 0, 8));
        durchlaufen([] { return zahl + 1; });
        ASSERT_GT(fehlerzahl, 0);
        zaehler = 5;
        laufzeit = 0.5;
        dauer = 0.25;
        eingabe = "7";
        laufBeginnen();
        EXPECT_EQ(zaehler, 0);
        EXPECT_EQ(laufzeit, 0.0);
        EXPECT_EQ(dauer, 0.0);
        EXPECT_EQ(eingabe.str(), "");
        EXPECT_EQ(fehlerzahl, 0);
        EXPECT_EQ(wahl1, 0);
        EXPECT_EQ(zeichen.str(), QString::fromUtf8(analyse(code)->zeichen));
    }
}

TEST_F(FGraLogikTest, MixedTensGetRandomTens)
{
    std::set<int> zehner12, zehner15;
    for (int lauf = 0; lauf < 30; ++lauf) {
        start(12, 2, wahlAb(0, { 3 }), wahlAb(0, { 4 }));
        Aufgabenbild bild;
        ASSERT_TRUE(aufgabeErzeugen(bild));
        zehner12.insert(zehneranteil);
        EXPECT_EQ(zahl1, 3 + zehneranteil);
        EXPECT_EQ(zahl, zahl1 + 4);
        EXPECT_EQ(bild.links, QString::number(zahl1) + " + 4 = ");

        start(15, 2, wahlAb(0, { 3 }), wahlAb(0, { 4 }));
        ASSERT_TRUE(aufgabeErzeugen(bild));
        zehner15.insert(zehneranteil);
        EXPECT_EQ(zahl, zahl1 - 4);
        EXPECT_EQ(bild.links, QString::number(zahl1) + " - 4 = ");
    }
    EXPECT_EQ(*zehner12.begin(), 10);
    EXPECT_EQ(*zehner12.rbegin(), 80);
    EXPECT_EQ(*zehner15.begin(), 20);
    EXPECT_EQ(*zehner15.rbegin(), 90);
}

TEST_F(FGraLogikTest, TheFourFormsOfSubtraction)
{
    const char* erwartet[][2] = { { "9 - 4 =", "" }, { "9 = 4 +", "" }, { "9 = ", " + 4" }, { "4 + ", " = 9" } };
    for (int form = 0; form < 4; ++form) {
        start(13, form, wahlAb(0, { 9 }), wahlAb(0, { 4 }));
        Aufgabenbild bild;
        ASSERT_TRUE(aufgabeErzeugen(bild));
        EXPECT_EQ(bild.links, erwartet[form][0]);
        EXPECT_EQ(bild.rechts, erwartet[form][1]);
        EXPECT_EQ(zahl, 5);
    }
}

TEST_F(FGraLogikTest, ExchangeTasksLeftOutInTheRun)
{
    // Variant 1: of 3 x 4 and 4 x 3 only the one drawn first.
    start(16, 1, wahlAb(0, { 3, 4 }), wahlAb(0, { 3, 4 }));
    EXPECT_EQ(aufgabenanzahl, 3);
    QStringList gezeigt = durchlaufen([] { return zahl + 1; });
    EXPECT_EQ(gezeigt.size(), 3);
    EXPECT_TRUE(gezeigt.contains("3  3 = "));
    EXPECT_TRUE(gezeigt.contains("4  4 = "));
    EXPECT_NE(gezeigt.contains("3  4 = "), gezeigt.contains("4  3 = "));
    EXPECT_EQ(fehlerzahl, 3);

    // Variant 2: a right answer takes its exchange task out of the run; a wrong one does not.
    start(16, 2, wahlAb(0, { 3, 4 }), wahlAb(0, { 3, 4 }));
    gezeigt = durchlaufen([] { return zahl; });
    EXPECT_EQ(gezeigt.size(), 3);
    EXPECT_EQ(aufgabenanzahl, 3);
    EXPECT_TRUE(tabelle[3][4] == " T-Ag " || tabelle[4][3] == " T-Ag ");
    start(16, 2, wahlAb(0, { 3, 4 }), wahlAb(0, { 3, 4 }));
    gezeigt = durchlaufen([] { return zahl + 1; });
    EXPECT_EQ(gezeigt.size(), 4);

    // Division, variant 2: tasks with the quotient 0 have no exchange task.
    start(17, 2, wahlAb(1, { 1, 2 }), wahlAb(0, { 0, 1, 2 }));
    EXPECT_EQ(aufgabenanzahl, 6);
    gezeigt = durchlaufen([] { return zahl; });
    EXPECT_EQ(gezeigt.size(), 5);
    EXPECT_TRUE(gezeigt.contains("0  1 = "));
    EXPECT_TRUE(gezeigt.contains("0  2 = "));
    EXPECT_TRUE(tabelle[1][1] == " T-Ag " || tabelle[2][0] == " T-Ag ");
}
