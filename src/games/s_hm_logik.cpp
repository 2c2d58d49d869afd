#include "games/s_hm_logik.h"

#include "games/gruppenspiel.h"
#include "games/sp_haupt_logik.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

namespace s_hm {
namespace {
constexpr int kTabellenbreite = 256;
constexpr int kTabellenhoehe = 217;
constexpr int kMittellinie = 128;
} // namespace

QString titel(int spiel)
{
    switch (spiel) {
    case 5:
        return QStringLiteral("Zahlenraten");
    case 6:
        return QStringLiteral("Botschaften");
    case 7:
        return QStringLiteral("1 x 1 - Flipper");
    case 8:
        return QStringLiteral("Wörterraten");
    case 18:
        return QStringLiteral("links / vorwärts / rechts (1)     Drehung oder Vorschub");
    case 19:
        return QStringLiteral("links / vorwärts / rechts (2)     Drehung und Vorschub");
    default:
        return QString();
    }
}

bool gruppenspiel(int spiel)
{
    return (spiel >= 5 && spiel <= 8) || pfadspiel(spiel);
}

bool pfadspiel(int spiel)
{
    return spiel == 18 || spiel == 19;
}

bool schrittzahlGueltig(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('2') && text[0] <= QLatin1Char('9');
}

int spielerZaehlen(const QStringList& namen)
{
    int n = 0;
    for (const QString& name : namen)
        if (!name.isEmpty()) ++n;
    return n;
}

int richtungenZaehlen()
{
    int n = 0;
    for (int i = 0; i <= 3; ++i) {
        if (rechenarten[i] == i)
            ++n;
        else
            rechenarten[i] = -1;
    }
    return n;
}

bool startErlaubt(int spiel, int spielerzahl, const QString& schritte, int gewaehltzahl)
{
    if (pfadspiel(spiel)) return schrittzahlGueltig(schritte) && gewaehltzahl > 0 && spielerzahl > 0;
    return gruppenspiel(spiel) && spielerzahl >= 1;
}

std::vector<int> abschnittwerte(int spiel, int schritte)
{
    std::vector<int> w = sp_haupt::abschnittwerte(sp_haupt::stichwort(spiel));
    if (pfadspiel(spiel) && w.size() == 6) w[4] = schritte;
    return w;
}

std::vector<Tabellenname> siegerliste()
{
    std::vector<Tabellenname> liste;
    for (int p = 1; p <= 5; ++p) {
        const int x = spielerstatus[p] + 10;
        if (gruppenspiel::freierPlatz(listenzeilen[p]) || x < 0 || x >= kTabellenbreite) continue;
        liste.push_back({ listenzeilen[p], x, 30 * p + 25 });
    }
    return liste;
}

// The last pixel column a text of the table starting at x may reach: a pixel of white before the middle line
// or the right border.
static int spaltenende(int x)
{
    return x < kMittellinie ? kMittellinie - 2 : kTabellenbreite - 3;
}

// The table's font grows with the screen, but its columns do not: where a text would run past its column the
// font is made smaller until every one fits, all texts of a kind in one size.
static void spaltentexte(Canvas& c, const std::vector<Tabellenname>& texte)
{
    for (const Tabellenname& t : texte)
        gruppenspiel::schriftEinpassen(c, t.name, spaltenende(t.x) - t.x + 1);
    for (const Tabellenname& t : texte)
        c.textOut(t.x, t.y, t.name);
}

void endetabelle(Canvas& c, float skalaX)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.brush = Brush { clWhite };
    c.pen = Pen { clBlack, 1 };
    c.rectangle(0, 0, kTabellenbreite, kTabellenhoehe);
    c.moveTo(kMittellinie, 0);
    c.lineTo(kMittellinie, kTabellenhoehe);
    c.moveTo(0, 45);
    c.lineTo(kTabellenbreite, 45);
    c.font.name = QStringLiteral("arial");
    c.font.color = clGreen;
    c.font.height = -Round(16.0 * double(skalaX));
    spaltentexte(c, { { QStringLiteral("Gewinner"), 10, 10 }, { QStringLiteral("Verlierer"), 150, 10 } });
    c.font.height = -Round(15.0 * double(skalaX));
    spaltentexte(c, siegerliste());
}

} // namespace s_hm
