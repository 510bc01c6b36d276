#include "text/TextPieces.h"

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
