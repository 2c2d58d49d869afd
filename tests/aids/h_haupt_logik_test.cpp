#include "aids/h_haupt_logik.h"
#include "platform/errors.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/beschaedigt.h"
#include "support/fixtures.h"

#include <QFile>
#include <map>
#include <set>
#include <tuple>

using namespace h_haupt;

namespace {

class HHauptLogikTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        QFile::copy(folders::installFolder() + QStringLiteral("hw.ina"), dataPath(QStringLiteral("hw.ina")));
        QFile(dataPath(QStringLiteral("hw.ina"))).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        zahlenwahl1.fill(-1);
        zahlenwahl2.fill(-1);
        auswahl1.fill(-1);
        auswahl2.fill(-1);
        auswahl3.fill(-1);
        wahlbytes.fill(255);
        nummer = vorratsgroesse = 0;
    }

    static void waehlen(h_haupt::Listenbezug feld, int erster, std::initializer_list<int> werte)
    {
        for (int i = 0; i <= feld.high(); ++i)
            feld[i] = -1;
        for (int w : werte)
            feld[w - erster] = w;
    }

    QList<QByteArray> zeilen() const { return readBytes(dataPath(QStringLiteral("hw.ina"))).split('\n'); }
};

} // namespace

// ---- Pools ----

TEST_F(HHauptLogikTest, Raum10PoolHoldsOnlyTheSumsThatAllThreeListsAllow)
{
    waehlen(auswahl1, 1, { 1, 2 });
    waehlen(auswahl2, 1, { 1 });
    waehlen(auswahl3, 2, { 3 });
    EXPECT_EQ(zahlenvorrat(Zahlraum::raum10), 1);
    EXPECT_EQ(aufgabencodes[1], 21);
    EXPECT_EQ(vorratsgroesse, 1);
    EXPECT_EQ(nummer, 1);
}

TEST_F(HHauptLogikTest, EveryItemChosenGives45TasksInRaum10And36InRaum20InOrderOfAThenB)
{
    for (int i = 0; i < 9; ++i) {
        auswahl1[i] = auswahl2[i] = i + 1;
        auswahl3[i] = i + 2;
    }
    EXPECT_EQ(zahlenvorrat(Zahlraum::raum10), 45);
    EXPECT_EQ(aufgabencodes[1], 11);
    EXPECT_EQ(aufgabencodes[2], 12);
    EXPECT_EQ(aufgabencodes[10], 21);
    EXPECT_EQ(aufgabencodes[45], 91);

    for (int i = 0; i < 8; ++i) {
        auswahl1[i] = auswahl2[i] = i + 2;
        auswahl3[i] = i + 11;
    }
    EXPECT_EQ(zahlenvorrat(Zahlraum::raum20), 36);
    EXPECT_EQ(aufgabencodes[1], 29);
    EXPECT_EQ(aufgabencodes[36], 99);
    EXPECT_EQ(nummer, 36);
}

TEST_F(HHauptLogikTest, ListEntriesThatDoNotHoldTheirItemsValueCountAsNotChosen)
{
    // A file with the same sum written nine times would otherwise fill the pool nine times over and past
    // its end.
    for (int i = 0; i < 9; ++i) {
        auswahl1[i] = auswahl2[i] = i + 1;
        auswahl3[i] = 5;
    }
    EXPECT_EQ(zahlenvorrat(Zahlraum::raum10), 4); // only item 3 (value 5) is chosen: 14, 23, 32, 41
    EXPECT_EQ(auswahl3[0], -1);
    EXPECT_EQ(auswahl3[3], 5);
}

TEST_F(HHauptLogikTest, AxbPoolListsEveryChosenPairInListOrder)
{
    waehlen(zahlenwahl1, 0, { 0, 10 });
    waehlen(zahlenwahl2, 0, { 1 });
    EXPECT_EQ(axbvorrat(Axb::mal), 2);
    EXPECT_EQ(aufgabenliste[1], "0x1");
    EXPECT_EQ(aufgabenliste[2], "10x1");
    EXPECT_EQ(nummer, 2);

    // Divisions use ten entries, so a leftover eleventh entry of another panel is no divisor.
    for (int i = 0; i <= 10; ++i)
        zahlenwahl1[i] = zahlenwahl2[i] = i + 1;
    EXPECT_EQ(axbvorrat(Axb::durch), 100);
    EXPECT_EQ(aufgabenliste[100], "10x10");

    waehlen(zahlenwahl1, 2, { 7 });
    waehlen(zahlenwahl2, 2, { 9 });
    EXPECT_EQ(axbvorrat(Axb::mittel), 1);
    EXPECT_EQ(aufgabenliste[1], "7x9");

    waehlen(zahlenwahl2, 2, {});
    EXPECT_EQ(axbvorrat(Axb::mittel), 0);
    EXPECT_EQ(vorratsgroesse, 0);
}

