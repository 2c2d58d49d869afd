#pragma once
#include <QString>

// The folders of this installation. All returned paths end with "/".
namespace folders {

// Where the program-folder "kl.ina" lives: the executable's folder, or $TAVI_PROGRAMMORDNER.
QString programFolder();
// Where this PC's "kl.ina" lives: the program folder wherever this account can write it (a build tree, a
// program copied to a writable folder, $TAVI_PROGRAMMORDNER); for an installed program, or one in a folder
// users cannot write, the user's configuration folder ($XDG_CONFIG_HOME/tavi/, created when needed). A new
// account's copy there starts as the first "tavi/kl.ina" of the system configuration folders
// ($XDG_CONFIG_DIRS, so an administrator can preset the shared data folder), else as the installation's
// first-run marker (<prefix>/share/tavi/installordner/kl.ina once installed).
QString settingsFolder();
// Tests stand in for a program folder this account cannot write (root can write every folder).
void setProgramFolderWritableForTest(int writable); // 1 writable, 0 not, -1 ask the file system
// What the first run copies into the data folder: <prefix>/share/tavi/installordner/ for an installed
// program (found from the executable's folder, whatever the prefix), else the source tree's installordner/.
QString installFolder();
// The data folder proposed at the first run.
QString proposedDataFolder();
// The program file's name, for texts that tell the teacher which files each PC needs.
QString programFileName();

} // namespace folders
