#include "shell/ordnerregel.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"

#include <QFile>
#include <QHash>
#include <QVector>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <numeric>
#include <unistd.h>

namespace klassenliste {

namespace {

// What Windows refuses in a file or folder name; a share refuses it too, or shows it under another name.
bool verboten(QChar c)
{
    return c.unicode() < 0x20 || QStringView(u":\"*?<>|\\/").contains(c);
}

// The folder name of a line: its first 8 characters as the line stands, the number taken for the name's start
// where blanks stand before it, as such folders have always been named; with `ersetzen` every character of it
// another PC could not use as a blank.
QString ordnerAus(const QString& zeile, bool ersetzen)
{
    const Teile t = teilen(zeile, false);
    const QString name = zeile.mid(t.name);
    QString ordner;
    if (ersetzen) {
        ordner = (t.nummer.isEmpty() ? name : t.nummer + u' ' + name).left(8);
        // Half of a pair (one cut at the 8th character, or a damaged line) has no spelling on disk: a blank too.
        const QString ganz = ordner;
        for (int i = 0; i < ordner.size(); ++i) {
            const QChar c = ganz.at(i);
            const bool halb = (c.isHighSurrogate() && (i + 1 == ganz.size() || !ganz.at(i + 1).isLowSurrogate()))
                || (c.isLowSurrogate() && (i == 0 || !ganz.at(i - 1).isHighSurrogate()));
            if (verboten(c) || halb) ordner[i] = u' ';
        }
    } else {
        // As typed, the tab or the blanks after the number too ("06\tAnnab").
        ordner = (t.nummer.isEmpty() ? name : zeile).left(8);
    }
    while (ordner.endsWith(u' ') || ordner.endsWith(u'.'))
        ordner.chop(1);
    return ordner;
}

// Folders are one where their names differ in letter case only: on a share, and wherever the layer finds a path.
QString schluessel(const QString& ordner)
{
    return ordner.toLower();
}

// A protocol there whose name could not be read: the folder is someone's, whose is not known.
const QString kUnbekannt = QStringLiteral("\u0001");
// Before a name that a folder's Name.txt holds, as it is kept: the administration noted the child there.
const QChar kVermerkt = u'\u0002';

} // namespace

QString protokollform(const QString& name)
{
    return cp1252::decode(cp1252::encode(name.left(32))).trimmed();
}

QString ordnername(const QString& zeile)
{
    return ordnerAus(zeile, true);
}

QString protokollname(const QStringList& ersteZeilen)
{
    static const QString kKopf = QStringLiteral("Leistungsprotokoll für ");
    if (ersteZeilen.size() > 1 && ersteZeilen.at(1).startsWith(kKopf)) return ersteZeilen.at(1).mid(kKopf.size());
    // An analysis's first line: the name in 37 characters, then the date.
    return ersteZeilen.isEmpty() ? QString() : ersteZeilen.at(0).left(37).trimmed();
}

int nameVermerken(const QString& ordnerpfad, const QString& name)
{
    return files::replaceWhole(
        files::resolve(ordnerpfad + u'/' + QLatin1String(kNamensdatei)), cp1252::encodeLine(name) + "\r\n");
}

bool gleicherName(const QString& protokoll, const QString& name)
{
    return !protokoll.isEmpty() && protokollform(protokoll) == protokollform(name);
}

// ---- What is known of the list's folder ----

struct Ordnerlage::Stand {
    std::shared_ptr<Quelle> quelle;
    bool gelistet = false;
    QSet<QString> vorhanden;
    QHash<QString, QString> traegt;
    int gelesen = 0;

