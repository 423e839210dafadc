#pragma once
// What the menu and the panel open outside the program: the help file's contents,
// the maker's homepage (through the Explorer command) and a support e-mail
// (handed to the platform shell).
#include <string>

#include "app/shell/namespace.h"

namespace pixa::shell {

// "mailto:" + the support address + "?subject=" + the product text, the subject
// encoded so that blanks and other reserved characters survive the address.
std::string MailAddress();

// Encodes a text for a part of a "mailto:" address: letters, digits and "-._~"
// stay, every other byte becomes "%" and two upper-case hex digits.
std::string EncodeMailPart(const std::string& text);

// Opens the program folder's "PIXAPORT.HLP" at its contents page.
void ShowHelpContents();

// Runs "Explorer " + the homepage address; a failure is not reported.
void OpenHomepage();

// Asks the platform shell to open the mail address; a failure is not reported.
void MailSupport();

}  // namespace pixa::shell
