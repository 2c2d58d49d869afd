#pragma once
// What the written-subtraction tests share: readable text comparison, typing an answer, building a task.
#include "analyses/f_sv_logik.h"

#include <QString>
#include <string>

namespace svtest {

// Texts compared as std::string print readably when they differ.
inline std::string txt(const QString& s)
{
    return s.toStdString();
}

// Types an answer as a pupil does: the units first, leftwards.
inline void tippe(sv::Lauf& lauf, const QString& antwort)
{
    for (int i = int(antwort.size()) - 1; i >= 0; --i)
        lauf.eingabe().ziffer(antwort[i]);
}

inline sv::Aufgabe aufgabe(int minuend, int subtrahend)
{
    const int d = minuend - subtrahend;
    sv::Aufgabe a;
    a.hunderter3 = minuend / 100, a.zehner3 = minuend / 10 % 10, a.einer3 = minuend % 10;
    a.hunderter2 = subtrahend / 100, a.zehner2 = subtrahend / 10 % 10, a.einer2 = subtrahend % 10;
    a.hunderter1 = d / 100, a.zehner1 = d / 10 % 10, a.einer1 = d % 10;
    return a;
}

} // namespace svtest
