#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/textfile.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/h_prot.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "shell/tav_i_logik.h"
#include "shell/zeilendruck.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QFileInfo>
#include <QTest>

namespace {

class HProtTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        skala_x = 0.79f;
        skala_y = 0.55f;
        datpfad = dataFolder();
        programmcode = 17;
        for (int i = 2; i <= 12; ++i)
            protzeilen[i] = QStringLiteral("Zeile %1").arg(i);
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        printer().setRecording(false);
        printer().clearRecorded();
        TaviTest::TearDown();
    }

    // The class list KL3A with `anzahl` pupils, the fourth "Vodoz Dovedi", the fifth "Elif Yılmaz" (in UTF-8, as
    // Windows-1252 has no "ı"), chosen as the active list.
    void klasse(int anzahl)
    {
        files::forceDirectories(dataPath("k_liste"));
        QByteArray liste;
        for (int i = 1; i <= anzahl; ++i) {
            const QString name = i == 4 ? QStringLiteral("Vodoz Dovedi")
                : i == 5                ? QStringLiteral("Elif Yılmaz")
                                        : QStringLiteral("Kind%1").arg(i);
            liste += cp1252::encodeLine(protokoll::zweistellig(i % 100) + u' ' + name) + "\r\n";
        }
        writeBytes(dataPath("k_liste/KL3A.txt"), liste);
        tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("KL3A"));
        aktivliste = "KL3A";
    }

    void ohneListe()
    {
        tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("ohne"));
        aktivliste = "ohne";
    }

    void namenKlicken(int i)
    {
        QListWidgetItem* item = dialog.namen->item(i);
        ASSERT_NE(item, nullptr);
        dialog.namen->scrollToItem(item);
        QTest::mouseClick(dialog.namen->viewport(), Qt::LeftButton, {}, dialog.namen->visualItemRect(item).center());
    }

    // Shows the dialog, runs `schritte` on it, and says whether it was still open afterwards.
    bool zeigen(const std::function<void()>& schritte)
    {
        bool offen = false;
        Form::setModalDriver([&](Form&) {
            schritte();
            offen = dialog.isVisible();
        });
        dialog.showModal();
        return offen;
    }

    static QStringList dateizeilen(const QString& pfad) { return protokoll::lesen(pfad); }

    QStringList gedruckteTexte() const
    {
        QStringList texte;
        for (const Printer::Document& d : printer().recorded())
            for (const QVector<DrawOp>& seite : d.pages)
                for (const DrawOp& op : seite)
                    if (op.kind == DrawOp::Kind::Text) texte << op.text;
        return texte;
    }

    TForm65 dialog;
};

} // namespace

