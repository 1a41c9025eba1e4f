#include "color/palette_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/utf16.h"
#include "image_tools.h"

namespace vix {
namespace {

constexpr ColorWord kOrange = MakeColor(0xFF, 0x99, 0x33, kSampledFlag);
constexpr ColorWord kBlack = MakeColor(0, 0, 0);
constexpr ColorWord kTeal = MakeColor(0x0A, 0x80, 0x7F);

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(PaletteTarget, AKnownEndingWinsOverTheFilterAndOtherNamesTakeTheFilters) {
    const struct {
        const wchar_t* typed;
        int filter;
        PaletteFormat format;
        const wchar_t* saved;
    } cases[] = {
        // The colour table's rules under its filter, as ever.
        {L"palette.Act", 1, PaletteFormat::kAct, L"palette.Act"},
        {L"C:\\x\\p.ACT", 1, PaletteFormat::kAct, L"C:\\x\\p.ACT"},
        {L"palette.txt", 1, PaletteFormat::kAct, L"palette.txt.act"},
        {L"ab", 1, PaletteFormat::kAct, L"ab.act"},
        {L"act", 1, PaletteFormat::kAct, L"act.act"},
        {L"Farben \u00e4", 1, PaletteFormat::kAct, L"Farben \u00e4.act"},
        // The other filters add their own ending.
        {L"p", 2, PaletteFormat::kGpl, L"p.gpl"},
        {L"p", 3, PaletteFormat::kAse, L"p.ase"},
        {L"p", 4, PaletteFormat::kCss, L"p.css"},
        {L"p.txt", 4, PaletteFormat::kCss, L"p.txt.css"},
        // A typed known ending, in any case, wins over the filter.
        {L"p.GPL", 1, PaletteFormat::kGpl, L"p.GPL"},
        {L"p.css", 2, PaletteFormat::kCss, L"p.css"},
        {L"p.act", 3, PaletteFormat::kAct, L"p.act"},
        {L"p.Ase", 4, PaletteFormat::kAse, L"p.Ase"},
        // An index the dialog should not give counts as the first filter.
        {L"p", 0, PaletteFormat::kAct, L"p.act"},
        {L"p", 5, PaletteFormat::kAct, L"p.act"},
    };
    for (const auto& c : cases) {
        const PaletteTarget t = ChoosePaletteTarget(c.typed, c.filter);
        EXPECT_EQ(t.format, c.format) << ToUtf8(c.typed) << " under filter " << c.filter;
        EXPECT_EQ(t.fileName, c.saved) << ToUtf8(c.typed) << " under filter " << c.filter;
    }
}

TEST(PaletteFiles, GimpPaletteAndCssAsWrittenByHand) {
    const ColorWord colors[] = {kOrange, kBlack, kTeal};
    EXPECT_EQ(Text(GimpPalette(colors)),
              "GIMP Palette\nName: VIX colour library\nColumns: 7\n#\n"
              "255 153  51\tFF9933\n"
              "  0   0   0\t000000\n"
              " 10 128 127\t0A807F\n");
    EXPECT_EQ(Text(CssProperties(colors)),
              ":root {\n  --vix-1: #FF9933;\n  --vix-2: #000000;\n  --vix-3: #0A807F;\n}\n");
    // An empty library still gives files the tools open.
    EXPECT_EQ(Text(GimpPalette({})), "GIMP Palette\nName: VIX colour library\nColumns: 7\n#\n");
    EXPECT_EQ(Text(CssProperties({})), ":root {\n}\n");
}

TEST(PaletteFiles, SwatchExchangeAsWrittenByHand) {
    const ColorWord colors[] = {kOrange};
    const std::vector<std::uint8_t> expected = {
        'A',  'S',  'E',  'F',  0,   1,   0,   0,  // signature, version 1.0
        0,    0,    0,    1,                       // one block
        0,    1,    0,    0,    0,   34,           // a colour entry of 34 bytes
        0,    7,                                   // a name of 7 UTF-16 units with its zero
        0,    'F',  0,    'F',  0,   '9', 0,   '9',  0,    '3',  0,
        '3',  0,    0,    'R',  'G', 'B', ' ', 0x3F, 0x80, 0x00, 0x00,  // 1.0
        0x3F, 0x19, 0x99, 0x9A,                                         // 0.6, 153 / 255
        0x3E, 0x4C, 0xCC, 0xCD,                                         // 0.2, 51 / 255
        0,    0,                                                        // global
    };
    EXPECT_EQ(SwatchExchange(colors), expected);
    EXPECT_EQ(SwatchExchange({}),
              (std::vector<std::uint8_t>{'A', 'S', 'E', 'F', 0, 1, 0, 0, 0, 0, 0, 0}));
}

// Read by ase-utils, a reader from the npm registry that scripts/bootstrap
// installs into .deps/node.
TEST(PaletteFiles, AnIndependentReaderReadsTheSwatches) {
    const std::filesystem::path reader =
        std::filesystem::path(VIX_SOURCE_DIR) / ".deps/node/node_modules/ase-utils";
    if (!std::filesystem::exists(reader))
        GTEST_SKIP() << "no " << reader << ": run scripts/bootstrap";
    const ColorWord colors[] = {kOrange, kBlack, kTeal};
    const auto file = test::ScratchFolder() / "library.ase";
    test::WriteFile(file, SwatchExchange(colors));
    const test::ToolRun run = test::RunTool(
        "node -e \"const d = require('" + reader.string() +
        "').decode(require('fs').readFileSync('" + file.string() +
        "')); console.log(d.version, d.groups.length, JSON.stringify(d.colors.map(c => "
        "[c.name, c.model, c.type, c.color.map(v => Math.round(v * 255))])))\"");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1.0 0 [[\"FF9933\",\"RGB\",\"global\",[255,153,51]],"
              "[\"000000\",\"RGB\",\"global\",[0,0,0]],"
              "[\"0A807F\",\"RGB\",\"global\",[10,128,127]]]\n");
}

}  // namespace
}  // namespace vix
