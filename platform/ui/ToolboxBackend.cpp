#include "ui/ToolboxBackend.h"

#include <cstdio>
#include <map>

#include "core/Environment.h"
#include "ui/HeadlessBackend.h"

namespace {

std::unique_ptr<ToolboxBackend>& installed()
{
    static std::unique_ptr<ToolboxBackend> backend;
    return backend;
}

std::map<std::string, ToolboxBackend::Factory>& factories()
{
    static std::map<std::string, ToolboxBackend::Factory> known;
    return known;
}

} // namespace

ToolboxBackend& ToolboxBackend::Current()
{
    std::unique_ptr<ToolboxBackend>& backend = installed();
    if (!backend) {
        std::string name = platform::Environment::ui();
        auto factory = factories().find(name);
        if (factory != factories().end()) {
            backend = factory->second();
        } else {
            if (name != "headless")
                std::fprintf(stderr, "No %s user interface in this program; running headless\n", name.c_str());
            backend = std::make_unique<HeadlessBackend>();
        }
    }
    return *backend;
}

void ToolboxBackend::Install(std::unique_ptr<ToolboxBackend> backend)
{
    installed() = std::move(backend);
}

void ToolboxBackend::RegisterFactory(const std::string& name, Factory factory)
{
    factories()[name] = std::move(factory);
}
