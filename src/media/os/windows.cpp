// Operating-system services on Windows, through the wide-character API so
// that paths and texts outside ASCII come through whole.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform.h"

namespace media::os {
namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// A message box wants its lines ended by CR LF.
std::wstring BoxText(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    return Wide(lines);
}

}  // namespace

bool EnterProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return false;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // cut short: try a bigger buffer
    }
    std::wstring folder(path.begin(), path.end());
    const size_t slash = folder.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return false;
    folder.resize(slash + 1);
    return SetCurrentDirectoryW(folder.c_str()) != 0;
}

bool CommitToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

bool MoveOver(const std::string& from, const std::string& to) {
    // A plain rename fails on Windows when the target exists; this replaces
    // it, and returns only once the move is on the disk.
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

Asked AskYesNoCancel(const std::string& title, const std::string& text, bool serious, int32_t* answer,
                     std::string* why) {
    const UINT style = MB_YESNOCANCEL | MB_SETFOREGROUND | MB_TASKMODAL | (serious ? MB_ICONWARNING : 0);
    const int pressed = MessageBoxW(nullptr, BoxText(text).c_str(), Wide(title).c_str(), style);
    const DWORD error = GetLastError();
    if (pressed == IDYES || pressed == IDNO || pressed == IDCANCEL) {
        *answer = pressed == IDYES ? 1 : (pressed == IDNO ? 0 : -1);
        return Asked::Answered;
    }
    // 0 when no box could be made; under wine also -1, when the box's window
    // cannot be created (a desktop without a display driver).
    *why = "the message box could not be shown (it returned " + std::to_string(pressed) + ", error " +
           std::to_string(error) + ")";
    return Asked::Failed;
}

bool ShowFailure(const std::string& title, const std::string& text) {
    // Topmost, so that a full-screen game window does not hide it.
    const UINT style = MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TASKMODAL | MB_TOPMOST;
    return MessageBoxW(nullptr, BoxText(text).c_str(), Wide(title).c_str(), style) != 0;
}

// The system's heap hands blocks that large back by itself once freed.
void ReturnLargeBlocksWhenFreed() {}

}  // namespace media::os
