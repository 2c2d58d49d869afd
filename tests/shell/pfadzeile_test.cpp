#include "shell/HalmorGlobalDefs.h"
#include "shell/pfadzeile.h"

#include <gtest/gtest.h>

namespace {

std::string txt(const QStringList& l)
{
    return l.join(QLatin1Char('|')).toStdString();
}

} // namespace

TEST(Pfadzeile, OnlyThePathLineOfTheRecordKeepsMoreThan100Characters)
{
    const QString lang = QStringLiteral("gespeichert unter: /") + QString(150, u'p') + QStringLiteral("/H1_7_01.txt");
    pfadzeile::setzen(1, lang, 1);
    pfadzeile::setzen(2, lang, 1);
    EXPECT_EQ(protzeilen[1].str(), lang);
    EXPECT_EQ(protzeilen[2].length(), 100);
    // An ordinary assignment to the path line cuts as before.
    protzeilen[1] = lang;
    EXPECT_EQ(protzeilen[1].length(), 100);
    protzeilen[1] = QString();
    protzeilen[2] = QString();
}

TEST(Pfadzeile, ALongPathBreaksAfterAFolderAndGoesOnUnderItsStart)
{
    EXPECT_EQ(
        txt(pfadzeile::umbrechen(QStringLiteral("gespeichert unter: /a/b.txt"), 40)), "gespeichert unter: /a/b.txt");
    EXPECT_EQ(txt(pfadzeile::umbrechen(QStringLiteral("gespeichert unter: /daten/Klassen/4A/01 J/H1_7_01.txt"), 40)),
        "gespeichert unter: /daten/Klassen/4A/|"
        "                   01 J/H1_7_01.txt");
    // The path alone (quick sight, the aids) starts at the left, and so do its further lines.
    EXPECT_EQ(txt(pfadzeile::umbrechen(QStringLiteral("/run/user/1000/gvfs/smb-share:server=s/Daten/x.txt"), 25)),
        "/run/user/1000/gvfs/|smb-share:server=s/Daten/|x.txt");
    // A folder name longer than half a line is broken where the line ends.
    const QStringList teile
        = pfadzeile::umbrechen(QStringLiteral("/") + QString(50, u'a') + QStringLiteral("/b.txt"), 20);
    EXPECT_EQ(teile.join(QString()), QStringLiteral("/") + QString(50, u'a') + QStringLiteral("/b.txt"));
    for (const QString& t : teile)
        EXPECT_LE(t.size(), 20) << t.toStdString();
}

// Every piece fits its line, and read one after the other (without the indent) they give the line again. On a
// line narrower than twice the caption the pieces start at the left (above).
TEST(Pfadzeile, ThePiecesHoldTheWholeLine)
{
    const QString zeile = QStringLiteral("gespeichert unter: /run/user/1000/gvfs/smb-share:server=schule,share=daten/"
                                         "Tirmosak_Daten/Klassen/4A/01 Jürgen/gra_1+1___01.txt");
    for (int zeichen : { 45, 60, 91, 140 }) {
        const QStringList teile = pfadzeile::umbrechen(zeile, zeichen);
        QString zusammen = teile.first();
        for (int i = 1; i < teile.size(); ++i) {
            EXPECT_TRUE(teile[i].startsWith(QString(19, u' '))) << zeichen;
            zusammen += teile[i].mid(19);
        }
        EXPECT_EQ(zusammen, zeile) << zeichen;
        for (const QString& t : teile)
            EXPECT_LE(t.size(), zeichen) << zeichen;
        EXPECT_TRUE(teile.last().endsWith(QStringLiteral("gra_1+1___01.txt"))) << zeichen;
    }
}
