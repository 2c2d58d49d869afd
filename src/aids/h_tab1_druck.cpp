#include "aids/h_tab1_druck.h"

#include "platform/canvas.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/zeilendruck.h"

namespace tab1 {

Tabellenblatt tabellenblatt(
    int code, int variante, int wahl4, const QVector<int>& zeilenzahlen, const QVector<int>& spaltenzahlen)
{
    Tabellenblatt b;
    b.zeilenzahlen = zeilenzahlen;
    b.spaltenzahlen = spaltenzahlen;
    b.zeilen = int(zeilenzahlen.size());
    b.spalten = int(spaltenzahlen.size());
    switch (code) {
    case 61:
        b.zeichen = QStringLiteral("+");
        break;
    case 62:
        b.zeichen = QStringLiteral("-");
        break;
    case 63:
        b.zeichen = QStringLiteral("*");
        break;
    case 64:
        b.zeichen = QStringLiteral(":");
        b.raster = Tabellenblatt::Raster::teilen;
        break;
    case 65:
    case 610:
        b.zeichen = QStringLiteral("*");
        b.raster = Tabellenblatt::Raster::acht;
        break;
    case 66:
    case 68:
        b.zeichen = QStringLiteral("+");
        b.raster = Tabellenblatt::Raster::acht;
        break;
    default:
        b.zeichen = QStringLiteral("-");
        b.raster = Tabellenblatt::Raster::acht;
        break;
    }
    if (b.raster != Tabellenblatt::Raster::acht)
        b.zeichenPlatz = { 220, -165 };
    else
        b.zeichenPlatz = { 250, code == 65 || code == 610 ? -270 : -240 };

    if (code == 61 || code == 64) {
        b.hinweise.append(
            { { 145, -2200 }, QStringLiteral("finde zuerst alle Aufgaben, wo höchstens 10 herauskommt") });
        b.hinweise.append({ { 145, -2300 }, QStringLiteral("rechne dann die Aufgaben, wo mehr als 10 herauskommt") });
    }
    if (code == 62)
        b.hinweise.append({ { 145, -2200 },
            variante == 1 ? QStringLiteral("gibt es Aufgaben, die nicht 'gehen'?   streiche sie durch!)")
                          : QStringLiteral("gibt es Aufgaben, wo mehr als 10 herauskommt?   rechne sie zuerst!") });
    if (wahl4 == 0) b.hinweise.append({ { 145, -2400 }, QStringLiteral("gibt es Zahlenmuster?   erkläre sie!") });
    if (code == 64) {
        b.hinweise.append(
            { { 250, -1820 }, QStringLiteral("was lässt sich teilen?   (finde die größte mögliche Zahl)") });
        b.hinweise.append(
            { { 245, -1980 }, QStringLiteral("Ergebnis der Teilaufgabe?             was bleibt als Rest?") });
    }
    return b;
}

Tabellenblatt aktuellesBlatt()
{
    QVector<int> zeilen, spalten;
    for (int i = 1; i <= tabzeilenzahl; ++i)
        zeilen << auswahl1[i];
    for (int k = 1; k <= tabspaltenzahl; ++k)
        spalten << auswahl2[k];
    return tabellenblatt(programmcode, variante, wahl4, zeilen, spalten);
}

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

} // namespace

void zeichnen(Canvas& c, const Tabellenblatt& b)
{
    c.setMapMode(MapMode::LoMetric);
    c.pen.color = Qt::black;
    c.pen.width = 2;
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = 100;
    c.font.color = Qt::black;

    const int sp = b.spalten;
    const int ze = b.zeilen;
    switch (b.raster) {
    case Tabellenblatt::Raster::klein:
        for (int k = 1; k <= sp + 2; ++k)
            linie(c, 145 * k, -145, 145 * k, -(145 * ze + 290));
        for (int k = 1; k <= ze + 2; ++k)
            linie(c, 145, -145 * k, 145 * sp + 290, -145 * k);
        c.pen.width = 7;
        linie(c, 145, -290, 145 * sp + 290, -290);
        linie(c, 290, -145, 290, -(145 * ze + 290));
        for (int k = 1; k <= sp; ++k)
            c.textOut(145 * k + 220, -165, QString::number(b.spaltenzahlen[k - 1]));
        for (int k = 1; k <= ze; ++k)
            c.textOut(220, -165 - 145 * k, QString::number(b.zeilenzahlen[k - 1]));
        break;
    case Tabellenblatt::Raster::teilen:
        for (int k = 1; k <= sp + 1; ++k)
            linie(c, 290 * k, -145, 290 * k, -(290 * ze + 290));
        for (int k = 1; k <= ze + 1; ++k)
            linie(c, 145, -290 * k, 290 * sp + 290, -290 * k);
        for (int i = 1; i <= sp; ++i) {
            for (int j = 1; j <= ze; ++j) {
                linie(c, 290 * i + 35, -145 - 290 * j, 290 * i + 255, -145 - 290 * j);
                linie(c, 290 * i + 145, -145 - 290 * j, 290 * i + 145, -255 - 290 * j);
            }
        }
        c.pen.width = 7;
        linie(c, 145, -290, 290 * sp + 290, -290);
        linie(c, 290, -145, 290, -(290 * ze + 290));
        for (int k = 1; k <= sp; ++k)
            c.textOut(290 * k + 150, -165, QString::number(b.spaltenzahlen[k - 1]));
        for (int k = 1; k <= ze; ++k)
            c.textOut(220, -95 - 290 * k, QString::number(b.zeilenzahlen[k - 1]));
        break;
    case Tabellenblatt::Raster::acht:
        for (int k = 1; k <= 10; ++k)
            linie(c, 200 * k - 50, -200, 200 * k - 50, -(200 * ze + 400));
        for (int k = 1; k <= 10; ++k)
            linie(c, 150, -200 * k, 200 * sp + 350, -200 * k);
        c.pen.width = 7;
        linie(c, 150, -400, 200 * sp + 350, -400);
        linie(c, 350, -200, 350, -(200 * ze + 400));
        for (int k = 1; k <= sp; ++k)
            c.textOut(200 * k + 250, -250, QString::number(b.spaltenzahlen[k - 1]));
        for (int k = 1; k <= ze; ++k)
            c.textOut(250, -250 - 200 * k, QString::number(b.zeilenzahlen[k - 1]));
        break;
    }
    c.textOut(b.zeichenPlatz.x(), b.zeichenPlatz.y(), b.zeichen);

    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.font.height = 60;
    for (const Tabellenblatt::Hinweis& h : b.hinweise)
        c.textOut(h.platz.x(), h.platz.y(), h.text);
    if (b.raster == Tabellenblatt::Raster::teilen) {
        linie(c, 145, -1930, 1745, -1930);
        linie(c, 965, -1930, 965, -2080);
    }
}

void drucken(const Tabellenblatt& blatt)
{
    Printer& p = printer();
    // Named by the table as the hub offers it, as its protocol is.
    p.beginDoc(zeilendruck::hilfenname(programmcode));
    try {
        zeichnen(p.canvas(), blatt);
    } catch (...) {
        p.abort();
        throw;
    }
    p.endDoc();
}

} // namespace tab1
