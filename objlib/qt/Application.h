// The application: the display check, the one QApplication, the message loop, the
// information box, and icons and texts from the resources.
#pragma once

#include <QIcon>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/Bytes.h"

class QApplication;

// Whether Qt can reach a display with this environment (QT_QPA_PLATFORM, DISPLAY,
// WAYLAND_DISPLAY; nil for an unset variable). Without one Qt aborts the process, so the
// program asks first and, on false, prints `reason` (one line) and exits non-zero.
bool DisplayAvailable(const char* platform, const char* display, const char* waylandDisplay,
                      std::string& reason);
// The same for the process's own environment.
bool DisplayAvailable(std::string& reason);

// Creates the QApplication; `argc` and `argv` must outlive it. Closing the last window does
// not end the loop: only the main form's close request does (EndMessageLoop).
std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv);

// Runs the message loop until EndMessageLoop is called from inside it (the main form's close
// request: nothing closes the main form before the loop runs, as it is shown only just before).
void RunMessageLoop();
// Ends the running message loop and every modal loop inside it; outside any loop it does
// nothing.
void EndMessageLoop();

// A message box with an OK button and no owner window; returns when it is closed.
void ShowInfoBox(std::string_view cp1251Title, std::string_view cp1251Text);

// The icon at a resource path (":/..."); an empty icon when there is none.
QIcon LoadIcon(const QString& resourcePath);

// The text at a resource path, taken as a zero-terminated byte string: the bytes up to the
// first zero byte, or all of them without one. Empty when there is no such resource.
Bytes LoadTextResource(const QString& resourcePath);
