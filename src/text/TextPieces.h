#pragma once
// Cutting a text at runs of one separator character, as strtok does it, but
// without strtok's shared position: empty pieces never appear.

#include <string>
#include <vector>

std::vector<std::string> splitAtRuns(const char* text, char separator);

// Reads a decimal integer as "%d" and atoi read it: leading white space, an
// optional sign, the digits up to the first other character. False when there
// are no digits. Values beyond int saturate at its limits.
bool readLeadingInt(const char* text, int* value);
