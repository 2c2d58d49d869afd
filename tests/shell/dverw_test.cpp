#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <optional>

namespace {

class DverwTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "ohne";
        adminpasswort = "";
        verwaltungsmodus = 0;
        writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\nohne\r\n").toUtf8());
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        printer().setRecording(false);
        TaviTest::TearDown();
    }

    // Opens the window and lets `schritte` work in it as the teacher would.
    void oeffnen(TForm34& w, const std::function<void()>& schritte)
    {
        Form::setModalDriver([&](Form&) { schritte(); });
        w.showModal();
    }

    static void klick(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static void waehle(ListBox* box, const QString& text)
    {
        const auto gefunden = box->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(gefunden.size(), 1) << text.toStdString();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(gefunden.first()).center());
    }
    void liste(const QString& datei, const QStringList& zeilen)
    {
        QDir().mkpath(dataPath("k_liste"));
        QByteArray b;
        for (const QString& z : zeilen)
            b += z.toLatin1() + "\r\n";
        writeBytes(dataPath("k_liste/" + datei), b);
    }
    static QStringList kinder(int n)
    {
        QStringList z;
        for (int i = 1; i <= n; ++i)
            z << QString("%1 Kind").arg(i, 2, 10, QChar('0'));
        return z;
    }
    QStringList ordner(const QString& rel) const
    {
        return QDir(dataPath(rel)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
};

} // namespace

TEST_F(DverwTest, ANewListOfThreeNamesWithItsFolders)
{
    TForm34 w;
    oeffnen(w, [&] {
        EXPECT_EQ(w.caption(), "Dateiverwaltung");
        EXPECT_EQ(w.focusWidget(), w.Button10);
        EXPECT_EQ(w.Label11->caption(), "Bitte arbeiten Sie mit dem Dateimanager und einem Texteditor.");
        grabToPng(&w, "dverw_start");
        klick(w.Button1);
        EXPECT_TRUE(w.Nameneingabe->isVisible());
        EXPECT_FALSE(w.Button1->isEnabled());
        EXPECT_EQ(w.focusWidget(), w.Edit1);
        EXPECT_FALSE(w.Button8->isEnabled());
        for (const QString& name : { "Anna", "Ben", "Christina Maria" }) {
            typeText(&w, name);
            EXPECT_TRUE(w.Button7->isEnabled());
            EXPECT_FALSE(w.Button8->isEnabled()); // a pending name is not dropped by saving
            klick(w.Button7);
            // "weiter" waits for the next name.
            EXPECT_FALSE(w.Button7->isEnabled());
            EXPECT_TRUE(w.Button8->isEnabled());
        }
        EXPECT_EQ(w.Label6->caption(), "4. Name:");
        grabToPng(&w, "dverw_modus1_namen");
        w.Button7->Click(); // an empty name is never stored
        klick(w.Button8);
        EXPECT_TRUE(w.Listenname->isVisible());
        EXPECT_FALSE(w.Button11->isEnabled());
        typeText(&w, "ab_1");
        EXPECT_TRUE(w.Button11->isEnabled());
        grabToPng(&w, "dverw_modus1_listenname");
        klick(w.Button11);
        EXPECT_FALSE(w.Listenname->isVisible());
        EXPECT_FALSE(w.Nameneingabe->isVisible());
        EXPECT_TRUE(w.Button1->isEnabled());
        EXPECT_FALSE(w.meldung->isVisible());
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/AB_1.TXT")), QByteArray("01 Anna\r\n02 Ben\r\n03 Christina Maria\r\n"));
    EXPECT_EQ(ordner("Klassen/ab_1"), QStringList({ "01 Anna", "02 Ben", "03 Chris" }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(DverwTest, FortyNamesFillANewList)
{
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button1);
        for (int i = 1; i <= 40; ++i) {
            typeText(&w, "Kind");
            klick(w.Button7);
        }
        EXPECT_TRUE(w.voll->isVisible());
        EXPECT_EQ(w.Button7->caption(), "Liste ist voll");
        EXPECT_FALSE(w.Button7->isEnabled());
        typeText(&w, "Zuviel");
        EXPECT_FALSE(w.Button7->isEnabled());
        pressKey(&w, Qt::Key_Return); // "o.k."
        EXPECT_FALSE(w.voll->isVisible());
        klick(w.Button8);
        typeText(&w, "4c");
        klick(w.Button11);
    });
    const QByteArray datei = readBytes(dataPath("k_liste/4C.TXT"));
    EXPECT_EQ(datei.count("\r\n"), 40);
    EXPECT_TRUE(datei.endsWith("40 Kind\r\n"));
    EXPECT_EQ(ordner("Klassen/4c").size(), 40);
}

TEST_F(DverwTest, AnExistingListNameIsRefusedWhateverItsCase)
{
    liste("1B.TXT", { "01 Anna" });
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button1);
        typeText(&w, "Ben");
        klick(w.Button7);
        klick(w.Button8);
        typeText(&w, "1b");
        EXPECT_TRUE(w.Label9->isVisible());
        EXPECT_FALSE(w.Button11->isEnabled());
        grabToPng(&w, "dverw_modus1_name_vorhanden");
        w.Button11->Click();
        pressKey(&w, Qt::Key_Backspace);
        EXPECT_FALSE(w.Label9->isVisible());
        EXPECT_TRUE(w.Button11->isEnabled());
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/1B.TXT")), QByteArray("01 Anna\r\n"));
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files), QStringList({ "1B.TXT" }));
}

