#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/lay.h"
#include "core/key.h"

// A practice problem as data: the calculation it asks for, the values it
// gives (exactly what an operator would key at each prompt), its text, and
// its answer as the calculator gives it for those keys.
namespace vardel::practice {

enum class ProblemKind : std::uint8_t {
  FrictionLoss,
  EnginePressure,
  TipFlow,
  FogFlow,
  TipReaction,
  FogReaction,
  AppRate,
  WyedLay,       // a supply to a wye and its branches: the pump pressure
  SeveralLines,  // lines off one pump: the pump pressure the governing line sets
};

// The function key that asks for a kind's values; none for the lay kinds,
// which are shown as the Lays desk shows a lay.
std::optional<KeyKind> functionKey(ProblemKind kind);

// What an answer measures, and so which tolerance it is held to.
enum class Quantity : std::uint8_t { Pressure, Flow, Force };
Quantity quantityOf(ProblemKind kind);

// The answer to one prompt: a number as the keypad keys it (digits and at
// most one point), or at HOSE SIZE a hose key.
struct Entry {
  std::string value;
  std::int16_t hose = -1;  // row of the hose table; a hose key, not a value

  bool operator==(const Entry&) const = default;
};

// What the calculator shows for a problem's keys, and how it got there.
struct Answer {
  std::string shown;                 // the display after the last Enter: "PSI 183"
  double value = 0;                  // the number it shows: 183
  std::vector<std::string> working;  // the working of that result, line by line
};

struct Problem {
  ProblemKind kind = ProblemKind::FrictionLoss;
  bool metric = false;
  std::vector<Entry> entries;  // prompt by prompt, in the order the key asks
  std::optional<Lay> lay;      // of a lay kind, in place of entries
  std::string savedLine;       // the department's saved line or lay it is, if any
  std::string text;            // the problem in words
  Answer answer;
};

}  // namespace vardel::practice
