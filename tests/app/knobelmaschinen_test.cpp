#include "games/s_KP.h"
#include "games/s_bufeld.h"
#include "games/s_masch.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"

#include <QTest>

// The machines and the coloured table as the games hub and the puzzle launcher open them.
class KnobelmaschinenTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        hub = dynamic_cast<TForm41*>(Form41);
        kp = dynamic_cast<TForm42*>(Form42);
        maschinen = dynamic_cast<TForm51*>(Form51);
        bunt = dynamic_cast<TForm52*>(Form52);
        ASSERT_TRUE(hub && kp && maschinen && bunt);
    }
    void klicken(ListBox* liste, int zeile)
    {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(zeile)).center());
    }
    TForm41* hub = nullptr;
    TForm42* kp = nullptr;
    TForm51* maschinen = nullptr;
    TForm52* bunt = nullptr;
};

TEST_F(KnobelmaschinenTest, OneAndTwoMachinesTakeThePoolTheLauncherBuilt)
{
    int spiel = 0;
    int geoeffnet = 0;
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            spiel = 12;
            hub->Button12->Click();
            spiel = 1;
            hub->Button1->Click();
        } else if (&f == kp) {
            if (spiel == 12) {
                for (int i = 1; i <= 3; ++i) // only "+" stays
                    klicken(kp->ListBox1, i);
            }
            kp->Button2->Click();
        } else if (&f == maschinen) {
            ++geoeffnet;
            EXPECT_EQ(operatorzahl, 10);
            EXPECT_EQ(maschinen->maschine1().op, u'+');
            EXPECT_EQ(maschinen->Button1->caption(), "bitte eine &Eingabe!");
            EXPECT_FALSE(maschinen->Button2->isEnabled());
            if (spiel == 12) {
                EXPECT_FALSE(maschinen->Button10->isVisible());
                EXPECT_EQ(maschinen->Button3->caption(), "ich weiß, was die &Maschine tut!");
            } else {
                EXPECT_TRUE(maschinen->Button10->isVisible());
                EXPECT_EQ(maschinen->maschine2().op, u'+');
                EXPECT_EQ(maschinen->Button3->caption(), "ich weiß, was die &Maschinen tun!");
            }
            QTest::keyClick(maschinen, Qt::Key_Escape);
        }
    });
    EXPECT_EQ(geoeffnet, 2);
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, kp, maschinen, kp, maschinen }));
    EXPECT_TRUE(readBytes(dataPath("sw.ina")).contains("masch\r\n0 -1 -1 -1 0 1 2 3 4 5 6 7 8 9\r\n"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(KnobelmaschinenTest, TheTableTakesTheOperationAndShuffledEdges)
{
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button13->Click();
        } else if (&f == kp) {
            QTest::mouseClick(kp->RadioGroup4->button(2), Qt::LeftButton);
            QTest::mouseClick(kp->RadioGroup3->button(1), Qt::LeftButton);
            kp->Button2->Click();
        } else if (&f == bunt) {
            EXPECT_TRUE(mousetrap::current().has_value());
            for (int i = 0; i <= 10; ++i) {
                EXPECT_NE(bunt->zeilenrand()[size_t(i)], i);
                EXPECT_NE(bunt->spaltenrand()[size_t(i)], i);
            }
            bunt->Button5->Click();
            bunt->Button8->Click();
            EXPECT_EQ(bunt->zahl(), bunt->zeilenrand()[0] * bunt->spaltenrand()[1]);
            QTest::keyClick(bunt, Qt::Key_Escape);
            EXPECT_FALSE(mousetrap::current().has_value());
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, kp, bunt }));
    EXPECT_TRUE(readBytes(dataPath("sw.ina")).contains("bunt\r\n2 1\r\n"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
