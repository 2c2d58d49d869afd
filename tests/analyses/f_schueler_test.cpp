#include "analyses/f_schueler.h"
#include "platform/filelock.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "support/fixtures.h"

#include <QDir>

class FSchuelerTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "ohne";
        schuelername = "";
    }
    void klassenliste(const QString& name, int zeilen)
    {
        QDir().mkpath(dataPath("k_liste"));
        QByteArray text;
        for (int i = 1; i <= zeilen; ++i)
            text += QString("%1 Kind Nummer %2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
        writeBytes(dataPath("k_liste/" + name + ".txt"), text);
    }
};

TEST_F(FSchuelerTest, PupilListFromTheActiveClassList)
{
    klassenliste("KL3A", 45);
    aktivliste = "KL3A";
    // A list made by hand offers every pupil, also past the fortieth.
    const QStringList namen = schueler::namenliste();
    ASSERT_EQ(namen.size(), 45);
    EXPECT_EQ(namen[2], "Kind Nummer 3");
    EXPECT_EQ(schuelerzahl, 45);
    EXPECT_EQ(schueler::schuelercode(2, namen[2]), "03 Kind Nummer 3");
    EXPECT_EQ(schueler::schuelercode(44, namen[44]), "45 Kind Nummer 45");
    EXPECT_EQ(schueler::schuelercode(11, "Ben"), "12 Ben");
    EXPECT_EQ(schueler::schuelercode(0, QString(40, 'x')).size(), 35);

    // A list that is gone shows no names and leaves nothing of the last one behind: the pupil types a name, as
    // without a list, and is told why.
    aktivliste = "fehlt";
    QString unlesbar = "vorher";
    EXPECT_TRUE(schueler::namenliste(&unlesbar).isEmpty());
    EXPECT_EQ(schuelerzahl, 0);
    EXPECT_EQ(schueler::schuelercode(0, "Ben"), "01 Ben");
    EXPECT_EQ(unlesbar, "Die Klassenliste „fehlt“ gibt es nicht mehr. Bitte den Namen eintippen.");
    EXPECT_TRUE(schueler::ohneListe());

    // Nor does a name that is no class list's: never a dot file or a helper file of "k_liste".
    writeBytes(dataPath("k_liste/.txt"), "01 Geist\r\n");
    writeBytes(dataPath("k_liste/KL3A.LCK.txt"), "01 Geist\r\n");
    for (const char* liste : { "", "KL3A.LCK" }) {
        aktivliste = liste;
        EXPECT_TRUE(schueler::namenliste().isEmpty()) << liste;
    }

    // A folder that cannot be read says so; nothing is taken from it.
    aktivliste = "KL3A";
    UnlesbarerOrdner zu(dataPath("k_liste"), testFolder());
    EXPECT_TRUE(schueler::namenliste(&unlesbar).isEmpty());
    EXPECT_TRUE(unlesbar.contains(dataPath("k_liste"))) << unlesbar.toStdString();
}

TEST_F(FSchuelerTest, TypedNamesKeepLettersAndDigitsOnly)
{
    EXPECT_EQ(schueler::gueltigerName("Anna"), "Anna");
    EXPECT_EQ(schueler::gueltigerName("../../etc"), "etc");
    EXPECT_EQ(schueler::gueltigerName("Jörg-Max 2"), "JrgMax2");
    EXPECT_EQ(schueler::gueltigerName("ABCDEFGHIJ"), "ABCDEFGH");
    EXPECT_EQ(schueler::gueltigerName("a\\b/c:d"), "abcd");
    EXPECT_FALSE(schueler::namenzeichen(QChar(0xE4)));
    EXPECT_FALSE(schueler::namenzeichen('.'));
    EXPECT_TRUE(schueler::namenzeichen('7'));
}

