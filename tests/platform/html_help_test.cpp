// Windows: HTML Help is called owner-less at the context id, on the file found beside the
// program.
#include "platform/html_help.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/executable_folder.h"

namespace lunda {
namespace {

TEST(HtmlHelpTest, OpensTheFileAtTheContextWithoutAnOwner) {
  struct Call {
    void* caller;
    std::wstring file;
    unsigned command;
    std::uintptr_t data;
  };
  std::vector<Call> calls;
  const HtmlHelpCall record = [&calls](void* caller, const wchar_t* file, unsigned command,
                                       std::uintptr_t data) {
    calls.push_back({caller, file, command, data});
  };
  ShowHtmlHelpContext(record, L"C:\\Программы\\lunda\\lunda.chm", 0x20002);
  ShowHtmlHelpContext({}, L"C:\\lunda.chm", 0x20000);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].caller, nullptr);
  EXPECT_EQ(calls[0].file, L"C:\\Программы\\lunda\\lunda.chm");
  EXPECT_EQ(calls[0].command, 0x000Fu);
  EXPECT_EQ(calls[0].data, 0x20002u);
}

TEST(HtmlHelpTest, TheSystemViewerAndTheProgramFolderAreFound) {
  EXPECT_TRUE(SystemHtmlHelp());
  const auto folder = ExecutableFolder();
  ASSERT_TRUE(folder.has_value());
  EXPECT_TRUE(std::filesystem::exists(*folder / "platform_tests.exe"));
}

}  // namespace
}  // namespace lunda
