#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "test_picture.h"

// The image readers installed from the distribution (libtiff-tools,
// libjpeg-turbo-progs, imagemagick, pngcheck), run on files the tests write.

namespace vix::test {

struct ToolRun {
    int status = -1;  // the exit status; -1 when it did not run or ended by a signal
    std::string out;
    std::string err;
};

// Runs `command` through the shell with its output and errors caught.
ToolRun RunTool(const std::string& command);

// A folder of its own for the running test, emptied first.
std::filesystem::path ScratchFolder();

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);

// A binary PPM (P6) of the picture's red, green and blue.
void WritePpm(const std::filesystem::path& path, const TestPicture& picture);
// Reads a binary PPM of maxval 255; nothing when it is not one.
std::optional<TestPicture> ReadPpm(const std::filesystem::path& path);

// The checks every written file must pass: each reader ends with status 0
// and says nothing on its error output. One line for each complaint.
std::vector<std::string> TiffGate(const std::filesystem::path& file);
std::vector<std::string> JpegGate(const std::filesystem::path& file);
// pngcheck (chunks, CRCs, the zlib stream) and ImageMagick.
std::vector<std::string> PngGate(const std::filesystem::path& file);

// The pixels as the readers see them: TIFF through ImageMagick, JPEG through djpeg.
std::optional<TestPicture> TiffPixels(const std::filesystem::path& file);
std::optional<TestPicture> JpegPixels(const std::filesystem::path& file);
// PNG through ImageMagick.
std::optional<TestPicture> PngPixels(const std::filesystem::path& file);

}  // namespace vix::test
