#include "aids/h_1x1.h"
#include "aids/hilfenfixture.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <functional>

namespace {

// A small screen, so that the whole window fits the offscreen one.
constexpr float kSx = 0.78f, kSy = 0.57f;

class Kl1x1Fenster : public HilfenfensterTest {
protected:
    Kl1x1Fenster()
        : HilfenfensterTest({ kSx, kSy, 0, 0, false })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = 51;
        wahltext = "1 7 // 7 8 ";
    }

    // Runs the aid on a pool of one pair; `schritte` work in it, then Esc ends the run.
    void lauf(const QString& paar, const std::function<void()>& schritte)
    {
        aufgabenliste[1] = paar;
        vorratsgroesse = 1;
        nummer = 1;
        laufen(hilfe, schritte);
    }

    bool enthaelt(QRect design, const QColor& farbe) { return HilfenfensterTest::enthaelt(hilfe, design, farbe); }
    // The message area of the title box, in form design units.
    static QRect meldungsfeld() { return { 753, 75, 193, 110 }; }

    TForm71 hilfe;
};

} // namespace

TEST_F(Kl1x1Fenster, AWrongAnswerIsMarkedAndStaysUntilThePupilDeletesIt)
{
    lauf("7x8", [&] {
        EXPECT_EQ(hilfe.caption(), "1x1");
        EXPECT_EQ(hilfe.focusWidget(), hilfe.Button13);
        EXPECT_TRUE(hilfe.hilfenpanel->isEnabled());
        grabToPng(&hilfe, "h_1x1_aufgabe");
        typeText(&hilfe, "65\r");
        EXPECT_EQ(eingabe, "65");
        EXPECT_TRUE(enthaelt(meldungsfeld(), clRed));
        grabToPng(&hilfe, "h_1x1_zahlendreher");
        pressKey(&hilfe, Qt::Key_Backspace);
        EXPECT_FALSE(enthaelt(meldungsfeld(), clRed)); // the message goes with the next input
        pressKey(&hilfe, Qt::Key_Backspace);
        typeText(&hilfe, "56\r");
        EXPECT_FALSE(hilfe.Rechner->isEnabled());
        EXPECT_FALSE(hilfe.hilfenpanel->isEnabled());
        EXPECT_TRUE(hilfe.nocheinebutton->isVisible());
        EXPECT_TRUE(hilfe.nocheinebutton->isEnabled());
        EXPECT_EQ(hilfe.focusWidget(), hilfe.nocheinebutton);
        EXPECT_TRUE(enthaelt({ 545, 200, 100, 170 }, clRed)); // the tick
        grabToPng(&hilfe, "h_1x1_geloest");
        typeText(&hilfe, "9"); // the keyboard is off
        EXPECT_EQ(eingabe, "56");
        pressKey(&hilfe, Qt::Key_Return); // the next task
        EXPECT_TRUE(hilfe.Rechner->isEnabled());
        EXPECT_FALSE(hilfe.nocheinebutton->isEnabled());
        EXPECT_FALSE(enthaelt({ 545, 200, 100, 170 }, clRed));
    });
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      6");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  3  ~ 50 %  (Ziel: 100 %)");
    EXPECT_EQ(protzeilen[4], "linke Faktoren:        1 7");
    EXPECT_EQ(protzeilen[5], "rechte Faktoren:       7 8 ");
}

TEST_F(Kl1x1Fenster, ZeroStartsAnAnswerOnlyWhenTheProductIsZero)
{
    lauf("7x8", [&] {
        hilfe.ziffernknopf(0)->Click();
        EXPECT_EQ(eingabe, "");
        typeText(&hilfe, "5600"); // a fourth digit is dropped
        EXPECT_EQ(eingabe, "560");
    });
    lauf("0x5", [&] {
        typeText(&hilfe, "0\r");
        EXPECT_FALSE(hilfe.Rechner->isEnabled());
    });
}

TEST_F(Kl1x1Fenster, NoTipAndAShownResultAreNoWrongInputs)
{
    lauf("1x7", [&] {
        hilfe.tippb->Click();
        grabToPng(&hilfe, "h_1x1_kein_tipp");
        hilfe.ergb->Click();
        EXPECT_EQ(hilfe.ergb->caption(), "&Ergebnis");
        EXPECT_EQ(hilfe.focusWidget(), hilfe.Button13);
        typeText(&hilfe, "8\r");
        pressKey(&hilfe, Qt::Key_Backspace);
        typeText(&hilfe, "7\r");
    });
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 2");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     1");
    EXPECT_EQ(protzeilen[12], "       Zeigetaste:     1");
}

