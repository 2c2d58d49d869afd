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
    void memo2Fuellen();
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
    void alleszu();
    // The administration's "Ende" puts the password entry away again.
    void passwortVerbergen();

private:
    void aufbauen();
    void bereichOeffnen(Form* const& hub);

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
    // A failed write of the data folder's "kl.ina" after a click in the class-list choice.
    Label* klinameldung = nullptr;
    // The last fill of the choice found "k_liste" unreadable, or the active list naming none, and said so in
    // klinameldung.
    bool m_listenMeldung = false;
};
