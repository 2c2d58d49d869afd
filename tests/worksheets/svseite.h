#pragma once
// One page of a written-calculation sheet, recorded: its texts as "text@x,y" and its lines.

#include "platform/printer.h"
#include "worksheets/blattdruck.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>

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
    // Each task's cell by its number "k)": from its number's row down to the next row of numbers, up to the next
    // number on its row. A number printed twice is a failure of its own.
    struct Zelle {
        int links, rechts, oben, unten; // the number's x and y, right and lower bounds (exclusive)
        bool enthaelt(QPoint q) const { return q.x() > links && q.x() < rechts && q.y() < oben && q.y() > unten; }
    };
    std::map<int, Zelle> zellen() const
    {
        static const QRegularExpression nummer(QStringLiteral("^ ?(\\d+)\\)$"));
        std::map<int, QPoint> orte;
        for (const DrawOp& op : ops) {
            const auto m = nummer.match(op.text);
            if (op.kind != DrawOp::Kind::Text || !m.hasMatch()) continue;
            EXPECT_EQ(orte.count(m.captured(1).toInt()), 0u) << "twice: " << op.text.toStdString();
            orte[m.captured(1).toInt()] = op.points[0];
        }
        const int ende = ergebniszeile();
        std::map<int, Zelle> z;
        for (const auto& [k, p] : orte) {
            int rechts = p.x() + 1000, unten = ende;
            for (const auto& [j, q] : orte)
                if (q.y() == p.y() && q.x() > p.x()) rechts = std::min(rechts, q.x());
            // The next number below in the same column ends the cell.
            for (const auto& [j, q] : orte)
                if (q.y() < p.y() - 20 && q.x() > p.x() - 150 && q.x() < rechts) unten = std::max(unten, q.y() + 20);
            z[k] = { p.x(), rechts, p.y() + 30, unten };
        }
        return z;
    }
    // Each task by its number: everything written in its cell, top to bottom and left to right, without blanks.
    std::map<int, QString> aufgaben() const
    {
        std::map<int, QString> inhalt;
        for (const auto& [k, zelle] : zellen()) {
            std::vector<std::pair<std::pair<int, int>, QString>> teile;
            for (const DrawOp& op : ops)
                if (op.kind == DrawOp::Kind::Text && zelle.enthaelt(op.points[0]))
                    teile.push_back({ { -op.points[0].y(), op.points[0].x() }, op.text });
            std::sort(teile.begin(), teile.end());
            QString t;
            for (const auto& teil : teile)
                t += teil.second;
            inhalt[k] = t.remove(u' ');
        }
        return inhalt;
    }
    // Each task by its number: how many bold lines (the strokes above a result) have their middle in its cell.
    std::map<int, int> striche() const
    {
        std::map<int, int> n;
        for (const auto& [k, zelle] : zellen()) {
            n[k] = 0;
            for (const DrawOp& op : ops)
                if (op.kind == DrawOp::Kind::Line && op.pen.width >= 2
                    && zelle.enthaelt((op.points[0] + op.points[1]) / 2))
                    ++n[k];
        }
        return n;
    }
    // The y of the line "Ergebnisse:", or below the page where there is none.
    int ergebniszeile() const
    {
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Ergebnisse:")) return op.points[0].y();
        return -100000;
    }
    // The numbers listed from the line "Ergebnisse:" down.
    std::multiset<int> ergebnisse() const
    {
        std::multiset<int> e;
        const int y = ergebniszeile();
        for (const DrawOp& op : ops) {
            bool zahl = false;
            const int n = op.text.toInt(&zahl);
            if (op.kind == DrawOp::Kind::Text && zahl && op.points[0].y() <= y + 10) e.insert(n);
        }
        return e;
    }
};

// The left and right ends of a printed text: where its alignment puts it, as wide as its font makes it.
inline std::pair<int, int> textspanne(const DrawOp& op)
{
    Canvas& c = printer().canvas();
    c.setMapMode(op.mapMode);
    c.font = op.font;
    const int breite = c.textWidth(op.text);
    const int x = op.points[0].x();
    switch (op.align & TextAlign::HorizontalMask) {
    case TextAlign::Center:
        return { x - breite / 2, x + breite - breite / 2 };
    case TextAlign::Right:
        return { x - breite, x };
    default:
        return { x, x + breite };
    }
}

// n tasks with one stroke each, as Svseite::striche() gives them.
inline std::map<int, int> einerJe(int n, int striche = 1)
{
    std::map<int, int> m;
    for (int k = 1; k <= n; ++k)
        m[k] = striche;
    return m;
}

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
