#pragma once
// Rewrites one entry of a property list file in place.

// Finds the first line that is exactly "<key>" key "</key>" (spaces, tabs and
// line ends around it do not count) and replaces the line after it with
// "\t<string>" value "</string>\n", the value's "&", "<" and ">" escaped.
// Everything else stays byte for byte. True on failure (file not opened or
// read, key not found, a write failed).
bool replaceXmlValue(short vRefNum, long dirID, const char* fileName, const char* key, const char* value);
