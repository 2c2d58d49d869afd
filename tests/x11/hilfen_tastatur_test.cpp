// Every aid opened from the aids hub and used with the keyboard alone: Enter after a solved task gives the next
// one, also after stray arrow keys, and no key but Esc ends the run.
#include "aids/h_haupt.h"
#include "aids/hilfenrahmen.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

class HilfenTastatur : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        clockx::TestClock::install(45000.0);
        hub = hilfenhub();
        ASSERT_NE(hub, nullptr);
    }
    void TearDown() override
    {
        clockx::TestClock::uninstall();
        ProgrammTest::TearDown();
    }

    // The area button that shows the group holding `knopf`.
    Button* bereich(QWidget* knopf) const
    {
        const std::pair<QWidget*, Button*> bereiche[] = { { hub->GBZahlBegriff, hub->Button1 },
            { hub->gbRaum20, hub->Button2 }, { hub->gbpm100, hub->Button37 }, { hub->gb1x1, hub->Button4 },
            { hub->gbTabellen, hub->Button3 }, { hub->GB_HSV, hub->Button5 }, { hub->GB_SV, hub->Button6 } };
        for (QWidget* w = knopf; w; w = w->parentWidget())
            for (const auto& [gruppe, b] : bereiche)
                if (w == gruppe) return b;
        return nullptr;
    }

    TForm63* hub = nullptr;
};

} // namespace

TEST_F(HilfenTastatur, enterGibtDieNaechsteAufgabeUndKeineTasteBeendetDenLauf)
{
    if (!onXServer()) GTEST_SKIP();
    // The aid buttons of the hub, and the half-written kinds chosen in their group.
    const int codes[] = { 11, 12, 13, 14, 15, 16, 17, 18, 19, 110, 111, 21, 22, 23, 24, 25, 26, 27, 28, 29, 31, 32, 33,
        34, 35, 36, 37, 38, 40, 51, 52, 53, 54, 55, 56, 61, 62, 63, 64, 65, 66, 67, 68, 69, 610, 81, 82, 83, 84, 85, 86,
        87, 88, 89, -1, -2, -3, -4, -5 };
    QStringList geprueft;
    int naechste = 0;
    for (int code : codes) {
        SCOPED_TRACE(code);
        std::mt19937 zufall(47u + unsigned(code + 10));
        Form::setModalDriver([&](Form& f) {
            if (&f == hub) {
                ASSERT_TRUE(waitActive(hub));
                if (code > 0) {
                    Button* knopf = hub->knopf(code);
                    ASSERT_NE(knopf, nullptr);
                    bereich(knopf)->Click();
                    knopf->Click();
                } else {
                    hub->Button5->Click();
                    hub->hsv_r_art->button(-code - 1)->click();
                }
                if (!gezeigt.isEmpty() && gezeigt.last() != hub) return;
                ASSERT_TRUE(hub->startknopf->isVisible() && hub->startknopf->isEnabled());
                // Start has the focus: Enter opens the aid.
                ASSERT_TRUE(sendKey(Qt::Key_Return));
                return;
            }
            auto* hilfe = dynamic_cast<Hilfenfenster*>(&f);
            if (!hilfe) return; // the protocol dialog
            gezeigt << &f;
            ASSERT_TRUE(waitActive(hilfe));
            // A task given up through the help, stray arrows, then Enter: the next task, never the end.
            Button* hilfeknopf = hilfe->tastenfeld ? hilfe->tastenfeld->Hilfebutton : nullptr;
            const auto angeboten
                = [hilfe] { return hilfe->nocheinebutton->isVisible() && hilfe->nocheinebutton->isEnabled(); };
            for (int i = 0; hilfeknopf && i < 20 && !angeboten(); ++i)
                hilfeknopf->clickIfVisibleAndEnabled();
            if (angeboten()) {
                for (Qt::Key pfeil : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down })
                    ASSERT_TRUE(sendKey(pfeil));
                ASSERT_TRUE(sendKey(Qt::Key_Return));
                ASSERT_TRUE(hilfe->isVisible());
                EXPECT_FALSE(angeboten()) << hilfe->objectName().toStdString();
                ++naechste;
            }
            for (int i = 0; i < 250; ++i) {
                const Qt::Key taste = randomKey(zufall);
                const bool weiter = taste == Qt::Key_Return && angeboten();
                ASSERT_TRUE(sendKey(taste));
                ASSERT_TRUE(hilfe->isVisible())
                    << hilfe->objectName().toStdString() << " key " << i << " " << std::hex << int(taste);
                ASSERT_NE(keyReceiver(), hilfe->endebutton) << i;
                if (weiter) {
                    EXPECT_FALSE(angeboten()) << hilfe->objectName().toStdString() << " " << i;
                    ++naechste;
                }
            }
            geprueft << hilfe->objectName();
            ASSERT_TRUE(sendKey(Qt::Key_Escape));
            EXPECT_FALSE(hilfe->isVisible());
        });
        gezeigt.clear();
        gezeigt << hub;
        hub->showModal();
        Form::setModalDriver({});
    }
    // Tasks given up through the help and solved ones: Enter was tried on "noch eine Aufgabe?" often.
    EXPECT_GE(naechste, 40);
    EXPECT_GE(geprueft.size(), 50) << geprueft.join(' ').toStdString();
}
