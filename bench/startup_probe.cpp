// Starts one program on the X server of $DISPLAY and measures, for that run:
//   map_ms    from just before the program is started to the first top-level
//             window mapped on the server
//   frame_ms  from the same start to the first time that window's pixels are
//             not all one colour: its first frame painted (damage events on
//             the window wake the probe; it also looks every few milliseconds)
//   hwm_kb    the program's peak resident memory (VmHWM) a while after the map
//   windows   how many top-level windows it had mapped by then, and the title
//             and size of the first: a second window is often a first-run
//             dialog
// then ends the program. It prints one line of name=value fields, or
// "error=..." and exits 1. Meant for a private server with no other clients:
// the first top-level map is taken to be the program's.
//
//   vardel-startup-probe [--hold SECONDS] [--timeout SECONDS] [--shot FILE.ppm]
//                        -- PROGRAM [ARGS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

double nowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

[[noreturn]] void fail(const std::string& why, pid_t child = 0) {
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  std::printf("error=%s\n", why.c_str());
  std::exit(1);
}

long vmHwmKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// True once the window shows more than one colour. A window not yet drawn
// is one colour (its background, or black with none), or cannot be read.
bool painted(Display* display, Window window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
    return false;
  }
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const unsigned long first = XGetPixel(image, 0, 0);
  bool varied = false;
  for (int y = 0; y < image->height && !varied; y += 2) {
    for (int x = 0; x < image->width; x += 2) {
      if (XGetPixel(image, x, y) != first) {
        varied = true;
        break;
      }
    }
  }
  XDestroyImage(image);
  return varied;
}

// Writes the window's pixels as a binary PPM, to look at what was measured.
void saveShot(Display* display, Window window, const char* path) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes)) return;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return;
  if (FILE* out = std::fopen(path, "wb")) {
    std::fprintf(out, "P6\n%d %d\n255\n", image->width, image->height);
    for (int y = 0; y < image->height; ++y) {
      for (int x = 0; x < image->width; ++x) {
        const unsigned long pixel = XGetPixel(image, x, y);
        const unsigned char rgb[3] = {static_cast<unsigned char>((pixel >> 16) & 0xFF),
                                      static_cast<unsigned char>((pixel >> 8) & 0xFF),
                                      static_cast<unsigned char>(pixel & 0xFF)};
        std::fwrite(rgb, 1, 3, out);
      }
    }
    std::fclose(out);
  }
  XDestroyImage(image);
}

std::string titleOf(Display* display, Window window) {
  XTextProperty property{};
  std::string title;
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  if (XGetTextProperty(display, window, &property, netName) && property.value != nullptr) {
    title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
  } else if (XGetWMName(display, window, &property) && property.value != nullptr) {
    title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
  }
  for (char& c : title) {
    if (c == ' ' || c == '\t' || c == '\n') c = '_';
  }
  return title.empty() ? "-" : title;
}

// Waits for the next X event up to `deadline`; false when the time ran out.
bool nextEvent(Display* display, XEvent& event, double deadline) {
  while (XPending(display) == 0) {
    const double left = deadline - nowMs();
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left) + 1);
  }
  XNextEvent(display, &event);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  double holdMs = 1000;
  double timeoutMs = 20000;
  const char* shot = nullptr;
  int first = 1;
  for (; first < argc; ++first) {
    const std::string arg = argv[first];
    if (arg == "--") {
      ++first;
      break;
    }
    if (first + 1 >= argc) fail("usage: " + arg + " needs a value");
    if (arg == "--hold") {
      holdMs = std::atof(argv[++first]) * 1000;
    } else if (arg == "--timeout") {
      timeoutMs = std::atof(argv[++first]) * 1000;
    } else if (arg == "--shot") {
      shot = argv[++first];
    } else {
      fail("usage: unknown option " + arg);
    }
  }
  if (first >= argc) fail("usage: no program given");

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) fail("cannot open the display");
  int damageEvent = 0;
  int damageError = 0;
  int major = 1;
  int minor = 1;
  const bool haveDamage = XDamageQueryExtension(display, &damageEvent, &damageError) &&
                          XDamageQueryVersion(display, &major, &minor);
  // A window may go away, or lie partly off the screen, while it is being
  // read: such errors only mean "not this time".
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  pid_t child = 0;
  const double start = nowMs();
  if (posix_spawnp(&child, argv[first], nullptr, nullptr, &argv[first], environ) != 0) {
    fail(std::string("cannot start ") + argv[first]);
  }

  // The first top-level window mapped.
  Window window = 0;
  double mapMs = -1;
  XEvent event{};
  while (window == 0) {
    if (!nextEvent(display, event, start + timeoutMs)) fail("no window mapped in time", child);
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
      mapMs = nowMs() - start;
      window = event.xmap.window;
    }
  }
  Damage damage = 0;
  if (haveDamage) damage = XDamageCreate(display, window, XDamageReportNonEmpty);

  // Its first frame: checked at once (it may have been drawn already), on
  // every damage event, and every 2 ms in case damage says nothing.
  double frameMs = -1;
  int windows = 1;
  const double frameDeadline = start + timeoutMs;
  while (frameMs < 0) {
    if (painted(display, window)) {
      frameMs = nowMs() - start;
      break;
    }
    if (nowMs() > frameDeadline) break;
    if (nextEvent(display, event, nowMs() + 2)) {
      if (haveDamage && event.type == damageEvent + XDamageNotify) {
        XDamageSubtract(display, damage, None, None);
      } else if (event.type == MapNotify && event.xmap.event == root &&
                 !event.xmap.override_redirect) {
        ++windows;
      }
    }
  }

  // Hold the program for a while after the map, counting further windows,
  // then read its peak memory.
  const double holdUntil = start + mapMs + holdMs;
  while (nextEvent(display, event, holdUntil)) {
    if (haveDamage && event.type == damageEvent + XDamageNotify) {
      XDamageSubtract(display, damage, None, None);
    } else if (event.type == MapNotify && event.xmap.event == root &&
               !event.xmap.override_redirect) {
      ++windows;
    }
  }
  const long hwm = vmHwmKb(child);

  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  const std::string title = titleOf(display, window);
  if (shot != nullptr) saveShot(display, window, shot);
  if (damage != 0) XDamageDestroy(display, damage);

  kill(child, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(child, nullptr, WNOHANG) == child) {
      child = 0;
      break;
    }
    usleep(10000);
  }
  if (child != 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  XCloseDisplay(display);

  std::printf("map_ms=%.2f frame_ms=%.2f hwm_kb=%ld windows=%d size=%dx%d title=%s\n", mapMs,
              frameMs, hwm, windows, attributes.width, attributes.height, title.c_str());
  return 0;
}
