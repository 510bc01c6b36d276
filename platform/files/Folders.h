#pragma once
// Folder Manager: the system folders of the emulated machine under
// PLATFORM_ROOT, by folder type and system generation.

#include "files/Files.h"

enum : SInt16 {
    kOnSystemDisk = -32768,
    kOnAppropriateDisk = -32767,
    kSystemDomain = -32766,
    kLocalDomain = -32765,
    kNetworkDomain = -32764,
    kUserDomain = -32763,
};

enum : Boolean { kDontCreateFolder = false, kCreateFolder = true };

enum : OSType {
    kApplicationsFolderType = FOUR_CHAR('a', 'p', 'p', 's'),
    kKernelExtensionsFolderType = FOUR_CHAR('k', 'e', 'x', 't'),
    kExtensionFolderType = FOUR_CHAR('e', 'x', 't', 'n'),
    kModemScriptsFolderType = FOUR_CHAR('\xC4', 'm', 'o', 'd'),
    kPreferencesFolderType = FOUR_CHAR('p', 'r', 'e', 'f'),
    kControlPanelFolderType = FOUR_CHAR('c', 't', 'r', 'l'),
    kSystemControlPanelFolderType = FOUR_CHAR('s', 'c', 't', 'l'),
    kTemporaryFolderType = FOUR_CHAR('t', 'e', 'm', 'p'),
};

// fnfErr for a folder that does not exist (and is not to be created) or
// that the system generation does not have; permErr for a temporary items
// folder that is not the caller's own (a link, another owner, a mode other
// than 0700, or a user folder that others may write to). Every volume
// selector answers alike. A system folder that is the mount point of another
// host file system is given as the root of that volume.
OSErr FindFolder(SInt16 vRefNum, OSType folderType, Boolean createFolder, SInt16* foundVRefNum, long* foundDirID);
