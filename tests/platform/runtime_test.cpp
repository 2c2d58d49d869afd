#include "platform/bounded.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/random.h"
#include "platform/round.h"
#include "platform/shorttext.h"
#include "support/fixtures.h"

#include <QPushButton>
#include <QTest>

#include <cerrno>

class RuntimeTest : public TaviTest { };

TEST_F(RuntimeTest, RoundTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(0.49999), 0);
    EXPECT_EQ(Round(1.5000001), 2);
    EXPECT_EQ(Round(-1.6), -2);
}

TEST_F(RuntimeTest, TimeSpansDecodeByMagnitude)
{
    const double span = clockx::days((2 * 60 + 5.7) * 1000);
    const auto p = clockx::decode(span);
    EXPECT_EQ(p.hours, 0);
    EXPECT_EQ(p.minutes, 2);
    EXPECT_EQ(p.seconds, 5);
    EXPECT_EQ(p.milliseconds, 700);
    const auto n = clockx::decode(-span);
    EXPECT_EQ(n.minutes, 2);
    EXPECT_EQ(n.milliseconds, 700);
}

TEST_F(RuntimeTest, AnElapsedTimeAcrossMidnightIsRight)
{
    clockx::TestClock::set(46363.0 + (23 * 60 + 59) / 1440.0); // 23:59
    const double start = clockx::now();
    clockx::TestClock::advance(clockx::days(3 * 60 * 1000)); // three minutes later, 00:02 next day
    EXPECT_NEAR(clockx::timeOfDay(), 2 / 1440.0, 1e-9);
    const auto p = clockx::decode(clockx::now() - start);
    EXPECT_EQ(p.minutes, 3);
    EXPECT_EQ(p.hours, 0);
    EXPECT_EQ(clockx::dateText(), "08.12.2026");
}

TEST_F(RuntimeTest, RandomOfZeroIsZeroAndAPinnedSeedRepeats)
{
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-3), 0);
    EXPECT_EQ(Random(1), 0);
    PinRandomSeed(7);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i)
        first.push_back(Random(100));
    PinRandomSeed(7);
    Randomize(); // pinned: does not reseed
    std::vector<int> second;
    for (int i = 0; i < 20; ++i)
        second.push_back(Random(100));
    EXPECT_EQ(first, second);
    for (int v : first)
        EXPECT_TRUE(v >= 0 && v < 100);
}

TEST_F(RuntimeTest, RandomCoversItsWholeRange)
{
    std::vector<int> seen(6, 0);
    for (int i = 0; i < 600; ++i)
        ++seen[size_t(Random(6))];
    for (int c : seen)
        EXPECT_GT(c, 50);
}

TEST_F(RuntimeTest, ShortTextKeepsItsFirstCharacters)
{
    Text<8> aktivliste;
    aktivliste = QStringLiteral("Klasse1bneu");
    EXPECT_EQ(aktivliste.str(), "Klasse1b");
    aktivliste += "x";
    EXPECT_EQ(aktivliste.str(), "Klasse1b");
    Text<2> nr = "7";
    EXPECT_EQ(nr + "a", "7a");
    EXPECT_TRUE(nr == "7");
}

TEST_F(RuntimeTest, BoundedArraysUseTheirOwnIndexRange)
{
    BoundedArray<int, 1, 60> zeilen;
    zeilen[1] = 10;
    zeilen[60] = 600;
    EXPECT_EQ(zeilen[1], 10);
    EXPECT_EQ(zeilen[60], 600);
    EXPECT_EQ(*zeilen.begin(), 10);
    BoundedGrid<int, 1, 11, 1, 12> tabelle;
    tabelle[11][12] = 5;
    EXPECT_EQ(tabelle[11][12], 5);
#ifndef NDEBUG
    EXPECT_DEATH(zeilen[61] = 1, "");
#endif
}

TEST_F(RuntimeTest, StrToIntAcceptsNumbersAndNamesTheBadText)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt(" -7 "), -7);
    try {
        StrToInt("abc");
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'abc' ist kein gültiger Integerwert"));
    }
    EXPECT_THROW(StrToInt(""), ConvertError);
    EXPECT_THROW(StrToInt("1x"), ConvertError);
    EXPECT_THROW(StrToInt("99999999999"), ConvertError);
}

TEST_F(RuntimeTest, AnErrorInAHandlerIsShownAndTheProgramGoesOn)
{
    QPushButton button;
    int done = 0;
    QObject::connect(&button, &QPushButton::clicked, guarded([&] {
        ++done; // what the handler did before the error stays done
        StrToInt("abc");
        ++done;
    }));
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(done, 1);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("'abc' ist kein gültiger Integerwert"));

    // The application still dispatches events afterwards.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(done, 2);
    EXPECT_EQ(errors.size(), 2);
}

TEST_F(RuntimeTest, TheApplicationCatchesWhatEscapesAnEventHandler)
{
    class Throwing : public QWidget {
    protected:
        void keyPressEvent(QKeyEvent*) override { throw IoError(IoFileNotFound, "x.txt"); }
    } w;
    w.show();
    QTest::keyClick(&w, Qt::Key_A);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("x.txt"));
}

TEST(IoCodes, EveryErrnoIsTheCodeItMeans)
{
    EXPECT_EQ(ioCodeFor(0), IoOk);
    for (int err : { EACCES, EPERM, EROFS, EISDIR })
        EXPECT_EQ(ioCodeFor(err), IoAccessDenied) << err;
    EXPECT_EQ(ioCodeFor(ENOENT), IoFileNotFound);
    EXPECT_EQ(ioCodeFor(ENOTDIR), IoPathNotFound);
    EXPECT_EQ(ioCodeFor(EEXIST), IoFileExists);
    // A network hiccup or a file in use elsewhere is no refused access.
    for (int err : { EIO, EBUSY, ETIMEDOUT, EHOSTDOWN, ECONNRESET, ENXIO })
        EXPECT_EQ(ioCodeFor(err), IoDiskWrite) << err;
    // A full share, also a used-up quota, says so and that nothing was saved.
    for (int err : { ENOSPC, EDQUOT }) {
        EXPECT_EQ(ioCodeFor(err), IoDiskFull) << err;
        EXPECT_EQ(IoError(ioCodeFor(err), "/daten/k_liste/KLA.TXT").message(),
            "E/A-Fehler 112 bei \"/daten/k_liste/KLA.TXT\": Das Laufwerk oder die Freigabe des Datenordners ist voll; "
            "es wurde nichts gespeichert");
    }
}