TEST_F(DverwTest, ListsThatCannotBeReadAreSaidAndNoNameIsFree)
{
    liste("KLA.TXT", { "01 Anna" });
    TForm34 w;
    oeffnen(w, [&] {
        std::optional<UnlesbarerOrdner> zu(std::in_place, dataPath("k_liste"), testFolder());
        const auto gesagt = [&](const char* schritt) {
            EXPECT_TRUE(w.meldung->isVisible()) << schritt;
            EXPECT_TRUE(w.meldung->caption().startsWith("Die Klassenlisten können an diesem Rechner nicht gelesen "
                                                        "werden: der Ordner „"
                + dataPath("k_liste") + "“"))
                << schritt << ": " << w.meldung->caption().toStdString();
            EXPECT_TRUE(showsWhole(w.meldung)) << schritt;
        };
        // Each mode that chooses a list: no empty choice offered, the five buttons back.
        for (Button* modus : { w.Button2, w.Button3, w.Button4, w.Button5 }) {
            klick(modus);
            gesagt(qPrintable(modus->caption()));
            EXPECT_FALSE(w.vorh_Listen->isVisible());
            EXPECT_TRUE(w.Button1->isEnabled());
        }
        // A new list: neither the existing name nor another one is called free.
        klick(w.Button1);
        typeText(&w, "Ben");
        klick(w.Button7);
        klick(w.Button8);
        for (const char* name : { "KLA", "NEU" }) {
            w.Edit2->clear();
            typeText(&w, name);
            gesagt(name);
            EXPECT_FALSE(w.Label9->isVisible()) << name;
            EXPECT_FALSE(w.Button11->isEnabled()) << name;
        }
        zu.reset(); // the picture is written as the tests' own user
        grabToPng(&w, "dverw_listen_unlesbar");
        klick(w.Button13);
        klick(w.Button10);
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/KLA.TXT")), QByteArray("01 Anna\r\n"));
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files | QDir::Hidden), QStringList({ "KLA.TXT" }));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
}

TEST_F(DverwTest, RefusedCharactersNeverReachTheDisk)
{
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button1);
        typeText(&w, " /..\\Anna1");
        EXPECT_EQ(w.Edit1->text(), "Anna");
        w.Edit1->clear();
        w.Edit1->pasteFiltered(" Anna Lena/../x€");
        EXPECT_EQ(w.Edit1->text(), "Anna Lenax");
        klick(w.Button7);
        klick(w.Button8);
        typeText(&w, "../1.b");
        EXPECT_EQ(w.Edit2->text(), "1b");
        w.Edit2->clear();
        w.Edit2->pasteFiltered("a/b c");
        EXPECT_EQ(w.Edit2->text(), "abc");
        klick(w.Button13);
        EXPECT_TRUE(w.Button1->isEnabled());
    });
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
}

