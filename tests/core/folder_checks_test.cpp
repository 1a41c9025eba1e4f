// The rules a private folder found in place is held to: it is where its
// path says, and it is the current user's.
#include <gtest/gtest.h>

#include "platform/final_path.h"
#include "platform/folder_owner.h"
#include "platform/private_access_list.h"

namespace vix::platform {
namespace {

TEST(SameFinalPath, TheSystemsNameMatchesTheDrivePathOnly) {
    const struct {
        const wchar_t* final;
        const wchar_t* intended;
        bool same;
    } cases[] = {
        {L"\\\\?\\c:\\users\\\u00e4nne\\update", L"C:\\Users\\\u00c4nne\\Update\\", true},
        {L"C:\\Update", L"C:\\Update\\", true},
        {L"\\\\?\\C:\\", L"C:\\", true},
        // A junction or link on the way: the folder is somewhere else.
        {L"\\\\?\\D:\\Elsewhere\\Update", L"C:\\Update\\", false},
        {L"\\\\?\\C:\\Update\\Inner", L"C:\\Update\\", false},
        {L"\\\\?\\\\\\?\\C:\\Update", L"C:\\Update\\", false},
        {L"\\\\?\\UNC\\server\\share\\Update", L"\\\\server\\share\\Update\\", false},
        // Only letters fold: "[" is not "{", nor a Cyrillic letter its capital.
        {L"\\\\?\\C:\\a[", L"C:\\A{", false},
        {L"\\\\?\\C:\\\u0434", L"C:\\\u0414", false},
        {L"\\\\?\\", L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameFinalPath(c.final, c.intended), c.same) << c.final << L" / " << c.intended;
}

TEST(OwnedByCurrentUser, TheUserOrTheTokensDefaultOwnerOnly) {
    const wchar_t *user = L"S-1-5-21-1-2-3-1001", *admins = L"S-1-5-32-544";
    EXPECT_TRUE(OwnedByCurrentUser(user, user, admins));
    EXPECT_TRUE(OwnedByCurrentUser(admins, user, admins));
    EXPECT_FALSE(OwnedByCurrentUser(L"S-1-5-18", user, admins));
    // Nothing read is nobody's, even against nothing read.
    EXPECT_FALSE(OwnedByCurrentUser(L"", user, L""));
}

TEST(IsPrivateAccessList, TheUsersAndTheSystemsEntriesAndNothingElse) {
    const std::wstring user = L"S-1-5-21-1-2-3-1001";
    const std::wstring mine = L"(A;OICI;FA;;;" + user + L")", system = L"(A;OICI;FA;;;SY)";
    EXPECT_TRUE(IsPrivateAccessList(PrivateAccessList(user), user));
    for (const std::wstring& list : {L"D:PAI" + mine + system, L"D:" + system + mine})
        EXPECT_TRUE(IsPrivateAccessList(list, user)) << list;
    for (const std::wstring& list :
         {L"D:P" + mine, L"D:P" + mine + system + L"(A;OICI;0x1200a9;;;WD)",
          L"D:P" + mine + mine + system, L"D:P(A;OICI;FA;;;S-1-5-21-1-2-3-1002)" + system,
          L"D:P(A;OICIID;FA;;;" + user + L")" + system, L"D:P" + mine + system + L"(D;;FA;;;WD",
          std::wstring(L"D:NO_ACCESS_CONTROL"), std::wstring(L"D:"), std::wstring()})
        EXPECT_FALSE(IsPrivateAccessList(list, user)) << list;
    EXPECT_FALSE(IsPrivateAccessList(L"D:P(A;OICI;FA;;;)" + system, L""));
}

}  // namespace
}  // namespace vix::platform