    const QSet<QString>& vorhandenAlle()
    {
        if (!gelistet) {
            gelistet = true;
            if (quelle)
                for (const QString& o : quelle->auflisten())
                    vorhanden.insert(schluessel(o));
        }
        return vorhanden;
    }
};

Ordnerlage::Ordnerlage()
    : m(std::make_shared<Stand>())
{
}

Ordnerlage::Ordnerlage(const QSet<QString>& vorhanden)
    : Ordnerlage()
{
    m->gelistet = true;
    for (const QString& o : vorhanden)
        m->vorhanden.insert(schluessel(o));
}

Ordnerlage::Ordnerlage(const QHash<QString, QString>& traegt)
    : Ordnerlage()
{
    m->gelistet = true;
    for (auto it = traegt.begin(); it != traegt.end(); ++it) {
        m->vorhanden.insert(schluessel(it.key()));
        m->traegt.insert(schluessel(it.key()), it.value());
    }
}

Ordnerlage::Ordnerlage(std::shared_ptr<Quelle> quelle, const QHash<QString, QString>& bekannt)
    : Ordnerlage()
{
    m->quelle = std::move(quelle);
    for (auto it = bekannt.begin(); it != bekannt.end(); ++it)
        m->traegt.insert(schluessel(it.key()), it.value());
}

const QSet<QString>& Ordnerlage::vorhanden() const
{
    return m->vorhandenAlle();
}

bool Ordnerlage::da(const QString& ordner) const
{
    return m->vorhandenAlle().contains(schluessel(ordner));
}

// The name as kept: after kVermerkt where Name.txt holds it.
QString Ordnerlage::gelesenerName(const QString& ordner) const
{
    const QString s = schluessel(ordner);
    if (!m->vorhandenAlle().contains(s)) return {};
    const auto it = m->traegt.constFind(s);
    if (it != m->traegt.cend()) return *it;
    QString name;
    if (m->quelle) {
        name = m->quelle->traegt(ordner);
        ++m->gelesen;
    }
    m->traegt.insert(s, name);
    return name;
}

QString Ordnerlage::traegt(const QString& ordner) const
{
    const QString name = gelesenerName(ordner);
    return name.startsWith(kVermerkt) ? name.mid(1) : name;
}

bool Ordnerlage::vermerkt(const QString& ordner) const
{
    return gelesenerName(ordner).startsWith(kVermerkt);
}

QHash<QString, QString> Ordnerlage::gefunden() const
{
    QHash<QString, QString> namen;
    for (auto it = m->traegt.cbegin(); it != m->traegt.cend(); ++it)
        if (!it->isEmpty() && *it != kUnbekannt) namen.insert(it.key(), *it);
    return namen;
}

bool Ordnerlage::bekannt(const QString& ordner) const
{
    const QString name = m->traegt.value(schluessel(ordner));
    return !name.isEmpty() && name != kUnbekannt;
}

Ordnerlage Ordnerlage::kopie() const
{
    // Listed first, so that the copy and this one share what the listing found rather than each listing anew.
    m->vorhandenAlle();
    Ordnerlage danach;
    *danach.m = *m;
    return danach;
}

Ordnerlage Ordnerlage::mitName(const QString& ordner, const QString& name) const
{
    Ordnerlage danach = kopie();
    danach.m->traegt.insert(schluessel(ordner), kVermerkt + name);
    return danach;
}

Ordnerlage Ordnerlage::ohne(const std::function<bool(const QString&)>& welche) const
{
    Ordnerlage danach = kopie();
    for (auto it = danach.m->traegt.begin(); it != danach.m->traegt.end();)
        it = welche(it.key()) ? danach.m->traegt.erase(it) : std::next(it);
    return danach;
}

int Ordnerlage::gelesen() const
{
    return m->gelesen;
}

QString Ordnerlage::pfad(const QString& ordner) const
{
    if (!m->quelle) return {};
    m->vorhandenAlle(); // the listing tells how the folders there are spelled
    return m->quelle->pfad(ordner);
}

std::optional<QStringList> Ordnerlage::inhalt(const QString& ordner) const
{
    return m->quelle ? m->quelle->inhalt(ordner) : std::nullopt;
}

namespace {

// A list's folder on disk.
class Platte final : public Ordnerlage::Quelle {
public:
    Platte(QString pfad, const QStringList* gelistet)
        : m_pfad(std::move(pfad))
    {
        if (gelistet) m_gelistet = *gelistet;
    }

    QStringList auflisten() override
    {
        int err = 0;
        const QStringList namen = m_gelistet ? *m_gelistet : files::listEntries(m_pfad, err);
        for (const QString& n : namen)
            m_echt.insert(schluessel(n), n);
        return namen;
    }

    // A folder is known by the name the administration noted in it where a name was corrected, else by its first
    // protocol, in an order every PC sees alike: protocols are only ever added, so its first stays its first. Only
    // the first two lines of one file are read.
    QString traegt(const QString& ordner) override
    {
        const QString ordnerpfad = pfad(ordner);
        int err = 0;
        const QStringList namen = files::listEntries(ordnerpfad, err);
        if (err != 0) return err == ENOENT ? QString() : kUnbekannt;
        m_inhalte.insert(schluessel(ordner), namen);
        QStringList protokolle;
        QString vermerk;
        for (const QString& n : namen) {
            if (n.compare(QLatin1String(kNamensdatei), Qt::CaseInsensitive) == 0) vermerk = n;
            if (protokoll::istProtokollname(n)) protokolle << n;
        }
        std::sort(protokolle.begin(), protokolle.end(), [](const QString& a, const QString& b) {
            const int vergleich = a.compare(b, Qt::CaseInsensitive);
            return vergleich < 0 || (vergleich == 0 && a < b);
        });
        if (!vermerk.isEmpty()) {
            const std::optional<QStringList> zeilen = anfang(ordnerpfad + u'/' + vermerk);
            if (!zeilen) return kUnbekannt;
            const QString name = zeilen->value(0).trimmed();
            if (!name.isEmpty()) return kVermerkt + name;
        }
        for (const QString& erster : protokolle) {
            const std::optional<QStringList> zeilen = anfang(ordnerpfad + u'/' + erster);
            // A PC that lost power while saving leaves the file empty: it names no one.
            if (zeilen && zeilen->isEmpty()) continue;
            const QString name = zeilen ? protokollname(*zeilen) : QString();
            return name.isEmpty() ? kUnbekannt : name;
        }
        return {};
    }

