// The written-method frame without a window: the step pointer in both directions and the protocol texts.

#include "aids/schriftrahmen_logik.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/surface.h"
#include "support/fixtures.h"

using namespace schrift;

TEST(SchriftrahmenLogik, ThePointerRunsDownOrUpAndIsDonePastTheEnd)
{
    Schrittfolge ab;
    ab.beginnen(QStringLiteral("8ü1 3"), true);
    EXPECT_EQ(ab.schrittzeiger, 5);
    EXPECT_EQ(ab.erwartet(), u'3');
    for (int i = 0; i < 4; ++i)
        ab.weiter();
    EXPECT_EQ(ab.erwartet(), u'8');
    EXPECT_FALSE(ab.geloest());
    ab.weiter();
    EXPECT_TRUE(ab.geloest());
    EXPECT_TRUE(ab.erwartet().isNull());

    Schrittfolge auf;
    auf.beginnen(QStringLiteral("42"), false);
    EXPECT_EQ(auf.erwartet(), u'4');
    auf.weiter();
    auf.weiter();
    EXPECT_TRUE(auf.geloest());
}

TEST(SchriftrahmenLogik, TheProtocolNamesTheKindAndTheLevel)
{
    hilfenrahmen::Stand s;
    s.eingabengesamt = 9;
    s.eingabenrichtig = 5;
    s.hilfetasten = 2;
    s.zeigetasten = 1;
    QStringList z
        = hilfenrahmen::protokollzeilen(protokollangaben(84, QStringLiteral(" zwei Tauschvorgänge"), 2, 1, false), s);
    EXPECT_EQ(z[0], "Programm:              schriftlich ");
    EXPECT_EQ(z[2], "Rechenart:             HZE - HZE, tauschen");
    EXPECT_EQ(z[3], "Schwierigkeitsgrad:    zwei Tauschvorgänge");
    EXPECT_EQ(z[8], "       falsch/unnötig: 1");
    EXPECT_EQ(z[9], "       Hilfetaste:     2");
    EXPECT_EQ(z[10], "       Zeigetaste:     1");
    hilfenrahmen::Protokollangaben a = protokollangaben(81, QString(), 0, 0, true);
    EXPECT_EQ(a.zeile12, "       Zeigetaste:     entfällt");
    // An aid may name line 10 otherwise.
    a.zeile10label = QStringLiteral("falsch:                ");
    EXPECT_EQ(hilfenrahmen::protokollzeilen(a, s)[8], "falsch:                1");
}

TEST(SchriftrahmenLogik, AnArrowDrawnAgainOverItselfStaysWhole)
{
    // A step may show the same arrow twice (the long division's second multiplication points at the divisor
    // from where the first one did): the second drawing must not take the first one away.
    const Bild pfeil = schrift::pfeil({ { 40, 90 }, { 40, 20 }, { 70, 20 } }, { 60, 14 }, { 60, 26 }, clRed, 2);
    const auto bild = [](const Bild& b) {
        Surface flaeche { nullptr };
        flaeche.setBackground(Qt::white);
        flaeche.ensureSize(QSize(100, 100));
        flaeche.clear();
        Canvas c(flaeche);
        zeichnen(c, b, 1.0f, 1.0f);
        return flaeche.image().copy(0, 0, 100, 100);
    };
    const QImage einmal = bild(pfeil);
    EXPECT_EQ(einmal.pixelColor(40, 50), QColor(clRed)); // the shaft
    EXPECT_EQ(bild(Bild(pfeil) << pfeil), einmal);
}
