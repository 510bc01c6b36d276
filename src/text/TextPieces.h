#pragma once
// Cutting a text at runs of one separator character, as strtok does it, but
// without strtok's shared position: empty pieces never appear.

#include <string>
#include <vector>

std::vector<std::string> splitAtRuns(const char* text, char separator);
