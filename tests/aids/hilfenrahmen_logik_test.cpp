#include "aids/aufnahme.h"
#include "aids/hilfenrahmen_logik.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

using namespace hilfenrahmen;

namespace {

constexpr double kSekunde = 1.0 / 86400.0;

class HilfenrahmenLogikTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        mindestminuten = 5;
        mindestaufgaben = 10;
    }
};

QString arbeitszeitNach(double sekundenGesamt)
{
    zeitteileSetzen(sekundenGesamt * kSekunde);
    sekundenRunden();
    return arbeitszeittext(minuten, sekunden);
}

} // namespace

TEST_F(HilfenrahmenLogikTest, WorkingTimeIsRoundedToSecondsAndCountsAllMinutes)
{
    EXPECT_EQ(arbeitszeitNach(2 * 60 + 5.2), "2:05 min");
    EXPECT_EQ(arbeitszeitNach(2 * 60 + 5.7), "2:06 min");
    EXPECT_EQ(arbeitszeitNach(12 * 60 + 30.0), "12:30 min");
    EXPECT_EQ(arbeitszeitNach(2 * 60 + 9.0), "2:09 min");
    EXPECT_EQ(arbeitszeitNach(2 * 60 + 10.0), "2:10 min");
    // 59.6 s rounds up to a whole minute, not to "0:60"; 59 whole seconds stay in their minute.
    EXPECT_EQ(arbeitszeitNach(59.0), "0:59 min");
    EXPECT_EQ(minuten, 0);
    EXPECT_EQ(arbeitszeitNach(3 * 60 + 59.4), "3:59 min");
    EXPECT_EQ(arbeitszeitNach(60.0), "1:00 min");
    EXPECT_EQ(arbeitszeitNach(59.6), "1:00 min");
    EXPECT_EQ(arbeitszeitNach(4 * 60 + 59.5), "5:00 min");
    // A run of more than an hour keeps its hour.
    EXPECT_EQ(arbeitszeitNach(65 * 60), "65:00 min");
    EXPECT_EQ(stunden, 1);
}

// A run starts every counter and the clock afresh, a task its own counters; a finished task adds its inputs,
// its necessary ones only when it counts as right, and moves the clock on.
TEST_F(HilfenrahmenLogikTest, ARunAndItsTasksCountTheirInputsAndTime)
{
    anzahl = eingabengesamt = eingabenrichtig = noetiggesamt = hilfetasten = zeigetasten = 7;
    dauer = 1.0;
    stunden = minuten = sekunden = millisek = 7;
    laufBeginnen();
    EXPECT_EQ(QList<int>({ anzahl, eingabengesamt, eingabenrichtig, noetiggesamt, hilfetasten, zeigetasten, stunden,
                  minuten, sekunden, millisek }),
        QList<int>(10, 0));
    EXPECT_EQ(dauer, 0.0);
    EXPECT_EQ(startzeit, clockx::now());

    aufgabeneingaben = aufgabennoetig = 5;
    laufzeit = 1.0;
    hilfestufe = 2;
    aufgabeBeginnen();
    EXPECT_EQ(QList<int>({ aufgabeneingaben, aufgabennoetig, hilfestufe }), QList<int>(3, 0));
    EXPECT_EQ(laufzeit, 0.0);

    aufgabeneingaben = 4;
    aufgabennoetig = 3;
    clockx::TestClock::advance(90.4 * kSekunde);
    aufgabeGezaehlt(true);
    EXPECT_EQ(QList<int>({ anzahl, eingabengesamt, eingabenrichtig }), QList<int>({ 1, 4, 3 }));
    EXPECT_EQ(jetzt, clockx::now());
    EXPECT_NEAR(dauer, -90.4 * kSekunde, 1e-9);
    EXPECT_EQ(QList<int>({ minuten, sekunden, millisek }), QList<int>({ 1, 30, 400 }));
    // A task that does not count as right adds its inputs but none of them as right.
    aufgabeGezaehlt(false);
    EXPECT_EQ(QList<int>({ anzahl, eingabengesamt, eingabenrichtig }), QList<int>({ 2, 8, 3 }));

    clockx::TestClock::advance(3600.0 * kSekunde);
    endzeitNehmen();
    EXPECT_EQ(endzeit, clockx::now());
    EXPECT_NEAR(laufzeit, 3690.4 * kSekunde, 1e-9);
    EXPECT_EQ(QList<int>({ stunden, minuten, sekunden }), QList<int>({ 1, 61, 30 }));
    // The longest run a counter can hold is not shown as a short one when its seconds round up.
    minuten = 65535;
    sekunden = 59;
    millisek = 600;
    sekundenRunden();
    EXPECT_EQ(QList<int>({ minuten, sekunden, millisek }), QList<int>({ 65535, 0, 0 }));
}

