#include "app/transfer/camera_files.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>

namespace pixa {
namespace {

// Erasing goes by these names, so each edge of the forms decides whether a user's file stays.
TEST(CameraFiles, CameraFormsOurTemporariesAndTheConfiguredTypeAtTheirEdges) {
    for (const char* name : {"DSC00001.JPG", "IMG_0042.JPG", "MVI_0003.MOV", "0001.J", "dsc00001.jpg", "PXA0000F.TMP"})
        EXPECT_TRUE(IsCameraFile(name, "TIF")) << name;
    for (const char* name : {"DSC0001X.JPG", "001.JPG", "ABCDE00001.JPG", "DSC00001.JPEG", "DSC00001", "DS 00001.JPG",
                             "Brief 2024.doc", "IMG_0042.JPG.txt", "PXA01AB.TMP", "PXA01ABG.TMP", "XPXA01AB.TMP"})
        EXPECT_FALSE(IsCameraFile(name, "TIF")) << name;
    EXPECT_EQ(TemporaryName(0x123456), "PXA23456.TMP");  // five digits, wrapping
    EXPECT_TRUE(IsOwnTemporaryName(TemporaryName(0x1ABC)));
    EXPECT_TRUE(IsCameraFile("Urlaub am Meer.jpg", "JPG"));
    EXPECT_TRUE(IsCameraFile("clip.qt", "QT "));
    EXPECT_FALSE(IsCameraFile("Steuer.JPGX", "JPG"));
    EXPECT_FALSE(IsCameraFile("anything.*", "*"));
}

}  // namespace
}  // namespace pixa
