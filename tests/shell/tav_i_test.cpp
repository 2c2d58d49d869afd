#include "platform/controls.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/platzhalter.h"
#include "shell/tav_i.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTest>
#include <optional>

// The main window with its own data folder; the administration is a stand-in whose showings are counted.
class HauptfensterTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        form = std::make_unique<TForm1>();
        verwaltung = std::make_unique<Platzhalter>("TForm34", "Dateiverwaltung");
        hub = std::make_unique<Platzhalter>("TForm63", "Hilfen");
        Form1 = form.get();
        Form34 = verwaltung.get();
        Form63 = hub.get();
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form1 = Form34 = Form63 = nullptr;
        TaviTest::TearDown();
    }

    void datenordner(const QByteArray& aktiv, const QStringList& listen, const QByteArray& passwort = "")
    {
        writeBytes(programFolder() + "kl.ina", (dataFolder() + "\r\n").toUtf8() + "ohne\r\n");
        writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\n").toUtf8() + aktiv + "\r\n");
        writeBytes(dataPath("dw.ina"), "Dateiverwaltung\r\n" + passwort + "\r\nEnde\r\n");
        QDir().mkpath(dataPath("k_liste"));
        for (const QString& l : listen)
            writeBytes(dataPath("k_liste/" + l + ".txt"), "01 Anna\r\n");
    }

    // Shows the main window and runs `was` in it; the windows it opens are handed to `kind`.
    void zeigen(const std::function<void()>& was, const std::function<void(Form&)>& kind = {})
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == form.get())
                was();
            else if (kind)
                kind(f);
        });
        form->showModal();
    }

    template <typename T> T* control(const char* name) { return form->findChild<T*>(QLatin1String(name)); }

    std::unique_ptr<TForm1> form;
    std::unique_ptr<Platzhalter> verwaltung, hub;
};

TEST_F(HauptfensterTest, FirstRunShowsOnlyTheDataFolderPanel)
{
    writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n");
    zeigen([&] {
        EXPECT_TRUE(control<Panel>("datpfadpanel")->isVisible());
        EXPECT_EQ(control<Panel>("datpfadpanel")->x(), 8);
        EXPECT_FALSE(control<Panel>("kl_Panel")->isVisible());
        EXPECT_EQ(form->focusWidget(), control<Edit>("Edit2"));
        EXPECT_FALSE(control<Button>("Button1")->isEnabled());
        // Every line of the note below can be read without scrolling.
        EXPECT_EQ(control<Memo>("Memo2")->verticalScrollBar()->maximum(), 0);
        grabToPng(form.get(), "tavi-erststart");
    });
}

TEST_F(HauptfensterTest, AMissingProgramCopyAlsoStartsTheSetUp)
{
    zeigen([&] { EXPECT_TRUE(control<Panel>("datpfadpanel")->isVisible()); });
}

TEST_F(HauptfensterTest, TheClassListChoiceShowsTheActiveList)
{
    datenordner("2B", { "1A", "2B", "3C" });
    zeigen([&] {
        EXPECT_TRUE(control<Panel>("kl_Panel")->isVisible());
        EXPECT_FALSE(control<Panel>("datpfadpanel")->isVisible());
        auto* liste = control<ListBox>("listenwahl");
        EXPECT_EQ(liste->items(), (QStringList { "1A", "2B", "3C" }));
        EXPECT_EQ(liste->itemText(liste->ItemIndex()), "2B");
        EXPECT_EQ(control<Label>("Label16")->caption(), "2B");
        EXPECT_FALSE(control<RadioButton>("RadioButton1")->Checked());
        EXPECT_TRUE(control<Button>("Button1")->isEnabled());
        EXPECT_EQ(form->focusWidget(), control<Button>("Button10"));
        grabToPng(form.get(), "tavi-hauptfenster");
        // A click below the last list chooses none, and the active one stays marked.
        const QByteArray klina = readBytes(dataPath("kl.ina"));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(10, liste->viewport()->height() - 5));
        EXPECT_EQ(liste->itemText(liste->ItemIndex()), "2B");
        EXPECT_EQ(control<Label>("Label16")->caption(), "2B");
        EXPECT_EQ(readBytes(dataPath("kl.ina")), klina);
    });
    EXPECT_EQ(datpfad, dataFolder());
}

