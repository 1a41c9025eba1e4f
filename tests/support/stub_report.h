#pragma once

#include <optional>
#include <string>
#include <vector>

// What the stand-in update program (update_stub.exe) reports of its start,
// and the set-up that lets a library planted beside a program be loaded
// under Wine as it would be on Windows.

namespace vix::test {

struct StubReport {
    std::wstring folder;                // the working folder it was started in
    std::vector<std::wstring> modules;  // the files loaded into it
};

// Reads "<stub>.started"; nothing when it is missing.
std::optional<StubReport> ReadStubReport(const std::wstring& startedFile);

// Whether `path` lies in `folder` (a folder path with or without its
// trailing backslash), as Windows compares names.
bool InFolder(const std::wstring& path, const std::wstring& folder);

// Whether two paths name the same file, as Windows compares names.
bool SameFile(const std::wstring& a, const std::wstring& b);

// The loaded files among `modules` that lie in `folder`.
std::vector<std::wstring> ModulesIn(const StubReport& report, const std::wstring& folder);

// Windows loads a library from a program's own folder before the system's
// own; Wine prefers its built-in "version.dll" unless told otherwise. While
// this lives, programs started from here take a "version.dll" found beside
// them, as Windows would.
class PlantedLibrariesLoad {
  public:
    PlantedLibrariesLoad();
    ~PlantedLibrariesLoad();
    PlantedLibrariesLoad(const PlantedLibrariesLoad&) = delete;
    PlantedLibrariesLoad& operator=(const PlantedLibrariesLoad&) = delete;

  private:
    std::optional<std::wstring> saved_;
};

}  // namespace vix::test
