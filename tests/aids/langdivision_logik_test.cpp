#include "aids/langdivision_logik.h"
#include "platform/colors.h"

#include <gtest/gtest.h>

using namespace langdivision;

namespace {

std::vector<schrift::Schrift> schriften(const schrift::Bild& b)
{
    std::vector<schrift::Schrift> s;
    for (const schrift::Element& e : b.teile)
        if (const auto* t = std::get_if<schrift::Schrift>(&e)) s.push_back(*t);
    return s;
}

} // namespace

// A step whose character is a leading "0" falls away only where the plan says so, and only that one step.
TEST(Langdivision, TheNextStepSkipsOnlyAPlannedLeadingZero)
{
    Schrittplan p;
    p.zeichen = QStringLiteral("3007");
    p.plaetze = { { 10, 1 }, { 20, 2 }, { 30, 3 }, { 40, 4 } };
    p.nullWeg = { 2, 3 };
    EXPECT_EQ(p.ende(), 5);
    EXPECT_EQ(p.naechster(1), 3);
    EXPECT_EQ(p.naechster(2), 4);
    EXPECT_EQ(p.naechster(3), 4);
    p.nullWeg = { 4 };
    EXPECT_EQ(p.naechster(3), 4); // the 7 stays
    EXPECT_EQ(p.naechster(1), 2); // a zero not planned to fall away stays
    EXPECT_EQ(p.soll(1), u'3');
    EXPECT_EQ(p.soll(4), u'7');
    EXPECT_TRUE(p.soll(0).isNull());
    EXPECT_TRUE(p.soll(5).isNull());
    EXPECT_EQ(p.platz(1), QPoint(10, 1));
    EXPECT_EQ(p.platz(4), QPoint(40, 4));
    EXPECT_EQ(p.platz(0), QPoint());
    EXPECT_EQ(p.platz(5), QPoint());
}

// A right character replaces the help's red "?" at its place; the arrow brings a digit down from the task row.
TEST(Langdivision, EntriesQuestionMarksAndTheArrowStandAtTheirStep)
{
    const QPoint platz(300, 400);
    const auto e = schriften(eintrag(platz, u'5'));
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].text, "?");
    EXPECT_EQ(e[0].farbe, QColor(clWhite));
    EXPECT_EQ(e[1].text, "5");
    EXPECT_EQ(e[1].farbe, QColor(clBlue));
    const auto f = schriften(fragezeichen(platz));
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].farbe, QColor(clRed));
    for (const auto& s : { e[0], e[1], f[0] }) {
        EXPECT_EQ(QPoint(s.x, s.y), platz);
        EXPECT_FALSE(s.grund.has_value());
    }
    const schrift::Bild pfeil = herunterholen(platz);
    const auto& weg = std::get<schrift::Linienzug>(pfeil.teile.at(0)).punkte;
    EXPECT_EQ(weg.last(), platz);
    EXPECT_EQ(weg.first(), QPoint(300, 115));
    // The head opens back upwards from the tip, so the arrow points down at the place the digit comes to.
    for (size_t i : { size_t(1), size_t(2) })
        EXPECT_LT(std::get<schrift::Linienzug>(pfeil.teile.at(i)).punkte.last().y(), platz.y());
}

TEST(Langdivision, MessagesHelpLinesAndTheShownCharacter)
{
    EXPECT_EQ(
        meldungsbild(Meldung { QStringLiteral("erst die Zehner!") }, u'4').texte(), QStringList { "erst die Zehner!" });
    EXPECT_EQ(
        meldungsbild(Meldung {}, u'4').texte(), (QStringList { "Die 4 war falsch.", "Überlege neu oder hole Hilfe." }));
    // Empty lines leave their height free; lines beyond the heights are not drawn.
    const auto h = schriften(hilfezeilen({ "a", "", "c", "d" }, { 60, 150, 210 }));
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0].y, 60);
    EXPECT_EQ(h[1].y, 210);
    EXPECT_EQ(h[1].text, "c");
    const schrift::Bild z = zeigen(QRect(QPoint(5, 100), QPoint(200, 300)), u'8');
    EXPECT_EQ(z.texte(), QStringList { "Tippe: 8" });
    const auto r = std::get<schrift::Rechteck>(z.teile.at(0));
    EXPECT_EQ(QRect(QPoint(r.links, r.oben), QPoint(r.rechts, r.unten)), QRect(QPoint(5, 100), QPoint(200, 300)));
    EXPECT_EQ(ohneNull(u'0'), " ");
    EXPECT_EQ(ohneNull(u'7'), "7");
}

TEST(Langdivision, TheRecordNamesTheKindWithOrWithoutRemainder)
{
    const hilfenrahmen::Protokollangaben mit
        = protokollangaben(QStringLiteral("THZE : E"), true, QStringLiteral(" zwei Zwischenreste"), 8, 10, 2, 1);
    EXPECT_EQ(mit.titel, "schriftlich, ausführlich ");
    EXPECT_EQ(mit.zeile4, "Rechenart:             THZE : E  mit Rest");
    EXPECT_EQ(mit.zeile5, "Schwierigkeitsgrad:    zwei Zwischenreste");
    EXPECT_EQ(mit.zeile10label, "       falsch:         ");
    EXPECT_EQ(protokollangaben(QStringLiteral("THZE : ZE"), false, QString(), 0, 0, 0, 0).zeile4,
        "Rechenart:             THZE : ZE  ohne Rest");
}
