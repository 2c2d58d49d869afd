#include "aids/h_stern.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <functional>

namespace {

class SternTest : public HilfenfensterTest {
protected:
    SternTest()
        : HilfenfensterTest({ 0.78f, 0.57f, 1, 2, false })
    {
    }

    // Runs the aid; `schritte` drives it, then Esc ends it.
    void lauf(const std::function<void(TForm74&)>& schritte)
    {
        programmcode = 53;
        laufen(hilfe, [&] { schritte(hilfe); });
    }

    // Types the products 2 x r .. 10 x r of the row chosen.
    static void reiheTippen(TForm74& h, int r)
    {
        typeText(&h, QString::number(r));
        ASSERT_EQ(h.reihe(), r);
        for (int k = 2; k <= 10; ++k)
            typeText(&h, QString::number(k * r));
        ASSERT_TRUE(h.reihenwahl());
    }

    // Red pixels of the hint's first line in the title box.
    static int hinweis(TForm74& h)
    {
        Canvas& c = h.titelbox->canvas();
        int n = 0;
        const QPoint a = punkt(5, 285), b = punkt(195, 335);
        for (int x = a.x(); x < b.x(); ++x)
            for (int y = a.y(); y < b.y(); ++y)
                if ((c.pixel(x, y).rgb() & 0xffffff) == 0xff0000) ++n;
        return n;
    }

    TForm74 hilfe;
};

} // namespace

TEST_F(SternTest, RowsAreChosenByADigitAndTheirProductsCountOnce)
{
    lauf([&](TForm74& h) {
        EXPECT_TRUE(h.reihenwahl());
        EXPECT_TRUE(h.Label1->isVisible());
        EXPECT_FALSE(h.Button0->isVisible());
        EXPECT_FALSE(h.Button14->isVisible());
        EXPECT_FALSE(h.Button13->isVisible());
        EXPECT_FALSE(h.weiterbutton->isVisible());
        grabToPng(&h, QStringLiteral("h_stern_alle"));
        // "0" is no row.
        typeText(&h, QStringLiteral("0"));
        EXPECT_TRUE(h.reihenwahl());

        typeText(&h, QStringLiteral("3"));
        EXPECT_FALSE(h.Label1->isVisible());
        EXPECT_TRUE(h.Button0->isVisible());
        EXPECT_TRUE(h.Button14->isVisible());
        EXPECT_EQ(h.erwartet(), 6);
        typeText(&h, QStringLiteral("6")); // one digit is enough for 2 x 3
        EXPECT_EQ(h.faktor(), 3);
        typeText(&h, QStringLiteral("9121518"));
        grabToPng(&h, QStringLiteral("h_stern_mitten"));
        typeText(&h, QStringLiteral("212427"));
        EXPECT_EQ(h.faktor(), 10);
        typeText(&h, QStringLiteral("30"));
        EXPECT_TRUE(h.reihenwahl());
        EXPECT_TRUE(h.weiterbutton->isVisible());
        EXPECT_EQ(anzahl, 1);

        reiheTippen(h, 7);
        grabToPng(&h, QStringLiteral("h_stern_zwei_reihen"));
        pressKey(&h, Qt::Key_Return); // "leeren?"
        EXPECT_FALSE(h.weiterbutton->isVisible());
        EXPECT_TRUE(h.reihenwahl());
        grabToPng(&h, QStringLiteral("h_stern_geleert"));
        reiheTippen(h, 3);
        EXPECT_EQ(anzahl, 3);
        EXPECT_EQ(eingabengesamt, 50);
        // Past both work limits the star goes on.
        clockx::TestClock::advance(90 * kSekunde);
        reiheTippen(h, 5);
        EXPECT_TRUE(h.isVisible());
        EXPECT_EQ(anzahl, 4);
    });
    EXPECT_EQ(protzeilen[2], "Programm:              1x1-Stern");
    EXPECT_EQ(protzeilen[4], "bearbeitete Reihe(n):  1x1 der 3, 7, 3, 5");
    EXPECT_EQ(protzeilen[5], "");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      68");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  68  ~ 100 %  (Ziel: 100 %)");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SternTest, AWrongProductGetsItsHintAndEnterJudgesAShortAnswer)
{
    lauf([&](TForm74& h) {
        typeText(&h, QStringLiteral("4"));
        typeText(&h, QStringLiteral("8"));
        EXPECT_EQ(h.erwartet(), 12);
        typeText(&h, QStringLiteral("1"));
        EXPECT_EQ(hinweis(h), 0); // 1 for 12 waits
        typeText(&h, QStringLiteral("3"));
        const int neu = hinweis(h); // "lösche und"
        EXPECT_GT(neu, 20);
        EXPECT_EQ(h.getippt(), "13");
        pressKey(&h, Qt::Key_Backspace);
        pressKey(&h, Qt::Key_Backspace);
        EXPECT_EQ(hinweis(h), 0);
        typeText(&h, QStringLiteral("21"));
        EXPECT_GT(hinweis(h), neu); // "Zahlendreher!"
        grabToPng(&h, QStringLiteral("h_stern_zahlendreher"));
        pressKey(&h, Qt::Key_Backspace);
        pressKey(&h, Qt::Key_Backspace);
        typeText(&h, QStringLiteral("1"));
        EXPECT_EQ(hinweis(h), 0);
        pressKey(&h, Qt::Key_Return); // the hidden Enter judges it
        EXPECT_GT(hinweis(h), 20);
        EXPECT_EQ(h.faktor(), 3);
        pressKey(&h, Qt::Key_Backspace);
        typeText(&h, QStringLiteral("12"));
        EXPECT_EQ(h.faktor(), 4);
    });
}
