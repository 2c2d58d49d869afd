#include "shell/dverw_druck.h"

#include <algorithm>

namespace dverw {

namespace {
// As many rows as one A4 page holds with names still readable.
constexpr int kMaxNamenJeSeite = 40;
} // namespace

Listenblatt listenblatt(const QString& liste, const QStringList& zeilen)
{
    Listenblatt blatt;
    blatt.listenname = liste;
    // Each line as it stands in the file, number and name whole, whatever a teacher typed; a tab, which paper cannot
    // show, stands as a blank.
    for (const QString& zeile : zeilen)
        blatt.zeilen << QString(zeile).replace(u'\t', u' ');
    blatt.reihen = std::max(32, int(zeilen.size()));
    blatt.abstand = Listenblatt::kRasterHoehe / blatt.reihen;
    return blatt;
}

QVector<Listenblatt> listenblaetter(const QString& liste, const QStringList& zeilen)
{
    QVector<Listenblatt> blaetter;
    for (int ab = 0; ab == 0 || ab < zeilen.size(); ab += kMaxNamenJeSeite)
        blaetter << listenblatt(liste, zeilen.mid(ab, kMaxNamenJeSeite));
    return blaetter;
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
    drucken(QVector<Listenblatt> { blatt });
}

void drucken(const QVector<Listenblatt>& blaetter)
{
    if (blaetter.isEmpty()) return;
    QVector<zeilendruck::Seite> seiten;
    for (const Listenblatt& blatt : blaetter)
        seiten << seite(blatt);
    zeilendruck::drucken(QStringLiteral("Klassenliste ") + blaetter.first().listenname, seiten, satz());
}

} // namespace dverw
