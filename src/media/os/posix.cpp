// Operating-system services on Linux and other POSIX systems.
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform.h"

namespace media::os {

bool EnterProgramFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !self.has_parent_path()) return false;
    std::filesystem::current_path(self.parent_path(), ec);
    return !ec;
}

bool CommitToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool MoveOver(const std::string& from, const std::string& to) {
    // rename(2) replaces an existing target atomically.
    return std::rename(from.c_str(), to.c_str()) == 0;
}

Asked AskYesNoCancel(const std::string&, const std::string&, bool, int32_t*, std::string*) {
    return Asked::NoSystemBox;
}

bool ShowFailure(const std::string&, const std::string&) { return false; }

void ReturnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // Pictures, decoded files and the graphics driver's working memory come
    // in large blocks that live a short while: blocks that large get pages of
    // their own, which go back to the system once freed instead of leaving
    // holes in the heap that the process keeps. Smaller blocks freed at the
    // heap's top stay with it for a while, as every frame takes them anew.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
#endif
}

}  // namespace media::os
