#pragma once
// The program's one exception type: a printf-formatted message of at most
// 511 characters. Thrown by value, caught by reference.

class XPel {
public:
    explicit XPel(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    const char* getMessage() const { return message; }

private:
    char message[512];
};
