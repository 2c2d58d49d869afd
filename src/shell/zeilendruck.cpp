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

QString hilfenname(int code)
{
    // The hub's captions without what a file name cannot hold: no "?", ":" as "durch", no "*)" of the rows.
    static const QStringList raum10Felder { QStringLiteral("plus"), QStringLiteral("minus"),
        QStringLiteral("ergänzen +"), QStringLiteral("Mischung") };
    static const QStringList raum10Strahl { QStringLiteral("plus"), QStringLiteral("minus"),
        QStringLiteral("ergänzen (+)"), QStringLiteral("ergänzen (-)"), QStringLiteral("Mischung") };
    static const QStringList zehneruebergang { QStringLiteral("plus"), QStringLiteral("minus"),
        QStringLiteral("ergänzen (+)"), QStringLiteral("Mischung") };
    static const QStringList rechenarten100 { QStringLiteral("plus"), QStringLiteral("minus"),
        QStringLiteral("ergänzen") };
    static const QStringList zahlen100 { QStringLiteral("gemischte Zehner und Einer"),
        QStringLiteral("2 gemischte Zehnerzahlen") };
    static const QStringList tabellen { QStringLiteral("1 + 1, Raum 10, Raum 20"),
        QStringLiteral("1 - 1, Raum 10, Raum 20"), QStringLiteral("kleines 1 x 1"), QStringLiteral("kleines 1 durch 1"),
        QStringLiteral("mittleres 1 x 1"), QStringLiteral("ZE + E"), QStringLiteral("ZE - E"),
        QStringLiteral("ZE + ZE"), QStringLiteral("HZE - ZE") };
    static const QStringList halbschriftlich { QStringLiteral("plus"), QStringLiteral("minus"),
        QStringLiteral("ergänzen zu Zehnern"), QStringLiteral("mal"), QStringLiteral("geteilt") };
    static const QStringList schriftlich { QStringLiteral("HZE + HZE"), QStringLiteral("HZE + HZE, Lücken füllen"),
        QStringLiteral("HZE - HZE, ergänzen"), QStringLiteral("HZE - HZE, tauschen"), QStringLiteral("HZE x E"),
        QStringLiteral("HZE x ZE"), QStringLiteral("THZE durch E, kurzer Weg"),
        QStringLiteral("THZE durch E, langer Weg"), QStringLiteral("THZE durch ZE, langer Weg") };
    switch (code) {
    case 11:
        return QStringLiteral("Wie viele sind es");
    case 12:
        return QStringLiteral("Zerlegen mit Beinchen");
    case 13:
        return QStringLiteral("Zerlegen im 10er-Feld");
    case 14:
        return QStringLiteral("Orientierung am Strahl bis 10");
    case 15:
        return QStringLiteral("Orientierung am Strahl bis 20");
    case 16:
        return QStringLiteral("Orientierung am Strahl bis 100");
    case 17:
        return QStringLiteral("100er-Feld Zahl einordnen");
    case 18:
        return QStringLiteral("100er-Feld Zahl nennen");
    case 19:
        return QStringLiteral("100er-Feld Zahl zuordnen");
    case 110:
        return QStringLiteral("100er-Feld Schlangen");
    case 111:
        return QStringLiteral("Platten, Stangen, Blöcke");
    case 40:
    case 52:
        return QStringLiteral("Reihen und Muster im 100er-Feld");
    case 51:
        return QStringLiteral("Hilfen beim kleinen 1 x 1");
    case 53:
        return QStringLiteral("1 x 1 - Stern");
    case 54:
        return QStringLiteral("mittleres und großes 1 x 1");
    case 55:
        return QStringLiteral("Hilfen beim kleinen 1 durch 1");
    case 56:
        return QStringLiteral("Teilersuche am Strahl");
    case 610:
        return QStringLiteral("Tabelle E x ZE");
    default:
        break;
    }
    if (code >= 21 && code <= 24) return QStringLiteral("Raum 10 Felder ") + raum10Felder.at(code - 21);
    if (code >= 25 && code <= 29) return QStringLiteral("Raum 10 Strahl ") + raum10Strahl.at(code - 25);
    if (code >= 31 && code <= 34) return QStringLiteral("Zehnerübergang Felder ") + zehneruebergang.at(code - 31);
    if (code >= 35 && code <= 38) return QStringLiteral("Zehnerübergang Strahl ") + zehneruebergang.at(code - 35);
    if (code >= 41 && code <= 46)
        return QStringLiteral("Raum 100 ") + rechenarten100.at((code - 41) % 3) + QStringLiteral(", ")
            + zahlen100.at((code - 41) / 3);
    if (code >= 61 && code <= 69) return QStringLiteral("Tabelle ") + tabellen.at(code - 61);
    if (code >= 71 && code <= 75) return QStringLiteral("halbschriftlich ") + halbschriftlich.at(code - 71);
    if (code >= 81 && code <= 89) return QStringLiteral("schriftlich ") + schriftlich.at(code - 81);
    return {};
}

QString protokolltitel(int programmcode, const QString& schueler)
{
    return (hilfenname(programmcode) + QStringLiteral(" Protokoll ") + schueler).simplified();
}

} // namespace zeilendruck