// Names of every language are saved as typed, and a character a name may not hold is said under the edit.
TEST_F(DverwTest, ANameIsSavedAsTypedAndWhatItMayNotHoldIsSaid)
{
    QDir().mkpath(dataPath("k_liste"));
    // Typed by hand: a name in UTF-8, one in Windows-1252, one with digits.
    const QByteArray vorher = "01 Anna\r\n02 Elif Y\xc4\xb1lmaz\r\n03 Kind45 Name\r\n04 Jos\xe9\r\n";
    writeBytes(dataPath("k_liste/3C.TXT"), vorher);
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button2);
        waehle(w.ListBox1, "3C");
        typeText(&w, "Zeynep Yıld4");
        EXPECT_EQ(w.Edit1->text(), "Zeynep Yıld");
        ASSERT_TRUE(w.namenhinweis->isVisible());
        EXPECT_EQ(w.namenhinweis->caption(), "„4“ gehört nicht in einen Namen.");
        EXPECT_TRUE(w.Button8->isEnabled());
        grabToPng(&w, "dverw_zeichenhinweis");
        // Said until the name is saved, whatever is typed after it.
        typeText(&w, "ız");
        EXPECT_EQ(w.namenhinweis->caption(), "„4“ gehört nicht in einen Namen.");
        // A paste says what it left out, wherever in it, beside what was refused before.
        w.Edit1->selectAll();
        w.Edit1->pasteFiltered("3Zeynep Yıldız");
        EXPECT_EQ(w.Edit1->text(), "Zeynep Yıldız");
        EXPECT_EQ(w.namenhinweis->caption(), "„4“ und „3“ gehören nicht in einen Namen.");
        EXPECT_TRUE(w.namenhinweis->isVisible());
        klick(w.Button8);

        // A name chosen to be changed that holds digits cannot be saved so: said, not greyed without a word.
        klick(w.Button3);
        waehle(w.ListBox1, "3C");
        waehle(w.ListBox2, "Kind45 Name");
        EXPECT_FALSE(w.Button8->isEnabled());
        ASSERT_TRUE(w.namenhinweis->isVisible());
        EXPECT_TRUE(w.namenhinweis->caption().startsWith("„4“ und „5“ gehören nicht in einen Namen."));
        EXPECT_TRUE(showsWhole(w.namenhinweis));
        grabToPng(&w, "dverw_zeichenhinweis_gewaehlt");
        w.Edit1->setText("Gülay Jäger @%&#");
        EXPECT_TRUE(showsWhole(w.namenhinweis));
        grabToPng(&w, "dverw_zeichenhinweis_lang");
        for (const QString& name : { "Elif Yılmaz", "José" }) {
            waehle(w.ListBox2, name);
            EXPECT_TRUE(w.Button8->isEnabled()) << name.toStdString();
            EXPECT_FALSE(w.namenhinweis->isVisible()) << name.toStdString();
        }
        klick(w.Button8);
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/3C.TXT")), vorher + "05 Zeynep Y\xc4\xb1ld\xc4\xb1z\r\n");
    EXPECT_TRUE(ordner("Klassen/3C").contains("05 Zeyne"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(DverwTest, AddingANameAndAFullList)
{
    liste("2A.TXT", { "01 Anna", "02 Ben" });
    liste("VOLL.TXT", kinder(40));
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button2);
        EXPECT_EQ(w.Label10->caption(), "welcher Liste?");
        EXPECT_EQ(w.ListBox1->items(), QStringList({ "2A", "VOLL" }));
        grabToPng(&w, "dverw_modus2_listenwahl");
        waehle(w.ListBox1, "VOLL");
        EXPECT_TRUE(w.voll->isVisible());
        EXPECT_FALSE(w.Nameneingabe->isVisible());
        grabToPng(&w, "dverw_modus2_voll");
        pressKey(&w, Qt::Key_Return);
        EXPECT_FALSE(w.voll->isVisible());
        EXPECT_TRUE(w.Button2->isEnabled());

        klick(w.Button2);
        waehle(w.ListBox1, "2A");
        EXPECT_EQ(w.Label6->caption(), "3. Name:");
        EXPECT_FALSE(w.Button8->isEnabled());
        typeText(&w, "Dora");
        EXPECT_FALSE(w.Button7->isEnabled());
        EXPECT_TRUE(w.Button8->isEnabled());
        grabToPng(&w, "dverw_modus2_name");
        klick(w.Button8);
        EXPECT_FALSE(w.Nameneingabe->isVisible());
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/2A.TXT")), QByteArray("01 Anna\r\n02 Ben\r\n03 Dora\r\n"));
    EXPECT_EQ(ordner("Klassen/2A"), QStringList({ "01 Anna", "02 Ben", "03 Dora" }));
}

TEST_F(DverwTest, AListEditedByHandOffersItsPupilsOnlyAndADamagedOneIsSaidAndLeftAlone)
{
    liste("2A.TXT", { "01 Anna", "", "03 Lena", " " });
    liste("4C.TXT", { "01 Anna", "99 Zoe" });
    liste("4D.TXT", { "2024 Klasse 4d", "01 Anna" });
    const QByteArray kaputt("01 Anna\r\n\0\0\r\n", 13);
    writeBytes(dataPath("k_liste/3B.TXT"), kaputt);
    TForm34 w;
    oeffnen(w, [&] {
        // A new pupil: one past the highest number, never beside the blank line's place.
        klick(w.Button2);
        waehle(w.ListBox1, "2A");
        EXPECT_EQ(w.Label6->caption(), "4. Name:");
        typeText(&w, "Lena");
        klick(w.Button8);
        // The name choice offers pupils only, each with the number of his own line.
        klick(w.Button3);
        waehle(w.ListBox1, "2A");
        ASSERT_EQ(w.ListBox2->items(), QStringList({ "Anna", "Lena", "Lena" }));
        w.ListBox2->setItemIndex(1);
        w.ListBox2->OnClick();
        EXPECT_EQ(w.Label6->caption(), "3. Name:");
        klick(w.Button12);
        // Past 99 a number cannot be written with two digits: said, and no name is asked for.
        klick(w.Button2);
        waehle(w.ListBox1, "4C");
        EXPECT_FALSE(w.Nameneingabe->isVisible());
        ASSERT_TRUE(w.meldung->isVisible());
        EXPECT_TRUE(w.meldung->caption().startsWith("In der Liste 4C ist keine Nummer mehr frei"));
        EXPECT_TRUE(showsWhole(w.meldung));
        grabToPng(&w, "dverw_keine_nummer");
        // A title line that begins with a year is named, so that the teacher knows which line to mend.
        klick(w.Button2);
        waehle(w.ListBox1, "4D");
        EXPECT_FALSE(w.Nameneingabe->isVisible());
        EXPECT_TRUE(
            w.meldung->caption().contains("die Zeile „2024 Klasse 4d“ beginnt mit einer Zahl von mehr als zwei"))
            << w.meldung->caption().toStdString();
        EXPECT_TRUE(showsWhole(w.meldung));

        // A damaged list is said, naming its file; it can still be deleted.
        for (Button* modus : { w.Button2, w.Button3, w.Button4 }) {
            klick(modus);
            waehle(w.ListBox1, "3B");
            EXPECT_FALSE(w.Nameneingabe->isVisible());
            EXPECT_FALSE(w.namenbox->isVisible());
            EXPECT_TRUE(w.Button2->isEnabled());
        }
        EXPECT_EQ(readBytes(dataPath("k_liste/3B.TXT")), kaputt);
        klick(w.Button5);
        waehle(w.ListBox1, "3B");
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/2A.TXT")), QByteArray("01 Anna\r\n\r\n03 Lena\r\n04 Lena\r\n \r\n"));
    EXPECT_EQ(ordner("Klassen/2A"), QStringList({ "01 Anna", "03 Lena", "04 Lena" }));
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].startsWith("Die Klassenliste „" + dataPath("k_liste/3B.TXT") + "“ ist beschädigt"))
        << errors[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/3B.TXT")));
}

TEST_F(DverwTest, AThirtyFiveCharacterNameSurvivesARename)
{
    const QString lang = "Annabell Katharina Muster-Schmidtke"; // 35 characters
    const QString neu = "Annabell Katharina Muster-Schmidtka";
    ASSERT_EQ(lang.size(), 35);
    liste("3C.TXT", { "01 " + lang, "02 Ben" });
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button3);
        waehle(w.ListBox1, "3C");
        EXPECT_TRUE(w.namenbox->isVisible());
        EXPECT_EQ(w.ListBox2->items(), QStringList({ lang, "Ben" }));
        waehle(w.ListBox2, lang);
        EXPECT_EQ(w.Edit1->text(), lang);
        EXPECT_EQ(w.Label6->caption(), "1. Name:");
        grabToPng(&w, "dverw_modus3");
        // The name comes selected, so that a typed one replaces it; End keeps it to mend its last letter.
        pressKey(&w, Qt::Key_End);
        pressKey(&w, Qt::Key_Backspace);
        typeText(&w, "a");
        EXPECT_EQ(w.Edit1->text(), neu);
        klick(w.Button8);
        EXPECT_FALSE(w.namenbox->isVisible());
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/3C.TXT")), ("01 " + neu + "\r\n02 Ben\r\n").toLatin1());
}

TEST_F(DverwTest, FailedWritesAreReportedInTheWindow)
{
    liste("2A.TXT", { "01 Anna" });
    int verborgen = 0;
    TForm34 w;
    w.OnEnde = [&] { ++verborgen; };
    oeffnen(w, [&] {
        klick(w.Button2);
        waehle(w.ListBox1, "2A");
        typeText(&w, "Ben");
        // The folder of the lists is replaced by a file behind the program's back.
        QDir(dataPath("k_liste")).removeRecursively();
        writeBytes(dataPath("k_liste"), "kein Ordner");
        klick(w.Button8);
        EXPECT_TRUE(w.meldung->caption().startsWith("Die Liste 2A konnte nicht gespeichert werden: "))
            << w.meldung->caption().toStdString();
        EXPECT_TRUE(w.meldung->isVisible());
        // The entry stays, with the name typed.
        EXPECT_TRUE(w.Nameneingabe->isVisible());
        EXPECT_EQ(w.Edit1->text(), "Ben");
        grabToPng(&w, "dverw_meldung");
        klick(w.Button9);

        QDir().mkpath(dataPath("dw.ina"));
        w.pwedit->setText("neu");
        klick(w.Button10);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.meldung->caption().startsWith("Das Passwort konnte nicht gespeichert werden"));
        EXPECT_TRUE(w.Klassenlisten->isVisible());
        klick(w.Button10);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(verborgen, 1);
}

TEST_F(DverwTest, AFailedWriteInADeepDataFolderIsSaidWhole)
{
    // A data folder deep in a school's shared drive: the message names it and needs more than three lines.
    for (int ebene = 1; ebene <= 14; ++ebene)
        datpfad += QStringLiteral("Gemeinsame_Ablage_Ebene_%1/").arg(ebene);
    QDir().mkpath(datpfad + "dw.ina");
    TForm34 w;
    oeffnen(w, [&] {
        w.pwedit->setText("neu");
        klick(w.Button10);
        ASSERT_TRUE(w.meldung->isVisible());
        EXPECT_TRUE(showsWhole(w.meldung)) << w.meldung->height();
        grabToPng(&w, "dverw_meldung_tief");
        klick(w.Button10);
    });
}

TEST_F(DverwTest, OnAFullDiskTheListAndThePasswordStayAsTheyWere)
{
    // "k_liste" on a full file system of its own: the list's lock, a folder, still finds room there.
    SmallFileSystem klein;
    if (!klein.mounted()) GTEST_SKIP() << "a small file system needs root";
    QDir().mkpath(klein.path() + "k_liste");
    writeBytes(klein.path() + "k_liste/2A.TXT", "01 Anna\r\n");
    QFile::link(klein.path() + "k_liste", dataPath("k_liste"));
    klein.fill();
    writeBytes(dataPath("dw.ina"), "Dateiverwaltung\r\ngeheim\r\nEnde\r\n");
    TForm34 w;
    oeffnen(w, [&] {
        w.pwedit->setText("neu");
        klick(w.Button2);
        waehle(w.ListBox1, "2A");
        typeText(&w, "Ben");
        klick(w.Button8);
        // Said as what it is: the share is full, nothing was saved.
        EXPECT_TRUE(w.meldung->caption().startsWith("Die Liste 2A konnte nicht gespeichert werden: "));
        EXPECT_TRUE(w.meldung->caption().contains("Das Laufwerk oder die Freigabe des Datenordners ist voll; es "
                                                  "wurde nichts gespeichert"))
            << w.meldung->caption().toStdString();
        EXPECT_TRUE(w.Nameneingabe->isVisible());
        klick(w.Button9);
        files::setWriteFailureForTests([](const QString&) { return true; });
        klick(w.Button10);
        EXPECT_TRUE(w.meldung->caption().startsWith("Das Passwort konnte nicht gespeichert werden"));
        EXPECT_TRUE(w.isVisible());
        klick(w.Button10);
    });
    EXPECT_EQ(readBytes(dataPath("k_liste/2A.TXT")), QByteArray("01 Anna\r\n"));
    EXPECT_EQ(readBytes(dataPath("dw.ina")), QByteArray("Dateiverwaltung\r\ngeheim\r\nEnde\r\n"));
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({ "2A.TXT" }));
    QFile::remove(dataPath("k_liste"));
}

TEST_F(DverwTest, PrintingAList)
{
    printer().setRecording(true);
    liste("4B.TXT", kinder(3));
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button4);
        EXPECT_EQ(w.Label10->caption(), "welche Liste drucken?");
        grabToPng(&w, "dverw_modus4");
        waehle(w.ListBox1, "4B");
        EXPECT_FALSE(w.vorh_Listen->isVisible());
        EXPECT_TRUE(w.Button4->isEnabled());
    });
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_EQ(printer().recorded().first().title, "Klassenliste 4B");
    QStringList texte;
    for (const DrawOp& op : printer().recorded().first().pages.first())
        if (op.kind == DrawOp::Kind::Text) texte << op.text;
    EXPECT_EQ(texte, QStringList({ "4B", "01 Kind", "02 Kind", "03 Kind" }));
}

