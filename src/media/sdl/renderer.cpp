// Drawing into the off-screen surface with fixed-function OpenGL: images as
// textured quads, rectangles and points, under the drawing state (colour and
// alpha multiply, blend mode, scale and rotation about the origin, clip).
// Quads are collected until something needs the surface (presenting, a grab)
// and then sent, a run of quads with the same texture, blend mode and clip
// rectangle in one call, after the pixels nobody will see are skipped
// (occlusion.cpp); image pixels live in shared pages (atlas.cpp).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "media_internal.h"
#include "sdl_backend.h"

namespace sdlmedia {
namespace {

// Quads collected before they are sent anyway.
constexpr size_t kMostPendingQuads = 65536;
// Quads sent in one call at most: OpenGL's own working memory for a call
// stays small enough to be reused from call to call.
constexpr size_t kRunQuads = 256;
// Quads stream through one vertex buffer, appended batch after batch and
// renewed when full. Software OpenGL pays dearly for client-side arrays after
// every change of texture or blending; a buffer object keeps that cheap. A
// small one is renewed often but from memory the C library keeps at hand.
constexpr GLsizeiptr kStreamBytes = 192 << 10;

GLuint g_white = 0;
std::vector<PendingQuad> g_pending;
std::vector<Vertex> g_vertices;  // a run of quads on its way to OpenGL
bool g_skipHidden = true;
struct BufferFunctions {
    PFNGLGENBUFFERSPROC gen = nullptr;
    PFNGLDELETEBUFFERSPROC del = nullptr;
    PFNGLBINDBUFFERPROC bind = nullptr;
    PFNGLBUFFERDATAPROC data = nullptr;
    PFNGLBUFFERSUBDATAPROC subData = nullptr;
};
BufferFunctions g_buffers;
GLuint g_stream = 0;       // 0: client-side arrays
GLsizeiptr g_streamUsed = 0;
BatchKey g_applied;
bool g_appliedValid = false;

int32_t BlendOf(int32_t mode) {
    return (mode == BlendMask || mode == BlendAlpha || mode == BlendLight || mode == BlendShade) ? mode : BlendSolid;
}

void ApplyBlend(int32_t blend) {
    switch (blend) {
        case BlendMask:  // no blending; pixels with alpha below one half are left out
            glDisable(GL_BLEND);
            glEnable(GL_ALPHA_TEST);
            break;
        case BlendAlpha:
            glEnable(GL_BLEND);
            glDisable(GL_ALPHA_TEST);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            break;
        case BlendLight:
            glEnable(GL_BLEND);
            glDisable(GL_ALPHA_TEST);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
            break;
        case BlendShade:
            glEnable(GL_BLEND);
            glDisable(GL_ALPHA_TEST);
            glBlendFunc(GL_DST_COLOR, GL_ZERO);
            break;
        default:  // solid
            glDisable(GL_BLEND);
            glDisable(GL_ALPHA_TEST);
            break;
    }
}

void Apply(const BatchKey& key) {
    if (!g_appliedValid || key.texture != g_applied.texture) glBindTexture(GL_TEXTURE_2D, key.texture);
    if (!g_appliedValid || key.blend != g_applied.blend) ApplyBlend(key.blend);
    if (!g_appliedValid || key.clipX != g_applied.clipX || key.clipY != g_applied.clipY ||
        key.clipW != g_applied.clipW || key.clipH != g_applied.clipH) {
        // Clip rectangles are given from the top; OpenGL counts rows from the bottom.
        const int64_t bottom = static_cast<int64_t>(TheDisplay().height) - key.clipY - key.clipH;
        const int32_t w = std::max(key.clipW, 0);
        const int32_t h = std::max(key.clipH, 0);
        glScissor(key.clipX, static_cast<GLint>(std::clamp<int64_t>(bottom, INT32_MIN, INT32_MAX)), w, h);
    }
    g_applied = key;
    g_appliedValid = true;
}

struct Colour {
    uint8_t r, g, b, a;
};

Colour StateColour(const media::DrawState& s) {
    return Colour{static_cast<uint8_t>(std::clamp(s.r, 0, 255)), static_cast<uint8_t>(std::clamp(s.g, 0, 255)),
                  static_cast<uint8_t>(std::clamp(s.b, 0, 255)), media::AlphaByte(s.alpha)};
}

// One quad, corners in drawing order (top-left, top-right, bottom-right,
// bottom-left of the texture).
void Quad(GLuint texture, const media::DrawState& s, const float (&xy)[8], float u0, float v0, float u1, float v1,
          Colour c, const GridQuad& grid = GridQuad{}) {
    PendingQuad& q = g_pending.emplace_back();
    q.key = BatchKey{texture, BlendOf(s.blend), s.clipX, s.clipY, s.clipWidth, s.clipHeight};
    q.corner[0] = Vertex{xy[0], xy[1], u0, v0, c.r, c.g, c.b, c.a};
    q.corner[1] = Vertex{xy[2], xy[3], u1, v0, c.r, c.g, c.b, c.a};
    q.corner[2] = Vertex{xy[4], xy[5], u1, v1, c.r, c.g, c.b, c.a};
    q.corner[3] = Vertex{xy[6], xy[7], u0, v1, c.r, c.g, c.b, c.a};
    q.grid = grid;
    if (g_pending.size() >= kMostPendingQuads) FlushDrawing();
}

// Whether a whole number lies in the range where pixels are counted.
bool WholePixel(double v) { return v == std::floor(v) && std::fabs(v) < 1e6; }

void Rectangle(const media::DrawState& s, float x, float y, float w, float h) {
    const float xy[8] = {x, y, x + w, y, x + w, y + h, x, y + h};
    GridQuad grid;
    if (WholePixel(x) && WholePixel(y) && WholePixel(w) && WholePixel(h) && w > 0 && h > 0) {
        grid.on = true;
        grid.x0 = static_cast<int32_t>(x);
        grid.y0 = static_cast<int32_t>(y);
        grid.x1 = static_cast<int32_t>(x + w);
        grid.y1 = static_cast<int32_t>(y + h);
    }
    Quad(g_white, s, xy, 0.5f, 0.5f, 0.5f, 0.5f, StateColour(s), grid);
}

// Draws the frame's pieces with the frame's top-left at (left, top), unscaled.
// On whole pixels each pixel of the surface takes the texel its centre falls
// on, whichever quad holds it, so a piece may be drawn as any part of it:
// in mask, alpha and light mode a see-through pixel leaves the surface as it
// was, so the box of its opaque pixels is enough. Elsewhere a cut edge could
// fall on a pixel centre and round either way: the whole piece is drawn.
void FrameAt(const ImagePieces& t, const media::Image& img, int32_t frame, const media::DrawState& s, double left,
             double top, Colour c) {
    const bool onGrid = g_skipHidden && WholePixel(left) && WholePixel(top);
    const int32_t blend = BlendOf(s.blend);
    const bool boxOnly = onGrid && blend != BlendSolid && blend != BlendShade;
    for (int32_t i = t.firstPiece[frame]; i < t.firstPiece[frame + 1]; ++i) {
        const Piece& p = t.pieces[i];
        const FramePart& part = boxOnly ? p.box : p;
        if (part.w == 0) continue;
        const int32_t x = part.x, y = part.y, w = part.w, h = part.h;
        const float x0 = static_cast<float>(left + x), y0 = static_cast<float>(top + y);
        const float x1 = static_cast<float>(left + x + w), y1 = static_cast<float>(top + y + h);
        const float xy[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
        GridQuad grid;
        if (onGrid) {
            grid.on = true;
            grid.x0 = static_cast<int32_t>(left) + x;
            grid.y0 = static_cast<int32_t>(top) + y;
            grid.x1 = grid.x0 + w;
            grid.y1 = grid.y0 + h;
            grid.image = &img;
            grid.version = img.version;
            grid.frame = frame;
            grid.frameX = x;
            grid.frameY = y;
            grid.texelX = p.slotX + 1 + (x - p.x);
            grid.texelY = p.slotY + 1 + (y - p.y);
            grid.pageWidth = PageWidth();
            grid.pageRows = PageRows(p.page);
        }
        Quad(p.texture, s, xy, part.u0, part.v0, part.u1, part.v1, c, grid);
    }
}

template <typename T>
T BufferEntry(const char* name, const char* arb) {
    void* f = SDL_GL_GetProcAddress(name);
    if (!f) f = SDL_GL_GetProcAddress(arb);
    return reinterpret_cast<T>(f);
}

void SetVertexPointers(const uint8_t* base) {
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), base + offsetof(Vertex, x));
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), base + offsetof(Vertex, u));
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), base + offsetof(Vertex, r));
}

