#include "games/s_15gewinnt.h"
#include "games/s_tic.h"
#include "games/s_tictactoe.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"
#include "support/programm.h"

#include <QTest>

// The partner games from the games hub of the program's own windows.
class PartnerspieleTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        hub = dynamic_cast<TForm41*>(Form41);
        einrichtung = dynamic_cast<TForm44*>(Form44);
        ttt = dynamic_cast<TForm46*>(Form46);
        fuenfzehn = dynamic_cast<TForm56*>(Form56);
        ASSERT_TRUE(hub && einrichtung && ttt && fuenfzehn);
        letztersieger = 0;
    }
    static void tippen(Form& f, const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(&f, c.toLatin1());
    }

    TForm41* hub = nullptr;
    TForm44* einrichtung = nullptr;
    TForm46* ttt = nullptr;
    TForm56* fuenfzehn = nullptr;
};

TEST_F(PartnerspieleTest, TheSetUpShowsTheKeptKindAndStartKeepsTheNewOne)
{
    const QByteArray vorher = readBytes(dataPath("sw.ina"));
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button3->Click();
        } else if (&f == einrichtung) {
            EXPECT_EQ(einrichtung->ListBox2->ItemIndex(), 6);
            EXPECT_TRUE(einrichtung->Button2->isEnabled());
            einrichtung->Edit1->setText("MAXIMILIAN");
            QTest::mouseClick(einrichtung->ListBox2->viewport(), Qt::LeftButton, {},
                einrichtung->ListBox2->visualItemRect(einrichtung->ListBox2->item(9)).center());
            einrichtung->Button2->Click();
            grabToPng(einrichtung, "s_tic_3");
            einrichtung->Button4->Click();
            EXPECT_TRUE(einrichtung->Anleitungtic->isVisible());
            EXPECT_FALSE(einrichtung->Button2->isVisible());
            QTest::keyClick(einrichtung, Qt::Key_Escape);
            EXPECT_FALSE(einrichtung->Anleitungtic->isVisible());
            EXPECT_TRUE(einrichtung->isShownModally());
            QTest::keyClick(einrichtung, Qt::Key_Escape);
        } else if (&f == ttt) {
            EXPECT_EQ(QString(spielername1), "MAXIMI");
            EXPECT_EQ(ttt->brett().titel, QString("nimm %1 weg").arg(ttt->brett().n));
            ttt->Button1->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, einrichtung, ttt }));
    QByteArray erwartet = vorher;
    erwartet.replace("tic\r\n6\r\n", "tic\r\n9\r\n");
    EXPECT_EQ(readBytes(dataPath("sw.ina")), erwartet);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(PartnerspieleTest, TheTargetGameTakesAComputerADirectionAndTwoNumbers)
{
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button26->Click();
        } else if (&f == einrichtung) {
            QTest::mouseClick(einrichtung->gegenpcdumm, Qt::LeftButton);
            QTest::mouseClick(einrichtung->gegenpcschlau, Qt::LeftButton);
            EXPECT_FALSE(einrichtung->gegenpcdumm->Checked());
            EXPECT_TRUE(einrichtung->gegenpcschlau->Checked());
            EXPECT_EQ(einrichtung->Edit2->text(), "PC");
            EXPECT_FALSE(einrichtung->Edit2->isEnabled());
            EXPECT_EQ(spieloption, 2);
            QTest::mouseClick(einrichtung->Richtung->button(1), Qt::LeftButton);
            einrichtung->edit3->setText("11");
            EXPECT_FALSE(einrichtung->Button2->isEnabled());
            einrichtung->edit3->setText("3");
            EXPECT_TRUE(einrichtung->Button2->isEnabled());
            EXPECT_LT(einrichtung->Edit4->y(), einrichtung->edit3->y());
            EXPECT_EQ(einrichtung->Label8->caption(), "Start: (40 ... 50)");
            grabToPng(einrichtung, "s_tic_26");
            einrichtung->Button2->Click();
            einrichtung->Button1->Click();
        }
    });
    EXPECT_TRUE(readBytes(dataPath("sw.ina")).startsWith("TAVI Einstellungen Spiele\r\nnicht von Hand \xe4ndern\r\nziel\r\n1 2 3 45\r\n"));
}

