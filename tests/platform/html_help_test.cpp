// Windows: HTML Help is called owner-less at the context id, and not at all without a viewer.
#include "platform/html_help.h"

#include <gtest/gtest.h>

namespace lunda {
namespace {

TEST(HtmlHelpTest, OpensTheFileAtTheContextWithoutAnOwner) {
  int calls = 0;
  const HtmlHelpCall expect = [&calls](void* caller, const wchar_t* file, unsigned command,
                                       std::uintptr_t data) {
    ++calls;
    EXPECT_EQ(caller, nullptr);
    EXPECT_STREQ(file, L"C:\\Программы\\lunda\\lunda.chm");
    EXPECT_EQ(command, 0x000Fu);
    EXPECT_EQ(data, 0x20002u);
  };
  ShowHtmlHelpContext(expect, L"C:\\Программы\\lunda\\lunda.chm", 0x20002);
  ShowHtmlHelpContext({}, L"C:\\lunda.chm", 0x20000);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace lunda
