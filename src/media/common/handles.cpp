// Handles: one counter for every kind of object, never reused, so a stale
// handle can only ever be inert.
#include "media_internal.h"

namespace media {
namespace {
int32_t g_nextHandle = 1;
}

int32_t NewHandle() {
    // Two thousand million objects would take centuries of play; stop short
    // of wrapping into 0 or negative handles all the same.
    if (g_nextHandle == INT32_MAX) return g_nextHandle;
    return g_nextHandle++;
}

}  // namespace media

void ReleaseHandle(int32_t handle) {
    if (handle == 0) return;
    media::BackendHandleReleased(handle);
    if (media::ReleaseImage(handle)) return;
    if (media::ReleaseFile(handle)) return;
    media::ReleaseSoundOrChannel(handle);
}
