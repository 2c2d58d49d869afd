// The analysis result longer than the screen: with the program's own windows, a three-task run of "kleines
// 1 x 1" ends in the result window, whose end the teacher brings into view with the keyboard and the wheel.
#include "analyses/f_gra.h"
#include "analyses/f_gra_vp.h"
#include "analyses/f_haupt.h"
#include "analyses/f_prot.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/scrollview.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/pdf.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

// The answer to task n (a x b = c): three errors of different kinds, c + b, c - b and one without a name.
int antwort(int n)
{
    return n == 1 ? zahl * 10 : n == 2 ? zahl + zahl2 : zahl - zahl2;
}

class ProtokollRollen : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        if (!onXServer()) GTEST_SKIP();
        Surface::setRecordingTexts(true);
        // Kept, not printed: a PDF would open in a viewer on this display.
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        Surface::setRecordingTexts(false);
        printer().setRecording(false);
        printer().clearRecorded();
        ProgrammTest::TearDown();
    }

    // The analysis from its hub: 2 and 3 times 2 and 3 (three tasks, as 2 x 3 and 3 x 2 count once), each
    // answered wrong; `ergebnis` runs in the result window.
    void kleinesEinmaleins(const std::function<void(TForm36&)>& ergebnis)
    {
        zeigen(Form30, [&](Form& f) {
            if (&f == Form30)
                static_cast<TForm30&>(f).Button1->Click();
            else if (auto* setup = dynamic_cast<TForm37*>(&f)) {
                for (ListBox* liste : { setup->erstelisten[5], setup->zweitelisten[5] })
                    for (int i = 0; i < liste->count(); ++i) {
                        liste->setSelected(i, i == 2 || i == 3);
                        if (liste->OnClick) liste->OnClick();
                    }
                setup->n_ohne->setText("Anna");
                setup->Button2->Click();
                setup->Button10->Click();
            } else if (auto* lauf = dynamic_cast<TForm38*>(&f)) {
                lauf->Button15->Click();
                int n = 0;
                while (lauf->aufgabeOffen()) {
                    for (QChar z : QString::number(antwort(++n)))
                        lauf->ziffern[size_t(z.digitValue())]->Click();
                    lauf->Button13->Click();
                }
            } else if (auto* protokoll = dynamic_cast<TForm36*>(&f)) {
                ASSERT_TRUE(waitActive(protokoll));
                ergebnis(*protokoll);
            }
        });
    }

    // Where the diagnosis of the result stands on the screen.
    static QRect fehleranalyse(TForm36& f)
    {
        for (const Surface::PlacedText& t : f.blatt->surface().placedTexts())
            if (t.text.contains("F e h l e r a n a l y s e"))
                return QRect(f.blatt->widget()->mapToGlobal(t.box.topLeft()), t.box.size());
        return {};
    }
    // Whole in the window's visible area and on the screen.
    static bool imBlick(TForm36& f, const QRect& r)
    {
        const QRect sichtbar(f.blatt->viewport()->mapToGlobal(QPoint(0, 0)), f.blatt->viewport()->size());
        return !r.isNull() && sichtbar.contains(r) && f.screen()->geometry().contains(r);
    }
};

} // namespace

TEST_F(ProtokollRollen, TheDiagnosisOfALongResultIsBroughtIntoView)
{
    bool gezeigt = false;
    kleinesEinmaleins([&](TForm36& f) {
        gezeigt = true;
        EXPECT_EQ(protzeilenzahl, 53);
        const QRect block = fehleranalyse(f);
        ASSERT_FALSE(block.isNull());
        grabToPng(&f, "protokoll_rollen_oben_" + qEnvironmentVariable("TAVI_X11_SCREEN"));
        QScrollBar* balken = f.blatt->verticalScrollBar();
        if (balken->maximum() == 0) {
            // A screen that holds all of it needs no scrolling.
            EXPECT_TRUE(imBlick(f, block));
            return;
        }
        EXPECT_FALSE(imBlick(f, block));
        EXPECT_TRUE(balken->isVisible());

        // End, with "drucken" holding the focus.
        ASSERT_EQ(keyReceiver(), f.Button1);
        ASSERT_TRUE(sendKey(Qt::Key_End));
        EXPECT_TRUE(imBlick(f, fehleranalyse(f)));
        grabToPng(&f, "protokoll_rollen_ende_" + qEnvironmentVariable("TAVI_X11_SCREEN"));
        ASSERT_TRUE(sendKey(Qt::Key_Home));
        EXPECT_EQ(balken->value(), 0);

        // PageDown, page by page, gets there too.
        for (int i = 0; i < 10 && !imBlick(f, fehleranalyse(f)); ++i)
            ASSERT_TRUE(sendKey(Qt::Key_PageDown));
        EXPECT_TRUE(imBlick(f, fehleranalyse(f)));

        // Up and Down move the text a line, not the focus.
        const int vorher = balken->value();
        ASSERT_TRUE(sendKey(Qt::Key_Up));
        EXPECT_LT(balken->value(), vorher);
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        EXPECT_EQ(balken->value(), vorher);
        EXPECT_EQ(keyReceiver(), f.Button1);

        // The wheel over the buttons scrolls as well.
        ASSERT_TRUE(sendKey(Qt::Key_Home));
        const QPoint mitte = f.Button2->rect().center();
        QWheelEvent rad(mitte, f.Button2->mapToGlobal(mitte), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.Button2, &rad);
        EXPECT_GT(balken->value(), 0);

        // Tab and Enter stay the window's: the print, then Esc closes.
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_FALSE(f.Button1->isEnabled());
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(gezeigt) << [&] {
        QStringList s;
        for (Form* g : this->gezeigt)
            s << g->caption();
        return s.join(" ").toStdString();
    }() << aufgabenanzahl;
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();

    // The printout holds every line on its first page, as it did before the window could scroll.
    ASSERT_EQ(printer().recorded().size(), 1);
    // One file for each screen size: the runs at several sizes go on at the same time.
    const QString pdf = QStringLiteral(TAVI_TEST_OUTPUT "/protokoll_rollen_druck_")
        + qEnvironmentVariable("TAVI_X11_SCREEN") + QStringLiteral(".pdf");
    ASSERT_EQ(Printer::writePdf(printer().recorded().first(), pdf), QString());
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_TRUE(pdfText(pdf).contains("F e h l e r a n a l y s e"));
}
