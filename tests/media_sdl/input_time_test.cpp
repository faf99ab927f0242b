// The real backend's keyboard events and clock: SDL keys become virtual-key
// numbers with auto-repeat dropped, requests to close are ignored, sleeping
// and tick timers keep real time.
#include <SDL.h>
#include <gtest/gtest.h>

#include "sdl_support.h"

namespace {

void PushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = sym;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
}

void Tap(SDL_Scancode scancode, SDL_Keycode sym) {
    PushKey(SDL_KEYDOWN, scancode, sym);
    PushKey(SDL_KEYUP, scancode, sym);
}

// The queries take the waiting events in once per millisecond of the clock:
// events pushed are seen once the clock has moved on, as a loop that sleeps
// between its polls (the pause's waits) sees them.
void NextMoment() { SleepMillis(1); }

class Input : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sdltest::OpenOffscreenDisplay(); }
    void SetUp() override { FlushKeyStates(); }
};

TEST_F(Input, KeysArriveAsVirtualKeyNumbersOncePerPress) {
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z, SDLK_z);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z, SDLK_z, true);  // auto-repeat
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z, SDLK_z, true);
    NextMoment();
    EXPECT_EQ(IsKeyDown(90), 1);
    EXPECT_EQ(KeyHitCount(90), 1);
    PushKey(SDL_KEYUP, SDL_SCANCODE_Z, SDLK_z);
    NextMoment();
    EXPECT_EQ(IsKeyDown(90), 0);

    // Two presses between two asks count two.
    Tap(SDL_SCANCODE_RETURN, SDLK_RETURN);
    Tap(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER);
    NextMoment();
    EXPECT_EQ(KeyHitCount(13), 2);

    const struct {
        SDL_Scancode scancode;
        SDL_Keycode sym;
        int32_t key;
    } keys[] = {
        {SDL_SCANCODE_LEFT, SDLK_LEFT, 37},   {SDL_SCANCODE_UP, SDLK_UP, 38},     {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 39},
        {SDL_SCANCODE_DOWN, SDLK_DOWN, 40},   {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 27}, {SDL_SCANCODE_SPACE, SDLK_SPACE, 32},
        {SDL_SCANCODE_A, SDLK_a, 65},         {SDL_SCANCODE_P, SDLK_p, 80},       {SDL_SCANCODE_0, SDLK_0, 48},
        {SDL_SCANCODE_9, SDLK_9, 57},         {SDL_SCANCODE_F1, SDLK_F1, 112},    {SDL_SCANCODE_F12, SDLK_F12, 123},
    };
    for (const auto& k : keys) Tap(k.scancode, k.sym);
    NextMoment();
    for (const auto& k : keys) EXPECT_EQ(KeyHitCount(k.key), 1) << "key " << k.key;

    // A letter follows the layout: the key in Q's place typing 'a' is A.
    Tap(SDL_SCANCODE_Q, SDLK_a);
    NextMoment();
    EXPECT_EQ(KeyHitCount(65), 1);
    EXPECT_EQ(KeyHitCount(81), 0);
}

TEST_F(Input, SharedNumbersStayHeldWhileEitherKeyIsAndCloseRequestsAreIgnored) {
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT);
    PushKey(SDL_KEYUP, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT);
    NextMoment();
    EXPECT_EQ(IsKeyDown(16), 1);
    EXPECT_EQ(KeyHitCount(16), 1);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT);
    NextMoment();
    EXPECT_EQ(IsKeyDown(16), 0);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_X, SDLK_x);
    NextMoment();
    EXPECT_EQ(IsKeyDown(88), 1) << "still running and reading keys";
    PushKey(SDL_KEYUP, SDL_SCANCODE_X, SDLK_x);
    NextMoment();
    EXPECT_EQ(IsKeyDown(88), 0);
}

TEST(Time, SleepsAndTicksKeepRealTime) {
    const int32_t start = ElapsedMillis();
    SleepMillis(30);
    EXPECT_GE(MillisSince(start), 30);
    SleepMillis(-5);

    const int32_t timer = CreateTickTimer(100);
    ASSERT_NE(timer, 0);
    SleepMillis(50);
    EXPECT_GE(WaitTick(timer), 5) << "every tick of a stall comes back at once";
    const int32_t before = ElapsedMillis();
    EXPECT_GE(WaitTick(timer), 1);
    EXPECT_LE(MillisSince(before), 1000) << "a wait ends at the next tick";
    StopTickTimer(timer);
    EXPECT_EQ(WaitTick(timer), 0);

    const int32_t released = CreateTickTimer(100);
    ReleaseHandle(released);
    EXPECT_EQ(WaitTick(released), 0);
    EXPECT_EQ(CreateTickTimer(0), 0);
}

}  // namespace
