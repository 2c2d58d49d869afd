// Where a teacher's printouts go on a PC without a printer: into "Ausdrucke" in the data folder the program
// uses, a file of its own for every printout, with the program's own windows.
#include "analyses/f_prot.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/fenster.h"
#include "support/pdf.h"
#include "support/programm.h"

#include <QDir>
#include <QPrinterInfo>

namespace {

class AusdruckeTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        qunsetenv("TAVI_DRUCKORDNER");
        // A test must not print on a real printer.
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a default printer";
    }
};

} // namespace

TEST_F(AusdruckeTest, AListGoesToAusdruckeInTheDataFolderTheMainWindowRead)
{
    // This PC's "kl.ina" names another data folder than the one the tests start with.
    const QString anderer = QDir::cleanPath(dataFolder() + "../schule") + "/";
    installordnerKopieren(anderer);
    QDir().mkpath(anderer + "k_liste");
    writeBytes(anderer + "k_liste/KL4B.txt", "01 Anna\r\n02 Ben\r\n");
    const QByteArray kl = (anderer + "\r\nKL4B\r\n").toUtf8();
    writeBytes(programFolder() + "kl.ina", kl);
    writeBytes(anderer + "kl.ina", kl);

    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            EXPECT_EQ(datpfad, anderer);
            f.findChild<Button*>("Button5")->Click(); // "Verwaltung", no password set
        } else if (auto* verwaltung = dynamic_cast<TForm34*>(&f)) {
            verwaltung->Button4->Click(); // "eine Liste drucken"
            const int kl4b = verwaltung->ListBox1->items().indexOf("KL4B");
            ASSERT_GE(kl4b, 0);
            verwaltung->ListBox1->setSelected(kl4b, true);
            verwaltung->ListBox1->OnClick();
        }
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    const QStringList pdfs = pdfFiles(anderer + "Ausdrucke");
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_TRUE(pdfs[0].endsWith("KL4B.pdf")) << pdfs[0].toStdString();
    EXPECT_TRUE(pdfText(pdfs[0]).contains("Ben"));
    EXPECT_FALSE(QDir(dataFolder() + "Ausdrucke").exists());
}

TEST_F(AusdruckeTest, PrintsOfOneTitleInOneSecondEachGetAFileOfTheirOwn)
{
    writeBytes(dataPath("p.txt"), "Anna\r\nZeile 2\r\n");
    protdatei = dataPath("p.txt");
    programmcode = 20;
    auto drucken = [&] {
        zeigen(Form36, [](Form& f) {
            auto& fenster = static_cast<TForm36&>(f);
            fenster.Button1->Click();
            fenster.Button2->Click();
        });
    };
    // The test clock stands still: every print is in the same second.
    drucken();
    const QString ordner = dataPath("Ausdrucke/");
    ASSERT_EQ(pdfFiles(ordner).size(), 1);
    const QString erster = pdfFiles(ordner)[0];
    const QByteArray ersterInhalt = readBytes(erster);
    // Another PC sharing the folder has just taken the next name.
    QString fremd = erster;
    fremd.replace(".pdf", " (2).pdf");
    writeBytes(fremd, "vom anderen PC");

    drucken();
    const QStringList pdfs = pdfFiles(ordner);
    ASSERT_EQ(pdfs.size(), 3);
    EXPECT_EQ(readBytes(erster), ersterInhalt);
    EXPECT_EQ(readBytes(fremd), "vom anderen PC");
    QString dritter = erster;
    dritter.replace(".pdf", " (3).pdf");
    EXPECT_TRUE(pdfs.contains(dritter));
    EXPECT_TRUE(pdfText(dritter).contains("Zeile 2"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
