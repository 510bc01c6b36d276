#include "ui/Dialogs.h"

#include <string>

#include "core/Transcript.h"
#include "ui/ToolboxBackend.h"

namespace {

std::string paramText0;

std::string fromPascal(ConstStr255Param text)
{
    return text ? std::string(reinterpret_cast<const char*>(text + 1), text[0]) : std::string();
}

} // namespace

void ParamText(ConstStr255Param param0, ConstStr255Param, ConstStr255Param, ConstStr255Param)
{
    paramText0 = fromPascal(param0);
}

SInt16 NoteAlert(SInt16 /*alertID*/, void* /*filterProc*/)
{
    std::string text = paramText0;
    platform::Transcript::write("alert " + platform::Transcript::quote(text));
    ToolboxBackend::Current().NoteAlert(text);
    return 1;
}
