#include "department/department_store.h"

#include <utility>

#include "department/department_file.h"
#include "department/issue.h"
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

std::string DepartmentStore::readOwn() {
  std::string problem;
  refused_.reset();
  const std::optional<std::string> text = storage_.load(&problem);
  if (!text) {
    if (problem.empty()) own_.reset();
    return problem.empty() ? std::string() : "The department values could not be read: " + problem;
  }
  department_file::Read read = department_file::read(*text);
  if (!read.values) {
    refused_ = *text;
    own_.reset();
    return "The department values kept on this device are not used. " + read.problem +
           " They stay as they are until department values are saved or imported; they are "
           "then kept aside, not lost.";
  }
  own_ = std::move(read.values);
  own_->origin = Origin::ThisDevice;
  return {};
}

std::string DepartmentStore::readIssue() {
  if (issued_ == nullptr) return {};
  std::string problem;
  const std::optional<std::string> text = issued_->load(&problem);
  department_file::Read read;
  if (text) read = department_file::read(*text);
  if (!text || !read.values) {
    issue_.reset();
    issueText_.clear();
    if (!text && problem.empty()) return {};
    const std::string stand =
        own_ ? " This device's own values stand." : " The published figures stand.";
    if (!text) {
      return "The department values issued in " + issued_->name() +
             " could not be read: " + problem + "." + stand;
    }
    return "The department values issued in " + issued_->name() + " are not used. " + read.problem +
           stand;
  }
  issue_ = std::move(read.values);
  issue_->origin = Origin::Issued;
  issueText_ = *text;
  return {};
}

std::string DepartmentStore::load() {
  std::string problem = readOwn();
  if (std::string issued = readIssue(); !issued.empty()) {
    problem += (problem.empty() ? "" : "\n\n") + issued;
  }
  settle();
  noteNews();
  return problem;
}

void DepartmentStore::noteNews() {
  if (!issue_ || issued_ == nullptr) return;
  if (issue::readNote(issued_->note()).issue == issue::fingerprint(issueText_)) return;
  switch (issue::newsOf(own_ ? &*own_ : nullptr, *issue_)) {
    case issue::News::Told:
      news_.told = issue::toldText(*issue_);
      break;
    case issue::News::Offered:
      news_.offered = true;
      break;
    case issue::News::Nothing:
      break;
  }
  noteIssueTold();
}

void DepartmentStore::noteIssueTold() {
  issue::Note note = issue::readNote(issued_->note());
  note.issue = issue::fingerprint(issueText_);
  issued_->keepNote(issue::writeNote(note));
}

bool DepartmentStore::newerIssueWaits() const {
  return canTakeIssue() && issue::isNewer(issue_->issued, own_->issued);
}

const DepartmentValues* DepartmentStore::inForce() const {
  return values_ && values_->inForce ? &*values_ : nullptr;
}

void DepartmentStore::applyTo(Calculator& calculator) const {
  calculator.state.department = inForce();
}

std::string DepartmentStore::change(const std::function<std::string(DepartmentValues&)>& edit) {
  const Locked locked(storage_);
  // Another window may have saved since this one last read. The issued
  // file, read only, is the base of a first change where it is in force.
  readIssue();
  if (std::string problem = readOwn(); !problem.empty()) {
    settle();
    if (!refused_) return problem;
    // A kept file that cannot be read is kept aside, and the change starts
    // from the issued values, or from none, rather than being written over it.
    std::string note;
    if (!storage_.keepAside(*refused_, &note)) {
      return "The department values kept on this device cannot be read, and could not be kept "
             "aside (" +
             note + "): nothing was saved.";
    }
    refused_.reset();
  }
  settle();
  DepartmentValues changed = values_.value_or(firstValues());
  changed.origin = Origin::ThisDevice;
  if (std::string problem = edit(changed); !problem.empty()) return problem;
  if (std::string problem = checkValues(changed); !problem.empty()) return problem;
  std::string problem;
  if (!storage_.replace(department_file::write(changed), &problem)) {
    return "The department values could not be saved: " + problem;
  }
  own_ = std::move(changed);
  settle();
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
    values.origin = Origin::ThisDevice;
    return std::string();
  });
}

DepartmentStore::Preview DepartmentStore::previewIssue() const {
  if (!issue_) return {std::nullopt, {}, "No department values are issued to this device."};
  std::vector<std::string> changes =
      department_file::changes(values_.value_or(DepartmentValues{.inForce = false}), *issue_);
  changes.insert(changes.begin(), "What this device has now is kept aside, not lost");
  return {issue_, std::move(changes), {}};
}

std::string DepartmentStore::takeIssue(std::string* told) {
  const Locked locked(storage_);
  readOwn();
  readIssue();
  settle();
  if (!issue_) return "No department values are issued to this device.";
  std::string where;
  if (own_ || refused_) {
    if (!storage_.setAside(&where)) {
      return "What this device has could not be kept aside (" + where +
             "), so the issued values are not taken.";
    }
  }
  own_.reset();
  refused_.reset();
  settle();
  noteIssueTold();
  news_ = {};
  *told = issue::toldText(*issue_);
  if (!where.empty()) *told += " What this device had is kept in " + where + ".";
  return {};
}

std::string DepartmentStore::receiveIssue(const std::string& text) {
  if (issued_ == nullptr) return {};
  department_file::Read read = department_file::read(text);
  if (!read.values) {
    issue::Note note = issue::readNote(issued_->note());
    const std::string print = issue::fingerprint(text);
    if (note.refused == print) return {};
    note.refused = print;
    issued_->keepNote(issue::writeNote(note));
    return "The department values of " + issued_->name() +
           " are refused, and this device keeps what it had. " + read.problem;
  }
  read.values->origin = Origin::Issued;
  if (issue_ && *issue_ == *read.values) return {};
  // The copy is kept as this program writes the file, whatever the site's
  // layout, so that a browser reads it at start without the full reader.
  if (!issued_->keep(department_file::write(*read.values))) {
    return "The department values of " + issued_->name() +
           " could not be kept on this device: the browser keeps nothing more for this site.";
  }
  readIssue();
  settle();
  noteNews();
  return {};
}

std::string DepartmentStore::exportFile(std::string_view today,
                                        department_file::Layout layout) const {
  DepartmentValues out = values_.value_or(firstValues());
  if (out.origin == Origin::ThisDevice) out.issued = std::string(today);
  return department_file::write(out, layout);
}

}  // namespace vardel
