#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/panel.h"

namespace vardel::testing {

// An in-memory panel: records what the logic asked of it.
class FakePanel : public Panel {
 public:
  struct Message {
    std::string text;
    std::string title;
    bool operator==(const Message&) const = default;
  };

  void setDisplayText(const std::string& text) override { display = text; }
  void setIndicatorText(const std::string& text) override { indicator = text; }
  void enableKey(Key key) override { enabled.push_back(key); }
  void makeEnterDefault() override { ++enterMadeDefault; }
  void focusEnter() override { ++enterFocused; }
  std::string digitCaption(int index) const override {
    return std::string(kDigitCaptions.at(static_cast<std::size_t>(index)));
  }
  void showMessage(const std::string& text, const std::string& title) override {
    messages.push_back({text, title});
  }
  void closeWindow() override { ++closed; }

  std::string display = "VORNA";
  std::string indicator = "E";
  std::vector<Key> enabled;
  std::vector<Message> messages;
  int enterMadeDefault = 0;
  int enterFocused = 0;
  int closed = 0;
};

}  // namespace vardel::testing
