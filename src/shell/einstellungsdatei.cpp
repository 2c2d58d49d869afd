#include "shell/einstellungsdatei.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"

#include <QFile>

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

// A line of blank-separated integers (or an empty one), as opposed to a keyword line.
bool istWertezeile(const QByteArray& text)
{
    for (const QByteArray& t : text.split(' ')) {
        bool ok = true;
        if (!t.trimmed().isEmpty()) t.trimmed().toInt(&ok);
        if (!ok) return false;
    }
    return true;
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

// Reads `anzahl` integers from the text after line `ab`, across blanks and line ends.
std::vector<int> zahlenlesen(const std::vector<Zeile>& zeilen, int ab, int anzahl, const QString& datei)
{
    std::vector<int> werte;
    for (size_t i = size_t(ab); i < zeilen.size() && int(werte.size()) < anzahl; ++i) {
        const QList<QByteArray> teile = zeilen[i].text.split(' ');
        for (const QByteArray& t : teile) {
            const QByteArray s = t.trimmed();
            if (s.isEmpty()) continue;
            bool ok = false;
            const int v = s.toInt(&ok);
            if (!ok) throw IoError(IoInvalidNumber, datei);
            werte.push_back(v);
            if (int(werte.size()) == anzahl) break;
        }
    }
    // Past the end of the file the runtime reads 0.
    werte.resize(size_t(anzahl), 0);
    return werte;
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
    werte = zahlenlesen(zeilen, idx + 1, anzahl, datei);
    return true;
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
        zeilen.push_back({ wort, "\r\n" });
        idx = int(zeilen.size()) - 1;
    }
    // Old value lines that are replaced: as many as there are new ones, as far as the section goes. In a
    // damaged or hand-edited file the next keyword may follow at once; it stays, and the missing value lines
    // are inserted before it.
    const auto von = zeilen.begin() + idx + 1;
    auto bis = von;
    while (bis != zeilen.end() && bis - von < std::ptrdiff_t(neu.size()) && istWertezeile(bis->text))
        ++bis;
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
    const std::vector<int> w = zahlenlesen(zeilen, 3, 2, datei);
    mindestminuten = w[0];
    mindestaufgaben = w[1];
    return true;
}

void kopfschreiben(const QString& datei, int mindestminuten, int mindestaufgaben)
{
    std::vector<Zeile> zeilen = rohzeilen(datei);
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