TEST_F(HilfenrahmenLogikTest, TheAutomaticEndNeedsBothLimitsTheProtocolOne)
{
    EXPECT_FALSE(automatischesEnde(3, 10, 5, 10));
    EXPECT_FALSE(automatischesEnde(5, 9, 5, 10));
    EXPECT_TRUE(automatischesEnde(5, 10, 5, 10));
    EXPECT_TRUE(protokollErlaubt(2, 10, 5, 10));
    EXPECT_TRUE(protokollErlaubt(5, 0, 5, 10));
    EXPECT_FALSE(protokollErlaubt(4, 9, 5, 10));
    // A limit of 0 switches everything off.
    for (auto [mm, ma] : { std::pair { 0, 10 }, std::pair { 5, 0 }, std::pair { 0, 0 } }) {
        EXPECT_FALSE(limitsAktiv(mm, ma));
        EXPECT_FALSE(automatischesEnde(99, 99, mm, ma));
        EXPECT_FALSE(protokollErlaubt(99, 99, mm, ma));
    }
}

TEST_F(HilfenrahmenLogikTest, BarsAtThreeMinutesTenAndTenOfTenTasks)
{
    const Balken b = balkengeometrie(3, 10, 10, 5, 10);
    EXPECT_EQ(b.zeitgrund, QRect(QPoint(5, 7), QPoint(195, 44)));
    EXPECT_EQ(b.aufgabengrund, QRect(QPoint(5, 51), QPoint(195, 88)));
    EXPECT_EQ(b.zeitrechts, 5 + 190 * 190 / 300); // about two thirds
    EXPECT_EQ(b.aufgabenrechts, 195);
    // More than the limit runs past 195, where the white strip cuts it; a long run does not overflow.
    EXPECT_EQ(balkengeometrie(10, 0, 20, 5, 10).zeitrechts, 385);
    EXPECT_EQ(balkengeometrie(10, 0, 20, 5, 10).aufgabenrechts, 385);
    EXPECT_GT(balkengeometrie(65000, 59, 0, 1, 10).zeitrechts, 195);
    EXPECT_EQ(balkengeometrie(0, 0, 0, 5, 10).zeitrechts, 5);
    // Without a limit of tasks the tasks' bar fills its ground.
    const Balken ohne = balkengeometrie(1, 0, 3, 5, 0);
    EXPECT_EQ(ohne.aufgabenrechts, ohne.aufgabengrund.right());
}

TEST_F(HilfenrahmenLogikTest, BarsAreDrawnScaledAndCutAtTheEnd)
{
    QVector<DrawOp> ops;
    Canvas c(std::make_unique<Aufnahme>(ops));
    c.setMapMode(MapMode::LoMetric);
    balkenZeichnen(c, balkengeometrie(3, 10, 10, 5, 10), 2.0f, 0.5f);
    QStringList rechtecke;
    QStringList texte;
    for (const DrawOp& op : ops) {
        EXPECT_EQ(op.mapMode, MapMode::Pixels);
        if (op.kind == DrawOp::Kind::Rectangle)
            rechtecke << QStringLiteral("%1,%2,%3,%4 %5")
                             .arg(op.points[0].x())
                             .arg(op.points[0].y())
                             .arg(op.points[1].x())
                             .arg(op.points[1].y())
                             .arg(op.brush.color.name());
        if (op.kind == DrawOp::Kind::Text) {
            texte << op.text;
            EXPECT_EQ(op.font.color, clWhite);
            EXPECT_EQ(op.font.height, 12); // Round(23 * 0.5)
            EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Center);
            EXPECT_FALSE(op.font.bold || op.font.italic || op.font.underline || op.font.strikeOut);
        }
    }
    EXPECT_EQ(rechtecke,
        QStringList({ "0,0,400,48 #ffffff", "10,4,390,22 #ff0000", "10,26,390,44 #ff0000", "10,4,250,22 #008000",
            "10,26,390,44 #008000", "390,0,400,48 #ffffff" }));
    EXPECT_EQ(texte, QStringList({ " Zeit ", " Aufgaben " }));
}

TEST_F(HilfenrahmenLogikTest, ProtocolLinesTwoToTwelve)
{
    Protokollangaben a;
    a.titel = QStringLiteral("im 100er-Feld: Zahl nennen");
    a.zeile10 = Protokollangaben::Falsch::ohneHilfetasten;
    a.zeile11 = hilfetastenzeile(2);
    Stand s;
    s.mindestminuten = 5;
    s.mindestaufgaben = 10;
    s.minuten = 2;
    s.sekunden = 5;
    s.anzahl = 10;
    s.eingabengesamt = 30;
    s.eingabenrichtig = 20;
    s.hilfetasten = 2;
    EXPECT_EQ(protokollzeilen(a, s),
        QStringList(
            { "Programm:              im 100er-Feld: Zahl nennen", "Vorgaben:              5 Minute(n), 10 Aufgabe(n)",
                "Schwierigkeitsstufe:   ---", "", "Arbeitszeit:           2:05 min", "bearbeitete Aufgaben:  10",
                "Eingaben, gesamt:      30", "davon: richtig/nötig:  20  ~ 66 %  (Ziel: 100 %)",
                "       falsch/unnötig: 8", "       Hilfetaste(n):  2", "" }));
}

