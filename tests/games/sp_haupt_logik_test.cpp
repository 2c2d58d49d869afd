#include "games/s_KP_logik.h"
#include "games/sp_haupt_logik.h"
#include "platform/errors.h"
#include "spieletest.h"

#include <QFile>

using SwinaTest = SpieleTest;
using einstellungsdatei::Abschnittstand;

// Every game number: the launcher it is chosen through and the section it keeps its options in.
TEST(Spielzuordnung, EachGameHasItsLauncherAndSection)
{
    using S = sp_haupt::Starter;
    const struct {
        int spiel;
        S starter;
        const char* stichwort;
    } soll[] = { { 0, S::keiner, "" }, { 1, S::knobeln, "masch" }, { 2, S::partner, "vg100" }, { 3, S::partner, "tic" },
        { 4, S::knobeln, "zfz" }, { 5, S::gruppe, "zr" }, { 6, S::gruppe, "bot" }, { 7, S::gruppe, "flip" },
        { 8, S::gruppe, "wr" }, { 9, S::knobeln, "kette" }, { 10, S::keiner, "" }, { 11, S::knobeln, "kette" },
        { 12, S::knobeln, "masch" }, { 13, S::knobeln, "bunt" }, { 14, S::knobeln, "2n" }, { 15, S::knobeln, "2n" },
        { 16, S::knobeln, "2n" }, { 17, S::partner, "" }, { 18, S::gruppe, "lvr" }, { 19, S::gruppe, "lvr" },
        { 20, S::knobeln, "pyra" }, { 21, S::knobeln, "pyra" }, { 22, S::knobeln, "zq" }, { 23, S::keiner, "" },
        { 24, S::partner, "abr9" }, { 25, S::partner, "" }, { 26, S::partner, "ziel" }, { 27, S::keiner, "" } };
    for (const auto& f : soll) {
        EXPECT_EQ(sp_haupt::starter(f.spiel), f.starter) << f.spiel;
        EXPECT_EQ(sp_haupt::stichwort(f.spiel), QString::fromLatin1(f.stichwort)) << f.spiel;
    }
}

TEST_F(SwinaTest, TheInstalledFileGivesTheMachinesEveryOperationAndNumber)
{
    ASSERT_EQ(sp_haupt::abschnittladen("masch"), Abschnittstand::gelesen);
    EXPECT_TRUE(s_KP::startErlaubt(1));
    EXPECT_EQ(QStringList({ rechenartzeichen[0], rechenartzeichen[1], rechenartzeichen[2], rechenartzeichen[3] }),
        QStringList({ "+", "-", "*", ":" }));
    EXPECT_EQ(operatorzahl, 39);
    EXPECT_EQ(zwzahl1, 39);
    EXPECT_EQ(gewaehltzahl, 4);
    for (int k = 1; k <= operatorzahl; ++k)
        EXPECT_NE(operatortexte[k].str(), ":0");
}

TEST_F(SwinaTest, OperatorListsAndStartFromTheChosenOperationsAndNumbers)
{
    struct Fall {
        std::vector<int> operationen, zahlen;
        QStringList liste;
        bool maschinen, zeichen; // Start for games 1/12 and for game 4
    };
    const Fall faelle[] = {
        { { 0, 3 }, { 0, 3 }, { "+0", "+3", ":3" }, true, true },
        { { 3 }, { 0 }, {}, false, true },
        { { 3 }, { 0, 7 }, { ":7" }, true, true },
        { { 1, 2 }, {}, {}, false, true },
        { {}, { 1, 2 }, {}, false, false },
    };
    for (const Fall& f : faelle) {
        std::vector<int> werte(14, -1);
        for (int i : f.operationen)
            werte[size_t(i)] = i;
        for (int j : f.zahlen)
            werte[size_t(4 + j)] = j;
        sp_haupt::abschnittsetzen("masch", werte);
        for (int spiel : { 1, 12 })
            EXPECT_EQ(s_KP::startErlaubt(spiel), f.maschinen);
        QStringList liste;
        for (int k = 1; k <= operatorzahl; ++k)
            liste << operatortexte[k].str();
        EXPECT_EQ(liste, f.liste);
        EXPECT_EQ(s_KP::startErlaubt(4), f.zeichen);
    }
}

