#pragma once
// The set-up of the games for one to five players: titles, when Start may start a game, the value line of
// the path game, and the winner table as a list of names with their places plus its drawing.

#include <QString>
#include <QStringList>
#include <vector>

class Canvas;

namespace s_hm {

QString titel(int spiel);
// The games of the set-up window: 5, 6, 7, 8, 18, 19.
bool gruppenspiel(int spiel);
bool pfadspiel(int spiel);

// A step count the path game can use: exactly one digit 2..9.
bool schrittzahlGueltig(const QString& text);
// The number of names that are not empty.
int spielerZaehlen(const QStringList& namen);
// gewaehltzahl from rechenarten; every entry that is not its own index becomes -1.
int richtungenZaehlen();
bool startErlaubt(int spiel, int spielerzahl, const QString& schritte, int gewaehltzahl);

// The section's values for Start, in file order (the path game's step count as typed).
std::vector<int> abschnittwerte(int spiel, int schritte);

// ---- Winner table ----

struct Tabellenname {
    QString name;
    int x = 0;
    int y = 0;
};
// The names of listenzeilen 1..5 at x = spielerstatus + 10, y = 30 p + 25: winners left, losers right.
// A place without a name (or with blanks only) and a player who aborted (x outside the table) are not listed.
std::vector<Tabellenname> siegerliste();
// The table inside the box `sieger` (256 x 217 pixels, not scaled but for the font, which is made smaller
// where a name would run past its column).
void endetabelle(Canvas& c, float skalaX);

} // namespace s_hm