TEST_F(HProtTest, APupilOfTheClassListGetsTheFirstFreeNumberInTheFolderOfHisListLine)
{
    klasse(45);
    const QString ordner = dataPath("Klassen/KL3A/04 Vodoz/");
    files::forceDirectories(ordner);
    writeBytes(ordner + "H1_7_01.txt", "von einem anderen PC\r\n");
    writeBytes(ordner + "H1_7_03.txt", "x\r\n");

    const bool offen = zeigen([&] {
        EXPECT_FALSE(dialog.Namenliste->isVisible());
        dialog.Button5->Click(); // "nur &speichern"
        EXPECT_FALSE(dialog.Button3->isEnabled());
        EXPECT_TRUE(dialog.Namenliste->isVisible());
        // Every pupil of a list made by hand is offered, also past the fortieth.
        EXPECT_EQ(dialog.namen->count(), 45);
        EXPECT_EQ(dialog.namen->itemText(3), "Vodoz Dovedi");
        grabToPng(&dialog, QStringLiteral("h_prot_namenliste"));
        namenKlicken(3);
    });

    EXPECT_FALSE(offen);
    EXPECT_EQ(schuelerzeile, "04 Vodoz Dovedi");
    const QString pfad = ordner + "H1_7_02.txt";
    const QStringList z = dateizeilen(pfad);
    ASSERT_EQ(z.size(), 14);
    EXPECT_EQ(z[0], hprot::datumszeile());
    EXPECT_EQ(z[0].size(), 58);
    EXPECT_EQ(z[1], "Leistungsprotokoll für Vodoz Dovedi");
    EXPECT_EQ(z[2], "Zeile 2");
    EXPECT_EQ(z[13], pfad);
    EXPECT_EQ(readBytes(ordner + "H1_7_01.txt"), "von einem anderen PC\r\n");
    EXPECT_TRUE(printer().recorded().isEmpty());

    // The next protocol of the same pupil takes the next gap.
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(3);
    });
    EXPECT_TRUE(files::fileExists(ordner + "H1_7_04.txt"));
    EXPECT_EQ(dateizeilen(ordner + "H1_7_04.txt").value(1), "Leistungsprotokoll für Vodoz Dovedi");
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(44);
    });
    EXPECT_EQ(schuelerzeile, "45 Kind45");
    EXPECT_TRUE(files::fileExists(dataPath("Klassen/KL3A/45 Kind4/H1_7_01.txt")));

    // A name Windows-1252 has no letter for stands in its line as the list spells it, and the protocol is UTF-8 as a
    // whole, so that an editor shows every line right, the umlauts of the other lines too.
    protzeilen[2] = QStringLiteral("nötig: 3 Aufgaben für 2 Minuten");
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(4);
    });
    const QString elif = dataPath("Klassen/KL3A/05 Elif/H1_7_01.txt");
    ASSERT_EQ(dateizeilen(elif).size(), 14);
    EXPECT_EQ(dateizeilen(elif)[1], "Leistungsprotokoll für Elif Yılmaz");
    EXPECT_EQ(dateizeilen(elif)[2], "nötig: 3 Aufgaben für 2 Minuten");
    EXPECT_EQ(readBytes(elif), (dateizeilen(elif).join("\r\n") + "\r\n").toUtf8());
    const QList<QByteArray> bytes = readBytes(elif).split('\n');
    EXPECT_EQ(bytes[1], "Leistungsprotokoll f\xc3\xbcr Elif Y\xc4\xb1lmaz\r");
    EXPECT_EQ(bytes[2], "n\xc3\xb6tig: 3 Aufgaben f\xc3\xbcr 2 Minuten\r");
}

TEST_F(HProtTest, AListChangedOrDeletedOnAnotherPcAfterTheNamesShowGetsNothing)
{
    klasse(5);
    const bool offen = zeigen([&] {
        dialog.Button5->Click();
        // Another PC puts "Paula" where "Kind2" was shown.
        writeBytes(
            dataPath("k_liste/KL3A.txt"), readBytes(dataPath("k_liste/KL3A.txt")).replace("02 Kind2", "02 Paula"));
        namenKlicken(1);
        EXPECT_TRUE(dialog.Namenliste->isVisible());
        EXPECT_TRUE(dialog.meldung->isVisible());
        EXPECT_EQ(dialog.namen->itemText(1), "Paula");
        EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));

        // Then it deletes the list: the protocol is kept under a typed name, as without a list.
        QFile::remove(dataPath("k_liste/KL3A.txt"));
        namenKlicken(2);
        EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
        EXPECT_TRUE(dialog.meldung->text().contains("gibt es nicht mehr"));
        grabToPng(&dialog, QStringLiteral("h_prot_liste_geloescht"));
        ASSERT_TRUE(dialog.Panel1->isVisible());
        QTest::keyClicks(dialog.Edit2, "Paul");
        dialog.Button4->Click();
    });
    EXPECT_FALSE(offen);
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    EXPECT_EQ(dateizeilen(dataPath("OHNELIST/Paul/H1_7_01.txt")).value(1), "Leistungsprotokoll für Paul");
}

