#include "support/programm.h"

#include "app/programmkoerper.h"
#include "platform/mousetrap.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

void installordnerKopieren(const QString& ziel)
{
    const QString quelle = QStringLiteral(TAVI_INSTALLORDNER_TEST);
    QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        const QString nach = ziel + QDir(quelle).relativeFilePath(datei);
        QDir().mkpath(QFileInfo(nach).path());
        QFile::copy(datei, nach);
        QFile(nach).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

void ProgrammTest::SetUp()
{
    TaviTest::SetUp();
    installordnerKopieren(dataFolder());
    const QByteArray kl = (dataFolder() + "\r\nohne\r\n").toUtf8();
    writeBytes(programFolder() + "kl.ina", kl);
    writeBytes(dataPath("kl.ina"), kl);
    datpfad = dataFolder();
    aktivliste = "ohne";
    skala_x = 0.78f;
    skala_y = 0.57f;
    if (!Form1) fensterErzeugen();
}

void ProgrammTest::TearDown()
{
    Form::setModalDriver({});
    mousetrap::release();
    TaviTest::TearDown();
}

void ProgrammTest::zeigen(Form* fenster, const std::function<void(Form&)>& schritt)
{
    Form::setModalDriver([&](Form& f) {
        gezeigt << &f;
        schritt(f);
    });
    fenster->showModal();
    Form::setModalDriver({});
}