TEST_F(HHauptLogikTest, AxbPoolCountsOnlyEntriesThatHoldTheirItemsValue)
{
    // A choice file whose entries slipped holds values in the wrong places: those are not chosen factors.
    waehlen(zahlenwahl1, 0, { 2, 3 });
    waehlen(zahlenwahl2, 0, { 4 });
    zahlenwahl1[7] = 1;
    zahlenwahl2[6] = 9;
    EXPECT_EQ(axbvorrat(Axb::mal), 2);
    EXPECT_EQ(aufgabenliste[1], "2x4");
    EXPECT_EQ(aufgabenliste[2], "3x4");
    EXPECT_EQ(zahlenwahl1[7], -1);
    EXPECT_EQ(zahlenwahl2[6], -1);
}

// ---- Drawing without repeats ----

TEST_F(HHauptLogikTest, DrawingTwiceFromAPoolOfTwoYieldsBothThenStartsOver)
{
    vorratsgroesse = nummer = 2;
    aufgabencodes[1] = 21;
    aufgabencodes[2] = 34;
    std::set<int> gezogen;
    ziehung();
    EXPECT_EQ(zielzahl, einer1 + einer2);
    gezogen.insert(einer1 * 10 + einer2);
    EXPECT_EQ(nummer, 1);
    ziehung();
    gezogen.insert(einer1 * 10 + einer2);
    EXPECT_EQ(gezogen, (std::set<int> { 21, 34 }));
    EXPECT_EQ(nummer, 0);
    ziehung(); // a new pass over the whole pool
    EXPECT_EQ(nummer, 1);
    EXPECT_TRUE(einer1 * 10 + einer2 == 21 || einer1 * 10 + einer2 == 34);
}

TEST_F(HHauptLogikTest, EveryTaskComesOnceBeforeAnyComesAgain)
{
    waehlen(zahlenwahl1, 0, { 2, 3, 4 });
    waehlen(zahlenwahl2, 0, { 5, 6 });
    axbvorrat(Axb::mal);
    for (int pass = 0; pass < 3; ++pass) {
        std::set<QString> runde;
        for (int i = 0; i < 6; ++i)
            runde.insert(ziehungText());
        EXPECT_EQ(runde.size(), 6u) << "pass " << pass;
        EXPECT_EQ(nummer, 0);
    }
    int a = 0, b = 0;
    EXPECT_TRUE(axbTeilen(tauschtext, a, b));
    EXPECT_TRUE(a >= 2 && a <= 4 && b >= 5 && b <= 6);
    EXPECT_TRUE(axbTeilen(QStringLiteral("10x10"), a, b));
    EXPECT_EQ(a * 100 + b, 1010);
    EXPECT_FALSE(axbTeilen(QStringLiteral("x3"), a, b));
    EXPECT_FALSE(axbTeilen(QStringLiteral("3x"), a, b));
    EXPECT_FALSE(axbTeilen(QStringLiteral("ax3"), a, b));
    EXPECT_EQ(a * 100 + b, 1010); // a refused entry leaves both numbers as they were
}

TEST_F(HHauptLogikTest, AnEmptyOrStalePoolNeverReachesOutsideItsEntries)
{
    vorratsgroesse = 0;
    nummer = 0;
    einer1 = 7;
    ziehung();
    EXPECT_EQ(einer1, 7);
    EXPECT_EQ(ziehungText(), QString());

    // Another window used the shared counter for something else meanwhile.
    vorratsgroesse = 1;
    aufgabencodes[1] = 45;
    nummer = 40;
    ziehung();
    EXPECT_EQ(einer1, 4);
    EXPECT_EQ(nummer, 0);
}

// ---- Recount and table checks ----

TEST_F(HHauptLogikTest, RecountKeepsAllowedValuesAndMarksEveryOtherEntry)
{
    wahlbytes[0] = 3;
    wahlbytes[1] = 9; // not its item's value
    wahlbytes[4] = 7;
    wahlbytes[6] = 9;
    EXPECT_EQ(wahlzaehlen(7), 3);
    EXPECT_EQ(gewaehltzahl, 3);
    EXPECT_EQ(wahlbytes[1], 255);
    EXPECT_EQ(wahlbytes[6], 9);
    EXPECT_EQ(wahlzaehlen(5), 2); // the snakes look at five entries only
    bytelisteEintragen({ false, false, false, false, false });
    EXPECT_EQ(wahlzaehlen(5), 0);
}

