// Pictures of the data generator: a sheet of equal cells with a mask colour,
// and a cairo layer that is drawn smoothly and then stamped onto a sheet with
// hard edges (every pixel either fully art or exactly the mask colour).
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace dg {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr Rgb kMaskGreen{0, 255, 0};
constexpr Rgb kMaskBlack{0, 0, 0};
constexpr Rgb kMaskBlue{0, 0, 255};

constexpr Rgb kWhite{255, 255, 255};

// Colour arithmetic.
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb a, double k);
Rgb Hex(uint32_t rgb);

// Small deterministic generator (splitmix64); every picture and sound owns one.
struct Rng {
    uint64_t state;
    explicit Rng(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint64_t Next();
    double Uniform();  // [0, 1)
    double Range(double a, double b) { return a + (b - a) * Uniform(); }
    int Int(int a, int b);  // [a, b]
    bool Chance(double p) { return Uniform() < p; }
};

// A picture of cells laid out row-major. `opaque` marks art pixels; the rest
// are written in the mask colour.
struct Sheet {
    int width = 0, height = 0;
    int cellW = 0, cellH = 0, count = 1, cols = 1;
    Rgb mask = kMaskGreen;
    std::vector<Rgb> px;
    std::vector<uint8_t> opaque;

    void InitCells(int cw, int ch, int n, Rgb maskColour, int maxCols = 16, int maxWidth = 2048);
    void InitWhole(int w, int h, Rgb maskColour);
    int CellX(int i) const { return (i % cols) * cellW; }
    int CellY(int i) const { return (i / cols) * cellH; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void Set(int x, int y, Rgb c) {
        if (!Inside(x, y)) return;
        px[static_cast<size_t>(y) * width + x] = c;
        opaque[static_cast<size_t>(y) * width + x] = 1;
    }
    void Clear(int x, int y) {
        if (!Inside(x, y)) return;
        opaque[static_cast<size_t>(y) * width + x] = 0;
    }
    bool On(int x, int y) const { return Inside(x, y) && opaque[static_cast<size_t>(y) * width + x]; }
    Rgb Get(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
    // Copies cell `from` to cell `to` (pixels and opacity), shifted by dx.
    void CopyCell(int from, int to, int dx = 0);
    // Mirrors cell `from` into `to` about the vertical axis x = axis2 / 2.
    void MirrorCell(int from, int to, int axis2);
    void FillRect(int x, int y, int w, int h, Rgb c);
    // Mirrors cell `from` of another sheet into cell `to`: column x of the
    // result is column axis2 - x of the source.
    void MirrorFrom(const Sheet& src, int from, int to, int axis2);
    // The final RGB the file holds: art pixels, never the mask colour.
    std::vector<uint8_t> FinalRgb() const;
    // Tames highlights in the top rows of every cell: the heads-up display
    // is added onto whatever the screen shows there. Above luma `knee` the
    // brightness rises only at `ratio`; the effect fades out over the rows
    // from `rows` to `rows + fade`.
    void DimForDisplay(int rows, int fade, double knee = 72, double ratio = 0.3);
};

// The screen rows the heads-up display covers.
constexpr int kDisplayRows = 42;

// A smooth ARGB drawing surface with helper shapes.
class Layer {
public:
    Layer(int w, int h);
    ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    cairo_t* cr;
    int w, h;

    void Colour(Rgb c, double a = 1.0);
    // Stamps the layer onto the sheet at (ox, oy): pixels with coverage of at
    // least `threshold` (0..255) become art in their own (unblended) colour.
    void StampHard(Sheet& sheet, int ox, int oy, int threshold = 128) const;
    // For light-blended pictures on a black mask: the pixel is colour x
    // coverage over black; values too dim to matter stay exact black.
    void StampLight(Sheet& sheet, int ox, int oy, int minLevel = 6) const;
    // Composites over whatever the sheet already holds (fully opaque result
    // where the layer covers at least `threshold`).
    void StampOver(Sheet& sheet, int ox, int oy, int threshold = 8) const;
    void ClearAll();

    // Shapes (paths are filled/stroked by the caller or the helpers below).
    void Rect(double x, double y, double w, double h);
    void Ellipse(double cx, double cy, double rx, double ry);
    void Poly(std::initializer_list<double> xy);
    void Capsule(double x0, double y0, double x1, double y1, double r0, double r1);
    void Fill(Rgb c, double a = 1.0);
    void FillKeep(Rgb c, double a = 1.0);
    void Stroke(Rgb c, double width, double a = 1.0);
    void StrokeKeep(Rgb c, double width, double a = 1.0);
    // Linear gradient fill of the current path across (x0,y0)->(x1,y1).
    void FillGradient(double x0, double y0, double x1, double y1, Rgb c0, Rgb c1, bool keep = false);
    void FillRadial(double cx, double cy, double r, Rgb inner, Rgb outer, double aIn = 1.0,
                    double aOut = 1.0, bool keep = false);
    void Line(double x0, double y0, double x1, double y1, Rgb c, double width, double a = 1.0);

private:
    cairo_surface_t* surface_;
};

}  // namespace dg
