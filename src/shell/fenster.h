#pragma once
// The windows of the program, created once at start in a fixed order and kept until the program ends.
// Windows open each other through these pointers; what they hand over goes through the shared state.

class Form;

extern Form* Form1;
extern Form* Form34;
extern Form* Form56;
extern Form* Form61;
extern Form* Form32;
extern Form* Form57;
extern Form* Form60;
extern Form* Form52;
extern Form* Form47;
extern Form* Form49;
extern Form* Form42;
extern Form* Form48;
extern Form* Form51;
extern Form* Form50;
extern Form* Form44;
extern Form* Form46;
extern Form* Form54;
extern Form* Form55;
extern Form* Form62;
extern Form* Form53;
extern Form* Form43;
extern Form* Form59;
extern Form* Form58;
extern Form* Form41;
extern Form* Form37;
extern Form* Form38;
extern Form* Form30;
extern Form* Form31;
extern Form* Form35;
extern Form* Form45;
extern Form* Form33;
extern Form* Form39;
extern Form* Form40;
extern Form* Form36;
extern Form* Form29;
extern Form* Form21;
extern Form* Form22;
extern Form* Form3;
extern Form* Form2;
extern Form* Form5;
extern Form* Form26;
extern Form* Form17;
extern Form* Form18;
extern Form* Form19;
extern Form* Form23;
extern Form* Form24;
extern Form* Form25;
extern Form* Form27;
extern Form* Form14;
extern Form* Form6;
extern Form* Form11;
extern Form* Form9;
extern Form* Form10;
extern Form* Form7;
extern Form* Form8;
extern Form* Form28;
extern Form* Form15;
extern Form* Form16;
extern Form* Form4;
extern Form* Form12;
extern Form* Form13;
extern Form* Form20;
extern Form* Form75;
extern Form* Form72;
extern Form* Form71;
extern Form* Form66;
extern Form* Form64;
extern Form* Form63;
extern Form* Form76;
extern Form* Form68;
extern Form* Form77;
extern Form* Form65;
extern Form* Form69;
extern Form* Form73;
extern Form* Form74;
extern Form* Form67;
extern Form* Form70;
extern Form* Form79;
extern Form* Form80;
extern Form* Form81;
extern Form* Form78;
extern Form* Form82;
extern Form* Form83;

// Set by the program body while windows after the main window are still to be created: creates them at
// once. Whatever opens another window from the main window calls it first, so a click that comes before
// the program has finished its start still finds every window.
extern void (*fensterVervollstaendigen)();
