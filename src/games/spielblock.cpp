#include "games/spielblock.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"

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

void weissDecken(Canvas& c, const DesignGrid& g, double l, double t, double r, double b)
{
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(l), g.y(t), g.x(r), g.y(b));
}

void textMittig(Canvas& c, const DesignGrid& g, double x, double y, const QString& text)
{
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.textOut(g.x(x), g.y(y), text);
}

TScrollBoxEx* pfeilkasten(QWidget* fenster, std::function<void(int, int)> bewegen)
{
    auto* kasten = new TScrollBoxEx(fenster, 1, 1, 1, 1);
    kasten->OnWantSpecialKey = [](QObject*, quint16 taste, bool& wanted) {
        if (taste >= vk::Left && taste <= vk::Down) wanted = true;
    };
    kasten->OnKeyDown = [bewegen = std::move(bewegen)](quint16& taste, ShiftState) {
        switch (taste) {
        case vk::Left:
            bewegen(0, -1);
            break;
        case vk::Up:
            bewegen(-1, 0);
            break;
        case vk::Right:
            bewegen(0, 1);
            break;
        case vk::Down:
            bewegen(1, 0);
            break;
        default:
            break;
        }
    };
    return kasten;
}

void mausRechtsFangen(QWidget* fenster, double rechts)
{
    const DesignGrid g = spielraster();
    mausbereich = { g.x(696), 0, g.x(rechts), g.y(1100) };
    const QPoint o = fenster->mapToGlobal(QPoint(0, 0));
    mousetrap::clip(
        mausbereich.left + o.x(), mausbereich.top + o.y(), mausbereich.right + o.x(), mausbereich.bottom + o.y());
}
