#pragma once
// "hangman": the set-up window of the games for one to five players. The players type their names, the
// game's options show what the hub loaded from "sw.ina"; Start saves them and opens the game. After the last
// turn the game shows this window's winner table (for the flipper also the offer of a printed evaluation).

#include "games/spielstarter.h"
#include "platform/form.h"

class Button;
class DesignGrid;
class Edit;
class Label;
class ListBox;
class PaintBox;
class Panel;
class RadioGroup;
class Timer;

class TForm47 final : public Form, public Spielstarter {
    Q_OBJECT
    Q_DISABLE_COPY(TForm47)
public:
    explicit TForm47(QWidget* parent = nullptr);

    void abschnittGeladen(const QString& stichwort, bool ausDatei) override;

    // The name typed at place k (1..5).
    QString spielername(int k) const;
    // The path game's step count as typed (0 when it is none of 2..9).
    int schrittvorgabe() const;
    // A game's last turn is over: the winner table replaces the names until Start, "o.k." or "zurück".
    void spielende(bool auswertungAnbieten);
    bool tabelleOffen() const { return m_tabelleOffen; }

    Panel* titelpanel = nullptr;
    Panel* spielerpanel = nullptr;
    Label* Label1 = nullptr; // "Mitspieler"
    Edit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    PaintBox* sieger = nullptr;
    Panel* lvr1panel = nullptr;
    ListBox* Lage = nullptr;
    Panel* lvr2panel = nullptr;
    Edit* Edit6 = nullptr;
    RadioGroup* zr_var = nullptr;
    RadioGroup* zvonwem = nullptr;
    Panel* Bot_RA = nullptr;
    RadioGroup* Bot_RArten = nullptr;
    RadioGroup* wortwahl = nullptr;
    Panel* wr_zeigen = nullptr;
    RadioGroup* WR_Bu_zeigen = nullptr;
    RadioGroup* wr_fehl_zeig = nullptr;
    Panel* WR_Bot_Zeit = nullptr;
    RadioGroup* WR_Bot_LVR_Zeit = nullptr;
    Panel* flip_1x1 = nullptr;
    RadioGroup* flip_welche = nullptr;
    Panel* flip_zeit = nullptr;
    RadioGroup* flip_zeiten = nullptr;
    Panel* flip_hinweis = nullptr;
    Panel* dokuflip = nullptr;
    Button* Button1 = nullptr; // "o.k."
    Button* Button2 = nullptr; // "&Start", Enter
    Button* Button10 = nullptr; // "zurück", Esc

private:
    void aufbauen();
    // A finished game's winner table is in view; the next activation then keeps the game's panels.
    bool m_tabelleOffen = false;

    // Handlers
    void form47aktiv();
    void EditChange(int k);
    void LageClick();
    void edit6press(QChar& taste);
    void Edit6Change();
    void Button2Click();
    void Button10Click();
    void schliessen();
    void Endetabelle();
    void Button1Click();

    // Routines
    void spielerZaehlen();
    void richtungenZaehlen();
    void startPruefen();
    QList<QWidget*> optionen() const;
    QList<QWidget*> optionenVon(int spiel) const;
    QList<Edit*> namensfelder() const;
};

// For the game windows: a button of theirs, named, in "Arial" (its size follows the layout).
Button* spielknopf(QWidget* parent, const char* name, const QString& caption);
// For the game windows: a game window's frame, maximized and centred, its layout on the 1000 x 1000 design
// grid; it lays itself out at its own activation only, not again when a window it opened closes.
void spielrahmen(Form& spiel, const char* name, const QString& titel);
// For the game windows: the column right of the playing field, the same in every game: the picture box on top,
// the start button above the time box and the abort button at the foot.
void seitenleiste(const DesignGrid& g, PaintBox* bild, PaintBox* zeit, Button* start, Button* ende);
// For the game windows, at a game's activation: the names of the set-up window into listenzeilen 1..5, and no
// turn yet (spielernummer 0).
void spielBeginnen();
// The player change of a game window. At the game's end the turn timer stops, the set-up window shows its
// winner table (and for the flipper the offer to print) and the game window closes: false then.
bool spielerwechsel(Form& spiel, Timer& timer, bool statusZuruecksetzen, bool auswertungAnbieten = false);
