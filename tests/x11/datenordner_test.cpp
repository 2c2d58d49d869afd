// The program started before the school's share is mounted: its "kl.ina" names a data folder that is not there.
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QDir>
#include <QTest>

class DatenordnerTest : public ProgrammTest { };

// The window says so and waits: trying again changes nothing on disk while the folder is missing or only its empty
// mount point is there, and works from the folder once the share is mounted; all by keyboard.
TEST_F(DatenordnerTest, AShareNotMountedYetIsWaitedForAndNothingIsWritten)
{
    if (!onXServer()) GTEST_SKIP();
    const QString mnt = testFolder() + "/mnt/schule/";
    const QString share = mnt + "Daten/";
    QDir().mkpath(mnt);
    const QByteArray klina = (share + "\r\nohne\r\n").toUtf8();
    writeBytes(programFolder() + "kl.ina", klina);
    const QString programm = programFolder();
    const QStringList imProgrammordner = allEntries(programm);
    bool normal = false;
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        ASSERT_TRUE(waitActive(&f));
        const auto control = [&](const char* name) { return f.findChild<QWidget*>(QLatin1String(name)); };
        auto* text = f.findChild<Label*>(QStringLiteral("unerreichbarText"));
        const auto wartet = [&](const char* schritt) {
            SCOPED_TRACE(schritt);
            EXPECT_TRUE(control("unerreichbarPanel")->isVisible());
            EXPECT_TRUE(text->caption().contains("„" + share + "“ kann nicht erreicht werden"));
            EXPECT_TRUE(text->caption().contains("Ist das Netzlaufwerk verbunden?"));
            EXPECT_TRUE(showsWhole(text));
            EXPECT_FALSE(control("kl_Panel")->isVisible());
            EXPECT_FALSE(control("datpfadpanel")->isVisible());
            EXPECT_FALSE(control("Button1")->isEnabled());
            EXPECT_EQ(keyReceiver(), control("erneutVersuchen"));
            EXPECT_EQ(readBytes(programm + "kl.ina"), klina);
            EXPECT_EQ(allEntries(programm), imProgrammordner);
            EXPECT_TRUE(datpfad.isEmpty());
        };
        wartet("beim Start");
        EXPECT_TRUE(allEntries(mnt).isEmpty());
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        wartet("noch nicht da");
        EXPECT_TRUE(text->caption().contains("Der Ordner ist noch nicht da."));
        EXPECT_TRUE(allEntries(mnt).isEmpty());

        // The mount point alone, an empty folder of this PC's own disk.
        QDir().mkpath(share);
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        wartet("leerer Einhängepunkt");
        EXPECT_TRUE(allEntries(share).isEmpty());

        // The share comes, with the folder the school works in.
        installordnerKopieren(share);
        writeBytes(share + "kl.ina", klina);
        const QStringList imOrdner = allEntries(share);
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        EXPECT_EQ(keyReceiver(), control("andererOrdner"));
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        EXPECT_EQ(keyReceiver(), control("Button10"));
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        EXPECT_EQ(keyReceiver(), control("erneutVersuchen"));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        normal = control("kl_Panel")->isVisible();
        EXPECT_FALSE(control("unerreichbarPanel")->isVisible());
        EXPECT_TRUE(control("Button1")->isEnabled());
        EXPECT_EQ(keyReceiver(), control("Button10"));
        EXPECT_EQ(QString(datpfad), share);
        EXPECT_EQ(allEntries(share), imOrdner);
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(normal);
    EXPECT_EQ(gezeigt, QList<Form*> { Form1 });
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(readBytes(programm + "kl.ina"), klina);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
