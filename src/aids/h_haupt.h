#pragma once
// "Hilfen": the hub of the aids. An area button opens a group box of aid buttons; an aid button either opens
// its aid at once or first shows the aid's options panel, loaded from "hw.ina"; "Start" saves the options,
// describes the choice for the protocol and opens the aid by its activity code. The hub also keeps the
// work limits (minimum minutes and tasks) that drive every aid's bars and protocol.
//
// The controls are public because the aids set them when they end (a group box shown again, the button
// they were opened from focused, "Start" offered again); the routines below the controls do the usual
// combinations.

#include "platform/form.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>

class Button;
class Edit;
class GroupBox;
class Label;
class ListBox;
class Panel;
class RadioGroup;

class TForm63 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm63)
public:
    explicit TForm63(QWidget* parent = nullptr);
    ~TForm63() override;

    // ---- What an aid does to the hub when it ends ----

    // Shows one area's group box (the others hidden), without loading anything.
    void gruppeZeigen(QWidget* gruppe);
    // Shows one options panel or level group (the other panels hidden).
    void optionenZeigen(QWidget* panel);
    // "Start" visible, and enabled and focused when the options of programmcode allow a start.
    void startknopfZeigen();
    // Codes 81..89: the level group of the code (with the rest choice for 88 and 89) and "Start".
    void stufengruppeZeigen(int code);
    // Codes 71..75: the sub-panel of the code (none for 73) and "Start".
    void hsvPanelZeigen(int code);
    // Codes 41..46: the variant panel of the code and "Start".
    void pm100PanelZeigen(int code);
    // The level chosen in the variant panel of a code 41..46, -1 when none; its caption.
    int pm100stufe(int code) const;
    QString pm100stufentext(int code) const;
    // The aid button of a code (12 and 13: those in "Rechnen im Raum bis 20"); null for codes without one.
    Button* knopf(int code) const;
    // Gives a hub control the focus; asked while an aid is open, it waits until the aid has closed and the
    // hub's return set-up has run, so that the set-up keeps it.
    void fokus(QWidget* control);

    // ---- Areas ----
    Button* Button1 = nullptr; // "&Zahlbegriff"
    Button* Button2 = nullptr; // "Rechnen im Raum bis &20"
    Button* Button37 = nullptr; // "+ / -  im Raum bis &100"
    Button* Button4 = nullptr; // "&Malnehmen und Teilen"
    Button* Button3 = nullptr; // "Rechnen in &Tabellen"
    Button* Button5 = nullptr; // "&halbschriftliche Rechenverfahren"
    Button* Button6 = nullptr; // "&schriftliche Rechenverfahren"
    Button* Button7 = nullptr; // "Maßeinheiten", not in use

    Panel* Panel_Prot = nullptr;
    Label* Label1 = nullptr;
    Label* Label4 = nullptr; // working time
    Label* Label5 = nullptr; // number of tasks
    Button* Button11 = nullptr; // "ändern"
    Button* endebutton = nullptr; // "Hilfen beenden", Esc
    Button* startknopf = nullptr; // "Start", Enter

    // ---- Work limits ----
    Panel* Protfunktionen = nullptr;
    Edit* Edit1 = nullptr; // minutes
    Edit* Edit2 = nullptr; // tasks
    Button* Button9 = nullptr; // "fertig"

    // ---- Group boxes and their aid buttons ----
    GroupBox* GBZahlBegriff = nullptr;
    Button *Button12 = nullptr, *Button13 = nullptr, *Button14 = nullptr, *Button15 = nullptr, *Button16 = nullptr,
           *Button17 = nullptr, *Button18 = nullptr, *Button19 = nullptr, *Button20 = nullptr, *Button21 = nullptr,
           *Button27 = nullptr;
    GroupBox* gbRaum20 = nullptr;
    Button *Button8 = nullptr, *Button10 = nullptr, *Button23 = nullptr, *Button24 = nullptr, *Button25 = nullptr,
           *Button26 = nullptr, *Button29 = nullptr, *Button30 = nullptr, *Button31 = nullptr, *Button32 = nullptr,
           *Button33 = nullptr, *Button34 = nullptr, *Button35 = nullptr, *Button36 = nullptr, *Button38 = nullptr,
           *Button39 = nullptr, *Button40 = nullptr, *Button41 = nullptr, *Button43 = nullptr;
    GroupBox* gbTabellen = nullptr;
    Button *Button42 = nullptr, *Button44 = nullptr, *Button22 = nullptr, *Button28 = nullptr, *Button45 = nullptr,
           *Button46 = nullptr, *Button47 = nullptr, *Button48 = nullptr, *Button49 = nullptr, *Button50 = nullptr;
    GroupBox* gb1x1 = nullptr;
    Button *Button51 = nullptr, *Button52 = nullptr, *Button53 = nullptr, *Button54 = nullptr, *Button55 = nullptr,
           *Button56 = nullptr;
    GroupBox* gbpm100 = nullptr;
    RadioGroup *pm100rechenart = nullptr, *pm100hilfen = nullptr, *pm100zahlwahl = nullptr;
    GroupBox* GroupBox1 = nullptr;
    Button* Button60 = nullptr;
    GroupBox* GB_HSV = nullptr;
    RadioGroup *hsv_tempo = nullptr, *hsv_r_art = nullptr;
    GroupBox* GB_SV = nullptr;
    Button *BitBtn2 = nullptr, *BitBtn3 = nullptr, *BitBtn4 = nullptr, *BitBtn5 = nullptr, *Button62 = nullptr,
           *Button63 = nullptr, *Button66 = nullptr, *Button64 = nullptr, *Button65 = nullptr;

    // ---- Options panels ----
    Panel* wievielep = nullptr;
    ListBox* wiev3_9 = nullptr;
    RadioGroup* wievZeiten = nullptr;
    Panel* schlangenpanel = nullptr;
    ListBox* langeschlange = nullptr;
    RadioGroup* schlrich = nullptr;
    Panel* Zahlwahl10 = nullptr;
    ListBox *ListBox1 = nullptr, *ListBox2 = nullptr, *ListBox3 = nullptr;
    Label* aufgabenzahl = nullptr;
    Panel* zahlwahl20 = nullptr;
    ListBox *ListBox4 = nullptr, *ListBox5 = nullptr, *ListBox6 = nullptr;
    Label* aufgabenzahl20 = nullptr;
    Panel* tabelle1p1 = nullptr;
    ListBox *senkrecht = nullptr, *waagerecht = nullptr;
    RadioGroup *randzahlen = nullptr, *fragefenster = nullptr, *aufgwahl = nullptr;
    Panel* tab1minus1 = nullptr;
    ListBox *senksub = nullptr, *waagsub = nullptr;
    RadioGroup *Rand1min1 = nullptr, *Fenster1min1 = nullptr, *agwahl1min1 = nullptr;
    Panel* tab1mal1 = nullptr;
    ListBox *senkmal = nullptr, *waagmal = nullptr;
    RadioGroup *Rand1mal1 = nullptr, *Fenster1mal1 = nullptr;
    Panel* Tab1durch1 = nullptr;
    ListBox* waagdurch = nullptr;
    RadioGroup *Rand1durch1 = nullptr, *fenster1durch1 = nullptr, *agwahl1durch1 = nullptr;
    Panel* Tab8x8 = nullptr;
    RadioGroup *randtab8x8 = nullptr, *fenstertab8x8 = nullptr;
    Panel* h1x1 = nullptr;
    ListBox *lmal = nullptr, *rmal = nullptr;
    Panel* h1d1 = nullptr;
    ListBox *ldurch = nullptr, *rdurch = nullptr;
    RadioGroup* restgroup = nullptr;
    Panel* mittl1x1panel = nullptr;
    ListBox *m1x1links = nullptr, *m1x1rechts = nullptr;
    RadioGroup* m1x1wahl = nullptr;
    Panel* mustreihpanel = nullptr;
    RadioGroup *mrswgroup = nullptr, *mrrigroup = nullptr, *mrwelchegroup = nullptr;
    Panel *pm100_11 = nullptr, *pm100_12 = nullptr, *pm100_13 = nullptr, *pm100_21 = nullptr, *pm100_22 = nullptr,
          *pm100_23 = nullptr;
    RadioGroup *pm100panelvar11 = nullptr, *pm100panelvar12 = nullptr, *pm100panelvar13 = nullptr,
               *pm100panelvar21 = nullptr, *pm100panelvar22 = nullptr, *pm100panelvar23 = nullptr;
    Panel *hsv_ZUEpanel = nullptr, *hsv_malpanel = nullptr, *hsv_durchpanel = nullptr;
    RadioGroup *hsv_zuerg = nullptr, *hsv_malForm = nullptr, *hsv_malRG = nullptr, *hsv_diverg = nullptr;
    RadioGroup *RG_SV_Plus = nullptr, *RG_SV_min_Erg = nullptr, *RG_SV_mTausch = nullptr, *RG_SV_malE = nullptr,
               *RG_SV_malZZ = nullptr, *RG_SV_divE = nullptr, *RG_SV_DZE = nullptr, *RG_SV_DRest = nullptr;

