#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/form.h"
#include "shell/tastenfeld.h"

#include <gtest/gtest.h>

// A game's keypad as one table: sign keys after the digits, the keys in a panel the window already has.
TEST(Tastenfeld, SignKeysInAnExistingPanel)
{
    Form form;
    auto* panel = new Panel(&form, 50, 300, 200, 400);
    Tastenfeld::Anordnung a = Tastenfeld::spielblock();
    a.zeichen = { { QStringLiteral("+"), { 12, 330, 55, 70, 37, QStringLiteral("Button31") } },
        { QStringLiteral("-"), { 136, 330, 55, 70, 37, QStringLiteral("Button32") } } };
    Tastenfeld t(Tastenfeld::ImBehaelter {}, panel, 0u, a);
    EXPECT_EQ(t.Rechner, nullptr);
    EXPECT_EQ(t.kasten(), panel);
    ASSERT_NE(t.zeichentaste(1), nullptr);
    EXPECT_EQ(t.zeichentaste(1)->caption(), "-");
    EXPECT_EQ(t.zeichentaste(1)->objectName(), "Button32");
    EXPECT_EQ(t.zeichentaste(2), nullptr);
    EXPECT_EQ(t.zeichentaste(0)->parentWidget(), panel);
    EXPECT_EQ(t.knoepfe().size(), 12);
    EXPECT_EQ(t.ziffer(5)->objectName(), "Button15");
    EXPECT_EQ(t.ziffer(5)->cursor().shape(), Qt::PointingHandCursor);
    t.anordnen(DesignGrid(2.0f, 1.0f));
    EXPECT_EQ(t.zeichentaste(1)->geometry(), QRect(272, 330, 110, 70));
    EXPECT_EQ(panel->geometry(), QRect(50, 300, 200, 400)); // the window places its panel itself
    t.knoepfeFreigeben(false);
    EXPECT_FALSE(t.zeichentaste(0)->isEnabled());
}

// The keypad of the aids keeps its form: no names, no hand cursor, its own group box.
TEST(Tastenfeld, TheAidsKeypadIsUnchanged)
{
    Form form;
    Tastenfeld t(&form);
    ASSERT_NE(t.Rechner, nullptr);
    EXPECT_EQ(t.kasten(), t.Rechner);
    EXPECT_TRUE(t.ziffer(7)->objectName().isEmpty());
    EXPECT_NE(t.ziffer(7)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(t.knoepfe().size(), 13);
}