TEST_F(FSchuelerTest, FolderAndFreeNumberWithoutAList)
{
    schuelername = "Anna";
    ASSERT_EQ(schueler::protokollvorbereiten("ss20__"), schueler::Protokollziel::Bereit);
    EXPECT_TRUE(QDir(dataPath("OHNELIST/Anna")).exists());
    EXPECT_EQ(schuelerordner, dataPath("OHNELIST/Anna"));
    EXPECT_EQ(protdatei, dataPath("OHNELIST/Anna/"));
    EXPECT_EQ(schueler::protokollstamm(), dataPath("OHNELIST/Anna/ss20__"));
    EXPECT_EQ(nrtext, "01");
    EXPECT_EQ(merker, 0);

    writeBytes(dataPath("OHNELIST/Anna/ss20__01.txt"), "x");
    writeBytes(dataPath("OHNELIST/Anna/SS20__02.TXT"), "x");
    writeBytes(dataPath("OHNELIST/Anna/ss10__03.txt"), "x");
    ASSERT_EQ(schueler::protokollvorbereiten("ss20__"), schueler::Protokollziel::Bereit);
    EXPECT_EQ(nrtext, "03");
}

TEST_F(FSchuelerTest, FolderOfAClassListPupilOnlyWhileTheListHoldsHisLine)
{
    klassenliste("KL3A", 3);
    writeBytes(dataPath("k_liste/KL3A.txt"), readBytes(dataPath("k_liste/KL3A.txt")) + "04 Vodoz Dovedi\r\n");
    aktivliste = "KL3A";
    schueler::namenliste();
    schuelername = "04 Vodoz Dovedi";
    ASSERT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::Bereit);
    EXPECT_EQ(schuelerzeile, "04 Vodoz Dovedi");
    EXPECT_EQ(schueler::protokollstamm(), dataPath("Klassen/KL3A/04 Vodoz/1+1___"));
    EXPECT_TRUE(QDir(dataPath("Klassen/KL3A/04 Vodoz")).exists());

    // Another PC changed the line, then deleted the list, after the names were shown here.
    QDir(dataPath("Klassen")).removeRecursively();
    klassenliste("KL3A", 4);
    EXPECT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::ListeGeaendert);
    QFile::remove(dataPath("k_liste/KL3A.txt"));
    EXPECT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::ListeGeloescht);
    EXPECT_FALSE(QDir(dataPath("Klassen")).exists());
    // For this run the pupil types a name, as without a list; the active list stays named.
    EXPECT_EQ(aktivliste, "KL3A");
    EXPECT_TRUE(schueler::ohneListe());
    EXPECT_TRUE(schueler::meldung(schueler::Protokollziel::ListeGeloescht).contains("„KL3A“ gibt es nicht mehr"));
    schuelername = "Vodoz";
    ASSERT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::Bereit);
    EXPECT_EQ(schueler::protokollstamm(), dataPath("OHNELIST/Vodoz/1+1___"));
    // The next set-up says why it asks for a typed name, and offers the names once the list is back.
    QString warum;
    EXPECT_TRUE(schueler::namenliste(&warum).isEmpty());
    EXPECT_TRUE(warum.startsWith("Die Klassenliste „KL3A“ gibt es nicht mehr.")) << warum.toStdString();
    klassenliste("KL3A", 4);
    EXPECT_EQ(schueler::namenliste(&warum).size(), 4);
    EXPECT_TRUE(warum.isEmpty());
    EXPECT_FALSE(schueler::ohneListe());

    // A list a teacher edited by hand: a blank line and a number skipped. Each pupil is named by his own number
    // and gets his own line's folder.
    writeBytes(dataPath("k_liste/KL3B.txt"), "01 Anna\r\n\r\n03 Lena\r\n");
    aktivliste = "KL3B";
    ASSERT_EQ(schueler::namenliste(), QStringList({ "Anna", "Lena" }));
    schuelername = schueler::schuelercode(1, "Lena");
    EXPECT_EQ(schuelername, "03 Lena");
    ASSERT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::Bereit);
    EXPECT_EQ(schueler::protokollstamm(), dataPath("Klassen/KL3B/03 Lena/1+1___"));
}

