#pragma once
// An INI file held in memory as its list of trimmed lines: looked up, changed
// in place and written back to the same file.
//
// Format: "[name]" starts a section (names compared case-insensitively); the
// section runs to the next line starting with "["; empty lines and lines
// starting with ";" are comments; any other line is "key = value", cut at runs
// of "=" (a value cannot hold "="). The first matching section and key win.
//
// A final line without a line end is kept and written back as it was, but
// lookups do not see it, as they never have: only complete lines count.

#include <list>

#include "files/Files.h"
#include "text/String.h"

class CIniFile {
public:
    CIniFile();
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Results are true on failure or "not found".
    bool load(short vRefNum, long dirID, const char* name);
    bool unload();
    bool writeFile();

    String getIniString(const char* key, const char* section, const char* defaultValue);
    bool writeIniString(const char* key, const char* section, const char* value);
    bool writeIniInt(const char* key, const char* section, int value);

    bool findSection(std::list<String>::iterator& it, const char* section);
    bool findKey(std::list<String>::iterator& it, const char* key, const char* section);

    static String parseKey(const char* line);
    static String parseValue(const char* line);

private:
    static bool sameName(const char* left, const char* right);
    bool isLookedUp(std::list<String>::iterator it) const;

    bool loaded;
    FSSpec fileSpec;
    std::list<String> lines;
    bool modified;
    // The final line that had no line end, or lines.end().
    std::list<String>::iterator unterminatedLine;
};
