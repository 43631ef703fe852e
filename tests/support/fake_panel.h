#pragma once

#include <string>
#include <vector>

#include "core/panel.h"

namespace vardel::testing {

// An in-memory panel: records the events the logic raised on it.
class FakePanel : public Panel {
 public:
  struct Message {
    std::string text;
    std::string title;
    bool operator==(const Message&) const = default;
  };

  void focusEnter() override { ++enterFocused; }
  void showMessage(const std::string& text, const std::string& title) override {
    messages.push_back({text, title});
  }
  void closeWindow() override { ++closed; }

  std::vector<Message> messages;
  int enterFocused = 0;
  int closed = 0;
};

}  // namespace vardel::testing
