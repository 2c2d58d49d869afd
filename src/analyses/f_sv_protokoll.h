#pragma once
// The protocol of a written-subtraction run: a header, the error table by task kind with its sums, and the
// five lines of every wrongly solved task; saved as "ssub__NN.txt" in the pupil's folder.

#include "analyses/f_sv_logik.h"

#include <QString>
#include <QStringList>

namespace sv {

constexpr int kProtokollzeilenlaenge = 100;
inline const QString kPraefix = QStringLiteral("ssub__");

// The pupil as line 0 names them: the typed name, or the class-list line without its number and blank.
QString protokollname(const QString& schuelername, bool ohneListe);

struct Protokollkopf {
    QString name; // as protokollname() gives it
    QString pfad; // the protocol file
    QString datum; // "dd.mm.yyyy"
    int minuten = 0; // working time
    int sekunden = 0;
};

// Lines 0 .. 6 zeilennr + 24 of the protocol, each cut to 100 characters.
QStringList protokollzeilen(const Lauf& lauf, const Protokollkopf& kopf);

// The end of a run: the working time since startzeit, the lines into protzeilen (all other record lines
// cleared), and the file created at the first free number of protdatei + "ssub__" (normally the number the
// set-up found). Returns the file's path, which protdatei and nrtext then name too; an empty one when nothing
// could be saved, with fehler saying why.
QString protokollschreiben(const Lauf& lauf, QString& fehler);

} // namespace sv
