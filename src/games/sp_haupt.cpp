#include "games/sp_haupt.h"

#include "games/sp_haupt_logik.h"
#include "games/spielstarter.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

namespace {

GroupBox* gruppe(
    QWidget* parent, const QString& titel, int left, int top, int width, int height, int titelX, Label*& titelLabel)
{
    auto* g = new GroupBox(parent, QString(), left, top, width, height);
    titelLabel = new Label(g, titel, titelX, 16);
    applyFont(titelLabel, QStringLiteral("Arial"), 24);
    return g;
}

Form* starterfenster(int spiel)
{
    switch (sp_haupt::starter(spiel)) {
    case sp_haupt::Starter::knobeln:
        return Form42;
    case sp_haupt::Starter::partner:
        return Form44;
    case sp_haupt::Starter::gruppe:
        return Form47;
    case sp_haupt::Starter::keiner:
        break;
    }
    return nullptr;
}

} // namespace

Form* spielfenster(int spiel)
{
    switch (spiel) {
    case 1:
    case 12:
        return Form51;
    case 2:
        return Form54;
    case 3:
        return Form46;
    case 4:
        return Form43;
    case 5:
        return Form58;
    case 6:
        return Form60;
    case 7:
        return Form61;
    case 8:
        return Form62;
    case 9:
    case 11:
        return Form49;
    case 13:
        return Form52;
    case 14:
    case 15:
    case 16:
        return Form32;
    case 17:
        return Form55;
    case 18:
    case 19:
        return Form48;
    case 20:
    case 21:
        return Form50;
    case 22:
        return Form53;
    case 24:
        return Form57;
    case 25:
        return Form56;
    case 26:
        return Form59;
    default:
        return nullptr;
    }
}

TForm41::TForm41(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm41"));
    setCaption(QStringLiteral("Spiele"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 952, 674);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 11);

    KnPlan = gruppe(this, QStringLiteral("Knobeln und Planen"), 8, 130, 393, 383, 80, Label1);
    Partnerspiele = gruppe(this, QStringLiteral("Partnerspiele"), 408, 130, 209, 383, 32, Label4);
    Hangman = gruppe(this, QStringLiteral("Hangman"), 624, 130, 153, 327, 19, Label6);

    // Created in tab order: down the left column of the puzzle games, then down the right one.
    struct Zeile {
        Button** knopf;
        const char* name;
        const char* caption;
        GroupBox* box;
        int left, top, width, height, spiel;
    };
    const Zeile zeilen[] = {
        { &Button13, "Button13", "buntes Feld", KnPlan, 16, 55, 160, 30, 13 },
        { &Button9, "Button9", "Zahlenkette, 4 Glieder", KnPlan, 16, 111, 160, 30, 9 },
        { &Button11, "Button11", "Zahlenkette, 5 Glieder", KnPlan, 16, 153, 160, 30, 11 },
        { &Button21, "Button21", "Zahlenpyramide (3)", KnPlan, 16, 220, 160, 30, 21 },
        { &Button20, "Button20", "Zahlenpyramide (4)", KnPlan, 16, 267, 160, 29, 20 },
        { &Button22, "Button22", "Zauberquadrate", KnPlan, 16, 335, 160, 30, 22 },
        { &Button4, "Button4", "Zeichen für Ziffern", KnPlan, 192, 55, 190, 30, 4 },
        { &Button12, "Button12", "Was tut die Maschine?", KnPlan, 192, 111, 190, 30, 12 },
        { &Button1, "Button1", "Was tun die Maschinen?", KnPlan, 192, 153, 190, 30, 1 },
        { &Button14, "Button14", "2 Nachbarn im 100er-Feld", KnPlan, 192, 219, 190, 30, 14 },
        { &Button15, "Button15", "3 Nachbarn im 100er-Feld", KnPlan, 192, 267, 190, 30, 15 },
        { &Button16, "Button16", "4 Nachbarn im 100er-Feld", KnPlan, 192, 315, 190, 30, 16 },
        { &Button17, "Button17", "4 gewinnt (Spielversion)", Partnerspiele, 16, 56, 180, 30, 17 },
        { &Button2, "Button2", "4 gewinnt (100er-Feld)", Partnerspiele, 16, 102, 180, 30, 2 },
        { &Button3, "Button3", "TIC-TAC-TOE  //  Bingo", Partnerspiele, 16, 157, 180, 30, 3 },
        { &Button25, "Button25", "15 gewinnt   //  Bingo", Partnerspiele, 16, 210, 180, 30, 25 },
        { &Button24, "Button24", "Neuner abräumen", Partnerspiele, 16, 264, 180, 30, 24 },
        { &Button26, "Button26", "Wer springt ins  Ziel?", Partnerspiele, 16, 318, 180, 30, 26 },
        { &Button5, "Button5", "Zahlenraten", Hangman, 8, 56, 131, 30, 5 },
        { &Button6, "Button6", "Botschaften", Hangman, 8, 100, 131, 30, 6 },
        { &Button7, "Button7", "1 x 1 - Flipper", Hangman, 8, 145, 131, 30, 7 },
        { &Button8, "Button8", "Wörterraten", Hangman, 8, 190, 131, 30, 8 },
        { &Button18, "Button18", "rechts / links 1", Hangman, 8, 235, 131, 30, 18 },
        { &Button19, "Button19", "rechts / links 2", Hangman, 8, 280, 131, 30, 19 },
    };
    for (const Zeile& z : zeilen) {
        auto* b = new Button(z.box, QString::fromUtf8(z.caption), z.left, z.top, z.width, z.height);
        b->setObjectName(QLatin1String(z.name));
        applyFont(b, QStringLiteral("Arial"), 15);
        setHandCursor(b);
        const int spiel = z.spiel;
        b->OnClick = [this, spiel] { spielClick(spiel); };
        *z.knopf = b;
    }

    Button10 = new Button(this, QStringLiteral("zurück"), 648, 488, 97, 41);
    Button10->setObjectName(QStringLiteral("Button10"));
    applyFont(Button10, QStringLiteral("Arial"), 16);
    Button10->Cancel = true;
    Button10->OnClick = [this] { Button10Click(); };

    setActiveControl(Hangman);
    OnActivate = [this] { shaktivate(); };
}

