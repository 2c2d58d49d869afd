// Drives an installed program as a teacher would, where no display and no key can reach it: loaded into the
// program by Qt itself (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=tavifernbedienung), so the program under test
// is the installed binary unchanged. It waits for the main window; in the first run it types the data folder
// ($TAVI_FERN_DATENORDNER, where set) and presses "ok"; in a normal start it presses "Ende". Each step is
// written as a line to $TAVI_FERN_BERICHT.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

namespace {
void melden(const QString& zeile)
{
    QFile f(qEnvironmentVariable("TAVI_FERN_BERICHT"));
    if (f.open(QIODevice::Append)) f.write((zeile + u'\n').toUtf8());
}

QWidget* sichtbar(QWidget* fenster, const char* name)
{
    auto* w = fenster->findChild<QWidget*>(QLatin1String(name));
    return w && w->isVisible() ? w : nullptr;
}

class Fernbedienung : public QObject {
public:
    Fernbedienung()
    {
        connect(&m_takt, &QTimer::timeout, this, &Fernbedienung::schauen);
        m_takt.start(100);
    }

private:
    void schauen()
    {
        // A program that never shows what is expected must not hang the test.
        if (++m_runden > 600) {
            melden(QStringLiteral("kein Fenster nach 60 s"));
            _exit(3);
        }
        for (QWidget* fenster : QApplication::topLevelWidgets()) {
            if (!fenster->isVisible() || fenster->objectName() != QLatin1String("Form1")) continue;
            if (sichtbar(fenster, "datpfadpanel")) {
                auto* edit = fenster->findChild<QLineEdit*>(QStringLiteral("Edit2"));
                auto* ok = fenster->findChild<QAbstractButton*>(QStringLiteral("datpfad_ok"));
                if (!edit || !ok) return;
                const QString ordner = qEnvironmentVariable("TAVI_FERN_DATENORDNER");
                if (!ordner.isEmpty()) edit->setText(ordner);
                melden(QStringLiteral("erster Lauf: ") + edit->text());
                m_takt.stop();
                ok->click();
                return;
            }
            if (sichtbar(fenster, "kl_Panel")) {
                auto* ende = fenster->findChild<QAbstractButton*>(QStringLiteral("Button10"));
                if (!ende) return;
                melden(QStringLiteral("Hauptfenster"));
                m_takt.stop();
                ende->click();
                return;
            }
        }
    }

    QTimer m_takt;
    int m_runden = 0;
};
} // namespace

class FernbedienungPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "fernbedienung.json")
public:
    QObject* create(const QString&, const QString&) override { return new Fernbedienung; }
};

#include "fernbedienung.moc"
