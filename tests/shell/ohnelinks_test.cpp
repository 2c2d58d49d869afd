// A data folder on a share that refuses hard links: a PC there makes new class lists all the same.
#include "shell/dverw_logik.h"
#include "support/fixtures.h"

#include <QDir>
#include <QProcess>

TEST(OhneLinks, ANewListIsMadeWhereTheShareRefusesHardLinks)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString datpfad = ordner.path() + QStringLiteral("/daten/");
    QDir().mkpath(datpfad + QStringLiteral("k_liste"));
    QProcess pc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A sanitizer build wants its runtime first among the libraries; the preloaded one comes before it here.
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(OHNELINKS));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    pc.setProcessEnvironment(env);
    pc.setProcessChannelMode(QProcess::MergedChannels);
    pc.start(QStringLiteral(SPERRKIND),
        { QStringLiteral("anlegen"), datpfad, QStringLiteral("3a"), QStringLiteral("01 Anna") });
    ASSERT_TRUE(pc.waitForFinished(20000));
    const QString ausgabe = QString::fromUtf8(pc.readAll()).trimmed();
    EXPECT_EQ(ausgabe, QString::number(int(klassenliste::Speicherung::gespeichert))) << ausgabe.toStdString();
    EXPECT_EQ(readBytes(datpfad + QStringLiteral("k_liste/3A.TXT")), "01 Anna\r\n");
    // Nothing beside it: no lock, no temporary file.
    EXPECT_EQ(
        QDir(datpfad + QStringLiteral("k_liste")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("3A.TXT") });
    EXPECT_TRUE(QDir(datpfad + QStringLiteral("Klassen/3a/01 Anna")).exists());
}
