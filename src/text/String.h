#pragma once
// The program's text: an owned, growable, zero-terminated byte string with a
// cached length-prefixed form for the File Manager. The buffer grows in steps
// of 256 bytes and never shrinks.

#include <vector>

class String {
public:
    String();
    String(const char* text);
    String(const unsigned char (&text)[256]);
    String(const unsigned char* text);
    String(const String& other);
    ~String();

    void assign(const char* text);
    String& operator=(const char* text);
    String& operator=(const String& other);
    String& operator+=(const char* text);
    String operator+(const char* text) const;

    // printf-style into a 1024-byte work area: at most 1023 characters are kept.
    void format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    void makeUpper();
    void makeLower();
    void trim();

    int getLength() const;
    bool isEmpty() const { return buffer[0] == '\0'; }
    operator const char*() const { return buffer; }
    char operator[](int index) const;
    bool operator==(const char* text) const;
    bool operator!=(const char* text) const { return !(*this == text); }

    // The length-prefixed form. The pointer stays the same for the life of the
    // string; its bytes are refreshed by each call. A string longer than 255
    // characters is represented by its first 255.
    unsigned char* getPascalStr();

    static bool isWhiteSpace(char c);

private:
    void init();
    void assignPrefixed(const unsigned char* text);
    static int grownCapacity(int needed);

    char* buffer;
    int capacity;
    unsigned char* prefixedBuffer;
};

// Appends the pieces of text between commas; runs of commas separate like one,
// pieces are not trimmed.
void getStrTokens(std::vector<String>& tokens, const char* text);

// Reads the line starting at *position of the length bytes at data, trimmed,
// and moves *position past its line end (LF, CR, CR LF, LF CR or LF CR LF).
// Returns true, changing nothing, when no complete line is left.
bool readLineFromBuf(String* line, const char* data, int length, int* position);
