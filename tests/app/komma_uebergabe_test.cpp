#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"
#include "worksheets/a_komma.h"
#include "worksheets/ablhaupt.h"

#include <QTest>

class KommaUebergabe : public TaviTest { };

// The hub opens "Komma" with its form list hidden and one copy shown.
TEST_F(KommaUebergabe, TheHubHidesTheFormPanelUntilAKindIsChosen)
{
    datpfad = dataFolder();
    static Form* haupt = fensterErzeugen();
    Q_UNUSED(haupt);
    auto* hub = dynamic_cast<TForm29*>(Form29);
    auto* komma = dynamic_cast<TForm27*>(Form27);
    ASSERT_TRUE(hub && komma);
    komma->Panel5->show();
    komma->Edit8->setText("7");
    bool geprueft = false;
    Form::setModalDriver([&](Form& f) {
        if (&f == hub) {
            hub->Button6->Click();
            hub->Close();
            return;
        }
        EXPECT_EQ(&f, komma);
        EXPECT_FALSE(komma->Panel5->isVisible());
        EXPECT_EQ(komma->Edit8->text(), "1");
        EXPECT_EQ(wieoft, 1);
        QTest::mouseClick(komma->RadioGroup1->button(5), Qt::LeftButton);
        EXPECT_TRUE(komma->Panel5->isVisible());
        EXPECT_TRUE(komma->listen[5]->isVisible());
        EXPECT_FALSE(komma->listen[0]->isVisible());
        geprueft = true;
        komma->Button4->Click();
    });
    hub->showModal();
    Form::setModalDriver({});
    EXPECT_TRUE(geprueft);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
