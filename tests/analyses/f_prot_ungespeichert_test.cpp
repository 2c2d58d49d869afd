#include "analyses/f_prot.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

class FProtUngespeichertTest : public TaviTest {
protected:
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }
};

// A run whose protocol could not be saved still shows its results, with the reason, once.
TEST_F(FProtUngespeichertTest, ShowsTheLinesAndTheReasonOnce)
{
    TForm36 viewer;
    programmcode = 11;
    protdatei = dataPath("fehlt/1+1___01.txt");
    viewer.ungespeichertZeigen({ "Kopf", "Anna", "Ergebnis" }, "Das Protokoll konnte nicht gespeichert werden. Zugriff verweigert");
    Form::setModalDriver([&](Form&) {
        EXPECT_TRUE(viewer.meldung->isVisible());
        EXPECT_TRUE(viewer.meldung->caption().endsWith("Zugriff verweigert"));
        EXPECT_EQ(protzeilenzahl, 3);
        EXPECT_EQ(protzeilen[1].str(), "Kopf");
        EXPECT_EQ(protzeilen[3].str(), "Ergebnis");
    });
    viewer.showModal();

    writeBytes(dataPath("p.txt"), "eins\r\nzwei\r\n");
    protdatei = dataPath("p.txt");
    Form::setModalDriver([&](Form&) {
        EXPECT_FALSE(viewer.meldung->isVisible());
        EXPECT_EQ(protzeilenzahl, 2);
        EXPECT_EQ(protzeilen[1].str(), "eins");
    });
    viewer.showModal();
}
