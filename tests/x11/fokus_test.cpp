// The window system's focus rules for every window: what happens to the focus when the focused control goes
// away, and where the arrow keys may move it.
#include "platform/controls.h"
#include "platform/form.h"
#include "support/xserver.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Fenster {
    Form form;
    Button* weiter = new Button(&form, QStringLiteral("weiter"), 10, 10, 100, 30);
    Button* antwort = new Button(&form, QStringLiteral("Antwort"), 120, 10, 100, 30);
    Button* abbrechen = new Button(&form, QStringLiteral("Programm abbrechen"), 230, 10, 150, 30);
    QStringList geklickt;

    Fenster()
    {
        form.setDesignGeometry(50, 50, 400, 100);
        for (Button* b : { weiter, antwort, abbrechen })
            b->OnClick = [this, b] { geklickt << b->caption(); };
        antwort->Default = true;
    }
};

} // namespace

TEST(Fokus, bleibtBeimFensterWennDasFokussierteVerschwindet)
{
    if (!onXServer()) GTEST_SKIP();
    for (const bool verstecken : { true, false }) {
        Fenster f;
        f.form.setActiveControl(f.weiter);
        Form::setModalDriver([&](Form& shown) {
            ASSERT_TRUE(waitActive(&shown));
            ASSERT_EQ(keyReceiver(), f.weiter);
            if (verstecken)
                f.weiter->hide();
            else
                f.weiter->setEnabled(false);
            QTest::qWait(20);
            // Neither the next control nor "Programm abbrechen": the window itself, and Enter is its Default.
            EXPECT_EQ(keyReceiver(), &f.form);
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            EXPECT_EQ(f.geklickt, QStringList { QStringLiteral("Antwort") });
            EXPECT_TRUE(f.form.isVisible());
        });
        f.form.showModal();
        Form::setModalDriver({});
    }
}

TEST(Fokus, pfeiltastenUebergehenKnoepfeDieEinSpielBeenden)
{
    if (!onXServer()) GTEST_SKIP();
    Fenster f;
    setArrowStop(f.abbrechen, false);
    f.form.setActiveControl(f.weiter);
    Form::setModalDriver([&](Form& shown) {
        ASSERT_TRUE(waitActive(&shown));
        for (Qt::Key k : { Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up }) {
            ASSERT_TRUE(sendKey(k));
            EXPECT_NE(keyReceiver(), f.abbrechen);
        }
        // Arrows still move among the others, and Tab still reaches it.
        EXPECT_EQ(keyReceiver(), f.weiter);
        ASSERT_TRUE(sendKey(Qt::Key_Right));
        EXPECT_EQ(keyReceiver(), f.antwort);
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        EXPECT_EQ(keyReceiver(), f.abbrechen);
    });
    f.form.showModal();
    Form::setModalDriver({});
}
