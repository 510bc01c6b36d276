#pragma once
// What main does after the wizard, for the state it ended in.

#include "app/InstallState.h"

// Carries out the action of a final state (a relaunch with administrator
// rights for 1, staging and a relaunch for 8, nothing otherwise). True when
// the run must end here, without the restart the user may have chosen.
bool performPostRunAction(InstallState finalState);
