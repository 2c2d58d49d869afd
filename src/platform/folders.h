#pragma once
#include <QString>

// The folders of this installation. All returned paths end with "/".
namespace folders {

// Where the program-folder "kl.ina" lives: the executable's folder, or $TAVI_PROGRAMMORDNER.
QString programFolder();
// What the first run copies into the data folder: the source tree's installordner/ for a program run from
// its build tree, <prefix>/share/tavi/installordner/ once installed.
QString installFolder();
// The data folder proposed at the first run.
QString proposedDataFolder();
// The program file's name, for texts that tell the teacher which files each PC needs.
QString programFileName();

} // namespace folders
