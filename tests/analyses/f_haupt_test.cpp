#include "analyses/f_haupt.h"
#include "analyses/f_ss.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// Which of the named siblings lies on top (the last raised is the last child).
QString oben(QWidget* parent, const QStringList& namen)
{
    QString letzter;
    for (QObject* o : parent->children())
        if (namen.contains(o->objectName())) letzter = o->objectName();
    return letzter;
}

} // namespace

class FHauptTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "ohne";
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form31 = Form37 = Form39 = nullptr;
        TaviTest::TearDown();
    }
};

TEST_F(FHauptTest, EachButtonSetsItsCodeBringsItsPanelsToTheFrontAndOpensItsSetUp)
{
    TForm30 hub;
    TForm31 ss;
    Form p37;
    for (const char* n : { "P11", "P12", "P13", "P14", "p15", "p16", "p17", "P12zepe", "P13_14", "p16_17" })
        (new Panel(&p37, 0, 0, 10, 10))->setObjectName(n);
    (new Panel(p37.findChild<QWidget*>("P12zepe"), 0, 0, 5, 5))->setObjectName("r11");
    (new Panel(p37.findChild<QWidget*>("P12zepe"), 0, 0, 5, 5))->setObjectName("R12");
    Form p39;
    Form31 = &ss;
    Form37 = &p37;
    Form39 = &p39;
    QList<Form*> geoeffnet;
    Form::setModalDriver([&](Form& f) {
        if (&f == &hub) {
            grabToPng(&hub, "f_haupt");
            EXPECT_TRUE(hub.Button10->hasFocus() || !hub.isActiveWindow());
            hub.Button2->Click();
            EXPECT_EQ(programmcode, 2);
            EXPECT_EQ(oben(&ss, { "zahlen10", "zahlen20", "zahlen100" }), "zahlen20");
            hub.Button3->Click();
            EXPECT_EQ(oben(&ss, { "zahlen10", "zahlen20", "zahlen100" }), "zahlen100");
            hub.Button17->Click();
            EXPECT_EQ(oben(&ss, { "zahlen10", "zahlen20", "zahlen100" }), "zahlen10");
            hub.Button9->Click();
            EXPECT_EQ(programmcode, 15);
            EXPECT_EQ(oben(&p37, { "P11", "P12", "p15", "P12zepe" }), "P12zepe");
            EXPECT_EQ(oben(p37.findChild<QWidget*>("P12zepe"), { "r11", "R12" }), "R12");
            hub.Button5->Click();
            EXPECT_EQ(programmcode, 11);
            EXPECT_EQ(oben(p37.findChild<QWidget*>("P12zepe"), { "r11", "R12" }), "r11");
            hub.Button4->Click();
            EXPECT_EQ(programmcode, 20);
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&hub, &esc);
            return;
        }
        geoeffnet << &f;
        f.Close();
    });
    hub.showModal();
    EXPECT_FALSE(hub.isVisible());
    EXPECT_EQ(geoeffnet, (QList<Form*> { &ss, &ss, &ss, &p37, &p37, &p39 }));
    // The analysis buttons take no focus; only "zurück" does.
    EXPECT_EQ(hub.Button5->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(hub.Button10->Cancel);
}
