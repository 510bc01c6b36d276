// FileCopy of one large file: time and peak memory.
//   files_bench <source folder> <destination folder> [megabytes]
// Writes a file of the given size (default 1024 MiB) into the source folder,
// copies it into the destination folder with FileCopy and prints the time
// taken and the process's peak resident memory; both files are removed.

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "files/MoreFiles.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <source folder> <destination folder> [megabytes]\n", argv[0]);
        return 2;
    }
    std::string sourceFolder = argv[1];
    std::string destinationFolder = argv[2];
    long megabytes = argc > 3 ? std::atol(argv[3]) : 1024;
    std::string source = sourceFolder + "/bench-source";

    int out = open(source.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> block(1 << 20, 'x');
    for (long i = 0; i < megabytes && out >= 0; ++i) {
        if (write(out, block.data(), block.size()) != ssize_t(block.size()))
            return 1;
    }
    close(out);

    SInt16 srcVRefNum = 0, dstVRefNum = 0;
    long srcDirID = 0, dstDirID = 0;
    if (platform::locateFolder(sourceFolder, &srcVRefNum, &srcDirID) ||
        platform::locateFolder(destinationFolder, &dstVRefNum, &dstDirID))
        return 1;
    unsigned char name[] = "\x0c" "bench-source";
    unsigned char copyName[] = "\x0a" "bench-copy";
    auto start = std::chrono::steady_clock::now();
    OSErr err = FileCopy(srcVRefNum, srcDirID, name, dstVRefNum, dstDirID, nullptr, copyName, nullptr, 0, true);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("FileCopy of %ld MiB: result %d, %.3f s, %.0f MiB/s, peak resident memory %ld KiB\n", megabytes, err,
                seconds, double(megabytes) / seconds, usage.ru_maxrss);
    unlink(source.c_str());
    unlink((destinationFolder + "/bench-copy").c_str());
    return err == noErr ? 0 : 1;
}
