#include "games/s_KP.h"
#include "games/sp_haupt_logik.h"
#include "platform/controls.h"
#include "spieletest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {

void klickEintrag(ListBox* liste, int i)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(i)).center());
}

void esc(QWidget* w)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class LauncherTest : public SpieleTest {
protected:
    // Loads the game's section as the hub does and shows the launcher; `schritt` drives it.
    void zeigen(int spiel, const std::function<void()>& schritt)
    {
        programmcode = spiel;
        const QString wort = sp_haupt::stichwort(spiel);
        launcher.abschnittGeladen(wort, sp_haupt::abschnittladen(wort) == einstellungsdatei::Abschnittstand::gelesen);
        Form::setModalDriver([&](Form& f) {
            if (&f == &launcher) schritt();
        });
        launcher.showModal();
    }
    QList<QWidget*> sichtbarePanels() const
    {
        QList<QWidget*> s;
        for (QWidget* p : { launcher.Panelzfz1, launcher.pmasch2, launcher.Panelkette1, launcher.panelkettezr,
                 launcher.Panelpyra1, launcher.Panelpyrazr, launcher.Panelfeld1, launcher.Panelfeld2,
                 launcher.Panelnbar2, launcher.Panelnbar1, launcher.ZQPanel })
            if (p->isVisible()) s << p;
        return s;
    }

    TForm42 launcher;
};

TEST_F(LauncherTest, EachGameShowsItsTitleAndPanels)
{
    const struct {
        int spiel;
        const char* titel;
        int panels;
        bool info;
    } faelle[] = { { 1, "Was tun die Maschinen?", 2, true }, { 4, "Zeichen für Ziffern", 1, true },
        { 9, "Zahlenkette 4", 2, true }, { 13, "buntes Feld", 2, false }, { 14, "2 Nachbarn im 100er-Feld", 2, false },
        { 16, "4 Nachbarn im 100er-Feld", 1, false }, { 20, "Zahlenpyramide 4", 2, true },
        { 22, "Zauberquadrate", 1, true } };
    for (const auto& f : faelle) {
        zeigen(f.spiel, [&] {
            EXPECT_EQ(launcher.titelpanel->caption(), QString::fromUtf8(f.titel));
            EXPECT_EQ(sichtbarePanels().size(), f.panels) << f.spiel;
            EXPECT_EQ(launcher.Button1->isVisible(), f.info) << f.spiel;
            EXPECT_TRUE(launcher.Button2->isEnabled()) << f.spiel;
            grabToPng(&launcher, QStringLiteral("s_KP_%1").arg(f.spiel));
        });
    }
    zeigen(16, [&] {
        EXPECT_EQ(sichtbarePanels(), QList<QWidget*> { launcher.Panelnbar1 });
        EXPECT_EQ(launcher.Panelnbar1->x(), 320);
    });
    zeigen(1, [&] { EXPECT_EQ(launcher.Panelzfz1->x(), 100); });
    zeigen(4, [&] { EXPECT_EQ(launcher.Panelzfz1->x(), 320); });
}

TEST_F(LauncherTest, ListsShowExactlyTheLoadedFlagsAndClicksKeepTheVariablesInStep)
{
    zeigen(1, [&] {
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(launcher.ListBox1->Selected(i));
    });
    zeileErsetzen(25, "0 -1 -1 3 0 -1 -1 3 -1 -1 -1 -1 -1 -1");
    zeigen(1, [&] {
        EXPECT_EQ(launcher.ListBox1->selectedItems().size(), 2);
        EXPECT_EQ(launcher.ListBox2->selectedItems().size(), 2);
        EXPECT_TRUE(launcher.Button2->isEnabled());
        klickEintrag(launcher.ListBox1, 0); // plus off: ":0" alone is dropped, ":3" stays
        EXPECT_EQ(operatorzahl, 1);
        EXPECT_EQ(operatortexte[1].str(), ":3");
        klickEintrag(launcher.ListBox2, 3);
        EXPECT_FALSE(launcher.Button2->isEnabled());
        klickEintrag(launcher.ListBox2, 5);
        EXPECT_TRUE(launcher.Button2->isEnabled());
        EXPECT_EQ(rechenarten[0], -1);
        EXPECT_EQ(maschinenzahlen[5], 5);
    });
}

