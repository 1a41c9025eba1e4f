#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "common/registry_store.h"

// What every registry store must do, as the program relies on it. The same
// cases run against the in-memory store (natively) and the real registry
// (under Wine, below a key of the test's own): the double cannot drift from
// what it stands in for.

namespace vix::test {

struct RegistryUnderTest {
    std::string name;  // the case name's suffix
    std::function<std::unique_ptr<RegistryStore>()> make;
    // A key below HKEY_CURRENT_USER that the cases own; absent at the start.
    std::wstring base;
    // A key below HKEY_LOCAL_MACHINE, and one below HKEY_USERS, that exist
    // in the store and have subkeys.
    std::wstring machineKey;
    std::wstring profilesKey;
    // Listed by its name, not its bytes.
    friend void PrintTo(const RegistryUnderTest& r, std::ostream* os) { *os << r.name; }
};

class RegistryContract : public ::testing::TestWithParam<RegistryUnderTest> {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::wstring Path(const std::wstring& below) const { return GetParam().base + L"\\" + below; }
    std::unique_ptr<RegistryStore> store;
};

// For INSTANTIATE_TEST_SUITE_P: the stores' own names as case names.
inline std::string RegistryName(const ::testing::TestParamInfo<RegistryUnderTest>& info) {
    return info.param.name;
}

}  // namespace vix::test
