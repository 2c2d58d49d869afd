// "SV4" driven as a pupil drives it: the long way typed, messages that count or not, help with the marker
// line and the arrow, show, the end and its protocol lines.

#include "aids/h_svd_lw.h"
#include "aids/hilfenfixture.h"
#include "platform/controls.h"
#include "support/keys.h"

#include <functional>

namespace {

class SvdLwTest : public HilfenfensterTest {
protected:
    SvdLwTest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, true })
    {
    }

    void lauf(int stufe, int rest, const std::function<void(TForm82&)>& schritte)
    {
        programmcode = 88;
        wahl1 = shortint(stufe);
        wahl8 = byte(rest);
        variante = 77;
        stufentext = QStringLiteral(" keine Zwischenreste");
        laufen(hilfe, [&] { schritte(hilfe); });
    }

    // The keys of the rest of the task, from the step the pointer is at.
    static QString tippen(const TForm82& h)
    {
        QString t;
        const langdivision::Schrittplan& p = h.plan();
        for (int s = h.schritte().schrittzeiger; s < p.ende(); s = p.naechster(s))
            t += p.soll(s);
        return t;
    }
    static QString meldung(const TForm82& h) { return h.meldung().texte().join(u'|'); }

    TForm82 hilfe;
};

} // namespace

TEST_F(SvdLwTest, TheLongWayIsTypedAndCountsOnlyRealInputs)
{
    lauf(0, 0, [&](TForm82& h) {
        grabToPng(&h, QStringLiteral("svd_lw_neu"));
        const QString t = tippen(h);
        // A first 0 is taken back; a wrong digit counts.
        typeText(&h, QStringLiteral("0"));
        EXPECT_EQ(meldung(h), "Lass' die Null am Anfang weg!");
        EXPECT_EQ(aufgabeneingaben, 0);
        const QChar falsch = QChar(u'0' + (t.at(0).unicode() - u'0') % 9 + 1);
        if (falsch != h.plan().soll(2) && falsch != h.plan().soll(3)) {
            typeText(&h, QString(falsch));
            EXPECT_EQ(meldung(h), QStringLiteral("Die %1 war falsch.|Überlege neu oder hole Hilfe.").arg(falsch));
            EXPECT_EQ(aufgabeneingaben, 1);
        }
        const int vorher = aufgabeneingaben;
        typeText(&h, t.left(5));
        EXPECT_EQ(h.schritte().schrittzeiger, 6);
        grabToPng(&h, QStringLiteral("svd_lw_mitten"));
        typeText(&h, t.mid(5));
        EXPECT_EQ(aufgabeneingaben, vorher + t.size());
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, t.size());
        EXPECT_TRUE(h.weiterbutton->isVisible());
        EXPECT_FALSE(h.KeyPreview);
        grabToPng(&h, QStringLiteral("svd_lw_geloest"));
    });
    EXPECT_EQ(variante, 77);
    EXPECT_EQ(protzeilen[2], "Programm:              schriftlich, ausführlich ");
    EXPECT_EQ(protzeilen[4], "Rechenart:             THZE : E  ohne Rest");
    EXPECT_EQ(protzeilen[5], "Schwierigkeitsgrad:    keine Zwischenreste");
    EXPECT_TRUE(protzeilen[9].str().startsWith("davon: richtig:        "));
    EXPECT_TRUE(protzeilen[10].str().startsWith("       falsch:         "));
}

TEST_F(SvdLwTest, HelpTogglesTheMarkerLinePointsDownAndShowNamesTheDigit)
{
    lauf(6, 1, [&](TForm82& h) {
        h.Hilfebutton->Click();
        EXPECT_TRUE(meldung(h).startsWith("Teilen!  "));
        EXPECT_EQ(h.markierlinien(), 1);
        EXPECT_TRUE(h.zeigebutton->isEnabled());
        EXPECT_FALSE(h.Hilfebutton->isEnabled());
        grabToPng(&h, QStringLiteral("svd_lw_hilfe_teilen"));
        h.zeigebutton->Click();
        EXPECT_EQ(h.meldung().texte().last(), QStringLiteral("Tippe: ") + h.plan().soll(1));
        // A message enables help again; a second help takes the line away, the right digit brings it back.
        typeText(&h, QStringLiteral("0"));
        h.Hilfebutton->Click();
        EXPECT_EQ(h.markierlinien(), 2);
        const QString t = tippen(h);
        typeText(&h, t.left(1));
        EXPECT_EQ(h.markierlinien(), 3);
        typeText(&h, t.mid(1, 3));
        EXPECT_EQ(h.schritte().schrittzeiger, 5);
        h.Hilfebutton->Click();
        EXPECT_EQ(meldung(h), "die nächste Zahl 'herunterholen'!");
        grabToPng(&h, QStringLiteral("svd_lw_hilfe_herunterholen"));
        typeText(&h, tippen(h));
        EXPECT_EQ(anzahl, 1);
    });
    EXPECT_EQ(protzeilen[4], "Rechenart:             THZE : E  mit Rest");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     3");
    EXPECT_EQ(protzeilen[12], "       Zeigetaste:     1");
}
