#pragma once

// Watches the toolkit's messages while the application object is made. When
// the toolkit cannot reach the windowing system it would print several lines
// of advice that does not apply and then abort, which may leave a core file.
// Instead the user reads one line naming the display that could not be
// opened, and the program ends with status 1. When the application object is
// made, the messages held back meanwhile are passed on as the toolkit wrote
// them.
namespace vardel::app {

class StartupMessages {
 public:
  StartupMessages();
  ~StartupMessages();
  StartupMessages(const StartupMessages&) = delete;
  StartupMessages& operator=(const StartupMessages&) = delete;

  // The application object exists: pass on what was held back and give the
  // toolkit's messages back to the handler that had them before.
  void release();

 private:
  bool released_ = false;
};

}  // namespace vardel::app
