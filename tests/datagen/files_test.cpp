// The generated Data folder as a whole: every file is there, every picture
// loads with its cells under its mask colour without fringes, every sound
// decodes with the length its use needs, loops join cleanly, and the
// generator repeats itself byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "data_access.h"
#include "loudness.h"

using namespace datatest;
namespace fs = std::filesystem;

namespace {

std::vector<const dg::FileSpec*> Files(dg::FileKind kind) {
    std::vector<const dg::FileSpec*> out;
    for (int i = 0; i < dg::kFileCount; ++i)
        if (dg::kFiles[i].kind == kind) out.push_back(&dg::kFiles[i]);
    return out;
}

double Seconds(const media::Sound& s) { return static_cast<double>(s.Frames()) / s.rate; }

}  // namespace

TEST(DataFolder, HoldsAllFilesOfTheLoadingListAndTheStrips) {
    ASSERT_EQ(dg::kFileCount, 182);
    EXPECT_EQ(Files(dg::FileKind::Png).size(), 123u);
    EXPECT_EQ(Files(dg::FileKind::Wav).size(), 52u);
    EXPECT_EQ(Files(dg::FileKind::Ogg).size(), 7u);
    for (int i = 0; i < dg::kFileCount; ++i)
        EXPECT_TRUE(fs::is_regular_file(DataPath(dg::kFiles[i].path))) << dg::kFiles[i].path;
}

TEST(Pictures, LoadWithTheirCellSizeAndCount) {
    for (const dg::FileSpec* f : Files(dg::FileKind::Png)) {
        const media::Image* img = LoadPicture(*f);
        ASSERT_NE(img, nullptr) << f->path;
        if (f->cells) {
            EXPECT_EQ(img->frameWidth, f->cellW) << f->path;
            EXPECT_EQ(img->frameHeight, f->cellH) << f->path;
            EXPECT_EQ(img->frameCount, f->cells) << f->path;
        } else {
            EXPECT_EQ(img->frameCount, 1) << f->path;
        }
        // Nothing drawn in a picture may be invisible: at least one opaque pixel.
        if (f->cells || f->masked) {
            EXPECT_GT(CountOn(img, 0) + CountOn(img, img->frameCount - 1), 0) << f->path;
        }
    }
}

TEST(Pictures, SectionStripsAreOneRowOfTheSectionsLength) {
    for (int i = dg::kManifestCount; i < dg::kFileCount; ++i) {
        media::Picture pic;
        ASSERT_TRUE(media::DecodePng(DataPath(dg::kFiles[i].path), pic, nullptr)) << dg::kFiles[i].path;
        EXPECT_EQ(pic.width, dg::kFiles[i].cells * 40) << dg::kFiles[i].path;
        EXPECT_EQ(pic.height, 480) << dg::kFiles[i].path;
    }
}

// Hard edges: a pixel a few steps off pure green or pure blue would show as a
// halo, and art must never use the mask colour it is loaded under.
TEST(Pictures, HaveNoFringeNearTheirMaskColour) {
    for (const dg::FileSpec* f : Files(dg::FileKind::Png)) {
        if (!f->masked || (f->maskG == 0 && f->maskB == 0)) continue;  // black masks: dark art is normal
        media::Picture pic;
        ASSERT_TRUE(media::DecodePng(DataPath(f->path), pic, nullptr));
        int fringe = 0;
        for (size_t i = 0; i < pic.rgb.size(); i += 3) {
            int dr = pic.rgb[i] - f->maskR, dg = pic.rgb[i + 1] - f->maskG, db = pic.rgb[i + 2] - f->maskB;
            int d = std::abs(dr) + std::abs(dg) + std::abs(db);
            fringe += d > 0 && d < 60;
        }
        EXPECT_EQ(fringe, 0) << f->path;
    }
}

