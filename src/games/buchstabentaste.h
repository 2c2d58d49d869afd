#pragma once
// The letter keyboard of the word games: 29 buttons in the German keyboard order (no "ß"), each setting the
// letter in capitals and handing it to the window's letter check; the keyboard handler takes the same letters
// typed in either case. Also the pool of words of a word list, drawn without repeats.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>

namespace buchstabentaste {

struct Taste {
    QChar buchstabe;
    int reihe = 0; // 0, 1, 2 from the top
    int spalte = 0; // place in its row from the left
};
constexpr int anzahl = 29;
// Button1 .. Button29: "Q" .. "Ü", "A" .. "Ä", "Y" .. "M".
const std::array<Taste, anzahl>& tasten();
// Index 0..28 of a capital on the keyboard, -1 for any other character.
int index(QChar buchstabe);
// A typed key as the letter it gives: "a" .. "z", "ä", "ö", "ü" in capitals, capitals as they are; a null
// character for every other key ("ß", digits, signs).
QChar grossbuchstabe(QChar taste);
// A word every letter of which can be given on the keyboard (and that has one at least).
bool schreibbar(const QString& wort);

} // namespace buchstabentaste

// The words of a list not yet drawn: each word comes once before any comes again.
class Wortvorrat {
public:
    // Only words the keyboard can write are kept.
    void setzen(const QStringList& woerter);
    bool leer() const { return m_woerter.isEmpty(); }
    int groesse() const { return int(m_woerter.size()); }
    QString ziehen();

private:
    QStringList m_woerter;
    int m_anzahl = 0; // entries 0 .. m_anzahl - 1 are not yet drawn
};

// Reads the word list datpfad + "WORTList/" + datei (unreadable: no words), its words in capitals.
QStringList wortliste(const QString& datei);
