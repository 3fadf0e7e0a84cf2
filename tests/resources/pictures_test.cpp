#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Picture {
    const char* name;
    std::uint32_t width, height;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

class LogoPicture : public testing::TestWithParam<Picture> {};

// The windows place each picture in a canvas of fixed size, so a picture of
// another size would be cropped or leave a gap.
TEST_P(LogoPicture, IsAPngOfTheCanvasSize) {
    const Picture& picture = GetParam();
    std::string bytes = ReadFile(std::string(VQ_RESOURCES_SOURCE_DIR "/") + picture.name);
    ASSERT_GE(bytes.size(), 24u) << picture.name << " missing or truncated";
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian32(bytes, 16), picture.width);
    EXPECT_EQ(BigEndian32(bytes, 20), picture.height);
}

TEST_P(LogoPicture, BuildPutsAnIdenticalCopyInTheDataFolder) {
    const Picture& picture = GetParam();
    std::string source = ReadFile(std::string(VQ_RESOURCES_SOURCE_DIR "/") + picture.name);
    std::string copy = ReadFile(std::string(VQ_RESOURCES_BUILD_DIR "/") + picture.name);
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(copy, source);
}

INSTANTIATE_TEST_SUITE_P(Resources, LogoPicture,
                         testing::Values(Picture{"Veltr480.png", 500, 87},
                                         Picture{"Veltr400.png", 402, 69}),
                         [](const testing::TestParamInfo<Picture>& info) {
                             return std::string(info.param.name).substr(0, 8);
                         });

}  // namespace