TEST_F(DverwTest, DeletingTheActiveListAndThenAnother)
{
    liste("1A.TXT", { "01 Anna" });
    liste("2B.TXT", { "01 Ben" });
    QDir().mkpath(dataPath("Klassen/1A/01 Anna"));
    writeBytes(dataPath("Klassen/1A/01 Anna/H1_7_01.txt"), "x\r\n");
    QDir().mkpath(dataPath("Klassen/2B/01 Ben"));
    writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\n1a\r\n").toUtf8());
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button5);
        EXPECT_EQ(w.Label10->caption(), "welche Liste?");
        EXPECT_FALSE(hasTabStop(w.Button5));
        EXPECT_TRUE(w.Button5->property("taviHint").toString().contains("Dieser Klick löscht die Liste"));
        grabToPng(&w, "dverw_modus5");
        // While it runs the window says how far it has got, under the wait cursor; both go when it is done.
        struct Zeuge : QObject {
            QStringList texte;
            QList<Qt::CursorShape> zeiger;
            Label* label = nullptr;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Show) {
                    texte << label->caption();
                    zeiger << (QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape()
                                                                 : Qt::ArrowCursor);
                }
                return false;
            }
        } zeuge;
        zeuge.label = w.fortschritt;
        w.fortschritt->installEventFilter(&zeuge);
        waehle(w.ListBox1, "1A");
        w.fortschritt->removeEventFilter(&zeuge);
        ASSERT_FALSE(zeuge.texte.isEmpty());
        EXPECT_EQ(zeuge.texte.first(), "Die Liste 1A wird gelöscht …");
        EXPECT_EQ(zeuge.zeiger.first(), Qt::WaitCursor);
        EXPECT_FALSE(w.fortschritt->isVisible());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(aktivliste, "ohne");
        EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\nohne\r\n").toUtf8());
        // The choice stays open for a further list.
        EXPECT_TRUE(w.vorh_Listen->isVisible());
        EXPECT_EQ(w.ListBox1->items(), QStringList({ "2B" }));
        waehle(w.ListBox1, "2B");
        EXPECT_EQ(w.ListBox1->items(), QStringList());
        klick(w.Button6);
    });
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/1A")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/2B")));
    EXPECT_EQ(QDir(dataPath("k_liste")).entryList(QDir::Files), QStringList());
    EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\nohne\r\n").toUtf8());
}

