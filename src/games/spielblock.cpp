#include "games/spielblock.h"

#include "platform/canvas.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

DesignGrid spielraster()
{
    return DesignGrid(skala_x, skala_y);
}

void blockknoepfeAnordnen(const DesignGrid& g, Button* ende, Button* haupt)
{
    g.place(ende, 750, 930, 200, 40);
    g.fontSize(ende, 14);
    if (!haupt) return;
    g.place(haupt, 300, 870, 400, 100);
    g.fontSize(haupt, 26);
}

void textMittig(Canvas& c, const DesignGrid& g, double x, double y, const QString& text)
{
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.textOut(g.x(x), g.y(y), text);
}