TEST_F(FSchuelerTest, AListBeingChangedOnAnotherPcIsNotAListDeleted)
{
    klassenliste("KL3A", 3);
    aktivliste = "KL3A";
    schueler::namenliste();
    schuelername = "02 Kind2";
    FileLock::setWaitForTests(60);
    {
        const FileLock anderer(dataPath("k_liste/KL3A.LCK"));
        ASSERT_TRUE(anderer.held());
        EXPECT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::ListeGesperrt);
    }
    FileLock::setWaitForTests(-1);
    EXPECT_EQ(aktivliste, "KL3A");
    EXPECT_TRUE(schueler::meldung(schueler::Protokollziel::ListeGesperrt).contains("gleich noch einmal „Start“"));
    EXPECT_FALSE(QDir(dataPath("Klassen")).exists());
    EXPECT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::Bereit);
}

TEST_F(FSchuelerTest, NothingReachesOutsideThePupilFolders)
{
    schuelername = "..";
    EXPECT_EQ(schueler::protokollvorbereiten("ssub__"), schueler::Protokollziel::Unzulaessig);
    schuelername = "a/b";
    EXPECT_EQ(schueler::protokollvorbereiten("ssub__"), schueler::Protokollziel::Unzulaessig);
    schuelername = "";
    EXPECT_EQ(schueler::protokollvorbereiten("ssub__"), schueler::Protokollziel::Unzulaessig);
    EXPECT_TRUE(protdatei.isEmpty());
    EXPECT_FALSE(QDir(dataPath("OHNELIST")).exists());
    aktivliste = "KL3A";
    schuelername = "01 ../..";
    EXPECT_NE(schueler::protokollvorbereiten("ssub__"), schueler::Protokollziel::Bereit);

    QString fehler;
    EXPECT_TRUE(schueler::protokollanlegen([](const QString&) { return QStringList { "x" }; }, fehler).isEmpty());
    EXPECT_EQ(fehler, schueler::kOrdnerFehlt);
}

TEST_F(FSchuelerTest, AFullFolderAndTheFileOfTheRun)
{
    schuelername = "Ben";
    QDir().mkpath(dataPath("OHNELIST/Ben"));
    for (int i = 1; i <= 98; ++i)
        writeBytes(dataPath("OHNELIST/Ben/ssub__") + protokoll::zweistellig(i) + ".txt", "");
    ASSERT_EQ(schueler::protokollvorbereiten("ssub__"), schueler::Protokollziel::Bereit);
    EXPECT_EQ(nrtext, "99");

    QString fehler;
    const QString pfad = schueler::protokollanlegen([](const QString& p) { return QStringList { "Ben", p }; }, fehler);
    EXPECT_EQ(pfad, dataPath("OHNELIST/Ben/ssub__99.txt"));
    EXPECT_EQ(protdatei, pfad);
    EXPECT_EQ(readBytes(pfad), ("Ben\r\n" + pfad + "\r\n").toUtf8());

    EXPECT_EQ(schueler::protokollvorbereiten("ssub__"), schueler::Protokollziel::Voll);
    EXPECT_EQ(merker, 1);
    EXPECT_TRUE(schueler::protokollanlegen([](const QString&) { return QStringList(); }, fehler).isEmpty());
    EXPECT_EQ(fehler, schueler::kOrdnerVoll);
}

TEST_F(FSchuelerTest, ANumberTakenByAnotherPcMeanwhileIsSkipped)
{
    schuelername = "Cem";
    ASSERT_EQ(schueler::protokollvorbereiten("ss10__"), schueler::Protokollziel::Bereit);
    EXPECT_EQ(nrtext, "01");
    writeBytes(dataPath("OHNELIST/Cem/ss10__01.txt"), "fremd");
    QString fehler;
    const QString pfad = schueler::protokollanlegen([](const QString&) { return QStringList { "neu" }; }, fehler);
    EXPECT_EQ(pfad, dataPath("OHNELIST/Cem/ss10__02.txt"));
    EXPECT_EQ(nrtext, "02");
    EXPECT_EQ(readBytes(dataPath("OHNELIST/Cem/ss10__01.txt")), "fremd");
}

