#pragma once
// The relaunch with administrator rights after the wizard has closed: the
// installer starts its own executable again at the licence panel, the
// uninstaller starts its staged copy at the removal.

// True when the administrator right was refused; throws XPel when the staged
// uninstaller's path cannot be found.
bool authorizeAndRestart(bool isInstalling);
bool authorizeAndRestartOsx(bool isInstalling);
