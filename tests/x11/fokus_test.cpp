// The window system's focus rules for every window: what happens to the focus when the focused control goes
// away, and where the arrow keys may move it.
#include "platform/controls.h"
#include "platform/form.h"
#include "support/xserver.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Fenster {
    Form form;
    Button* weiter = new Button(&form, QStringLiteral("weiter"), 10, 10, 100, 30);
    Button* antwort = new Button(&form, QStringLiteral("Antwort"), 120, 10, 100, 30);
    Button* abbrechen = new Button(&form, QStringLiteral("Programm abbrechen"), 230, 10, 150, 30);
    Panel* tasten = new Panel(&form, 10, 50, 60, 40);
    Button* taste = new Button(tasten, QStringLiteral("7"), 5, 5, 50, 30);
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
    enum class Davor { nichts, meldung, kindfenster };
    for (const Davor davor : { Davor::nichts, Davor::meldung, Davor::kindfenster }) {
        // The focused button hidden or disabled, or the panel of a focused key disabled (Qt clears the focus).
        for (const int weg : { 0, 1, 2 }) {
            SCOPED_TRACE(testing::Message() << "before " << int(davor) << ", way " << weg);
            Fenster f;
            Form kind;
            kind.setDesignGeometry(100, 100, 200, 60);
            QWidget* const fokus = weg == 2 ? f.taste : f.weiter;
            f.form.setActiveControl(fokus);
            const auto verschwinden = [&] {
                if (weg == 0) f.weiter->hide();
                if (weg == 1) f.weiter->setEnabled(false);
                if (weg == 2) f.tasten->setEnabled(false);
            };
            Form::setModalDriver([&](Form& shown) {
                ASSERT_TRUE(waitActive(&shown));
                if (&shown == &kind) {
                    verschwinden();
                    return;
                }
                ASSERT_EQ(keyReceiver(), fokus);
                if (davor == Davor::nichts) {
                    verschwinden();
                } else if (davor == Davor::meldung) {
                    QMessageBox meldung(QMessageBox::Critical, QStringLiteral("Fehler"), QStringLiteral("Meldung"),
                        QMessageBox::Ok, &f.form);
                    meldung.show();
                    ASSERT_TRUE(waitActive(&meldung));
                    verschwinden();
                    meldung.accept();
                    f.form.activateWindow(); // as a window manager does (Xvfb runs none)
                } else {
                    kind.showModal();
                }
                ASSERT_TRUE(waitActive(&f.form));
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
}

TEST(Fokus, pfeiltastenUebergehenKnoepfeDieEinSpielBeenden)
{
    if (!onXServer()) GTEST_SKIP();
    // No arrow stop by its own setting, or as the Cancel button of an activity window; a hub's Cancel button
    // ("zurück") stays within the arrows' reach.
    enum class Art { keinPfeilziel, abbruchImSpiel, abbruchImMenue };
    for (const Art art : { Art::keinPfeilziel, Art::abbruchImSpiel, Art::abbruchImMenue }) {
        SCOPED_TRACE(int(art));
        Fenster f;
        if (art == Art::keinPfeilziel) setArrowStop(f.abbrechen, false);
        f.abbrechen->Cancel = art != Art::keinPfeilziel;
        f.form.ActivityWindow = art == Art::abbruchImSpiel;
        f.form.setActiveControl(f.weiter);
        Form::setModalDriver([&](Form& shown) {
            ASSERT_TRUE(waitActive(&shown));
            if (art == Art::abbruchImMenue) {
                ASSERT_TRUE(sendKey(Qt::Key_Left));
                EXPECT_EQ(keyReceiver(), f.abbrechen);
                return;
            }
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
}

// A window whose first showing had nothing to focus starts, when shown again with usable controls, on the first
// of them: typed keys must land somewhere without a Tab or a click first. The button that ends a run is never
// where one starts.
TEST(Fokus, einFensterOhneBedienbaresBeimErstenMalBeginntSpaeterAufDemErstenBedienbaren)
{
    if (!onXServer()) GTEST_SKIP();
    Form form;
    form.setDesignGeometry(50, 50, 400, 100);
    form.ActivityWindow = true;
    auto* ende = new Button(&form, QStringLiteral("Programm abbrechen"), 250, 10, 140, 30);
    ende->Cancel = true;
    auto* knopf = new Button(&form, QStringLiteral("weiter"), 10, 10, 100, 30);
    knopf->setEnabled(false);
    // Another window between two showings: one shown again before the X server has taken it down never
    // becomes active.
    Form anderes;
    anderes.setDesignGeometry(100, 100, 200, 60);
    QList<QWidget*> empfaenger;
    Form::setModalDriver([&](Form& shown) {
        ASSERT_TRUE(waitActive(&shown));
        if (&shown == &form) empfaenger << keyReceiver();
    });
    const auto zeigen = [&] {
        form.showModal();
        anderes.showModal();
    };
    zeigen();
    auto* eingabe = new Edit(&form, 120, 10, 60, 24);
    knopf->setEnabled(true);
    zeigen();
    // The start noted at the second showing holds while usable, and gives way to the first control when not.
    zeigen();
    knopf->hide();
    zeigen();
    Form::setModalDriver({});
    EXPECT_EQ(empfaenger, (QList<QWidget*> { &form, knopf, knopf, eingabe }));
}
