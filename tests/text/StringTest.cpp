#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/MacTypes.h"
#include "log/XPel.h"
#include "text/String.h"

namespace {

// The buffer's capacity is private; it shows as the distance the buffer may
// grow in place. What the tests observe instead is whether the characters'
// address moved: a buffer that did not need to grow stays where it was.
bool stayedInPlace(String& text, const char* assigned)
{
    const char* before = text;
    text = assigned;
    return static_cast<const char*>(text) == before;
}

} // namespace

TEST(String, GrowsInStepsOf256AndNeverShrinks)
{
    String text;
    EXPECT_TRUE(stayedInPlace(text, std::string(255, 'a').c_str())) << "255 characters fit the first 256 bytes";
    const char* initial = text;
    text += "b";
    EXPECT_NE(static_cast<const char*>(text), initial) << "the 256th character grows the buffer";
    EXPECT_EQ(text.getLength(), 256);
    EXPECT_TRUE(stayedInPlace(text, std::string(511, 'c').c_str())) << "257 needed bytes grew it to 512";
    EXPECT_FALSE(stayedInPlace(text, std::string(512, 'd').c_str()));

    String fresh;
    EXPECT_FALSE(stayedInPlace(fresh, std::string(511, 'e').c_str()));
    EXPECT_TRUE(stayedInPlace(fresh, "short")) << "the buffer never shrinks";
    EXPECT_TRUE(stayedInPlace(fresh, std::string(767, 'f').c_str())) << "512 needed bytes grew it to 768";
    EXPECT_FALSE(stayedInPlace(fresh, std::string(768, 'g').c_str()));
    EXPECT_EQ(fresh.getLength(), 768);
}

TEST(String, ConstructsFromNullAndLengthPrefixedTexts)
{
    EXPECT_TRUE(String(static_cast<const char*>(nullptr)).isEmpty());
    EXPECT_TRUE(String(static_cast<const unsigned char*>(nullptr)).isEmpty());

    Str255 empty = {0};
    EXPECT_TRUE(String(empty).isEmpty());
    Str255 abc = {3, 'a', 'b', 'c', 'z', 'z'};
    EXPECT_EQ(String(abc), "abc");
    const unsigned char* pointer = abc;
    EXPECT_EQ(String(pointer), "abc");

    String text("keep");
    text.assign(nullptr);
    EXPECT_TRUE(text.isEmpty());
}

TEST(String, CopiesAreDeep)
{
    String original("one");
    String copy(original);
    copy += " two";
    String assigned;
    assigned = original;
    original = "changed";
    EXPECT_EQ(copy, "one two");
    EXPECT_EQ(assigned, "one");
    String joined = assigned + "+x";
    EXPECT_EQ(joined, "one+x");
    EXPECT_EQ(assigned, "one");
}

TEST(String, AssignsAndAppendsItsOwnCharacters)
{
    String text(std::string(300, 'x').c_str());
    text += static_cast<const char*>(text);
    EXPECT_EQ(text.getLength(), 600);
    text = static_cast<const char*>(text) + 590;
    EXPECT_EQ(text, "xxxxxxxxxx");
}

TEST(String, ComparesByteWise)
{
    String abc("abc");
    EXPECT_FALSE(abc == "ABC");
    EXPECT_TRUE(abc != "ABC");
    EXPECT_TRUE(abc == "abc");
    EXPECT_FALSE(abc == "abc ");
    EXPECT_TRUE(String("abc") == String("abc"));
}

TEST(String, IndexesOrThrows)
{
    String x("x");
    EXPECT_EQ(x[0], 'x');
    for (int index : {1, 2, -1}) {
        try {
            (void)x[index];
            ADD_FAILURE() << "index " << index << " did not throw";
        } catch (const XPel& error) {
            EXPECT_STREQ(error.getMessage(), "Invalid string index");
        }
    }
    EXPECT_THROW((void)String()[0], XPel);
}

