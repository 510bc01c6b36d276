#pragma once
// Commanders form a chain from the target (the front window) up to the
// application. A command or key the target does not handle goes up.

#include <vector>

#include "ui/Events.h"

class LCommander {
public:
    explicit LCommander(LCommander* superCommander = nullptr);
    virtual ~LCommander();
    LCommander(const LCommander&) = delete;
    LCommander& operator=(const LCommander&) = delete;

    LCommander* GetSuperCommander() const { return superCommander; }
    void SetSuperCommander(LCommander* commander);
    // The commander at the top of the chain (the application).
    LCommander* GetTopCommander();

    // The default of each passes the request up the chain.
    virtual bool ObeyCommand(CommandT command, void* param);
    virtual void FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                                   Str255 outName);
    virtual bool HandleKeyPress(const EventRecord& keyEvent);

    // Offers the key to this commander, then up the chain until one handles it.
    bool ProcessKeyPress(const EventRecord& keyEvent);
    bool ProcessCommand(CommandT command, void* param = nullptr);
    bool IsCommandEnabled(CommandT command);

    // Whether this commander may let a subcommander go (a window close).
    virtual bool AllowSubRemoval(LCommander* sub);

private:
    LCommander* superCommander = nullptr;
    std::vector<LCommander*> subCommanders;
};
