// Section backgrounds out in the streets: the gas-station street, the
// warehouse street, the two alleys, and the steel mill.
#include <algorithm>

#include "generators.h"
#include "glyphs.h"
#include "scene.h"

namespace dg {
namespace {

struct Street {
    int width;
    std::vector<Span> gaps;             // wall gaps (hero x + 15)
    std::vector<double> shops;          // shop-window panes at (x, 135)
    std::vector<double> pools;          // light pools; lamp at x + 60
    std::vector<double> highWindows;    // glass props along the upper floors (56 wide)
    std::vector<double> recesses;       // sniper posts (57 px cells)
    std::vector<Rgb> walls;
    bool brick;
    bool warehouse;
};

bool NearWindow(const Street& st, double a, double b) {
    for (double x : st.highWindows)
        if (x + 56 > a - 20 && x < b + 20) return true;
    return false;
}

void ClearRect(Layer& L, double x, double y, double w, double h) {
    cairo_save(L.cr);
    cairo_set_operator(L.cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(L.cr, x, y, w, h);
    cairo_fill(L.cr);
    cairo_restore(L.cr);
}

// The street's buildings: tall ones wherever glass props hang along the
// upper floors, lower ones between them with the night sky above.
struct Building {
    double x0, x1;
    bool tall;
};

std::vector<Building> PlanBuildings(const Street& st, Rng& r) {
    // Stretches that must stand tall: each window prop and a margin.
    std::vector<Span> tall;
    std::vector<double> xs = st.highWindows;
    std::sort(xs.begin(), xs.end());
    for (double x : xs) {
        Span s{x - 34, x + 56 + 34};
        if (!tall.empty() && s.a <= tall.back().b + 90) tall.back().b = std::max(tall.back().b, s.b);
        else tall.push_back(s);
    }
    std::vector<Building> out;
    double x = -20;
    size_t next = 0;
    while (x < st.width) {
        while (next < tall.size() && tall[next].b <= x) ++next;
        const bool inTall = next < tall.size() && tall[next].a <= x;
        double end = x + r.Range(200, 420);
        if (inTall) {
            if (tall[next].b - end < 60) end = tall[next].b;
        } else if (next < tall.size()) {
            if (tall[next].a - x < 60) {
                // Too narrow for a building of its own: the tall one starts here.
                out.push_back({x, std::min<double>(tall[next].b, st.width + 20), true});
                x = out.back().x1;
                continue;
            }
            if (end > tall[next].a || tall[next].a - end < 60) end = tall[next].a;
        }
        out.push_back({x, std::min<double>(end, st.width + 20), inTall});
        x = out.back().x1;
    }
    return out;
}

// Water tanks, roof huts and aerials on a low roof, dark against the sky.
void Rooftop(Layer& L, double x0, double x1, double top, Rng& r) {
    const Rgb dark = Hex(0x15161C), rim = Hex(0x2A2C34), o = Hex(0x0A0A0E);
    L.Rect(x0, top - 6, x1 - x0, 6);  // parapet
    L.StrokeKeep(o, 1.5);
    L.Fill(rim);
    if (x1 - x0 > 120 && r.Chance(0.6)) {
        const double tx = x0 + r.Range(20, x1 - x0 - 60), th = r.Range(22, 34);
        for (double lx : {tx + 4, tx + 30}) L.Line(lx, top - 6, lx, top - 16, dark, 3);
        L.Rect(tx, top - 16 - th, 34, th);
        L.StrokeKeep(o, 1.5);
        L.FillGradient(tx, 0, tx + 34, 0, Hex(0x3A3028), dark);
        L.Poly({tx - 2, top - 16 - th, tx + 17, top - 26 - th, tx + 36, top - 16 - th});
        L.StrokeKeep(o, 1.5);
        L.Fill(dark);
        for (double by = top - 12 - th; by < top - 16; by += 7) L.Line(tx, by, tx + 34, by, Hex(0x241E1A), 1);
    }
    if (x1 - x0 > 90 && r.Chance(0.5)) {
        const double hx = x0 + r.Range(10, x1 - x0 - 50);
        L.Rect(hx, top - 24, 36, 18);
        L.StrokeKeep(o, 1.5);
        L.Fill(dark);
        L.Rect(hx + 24, top - 20, 7, 14);
        L.Fill(Hex(0x3A2E22));
    }
    if (r.Chance(0.7)) {
        const double ax = x0 + r.Range(10, x1 - x0 - 10), ah = r.Range(20, 40);
        L.Line(ax, top - 6, ax, top - 6 - ah, rim, 1.5);
        L.Line(ax - 8, top - 6 - ah * 0.7, ax + 8, top - 6 - ah * 0.7, rim, 1.2);
        L.Ellipse(ax, top - 7 - ah, 1.5, 1.5);
        L.Fill(Hex(0xB02018));
    }
}

void BuildStreet(Sheet& s, Rng& r, const Street& st, Layer& L) {
    int k = 0;
    for (const Building& b : PlanBuildings(st, r)) {
        const double x = b.x0, w = b.x1 - b.x0;
        // Low roofs stay above the wall lamps and the shop signs (y 112).
        const double top = b.tall ? 0 : r.Range(74, 104);
        Rgb wall = st.walls[k % st.walls.size()];
        // No sign where a gap, a shop front or a sniper's recess will cover
        // part of the ground floor.
        bool busy = false;
        auto overlaps = [&](double a, double b) { busy = busy || (b > x && a < x + w); };
        for (const Span& g : st.gaps) overlaps(g.a - 10, g.b + 10);
        for (double sx : st.shops) overlaps(sx - 10, sx + 130);
        for (double rx : st.recesses) overlaps(rx - 6, rx + 63);
        Facade(L, x, x + w, top, wall, Mix(wall, Rgb{200, 200, 200}, 0.25), r, st.brick, !busy);
        if (!b.tall) Rooftop(L, x, x + w, top, r);
        // Ground floor: doors and, for warehouses, loading doors.
        if (st.warehouse && w > 240) RollerDoor(L, x + w * 0.35, 90, 140);
        else {
            L.Rect(x + w * 0.6, 168, 26, 69);
            L.StrokeKeep(Hex(0x0A0A0E), 2);
            L.Fill(Hex(0x2A1E18));
        }
        L.Line(x, top, x, kWallFoot, Hex(0x0A0A0E), 2);  // corners between buildings
        L.Line(x + w, top, x + w, kWallFoot, Hex(0x0A0A0E), 2);
        ++k;
    }
    // Gaps: an opening to a side street, or an archway under upper floors.
    for (const Span& g : st.gaps) {
        double a = g.a - 10, b = std::min<double>(g.b + 10, st.width + 10);
        if (NearWindow(st, a, b)) {
            Archway(L, a, b, 96);
        } else {
            ClearRect(L, a, 0, b - a, 176);
            if (b - a > 200) {
                // A yard behind a low wall and a fence, the city beyond.
                ClearRect(L, a, 0, b - a, 200);
                L.Rect(a, 200, b - a, 37);
                L.FillGradient(0, 200, 0, 237, Hex(0x4A3A32), Hex(0x2E2420));
                for (double fx = a; fx < b; fx += 12) L.Line(fx, 200, fx, 204, Hex(0x1E1A18), 1);
                for (double fx = a + 10; fx < b; fx += 48) L.Line(fx, 160, fx, 200, Hex(0x3A3C40), 3);
                L.Line(a, 164, b, 164, Hex(0x3A3C40), 2);
                for (double fx = a; fx < b; fx += 6) {
                    L.Line(fx, 164, fx + 6, 200, Hex(0x2E3034), 0.8);
                    L.Line(fx + 6, 164, fx, 200, Hex(0x2E3034), 0.8);
                }
            } else {
                SideStreet(L, a, b, 176, r);
            }
            L.Rect(a - 3, 0, 6, kWallFoot);  // building corners
            L.Fill(Hex(0x121218));
            L.Rect(b - 3, 0, 6, kWallFoot);
            L.Fill(Hex(0x121218));
        }
    }
    for (double sx : st.shops) ShopWindow(L, sx, r);
    for (double p : st.pools) WallLamp(L, p + 60);
    for (double rx : st.recesses) Recess(L, rx + 28, 54, 150);
    StreetFloor(L, 0, st.width, r);
    (void)s;
}

void GasStation(Layer& L, double x0, double x1) {
    // Canopy on pillars, pumps, a kiosk with a lit window.
    const Rgb o = Hex(0x0A0A0E);
    L.Rect(x0 + 60, 96, x1 - x0 - 120, 22);
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 96, 0, 118, Hex(0xE8E8E0), Hex(0x9A9A90));
    L.Rect(x0 + 60, 110, x1 - x0 - 120, 6);
    L.Fill(Hex(0xC02020));
    for (double px = x0 + 100; px < x1 - 80; px += 160) {
        L.Rect(px, 118, 10, 119);
        L.StrokeKeep(o, 1.5);
        L.Fill(Hex(0xB0B0A8));
        L.Rect(px + 30, 190, 22, 47);
        L.StrokeKeep(o, 1.5);
        L.Fill(Hex(0xC03030));
        L.Rect(px + 34, 196, 14, 10);
        L.Fill(Hex(0x90E0A0));
    }
    L.Rect(x1 - 130, 150, 110, 87);
    L.StrokeKeep(o, 2);
    L.Fill(Hex(0x8A8478));
    L.Rect(x1 - 120, 162, 60, 36);
    L.Fill(Hex(0xE0D090));
    Layer* T = &L;
    BlockText(*T, "FUEL", x0 + 80, 100, 2, 1);
    T->Fill(Hex(0x202020));
}

void GasStationStrip(Sheet& s, Rng& r) {
    Street st;
    st.width = 5400;
    st.gaps = {{164, 218}, {496, 646}, {1746, 1800}, {2172, 2247}, {2487, 2572}, {2773, 2869},
               {3339, 3687}, {3901, 3955}, {4041, 4618}, {4668, 4722}, {4772, 5192}, {5242, 5420}};
    st.shops = {20, 1571, 1979};
    st.pools = {130, 1711, 3867, 4634};
    st.highWindows = {35, 163, 291, 514, 642, 770, 961, 1801, 1929, 2057, 2269, 2405, 3047, 3175, 3708, 3836, 3964,
                      3452, 3580, 4667};
    st.walls = {Hex(0x5A4A44), Hex(0x4A4E5A), Hex(0x6A5040), Hex(0x44484C)};
    st.brick = true;
    st.warehouse = false;
    Layer L(5400, 480);
    BuildStreet(s, r, st, L);
    GasStation(L, 4590, 5244);
    FinishStrip(L, s, r, 0.1);
    ShadeUnderCaption(s);
}

void WarehouseStrip(Sheet& s, Rng& r) {
    Street st;
    st.width = 4800;
    st.gaps = {{69, 144},   {647, 695},   {866, 1401},  {1567, 1621}, {2088, 2135}, {2459, 2513},
               {2986, 3031}, {3366, 3408}, {3545, 3599}, {3744, 4034}, {4241, 4377}, {4584, 4721}};
    st.shops = {1423, 1645, 2305, 2629};
    st.pools = {606, 1533, 2424, 3511, 4217, 4278};
    st.highWindows = {166,  357,  548,  1438, 1566, 1694, 1817, 1917, 2017, 2211, 2311, 2411, 3441, 3544, 3647, 4075,
                      4178, 4281, 4384, 4487, 4760, 3063, 3166, 3269, 2600, 2703, 2806, 2909};
    st.recesses = {2856, 3269, 4075, 4178, 4383, 4487};
    st.walls = {Hex(0x6A3A2C), Hex(0x5A3428), Hex(0x4A4038)};
    st.brick = true;
    st.warehouse = true;
    Layer L(4800, 480);
    BuildStreet(s, r, st, L);
    // Mid-wall window props at screen y 130..189: a plain wall band behind them.
    for (double x : {2909.0, 3063.0, 3166.0}) {
        L.Rect(x - 6, 124, 68, 72);
        L.StrokeKeep(Hex(0x0A0A0E), 1.5);
        L.Fill(Hex(0x4A3028));
    }
    FinishStrip(L, s, r, 0.1);
    ShadeUnderCaption(s);
}

// A neon sign on a dark board: `word` in tubes of colour `neon`, with a glow.
void NeonSign(Layer& L, const char* word, double x, double y, double px, Rgb neon) {
    const double w = BlockTextWidth(word, px) + 4 * px, h = 7 * px + 4 * px;
    L.Rect(x, y, w, h);
    L.StrokeKeep(Hex(0x0A0A0E), 2);
    L.Fill(Hex(0x16161C));
    BlockText(L, word, x + 2 * px, y + 2 * px, px);
    L.StrokeKeep(neon, px * 1.6, 0.25);  // the glow around the tubes
    L.Fill(Mix(neon, kWhite, 0.35));
    L.Line(x + w * 0.3, y, x + w * 0.3, y - 8, Hex(0x2A2C30), 2);  // hangers
    L.Line(x + w * 0.7, y, x + w * 0.7, y - 8, Hex(0x2A2C30), 2);
}

void AlleyBase(Layer& L, Rng& r, bool billboard) {
    // Brick walls of a narrow alley; open mouth on the left, a doorway at 153..203.
    Facade(L, 0, 640, 0, Hex(0x5A3A30), Hex(0x6A5A50), r, true, false);
    ClearRect(L, 0, 0, 96, 176);
    SideStreet(L, -10, 96, 176, r);
    L.Rect(93, 0, 6, kWallFoot);
    L.Fill(Hex(0x121218));
    Recess(L, 178, 60, 140);
    WallLamp(L, 179);
    // The loan shop's sign hangs over its door, clear of the frame and the lamp.
    NeonSign(L, "LOANS", 178 - (BlockTextWidth("LOANS", 3) + 12) / 2, 74, 3, Hex(0xFF4080));
    // Fire escape.
    for (int k = 0; k < 3; ++k) {
        double y = 30 + k * 50;
        L.Rect(300, y, 140, 4);
        L.Fill(Hex(0x2A2C30));
        for (int j = 0; j < 8; ++j) L.Line(300 + j * 20, y, 300 + j * 20, y - 14, Hex(0x2A2C30), 1.5);
    }
    if (billboard) {
        // Hung below the heads-up display's rows, lit by lamps on its top edge.
        const double top = 56, bottom = 184;
        for (double x = 270; x < 600; x += 50) L.Line(x, bottom, x, kWallFoot - 8, Hex(0x2A2C30), 3);
        L.Rect(250, top, 360, bottom - top);
        L.StrokeKeep(Hex(0x0A0A0E), 3);
        L.FillGradient(250, top, 610, bottom, Hex(0x24407A), Hex(0x7A2452));
        BlockText(L, "NEW CITY", 290, top + 22, 6, 1);
        L.Fill(Hex(0xF0E8D0));
        BlockText(L, "TOMORROW", 290, top + 80, 5, 1);
        L.Fill(Hex(0xF0C040));
        for (double x = 270; x < 600; x += 50) {
            L.Line(x, top, x + 6, top - 8, Hex(0x2A2C30), 2);
            L.Ellipse(x + 8, top - 8, 5, 2.5);
            L.Fill(Hex(0xE0E0C0));
        }
    }
    StreetFloor(L, 0, 640, r);
}

void AlleyStrip(Sheet& s, Rng& r) {
    Layer L(640, 480);
    AlleyBase(L, r, false);
    FinishStrip(L, s, r, 0.12);
}

void AlleyBoardStrip(Sheet& s, Rng& r) {
    Layer L(640, 480);
    AlleyBase(L, r, true);
    FinishStrip(L, s, r, 0.12);
}

void SteelmillStrip(Sheet& s, Rng& r) {
    const int W = 4480;
    Layer L(W, 480);
    const std::vector<Span> gaps = {{434, 553}, {1288, 1322}, {1799, 1848}, {3293, 3412}, {3696, 4490}};
    // Hall wall: corrugated steel over a brick base, crane rails along the top.
    L.Rect(0, 0, W, kWallFoot);
    L.FillGradient(0, 0, 0, kWallFoot, Hex(0x26282C), Hex(0x34373C));
    for (double x = 0; x < W; x += 6) L.Line(x, 60, x, 170, Hex(0x30343A), 2);
    L.Rect(0, 170, W, 67);
    L.Fill(Hex(0x5A3428));
    for (double y = 172; y < kWallFoot; y += 6) L.Line(0, y, W, y, Hex(0x44281E), 1);
    L.Rect(0, 40, W, 14);
    L.Fill(Hex(0x6A5A2A));
    for (double x = 0; x < W; x += 30) L.Line(x, 40, x + 14, 54, Hex(0x2A2418), 2);
    // Roof trusses and high windows lit by the furnaces.
    for (double x = 0; x < W; x += 70) {
        L.Line(x, 0, x + 35, 36, Hex(0x4A4E56), 3);
        L.Line(x + 35, 36, x + 70, 0, Hex(0x4A4E56), 3);
    }
    L.Line(0, 36, W, 36, Hex(0x4A4E56), 4);
    for (double x = 40; x < W; x += 140) {
        L.Rect(x, 70, 60, 34);
        L.StrokeKeep(Hex(0x0A0A0E), 2);
        L.FillGradient(0, 70, 0, 104, Hex(0xB05A20), Hex(0x5A2A10));
        L.Line(x + 30, 70, x + 30, 104, Hex(0x2A2A2E), 2);
        L.Line(x, 87, x + 60, 87, Hex(0x2A2A2E), 2);
    }
    // Hazard stripes along the base.
    for (double x = 0; x < W; x += 24) {
        if (UnderCaption(x - 6, x + 12)) continue;
        L.Poly({x, 225, x + 12, 225, x + 6, 237, x - 6, 237});
        L.Fill(Hex(0xC8A020));
    }
    // Furnace mouths glowing.
    for (double x = 300; x < 3600; x += 620) {
        if (UnderCaption(x - 20, x + 110)) continue;
        L.Rect(x, 120, 90, 117);
        L.StrokeKeep(Hex(0x0A0A0E), 3);
        L.FillGradient(0, 120, 0, 237, Hex(0xFFD060), Hex(0xB02000));
        for (double gx = x + 8; gx < x + 90; gx += 14) L.Line(gx, 150, gx, 237, Hex(0x401008), 3);
        L.Rect(x - 10, 110, 110, 12);
        L.Fill(Hex(0x2A2A2E));
        L.Poly({x - 20, 110, x + 45, 80, x + 110, 110});  // hood
        L.StrokeKeep(Hex(0x0A0A0E), 2);
        L.Fill(Hex(0x3A3C42));
    }
    // Steel columns.
    for (double x = 140; x < W; x += 280) {
        L.Rect(x, 0, 18, kWallFoot);
        L.StrokeKeep(Hex(0x0A0A0E), 1.5);
        L.FillGradient(x, 0, x + 18, 0, Hex(0x6A6E76), Hex(0x2E3036));
    }
    // Hanging chains.
    for (double x = 220; x < 3600; x += 410)
        for (double y = 54; y < 150; y += 6) {
            L.Ellipse(x, y, 1.5, 3);
            L.Stroke(Hex(0x5A5E64), 1.2);
        }
    // Openings into the yard.
    for (const Span& g : gaps) {
        double a = g.a - 10, b = std::min<double>(g.b + 10, W + 10);
        ClearRect(L, a, 0, b - a, 190);
        L.Rect(a, 190, b - a, 47);
        L.FillGradient(0, 190, 0, 237, Hex(0x2A2620), Hex(0x3A3228));
        L.Rect(a - 4, 0, 8, kWallFoot);
        L.Fill(Hex(0x1A1C20));
        if (b - a < 700) {
            L.Rect(b - 4, 0, 8, kWallFoot);
            L.Fill(Hex(0x1A1C20));
        }
    }
    // Yard at the end: a fence line and a slag heap.
    L.Poly({3900, 237, 4050, 150, 4250, 160, 4400, 237});
    L.FillGradient(0, 150, 0, 237, Hex(0x3A3430), Hex(0x2A2420));
    // Road for the patrol car at the start.
    ConcreteFloor(L, 0, W, Hex(0x4A4642), r);
    L.Rect(0, kWallFoot, 140, 12);
    L.Fill(Hex(0x2A2A2E));
    FinishStrip(L, s, r, 0.1);
    ShadeUnderCaption(s);
}

}  // namespace

void AddStreetStrips(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/Levels/Street/GasStation.png"] = GasStationStrip;
    m["Data/Graphics/Levels/Street/Warehouse.png"] = WarehouseStrip;
    m["Data/Graphics/Levels/Street/Alley.png"] = AlleyStrip;
    m["Data/Graphics/Levels/Street/AlleyBoard.png"] = AlleyBoardStrip;
    m["Data/Graphics/Levels/Steelmill/Steelmill.png"] = SteelmillStrip;
}

}  // namespace dg
