#include "contact.h"

#include <algorithm>

#include "writers.h"

namespace dg {

// 3 x 5 digits for the cell numbers.
static const char* kDigits[10] = {"111101101101111", "010110010010111", "111001111100111", "111001111001111",
                                  "101101111001001", "111100111001111", "111100111101111", "111001001001001",
                                  "111101111101111", "111101111001111"};

namespace {
struct Canvas {
    int w, h;
    std::vector<uint8_t> rgb;
    Canvas(int cw, int ch) : w(cw), h(ch), rgb(static_cast<size_t>(cw) * ch * 3, 24) {}
    void Put(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        size_t i = (static_cast<size_t>(y) * w + x) * 3;
        rgb[i] = c.r;
        rgb[i + 1] = c.g;
        rgb[i + 2] = c.b;
    }
    void Number(int x, int y, int n) {
        std::string s = std::to_string(n);
        for (char ch : s) {
            const char* g = kDigits[ch - '0'];
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 3; ++i)
                    if (g[j * 3 + i] == '1') Put(x + i, y + j, Rgb{255, 230, 90});
            x += 4;
        }
    }
};
}  // namespace

bool WriteContactSheet(const std::string& path, const Sheet& sheet) {
    // Strips and other very wide pictures are shown at half size in bands.
    const bool strip = sheet.count > 16 && sheet.cellH >= 400;
    if (strip || (sheet.count == 1 && sheet.width > 1400)) {
        const int shrink = 2;
        const int band = 1280;
        int sw = (sheet.width + shrink - 1) / shrink;
        int bands = (sw + band - 1) / band;
        int bh = sheet.height / shrink + 12;
        Canvas c(std::min(sw, band), bands * bh);
        for (int y = 0; y < sheet.height / shrink; ++y)
            for (int x = 0; x < sw; ++x) {
                int sx = x * shrink, sy = y * shrink;
                bool checker = ((x / 4) + (y / 4)) & 1;
                Rgb p = sheet.On(sx, sy) ? sheet.Get(sx, sy) : (checker ? Rgb{60, 20, 60} : Rgb{40, 14, 40});
                c.Put(x % band, (x / band) * bh + 12 + y, p);
            }
        if (sheet.cellW == 40)
            for (int i = 0; i < sheet.count; i += 8) {
                int x = i * 40 / shrink;
                c.Number(x % band + 1, (x / band) * bh + 3, i);
            }
        return WritePng(path, c.w, c.h, c.rgb);
    }
    int zoom = sheet.cellW <= 24 && sheet.cellH <= 24 ? 4 : (sheet.cellW <= 170 && sheet.cellH <= 150 ? 2 : 1);
    int perRow = std::max(1, std::min(sheet.count, 1200 / (sheet.cellW * zoom + 4)));
    int rows = (sheet.count + perRow - 1) / perRow;
    int pw = sheet.cellW * zoom + 4, ph = sheet.cellH * zoom + 12;
    Canvas c(perRow * pw + 2, rows * ph + 2);
    for (int i = 0; i < sheet.count; ++i) {
        int ox = (i % perRow) * pw + 2, oy = (i / perRow) * ph + 10;
        c.Number(ox, oy - 8, i);
        for (int y = -1; y <= sheet.cellH * zoom; ++y) {
            c.Put(ox - 1, oy + y, Rgb{90, 90, 140});
            c.Put(ox + sheet.cellW * zoom, oy + y, Rgb{90, 90, 140});
        }
        for (int x = -1; x <= sheet.cellW * zoom; ++x) {
            c.Put(ox + x, oy - 1, Rgb{90, 90, 140});
            c.Put(ox + x, oy + sheet.cellH * zoom, Rgb{90, 90, 140});
        }
        for (int y = 0; y < sheet.cellH * zoom; ++y)
            for (int x = 0; x < sheet.cellW * zoom; ++x) {
                int sx = sheet.CellX(i) + x / zoom, sy = sheet.CellY(i) + y / zoom;
                bool checker = ((x / 4) + (y / 4)) & 1;
                Rgb p = sheet.On(sx, sy) ? sheet.Get(sx, sy) : (checker ? Rgb{60, 20, 60} : Rgb{40, 14, 40});
                c.Put(ox + x, oy + y, p);
            }
    }
    return WritePng(path, c.w, c.h, c.rgb);
}

}  // namespace dg
