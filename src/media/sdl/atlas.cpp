// Image pixels on the graphics card. Every image's frames share a few large
// textures (pages), so a frame that draws sprites from many images seldom
// changes texture: software OpenGL pays far more for a change of texture than
// for a quad. A page is filled in shelves; a frame takes a slot on a shelf,
// with a one-pixel border that repeats the frame's edge so a filtered frame
// never picks up its neighbour's pixels. A frame larger than a page is cut into
// pieces. Released images give their slots back for the next section's strip.
//
// Pictures go to the card when first drawn, so the pages hold what is drawn;
// until then a picture loaded from a file waits in memory in a compact form
// (the colours of its opaque pixels only).
// A page is laid out as a square as wide as the largest texture allowed, but
// its texture only has the rows its shelves reach so far (a power of two):
// when a new shelf runs past them the texture grows, its pixels copied over
// on the card. Once on the card, a picture loaded from a file needs no copy
// in memory: the image drops it, keeping its mask bits for the overlap test.
#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "media_internal.h"
#include "sdl_backend.h"

namespace sdlmedia {
namespace {

// Pages larger than this gain nothing and cost memory.
constexpr int32_t kPageSizeLimit = 4096;
// The fewest rows a page's texture starts with.
constexpr int32_t kFirstPageRows = 256;

struct Span {
    int32_t x, w;
};

struct Shelf {
    int32_t y = 0, height = 0;
    std::vector<Span> free;  // sorted by x, never touching
};

struct Page {
    GLuint texture = 0;
    bool filtered = false;
    int32_t rows = 0;   // rows of its texture so far
    int32_t nextY = 0;  // where the next shelf starts
    std::vector<Shelf> shelves;
};

std::vector<Page> g_pages;
int32_t g_pageSize = 1024;
std::unordered_map<int32_t, ImagePieces> g_images;
int32_t g_lastHandle = 0;
ImagePieces* g_lastEntry = nullptr;
GLuint g_copyFramebuffer = 0;  // reads an old page while it grows

bool TakeSpan(Shelf& shelf, int32_t w, int32_t& x) {
    for (size_t i = 0; i < shelf.free.size(); ++i) {
        Span& span = shelf.free[i];
        if (span.w < w) continue;
        x = span.x;
        span.x += w;
        span.w -= w;
        if (span.w == 0) shelf.free.erase(shelf.free.begin() + static_cast<long>(i));
        return true;
    }
    return false;
}

void GiveSpan(Shelf& shelf, int32_t x, int32_t w) {
    auto next = std::lower_bound(shelf.free.begin(), shelf.free.end(), x,
                                 [](const Span& s, int32_t at) { return s.x < at; });
    next = shelf.free.insert(next, Span{x, w});
    if (next + 1 != shelf.free.end() && next->x + next->w == (next + 1)->x) {
        next->w += (next + 1)->w;
        shelf.free.erase(next + 1);
    }
    if (next != shelf.free.begin() && (next - 1)->x + (next - 1)->w == next->x) {
        (next - 1)->w += next->w;
        shelf.free.erase(next);
    }
}

bool ShelfEmpty(const Shelf& shelf) {
    return shelf.free.size() == 1 && shelf.free[0].x == 0 && shelf.free[0].w == g_pageSize;
}

GLuint NewTexture(bool filtered, int32_t rows) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const GLint filter = filtered ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, g_pageSize, rows, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    ForgetAppliedState();
    return texture;
}

// Where a piece and its box lie in its page's texture, as texture coordinates.
void SetCoordinates(Piece& p) {
    const float width = static_cast<float>(g_pageSize);
    const float rows = static_cast<float>(g_pages[p.page].rows);
    p.texture = g_pages[p.page].texture;
    auto place = [&](FramePart& part) {
        const int32_t u = p.slotX + 1 + (part.x - p.x), v = p.slotY + 1 + (part.y - p.y);
        part.u0 = static_cast<float>(u) / width;
        part.u1 = static_cast<float>(u + part.w) / width;
        part.v0 = static_cast<float>(v) / rows;
        part.v1 = static_cast<float>(v + part.h) / rows;
    };
    place(p);
    place(p.box);
}

// Gives the page's texture at least `rows` rows (a power of two), keeping
// its pixels; the pieces already on it follow to the new texture.
void GrowPage(int32_t index, int32_t rows) {
    Page& page = g_pages[index];
    int32_t grown = std::max(page.rows, std::min(kFirstPageRows, g_pageSize));
    while (grown < rows) grown *= 2;
    grown = std::min(grown, g_pageSize);
    if (grown <= page.rows) return;
    const GLuint texture = NewTexture(page.filtered, grown);
    if (page.texture) {
        // Quads already collected name the old texture.
        FlushDrawing();
        const FramebufferFunctions& fbo = Fbo();
        if (!g_copyFramebuffer) fbo.genFramebuffers(1, &g_copyFramebuffer);
        fbo.bindFramebuffer(GL_FRAMEBUFFER, g_copyFramebuffer);
        fbo.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, page.texture, 0);
        glDisable(GL_SCISSOR_TEST);
        glBindTexture(GL_TEXTURE_2D, texture);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, g_pageSize, page.rows);
        fbo.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
        fbo.bindFramebuffer(GL_FRAMEBUFFER, TheDisplay().framebuffer);
        glDeleteTextures(1, &page.texture);
        BindSurface();
    }
    page.texture = texture;
    page.rows = grown;
    for (auto& [handle, pieces] : g_images) {
        for (Piece& p : pieces.pieces) {
            if (p.page == index) SetCoordinates(p);
        }
    }
}

