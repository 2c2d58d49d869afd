#pragma once
// A small aid on the frame, for the tests: a number is shown, the pupil types it on the keypad and presses
// Enter; a wrong answer or the help button shows one more help step.

#include "aids/hilfenrahmen.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paintbox.h"

class Testhilfe final : public Hilfenfenster {
public:
    explicit Testhilfe(QWidget* parent = nullptr)
        : Hilfenfenster(parent)
    {
        setCaption(QStringLiteral("Testhilfe"));
        tastenfeldAnlegen();
        eingabe = Eingabetext(zifferneingabe);
        vorgaben.eingabegrenze = 2;
        vorgaben.loeschabzug = 2;
        agbox = new PaintBox(this);
    }

    PaintBox* agbox = nullptr;
    int aktivierungen = 0;
    int naechsteZahl = 47;
    QList<int> hilfeschritte;
    bool mitFalle = true;

    void aktivieren() override
    {
        ++aktivierungen;
        Hilfenfenster::aktivieren();
    }

    // Types a number on the keyboard, as the pupil would.
    Button* knopf(int d) const { return tastenfeld->ziffer(d); }

protected:
    void anordnen(const DesignGrid& g) override
    {
        Hilfenfenster::anordnen(g);
        g.place(agbox, 710, 20, 280, 400);
    }

    std::optional<TRect> mausbereichDesign() const override
    {
        if (!mitFalle) return std::nullopt;
        return TRect { 696, 0, 1000, 1100 };
    }

    void aufgabeStellen() override
    {
        zielzahl = naechsteZahl;
        Canvas& c = agbox->canvas();
        c.pen.color = clGreen;
        c.pen.width = 2;
        c.brush.color = clWhite;
        c.rectangle(1, 1, raster().x(275), raster().y(400));
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.font.name = QStringLiteral("arial");
        c.font.height = raster().y(45);
        c.font.color = clBlue;
        c.textOut(raster().x(137), raster().y(40), QStringLiteral("Tippe die Zahl:"));
        c.font.height = raster().y(75);
        c.font.color = clRed;
        c.textOut(raster().x(137), raster().y(165), QString::number(zielzahl));
        SetFocus(tastenfeld->Button13);
    }

    void eingabeGeaendert() override
    {
        aufgabeneingaben = aufgabeneingaben + 1;
        Canvas& c = agbox->canvas();
        c.brush.color = clWhite;
        c.font.height = raster().y(75);
        c.font.color = clBlue;
        c.textOut(raster().x(137), raster().y(270), QStringLiteral("  ") + zifferneingabe.str() + QStringLiteral("  "));
    }

    void antwortPruefen() override
    {
        aufgabeneingaben = aufgabeneingaben + 1;
        if (StrToInt(zifferneingabe) == zielzahl) {
            aufgabennoetig = zifferneingabe.length() + 1;
            aufgabeAbschliessen();
            return;
        }
        zifferneingabe = QString();
        hilfestufe = shortint(hilfestufe + 1);
        hilfeschritt();
        if (hilfeAufgebraucht()) aufgabeAbschliessen(false);
    }

    bool nullAblehnen() const override { return zifferneingabe.isEmpty() && zielzahl % 10 != 0; }

    void hilfeschritt() override { hilfeschritte << hilfestufe; }

    hilfenrahmen::Protokollangaben protokollangaben() const override
    {
        hilfenrahmen::Protokollangaben a;
        a.titel = QStringLiteral("Testhilfe");
        a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfetasten;
        a.zeile11 = hilfenrahmen::hilfetastenzeile(hilfetasten);
        return a;
    }
};