void StartStream() {
    g_stream = 0;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const bool core = version && (std::atoi(version) > 1 || std::strncmp(version, "1.5", 3) == 0);
    if (!core && SDL_GL_ExtensionSupported("GL_ARB_vertex_buffer_object") != SDL_TRUE) return;
    g_buffers.gen = BufferEntry<PFNGLGENBUFFERSPROC>("glGenBuffers", "glGenBuffersARB");
    g_buffers.del = BufferEntry<PFNGLDELETEBUFFERSPROC>("glDeleteBuffers", "glDeleteBuffersARB");
    g_buffers.bind = BufferEntry<PFNGLBINDBUFFERPROC>("glBindBuffer", "glBindBufferARB");
    g_buffers.data = BufferEntry<PFNGLBUFFERDATAPROC>("glBufferData", "glBufferDataARB");
    g_buffers.subData = BufferEntry<PFNGLBUFFERSUBDATAPROC>("glBufferSubData", "glBufferSubDataARB");
    if (!g_buffers.gen || !g_buffers.del || !g_buffers.bind || !g_buffers.data || !g_buffers.subData) return;
    g_buffers.gen(1, &g_stream);
    g_buffers.bind(GL_ARRAY_BUFFER, g_stream);
    g_buffers.data(GL_ARRAY_BUFFER, kStreamBytes, nullptr, GL_STREAM_DRAW);
    g_streamUsed = 0;
    SetVertexPointers(nullptr);
}

}  // namespace