TEST_F(HHauptLogikTest, TableCheckCompactsTheMarginsAndNeedsARowAndAColumn)
{
    waehlen(zahlenwahl1, 0, { 2, 7 });
    waehlen(zahlenwahl2, 0, { 0, 5, 9 });
    zahlenwahl1[4] = 8; // stray value
    EXPECT_TRUE(tabellenpruefung(Tabelle::plus));
    EXPECT_EQ(tabzeilenzahl, 2);
    EXPECT_EQ(tabspaltenzahl, 3);
    EXPECT_EQ(auswahl1[1], 2);
    EXPECT_EQ(auswahl1[2], 7);
    EXPECT_EQ(auswahl2[3], 9);
    EXPECT_EQ(zahlenwahl1[4], -1);

    waehlen(zahlenwahl2, 0, {});
    EXPECT_FALSE(tabellenpruefung(Tabelle::mal));
    EXPECT_EQ(tabspaltenzahl, 0);
}

TEST_F(HHauptLogikTest, DivisionTableTakesOneToFiveDivisors)
{
    waehlen(zahlenwahl2, 2, { 2, 3, 4, 5, 10 });
    tabzeilenzahl = 3;
    EXPECT_TRUE(tabellenpruefung(Tabelle::durch));
    EXPECT_EQ(tabspaltenzahl, 5);
    EXPECT_EQ(tabzeilenzahl, 3); // only the columns are checked
    EXPECT_EQ(auswahl2[5], 10);
    waehlen(zahlenwahl2, 2, { 2, 3, 4, 5, 6, 10 });
    EXPECT_FALSE(tabellenpruefung(Tabelle::durch));
    waehlen(zahlenwahl2, 2, {});
    EXPECT_FALSE(tabellenpruefung(Tabelle::durch));
}

TEST_F(HHauptLogikTest, ElevenMarginsAreAllKept)
{
    for (int i = 0; i <= 10; ++i)
        zahlenwahl1[i] = zahlenwahl2[i] = i;
    EXPECT_TRUE(tabellenpruefung(Tabelle::minus));
    // The table reads its margins from entries 1 .. count.
    EXPECT_EQ(tabzeilenzahl, 11);
    EXPECT_EQ(tabspaltenzahl, 11);
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(auswahl1[k], k - 1);
}

// ---- Codes ----

TEST_F(HHauptLogikTest, CodesFromRadioChoices)
{
    EXPECT_EQ(pm100code(2, 1), 46);
    EXPECT_EQ(pm100code(0, 0), 41);
    EXPECT_EQ(pm100code(1, 1), 45);
    EXPECT_EQ(pm100code(3, 0), 0); // would be 44, the wrong kind
    EXPECT_EQ(pm100code(-1, 0), 0); // would be 40, another aid altogether
    EXPECT_EQ(pm100code(0, 255), 0);
    EXPECT_EQ(hsvcode(0), 71);
    EXPECT_EQ(hsvcode(4), 75);
    EXPECT_EQ(hsvcode(5), 0);
    EXPECT_EQ(hsvcode(-1), 0);
}

TEST_F(HHauptLogikTest, IncompleteOptionsDoNotStart)
{
    wahl1 = 2;
    wahl5 = 1;
    wahl7 = 0;
    pm100wahl[5] = 6;
    EXPECT_TRUE(optionenGueltig(46));
    EXPECT_FALSE(optionenGueltig(45)); // the choices give 46
    pm100wahl[5] = 7;
    EXPECT_FALSE(optionenGueltig(46));

    wahl1 = 7;
    EXPECT_TRUE(optionenGueltig(87));
    wahl1 = -1;
    EXPECT_FALSE(optionenGueltig(87));
    wahl1 = 2;
    wahl8 = 255;
    EXPECT_FALSE(optionenGueltig(88));
    wahl5 = 4;
    EXPECT_TRUE(optionenGueltig(86));
    wahl5 = 5; // the two-digit multiplication has five levels
    EXPECT_FALSE(optionenGueltig(86));

    wahlbytes[2] = 5;
    variante = 6;
    EXPECT_TRUE(optionenGueltig(11));
    EXPECT_FALSE(optionenGueltig(110)); // three directions only
    wahlbytes[2] = 255;
    variante = 0;
    EXPECT_FALSE(optionenGueltig(11));

    vorratsgroesse = 0;
    EXPECT_FALSE(optionenGueltig(21));
    EXPECT_FALSE(optionenGueltig(17)); // opens at once, never through Start
    EXPECT_FALSE(optionenGueltig(0));
}

// ---- Sections ----

