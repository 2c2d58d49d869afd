#include "shell/ordnerregel.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"

#include <QFile>
#include <QHash>
#include <QVector>

#include <algorithm>

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
    QString ordner = (t.nummer.isEmpty() ? name : t.nummer + u' ' + name).left(8);
    if (ersetzen)
        for (QChar& c : ordner)
            if (verboten(c)) c = u' ';
    while (ordner.endsWith(u' ') || ordner.endsWith(u'.'))
        ordner.chop(1);
    return ordner;
}

// Folders are one where their names differ in letter case only: on a share, and wherever the layer finds a path.
QString schluessel(const QString& ordner)
{
    return ordner.toLower();
}

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

bool gleicherName(const QString& protokoll, const QString& name)
{
    return !protokoll.isEmpty() && protokollform(protokoll) == protokollform(name);
}

// ---- What is known of the list's folder ----

struct Ordnerlage::Stand {
    Auflisten auflisten;
    std::function<QStringList(const QString& ordner)> protokolle;
    std::function<QString(const QString& ordner, const QString& datei)> lesen;
    bool gelistet = false;
    QSet<QString> vorhanden;
    struct Protokolle {
        QStringList dateien;
        QStringList namen; // of the first dateien, as far as read
    };
    QHash<QString, Protokolle> gelesen;

