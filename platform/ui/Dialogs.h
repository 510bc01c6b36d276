#pragma once
// Dialog Manager: the note alert behind the system's message box.

#include "core/MacTypes.h"

void ParamText(ConstStr255Param param0, ConstStr255Param param1, ConstStr255Param param2, ConstStr255Param param3);
// Shows alert alertID modally with the text set by ParamText (^0) and returns
// when the user dismisses it. Every alert is written to the transcript.
SInt16 NoteAlert(SInt16 alertID, void* filterProc);