// From start-up on green is the mask colour in force, and the pause and fade
// grabs turn pure-green screen pixels transparent: no picture may show it.
TEST(Pictures, NeverPutPureGreenOnScreen) {
    for (const dg::FileSpec* f : Files(dg::FileKind::Png)) {
        media::Picture pic;
        ASSERT_TRUE(media::DecodePng(DataPath(f->path), pic, nullptr));
        const bool greenIsMask = f->masked && f->maskG == 255 && f->maskR == 0 && f->maskB == 0;
        if (greenIsMask) continue;
        for (size_t i = 0; i < pic.rgb.size(); i += 3)
            ASSERT_FALSE(pic.rgb[i] == 0 && pic.rgb[i + 1] == 255 && pic.rgb[i + 2] == 0) << f->path;
    }
}

TEST(Pictures, FullScreenAndLightPicturesKeepTheirEdges) {
    // The title picture is drawn without clearing: every pixel must be opaque.
    const media::Image* title = LoadPicture("Data/Graphics/System/Titlescreen.png");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->frameWidth, 640);
    EXPECT_EQ(title->frameHeight, 480);
    EXPECT_EQ(CountOn(title, 0), 640 * 480);
    const media::Image* story = LoadPicture("Data/Graphics/System/storyback.png");
    EXPECT_GE(story->frameHeight, 530);
    // The light pool adds light: its border must add nothing.
    const media::Image* pool = LoadPicture("Data/Graphics/Levels/Street/Lightmap.png");
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(pool->frameWidth, 120);
    for (int x = 0; x < pool->frameWidth; ++x)
        for (int y : {0, pool->frameHeight - 1}) {
            const uint8_t* p = pool->FrameRgba(0) + 4 * (static_cast<size_t>(y) * pool->frameWidth + x);
            EXPECT_EQ(p[0] + p[1] + p[2], 0) << x << "," << y;
        }
    // Sky and city layers tile at 640.
    for (const char* layer : {"Data/Graphics/Levels/Street/Sky.png", "Data/Graphics/Levels/Vxc/Skyhigh.png",
                              "Data/Graphics/Levels/Street/City.png", "Data/Graphics/Levels/Junkyard/Cityjunk.png"})
        EXPECT_EQ(LoadPicture(layer)->frameWidth, 640) << layer;
    // The lift shaft keeps its fixed width and period.
    const media::Image* shaft = LoadPicture("Data/Graphics/Levels/Vxc/Liftscroll.png");
    EXPECT_EQ(shaft->frameWidth, 430);
    EXPECT_EQ(shaft->frameHeight, 592);
}

// Every sound decodes, is not silent, never clips and carries no DC offset.
TEST(Sounds, EveryFileDecodesCleanly) {
    for (const auto kind : {dg::FileKind::Wav, dg::FileKind::Ogg})
        for (const dg::FileSpec* f : Files(kind)) {
            media::Sound s;
            ASSERT_TRUE(LoadSound(*f, s)) << f->path;
            EXPECT_EQ(s.rate, 44100) << f->path;
            EXPECT_EQ(s.channels, kind == dg::FileKind::Wav ? 1 : 2) << f->path;
            EXPECT_GT(s.Frames(), 0) << f->path;
            int peak = 0, clipped = 0;
            std::vector<float> samples(s.samples.size());
            for (size_t k = 0; k < samples.size(); ++k) {
                const int v = std::abs(static_cast<int>(s.samples[k]));
                peak = std::max(peak, v);
                clipped += v >= 32767;
                samples[k] = s.samples[k] / 32768.0f;
            }
            EXPECT_GT(peak, 1500) << f->path;  // the beeps are the quietest
            EXPECT_LT(clipped, 10) << f->path;
            EXPECT_LT(dg::Offset(samples, s.channels), 0.01) << f->path;
        }
}

