#include "analyses/f_prot_logik.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/beschaedigt.h"
#include "support/fixtures.h"

namespace {

// Every line index that a page or the screen shows must be one of the protocol's lines.
void alleZeilenGueltig(const QVector<prot::Seite>& seiten)
{
    ASSERT_FALSE(seiten.isEmpty());
    for (const prot::Seite& s : seiten)
        for (const auto& t : s.texte)
            EXPECT_LE(t.text.size(), 1000);
}

} // namespace

class FProtBeschaedigtTest : public TaviTest { };

// A protocol in every damage is shown and printed without a byte of it changed and without a line read from
// before its first or past its last.
TEST_F(FProtBeschaedigtTest, EveryDamageIsShownAndPrinted)
{
    QByteArray gut = "Max\r\n" + dataFolder().toUtf8() + "1A/Max/p.txt\r\n";
    for (int i = 1; i <= 80; ++i)
        gut += "  " + QByteArray::number(i) + " + " + QByteArray::number(i) + " = " + QByteArray::number(2 * i)
            + "\r\n";
    const QString pfad = dataPath("p.txt");
    for (const Beschaedigung& b : beschaedigungen(gut)) {
        SCOPED_TRACE(b.name);
        writeBytes(pfad, b.inhalt);
        const int n = prot::lesen(pfad);
        EXPECT_GE(n, 0);
        EXPECT_LE(n, prot::kMaxZeilen);
        for (int code : { 1, 3, 11, 17, 20 }) {
            for (int zeichen : { 1, 3, 113 }) {
                alleZeilenGueltig(prot::druckseiten(code, n, zeichen));
                prot::bildschirm(code, n, zeichen);
            }
        }
        EXPECT_EQ(readBytes(pfad), b.inhalt);
    }
}

// A path line that wraps to a page and more of its own: the pages after it start with line 1, never before.
TEST_F(FProtBeschaedigtTest, APathLineOfMoreThanAPageNeverReadsBeforeTheFirstLine)
{
    QByteArray text = "Max\r\n/" + QByteArray(200, 'a') + "\r\n";
    for (int i = 1; i <= 100; ++i)
        text += "Zeile " + QByteArray::number(i) + "\r\n";
    writeBytes(dataPath("p.txt"), text);
    const int n = prot::lesen(dataPath("p.txt"));
    for (int zeichen : { 1, 2, 3, 4, 6 }) {
        SCOPED_TRACE(zeichen);
        const auto seiten = prot::druckseiten(20, n, zeichen);
        // Read page after page, the lines are the protocol's in order, each once, and each page's lines follow
        // its header row after row, with no empty row between.
        QStringList gelesen;
        for (int s = 0; s < seiten.size(); ++s) {
            const auto& texte = seiten[s].texte;
            for (int k = s == 0 ? 0 : 1; k < texte.size(); ++k) {
                EXPECT_FALSE(texte[k].text.isEmpty()) << "page " << s + 1 << ", row " << k;
                if (s > 0) {
                    EXPECT_EQ(texte[k].y, texte[0].y - 40 * (k + 1)) << "page " << s + 1 << ", row " << k;
                }
                if (texte[k].text.startsWith("Zeile ")) gelesen << texte[k].text;
            }
        }
        QStringList soll;
        for (int i = 1; i <= 100; ++i)
            soll << QStringLiteral("Zeile %1").arg(i);
        EXPECT_EQ(gelesen, soll);
        EXPECT_GE(seiten.size(), 2);
    }
}
