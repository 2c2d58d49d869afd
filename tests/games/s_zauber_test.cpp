#include "games/s_zauber.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "shell/tastenfeld.h"
#include "spieletest.h"
#include "support/keys.h"

#include <set>

using namespace s_zauber;

TEST(Zauberquadrat, EveryArrangementIsMagic)
{
    EXPECT_EQ(anordnung(5), (Feld { 3, 8, 1, 2, 4, 6, 7, 0, 5 }));
    EXPECT_EQ(werte(anordnung(0), 3, 5), (Feld { 8, 23, 20, 29, 17, 5, 14, 11, 26 }));
    for (int art = 0; art < 8; ++art) {
        const Feld w = werte(anordnung(art), 3, 5);
        EXPECT_EQ(w[4], 5 + 4 * 3);
        const int linien[8][3] = { { 0, 1, 2 }, { 3, 4, 5 }, { 6, 7, 8 }, { 0, 3, 6 }, { 1, 4, 7 }, { 2, 5, 8 },
            { 0, 4, 8 }, { 2, 4, 6 } };
        for (const auto& l : linien)
            EXPECT_EQ(w[size_t(l[0])] + w[size_t(l[1])] + w[size_t(l[2])], 51) << art;
    }
    EXPECT_EQ(summentext(1, 0, true), "immer 12");
    EXPECT_EQ(summentext(3, 5, true), "immer 51");
    EXPECT_EQ(summentext(3, 5, false), "immer die gleiche Summe");
    EXPECT_EQ(vorgaben(13), (std::array<int, 3> { 0, 1, 3 }));
    EXPECT_EQ(vorgaben(678), (std::array<int, 3> { 6, 7, 8 }));
    const Feld gross = werte(anordnung(2), 100, 100);
    EXPECT_EQ(*std::max_element(gross.begin(), gross.end()), 900);
    QStringList texte;
    for (int v : werte(anordnung(0), 1, 0))
        texte << QString::number(v);
    EXPECT_TRUE(richtig(texte, werte(anordnung(0), 1, 0)));
    texte[4] = "04";
    EXPECT_FALSE(richtig(texte, werte(anordnung(0), 1, 0)));
}

// The eight arrangements are the square's eight turns and mirror images, each once; the given cells of a task
// come from the easy or the hard list, every entry of it over many tasks, each a set of distinct cells.
TEST(Zauberquadrat, EightDifferentArrangementsAndEveryGivenCellsEntry)
{
    std::set<Feld> anordnungen;
    for (int art = 0; art < 8; ++art)
        anordnungen.insert(anordnung(art));
    EXPECT_EQ(anordnungen.size(), 8u);
    const std::set<int> leicht { 13, 125, 578, 367, 28, 268, 68, 26, 14, 245, 478, 34, 674, 854, 124, 458, 467, 452,
        410, 436, 267, 263, 58, 78, 468, 248, 24, 46, 47, 45, 234, 247, 612, 625, 18 };
    const std::set<int> schwer { 12, 678, 36, 258, 57, 237, 138, 156, 137, 135, 157, 357, 134, 145, 457 };
    std::set<int> gezogen[2];
    RandSeed(4);
    for (int i = 0; i < 2000; ++i)
        for (int stufe = 0; stufe <= 1; ++stufe) {
            const int eintrag = vorgabeZiehen(stufe);
            gezogen[stufe].insert(eintrag);
            const auto v = vorgaben(eintrag);
            for (int k = 0; k < 3; ++k)
                EXPECT_TRUE(v[size_t(k)] >= 0 && v[size_t(k)] <= 8) << eintrag;
        }
    EXPECT_EQ(gezogen[0], leicht);
    EXPECT_EQ(gezogen[1], schwer);
}

class ZauberFensterTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.79f;
        skala_y = 0.55f;
        programmcode = 22;
        variante = 3;
        variante2 = 5;
        zwzahl2 = 0;
        zwzahl3 = 0;
    }
    void spielen(const std::function<void()>& schritt)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == &fenster) schritt();
        });
        fenster.showModal();
    }
    int freieZelle() const
    {
        for (int i = 0; i < 9; ++i)
            if (fenster.zellen[i]->isEnabled() && fenster.texte()[i].isEmpty()) return i;
        return -1;
    }
    TForm53 fenster;
};

TEST_F(ZauberFensterTest, FillingFromTheSupplyToTheCheckMark)
{
    zwzahl4 = 0;
    spielen([&] {
        EXPECT_FALSE(fenster.rechenpanel->isVisible());
        int gesperrt = 0;
        for (Button* b : fenster.vorrat)
            gesperrt += !b->isEnabled();
        EXPECT_EQ(gesperrt, 3);
        EXPECT_EQ(fenster.vorrat[8]->caption(), "29");
        EXPECT_FALSE(fenster.Button10->isEnabled());
        // All free cells with a wrong number first: "leider nicht".
        for (int i = freieZelle(); i >= 0; i = freieZelle()) {
            fenster.zellen[i]->Click();
            EXPECT_EQ(fenster.zellen[i]->caption(), "?");
            fenster.vorrat[0]->Click();
        }
        EXPECT_TRUE(fenster.Button10->isEnabled());
        fenster.Button10->Click();
        EXPECT_EQ(fenster.Button10->caption(), "leider nicht");
        for (int i = 0; i < 9; ++i) {
            if (!fenster.zellen[i]->isEnabled()) continue;
            fenster.zellen[i]->Click();
            EXPECT_FALSE(fenster.Button10->isEnabled());
            fenster.vorrat[(fenster.werte()[size_t(i)] - 5) / 3]->Click();
        }
        grabToPng(&fenster, "s_zauber_mitte");
        fenster.Button10->Click();
        EXPECT_EQ(fenster.Button10->caption(), "noch einmal?");
        EXPECT_FALSE(fenster.zellen[0]->isEnabled() || fenster.vorrat[0]->isEnabled());
        grabToPng(&fenster, "s_zauber_geloest");
        fenster.Button10->Click();
        EXPECT_EQ(fenster.Button10->caption(), "o.k.?");
        EXPECT_FALSE(fenster.Button10->isEnabled());
    });
}

TEST_F(ZauberFensterTest, WithoutTheSupplyNumbersAreTypedAndALeadingZeroIsWrong)
{
    zwzahl4 = 1;
    variante = 1;
    variante2 = 0;
    spielen([&] {
        EXPECT_TRUE(fenster.rechenpanel->isVisible());
        EXPECT_EQ(fenster.tastenblock->ziffer(3)->objectName(), "Button20");
        EXPECT_EQ(fenster.tastenblock->Button14->objectName(), "Button31");
        int gezeigt = 0;
        for (Button* b : fenster.vorrat) {
            EXPECT_FALSE(b->isEnabled());
            gezeigt += b->caption() != "...";
        }
        EXPECT_EQ(gezeigt, 3);
        for (int i = freieZelle(); i >= 0; i = freieZelle()) {
            fenster.zellen[i]->Click();
            const int wert = fenster.werte()[size_t(i)];
            if (wert == 7) {
                fenster.tastenblock->ziffer(0)->Click();
                fenster.tastenblock->ziffer(7)->Click();
            } else {
                typeText(&fenster, QString::number(wert) + "123"); // a cell keeps at most three characters
                EXPECT_EQ(fenster.zellen[i]->caption(), QString::number(wert) + "12");
                for (int k = 0; k < 3; ++k)
                    fenster.tastenblock->Button14->Click();
                fenster.tastenblock->ziffer(wert)->Click();
            }
        }
        fenster.Button10->Click();
        const bool mitSieben = fenster.texte().contains("07");
        EXPECT_EQ(fenster.Button10->caption(), mitSieben ? "leider nicht" : "noch einmal?");
    });
}
