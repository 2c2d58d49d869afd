#include "analyses/f_schueler.h"

#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/protokolldatei.h"

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

} // namespace

bool ohneListe()
{
    return aktivliste == "ohne";
}

QStringList namenliste(QString* unlesbar)
{
    if (unlesbar) unlesbar->clear();
    QString pfad;
    QString fehler;
    // A list that is gone shows no names, as before; a folder that cannot be read is not taken for one.
    if (unlesbar && protokoll::listeAnsehen(datpfad, aktivliste.str(), pfad, fehler) == protokoll::Listenblick::fehler)
        *unlesbar = protokoll::unlesbarMeldung(datpfad + QStringLiteral("k_liste"), protokoll::grund(fehler));
    const QStringList zeilen = protokoll::klassenliste(datpfad, aktivliste.str());
    QStringList namen;
    for (int i = listenzeilen.low(); i <= listenzeilen.high(); ++i)
        listenzeilen[i].clear();
    for (int i = 0; i < zeilen.size(); ++i) {
        listenzeilen[i] = zeilen[i];
        namen << protokoll::nameAusZeile(zeilen[i]);
    }
    schuelerzahl = byte(namen.size());
    return namen;
}

QString schuelercode(int index, const QString& name)
{
    return (protokoll::zweistellig(index + 1) + QLatin1Char(' ') + name).left(35);
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
        ordner = protokoll::schuelerordner(datpfad, aktivliste.str(), name);
        if (ordner.isEmpty() || !files::forceDirectories(ordner)) return Protokollziel::Unzulaessig;
    } else {
        schuelerzeile = name;
        // The names were read when they were shown; a folder is made only for a line the list still holds.
        const int nummer = name.left(2).toInt();
        const QString gezeigt = nummer >= 1 && nummer <= schuelerzahl ? listenzeilen[nummer - 1] : QString();
        QString fehler;
        switch (protokoll::ordnerInListe(datpfad, aktivliste.str(), nummer, gezeigt, name, ordner, fehler)) {
        case protokoll::Listenordner::angelegt:
            break;
        case protokoll::Listenordner::fehler:
            return Protokollziel::Unzulaessig;
        case protokoll::Listenordner::unlesbar:
            letzterGrund() = protokoll::grund(fehler);
            return Protokollziel::ListeUnlesbar;
        case protokoll::Listenordner::geaendert:
            return Protokollziel::ListeGeaendert;
        case protokoll::Listenordner::gesperrt:
            return Protokollziel::ListeGesperrt;
        case protokoll::Listenordner::geloescht:
            // As without a list from now on: a protocol never goes into the deleted list's folder.
            geloeschteListe() = aktivliste.str();
            aktivliste = "ohne";
            return Protokollziel::ListeGeloescht;
        }
    }
    schuelerordner = ordner;
    protdatei = ordner + QLatin1Char('/');

    const int n = protokoll::freienummer(protokollstamm());
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
        return QStringLiteral("Die Klassenliste „%1“ gibt es nicht mehr: sie wurde an einem anderen Rechner "
                              "gelöscht. Bitte den Namen eintippen und noch einmal „Start“ klicken.")
            .arg(geloeschteListe());
    case Protokollziel::ListeGesperrt:
        return QStringLiteral("Die Klassenliste wird gerade an einem anderen Rechner geändert. Bitte gleich noch "
                              "einmal „Start“ klicken.");
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
    const QString stamm = protokollstamm();
    const QString pfad = protokoll::anlegen(stamm, inhalt, fehler);
    if (pfad.isEmpty()) {
        if (fehler.isEmpty()) fehler = kOrdnerVoll;
        return {};
    }
    nrtext = pfad.mid(stamm.size(), 2);
    protdatei = pfad;
    return pfad;
}

} // namespace schueler
