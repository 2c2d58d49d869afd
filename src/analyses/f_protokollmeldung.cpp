#include "analyses/f_protokollmeldung.h"

#include "platform/colors.h"
#include "platform/controls.h"

namespace protokollmeldung {

QString text(const QString& fehler)
{
    return QStringLiteral("Das Protokoll konnte nicht gespeichert werden. ") + fehler;
}

Label* anlegen(QWidget* form, int left, int top)
{
    auto* meldung = new Label(form, QString(), left, top);
    applyFont(meldung, QStringLiteral("Arial"), 16);
    setColor(meldung, clRed);
    setFontColor(meldung, clWhite);
    meldung->setAutoSize(false);
    meldung->setWordWrap(true);
    meldung->hide();
    return meldung;
}

void zeigen(Label* meldung, const QString& fehler)
{
    meldung->setCaption(text(fehler));
    // The runner's size is the least the note takes: a reason that names a deep folder makes it taller.
    meldung->resize(meldung->width(), std::max(meldung->height(), meldung->heightForWidth(meldung->width())));
    meldung->show();
}

} // namespace protokollmeldung
