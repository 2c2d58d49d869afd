#include "games/s_hm_logik.h"
#include "gruppenspieltest.h"
#include "platform/colors.h"
#include "platform/paintbox.h"

TEST_F(GruppenspielTest, TheSetUpShowsEachGamesOptionsAndStartFollowsTheNames)
{
    const struct {
        int code;
        QList<QWidget*> panels;
    } faelle[] = { { 5, { aufbau->zr_var, aufbau->WR_Bot_Zeit } }, { 6, { aufbau->Bot_RA, aufbau->WR_Bot_Zeit } },
        { 7, { aufbau->flip_1x1, aufbau->flip_zeit, aufbau->flip_hinweis } },
        { 8, { aufbau->wortwahl, aufbau->wr_zeigen, aufbau->WR_Bot_Zeit } },
        { 18, { aufbau->lvr1panel, aufbau->lvr2panel, aufbau->WR_Bot_Zeit } },
        { 19, { aufbau->lvr1panel, aufbau->lvr2panel, aufbau->WR_Bot_Zeit } } };
    const QList<QWidget*> alle { aufbau->zr_var, aufbau->zvonwem, aufbau->Bot_RA, aufbau->flip_1x1, aufbau->flip_zeit,
        aufbau->flip_hinweis, aufbau->wortwahl, aufbau->wr_zeigen, aufbau->WR_Bot_Zeit, aufbau->lvr1panel,
        aufbau->lvr2panel };
    for (const auto& f : faelle) {
        oeffnen(f.code, [&] {
            namen({ "Ali" });
            EXPECT_EQ(aufbau->titelpanel->caption(), s_hm::titel(f.code));
            for (QWidget* w : alle)
                EXPECT_EQ(w->isVisible(), f.panels.contains(w)) << f.code << " " << w->objectName().toStdString();
            EXPECT_TRUE(aufbau->Button2->isEnabled());
            grabToPng(aufbau, QStringLiteral("s_hm_%1").arg(f.code));
            namen({});
            EXPECT_FALSE(aufbau->Button2->isEnabled()) << f.code;
            namen({ "", "", "Cem" });
            EXPECT_TRUE(aufbau->Button2->isEnabled());
            EXPECT_EQ(spielerzahl, 1);
            aufbau->Button10->Click();
        });
    }
}

TEST_F(GruppenspielTest, TheCoPlayerChoiceShowsOnlyForNumberGuessingWithTwoNames)
{
    oeffnen(5, [&] {
        namen({ "Ali" });
        EXPECT_FALSE(aufbau->zvonwem->isVisible());
        namen({ "Ali", "Bea" });
        ASSERT_TRUE(aufbau->zvonwem->isVisible());
        waehlen(aufbau->zvonwem, 1);
        EXPECT_EQ(wahl6, 1);
        namen({ "", "Bea" });
        EXPECT_FALSE(aufbau->zvonwem->isVisible());
        EXPECT_EQ(wahl6, 0); // one player: the computer draws
        aufbau->Button10->Click();
    });
    oeffnen(6, [&] {
        namen({ "Ali", "Bea" });
        EXPECT_FALSE(aufbau->zvonwem->isVisible());
        aufbau->Button10->Click();
    });
}

TEST_F(GruppenspielTest, ThePathGameNeedsADirectionAndAStepCountOfTwoToNine)
{
    oeffnen(18, [&] {
        namen({ "Ali" });
        EXPECT_EQ(aufbau->Edit6->text(), QString("5")); // as loaded
        EXPECT_TRUE(aufbau->Button2->isEnabled());
        aufbau->Edit6->clear();
        EXPECT_FALSE(aufbau->Button2->isEnabled());
        EXPECT_EQ(schrittzahl, 2);
        QTest::keyClicks(aufbau->Edit6, "1x7");
        EXPECT_EQ(aufbau->Edit6->text(), QString("7"));
        EXPECT_TRUE(aufbau->Button2->isEnabled());
        for (const char* fremd : { "1", "x" }) {
            aufbau->Edit6->setText(QString::fromLatin1(fremd)); // pasted past the key filter
            EXPECT_FALSE(aufbau->Button2->isEnabled()) << fremd;
            EXPECT_EQ(schrittzahl, 7);
        }
        const QByteArray vorher = readBytes(dataPath("sw.ina"));
        aufbau->Button2->Click(); // by code while it is off: neither file nor game
        EXPECT_EQ(readBytes(dataPath("sw.ina")), vorher);
        aufbau->Edit6->setText("4");
        for (int i = 0; i < 4; ++i)
            aufbau->Lage->setSelected(i, false);
        aufbau->Lage->OnClick();
        EXPECT_EQ(gewaehltzahl, 0);
        EXPECT_FALSE(aufbau->Button2->isEnabled());
        aufbau->Button10->Click();
    });
}