TEST_F(HProtTest, PrintOnlyPrintsThirteenLinesSaveAndPrintFourteenAndTheFile)
{
    klasse(5);
    zeigen([&] {
        dialog.Button2->Click(); // "nur &drucken"
        namenKlicken(0);
    });
    EXPECT_TRUE(files::dirExists(dataPath("Klassen/KL3A/01 Kind1"))); // made also for printing
    EXPECT_FALSE(files::fileExists(dataPath("Klassen/KL3A/01 Kind1/H1_7_01.txt")));
    QStringList texte = gedruckteTexte();
    ASSERT_EQ(texte.size(), 13);
    EXPECT_EQ(texte[1], "Leistungsprotokoll für Kind1");
    EXPECT_EQ(texte[12], "Zeile 12");
    const DrawOp& erste = printer().recorded().first().pages.first().first();
    EXPECT_EQ(erste.points.first(), QPoint(200, -100));
    EXPECT_EQ(erste.font.name, "courier new");
    EXPECT_EQ(erste.font.height, 50);
    EXPECT_EQ(printer().recorded().first().pages.first().at(12).points.first(), QPoint(200, -(100 + 55 * 12)));
    // Named by the aid and the pupil, as the teacher finds it among the printouts of the class.
    EXPECT_EQ(printer().recorded().first().title, "100er-Feld Zahl einordnen Protokoll 01 Kind1");

    printer().clearRecorded();
    zeigen([&] {
        dialog.Button3->Click(); // "speichern &und drucken"
        namenKlicken(1);
    });
    const QString pfad = dataPath("Klassen/KL3A/02 Kind2/H1_7_01.txt");
    EXPECT_TRUE(files::fileExists(pfad));
    texte = gedruckteTexte();
    ASSERT_EQ(texte.size(), 14);
    EXPECT_EQ(texte[13], pfad);
}

// A data folder on a share has a long path: line 13 names the whole of it in the file, and on paper it goes on
// in the lines below rather than off the page.
TEST_F(HProtTest, ALongDataFolderIsNamedWholeInTheFileAndOnPaper)
{
    datpfad = dataPath("run/user/1000/gvfs/smb-share:server=schulserver.example,share=lehrer/Tirmosak_Daten/");
    ASSERT_GT(datpfad.size(), 90);
    files::forceDirectories(datpfad + "k_liste");
    TextFile f;
    f.assign(datpfad + "k_liste/KL3A.txt");
    f.rewrite();
    f.writeLine(QStringLiteral("01 Vodoz Dovedi"));
    f.close();
    tavi::klinaSchreiben(datpfad + "kl.ina", datpfad, QStringLiteral("KL3A"));
    aktivliste = "KL3A";
    zeigen([&] {
        dialog.Button3->Click(); // "speichern &und drucken"
        namenKlicken(0);
    });
    const QString pfad = datpfad + "Klassen/KL3A/01 Vodoz/H1_7_01.txt";
    ASSERT_GT(pfad.size(), 130);
    EXPECT_EQ(dateizeilen(pfad).value(13), pfad);
    EXPECT_EQ(protzeilen[13].str(), pfad);

    // On paper: the pieces under each other, each inside the page, the last ending with the file name.
    const QVector<DrawOp>& seite = printer().recorded().first().pages.first();
    QStringList teile;
    for (int i = 13; i < seite.size(); ++i) {
        if (seite[i].kind != DrawOp::Kind::Text) continue;
        teile << seite[i].text;
        EXPECT_EQ(seite[i].points.first(), QPoint(200, -(100 + 55 * 13) - 55 * (teile.size() - 1)));
        EXPECT_LE(200 + 265 * seite[i].text.size() / 10, 1950) << seite[i].text.toStdString(); // 2.65 mm a letter
    }
    ASSERT_GT(teile.size(), 1);
    EXPECT_EQ(teile.join(QString()), pfad);
    EXPECT_TRUE(teile.last().endsWith("H1_7_01.txt"));
}

