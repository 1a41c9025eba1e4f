// The private update folder as far as Wine shows it: its owner rule and
// junctions are left to the native tables (OwnedByCurrentUser,
// SameFinalPath); a Unix link stands for a junction here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/private_access_list.h"
#include "platform/private_folder.h"
#include "unix_link.h"
#include "wine_host.h"

namespace vix::platform {
namespace {

class PrivateFolder : public ::testing::Test {
  protected:
    const std::wstring base_ = test::NewTempFolder(L"vix-private");
};

// Made anew below missing folders, or found in place with the usual list:
// the folder ends with the user's and the system's entries only, read
// through its handle and by its name alike. (Wine shows neither the
// entries' order nor the list's "inherits nothing" flag.)
TEST_F(PrivateFolder, EndsWithTheUserAndTheSystemOnly) {
    const std::wstring user = CurrentUserSid(), found = test::NewTempFolder(L"vix-plain");
    ASSERT_FALSE(IsPrivateAccessList(AccessListText(found), user));
    for (const std::wstring& folder : {base_ + L"a\\b\\Update\\", found}) {
        const HeldFolder held = MakePrivateFolder(folder);
        ASSERT_TRUE(held) << folder;
        EXPECT_TRUE(IsPrivateAccessList(held.AccessListText(), user)) << held.AccessListText();
        EXPECT_TRUE(IsPrivateAccessList(AccessListText(folder), user)) << AccessListText(folder);
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
