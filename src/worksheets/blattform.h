#pragma once
// The frame every worksheet form shares: count edits per task kind with their count label, the copies
// edit, "drucken" and "zurück"; and, for the sheets that build their tasks from number lists, the list
// boxes, the task pool with its label and the sheet's section of "aw.ina". A sheet gives its controls'
// places and captions and fills in the hooks: when it may print, how its pool is built, how it prints.

#include "platform/form.h"
#include "worksheets/awina.h"
#include "worksheets/blattrahmen_logik.h"

#include <QList>
#include <vector>

class Button;
class Edit;
class Label;
class ListBox;

// Narrows a word-wrapped caption's label to its text up to the end of the first `bis` that stands as a whole word,
// so that what follows (an example, a range of numbers) starts the next line whole instead of being split by the
// wrap.
void umbrechenNach(Label* label, const QString& bis);

class Blattform : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(Blattform)
public:
    Button* druckknopf() const { return m_drucken; }
    Button* zurueckknopf() const { return m_zurueck; }
    Edit* kopienedit() const { return m_kopien; }
    Label* zaehllabel() const { return m_gewaehlt; }
    const QList<Edit*>& anzahledits() const { return m_anzahl; }

protected:
    explicit Blattform(QWidget* parent = nullptr);

    // The form description's parts of the frame.
    // "drucken" (Default, hint "Ausdruck kann beginnen") and "zurück" (Cancel), both without tab stop.
    void knoepfe(Button* druckknopf, Button* zurueckknopf);
    // Count edit of kind `art` (from 1): at most two digits, each change counted into typzahlen[art].
    void anzahlfeld(Edit* edit, int art);
    // Copies edit: "1", at most two digits, each change into wieoft.
    void kopienfeld(Edit* edit);
    // Count label (" 0  gewählt " until the first change).
    void gewaehltfeld(Label* label);

    // The frame's steps.
    void anzahlaendern(int art);
    void wieoftaendern();
    void gewaehltanzeige();
    // Clears the count edits in order; each clear counts its kind as 0.
    void feldleeren();
    // wieoft := 1, and the copies edit says so.
    void wieofteins();
    // An emptied copies edit prints one copy and shows "1" again.
    void kopienSichern();
    // "zurück": counts cleared, one copy, closed.
    void zurueck();

    // Hooks. "drucken" is enabled exactly while this holds (default: at least ten tasks chosen).
    virtual bool druckbereit() const;
    virtual void druckenClick() = 0;
    // How many kinds the count label sums (the kinds from 1 on; a sheet may keep further counts behind them).
    virtual int artenzahl() const { return 7; }
    // Refreshes "drucken" by druckbereit().
    void druckfreigabe();

private:
    Button* m_drucken = nullptr;
    Button* m_zurueck = nullptr;
    Edit* m_kopien = nullptr;
    Label* m_gewaehlt = nullptr;
    QList<Edit*> m_anzahl;
};

// A sheet that draws its tasks from a pool built from the ticks of its number lists, whose ticks are kept
// in a section of "aw.ina".
class Vorratsblatt : public Blattform {
    Q_OBJECT
    Q_DISABLE_COPY(Vorratsblatt)
public:
    const blattrahmen::Aufgabenvorrat& vorrat() const { return m_vorrat; }
    const QList<ListBox*>& listen() const { return m_listen; }
    Label* vorratslabel() const { return m_vorratslabel; }
    // The ticks the lists show.
    awina::Haken haken() const;

protected:
    Vorratsblatt(const awina::Abschnitt& abschnitt, QWidget* parent = nullptr);

    // List box `index` (from 0) of the section: multi-select, its items' texts given.
    void liste(ListBox* box, const QStringList& texte);
    void vorratsfeld(Label* label);

    // OnActivate of a pool sheet: one copy, the section loaded.
    void aktivieren();
    // The section's ticks into the lists (selecting and deselecting), the pool rebuilt and shown.
    void abschnittladen();
    void abschnittschreiben();
    // A list box clicked: the lists' values into the shared flag lists, the pool rebuilt and shown.
    void listenklick();
    void zahlenvorrat();
    // "drucken": the tasks drawn, the section rewritten, at least one copy, printed, counts cleared, the
    // pool whole again.
    void druckenClick() override;

    bool druckbereit() const override;
    // How many tasks a print draws.
    virtual int aufgabenzahl() const { return 10; }
    // The flag value of item i of list `liste` as the shared state holds it (auswahl1..auswahl3).
    virtual int& flagwert(int liste, int i);
    // The pool codes from the shared flag lists.
    virtual std::vector<int> vorratBilden() = 0;
    // Prints the sheet of the drawn codes.
    virtual void blattdrucken(const std::vector<int>& codes) = 0;

    const awina::Abschnitt& abschnitt() const { return m_abschnitt; }
    // The pool itself, for sheets whose pool goes on from one print to the next.
    blattrahmen::Aufgabenvorrat& vorratZiehen() { return m_vorrat; }
    // The pool label's text for a pool of this size.
    virtual QString vorratstext(int groesse) const;
    // Without "aw.ina" the lists keep what they show (else a missing file ticks nothing).
    bool listenOhneDateiBehalten = false;
    // The shared flags of one list, in item order.
    std::vector<int> flags(int liste);

    // The lists' ticks into the shared flag lists.
    void flagsTeilen();

private:
    awina::Abschnitt m_abschnitt;
    QList<ListBox*> m_listen;
    Label* m_vorratslabel = nullptr;
    blattrahmen::Aufgabenvorrat m_vorrat;
};