TEST_F(HProtTest, AFullFolderIsShownWithNothingSavedOrPrinted)
{
    klasse(3);
    const QString ordner = dataPath("Klassen/KL3A/01 Kind1/");
    files::forceDirectories(ordner);
    for (int n = 1; n <= 98; ++n)
        writeBytes(ordner + "H1_7_" + protokoll::zweistellig(n) + ".txt", "x\r\n");

    // With 98 protocols the new one is number 99.
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(0);
    });
    EXPECT_TRUE(files::fileExists(ordner + "H1_7_99.txt"));

    // With 99 the folder is full, also for printing only; only the bin is left.
    const bool offen = zeigen([&] {
        dialog.Button2->Click();
        namenKlicken(0);
        EXPECT_TRUE(dialog.Label18->isVisible());
        EXPECT_FALSE(dialog.Button3->isEnabled());
        EXPECT_EQ(merker, 1);
        grabToPng(&dialog, QStringLiteral("h_prot_voll"));
    });
    EXPECT_TRUE(offen);
    EXPECT_TRUE(printer().recorded().isEmpty());
    EXPECT_EQ(files::findFiles(ordner, "*.txt").size(), 99);
}

TEST_F(HProtTest, ANameTypedAfterAFullFolderIsTheOnlyOneInTheHeader)
{
    ohneListe();
    const QString voll = dataPath("OHNELIST/Anna/");
    files::forceDirectories(voll);
    for (int n = 1; n <= protokoll::kMaxNummer; ++n)
        writeBytes(voll + "H1_7_" + protokoll::zweistellig(n) + ".txt", "x\r\n");
    const bool offen = zeigen([&] {
        dialog.Button5->Click();
        typeText(&dialog, QStringLiteral("Anna"));
        pressKey(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.Label18->isVisible());
        // The pupil clicks back into the name and adds a "2".
        dialog.Edit2->setFocus();
        typeText(&dialog, QStringLiteral("2"));
        pressKey(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(offen);
    EXPECT_TRUE(dialog.Label18->isHidden());
    EXPECT_EQ(dateizeilen(dataPath("OHNELIST/Anna2/H1_7_01.txt")).value(1), "Leistungsprotokoll für Anna2");
    EXPECT_EQ(files::findFiles(voll, "*.txt").size(), protokoll::kMaxNummer);
}

TEST_F(HProtTest, AProtocolThatCannotBeSavedIsReportedAndStillPrinted)
{
    ohneListe();
    writeBytes(dataPath("OHNELIST"), "a file where the folder should be");
    const bool offen = zeigen([&] {
        dialog.Button3->Click();
        typeText(&dialog, QStringLiteral("Anna"));
        pressKey(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.meldung->isVisible());
        EXPECT_TRUE(dialog.meldung->caption().contains("konnte nicht gespeichert werden"));
        grabToPng(&dialog, QStringLiteral("h_prot_fehler"));
    });
    EXPECT_TRUE(offen);
    // The print has no file path to show.
    EXPECT_EQ(gedruckteTexte().size(), 13);
}

TEST_F(HProtTest, TheBinKeepsNothing)
{
    klasse(3);
    const bool offen = zeigen([&] {
        dialog.Button5->Click();
        pressKey(&dialog, Qt::Key_Escape); // "in den &Papierkorb"
    });
    EXPECT_FALSE(offen);
    EXPECT_FALSE(files::dirExists(dataPath("Klassen")));
    EXPECT_TRUE(printer().recorded().isEmpty());
}

TEST_F(HProtTest, TypedNameWithoutAList)
{
    ohneListe();
    const bool offen = zeigen([&] {
        pressKey(&dialog, Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(dialog.Panel1->isVisible());
        EXPECT_FALSE(dialog.Namenliste->isVisible());
        // Enter in the empty edit does nothing.
        pressKey(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.Button4->isVisible());
        // Separators, dots, blanks and other signs are not taken; backspace is.
        typeText(&dialog, QStringLiteral("Jö/r. g\\"));
        EXPECT_EQ(dialog.Edit2->text(), "Jörg");
        EXPECT_TRUE(dialog.Button4->isVisible());
        pressKey(&dialog, Qt::Key_Backspace);
        EXPECT_EQ(dialog.Edit2->text(), "Jör");
        typeText(&dialog, QStringLiteral("g-2abcde"));
        EXPECT_EQ(dialog.Edit2->text(), "Jörg-2ab"); // 8 characters
        pressKey(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(offen);
    EXPECT_EQ(schuelername, "Jörg-2ab");
    const QString pfad = dataPath("OHNELIST/Jörg-2ab/H1_7_01.txt");
    EXPECT_EQ(dateizeilen(pfad).value(1), "Leistungsprotokoll für Jörg-2ab");
}

TEST_F(HProtTest, TypedNamesThatCannotNameAFolderAreRefused)
{
    EXPECT_TRUE(hprot::namePasst("Anna-2"));
    for (const char* name : { "", "..", "a/b", "a\\b" })
        EXPECT_FALSE(hprot::namePasst(QString::fromUtf8(name))) << name;
    EXPECT_FALSE(hprot::namePasst(QStringLiteral("\u0100na")));

    // A pasted name goes through the same key filter.
    ohneListe();
    zeigen([&] {
        dialog.Button5->Click();
        dialog.Edit2->pasteFiltered(QStringLiteral("../x"));
        EXPECT_EQ(dialog.Edit2->text(), "x");
        dialog.Button1->Click();
    });
}

TEST_F(HProtTest, AFailedReadOfKlInaKeepsTheKnownFolderAndList)
{
    aktivliste = "KL3A";
    hprot::klinaUebernehmen(); // no kl.ina
    EXPECT_EQ(datpfad, dataFolder());
    EXPECT_EQ(aktivliste, "KL3A");

    // A copy written by a PC where the data folder has another path names the list only.
    tavi::klinaSchreiben(dataPath("kl.ina"), QStringLiteral("C:\\Daten\\Tirmosak_Daten\\"), QStringLiteral("KL4B"));
    hprot::klinaUebernehmen();
    EXPECT_EQ(datpfad, dataFolder());
    EXPECT_EQ(aktivliste, "KL4B");

    // An old copy whose line 1 names another folder that exists here does not move the protocols there.
    klasse(5);
    tavi::klinaSchreiben(dataPath("kl.ina"), programFolder(), QStringLiteral("KL3A"));
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(0);
    });
    EXPECT_EQ(datpfad, dataFolder());
    EXPECT_TRUE(files::fileExists(dataPath("Klassen/KL3A/01 Kind1/H1_7_01.txt")));
    EXPECT_FALSE(files::dirExists(programFolder() + "Klassen"));

    // An active list that cannot be read, gone or damaged, is said, not left as an empty choice: the pupil types a
    // name, and the protocol is kept as without a list.
    for (const QByteArray& kaputt : { QByteArray(), QByteArray("01 Anna\r\n\0\0\0\r\n", 14) }) {
        klasse(2);
        QFile::remove(dataPath("k_liste/KL3A.txt"));
        if (!kaputt.isEmpty()) writeBytes(dataPath("k_liste/KL3A.txt"), kaputt);
        const bool offen = zeigen([&] {
            dialog.Button5->Click();
            EXPECT_TRUE(dialog.meldung->isVisible());
            EXPECT_EQ(dialog.namen->count(), 0);
            EXPECT_FALSE(dialog.Namenliste->isVisible());
            ASSERT_TRUE(dialog.Panel1->isVisible());
            if (!kaputt.isEmpty()) grabToPng(&dialog, QStringLiteral("h_prot_liste_beschaedigt"));
            dialog.Edit2->setText(kaputt.isEmpty() ? "Paul" : "Paula");
            dialog.Button4->Click();
        });
        EXPECT_FALSE(offen);
    }
    EXPECT_TRUE(dialog.meldung->text().contains("ist beschädigt")) << dialog.meldung->text().toStdString();
    EXPECT_EQ(dateizeilen(dataPath("OHNELIST/Paul/H1_7_01.txt")).value(1), "Leistungsprotokoll für Paul");
    EXPECT_EQ(dateizeilen(dataPath("OHNELIST/Paula/H1_7_01.txt")).value(1), "Leistungsprotokoll für Paula");
    EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.txt")), QByteArray("01 Anna\r\n\0\0\0\r\n", 14));
}

TEST_F(HProtTest, LinesArePrintedWhereTheirCallerPutsThem)
{
    zeilendruck::Seite s;
    s.zeilen = zeilendruck::untereinander({ "a", "b", "c" }, 200, 100, 40);
    s.linien.append({ QPoint(180, -630), QPoint(1700, -630) });
    zeilendruck::drucken("Probe", { s, s }, { 35, 2 });
    ASSERT_EQ(printer().recorded().size(), 1);
    const Printer::Document& d = printer().recorded().first();
    EXPECT_EQ(d.title, "Probe");
    ASSERT_EQ(d.pages.size(), 2);
    ASSERT_EQ(d.pages[0].size(), 4);
    EXPECT_EQ(d.pages[0][2].points.first(), QPoint(200, -180));
    EXPECT_EQ(d.pages[0][2].font.height, 35);
    EXPECT_EQ(d.pages[0][2].mapMode, MapMode::LoMetric);
    EXPECT_EQ(d.pages[0][3].kind, DrawOp::Kind::Line);
    EXPECT_EQ(d.pages[0][3].pen.width, 2);
}

TEST_F(HProtTest, LineThirteenNamesTheFoldersAsTheyAreSpelledOnDisk)
{
    // The administration keeps the list folder as typed, the list file upper-cased.
    files::forceDirectories(dataPath("k_liste"));
    files::forceDirectories(dataPath("Klassen/1b_03/01 Anna"));
    writeBytes(dataPath("k_liste/1B_03.TXT"), "01 Anna\r\n");
    tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("1B_03"));
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(0);
    });
    const QString pfad = dataPath("Klassen/1b_03/01 Anna/H1_7_01.txt");
    EXPECT_EQ(dateizeilen(pfad).value(13), pfad);
    EXPECT_EQ(protdatei, pfad);
}

TEST_F(HProtTest, AProtocolThatCannotBeWrittenLeavesNoFileAndTheRealCauseIsSaid)
{
    ohneListe();
    files::setWriteFailureForTests([](const QString& pfad) { return pfad.endsWith(".txt"); });
    const bool offen = zeigen([&] {
        dialog.Button5->Click();
        typeText(&dialog, QStringLiteral("Anna"));
        pressKey(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.meldung->isVisible());
    });
    EXPECT_TRUE(offen);
    EXPECT_TRUE(files::findFiles(dataPath("OHNELIST/Anna"), "*.*").isEmpty());
    files::setWriteFailureForTests({});

    SmallFileSystem klein;
    if (!klein.mounted()) GTEST_SKIP() << "a read-only file system needs root to be mounted";
    datpfad = klein.path();
    files::forceDirectories(datpfad + "OHNELIST/Anna");
    tavi::klinaSchreiben(datpfad + "kl.ina", datpfad, QStringLiteral("ohne"));
    klein.makeReadOnly();
    zeigen([&] {
        dialog.Button5->Click();
        typeText(&dialog, QStringLiteral("Anna"));
        pressKey(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.meldung->caption().contains("Zugriff verweigert"))
            << dialog.meldung->caption().toStdString();
        grabToPng(&dialog, QStringLiteral("h_prot_nurlesen"));
    });
}

TEST_F(HProtTest, EachMessageLiesBesideWhatItIsAboutAndCoversNoName)
{
    klasse(40);
    FileLock::setWaitForTests(60);
    const auto ueberName = [&] {
        const QRect meldung(dialog.meldung->mapTo(&dialog, QPoint()), dialog.meldung->size());
        const QRect liste(dialog.namen->mapTo(&dialog, QPoint()), dialog.namen->size());
        return dialog.Namenliste->isVisible() && meldung.intersects(liste);
    };
    const bool offen = zeigen([&] {
        dialog.Button5->Click();
        {
            // Another PC saves the list just now.
            const FileLock anderer(dataPath("k_liste/KL3A.LCK"));
            namenKlicken(3);
        }
        EXPECT_TRUE(dialog.meldung->caption().contains("gleich noch einmal"))
            << dialog.meldung->caption().toStdString();
        EXPECT_TRUE(showsWhole(dialog.meldung));
        EXPECT_FALSE(ueberName());
        EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));

        // The list is deleted and made again with other names, and "kl.ina" says there is no list by now: the
        // typed-name box shows, and the message says what it asks for, right beside it.
        klasse(3);
        tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("ohne"));
        namenKlicken(3);
        ASSERT_TRUE(dialog.Panel1->isVisible());
        EXPECT_TRUE(dialog.meldung->caption().contains("Schreibe deinen Namen"))
            << dialog.meldung->caption().toStdString();
        EXPECT_TRUE(showsWhole(dialog.meldung));
        EXPECT_GT(dialog.meldung->x(), dialog.Panel1->geometry().right());
        EXPECT_LE(dialog.meldung->x() - dialog.Panel1->geometry().right(), 20);
        EXPECT_EQ(dialog.meldung->y(), dialog.Panel1->y());
        grabToPng(&dialog, QStringLiteral("h_prot_liste_neu_ohne"));
        dialog.Button1->Click();
    });
    FileLock::setWaitForTests(-1);
    EXPECT_FALSE(offen);
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
}

