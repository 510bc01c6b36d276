#pragma once
// The wizard's states. A state is stored in one byte: any number read from the
// command line or from Installer.ini is kept modulo 256, and a value without a
// panel is left for the wizard window to reject.

#include <cstdint>

enum InstallState : std::uint8_t {
    STATE_WELCOME = 0,
    STATE_AUTHORIZE_INSTALL = 1,
    STATE_LICENSE = 2,
    STATE_INSTALL = 3,
    STATE_INSTALL_REBOOT = 4,
    STATE_INSTALL_FINISH = 5,
    STATE_INSTALL_ERROR = 6,
    STATE_REMOVE_CONFIRM = 7,
    STATE_AUTHORIZE_REMOVE = 8,
    STATE_REMOVE = 9,
    STATE_REMOVE_REBOOT = 10,
    STATE_REMOVE_ERROR = 11,
    STATE_QUIT = 12,
};
