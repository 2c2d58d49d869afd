#include "aids/h_100Feld.h"
#include "aids/h_100feld_logik.h"
#include "aids/hilfenfixture.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "shell/SBEx.h"
#include "shell/fenster.h"
#include "support/keys.h"

#include <QTest>

namespace {

class TForm64Test : public HilfenfensterTest {
protected:
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = 17;
    }

    // Walks the cursor to the target the shortest way, with the arrow keys or the hand buttons; returns the moves.
    int hinlaufen(TForm64& f, bool tasten)
    {
        const int zeile = h100feld::zeileVon(zielzahl);
        const int spalte = h100feld::spalteVon(zielzahl);
        int zuege = 0;
        const auto zug = [&](Qt::Key taste, Button* knopf) {
            if (tasten)
                pressKey(&f, taste);
            else
                QTest::mouseClick(knopf, Qt::LeftButton);
            ++zuege;
        };
        while (zeile2 < zeile)
            zug(Qt::Key_Down, f.prunter);
        while (zeile2 > zeile)
            zug(Qt::Key_Up, f.prauf);
        while (spalte2 < spalte)
            zug(Qt::Key_Right, f.prechts);
        while (spalte2 > spalte)
            zug(Qt::Key_Left, f.Plinks);
        return zuege;
    }

    QColor pixel(TForm64& f, int x, int y) const
    {
        const QPoint p = punkt(x, y);
        return f.canvas().pixel(p.x(), p.y());
    }
};

} // namespace

TEST_F(TForm64Test, ThePupilWalksToTheTargetAndSaysFound)
{
    TForm64 feld;
    Form::setModalDriver([&](Form& f) {
        if (&f != &feld) return;
        EXPECT_EQ(feld.caption(), "100erFeld1");
        EXPECT_TRUE(mousetrap::current().has_value());
        EXPECT_EQ(mindestschritte, h100feld::kuerzesterWeg(zielzahl, vorindex));
        EXPECT_EQ(zeile2 * 10 + spalte2, vorindex);
        EXPECT_TRUE(feld.gefundenknopf->isVisible());
        EXPECT_FALSE(feld.nocheinebutton->isVisible());
        EXPECT_EQ(feld.focusWidget(), feld.ScrollBoxEx1);
        // The cursor: a red frame inside the start cell.
        EXPECT_EQ(pixel(feld, 29 + 66 * spalte2, 70 + 95 * zeile2), clRed);

        // "gefunden?" on the start cell is wrong: its number in red, one input, the search goes on.
        pressKey(&feld, Qt::Key_Return);
        EXPECT_EQ(aufgabeneingaben, 1);
        EXPECT_EQ(anzahl, 0);
        EXPECT_TRUE(feld.gefundenknopf->isVisible());
        grabToPng(&feld, QStringLiteral("h_100Feld_suchen"));

        const int zuege = hinlaufen(feld, true);
        EXPECT_EQ(zuege, mindestschritte);
        pressKey(&feld, Qt::Key_Return);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, zuege + 2);
        EXPECT_EQ(noetiggesamt, zuege + 1);
        EXPECT_FALSE(feld.gefundenknopf->isVisible());
        EXPECT_TRUE(feld.nocheinebutton->isVisible());
        EXPECT_FALSE(feld.prauf->isEnabled());
        EXPECT_FALSE(feld.ScrollBoxEx1->isEnabled());
        grabToPng(&feld, QStringLiteral("h_100Feld_gefunden"));

        // Enter asks for the next task; this one is walked with the hand buttons, and moves against the border
        // do not count.
        pressKey(&feld, Qt::Key_Return);
        EXPECT_TRUE(feld.gefundenknopf->isVisible());
        EXPECT_EQ(aufgabeneingaben, 0);
        const int zuege2 = hinlaufen(feld, false);
        const int zeileVorher = zeile2;
        for (int i = 0; i < 10; ++i)
            pressKey(&feld, Qt::Key_Up);
        const int zurueck = zeileVorher;
        EXPECT_EQ(zeile2, 0);
        EXPECT_EQ(aufgabeneingaben, zuege2 + zurueck);
        hinlaufen(feld, true);
        QTest::mouseClick(feld.gefundenknopf, Qt::LeftButton);
        EXPECT_EQ(anzahl, 2);
        // After a mouse click Enter still asks for the next task rather than ending the run.
        pressKey(&feld, Qt::Key_Return);
        EXPECT_TRUE(feld.isVisible());
        EXPECT_TRUE(feld.gefundenknopf->isVisible());
        pressKey(&feld, Qt::Key_Escape);
    });
    feld.showModal();
    EXPECT_FALSE(feld.isVisible());
    EXPECT_FALSE(mousetrap::current().has_value());
    EXPECT_EQ(protzeilen[2], "Programm:              im 100er-Feld: Zahl einordnen");
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   ---");
    EXPECT_EQ(protzeilen[5], "");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  2");
    // The third task was left unfinished: its moves are not counted.
    const int gesamt = eingabengesamt;
    EXPECT_EQ(protzeilen[8], QStringLiteral("Eingaben, gesamt:      %1").arg(gesamt));
    EXPECT_EQ(protzeilen[9],
        QStringLiteral("davon richtig (nötig): %1  ~ %2 %  (Ziel: 100 %)")
            .arg(noetiggesamt)
            .arg(noetiggesamt * 100 / gesamt));
    EXPECT_EQ(protzeilen[10], "");
    EXPECT_EQ(protzeilen[11], "");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(TForm64Test, WhenTheBarsEndTheRunTheLastTaskIsInTheProtocol)
{
    mindestminuten = 1;
    mindestaufgaben = 2;
    TForm64 feld;
    int dialoge = 0;
    int gesamt = 0;
    Form::setModalDriver([&](Form& f) {
        if (&f == &dialog) {
            ++dialoge;
            dialog.Button1->Click(); // "in den &Papierkorb"
            return;
        }
        for (int i = 0; i < 2; ++i) {
            clockx::TestClock::advance(40 * kSekunde);
            gesamt += hinlaufen(feld, true) + 1;
            pressKey(&feld, Qt::Key_Return);
            if (i == 0) pressKey(&feld, Qt::Key_Return);
        }
    });
    feld.showModal();
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  2");
    EXPECT_EQ(protzeilen[8], QStringLiteral("Eingaben, gesamt:      %1").arg(gesamt));
    EXPECT_EQ(protzeilen[9], QStringLiteral("davon richtig (nötig): %1  ~ 100 %  (Ziel: 100 %)").arg(gesamt));
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           1:20 min");
}
