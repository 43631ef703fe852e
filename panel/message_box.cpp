#include "panel/message_box.h"

#include "core/app_info.h"

namespace vardel::panel {

std::string messageBoxTitle(std::string_view asked) {
  return asked.empty() ? std::string(app_info::kTitle) : std::string(asked);
}

}  // namespace vardel::panel
