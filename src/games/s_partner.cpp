#include "games/s_partner.h"

#include "platform/canvas.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

namespace partner {

namespace {
int sx(double v) { return Round(v * double(skala_x)); }
int sy(double v) { return Round(v * double(skala_y)); }

void rechteck(Canvas& c, int l, int t, int r, int b)
{
    c.rectangle(sx(l), sy(t), sx(r), sy(b));
}
} // namespace

void text(Canvas& c, int x, int y, int groesse, const QColor& farbe, const QString& t)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.setSize(sy(groesse));
    c.font.color = farbe;
    c.textOut(sx(x), sy(y), t);
}

void spielstand(Canvas& c, Standlayout layout)
{
    const QString p1 = QString::number(punkte1), p2 = QString::number(punkte2);
    const QString stand = p1 + QStringLiteral("    :    ") + p2;
    c.pen = Pen { Qt::black, 2 };
    c.brush = Brush { QColor(192, 192, 192) };
    switch (layout) {
    case Standlayout::Kasten:
    case Standlayout::Ziel: {
        const bool ziel = layout == Standlayout::Ziel;
        const int x = ziel ? 150 : 850, dy = ziel ? 815 - 30 : 0;
        if (ziel)
            rechteck(c, 50, 815, 250, 970);
        else
            rechteck(c, 750, 30, 950, 190);
        text(c, x, 45 + dy, 20, Qt::black, QStringLiteral("Spielstand:"));
        text(c, x - 50, 85 + dy, 20, Qt::black, spielername1);
        text(c, x + 50, 85 + dy, 20, Qt::black, spielername2);
        text(c, x, ziel ? 902 : 125, 33, Qt::black, stand);
        break;
    }
    case Standlayout::Spielversion:
        c.pen = Pen { Qt::black, 1 };
        rechteck(c, 10, 215, 215, 390);
        rechteck(c, 785, 215, 985, 390);
        text(c, 112, 235, 33, Qt::red, spielername1);
        text(c, 887, 235, 33, Qt::yellow, spielername2);
        text(c, 112, 315, 33, Qt::red, p1);
        text(c, 887, 315, 33, Qt::yellow, p2);
        break;
    case Standlayout::FuenfzehnGewinnt:
        c.brush = Brush { Qt::white };
        text(c, 500, 50, 33, Qt::black, stand);
        break;
    case Standlayout::Abraeumen:
        c.brush = Brush { Qt::white };
        c.setMapMode(MapMode::Pixels);
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.font.name = QStringLiteral("arial");
        c.font.setSize(Round(double(skala_x) * 23));
        c.font.color = Qt::black;
        c.textOut(sx(500), sy(45), stand);
        break;
    }
}

void kasten(Canvas& c, const Kastenzeilen& z, int rahmen)
{
    c.pen = Pen { QColor(0, 128, 0), rahmen };
    c.brush = Brush { Qt::white };
    rechteck(c, 750, 600, 950, 880);
    text(c, 850, 630, z.groesse, z.farbe, z.zeile1);
    text(c, 850, z.y2, z.groesse, z.farbe, z.zeile2);
    text(c, 850, z.y3, z.groesse2, z.farbe, z.zeile3);
}

QString zugname()
{
    return amzug == QLatin1String("blau") ? QString(spielername2) : QString(spielername1);
}

QColor zugfarbe()
{
    return amzug == QLatin1String("blau") ? QColor(Qt::blue) : QColor(Qt::red);
}

} // namespace partner
