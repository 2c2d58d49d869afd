#include "aids/hilfenrahmen_logik.h"

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hilfenrahmen {

void laufBeginnen()
{
    anzahl = 0;
    eingabengesamt = 0;
    eingabenrichtig = 0;
    noetiggesamt = 0;
    hilfetasten = 0;
    zeigetasten = 0;
    dauer = 0;
    startzeit = clockx::now();
    stunden = 0;
    minuten = 0;
    sekunden = 0;
    millisek = 0;
}

void aufgabeBeginnen()
{
    aufgabeneingaben = 0;
    aufgabennoetig = 0;
    laufzeit = 0;
    hilfestufe = 0;
}

void zeitteileSetzen(double spanne)
{
    const long long ms = std::llround(std::fabs(spanne) * clockx::kMillisecondsPerDay);
    const long long ganzeMinuten = std::min<long long>(ms / 60000, std::numeric_limits<word>::max());
    millisek = word(ms % 1000);
    sekunden = word(ms / 1000 % 60);
    minuten = word(ganzeMinuten);
    stunden = word(std::min<long long>(ms / 3600000, std::numeric_limits<word>::max()));
}

void uhrschritt()
{
    jetzt = clockx::now();
    dauer = startzeit - jetzt;
    zeitteileSetzen(dauer);
}

void endzeitNehmen()
{
    endzeit = clockx::now();
    laufzeit = endzeit - startzeit;
    zeitteileSetzen(laufzeit);
}

void aufgabeGezaehlt(bool richtigBuchen)
{
    anzahl = anzahl + 1;
    eingabengesamt = eingabengesamt + aufgabeneingaben;
    if (richtigBuchen) eingabenrichtig = eingabenrichtig + aufgabennoetig;
    uhrschritt();
}

void sekundenRunden()
{
    if (millisek > 499) sekunden = word(sekunden + 1);
    millisek = 0;
    if (sekunden >= 60) {
        sekunden = word(sekunden - 60);
        if (minuten < std::numeric_limits<word>::max()) minuten = word(minuten + 1);
    }
}

bool limitsAktiv(int mm, int ma)
{
    return mm > 0 && ma > 0;
}

bool automatischesEnde(int min, int anz, int mm, int ma)
{
    return limitsAktiv(mm, ma) && min >= mm && anz >= ma;
}

bool protokollErlaubt(int min, int anz, int mm, int ma)
{
    return limitsAktiv(mm, ma) && (anz >= ma || min >= mm);
}

Balken balkengeometrie(int min, int sek, int anz, int mm, int ma)
{
    Balken b;
    b.zeitgrund = QRect(QPoint(5, 7), QPoint(195, 44));
    b.aufgabengrund = QRect(QPoint(5, 51), QPoint(195, 88));
    if (mm > 0) {
        // 64-bit, so that even a run of days cannot overflow before the strip at 195 cuts the bar.
        const long long t
            = (static_cast<long long>(min) * 60 + sek) * kBalkenlaenge / (static_cast<long long>(mm) * 60);
        b.zeitrechts = int(std::min<long long>(5 + t, 100000));
    }
    if (ma < 1)
        b.aufgabenrechts = 195;
    else
        b.aufgabenrechts = 5 + std::min(anz, 100000) * kBalkenlaenge / ma;
    return b;
}

void balkenZeichnen(Canvas& c, const Balken& b, float sx, float sy)
{
    const auto X = [sx](int v) { return Round(v * double(sx)); };
    const auto Y = [sy](int v) { return Round(v * double(sy)); };
    const auto rechteck = [&](int l, int t, int r, int u) { c.rectangle(X(l), Y(t), X(r), Y(u)); };

    c.setMapMode(MapMode::Pixels);
    c.pen.width = 1;
    c.pen.color = clWhite;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.brush.style = BrushStyle::Solid;
    c.brush.color = clWhite;
    rechteck(0, 0, 200, 95);

    c.brush.color = clRed;
    rechteck(b.zeitgrund.left(), b.zeitgrund.top(), b.zeitgrund.right(), b.zeitgrund.bottom());
    rechteck(b.aufgabengrund.left(), b.aufgabengrund.top(), b.aufgabengrund.right(), b.aufgabengrund.bottom());

    c.brush.color = clGreen;
    rechteck(5, b.zeitgrund.top(), b.zeitrechts, b.zeitgrund.bottom());
    rechteck(5, b.aufgabengrund.top(), b.aufgabenrechts, b.aufgabengrund.bottom());

    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = Y(23);
    c.font.bold = false;
    c.font.italic = false;
    c.font.underline = false;
    c.font.strikeOut = false;
    c.font.color = clWhite;
    c.textOut(X(100), Y(13), QStringLiteral(" Zeit "));
    c.textOut(X(100), Y(57), QStringLiteral(" Aufgaben "));

    c.brush.color = clWhite;
    rechteck(195, 0, 200, 95);
}

QString stufenzeile(const QString& stufe)
{
    return QStringLiteral("Schwierigkeitsstufe:   ") + stufe;
}

QString arbeitszeittext(int min, int sek)
{
    return QString::number(min) + u':' + (sek < 10 ? QStringLiteral("0") : QString()) + QString::number(sek)
        + QStringLiteral(" min");
}

QString prozentzeile(const QString& label, int richtig, int gesamt)
{
    const long long p = static_cast<long long>(richtig) * 100 / std::max(gesamt, 1);
    return label + QString::number(richtig) + QStringLiteral("  ~ ") + QString::number(p)
        + QStringLiteral(" %  (Ziel: 100 %)");
}

QString hilfetastenzeile(int n)
{
    return QStringLiteral("       Hilfetaste(n):  ") + QString::number(n);
}

QString hilfetastezeile(int n)
{
    return QStringLiteral("       Hilfetaste:     ") + QString::number(n);
}

QString zeigetastezeile(const QString& wert)
{
    return QStringLiteral("       Zeigetaste:     ") + wert;
}

Stand aktuellerStand()
{
    Stand s;
    s.mindestminuten = mindestminuten;
    s.mindestaufgaben = mindestaufgaben;
    s.minuten = minuten;
    s.sekunden = sekunden;
    s.anzahl = anzahl;
    s.eingabengesamt = eingabengesamt;
    s.eingabenrichtig = eingabenrichtig;
    s.hilfetasten = hilfetasten;
    s.zeigetasten = zeigetasten;
    return s;
}

QStringList protokollzeilen(const Protokollangaben& a, const Stand& s)
{
    QStringList z;
    z << QStringLiteral("Programm:              ") + a.titel;
    z << QStringLiteral("Vorgaben:              ") + QString::number(s.mindestminuten) + QStringLiteral(" Minute(n), ")
            + QString::number(s.mindestaufgaben) + QStringLiteral(" Aufgabe(n)");
    z << a.zeile4;
    z << a.zeile5;
    z << QStringLiteral("Arbeitszeit:           ") + arbeitszeittext(s.minuten, s.sekunden);
    z << QStringLiteral("bearbeitete Aufgaben:  ") + QString::number(s.anzahl);
    z << QStringLiteral("Eingaben, gesamt:      ") + QString::number(s.eingabengesamt);
    z << (a.zeile9 ? *a.zeile9
                   : prozentzeile(QStringLiteral("davon: richtig/nötig:  "), s.eingabenrichtig, s.eingabengesamt));
    // Help and show presses that were taken back can leave a counter below 0; no count of wrong inputs
    // is ever shown below 0.
    long long falsch = static_cast<long long>(s.eingabengesamt) - s.eingabenrichtig;
    switch (a.zeile10) {
    case Protokollangaben::Falsch::ohneHilfeUndZeigetasten:
        falsch -= std::max(s.zeigetasten, 0);
        [[fallthrough]];
    case Protokollangaben::Falsch::ohneHilfetasten:
        falsch -= std::max(s.hilfetasten, 0);
        break;
    default:
        break;
    }
    z << (a.zeile10 == Protokollangaben::Falsch::leer ? QString()
                                                      : a.zeile10label + QString::number(std::max(falsch, 0LL)));
    z << a.zeile11;
    z << a.zeile12;
    for (QString& zeile : z)
        zeile.truncate(100);
    return z;
}

void protokollVorbereiten()
{
    sekundenRunden();
    if (hilfetasten < 0) hilfetasten = 0;
}

void protokollSchreiben(const Protokollangaben& angaben)
{
    const QStringList z = protokollzeilen(angaben, aktuellerStand());
    for (int i = 0; i < z.size(); ++i)
        protzeilen[2 + i] = z[i];
}

} // namespace hilfenrahmen

namespace tasten {

Tastenziel tastenweiche(QChar taste)
{
    switch (taste.unicode()) {
    case 8:
        return { Ziel::loeschen, -1 };
    case 13:
        return { Ziel::eingabe, -1 };
    case 27:
        return { Ziel::ende, -1 };
    default:
        if (taste >= QLatin1Char('0') && taste <= QLatin1Char('9')) return { Ziel::ziffer, taste.unicode() - '0' };
        return {};
    }
}

bool pftast(quint16 charCode)
{
    return charCode >= 37 && charCode <= 40;
}

} // namespace tasten
