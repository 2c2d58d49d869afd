// A class list as a teacher or a crash may have left it: what a choice offers of it, each pupil with a folder of his
// own, and a name added to it, which never moves a pupil to another folder, never gives a number another line has,
// and never rewrites a list it could not read as text. The same bytes as "dw.ina": a password that can be typed, or the
// administration shut and said.

#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "umgebung.h"

#include <QDir>
#include <QSet>
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace klassenliste;
    const QString ordner = fuzz::datenordner();
    QDir().mkpath(ordner + QStringLiteral("k_liste"));
    // Each input starts without the folders the last one made: thousands of them would slow every input down.
    QDir(ordner + QStringLiteral("Klassen")).removeRecursively();
    const auto keineZweiGleich = [](const QStringList& namen) {
        QSet<QString> klein;
        for (const QString& n : namen)
            klein.insert(n.toLower());
        return klein.size() == namen.size();
    };
    const QByteArray vorher(reinterpret_cast<const char*>(data), int(size));
    const QString pfad = fuzz::datei(QStringLiteral("k_liste/KL.TXT"), data, size);

    const Schuelerliste liste = schuelerLesen(ordner, QStringLiteral("KL"));
    fuzz::pruefen(liste.stand != Schuelerliste::Stand::gelesen || liste.zeilen == schuelerzeilen(zeilenAus(vorher)),
        "a pupil not offered");
    fuzz::pruefen(std::all_of(liste.zeilen.begin(), liste.zeilen.end(), istSchueler), "a blank line offered");
    fuzz::pruefen(keineZweiGleich(ordnernamen(liste.zeilen)), "two pupils share a folder");
    fuzz::pruefen(liste.zeilen.isEmpty() != liste.meldung.isEmpty(), "no pupil without a reason, or one beside them");
    fuzz::pruefen(fuzz::bytes(pfad) == vorher, "reading changed the list");

    const QString dwina = fuzz::datei(QStringLiteral("dw.ina"), data, size);
    QString meldung;
    const std::optional<QString> passwort = dverw::dwinaPasswort(ordner, &meldung);
    fuzz::pruefen(passwort ? dverw::passwortGueltig(*passwort) && meldung.isEmpty() : meldung.contains(dwina),
        "a password no one can type, or a shut administration not said");
    fuzz::pruefen(fuzz::bytes(dwina) == vorher, "reading changed dw.ina");

    const Speicherergebnis e = dverw::namenHinzufuegen(ordner, QStringLiteral("KL"), QStringLiteral("Neu"));
    const QByteArray nachher = fuzz::bytes(pfad);
    if (e.art != Speicherung::gespeichert) {
        fuzz::pruefen(nachher == vorher, "a save that wrote nothing changed the list");
        return 0;
    }
    fuzz::pruefen(liste.stand != Schuelerliste::Stand::beschaedigt, "a damaged list rewritten");
    const QStringList alt = schuelerzeilen(zeilenAus(vorher));
    QStringList neu = schuelerzeilen(zeilenAus(nachher));
    fuzz::pruefen(e.nummer >= 1 && e.nummer <= kMaxNummer, "a number that two digits cannot write");
    fuzz::pruefen(std::none_of(alt.begin(), alt.end(), [&](const QString& z) { return nummer(z) == e.nummer; }),
        "a number in use given again");
    for (int i = 0; i < alt.size(); ++i) {
        fuzz::pruefen(schuelercode(alt.at(i), i + 1).left(2).toInt() != e.nummer, "a number a pupil is known by");
        fuzz::pruefen(
            ordnername(alt.at(i)).compare(ordnername(zeile(e.nummer, QStringLiteral("Neu"))), Qt::CaseInsensitive) != 0,
            "the new pupil in another pupil's folder");
    }
    fuzz::pruefen(zeilenAus(nachher).size() == zeilenAus(vorher).size() + 1, "the file reads back as other lines");
    fuzz::pruefen(neu.removeOne(zeile(e.nummer, QStringLiteral("Neu"))), "the new pupil not written");
    fuzz::pruefen(neu.size() == alt.size(), "a pupil lost or added");
    const QStringList altOrdner = ordnernamen(alt);
    const QStringList neuOrdner = ordnernamen(schuelerzeilen(zeilenAus(nachher)));
    fuzz::pruefen(keineZweiGleich(neuOrdner), "two pupils share a folder after a save");
    for (int i = 0; i < alt.size() && i < neuOrdner.size(); ++i)
        fuzz::pruefen(altOrdner.at(i) == neuOrdner.at(i), "a pupil moved to another folder");
    return 0;
}
