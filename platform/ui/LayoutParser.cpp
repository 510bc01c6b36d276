// The resource file is text, one statement a line; "#" starts a comment line.
//
//   window 128 'Cpel' {          a resource: kind, ID, class ID, then a block
//       frame 40 40 480 330      an attribute: name and values to the line's end
//       text "DSL Installer"     texts in double quotes, C escapes (\" \\ \n \r \t \xHH)
//       pane 1001 'mpvw' {       a pane inside: pane ID and registered class ID
//           page 1 {             a page of a multi-page view, numbered from 1
//               pane 1011 'capt' {
//                   frame 20 10 440 60
//               }
//           }
//       }
//   }
//   alert 130 'dlog' { ... }     the note alert; its caption shows "^0"
//
// Attributes the framework reads: frame (left top width height), text, value,
// message, group (radio buttons of one group turn each other off), default
// (the default button), disabled, closebox, font (a caption's size in points,
// then "bold" if it is). Class IDs are four characters in single quotes. A
// block ends with "}" on a line of its own.

#include "ui/LayoutParser.h"

#include <cctype>
#include <cstdlib>

namespace {

struct Line {
    int number;
    std::vector<std::string> tokens; // quoted texts are kept with their leading '"'
};

[[noreturn]] void fail(int line, const std::string& what)
{
    throw LayoutError("layout line " + std::to_string(line) + ": " + what);
}

std::string readQuoted(const std::string& text, std::size_t& at, int line)
{
    std::string value = "\"";
    for (++at; at < text.size(); ++at) {
        char c = text[at];
        if (c == '"') {
            ++at;
            return value;
        }
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++at >= text.size())
            break;
        switch (text[at]) {
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        case 'x': {
            std::string hex = text.substr(at + 1, 2);
            if (hex.size() != 2 || !std::isxdigit(UInt8(hex[0])) || !std::isxdigit(UInt8(hex[1])))
                fail(line, "bad \\x escape");
            value += char(std::strtol(hex.c_str(), nullptr, 16));
            at += 2;
            break;
        }
        default: value += text[at];
        }
    }
    fail(line, "text without closing quote");
}

Line tokenize(const std::string& text, int number)
{
    Line line{number, {}};
    std::size_t at = 0;
    while (at < text.size()) {
        char c = text[at];
        if (std::isspace(UInt8(c))) {
            ++at;
        } else if (c == '"') {
            line.tokens.push_back(readQuoted(text, at, number));
        } else if (c == '\'') {
            std::size_t end = text.find('\'', at + 1);
            if (end == std::string::npos)
                fail(number, "class ID without closing quote");
            line.tokens.push_back(text.substr(at, end - at + 1));
            at = end + 1;
        } else {
            std::size_t end = at;
            while (end < text.size() && !std::isspace(UInt8(text[end])) && text[end] != '"')
                ++end;
            line.tokens.push_back(text.substr(at, end - at));
            at = end;
        }
    }
    return line;
}

SInt32 parseNumber(const std::string& token, int line)
{
    char* end = nullptr;
    long value = std::strtol(token.c_str(), &end, 10);
    if (token.empty() || *end != '\0')
        fail(line, "expected a number, found \"" + token + "\"");
    return SInt32(value);
}

bool opensBlock(const Line& line)
{
    const std::string& kind = line.tokens.front();
    return (kind == "window" || kind == "alert" || kind == "pane" || kind == "page") && line.tokens.back() == "{";
}

LayoutNode openNode(const Line& line)
{
    LayoutNode node;
    node.kind = line.tokens[0];
    node.line = line.number;
    bool isPage = node.kind == "page";
    std::size_t expected = isPage ? 3 : 4;
    if (line.tokens.size() != expected)
        fail(line.number, isPage ? "expected: page <n> {" : "expected: " + node.kind + " <id> '<class>' {");
    node.id = parseNumber(line.tokens[1], line.number);
    if (!isPage) {
        node.classID = LayoutParser::classIDFromText(line.tokens[2]);
        if (!node.classID)
            fail(line.number, "bad class ID " + line.tokens[2]);
    }
    return node;
}

} // namespace

OSType LayoutParser::classIDFromText(const std::string& text)
{
    if (text.size() != 6 || text.front() != '\'' || text.back() != '\'')
        return 0;
    return FOUR_CHAR(text[1], text[2], text[3], text[4]);
}

std::vector<LayoutNode> LayoutParser::parse(const std::string& text)
{
    std::vector<LayoutNode> resources;
    std::vector<LayoutNode> open;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        Line line = tokenize(text.substr(start, end - start), ++number);
        start = end + 1;
        if (line.tokens.empty() || line.tokens.front().front() == '#')
            continue;
        if (line.tokens.size() == 1 && line.tokens.front() == "}") {
            if (open.empty())
                fail(number, "\"}\" without an open block");
            LayoutNode done = std::move(open.back());
            open.pop_back();
            (open.empty() ? resources : open.back().children).push_back(std::move(done));
            continue;
        }
        if (opensBlock(line)) {
            LayoutNode node = openNode(line);
            bool topLevel = node.kind == "window" || node.kind == "alert";
            if (topLevel != open.empty())
                fail(number, topLevel ? node.kind + " inside a block" : node.kind + " outside a window");
            open.push_back(std::move(node));
            continue;
        }
        if (open.empty())
            fail(number, "attribute outside a block");
        std::vector<std::string> values(line.tokens.begin() + 1, line.tokens.end());
        open.back().attributes[line.tokens.front()] = std::move(values);
    }
    if (!open.empty())
        fail(open.back().line, open.back().kind + " block not closed");
    return resources;
}
