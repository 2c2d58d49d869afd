#include "app/programmkoerper.h"

#include "shell/fenster.h"
#include "aids/h_100Feld.h"
#include "aids/h_100feld2.h"
#include "aids/h_1d1.h"
#include "aids/h_1x1.h"
#include "aids/h_m1x1.h"
#include "aids/h_haupt.h"
#include "aids/h_hsv.h"
#include "aids/h_mengen.h"
#include "aids/h_pm100.h"
#include "aids/h_raum20.h"
#include "aids/h_reihenmuster.h"
#include "aids/h_stern.h"
#include "aids/h_strahl.h"
#include "aids/h_sv1.h"
#include "aids/h_svd_lw.h"
#include "aids/h_svmZE.h"
#include "aids/h_svmdE.h"
#include "aids/h_svdZE.h"
#include "aids/h_tab1.h"
#include "aids/h_teilersuche.h"
#include "analyses/f_gra.h"
#include "analyses/f_gra_vp.h"
#include "analyses/f_haupt.h"
#include "analyses/f_prot.h"
#include "analyses/f_ss.h"
#include "analyses/f_ss_runner.h"
#include "analyses/f_sv.h"
#include "analyses/f_sv_vp.h"
#include "games/s_15gewinnt.h"
#include "games/s_1x1flip.h"
#include "games/s_2nachbar.h"
#include "games/s_abraum.h"
#include "games/s_botsch.h"
#include "games/s_bufeld.h"
#include "games/s_hm.h"
#include "games/s_kette.h"
#include "games/s_KP.h"
#include "games/s_lvr.h"
#include "games/s_masch.h"
#include "games/s_pyra.h"
#include "games/s_tic.h"
#include "games/s_tictactoe.h"
#include "games/s_vg_100.h"
#include "games/s_vgspiel.h"
#include "games/s_wraten.h"
#include "games/s_zauber.h"
#include "games/s_zeichziff.h"
#include "games/s_ziele.h"
#include "games/s_zrat.h"
#include "games/sp_haupt.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/h_prot.h"
#include "shell/platzhalter.h"
#include "shell/tav_i.h"
#include "worksheets/a_1x1.h"
#include "worksheets/a_1x1_f1.h"
#include "worksheets/a_1x1_f2.h"
#include "worksheets/a_ber_10.h"
#include "worksheets/a_ber_20.h"
#include "worksheets/a_blanco.h"
#include "worksheets/a_domino.h"
#include "worksheets/a_hsv.h"
#include "worksheets/a_hsv_pm.h"
#include "worksheets/a_hsverg.h"
#include "worksheets/a_knk.h"
#include "worksheets/a_knk1.h"
#include "worksheets/a_knk2.h"
#include "worksheets/a_komma.h"
#include "worksheets/a_r_100.h"
#include "worksheets/a_sv.h"
#include "worksheets/a_sv_d1.h"
#include "worksheets/a_SV_m1.h"
#include "worksheets/a_SV_m2.h"
#include "worksheets/a_sv_p1.h"
#include "worksheets/a_SV_p2.h"
#include "worksheets/a_ZEPM_E.h"
#include "worksheets/a_ZEPMZE.h"
#include "worksheets/a_ueber.h"
#include "worksheets/a_zerl.h"
#include "worksheets/a_zue20.h"
#include "worksheets/a_zw1020.h"
#include "worksheets/ablhaupt.h"

#include <QEvent>
#include <QTimer>
#include <functional>

