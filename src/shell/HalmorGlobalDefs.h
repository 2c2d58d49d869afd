#pragma once
// The process-wide variables through which the windows hand data to each other: a hub writes what the
// window it opens reads on activation, an activity writes what the protocol windows build their text from.
// Every variable starts as 0, empty or an empty list.

#include "platform/bounded.h"
#include "platform/shorttext.h"
#include "platform/textfile.h"

#include <QString>
#include <QStringList>
#include <cstdint>

using byte = std::uint8_t;
using word = std::uint16_t;
using shortint = std::int8_t;
using TDateTime = double;

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// One file search (class lists found, free protocol numbers): the names found and the position in them.
struct TSearchRec {
    QStringList found;
    int index = -1;
    QString name; // entry found last
};

// Paths, files and class lists
extern QString datpfad;
extern Text<8> aktivliste;
extern BoundedArray<Text<8>, 0, 30> listennamen;
extern byte listenzahl;
extern Text<12> listendatei;
extern BoundedArray<QString, 0, 40> listenzeilen;
extern byte schuelerzahl;
extern QString schuelerzeile;
extern Text<35> schuelername;
extern QString schuelerordner;
extern QString protdatei;
extern Text<6> praefix;
extern Text<2> nrtext;
extern QString merkordner;
extern Text<8> adminpasswort;
extern TSearchRec suchrec;
extern TextFile textdatei;
extern BoundedArray<QString, 1, 60> zeilenpuffer;
extern int zeilenzahl;
extern int stichwortzeile;
extern BoundedArray<Text<17>, 1, 300> wortpuffer;

// Administration window
extern byte verwaltungsmodus;
extern byte namenzahl;
extern byte namenindex;
extern byte listevorhanden;

// Protocol
// A line of a protocol record keeps 100 characters, as the record is laid out. Only the line that names where
// the record was saved keeps the whole path and file name (ganz): a path cut off names a place that does not
// exist, and a data folder on a share has a long path.
class Protokollzeile : public Text<100> {
public:
    using Text<100>::Text;
    using Text<100>::operator=;
    void ganz(const QString& zeile) { m_value = zeile; }
};
extern BoundedArray<Protokollzeile, 0, 210> protzeilen;
extern shortint merker;
extern byte protzeilenzahl;

// Screen and mouse
extern float skala_x;
extern float skala_y;
extern TRect mausbereich;

// Time
extern TDateTime startzeit, endzeit, laufzeit, dauer, jetzt, aufgabenstart, gesamtzeit;
extern word stunden, minuten, sekunden, millisek;

// Activity code and options
extern int programmcode;
extern int variante;
extern int variante2;
extern shortint wahl1;
extern byte wahl2;
extern shortint wahl3, wahl4;
extern byte wahl5, wahl6;
extern shortint wahl7;
extern byte wahl8;
extern BoundedArray<shortint, 0, 5> pm100wahl;
extern BoundedArray<byte, 0, 11> wahlbytes;
extern BoundedArray<int, 0, 10> zahlenwahl1, zahlenwahl2;
extern BoundedArray<int, 0, 11> auswahl1, auswahl2; // entry 11: a table of 11 chosen margins, kept compactly from 1
extern BoundedArray<int, 0, 10> auswahl3;
extern int gewaehltzahl;
// The whole caption of the level, for the protocol line "Schwierigkeitsgrad:   " + caption of at most 100
// characters: the longer captions of the written methods would otherwise lose their end.
extern Text<78> stufentext;
extern Text<60> wahltext;
extern Text<28> titeltext;
extern int zeitwahl;
extern int schalter1, schalter2;
extern byte einstellungoffen;
extern int schrittzahl;
extern BoundedArray<shortint, 0, 3> rechenarten;
extern BoundedArray<Text<1>, 0, 3> rechenartzeichen;
extern byte spieloption;

// Work limits and work counters of the aids
extern int mindestminuten, mindestaufgaben;
extern int anzahl, aufgabeneingaben, aufgabennoetig, eingabengesamt, eingabenrichtig, noetiggesamt;
extern int mindestschritte, hilfetasten, zeigetasten;
extern shortint hilfestufe;
extern int wieoft, zaehler, nummer;

// Task pools and the current task
extern BoundedArray<int, 1, 55> aufgabencodes;
extern BoundedArray<Text<12>, 1, 121> aufgabenliste;
extern int vorratsgroesse;
extern BoundedArray<byte, 1, 100> zahlenbeutel;
extern BoundedArray<int, 1, 50> ziehzahlen;
extern BoundedArray<Text<3>, 1, 50> zahltexte;
extern Text<12> tauschtext;
extern int tauschwert;
extern Text<3> atext, btext;
extern int zahl, hilfszahl, sollwert, zielzahl;
extern Text<3> eingabe;
extern Text<2> antwort;
extern Text<4> zifferneingabe;
extern Text<5> zahltext;
extern Text<1> zeichen;
extern int valcode;
extern shortint vorindex;
extern byte zufallsindex;
extern byte uebertraege;