TEST_F(HauptfensterTest, NoListsAndAListThatNoLongerExists)
{
    datenordner("ohne", {});
    zeigen([&] {
        EXPECT_TRUE(control<ListBox>("listenwahl")->items().isEmpty());
        EXPECT_EQ(control<Label>("Label16")->caption(), " -/-");
        EXPECT_TRUE(control<RadioButton>("RadioButton1")->Checked());
    });
    datenordner("4D", { "1A" });
    zeigen([&] {
        EXPECT_EQ(control<Label>("Label16")->caption(), "4D");
        EXPECT_EQ(control<ListBox>("listenwahl")->ItemIndex(), -1);
        // Named, and said to offer no names until it is back or another is chosen.
        EXPECT_TRUE(control<Label>("klinameldung")->isVisible());
        EXPECT_TRUE(control<Label>("klinameldung")->caption().startsWith("Die aktive Liste 4D gibt es nicht"));
    });
    EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n4D\r\n").toUtf8());
    // Names as long as a list's name may be are read whole, none of it under the choice beside them.
    for (const char* lang : { "WWWWWWW", "3A_2024", "WWWWWWWW" }) {
        datenordner(lang, { lang });
        zeigen([&] {
            auto* name = control<Label>("Label16");
            EXPECT_EQ(name->caption(), lang);
            EXPECT_LE(name->x() + QFontMetrics(name->font()).horizontalAdvance(name->caption()),
                control<ListBox>("listenwahl")->x())
                << lang;
        });
    }
}

TEST_F(HauptfensterTest, OnlyClassListsAreOfferedAndABlankActiveListIsNone)
{
    datenordner("\r\n", { "1A", "2B" });
    for (const char* helfer : { "1A.LCK", "1A.LCK~pc7-4711-9f", ".uhr-pc7-1", ".neu-0f3c.tmp", "2B.TXT.aB3dE1",
             ".versteckt.txt", "Klasse100.txt" })
        writeBytes(dataPath(QStringLiteral("k_liste/") + helfer), "");
    QDir().mkpath(dataPath("k_liste/2B.LCK"));
    zeigen([&] {
        auto* liste = control<ListBox>("listenwahl");
        EXPECT_EQ(liste->items(), (QStringList { "1A", "2B" }));
        EXPECT_TRUE(liste->isEnabled());
        EXPECT_FALSE(control<Label>("klinameldung")->isVisible());
        // A blank line 2, written where a blank row could once be chosen, names no list.
        EXPECT_EQ(control<Label>("Label16")->caption(), " -/-");
        EXPECT_TRUE(control<RadioButton>("RadioButton1")->Checked());
        EXPECT_EQ(aktivliste, "ohne");
    });
}

TEST_F(HauptfensterTest, AListsFolderThatCannotBeReadIsSaidAndOffersNothing)
{
    datenordner("2B", { "1A", "2B" });
    zeigen([&] {
        auto* liste = control<ListBox>("listenwahl");
        auto* meldung = control<Label>("klinameldung");
        {
            std::optional<UnlesbarerOrdner> zu(std::in_place, dataPath("k_liste"), testFolder());
            form->listenwahlfuellen();
            EXPECT_TRUE(liste->items().isEmpty());
            EXPECT_FALSE(liste->isEnabled());
            ASSERT_TRUE(meldung->isVisible());
            EXPECT_TRUE(
                meldung->caption().startsWith("Die Klassenlisten können an diesem Rechner nicht gelesen werden"));
            EXPECT_TRUE(meldung->caption().contains(dataPath("k_liste")));
            EXPECT_TRUE(showsWhole(meldung));
            // The active list stays what the shared copy says; it is not taken for "no lists".
            EXPECT_EQ(control<Label>("Label16")->caption(), "2B");
            zu.reset(); // the picture is written as the tests' own user
            grabToPng(form.get(), "tavi-listen-unlesbar");
        }
        form->listenwahlfuellen();
        EXPECT_EQ(liste->items(), (QStringList { "1A", "2B" }));
        EXPECT_TRUE(liste->isEnabled());
        EXPECT_FALSE(meldung->isVisible());
    });
    EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n2B\r\n").toUtf8());
}

