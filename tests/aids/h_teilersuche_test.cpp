#include "aids/h_teilersuche.h"
#include "aids/hilfenfixture.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <functional>

namespace {

class TeilersucheTest : public HilfenfensterTest {
protected:
    TeilersucheTest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, false })
    {
    }

    // Runs the aid; `schritte` drives it, then Esc ends it.
    void lauf(const std::function<void(TForm75&)>& schritte)
    {
        programmcode = 56;
        laufen(hilfe, [&] { schritte(hilfe); });
    }

    // Finishes numbers (every digit typed) until `z` is asked.
    static void bisZahl(TForm75& h, int z)
    {
        for (int i = 0; i < 40 && h.zahl() != z; ++i) {
            typeText(&h, QStringLiteral("23456789"));
            ASSERT_TRUE(h.weiterbutton->isVisible());
            pressKey(&h, Qt::Key_Return);
        }
        ASSERT_EQ(h.zahl(), z);
    }

    // Red pixels in a design rectangle of the number-line box.
    static int rot(TForm75& h, const TRect& r)
    {
        Canvas& c = h.strahlbox->canvas();
        int n = 0;
        const QPoint a = punkt(r.left, r.top), b = punkt(r.right, r.bottom);
        for (int x = a.x(); x < b.x(); ++x)
            for (int y = a.y(); y < b.y(); ++y)
                if ((c.pixel(x, y).rgb() & 0xffffff) == 0xff0000) ++n;
        return n;
    }

    TForm75 hilfe;
};

} // namespace

TEST_F(TeilersucheTest, DivisorsAreListedAsFoundAndANonDivisorWritesInTheNextFreeRow)
{
    lauf([&](TForm75& h) {
        bisZahl(h, 12);
        const int vorher = anzahl, gesamt = eingabengesamt, richtig = eingabenrichtig;
        EXPECT_EQ(h.gesuchteTeiler(), "2346");
        EXPECT_FALSE(h.knopf(1)->isEnabled());
        EXPECT_TRUE(h.KeyPreview);
        EXPECT_FALSE(h.weiterbutton->isVisible());

        typeText(&h, QStringLiteral("62"));
        EXPECT_EQ(h.gefunden(), 2);
        EXPECT_FALSE(h.knopf(6)->isEnabled());
        typeText(&h, QStringLiteral("5"));
        // Row 3 holds the message, where the next divisor will stand.
        const TRect zeile3 { 400, 410, 800, 470 };
        EXPECT_GT(rot(h, zeile3), 50);
        typeText(&h, QStringLiteral("51")); // 5 is used up, 1 is no key here
        EXPECT_EQ(aufgabeneingaben, 3);
        grabToPng(&h, QStringLiteral("h_teilersuche_mitten"));

        typeText(&h, QStringLiteral("3"));
        EXPECT_EQ(rot(h, zeile3), 0);
        typeText(&h, QStringLiteral("4"));
        EXPECT_EQ(anzahl, vorher + 1);
        EXPECT_EQ(eingabengesamt, gesamt + 5);
        EXPECT_EQ(eingabenrichtig, richtig + 4);
        EXPECT_FALSE(h.KeyPreview);
        EXPECT_TRUE(h.weiterbutton->isVisible());
        for (int d = 2; d <= 9; ++d)
            EXPECT_FALSE(h.knopf(d)->isEnabled()) << d;
        EXPECT_TRUE(h.bearbeitet().endsWith(QStringLiteral("12 ")));
        grabToPng(&h, QStringLiteral("h_teilersuche_fertig"));
    });
    EXPECT_EQ(protzeilen[2], "Programm:              Teilersuche am Strahl");
    EXPECT_TRUE(protzeilen[4].str().startsWith(QStringLiteral("bearbeitete Zahlen:    ")));
    EXPECT_EQ(protzeilen[11], "");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(TeilersucheTest, NineHasOneDivisorAndItsOwnButtonIsOff)
{
    lauf([&](TForm75& h) {
        bisZahl(h, 9);
        EXPECT_EQ(h.gesuchteTeiler(), "3");
        EXPECT_FALSE(h.knopf(9)->isEnabled());
        EXPECT_TRUE(h.knopf(8)->isEnabled());
        typeText(&h, QStringLiteral("9"));
        EXPECT_EQ(aufgabeneingaben, 0);
        typeText(&h, QStringLiteral("3"));
        EXPECT_TRUE(h.weiterbutton->isVisible());
        // The next number has its buttons back.
        pressKey(&h, Qt::Key_Return);
        EXPECT_NE(h.zahl(), 0);
        EXPECT_EQ(h.knopf(9)->isEnabled(), h.zahl() != 9);
        EXPECT_FALSE(h.knopf(1)->isEnabled());
    });
}

TEST_F(TeilersucheTest, ARunEndedAtOnceHasAnEmptyListAndCountsOneInput)
{
    lauf([&](TForm75&) {});
    EXPECT_EQ(protzeilen[4], "bearbeitete Zahlen:    ");
    EXPECT_EQ(protzeilen[5], "... ");
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           0:00 min");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  0  ~ 0 %  (Ziel: 100 %)");
    // No input, none wrong.
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
}