    QString pfad(const QString& ordner) override { return m_pfad + u'/' + m_echt.value(schluessel(ordner), ordner); }

    // Given once: a protocol saved since makes a listing out of date.
    std::optional<QStringList> inhalt(const QString& ordner) override
    {
        const auto it = m_inhalte.find(schluessel(ordner));
        if (it == m_inhalte.end()) return std::nullopt;
        const QStringList namen = *it;
        m_inhalte.erase(it);
        return namen;
    }

private:
    // The first two lines of the file (none of an empty one); nothing where it cannot be read.
    static std::optional<QStringList> anfang(const QString& datei)
    {
        QByteArray bytes;
        // A share may answer for a moment as another PC writes beside it: waited out by the layer, never taken for a
        // stranger's.
        if (files::readShared(datei, bytes) != 0) return std::nullopt;
        return cp1252::decodeLines(bytes).lines.mid(0, 2);
    }

    QString m_pfad;
    std::optional<QStringList> m_gelistet;
    QHash<QString, QString> m_echt;
    QHash<QString, QStringList> m_inhalte;
};

} // namespace

Ordnerlage ordnerlageIn(const QString& pfad, const QStringList* gelistet, const QHash<QString, QString>& bekannt)
{
    return Ordnerlage(std::make_shared<Platte>(pfad, gelistet), bekannt);
}

Ordnerlage ordnerlage(const QString& datpfad, const QString& liste, const QHash<QString, QString>& bekannt)
{
    if (!files::isSafeName(liste)) return {};
    return ordnerlageIn(files::resolve(datpfad + QStringLiteral("Klassen/") + liste), nullptr, bekannt);
}

Ordnerlage Ordnerblick::lage(const QString& datpfad, const QString& liste, const QStringList& schueler)
{
    const QString wo = datpfad + u'\n' + liste;
    if (m_gilt && wo == m_wo && schueler == m_fuer) return m_lage;
    // Lines changed by another hand: a name corrected in the administration on another PC was noted in his folder
    // with it, and a line typed anew may be of the same name as one it knew. Every folder is looked at anew, each
    // when the rule asks for it.
    uebernehmen(datpfad, liste, ordnerlage(datpfad, liste), schueler);
    return m_lage;
}

void Ordnerblick::uebernehmen(
    const QString& datpfad, const QString& liste, const Ordnerlage& lage, const QStringList& schueler)
{
    m_wo = datpfad + u'\n' + liste;
    m_lage = lage;
    m_fuer = schueler;
    m_gilt = true;
}

void Ordnerblick::gilt(const QStringList& schueler)
{
    if (m_gilt) m_fuer = schueler;
}

bool Ordnerblick::auffrischen(const QString& datpfad, const QString& liste)
{
    if (!m_gilt || m_wo != datpfad + u'\n' + liste || !files::isSafeName(liste)) return false;
    const QString pfad = files::resolve(datpfad + QStringLiteral("Klassen/") + liste);
    int err = 0;
    const QStringList gelistet = files::listEntries(pfad, err);
    if (err != 0 && err != ENOENT) return false;
    QSet<QString> jetzt;
    for (const QString& o : gelistet)
        jetzt.insert(schluessel(o));
    if (jetzt == m_lage.vorhanden()) return false;
    m_lage = ordnerlageIn(pfad, &gelistet, m_lage.gefunden());
    return true;
}

std::optional<QStringList> Ordnerblick::inhalt(const QString& ordner) const
{
    return m_gilt ? m_lage.inhalt(ordner) : std::nullopt;
}

void Ordnerblick::vergessen()
{
    m_gilt = false;
    m_lage = {};
    m_fuer.clear();
}

// ---- The rule ----

QString eigenerOrdner(const QString& zeile, const Ordnerlage& lage)
{
    const QString ordner = ordnername(zeile);
    // A folder made under the name as typed, before such characters became blanks, stays its pupil's.
    const QString alt = ordnerAus(zeile, false);
    return alt != ordner && lage.da(alt) ? alt : ordner;
}

bool kannNennen(const QString& zeile, const QString& ordner)
{
    const QString o = schluessel(ordner);
    if (schluessel(ordnername(zeile)) == o || schluessel(ordnerAus(zeile, false)) == o) return true;
    int d = 0;
    while (d < o.size() && d < 4 && o.at(d) >= u'0' && o.at(d) <= u'9')
        ++d;
    return d >= 1 && d <= 3 && (d == o.size() || o.at(d) == u' ')
        && schluessel(ordnername(o.left(d) + u' ' + name(zeile))) == o;
}

namespace {

// A pupil's line as the rule sees it.
struct Zeile {
    QString name;
    QString eigen; // the folder his line names
    QString eigenSchluessel;
    // The folder his name alone names, as before a number was typed in front of it.
    QString nurName;
    // The first letters after a number of 1, 2 or 3 digits, as folders of that shape are named, in small letters.
    QString stamm[4];
    bool mitNummer = false;
    int geschrieben = 0;
    int bekannt = 0;
};

// A folder's number, where its name begins with 1 to 3 digits and a blank: how many digits, and their value.
struct Ordnernummer {
    int ziffern = 0;
    int wert = 0;
};
Ordnernummer nummerVon(const QString& ordner)
{
    int i = 0;
    while (i < ordner.size() && i < 4 && ordner.at(i) >= u'0' && ordner.at(i) <= u'9')
        ++i;
    // A name of digits alone is the folder of a line whose name holds only what a folder name cannot ("05 ***").
    if (i == 0 || i > 3 || (i < ordner.size() && ordner.at(i) != u' ')) return {};
    return { i, ordner.left(i).toInt() };
}

class Regel {
public:
    Regel(const QStringList& schueler, const Ordnerlage& lage)
        : m_lage(lage)
        , m_n(int(schueler.size()))
        , m_z(m_n)
        , m_erg(m_n)
        , m_fertig(m_n, false)
    {
        for (const QString& o : m_lage.vorhanden()) {
            const Ordnernummer nr = nummerVon(o);
            if (nr.ziffern > 0) m_nachStamm[nr.ziffern][o.mid(nr.ziffern + 1)] << o;
            if (nr.ziffern > 0 && nr.wert >= 1 && nr.wert <= kMaxNummer) {
                m_plattenNummern[nr.wert] << o;
                m_hoechste = std::max(m_hoechste, nr.wert);
            }
        }
        for (int i = 0; i < m_n; ++i) {
            const QString& text = schueler.at(i);
            Zeile& z = m_z[i];
            z.name = klassenliste::name(text);
            z.eigen = eigenerOrdner(text, m_lage);
            z.eigenSchluessel = schluessel(z.eigen);
            z.nurName = schluessel(eigenerOrdner(z.name, m_lage));
            for (int d = 1; d <= 3; ++d) {
                const QString form = ordnername(QString(d, u'0') + u' ' + z.name);
                z.stamm[d] = schluessel(form.mid(d + 1));
            }
            z.geschrieben = nummer(text);
            // A number the administration could have written: one of more digits ("2024 Klasse 3a") names a folder
            // of digits that tells no child from another.
            z.mitNummer = z.geschrieben >= 1 && z.geschrieben <= kMaxNummer;
            z.bekannt = bekanntAls(text, i + 1);
            if (z.mitNummer) ++m_geschriebenMit[z.geschrieben];
            ++m_bekanntAls[z.bekannt];
            m_hoechste = std::max({ m_hoechste, z.bekannt, z.geschrieben <= kMaxNummer ? z.geschrieben : 0 });
            m_namen.insert(protokollform(z.name));
        }
        // The numbers no line is written with or known by and no folder on disk has: each line that may need one is
        // given another of them first, so that lines that cannot meet are given no fresh number alike. The place of
        // a line written with a number is kept from them too: it is his to take where his own number is another's.
        QSet<int> plaetze;
        for (int i = 0; i < m_n; ++i)
            if (m_z.at(i).mitNummer) plaetze.insert(i + 1);
        for (int v = 1; v <= kMaxNummer; ++v)
            if (!m_geschriebenMit.contains(v) && !m_bekanntAls.contains(v) && !m_plattenNummern.contains(v)
                && !plaetze.contains(v))
                m_frei << v;
        for (int i = 0, hoechste = 0; i < m_n; ++i) {
            const Zeile& z = m_z.at(i);
            hoechste = std::max({ hoechste, z.bekannt, z.geschrieben <= kMaxNummer ? z.geschrieben : 0 });
            m_hoechsteBis << hoechste;
        }
        // Which of them: a line whose number and place may both be taken is given the next one.
        const auto sicher = [&](int nr, int i) {
            if (nr < 1 || nr > kMaxNummer || andereZeile(nr, i)) return false;
            const QString o = schluessel(ordnername(zeile(nr, m_z.at(i).name)));
            const QStringList dort = m_plattenNummern.value(nr);
            return std::all_of(dort.begin(), dort.end(), [&](const QString& p) { return p == o; });
        };
        for (int i = 0, vorbehalten = 0; i < m_n; ++i) {
            m_vorbehalt << vorbehalten;
            if (!sicher(m_z.at(i).bekannt, i) && !sicher(i + 1, i)) ++vorbehalten;
        }
        gruppieren();
    }

