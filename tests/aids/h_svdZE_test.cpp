// "SV5" driven as a pupil drives it: the long way typed from its first step (the tens when the quotient
// has no hundreds), a message that is not counted, help drawings, the end and its protocol line.

#include "aids/h_svdZE.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "support/keys.h"

#include <functional>

namespace {

class SvdZETest : public HilfenfensterTest {
protected:
    SvdZETest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, true })
    {
    }

    void lauf(int stufe, int rest, const std::function<void(Tform83&)>& schritte)
    {
        programmcode = 89;
        wahl6 = byte(stufe);
        wahl8 = byte(rest);
        variante = 77;
        laufen(hilfe, [&] { schritte(hilfe); });
    }

    static QString tippen(const Tform83& h)
    {
        QString t;
        const langdivision::Schrittplan& p = h.plan();
        for (int s = h.schritte().schrittzeiger; s < p.ende(); s = p.naechster(s))
            t += p.soll(s);
        return t;
    }
    static QString meldung(const Tform83& h) { return h.meldung().texte().join(u'|'); }

    Tform83 hilfe;
};

} // namespace

TEST_F(SvdZETest, EveryStepIsTypedAndHelpedUntilTheTick)
{
    lauf(3, 1, [&](Tform83& h) {
        const int start = h.schritte().schrittzeiger;
        EXPECT_EQ(start, h.aktuelleAufgabe().H == 0 ? 7 : 1);
        grabToPng(&h, QStringLiteral("svdZE_neu"));
        int hilfen = 0;
        // One help at every step, then the right key.
        while (!h.schritte().geloest()) {
            const int s = h.schritte().schrittzeiger;
            h.Hilfebutton->Click();
            ++hilfen;
            EXPECT_FALSE(h.meldung().texte().isEmpty()) << s;
            if (s == 4 || s == 9) grabToPng(&h, QStringLiteral("svdZE_hilfe_schritt%1").arg(s));
            typeText(&h, QString(h.plan().soll(s)));
            if (s == start + 5) grabToPng(&h, QStringLiteral("svdZE_mitten"));
        }
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, aufgabennoetig);
        EXPECT_EQ(eingabengesamt, aufgabennoetig + hilfen);
        EXPECT_TRUE(h.weiterbutton->isVisible());
        grabToPng(&h, QStringLiteral("svdZE_geloest"));
    });
    EXPECT_EQ(variante, 77);
    EXPECT_EQ(protzeilen[4], "Rechenart:             THZE : ZE  mit Rest");
    EXPECT_EQ(protzeilen[10], "       falsch:         0");
}

TEST_F(SvdZETest, AQuotientBelowAHundredStartsAtItsTensAndItsZeroIsAlreadyThere)
{
    bool gesehen = false;
    for (int versuch = 0; versuch < 60 && !gesehen; ++versuch)
        lauf(2, 0, [&](Tform83& h) {
            if (h.aktuelleAufgabe().H != 0) return;
            gesehen = true;
            EXPECT_EQ(h.schritte().schrittzeiger, 7);
            typeText(&h, QStringLiteral("0"));
            EXPECT_EQ(meldung(h), "Die Null steht schon da.");
            EXPECT_EQ(aufgabeneingaben, 0);
            h.Hilfebutton->Click();
            EXPECT_TRUE(meldung(h).startsWith("Teilen!  "));
            grabToPng(&h, QStringLiteral("svdZE_ohne_hunderter"));
            typeText(&h, tippen(h));
            EXPECT_EQ(anzahl, 1);
        });
    EXPECT_TRUE(gesehen);
}

TEST_F(SvdZETest, AnUnnecessaryZeroIsShownInLightBlueAndNotCounted)
{
    bool gesehen = false;
    for (int versuch = 0; versuch < 80 && !gesehen; ++versuch)
        lauf(3, 0, [&](Tform83& h) {
            // A second difference below 10 in a quotient with hundreds.
            const svdZE::Aufgabe& a = h.aktuelleAufgabe();
            if (a.H == 0 || a.W(14) != u'0' || a.W(12) != u'0' || a.W(13) == u'0') return;
            gesehen = true;
            while (h.schritte().schrittzeiger < 11)
                typeText(&h, QString(h.plan().soll(h.schritte().schrittzeiger)));
            const int vorher = aufgabeneingaben;
            typeText(&h, QStringLiteral("0"));
            EXPECT_EQ(meldung(h), "unnötige Null");
            EXPECT_EQ(aufgabeneingaben, vorher);
            grabToPng(&h, QStringLiteral("svdZE_unnoetige_null"));
        });
    EXPECT_TRUE(gesehen);
}
