#include "text/String.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "log/XPel.h"
#include "text/TextUtils.h"
#include "text/TextPieces.h"

namespace {

constexpr int kBlock = 256;
constexpr int kFormatArea = 1024;
constexpr int kMaxPrefixedLength = 255;

// The platform's case mapping takes a 16-bit count: long texts go in pieces.
template <typename Mapping>
void mapInPieces(char* text, int length, Mapping mapping)
{
    constexpr int kPiece = 0x7FFF;
    for (int done = 0; done < length; done += kPiece) {
        int piece = length - done < kPiece ? length - done : kPiece;
        mapping(text + done, SInt16(piece), SInt16(-1));
    }
}

} // namespace

int String::grownCapacity(int needed)
{
    return (needed / kBlock + 1) * kBlock;
}

void String::init()
{
    prefixedBuffer = nullptr;
    buffer = new char[kBlock];
    buffer[0] = '\0';
    capacity = kBlock;
}

String::String()
{
    init();
}

String::String(const char* text)
{
    init();
    assign(text);
}

String::String(const unsigned char (&text)[256])
{
    init();
    assignPrefixed(text);
}

String::String(const unsigned char* text)
{
    init();
    if (text)
        assignPrefixed(text);
}

String::String(const String& other)
{
    init();
    assign(other.buffer);
}

String::~String()
{
    delete[] buffer;
    delete[] prefixedBuffer;
}

void String::assignPrefixed(const unsigned char* text)
{
    char workArea[256];
    std::memcpy(workArea, text + 1, text[0]);
    workArea[text[0]] = '\0';
    assign(workArea);
}

void String::assign(const char* text)
{
    if (!text) {
        buffer[0] = '\0';
        return;
    }
    int needed = int(std::strlen(text)) + 1;
    if (needed > capacity) {
        // The text may lie inside the old buffer: copy before releasing it.
        char* grown = new char[grownCapacity(needed)];
        std::memcpy(grown, text, needed);
        delete[] buffer;
        buffer = grown;
        capacity = grownCapacity(needed);
        return;
    }
    std::memmove(buffer, text, needed);
}

String& String::operator=(const char* text)
{
    assign(text);
    return *this;
}

String& String::operator=(const String& other)
{
    assign(other.buffer);
    return *this;
}

String& String::operator+=(const char* text)
{
    if (!text)
        return *this;
    int length = getLength();
    int added = int(std::strlen(text));
    int needed = length + added + 1;
    if (needed > capacity) {
        char* grown = new char[grownCapacity(needed)];
        std::memcpy(grown, buffer, length);
        std::memcpy(grown + length, text, added + 1);
        delete[] buffer;
        buffer = grown;
        capacity = grownCapacity(needed);
        return *this;
    }
    std::memmove(buffer + length, text, added + 1);
    return *this;
}

String String::operator+(const char* text) const
{
    String result(*this);
    result += text;
    return result;
}

void String::format(const char* fmt, ...)
{
    char workArea[kFormatArea];
    va_list arguments;
    va_start(arguments, fmt);
    std::vsnprintf(workArea, sizeof workArea, fmt ? fmt : "", arguments);
    va_end(arguments);
    assign(workArea);
}

void String::makeUpper()
{
    mapInPieces(buffer, getLength(), UppercaseText);
}

void String::makeLower()
{
    mapInPieces(buffer, getLength(), LowercaseText);
}

void String::trim()
{
    int leading = 0;
    while (isWhiteSpace(buffer[leading]))
        ++leading;
    std::memmove(buffer, buffer + leading, std::strlen(buffer + leading) + 1);
    for (int last = getLength() - 1; last >= 0 && isWhiteSpace(buffer[last]); --last)
        buffer[last] = '\0';
}

int String::getLength() const
{
    return int(std::strlen(buffer));
}

char String::operator[](int index) const
{
    if (index < 0 || index >= getLength())
        throw XPel("Invalid string index");
    return buffer[index];
}

bool String::operator==(const char* text) const
{
    return std::strcmp(buffer, text ? text : "") == 0;
}

unsigned char* String::getPascalStr()
{
    if (!prefixedBuffer)
        prefixedBuffer = new unsigned char[256];
    int length = getLength();
    if (length > kMaxPrefixedLength)
        length = kMaxPrefixedLength;
    prefixedBuffer[0] = static_cast<unsigned char>(length);
    std::memcpy(prefixedBuffer + 1, buffer, length);
    // The zero byte after the characters fits while the text is shorter than 255.
    if (length < kMaxPrefixedLength)
        prefixedBuffer[length + 1] = '\0';
    return prefixedBuffer;
}

bool String::isWhiteSpace(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

void getStrTokens(std::vector<String>& tokens, const char* text)
{
    for (const std::string& piece : splitAtRuns(text, ','))
        tokens.emplace_back(piece.c_str());
}

bool readLineFromBuf(String* line, const char* data, int length, int* position)
{
    int start = *position;
    if (start >= length)
        return true;
    int end = start;
    while (end < length && data[end] != '\n' && data[end] != '\r')
        ++end;
    if (end >= length)
        return true;

    int last = end;
    if (last < length - 1 && data[last] == '\n' && data[last + 1] == '\r')
        ++last;
    if (last < length - 1 && data[last] == '\r' && data[last + 1] == '\n')
        ++last;

    String text;
    text.assign(std::string(data + start, end - start).c_str());
    text.trim();
    *line = text;
    *position = last + 1;
    return false;
}