// And so it does from every damaged copy of it: what the copy cannot give, the installed section gives, so that
// no panel is left with nothing chosen.
TEST_F(HHauptLogikTest, EverySectionOfTheInstalledFileLoadsWithItsValueCountAlsoFromADamagedCopy)
{
    const std::pair<int, int> codes[]
        = { { 11, 8 }, { 14, 1 }, { 110, 6 }, { 21, 27 }, { 31, 24 }, { 61, 23 }, { 62, 25 }, { 63, 24 }, { 64, 12 },
              { 65, 2 }, { 51, 22 }, { 55, 21 }, { 54, 17 }, { 40, 3 }, { 41, 9 }, { 71, 5 }, { 81, 6 } };
    std::map<QString, std::vector<int>> installiert;
    for (const auto& [code, anzahl] : codes) {
        SCOPED_TRACE(code);
        const QString wort = stichwort(code);
        EXPECT_EQ(int(abschnittwerte(wort).size()), anzahl);
        EXPECT_TRUE(abschnittladen(wort));
        EXPECT_GT(stichwortzeile, 4);
        installiert[wort] = abschnittwerte(wort);
    }
    EXPECT_TRUE(stichwort(17).isEmpty());
    EXPECT_TRUE(stichwort(53).isEmpty());
    EXPECT_FALSE(abschnittladen(QStringLiteral("gibtsnicht")));

    for (const Beschaedigung& b : beschaedigungen(readBytes(folders::installFolder() + QStringLiteral("hw.ina")))) {
        SCOPED_TRACE(b.name);
        writeBytes(dataPath(QStringLiteral("hw.ina")), b.inhalt);
        for (const auto& [wort, werte] : installiert) {
            abschnittsetzen(wort, std::vector<int>(werte.size(), -1));
            EXPECT_TRUE(abschnittladen(wort)) << wort.toStdString();
            EXPECT_EQ(abschnittwerte(wort), werte) << wort.toStdString();
        }
    }
}

TEST_F(HHauptLogikTest, BytesKeepTheirLowBitsAndAreWrittenAsTheirKindIsSigned)
{
    abschnittsetzen(QStringLiteral("sv"), { -1, 3, -1, 2, 300, -1 });
    EXPECT_EQ(wahl7, -1);
    EXPECT_EQ(wahl5, 255);
    EXPECT_EQ(wahl6, 44);
    EXPECT_EQ(wahl8, 255);
    EXPECT_EQ(abschnittwerte(QStringLiteral("sv")), (std::vector<int> { -1, 3, 255, 2, 44, 255 }));
    abschnittsetzen(QStringLiteral("wieviel"), { 3, -1, 5, 6, 7, 8, 9, 2 });
    EXPECT_EQ(abschnittwerte(QStringLiteral("wieviel")), (std::vector<int> { 3, 255, 5, 6, 7, 8, 9, 2 }));
}

TEST_F(HHauptLogikTest, TheWriterChangesOnlyTheValueLineOfItsCode)
{
    const QList<QByteArray> vorher = zeilen();
    abschnittladen(QStringLiteral("h1d1"));
    zahlenwahl1[0] = -1;
    wahl4 = 1;
    abschnittschreiben(55);
    const QList<QByteArray> nachher = zeilen();
    ASSERT_EQ(nachher.size(), vorher.size());
    int anders = 0;
    for (int i = 0; i < vorher.size(); ++i) {
        if (vorher[i] == nachher[i]) continue;
        ++anders;
        EXPECT_EQ(vorher[i - 1], "h1d1\r");
        EXPECT_EQ(nachher[i], "-1 2 3 4 5 6 7 8 9 10 1 2 3 4 5 6 7 8 9 10 1\r");
    }
    EXPECT_EQ(anders, 1);

    abschnittschreiben(17); // no section
    abschnittschreiben(0);
    EXPECT_EQ(zeilen(), nachher);
}

TEST_F(HHauptLogikTest, TheWriterFailsWithoutTheFile)
{
    QFile::remove(dataPath(QStringLiteral("hw.ina")));
    EXPECT_FALSE(abschnittladen(QStringLiteral("mr")));
    EXPECT_THROW(abschnittschreiben(40), IoError);
}

// ---- Descriptions ----

