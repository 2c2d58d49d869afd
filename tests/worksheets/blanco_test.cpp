#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "support/fixtures.h"
#include "worksheets/a_blanco.h"

#include <QSet>
#include <set>

class BlancoTest : public DruckTest {
protected:
    static QList<DrawOp> ops(DrawOp::Kind kind)
    {
        QList<DrawOp> o;
        for (const DrawOp& op : printer().lastDocument().pages.first())
            if (op.kind == kind) o << op;
        return o;
    }
    Button* knopf(const QString& text)
    {
        for (Button* b : form.vorlagen)
            if (b->caption() == text) return b;
        ADD_FAILURE() << text.toStdString();
        return form.vorlagen.first();
    }
    TForm5 form;
};

TEST_F(BlancoTest, TheCubeSizedHundredHasElevenLinesEachWayWithTheMiddleOneDoubled)
{
    knopf("1  100er  (Steckwürfelgröße)")->Click();
    std::set<int> xs, ys;
    for (const DrawOp& l : ops(DrawOp::Kind::Line)) {
        if (l.points[0].x() == l.points[1].x()) {
            xs.insert(l.points[0].x());
            EXPECT_EQ(l.points[0].y() - l.points[1].y(), 1700);
        } else {
            ys.insert(l.points[0].y());
            EXPECT_EQ(l.points[1].x() - l.points[0].x(), 1700);
        }
    }
    std::set<int> sollX { 1047, 1053 }, sollY { -1147, -1153 };
    for (int i = 0; i <= 10; ++i)
        if (i != 5) {
            sollX.insert(200 + 170 * i);
            sollY.insert(-300 - 170 * i);
        }
    EXPECT_EQ(xs, sollX);
    EXPECT_EQ(ys, sollY);
}

TEST_F(BlancoTest, TheFourHundredFieldsHaveWiderGapsAfterEveryFifthCircle)
{
    knopf("2  400er")->Click();
    const QList<DrawOp> kreise = ops(DrawOp::Kind::Ellipse);
    ASSERT_EQ(kreise.size(), 800);
    EXPECT_EQ(kreise[5].points[0], QPoint(460, -200));
    EXPECT_EQ(kreise[10].points[0], QPoint(730, -200));
    EXPECT_EQ(kreise[5].points[1], QPoint(490, -230));
}

TEST_F(BlancoTest, EachClickIsOneJobOfOneCopyWithAFreshBlackPen)
{
    printer().setCopies(3);
    printer().beginDoc(QStringLiteral("Blatt"));
    printer().canvas().pen.color = Qt::red;
    printer().endDoc();
    QSet<QString> namen;
    for (Button* b : form.vorlagen) {
        const int vorher = int(printer().recorded().size());
        b->Click();
        ASSERT_EQ(printer().recorded().size(), vorher + 1) << b->caption().toStdString();
        const Printer::Document& d = printer().recorded().last();
        EXPECT_EQ(d.copies, 1);
        // Named by the button it was chosen by, each template by a name of its own.
        EXPECT_TRUE(d.title.endsWith(b->caption().simplified())) << d.title.toStdString();
        namen.insert(d.title);
        ASSERT_FALSE(d.pages.first().isEmpty());
        for (const DrawOp& op : d.pages.first()) {
            EXPECT_EQ(op.pen.color, QColor(Qt::black));
            EXPECT_NE(op.kind, DrawOp::Kind::Text);
        }
        Printer::writePdf(d, QStringLiteral(TAVI_TEST_OUTPUT "/blanco_%1.pdf").arg(form.vorlagen.indexOf(b) + 1));
    }
    EXPECT_EQ(form.vorlagen.size(), 19);
    EXPECT_EQ(namen.size(), 19);
    grabToPng(&form, "a_blanco");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
