#include "games/s_1x1flip.h"
#include "games/s_hm_logik.h"
#include "gruppenspieltest.h"
#include "platform/paintbox.h"
#include "support/keys.h"
#include "support/pdf.h"

// The 1x1 flipper played from the games hub, and its printed evaluation.
class FlipperTest : public GruppenspielTest {
protected:
    void SetUp() override
    {
        GruppenspielTest::SetUp();
        fenster = dynamic_cast<TForm61*>(Form61);
        ASSERT_NE(fenster, nullptr);
    }
    void spielen(const QStringList& spieler, int reihe, int zeit, const std::function<void()>& imSpiel,
        const std::function<void()>& danach)
    {
        oeffnen(
            7,
            [&] {
                namen(spieler);
                waehlen(aufbau->flip_welche, reihe - 2);
                waehlen(aufbau->flip_zeiten, zeit);
                klick(aufbau->Button2);
                danach();
                aufbau->Button10->Click();
            },
            [&](Form&) { imSpiel(); });
    }
    // Answers the waiting number, by arrow key or button, right or wrong.
    void antworten(bool richtig, bool taste)
    {
        const bool inReihe = fenster->wartendeZahl() % fenster->reihe() == 0;
        const bool ja = richtig == inReihe;
        if (taste)
            pressKey(fenster, ja ? Qt::Key_Right : Qt::Key_Left);
        else
            klick(ja ? fenster->Button4 : fenster->Button3);
    }

    TForm61* fenster = nullptr;
};

TEST_F(FlipperTest, OnePlayerWinsOneLosesAndTheEvaluationIsPrinted)
{
    spielen(
        { "Ali", "Bea" }, 4, 1,
        [&] {
            // Nothing counts before Start.
            klick(fenster->Button4);
            pressKey(fenster, Qt::Key_Left);
            EXPECT_EQ(flipzaehler[1][0] + flipzaehler[1][1] + flipzaehler[1][3], 0);
            klick(fenster->Button8);
            // Ali: seven errors among the twenty numbers.
            for (int i = 0; i < 20; ++i) {
                ASSERT_NE(fenster->wartendeZahl(), 0) << i;
                antworten(i >= 7, i % 2 == 0);
                if (i == 9) grabToPng(fenster, QStringLiteral("s_1x1flip_mitten"));
            }
            EXPECT_EQ(fenster->wartendeZahl(), 0);
            EXPECT_EQ(fenster->fehler(), 9);
            EXPECT_EQ(spielerstatus[1], 0);
            EXPECT_TRUE(fenster->Button2->isVisible());
            grabToPng(fenster, QStringLiteral("s_1x1flip_geschafft"));
            klick(fenster->Button4); // after the turn: nothing
            klick(fenster->Button2);
            // Bea: the eighth error ends the turn.
            klick(fenster->Button8);
            for (int i = 0; i < 8; ++i)
                antworten(false, true);
            EXPECT_EQ(fenster->fehler(), 11);
            EXPECT_EQ(spielerstatus[2], 140);
            EXPECT_EQ(fenster->wartendeZahl(), 0);
            klick(fenster->Button2);
        },
        [&] {
            EXPECT_TRUE(aufbau->dokuflip->isVisible());
            const int zaehlungen = flipzaehler[1][0] + flipzaehler[1][1] + flipzaehler[1][2] + flipzaehler[1][3];
            EXPECT_EQ(zaehlungen, 20);
            EXPECT_EQ(flipzaehler[1][2] + flipzaehler[1][3], 7);
            grabToPng(aufbau, QStringLiteral("s_1x1flip_sieger"));
            klick(aufbau->Button1);
            EXPECT_FALSE(aufbau->dokuflip->isVisible());
            EXPECT_TRUE(aufbau->spielerpanel->isVisible());
            const QStringList pdf = pdfFiles(qEnvironmentVariable("TAVI_DRUCKORDNER"));
            ASSERT_EQ(pdf.size(), 1);
            // The text as the PDF reader lays it out: the heading's exact blanks are the model's test.
            const QString text = pdfText(pdf[0]).simplified();
            EXPECT_TRUE(text.contains("Zeitbegrenzung: 2 Sekunden")) << text.toStdString();
            EXPECT_TRUE(text.contains("Ali hat gewonnen:"));
            EXPECT_TRUE(text.contains("Bea hat verloren:"));
            EXPECT_TRUE(text.contains("mal die Zeitbegrenzung nicht eingehalten:"));
            QFile::remove(QStringLiteral(TAVI_TEST_OUTPUT "/s_1x1flip_auswertung.pdf"));
            QFile::copy(pdf[0], QStringLiteral(TAVI_TEST_OUTPUT "/s_1x1flip_auswertung.pdf"));
        });
}

TEST_F(FlipperTest, TheTimeLimitCostsAnErrorAndAnAbortAfterALossCounts500)
{
    spielen(
        { "Ali" }, 2, 0,
        [&] {
            klick(fenster->Button8);
            for (int i = 1; i < 10; ++i)
                fenster->Timer1->trigger();
            EXPECT_EQ(fenster->fehler(), 0);
            fenster->Timer1->trigger();
            EXPECT_EQ(fenster->fehler(), 1);
            EXPECT_EQ(flipzaehler[1][4], 1);
            EXPECT_NE(fenster->wartendeZahl(), 0); // the next number
            for (int i = 0; i < 7; ++i)
                antworten(false, false);
            EXPECT_EQ(spielerstatus[1], 140);
            QTest::keyClick(fenster, Qt::Key_Escape); // disabled after the turn
            EXPECT_EQ(spielerstatus[1], 140);
            klick(fenster->Button2);
        },
        [&] {});
    spielen(
        { "Ali" }, 3, 3,
        [&] {
            klick(fenster->Button8);
            for (int i = 0; i < 8; ++i)
                antworten(false, false);
            EXPECT_EQ(spielerstatus[1], 140);
            fenster->Button1->Click(); // by code, as after a loss
            EXPECT_EQ(spielerstatus[1], 500);
            klick(fenster->Button2);
        },
        [&] {
            EXPECT_TRUE(s_hm::siegerliste().empty());
            klick(aufbau->Button1);
            const QString text = pdfText(pdfFiles(qEnvironmentVariable("TAVI_DRUCKORDNER")).value(0));
            EXPECT_TRUE(text.contains("Ali hat nicht begonnen oder vorzeitig abgebrochen.")) << text.toStdString();
            EXPECT_FALSE(text.contains("Zeitbegrenzung nicht eingehalten"));
        });
}