TEST_F(HHauptLogikTest, DescriptionOfEachKindOfChoice)
{
    waehlen(auswahl1, 1, { 1, 2 });
    waehlen(auswahl2, 1, { 1 });
    waehlen(auswahl3, 2, { 3, 10 });
    EXPECT_EQ(*wahltextFuer(21), "1 2 + 1 = 3 10 ");

    waehlen(zahlenwahl1, 0, { 0, 10 });
    waehlen(zahlenwahl2, 0, { 1 });
    EXPECT_EQ(*wahltextFuer(51), "0 10 // 1 ");
    EXPECT_EQ(*wahltextFuer(63), "0 10 // 1 ");
    EXPECT_EQ(*wahltextFuer(61), "0 // 1 "); // the addition table stops at 9
    waehlen(zahlenwahl2, 2, { 2, 7 });
    EXPECT_EQ(*wahltextFuer(64), "2 7 ");
    EXPECT_EQ(*wahltextFuer(65), "2 3 4 5 6 7 8 9 // 2 3 4 5 6 7 8 9");
    EXPECT_EQ(*wahltextFuer(610), "2 3 4 5 6 7 8 9 // 2 3 4 5 6 7 8 9");
    wahl7 = 3;
    EXPECT_EQ(*wahltextFuer(52), "3 ");
    EXPECT_FALSE(wahltextFuer(41).has_value());
    EXPECT_FALSE(wahltextFuer(88).has_value());

    bytelisteEintragen({ true, false, true });
    variante = 5;
    EXPECT_EQ(*wahltextFuer(11), "3 5 ");
    EXPECT_EQ(*zeile5Fuer(11), "0,15 sec/Element");
    variante = 2;
    EXPECT_EQ(*zeile5Fuer(110), "Richtungen: + und x");
    EXPECT_FALSE(zeile5Fuer(21).has_value());

    protzeilen[5] = "alt";
    wahltext = "alt";
    beschreiben(73);
    EXPECT_EQ(wahltext, "alt");
    EXPECT_EQ(protzeilen[5], "alt");
    variante = 1;
    beschreiben(110);
    EXPECT_EQ(protzeilen[5], "Richtungen: nur x");
    EXPECT_EQ(wahltext, "3 5 ");
}

TEST_F(HHauptLogikTest, AFullRaum20ChoiceFillsTheDescriptionToItsSixtyCharacters)
{
    for (int i = 0; i < 8; ++i) {
        auswahl1[i] = auswahl2[i] = i + 2;
        auswahl3[i] = i + 11;
    }
    beschreiben(31);
    EXPECT_EQ(wahltext.length(), 60);
    EXPECT_EQ(wahltext, "2 3 4 5 6 7 8 9 + 2 3 4 5 6 7 8 9 = 11 12 13 14 15 16 17 18 ");
}

TEST_F(HHauptLogikTest, LevelsOfTheWrittenMethods)
{
    EXPECT_EQ(stufentexte(Stufengruppe::plus).size(), 8);
    EXPECT_EQ(stufentexte(Stufengruppe::malZZ).size(), 5);
    EXPECT_EQ(stufentexte(Stufengruppe::minusErgaenzen).at(6), " Ergänzen zu Zahlen mit Null(en)");
    EXPECT_EQ(stufentexte(Stufengruppe::rest).at(1), "mit Rest");
    EXPECT_EQ(*stufengruppe(88), Stufengruppe::divE);
    EXPECT_FALSE(stufengruppe(71).has_value());
    stufeSetzen(89, 4);
    EXPECT_EQ(wahl6, 4);
    EXPECT_EQ(stufeVon(89), 4);
    stufeSetzen(85, 2);
    EXPECT_EQ(variante, 2);
}

// The hub offers each written method its own list of levels: how many there are and what the first one says.
TEST_F(HHauptLogikTest, EveryWrittenMethodOffersItsOwnLevels)
{
    const std::tuple<int, int, const char*> faelle[] = {
        { 81, 8, " ohne Überträge" },
        { 82, 8, " ohne Überträge" },
        { 83, 8, " ohne Überträge" },
        { 84, 8, " keine Tauschvorgänge" },
        { 85, 8, " keine Überträge" },
        { 86, 5, " mal 10er-Zahlen" },
        { 87, 8, " keine Zwischenreste" },
        { 88, 8, " keine Zwischenreste" },
        { 89, 8, " Teilen durch Zehnerzahlen" },
    };
    for (const auto& [code, anzahl, erste] : faelle) {
        ASSERT_TRUE(stufengruppe(code).has_value()) << code;
        const QStringList& t = stufentexte(*stufengruppe(code));
        EXPECT_EQ(t.size(), anzahl) << code;
        EXPECT_EQ(t.first(), QString::fromUtf8(erste)) << code;
        EXPECT_EQ(t.last(), " Mischung aller Schwierigkeitsstufen") << code;
    }
    // Plus and the two ways of subtracting part at their sixth level.
    EXPECT_EQ(stufentexte(*stufengruppe(82)).at(6), " Ergebnis mit Null(en) ");
    EXPECT_EQ(stufentexte(*stufengruppe(83)).at(6), " Ergänzen zu Zahlen mit Null(en)");
    EXPECT_EQ(stufentexte(*stufengruppe(84)).at(6), " der Minuend enthält mindestens eine Null");
}

