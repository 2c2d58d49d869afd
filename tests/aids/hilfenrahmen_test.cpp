#include "aids/hilfenfixture.h"
#include "aids/testhilfe.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/mousetrap.h"
#include "platform/textfile.h"
#include "shell/fenster.h"
#include "support/keys.h"

#include <QTest>

namespace {

class HilfenrahmenTest : public HilfenfensterTest {
protected:
    HilfenrahmenTest()
        : HilfenfensterTest({ 0.79f, 0.55f, 5, 10 })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = 17;
    }

    // The pupil types the number and presses Enter, then Enter again for the next task.
    void loesen(Testhilfe& h, double sekundenSpaeter)
    {
        clockx::TestClock::advance(sekundenSpaeter * kSekunde);
        typeText(&h, QString::number(h.naechsteZahl));
        pressKey(&h, Qt::Key_Return);
    }

    QRgb balkenfarbe(Testhilfe& h, int x, int y) const
    {
        const QPoint p = punkt(x, y);
        return h.zeitagbox->canvas().pixel(p.x(), p.y()).rgb() & 0xffffff;
    }

    QStringList dateizeilen(const QString& pfad) const
    {
        TextFile f;
        f.assign(pfad);
        f.reset();
        QStringList z;
        while (f.ioResult() == 0 && !f.eof())
            z << f.readLine();
        return z;
    }
};

constexpr QRgb kGruen = 0x008000, kRot = 0xff0000;

} // namespace

