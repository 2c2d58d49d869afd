#include "shell/einstellungsdatei.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <optional>

namespace einstellungsdatei {
namespace {

// One line of the file as it stands on disk: its text and the line end it had.
struct Zeile {
    QByteArray text;
    QByteArray ende;
};

// The file's bytes; none where there is no such file (a folder in its place is none either). Another PC may be
// replacing it just then: what the share answers meanwhile is waited out by the layer, never taken for a missing
// or empty file, which would put the defaults in place of the teacher's settings.
std::optional<QByteArray> vorhandeneBytes(const QString& datei)
{
    QByteArray alles;
    const int err = files::readShared(datei, alles);
    if (err == ENOENT || err == EISDIR) return std::nullopt;
    if (err) throw IoError(IoAccessDenied, datei);
    return alles;
}

QByteArray rohbytes(const QString& datei)
{
    QByteArray alles;
    if (const int err = files::readShared(datei, alles))
        throw IoError(err == ENOENT ? IoFileNotFound : IoAccessDenied, datei);
    return alles;
}

std::vector<Zeile> zeilenVon(const QByteArray& alles)
{
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

std::vector<Zeile> rohzeilen(const QString& datei)
{
    return zeilenVon(rohbytes(datei));
}

void schreiben(const QString& datei, const std::vector<Zeile>& zeilen)
{
    QByteArray alles;
    for (const Zeile& z : zeilen)
        alles += z.text + z.ende;
    if (const int code = files::writeWhole(files::resolve(datei), alles)) throw IoError(code, datei);
}

// The keywords each file's readers know. A section runs from its keyword to the next of these, so a damaged
// value line (a word, letters between numbers, bytes of another encoding) stays inside its section and goes
// with the section's next rewrite. The work limits of the aids file stand at line 3 under "limit".
struct Dateiart {
    const char* name;
    std::vector<QByteArray> woerter;
    QByteArray kopfwort; // a section that belongs right after the leading lines, or empty
};

const std::vector<Dateiart>& dateiarten()
{
    static const std::vector<Dateiart> arten = {
        { "hw.ina",
            { "limit", "wieviel", "Strahl", "Schlangen", "zr10", "zr20", "tab1p1", "tab1m1", "tab1x1", "tab1d1",
                "tab8x8", "h1x1", "h1d1", "m1x1", "mr", "pm100", "hsv", "sv" },
            "limit" },
        { "fw.ina", { "1p1", "gemzp", "1m1_10", "1m1_20", "gemzm", "1x1", "1d1", "ss_10", "ss20", "ss100" }, {} },
        { "aw.ina", { "zehn", "abl10_20", "abl_zue", "1x1felder" }, {} },
        { "sw.ina",
            { "ziel", "tic", "vg100", "abr9", "lvr", "zr", "bot", "flip", "wr", "zq", "bunt", "masch", "zfz", "kette",
                "pyra", "2n" },
            {} },
    };
    return arten;
}

const Dateiart* dateiart(const QString& datei)
{
    const QString name = QFileInfo(datei).fileName();
    for (const Dateiart& a : dateiarten())
        if (name.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0) return &a;
    return nullptr;
}

// A line without what an editor may leave around a keyword: blanks, a non-breaking space (Windows-1252 0xA0),
// a NUL.
QByteArray ohneRand(const QByteArray& zeile)
{
    const auto rand = [](char c) {
        return c == ' ' || c == '\t' || c == '\0' || c == '\xA0' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    qsizetype anfang = 0, ende = zeile.size();
    while (anfang < ende && rand(zeile.at(anfang)))
        ++anfang;
    while (ende > anfang && rand(zeile.at(ende - 1)))
        --ende;
    return zeile.mid(anfang, ende - anfang);
}

// What the readers of one file take for keyword lines: a line that is one of the file's keywords, in any
// letter case and with blanks before or after it, as an editor may leave them.
class Stichwoerter {
public:
    Stichwoerter(const QString& datei, const QByteArray& gesucht)
    {
        const Dateiart* art = dateiart(datei);
        Q_ASSERT_X(art && std::count(art->woerter.begin(), art->woerter.end(), gesucht) == 1, "einstellungsdatei",
            "a keyword the file's readers do not know");
        if (art) {
            m_woerter = art->woerter;
            m_kopfwort = art->kopfwort;
        }
        if (std::find(m_woerter.begin(), m_woerter.end(), gesucht) == m_woerter.end()) m_woerter.push_back(gesucht);
    }
    // Every keyword of the file, for a look at the file as a whole.
    explicit Stichwoerter(const QString& datei)
    {
        if (const Dateiart* art = dateiart(datei)) m_woerter = art->woerter;
    }

    static bool passt(const QByteArray& zeile, const QByteArray& wort)
    {
        return ohneRand(zeile).compare(wort, Qt::CaseInsensitive) == 0;
    }
    bool istStichwortzeile(const QByteArray& zeile) const
    {
        return std::any_of(m_woerter.begin(), m_woerter.end(), [&](const QByteArray& w) { return passt(zeile, w); });
    }
    // Index of the first keyword line at or after `ab`, or the number of lines.
    size_t naechstes(const std::vector<Zeile>& zeilen, size_t ab) const
    {
        while (ab < zeilen.size() && !istStichwortzeile(zeilen[ab].text))
            ++ab;
        return ab;
    }
    bool istKopfwort(const QByteArray& wort) const { return !m_kopfwort.isEmpty() && wort == m_kopfwort; }

private:
    std::vector<QByteArray> m_woerter;
    QByteArray m_kopfwort;
};

// Index of the last line that is the keyword, or -1.
int stichwortindex(const std::vector<Zeile>& zeilen, const QByteArray& stichwort)
{
    for (int i = int(zeilen.size()) - 1; i >= 0; --i)
        if (Stichwoerter::passt(zeilen[size_t(i)].text, stichwort)) return i;
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
Lesefehler zahlenlesen(
    const std::vector<Zeile>& zeilen, const Stichwoerter& woerter, int ab, int anzahl, std::vector<int>& werte)
{
    werte.clear();
    for (size_t i = size_t(ab); i < zeilen.size() && int(werte.size()) < anzahl; ++i) {
        if (woerter.istStichwortzeile(zeilen[i].text)) break;
        // An editor may leave tabs where the program writes one blank: any run of blanks and tabs separates.
        for (const QByteArray& t : zeilen[i].text.simplified().split(' ')) {
            if (t.isEmpty()) continue;
            // Plain decimals only ("1e5" is no number); one that does not fit an int is no number either.
            bool ok = false;
            const int v = t.toInt(&ok, 10);
            if (!ok) return Lesefehler::keineZahl;
            werte.push_back(v);
            if (int(werte.size()) == anzahl) break;
        }
    }
    return int(werte.size()) == anzahl ? Lesefehler::keiner : Lesefehler::zuWenig;
}

// The loaders of the aids and analyses: a section cut short by the end of the file reads 0 for what is
// missing, as the runtime does past the end; anything else that is no number is the I/O error.
std::vector<int> zahlenOderFehler(
    const std::vector<Zeile>& zeilen, const Stichwoerter& woerter, int ab, int anzahl, const QString& datei)
{
    std::vector<int> werte;
    const Lesefehler f = zahlenlesen(zeilen, woerter, ab, anzahl, werte);
    const bool dateiende = f == Lesefehler::zuWenig && woerter.naechstes(zeilen, size_t(ab)) >= zeilen.size();
    if (f == Lesefehler::keineZahl || (f == Lesefehler::zuWenig && !dateiende)) throw IoError(IoInvalidNumber, datei);
    werte.resize(size_t(anzahl), 0);
    return werte;
}

// The lines of the installed file of the same name; none where it cannot be read.
std::vector<Zeile> installierteZeilen(const QString& datei)
{
    try {
        return rohzeilen(folders::installFolder() + QFileInfo(datei).fileName());
    } catch (const IoError&) {
        return {};
    }
}

// Lines 1 and 2 are the installed file's leading lines. A file that lost them (emptied, cut short, left as
// NUL bytes, a keyword put first by hand) or holds others gets them back in place of whatever stood before
// its first keyword. Without an installed file to take them from, empty lines stand in for lost ones, so that
// no keyword comes to stand on line 1 or 2.
void kopfHerstellen(const QString& datei, const Stichwoerter& woerter, std::vector<Zeile>& zeilen)
{
    const size_t erstes = woerter.naechstes(zeilen, 0);
    const std::vector<Zeile> installiert = installierteZeilen(datei);
    std::vector<Zeile> kopf;
    if (installiert.size() >= 2) {
        if (erstes >= 2 && zeilen[0].text == installiert[0].text && zeilen[1].text == installiert[1].text) return;
        kopf = { { installiert[0].text, "\r\n" }, { installiert[1].text, "\r\n" } };
    } else {
        if (erstes >= 2) return;
        kopf.assign(zeilen.begin(), zeilen.begin() + std::ptrdiff_t(erstes));
        kopf.insert(kopf.begin(), 2 - erstes, Zeile { {}, "\r\n" });
    }
    zeilen.erase(zeilen.begin(), zeilen.begin() + std::ptrdiff_t(erstes));
    zeilen.insert(zeilen.begin(), kopf.begin(), kopf.end());
}

// A file that is there and holds something but none of its keywords (saved as UTF-16 by an editor, cut to a
// few bytes, left as NUL bytes by a PC that went down) is not the settings file that it was: it is damaged, not
// missing. Nothing is read from it, and it is never rewritten before its bytes are kept beside it.
bool unlesbar(const QString& datei, const QByteArray& alles, const std::vector<Zeile>& zeilen)
{
    const bool leer
        = std::all_of(alles.begin(), alles.end(), [](char c) { return c == ' ' || c == '\r' || c == '\n'; });
    if (leer) return false;
    const Stichwoerter woerter(datei);
    return woerter.naechstes(zeilen, 0) >= zeilen.size();
}

// Files (and sections) that were said to be damaged in this session: each is said once, until it reads again.
QSet<QString>& gemeldet()
{
    static QSet<QString> schon;
    return schon;
}

void einmalMelden(const QString& schluessel, const QString& meldung)
{
    if (gemeldet().contains(schluessel)) return;
    gemeldet().insert(schluessel);
    reportError(meldung);
}

QString dateischluessel(const QString& datei)
{
    return QFileInfo(files::resolve(datei)).absoluteFilePath();
}

// Where the bytes of a damaged file are kept: "<name>.beschaedigt", or the next free "<name>.beschaedigtN"
// when a teacher has not yet removed an earlier one with other bytes. Empty when there is no free name.
QString sicherungsname(const QString& datei, const QByteArray& alles)
{
    const QString basis = files::resolve(datei) + QStringLiteral(".beschaedigt");
    for (int n = 1; n <= 99; ++n) {
        const QString name = n == 1 ? basis : basis + QString::number(n);
        QFile f(name);
        if (!f.exists()) return name;
        if (f.open(QIODevice::ReadOnly) && f.readAll() == alles) return name;
    }
    return {};
}

void dateiMelden(const QString& datei, const QByteArray& alles)
{
    einmalMelden(dateischluessel(datei),
        QStringLiteral("Die Datei \"%1\" ist beschädigt und kann nicht gelesen werden. Es gelten die "
                       "Voreinstellungen; ihr Inhalt bleibt beim nächsten Speichern als \"%2\" erhalten.")
            .arg(datei, QFileInfo(sicherungsname(datei, alles)).fileName()));
}

// Keeps the damaged file's bytes beside it before it is rewritten; throws IoError when they cannot be kept.
void sichern(const QString& datei, const QByteArray& alles)
{
    const QString name = sicherungsname(datei, alles);
    if (name.isEmpty()) throw IoError(IoFileExists, files::resolve(datei) + QStringLiteral(".beschaedigt"));
    if (QFileInfo::exists(name)) return;
    const int code = files::createNew(name, alles);
    if (code == IoFileExists) return sichern(datei, alles);
    if (code) throw IoError(code, name);
}

// The file's lines for a reader: none, and said once, when the file is damaged as a whole.
std::vector<Zeile> leselinien(const QString& datei, const QByteArray& alles, bool& beschaedigt)
{
    std::vector<Zeile> zeilen = zeilenVon(alles);
    beschaedigt = unlesbar(datei, alles, zeilen);
    if (beschaedigt) {
        dateiMelden(datei, alles);
        return {};
    }
    gemeldet().remove(dateischluessel(datei));
    return zeilen;
}

} // namespace

QStringList stichwoerter(const QString& dateiname)
{
    QStringList liste;
    if (const Dateiart* art = dateiart(dateiname))
        for (const QByteArray& w : art->woerter)
            liste << QString::fromLatin1(w);
    return liste;
}

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
    const std::optional<QByteArray> alles = vorhandeneBytes(datei);
    if (!alles) return false;
    bool beschaedigt = false;
    const std::vector<Zeile> zeilen = leselinien(datei, *alles, beschaedigt);
    pufferfuellen(zeilen);
    const QByteArray wort = cp1252::encode(stichwort);
    const int idx = stichwortindex(zeilen, wort);
    if (idx < 0) return false;
    stichwortzeile = idx + 1;
    werte = zahlenOderFehler(zeilen, Stichwoerter(datei, wort), idx + 1, anzahl, datei);
    return true;
}

Abschnittstand abschnittlesen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte)
{
    zeilenzahl = 0;
    stichwortzeile = 0;
    const std::optional<QByteArray> alles = vorhandeneBytes(datei);
    if (!alles) return Abschnittstand::fehlt;
    bool beschaedigt = false;
    const std::vector<Zeile> zeilen = leselinien(datei, *alles, beschaedigt);
    pufferfuellen(zeilen);
    const QByteArray wort = cp1252::encode(stichwort);
    const int idx = stichwortindex(zeilen, wort);
    if (idx < 0) return Abschnittstand::fehlt;
    stichwortzeile = idx + 1;
    std::vector<int> gelesen;
    if (zahlenlesen(zeilen, Stichwoerter(datei, wort), idx + 1, anzahl, gelesen) != Lesefehler::keiner)
        return Abschnittstand::beschaedigt;
    werte = gelesen;
    return Abschnittstand::gelesen;
}

bool voreinstellung(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte)
{
    const std::vector<Zeile> zeilen = installierteZeilen(datei);
    const QByteArray wort = cp1252::encode(stichwort);
    const int idx = stichwortindex(zeilen, wort);
    std::vector<int> gelesen;
    if (idx < 0 || zahlenlesen(zeilen, Stichwoerter(datei, wort), idx + 1, anzahl, gelesen) != Lesefehler::keiner)
        return false;
    werte = gelesen;
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
    const QByteArray alles = rohbytes(datei);
    std::vector<Zeile> zeilen = zeilenVon(alles);
    if (unlesbar(datei, alles, zeilen)) {
        dateiMelden(datei, alles);
        sichern(datei, alles);
        zeilen.clear();
    }
    const QByteArray wort = cp1252::encode(stichwort);
    const Stichwoerter woerter(datei, wort);
    if (!zeilen.empty() && zeilen.back().ende.isEmpty()) zeilen.back().ende = "\r\n";
    kopfHerstellen(datei, woerter, zeilen);
    int idx = stichwortindex(zeilen, wort);
    if (idx < 0) {
        // A missing section is appended; the work limits go back to their place under the leading lines.
        idx = woerter.istKopfwort(wort) ? 2 : int(zeilen.size());
        zeilen.insert(zeilen.begin() + idx, { wort, "\r\n" });
    }
    // The keyword is written as the readers of every PC look for it.
    zeilen[size_t(idx)].text = wort;
    // Every old line of the section goes, up to the next keyword: a value line spread over two, a line cut
    // short or one that is no numbers would otherwise stay behind as a stray line. When the next keyword
    // follows at once, the new lines are inserted before it.
    const auto von = zeilen.begin() + idx + 1;
    const auto bis = zeilen.begin() + std::ptrdiff_t(woerter.naechstes(zeilen, size_t(idx) + 1));
    std::vector<Zeile> ersatz;
    for (const QString& t : neu)
        ersatz.push_back({ cp1252::encode(t), "\r\n" });
    const auto pos = zeilen.erase(von, bis);
    zeilen.insert(pos, ersatz.begin(), ersatz.end());
    schreiben(datei, zeilen);
    gemeldet().remove(dateischluessel(datei));
    pufferfuellen(zeilen);
    stichwortzeile = idx + 1;
}

bool kopfladen(const QString& datei, int& mindestminuten, int& mindestaufgaben)
{
    const std::optional<QByteArray> alles = vorhandeneBytes(datei);
    if (!alles) return false;
    bool beschaedigt = false;
    const std::vector<Zeile> zeilen = leselinien(datei, *alles, beschaedigt);
    const QByteArray wort = "limit";
    if (beschaedigt) {
        mindestminuten = 0;
        mindestaufgaben = 0;
        return true;
    }
    const int idx = stichwortindex(zeilen, wort);
    if (idx < 0) return true;
    std::vector<int> w;
    const QString schluessel = dateischluessel(datei) + QStringLiteral("|limit");
    // Limits that cannot be read must not keep every aid closed: they are said, and no limit holds until
    // "ändern" writes them anew.
    if (zahlenlesen(zeilen, Stichwoerter(datei, wort), idx + 1, 2, w) != Lesefehler::keiner) {
        einmalMelden(schluessel, beschaedigtMeldung(datei, QStringLiteral("limit")));
        mindestminuten = 0;
        mindestaufgaben = 0;
        return true;
    }
    gemeldet().remove(schluessel);
    // As the entry of the limits bounds them.
    mindestminuten = std::clamp(w[0], 0, kMaxMindestminuten);
    mindestaufgaben = std::clamp(w[1], 0, kMaxMindestaufgaben);
    return true;
}

QString beschaedigtMeldung(const QString& datei, const QString& stichwort)
{
    return QStringLiteral("Die Datei \"%1\" ist beschädigt: Der Abschnitt \"%2\" kann nicht gelesen werden. Es "
                          "gelten die Voreinstellungen.")
        .arg(datei, stichwort);
}

void kopfschreiben(const QString& datei, int mindestminuten, int mindestaufgaben)
{
    abschnittschreiben(datei, QStringLiteral("limit"), { mindestminuten, mindestaufgaben });
}

} // namespace einstellungsdatei
