#include "aids/h_reihenmuster.h"
#include "aids/hilfenfixture.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <functional>

namespace {

class ReihenmusterTest : public HilfenfensterTest {
protected:
    ReihenmusterTest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, false })
    {
    }

    // Runs the aid with step width s forwards or backwards and a number kind; `schritte` drives it, then Esc
    // ends it.
    void lauf(int s, int richtung, int art, const std::function<void(TForm73&)>& schritte)
    {
        programmcode = 52;
        wahl7 = shortint(s - 2);
        wahl1 = shortint(richtung);
        wahl5 = byte(art);
        laufen(hilfe, [&] { schritte(hilfe); });
    }

    static void eintippen(TForm73& h, int n)
    {
        typeText(&h, QString::number(n));
        pressKey(&h, Qt::Key_Return);
    }

    static constexpr TRect kHinweis { 5, 340, 195, 400 };
    // The inside of the cell of 21 (column 1, row 2).
    static constexpr TRect kZelle21 { 48, 270, 88, 330 };

    TForm73 hilfe;
};

} // namespace

TEST_F(ReihenmusterTest, ASeriesTypedRightIsFramedAndCountsEveryDigitAndEnter)
{
    lauf(4, 0, 0, [&](TForm73& h) {
        EXPECT_EQ(h.reihe().start, 4);
        EXPECT_EQ(h.erwartet(), 8);
        EXPECT_EQ(h.gefragt(), 1);
        EXPECT_FALSE(h.weiterbutton->isVisible());
        for (int n = 8; n <= 24; n += 4)
            eintippen(h, n);
        EXPECT_EQ(h.gefragt(), 6);
        EXPECT_EQ(pixel(h.canvas(), kZelle21, 0x008000), 0); // no numbers in the field
        grabToPng(&h, QStringLiteral("h_reihenmuster_mitten"));
        for (int n = 28; n <= 40; n += 4)
            eintippen(h, n);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 26);
        EXPECT_EQ(eingabenrichtig, 26);
        EXPECT_FALSE(h.KeyPreview);
        EXPECT_FALSE(h.Rechner->isEnabled());
        EXPECT_TRUE(h.weiterbutton->isVisible());
        EXPECT_EQ(h.focusWidget(), h.weiterbutton);
        // The pattern reaches beyond the series: 44 .. 100 are framed in red, and the numbers show.
        EXPECT_GT(pixel(h.canvas(), { 540, 862, 570, 870 }, 0xff0000), 5); // 100's frame, bottom edge
        grabToPng(&h, QStringLiteral("h_reihenmuster_fertig"));

        // The next series starts with the same options.
        pressKey(&h, Qt::Key_Return);
        EXPECT_EQ(h.reihe().start, 4);
        EXPECT_TRUE(h.KeyPreview);
        EXPECT_EQ(aufgabeneingaben, 0);
    });
    EXPECT_EQ(protzeilen[2], "Programm:              Reihen und Muster im 100er-Feld");
    EXPECT_EQ(protzeilen[4], "Schrittweite+Richtung: 4   vorwärts   ");
    EXPECT_EQ(protzeilen[5], "verwendete Zahlen:     nur Zahlen des kleinen 1x4");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  26  ~ 100 %  (Ziel: 100 %)");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(ReihenmusterTest, AWrongMemberShowsTheNumbersAndAHintUntilTheNextKey)
{
    lauf(4, 0, 0, [&](TForm73& h) {
        eintippen(h, 8);
        Canvas& titel = h.titelbox->canvas();
        eintippen(h, 13);
        const int neu = pixel(titel, kHinweis, 0xff0000);
        EXPECT_GT(neu, 50);
        pressKey(&h, Qt::Key_Backspace);
        pressKey(&h, Qt::Key_Backspace);
        EXPECT_EQ(pixel(titel, kHinweis, 0xff0000), 0);
        eintippen(h, 21);
        // "Zahlendreher!" is the longer hint; the field's numbers show, the typed one on yellow.
        EXPECT_GT(pixel(titel, kHinweis, 0xff0000), neu);
        EXPECT_GT(pixel(h.canvas(), kZelle21, 0x008000), 5);
        EXPECT_GT(pixel(h.canvas(), kZelle21, 0xffff00), 20);
        EXPECT_EQ(h.getippt(), "21");
        EXPECT_EQ(h.gefragt(), 2);
        grabToPng(&h, QStringLiteral("h_reihenmuster_falsch"));
        pressKey(&h, Qt::Key_Backspace);
        EXPECT_EQ(pixel(h.canvas(), kZelle21, 0x008000), 0);
        EXPECT_EQ(pixel(h.canvas(), kZelle21, 0xffff00), 0);
        pressKey(&h, Qt::Key_Backspace);
        eintippen(h, 12);
        EXPECT_EQ(h.gefragt(), 3);
        // The two wrong members with their Enters are 6 inputs more than needed; the backspaces cost nothing.
        EXPECT_EQ(aufgabeneingaben, aufgabennoetig + 6);
    });
}

TEST_F(ReihenmusterTest, BackwardsWithoutTableNumbersCountsDown)
{
    lauf(9, 1, 2, [&](TForm73& h) {
        const int start = h.reihe().start;
        EXPECT_NE(start % 9, 0);
        typeText(&h, QStringLiteral("0")); // no member begins with 0
        EXPECT_EQ(h.getippt(), "");
        for (int i = 1; i <= 9; ++i)
            eintippen(h, start - 9 * i);
        EXPECT_EQ(anzahl, 1);
        grabToPng(&h, QStringLiteral("h_reihenmuster_rueckwaerts"));
    });
    EXPECT_EQ(protzeilen[4], "Schrittweite+Richtung: 9   rückwärts   ");
    EXPECT_EQ(protzeilen[5], "verwendete Zahlen:     keine Zahlen des 1x9");
}
