#include "ui/ActionScript.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

std::string trim(const std::string& text)
{
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool readAll(int fd, std::string& text)
{
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(count));
    return count == 0;
}

bool writeAll(int fd, const std::string& text)
{
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t count = ::write(fd, text.data() + done, text.size() - done);
        if (count <= 0)
            return false;
        done += std::size_t(count);
    }
    return true;
}

std::optional<SInt32> number(const std::string& token)
{
    char* end = nullptr;
    long value = std::strtol(token.c_str(), &end, 10);
    if (token.empty() || *end != '\0')
        return std::nullopt;
    return SInt32(value);
}

} // namespace

std::optional<std::string> ActionScript::takeNext()
{
    if (path.empty())
        return std::nullopt;
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    ::flock(fd, LOCK_EX);
    std::string text;
    std::optional<std::string> action;
    if (readAll(fd, text)) {
        std::size_t start = 0;
        while (start < text.size() && !action) {
            std::size_t end = text.find('\n', start);
            std::size_t next = end == std::string::npos ? text.size() : end + 1;
            std::string line = trim(text.substr(start, next - start));
            start = next;
            if (!line.empty() && line.front() != '#')
                action = line;
        }
        if (action && !writeAll(fd, text.substr(start)))
            action.reset(); // an action that cannot be removed would repeat for ever
    }
    ::flock(fd, LOCK_UN);
    ::close(fd);
    return action;
}

std::optional<InputEvent> ActionScript::takeNextInput()
{
    while (std::optional<std::string> action = takeNext()) {
        if (std::optional<InputEvent> input = parse(*action))
            return input;
        std::fprintf(stderr, "Action script: not an action: %s\n", action->c_str());
    }
    return std::nullopt;
}

std::optional<InputEvent> ActionScript::parse(const std::string& action)
{
    static const std::map<std::string, UInt8> keys = {{"return", 13}, {"enter", 3}, {"tab", 9}, {"escape", 27}};
    std::istringstream words(action);
    std::string verb, argument, extra;
    words >> verb >> argument >> extra;
    if (!extra.empty())
        return std::nullopt;
    if (verb == "quit" && argument.empty())
        return InputEvent::menuCommand(cmd_Quit);
    if (verb == "key" && keys.count(argument))
        return InputEvent::key(keys.at(argument));
    std::optional<SInt32> value = number(argument);
    if (verb == "click" && value)
        return InputEvent::click(*value);
    if (verb == "command" && value)
        return InputEvent::menuCommand(*value);
    return std::nullopt;
}
