// Where Space and Enter act can be seen: in a window worked with the keyboard the focused button shows its frame,
// also where the program moved the focus and in every window the keyboard comes back to; a window used with the
// mouse alone shows none, but on a list that comes up with the keys in it. Space presses the framed button, and the
// button Enter presses is marked.
#include "aids/h_haupt.h"
#include "aids/h_stern.h"
#include "aids/h_sv1.h"
#include "aids/hilfenrahmen.h"
#include "analyses/f_sv.h"
#include "games/s_tictactoe.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QDir>
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

// The same control without the window's focus frame; the window keeps the frame it had.
QImage ohneRahmen(QWidget* control)
{
    QWidget* fenster = control->window();
    const bool vorher = fenster->testAttribute(Qt::WA_KeyboardFocusChange);
    const auto neu = [control] {
        control->update();
        for (QWidget* w : control->findChildren<QWidget*>())
            w->update();
    };
    fenster->setAttribute(Qt::WA_KeyboardFocusChange, false);
    neu();
    const QImage b = bild(control);
    fenster->setAttribute(Qt::WA_KeyboardFocusChange, vorher);
    neu();
    return b;
}

// Whether the dots of the focus frame lie on the top line of row `zeile` of `liste`, on the screen.
bool gerahmt(ListBox* liste, int zeile)
{
    const QImage b = bild(liste->viewport());
    const QRect linie = liste->focusFrameOf(liste->visualItemRect(liste->item(zeile)));
    int punkte = 0;
    for (int x = linie.left(); x <= linie.right(); ++x)
        if (qGray(b.pixel(x, linie.top())) < 64) ++punkte;
    return punkte >= linie.width() / 3;
}

class Fokusrahmen : public ProgrammTest {
protected:
    void klassen(const QStringList& namen)
    {
        QDir().mkpath(dataPath("k_liste"));
        for (const QString& name : namen)
            writeBytes(dataPath("k_liste/" + name + ".TXT"), "01 Anna\r\n02 Ben\r\n03 Cem\r\n");
    }
};

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
            hub->Button6->Click();
            hub->knopf(81)->Click();
            hub->RG_SV_Plus->button(4)->click(); // two carries
            ASSERT_EQ(keyReceiver(), hub->startknopf) << zeigungen;
            const QImage ohne = ohneFokus(hub->startknopf);
            if (zeigungen++ == 0) {
                // Chosen with the mouse: the program puts Start under Enter, and it looks as when unfocused:
                // Enter's button, without a frame.
                QTest::mouseClick(hub->Button6, Qt::LeftButton);
                hub->Button6->Click();
                hub->knopf(81)->Click();
                SetFocus(hub->startknopf);
                EXPECT_TRUE(bild(hub->startknopf) == ohne);
                ASSERT_TRUE(sendKey(Qt::Key_Return));
                return;
            }
            // The second showing follows keys: the frame shows at once, and a click after it keeps it.
            grabToPng(hub, QStringLiteral("fokusrahmen_hub_nach_tasten"));
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

TEST_F(Fokusrahmen, derHubZeigtDenRahmenSobaldDieTastaturAusDerHilfeZurueckkommt)
{
    if (!onXServer()) GTEST_SKIP();
    TForm63* hub = hilfenhub();
    ASSERT_TRUE(hub);
    bool geprueft = false;
    Form::setModalDriver([&](Form& f) {
        ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
        if (&f != hub) {
            // "Zahl einordnen" worked with the keys: Space, then Esc ends it.
            ASSERT_TRUE(sendKey(Qt::Key_Space));
            ASSERT_TRUE(sendKey(Qt::Key_Escape));
            return;
        }
        hub->Button1->Click();
        hub->knopf(17)->Click();
        ASSERT_TRUE(waitActive(hub));
        ASSERT_EQ(keyReceiver(), hub->endebutton);
        grabToPng(hub, QStringLiteral("fokusrahmen_hub_nach_zahl_einordnen"));
        // The frame shows on "Hilfen beenden" before any further key: the next Space would end the aids.
        EXPECT_TRUE(bild(hub->endebutton) != ohneRahmen(hub->endebutton));
        geprueft = true;
    });
    hub->showModal();
    Form::setModalDriver({});
    EXPECT_TRUE(geprueft);
}

