#include "games/s_tic.h"
#include "games/sp_haupt_logik.h"
#include "platform/controls.h"
#include "spieletest.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

namespace {

// Opens the edit's right-click menu, notes its entries and chooses the one whose text starts with `wahl`.
QStringList kontextmenue(QWidget* feld, const QString& wahl)
{
    QStringList eintraege;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        grabToPng(menu, QStringLiteral("s_tic_kontextmenue"));
        QAction* gewaehlt = nullptr;
        for (QAction* a : menu->actions()) {
            eintraege << a->text().section(u'\t', 0, 0);
            if (eintraege.last().startsWith(wahl)) gewaehlt = a;
        }
        menu->close();
        if (gewaehlt) gewaehlt->trigger();
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), feld->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(feld, &e);
    return eintraege;
}

} // namespace

TEST_F(SpieleTest, LettersPastedByTheMenuIntoTheTargetGamesNumbersAreDroppedAndStartFollowsTheDigits)
{
    TForm44 starter;
    programmcode = 26;
    starter.abschnittGeladen(sp_haupt::stichwort(26),
        sp_haupt::abschnittladen(sp_haupt::stichwort(26)) == einstellungsdatei::Abschnittstand::gelesen);
    Form::setModalDriver([&](Form& f) {
        if (&f != &starter) return;
        const struct {
            Edit* feld;
            const char* einfuegen;
            const char* bleibt;
            bool start;
        } faelle[] = { { starter.edit3, "MA12", "12", false }, { starter.edit3, "x5y", "5", true },
            { starter.Edit4, "M3A", "3", false }, { starter.Edit4, "4ä7", "47", true },
            { starter.Edit4, "MA", "", false } };
        for (const auto& f : faelle) {
            QGuiApplication::clipboard()->setText(QString::fromUtf8(f.einfuegen));
            f.feld->clear();
            const QStringList menu = kontextmenue(f.feld, QStringLiteral("Einf&ügen"));
            EXPECT_TRUE(menu.contains(QStringLiteral("&Rückgängig"))) << menu.join(" | ").toStdString();
            EXPECT_EQ(f.feld->text(), QString::fromUtf8(f.bleibt)) << f.einfuegen;
            EXPECT_EQ(starter.Button2->isEnabled(), f.start) << f.einfuegen;
        }
    });
    starter.showModal();
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
