#pragma once
// A small pool sheet on the frame, as a sheet builds one: the "zehn" lists, seven count edits, the copies
// edit, and a print of its ten rows as plus tasks with the sorted strip.

#include "platform/controls.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattform.h"

#include <QStringList>

class Testblatt final : public Vorratsblatt {
public:
    Testblatt()
        : Vorratsblatt(awina::zehn())
    {
        setCaption(QStringLiteral("Testblatt"));
        setDesignGeometry(0, 0, 640, 420);
        QStringList summanden, summen;
        for (int i = 1; i <= 9; ++i) {
            summanden << blattrahmen::str2(i);
            summen << blattrahmen::str2(i + 1);
        }
        for (int l = 0; l < 3; ++l)
            liste(new ListBox(this, 16 + 60 * l, 16, 50, 200), l == 2 ? summen : summanden);
        auto* pool = new Label(this, QString(), 16, 230);
        vorratsfeld(pool);
        for (int k = 1; k <= 7; ++k)
            anzahlfeld(new Edit(this, 240, 16 + 28 * (k - 1), 33, 24), k);
        gewaehltfeld(new Label(this, QString(), 300, 16));
        kopienfeld(new Edit(this, 300, 60, 33, 24));
        knoepfe(new Button(this, QStringLiteral("drucken"), 400, 360, 100, 40),
            new Button(this, QStringLiteral("zurück"), 520, 360, 100, 40));
        OnActivate = [this] { aktivieren(); };
    }

    std::vector<int> gedruckt; // the codes of the last print

protected:
    std::vector<int> vorratBilden() override { return blattrahmen::summenvorrat(flags(0), flags(1), flags(2), 10); }
    void blattdrucken(const std::vector<int>& codes) override
    {
        gedruckt = codes;
        blattdruck::drucken(QStringLiteral("Testblatt"), wieoft, [&](Canvas& c) {
            blattdruck::titelzeile(c, 200, -130, QStringLiteral("Testblatt            Name: _______________"));
            std::vector<int> ergebnisse;
            for (size_t n = 0; n < codes.size(); ++n) {
                const int a = codes[n] / 10, b = codes[n] % 10;
                blattdruck::festerAbstand(c, 300, -230 * int(n + 1) - 135, 36,
                    blattrahmen::str2(a) + QStringLiteral(" + ") + QString::number(b) + QStringLiteral(" = __"));
                ergebnisse.push_back(a + b);
            }
            blattdruck::ergebnisstreifen(c, ergebnisse, 150, -2690, 400);
        });
    }
};