// Place-value digits and written calculation
extern int einer1, einer2, einer3, zehner1, zehner2, zehner3, hunderter1, hunderter2, hunderter3;
extern BoundedArray<Text<1>, 1, 20> spaltenanzeige;
extern shortint zeilennr;
extern int schrittzeiger;
extern BoundedArray<Text<10>, 1, 12> merkziffern;

// Quick-sight tests
extern int punkte, aufgabenpunkte;
extern BoundedArray<Text<80>, 0, 50> antwortzeilen;
extern byte stufe, bildflag;
extern BoundedArray<float, 1, 5> darbietungszeiten;
extern int rasterbleibt;

// Basic-arithmetic analysis
extern int aufgabenanzahl, anzahlohne, anzahlmit, zahl1, zahl2, zehneranteil;
extern Text<20> aufgabentext;
extern TDateTime eingabezeit, antwortzeit;
extern Text<4> zeittext;
extern BoundedArray<Text<3>, 'A', 'V'> fehlerwerte; // the answer each error strategy gives
extern BoundedArray<Text<3>, 1, 4> fehlerwerteM; // letter M has four
extern BoundedArray<int, 'A', 'V'> fehlerzaehler;
extern int unklarzaehler;
extern shortint fehlerzahl;
extern BoundedArray<int, 0, 10> fehlerzeilen, fehlerspalten;
extern BoundedGrid<Text<6>, 0, 10, 0, 10> fehlerkennungen, aufgabentabelle;

// Written-subtraction analysis
extern BoundedArray<byte, 1, 11> artzaehler;
extern BoundedGrid<byte, 1, 11, 1, 12> fehlertabelle;
extern byte udfzaehler, naehezaehler;
extern Text<5> tastenfolge;
extern Text<4> eingabeziffern;
extern Text<3> loesungstext;
extern BoundedArray<byte, 1, 10> prognosehunderter, prognosezehner;
extern int eingabehunderter, eingabeeiner;
extern BoundedArray<Text<55>, 1, 30> ergebniszeilen, einerzeilen, zehnerzeilen, falschzeilen, richtigzeilen;

// Tables
extern BoundedGrid<Text<6>, 0, 10, 0, 10> tabelle;
extern int tabzeile, tabspalte, tabzahl1, tabzahl2, zellbreite, zellhoehe;
extern shortint tabzeilenzahl, tabspaltenzahl;

// Fields and boards
extern int zeile1, zeile2;
extern shortint spalte1, spalte2;
extern BoundedArray<int, 0, 8> neunerfeld;
extern BoundedArray<Text<3>, 0, 8> neunertexte;
extern shortint runde;
extern QString bearbeitetezahlen;

// Worksheets
extern BoundedArray<int, 1, 60> operanden1, operanden2, resultate;
extern BoundedArray<int, 1, 8> typzahlen;
extern int aufgabensumme;
extern BoundedArray<int, 1, 36> ergebnisliste;
extern BoundedArray<Text<12>, 1, 24> aufgabentexte;
extern int wortlaenge;

// General scratch variables
extern int zwzahl1, zwzahl2, zwzahl3, zwzahl4, zwzahl5, zwzahl6, zwzahl7, zwzahl8;
extern byte zwbyte1, zwbyte3, zwbyte5;
extern shortint zwbyte2, zwbyte4, zwbyte6, zwbyte7;
extern Text<2> zwtext1;
extern Text<1> zwtext2, zwtext3;
extern Text<60> zwtext4;
extern BoundedArray<int, 0, 9> zwfeld1;
extern BoundedArray<int, 1, 36> zwfeld2;
extern BoundedArray<byte, 1, 12> zwfeld3;
extern byte merker2;
extern int versatz;
extern int zustand;

// Options and operator pool of the puzzle games
extern BoundedArray<shortint, 0, 3> nachbarlagen;
extern int unloesbar;
extern BoundedArray<shortint, 0, 9> maschinenzahlen;
extern const BoundedArray<Text<1>, 0, 3> operatorzeichen;
extern BoundedArray<Text<2>, 0, 40> operatortexte;
extern int operatorzahl;

// The partner games: the two players, whose turn it is, who begins, the score
extern Text<6> spielername1, spielername2;
extern int punkte1, punkte2;
extern Text<4> amzug;
extern byte beginner;
extern byte letztersieger;
extern byte gewonnen;
extern byte spielende;
// The group games
extern int spielerzahl;
extern shortint spielernummer;
extern BoundedArray<int, 0, 10> spielerstatus;
extern int stiftbreite;
extern BoundedArray<BoundedArray<byte, 0, 9>, 1, 5> flipzaehler;
extern BoundedArray<BoundedArray<BoundedArray<byte, 0, 9>, 0, 4>, 1, 5> flipzahlen;