TEST(Meldungsort, TheFirstPlaceThatCoversNothingAsHighAsItCanBe)
{
    const QRect raum(0, 0, 1000, 600);
    const auto hoehe = [](int breite) { return breite >= 300 ? 40 : 80; };
    // Free at once.
    EXPECT_EQ(hprot::meldungsort({ { QPoint(100, 50), 300 } }, hoehe, raum, {}), QRect(100, 50, 300, 40));
    // Moved down below what it would cover, no further.
    const QList<QRect> zeilen { QRect(0, 40, 900, 30), QRect(0, 100, 90, 30) };
    EXPECT_EQ(hprot::meldungsort({ { QPoint(100, 50), 300 } }, hoehe, raum, zeilen), QRect(100, 70, 300, 40));
    // Nor squeezed between two lines where it does not fit.
    const QList<QRect> eng { QRect(0, 40, 900, 30), QRect(0, 100, 900, 30) };
    EXPECT_EQ(hprot::meldungsort({ { QPoint(100, 50), 300 } }, hoehe, raum, eng), QRect(100, 130, 300, 40));
    // A place with no room down to the bottom gives way to the next; a narrower one is taller.
    const QList<QRect> spalte { QRect(100, 0, 50, 600) };
    EXPECT_EQ(hprot::meldungsort({ { QPoint(100, 0), 300 }, { QPoint(700, 0), 250 } }, hoehe, raum, spalte),
        QRect(700, 0, 250, 80));
    // Outside the room is no place; a place of no width is none.
    EXPECT_TRUE(hprot::meldungsort({ { QPoint(800, 0), 300 }, { QPoint(0, 0), 0 } }, hoehe, raum, {}).isEmpty());
}

