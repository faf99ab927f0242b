#include "canvas.h"

#include <algorithm>

namespace dg {

static uint8_t Clamp8(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0l, 255l)); }

Rgb Mix(Rgb a, Rgb b, double t) {
    return {Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t)};
}
Rgb Scale(Rgb a, double k) { return {Clamp8(a.r * k), Clamp8(a.g * k), Clamp8(a.b * k)}; }
Rgb Hex(uint32_t v) {
    return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

uint64_t Rng::Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double Rng::Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
int Rng::Int(int a, int b) { return a + static_cast<int>(Next() % static_cast<uint64_t>(b - a + 1)); }

// ------------------------------------------------------------------ sheet
void Sheet::InitCells(int cw, int ch, int n, Rgb maskColour, int maxCols, int maxWidth) {
    cellW = cw;
    cellH = ch;
    count = n;
    cols = std::min(n, maxCols);
    while (cols > 1 && cols * cw > maxWidth) --cols;
    int rows = (n + cols - 1) / cols;
    width = cols * cw;
    height = rows * ch;
    mask = maskColour;
    px.assign(static_cast<size_t>(width) * height, maskColour);
    opaque.assign(static_cast<size_t>(width) * height, 0);
}

void Sheet::InitWhole(int w, int h, Rgb maskColour) {
    cellW = width = w;
    cellH = height = h;
    count = cols = 1;
    mask = maskColour;
    px.assign(static_cast<size_t>(w) * h, maskColour);
    opaque.assign(static_cast<size_t>(w) * h, 0);
}

void Sheet::CopyCell(int from, int to, int dx) {
    int fx = CellX(from), fy = CellY(from), tx = CellX(to), ty = CellY(to);
    for (int y = 0; y < cellH; ++y)
        for (int x = 0; x < cellW; ++x) {
            int sx = x - dx;
            if (sx >= 0 && sx < cellW && On(fx + sx, fy + y))
                Set(tx + x, ty + y, Get(fx + sx, fy + y));
            else
                Clear(tx + x, ty + y);
        }
}

void Sheet::MirrorCell(int from, int to, int axis2) {
    int fx = CellX(from), fy = CellY(from), tx = CellX(to), ty = CellY(to);
    for (int y = 0; y < cellH; ++y)
        for (int x = 0; x < cellW; ++x) {
            int sx = axis2 - x;
            if (sx >= 0 && sx < cellW && On(fx + sx, fy + y))
                Set(tx + x, ty + y, Get(fx + sx, fy + y));
            else
                Clear(tx + x, ty + y);
        }
}

void Sheet::MirrorFrom(const Sheet& src, int from, int to, int axis2) {
    int fx = src.CellX(from), fy = src.CellY(from), tx = CellX(to), ty = CellY(to);
    for (int y = 0; y < cellH; ++y)
        for (int x = 0; x < cellW; ++x) {
            int sx = axis2 - x;
            if (sx >= 0 && sx < src.cellW && y < src.cellH && src.On(fx + sx, fy + y))
                Set(tx + x, ty + y, src.Get(fx + sx, fy + y));
            else
                Clear(tx + x, ty + y);
        }
}

void Sheet::FillRect(int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Set(i, j, c);
}

std::vector<uint8_t> Sheet::FinalRgb() const {
    std::vector<uint8_t> out(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < px.size(); ++i) {
        Rgb c = opaque[i] ? px[i] : mask;
        if (opaque[i] && c == mask) {
            // Art never uses the mask colour: move one step off it.
            if (mask == kMaskBlack) c = {1, 1, 1};
            else if (mask == kMaskGreen) c.g = 254;
            else c.b = 254;
        }
        out[i * 3] = c.r;
        out[i * 3 + 1] = c.g;
        out[i * 3 + 2] = c.b;
    }
    return out;
}

void Sheet::DimForDisplay(int rows, int fade, double knee, double ratio) {
    for (int y = 0; y < height; ++y) {
        const int row = y % cellH;
        if (row >= rows + fade) continue;
        const double weight = row < rows ? 1.0 : 1.0 - static_cast<double>(row - rows + 1) / (fade + 1);
        for (int x = 0; x < width; ++x) {
            if (!On(x, y)) continue;
            const Rgb c = Get(x, y);
            const double luma = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
            if (luma <= knee) continue;
            const double tamed = (knee + (luma - knee) * ratio) / luma;
            Set(x, y, Scale(c, 1.0 + (tamed - 1.0) * weight));
        }
    }
}

// ------------------------------------------------------------------ layer
Layer::Layer(int width, int height) : w(width), h(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(surface_);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

Layer::~Layer() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface_);
}

