#pragma once
// The administration window "Dateiverwaltung": class lists (create, add a name, change a name, print,
// delete) with the pupils' folders, and the administration password.

#include "platform/controls.h"
#include "platform/form.h"
#include "shell/ordnerregel.h"

#include <QSet>
#include <QStringList>
#include <functional>

namespace klassenliste {
struct Speicherergebnis;
}

class TForm34 final : public Form {
    Q_DISABLE_COPY(TForm34)
public:
    explicit TForm34(QWidget* parent = nullptr);

    // Runs when "Ende" closes the window, after "dw.ina" is written: the main window hides its password
    // entry here.
    std::function<void()> OnEnde;

    Panel* Klassenlisten = nullptr;
    Label* Label1 = nullptr;
    Button* Button1 = nullptr;
    Button* Button4 = nullptr;
    Button* Button5 = nullptr;
    Button* Button3 = nullptr;
    Button* Button2 = nullptr;

    Panel* Protokolle1 = nullptr;
    Label* Label2 = nullptr;
    Label* Label11 = nullptr;

    Panel* vorh_Listen = nullptr;
    Label* Label10 = nullptr;
    ListBox* ListBox1 = nullptr;
    Button* Button6 = nullptr;

    Panel* namenbox = nullptr;
    Label* Label14 = nullptr;
    ListBox* ListBox2 = nullptr;
    Button* Button12 = nullptr;

    Panel* voll = nullptr;
    Label* Label15 = nullptr;
    Button* Button14 = nullptr;

    Panel* Nameneingabe = nullptr;
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;
    Edit* Edit1 = nullptr;
    // Says, under the name, a character that a name may not hold: one refused while the name was typed, or one the
    // chosen name holds.
    Label* namenhinweis = nullptr;
    Button* Button7 = nullptr;
    Button* Button8 = nullptr;
    Button* Button9 = nullptr;

    Panel* Listenname = nullptr;
    Label* Label7 = nullptr;
    Label* Label8 = nullptr;
    Edit* Edit2 = nullptr;
    Button* Button11 = nullptr;
    Label* Label9 = nullptr;
    Button* Button13 = nullptr;

    Panel* passwort = nullptr;
    Label* Label12 = nullptr;
    Edit* pwedit = nullptr;
    Label* Label13 = nullptr;

    Button* Button10 = nullptr;
    // A write that failed (class list, "kl.ina", "dw.ina") or a deletion that stopped says so here.
    Label* meldung = nullptr;
    // How far a list's deletion has got, while it runs.
    Label* fortschritt = nullptr;

private:
    void aufbauen();

    void dvwactivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void ListBox1Click();
    void ListBox2Click();
    void Edit1Change();
    void edit1keypress(QChar& key);
    void zeichenhinweisZeigen();
    // The name was saved or its step left: what was refused in it is said no more.
    void zeichenhinweisVergessen();
    void Button7Click();
    void Button8Click();
    void Edit2Change();
    void edit2keypress(QChar& key);
    void Button11Click();
    void Button9Click();
    void Button6Click();
    void Button12Click();
    void Button14Click();
    void pweditkeypress(QChar& key);
    void pweditChange();
    void Button10Click();

    void listenanzeigen();
    void listennamepruefen();
    // Shows why a save wrote nothing where the entry stays open for another try; false when it did not fail so.
    bool nichtGespeichert(const klassenliste::Speicherergebnis& ergebnis);
    QString gibtEsNichtMehr() const;
    // Why no pupil can be added: `zeile` is the line whose number leaves none, or `ordner` the folder of a pupil
    // removed by hand that has it.
    QString keineNummer(const QString& zeile, const QString& ordner) const;
    // The number shown beside the line of pupil `index` (1-based); for 0, that of a new pupil.
    int nummerFuer(int index);
    void listedrucken();
    void listeloeschen();

    void fuenfKnoepfe(bool an);
    void zurWahl();
    void neuerSchritt();
    void zeigeMeldung(const QString& text);
    void speicherfehler(const QString& fehler);

    // Characters let into Edit1 since its text last changed: a pasted name reaches the key filter character by
    // character before any of it is in the edit, and only its first character may not be a blank.
    int m_zeichenSeitAenderung = 0;
    // The characters Edit1 refused since the name was begun, typed or pasted: said until the name is saved or its step
    // is left, since a teacher typing on would else never see why a character is missing.
    QString m_abgewiesen;
    // "Ende" could not write "dw.ina" and said so; the next "Ende" closes all the same.
    bool m_endeTrotzFehler = false;
    // The password edit was changed since the window was opened: only then does "Ende" write "dw.ina".
    bool m_passwortGeaendert = false;
    // Every line of the list chosen last, blank lines included: the numbers in use.
    QStringList m_gelesen;
    // Its pupils' lines, all of them, and the one chosen to be changed (from 1; 0 for none).
    QStringList m_schueler;
    int m_namenindex = 0;
    // What was seen of the pupils' folders of the list chosen last, while the window is open: a save reads nothing
    // again under the list's lock.
    klassenliste::Ordnerblick m_blick;
    klassenliste::Ordnerlage ordnerlage();
    // Why the lists could not be looked through when the typed list name was checked; empty when they could.
    QString m_listenUnlesbar;
};
