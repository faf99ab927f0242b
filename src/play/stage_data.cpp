// The stage data and its loaders.
#include "play/stage_data.h"

#include <cstddef>

#include "play/tables.h"
#include "shell/records.h"

namespace {

// Records as the lists are written: a spawn record is kind, x, y, side; a
// prop record is frame, x, y. Std in a spawn record's y stands for the
// kind's standard y (see StandardY).
struct SpawnRecord {
    int32_t kind, x, y, side;
};
struct PropRecord {
    int32_t frame, x, y;
};
constexpr int32_t Std = INT32_MIN;

// The y a spawn record gets when its list leaves the field blank.
constexpr int32_t StandardY(int32_t kind) {
    switch (kind) {
        case 0: return 89;    // sniper
        case 1: return 240;   // street gunman
        case 4: return 258;   // biker
        case 6: return 235;   // chainsaw killer
        case 11: return 244;  // rogue officer
        case 17: return 190;  // KR770
        default: return 0;
    }
}

// ---------------------------------------------------------------- the lists
// Slot 0 of a list is its first record; the spawn lists are not sorted by x.

// Stage 1, spawn list: 100 records.
constexpr auto Stage1Spawns = std::to_array<SpawnRecord>({
    {1, 1689, Std, 1}, {1, 3553, Std, 1}, {1, 1506, Std, 1}, {4, 1941, Std, 1}, {1, 2657, Std, 1}, {1, 3350, Std, 1},
    {6, 2663, Std, 1}, {1, 507, Std, 1}, {1, 4, Std, 1}, {1, 2919, Std, 1}, {1, 644, Std, 1}, {1, 1981, Std, 1},
    {6, 922, Std, 1}, {1, 1120, Std, 1}, {1, 3101, Std, 1}, {1, 3264, Std, 1}, {1, 42, Std, 1}, {1, 4607, Std, 1},
    {1, 2009, Std, 1}, {4, 2570, Std, 1}, {1, 1850, Std, 1}, {1, 917, Std, 1}, {4, 3893, Std, 1}, {1, 956, Std, 1},
    {1, 3785, Std, 1}, {1, 4056, Std, 1}, {4, 1833, Std, 0}, {1, 3473, Std, 1}, {1, 2552, Std, 1}, {6, 3133, Std, 0},
    {1, 2744, Std, 1}, {1, 3611, Std, 1}, {1, 2136, Std, 1}, {1, 4527, Std, 1}, {1, 4576, Std, 1}, {1, 2227, Std, 1},
    {6, 647, Std, 1}, {1, 1058, Std, 1}, {1, 4312, Std, 1}, {6, 3298, Std, 0}, {1, 2445, Std, 0}, {1, 2515, 170, 0},
    {1, 4066, Std, 0}, {4, 2928, Std, 0}, {1, 1224, Std, 0}, {1, 2812, Std, 0}, {1, 4264, Std, 0}, {6, 2992, Std, 1},
    {1, 4072, Std, 0}, {1, 3205, Std, 0}, {1, 2515, Std, 0}, {1, 3741, Std, 0}, {1, 3842, Std, 0}, {1, 2069, Std, 0},
    {1, 3427, Std, 0}, {1, 2477, 190, 0}, {1, 3986, Std, 0}, {1, 4550, Std, 0}, {1, 2364, Std, 0}, {1, 5300, Std, 0},
    {1, 2777, Std, 0}, {4, 5350, Std, 0}, {1, 4636, Std, 0}, {4, 4632, Std, 0}, {1, 3564, Std, 0}, {1, 5274, Std, 0},
    {1, 3631, Std, 0}, {1, 3646, Std, 0}, {1, 3157, Std, 0}, {1, 1300, Std, 0}, {1, 3725, Std, 0}, {1, 5081, Std, 0},
    {4, 4664, Std, 0}, {1, 5238, Std, 0}, {1, 743, Std, 0}, {1, 5139, Std, 0}, {1, 3231, Std, 0}, {1, 3379, Std, 0},
    {1, 4294, Std, 0}, {6, 3458, Std, 0}, {1, 4862, Std, 0}, {1, 2420, Std, 0}, {4, 3841, Std, 1}, {1, 3415, Std, 0},
    {1, 4403, Std, 0}, {1, 4821, Std, 0}, {1, 4496, Std, 0}, {1, 4491, Std, 0}, {1, 3739, Std, 0}, {1, 3402, Std, 0},
    {1, 3565, Std, 0}, {6, 1396, Std, 0}, {1, 2822, Std, 0}, {1, 2837, Std, 0}, {1, 3675, Std, 0}, {1, 1229, Std, 0},
    {6, 4990, Std, 0}, {1, 3119, Std, 0}, {1, 2477, Std, 0}, {1, 2202, Std, 0},
});
static_assert(Stage1Spawns.size() == 100);

// Stage 1, prop list: 33 records.
constexpr auto Stage1Props = std::to_array<PropRecord>({
    {10, 5190, 132}, {4, 5159, 132}, {0, 35, -75}, {0, 163, -75}, {0, 3452, -86}, {0, 3580, -86}, {0, 3708, -75},
    {0, 4667, -60}, {0, 291, -75}, {0, 514, -75}, {0, 642, -75}, {0, 770, -75}, {0, 961, -75}, {0, 1801, -75},
    {0, 1929, -75}, {0, 2057, -75}, {0, 2269, -75}, {0, 3047, -75}, {0, 3175, -75}, {0, 3964, -75}, {2, 850, 272},
    {8, 1120, 132}, {6, 1860, 152}, {2, 2350, 292}, {2, 2370, 332}, {4, 3070, 162}, {8, 3230, 292}, {6, 3784, 192},
    {2, 4694, 232}, {8, 5000, 202}, {8, 5140, 312}, {0, 2405, -75}, {0, 3836, -75},
});
static_assert(Stage1Props.size() == 33);

// Stage 2, spawn list: 100 records.
constexpr auto Stage2Spawns = std::to_array<SpawnRecord>({
    {1, 1486, Std, 1}, {1, 3126, Std, 1}, {0, 4487, Std, 0}, {0, 4075, Std, 0}, {0, 2856, Std, 0}, {0, 3269, Std, 0},
    {0, 4178, Std, 0}, {0, 4383, Std, 0}, {1, 1325, Std, 1}, {1, 1691, Std, 1}, {1, 2425, Std, 1}, {4, 2948, Std, 1},
    {1, 2413, Std, 1}, {1, 446, Std, 1}, {1, 37, 160, 1}, {1, 2568, Std, 1}, {4, 567, Std, 1}, {1, 1742, Std, 1},
    {6, 838, Std, 1}, {1, 985, Std, 1}, {1, 2728, Std, 1}, {4, 2872, Std, 1}, {1, 37, Std, 1}, {1, 4053, Std, 1},
    {6, 1767, Std, 1}, {6, 2182, Std, 1}, {1, 1628, Std, 1}, {1, 807, Std, 1}, {6, 3513, Std, 1}, {1, 841, Std, 1},
    {1, 3330, Std, 1}, {1, 3568, Std, 1}, {1, 1612, Std, 1}, {1, 3056, Std, 1}, {1, 2095, Std, 1}, {4, 2756, Std, 1},
    {6, 2450, Std, 1}, {1, 3177, Std, 1}, {1, 1879, Std, 1}, {1, 3983, Std, 1}, {1, 4686, Std, 0}, {1, 2615, Std, 0},
    {4, 1327, Std, 0}, {6, 1583, Std, 0}, {6, 4454, Std, 0}, {1, 3603, Std, 0}, {1, 2247, Std, 0}, {1, 2300, Std, 0},
    {1, 3689, Std, 0}, {6, 2890, Std, 0}, {1, 1160, Std, 0}, {1, 2573, Std, 0}, {1, 3865, Std, 0}, {1, 2823, Std, 0},
    {1, 3694, Std, 0}, {1, 2923, Std, 0}, {1, 2309, Std, 0}, {6, 3400, Std, 0}, {1, 3490, Std, 0}, {1, 1913, Std, 0},
    {6, 3121, Std, 0}, {1, 2273, Std, 0}, {1, 3618, Std, 0}, {1, 4120, Std, 0}, {1, 2175, Std, 0}, {1, 4787, Std, 0},
    {1, 2542, Std, 0}, {4, 4790, Std, 0}, {1, 4196, Std, 0}, {1, 3987, Std, 0}, {6, 3242, Std, 0}, {1, 4763, Std, 0},
    {1, 3302, Std, 0}, {1, 3316, Std, 0}, {1, 2880, Std, 0}, {1, 1228, Std, 0}, {1, 3385, Std, 0}, {1, 4592, Std, 0},
    {1, 4221, Std, 0}, {1, 4731, Std, 0}, {1, 733, Std, 0}, {1, 4643, Std, 0}, {1, 2946, Std, 0}, {1, 3078, Std, 0},
    {1, 3891, Std, 0}, {1, 3148, Std, 0}, {1, 4397, Std, 0}, {1, 2225, Std, 0}, {1, 3658, Std, 0}, {4, 3109, Std, 0},
    {1, 3988, Std, 0}, {1, 4361, Std, 0}, {1, 4071, Std, 0}, {1, 4067, Std, 0}, {1, 3398, Std, 0}, {1, 3098, Std, 0},
    {1, 3243, Std, 0}, {1, 1340, Std, 0}, {4, 2582, Std, 0}, {1, 2595, Std, 0},
});
static_assert(Stage2Spawns.size() == 100);

// Stage 2, prop list: 42 records.
constexpr auto Stage2Props = std::to_array<PropRecord>({
    {0, 166, -75}, {0, 357, -75}, {0, 548, -75}, {0, 1694, -75}, {0, 1917, -75}, {0, 2017, -75}, {0, 2909, 56},
    {0, 1438, -75}, {0, 2211, -75}, {0, 2311, -75}, {0, 2411, -75}, {0, 4281, -75}, {0, 4384, -75}, {0, 4487, -75},
    {0, 4760, -75}, {0, 2600, -56}, {0, 2909, -56}, {0, 3063, 56}, {0, 3166, 56}, {0, 3441, -75}, {0, 3544, -75},
    {0, 3063, -76}, {0, 1817, -75}, {0, 3647, -75}, {0, 3166, -76}, {0, 4178, -75}, {0, 4075, -75}, {0, 3269, -76},
    {0, 2806, -56}, {0, 2703, -56}, {0, 1566, -75}, {4, 310, 122}, {2, 1490, 122}, {4, 240, 262}, {8, 850, 132},
    {10, 890, 312}, {6, 4120, 152}, {2, 3510, 202}, {4, 4730, 132}, {4, 4560, 262}, {2, 2760, 322}, {6, 4250, 202},
});
static_assert(Stage2Props.size() == 42);

// Stage 3, spawn list: 1 record.
constexpr auto Stage3Spawns = std::to_array<SpawnRecord>({
    {17, 700, 160, 0},
});
static_assert(Stage3Spawns.size() == 1);

// Stage 3, prop list: 2 records.
constexpr auto Stage3Props = std::to_array<PropRecord>({
    {2, 122, 122}, {4, 419, 225},
});
static_assert(Stage3Props.size() == 2);

// Stage 4, spawn list: 66 records.
constexpr auto Stage4Spawns = std::to_array<SpawnRecord>({
    {6, 1840, Std, 0}, {1, 640, Std, 0}, {1, 898, Std, 0}, {1, 698, Std, 0}, {1, 748, Std, 0}, {1, 808, Std, 0},
    {1, 978, Std, 0}, {1, 1138, Std, 0}, {1, 1278, Std, 0}, {1, 1618, Std, 0}, {1, 1538, Std, 0}, {1, 1438, Std, 0},
    {1, 1722, Std, 0}, {1, 1812, 170, 0}, {1, 1582, 160, 0}, {1, 1582, 310, 0}, {1, 1722, 160, 0}, {1, 1652, 190, 0},
    {1, 1662, 290, 0}, {1, 1742, 300, 0}, {1, 1772, 220, 0}, {6, 1202, Std, 0}, {1, 1082, 140, 0}, {1, 1082, 330, 0},
    {1, 1402, Std, 0}, {1, 1362, 160, 0}, {1, 1372, 290, 0}, {1, 1272, 150, 0}, {1, 1492, 170, 0}, {1, 1492, 300, 0},
    {1, 1042, 170, 0}, {1, 1042, 300, 0}, {1, 1202, 310, 0}, {1, 22, Std, 1}, {1, 74, Std, 1}, {1, 234, Std, 1},
    {1, 364, Std, 1}, {1, 454, Std, 1}, {6, 564, Std, 1}, {1, 804, Std, 1}, {1, 984, Std, 1}, {1, 1064, Std, 1},
    {1, 1104, Std, 1}, {1, 1164, Std, 1}, {1, 1090, 210, 1}, {1, 990, 170, 1}, {1, 920, Std, 1}, {1, 910, 150, 1},
    {6, 770, Std, 1}, {1, 690, 160, 1}, {1, 590, Std, 1}, {1, 570, 160, 1}, {1, 510, Std, 1}, {1, 420, 160, 1},
    {1, 480, 150, 1}, {1, 1250, Std, 0}, {1, 1280, 310, 0}, {6, 1420, Std, 0}, {1, 1420, 320, 0}, {1, 860, Std, 1},
    {1, 150, Std, 1}, {1, 300, Std, 1}, {6, 210, Std, 1}, {1, 320, 300, 1}, {1, 364, 150, 1}, {1, 66, 290, 1},
});
static_assert(Stage4Spawns.size() == 66);

// Stage 4, prop list: 8 records.
constexpr auto Stage4Props = std::to_array<PropRecord>({
    {4, 330, 172}, {6, 430, 312}, {14, 760, 132}, {14, 810, 142}, {6, 1210, 152}, {6, 1180, 182}, {14, 1340, 272},
    {2, 1830, 332},
});
static_assert(Stage4Props.size() == 8);

// Stage 5, spawn list: 100 records.
constexpr auto Stage5Spawns = std::to_array<SpawnRecord>({
    {1, 1797, Std, 1}, {1, 516, Std, 1}, {1, 1563, Std, 1}, {1, 1709, Std, 1}, {1, 1376, Std, 1}, {1, 990, Std, 1},
    {1, 423, Std, 1}, {1, 20, Std, 1}, {1, 1034, Std, 1}, {6, 311, Std, 1}, {1, 684, Std, 1}, {1, 165, Std, 1},
    {6, 946, Std, 1}, {1, 1404, Std, 1}, {1, 1386, Std, 1}, {1, 1691, Std, 1}, {1, 48, Std, 1}, {1, 1783, Std, 1},
    {1, 1561, Std, 1}, {1, 601, Std, 1}, {1, 656, Std, 1}, {1, 1682, Std, 1}, {1, 189, Std, 1}, {1, 1491, Std, 1},
    {1, 1247, Std, 1}, {1, 1044, Std, 1}, {1, 1676, Std, 1}, {1, 1651, Std, 1}, {1, 1469, Std, 1}, {1, 1719, Std, 1},
    {1, 389, Std, 1}, {1, 1058, Std, 1}, {1, 1257, Std, 1}, {1, 1859, Std, 1}, {1, 777, Std, 1}, {1, 538, Std, 1},
    {1, 1491, Std, 1}, {1, 1383, Std, 1}, {1, 1016, Std, 1}, {6, 1124, Std, 1}, {1, 1725, Std, 0}, {1, 1707, Std, 0},
    {1, 1360, Std, 0}, {1, 2393, Std, 0}, {1, 1907, Std, 0}, {1, 2065, Std, 0}, {1, 1140, Std, 0}, {1, 2135, Std, 0},
    {1, 1383, Std, 0}, {4, 1754, Std, 0}, {1, 1791, Std, 0}, {1, 1758, Std, 0}, {1, 1715, Std, 0}, {1, 1909, Std, 0},
    {1, 847, Std, 0}, {1, 2378, Std, 0}, {1, 2022, Std, 0}, {1, 1030, Std, 0}, {1, 1990, Std, 0}, {1, 1196, Std, 0},
    {1, 1351, Std, 0}, {1, 1464, Std, 0}, {6, 1774, Std, 0}, {6, 1614, Std, 0}, {1, 1719, Std, 0}, {1, 1093, Std, 0},
    {1, 904, Std, 0}, {1, 2040, Std, 0}, {6, 2017, Std, 0}, {1, 665, Std, 0}, {1, 2275, Std, 0}, {1, 895, Std, 0},
    {1, 895, Std, 0}, {1, 994, Std, 0}, {1, 1906, Std, 0}, {1, 1780, Std, 0}, {1, 1349, Std, 0}, {1, 728, Std, 0},
    {4, 2422, Std, 0}, {1, 949, Std, 0}, {1, 1475, Std, 0}, {1, 1174, Std, 0}, {6, 783, Std, 0}, {1, 2461, Std, 0},
    {1, 2442, Std, 0}, {1, 1501, Std, 0}, {1, 2516, Std, 0}, {1, 2138, Std, 0}, {1, 1696, Std, 0}, {1, 2375, Std, 0},
    {1, 1697, Std, 0}, {6, 2268, Std, 0}, {1, 1207, Std, 0}, {1, 2246, Std, 0}, {1, 1951, Std, 0}, {1, 1669, Std, 0},
    {1, 1455, Std, 0}, {1, 868, Std, 0}, {1, 1355, Std, 0}, {1, 2082, Std, 0},
});
static_assert(Stage5Spawns.size() == 100);

// Stage 5, prop list: 10 records.
constexpr auto Stage5Props = std::to_array<PropRecord>({
    {12, 430, 142}, {12, 390, 332}, {12, 560, 142}, {12, 520, 332}, {12, 980, 142}, {12, 1110, 142}, {12, 1420, 322},
    {12, 1550, 142}, {12, 1970, 142}, {12, 1940, 322},
});
static_assert(Stage5Props.size() == 10);

// Stage 6, spawn list: 100 records.
constexpr auto Stage6Spawns = std::to_array<SpawnRecord>({
    {6, 4200, Std, 0}, {1, 658, Std, 0}, {6, 74, Std, 1}, {1, 862, Std, 0}, {1, 1132, Std, 0}, {1, 1152, Std, 0},
    {1, 1356, Std, 0}, {6, 1818, Std, 0}, {1, 1818, 290, 0}, {1, 2128, Std, 0}, {1, 2462, Std, 0}, {1, 2462, 150, 0},
    {1, 2680, 180, 0}, {1, 2682, Std, 0}, {1, 2832, Std, 0}, {6, 2984, Std, 0}, {1, 3248, Std, 0}, {1, 3248, 310, 0},
    {6, 3248, Std, 0}, {1, 3532, Std, 0}, {1, 3732, Std, 0}, {1, 4112, Std, 0}, {1, 4112, 160, 0}, {1, 4112, 300, 0},
    {1, 4350, 130, 0}, {6, 4350, Std, 0}, {1, 4350, 260, 0}, {1, 4350, 310, 0}, {1, 3870, Std, 0}, {1, 3390, Std, 0},
    {6, 3620, Std, 0}, {1, 3050, Std, 0}, {1, 3140, Std, 0}, {1, 1680, Std, 0}, {1, 1540, Std, 0}, {1, -16, Std, 1},
    {1, -16, 160, 1}, {1, -16, 310, 1}, {1, 444, Std, 1}, {6, 544, Std, 1}, {1, 744, Std, 1}, {1, 924, Std, 1},
    {1, 924, 140, 1}, {1, 1274, Std, 1}, {1, 1014, Std, 1}, {1, 1574, Std, 1}, {6, 1584, Std, 1}, {1, 1604, 310, 1},
    {1, 1754, Std, 1}, {1, 1864, Std, 1}, {1, 1864, 170, 1}, {1, 2004, Std, 1}, {1, 2004, 160, 1}, {1, 2004, 310, 1},
    {6, 2364, Std, 1}, {1, 2574, Std, 1}, {1, 2884, Std, 1}, {1, 3184, Std, 1}, {1, 3434, Std, 1}, {1, 3434, 150, 1},
    {1, 3434, 280, 1}, {1, 3674, 150, 1}, {1, 3664, Std, 1}, {1, 3654, 300, 1}, {1, 3754, 190, 1}, {1, 3754, Std, 1},
    {1, 410, Std, 1}, {1, 680, Std, 1}, {6, 810, Std, 1}, {1, 514, Std, 1}, {1, 1174, 150, 1}, {1, 1174, Std, 1},
    {1, 1494, 300, 1}, {1, 1488, 150, 0}, {1, 1698, 160, 0}, {1, 1888, 310, 0}, {1, 1758, 290, 0}, {1, 1968, Std, 0},
    {1, 2168, 160, 1}, {1, 2168, Std, 1}, {6, 2438, 155, 1}, {1, 2368, 310, 1}, {1, 2588, 150, 0}, {1, 2638, Std, 0},
    {1, 2778, Std, 0}, {1, 2738, 290, 1}, {1, 3028, 140, 1}, {6, 3208, Std, 0}, {1, 3368, 190, 0}, {1, 3608, Std, 0},
    {1, 3898, Std, 0}, {1, 4328, 180, 0}, {1, 4028, 140, 0}, {1, 4008, Std, 0}, {6, 4058, Std, 0}, {1, 4248, 180, 0},
    {1, 3558, 140, 1}, {1, 3558, 290, 1}, {1, 3628, 140, 0}, {1, 700, 0, 0},
});
static_assert(Stage6Spawns.size() == 100);

// Stage 6, prop list: 19 records.
constexpr auto Stage6Props = std::to_array<PropRecord>({
    {0, 693, -75}, {0, 821, -75}, {0, 1928, -75}, {0, 2591, -75}, {0, 2687, -75}, {4, 750, 122}, {6, 1434, 262},
    {2, 1924, 122}, {8, 2324, 272}, {8, 2234, 292}, {6, 2944, 132}, {6, 2984, 132}, {4, 3524, 132}, {8, 3794, 312},
    {8, 4204, 132}, {4, 3974, 172}, {4, 350, 222}, {4, 330, 292}, {4, 370, 152},
});
static_assert(Stage6Props.size() == 19);

// Stage 7, spawn list: 100 records.
constexpr auto Stage7Spawns = std::to_array<SpawnRecord>({
    {17, 635, Std, 0}, {1, 727, Std, 1}, {1, 1183, Std, 1}, {1, 326, Std, 1}, {1, 322, Std, 1}, {6, 47, Std, 1},
    {1, 173, Std, 1}, {1, 833, Std, 1}, {1, 811, Std, 1}, {1, 310, Std, 1}, {6, 402, Std, 1}, {1, 708, Std, 1},
    {6, 829, 245, 1}, {1, 58, Std, 1}, {4, 821, Std, 1}, {6, 524, Std, 1}, {1, 70, Std, 1}, {1, 423, Std, 1},
    {1, 1096, Std, 1}, {1, 966, Std, 1}, {1, 981, Std, 1}, {1, 1056, Std, 1}, {4, 745, Std, 1}, {1, 1063, Std, 1},
    {1, 396, Std, 1}, {1, 546, Std, 1}, {6, 1103, Std, 0}, {1, 32, Std, 1}, {1, 310, Std, 1}, {1, 997, Std, 1},
    {1, 562, Std, 1}, {1, 755, Std, 1}, {1, 225, Std, 1}, {1, 437, Std, 1}, {1, 320, Std, 1}, {1, 503, Std, 1},
    {1, 1188, Std, 1}, {1, 871, Std, 1}, {1, 949, Std, 1}, {1, 727, Std, 1}, {1, 829, Std, 0}, {1, 1529, Std, 0},
    {1, 1329, Std, 0}, {1, 881, Std, 0}, {6, 1187, Std, 0}, {6, 1517, Std, 0}, {1, 1689, Std, 0}, {1, 1141, Std, 0},
    {1, 1635, Std, 0}, {1, 1153, Std, 0}, {1, 701, Std, 0}, {1, 1344, Std, 0}, {1, 1129, Std, 0}, {6, 1858, Std, 0},
    {1, 1419, Std, 0}, {1, 1192, Std, 0}, {1, 1235, Std, 0}, {1, 1538, Std, 0}, {1, 1446, Std, 0}, {1, 1256, Std, 0},
    {1, 990, Std, 0}, {1, 1494, Std, 0}, {1, 964, Std, 0}, {1, 1734, Std, 0}, {1, 1718, Std, 0}, {1, 1208, Std, 0},
    {1, 976, Std, 0}, {1, 1128, Std, 0}, {1, 1743, Std, 0}, {1, 820, Std, 0}, {1, 1815, Std, 0}, {1, 669, Std, 0},
    {1, 1336, Std, 0}, {1, 853, Std, 0}, {1, 1339, Std, 0}, {1, 1871, Std, 0}, {1, 1365, Std, 0}, {1, 1276, Std, 0},
    {1, 914, Std, 0}, {1, 864, Std, 0}, {1, 741, Std, 0}, {1, 1733, Std, 0}, {1, 778, Std, 0}, {1, 1652, Std, 0},
    {1, 666, Std, 0}, {1, 899, Std, 0}, {1, 1824, Std, 0}, {1, 1231, Std, 0}, {1, 1594, Std, 0}, {1, 1298, Std, 0},
    {1, 1497, Std, 0}, {1, 859, Std, 0}, {1, 1740, Std, 0}, {1, 917, Std, 0}, {1, 1543, Std, 0}, {1, 1378, Std, 0},
    {1, 666, Std, 0}, {1, 1362, Std, 0}, {1, 1860, Std, 0}, {1, 812, Std, 0},
});
static_assert(Stage7Spawns.size() == 100);

// Stage 7, prop list: 10 records.
constexpr auto Stage7Props = std::to_array<PropRecord>({
    {20, 1070, 120}, {6, 1810, 132}, {14, 1790, 312}, {14, 1820, 332}, {4, 1790, 162}, {20, 1052, 120}, {20, 1034, 120},
    {20, 1249, 120}, {20, 1267, 120}, {20, 1285, 120},
});
static_assert(Stage7Props.size() == 10);

// Stage 8, spawn list: 1 record.
constexpr auto Stage8Spawns = std::to_array<SpawnRecord>({
    {11, 1100, 262, 0},
});
static_assert(Stage8Spawns.size() == 1);

// Stage 8, prop list: 6 records.
constexpr auto Stage8Props = std::to_array<PropRecord>({
    {4, 160, 152}, {6, 250, 332}, {6, 560, 132}, {14, 460, 322}, {14, 410, 332}, {4, 110, 282},
});
static_assert(Stage8Props.size() == 6);

// Stage 9, spawn list: 2 records.
constexpr auto Stage9Spawns = std::to_array<SpawnRecord>({
    {17, 540, 120, 0}, {17, 520, 230, 0},
});
static_assert(Stage9Spawns.size() == 2);

// Stage 9, prop list: 20 records.
constexpr auto Stage9Props = std::to_array<PropRecord>({
    {14, 0, 332}, {16, 380, 140}, {18, 436, 140}, {20, 280, 212}, {20, 320, 212}, {20, 360, 212}, {20, 400, 212},
    {20, 440, 212}, {20, 480, 212}, {22, 265, 230}, {22, 320, 230}, {22, 375, 230}, {22, 430, 230}, {22, 485, 230},
    {20, 270, 238}, {20, 310, 247}, {20, 350, 238}, {20, 390, 238}, {20, 431, 238}, {20, 470, 238},
});
static_assert(Stage9Props.size() == 20);

// Stage 10, spawn list: 100 records.
constexpr auto Stage10Spawns = std::to_array<SpawnRecord>({
    {11, 1971, Std, 1}, {1, 2934, Std, 1}, {11, 2560, Std, 1}, {1, 2536, Std, 1}, {1, 3758, Std, 1}, {11, 4499, Std, 1},
    {1, 2135, Std, 1}, {6, 3936, Std, 1}, {11, 954, Std, 1}, {6, 2371, Std, 1}, {1, 1705, Std, 1}, {1, 3095, Std, 1},
    {11, 2136, Std, 1}, {1, 211, Std, 1}, {4, 3380, Std, 1}, {1, 1198, Std, 1}, {11, 1884, Std, 1}, {1, 1835, Std, 1},
    {11, 2227, Std, 1}, {1, 1832, Std, 1}, {11, 2387, Std, 1}, {1, 143, Std, 1}, {1, 56, Std, 1}, {1, 4575, Std, 1},
    {11, 3685, Std, 1}, {6, 429, Std, 1}, {6, 2756, Std, 1}, {1, 3532, Std, 1}, {11, 4496, Std, 1}, {11, 3550, Std, 1},
    {1, 2875, Std, 1}, {6, 1503, Std, 1}, {1, 1997, Std, 1}, {4, 787, Std, 1}, {1, 3014, Std, 1}, {1, 2881, Std, 1},
    {11, 346, Std, 1}, {1, 3856, Std, 1}, {11, 2039, Std, 1}, {6, 2534, Std, 1}, {4, 1885, Std, 0}, {4, 1943, Std, 1},
    {6, 735, Std, 0}, {1, 2866, Std, 0}, {1, 1351, Std, 0}, {11, 2822, Std, 0}, {1, 4826, Std, 0}, {11, 5062, Std, 0},
    {11, 4021, Std, 0}, {1, 1968, Std, 0}, {6, 3095, Std, 0}, {1, 1727, Std, 0}, {11, 716, Std, 0}, {11, 4498, Std, 0},
    {1, 2745, Std, 0}, {1, 2865, Std, 0}, {11, 3235, Std, 0}, {1, 1293, Std, 0}, {4, 2585, Std, 0}, {1, 1605, Std, 0},
    {11, 701, Std, 0}, {11, 4445, Std, 0}, {6, 3629, Std, 0}, {1, 4192, Std, 0}, {11, 1704, Std, 0}, {11, 4597, Std, 0},
    {1, 1506, Std, 0}, {11, 1450, Std, 0}, {1, 4625, Std, 0}, {11, 5340, Std, 0}, {1, 736, Std, 0}, {6, 4825, Std, 0},
    {1, 1136, Std, 0}, {6, 1144, Std, 0}, {1, 4101, Std, 0}, {11, 2139, Std, 0}, {1, 4206, Std, 0}, {17, 5359, Std, 0},
    {1, 3626, Std, 0}, {11, 3280, Std, 0}, {1, 4058, Std, 0}, {4, 2856, Std, 0}, {1, 958, Std, 0}, {6, 1776, Std, 0},
    {1, 3175, Std, 0}, {1, 4787, Std, 0}, {11, 1186, Std, 0}, {1, 1901, Std, 0}, {11, 4869, Std, 0}, {1, 2238, Std, 0},
    {1, 825, Std, 0}, {11, 2838, Std, 0}, {1, 2545, Std, 0}, {1, 2269, Std, 0}, {11, 4270, Std, 0}, {1, 2600, Std, 0},
    {11, 2914, Std, 0}, {1, 2625, Std, 0}, {11, 4867, Std, 0}, {1, 773, Std, 0},
});
static_assert(Stage10Spawns.size() == 100);

// Stage 10, prop list: 22 records.
constexpr auto Stage10Props = std::to_array<PropRecord>({
    {4, 300, 132}, {8, 630, 262}, {8, 540, 322}, {10, 930, 132}, {10, 1170, 222}, {6, 1570, 132}, {8, 1880, 342},
    {10, 2020, 202}, {10, 2410, 312}, {8, 2650, 132}, {8, 2730, 122}, {8, 2790, 162}, {10, 2720, 152}, {4, 3100, 162},
    {4, 3354, 312}, {6, 3574, 122}, {6, 3604, 152}, {8, 3784, 122}, {10, 4144, 222}, {10, 4634, 152}, {10, 5314, 302},
    {8, 5224, 132},
});
static_assert(Stage10Props.size() == 22);

// Stage 11, spawn list: 1 record.
constexpr auto Stage11Spawns = std::to_array<SpawnRecord>({
    {11, 1200, 0, 0},
});
static_assert(Stage11Spawns.size() == 1);

// Stage 11, prop list: 6 records.
constexpr auto Stage11Props = std::to_array<PropRecord>({
    {10, 550, 150}, {8, 390, 132}, {8, 410, 162}, {4, 510, 172}, {4, 280, 322}, {4, 150, 142},
});
static_assert(Stage11Props.size() == 6);

// Stage 16, spawn list: 0 records.
constexpr std::array<SpawnRecord, 0> Stage16Spawns{};

// Stage 16, prop list: 21 records.
constexpr auto Stage16Props = std::to_array<PropRecord>({
    {14, 480, 132}, {14, 530, 132}, {14, 580, 132}, {14, 460, 162}, {14, 510, 162}, {14, 560, 162}, {14, 420, 202},
    {14, 530, 202}, {14, 450, 292}, {14, 500, 292}, {14, 470, 332}, {14, 570, 312}, {6, 170, 132}, {6, 280, 132},
    {6, 250, 162}, {6, 100, 312}, {4, 170, 212}, {10, 200, 222}, {4, 240, 212}, {4, 220, 252}, {4, 240, 282},
});
static_assert(Stage16Props.size() == 21);

// Stage 21, spawn list: 2 records.
constexpr auto Stage21Spawns = std::to_array<SpawnRecord>({
    {17, 700, 140, 0}, {17, 999, 180, 0},
});
static_assert(Stage21Spawns.size() == 2);

// Stage 21, prop list: 4 records.
constexpr auto Stage21Props = std::to_array<PropRecord>({
    {8, 572, 115}, {4, 440, 182}, {4, 420, 232}, {4, 400, 282},
});
static_assert(Stage21Props.size() == 4);

// ---------------------------------------------------------------- the blocks
struct Block {
    int32_t stageNumber;
    const SpawnRecord* spawns;
    int32_t spawnCount;
    const PropRecord* props;
    int32_t propCount;
};

template <size_t S, size_t P>
constexpr Block MakeBlock(int32_t stageNumber, const std::array<SpawnRecord, S>& spawns,
                          const std::array<PropRecord, P>& props) {
    return Block{stageNumber, spawns.data(), static_cast<int32_t>(S), props.data(), static_cast<int32_t>(P)};
}

constexpr Block Blocks[] = {
    MakeBlock(1, Stage1Spawns, Stage1Props),   MakeBlock(2, Stage2Spawns, Stage2Props),
    MakeBlock(3, Stage3Spawns, Stage3Props),   MakeBlock(4, Stage4Spawns, Stage4Props),
    MakeBlock(5, Stage5Spawns, Stage5Props),   MakeBlock(6, Stage6Spawns, Stage6Props),
    MakeBlock(7, Stage7Spawns, Stage7Props),   MakeBlock(8, Stage8Spawns, Stage8Props),
    MakeBlock(9, Stage9Spawns, Stage9Props),   MakeBlock(10, Stage10Spawns, Stage10Props),
    MakeBlock(11, Stage11Spawns, Stage11Props), MakeBlock(16, Stage16Spawns, Stage16Props),
    MakeBlock(21, Stage21Spawns, Stage21Props),
};
constexpr int32_t BlockCount = static_cast<int32_t>(std::size(Blocks));
static_assert(BlockCount == 13);

constexpr int32_t SpawnValues = 4;
constexpr int32_t PropValues = 3;

constexpr int32_t BlockLength(const Block& b) {
    return (b.spawnCount + 1) * SpawnValues + (b.propCount + 1) * PropValues;
}

constexpr int32_t TotalLength() {
    int32_t n = 0;
    for (const Block& b : Blocks) n += BlockLength(b);
    return n;
}
static_assert(TotalLength() == StageDataLength);

constexpr std::array<int32_t, StageDataLength> BuildStageData() {
    std::array<int32_t, StageDataLength> data{};
    size_t n = 0;
    for (const Block& b : Blocks) {
        for (int32_t i = 0; i < b.spawnCount; ++i) {
            const SpawnRecord& r = b.spawns[i];
            data[n++] = r.kind;
            data[n++] = r.x;
            data[n++] = r.y == Std ? StandardY(r.kind) : r.y;
            data[n++] = r.side;
        }
        for (int32_t i = 0; i < SpawnValues; ++i) data[n++] = -1;
        for (int32_t i = 0; i < b.propCount; ++i) {
            const PropRecord& r = b.props[i];
            data[n++] = r.frame;
            data[n++] = r.x;
            data[n++] = r.y;
        }
        for (int32_t i = 0; i < PropValues; ++i) data[n++] = -1;
    }
    return data;
}

// The position of a stage's block in StageData, or -1.
int32_t BlockStart(int32_t stageNumber, int32_t* spawnCount) {
    int32_t start = 0;
    for (const Block& b : Blocks) {
        if (b.stageNumber == stageNumber) {
            *spawnCount = b.spawnCount;
            return start;
        }
        start += BlockLength(b);
    }
    return -1;
}

// The value at the cursor, and the cursor one further. Past the end (which
// every list's terminator keeps the loaders from reaching) it reads the
// terminator's value.
int32_t ReadValue(const int32_t* data, int32_t length) {
    if (DataReadCursor < 0 || DataReadCursor >= length) return -1;
    return data[DataReadCursor++];
}

}  // namespace

