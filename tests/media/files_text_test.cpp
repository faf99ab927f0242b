// File streams (little-endian, inert stream 0, replace by rename) and the
// string helpers the screens use.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "headless.h"

namespace {

std::string TempPath(const char* name) {
    // In this build's folder: test runs of other builds on the machine use their own.
    return (std::filesystem::path(STREETWARDEN_BUILD_DIR) / (std::string("sw_files_") + name)).string();
}

TEST(Files, LittleEndianRoundTripAndExactBytes) {
    headless::Reset();
    const std::string path = TempPath("roundtrip.bin");
    int32_t out = OpenFileForWriting(path);
    ASSERT_NE(out, 0);
    WriteInt32(out, 0x01020304);
    WriteInt32(out, -2);
    WriteFloat32(out, 0.25f);
    EXPECT_EQ(CloseFile(out), 1);

    std::string bytes;
    {
        std::ifstream raw(path, std::ios::binary);  // closed before the file is removed
        bytes.assign(std::istreambuf_iterator<char>(raw), std::istreambuf_iterator<char>());
    }
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(std::memcmp(bytes.data(), "\x04\x03\x02\x01\xFE\xFF\xFF\xFF\x00\x00\x80\x3E", 12), 0);

    int32_t in = OpenFileForReading(path);
    EXPECT_EQ(FileBytesLeft(in), 12);
    EXPECT_EQ(ReadInt32(in), 0x01020304);
    EXPECT_EQ(ReadInt32(in), -2);
    EXPECT_EQ(ReadFloat32(in), 0.25f);
    EXPECT_EQ(FileBytesLeft(in), 0);
    EXPECT_EQ(ReadInt32(in), 0);  // past the end
    CloseFile(in);
    std::filesystem::remove(path);
}

TEST(Files, InertStreamsPathKindsAndReplace) {
    headless::Reset();
    EXPECT_EQ(ReadInt32(0), 0);
    EXPECT_EQ(ReadFloat32(0), 0.0f);
    WriteInt32(0, 5);
    EXPECT_EQ(CloseFile(0), 0);
    EXPECT_EQ(OpenFileForReading(TempPath("does_not_exist")), 0);

    const std::string a = TempPath("a.bin"), b = TempPath("b.bin");
    int32_t s = OpenFileForWriting(a);
    WriteInt32(s, 7);
    CloseFile(s);
    s = OpenFileForWriting(b);
    WriteInt32(s, 9);
    CloseFile(s);
    EXPECT_EQ(PathKind(a), 1);
    EXPECT_EQ(PathKind(std::filesystem::temp_directory_path().string()), 2);
    EXPECT_EQ(ReplaceFile(a, b), 1);
    EXPECT_EQ(PathKind(a), 0);
    s = OpenFileForReading(b);
    EXPECT_EQ(ReadInt32(s), 7);
    CloseFile(s);
    DeleteFile(b);
    EXPECT_EQ(PathKind(b), 0);
}

TEST(Text, StringHelpers) {
    EXPECT_EQ(StringFromInt(-42), "-42");
    EXPECT_EQ(StringFromInt(0), "0");
    EXPECT_EQ(ConcatStrings("STAGE ", "1"), "STAGE 1");
    EXPECT_LT(CompareStrings("ABC", "ABD"), 0);
    EXPECT_LT(CompareStrings("AB", "ABC"), 0);
    EXPECT_GT(CompareStrings("b", "B"), 0);
    EXPECT_EQ(CompareStrings("SAME", "SAME"), 0);
    EXPECT_EQ(ToUpperAscii("vxc-9 ok"), "VXC-9 OK");
    EXPECT_EQ(Substring("KESTRION", 2, 3), "EST");
    EXPECT_EQ(Substring("KESTRION", 7, 10), "ON");
    EXPECT_EQ(Substring("KESTRION", 20, 1), "");
    EXPECT_EQ(Substring("KESTRION", 0, 2), "K");
    EXPECT_EQ(LeftChars("KESTRION", 3), "KES");
    EXPECT_EQ(LeftChars("KES", 10), "KES");
    EXPECT_EQ(LeftChars("KES", -1), "");
    EXPECT_EQ(FirstCharCode(""), -1);
    EXPECT_EQ(FirstCharCode("%"), 37);
    EXPECT_EQ(StringFromCharCode(65), "A");
}

}  // namespace