// Each activity code reads and writes its own section of the choice file; codes between the ranges have none.
TEST_F(HHauptLogikTest, EveryCodeFindsItsSectionAndTheCodesAroundTheRangesNone)
{
    const std::pair<int, const char*> faelle[] = { { 10, "" }, { 11, "wieviel" }, { 12, "zr10" }, { 13, "zr10" },
        { 14, "Strahl" }, { 16, "Strahl" }, { 17, "" }, { 20, "" }, { 21, "zr10" }, { 29, "zr10" }, { 30, "" },
        { 31, "zr20" }, { 38, "zr20" }, { 39, "" }, { 40, "mr" }, { 41, "pm100" }, { 46, "pm100" }, { 47, "" },
        { 50, "" }, { 51, "h1x1" }, { 52, "mr" }, { 53, "" }, { 54, "m1x1" }, { 55, "h1d1" }, { 56, "" }, { 60, "" },
        { 61, "tab1p1" }, { 62, "tab1m1" }, { 63, "tab1x1" }, { 64, "tab1d1" }, { 65, "tab8x8" }, { 69, "tab8x8" },
        { 70, "" }, { 71, "hsv" }, { 75, "hsv" }, { 76, "" }, { 80, "" }, { 81, "sv" }, { 89, "sv" }, { 90, "" },
        { 109, "" }, { 110, "Schlangen" }, { 111, "" }, { 610, "tab8x8" }, { 611, "" } };
    for (const auto& [code, wort] : faelle)
        EXPECT_EQ(stichwort(code), QString::fromUtf8(wort)) << code;
}

// Start is offered only for choices the aid can run: every range check takes its last allowed value and
// refuses the next one.
TEST_F(HHauptLogikTest, EachOptionIsCheckedAtBothEndsOfItsRange)
{
    const auto gilt = [](int code, const std::function<void()>& setzen) {
        setzen();
        return optionenGueltig(code);
    };
    // Quantities and snakes: an allowed value and a time or direction.
    bytelisteEintragen({ false, false, false, false, true });
    EXPECT_TRUE(gilt(11, [] { variante = 0; }));
    EXPECT_FALSE(gilt(11, [] { variante = -1; }));
    EXPECT_FALSE(gilt(11, [] { variante = 7; }));
    EXPECT_TRUE(gilt(110, [] { variante = 2; }));
    EXPECT_FALSE(gilt(110, [] { variante = -1; }));
    bytelisteEintragen({ false, false, false, false, false, true });
    EXPECT_FALSE(gilt(110, [] { variante = 0; })); // the sixth value belongs to the quantities only
    EXPECT_TRUE(gilt(11, [] { variante = 6; }));

    // Arithmetic chains.
    for (int code : { 40, 52 }) {
        EXPECT_TRUE(gilt(code, [] { wahl7 = 7, wahl1 = 1, wahl5 = 2; })) << code;
        EXPECT_TRUE(gilt(code, [] { wahl7 = 0, wahl1 = 0, wahl5 = 0; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl7 = 8; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl7 = -1; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl7 = 0, wahl1 = 2; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl1 = -1; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl1 = 0, wahl5 = 3; })) << code;
    }

    // Pools of tasks and their extra choices.
    EXPECT_FALSE(gilt(51, [] { vorratsgroesse = 0; }));
    EXPECT_TRUE(gilt(51, [] { vorratsgroesse = 1; }));
    EXPECT_TRUE(gilt(54, [] { variante = 2; }));
    EXPECT_FALSE(gilt(54, [] { variante = 3; }));
    EXPECT_FALSE(gilt(54, [] { variante = -1; }));
    EXPECT_TRUE(gilt(55, [] { wahl4 = 1; }));
    EXPECT_FALSE(gilt(55, [] { wahl4 = 2; }));
    EXPECT_FALSE(gilt(55, [] { wahl4 = 0, vorratsgroesse = 0; }));
    for (int code : { 12, 13, 21, 29, 31, 38 }) {
        EXPECT_FALSE(gilt(code, [] { vorratsgroesse = 0; })) << code;
        EXPECT_TRUE(gilt(code, [] { vorratsgroesse = 1; })) << code;
    }
    for (int code : { 20, 30, 39 })
        EXPECT_FALSE(gilt(code, [] { vorratsgroesse = 5; })) << code;

    // Tables.
    for (int code : { 61, 62, 63 }) {
        EXPECT_TRUE(gilt(code, [] { tabzeilenzahl = 1, tabspaltenzahl = 1, wahl4 = 1, wahl3 = 1, variante = 2; }))
            << code;
        EXPECT_FALSE(gilt(code, [] { tabzeilenzahl = 0; })) << code;
        EXPECT_FALSE(gilt(code, [] { tabzeilenzahl = 1, wahl4 = 2; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl4 = 0, wahl3 = -1; })) << code;
        EXPECT_EQ(gilt(code, [] { wahl3 = 0, variante = 3; }), code == 63) << code;
    }
    EXPECT_TRUE(gilt(64, [] { tabspaltenzahl = 5, wahl4 = 0, wahl3 = 0, variante = 1; }));
    EXPECT_TRUE(gilt(64, [] { tabspaltenzahl = 1; }));
    EXPECT_FALSE(gilt(64, [] { tabspaltenzahl = 0; }));
    EXPECT_FALSE(gilt(64, [] { tabspaltenzahl = 6; }));
    EXPECT_FALSE(gilt(64, [] { tabspaltenzahl = 3, variante = 2; }));
    EXPECT_FALSE(gilt(64, [] { variante = 0, wahl3 = 2; }));
    for (int code : { 65, 66, 67, 68, 69, 610 }) {
        EXPECT_TRUE(gilt(code, [] { wahl4 = 1, wahl3 = 1; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl4 = 2; })) << code;
        EXPECT_FALSE(gilt(code, [] { wahl4 = 0, wahl3 = 2; })) << code;
    }

    // Half-written: the kind the hub shows, the way of working and the kind's own choices.
    for (int code = 71; code <= 75; ++code) {
        EXPECT_TRUE(gilt(code, [code] { variante = code - 71, wahl7 = 1, wahl5 = 1, wahl1 = 1, wahl6 = 1; })) << code;
        EXPECT_FALSE(gilt(code, [code] { variante = code - 70; })) << code;
        EXPECT_FALSE(gilt(code, [code] { variante = code - 71, wahl7 = 2; })) << code;
        EXPECT_EQ(gilt(code, [] { wahl7 = 0, wahl5 = 2; }), code >= 73) << code;
        EXPECT_EQ(gilt(code, [] { wahl5 = 0, wahl1 = 2; }), code != 74) << code;
        EXPECT_EQ(gilt(code, [] { wahl1 = 0, wahl6 = 2; }), code < 74) << code;
    }

    // Written methods: the level within its group's list, and for the two with remainder the remainder choice.
    wahl7 = 7;
    EXPECT_TRUE(optionenGueltig(84));
    wahl7 = 8;
    EXPECT_FALSE(optionenGueltig(81));
    wahl6 = 7;
    wahl8 = 1;
    EXPECT_TRUE(optionenGueltig(89));
    wahl8 = 2;
    EXPECT_FALSE(optionenGueltig(89));
    wahl1 = 0;
    EXPECT_TRUE(optionenGueltig(87));
    EXPECT_FALSE(optionenGueltig(88));

    // Sums up to 100: the level list of the kind, five for one two-digit number, seven for two.
    EXPECT_TRUE(gilt(43, [] { wahl1 = 2, wahl5 = 0, wahl7 = 1, pm100wahl[2] = 4; }));
    EXPECT_FALSE(gilt(43, [] { pm100wahl[2] = 5; }));
    EXPECT_FALSE(gilt(43, [] { pm100wahl[2] = -1; }));
    EXPECT_FALSE(gilt(43, [] { pm100wahl[2] = 0, wahl7 = 2; }));
    EXPECT_TRUE(gilt(44, [] { wahl1 = 0, wahl5 = 1, wahl7 = 0, pm100wahl[3] = 6; }));
    EXPECT_FALSE(gilt(44, [] { pm100wahl[3] = 7; }));
}

