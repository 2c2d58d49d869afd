#include "shell/HalmorGlobalDefs.h"

// Definitions of the shared variables; zero-initialised as static storage is.

// Paths, files and class lists
QString datpfad;
Text<8> aktivliste;
BoundedArray<Text<8>, 0, 30> listennamen;
byte listenzahl;
Text<12> listendatei;
BoundedArray<QString, 0, 40> listenzeilen;
byte schuelerzahl;
QString schuelerzeile;
Text<35> schuelername;
QString schuelerordner;
QString protdatei;
Text<6> praefix;
Text<2> nrtext;
QString merkordner;
Text<8> adminpasswort;
TSearchRec suchrec;
TextFile textdatei;
BoundedArray<QString, 1, 60> zeilenpuffer;
int zeilenzahl;
int stichwortzeile;
BoundedArray<Text<17>, 1, 300> wortpuffer;

// Administration window
byte verwaltungsmodus;
byte namenzahl;
byte namenindex;
byte listevorhanden;

// Protocol
BoundedArray<Protokollzeile, 0, 210> protzeilen;
shortint merker;
byte protzeilenzahl;

// Screen and mouse
float skala_x;
float skala_y;
TRect mausbereich;

// Time
TDateTime startzeit, endzeit, laufzeit, dauer, jetzt, aufgabenstart, gesamtzeit;
word stunden, minuten, sekunden, millisek;

// Activity code and options
int programmcode;
int variante;
int variante2;
shortint wahl1;
byte wahl2;
shortint wahl3, wahl4;
byte wahl5, wahl6;
shortint wahl7;
byte wahl8;
BoundedArray<shortint, 0, 5> pm100wahl;
BoundedArray<byte, 0, 11> wahlbytes;
BoundedArray<int, 0, 10> zahlenwahl1, zahlenwahl2;
BoundedArray<int, 0, 11> auswahl1, auswahl2; // entry 11: a table of 11 chosen margins, kept compactly from 1
BoundedArray<int, 0, 10> auswahl3;
int gewaehltzahl;
Text<78> stufentext;
Text<60> wahltext;
Text<28> titeltext;
int zeitwahl;
int schalter1, schalter2;
byte einstellungoffen;
int schrittzahl;
BoundedArray<shortint, 0, 3> rechenarten;
BoundedArray<Text<1>, 0, 3> rechenartzeichen;
byte spieloption;

// Work limits and work counters of the aids
int mindestminuten, mindestaufgaben;
int anzahl, aufgabeneingaben, aufgabennoetig, eingabengesamt, eingabenrichtig, noetiggesamt;
int mindestschritte, hilfetasten, zeigetasten;
shortint hilfestufe;
int wieoft, zaehler, nummer;

// Task pools and the current task
BoundedArray<int, 1, 55> aufgabencodes;
BoundedArray<Text<12>, 1, 121> aufgabenliste;
int vorratsgroesse;
BoundedArray<byte, 1, 100> zahlenbeutel;
BoundedArray<int, 1, 50> ziehzahlen;
BoundedArray<Text<3>, 1, 50> zahltexte;
Text<12> tauschtext;
int tauschwert;
Text<3> atext, btext;
int zahl, hilfszahl, sollwert, zielzahl;
Text<3> eingabe;
Text<2> antwort;
Text<4> zifferneingabe;
Text<5> zahltext;
Text<1> zeichen;
int valcode;
shortint vorindex;
byte zufallsindex;
byte uebertraege;

// Place-value digits and written calculation
int einer1, einer2, einer3, zehner1, zehner2, zehner3, hunderter1, hunderter2, hunderter3;
BoundedArray<Text<1>, 1, 20> spaltenanzeige;
shortint zeilennr;
int schrittzeiger;
BoundedArray<Text<10>, 1, 12> merkziffern;

// Quick-sight tests
int punkte, aufgabenpunkte;
BoundedArray<Text<80>, 0, 50> antwortzeilen;
byte stufe, bildflag;
BoundedArray<float, 1, 5> darbietungszeiten;
int rasterbleibt;

