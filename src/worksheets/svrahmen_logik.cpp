#include "worksheets/svrahmen_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

#include <utility>

namespace svrahmen {

std::vector<int> arten(const std::vector<int>& zahlen, int n)
{
    return blattrahmen::zeilenarten(zahlen, n);
}

QString nummer(int k)
{
    return rechts(k, 2) + QLatin1Char(')');
}

QString rechts(int zahl, int breite)
{
    return QString::number(zahl).rightJustified(breite, u' ');
}

int wurf(int a, int b)
{
    return Random(b - a + 1) + a;
}

void kopf(Canvas& canvas, int x, int y, const QString& text)
{
    canvas.font.height = 65;
    canvas.setTextAlign(TextAlign::Left | TextAlign::Top);
    canvas.textOut(x, y, text);
    canvas.setTextAlign(TextAlign::Right | TextAlign::Top);
}

void stellen(Canvas& canvas, int x0, int y, int abstand, const QString& text, int hoehe)
{
    canvas.font.height = hoehe;
    blattdruck::festerAbstand(canvas, x0, y, abstand, text);
}

void kaestchen(Canvas& canvas, int wahl, int waagrecht, int rechts, int bisSpalte, int unten)
{
    if (wahl <= 0) return;
    canvas.pen.width = 1;
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.color = wahl == 1 ? QColor(128, 128, 128) : QColor(Qt::black);
    for (int i = 0; i < waagrecht; ++i) {
        canvas.moveTo(130, -130 - 65 * i);
        canvas.lineTo(rechts, -130 - 65 * i);
    }
    for (int j = 2; j <= bisSpalte; ++j) {
        canvas.moveTo(65 * j, -130);
        canvas.lineTo(65 * j, unten);
    }
    canvas.pen.color = Qt::black;
}

void linie(Canvas& canvas, int x1, int x2, int y, int breite)
{
    canvas.pen.color = Qt::black;
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.width = breite;
    canvas.moveTo(x1, y);
    canvas.lineTo(x2, y);
}

void fuss(Canvas& canvas, int x, int y, const QString& text)
{
    canvas.font.height = 35;
    canvas.setTextAlign(TextAlign::Left | TextAlign::Top);
    canvas.textOut(x, y, text);
}

void ergebnisse(Canvas& canvas, std::vector<int> werte, int dx, int proZeile, int y, int y2)
{
    werte = blattrahmen::aufsteigend(std::move(werte));
    fuss(canvas, 130, y, QStringLiteral("Ergebnisse:"));
    for (int i = 1; i <= int(werte.size()); ++i) {
        const QString w = QString::number(werte[size_t(i - 1)]);
        if (i <= proZeile)
            fuss(canvas, dx * i + 215, y, w);
        else
            fuss(canvas, dx * (i - proZeile) + 215, y2, w);
    }
}

void druckdurchgang(
    const QString& titel, int kopien, bool loesung, const std::function<void(Canvas&, bool loesungsdruck)>& zeichnen)
{
    for (int i = 0; i < kopien; ++i)
        blattdruck::drucken(titel, 1, [&](Canvas& c) { zeichnen(c, false); });
    if (loesung) blattdruck::drucken(titel + QStringLiteral(" Lösungsblatt"), 1, [&](Canvas& c) { zeichnen(c, true); });
}

} // namespace svrahmen
