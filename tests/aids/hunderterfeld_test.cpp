#include "aids/aufnahme.h"
#include "aids/hunderterfeld.h"
#include "platform/canvas.h"
#include "platform/designgrid.h"
#include "support/fixtures.h"

namespace {

QVector<DrawOp> zeichnen(const Hunderterfeldmass& m, float sx, float sy)
{
    QVector<DrawOp> ops;
    Canvas c(std::make_unique<Aufnahme>(ops));
    hunderterfeld(c, m, DesignGrid(sx, sy));
    EXPECT_EQ(c.pen.width, 1);
    return ops;
}

QVector<DrawOp> linien(const QVector<DrawOp>& ops, int breite)
{
    QVector<DrawOp> l;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.pen.width == breite) l << op;
    return l;
}

} // namespace

TEST(Hunderterfeld, ThePlacingFieldClearsItsAreaThenDrawsElevenLinesEachWayAndTheCross)
{
    const QVector<DrawOp> ops = zeichnen(feldZahlEinordnen(), 1.0f, 1.0f);
    ASSERT_FALSE(ops.isEmpty());
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Rectangle);
    EXPECT_EQ(ops[0].points, QVector<QPoint>({ QPoint(10, 10), QPoint(695, 990) }));
    EXPECT_EQ(ops[0].pen.color, clBtnFace);
    EXPECT_EQ(ops[0].brush.color, clWhite);

    const QVector<DrawOp> duenn = linien(ops, 1);
    ASSERT_EQ(duenn.size(), 22);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(duenn[i].points, QVector<QPoint>({ QPoint(22 + 66 * i, 25), QPoint(22 + 66 * i, 975) }));
        EXPECT_EQ(duenn[11 + i].points, QVector<QPoint>({ QPoint(22, 25 + 95 * i), QPoint(682, 25 + 95 * i) }));
        EXPECT_EQ(duenn[i].pen.color, clGreen);
    }
    const QVector<DrawOp> dick = linien(ops, 3);
    ASSERT_EQ(dick.size(), 2);
    EXPECT_EQ(dick[0].points, QVector<QPoint>({ QPoint(352, 20), QPoint(352, 980) }));
    EXPECT_EQ(dick[1].points, QVector<QPoint>({ QPoint(18, 500), QPoint(686, 500) }));
}

TEST(Hunderterfeld, TheNamingFieldIsScaledAndTheCountingFieldHasNoCross)
{
    const QVector<DrawOp> mitKreuz = zeichnen(feldZahlNennen(true), 0.5f, 2.0f);
    EXPECT_EQ(linien(mitKreuz, 1)[0].points, QVector<QPoint>({ QPoint(41, 190), QPoint(41, 1814) }));
    // 629 * 0.5 = 314.5 rounds to the even neighbour.
    EXPECT_EQ(linien(mitKreuz, 1)[11].points, QVector<QPoint>({ QPoint(38, 200), QPoint(314, 200) }));
    ASSERT_EQ(linien(mitKreuz, 3).size(), 2);
    EXPECT_EQ(linien(mitKreuz, 3)[1].points, QVector<QPoint>({ QPoint(35, 1000), QPoint(318, 1000) }));
    EXPECT_TRUE(linien(zeichnen(feldZahlNennen(false), 1.0f, 1.0f), 3).isEmpty());
}
