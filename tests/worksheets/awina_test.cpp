#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "worksheets/awina.h"

#include <QFile>

class AwinaTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
    }
    static QByteArray kopf() { return "TAVI Einstellungen Arbeitsbl\xe4tter\r\nnicht von Hand \xe4ndern\r\n"; }
    static QByteArray zeile(const std::vector<int>& w)
    {
        QByteArray z;
        for (int v : w)
            z += (z.isEmpty() ? "" : " ") + QByteArray::number(v);
        return z + "\r\n";
    }
    static std::vector<int> alle(int von, int bis)
    {
        std::vector<int> w;
        for (int i = von; i <= bis; ++i)
            w.push_back(i);
        return w;
    }
};

TEST_F(AwinaTest, ALoadedValueTicksOnlyTheItemWhoseValueItIs)
{
    std::vector<int> w(27, -1);
    w[0] = 1; // first summand 1
    w[10] = 2; // second summand 2
    w[19] = 3; // sum 3: the second sum item
    w[5] = 9; // a stray value in the place of summand 6 ticks nothing
    writeBytes(awina::datei(), kopf() + "zehn\r\n" + zeile(w));
    const awina::Haken h = awina::laden(awina::zehn());
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0], (std::vector<bool> { true, false, false, false, false, false, false, false, false }));
    EXPECT_EQ(h[1], (std::vector<bool> { false, true, false, false, false, false, false, false, false }));
    EXPECT_EQ(h[2], (std::vector<bool> { false, true, false, false, false, false, false, false, false }));
    // Missing section or file: nothing ticked.
    for (const auto& l : awina::laden(awina::abl_zue()))
        EXPECT_EQ(std::count(l.begin(), l.end(), true), 0);
    QFile::remove(awina::datei());
    for (const auto& l : awina::laden(awina::zehn()))
        EXPECT_EQ(std::count(l.begin(), l.end(), true), 0);
}

TEST_F(AwinaTest, ARewriteChangesOnlyItsValueLineAndAppendsAMissingSection)
{
    const QByteArray vorher = kopf() + "zehn\r\n" + zeile(alle(1, 27)) + "abl10_20\r\n" + zeile(alle(1, 30))
        + "abl_zue\r\n" + zeile(alle(1, 27)) + "1x1felder\r\n" + zeile(alle(1, 18));
    writeBytes(awina::datei(), vorher);
    awina::Haken h { std::vector<bool>(9, false), std::vector<bool>(9, false) };
    h[0][0] = h[0][3] = h[0][8] = true; // 2, 5, 10
    h[1][1] = true; // 3
    awina::schreiben(awina::felder1x1(), h);
    QByteArray erwartet = vorher;
    erwartet.replace(zeile(alle(1, 18)), "2 -1 -1 5 -1 -1 -1 -1 10 -1 3 -1 -1 -1 -1 -1 -1 -1\r\n");
    EXPECT_EQ(readBytes(awina::datei()), erwartet);

    // A section the file lacks is appended; the leading lines stay.
    writeBytes(awina::datei(), kopf() + "zehn\r\n" + zeile(alle(1, 27)));
    awina::schreiben(
        awina::abl_zue(), { std::vector<bool>(9, true), std::vector<bool>(9, false), std::vector<bool>(9, false) });
    EXPECT_EQ(readBytes(awina::datei()),
        kopf() + "zehn\r\n" + zeile(alle(1, 27)) + "abl_zue\r\n"
            + zeile(
                { 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1 }));
}

TEST_F(AwinaTest, ALongFileIsRewrittenWholeAndAMissingFileIsNotCreated)
{
    QByteArray lang = kopf();
    for (int i = 3; i <= 68; ++i)
        lang += "zeile " + QByteArray::number(i) + "\r\n";
    lang += "abl_zue\r\n" + zeile(alle(1, 27));
    writeBytes(awina::datei(), lang);
    EXPECT_EQ(lang.count("\r\n"), 70);
    const awina::Haken h = awina::laden(awina::abl_zue());
    EXPECT_TRUE(h[0][0]);
    awina::schreiben(awina::abl_zue(), h);
    const QByteArray danach = readBytes(awina::datei());
    EXPECT_EQ(danach.count("\r\n"), 70);
    EXPECT_TRUE(danach.startsWith(lang.left(lang.indexOf("abl_zue"))));

    QFile::remove(awina::datei());
    awina::schreiben(awina::abl_zue(), h);
    EXPECT_FALSE(QFile::exists(awina::datei()));
}

TEST_F(AwinaTest, PrintingAfterDamageLeavesNoStrayLineAndAnEmptiedFileItsLeadingLines)
{
    const awina::Haken keine { std::vector<bool>(9, false), std::vector<bool>(9, false) };
    const QByteArray leer = "1x1felder\r\n" + zeile(std::vector<int>(18, -1));
    writeBytes(awina::datei(), kopf() + "1x1felder\r\nx 1\r\n2 3\r\n");
    awina::schreiben(awina::felder1x1(), keine);
    EXPECT_EQ(readBytes(awina::datei()), kopf() + leer);
    writeBytes(awina::datei(), {});
    awina::schreiben(awina::felder1x1(), keine);
    EXPECT_EQ(readBytes(awina::datei()), kopf() + leer);
}
