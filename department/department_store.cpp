#include "department/department_store.h"

#include <utility>

#include "department/department_file.h"
#include "department/rules.h"

namespace vardel {
namespace {

// Holds the storage's lock for one load and replace.
class Locked {
 public:
  explicit Locked(DepartmentStorage& storage) : storage_(storage) { storage_.lock(); }
  ~Locked() { storage_.unlock(); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  DepartmentStorage& storage_;
};

// The values a device starts from at its first change.
DepartmentValues firstValues() {
  DepartmentValues values;
  values.name = "Department";
  return values;
}

}  // namespace

std::string DepartmentStore::load() {
  std::string problem;
  refused_.reset();
  const std::optional<std::string> text = storage_.load(&problem);
  if (!text) {
    if (problem.empty()) values_.reset();
    return problem.empty() ? std::string() : "The department values could not be read: " + problem;
  }
  department_file::Read read = department_file::read(*text);
  if (!read.values) {
    refused_ = *text;
    return "The department values kept on this device are not used. " + read.problem +
           " They stay as they are until department values are saved or imported; they are "
           "then kept aside, not lost.";
  }
  values_ = std::move(read.values);
  return {};
}

const DepartmentValues* DepartmentStore::inForce() const {
  return values_ && values_->inForce ? &*values_ : nullptr;
}

void DepartmentStore::applyTo(Calculator& calculator) const {
  calculator.state.department = inForce();
}

std::string DepartmentStore::change(const std::function<std::string(DepartmentValues&)>& edit) {
  const Locked locked(storage_);
  // Another window may have saved since this one last read.
  if (std::string problem = load(); !problem.empty()) {
    if (!refused_) return problem;
    // A kept file that cannot be read is kept aside, and the change starts
    // from no values rather than from the published ones being written over it.
    std::string note;
    if (!storage_.keepAside(*refused_, &note)) {
      return "The department values kept on this device cannot be read, and could not be kept "
             "aside (" +
             note + "): nothing was saved.";
    }
    values_.reset();
  }
  DepartmentValues changed = values_.value_or(firstValues());
  if (std::string problem = edit(changed); !problem.empty()) return problem;
  if (std::string problem = checkValues(changed); !problem.empty()) return problem;
  std::string problem;
  if (!storage_.replace(department_file::write(changed), &problem)) {
    return "The department values could not be saved: " + problem;
  }
  values_ = std::move(changed);
  return {};
}

std::string DepartmentStore::change(Calculator& calculator,
                                    const std::function<std::string(DepartmentValues&)>& edit) {
  std::string problem = change(edit);
  applyTo(calculator);
  return problem;
}

DepartmentStore::Preview DepartmentStore::previewImport(const std::string& text) const {
  department_file::Read read = department_file::read(text);
  if (!read.values) return {std::nullopt, {}, read.problem};
  // An import puts the values in force: that is what it is for.
  read.values->inForce = true;
  std::vector<std::string> changes =
      department_file::changes(values_.value_or(DepartmentValues{.inForce = false}), *read.values);
  if (refused_) {
    changes.insert(changes.begin(),
                   "The values kept on this device, which cannot be read, are kept aside");
  }
  return {std::move(read.values), std::move(changes), {}};
}

std::string DepartmentStore::takeImport(const DepartmentValues& incoming) {
  return change([&incoming](DepartmentValues& values) {
    values = incoming;
    return std::string();
  });
}

std::string DepartmentStore::exportFile() const {
  return department_file::write(values_.value_or(firstValues()));
}

}  // namespace vardel