TEST_F(HHauptLogikTest, EachLevelCodeKeepsItsLevelInItsOwnChoice)
{
    const std::pair<int, shortint*> kurz[] = { { 81, &wahl7 }, { 84, &wahl7 }, { 87, &wahl1 }, { 88, &wahl1 } };
    for (const auto& [code, wert] : kurz) {
        stufeSetzen(code, 5);
        EXPECT_EQ(*wert, 5) << code;
        EXPECT_EQ(stufeVon(code), 5) << code;
        stufeSetzen(code, 2);
        EXPECT_EQ(stufeVon(code), 2) << code;
    }
    stufeSetzen(86, 3);
    EXPECT_EQ(wahl5, 3);
    EXPECT_EQ(stufeVon(86), 3);
    stufeSetzen(85, 6);
    EXPECT_EQ(stufeVon(85), 6);
    EXPECT_EQ(stufeVon(80), -1);
    EXPECT_EQ(stufeVon(90), -1);
    wahl7 = 1;
    stufeSetzen(90, 4);
    EXPECT_EQ(wahl7, 1);
    const std::pair<int, Stufengruppe> gruppen[]
        = { { 81, Stufengruppe::plus }, { 82, Stufengruppe::plus }, { 83, Stufengruppe::minusErgaenzen },
              { 84, Stufengruppe::minusTauschen }, { 85, Stufengruppe::malE }, { 86, Stufengruppe::malZZ },
              { 87, Stufengruppe::divE }, { 88, Stufengruppe::divE }, { 89, Stufengruppe::dZE } };
    for (const auto& [code, gruppe] : gruppen)
        EXPECT_TRUE(stufengruppe(code) == gruppe) << code;
    EXPECT_FALSE(stufengruppe(80).has_value());
    EXPECT_FALSE(stufengruppe(90).has_value());
}

