// Image pixels on the graphics card. Every image's frames share a few large
// textures (pages), so a frame that draws sprites from many images seldom
// changes texture: software OpenGL pays far more for a change of texture than
// for a quad. A page is filled in shelves; a frame takes a slot on a shelf,
// with a one-pixel border that repeats the frame's edge so a filtered frame
// never picks up its neighbour's pixels. A frame larger than a page is cut into
// pieces. Released images give their slots back for the next section's strip.
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
    int32_t nextY = 0;  // where the next shelf starts
    std::vector<Shelf> shelves;
};

std::vector<Page> g_pages;
int32_t g_pageSize = 1024;
std::unordered_map<int32_t, ImagePieces> g_images;
int32_t g_lastHandle = 0;
ImagePieces* g_lastEntry = nullptr;

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

void NewPage(bool filtered) {
    Page page;
    page.filtered = filtered;
    glGenTextures(1, &page.texture);
    glBindTexture(GL_TEXTURE_2D, page.texture);
    const GLint filter = filtered ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, g_pageSize, g_pageSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    g_pages.push_back(std::move(page));
    ForgetAppliedState();
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
            int32_t x = 0;
            TakeSpan(page.shelves.back(), w, x);
            return place(p, static_cast<int32_t>(page.shelves.size()) - 1, x);
        }
        NewPage(filtered);
    }
}

// Copies one piece of a frame, with its border, into its slot.
void UploadPiece(const media::Image& img, int32_t frame, const Piece& p, std::vector<uint8_t>& buffer) {
    const int32_t sw = p.w + 2, sh = p.h + 2;
    buffer.resize(static_cast<size_t>(sw) * sh * 4);
    const uint8_t* pixels = img.FrameRgba(frame);
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
    std::vector<uint8_t> buffer;
    for (int32_t f = 0; f < img.frameCount; ++f) {
        for (int32_t i = t.firstPiece[f]; i < t.firstPiece[f + 1]; ++i) UploadPiece(img, f, t.pieces[i], buffer);
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
                const float size = static_cast<float>(g_pageSize);
                p.texture = g_pages[p.page].texture;
                p.u0 = static_cast<float>(p.slotX + 1) / size;
                p.u1 = static_cast<float>(p.slotX + 1 + p.w) / size;
                p.v0 = static_cast<float>(p.slotY + 1) / size;
                p.v1 = static_cast<float>(p.slotY + 1 + p.h) / size;
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
    g_pages.clear();
    g_images.clear();
    g_lastHandle = 0;
    g_lastEntry = nullptr;
}

const ImagePieces& PiecesOf(int32_t handle, const media::Image& img) {
    ImagePieces* t = g_lastEntry;
    if (handle != g_lastHandle || !t) {
        t = &g_images[handle];  // elements stay put when the map grows
        g_lastHandle = handle;
        g_lastEntry = t;
    }
    if (!t->placed) {
        Place(*t, img);
        Upload(*t, img);
    } else if (t->version != img.version) {
        // Quads already collected show the picture as it was when drawn.
        FlushDrawing();
        Upload(*t, img);
    }
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

}  // namespace sdlmedia
