// Where Space and Enter act can be seen: in a window worked with the keyboard the focused button shows its frame,
// also where the program moved the focus; a window used with the mouse alone shows none, at every showing.
#include "aids/h_haupt.h"
#include "aids/h_sv1.h"
#include "platform/controls.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the pupil sees of `control` on the screen now.
QImage bild(QWidget* control)
{
    QTest::qWait(30);
    const QPoint p = control->mapTo(control->window(), QPoint());
    return control->screen()
        ->grabWindow(control->window()->winId(), p.x(), p.y(), control->width(), control->height())
        .toImage();
}

// The same control while its window holds the focus itself; the focus then goes back to it.
QImage ohneFokus(QWidget* control)
{
    control->window()->setFocus();
    const QImage b = bild(control);
    control->setFocus();
    return b;
}

class Fokusrahmen : public ProgrammTest { };

} // namespace

TEST_F(Fokusrahmen, dieTasteZeigtDenKnopfDenDasProgrammFokussiert)
{
    if (!onXServer()) GTEST_SKIP();
    TForm63* hub = hilfenhub();
    auto* sv1 = dynamic_cast<TForm79*>(Form79);
    ASSERT_TRUE(hub && sv1);
    int zeigungen = 0;
    bool geprueft = false;
    Form::setModalDriver([&](Form& f) {
        if (&f == hub) {
            ASSERT_TRUE(waitActive(hub));
            // Chosen with the mouse: the program puts Start under Enter, and it looks as when unfocused. The
            // second showing starts so too, although Enter was pressed in the first.
            hub->Button6->Click();
            hub->knopf(81)->Click();
            hub->RG_SV_Plus->button(4)->click(); // two carries
            ASSERT_EQ(keyReceiver(), hub->startknopf) << zeigungen;
            const QImage ohne = ohneFokus(hub->startknopf);
            EXPECT_TRUE(bild(hub->startknopf) == ohne) << zeigungen;
            if (zeigungen++ == 0) {
                ASSERT_TRUE(sendKey(Qt::Key_Return));
                return;
            }
            // A key shows the frame at once where the focus already was, and a click after it keeps it.
            ASSERT_TRUE(sendKey(Qt::Key_5));
            EXPECT_TRUE(bild(hub->startknopf) != ohne);
            QRadioButton* stufe = hub->RG_SV_Plus->button(3);
            QTest::mouseClick(stufe, Qt::LeftButton);
            ASSERT_EQ(keyReceiver(), stufe);
            const QImage geklickt = bild(stufe);
            EXPECT_TRUE(geklickt != ohneFokus(stufe));
            return;
        }
        if (&f != sv1) return;
        ASSERT_TRUE(waitActive(sv1));
        // The units digit, then "1" where the carry belongs: the program moves the focus to "Ü 1".
        const QString erwartet = sv1->schritte().wahltext;
        ASSERT_EQ(erwartet.size(), 5);
        ASSERT_EQ(erwartet.at(3), QChar(u'ü'));
        const QImage ohneTaste = bild(sv1->Button10);
        ASSERT_TRUE(sendKey(Qt::Key(Qt::Key_0 + erwartet.at(4).digitValue())));
        ASSERT_TRUE(sendKey(Qt::Key_1));
        ASSERT_EQ(keyReceiver(), sv1->Button10);
        EXPECT_TRUE(bild(sv1->Button10) != ohneTaste);
        EXPECT_TRUE(ohneFokus(sv1->Button10) == ohneTaste);
        geprueft = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    hub->showModal();
    hub->showModal();
    Form::setModalDriver({});
    EXPECT_EQ(zeigungen, 2);
    EXPECT_TRUE(geprueft);
}
