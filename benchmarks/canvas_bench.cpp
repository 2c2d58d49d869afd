// How long the drawings of a task take on a full-screen form: a whole-window rectangle, a hundred field
// (22 lines and 100 numbers) and a not-XOR frame drawn and erased.
#include "platform/canvas.h"
#include "platform/surface.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

Surface& screenSurface()
{
    static Surface s(nullptr);
    s.ensureSize(QSize(1920, 1080));
    return s;
}

void WholeWindowRectangle(benchmark::State& state)
{
    Canvas& c = screenSurface().canvas();
    c.pen.color = QColor(240, 240, 240);
    c.brush.color = Qt::white;
    for (auto _ : state)
        c.rectangle(0, 0, 1920, 1080);
}
BENCHMARK(WholeWindowRectangle)->Unit(benchmark::kMillisecond);

void HundredField(benchmark::State& state)
{
    Canvas& c = screenSurface().canvas();
    c.pen = Pen { QColor(0, 128, 0), 1 };
    c.font.height = -30;
    c.brush.color = Qt::white;
    for (auto _ : state) {
        for (int i = 0; i <= 10; ++i) {
            c.moveTo(30 + 90 * i, 30);
            c.lineTo(30 + 90 * i, 1030);
            c.moveTo(30, 30 + 100 * i);
            c.lineTo(930, 30 + 100 * i);
        }
        for (int n = 1; n <= 100; ++n)
            c.textOut(75 + 90 * ((n - 1) % 10), 60 + 100 * ((n - 1) / 10), QString::number(n));
    }
}
BENCHMARK(HundredField)->Unit(benchmark::kMillisecond);

void NotXorFrameTwice(benchmark::State& state)
{
    Canvas& c = screenSurface().canvas();
    c.pen = Pen { QColor(0, 128, 0), 6, PenStyle::Solid, PenMode::NotXor };
    c.brush.style = BrushStyle::Clear;
    for (auto _ : state) {
        c.rectangle(514, 118, 658, 221);
        c.rectangle(514, 118, 658, 221);
    }
}
BENCHMARK(NotXorFrameTwice)->Unit(benchmark::kMicrosecond);

// A digit typed into a cell and taken back again, as the keypad games do on every key.
void DigitDrawnAndTakenBack(benchmark::State& state)
{
    Canvas& c = screenSurface().canvas();
    c.brush.style = BrushStyle::Clear;
    c.font.height = -60;
    for (auto _ : state) {
        c.font.color = Qt::blue;
        c.textOut(700, 500, QStringLiteral("7"));
        c.font.color = Qt::white;
        c.textOut(700, 500, QStringLiteral("7"));
    }
}
BENCHMARK(DigitDrawnAndTakenBack)->Unit(benchmark::kMicrosecond);

// A framed cell drawn afresh: a thick pen and a solid brush.
void FramedCell(benchmark::State& state)
{
    Canvas& c = screenSurface().canvas();
    for (auto _ : state) {
        c.pen = Pen { Qt::blue, 4 };
        c.brush = Brush { Qt::white, BrushStyle::Solid };
        c.rectangle(568, 212, 752, 458);
    }
}
BENCHMARK(FramedCell)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
