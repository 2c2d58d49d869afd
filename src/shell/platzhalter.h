#pragma once
#include "platform/form.h"

// Stands in for a window whose area is not built yet: it has the window's class name and caption and
// closes on Esc, so the program can be started and every way through it tried.
class Platzhalter final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(Platzhalter)
public:
    Platzhalter(const QString& klasse, const QString& caption, QWidget* parent = nullptr);
    const QString& klasse() const { return m_klasse; }

private:
    QString m_klasse;
};
