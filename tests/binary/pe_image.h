#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Reads what the binary checks look at in a Windows image (PE32 or PE32+),
// from its bytes alone: the header flags, the export names, the import
// table and the resources. Portable on purpose: the checks run on the build
// machine, and the 32-bit image need not be run (nor loadable) there. Every
// read is bounds-checked; an image that is cut short or inconsistent throws
// PeError naming what could not be read.

namespace vix::pe {

class PeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// IMAGE_FILE_HEADER.Characteristics
inline constexpr std::uint16_t kLargeAddressAware = 0x0020;
inline constexpr std::uint16_t kDll = 0x2000;
// IMAGE_OPTIONAL_HEADER.DllCharacteristics
inline constexpr std::uint16_t kHighEntropyVa = 0x0020;
inline constexpr std::uint16_t kDynamicBase = 0x0040;
inline constexpr std::uint16_t kNxCompat = 0x0100;
// Resource types
inline constexpr std::uint16_t kRtVersion = 16;
inline constexpr std::uint16_t kRtManifest = 24;

struct ImportedLibrary {
    std::string name;                     // as the image spells it
    std::vector<std::string> names;       // functions imported by name
    std::vector<std::uint16_t> ordinals;  // functions imported by number
};

struct Resource {
    std::uint16_t type = 0;           // numbered types only
    std::optional<std::uint16_t> id;  // empty when the resource is named
    std::vector<std::uint8_t> data;
};

class PeImage {
  public:
    explicit PeImage(std::vector<std::uint8_t> bytes);
    static PeImage FromFile(const std::string& path);

    bool Is64() const { return is64_; }
    std::uint16_t Machine() const { return machine_; }
    std::uint16_t Characteristics() const { return characteristics_; }
    std::uint16_t DllCharacteristics() const { return dllCharacteristics_; }

    // Names in the export name table, in its (sorted) order.
    std::vector<std::string> ExportNames() const;
    // Functions in the export address table, named or not.
    std::uint32_t ExportCount() const;
    std::vector<ImportedLibrary> Imports() const;
    std::vector<Resource> Resources() const;

  private:
    struct Section {
        std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
    };
    struct Directory {
        std::uint32_t rva = 0, size = 0;
    };

    void ReadHeaders();
    std::uint32_t Offset(std::uint32_t rva) const;
    std::uint16_t U16(std::size_t offset) const;
    std::uint32_t U32(std::size_t offset) const;
    std::uint64_t U64(std::size_t offset) const;
    std::string Text(std::uint32_t rva) const;
    void ReadThunks(std::uint32_t rva, ImportedLibrary& library) const;
    void ReadResourceLevel(std::uint32_t directory, int level, Resource resource,
                           std::vector<Resource>& out) const;

    std::vector<std::uint8_t> bytes_;
    bool is64_ = false;
    std::uint16_t machine_ = 0;
    std::uint16_t characteristics_ = 0;
    std::uint16_t dllCharacteristics_ = 0;
    std::vector<Section> sections_;
    Directory exports_, imports_, resources_;
};

}  // namespace vix::pe
