// The department values a visit of the web panel starts with, read before
// the engine's rest (the desks, the store, the file's full reader) has
// arrived, so that the first result already carries them and the mark: the
// device's own, or else its copy of the site's issued file. The
// rest's store reads the file again when it starts and takes the calculator
// over; until then it points at the values read here.

#include <optional>
#include <string>

#include "department/kept_file.h"
#include "web/engine.h"
#include "web/site_storage.h"

namespace vardel::web {
namespace {

std::optional<DepartmentValues> kept;

}  // namespace

bool startKeptValues(Calculator& calculator) {
  SiteStorage own;
  SiteIssue issued;
  std::string problem;
  std::optional<std::string> text = own.load(&problem);
  const bool isOwn = text.has_value();
  if (!isOwn) text = issued.load(&problem);
  if (!text) return true;
  kept = kept_file::read(*text);
  if (!kept) return false;
  kept->origin = isOwn ? Origin::ThisDevice : Origin::Issued;
  calculator.state.department = kept->inForce ? &*kept : nullptr;
  return true;
}

}  // namespace vardel::web
