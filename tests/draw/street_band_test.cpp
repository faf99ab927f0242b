// The street band: depth order, the gunman's looks, screen bounds and the
// band's edges.
#include <algorithm>

#include "draw/frame.h"
#include "draw_fixture.h"
#include "play/enemy_look.h"

namespace drawtest {
namespace {

using StreetBand = DrawScene;

bool IsHeroImage(int32_t image) {
    return image == FiregunImage || std::count(HeroImages, HeroImages + HeroImageCount, image) > 0;
}

TEST_F(StreetBand, WithinAKeyEnemiesCorpsesHeroPickupsPropsThenBullets) {
    // All at key 10 but a prop at key 9 behind and an enemy at key 11 in
    // front; enemies and corpses of one key go in slot order.
    PutProp(0, 2, 610, 9 + 271);
    PutEnemy(5, 4, 100, 10, 1);
    PutEnemy(2, 6, 200, 10, 1);
    PutEnemy(0, 11, 300, 11, 1);
    PutCorpse(7, 0, 500, 281 + 10, 4);   // a kind without a base of its own
    PutCorpse(40, 17, 400, 190 + 10, 3);
    PutPickup(3, 0, 600, 279 + 10);
    PutProp(1, 4, 620, 271 + 10);
    PutBullet(9, 0, 800, 394 + 10, 4);
    HeroLane = 10;
    DrawActorsByDepth();

    const std::vector<int32_t> order = {
        IndexOf(DestructablesImage, 610), IndexOf(EnemyImages[6], 200), IndexOf(EnemyImages[4], 100),
        IndexOf(EnemyImages[0], 500),     IndexOf(EnemyImages[17], 400), IndexOf(CollectablesImage, 600),
        IndexOf(DestructablesImage, 620), IndexOf(BulletsImage, 800),    IndexOf(EnemyImages[11], 300)};
    EXPECT_GE(order.front(), 0);
    for (size_t i = 1; i < order.size(); ++i) EXPECT_LT(order[i - 1], order[i]) << "member " << i;
    const std::vector<DrawCall> all = Draws();
    int32_t heroDraws = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!IsHeroImage(all[i].image)) continue;
        ++heroDraws;
        EXPECT_GT(static_cast<int32_t>(i), order[4]);  // after the corpses
        EXPECT_LT(static_cast<int32_t>(i), order[5]);  // before the pickup
    }
    EXPECT_GT(heroDraws, 0);
    EXPECT_EQ(all.size(), order.size() + heroDraws);

    // Enemies alpha-blended on the floor line, corpses dimmed, bullets light.
    EXPECT_EQ(all[order[1]].blend, BlendAlpha);
    EXPECT_EQ(all[order[1]].y, 200 + 10 + 74);
    EXPECT_EQ(all[order[4]].r, 150);
    EXPECT_EQ(all[order[4]].y, 200 + 74);
    EXPECT_EQ(all[order[5]].r, 255);
    EXPECT_EQ(all[order[7]].blend, BlendLight);
}

TEST_F(StreetBand, GunmanLookBySlotAndSeeThroughFrames) {
    for (int32_t slot = 0; slot < EnemySlots; ++slot) PutEnemy(slot, 1, 0, 0, slot == 24 ? 10 : 9);
    PutCorpse(0, 1, 0, 268, 33);  // a corpse's frame already holds its look
    DrawActorsByDepth();
    const std::vector<DrawCall> gunmen = Draws(EnemyImages[1]);
    ASSERT_EQ(gunmen.size(), 31u);
    EXPECT_EQ(gunmen[24].frame, 10 + 48);
    EXPECT_EQ(gunmen[24].alpha, 0.5f);
    EXPECT_EQ(gunmen[26].frame, 9);
    EXPECT_EQ(gunmen[26].alpha, 1.0f);
    EXPECT_EQ(gunmen[30].frame, 33);
    for (int32_t slot : {1, 4, 7, 10, 13, 16, 19, 22, 25, 28}) EXPECT_EQ(StreetGunmanLook(slot), 24);
    for (int32_t slot : {2, 5, 8, 11, 14, 17, 20, 23, 24, 27}) EXPECT_EQ(StreetGunmanLook(slot), 48);
    for (int32_t slot : {0, 3, 6, 9, 12, 15, 18, 21, 26, 29}) EXPECT_EQ(StreetGunmanLook(slot), 0);
}

TEST_F(StreetBand, PickupsAndPropsOnlyNearTheScreen) {
    CameraX = -100;
    const int32_t pickupX[] = {-30, -29, 689, 690};  // screen x
    const int32_t propX[] = {-60, -59, 640, 641};
    for (int32_t i = 0; i < 4; ++i) {
        PutPickup(i, 1, pickupX[i] + 100, 300);
        PutProp(i, 0, propX[i] + 100, 300);
    }
    PutPickup(4, 4, 200, 300);  // kinds 4 and 5 are never shown
    PutPickup(5, 5, 200, 300);
    PutPickup(6, 9, 300, 300);
    DrawActorsByDepth();
    std::vector<std::pair<float, int32_t>> pickups, props;
    for (const DrawCall& c : Draws(CollectablesImage)) pickups.emplace_back(c.x, c.frame);
    for (const DrawCall& c : Draws(DestructablesImage)) props.emplace_back(c.x, c.frame);
    EXPECT_EQ(pickups, (std::vector<std::pair<float, int32_t>>{{-29, 1}, {689, 1}, {200, 7}}));
    EXPECT_EQ(props, (std::vector<std::pair<float, int32_t>>{{-59, 0}, {640, 0}}));
}

TEST_F(StreetBand, ItemsAtTheBandEdgesAreDrawnOnce) {
    PutEnemy(0, 4, 1, -151, 0);  // markers at the two catch-all keys and after the near one
    PutEnemy(1, 4, 2, 91, 0);
    PutEnemy(2, 4, 3, 92, 0);
    PutPickup(0, 0, 10, 100);  // above the band: caught at -151
    PutPickup(1, 0, 11, 119);  // own key -160, in reach of the catch-all too
    PutPickup(2, 0, 12, 400);  // own key 121: below the band, never drawn
    PutProp(0, 0, 20, 105);    // caught at -151
    PutProp(1, 0, 21, 115);    // own key -156
    PutBullet(0, 0, 30, 200, 0);  // caught at -151
    PutBullet(1, 0, 31, 240, 0);  // own key -154
    PutBullet(2, 4, 32, 490, 0);  // own key 96
    PutBullet(3, 1, 33, 600, 0);  // caught at 91
    DrawActorsByDepth();

    EXPECT_EQ(Draws(CollectablesImage).size() + Draws(DestructablesImage).size() + Draws(BulletsImage).size(), 8u);
    const int32_t far = IndexOf(EnemyImages[4], 1), near = IndexOf(EnemyImages[4], 2);
    const int32_t after = IndexOf(EnemyImages[4], 3);
    EXPECT_GT(IndexOf(CollectablesImage, 10), far);
    EXPECT_LT(IndexOf(CollectablesImage, 11), far);
    EXPECT_GT(IndexOf(DestructablesImage, 20), far);
    EXPECT_LT(IndexOf(DestructablesImage, 21), far);
    EXPECT_GT(IndexOf(BulletsImage, 30), far);
    EXPECT_LT(IndexOf(BulletsImage, 31), far);
    EXPECT_GT(IndexOf(BulletsImage, 32), after);
    EXPECT_GT(IndexOf(BulletsImage, 33), near);
    EXPECT_LT(IndexOf(BulletsImage, 33), after);
}

}  // namespace
}  // namespace drawtest
