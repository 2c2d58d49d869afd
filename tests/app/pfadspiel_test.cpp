#include "games/s_hm_logik.h"
#include "games/s_lvr.h"
#include "gruppenspieltest.h"
#include "platform/clock.h"
#include "platform/paintbox.h"
#include "platform/surface.h"
#include "shell/SBEx.h"
#include "support/keys.h"

// The path game in both forms, played from the games hub.
class PfadspielTest : public GruppenspielTest {
protected:
    void SetUp() override
    {
        GruppenspielTest::SetUp();
        fenster = dynamic_cast<TForm48*>(Form48);
        ASSERT_NE(fenster, nullptr);
    }
    void spielen(int code, const QStringList& spieler, int zeit, const std::function<void()>& imSpiel,
        const std::function<void()>& danach = {})
    {
        oeffnen(
            code,
            [&] {
                namen(spieler);
                for (int i = 0; i < 4; ++i)
                    aufbau->Lage->setSelected(i, i == 0 || i == 2);
                aufbau->Lage->OnClick();
                aufbau->Edit6->setText("4");
                waehlen(aufbau->WR_Bot_LVR_Zeit, zeit);
                klick(aufbau->Button2);
                if (danach) danach();
                aufbau->Button10->Click();
            },
            [&](Form&) { imSpiel(); });
    }
    // A command by arrow key (to the key box) or by button.
    void befehl(QChar b, bool taste)
    {
        if (taste) {
            pressKey(fenster, b == 'L' ? Qt::Key_Left : b == 'R' ? Qt::Key_Right : Qt::Key_Up);
            return;
        }
        klick(b == 'L' ? fenster->Button5 : b == 'R' ? fenster->Button7 : fenster->Button4);
    }
    // A command other than the right one at the figure's next step.
    QChar falsch() const
    {
        return fenster->pfad().befehle[fenster->befehlszaehler()] == QLatin1Char('V') ? QLatin1Char('L')
                                                                                      : QLatin1Char('V');
    }

    TForm48* fenster = nullptr;
};

TEST_F(PfadspielTest, OnePlayerFinishesTheOtherAbortsInBothForms)
{
    for (int code : { 18, 19 }) {
        spielen(
            code, { "Ali", "Bea" }, 1,
            [&] {
                const s_lvr::Pfad& p = fenster->pfad();
                EXPECT_TRUE(p.hauptrichtung == 0 || p.hauptrichtung == 2);
                EXPECT_EQ(p.zellen.size() > 4u, true);
                klick(fenster->Button8);
                EXPECT_TRUE(fenster->ScrollBoxEx1->hasFocus() || !fenster->isActiveWindow());
                // Ali: one wrong command, "von vorn", then the whole path by keys and buttons.
                befehl(falsch(), false);
                EXPECT_EQ(fenster->fehler(), 1);
                EXPECT_TRUE(fenster->Button2->isVisible());
                EXPECT_FALSE(fenster->Button4->isVisible());
                grabToPng(fenster, QStringLiteral("s_lvr_%1_falsch").arg(code));
                klick(fenster->Button2);
                EXPECT_EQ(fenster->befehlszaehler(), 0);
                EXPECT_EQ(fenster->fehler(), 1); // "von vorn" keeps the strokes
                clockx::TestClock::advance(clockx::days(67000));
                for (int i = 0; i < p.befehle.size(); ++i) {
                    befehl(p.befehle[i], i % 2 == 0);
                    if (i == 2) grabToPng(fenster, QStringLiteral("s_lvr_%1_mitten").arg(code));
                }
                EXPECT_EQ(fenster->runde(), 1);
                EXPECT_EQ(fenster->Button8->caption(), QString("weiter"));
                grabToPng(fenster, QStringLiteral("s_lvr_%1_haken").arg(code));
                klick(fenster->Button8);
                // Bea gives up while the right command she missed is still shown: the abort text stands alone.
                EXPECT_EQ(spielernummer, 2);
                klick(fenster->Button8);
                pressKey(fenster, Qt::Key_Down); // ignored
                EXPECT_EQ(fenster->befehlszaehler(), 0);
                befehl(falsch(), true);
                QTest::keyClick(fenster, Qt::Key_Escape);
                EXPECT_EQ(spielerstatus[2], 500);
                const QImage bild = fenster->PaintBox1->targetSurface().image().copy(fenster->PaintBox1->surfaceRect());
                int rot = 0;
                for (int y = 0; y < bild.height(); ++y)
                    for (int x = 1; x + 1 < bild.width(); ++x) { // inside the border
                        const QColor f = bild.pixelColor(x, y);
                        rot += f.red() > 160 && f.green() < 110 && f.blue() < 110;
                    }
                EXPECT_EQ(rot, 0);
                grabToPng(fenster, QStringLiteral("s_lvr_%1_abbruch").arg(code));
                klick(fenster->Button8);
            },
            [&] {
                EXPECT_EQ(spielerstatus[1], 0);
                const auto tabelle = s_hm::siegerliste();
                ASSERT_EQ(tabelle.size(), 1u);
                EXPECT_EQ(tabelle[0].name, QString("Ali"));
            });
    }
}

TEST_F(PfadspielTest, TheTwelfthMistakeBeginsAThickerFigureAndTimeOutCompletesIt)
{
    spielen(18, { "Ali" }, 0, [&] {
        klick(fenster->Button8);
        for (int i = 0; i < 4; ++i) {
            befehl(falsch(), true);
            klick(fenster->Button2);
        }
        EXPECT_EQ(fenster->fehler(), 4);
        for (int i = 1; i < 60; ++i)
            fenster->Timer1->trigger();
        EXPECT_EQ(spielerstatus[1], 0);
        fenster->Timer1->trigger();
        EXPECT_EQ(spielerstatus[1], 140);
        EXPECT_EQ(fenster->fehler(), 0);
        EXPECT_EQ(stiftbreite, 4);
        EXPECT_TRUE(fenster->Timer1->Enabled());
        for (int i = 0; i < 12; ++i) {
            befehl(falsch(), false);
            klick(fenster->Button2);
        }
        EXPECT_EQ(fenster->fehler(), 1);
        EXPECT_EQ(stiftbreite, 7);
        grabToPng(fenster, QStringLiteral("s_lvr_dicker"));
        QTest::keyClick(fenster, Qt::Key_Escape);
        EXPECT_EQ(spielerstatus[1], 140); // a loser stays a loser
        klick(fenster->Button8);
    });
}
