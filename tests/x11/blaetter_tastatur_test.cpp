// The worksheet windows used with the keyboard alone: no key closes a sheet, and only Enter prints, through
// "drucken" once the sheet is ready to print.
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"
#include "worksheets/blattform.h"

#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

class BlaetterTastatur : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        printer().setRecording(false);
        ProgrammTest::TearDown();
    }
};

} // namespace

TEST_F(BlaetterTastatur, keineTasteSchliesstEinBlattUndNurEnterDruckt)
{
    if (!onXServer()) GTEST_SKIP();
    Form* const blaetter[] = { Form3, Form4, Form5, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form15, Form16,
        Form18, Form19, Form21, Form22, Form24, Form25, Form26, Form27, Form28 };
    for (Form* blatt : blaetter) {
        SCOPED_TRACE(blatt->metaObject()->className());
        std::mt19937 zufall(47u);
        zeigen(blatt, [&](Form& f) {
            if (&f != blatt) return; // a message on the way
            ASSERT_TRUE(waitActive(blatt));
            auto* vorrat = dynamic_cast<Blattform*>(blatt);
            for (int i = 0; i < 300; ++i) {
                const Qt::Key taste = randomKey(zufall);
                const bool druckbereit = taste == Qt::Key_Return && vorrat && vorrat->druckknopf()
                    && vorrat->druckknopf()->isVisible() && vorrat->druckknopf()->isEnabled();
                const auto vorher = printer().recorded().size();
                ASSERT_TRUE(sendKey(taste));
                ASSERT_TRUE(blatt->isVisible()) << "key " << i << " " << std::hex << int(taste);
                if (!druckbereit)
                    ASSERT_EQ(printer().recorded().size(), vorher) << "key " << i << " " << std::hex << int(taste);
            }
        });
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