namespace {

struct Fenster {
    Form** zeiger;
    const char* klasse;
    const char* caption;
    std::function<Form*()> erzeugen; // empty: a placeholder until the area is built
};

template <typename T>
std::function<Form*()> echt()
{
    return [] { return new T(); };
}

// The creation order: main window, administration, games, error analyses, worksheets, aids.
const Fenster* fensterliste(int& anzahl)
{
    static const Fenster liste[] = {
        { &Form1, "TForm1", "TAVI", echt<TForm1>() },
        { &Form34, "TForm34", "Dateiverwaltung", echt<TForm34>() },
        { &Form56, "TForm56", "15 gewinnt", echt<TForm56>() },
        { &Form61, "TForm61", "1x1 Flipper", echt<TForm61>() },
        { &Form32, "TForm32", "Nachbarn", echt<TForm32>() },
        { &Form57, "TForm57", "Abraum", echt<TForm57>() },
        { &Form60, "TForm60", "Botschaften", echt<TForm60>() },
        { &Form52, "TForm52", "buntes Feld", echt<TForm52>() },
        { &Form47, "TForm47", "hangman", echt<TForm47>() },
        { &Form49, "TForm49", "Kette", echt<TForm49>() },
        { &Form42, "TForm42", "Knobeln und Planen", echt<TForm42>() },
        { &Form48, "TForm48", "lvr", echt<TForm48>() },
        { &Form51, "TForm51", "Maschinen", echt<TForm51>() },
        { &Form50, "TForm50", "Pyramide", echt<TForm50>() },
        { &Form44, "TForm44", "Partnerspiele", echt<TForm44>() },
        { &Form46, "TForm46", "TicTacToe", echt<TForm46>() },
        { &Form54, "TForm54", "vg100", echt<TForm54>() },
        { &Form55, "TForm55", "vgSpiel", echt<TForm55>() },
        { &Form62, "TForm62", "Wörterraten", echt<TForm62>() },
        { &Form53, "TForm53", "Form53", echt<TForm53>() },
        { &Form43, "TForm43", "Zeichen für Ziffern", echt<TForm43>() },
        { &Form59, "TForm59", "Ziele", echt<TForm59>() },
        { &Form58, "TForm58", "Zahlenraten", echt<TForm58>() },
        { &Form41, "TForm41", "Spiele", echt<TForm41>() },
        { &Form37, "TForm37", "Grundrechenarten", echt<TForm37>() },
        { &Form38, "TForm38", "Grundrechenarten", echt<TForm38>() },
        { &Form30, "TForm30", "Fehleranalysen", echt<TForm30>() },
        { &Form31, "TForm31", "F_SS", echt<TForm31>() },
        { &Form35, "TForm35", "f_ss10", echt<TForm35>() },
        { &Form45, "TForm45", "f_ss100c", echt<TForm45>() },
        { &Form33, "TForm33", "f_ss20", echt<TForm33>() },
        { &Form39, "TForm39", "f_sv", echt<TForm39>() },
        { &Form40, "TForm40", "f_sv_vp", echt<TForm40>() },
        { &Form36, "TForm36", "Protokoll", echt<TForm36>() },
        { &Form29, "TForm29", "Arbeitsblätter", echt<TForm29>() },
        { &Form21, "TForm21", "1x1-Felder", echt<TForm21>() },
        { &Form22, "TForm22", "Felder_im_100er", echt<TForm22>() },
        { &Form3, "TForm3", "Bereich bis 10", echt<TForm3>() },
        { &Form2, "TForm2", "Bereich bis 20", echt<TForm2>() },
        { &Form5, "TForm5", "Blanco", echt<TForm5>() },
        { &Form26, "TForm26", "Domino", echt<TForm26>() },
        { &Form17, "TForm17", "halbschriftlich", echt<TForm17>() },
        { &Form18, "TForm18", "hs_4", echt<TForm18>() },
        { &Form19, "TForm19", "hs_5", echt<TForm19>() },
        { &Form23, "TForm23", "Knobelkästen", echt<TForm23>() },
        { &Form24, "TForm24", "knk8var", echt<TForm24>() },
        { &Form25, "TForm25", "kbk4var", echt<TForm25>() },
        { &Form27, "TForm27", "Komma", echt<TForm27>() },
        { &Form14, "TForm14", "Raum 100 (+/-)", echt<TForm14>() },
        { &Form6, "TForm6", "schriftliche Rechenverfahren", echt<TForm6>() },
        { &Form11, "TForm11", "SV_d", echt<TForm11>() },
        { &Form9, "TForm9", "SV_m1", echt<TForm9>() },
        { &Form10, "TForm10", "SV_m2", echt<TForm10>() },
        { &Form7, "TForm7", "", echt<TForm7>() },
        { &Form8, "TForm8", "", echt<TForm8>() },
        { &Form28, "TForm28", "Überschlag", echt<TForm28>() },
        { &Form15, "TForm15", "gemZpmE", echt<TForm15>() },
        { &Form16, "TForm16", "gemZgemZ", echt<TForm16>() },
        { &Form4, "TForm4", " Mengen zerlegen", echt<TForm4>() },
        { &Form12, "TForm12", "Zehnerübergang", echt<TForm12>() },
        { &Form13, "TForm13", "zwischen 10 und 20", echt<TForm13>() },
        { &Form20, "TForm20", "kleines 1 x 1", echt<TForm20>() },
        { &Form75, "TForm75", "Teilersuche", echt<TForm75>() },
        { &Form72, "TForm72", "1 : 1", echt<TForm72>() },
        { &Form71, "TForm71", "1x1", echt<TForm71>() },
        { &Form66, "TForm66", "100erFeld2", echt<TForm66>() },
        { &Form64, "TForm64", "100erFeld1", echt<TForm64>() },
        { &Form63, "TForm63", "Hilfen", echt<TForm63>() },
        { &Form76, "TForm76", "mittl 1x1", echt<TForm76>() },
        { &Form68, "TForm68", "Mengen erkennen", echt<TForm68>() },
        { &Form77, "TForm77", "+/- im Raum 100", echt<TForm77>() },
        { &Form65, "TForm65", "Protokoll (Hilfen)", echt<TForm65>() },
        { &Form69, "TForm69", "+/-  im Raum 20", echt<TForm69>() },
        { &Form73, "TForm73", "Reihen und Muster", echt<TForm73>() },
        { &Form74, "TForm74", "1x1-Stern", echt<TForm74>() },
        { &Form67, "TForm67", "Strahl", echt<TForm67>() },
        { &Form70, "TForm70", "Rechnen in Tabellen", echt<TForm70>() },
        { &Form79, "TForm79", "SV 1", echt<TForm79>() },
        { &Form80, "TForm80", "SV2", echt<TForm80>() },
        { &Form81, "TForm81", "SV3", echt<TForm81>() },
        { &Form78, "TForm78", "halbschriftlich", echt<TForm78>() },
        { &Form82, "TForm82", "SV4", echt<TForm82>() },
        { &Form83, "Tform83", "SV5", echt<Tform83>() },
    };
    anzahl = int(std::size(liste));
    return liste;
}

} // namespace

