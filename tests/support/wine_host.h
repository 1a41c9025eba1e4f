#pragma once

#include <chrono>
#include <string>
#include <vector>

// The Linux side of a Wine test: Unix paths of our files and Unix programs
// (python3, openssl) started from a Windows test.

namespace vix::test {

// The Unix path Wine maps `windowsPath` to; empty when there is none (not
// under Wine).
std::string UnixPath(const std::wstring& windowsPath);

// The Windows path of a Unix path (Wine's Z: drive); empty when there is none.
std::wstring WindowsPath(const std::string& unixPath);

// The folder of the running program, with a trailing backslash.
std::wstring ProgramFolder();

// Runs a Windows program to its end; its exit code, or -1 when it could not
// be started or did not end within `limit`.
long RunProgram(const std::wstring& commandLine, std::chrono::milliseconds limit);

// Starts a Unix program with the given arguments, argv[0] a Unix path.
// Wine starts it without a handle to wait on or end it: the programs report
// by writing files, and `WaitForFile` waits for them.
bool StartUnixProgram(const std::vector<std::string>& argv);

// Polls until `path` exists; false after `limit`.
bool WaitForFile(const std::wstring& path, std::chrono::milliseconds limit);

// A new empty folder under the temporary folder, with a trailing backslash.
std::wstring NewTempFolder(const wchar_t* prefix);

std::string ReadFileBytes(const std::wstring& path);
// Writes whole, through a temporary name, so a reader never sees half of it.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace vix::test
