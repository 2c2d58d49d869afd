#include "shell/tav_i_logik.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "shell/HalmorGlobalDefs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tavi {

const char* const kWortlisten[15] = { "zahlen", "namen", "tiere", "pflanzen", "essen", "mensch", "kleidung", "fussball",
    "haus", "werkzeug", "verkehr", "staedte", "laender", "kurz", "lang" };

Skalierung skalierung(int breite, int hoehe)
{
    Skalierung s;
    const long double verhaeltnis = static_cast<long double>(hoehe) / breite;
    if (verhaeltnis >= 0.75L) {
        s.x = float((breite - 1) / 1000.0);
        s.y = float(double(s.x) * 3 / 4.3);
    } else {
        s.y = float((hoehe - 50) / 1000.0);
        s.x = float(1.43 * double(s.y));
    }
    return s;
}

QString lesbareZeile(const QString& zeile, bool ersteZeile)
{
    QString wort = zeile;
    // An editor may save the file as UTF-8, with a byte-order mark before the first line: the mark is no
    // part of the text, and a line in UTF-8 (its umlauts two bytes each) is read as such.
    if (ersteZeile && wort.startsWith(QStringLiteral("\u00EF\u00BB\u00BF"))) wort.remove(0, 3);
    return cp1252::decodeLine(cp1252::encode(wort));
}

KlIna klinaLesen(const QString& datei)
{
    TextFile f;
    f.assign(datei);
    f.reset();
    KlIna k;
    if (f.ioResult() != 0) return k;
    k.datpfad = lesbareZeile(f.readLine(), true);
    k.aktivliste = lesbareZeile(f.readLine(), false).left(8);
    f.close();
    return k;
}

void klinaSchreiben(const QString& datei, const QString& pfad, const QString& liste)
{
    TextFile f;
    f.setChecked(true);
    f.assign(datei);
    f.rewrite();
    f.writeLine(pfad);
    f.writeLine(liste);
    f.close();
}

bool erststart(const KlIna& programmkopie)
{
    return programmkopie.datpfad == QLatin1String("x") || programmkopie.datpfad.isEmpty();
}

namespace {

// What a file read, as a message can show it: control characters as "?", and no more than `hoechstens` characters.
QString gelesenZeigen(const QString& text, int hoechstens = 40)
{
    QString t = text.left(hoechstens);
    for (QChar& c : t)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) c = u'?';
    return text.size() > t.size() ? t + QStringLiteral("...") : t;
}

// Names a data folder always holds, in any letter case: the files the first run makes and the folders the work
// makes. A share's mount point holds none of them before the share is mounted on it.
const char* const kDatenordnerNamen[]
    = { "kl.ina", "dw.ina", "hw.ina", "fw.ina", "aw.ina", "sw.ina", "WORTList", "k_liste", "Klassen", "OHNELIST" };

// Why the folder `ordner` (a real path that can be entered) is no data folder now; empty when it is one. One look
// in the common case, one listing where its "kl.ina" is gone.
QString nichtsVomDatenordner(const QString& ordner)
{
    if (QFileInfo::exists(ordner + QStringLiteral("kl.ina"))) return {};
    int err = 0;
    const QStringList namen = files::listEntries(ordner, err);
    if (err != 0)
        return QStringLiteral("er lässt sich von diesem Rechner aus nicht lesen (%1)")
            .arg(IoError::reason(ioCodeFor(err)));
    for (const QString& name : namen)
        for (const char* daten : kDatenordnerNamen)
            if (name.compare(QLatin1String(daten), Qt::CaseInsensitive) == 0) return {};
    return QStringLiteral("in ihm ist nichts von einem Datenordner");
}

} // namespace