    // The lines looked at together with `i`, in their order.
    const QVector<int>& gruppe(int i) const { return m_gruppen.at(m_gruppeVon.at(i)); }

    const Schuelerordner& von(int i)
    {
        if (!m_fertig.at(i)) auswerten(m_gruppeVon.at(i));
        return m_erg.at(i);
    }

private:
    // The folders on disk the line `i` could name: his own, and those of his first letters after a number.
    QSet<QString> kandidaten(int i) const
    {
        const Zeile& z = m_z.at(i);
        QSet<QString> k;
        if (m_lage.da(z.eigen)) k.insert(z.eigenSchluessel);
        // A line a number was typed in front of finds the folder he had without it.
        if (z.mitNummer && m_lage.da(z.nurName)) k.insert(z.nurName);
        for (int d = 1; d <= 3; ++d)
            for (const QString& o : m_nachStamm[d].value(z.stamm[d]))
                k.insert(o);
        return k;
    }

    // Lines whose folders could meet: the same first letters (a fresh folder of one could be the other's), or a
    // folder both could name.
    void gruppieren()
    {
        QVector<int> wurzel(m_n);
        std::iota(wurzel.begin(), wurzel.end(), 0);
        const auto finden = [&](int i) {
            while (wurzel[i] != i)
                i = wurzel[i] = wurzel[wurzel[i]];
            return i;
        };
        QHash<QString, int> erster;
        const auto verbinden = [&](const QString& merkmal, int i) {
            const auto it = erster.constFind(merkmal);
            if (it == erster.cend())
                erster.insert(merkmal, i);
            else
                wurzel[finden(i)] = finden(*it);
        };
        for (int i = 0; i < m_n; ++i) {
            verbinden(u's' + m_z.at(i).stamm[2], i);
            // A folder his line names that has the shape of a fresh one ("02*Lena Meier" names `02 Lena`).
            if (nummerVon(m_z.at(i).eigen).ziffern == 2) verbinden(u's' + m_z.at(i).eigenSchluessel.mid(3), i);
            verbinden(u'o' + m_z.at(i).eigenSchluessel, i);
            for (const QString& o : kandidaten(i))
                verbinden(u'o' + o, i);
        }
        m_gruppeVon.resize(m_n);
        QHash<int, int> nummer;
        for (int i = 0; i < m_n; ++i) {
            const int w = finden(i);
            if (!nummer.contains(w)) {
                nummer.insert(w, int(m_gruppen.size()));
                m_gruppen.append(QVector<int>());
            }
            m_gruppeVon[i] = nummer.value(w);
            m_gruppen[m_gruppeVon[i]] << i;
        }
    }

