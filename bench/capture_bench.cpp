// The snapshot's portable work at 3840 x 2160, each beside the plain
// operation it is measured against:
//   TIFF writing              against one write of the same bytes   (goal <= 1.5x)
//   JPEG encoding             against cjpeg, same pixels and quality (goal <= 1.05x
//                             without cjpeg's process start: the 1 x 1 run),
//                             and against cjpeg's own library work on the
//                             same pixels in this process (LibjpegAsCjpeg)
//   joining two 4K captures   against one memcpy of the union       (goal <= 2x)
//   NextSequenceFileName with 10,000 numbered files                (goal <= 20 ms)
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

#include <jpeglib.h>

#include "capture/image_sequence.h"
#include "capture/jpeg_encoder.h"
#include "capture/snapshot_join.h"
#include "capture/tiff_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace vix;

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

// A screen-like picture: flat areas, edges and some texture.
const std::vector<std::uint32_t>& Screen() {
    static const std::vector<std::uint32_t> pixels = [] {
        std::vector<std::uint32_t> p(static_cast<std::size_t>(kWidth) * kHeight);
        std::uint32_t noise = 1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1103515245u + 12345u;
                const bool window = (x / 480 + y / 270) % 3 == 0;
                const std::uint32_t base =
                    window ? 0xF0F0F0 : (x * 255 / kWidth) << 16 | (y * 255 / kHeight) << 8 | 0x80;
                const bool text = window && (y % 18) < 12 && ((noise >> 16) & 7) == 0;
                p[static_cast<std::size_t>(y) * kWidth + x] = text ? 0x202020 : base;
            }
        return p;
    }();
    return pixels;
}

PixelView ScreenView() { return PixelView::TopDown(Screen().data(), kWidth, kHeight); }

std::vector<std::uint8_t> TiffFile() {
    MemorySink sink;
    if (TiffToStream(ScreenView(), sink)) std::abort();
    return {sink.bytes().begin(), sink.bytes().end()};
}

// --- TIFF --------------------------------------------------------------------

void TiffToMemory(benchmark::State& state) {
    for (auto _ : state) {
        MemorySink sink;
        if (TiffToStream(ScreenView(), sink)) std::abort();
        benchmark::DoNotOptimize(sink.bytes().data());
    }
}
BENCHMARK(TiffToMemory)->Unit(benchmark::kMillisecond);

void OneCopyOfTheTiffBytes(benchmark::State& state) {
    const auto file = TiffFile();
    for (auto _ : state) {
        std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[file.size()]);
        std::memcpy(copy.get(), file.data(), file.size());
        benchmark::DoNotOptimize(copy.get());
    }
}
BENCHMARK(OneCopyOfTheTiffBytes)->Unit(benchmark::kMillisecond);

const fs::path& Scratch() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / "vix-capture-bench";
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

// A sink writing straight to a file, as a streaming writer would.
class FileSink : public ByteSink {
  public:
    explicit FileSink(const fs::path& path) : f_(std::fopen(path.c_str(), "wb")) {}
    ~FileSink() override { std::fclose(f_); }
    bool Write(std::span<const std::uint8_t> b) override {
        return std::fwrite(b.data(), 1, b.size(), f_) == b.size();
    }

  private:
    std::FILE* f_;
};

void TiffToFile(benchmark::State& state) {
    for (auto _ : state) {
        MemorySink sink;
        if (TiffToStream(ScreenView(), sink)) std::abort();
        FileSink file(Scratch() / "writer.tif");
        file.Write(sink.bytes());
    }
}
BENCHMARK(TiffToFile)->Unit(benchmark::kMillisecond);

void TiffStreamedToFile(benchmark::State& state) {
    for (auto _ : state) {
        FileSink file(Scratch() / "streamed.tif");
        if (TiffToStream(ScreenView(), file)) std::abort();
    }
}
BENCHMARK(TiffStreamedToFile)->Unit(benchmark::kMillisecond);

void OneWriteOfTheTiffBytes(benchmark::State& state) {
    const auto file = TiffFile();
    for (auto _ : state) {
        FileSink out(Scratch() / "once.tif");
        out.Write(file);
    }
}
BENCHMARK(OneWriteOfTheTiffBytes)->Unit(benchmark::kMillisecond);

// --- JPEG --------------------------------------------------------------------

void JpegEncode(benchmark::State& state) {
    const int quality = static_cast<int>(state.range(0));
    for (auto _ : state) {
        MemorySink sink;
        if (JpegToStream(ScreenView(), quality, sink)) std::abort();
        benchmark::DoNotOptimize(sink.bytes().data());
    }
}
BENCHMARK(JpegEncode)->Arg(100)->Arg(70)->Unit(benchmark::kMillisecond);

// A sink that only counts, as cjpeg's output to /dev/null only passes on.
class CountingSink final : public ByteSink {
  public:
    bool Write(std::span<const std::uint8_t> b) override {
        count_ += b.size();
        return true;
    }
    std::size_t count() const { return count_; }