TEST_F(DverwTest, ADeletionThatCannotFinishSaysSoAndKeepsTheList)
{
    liste("1A.TXT", { "01 Anna" });
    QDir().mkpath(dataPath("Klassen/1A/01 Anna/Bilder"));
    writeBytes(dataPath("Klassen/1A/01 Anna/H1_7_01.txt"), "x\r\n");
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button5);
        waehle(w.ListBox1, "1A");
        EXPECT_TRUE(w.meldung->isVisible());
        EXPECT_TRUE(w.meldung->caption().startsWith("Die Liste 1A wurde nicht gelöscht"))
            << w.meldung->caption().toStdString();
        EXPECT_TRUE(w.Button5->isEnabled());
    });
    EXPECT_TRUE(QFileInfo::exists(dataPath("k_liste/1A.TXT")));
    EXPECT_TRUE(QFileInfo::exists(dataPath("Klassen/1A/01 Anna/H1_7_01.txt")));
}

TEST_F(DverwTest, TheEndWritesThePasswordAndHidesTheGate)
{
    adminpasswort = "alt";
    int verborgen = 0;
    TForm34 w;
    w.OnEnde = [&] { ++verborgen; };
    oeffnen(w, [&] {
        EXPECT_EQ(w.pwedit->text(), "********");
        w.pwedit->setFocus();
        w.pwedit->setCursorPosition(8);
        pressKey(&w, Qt::Key_Backspace);
        pressKey(&w, Qt::Key_Backspace);
        typeText(&w, " ä*{x9");
        EXPECT_EQ(w.pwedit->text(), "******x9");
        pressKey(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(verborgen, 1);
    EXPECT_EQ(readBytes(dataPath("dw.ina")), QByteArray("Dateiverwaltung\r\n******x9\r\nEnde\r\n"));

    // Opened again, the edit still shows that password, already written. Left untouched, "dw.ina" stays byte for
    // byte as another PC wrote it meanwhile; cleared, the password is empty.
    const QByteArray anderswo = "Dateiverwaltung\ngeheim\nEnde\n";
    writeBytes(dataPath("dw.ina"), anderswo);
    adminpasswort = "geheim";
    oeffnen(w, [&] {
        EXPECT_EQ(w.pwedit->text(), "******x9");
        klick(w.Button10);
    });
    EXPECT_EQ(readBytes(dataPath("dw.ina")), anderswo);
    oeffnen(w, [&] {
        w.pwedit->clear();
        klick(w.Button10);
    });
    EXPECT_EQ(readBytes(dataPath("dw.ina")), QByteArray("Dateiverwaltung\r\n\r\nEnde\r\n"));
}

TEST_F(DverwTest, AfterEveryPanelTheFocusIsOnTheEndAndAStrayKeyLeavesThePassword)
{
    printer().setRecording(true);
    adminpasswort = "geheim";
    writeBytes(dataPath("dw.ina"), "Dateiverwaltung\r\ngeheim\r\nEnde\r\n");
    liste("2A.TXT", { "01 Anna" });
    liste("KLASSE10.TXT", { "01 Ben" }); // a hand-made list with a name of eight characters
    liste("WEG.TXT", { "01 Carl" });
    TForm34 w;
    // Each way back from a panel, as the teacher goes it.
    const std::vector<std::pair<const char*, std::function<void()>>> wege = {
        { "Liste speichern",
            [&] {
                klick(w.Button2);
                waehle(w.ListBox1, "2A");
                typeText(&w, "Dora");
                klick(w.Button8);
            } },
        { "Name der Liste speichern",
            [&] {
                klick(w.Button1);
                typeText(&w, "Emil");
                klick(w.Button7);
                klick(w.Button8);
                typeText(&w, "3b");
                klick(w.Button11);
            } },
        { "abbrechen ohne zu speichern",
            [&] {
                klick(w.Button3);
                waehle(w.ListBox1, "2A");
                EXPECT_EQ(w.focusWidget(), w.ListBox2);
                waehle(w.ListBox2, "Anna");
                klick(w.Button9);
            } },
        { "abbrechen der Listenwahl",
            [&] {
                klick(w.Button4);
                klick(w.Button6);
            } },
        { "drucken",
            [&] {
                klick(w.Button4);
                waehle(w.ListBox1, "KLASSE10");
            } },
        { "löschen",
            [&] {
                klick(w.Button5);
                waehle(w.ListBox1, "WEG");
            } },
    };
    oeffnen(w, [&] {
        for (const auto& [name, weg] : wege) {
            weg();
            EXPECT_EQ(w.focusWidget(), w.Button10) << name;
            typeText(&w, "x");
        }
        EXPECT_FALSE(w.meldung->isVisible()) << w.meldung->caption().toStdString();
        klick(w.Button10);
    });
    EXPECT_EQ(readBytes(dataPath("dw.ina")), QByteArray("Dateiverwaltung\r\ngeheim\r\nEnde\r\n"));
    EXPECT_EQ(readBytes(dataPath("k_liste/2A.TXT")), QByteArray("01 Anna\r\n02 Dora\r\n"));
    EXPECT_EQ(readBytes(dataPath("k_liste/3B.TXT")), QByteArray("01 Emil\r\n"));
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_EQ(printer().recorded().first().title, "Klassenliste KLASSE10");
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/WEG.TXT")));
}

TEST_F(DverwTest, ARenameInALongListKeepsItsLastLinesAndTheListCanStillBeDeleted)
{
    liste("LANG.TXT", kinder(45));
    QDir().mkpath(dataPath("Klassen/LANG/02 Kind"));
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button3);
        waehle(w.ListBox1, "LANG");
        // Every pupil of a list made by hand is offered, and each can be renamed, the 45th too.
        for (const int zeile : { 1, 44 }) {
            if (zeile != 1) {
                klick(w.Button3);
                waehle(w.ListBox1, "LANG");
            }
            EXPECT_EQ(w.ListBox2->count(), 45);
            QListWidgetItem* item = w.ListBox2->item(zeile);
            w.ListBox2->setCurrentRow(zeile);
            w.ListBox2->scrollToItem(item);
            QTest::mouseClick(w.ListBox2->viewport(), Qt::LeftButton, {}, w.ListBox2->visualItemRect(item).center());
            w.Edit1->selectAll();
            typeText(&w, "Bert");
            klick(w.Button8);
            EXPECT_FALSE(w.meldung->isVisible()) << w.meldung->caption().toStdString();
        }
    });
    QStringList erwartet = kinder(45);
    erwartet[1] = "02 Bert";
    erwartet[44] = "45 Bert";
    EXPECT_EQ(readBytes(dataPath("k_liste/LANG.TXT")), (erwartet.join("\r\n") + "\r\n").toLatin1());
    EXPECT_EQ(ordner("Klassen/LANG").size(), 47); // "02 Kind" stays beside "02 Bert", "45 Kind" beside "45 Bert"

    oeffnen(w, [&] {
        klick(w.Button5);
        waehle(w.ListBox1, "LANG");
        EXPECT_FALSE(w.meldung->isVisible()) << w.meldung->caption().toStdString();
        klick(w.Button6);
    });
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/LANG")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("k_liste/LANG.TXT")));
}