TEST_F(Fokusrahmen, spaceDruecktWeiterImTicTacToeUndEnterIstImSternMarkiert)
{
    if (!onXServer()) GTEST_SKIP();
    auto* ttt = dynamic_cast<TForm46*>(Form46);
    auto* stern = dynamic_cast<TForm74*>(Form74);
    ASSERT_TRUE(ttt && stern);
    spieloption = 0; // ergänze zur 10
    spielername1 = "ROT";
    spielername2 = "BLAU";
    const auto tippen = [](const QString& text) {
        for (QChar c : text)
            ASSERT_TRUE(sendKey(Qt::Key(c.unicode())));
    };
    bool weiter = false;
    zeigen(ttt, [&](Form&) {
        ASSERT_TRUE(waitActive(ttt));
        // The middle column, 2, (1), 5, (4), 8, decides the set.
        for (int k : { 2, 1, 5, 4, 8 }) {
            tippen(QString::number(10 - ttt->brett().gezeigt[std::size_t(k)]));
            ASSERT_TRUE(sendKey(Qt::Key_Return));
        }
        ASSERT_EQ(gewonnen, 1);
        ASSERT_EQ(keyReceiver(), ttt->Button2);
        EXPECT_TRUE(bild(ttt->Button2) != ohneRahmen(ttt->Button2));
        // The window takes every character for itself, but Space still presses the framed "weiter!".
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        EXPECT_FALSE(ttt->Button2->isVisible());
        EXPECT_TRUE(ttt->tasten->Rechner->isVisible());
        weiter = true;
        ttt->Button1->Click();
    });
    EXPECT_TRUE(weiter);

    bool markiert = false;
    programmcode = 53;
    zeigen(stern, [&](Form&) {
        ASSERT_TRUE(waitActive(stern));
        tippen(QStringLiteral("4"));
        for (int k = 2; k <= 10; ++k)
            tippen(QString::number(4 * k));
        // The star is complete: no control has the focus, and Enter would empty it: "leeren?" shows so.
        ASSERT_TRUE(stern->weiterbutton->isVisible());
        EXPECT_EQ(keyReceiver(), stern);
        EXPECT_EQ(stern->enterButton(), stern->weiterbutton);
        const QImage mitMarke = bild(stern->weiterbutton);
        grabToPng(stern, QStringLiteral("fokusrahmen_stern_fertig"));
        stern->weiterbutton->Default = false;
        EXPECT_TRUE(bild(stern->weiterbutton) != mitMarke);
        stern->weiterbutton->Default = true;
        EXPECT_TRUE(bild(stern->weiterbutton) == mitMarke);
        markiert = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(markiert);
}

TEST_F(Fokusrahmen, eineListeZeigtDenRahmenAuchWennAllesGewaehltOderNichtsDaIst)
{
    if (!onXServer()) GTEST_SKIP();
    TForm63* hub = hilfenhub();
    ASSERT_TRUE(hub);
    int geprueft = 0;
    zeigen(hub, [&](Form&) {
        ASSERT_TRUE(waitActive(hub));
        hub->Button4->Click();
        hub->knopf(54)->Click();
        ListBox* liste = nullptr;
        for (ListBox* l : hub->findChildren<ListBox*>())
            if (!liste && l->isVisible() && l->count() > 0) liste = l;
        ASSERT_TRUE(liste);
        // Every item chosen: the frame shows which one Space toggles.
        for (int i = 0; i < liste->count(); ++i)
            liste->setSelected(i, true);
        SetFocus(liste);
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        EXPECT_TRUE(bild(liste) != ohneRahmen(liste));
        // An empty list with the focus shows a frame around it.
        liste->clear();
        EXPECT_TRUE(bild(liste) != ohneRahmen(liste));
        geprueft = 2;
        hub->Close();
    });
    EXPECT_EQ(geprueft, 2);
}

namespace {

// The frame around a keypad, where it shows now.
QWidget* tastenrahmen(Form& f)
{
    auto* r = f.findChild<QWidget*>(QStringLiteral("tastenrahmen"));
    return r && r->isVisible() ? r : nullptr;
}

} // namespace

// Where the window itself holds the keys and no button shows that Enter presses it (the star and the middle 1x1
// with their keypads, the half-written aid's long way), the first key shows the frame around the keypad, where
// the keys go; a framed button takes the frame again.
TEST_F(Fokusrahmen, dasTastenfeldZeigtDenRahmenWoKeinKnopfEnterTraegt)
{
    if (!onXServer()) GTEST_SKIP();
    TForm63* hub = hilfenhub();
    ASSERT_TRUE(hub);
    QStringList geprueft;
    for (int code : { 53, 54, -1 }) {
        SCOPED_TRACE(code);
        Form::setModalDriver([&](Form& f) {
            ASSERT_TRUE(waitActive(&f));
            if (&f == hub) {
                if (code > 0) {
                    hub->Button4->Click();
                    hub->knopf(code)->Click();
                } else {
                    hub->Button5->Click();
                    hub->hsv_tempo->button(0)->click(); // the long way
                    hub->hsv_r_art->button(-code - 1)->click();
                }
                ASSERT_TRUE(sendKey(Qt::Key_Return)); // Start
                return;
            }
            auto* hilfe = dynamic_cast<Hilfenfenster*>(&f);
            if (!hilfe) return;
            ASSERT_TRUE(hilfe->tastenfeld);
            ASSERT_EQ(keyReceiver(), hilfe);
            ASSERT_TRUE(sendKey(Qt::Key_Tab));
            if (keyReceiver() == hilfe) {
                // No stop for Tab: the frame shows where the keys go, around the keypad's keys.
                QWidget* rahmen = tastenrahmen(f);
                ASSERT_TRUE(rahmen);
                QRect tasten;
                for (Button* b : hilfe->tastenfeld->knoepfe())
                    if (b->isVisible() && b->parentWidget() == rahmen->parentWidget()) tasten |= b->geometry();
                EXPECT_TRUE(rahmen->geometry().contains(tasten));
                // It is seen on the screen.
                rahmen->hide();
                const QImage ohne = bild(rahmen->parentWidget());
                rahmen->show();
                EXPECT_TRUE(bild(rahmen->parentWidget()) != ohne);
            } else {
                // A framed button has the keys; a digit typed, or a keypad key clicked, brings them back to the
                // keypad, framed at once.
                EXPECT_FALSE(tastenrahmen(f));
                if (code == 53)
                    ASSERT_TRUE(sendKey(Qt::Key_4));
                else
                    QTest::mouseClick(hilfe->tastenfeld->ziffer(4), Qt::LeftButton);
                EXPECT_EQ(keyReceiver(), hilfe);
                EXPECT_TRUE(tastenrahmen(f));
                grabToPng(&f, QStringLiteral("fokusrahmen_tastenfeld_%1").arg(code));
            }
            geprueft << f.objectName();
            ASSERT_TRUE(sendKey(Qt::Key_Escape));
        });
        hub->showModal();
        Form::setModalDriver({});
    }
    geprueft.removeDuplicates();
    EXPECT_EQ(geprueft.size(), 3) << geprueft.join(' ').toStdString();
}

// Brought up by a click on a button, the administration's choice of a list frames its first list in every kind of
// step, also in a window used with the mouse alone: the next Space or Enter would delete, print or open it.
TEST_F(Fokusrahmen, dieListenwahlDerVerwaltungRahmtDieErsteListeAuchNachEinemKlick)
{
    if (!onXServer()) GTEST_SKIP();
    klassen({ "1A", "2B" });
    auto* w = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(w);
    int geprueft = 0;
    zeigen(w, [&](Form& f) {
        if (&f != w) return;
        ASSERT_TRUE(waitActive(w));
        // As when the window was opened by a click: no key has shown a frame in it.
        w->setAttribute(Qt::WA_KeyboardFocusChange, false);
        for (Button* art : { w->Button5, w->Button4, w->Button3, w->Button2 }) {
            SCOPED_TRACE(art->text().toStdString());
            QTest::mouseClick(art, Qt::LeftButton);
            ASSERT_EQ(keyReceiver(), w->ListBox1);
            EXPECT_TRUE(gerahmt(w->ListBox1, 0));
            EXPECT_EQ(w->ListBox1->ItemIndex(), -1);
            QTest::mouseClick(w->Button6, Qt::LeftButton); // abbrechen
            ++geprueft;
        }
        // The rest of the window keeps its look for the mouse.
        EXPECT_FALSE(w->testAttribute(Qt::WA_KeyboardFocusChange));
        w->Button10->Click();
    });
    EXPECT_EQ(geprueft, 4);
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files).size(), 2);
}

// Tab stops only where a frame shows it: in the written-subtraction set-up it goes round the names, "zurück" and
// "Hinweise drucken?", never into the hints beside them.
TEST_F(Fokusrahmen, tabHaeltInDerSubtraktionNurWoEinRahmenErscheint)
{
    if (!onXServer()) GTEST_SKIP();
    klassen({ "KL3A" });
    aktivliste = "KL3A";
    auto* sv = dynamic_cast<TForm39*>(Form39);
    ASSERT_TRUE(sv);
    QSet<QWidget*> halte;
    zeigen(sv, [&](Form& f) {
        if (&f != sv) return;
        ASSERT_TRUE(waitActive(sv));
        for (int i = 0; i < 8; ++i) {
            ASSERT_TRUE(sendKey(Qt::Key_Tab));
            halte.insert(keyReceiver());
        }
        sv->Button10->Click();
    });
    EXPECT_EQ(halte, (QSet<QWidget*> { sv->namen, sv->Button10, sv->Button1 }));
}