TEST_F(Kl1x1Fenster, EachHelpPictureIsDrawnInItsBox)
{
    lauf("7x8", [&] {
        hilfe.Strahlb->Click();
        hilfe.feldb->Click();
        hilfe.hundb->Click();
        hilfe.kreuzb->Click();
        hilfe.tippb->Click();
        EXPECT_EQ(hilfe.focusWidget(), hilfe.Button13);
        // The seventh jump ends at 56, red above the line.
        EXPECT_TRUE(enthaelt({ 10 + 7 * 56 + 10, 145, 5, 8 }, clRed));
        EXPECT_FALSE(enthaelt({ 10 + 7 * 56 + 20, 145, 5, 8 }, clRed));
        // Dot (1, 1) red, dot (1, 6) blue.
        EXPECT_TRUE(enthaelt({ 15 + 16, 380 + 34, 4, 4 }, clRed));
        EXPECT_TRUE(enthaelt({ 15 + 106, 380 + 34, 4, 4 }, clBlue));
        EXPECT_TRUE(enthaelt({ 510 + 15, 380 + 12, 10, 16 }, clGreen)); // shirt 1
        grabToPng(&hilfe, "h_1x1_bilder");
    });
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     5");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
}

TEST_F(Kl1x1Fenster, TipsForFourAndEightShowTwoWays)
{
    for (const char* paar : { "4x6", "8x7" })
        lauf(paar, [&] {
            hilfe.tippb->Click();
            EXPECT_TRUE(enthaelt({ 10 + 300, 693 + 90, 100, 40 }, clRed)); // "oder:"
            grabToPng(&hilfe, QStringLiteral("h_1x1_tipp_%1").arg(QLatin1String(paar)));
        });
}

TEST_F(Kl1x1Fenster, TheDividerOfTwoWaysEndsOnTheFrameAndLeavesRoomForOder)
{
    // A small and a large screen: the frame's line grows with the screen, and so does the divider's.
    for (float skala : { 0.78f, 1.47f })
        for (const char* paar : { "4x6", "8x7" }) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(QLatin1String(paar)).arg(double(skala)).toStdString());
            skala_x = skala;
            skala_y = skala * 3 / 4.3f;
            lauf(paar, [&] {
                hilfe.resize(1500, 1100);
                hilfe.tippb->Click();
                const QImage b = hilfe.tippbox->targetSurface().image().copy(hilfe.tippbox->surfaceRect());
                const int x = punkt(paar[0] == '4' ? 356 : 386, 0).x();
                const int oben = punkt(0, 5).y(), unten = punkt(0, 275).y();
                const auto gruen
                    = [&](int px, int y) { return (b.pixel(px, y) & 0xffffff) == (clGreen.rgb() & 0xffffff); };
                // Above and below the frame the divider's column shows no more than the frame's own edge does.
                for (int y = 0; y < b.height(); ++y) {
                    if (y >= oben && y < unten) continue;
                    EXPECT_EQ(b.pixel(x, y), b.pixel(x + 40, y)) << "row " << y;
                }
                // "oder:" in red, and the rows it takes.
                int rotOben = b.height(), rotUnten = -1;
                for (int y = 0; y < b.height(); ++y)
                    for (int px = x - 40; px <= x + 40; ++px)
                        if (qRed(b.pixel(px, y)) > 200 && qGreen(b.pixel(px, y)) < 100) {
                            rotOben = std::min(rotOben, y);
                            rotUnten = std::max(rotUnten, y);
                        }
                ASSERT_LT(rotOben, rotUnten);
                // The divider runs whole from the frame's top line to a gap above the word and from a gap below
                // it to the frame's bottom line; nothing of it lies under the word.
                int gruenOben = -1, gruenUnten = b.height();
                for (int y = oben; y < unten; ++y) {
                    if (y < rotOben && gruen(x, y)) gruenOben = y;
                    if (y > rotUnten && gruen(x, y)) gruenUnten = std::min(gruenUnten, y);
                    if (y >= rotOben && y <= rotUnten) {
                        EXPECT_FALSE(gruen(x, y)) << "row " << y;
                    }
                }
                for (int y = oben; y <= gruenOben; ++y)
                    EXPECT_TRUE(gruen(x, y)) << "row " << y;
                for (int y = gruenUnten; y < unten; ++y)
                    EXPECT_TRUE(gruen(x, y)) << "row " << y;
                EXPECT_GE(rotOben - gruenOben, 4);
                EXPECT_GE(gruenUnten - rotUnten, 4);
                grabToPng(&hilfe, QStringLiteral("h_1x1_trennlinie_%1_%2").arg(QLatin1String(paar)).arg(double(skala)));
            });
        }
}

TEST_F(Kl1x1Fenster, ANewTaskBlanksTheWholeScaledWorkAreaOnALargeScreen)
{
    skala_x = 1.3f;
    skala_y = 1.3f;
    lauf("7x8", [&] {
        hilfe.resize(1400, 1400);
        hilfe.tippb->Click();
        // The bottom of the tip's frame lies below pixel row 1000.
        const QPoint unten = punkt(300, 693 + 274);
        ASSERT_GT(unten.y(), 1000);
        EXPECT_EQ(QColor(hilfe.surface().image().pixel(unten)), clGreen);
        typeText(&hilfe, "56\r");
        pressKey(&hilfe, Qt::Key_Return);
        EXPECT_EQ(QColor(hilfe.surface().image().pixel(unten)), clBtnFace);
    });
}