TEST_F(GruppenspielTest, StartWritesTheGamesSectionAndKeepsEveryOtherLine)
{
    const QByteArray vorher = readBytes(dataPath("sw.ina"));
    const auto erwartet = [&](const QByteArray& wort, const QByteArray& zeile) {
        QList<QByteArray> z = vorher.split('\n');
        z[z.indexOf(wort + "\r") + 1] = zeile + "\r";
        return z.join('\n');
    };
    oeffnen(
        5,
        [&] {
            namen({ "Ali" });
            waehlen(aufbau->zr_var, 3);
            waehlen(aufbau->WR_Bot_LVR_Zeit, 3);
            klick(aufbau->Button2);
            EXPECT_EQ(readBytes(dataPath("sw.ina")), erwartet("zr", "3 3"));
            aufbau->Button10->Click();
        },
        [&](Form& f) { static_cast<TForm58&>(f).Close(); });
    writeBytes(dataPath("sw.ina"), vorher);
    oeffnen(
        6,
        [&] {
            namen({ "Ali" });
            aufbau->Bot_RArten->setItemIndex(4);
            waehlen(aufbau->Bot_RArten, 5);
            waehlen(aufbau->WR_Bot_LVR_Zeit, 0);
            klick(aufbau->Button2);
            EXPECT_EQ(readBytes(dataPath("sw.ina")), erwartet("bot", "5 0 "));
            aufbau->Button10->Click();
        },
        [&](Form& f) { EXPECT_EQ(&f, Form60); });
    writeBytes(dataPath("sw.ina"), vorher);
    oeffnen(19, [&] {
        namen({ "Ali" });
        for (int i = 0; i < 4; ++i)
            aufbau->Lage->setSelected(i, i == 0 || i == 2);
        aufbau->Lage->OnClick();
        aufbau->Edit6->setText("7");
        waehlen(aufbau->WR_Bot_LVR_Zeit, 3);
        klick(aufbau->Button2);
        EXPECT_EQ(readBytes(dataPath("sw.ina")), erwartet("lvr", "0 -1 2 -1 7 3"));
        aufbau->Button10->Click();
    });
    // A file without the section gets it at the end, and the installed leading lines in place of others.
    writeBytes(dataPath("sw.ina"), "Kopf 1\r\nKopf 2\r\ntic\r\n6\r\n");
    oeffnen(8, [&] {
        namen({ "Ali" });
        klick(aufbau->Button2);
        aufbau->Button10->Click();
    });
    const QByteArray neu = readBytes(dataPath("sw.ina"));
    EXPECT_TRUE(neu.startsWith(vorher.left(vorher.indexOf("ziel")) + "tic\r\n6\r\nwr\r\n")) << neu.constData();
}

namespace {

int gruenePunkte(QWidget* box)
{
    const QImage bild = box->grab().toImage();
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += QColor(bild.pixel(x, y)) == QColor(clGreen);
    return n;
}

} // namespace

TEST_F(GruppenspielTest, ThreePlayersFindLoseAndAbortInEveryModeAndTheTableShowsThem)
{
    for (int variante = 0; variante <= 3; ++variante) {
        int zug = 0;
        oeffnen(
            5,
            [&] {
                namen({ "Ali", "Bea", "Cem" });
                waehlen(aufbau->zvonwem, 0);
                waehlen(aufbau->zr_var, variante);
                waehlen(aufbau->WR_Bot_LVR_Zeit, 1);
                klick(aufbau->Button2);
                EXPECT_FALSE(aufbau->spielerpanel->isVisible());
                EXPECT_TRUE(aufbau->sieger->isVisible());
                EXPECT_TRUE(aufbau->tabelleOffen());
                EXPECT_EQ(spielerstatus[1], 0);
                EXPECT_EQ(spielerstatus[2], 140);
                EXPECT_EQ(spielerstatus[3], 500);
                const auto liste = s_hm::siegerliste();
                ASSERT_EQ(liste.size(), 2u);
                EXPECT_EQ(liste[0].name, QString("Ali"));
                EXPECT_EQ(liste[1].x, 150);
                if (variante == 0) grabToPng(aufbau, QStringLiteral("s_hm_sieger"));
                // Start with the table in view only brings the names back.
                const int vorher = gezeigt.size();
                klick(aufbau->Button2);
                EXPECT_EQ(gezeigt.size(), vorher);
                EXPECT_TRUE(aufbau->spielerpanel->isVisible());
                EXPECT_FALSE(aufbau->tabelleOffen());
                aufbau->Button10->Click();
            },
            [&](Form&) {
                ASSERT_EQ(variante == 1, spiel->kleiner->isVisible());
                // Ali finds the number at the third attempt.
                EXPECT_EQ(spielernummer, 1);
                EXPECT_EQ(spiel->zustand(), 2);
                wieder();
                fehlversuch(variante);
                fehlversuch(variante);
                grabToPng(spiel, QStringLiteral("s_zrat_%1_mitten").arg(variante));
                // The strip under the question buttons is cleared whole: nothing of the input box stays.
                if (variante == 1) EXPECT_EQ(gruenePunkte(spiel->feldbox), 0);
                finden(variante);
                EXPECT_EQ(spiel->zustand(), 1);
                EXPECT_EQ(spielerstatus[1], 0);
                grabToPng(spiel, QStringLiteral("s_zrat_%1_gewonnen").arg(variante));
                wieder();
                // Bea misses eleven times.
                EXPECT_EQ(spielernummer, 2);
                wieder();
                for (int i = 0; i < 10; ++i)
                    fehlversuch(variante);
                EXPECT_EQ(spiel->zustand(), 0);
                EXPECT_EQ(spielerstatus[2], 0);
                fehlversuch(variante);
                EXPECT_EQ(spiel->zustand(), 1);
                EXPECT_EQ(spielerstatus[2], 140);
                EXPECT_FALSE(spiel->EndeButton->isEnabled());
                grabToPng(spiel, QStringLiteral("s_zrat_%1_verloren").arg(variante));
                wieder();
                // Cem gives up with Esc.
                EXPECT_EQ(spielernummer, 3);
                wieder();
                QTest::keyClick(spiel, Qt::Key_Escape);
                EXPECT_EQ(spielerstatus[3], 500);
                EXPECT_TRUE(spiel->startknopf->isVisible());
                wieder();
                ++zug;
            });
        EXPECT_EQ(zug, 1) << variante;
    }
}

