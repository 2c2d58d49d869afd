#pragma once
// What the worksheet tests share: the data folder with the installed "aw.ina", a printer that records,
// showing a sheet with its activation, typing and ticking as the teacher does, and the printed texts.

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <set>

// A printer that records, no modal driver left behind, and driving a shown window as the teacher does.
class DruckTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        printer().setRecording(false);
        TaviTest::TearDown();
    }
    // Shows the form (its activation runs) and drives it.
    static void zeigen(Form& f, const std::function<void()>& schritte)
    {
        Form::setModalDriver([&](Form&) { schritte(); });
        f.showModal();
    }
    static void tippen(Edit* e, const QString& text)
    {
        e->clear();
        QTest::keyClicks(e, text);
    }
};

class BlattTest : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        datpfad = dataFolder();
        QFile::copy(QStringLiteral(TAVI_INSTALLORDNER "/aw.ina"), dataPath("aw.ina"));
        QFile::setPermissions(dataPath("aw.ina"), QFile::ReadOwner | QFile::WriteOwner);
    }
    // Ticks exactly the items at the given indices, as clicks would.
    static void ankreuzen(ListBox* box, const std::set<int>& items)
    {
        for (int i = 0; i < box->count(); ++i)
            box->setSelected(i, items.count(i) > 0);
        box->OnClick();
    }
    // The texts of the last printed page as "text@x,y".
    static QStringList texte()
    {
        QStringList t;
        for (const DrawOp& op : printer().recorded().last().pages[0])
            if (op.kind == DrawOp::Kind::Text)
                t << QStringLiteral("%1@%2,%3").arg(op.text).arg(op.points[0].x()).arg(op.points[0].y());
        return t;
    }
    // Keeps the last printed page to look at.
    static void ablegen(const QString& name)
    {
        QDir().mkpath(QStringLiteral(TAVI_TEST_OUTPUT));
        Printer::writePdf(printer().recorded().last(), QStringLiteral(TAVI_TEST_OUTPUT "/") + name + ".pdf");
    }
};
