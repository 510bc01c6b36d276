#pragma once

// The installer's version, as the system report and the About box show it.
inline constexpr const char* INSTALLER_VERSION = "1.0.12";
