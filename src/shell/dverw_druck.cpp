#include "shell/dverw_druck.h"

#include <algorithm>

namespace dverw {

Listenblatt listenblatt(const QString& liste, const QStringList& zeilen)
{
    Listenblatt blatt;
    blatt.listenname = liste;
    for (QString zeile : zeilen) {
        if (zeile.size() >= 3) zeile[2] = u' ';
        blatt.zeilen << zeile;
    }
    blatt.reihen = std::max(32, int(zeilen.size()));
    blatt.abstand = Listenblatt::kRasterHoehe / blatt.reihen;
    return blatt;
}

zeilendruck::Seite seite(const Listenblatt& blatt)
{
    zeilendruck::Seite s;
    s.zeilen.append({ QPoint(Listenblatt::kLinks, Listenblatt::kTitelY), blatt.listenname });
    for (int i = 1; i <= blatt.zeilen.size(); ++i)
        s.zeilen.append({ QPoint(Listenblatt::kLinks, blatt.zeileY(i)), blatt.zeilen.at(i - 1) });
    for (int j = 0; j <= blatt.reihen; ++j)
        s.linien.append(
            { QPoint(Listenblatt::kLinks, blatt.regelY(j)), QPoint(Listenblatt::kRechts, blatt.regelY(j)) });
    for (int j = 1; j <= Listenblatt::kSpalten; ++j)
        s.linien.append({ QPoint(blatt.spalteX(j), Listenblatt::kSpaltenOben),
            QPoint(blatt.spalteX(j), Listenblatt::kSpaltenUnten) });
    return s;
}

namespace {
zeilendruck::Satz satz()
{
    zeilendruck::Satz s;
    s.schrifthoehe = Listenblatt::kSchrifthoehe;
    s.stiftbreite = 1;
    return s;
}
} // namespace

void zeichnen(Canvas& canvas, const Listenblatt& blatt)
{
    zeilendruck::seiteZeichnen(canvas, seite(blatt), satz());
}

void drucken(const Listenblatt& blatt)
{
    zeilendruck::drucken(
        QStringLiteral("Klassenliste ") + blatt.listenname, QVector<zeilendruck::Seite> { seite(blatt) }, satz());
}

} // namespace dverw
