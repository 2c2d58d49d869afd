// A printout on a PC with a display but nothing to show a PDF file: a message names the file, for nothing else
// would tell the teacher where it went.
#include "platform/canvas.h"
#include "platform/printer.h"
#include "support/fixtures.h"
#include "support/xserver.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

class AusdruckAnzeigen : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        m_ci = qgetenv("CI");
        m_path = qgetenv("PATH");
        qunsetenv("CI");
    }
    void TearDown() override
    {
        qputenv("CI", m_ci);
        qputenv("PATH", m_path);
        TaviTest::TearDown();
    }

private:
    QByteArray m_ci, m_path;
};

} // namespace

TEST_F(AusdruckAnzeigen, WhereNothingCanShowThePdfAMessageNamesIt)
{
    if (!onXServer()) GTEST_SKIP();
    const QString bin = testFolder() + QStringLiteral("/bin/");
    QDir().mkpath(bin);
    const QString oeffner = bin + QStringLiteral("xdg-open");
    // The desktop's opener as it ends: where no program for PDF files is set up, and where one shows the file.
    // It names the file it was given in a file that appears whole, for the shell makes the file before it writes;
    // the PATH here holds only this opener, so the move is named by its place.
    const struct {
        const char* fall;
        QByteArray skript;
        bool meldung;
    } faelle[] = {
        { "no opener", {}, true },
        { "no program for PDF files", "#!/bin/sh\necho \"$1\" > \"$0.neu\"\n/bin/mv \"$0.neu\" \"$0.datei\"\nexit 3\n", true },
        { "a viewer", "#!/bin/sh\necho \"$1\" > \"$0.neu\"\n/bin/mv \"$0.neu\" \"$0.datei\"\n", false },
    };
    qputenv("PATH", bin.toUtf8());
    printer().setRecording(false);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        QFile::remove(oeffner);
        QFile::remove(oeffner + QStringLiteral(".datei"));
        if (!f.skript.isEmpty()) {
            writeBytes(oeffner, f.skript);
            QFile(oeffner).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        errors.clear();
        printer().beginDoc(QStringLiteral("Liste 3a"));
        printer().canvas().textOut(200, -200, QStringLiteral("Anna"));
        printer().endDoc();
        const QString pdf = printer().lastDocument().file;
        ASSERT_TRUE(QFile::exists(pdf));
        if (!f.skript.isEmpty()) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(oeffner + ".datei"); }, 5000));
            EXPECT_EQ(readBytes(oeffner + ".datei").trimmed(), pdf.toUtf8());
        }
        if (f.meldung) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.isEmpty(); }, 5000));
            ASSERT_EQ(errors.size(), 1);
            EXPECT_TRUE(errors[0].endsWith(QStringLiteral("\n") + pdf)) << errors[0].toStdString();
        } else {
            QTest::qWait(300);
            EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        }
    }
}
