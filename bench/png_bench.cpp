// The snapshot's PNG encoder on a 3840 x 2160 screenshot, side by side with
// ImageMagick's `convert` writing PNG from the same pixels (read as raw RGB,
// the quickest input it has). Runs alternate between the two; the medians
// are compared: the goal is at most half convert's time and at most 1.1
// times its file size. The file written is also checked: pngcheck, and
// ImageMagick's decoding compared with the pixels byte for byte.
//
// The screenshot is composed by ImageMagick once: a desktop gradient, a
// text editor, a code window, a drawing board and a photograph-like plasma
// picture, which is what designers' screens hold.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "capture/png_encoder.h"
#include "native_timing.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kRuns = 7;

const fs::path& Scratch() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / "vix-png-bench";
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// Lines of words from a fixed little vocabulary, the same on every run.
std::string Prose(int lines, int words, unsigned seed) {
    static const char* const kWords[] = {"colour",  "picker", "ruler",   "capture", "snapshot",
                                         "layer",   "export", "palette", "swatch",  "contrast",
                                         "design",  "grid",   "pixel",   "vector",  "gradient",
                                         "opacity", "the",    "of",      "and",     "margin"};
    std::string text;
    for (int l = 0; l < lines; ++l) {
        for (int w = 0; w < words; ++w) {
            seed = seed * 1103515245u + 12345u;
            text += kWords[(seed >> 16) % std::size(kWords)];
            text += ' ';
        }
        text += '\n';
    }
    return text;
}

fs::path Screenshot() {
    const fs::path rgb = Scratch() / "screen.rgb";
    if (fs::exists(rgb) && fs::file_size(rgb) == std::uintmax_t{3} * kWidth * kHeight) return rgb;
    const std::string command =
        "convert -size 3840x2160 gradient:'#3a6ea5-#1c3550' "
        "\\( -size 1500x1100 xc:white -font DejaVu-Sans -pointsize 15 -fill '#222222' "
        "-annotate +20+60 '" +
        Prose(60, 14, 1) +
        "' -fill '#dde3ea' -draw 'rectangle 0,0 1500,34' "
        "-fill black -pointsize 16 -annotate +12+23 'Document - Editor' \\) "
        "-geometry +120+140 -composite "
        "\\( -size 1300x900 -seed 4 plasma:fractal -blur 0x1 \\) -geometry +1800+200 -composite "
        "\\( -size 900x700 xc:'#f3f3f3' -font DejaVu-Sans-Mono -pointsize 13 -fill '#1a1a1a' "
        "-annotate +14+40 '" +
        Prose(40, 9, 2) +
        "' -fill '#2b579a' -draw 'rectangle 0,0 900,30' \\) "
        "-geometry +2700+1300 -composite "
        "\\( -size 1400x700 xc:white -fill '#e8e8e8' -draw 'rectangle 0,0 1400,40' "
        "-fill '#4a90d9' -draw 'roundrectangle 40,80 400,300 12,12' "
        "-fill '#f5a623' -draw 'circle 700,300 820,300' "
        "-fill '#7ed321' -draw 'polygon 900,500 1100,150 1300,500' -font DejaVu-Sans "
        "-pointsize 28 -fill '#333' -annotate +60+620 'Design board: swatches and shapes' \\) "
        "-geometry +300+1350 -composite -fill '#202020' -draw 'rectangle 0,2112 3840,2160' "
        "-depth 8 'rgb:" +
        rgb.string() + "'";
    if (!Run(command)) {
        std::fprintf(stderr, "convert could not compose the screenshot\n");
        std::exit(1);
    }
    return rgb;
}

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

}  // namespace

int main() {
    const fs::path rgbFile = Screenshot();
    const std::vector<std::uint8_t> rgb = ReadAll(rgbFile);
    // The snapshot as the program holds it: blue, green, red, one unused byte.
    std::vector<std::uint8_t> bgrx(std::size_t{4} * kWidth * kHeight);
    for (std::size_t i = 0; i < std::size_t{kWidth} * kHeight; ++i) {
        bgrx[4 * i] = rgb[3 * i + 2];
        bgrx[4 * i + 1] = rgb[3 * i + 1];
        bgrx[4 * i + 2] = rgb[3 * i];
    }
    const auto view = vix::PixelView::TopDown(bgrx.data(), kWidth, kHeight);
    const fs::path ours = Scratch() / "vix.png", theirs = Scratch() / "convert.png";
    const std::string convert =
        "convert -size 3840x2160 -depth 8 'rgb:" + rgbFile.string() + "' '" + theirs.string() + "'";

    std::vector<double> oursMs, theirsMs;
    for (int run = 0; run < kRuns; ++run) {
        // Ours as the program saves: encoded in memory, then written whole.
        const auto t0 = Clock::now();
        vix::MemorySink sink;
        if (vix::PngToStream(view, sink)) return 1;
        std::ofstream(ours, std::ios::binary)
            .write(reinterpret_cast<const char*>(sink.bytes().data()),
                   static_cast<std::streamsize>(sink.size()));
        oursMs.push_back(Milliseconds(t0));
        const auto t1 = Clock::now();
        if (!Run(convert)) return 1;
        theirsMs.push_back(Milliseconds(t1));
    }
    const auto t2 = Clock::now();
    Run("convert -size 1x1 xc:white '" + (Scratch() / "one.png").string() + "'");
    const double startMs = Milliseconds(t2);

    const double timeRatio = vix::bench::Median(oursMs) / vix::bench::Median(theirsMs);
    const double sizeRatio =
        static_cast<double>(fs::file_size(ours)) / static_cast<double>(fs::file_size(theirs));
    const fs::path back = Scratch() / "back.rgb";
    const bool checked = Run("pngcheck -q '" + ours.string() + "'");
    const bool decoded =
        Run("convert '" + ours.string() + "' -depth 8 'rgb:" + back.string() + "'") &&
        ReadAll(back) == rgb;

    std::printf("PNG of a %d x %d screenshot, median of %d runs each:\n", kWidth, kHeight, kRuns);
    std::printf("  vix      %8.1f ms  %9ju bytes\n", vix::bench::Median(oursMs),
                static_cast<std::uintmax_t>(fs::file_size(ours)));
    std::printf("  convert  %8.1f ms  %9ju bytes  (starting convert alone: %.1f ms)\n",
                vix::bench::Median(theirsMs), static_cast<std::uintmax_t>(fs::file_size(theirs)),
                startMs);
    std::printf("  time ratio %.2f (goal <= 0.50): %s\n", timeRatio,
                timeRatio <= 0.5 ? "met" : "MISSED");
    std::printf("  size ratio %.3f (goal <= 1.10): %s\n", sizeRatio,
                sizeRatio <= 1.1 ? "met" : "MISSED");
    std::printf("  pngcheck: %s\n", checked ? "no errors" : "FAILED");
    std::printf("  ImageMagick decodes every pixel exactly: %s\n", decoded ? "yes" : "NO");
    return timeRatio <= 0.5 && sizeRatio <= 1.1 && checked && decoded ? 0 : 1;
}
