#include "shell/dverw_druck.h"

#include "platform/canvas.h"
#include "platform/printer.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace dverw {

namespace {
// As many rows as one A4 page holds with names still readable.
constexpr int kMaxNamenJeSeite = 40;

QString ohneBlankAmEnde(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == u' ')
        --n;
    return text.left(n);
}

// Where the part of `zeile` that begins at `ab` ends in the width at cell height h: after the last place a line
// may break that still fits, else after as many characters as fit, one at least.
qsizetype teilEnde(const QString& zeile, qsizetype ab, int breite, int h, const Messung& messen)
{
    const auto passt = [&](qsizetype bis) { return messen(h, ohneBlankAmEnde(zeile.mid(ab, bis - ab))) <= breite; };
    if (passt(zeile.size())) return zeile.size();
    qsizetype ende = ab;
    QTextBoundaryFinder bruch(QTextBoundaryFinder::Line, zeile);
    bruch.setPosition(ab);
    for (qsizetype p = bruch.toNextBoundary(); p > ab && p < zeile.size() && passt(p); p = bruch.toNextBoundary())
        ende = p;
    if (ende > ab) return ende;
    // A letter is never split from its marks, nor a character from its other half.
    QTextBoundaryFinder zeichen(QTextBoundaryFinder::Grapheme, zeile);
    zeichen.setPosition(ab);
    ende = zeichen.toNextBoundary();
    for (qsizetype p = zeichen.toNextBoundary(); p > ab && passt(p); p = zeichen.toNextBoundary())
        ende = p;
    return ende;
}

Zeilensatz umbrechen(const QString& zeile, int breite, int h, const Messung& messen)
{
    Zeilensatz satz;
    satz.schrifthoehe = h;
    qsizetype ab = 0;
    do {
        const qsizetype ende = teilEnde(zeile, ab, breite, h, messen);
        // Blanks at the end of a part are the break, or nothing to see; drawn, they would blank out the rules
        // their cell covers.
        satz.teile << ohneBlankAmEnde(zeile.mid(ab, ende - ab));
        ab = ende;
    } while (ab < zeile.size());
    return satz;
}
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

Zeilensatz setzen(const QString& zeile, int breite, int hoehe, const Messung& messen)
{
    const auto steht = [&](const Zeilensatz& satz) { return satz.teile.size() * satz.schrifthoehe <= hoehe; };
    Zeilensatz satz = umbrechen(zeile, breite, Listenblatt::kSchrifthoehe, messen);
    if (steht(satz)) return satz;
    // A smaller type never needs more parts, so the largest that stands is found by halving. The smallest type
    // there is takes the line, whatever its length: nothing of it is left out.
    int passt = 1;
    int zuGross = Listenblatt::kSchrifthoehe;
    satz = umbrechen(zeile, breite, passt, messen);
    while (zuGross - passt > 1) {
        const int h = (passt + zuGross) / 2;
        Zeilensatz versuch = umbrechen(zeile, breite, h, messen);
        if (steht(versuch)) {
            passt = h;
            satz = versuch;
        } else {
            zuGross = h;
        }
    }
    return satz;
}

QVector<Zeilensatz> saetze(const Listenblatt& blatt, Canvas& canvas)
{
    const Messung messen = [&canvas](int h, const QString& text) {
        canvas.setMapMode(MapMode::LoMetric);
        canvas.font = Font();
        canvas.font.name = QStringLiteral("courier new");
        canvas.font.height = h;
        return canvas.textWidth(text);
    };
    QVector<Zeilensatz> gesetzt;
    for (const QString& zeile : blatt.zeilen)
        gesetzt << setzen(zeile, Listenblatt::kNamenbreite, blatt.namenhoehe(), messen);
    return gesetzt;
}

zeilendruck::Seite seite(const Listenblatt& blatt, const QVector<Zeilensatz>& saetze)
{
    zeilendruck::Seite s;
    s.zeilen.append({ QPoint(Listenblatt::kLinks, Listenblatt::kTitelY), blatt.listenname });
    for (int i = 1; i <= blatt.zeilen.size(); ++i)
        if (saetze.at(i - 1).schrifthoehe == Listenblatt::kSchrifthoehe)
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
    const QVector<Zeilensatz> gesetzt = saetze(blatt, canvas);
    zeilendruck::seiteZeichnen(canvas, seite(blatt, gesetzt), satz());
    for (int i = 1; i <= gesetzt.size(); ++i) {
        const Zeilensatz& z = gesetzt.at(i - 1);
        if (z.schrifthoehe == Listenblatt::kSchrifthoehe) continue;
        canvas.font.height = z.schrifthoehe;
        for (int j = 0; j < z.teile.size(); ++j)
            canvas.textOut(Listenblatt::kLinks, blatt.teilY(i, j, z.teile.size(), z.schrifthoehe), z.teile.at(j));
    }
}

void drucken(const Listenblatt& blatt)
{
    drucken(QVector<Listenblatt> { blatt });
}

void drucken(const QVector<Listenblatt>& blaetter)
{
    if (blaetter.isEmpty()) return;
    Printer& p = printer();
    p.beginDoc(QStringLiteral("Klassenliste ") + blaetter.first().listenname);
    try {
        for (int i = 0; i < blaetter.size(); ++i) {
            if (i > 0) p.newPage();
            zeichnen(p.canvas(), blaetter.at(i));
        }
    } catch (...) {
        p.abort();
        throw;
    }
    p.endDoc();
}

} // namespace dverw