Startordner datenordnerAusKlina(const QString& datei, const KlIna& k)
{
    Startordner s;
    if (erststart(k)) return s;
    QString pfad = QDir::fromNativeSeparators(k.datpfad.trimmed());
    const bool lesbar = gelesenZeigen(pfad, int(pfad.size())) == pfad;
    if (!QDir::isAbsolutePath(pfad)) {
        s.start = Start::keinOrdner;
        s.meldung = QStringLiteral("Die Datei \"%1\" nennt keinen Datenordner: Ihre erste Zeile \"%2\" ist kein "
                                   "vollständiger Pfad. Er beginnt mit \"/\", zum Beispiel %3. Bitte den Datenordner "
                                   "angeben (oder mit Esc beenden).")
                        .arg(datei, gelesenZeigen(k.datpfad), QDir::homePath() + QStringLiteral("/Tirmosak_Daten/"));
        return s;
    }
    if (!pfad.endsWith(u'/')) pfad += u'/';
    QString echt = files::resolve(pfad);
    if (!echt.endsWith(u'/')) echt += u'/';
    const QFileInfo ordner(echt.size() > 1 ? echt.chopped(1) : echt);
    // A damaged line, or a file where the folder should be, is no folder that may come back.
    if (!lesbar || (ordner.exists() && !ordner.isDir())) {
        s.start = Start::keinOrdner;
        s.meldung = QStringLiteral("Die Datei \"%1\" nennt keinen Datenordner: Ihre erste Zeile \"%2\" ist kein "
                                   "vorhandener Ordner. Bitte den Datenordner angeben (oder mit Esc beenden).")
                        .arg(datei, gelesenZeigen(k.datpfad));
        return s;
    }
    // A share not mounted yet: its path is missing, or its mount point is an empty folder of this PC's own disk.
    const QString grund = !ordner.exists() ? QStringLiteral("er ist zur Zeit nicht da")
        : !ordner.isExecutable()           ? QStringLiteral("er lässt sich von diesem Rechner aus nicht öffnen")
                                           : nichtsVomDatenordner(echt);
    if (grund.isEmpty()) {
        s.start = Start::datenordner;
        s.datpfad = pfad;
        return s;
    }
    s.start = Start::unerreichbar;
    s.meldung = QStringLiteral("Der Datenordner „%1“ kann nicht erreicht werden: %2.\n\n"
                               "Ist das Netzlaufwerk verbunden? Sobald der Ordner da ist, klicken Sie auf „Erneut "
                               "versuchen“. Bis dahin wird nichts gespeichert.\n\n"
                               "(Der Datenordner ist in der Datei „%3“ eingetragen.)")
                    .arg(gelesenZeigen(pfad, 300), grund, datei);
    return s;
}

bool aktivlisteGueltig(const QString& datei, const QString& aktivliste, QString& meldung)
{
    meldung.clear();
    if (files::isSafeName(aktivliste) && gelesenZeigen(aktivliste) == aktivliste) return true;
    meldung = QStringLiteral("Die Datei \"%1\" nennt als aktive Liste \"%2\", das ist keine Liste. Es ist keine "
                             "Liste aktiviert.")
                  .arg(datei, gelesenZeigen(aktivliste));
    return false;
}

namespace {

void dateiKopieren(const QString& von, const QString& nach)
{
    const QStringList zeilen = TextFile::readAllLines(von);
    TextFile ziel;
    ziel.setChecked(true);
    ziel.assign(nach);
    ziel.rewrite();
    for (const QString& z : zeilen)
        ziel.writeLine(z);
    ziel.close();
}

void wortlisteKopieren(const QString& von, const QString& nach)
{
    zeilenzahl = 0;
    const int anzahl = wortlisteLesen(von, true);
    TextFile ziel;
    ziel.setChecked(true);
    ziel.assign(nach);
    ziel.rewrite();
    for (int i = 1; i <= anzahl; ++i)
        ziel.writeLine(wortpuffer[i]);
    ziel.close();
    zeilenzahl = anzahl;
}

} // namespace

int wortlisteLesen(const QString& datei, bool melden)
{
    TextFile quelle;
    quelle.setChecked(melden);
    quelle.assign(datei);
    quelle.reset();
    if (!melden && quelle.ioResult() != 0) return 0;
    int anzahl = 0;
    while (!quelle.eof() && anzahl < kWortlisteMaxWoerter) {
        const QString wort = lesbareZeile(quelle.readLine(), anzahl == 0);
        wortpuffer[++anzahl] = wort;
        if (!melden && quelle.ioResult() != 0) {
            --anzahl;
            break;
        }
    }
    quelle.close();
    return anzahl;
}

