#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/department_values.h"
#include "core/calculator.h"
#include "department/department_file.h"

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
  // Moves the kept file aside whole, readable or not, so that the issued
  // values can be taken in its place and nothing is lost; `note` says where,
  // or why it could not be moved.
  virtual bool setAside(std::string* note) {
    *note = "this device cannot keep it aside";
    return false;
  }
};

// Where a device finds the department's issued file: on a PC the system's
// (read only), in a browser its copy of the site's. Abstract so that it can
// be faked in tests.
class IssuedPlace {
 public:
  virtual ~IssuedPlace() = default;

  // The issued file's text; nothing when there is none. `problem` says why
  // a file that is there could not be read.
  virtual std::optional<std::string> load(std::string* problem) = 0;
  // The place as a message names it: the file's path, or the site's file.
  virtual std::string name() const = 0;
  // Keeps a newly arrived issue as this device's copy; false where the
  // place is read only (a PC reads the system file itself).
  virtual bool keep(const std::string& text) {
    (void)text;
    return false;
  }
  // A short note of what this device has told of its issues, kept between
  // runs (department/issue.h); empty when none is kept.
  virtual std::string note() = 0;
  virtual void keepNote(const std::string& note) = 0;
};

// The department values of a device and the changes made to them. A device
// works from its own file where it has one; otherwise from the department's
// issued file, where there is one; otherwise from the published figures.
// Every change reads the files again first, so that two windows open at
// once keep each other's saves, and is written to the device's own file
// (starting from the issued values, where those are in force); a change
// that is refused writes nothing. Nothing is written until the first change.
class DepartmentStore {
 public:
  explicit DepartmentStore(DepartmentStorage& storage, IssuedPlace* issued = nullptr)
      : storage_(storage), issued_(issued) {}

  // Reads the kept file and the issued file; a refused one is left as it
  // is, and the text says why. Empty when all is well (or nothing is kept
  // yet). The first change after a refusal of the kept file keeps it aside
  // and starts anew.
  std::string load();

  // What the last load (or arrival of an issue) found to tell of the issued
  // file, once per issue: an issue newly in force, told; or a newer issue
  // that this device's own values stand before, whose take is offered.
  // Handed over once.
  struct News {
    std::string told;
    bool offered = false;
  };
  News takeNews() { return std::exchange(news_, {}); }

  // The values the device works from: its own, or else the issued ones
  // (their `origin` says which).
  const std::optional<DepartmentValues>& values() const { return values_; }
  // The issued values, read well, whether or not they are the ones in force.
  const std::optional<DepartmentValues>& issue() const { return issue_; }
  // The name of the issued place, for the values box.
  std::string issuedPlaceName() const { return issued_ != nullptr ? issued_->name() : ""; }
  // The device keeps values of its own and an issue is there: it can take
  // the issue in their place. `newerIssueWaits` when that issue is newer.
  bool canTakeIssue() const { return issue_.has_value() && own_.has_value(); }
  bool newerIssueWaits() const;
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

  // Taking the issued values in place of this device's own: what it would
  // change, then the take itself, which moves the device's own file aside
  // whole (nothing it saved is lost) so that the issue is in force and the
  // next issue arrives by itself. `told` says what is in force and where
  // the device's file went; the result is why it could not, or empty.
  Preview previewIssue() const;
  std::string takeIssue(std::string* told);

  // An issued file arrived from where the department hands it out (a
  // browser fetches its site's): a refused one changes nothing and the
  // text says why, once per file; a new issue is kept as the device's copy
  // and read as at load, with its news. Empty when there is nothing to tell.
  std::string receiveIssue(const std::string& text);

  // The file to hand to another device: the values kept, in force as now.
  // Values of this device's own are issued `today`; issued values keep
  // their day.
  std::string exportFile(std::string_view today,
                         department_file::Layout layout = department_file::Layout::Indented) const;

 private:
  std::string readOwn();
  std::string readIssue();
  // The values worked from, after a read: the own, or else the issue.
  void settle() { values_ = own_ ? own_ : issue_; }
  // The news of an issue not told of yet, noted so that it is told once.
  void noteNews();
  void noteIssueTold();

  DepartmentStorage& storage_;
  IssuedPlace* issued_;
  std::optional<DepartmentValues> own_, issue_, values_;
  std::string issueText_;               // the issued file's text, as read
  std::optional<std::string> refused_;  // the text of a kept file that was refused
  News news_;
};

}  // namespace vardel
