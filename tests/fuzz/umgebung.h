#pragma once
// What every fuzz target of the data folder's readers shares: a program folder and a data folder of its own,
// no message box, and the input written as the file a reader reads.

#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// The data folder (ending with "/"); made at the first call, with "datpfad" pointing at it.
QString datenordner();
// Writes the input as `name` in the data folder and returns its path.
QString datei(const QString& name, const uint8_t* data, size_t size);
// Ends the run as a crash would, naming what went wrong: a reader changed a file it only read.
void pruefen(bool gut, const char* was);
// The file's bytes now.
QByteArray bytes(const QString& pfad);

} // namespace fuzz

// libFuzzer's entry; the replay program calls it for each corpus file too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