TEST(String, LengthPrefixedFormStaysAtOneAddress)
{
    String text("abc");
    unsigned char* first = text.getPascalStr();
    EXPECT_EQ(std::memcmp(first, "\x03" "abc", 4), 0);
    text += "d";
    unsigned char* second = text.getPascalStr();
    EXPECT_EQ(second, first);
    EXPECT_EQ(std::memcmp(second, "\x04" "abcd", 5), 0);
}

TEST(String, LengthPrefixedFormKeepsTheFirst255Characters)
{
    std::string longText(254, 'a');
    longText += "bcdef";
    String text(longText.c_str());
    unsigned char* prefixed = text.getPascalStr();
    EXPECT_EQ(prefixed[0], 255);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(prefixed + 1), 255), longText.substr(0, 255));
    EXPECT_EQ(String(prefixed), longText.substr(0, 255).c_str());
}

TEST(String, FormatsIntoABoundedWorkArea)
{
    String text;
    text.format("%d", -5);
    EXPECT_EQ(text, "-5");
    text.format("%s-%s", "a", "b");
    EXPECT_EQ(text, "a-b");
    std::string huge(5000, 'h');
    text.format("<%s>", huge.c_str());
    EXPECT_EQ(text.getLength(), 1023);
    EXPECT_EQ(text[0], '<');
}

TEST(String, MapsCase)
{
    String text("Mixed Case 42");
    text.makeUpper();
    EXPECT_EQ(text, "MIXED CASE 42");
    text.makeLower();
    EXPECT_EQ(text, "mixed case 42");
}

TEST(String, TrimsOnlyTheFourWhiteSpaceCharacters)
{
    struct Case {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {" \t a b \r\n", "a b"}, {"\v a", "\v a"}, {"a\f", "a\f"}, {" \t\r\n ", ""}, {"", ""}, {"x", "x"},
    };
    for (const Case& c : cases) {
        String text(c.text);
        text.trim();
        EXPECT_EQ(text, c.trimmed) << '"' << c.text << '"';
    }
    EXPECT_FALSE(String::isWhiteSpace('\0'));
}

TEST(StrTokens, SplitAtRunsOfCommas)
{
    struct Case {
        const char* text;
        std::vector<std::string> pieces;
    } cases[] = {
        {",Foo.kext,,Bar.kext,", {"Foo.kext", "Bar.kext"}},
        {"a, b", {"a", " b"}},
        {"a,,b,", {"a", "b"}},
        {"", {}},
        {",,,", {}},
        {"single", {"single"}},
    };
    for (const Case& c : cases) {
        std::vector<String> tokens{String("earlier")};
        getStrTokens(tokens, c.text);
        ASSERT_EQ(tokens.size(), c.pieces.size() + 1) << c.text;
        EXPECT_EQ(tokens[0], "earlier");
        for (size_t i = 0; i < c.pieces.size(); ++i)
            EXPECT_EQ(tokens[i + 1], c.pieces[i].c_str()) << c.text;
    }
}

TEST(ReadLineFromBuf, CutsLinesAtEveryLineEndForm)
{
    struct Case {
        std::string data;
        std::vector<std::pair<std::string, int>> lines; // each line and the position after it
    } cases[] = {
        {"x = 1\r\ny\n", {{"x = 1", 7}, {"y", 9}}},
        {"a\n\r\nb\n", {{"a", 4}, {"b", 6}}},
        {"a\r\n\r\nb\n", {{"a", 3}, {"", 5}, {"b", 7}}},
        {"a\n\rb\rc\n", {{"a", 3}, {"b", 5}, {"c", 7}}},
        {"  key  \n", {{"key", 8}}},
        {"last", {}},
        {"one\ntail", {{"one", 4}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        int position = 0;
        String line;
        for (const auto& [text, after] : c.lines) {
            ASSERT_FALSE(readLineFromBuf(&line, c.data.data(), int(c.data.size()), &position)) << c.data;
            EXPECT_EQ(line, text.c_str());
            EXPECT_EQ(position, after);
        }
        line = "unchanged";
        int end = position;
        EXPECT_TRUE(readLineFromBuf(&line, c.data.data(), int(c.data.size()), &position)) << c.data;
        EXPECT_EQ(position, end);
        EXPECT_EQ(line, "unchanged");
    }
}
