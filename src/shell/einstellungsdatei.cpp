#include "shell/einstellungsdatei.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace einstellungsdatei {
namespace {

// One line of the file as it stands on disk: its text and the line end it had.
struct Zeile {
    QByteArray text;
    QByteArray ende;
};

std::vector<Zeile> rohzeilen(const QString& datei)
{
    const QString pfad = files::resolve(datei);
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) throw IoError(f.exists() ? IoAccessDenied : IoFileNotFound, datei);
    const QByteArray alles = f.readAll();
    std::vector<Zeile> zeilen;
    int pos = 0;
    while (pos < alles.size()) {
        int e = pos;
        while (e < alles.size() && alles[e] != '\r' && alles[e] != '\n')
            ++e;
        Zeile z { alles.mid(pos, e - pos), {} };
        int n = e;
        if (n < alles.size() && alles[n] == '\r') ++n;
        if (n < alles.size() && alles[n] == '\n') ++n;
        z.ende = alles.mid(e, n - e);
        zeilen.push_back(z);
        pos = n;
    }
    return zeilen;
}

void schreiben(const QString& datei, const std::vector<Zeile>& zeilen)
{
    QByteArray alles;
    for (const Zeile& z : zeilen)
        alles += z.text + z.ende;
    if (const int code = files::writeWhole(files::resolve(datei), alles)) throw IoError(code, datei);
}

// A keyword line: one word of letters, digits and "_" with at least one letter ("zr10", "2n", "1x1felder").
// A value line never looks like this, and a damaged one (letters between numbers, a line cut short, bytes of
// another encoding) does not either, so a section runs from its keyword to the next such line.
bool istStichwortzeile(const QByteArray& text)
{
    if (text.isEmpty()) return false;
    bool buchstabe = false;
    for (const char c : text) {
        const bool klein = c >= 'a' && c <= 'z', gross = c >= 'A' && c <= 'Z';
        if (!klein && !gross && !(c >= '0' && c <= '9') && c != '_') return false;
        buchstabe = buchstabe || klein || gross;
    }
    return buchstabe;
}

// Index of the last line that is exactly the keyword, or -1.
int stichwortindex(const std::vector<Zeile>& zeilen, const QByteArray& stichwort)
{
    for (int i = int(zeilen.size()) - 1; i >= 0; --i)
        if (zeilen[size_t(i)].text == stichwort) return i;
    return -1;
}

void pufferfuellen(const std::vector<Zeile>& zeilen)
{
    zeilenzahl = 0;
    for (const Zeile& z : zeilen) {
        if (zeilenzahl >= zeilenpuffer.high()) break;
        zeilenpuffer[++zeilenzahl] = cp1252::decode(z.text);
    }
}

// The section's values after line `ab`, read across blanks and line ends up to the next keyword line or the
// end of the file, never further: a keyword is never taken as values.
enum class Lesefehler { keiner, keineZahl, zuWenig };
Lesefehler zahlenlesen(const std::vector<Zeile>& zeilen, int ab, int anzahl, std::vector<int>& werte)
{
    werte.clear();
    for (size_t i = size_t(ab); i < zeilen.size() && int(werte.size()) < anzahl; ++i) {
        if (istStichwortzeile(zeilen[i].text)) break;
        for (const QByteArray& t : zeilen[i].text.split(' ')) {
            const QByteArray s = t.trimmed();
            if (s.isEmpty()) continue;
            bool ok = false;
            const int v = s.toInt(&ok);
            if (!ok) return Lesefehler::keineZahl;
            werte.push_back(v);
            if (int(werte.size()) == anzahl) break;
        }
    }
    return int(werte.size()) == anzahl ? Lesefehler::keiner : Lesefehler::zuWenig;
}

// The loaders of the aids and analyses: a section cut short by the end of the file reads 0 for what is
// missing, as the runtime does past the end; anything else that is no number is the I/O error.
std::vector<int> zahlenOderFehler(const std::vector<Zeile>& zeilen, int ab, int anzahl, const QString& datei)
{
    std::vector<int> werte;
    const Lesefehler f = zahlenlesen(zeilen, ab, anzahl, werte);
    const bool dateiende = f == Lesefehler::zuWenig
        && std::none_of(zeilen.begin() + std::min<std::ptrdiff_t>(ab, std::ptrdiff_t(zeilen.size())), zeilen.end(),
            [](const Zeile& z) { return istStichwortzeile(z.text); });
    if (f == Lesefehler::keineZahl || (f == Lesefehler::zuWenig && !dateiende)) throw IoError(IoInvalidNumber, datei);
    werte.resize(size_t(anzahl), 0);
    return werte;
}

