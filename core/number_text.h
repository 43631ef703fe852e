#pragma once

#include <optional>
#include <string>
#include <string_view>

// The calculator's number texts: two ways of writing a double and two ways of
// reading display text. All are free of state and of the process locale: the
// decimal point is always ".".
//
// Both formats give at most 15 significant digits (rounded to nearest, ties to
// even on the value's exact binary expansion), no trailing zeros, no trailing
// point and no grouping. A value whose decimal exponent, after rounding to 15
// digits, is 15 or more, or below -4, is written in exponent form: "1E+15",
// "1.5E-05", "-2.5E+300"; so 999999999999999 and .0001 are the largest and
// smallest magnitudes written in full.
namespace vardel {

// A blank (zero or positive) or "-" first; no zero before the point of a
// magnitude below 1: " .5", "-.25", " 0". Negative zero is written " 0".
std::string formatSigned(double value);

// No leading blank; a zero before the point below 1: "0.5", "-0.25", "0".
// Negative zero is written "0".
std::string formatPlain(double value);

// The plain format where it reads back as exactly `value`; else the fewest
// digits that do ("184.50000000000003"), so that no text hides which side
// of a half a value lies. Negative zero is written "0".
std::string formatExact(double value);

// Reads a leading number, skipping blanks anywhere in it, and stops at the
// first other character; a text without digits reads as 0 ("VORNA", " ", ".").
// Returns nothing only when the number lies beyond the range of a double.
std::optional<double> readLenient(std::string_view text);

// The whole text, less blanks around it, must be one decimal number: optional
// sign, digits with at most one point, optional exponent. Anything else, and a
// number beyond the range of a double, is refused. A number too small for a
// double reads as zero.
std::optional<double> readStrict(std::string_view text);

}  // namespace vardel