int fensterAnzahl()
{
    int n = 0;
    fensterliste(n);
    return n;
}

Form* hauptfensterErzeugen()
{
    // Printouts without a printer go to "Ausdrucke" in the data folder the program uses when they end: the
    // main window reads it anew on every activation, and the first run sets up another.
    Printer::setDataFolderSource([] { return datpfad; });
    int n = 0;
    const Fenster& f = fensterliste(n)[0];
    *f.zeiger = f.erzeugen();
    fensterVervollstaendigen = &weitereFensterErzeugen;
    return Form1;
}

void weitereFensterErzeugen()
{
    if (!fensterVervollstaendigen) return;
    fensterVervollstaendigen = nullptr;
    int n = 0;
    const Fenster* liste = fensterliste(n);
    for (int i = 1; i < n; ++i) {
        const Fenster& f = liste[i];
        *f.zeiger = f.erzeugen ? f.erzeugen()
                               : new Platzhalter(QLatin1String(f.klasse), QString::fromUtf8(f.caption));
    }
    // The administration's "Ende" puts the main window's password entry away again.
    static_cast<TForm34*>(Form34)->OnEnde = [] { static_cast<TForm1*>(Form1)->passwortVerbergen(); };
}

Form* fensterErzeugen()
{
    hauptfensterErzeugen();
    weitereFensterErzeugen();
    return Form1;
}

namespace {

// Runs once, after the main window's first paint has been handed to the screen.
class NachErstemBild final : public QObject {
public:
    NachErstemBild(QWidget* fenster, std::function<void()> danach)
        : m_fenster(fenster)
        , m_danach(std::move(danach))
    {
        fenster->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == m_fenster && e->type() == QEvent::Paint) {
            m_fenster->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                weitereFensterErzeugen();
                if (m_danach) m_danach();
            });
        }
        return false;
    }

private:
    QWidget* m_fenster;
    std::function<void()> m_danach;
};

} // namespace

void programmLaeuft(const std::function<void(Form*)>& vorDemZeigen, const std::function<void()>& nachErstemBild)
{
    // A teacher waits only for the main window; the other windows are made while its first picture is
    // already on the screen, before the first click can be handled.
    Form* hauptfenster = hauptfensterErzeugen();
    NachErstemBild danach(hauptfenster, nachErstemBild);
    if (vorDemZeigen) vorDemZeigen(hauptfenster);
    // The main window runs until it closes itself; then the program ends.
    hauptfenster->showModal();
}