TEST_F(SwinaTest, MagicSquaresStartOnlyWithAStepOf1To100AndAStartUpTo100)
{
    const int faelle[][3] = { { 0, 1, 0 }, { 1, 0, 1 }, { 100, 0, 1 }, { 101, 0, 0 }, { 100, 100, 1 }, { 5, 101, 0 } };
    for (const auto& f : faelle) {
        variante = f[0];
        variante2 = f[1];
        EXPECT_EQ(s_KP::startErlaubt(22), f[2] == 1) << f[0] << " " << f[1];
    }
}

TEST_F(SwinaTest, DirectionsAndFlagsThatAreNotTheirIndexCountAsNotChosen)
{
    sp_haupt::abschnittsetzen("2n", { 5, -1, 2, 3, 1 });
    EXPECT_TRUE(s_KP::startErlaubt(15));
    EXPECT_EQ(gewaehltzahl, 2);
    EXPECT_EQ(nachbarlagen[0], -1);
    EXPECT_EQ(unloesbar, 1);
    sp_haupt::abschnittsetzen("2n", { -1, -1, -1, -1, 0 });
    EXPECT_FALSE(s_KP::startErlaubt(16));
    sp_haupt::abschnittsetzen("lvr", { 0, 7, 2, -1, 4, 3 });
    EXPECT_EQ(QStringList({ rechenartzeichen[0], rechenartzeichen[1], rechenartzeichen[2], rechenartzeichen[3] }),
        QStringList({ "0", "n", "2", "n" }));
    EXPECT_EQ(sp_haupt::abschnittwerte("lvr"), (std::vector<int> { 0, -1, 2, -1, 4, 3 }));
}

TEST_F(SwinaTest, TheGoalGameLoadsItsFourValuesAndForgetsTheOpponent)
{
    zeileErsetzen(3, "1 2 5 44");
    ASSERT_EQ(sp_haupt::abschnittladen("ziel"), Abschnittstand::gelesen);
    EXPECT_EQ(variante, 1);
    EXPECT_EQ(spieloption, 0);
    EXPECT_EQ(zwzahl2, 5);
    EXPECT_EQ(zwzahl3, 44);
    EXPECT_EQ(stichwortzeile, 3);
    EXPECT_EQ(zeilenzahl, 34);
}

TEST_F(SwinaTest, StartRewritesOnlyTheValueLineOfItsSection)
{
    ASSERT_EQ(sp_haupt::abschnittladen("kette"), Abschnittstand::gelesen);
    variante = 3;
    variante2 = 2;
    sp_haupt::abschnittschreiben("kette");
    QByteArray erwartet = installiert();
    erwartet.replace("kette\r\n1 1\r\n", "kette\r\n3 2\r\n");
    EXPECT_EQ(readBytes(swina()), erwartet);
}

TEST_F(SwinaTest, ExtraBlanksReadAndTheSecondOfADoubledSectionCounts)
{
    writeBytes(swina(), installiert() + "kette\r\n2  1\r\nende\r\n");
    ASSERT_EQ(sp_haupt::abschnittladen("kette"), Abschnittstand::gelesen);
    EXPECT_EQ(variante, 2);
    EXPECT_EQ(variante2, 1);
    variante = 0;
    sp_haupt::abschnittschreiben("kette");
    // A line that is no keyword belongs to the section above it and goes with its rewrite.
    EXPECT_EQ(readBytes(swina()), installiert() + "kette\r\n0 1\r\n");
}

TEST_F(SwinaTest, AMissingSectionIsAppendedAndAMissingFileStaysMissing)
{
    QByteArray ohne = installiert();
    ohne.replace("pyra\r\n0 1\r\n", "");
    writeBytes(swina(), ohne);
    variante = 7;
    EXPECT_EQ(sp_haupt::abschnittladen("pyra"), Abschnittstand::fehlt);
    EXPECT_EQ(variante, 7);
    variante = 2;
    variante2 = 0;
    sp_haupt::abschnittschreiben("pyra");
    EXPECT_EQ(readBytes(swina()), ohne + "pyra\r\n2 0\r\n");

    QFile::remove(swina());
    EXPECT_EQ(sp_haupt::abschnittladen("pyra"), Abschnittstand::fehlt);
    sp_haupt::abschnittschreiben("pyra");
    EXPECT_FALSE(QFile::exists(swina()));
}

