#include "analyses/f_ss_logik.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"

#include <array>

namespace ss {
namespace {

struct Zeit {
    const char* eintrag;
    const char* label;
    float dauer;
};

const std::array<Zeit, kZeiten> zeiten { {
    { " 0,2 sec", "0,2 sec    ", 0.000002f },
    { " 0,5 sec", "0,5 sec    ", 0.000005f },
    { " 1,0 sec", "1,0 sec    ", 0.00001f },
    { " 2,5 sec", "2,5 sec    ", 0.000025f },
    { " 5,0 sec", "5,0 sec    ", 0.00005f },
} };

int index(int k)
{
    return k < 0 ? 0 : (k >= kZeiten ? kZeiten - 1 : k);
}

void anhaengen(int wert)
{
    anzahl = anzahl + 1;
    zahlenbeutel[anzahl] = byte(wert);
}

// The two leading lines of every "fw.ina" the installation brings.
const char* const kKopf1 = "TAVI Einstellungen Fehleranalysen";
const char* const kKopf2 = "nicht von Hand ändern";

} // namespace

QString zeiteintrag(int k)
{
    return QString::fromUtf8(zeiten[size_t(index(k))].eintrag);
}

QString zeitlabel(int k)
{
    return QString::fromUtf8(zeiten[size_t(index(k))].label);
}

float zeitdauer(int k)
{
    return zeiten[size_t(index(k))].dauer;
}

QString stichwort(int code)
{
    switch (code) {
    case Zwanzigerfeld:
        return QStringLiteral("ss20");
    case Hunderterfeld:
        return QStringLiteral("ss100");
    default:
        return QStringLiteral("ss_10");
    }
}

QString dateipraefix(int code)
{
    switch (code) {
    case Zwanzigerfeld:
        return QStringLiteral("ss20__");
    case Hunderterfeld:
        return QStringLiteral("ss100_");
    default:
        return QStringLiteral("ss10__");
    }
}

void wahlliste(int listen)
{
    anzahl = 0;
    for (int k = 0; k <= 9; ++k)
        if (zahlenwahl1[k] > -1) anhaengen(zahlenwahl1[k]);
    if (listen == 2)
        for (int k = 0; k <= 9; ++k)
            if (zahlenwahl2[k] > -1) anhaengen(zahlenwahl2[k]);
    vorratsgroesse = anzahl;
}

void hunderterzahlen()
{
    anzahl = 0;
    for (int z = 0; z <= 9; ++z) {
        const int t = zahlenwahl1[z];
        if (t <= -1) continue;
        for (int e = 0; e <= 9; ++e) {
            const int ei = zahlenwahl2[e];
            if (ei > -1 && t + ei > 0) anhaengen(t * 10 + ei);
        }
    }
    vorratsgroesse = anzahl;
}

void zahlenbilden(int code)
{
    if (code == Hunderterfeld)
        hunderterzahlen();
    else
        wahlliste(code == Zwanzigerfeld ? 2 : 1);
}

void zeitliste()
{
    QString zeile5 = QStringLiteral("vorg      ");
    QString zeile6 = QStringLiteral("Zahl     ");
    zeitwahl = 0;
    for (int k = 0; k < kZeiten; ++k) {
        if (wahlbytes[k] != k) continue;
        zeitwahl = zeitwahl + 1;
        darbietungszeiten[zeitwahl] = zeitdauer(k);
        zeile6 += QStringLiteral("Zahl/Zeit  ");
        zeile5 += zeitlabel(k);
    }
    protzeilen[5] = zeile5 + QStringLiteral(" ok?     P");
    protzeilen[6] = zeile6 + QStringLiteral("  Zeit");
}

bool startbereit()
{
    return anzahl > 0 && zeitwahl > 0 && !schuelername.isEmpty();
}

int aufgabenbegrenzt(int wert)
{
    return wert > kMaxAufgaben ? kMaxAufgaben : (wert < 1 ? 1 : wert);
}

int minutenbegrenzt(int wert)
{
    return wert > kMaxMinuten ? kMaxMinuten : (wert < 1 ? 1 : wert);
}

std::vector<std::vector<int>> standardwerte(int code)
{
    std::vector<int> wahl;
    for (int k = 0; k <= 9; ++k)
        wahl.push_back(code == Hunderterfeld ? k : k + 1);
    for (int k = 0; k <= 9; ++k)
        wahl.push_back(code == Hunderterfeld ? k : (code == Zwanzigerfeld ? k + 11 : -1));
    return { wahl, { 1 }, { 0 }, { 1 }, { 20 }, { 10 }, { -1, 1, 2, 3, -1 } };
}

std::vector<std::vector<int>> abschnittwerte()
{
    std::vector<int> wahl;
    for (int k = 0; k <= 9; ++k)
        wahl.push_back(zahlenwahl1[k]);
    for (int k = 0; k <= 9; ++k)
        wahl.push_back(zahlenwahl2[k]);
    std::vector<int> zeitenwahl;
    for (int k = 0; k < kZeiten; ++k)
        zeitenwahl.push_back(wahlbytes[k] == k ? k : -1);
    return { wahl, { schalter1 }, { schalter2 }, { rasterbleibt }, { mindestaufgaben }, { mindestminuten },
        zeitenwahl };
}

namespace {

void werteSetzen(const std::vector<int>& werte)
{
    size_t i = 0;
    for (int k = 0; k <= 9; ++k)
        zahlenwahl1[k] = werte[i++];
    for (int k = 0; k <= 9; ++k)
        zahlenwahl2[k] = werte[i++];
    schalter1 = werte[i++];
    schalter2 = werte[i++];
    rasterbleibt = werte[i++];
    mindestaufgaben = werte[i++];
    mindestminuten = werte[i++];
    for (int k = 0; k < kZeiten; ++k)
        wahlbytes[k] = byte(werte[i++]);
}

// What the set-up itself writes: a chosen number is its entry's own (10 and 20 field: 1..20; hundred field: the
// digits 0..9) or -1, a switch 0 or 1 (or -1, none chosen), the counts within their edits' bounds, a time its
// own index or -1. Anything else was not written by the program; the numbers go into bytes and products, so
// such a value is never used.
bool werteImBereich(const std::vector<int>& werte, int code)
{
    const int hoechste = code == Hunderterfeld ? 9 : 20;
    const int niedrigste = code == Hunderterfeld ? 0 : 1;
    size_t i = 0;
    for (; i < 20; ++i)
        if (werte[i] != -1 && (werte[i] < niedrigste || werte[i] > hoechste)) return false;
    for (; i < 23; ++i)
        if (werte[i] < -1 || werte[i] > 1) return false;
    if (werte[23] < 0 || werte[23] > kMaxAufgaben) return false;
    if (werte[24] < 0 || werte[24] > kMaxMinuten) return false;
    for (int k = 0; k < kZeiten; ++k)
        if (werte[25 + size_t(k)] != -1 && werte[25 + size_t(k)] != k) return false;
    return true;
}

} // namespace

void standardSetzen(int code)
{
    std::vector<int> werte;
    for (const auto& zeile : standardwerte(code))
        werte.insert(werte.end(), zeile.begin(), zeile.end());
    werteSetzen(werte);
}

bool abschnittladen(const QString& datei, int code)
{
    std::vector<int> werte;
    if (!einstellungsdatei::abschnittladen(datei, stichwort(code), 30, werte)) {
        standardSetzen(code);
        return false;
    }
    if (!werteImBereich(werte, code)) throw RuntimeError(einstellungsdatei::beschaedigtMeldung(datei, stichwort(code)));
    werteSetzen(werte);
    return true;
}

void abschnittschreiben(const QString& datei, int code)
{
    if (!files::fileExists(datei)) {
        TextFile f;
        f.setChecked(true);
        f.assign(datei);
        f.rewrite();
        f.writeLine(QString::fromUtf8(kKopf1));
        f.writeLine(QString::fromUtf8(kKopf2));
        f.close();
    }
    einstellungsdatei::abschnittschreibenZeilen(datei, stichwort(code), abschnittwerte());
}

} // namespace ss