TEST_F(DverwTest, TwoAdministrationsAtOnceKeepEachOthersSaves)
{
    liste("KL3A.TXT", { "01 Anna", "02 Ben", "03 Carl" });
    writeBytes(dataPath("dw.ina"), "Dateiverwaltung\r\n\r\nEnde\r\n");
    const QByteArray passwortAnderswo = "Dateiverwaltung\r\ngeheim\r\nEnde\r\n";
    TForm34 w;
    oeffnen(w, [&] {
        // While a name is typed here, another PC adds one to the list and sets a password.
        klick(w.Button2);
        waehle(w.ListBox1, "KL3A");
        EXPECT_EQ(w.Label6->caption(), "4. Name:");
        typeText(&w, "Dora Dach");
        liste("KL3A.TXT", { "01 Anna", "02 Ben", "03 Carl", "04 Emil Eck" });
        QDir().mkpath(dataPath("Klassen/KL3A/04 Emil"));
        writeBytes(dataPath("dw.ina"), passwortAnderswo);
        klick(w.Button8);
        EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.TXT")),
            QByteArray("01 Anna\r\n02 Ben\r\n03 Carl\r\n04 Emil Eck\r\n05 Dora Dach\r\n"));
        EXPECT_TRUE(w.Button2->isEnabled());

        // A name changed here that the other PC changed too.
        klick(w.Button3);
        waehle(w.ListBox1, "KL3A");
        waehle(w.ListBox2, "Ben");
        w.Edit1->selectAll();
        typeText(&w, "Bert");
        liste("KL3A.TXT", { "01 Anna", "02 Benno", "03 Carl", "04 Emil Eck", "05 Dora Dach" });
        const QByteArray vorher = readBytes(dataPath("k_liste/KL3A.TXT"));
        klick(w.Button8);
        EXPECT_EQ(errors,
            QStringList({ "Die Liste KL3A wurde inzwischen an einem anderen Rechner geändert. Es wurde "
                          "nichts gespeichert. Bitte wählen Sie die Liste noch einmal." }));
        EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.TXT")), vorher);
        EXPECT_FALSE(w.Nameneingabe->isVisible());
        EXPECT_FALSE(w.namenbox->isVisible());
        EXPECT_TRUE(w.Button3->isEnabled());

        // A list the other PC filled meanwhile takes no 41st name.
        klick(w.Button2);
        waehle(w.ListBox1, "KL3A");
        typeText(&w, "Zora");
        liste("KL3A.TXT", kinder(40));
        klick(w.Button8);
        EXPECT_TRUE(w.voll->isVisible());
        EXPECT_FALSE(w.Nameneingabe->isVisible());
        EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.TXT")).count("\r\n"), 40);
        klick(w.Button14);
        EXPECT_TRUE(w.Button2->isEnabled());
        klick(w.Button10);
    });
    EXPECT_EQ(ordner("Klassen/KL3A"), QStringList({ "01 Anna", "02 Ben", "03 Carl", "04 Emil", "05 Dora" }));
    EXPECT_EQ(readBytes(dataPath("dw.ina")), passwortAnderswo);
}

