#include "aids/langdivision_logik.h"

#include "platform/colors.h"

using schrift::Bild;
using schrift::Schrift;

namespace langdivision {

Schrift gross(QPoint p, const QString& t, const QColor& farbe)
{
    Schrift s;
    s.x = p.x();
    s.y = p.y();
    s.text = t;
    s.farbe = farbe;
    s.hoehe = 95;
    s.grund = std::nullopt;
    return s;
}

namespace {

Schrift gruen(int y, const QString& t)
{
    Schrift s;
    s.x = 370;
    s.y = y;
    s.text = t;
    s.farbe = clGreen;
    s.hoehe = 50;
    return s;
}

} // namespace

QChar Schrittplan::soll(int schritt) const
{
    if (schritt < 1 || schritt > zeichen.size()) return QChar();
    return zeichen.at(schritt - 1);
}

QPoint Schrittplan::platz(int schritt) const
{
    if (schritt < 1 || schritt > int(plaetze.size())) return {};
    return plaetze[std::size_t(schritt - 1)];
}

int Schrittplan::naechster(int schritt) const
{
    int s = schritt + 1;
    if (nullWeg.count(s) && soll(s) == u'0') ++s;
    return s;
}

Bild frageWeg(QPoint platz)
{
    Bild b;
    b << gross(platz, QStringLiteral("?"), clWhite);
    return b;
}

Bild eintrag(QPoint platz, QChar zeichen)
{
    Bild b = frageWeg(platz);
    b << gross(platz, QString(zeichen), clBlue);
    return b;
}

Bild fragezeichen(QPoint platz)
{
    Bild b;
    b << gross(platz, QStringLiteral("?"), clRed);
    return b;
}

Bild herunterholen(QPoint p)
{
    return schrift::pfeil(
        { { p.x(), 115 }, p }, { p.x() - 10, p.y() - 35 }, { p.x() + 10, p.y() - 35 }, clRed, 4, schrift::Stiftmass::x);
}

Bild meldungsbild(const Meldung& m, QChar eingabe)
{
    Bild b;
    if (m.falsch()) {
        b << gruen(60, QStringLiteral("Die ") + eingabe + QStringLiteral(" war falsch."));
        b << gruen(150, QStringLiteral("Überlege neu oder hole Hilfe."));
    } else {
        b << gruen(100, m.text);
    }
    return b;
}

Bild hilfezeilen(const QStringList& zeilen, const QList<int>& hoehen)
{
    Bild b;
    for (int i = 0; i < zeilen.size() && i < hoehen.size(); ++i)
        if (!zeilen[i].isEmpty()) b << gruen(hoehen[i], zeilen[i]);
    return b;
}

Bild zeigen(const QRect& r, QChar soll)
{
    Bild b;
    b << schrift::Rechteck { r.left(), r.top(), r.right(), r.bottom(), clWhite, 1, clWhite };
    b << gruen(150, QStringLiteral("Tippe: ") + soll);
    return b;
}

QString ohneNull(QChar zelle)
{
    return zelle == u'0' ? QStringLiteral(" ") : QString(zelle);
}

hilfenrahmen::Protokollangaben protokollangaben(const QString& rechenart, bool mitRest, const QString& stufentext,
    int eingabenrichtig, int eingabengesamt, int hilfetasten, int zeigetasten)
{
    hilfenrahmen::Protokollangaben a;
    a.titel = QStringLiteral("schriftlich, ausführlich ");
    a.zeile4 = QStringLiteral("Rechenart:             ") + rechenart
        + (mitRest ? QStringLiteral("  mit Rest") : QStringLiteral("  ohne Rest"));
    a.zeile5 = QStringLiteral("Schwierigkeitsgrad:   ") + stufentext;
    a.zeile9 = hilfenrahmen::prozentzeile(QStringLiteral("davon: richtig:        "), eingabenrichtig, eingabengesamt);
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfeUndZeigetasten;
    a.zeile10label = QStringLiteral("       falsch:         ");
    a.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    a.zeile12 = hilfenrahmen::zeigetastezeile(QString::number(zeigetasten));
    return a;
}

} // namespace langdivision
