#include "text/IniFile.h"

#include <cstring>
#include <memory>
#include <string>

#include "text/TextPieces.h"

CIniFile::CIniFile() : loaded(false), fileSpec{}, modified(false), unterminatedLine(lines.end()) {}

CIniFile::~CIniFile()
{
    if (loaded)
        unload();
}

bool CIniFile::load(short vRefNum, long dirID, const char* name)
{
    if (loaded)
        return true;
    String path(name);
    FSSpec spec{};
    if (FSMakeFSSpec(vRefNum, dirID, path.getPascalStr(), &spec) != noErr)
        return true;
    SInt16 refNum = 0;
    if (FSpOpenDF(&spec, fsCurPerm, &refNum) != noErr)
        return true;

    long size = 0;
    OSErr result = GetEOF(refNum, &size);
    std::unique_ptr<char[]> data(new char[size > 0 ? size : 1]);
    long count = size;
    if (result == noErr && size > 0)
        result = FSRead(refNum, &count, data.get());
    FSClose(refNum);
    if (result != noErr || count != size)
        return true;

    int length = int(size);
    int position = 0;
    String line;
    while (!readLineFromBuf(&line, data.get(), length, &position))
        lines.push_back(line);
    if (position < length) {
        line.assign(std::string(data.get() + position, length - position).c_str());
        line.trim();
        if (!line.isEmpty())
            unterminatedLine = lines.insert(lines.end(), line);
    }

    fileSpec = spec;
    loaded = true;
    modified = false;
    return false;
}

bool CIniFile::unload()
{
    if (!loaded)
        return false;
    bool failed = modified ? writeFile() : false;
    lines.clear();
    unterminatedLine = lines.end();
    loaded = false;
    modified = false;
    return failed;
}

bool CIniFile::writeFile()
{
    SInt16 refNum = 0;
    if (FSpOpenDF(&fileSpec, fsCurPerm, &refNum) != noErr)
        return true;
    String text;
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        text += *it;
        bool keptAsItWas = it == unterminatedLine && std::next(it) == lines.end();
        if (!keptAsItWas)
            text += "\n";
    }
    long count = text.getLength();
    OSErr result = SetFPos(refNum, fsFromStart, 0);
    if (result == noErr)
        result = FSWrite(refNum, &count, static_cast<const char*>(text));
    if (result == noErr)
        result = SetEOF(refNum, count);
    FSClose(refNum);
    return result != noErr;
}

String CIniFile::getIniString(const char* key, const char* section, const char* defaultValue)
{
    std::list<String>::iterator it;
    if (!loaded || findKey(it, key, section))
        return String(defaultValue);
    return parseValue(*it);
}

bool CIniFile::writeIniString(const char* key, const char* section, const char* value)
{
    if (!loaded)
        return true;
    String line = String(key) + " = " + value;
    std::list<String>::iterator it;
    if (!findKey(it, key, section)) {
        *it = line;
    } else if (!findSection(it, section)) {
        lines.insert(it, line);
    } else {
        lines.push_back(String());
        lines.push_back(String("[") + section + "]");
        lines.push_back(line);
    }
    modified = true;
    return false;
}

bool CIniFile::writeIniInt(const char* key, const char* section, int value)
{
    String text;
    text.format("%d", value);
    return writeIniString(key, section, text);
}

bool CIniFile::isLookedUp(std::list<String>::iterator it) const
{
    return it != unterminatedLine;
}

bool CIniFile::findSection(std::list<String>::iterator& it, const char* section)
{
    String header = String("[") + section + "]";
    for (it = lines.begin(); it != lines.end(); ++it) {
        if (isLookedUp(it) && sameName(*it, header)) {
            ++it;
            return false;
        }
    }
    return true;
}

bool CIniFile::findKey(std::list<String>::iterator& it, const char* key, const char* section)
{
    if (findSection(it, section))
        return true;
    for (; it != lines.end() && isLookedUp(it); ++it) {
        const String& line = *it;
        if (line.isEmpty() || line[0] == ';')
            continue;
        if (line[0] == '[')
            return true;
        if (sameName(parseKey(line), key))
            return false;
    }
    return true;
}

// The whole line is parsed, however long: a line is never cut short.
String CIniFile::parseKey(const char* line)
{
    std::vector<std::string> pieces = splitAtRuns(line, '=');
    String key(pieces.empty() ? "" : pieces[0].c_str());
    key.trim();
    return key;
}

String CIniFile::parseValue(const char* line)
{
    std::vector<std::string> pieces = splitAtRuns(line, '=');
    String value(pieces.size() < 2 ? "" : pieces[1].c_str());
    value.trim();
    return value;
}

bool CIniFile::sameName(const char* left, const char* right)
{
    String leftLower(left);
    String rightLower(right);
    leftLower.makeLower();
    rightLower.makeLower();
    return leftLower == rightLower;
}