// Finds room for a w x h slot (border included) on a page of the filtering
// asked for: a shelf of about that height first, then a new shelf, then a
// new page.
void Allocate(int32_t w, int32_t h, bool filtered, Piece& piece) {
    auto place = [&](int32_t page, int32_t shelf, int32_t x) {
        piece.page = page;
        piece.shelf = shelf;
        piece.slotX = x;
        piece.slotY = g_pages[page].shelves[shelf].y;
    };
    for (int32_t p = 0; p < static_cast<int32_t>(g_pages.size()); ++p) {
        if (g_pages[p].filtered != filtered) continue;
        auto& shelves = g_pages[p].shelves;
        for (int32_t s = 0; s < static_cast<int32_t>(shelves.size()); ++s) {
            const bool fits = shelves[s].height >= h && (shelves[s].height <= h + h / 4 + 8 || ShelfEmpty(shelves[s]));
            int32_t x = 0;
            if (fits && TakeSpan(shelves[s], w, x)) return place(p, s, x);
        }
    }
    // New shelves are a little taller than asked, so near sizes share them.
    const int32_t shelfHeight = std::min((h + 7) / 8 * 8, g_pageSize);
    for (int32_t attempt = 0; attempt < 2; ++attempt) {
        for (int32_t p = 0; p < static_cast<int32_t>(g_pages.size()); ++p) {
            Page& page = g_pages[p];
            if (page.filtered != filtered || page.nextY + shelfHeight > g_pageSize) continue;
            page.shelves.push_back(Shelf{page.nextY, shelfHeight, {Span{0, g_pageSize}}});
            page.nextY += shelfHeight;
            GrowPage(p, page.nextY);
            int32_t x = 0;
            TakeSpan(g_pages[p].shelves.back(), w, x);
            return place(p, static_cast<int32_t>(g_pages[p].shelves.size()) - 1, x);
        }
        Page page;
        page.filtered = filtered;
        g_pages.push_back(std::move(page));
    }
}

// Copies one piece of a frame (its RGBA at `pixels`), with its border, into its slot.
void UploadPiece(const media::Image& img, const uint8_t* pixels, const Piece& p, std::vector<uint8_t>& buffer) {
    const int32_t sw = p.w + 2, sh = p.h + 2;
    buffer.resize(static_cast<size_t>(sw) * sh * 4);
    const int32_t left = std::max(p.x - 1, 0);
    const int32_t right = std::min(p.x + p.w, img.frameWidth - 1);
    for (int32_t sy = 0; sy < sh; ++sy) {
        const int32_t fy = std::clamp(p.y + sy - 1, 0, img.frameHeight - 1);
        const uint8_t* row = pixels + static_cast<size_t>(fy) * img.frameWidth * 4;
        uint8_t* out = buffer.data() + static_cast<size_t>(sy) * sw * 4;
        std::memcpy(out, row + static_cast<size_t>(left) * 4, 4);
        std::memcpy(out + 4, row + static_cast<size_t>(p.x) * 4, static_cast<size_t>(p.w) * 4);
        std::memcpy(out + static_cast<size_t>(p.w + 1) * 4, row + static_cast<size_t>(right) * 4, 4);
    }
    glBindTexture(GL_TEXTURE_2D, g_pages[p.page].texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, p.slotX, p.slotY, sw, sh, GL_RGBA, GL_UNSIGNED_BYTE, buffer.data());
}

void Upload(ImagePieces& t, const media::Image& img) {
    std::vector<uint8_t> buffer, frame;
    for (int32_t f = 0; f < img.frameCount; ++f) {
        const media::Box& box = img.boxes[f];
        const uint8_t* pixels = nullptr;
        if (img.HasPixels()) {
            pixels = img.FrameRgba(f);
        } else {
            frame.resize(img.FramePixels() * 4);
            media::UnpackFrame(img, f, frame.data());
            pixels = frame.data();
        }
        for (int32_t i = t.firstPiece[f]; i < t.firstPiece[f + 1]; ++i) {
            Piece& p = t.pieces[i];
            UploadPiece(img, pixels, p, buffer);
            // The frame's opaque box, within the piece.
            const int32_t left = std::max(box.x, p.x), right = std::min(box.x + box.w, p.x + p.w);
            const int32_t top = std::max(box.y, p.y), bottom = std::min(box.y + box.h, p.y + p.h);
            p.box = left < right && top < bottom ? FramePart{left, top, right - left, bottom - top} : FramePart{};
            SetCoordinates(p);
        }
    }
    t.version = img.version;
    ForgetAppliedState();
}

