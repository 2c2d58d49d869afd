#pragma once
// One page of a written-calculation sheet, recorded: its texts as "text@x,y" and its lines.

#include "platform/printer.h"
#include "worksheets/blattdruck.h"

#include <QStringList>
#include <functional>

struct Svseite {
    QVector<DrawOp> ops;

    explicit Svseite(const std::function<void(Canvas&)>& zeichnen)
    {
        Printer& p = printer();
        const bool vorher = p.recording();
        p.setRecording(true);
        p.clearRecorded();
        blattdruck::drucken(QStringLiteral("Probe"), 1, zeichnen);
        ops = p.recorded().first().pages.first();
        p.clearRecorded();
        p.setRecording(vorher);
    }
    QStringList texte() const
    {
        QStringList t;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text)
                t << QStringLiteral("%1@%2,%3").arg(op.text).arg(op.points[0].x()).arg(op.points[0].y());
        return t;
    }
    // The texts on one row (y), in drawing order.
    QStringList zeile(int y) const
    {
        QStringList t;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.points[0].y() == y) t << op.text;
        return t;
    }
    bool hat(const QString& text, int x, int y) const
    {
        return texte().contains(QStringLiteral("%1@%2,%3").arg(text).arg(x).arg(y));
    }
    QStringList linien() const
    {
        QStringList t;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Line)
                t << QStringLiteral("%1,%2-%3,%4/%5")
                         .arg(op.points[0].x())
                         .arg(op.points[0].y())
                         .arg(op.points[1].x())
                         .arg(op.points[1].y())
                         .arg(op.pen.width);
        return t;
    }
};

// The pages drawn, one after the other, into one PDF under the test output (to look at); its path.
inline QString svPdf(const QString& name, const QList<std::function<void(Canvas&)>>& seiten)
{
    Printer::Document gesamt;
    gesamt.title = name;
    for (const auto& seite : seiten)
        gesamt.pages << Svseite(seite).ops;
    const QString pfad = QStringLiteral(TAVI_TEST_OUTPUT "/%1.pdf").arg(name);
    const QString fehler = Printer::writePdf(gesamt, pfad);
    return fehler.isEmpty() ? pfad : QString();
}
