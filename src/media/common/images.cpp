// Images: PNG decoding, cutting pictures into cells, the mask rule, origins,
// blank capture images and the pixel-exact overlap test. The opaque pixels
// stay in memory as bits, so overlap tests never ask the graphics card, even
// once the backend has dropped the CPU copy of the colours.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "media_internal.h"

namespace media {
namespace {

std::unordered_map<int32_t, std::unique_ptr<Image>> g_images;
uint8_t g_maskR = 0, g_maskG = 0, g_maskB = 0;
int32_t g_defaultFlags = 0;
MissingImageHook g_missingHook = nullptr;

struct PngFile {
    FILE* file = nullptr;
    ~PngFile() {
        if (file) std::fclose(file);
    }
};

void PngError(png_structp png, png_const_charp message) {
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error) *error = message;
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

}  // namespace

Image* FindImage(int32_t handle) {
    auto it = g_images.find(handle);
    return it == g_images.end() ? nullptr : it->second.get();
}

Image* FindImageFrame(int32_t handle, int32_t frame) {
    Image* image = FindImage(handle);
    if (!image || frame < 0 || frame >= image->frameCount) return nullptr;
    return image;
}

int32_t RegisterImage(std::unique_ptr<Image> image) {
    int32_t handle = NewHandle();
    g_images[handle] = std::move(image);
    return handle;
}

bool ReleaseImage(int32_t handle) { return g_images.erase(handle) > 0; }

Image* ImageWithPixels(int32_t handle) {
    Image* image = FindImage(handle);
    if (!image || image->HasPixels() || image->FramePixels() == 0) return image;
    if (image->HasPackedPixels()) {
        image->rgba.resize(image->FramePixels() * 4 * image->frameCount);
        for (int32_t f = 0; f < image->frameCount; ++f) UnpackFrame(*image, f, image->FrameRgba(f));
        RawBytes().swap(image->packedRgb);
        std::vector<uint32_t>().swap(image->packedStart);
    } else if (!BackendRestorePixels(handle, *image)) {
        return nullptr;
    }
    image->opaque.resize(image->rgba.size() / 4);
    for (size_t i = 0; i < image->opaque.size(); ++i) image->opaque[i] = image->rgba[4 * i + 3] != 0 ? 1 : 0;
    return image;
}

void DropPixels(Image& image) {
    RawBytes().swap(image.rgba);
    RawBytes().swap(image.opaque);
    RawBytes().swap(image.packedRgb);
    std::vector<uint32_t>().swap(image.packedStart);
}

void ResetImages() {
    StopDecodingAhead();
    g_images.clear();
    g_maskR = g_maskG = g_maskB = 0;
    g_defaultFlags = 0;
    g_missingHook = nullptr;
}

void MaskColour(uint8_t& r, uint8_t& g, uint8_t& b) {
    r = g_maskR;
    g = g_maskG;
    b = g_maskB;
}

int32_t ResolveImageFlags(int32_t flags) { return flags == -1 ? g_defaultFlags : flags; }

void SetMissingImageHook(MissingImageHook hook) { g_missingHook = hook; }

bool DecodePng(const std::string& path, Picture& out, std::string* error) {
    std::string message;
    PngFile pf;
    pf.file = std::fopen(path.c_str(), "rb");
    if (!pf.file) {
        if (error) *error = "cannot open";
        return false;
    }
    unsigned char signature[8];
    if (std::fread(signature, 1, 8, pf.file) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        if (error) *error = "not a PNG file";
        return false;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &message, PngError, PngWarning);
    if (!png) {
        if (error) *error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows;
    Picture picture;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (error) *error = message.empty() ? "damaged PNG file" : message;
        return false;
    }
    png_init_io(png, pf.file);
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    int colourType = png_get_color_type(png, info);
    int bitDepth = png_get_bit_depth(png, info);
    if (width == 0 || height == 0 || width > 16384 || height > 16384) {
        png_destroy_read_struct(&png, &info, nullptr);
        if (error) *error = "picture size out of range";
        return false;
    }
    if (bitDepth == 16) png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    // Transparency comes only from the mask colour; any alpha in the file is dropped.
    if (colourType & PNG_COLOR_MASK_ALPHA) png_set_strip_alpha(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_strip_alpha(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 3) {
        png_destroy_read_struct(&png, &info, nullptr);
        if (error) *error = "unsupported PNG pixel format";
        return false;
    }
    picture.width = static_cast<int32_t>(width);
    picture.height = static_cast<int32_t>(height);
    picture.rgb.resize(static_cast<size_t>(width) * height * 3);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = picture.rgb.data() + static_cast<size_t>(y) * width * 3;
    // libpng lets image data that runs on past the last row the header
    // gives, or whose compressed stream fails its own checksum once the rows
    // are read, pass with a warning: the picture would load cut. From here on
    // (the image data and what follows it) every such fault refuses the file.
    png_set_benign_errors(png, 0);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    out = std::move(picture);
    return true;
}

namespace {

// Sizes the mask bits and boxes of an image for its frames.
void SizeMasks(Image& image) {
    const size_t frames = static_cast<size_t>(image.frameCount);
    const int32_t words = (image.frameWidth + 63) / 64 + 1;  // one spare, read past a row's end
    if (image.maskWords != words || image.maskBits.size() != static_cast<size_t>(words) * image.frameHeight * frames) {
        image.maskWords = words;
        image.maskBits.assign(static_cast<size_t>(words) * image.frameHeight * frames, 0);
    }
    if (image.boxes.size() != frames) image.boxes.assign(frames, Box{});
}

// The mask rule over one frame whose pixels lie `step` bytes apart (RGB or
// RGBA), rows `stride` bytes apart: sets the frame's mask bits and box, and
// calls `pixel(x, y, opaque)` for each pixel in order; returns how many are
// opaque.
template <typename Pixel>
size_t MaskFrame(Image& image, int32_t frame, const uint8_t* first, size_t step, size_t stride, Pixel pixel) {
    const bool masked = (image.flags & ImageMasked) != 0;
    size_t opaque = 0;
    int32_t left = image.frameWidth, right = -1, top = image.frameHeight, bottom = -1;
    for (int32_t y = 0; y < image.frameHeight; ++y) {
        uint64_t* bits = image.MaskRow(frame, y);
        std::fill(bits, bits + image.maskWords, uint64_t{0});
        const uint8_t* px = first + y * stride;
        for (int32_t x = 0; x < image.frameWidth; ++x, px += step) {
            const bool transparent = masked && px[0] == g_maskR && px[1] == g_maskG && px[2] == g_maskB;
            pixel(x, y, !transparent);
            if (transparent) continue;
            ++opaque;
            bits[x >> 6] |= uint64_t{1} << (x & 63);
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    image.boxes[frame] = right < 0 ? Box{} : Box{left, top, right - left + 1, bottom - top + 1};
    return opaque;
}

}  // namespace

void ApplyMaskRule(Image& image, int32_t frame) {
    const size_t pixels = image.FramePixels();
    if (image.opaque.size() != pixels * image.frameCount) image.opaque.resize(pixels * image.frameCount);
    SizeMasks(image);
    uint8_t* px = image.FrameRgba(frame);
    uint8_t* mask = image.opaque.data() + pixels * frame;
    MaskFrame(image, frame, px, 4, static_cast<size_t>(image.frameWidth) * 4, [&](int32_t x, int32_t y, bool opaque) {
        const size_t i = static_cast<size_t>(y) * image.frameWidth + x;
        px[4 * i + 3] = opaque ? 255 : 0;
        mask[i] = opaque ? 1 : 0;
    });
}

std::unique_ptr<Image> CutCells(const Picture& picture, int32_t cellWidth, int32_t cellHeight,
                                int32_t firstCell, int32_t cellCount, int32_t flags, bool packed) {
    if (cellWidth <= 0 || cellHeight <= 0 || cellCount <= 0 || firstCell < 0) return nullptr;
    const int64_t columns = picture.width / cellWidth;
    const int64_t rows = picture.height / cellHeight;
    if (columns * rows < static_cast<int64_t>(firstCell) + cellCount) return nullptr;
    auto image = std::make_unique<Image>();
    image->frameWidth = cellWidth;
    image->frameHeight = cellHeight;
    image->frameCount = cellCount;
    image->flags = flags;
    const size_t stride = static_cast<size_t>(picture.width) * 3;
    auto cellPixels = [&](int32_t f) {
        const int64_t cell = firstCell + f;
        return picture.rgb.data() + (cell / columns) * cellHeight * stride + (cell % columns) * cellWidth * 3;
    };
    if (packed) {
        // The mask first, to size the copy; then the opaque pixels' RGB.
        SizeMasks(*image);
        image->clearRgb[0] = g_maskR;
        image->clearRgb[1] = g_maskG;
        image->clearRgb[2] = g_maskB;
        image->packedStart.assign(static_cast<size_t>(cellCount) + 1, 0);
        size_t total = 0;
        for (int32_t f = 0; f < cellCount; ++f) {
            image->packedStart[f] = static_cast<uint32_t>(total);
            total += MaskFrame(*image, f, cellPixels(f), 3, stride, [](int32_t, int32_t, bool) {});
        }
        image->packedStart[cellCount] = static_cast<uint32_t>(total);
        image->packedRgb.resize(total * 3);
        uint8_t* out = image->packedRgb.data();
        for (int32_t f = 0; f < cellCount; ++f) {
            const uint8_t* cell = cellPixels(f);
            for (int32_t y = 0; y < cellHeight; ++y) {
                const uint64_t* bits = image->MaskRow(f, y);
                for (int32_t x = 0; x < cellWidth; ++x) {
                    if (!((bits[x >> 6] >> (x & 63)) & 1)) continue;
                    std::memcpy(out, cell + y * stride + x * 3, 3);
                    out += 3;
                }
            }
        }
        return image;
    }
    // Every byte is written below: no need to clear them first.
    image->rgba.resize(image->FramePixels() * 4 * cellCount);
    for (int32_t f = 0; f < cellCount; ++f) {
        const uint8_t* cell = cellPixels(f);
        uint8_t* dst = image->FrameRgba(f);
        for (int32_t y = 0; y < cellHeight; ++y) {
            const uint8_t* src = cell + y * stride;
            for (int32_t x = 0; x < cellWidth; ++x, src += 3, dst += 4) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
            }
        }
        ApplyMaskRule(*image, f);
    }
    return image;
}

void UnpackFrame(const Image& image, int32_t frame, uint8_t* out) {
    const uint8_t* in = image.packedRgb.data() + static_cast<size_t>(image.packedStart[frame]) * 3;
    for (int32_t y = 0; y < image.frameHeight; ++y) {
        const uint64_t* bits = image.MaskRow(frame, y);
        for (int32_t x = 0; x < image.frameWidth; ++x, out += 4) {
            if ((bits[x >> 6] >> (x & 63)) & 1) {
                std::memcpy(out, in, 3);
                in += 3;
                out[3] = 255;
            } else {
                std::memcpy(out, image.clearRgb, 3);
                out[3] = 0;
            }
        }
    }
}

// The picture of a file: decoded ahead when start-up announced it, else now.
static bool ReadPicture(const std::string& path, Picture& picture) {
    bool decoded = false;
    if (TakeDecodedPicture(path, picture, &decoded)) return decoded;
    return DecodePng(path, picture, nullptr);
}

}  // namespace media

using namespace media;

void SetMaskColour(int32_t r, int32_t g, int32_t b) {
    g_maskR = static_cast<uint8_t>(r);
    g_maskG = static_cast<uint8_t>(g);
    g_maskB = static_cast<uint8_t>(b);
}

void SetDefaultImageFlags(int32_t flags) {
    if (flags != -1) g_defaultFlags = flags;
}

int32_t LoadImageStrip(const std::string& path, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                       int32_t cellCount, int32_t flags) {
    const int32_t resolved = ResolveImageFlags(flags);
    Picture picture;
    std::unique_ptr<Image> image;
    if (ReadPicture(path, picture)) {
        image = CutCells(picture, cellWidth, cellHeight, firstCell, cellCount, resolved, BackendKeepsPackedPixels());
    } else if (g_missingHook) {
        image = g_missingHook(path, cellWidth, cellHeight, cellCount);
        if (image) image->flags = resolved;
    }
    if (!image) return 0;
    image->path = path;
    return RegisterImage(std::move(image));
}

int32_t LoadImageFile(const std::string& path, int32_t flags) {
    const int32_t resolved = ResolveImageFlags(flags);
    Picture picture;
    std::unique_ptr<Image> image;
    if (ReadPicture(path, picture)) {
        image = CutCells(picture, picture.width, picture.height, 0, 1, resolved, BackendKeepsPackedPixels());
    } else if (g_missingHook) {
        image = g_missingHook(path, 0, 0, 1);
        if (image) image->flags = resolved;
    }
    if (!image) return 0;
    image->path = path;
    return RegisterImage(std::move(image));
}

void SetImageOrigin(int32_t handle, float x, float y) {
    if (Image* image = FindImage(handle)) {
        image->originX = x;
        image->originY = y;
    }
}

void CentreImageOrigin(int32_t handle) {
    if (Image* image = FindImage(handle)) {
        image->originX = static_cast<float>(image->frameWidth) / 2.0f;
        image->originY = static_cast<float>(image->frameHeight) / 2.0f;
    }
}

int32_t CreateBlankImage(int32_t width, int32_t height, int32_t frames, int32_t flags) {
    if (width <= 0 || height <= 0 || frames <= 0) return 0;
    auto image = std::make_unique<Image>();
    image->frameWidth = width;
    image->frameHeight = height;
    image->frameCount = frames;
    image->flags = ResolveImageFlags(flags);
    image->rgba.assign(image->FramePixels() * 4 * frames, 0);
    image->opaque.assign(image->FramePixels() * frames, 0);
    SizeMasks(*image);
    return RegisterImage(std::move(image));
}

int32_t ImageFrameWidth(int32_t handle) {
    const Image* image = FindImage(handle);
    return image ? image->frameWidth : 0;
}

int32_t ImageFrameHeight(int32_t handle) {
    const Image* image = FindImage(handle);
    return image ? image->frameHeight : 0;
}

int32_t ImageFrameCount(int32_t handle) {
    const Image* image = FindImage(handle);
    return image ? image->frameCount : 0;
}

int32_t ImagesOverlap(int32_t handle1, float x1, float y1, int32_t frame1, int32_t handle2, float x2, float y2,
                      int32_t frame2) {
    const Image* a = FindImageFrame(handle1, frame1);
    const Image* b = FindImageFrame(handle2, frame2);
    if (!a || !b) return 0;
    // Top-left corners in whole pixels (the game places everything on whole
    // pixels; fractions are dropped the way a pixel grid would).
    const int64_t ax = static_cast<int64_t>(std::floor(x1 - a->originX));
    const int64_t ay = static_cast<int64_t>(std::floor(y1 - a->originY));
    const int64_t bx = static_cast<int64_t>(std::floor(x2 - b->originX));
    const int64_t by = static_cast<int64_t>(std::floor(y2 - b->originY));
    const int64_t left = std::max(ax, bx);
    const int64_t right = std::min(ax + a->frameWidth, bx + b->frameWidth);
    const int64_t top = std::max(ay, by);
    const int64_t bottom = std::min(ay + a->frameHeight, by + b->frameHeight);
    if (left >= right || top >= bottom) return 0;
    // 64 mask bits of a row from bit `at` on; a row's spare word keeps the
    // read inside it.
    auto bitsAt = [](const uint64_t* row, int64_t at) {
        const int shift = static_cast<int>(at & 63);
        const uint64_t* word = row + (at >> 6);
        return shift == 0 ? word[0] : (word[0] >> shift) | (word[1] << (64 - shift));
    };
    const int64_t width = right - left;
    for (int64_t y = top; y < bottom; ++y) {
        const uint64_t* ra = a->MaskRow(frame1, static_cast<int32_t>(y - ay));
        const uint64_t* rb = b->MaskRow(frame2, static_cast<int32_t>(y - by));
        for (int64_t x = 0; x < width; x += 64) {
            uint64_t both = bitsAt(ra, left - ax + x) & bitsAt(rb, left - bx + x);
            if (width - x < 64) both &= (uint64_t{1} << (width - x)) - 1;
            if (both) return 1;
        }
    }
    return 0;
}

namespace media {
namespace {

// Encodes RGBA rows into an open file; false when libpng gave up.
bool WritePngRows(FILE* file, int32_t width, int32_t height, png_bytep* rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace
}  // namespace media

int32_t SaveImagePng(int32_t handle, int32_t frame, const std::string& path) {
    if (!media::FindImageFrame(handle, frame)) return 0;
    const media::Image* image = media::ImageWithPixels(handle);
    if (!image) return 0;
    // Rows point straight into the frame's pixels: RGBA, top row first.
    std::vector<png_bytep> rows(static_cast<size_t>(image->frameHeight));
    const uint8_t* pixels = image->FrameRgba(frame);
    for (size_t y = 0; y < rows.size(); ++y) {
        rows[y] = const_cast<png_bytep>(pixels + y * 4 * static_cast<size_t>(image->frameWidth));
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    bool written = media::WritePngRows(file, image->frameWidth, image->frameHeight, rows.data());
    written = std::fclose(file) == 0 && written;
    if (!written) std::remove(path.c_str());
    return written ? 1 : 0;
}
