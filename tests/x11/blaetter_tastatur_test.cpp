// The worksheet windows used with the keyboard alone: no key closes a sheet, only Enter prints, through
// "drucken" once the sheet is ready to print, and a sheet starts where typing sets it up.
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"
#include "worksheets/a_domino.h"
#include "worksheets/a_komma.h"
#include "worksheets/a_ueber.h"
#include "worksheets/blattform.h"

#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

class BlaetterTastatur : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        printer().setRecording(false);
        ProgrammTest::TearDown();
    }
};

} // namespace

TEST_F(BlaetterTastatur, keineTasteSchliesstEinBlattUndNurEnterDruckt)
{
    if (!onXServer()) GTEST_SKIP();
    Form* const blaetter[] = { Form3, Form4, Form5, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form15, Form16,
        Form18, Form19, Form21, Form22, Form24, Form25, Form26, Form27, Form28 };
    for (Form* blatt : blaetter) {
        SCOPED_TRACE(blatt->metaObject()->className());
        std::mt19937 zufall(47u);
        zeigen(blatt, [&](Form& f) {
            if (&f != blatt) return; // a message on the way
            ASSERT_TRUE(waitActive(blatt));
            auto* vorrat = dynamic_cast<Blattform*>(blatt);
            for (int i = 0; i < 300; ++i) {
                const Qt::Key taste = randomKey(zufall);
                const bool druckbereit = taste == Qt::Key_Return && vorrat && vorrat->druckknopf()
                    && vorrat->druckknopf()->isVisible() && vorrat->druckknopf()->isEnabled();
                const auto vorher = printer().recorded().size();
                ASSERT_TRUE(sendKey(taste));
                ASSERT_TRUE(blatt->isVisible()) << "key " << i << " " << std::hex << int(taste);
                if (!druckbereit)
                    ASSERT_EQ(printer().recorded().size(), vorher) << "key " << i << " " << std::hex << int(taste);
            }
        });
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

namespace {

struct Blatt {
    const char* name;
    Form* const* menue;
    QString knopf; // the menu button that opens the sheet
    Form* const* blatt;
    // Where the sheet starts, at its first showing and at every one after.
    std::function<QWidget*(Form&)> anfang;
    // A group with nothing chosen that Tab must reach after `vorher`, or none.
    std::function<RadioGroup*(Form&)> gruppe;
    QList<Qt::Key> vorher;
};

QWidget* ersteAnzahl(Form& f)
{
    return dynamic_cast<Blattform&>(f).anzahledits().first();
}

Button* knopfMit(Form* fenster, const QString& caption)
{
    for (Button* b : fenster->findChildren<Button*>())
        if (b->caption() == caption) return b;
    return nullptr;
}

} // namespace

TEST_F(BlaetterTastatur, einBlattBeginntAufSeinerErstenEingabeAuchNachEinemKlickAufZurueck)
{
    if (!onXServer()) GTEST_SKIP();
    const auto ueberschlag = [](Form& f) -> RadioGroup* { return static_cast<TForm28&>(f).RadioGroup1; };
    const auto komma = [](Form& f) -> RadioGroup* { return static_cast<TForm27&>(f).RadioGroup1; };
    // No menu twice in a row: a window shown again before the X server has taken it down never becomes active.
    const Blatt blaetter[] = {
        { "Bereich bis 10", &Form2, QStringLiteral("+ / -  im Bereich bis 10"), &Form3, ersteAnzahl, {}, {} },
        { "Überschlag", &Form29, QStringLiteral("Überschläge"), &Form28,
            [](Form& f) -> QWidget* { return static_cast<TForm28&>(f).Button2; }, ueberschlag,
            { Qt::Key_Down, Qt::Key_Return } }, // "Subtraktion"
        { "halbschriftlich", &Form17, QStringLiteral("halbschriftliches Addieren"), &Form18, ersteAnzahl, {}, {} },
        { "Mengen zerlegen", &Form2, QStringLiteral("Mengen zerlegen"), &Form4, ersteAnzahl, {}, {} },
        // Made after the mixing group, which used to take the first typed count.
        { "schriftlich", &Form6, QStringLiteral(" H Z E  x  E  "), &Form9, ersteAnzahl, {}, {} },
        { "Komma", &Form29, QStringLiteral("Kommazahlen"), &Form27,
            [komma](Form& f) -> QWidget* { return komma(f)->button(0); }, komma, {} },
    };
    for (const Blatt& b : blaetter) {
        SCOPED_TRACE(b.name);
        Form* const menue = *b.menue;
        Button* const knopf = knopfMit(menue, b.knopf);
        ASSERT_TRUE(knopf);
        int gezeigt = 0;
        zeigen(menue, [&](Form& f) {
            ASSERT_TRUE(waitActive(&f));
            if (&f == menue) {
                for (int mal = 0; mal < 2; ++mal) {
                    QTest::mouseClick(knopf, Qt::LeftButton);
                    ASSERT_TRUE(waitActive(menue));
                }
                return;
            }
            if (&f != *b.blatt) return;
            ++gezeigt;
            EXPECT_EQ(keyReceiver(), b.anfang(f)) << "showing " << gezeigt;
            if (gezeigt == 1 && b.gruppe) {
                RadioGroup* g = b.gruppe(f);
                for (Qt::Key k : b.vorher)
                    ASSERT_TRUE(sendKey(k));
                // Tab enters the group at its first item without choosing it; an arrow chooses.
                for (int tab = 0; tab < 8 && keyReceiver() != g->button(0); ++tab)
                    ASSERT_TRUE(sendKey(Qt::Key_Tab));
                ASSERT_EQ(keyReceiver(), g->button(0));
                EXPECT_EQ(g->ItemIndex(), -1);
                ASSERT_TRUE(sendKey(Qt::Key_Down));
                EXPECT_EQ(g->ItemIndex(), 1);
                EXPECT_EQ(keyReceiver(), g->button(1));
            }
            // A click on "zurück" focuses it; the next showing must not start there.
            QTest::mouseClick(dynamic_cast<Blattform&>(f).zurueckknopf(), Qt::LeftButton);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_EQ(gezeigt, 2);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

// After a print, Esc goes back to the kinds, and Enter there takes the kind that was used again.
TEST_F(BlaetterTastatur, dominoKehrtNachEscAufDieGewaehlteArtZurueck)
{
    if (!onXServer()) GTEST_SKIP();
    auto* const domino = static_cast<TForm26*>(Form26);
    zeigen(domino, [&](Form& f) {
        if (&f != domino) return;
        ASSERT_TRUE(waitActive(domino));
        // The random keys above may have left a kind chosen.
        if (!domino->Button1->isVisible() || !domino->Button7->isVisible()) ASSERT_TRUE(sendKey(Qt::Key_Escape));
        for (int runde = 0; runde < 2; ++runde) {
            SCOPED_TRACE(runde);
            for (int pfeil = 0; pfeil < 6 && keyReceiver() != domino->Button7; ++pfeil) // ": /  ... Teiler"
                ASSERT_TRUE(sendKey(Qt::Key_Down));
            ASSERT_EQ(keyReceiver(), domino->Button7);
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            ASSERT_TRUE(domino->Panel6->isVisible());
            ASSERT_TRUE(sendKey(Qt::Key_3));
            const auto vorher = printer().recorded().size();
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            EXPECT_GT(printer().recorded().size(), vorher);
            ASSERT_TRUE(sendKey(Qt::Key_Escape));
            ASSERT_FALSE(domino->Panel6->isVisible());
            EXPECT_EQ(keyReceiver(), domino->Button7);
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            EXPECT_TRUE(domino->Panel6->isVisible());
            EXPECT_EQ(domino->Label6->caption(), QStringLiteral("Domino-Teiler"));
            ASSERT_TRUE(sendKey(Qt::Key_Escape));
            ASSERT_TRUE(sendKey(Qt::Key_Up));
        }
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