    Protokolle& von(const QString& ordner)
    {
        const QString s = schluessel(ordner);
        auto it = gelesen.find(s);
        if (it == gelesen.end()) {
            Protokolle p;
            if (vorhandenAlle().contains(s) && protokolle) p.dateien = protokolle(ordner);
            it = gelesen.insert(s, p);
        }
        return *it;
    }
    const QSet<QString>& vorhandenAlle()
    {
        if (!gelistet) {
            gelistet = true;
            if (auflisten)
                for (const QString& o : auflisten())
                    vorhanden.insert(schluessel(o));
        }
        return vorhanden;
    }
    // Reads the next protocol's name; false where every one is read.
    bool weiter(const QString& ordner, Protokolle& p)
    {
        if (p.namen.size() >= p.dateien.size()) return false;
        p.namen << lesen(ordner, p.dateien.at(p.namen.size()));
        return true;
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

Ordnerlage::Ordnerlage(const QHash<QString, QStringList>& protokolle)
    : Ordnerlage()
{
    m->gelistet = true;
    for (auto it = protokolle.begin(); it != protokolle.end(); ++it)
        m->vorhanden.insert(schluessel(it.key()));
    // Each protocol is its name here.
    m->protokolle = [protokolle](const QString& ordner) {
        for (auto it = protokolle.begin(); it != protokolle.end(); ++it)
            if (schluessel(it.key()) == schluessel(ordner)) return it.value();
        return QStringList();
    };
    m->lesen = [](const QString&, const QString& datei) { return datei; };
}

Ordnerlage::Ordnerlage(Auflisten auflisten, Protokolle protokolle, Lesen lesen)
    : Ordnerlage()
{
    m->auflisten = std::move(auflisten);
    m->protokolle = std::move(protokolle);
    m->lesen = std::move(lesen);
}

const QSet<QString>& Ordnerlage::vorhanden() const
{
    return m->vorhandenAlle();
}

bool Ordnerlage::da(const QString& ordner) const
{
    return m->vorhandenAlle().contains(schluessel(ordner));
}

bool Ordnerlage::traegt(const QString& ordner, const QString& name) const
{
    Stand::Protokolle& p = m->von(ordner);
    for (const QString& n : p.namen)
        if (gleicherName(n, name)) return true;
    while (m->weiter(ordner, p))
        if (gleicherName(p.namen.last(), name)) return true;
    return false;
}

QStringList Ordnerlage::namen(const QString& ordner) const
{
    Stand::Protokolle& p = m->von(ordner);
    while (m->weiter(ordner, p)) { }
    return p.namen;
}

bool Ordnerlage::leer(const QString& ordner) const
{
    return m->von(ordner).dateien.isEmpty();
}

Ordnerlage ordnerlageIn(const QString& pfad, const QStringList* gelistet)
{
    const auto echt = std::make_shared<QHash<QString, QString>>();
    const auto merken = [echt](const QStringList& namen) {
        QSet<QString> alle;
        for (const QString& n : namen) {
            echt->insert(schluessel(n), n);
            alle.insert(n);
        }
        return alle;
    };
    Ordnerlage::Auflisten auflisten;
    if (gelistet)
        auflisten = [merken, namen = *gelistet] { return merken(namen); };
    else
        auflisten = [merken, pfad] {
            int err = 0;
            return merken(files::listEntries(pfad, err));
        };
    // A folder is read as it is spelled on disk; a protocol only as far as its first two lines.
    const auto ordnerpfad
        = [echt, pfad](const QString& ordner) { return pfad + u'/' + echt->value(schluessel(ordner), ordner); };
    auto protokolle = [ordnerpfad](const QString& ordner) {
        int err = 0;
        QStringList dateien = files::listEntries(ordnerpfad(ordner), err);
        dateien.erase(std::remove_if(dateien.begin(), dateien.end(),
                          [](const QString& d) { return !protokoll::istProtokollname(d); }),
            dateien.end());
        dateien.sort();
        return dateien;
    };
    auto lesen = [ordnerpfad](const QString& ordner, const QString& datei) {
        QFile f(ordnerpfad(ordner) + u'/' + datei);
        if (!f.open(QIODevice::ReadOnly)) return QString();
        QByteArray anfang;
        while (anfang.count('\n') < 2 && !f.atEnd() && anfang.size() < 4096) {
            const QByteArray mehr = f.read(512);
            if (mehr.isEmpty()) break;
            anfang += mehr;
        }
        return protokollname(cp1252::decodeLines(anfang).lines.mid(0, 2));
    };
    return Ordnerlage(std::move(auflisten), std::move(protokolle), std::move(lesen));
}

Ordnerlage ordnerlage(const QString& datpfad, const QString& liste)
{
    if (!files::isSafeName(liste)) return {};
    return ordnerlageIn(files::resolve(datpfad + QStringLiteral("Klassen/") + liste), nullptr);
}

// ---- The rule ----

namespace {

// Of the pupils `zeilen` (indices into `schueler`) whose lines name `ordner`: the one it belongs to.
int besitzerVon(const QString& ordner, const QVector<int>& zeilen, const QStringList& schueler, const Ordnerlage& lage)
{
    const int erster = zeilen.first();
    // The first line's pupil keeps it wherever his name is found, after one read where it is his alone.
    if (!lage.da(ordner) || lage.traegt(ordner, name(schueler.at(erster)))) return erster;
    int besitzer = -1;
    const QStringList namen = lage.namen(ordner);
    for (const int i : zeilen) {
        const QString n = name(schueler.at(i));
        if (std::none_of(namen.begin(), namen.end(), [&](const QString& p) { return gleicherName(p, n); })) continue;
        if (besitzer < 0)
            besitzer = i;
        else if (!gleicherName(name(schueler.at(besitzer)), n))
            return erster; // kept for two pupils under an older release
    }
    return besitzer < 0 ? erster : besitzer;
}

} // namespace

QVector<Schuelerordner> ordnerWahl(const QStringList& schueler, const Ordnerlage& lage)
{
    const int n = int(schueler.size());
    QStringList eigene;
    QHash<QString, QVector<int>> nennen;
    QHash<int, int> geschrieben;
    for (int i = 0; i < n; ++i) {
        const QString& z = schueler.at(i);
        QString ordner = ordnername(z);
        // A folder made under the name as typed, before such characters became blanks, stays its pupil's.
        const QString alt = ordnerAus(z, false);
        if (alt != ordner && lage.da(alt)) ordner = alt;
        eigene << ordner;
        nennen[schluessel(ordner)] << i;
        const int nr = nummer(z);
        if (nr >= 1 && nr <= kMaxNummer) ++geschrieben[nr];
    }
    QHash<QString, int> besitzer;
    for (auto it = nennen.cbegin(); it != nennen.cend(); ++it)
        besitzer.insert(
            it.key(), it->size() == 1 ? it->first() : besitzerVon(eigene.at(it->first()), *it, schueler, lage));

    // The numbers the pupils before are known by or written with, and the highest of them.
    QSet<int> nummern;
    int hoechste = 0;
    QVector<Schuelerordner> ordner(n);
    QSet<QString> vergeben;
    for (int i = 0; i < n; ++i) {
        const QString& z = schueler.at(i);
        const int bekannt = bekanntAls(z, i + 1);
        const int eigeneNummer = nummer(z);
        hoechste = std::max({ hoechste, bekannt, eigeneNummer <= kMaxNummer ? eigeneNummer : 0 });
        if (besitzer.value(schluessel(eigene.at(i))) == i) {
            ordner[i] = { eigene.at(i), 0, bekannt };
        } else {
            // Another line's pupil keeps this folder. This one gets a folder "NN name" no line names.
            const QString name = klassenliste::name(z);
            const auto ordnerFuer = [&](int nr) { return ordnername(zeile(nr, name)); };
            const auto frei = [&](int nr) {
                const QString s = schluessel(ordnerFuer(nr));
                return !nennen.contains(s) && !vergeben.contains(s);
            };
            const auto inAndererZeile = [&](int nr) { return geschrieben.value(nr) > (nr == eigeneNummer ? 1 : 0); };
            const auto neu = [&](int nr) {
                return nr >= 1 && nr <= kMaxNummer && !nummern.contains(nr) && !inAndererZeile(nr) && frei(nr)
                    && (!lage.da(ordnerFuer(nr)) || lage.leer(ordnerFuer(nr)));
            };
            QVector<int> reihe { bekannt, i + 1 };
            for (int nr = 1; nr <= kMaxNummer; ++nr)
                reihe << nr;
            int nr = 0;
            // The folder that holds his protocols, whatever lines came or went above him since he got it.
            for (const int versuch : reihe)
                if (nr == 0 && versuch >= 1 && versuch <= kMaxNummer && frei(versuch) && lage.da(ordnerFuer(versuch))
                    && lage.traegt(ordnerFuer(versuch), name))
                    nr = versuch;
            for (const int versuch : { bekannt, i + 1 })
                if (nr == 0 && neu(versuch)) nr = versuch;
            for (int versuch = hoechste + 1; nr == 0 && versuch <= kMaxNummer; ++versuch)
                if (neu(versuch)) nr = versuch;
            for (int versuch = 1; nr == 0 && versuch <= kMaxNummer; ++versuch)
                if (neu(versuch)) nr = versuch;
            // Every number is taken: a list of more than 99 pupils made by hand still gives each a folder of his own.
            for (int versuch = 1; nr == 0; ++versuch)
                if (frei(versuch) && !lage.da(ordnerFuer(versuch))) nr = versuch;
            ordner[i] = { ordnerFuer(nr), inAndererZeile(nr) ? 0 : nr, nr };
            hoechste = std::max(hoechste, nr <= kMaxNummer ? nr : 0);
        }
        vergeben.insert(schluessel(ordner.at(i).name));
        nummern.insert(ordner.at(i).bekannt);
        if (eigeneNummer >= 1 && eigeneNummer <= kMaxNummer) nummern.insert(eigeneNummer);
    }
    return ordner;
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
    const QVector<Schuelerordner> ordner = ordnerWahl(schueler, lage);
    int hoechste = 0;
    for (int i = 0; i < schueler.size(); ++i)
        hoechste = std::max({ hoechste, ordner.at(i).bekannt, std::min(nummer(schueler.at(i)), kMaxNummer) });
    QStringList codes;
    QSet<QString> vergeben;
    for (int i = 0; i < schueler.size(); ++i) {
        const QString name = klassenliste::name(schueler.at(i));
        QString code = zeile(ordner.at(i).bekannt, name).left(35);
        // A place that another pupil of his name is written with ("02 Anna", then "Anna" second) is no code of his.
        while (vergeben.contains(code))
            code = zeile(++hoechste, name).left(35);
        vergeben.insert(code);
        codes << code;
    }
    return codes;
}

QStringList eigeneOrdner(const QStringList& zeilen, const Ordnerlage& lage)
{
    const QVector<Schuelerordner> ordner = ordnerWahl(schuelerzeilen(zeilen), lage);
    QStringList eigen = zeilen;
    for (int i = 0, j = 0; i < eigen.size(); ++i) {
        if (!istSchueler(eigen.at(i))) continue;
        if (ordner.at(j).nummer > 0) eigen[i] = zeile(ordner.at(j).nummer, name(eigen.at(i)));
        ++j;
    }
    return eigen;
}

} // namespace klassenliste
