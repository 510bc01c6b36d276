#include "ui/LCommander.h"

#include <algorithm>

LCommander::LCommander(LCommander* super)
{
    SetSuperCommander(super);
}

LCommander::~LCommander()
{
    for (LCommander* sub : subCommanders)
        sub->superCommander = nullptr;
    SetSuperCommander(nullptr);
}

void LCommander::SetSuperCommander(LCommander* commander)
{
    if (superCommander)
        std::erase(superCommander->subCommanders, this);
    superCommander = commander;
    if (commander)
        commander->subCommanders.push_back(this);
}

LCommander* LCommander::GetTopCommander()
{
    LCommander* top = this;
    while (top->superCommander)
        top = top->superCommander;
    return top;
}

bool LCommander::ObeyCommand(CommandT command, void* param)
{
    return superCommander ? superCommander->ProcessCommand(command, param) : false;
}

void LCommander::FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                                   Str255 outName)
{
    if (superCommander) {
        superCommander->FindCommandStatus(command, outEnabled, outUsesMark, outMark, outName);
        return;
    }
    outEnabled = false;
    outUsesMark = false;
}

bool LCommander::HandleKeyPress(const EventRecord& /*keyEvent*/)
{
    return false;
}

bool LCommander::ProcessKeyPress(const EventRecord& keyEvent)
{
    for (LCommander* commander = this; commander; commander = commander->superCommander) {
        if (commander->HandleKeyPress(keyEvent))
            return true;
    }
    return false;
}

bool LCommander::ProcessCommand(CommandT command, void* param)
{
    return ObeyCommand(command, param);
}

bool LCommander::IsCommandEnabled(CommandT command)
{
    bool enabled = false;
    bool usesMark = false;
    UInt16 mark = 0;
    Str255 name = {0};
    FindCommandStatus(command, enabled, usesMark, mark, name);
    return enabled;
}

bool LCommander::AllowSubRemoval(LCommander* /*sub*/)
{
    return true;
}
