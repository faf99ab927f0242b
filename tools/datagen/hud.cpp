// Fonts and the heads-up display: the silver bitmap font, the score digits,
// energy bars, arrows, weapon icons, the special-attack icon, the title
// lettering and the logo.
#include <algorithm>

#include "generators.h"
#include "glyphs.h"

namespace dg {
namespace {

// Expands a 5 x 7 glyph into a cell with the given column widths and row heights.
template <int W, int H>
void ExpandGlyph(Sheet& s, int cell, char ch, const int (&cw)[5], const int (&rh)[7], Rgb top, Rgb bottom) {
    const char* const* g = Glyph5x7(ch);
    if (!g) return;
    int total = 0;
    for (int r = 0; r < 7; ++r) total += rh[r];
    int y = 0;
    for (int r = 0; r < 7; ++r) {
        int x = 0;
        for (int c = 0; c < 5; ++c) {
            if (g[r][c] == '#')
                for (int j = 0; j < rh[r]; ++j)
                    for (int i = 0; i < cw[c]; ++i) {
                        double t = static_cast<double>(y + j) / std::max(1, total - 1);
                        s.Set(s.CellX(cell) + x + i, s.CellY(cell) + y + j, Mix(top, bottom, t));
                    }
            x += cw[c];
        }
        y += rh[r];
    }
}

// A glyph drawn pixel by pixel: ten rows of '#' marks from row `top` of the
// cell, shaded from `high` at the top row to `low` at the bottom one.
void TenRowBitmap(Sheet& s, int cell, const char* const* rows, int top, Rgb high, Rgb low) {
    for (int r = 0; r < 10; ++r)
        for (int x = 0; rows[r][x]; ++x)
            if (rows[r][x] == '#') s.Set(s.CellX(cell) + x, s.CellY(cell) + top + r, Mix(high, low, r / 9.0));
}

// The heads-up display adds its glyphs onto the frame, so a dark row of a
// glyph adds nothing: the silver runs from white to a light grey, never dark.
const Rgb kSilverLow{186, 192, 206};

void Silverfont(Sheet& s, Rng&) {
    const char* chars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._():";
    // Eight columns by ten rows: letters are set 9 pixels apart and keep a
    // gap, and the eleventh row stays clear so that a line of text never
    // touches what is drawn just below it. Top, middle and bottom strokes
    // are two rows thick.
    static const int cw[5] = {2, 1, 2, 1, 2};
    static const int rh[7] = {2, 1, 1, 2, 1, 1, 2};
    for (int i = 0; i < 41; ++i) ExpandGlyph<10, 11>(s, i, chars[i], cw, rh, kWhite, kSilverLow);
    // 41 is the space: left black.
    // The "%" stands beside the display's bold digits: drawn for this size.
    static const char* const percent[10] = {"###   ##", "###  ## ", "###  ## ", "    ##  ", "   ##   ",
                                            "   ##   ", "  ##    ", " ##  ###", " ##  ###", "##   ###"};
    TenRowBitmap(s, 42, percent, 0, kWhite, kSilverLow);
    ExpandGlyph<10, 11>(s, 43, '=', cw, rh, kWhite, kSilverLow);
}

// The display's digits, 10 x 10, drawn for this size rather than expanded
// from the block alphabet: three-column uprights, two-row bars, and shapes
// that stay apart when set 12 pixels apart ("77" is two sevens, not two
// strokes: a full bar over a steep stem).
const char* const kDisplayDigits[10][10] = {
    {"  ######  ", " ######## ", "###    ###", "###    ###", "###    ###", "###    ###", "###    ###",
     "###    ###", " ######## ", "  ######  "},
    {"    ###   ", "  #####   ", " ######   ", "    ###   ", "    ###   ", "    ###   ", "    ###   ",
     "    ###   ", " ######## ", " ######## "},
    {" #######  ", "######### ", "##     ###", "       ###", "     #### ", "   ####   ", " ####     ",
     "###       ", "##########", "##########"},
    {"######### ", "##########", "       ###", "       ###", "  ####### ", "  ####### ", "       ###",
     "       ###", "##########", "######### "},
    {"###   ### ", "###   ### ", "###   ### ", "###   ### ", "##########", "##########", "      ### ",
     "      ### ", "      ### ", "      ### "},
    {"##########", "##########", "###       ", "###       ", "######### ", "##########", "       ###",
     "       ###", "##########", "######### "},
    {"  ####### ", " ######## ", "###       ", "###       ", "######### ", "##########", "###    ###",
     "###    ###", "##########", " ######## "},
    {"##########", "##########", "       ###", "       ###", "      ### ", "      ### ", "     ###  ",
     "     ###  ", "     ###  ", "     ###  "},
    {" ######## ", "##########", "###    ###", "###    ###", " ######## ", " ######## ", "###    ###",
     "###    ###", "##########", " ######## "},
    {" ######## ", "##########", "###    ###", "###    ###", "##########", " #########", "       ###",
     "       ###", " ######## ", " #######  "},
};

// Digit rows start at row 3 of the 16-row cell: the clock (y 16) keeps a
// clear row under "TIME" (y 8, ten rows), and the energy figure (y 5) a
// clear row above the life icons (y 18, whose first row is empty).
constexpr int kDigitTop = 3;

void ScoreDigits(Sheet& s, Rng&) {
    // Warning digits run from pale gold to a bright orange red.
    for (int d = 0; d < 10; ++d) {
        TenRowBitmap(s, d, kDisplayDigits[d], kDigitTop, kWhite, kSilverLow);
        TenRowBitmap(s, 10 + d, kDisplayDigits[d], kDigitTop, Rgb{255, 232, 140}, Rgb{255, 84, 36});
    }
}

void EnergyBar(Sheet& s, Rgb fill) {
    for (int y = 0; y < 7; ++y) {
        double bright = 1.0 - std::fabs(y - 3) * 0.22;
        s.Set(0, y, Scale(fill, bright));
        uint8_t g = static_cast<uint8_t>(50 + (y == 3 ? 20 : 10));
        s.Set(1, y, Rgb{g, g, static_cast<uint8_t>(g + 4)});
        s.Set(2, y, Rgb{g, g, static_cast<uint8_t>(g + 4)});
    }
}
void EnergyRed(Sheet& s, Rng&) { EnergyBar(s, Hex(0xFF3018)); }
void EnergyAmber(Sheet& s, Rng&) { EnergyBar(s, Hex(0xFFA020)); }
void EnergyWhite(Sheet& s, Rng&) { EnergyBar(s, Hex(0xF0F4FF)); }

void GoArrow(Sheet& s, Rng&) {
    Layer L(36, 40);
    L.Poly({1, 8, 20, 8, 20, 1, 35, 20, 20, 39, 20, 32, 1, 32});
    L.Fill(Hex(0xE8ECF4));
    L.StampHard(s, 0, 0);
    // "GO" cut into the arrow.
    Layer T(36, 40);
    BlockText(T, "GO", 3, 14, 2, 1);
    T.Fill(Hex(0x303848));
    T.StampHard(s, 0, 0);
}

void ItemArrow(Sheet& s, Rng&) {
    Layer L(23, 20);
    L.Poly({6, 0, 17, 0, 17, 9, 22, 9, 11.5, 20, 1, 9, 6, 9});
    L.Fill(Hex(0xF0F0F0));
    L.StampHard(s, 0, 0);
}

void GunIcons(Sheet& s, Rng&) {
    const Rgb accent[7] = {kWhite, kWhite, Hex(0x60F0FF), kWhite, kWhite, Hex(0xFF9030), kWhite};
    for (int c = 0; c < 7; ++c) {
        Layer L(48, 19);
        Rgb body = Hex(0xD8DCE4);
        int len = c == 0 || c == 6 ? 28 : c == 5 ? 40 : 36;
        L.Rect(4, 5, len, 5);
        L.Fill(body);
        L.Poly({6, 9, 13, 9, 11, 17, 5, 17});
        L.Fill(body);
        if (c == 1) {
            L.Rect(len - 6, 2, 8, 3);
            L.Fill(body);
            L.Rect(len - 6, 10, 8, 3);
            L.Fill(body);
        }
        L.Rect(len - 8, 6, 6, 3);
        L.Fill(accent[c]);
        if (c == 6) {  // double shot: a second barrel line
            L.Rect(30, 11, 12, 3);
            L.Fill(body);
        }
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void GunRate(Sheet& s, Rng&) {
    for (int c = 0; c < 5; ++c)
        for (int k = 0; k < 5; ++k)
            s.FillRect(s.CellX(c) + k * 4, 0, 3, 4, k <= c ? Hex(0xF0E8A0) : Hex(0x404448));
}

void Special(Sheet& s, Rng&) {
    Layer L(26, 18);
    L.Poly({1, 9, 8, 7, 12, 1, 15, 1, 14, 7, 22, 7, 25, 9, 22, 11, 14, 11, 15, 17, 12, 17, 8, 11});
    L.Fill(Hex(0xE0E6F0));
    L.Rect(19, 8, 5, 2);
    L.Fill(Hex(0xFF8030));
    L.StampHard(s, 0, 0);
}

// Chrome block letters with a bevel and a dark rim.
void ChromeText(Layer& L, const char* text, double x, double y, double px, double sy) {
    cairo_save(L.cr);
    cairo_translate(L.cr, x, y);
    cairo_scale(L.cr, 1, sy);
    BlockText(L, text, 0, 0, px, 1);
    cairo_restore(L.cr);
    L.StrokeKeep(Hex(0x101420), 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 7 * px * sy);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.62, 0.68, 0.8);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.2, 0.24, 0.34);
    cairo_pattern_add_color_stop_rgb(p, 0.75, 0.55, 0.6, 0.72);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.85, 0.88, 0.95);
    cairo_set_source(L.cr, p);
    cairo_fill(L.cr);
    cairo_pattern_destroy(p);
}

void TitleText(Sheet& s, Rng&) {
    Layer L(622, 120);
    double w = BlockTextWidth("KESTRION VIGIL", 7, 1);
    ChromeText(L, "KESTRION VIGIL", (622 - w) / 2, 10, 7, 2.0);
    L.Line(20, 112, 602, 112, Hex(0x8AA0C0), 2);
    L.StampHard(s, 0, 0);
}

// The maker's emblem: a ring with a blade through it and a word, chrome on
// black, edges fading to black. Drawn unmasked.
void Logo(Sheet& s, Rng&) {
    Layer L(360, 180);
    L.Rect(0, 0, 360, 180);
    L.FillRadial(180, 90, 200, Hex(0x141824), Hex(0x000000));
    cairo_new_sub_path(L.cr);
    cairo_arc(L.cr, 180, 66, 40, 0, 2 * M_PI);
    cairo_new_sub_path(L.cr);
    cairo_arc_negative(L.cr, 180, 66, 30, 2 * M_PI, 0);
    L.FillGradient(0, 26, 0, 106, Hex(0xF0F4FF), Hex(0x4A5468));
    L.Poly({176, 14, 184, 14, 190, 66, 184, 120, 176, 120, 170, 66});
    L.FillGradient(170, 0, 190, 0, Hex(0xFFFFFF), Hex(0x6A7488));
    double w = BlockTextWidth("STREETWARDEN", 4, 1);
    ChromeText(L, "STREETWARDEN", (360 - w) / 2, 130, 4, 1.2);
    Sheet tmp;
    tmp.InitWhole(360, 180, kMaskBlack);
    L.StampOver(tmp, 0, 0, 1);
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 360; ++x) {
            double edge = std::min({x / 30.0, (359 - x) / 30.0, y / 20.0, (179 - y) / 20.0, 1.0});
            Rgb c = tmp.On(x, y) ? tmp.Get(x, y) : Rgb{0, 0, 0};
            s.Set(x, y, Scale(c, std::max(0.0, edge)));
        }
}

}  // namespace

void AddHudImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/System/silverfont.png"] = Silverfont;
    m["Data/Graphics/System/Scorefontsilver.png"] = ScoreDigits;
    m["Data/Graphics/System/Energybar.png"] = EnergyRed;
    m["Data/Graphics/System/EnergybarO.png"] = EnergyAmber;
    m["Data/Graphics/System/EnergybarW.png"] = EnergyWhite;
    m["Data/Graphics/System/GoarrowW.png"] = GoArrow;
    m["Data/Graphics/System/ItemarrowW.png"] = ItemArrow;
    m["Data/Graphics/System/Guntypeicon.png"] = GunIcons;
    m["Data/Graphics/System/gunrate.png"] = GunRate;
    m["Data/Graphics/System/special.png"] = Special;
    m["Data/Graphics/System/Titletext.png"] = TitleText;
    m["Data/Graphics/System/torvane.png"] = Logo;
}

}  // namespace dg
