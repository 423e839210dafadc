// The support mail address: the product text survives as the subject.
#include "app/shell/support_links.h"

#include <gtest/gtest.h>

#include "app/shell/publics.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

TEST(SupportLinks, MailSubjectIsEncodedByteByByte) {
    EXPECT_EQ(EncodeMailPart("Qor Pixaport v1.05"), "Qor%20Pixaport%20v1.05");
    EXPECT_EQ(EncodeMailPart("a-b_c.d~e"), "a-b_c.d~e") << "unreserved characters stay";
    EXPECT_EQ(EncodeMailPart("?&=#%+"), "%3F%26%3D%23%25%2B");
    EXPECT_EQ(EncodeMailPart("\x9a\xff"), "%9A%FF") << "bytes above 127 in upper-case hex";
    EXPECT_EQ(EncodeMailPart(""), "");
}

TEST(SupportLinks, MailAddressCarriesTheProductConvertedFromTheOemPage) {
    G().cS_Email = "support@example.org";
    G().cRelease = "Pixaport \x81";  // "ü" in code page 850
    EXPECT_EQ(MailAddress(), "mailto:support@example.org?subject=Pixaport%20%C3%BC") << "sent as UTF-8";
}

}  // namespace
}  // namespace pixa::shell