// Basic-arithmetic analysis
int aufgabenanzahl, anzahlohne, anzahlmit, zahl1, zahl2, zehneranteil;
Text<20> aufgabentext;
TDateTime eingabezeit, antwortzeit;
Text<4> zeittext;
BoundedArray<Text<3>, 'A', 'V'> fehlerwerte;
BoundedArray<Text<3>, 1, 4> fehlerwerteM;
BoundedArray<int, 'A', 'V'> fehlerzaehler;
int unklarzaehler;
shortint fehlerzahl;
BoundedArray<int, 0, 10> fehlerzeilen, fehlerspalten;
BoundedGrid<Text<6>, 0, 10, 0, 10> fehlerkennungen, aufgabentabelle;

// Written-subtraction analysis
BoundedArray<byte, 1, 11> artzaehler;
BoundedGrid<byte, 1, 11, 1, 12> fehlertabelle;
byte udfzaehler, naehezaehler;
Text<5> tastenfolge;
Text<4> eingabeziffern;
Text<3> loesungstext;
BoundedArray<byte, 1, 10> prognosehunderter, prognosezehner;
int eingabehunderter, eingabeeiner;
BoundedArray<Text<55>, 1, 30> ergebniszeilen, einerzeilen, zehnerzeilen, falschzeilen, richtigzeilen;

// Tables
BoundedGrid<Text<6>, 0, 10, 0, 10> tabelle;
int tabzeile, tabspalte, tabzahl1, tabzahl2, zellbreite, zellhoehe;
shortint tabzeilenzahl, tabspaltenzahl;

// Fields and boards
int zeile1, zeile2;
shortint spalte1, spalte2;
BoundedArray<int, 0, 8> neunerfeld;
BoundedArray<Text<3>, 0, 8> neunertexte;
shortint runde;
QString bearbeitetezahlen;

// Worksheets
BoundedArray<int, 1, 60> operanden1, operanden2, resultate;
BoundedArray<int, 1, 8> typzahlen;
int aufgabensumme;
BoundedArray<int, 1, 36> ergebnisliste;
BoundedArray<Text<12>, 1, 24> aufgabentexte;
int wortlaenge;

// General scratch variables
int zwzahl1, zwzahl2, zwzahl3, zwzahl4, zwzahl5, zwzahl6, zwzahl7, zwzahl8;
byte zwbyte1, zwbyte3, zwbyte5;
shortint zwbyte2, zwbyte4, zwbyte6, zwbyte7;
Text<2> zwtext1;
Text<1> zwtext2, zwtext3;
Text<60> zwtext4;
BoundedArray<int, 0, 9> zwfeld1;
BoundedArray<int, 1, 36> zwfeld2;
BoundedArray<byte, 1, 12> zwfeld3;
byte merker2;
int versatz;
int zustand;

// Options and operator pool of the puzzle games
BoundedArray<shortint, 0, 3> nachbarlagen;
int unloesbar;
BoundedArray<shortint, 0, 9> maschinenzahlen;
const BoundedArray<Text<1>, 0, 3> operatorzeichen = [] {
    BoundedArray<Text<1>, 0, 3> z;
    z[0] = "+";
    z[1] = "-";
    z[2] = "*";
    z[3] = ":";
    return z;
}();
BoundedArray<Text<2>, 0, 40> operatortexte;
int operatorzahl;

// The partner games
Text<6> spielername1, spielername2;
int punkte1, punkte2;
Text<4> amzug;
byte beginner;
byte letztersieger;
byte gewonnen;
byte spielende;
// The group games
int spielerzahl;
shortint spielernummer;
BoundedArray<int, 0, 10> spielerstatus;
int stiftbreite;
BoundedArray<BoundedArray<byte, 0, 9>, 1, 5> flipzaehler;
BoundedArray<BoundedArray<BoundedArray<byte, 0, 9>, 0, 4>, 1, 5> flipzahlen;