    // Whether another line than `i` is written with `nr` or known by it.
    bool andereZeile(int nr, int i) const
    {
        const Zeile& z = m_z.at(i);
        return m_geschriebenMit.value(nr) > (z.geschrieben == nr ? 1 : 0)
            || m_bekanntAls.value(nr) > (z.bekannt == nr ? 1 : 0);
    }

    // Children of one name without a number take the folders of that name in their order among themselves, their
    // order all that tells them apart: a folder without a number first, then by number. An empty folder counts where
    // only they could name it: a choice makes the folders of those before the child chosen, so that one saved first
    // by the third of three keeps its place among them. Where there are fewer folders than children (as an earlier
    // release left them), a folder's number tells whose it is where one of them stands at that place.
    template <typename Geben>
    void namensgleiche(const QVector<int>& zeilen, const QStringList& sortiert, const QHash<int, QSet<QString>>& kand,
        const QHash<int, QString>& ordner, const QHash<QString, int>& belegt, const Geben& geben, bool fremdeNummern)
    {
        QSet<QString> nummernordner; // a line written with a number names his own
        for (const int i : zeilen)
            if (m_z.at(i).mitNummer) nummernordner.insert(m_z.at(i).eigenSchluessel);
        QVector<QVector<int>> gruppen;
        QHash<QString, int> nachName;
        for (const int i : zeilen) {
            if (ordner.contains(i) || m_z.at(i).mitNummer) continue;
            // Lines of one name whose own folders differ ("2147483648 Anna", "4294967296 Anna") could not name the
            // same folders: each keeps the one his line names.
            const QString form = protokollform(m_z.at(i).name) + u'\n' + m_z.at(i).eigenSchluessel;
            if (!nachName.contains(form)) {
                nachName.insert(form, int(gruppen.size()));
                gruppen.append(QVector<int>());
            }
            gruppen[nachName.value(form)] << i;
        }
        for (QVector<int> kinder : gruppen) {
            const Zeile& erstes = m_z.at(kinder.first());
            QStringList seine;
            QStringList leere;
            for (const QString& o : sortiert) {
                if (belegt.contains(o) || nummernordner.contains(o) || !kand.value(kinder.first()).contains(o))
                    continue;
                const QString traegt = m_lage.traegt(o);
                const Ordnernummer nr = nummerVon(o);
                // A folder of a number another line is written with goes to a line of his name written with a
                // number first, who may have found it by name: their lines could not be written with it either.
                if (!fremdeNummern && nr.ziffern && m_geschriebenMit.contains(nr.wert)) continue;
                if (traegt.isEmpty()) {
                    // Only one whose number his line can be written with: a number another line is written with
                    // would leave him nothing that keeps him apart once a namesake leaves.
                    if (kinder.size() < 2 || (nr.ziffern && m_geschriebenMit.contains(nr.wert))) continue;
                    const bool nurSie = std::all_of(zeilen.begin(), zeilen.end(),
                        [&](int j) { return !kand.value(j).contains(o) || gleicherName(m_z.at(j).name, erstes.name); });
                    if (!nurSie) continue;
                    leere << o;
                } else if (!gleicherName(traegt, erstes.name)) {
                    continue;
                }
                seine << o;
            }
            // More folders than children: one of them left. The empty ones are the first to go, those of the children
            // before him first, so that no folder with protocols of that name is left to no one.
            for (int k = 0; k < leere.size() && seine.size() > kinder.size(); ++k)
                seine.removeOne(leere.at(k));
            if (seine.size() < kinder.size()) {
                QStringList uebrig;
                for (const QString& o : seine) {
                    const Ordnernummer nr = nummerVon(o);
                    const auto dort
                        = std::find_if(kinder.begin(), kinder.end(), [&](int i) { return i + 1 == nr.wert; });
                    if (nr.ziffern == 0 || dort == kinder.end()) {
                        uebrig << o;
                        continue;
                    }
                    geben(*dort, o, Grund::nachName);
                    kinder.erase(dort);
                }
                seine = uebrig;
            }
            for (int k = 0; k < kinder.size() && k < seine.size(); ++k)
                geben(kinder.at(k), seine.at(k), Grund::nachName);
        }
    }

