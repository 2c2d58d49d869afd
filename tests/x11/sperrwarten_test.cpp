// A class list that another PC saves just now: the program's windows wait for its lock with the wait cursor, and
// a click made during the wait is not one more wait afterwards. Under X with the program's own windows; the click
// made during the wait is queued as the window system queues it.
#include "platform/controls.h"
#include "platform/filelock.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/fenster.h"
#include "shell/h_prot.h"
#include "shell/tav_i_logik.h"
#include "support/keys.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kWarten = 600;

class SperrWarten : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        if (!onXServer()) GTEST_SKIP();
        QDir().mkpath(dataPath("k_liste"));
        writeBytes(dataPath("k_liste/KL3A.TXT"), "01 Anna\r\n02 Ben\r\n");
        FileLock::setWaitForTests(kWarten);
    }
    void TearDown() override
    {
        FileLock::setWaitForTests(-1);
        ProgrammTest::TearDown();
    }

    // While `klicken` waits for the lock another PC holds: notes the cursor, and clicks `nochmal` once more, as
    // the window system queues a click. Gives how long the first click and what followed it took.
    qint64 zweimalKlicken(const std::function<void()>& klicken, QWidget* nochmal, QPoint wo = {})
    {
        const FileLock anderer(dataPath("k_liste/KL3A.LCK"));
        EXPECT_TRUE(anderer.held());
        QTimer::singleShot(kWarten / 4, [&] {
            cursorBeimWarten = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1;
            const QPointF mitte = wo.isNull() ? QRectF(nochmal->rect()).center() : QPointF(wo);
            for (QEvent::Type t : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
                QCoreApplication::postEvent(nochmal,
                    new QMouseEvent(t, mitte, nochmal->mapToGlobal(mitte), Qt::LeftButton,
                        t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
        });
        QElapsedTimer uhr;
        uhr.start();
        klicken();
        // Whatever was queued is handled now.
        QTest::qWait(kWarten / 2);
        return uhr.elapsed();
    }

    // The aids' protocol dialog, with KL3A the active list.
    TForm65* protokolldialog()
    {
        tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("KL3A"));
        aktivliste = "KL3A";
        programmcode = 17;
        return dynamic_cast<TForm65*>(Form65);
    }

    int cursorBeimWarten = -1;
};

// The window system's close box: the message a window manager sends when the user clicks it.
class Schliessfeld {
public:
    Schliessfeld()
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        m_verbindung = x11 ? x11->connection() : nullptr;
        if (!m_verbindung) return;
        m_protokolle = atom("WM_PROTOCOLS");
        m_schliessen = atom("WM_DELETE_WINDOW");
    }
    void klicken(QWidget* fenster) const
    {
        xcb_client_message_event_t e {};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = xcb_window_t(fenster->winId());
        e.type = m_protokolle;
        e.data.data32[0] = m_schliessen;
        e.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_verbindung, 0, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
        xcb_flush(m_verbindung);
    }

private:
    xcb_atom_t atom(const char* name) const
    {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            m_verbindung, xcb_intern_atom(m_verbindung, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
        std::free(r);
        return a;
    }
    xcb_connection_t* m_verbindung = nullptr;
    xcb_atom_t m_protokolle = XCB_ATOM_NONE;
    xcb_atom_t m_schliessen = XCB_ATOM_NONE;
};

} // namespace

TEST_F(SperrWarten, dieVerwaltungZeigtDasWartenUndEinZweiterKlickWartetNichtNochEinmal)
{
    auto* w = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(w);
    zeigen(w, [&](Form& f) {
        if (&f != w) return;
        ASSERT_TRUE(waitActive(w));
        QTest::mouseClick(w->Button2, Qt::LeftButton); // "einer Liste einen Namen hinzufügen"
        w->ListBox1->setCurrentRow(0);
        w->ListBox1->setItemIndex(0);
        w->ListBox1->OnClick();
        ASSERT_TRUE(w->Nameneingabe->isVisible());
        QTest::keyClicks(w->Edit1, "Dora");
        const qint64 dauer = zweimalKlicken([&] { QTest::mouseClick(w->Button8, Qt::LeftButton); }, w->Button8);
        EXPECT_EQ(cursorBeimWarten, int(Qt::WaitCursor));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        // One wait, not two.
        EXPECT_LT(dauer, kWarten * 3 / 2 + kWarten / 2);
        EXPECT_TRUE(w->meldung->isVisible());
        EXPECT_EQ(w->Edit1->text(), "Dora");
        EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.TXT")), "01 Anna\r\n02 Ben\r\n");
        w->Button10->Click();
    });
}

TEST_F(SperrWarten, imProtokollWartetEinNamensklickSichtbarUndNurEinmal)
{
    TForm65* d = protokolldialog();
    ASSERT_TRUE(d);
    zeigen(d, [&](Form& f) {
        if (&f != d) return;
        ASSERT_TRUE(waitActive(d));
        QTest::mouseClick(d->Button5, Qt::LeftButton); // "nur &speichern"
        ASSERT_EQ(d->namen->count(), 2);
        const QRect ben = d->namen->visualItemRect(d->namen->item(1));
        const qint64 dauer
            = zweimalKlicken([&] { QTest::mouseClick(d->namen->viewport(), Qt::LeftButton, {}, ben.center()); },
                d->namen->viewport(), ben.center());
        EXPECT_EQ(cursorBeimWarten, int(Qt::WaitCursor));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_LT(dauer, kWarten * 3 / 2 + kWarten / 2);
        EXPECT_TRUE(d->meldung->caption().contains("gleich noch einmal"));
        EXPECT_FALSE(QDir(dataPath("Klassen")).exists());
        d->Button1->Click();
    });
}

TEST_F(SperrWarten, dasSchliessfeldBeendetDenProtokolldialogNichtMittenImWarten)
{
    TForm65* d = protokolldialog();
    ASSERT_TRUE(d);
    const Schliessfeld schliessfeld;
    int geschlossenBeimWarten = -1;
    zeigen(d, [&](Form& f) {
        if (&f != d) return;
        ASSERT_TRUE(waitActive(d));
        QTest::mouseClick(d->Button5, Qt::LeftButton); // "nur &speichern"
        ASSERT_EQ(d->namen->count(), 2);
        const FileLock anderer(dataPath("k_liste/KL3A.LCK"));
        ASSERT_TRUE(anderer.held());
        QTimer::singleShot(kWarten / 4, [&] { schliessfeld.klicken(d); });
        QTimer::singleShot(kWarten * 3 / 4, [&] { geschlossenBeimWarten = d->isVisible() ? 0 : 1; });
        d->namen->setItemIndex(1);
        d->namen->OnClick();
        // The wait and its outcome are over before anything else happens; the close asked for meanwhile is not
        // carried out in the middle of them, nor afterwards.
        QTest::qWait(kWarten / 2);
        EXPECT_EQ(geschlossenBeimWarten, 0);
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->meldung->isVisible());
        EXPECT_TRUE(d->meldung->caption().contains("gleich noch einmal"));
        // Once the wait is over the close box closes the window as ever.
        schliessfeld.klicken(d);
        QTest::qWait(200);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_FALSE(QDir(dataPath("Klassen")).exists());
}
