#include "worksheets/blattdruck.h"

#include "platform/canvas.h"
#include "platform/printer.h"
#include "worksheets/blattrahmen_logik.h"

namespace blattdruck {

void anfangen(Canvas& canvas)
{
    canvas.pen.color = Qt::black;
    canvas.pen.width = 2;
    canvas.font = Font {};
    canvas.font.name = QStringLiteral("arial");
    canvas.font.height = 75;
    canvas.setTextAlign(TextAlign::Left | TextAlign::Top);
    canvas.setMapMode(MapMode::LoMetric);
}

void titelzeile(Canvas& canvas, int x, int y, const QString& text)
{
    canvas.setTextAlign(TextAlign::Left | TextAlign::Top);
    canvas.textOut(x, y, text);
    canvas.setTextAlign(TextAlign::Right | TextAlign::Top);
}

void festerAbstand(Canvas& canvas, int x0, int y, int abstand, const QString& text)
{
    canvas.setTextAlign(TextAlign::Right | TextAlign::Top);
    for (int i = 1; i <= text.size(); ++i)
        canvas.textOut(x0 + abstand * i, y, text.mid(i - 1, 1));
}

void ergebnisstreifen(Canvas& canvas, const std::vector<int>& werte, int labelX, int y, int erstesX, int abstand)
{
    canvas.setTextAlign(TextAlign::Left | TextAlign::Top);
    canvas.font.height = 45;
    canvas.textOut(labelX, y, QStringLiteral("Ergebnisse:"));
    const std::vector<int> sortiert = blattrahmen::aufsteigend(werte);
    for (size_t i = 0; i < sortiert.size(); ++i)
        canvas.textOut(erstesX + abstand * int(i), y, QString::number(sortiert[i]));
}

void drucken(const QString& titel, int kopien, const std::function<void(Canvas&)>& zeichnen)
{
    Printer& p = printer();
    p.setCopies(kopien);
    p.beginDoc(titel);
    try {
        anfangen(p.canvas());
        zeichnen(p.canvas());
    } catch (...) {
        p.abort();
        throw;
    }
    p.endDoc();
}

} // namespace blattdruck