TEST_F(SwinaTest, AGameWithoutASectionOfItsOwnLeavesTheFileAsItWas)
{
    const QByteArray vorher = readBytes(swina());
    for (const QString& wort : { QString(), QStringLiteral("gibtsnicht") }) {
        sp_haupt::abschnittschreiben(wort);
        sp_haupt::abschnittschreiben(wort, { 1, 2, 3 });
        EXPECT_EQ(readBytes(swina()), vorher) << wort.toStdString();
    }
}

TEST_F(SwinaTest, GroupGameLinesKeepABlankAfterTheLastValue)
{
    ASSERT_EQ(sp_haupt::abschnittladen("flip"), Abschnittstand::gelesen);
    sp_haupt::abschnittschreiben("flip");
    sp_haupt::abschnittschreiben("bot", { 2, 3 });
    sp_haupt::abschnittschreiben("wr", { 1, 2, 1, 0 });
    QByteArray erwartet = installiert();
    erwartet.replace("flip\r\n3 1\r\n", "flip\r\n3 1 \r\n")
        .replace("bot\r\n0 1\r\n", "bot\r\n2 3 \r\n")
        .replace("wr\r\n2 1 0 0\r\n", "wr\r\n1 2 1 0\r\n");
    EXPECT_EQ(readBytes(swina()), erwartet);
}

