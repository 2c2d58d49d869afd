#pragma once
// "Fehleranalysen": the hub of the error analyses. Each analysis button sets programmcode, brings the
// panels of that analysis to the front in its set-up window and opens the set-up window (Form31 quick
// sight, Form37 basic arithmetic, Form39 written subtraction).
//
// The panels are found by their object names in the set-up window (QObject::objectName: "zahlen10",
// "P11", "P12zepe", "r11", ...); a set-up window names the panels it has.

#include "platform/form.h"

#include <QStringList>

class Button;
class GroupBox;
class Label;
class Panel;

class TForm30 final : public Form {
public:
    explicit TForm30(QWidget* parent = nullptr);

    Button* Button17 = nullptr; // schnelles Sehen im 10er-Feld
    Button* Button2 = nullptr; // 20er-Feld
    Button* Button3 = nullptr; // 100er-Feld
    Button* Button5 = nullptr; // kleines 1 + 1
    Button* Button6 = nullptr;
    Button* Button7 = nullptr;
    Button* Button8 = nullptr;
    Button* Button9 = nullptr;
    Button* Button1 = nullptr;
    Button* Button11 = nullptr;
    Button* Button4 = nullptr; // schriftliche Subtraktion
    Button* Button10 = nullptr; // zurück

private:
    Q_DISABLE_COPY(TForm30)
    void F30aktiv();
    void Button10Click();
    // The click of every analysis button: code, panels to the front in this order, set-up window.
    void analyse(int code, Form* einrichtung, const QStringList& nachVorn);

    Panel* Panel1 = nullptr;
    GroupBox* Grundrechenarten = nullptr;
    GroupBox* Zahlbegriff = nullptr;
};
