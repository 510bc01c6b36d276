#pragma once
// The steps of the removal sequence. Each writes its trace line and removes
// what its Installer.ini key names inside its system folder. An entry is the
// name of an item directly inside that folder: one that holds ":" (a partial
// path, which could climb out of the folder), is "." or "..", or is longer
// than a name can be, is skipped with an error line and never deleted.

// The program folder ProgramFilesDir in the applications folder, whole.
void removeAppsDir();
// RemoveDriversOsx, each a whole folder tree in the kernel extensions folder;
// RemoveDriversOs9, files or empty folders in the Extensions folder.
void removeDrivers();
// RemoveModemScriptsOsx or RemoveModemScriptsOs9 in the modem scripts folder.
void removeModemScripts();
// RemovePreferencesOs9 in the preferences folder (Mac OS 9).
void removePreferences();
// RemoveCplOs9 in the control panels folder: 'ctrl' before system 9, 'sctl'
// from system 9 on (Mac OS 9).
void removeCpls();
