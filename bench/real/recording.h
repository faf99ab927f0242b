// A recorded frame: the drawing calls of one pass of stage play, as the
// headless backend saw them, written as text so the real backend can draw
// the same frame again (frame_record writes them, frame_bench reads them).
//
//   streetwarden-frame 1
//   clear R G B
//   OP PATH FRAME X Y W H R G B ALPHA BLEND SX SY ROT CX CY CW CH
//
// OP is draw, tile, fill, plot, clear or present; PATH the image's file ("-"
// for none); floats are written exactly (hexadecimal).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "headless.h"

namespace recording {

struct Frame {
    int32_t clearR = 0, clearG = 0, clearB = 0;
    std::vector<headless::DrawCall> calls;  // image handles are not kept: paths name the images
};

inline const char* const OpNames[] = {"clear", "present", "draw", "tile", "fill", "plot", "grab"};

inline bool Write(const std::string& path, const Frame& frame) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return false;
    std::fprintf(f, "streetwarden-frame 1\nclear %d %d %d\n", frame.clearR, frame.clearG, frame.clearB);
    for (const headless::DrawCall& c : frame.calls) {
        std::fprintf(f, "%s %s %d %a %a %a %a %d %d %d %a %d %a %a %a %d %d %d %d\n", OpNames[static_cast<int>(c.op)],
                     c.path.empty() ? "-" : c.path.c_str(), c.frame, c.x, c.y, c.width, c.height, c.r, c.g, c.b,
                     c.alpha, c.blend, c.scaleX, c.scaleY, c.rotation, c.clipX, c.clipY, c.clipWidth,
                     c.clipHeight);
    }
    return std::fclose(f) == 0;
}

inline bool Read(const std::string& path, Frame* frame, std::string* error) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) {
        *error = "cannot open " + path;
        return false;
    }
    char op[16], file[512], x[64], y[64], w[64], h[64], alpha[64], sx[64], sy[64], rot[64];
    int version = 0;
    bool ok = std::fscanf(f, "streetwarden-frame %d clear %d %d %d", &version, &frame->clearR, &frame->clearG,
                          &frame->clearB) == 4 &&
              version == 1;
    while (ok) {
        headless::DrawCall c{};
        const int got = std::fscanf(f, "%15s %511s %d %63s %63s %63s %63s %d %d %d %63s %d %63s %63s %63s %d %d %d %d",
                                    op, file, &c.frame, x, y, w, h, &c.r, &c.g, &c.b, alpha, &c.blend, sx, sy, rot,
                                    &c.clipX, &c.clipY, &c.clipWidth, &c.clipHeight);
        if (got == EOF) break;
        int kind = 0;
        while (kind < 7 && std::strcmp(op, OpNames[kind]) != 0) ++kind;
        if (got != 19 || kind == 7) {
            ok = false;
            break;
        }
        c.op = static_cast<headless::Op>(kind);
        c.path = std::strcmp(file, "-") == 0 ? "" : file;
        c.x = std::strtof(x, nullptr);
        c.y = std::strtof(y, nullptr);
        c.width = std::strtof(w, nullptr);
        c.height = std::strtof(h, nullptr);
        c.alpha = std::strtof(alpha, nullptr);
        c.scaleX = std::strtof(sx, nullptr);
        c.scaleY = std::strtof(sy, nullptr);
        c.rotation = std::strtof(rot, nullptr);
        frame->calls.push_back(c);
    }
    std::fclose(f);
    if (!ok) *error = path + " is not a recorded frame";
    return ok;
}

}  // namespace recording
