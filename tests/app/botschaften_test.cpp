#include "games/s_botsch.h"
#include "games/s_hm_logik.h"
#include "gruppenspieltest.h"
#include "platform/paintbox.h"
#include "support/keys.h"

// Messages, played from the games hub.
class BotschaftenTest : public GruppenspielTest {
protected:
    void SetUp() override
    {
        GruppenspielTest::SetUp();
        fenster = dynamic_cast<TForm60*>(Form60);
        ASSERT_NE(fenster, nullptr);
    }
    // The set-up: names, kind and time, then Start; `imSpiel` plays, `danach` looks at the set-up window.
    void spielen(const QStringList& spieler, int art, int zeit, const std::function<void()>& imSpiel,
        const std::function<void()>& danach = {})
    {
        oeffnen(
            6,
            [&] {
                namen(spieler);
                waehlen(aufbau->Bot_RArten, art);
                waehlen(aufbau->WR_Bot_LVR_Zeit, zeit);
                klick(aufbau->Button2);
                if (danach) danach();
                aufbau->Button10->Click();
            },
            [&](Form&) { imSpiel(); });
    }
    void liste(const QByteArray& zeilen) { writeBytes(dataPath("WORTList/kurz.txt"), zeilen); }
    QString botschaft() const { return fenster->wort().left(5); }
    // A letter of the keyboard other than the one expected next.
    QChar falsch(int k) const { return botschaft()[k] == QLatin1Char('Q') ? QLatin1Char('W') : QLatin1Char('Q'); }
    void tippen(QChar z) { typeText(fenster, QString(z)); }
    void weiter() { klick(fenster->startknopf); }

    TForm60* fenster = nullptr;
};

TEST_F(BotschaftenTest, ThreePlayersDecodeLoseAndAbortAndTheTableShowsThem)
{
    for (int art : { 0, 5, 7 }) {
        spielen(
            { "Ali", "Bea", "Cem" }, art, 1,
            [&] {
                EXPECT_EQ(spielernummer, 1);
                EXPECT_EQ(fenster->zustand(), 0);
                tippen('A'); // before Start nothing counts
                EXPECT_EQ(fenster->fehler(), 0);
                weiter();
                ASSERT_EQ(int(fenster->aufgabenliste().size()), botschaft().size());
                // Ali: one wrong letter, then the message in small letters.
                klick(fenster->buchstabenknopf(buchstabentaste::index(falsch(0)) + 1));
                EXPECT_EQ(fenster->fehler(), 1);
                for (int k = 0; k < botschaft().size(); ++k) {
                    typeText(fenster, botschaft().mid(k, 1).toLower());
                    if (k == 1) grabToPng(fenster, QStringLiteral("s_botsch_%1_mitten").arg(art));
                }
                EXPECT_EQ(fenster->zustand(), 1);
                EXPECT_EQ(spielerstatus[1], 0);
                weiter();
                // Bea: eleven wrong letters.
                weiter();
                for (int i = 0; i < 10; ++i)
                    tippen(falsch(0));
                EXPECT_EQ(fenster->zustand(), 4);
                tippen(falsch(0));
                EXPECT_EQ(fenster->zustand(), 1);
                EXPECT_EQ(spielerstatus[2], 150);
                grabToPng(fenster, QStringLiteral("s_botsch_%1_verloren").arg(art));
                weiter();
                // Cem gives up before Start.
                QTest::keyClick(fenster, Qt::Key_Escape);
                EXPECT_EQ(spielerstatus[3], 500);
                weiter();
            },
            [&] {
                EXPECT_TRUE(aufbau->sieger->isVisible());
                const auto tabelle = s_hm::siegerliste();
                ASSERT_EQ(tabelle.size(), 2u);
                EXPECT_EQ(tabelle[0].x, 10);
                EXPECT_EQ(tabelle[1].x, 160);
                if (art == 0) grabToPng(aufbau, QStringLiteral("s_botsch_sieger"));
            });
    }
}

TEST_F(BotschaftenTest, LongWordsGiveFiveTasksAndAmbiguousResultsCostStrokes)
{
    liste("DEYSCHMETTER\r\n");
    spielen({ "Ali" }, 7, 3, [&] {
        EXPECT_EQ(fenster->wort(), QString("DEYSCHMETTER"));
        weiter();
        ASSERT_EQ(fenster->aufgabenliste().size(), 5u);
        EXPECT_EQ(fenster->aufgabenliste()[0].r, 2);
        tippen('E');
        tippen('Y');
        EXPECT_EQ(fenster->fehler(), 2);
        tippen('D');
        tippen('E');
        EXPECT_EQ(fenster->fehler(), 2);
        typeText(fenster, QString::fromUtf8("ß5-"));
        EXPECT_EQ(fenster->fehler(), 2);
        typeText(fenster, "ysc");
        EXPECT_EQ(fenster->zustand(), 1);
        weiter();
    });
}

TEST_F(BotschaftenTest, UnusableLinesAreNoWordsAndWithoutWordsNoTurnStarts)
{
    liste("\r\nStra\xDF"
          "e\r\nHUND\r\n");
    spielen({ "Ali", "Bea" }, 0, 3, [&] { einzigesWortAbbrechen(fenster, fenster->Button31); });
    QFile::remove(dataPath("WORTList/kurz.txt"));
    bool offen = false;
    spielen(
        { "Ali" }, 0, 3,
        [&] {
            EXPECT_FALSE(fenster->startknopf->isVisible());
            EXPECT_EQ(spielernummer, 0);
            grabToPng(fenster, QStringLiteral("s_botsch_ohne_woerter"));
            QTest::keyClick(fenster, Qt::Key_Escape);
            offen = fenster->isVisible();
        },
        [&] { EXPECT_TRUE(aufbau->spielerpanel->isVisible()); });
    EXPECT_FALSE(offen);
}

TEST_F(BotschaftenTest, TheTimeLimitLosesTheTurn)
{
    spielen({ "Ali" }, 1, 0, [&] { minuteAblaufen(fenster, 150); });
}
