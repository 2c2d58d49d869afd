#include "analyses/f_haupt.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

#include <QCoreApplication>

namespace {

Button* analyseknopf(QWidget* box, const QString& text, int top)
{
    auto* b = new Button(box, text, 16, top, 220, 30);
    applyFont(b, QStringLiteral("Arial"), 15);
    setHandCursor(b);
    setTabStop(b, false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TForm30::TForm30(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Fehleranalysen"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);

    Panel1 = new Panel(this, 8, 16, 777, 97);
    auto* programm = new Label(Panel1, QStringLiteral("Programm"), 32, 20);
    applyFont(programm, QStringLiteral("Arial"), 16);
    const QString version = QCoreApplication::applicationVersion();
    auto* kennung
        = new Label(Panel1, version.isEmpty() ? QStringLiteral("TAVI") : QStringLiteral("TAVI ") + version, 144, 20);
    applyFont(kennung, QStringLiteral("Arial"), 16);

    Grundrechenarten = new GroupBox(this, QString(), 8, 136, 250, 369);
    auto* titel1 = new Label(Grundrechenarten, QStringLiteral("Grundrechenarten"), 32, 16);
    applyFont(titel1, QStringLiteral("MS Sans Serif"), 24);
    Zahlbegriff = new GroupBox(this, QString(), 272, 136, 250, 193);
    auto* titel2 = new Label(Zahlbegriff, QStringLiteral("Zahlbegriff"), 64, 16);
    applyFont(titel2, QStringLiteral("MS Sans Serif"), 24);

    Button17 = analyseknopf(Zahlbegriff, QStringLiteral("schnelles Sehen im 10er-Feld"), 56);
    Button2 = analyseknopf(Zahlbegriff, QStringLiteral("schnelles Sehen im 20er-Feld"), 102);
    Button3 = analyseknopf(Zahlbegriff, QStringLiteral("schnelles Sehen im 100er-Feld"), 149);
    Button5 = analyseknopf(Grundrechenarten, QStringLiteral("kleines  1 + 1"), 56);
    Button6 = analyseknopf(Grundrechenarten, QStringLiteral("gem. Zehnerzahl + Einer"), 94);
    Button7 = analyseknopf(Grundrechenarten, QStringLiteral("kleines  1 - 1  (im Raum bis 10)"), 149);
    Button8 = analyseknopf(Grundrechenarten, QStringLiteral("kleines  1 - 1  (Zehnerübergang)"), 187);
    Button9 = analyseknopf(Grundrechenarten, QStringLiteral("gem. Zehnerzahl  -  Einer"), 226);
    Button1 = analyseknopf(Grundrechenarten, QStringLiteral("kleines  1 x 1"), 285);
    Button11 = analyseknopf(Grundrechenarten, QStringLiteral("kleines  1 : 1"), 328);

    Button4 = new Button(this, QStringLiteral("schriftliche Subtraktion"), 536, 144, 249, 41);
    applyFont(Button4, QStringLiteral("Arial"), 19);
    setHandCursor(Button4);
    setTabStop(Button4, false);
    Button4->setFocusPolicy(Qt::NoFocus);

    Button10 = new Button(this, QStringLiteral("zurück"), 648, 488, 97, 41);
    applyFont(Button10, QStringLiteral("Arial"), 16);
    Button10->Cancel = true;
    Button10->OnClick = [this] { Button10Click(); };

    Button17->OnClick = [this] { analyse(1, Form31, { QStringLiteral("zahlen10") }); };
    Button2->OnClick = [this] { analyse(2, Form31, { QStringLiteral("zahlen20") }); };
    Button3->OnClick = [this] { analyse(3, Form31, { QStringLiteral("zahlen100") }); };
    Button5->OnClick = [this] { analyse(11, Form37, { "P11", "P12zepe", "r11" }); };
    Button6->OnClick = [this] { analyse(12, Form37, { "P12", "P12zepe", "R12" }); };
    Button7->OnClick = [this] { analyse(13, Form37, { "P13", "P13_14", "r13_14" }); };
    Button8->OnClick = [this] { analyse(14, Form37, { "P14", "P13_14", "r13_14" }); };
    Button9->OnClick = [this] { analyse(15, Form37, { "p15", "P12zepe", "R12" }); };
    Button1->OnClick = [this] { analyse(16, Form37, { "p16", "p16_17", "r11", "r16maldurch" }); };
    Button11->OnClick = [this] { analyse(17, Form37, { "p17", "p16_17", "r16maldurch" }); };
    Button4->OnClick = [this] { analyse(20, Form39, {}); };

    setActiveControl(Button10);
    OnActivate = [this] { F30aktiv(); };
}

void TForm30::F30aktiv()
{
    SetFocus(Button10);
}

void TForm30::Button10Click()
{
    Close();
}

void TForm30::analyse(int code, Form* einrichtung, const QStringList& nachVorn)
{
    programmcode = code;
    if (!einrichtung) return;
    for (const QString& name : nachVorn)
        if (auto* w = einrichtung->findChild<QWidget*>(name)) BringToFront(w);
    einrichtung->showModal();
}
