// The written-method frame without a window: the step pointer in both directions and the protocol texts.

#include "aids/aufnahme.h"
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
    // The last character is still to be typed, not the end.
    EXPECT_EQ(auf.erwartet(), u'2');
    EXPECT_FALSE(auf.geloest());
    auf.weiter();
    EXPECT_TRUE(auf.geloest());
    EXPECT_TRUE(auf.erwartet().isNull());
    EXPECT_EQ(auf.zeichenBei(1), u'4');
    EXPECT_TRUE(auf.zeichenBei(0).isNull());
    EXPECT_TRUE(auf.zeichenBei(3).isNull());
}

TEST(SchriftrahmenLogik, TheProtocolNamesEveryKindOfWrittenTask)
{
    QStringList arten;
    for (int code = 80; code <= 88; ++code)
        arten << QString::number(code) + u'=' + rechenart(code);
    EXPECT_EQ(arten.join(u'|').toStdString(),
        "80=|81=HZE + HZE |82=HZE + HZE, Lücken füllen|83=HZE - HZE, ergänzen|84=HZE - HZE, tauschen|85=HZE x E|"
        "86=HZE x ZE|87=THZE : E, ohne Rest, schnell|88=");
}

TEST(SchriftrahmenLogik, TextsAreDrawnWithTheirAlignmentGroundAndWeight)
{
    Bild bild;
    Schrift s;
    s.x = 100;
    s.y = 40;
    s.hoehe = 50;
    s.farbe = clBlue;
    for (auto [a, name] : { std::pair { Ausrichtung::links, "links" }, std::pair { Ausrichtung::mitte, "mitte" },
             std::pair { Ausrichtung::rechts, "rechts" } }) {
        s.ausrichtung = a;
        s.text = QString::fromLatin1(name);
        bild << s;
    }
    s.text = QStringLiteral("ohne Grund");
    s.grund = std::nullopt;
    s.fett = true;
    bild << s;
    bild << Rechteck { 10, 20, 30, 40, clYellow, 0, clYellow };
    bild << Rechteck { 10, 20, 30, 40, clGreen, 6, std::nullopt, true };
    bild << schrift::Ellipse { 50, 60, 54, 64, clBlue, 4 };
    QVector<DrawOp> ops;
    Canvas c(std::make_unique<Aufnahme>(ops));
    // Whatever the canvas was set to before, the drawing is in pixels.
    c.setMapMode(MapMode::LoMetric);
    zeichnen(c, bild, 2.0f, 0.5f);
    for (const DrawOp& op : ops)
        EXPECT_EQ(op.mapMode, MapMode::Pixels);
    QStringList texte;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Text)
            texte << QStringLiteral("%1 %2,%3 a%4 h%5 %6 %7")
                         .arg(op.text)
                         .arg(op.points[0].x())
                         .arg(op.points[0].y())
                         .arg(op.align & TextAlign::HorizontalMask)
                         .arg(op.font.height)
                         .arg(op.brush.style == BrushStyle::Solid ? "deckend" : "durchsichtig")
                         .arg(op.font.bold ? "fett" : "normal");
    EXPECT_EQ(texte.join(u'\n').toStdString(),
        "links 200,20 a0 h25 deckend normal\nmitte 200,20 a6 h25 deckend normal\n"
        "rechts 200,20 a2 h25 deckend normal\nohne Grund 200,20 a2 h25 durchsichtig fett");
    // A filled rectangle without a pen is a plain filling; a not-XOR frame takes itself away when drawn again.
    ASSERT_EQ(ops.size(), 7);
    EXPECT_EQ(ops[6].kind, DrawOp::Kind::Ellipse);
    EXPECT_EQ(ops[6].points, (QVector<QPoint> { { 100, 30 }, { 108, 32 } }));
    EXPECT_EQ(ops[4].kind, DrawOp::Kind::FillRect);
    EXPECT_EQ(ops[4].brush.color, QColor(clYellow));
    EXPECT_EQ(ops[5].kind, DrawOp::Kind::Rectangle);
    EXPECT_EQ(ops[5].pen.mode, PenMode::NotXor);
    EXPECT_EQ(ops[5].brush.style, BrushStyle::Clear);
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

TEST(SchriftrahmenLogik, TheSquaredPaperHasItsColumnsAndRows)
{
    int senkrecht = 0, waagerecht = 0;
    for (const Element& e : karopapier().teile)
        if (const auto* l = std::get_if<Linienzug>(&e)) {
            senkrecht += l->punkte.front().x() == l->punkte.back().x();
            waagerecht += l->punkte.front().y() == l->punkte.back().y();
        }
    EXPECT_EQ(senkrecht, 9);
    EXPECT_EQ(waagerecht, 5);
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
