#include "analyses/f_schueler.h"

#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"

#include <QFileInfo>

#include <algorithm>

namespace schueler {

namespace {

// The reason of the last look at the list that failed, and the name of the list last found deleted.
QString& letzterGrund()
{
    static QString grund;
    return grund;
}

QString& geloeschteListe()
{
    static QString liste;
    return liste;
}

// What the look at the pupil's folder at the start found of the protocols' numbers: the end save takes the first
// number it holds free, without a second look.
protokoll::Nummern& nummern()
{
    static protokoll::Nummern n;
    return n;
}

// True while the pupil types a name because the active list offers none (gone, damaged, not readable just now).
bool& ersatzweise()
{
    static bool getippt = false;
    return getippt;
}

// The pupils' lines of the names shown, every one of a long hand-made list (the shared table holds forty).
QStringList& zeilen()
{
    static QStringList z;
    return z;
}

// The codes of the pupils of zeilen(), each found when first asked for: a pupil with a folder of his own is known by
// its number, which the folder rule may have to read the folders of his first letters for.
QHash<int, QString>& codes()
{
    static QHash<int, QString> c;
    return c;
}

// What was seen of the pupils' folders while the names are shown: Start after a click reads nothing again.
klassenliste::Ordnerblick& blick()
{
    static klassenliste::Ordnerblick b;
    return b;
}

// The row clicked last (from 0), -1 for none: two rows may give one code, and the clicked one is the pupil.
int& gewaehlt()
{
    static int index = -1;
    return index;
}

} // namespace

bool ohneListe()
{
    return aktivliste == "ohne" || ersatzweise();
}

QStringList namenliste(QString* meldung)
{
    if (meldung) meldung->clear();
    ersatzweise() = false;
    zeilen().clear();
    codes().clear();
    blick().vergessen();
    gewaehlt() = -1;
    schuelerzahl = 0;
    if (ohneListe()) return {};
    const klassenliste::Schuelerliste liste = klassenliste::schuelerLesen(datpfad, aktivliste.str());
    zeilen() = liste.zeilen;
    QStringList namen;
    for (const QString& zeile : zeilen())
        namen << klassenliste::name(zeile);
    schuelerzahl = byte(std::min(int(namen.size()), 255));
    if (namen.isEmpty()) {
        // A run is never lost for want of a list: the pupil types a name, and it is kept as without a list.
        ersatzweise() = true;
        if (meldung) *meldung = liste.meldung + QStringLiteral(" Bitte den Namen eintippen.");
    }
    return namen;
}

QString schuelercode(int index, const QString& name)
{
    if (index >= 0 && index < zeilen().size() && !codes().contains(index))
        codes().insert(
            index, klassenliste::ordnerVon(zeilen(), index, blick().lage(datpfad, aktivliste.str(), zeilen())).code);
    const QString code = codes().value(index, klassenliste::schuelercode(zeilen().value(index), index + 1));
    return (code.left(3) + name).left(35);
}

QString waehlen(int index, const QString& name)
{
    gewaehlt() = index >= 0 && index < zeilen().size() ? index : -1;
    return schuelercode(index, name);
}

void abwaehlen()
{
    gewaehlt() = -1;
}

bool namenzeichen(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

QString gueltigerName(const QString& text)
{
    QString name;
    for (QChar c : text) {
        if (name.size() == kNamenlaenge) break;
        if (namenzeichen(c)) name += c;
    }
    return name;
}

namespace {

// The place in the list shown of the pupil schuelercode() named `code`: the row clicked where it gives that code,
// else the first line that gives it, else the one with its number; -1 where there is none.
int schuelerindex(const QString& code)
{
    const int n = int(zeilen().size());
    const int geklickt = gewaehlt();
    if (geklickt >= 0 && geklickt < n && schuelercode(geklickt, klassenliste::name(zeilen().at(geklickt))) == code)
        return geklickt;
    for (int i = 0; i < n; ++i)
        if (schuelercode(i, klassenliste::name(zeilen().at(i))) == code) return i;
    for (int i = 0; i < n; ++i)
        if (schuelercode(i, QString()) == code.left(3)) return i;
    return -1;
}

} // namespace

Protokollziel protokollvorbereiten(const QString& praefixText)
{
    merker = 0;
    nrtext = "01";
    praefix = praefixText;
    schuelerordner.clear();
    protdatei.clear();

    const QString name = schuelername;
    // A typed name is only ever what the filter let through; a class-list line is the administration's.
    if (name.isEmpty() || (ohneListe() && name != gueltigerName(name))) return Protokollziel::Unzulaessig;
    QString ordner;
    if (ohneListe()) {
        ordner = protokoll::ohnelistordner(datpfad, name);
        if (ordner.isEmpty() || !files::forceDirectories(ordner)) return Protokollziel::Unzulaessig;
    } else {
        // The names were read when they were shown; a folder is made only for a line the list still holds, named
        // as the administration names it.
        const int index = schuelerindex(name);
        const int nummer = index + 1;
        const QString gezeigt = zeilen().value(index);
        schuelerzeile = gezeigt;
        QString fehler;
        switch (klassenliste::ordnerWaehlen(
            datpfad, aktivliste.str(), zeilen(), nummer, ordner, fehler, nullptr, &blick())) {
        case klassenliste::Ordnerwahl::angelegt:
            break;
        case klassenliste::Ordnerwahl::fehler:
            return Protokollziel::Unzulaessig;
        case klassenliste::Ordnerwahl::unlesbar:
            letzterGrund() = klassenliste::grund(fehler);
            return Protokollziel::ListeUnlesbar;
        case klassenliste::Ordnerwahl::geaendert:
            return Protokollziel::ListeGeaendert;
        case klassenliste::Ordnerwahl::gesperrt:
            return Protokollziel::ListeGesperrt;
        case klassenliste::Ordnerwahl::geloescht:
            // The pupil types a name for this run, as without a list: a protocol never goes into the deleted list's
            // folder. The active list stays named, so that the next set-up looks for it again: it may come back.
            geloeschteListe() = aktivliste.str();
            ersatzweise() = true;
            return Protokollziel::ListeGeloescht;
        }
    }
    schuelerordner = ordner;
    protdatei = ordner + QLatin1Char('/');

    // The choice of a list's pupil's folder may have listed it already.
    nummern() = protokoll::nummernSuchen(
        protokollstamm(), ohneListe() ? std::nullopt : blick().inhalt(QFileInfo(ordner).fileName()));
    const int n = nummern().erste();
    if (n == 0) {
        merker = 1;
        return Protokollziel::Voll;
    }
    nrtext = protokoll::zweistellig(n);
    return Protokollziel::Bereit;
}

QString meldung(Protokollziel ziel)
{
    switch (ziel) {
    case Protokollziel::Bereit:
        return {};
    case Protokollziel::Voll:
        return kOrdnerVoll;
    case Protokollziel::Unzulaessig:
        return kOrdnerFehlt;
    case Protokollziel::ListeGeaendert:
        return kListeGeaendert;
    case Protokollziel::ListeGeloescht:
        // It was there when the names were shown; who deleted it since is not known here.
        return QStringLiteral("Die Klassenliste „%1“ gibt es nicht mehr: sie wurde inzwischen gelöscht. Bitte den "
                              "Namen eintippen und noch einmal „Start“ klicken.")
            .arg(geloeschteListe());
    case Protokollziel::ListeGesperrt:
        return QStringLiteral("Die Klassenliste wird gerade bearbeitet. Bitte gleich noch einmal „Start“ klicken.");
    case Protokollziel::ListeUnlesbar:
        return QStringLiteral("Die Klassenliste kann gerade nicht gelesen werden (%1). Bitte gleich noch einmal "
                              "„Start“ klicken.")
            .arg(letzterGrund());
    }
    return {};
}

QString protokollstamm()
{
    return protdatei + praefix;
}

QString protokollanlegen(const std::function<QStringList(const QString& pfad)>& inhalt, QString& fehler)
{
    fehler.clear();
    if (protdatei.isEmpty()) {
        fehler = kOrdnerFehlt;
        return {};
    }
    // A run whose start looked at another folder (none, or the set-up's of another pupil) looks at its own now.
    if (nummern().ordner + u'/' + nummern().praefix != protokollstamm())
        nummern() = protokoll::nummernSuchen(protokollstamm());
    const QString pfad = protokoll::anlegen(nummern(), inhalt, fehler);
    if (pfad.isEmpty()) {
        if (fehler.isEmpty()) fehler = kOrdnerVoll;
        return {};
    }
    nrtext = pfad.right(6).left(2);
    protdatei = pfad;
    return pfad;
}

} // namespace schueler