TEST_F(GruppenspielTest, TurnsSkipFreePlacesAndBlankNamesEndTheGameAtOnce)
{
    QList<int> zuege;
    oeffnen(
        5,
        [&] {
            namen({ "Ali", "", "Cem" });
            klick(aufbau->Button2);
            aufbau->Button10->Click();
        },
        [&](Form&) {
            while (spiel->isVisible()) {
                zuege << spielernummer;
                wieder();
                klick(spiel->EndeButton);
                wieder();
            }
        });
    EXPECT_EQ(zuege, (QList<int> { 1, 3 }));

    gezeigt.clear();
    bool gespielt = false;
    oeffnen(
        5,
        [&] {
            namen({ " ", "  " });
            ASSERT_TRUE(aufbau->Button2->isEnabled());
            klick(aufbau->Button2);
            EXPECT_TRUE(aufbau->sieger->isVisible());
            EXPECT_TRUE(s_hm::siegerliste().empty());
            aufbau->Button10->Click();
        },
        [&](Form&) { gespielt = true; });
    EXPECT_FALSE(gespielt); // closed while it was being shown
}

TEST_F(GruppenspielTest, CoPlayersTypeTheNumberBeforeEveryTurn)
{
    oeffnen(
        5,
        [&] {
            namen({ "Ali", "Bea" });
            waehlen(aufbau->zr_var, 2);
            waehlen(aufbau->zvonwem, 1);
            klick(aufbau->Button2);
            EXPECT_EQ(spielerstatus[1], 0);
            EXPECT_EQ(spielerstatus[2], 500);
            aufbau->Button10->Click();
        },
        [&](Form&) {
            EXPECT_EQ(spiel->zustand(), 3);
            EXPECT_EQ(spielernummer, 1);
            EXPECT_FALSE(spiel->EndeButton->isEnabled());
            raten(250); // refused, stays at the entry
            EXPECT_EQ(spiel->zustand(), 3);
            klick(spiel->Button15);
            klick(spiel->Button15);
            klick(spiel->Button15);
            grabToPng(spiel, QStringLiteral("s_zrat_mitspieler"));
            raten(42);
            EXPECT_EQ(spiel->zustand(), 2);
            EXPECT_EQ(spiel->geheimzahl(), 42);
            wieder();
            QTest::keyClicks(spiel, "42");
            QTest::keyClick(spiel, Qt::Key_Return);
            EXPECT_EQ(spiel->zustand(), 1);
            wieder();
            EXPECT_EQ(spiel->zustand(), 3);
            EXPECT_EQ(spielernummer, 2);
            raten(7);
            wieder();
            klick(spiel->EndeButton);
            wieder();
        });
}

TEST_F(GruppenspielTest, TheTimeLimitEndsATurn)
{
    for (int zeit : { 0, 3 }) {
        oeffnen(
            5,
            [&] {
                namen({ "Ali" });
                waehlen(aufbau->zr_var, 0);
                waehlen(aufbau->WR_Bot_LVR_Zeit, zeit);
                klick(aufbau->Button2);
                EXPECT_EQ(spielerstatus[1], 140);
                aufbau->Button10->Click();
            },
            [&](Form&) {
                wieder();
                const int grenze = zeit == 0 ? 60 : 60000;
                for (int i = 1; i < grenze; ++i)
                    spiel->Timer1->trigger();
                EXPECT_EQ(spiel->zustand(), 0);
                if (zeit == 0) grabToPng(spiel, QStringLiteral("s_zrat_zeit_fast_um"));
                spiel->Timer1->trigger();
                EXPECT_EQ(spiel->zustand(), 1);
                EXPECT_FALSE(spiel->Timer1->Enabled());
                EXPECT_TRUE(spiel->startknopf->isEnabled());
                wieder();
            });
    }
}
