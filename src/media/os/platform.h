// The few operating-system services the media layer needs beyond SDL and the
// C++ library, one implementation per system (posix.cpp, windows.cpp). Paths
// are UTF-8.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace media::os {

// Makes the folder of the running program the working directory; false when
// it cannot be found or entered.
bool EnterProgramFolder();

// Pushes a stream's written bytes through to the disk (after fflush).
bool CommitToDisk(std::FILE* file);

// Puts the file `from` in the place of `to` in one step, replacing `to` when
// it exists; when it fails `to` is left as it was.
bool MoveOver(const std::string& from, const std::string& to);

// Asks a question in the system's own message box with Yes, No and Cancel;
// `text` has its lines separated by '\n'. Answered: 1, 0 or -1 is stored in
// `answer` (Escape and closing the box are Cancel). NoSystemBox: the system
// has no such box, so the caller shows its own. Failed: the box could not be
// shown, `why` says how; that is never an answer.
enum class Asked { Answered, NoSystemBox, Failed };
Asked AskYesNoCancel(const std::string& title, const std::string& text, bool serious, int32_t* answer,
                     std::string* why);

// Shows a failure in the system's own message box with an OK button, above
// every window, and returns once it is closed; `text` has its lines
// separated by '\n'. Returns false where the system has no such box.
bool ShowFailure(const std::string& title, const std::string& text);

// Has the C library give blocks of memory as large as pictures back to the
// system as soon as they are freed, where it keeps them otherwise.
void ReturnLargeBlocksWhenFreed();

}  // namespace media::os
