#include "shell/pfadzeile.h"

#include "shell/HalmorGlobalDefs.h"

#include <algorithm>

namespace pfadzeile {

void setzen(int i, const QString& text, int pfad)
{
    if (i == pfad)
        protzeilen[i].ganz(text);
    else
        protzeilen[i] = text;
}

QStringList umbrechen(const QString& zeile, int zeichen)
{
    zeichen = std::max(zeichen, 2);
    if (zeile.size() <= zeichen) return { zeile };
    // Under the path where a caption stands before it, unless the caption takes most of the line.
    int einzug = std::max<int>(0, int(zeile.indexOf(u'/')));
    if (einzug > zeichen / 2) einzug = 0;
    QStringList teile;
    QString rest = zeile;
    QString vorne;
    for (;;) {
        const int platz = zeichen - int(vorne.size());
        if (rest.size() <= platz) {
            teile << vorne + rest;
            return teile;
        }
        int ende = int(rest.lastIndexOf(u'/', platz - 1)) + 1;
        if (ende <= platz / 2) ende = platz; // a folder name longer than half a line is broken itself
        teile << vorne + rest.left(ende);
        rest = rest.mid(ende);
        vorne = QString(einzug, u' ');
    }
}

} // namespace pfadzeile
