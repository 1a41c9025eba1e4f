#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "binary_images.h"
#include "pe_image.h"

// One image of one build, read whole; the test is skipped, saying why, when
// the build was not made.

namespace vix::binary {

struct ImageParam {
    Build build;
    const char* file;
};

inline std::string ImageName(const ::testing::TestParamInfo<ImageParam>& info) {
    std::string name = std::string(info.param.build.name) + "_" + info.param.file;
    for (char& c : name)
        if (c == '.') c = '_';
    return name;
}

class ImageTest : public ::testing::TestWithParam<ImageParam> {
  protected:
    void SetUp() override {
        const Build& build = GetParam().build;
        const auto dir = BinDir(build);
        if (!dir) GTEST_SKIP() << build.name << " was not built in this run";
        path = *dir + "/" + GetParam().file;
        if (!FileExists(path))
            GTEST_SKIP() << path << " is not built (cmake --build --preset " << build.name
                         << " --target vix Vix32)";
        bytes = ReadBytes(path);
        image.emplace(bytes);
    }
    bool IsProgram() const { return std::string(GetParam().file) == "vix.exe"; }

    std::string path;
    std::vector<std::uint8_t> bytes;
    std::optional<pe::PeImage> image;
};

inline constexpr ImageParam kPrograms[] = {{kWin32, "vix.exe"}, {kWin64, "vix.exe"}};
inline constexpr ImageParam kHookLibraries[] = {{kWin32, "Vix32.dll"}, {kWin64, "Vix32.dll"}};
inline constexpr ImageParam kShippedImages[] = {
    {kWin32, "vix.exe"}, {kWin32, "Vix32.dll"}, {kWin64, "vix.exe"}, {kWin64, "Vix32.dll"}};

}  // namespace vix::binary