    void auswerten(int g)
    {
        const QVector<int>& zeilen = m_gruppen.at(g);
        QHash<int, QString> ordner; // line -> folder key
        QHash<int, Grund> grund; // line -> why he was given it
        QHash<QString, int> belegt; // folder key -> line
        QSet<int> mehrdeutig; // lines given a folder by name where another folder they could name bears it too
        const auto geben = [&](int i, const QString& o, Grund s) {
            ordner.insert(i, o);
            grund.insert(i, s);
            belegt.insert(o, i);
        };
        // Whether a child of his name before him, where neither line has a number, was given a folder with one: the
        // folder without a number is then not his, for it would come before theirs in their order among themselves.
        const auto nachNummerierten = [&](int i) {
            if (m_z.at(i).mitNummer) return false;
            for (const int j : zeilen) {
                if (j >= i) break;
                if (!m_z.at(j).mitNummer && ordner.contains(j) && gleicherName(m_z.at(j).name, m_z.at(i).name)
                    && nummerVon(ordner.value(j)).wert > 0)
                    return true;
            }
            return false;
        };

        QSet<QString> alle;
        QHash<int, QSet<QString>> kand;
        for (const int i : zeilen) {
            kand.insert(i, kandidaten(i));
            alle.unite(kand.value(i));
        }
        QStringList sortiert(alle.begin(), alle.end());
        // A folder without a number first, before one of "00".
        const auto rang = [](const QString& o) {
            const Ordnernummer nr = nummerVon(o);
            return nr.ziffern ? nr.wert : -1;
        };
        std::sort(sortiert.begin(), sortiert.end(), [&](const QString& a, const QString& b) {
            const int na = rang(a), nb = rang(b);
            return na != nb ? na < nb : a < b;
        });
        const auto binden = [&](const QString& o, bool nurNummer) {
            if (belegt.contains(o)) return;
            const QString traegt = m_lage.traegt(o);
            if (traegt.isEmpty()) return;
            const Ordnernummer nr = nummerVon(o);
            for (const int i : zeilen) {
                const Zeile& z = m_z.at(i);
                if (ordner.contains(i) || !kand.value(i).contains(o) || !gleicherName(traegt, z.name)) continue;
                if (nurNummer && (nr.ziffern == 0 || !z.mitNummer || nr.wert != z.geschrieben)) continue;
                geben(i, o, Grund::nachName);
                return;
            }
        };
        // The rows of the header, in their order. nachName, rows 1 to 3: a place is no one's identity, a line typed or
        // removed above children of one name moves their places, never their folders.
        for (const QString& o : sortiert)
            binden(o, true);
        namensgleiche(zeilen, sortiert, kand, ordner, belegt, geben, false);
        for (const QString& o : sortiert)
            binden(o, false);
        namensgleiche(zeilen, sortiert, kand, ordner, belegt, geben, true);
        for (const int i : zeilen) {
            // Only a line's own number is kept on it (see fertig), so only numbered lines need asking.
            if (grund.value(i) != Grund::nachName || !m_z.at(i).mitNummer) continue;
            const QSet<QString>& k = kand.value(i);
            if (std::any_of(k.begin(), k.end(), [&](const QString& o) {
                    return o != ordner.value(i) && gleicherName(m_lage.traegt(o), m_z.at(i).name);
                }))
                mehrdeutig.insert(i);
        }
        // seineNummer and eigenerOrdner, rows 4 and 5.
        for (const int i : zeilen) {
            if (ordner.contains(i)) continue;
            const Zeile& z = m_z.at(i);
            if (belegt.contains(z.eigenSchluessel) || nachNummerierten(i)) continue;
            const QString traegt = m_lage.traegt(z.eigen);
            if (traegt.isEmpty() || gleicherName(traegt, z.name))
                geben(i, z.eigenSchluessel, Grund::eigenerOrdner);
            else if (z.mitNummer && !m_namen.contains(protokollform(traegt)) && !m_lage.vermerkt(z.eigen))
                geben(i, z.eigenSchluessel, Grund::seineNummer);
        }
        // frisch, row 6.
        for (const int i : zeilen) {
            if (ordner.contains(i)) continue;
            const Zeile& z = m_z.at(i);
            const auto ordnerFuer = [&](int nr) { return schluessel(ordnername(zeile(nr, z.name))); };
            const auto frei = [&](const QString& o) {
                return !belegt.contains(o) && (!m_lage.da(o) || m_lage.traegt(o).isEmpty());
            };
            const auto erlaubt = [&](int nr) {
                if (nr < 1 || nr > kMaxNummer || andereZeile(nr, i)) return false;
                const QString o = ordnerFuer(nr);
                // No other folder on disk has the number: a fresh folder never takes the number of another's.
                for (const QString& p : m_plattenNummern.value(nr))
                    if (p != o) return false;
                for (const int j : zeilen)
                    if (j != i && m_z.at(j).eigenSchluessel == o) return false;
                return frei(o);
            };
            int nr = 0;
            // The number he is known by, his place; a folder of his first letters made before and still empty, as
            // for him when he was given it; the number kept for him, none another line's; any other.
            QVector<int> reihe { z.bekannt, i + 1 };
            QVector<int> leere;
            for (int d = 1; d <= 3; ++d)
                for (const QString& o : m_nachStamm[d].value(z.stamm[d]))
                    leere << nummerVon(o).wert;
            std::sort(leere.begin(), leere.end());
            reihe += leere;
            // Past the highest number of the lines up to his, so that a line typed below changes none of these.
            QVector<int> vorrat;
            for (const int v : m_frei)
                if (v > m_hoechsteBis.at(i)) vorrat << v;
            for (const int v : m_frei)
                if (v <= m_hoechsteBis.at(i)) vorrat << v;
            for (int k = 0; k < vorrat.size(); ++k)
                reihe << vorrat.at((m_vorbehalt.at(i) + k) % vorrat.size());
            for (const int v : reihe)
                if (erlaubt(v)) {
                    nr = v;
                    break;
                }
            // Every number is taken: a list of more than 99 pupils made by hand still gives each a folder of his own,
            // of a number no other line could come to.
            for (int v = 100 + i; nr == 0; v += m_n)
                if (frei(ordnerFuer(v))) nr = v;
            geben(i, ordnerFuer(nr), Grund::frisch);
        }
        for (const int i : zeilen)
            fertig(i, ordner.value(i), grund.value(i), mehrdeutig.contains(i));
        codesVergeben(zeilen);
    }

