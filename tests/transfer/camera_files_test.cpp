#include "app/transfer/camera_files.h"

#include <gtest/gtest.h>

namespace pixa {
namespace {

TEST(CameraFiles, CameraFormNeedsAnEightThreeNameEndingInFourDigits) {
    for (const char* name : {"DSC00001.JPG", "IMG_0042.JPG", "MVI_0003.MOV", "CAN00007.TIF", "0001.J", "dsc00001.jpg"})
        EXPECT_TRUE(HasCameraForm(name)) << name;
    for (const char* name : {"DSC0001X.JPG", "001.JPG", "ABCDE00001.JPG", "DSC00001.JPEG", "DSC00001", "DSC00001.",
                             "DS 00001.JPG", "Brief 2024.doc", "IMG_0042.JPG.txt"})
        EXPECT_FALSE(HasCameraForm(name)) << name;
}

TEST(CameraFiles, TemporaryNamesAreRecognisedOnlyInTheirOwnPattern) {
    EXPECT_EQ(TemporaryName(0x1ABC), "PXA01ABC.TMP");
    EXPECT_EQ(TemporaryName(0x123456), "PXA23456.TMP");  // five digits, wrapping
    EXPECT_TRUE(IsOwnTemporaryName("PXA01ABC.TMP"));
    EXPECT_TRUE(IsOwnTemporaryName("pxaffff0.tmp"));
    for (const char* name : {"PXA01AB.TMP", "PXA01ABCD.TMP", "PXA01ABG.TMP", "PXA01ABC.TMPX", "XPXA01AB.TMP"})
        EXPECT_FALSE(IsOwnTemporaryName(name)) << name;
}

TEST(CameraFiles, ErasableAreCameraNamesTheConfiguredTypeAndOurTemporaries) {
    EXPECT_TRUE(IsCameraFile("DSC00001.JPG", "TIF"));
    EXPECT_TRUE(IsCameraFile("Urlaub am Meer.jpg", "JPG"));
    EXPECT_TRUE(IsCameraFile("clip.qt", "QT "));
    EXPECT_TRUE(IsCameraFile("PXA0000F.TMP", "JPG"));
    EXPECT_FALSE(IsCameraFile("Urlaub am Meer.jpg", "TIF"));
    EXPECT_FALSE(IsCameraFile("Steuer.xlsx", "JPG"));
    EXPECT_FALSE(IsCameraFile("Steuer.JPGX", "JPG"));
    EXPECT_FALSE(IsCameraFile("anything.*", "*"));
}

}  // namespace
}  // namespace pixa
