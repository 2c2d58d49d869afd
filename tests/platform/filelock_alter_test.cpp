// A lock between the two ages at which one counts as left behind: a lock folder without its holder's mark is
// left behind after a few seconds, one with a mark only after the time a real change could take.

#include "platform/filelock.h"
#include "support/fixtures.h"

#include <QDir>
#include <QElapsedTimer>

namespace {

// A lock folder stamped `sekunden` from now, with the mark `marke` in it (none where empty).
void sperre(const QString& pfad, qint64 sekunden, const QString& marke)
{
    QDir().mkpath(pfad);
    const QString m = marke.isEmpty() ? pfad : pfad + u'/' + marke;
    QDir().mkpath(m);
    ASSERT_TRUE(stampFromNow(m, sekunden));
}

} // namespace

TEST_F(TaviTest, ALockBetweenTheTwoAgesIsJudgedByTheLimitOfItsOwnForm)
{
    static_assert(FileLock::kStaleMs > 10000, "a marked lock of ten seconds is still in use");
    const QString ordner = testFolder() + "/k_liste";
    const QString mitMarke = ordner + "/KL3A.LCK", ohneMarke = ordner + "/KL3B.LCK";
    sperre(mitMarke, -10, QStringLiteral("pc7_4711_0a1b"));
    sperre(ohneMarke, -10, {});
    {
        QElapsedTimer uhr;
        uhr.start();
        const FileLock leer(ohneMarke, 2000);
        EXPECT_TRUE(leer.held()) << leer.error().toStdString();
        EXPECT_LT(uhr.elapsed(), 1000);
    }
    const FileLock lebt(mitMarke, 300);
    EXPECT_EQ(lebt.status(), FileLock::Status::busy);
    EXPECT_TRUE(lebt.error().isEmpty());
    EXPECT_EQ(allEntries(ordner), QStringList({ "KL3A.LCK" }));
}

TEST_F(TaviTest, ALockLeftBehindIsTakenAtTheFirstLookAtIt)
{
    // The first look reads the share's clock too; that reading alone must not cost a try.
    const QString pfad = testFolder() + "/k_liste/KL3A.LCK";
    sperre(pfad, -60, QStringLiteral("pc7_4711_0a1b"));
    const FileLock neu(pfad, FileLock::kLookAfterMs);
    EXPECT_TRUE(neu.held()) << neu.error().toStdString();
}
