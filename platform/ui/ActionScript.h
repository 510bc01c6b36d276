#pragma once
// The action script: one action a line; blank lines and lines starting with
// "#" are skipped. An action is removed from the head of the file as it is
// taken, so that a relaunched process goes on with the rest.

#include <optional>
#include <string>

#include "ui/Events.h"

class ActionScript {
public:
    explicit ActionScript(std::string path) : path(std::move(path)) {}

    // The next action line, removed from the file; nothing when the file is
    // missing or holds no more actions.
    std::optional<std::string> takeNext();
    // The input of the next action line, removed from the file; a line that
    // is no action is removed and reported on stderr. Nothing when the
    // script has run out.
    std::optional<InputEvent> takeNextInput();

    // The input an action line stands for ("quit" is the Quit command);
    // nothing when the line is not an action.
    static std::optional<InputEvent> parse(const std::string& action);

private:
    std::string path;
};