TEST_F(HilfenrahmenTest, ARunWithLimitsEndsByItselfOnceBothAreReachedAndSavesItsProtocol)
{
    Testhilfe hilfe;
    int dialoge = 0;
    Form::setModalDriver([&](Form& f) {
        if (&f == &hilfe) {
            EXPECT_TRUE(mousetrap::current().has_value());
            for (int i = 1; i <= 10; ++i) {
                loesen(hilfe, 19);
                EXPECT_EQ(anzahl, i);
                EXPECT_TRUE(hilfe.nocheinebutton->isVisible());
                if (i < 10) pressKey(&hilfe, Qt::Key_Return); // "noch eine Aufgabe?"
            }
            // 10 of 10 tasks at 3:10: the task bar is full, the time bar at about two thirds; the run goes on.
            EXPECT_EQ(minuten, 3);
            EXPECT_EQ(sekunden, 10);
            EXPECT_EQ(balkenfarbe(hilfe, 30, 40), kGruen);
            EXPECT_EQ(balkenfarbe(hilfe, 120, 40), kGruen);
            EXPECT_EQ(balkenfarbe(hilfe, 130, 40), kRot);
            EXPECT_EQ(balkenfarbe(hilfe, 190, 84), kGruen);
            EXPECT_TRUE(hilfe.isVisible());
            grabToPng(&hilfe, QStringLiteral("testhilfe_balken"));
            EXPECT_EQ(dialoge, 0);

            // The first task solved once the minutes reach 5 ends the run.
            pressKey(&hilfe, Qt::Key_Return);
            loesen(hilfe, 111);
            EXPECT_FALSE(hilfe.isVisible());
        } else if (&f == &dialog) {
            ++dialoge;
            // The trap is let go while the pupil chooses.
            EXPECT_FALSE(mousetrap::current().has_value());
            EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  11");
            grabToPng(&dialog, QStringLiteral("h_prot_auswahl"));
            pressKey(&dialog, Qt::Key_S, Qt::AltModifier); // "nur &speichern"
            EXPECT_TRUE(dialog.Panel1->isVisible());
            typeText(&dialog, QStringLiteral("Anna"));
            grabToPng(&dialog, QStringLiteral("h_prot_name"));
            pressKey(&dialog, Qt::Key_Return);
        }
    });
    hilfe.showModal();

    EXPECT_EQ(dialoge, 1);
    // Activated once more when the dialog closed, then closed by the end button.
    EXPECT_EQ(hilfe.aktivierungen, 2);
    EXPECT_FALSE(hilfe.isVisible());
    EXPECT_FALSE(mousetrap::current().has_value());

    const QString pfad = dataPath("OHNELIST/Anna/H1_7_01.txt");
    const QStringList z = dateizeilen(pfad);
    ASSERT_EQ(z.size(), 14);
    EXPECT_EQ(z[0], QString(48, u' ') + clockx::dateText());
    EXPECT_EQ(z[1], "Leistungsprotokoll für Anna");
    EXPECT_EQ(z[2], "Programm:              Testhilfe");
    EXPECT_EQ(z[3], "Vorgaben:              5 Minute(n), 10 Aufgabe(n)");
    EXPECT_EQ(z[4], "Schwierigkeitsstufe:   ---");
    EXPECT_EQ(z[6], "Arbeitszeit:           5:01 min");
    EXPECT_EQ(z[7], "bearbeitete Aufgaben:  11");
    EXPECT_EQ(z[8], "Eingaben, gesamt:      33");
    EXPECT_EQ(z[9], "davon: richtig/nötig:  33  ~ 100 %  (Ziel: 100 %)");
    EXPECT_EQ(z[10], "       falsch/unnötig: 0");
    EXPECT_EQ(z[11], "       Hilfetaste(n):  0");
    EXPECT_EQ(z[13], pfad);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(HilfenrahmenTest, TheEndButtonOffersTheProtocolOnceOneLimitIsReached)
{
    struct Fall {
        int aufgaben;
        double sekundenJeAufgabe;
        bool dialog;
    };
    // 10 tasks at 2 minutes: enough for the dialog, not for the automatic end; 3 tasks at 1 minute: neither.
    for (const Fall fall : { Fall { 10, 12, true }, Fall { 3, 20, false } }) {
        Testhilfe hilfe;
        int dialoge = 0;
        Form::setModalDriver([&](Form& f) {
            if (&f == &hilfe) {
                for (int i = 0; i < fall.aufgaben; ++i) {
                    loesen(hilfe, fall.sekundenJeAufgabe);
                    pressKey(&hilfe, Qt::Key_Return);
                }
                EXPECT_TRUE(hilfe.isVisible());
                pressKey(&hilfe, Qt::Key_Escape);
            } else {
                ++dialoge;
                dialog.Button1->Click(); // "in den &Papierkorb"
            }
        });
        hilfe.showModal();
        EXPECT_EQ(dialoge, fall.dialog ? 1 : 0);
        EXPECT_EQ(protzeilen[7], QStringLiteral("bearbeitete Aufgaben:  %1").arg(fall.aufgaben));
        EXPECT_FALSE(hilfe.isVisible());
    }
    EXPECT_FALSE(files::dirExists(dataPath("OHNELIST")));
}

TEST_F(HilfenrahmenTest, LimitsOfZeroGiveNoBarsNoAutomaticEndAndNoDialog)
{
    mindestminuten = 0;
    mindestaufgaben = 30;
    Testhilfe hilfe;
    hilfe.mitFalle = false;
    bool dialog = false;
    Form::setModalDriver([&](Form& f) {
        if (&f != &hilfe) {
            dialog = true;
            return;
        }
        for (int i = 0; i < 31; ++i) {
            loesen(hilfe, 60);
            pressKey(&hilfe, Qt::Key_Return);
        }
        EXPECT_TRUE(hilfe.isVisible());
        EXPECT_NE(balkenfarbe(hilfe, 30, 40), kGruen);
        EXPECT_NE(balkenfarbe(hilfe, 30, 40), kRot);
        hilfe.endebutton->Click();
    });
    hilfe.showModal();
    EXPECT_FALSE(dialog);
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           31:00 min");
}

TEST_F(HilfenrahmenTest, KeypadDigitsZeroBackspaceAndCapacity)
{
    Testhilfe hilfe;
    Form::setModalDriver([&](Form& f) {
        if (&f != &hilfe) return;
        // A first 0 is refused when the number does not end in 0; it does not even count.
        hilfe.knopf(0)->Click();
        EXPECT_EQ(zifferneingabe, "");
        EXPECT_EQ(aufgabeneingaben, 0);
        // The input keeps two digits; a third is dropped but still counted by the entry routine.
        typeText(&hilfe, QStringLiteral("123"));
        EXPECT_EQ(zifferneingabe, "12");
        EXPECT_EQ(aufgabeneingaben, 3);
        // Backspace: the deleted digit and the press together count as nothing.
        pressKey(&hilfe, Qt::Key_Backspace);
        EXPECT_EQ(zifferneingabe, "1");
        EXPECT_EQ(aufgabeneingaben, 2);
        pressKey(&hilfe, Qt::Key_Backspace);
        pressKey(&hilfe, Qt::Key_Backspace); // nothing left to delete
        EXPECT_EQ(zifferneingabe, "");
        EXPECT_EQ(aufgabeneingaben, 1);
        // Enter on an empty input checks nothing.
        hilfe.tastenfeld->Button13->Click();
        EXPECT_EQ(aufgabeneingaben, 1);
        EXPECT_TRUE(hilfe.hilfeschritte.isEmpty());
        // A wrong answer.
        typeText(&hilfe, QStringLiteral("74"));
        pressKey(&hilfe, Qt::Key_Return);
        EXPECT_EQ(hilfe.hilfeschritte, QList<int>({ 1 }));

        // A key whose button is switched off does nothing.
        hilfe.knopf(4)->setEnabled(false);
        hilfe.tastenfeld->Button13->setEnabled(false);
        typeText(&hilfe, QStringLiteral("4"));
        EXPECT_EQ(zifferneingabe, "");
        typeText(&hilfe, QStringLiteral("7"));
        QChar enter(13);
        hilfe.tastenweiche(enter);
        EXPECT_EQ(hilfe.hilfeschritte, QList<int>({ 1 }));
        EXPECT_EQ(anzahl, 0);
        hilfe.knopf(4)->setEnabled(true);
        hilfe.tastenfeld->Button13->setEnabled(true);
        typeText(&hilfe, QStringLiteral("4"));
        hilfe.tastenfeld->Button13->Click(); // 74 again
        EXPECT_EQ(hilfe.hilfeschritte, QList<int>({ 1, 2 }));
        typeText(&hilfe, QStringLiteral("47"));
        hilfe.tastenfeld->Button13->Click();
        EXPECT_EQ(anzahl, 1);

        // Without keyboard input (task solved) the keys do nothing; Esc still reaches the end button.
        EXPECT_FALSE(hilfe.KeyPreview);
        typeText(&hilfe, QStringLiteral("5"));
        EXPECT_EQ(zifferneingabe, "47");
        // A number ending in 0 takes a first 0.
        hilfe.naechsteZahl = 40;
        hilfe.nocheinebutton->Click();
        EXPECT_TRUE(hilfe.KeyPreview);
        typeText(&hilfe, QStringLiteral("0"));
        EXPECT_EQ(zifferneingabe, "0");
        grabToPng(&hilfe, QStringLiteral("testhilfe_tastenfeld"));
        hilfe.KeyPreview = false;
        pressKey(&hilfe, Qt::Key_Escape);
        EXPECT_FALSE(hilfe.isVisible());
    });
    hilfe.showModal();
    EXPECT_FALSE(hilfe.isVisible());
}

TEST_F(HilfenrahmenTest, UsedUpHelpEndsTheTaskWithoutRightInputs)
{
    Testhilfe hilfe;
    Form::setModalDriver([&](Form& f) {
        if (&f != &hilfe) return;
        Button* hilfebutton = hilfe.tastenfeld->Hilfebutton;
        for (int i = 1; i <= 4; ++i) {
            hilfebutton->Click();
            EXPECT_EQ(anzahl, 0);
        }
        hilfebutton->Click();
        EXPECT_EQ(hilfe.hilfeschritte, QList<int>({ 1, 2, 3, 4, 5 }));
        EXPECT_EQ(hilfetasten, 5);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 5);
        EXPECT_EQ(eingabenrichtig, 0);
        EXPECT_FALSE(hilfe.KeyPreview);
        EXPECT_FALSE(hilfe.tastenfeld->Rechner->isEnabled());
        EXPECT_FALSE(hilfebutton->isEnabled());
        EXPECT_TRUE(hilfe.nocheinebutton->isVisible());
        // The next task gives the help back.
        hilfe.nocheinebutton->Click();
        EXPECT_TRUE(hilfebutton->isEnabled());
        EXPECT_EQ(hilfestufe, 0);
        hilfe.endebutton->Click();
    });
    hilfe.showModal();
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste(n):  5");
}

TEST_F(HilfenrahmenTest, CursorTrapOnTheDesignGridAndThePause)
{
    Testhilfe hilfe;
    Form::setModalDriver([&](Form& f) {
        if (&f != &hilfe) return;
        EXPECT_EQ(mausbereich.left, Round(696 * 0.79));
        EXPECT_EQ(mausbereich.right, 790);
        EXPECT_EQ(mausbereich.bottom, Round(1100 * double(0.55f)));
        const QPoint o = hilfe.mapToGlobal(QPoint(0, 0));
        ASSERT_TRUE(mousetrap::current().has_value());
        EXPECT_EQ(mousetrap::current()->topLeft(), QPoint(mausbereich.left, mausbereich.top) + o);

        const double vorher = clockx::now();
        hilfe.warteschleife();
        EXPECT_NEAR(clockx::now() - vorher, 1.5e-6, 1e-9);
        EXPECT_DOUBLE_EQ(jetzt, vorher);
    });
    hilfe.showModal();
    // Closing releases the trap.
    EXPECT_FALSE(mousetrap::current().has_value());
}