// ---- The pupil controls of a set-up window ----

#include "analyses/f_schueler_wahl.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

class FSchuelerWahlTest : public FSchuelerTest {
protected:
    void SetUp() override
    {
        FSchuelerTest::SetUp();
        form = std::make_unique<Form>();
        namen = new ListBox(form.get(), 10, 10, 200, 300);
        n_ohne = new Edit(form.get(), 10, 320, 120, 26);
        wahl = std::make_unique<Namenwahl>(namen, n_ohne, nullptr, [this] { ++pruefungen; });
    }
    void TearDown() override
    {
        wahl.reset();
        form.reset();
        FSchuelerTest::TearDown();
    }
    std::unique_ptr<Form> form;
    ListBox* namen = nullptr;
    Edit* n_ohne = nullptr;
    std::unique_ptr<Namenwahl> wahl;
    int pruefungen = 0;
};

TEST_F(FSchuelerWahlTest, TypedNameIsCheckedOnEveryChange)
{
    wahl->aktivieren();
    form->show();
    EXPECT_TRUE(n_ohne->isVisible());
    EXPECT_FALSE(namen->isVisible());
    n_ohne->setFocus();
    QTest::keyClicks(n_ohne, "J");
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Odiaeresis, Qt::NoModifier, QString(QChar(0xF6)));
    QApplication::sendEvent(n_ohne, &umlaut);
    QTest::keyClicks(n_ohne, ".rg/12345678");
    EXPECT_EQ(n_ohne->text(), "Jrg12345");
    EXPECT_EQ(schuelername, "Jrg12345");
    QTest::keyClick(n_ohne, Qt::Key_Backspace);
    EXPECT_EQ(schuelername, "Jrg1234");

    n_ohne->clear();
    n_ohne->pasteFiltered("../..\\x y");
    EXPECT_EQ(schuelername, "xy");
    n_ohne->setText("a/b..c");
    EXPECT_EQ(n_ohne->text(), "abc");
    EXPECT_EQ(schuelername, "abc");
    EXPECT_GT(pruefungen, 0);
}

TEST_F(FSchuelerWahlTest, ListChoiceAndTheLastPupilForgotten)
{
    klassenliste("KL2", 5);
    aktivliste = "KL2";
    wahl->aktivieren();
    form->show();
    EXPECT_TRUE(namen->isVisible());
    EXPECT_FALSE(n_ohne->isVisible());
    ASSERT_EQ(namen->count(), 5);
    namen->setItemIndex(2);
    namen->OnClick();
    EXPECT_EQ(schuelername, "03 Kind Nummer 3");

    // Back from a run: nobody is chosen until a name is clicked again.
    wahl->aktivieren();
    EXPECT_EQ(schuelername, "");
    EXPECT_EQ(namen->ItemIndex(), -1);
}

TEST_F(FSchuelerWahlTest, TheRowClickedIsThePupilWhereTwoRowsGiveOneCode)
{
    // "Anna" typed without a number is known as "01 Anna" by her place, as is the "01 Anna" written after her; and
    // the 45th pupil of a list made by hand is offered and filed as any other.
    QByteArray text = "Anna\r\n01 Anna\r\n";
    for (int i = 3; i <= 45; ++i)
        text += QString("%1 Kind %2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL.TXT"), text);
    aktivliste = "KL";
    wahl->aktivieren();
    ASSERT_EQ(namen->count(), 45);
    const std::pair<int, const char*> faelle[] = { { 1, "01 Anna" }, { 0, "Anna" }, { 44, "45 Kind" } };
    for (const auto& [zeile, ordner] : faelle) {
        SCOPED_TRACE(ordner);
        namen->setItemIndex(zeile);
        namen->OnClick();
        ASSERT_EQ(schueler::protokollvorbereiten("1+1___"), schueler::Protokollziel::Bereit);
        EXPECT_EQ(schueler::protokollstamm(), dataPath(QStringLiteral("Klassen/KL/%1/1+1___").arg(ordner)));
    }
}