TEST(Sounds, LastAsLongAsTheirUseAllows) {
    struct Limit {
        const char* path;
        double min, max;
    };
    const Limit limits[] = {
        {"Data/Audio/Sfx/Kestgun.wav", 0.02, 0.12},         {"Data/Audio/Sfx/Bloodhit.wav", 0.02, 0.15},
        {"Data/Audio/Sfx/Walkerstepleft.wav", 0.02, 0.2},   {"Data/Audio/Sfx/Walkerstepright.wav", 0.02, 0.2},
        {"Data/Audio/Sfx/Go.wav", 0.05, 0.25},              {"Data/Audio/Sfx/CompBeep.wav", 0.03, 0.2},
        {"Data/Audio/Voice/KestArgh.wav", 0.3, 0.5},        {"Data/Audio/Voice/BeTrouble.wav", 0.6, 1.6},
        {"Data/Audio/Voice/ComeWithMe.wav", 0.6, 1.6},      {"Data/Audio/Voice/DeadAlive.wav", 0.8, 2.0},
        {"Data/Audio/Voice/DropIt.wav", 0.5, 1.2},          {"Data/Audio/Voice/Thankyou.wav", 0.5, 1.4},
        {"Data/Audio/Voice/StoneHarbor.wav", 0.8, 1.8},     {"Data/Audio/Voice/YourMove.wav", 0.5, 1.4},
        {"Data/Audio/Voice/RemainSilent.wav", 0.5, 1.4},    {"Data/Audio/Voice/prime.wav", 4.5, 5.5},
        {"Data/Audio/Voice/KR20sec.wav", 2.0, 3.0},         {"Data/Audio/Music/end.ogg", 10.0, 16.0},
        {"Data/Audio/Music/Title.ogg", 45.0, 64.0},         {"Data/Audio/Music/Credits.ogg", 45.0, 64.0},
    };
    for (const Limit& l : limits) {
        media::Sound s;
        ASSERT_TRUE(LoadSound(*Spec(l.path), s)) << l.path;
        EXPECT_GE(Seconds(s), l.min) << l.path;
        EXPECT_LE(Seconds(s), l.max) << l.path;
    }
}

TEST(Music, IntroPartsLastExactlyUntilTheirLongPartsCue) {
    media::Sound a, b;
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Music/track1_s.ogg"), a));
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Music/track2_s.ogg"), b));
    EXPECT_NEAR(Seconds(a), 12.6, 0.02);
    EXPECT_NEAR(Seconds(b), 30.15, 0.02);
}

// A loop's seam: the step from its last sample to its first must look like
// any other step of the signal there, or it clicks.
TEST(Loops, JoinWithoutAClick) {
    for (int i = 0; i < dg::kFileCount; ++i) {
        const dg::FileSpec& f = dg::kFiles[i];
        if (!f.loop) continue;
        media::Sound s;
        ASSERT_TRUE(LoadSound(f, s)) << f.path;
        const int ch = s.channels;
        const int64_t n = s.Frames();
        ASSERT_GT(n, 4096);
        for (int c = 0; c < ch; ++c) {
            auto at = [&](int64_t k) { return static_cast<double>(s.samples[((k % n + n) % n) * ch + c]); };
            double typical = 0;
            for (int64_t k = -256; k < 256; ++k)
                if (k != 0) typical = std::max(typical, std::fabs(at(k) - at(k - 1)));
            const double seam = std::fabs(at(0) - at(n - 1));
            EXPECT_LE(seam, typical * 1.5 + 64) << f.path << " channel " << c;
        }
    }
}

TEST(Generator, WritesTheSameBytesEveryRun) {
    // Inside this build: other builds on the machine may run this check at the same time.
    const fs::path out = fs::path(STREETWARDEN_BUILD_DIR) / "datagen_again";
    fs::remove_all(out);
    const std::string cmd = std::string("\"") + DATAGEN_EXE + "\" \"" + out.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    for (int i = 0; i < dg::kFileCount; ++i) {
        std::ifstream a(DataPath(dg::kFiles[i].path), std::ios::binary), b(out / dg::kFiles[i].path, std::ios::binary);
        std::string da((std::istreambuf_iterator<char>(a)), {}), db((std::istreambuf_iterator<char>(b)), {});
        EXPECT_FALSE(da.empty()) << dg::kFiles[i].path;
        EXPECT_TRUE(da == db) << dg::kFiles[i].path << " differs between runs";
    }
    fs::remove_all(out);
}
