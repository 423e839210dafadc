#pragma once
// Picture strings: an optional function part ("@E", "@K", "@!", "@Z", several
// letters may follow one '@') ended by a blank, then the template. In the
// template of a text, 9 # A N X ! are positions for characters of the value and
// every other character is a literal; in the template of a number only 9 and #
// are digit positions, '.' marks the decimal point and ',' a thousands separator.
#include <optional>
#include <string>
#include <string_view>

namespace pixa {

struct Picture {
    std::string functions;  // the function letters after '@', upper-cased ("E", "K")
    std::string mask;       // the template; empty when the picture has none

    // Splits a picture string into its functions and its template.
    static Picture Parse(std::string_view picture);
    // True when the picture carries the function letter (upper case).
    bool Has(char function) const;
};

// True when the template character is a digit position of a number template.
bool IsDigitPosition(char maskChar);
// True when the template character takes a character of the value: in a number
// template the digit positions, in a text template also ! A N X.
bool IsValuePosition(char maskChar, bool numeric);
// The character that a value position stores when c is typed there, or nothing
// when the position rejects it: 9 a digit (in a number also '-'), # a digit,
// blank, '+' or '-', A a letter, N a letter or digit, X anything, ! anything in
// upper case. upperAll upper-cases every accepted character (function "!").
std::optional<char> AcceptChar(char maskChar, char c, bool numeric, bool upperAll = false);

}  // namespace pixa
