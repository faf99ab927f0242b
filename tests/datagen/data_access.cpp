#include "data_access.h"

#include <cstring>
#include <map>

#include "headless.h"

namespace datatest {

std::string DataPath(const std::string& relative) {
    return std::string(STREETWARDEN_DATA_DIR) + "/" + relative.substr(std::strlen("Data/"));
}

const dg::FileSpec* Spec(const std::string& relative) {
    for (int i = 0; i < dg::kFileCount; ++i)
        if (relative == dg::kFiles[i].path) return &dg::kFiles[i];
    return nullptr;
}

const media::Image* LoadPicture(const dg::FileSpec& spec) {
    // Loaded once per test program; the handles stay valid.
    static std::map<std::string, int32_t> loaded;
    static bool fresh = (headless::Reset(), true);  // a clean media layer, once
    (void)fresh;
    auto it = loaded.find(spec.path);
    if (it == loaded.end()) {
        SetMaskColour(spec.maskR, spec.maskG, spec.maskB);
        const int32_t flags = spec.masked ? ImageMasked : ImageFiltered;
        const std::string path = DataPath(spec.path);
        int32_t h = spec.cells ? LoadImageStrip(path, spec.cellW, spec.cellH, 0, spec.cells, flags)
                               : LoadImageFile(path, flags);
        it = loaded.emplace(spec.path, h).first;
    }
    return it->second ? media::FindImage(it->second) : nullptr;
}

const media::Image* LoadPicture(const std::string& relative) {
    const dg::FileSpec* s = Spec(relative);
    return s ? LoadPicture(*s) : nullptr;
}

bool On(const media::Image* img, int cell, int x, int y) {
    if (x < 0 || y < 0 || x >= img->frameWidth || y >= img->frameHeight) return false;
    return img->FrameMask(cell)[static_cast<size_t>(y) * img->frameWidth + x] != 0;
}

bool AnyOn(const media::Image* img, int cell, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (On(img, cell, x, y)) return true;
    return false;
}

int CountOn(const media::Image* img, int cell) {
    int n = 0;
    for (size_t i = 0; i < img->FramePixels(); ++i) n += img->FrameMask(cell)[i] != 0;
    return n;
}

bool LoadSound(const dg::FileSpec& spec, media::Sound& out) {
    std::string error;
    const std::string path = DataPath(spec.path);
    return spec.kind == dg::FileKind::Wav ? media::DecodeWav(path, out, &error) : media::DecodeOgg(path, out, &error);
}

}  // namespace datatest
