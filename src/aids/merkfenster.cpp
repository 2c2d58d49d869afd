#include "aids/merkfenster.h"

#include "platform/controls.h"
#include "platform/designgrid.h"

namespace {

const QRect kMerkePlatz { 765, 60, 200, 45 };
const QString kMerkeCaption = QStringLiteral("&Gemerkte?");
// How long "Gemerkte?" shows the remembered digit, in days (about 1.3 s).
constexpr double kMerkeDauer = 1.5e-5;

} // namespace

Merkfenster::Merkfenster(QWidget* parent)
    : Schriftfenster(parent)
{
    merkebutton
        = new Button(this, kMerkeCaption, kMerkePlatz.x(), kMerkePlatz.y(), kMerkePlatz.width(), kMerkePlatz.height());
    merkebutton->setObjectName(QStringLiteral("merkebutton"));
    applyFont(merkebutton, QStringLiteral("Arial"), 28);
    merkebutton->OnClick = [this] { merkebuttonClick(); };
}

void Merkfenster::merkebuttonClick()
{
    const QString merk = merkeText();
    if (!merk.isEmpty()) merkebutton->setCaption(merk);
    warteschleife(kMerkeDauer);
    merkebutton->setCaption(kMerkeCaption);
}

void Merkfenster::anordnen(const DesignGrid& g)
{
    Schriftfenster::anordnen(g);
    g.place(merkebutton, kMerkePlatz.x(), kMerkePlatz.y(), kMerkePlatz.width(), kMerkePlatz.height());
    g.fontHeight(merkebutton, 28);
}

void Merkfenster::aufgabeVorbereiten()
{
    merkebutton->setEnabled(false);
    merkebutton->setCaption(kMerkeCaption);
}

void Merkfenster::nachDemLoesen()
{
    merkebutton->setEnabled(false);
}
