#include "app/StartState.h"

#include <cstring>

#include "text/IniLookup.h"
#include "text/TextPieces.h"

namespace {

InstallState lowByte(int value)
{
    return static_cast<InstallState>(static_cast<unsigned>(value) & 0xFFu);
}

} // namespace

bool isRelaunchCommandLine(int argc, const char* const* argv)
{
    if (argc < 2)
        return false;
    const char* marker = argv[argc - 1];
    return std::strcmp(marker, "INSTALL") == 0 || std::strcmp(marker, "REMOVE") == 0;
}

InstallState chooseStartState(int argc, const char* const* argv)
{
    if (isRelaunchCommandLine(argc, argv)) {
        int state = 0;
        readLeadingInt(argv[1], &state);
        return lowByte(state);
    }
    int nextState = getIniInt("NextState", "SystemInfo", 0);
    return nextState != 0 ? lowByte(nextState) : STATE_WELCOME;
}
