#include "app/Options.h"

// state and appPath are deliberately left out: main may already have set them
// (static storage starts zeroed), and nothing must overwrite that.
COptions::COptions() : reboot(false), failed(false) {}

COptions::~COptions() = default;

COptions Options;