void Place(ImagePieces& t, const media::Image& img) {
    const int32_t pieceLimit = g_pageSize - 2;
    const bool filtered = (img.flags & ImageFiltered) != 0;
    t.pieces.clear();
    t.firstPiece.assign(static_cast<size_t>(img.frameCount) + 1, 0);
    for (int32_t f = 0; f < img.frameCount; ++f) {
        t.firstPiece[f] = static_cast<int32_t>(t.pieces.size());
        for (int32_t py = 0; py < img.frameHeight; py += pieceLimit) {
            for (int32_t px = 0; px < img.frameWidth; px += pieceLimit) {
                Piece p;
                p.x = px;
                p.y = py;
                p.w = std::min(pieceLimit, img.frameWidth - px);
                p.h = std::min(pieceLimit, img.frameHeight - py);
                Allocate(p.w + 2, p.h + 2, filtered, p);
                t.pieces.push_back(p);
            }
        }
    }
    t.firstPiece[img.frameCount] = static_cast<int32_t>(t.pieces.size());
    t.placed = true;
}

}  // namespace

void AtlasStart(int32_t maxTextureSize) {
    g_pageSize = std::clamp(maxTextureSize, 64, kPageSizeLimit);
}

void AtlasStop() {
    for (Page& page : g_pages) {
        if (page.texture) glDeleteTextures(1, &page.texture);
    }
    if (g_copyFramebuffer) Fbo().deleteFramebuffers(1, &g_copyFramebuffer);
    g_copyFramebuffer = 0;
    g_pages.clear();
    g_images.clear();
    g_lastHandle = 0;
    g_lastEntry = nullptr;
}

const ImagePieces& PiecesOf(int32_t handle, media::Image& img) {
    ImagePieces* t = g_lastEntry;
    if (handle != g_lastHandle || !t) {
        t = &g_images[handle];  // elements stay put when the map grows
        g_lastHandle = handle;
        g_lastEntry = t;
    }
    if (t->placed && t->version == img.version) return *t;
    if (!t->placed) {
        Place(*t, img);
    } else {
        // Quads already collected show the picture as it was when drawn.
        FlushDrawing();
    }
    Upload(*t, img);
    if (!img.path.empty()) media::DropPixels(img);
    return *t;
}

void ForgetImage(int32_t handle) {
    auto it = g_images.find(handle);
    if (it == g_images.end()) return;
    // Quads already collected may still show it; the slots go to the next image.
    if (DisplayIsOpen()) FlushDrawing();
    for (const Piece& p : it->second.pieces) {
        if (p.page < static_cast<int32_t>(g_pages.size())) {
            GiveSpan(g_pages[p.page].shelves[p.shelf], p.slotX, p.w + 2);
        }
    }
    g_images.erase(it);
    if (g_lastHandle == handle) {
        g_lastHandle = 0;
        g_lastEntry = nullptr;
    }
}

// Reads an uploaded image's RGBA back from its pages; false when it has none.
bool ReadBackPixels(int32_t handle, media::Image& img) {
    auto it = g_images.find(handle);
    if (it == g_images.end() || !it->second.placed || !DisplayIsOpen()) return false;
    const ImagePieces& t = it->second;
    img.rgba.resize(img.FramePixels() * 4 * img.frameCount);
    std::vector<std::vector<uint8_t>> pages(g_pages.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int32_t f = 0; f < img.frameCount; ++f) {
        for (int32_t i = t.firstPiece[f]; i < t.firstPiece[f + 1]; ++i) {
            const Piece& p = t.pieces[i];
            std::vector<uint8_t>& page = pages[p.page];
            if (page.empty()) {
                page.resize(static_cast<size_t>(g_pageSize) * g_pages[p.page].rows * 4);
                glBindTexture(GL_TEXTURE_2D, g_pages[p.page].texture);
                glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, page.data());
            }
            for (int32_t y = 0; y < p.h; ++y) {
                const uint8_t* src = page.data() + (static_cast<size_t>(p.slotY + 1 + y) * g_pageSize + p.slotX + 1) * 4;
                uint8_t* dst = img.FrameRgba(f) + (static_cast<size_t>(p.y + y) * img.frameWidth + p.x) * 4;
                std::memcpy(dst, src, static_cast<size_t>(p.w) * 4);
            }
        }
    }
    ForgetAppliedState();
    return true;
}

float PageWidth() { return static_cast<float>(g_pageSize); }
float PageRows(int32_t page) { return static_cast<float>(g_pages[page].rows); }

}  // namespace sdlmedia

namespace media {
bool BackendRestorePixels(int32_t handle, Image& image) { return sdlmedia::ReadBackPixels(handle, image); }
// Pictures wait for their first drawing in the compact form and go to the
// card from it.
bool BackendKeepsPackedPixels() { return true; }
}  // namespace media
