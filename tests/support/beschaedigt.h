#pragma once
#include <QByteArray>
#include <vector>

// A file as a teacher's editor, a PC that went down or a cut copy may leave it: the damages every reader of
// the data folder is tried with, each made from a sound file of that reader.
struct Beschaedigung {
    const char* name;
    QByteArray inhalt;
};

// `gut` in Windows-1252 with CR LF. The numbers damaged ("1e5", 2^31) are the first ones after line 2.
std::vector<Beschaedigung> beschaedigungen(const QByteArray& gut);
