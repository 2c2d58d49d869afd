#include "aids/h_haupt.h"
#include "analyses/f_gra.h"
#include "analyses/f_haupt.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/fenster.h"
#include "shell/h_prot.h"
#include "shell/tav_i_logik.h"
#include "support/keys.h"
#include "support/programm.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

// A class list a teacher edited by hand (saved as UTF-8 with a byte-order mark, a number written twice, a line
// without one): the administration, the aids' protocol dialog and the analyses file each pupil in one folder, and a
// new pupil gets a number no line has.
class SchuelerordnerTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        QDir().mkpath(dataPath("k_liste"));
        writeBytes(dataPath("k_liste/KL.TXT"),
            "\xef\xbb\xbf"
            "01 Anna\r\n02 J\xc3\xbcrgen\r\n01 Dup\r\nClara\r\n");
        tavi::klinaSchreiben(dataPath("kl.ina"), dataFolder(), QStringLiteral("KL"));
        aktivliste = "KL";
    }

    static void klicken(ListBox* box, int i)
    {
        QListWidgetItem* item = box->item(i);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
    }

    QStringList ordner() const
    {
        return QDir(dataPath("Klassen/KL")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(SchuelerordnerTest, TheAdministrationTheAidsAndTheAnalysesFileEachPupilInOneFolder)
{
    // The administration adds a name: the list is saved back as the program writes lists, and every pupil has
    // a folder.
    auto* verwaltung = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(verwaltung);
    zeigen(verwaltung, [&](Form& f) {
        if (&f != verwaltung) return;
        verwaltung->Button2->Click();
        const auto kl = verwaltung->ListBox1->findItems("KL", Qt::MatchExactly);
        ASSERT_EQ(kl.size(), 1);
        klicken(verwaltung->ListBox1, verwaltung->ListBox1->row(kl.first()));
        verwaltung->Edit1->setText("Emil");
        verwaltung->Button8->Click();
        verwaltung->Button10->Click();
    });
    // "Clara", written without a number, is known by her place as "04 Clara": the new pupil is past her.
    EXPECT_EQ(readBytes(dataPath("k_liste/KL.TXT")), "01 Anna\r\n02 J\xfcrgen\r\n01 Dup\r\nClara\r\n05 Emil\r\n");
    EXPECT_EQ(ordner(), QStringList({ "01 Anna", "01 Dup", "02 Jürge", "05 Emil", "Clara" }));

    // An aid's protocol, saved under the third name of the choice.
    auto* hub = dynamic_cast<TForm63*>(Form63);
    auto* dialog = dynamic_cast<TForm65*>(Form65);
    ASSERT_TRUE(hub && dialog);
    QStringList namen;
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button4->Click();
            hub->Button51->Click();
            for (ListBox* liste : { hub->lmal, hub->rmal }) {
                liste->setSelected(3, true);
                liste->OnClick();
            }
            hub->Edit1->setText("15");
            hub->Edit2->setText("1");
            hub->Button9->Click();
            hub->startknopf->Click();
        } else if (&f == dialog) {
            dialog->Button5->Click();
            namen = dialog->namen->items();
            klicken(dialog->namen, 2);
        } else {
            typeText(&f, QString::number(zielzahl) + "\r");
            pressKey(&f, Qt::Key_Escape);
        }
    });
    EXPECT_EQ(namen, QStringList({ "Anna", "Jürgen", "Dup", "Clara", "Emil" }));
    EXPECT_EQ(QDir(dataPath("Klassen/KL/01 Dup")).entryList(QDir::Files), QStringList { "H5_1_01.txt" });
    EXPECT_EQ(schuelerzeile, "01 Dup");
    EXPECT_EQ(schuelername, "01 Dup");

    // An analysis started for the same pupil, and for the one without a number.
    auto* analysen = dynamic_cast<TForm30*>(Form30);
    auto* einrichtung = dynamic_cast<TForm37*>(Form37);
    ASSERT_TRUE(analysen && einrichtung);
    QStringList ordnerDerLaeufe;
    for (int i : { 2, 3 }) {
        zeigen(analysen, [&](Form& f) {
            if (&f == analysen) {
                analysen->Button5->Click();
            } else if (&f == einrichtung) {
                klicken(einrichtung->namen, i);
                einrichtung->Button2->Click();
            } else if (&f == Form38) {
                ordnerDerLaeufe << schuelerordner;
            }
        });
    }
    EXPECT_EQ(ordnerDerLaeufe, QStringList({ dataPath("Klassen/KL/01 Dup"), dataPath("Klassen/KL/Clara") }));
    EXPECT_EQ(ordner(), QStringList({ "01 Anna", "01 Dup", "02 Jürge", "05 Emil", "Clara" }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