TEST_F(DverwTest, ASaveThatMeetsALockOrADeletedListKeepsWhatWasTyped)
{
    liste("KL3A.TXT", { "01 Anna" });
    FileLock::setWaitForTests(100);
    TForm34 w;
    oeffnen(w, [&] {
        klick(w.Button2);
        waehle(w.ListBox1, "KL3A");
        typeText(&w, "Dora");
        {
            const FileLock anderer(dataPath("k_liste/KL3A.LCK"));
            klick(w.Button8);
        }
        EXPECT_TRUE(w.meldung->isVisible());
        EXPECT_EQ(w.meldung->caption(),
            "Die Liste KL3A wird gerade bearbeitet. Es wurde nichts gespeichert; was Sie eingegeben haben, bleibt "
            "stehen. Bitte versuchen Sie es gleich noch einmal.");
        grabToPng(&w, QStringLiteral("dverw_liste_gesperrt"));
        EXPECT_TRUE(w.Nameneingabe->isVisible());
        EXPECT_EQ(w.Edit1->text(), "Dora");
        EXPECT_EQ(readBytes(dataPath("k_liste/KL3A.TXT")), QByteArray("01 Anna\r\n"));

        // The message belongs to that try: the next choice clears it.
        klick(w.Button9);
        EXPECT_FALSE(w.meldung->isVisible());
        klick(w.Button2);
        waehle(w.ListBox1, "KL3A");
        typeText(&w, "Dora");

        // The lock is gone, but so is the list.
        QFile::remove(dataPath("k_liste/KL3A.TXT"));
        klick(w.Button8);
        EXPECT_EQ(errors,
            QStringList({ "Die Liste KL3A gibt es nicht mehr: sie wurde inzwischen gelöscht. Es wurde nichts "
                          "gespeichert. Wählen Sie eine andere Liste, oder legen Sie die Liste mit „eine Liste "
                          "anlegen“ neu an." }));
        EXPECT_TRUE(w.Button2->isEnabled());

        // A new list whose name another PC takes while it is typed here.
        klick(w.Button1);
        typeText(&w, "Emil");
        klick(w.Button7);
        klick(w.Button8);
        typeText(&w, "kl3b");
        liste("KL3B.TXT", { "01 Fritz" });
        klick(w.Button11);
        EXPECT_TRUE(w.Label9->isVisible());
        EXPECT_FALSE(w.Button11->isEnabled());
        EXPECT_TRUE(w.Listenname->isVisible());
        klick(w.Button13);
        klick(w.Button10);
    });
    FileLock::setWaitForTests(-1);
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
    EXPECT_EQ(readBytes(dataPath("k_liste/KL3B.TXT")), QByteArray("01 Fritz\r\n"));
}
