// What the files of the SDL/OpenGL backend share: the window and its OpenGL
// context, the off-screen drawing surface, and the renderer's entry points.
#pragma once

#include <SDL.h>
#include <SDL_opengl.h>
// On Windows SDL_opengl.h brings in windows.h, whose macros would rename
// the media layer's own functions and types.
#undef DrawState
#undef DeleteFile

#include <cstdint>
#include <string>
#include <vector>

#include "media_internal.h"

namespace sdlmedia {

// The window, its context and the off-screen surface everything is drawn to.
// The surface is a framebuffer object with a colour texture; presenting draws
// that texture into the window, so the surface keeps its picture afterwards.
struct Display {
    bool videoReady = false;       // the video subsystem runs
    std::string videoError;        // why it does not
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    int32_t width = 640;           // drawing surface size
    int32_t height = 480;
    int32_t depth = 0;             // 0 window, 16 or 32 full screen
    int32_t hertz = 100;           // PresentFrame(-1) pacing
    GLuint framebuffer = 0;
    GLuint surfaceTexture = 0;
    int32_t paceDeadline = 0;
    bool paceStarted = false;
};
Display& TheDisplay();
bool DisplayIsOpen();

// The application title given to SetAppTitle.
const std::string& AppTitle();

// True when SDL runs a video driver that shows nothing (offscreen, dummy):
// no message box can be shown there and none must pop up elsewhere.
bool VideoDriverShowsNothing();

// Framebuffer-object entry points, looked up when the display opens (the
// ARB names, or the EXT ones on older drivers).
struct FramebufferFunctions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;  // may be missing
};
const FramebufferFunctions& Fbo();

// ---- image pixels on the card (atlas.cpp)
// A part of a frame, and where it lies in its page as texture coordinates.
struct FramePart {
    int32_t x = 0, y = 0, w = 0, h = 0;  // within the frame
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};
// One piece of a frame (the whole frame unless it is larger than a page),
// with where it lies in its page, and the box of its opaque pixels within
// it (w 0 when it has none).
struct Piece : FramePart {
    FramePart box;
    GLuint texture = 0;
    int32_t page = 0, shelf = 0, slotX = 0, slotY = 0;
};
struct ImagePieces {
    bool placed = false;
    uint32_t version = 0;             // of the pixels last uploaded
    std::vector<Piece> pieces;
    std::vector<int32_t> firstPiece;  // per frame, plus one past the end
};
void AtlasStart(int32_t maxTextureSize);
void AtlasStop();  // before the context goes away
// The image's pieces, uploaded the first time and again when its pixels
// changed. A picture loaded from a file then drops its CPU copy.
const ImagePieces& PiecesOf(int32_t handle, media::Image& img);
// Gives a released image's slots back.
void ForgetImage(int32_t handle);
// The width of every page and the rows of one so far, for texture coordinates.
float PageWidth();
float PageRows(int32_t page);

// ---- quads waiting to be drawn (renderer.cpp, occlusion.cpp)
struct Vertex {
    float x, y, u, v;
    uint8_t r, g, b, a;
};
// What a run of quads shares, so it goes to OpenGL in one call.
struct BatchKey {
    GLuint texture = 0;
    int32_t blend = BlendMask;
    int32_t clipX = 0, clipY = 0, clipW = 0, clipH = 0;
    bool operator==(const BatchKey&) const = default;
};
// A quad that lies unscaled on whole pixels: a piece of an image frame or a
// filled rectangle. Any part of it can be drawn alone with the very same
// pixels, so hidden parts can be cut off.
struct GridQuad {
    bool on = false;
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // the surface pixels it covers
    // Images only: the frame (its mask bits tell its opaque pixels), the
    // frame pixel under (x0, y0), the texel under it and the page's size.
    const media::Image* image = nullptr;
    uint32_t version = 0;
    int32_t frame = 0;
    int32_t frameX = 0, frameY = 0;
    int32_t texelX = 0, texelY = 0;
    float pageWidth = 0, pageRows = 0;
};
struct PendingQuad {
    BatchKey key;
    Vertex corner[4];  // top-left, top-right, bottom-right, bottom-left of the texture
    GridQuad grid;
    bool dropped = false;
};
// Before a flush sends the quads: drops those that change nothing on the
// surface (everything they would draw is drawn over later, or they draw
// nothing at all) and cuts the others on whole pixels to the box of the
// pixels that still matter.
void SkipHiddenPixels(std::vector<PendingQuad>& quads, int32_t width, int32_t height);

// ---- renderer (renderer.cpp)
// Called once the context and the surface exist: sets up the fixed-function
// state for drawing into the surface.
void RendererStart(int32_t maxTextureSize);
// Called before the context goes away: textures die with it.
void RendererStop();
// Sends the quads collected so far to OpenGL. Everything that reads or
// replaces the surface (clear, present, grab) flushes first.
void FlushDrawing();
// Points drawing at the surface again (viewport, projection) and forgets
// which OpenGL state is applied, after presenting used the window.
void BindSurface();
// The texture binding or other state changed behind the renderer's back.
void ForgetAppliedState();
// Forgets the quads collected so far (the surface is about to be cleared).
void DropPendingQuads();

// ---- time and the end of the program (runtime.cpp)
void ForgetTimer(int32_t handle);
// Ends the process with the status (ExitProgram, FailAndExit, main's return).
[[noreturn]] void EndProcess(int32_t status);

}  // namespace sdlmedia
