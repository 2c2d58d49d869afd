#include "games/s_partner.h"

#include "games/s_partner_logik.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/form.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

namespace partner {

namespace {
int sx(double v) { return Round(v * double(skala_x)); }
int sy(double v) { return Round(v * double(skala_y)); }

void rechteck(Canvas& c, int l, int t, int r, int b)
{
    c.rectangle(sx(l), sy(t), sx(r), sy(b));
}
} // namespace

namespace {
void schrift(Canvas& c, int x, int y, int pixel, const QColor& farbe, const QString& t, int ausrichtung)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(ausrichtung | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.setSize(pixel);
    c.font.color = farbe;
    c.textOut(sx(x), sy(y), t);
}
} // namespace

void text(Canvas& c, int x, int y, int groesse, const QColor& farbe, const QString& t)
{
    schrift(c, x, y, sy(groesse), farbe, t, TextAlign::Center);
}

void textX(Canvas& c, int x, int y, int groesse, const QColor& farbe, const QString& t, int ausrichtung)
{
    schrift(c, x, y, sx(groesse), farbe, t, ausrichtung);
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
        textX(c, 500, 45, 23, Qt::black, stand, TextAlign::Center);
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

void spielBeginnen(bool ziehen)
{
    const Beginn b = werbeginnt(beginner, ziehen);
    beginner = byte(b.beginner);
    amzug = b.amzug;
    punkte1 = punkte2 = 0;
}

void punktFuerZieher(Canvas& c, int punkte, const QString& was)
{
    const bool zweiter = amzug != QLatin1String("rot");
    (zweiter ? punkte2 : punkte1) += punkte;
    kasten(c,
        { zweiter ? QColor(Qt::blue) : QColor(Qt::red), was, QStringLiteral("für"),
            zweiter ? spielername2 : spielername1, 35, 35, 690, 780 },
        Round(double(skala_x) * 5));
}

std::unique_ptr<Tastenfeld> tastenspiel(
    Form* f, const QString& name, const QString& titel, Button*& abbrechen, std::function<void(int)> ziffer)
{
    f->setObjectName(name);
    f->setCaption(titel);
    f->setMaximized(true);
    f->setColor(Qt::white);
    f->KeyPreview = true;
    f->ActivateOnReturn = false;
    f->ActivityWindow = true;

    abbrechen = new Button(f, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    abbrechen->Cancel = true;
    auto tasten = Tastenfeld::fuerAnalyse(f, QRect(750, 230, 200, 320), std::move(ziffer));
    for (int d = 0; d <= 9; ++d)
        tasten->anordnung.ziffern[d].groesse = 20;
    tasten->anordnung.eingabe.groesse = 12;
    tasten->anordnung.loeschen.groesse = 16;
    tasten->Button13->Default = true;
    tasten->Rechner->setObjectName(QStringLiteral("GroupBox1"));
    return tasten;
}

void tastenspielAnordnen(Form* f, Button* abbrechen, const Tastenfeld& tasten, Button* weiter)
{
    const DesignGrid g(skala_x, skala_y);
    g.place(abbrechen, 750, 930, 200, 40);
    g.fontSize(abbrechen, 14);
    tasten.anordnen(g);
    g.place(weiter, 750, 340, 200, 110);
    f->canvas().brush = Brush { Qt::white };
    f->canvas().fillRect(0, 0, f->width(), f->height());
}

} // namespace partner
