// Bitmap text positions and the fades.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "headless.h"
#include "media_internal.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/text.h"

namespace {

using headless::Op;

struct Glyph {
    int32_t cell;
    float x, y;
    bool operator==(const Glyph&) const = default;
};

std::vector<Glyph> DrawnGlyphs() {
    std::vector<Glyph> out;
    for (const headless::DrawCall& c : headless::DrawCalls())
        if (c.op == Op::Draw && c.image == SilverfontImage) out.push_back({c.frame, c.x, c.y});
    return out;
}

// The alpha of the black fill of each fade step, in order.
std::vector<float> FadeAlphas() {
    std::vector<float> alphas;
    for (const headless::DrawCall& c : headless::DrawCalls())
        if (c.op == Op::Fill && (alphas.empty() || alphas.back() != c.alpha)) alphas.push_back(c.alpha);
    return alphas;
}

class TextFadesTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        headless::SetSynthesiseMissingImages(true);
        SilverfontImage = LoadImageStrip("Data/Graphics/System/silverfont.png", 10, 11, 0, 44, 1);
        FadeScreenImage = CreateBlankImage(640, 480, 1, -1);
    }
    void TearDown() override { headless::SetSynthesiseMissingImages(false); }
};

TEST_F(TextFadesTest, GlyphPositions) {
    // Capitals for lower case; a glyph for the space at a point only; gaps
    // for the hyphen (and the equals sign at a point); the percent sign 2 px
    // higher at a point, level when centred.
    DrawTextAt("Ab 1-%=", 100, 50);
    std::vector<Glyph> expected = {{0, 100, 50}, {1, 109, 50}, {41, 118, 50}, {27, 127, 50}, {42, 145, 48}};
    EXPECT_EQ(DrawnGlyphs(), expected);
    headless::ClearDrawCalls();
    DrawTextCentered(200, "Ab 1-%=");  // from (640 - 63) / 2 = 288
    expected = {{0, 288, 200}, {1, 297, 200}, {27, 315, 200}, {42, 333, 200}, {43, 342, 200}};
    EXPECT_EQ(DrawnGlyphs(), expected);

    headless::ClearDrawCalls();
    DrawTextCentered(30, std::string(64, 'A') + "BBBBBB");  // 70 characters: the first 64 from x 32
    const std::vector<Glyph> glyphs = DrawnGlyphs();
    ASSERT_EQ(glyphs.size(), 64u);
    EXPECT_EQ(glyphs.front(), (Glyph{0, 32, 30}));
    EXPECT_EQ(glyphs.back(), (Glyph{0, 599, 30}));
}

TEST_F(TextFadesTest, FadesRunFiftyOneStepsAndForgetKeys) {
    SetBlendMode(BlendLight);
    SetDrawColour(255, 0, 0);
    headless::TapKey(90);  // pressed before (or while) a fade runs
    headless::SetKey(88, true);
    FadeInFromBlack();
    const auto& calls = headless::DrawCalls();
    EXPECT_EQ(calls.front().op, Op::Grab);
    EXPECT_EQ(calls.front().blend, BlendMask);
    EXPECT_EQ(calls.front().g, 255);
    std::vector<float> alphas = FadeAlphas();
    ASSERT_EQ(alphas.size(), 51u);
    EXPECT_EQ(alphas.front(), 1.0f);
    EXPECT_GE(alphas.back(), 0.0f);
    EXPECT_LT(alphas.back(), 0.001f);
    // Each frame: the held picture plainly, then black in alpha blending.
    const auto fill = std::find_if(calls.begin(), calls.end(), [](const auto& c) { return c.op == Op::Fill; });
    ASSERT_NE(fill, calls.end());
    EXPECT_EQ(fill->blend, BlendAlpha);
    EXPECT_EQ(fill->r, 0);
    EXPECT_EQ(fill->g, 0);
    EXPECT_EQ(fill->b, 0);
    EXPECT_EQ((fill - 1)->image, FadeScreenImage);
    EXPECT_EQ((fill - 1)->blend, BlendMask);
    EXPECT_EQ(KeyHitCount(90), 0);
    EXPECT_EQ(IsKeyDown(88), 0);

    headless::ClearDrawCalls();
    const int32_t start = headless::Clock();
    FadeOutToBlack();
    alphas = FadeAlphas();
    ASSERT_EQ(alphas.size(), 51u);
    EXPECT_EQ(alphas.front(), 0.0f);
    EXPECT_GT(alphas.back(), 0.999f);
    EXPECT_LE(alphas.back(), 1.0f);
    EXPECT_GE(headless::Clock() - start, 51 * 5);
    EXPECT_EQ(calls.front().op, Op::Grab);
    EXPECT_EQ(calls[calls.size() - 2].op, Op::Clear);  // then a black screen
    EXPECT_EQ(calls.back().op, Op::Present);

    headless::ClearDrawCalls();
    FadeOutCaptured();
    EXPECT_EQ(FadeAlphas().size(), 51u);
    EXPECT_EQ(calls.front().op, Op::Clear);  // no grab
    const media::DrawState& s = media::CurrentDrawState();
    EXPECT_EQ(s.blend, BlendMask);
    EXPECT_EQ(s.alpha, 1.0f);
    EXPECT_EQ(s.r, 255);
    EXPECT_EQ(s.g, 255);
    EXPECT_EQ(s.b, 255);
}

}  // namespace