TEST_F(HHauptLogikTest, TheRecordNamesEveryTimeAndEveryDirection)
{
    const char* const zeiten[]
        = { "0,5 sec", "1,0 sec", "2,0 sec", "5,0 sec", "0,08 sec/Element", "0,15 sec/Element", "0,50 sec/Element" };
    for (int v = 0; v <= 6; ++v) {
        variante = v;
        EXPECT_EQ(*zeile5Fuer(11), zeiten[v]);
    }
    variante = 7;
    EXPECT_FALSE(zeile5Fuer(11).has_value());
    variante = -1;
    EXPECT_FALSE(zeile5Fuer(11).has_value());
    const char* const richtungen[] = { "Richtungen: nur +", "Richtungen: nur x", "Richtungen: + und x" };
    for (int v = 0; v <= 2; ++v) {
        variante = v;
        EXPECT_EQ(*zeile5Fuer(110), richtungen[v]);
    }
    variante = 3;
    EXPECT_FALSE(zeile5Fuer(110).has_value());

    // The number lists of the first two number spaces: up to 10 from code 12 to 29, up to 20 from 31.
    waehlen(auswahl1, 1, { 1, 9 });
    waehlen(auswahl2, 1, { 1 });
    waehlen(auswahl3, 2, { 10 });
    for (int code : { 12, 13, 29 })
        EXPECT_EQ(*wahltextFuer(code), "1 9 + 1 = 10 ") << code;
    waehlen(auswahl1, 2, { 2, 9 });
    waehlen(auswahl2, 2, { 9 });
    waehlen(auswahl3, 11, { 11, 18 });
    for (int code : { 31, 38 })
        EXPECT_EQ(*wahltextFuer(code), "2 9 + 9 = 11 18 ") << code;
    EXPECT_FALSE(wahltextFuer(30).has_value());
    EXPECT_FALSE(wahltextFuer(39).has_value());
    // The middle multiplication lists 2 .. 9, the division table's divisors 2 .. 10, the small division 1 .. 10.
    for (int i = 0; i <= 10; ++i)
        zahlenwahl1[i] = zahlenwahl2[i] = i + 2;
    EXPECT_EQ(*wahltextFuer(54), "2 3 4 5 6 7 8 9 // 2 3 4 5 6 7 8 9 ");
    EXPECT_EQ(*wahltextFuer(64), "2 3 4 5 6 7 8 9 10 ");
    for (int i = 0; i <= 10; ++i)
        zahlenwahl1[i] = zahlenwahl2[i] = i + 1;
    EXPECT_EQ(*wahltextFuer(55), "1 2 3 4 5 6 7 8 9 10 // 1 2 3 4 5 6 7 8 9 10 ");
}

// The addition table ends at 9, the others at 10: a tenth margin in the addition table does not count.
TEST_F(HHauptLogikTest, TheAdditionTableIgnoresAMarginOf10)
{
    waehlen(zahlenwahl1, 0, { 3, 10 });
    waehlen(zahlenwahl2, 0, { 10 });
    EXPECT_FALSE(tabellenpruefung(Tabelle::plus));
    EXPECT_EQ(tabzeilenzahl, 1);
    EXPECT_EQ(tabspaltenzahl, 0);
    waehlen(zahlenwahl1, 0, { 3, 10 });
    waehlen(zahlenwahl2, 0, { 10 });
    EXPECT_TRUE(tabellenpruefung(Tabelle::mal));
    EXPECT_EQ(tabzeilenzahl, 2);
    EXPECT_EQ(auswahl1[2], 10);
    EXPECT_EQ(tabspaltenzahl, 1);
    EXPECT_EQ(auswahl2[1], 10);
}

TEST_F(HHauptLogikTest, AListTakesEachTickedItemsValueAndStopsAtItsEnd)
{
    listeEintragen(auswahl3, { true, false, true }, 2);
    EXPECT_EQ(auswahl3[0], 2);
    EXPECT_EQ(auswahl3[1], -1);
    EXPECT_EQ(auswahl3[2], 4);
    EXPECT_EQ(auswahl3[3], -1); // untouched
    listeEintragen(zahlenwahl1, std::vector<bool>(14, true), 0);
    EXPECT_EQ(zahlenwahl1[10], 10);
    bytelisteEintragen({ true, false, true });
    EXPECT_EQ(wahlbytes[0], 3);
    EXPECT_EQ(wahlbytes[1], 255);
    EXPECT_EQ(wahlbytes[2], 5);
}
