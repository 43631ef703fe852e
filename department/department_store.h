#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/department_values.h"
#include "core/calculator.h"

namespace vardel {

// Where a device keeps its department file. Abstract so that it can be faked
// in tests; the desktop keeps it in the user's configuration folder, the
// browser in the site's own storage.
class DepartmentStorage {
 public:
  virtual ~DepartmentStorage() = default;

  // The file's text; nothing when none has been saved yet. `problem` says
  // why a file that is there could not be read.
  virtual std::optional<std::string> load(std::string* problem) = 0;
  // Replaces the file whole, or leaves the old one whole and says why not.
  virtual bool replace(const std::string& text, std::string* problem) = 0;
  // Keep other windows from writing between this window's load and replace.
  virtual void lock() {}
  virtual void unlock() {}
  // Keeps a kept file that cannot be read (damaged, or from a newer version)
  // beside the new one, so that saving new values loses nothing; `note`
  // says where, or why it could not be kept.
  virtual bool keepAside(const std::string& text, std::string* note) {
    (void)text;
    *note = "this device cannot keep it aside";
    return false;
  }
};

// The department values of a device and the changes made to them. Every
// change reads the file again first, so that two windows open at once keep
// each other's saves; a change that is refused writes nothing. Nothing is
// written until the first change.
class DepartmentStore {
 public:
  explicit DepartmentStore(DepartmentStorage& storage) : storage_(storage) {}

  // Reads the kept file; a refused one is left as it is, and the text says
  // why. Empty when all is well (or nothing is kept yet). The first change
  // after a refusal keeps the refused file aside and starts anew.
  std::string load();

  const std::optional<DepartmentValues>& values() const { return values_; }
  // The values while they are in force, else none: the published figures stand.
  const DepartmentValues* inForce() const;
  // Points the calculator at the figures in force.
  void applyTo(Calculator& calculator) const;

  // One change: `edit` changes the latest values (an empty record with the
  // name "Department" when none are kept) and returns why it cannot, or an
  // empty text; the result is checked whole and written. Returns why the
  // change was refused, or an empty text.
  std::string change(const std::function<std::string(DepartmentValues&)>& edit);
  // The same, and then the calculator pointed at the figures in force,
  // whether or not the change was taken: the store read the file again.
  std::string change(Calculator& calculator,
                     const std::function<std::string(DepartmentValues&)>& edit);

  // An import: what taking the file's values would change, or why the file
  // is refused. Nothing changes until `takeImport`.
  struct Preview {
    std::optional<DepartmentValues> values;
    std::vector<std::string> changes;
    std::string problem;
  };
  Preview previewImport(const std::string& text) const;
  std::string takeImport(const DepartmentValues& incoming);

  // The file to hand to another device: the values kept, in force as now.
  std::string exportFile() const;

 private:
  DepartmentStorage& storage_;
  std::optional<DepartmentValues> values_;
  std::optional<std::string> refused_;  // the text of a kept file that was refused
};

}  // namespace vardel
