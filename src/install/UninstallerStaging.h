#pragma once
// The staged uninstaller: a copy of the installed uninstaller bundle in the
// temporary items folder, set to start straight in the removal state, so that
// the removal never runs from the folder it deletes.

class String;

// Stages the copy; true on failure.
bool copyUninstToTmpDir();
// The POSIX path of the staged executable; true on failure (path untouched).
bool getUninstTmpPath(String* path);
