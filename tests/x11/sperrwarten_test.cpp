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

    int cursorBeimWarten = -1;
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
    auto* d = dynamic_cast<TForm65*>(Form65);
    ASSERT_TRUE(d);
    tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("KL3A"));
    aktivliste = "KL3A";
    programmcode = 17;
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
