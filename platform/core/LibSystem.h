#pragma once
// The few services of the system's standard library that the installer uses
// on paths of the emulated machine. An absolute POSIX path of the emulated
// startup volume ("/DSL Installer Log File") lies under PLATFORM_ROOT on the host.

#include <string>

namespace platform {

// The host path of an absolute path on the emulated startup volume.
std::string hostPathOfVolumePath(const char* volumePath);

// Appends text to the file at an absolute path of the emulated startup volume,
// creating it if missing, and gives it the permissions mode (set on the open
// file: a symbolic link or a hard-linked file planted at that path is neither
// followed nor written). Returns 0, or the errno of the failure.
int appendToVolumeFile(const char* volumePath, const std::string& text, unsigned mode);

} // namespace platform
