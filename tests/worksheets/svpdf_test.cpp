#include "platform/random.h"
#include "support/fixtures.h"
#include "support/pdf.h"
#include "svseite.h"
#include "worksheets/a_SV_p2_logik.h"
#include "worksheets/a_sv_p1_logik.h"
#include "worksheets/svrahmen_logik.h"

// Every variant of the column sheets, worksheet and solution, without, grey and black squares, as PDF pages.
TEST(SvPdf, ColumnSheetsInEveryVariantAndUnderlay)
{
    RandSeed(7);
    QList<std::function<void(Canvas&)>> seiten1, seiten2;
    const std::vector<int> arten1 = svrahmen::arten({ 3, 3, 3, 3, 3, 3, 3, 0 }, 21);
    for (int v = 1; v <= 6; ++v) {
        const sv_p1::Blatt b = sv_p1::aufgabenbau(arten1, v);
        for (int k = 0; k <= 2; ++k)
            for (bool l : { false, true })
                seiten1 << [b, k, l](Canvas& c) { sv_p1::zeichnen(c, b, k, l); };
    }
    const std::vector<int> arten2 = svrahmen::arten({ 4, 4, 4, 3, 3, 0 }, 18);
    for (int v = 1; v <= 2; ++v) {
        const sv_p2::Blatt b = sv_p2::aufgabenbau(arten2, v);
        for (int k = 0; k <= 2; ++k)
            for (bool l : { false, true })
                seiten2 << [b, k, l](Canvas& c) { sv_p2::zeichnen(c, b, k, l); };
    }
    const QString p1 = svPdf(QStringLiteral("a_sv_p1"), seiten1);
    const QString p2 = svPdf(QStringLiteral("a_SV_p2"), seiten2);
    ASSERT_FALSE(p1.isEmpty());
    ASSERT_FALSE(p2.isEmpty());
    EXPECT_EQ(pdfPageCount(p1), 36);
    EXPECT_EQ(pdfPageCount(p2), 12);
    const QString text = pdfText(p1);
    for (const char* t : { "Addition", "Subtraktion (Lücken)", "Lösungszahlen", "Ergebnisse:", "Lösungsblatt" })
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
}
