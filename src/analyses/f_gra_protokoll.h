#pragma once
// The protocol of a basic-arithmetic run: the header with the rates, the result grid of the code and, when
// there were wrong answers, the legend of the error letters that occurred.

#include <QString>
#include <QStringList>

namespace gra {

// "Arbeitszeit: 1:05 min": whole minutes (hours included) and seconds of the working time.
QString arbeitszeit(int stunden, int minuten, int sekunden);

// The protocol lines 0 .. last of the finished run, from the shared state the run left: the pupil,
// programmcode, wahl2, zeichen, aufgabenanzahl, zaehler, wahl1, fehlerzahl, the decoded working time
// (stunden, minuten, sekunden), the grids, the wrong answers per row and column and the letter counters.
// `pfad` is the protocol file's path for line 1.
QStringList protokollzeilen(const QString& pfad);

// The protocol of the run as the writer finishes it: the working time from startzeit to now (0 when no task
// was shown), decoded into stunden, minuten, sekunden and millisek; protzeilen filled from line 0; the file
// created at the first free number of the pupil's folder. Returns the file's path (protdatei then names it);
// empty when it could not be written, and `fehler` says why.
QString protokollSchreiben(QString& fehler, QStringList* zeilenAus = nullptr);

} // namespace gra