// The two leading lines of a file that lost them (emptied, or cut short within them), as the installed file
// of the same name has them; empty lines where there is none.
void kopfzeilenErgaenzen(const QString& datei, std::vector<Zeile>& zeilen)
{
    if (zeilen.size() >= 2
        || std::any_of(zeilen.begin(), zeilen.end(), [](const Zeile& z) { return istStichwortzeile(z.text); }))
        return;
    std::vector<Zeile> installiert;
    try {
        installiert = rohzeilen(folders::installFolder() + QFileInfo(datei).fileName());
    } catch (const IoError&) {
    }
    for (size_t i = zeilen.size(); i < 2; ++i)
        zeilen.push_back({ i < installiert.size() ? installiert[i].text : QByteArray(), "\r\n" });
}

} // namespace

QString wertezeile(const std::vector<int>& werte)
{
    QStringList teile;
    for (int v : werte)
        teile << QString::number(v);
    return teile.join(u' ');
}

bool abschnittladen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte)
{
    zeilenzahl = 0;
    stichwortzeile = 0;
    if (!files::fileExists(datei)) return false;
    const std::vector<Zeile> zeilen = rohzeilen(datei);
    pufferfuellen(zeilen);
    const int idx = stichwortindex(zeilen, cp1252::encode(stichwort));
    if (idx < 0) return false;
    stichwortzeile = idx + 1;
    werte = zahlenOderFehler(zeilen, idx + 1, anzahl, datei);
    return true;
}

Abschnittstand abschnittlesen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte)
{
    zeilenzahl = 0;
    stichwortzeile = 0;
    if (!files::fileExists(datei)) return Abschnittstand::fehlt;
    const std::vector<Zeile> zeilen = rohzeilen(datei);
    pufferfuellen(zeilen);
    const int idx = stichwortindex(zeilen, cp1252::encode(stichwort));
    if (idx < 0) return Abschnittstand::fehlt;
    stichwortzeile = idx + 1;
    std::vector<int> gelesen;
    if (zahlenlesen(zeilen, idx + 1, anzahl, gelesen) != Lesefehler::keiner) return Abschnittstand::beschaedigt;
    werte = gelesen;
    return Abschnittstand::gelesen;
}

void abschnittschreiben(const QString& datei, const QString& stichwort, const std::vector<int>& werte)
{
    abschnittschreibenZeilen(datei, stichwort, { werte });
}

void abschnittschreibenZeilen(const QString& datei, const QString& stichwort, const std::vector<std::vector<int>>& neu)
{
    QStringList texte;
    for (const auto& w : neu)
        texte << wertezeile(w);
    abschnittschreibenTexte(datei, stichwort, texte);
}

void abschnittschreibenTexte(const QString& datei, const QString& stichwort, const QStringList& neu)
{
    std::vector<Zeile> zeilen = rohzeilen(datei);
    const QByteArray wort = cp1252::encode(stichwort);
    if (!zeilen.empty() && zeilen.back().ende.isEmpty()) zeilen.back().ende = "\r\n";
    int idx = stichwortindex(zeilen, wort);
    if (idx < 0) {
        kopfzeilenErgaenzen(datei, zeilen);
        zeilen.push_back({ wort, "\r\n" });
        idx = int(zeilen.size()) - 1;
    }
    // Every old line of the section goes, up to the next keyword: a value line spread over two, a line cut
    // short or one that is no numbers would otherwise stay behind as a stray line. When the next keyword
    // follows at once, the new lines are inserted before it.
    const auto von = zeilen.begin() + idx + 1;
    const auto bis = std::find_if(von, zeilen.end(), [](const Zeile& z) { return istStichwortzeile(z.text); });
    std::vector<Zeile> ersatz;
    for (const QString& t : neu)
        ersatz.push_back({ cp1252::encode(t), "\r\n" });
    const auto pos = zeilen.erase(von, bis);
    zeilen.insert(pos, ersatz.begin(), ersatz.end());
    schreiben(datei, zeilen);
    pufferfuellen(zeilen);
    stichwortzeile = idx + 1;
}

bool kopfladen(const QString& datei, int& mindestminuten, int& mindestaufgaben)
{
    if (!files::fileExists(datei)) return false;
    const std::vector<Zeile> zeilen = rohzeilen(datei);
    const std::vector<int> w = zahlenOderFehler(zeilen, 3, 2, datei);
    mindestminuten = w[0];
    mindestaufgaben = w[1];
    return true;
}

void kopfschreiben(const QString& datei, int mindestminuten, int mindestaufgaben)
{
    std::vector<Zeile> zeilen = rohzeilen(datei);
    kopfzeilenErgaenzen(datei, zeilen);
    while (zeilen.size() < 4)
        zeilen.push_back({ {}, "\r\n" });
    for (size_t i = 0; i < 4; ++i)
        if (zeilen[i].ende.isEmpty()) zeilen[i].ende = "\r\n";
    zeilen[2].text = "limit";
    zeilen[3].text = wertezeile({ mindestminuten, mindestaufgaben }).toLatin1();
    schreiben(datei, zeilen);
    pufferfuellen(zeilen);
}

} // namespace einstellungsdatei
