#include "games/s_hm_logik.h"
#include "games/s_wraten.h"
#include "gruppenspieltest.h"
#include "platform/paintbox.h"
#include "support/keys.h"

// Word guessing, played from the games hub.
class WoerterratenTest : public GruppenspielTest {
protected:
    void SetUp() override
    {
        GruppenspielTest::SetUp();
        fenster = dynamic_cast<TForm62*>(Form62);
        ASSERT_NE(fenster, nullptr);
    }
    void spielen(const QStringList& spieler, int kategorie, int zeit, int ersterBuchstabe, int fehlschuesse,
        const std::function<void()>& imSpiel, const std::function<void()>& danach = {})
    {
        oeffnen(
            8,
            [&] {
                namen(spieler);
                waehlen(aufbau->wortwahl, kategorie);
                waehlen(aufbau->WR_Bot_LVR_Zeit, zeit);
                waehlen(aufbau->WR_Bu_zeigen, ersterBuchstabe);
                waehlen(aufbau->wr_fehl_zeig, fehlschuesse);
                klick(aufbau->Button2);
                if (danach) danach();
                aufbau->Button10->Click();
            },
            [&](Form&) { imSpiel(); });
    }
    void liste(const char* datei, const QByteArray& zeilen) { writeBytes(dataPath("WORTList/") + datei, zeilen); }
    void tippen(const QString& text) { typeText(fenster, text); }
    void weiter() { klick(fenster->startknopf); }
    // A letter that is not in the word.
    QChar fremd() const
    {
        for (QChar z : QStringLiteral("QXYJVÖÄÜ"))
            if (!fenster->wort().contains(z)) return z;
        return QChar();
    }

    TForm62* fenster = nullptr;
};

TEST_F(WoerterratenTest, ThreePlayersGuessLoseAndAbortAndTheTableShowsThem)
{
    spielen(
        { "Ali", "Bea", "Cem" }, 13, 1, 0, 0,
        [&] {
            // Ali: two misses, then the word in small letters.
            weiter();
            EXPECT_EQ(fenster->gefunden()[0], fenster->wort()[0]);
            tippen(fremd());
            tippen(fremd());
            EXPECT_EQ(fenster->fehler(), 2);
            grabToPng(fenster, QStringLiteral("s_wraten_mitten"));
            tippen(fenster->wort().toLower());
            EXPECT_EQ(fenster->zustand(), 1);
            EXPECT_EQ(fenster->fehler(), 2);
            grabToPng(fenster, QStringLiteral("s_wraten_gewonnen"));
            weiter();
            // Bea: eleven misses.
            weiter();
            for (int i = 0; i < 11; ++i)
                klick(fenster->buchstabenknopf(buchstabentaste::index(fremd()) + 1));
            EXPECT_EQ(fenster->zustand(), 1);
            EXPECT_EQ(spielerstatus[2], 140);
            weiter();
            // Cem gives up.
            weiter();
            QTest::keyClick(fenster, Qt::Key_Escape);
            weiter();
        },
        [&] {
            EXPECT_EQ(spielerstatus[1], 0);
            EXPECT_EQ(spielerstatus[3], 500);
            const auto tabelle = s_hm::siegerliste();
            ASSERT_EQ(tabelle.size(), 2u);
            EXPECT_EQ(tabelle[1].x, 150);
            grabToPng(aufbau, QStringLiteral("s_wraten_sieger"));
        });
}

TEST_F(WoerterratenTest, FoundLettersCostNothingAgainAndMissesDoEveryTime)
{
    liste("essen.txt", "ANANAS\r\n");
    spielen({ "Ali" }, 4, 3, 0, 1, [&] {
        weiter();
        EXPECT_EQ(fenster->gefunden(), QString("A#####"));
        tippen("a");
        EXPECT_EQ(fenster->gefunden(), QString("A#A#A#"));
        tippen("A");
        tippen(QString::fromUtf8("ß7"));
        EXPECT_EQ(fenster->fehler(), 0);
        tippen("xx");
        EXPECT_EQ(fenster->fehler(), 2);
        grabToPng(fenster, QStringLiteral("s_wraten_merken"));
        tippen("ns");
        EXPECT_EQ(fenster->zustand(), 1);
        weiter();
    });
}

TEST_F(WoerterratenTest, UnusableLinesAreNoWordsAndAMissingListStartsNoTurn)
{
    liste("lang.txt",
        "\r\nStra\xDF"
        "e\r\nHUND\r\n");
    spielen({ "Ali", "Bea" }, 14, 3, 1, 0, [&] { einzigesWortAbbrechen(fenster, fenster->endeknopf); });
    QFile::remove(dataPath("WORTList/lang.txt"));
    spielen({ "Ali" }, 14, 3, 1, 0, [&] {
        EXPECT_FALSE(fenster->startknopf->isVisible());
        EXPECT_EQ(spielernummer, 0);
        QTest::keyClick(fenster, Qt::Key_Escape);
        EXPECT_FALSE(fenster->isVisible());
    });
}

TEST_F(WoerterratenTest, TheTimeLimitLosesTheTurn)
{
    spielen({ "Ali" }, 2, 0, 1, 0, [&] { minuteAblaufen(fenster, 140); });
}
