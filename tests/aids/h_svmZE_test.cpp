// "SV3" driven as a pupil drives it: the two rows and the sum typed with their skips, "Gemerkte?", the
// messages, the arc and the column arrow, the two-stage show, the end and its protocol lines.

#include "aids/h_svmZE.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "support/keys.h"

#include <functional>

namespace {

class SvmZETest : public HilfenfensterTest {
protected:
    SvmZETest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, true })
    {
    }

    // Runs the aid on the task a x b of a kind; `schritte` drives it, then Esc ends it.
    void lauf(int a, int b, int art, const std::function<void(TForm81&)>& schritte)
    {
        programmcode = 86;
        stufentext = QStringLiteral(" mal 21 bis 99 (ohne Zehnerzahlen)");
        laufen(hilfe, [&] {
            hilfe.aufgabeVorgeben(svmZE::aufgabeBilden({ a / 100, a / 10 % 10, a % 10, b / 10, b % 10 }, art));
            schritte(hilfe);
        });
    }
    static QString meldung(const TForm81& h) { return h.meldung().texte().join(u'|'); }

    TForm81 hilfe;
};

} // namespace

TEST_F(SvmZETest, ATaskWithSkipsMessagesHelpAndShow)
{
    wahl5 = 4;
    lauf(347, 26, 2, [&](TForm81& h) {
        EXPECT_FALSE(h.merkebutton->isEnabled());
        typeText(&h, QStringLiteral("4"));
        EXPECT_TRUE(h.merkebutton->isEnabled());
        h.Hilfebutton->Click();
        EXPECT_TRUE(h.bogenGezeichnet());
        h.zeigebutton->Click();
        EXPECT_EQ(h.zeigestufe(), 1);
        EXPECT_TRUE(h.zeigebutton->isEnabled());
        grabToPng(&h, QStringLiteral("svmZE_zeigen1"));
        h.zeigebutton->Click();
        EXPECT_TRUE(meldung(h).endsWith("|09|tippe|merke"));
        EXPECT_FALSE(h.zeigebutton->isEnabled());
        grabToPng(&h, QStringLiteral("svmZE_zeigen2"));
        const double vorher = clockx::now();
        h.merkebutton->Click();
        EXPECT_GE(clockx::now() - vorher, 1.49e-5);
        EXPECT_EQ(h.merkebutton->caption(), "&Gemerkte?");
        typeText(&h, QStringLiteral("96"));
        EXPECT_FALSE(h.bogenGezeichnet());
        // The thousands of 694 are 0: skipped, and the units of the second row have no carry.
        EXPECT_EQ(h.schritte().schrittzeiger, 9);
        EXPECT_FALSE(h.merkebutton->isEnabled());
        typeText(&h, QStringLiteral("28"));
        typeText(&h, QStringLiteral("8"));
        EXPECT_EQ(meldung(h), "Die Gemerkten wurden vergessen.");
        typeText(&h, QStringLiteral("0222"));
        h.Hilfebutton->Click();
        EXPECT_TRUE(h.pfeilGezeichnet());
        EXPECT_EQ(meldung(h), "zähle zusammen|(gab es Gemerkte?)");
        h.zeigebutton->Click();
        EXPECT_EQ(h.zeigestufe(), 2);
        EXPECT_FALSE(h.zeigebutton->isEnabled());
        grabToPng(&h, QStringLiteral("svmZE_pfeil"));
        typeText(&h, QStringLiteral("9"));
        EXPECT_EQ(meldung(h), "Es gab einen Gemerkten.");
        typeText(&h, QStringLiteral("09"));
        EXPECT_FALSE(h.pfeilGezeichnet());
        EXPECT_EQ(anzahl, 1);
        EXPECT_FALSE(h.merkebutton->isEnabled());
        EXPECT_EQ(eingabenrichtig, 11);
        grabToPng(&h, QStringLiteral("svmZE_geloest"));
        pressKey(&h, Qt::Key_Return);
        EXPECT_EQ(h.schritte().schrittzeiger, 13);
    });
    EXPECT_EQ(protzeilen[4], "Rechenart:             HZE x ZE");
    EXPECT_EQ(protzeilen[8].str(), "Eingaben, gesamt:      18");
    EXPECT_EQ(protzeilen[10].str(), "       falsch/unnötig: 2");
    EXPECT_EQ(protzeilen[12], "       Zeigetaste:     3");
}

TEST_F(SvmZETest, KindZeroTypesOnlyTheUnitsOfTheZeroRowAndOrderSlipsAreNotCounted)
{
    lauf(543, 20, 0, [&](TForm81& h) {
        typeText(&h, QStringLiteral("68"));
        typeText(&h, QStringLiteral("1"));
        EXPECT_EQ(meldung(h), "Tippe weiterhin von rechts nch links ein.");
        EXPECT_EQ(aufgabeneingaben, 2);
        typeText(&h, QStringLiteral("010"));
        EXPECT_EQ(h.schritte().schrittzeiger, 5);
        typeText(&h, QStringLiteral("06801"));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 10);
    });
}