protected:
    void childClosed() override;

private:
    struct Listenbindung;
    struct Wahlbindung;
    struct Bindung;

    void aufbauen();
    void bereicheAufbauen();
    void optionenAufbauen();
    void stufenAufbauen();
    void protfunktionenAufbauen();
    void verbinden();

    // Handlers
    void hhaktiv();
    void hilfenzu();
    void endebuttonClick();
    void bereichClick(GroupBox* gruppe);
    void Button11Click();
    void Button9Click();
    void startknopfClick();
    // An aid that opens at once.
    void sofortOeffnen(int code, bool panelsVerbergen = true);
    // An aid with an options panel: code, section loaded, panel shown, "Start" offered.
    void panelOeffnen(int code, QWidget* panel, const QString& stichwort);
    // A method button of the written methods.
    void stufenknopfClick(int code);
    void stufenklick(RadioGroup* gruppe);
    // The level groups of the written methods, but the rest choice, which stands below one of them.
    QList<RadioGroup*> stufengruppen() const;
    void listenklick(ListBox* liste);
    void wahlklick(ListBox* liste, int eintraege);
    void tabellenklick(const QString& stichwort);
    void axbklick(const QString& stichwort);

    // Routines
    void optionenVerbergen();
    void laden(const QString& stichwort);
    void anzeigen(const QString& stichwort);
    void uebernehmen(const QString& stichwort);
    void nachlauf(const QString& stichwort);
    void pm100rechnen();
    void hsvrechnen();
    void startPruefen(bool fokussieren);
    void grenzenZeigen();
    RadioGroup* stufengruppeVon(int code) const;
    Panel* pm100panel(int code) const;
    RadioGroup* pm100gruppe(int code) const;

    QList<QWidget*> m_gruppen;
    QList<QWidget*> m_optionen;
    // Which control shows which value of each section.
    std::unique_ptr<std::map<QString, Bindung>> m_bindungen;
    // The control an aid asked to be focused when it closes.
    QPointer<QWidget> m_rueckkehrfokus;
};

// The hub as the aids reach it (Form63), or null while the program body holds a stand-in there.
TForm63* hilfenhub();

// The aid window of an activity code, as the hub opens it; null for codes without one.
Form* fensterVonCode(int code);
