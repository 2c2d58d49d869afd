// The whole program on a data folder that was damaged or edited by hand, as a teacher meets it on a desktop.
#include "aids/h_haupt.h"
#include "aids/hilfenrahmen.h"
#include "games/s_KP.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QDir>
#include <QFile>
#include <QTest>

class BeschaedigtTest : public ProgrammTest { };

// A program copy of "kl.ina" that names no folder: started from another folder, the program offers the set-up,
// the areas stay shut to clicks and keys, and nothing is written, neither there nor anywhere else.
TEST_F(BeschaedigtTest, AProgramCopyThatNamesNoFolderWritesNothingIntoTheStartingFolder)
{
    if (!onXServer()) GTEST_SKIP();
    const QByteArray kaputt = "garbage\x01\r\nohne\r\n";
    writeBytes(programFolder() + "kl.ina", kaputt);
    const QString start = testFolder() + "/start/";
    QDir().mkpath(start);
    const QString vorher = files::currentDir();
    ASSERT_TRUE(files::setCurrentDir(start));
    const QStringList daten = allEntries(dataFolder());
    bool gezeigtDasPanel = false;
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        ASSERT_TRUE(waitActive(&f));
        auto* panel = f.findChild<Panel*>(QStringLiteral("datpfadpanel"));
        gezeigtDasPanel = panel->isVisible();
        auto* fehleranalysen = f.findChild<Button*>(QStringLiteral("Button9"));
        EXPECT_FALSE(fehleranalysen->isEnabled());
        QTest::mouseClick(fehleranalysen, Qt::LeftButton);
        QTest::keyClick(&f, Qt::Key_F, Qt::AltModifier);
        QCoreApplication::processEvents();
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    files::setCurrentDir(vorher);
    EXPECT_TRUE(gezeigtDasPanel);
    // Only the main window was shown: no area opened.
    EXPECT_EQ(gezeigt, QList<Form*> { Form1 });
    EXPECT_TRUE(datpfad.isEmpty());
    EXPECT_TRUE(allEntries(start).isEmpty()) << allEntries(start).join(' ').toStdString();
    EXPECT_EQ(allEntries(dataFolder()), daten);
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), kaputt);
}

// "sw.ina" saved as UTF-16 by an editor: the game starts with its defaults, the damage is said once, and the
// file's bytes are kept beside it when the game's Start writes its settings.
TEST_F(BeschaedigtTest, AUtf16GamesFileKeepsItsBytesAfterAGamesStart)
{
    if (!onXServer()) GTEST_SKIP();
    const QString text = QString::fromLatin1(readBytes(dataPath("sw.ina")));
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), int(text.size() * 2));
    writeBytes(dataPath("sw.ina"), utf16);
    auto* hub = dynamic_cast<TForm41*>(Form41);
    Form* kette = spielfenster(9);
    bool gespielt = false;
    zeigen(hub, [&](Form& f) {
        ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
        if (&f == hub) {
            QTest::mouseClick(hub->spielknopf(9), Qt::LeftButton);
        } else if (&f == kette) {
            gespielt = true;
            ASSERT_TRUE(sendKey(Qt::Key_Escape));
        } else if (auto* starter = dynamic_cast<TForm42*>(&f)) {
            QTest::mouseClick(starter->RadioGroup5->button(1), Qt::LeftButton);
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            QCoreApplication::processEvents();
        }
    });
    QStringList namen;
    for (Form* f : gezeigt)
        namen << f->objectName();
    EXPECT_TRUE(gespielt) << namen.join(' ').toStdString();
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Die Datei \"%1\" ist beschädigt").arg(dataPath("sw.ina"))));
    EXPECT_EQ(readBytes(dataPath("sw.ina.beschaedigt")), utf16);
}

// "hw.ina" as a teacher's editor left it: work limits with a tab between them, or the whole file saved as UTF-16.
// "Wie viele sind es?" offers what the file says, or where it cannot be read the installed defaults, which the
// message says hold; Start opens the aid, and a damaged file's bytes are kept beside it.
TEST_F(BeschaedigtTest, AnAidsFileAsAnEditorLeftItLetsTheAidStart)
{
    if (!onXServer()) GTEST_SKIP();
    const QByteArray gut = readBytes(dataPath("hw.ina"));
    ASSERT_TRUE(gut.contains("limit\r\n0 0\r\n"));
    QByteArray tabs = gut;
    tabs.replace("limit\r\n0 0\r\n", "limit\r\n3\t\t4\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (char c : gut)
        utf16 += QByteArray(1, c) + '\0';
    const struct {
        QByteArray inhalt;
        int minuten, aufgaben;
        bool beschaedigt;
    } faelle[] = { { tabs, 3, 4, false }, { utf16, 0, 0, true } };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.beschaedigt ? "UTF-16" : "Tabs");
        writeBytes(dataPath("hw.ina"), fall.inhalt);
        errors.clear();
        gezeigt.clear();
        TForm63* hub = hilfenhub();
        bool geoeffnet = false;
        zeigen(hub, [&](Form& f) {
            ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
            if (&f == hub) {
                hub->Button1->Click();
                hub->knopf(11)->Click();
                ASSERT_TRUE(hub->startknopf->isVisible());
                ASSERT_TRUE(hub->startknopf->isEnabled());
                ASSERT_TRUE(sendKey(Qt::Key_Return));
            } else if (dynamic_cast<Hilfenfenster*>(&f)) {
                geoeffnet = true;
                ASSERT_TRUE(sendKey(Qt::Key_Escape));
            }
        });
        EXPECT_TRUE(geoeffnet);
        EXPECT_EQ(mindestminuten, fall.minuten);
        EXPECT_EQ(mindestaufgaben, fall.aufgaben);
        if (fall.beschaedigt) {
            ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
            EXPECT_TRUE(errors[0].contains("Voreinstellungen"));
            EXPECT_EQ(readBytes(dataPath("hw.ina.beschaedigt")), fall.inhalt);
            EXPECT_TRUE(readBytes(dataPath("hw.ina")).contains("wieviel\r\n3 4 5 6 7 8 9 2\r\n"));
        } else {
            EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        }
    }
}
