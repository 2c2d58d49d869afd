// "SV2" driven as a pupil drives it: the multiplication and the short division typed digit by digit, with
// messages, help, the two-stage show, "Gemerkte?", the end and its protocol lines.

#include "aids/h_svmdE.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "support/keys.h"

#include <functional>

namespace {

class SvmdETest : public HilfenfensterTest {
protected:
    SvmdETest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, true })
    {
    }

    // Runs the aid with `code` on the task f x d; `schritte` drives it, then Esc ends it.
    void lauf(int code, int f, int d, const std::function<void(TForm80&)>& schritte)
    {
        programmcode = code;
        stufentext = QStringLiteral(" Mischung aller Schwierigkeitsstufen");
        laufen(hilfe, [&] {
            hilfe.aufgabeVorgeben(svmdE::aufgabeBilden(code, { f / 100, f / 10 % 10, f % 10, d }));
            schritte(hilfe);
        });
    }
    static QString meldung(const TForm80& h) { return h.meldung().texte().join(u'|'); }

    TForm80 hilfe;
};

} // namespace

TEST_F(SvmdETest, AMultiplicationWithForgottenCarriesHelpShowAndGemerkte)
{
    variante = 7;
    lauf(85, 456, 4, [&](TForm80& h) {
        EXPECT_FALSE(h.merkebutton->isEnabled());
        typeText(&h, QStringLiteral("4"));
        EXPECT_TRUE(h.merkebutton->isEnabled());
        typeText(&h, QStringLiteral("0"));
        EXPECT_EQ(meldung(h), "Die Gemerkten wurden vergessen.");
        h.Hilfebutton->Click();
        EXPECT_TRUE(h.markiert());
        EXPECT_EQ(meldung(h), "rechne:    4    5|und addiere die Gemerkten");
        EXPECT_TRUE(h.zeigebutton->isEnabled());
        h.zeigebutton->Click();
        EXPECT_EQ(meldung(h), "rechne:    4    5|und addiere die Gemerkten|=  20|2");
        grabToPng(&h, QStringLiteral("svmdE_85_zeigen1"));
        h.zeigebutton->Click();
        EXPECT_TRUE(meldung(h).endsWith("|22|tippe|merke"));
        EXPECT_FALSE(h.zeigebutton->isEnabled());
        grabToPng(&h, QStringLiteral("svmdE_85_zeigen2"));
        // "Gemerkte?" shows the carry for a moment, then its caption again.
        const double vorher = clockx::now();
        h.merkebutton->Click();
        EXPECT_GE(clockx::now() - vorher, 1.49e-5);
        EXPECT_EQ(h.merkebutton->caption(), "&Gemerkte?");
        typeText(&h, QStringLiteral("2"));
        EXPECT_FALSE(h.markiert());
        EXPECT_EQ(h.zeigestufe(), 0);
        const int eingaben = aufgabeneingaben;
        typeText(&h, QStringLiteral("1"));
        EXPECT_EQ(meldung(h), "Tippe zuerst die Hunderter ein.");
        EXPECT_EQ(aufgabeneingaben, eingaben);
        typeText(&h, QStringLiteral("81"));
        EXPECT_EQ(anzahl, 1);
        EXPECT_FALSE(h.merkebutton->isEnabled());
        EXPECT_EQ(eingabenrichtig, 4);
        EXPECT_EQ(eingabengesamt, 8); // 4 right, 1 wrong, help, two shows
        grabToPng(&h, QStringLiteral("svmdE_85_geloest"));
        // The next task is drawn from the level.
        pressKey(&h, Qt::Key_Return);
        EXPECT_EQ(h.schritte().schrittzeiger, 4);
        EXPECT_GE(h.aktuelleAufgabe().r.stellen[3], 1);
    });
    EXPECT_EQ(protzeilen[4], "Rechenart:             HZE x E");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 1");
    EXPECT_EQ(protzeilen[12], "       Zeigetaste:     2");
}

TEST_F(SvmdETest, AShortDivisionFromTheHundredsKeepsItsLevelToItself)
{
    variante = 2;
    wahl1 = 6;
    lauf(87, 456, 4, [&](TForm80& h) {
        typeText(&h, QStringLiteral("0"));
        EXPECT_EQ(meldung(h), "Die Null am Anfang ist unnötig.");
        EXPECT_EQ(aufgabeneingaben, 0);
        typeText(&h, QStringLiteral("4"));
        h.Hilfebutton->Click();
        EXPECT_TRUE(meldung(h).endsWith("|rechne:       22  :  4"));
        h.zeigebutton->Click();
        h.zeigebutton->Click();
        EXPECT_FALSE(h.zeigebutton->isEnabled());
        grabToPng(&h, QStringLiteral("svmdE_87_hilfe"));
        typeText(&h, QStringLiteral("3"));
        EXPECT_EQ(meldung(h), "Die 3 war falsch. Rechne neu oder hole Hilfe.");
        EXPECT_TRUE(h.Hilfebutton->isEnabled());
        typeText(&h, QStringLiteral("56"));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, 3);
        grabToPng(&h, QStringLiteral("svmdE_87_geloest"));
        // Level 6 of the division: a zero in the quotient.
        pressKey(&h, Qt::Key_Return);
        const svmdE::Reihe& r = h.aktuelleAufgabe().r;
        EXPECT_TRUE(r.z == 0 || r.e == 0);
    });
    EXPECT_EQ(variante, 2);
    EXPECT_EQ(protzeilen[4], "Rechenart:             THZE : E, ohne Rest, schnell");
}