  private:
    std::size_t count_ = 0;
};

// The encoder alone: the file's bytes go nowhere.
void JpegEncodeToNothing(benchmark::State& state) {
    const int quality = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CountingSink sink;
        if (JpegToStream(ScreenView(), quality, sink)) std::abort();
        benchmark::DoNotOptimize(sink.count());
    }
}
BENCHMARK(JpegEncodeToNothing)->Arg(100)->Unit(benchmark::kMillisecond);

// The screen's pixels as the PPM file holds them: red, green, blue.
const std::vector<std::uint8_t>& ScreenRgb() {
    static const std::vector<std::uint8_t> rgb = [] {
        std::vector<std::uint8_t> out;
        out.reserve(static_cast<std::size_t>(kWidth) * kHeight * 3);
        for (const std::uint32_t px : Screen()) {
            out.push_back(static_cast<std::uint8_t>(px >> 16));
            out.push_back(static_cast<std::uint8_t>(px >> 8));
            out.push_back(static_cast<std::uint8_t>(px));
        }
        return out;
    }();
    return rgb;
}

// libjpeg alone with cjpeg's settings (-quality Q -baseline -dct int) on
// rows of `bytesPerPixel` bytes in memory, one row per call as cjpeg passes
// them, the bytes passed on in cjpeg's 4 KiB stdio buffer to nowhere.
void LibjpegAlone(benchmark::State& state, const std::uint8_t* pixels, int bytesPerPixel,
                  J_COLOR_SPACE space) {
    const int quality = static_cast<int>(state.range(0));
    for (auto _ : state) {
        jpeg_compress_struct info;
        jpeg_error_mgr error;
        info.err = jpeg_std_error(&error);
        jpeg_create_compress(&info);
        std::FILE* nowhere = std::fopen("/dev/null", "wb");
        jpeg_stdio_dest(&info, nowhere);
        info.image_width = kWidth;
        info.image_height = kHeight;
        info.input_components = bytesPerPixel;
        info.in_color_space = space;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        info.dct_method = JDCT_ISLOW;
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(
                pixels + static_cast<std::size_t>(info.next_scanline) * kWidth * bytesPerPixel);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        std::fclose(nowhere);
    }
}

// What cjpeg does with the same pixels, without its process and its reading
// of the file: its RGB rows.
void LibjpegAsCjpeg(benchmark::State& state) {
    LibjpegAlone(state, ScreenRgb().data(), 3, JCS_RGB);
}
BENCHMARK(LibjpegAsCjpeg)->Arg(100)->Unit(benchmark::kMillisecond);

// The same library work on the screen's own 4-byte pixels, as the encoder
// hands them over: what any encoder built on libjpeg pays for the format
// the screen comes in, with nothing of ours around it.
void LibjpegOnScreenPixels(benchmark::State& state) {
    LibjpegAlone(state, reinterpret_cast<const std::uint8_t*>(Screen().data()), 4, JCS_EXT_BGRX);
}
BENCHMARK(LibjpegOnScreenPixels)->Arg(100)->Unit(benchmark::kMillisecond);