TEST_F(LauncherTest, StartDisabledForOneGameIsEnabledAgainForTheNext)
{
    zeigen(4, [&] {
        for (int i = 0; i < 4; ++i)
            klickEintrag(launcher.ListBox1, i);
        EXPECT_FALSE(launcher.Button2->isEnabled());
        launcher.Button10->Click();
    });
    zeigen(9, [&] {
        EXPECT_TRUE(launcher.Button2->isEnabled());
        EXPECT_TRUE(launcher.Button2->hasFocus() || !launcher.isActiveWindow());
    });
}

TEST_F(LauncherTest, MagicSquareFieldsTakeDigitsOnlyAndDecideStart)
{
    zeigen(22, [&] {
        EXPECT_EQ(launcher.ZQPanel->pos(), QPoint(100, 100));
        launcher.Edit1->clear();
        EXPECT_EQ(variante, 0);
        EXPECT_FALSE(launcher.Button2->isEnabled());
        launcher.Edit1->pasteFiltered("1a0-1");
        EXPECT_EQ(launcher.Edit1->text(), "101");
        EXPECT_FALSE(launcher.Button2->isEnabled());
        launcher.Edit1->setText("100");
        launcher.Edit2->clear();
        QTest::keyClicks(launcher.Edit2, "0,");
        EXPECT_EQ(launcher.Edit2->text(), "0");
        EXPECT_EQ(variante2, 0);
        EXPECT_TRUE(launcher.Button2->isEnabled());
        launcher.Button1->Click();
        grabToPng(&launcher, "s_KP_infozq");
    });
}

TEST_F(LauncherTest, EscClosesTheRulesFirstAndTheWindowSecond)
{
    bool nachErstemEsc = false;
    zeigen(9, [&] {
        launcher.Button1->Click();
        EXPECT_TRUE(launcher.infoKette->isVisible());
        EXPECT_TRUE(sichtbarePanels().isEmpty());
        EXPECT_FALSE(launcher.Button2->isVisible());
        EXPECT_TRUE(launcher.regelnOffen());
        esc(&launcher);
        EXPECT_FALSE(launcher.infoKette->isVisible());
        EXPECT_EQ(sichtbarePanels().size(), 2);
        EXPECT_TRUE(launcher.Button2->isVisible() && launcher.Button1->isVisible());
        nachErstemEsc = launcher.isVisible();
        esc(&launcher);
    });
    EXPECT_TRUE(nachErstemEsc);
    EXPECT_FALSE(launcher.isVisible());
    // Closed while the rules show: the next opening shows the options.
    zeigen(4, [&] {
        launcher.Button1->Click();
        launcher.Close();
    });
    EXPECT_FALSE(launcher.regelnOffen());
    zeigen(4, [&] {
        EXPECT_FALSE(launcher.Infozfz->isVisible());
        EXPECT_TRUE(launcher.Button2->isVisible());
        EXPECT_EQ(sichtbarePanels(), QList<QWidget*> { launcher.Panelzfz1 });
    });
}

TEST_F(LauncherTest, WithoutAFileTheVariablesFollowTheControls)
{
    QFile::remove(swina());
    variante = 3; // left by another game
    zeigen(9, [&] {
        EXPECT_EQ(launcher.RadioGroup5->ItemIndex(), 0);
        EXPECT_EQ(launcher.Edit1->text(), "1");
        EXPECT_EQ(variante, 0);
        EXPECT_TRUE(launcher.Button2->isEnabled());
    });
}
