#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The words of practice problems: a hose as a crew names it, a lay with the coefficient to use, the
// floors climbed.
namespace vardel::practice {

// A hose by its size: 1 3/4" in English units, 45 mm in metric ones.
std::string hoseWords(std::int16_t hose, bool metric);

// "200 ft of 1 3/4" hose (C 15.5)", or with siamesed lines "2 siamesed lines
// of 300 ft of 2 1/2" hose (C 2)"; the figures as keyed, the coefficient as
// the calculation will take it.
std::string layWords(std::string_view lines, std::string_view length, std::int16_t hose,
                     bool metric, double coefficient);

// Whether a number of lines, as keyed, is one line (a 0 counts one, as at
// SIAMESE).
bool isOneLine(std::string_view lines);

// ", 3 floors up (4.3 psi a floor)", ", 1 floor down (...)", or nothing for
// no floors.
std::string floorWords(std::string_view floors, bool metric, double perFloor);

}  // namespace vardel::practice
