#include "aids/h_1d1.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <QTimer>
#include <cmath>
#include <functional>

namespace {

constexpr double kPause = 1e-5;

class Kl1d1Fenster : public HilfenfensterTest {
protected:
    Kl1d1Fenster()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, false })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = 55;
        wahl4 = 1;
        wahltext = "3 4 // 5 6 ";
        aufgabenliste[1] = "4x3";
        aufgabenliste[2] = "10x10";
        vorratsgroesse = 2;
        nummer = 2;
    }

    // Runs the aid on 14 : 4 with remainder 2; `schritte` drives it, then Esc ends it.
    void lauf(const std::function<void(TForm72&)>& schritte)
    {
        laufen(hilfe, [&] {
            hilfe.aufgabeZeigen({ 4, 3, 2, 14 });
            schritte(hilfe);
        });
    }

    // Digits as typed, "\r" as Enter and "\b" as backspace.
    static void tippen(TForm72& h, const QString& s)
    {
        for (QChar c : s) {
            if (c == QLatin1Char('\r'))
                pressKey(&h, Qt::Key_Return);
            else if (c == QLatin1Char('\b'))
                pressKey(&h, Qt::Key_Backspace);
            else
                typeText(&h, QString(c));
        }
    }

    // Whether red stands in the hint area of the title box.
    static bool hinweisSichtbar(TForm72& h)
    {
        const QPoint o = h.titelbox->geometry().topLeft();
        for (int y = punkt(0, 90).y(); y < punkt(0, 160).y(); ++y)
            for (int x = punkt(10, 0).x(); x < punkt(190, 0).x(); ++x)
                if (h.canvas().pixel(o.x() + x, o.y() + y).red() > 200
                    && h.canvas().pixel(o.x() + x, o.y() + y).green() < 100)
                    return true;
        return false;
    }

    // How many pauses of the aid a click takes.
    static int pausen(const std::function<void()>& klick)
    {
        const double vorher = clockx::now();
        klick();
        return int(std::lround((clockx::now() - vorher) / kPause));
    }

    TForm72 hilfe;
};

} // namespace

TEST_F(Kl1d1Fenster, QuotientThenRemainderSolvesWithFourRightInputs)
{
    lauf([&](TForm72& h) {
        EXPECT_EQ(h.caption(), "1 : 1");
        EXPECT_FALSE(h.nocheinebutton->isEnabled());
        EXPECT_TRUE(h.nocheinebutton->isVisible());
        grabToPng(&h, QStringLiteral("1d1_quotient_gefragt"));
        typeText(&h, QStringLiteral("3"));
        EXPECT_EQ(pausen([&] { pressKey(&h, Qt::Key_Return); }), 1);
        EXPECT_EQ(h.phase(), kl1d1::kRestPhase);
        EXPECT_TRUE(h.antwort().isEmpty());
        grabToPng(&h, QStringLiteral("1d1_rest_gefragt"));
        tippen(h, QStringLiteral("2\r"));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 4);
        EXPECT_EQ(eingabenrichtig, 4);
        EXPECT_FALSE(h.Rechner->isEnabled());
        EXPECT_FALSE(h.hilfenpanel->isEnabled());
        EXPECT_TRUE(h.nocheinebutton->isEnabled());
        EXPECT_FALSE(h.KeyPreview);
        grabToPng(&h, QStringLiteral("1d1_geloest"));
        // Digits do nothing now; Enter asks for the next task.
        typeText(&h, QStringLiteral("7"));
        EXPECT_EQ(eingabengesamt, 4);
        pressKey(&h, Qt::Key_Return);
        EXPECT_EQ(h.phase(), kl1d1::kQuotientPhase);
        EXPECT_TRUE(h.KeyPreview);
        EXPECT_TRUE(h.hilfenpanel->isEnabled());
        EXPECT_FALSE(h.nocheinebutton->isEnabled());
        EXPECT_EQ(aufgabeneingaben, 0);
    });
    EXPECT_EQ(protzeilen[5], "Quotienten:            5 6 ");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
}

