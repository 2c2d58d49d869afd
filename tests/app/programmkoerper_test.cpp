#include "platform/form.h"
#include "shell/fenster.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "support/fixtures.h"
#include "support/programm.h"

#include <QSet>

// Every window of the program is created once, in the fixed order, the main window first.
TEST(Programmkoerper, CreatesEveryWindowOnce)
{
    Form* haupt = fensterErzeugen();
    EXPECT_EQ(haupt, Form1);
    EXPECT_EQ(fensterAnzahl(), 83);
    QSet<Form*> alle;
    for (Form* f : { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13,
             Form14, Form15, Form16, Form17, Form18, Form19, Form20, Form21, Form22, Form23, Form24, Form25, Form26,
             Form27, Form28, Form29, Form30, Form31, Form32, Form33, Form34, Form35, Form36, Form37, Form38, Form39,
             Form40, Form41, Form42, Form43, Form44, Form45, Form46, Form47, Form48, Form49, Form50, Form51, Form52,
             Form53, Form54, Form55, Form56, Form57, Form58, Form59, Form60, Form61, Form62, Form63, Form64, Form65,
             Form66, Form67, Form68, Form69, Form70, Form71, Form72, Form73, Form74, Form75, Form76, Form77, Form78,
             Form79, Form80, Form81, Form82, Form83 }) {
        ASSERT_NE(f, nullptr);
        alle.insert(f);
    }
    EXPECT_EQ(alle.size(), 83);
    EXPECT_EQ(Form1->caption(), "TAVI");
    EXPECT_EQ(Form34->caption(), "Dateiverwaltung");
    EXPECT_EQ(Form65->caption(), "Protokoll (Hilfen)");
}

// The program paints its main window before it makes the others; a click that comes first still finds them.
class ProgrammstartTest : public ProgrammTest { };

TEST_F(ProgrammstartTest, TheMainWindowMakesTheOtherWindowsBeforeItOpensOne)
{
    Form* haupt = hauptfensterErzeugen();
    ASSERT_NE(fensterVervollstaendigen, nullptr);
    Form63 = nullptr; // not made yet
    zeigen(haupt, [&](Form& f) {
        if (&f == haupt) haupt->findChild<Button*>("Button1")->Click(); // "Hilfen"
        else f.Close();
    });
    ASSERT_NE(Form63, nullptr);
    EXPECT_EQ(gezeigt, (QList<Form*> { haupt, Form63 }));
    EXPECT_EQ(fensterVervollstaendigen, nullptr);
    Form* hub = Form63;
    weitereFensterErzeugen(); // once only
    EXPECT_EQ(Form63, hub);
}