TEST_F(SwinaTest, ADamagedSectionChangesNoOptionAndStartReplacesAllItsLines)
{
    struct Fall {
        QByteArray alt, neu; // the section as found, as Start leaves it
        Abschnittstand stand;
    };
    const Fall faelle[] = {
        { "pyra\r\n3 2\r\n", "pyra\r\n0 0\r\n", Abschnittstand::gelesen },
        { "pyra\r\n4 1\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt },
        { "pyra\r\n-1 1\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt },
        { "pyra\r\n0 3\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt },
        { "pyra\r\nx 1\r\n1 1\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt },
        { "pyra\r\n0\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt }, // the next keyword is no value
        { "pyra\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt },
        { "pyra\r\n0\r\n1\r\n", "pyra\r\n0 0\r\n", Abschnittstand::gelesen },
        { "pyra\r\n99999999999 1\r\n", "pyra\r\n0 0\r\n", Abschnittstand::beschaedigt },
    };
    for (const Fall& f : faelle) {
        QByteArray datei = installiert();
        datei.replace("pyra\r\n0 1\r\n", f.alt);
        writeBytes(swina(), datei);
        variante = 0;
        variante2 = 0;
        EXPECT_EQ(sp_haupt::abschnittladen("pyra"), f.stand) << f.alt.data();
        if (f.stand == Abschnittstand::beschaedigt) {
            EXPECT_EQ(variante + variante2, 0) << f.alt.data();
        }
        variante2 = 0;
        variante = 0;
        sp_haupt::abschnittschreiben("pyra");
        EXPECT_EQ(readBytes(swina()), QByteArray(installiert()).replace("pyra\r\n0 1\r\n", f.neu)) << f.alt.data();
    }
    // Flags that are not their item's index are no damage: the item counts as not chosen.
    zeileErsetzen(27, "7 1 2 3");
    EXPECT_EQ(sp_haupt::abschnittladen("zfz"), Abschnittstand::gelesen);
    EXPECT_EQ(rechenarten[0], -1);
    // An emptied file gets the installed file's leading lines back.
    writeBytes(swina(), {});
    sp_haupt::abschnittschreiben("zr", { 1, 2 });
    EXPECT_EQ(readBytes(swina()), installiert().left(installiert().indexOf("ziel")) + "zr\r\n1 2\r\n");
}

// Every value of every section lands in the variable its game reads and comes back in its own place when Start
// writes the section: distinct values, so that one put in a neighbour's place shows.
TEST_F(SwinaTest, EverySectionsValuesReachTheirGameAndComeBackInTheirPlaces)
{
    const QStringList flaggen { "lvr", "masch", "zfz", "2n" }; // values that are their item's index or -1
    for (const QString s : { "ziel", "tic", "vg100", "abr9", "lvr", "zr", "bot", "flip", "wr", "zq", "bunt", "masch",
             "zfz", "kette", "pyra", "2n" }) {
        const int anzahl = int(sp_haupt::abschnittwerte(s).size());
        ASSERT_GT(anzahl, 0) << s.toStdString();
        std::vector<int> werte;
        for (int i = 0; i < anzahl; ++i) {
            const int flagge = s == "masch" && i >= 4 ? i - 4 : i;
            const bool istFlagge = flaggen.contains(s) && (s == "masch" || i < 4);
            werte.push_back(istFlagge ? (i % 2 == 0 ? flagge : -1) : 101 + i);
        }
        sp_haupt::abschnittsetzen(s, werte);
        std::vector<int> zurueck = werte;
        if (s == "ziel") zurueck[1] = 0; // the opponent is chosen anew every game
        EXPECT_EQ(sp_haupt::abschnittwerte(s), zurueck) << s.toStdString();
    }
    // What the guessing game reads: its variant, its time and its two switches.
    sp_haupt::abschnittsetzen("wr", { 14, 3, 1, 0 });
    EXPECT_EQ(std::vector<int>({ variante, zeitwahl, schalter1, schalter2 }), std::vector<int>({ 14, 3, 1, 0 }));
    sp_haupt::abschnittsetzen("wr", { 0, 1, 0, 1 });
    EXPECT_EQ(std::vector<int>({ variante, zeitwahl, schalter1, schalter2 }), std::vector<int>({ 0, 1, 0, 1 }));
}

// Every value's range is the items of the control that shows it: both ends read, one beyond either end is a
// damaged section. The other values of the section stay as installed.
TEST_F(SwinaTest, EachValueReadsAtBothEndsOfItsControlAndNotBeyond)
{
    const struct {
        const char* stichwort;
        int stelle, von, bis;
    } faelle[] = {
        { "ziel", 0, 0, 1 },
        { "ziel", 2, 0, 10 },
        { "ziel", 3, 40, 50 },
        { "tic", 0, 0, 17 },
        { "vg100", 0, 0, 1 },
        { "abr9", 0, 0, 1 },
        { "lvr", 4, 2, 9 },
        { "lvr", 5, 0, 3 },
        { "zr", 0, 0, 3 },
        { "zr", 1, 0, 3 },
        { "bot", 0, 0, 7 },
        { "bot", 1, 0, 3 },
        { "flip", 0, 0, 7 },
        { "flip", 1, 0, 3 },
        { "wr", 0, 0, 14 },
        { "wr", 1, 0, 3 },
        { "wr", 2, 0, 1 },
        { "wr", 3, 0, 1 },
        { "zq", 0, 1, 100 },
        { "zq", 1, 0, 100 },
        { "zq", 2, 0, 1 },
        { "zq", 3, 0, 1 },
        { "zq", 4, 0, 1 },
        { "bunt", 0, 0, 2 },
        { "bunt", 1, 0, 1 },
        { "kette", 0, 0, 3 },
        { "kette", 1, 0, 2 },
        { "pyra", 0, 0, 3 },
        { "pyra", 1, 0, 2 },
        { "2n", 4, 0, 1 },
    };
    for (const auto& f : faelle) {
        ASSERT_EQ(sp_haupt::abschnittladen(f.stichwort), Abschnittstand::gelesen) << f.stichwort;
        const std::vector<int> installiert = sp_haupt::abschnittwerte(f.stichwort);
        for (const int wert : { f.von - 1, f.von, f.bis, f.bis + 1 }) {
            std::vector<int> werte = installiert;
            werte[size_t(f.stelle)] = wert;
            EXPECT_EQ(sp_haupt::werteGueltig(f.stichwort, werte), wert >= f.von && wert <= f.bis)
                << f.stichwort << " value " << f.stelle << " = " << wert;
        }
    }
    // Flags, and the opponent of the target game, may hold anything.
    for (const QString s : { "lvr", "masch", "zfz", "2n" }) {
        std::vector<int> werte = sp_haupt::abschnittwerte(s);
        werte[0] = 99;
        werte[1] = -7;
        EXPECT_TRUE(sp_haupt::werteGueltig(s, werte)) << s.toStdString();
    }
    EXPECT_TRUE(sp_haupt::werteGueltig("ziel", { 0, 99, 7, 45 }));
}
