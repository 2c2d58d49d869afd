#pragma once
#include "platform/form.h"

class Button;
class Edit;
class Label;
class ListBox;
class Memo;
class Panel;
class RadioButton;

// The main window: the four area buttons, the choice of the active class list with the way into the
// administration, and the first-run set-up of the data folder.
class TForm1 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm1)
public:
    explicit TForm1(QWidget* parent = nullptr);

    void F1aktiv();
    void listenwahlfuellen();
    // The first-run window's note, beginning with why the window is there: `anlass` (after an installation where
    // empty).
    void memo2Fuellen(const QString& anlass = QString());
    void klinaschreiben();

    void Button1Click();
    void Button4Click();
    void Button7Click();
    void Button9Click();
    void Button10Click();
    void Button3Click();
    void listenwahlClick();
    void RadioButton1Click();
    void datpfad_okClick();
    // "Erneut versuchen" and "anderen Datenordner angeben" while the data folder cannot be reached.
    void erneutVersuchenClick();
    void andererOrdnerClick();
    void alleszu();
    // The administration's "Ende" puts the password entry away again.
    void passwortVerbergen();

private:
    void aufbauen();
    void bereichOeffnen(Form* const& hub);
    // Puts away what only a reachable data folder offers: the class-list choice and the areas.
    void bereicheSchliessen();
    void einrichtungZeigen(const QString& meldung, const QString& anlass = QString());
    void unerreichbarZeigen(const QString& meldung);
    void memo2Anpassen();
    // Says `text` beside the class-list choice until the next fill of the choice.
    void listenMeldungZeigen(const QString& text);
    // Shows the active list's name whole in the room left of the choice (" -/-" for none), in a smaller font
    // where the name needs it.
    void aktivlisteZeigen(const QString& name);

    Button* Button1 = nullptr;
    Button* Button4 = nullptr;
    Button* Button9 = nullptr;
    Button* Button7 = nullptr;
    Button* Button10 = nullptr;
    Panel* Panel1 = nullptr;
    Label* Label9 = nullptr;
    Panel* Panel2 = nullptr;
    Label* Label1 = nullptr;
    Edit* Edit1 = nullptr;
    Label* Label2 = nullptr;
    Panel* kl_Panel = nullptr;
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;
    Label* Label8 = nullptr;
    Label* Label16 = nullptr;
    ListBox* listenwahl = nullptr;
    RadioButton* RadioButton1 = nullptr;
    Button* Button5 = nullptr;
    Panel* datpfadpanel = nullptr;
    Memo* Memo1 = nullptr;
    Edit* Edit2 = nullptr;
    Button* datpfad_ok = nullptr;
    Memo* Memo2 = nullptr;
    Label* datpfadmeldung = nullptr;
    // A failed write of the data folder's "kl.ina" after a click in the class-list choice, or a list chosen there
    // that is gone.
    Label* klinameldung = nullptr;
    // klinameldung says what the next fill of the choice replaces: "k_liste" unreadable, the active list naming
    // none, a chosen list gone.
    bool m_listenMeldung = false;
    // The shared "kl.ina" names an active list that the last fill did not find: none is active in truth.
    bool m_aktivFehlt = false;
    // Where the data folder named in "kl.ina" cannot be reached (a share not mounted yet): what is wrong, and the way
    // to try again, to give another folder or to end.
    Panel* unerreichbarPanel = nullptr;
    Label* unerreichbarText = nullptr;
    Button* erneutVersuchen = nullptr;
    Button* andererOrdner = nullptr;
};
