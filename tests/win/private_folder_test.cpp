// The private update folder as far as Wine shows it: its owner rule and
// junctions are left to the native tables (OwnedByCurrentUser,
// SameFinalPath); a Unix link stands for a junction here.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/private_folder.h"
#include "unix_link.h"
#include "wine_host.h"

namespace vix::platform {
namespace {

// The entries of an access list, sorted, without the list's flags.
std::vector<std::wstring> Entries(const std::wstring& list) {
    std::vector<std::wstring> entries;
    for (std::size_t open = list.find(L'('); open != std::wstring::npos;
         open = list.find(L'(', open + 1))
        entries.push_back(list.substr(open, list.find(L')', open) - open + 1));
    std::sort(entries.begin(), entries.end());
    return entries;
}

class PrivateFolder : public ::testing::Test {
  protected:
    const std::wstring base_ = test::NewTempFolder(L"vix-private");
};

// Made anew below missing folders, or found in place with the usual list:
// the folder ends with the user's and the system's entries only, read
// through its handle and by its name alike. (Wine shows neither the
// entries' order nor the list's "inherits nothing" flag.)
TEST_F(PrivateFolder, EndsWithTheUserAndTheSystemOnly) {
    const std::vector<std::wstring> expected = {L"(A;OICI;FA;;;" + CurrentUserSid() + L")",
                                                L"(A;OICI;FA;;;SY)"};
    const std::wstring found = test::NewTempFolder(L"vix-plain");
    ASSERT_NE(Entries(AccessListText(found)), expected);
    for (const std::wstring& folder : {base_ + L"a\\b\\Update\\", found}) {
        const HeldFolder held = MakePrivateFolder(folder);
        ASSERT_TRUE(held) << folder;
        EXPECT_EQ(Entries(held.AccessListText()), expected) << held.AccessListText();
        EXPECT_EQ(Entries(AccessListText(folder)), expected) << AccessListText(folder);
    }
}

// Refused before anything is made or changed where the link leads.
TEST_F(PrivateFolder, ALinkInItsPlaceOrAboveIsRefused) {
    const std::wstring elsewhere = test::NewTempFolder(L"vix-elsewhere");
    const std::wstring before = AccessListText(elsewhere);
    ASSERT_TRUE(test::PlantUnixLink(elsewhere, base_ + L"Update"));
    ASSERT_TRUE(test::PlantUnixLink(elsewhere, base_ + L"Above"));
    EXPECT_FALSE(MakePrivateFolder(base_ + L"Update\\"));
    EXPECT_FALSE(MakePrivateFolder(base_ + L"Above\\VIX\\Update\\"));
    EXPECT_EQ(AccessListText(elsewhere), before);
    EXPECT_EQ(::GetFileAttributesW((elsewhere + L"VIX").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace vix::platform