    void fertig(int i, const QString& schluesselDesOrdners, Grund grund, bool mehrdeutig = false)
    {
        const Zeile& z = m_z.at(i);
        Schuelerordner& e = m_erg[i];
        e = {};
        if (schluesselDesOrdners == z.eigenSchluessel) {
            e.name = z.eigen;
            e.bekannt = z.bekannt;
        } else {
            const Ordnernummer nr = nummerVon(schluesselDesOrdners);
            e.name = ordnername(schluesselDesOrdners.left(nr.ziffern) + u' ' + z.name);
            e.bekannt = nr.ziffern ? nr.wert : z.bekannt;
            // His own number stays where his line has one that is his alone and the folder was found by his name: a
            // teacher who numbers the lines anew keeps her numbers. Not where another folder he could name bears his
            // name too: the folder's number is then all that ties him to his.
            const bool eigeneNummer
                = z.mitNummer && m_geschriebenMit.value(z.geschrieben) <= 1 && grund == Grund::nachName && !mehrdeutig;
            if (nr.ziffern && nr.wert >= 1 && nr.wert <= kMaxNummer && !eigeneNummer
                && m_geschriebenMit.value(nr.wert) == 0)
                e.nummer = nr.wert;
        }
        e.code = zeile(e.bekannt, z.name).left(35);
        e.grund = grund;
        m_fertig[i] = true;
    }

