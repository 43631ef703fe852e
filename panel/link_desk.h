#pragma once

#include <string>

#include "panel/box_desk.h"

namespace vardel::panel {

// The desk of the link box (panel/link_box.h): the link to show and copy.
class LinkDesk : public BoxDesk {
 public:
  LinkDesk();

  void openBox(std::string link);

  // Copy: the link.
  std::string copied() const override;
};

}  // namespace vardel::panel
