// Build tool: gives a file a resource fork holding the bytes of a resource
// file, stored as the emulated Mac keeps forks on a host file system. The
// example bundle's Mac OS 9 program keeps its layouts there.

#include <sys/xattr.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RESOURCE-FILE TARGET\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (!in.good() && !in.eof()) {
        std::perror(argv[1]);
        return 1;
    }
    if (::setxattr(argv[2], "user.com.apple.ResourceFork", bytes.data(), bytes.size(), 0) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
