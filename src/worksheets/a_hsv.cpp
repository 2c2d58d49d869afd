#include "worksheets/a_hsv.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "worksheets/a_hsv_pm.h"
#include "worksheets/a_hsverg.h"

#include <array>

namespace {

struct Vorschau {
    std::array<const char*, 4> muster;
    const char* stufe1;
    const char* stufe2;
};

// Per operation the previews of patterns 1 to 4 (task line, dashes, two step lines) and the level captions.
const Vorschau vorschauen[4] = {
    { { "56 + 27 = __ ------------ 56 + 20 = __ __ +  7 = __", "56 + 27 = __ ------------ 56 + 20 = __ __ +  _ = __",
          "56 + 27 = __ ------------ 56 + __ = __ __ +  _ = __",
          "56 + 27 = __ ------------ __ + __ = __ __ +  _ = __" },
        "ohne Zehnerübergänge", "mit Zehnerübergängen" },
    { { "56 - 27 = __ ------------ 56 - 20 = __ __ -  7 = __", "56 - 27 = __ ------------ 56 - 20 = __ __ -  _ = __",
          "56 - 27 = __ ------------ 56 - __ = __ __ -  _ = __",
          "56 - 27 = __ ------------ __ - __ = __ __ -  _ = __" },
        "ohne Zehnerübergänge", "mit Zehnerübergängen" },
    { { "7 * 36 = __ ----------- 7 * 30 = __ 7 *  6 = __", "7 * 36 = __ ----------- 7 * 30 = __ 7 *  _ = __",
          "7 * 36 = __ ----------- 7 * __ = __ 7 *  _ = __", "7 * 36 = __ ----------- _ * __ = __ _ *  _ = __" },
        "mittleres 1x1", "großes 1x1" },
    { { "252 : 7 = __ ------------ 210 : 7 = __  42 : 7 = __", "252 : 7 = __ ------------ 210 : 7 = __  __ : 7 = __",
          "252 : 7 = __ ------------ ___ : 7 = __  __ : 7 = __",
          "252 : 7 = __ ------------ ___ : _ = __  __ : _ = __" },
        "mittleres 1x1", "großes 1x1" },
};

const char* const ergaenzungsvorschau[5] = {
    " 56 + __ = __ --------------  56 +  _ = 60   60 + __ = 90",
    " 56 + __ = __ --------------  56 +  4 = __   __ + __ = 90",
    " 56 + __ = __ --------------  56 +  _ = _0   _0 + __ = 90",
    " 56 + __ = __ --------------  56 +  _ = __   __ + __ = __",
    " 56 + __ = __ --------------  __ +  _ = __   __ + __ = __",
};

} // namespace

TForm17::TForm17(QWidget* parent)
    : Themenmenue(QStringLiteral("halbschriftlich"), QStringLiteral("MS Sans Serif"), 19, parent)
{
    const auto knopf
        = [this](const QString& text, int top) { return Themenmenue::knopf(text, 104, top, 400, 55, true); };
    Button5 = knopf(QStringLiteral("halbschriftliches Addieren"), 32);
    Button2 = knopf(QStringLiteral("halbschriftliches Subtrahieren"), 112);
    Button7 = knopf(QStringLiteral("halbschriftliches Ergänzen"), 192);
    Button3 = knopf(QStringLiteral("halbschriftliches Multiplizieren"), 288);
    Button6 = knopf(QStringLiteral("halbschriftliches Dividieren"), 368);
    Button4 = zurueckKnopf();

    Button5->OnClick = [this] { musterblatt(1); };
    Button2->OnClick = [this] { musterblatt(2); };
    Button7->OnClick = [this] { Button7Click(); };
    Button3->OnClick = [this] { musterblatt(3); };
    Button6->OnClick = [this] { musterblatt(4); };
}

void TForm17::musterblatt(int rechenart)
{
    programmcode = rechenart;
    if (auto* blatt = dynamic_cast<TForm18*>(Form18)) {
        const Vorschau& v = vorschauen[rechenart - 1];
        for (size_t k = 0; k < 4; ++k)
            blatt->vorschauSetzen(int(k), QString::fromUtf8(v.muster[k]));
        blatt->Label17->setCaption(QString::fromUtf8(v.stufe1));
        blatt->Label5->setCaption(QString::fromUtf8(v.stufe2));
    }
    oeffnen(Form18);
}

void TForm17::Button7Click()
{
    if (auto* blatt = dynamic_cast<TForm19*>(Form19)) {
        for (size_t k = 0; k < 5; ++k)
            blatt->vorschauSetzen(int(k), QString::fromUtf8(ergaenzungsvorschau[k]));
    }
    oeffnen(Form19);
}
