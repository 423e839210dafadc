#include "app/shell/path_binding.h"

#include <gtest/gtest.h>

#include "platform/wide_path.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

TEST(BindPath, ShowsQuestionMarksAndKeepsTheExactFolderUntilTheTextChanges) {
    std::string folder = platform::CarriedPath(L"C:\\\u0416\u0434\u0430\u043D\\");  // the folder Ждан on C:
    const std::string exact = folder;
    Action binding = BindPath(folder);
    EXPECT_EQ(binding({}).AsString(), "C:\\????\\");
    binding({Value("C:\\????\\      ")});  // handed back as shown, padded to the field's width
    EXPECT_EQ(folder, exact);
    binding({Value("D:\\Bilder\\")});
    EXPECT_EQ(folder, "D:\\Bilder\\");
}

}  // namespace
}  // namespace pixa::shell
