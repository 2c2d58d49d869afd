#pragma once
// What the games tests share: a data folder holding the installed "sw.ina" (or none), and no modal driver
// or game window left behind.

#include "platform/form.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QFile>

class SpieleTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        QFile::copy(QStringLiteral(TAVI_INSTALLORDNER "/sw.ina"), swina());
        QFile(swina()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }

    QString swina() const { return dataPath(QStringLiteral("sw.ina")); }
    QByteArray installiert() const { return readBytes(QStringLiteral(TAVI_INSTALLORDNER "/sw.ina")); }
    // The installed file with one line replaced (0-based line index).
    void zeileErsetzen(int index, const QByteArray& neu)
    {
        QList<QByteArray> zeilen = installiert().split('\n');
        zeilen[index] = neu + "\r";
        writeBytes(swina(), zeilen.join('\n'));
    }
};
