// Where the game's start-up has got to.
#include "intro_watch.h"

#include "media_internal.h"
#include "present_watch.h"
#include "shell/assets.h"
#include "shell/keys.h"
#include "shell/manifest.h"

namespace watch {
namespace {

IntroProgress g_progress;
bool g_logoTapped = false;

void TapEscape() {
    media::KeyEvent(VkEscape, true);
    media::KeyEvent(VkEscape, false);
}

// The global the manifest's last load fills.
const int32_t* LastLoadTarget() {
    for (int32_t i = AssetManifestLength - 1; i >= 0; --i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.op == ManifestOp::Image || e.op == ManifestOp::Strip || e.op == ManifestOp::Sound) return e.target;
    }
    return nullptr;
}

bool MusicPlays(int32_t sound) {
    if (sound == 0 || MusicChannel == 0) return false;
    const media::ChannelInfo channel = media::QueryChannel(MusicChannel);
    return channel.busy && channel.sound == sound;
}

}  // namespace

void WatchIntro(bool skip) {
    if (g_progress.loadedFrame == 0) {
        const int32_t* last = LastLoadTarget();
        if (last && *last != 0) g_progress.loadedFrame = PresentedFrames();
    }
    if (g_progress.titleFrames > 0 || MusicPlays(TitleMusic)) {
        ++g_progress.titleFrames;
        return;
    }
    if (!skip) return;
    // The logo screen reads Escape after each of its frames; the story reads
    // it after each frame once its music is up.
    if (!g_logoTapped && TorvaneImage != 0) {
        TapEscape();
        g_logoTapped = true;
    }
    if (MusicPlays(CreditsMusic)) TapEscape();
}

const IntroProgress& Intro() { return g_progress; }

}  // namespace watch
