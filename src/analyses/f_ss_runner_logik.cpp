#include "analyses/f_ss_runner_logik.h"

#include "platform/clock.h"

#include <cmath>

namespace ss {
namespace {

Feldart zehn()
{
    Feldart f;
    f.feld = Feld::Zehn;
    f.code = Zehnerfeld;
    f.caption = QStringLiteral("f_ss10");
    f.silbern = true;
    f.abbruchName = QStringLiteral("Button2");
    f.abbruchText = QStringLiteral("Programm abbrechen");
    f.mausbereich = { 0, 0, 1000, 440 };
    f.keypad = { 500, 30, 200, 320 };
    f.weiter = { 750, 180, 200, 70 };
    f.abbruch = { 750, 310, 200, 40 };
    f.feldflaeche = { 10, 442, 990, 614 };
    f.verdeckflaeche = { 10, 442, 990, 615 };
    f.verdeckenMitHintergrund = true;
    f.antwortbox = { 255, 150, 415, 350 };
    f.textX = 335;
    f.textY = 185;
    f.haken = { { 422, 273 }, { 430, 300 }, { 485, 216 } };
    f.eingabelaenge = 2;
    f.platzhalter = true;
    f.punktbreite = 1;
    f.diagonalen = { { 15, 447, 985, 609 }, { 15, 609, 985, 447 } };
    f.wischschritte = 38;
    f.titel = QStringLiteral("     Schnelles Sehen am 10er");
    f.praefix = dateipraefix(Zehnerfeld);
    return f;
}

Feldart zwanzig()
{
    Feldart f = zehn();
    f.feld = Feld::Zwanzig;
    f.code = Zwanzigerfeld;
    f.caption = QStringLiteral("f_ss20");
    f.abbruchName = QStringLiteral("Button1");
    f.abbruchText = QStringLiteral("Programm beenden");
    f.feldflaeche = { 10, 442, 990, 748 };
    f.verdeckflaeche = { 10, 442, 990, 748 };
    f.punktbreite = 3;
    f.diagonalen = { { 15, 447, 985, 743 }, { 15, 743, 985, 447 } };
    f.titel = QStringLiteral("     Schnelles Sehen am 20er");
    f.praefix = dateipraefix(Zwanzigerfeld);
    return f;
}

Feldart hundert()
{
    Feldart f = zehn();
    f.feld = Feld::Hundert;
    f.code = Hunderterfeld;
    f.caption = QStringLiteral("f_ss100");
    f.silbern = false;
    f.abbruchName = QStringLiteral("Button1");
    f.abbruchText = QStringLiteral("Programm abbrechen");
    f.mausbereich = { 696, 0, 1000, 1100 };
    f.keypad = { 750, 30, 200, 320 };
    f.weiter = { 750, 390, 200, 70 };
    f.abbruch = { 750, 900, 200, 40 };
    f.feldflaeche = { 10, 10, 696, 990 };
    f.verdeckflaeche = { 10, 10, 696, 990 };
    f.verdeckenMitHintergrund = false;
    f.antwortbox = { 750, 500, 950, 700 };
    f.textX = 850;
    f.textY = 540;
    f.haken = { { 922, 573 }, { 930, 600 }, { 985, 516 } };
    f.eingabelaenge = 3;
    f.platzhalter = false;
    f.diagonalen = { { 15, 15, 691, 985 }, { 691, 15, 15, 985 } };
    f.wischschritte = 39;
    f.titel = QStringLiteral("    Schnelles Sehen am 100er");
    f.praefix = dateipraefix(Hunderterfeld);
    return f;
}

QString links(const QString& text, int breite)
{
    return text.rightJustified(breite, QLatin1Char(' '));
}

// Seconds (minutes and hours included) and tenths of a span, as the protocol writes answer times.
QString sekundenZehntel(double spanne, int breite)
{
    const clockx::TimeParts t = clockx::decode(spanne);
    const int sekunden = (t.hours * 60 + t.minutes) * 60 + t.seconds;
    return links(QString::number(sekunden), breite) + QLatin1Char(',') + QString::number(t.milliseconds / 100);
}

} // namespace

const Feldart& feldart(Feld feld)
{
    static const Feldart z = zehn();
    static const Feldart zw = zwanzig();
    static const Feldart h = hundert();
    switch (feld) {
    case Feld::Zwanzig:
        return zw;
    case Feld::Hundert:
        return h;
    default:
        return z;
    }
}

Feld feldVonCode(int code)
{
    return code == Zwanzigerfeld ? Feld::Zwanzig : (code == Hunderterfeld ? Feld::Hundert : Feld::Zehn);
}

QVector<Linie> raster(Feld feld)
{
    QVector<Linie> l;
    switch (feld) {
    case Feld::Zehn:
        for (int v = 0; v <= 10; ++v)
            l.append({ 24 + 95 * v, 460, 24 + 95 * v, 594, 1 });
        l.append({ 24, 460, 975, 460, 1 });
        l.append({ 24, 594, 975, 594, 1 });
        l.append({ 499, 450, 499, 604, 3 });
        break;
    case Feld::Zwanzig:
        for (int v = 0; v <= 10; ++v)
            l.append({ 24 + 95 * v, 460, 24 + 95 * v, 728, 1 });
        for (int y : { 460, 594, 728 })
            l.append({ 24, y, 975, y, 1 });
        l.append({ 499, 450, 499, 738, 3 });
        l.append({ 14, 594, 982, 594, 3 });
        break;
    case Feld::Hundert:
        for (int v = 0; v <= 10; ++v)
            l.append({ 22 + 66 * v, 25, 22 + 66 * v, 975, 1 });
        for (int v = 0; v <= 10; ++v)
            l.append({ 22, 25 + 95 * v, 682, 25 + 95 * v, 1 });
        l.append({ 352, 20, 352, 980, 3 });
        l.append({ 18, 500, 686, 500, 3 });
        break;
    }
    return l;
}

QVector<Punkt> punktbild(Feld feld, int n)
{
    QVector<Punkt> p;
    for (int i = 0; i < n; ++i) {
        const int r = i / 10;
        const int c = i % 10;
        const bool linkeHaelfte = c <= 4;
        if (feld == Feld::Hundert) {
            const bool rot = r <= 4 ? linkeHaelfte : !linkeHaelfte;
            p.append({ { 29.0 + 66 * c, 35.0 + 95 * r, 81.0 + 66 * c, 110.0 + 95 * r }, rot ? Qt::red : Qt::blue });
        } else {
            const QColor farbe = linkeHaelfte ? QColor(255, 0, 0) : QColor(0, 0, 255);
            p.append({ { 37.0 + 95 * c, 480.0 + 134 * r, 105.0 + 95 * c, 574.0 + 134 * r }, farbe });
        }
    }
    return p;
}

Rechteck wischrechteck(Feld feld, int i)
{
    switch (feld) {
    case Feld::Zwanzig:
        return { 500 - 12.5 * i, 595.0 - 4 * i, 500 + 12.5 * i, 595.0 + 4 * i };
    case Feld::Hundert:
        return { 343.0 - 8 * i, 490.0 - 12 * i, 343.0 + 8 * i, 490.0 + 12 * i };
    default:
        return { 500 - 12.5 * i, 528.0 - 2 * i, 500 + 12.5 * i, 528.0 + 2 * i };
    }
}

bool nullAbgelehnt(Feld feld, const QString& eingabe, int gezeigt)
{
    if (feld == Feld::Hundert) return eingabe.isEmpty();
    return eingabe.isEmpty() && gezeigt != 0;
}

QString antwortspalte(Feld feld, const QString& eingabe, double antwortzeit)
{
    if (feld == Feld::Zehn)
        return QStringLiteral("   ") + links(eingabe, 3) + QLatin1Char(' ') + sekundenZehntel(antwortzeit, 2);
    return QStringLiteral("  ") + links(eingabe, 3) + QLatin1Char(' ') + sekundenZehntel(antwortzeit, 3);
}

QString loesungsspalte(const QString& antwortzeile, int kopflaenge, double gesamtzeit, int punkte)
{
    const QString zeile = antwortzeile.leftJustified(kopflaenge - 11, QLatin1Char(' ')) + sekundenZehntel(gesamtzeit, 3)
        + QStringLiteral("    ") + QString::number(punkte);
    return zeile.left(80);
}

QString zahlF(double wert)
{
    const double betrag = std::fabs(wert);
    int vorkomma = betrag < 1 ? 0 : int(std::floor(std::log10(betrag))) + 1;
    QString text;
    if (vorkomma > 3) {
        text = QString::number(wert, 'E', 2);
        // "1.50E+04" -> "1,50E+4"
        const int e = int(text.indexOf(QLatin1Char('E')));
        const QString mantisse = text.left(e);
        const int exponent = text.mid(e + 1).toInt();
        text = mantisse + QStringLiteral("E") + (exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
            + QString::number(std::abs(exponent));
    } else {
        double gerundet = wert;
        if (vorkomma >= 1) {
            const double faktor = std::pow(10.0, 3 - vorkomma);
            gerundet = std::round(wert * faktor) / faktor;
        }
        text = QString::number(gerundet, 'f', 1);
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

int gesamtminuten(double spanne)
{
    const clockx::TimeParts t = clockx::decode(spanne);
    return t.hours * 60 + t.minutes;
}

QStringList kopfzeilen(Feld feld, const QString& name, bool ohneListe, const QString& datum, const QString& pfad,
    double laufzeit, int zaehler, int punkte, int schalter1, int schalter2, int mindestminuten, int mindestaufgaben)
{
    const Feldart& f = feldart(feld);
    const QString schueler = ohneListe ? name : name.mid(3).left(35);
    QStringList z;
    z << (schueler.leftJustified(39, QLatin1Char(' ')) + datum + f.titel).left(100);
    z << pfad;

    const clockx::TimeParts t = clockx::decode(laufzeit);
    const int minuten = t.hours * 60 + t.minutes;
    // A run of less than a second still gets a rate, not a division by zero.
    const int sekundengesamt = std::max(minuten * 60 + t.seconds, 1);
    z << (QStringLiteral("Zeit: ") + QString::number(minuten) + QLatin1Char(':')
        + (t.seconds < 10 ? QStringLiteral("0") : QString()) + QString::number(t.seconds)
        + QStringLiteral(" min      Aufgaben: ") + QString::number(zaehler) + QStringLiteral("   Punkte: ")
        + QString::number(punkte) + QStringLiteral("      P/Ag: ") + zahlF(double(punkte) / std::max(zaehler, 1))
        + QStringLiteral("      P/min: ") + zahlF(punkte * 60.0 / sekundengesamt))
             .left(100);
    z << (QStringLiteral("Vorgaben:  Hintergrund: ")
        + (schalter2 == 1 ? QStringLiteral("dunkel, ") : QStringLiteral("hell, "))
        + (schalter1 == 1 ? QStringLiteral("mit Raster, ") : QStringLiteral("ohne Raster, ")) + QStringLiteral("max. ")
        + QString::number(mindestminuten) + QStringLiteral(" Minuten, max. ") + QString::number(mindestaufgaben)
        + QStringLiteral(" Aufgaben"))
             .left(100);
    return z;
}

} // namespace ss