TEST_F(HProtTest, TwoPupilsOfOneNameSaveIntoTheirOwnFoldersAlsoWhereAnotherPcWroteANumberMeanwhile)
{
    files::forceDirectories(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.txt"), "Anna\r\nAnna\r\n");
    tavi::klinaSchreiben(dataPath("kl.ina"), datpfad, QStringLiteral("KL3A"));
    aktivliste = "KL3A";
    // The second Anna saves first: her line is given her folder's number.
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(1);
    });
    EXPECT_TRUE(files::fileExists(dataPath("Klassen/KL3A/02 Anna/H1_7_01.txt")));
    EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.txt")), "Anna\r\n02 Anna\r\n");
    // The names were shown before another PC wrote her number: her click is hers all the same.
    writeBytes(dataPath("k_liste/KL3A.txt"), "Anna\r\nAnna\r\n");
    zeigen([&] {
        dialog.Button5->Click();
        writeBytes(dataPath("k_liste/KL3A.txt"), "Anna\r\n02 Anna\r\n");
        namenKlicken(1);
    });
    EXPECT_TRUE(files::fileExists(dataPath("Klassen/KL3A/02 Anna/H1_7_02.txt")));
    zeigen([&] {
        dialog.Button5->Click();
        namenKlicken(0);
    });
    EXPECT_TRUE(files::fileExists(dataPath("Klassen/KL3A/Anna/H1_7_01.txt")));
}
