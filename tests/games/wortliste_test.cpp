#include "games/buchstabentaste.h"
#include "platform/cp1252.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/beschaedigt.h"
#include "support/fixtures.h"

#include <QDir>

// A word list in every damage, as the games read it: never a crash, never a byte changed, and a list saved by
// an editor as UTF-8 (with or without a byte-order mark), with LF or in small letters gives the same words.
class WortlisteTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        QDir().mkpath(dataPath("WORTList"));
    }
    QStringList lesen(const QByteArray& inhalt)
    {
        writeBytes(dataPath("WORTList/tiere.txt"), inhalt);
        const QStringList woerter = wortliste("tiere.txt");
        EXPECT_EQ(readBytes(dataPath("WORTList/tiere.txt")), inhalt);
        return woerter;
    }
};

TEST_F(WortlisteTest, EveryDamageGivesTheWordsItStillHolds)
{
    const QByteArray gut = readBytes(QStringLiteral(TAVI_INSTALLORDNER "/WORTList/tiere.txt"));
    const QStringList soll = lesen(gut);
    ASSERT_GT(soll.size(), 20);
    ASSERT_TRUE(soll.join(QString()).contains(QChar(0xC4)) || soll.join(QString()).contains(QChar(0xDC))
        || soll.join(QString()).contains(QChar(0xD6)));
    for (const Beschaedigung& b : beschaedigungen(gut)) {
        const QString fall = QString::fromUtf8(b.name);
        SCOPED_TRACE(b.name);
        const QStringList woerter = lesen(b.inhalt);
        EXPECT_LE(woerter.size(), 300);
        if (fall == "UTF-8 mit BOM" || fall == "UTF-8 ohne BOM" || fall == "nur LF" || fall == "Tabs") {
            EXPECT_EQ(woerter, soll);
        }
        Wortvorrat v;
        v.setzen(woerter);
        for (const QString& w : woerter)
            EXPECT_LE(w.size(), 17);
    }
    EXPECT_EQ(lesen(cp1252::encode(cp1252::decode(gut).toLower())), soll);
    EXPECT_EQ(lesen("\xEF\xBB\xBFigel\r\nb\xC3\xA4r \r\nstra\xDF"
                    "e\r\n"),
        (QStringList { "IGEL", "BÄR", "STRAßE" }));
    Wortvorrat v;
    v.setzen(lesen("\xEF\xBB\xBFigel\r\nb\xC3\xA4r \r\nstra\xDF"
                   "e\r\n"));
    EXPECT_EQ(v.groesse(), 2);
}
