// Operating-system services on Linux and other POSIX systems.
#include <unistd.h>

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

bool AskYesNoCancel(const std::string&, const std::string&, bool, int32_t*) { return false; }

}  // namespace media::os
