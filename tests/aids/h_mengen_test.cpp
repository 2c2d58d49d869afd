#include "aids/h_mengen.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"
#include "support/keys.h"

using namespace mengen;

namespace {

constexpr QRgb kRot = 0xff0000, kWeiss = 0xffffff, kBlaugruen = 0x008080, kGruen = 0x008000;

class MengenTest : public HilfenfensterTest {
protected:
    MengenTest()
        : HilfenfensterTest({ 0.8f, 0.6f, 5, 10 })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = kWieviele;
        variante = 0;
        wahltext = "3 4 5 6 7 8 9 ";
    }

    static QRgb farbe(TForm68& f, QPoint p) { return f.canvas().pixel(p.x(), p.y()).rgb() & 0xffffff; }
    static QPoint mitte(const Objekt& o) { return punkt(o.x + kObjektbreite / 2.0, o.y + kObjekthoehe / 2.0); }
    // A digit that is not the answer.
    static QString falsch() { return QString::number(zielzahl == 3 ? 4 : 3); }
};

} // namespace

TEST_F(MengenTest, TheShapesAreCoveredAfterTheirTime)
{
    variante = 1;
    TForm68 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        ASSERT_EQ(f.objekte().size(), zielzahl);
        const QPoint p = mitte(f.objekte()[0]);
        EXPECT_EQ(farbe(f, p), kBlaugruen);
        EXPECT_TRUE(f.Timer1->Enabled());
        EXPECT_FALSE(f.tastenfeld->Button13->isEnabled());
        EXPECT_FALSE(f.tastenfeld->Button14->isEnabled());
        grabToPng(&f, QStringLiteral("h_mengen_gezeigt"));
        clockx::TestClock::advance(1.7 * kSekunde);
        f.Timer1->trigger();
        EXPECT_EQ(farbe(f, p), kBlaugruen);
        clockx::TestClock::advance(0.1 * kSekunde);
        f.Timer1->trigger();
        EXPECT_EQ(farbe(f, p), kWeiss);
        EXPECT_FALSE(f.Timer1->Enabled());
        grabToPng(&f, QStringLiteral("h_mengen_abgedeckt"));

        // Beyond the list of times the shapes go at the first tick.
        variante = 7;
        typeText(&f, QString::number(zielzahl));
        pressKey(&f, Qt::Key_Return); // "noch eine Aufgabe?"
        EXPECT_EQ(farbe(f, mitte(f.objekte()[0])), kBlaugruen);
        clockx::TestClock::advance(0.001 * kSekunde);
        f.Timer1->trigger();
        EXPECT_EQ(farbe(f, mitte(f.objekte()[0])), kWeiss);
        f.endebutton->Click();
    });
    f.showModal();
    EXPECT_FALSE(f.Timer1->Enabled());
}

TEST_F(MengenTest, FiveHelpStepsEndInTheCountedStrip)
{
    TForm68 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        const int n = zielzahl;
        clockx::TestClock::advance(1 * kSekunde);
        f.Timer1->trigger(); // covered
        for (int stufe = 1; stufe <= 5; ++stufe) {
            f.Hilfebutton->Click();
            EXPECT_EQ(hilfestufe, stufe);
            const Objekt& o = f.objekte()[0];
            if (stufe <= 2) {
                // Shown again in the colour of the quadrant, then covered again.
                EXPECT_EQ(farbe(f, mitte(o)), quadrantfarbe(quadrant(o)).rgb() & 0xffffff);
                EXPECT_TRUE(f.Timer1->Enabled());
            }
            grabToPng(&f, QStringLiteral("h_mengen_hilfe%1").arg(stufe));
            clockx::TestClock::advance(1 * kSekunde);
            f.Timer1->trigger();
            const QPoint daneben = mitte(o) + QPoint(punkt(12, 0).x(), 0); // beside the cross-out lines
            EXPECT_EQ(farbe(f, daneben), stufe <= 2 ? kWeiss : quadrantfarbe(quadrant(o)).rgb() & 0xffffff);
        }
        // The fifth help press counts the task, without right inputs.
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(hilfetasten, 5);
        EXPECT_EQ(eingabengesamt, 5);
        EXPECT_EQ(eingabenrichtig, 0);
        EXPECT_FALSE(f.Hilfebutton->isEnabled());
        EXPECT_FALSE(f.KeyPreview);
        // The last strip cell holds a shape in the last colour.
        const TRect zelle = streifenzelle(n - 1);
        EXPECT_NE(farbe(f, punkt((zelle.left + zelle.right) / 2.0, 950)), kWeiss);
        f.endebutton->Click();
    });
    f.showModal();
    EXPECT_EQ(protzeilen[2], "Programm:              Wie viele sind es?");
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   gezeigte Mengen: 3 4 5 6 7 8 9 ");
    EXPECT_EQ(protzeilen[5], "                       1,0 sec  (immer gleich)");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     5");
}

