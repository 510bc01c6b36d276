#include "text/TextPieces.h"

#include <limits>

std::vector<std::string> splitAtRuns(const char* text, char separator)
{
    std::vector<std::string> pieces;
    if (!text)
        return pieces;
    const char* cursor = text;
    while (*cursor) {
        while (*cursor == separator)
            ++cursor;
        const char* start = cursor;
        while (*cursor && *cursor != separator)
            ++cursor;
        if (cursor != start)
            pieces.emplace_back(start, cursor);
    }
    return pieces;
}

bool readLeadingInt(const char* text, int* value)
{
    if (!text)
        return false;
    const char* cursor = text;
    while (*cursor == ' ' || (*cursor >= '\t' && *cursor <= '\r'))
        ++cursor;
    bool negative = *cursor == '-';
    if (*cursor == '-' || *cursor == '+')
        ++cursor;
    if (*cursor < '0' || *cursor > '9')
        return false;
    constexpr long long kLimit = 1LL << 31;
    long long magnitude = 0;
    for (; *cursor >= '0' && *cursor <= '9'; ++cursor) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (*cursor - '0');
    }
    if (negative)
        *value = magnitude >= kLimit ? std::numeric_limits<int>::min() : int(-magnitude);
    else
        *value = magnitude >= kLimit ? std::numeric_limits<int>::max() : int(magnitude);
    return true;
}
