#include "shell/zeilendruck.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/printer.h"
#include "shell/pfadzeile.h"

#include <algorithm>

namespace zeilendruck {

QVector<Zeile> untereinander(const QStringList& texte, int x, int oben, int abstand)
{
    QVector<Zeile> zeilen;
    zeilen.reserve(texte.size());
    for (int i = 0; i < texte.size(); ++i)
        zeilen.append({ QPoint(x, -(oben + abstand * i)), texte.at(i) });
    return zeilen;
}

void seiteZeichnen(Canvas& c, const Seite& seite, const Satz& satz)
{
    c.setMapMode(MapMode::LoMetric);
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.font = Font();
    c.font.name = QStringLiteral("courier new");
    c.font.height = satz.schrifthoehe;
    c.font.color = clBlack;
    c.pen = Pen();
    c.pen.color = clBlack;
    c.pen.width = satz.stiftbreite;
    const int zeichenbreite = std::max(1, c.textWidth(QStringLiteral("0"))); // a fixed pitch
    const int zeilenabstand = satz.schrifthoehe * 11 / 10;
    for (const Zeile& z : seite.zeilen) {
        const QStringList teile = z.umbrechen
            ? pfadzeile::umbrechen(z.text, (kSeitenbreite - 2 * z.ort.x()) / zeichenbreite)
            : QStringList { z.text };
        for (int i = 0; i < teile.size(); ++i)
            c.textOut(z.ort.x(), z.ort.y() - zeilenabstand * i, teile.at(i));
    }
    for (const Linie& l : seite.linien) {
        c.moveTo(l.von.x(), l.von.y());
        c.lineTo(l.bis.x(), l.bis.y());
    }
}

void drucken(const QString& titel, const QVector<Seite>& seiten, const Satz& satz)
{
    Printer& p = printer();
    p.beginDoc(titel);
    try {
        for (int i = 0; i < seiten.size(); ++i) {
            if (i > 0) p.newPage();
            seiteZeichnen(p.canvas(), seiten.at(i), satz);
        }
    } catch (...) {
        p.abort();
        throw;
    }
    p.endDoc();
}

void drucken(const QString& titel, const QStringList& texte, int x, int oben, int abstand, const Satz& satz)
{
    Seite s;
    s.zeilen = untereinander(texte, x, oben, abstand);
    drucken(titel, QVector<Seite> { s }, satz);
}

} // namespace zeilendruck
