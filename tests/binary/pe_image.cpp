#include "pe_image.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

namespace vix::pe {
namespace {

constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kImportDescriptorSize = 20;
// No name the checks read is longer; a longer one is a broken table.
constexpr std::size_t kLongestName = 4096;
// Nesting of the resource tree: type, name, language.
constexpr int kResourceLevels = 3;

}  // namespace

PeImage::PeImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) { ReadHeaders(); }

PeImage PeImage::FromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PeError("cannot open " + path);
    return PeImage(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}));
}

std::uint16_t PeImage::U16(std::size_t offset) const {
    if (offset + 2 > bytes_.size() || offset + 2 < offset)
        throw PeError("read past the end of the image at " + std::to_string(offset));
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t PeImage::U32(std::size_t offset) const {
    return U16(offset) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
}

std::uint64_t PeImage::U64(std::size_t offset) const {
    return U32(offset) | static_cast<std::uint64_t>(U32(offset + 4)) << 32;
}

void PeImage::ReadHeaders() {
    if (U16(0) != 0x5A4D) throw PeError("no MZ header");
    const std::size_t pe = U32(0x3C);
    if (U32(pe) != 0x00004550) throw PeError("no PE signature");
    const std::size_t file = pe + 4;
    machine_ = U16(file);
    const std::uint16_t sectionCount = U16(file + 2);
    const std::uint16_t optionalSize = U16(file + 16);
    characteristics_ = U16(file + 18);

    const std::size_t optional = file + 20;
    const std::uint16_t magic = U16(optional);
    if (magic != kPe32 && magic != kPe32Plus) throw PeError("unknown optional header");
    is64_ = magic == kPe32Plus;
    dllCharacteristics_ = U16(optional + 70);
    const std::size_t countAt = optional + (is64_ ? 108 : 92);
    const std::uint32_t directoryCount = U32(countAt);
    const auto directory = [&](std::uint32_t index) {
        if (index >= directoryCount) return Directory{};
        const std::size_t at = countAt + 4 + index * 8;
        return Directory{U32(at), U32(at + 4)};
    };
    exports_ = directory(0);
    imports_ = directory(1);
    resources_ = directory(2);

    const std::size_t table = optional + optionalSize;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t at = table + i * kSectionHeaderSize;
        sections_.push_back({U32(at + 12), U32(at + 8), U32(at + 20), U32(at + 16)});
    }
}

std::uint32_t PeImage::Offset(std::uint32_t rva) const {
    for (const Section& s : sections_) {
        if (rva < s.virtualAddress) continue;
        const std::uint32_t into = rva - s.virtualAddress;
        if (into < s.rawSize && into < std::max(s.virtualSize, s.rawSize))
            return s.rawOffset + into;
    }
    throw PeError("address " + std::to_string(rva) + " is in no section's file data");
}

std::string PeImage::Text(std::uint32_t rva) const {
    std::size_t at = Offset(rva);
    std::string text;
    for (;;) {
        if (at >= bytes_.size()) throw PeError("a name runs past the end of the image");
        if (bytes_[at] == 0) return text;
        if (text.size() == kLongestName) throw PeError("a name without an end");
        text += static_cast<char>(bytes_[at++]);
    }
}

std::vector<std::string> PeImage::ExportNames() const {
    std::vector<std::string> names;
    if (exports_.rva == 0) return names;
    const std::size_t table = Offset(exports_.rva);
    const std::uint32_t count = U32(table + 24);
    const std::uint32_t nameTable = U32(table + 32);
    for (std::uint32_t i = 0; i < count; ++i)
        names.push_back(Text(U32(Offset(nameTable + i * 4))));
    return names;
}

std::uint32_t PeImage::ExportCount() const {
    return exports_.rva == 0 ? 0 : U32(Offset(exports_.rva) + 20);
}

void PeImage::ReadThunks(std::uint32_t rva, ImportedLibrary& library) const {
    const std::size_t width = is64_ ? 8 : 4;
    const std::uint64_t byNumber = is64_ ? 1ull << 63 : 1ull << 31;
    for (std::size_t at = Offset(rva);; at += width) {
        const std::uint64_t thunk = is64_ ? U64(at) : U32(at);
        if (thunk == 0) return;
        if (thunk & byNumber)
            library.ordinals.push_back(static_cast<std::uint16_t>(thunk & 0xFFFF));
        else  // past the two bytes of the loader's hint
            library.names.push_back(Text(static_cast<std::uint32_t>(thunk) + 2));
    }
}

std::vector<ImportedLibrary> PeImage::Imports() const {
    std::vector<ImportedLibrary> libraries;
    if (imports_.rva == 0) return libraries;
    for (std::size_t at = Offset(imports_.rva);; at += kImportDescriptorSize) {
        const std::uint32_t lookup = U32(at);
        const std::uint32_t name = U32(at + 12);
        const std::uint32_t addresses = U32(at + 16);
        if (name == 0 && addresses == 0) return libraries;
        ImportedLibrary library{Text(name), {}, {}};
        // Without a lookup table the address table still holds the names
        // until the loader binds it.
        ReadThunks(lookup != 0 ? lookup : addresses, library);
        libraries.push_back(std::move(library));
    }
}

void PeImage::ReadResourceLevel(std::uint32_t directory, int level, Resource resource,
                                std::vector<Resource>& out) const {
    const std::size_t base = Offset(resources_.rva);
    const std::size_t at = base + directory;
    const std::size_t count = std::size_t{U16(at + 12)} + U16(at + 14);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = at + 16 + i * 8;
        const std::uint32_t name = U32(entry);
        const std::uint32_t target = U32(entry + 4);
        const bool named = name & 0x80000000u;
        if (level == 0) {
            if (named) continue;  // no named resource type is checked
            resource.type = static_cast<std::uint16_t>(name);
        } else if (level == 1) {
            resource.id = named ? std::nullopt
                                : std::optional<std::uint16_t>(static_cast<std::uint16_t>(name));
        }
        const bool deeper = target & 0x80000000u;
        if (deeper != (level + 1 < kResourceLevels))
            throw PeError("the resource tree is not three levels deep");
        if (deeper) {
            ReadResourceLevel(target & 0x7FFFFFFFu, level + 1, resource, out);
            continue;
        }
        const std::uint32_t dataRva = U32(base + target);
        const std::uint32_t size = U32(base + target + 4);
        const std::size_t from = size == 0 ? 0 : Offset(dataRva);
        if (from + size > bytes_.size()) throw PeError("a resource runs past the end of the image");
        Resource found = resource;
        found.data.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(from),
                          bytes_.begin() + static_cast<std::ptrdiff_t>(from + size));
        out.push_back(std::move(found));
    }
}

std::vector<Resource> PeImage::Resources() const {
    std::vector<Resource> resources;
    if (resources_.rva != 0) ReadResourceLevel(0, 0, {}, resources);
    return resources;
}

}  // namespace vix::pe