TEST_F(PartnerspieleTest, TicTacToeAMiddleColumnWinsAMissPassesAndSixPointsEndTheGame)
{
    spieloption = 0; // ergänze zur 10
    spielername1 = "ROT";
    spielername2 = "BLAU";
    zeigen(ttt, [&](Form& f) {
        const auto antwort = [&](int k) { return QString::number(10 - ttt->brett().gezeigt[std::size_t(k)]); };
        const auto zug = [&](int k) {
            tippen(f, antwort(k));
            QTest::keyClick(&f, Qt::Key_Return);
        };
        for (int satz = 0; satz < 3; ++satz) {
            const QString beginnt = amzug;
            // A miss: the partner of a number the board does not show.
            int fehlt = 0;
            while (ttt->feldMit(fehlt)) ++fehlt;
            tippen(f, QString::number(10 - fehlt));
            QTest::keyClick(&f, Qt::Key_Return);
            EXPECT_NE(QString(amzug), beginnt);
            // The other player takes the middle column: 2, (1), 5, (4), 8.
            for (int k : { 2, 1, 5, 4, 8 })
                zug(k);
            EXPECT_EQ(gewonnen, 1);
            EXPECT_EQ(punkte1 + punkte2, 2 * (satz + 1));
            EXPECT_TRUE(ttt->Button2->isVisible());
            EXPECT_FALSE(ttt->tasten->Rechner->isVisible());
            if (satz == 0) grabToPng(ttt, "s_tictactoe_satz");
            if (satz < 2) ttt->Button2->Click();
        }
        EXPECT_EQ(ttt->Button2->caption(), "Rückspiel?");
        EXPECT_EQ(spielende, 1);
        grabToPng(ttt, "s_tictactoe_ende");
        ttt->Button2->Click();
        EXPECT_EQ(punkte1 + punkte2, 0);
        ttt->Button1->Click();
    });
    EXPECT_NE(letztersieger, 0);
}

TEST_F(PartnerspieleTest, FifteenWinsALineOfFifteenScoresForWhoeverSetsItsLastStone)
{
    spielername1 = "ANNA";
    spielername2 = "BEN";
    zeigen(fuenfzehn, [&](Form& f) {
        const QString beginnt = amzug;
        // Odd stones 9 and 1 and the even 4 elsewhere, then the beginner's 5 in the middle: 9 + 5 + 1.
        fuenfzehn->feld(2)->Click();
        QTest::keyClick(&f, '9');
        EXPECT_EQ(fuenfzehn->feld(2)->caption(), "9");
        fuenfzehn->feld(4)->Click();
        fuenfzehn->feld(6)->Click();
        EXPECT_EQ(fuenfzehn->feld(4)->caption(), "");
        QTest::keyClick(&f, '4');
        fuenfzehn->feld(8)->Click();
        QTest::keyClick(&f, '1');
        fuenfzehn->feld(1)->Click();
        QTest::keyClick(&f, '6');
        fuenfzehn->feld(5)->Click();
        QTest::keyClick(&f, '5');
        EXPECT_EQ(gewonnen, 2);
        EXPECT_EQ(QString(amzug), beginnt);
        EXPECT_EQ(beginnt == "rot" ? punkte1 : punkte2, 2);
        EXPECT_TRUE(fuenfzehn->Button20->isVisible());
        grabToPng(fuenfzehn, "s_15gewinnt_satz");
        fuenfzehn->Button20->Click();
        EXPECT_NE(QString(amzug), beginnt); // the loser begins
        fuenfzehn->Button10->Click();
    });
}

// Between turns both stone panels take no input, yet each player must still see which of his stones are left.
TEST_F(PartnerspieleTest, FifteenWinsShowsUsedStonesGreyAndTheOthersAvailable)
{
    const auto schwarzeTeile = [](Button* stein) {
        const QImage bild = stein->grab().toImage();
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += (bild.pixel(x, y) & 0xffffff) == 0;
        return n;
    };
    zeigen(fuenfzehn, [&](Form& f) {
        fuenfzehn->feld(2)->Click();
        QTest::keyClick(&f, '9');
        fuenfzehn->feld(4)->Click();
        QTest::keyClick(&f, '4');
        EXPECT_FALSE(fuenfzehn->stein(1)->parentWidget()->isEnabled());
        EXPECT_FALSE(fuenfzehn->stein(2)->parentWidget()->isEnabled());
        for (int d = 1; d <= 9; ++d)
            EXPECT_EQ(schwarzeTeile(fuenfzehn->stein(d)) > 0, d != 9 && d != 4) << d;
        fuenfzehn->Button10->Click();
    });
    // A new game gives every stone back.
    zeigen(fuenfzehn, [&](Form&) {
        for (int d = 1; d <= 9; ++d)
            EXPECT_GT(schwarzeTeile(fuenfzehn->stein(d)), 0) << d;
        fuenfzehn->Button10->Click();
    });
}
