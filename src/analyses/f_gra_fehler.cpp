#include "analyses/f_gra_fehler.h"

#include "analyses/f_gra_logik.h"
#include "platform/clock.h"
#include "shell/HalmorGlobalDefs.h"

namespace gra {
namespace {

// The order in which the letters of one answer are looked for and written.
const char kReihenfolge[] = "ABELMFGHIJKCDNOPQRSTUV";

// The two digits exchanged.
int rev(int x)
{
    return (x % 10) * 10 + x / 10;
}

} // namespace

QString zahlendreher(int r)
{
    if (r < 0) return {};
    if (r % 10 == 0) return QStringLiteral("0") + QString::number(r).left(1);
    if (r > 11) return QString::number(rev(r));
    return {};
}

Fehlerwerte fehlerwerteBerechnen(int code, int a, int b, int c, int T)
{
    Fehlerwerte w;
    auto setze = [&w](char kennung, int wert) { w.wert[kennung] = QString::number(wert); };
    const int u = a % 10;
    const int produkt = a * b;

    // L: the digits of the task typed one after the other; M: a right digit repeated by mistake.
    if (code == 17)
        w.wert['L'] = QString::number(produkt) + QString::number(a);
    else
        w.wert['L'] = QString::number(a) + QString::number(b);
    const QString s = QString::number(code == 17 ? b : c);
    w.m[1] = QString(2, s[0]);
    w.m[2] = QString(3, s[0]);
    if (s.size() >= 2) w.m[3] = s.left(2) + s[1];
    w.m[4] = s[0] + s;

    // T and U: a reversed answer of which only one digit was put right.
    auto einerZehner = [&]() {
        if (c % 10 >= 1) setze('T', c % 10);
        if (c > 9) setze('U', c / 10);
    };

    switch (code) {
    case 11:
    case 12:
        setze('A', c + 1);
        setze('B', c - 1);
        setze('E', a - b);
        w.wert['F'] = zahlendreher(c);
        if (code == 11) {
            if (a == 0) w.wert['C'] = QStringLiteral("0");
            if (b == 0) w.wert['D'] = QStringLiteral("0");
            setze('G', 10 + b);
            setze('H', 10 + u);
        } else {
            if ((c + 1) % 10 >= 1) setze('C', rev(c + 1));
            if ((c - 1) % 10 >= 1) setze('D', rev(c - 1));
            setze('G', rev(a) + b);
            setze('N', (T / 10 + b) * 10 + u);
            setze('O', c + 10);
            if ((a - T) + b >= 11) setze('P', c - 10);
            setze('Q', T + b);
            setze('R', T + 10 + b);
        }
        if ((c % 10) + b >= 11) setze('I', T + 20 - u);
        setze('J', T + 10 + b / 2);
        if (b == 9) setze('K', c + 2);
        einerZehner();
        break;
    case 13:
        setze('A', c + 1);
        setze('B', c - 1);
        if (b == 0) {
            w.wert['C'] = QStringLiteral("0");
            setze('D', c - 1);
        }
        setze('E', a + b);
        setze('F', a + b + 1);
        setze('G', a + b - 1);
        if (c == 0) setze('K', a);
        break;
    case 14:
        setze('A', c + 1);
        setze('B', c - 1);
        setze('E', a + b);
        setze('F', b + 20 - a);
        setze('G', b + 10 - a);
        setze('H', 20 - a);
        setze('I', 10 - b / 2);
        if (b == 9) setze('J', c - 2);
        setze('K', 10 - b);
        break;
    case 15:
        setze('A', c + 1);
        setze('B', c - 1);
        // The combined errors of nearness and reversed digits, as with the sums of mixed tens.
        if ((c + 1) % 10 >= 1) setze('C', rev(c + 1));
        if ((c - 1) % 10 >= 1) setze('D', rev(c - 1));
        setze('E', a + b);
        if (c % 10 >= 1) setze('F', rev(c));
        setze('G', rev(a) - b);
        setze('H', T - u + b);
        setze('I', T - u + b - 10);
        setze('J', T - b / 2);
        if (c - T - b < 0) setze('K', 2 * T - a);
        if (b == 9) setze('N', c - 2);
        setze('O', c - 10);
        setze('P', c + 10);
        setze('Q', T - b);
        setze('R', T + 10 - b);
        setze('S', (T / 10 - b) * 10 + u);
        einerZehner();
        if (u < 4) setze('V', 2 * T - a - b);
        break;
    case 16:
        if (c > 0) {
            setze('A', c + b);
            setze('E', a + b);
        }
        setze('B', c - b);
        if (a == 0) setze('C', b);
        if (b == 0) setze('D', a);
        w.wert['F'] = zahlendreher(c);
        if (a == 6 && c >= 1) setze('G', 5 * b + 6);
        if (a == 9 && c >= 1) setze('H', 10 * b - 9);
        einerZehner();
        break;
    case 17:
        setze('A', b + 1);
        setze('B', b - 1);
        if (produkt == 0) {
            setze('C', a);
            w.wert['D'] = QStringLiteral("1");
        } else {
            setze('E', produkt - a);
        }
        break;
    }
    return w;
}

QStringList kennungen(const QString& eingabe, const Fehlerwerte& werte)
{
    QStringList treffer;
    if (eingabe.isEmpty()) return treffer;
    for (const char* k = kReihenfolge; *k; ++k) {
        bool passt = false;
        if (*k == 'M') {
            for (int i = 1; i <= 4; ++i)
                passt = passt || werte.m[i] == eingabe;
        } else {
            passt = werte.wert[*k] == eingabe;
        }
        if (passt) treffer << QString(QLatin1Char(*k));
    }
    return treffer;
}

int& kennungszaehler(const QString& kennung)
{
    if (kennung.size() == 1 && kennung[0] >= u'A' && kennung[0] <= u'V') return fehlerzaehler[kennung[0].toLatin1()];
    return unklarzaehler;
}

void zaehlerLoeschen()
{
    wahl1 = 0;
    fehlerzahl = 0;
    fehlerzeilen.fill(0);
    fehlerspalten.fill(0);
    fehlerzaehler.fill(0);
    unklarzaehler = 0;
}

void bewertung()
{
    const int code = programmcode;
    antwortzeit = eingabezeit - aufgabenstart;
    clockx::decode(antwortzeit, stunden, minuten, sekunden, millisek);
    hilfszahl = eingabe.str().toInt();
    if (millisek > 499) sekunden = sekunden + 1;
    zeittext = QString::number(stunden * 3600 + minuten * 60 + sekunden).rightJustified(2, u' ');

    int zeile = 0, spalte = 0;
    aufgabenzelle(code, zeile, spalte);
    fehlerkennungen[zeile][spalte] = zeittext + QStringLiteral(" ");
    if (code == 12 || code == 15) {
        aufgabentabelle[zeile][spalte] = QString::number(zahl1) + zeichen + QString::number(zahl2);
    } else if (code == 17) {
        aufgabentabelle[zeile][spalte] = QString::number(zahl1 * zahl2) + QStringLiteral(":") + QString::number(zahl1);
        zahl = zahl2;
    }

    if (hilfszahl != zahl) {
        fehlerzahl = shortint(fehlerzahl + 1);
        fehlerzeilen[zeile] += 1;
        fehlerspalten[spalte] += 1;
        Fehlerwerte werte;
        werte.wert = fehlerwerte;
        werte.m = fehlerwerteM;
        Text<4> buchstaben;
        const QStringList treffer = kennungen(eingabe, werte);
        for (const QString& k : treffer) {
            buchstaben += k; // a fifth letter has no room, but still counts
            kennungszaehler(k) += 1;
        }
        if (treffer.isEmpty()) {
            buchstaben = QStringLiteral("ud");
            unklarzaehler += 1;
        }
        fehlerkennungen[zeile][spalte] = fehlerkennungen[zeile][spalte] + buchstaben.str();
        tabelle[zeile][spalte] = QString::number(zahl) + QStringLiteral("_") + eingabe.str();
    } else {
        wahl1 = shortint(wahl1 + 1);
        tabelle[zeile][spalte] = QString::number(zahl) + QStringLiteral(" ++");
        // Variant 2: the exchange task of a task answered right is not asked any more.
        if (wahl2 == 2 && (code == 16 || (code == 17 && zahl2 >= 1))) {
            Text<6>& tausch = code == 16 ? tabelle[zahl2][zahl1] : tabelle[zahl1][zahl2 - 1];
            if (tausch == QStringLiteral(" ???  ")) {
                aufgabenanzahl = aufgabenanzahl - 1;
                tausch = QStringLiteral(" T-Ag ");
            }
        }
    }
    for (auto* gitter : { &tabelle, &fehlerkennungen, &aufgabentabelle })
        (*gitter)[zeile][spalte] = (*gitter)[zeile][spalte].str().leftJustified(6, u' ');
}

} // namespace gra
