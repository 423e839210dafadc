// Pictures whose names Windows-1252 cannot hold: each one collected, sized and copied as itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/transfer/collection.h"
#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"
#include "platform/wide_path.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"

namespace pixa {
namespace {

std::string ReadWide(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(WideNames, LookAlikeNamesAndForeignFoldersAreCollectedAndCopiedByteForByte) {
    const std::wstring kStroke = L"\u0141\u00F3d\u017A.jpg";                                  // Łódź.jpg
    const std::wstring kMoscow = L"\u041C\u043E\u0441\u043A\u0432\u0430\\\u043A\u0440.jpg";  // Москва\кр.jpg
    const std::pair<std::wstring, std::string> pictures[] = {
        {kStroke, std::string(3000, 'S')}, {kMoscow, "kremlin"}, {L"L\u00F3dz.jpg", "plain"}};
    test::TempDir source, card;
    std::filesystem::create_directory(source.path() / L"\u041C\u043E\u0441\u043A\u0432\u0430");
    for (const auto& [name, bytes] : pictures) std::ofstream(source.path() / name, std::ios::binary) << bytes;

    test::RecordingProgress progress;
    auto files = CollectFiles({.source = source.str(), .includeSub = true, .target = "", .extens = "JPG"}, progress);
    ASSERT_EQ(files.size(), std::size(pictures));
    for (const auto& action : progress.actions) EXPECT_EQ(action.find(platform::kEscape), std::string::npos);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto& [name, bytes] = pictures[i];
        EXPECT_TRUE(std::filesystem::path(platform::WidePath(files[i])).wstring().ends_with(name)) << i;
        EXPECT_EQ(FSize(files[i]), bytes.size()) << i;
        std::string target = card / ("DSC0000" + std::to_string(i + 1) + ".JPG");
        ASSERT_TRUE(CopyToNewName(files[i], target, [] { return std::nullopt; }).name) << i;
        EXPECT_EQ(ReadWide(target), bytes) << i;
    }
}

}  // namespace
}  // namespace pixa