fs::path WritePpm(int width, int height) {
    const fs::path path = Scratch() / ("screen" + std::to_string(width) + ".ppm");
    std::string bytes = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    bytes.reserve(bytes.size() + 3 * static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t px = Screen()[static_cast<std::size_t>(y) * kWidth + x];
            bytes += static_cast<char>(px >> 16);
            bytes += static_cast<char>(px >> 8);
            bytes += static_cast<char>(px);
        }
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// cjpeg as a whole program: its start and its reading of the PPM included.
void Cjpeg(benchmark::State& state) {
    const int quality = static_cast<int>(state.range(0));
    const int width = static_cast<int>(state.range(1));
    const int height = width == kWidth ? kHeight : 1;
    const fs::path ppm = WritePpm(width, height);
    const std::string command = "cjpeg -quality " + std::to_string(quality) +
                                " -baseline -dct int -outfile /dev/null '" + ppm.string() + "'";
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("cjpeg failed");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
}
// The 1 x 1 run shows what starting cjpeg costs.
BENCHMARK(Cjpeg)
    ->Args({100, kWidth})
    ->Args({70, kWidth})
    ->Args({100, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// --- joining ---------------------------------------------------------------

void JoinTwo4kCaptures(benchmark::State& state) {
    const bool overlapping = state.range(0) != 0;
    const SnapshotState first{{0, 0, kWidth, kHeight}, false};
    const Rect second = overlapping ? Rect::FromBounds(kWidth / 2, kHeight / 2, kWidth, kHeight)
                                    : Rect::FromBounds(kWidth, 0, kWidth, kHeight);
    CapturePlan plan;
    if (PlanCapture(first, second, true, plan)) std::abort();
    std::vector<std::uint32_t> target(static_cast<std::size_t>(plan.size().width) *
                                      plan.size().height);
    const auto view =
        MutablePixelView::TopDown(target.data(), plan.size().width, plan.size().height);
    for (auto _ : state) {
        ComposeCapture(plan, ScreenView(), ScreenView(), view);
        benchmark::DoNotOptimize(target.data());
    }
    state.counters["MB"] = static_cast<double>(target.size() * 4) / 1e6;
}
BENCHMARK(JoinTwo4kCaptures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void MemcpyOfTheUnion(benchmark::State& state) {
    const bool overlapping = state.range(0) != 0;
    const std::size_t pixels = overlapping ? std::size_t{kWidth * 3 / 2} * (kHeight * 3 / 2)
                                           : std::size_t{2 * kWidth} * kHeight;
    std::vector<std::uint32_t> from(pixels, 1), to(pixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), pixels * 4);
        benchmark::DoNotOptimize(to.data());
    }
    state.counters["MB"] = static_cast<double>(pixels * 4) / 1e6;
}
BENCHMARK(MemcpyOfTheUnion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// --- the image sequence ------------------------------------------------------

const std::wstring kBase = L"Img_Sequence";
// Enough digits for 10,000 numbered files: with three the sequence would be
// full at 999 and the search would stop there.
constexpr int kDigits = 5;
constexpr wchar_t kNextName[] = L"Img_Sequence10001.jpg";

void NextNameInMemory(benchmark::State& state) {
    std::unordered_set<std::wstring> names;
    for (std::uint64_t i = 1; i <= 10000; ++i)
        names.insert(SequenceFileName(L"F", kBase, kDigits, i));
    for (auto _ : state) {
        const auto next = NextSequenceFileName(
            L"F", kBase, kDigits, [&](const std::wstring& n) { return names.count(n) > 0; });
        if (!next.ends_with(kNextName)) return state.SkipWithError("not the next free name");
    }
}
BENCHMARK(NextNameInMemory)->Unit(benchmark::kMillisecond);

// Our names join the folder with a backslash; here the separator is a slash.
std::wstring Native(std::wstring name, std::size_t folderLength) {
    return name.replace(folderLength, 1, L"/");
}

// A real folder of 10,000 files, 00001 to 10000: the next free name is 10001.
const fs::path& SequenceFolder() {
    static const fs::path folder = [] {
        const fs::path f = Scratch() / "sequence-5-digits";
        fs::create_directories(f);
        const std::wstring name = f.wstring();
        for (std::uint64_t i = 1; i <= 10000; ++i) {
            const fs::path file = Native(SequenceFileName(name, kBase, kDigits, i), name.size());
            if (!fs::exists(file)) std::ofstream{file};
        }
        return f;
    }();
    return folder;
}

void NextNameOnDiskOneLookEach(benchmark::State& state) {
    const std::wstring folder = SequenceFolder().wstring();
    for (auto _ : state) {
        const auto next = NextSequenceFileName(folder, kBase, kDigits, [&](const std::wstring& n) {
            return fs::exists(fs::path(Native(n, folder.size())));
        });
        if (!next.ends_with(kNextName)) return state.SkipWithError("not the next free name");
    }
}
BENCHMARK(NextNameOnDiskOneLookEach)->Unit(benchmark::kMillisecond);

// The sequence's files as the program lists them: names only, those that
// start with the base name.
std::vector<std::wstring> ListedNames(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::wstring name = entry.path().filename().wstring();
        if (name.starts_with(kBase) && !entry.is_directory()) names.push_back(std::move(name));
    }
    return names;
}

// The whole search as the program makes it: one listing, the numbers matched,
// the chosen name put to the file system.
void NextNameOnDiskOneListing(benchmark::State& state) {
    const std::wstring folder = SequenceFolder().wstring();
    for (auto _ : state) {
        const auto next = NextSequenceFileName(
            folder, kBase, kDigits, ListedNames(SequenceFolder()),
            [&](const std::wstring& n) { return fs::exists(fs::path(Native(n, folder.size()))); });
        if (!next.ends_with(kNextName)) return state.SkipWithError("not the next free name");
    }
}
BENCHMARK(NextNameOnDiskOneListing)->Unit(benchmark::kMillisecond);

// Its two parts alone: the listing, and the matching of a listing in memory.
void ListingOfTheSequenceFolder(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ListedNames(SequenceFolder()));
}
BENCHMARK(ListingOfTheSequenceFolder)->Unit(benchmark::kMillisecond);

void NextNameFromAListingInMemory(benchmark::State& state) {
    const std::vector<std::wstring> listed = ListedNames(SequenceFolder());
    for (auto _ : state) {
        const auto next = NextSequenceFileName(L"F", kBase, kDigits, listed,
                                               [](const std::wstring&) { return false; });
        if (!next.ends_with(kNextName)) return state.SkipWithError("not the next free name");
    }
}
BENCHMARK(NextNameFromAListingInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
