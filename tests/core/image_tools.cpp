#include "image_tools.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vix::test {
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// A reader's run judged by the gate's rule.
void Judge(const std::string& name, const ToolRun& run, std::vector<std::string>& complaints) {
    if (run.status != 0)
        complaints.push_back(name + ": exit status " + std::to_string(run.status) + ": " + run.err);
    else if (!run.err.empty())
        complaints.push_back(name + ": said on standard error: " + run.err);
}

}  // namespace

ToolRun RunTool(const std::string& command) {
    static int count = 0;
    const fs::path folder = fs::temp_directory_path() / ("vix-tool-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path out = folder / ("out" + std::to_string(count));
    const fs::path err = folder / ("err" + std::to_string(count++));
    const std::string line = "(" + command + ") >" + Quoted(out) + " 2>" + Quoted(err);
    const int raw = std::system(line.c_str());
    ToolRun run;
    if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    run.out = Slurp(out);
    run.err = Slurp(err);
    fs::remove(out);
    fs::remove(err);
    return run;
}

fs::path ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder =
        fs::temp_directory_path() /
        ("vix-capture-" + std::string(info->test_suite_name()) + "." + info->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void WriteFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    const std::string s = Slurp(path);
    return {s.begin(), s.end()};
}

void WritePpm(const fs::path& path, const TestPicture& p) {
    std::ostringstream text;
    text << "P6\n" << p.width << " " << p.height << "\n255\n";
    std::string bytes = text.str();
    for (std::uint32_t px : p.pixels) {
        bytes += static_cast<char>((px >> 16) & 0xFF);
        bytes += static_cast<char>((px >> 8) & 0xFF);
        bytes += static_cast<char>(px & 0xFF);
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

std::optional<TestPicture> ReadPpm(const fs::path& path) {
    const std::string s = Slurp(path);
    std::istringstream in(s);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    if (magic != "P6" || w <= 0 || h <= 0 || max != 255) return std::nullopt;
    const auto start = static_cast<std::size_t>(in.tellg()) + 1;  // one whitespace byte
    if (s.size() != start + 3 * static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
        return std::nullopt;
    TestPicture p(w, h);
    const auto* b = reinterpret_cast<const std::uint8_t*>(s.data() + start);
    for (auto& px : p.pixels) {
        px = (std::uint32_t{b[0]} << 16) | (std::uint32_t{b[1]} << 8) | b[2];
        b += 3;
    }
    return p;
}

std::vector<std::string> TiffGate(const fs::path& file) {
    std::vector<std::string> complaints;
    Judge("tiffinfo -D", RunTool("tiffinfo -D " + Quoted(file)), complaints);
    Judge("tiffdump", RunTool("tiffdump " + Quoted(file)), complaints);
    Judge("identify -regard-warnings", RunTool("identify -regard-warnings " + Quoted(file)),
          complaints);
    return complaints;
}

std::vector<std::string> JpegGate(const fs::path& file) {
    std::vector<std::string> complaints;
    Judge("djpeg -strict", RunTool("djpeg -strict " + Quoted(file) + " >/dev/null"), complaints);
    Judge("identify -regard-warnings", RunTool("identify -regard-warnings " + Quoted(file)),
          complaints);
    return complaints;
}

std::vector<std::string> PngGate(const fs::path& file) {
    std::vector<std::string> complaints;
    // pngcheck reports on its standard output: only its status counts.
    const ToolRun check = RunTool("pngcheck -q " + Quoted(file));
    if (check.status != 0) complaints.push_back("pngcheck: " + check.out + check.err);
    Judge("identify -regard-warnings", RunTool("identify -regard-warnings " + Quoted(file)),
          complaints);
    return complaints;
}

std::optional<TestPicture> TiffPixels(const fs::path& file) {
    const fs::path ppm = file.string() + ".ppm";
    const ToolRun run =
        RunTool("convert " + Quoted(file) + " -depth 8 " + Quoted("ppm:" + ppm.string()));
    if (run.status != 0) return std::nullopt;
    return ReadPpm(ppm);
}

std::optional<TestPicture> PngPixels(const fs::path& file) { return TiffPixels(file); }

std::optional<TestPicture> JpegPixels(const fs::path& file) {
    const fs::path ppm = file.string() + ".ppm";
    const ToolRun run = RunTool("djpeg -strict -pnm -outfile " + Quoted(ppm) + " " + Quoted(file));
    if (run.status != 0) return std::nullopt;
    return ReadPpm(ppm);
}

}  // namespace vix::test
