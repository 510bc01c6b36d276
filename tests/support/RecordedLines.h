#pragma once
// What a test run left behind: the lines of the installer's log under an
// emulated startup volume, and the events of a transcript without their
// process ids.

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline std::vector<std::string> logLines(const std::string& volumeRoot)
{
    return readLines(volumeRoot + "/DSL Installer Log File");
}

inline std::vector<std::string> transcriptEvents(const std::string& transcriptPath)
{
    std::vector<std::string> events;
    for (const std::string& line : readLines(transcriptPath))
        events.push_back(line.substr(line.find(' ') + 1));
    return events;
}
