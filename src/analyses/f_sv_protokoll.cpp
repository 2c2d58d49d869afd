#include "analyses/f_sv_protokoll.h"

#include "analyses/f_schueler.h"
#include "platform/clock.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/pfadzeile.h"

namespace sv {

namespace {

// A number right-aligned behind `luecke`: one blank more below 10, so two-digit counts stay in column.
QString zelle(int wert, int luecke)
{
    return QString(wert < 10 ? luecke + 1 : luecke, u' ') + QString::number(wert);
}

QString strich()
{
    return QString(71, u'-');
}

} // namespace

QString protokollname(const QString& schuelername, bool ohneListe)
{
    return ohneListe ? schuelername : schuelername.mid(3, 35);
}

QStringList protokollzeilen(const Lauf& lauf, const Protokollkopf& kopf)
{
    const Fehlertabelle& t = lauf.fehlertabelle();
    QStringList z;
    z << kopf.name.leftJustified(37, u' ') + kopf.datum + QStringLiteral("  schr. Subtraktion");
    z << QStringLiteral("gespeichert unter: ") + kopf.pfad;
    z << QString();
    z << QStringLiteral("Arbeitszeit: ") + QString::number(kopf.minuten) + u':'
            + (kopf.sekunden < 10 ? QStringLiteral("0") : QString()) + QString::number(kopf.sekunden)
            + QStringLiteral(" min");
    z << QStringLiteral("Info: Art     =  Aufgabenart (A...K)");
    z << QStringLiteral("      Zahl    =  Zahl der von einer Art gerechneten Aufgaben (1..3)");
    z << QStringLiteral("      N+ ...  =  Fehlertypen");
    z << QString();
    z << QStringLiteral("Art  Zahl    N+   N-  +/-  +m\u00DC   Ri  abs   \u00DC-   \u00DC+  Bet  vE   udf   ges");
    z << strich();
    for (int art = 1; art <= kArtzahl; ++art) {
        QString zeile = QLatin1Char(' ') + QString(artbuchstabe(art)) + QStringLiteral("    ")
            + QString::number(lauf.artzaehler(art)) + QStringLiteral("  ");
        for (int spalte = 1; spalte <= kUdf; ++spalte)
            zeile += zelle(t.wert(art, spalte), 3);
        zeile += zelle(t.wert(art, kZeilensumme), 5);
        z << zeile;
    }
    z << strich();
    QString summen = QStringLiteral("ges  ") + zelle(lauf.artzaehler(kSummenzeile), 0) + QStringLiteral("   ");
    for (int spalte = 1; spalte <= kUdf; ++spalte)
        summen += zelle(t.wert(kSummenzeile, spalte), 2) + QLatin1Char(' ');
    summen += zelle(t.wert(kSummenzeile, kZeilensumme), 4);
    z << summen;
    z << QString() << QString() << QString();
    if (lauf.zeilennr() > 0) {
        z[23] = QStringLiteral("falsch gerechnete Aufgaben:");
        z[24] = QStringLiteral("Art  Nr.         Aufgabe    HZE   Fehlertyp(en)");
        for (int k = 1; k <= lauf.zeilennr(); ++k) {
            const Fehlerzeilen& f = lauf.fehlerzeilen(k);
            z << f.einer << f.zehner << f.ergebnis << f.falsch << f.richtig << QString();
        }
    }
    for (int i = 0; i < z.size(); ++i)
        if (i != pfadzeile::kAnalysen) z[i].truncate(kProtokollzeilenlaenge);
    return z;
}

QString protokollschreiben(const Lauf& lauf, QString& fehler)
{
    endzeit = clockx::now();
    laufzeit = endzeit - startzeit;
    clockx::decode(laufzeit, stunden, minuten, sekunden, millisek);

    Protokollkopf kopf;
    kopf.name = protokollname(schuelername, schueler::ohneListe());
    kopf.datum = clockx::dateText();
    // A run left standing for more than an hour still shows its whole time.
    kopf.minuten = stunden * 60 + minuten;
    kopf.sekunden = sekunden;

    auto fuellen = [&](const QString& pfad) {
        kopf.pfad = pfad;
        const QStringList zeilen = protokollzeilen(lauf, kopf);
        for (int i = protzeilen.low(); i <= protzeilen.high(); ++i)
            protzeilen[i] = QString();
        for (int i = 0; i < zeilen.size() && i <= protzeilen.high(); ++i)
            pfadzeile::setzen(i, zeilen[i], pfadzeile::kAnalysen);
        return zeilen;
    };

    praefix = kPraefix;
    const QString stamm = schueler::protokollstamm();
    const QString pfad = schueler::protokollanlegen(fuellen, fehler);
    if (pfad.isEmpty()) {
        // The record still shows the run, under the name the set-up had found.
        fuellen(stamm + nrtext + QStringLiteral(".txt"));
        return {};
    }
    return pfad;
}

} // namespace sv