namespace {

// Why the full path `pfad` can be no data folder: a file stands where it is to be, or where a folder on its way is,
// or the folder cannot be made there. Empty where it is a folder by now. Said in the window beside the path, so
// that the teacher types another one.
QString keinOrdner(const QString& pfad)
{
    const QString echt = files::resolve(pfad);
    QString weg;
    for (const QString& teil : echt.split(u'/', Qt::SkipEmptyParts)) {
        weg += u'/' + teil;
        struct stat st { };
        if (::stat(QFile::encodeName(weg).constData(), &st) != 0) break;
        if (S_ISDIR(st.st_mode)) continue;
        if (weg.size() + 1 >= echt.size()) // the path itself, with or without its "/"
            return QStringLiteral("„%1“ ist eine Datei, kein Ordner. Bitte einen anderen Ordner angeben.").arg(weg);
        return QStringLiteral("„%1“ kann kein Datenordner sein: „%2“ ist eine Datei, kein Ordner. Bitte einen "
                              "anderen Ordner angeben.")
            .arg(pfad, weg);
    }
    // The first folder that is missing says at once why none can be made there; only what a share answers while it
    // settles is waited out.
    QString fehlt = echt;
    while (fehlt.size() > 1 && fehlt.endsWith(u'/'))
        fehlt.chop(1);
    for (QString oben = QFileInfo(fehlt).path(); oben != fehlt && !QFileInfo::exists(oben);
         oben = QFileInfo(fehlt).path())
        fehlt = oben;
    // `err`: how making the first missing folder failed; 0 where the making of the rest did.
    const auto kannNicht = [&](int err) {
        QString grund;
        // A share answers a name it refuses as it answers one it settles: where that is why, the name is the reason.
        const QString name = err == 0 ? files::refusedName(echt) : QString();
        if (!name.isEmpty()) {
            const QChar zeichen = name.at(files::refusedCharacterAt(name));
            grund = zeichen.unicode() < 0x20
                ? QStringLiteral("ein Steuerzeichen ist in Ordnernamen auf diesem Laufwerk nicht erlaubt")
                : QStringLiteral("das Zeichen „%1“ ist in Ordnernamen auf diesem Laufwerk nicht erlaubt").arg(zeichen);
        } else if (err == ENOENT) {
            // The folder above is there, yet takes no folder (as in /proc).
            grund = QStringLiteral("der Ordner „%1“ nimmt keine neuen Ordner auf").arg(QFileInfo(fehlt).path());
        } else if (err != 0) {
            grund = IoError::reason(ioCodeFor(err));
        }
        return QStringLiteral("Der Ordner „%1“ lässt sich dort nicht anlegen%2. Bitte einen anderen Ordner angeben.")
            .arg(pfad, grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund));
    };
    if (!QFileInfo::exists(fehlt)) {
        const int err = ::mkdir(QFile::encodeName(fehlt).constData(), 0777) == 0 ? 0 : errno;
        if (err != 0 && err != EEXIST && !files::passing(err)) return kannNicht(err);
    }
    return files::forceDirectories(pfad) ? QString() : kannNicht(0);
}

} // namespace

QString datenordnerEinrichten(
    const QString& getippt, const QString& installordner, const QString& programmordner, QString& datpfadNeu)
{
    QString pfad = getippt.trimmed();
    if (pfad.isEmpty() || !QDir::isAbsolutePath(QString(pfad).replace(u'\\', u'/')))
        return QStringLiteral("Bitte einen vollständigen Pfad angeben, zum Beispiel %1")
            .arg(QDir::homePath() + QStringLiteral("/Tirmosak_Daten/"));
    if (!pfad.endsWith(u'/') && !pfad.endsWith(u'\\')) pfad += u'/';
    pfad = QDir::fromNativeSeparators(pfad);

    const KlIna installiert = klinaLesen(programmordner + QStringLiteral("kl.ina"));
    QString liste = installiert.aktivliste.isEmpty() ? QStringLiteral("ohne") : installiert.aktivliste;

    // The folder may be one that other PCs already work with, or one an earlier set-up left half made: a
    // file already there keeps what the school made of it (the password, the work limits, an edited word
    // list, the active class list), and only the missing ones come from the installation.
    const QString warum = keinOrdner(pfad);
    if (!warum.isEmpty()) return warum;
    for (const char* name : { "hw.ina", "fw.ina", "aw.ina", "sw.ina", "dw.ina" })
        if (!files::fileExists(pfad + QLatin1String(name)))
            dateiKopieren(installordner + QLatin1String(name), pfad + QLatin1String(name));
    const QString geteilt = pfad + QStringLiteral("kl.ina");
    if (!files::fileExists(geteilt)) {
        klinaSchreiben(geteilt, pfad, liste);
    } else {
        // This PC's copy then names the list the others share, as the main window will read it anyway.
        const QString aktiv = klinaLesen(geteilt).aktivliste;
        if (!aktiv.trimmed().isEmpty()) liste = aktiv;
    }

    if (!files::forceDirectories(pfad + QStringLiteral("WORTList")))
        throw IoError(IoPathNotFound, pfad + QStringLiteral("WORTList"));
    for (const char* name : kWortlisten) {
        const QString datei = QStringLiteral("WORTList/") + QLatin1String(name) + QStringLiteral(".txt");
        if (!files::fileExists(pfad + datei)) wortlisteKopieren(installordner + datei, pfad + datei);
    }

    // Last: from now on the program starts with this data folder.
    klinaSchreiben(programmordner + QStringLiteral("kl.ina"), pfad, liste);
    datpfadNeu = pfad;
    return {};
}

} // namespace tavi