void Layer::ClearAll() {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Layer::Colour(Rgb c, double a) { cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, a); }

template <typename F>
static void EachPixel(cairo_surface_t* s, int w, int h, F f) {
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            uint32_t v = row[x];
            f(x, y, (v >> 24) & 255, (v >> 16) & 255, (v >> 8) & 255, v & 255);
        }
    }
}

void Layer::StampHard(Sheet& sheet, int ox, int oy, int threshold) const {
    EachPixel(surface_, w, h, [&](int x, int y, uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
        if (static_cast<int>(a) < threshold || a == 0) return;
        Rgb c{static_cast<uint8_t>(std::min(255u, r * 255 / a)), static_cast<uint8_t>(std::min(255u, g * 255 / a)),
              static_cast<uint8_t>(std::min(255u, b * 255 / a))};
        sheet.Set(ox + x, oy + y, c);
    });
}

void Layer::StampLight(Sheet& sheet, int ox, int oy, int minLevel) const {
    EachPixel(surface_, w, h, [&](int x, int y, uint32_t, uint32_t r, uint32_t g, uint32_t b) {
        if (static_cast<int>(std::max({r, g, b})) < minLevel) return;
        sheet.Set(ox + x, oy + y, Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)});
    });
}

void Layer::StampOver(Sheet& sheet, int ox, int oy, int threshold) const {
    EachPixel(surface_, w, h, [&](int x, int y, uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
        if (static_cast<int>(a) < threshold) return;
        int sx = ox + x, sy = oy + y;
        if (!sheet.Inside(sx, sy)) return;
        Rgb under = sheet.On(sx, sy) ? sheet.Get(sx, sy) : Rgb{0, 0, 0};
        double ia = 1.0 - a / 255.0;
        sheet.Set(sx, sy, Rgb{Clamp8(r + under.r * ia), Clamp8(g + under.g * ia), Clamp8(b + under.b * ia)});
    });
}

void Layer::Rect(double x, double y, double rw, double rh) { cairo_rectangle(cr, x, y, rw, rh); }

void Layer::Ellipse(double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Layer::Poly(std::initializer_list<double> xy) {
    auto it = xy.begin();
    bool first = true;
    while (it != xy.end()) {
        double x = *it++;
        double y = *it++;
        if (first) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
        first = false;
    }
    cairo_close_path(cr);
}

void Layer::Capsule(double x0, double y0, double x1, double y1, double r0, double r1) {
    double dx = x1 - x0, dy = y1 - y0;
    double len = std::hypot(dx, dy);
    if (len < 1e-6) {
        Ellipse(x0, y0, std::max(r0, r1), std::max(r0, r1));
        return;
    }
    double ang = std::atan2(dy, dx);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1, y1, r1, ang - M_PI / 2, ang + M_PI / 2);
    cairo_arc(cr, x0, y0, r0, ang + M_PI / 2, ang + 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Layer::Fill(Rgb c, double a) {
    Colour(c, a);
    cairo_fill(cr);
}
void Layer::FillKeep(Rgb c, double a) {
    Colour(c, a);
    cairo_fill_preserve(cr);
}
void Layer::Stroke(Rgb c, double width, double a) {
    Colour(c, a);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}
void Layer::StrokeKeep(Rgb c, double width, double a) {
    Colour(c, a);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
}

void Layer::FillGradient(double x0, double y0, double x1, double y1, Rgb c0, Rgb c1, bool keep) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, c0.r / 255.0, c0.g / 255.0, c0.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, c1.r / 255.0, c1.g / 255.0, c1.b / 255.0);
    cairo_set_source(cr, p);
    if (keep) cairo_fill_preserve(cr);
    else cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Layer::FillRadial(double cx, double cy, double r, Rgb inner, Rgb outer, double aIn, double aOut, bool keep) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, std::max(r, 0.01));
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r / 255.0, inner.g / 255.0, inner.b / 255.0, aIn);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r / 255.0, outer.g / 255.0, outer.b / 255.0, aOut);
    cairo_set_source(cr, p);
    if (keep) cairo_fill_preserve(cr);
    else cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Layer::Line(double x0, double y0, double x1, double y1, Rgb c, double width, double a) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    Stroke(c, width, a);
}

}  // namespace dg