    // No two codes alike in letter case: a code two lines would share is given a number past every other.
    void codesVergeben(const QVector<int>& zeilen)
    {
        int hoechste = m_hoechste;
        for (const int i : zeilen)
            hoechste = std::max(hoechste, m_erg.at(i).bekannt);
        QSet<QString> vergeben;
        for (const int i : zeilen) {
            Schuelerordner& e = m_erg[i];
            while (vergeben.contains(e.code.toLower()))
                e.code = zeile(++hoechste, m_z.at(i).name).left(35);
            vergeben.insert(e.code.toLower());
        }
    }

    const Ordnerlage& m_lage;
    int m_n;
    QVector<Zeile> m_z;
    QVector<Schuelerordner> m_erg;
    QVector<bool> m_fertig;
    QHash<QString, QStringList> m_nachStamm[4];
    QHash<int, QStringList> m_plattenNummern;
    QHash<int, int> m_geschriebenMit;
    QHash<int, int> m_bekanntAls;
    QSet<QString> m_namen;
    int m_hoechste = 0;
    QVector<int> m_frei;
    QVector<int> m_hoechsteBis;
    QVector<int> m_vorbehalt;
    QVector<int> m_gruppeVon;
    QVector<QVector<int>> m_gruppen;
};

} // namespace

QVector<Schuelerordner> ordnerWahl(const QStringList& schueler, const Ordnerlage& lage, const Umfang& umfang)
{
    Regel regel(schueler, lage);
    QVector<Schuelerordner> ordner(schueler.size());
    if (umfang.nur.isEmpty()) {
        for (int i = 0; i < schueler.size(); ++i)
            ordner[i] = regel.von(i);
    } else {
        for (const int i : umfang.nur)
            if (i >= 0 && i < schueler.size())
                for (const int j : regel.gruppe(i))
                    ordner[j] = regel.von(j);
    }
    return ordner;
}

Schuelerordner ordnerVon(const QStringList& schueler, int index, const Ordnerlage& lage)
{
    if (index < 0 || index >= schueler.size()) return {};
    return Regel(schueler, lage).von(index);
}

QVector<int> zusammen(const QStringList& schueler, int index, const Ordnerlage& lage)
{
    if (index < 0 || index >= schueler.size()) return {};
    return Regel(schueler, lage).gruppe(index);
}

QStringList ordnernamen(const QStringList& schueler, const Ordnerlage& lage)
{
    QStringList namen;
    for (const Schuelerordner& o : ordnerWahl(schueler, lage))
        namen << o.name;
    return namen;
}

QStringList schuelercodes(const QStringList& schueler, const Ordnerlage& lage)
{
    QStringList codes;
    for (const Schuelerordner& o : ordnerWahl(schueler, lage))
        codes << o.code;
    return codes;
}

QStringList eigeneOrdner(const QStringList& zeilen, const Ordnerlage& lage, const Umfang& umfang)
{
    const QVector<Schuelerordner> ordner = ordnerWahl(schuelerzeilen(zeilen), lage, umfang);
    QStringList eigen = zeilen;
    QSet<int> geschrieben;
    for (int i = 0, j = 0; i < eigen.size(); ++i) {
        if (!istSchueler(eigen.at(i))) continue;
        const int nr = ordner.at(j).nummer;
        // Two lines that cannot meet may each be given a fresh number alike: only the first is written with it.
        if (nr > 0 && !geschrieben.contains(nr)) {
            eigen[i] = zeile(nr, name(eigen.at(i)));
            geschrieben.insert(nr);
        }
        ++j;
    }
    return eigen;
}

} // namespace klassenliste
