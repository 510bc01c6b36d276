#include "install/ReplaceXmlValue.h"

#include <cstring>
#include <string>
#include <vector>

#include "files/Files.h"
#include "text/String.h"

namespace {

constexpr size_t kMaxNameLength = 255;

// The value as element text: a bare "&", "<" or ">" would break the list.
std::string escaped(const char* value)
{
    std::string text;
    for (const char* c = value; *c; ++c) {
        switch (*c) {
        case '&': text += "&amp;"; break;
        case '<': text += "&lt;"; break;
        case '>': text += "&gt;"; break;
        default: text += *c; break;
        }
    }
    return text;
}

// The offset just past the line that follows the line "<key>key</key>", and
// that line's start, or false when no such key line exists.
bool findValueLine(const std::vector<char>& data, const char* key, int* valueStart, int* valueEnd)
{
    std::string keyLine = std::string("<key>") + key + "</key>";
    int length = int(data.size());
    int position = 0;
    String line;
    while (!readLineFromBuf(&line, data.data(), length, &position)) {
        if (keyLine != static_cast<const char*>(line))
            continue;
        *valueStart = position;
        if (readLineFromBuf(&line, data.data(), length, &position))
            position = *valueStart;
        *valueEnd = position;
        return true;
    }
    return false;
}

bool writeAll(SInt16 refNum, const char* bytes, long count)
{
    long written = count;
    return count == 0 || (FSWrite(refNum, &written, bytes) == noErr && written == count);
}

// Reads the whole data fork; false when it cannot be read completely.
bool readWhole(SInt16 refNum, std::vector<char>& data)
{
    long length = 0;
    if (GetEOF(refNum, &length) != noErr || length < 0)
        return false;
    data.resize(size_t(length));
    long count = length;
    return length == 0 || (FSRead(refNum, &count, data.data()) == noErr && count == length);
}

bool rewrite(SInt16 refNum, const std::vector<char>& data, const char* key, const char* value)
{
    int valueStart = 0;
    int valueEnd = 0;
    if (!findValueLine(data, key, &valueStart, &valueEnd))
        return true;
    std::string valueLine = "\t<string>" + escaped(value) + "</string>\n";
    long tailLength = long(data.size()) - valueEnd;
    if (SetFPos(refNum, fsFromStart, 0) != noErr)
        return true;
    if (!writeAll(refNum, data.data(), valueStart) ||
        !writeAll(refNum, valueLine.data(), long(valueLine.size())) ||
        !writeAll(refNum, data.data() + valueEnd, tailLength))
        return true;
    return SetEOF(refNum, valueStart + long(valueLine.size()) + tailLength) != noErr;
}

} // namespace

bool replaceXmlValue(short vRefNum, long dirID, const char* fileName, const char* key, const char* value)
{
    if (!fileName || std::strlen(fileName) > kMaxNameLength)
        return true;
    String name(fileName);
    FSSpec spec;
    SInt16 refNum = 0;
    if (FSMakeFSSpec(vRefNum, dirID, name.getPascalStr(), &spec) != noErr || FSpOpenDF(&spec, fsCurPerm, &refNum) != noErr)
        return true;

    // Nothing is written unless the whole file was read: a short read would
    // cut the file.
    std::vector<char> data;
    bool failed = !readWhole(refNum, data) || rewrite(refNum, data, key, value);
    FSClose(refNum);
    return failed;
}