TEST_F(HilfenrahmenLogikTest, ProtocolLinesWithoutInputsOrWithTakenBackPresses)
{
    Protokollangaben a;
    a.zeile10 = Protokollangaben::Falsch::ohneHilfeUndZeigetasten;
    Stand s;
    QStringList z = protokollzeilen(a, s);
    EXPECT_EQ(z[7], "davon: richtig/nötig:  0  ~ 0 %  (Ziel: 100 %)");
    EXPECT_EQ(z[8], "       falsch/unnötig: 0");
    // Help and show presses beyond the wrong inputs never make the count negative.
    s.eingabengesamt = 3;
    s.eingabenrichtig = 2;
    s.hilfetasten = 2;
    s.zeigetasten = 1;
    EXPECT_EQ(protokollzeilen(a, s)[8], "       falsch/unnötig: 0");
    s.eingabenrichtig = 5;
    a.zeile10 = Protokollangaben::Falsch::ohneAbzug;
    EXPECT_EQ(protokollzeilen(a, s)[8], "       falsch/unnötig: 0");
    // Only the aids that count show presses as inputs take them off; a count taken back below 0 adds nothing.
    s.eingabenrichtig = 0;
    s.hilfetasten = 1;
    s.zeigetasten = 2;
    EXPECT_EQ(protokollzeilen(a, s)[8], "       falsch/unnötig: 3");
    a.zeile10 = Protokollangaben::Falsch::ohneHilfetasten;
    EXPECT_EQ(protokollzeilen(a, s)[8], "       falsch/unnötig: 2");
    a.zeile10 = Protokollangaben::Falsch::ohneHilfeUndZeigetasten;
    EXPECT_EQ(protokollzeilen(a, s)[8], "       falsch/unnötig: 0");
    s.hilfetasten = -1;
    s.zeigetasten = -2;
    EXPECT_EQ(protokollzeilen(a, s)[8], "       falsch/unnötig: 3");
    s.eingabenrichtig = 5;
    a.zeile10 = Protokollangaben::Falsch::leer;
    a.zeile9 = prozentzeile(QStringLiteral("davon richtig (nötig): "), 4, 3);
    z = protokollzeilen(a, s);
    EXPECT_EQ(z[7], "davon richtig (nötig): 4  ~ 133 %  (Ziel: 100 %)");
    EXPECT_EQ(z[8], "");
    a.titel = QString(200, u'x');
    EXPECT_EQ(protokollzeilen(a, s)[0].size(), 100);
}

TEST_F(HilfenrahmenLogikTest, ProtocolIsWrittenIntoTheRecordFromTheCounters)
{
    protzeilen[0] = QStringLiteral("bleibt");
    protzeilen[13] = QStringLiteral("bleibt auch");
    zeitteileSetzen(59.6 * kSekunde);
    hilfetasten = -2;
    protokollVorbereiten();
    EXPECT_EQ(hilfetasten, 0);
    Protokollangaben a;
    a.titel = QStringLiteral("Test");
    protokollSchreiben(a);
    EXPECT_EQ(protzeilen[2], "Programm:              Test");
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           1:00 min");
    EXPECT_EQ(protzeilen[0], "bleibt");
    EXPECT_EQ(protzeilen[13], "bleibt auch");
}

TEST(TastenTest, KeyRoutingAndFilters)
{
    using namespace tasten;
    EXPECT_EQ(tastenweiche(QChar(8)).ziel, Ziel::loeschen);
    EXPECT_EQ(tastenweiche(QChar(13)).ziel, Ziel::eingabe);
    EXPECT_EQ(tastenweiche(QChar(27)).ziel, Ziel::ende);
    EXPECT_EQ(tastenweiche(QLatin1Char('7')).ziffer, 7);
    // Every digit and nothing next to them.
    EXPECT_EQ(tastenweiche(QLatin1Char('0')).ziel, Ziel::ziffer);
    EXPECT_EQ(tastenweiche(QLatin1Char('0')).ziffer, 0);
    EXPECT_EQ(tastenweiche(QLatin1Char('9')).ziffer, 9);
    EXPECT_EQ(tastenweiche(QLatin1Char('/')).ziel, Ziel::keins);
    EXPECT_EQ(tastenweiche(QLatin1Char(':')).ziel, Ziel::keins);
    EXPECT_EQ(tastenweiche(QLatin1Char('a')).ziel, Ziel::keins);
    EXPECT_EQ(tastenweiche(QChar(u'²')).ziel, Ziel::keins);

    EXPECT_FALSE(pftast(36));
    EXPECT_TRUE(pftast(37));
    EXPECT_TRUE(pftast(40));
    EXPECT_FALSE(pftast(41));
}
