#include "platform/controls.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/tav_i.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// An installed program whose folder this account cannot write: this PC's "kl.ina" lives in the user's
// configuration folder, preset by an administrator's copy in the system configuration folders.
class KlInaOrtTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        ASSERT_TRUE(m_xdg.isValid());
        qputenv("XDG_CONFIG_HOME", (m_xdg.path() + "/home/.config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (m_xdg.path() + "/etc/xdg").toUtf8());
        folders::setProgramFolderWritableForTest(0);
        writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n"); // the installation's first-run marker
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form1 = nullptr;
        folders::setProgramFolderWritableForTest(-1);
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_DIRS");
        TaviTest::TearDown();
    }

    QString benutzerKlIna() const { return m_xdg.path() + "/home/.config/tavi/kl.ina"; }
    QString systemKlIna() const { return m_xdg.path() + "/etc/xdg/tavi/kl.ina"; }

    // Starts the main window as the program does and runs `was` while it is shown.
    void starten(const std::function<void(TForm1&)>& was)
    {
        TForm1 form;
        Form1 = &form;
        Form::setModalDriver([&](Form& f) {
            if (&f == &form) was(form);
        });
        form.showModal();
        Form1 = nullptr;
    }
    template <typename T> static T* control(TForm1& f, const char* name)
    {
        return f.findChild<T*>(QLatin1String(name));
    }

private:
    QTemporaryDir m_xdg;
};

TEST_F(KlInaOrtTest, TheFirstRunWritesTheUsersCopyAndTheNextStartOpensTheMainWindow)
{
    starten([&](TForm1& f) {
        EXPECT_TRUE(control<Panel>(f, "datpfadpanel")->isVisible());
        EXPECT_TRUE(control<Memo>(f, "Memo2")->lines().join(" ").contains(QFileInfo(benutzerKlIna()).path() + "/"));
        control<Edit>(f, "Edit2")->setText(dataFolder() + "neu");
        control<Button>(f, "datpfad_ok")->Click();
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(readBytes(benutzerKlIna()), (dataFolder() + "neu/\r\nohne\r\n").toUtf8());
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), QByteArray("x\r\nohne\r\n"));

    starten([&](TForm1& f) {
        EXPECT_FALSE(control<Panel>(f, "datpfadpanel")->isVisible());
        EXPECT_TRUE(control<Panel>(f, "kl_Panel")->isVisible());
        EXPECT_EQ(QString(datpfad), dataFolder() + "neu/");
    });
}

TEST_F(KlInaOrtTest, AnAdministratorsPresetStartsANewAccountStraightIntoTheMainWindow)
{
    QDir().mkpath(QFileInfo(systemKlIna()).path());
    const QByteArray preset = (dataFolder() + "\r\nohne\r\n").toUtf8();
    writeBytes(systemKlIna(), preset);
    writeBytes(dataPath("kl.ina"), preset);
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/1A.txt"), "01 Anna\r\n");

    starten([&](TForm1& f) {
        EXPECT_TRUE(control<Panel>(f, "kl_Panel")->isVisible());
        auto* liste = control<ListBox>(f, "listenwahl");
        liste->setItemIndex(0);
        f.listenwahlClick();
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n1A\r\n").toUtf8());
    EXPECT_EQ(readBytes(benutzerKlIna()), preset);
    EXPECT_EQ(readBytes(systemKlIna()), preset);
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), QByteArray("x\r\nohne\r\n"));
}

// The preset names the school's share, which is not mounted yet: the window waits for it, and neither this account's
// copy nor any folder is written or made.
TEST_F(KlInaOrtTest, APresetNamingAShareNotMountedYetWritesNothing)
{
    QDir().mkpath(QFileInfo(systemKlIna()).path());
    const QByteArray preset = (dataFolder() + "schule/Daten/\r\nohne\r\n").toUtf8();
    writeBytes(systemKlIna(), preset);
    for (int start = 0; start < 2; ++start) {
        starten([&](TForm1& f) {
            EXPECT_TRUE(control<Panel>(f, "unerreichbarPanel")->isVisible());
            EXPECT_FALSE(control<Panel>(f, "datpfadpanel")->isVisible());
            control<Button>(f, "erneutVersuchen")->Click();
            f.Close();
        });
        EXPECT_EQ(readBytes(benutzerKlIna()), preset);
    }
    EXPECT_TRUE(allEntries(dataFolder()).isEmpty());
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), QByteArray("x\r\nohne\r\n"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(KlInaOrtTest, AWritableProgramFolderKeepsThisPCsCopy)
{
    folders::setProgramFolderWritableForTest(-1);
    EXPECT_EQ(folders::settingsFolder(), programFolder());
    EXPECT_FALSE(QFile::exists(benutzerKlIna()));
}

TEST_F(KlInaOrtTest, ANewAccountsCopyStartsAsTheProgramFoldersOwnAndCanBeWritten)
{
    // A program copied with the school's "kl.ina", read-only as copied from a server; a copy cut short before.
    const QByteArray schule = (dataFolder() + "\r\n1A\r\n").toUtf8();
    writeBytes(programFolder() + "kl.ina", schule);
    QFile::setPermissions(programFolder() + "kl.ina", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QDir().mkpath(QFileInfo(benutzerKlIna()).path());
    writeBytes(benutzerKlIna() + ".neu", "halb");

    EXPECT_EQ(folders::settingsFolder(), QFileInfo(benutzerKlIna()).path() + "/");
    EXPECT_EQ(readBytes(benutzerKlIna()), schule);
    EXPECT_TRUE(QFile::permissions(benutzerKlIna()) & QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(benutzerKlIna() + ".neu"));
}
