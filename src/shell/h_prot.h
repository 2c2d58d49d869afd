#pragma once
// The aids' protocol dialog "Protokoll (Hilfen)": shows the protocol record an aid has just written, lets
// the pupil save and/or print it or throw it away, asks for the pupil's name from the active class list (or
// a typed name without a list) and saves the record as the next numbered file in the pupil's folder.

#include "platform/form.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class Button;
class Edit;
class Label;
class ListBox;
class Panel;

// What the dialog decides without a window.
namespace hprot {

// Line 0 of the record: 48 blanks and the date.
QString datumszeile();
// Keys the typed-name edit takes: letters, digits, "-", "ä", "ö", "ü", backspace and Enter.
bool namenszeichen(QChar c);
// A typed name that can name a folder: not empty, no separator, no "..", only Windows-1252 characters.
bool namePasst(const QString& name);
// Reads the active list (line 2) of the data folder's "kl.ina" into aktivliste; datpfad stays as this PC's
// copy gave it. A file that cannot be read or an empty line keeps what is known.
void klinaUebernehmen();
// The lines 0 .. bis of the record.
QStringList protokollzeilen(int bis);

// A place a message may take: its top-left corner and its width.
struct Meldungsplatz {
    QPoint ort;
    int breite = 0;
};
// Where a message goes: at the first of `plaetze`, or as little below it as is needed, where it lies inside `raum`
// and over none of `belegt`; `hoehe` gives its height for a width. An empty rectangle where no place is free.
QRect meldungsort(const QList<Meldungsplatz>& plaetze, const std::function<int(int breite)>& hoehe, const QRect& raum,
    const QList<QRect>& belegt);

} // namespace hprot

class TForm65 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm65)
public:
    explicit TForm65(QWidget* parent = nullptr);

    // Controls, named as the window is described.
    Button* Button3 = nullptr; // "speichern &und drucken"
    Button* Button5 = nullptr; // "nur &speichern"
    Button* Button2 = nullptr; // "nur &drucken"
    Button* Button1 = nullptr; // "in den &Papierkorb"
    Panel* Namenliste = nullptr;
    Label* Label1 = nullptr; // "klicke deinen Namen an"
    ListBox* namen = nullptr;
    Panel* Panel1 = nullptr;
    Edit* Edit2 = nullptr;
    Button* Button4 = nullptr; // "fertig"
    Label* Label18 = nullptr; // folder full
    Label* meldung = nullptr; // a protocol that could not be saved, a class list that could not be read

private:
    void protaktiv();
    void Button3Click();
    void Button5Click();
    void Button2Click();
    void Button1Click();
    // The pupil's choice: the names of the active list, or the typed-name box where there is no list or it offers no
    // name (said why). True where names are offered.
    bool namenliste();
    // The pupil types a name: working without a class list, or the list is gone or cannot be read.
    void nameTippen();
    void namenClick();
    void n_ohneChange();
    void n_ohnekey(QChar& key);
    void Button4Click();
    void freienummer(const std::optional<QStringList>& inhalt = std::nullopt);
    void zeilendruck();

    // Line 1 names `name`; then the first free number in `ordner` and the save.
    void ablegenUnter(
        const QString& name, const QString& ordner, const std::optional<QStringList>& inhalt = std::nullopt);

    void wahl(bool speichern, bool drucken, bool nurDrucken);
    void ordnerVoll();
    void melden(const QString& text);
    // Shows `text` in the message's place: as a warning (red), or as the words that say what to do.
    void meldungSetzen(const QString& text, bool warnung);
    void protokollZeigen();

    bool m_speichern = false;
    bool m_drucken = false;
    bool m_nurDrucken = false;
    // Folder and file-name stem of the protocol ("…/H1_7_"), before the number.
    QString m_stamm;
    // What the look at the pupil's folder found of the protocols' numbers.
    protokoll::Nummern m_nummern;
    // Where the protocol's lines stand on the dialog, those with something to read.
    QList<QRect> m_zeilen;
    // The pupils' lines of the names offered, every one of a long hand-made list, in the order shown.
    QStringList m_schuelerzeilen;
    // What was seen of their folders while the names are shown: a second click reads nothing again.
    klassenliste::Ordnerblick m_blick;
};
