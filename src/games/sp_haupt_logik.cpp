#include "games/sp_haupt_logik.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"

#include <functional>
#include <limits>
#include <map>

namespace sp_haupt {
namespace {

int flagge(int wert, int index)
{
    return wert == index ? index : -1;
}

// Flags of the four operations with their signs ("masch", "zfz") or of the four main directions with their
// digits ("lvr").
void rechenartenSetzen(const std::vector<int>& w, bool richtungen)
{
    for (int i = 0; i <= 3; ++i) {
        rechenarten[i] = shortint(flagge(w[size_t(i)], i));
        if (rechenarten[i] != i)
            rechenartzeichen[i] = "n";
        else
            rechenartzeichen[i] = richtungen ? QString::number(i) : operatorzeichen[i].str();
    }
}

void rechenartenDazu(std::vector<int>& w)
{
    for (int i = 0; i <= 3; ++i)
        w.push_back(rechenarten[i]);
}

// One section: its keyword, how many values, where they go and where they come from, and whether the line
// keeps a blank after its last value.
struct Abschnitt {
    const char* stichwort;
    int anzahl;
    std::function<void(const std::vector<int>&)> setzen;
    std::function<std::vector<int>()> werte;
    bool blankDanach = false;
};

const std::vector<Abschnitt>& abschnitte()
{
    static const std::vector<Abschnitt> tabelle = {
        { "ziel", 4,
            [](const std::vector<int>& w) {
                variante = w[0];
                spieloption = 0; // the computer opponent is chosen anew every game
                zwzahl2 = w[2];
                zwzahl3 = w[3];
            },
            [] {
                return std::vector<int> { variante, spieloption, zwzahl2, zwzahl3 };
            } },
        { "tic", 1, [](const std::vector<int>& w) { spieloption = byte(w[0]); },
            [] { return std::vector<int> { spieloption }; } },
        { "vg100", 1, [](const std::vector<int>& w) { variante = w[0]; },
            [] { return std::vector<int> { variante }; } },
        { "abr9", 1, [](const std::vector<int>& w) { spieloption = byte(w[0]); },
            [] { return std::vector<int> { spieloption }; } },
        { "lvr", 6,
            [](const std::vector<int>& w) {
                rechenartenSetzen(w, true);
                schrittzahl = w[4];
                zeitwahl = w[5];
            },
            [] {
                std::vector<int> w;
                rechenartenDazu(w);
                w.push_back(schrittzahl);
                w.push_back(zeitwahl);
                return w;
            } },
        { "zr", 2,
            [](const std::vector<int>& w) {
                variante = w[0];
                zeitwahl = w[1];
            },
            [] {
                return std::vector<int> { variante, zeitwahl };
            } },
        { "bot", 2,
            [](const std::vector<int>& w) {
                variante = w[0];
                zeitwahl = w[1];
            },
            [] {
                return std::vector<int> { variante, zeitwahl };
            },
            true },
        { "flip", 2,
            [](const std::vector<int>& w) {
                variante = w[0];
                zeitwahl = w[1];
            },
            [] {
                return std::vector<int> { variante, zeitwahl };
            },
            true },
        { "wr", 4,
            [](const std::vector<int>& w) {
                variante = w[0];
                zeitwahl = w[1];
                schalter1 = w[2];
                schalter2 = w[3];
            },
            [] {
                return std::vector<int> { variante, zeitwahl, schalter1, schalter2 };
            } },
        { "zq", 5,
            [](const std::vector<int>& w) {
                variante = w[0];
                variante2 = w[1];
                zwzahl3 = w[2];
                zwzahl2 = w[3];
                zwzahl4 = w[4];
            },
            [] {
                return std::vector<int> { variante, variante2, zwzahl3, zwzahl2, zwzahl4 };
            } },
        { "bunt", 2,
            [](const std::vector<int>& w) {
                variante = w[0];
                variante2 = w[1];
            },
            [] {
                return std::vector<int> { variante, variante2 };
            } },
        { "masch", 14,
            [](const std::vector<int>& w) {
                rechenartenSetzen(w, false);
                for (int j = 0; j <= 9; ++j) {
                    ziehzahlen[j + 1] = flagge(w[size_t(4 + j)], j);
                    maschinenzahlen[j] = shortint(ziehzahlen[j + 1]);
                }
            },
            [] {
                std::vector<int> w;
                rechenartenDazu(w);
                for (int j = 0; j <= 9; ++j)
                    w.push_back(maschinenzahlen[j]);
                return w;
            } },
        { "zfz", 4, [](const std::vector<int>& w) { rechenartenSetzen(w, false); },
            [] {
                std::vector<int> w;
                rechenartenDazu(w);
                return w;
            } },
        { "kette", 2,
            [](const std::vector<int>& w) {
                variante = w[0];
                variante2 = w[1];
            },
            [] {
                return std::vector<int> { variante, variante2 };
            } },
        { "pyra", 2,
            [](const std::vector<int>& w) {
                variante = w[0];
                variante2 = w[1];
            },
            [] {
                return std::vector<int> { variante, variante2 };
            } },
        { "2n", 5,
            [](const std::vector<int>& w) {
                for (int i = 0; i <= 3; ++i)
                    nachbarlagen[i] = shortint(flagge(w[size_t(i)], i));
                unloesbar = w[4];
            },
            [] {
                std::vector<int> w;
                for (int i = 0; i <= 3; ++i)
                    w.push_back(nachbarlagen[i]);
                w.push_back(unloesbar);
                return w;
            } },
    };
    return tabelle;
}

// Per value of a section, the lowest and highest it may hold: the items of the control that shows it, or the
// range its edit accepts. A flag may hold anything (one that is not its item's index counts as not chosen),
// and so may the opponent of the target game, which is chosen anew every game.
struct Bereich {
    int von, bis;
};
constexpr Bereich beliebig { std::numeric_limits<int>::min(), std::numeric_limits<int>::max() };

std::vector<Bereich> bereiche(const QString& stichwort)
{
    static const std::map<QString, std::vector<Bereich>> tabelle = {
        { "ziel", { { 0, 1 }, beliebig, { 0, 10 }, { 40, 50 } } },
        { "tic", { { 0, 17 } } },
        { "vg100", { { 0, 1 } } },
        { "abr9", { { 0, 1 } } },
        { "lvr", { beliebig, beliebig, beliebig, beliebig, { 2, 9 }, { 0, 3 } } },
        { "zr", { { 0, 3 }, { 0, 3 } } },
        { "bot", { { 0, 7 }, { 0, 3 } } },
        { "flip", { { 0, 7 }, { 0, 3 } } },
        { "wr", { { 0, 14 }, { 0, 3 }, { 0, 1 }, { 0, 1 } } },
        { "zq", { { 1, 100 }, { 0, 100 }, { 0, 1 }, { 0, 1 }, { 0, 1 } } },
        { "bunt", { { 0, 2 }, { 0, 1 } } },
        { "masch", std::vector<Bereich>(14, beliebig) },
        { "zfz", std::vector<Bereich>(4, beliebig) },
        { "kette", { { 0, 3 }, { 0, 2 } } },
        { "pyra", { { 0, 3 }, { 0, 2 } } },
        { "2n", { beliebig, beliebig, beliebig, beliebig, { 0, 1 } } },
    };
    const auto it = tabelle.find(stichwort);
    return it == tabelle.end() ? std::vector<Bereich> {} : it->second;
}

const Abschnitt* finden(const QString& stichwort)
{
    for (const Abschnitt& a : abschnitte())
        if (stichwort == QLatin1String(a.stichwort)) return &a;
    return nullptr;
}

} // namespace

Starter starter(int spiel)
{
    switch (spiel) {
    case 1:
    case 4:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 20:
    case 21:
    case 22:
        return Starter::knobeln;
    case 2:
    case 3:
    case 17:
    case 24:
    case 25:
    case 26:
        return Starter::partner;
    case 5:
    case 6:
    case 7:
    case 8:
    case 18:
    case 19:
        return Starter::gruppe;
    default:
        return Starter::keiner;
    }
}

QString stichwort(int spiel)
{
    switch (spiel) {
    case 1:
    case 12:
        return QStringLiteral("masch");
    case 2:
        return QStringLiteral("vg100");
    case 3:
        return QStringLiteral("tic");
    case 4:
        return QStringLiteral("zfz");
    case 5:
        return QStringLiteral("zr");
    case 6:
        return QStringLiteral("bot");
    case 7:
        return QStringLiteral("flip");
    case 8:
        return QStringLiteral("wr");
    case 9:
    case 11:
        return QStringLiteral("kette");
    case 13:
        return QStringLiteral("bunt");
    case 14:
    case 15:
    case 16:
        return QStringLiteral("2n");
    case 18:
    case 19:
        return QStringLiteral("lvr");
    case 20:
    case 21:
        return QStringLiteral("pyra");
    case 22:
        return QStringLiteral("zq");
    case 24:
        return QStringLiteral("abr9");
    case 26:
        return QStringLiteral("ziel");
    default:
        return QString();
    }
}

QString swina()
{
    return datpfad + QStringLiteral("sw.ina");
}

std::vector<int> abschnittwerte(const QString& stichwort)
{
    const Abschnitt* a = finden(stichwort);
    return a ? a->werte() : std::vector<int> {};
}

void abschnittsetzen(const QString& stichwort, const std::vector<int>& werte)
{
    const Abschnitt* a = finden(stichwort);
    if (!a || int(werte.size()) < a->anzahl) return;
    a->setzen(werte);
}

bool werteGueltig(const QString& stichwort, const std::vector<int>& werte)
{
    const std::vector<Bereich> b = bereiche(stichwort);
    if (b.empty() || werte.size() < b.size()) return false;
    for (size_t i = 0; i < b.size(); ++i)
        if (werte[i] < b[i].von || werte[i] > b[i].bis) return false;
    return true;
}

einstellungsdatei::Abschnittstand abschnittladen(const QString& stichwort)
{
    using einstellungsdatei::Abschnittstand;
    const Abschnitt* a = finden(stichwort);
    if (!a) return Abschnittstand::fehlt;
    std::vector<int> werte;
    const Abschnittstand stand = einstellungsdatei::abschnittlesen(swina(), stichwort, a->anzahl, werte);
    if (stand != Abschnittstand::gelesen) return stand;
    if (!werteGueltig(stichwort, werte)) return Abschnittstand::beschaedigt;
    a->setzen(werte);
    return Abschnittstand::gelesen;
}

QString beschaedigtMeldung(const QString& stichwort)
{
    return einstellungsdatei::beschaedigtMeldung(swina(), stichwort);
}

void abschnittschreiben(const QString& stichwort)
{
    abschnittschreiben(stichwort, abschnittwerte(stichwort));
}

void abschnittschreiben(const QString& stichwort, const std::vector<int>& werte)
{
    const Abschnitt* a = finden(stichwort);
    if (!a || !files::fileExists(swina())) return;
    QString zeile = einstellungsdatei::wertezeile(werte);
    if (a->blankDanach) zeile += QLatin1Char(' ');
    try {
        einstellungsdatei::abschnittschreibenTexte(swina(), stichwort, { zeile });
    } catch (const RuntimeError&) {
        // The old file stays as it was; the options chosen still go to the game.
    }
}

} // namespace sp_haupt