void RendererStart(int32_t maxTextureSize) {
    AtlasStart(maxTextureSize);
    g_pending.clear();
    g_vertices.clear();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glShadeModel(GL_FLAT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glAlphaFunc(GL_GEQUAL, 0.5f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    StartStream();
    const uint8_t white[4] = {255, 255, 255, 255};
    glGenTextures(1, &g_white);
    glBindTexture(GL_TEXTURE_2D, g_white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    BindSurface();
}

void RendererStop() {
    AtlasStop();
    if (g_white) glDeleteTextures(1, &g_white);
    g_white = 0;
    if (g_stream) g_buffers.del(1, &g_stream);
    g_stream = 0;
    g_pending.clear();
    g_vertices.clear();
    g_appliedValid = false;
}

void ForgetAppliedState() { g_appliedValid = false; }


void DropPendingQuads() {
    if (g_skipHidden) {
        g_pending.clear();
    } else {
        FlushDrawing();
    }
}

namespace {

// Sends one run of quads that share their batch key.
void SendRun(const BatchKey& key) {
    if (g_vertices.empty()) return;
    Apply(key);
    const GLsizei count = static_cast<GLsizei>(g_vertices.size());
    if (g_stream) {
        const GLsizeiptr bytes = static_cast<GLsizeiptr>(g_vertices.size() * sizeof(Vertex));
        if (g_streamUsed + bytes > kStreamBytes) {
            // A fresh store: the quads still being drawn keep the old one.
            g_buffers.data(GL_ARRAY_BUFFER, kStreamBytes, nullptr, GL_STREAM_DRAW);
            g_streamUsed = 0;
        }
        g_buffers.subData(GL_ARRAY_BUFFER, g_streamUsed, bytes, g_vertices.data());
        glDrawArrays(GL_QUADS, static_cast<GLint>(g_streamUsed / static_cast<GLsizeiptr>(sizeof(Vertex))), count);
        g_streamUsed += bytes;
    } else {
        SetVertexPointers(reinterpret_cast<const uint8_t*>(g_vertices.data()));
        glDrawArrays(GL_QUADS, 0, count);
    }
    g_vertices.clear();
}

}  // namespace

void FlushDrawing() {
    if (g_pending.empty()) return;
    if (g_skipHidden) SkipHiddenPixels(g_pending, TheDisplay().width, TheDisplay().height);
    BatchKey run;
    for (const PendingQuad& q : g_pending) {
        if (q.dropped) continue;
        if (!g_vertices.empty() && (!(q.key == run) || g_vertices.size() >= kRunQuads * 4)) SendRun(run);
        run = q.key;
        g_vertices.insert(g_vertices.end(), q.corner, q.corner + 4);
    }
    SendRun(run);
    g_pending.clear();
}

void BindSurface() {
    const Display& d = TheDisplay();
    glViewport(0, 0, d.width, d.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, d.width, d.height, 0.0, -1.0, 1.0);  // y downwards from the top-left
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_SCISSOR_TEST);
    g_appliedValid = false;
}

}  // namespace sdlmedia

namespace media {
void SetHiddenPixelSkipping(bool on) {
    sdlmedia::FlushDrawing();
    sdlmedia::g_skipHidden = on;
}
}  // namespace media

void DrawImageFrame(int32_t image, float x, float y, int32_t frame) {
    media::Image* img = media::FindImageFrame(image, frame);
    if (!img || !sdlmedia::DisplayIsOpen()) return;
    const sdlmedia::ImagePieces& t = sdlmedia::PiecesOf(image, *img);
    const media::DrawState& s = media::CurrentDrawState();
    const sdlmedia::Colour c = sdlmedia::StateColour(s);
    if (s.rotation == 0.0f && s.scaleX == 1.0f && s.scaleY == 1.0f) {
        sdlmedia::FrameAt(t, *img, frame, s, static_cast<double>(x) - img->originX,
                          static_cast<double>(y) - img->originY, c);
        return;
    }
    // Scale, then turn (clockwise on the screen for positive degrees), both
    // about the origin, which lands on (x, y).
    const double radians = static_cast<double>(s.rotation) * (3.14159265358979323846 / 180.0);
    const double cs = std::cos(radians), sn = std::sin(radians);
    auto place = [&](double lx, double ly, float& outX, float& outY) {
        lx = (lx - img->originX) * s.scaleX;
        ly = (ly - img->originY) * s.scaleY;
        outX = static_cast<float>(x + (lx * cs - ly * sn));
        outY = static_cast<float>(y + (lx * sn + ly * cs));
    };
    for (int32_t i = t.firstPiece[frame]; i < t.firstPiece[frame + 1]; ++i) {
        const sdlmedia::Piece& p = t.pieces[i];
        float xy[8];
        place(p.x, p.y, xy[0], xy[1]);
        place(p.x + p.w, p.y, xy[2], xy[3]);
        place(p.x + p.w, p.y + p.h, xy[4], xy[5]);
        place(p.x, p.y + p.h, xy[6], xy[7]);
        sdlmedia::Quad(p.texture, s, xy, p.u0, p.v0, p.u1, p.v1, c);
    }
}

void TileImageFrame(int32_t image, float x, float y, int32_t frame) {
    media::Image* img = media::FindImageFrame(image, frame);
    if (!img || !sdlmedia::DisplayIsOpen()) return;
    const media::DrawState& s = media::CurrentDrawState();
    if (s.clipWidth <= 0 || s.clipHeight <= 0) return;
    const sdlmedia::ImagePieces& t = sdlmedia::PiecesOf(image, *img);
    const sdlmedia::Colour c = sdlmedia::StateColour(s);
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    // Copies lie edge to edge at the frame's own size, one of them with its
    // top-left corner on (x, y); start from the last one at or before the
    // clip rectangle's corner (found by remainder, so far-off corners work).
    const double fw = img->frameWidth, fh = img->frameHeight;
    auto start = [](double at, int32_t clip, double size) {
        double phase = std::fmod(at - clip, size);
        if (phase > 0) phase -= size;
        return clip + phase;
    };
    const double left = start(x, s.clipX, fw);
    const double top = start(y, s.clipY, fh);
    const double right = static_cast<double>(s.clipX) + s.clipWidth;
    const double bottom = static_cast<double>(s.clipY) + s.clipHeight;
    for (double ty = top; ty < bottom; ty += fh) {
        for (double tx = left; tx < right; tx += fw) sdlmedia::FrameAt(t, *img, frame, s, tx, ty, c);
    }
}

void FillRect(float x, float y, float width, float height) {
    if (!sdlmedia::DisplayIsOpen()) return;
    sdlmedia::Rectangle(media::CurrentDrawState(), x, y, width, height);
}

void PlotPoint(float x, float y) {
    if (!sdlmedia::DisplayIsOpen()) return;
    // The pixel the point falls in.
    sdlmedia::Rectangle(media::CurrentDrawState(), std::floor(x), std::floor(y), 1.0f, 1.0f);
}
