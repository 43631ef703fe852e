#include "app/startup_messages.h"

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace vardel::app {
namespace {

struct HeldMessage {
  QtMsgType type;
  std::string file;
  int line;
  std::string function;
  std::string category;
  QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string waylandDisplay() {
  const std::string name = environment("WAYLAND_DISPLAY");
  return quoted(name.empty() ? "wayland-0" : name);  // the client library's default
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// The displays the toolkit tried, in its order: the platforms listed in
// QT_QPA_PLATFORM (each maybe with ":arguments"), or else Wayland when the
// session names a Wayland display and X when DISPLAY is set.
std::string displaysTried() {
  std::vector<std::string> displays;
  const std::string xDisplay = "X display " + quoted(environment("DISPLAY"));
  const std::string chosen = environment("QT_QPA_PLATFORM");
  if (!chosen.empty()) {
    for (const std::string& entry : split(chosen, ';')) {
      const std::string platform = split(entry, ':').front();
      if (platform.rfind("wayland", 0) == 0) {
        displays.push_back("Wayland display " + waylandDisplay());
      } else if (platform == "xcb") {
        displays.push_back(xDisplay);
      } else if (!platform.empty()) {
        displays.push_back("platform " + quoted(platform));
      }
    }
  } else {
    if (!environment("WAYLAND_DISPLAY").empty() || environment("XDG_SESSION_TYPE") == "wayland") {
      displays.push_back("Wayland display " + waylandDisplay());
    }
    if (!environment("DISPLAY").empty()) displays.push_back(xDisplay);
  }
  std::string text;
  for (const std::string& display : displays) text += (text.empty() ? "" : " or ") + display;
  return text.empty() ? "the display" : text;
}

// The fatal message's first line, for a fault that is not the display's.
std::string firstLine(const QString& text) {
  const std::string all = text.toLocal8Bit().toStdString();
  return all.substr(0, all.find('\n'));
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // The toolkit aborts when this returns; it must not. Nothing made so far
    // needs tearing down, so the program ends here without exit handlers.
    const bool noPlatform = text.contains(QStringLiteral("platform plugin"));
    const std::string line =
        noPlatform ? "vardel: cannot open " + displaysTried() : "vardel: " + firstLine(text);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(nullptr);
    std::_Exit(1);
  }
  const std::lock_guard<std::mutex> lock(heldLock);
  held.push_back({type, context.file ? context.file : "", context.line,
                  context.function ? context.function : "",
                  context.category ? context.category : "", text});
}

}  // namespace

StartupMessages::StartupMessages() { previousHandler = qInstallMessageHandler(holdMessage); }

StartupMessages::~StartupMessages() { release(); }

void StartupMessages::release() {
  if (released_) return;
  released_ = true;
  qInstallMessageHandler(previousHandler);
  std::vector<HeldMessage> messages;
  {
    const std::lock_guard<std::mutex> lock(heldLock);
    messages.swap(held);
  }
  for (const HeldMessage& message : messages) {
    const QMessageLogContext context(
        message.file.empty() ? nullptr : message.file.c_str(), message.line,
        message.function.empty() ? nullptr : message.function.c_str(), message.category.c_str());
    if (previousHandler != nullptr) {
      previousHandler(message.type, context, message.text);
    } else {
      std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
    }
  }
}

}  // namespace vardel::app
