#include "writers.h"

#include <png.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace dg {

void MakeParentDirs(const std::string& path) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
}

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    MakeParentDirs(path);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(rgb.data() + static_cast<size_t>(y) * width * 3));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

static void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 255);
    b.push_back((v >> 8) & 255);
}
static void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

bool WriteWav(const std::string& path, const std::vector<float>& mono) {
    MakeParentDirs(path);
    std::vector<uint8_t> b;
    const uint32_t data = static_cast<uint32_t>(mono.size() * 2);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    Put32(b, 36 + data);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);
    Put16(b, 1);      // PCM
    Put16(b, 1);      // mono
    Put32(b, 44100);  // rate
    Put32(b, 88200);  // bytes per second
    Put16(b, 2);      // block
    Put16(b, 16);     // bits
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, data);
    for (float s : mono) {
        long v = std::lround(s * 32767.0f);
        Put16(b, static_cast<uint16_t>(static_cast<int16_t>(std::clamp(v, -32767l, 32767l))));
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

bool WriteOgg(const std::string& path, const std::vector<float>& stereo, int serial, float quality) {
    MakeParentDirs(path);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, 44100, quality) != 0) {
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);
    ogg_packet header, headerComm, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComm, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComm);
    ogg_stream_packetin(&os, &headerCode);
    ogg_page og;
    bool ok = true;
    auto writePage = [&](const ogg_page& p) {
        ok = ok && std::fwrite(p.header, 1, p.header_len, f) == static_cast<size_t>(p.header_len);
        ok = ok && std::fwrite(p.body, 1, p.body_len, f) == static_cast<size_t>(p.body_len);
    };
    while (ogg_stream_flush(&os, &og) != 0) writePage(og);

    const size_t frames = stereo.size() / 2;
    const size_t chunk = 4096;
    size_t pos = 0;
    bool eos = false;
    while (!eos) {
        if (pos < frames) {
            size_t n = std::min(chunk, frames - pos);
            float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (size_t i = 0; i < n; ++i) {
                buf[0][i] = stereo[(pos + i) * 2];
                buf[1][i] = stereo[(pos + i) * 2 + 1];
            }
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            pos += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og) != 0) {
                    writePage(og);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
        if (pos >= frames && !eos) {
            // All input given: drain what is left.
            while (ogg_stream_flush(&os, &og) != 0) {
                writePage(og);
                if (ogg_page_eos(&og)) eos = true;
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return std::fclose(f) == 0 && ok;
}

}  // namespace dg