Button* TForm41::spielknopf(int spiel) const
{
    switch (spiel) {
    case 1:
        return Button1;
    case 2:
        return Button2;
    case 3:
        return Button3;
    case 4:
        return Button4;
    case 5:
        return Button5;
    case 6:
        return Button6;
    case 7:
        return Button7;
    case 8:
        return Button8;
    case 9:
        return Button9;
    case 11:
        return Button11;
    case 12:
        return Button12;
    case 13:
        return Button13;
    case 14:
        return Button14;
    case 15:
        return Button15;
    case 16:
        return Button16;
    case 17:
        return Button17;
    case 18:
        return Button18;
    case 19:
        return Button19;
    case 20:
        return Button20;
    case 21:
        return Button21;
    case 22:
        return Button22;
    case 24:
        return Button24;
    case 25:
        return Button25;
    case 26:
        return Button26;
    default:
        return nullptr;
    }
}

// ---- Handlers ----

void TForm41::shaktivate()
{
    Randomize();
    SetFocus(Button10);
}

void TForm41::spielClick(int spiel)
{
    programmcode = spiel;
    Form* starter = starterfenster(spiel);
    const QString wort = sp_haupt::stichwort(spiel);
    // A damaged section must not keep its game closed for good: it is reported, the launcher opens with its
    // controls as they stand, and Start writes the section anew.
    if (!wort.isEmpty()) {
        using einstellungsdatei::Abschnittstand;
        Abschnittstand stand = Abschnittstand::fehlt;
        try {
            stand = sp_haupt::abschnittladen(wort);
        } catch (const RuntimeError& e) {
            reportError(e.message());
        }
        if (stand == Abschnittstand::beschaedigt) reportError(sp_haupt::beschaedigtMeldung(wort));
        if (auto* s = dynamic_cast<Spielstarter*>(starter)) s->abschnittGeladen(wort, stand == Abschnittstand::gelesen);
    }
    if (starter) starter->showModal();
}

void TForm41::Button10Click()
{
    Close();
}