TEST_F(Kl1d1Fenster, AWrongAnswerHintsAndKeepsThePhase)
{
    lauf([&](TForm72& h) {
        tippen(h, QStringLiteral("5\r"));
        EXPECT_EQ(h.phase(), kl1d1::kQuotientPhase);
        EXPECT_EQ(h.antwort(), "5");
        EXPECT_EQ(aufgabeneingaben, 2);
        grabToPng(&h, QStringLiteral("1d1_falsch"));
        // The hint goes with the next input; the digits stay until they are deleted.
        EXPECT_TRUE(hinweisSichtbar(h));
        pressKey(&h, Qt::Key_Backspace);
        EXPECT_FALSE(hinweisSichtbar(h));
        EXPECT_EQ(aufgabeneingaben, 2);
        tippen(h, QStringLiteral("3\r1\r"));
        EXPECT_EQ(h.phase(), kl1d1::kRestPhase);
        EXPECT_EQ(h.antwort(), "1");
        EXPECT_EQ(anzahl, 0);
    });
}

TEST_F(Kl1d1Fenster, TheResultShowsForAPauseAndCountsTwoInputs)
{
    lauf([&](TForm72& h) {
        QString gezeigt;
        // Runs while the pause brings the drawing to the screen.
        QTimer::singleShot(0, [&] { gezeigt = h.ergb->caption(); });
        EXPECT_EQ(pausen([&] { h.ergb->Click(); }), 1);
        EXPECT_EQ(gezeigt, "3  Rest 2");
        EXPECT_EQ(h.ergb->caption(), "&Ergebnis");
        EXPECT_EQ(aufgabeneingaben, 2);
        EXPECT_EQ(zeigetasten, 1);
        EXPECT_EQ(anzahl, 0);
        // A first 0 is ignored; a third digit is dropped but counted; backspace on nothing counts nothing.
        typeText(&h, QStringLiteral("0"));
        EXPECT_EQ(aufgabeneingaben, 2);
        typeText(&h, QStringLiteral("123"));
        EXPECT_EQ(h.antwort(), "12");
        EXPECT_EQ(aufgabeneingaben, 5);
        tippen(h, QStringLiteral("\b\b\b"));
        EXPECT_EQ(aufgabeneingaben, 5);
    });
    EXPECT_EQ(protzeilen[12], "       Zeigetaste:     1");
}

TEST_F(Kl1d1Fenster, HelpPicturesAnimateWhileTheQuotientIsAskedAndAddTheRemainderAfter)
{
    lauf([&](TForm72& h) {
        struct Hilfe {
            Button* knopf;
            int frage, rest;
        };
        const Hilfe hilfen[] = { { h.Strahlb, 3, 1 }, { h.feldb, 6, 2 }, { h.hundb, 2, 1 }, { h.aufteilbutton, 10, 2 },
            { h.verteilbutton, 10, 2 } };
        for (const Hilfe& x : hilfen) {
            EXPECT_EQ(pausen([&] { x.knopf->Click(); }), x.frage) << x.knopf->caption().toStdString();
            EXPECT_EQ(h.focusWidget(), h.Button13);
            grabToPng(&h, QStringLiteral("1d1_frage_") + x.knopf->objectName());
        }
        tippen(h, QStringLiteral("3\r"));
        for (const Hilfe& x : hilfen) {
            EXPECT_EQ(pausen([&] { x.knopf->Click(); }), x.rest) << x.knopf->caption().toStdString();
            grabToPng(&h, QStringLiteral("1d1_rest_") + x.knopf->objectName());
        }
        EXPECT_EQ(hilfetasten, 10);
        EXPECT_EQ(aufgabeneingaben, 12);
    });
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     10");
}

TEST_F(Kl1d1Fenster, TheNextTaskBlanksTheWholeWorkAreaOnALargeScreen)
{
    skala_x = skala_y = 1.5f;
    lauf([&](TForm72& h) {
        h.resize(1500, 1500);
        h.Strahlb->Click();
        // The right end of the number line lies beyond the first 1000 pixels.
        const QPoint ende = h.strahlbox->geometry().topLeft() + punkt(715, 125);
        ASSERT_GT(ende.x(), 1000);
        EXPECT_NE(h.canvas().pixel(ende.x(), ende.y()), clBtnFace);
        h.nocheinebutton->Click();
        EXPECT_EQ(h.canvas().pixel(ende.x(), ende.y()), clBtnFace);
    });
}