TEST_F(MengenTest, TheFifthWrongAnswerIsBookedAsUsedUpHelp)
{
    mindestaufgaben = 2;
    TForm68 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        for (int i = 1; i <= 5; ++i)
            typeText(&f, falsch());
        EXPECT_EQ(hilfestufe, 5);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 5);
        EXPECT_EQ(eingabenrichtig, 0);
        EXPECT_FALSE(f.tastenfeld->Rechner->isEnabled());
        EXPECT_FALSE(f.Hilfebutton->isEnabled());
        EXPECT_FALSE(f.KeyPreview);
        EXPECT_TRUE(f.nocheinebutton->isVisible());
        // The task bar stands at one of two.
        const QPoint balken = punkt(60, 70);
        EXPECT_EQ(f.zeitagbox->canvas().pixel(balken.x(), balken.y()).rgb() & 0xffffff, kGruen);
        grabToPng(&f, QStringLiteral("h_mengen_fuenfmal_falsch"));

        // A right answer: one right input, the whole counting picture at once.
        pressKey(&f, Qt::Key_Return);
        typeText(&f, QString::number(zielzahl));
        EXPECT_EQ(anzahl, 2);
        EXPECT_EQ(eingabengesamt, 6);
        EXPECT_EQ(eingabenrichtig, 1);
        grabToPng(&f, QStringLiteral("h_mengen_richtig"));
    });
    f.showModal();
}

TEST_F(MengenTest, PlatesRodsAndCubesWithPlaceMarkers)
{
    programmcode = kPlatten;
    TForm68 f;
    int vorherGesamt = 0, vorherRichtig = 0, vorherAnzahl = 0;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        EXPECT_FALSE(f.Hilfebutton->isVisible());
        EXPECT_TRUE(f.tastenfeld->Button13->isEnabled());
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_EQ(zielzahl, 100 * hunderter1 + 10 * zehner1 + einer1);
        // Solved right away until tens and units differ and the units are not 0.
        while (zehner1 == einer1 || einer1 == 0) {
            typeText(&f, QString::number(zielzahl));
            pressKey(&f, Qt::Key_Return);
            pressKey(&f, Qt::Key_Return);
        }
        vorherGesamt = eingabengesamt;
        vorherRichtig = eingabenrichtig;
        vorherAnzahl = anzahl;
        EXPECT_EQ(vorherRichtig, 4 * vorherAnzahl);
        grabToPng(&f, QStringLiteral("h_mengen_platten"));

        const QString h = QString::number(hunderter1), z = QString::number(zehner1), e = QString::number(einer1);
        typeText(&f, QStringLiteral("0")); // ignored: the number does not end in 0
        typeText(&f, h + e + z + z); // the fourth digit is neither kept nor counted
        EXPECT_EQ(zifferneingabe, h + e + z);
        EXPECT_EQ(aufgabeneingaben, 3);
        pressKey(&f, Qt::Key_Backspace); // leaves the count as it is
        typeText(&f, z);
        EXPECT_EQ(aufgabeneingaben, 4);
        const int y = 25 * hunderter1 + 270 + 21 * (hunderter1 / 6);
        const QPoint marke = punkt(40, y);
        EXPECT_NE(farbe(f, marke), kRot);
        pressKey(&f, Qt::Key_Return); // tens and units swapped
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_EQ(zifferneingabe, "");
        EXPECT_EQ(aufgabeneingaben, 5);
        EXPECT_EQ(farbe(f, marke), kRot); // the marker under the plates
        typeText(&f, h);
        EXPECT_EQ(farbe(f, punkt(20 * hunderter1 + 230, y)), 0xffff00u); // under the rods
        grabToPng(&f, QStringLiteral("h_mengen_platten_marke"));
        typeText(&f, z + e);
        pressKey(&f, Qt::Key_Return);
        EXPECT_EQ(anzahl, vorherAnzahl + 1);
        EXPECT_EQ(eingabengesamt - vorherGesamt, 9);
        EXPECT_EQ(eingabenrichtig - vorherRichtig, 4);
        grabToPng(&f, QStringLiteral("h_mengen_platten_richtig"));
        f.endebutton->Click();
    });
    f.showModal();
    EXPECT_EQ(protzeilen[2], "Programm:              Platten, Stangen, Blöcke");
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   (Zahlenraum bis 1000)");
    EXPECT_EQ(protzeilen[5], "");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 5");
    EXPECT_EQ(protzeilen[11], "");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MengenTest, TheEndOfACountingRunGivesTheHubButtonTheFocus)
{
    TForm63& hub = echterHub();
    TForm68 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown == &hub) {
            hub.Button1->Click(); // the area "Zahlbegriff"
            SetFocus(hub.Button1);
            programmcode = 11;
            f.showModal();
        } else if (&shown == &f) {
            pressKey(&f, Qt::Key_Escape);
        }
    });
    hub.showModal();
    EXPECT_EQ(hub.focusWidget(), hub.Button12);
}