constinit const std::array<int32_t, StageDataLength> StageData = BuildStageData();

int32_t StageSpawnListStart(int32_t stageNumber) {
    int32_t spawns = 0;
    return BlockStart(stageNumber, &spawns);
}

int32_t StagePropListStart(int32_t stageNumber) {
    int32_t spawns = 0;
    const int32_t start = BlockStart(stageNumber, &spawns);
    if (start < 0) return -1;
    return start + (spawns + 1) * SpawnValues;
}

void LoadStageSpawnTable() {
    EmptySpawnEntryTable();
    DataReadCursor = StageSpawnListStart(StageNumber);
    if (DataReadCursor < 0) return;
    int32_t stored = 0;
    for (;;) {
        const int32_t kind = ReadValue(StageData.data(), StageDataLength);
        const int32_t x = ReadValue(StageData.data(), StageDataLength);
        const int32_t y = ReadValue(StageData.data(), StageDataLength);
        const int32_t side = ReadValue(StageData.data(), StageDataLength);
        if (kind > -1) {
            SpawnEntryKind[stored] = kind;
            SpawnEntryX[stored] = x;
            SpawnEntryY[stored] = y;
            SpawnEntrySide[stored] = side;
            ++stored;
        }
        if (stored == SpawnEntrySlots || kind == -1) return;
    }
}

void LoadStageDestructables() {
    EmptyPropTable();
    ReadPropList(StageData.data(), StageDataLength, StagePropListStart(StageNumber));
}

void ReadPropList(const int32_t* data, int32_t length, int32_t start) {
    DataReadCursor = start;
    if (DataReadCursor < 0) return;
    int32_t slot = 0;
    for (;;) {
        const int32_t frame = ReadValue(data, length);
        const int32_t x = ReadValue(data, length);
        const int32_t y = ReadValue(data, length);
        if (frame == -1) return;
        if (frame > -1) {
            // The table has 50 slots; a longer list stops there.
            if (slot == PropSlots) return;
            PropFrame[slot] = frame;
            PropX[slot] = x;
            PropY[slot] = y;
            ++slot;
        }
    }
}
