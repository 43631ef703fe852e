#include "panel/link_desk.h"

#include "panel/link_box.h"

namespace vardel::panel {

using namespace link_box;

LinkDesk::LinkDesk() : BoxDesk(linkBox()) {}

void LinkDesk::openBox(std::string link) {
  open();
  at(kLink).text = std::move(link);
}

std::string LinkDesk::copied() const { return at(kLink).text; }

}  // namespace vardel::panel