TEST_F(HauptfensterTest, ChoosingAListRewritesBothLinesOfTheSharedCopy)
{
    datenordner("ohne", { "1A", "2B" });
    zeigen([&] {
        auto* liste = control<ListBox>("listenwahl");
        liste->setItemIndex(0);
        form->listenwahlClick();
        EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n1A\r\n").toUtf8());
        form->RadioButton1Click();
        EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\nohne\r\n").toUtf8());
        EXPECT_EQ(control<Label>("Label16")->caption(), " -/-");
    });
}

// A list deleted on another PC while this one shows its choice: the click says so, the choice offers the lists
// that are there, and the shared "kl.ina" stays as it is; a look that fails is said, and writes nothing either.
TEST_F(HauptfensterTest, AChosenListThatIsGoneIsSaidAndKlInaStays)
{
    datenordner("1A", { "1A", "2B", "3C" });
    const QByteArray vorher = readBytes(dataPath("kl.ina"));
    zeigen([&] {
        auto* liste = control<ListBox>("listenwahl");
        auto* meldung = control<Label>("klinameldung");
        QFile::remove(dataPath("k_liste/2B.txt"));
        liste->setItemIndex(1);
        form->listenwahlClick();
        EXPECT_EQ(readBytes(dataPath("kl.ina")), vorher);
        ASSERT_TRUE(meldung->isVisible());
        EXPECT_TRUE(meldung->caption().startsWith("Die Liste 2B gibt es nicht mehr"))
            << meldung->caption().toStdString();
        EXPECT_TRUE(meldung->caption().contains("Die aktive Liste bleibt 1A.")) << meldung->caption().toStdString();
        EXPECT_EQ(liste->items(), (QStringList { "1A", "3C" }));
        EXPECT_EQ(liste->itemText(liste->ItemIndex()), "1A");
        EXPECT_EQ(control<Label>("Label16")->caption(), "1A");
        grabToPng(form.get(), "tavi-liste-geloescht");
        {
            UnlesbarerOrdner zu(dataPath("k_liste"), testFolder());
            liste->setItemIndex(1);
            form->listenwahlClick();
            EXPECT_TRUE(meldung->caption().startsWith("Die Liste 3C kann gerade nicht angesehen werden"))
                << meldung->caption().toStdString();
            EXPECT_EQ(liste->itemText(liste->ItemIndex()), "1A");
            EXPECT_EQ(control<Label>("Label16")->caption(), "1A");
        }
        EXPECT_EQ(readBytes(dataPath("kl.ina")), vorher);
        // The next fill puts the message away; a list that is there is chosen as ever.
        form->listenwahlfuellen();
        EXPECT_FALSE(meldung->isVisible());
        liste->setItemIndex(1);
        form->listenwahlClick();
        EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n3C\r\n").toUtf8());
        // The active list deleted on another PC, which set the shared "kl.ina" to no list: said as it is.
        QFile::remove(dataPath("k_liste/3C.txt"));
        writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\nohne\r\n").toUtf8());
        liste->setItemIndex(1);
        form->listenwahlClick();
        EXPECT_TRUE(meldung->caption().contains("Sie war die aktive Liste: jetzt ist keine Liste aktiviert."))
            << meldung->caption().toStdString();
        EXPECT_EQ(control<Label>("Label16")->caption(), " -/-");
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(HauptfensterTest, AFailedWriteOfTheSharedCopyIsSaidInTheWindow)
{
    datenordner("ohne", { "1A" });
    zeigen([&] {
        QFile::remove(dataPath("kl.ina"));
        QDir().mkpath(dataPath("kl.ina"));
        control<ListBox>("listenwahl")->setItemIndex(0);
        form->listenwahlClick();
        auto* meldung = control<Label>("klinameldung");
        EXPECT_TRUE(meldung->isVisible());
        EXPECT_TRUE(meldung->caption().startsWith("Die aktive Liste konnte nicht gespeichert werden: "));
        grabToPng(form.get(), "tavi-klinameldung");
        QDir().rmdir(dataPath("kl.ina"));
        form->RadioButton1Click();
        EXPECT_FALSE(meldung->isVisible());
        // A full disk: the shared copy keeps its list and the window says so.
        files::setWriteFailureForTests([](const QString&) { return true; });
        form->listenwahlClick();
        EXPECT_TRUE(meldung->isVisible());
        EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\nohne\r\n").toUtf8());
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(HauptfensterTest, AFailedWriteInADeepDataFolderIsSaidWhole)
{
    // A data folder deep in a school's shared drive: the message names it and needs more than three lines.
    QString tief = dataFolder();
    for (int ebene = 1; ebene <= 14; ++ebene)
        tief += QStringLiteral("Gemeinsame_Ablage_Ebene_%1/").arg(ebene);
    writeBytes(programFolder() + "kl.ina", (tief + "\r\nohne\r\n").toUtf8());
    QDir().mkpath(tief + "k_liste");
    writeBytes(tief + "k_liste/1A.txt", "01 Anna\r\n");
    QDir().mkpath(tief + "kl.ina");
    zeigen([&] {
        control<ListBox>("listenwahl")->setItemIndex(0);
        form->listenwahlClick();
        auto* meldung = control<Label>("klinameldung");
        ASSERT_TRUE(meldung->isVisible());
        EXPECT_TRUE(showsWhole(meldung)) << meldung->height();
        grabToPng(form.get(), "tavi-klinameldung-tief");
    });
}

TEST_F(HauptfensterTest, TheSharedCopysFolderLineIsNotTaken)
{
    // Another PC reaches the shared folder under another path and wrote that into the shared copy.
    datenordner("2B", { "2B" });
    writeBytes(dataPath("kl.ina"), "Z:\\Tirmosak_Daten\\\r\n2B\r\n");
    zeigen([&] { EXPECT_EQ(control<Label>("Label16")->caption(), "2B"); });
    EXPECT_EQ(datpfad, dataFolder());
}

TEST_F(HauptfensterTest, ThePasswordGate)
{
    int geoeffnet = 0;
    auto verwaltungZaehlen = [&](Form& f) {
        if (&f == verwaltung.get()) ++geoeffnet;
    };
    datenordner("ohne", {}, "");
    zeigen([&] { form->Button3Click(); }, verwaltungZaehlen);
    EXPECT_EQ(geoeffnet, 1);

    datenordner("ohne", {}, "geheim");
    zeigen(
        [&] {
            form->Button3Click();
            EXPECT_TRUE(control<Panel>("Panel2")->isVisible());
            EXPECT_EQ(control<Edit>("Edit1")->text(), "******");
            EXPECT_EQ(form->focusWidget(), control<Edit>("Edit1"));
            control<Edit>("Edit1")->setText("falsch");
            form->Button3Click();
            control<Edit>("Edit1")->setText("geheim");
            form->Button3Click();
            form->Button3Click(); // the right text stays: opens at once again
        },
        verwaltungZaehlen);
    EXPECT_EQ(geoeffnet, 3);

    // Saved by an editor with a byte-order mark, the password still opens it; damaged, nothing typed does.
    writeBytes(dataPath("dw.ina"),
        "\xef\xbb\xbf"
        "Dateiverwaltung\r\ngeheim\r\nEnde\r\n");
    zeigen([&] { form->Button3Click(); }, verwaltungZaehlen);
    EXPECT_EQ(geoeffnet, 4);
    writeBytes(dataPath("dw.ina"), "Dateiverwaltung\r\ngeh eim\r\nEnde\r\n");
    zeigen(
        [&] {
            control<Edit>("Edit1")->setText("geh eim");
            form->Button3Click();
        },
        verwaltungZaehlen);
    EXPECT_EQ(geoeffnet, 4);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(dataPath("dw.ina"))) << errors[0].toStdString();
}

TEST_F(HauptfensterTest, KlInaIsReadAgainWhenAHubCloses)
{
    datenordner("1A", { "1A", "2B" });
    zeigen(
        [&] {
            EXPECT_EQ(control<Label>("Label16")->caption(), "1A");
            control<Button>("Button1")->Click();
            EXPECT_EQ(control<Label>("Label16")->caption(), "2B");
        },
        [&](Form& f) {
            if (&f == hub.get()) // meanwhile another PC chose another list
                writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\n2B\r\n").toUtf8());
        });
}

TEST_F(HauptfensterTest, TheFirstRunWritesTheDataFolderAndEnds)
{
    writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n");
    bool geschlossen = false;
    form->OnClose = [&] { geschlossen = true; };
    zeigen([&] {
        control<Edit>("Edit2")->setText("relativ");
        control<Button>("datpfad_ok")->Click();
        EXPECT_FALSE(control<Label>("datpfadmeldung")->caption().isEmpty());
        EXPECT_FALSE(geschlossen);
        // A path that can be no folder is said in the window as a relative one is: a box could open behind it.
        writeBytes(dataPath("eine-datei"), "");
        control<Edit>("Edit2")->setText(dataFolder() + "eine-datei/neu");
        control<Button>("datpfad_ok")->Click();
        EXPECT_EQ(control<Label>("datpfadmeldung")->caption(),
            "„" + dataFolder() + "eine-datei/neu/“ kann kein Datenordner sein: „" + dataFolder()
                + "eine-datei“ ist eine Datei, kein Ordner. Bitte einen anderen Ordner angeben.");
        control<Edit>("Edit2")->setText(dataFolder() + "eine-datei");
        control<Button>("datpfad_ok")->Click();
        EXPECT_EQ(control<Label>("datpfadmeldung")->caption(),
            "„" + dataFolder() + "eine-datei“ ist eine Datei, kein Ordner. Bitte einen anderen Ordner angeben.");
        // Where no folder can be made at all.
        control<Edit>("Edit2")->setText("/proc/tavi");
        control<Button>("datpfad_ok")->Click();
        EXPECT_EQ(control<Label>("datpfadmeldung")->caption(),
            "Der Ordner „/proc/tavi/“ lässt sich dort nicht anlegen (der Ordner „/proc“ nimmt keine neuen Ordner auf). "
            "Bitte einen anderen Ordner angeben.");
        EXPECT_FALSE(geschlossen);
        EXPECT_TRUE(control<Memo>("Memo2")->lines().first().contains("nach der Installation"));
        control<Edit>("Edit2")->setText(dataFolder() + "neu");
        control<Button>("datpfad_ok")->Click();
        EXPECT_TRUE(geschlossen);
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), (dataFolder() + "neu/\r\nohne\r\n").toUtf8());
    EXPECT_TRUE(QFile::exists(dataPath("neu/WORTList/tiere.txt")));
}

// A program copy whose first line names no folder: the set-up is offered with the reason, no area opens, and
// nothing is written anywhere until the teacher gives a folder.
TEST_F(HauptfensterTest, AProgramCopyThatNamesNoFolderOffersTheSetUpAndWritesNothing)
{
    const QByteArray kaputt = "garbage\x01\r\nohne\r\n";
    writeBytes(programFolder() + "kl.ina", kaputt);
    const QString vorher = files::currentDir();
    ASSERT_TRUE(files::setCurrentDir(testFolder()));
    const QStringList eintraege = allEntries(testFolder());
    zeigen([&] {
        EXPECT_TRUE(control<Panel>("datpfadpanel")->isVisible());
        EXPECT_FALSE(control<Panel>("kl_Panel")->isVisible());
        for (const char* b : { "Button1", "Button4", "Button7", "Button9" })
            EXPECT_FALSE(control<Button>(b)->isEnabled()) << b;
        auto* meldung = control<Label>("datpfadmeldung");
        EXPECT_TRUE(meldung->caption().startsWith(
            QStringLiteral("Die Datei \"%1\" nennt keinen Datenordner").arg(programFolder() + "kl.ina")));
        EXPECT_TRUE(showsWhole(meldung));
        grabToPng(form.get(), "tavi-klina-ohne-ordner");
    });
    EXPECT_TRUE(datpfad.isEmpty());
    EXPECT_EQ(allEntries(testFolder()), eintraege);
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), kaputt);
    files::setCurrentDir(vorher);
}

// The shared copy naming a path for its active list: no list is active, it is said, and the file stays.
TEST_F(HauptfensterTest, AnActiveListThatIsAPathIsNone)
{
    datenordner("../../x", { "1A" });
    const QByteArray vorher = readBytes(dataPath("kl.ina"));
    zeigen([&] {
        EXPECT_EQ(control<Label>("Label16")->caption(), " -/-");
        EXPECT_TRUE(control<RadioButton>("RadioButton1")->Checked());
        auto* meldung = control<Label>("klinameldung");
        EXPECT_TRUE(meldung->isVisible());
        EXPECT_TRUE(meldung->caption().contains("\"../../x\""));
    });
    EXPECT_EQ(aktivliste, "ohne");
    EXPECT_EQ(readBytes(dataPath("kl.ina")), vorher);
}
