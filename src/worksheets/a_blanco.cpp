#include "worksheets/a_blanco.h"

#include "platform/canvas.h"
#include "platform/controls.h"
#include "worksheets/a_bl_git.h"
#include "worksheets/a_bl_kri.h"
#include "worksheets/a_bl_str.h"
#include "worksheets/blattdruck.h"

#include <functional>

namespace {

struct Vorlage {
    const char* text;
    std::function<void(Canvas&)> zeichnen;
};

} // namespace

TForm5::TForm5(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Blanco"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);

    Label4 = new Label(this, QStringLiteral("Das Drucken startet, sobald ein Auswahlfeld angeklickt wird."), 24, 12);
    applyFont(Label4, QStringLiteral("Arial"), 18);

    using kringel::Feld;
    const QList<Vorlage> kringelfelder = {
        { "7  10er", [](Canvas& c) { kringel::draw(c, Feld::Zehner7); } },
        { "4  20er", [](Canvas& c) { kringel::draw(c, Feld::Zwanziger4); } },
        { "1  100er", [](Canvas& c) { kringel::draw(c, Feld::Hunderter1); } },
        { "2  100er", [](Canvas& c) { kringel::draw(c, Feld::Hunderter2); } },
        { "2  400er", [](Canvas& c) { kringel::draw(c, Feld::Vierhunderter2); } },
        { "3  1000er  (2-reihig)", [](Canvas& c) { kringel::draw(c, Feld::Tausender2reihig); } },
        { "3  1000er (1-reihig)", [](Canvas& c) { kringel::draw(c, Feld::Tausender1reihig); } },
    };
    const QList<Vorlage> gitterfelder = {
        { "5    10er   (Steckwürfelgröße)", [](Canvas& c) { gitter::draw(c, gitter::Feld::Zehner5); } },
        { "4    20er   (Steckwürfelgröße)", [](Canvas& c) { gitter::draw(c, gitter::Feld::Zwanziger4); } },
        { "1  100er  (Steckwürfelgröße)", [](Canvas& c) { gitter::draw(c, gitter::Feld::Hunderter1); } },
        { "2  100er  (10 cm x 10 cm)      ", [](Canvas& c) { gitter::draw(c, gitter::Feld::Hunderter2); } },
        { "4  100er   (8 cm x 8 cm)        ", [](Canvas& c) { gitter::draw(c, gitter::Feld::Hunderter4); } },
        { "8  100er   (4 cm x 4 cm)       ", [](Canvas& c) { gitter::draw(c, gitter::Feld::Hunderter8); } },
        { "1  1000er  (Querdruck)        ", [](Canvas& c) { gitter::draw(c, gitter::Feld::Tausender); } },
    };
    const QList<Vorlage> strahle = {
        { "5  10er", [](Canvas& c) { strahl::draw(c, strahl::Art::Zehner5); } },
        { "5  20er", [](Canvas& c) { strahl::draw(c, strahl::Art::Zwanziger5); } },
        { "5  100er", [](Canvas& c) { strahl::draw(c, strahl::Art::Hunderter5); } },
        { "3  20er (Querdruck)", [](Canvas& c) { strahl::draw(c, strahl::Art::Zwanziger3quer); } },
        { "3  100er  (Querdruck)", [](Canvas& c) { strahl::draw(c, strahl::Art::Hunderter3quer); } },
    };

    const auto gruppe
        = [this](GroupBox*& box, const QString& titel, int left, int breite, const QList<Vorlage>& liste) {
              box = new GroupBox(this, QString(), left, 48, breite, 440);
              auto* kopf = new Label(box, titel, 12, 12);
              applyFont(kopf, QStringLiteral("Arial"), 18, FontStyle::Bold);
              for (int i = 0; i < liste.size(); ++i) {
                  auto* b = new Button(box, QString::fromUtf8(liste[i].text), 12, 48 + 52 * i, breite - 24, 40);
                  const auto zeichnen = liste[i].zeichnen;
                  // Named as the teacher chose it: the group and the button ("Gitterfelder 4 20er").
                  const QString name = (titel + u' ' + b->caption()).simplified();
                  // Templates have no copies edit: one copy, whatever the last sheet printed.
                  b->OnClick = [zeichnen, name] { blattdruck::drucken(name, 1, zeichnen); };
                  // Only a click prints: a template button never holds the keyboard, so no key can print.
                  b->setFocusPolicy(Qt::NoFocus);
                  vorlagen << b;
              }
          };
    gruppe(Kringel, QStringLiteral("Kringelfelder"), 16, 220, kringelfelder);
    gruppe(Gitter, QStringLiteral("Gitterfelder"), 248, 280, gitterfelder);
    gruppe(Strahle, QStringLiteral("Zahlenstrahle"), 540, 224, strahle);

    Button1 = new Button(this, QStringLiteral("zurück"), 664, 496, 100, 40);
    Button1->Cancel = true;
    // Nothing takes the keyboard when the window opens: Enter and Space do nothing here, Esc goes back.
    setTabStop(Button1, false);
    Button1->OnClick = [this] { Close(); };
}
