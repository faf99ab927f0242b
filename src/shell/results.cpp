// The results screen.
#include "shell/results.h"

#include <cstdint>
#include <string>

#include "media.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/records.h"
#include "shell/settings.h"
#include "shell/story.h"
#include "shell/text.h"

namespace {

constexpr int32_t FinalSection = 11;  // StageNumber of the final section

// What a game must reach for each point.
constexpr int32_t KillsForPoint = 1100;
constexpr int32_t BulletsForPoint = 6000;  // at most
constexpr int32_t LivesLostForPoint = 2;   // at most
constexpr int32_t MinutesForPoint = 35;    // less than, finished games only

constexpr const char* OkSuffix = " OK";
constexpr const char* GradeLetters[] = {"F", "E", "D", "C", "B", "A"};

// The lines of the results picture, worked out once per call.
struct ResultLines {
    std::string enemies;
    std::string bullets;
    std::string lives;
    std::string time;
    std::string grade;
    int32_t points = 0;
};

ResultLines ScoreGame() {
    ResultLines lines;
    lines.enemies = StringFromInt(EnemiesKilled);
    lines.bullets = StringFromInt(BulletsFired);
    lines.lives = StringFromInt(LivesLost);

    // Minutes and seconds of play, as 7:05; minutes are not limited.
    const int32_t elapsed = MillisSince(GameStartTime);
    int32_t minutes = 0;
    int32_t seconds = 0;
    if (elapsed > 0) {
        minutes = elapsed / 60000;
        seconds = (elapsed - 60000 * minutes) / 1000;
    }
    lines.time = StringFromInt(minutes) + ":";
    if (seconds < 10) lines.time += "0";
    lines.time += StringFromInt(seconds);

    const bool finished = StageNumber == FinalSection;
    if (finished) lines.points += 1;
    if (EnemiesKilled >= KillsForPoint) {
        lines.points += 1;
        lines.enemies += OkSuffix;
    }
    if (BulletsFired <= BulletsForPoint) {
        lines.points += 1;
        lines.bullets += OkSuffix;
    }
    if (LivesLost <= LivesLostForPoint) {
        lines.points += 1;
        lines.lives += OkSuffix;
    }
    if (minutes < MinutesForPoint && finished) {
        lines.points += 1;
        lines.time += OkSuffix;
    }
    // A game begun past the first section, or played in debug mode, earns
    // nothing; its suffixes stay.
    if (StartStageIndex != 1 || DebugMode == 1) lines.points = 0;
    lines.grade = GradeLetters[lines.points];
    return lines;
}

void DrawResultsPicture(const ResultLines& lines) {
    SetBlendMode(BlendMask);
    SetDrawColour(100, 100, 100);
    DrawImageFrame(TitlescreenImage, 0.0f, 0.0f, 0);
    SetDrawColour(255, 255, 255);
    SetBlendMode(BlendLight);
    DrawTextCentered(90, "RESULTS");
    DrawTextCentered(138, "ENEMY");
    DrawTextCentered(150, lines.enemies);
    DrawTextCentered(186, "BULLETS");
    DrawTextCentered(198, lines.bullets);
    DrawTextCentered(234, "LIFES");
    DrawTextCentered(246, lines.lives);
    DrawTextCentered(282, "TIME");
    DrawTextCentered(294, lines.time);
    DrawTextCentered(330, "RANK");
    DrawTextCentered(342, lines.grade);
}

}  // namespace

void ShowResults() {
    if (StartStageIndex == 1) CountGamePlayed();
    const ResultLines lines = ScoreGame();

    ClearScreen();
    PresentFrame(-1);
    ClearScreen();
    SleepMillis(1000);
    FlushKeyStates();

    DrawResultsPicture(lines);
    FadeInFromBlack();

    // The hints are not part of the faded-in picture: they come with the
    // first frame after the fade.
    do {
        DrawResultsPicture(lines);
        if (StageNumber == FinalSection && lines.points >= 4) {
            DrawTextCentered(390, "LEVEL SELECT = HOLD K L AND CURSORS");
        }
        if (StageNumber == FinalSection && lines.points == 5) {
            DrawTextCentered(402, "DEBUG MODE = STONEHARBOR");
        }
        PresentFrame(-1);
    } while (!SkipInputHit());

    SetBlendMode(BlendMask);
    FadeOutToBlack();
    ClearScreen();
    SleepMillis(2000);
}
