#include "aids/h_m1x1.h"
#include "aids/hilfenfixture.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <functional>

namespace {

constexpr float kSx = 0.78f, kSy = 0.57f;

class M1x1Fenster : public HilfenfensterTest {
protected:
    M1x1Fenster()
        : HilfenfensterTest({ kSx, kSy, 0, 0, false })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = 54;
        wahltext = "3 7 // 3 5 ";
        wahl6 = 200; // the hub's, not the aid's
    }

    // Runs the aid in `form` on a pool of one pair; `schritte` work in it, then Esc ends the run.
    void lauf(int form, const QString& paar, const std::function<void()>& schritte)
    {
        variante = form;
        aufgabenliste[1] = paar;
        vorratsgroesse = 1;
        nummer = 1;
        laufen(hilfe, schritte);
    }

    bool enthaelt(QRect design, const QColor& farbe) { return HilfenfensterTest::enthaelt(hilfe, design, farbe); }
    // The dot of column i, row j of the field, in form design units.
    static QRect punktfeld(int i, int j) { return m1x1::punkt(i, j).translated(10, 10).adjusted(3, 3, -3, -3); }

    bool beendet() const { return !hilfe.rechner->isEnabled() && hilfe.weiterbutton->isVisible(); }

    TForm76 hilfe;
};

} // namespace

TEST_F(M1x1Fenster, AProductTypedRightIsTickedAndTakenApart)
{
    lauf(0, "7x3", [&] {
        EXPECT_EQ(hilfe.caption(), "mittl 1x1");
        EXPECT_EQ(zielzahl, 91);
        EXPECT_FALSE(hilfe.weiterbutton->isVisible());
        typeText(&hilfe, "9");
        EXPECT_EQ(hilfe.stelle(), 2);
        EXPECT_FALSE(beendet());
        typeText(&hilfe, "1");
        EXPECT_TRUE(beendet());
        EXPECT_EQ(hilfe.focusWidget(), hilfe.weiterbutton);
        EXPECT_EQ(hilfestufe, 4);
        EXPECT_TRUE(enthaelt(punktfeld(1, 1), clYellow)); // step 2: 7 x 10
        EXPECT_TRUE(enthaelt(punktfeld(13, 7), clRed)); // step 4: 7 x 3
        EXPECT_FALSE(enthaelt(punktfeld(14, 7), clRed));
        EXPECT_TRUE(enthaelt({ 905, 75, 60, 90 }, clRed)); // the tick
        grabToPng(&hilfe, "h_m1x1_richtig");
        pressKey(&hilfe, Qt::Key_Return); // the next task
        EXPECT_TRUE(hilfe.rechner->isEnabled());
        EXPECT_FALSE(enthaelt(punktfeld(1, 1), clYellow));
    });
    EXPECT_EQ(wahl6, 200);
    EXPECT_EQ(protzeilen[2], "Programm:              Hilfen beim mittleren 1x1   (E x 1E)");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      2");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  2  ~ 100 %  (Ziel: 100 %)");
}

TEST_F(M1x1Fenster, WrongDigitsBringTheStepsUntilTheResultStands)
{
    // Form 0 skips step 3: four wrong digits end the task; form 2 takes five.
    const struct {
        int form;
        const char* paar;
        int falsche;
    } faelle[] = { { 0, "7x3", 4 }, { 2, "3x5", 5 } };
    for (const auto& f : faelle)
        lauf(f.form, f.paar, [&] {
            typeText(&hilfe, QString::number(zielzahl).left(1)); // the first digit is right
            for (int k = 1; k <= f.falsche; ++k) {
                EXPECT_FALSE(beendet()) << f.form << " " << k;
                typeText(&hilfe, "0");
                EXPECT_EQ(eingabe.length(), 1);
                grabToPng(&hilfe, QStringLiteral("h_m1x1_form%1_schritt%2").arg(f.form).arg(hilfestufe));
            }
            EXPECT_TRUE(beendet());
            EXPECT_EQ(hilfestufe, 5);
        });
    EXPECT_EQ(protzeilen[2], "Programm:              Hilfen beim großen 1x1   (1E x 1E)");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      6");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 5");
}

TEST_F(M1x1Fenster, HelpAfterStepTwoOfTheFirstFormShowsStepFour)
{
    lauf(0, "7x3", [&] {
        hilfe.Hilfeknopf->Click();
        hilfe.Hilfeknopf->Click();
        EXPECT_EQ(hilfestufe, 3);
        EXPECT_FALSE(enthaelt(punktfeld(11, 1), clRed));
        hilfe.Hilfeknopf->Click();
        EXPECT_EQ(hilfestufe, 4);
        EXPECT_TRUE(enthaelt(punktfeld(11, 1), clRed));
        typeText(&hilfe, "0"); // no product starts with 0
        EXPECT_EQ(hilfestufe, 4);
        hilfe.Hilfeknopf->Click();
        EXPECT_TRUE(beendet());
        EXPECT_EQ(hilfe.focusWidget(), hilfe.weiterbutton);
    });
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     4");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
}
